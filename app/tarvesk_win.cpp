// Tarvesk.exe: the entry of the Windows program.
#include "platform/win32/win32_platform.h"
#include "platform/win32/wide.h"
#include "wiring/program.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

// The command line without the program name, each argument in code page 936.
std::vector<std::string> command_line_arguments()
{
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv)
        return args;
    for (int i = 1; i < count; ++i)
        args.push_back(tv::win32::narrow(argv[i] ? argv[i] : L""));
    LocalFree(argv);
    return args;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    tv::win32::Win32Platform platform;
    tv::Program program(platform, command_line_arguments());
    return program.run();
}
