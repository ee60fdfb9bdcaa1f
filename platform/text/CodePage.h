#pragma once
// The two 8-bit code pages the suite's text lives in, and their mapping to Unicode.
// The system's own text is Windows-1250 bytes held in std::string; it becomes
// Unicode only where it meets a widget, a file name or a page engine.
#include <cstddef>
#include <string>
#include <string_view>

namespace text {

enum class CodePage { Windows1250, Iso8859_2 };

// Bytes of a code page to UTF-16. Bytes the code page leaves undefined
// (0x81, 0x83, ... in Windows-1250) map to U+FFFD.
std::u16string toUtf16(std::string_view bytes, CodePage cp = CodePage::Windows1250);
std::string toUtf8(std::string_view bytes, CodePage cp = CodePage::Windows1250);

// Encodes UTF-16 or UTF-8 into a code page. A character the code page cannot
// hold is never silently replaced: the result is false, `out` holds the text up
// to that character and `badIndex` (when given) its index in the input.
bool fromUtf16(std::u16string_view s, std::string& out, CodePage cp = CodePage::Windows1250,
               std::size_t* badIndex = nullptr);
bool fromUtf8(std::string_view s, std::string& out, CodePage cp = CodePage::Windows1250,
              std::size_t* badIndex = nullptr);

// What becomes of a character the code page lacks when text is encoded
// whatever it holds: left out, written as '?', or written as the HTML
// character reference "&#N;" (N the decimal code point).
enum class Lacking { Drop, QuestionMark, Reference };

// Encodes UTF-16 into a code page, every character kept or handled as `how`
// says; `lacking` (when given) counts the characters the code page lacks.
std::string encode(std::u16string_view s, CodePage cp, Lacking how, std::size_t* lacking = nullptr);

// Encodes the characters the code page can hold and drops the rest, counting
// them in `dropped`. For text typed or pasted by the user, where the widget
// layer tells the user what was left out.
std::string fromUtf16Dropping(std::u16string_view s, CodePage cp, std::size_t* dropped);

// UTF-8 and UTF-16 of the same text. An invalid UTF-8 sequence decodes as
// U+FFFD; a lone surrogate is written as it stands.
std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view s);

// A UTF-8 literal of the program's own (all of them are Polish or German) as
// Windows-1250 bytes. Aborts on a character outside the code page: that is a
// fault in the program's source, not in user data.
std::string ansi(std::string_view utf8);

// One byte of one code page as the same character in the other; a character
// missing from the target (none among the Polish letters) becomes '?'.
char convertByte(char c, CodePage from, CodePage to);
std::string convert(std::string_view bytes, CodePage from, CodePage to);

namespace literals {
inline std::string operator""_w(const char* s, std::size_t n) { return ansi({s, n}); }
}  // namespace literals

}  // namespace text
