#include "core/colour_names.h"

#include <array>
#include <cstdio>

namespace tv::settings {
namespace {

struct NamedColour {
    std::string_view name;
    Colour value;
};

// The platform's standard colours; a name is written for exactly these values.
constexpr std::array<NamedColour, 20> kNamedColours{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
}};

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool same_name(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

std::optional<unsigned> hex_digit(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<unsigned>(c - '0');
    if (lower(c) >= 'a' && lower(c) <= 'f')
        return static_cast<unsigned>(lower(c) - 'a' + 10);
    return std::nullopt;
}

// "$00BBGGRR": exactly eight digits, and only a plain colour (top byte 00).
std::optional<Colour> hex_colour(std::string_view text)
{
    if (text.size() != 9 || text[0] != '$')
        return std::nullopt;
    Colour value = 0;
    for (char c : text.substr(1)) {
        const auto digit = hex_digit(c);
        if (!digit)
            return std::nullopt;
        value = value << 4 | *digit;
    }
    if (value > 0x00FFFFFF)
        return std::nullopt;
    return value;
}

} // namespace

std::string colour_to_string(Colour colour)
{
    for (const NamedColour& named : kNamedColours)
        if (named.value == colour)
            return std::string(named.name);
    char text[16];
    std::snprintf(text, sizeof text, "$%.8X", static_cast<unsigned>(colour));
    return text;
}

std::optional<Colour> string_to_colour(std::string_view text)
{
    for (const NamedColour& named : kNamedColours)
        if (same_name(named.name, text))
            return named.value;
    return hex_colour(text);
}

} // namespace tv::settings
