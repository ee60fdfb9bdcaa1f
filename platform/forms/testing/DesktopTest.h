#pragma once
// A test that needs the real display of DesktopEnvironment.h: skipped where
// the environment could not make it.
#include <gtest/gtest.h>

namespace forms::desktop {

class Test : public ::testing::Test {
protected:
    void SetUp() override;
};

}  // namespace forms::desktop
