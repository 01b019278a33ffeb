// The personal centre: notes in "plan.txt", the diary in "riji.txt", locked
// into "riji.txt.rar" by the outside archiver.
#include "panels/escape_menu_form.h"

#include "board/escmenu.h"
#include "core/archiver.h"
#include "platform/keys.h"
#include "platform/lines.h"

namespace tv {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Text files hold no NUL byte: a file with one is something else, kept as it is.
bool is_text(std::string_view bytes) { return bytes.find('\0') == std::string_view::npos; }

} // namespace

void EscapeMenuForm::load_notes()
{
    Tescmenu& menu = app_.escmenu();
    const std::string path = path_of(kNotesFile);
    menu.outpath.set_text(path);
    const FileContent file = app_.platform().read_file_status(path);
    if (file.status == FileStatus::Absent)
        return;
    if (file.status == FileStatus::Unreadable || !is_text(file.bytes)) {
        notes_writable_ = false;
        tell("plan.txt 无法读取：本次不写入备忘录");
        return;
    }
    menu.ListBox1.set_items(split_lines(file.bytes));
}

void EscapeMenuForm::add_note()
{
    Tescmenu& menu = app_.escmenu();
    menu.ListBox1.add(menu.Edit2.text());
    const std::string path = path_of(kNotesFile);
    menu.outpath.set_text(path);
    if (!notes_writable_)
        tell("plan.txt 无法读取：本次不写入备忘录");
    else if (!app_.platform().write_file_atomic(path, join_crlf(menu.ListBox1.items())))
        tell("plan.txt 无法写入");
    menu.Edit2.set_text("");
}

// The note under the pointer goes into the diary; another button than the
// left also takes it off the list (the file keeps it until the next note).
void EscapeMenuForm::release_on_note(MouseButton button)
{
    Tescmenu& menu = app_.escmenu();
    const int index = (menu.pointer().y - menu.ListBox1.top()) / kNoteLineHeight;
    if (index < 0 || index >= static_cast<int>(menu.ListBox1.count()))
        return;
    menu.ListBox1.select(index);
    const std::string note = menu.ListBox1.item(static_cast<std::size_t>(index));
    std::string diary = menu.Memo1.text();
    if (!diary.empty() && !diary.ends_with(kLineBreak))
        diary += kLineBreak;
    menu.Memo1.set_text(diary + note);
    if (button != MouseButton::Left)
        menu.ListBox1.remove(static_cast<std::size_t>(index));
}

void EscapeMenuForm::open_diary()
{
    Tescmenu& menu = app_.escmenu();
    const std::string path = path_of(kDiaryFile);
    menu.outpath.set_text(path);
    Platform& p = app_.platform();
    const FileContent seen = p.read_file_status(path);
    if (seen.status == FileStatus::Absent)
        return;
    if (seen.status == FileStatus::Unreadable || !is_text(seen.bytes)) {
        tell("riji.txt 无法读取，文件保留");
        return;
    }
    const FileContent taken = p.take_file(path);
    if (taken.status != FileStatus::Read) {
        tell("riji.txt 正在使用，文件保留");
        return;
    }
    menu.Memo1.set_text(taken.bytes);
}

void EscapeMenuForm::save_diary()
{
    Tescmenu& menu = app_.escmenu();
    const std::string path = path_of(kDiaryFile);
    menu.outpath.set_text(path);
    Platform& p = app_.platform();
    if (p.read_file_status(path).status != FileStatus::Absent) {
        tell("riji.txt 尚未打开：请先按“打开”");
        return;
    }
    if (!p.write_file_atomic(path, menu.Memo1.text()))
        tell("riji.txt 无法写入");
}

void EscapeMenuForm::lock_diary()
{
    Tescmenu& menu = app_.escmenu();
    const std::string file = path_of(kDiaryFile);
    menu.outpath.set_text(file);
    if (!archiver::lock(app_.platform(), menu.MaskEdit1.text(), path_of(kArchiveFile), file))
        tell("加密未能开始");
}

void EscapeMenuForm::unlock_diary()
{
    Tescmenu& menu = app_.escmenu();
    if (!archiver::unlock(app_.platform(), menu.MaskEdit1.text(), path_of(kArchiveFile), folder()))
        tell("解密未能开始");
}

// The diary box takes Enter as a line break.
void EscapeMenuForm::diary_key(int vk)
{
    if (vk == vk::kEnter) {
        Tescmenu& menu = app_.escmenu();
        menu.Memo1.set_text(menu.Memo1.text() + std::string(kLineBreak));
    }
}

} // namespace tv
