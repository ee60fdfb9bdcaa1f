// Build-time helper that lays out the editor's program folder:
//   disttool text <source> <target>  - a UTF-8 text file of the source tree
//                                      written as Windows-1250 with CR LF;
//                                      a character the code page cannot hold
//                                      stops the build.
//   disttool bmp <source> <target>   - a 24-bit BMP drawn from a small
//                                      drawing description (see drawBmp).
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "text/CodePage.h"
#include "text/LineFile.h"

namespace {

int convertText(const std::string& from, const std::string& to) {
    std::string bytes;
    if (!text::readFile(from, bytes)) {
        std::cerr << "disttool: cannot read " << from << "\n";
        return 1;
    }
    // A byte-order mark of an editor is not part of the text.
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
    std::vector<std::string> lines = text::splitLines(bytes);
    std::vector<std::string> out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string line;
        std::size_t bad = 0;
        if (!text::fromUtf8(lines[i], line, text::CodePage::Windows1250, &bad)) {
            std::cerr << from << ":" << (i + 1) << ": character at byte " << bad
                      << " has no Windows-1250 form\n";
            return 1;
        }
        out.push_back(line);
    }
    if (!text::writeLines(to, out)) {
        std::cerr << "disttool: cannot write " << to << "\n";
        return 1;
    }
    return 0;
}

struct Canvas {
    int w = 0, h = 0;
    std::vector<std::uint8_t> rgb;  // top-down rows
    void fill(int x, int y, int cw, int ch, std::uint32_t c) {
        for (int yy = std::max(0, y); yy < std::min(h, y + ch); ++yy)
            for (int xx = std::max(0, x); xx < std::min(w, x + cw); ++xx) {
                std::size_t p = (static_cast<std::size_t>(yy) * w + xx) * 3;
                rgb[p] = (c >> 16) & 0xFF;
                rgb[p + 1] = (c >> 8) & 0xFF;
                rgb[p + 2] = c & 0xFF;
            }
    }
    // A vertical blend from colour a at the top to b at the bottom.
    void gradient(int x, int y, int cw, int ch, std::uint32_t a, std::uint32_t b) {
        for (int i = 0; i < ch; ++i) {
            auto mix = [&](int shift) {
                int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
                return static_cast<std::uint32_t>(ca + (cb - ca) * i / std::max(1, ch - 1)) << shift;
            };
            fill(x, y + i, cw, 1, mix(16) | mix(8) | mix(0));
        }
    }
};

void put16(std::string& s, std::uint16_t v) { s += char(v & 0xFF); s += char(v >> 8); }
void put32(std::string& s, std::uint32_t v) { for (int i = 0; i < 4; ++i) s += char((v >> (8 * i)) & 0xFF); }

std::string encodeBmp(const Canvas& c) {
    const int stride = (c.w * 3 + 3) & ~3;
    std::string s;
    s += "BM";
    put32(s, 54 + stride * c.h);
    put32(s, 0);
    put32(s, 54);
    put32(s, 40);
    put32(s, c.w);
    put32(s, c.h);
    put16(s, 1);
    put16(s, 24);
    put32(s, 0);
    put32(s, stride * c.h);
    put32(s, 2835);
    put32(s, 2835);
    put32(s, 0);
    put32(s, 0);
    for (int y = c.h - 1; y >= 0; --y) {  // bottom-up, BGR
        for (int x = 0; x < c.w; ++x) {
            std::size_t p = (static_cast<std::size_t>(y) * c.w + x) * 3;
            s += char(c.rgb[p + 2]);
            s += char(c.rgb[p + 1]);
            s += char(c.rgb[p]);
        }
        s.append(stride - c.w * 3, '\0');
    }
    return s;
}

// Description lines:
//   size W H
//   rect X Y W H RRGGBB
//   grad X Y W H RRGGBB RRGGBB
//   lines X Y W H RRGGBB   (text lines: 2-pixel bars every 5 pixels, ragged)
// '#' starts a comment line.
int drawBmp(const std::string& from, const std::string& to) {
    std::ifstream in(from);
    if (!in) {
        std::cerr << "disttool: cannot read " << from << "\n";
        return 1;
    }
    Canvas c;
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        if (line.empty() || line[0] == '#') continue;
        std::istringstream ls(line);
        std::string op;
        ls >> op;
        int x = 0, y = 0, w = 0, h = 0;
        std::string c1, c2;
        if (op == "size") {
            ls >> c.w >> c.h;
            c.rgb.assign(static_cast<std::size_t>(c.w) * c.h * 3, 0xFF);
            continue;
        }
        ls >> x >> y >> w >> h >> c1 >> c2;
        if (!ls && !(ls.eof() && !c1.empty())) {
            std::cerr << from << ":" << n << ": bad line\n";
            return 1;
        }
        std::uint32_t a = std::stoul(c1, nullptr, 16);
        if (op == "rect") {
            c.fill(x, y, w, h, a);
        } else if (op == "grad") {
            c.gradient(x, y, w, h, a, std::stoul(c2, nullptr, 16));
        } else if (op == "lines") {
            for (int yy = y, i = 0; yy + 2 <= y + h; yy += 5, ++i) {
                int len = w - (i * 7 % 5) * w / 10;
                if (i % 4 == 3) len = w / 2;
                c.fill(x, yy, len, 2, a);
            }
        } else {
            std::cerr << from << ":" << n << ": unknown drawing " << op << "\n";
            return 1;
        }
    }
    if (c.w <= 0 || c.h <= 0) {
        std::cerr << from << ": no size line\n";
        return 1;
    }
    if (!text::writeFile(to, encodeBmp(c))) {
        std::cerr << "disttool: cannot write " << to << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "text") return convertText(argv[2], argv[3]);
    if (argc == 4 && std::string(argv[1]) == "bmp") return drawBmp(argv[2], argv[3]);
    std::cerr << "usage: disttool text|bmp <source> <target>\n";
    return 2;
}
