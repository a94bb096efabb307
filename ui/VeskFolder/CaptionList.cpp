#include "CaptionList.h"

#include <algorithm>

namespace tarnwick::vesk {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

} // namespace

CaptionList CaptionList::FromCommaText(std::string_view text) {
    std::vector<std::string> entries;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
    };
    skipBlanks();
    while (i < text.size()) {
        std::string entry;
        if (text[i] == '"') {
            ++i;
            while (i < text.size()) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        entry += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                entry += text[i++];
            }
        } else {
            while (i < text.size() && text[i] != ',' && !IsBlank(text[i]))
                entry += text[i++];
        }
        entries.push_back(std::move(entry));
        skipBlanks();
        if (i < text.size() && text[i] == ',') {
            ++i;
            skipBlanks();
            // A trailing comma still separates: it ends on an empty entry.
            if (i == text.size()) entries.emplace_back();
        }
    }
    return CaptionList(std::move(entries));
}

std::string CaptionList::CommaText() const {
    std::string text;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const auto& entry = entries_[i];
        if (i > 0) text += ',';
        text += '"';
        for (char c : entry) {
            if (c == '"') text += '"';
            text += c;
        }
        text += '"';
    }
    return text;
}

std::string_view EntryKey(std::string_view entry) {
    auto equals = entry.find('=');
    return equals == std::string_view::npos ? std::string_view() : entry.substr(0, equals);
}

std::string_view EntryText(std::string_view entry) {
    auto equals = entry.find('=');
    return equals == std::string_view::npos ? entry : entry.substr(equals + 1);
}

std::string ResolveCaption(const CaptionList& list, std::string_view languageCode) {
    const auto& entries = list.Entries();
    if (entries.empty()) return {};
    auto withKey = [&](std::string_view key) {
        return std::ranges::find_if(
            entries, [&](const std::string& e) { return EqualIgnoringCase(EntryKey(e), key); });
    };
    if (auto found = withKey(languageCode); found != entries.end())
        return std::string(EntryText(*found));
    if (auto found = withKey("Default"); found != entries.end())
        return std::string(EntryText(*found));
    return std::string(EntryText(entries.front()));
}

std::string LanguageCode(unsigned short languageId) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string code(4, '0');
    for (int i = 3; i >= 0; --i) {
        code[static_cast<std::size_t>(i)] = digits[languageId & 0xF];
        languageId = static_cast<unsigned short>(languageId >> 4);
    }
    return code;
}

} // namespace tarnwick::vesk
