#pragma once
// Type information built from one table per library: its interfaces with the
// members in order (dispatch ids, kinds, arguments, help strings), its classes
// and enumerations. The same table answers name lookup and guards dispatch,
// and registration takes the names and identifiers from it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "com/Dispatch.h"
#include "com/Guid.h"

namespace com {

enum TypeFlags : std::uint16_t {
    TYPEFLAG_FHIDDEN = 0x10,
    TYPEFLAG_FCONTROL = 0x20,
    TYPEFLAG_FDUAL = 0x40,
    TYPEFLAG_FNONEXTENSIBLE = 0x80,
    TYPEFLAG_FOLEAUTOMATION = 0x100,
    TYPEFLAG_FDISPATCHABLE = 0x1000,
};

enum class MemberKind { Method, PropertyGet, PropertyPut, PropertyPutRef };

struct ParamInfo {
    std::string name;
    std::string type;  // "String", "OLE_COLOR", "Font", an enumeration's name...
    bool byRef = false;
};

struct MemberInfo {
    std::string name;
    MemberKind kind = MemberKind::Method;
    DispId id = 0;
    std::vector<ParamInfo> params;
    std::string help;
};

struct InterfaceInfo {
    std::string name;
    Guid iid;
    std::uint16_t typeFlags = 0;
    std::vector<MemberInfo> members;

    // The first member of that name (without regard to case), or null.
    const MemberInfo* find(std::string_view name) const;
    // The member with that id that answers to `flags` (a get for
    // DISPATCH_PROPERTYGET, a put for a put...), or null.
    const MemberInfo* find(DispId id, std::uint16_t flags) const;
    bool hasId(DispId id) const;

    // GetIDsOfNames over this table: the first name is a member, the rest
    // are its parameters, whose ids are their positions.
    HRESULT idsOfNames(const std::vector<std::string>& names, std::vector<DispId>& ids) const;
    // Checks a call against the table: DISP_E_MEMBERNOTFOUND for an unknown
    // id or a kind the member lacks, DISP_E_BADPARAMCOUNT for a wrong count.
    HRESULT check(DispId id, std::uint16_t flags, std::size_t argCount, const MemberInfo** member = nullptr) const;
};

struct EnumInfo {
    std::string name;
    Guid id;
    struct Item {
        std::string name;
        std::int32_t value;
    };
    std::vector<Item> items;
};

struct ClassInfo {
    std::string name;
    Guid clsid;
    std::uint16_t typeFlags = 0;
    Guid defaultInterface;
    Guid sourceInterface;
};

struct TypeLibraryInfo {
    std::string name;
    std::string help;
    Guid libid;
    std::uint16_t major = 1, minor = 0;
    std::uint32_t lcid = 0;
    std::uint16_t libFlags = 0;
    std::vector<InterfaceInfo> interfaces;
    std::vector<ClassInfo> classes;
    std::vector<EnumInfo> enums;
    // The type descriptions by name, in the library's order.
    std::vector<std::string> order;

    const InterfaceInfo* findInterface(const Guid& iid) const;
};

}  // namespace com
