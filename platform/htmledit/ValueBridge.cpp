#include "htmledit/ValueBridge.h"

#include "htmledit/ControlCore.h"

namespace htmledit {

Value fromVariant(const ControlCore& core, const QVariant& v) {
    if (!v.isValid() || v.isNull()) return {};
    switch (v.typeId()) {
    case QMetaType::Bool: return Value(v.toBool());
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong: return Value(static_cast<long>(v.toLongLong()));
    case QMetaType::Double: {
        double d = v.toDouble();
        return Value(static_cast<long>(d));
    }
    case QMetaType::QVariantList: {
        std::vector<std::string> list;
        for (const auto& x : v.toList()) list.push_back(core.out(x.toString()));
        return Value(std::move(list));
    }
    default: return Value(core.out(v.toString()));
    }
}

QJsonValue toJson(const ControlCore& core, const Value& v) {
    switch (v.kind()) {
    case Value::Kind::Bool: return QJsonValue(v.toBool());
    case Value::Kind::Int: return QJsonValue(static_cast<qint64>(v.toInt()));
    case Value::Kind::Text: return QJsonValue(core.in(v.toText()));
    default: return QJsonValue(QJsonValue::Null);
    }
}

}  // namespace htmledit
