#pragma once
// For GoogleTest programs that use forms: including this header creates the
// program's forms::Application before the first test (headless when
// QT_QPA_PLATFORM=offscreen, as the test runner sets it). Tests then install
// a forms::ScriptedAnswers with forms::setModal() to answer modal questions.
#include <gtest/gtest.h>

#include "forms/Application.h"

namespace forms::drive {

class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "tests";
        static char* argv[] = {name, nullptr};
        // Never destroyed: widgets and timers of the tests may outlive any
        // order of static destruction.
        static Application* app = new Application(argc, argv);
        (void)app;
    }
};

inline ::testing::Environment* const applicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace forms::drive
