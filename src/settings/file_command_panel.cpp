#include "settings/file_command_panel.h"

#include "board/form_main.h"
#include "core/archiver.h"

#include <algorithm>
#include <cctype>

namespace tv {

std::string FileCommandPanel::archive_of(std::string_view path)
{
    std::string tail(path.substr(path.size() >= 4 ? path.size() - 4 : 0));
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
    return tail == ".rar" ? std::string(path) : std::string(path) + ".rar";
}

std::string FileCommandPanel::folder_of(std::string_view path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

bool FileCommandPanel::password_confirmed()
{
    const TFormMain& form = app_.FormMain();
    const char* problem = nullptr;
    if (form.Edit3.text() != form.Edit4.text())
        problem = kPasswordsDiffer;
    else if (form.Edit3.text().empty())
        problem = kNoPassword;
    if (problem)
        app_.platform().message_box(problem, form.caption());
    return problem == nullptr;
}

void FileCommandPanel::lock()
{
    if (!password_confirmed())
        return;
    const TFormMain& form = app_.FormMain();
    const std::string& path = form.outpath.text();
    finish(archiver::lock(app_.platform(), form.Edit3.text(), path + ".rar", path));
}

void FileCommandPanel::unlock()
{
    if (!password_confirmed())
        return;
    const TFormMain& form = app_.FormMain();
    const std::string archive = archive_of(form.outpath.text());
    finish(archiver::unlock(app_.platform(), form.Edit3.text(), archive, folder_of(archive)));
}

// A started archiver closes the panel and forgets the password; otherwise the
// panel stays open with the path the user can check.
void FileCommandPanel::finish(bool started)
{
    TFormMain& form = app_.FormMain();
    if (!started) {
        app_.platform().message_box(std::string(kNotStarted) + form.outpath.text(), form.caption());
        return;
    }
    hide();
}

void FileCommandPanel::hide()
{
    TFormMain& form = app_.FormMain();
    form.Edit3.set_text("");
    form.Edit4.set_text("");
    form.outcmd.hide();
    for (ui::Control* c : form.file_panel_controls())
        c->hide();
}

} // namespace tv
