#pragma once
// The calling thread's description of the last failure, as a server library
// leaves it for its caller beside a failing result: the registration tool
// tells the user why DllRegisterServer failed in the library's own words.
// One slot per thread for the whole process, shared by the program and every
// library loaded into it.
#include <string>
#include <string_view>

namespace com {

// Replaces the thread's description (UTF-8); an empty text clears it.
void setErrorInfo(std::string_view description);
// The thread's description, which is cleared; empty when none was left.
std::string takeErrorInfo();

}  // namespace com
