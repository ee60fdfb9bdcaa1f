// The body of a base increment as the update server sends it, taken apart
// into entry lines.
#include "FuzzInput.h"
#include "dictionary/WordBaseMerge.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    dictionary::WordBaseMerge::incrementLines(std::string(fuzzing::asText(data, size)));
    return 0;
}
