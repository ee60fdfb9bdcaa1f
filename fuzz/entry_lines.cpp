// The word base files and their entry lines: the lookup by headword and by
// index, the link an entry line may hold, the reverse search over the lines.
// Input: headword NUL base file bytes.
#include "FuzzInput.h"
#include "dictionary/EntryFile.h"
#include "dictionary/LinkTarget.h"
#include "dictionary/ReverseSearch.h"
#include "text/LineFile.h"

using namespace dictionary;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto in = fuzzing::parts(fuzzing::asText(data, size), 2);
    const std::string& headword = in[0];
    const std::string& base = in[1];
    auto file = fuzzing::asFile(base, "a.dat");
    std::string line;
    EntryFile::findLine(file, headword, line);
    EntryFile::lineAt(file, static_cast<int>(headword.size()) - 1, line);
    std::vector<std::string> found;
    for (const std::string& l : text::splitLines(base)) {
        std::string target;
        LinkTarget::of(l, target);
        std::string head;
        ReverseSearch::headwordOf(l, head);
        for (auto mode : {ReverseSearch::Mode::Exact, ReverseSearch::Mode::Fragment, ReverseSearch::Mode::Everywhere})
            ReverseSearch::scanLine(l, headword, mode, found);
    }
    ReverseSearch::patterns(ReverseSearch::Mode::Everywhere, headword);
    return 0;
}
