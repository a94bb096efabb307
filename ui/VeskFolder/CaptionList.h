// A list of captions, one entry per language: "key=text", where the key is a
// language identifier in four hexadecimal digits or "Default". Held and
// compared as comma text, the form in which the built-in lists are written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::vesk {

class CaptionList {
  public:
    CaptionList() = default;
    explicit CaptionList(std::vector<std::string> entries) : entries_(std::move(entries)) {}

    // Entries in double quotes (a quote inside doubled) or bare words,
    // separated by commas or blanks.
    static CaptionList FromCommaText(std::string_view commaText);
    // Every entry in double quotes, separated by commas.
    std::string CommaText() const;

    const std::vector<std::string>& Entries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }

    friend bool operator==(const CaptionList&, const CaptionList&) = default;

  private:
    std::vector<std::string> entries_;
};

// The part of an entry before its first "="; empty when it has none.
std::string_view EntryKey(std::string_view entry);
// The part after its first "="; the whole entry when it has none.
std::string_view EntryText(std::string_view entry);

// The caption for a language code ("0407"): the entry with that key (case
// does not count), else the "Default" entry, else the first entry; empty for
// an empty list. No fall-back from a sub-language to its primary language.
std::string ResolveCaption(const CaptionList& list, std::string_view languageCode);

// A language identifier as four upper-case hexadecimal digits: 0x0407 gives
// "0407".
std::string LanguageCode(unsigned short languageId);

} // namespace tarnwick::vesk
