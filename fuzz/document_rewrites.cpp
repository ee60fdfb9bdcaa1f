// The rewrites of whole page texts: the charset a page declares, its bytes
// decoded and encoded again, the conversions between the page's letters and
// the program's, and the replacements run over a whole document.
// Input: find NUL replacement NUL document.
#include "FuzzInput.h"
#include "pageeditor/core/TextRoutines.h"
#include "text/PageCharset.h"

using namespace pageeditor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto in = fuzzing::parts(fuzzing::asText(data, size), 3);
    const std::string& doc = in[2];
    text::PageCharset cs = text::PageCharset::declaredIn(doc);
    std::u16string wide = cs.decodeFile(doc);
    cs.encodeFile(wide);
    text::PageCharset::declaredIn(wide);
    text::PageCharset::toProgram(wide);
    text::PageCharset::toProgramMarkup(wide);
    text::PageCharset::fromName(in[0]);
    iso(doc);
    win(doc);
    repl(in[0], in[1], doc);
    replace_all(in[0], in[1], doc);
    replace_chars(in[0], in[1], doc);
    ext_of(in[0]);
    return 0;
}
