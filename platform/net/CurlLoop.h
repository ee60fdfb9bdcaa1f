#pragma once
// Runs one libcurl transfer at a time through curl's multi interface, driven
// from the application's event loop: the sockets curl wants watched get socket
// notifiers, curl's timer a single-shot timer, and the caller waits in a
// nested event loop, so windows keep painting and buttons keep answering while
// a request runs. Without an application object the same transfer is driven
// by polling (tools and benchmarks that have no event loop).
//
// The connections curl keeps open between transfers live in the multi handle,
// so a persistent FTP control connection survives from one request to the
// next for as long as this object lives.
#include <functional>
#include <memory>

typedef void CURL;

namespace net {

class CurlLoop {
public:
    CurlLoop();
    ~CurlLoop();
    CurlLoop(const CurlLoop&) = delete;
    CurlLoop& operator=(const CurlLoop&) = delete;

    // Runs `easy` to its end and returns its CURLcode (as int). Re-entry while
    // a transfer runs is refused by the caller (see busy()). With
    // Input::Dropped, keys, clicks and wheel turns meant for the program's
    // windows are dropped while it waits (painting and timers go on), for a
    // request the user waits for. The transfer ends only with its own result
    // or an abort: should the event loop be told to quit meanwhile (the
    // program ends), the transfer is taken out of curl and counts as aborted
    // (CURLE_ABORTED_BY_CALLBACK), never as finished.
    enum class Input { Delivered, Dropped };
    int perform(CURL* easy, Input input = Input::Delivered);
    bool busy() const;

    // Asks the running transfer to stop: the next progress callback returns
    // "abort" (see abortRequested()) and, when the event loop comes round
    // first, the transfer is taken out of curl; perform() then returns
    // CURLE_ABORTED_BY_CALLBACK. Does nothing when no transfer runs.
    void abort();
    bool abortRequested() const;

    // Set while curl is inside one of the transfer's callbacks; the loop then
    // defers socket and timer activity so that curl is never re-entered from
    // a callback that lets pending events be processed.
    void enterCallback();
    void leaveCallback();

    // While the running transfer lasts, calls `ready` once `socket` has
    // something to read: from the event loop (or the polling), never from
    // inside curl, so `ready` may call curl_easy_pause on the transfer. One
    // socket at a time; the watch ends with the transfer.
    void whenReadable(int socket, std::function<void()> ready);

    // While the running transfer lasts, calls `tick` about every `ms`: from
    // the event loop (or the polling), never from inside curl, so `tick` may
    // call abort(). One tick at a time; it ends with the transfer.
    void every(int ms, std::function<void()> tick);

    // Closes every connection curl keeps open (a fresh multi handle).
    void closeConnections();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace net
