#pragma once
// For GoogleTest programs that start the editing engine: the process is
// prepared for the engine before the program's forms::Application is made
// (forms/TestApplication.h makes it before the first test and destroys it
// after the last; the engine's views and the engine go with it).
#include "forms/TestApplication.h"
#include "htmledit/EditControl.h"

namespace htmledit::drive {

inline const bool processPrepared = (prepareProcess(), true);

}  // namespace htmledit::drive
