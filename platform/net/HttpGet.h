#pragma once
// A synchronous HTTP GET for small files: returns the body as bytes, or
// raises NetError (Polish message) when the server cannot be reached, does
// not answer in time, or answers with an error status. Like every request of
// this layer it waits in a nested event loop, so windows keep working, and it
// never uses a proxy from the environment.
#include <string>

#include "net/NetError.h"

namespace net {

struct HttpOptions {
    int connectTimeoutMs = 30000;
    int idleTimeoutMs = 60000;  // longest silence of the server
};

std::string httpGet(const std::string& url, const HttpOptions& options = {});

}  // namespace net
