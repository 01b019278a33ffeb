// fakesibling: stands in for the sibling browser "ombrel.exe".
//
//   fakesibling LOG [SECONDS]
//
// Creates the sibling's windows (classes Tvykombrel, Tombrelmain, TvykForm1 and
// the application window TApplication "ombrel"), so that Tarvesk finds the
// sibling running, and reads Tarvesk's command cell (the caption of the
// Tregform window) every 10 ms the way the sibling does: each new value is
// appended to LOG as one UTF-8 line. Ends on WM_CLOSE to any of its windows or
// after SECONDS (default 60).
#include "peer.h"

#include <memory>

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 10;

struct Sibling {
    std::unique_ptr<peer::LineLog> log;
    std::wstring last_command;
    bool seen_any = false;

    void poll_command_cell()
    {
        HWND regform = FindWindowW(L"Tregform", nullptr);
        if (!regform)
            return;
        std::wstring command = peer::window_text(regform);
        if (seen_any && command == last_command)
            return;
        seen_any = true;
        last_command = std::move(command);
        log->line(peer::utf8(last_command));
    }
};

Sibling sibling;

LRESULT CALLBACK window_proc(HWND h, UINT msg, WPARAM w, LPARAM l)
{
    switch (msg) {
    case WM_TIMER:
        sibling.poll_command_cell();
        return 0;
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(h, msg, w, l);
    }
}

struct SiblingWindow {
    const wchar_t* cls;
    const wchar_t* title;
};

constexpr SiblingWindow kWindows[] = {
    {L"TApplication", L"ombrel"},
    {L"Tombrelmain", L"ombrelmain"},
    {L"Tvykombrel", L"vykombrel"},
    {L"TvykForm1", L"vykForm1"},
};

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fputs("usage: fakesibling LOG [SECONDS]\n", stderr);
        return 2;
    }
    sibling.log = std::make_unique<peer::LineLog>(argv[1]);
    if (!*sibling.log)
        return 1;
    HWND first = nullptr;
    for (const SiblingWindow& w : kWindows) {
        HWND h = peer::create_window(w.cls, w.title, window_proc, WS_OVERLAPPEDWINDOW, {0, 0, 200, 100});
        if (!first)
            first = h;
    }
    if (!first || !SetTimer(first, kPollTimer, kPollMs, nullptr))
        return 1;
    sibling.poll_command_cell();
    return peer::run_message_loop(peer::seconds_arg(argc, argv, 2, 60));
}
