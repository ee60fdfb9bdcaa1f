// dictd2wortel INDEX DICT A.DAT B.DAT
// Builds the dictionary's program base from a German-Polish dictd dictionary.
#include <cstdio>
#include <string>

#include "tools/BaseBuilder.h"
#include "tools/DictdSource.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: dictd2wortel INDEX DICT A.DAT B.DAT\n");
        return 2;
    }
    tools::DictdSource src;
    std::string error;
    if (!src.open(argv[1], argv[2], error)) {
        std::fprintf(stderr, "dictd2wortel: %s\n", error.c_str());
        return 1;
    }
    tools::BaseBuilder b;
    for (const auto& e : src.entries()) b.add(e);
    b.finish();
    if (!b.write(argv[3], argv[4], error)) {
        std::fprintf(stderr, "dictd2wortel: %s\n", error.c_str());
        return 1;
    }
    const auto& s = b.stats();
    std::printf(
        "dictd2wortel: %zu source entries, %zu headwords (%zu merged, %zu with spaces left out, %zu "
        "unencodable left out, %zu over the limit), %zu cross-references, %zu characters replaced, %zu dropped\n",
        s.sourceEntries, s.headwords, s.mergedEntries, s.withSpaces, s.unencodableHeadwords, s.overLimit,
        s.crossReferences, s.replacedChars, s.droppedChars);
    return 0;
}
