#pragma once
// For GoogleTest programs that show their windows on a real X display with a
// window manager, where the headless platform shows nothing of them: the
// display of their own with openbox on it (testing/DesktopEnvironment.h),
// the tests that need it (testing/DesktopTest.h), and what they ask of the X
// server and give it as input (testing/DesktopScreen.h). A program that
// includes this links platform_forms_desktop. Without Xvfb, openbox and xprop
// installed the tests are skipped.
#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/QtAccess.h"
#include "forms/testing/DesktopEnvironment.h"
#include "forms/testing/DesktopScreen.h"
#include "forms/testing/DesktopTest.h"
