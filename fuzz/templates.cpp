// A template's index.html as the new-page command reads it: a program folder
// with one template (the input as its page, a style sheet in its data\) and
// one site, where the page is made as the editor makes it. The page keeps
// every line of the template, holds no "${TITLE}" any more, shows the
// template's own letters (UTF-8 read as UTF-8, an 8-bit template as the
// program's text) with the title as text in place of each "${TITLE}", and is
// made once: a second page of the same name is refused and leaves the first
// as it was.
#include <filesystem>
#include <string_view>
#include <vector>

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

std::u16string replaced(std::u16string in, std::u16string_view what, std::u16string_view by) {
    for (std::size_t at = in.find(what); at != std::u16string::npos; at = in.find(what, at + by.size()))
        in.replace(at, what.size(), by);
    return in;
}

// Lines ended by CR LF, a lone CR or LF; a last line end makes no line.
std::vector<std::u16string_view> linesOf(std::u16string_view s) {
    std::vector<std::u16string_view> out;
    std::size_t at = 0;
    while (at < s.size()) {
        std::size_t end = s.find_first_of(u"\r\n", at);
        if (end == std::u16string_view::npos) end = s.size();
        out.push_back(s.substr(at, end - at));
        at = end + (s.compare(end, 2, u"\r\n") == 0 ? 2 : 1);
    }
    return out;
}

// The same letters, where the page may write a letter its charset lacks as
// a character reference ("&#8222;").
bool sameLetters(std::u16string_view shown, std::u16string_view letters) {
    std::size_t i = 0, j = 0;
    while (i < shown.size() && j < letters.size()) {
        if (shown[i] == letters[j]) {
            ++i;
            ++j;
            continue;
        }
        if (shown.compare(i, 2, u"&#") != 0) return false;
        std::size_t k = i + 2;
        unsigned long code = 0;
        while (k < shown.size() && shown[k] >= u'0' && shown[k] <= u'9' && k < i + 10)
            code = code * 10 + (shown[k++] - u'0');
        if (k == i + 2 || k >= shown.size() || shown[k] != u';') return false;
        // A letter outside the first plane is written as one reference.
        unsigned long letter = letters[j];
        std::size_t used = 1;
        if (letter >= 0xD800 && letter < 0xDC00 && j + 1 < letters.size() && letters[j + 1] >= 0xDC00 &&
            letters[j + 1] < 0xE000) {
            letter = 0x10000 + ((letter - 0xD800) << 10) + (letters[j + 1] - 0xDC00);
            used = 2;
        }
        if (code != letter) return false;
        i = k + 1;
        j += used;
    }
    return i == shown.size() && j == letters.size();
}

// The same lines of the same letters (the page's lines end with CR LF).
bool sameLines(std::u16string_view shown, std::u16string_view letters) {
    const auto a = linesOf(shown), b = linesOf(letters);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!sameLetters(a[i], b[i])) return false;
    return true;
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
    // The page is in the charset the template declares, ISO-8859-2 where it
    // declares none.
    const text::PageCharset charset = text::PageCharset::declaredIn(tpl, text::PageCharset::Iso8859_2);
    fuzzing::expect(text::PageCharset::declaredIn(made, text::PageCharset::Iso8859_2) == charset,
                    "the page declares the template's charset");
    const std::u16string shown = charset.decodeFile(made);
    fuzzing::expect(fuzzing::count(shown, u"${TITLE}") == 0, "no ${TITLE} is left");
    // The template's lines as letters; a byte-order mark is a mark, not
    // letters, whatever follows it.
    std::vector<std::string> tplLines = text::splitLines(tpl);
    if (!tplLines.empty() && text::PageCharset::startsWithByteOrderMark(tplLines[0])) tplLines[0].erase(0, 3);
    std::u16string letters;
    for (const std::string& line : tplLines) {
        letters += charset.kind() == text::PageCharset::Utf8 ? text::utf8ToUtf16(line)
                                                             : text::PageCharset::fromProgram(line);
        letters += u"\r\n";
    }
    fuzzing::expect(
        sameLines(shown, replaced(letters, u"${TITLE}", text::PageCharset::fromProgram(NewPage::htmlText(title)))),
        "the page shows the template's letters, and the title as text wherever it has ${TITLE}");

    fuzzing::expect(!pages.doc_new("Wzor", "nowa", "inny"), "a page is made once");
    fuzzing::expect(bytesOf(page) == made, "a refused page leaves the first as it was");
    return 0;
}
