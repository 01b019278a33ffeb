// The command channel to the sibling browser ("ombrel.exe"): one caption write
// per command. The outbox and inbox is the caption of `regform`; the sibling
// also reads the title of `vykForm3`. A later write replaces an unread earlier
// one; with the sibling absent the tokens are simply left unread.
#pragma once

#include "core/app.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tv::sibling {

inline constexpr const char* kApplicationClass = "TApplication";
inline constexpr const char* kApplicationTitle = "ombrel";
inline constexpr const char* kFrameClass = "Tvykombrel";
inline constexpr const char* kMainClass = "Tombrelmain";
inline constexpr const char* kFormClass = "TvykForm1";

// The sibling counts as running while its application window exists.
bool running(const Platform&);
// Its main window exists and its left edge is not negative.
bool main_window_shown(const Platform&);
// The sibling's browser frame is the foreground window.
bool in_front(const Platform&);

// Writes a command into the outbox, whether or not the sibling reads it.
void send(App&, std::string_view token);
// For a writer that needs the sibling: when it is not running, `start` runs
// first (the task form's web button), then the command is written at once.
void send_to_running(App&, std::string_view token, const std::function<void()>& start);
// "vykcmdhideie": hide the sibling's browser; its application window is hidden too.
void hide_browser(App&);

// The web button's sibling part: bring the running sibling forward ("vykcmdshowie"
// into the title of `vykForm3`, its application window to the front), or start
// "ombrel.exe" from the program folder, hidden.
void bring_up_or_start(App&);

// The sibling cannot read the outbox: it does not run and the last start
// (the web button) failed, as for a user without "ombrel.exe" beside the program.
bool missing(const App&);
// Without the sibling: the user's default browser opens the text through the
// shell, an http(s) address as it is, other text as search words behind the
// search prefix of the settings list (web::default_browser_address). False
// when nothing was opened (a scheme, a path, empty text, the shell refused).
bool open_in_default_browser(App&, std::string_view text);
// A writer that hands an address or search words to the sibling ("vykgonewurl="
// + text) after it asked for the sibling (clicked the web button): when the
// sibling is missing the default browser opens the text instead.
void hand_over(App&, std::string_view token, std::string_view text);

// Inbox: when the command cell starts with `prefix`, answers with `answer` and
// returns the rest of the request (possibly empty).
std::optional<std::string> take_request(App&, std::string_view prefix, std::string_view answer);

// Runs "ee.bat" from the program folder, hidden, and does not wait for it
// (what it holds is the user's: it usually starts the sibling). False when it
// could not be run.
bool run_start_batch(Platform&);

} // namespace tv::sibling
