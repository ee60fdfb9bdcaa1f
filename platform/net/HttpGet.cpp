#include "net/HttpGet.h"

#include <curl/curl.h>

#include "net/CurlLoop.h"
#include "text/CodePage.h"

namespace net {

namespace {
size_t onWrite(char* data, size_t size, size_t count, void* userp) {
    static_cast<std::string*>(userp)->append(data, size * count);
    return size * count;
}
}  // namespace

std::string httpGet(const std::string& url, const HttpOptions& options) {
    using Kind = NetError::Kind;
    // Kept for the whole run (never destroyed, so it outlives the event loop):
    // a second request to the same server reuses the connection.
    static CurlLoop& loop = *new CurlLoop;
    if (loop.busy()) throw NetError(Kind::Busy, text::ansi("Trwa już inne pobieranie."));
    CURL* easy = curl_easy_init();
    std::string body;
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(easy, CURLOPT_PROXY, "");
    curl_easy_setopt(easy, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, long(options.connectTimeoutMs));
    long idleSeconds = (options.idleTimeoutMs + 999) / 1000;
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, idleSeconds < 1 ? 1L : idleSeconds);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &onWrite);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &body);
    int rc = loop.perform(easy);
    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_cleanup(easy);
    if (rc == CURLE_OK) return body;

    std::string shown;
    if (!text::fromUtf8(url, shown)) shown = url;
    switch (rc) {
    case CURLE_HTTP_RETURNED_ERROR:
        throw NetError(Kind::Http,
                       text::ansi("Serwer odpowiedział błędem ") + std::to_string(status) + text::ansi(" na żądanie ") +
                           shown + ".",
                       int(status));
    case CURLE_OPERATION_TIMEDOUT:
        throw NetError(Kind::Timeout, text::ansi("Upłynął czas oczekiwania na odpowiedź serwera (") + shown + ").");
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_URL_MALFORMAT:
    case CURLE_UNSUPPORTED_PROTOCOL:
        throw NetError(Kind::Connect, text::ansi("Nie można połączyć się z serwerem (") + shown + ").");
    default:
        throw NetError(Kind::Lost, text::ansi("Połączenie z serwerem zostało przerwane (") + shown + ").");
    }
}

}  // namespace net
