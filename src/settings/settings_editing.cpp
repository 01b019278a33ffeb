// Editing the settings form's list: pointing shows what a line is for, a press
// shows a line's value in `Edit1` or, once a key was typed there, stores the
// typed text as the line's new value; colour lines open the colour dialog.
#include "settings/settings_form.h"

#include "board/setform.h"
#include "core/colour_names.h"
#include "core/settings_list.h"

#include <array>
#include <string_view>

namespace tv {
namespace {

using settings::kFirstColourLine;
using settings::kKeyBytes;

// The keys of the colour lines 14 to 21, which a chosen colour is written after.
constexpr std::array<std::string_view, 8> kColourKeys{
    "向上颜色--", "向下颜色--", "向左颜色--", "向右颜色--", "标题颜色--", "次数颜色--", "滚轮提示--", "右键提示--",
};

std::string_view hint_for_line(std::size_t line)
{
    if (line >= kFirstColourLine)
        return "右键点击，打开调色板选择颜色，点击[应用]后即可";
    const bool carried = (line >= 3 && line <= 5) || (line >= 7 && line <= 9);
    return carried ? "不需要改动，保留" : "输入新内容后，鼠标点击改变";
}

std::string colour_item(std::size_t line, std::uint32_t colour)
{
    return std::string(kColourKeys[line - kFirstColourLine]) + settings::colour_to_string(colour);
}

} // namespace

// A hint never replaces text the user is typing: the next press stores it.
void SettingsForm::show_hint(std::string_view hint)
{
    if (!edit_pending_)
        app_.setform().Edit1.set_text(hint);
}

// The pointer over the list selects the item under it.
void SettingsForm::point_at(Point p)
{
    const ui::ListBox& list = app_.setform().ListBox1;
    const Rect bounds = list.bounds();
    if (!list.visible() || !bounds.contains(p))
        return;
    point_at_item((p.y - bounds.top) / Tsetform::kItemHeight);
}

void SettingsForm::point_at_item(int index)
{
    ui::ListBox& list = app_.setform().ListBox1;
    if (index >= static_cast<int>(list.count()))
        index = -1;
    if (index == pointed_item_)
        return;
    pointed_item_ = index;
    list.select(index);
    if (index >= 0)
        show_hint(hint_for_line(static_cast<std::size_t>(index)));
}

void SettingsForm::press_item()
{
    const int index = app_.setform().ListBox1.item_index();
    if (index < 0)
        return;
    const auto line = static_cast<std::size_t>(index);
    if (edit_pending_)
        apply_pending_edit(line);
    else
        show_item_in_edit(line);
    if (line >= kFirstColourLine)
        choose_line_colour(line);
}

void SettingsForm::edit_pressed()
{
    Tsetform& form = app_.setform();
    form.focus(&form.Edit1);
}

void SettingsForm::key_typed() { edit_pending_ = true; }

// A line without a value is shown whole, so its key can be seen. The text is
// selected: what the user types replaces it.
void SettingsForm::show_item_in_edit(std::size_t line)
{
    Tsetform& form = app_.setform();
    const std::string& item = form.ListBox1.item(line);
    form.Edit1.set_text(item.size() > kKeyBytes ? item.substr(settings::key_bytes(item)) : item);
    form.Edit1.select_all();
    form.focus(&form.Edit1);
}

// The typed text becomes the value after the line's key and "--"; a line
// without a value has no key to keep and stays as it is.
void SettingsForm::apply_pending_edit(std::size_t line)
{
    Tsetform& form = app_.setform();
    edit_pending_ = false;
    const std::string item = form.ListBox1.item(line);
    if (item.size() <= kKeyBytes) {
        form.Edit1.set_text(item);
        return;
    }
    const std::size_t key = settings::key_bytes(item);
    form.ListBox1.set_item(line, item.substr(0, key) + form.Edit1.text());
    form.Edit1.set_text(item.substr(key));
}

void SettingsForm::choose_line_colour(std::size_t line)
{
    Tsetform& form = app_.setform();
    ui::Panel* sample = form.sample_of_line(line);
    const auto colour = app_.platform().choose_colour(sample ? sample->color() : 0);
    if (!colour || !sample)
        return;
    settings::show_line_colour(form, line, *colour);
    form.ListBox1.set_item(line, colour_item(line, *colour));
}

// Pointing at a file sample tells what to type for it.
void SettingsForm::file_sample_pointed(const ui::Control& sample)
{
    const Tsetform& form = app_.setform();
    if (&sample == &form.Panel7)
        show_hint("输入标志网页文件名");
    else if (&sample == &form.Panel8)
        show_hint("输入菜单网页文件名");
    else if (&sample == &form.Panel10)
        show_hint("输入状态网页文件名");
    else if (&sample == &form.Image6)
        show_hint("输入背景文件名(.bpm格式)");
}

// The wheel hint's box stands for line 20, the right-button hint's for line 21.
void SettingsForm::hint_colour_box_clicked(ui::Check& box)
{
    Tsetform& form = app_.setform();
    if (&box == &form.cwheelid)
        untick_to_fixed_colour(box, 20, form.mwheel);
    else if (&box == &form.crightid)
        untick_to_fixed_colour(box, 21, form.mmr);
}

// Unticking "自动" fixes the hint colour: the chosen colour becomes the line
// and the sample text's colour. Ticking it again lets the preview lead. The
// user's click has changed the tick already.
void SettingsForm::untick_to_fixed_colour(ui::Check& box, std::size_t line, ui::Label& sample)
{
    if (box.checked())
        return;
    const auto colour = app_.platform().choose_colour(sample.font_color());
    if (!colour)
        return;
    sample.set_font_color(*colour);
    app_.setform().ListBox1.set_item(line, colour_item(line, *colour));
}

} // namespace tv
