#include "browser/page_addresses.h"

#include <cctype>
#include <cstdio>

namespace tv::page_address {
namespace {

constexpr std::string_view kEntrySeparator = "     --";

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool starts_with_nocase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lower(text[i]) != lower(prefix[i]))
            return false;
    return true;
}

int hex_digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = lower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// A file address as a path: "file:///C:/x%20y/a.htm" -> "C:\x y\a.htm"; empty
// for any other address.
std::string file_path_of(std::string_view url)
{
    if (!starts_with_nocase(url, "file:"))
        return {};
    url.remove_prefix(5);
    while (!url.empty() && (url.front() == '/' || url.front() == '\\'))
        url.remove_prefix(1);
    std::string path;
    for (std::size_t i = 0; i < url.size(); ++i) {
        if (url[i] == '%' && i + 2 < url.size() && hex_digit(url[i + 1]) >= 0 && hex_digit(url[i + 2]) >= 0) {
            path += static_cast<char>(hex_digit(url[i + 1]) * 16 + hex_digit(url[i + 2]));
            i += 2;
        } else {
            path += url[i] == '/' ? '\\' : url[i];
        }
    }
    return path;
}

} // namespace

bool of_program_folder(std::string_view location, std::string_view program_folder)
{
    const std::string path = file_path_of(location);
    if (path.empty() || program_folder.empty() || path.find("..") != std::string::npos)
        return false;
    return starts_with_nocase(path, program_folder);
}

std::string of_entry(std::string_view line)
{
    const auto at = line.find(kEntrySeparator);
    return std::string(at == std::string_view::npos ? line : line.substr(at + kEntrySeparator.size()));
}

std::string percent_encoded(std::string_view words)
{
    std::string out;
    for (const char c : words) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 && byte < 0x80) {
            out += c;
        } else if (c == '-' || c == '.' || c == '_' || c == '~') {
            out += c;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", byte);
            out += hex;
        }
    }
    return out;
}

std::optional<std::string> to_open(std::string_view typed)
{
    if (starts_with_nocase(typed, "http://") || starts_with_nocase(typed, "https://") ||
        starts_with_nocase(typed, "file:"))
        return std::string(typed);
    if (typed.empty() || typed.find(':') != std::string_view::npos)
        return std::nullopt;
    return "http://" + std::string(typed);
}

} // namespace tv::page_address
