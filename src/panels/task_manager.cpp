#include "panels/task_manager.h"

#include "board/escmenu.h"
#include "board/taskform.h"
#include "board/vykform3.h"
#include "core/classify.h"
#include "platform/keys.h"

#include <algorithm>
#include <charconv>

namespace tv {
namespace task {
namespace {

constexpr std::uint32_t kExPlainTool = 0x188;
constexpr std::uint32_t kExDialogEdge = 0x10100;
constexpr std::size_t kTitlePadding = 96;

} // namespace

bool listed(const WindowFacts& w, std::size_t listed_so_far)
{
    return w.process_id != 0 && (w.ex_style & kExWindowEdge) != 0 && w.visible && w.ex_style != kExPlainTool &&
           w.ex_style != kExDialogEdge && w.parent == 0 && listed_so_far < kMaxEntries && w.title != "Tarvesk" &&
           w.title != "ombrel" && !w.own;
}

std::string cut_text(std::string_view text, std::size_t bytes)
{
    std::size_t end = 0;
    while (end < text.size()) {
        const bool lead = static_cast<unsigned char>(text[end]) >= 0x81 && static_cast<unsigned char>(text[end]) != 0xFF;
        const std::size_t width = lead ? 2 : 1;
        if (end + width > std::min(bytes, text.size()))
            break;
        end += width;
    }
    return std::string(text.substr(0, end));
}

std::string entry_title(std::string_view title) { return std::string(title) + std::string(kTitlePadding, ' ') + "-"; }

} // namespace task

TaskManager::TaskManager(App& app) : app_(app), platform_(app.platform()) {}

Ttaskform& TaskManager::form() const { return app_.taskform(); }

void TaskManager::clear_entries()
{
    Ttaskform& f = form();
    f.ListBox5.clear();
    f.ListBox10.clear();
    f.ListBox3.clear();
    f.ListBox9.clear();
    f.ListView1.clear();
    f.ListView1.clear_images();
    handles_.clear();
    process_ids_.clear();
    classes_.clear();
}

void TaskManager::add_entry(Hwnd w, const task::WindowFacts& facts, const std::string& class_name)
{
    Ttaskform& f = form();
    f.ListBox5.add(task::entry_title(facts.title));
    handles_.push_back(w);
    process_ids_.push_back(facts.process_id);
    classes_.push_back(class_name);
    f.ListBox3.add(std::to_string(facts.process_id) + facts.title + class_name + "///" + std::to_string(facts.ex_style));
}

// Each window is read once, its process id first: a window that went away
// meanwhile has no process and no title, and is not listed.
void TaskManager::refresh()
{
    clear_entries();
    std::size_t scanned = 0;
    for (Hwnd w : platform_.top_level_windows()) {
        ++scanned;
        task::WindowFacts facts;
        facts.process_id = platform_.window_process_id(w);
        if (facts.process_id == 0)
            continue;
        const std::string class_name = task::cut_text(platform_.class_name(w), task::kClassBytes);
        facts.title = task::cut_text(platform_.title(w), task::kTitleBytes);
        facts.ex_style = platform_.ex_style(w);
        facts.visible = platform_.is_visible(w);
        facts.parent = platform_.parent(w);
        facts.own = classify::is_own_form(app_, w);
        if (task::listed(facts, count()))
            add_entry(w, facts, class_name);
    }
    form().Panel1.set_text(std::to_string(scanned) + "//" + std::to_string(count()));
    fill_paths();
    selected_ = last_activated_ = 0;
    form().ListView1.select(count() ? 0 : -1);
    form().focus(&form().ListView1);
}

void TaskManager::fill_paths()
{
    Ttaskform& f = form();
    for (std::size_t i = 0; i < count(); ++i) {
        f.ListView1.add(f.ListBox5.item(i));
        const std::string path = task::cut_text(platform_.process_image_path(process_ids_[i]), 512);
        f.ListBox10.add(path);
        f.ListBox9.add(platform_.title(handles_[i]) + "==" + std::to_string(process_ids_[i]) + "//" + path);
    }
}

void TaskManager::load_icons()
{
    Ttaskform& f = form();
    f.ListView1.clear_images();
    for (std::size_t i = 0; i < count(); ++i) {
        f.ListView1.add_image(platform_.file_icon(f.ListBox10.item(i)));
        f.ListView1.set_item(i, {f.ListBox5.item(i), static_cast<int>(i)});
    }
}

void TaskManager::remove_entry()
{
    const std::string& caption = form().Button6.text();
    std::size_t i = 0;
    const auto [end, error] = std::from_chars(caption.data(), caption.data() + caption.size(), i);
    if (error == std::errc() && end == caption.data() + caption.size())
        remove_at(i);
}

void TaskManager::remove_at(std::size_t i)
{
    if (i >= count())
        return;
    Ttaskform& f = form();
    handles_.erase(handles_.begin() + static_cast<std::ptrdiff_t>(i));
    process_ids_.erase(process_ids_.begin() + static_cast<std::ptrdiff_t>(i));
    classes_.erase(classes_.begin() + static_cast<std::ptrdiff_t>(i));
    f.ListBox5.remove(i);
    f.ListBox10.remove(i);
    f.ListView1.remove(i);
    const int removed = static_cast<int>(i);
    if (last_activated_ > removed)
        --last_activated_;
    else if (last_activated_ == removed)
        last_activated_ = -1;
    if (selected_ > removed || selected_ >= static_cast<int>(count()))
        --selected_;
}

// WM_CLOSE only: a window that asks whether to save keeps asking. The shell's
// windows and the program's own are never sent it; every entry goes.
void TaskManager::close_and_remove(std::size_t i)
{
    const Hwnd w = handles_[i];
    if (!classify::is_shell_window(platform_, w) && !classify::is_own_form(app_, w))
        platform_.post_close(w);
    form().Button6.set_text(std::to_string(i));
    form().Button6.click();
}

// From the last entry to the first, every entry that matches the selected one.
void TaskManager::close_where(bool (*same)(const TaskManager&, std::size_t, std::size_t))
{
    const std::size_t chosen = static_cast<std::size_t>(selected_);
    std::vector<std::size_t> doomed;
    for (std::size_t i = count(); i-- > 0;)
        if (same(*this, i, chosen))
            doomed.push_back(i);
    for (std::size_t i : doomed)
        close_and_remove(i);
}

void TaskManager::activate(Hwnd w)
{
    if (!platform_.window_exists(w))
        return;
    const Rect r = platform_.window_rect(w);
    if (platform_.is_iconic(w)) {
        platform_.restore_window(w);
    } else {
        platform_.set_window_rect(w, r);
        platform_.set_topmost(w, Topmost::No);
        platform_.show_window(w, Visibility::Shown);
    }
    platform_.set_foreground(w);
}

void TaskManager::enter()
{
    const Hwnd w = handles_[static_cast<std::size_t>(selected_)];
    if ((selected_ == last_activated_ && platform_.foreground_window() == w) || w == 0)
        return;
    last_activated_ = selected_;
    form().set_topmost(Topmost::Yes);
    activate(w);
    hide_form();
}

void TaskManager::key_released(int vk)
{
    Ttaskform& f = form();
    f.pftip.set_text(std::to_string(vk));
    const int item = f.ListView1.item_index();
    if (item < 0 || item >= static_cast<int>(count()))
        return;
    selected_ = item;
    f.focus(&f.ListView1);
    auto same_title = [](const TaskManager& t, std::size_t i, std::size_t c) {
        return t.form().ListBox5.item(i) == t.form().ListBox5.item(c);
    };
    auto same_class = [](const TaskManager& t, std::size_t i, std::size_t c) { return t.classes_[i] == t.classes_[c]; };
    auto every = [](const TaskManager&, std::size_t, std::size_t) { return true; };
    switch (vk) {
    case vk::kEnter: enter(); break;
    case vk::kF1: close_and_remove(static_cast<std::size_t>(selected_)); break;
    case vk::kF2: close_where(same_title); break;
    case vk::kF3: close_where(same_class); break;
    case vk::kF4: close_where(every); break;
    default: break;
    }
    f.ListView1.select(count() ? std::clamp(selected_, 0, static_cast<int>(count()) - 1) : -1);
}

void TaskManager::pointer_moved(Point client)
{
    Ttaskform& f = form();
    const int item = f.ListView1.item_at(client);
    if (item >= 0 && item != f.ListView1.item_index()) {
        f.ListView1.select(item);
        selected_ = item;
    }
}

void TaskManager::item_pressed(MouseButton)
{
    const int item = form().ListView1.item_at(form().pointer());
    if (item < 0)
        return;
    selected_ = last_activated_ = item;
    activate(handles_[static_cast<std::size_t>(item)]);
    hide_form();
}

void TaskManager::preview_tick()
{
    if (!form().visible() || selected_ == last_activated_ || selected_ < 0 || selected_ >= static_cast<int>(count()))
        return;
    const Hwnd w = handles_[static_cast<std::size_t>(selected_)];
    if (!platform_.window_exists(w))
        return;
    last_activated_ = selected_;
    form().set_topmost(Topmost::Yes);
    activate(w);
    form().set_topmost(Topmost::Yes);
}

// The foreground window's place in the list; an unlisted one moves nothing.
void TaskManager::cycle(int step)
{
    const std::size_t n = std::min(count(), form().ListBox10.count());
    const Hwnd front = platform_.foreground_window();
    for (std::size_t i = 0; i < n; ++i) {
        if (handles_[i] != front)
            continue;
        const long places = static_cast<long>(n);
        const auto next = static_cast<std::size_t>((static_cast<long>(i) + places + step) % places);
        platform_.set_foreground(handles_[next]);
        return;
    }
}

void TaskManager::next_task() { cycle(1); }
void TaskManager::prev_task() { cycle(-1); }

} // namespace tv
