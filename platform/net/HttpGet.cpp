#include "net/HttpGet.h"

#include <curl/curl.h>

#include <cstring>
#include <strings.h>

#include "net/CurlLoop.h"
#include "text/CodePage.h"

namespace net {

namespace {
// Kept for the whole run (never destroyed, so it outlives the event loop):
// a second request to the same server reuses the connection.
CurlLoop& httpLoop() {
    static CurlLoop& loop = *new CurlLoop;
    return loop;
}

struct Transfer {
    const std::function<bool(const char*, std::size_t)>* sink = nullptr;
    std::int64_t maxBytes = 0;
    std::int64_t received = 0;
    bool tooLarge = false;
    bool sinkFailed = false;
    bool chunked = false;
};

size_t onWrite(char* data, size_t size, size_t count, void* userp) {
    auto* t = static_cast<Transfer*>(userp);
    const size_t n = size * count;
    t->received += static_cast<std::int64_t>(n);
    if (t->maxBytes > 0 && t->received > t->maxBytes) {
        t->tooLarge = true;
        return 0;
    }
    if (!(*t->sink)(data, n)) {
        t->sinkFailed = true;
        return 0;
    }
    return n;
}

size_t onHeader(char* data, size_t size, size_t count, void* userp) {
    auto* t = static_cast<Transfer*>(userp);
    const size_t n = size * count;
    static const char kName[] = "transfer-encoding:";
    if (n > sizeof kName && ::strncasecmp(data, kName, sizeof kName - 1) == 0) {
        std::string value(data + sizeof kName - 1, n - (sizeof kName - 1));
        for (auto& c : value) c = static_cast<char>(::tolower(static_cast<unsigned char>(c)));
        t->chunked = value.find("chunked") != std::string::npos;
    }
    return n;
}
}  // namespace

void abortHttpGet() { httpLoop().abort(); }

void httpGet(const std::string& url, const HttpOptions& options,
             const std::function<bool(const char* data, std::size_t size)>& sink) {
    using Kind = NetError::Kind;
    CurlLoop& loop = httpLoop();
    if (loop.busy()) throw NetError(Kind::Busy, text::ansi("Trwa już inne pobieranie."));
    CURL* easy = curl_easy_init();
    Transfer t;
    t.sink = &sink;
    t.maxBytes = options.maxBytes;
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
    if (options.totalTimeoutMs > 0) curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, long(options.totalTimeoutMs));
    if (options.maxBytes > 0) curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(options.maxBytes));
    long idleSeconds = (options.idleTimeoutMs + 999) / 1000;
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, idleSeconds < 1 ? 1L : idleSeconds);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &onWrite);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &t);
    int rc = loop.perform(easy, CurlLoop::Input::Dropped);
    long status = 0;
    curl_off_t declared = -1;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_getinfo(easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &declared);
    curl_easy_cleanup(easy);

    std::string shown;
    if (!text::fromUtf8(url, shown)) shown = url;
    const std::string lost = text::ansi("Połączenie z serwerem zostało przerwane (") + shown + ").";
    if (rc == CURLE_OK) {
        if (options.requireDeclaredEnd && declared < 0 && !t.chunked) throw NetError(Kind::Lost, lost);
        return;
    }
    if (t.tooLarge || rc == CURLE_FILESIZE_EXCEEDED)
        throw NetError(Kind::Lost, text::ansi("Serwer przysłał więcej danych, niż może liczyć plik (") + shown + ").");
    if (t.sinkFailed) throw NetError(Kind::Local, text::ansi("Nie można zapisać pobieranego pliku (") + shown + ").");
    switch (rc) {
    case CURLE_HTTP_RETURNED_ERROR:
        throw NetError(Kind::Http,
                       text::ansi("Serwer odpowiedział błędem ") + std::to_string(status) + text::ansi(" na żądanie ") +
                           shown + ".",
                       int(status));
    case CURLE_OPERATION_TIMEDOUT:
        throw NetError(Kind::Timeout, text::ansi("Upłynął czas oczekiwania na odpowiedź serwera (") + shown + ").");
    case CURLE_ABORTED_BY_CALLBACK:
        throw NetError(Kind::Aborted, text::ansi("Pobieranie zostało przerwane (") + shown + ").");
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_URL_MALFORMAT:
    case CURLE_UNSUPPORTED_PROTOCOL:
        throw NetError(Kind::Connect, text::ansi("Nie można połączyć się z serwerem (") + shown + ").");
    default:
        throw NetError(Kind::Lost, lost);
    }
}

std::string httpGet(const std::string& url, const HttpOptions& options) {
    std::string body;
    httpGet(url, options, [&body](const char* data, std::size_t size) {
        body.append(data, size);
        return true;
    });
    return body;
}

}  // namespace net
