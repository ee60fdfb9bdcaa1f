#include "net/FtpClient.h"

#include <curl/curl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "net/CurlLoop.h"
#include "net/FtpListing.h"
#include "net/FtpReplies.h"
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

// The error of a local file that could not be read (`shown`: its name).
NetError unreadable(const std::string& shown) {
    return NetError(Kind::Local, text::ansi("Nie można odczytać pliku ") + shown + ".");
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
    bool hostValid = true;  // false when the host text holds no usable port
    bool isConnected = false;
    // Passive data connections first (EPSV, then PASV); once the server has
    // refused both, active ones for the rest of the connection.
    bool activeMode = false;
    std::string cwd = "/";  // absolute, UTF-8
    char errorBuffer[CURL_ERROR_SIZE] = {};

    // Replies to the commands of the running request, in the order sent
    // (filled while `recordReplies` is set).
    bool recordReplies = false;
    FtpReplies replies;

    // The reply with which the server broke off the running store (it could
    // not take the file), also when curl never read it (see onCloseSocket);
    // and another error reply read only then (a 426: the server closed the
    // data connection).
    int lateCode = 0;
    int closingReply = 0;
    curl_socket_t controlSocket = CURL_SOCKET_BAD;
    // The data connection of the running store, and whether its end is held
    // back until the server has answered (see onRead).
    curl_socket_t dataSocket = CURL_SOCKET_BAD;
    bool endHeld = false, endReleased = false;

    // The body of the running listing.
    FtpListing* listing = nullptr;

    // State of the running store: the file, its size when the store began,
    // the bytes handed to curl, and whether it could not be read whole (its
    // name as a message shows it).
    std::FILE* file = nullptr;
    std::int64_t fileSize = 0, fileRead = 0;
    bool readFailed = false;
    std::string fileShown;
    std::int64_t lastReported = -1;
    // The bytes the running store had moved when last seen moving, and when
    // (see abortWhenStalled).
    std::int64_t lastMoved = -1;
    std::chrono::steady_clock::time_point movedAt;
    std::exception_ptr callbackError;
    int lastResult = CURLE_OK;

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
        // Passive mode (EPSV, then PASV) unless the server refused it; active
        // mode has the server connect back to the address of the control
        // connection's own end.
        if (activeMode) curl_easy_setopt(easy, CURLOPT_FTPPORT, "-");
        curl_easy_setopt(easy, CURLOPT_FTP_USE_EPSV, 1L);
        // The replies and the commands go through onDebug (never printed).
        curl_easy_setopt(easy, CURLOPT_VERBOSE, 1L);
        curl_easy_setopt(easy, CURLOPT_DEBUGFUNCTION, &Impl::onDebug);
        curl_easy_setopt(easy, CURLOPT_DEBUGDATA, this);
        curl_easy_setopt(easy, CURLOPT_CLOSESOCKETFUNCTION, &Impl::onCloseSocket);
        curl_easy_setopt(easy, CURLOPT_CLOSESOCKETDATA, this);
        curl_easy_setopt(easy, CURLOPT_SOCKOPTFUNCTION, &Impl::onSocketMade);
        curl_easy_setopt(easy, CURLOPT_SOCKOPTDATA, this);
        lateCode = closingReply = 0;
        readFailed = false;
        dataSocket = CURL_SOCKET_BAD;
        endHeld = endReleased = false;
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
            dropConnection();
            std::rethrow_exception(e);
        }
        if (rc == CURLE_OK) return;
        NetError err = translate(rc, what, connecting);
        // curl closes the control connection after every failure but a
        // refused transfer command; the client then says it is gone rather
        // than let curl log in again behind the caller's back.
        // A store the server answered with a refusal after its data ended
        // leaves the connection as it was.
        bool kept = keepsConnection(rc) || (rc == CURLE_PARTIAL_FILE && responseCode() >= 400);
        if (err.connectionGone() || !kept) dropConnection();
        throw err;
    }

    void dropConnection() {
        isConnected = false;
        loop.closeConnections();
    }

    static bool keepsConnection(int rc) {
        switch (rc) {
        case CURLE_FTP_WEIRD_PASV_REPLY:
        case CURLE_FTP_PORT_FAILED:
        case CURLE_FTP_COULDNT_SET_TYPE:
        case CURLE_FTP_COULDNT_RETR_FILE:
        case CURLE_UPLOAD_FAILED:
        case CURLE_REMOTE_ACCESS_DENIED:
        case CURLE_REMOTE_FILE_NOT_FOUND:
            return true;
        default:
            return false;
        }
    }

    // A request that opens a data connection: passive first; when the server
    // refuses passive mode, the same request once more in active mode (kept
    // for the rest of the connection). `setup` prepares the request afresh.
    void runData(const std::string& what, const std::function<void()>& setup) {
        setup();
        try {
            run(what);
        } catch (const NetError& e) {
            if (activeMode || !isConnected || lastResult != CURLE_FTP_WEIRD_PASV_REPLY) throw;
            activeMode = true;
            setup();
            run(what);
        }
    }

    NetError translate(int rc, const std::string& what, bool connecting) {
        lastResult = rc;
        int code = int(responseCode());
        // A file that could not be read, and the caller's abort, are ours,
        // whatever the server said meanwhile.
        if (readFailed) return unreadable(fileShown);
        if (rc == CURLE_ABORTED_BY_CALLBACK)
            return NetError(Kind::Aborted, text::ansi("Przesyłanie pliku zostało przerwane."));
        // The server's own word on a store it broke off goes before what
        // curl made of the broken data connection.
        if (lateCode) return FtpReplies::refusal(what, lateCode);
        if (rc == CURLE_REMOTE_DISK_FULL && code < 400) code = 552;
        if (listing && listing->tooLong())
            return NetError(Kind::TooLong, text::ansi("Serwer FTP przysłał zbyt długą listę plików."), code);
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
        case CURLE_READ_ERROR:
            return unreadable(fileShown);
        case CURLE_QUOTE_ERROR:
        case CURLE_REMOTE_ACCESS_DENIED:
        case CURLE_UPLOAD_FAILED:
        case CURLE_REMOTE_FILE_NOT_FOUND:
        case CURLE_REMOTE_DISK_FULL:
        case CURLE_FTP_COULDNT_SET_TYPE:
        case CURLE_FTP_PORT_FAILED:
        case CURLE_FTP_WEIRD_PASV_REPLY:
        case CURLE_FTP_COULDNT_RETR_FILE:
            if (code >= 400 || code == 0) return FtpReplies::refusal(what, code);
            break;
        case CURLE_PARTIAL_FILE:
            // A store the server answered with a refusal once its data ended.
            if (code >= 400) return FtpReplies::refusal(what, code);
            break;
        default: break;
        }
        if (connecting) return NetError(Kind::Connect, text::ansi("Nie można połączyć się z serwerem FTP ") + host + ".");
        return NetError(Kind::Lost, text::ansi("Połączenie z serwerem FTP zostało przerwane."),
                        closingReply ? closingReply : code);
    }

    // Sends the commands one after the other and raises Refused for the first
    // one the server refuses. Each is marked for curl as one whose failure it
    // passes over, so a refusal keeps the connection; the replies are read
    // from what the server answered to each.
    void quote(const std::vector<std::string>& commands, const std::string& what) {
        requireConnected();
        prepare(dirUrl(cwd));
        SList list;
        for (const std::string& c : commands) list.add("*" + c);
        curl_easy_setopt(easy, CURLOPT_QUOTE, list.list);
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
        replies.clear();
        recordReplies = true;
        struct Stop {
            bool& flag;
            ~Stop() { flag = false; }
        } stop{recordReplies};
        run(what);
        for (const std::string& c : commands) {
            const int code = replies.codeOf(c);
            if (code == 0 || code >= 400) throw FtpReplies::refusal(what, code);
        }
    }

    // The first socket of connect() is the control connection's; one made
    // (or accepted) while a store runs is its data connection.
    static int onSocketMade(void* userp, curl_socket_t s, curlsocktype purpose) {
        auto* d = static_cast<Impl*>(userp);
        if (purpose == CURLSOCKTYPE_IPCXN && d->controlSocket == CURL_SOCKET_BAD)
            d->controlSocket = s;
        else if (d->file)
            d->dataSocket = s;
        return CURL_SOCKOPT_OK;
    }

    // A server whose disk or quota fills during an upload, or that refuses
    // the file late, answers and closes the data connection; curl, failing
    // to send, hangs up without reading that reply. Before the control
    // socket of a failed upload closes, what the server said last is read.
    static int onCloseSocket(void* userp, curl_socket_t s) {
        auto* d = static_cast<Impl*>(userp);
        if (d->file && s == d->controlSocket) {
            pollfd p{s, POLLIN, 0};
            char reply[512];
            if (::poll(&p, 1, 200) > 0) {
                ssize_t n = ::recv(s, reply, sizeof reply, MSG_DONTWAIT);
                if (!d->lateCode) {
                    const FtpReplies::Closing c =
                        FtpReplies::closing(std::string_view(reply, n > 0 ? std::size_t(n) : 0));
                    d->lateCode = c.storeFailure;
                    if (c.otherError) d->closingReply = c.otherError;
                }
            }
        }
        if (s == d->dataSocket) d->dataSocket = CURL_SOCKET_BAD;
        if (s == d->controlSocket) d->controlSocket = CURL_SOCKET_BAD;
        return ::close(s);
    }

    // The commands sent and the final line of each reply.
    static int onDebug(CURL*, curl_infotype type, char* data, size_t size, void* userp) {
        auto* d = static_cast<Impl*>(userp);
        const std::string_view line(data, size);
        if (type == CURLINFO_HEADER_IN && d->file)
            if (int code = FtpReplies::code(line); FtpReplies::failsStore(code)) d->lateCode = code;
        if (!d->recordReplies) return 0;
        if (type == CURLINFO_HEADER_OUT) d->replies.sent(line);
        else if (type == CURLINFO_HEADER_IN) d->replies.received(line);
        return 0;
    }

    static size_t onWrite(char* data, size_t size, size_t count, void* userp) {
        auto* d = static_cast<Impl*>(userp);
        // Beyond the largest listing the transfer ends with an error.
        return d->listing->add(std::string_view(data, size * count)) ? size * count : 0;
    }

    // Once curl has been told the file ended, it closes the data connection
    // and waits for the reply to the store with a blocking read of up to a
    // minute; a server that stopped reading never sends it, and the program
    // would stand still. So at the end of the file, when curl has handed
    // every byte of it to the socket, the data connection is half-closed
    // here (the server still gets every byte, then the end) and curl is
    // paused until the control connection has something to read (the
    // reply, or its close); meanwhile the event loop runs, and an abort, or
    // curl's idle time-out once its averaged speed has fallen (some seconds
    // later than the time-out itself), ends the store. When curl still holds
    // bytes it has not handed to the socket, nothing is half-closed (that
    // would cut them off): the end is told to curl at once, and curl waits
    // for the reply its own blocking way.
    //
    // A file that does not give as many bytes as it had when the store began
    // (it was cut short or grew meanwhile) or that fails to be read ends the
    // store as one that could not be read.
    static size_t onRead(char* buffer, size_t size, size_t count, void* userp) {
        auto* d = static_cast<Impl*>(userp);
        size_t n = std::fread(buffer, 1, size * count, d->file);
        d->fileRead += std::int64_t(n);
        if (n > 0) return n;
        if (std::ferror(d->file) || d->fileRead != d->fileSize) {
            d->readFailed = true;
            return CURL_READFUNC_ABORT;
        }
        if (d->endReleased || d->dataSocket == CURL_SOCKET_BAD || d->controlSocket == CURL_SOCKET_BAD) return 0;
        if (!d->endHeld) {
            curl_off_t sent = -1;
            if (curl_easy_getinfo(d->easy, CURLINFO_SIZE_UPLOAD_T, &sent) != CURLE_OK || sent != d->fileSize)
                return 0;
            d->endHeld = true;
            ::shutdown(d->dataSocket, SHUT_WR);
        }
        pollfd p{d->controlSocket, POLLIN, 0};
        if (::poll(&p, 1, 0) > 0) {
            d->endReleased = true;
            return 0;
        }
        d->loop.whenReadable(d->controlSocket, [d] {
            d->endReleased = true;
            curl_easy_pause(d->easy, CURLPAUSE_CONT);
        });
        return CURL_READFUNC_PAUSE;
    }

    static int onProgress(void* userp, curl_off_t, curl_off_t, curl_off_t, curl_off_t ulnow) {
        auto* d = static_cast<Impl*>(userp);
        if (d->callbackError) return 1;
        if (std::int64_t(ulnow) != d->lastMoved) {
            d->lastMoved = std::int64_t(ulnow);
            d->movedAt = std::chrono::steady_clock::now();
        }
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
    d->hostValid = true;
    size_t colon = h.rfind(':');
    if (colon != std::string::npos && h.find(':') == colon) {
        std::string digits = h.substr(colon + 1);
        // A port is 1 to 65535; anything else after the colon is no address.
        long port = 0;
        bool number = !digits.empty() && digits.size() <= 5 &&
                      digits.find_first_not_of("0123456789") == std::string::npos;
        if (number) port = std::stol(digits);
        if (number && port >= 1 && port <= 65535)
            d->port = port;
        else
            d->hostValid = false;
        h = h.substr(0, colon);
    }
    d->host = h;
}

void FtpClient::setUser(const std::string& user) { d->user = text::toUtf8(user); }
void FtpClient::setPassword(const std::string& password) { d->password = text::toUtf8(password); }
void FtpClient::setConnectTimeout(int ms) { d->connectTimeoutMs = ms; }
void FtpClient::setIdleTimeout(int ms) { d->idleTimeoutMs = ms; }
int FtpClient::connectTimeout() const { return d->connectTimeoutMs; }
int FtpClient::idleTimeout() const { return d->idleTimeoutMs; }
void FtpClient::setEvents(Events events) { d->events = std::move(events); }

bool FtpClient::connected() const { return d->isConnected; }

void FtpClient::connect() {
    if (d->loop.busy()) throw NetError(Kind::Busy, text::ansi("Trwa już inna operacja na serwerze FTP."));
    disconnect();
    if (!d->hostValid || d->host.empty() || d->host.find_first_of(" /\\@?#\r\n") != std::string::npos)
        throw NetError(Kind::Connect, text::ansi("Nieprawidłowy adres serwera FTP: ") + d->host + ".");
    // A line break in the user name or the password would end the login
    // command early.
    for (const std::string* field : {&d->user, &d->password})
        if (field->find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
            throw NetError(Kind::Login, text::ansi("Serwer FTP odrzucił nazwę użytkownika lub hasło."));
    d->activeMode = false;
    d->prepare(d->base() + "/");
    curl_easy_setopt(d->easy, CURLOPT_NOBODY, 1L);
    d->controlSocket = CURL_SOCKET_BAD;
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
    FtpListing listing;
    d->listing = &listing;
    struct Done {
        Impl* d;
        ~Done() { d->listing = nullptr; }
    } done{d.get()};
    d->runData("NLST", [&] {
        listing.clear();
        d->prepare(d->dirUrl(d->cwd));
        curl_easy_setopt(d->easy, CURLOPT_DIRLISTONLY, 1L);
        curl_easy_setopt(d->easy, CURLOPT_WRITEFUNCTION, &Impl::onWrite);
        curl_easy_setopt(d->easy, CURLOPT_WRITEDATA, d.get());
    });
    return FtpListing::namesOf(listing.body());
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
    std::string shown;
    if (!text::fromPath(localFile.filename(), shown)) shown = localFile.filename().string();
    if (!f) throw unreadable(shown);
    d->file = f;
    d->fileSize = std::int64_t(size);
    d->fileShown = shown;
    auto setup = [&] {
        std::rewind(d->file);
        d->fileRead = 0;
        d->lastReported = -1;
        d->lastMoved = -1;
        d->prepare(d->fileUrl(d->resolve(wire)));
        curl_easy_setopt(d->easy, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(d->easy, CURLOPT_APPEND, append ? 1L : 0L);
        // No size for curl: with one it ends the upload at its last byte
        // without asking onRead for the end, which must be held (see there).
        curl_easy_setopt(d->easy, CURLOPT_READFUNCTION, &Impl::onRead);
        curl_easy_setopt(d->easy, CURLOPT_READDATA, d.get());
        curl_easy_setopt(d->easy, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(d->easy, CURLOPT_XFERINFOFUNCTION, &Impl::onProgress);
        curl_easy_setopt(d->easy, CURLOPT_XFERINFODATA, d.get());
    };

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
    d->runData(append ? "APPE" : "STOR", setup);
}

void FtpClient::abort() { d->loop.abort(); }

void FtpClient::abortWhenStalled(int ms) {
    if (!d->file || !d->loop.busy()) return;
    d->movedAt = std::chrono::steady_clock::now();
    Impl* impl = d.get();
    d->loop.every(std::max(10, std::min(ms / 10, 50)), [impl, ms] {
        if (std::chrono::steady_clock::now() - impl->movedAt >= std::chrono::milliseconds(ms)) impl->loop.abort();
    });
}

}  // namespace net
