// Linked into every test and benchmark program: run by hand from the build
// folder, such a program finds the build's and the source tree's folders and
// runs headless as the test runner runs it. A value already set is kept
// (QT_QPA_PLATFORM=xcb, for example, shows the windows on the desktop).
#include <cstdlib>

namespace {
const bool environmentSet = [] {
    setenv("SUITE_BINARY_DIR", SUITE_BUILT_BINARY_DIR, 0);
    setenv("SUITE_SOURCE_DIR", SUITE_BUILT_SOURCE_DIR, 0);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return true;
}();
}  // namespace
