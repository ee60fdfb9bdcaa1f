// regsvr: registers or unregisters a component server library.
#include <iostream>

#include "com/RegisterTool.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return com::runRegisterTool(args, std::cout, std::cerr);
}
