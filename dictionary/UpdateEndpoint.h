#pragma once
// The dictionary's update server: the files of the version check and of the
// word-base update lie directly under one base address and are fetched with
// a plain HTTP GET. The address can be replaced through the environment
// variable WORTEL_UPDATE_URL (for a mirror, or a local server under test).
#include <string>

namespace dictionary {

class UpdateEndpoint {
public:
    static constexpr const char* DefaultAddress = "http://www.wortel.pl/aktualizacja/";
    static constexpr const char* AddressVariable = "WORTEL_UPDATE_URL";
    static constexpr const char* PackageName = "wortel.zip";

    // The base address in force, always ending in "/".
    static std::string baseAddress();
    // The address of a file under the base address.
    static std::string address(const std::string& file);
    // The body of a file (bytes as sent). Raises net::NetError when the
    // server cannot be reached, does not answer within 60 seconds, or
    // answers with an error status (an error page is never taken as data).
    static std::string fetch(const std::string& file);
};

}  // namespace dictionary
