#pragma once
// The date text of data.dat: the system's short date, "yyyy-mm-dd" (the form
// the program writes); "dd.mm.yyyy" and "dd-mm-yyyy" are read too.
#include <chrono>
#include <optional>
#include <string>

namespace dictionary {

class ShortDate {
public:
    static std::optional<std::chrono::sys_days> parse(const std::string& text);
    static std::string format(std::chrono::sys_days day);
    static std::chrono::sys_days today();
    // The update reminder: more than 28 days since the last update.
    static bool overdue(std::chrono::sys_days lastUpdate, std::chrono::sys_days today);
};

}  // namespace dictionary
