// Cutting code page 936 text to a byte limit without splitting a character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tv {

// At most `limit` bytes, never half a double-byte character: a lead byte
// (0x81 to 0xFE) takes the byte after it.
inline std::string cut_whole_characters(std::string_view text, std::size_t limit)
{
    std::size_t end = 0;
    while (end < text.size()) {
        const auto byte = static_cast<unsigned char>(text[end]);
        const std::size_t width = (byte >= 0x81 && byte <= 0xFE && end + 1 < text.size()) ? 2 : 1;
        if (end + width > limit)
            break;
        end += width;
    }
    return std::string(text.substr(0, end));
}

} // namespace tv
