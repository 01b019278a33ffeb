// Helpers shared by the small Win32 programs that the end-to-end tests run
// beside Tarvesk: text conversion, window texts, line logs and a bounded
// message loop. Header only, so that every peer stays one console program.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace peer {

inline std::string utf8(std::wstring_view w)
{
    if (w.empty())
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), out.data(), n, nullptr, nullptr);
    return out;
}

inline std::wstring window_text(HWND h)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(h)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(h, text.data(), int(text.size()))));
    return text;
}

inline std::wstring class_name(HWND h)
{
    wchar_t name[256] = {};
    GetClassNameW(h, name, 256);
    return name;
}

// Writes one UTF-8 line to stdout, byte for byte (no CR LF translation).
inline void print(std::string_view line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

inline void print(std::wstring_view line) { print(utf8(line)); }

// A log file that gets one line per event, flushed at once so that a test
// reading it while the peer runs sees every line written so far.
class LineLog {
public:
    explicit LineLog(const wchar_t* path) : file_(_wfopen(path, L"ab")) {}
    ~LineLog()
    {
        if (file_)
            std::fclose(file_);
    }
    LineLog(const LineLog&) = delete;
    LineLog& operator=(const LineLog&) = delete;

    explicit operator bool() const { return file_ != nullptr; }

    void line(std::string_view text)
    {
        if (!file_)
            return;
        std::fwrite(text.data(), 1, text.size(), file_);
        std::fputc('\n', file_);
        std::fflush(file_);
    }

private:
    FILE* file_;
};

inline HWND create_window(const wchar_t* cls, const wchar_t* title, WNDPROC proc, DWORD style, RECT r)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = cls;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&wc);
    return CreateWindowExW(0, cls, title, style, r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr,
                           nullptr, wc.hInstance, nullptr);
}

// Seconds from a command-line argument, or the fallback when it is absent.
inline double seconds_arg(int argc, wchar_t** argv, int index, double fallback)
{
    return index < argc ? _wtof(argv[index]) : fallback;
}

// Runs the message loop until a window posts WM_QUIT or the time limit passes.
inline int run_message_loop(double limit_seconds)
{
    const UINT_PTR limit = SetTimer(nullptr, 0, UINT(limit_seconds * 1000), nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == nullptr && msg.message == WM_TIMER && msg.wParam == limit)
            break;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    KillTimer(nullptr, limit);
    return 0;
}

} // namespace peer
