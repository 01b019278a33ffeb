#include "settings/settings_list.h"

#include "core/app.h"
#include "core/regform.h"
#include "settings/colour_names.h"
#include "settings/setform.h"

namespace tv::settings {

std::string value(const ui::ListBox& list, std::size_t line)
{
    const std::string& item = list.item(line);
    return item.size() > kKeyBytes ? item.substr(kKeyBytes) : std::string();
}

std::vector<std::string> parse(std::string_view bytes)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            items.emplace_back(bytes.substr(start));
            break;
        }
        items.emplace_back(bytes.substr(start, end - start));
        const bool cr_lf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        start = end + (cr_lf ? 2 : 1);
    }
    return items;
}

std::string serialise(const std::vector<std::string>& items)
{
    std::string bytes;
    for (const std::string& item : items) {
        bytes += item;
        bytes += "\r\n";
    }
    return bytes;
}

void load_runtime_list(Platform& platform, Tregform& regform)
{
    if (const auto bytes = platform.read_file(kFileName))
        regform.ListBox2.set_items(parse(*bytes));
    regform.dy.set_text(value(regform.ListBox2, kScrollStepLine));
}

void load_runtime_list(App& app) { load_runtime_list(app.platform(), app.regform()); }

bool save(Platform& platform, const std::vector<std::string>& items)
{
    return platform.write_file_atomic(kFileName, serialise(items));
}

void apply_colour_lines(App& app)
{
    const ui::ListBox& runtime = app.regform().ListBox2;
    Tsetform& setform = app.setform();
    for (std::size_t line = kFirstColourLine; line <= kLastColourLine; ++line)
        if (const auto colour = string_to_colour(value(runtime, line)))
            setform.show_line_colour(line, *colour);
}

void refresh_editable_copy(App& app) { app.setform().fill_editable_copy_once(app.regform().ListBox2.items()); }

} // namespace tv::settings
