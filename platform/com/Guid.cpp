#include "com/Guid.h"

#include <cstdio>
#include <cstdlib>

namespace com {

namespace {
int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
}  // namespace

std::string Guid::toString() const {
    char buf[40];
    std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", data1, data2, data3,
                  data4[0], data4[1], data4[2], data4[3], data4[4], data4[5], data4[6], data4[7]);
    return buf;
}

std::optional<Guid> Guid::parse(std::string_view t) {
    if (t.size() != 38 || t.front() != '{' || t.back() != '}') return std::nullopt;
    if (t[9] != '-' || t[14] != '-' || t[19] != '-' || t[24] != '-') return std::nullopt;
    std::uint8_t raw[16];
    int n = 0;
    for (std::size_t i = 1; i < 37; ++i) {
        if (i == 9 || i == 14 || i == 19 || i == 24) continue;
        int h = hexValue(t[i]), l = hexValue(t[i + 1]);
        if (h < 0 || l < 0) return std::nullopt;
        raw[n++] = static_cast<std::uint8_t>(h * 16 + l);
        ++i;
    }
    Guid g;
    g.data1 = (std::uint32_t(raw[0]) << 24) | (std::uint32_t(raw[1]) << 16) | (std::uint32_t(raw[2]) << 8) | raw[3];
    g.data2 = static_cast<std::uint16_t>((raw[4] << 8) | raw[5]);
    g.data3 = static_cast<std::uint16_t>((raw[6] << 8) | raw[7]);
    for (int i = 0; i < 8; ++i) g.data4[i] = raw[8 + i];
    return g;
}

std::array<std::uint8_t, 16> Guid::bytes() const {
    std::array<std::uint8_t, 16> b{};
    for (int i = 0; i < 4; ++i) b[i] = static_cast<std::uint8_t>(data1 >> (8 * i));
    for (int i = 0; i < 2; ++i) b[4 + i] = static_cast<std::uint8_t>(data2 >> (8 * i));
    for (int i = 0; i < 2; ++i) b[6 + i] = static_cast<std::uint8_t>(data3 >> (8 * i));
    for (int i = 0; i < 8; ++i) b[8 + i] = data4[i];
    return b;
}

Guid Guid::fromBytes(const std::array<std::uint8_t, 16>& b) {
    Guid g;
    g.data1 = std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) | (std::uint32_t(b[3]) << 24);
    g.data2 = static_cast<std::uint16_t>(b[4] | (b[5] << 8));
    g.data3 = static_cast<std::uint16_t>(b[6] | (b[7] << 8));
    for (int i = 0; i < 8; ++i) g.data4[i] = b[8 + i];
    return g;
}

Guid guid(std::string_view braced) {
    auto g = Guid::parse(braced);
    if (!g) std::abort();
    return *g;
}

}  // namespace com
