// The FTP client and the HTTP GET against real servers on 127.0.0.1.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "TestServer.h"
#include "net/FtpClient.h"
#include "net/FtpReplies.h"
#include "net/HttpGet.h"
#include "text/CodePage.h"

namespace fs = std::filesystem;
using net::FtpClient;
using net::NetError;
using net::testing::TempDir;
using net::testing::TestServer;
using net::testing::readFile;
using net::testing::writeFile;
using namespace text::literals;

namespace {

std::string pattern(size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i) s[i] = char((i * 7 + i / 251) & 0xff);
    return s;
}

class Ftp : public ::testing::Test {
protected:
    static void SetUpTestSuite() { net::testing::ensureApp(); }

    void start(std::vector<std::string> extra = {}) {
        extra.push_back("--log");
        extra.push_back(log().string());
        server = std::make_unique<TestServer>("ftp", root.path(), extra);
        use(*server);
    }
    void use(const TestServer& s) {
        client.setHost(s.hostPort());
        client.setUser(TestServer::user());
        client.setPassword(TestServer::password());
        client.setConnectTimeout(3000);
        client.setIdleTimeout(3000);
    }

    NetError::Kind failureOf(const std::function<void()>& f) {
        try {
            f();
        } catch (const NetError& e) {
            lastMessage = e.what();
            return e.kind();
        }
        ADD_FAILURE() << "no error";
        return NetError::Kind::Busy;
    }

    // The commands the server received, one a line.
    fs::path log() const { return local.path() / "server.log"; }
    int received(const std::string& verb) const {
        int n = 0;
        std::string all = fs::exists(log()) ? readFile(log()) : "";
        for (size_t at = 0; (at = all.find(verb, at)) != std::string::npos; at += verb.size())
            if (at == 0 || all[at - 1] == '\n') ++n;
        return n;
    }

    TempDir root, local;
    std::unique_ptr<TestServer> server;
    FtpClient client;
    std::string lastMessage;
};

TEST_F(Ftp, CommandsActOnTheServerFolders) {
    start();
    fs::create_directories(root.path() / "www");
    writeFile(root.path() / "keep.txt", "x");
    client.connect();
    ASSERT_TRUE(client.connected());
    EXPECT_EQ(client.currentDir(), "/");
    auto names = client.listNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"keep.txt", "www"}));

    client.changeDir("www");
    EXPECT_EQ(client.currentDir(), "/www");
    client.makeDir("site");
    client.changeDir("site");
    EXPECT_TRUE(client.listNames().empty());

    std::string body = pattern(300000);
    writeFile(local.path() / "page.html", body);
    client.store(local.path() / "page.html", "index.html");
    EXPECT_EQ(readFile(root.path() / "www/site/index.html"), body);

    // Binary mode: CR LF and lone LF come through untouched.
    writeFile(local.path() / "crlf.bin", "a\r\nb\nc\r");
    client.store(local.path() / "crlf.bin", "crlf.bin");
    EXPECT_EQ(readFile(root.path() / "www/site/crlf.bin"), "a\r\nb\nc\r");

    client.store(local.path() / "crlf.bin", "crlf.bin", /*append=*/true);
    EXPECT_EQ(readFile(root.path() / "www/site/crlf.bin"), "a\r\nb\nc\ra\r\nb\nc\r");

    client.rename("index.html", "index2.html");
    EXPECT_FALSE(fs::exists(root.path() / "www/site/index.html"));
    EXPECT_EQ(readFile(root.path() / "www/site/index2.html"), body);

    // Rename over an existing file replaces it (the server's file system allows it).
    client.rename("crlf.bin", "index2.html");
    EXPECT_EQ(readFile(root.path() / "www/site/index2.html"), "a\r\nb\nc\ra\r\nb\nc\r");

    client.deleteFile("index2.html");
    EXPECT_TRUE(client.listNames().empty());

    client.changeDir("..");
    EXPECT_EQ(client.currentDir(), "/www");
    client.changeDir("/");
    EXPECT_EQ(client.currentDir(), "/");
    client.changeDir("www/site");
    EXPECT_EQ(client.currentDir(), "/www/site");
}

TEST_F(Ftp, RefusedCommandsLeaveTheConnectionUsable) {
    start();
    client.connect();
    EXPECT_EQ(failureOf([&] { client.changeDir("missing"); }), NetError::Kind::Refused);
    EXPECT_EQ(client.currentDir(), "/");
    EXPECT_EQ(failureOf([&] { client.deleteFile("missing.html"); }), NetError::Kind::Refused);
    EXPECT_NE(lastMessage.find("550"), std::string::npos) << lastMessage;
    fs::create_directories(root.path() / "d");
    EXPECT_EQ(failureOf([&] { client.makeDir("d"); }), NetError::Kind::Refused);
    EXPECT_EQ(failureOf([&] { client.rename("missing", "x"); }), NetError::Kind::Refused);
    EXPECT_EQ(failureOf([&] { client.store(local.path() / "no-such-file", "x"); }), NetError::Kind::Local);
    // A line break inside a name would smuggle in a second command.
    EXPECT_EQ(failureOf([&] { client.deleteFile("a\r\nDELE b"); }), NetError::Kind::Refused);
    EXPECT_TRUE(client.connected());
    EXPECT_TRUE(client.listNames().size() == 1);
    // All of it on the one connection: no failure logged in again.
    EXPECT_EQ(received("USER"), 1);
}

// Servers that refuse what a publish needs: each refusal is Refused (the
// server's disk being full is DiskFull), the connection and the files the
// server had stay.
TEST_F(Ftp, ServersThatRefuse) {
    writeFile(local.path() / "page", "new page");
    writeFile(local.path() / "big", pattern(300000));
    struct Case {
        std::vector<std::string> server;
        std::function<void()> step;
        NetError::Kind kind;
        std::string message;
        enum { Gone, Kept, Either } connection;  // Either: as the timing of the server's answer falls
    };
    std::vector<Case> cases = {
        {{"--no-rename-over"}, [&] { client.rename("new.html", "index.html"); }, NetError::Kind::Refused,
         "Serwer FTP odrzucił polecenie RNFR/RNTO (kod 550)."_w, Case::Kept},
        {{"--refuse-nlst"}, [&] { client.listNames(); }, NetError::Kind::Refused,
         "Serwer FTP odrzucił polecenie NLST (kod 550)."_w, Case::Kept},
        {{"--refuse-stor", "*.html"}, [&] { client.store(local.path() / "page", "index.html"); },
         NetError::Kind::Refused, "Serwer FTP odrzucił polecenie STOR (kod 553)."_w, Case::Kept},
        {{"--full-after", "0"}, [&] { client.store(local.path() / "page", "index.html"); }, NetError::Kind::DiskFull,
         "Na dysku serwera FTP zabrakło miejsca (kod 552)."_w, Case::Gone},
        {{"--full-after", "100000"}, [&] { client.store(local.path() / "big", "big.html"); },
         NetError::Kind::DiskFull, "Na dysku serwera FTP zabrakło miejsca (kod 552)."_w, Case::Gone},
        // Answers that come after the 150 that opened the data connection,
        // while the file is being sent (the connection breaks) or once all
        // of it came (a refusal leaves the connection usable).
        {{"--fail-after", "100000", "--fail-code", "451"}, [&] { client.store(local.path() / "big", "big.html"); },
         NetError::Kind::DiskFull, "Serwer FTP nie mógł zapisać pliku na swoim dysku (kod 451)."_w, Case::Gone},
        {{"--fail-after", "0", "--fail-code", "452"}, [&] { client.store(local.path() / "page", "other.html"); },
         NetError::Kind::DiskFull, "Na dysku serwera FTP zabrakło miejsca (kod 452)."_w, Case::Gone},
        {{"--fail-after", "100000", "--fail-code", "553"}, [&] { client.store(local.path() / "big", "big.html"); },
         NetError::Kind::Refused, "Serwer FTP odrzucił polecenie STOR (kod 553)."_w, Case::Either},
        {{"--fail-after", "0", "--fail-code", "553"}, [&] { client.store(local.path() / "page", "other.html"); },
         NetError::Kind::Refused, "Serwer FTP odrzucił polecenie STOR (kod 553)."_w, Case::Kept},
        {{"--fail-after", "0", "--fail-code", "550"}, [&] { client.store(local.path() / "page", "other.html"); },
         NetError::Kind::Refused, "Serwer FTP odrzucił polecenie STOR (kod 550)."_w, Case::Kept},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.server.size() > 2 ? c.server[0] + " " + c.server[1] + " " + c.server[3] : c.server[0]);
        TempDir fresh;
        writeFile(fresh.path() / "index.html", "live page");
        writeFile(fresh.path() / "new.html", "new page");
        fs::remove(log());
        std::vector<std::string> extra = c.server;
        extra.push_back("--log");
        extra.push_back(log().string());
        TestServer refusing("ftp", fresh.path(), extra);
        use(refusing);
        client.connect();
        EXPECT_EQ(failureOf(c.step), c.kind);
        EXPECT_EQ(lastMessage, c.message);
        if (c.connection != Case::Either) EXPECT_EQ(client.connected(), c.connection == Case::Kept);
        if (client.connected()) {
            client.changeDir("/");
            EXPECT_EQ(received("USER"), 1);
        }
        EXPECT_EQ(readFile(fresh.path() / "index.html"), "live page");
        client.disconnect();
    }
}

// Data connections: passive first (EPSV, then PASV); active when the server
// refuses passive mode.
TEST_F(Ftp, PassiveFirstActiveWhenPassiveIsRefused) {
    writeFile(local.path() / "a", "abc");
    struct Case {
        const char* server;
        const char* used;
        const char* unused;
    };
    for (const Case& c : {Case{"--passive-only", "EPSV", "EPRT"}, Case{"--active-only", "EPRT", "RETR"}}) {
        SCOPED_TRACE(c.server);
        TempDir fresh;
        fs::remove(log());
        TestServer one("ftp", fresh.path(), {c.server, "--log", log().string()});
        use(one);
        client.connect();
        client.store(local.path() / "a", "a");
        client.store(local.path() / "a", "b");
        EXPECT_EQ(client.listNames(), (std::vector<std::string>{"a", "b"}));
        EXPECT_EQ(readFile(fresh.path() / "b"), "abc");
        EXPECT_EQ(received(c.used), 3);
        EXPECT_EQ(received(c.unused), 0);
        EXPECT_EQ(received("USER"), 1);
        client.disconnect();
    }
    // The refusal of passive mode is asked once per connection.
    EXPECT_EQ(received("EPSV"), 1);
}

// Listings and replies beyond what they can be end in an error, with memory
// bounded (the body is cut, never held).
TEST_F(Ftp, OverlongListingsAndRepliesFailCleanly) {
    {
        TestServer huge("ftp", root.path(), {"--huge-listing", std::to_string(200 * 1024 * 1024)});
        use(huge);
        client.connect();
        EXPECT_EQ(failureOf([&] { client.listNames(); }), NetError::Kind::TooLong);
        EXPECT_EQ(lastMessage, "Serwer FTP przysłał zbyt długą listę plików."_w);
        EXPECT_FALSE(client.connected());
    }
    {
        TestServer chatty("ftp", root.path(), {"--huge-reply", std::to_string(200 * 1024 * 1024)});
        use(chatty);
        client.setConnectTimeout(5000);
        auto t0 = std::chrono::steady_clock::now();
        EXPECT_EQ(failureOf([&] { client.connect(); }), NetError::Kind::Connect);
        EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(10));
        EXPECT_FALSE(client.connected());
    }
}

TEST_F(Ftp, PolishNamesTravelAsUtf8) {
    start();
    client.connect();
    std::string name = "zażółć gęślą.html"_w;
    writeFile(local.path() / "a", "abc");
    client.store(local.path() / "a", name);
    EXPECT_EQ(readFile(root.path() / fs::u8path("zażółć gęślą.html")), "abc");
    EXPECT_EQ(client.listNames(), std::vector<std::string>{name});
    // Names with blanks inside commands.
    client.makeDir("nowy folder");
    client.rename(name, "nowy folder/" + name);
    client.changeDir("nowy folder");
    EXPECT_EQ(client.listNames(), std::vector<std::string>{name});
    client.deleteFile(name);
    EXPECT_TRUE(client.listNames().empty());
}

TEST_F(Ftp, ConnectFailuresGiveTheirPolishMessages) {
    start();
    struct Case {
        const char* what;
        std::function<void(FtpClient&)> setup;
        NetError::Kind kind;
        std::string message;
    };
    TestServer mute("mute", root.path());
    int freePort;
    {
        TestServer gone("mute", root.path());
        freePort = gone.port();
    }
    std::vector<Case> cases = {
        {"wrong password", [&](FtpClient& c) { c.setPassword("wrong"); }, NetError::Kind::Login,
         "Serwer FTP odrzucił nazwę użytkownika lub hasło."_w},
        {"nobody listening",
         [&](FtpClient& c) { c.setHost("127.0.0.1:" + std::to_string(freePort)); }, NetError::Kind::Connect,
         "Nie można połączyć się z serwerem FTP 127.0.0.1."_w},
        {"server never greets",
         [&](FtpClient& c) {
             c.setHost(mute.hostPort());
             c.setConnectTimeout(1000);
             c.setIdleTimeout(1000);
         },
         NetError::Kind::Timeout, "Upłynął czas oczekiwania na połączenie z serwerem FTP 127.0.0.1."_w},
        {"bad host text", [&](FtpClient& c) { c.setHost("a b"); }, NetError::Kind::Connect,
         "Nieprawidłowy adres serwera FTP: a b."_w},
        {"port beyond any number", [&](FtpClient& c) { c.setHost("127.0.0.1:99999999999999999999"); },
         NetError::Kind::Connect, "Nieprawidłowy adres serwera FTP: 127.0.0.1."_w},
        {"port beyond 65535", [&](FtpClient& c) { c.setHost("127.0.0.1:65536"); }, NetError::Kind::Connect,
         "Nieprawidłowy adres serwera FTP: 127.0.0.1."_w},
        {"port 0", [&](FtpClient& c) { c.setHost("127.0.0.1:0"); }, NetError::Kind::Connect,
         "Nieprawidłowy adres serwera FTP: 127.0.0.1."_w},
        {"port with letters", [&](FtpClient& c) { c.setHost("127.0.0.1:21a"); }, NetError::Kind::Connect,
         "Nieprawidłowy adres serwera FTP: 127.0.0.1."_w},
        {"line break in the user name", [&](FtpClient& c) { c.setUser("user\r\nDELE x"); }, NetError::Kind::Login,
         "Serwer FTP odrzucił nazwę użytkownika lub hasło."_w},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FtpClient fresh;
        fresh.setHost(server->hostPort());
        fresh.setUser(TestServer::user());
        fresh.setPassword(TestServer::password());
        c.setup(fresh);
        auto t0 = std::chrono::steady_clock::now();
        EXPECT_EQ(failureOf([&] { fresh.connect(); }), c.kind);
        EXPECT_EQ(lastMessage, c.message);
        EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(10));
        EXPECT_FALSE(fresh.connected());
        EXPECT_EQ(failureOf([&] { fresh.listNames(); }), NetError::Kind::NotConnected);
    }
}

TEST_F(Ftp, HostTextForms) {
    start();
    for (std::string host : {server->hostPort(), "ftp://" + server->hostPort() + "/", " " + server->hostPort()}) {
        SCOPED_TRACE(host);
        client.setHost(host);
        client.connect();
        EXPECT_TRUE(client.connected());
    }
}

TEST_F(Ftp, ProxySettingsOfTheEnvironmentAreIgnored) {
    start();
    for (const char* var : {"ftp_proxy", "FTP_PROXY", "all_proxy", "ALL_PROXY"}) setenv(var, "http://127.0.0.1:9", 1);
    writeFile(local.path() / "a", "abc");
    EXPECT_NO_THROW({
        client.connect();
        client.store(local.path() / "a", "a");
    });
    for (const char* var : {"ftp_proxy", "FTP_PROXY", "all_proxy", "ALL_PROXY"}) unsetenv(var);
    EXPECT_EQ(readFile(root.path() / "a"), "abc");
}

TEST_F(Ftp, ReconnectAndDisconnect) {
    start();
    client.connect();
    client.changeDir("/");
    client.connect();  // connecting again starts afresh
    EXPECT_TRUE(client.connected());
    client.disconnect();
    EXPECT_FALSE(client.connected());
    EXPECT_EQ(failureOf([&] { client.listNames(); }), NetError::Kind::NotConnected);
    client.connect();
    EXPECT_TRUE(client.listNames().empty());
}

TEST_F(Ftp, WorkEventsFollowTheTransfer) {
    start();
    const size_t size = 5 * 1024 * 1024;
    writeFile(local.path() / "big", pattern(size));
    std::vector<std::string> order;
    std::int64_t expected = -1, last = 0;
    bool monotonic = true;
    client.setEvents({[&](std::int64_t n) {
                          order.push_back("begin");
                          expected = n;
                      },
                      [&](std::int64_t n) {
                          // A progress window lets pending events be processed here.
                          QCoreApplication::processEvents();
                          if (order.back() != "work") order.push_back("work");
                          monotonic = monotonic && n >= last;
                          last = n;
                      },
                      [&] { order.push_back("end"); }});
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(0);
    client.connect();
    client.store(local.path() / "big", "big");
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(order, (std::vector<std::string>{"begin", "work", "end"}));
    EXPECT_EQ(expected, std::int64_t(size));
    EXPECT_EQ(last, std::int64_t(size));
    EXPECT_TRUE(monotonic);
    EXPECT_EQ(fs::file_size(root.path() / "big"), size);
}

TEST_F(Ftp, AbortFromTheProgressEventStopsTheTransfer) {
    start();
    writeFile(local.path() / "big", pattern(20 * 1024 * 1024));
    writeFile(local.path() / "small", "small");
    bool ended = false;
    client.setEvents({nullptr,
                      [&](std::int64_t n) {
                          if (n > 0) client.abort();
                      },
                      [&] { ended = true; }});
    client.connect();
    EXPECT_EQ(failureOf([&] { client.store(local.path() / "big", "big"); }), NetError::Kind::Aborted);
    EXPECT_EQ(lastMessage, "Przesyłanie pliku zostało przerwane."_w);
    EXPECT_TRUE(ended);
    EXPECT_LT(fs::exists(root.path() / "big") ? fs::file_size(root.path() / "big") : 0, 20u * 1024 * 1024);
    // The abort cut the connection; the client says so instead of logging in
    // again on its own.
    client.setEvents({});
    EXPECT_FALSE(client.connected());
    EXPECT_EQ(failureOf([&] { client.store(local.path() / "small", "small"); }), NetError::Kind::NotConnected);
    EXPECT_EQ(received("USER"), 1);
    client.connect();
    client.store(local.path() / "small", "small");
    EXPECT_EQ(readFile(root.path() / "small"), "small");
}

TEST_F(Ftp, ARequestWhileOneRunsIsRefused) {
    start();
    writeFile(local.path() / "big", pattern(2 * 1024 * 1024));
    NetError::Kind during = NetError::Kind::Aborted;
    bool asked = false;
    client.setEvents({nullptr,
                      [&](std::int64_t) {
                          if (asked) return;
                          asked = true;
                          during = failureOf([&] { client.listNames(); });
                      },
                      nullptr});
    client.connect();
    client.store(local.path() / "big", "big");
    EXPECT_EQ(during, NetError::Kind::Busy);
    EXPECT_EQ(fs::file_size(root.path() / "big"), 2u * 1024 * 1024);
}

// The event loop keeps running while a call waits: a timer of the caller's
// fires all through a stalled store and aborts it long before the idle
// time-out. The server takes the data connection and stops reading it after
// 128 KB; the rest of a small file still fits into the sockets' buffers (so
// the client has sent it all and waits for the server's answer), a big one
// does not (so the client's sending waits for room).
TEST_F(Ftp, EventLoopRunsDuringAStalledStoreAndAbortsIt) {
    for (bool active : {false, true}) {
        std::vector<std::string> options = {"--stall-after", "131072"};
        if (active) options.push_back("--active-only");
        start(options);
        client.setIdleTimeout(20000);
        for (std::size_t size : {std::size_t(300 * 1024), std::size_t(32 * 1024 * 1024)}) {
            SCOPED_TRACE(std::to_string(size) + (active ? " active" : " passive"));
            writeFile(local.path() / "big", pattern(size));
            client.connect();
            int ticks = 0, ticksAtAbort = 0;
            std::chrono::steady_clock::time_point aborted;
            QTimer ticker;
            QObject::connect(&ticker, &QTimer::timeout, [&] {
                if (++ticks == 20) {
                    ticksAtAbort = ticks;
                    aborted = std::chrono::steady_clock::now();
                    client.abort();
                }
            });
            ticker.start(25);
            EXPECT_EQ(failureOf([&] { client.store(local.path() / "big", "big"); }), NetError::Kind::Aborted);
            auto ended = std::chrono::steady_clock::now();
            ticker.stop();
            EXPECT_EQ(ticksAtAbort, 20) << "the timer ran all through the stall";
            EXPECT_LT(ended - aborted, std::chrono::seconds(1));
            EXPECT_LE(fs::file_size(root.path() / "big"), 131072u + 65536u);
        }
    }
}

TEST_F(Ftp, SilentServerEndsInTheIdleTimeout) {
    start({"--stall-after", "100000"});
    client.setIdleTimeout(1000);
    writeFile(local.path() / "big", pattern(32 * 1024 * 1024));
    client.connect();
    auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(failureOf([&] { client.store(local.path() / "big", "big"); }), NetError::Kind::Timeout);
    EXPECT_EQ(lastMessage, "Serwer FTP przestał odpowiadać. Połączenie zostało zamknięte."_w);
    // curl averages the speed over a few seconds before it calls the server silent.
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(15));
    EXPECT_FALSE(client.connected());
}

TEST_F(Ftp, DroppedConnectionMidTransferIsAnError) {
    start({"--drop-after", "200000"});
    writeFile(local.path() / "big", pattern(4 * 1024 * 1024));
    client.connect();
    EXPECT_EQ(failureOf([&] { client.store(local.path() / "big", "big"); }), NetError::Kind::Lost);
    EXPECT_EQ(lastMessage, "Połączenie z serwerem FTP zostało przerwane."_w);
    EXPECT_FALSE(client.connected());
    EXPECT_EQ(failureOf([&] { client.listNames(); }), NetError::Kind::NotConnected);
}

// Every byte of a file arrives whatever its size beside curl's upload
// buffer (64 KB), also when the server reads slowly and the sending waits
// for room: the data connection is shut only once all of it was sent.
TEST_F(Ftp, EveryByteArrivesWhateverTheSize) {
    for (bool slow : {false, true}) {
        start(slow ? std::vector<std::string>{"--throttle", "4000000"} : std::vector<std::string>{});
        client.connect();
        for (std::size_t size : {std::size_t(0), std::size_t(1), std::size_t(65535), std::size_t(65536),
                                 std::size_t(65537), std::size_t(3 * 65536), std::size_t(1024 * 1024 + 3)}) {
            SCOPED_TRACE(std::to_string(size) + (slow ? " slow" : ""));
            writeFile(local.path() / "f", pattern(size));
            client.store(local.path() / "f", "f");
            const std::string arrived = readFile(root.path() / "f");
            EXPECT_TRUE(arrived == pattern(size)) << arrived.size() << " bytes arrived";
        }
        client.disconnect();
    }
}

// A file that cannot be read whole while it is sent (cut short or grown
// meanwhile, as by another program) is a local failure that names it, never
// an abort of the caller's and never a shorter file on the server.
TEST_F(Ftp, AFileThatCannotBeReadWholeIsALocalFailure) {
    start();
    const std::size_t size = 4 * 1024 * 1024;
    for (bool grows : {false, true}) {
        SCOPED_TRACE(grows ? "grows" : "cut short");
        writeFile(local.path() / "strona.html", pattern(size));
        bool changed = false;
        client.setEvents({nullptr,
                          [&](std::int64_t n) {
                              if (n == 0 || changed) return;
                              changed = true;
                              fs::resize_file(local.path() / "strona.html", grows ? 2 * size : 1000);
                          },
                          nullptr});
        client.connect();
        EXPECT_EQ(failureOf([&] { client.store(local.path() / "strona.html", "strona.html"); }),
                  NetError::Kind::Local);
        EXPECT_EQ(lastMessage, "Nie można odczytać pliku strona.html."_w);
        client.setEvents({});
    }
}

// An abort is the caller's whatever the server said meanwhile: a refusal
// that waits on the control connection when the aborted store closes it
// turns it neither into a full disk nor into a refused file.
TEST_F(Ftp, AnAbortStaysAnAbortWhateverTheServerSaidLast) {
    writeFile(local.path() / "big", pattern(8 * 1024 * 1024));
    for (const char* code : {"451", "550"}) {
        SCOPED_TRACE(code);
        start({"--fail-after", "1", "--fail-code", code});
        bool aborted = false;
        client.setEvents({nullptr,
                          [&](std::int64_t n) {
                              if (n == 0 || aborted) return;
                              aborted = true;
                              // Time for the server's refusal to arrive.
                              std::this_thread::sleep_for(std::chrono::milliseconds(300));
                              client.abort();
                          },
                          nullptr});
        client.connect();
        EXPECT_EQ(failureOf([&] { client.store(local.path() / "big", "big"); }), NetError::Kind::Aborted);
        EXPECT_EQ(lastMessage, "Przesyłanie pliku zostało przerwane."_w);
        client.setEvents({});
    }
}

// A server whose disk fills during a store closes the data connection and
// answers 426, read as the store's own answer (the client had sent the whole
// file into the sockets' buffers) or only when the client's sending broke
// off: the store ends on that answer in a broken connection that carries
// the server's code. No idle time-out comes within the test's span: only
// the server's answer ends the store (a client that never took it would be
// stopped by the watch, and the store would end as aborted).
TEST_F(Ftp, AServerWhoseDiskFillsBreaksTheStoreWith426) {
    for (std::size_t size : {std::size_t(1536 * 1024), std::size_t(32 * 1024 * 1024)}) {
        SCOPED_TRACE(size);
        start({"--disk-full-after", "1048576"});
        client.setIdleTimeout(3600 * 1000);
        writeFile(local.path() / "big", pattern(size));
        client.connect();
        QTimer watch;
        watch.setSingleShot(true);
        QObject::connect(&watch, &QTimer::timeout, [&] { client.abort(); });
        watch.start(120 * 1000);
        NetError::Kind kind = NetError::Kind::Busy;
        int code = 0;
        try {
            client.store(local.path() / "big", "big");
        } catch (const NetError& e) {
            kind = e.kind();
            code = e.code();
            lastMessage = e.what();
        }
        EXPECT_TRUE(watch.isActive()) << "the store ended before the watch";
        EXPECT_EQ(kind, NetError::Kind::Lost);
        EXPECT_EQ(lastMessage, "Połączenie z serwerem FTP zostało przerwane."_w);
        EXPECT_EQ(code, 426);
        EXPECT_FALSE(client.connected());
    }
}

// A multi-line reply is read as its last line, whatever the lines between
// look like (a server may quote other replies in them), both for the reply
// to a command and for what a broken-off store says.
TEST(FtpReplies, AMultiLineReplyCountsAsItsLastLine) {
    struct Case {
        std::vector<std::string> lines;
        int reply;             // the command's reply code
        int storeFailure = 0;  // FtpReplies::closing of the lines
    };
    const Case cases[] = {
        {{"226 Transfer complete.\r\n"}, 226},
        {{"226-Transfer complete.\r\n", "226 Bye.\r\n"}, 226},
        {{"550-Not taken:\r\n", "200 was the last answer\r\n", "550 End.\r\n"}, 550, 550},
        {{"226-Statistics:\r\n", " 552 bytes sent\r\n", "552 quota\r\n", "226 Done.\r\n"}, 226},
        {{"451-Local error:\r\n", "226 is what you hoped for\r\n", "451 Aborted.\r\n"}, 451, 451},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.front());
        net::FtpReplies replies;
        replies.sent("STOR a.html\r\n");
        std::string all;
        for (const std::string& l : c.lines) {
            replies.received(l);
            all += l;
        }
        EXPECT_EQ(replies.codeOf("STOR a.html"), c.reply);
        EXPECT_EQ(net::FtpReplies::closing(all).storeFailure, c.storeFailure);
    }
}

class Http : public ::testing::Test {
protected:
    static void SetUpTestSuite() { net::testing::ensureApp(); }
    TempDir root;
};

TEST_F(Http, GetReturnsTheBodyOrFails) {
    std::string body = pattern(100000);
    writeFile(root.path() / "data.dat", body);
    writeFile(root.path() / "empty.dat", "");
    TestServer server("http", root.path());
    std::string base = "http://" + server.hostPort() + "/";
    setenv("http_proxy", "http://127.0.0.1:9", 1);
    EXPECT_EQ(net::httpGet(base + "data.dat"), body);
    EXPECT_EQ(net::httpGet(base + "empty.dat"), "");
    unsetenv("http_proxy");

    int freePort;
    {
        TestServer gone("mute", root.path());
        freePort = gone.port();
    }
    TestServer mute("mute", root.path());
    struct Case {
        std::string url;
        NetError::Kind kind;
        int code;
    };
    for (const Case& c : std::vector<Case>{
             {base + "missing.dat", NetError::Kind::Http, 404},
             {"http://127.0.0.1:" + std::to_string(freePort) + "/x", NetError::Kind::Connect, 0},
             {"http://" + mute.hostPort() + "/x", NetError::Kind::Timeout, 0},
             {"file:///etc/passwd", NetError::Kind::Connect, 0},
         }) {
        SCOPED_TRACE(c.url);
        try {
            net::HttpOptions o;
            o.idleTimeoutMs = 1000;
            net::httpGet(c.url, o);
            ADD_FAILURE() << "no error";
        } catch (const NetError& e) {
            EXPECT_EQ(e.kind(), c.kind) << e.what();
            EXPECT_EQ(e.code(), c.code);
            EXPECT_FALSE(std::string(e.what()).empty());
        }
    }
}

NetError::Kind httpFailure(const std::string& url, const net::HttpOptions& o, std::string* message = nullptr) {
    try {
        net::httpGet(url, o);
    } catch (const NetError& e) {
        if (message) *message = e.what();
        return e.kind();
    }
    ADD_FAILURE() << "no error";
    return NetError::Kind::Busy;
}

TEST_F(Http, ATricklingServerEndsInTheWholeRequestDeadline) {
    writeFile(root.path() / "slow.dat", std::string(200, 'x'));
    TestServer server("http", root.path(), {"--trickle", "0.05"});
    net::HttpOptions o;
    o.idleTimeoutMs = 1000;  // never silent that long
    o.totalTimeoutMs = 1500;
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(httpFailure("http://" + server.hostPort() + "/slow.dat", o), NetError::Kind::Timeout);
    const auto took = std::chrono::steady_clock::now() - t0;
    EXPECT_GE(took, std::chrono::milliseconds(1400));
    EXPECT_LT(took, std::chrono::milliseconds(4000));
}

TEST_F(Http, BodiesAreBoundedAndMustSayWhereTheyEnd) {
    writeFile(root.path() / "ten.dat", "0123456789");
    TestServer plain("http", root.path()), open("http", root.path(), {"--no-length"}),
        endless("http", root.path(), {"--endless", "big.dat"});
    net::HttpOptions o;
    o.maxBytes = 10;
    EXPECT_EQ(net::httpGet("http://" + plain.hostPort() + "/ten.dat", o), "0123456789");
    o.maxBytes = 9;  // declared longer than allowed
    std::string message;
    EXPECT_EQ(httpFailure("http://" + plain.hostPort() + "/ten.dat", o, &message), NetError::Kind::Lost);
    EXPECT_NE(message.find("więcej danych"_w), std::string::npos) << message;
    // Never declared: stopped once past the bound.
    o.maxBytes = 1 << 20;
    std::size_t got = 0;
    EXPECT_THROW(net::httpGet("http://" + endless.hostPort() + "/big.dat", o,
                              [&](const char*, std::size_t n) {
                                  got += n;
                                  return true;
                              }),
                 NetError);
    EXPECT_LE(got, std::size_t(1) << 20);
    // A body ended only by the closed connection is whole only where the
    // caller does not ask for its end to be declared.
    EXPECT_EQ(net::httpGet("http://" + open.hostPort() + "/ten.dat"), "0123456789");
    o.requireDeclaredEnd = true;
    EXPECT_EQ(httpFailure("http://" + open.hostPort() + "/ten.dat", o), NetError::Kind::Lost);
    EXPECT_EQ(net::httpGet("http://" + plain.hostPort() + "/ten.dat", o), "0123456789");
}

TEST_F(Http, AbortedOrQuitRequestsFailAndInputIsDropped) {
    writeFile(root.path() / "slow.dat", std::string(100, 'x'));
    TestServer server("http", root.path(), {"--trickle", "0.05"});
    const std::string url = "http://" + server.hostPort() + "/slow.dat";
    // Keys and clicks that arrive meanwhile reach nobody.
    struct Counter : QObject {
        int events = 0;
        bool event(QEvent* e) override {
            if (e->type() == QEvent::KeyPress || e->type() == QEvent::MouseButtonPress) ++events;
            return QObject::event(e);
        }
    } target;
    QTimer::singleShot(100, [&] {
        QCoreApplication::postEvent(&target, new QEvent(QEvent::KeyPress));
        QCoreApplication::postEvent(&target, new QEvent(QEvent::MouseButtonPress));
    });
    QTimer::singleShot(400, [] { net::abortHttpGet(); });
    EXPECT_EQ(httpFailure(url, {}), NetError::Kind::Aborted);
    EXPECT_EQ(target.events, 0);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(target.events, 0);

    // The program told to end while a request waits: the request fails (it
    // never returns what came so far as the whole body).
    QTimer::singleShot(300, [] { QCoreApplication::exit(0); });
    EXPECT_EQ(httpFailure(url, {}), NetError::Kind::Aborted);
    // The quit is taken back by running and ending the application's loop,
    // so the tests after this one can wait again.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

}  // namespace
