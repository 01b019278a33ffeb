// Files: read whole, written whole and atomically.
//
// A write goes to a temporary beside the target, is flushed and closed, and
// then takes the target's place in one step (platform/atomic_save.h), so a
// crash leaves the old file or the new one, never a torn one. Virus scanners
// and indexers briefly open files without sharing; those refusals (errors 5
// and 32) are retried for a moment.
#include "platform/win32/win32_platform.h"

#include "platform/atomic_save.h"
#include "platform/win32/wide.h"

#include <algorithm>

namespace tv::win32 {
namespace {

constexpr int kAttempts = 10;
constexpr DWORD kRetryPauseMs = 25;
// Larger files are not the program's text files.
constexpr LONGLONG kLargestRead = LONGLONG{256} << 20;
constexpr DWORD kChunk = DWORD{1} << 20;

class FileHandle {
public:
    explicit FileHandle(HANDLE h) : handle_(h) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { close(); }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close()
    {
        if (!valid())
            return true;
        const bool ok = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE handle_;
};

bool is_sharing_error(DWORD error) { return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION; }

// Runs `attempt` (which answers a Win32 error code) until it succeeds, fails
// otherwise than by sharing, or the attempts are used up.
template <class Attempt> DWORD with_retries(Attempt attempt)
{
    DWORD error = ERROR_SUCCESS;
    for (int i = 0; i < kAttempts; ++i) {
        error = attempt();
        if (error == ERROR_SUCCESS || !is_sharing_error(error))
            return error;
        Sleep(kRetryPauseMs);
    }
    return error;
}

bool write_all(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kChunk));
        DWORD wrote = 0;
        if (!WriteFile(file, bytes.data(), want, &wrote, nullptr) || wrote == 0)
            return false;
        bytes.remove_prefix(wrote);
    }
    return true;
}

// Creates, writes, flushes and closes the temporary file: the error of the
// first step that failed.
DWORD write_temporary(const std::wstring& temporary, std::string_view bytes)
{
    FileHandle file(
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return GetLastError();
    if (!write_all(file.get(), bytes) || !FlushFileBuffers(file.get())) {
        const DWORD error = GetLastError();
        return error == ERROR_SUCCESS ? ERROR_WRITE_FAULT : error;
    }
    return file.close() ? ERROR_SUCCESS : GetLastError();
}

// One rename over the old file: the old text or the new one, whole, whatever
// happens meanwhile. (Not ReplaceFileW: Wine's moves the old file aside first,
// so a process killed between its steps leaves no file at all.)
DWORD move_into_place(const std::wstring& temporary, const std::wstring& target)
{
    return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? ERROR_SUCCESS
               : GetLastError();
}

std::optional<std::string> read_all(HANDLE file)
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart < 0 || size.QuadPart > kLargestRead)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t total = 0;
    while (total < bytes.size()) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - total, kChunk));
        DWORD got = 0;
        if (!ReadFile(file, bytes.data() + total, want, &got, nullptr))
            return std::nullopt;
        if (got == 0)
            break;
        total += got;
    }
    bytes.resize(total);
    return bytes;
}

bool is_absence(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// Opens an existing file with the given access and sharing, retrying while
// another program holds it for a moment; the handle, or the error.
HANDLE open_existing(const std::wstring& path, DWORD access, DWORD share, DWORD& error)
{
    HANDLE opened = INVALID_HANDLE_VALUE;
    error = with_retries([&] {
        opened = CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        return opened == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
    });
    return opened;
}

FileContent content_of(HANDLE file)
{
    auto bytes = read_all(file);
    if (!bytes)
        return {FileStatus::Unreadable, {}};
    return {FileStatus::Read, std::move(*bytes)};
}

} // namespace

namespace {

StepResult step_result(DWORD error)
{
    if (error == ERROR_SUCCESS)
        return StepResult::Done;
    return is_sharing_error(error) ? StepResult::Busy : StepResult::Failed;
}

// The save's steps on the real file system, by full wide paths.
class Win32SaveSteps : public SaveSteps {
public:
    explicit Win32SaveSteps(std::wstring target)
        : target_(std::move(target)), temporary_(target_ + widen(kTemporarySuffix))
    {
    }
    StepResult write_temporary(std::string_view bytes) override
    {
        return step_result(win32::write_temporary(temporary_, bytes));
    }
    StepResult replace_target() override { return step_result(move_into_place(temporary_, target_)); }
    void remove_temporary() override { DeleteFileW(temporary_.c_str()); }
    void pause_before_retry() override { Sleep(kRetryPauseMs); }

private:
    std::wstring target_;
    std::wstring temporary_;
};

} // namespace

bool write_whole_file_atomic(const std::wstring& path, std::string_view bytes)
{
    // The rename is given full paths: some implementations (Wine's) refuse
    // relative ones.
    const std::wstring target = path.empty() ? std::wstring() : full_path(path);
    if (target.empty())
        return false;
    Win32SaveSteps steps(target);
    return save_whole_file(steps, bytes);
}

std::optional<std::string> Win32Platform::read_file(std::string_view name) const
{
    if (name.empty())
        return std::nullopt;
    FileHandle file(CreateFileW(widen_path(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return std::nullopt;
    return read_all(file.get());
}

bool Win32Platform::write_file_atomic(std::string_view name, std::string_view bytes)
{
    return !name.empty() && write_whole_file_atomic(widen_path(name), bytes);
}

FileContent Win32Platform::read_file_status(std::string_view name) const
{
    if (name.empty())
        return {FileStatus::Absent, {}};
    DWORD error = ERROR_SUCCESS;
    FileHandle file(open_existing(widen_path(name), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  error));
    if (!file.valid())
        return {is_absence(error) ? FileStatus::Absent : FileStatus::Unreadable, {}};
    return content_of(file.get());
}

FileContent Win32Platform::take_file(std::string_view name)
{
    if (name.empty())
        return {FileStatus::Absent, {}};
    const std::wstring path = widen_path(name);
    // No sharing: a writer still at work (or another reader) keeps the file from us.
    DWORD error = ERROR_SUCCESS;
    FileHandle file(open_existing(path, GENERIC_READ | DELETE, 0, error));
    if (!file.valid())
        return {is_absence(error) ? FileStatus::Absent : FileStatus::Unreadable, {}};
    FileContent content = content_of(file.get());
    if (content.status != FileStatus::Read)
        return content;
    FILE_DISPOSITION_INFO dispose{};
    dispose.DeleteFile = TRUE;
    const bool marked = SetFileInformationByHandle(file.get(), FileDispositionInfo, &dispose, sizeof dispose) != 0;
    file.close();
    if (!marked)
        DeleteFileW(path.c_str());
    return content;
}

void Win32Platform::remove_leftover_temporaries()
{
    const std::wstring folder = program_folder_path();
    if (folder.empty())
        return;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"*" + widen(kTemporarySuffix)).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileW((folder + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

} // namespace tv::win32
