// The input-method picker on the simulated desktop: only input methods become
// entries (at most 25 layouts looked at), each keeping its own layout and its
// module's icon; the arrow keys wrap; Space, or a press on an entry, activates
// the entry's layout with KLF_REORDER; and the main loop opens the picker on
// "key--show ime".
#include "sim_app.h"

#include "board/pyoil.h"
#include "board/srfform.h"
#include "platform/keys.h"

#include <ostream>

namespace tv::test {
namespace {

constexpr std::uint32_t kReorder = 8;
constexpr KeyboardLayout kEnglish = 0x04090409;
constexpr KeyboardLayout kPinyin = 0xE0040804;
constexpr KeyboardLayout kGerman = 0x04070407;
constexpr KeyboardLayout kAbc = 0xE0010804;
constexpr KeyboardLayout kUnispim = 0xE0220804;
const std::string kSystem = "C:\\WINDOWS\\system32\\";

class Picker : public SimApp {
protected:
    // English, pinyin, German, ABC, Unispim: three input methods among five
    // layouts; the ABC module has no icon.
    void install_usual()
    {
        desk.installed_layouts = {{kEnglish, false, "", ""},
                                  {kPinyin, true, "微软拼音输入法 3.0 版", "PINTLGNT.IME"},
                                  {kGerman, false, "", ""},
                                  {kAbc, true, "智能ABC输入法 5.0 版", "WINABC.IME"},
                                  {kUnispim, true, "紫光拼音输入法3.0", "UNISPIM.IME"}};
        desk.set_file_icons(kSystem + "PINTLGNT.IME", 2);
        desk.set_file_icons(kSystem + "UNISPIM.IME", 1);
    }
    TsrfForm& picker() { return app->srfForm(); }
    std::vector<std::string> captions()
    {
        std::vector<std::string> out;
        for (const ui::ListViewItem& item : picker().ListView1.items())
            out.push_back(item.caption);
        return out;
    }
    std::vector<KeyboardLayout> activated() const
    {
        std::vector<KeyboardLayout> out;
        for (const auto& [layout, flags] : desk.activated_layouts()) {
            EXPECT_EQ(flags, kReorder);
            out.push_back(layout);
        }
        return out;
    }
    void tap(int vk)
    {
        picker().on_key(vk, KeyAction::Down);
        picker().on_key(vk, KeyAction::Up);
    }
    Point entry_point(int row) const
    {
        const ui::ListView& view = app->srfForm().ListView1;
        return {view.left() + 10, view.top() + row * ui::ListView::kRowHeight + 4};
    }
    void press_at(Point p)
    {
        picker().on_button(MouseButton::Left, ButtonAction::Down, p);
        picker().on_button(MouseButton::Left, ButtonAction::Up, p);
    }
};

TEST_F(Picker, ListsOnlyInputMethodsWithTheirModulesAndIcons)
{
    install_usual();
    start();
    const std::vector<std::string> descriptions = {"微软拼音输入法 3.0 版", "智能ABC输入法 5.0 版", "紫光拼音输入法3.0"};
    EXPECT_EQ(picker().ListBox4.items(), descriptions);
    EXPECT_EQ(picker().ListBox1.items(), (std::vector<std::string>{"PINTLGNT.IME", "WINABC.IME", "UNISPIM.IME"}));
    EXPECT_EQ(captions(), descriptions);
    EXPECT_EQ(picker().ListView1.image_count(), 0u) << "the icons come 100 ms later";
    EXPECT_LT(picker().left(), 0) << "created off the screen";

    desk.advance(100);
    const ui::ListView& view = picker().ListView1;
    ASSERT_EQ(view.image_count(), 3u);
    EXPECT_EQ(view.items()[0].image, 0);
    EXPECT_EQ(view.items()[1].image, -1) << "a module without an icon leaves its entry without one";
    EXPECT_EQ(view.items()[2].image, 2);
    EXPECT_NE(view.image(0), 0u);
    EXPECT_EQ(view.image(1), 0u);
    EXPECT_EQ(desk.live_icons().at(view.image(2)), kSystem + "UNISPIM.IME");
    EXPECT_EQ(view.item_index(), 0);
    EXPECT_EQ(picker().focused(), &picker().ListView1);
    EXPECT_EQ(picker().Panel3.text(), "微软拼音输入法 3.0 版");

    desk.advance(500);
    EXPECT_EQ(desk.live_icons().size(), 2u) << "the icons are taken once";
    picker().Button2.click();
    EXPECT_EQ(desk.live_icons().size(), 2u) << "taking them again gives the old ones back";
}

TEST_F(Picker, RelistingStartsAfresh)
{
    install_usual();
    start();
    desk.advance(100);
    desk.installed_layouts.erase(desk.installed_layouts.begin() + 1); // pinyin removed
    picker().Button1.click();
    desk.advance(100);
    EXPECT_EQ(captions(), (std::vector<std::string>{"智能ABC输入法 5.0 版", "紫光拼音输入法3.0"}));
    EXPECT_EQ(picker().ListBox1.items(), (std::vector<std::string>{"WINABC.IME", "UNISPIM.IME"}));
    EXPECT_EQ(picker().ListView1.items()[1].image, 1);
    EXPECT_EQ(desk.live_icons().size(), 1u);
    picker().Memo1.on_key(vk::kSpace);
    EXPECT_EQ(picker().ListBox4.count(), 2u) << "Space typed in the memo lists again, without doubles";
    tap(vk::kSpace);
    EXPECT_EQ(activated(), std::vector<KeyboardLayout>{}) << "the new list has no selection before its icons";
    desk.advance(100);
    tap(vk::kSpace);
    EXPECT_EQ(activated(), std::vector<KeyboardLayout>{kAbc}) << "the entries keep their own layouts";
}

TEST_F(Picker, AtMostTwentyFiveLayoutsAreLookedAt)
{
    for (int i = 0; i < 30; ++i)
        desk.installed_layouts.push_back({static_cast<KeyboardLayout>(0xE0000804 + (i << 16)), true,
                                          "输入法" + std::to_string(i), "M" + std::to_string(i) + ".IME"});
    start();
    desk.advance(100);
    ASSERT_EQ(picker().ListView1.count(), 25u);
    EXPECT_EQ(picker().ListBox4.item(24), "输入法24");
    tap(vk::kUp);
    EXPECT_EQ(picker().ListView1.item_index(), 24);
    tap(vk::kSpace);
    EXPECT_EQ(activated(), std::vector<KeyboardLayout>{0xE0000804 + (24 << 16)});
}

struct KeyCase {
    const char* name;
    int start;              // the selected entry before the keys
    std::vector<int> keys;  // each tapped (down, then up)
    int selected;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class PickerKeys : public Picker, public ::testing::WithParamInterface<KeyCase> {};

// Three entries: 0 pinyin, 1 ABC, 2 Unispim. Space after the keys switches to the selected one.
TEST_P(PickerKeys, ArrowsWrapAtTheEnds)
{
    const KeyCase& c = GetParam();
    install_usual();
    start();
    desk.advance(100);
    for (int i = 0; i < c.start; ++i)
        tap(vk::kDown);
    ASSERT_EQ(picker().ListView1.item_index(), c.start);
    for (int key : c.keys)
        tap(key);
    EXPECT_EQ(picker().ListView1.item_index(), c.selected);
    EXPECT_EQ(picker().Panel1.text(), std::to_string(c.selected));
    EXPECT_EQ(picker().Panel3.text(), picker().ListBox4.item(static_cast<std::size_t>(c.selected)));
    EXPECT_EQ(activated(), std::vector<KeyboardLayout>{}) << "arrows alone switch nothing";
    tap(vk::kSpace);
    const KeyboardLayout layouts[] = {kPinyin, kAbc, kUnispim};
    EXPECT_EQ(activated(), std::vector<KeyboardLayout>{layouts[c.selected]});
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PickerKeys,
    ::testing::Values(KeyCase{"up_on_first_goes_to_last", 0, {vk::kUp}, 2},
                      KeyCase{"down_on_last_goes_to_first", 2, {vk::kDown}, 0},
                      KeyCase{"down_reaches_the_last", 0, {vk::kDown, vk::kDown}, 2},
                      KeyCase{"up_reaches_the_first", 2, {vk::kUp, vk::kUp}, 0},
                      KeyCase{"down_goes_round_the_list", 1, {vk::kDown, vk::kDown, vk::kDown}, 1},
                      KeyCase{"up_wraps_then_climbs", 0, {vk::kUp, vk::kUp}, 1},
                      KeyCase{"other_keys_move_nothing", 1, {vk::kLeft, vk::kEnter, 65}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// Holding an arrow moves one entry per repeat; the wrap belongs to a tap at the end only.
TEST_F(Picker, HeldArrowStopsAtTheEnd)
{
    install_usual();
    start();
    desk.advance(100);
    for (int repeat = 0; repeat < 5; ++repeat)
        picker().on_key(vk::kDown, KeyAction::Down);
    picker().on_key(vk::kDown, KeyAction::Up);
    EXPECT_EQ(picker().ListView1.item_index(), 2);
}

TEST_F(Picker, PressOnAnEntrySwitchesToItsLayout)
{
    install_usual();
    start();
    desk.advance(100);
    press_at(entry_point(2));
    press_at(entry_point(1));
    press_at(entry_point(3)); // below the last entry
    EXPECT_EQ(activated(), (std::vector<KeyboardLayout>{kUnispim, kAbc}));
    EXPECT_EQ(picker().ListView1.item_index(), 1);

    ui::ListBox& descriptions = picker().ListBox4;
    descriptions.set_bounds(10, 10, 200, 3 * TsrfForm::kItemHeight);
    descriptions.show();
    press_at({20, 10 + 2 * TsrfForm::kItemHeight + 3});
    EXPECT_EQ(activated(), (std::vector<KeyboardLayout>{kUnispim, kAbc, kUnispim}));
}

TEST_F(Picker, WithoutInputMethodsNothingSwitches)
{
    desk.installed_layouts = {{kEnglish, false, "", ""}, {kGerman, false, "", ""}};
    start();
    desk.advance(200);
    EXPECT_EQ(picker().ListView1.count(), 0u);
    EXPECT_EQ(picker().ListBox4.count(), 0u);
    tap(vk::kDown);
    tap(vk::kUp);
    tap(vk::kSpace);
    press_at(entry_point(0));
    EXPECT_EQ(activated(), std::vector<KeyboardLayout>{});
}

// Descriptions of any bytes and any length, and module names that are no file.
TEST_F(Picker, OddDescriptionsAndModules)
{
    const std::string odd("\xfe\x00\x81", 3);
    desk.installed_layouts = {{kPinyin, true, std::string(99, 'x') + "输", ""},
                              {kAbc, true, odd, "..\\..\\nowhere"},
                              {kUnispim, true, std::string(500, 'y'), "UNISPIM.IME"}};
    start();
    desk.advance(100);
    EXPECT_EQ(picker().ListBox4.items(), (std::vector<std::string>{std::string(99, 'x'), odd, std::string(100, 'y')}));
    EXPECT_EQ(picker().ListView1.image_count(), 3u);
    EXPECT_EQ(desk.live_icons().size(), 0u);
}

// The main loop on "key--show ime": the picker at the bottom right, in front,
// taking the arrow keys the user types; Esc or its close box closes it.
TEST_F(Picker, MainLoopOpensThePickerInFront)
{
    install_usual();
    start();
    desk.advance(200);
    const Hwnd notepad = desk.add_window("Notepad", "无标题 - 记事本", Rect::from_size(100, 120, 400, 300));
    desk.set_foreground(notepad);
    set_caption("Tpyoil", "key--show ime");
    desk.advance(50);
    EXPECT_EQ(caption("Tpyoil"), "key--imeok");
    const Rect placed = desk.window_rect(picker().hwnd());
    EXPECT_EQ(placed.left, 1024 - TsrfForm::kWidth - 10);
    EXPECT_EQ(placed.top, 768 - TsrfForm::kHeight - 50);
    EXPECT_TRUE(desk.is_visible(picker().hwnd()));
    EXPECT_NE(desk.ex_style(picker().hwnd()) & kExTopmost, 0u);
    EXPECT_EQ(desk.foreground_window(), picker().hwnd());
    EXPECT_EQ(picker().oldp.left(), 103);
    EXPECT_EQ(picker().oldp.top(), 123);

    desk.user_key(vk::kUp, KeyAction::Down);
    desk.user_key(vk::kUp, KeyAction::Up);
    desk.user_key(vk::kSpace, KeyAction::Down);
    desk.user_key(vk::kSpace, KeyAction::Up);
    EXPECT_EQ(activated(), std::vector<KeyboardLayout>{kUnispim});

    desk.user_key(vk::kEscape, KeyAction::Down);
    desk.user_key(vk::kEscape, KeyAction::Up);
    EXPECT_FALSE(desk.is_visible(picker().hwnd())) << "Esc in the list closes the picker";
    set_caption("Tpyoil", "key--show ime");
    desk.advance(50);
    ASSERT_TRUE(desk.is_visible(picker().hwnd())) << "and the request opens it again";
    const Rect box = picker().closebox.bounds();
    desk.user_move({placed.left + box.left + 4, placed.top + box.top + 4});
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    desk.user_button(MouseButton::Left, ButtonAction::Up);
    EXPECT_FALSE(desk.is_visible(picker().hwnd())) << "a click on the close box closes it";
    EXPECT_EQ(activated(), std::vector<KeyboardLayout>{kUnispim}) << "closing switches nothing";

    set_caption("Tpyoil", "key--show imex");
    desk.advance(50);
    EXPECT_NE(caption("Tpyoil"), "key--imeok") << "only the whole token opens it";
}

} // namespace
} // namespace tv::test
