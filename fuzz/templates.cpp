// A template's index.html as the new-page command reads it: a program folder
// with one template (the input as its page, a style sheet in its data\) and
// one site, where the page is made as the editor makes it. The page keeps
// every line of the template, holds no "${TITLE}" any more, shows the title
// as text where the template declares its character set, and is made once:
// a second page of the same name is refused and leaves the first as it was.
#include <filesystem>

#include "FuzzInput.h"
#include "files/FileSystem.h"
#include "pageeditor/core/MessageList.h"
#include "pageeditor/core/NewPage.h"
#include "pageeditor/core/Sites.h"
#include "text/CodePage.h"
#include "text/LineFile.h"
#include "text/PageCharset.h"

namespace fs = std::filesystem;
using namespace pageeditor;

namespace {

fs::path app() { return fuzzing::scratch() / "app"; }

std::string bytesOf(const fs::path& file) {
    std::string s;
    text::readFile(file, s);
    return s;
}

std::size_t count(std::u16string_view in, std::u16string_view what) {
    std::size_t n = 0;
    for (std::size_t at = in.find(what); at != std::u16string_view::npos; at = in.find(what, at + what.size())) ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fs::create_directories(app() / "data" / "templates" / "Wzor" / "data");
    fs::create_directories(app() / "webpages" / "strona");
    text::writeFile(app() / "data" / "templates" / "Wzor" / "data" / "wzor.css", "BODY { color: black; }\r\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string tpl(fuzzing::asText(data, size));
    const fs::path page = app() / "webpages" / "strona" / "nowa.html";
    text::writeFile(app() / "data" / "templates" / "Wzor" / "index.html", tpl);
    fs::remove(page);

    static MessageList messages;
    Sites sites(messages, files::platformName(app()) + "\\");
    if (!sites.page_open("strona")) return 0;
    NewPage pages(messages, sites);
    // A title with letters of both code pages and the characters markup gives
    // a meaning to; none of them makes a "${TITLE}" of its own.
    const std::string title = text::ansi("Zażółć ś & <b>\"'");
    if (!pages.doc_new("Wzor", "nowa", title)) return 0;

    const std::string made = bytesOf(page);
    fuzzing::expect(text::splitLines(made).size() == text::splitLines(tpl).size(), "the page keeps every line");
    const text::PageCharset charset = text::PageCharset::declaredIn(made);
    const std::u16string shown = charset.decodeFile(made);
    fuzzing::expect(count(shown, u"${TITLE}") == 0, "no ${TITLE} is left");
    const bool declared = text::PageCharset::declaredIn(tpl, text::PageCharset::Utf8) ==
                          text::PageCharset::declaredIn(tpl, text::PageCharset::Iso8859_2);
    if (declared)
        fuzzing::expect(count(shown, text::PageCharset::fromProgram(NewPage::htmlText(title))) >=
                            count(text::toUtf16(tpl), u"${TITLE}"),
                        "the title is shown as text wherever the template has ${TITLE}");

    fuzzing::expect(!pages.doc_new("Wzor", "nowa", "inny"), "a page is made once");
    fuzzing::expect(bytesOf(page) == made, "a refused page leaves the first as it was");
    return 0;
}
