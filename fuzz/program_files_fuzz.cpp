// The program's start, run and end on a simulated desktop with one of its
// files (settings list, hint template, command table, class table, notes)
// replaced by any bytes: no crash, no sanitizer report, and every file it
// writes back is a whole file.
#include "platform/sim/sim_desktop.h"
#include "wiring/program.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace {

// The file the first byte chooses; named both ways the program may ask for it.
const char* const kFiles[] = {"发行软件.txt", "topmess.htm", "function.txt", "ime.txt", "plan.txt"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::string name = kFiles[data[0] % (sizeof kFiles / sizeof kFiles[0])];
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    tv::sim::SimDesktop desk;
    desk.put_file(name, bytes);
    desk.put_file(desk.program_folder() + name, bytes);
    {
        tv::Program program(desk, {});
        program.create_forms();
        desk.advance(400); // past start-up completion
    }
    return 0;
}
