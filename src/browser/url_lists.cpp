#include "browser/url_lists.h"

#include "core/cell.h"
#include "core/web_address.h"

#include <utility>

namespace tv::urls {
namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool starts_without_case(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lower(text[i]) != prefix[i])
            return false;
    return true;
}

std::string_view without_blanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::vector<std::string> lines_of(std::string_view bytes)
{
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

std::string list_file_text(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

bool is_text(std::string_view bytes) { return bytes.find('\0') == std::string_view::npos; }

std::string_view entry_address(std::string_view line)
{
    const std::size_t at = line.find(kEntrySeparator);
    return at == std::string_view::npos ? line : line.substr(at + kEntrySeparator.size());
}

std::optional<std::string> favourites_folder(std::string_view desktop)
{
    const std::size_t cut = desktop.rfind('\\');
    if (cut == std::string_view::npos)
        return std::nullopt;
    return std::string(desktop.substr(0, cut)) + "\\Favorites";
}

std::string shortcut_address(std::string_view bytes)
{
    for (const std::string& line : lines_of(bytes)) {
        const std::string_view text = without_blanks(line);
        if (!starts_without_case(text, "url"))
            continue;
        const std::string_view rest = without_blanks(text.substr(3));
        if (!rest.empty() && rest.front() == '=')
            return std::string(without_blanks(rest.substr(1)));
    }
    return {};
}

std::string go_search_address(std::string_view prefix, std::string_view words)
{
    return std::string(prefix) + web::percent_encoded(words) + "&";
}

SchemeCommand scheme_command_of(std::string_view link_text)
{
    static const std::pair<std::string_view, SchemeCommand> kTable[] = {
        {"vyk://bbs", SchemeCommand::Nothing}, {"vyk://exit", SchemeCommand::Exit},
        {"vyk://help", SchemeCommand::Help},   {"vyk://http", SchemeCommand::NewSlot},
        {"vyk://close", SchemeCommand::Nothing},
    };
    for (const auto& [prefix, command] : kTable)
        if (link_text.starts_with(prefix))
            return command;
    const std::optional<long> number = cell::number(link_text, 4, 3);
    if (number == 2)
        return SchemeCommand::StartPage;
    if (number == 3)
        return SchemeCommand::Hide;
    return SchemeCommand::Nothing;
}

} // namespace tv::urls
