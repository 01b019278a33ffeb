#include "core/web_address.h"

#include "platform/address.h"
#include "platform/text.h"

#include <array>

namespace tv::web {
namespace {

constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};

bool is_ascii_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_unreserved(char c) { return is_ascii_letter(c) || is_digit(c) || c == '-' || c == '.' || c == '_' || c == '~'; }
bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void append_escaped(std::string& out, unsigned char byte)
{
    out += '%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// "name:" at the start, the name an ASCII letter then letters, digits, "+",
// "-" or ".": a scheme ("file:", "javascript:") or a drive ("C:").
bool names_a_scheme(std::string_view text)
{
    if (text.empty() || !is_ascii_letter(text.front()))
        return false;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ':')
            return true;
        if (!is_ascii_letter(c) && !is_digit(c) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return false;
}

bool names_a_path(std::string_view text)
{
    return text.front() == '/' || text.find('\\') != std::string_view::npos;
}

// One character of a CP936 text: a lead byte from 0x81 takes its trail byte.
std::size_t character_bytes(std::string_view text)
{
    return static_cast<unsigned char>(text.front()) >= 0x81 && text.size() >= 2 ? 2 : 1;
}

// The characters an address may keep as they are; the rest is escaped.
bool address_keeps(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte > 0x20 && byte < 0x7F && c != '"' && c != '<' && c != '>' && c != '`' && c != '{' && c != '}' &&
           c != '|' && c != '^';
}

// Appends `text` encoded, character by character, while the result stays
// within `limit`; false when it had to stop early.
bool append_encoded(std::string& out, std::string_view text, bool (*keeps)(char), std::size_t limit)
{
    while (!text.empty()) {
        const std::size_t n = character_bytes(text);
        std::string piece;
        if (n == 1 && keeps(text.front())) {
            piece = text.front();
        } else {
            for (const char byte : cp936_to_utf8(text.substr(0, n)))
                append_escaped(piece, static_cast<unsigned char>(byte));
        }
        if (out.size() + piece.size() > limit)
            return false;
        out += piece;
        text.remove_prefix(n);
    }
    return true;
}

} // namespace

std::string percent_encoded(std::string_view cp936)
{
    std::string out;
    append_encoded(out, cp936, is_unreserved, std::string::npos);
    return out;
}

std::string search_prefix(std::string_view setting)
{
    const std::string_view value = trimmed(setting);
    return is_web_address(value) ? std::string(value) : std::string(kDefaultSearchPrefix);
}

std::optional<std::string> default_browser_address(std::string_view text, std::string_view prefix)
{
    text = trimmed(text);
    if (text.empty())
        return std::nullopt;
    std::string address;
    if (is_web_address(text)) {
        if (!append_encoded(address, text, address_keeps, kLongestAddress))
            return std::nullopt;
    } else {
        if (names_a_scheme(text) || names_a_path(text) || !is_web_address(prefix))
            return std::nullopt;
        address = prefix;
        // Long search words are cut at a whole character: the search still runs.
        append_encoded(address, text, is_unreserved, kLongestAddress);
    }
    if (!is_web_address(address))
        return std::nullopt;
    return address;
}

} // namespace tv::web
