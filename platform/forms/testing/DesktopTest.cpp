#include "forms/testing/DesktopTest.h"

#include "forms/testing/DesktopEnvironment.h"

namespace forms::desktop {

void Test::SetUp() {
    if (!Environment::installed()) GTEST_SKIP() << Environment::why();
    if (!Environment::ready()) FAIL() << Environment::why();
}

}  // namespace forms::desktop
