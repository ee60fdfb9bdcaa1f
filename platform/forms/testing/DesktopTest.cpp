#include "forms/testing/DesktopTest.h"

#include "forms/testing/DesktopEnvironment.h"

namespace forms::desktop {

void Test::SetUp() {
    if (!Environment::ready()) GTEST_SKIP() << Environment::why();
}

}  // namespace forms::desktop
