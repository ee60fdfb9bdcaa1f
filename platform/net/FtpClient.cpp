#include "net/FtpClient.h"

#include <curl/curl.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "net/CurlLoop.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"
#include "text/Paths.h"

namespace net {

namespace {

using Kind = NetError::Kind;

struct SList {
    curl_slist* list = nullptr;
    ~SList() { curl_slist_free_all(list); }
    void add(const std::string& s) { list = curl_slist_append(list, s.c_str()); }
};

std::vector<std::string> splitPath(const std::string& p) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : p) {
        if (c == '/') {
            if (!cur.empty()) parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) parts.push_back(cur);
    return parts;
}

// A name sent inside a command line: a line break would end the command and
// start another one of the sender's choosing.
void checkName(const std::string& name) {
    if (name.empty() || name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        throw NetError(Kind::Refused, text::ansi("Nieprawidłowa nazwa pliku lub folderu na serwerze FTP."));
}

std::string toAnsi(const std::string& utf8) {
    std::string out;
    if (text::fromUtf8(utf8, out)) return out;
    return utf8;
}

}  // namespace

struct FtpClient::Impl {
    CurlLoop loop;
    CURL* easy = nullptr;
    std::string host;  // for the URL and messages
    long port = 21;
    std::string user, password;
    int connectTimeoutMs = 30000;
    int idleTimeoutMs = 60000;
    Events events;
    bool isConnected = false;
    std::string cwd = "/";  // absolute, UTF-8
    char errorBuffer[CURL_ERROR_SIZE] = {};

    // State of the running store.
    std::FILE* file = nullptr;
    std::int64_t lastReported = -1;
    std::exception_ptr callbackError;

    Impl() { easy = curl_easy_init(); }
    ~Impl() {
        loop.closeConnections();
        curl_easy_cleanup(easy);
    }

    std::string base() const { return "ftp://" + host + ":" + std::to_string(port); }

    std::string escape(const std::string& s) const {
        char* e = curl_easy_escape(easy, s.data(), int(s.size()));
        std::string r = e ? e : "";
        curl_free(e);
        return r;
    }

    // The absolute path of `name` (UTF-8) seen from the current folder.
    std::string resolve(const std::string& name) const {
        std::vector<std::string> parts;
        if (name.empty() || name[0] != '/') parts = splitPath(cwd);
        for (const std::string& p : splitPath(name)) {
            if (p == ".") continue;
            if (p == "..") {
                if (!parts.empty()) parts.pop_back();
                continue;
            }
            parts.push_back(p);
        }
        std::string abs;
        for (const std::string& p : parts) abs += "/" + p;
        return abs.empty() ? "/" : abs;
    }

    // URLs of an absolute folder and file: the leading %2F makes curl change
    // to the absolute folder in one CWD.
    std::string dirUrl(const std::string& abs) const {
        std::string url = base() + "/%2F";
        bool first = true;
        for (const std::string& p : splitPath(abs)) {
            if (!first) url += "/";
            url += escape(p);
            first = false;
        }
        return url + "/";
    }
    std::string fileUrl(const std::string& abs) const {
        std::vector<std::string> parts = splitPath(abs);
        std::string fileName = parts.empty() ? std::string() : parts.back();
        std::string dir;
        for (size_t i = 0; i + 1 < parts.size(); ++i) dir += "/" + parts[i];
        return dirUrl(dir.empty() ? "/" : dir) + escape(fileName);
    }

    void prepare(const std::string& url) {
        curl_easy_reset(easy);
        errorBuffer[0] = 0;
        curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorBuffer);
        curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
        curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "ftp");
        curl_easy_setopt(easy, CURLOPT_USERNAME, user.c_str());
        curl_easy_setopt(easy, CURLOPT_PASSWORD, password.c_str());
        // Never a proxy, whatever the environment says.
        curl_easy_setopt(easy, CURLOPT_PROXY, "");
        curl_easy_setopt(easy, CURLOPT_NOPROXY, "*");
        // Active mode: the server connects back to the address of the control
        // connection's own end.
        curl_easy_setopt(easy, CURLOPT_FTPPORT, "-");
        curl_easy_setopt(easy, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_SINGLECWD));
        curl_easy_setopt(easy, CURLOPT_TRANSFERTEXT, 0L);
        curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(easy, CURLOPT_TCP_KEEPALIVE, 1L);
        curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, long(connectTimeoutMs));
        long idleSeconds = (idleTimeoutMs + 999) / 1000;
        if (idleSeconds < 1) idleSeconds = 1;
        curl_easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, idleSeconds);
        curl_easy_setopt(easy, CURLOPT_ACCEPTTIMEOUT_MS, long(idleTimeoutMs));
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, idleSeconds);
    }

    void requireConnected() const {
        if (loop.busy())
            throw NetError(Kind::Busy, text::ansi("Trwa już inna operacja na serwerze FTP."));
        if (!isConnected) throw NetError(Kind::NotConnected, text::ansi("Brak połączenia z serwerem FTP."));
    }

    long responseCode() const {
        long code = 0;
        curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &code);
        return code;
    }

    // Runs the prepared request; a failure becomes a NetError. `what` names
    // the operation in a refusal.
    void run(const std::string& what, bool connecting = false) {
        callbackError = nullptr;
        int rc = loop.perform(easy);
        if (callbackError) {
            std::exception_ptr e = callbackError;
            callbackError = nullptr;
            std::rethrow_exception(e);
        }
        if (rc == CURLE_OK) return;
        NetError err = translate(rc, what, connecting);
        if (err.connectionGone()) {
            isConnected = false;
            loop.closeConnections();
        }
        throw err;
    }

    NetError translate(int rc, const std::string& what, bool connecting) const {
        int code = int(responseCode());
        switch (rc) {
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_CONNECT:
        case CURLE_URL_MALFORMAT:
            return NetError(Kind::Connect, text::ansi("Nie można połączyć się z serwerem FTP ") + host + ".");
        case CURLE_LOGIN_DENIED:
            return NetError(Kind::Login, text::ansi("Serwer FTP odrzucił nazwę użytkownika lub hasło."), code);
        case CURLE_OPERATION_TIMEDOUT:
        case CURLE_FTP_ACCEPT_TIMEOUT:
            if (connecting)
                return NetError(Kind::Timeout,
                                text::ansi("Upłynął czas oczekiwania na połączenie z serwerem FTP ") + host + ".");
            return NetError(Kind::Timeout,
                            text::ansi("Serwer FTP przestał odpowiadać. Połączenie zostało zamknięte."));
        case CURLE_ABORTED_BY_CALLBACK:
            return NetError(Kind::Aborted, text::ansi("Przesyłanie pliku zostało przerwane."));
        case CURLE_READ_ERROR:
            return NetError(Kind::Local, text::ansi("Nie można odczytać wysyłanego pliku."));
        case CURLE_QUOTE_ERROR:
        case CURLE_REMOTE_ACCESS_DENIED:
        case CURLE_UPLOAD_FAILED:
        case CURLE_REMOTE_FILE_NOT_FOUND:
        case CURLE_REMOTE_DISK_FULL:
        case CURLE_FTP_COULDNT_SET_TYPE:
        case CURLE_FTP_PORT_FAILED:
            if (code >= 400 || code == 0)
                return NetError(Kind::Refused,
                                text::ansi("Serwer FTP odrzucił polecenie ") + what +
                                    (code ? " (kod " + std::to_string(code) + ")." : std::string(".")),
                                code);
            [[fallthrough]];
        default:
            if (connecting)
                return NetError(Kind::Connect, text::ansi("Nie można połączyć się z serwerem FTP ") + host + ".");
            return NetError(Kind::Lost, text::ansi("Połączenie z serwerem FTP zostało przerwane."), code);
        }
    }

    void quote(const std::vector<std::string>& commands, const std::string& what) {
        requireConnected();
        prepare(dirUrl(cwd));
        SList list;
        for (const std::string& c : commands) list.add(c);
        curl_easy_setopt(easy, CURLOPT_QUOTE, list.list);
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
        run(what);
    }

    static size_t onWrite(char* data, size_t size, size_t count, void* userp) {
        static_cast<std::string*>(userp)->append(data, size * count);
        return size * count;
    }

    static size_t onRead(char* buffer, size_t size, size_t count, void* userp) {
        auto* d = static_cast<Impl*>(userp);
        size_t n = std::fread(buffer, 1, size * count, d->file);
        if (n == 0 && std::ferror(d->file)) return CURL_READFUNC_ABORT;
        return n;
    }

    static int onProgress(void* userp, curl_off_t, curl_off_t, curl_off_t, curl_off_t ulnow) {
        auto* d = static_cast<Impl*>(userp);
        if (d->callbackError) return 1;
        if (ulnow != d->lastReported && d->events.work) {
            d->lastReported = ulnow;
            d->loop.enterCallback();
            try {
                d->events.work(std::int64_t(ulnow));
            } catch (...) {
                d->callbackError = std::current_exception();
            }
            d->loop.leaveCallback();
        }
        return (d->callbackError || d->loop.abortRequested()) ? 1 : 0;
    }
};

FtpClient::FtpClient() : d(std::make_unique<Impl>()) {}

FtpClient::~FtpClient() = default;

void FtpClient::setHost(const std::string& host) {
    std::string h = host;
    while (!h.empty() && (h.front() == ' ' || h.front() == '\t')) h.erase(h.begin());
    while (!h.empty() && (h.back() == ' ' || h.back() == '\t' || h.back() == '/')) h.pop_back();
    if (h.size() > 6 && text::equalsNoCase(h.substr(0, 6), "ftp://")) h = h.substr(6);
    d->port = 21;
    size_t colon = h.rfind(':');
    if (colon != std::string::npos && h.find(':') == colon && colon + 1 < h.size() &&
        h.find_first_not_of("0123456789", colon + 1) == std::string::npos) {
        d->port = std::stol(h.substr(colon + 1));
        h = h.substr(0, colon);
    }
    d->host = h;
}

void FtpClient::setUser(const std::string& user) { d->user = text::toUtf8(user); }
void FtpClient::setPassword(const std::string& password) { d->password = text::toUtf8(password); }
void FtpClient::setConnectTimeout(int ms) { d->connectTimeoutMs = ms; }
void FtpClient::setIdleTimeout(int ms) { d->idleTimeoutMs = ms; }
void FtpClient::setEvents(Events events) { d->events = std::move(events); }

bool FtpClient::connected() const { return d->isConnected; }

void FtpClient::connect() {
    if (d->loop.busy()) throw NetError(Kind::Busy, text::ansi("Trwa już inna operacja na serwerze FTP."));
    disconnect();
    if (d->host.empty() || d->host.find_first_of(" /\\@?#\r\n") != std::string::npos)
        throw NetError(Kind::Connect, text::ansi("Nieprawidłowy adres serwera FTP: ") + d->host + ".");
    d->prepare(d->base() + "/");
    curl_easy_setopt(d->easy, CURLOPT_NOBODY, 1L);
    d->run("", true);
    char* entry = nullptr;
    curl_easy_getinfo(d->easy, CURLINFO_FTP_ENTRY_PATH, &entry);
    d->cwd = (entry && entry[0] == '/') ? d->resolve(entry) : "/";
    d->isConnected = true;
}

void FtpClient::disconnect() {
    if (d->loop.busy()) return;
    d->loop.closeConnections();
    d->isConnected = false;
    d->cwd = "/";
}

std::string FtpClient::currentDir() const { return toAnsi(d->cwd); }

std::vector<std::string> FtpClient::listNames() {
    d->requireConnected();
    d->prepare(d->dirUrl(d->cwd));
    std::string body;
    curl_easy_setopt(d->easy, CURLOPT_DIRLISTONLY, 1L);
    curl_easy_setopt(d->easy, CURLOPT_WRITEFUNCTION, &Impl::onWrite);
    curl_easy_setopt(d->easy, CURLOPT_WRITEDATA, &body);
    d->run("NLST");
    return namesOfListing(body);
}

std::vector<std::string> FtpClient::namesOfListing(std::string_view body) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start < body.size()) {
        size_t end = body.find('\n', start);
        if (end == std::string_view::npos) end = body.size();
        std::string line(body.substr(start, end - start));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Some servers answer with paths; the name is the last element.
        size_t slash = line.rfind('/');
        if (slash != std::string::npos) line = line.substr(slash + 1);
        if (!line.empty() && line != "." && line != "..") {
            std::string name;
            if (text::fromUtf8(line, name)) names.push_back(name);
        }
        start = end + 1;
    }
    return names;
}

void FtpClient::changeDir(const std::string& dir) {
    d->requireConnected();
    std::string wire = text::toUtf8(dir);
    checkName(wire);
    std::string abs = d->resolve(wire);
    d->prepare(d->dirUrl(abs));
    curl_easy_setopt(d->easy, CURLOPT_NOBODY, 1L);
    d->run("CWD");
    d->cwd = abs;
}

void FtpClient::makeDir(const std::string& name) {
    std::string wire = text::toUtf8(name);
    checkName(wire);
    d->quote({"MKD " + d->resolve(wire)}, "MKD");
}

void FtpClient::deleteFile(const std::string& name) {
    std::string wire = text::toUtf8(name);
    checkName(wire);
    d->quote({"DELE " + d->resolve(wire)}, "DELE");
}

void FtpClient::rename(const std::string& from, const std::string& to) {
    std::string a = text::toUtf8(from), b = text::toUtf8(to);
    checkName(a);
    checkName(b);
    d->quote({"RNFR " + d->resolve(a), "RNTO " + d->resolve(b)}, "RNFR/RNTO");
}

void FtpClient::store(const std::filesystem::path& localFile, const std::string& remoteName, bool append) {
    d->requireConnected();
    std::string wire = text::toUtf8(remoteName);
    checkName(wire);
    std::error_code ec;
    std::uintmax_t size = std::filesystem::file_size(localFile, ec);
    std::FILE* f = ec ? nullptr : std::fopen(localFile.c_str(), "rb");
    if (!f) {
        std::string shown;
        if (!text::fromPath(localFile.filename(), shown)) shown = localFile.filename().string();
        throw NetError(Kind::Local, text::ansi("Nie można odczytać pliku ") + shown + ".");
    }
    d->file = f;
    d->lastReported = -1;
    d->prepare(d->fileUrl(d->resolve(wire)));
    curl_easy_setopt(d->easy, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(d->easy, CURLOPT_APPEND, append ? 1L : 0L);
    curl_easy_setopt(d->easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(size));
    curl_easy_setopt(d->easy, CURLOPT_READFUNCTION, &Impl::onRead);
    curl_easy_setopt(d->easy, CURLOPT_READDATA, d.get());
    curl_easy_setopt(d->easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(d->easy, CURLOPT_XFERINFOFUNCTION, &Impl::onProgress);
    curl_easy_setopt(d->easy, CURLOPT_XFERINFODATA, d.get());

    struct Finish {
        Impl* d;
        ~Finish() {
            std::fclose(d->file);
            d->file = nullptr;
            try {
                if (d->events.workEnd) d->events.workEnd();
            } catch (...) {
            }
        }
    };
    Finish finish{d.get()};
    if (d->events.workBegin) d->events.workBegin(std::int64_t(size));
    d->run(append ? "APPE" : "STOR");
}

void FtpClient::abort() { d->loop.abort(); }

}  // namespace net
