#pragma once
// The widget application of a target that drives forms, made once in
// LLVMFuzzerInitialize and kept to the end of the run; the windows are
// offscreen.
#include <cstdlib>

#include "forms/Application.h"

namespace fuzzing {

inline void startApplication() {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed: the targets' forms live to the end of the run too.
    static forms::Application* application = new forms::Application(argc, argv);
    (void)application;
}

}  // namespace fuzzing
