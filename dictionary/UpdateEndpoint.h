#pragma once
// The dictionary's update server: the files of the version check and of the
// word-base update lie directly under one base address and are fetched with
// a plain HTTP GET. The address can be replaced through the environment
// variable WORTEL_UPDATE_URL (for a mirror, or a local server under test).
//
// Each file is bounded by what it can hold: the short answers (version,
// count, increment number) a few kilobytes, the comment 64 KB, an increment
// file 16 MB (a whole base of 32767 long lines is less). A request ends with
// a time-out when the server is silent for 60 seconds or when the whole
// answer takes longer than any real one could (2 minutes for a short answer,
// 10 for an increment file), however slowly the bytes trickle.
#include <cstdint>
#include <filesystem>
#include <string>

namespace dictionary {

class UpdateEndpoint {
public:
    static constexpr const char* DefaultAddress = "http://www.wortel.pl/aktualizacja/";
    static constexpr const char* AddressVariable = "WORTEL_UPDATE_URL";
    static constexpr const char* PackageName = "wortel.zip";
    static constexpr std::int64_t AnswerBound = 4096;
    static constexpr std::int64_t CommentBound = 65536;
    static constexpr std::int64_t IncrementBound = std::int64_t(16) << 20;

    // The base address in force, always ending in "/".
    static std::string baseAddress();
    // The address of a file under the base address.
    static std::string address(const std::string& file);
    // The body of a short file (bytes as sent). Raises net::NetError when the
    // server cannot be reached, does not answer in time, answers with an
    // error status (an error page is never taken as data), sends more than
    // the file can hold, or the request is cancelled.
    static std::string fetch(const std::string& file);
    // An increment file written into `target` as it arrives, followed by
    // CR LF; raises as fetch() does, and also when the server did not say
    // where the file ends (a body cut off by a broken connection) or the
    // target cannot be written. On failure the target is removed.
    static void fetchTo(const std::string& file, const std::filesystem::path& target);
    // Cancels the request under way (a window closed while it runs): it
    // raises net::NetError of the kind Aborted.
    static void cancel();
};

}  // namespace dictionary
