#include "com/ErrorInfo.h"

#include <QByteArray>
#include <QThread>
#include <QVariant>

namespace com {

namespace {
// A library carries its own copy of this layer; what every module of the
// process shares is the toolkit, so the slot is a property of the thread's
// object there.
constexpr char kProperty[] = "com.errorInfo";
}  // namespace

void setErrorInfo(std::string_view description) {
    const QByteArray text(description.data(), qsizetype(description.size()));
    QThread::currentThread()->setProperty(kProperty, text.isEmpty() ? QVariant() : QVariant(text));
}

std::string takeErrorInfo() {
    QThread* thread = QThread::currentThread();
    const QByteArray text = thread->property(kProperty).toByteArray();
    thread->setProperty(kProperty, QVariant());
    return text.toStdString();
}

}  // namespace com
