#include "core/sibling_channel.h"

#include "board/regform.h"
#include "board/vykform3.h"
#include "core/cell.h"

namespace tv::sibling {

bool running(const Platform& p) { return p.find_window(kApplicationClass, kApplicationTitle) != 0; }

bool main_window_shown(const Platform& p)
{
    const Hwnd main = p.find_window(kMainClass);
    return main && p.window_rect(main).left >= 0;
}

bool in_front(const Platform& p) { return p.class_name(p.foreground_window()) == kFrameClass; }

void send(App& app, std::string_view token) { app.regform().set_caption(token); }

void send_to_running(App& app, std::string_view token, const std::function<void()>& start)
{
    if (!running(app.platform()) && start)
        start();
    send(app, token);
}

void hide_browser(App& app)
{
    send(app, "vykcmdhideie");
    Platform& p = app.platform();
    p.show_window(p.find_window(kApplicationClass, kApplicationTitle), Visibility::Hidden);
}

void bring_up_or_start(App& app)
{
    Platform& p = app.platform();
    const Hwnd sibling = p.find_window(kApplicationClass, kApplicationTitle);
    if (!sibling) {
        p.start_program(app.regform().oldpath.text() + "ombrel.exe", Visibility::Hidden);
        return;
    }
    if (p.is_iconic(sibling))
        p.restore_window(sibling);
    app.vykForm3().set_caption("vykcmdshowie");
    p.set_foreground(sibling);
}

std::optional<std::string> take_request(App& app, std::string_view prefix, std::string_view answer)
{
    const std::string request = app.regform().caption();
    if (!cell::starts_with(request, prefix))
        return std::nullopt;
    send(app, answer);
    return std::string(cell::from(request, static_cast<long>(prefix.size()) + 1));
}

} // namespace tv::sibling
