#pragma once
// A synchronous HTTP GET for small files: returns the body as bytes (or hands
// it, as it arrives, to a sink), or raises NetError (Polish message) when the
// server cannot be reached, does not answer in time, answers with an error
// status, sends more than the request may carry, or the request is aborted.
// It waits in a nested event loop: windows keep painting and timers keep
// running, but keys and clicks meant for the program's windows are dropped
// until the request is over (the request is synchronous to the user). It
// never uses a proxy from the environment.
#include <cstdint>
#include <functional>
#include <string>

#include "net/NetError.h"

namespace net {

struct HttpOptions {
    int connectTimeoutMs = 30000;
    int idleTimeoutMs = 60000;    // longest silence of the server
    int totalTimeoutMs = 600000;  // longest whole request, however the bytes trickle
    std::int64_t maxBytes = 16 << 20;  // largest body the request may carry
    // The body counts as whole only when the server said where it ends
    // (Content-Length or the last chunk); one ended by a closed connection
    // may have been cut off and fails as a lost connection.
    bool requireDeclaredEnd = false;
};

std::string httpGet(const std::string& url, const HttpOptions& options = {});

// The same request with the body handed to `sink` piece by piece; a sink that
// returns false ends the request as a local failure (Kind::Local).
void httpGet(const std::string& url, const HttpOptions& options,
             const std::function<bool(const char* data, std::size_t size)>& sink);

// Ends the running request (if any) at once; it raises NetError of
// Kind::Aborted. For a window closed while its program waits for a request.
void abortHttpGet();

}  // namespace net
