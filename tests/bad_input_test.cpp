// Garbage on the state board: captions and cells of any length and bytes never
// crash and never read out of range (the sanitizer build runs these too).
#include "sim_app.h"

#include "core/cell.h"
#include "board/kxm.h"
#include "board/pyoil.h"

namespace tv::test {
namespace {

std::vector<std::string> garbage_texts()
{
    std::string all_bytes;
    for (int b = 1; b < 256; ++b)
        all_bytes += static_cast<char>(b);
    return {
        "",
        std::string(1, '\x81'),             // a lead byte with nothing after it
        "\x81\x20\xFF\xFE\x80",             // invalid CP936 pairs
        std::string("a\0b", 3),             // an embedded NUL
        all_bytes,
        std::string(64 * 1024, '\xB9'),     // 64 KiB of lead bytes
        std::string(64 * 1024, 'x') + "滚",
    };
}

using BadInput = SimApp;

TEST_F(BadInput, AnyCaptionInEveryCellIsHandled)
{
    start();
    desk.advance(100);
    for (const std::string& text : garbage_texts()) {
        for (ui::Form* f : app->forms()) {
            f->set_caption(text);
            for (ui::Control* c : f->controls()) {
                c->set_text(text);
                if (auto* list = dynamic_cast<ui::ListBox*>(c))
                    list->set_items({text, text});
            }
        }
        desk.advance(200);
        const std::string dump = desk.diagnostics();
        EXPECT_NE(dump.find("form escmenu"), std::string::npos);
        EXPECT_EQ(dump.find('\0'), std::string::npos) << "a NUL in a cell is escaped";
        for (long pos : {-1L, 0L, 1L, 11L, 65535L, 65536L, 70000L})
            (void)cell::piece(text, pos, 20);
        EXPECT_FALSE(app->ended());
    }
}

TEST_F(BadInput, DumpIsValidUtf8WhateverTheBytes)
{
    start();
    app->pyoil().set_caption("\x81\x20\xFF");
    const std::string dump = desk.diagnostics();
    const std::string first_line = dump.substr(0, dump.find('\n'));
    EXPECT_NE(first_line.find("caption=\"\xEF\xBF\xBD \xEF\xBF\xBD\""), std::string::npos) << first_line;
}

TEST_F(BadInput, ListIndexesOutOfRangeAreIgnored)
{
    start();
    ui::ListBox& list = app->kxm().ListBox1;
    list.set_item(5, "x");
    list.remove(99);
    list.select(42);
    EXPECT_EQ(list.item_index(), -1);
    EXPECT_EQ(list.item(1000), "");
    app->pyoil().ListBox3.select(-7);
    EXPECT_EQ(app->pyoil().Panel6.text(), "");
}

} // namespace
} // namespace tv::test
