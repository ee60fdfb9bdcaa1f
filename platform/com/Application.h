#pragma once
// The widget application of the process, made on demand (for tools and
// tests that host controls without a program around them).
namespace com {

void ensureApplication();
// Runs pending window events for about `ms` milliseconds.
void processEvents(int ms = 0);

}  // namespace com
