// The options form's file command panel `outcmd`: a file handed over from the
// shell (its path in `outpath`) is locked into an encrypted archive or an
// archive is unlocked beside itself. Both need the password typed twice, the
// same both times and not empty, because locking deletes the plain file. The
// archiver gets the password and the paths as arguments of their own.
#pragma once

#include "core/app.h"

#include <string>
#include <string_view>

namespace tv {

class FileCommandPanel {
public:
    explicit FileCommandPanel(App& app) : app_(app) {}

    static constexpr const char* kPasswordsDiffer = "两次口令不一样!";
    static constexpr const char* kNoPassword = "请输入口令!";
    static constexpr const char* kNotStarted = "加密程序不能运行: ";

    void lock();   // `Button6` "加密保存": path -> path.rar
    void unlock(); // `Button7` "解密使用": path(.rar) -> its folder
    void hide();   // `Button9` "×"

    // The archive of a path: the path itself when it ends in ".rar", else with ".rar" added.
    static std::string archive_of(std::string_view path);
    // The folder of a path, with its trailing backslash; empty for a bare name.
    static std::string folder_of(std::string_view path);

private:
    // The password when both fields agree and it is not empty; else the user is told.
    bool password_confirmed();
    void finish(bool started);

    App& app_;
};

} // namespace tv
