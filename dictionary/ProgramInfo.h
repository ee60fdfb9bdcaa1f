#pragma once
// The program's name, title and version, as its windows show them.
namespace dictionary {

constexpr const char* kProgramName = "Wortel";
// Windows-1250 is made from these where they are shown.
constexpr const char* kProgramTitleUtf8 = "Wortel – słownik niemiecko-polski";
constexpr int kVersionMajor = 0;
constexpr int kVersionMinor = 7;
constexpr int kVersionRevision = 3;

}  // namespace dictionary
