#include "ime/ime_table.h"

#include "platform/cp936_cut.h"

#include "platform/lines.h"

namespace tv::ime {
namespace {

bool blank(std::string_view part) { return part.find_first_not_of(" \t") == std::string_view::npos; }

} // namespace

std::vector<std::string> sound_pairs(const std::vector<std::string>& items)
{
    std::vector<std::string> kept;
    for (std::size_t i = 0; i + 1 < items.size(); i += 2) {
        if (blank(items[i]) || blank(items[i + 1]))
            continue;
        kept.push_back(items[i]);
        kept.push_back(items[i + 1]);
    }
    return kept;
}

std::vector<std::string> table_from_file(std::string_view bytes) { return sound_pairs(split_lines(bytes)); }

std::string file_text(const std::vector<std::string>& items) { return join_crlf(sound_pairs(items)); }

std::optional<std::string> class_for(std::string_view description, const std::vector<std::string>& items)
{
    std::optional<std::string> found;
    for (std::size_t i = 0; i + 1 < items.size(); i += 2) {
        if (blank(items[i]) || blank(items[i + 1]))
            continue;
        if (description.starts_with(items[i]))
            found = items[i + 1];
    }
    return found;
}

std::string cut_bytes(std::string_view text, std::size_t limit) { return cut_whole_characters(text, limit); }

} // namespace tv::ime
