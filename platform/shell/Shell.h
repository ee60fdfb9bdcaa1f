#pragma once
// Opening documents and addresses with the desktop's associated program. Every
// call passes through forms::modal().shellExecute, so tests script the answer
// and the running program hands the target to the desktop.
#include <string>

namespace shell {

// The platform's show command for a normal window.
constexpr int kShowNormal = 1;

// Opens `file` with `verb` ("Open"); the result is the platform's: above 32
// on success, 32 or less when the target could not be opened. Texts are
// Windows-1250 bytes.
int execute(const std::string& verb, const std::string& file, const std::string& parameters = {},
            const std::string& directory = {}, int show = kShowNormal);

}  // namespace shell
