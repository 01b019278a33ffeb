// The tick snapshot: within one timer tick a repeated window read is answered
// from the first one; anything the program does, and the end of the tick, make
// it forget.
#include "platform/sim/sim_desktop.h"
#include "platform/tick_snapshot.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tv {
namespace {

class TickSnapshotTest : public ::testing::Test {
protected:
    sim::SimDesktop sim;
    TickSnapshot snapshot{sim};
    Hwnd notepad = sim.add_window("Notepad", "a.txt - Notepad", Rect{100, 100, 500, 400});

    // Runs `tick` once, as the handler of a timer started through the snapshot.
    void in_a_tick(std::function<void()> tick)
    {
        const TimerId id = snapshot.start_timer(10, [this, tick = std::move(tick)] { tick(); });
        sim.advance(10);
        snapshot.stop_timer(id);
    }

    // "asked/answered" of one read in the snapshot's line.
    std::string counted(const std::string& read) const
    {
        std::istringstream words(snapshot.reads_line());
        for (std::string word; words >> word;)
            if (word.starts_with(read + "="))
                return word.substr(read.size() + 1);
        return "missing";
    }
};

TEST_F(TickSnapshotTest, ATickSeesOneSnapshotOfWhatOtherProgramsDo)
{
    std::vector<std::string> seen;
    in_a_tick([&] {
        seen.push_back(snapshot.title(notepad));
        sim.set_title(notepad, "b.txt - Notepad"); // another program, meanwhile
        seen.push_back(snapshot.title(notepad));
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"a.txt - Notepad", "a.txt - Notepad"}));
    EXPECT_EQ(counted("title"), "2/1");
}

TEST_F(TickSnapshotTest, NothingIsKeptFromOneTickToTheNext)
{
    std::string first, second;
    in_a_tick([&] { first = snapshot.title(notepad); });
    sim.set_title(notepad, "b.txt - Notepad");
    sim.set_window_rect(notepad, Rect{0, 0, 50, 50});
    Rect rect;
    in_a_tick([&] {
        second = snapshot.title(notepad);
        rect = snapshot.window_rect(notepad);
    });
    EXPECT_EQ(first, "a.txt - Notepad");
    EXPECT_EQ(second, "b.txt - Notepad");
    EXPECT_EQ(rect, (Rect{0, 0, 50, 50}));
}

TEST_F(TickSnapshotTest, OutsideATickEveryReadGoesThrough)
{
    EXPECT_EQ(snapshot.class_name(notepad), "Notepad");
    sim.destroy_window(notepad);
    EXPECT_EQ(snapshot.class_name(notepad), "");
    EXPECT_FALSE(snapshot.window_exists(notepad));
    EXPECT_EQ(counted("class_name"), "2/0");
}

// What the program itself does within a tick is seen by the reads after it,
// whichever kind of change it is.
TEST_F(TickSnapshotTest, TheProgramsOwnChangesAreSeenAtOnce)
{
    const Hwnd other = sim.add_window("Edit", "", Rect{600, 100, 700, 200});
    std::vector<Hwnd> in_front;
    std::vector<bool> shown;
    std::vector<Point> cursor;
    in_a_tick([&] {
        in_front.push_back(snapshot.foreground_window());
        shown.push_back(snapshot.is_visible(other));
        cursor.push_back(snapshot.cursor_pos());
        snapshot.set_foreground(notepad);
        snapshot.show_window(other, Visibility::Hidden);
        snapshot.set_cursor_pos({7, 8});
        in_front.push_back(snapshot.foreground_window());
        shown.push_back(snapshot.is_visible(other));
        cursor.push_back(snapshot.cursor_pos());
    });
    EXPECT_EQ(in_front.back(), notepad);
    EXPECT_EQ(shown, (std::vector<bool>{true, false}));
    EXPECT_EQ(cursor.back(), (Point{7, 8}));
}

// A new title is seen at once, by the window's title and by FindWindow; the
// rest of the snapshot stays, so another program's change is still not seen.
TEST_F(TickSnapshotTest, ANewTitleForgetsOnlyTitles)
{
    const Hwnd own = sim.add_window("TOwnForm", "old", Rect{0, 0, 10, 10});
    std::vector<std::string> titles;
    Hwnd found_old = 1, found_new = 0;
    Rect rect;
    in_a_tick([&] {
        (void)snapshot.window_rect(notepad);
        (void)snapshot.find_window("TOwnForm", std::string_view("old"));
        sim.set_window_rect(notepad, Rect{0, 0, 50, 50}); // another program, meanwhile
        snapshot.set_title(own, "new");
        titles.push_back(snapshot.title(own));
        found_old = snapshot.find_window("TOwnForm", std::string_view("old"));
        found_new = snapshot.find_window("TOwnForm", std::string_view("new"));
        rect = snapshot.window_rect(notepad);
    });
    EXPECT_EQ(titles, (std::vector<std::string>{"new"}));
    EXPECT_EQ(found_old, Hwnd{0});
    EXPECT_EQ(found_new, own);
    EXPECT_EQ(rect, (Rect{100, 100, 500, 400}));
}

// Input the program sends may make the system call back into the program (a
// window handler, a modal loop): those reads are made afresh, and the tick
// reads afresh after the change.
TEST_F(TickSnapshotTest, ReadsDuringAChangeAndAfterItAreFresh)
{
    std::string during, after;
    sim.on_input = [&](const sim::InputRecord&) {
        sim.set_title(notepad, "c.txt - Notepad");
        during = snapshot.title(notepad);
        sim.set_title(notepad, "d.txt - Notepad");
    };
    in_a_tick([&] {
        (void)snapshot.title(notepad);
        snapshot.send_key(0x41, KeyAction::Down);
        after = snapshot.title(notepad);
    });
    EXPECT_EQ(during, "c.txt - Notepad");
    EXPECT_EQ(after, "d.txt - Notepad");
}

TEST_F(TickSnapshotTest, ACallIntoALibraryIsAChange)
{
    sim::SimLibrary library;
    library.entries["Rename"] = [&](const std::vector<std::intptr_t>&) { sim.set_title(notepad, "e.txt - Notepad"); };
    sim.install_library("helper.dll", library);
    std::string after;
    in_a_tick([&] {
        (void)snapshot.title(notepad);
        const EntryPoint rename = snapshot.entry_point(snapshot.load_library("helper.dll"), "Rename");
        ASSERT_TRUE(rename);
        rename({});
        after = snapshot.title(notepad);
    });
    EXPECT_EQ(after, "e.txt - Notepad");
    EXPECT_FALSE(snapshot.entry_point(snapshot.load_library("helper.dll"), "Missing"));
}

TEST_F(TickSnapshotTest, TheDumpEndsWithTheReadsLine)
{
    snapshot.set_diagnostics_source([] { return std::string("form x\n"); });
    in_a_tick([&] {
        (void)snapshot.window_from_point({150, 150});
        (void)snapshot.window_from_point({150, 150});
        (void)snapshot.window_from_point({151, 150});
    });
    EXPECT_TRUE(sim.diagnostics().starts_with("form x\nreads "));
    EXPECT_EQ(counted("window_from_point"), "3/1");
}

} // namespace
} // namespace tv
