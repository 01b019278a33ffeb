// The pure text readers on any bytes: lines, the class table, the hint
// template's document, the cell tests, the command-line splitter, the address
// list and shortcut files, and the addresses handed to the default browser.
#include "board/hint_template.h"
#include "browser/url_lists.h"
#include "core/cell.h"
#include "core/web_address.h"
#include "ime/ime_table.h"
#include "platform/command_line.h"
#include "platform/lines.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool holds)
{
    if (!holds)
        std::abort();
}

void cell_tests(std::string_view text, long pos, long len)
{
    const std::string_view piece = tv::cell::piece(text, pos, len);
    check(piece.size() <= text.size());
    check(tv::cell::from(text, pos).size() <= text.size());
    const long found = tv::cell::position(text, piece);
    check(piece.empty() || (found >= 1 && static_cast<std::size_t>(found) <= text.size()));
    (void)tv::cell::number(text, pos, len);
    (void)tv::cell::number(text);
}

void class_table(std::string_view bytes)
{
    const auto items = tv::ime::table_from_file(bytes);
    const auto pairs = tv::ime::sound_pairs(items);
    check(pairs.size() % 2 == 0);
    for (const auto& item : pairs)
        check(!item.empty());
    // What is written back reads back the same.
    const auto again = tv::ime::table_from_file(tv::ime::file_text(pairs));
    check(tv::ime::sound_pairs(again) == pairs);
    if (!items.empty())
        (void)tv::ime::class_for(items.front(), items);
    check(tv::ime::cut_bytes(bytes, 255).size() <= 255);
}

void command_line(std::string_view bytes)
{
    std::wstring line;
    for (unsigned char c : bytes)
        line.push_back(static_cast<wchar_t>(c == 0 ? L' ' : c));
    const auto arguments = tv::split_windows_command_line(line);
    // Quoting what was split and splitting again gives the same arguments.
    check(tv::split_windows_command_line(tv::windows_command_line(arguments)) == arguments);
}

bool is_address_byte(unsigned char c) { return c > 0x20 && c < 0x7F; }

void address_texts(std::string_view bytes)
{
    const auto lines = tv::urls::lines_of(bytes);
    // The list written back reads back the same.
    check(tv::urls::lines_of(tv::urls::list_file_text(lines)) == lines);
    for (const auto& line : lines)
        check(tv::urls::entry_address(line).size() <= line.size());
    check(tv::urls::shortcut_address(bytes).find('\n') == std::string::npos);
    if (const auto folder = tv::urls::favourites_folder(bytes))
        check(folder->ends_with("\\Favorites"));
    (void)tv::urls::scheme_command_of(bytes);
    // What goes to the shell is an http(s) address of printable ASCII, within the limit.
    const std::string prefix = tv::web::search_prefix(bytes);
    if (const auto address = tv::web::default_browser_address(bytes, prefix)) {
        std::string scheme = address->substr(0, 8);
        for (char& c : scheme)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        check(scheme.starts_with("http://") || scheme.starts_with("https://"));
        check(address->size() <= tv::web::kLongestAddress);
        for (unsigned char c : *address)
            check(is_address_byte(c));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const long pos = static_cast<signed char>(data[0]);
    const long len = static_cast<signed char>(data[1]);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
    const auto lines = tv::split_lines(bytes);
    (void)tv::hint::document(lines);
    cell_tests(bytes, pos, len);
    class_table(bytes);
    command_line(bytes);
    address_texts(bytes);
    return 0;
}
