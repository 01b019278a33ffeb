// Editing the settings form's list: pointing shows what a line is for, a press
// shows a line's value in `Edit1` or, once a key was typed there, stores the
// typed text as the line's new value; colour lines open the colour dialog.
#include "settings/setform.h"

#include "settings/colour_names.h"
#include "settings/settings_list.h"

#include <array>
#include <string_view>

namespace tv {
namespace {

using settings::kFirstColourLine;
using settings::kKeyBytes;
using settings::kLastColourLine;

constexpr std::size_t kFirstLabelLine = 18;

// The keys of the colour lines 14 to 21, which a chosen colour is written after.
constexpr std::array<std::string_view, 8> kColourKeys{
    "向上颜色--", "向下颜色--", "向左颜色--", "向右颜色--", "标题颜色--", "次数颜色--", "滚轮提示--", "右键提示--",
};

bool is_colour_line(std::size_t line) { return line >= kFirstColourLine && line <= kLastColourLine; }

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

ui::Panel* Tsetform::sample_of_line(std::size_t line)
{
    const std::array<ui::Panel*, 8> samples{&cup, &cdown, &cleft, &cright, &ctitle, &ctimes, &cwheel, &cmr};
    return is_colour_line(line) ? samples[line - kFirstColourLine] : nullptr;
}

ui::Label* Tsetform::label_of_line(std::size_t line)
{
    const std::array<ui::Label*, 4> labels{&mtitle, &mtimes, &mwheel, &mmr};
    return line >= kFirstLabelLine && line <= kLastColourLine ? labels[line - kFirstLabelLine] : nullptr;
}

// A hint never replaces text the user is typing: the next press stores it.
void Tsetform::show_hint(std::string_view hint)
{
    if (!edit_pending_)
        Edit1.set_text(hint);
}

void Tsetform::point_at_item(int index)
{
    if (index >= static_cast<int>(ListBox1.count()))
        index = -1;
    if (index == pointed_item_)
        return;
    pointed_item_ = index;
    ListBox1.select(index);
    if (index >= 0)
        show_hint(hint_for_line(static_cast<std::size_t>(index)));
}

void Tsetform::press_item()
{
    const int index = ListBox1.item_index();
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

// A line without a value is shown whole, so its key can be seen.
void Tsetform::show_item_in_edit(std::size_t line)
{
    const std::string& item = ListBox1.item(line);
    Edit1.set_text(item.size() > kKeyBytes ? settings::value(ListBox1, line) : item);
    edit_focused_ = true;
    focus(&Edit1);
}

// The typed text becomes the value after the line's 10-byte key; a line
// without a value has no key to keep and stays as it is.
void Tsetform::apply_pending_edit(std::size_t line)
{
    edit_pending_ = false;
    const std::string item = ListBox1.item(line);
    if (item.size() <= kKeyBytes) {
        Edit1.set_text(item);
        return;
    }
    ListBox1.set_item(line, item.substr(0, kKeyBytes) + Edit1.text());
    Edit1.set_text(item.substr(kKeyBytes));
}

void Tsetform::choose_line_colour(std::size_t line)
{
    ui::Panel* sample = sample_of_line(line);
    const auto colour = platform().choose_colour(sample ? sample->color() : 0);
    if (!colour || !sample)
        return;
    show_line_colour(line, *colour);
    ListBox1.set_item(line, colour_item(line, *colour));
}

// Unticking "自动" fixes the hint colour: the chosen colour becomes the line
// and the sample text's colour. Ticking it again lets the preview lead.
void Tsetform::untick_to_fixed_colour(ui::Check& box, std::size_t line, ui::Label& sample)
{
    box.set_checked(!box.checked());
    if (box.checked())
        return;
    const auto colour = platform().choose_colour(sample.font_color());
    if (!colour)
        return;
    sample.set_font_color(*colour);
    ListBox1.set_item(line, colour_item(line, *colour));
}

} // namespace tv
