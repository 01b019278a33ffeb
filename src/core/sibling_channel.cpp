#include "core/sibling_channel.h"

#include "board/regform.h"
#include "board/vykform3.h"
#include "core/cell.h"
#include "core/settings_list.h"
#include "core/web_address.h"

namespace tv::sibling {

bool running(const Platform& p) { return p.find_window(kApplicationClass, kApplicationTitle) != 0; }

bool main_window_shown(const Platform& p)
{
    const Hwnd main = p.find_window(kMainClass);
    return main && p.window_rect(main).left >= p.virtual_screen().left;
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
        const bool started = p.start_program(app.regform().oldpath.text() + "ombrel.exe", Visibility::Hidden);
        app.regform().sibling_missing = !started;
        return;
    }
    app.regform().sibling_missing = false;
    if (p.is_iconic(sibling))
        p.restore_window(sibling);
    app.vykForm3().set_caption("vykcmdshowie");
    p.set_foreground(sibling);
}

bool missing(const App& app) { return !running(app.platform()) && app.regform().sibling_missing; }

bool open_in_default_browser(App& app, std::string_view text)
{
    const std::string prefix = web::search_prefix(settings::value(app.regform().ListBox2, settings::kSearchPrefixLine));
    const std::optional<std::string> address = web::default_browser_address(text, prefix);
    return address && app.platform().open_address(*address);
}

void hand_over(App& app, std::string_view token, std::string_view text)
{
    if (missing(app))
        open_in_default_browser(app, text);
    else
        send(app, std::string(token) + std::string(text));
}

std::optional<std::string> take_request(App& app, std::string_view prefix, std::string_view answer)
{
    const std::string request = app.regform().caption();
    if (!cell::starts_with(request, prefix))
        return std::nullopt;
    send(app, answer);
    return std::string(cell::from(request, static_cast<long>(prefix.size()) + 1));
}

bool run_start_batch(Platform& p)
{
    return p.start_program(p.program_folder() + "ee.bat", Visibility::Hidden);
}

} // namespace tv::sibling
