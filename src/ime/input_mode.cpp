#include "ime/input_mode.h"

#include "board/inputmode.h"
#include "board/kxm.h"
#include "board/kxmm.h"
#include "board/lifeform.h"
#include "core/cell.h"
#include "core/synthetic_input.h"
#include "ime/ime_table.h"

namespace tv {
namespace {

constexpr std::string_view kEnglish = "英文";
constexpr std::string_view kInputMethodWord = "输入法";
constexpr std::string_view kFound = "find";
constexpr std::string_view kNotFound = "xx find";
constexpr std::string_view kCandidateClass = "ImeCandiPHON";
constexpr std::size_t kDefaultClassItem = 7; // "ImeCompPHON"
constexpr int kPasteKey = 86;                // V

// The identification rewrites the same captions every 100 ms: a window's title
// is set only when it changes, so the windows of the pad and the quick menu are
// not disturbed ten times a second.
void set_caption(ui::Form& form, std::string_view text)
{
    if (form.caption() != text)
        form.set_caption(text);
}

// Text files hold no NUL byte: a file with one is something else, kept as it is.
bool is_text(std::string_view bytes) { return bytes.find('\0') == std::string_view::npos; }

} // namespace

std::string InputMode::table_path() const { return app_.platform().program_folder() + ime::kTableFile; }

void InputMode::load_table()
{
    Tinputmode& f = app_.inputmode();
    f.Panel5.set_text(f.ListBox6.item(kDefaultClassItem));
    const FileContent file = app_.platform().read_file_status(table_path());
    if (file.status == FileStatus::Absent)
        return;
    if (file.status == FileStatus::Unreadable || !is_text(file.bytes)) {
        table_writable_ = false;
        return;
    }
    f.ListBox5.set_items(ime::table_from_file(file.bytes));
}

bool InputMode::save_table(const std::vector<std::string>& items)
{
    if (!table_writable_)
        return false;
    return app_.platform().write_file_atomic(table_path(), ime::file_text(items));
}

void InputMode::identify()
{
    if (paste_gesture())
        return;
    bring_up_candidates();
    Tinputmode& f = app_.inputmode();
    Platform& p = app_.platform();
    const KeyboardLayout layout = p.window_keyboard_layout(p.foreground_window());
    f.Panel1.set_text(std::to_string(layout));
    learn(layout);
    if (known_.input_method) {
        show_input_method();
    } else {
        f.ListBox1.set_items({std::string(kEnglish)});
        set_caption(app_.kxm(), kNotFound);
    }
    if (!cell::contains(f.ListBox1.item(0), kInputMethodWord)) {
        set_caption(app_.kxm(), kNotFound);
        if (app_.lifeform().srfboard.visible())
            app_.lifeform().srfboard.hide();
    }
    set_caption(app_.kxmm(), app_.kxm().Panel7.text());
}

// Newest first "old--mvok", two Alt tokens, "old--mvok": the user tapped Alt
// around a move; what was copied is pasted where the pointer is.
bool InputMode::paste_gesture()
{
    Tinputmode& f = app_.inputmode();
    const ui::ListBox& mirror = f.ListBox4;
    if (mirror.item(0) != "old--mvok" || !cell::starts_with(mirror.item(1), "old--18") ||
        !cell::starts_with(mirror.item(2), "old--18") || mirror.item(3) != "old--mvok")
        return false;
    // The mirror follows the history: both take the marks.
    for (ui::ListBox* list : {&app_.kxm().ListBox1, &f.ListBox4}) {
        list->set_item(0, "cvok");
        list->insert(0, "91ok");
    }
    Platform& p = app_.platform();
    input::ctrl_plus(p, kPasteKey);
    input::click(p, MouseButton::Left);
    return true;
}

void InputMode::bring_up_candidates()
{
    Platform& p = app_.platform();
    if (const Hwnd candidates = p.find_window(kCandidateClass))
        p.set_foreground(candidates);
}

// A layout's kind and description do not change while it is installed: the
// input-method calls, slow on some systems, are made once per layout in front.
void InputMode::learn(KeyboardLayout layout)
{
    if (known_.asked && known_.layout == layout)
        return;
    Platform& p = app_.platform();
    known_ = {true, layout, p.is_input_method(layout), {}};
    if (known_.input_method)
        known_.description = ime::cut_bytes(p.input_method_description(layout), kDescriptionBytes);
}

void InputMode::show_input_method()
{
    Tinputmode& f = app_.inputmode();
    set_caption(app_.kxm(), kFound);
    const std::string& description = known_.description;
    f.ListBox1.set_items({description});
    f.Panel6.set_text(description);
    if (auto piece = ime::class_for(description, f.ListBox5.items()))
        f.Panel5.set_text(*piece);
    if (!f.Edit2.text().empty())
        f.Panel5.set_text(f.Edit2.text());
}

void InputMode::class_pressed()
{
    Tinputmode& f = app_.inputmode();
    const int index = (f.pointer().y - f.ListBox6.top()) / Tinputmode::kItemHeight;
    if (f.pointer().y < f.ListBox6.top() || index >= static_cast<int>(f.ListBox6.count()))
        return;
    f.ListBox6.select(index);
    f.Panel5.set_text(f.ListBox6.item(static_cast<std::size_t>(index)));
    f.imetip.set_text("searchime");
}

} // namespace tv
