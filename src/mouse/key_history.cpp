#include "mouse/key_history.h"

#include "board/inputmode.h"
#include "board/kxm.h"
#include "board/pyoil.h"
#include "core/synthetic_input.h"

namespace tv {
namespace {

constexpr std::size_t kHistoryLimit = 10;
constexpr std::size_t kHistoryKept = 4;

} // namespace

std::string KeyHistory::entry(std::size_t i) const { return app_.kxm().ListBox1.item(i); }

std::array<std::string, 4> KeyHistory::first_four() const { return {entry(0), entry(1), entry(2), entry(3)}; }

void KeyHistory::set_entry(std::size_t i, std::string_view value)
{
    app_.kxm().ListBox1.set_item(i, value);
    app_.inputmode().ListBox4.set_item(i, value);
}

void KeyHistory::insert_top(std::string_view value)
{
    app_.kxm().ListBox1.insert(0, value);
    app_.inputmode().ListBox4.insert(0, value);
}

void KeyHistory::take_keyboard_cell()
{
    Tpyoil& pyoil = app_.pyoil();
    const std::string cell = pyoil.caption();
    const std::string top = entry(0);
    // "old--xx" moves the cell off a token without entering the history (as the
    // pad's history reads it); tested on the top instead, one such entry would
    // stop the history for good.
    if (top != cell && cell != "old--xx")
        insert_top(cell);
    if (entry(0) == cell && app_.platform().key_down(vk::kSemicolon) && app_.kxm().caption() != "xx find")
        pyoil.set_caption("key--ttkeep");
    ui::ListBox& keys = app_.kxm().ListBox1;
    if (keys.count() > kHistoryLimit) {
        keys.truncate(kHistoryKept);
        app_.inputmode().ListBox4.set_items(keys.items());
    }
}

} // namespace tv
