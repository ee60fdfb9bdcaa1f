// Pages opened and saved on the browser engine, headless: from the first
// save on, saving is a fixed point, and the saved page parses to the tree the
// page had when it was opened.
#include <gtest/gtest.h>

#include <QWidget>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "htmledit/EditControl.h"
#include "htmledit/TestApplication.h"
#include "text/CodePage.h"

using namespace htmledit;
using namespace text::literals;
namespace fs = std::filesystem;

namespace {

fs::path scratch(const std::string& name) {
    auto dir = fs::temp_directory_path() / ("htmledit_roundtrip_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir / name;
}

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

// The document's tree as the parser built it, in one text: every node of the
// head and the body with its attributes (the layer's own ones left out), its
// text and comments; blanks between the head's children do not count.
const char* kTree = R"(
(function () {
  const out = [];
  function walk(n, inHead) {
    if (n.nodeType === 3) {
      if (!(inHead && /^[ \t\r\n\f]*$/.test(n.data))) out.push('#' + JSON.stringify(n.data));
      return;
    }
    if (n.nodeType === 8) { out.push('!' + JSON.stringify(n.data)); return; }
    if (n.nodeType !== 1) return;
    const attrs = [];
    for (const a of n.attributes) if (a.name !== '_pw' && a.name !== '_pwsel') attrs.push(a.name + '=' + JSON.stringify(a.value));
    attrs.sort();
    out.push('<' + n.tagName + ' ' + attrs.join(' '));
    const kids = n.tagName === 'TEMPLATE' ? n.content.childNodes : n.childNodes;
    for (const c of kids) walk(c, n.tagName === 'HEAD');
    out.push('>');
  }
  if (document.head) walk(document.head, false);
  if (document.body) walk(document.body, false);
  return out.join('\n');
})()
)";

// Text, links and pictures: what a reader of the page sees of it.
const char* kContent = R"(
(function () {
  const links = Array.from(document.querySelectorAll('a[href]'), a => a.getAttribute('href'));
  const pics = Array.from(document.querySelectorAll('img[src]'), i => i.getAttribute('src'));
  return JSON.stringify([document.title, document.body ? document.body.textContent : '', links, pics]);
})()
)";

// Where a line of the text does not end CR LF, the text around it.
std::string looseLineEnd(const std::string& s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        bool bad = (s[i] == '\n' && (i == 0 || s[i - 1] != '\r')) || (s[i] == '\r' && (i + 1 == s.size() || s[i + 1] != '\n'));
        if (bad) return s.substr(i < 40 ? 0 : i - 40, 80);
    }
    return {};
}

// Empty where the texts are equal, else both texts around where they part.
std::string difference(const std::string& a, const std::string& b) {
    if (a == b) return {};
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    std::size_t from = i < 60 ? 0 : i - 60;
    return "at " + std::to_string(i) + ": [" + a.substr(from, 120) + "] / [" + b.substr(from, 120) + "]";
}

class RoundTrip : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        control_ = new EditControl();
        control_->widget()->resize(800, 600);
        control_->widget()->show();
    }
    static void TearDownTestSuite() {
        delete control_;
        control_ = nullptr;
        std::error_code ec;
        fs::remove_all(scratch("x").parent_path(), ec);
    }

    static EditControl& ed() { return *control_; }
    static bool open(const fs::path& file) {
        int before = ed().completedDocuments();
        return ed().loadDocument(file.string(), false) && ed().waitForDocuments(before + 1);
    }
    static std::string save(const fs::path& file) {
        EXPECT_TRUE(ed().saveDocument(file.string(), false));
        return readFile(file);
    }

    // Opens the page, saves it, opens the saved page and saves it again:
    // the tree and what a reader sees are kept, the two saves are equal and
    // every line of them ends CR LF. Failures name the page. The page is
    // opened from one file of the test's own, whose address the control
    // keeps from page to page.
    static void roundTrip(const std::string& bytes, const std::string& name) {
        SCOPED_TRACE(name);
        const fs::path page = scratch("page.html");
        writeFile(page, bytes);
        ASSERT_TRUE(open(page));
        const std::string tree = ed().evaluate(kTree), content = ed().evaluate(kContent);
        const std::string first = save(page);
        ASSERT_TRUE(open(page));
        EXPECT_EQ(difference(content, ed().evaluate(kContent)), "");
        EXPECT_EQ(difference(tree, ed().evaluate(kTree)), "");
        const std::string second = save(page);
        EXPECT_EQ(difference(first, second), "");
        EXPECT_EQ(looseLineEnd(first), "");
    }

    static EditControl* control_;
};
EditControl* RoundTrip::control_ = nullptr;

TEST_F(RoundTrip, PreformattedContentAndLinesOfTextAreKept) {
    const std::string head = "<html><head><title>t</title></head><body>";
    const char* cases[] = {
        // The parser drops one line break right after these start tags.
        "<pre>a\n b</pre>", "<pre>\na\n b</pre>", "<pre>\n\na</pre>", "<pre class=\"example\">\r\n\r\npi=1\r\n</pre>",
        "<textarea>x</textarea>", "<textarea>\nx</textarea>", "<textarea>\n\nx</textarea>",
        "<listing>x</listing>", "<listing>\nx</listing>", "<listing>\n\nx</listing>",
        "<pre><b>\na</b></pre>", "<pre></pre>", "<pre>\n</pre>",
        // Text over several lines, with each kind of line end.
        "<h2><a href=\"#a\">2. One</a></h2>\nIn discussions\nof it\n",
        "<h2><a href=\"#a\">2. One</a></h2>\r\nIn discussions\r\nof it\r\n",
        "<h2><a href=\"#a\">2. One</a></h2>\rIn discussions\rof it\r",
        "<p>a\r\n\r\nb\n\rc\r\rd</p><img src=\"p.png\"\nalt=\"two\r\nlines\">",
        // A carriage return the markup wrote as a reference stays one.
        "<p title=\"a&#13;b\">c&#13;d</p>",
    };
    for (const char* c : cases) roundTrip(head + c + "</body></html>", c);
}

// A page declared UTF-8 that holds bytes which are not: each such byte is
// saved as U+FFFD, and every character around them is kept.
TEST_F(RoundTrip, InvalidBytesOfAUtf8PageCostNoValidCharacter) {
    const std::string head = "<html><head><meta charset=\"utf-8\"><title>t</title></head><body><p>";
    const std::string invalid = "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 \xED\xA0\x80" "AB \xC0\x80" "C \xE2\x82" "D \xF4\x90\x80\x80"
                                "E \xF0\x9F\x98\x80 \x80" "F";
    const std::string r = "\xEF\xBF\xBD";
    const std::string valid = "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 " + r + r + r + "AB " + r + r + "C " + r + "D " + r + r + r +
                              r + "E \xF0\x9F\x98\x80 " + r + "F";
    auto page = scratch("utf8.html");
    writeFile(page, head + invalid + "</p></body></html>");
    ASSERT_TRUE(open(page));
    const std::string saved = save(scratch("utf8-saved.html"));
    EXPECT_NE(saved.find("<P>" + valid + "</P>"), std::string::npos) << saved;
    roundTrip(head + invalid + "</p></body></html>", "invalid UTF-8");
}

// Pages of the kinds that matter, kept with the tests: tables with and
// without rows, PRE and TEXTAREA that open with line breaks, XHTML-style
// self-closed elements (anchors among them), &#13;, and a page for each charset one may declare
// (ISO-8859-2, Windows-1250, UTF-8, none). Each holds the Polish letters in
// its own charset, which the page must be read in: a page read in another
// one would save its bytes back unchanged all the same.
TEST_F(RoundTrip, PagesOfEveryKindSaveTheSameFromTheFirstSaveOn) {
    const char* source = std::getenv("SUITE_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    std::vector<fs::path> pages;
    for (const auto& e : fs::directory_iterator(fs::path(source) / "platform" / "htmledit" / "pages"))
        if (e.path().extension() == ".html") pages.push_back(e.path());
    std::sort(pages.begin(), pages.end());
    ASSERT_GE(pages.size(), 4u);
    for (const auto& p : pages) {
        const std::string name = p.filename().string();
        ASSERT_TRUE(open(p)) << name;
        EXPECT_NE(ed().evaluate("document.body.textContent").find("Ąą Ćć Ęę Łł Ńń Óó Śś Źź Żż"_w), std::string::npos)
            << name;
        // Each anchor, self-closed ones too, is one element and no more.
        const std::string bytes = readFile(p);
        std::size_t anchors = 0;
        for (std::size_t at = bytes.find("<a "); at != std::string::npos; at = bytes.find("<a ", at + 1)) ++anchors;
        EXPECT_EQ(ed().evaluate("String(document.getElementsByTagName('a').length)"), std::to_string(anchors)) << name;
        roundTrip(bytes, name);
    }
}

constexpr std::uintmax_t kLargestPage = 2 * 1024 * 1024;
// The most pages of the machine's own that one run reads: enough to meet
// what others write, few enough that the run takes as long on a machine
// with thousands of pages as on one with a few hundred.
constexpr std::size_t kSampleSize = 300;

// A hash of the path's bytes (64-bit FNV-1a) that is the same on every
// machine and every run.
std::uint64_t pathHash(const std::string& path) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : path) h = (h ^ c) * 0x100000001b3ull;
    return h;
}

// The pages of lowest hash: the same choice whatever order the folder lists
// them in, and one that keeps most of its pages when a few are added.
std::vector<fs::path> sample(std::vector<fs::path> pages, std::size_t size) {
    std::vector<std::pair<std::uint64_t, fs::path>> ranked;
    for (auto& p : pages) ranked.emplace_back(pathHash(p.string()), std::move(p));
    std::sort(ranked.begin(), ranked.end());
    if (ranked.size() > size) ranked.resize(size);
    std::vector<fs::path> chosen;
    for (auto& r : ranked) chosen.push_back(std::move(r.second));
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

TEST_F(RoundTrip, PagesWrittenElsewhereSaveTheSameFromTheFirstSaveOn) {
    const fs::path folder = "/usr/share/doc";
    std::vector<fs::path> pages;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        auto ext = it->path().extension();
        // Pages of several megabytes (a whole manual in one file) take the
        // engine longer to open than a call may wait on a busy machine.
        if ((ext == ".html" || ext == ".htm") && it->is_regular_file(ec) && it->file_size(ec) < kLargestPage)
            pages.push_back(it->path());
    }
    if (pages.size() < 10) GTEST_SKIP() << "only " << pages.size() << " pages found";
    const std::size_t found = pages.size();
    pages = sample(std::move(pages), kSampleSize);
    // What a run read, so that another can be told apart from it or read the same.
    std::cout << "pages under " << folder.string() << ": " << found << "; read: " << pages.size()
              << " (those of lowest path hash)\n";
    for (const auto& p : pages) {
        std::cout << "  " << p.string() << "\n";
        try {
            roundTrip(readFile(p), p.string());
        } catch (const std::exception& e) {
            ADD_FAILURE() << p.string() << ": " << e.what();
        }
    }
}

TEST_F(RoundTrip, APageSavedTenTimesIsThePageSavedOnce) {
    auto page = scratch("ten.html");
    writeFile(page, "<html><head><title>t</title>\n<meta name=x content=y></head>\n<body>\n<pre>\n\nkod\n</pre>\n"
                    "<p>jeden\ndwa\r\ntrzy\rcztery</p>\n<textarea>\n\nx</textarea></body></html>\n");
    ASSERT_TRUE(open(page));
    const std::string once = save(scratch("once.html"));
    fs::copy_file(page, scratch("often.html"), fs::copy_options::overwrite_existing);
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(open(scratch("often.html")));
        save(scratch("often.html"));
    }
    EXPECT_EQ(difference(once, readFile(scratch("often.html"))), "");
}

}  // namespace
