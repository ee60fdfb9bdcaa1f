#pragma once
// A failure of the editing control or of its document: a stale handle, an
// operation the object does not offer, a command the engine refused, a file
// that could not be read or written.
#include <stdexcept>
#include <string>

namespace htmledit {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace htmledit
