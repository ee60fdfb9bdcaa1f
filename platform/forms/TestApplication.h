#pragma once
// For GoogleTest programs that use forms: including this header creates the
// program's forms::Application before the first test (headless when
// QT_QPA_PLATFORM=offscreen, as the test runner sets it) and destroys it
// after the last one. Tests then install a forms::ScriptedAnswers with
// forms::setModal() to answer modal questions.
#include <gtest/gtest.h>

#include <memory>

#include "forms/Application.h"

namespace forms::drive {

class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "tests";
        static char* argv[] = {name, nullptr};
        if (!app_) app_ = std::make_unique<Application>(argc, argv);
    }
    // The application goes while the program still runs, not among the
    // static objects at exit: the toolkit's shutdown (and with it the web
    // engine's, whose threads would otherwise still run while the process
    // tears its heap down) needs the program's objects still in place.
    // Forms a test left behind stay; their windows go with the toolkit.
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<Application> app_;
};

inline ::testing::Environment* const applicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace forms::drive
