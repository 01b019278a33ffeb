#include "core/settings_list.h"

#include "board/regform.h"
#include "board/setform.h"
#include "core/app.h"
#include "core/colour_names.h"
#include "platform/lines.h"

namespace tv::settings {

std::string value(const ui::ListBox& list, std::size_t line)
{
    const std::string& item = list.item(line);
    return item.size() > kKeyBytes ? item.substr(kKeyBytes) : std::string();
}

std::size_t key_bytes(std::string_view item)
{
    for (const std::size_t key : {std::size_t{8}, std::size_t{9}})
        if (item.substr(0, key + 2).ends_with("--") && item.size() >= key + 2)
            return key + 2;
    return kKeyBytes;
}

void load_runtime_list(App& app)
{
    Tregform& regform = app.regform();
    FileContent file = app.platform().read_file_status(kFileName);
    regform.settings_unreadable = file.status == FileStatus::Unreadable;
    if (file.status == FileStatus::Read)
        regform.ListBox2.set_items(split_lines(file.bytes));
    regform.dy.set_text(value(regform.ListBox2, kScrollStepLine));
    regform.fx.set_text(value(regform.ListBox2, kNavigationLine));
}

bool save(Platform& platform, const std::vector<std::string>& items)
{
    return platform.write_file_atomic(kFileName, join_crlf(items));
}

bool store_line(App& app, std::size_t line, std::string_view item)
{
    ui::ListBox& runtime = app.regform().ListBox2;
    if (runtime.count() > line && runtime.item(line) == item)
        return false;
    const std::vector<std::string> defaults = Tsetform::default_items();
    while (runtime.count() <= line)
        runtime.add(runtime.count() < defaults.size() ? defaults[runtime.count()] : std::string());
    runtime.set_item(line, item);
    return true;
}

bool save_runtime_list(App& app)
{
    return !app.regform().settings_unreadable && save(app.platform(), app.regform().ListBox2.items());
}

bool save_editable_copy(App& app)
{
    app.regform().ListBox2.set_items(app.setform().ListBox1.items());
    return save_runtime_list(app);
}

void show_line_colour(Tsetform& form, std::size_t line, std::uint32_t colour)
{
    if (ui::Panel* sample = form.sample_of_line(line))
        sample->set_color(colour);
    if (ui::Label* label = form.label_of_line(line))
        label->set_font_color(colour);
}

void apply_colour_lines(App& app)
{
    const ui::ListBox& runtime = app.regform().ListBox2;
    for (std::size_t line = kFirstColourLine; line <= kLastColourLine; ++line)
        if (const auto colour = string_to_colour(value(runtime, line)))
            show_line_colour(app.setform(), line, *colour);
}

void refresh_editable_copy(App& app)
{
    Tsetform& form = app.setform();
    if (form.editable_copy_filled)
        return;
    form.editable_copy_filled = true;
    form.ListBox1.set_items(app.regform().ListBox2.items());
}

} // namespace tv::settings
