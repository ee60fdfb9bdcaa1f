#include "pageeditor/app/ExitQuestion.h"

#include "pageeditor/core/MessageList.h"
#include "text/CodePage.h"

namespace pageeditor {

bool exitQuestion(const std::vector<std::function<bool()>>& documentWindows, const MessageList& messages) {
    for (const auto& mayClose : documentWindows)
        if (mayClose && !mayClose()) return false;
    return messages.MyBox(text::ansi("Czy zakończyć działanie aplikacji?"), "Pytanie:", 36) == 6;
}

}  // namespace pageeditor
