// The soak: a long run of random raw input on the simulated desktop with every
// timer running, reporting the history lists' largest sizes and the memory in
// use as it goes. Not a test (it takes minutes); run it under the sanitizers to
// have leaks and memory errors reported.
//
//   tarvesk-soak [EVENTS [SEED]]      default 1000000 events, seed 1
#include "board/inputmode.h"
#include "board/kxm.h"
#include "board/ombrel.h"
#include "board/pyoil.h"
#include "platform/keys.h"
#include "platform/sim/sim_desktop.h"
#include "wiring/program.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace tv {
namespace {

// The keys a user of the program presses most, and some it never should.
const int kKeys[] = {'A', 'B', 'D', 'E', 'F', 'H', 'J', 'K', 'L', 'M', 'N', 'S', 'U', 'V', 'X', 'Z', '1', '5',
                     vk::kSpace, vk::kEnter, vk::kEscape, vk::kLShift, vk::kLCtrl, vk::kLAlt, vk::kRAlt,
                     vk::kCapsLock, vk::kLWin, vk::kSemicolon, vk::kLeft, vk::kRight, vk::kUp, vk::kDown, vk::kF1,
                     vk::kF2, vk::kF3, vk::kF4, vk::kNumLock};

long resident_kib()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

struct Maxima {
    std::size_t key_history = 0, key_mirror = 0, moves_x = 0, moves_y = 0;
    void take(App& app)
    {
        key_history = std::max(key_history, app.kxm().ListBox1.count());
        key_mirror = std::max(key_mirror, app.inputmode().ListBox4.count());
        moves_x = std::max(moves_x, app.ombrel().LBox2.count());
        moves_y = std::max(moves_y, app.ombrel().LBox3.count());
    }
};

class Soak {
public:
    explicit Soak(unsigned seed) : random_(seed) { start(); }

    void step()
    {
        if (desk_->quit_code()) { // a random click ended the program: start it again
            ++restarts_;
            start();
        }
        const int what = pick(100);
        if (what < 50)
            desk_->user_move({pick(1024), pick(768)});
        else if (what < 75)
            key();
        else if (what < 90)
            button();
        else
            desk_->user_wheel(pick(2) ? 120 : -120);
        desk_->advance(pick(61));
        maxima_.take(program_->app());
        desk_->forget_records();
    }
    void report(long events) const
    {
        std::printf("%9ld events  %6ld KiB resident  histories: keys %zu (mirror %zu), moves %zu/%zu  restarts %d\n",
                    events, resident_kib(), maxima_.key_history, maxima_.key_mirror, maxima_.moves_x,
                    maxima_.moves_y, restarts_);
        std::fflush(stdout);
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    void start()
    {
        program_.reset();
        desk_ = std::make_unique<sim::SimDesktop>();
        desk_->add_window("Notepad", "a.txt - Notepad", Rect::from_size(100, 200, 600, 400));
        desk_->add_window("IEFrame", "page", Rect::from_size(300, 100, 700, 600));
        program_ = std::make_unique<Program>(*desk_, std::vector<std::string>{});
        program_->create_forms();
    }
    void key()
    {
        const int vk = kKeys[pick(sizeof kKeys / sizeof kKeys[0])];
        desk_->user_key(vk, KeyAction::Down);
        if (pick(4)) // mostly a tap; now and then a key left held
            desk_->user_key(vk, KeyAction::Up);
    }
    void button()
    {
        const MouseButton b = pick(3) == 0 ? MouseButton::Right : pick(2) ? MouseButton::Left : MouseButton::Middle;
        desk_->user_button(b, ButtonAction::Down);
        if (pick(4))
            desk_->user_button(b, ButtonAction::Up);
    }

    std::mt19937 random_;
    std::unique_ptr<sim::SimDesktop> desk_;
    std::unique_ptr<Program> program_;
    Maxima maxima_;
    int restarts_ = 0;
};

} // namespace
} // namespace tv

int main(int argc, char** argv)
{
    const long events = argc > 1 ? std::atol(argv[1]) : 1000000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 1;
    tv::Soak soak(seed);
    soak.report(0);
    const long every = std::max(1L, events / 10);
    for (long i = 1; i <= events; ++i) {
        soak.step();
        if (i % every == 0)
            soak.report(i);
    }
    return 0;
}
