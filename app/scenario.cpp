#include "scenario.h"

#include <algorithm>
#include <cstdio>
#include <istream>
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

bool ScenarioRunner::start(std::vector<std::string> args)
{
    if (app_)
        return fail("the program is already running");
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

bool ScenarioRunner::run_line(std::string_view line)
{
    const std::vector<std::string> w = scenario_words(line);
    if (w.empty() || w[0].starts_with("#"))
        return true;
    const std::string& verb = w[0];
    if (verb == "start")
        return start({w.begin() + 1, w.end()});
    if (verb == "no-library" && w.size() == 2) {
        desktop_.remove_library(utf8_to_cp936(w[1]));
        return true;
    }
    if (!app_ && !start({}))
        return false;

    auto ints = [&](std::size_t from, std::size_t n) -> std::optional<std::vector<int>> {
        if (w.size() != from + n)
            return std::nullopt;
        std::vector<int> values;
        for (std::size_t i = from; i < from + n; ++i) {
            auto v = integer(w[i]);
            if (!v)
                return std::nullopt;
            values.push_back(*v);
        }
        return values;
    };

    if (verb == "advance") {
        if (auto v = ints(1, 1)) {
            desktop_.advance((*v)[0]);
            return true;
        }
    } else if (verb == "move") {
        if (auto v = ints(1, 2)) {
            desktop_.user_move({(*v)[0], (*v)[1]});
            return true;
        }
    } else if (verb == "wheel" && w.size() == 2 && (w[1] == "up" || w[1] == "down")) {
        desktop_.user_wheel(w[1] == "up" ? 120 : -120);
        return true;
    } else if (verb == "button" && w.size() == 3 && button_named(w[1]) && (w[2] == "down" || w[2] == "up")) {
        desktop_.user_button(*button_named(w[1]), w[2] == "down" ? ButtonAction::Down : ButtonAction::Up);
        return true;
    } else if (verb == "click" && w.size() == 2 && button_named(w[1])) {
        desktop_.user_button(*button_named(w[1]), ButtonAction::Down);
        desktop_.user_button(*button_named(w[1]), ButtonAction::Up);
        return true;
    } else if (verb == "key" && (w.size() == 2 || w.size() == 3)) {
        auto code = integer(w[1]);
        if (code && w.size() == 2) {
            desktop_.user_key(*code, KeyAction::Down);
            desktop_.user_key(*code, KeyAction::Up);
            return true;
        }
        if (code && (w[2] == "down" || w[2] == "up")) {
            desktop_.user_key(*code, w[2] == "down" ? KeyAction::Down : KeyAction::Up);
            return true;
        }
    } else if (verb == "window" && w.size() == 7) {
        if (auto v = ints(3, 4)) {
            desktop_.add_window(utf8_to_cp936(w[1]), utf8_to_cp936(w[2]),
                                Rect::from_size((*v)[0], (*v)[1], (*v)[2], (*v)[3]));
            return true;
        }
    } else if (verb == "caption" && w.size() == 3) {
        desktop_.set_title(desktop_.find_window(utf8_to_cp936(w[1])), utf8_to_cp936(w[2]));
        return true;
    } else if (verb == "expect" && w.size() == 3) {
        const std::string actual = desktop_.title(desktop_.find_window(utf8_to_cp936(w[1])));
        if (actual != utf8_to_cp936(w[2]))
            return fail("expected " + w[1] + " caption \"" + w[2] + "\", found " + quoted_utf8(actual));
        return true;
    } else if (verb == "dump" && w.size() == 1) {
        trace_ << desktop_.diagnostics();
        return true;
    }
    return fail("not understood: " + std::string(line));
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
