// Publishing a site of 200 pages and 200 pictures (about 20 MB) to an FTP
// server on 127.0.0.1, beside curl -T sending the same files in one run.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "TestServer.h"
#include "files/FileSystem.h"
#include "forms/ScriptedAnswers.h"
#include "pageeditor/core/MessageList.h"
#include "pageeditor/publish/Publisher.h"

namespace fs = std::filesystem;
using net::testing::TempDir;
using net::testing::TestServer;

namespace {

struct Site {
    TempDir app;
    fs::path site;
    std::string pages, pictures;  // curl's "{a,b,...}" lists
    Site() {
        site = app.path() / "webpages" / "Duza";
        std::string page(20 * 1024, 'h'), picture(80 * 1024, 'j');
        for (int i = 0; i < 200; ++i) {
            std::string n = std::to_string(1000 + i);
            net::testing::writeFile(site / ("strona" + n + ".html"), page);
            net::testing::writeFile(site / "data" / ("obraz" + n + ".jpg"), picture);
            pages += (pages.empty() ? "" : ",") + (site / ("strona" + n + ".html")).string();
            pictures += (pictures.empty() ? "" : ",") + (site / "data" / ("obraz" + n + ".jpg")).string();
        }
    }
};

Site& site() {
    static Site s;
    return s;
}

void clear(const fs::path& root) {
    for (auto& e : fs::directory_iterator(root)) fs::remove_all(e.path());
    fs::create_directories(root / "www");
}

void BM_PublishSite(benchmark::State& state) {
    net::testing::ensureApp();
    Site& s = site();
    TempDir root;
    TestServer server("ftp", root.path());
    net::testing::writeFile(s.site / "project.prj", "[project]\r\nhost=" + server.hostPort() + "\r\nuser=" +
                                                        TestServer::user() + "\r\npass=" + TestServer::password() +
                                                        "\r\n");
    forms::ScriptedAnswers answers;
    forms::setModal(&answers);
    pageeditor::MessageList messages;
    pageeditor::Publisher publisher(messages);
    publisher.showDialog = [](pageeditor::PublishSettings&) { return true; };
    std::string appDir = files::platformName(s.app.path()) + "\\";
    for (auto _ : state) {
        state.PauseTiming();
        clear(root.path());
        answers.clear();
        answers.answerMessage(6);  // the size question
        answers.answerMessage(1);  // ready to copy
        state.ResumeTiming();
        if (publisher.publish(appDir, "Duza", 200) != pageeditor::Publisher::Outcome::Done)
            state.SkipWithError("publish failed");
    }
    forms::setModal(nullptr);
    state.SetBytesProcessed(state.iterations() * 200 * (20 + 80) * 1024);
}
BENCHMARK(BM_PublishSite)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_CurlUploadSameFiles(benchmark::State& state) {
    Site& s = site();
    TempDir root;
    TestServer server("ftp", root.path());
    std::string base = "ftp://" + server.hostPort() + "/www/";
    std::string cmd = "curl -s -S --noproxy '*' -P - --ftp-create-dirs -u " + std::string(TestServer::user()) + ":" +
                      TestServer::password() + " -T '{" + s.pages + "}' " + base + " -T '{" + s.pictures + "}' " +
                      base + "data/";
    for (auto _ : state) {
        state.PauseTiming();
        clear(root.path());
        state.ResumeTiming();
        if (std::system(cmd.c_str()) != 0) state.SkipWithError("curl failed");
    }
    state.SetBytesProcessed(state.iterations() * 200 * (20 + 80) * 1024);
}
BENCHMARK(BM_CurlUploadSameFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
