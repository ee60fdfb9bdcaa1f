// Without an application object (a tool with no event loop) requests are
// driven by polling; the same operations and aborts work.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "TestServer.h"
#include "net/FtpClient.h"
#include "net/HttpGet.h"

namespace fs = std::filesystem;
using net::FtpClient;
using net::NetError;
using net::testing::TempDir;
using net::testing::TestServer;
using net::testing::readFile;
using net::testing::writeFile;

TEST(FtpWithoutEventLoop, StoresListsAndAborts) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    TempDir root, local;
    TestServer server("ftp", root.path(), {"--active-only"});
    FtpClient client;
    client.setHost(server.hostPort());
    client.setUser(TestServer::user());
    client.setPassword(TestServer::password());
    client.connect();
    writeFile(local.path() / "page.html", "page");
    writeFile(local.path() / "big", std::string(8 * 1024 * 1024, 'b'));
    std::int64_t last = 0;
    client.setEvents({nullptr, [&](std::int64_t n) { last = n; }, nullptr});
    client.store(local.path() / "page.html", "page.html");
    EXPECT_EQ(last, 4);
    EXPECT_EQ(client.listNames(), std::vector<std::string>{"page.html"});
    EXPECT_EQ(readFile(root.path() / "page.html"), "page");

    client.setEvents({nullptr, [&](std::int64_t n) {
                          if (n > 0) client.abort();
                      },
                      nullptr});
    try {
        client.store(local.path() / "big", "big");
        ADD_FAILURE() << "not aborted";
    } catch (const NetError& e) {
        EXPECT_EQ(e.kind(), NetError::Kind::Aborted);
    }

    writeFile(root.path() / "x.dat", "body");
    TestServer http("http", root.path());
    EXPECT_EQ(net::httpGet("http://" + http.hostPort() + "/x.dat"), "body");
}
