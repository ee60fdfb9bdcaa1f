#pragma once
// The markup of the link dialog: the new anchor and the download note that
// can follow a link to an archive, PDF, music, Word or drawing file.
#include <string>
#include <string_view>

namespace pageeditor {

// True when the address names a file of a kind the download note knows
// (".pdf", ".doc", ".mp3", ".rar", ".zip", ".cdr", anywhere, exact case).
bool offersDownloadNote(std::string_view address);

// "<br><a href=" + the download page of a program for the address's kind +
// ">" + noteText + "</a>"; the kinds are tested in the order rar, zip, pdf,
// mp3, doc, cdr and the last match counts. Empty when none matches.
std::string downloadNote(std::string_view address, std::string_view noteText);

// "<a href=\"address\" title=\"title\" target=\"target\">content</a>" + note,
// the address and title written so that a quote or bracket in them stays
// inside the attribute.
std::string linkAnchor(std::string_view address, std::string_view title, std::string_view target,
                       std::string_view content, std::string_view note);

}  // namespace pageeditor
