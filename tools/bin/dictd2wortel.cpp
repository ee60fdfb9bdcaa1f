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
        "dictd2wortel: %zu source entries, %zu headwords (%zu merged, %zu unencodable left out, %zu over the "
        "limit), %zu with pronunciation, %zu subject labels abbreviated, %zu cross-references; %zu phrases: %zu "
        "in the entry of one of their words, %zu in an entry of their own, %zu lost; %zu characters of "
        "entries written as references\n",
        s.sourceEntries, s.headwords, s.mergedEntries, s.unencodableHeadwords, s.overLimit, s.withPronunciation,
        s.subjectLabels, s.crossReferences, s.withSpaces, s.phrasesInEntries, s.phrasesOwnEntries, s.phrasesLost,
        s.referencedChars);
    return 0;
}
