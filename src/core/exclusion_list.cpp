#include "core/exclusion_list.h"

#include "platform/lines.h"

#include <cctype>

namespace tv::aside {
namespace {

constexpr std::size_t kLongestName = 255;

bool same_ignoring_case(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x == y)
            continue;
        if (x >= 0x80 || y >= 0x80 || std::tolower(x) != std::tolower(y))
            return false;
    }
    return true;
}

// Every byte is a printable ASCII character or part of a two-byte CP936
// character (lead 0x81-0xFE, trail 0x40-0xFE but 0x7F).
bool readable(std::string_view line)
{
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c < 0x80) {
            if (c < 0x20 || c == 0x7F)
                return false;
            continue;
        }
        if (c == 0x80 || c == 0xFF || i + 1 >= line.size())
            return false;
        const auto trail = static_cast<unsigned char>(line[++i]);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF)
            return false;
    }
    return true;
}

std::string_view trimmed(std::string_view line)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!line.empty() && blank(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && blank(line.back()))
        line.remove_suffix(1);
    return line;
}

bool comment(std::string_view line)
{
    return line.front() == '#' && !(line.size() > 1 && std::isdigit(static_cast<unsigned char>(line[1])));
}

} // namespace

ExclusionList::ExclusionList(std::string_view file_bytes)
{
    if (file_bytes.starts_with("\xEF\xBB\xBF")) // an editor's UTF-8 mark: the names are ASCII anyway
        file_bytes.remove_prefix(3);
    for (const std::string& raw : split_lines(file_bytes)) {
        const std::string_view line = trimmed(raw);
        if (line.empty() || line.size() > kLongestName || !readable(line) || comment(line))
            continue;
        names_.emplace_back(line);
    }
}

std::string ExclusionList::match(std::string_view name) const
{
    if (name.empty())
        return {};
    for (const std::string& listed : names_)
        if (same_ignoring_case(listed, name))
            return listed;
    return {};
}

std::string_view file_name_of(std::string_view path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace tv::aside
