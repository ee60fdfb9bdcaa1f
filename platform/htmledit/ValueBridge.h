#pragma once
// Command values to and from the page script (inside of the control).
#include <QJsonValue>
#include <QVariant>

#include "htmledit/Value.h"

namespace htmledit {

class ControlCore;

Value fromVariant(const ControlCore& core, const QVariant& v);
QJsonValue toJson(const ControlCore& core, const Value& v);

}  // namespace htmledit
