// Build tool: converts a page written in UTF-8 into the Windows-1250 file the
// program folder holds. Fails, naming the file, when a character has no
// Windows-1250 form, so that no page is installed with lost letters.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "text/CodePage.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: wortel_to1250 <input.utf8> <output>\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    const std::string utf8((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string ansi;
    if (!text::fromUtf8(utf8, ansi)) {
        std::cerr << argv[1] << ": holds a character without a Windows-1250 form\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << ansi;
    out.close();
    if (!out) {
        std::cerr << argv[2] << ": cannot be written\n";
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
