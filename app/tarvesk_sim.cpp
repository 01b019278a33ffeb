// tarvesk-sim: runs Tarvesk on the simulated desktop from a scenario file and
// prints the trace (UTF-8). Usage: tarvesk-sim SCENARIO [--screen WxH]
#include "scenario.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: tarvesk-sim SCENARIO [--screen WIDTHxHEIGHT]\n";
        return 2;
    }
    tv::Size screen{1024, 768};
    if (argc == 4 && std::string(argv[2]) == "--screen" &&
        std::sscanf(argv[3], "%dx%d", &screen.width, &screen.height) != 2) {
        std::cerr << "bad screen size: " << argv[3] << '\n';
        return 2;
    }
    std::ifstream script(argv[1]);
    if (!script) {
        std::cerr << "cannot read " << argv[1] << '\n';
        return 2;
    }
    tv::ScenarioRunner runner(std::cout, screen);
    if (!runner.run(script)) {
        std::cerr << argv[1] << ": " << runner.error() << '\n';
        return 1;
    }
    return 0;
}
