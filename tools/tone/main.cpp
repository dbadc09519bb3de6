// quellar-tone: writes one tone as the program synthesises it to a WAV file.
#include "tools/tone/ToneCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return quellar::RunToneCommand(args, std::cout, std::cerr);
}
