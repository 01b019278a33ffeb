// The hint bar and the rules both web views of the status form follow: the
// status text is the address under the mouse, and a new window is never
// opened here but handed to the sibling browser.
#include "statusbar/status_form.h"

#include "board/hint_template.h"
#include "board/lifeform.h"
#include "core/cell.h"
#include "core/sibling_channel.h"
#include "core/synthetic_input.h"

namespace tv {
namespace {

// The search whose word the button hint shows.
constexpr std::string_view kSearchAddress = "http://www.baidu.com/s?word=";
constexpr std::string_view kWordMarker = "word=";

// Everything after the first "word=".
std::string_view searched_word(std::string_view status_text)
{
    const long at = cell::position(status_text, kWordMarker);
    return at == 0 ? std::string_view() : cell::from(status_text, at + static_cast<long>(kWordMarker.size()));
}

} // namespace

// Rewrites the hint view's whole document; skipped while the left button is
// down, so a drag in progress is never disturbed (the next run applies all).
// A document that is not ready keeps the bar's previous content.
void StatusForm::rebuild_hint_bar()
{
    if (app_.platform().key_down(vk::kLButton))
        return;
    Tlifeform& form = app_.lifeform();
    try {
        form.CppWebBrowser2.write_document(hint::document(form.ListBox5.items()));
    } catch (...) {
    }
}

// Pointing at a search link tells, in the button hint, what the left button
// would search for, unless the hint already names the left button.
void StatusForm::status_text_changed(std::string_view text)
{
    Tlifeform& form = app_.lifeform();
    form.Panel32.set_text(text);
    const std::string& line = form.ListBox5.item(hint::kButtonLine);
    if (!cell::contains(text, kSearchAddress) || cell::contains(line, "左键"))
        return;
    form.ListBox5.set_item(hint::kButtonLine, line + " 左键＝搜索" + std::string(searched_word(text)));
    form.settopmess.click();
}

// The address under the mouse opens in the sibling browser instead; the
// sibling is started when it is not fully there, and when it cannot be the
// default browser opens the address.
void StatusForm::new_window_requested(bool& cancel)
{
    cancel = true;
    sibling::send(app_, "vyknewurl=" + app_.lifeform().Panel32.text());
    Platform& p = app_.platform();
    if (p.find_window(sibling::kFrameClass) && sibling::running(p))
        return;
    if (!sibling::run_start_batch(p))
        sibling::open_in_default_browser(app_, app_.lifeform().Panel32.text());
}

} // namespace tv
