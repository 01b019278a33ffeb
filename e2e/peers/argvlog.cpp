// Stands in for an outside program that Tarvesk starts with arguments (the
// archiver): appends the arguments it received, as its own start-up code split
// them, to "argv.log" beside itself: a line "count=N", one line "arg=" + UTF-8
// text per argument, then "end". Exits at once.
#include "peer.h"


int wmain(int argc, wchar_t** argv)
{
    wchar_t self[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self, length);
    folder.resize(folder.find_last_of(L'\\') + 1);
    std::string record = "count=" + std::to_string(argc - 1) + "\n";
    for (int i = 1; i < argc; ++i)
        record += "arg=" + peer::utf8(argv[i]) + "\n";
    record += "end\n";
    // One write of the whole record, appended: a reader never sees half of it.
    HANDLE log = CreateFileW((folder + L"argv.log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const bool ok = WriteFile(log, record.data(), DWORD(record.size()), &written, nullptr) && written == record.size();
    CloseHandle(log);
    return ok ? 0 : 1;
}
