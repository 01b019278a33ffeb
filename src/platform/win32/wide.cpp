#include "platform/win32/wide.h"

#include <windows.h>

#include <cstddef>

namespace tv::win32 {
namespace {

constexpr UINT kCodePage936 = 936;
constexpr wchar_t kReplacement = 0xFFFD;

// The API counts in int; longer texts go through in pieces of this many units,
// cut where no character is split.
constexpr std::size_t kPiece = 1 << 20;

bool is_lead_byte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool is_trail_byte(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

// Bytes that start no character of code page 936 by its structure.
bool is_stray_byte(unsigned char b) { return b == 0xFF; }

void append_multibyte(UINT code_page, std::string_view in, std::wstring& out)
{
    if (in.empty())
        return;
    const int in_len = static_cast<int>(in.size());
    const int need = MultiByteToWideChar(code_page, 0, in.data(), in_len, nullptr, 0);
    if (need <= 0)
        return;
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(need));
    const int got = MultiByteToWideChar(code_page, 0, in.data(), in_len, out.data() + at, need);
    out.resize(at + static_cast<std::size_t>(got > 0 ? got : 0));
}

void append_wide(UINT code_page, std::wstring_view in, std::string& out)
{
    if (in.empty())
        return;
    const int in_len = static_cast<int>(in.size());
    // A default character is allowed for code pages, not for UTF-8. No "best
    // fit": a character without a CP936 form becomes '?', never a look-alike
    // (a full-width '\' or '"' turned into the real one would change a path or
    // a command line).
    const bool utf8 = code_page == CP_UTF8;
    const char* fallback = utf8 ? nullptr : "?";
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int need = WideCharToMultiByte(code_page, flags, in.data(), in_len, nullptr, 0, fallback, nullptr);
    if (need <= 0)
        return;
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(need));
    const int got =
        WideCharToMultiByte(code_page, flags, in.data(), in_len, out.data() + at, need, fallback, nullptr);
    out.resize(at + static_cast<std::size_t>(got > 0 ? got : 0));
}

// Length of the well-formed CP936 run at the start of `in` (at most kPiece
// bytes, never ending inside a character).
std::size_t well_formed_run(std::string_view in)
{
    std::size_t i = 0;
    while (i < in.size() && i < kPiece) {
        const auto b = static_cast<unsigned char>(in[i]);
        if (is_stray_byte(b))
            break;
        if (!is_lead_byte(b)) {
            ++i;
            continue;
        }
        if (i + 1 >= in.size() || !is_trail_byte(static_cast<unsigned char>(in[i + 1])))
            break;
        i += 2;
    }
    return i;
}

// A piece of UTF-16 that does not end between the halves of a surrogate pair.
std::size_t utf16_piece(std::wstring_view in)
{
    if (in.size() <= kPiece)
        return in.size();
    std::size_t n = kPiece;
    if (in[n - 1] >= 0xD800 && in[n - 1] <= 0xDBFF)
        --n;
    return n;
}

// A piece of UTF-8 that does not end inside a character.
std::size_t utf8_piece(std::string_view in)
{
    if (in.size() <= kPiece)
        return in.size();
    std::size_t n = kPiece;
    for (int back = 0; back < 3 && (static_cast<unsigned char>(in[n]) & 0xC0) == 0x80; ++back)
        --n;
    return n;
}

std::string wide_to_bytes(UINT code_page, std::wstring_view in)
{
    std::string out;
    out.reserve(in.size());
    while (!in.empty()) {
        const std::size_t n = utf16_piece(in);
        append_wide(code_page, in.substr(0, n), out);
        in.remove_prefix(n);
    }
    return out;
}

} // namespace

std::wstring widen(std::string_view cp936)
{
    std::wstring out;
    out.reserve(cp936.size());
    while (!cp936.empty()) {
        const std::size_t run = well_formed_run(cp936);
        if (run == 0) {
            // A byte that cannot start a character here: it stands for itself as U+FFFD.
            out.push_back(kReplacement);
            cp936.remove_prefix(1);
            continue;
        }
        append_multibyte(kCodePage936, cp936.substr(0, run), out);
        cp936.remove_prefix(run);
    }
    return out;
}

std::string narrow(std::wstring_view utf16) { return wide_to_bytes(kCodePage936, utf16); }

std::wstring utf8_to_utf16(std::string_view utf8)
{
    std::wstring out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const std::size_t n = utf8_piece(utf8);
        append_multibyte(CP_UTF8, utf8.substr(0, n), out);
        utf8.remove_prefix(n);
    }
    return out;
}

std::string utf16_to_utf8(std::wstring_view utf16) { return wide_to_bytes(CP_UTF8, utf16); }

std::wstring wide_text_in(const void* data, std::size_t bytes)
{
    if (!data)
        return {};
    const auto* text = static_cast<const wchar_t*>(data);
    const std::size_t units = bytes / sizeof(wchar_t);
    for (std::size_t i = 0; i < units; ++i)
        if (text[i] == L'\0')
            return std::wstring(text, i);
    return {};
}

} // namespace tv::win32
