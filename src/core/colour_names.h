// Colours in the settings list: the platform's standard colour names
// ("clRed", "clMoneyGreen", ...) or "$00BBGGRR" for any other colour.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tv::settings {

// A colour as 0x00BBGGRR.
using Colour = std::uint32_t;

// The colour's standard name, or "$" and eight upper-case hexadecimal digits.
std::string colour_to_string(Colour);

// A standard name (any letter case) or "$" and eight hexadecimal digits whose
// top byte is 00; anything else is no colour.
std::optional<Colour> string_to_colour(std::string_view);

} // namespace tv::settings
