// Which addresses the program hands to the shell: web pages only, so no text
// from a page or a file can start a program or open a local file.
#pragma once

#include <string_view>

namespace tv {

inline bool is_web_address(std::string_view url)
{
    auto starts = [&](std::string_view scheme) {
        if (url.size() <= scheme.size())
            return false;
        for (std::size_t i = 0; i < scheme.size(); ++i) {
            const char c = url[i];
            if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != scheme[i])
                return false;
        }
        return true;
    };
    if (!starts("http://") && !starts("https://"))
        return false;
    for (const char c : url)
        if (static_cast<unsigned char>(c) < 0x20 || c == '"')
            return false;
    return true;
}

} // namespace tv
