// The lead bytes of the Japanese code page 932, so that the text rules can be
// tried natively on a double-byte code page. Its second bytes range over 0x40
// to 0xFC: 表 is 95 5C ("\"), ポ 83 7C ("|"), タ 83 5E ("^"), ァ 83 40 ("@").
#pragma once

#include "AnsiCodePage.h"

namespace tarnwick::testing {

inline AnsiCodePage JapaneseCodePage() {
    std::bitset<256> leadBytes;
    for (unsigned byte = 0x81; byte <= 0xFC; ++byte)
        leadBytes.set(byte, byte <= 0x9F || byte >= 0xE0);
    return AnsiCodePage(leadBytes);
}

} // namespace tarnwick::testing
