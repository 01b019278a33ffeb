#include "scenario.h"

#include <algorithm>
#include <cstdio>
#include <istream>
#include <iterator>
#include <ostream>

namespace tv {
namespace {

std::string quoted_utf8(std::string_view cp936) { return "\"" + cp936_to_utf8(cp936) + "\""; }

// Long cells (documents, 64 KiB garbage) are cut in the trace, never in the middle of a character.
std::string traced(std::string_view cp936)
{
    constexpr std::size_t kLimit = 160;
    if (cp936.size() <= kLimit)
        return quoted_utf8(cp936);
    std::size_t cut = 0;
    while (cut < kLimit)
        cut += static_cast<unsigned char>(cp936[cut]) >= 0x81 ? 2 : 1;
    return quoted_utf8(cp936.substr(0, std::min(cut, cp936.size()))) + "... (" + std::to_string(cp936.size()) + " bytes)";
}

std::optional<int> integer(const std::string& word)
{
    try {
        std::size_t used = 0;
        const int value = std::stoi(word, &used);
        return used == word.size() ? std::optional<int>(value) : std::nullopt;
    } catch (...) {
        return std::nullopt;
    }
}

// The words from `from` on, each an integer.
std::optional<std::vector<int>> integers(const std::vector<std::string>& words, std::size_t from)
{
    std::vector<int> values;
    for (std::size_t i = from; i < words.size(); ++i) {
        auto v = integer(words[i]);
        if (!v)
            return std::nullopt;
        values.push_back(*v);
    }
    return values;
}

std::optional<MouseButton> button_named(const std::string& word)
{
    if (word == "left")
        return MouseButton::Left;
    if (word == "right")
        return MouseButton::Right;
    if (word == "middle")
        return MouseButton::Middle;
    return std::nullopt;
}

std::optional<ButtonAction> button_action_named(const std::string& word)
{
    if (word == "down")
        return ButtonAction::Down;
    if (word == "up")
        return ButtonAction::Up;
    return std::nullopt;
}

std::optional<KeyAction> key_action_named(const std::string& word)
{
    if (word == "down")
        return KeyAction::Down;
    if (word == "up")
        return KeyAction::Up;
    return std::nullopt;
}

constexpr int kWheelNotch = 120;
constexpr std::size_t kAnyCount = static_cast<std::size_t>(-1);

// Whether a verb runs the program first, started without arguments if it is
// not running yet.
enum class Needs { Nothing, Program };

} // namespace

std::vector<std::string> scenario_words(std::string_view line)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        if (i >= line.size())
            break;
        std::string word;
        if (line[i] == '"') {
            const std::size_t end = line.find('"', i + 1);
            word = line.substr(i + 1, (end == std::string_view::npos ? line.size() : end) - i - 1);
            i = end == std::string_view::npos ? line.size() : end + 1;
        } else {
            const std::size_t end = line.find_first_of(" \t\r", i);
            word = line.substr(i, (end == std::string_view::npos ? line.size() : end) - i);
            i = end == std::string_view::npos ? line.size() : end;
        }
        words.push_back(std::move(word));
    }
    return words;
}

ScenarioRunner::ScenarioRunner(std::ostream& trace, Size screen) : trace_(trace), desktop_(screen)
{
    desktop_.on_input = [this](const sim::InputRecord& r) {
        stamp();
        trace_ << "input " << r.describe() << '\n';
    };
}

ScenarioRunner::~ScenarioRunner()
{
    desktop_.on_input = nullptr;
    program_.reset();
    app_ = nullptr;
}

void ScenarioRunner::stamp()
{
    char text[32];
    std::snprintf(text, sizeof text, "[%7llu ms] ", static_cast<unsigned long long>(desktop_.now_ms()));
    trace_ << text;
}

void ScenarioRunner::cell_changed(const ui::Form& form, const ui::Control* control)
{
    stamp();
    if (!control) {
        trace_ << "caption " << form.name() << " = " << traced(form.caption()) << '\n';
        return;
    }
    trace_ << form.name() << '.' << control->name() << " = ";
    if (auto* list = dynamic_cast<const ui::ListBox*>(control)) {
        trace_ << '[';
        for (std::size_t i = 0; i < list->count(); ++i)
            trace_ << (i ? "," : "") << traced(list->item(i));
        trace_ << "]\n";
    } else if (auto* check = dynamic_cast<const ui::Check*>(control)) {
        trace_ << (check->checked() ? "checked" : "unchecked") << '\n';
    } else {
        trace_ << traced(control->text()) << '\n';
    }
}

bool ScenarioRunner::fail(std::string message)
{
    error_ = std::move(message);
    return false;
}

namespace {

// A word as scenario_words reads it back: quoted when empty or holding a blank
// (a quoted word never holds a quote, and an unquoted one never starts with one).
std::string scenario_word(const std::string& word)
{
    const bool quote = word.empty() || word.find_first_of(" \t\r") != std::string::npos;
    return quote ? '"' + word + '"' : word;
}

} // namespace

void ScenarioRunner::record(const std::vector<std::string>& words)
{
    if (!recording_)
        return;
    for (std::size_t i = 0; i < words.size(); ++i)
        *recording_ << (i ? " " : "") << scenario_word(words[i]);
    *recording_ << '\n' << std::flush;
}

bool ScenarioRunner::start(std::vector<std::string> args)
{
    if (app_)
        return fail("the program is already running");
    std::vector<std::string> line{"start"};
    line.insert(line.end(), args.begin(), args.end());
    record(line);
    for (auto& a : args)
        a = utf8_to_cp936(a);
    program_ = std::make_unique<Program>(desktop_, std::move(args), this);
    app_ = &program_->app();
    program_->create_forms();
    stamp();
    trace_ << "started, " << app_->forms().size() << " forms";
    if (app_->ended())
        trace_ << ", ended with code " << app_->exit_code();
    trace_ << '\n';
    for (const auto& box : desktop_.message_boxes()) {
        stamp();
        trace_ << "message box " << quoted_utf8(box.caption) << ": " << quoted_utf8(box.text) << '\n';
    }
    return true;
}

bool ScenarioRunner::not_understood(const Line& line) { return fail("not understood: " + std::string(line.text)); }

struct ScenarioRunner::Verb {
    std::string_view name;
    std::size_t min_args; // the words after the verb
    std::size_t max_args;
    Needs needs;
    bool (ScenarioRunner::*run)(const Line&);
    bool recorded = true; // written to a recording as it stands ("start" records itself)

    bool takes(std::size_t args) const { return args >= min_args && args <= max_args; }
};

const ScenarioRunner::Verb* ScenarioRunner::verb_named(std::string_view name)
{
    static const Verb verbs[] = {
        {"start", 0, kAnyCount, Needs::Nothing, &ScenarioRunner::verb_start, false},
        {"no-library", 1, 1, Needs::Nothing, &ScenarioRunner::verb_no_library},
        {"advance", 1, 1, Needs::Program, &ScenarioRunner::verb_advance},
        {"move", 2, 2, Needs::Program, &ScenarioRunner::verb_move},
        {"wheel", 1, 1, Needs::Program, &ScenarioRunner::verb_wheel},
        {"button", 2, 2, Needs::Program, &ScenarioRunner::verb_button},
        {"click", 1, 1, Needs::Program, &ScenarioRunner::verb_click},
        {"key", 1, 2, Needs::Program, &ScenarioRunner::verb_key},
        {"window", 6, 6, Needs::Program, &ScenarioRunner::verb_window},
        {"caption", 2, 2, Needs::Program, &ScenarioRunner::verb_caption},
        {"expect", 2, 2, Needs::Program, &ScenarioRunner::verb_expect, false},
        {"dump", 0, 0, Needs::Program, &ScenarioRunner::verb_dump, false},
    };
    const auto it = std::find_if(std::begin(verbs), std::end(verbs), [&](const Verb& v) { return v.name == name; });
    return it == std::end(verbs) ? nullptr : it;
}

bool ScenarioRunner::run_line(std::string_view text)
{
    const Line line{text, scenario_words(text)};
    if (line.words.empty() || line.words[0].starts_with("#"))
        return true;
    const Verb* verb = verb_named(line.words[0]);
    if (verb && !verb->takes(line.words.size() - 1))
        verb = nullptr;
    // Even a line that is not understood starts the program first.
    if ((!verb || verb->needs == Needs::Program) && !app_ && !start({}))
        return false;
    if (!verb)
        return not_understood(line);
    const bool done = (this->*verb->run)(line);
    if (done && verb->recorded)
        record(line.words);
    return done;
}

bool ScenarioRunner::verb_start(const Line& line) { return start({line.words.begin() + 1, line.words.end()}); }

bool ScenarioRunner::verb_no_library(const Line& line)
{
    desktop_.remove_library(utf8_to_cp936(line.words[1]));
    return true;
}

bool ScenarioRunner::verb_advance(const Line& line)
{
    const auto ms = integers(line.words, 1);
    if (!ms)
        return not_understood(line);
    desktop_.advance((*ms)[0]);
    return true;
}

bool ScenarioRunner::verb_move(const Line& line)
{
    const auto at = integers(line.words, 1);
    if (!at)
        return not_understood(line);
    desktop_.user_move({(*at)[0], (*at)[1]});
    return true;
}

bool ScenarioRunner::verb_wheel(const Line& line)
{
    const std::string& way = line.words[1];
    if (way != "up" && way != "down")
        return not_understood(line);
    desktop_.user_wheel(way == "up" ? kWheelNotch : -kWheelNotch);
    return true;
}

bool ScenarioRunner::verb_button(const Line& line)
{
    const auto button = button_named(line.words[1]);
    const auto action = button_action_named(line.words[2]);
    if (!button || !action)
        return not_understood(line);
    desktop_.user_button(*button, *action);
    return true;
}

bool ScenarioRunner::verb_click(const Line& line)
{
    const auto button = button_named(line.words[1]);
    if (!button)
        return not_understood(line);
    desktop_.user_button(*button, ButtonAction::Down);
    desktop_.user_button(*button, ButtonAction::Up);
    return true;
}

bool ScenarioRunner::verb_key(const Line& line)
{
    const auto code = integer(line.words[1]);
    if (!code)
        return not_understood(line);
    if (line.words.size() == 2) {
        desktop_.user_key(*code, KeyAction::Down);
        desktop_.user_key(*code, KeyAction::Up);
        return true;
    }
    const auto action = key_action_named(line.words[2]);
    if (!action)
        return not_understood(line);
    desktop_.user_key(*code, *action);
    return true;
}

bool ScenarioRunner::verb_window(const Line& line)
{
    const auto place = integers(line.words, 3);
    if (!place)
        return not_understood(line);
    const std::vector<int>& r = *place; // x y width height
    desktop_.add_window(utf8_to_cp936(line.words[1]), utf8_to_cp936(line.words[2]),
                        Rect::from_size(r[0], r[1], r[2], r[3]));
    return true;
}

bool ScenarioRunner::verb_caption(const Line& line)
{
    desktop_.set_title(desktop_.find_window(utf8_to_cp936(line.words[1])), utf8_to_cp936(line.words[2]));
    return true;
}

bool ScenarioRunner::verb_expect(const Line& line)
{
    const std::string& window_class = line.words[1];
    const std::string& wanted = line.words[2];
    const std::string actual = desktop_.title(desktop_.find_window(utf8_to_cp936(window_class)));
    if (actual != utf8_to_cp936(wanted))
        return fail("expected " + window_class + " caption \"" + wanted + "\", found " + quoted_utf8(actual));
    return true;
}

bool ScenarioRunner::verb_dump(const Line&)
{
    trace_ << desktop_.diagnostics();
    return true;
}

bool ScenarioRunner::run(std::istream& script)
{
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
        ++number;
        if (!run_line(line)) {
            error_ = "line " + std::to_string(number) + ": " + error_;
            return false;
        }
        if (app_ && app_->ended()) {
            stamp();
            trace_ << "program ended with code " << app_->exit_code() << '\n';
            return true;
        }
    }
    return true;
}

} // namespace tv
