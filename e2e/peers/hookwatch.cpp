// hookwatch: runs the input hook library in a process of its own, to watch its
// watchdog without the program around it.
//
//   hookwatch DLL alive SECONDS   loads DLL (a wrhk.dll), switches both hooks on,
//                                 prints "on", then "recoveries M K" whenever the
//                                 watchdog's counts change and once more at the end
//   hookwatch DLL drop SECONDS    the same, and has the library's next check remove
//                                 both hooks behind the watchdog's back, as Windows
//                                 removes a slow hook (HookTestDrop); prints "dropped"
//
// The statistics window of the library lives in this process meanwhile, so
// `probe hookstats` counts the events its hooks hear. Exit code 0: done;
// 1: the library or an entry point is missing; 2: bad command line.
#include "peer.h"

#include <fcntl.h>
#include <io.h>

#include <string>

namespace {

using Switch = BOOL(WINAPI*)(HWND, int, int);
using Count = int(WINAPI*)(int);
using Drop = BOOL(WINAPI*)(int);

template <class F> F entry(HMODULE dll, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

void print_recoveries(Count recoveries, std::string& last)
{
    const std::string now = "recoveries " + std::to_string(recoveries(0)) + " " + std::to_string(recoveries(1));
    if (now != last)
        peer::print(now);
    last = now;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    _setmode(_fileno(stdout), _O_BINARY); // lines end in LF
    if (argc != 4 || (std::wstring(argv[2]) != L"alive" && std::wstring(argv[2]) != L"drop")) {
        std::fputs("usage: hookwatch DLL alive|drop SECONDS\n", stderr);
        return 2;
    }
    HMODULE dll = LoadLibraryW(argv[1]);
    if (!dll)
        return 1;
    auto mouse = entry<Switch>(dll, "SetHookmo");
    auto keyboard = entry<Switch>(dll, "SetHookkb");
    auto recoveries = entry<Count>(dll, "HookRecoveries");
    auto drop = entry<Drop>(dll, "HookTestDrop");
    if (!mouse || !keyboard || !recoveries || !drop)
        return 1;
    if (!mouse(nullptr, 1, 0) || !keyboard(nullptr, 1, 3))
        return 1;
    peer::print("on");
    if (std::wstring(argv[2]) == L"drop") {
        drop(3);
        peer::print("dropped");
    }
    std::string last;
    const DWORD end = GetTickCount() + DWORD(_wtoi(argv[3])) * 1000;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        print_recoveries(recoveries, last);
        Sleep(50);
    }
    last.clear();
    print_recoveries(recoveries, last);
    return 0;
}
