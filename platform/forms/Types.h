#pragma once
// Plain values the form runtime passes around: fonts, colours, key codes,
// mouse buttons and shift states, with the platform's numbers.
#include <cstdint>
#include <string>

namespace forms {

// Colours are 0x00BBGGRR; a value with the top bit set names a system colour.
namespace color {
constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t White = 0xFFFFFF;
constexpr std::uint32_t Red = 0x0000FF;
constexpr std::uint32_t ButtonFace = 0x8000000F;
constexpr std::uint32_t ButtonShadow = 0x80000010;
constexpr std::uint32_t ButtonText = 0x80000012;
constexpr std::uint32_t Window = 0x80000005;
constexpr std::uint32_t WindowText = 0x80000008;
constexpr std::uint32_t GrayText = 0x80000011;
constexpr std::uint32_t Highlight = 0x8000000D;
constexpr std::uint32_t HighlightText = 0x8000000E;
constexpr std::uint32_t rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>((r & 255) | ((g & 255) << 8) | ((b & 255) << 16));
}
}  // namespace color

struct Font {
    std::string name = "Arial";  // Windows-1250 bytes
    double size = 9.75;          // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    int charset = 238;
};

// Key codes as the platform numbers them.
namespace key {
enum : int {
    Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Pause = 19, Capital = 20,
    Escape = 27, Space = 32, Prior = 33, Next = 34, End = 35, Home = 36, Left = 37, Up = 38,
    Right = 39, Down = 40, Insert = 45, Delete = 46,
    // '0'..'9' are 48..57, 'A'..'Z' are 65..90.
    Numpad0 = 96, Multiply = 106, Add = 107, Subtract = 109, Decimal = 110, Divide = 111,
    F1 = 112, F2 = 113, F3 = 114, F4 = 115, F5 = 116, F6 = 117, F7 = 118, F8 = 119, F9 = 120,
    F10 = 121, F11 = 122, F12 = 123
};
}  // namespace key

// Shift state bits and mouse buttons.
namespace shift {
enum : int { Shift = 1, Ctrl = 2, Alt = 4 };
}
namespace mouse {
enum : int { Left = 1, Right = 2, Middle = 4 };
}

// How a form measures positions and sizes of itself and its controls.
enum class Scale { Twips, Pixels };

// 15 twips to a pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;

enum class Alignment { Left, Right, Center };

// Docking of a control inside its container, laid out in creation order.
enum class Align { None, Top, Bottom, Left, Right, Client };

}  // namespace forms
