// Where the characters of a text in the system's ANSI code page begin. In the
// double-byte code pages (Japanese 932, Chinese 936 and 950, Korean 949) a
// lead byte begins a character of two bytes, and the second byte may be any
// of 0x40 to 0xFE: "\" and "/" among them. Where the ANSI code page is UTF-8
// (65001) a character takes one to four bytes. A text is looked at for a
// separator only by characters, never byte by byte, and is never cut inside
// a character.
#pragma once

#include <bitset>
#include <cstddef>
#include <string_view>

namespace tarnwick {

class AnsiCodePage {
  public:
    // A single-byte code page: every byte is a character.
    AnsiCodePage() = default;
    // The bytes that begin a double-byte character.
    explicit AnsiCodePage(const std::bitset<256>& leadBytes) : leadBytes_(leadBytes) {}
    // UTF-8 (65001), which a system takes for a language without an ANSI
    // code page, or with "Use Unicode UTF-8 for worldwide language support".
    static AnsiCodePage Utf8() {
        AnsiCodePage utf8;
        utf8.utf8_ = true;
        return utf8;
    }

    bool IsLeadByte(char byte) const { return leadBytes_[static_cast<unsigned char>(byte)]; }
    bool IsDoubleByte() const { return leadBytes_.any(); }

    // The index just after the character that begins at index at. A lead byte
    // at the very end stands alone; so does a UTF-8 sequence cut short, up to
    // the byte where it breaks off.
    std::size_t NextCharacter(std::string_view text, std::size_t at) const {
        if (utf8_) return NextUtf8Character(text, at);
        return at + (IsLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1);
    }
    // How many characters of the system's wide text (UTF-16) the text
    // makes, the unit of the system's path limits: one for each character,
    // two for one beyond the Basic Multilingual Plane (four bytes of UTF-8).
    std::size_t Characters(std::string_view text) const;
    // The index just after the first count characters (the size when it has
    // fewer).
    std::size_t Skip(std::string_view text, std::size_t count) const;
    // The index where the last character begins; the size when it is empty.
    std::size_t LastCharacter(std::string_view text) const;
    // The index of the first character c (an ASCII one) at or after the
    // character that begins at index from; npos when there is none. Not a
    // second byte that happens to equal it.
    std::size_t Find(std::string_view text, char c, std::size_t from = 0) const;
    // Whether the last character is "\" or "/" (not a second byte that looks so).
    bool EndsWithSeparator(std::string_view text) const;

  private:
    static std::size_t NextUtf8Character(std::string_view text, std::size_t at);

    std::bitset<256> leadBytes_;
    bool utf8_ = false;
};

} // namespace tarnwick
