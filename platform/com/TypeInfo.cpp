#include "com/TypeInfo.h"

#include "text/CaseRules.h"

namespace com {

namespace {
bool answers(const MemberInfo& m, std::uint16_t flags) {
    switch (m.kind) {
        case MemberKind::Method: return (flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) != 0;
        case MemberKind::PropertyGet: return (flags & DISPATCH_PROPERTYGET) != 0;
        case MemberKind::PropertyPut: return (flags & DISPATCH_PROPERTYPUT) != 0;
        case MemberKind::PropertyPutRef: return (flags & (DISPATCH_PROPERTYPUTREF | DISPATCH_PROPERTYPUT)) != 0;
    }
    return false;
}
}  // namespace

const MemberInfo* InterfaceInfo::find(std::string_view name) const {
    for (auto& m : members)
        if (text::equalsNoCase(m.name, name)) return &m;
    return nullptr;
}

const MemberInfo* InterfaceInfo::find(DispId id, std::uint16_t flags) const {
    // An exact kind first (a put-by-reference before a plain put for
    // DISPATCH_PROPERTYPUTREF), then any member that answers.
    for (auto& m : members)
        if (m.id == id && ((flags == DISPATCH_PROPERTYPUTREF && m.kind == MemberKind::PropertyPutRef) ||
                           (flags == DISPATCH_PROPERTYPUT && m.kind == MemberKind::PropertyPut)))
            return &m;
    for (auto& m : members)
        if (m.id == id && answers(m, flags)) return &m;
    return nullptr;
}

bool InterfaceInfo::hasId(DispId id) const {
    for (auto& m : members)
        if (m.id == id) return true;
    return false;
}

HRESULT InterfaceInfo::idsOfNames(const std::vector<std::string>& names, std::vector<DispId>& ids) const {
    ids.assign(names.size(), DISPID_UNKNOWN);
    if (names.empty()) return S_OK;
    const MemberInfo* m = find(names[0]);
    if (!m) return DISP_E_UNKNOWNNAME;
    ids[0] = m->id;
    HRESULT hr = S_OK;
    for (std::size_t i = 1; i < names.size(); ++i) {
        bool found = false;
        for (std::size_t p = 0; p < m->params.size(); ++p)
            if (text::equalsNoCase(m->params[p].name, names[i])) {
                ids[i] = static_cast<DispId>(p);
                found = true;
            }
        if (!found) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

HRESULT InterfaceInfo::check(DispId id, std::uint16_t flags, std::size_t argCount, const MemberInfo** member) const {
    const MemberInfo* m = find(id, flags);
    if (!m) return DISP_E_MEMBERNOTFOUND;
    if (member) *member = m;
    std::size_t want = m->kind == MemberKind::PropertyGet ? 0 : m->params.size();
    if (m->kind == MemberKind::PropertyPut || m->kind == MemberKind::PropertyPutRef) want = 1;
    if (argCount != want) return DISP_E_BADPARAMCOUNT;
    return S_OK;
}

const InterfaceInfo* TypeLibraryInfo::findInterface(const Guid& iid) const {
    for (auto& i : interfaces)
        if (i.iid == iid) return &i;
    return nullptr;
}

}  // namespace com
