#include "SkinTool.h"

#include <iostream>

int main(int argc, char** argv) {
    return quellar::RunSkinTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
