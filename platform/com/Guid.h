#pragma once
// A globally unique identifier in the platform's layout: a 32-bit, two 16-bit
// fields and eight bytes, written as {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace com {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    bool operator==(const Guid&) const = default;
    bool isNull() const { return *this == Guid{}; }

    // "{F9F5B245-E80B-11D4-95D4-E305F180C055}", upper-case hex digits.
    std::string toString() const;
    // Accepts the braced form in either case; nullopt for anything else.
    static std::optional<Guid> parse(std::string_view text);
    // The 16 bytes as the platform stores them: the first three fields
    // little-endian, then data4 as it stands.
    std::array<std::uint8_t, 16> bytes() const;
    static Guid fromBytes(const std::array<std::uint8_t, 16>& b);
};

// For tables written as literals; aborts on a malformed literal.
Guid guid(std::string_view braced);

}  // namespace com
