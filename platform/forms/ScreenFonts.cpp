#include "forms/ScreenFonts.h"

#include <QFontDatabase>

#include "forms/QtAccess.h"
#include "text/CodePage.h"

namespace forms {

std::vector<std::string> screenFonts() {
    std::vector<std::string> names;
    for (const QString& family : QFontDatabase::families()) {
        std::string ansi;
        const QByteArray utf8 = family.toUtf8();
        if (!text::fromUtf8(std::string(utf8.constData(), static_cast<std::size_t>(utf8.size())), ansi)) continue;
        names.push_back(ansi);
    }
    return names;
}

}  // namespace forms
