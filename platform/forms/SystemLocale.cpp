#include "forms/SystemLocale.h"

#include <QLocale>

#include "text/CodePage.h"

namespace forms {

std::string localeWeekdayName(int weekday) {
    if (weekday < 0 || weekday > 6) return {};
    QLocale loc = QLocale::system();
    if (loc.language() == QLocale::C) return {};
    QString name = loc.dayName(weekday == 0 ? 7 : weekday, QLocale::LongFormat);
    std::string out;
    std::u16string u(reinterpret_cast<const char16_t*>(name.utf16()), static_cast<std::size_t>(name.size()));
    if (!text::fromUtf16(u, out)) return {};
    return out;
}

}  // namespace forms
