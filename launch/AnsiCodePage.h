// Where the characters of a text in the system's ANSI code page begin. In the
// double-byte code pages (Japanese 932, Chinese 936 and 950, Korean 949) a
// lead byte begins a character of two bytes, and the second byte may be any
// of 0x40 to 0xFE: "\" and "/" among them. A text is looked at for a
// separator only by characters, never byte by byte.
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

    bool IsLeadByte(char byte) const { return leadBytes_[static_cast<unsigned char>(byte)]; }
    bool IsDoubleByte() const { return leadBytes_.any(); }

    // The index just after the character that begins at index at. A lead byte
    // at the very end stands alone.
    std::size_t NextCharacter(std::string_view text, std::size_t at) const {
        return at + (IsLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1);
    }
    // How many characters the text holds.
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
    std::bitset<256> leadBytes_;
};

} // namespace tarnwick
