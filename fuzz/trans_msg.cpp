// The editor's message list trans.msg: read from its file, then every line
// of the input looked up both ways.
#include "FuzzInput.h"
#include "pageeditor/core/MessageList.h"
#include "text/LineFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto bytes = fuzzing::asText(data, size);
    pageeditor::MessageList messages;
    messages.load(fuzzing::asFile(bytes, "trans.msg"));
    for (const std::string& l : text::splitLines(bytes.substr(0, 4096))) {
        messages.tr(l);
        messages.retr(l);
    }
    return 0;
}
