#include "core/cell.h"

#include <charconv>
#include <climits>

namespace tv::cell {

std::string_view piece(std::string_view text, long pos, long len)
{
    if (len <= 0)
        return {};
    if (pos < 1) {
        // A piece that starts before position 1 loses the positions before it.
        const unsigned long before = 1UL - static_cast<unsigned long>(pos);
        if (static_cast<unsigned long>(len) <= before)
            return {};
        len -= static_cast<long>(before);
        pos = 1;
    }
    const auto start = static_cast<std::size_t>(pos - 1);
    if (start >= text.size())
        return {};
    return text.substr(start, static_cast<std::size_t>(len));
}

std::string_view from(std::string_view text, long pos) { return piece(text, pos, LONG_MAX); }

long position(std::string_view text, std::string_view part)
{
    const auto at = text.find(part);
    return at == std::string_view::npos ? 0 : static_cast<long>(at) + 1;
}

std::optional<long> number(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::optional<long> number(std::string_view text, long pos, long len) { return number(piece(text, pos, len)); }

} // namespace tv::cell
