#pragma once
// The registration tool: `regsvr [/u] [/s] file` loads a server library and
// calls its DllRegisterServer (or, with /u, DllUnregisterServer). Without /s
// it says what happened; the exit code tells it in any case.
#include <ostream>
#include <string>
#include <vector>

namespace com {

enum RegisterToolExit {
    RegOk = 0,
    RegBadArguments = 1,
    RegLoadFailed = 3,
    RegNoEntryPoint = 4,
    RegCallFailed = 5,
};

// `args` without the program name. Messages are UTF-8.
int runRegisterTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace com
