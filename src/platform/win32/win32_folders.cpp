// The user's folders: the desktop folder from the shell, and the files of a folder.
#include "platform/win32/win32_platform.h"

#include "platform/win32/wide.h"

#include <shlobj.h>

#include <algorithm>

namespace tv::win32 {
namespace {

constexpr int kDesktopDirectory = 16; // CSIDL_DESKTOPDIRECTORY

} // namespace

std::string Win32Platform::desktop_folder() const
{
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, kDesktopDirectory, &list)) || !list)
        return {};
    wchar_t path[MAX_PATH] = {};
    const bool found = SHGetPathFromIDListW(list, path) != FALSE;
    CoTaskMemFree(list);
    if (!found)
        return {};
    std::wstring folder(path);
    while (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    return narrow(folder);
}

std::vector<std::string> Win32Platform::folder_files(std::string_view folder) const
{
    std::vector<std::string> names;
    if (folder.empty())
        return names;
    const std::wstring pattern = widen_path(folder) + L"\\*";
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(narrow(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace tv::win32
