// Which byte sequences code page 936 reads, as Windows' strict decoding
// (MB_ERR_INVALID_CHARS) answers: the single bytes 0x00..0x80, and a lead
// byte 0x81..0xFE followed by a trail byte 0x40..0x7E or 0x80..0xFE. 0xFF is
// never read. Shared by the fake codec and the port test that holds these
// rules against the real code page.
#pragma once

#include <string>

namespace vantrel::testing {

inline bool Cp936Single(unsigned char b) { return b <= 0x80; }
inline bool Cp936Lead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
inline bool Cp936Trail(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

// Whether every sequence of the bytes is one the code page reads.
inline bool Cp936Accepts(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (Cp936Single(b)) continue;
        if (!Cp936Lead(b) || i + 1 == bytes.size() ||
            !Cp936Trail(static_cast<unsigned char>(bytes[i + 1])))
            return false;
        ++i;
    }
    return true;
}

}  // namespace vantrel::testing
