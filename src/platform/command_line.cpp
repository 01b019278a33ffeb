// Reading a Windows command line back into its arguments.
#include "platform/command_line.h"

namespace tv {
namespace {

bool is_blank(wchar_t c) { return c == L' ' || c == L'\t'; }

// A run of backslashes at `at`, and what follows it, into `argument`; returns
// the position after what it took, and whether a quote was taken literally.
std::size_t take_backslashes(std::wstring_view line, std::size_t at, std::wstring& argument, bool& literal_quote)
{
    std::size_t count = 0;
    while (at + count < line.size() && line[at + count] == L'\\')
        ++count;
    const bool before_quote = at + count < line.size() && line[at + count] == L'"';
    literal_quote = before_quote && count % 2 == 1;
    argument.append(before_quote ? count / 2 : count, L'\\');
    if (literal_quote) {
        argument += L'"';
        return at + count + 1;
    }
    return at + count;
}

} // namespace

std::vector<std::wstring> split_windows_command_line(std::wstring_view line)
{
    std::vector<std::wstring> arguments;
    std::size_t at = 0;
    while (true) {
        while (at < line.size() && is_blank(line[at]))
            ++at;
        if (at >= line.size())
            return arguments;
        std::wstring argument;
        bool quoted = false;
        while (at < line.size() && (quoted || !is_blank(line[at]))) {
            if (line[at] == L'\\') {
                bool literal = false;
                at = take_backslashes(line, at, argument, literal);
            } else if (line[at] == L'"') {
                // Inside quotes, "" is one literal quote and the run goes on.
                if (quoted && at + 1 < line.size() && line[at + 1] == L'"') {
                    argument += L'"';
                    at += 2;
                    continue;
                }
                quoted = !quoted;
                ++at;
            } else {
                argument += line[at++];
            }
        }
        arguments.push_back(std::move(argument));
    }
}

} // namespace tv
