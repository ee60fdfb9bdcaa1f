#include "htmledit/CommandTarget.h"

#include "forms/ModalAnswers.h"
#include "htmledit/ControlCore.h"
#include "htmledit/Error.h"
#include "htmledit/ValueBridge.h"
#include "text/CodePage.h"

namespace htmledit {

using namespace text::literals;

namespace {

bool known(CommandGroup group, int id) {
    if (group == CommandGroup::Editor) return id == cmd::Redo;
    switch (id) {
    case cmd::Undo:
    case cmd::Redo:
    case cmd::Find:
    case cmd::HorizontalLine:
    case cmd::NumberedList:
    case cmd::BulletedList:
    case cmd::Indent:
    case cmd::Outdent:
    case cmd::BlockFormatNames:
    case cmd::BlockFormat: return true;
    default: return false;
    }
}

}  // namespace

int CommandTarget::exec(CommandGroup group, int id, int option, const Value& input, Value* output) {
    if (output) *output = Value();
    if (!known(group, id)) return cmd::NotSupported;
    if (!core_ || !core_->ready()) return cmd::Disabled;
    auto& c = *core_;
    try {
        switch (id) {
        case cmd::Undo: return c.call("undo").toBool() ? cmd::Ok : cmd::Disabled;
        case cmd::Redo: return c.call("redo").toBool() ? cmd::Ok : cmd::Disabled;
        case cmd::Find: {
            // The find dialog speaks the program's own Windows-1250; an
            // input given by the caller is the page's 8-bit text.
            QString q;
            if (option == cmd::DontAskUser) {
                q = c.in(input.toText());
            } else {
                std::string answer;
                if (!forms::modal().inputBox("Znajdź tekst:"_w, "Znajdź"_w, c.lastFind, answer)) return cmd::Ok;
                c.lastFind = answer;
                q = QString::fromStdU16String(text::toUtf16(answer));
            }
            if (q.isEmpty()) return cmd::Ok;
            if (!c.call("find", {q}).toBool() && option != cmd::DontAskUser)
                forms::modal().messageBox("Nie znaleziono szukanego tekstu."_w, "Informacja:", 64);
            return cmd::Ok;
        }
        case cmd::BlockFormatNames: {
            Value v = fromVariant(c, c.call("mshtml", {id, QJsonValue()}));
            if (output) *output = v;
            return cmd::Ok;
        }
        case cmd::BlockFormat: {
            Value v = fromVariant(c, c.call("mshtml", {id, toJson(c, input)}));
            if (output) *output = v;
            return cmd::Ok;
        }
        default: c.call("mshtml", {id, QJsonValue()}); return cmd::Ok;
        }
    } catch (const Error&) {
        return cmd::Failed;
    }
}

int CommandTarget::queryStatus(CommandGroup group, int id) {
    if (!known(group, id)) return 0;
    if (!core_ || !core_->ready()) return cmd::Supported;
    if (group == CommandGroup::Editor) id = cmd::Redo;
    try {
        return core_->call("mshtmlStatus", {id}).toInt();
    } catch (const Error&) {
        return cmd::Supported;
    }
}

}  // namespace htmledit
