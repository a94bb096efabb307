// Which set of files an error box of a save, a Reset or a recovery says will
// stand after the next start, read from its words.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>

namespace tarnwick {

enum class Said {
    Unchanged, // the bare error, or "nothing was changed": the files are as they were
    Earlier,   // the earlier files are, or will be put, back
    New,       // the new files are, or will be put, in place
    InPlace,   // the files in place stand, whichever set they are
    Nothing,   // it does not say
};

inline Said WhatItSays(const std::string& error) {
    const auto says = [&error](std::initializer_list<const char*> phrases) {
        return std::any_of(phrases.begin(), phrases.end(), [&error](const char* phrase) {
            return error.find(phrase) != std::string::npos;
        });
    };
    if (!says({"\n\n"}) || says({"nothing was changed"})) return Said::Unchanged;
    if (says({"are put back at", "as they were before"})) return Said::Earlier;
    if (says({"put in place at", "is completed at", "new files are in place", "files are removed"}))
        return Said::New;
    return says({"files in place stand"}) ? Said::InPlace : Said::Nothing;
}

} // namespace tarnwick
