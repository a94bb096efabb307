// Which set of files an error box of a save, a Reset or a recovery says will
// stand after the next start, read from its words.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>

namespace tarnwick {

enum class Said {
    Unchanged, // the bare error, or "nothing was changed": the files in place are as they were
    Earlier,   // the earlier files stand, or will be put back
    New,       // the change will be completed
    Nothing,   // it does not say
};

inline Said WhatItSays(const std::string& error) {
    const auto says = [&error](std::initializer_list<const char*> phrases) {
        return std::any_of(phrases.begin(), phrases.end(), [&error](const char* phrase) {
            return error.find(phrase) != std::string::npos;
        });
    };
    if (!says({"\n\n"}) || says({"Nothing was changed;"})) return Said::Unchanged;
    if (says({"are put back at", "as they were before stand"})) return Said::Earlier;
    return says({"is completed at"}) ? Said::New : Said::Nothing;
}

} // namespace tarnwick
