#include "dictionary/UpdateEndpoint.h"

#include <cstdlib>

#include "net/HttpGet.h"

namespace dictionary {

std::string UpdateEndpoint::baseAddress() {
    std::string base = DefaultAddress;
    if (const char* v = std::getenv(AddressVariable); v && *v) base = v;
    if (base.back() != '/') base += '/';
    return base;
}

std::string UpdateEndpoint::address(const std::string& file) { return baseAddress() + file; }

std::string UpdateEndpoint::fetch(const std::string& file) {
    net::HttpOptions options;
    options.idleTimeoutMs = 60000;
    return net::httpGet(address(file), options);
}

}  // namespace dictionary
