#include "pageeditor/dialogs/HandlerGuard.h"

namespace pageeditor {

namespace {
ExceptionHandler& handlerSlot() {
    static ExceptionHandler h;
    return h;
}
}  // namespace

void setApplicationExceptionHandler(ExceptionHandler handler) { handlerSlot() = std::move(handler); }

void AppException(std::exception_ptr) {}

void runHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        if (auto& h = handlerSlot()) {
            try {
                h(std::current_exception());
            } catch (...) {
            }
        }
    }
}

}  // namespace pageeditor
