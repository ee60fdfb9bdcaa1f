#pragma once
// Handlers run guarded: an error that escapes one ends that handler and goes
// to the application's exception handler. The editor's handler (AppException)
// does nothing, so the error is dropped without a message.
#include <exception>
#include <functional>

namespace pageeditor {

using ExceptionHandler = std::function<void(std::exception_ptr)>;

// The application's exception handler; an empty one drops errors too.
void setApplicationExceptionHandler(ExceptionHandler handler);
void AppException(std::exception_ptr error);

// Runs `handler`, passing any error that escapes it to the exception handler.
void runHandler(const std::function<void()>& handler);

// `handler` wrapped so that it runs guarded.
template <class F>
std::function<void()> guarded(F handler) {
    return [handler] { runHandler(handler); };
}

}  // namespace pageeditor
