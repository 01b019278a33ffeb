// A Windows command line built from a list of arguments, and read back.
//
// Windows hands a program one string; the program's start-up code splits it
// again by the rules of CommandLineToArgvW: blanks separate arguments, a quote
// opens and closes a quoted run, 2n backslashes before a quote stand for n
// backslashes, 2n+1 for n backslashes and a literal quote, and backslashes
// elsewhere are themselves. Quoting by those rules makes any text arrive as
// exactly one argument, byte for byte, and never reaches a command interpreter.
//
// The rules look only at ASCII blanks, quotes and backslashes, so they apply to
// UTF-16 text. They must not be applied to code page 936 bytes: the second
// byte of a double-byte character may be 0x5C, the backslash.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tv {

// The characters that make an argument need quotes: blanks, tabs, line ends, quotes.
template <typename Char>
constexpr Char kQuoteSpecials[] = {Char(' '), Char('\t'), Char('\n'), Char('\v'), Char('"'), Char(0)};

template <typename Char>
std::basic_string<Char> quote_windows_argument(std::basic_string_view<Char> argument)
{
    const bool plain = !argument.empty() &&
        argument.find_first_of(kQuoteSpecials<Char>) == std::basic_string_view<Char>::npos;
    if (plain)
        return std::basic_string<Char>(argument);
    std::basic_string<Char> quoted(1, Char('"'));
    std::size_t backslashes = 0;
    for (const Char c : argument) {
        if (c == Char('\\')) {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped.
        quoted.append(c == Char('"') ? backslashes * 2 + 1 : backslashes, Char('\\'));
        backslashes = 0;
        quoted += c;
    }
    // Backslashes before the closing quote are doubled too.
    quoted.append(backslashes * 2, Char('\\'));
    quoted += Char('"');
    return quoted;
}

// Program and arguments, each quoted where it needs it, separated by one blank.
template <typename Char>
std::basic_string<Char> windows_command_line(const std::vector<std::basic_string<Char>>& arguments)
{
    std::basic_string<Char> line;
    for (const auto& argument : arguments) {
        if (!line.empty())
            line += Char(' ');
        line += quote_windows_argument(std::basic_string_view<Char>(argument));
    }
    return line;
}

// The arguments of a command line, split as a program's start-up code splits
// it (the first one by the same rules as the others).
std::vector<std::wstring> split_windows_command_line(std::wstring_view line);

} // namespace tv
