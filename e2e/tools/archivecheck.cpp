// Starts the archiver of its own folder (the argvlog peer copied there as
// "rar.exe") through the product's archiver code and Win32 backend, once per
// password of a table, and checks that the password switch, the archive and the
// file each arrived as exactly one argument, byte for byte. Prints a line per
// case; exit code 0 when every case passed.
#include "core/archiver.h"
#include "platform/text.h"
#include "platform/win32/win32_platform.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Passwords (code page 936) that a shell or a naive command line would split or change.
const std::vector<std::string> kPasswords = {
    "plain",
    "two words",
    "say \"hi\"",
    "back\\\"slash",
    "ends with backslash\\",
    "a & b",
    "100%PATH%",
    "秘密 日记",
    " lead and trail ",
    "tab\there",
};

std::string read_all(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    return text;
}

// Waits until the log holds one more finished record than before; the record.
std::string await_record(const std::wstring& log, std::size_t records_before)
{
    for (int i = 0; i < 500; ++i) {
        const std::string text = read_all(log);
        std::size_t records = 0, at = 0, last_start = 0;
        while ((at = text.find("end\n", at)) != std::string::npos) {
            ++records;
            at += 4;
            if (records == records_before)
                last_start = at;
        }
        if (records > records_before)
            return text.substr(last_start, text.find("end\n", last_start) + 4 - last_start);
        Sleep(10);
    }
    return {};
}

std::string expected_record(const std::vector<std::string>& arguments)
{
    std::string record = "count=" + std::to_string(arguments.size()) + "\n";
    for (const std::string& argument : arguments)
        record += "arg=" + tv::cp936_to_utf8(argument) + "\n";
    return record + "end\n";
}

} // namespace

int main()
{
    tv::win32::Win32Platform platform;
    const std::string folder = platform.program_folder();
    const std::wstring log = tv::win32::program_folder_path() + L"argv.log";
    DeleteFileW(log.c_str());
    const std::string archive = folder + "riji.txt.rar", file = folder + "riji.txt";
    int failures = 0;
    std::size_t records = 0;
    for (const std::string& password : kPasswords) {
        const bool started = tv::archiver::lock(platform, password, archive, file);
        const std::string got = started ? await_record(log, records++) : std::string();
        const std::string want = expected_record(*tv::archiver::lock_arguments(password, archive, file));
        const bool ok = started && got == want;
        failures += ok ? 0 : 1;
        std::printf("%s %s\n", ok ? "PASS" : "FAIL", tv::cp936_to_utf8(password).c_str());
        if (!ok)
            std::printf("  want:\n%s  got:\n%s", want.c_str(), got.c_str());
    }
    return failures == 0 ? 0 : 1;
}
