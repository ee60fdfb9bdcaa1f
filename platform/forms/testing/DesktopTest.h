#pragma once
// A test that needs the real display of DesktopEnvironment.h: skipped where
// the programs to make it with are not installed, failed where they are and
// it could not be made (a test that never ran is not reported as passed).
#include <gtest/gtest.h>

namespace forms::desktop {

class Test : public ::testing::Test {
protected:
    void SetUp() override;
};

}  // namespace forms::desktop
