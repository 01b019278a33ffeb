// The diagnostics dump: every form's place and visibility and every cell, as
// UTF-8 text. Tests and bug reports read it; users never see it.
#include "core/app.h"

#include "board/ombrel.h"
#include "board/pyoil.h"
#include "core/classify.h"
#include "ui/control.h"

#include <sstream>

namespace tv {
namespace {

// A cell as a quoted UTF-8 text; control bytes are escaped so one cell is one line.
std::string quoted(std::string_view cp936)
{
    std::string out = "\"";
    for (char c : cp936_to_utf8(cp936)) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\x";
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void dump_control(std::ostringstream& out, const ui::Control& c)
{
    out << "  " << c.name() << ' ' << ui::kind_name(c.kind()) << " left=" << c.left() << " top=" << c.top()
        << " width=" << c.width() << " height=" << c.height() << " visible=" << (c.visible() ? 1 : 0)
        << " text=" << quoted(c.text());
    if (auto* check = dynamic_cast<const ui::Check*>(&c))
        out << " checked=" << (check->checked() ? 1 : 0);
    if (auto* list = dynamic_cast<const ui::ListBox*>(&c)) {
        out << " index=" << list->item_index() << " items=[";
        for (std::size_t i = 0; i < list->count(); ++i)
            out << (i ? "," : "") << quoted(list->item(i));
        out << ']';
    }
    if (auto* view = dynamic_cast<const ui::ListView*>(&c)) {
        out << " index=" << view->item_index() << " items=[";
        for (std::size_t i = 0; i < view->count(); ++i)
            out << (i ? "," : "") << quoted(view->items()[i].caption) << ':' << view->items()[i].image;
        out << ']';
    }
    out << '\n';
}

} // namespace

// A column of the screen read at once beside the same pixels read one by one,
// for checking on a real desktop that the two agree: from the top of the
// screen down across the status bar's lower edge, near the right edge.
namespace {

std::string screen_column_line(const Platform& p)
{
    constexpr int kRows = 60, kInsetRight = 12;
    const Point top{p.screen_size().width - kInsetRight, 0};
    const std::vector<std::optional<std::uint32_t>> column = p.screen_column(top, kRows);
    int agreeing = 0, read = 0;
    for (int i = 0; i < kRows; ++i) {
        const std::optional<std::uint32_t> pixel = p.screen_pixel({top.x, top.y + i});
        agreeing += static_cast<std::size_t>(i) < column.size() && column[static_cast<std::size_t>(i)] == pixel;
        read += pixel.has_value();
    }
    return "screen_column x=" + std::to_string(top.x) + " rows=" + std::to_string(kRows) + " agreeing=" + std::to_string(agreeing) +
           " read=" + std::to_string(read);
}

} // namespace

std::string App::diagnostics_dump() const
{
    std::ostringstream out;
    for (const ui::Form* f : roster_) {
        const Rect r = f->bounds();
        out << "form " << f->name() << " class=" << f->class_name() << " left=" << r.left << " top=" << r.top
            << " width=" << r.width() << " height=" << r.height() << " visible=" << (f->visible() ? 1 : 0)
            << " caption=" << quoted(f->caption()) << '\n';
        for (const ui::Control* c : f->controls())
            dump_control(out, *c);
    }
    if (pyoil_)
        out << pyoil_->main_loop_cost.line("main_loop") << '\n';
    if (ombrel_)
        out << ombrel_->mode_engine_cost.line("mode_engine") << '\n';
    // The taskbar scan's answer beside the answer of probing every grid point,
    // for checking on a real desktop that the two agree, and what each cost.
    const std::uint64_t start = platform_.precise_us();
    const bool found = classify::screen_has_class(platform_, classify::kTaskbarToolbarClass);
    const std::uint64_t scanned = platform_.precise_us();
    const bool by_probes = classify::screen_has_class_by_probes(platform_, classify::kTaskbarToolbarClass);
    const std::uint64_t probed = platform_.precise_us();
    out << "screen_scan class=" << classify::kTaskbarToolbarClass << " found=" << found << " by_probes=" << by_probes
        << " found_us=" << scanned - start << " by_probes_us=" << probed - scanned << '\n';
    out << screen_column_line(platform_) << '\n';
    return out.str();
}

} // namespace tv
