#include "ime/ime_picker.h"

#include "board/cells.h"
#include "board/srfform.h"
#include "ime/ime_table.h"
#include "platform/keys.h"

namespace tv {

TsrfForm& ImePicker::form() const { return app_.srfForm(); }

void ImePicker::list()
{
    TsrfForm& f = form();
    Platform& p = app_.platform();
    f.ListBox4.clear();
    f.ListBox1.clear();
    f.ListView1.clear();
    f.ListView1.clear_images();
    layouts_.clear();
    std::vector<KeyboardLayout> installed = p.keyboard_layouts(layouts::kMostExamined);
    if (installed.size() > layouts::kMostExamined)
        installed.resize(layouts::kMostExamined);
    for (KeyboardLayout layout : installed) {
        if (!p.is_input_method(layout))
            continue;
        layouts_.push_back(layout);
        const std::string description = ime::cut_bytes(p.input_method_description(layout), kDescriptionBytes);
        f.ListBox4.add(description);
        p.sleep_ms(kDescriptionPauseMs);
        f.ListBox1.add(p.input_method_file_name(layout));
        f.ListView1.add(description);
        f.Timer1.set_enabled(true);
    }
}

void ImePicker::icons_due()
{
    form().Timer1.set_enabled(false);
    fill_icons();
}

// An entry whose module has no icon keeps its place in the image list with
// none, so every entry's image stays its own index.
void ImePicker::fill_icons()
{
    TsrfForm& f = form();
    Platform& p = app_.platform();
    f.ListView1.clear_images();
    const std::string folder = p.system_folder();
    for (int i = 0; i < count() && i < static_cast<int>(f.ListView1.count()); ++i) {
        const std::string& file = f.ListBox1.item(static_cast<std::size_t>(i));
        const std::uintptr_t icon = file.empty() ? 0 : p.extract_icon(folder + file, 0);
        f.ListView1.add_image(icon);
        f.ListView1.set_item(static_cast<std::size_t>(i), {f.ListBox4.item(static_cast<std::size_t>(i)), icon ? i : -1});
    }
    if (count() > 0)
        select(0);
}

void ImePicker::select(int index)
{
    TsrfForm& f = form();
    f.ListView1.select(index);
    f.focus(&f.ListView1);
    f.Panel1.set_text(std::to_string(index));
    f.Panel3.set_text(index >= 0 && index < static_cast<int>(f.ListView1.count())
                          ? f.ListView1.items()[static_cast<std::size_t>(index)].caption
                          : std::string());
}

void ImePicker::key_down(int vk)
{
    if ((vk != vk::kUp && vk != vk::kDown) || count() == 0)
        return;
    const int current = form().ListView1.item_index();
    if (arrow_down_ != vk) {
        arrow_down_ = vk;
        index_at_arrow_ = current;
    }
    const int next = current < 0 ? 0 : vk == vk::kUp ? current - 1 : current + 1;
    if (next >= 0 && next < count())
        select(next);
}

void ImePicker::key_released(int vk)
{
    const int last = count() - 1;
    if (vk == vk::kSpace) {
        switch_to(form().ListView1.item_index());
    } else if (vk == vk::kEscape) {
        close();
    } else if (vk == vk::kUp && arrow_down_ == vk && index_at_arrow_ == 0 && last >= 0) {
        select(last);
    } else if (vk == vk::kDown && arrow_down_ == vk && index_at_arrow_ == last && last >= 0) {
        select(0);
    } else if ((vk == vk::kUp || vk == vk::kDown) && form().ListView1.item_index() >= 0) {
        select(form().ListView1.item_index());
    }
    if (vk == arrow_down_)
        arrow_down_ = 0;
}

void ImePicker::close() { form().hide(); }

void ImePicker::entry_pressed()
{
    const int index = form().ListView1.item_at(form().pointer());
    if (index < 0 || index >= count())
        return;
    select(index);
    switch_to(index);
}

void ImePicker::description_pressed()
{
    TsrfForm& f = form();
    if (f.pointer().y < f.ListBox4.top())
        return;
    const int index = (f.pointer().y - f.ListBox4.top()) / TsrfForm::kItemHeight;
    if (index >= count() || index >= static_cast<int>(f.ListBox4.count()))
        return;
    f.ListBox4.select(index);
    select(index);
    switch_to(index);
}

void ImePicker::switch_to(int index)
{
    if (index < 0 || index >= count())
        return;
    app_.platform().activate_keyboard_layout(layouts_[static_cast<std::size_t>(index)], layouts::kActivateReorder);
}

} // namespace tv
