#pragma once
// The main window's exit question: every open document window first answers
// its own close question, in order, and one refusal stops the exit; then the
// user is asked "Czy zakończyć działanie aplikacji?" (title "Pytanie:", Yes
// and No) and only Yes lets the program close.
#include <functional>
#include <vector>

namespace pageeditor {

class MessageList;

// Each entry asks one document window and returns true when it may close.
bool exitQuestion(const std::vector<std::function<bool()>>& documentWindows, const MessageList& messages);

}  // namespace pageeditor
