// The version check and the word-base update against an update server on
// 127.0.0.1 started by the tests.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

#include "TestServer.h"
#include "dictionary/LocaleNumber.h"
#include "dictionary/TestProgramFolder.h"
#include "dictionary/UpdateCommands.h"
#include "dictionary/UpdateEndpoint.h"
#include "dictionary/WordBaseCheck.h"
#include "dictionary/WordBaseMerge.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/WindowOrder.h"
#include "text/CaseRules.h"

using namespace dictionary;
using namespace text::literals;
namespace fs = std::filesystem;
namespace drive = forms::drive;
using net::testing::TestServer;

namespace {

const std::string kCheckIntro =
    "Po kliknięciu OK progam sprawdzi bazę wyrazów na serwerze. To może chwilę potrwać. Proszę o cierpliwość."_w;
const std::string kUpdateError = "Błąd w czasie aktualizacji."_w;
const std::string kVersionError =
    "Błąd przy pobieraniu informacji o wersji. Upewnij się, czy jest aktywne połączenie."_w;
const std::string kCheckError = "Błąd w czasie sprawdzania bazy wyrazów. Zalecam ponowną próbę - dopiero po "
                                "wcześniejszym nawiązaniu połączenia z Internetem."_w;

const std::string kKom = "Nowe wyrazy: Bahn, Haus (dom rodzinny), Apfel."_w;

class Update : public dictionary::testing::ProgramFolder {
protected:
    void SetUp() override {
        ProgramFolder::SetUp();
        text::writeLines(folder / "numer.dat", {"4"});
        text::writeLines(folder / "data.dat", {ShortDate::format(ShortDate::today() - std::chrono::days(40))});
        serve("wersja.dat", "0.7.3");
        serve("info.dat", "9");
        serve("kom.dat", "Nowe wyrazy: Bahn, Haus (dom rodzinny), Apfel."_w);
        serve("numer.dat", "5");
        // An increment as a server sends it: its own order, ending in a line break.
        serve("5a.dat", "Bahn <i>die</i> <b>kolej</b>\r\nHaus <i>das</i> <b>dom rodzinny</b>\r\nApfel <i>der</i> "
                        "<b>jabłko</b>\r\n"_w);
        serve("5b.dat", "Bahn\r\nHaus\r\nApfel\r\n");
        server = std::make_unique<TestServer>("http", root.path());
        useServer(server->port());
    }
    void TearDown() override {
        ProgramFolder::TearDown();
        server.reset();
        unsetenv(UpdateEndpoint::AddressVariable);
    }
    void serve(const std::string& name, const std::string& body) { net::testing::writeFile(root.path() / name, body); }
    void withdraw(const std::string& name) { fs::remove(root.path() / name); }
    static void useServer(int port) {
        setenv(UpdateEndpoint::AddressVariable, ("http://127.0.0.1:" + std::to_string(port) + "/").c_str(), 1);
    }
    // A port that nothing listens on.
    int closedPort() {
        TestServer gone("http", root.path());
        return gone.port();
    }
    // The word-base check answered with OK, then `question`, then OK.
    void check(Form1& f, int question = forms::mb::No) {
        answers.answerMessage(forms::mb::Ok);
        answers.answerMessage(question);
        answers.answerMessage(forms::mb::Ok);
        drive::click(*f.Label6);
        drive::processEvents();
    }
    // The files of the base and the update state, byte for byte.
    std::vector<std::string> state() {
        return {read("a.dat"), read("b.dat"), read("numer.dat"), read("data.dat")};
    }
    std::vector<std::string> strayFiles() {
        std::vector<std::string> stray;
        for (const auto& e : fs::directory_iterator(folder)) {
            const std::string n = e.path().filename().string();
            if (n.rfind("tymcz_", 0) == 0 || n.find(".nowy") != std::string::npos || n.find(".stary") != std::string::npos)
                stray.push_back(n);
        }
        return stray;
    }
    frmUpdate& updateWindow() { return program->form1().updates.updateWindow(); }
    static std::string question9() {
        return "Liczba słów w bazie danych na serwerze: 9. Czy chcesz aktualizować bazę wyrazów teraz? "_w + kKom;
    }
    static std::string noUpdate() { return "Brak aktualizacji. " + kKom; }

    // What the user sees: every pixel of the label's text is painted in the
    // window as it stands; given all the room it could want, the label
    // paints no more (the last lines, the server's address, are not cut off).
    void expectCaptionPaintedWhole(forms::Form& window, forms::Label& label) {
        auto ink = [&](const char* name) {
            const fs::path png = folder.parent_path() / name;
            EXPECT_TRUE(drive::saveScreenshot(window, png.string()));
            const QImage shot(QString::fromStdString(png.string()));
            int dark = 0;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x) dark += qGray(shot.pixel(x, y)) < 160;
            return dark;
        };
        const int shown = ink("shown.png");
        const int roomy = label.height() * 4;
        label.resize(label.width(), roomy);
        window.setClientSize(window.clientWidth(), label.top() + roomy);
        const int whole = ink("whole.png");
        EXPECT_GT(shown, 0);
        EXPECT_EQ(shown, whole) << "the text is cut off in the window";
    }

    net::testing::TempDir root;
    std::unique_ptr<TestServer> server;
};

TEST(UpdateNumbers, ReadAsTheLocaleWritesThem) {
    struct Case {
        const char* text;
        std::optional<double> floor;
    };
    const Case cases[] = {
        {"41", 41},   {" 41\r\n", 41}, {"8,7", 8},      {"8.7", 8},      {"-0,5", -1},   {"+3", 3},
        {"", {}},     {"abc", {}},     {"12abc", {}},   {"1 2", {}},     {",", {}},      {"<html>", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(LocaleNumber::floorOf(c.text), c.floor) << '"' << c.text << '"';
    EXPECT_EQ(LocaleNumber::floor16("32767"), std::optional<std::int16_t>(32767));
    EXPECT_FALSE(LocaleNumber::floor16("32768"));
    EXPECT_FALSE(LocaleNumber::floor16("-32769"));
}

TEST(UpdateNumbers, TheServersCountIsReadWholeAndShownCut) {
    using Kind = WordBaseCheck::Kind;
    const std::string padded = "9" + std::string(400, ' ');
    struct Case {
        std::string info;
        Kind kind;
        std::string text;
        int ahead;
    };
    auto question = [](const std::string& count) {
        return "Liczba słów w bazie danych na serwerze: "_w + count + ". Czy chcesz aktualizować bazę wyrazów teraz? "_w +
               kKom;
    };
    const Case cases[] = {
        {"9", Kind::Offer, question("9"), 4},
        {"5\r\n", Kind::Current, "Brak aktualizacji. "_w + kKom, 0},
        {"3,5", Kind::Behind, "", 0},
        {"", Kind::NoCount, "", 0},
        {"<html>", Kind::NotANumber, "", 0},
        {"99999999", Kind::Offer, question("99999999"), 32767},
        // A count with a long tail of blanks is still the count; the
        // question shows it cut.
        {padded, Kind::Offer, question(padded.substr(0, 300) + "..."), 4},
    };
    for (const auto& c : cases) {
        const WordBaseCheck::Answer a = WordBaseCheck::of(c.info, kKom, 5);
        EXPECT_EQ(a.kind, c.kind) << c.info;
        EXPECT_EQ(a.text, c.text) << c.info;
        EXPECT_EQ(a.incrementsAhead, c.ahead) << c.info;
    }
}

TEST_F(Update, EndpointAddressComesFromTheEnvironmentOrTheDefault) {
    unsetenv(UpdateEndpoint::AddressVariable);
    EXPECT_EQ(UpdateEndpoint::address("info.dat"), "http://www.wortel.pl/aktualizacja/info.dat");
    setenv(UpdateEndpoint::AddressVariable, "http://127.0.0.1:9/aktualizacja", 1);
    EXPECT_EQ(UpdateEndpoint::address("5a.dat"), "http://127.0.0.1:9/aktualizacja/5a.dat");
}

TEST_F(Update, VersionCheck) {
    struct Case {
        const char* name;
        std::optional<std::string> served;  // none: the file is missing
        bool serverDown;
        int answer;
        std::string message, title;
        bool download;
    };
    const std::string newer = "Wersja programu na serwerze nowsza od Twojej. Aktualna wersja programu: "_w;
    const std::string invite = ". Zapraszam do ściągnięcia nowej wersji! Czy chcesz zrobić to teraz?"_w;
    const Case cases[] = {
        {"same", "0.7.3", false, 0, "Brak nowej wersji programu na serwerze. Aktualna wersja programu: 0.7.3",
         "Brak nowej wersji", false},
        {"newer, yes", "0.8.0", false, forms::mb::Yes, newer + "0.8.0" + invite, "Nowa wersja na serwerze", true},
        {"older, no", "0.6.9", false, forms::mb::No, newer + "0.6.9" + invite, "Nowa wersja na serwerze", false},
        {"line break", "0.7.3\r\n", false, forms::mb::No, newer + "0.7.3\r\n" + invite, "Nowa wersja na serwerze",
         false},
        {"empty", "", false, 0, kVersionError, "Błąd"_w, false},
        {"missing", std::nullopt, false, 0, kVersionError, "Błąd"_w, false},
        {"server down", "0.8.0", true, 0, kVersionError, "Błąd"_w, false},
    };
    Form1& f = open();
    for (const auto& c : cases) {
        answers.clear();
        if (c.served) serve("wersja.dat", *c.served);
        else withdraw("wersja.dat");
        useServer(c.serverDown ? closedPort() : server->port());
        if (c.answer) answers.answerMessage(c.answer);
        drive::click(*f.Label7);
        auto asked = answers.asked("message");
        ASSERT_EQ(asked.size(), 1u) << c.name;
        EXPECT_EQ(asked[0].text, c.message) << c.name;
        EXPECT_EQ(asked[0].title, c.title) << c.name;
        auto downloads = answers.asked("download");
        ASSERT_EQ(downloads.size(), c.download ? 1u : 0u) << c.name;
        if (c.download)
            EXPECT_EQ(downloads[0].text, "http://127.0.0.1:" + std::to_string(server->port()) + "/wortel.zip");
    }
}

TEST_F(Update, WordBaseCheckAnswers) {
    struct Case {
        const char* name;
        std::optional<std::string> info, kom;  // none: the file is missing
        std::vector<std::string> after;        // messages after the introduction
    };
    const std::string kom = "Nowe wyrazy: Bahn, Haus (dom rodzinny), Apfel."_w;
    const std::string question = "Liczba słów w bazie danych na serwerze: "_w;
    const std::string ask = ". Czy chcesz aktualizować bazę wyrazów teraz? "_w;
    const Case cases[] = {
        {"equal", "6", kom, {"Brak aktualizacji. " + kom}},
        {"equal after rounding down", "6,9", kom, {"Brak aktualizacji. " + kom}},
        {"fewer", "5", kom, {}},
        {"more", "9", kom, {question + "9" + ask + kom}},
        {"more, no comment file", "9", std::nullopt, {kUpdateError, question + "9" + ask}},
        {"no count file", std::nullopt, kom, {kUpdateError, kCheckError}},
        {"no files at all", std::nullopt, std::nullopt, {kUpdateError, kUpdateError, kCheckError}},
        {"empty count", "", kom, {kCheckError}},
        {"count not a number", "sześć"_w, kom, {kUpdateError}},
    };
    Form1& f = open();
    const auto before = state();
    for (const auto& c : cases) {
        answers.clear();
        if (c.info) serve("info.dat", *c.info);
        else withdraw("info.dat");
        if (c.kom) serve("kom.dat", *c.kom);
        else withdraw("kom.dat");
        check(f, forms::mb::No);
        auto m = messages();
        ASSERT_FALSE(m.empty()) << c.name;
        EXPECT_EQ(m[0], kCheckIntro) << c.name;
        EXPECT_EQ(std::vector<std::string>(m.begin() + 1, m.end()), c.after) << c.name;
        EXPECT_FALSE(updateWindow().isLoaded()) << c.name;
    }
    // No answer changed anything, and the question was titled.
    EXPECT_EQ(state(), before);
    serve("info.dat", "9");
    answers.clear();
    check(f, forms::mb::No);
    ASSERT_EQ(answers.asked("message").size(), 2u);
    EXPECT_EQ(answers.asked("message")[1].title, "Aktualizacja");
    EXPECT_EQ(answers.asked("message")[1].flags & 7, forms::mb::YesNo);
}

TEST_F(Update, WholeUpdateMergesTheIncrementAndReloadsTheLookupWindow) {
    Form1& f = open();
    f.Label1_Click();  // the user's base shown before the update
    ASSERT_EQ(f.strBaza, "x.dat");
    ASSERT_EQ(f.Label6->foreColor(), forms::color::Red);
    check(f, forms::mb::Yes);

    auto m = messages();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[2], "5");  // the increment about to be fetched
    // Both files in list order; a headword already in the base stands twice.
    EXPECT_EQ(lines("b.dat"), (std::vector<std::string>{"Apfel", "Auto", "Bahn", "essen", "Haus", "Haus",
                                                          "Hausarzt", "M\xE4" "dchen", "Zug"}));
    const auto a = lines("a.dat");
    ASSERT_EQ(a.size(), 9u);
    EXPECT_EQ(a[0], "Apfel <i>der</i> <b>jabłko</b>"_w);
    EXPECT_EQ(a[2], "Bahn <i>die</i> <b>kolej</b>");
    EXPECT_EQ(a[4], "Haus <i>das</i> <b>dom rodzinny</b>");  // a blank sorts before "<"
    EXPECT_EQ(a[5], "Haus <i>das</i> <b>dom</b>");
    const auto b = lines("b.dat");
    for (std::size_t i = 0; i < a.size(); ++i) EXPECT_EQ(a[i].rfind(b[i] + " ", 0), 0u) << i;
    EXPECT_EQ(read("a.dat").substr(read("a.dat").size() - 2), "\r\n");
    // The update state.
    EXPECT_EQ(lines("numer.dat"), std::vector<std::string>{"5"});
    EXPECT_EQ(lines("data.dat"), std::vector<std::string>{ShortDate::format(ShortDate::today())});
    EXPECT_TRUE(strayFiles().empty());
    // The update window stays open on top with its last step.
    frmUpdate& u = updateWindow();
    ASSERT_TRUE(u.isLoaded());
    EXPECT_FALSE(u.failed());
    EXPECT_EQ(u.Label1->caption(), "Aktualizacja zakończona."_w);
    EXPECT_EQ(u.caption(), "Aktualizacja");
    EXPECT_TRUE(forms::isTopmost(u));
    EXPECT_EQ(u.List2->listCount(), 9);
    // The lookup window was built afresh on the new program base.
    EXPECT_TRUE(f.isLoaded());
    EXPECT_EQ(f.strBaza, "a.dat");
    EXPECT_EQ(f.lstWort->listCount(), 9);
    EXPECT_EQ(program->intIloscWyrazow, 9);
    EXPECT_NE(f.Label6->foreColor(), forms::color::Red);
    EXPECT_FALSE(program->blnPrzeladowanie);
    EXPECT_FALSE(forms::Application::endRequested());

    // A further check now finds nothing new.
    answers.clear();
    check(f);
    EXPECT_EQ(messages(), (std::vector<std::string>{kCheckIntro, noUpdate()}));
}

TEST_F(Update, IncrementsTheServerSkippedAheadOfAreAllTaken) {
    serve("numer.dat", "7\r\n");
    serve("6a.dat", "Baum <i>der</i> <b>drzewo</b>");
    serve("6b.dat", "Baum");
    serve("7a.dat", "Zelt <i>das</i> <b>namiot</b>\r\nAbend <i>der</i> <b>wieczór</b>"_w);
    serve("7b.dat", "Zelt\r\nAbend");
    Form1& f = open();
    check(f, forms::mb::Yes);
    EXPECT_EQ(lines("b.dat"), (std::vector<std::string>{"Abend", "Apfel", "Auto", "Bahn", "Baum", "essen", "Haus",
                                                          "Haus", "Hausarzt", "M\xE4" "dchen", "Zelt", "Zug"}));
    EXPECT_EQ(lines("numer.dat"), std::vector<std::string>{"7"});
    EXPECT_EQ(f.lstWort->listCount(), 12);
}

TEST_F(Update, FailedUpdateLeavesTheBaseAsItWasAndIsTakenAgainLater) {
    struct Case {
        const char* name;
        std::function<void()> breakIt;
    };
    const Case cases[] = {
        {"headword file missing", [&] { withdraw("5b.dat"); }},
        {"entry file missing", [&] { withdraw("5a.dat"); }},
        {"server number missing", [&] { withdraw("numer.dat"); }},
        {"files of unequal length", [&] { serve("5b.dat", "Bahn\r\nHaus\r\n"); }},
        {"entry line of another headword", [&] { serve("5b.dat", "Bahn\r\nHaus\r\nAmpel\r\n"); }},
        {"server number not a number", [&] { serve("numer.dat", "<html>Not found</html>"); }},
        {"local number missing", [&] { fs::remove(folder / "numer.dat"); }},
        {"local number past 16 bits", [&] { text::writeLines(folder / "numer.dat", {"32767"}); }},
        {"base empty", [&] { text::writeFile(folder / "a.dat", ""); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A fresh start: base, state and server as set up.
        TearDown();
        SetUp();
        c.breakIt();
        const auto before = state();
        Form1& f = open();
        const int listed = f.lstWort->listCount();
        check(f, forms::mb::Yes);
        auto m = messages();
        ASSERT_FALSE(m.empty());
        EXPECT_EQ(m.back(), kUpdateError);
        EXPECT_EQ(state(), before);
        EXPECT_TRUE(strayFiles().empty());
        EXPECT_EQ(f.lstWort->listCount(), listed);
        frmUpdate& u = updateWindow();
        EXPECT_TRUE(u.failed());
        ASSERT_TRUE(u.isLoaded());
        EXPECT_EQ(u.Label1->caption().rfind("Aktualizacja nie powiodła się"_w, 0), 0u) << u.Label1->caption();
    }
}

TEST_F(Update, AfterAFailedDownloadTheNextUpdateFetchesTheSameIncrement) {
    withdraw("5b.dat");
    Form1& f = open();
    check(f, forms::mb::Yes);
    ASSERT_TRUE(updateWindow().failed());
    EXPECT_EQ(lines("numer.dat"), std::vector<std::string>{"4"});
    // While the window is open a further Yes runs nothing.
    serve("5b.dat", "Bahn\r\nHaus\r\nApfel\r\n");
    answers.clear();
    check(f, forms::mb::Yes);
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_EQ(lines("b.dat").size(), 6u);
    // Closed, the next Yes updates.
    drive::closeByUser(updateWindow());
    answers.clear();
    check(f, forms::mb::Yes);
    EXPECT_EQ(messages(), (std::vector<std::string>{kCheckIntro, question9(), "5"}));
    EXPECT_EQ(lines("b.dat").size(), 9u);
    EXPECT_EQ(lines("numer.dat"), std::vector<std::string>{"5"});
}

TEST_F(Update, AnswersThatLieChangeNothing) {
    struct Case {
        const char* name;
        std::function<void()> lie;
        std::vector<std::string> serverArgs;  // another server, so set
    };
    const Case cases[] = {
        // Cut mid-line, with no length to tell: the server broke off.
        {"cut without length", [&] {}, {"--no-length", "--cut-after", "60"}},
        {"whole lines without length", [&] {}, {"--no-length"}},
        // Sent whole but holding a cut line.
        {"cut line", [&] {
             serve("5a.dat", "Bahn <i>die</i> <b>kolej</b>\r\nHaus <i>das</i> <b>dom rodzinny</b>\r\nApfel <i>der"_w);
         }, {}},
        {"number past the 16-bit counter", [&] { serve("numer.dat", "32767"); }, {}},
        {"number behind ours", [&] { serve("numer.dat", "-5"); }, {}},
        {"number equal to ours", [&] { serve("numer.dat", "4"); }, {}},
        // Three headwords more on the server can be at most three increments.
        {"more increments than headwords", [&] {
             serve("numer.dat", "8");
             for (int m = 6; m <= 8; ++m) {
                 serve(std::to_string(m) + "a.dat", "W" + std::to_string(m) + " <b>x</b>");
                 serve(std::to_string(m) + "b.dat", "W" + std::to_string(m));
             }
         }, {}},
        {"endless increment", [&] {}, {"--endless", "5a.dat"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        c.lie();
        std::unique_ptr<TestServer> liar;
        if (!c.serverArgs.empty()) {
            liar = std::make_unique<TestServer>("http", root.path(), c.serverArgs);
            useServer(liar->port());
        }
        const auto before = state();
        Form1& f = open();
        struct rusage r0 {};
        getrusage(RUSAGE_SELF, &r0);
        check(f, forms::mb::Yes);
        struct rusage r1 {};
        getrusage(RUSAGE_SELF, &r1);
        EXPECT_LT(r1.ru_maxrss - r0.ru_maxrss, 64 * 1024) << "kB more";
        EXPECT_EQ(messages().back(), kUpdateError);
        EXPECT_TRUE(updateWindow().failed());
        EXPECT_EQ(state(), before);
        EXPECT_TRUE(strayFiles().empty());
    }
}

TEST_F(Update, AServerThatRepeatsItselfIsAskedForNoMoreAndChangesNothing) {
    // A server that claims every word and every increment there can be, and
    // answers each increment file it is asked for with the same made-up one.
    struct Case {
        const char* name;
        std::string madeUpA, madeUpB;       // what every missing increment is
        std::function<void()> real;          // the increments it really has
        std::vector<std::string> requests;   // after info.dat, kom.dat, numer.dat
        std::string refused;                 // the increment the message names
    };
    const Case cases[] = {
        {"the same one-line pair", "Aaaneu <b>nowe</b>", "Aaaneu", [&] { withdraw("5a.dat"); withdraw("5b.dat"); },
         {"5a.dat", "5b.dat", "6a.dat"}, "6"},
        {"empty answers", "", "", [&] { withdraw("5a.dat"); withdraw("5b.dat"); }, {"5a.dat"}, "5"},
        {"two real ones, then the second again", "Zelt <i>das</i> <b>namiot</b>", "Zelt",
         [&] {
             serve("6a.dat", "Zelt <i>das</i> <b>namiot</b>");
             serve("6b.dat", "Zelt");
         },
         {"5a.dat", "5b.dat", "6a.dat", "6b.dat", "7a.dat"}, "7"},
        {"lines of the base", "Haus <i>das</i> <b>dom</b>\r\nZug <i>der</i> <b>pociąg</b>"_w, "Haus\r\nZug",
         [&] { withdraw("5a.dat"); withdraw("5b.dat"); }, {"5a.dat"}, "5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        serve("info.dat", "99999");
        serve("numer.dat", "32767");
        serve("made_up_a", c.madeUpA);
        serve("made_up_b", c.madeUpB);
        c.real();
        const fs::path log = root.path().parent_path() / (root.path().filename().string() + ".log");
        fs::remove(log);
        TestServer liar("http", root.path(), {"--log", log.string(), "--alias", "*a.dat=made_up_a", "--alias",
                                              "*b.dat=made_up_b"});
        useServer(liar.port());
        const auto before = state();
        Form1& f = open();
        check(f, forms::mb::Yes);
        EXPECT_EQ(messages().back(), kUpdateError);
        EXPECT_EQ(state(), before);
        EXPECT_TRUE(strayFiles().empty());
        EXPECT_EQ(f.lstWort->listCount(), 6);
        std::vector<std::string> asked = {"info.dat", "kom.dat", "numer.dat"};
        asked.insert(asked.end(), c.requests.begin(), c.requests.end());
        EXPECT_EQ(text::splitLines(net::testing::readFile(log)), asked);
        fs::remove(log);
        frmUpdate& u = updateWindow();
        ASSERT_TRUE(u.failed());
        EXPECT_NE(u.failure().find("Aktualizacja "_w + c.refused + " z serwera"), std::string::npos) << u.failure();
        // The reason is shown whole, not cut after the lines the window had.
        EXPECT_NE(u.Label1->caption().find(u.failure()), std::string::npos);
        EXPECT_LE(u.Label1->top() + u.Label1->height(), u.clientHeight());
        expectCaptionPaintedWhole(u, *u.Label1);
    }
}

TEST_F(Update, TextOfTheServerIsShownCut) {
    const std::string longComment(60000, 'k');
    serve("kom.dat", longComment);
    Form1& f = open();
    check(f, forms::mb::No);
    auto m = messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_LT(m[1].size(), 500u);
    EXPECT_NE(m[1].find("kkk..."), std::string::npos);
    // An increment number that is none, named in the update window.
    serve("numer.dat", "<html>" + std::string(3000, 'x') + "</html>");
    answers.clear();
    check(f, forms::mb::Yes);
    ASSERT_TRUE(updateWindow().failed());
    EXPECT_LT(updateWindow().Label1->caption().size(), 500u);
}

TEST(WordBaseMergeLines, IncrementBodiesAndWholeEntryLines) {
    EXPECT_EQ(WordBaseMerge::incrementLines("a\r\nb\r\n\r\nc\n"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(WordBaseMerge::incrementLines("\r\n").empty());
    struct Case {
        const char* line;
        const char* headword;
        bool whole;
    };
    const Case cases[] = {
        {"Haus <i>das</i> <b>dom</b>", "Haus", true},
        {"Haus <i>das</i><br> <b>dom</b> <a href=Hof>Hof</a>", "Haus", true},
        {"Haus dom", "Haus", true},
        {"Zzzneu <i>die", "Zzzneu", false},           // cut after an element began
        {"Zzzneu <i>die</i> <b>nowe</b", "Zzzneu", false},  // cut inside a tag
        {"Zzzneu <i>die</i> <b>no", "Zzzneu", false},
        {"Haus <i>das</i>", "Hausarzt", false},      // another headword's line
        {"Haus", "Haus", false},                     // no fragment at all
        {"Haus </i>das<i>", "Haus", false},
    };
    for (const auto& c : cases) EXPECT_EQ(WordBaseMerge::wholeEntryLine(c.line, c.headword), c.whole) << c.line;
    EXPECT_EQ(WordBaseMerge::shown("kurz"), "kurz");
    EXPECT_EQ(WordBaseMerge::shown(std::string(5000, 'x')), std::string(300, 'x') + "...");
}

// Every line of a.dat begins with its b.dat headword and a space, and b.dat
// is in the sorted list's order.
void expectPaired(const fs::path& folder) {
    std::vector<std::string> a, b;
    ASSERT_TRUE(text::readLines(folder / "a.dat", a));
    ASSERT_TRUE(text::readLines(folder / "b.dat", b));
    ASSERT_EQ(a.size(), b.size());
    std::size_t unpaired = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].rfind(b[i] + " ", 0) != 0 && unpaired++ < 5) ADD_FAILURE() << i << ": " << b[i] << " | " << a[i];
    EXPECT_EQ(unpaired, 0u);
    EXPECT_TRUE(std::is_sorted(b.begin(), b.end(),
                               [](const std::string& x, const std::string& y) { return text::collate(x, y) < 0; }));
}

WordBaseMerge::Hooks servedFrom(std::map<std::string, std::string> files) {
    WordBaseMerge::Hooks h;
    h.fetch = [files](const std::string& f) {
        auto it = files.find(f);
        if (it == files.end()) throw WordBaseMerge::Failure("missing " + f);
        return it->second;
    };
    return h;
}

TEST(WordBaseMergePairs, CaseAndAccentPairsStayPaired) {
    net::testing::TempDir dir;
    // Headwords that the list holds equal, or equal but for accents, whose
    // entry lines sort otherwise than the headwords do.
    const std::vector<std::pair<std::string, std::string>> base = {
        {"Aalen", "<i>miasto</i> Aalen"},  {"aalen", "<i>czasownik</i> łowić węgorze"_w},
        {"Aber", "<i>das</i> <b>ale</b>"}, {"aber", "<b>ale</b>"},
        {"Bar", "<i>die</i> bar"},          {"B\xE4r", "<i>der</i> nied\xBCwied\xBC"},
        {"Masse", "<i>die</i> masa"},       {"Ma\xDF" "e", "<i>die</i> miary"},
        {"\xF6" "de", "pusty"},             {"Ode", "<i>die</i> oda"},
    };
    std::vector<std::string> a, b;
    for (const auto& [h, e] : base) {
        b.push_back(h);
        a.push_back(h + " " + e);
    }
    auto byHeadword = [](const std::string& x, const std::string& y) { return text::collate(x, y) < 0; };
    std::stable_sort(b.begin(), b.end(), byHeadword);
    std::vector<std::string> aSorted;
    for (const auto& h : b)
        for (const auto& [hh, e] : base)
            if (hh == h) aSorted.push_back(hh + " " + e);
    text::writeLines(dir.path() / "a.dat", aSorted);
    text::writeLines(dir.path() / "b.dat", b);
    text::writeLines(dir.path() / "numer.dat", {"0"});
    auto hooks = servedFrom({
        {"numer.dat", "1"},
        {"1a.dat", "ABER <b>ALE</b>\r\nb\xE4r <b>b\xE4r</b>\r\nmasse <i>x</i>\r\nOde <i>die</i> <b>inna oda</b>\r\n"
                   "\xD6" "de <b>zz</b>"},
        {"1b.dat", "ABER\r\nb\xE4r\r\nmasse\r\nOde\r\n\xD6" "de"},
    });
    WordBaseMerge(dir.path()).run(hooks);
    expectPaired(dir.path());
    EXPECT_EQ(text::splitLines(net::testing::readFile(dir.path() / "b.dat")).size(), 15u);
}

TEST(WordBaseMergePairs, ShippedBaseStaysPairedAfterAnUpdate) {
    const char* bin = std::getenv("SUITE_BINARY_DIR");
    const fs::path dist = fs::path(bin ? bin : "build") / "dist" / "Wortel";
    net::testing::TempDir dir;
    for (const char* f : {"a.dat", "b.dat"}) fs::copy_file(dist / f, dir.path() / f);
    text::writeLines(dir.path() / "numer.dat", {"0"});
    // New words beside the base's own in other case and accents.
    auto hooks = servedFrom({
        {"numer.dat", "1"},
        {"1a.dat", "aalen <b>węgorzyć</b>\r\nABER <b>ale</b>\r\nHAUS <b>DOM</b>\r\nZzzneu <i>die</i> <b>nowe</b>"_w},
        {"1b.dat", "aalen\r\nABER\r\nHAUS\r\nZzzneu"},
    });
    WordBaseMerge merge(dir.path());
    merge.run(hooks);
    expectPaired(dir.path());
    std::vector<std::string> before;
    text::readLines(dist / "b.dat", before);
    EXPECT_EQ(merge.headwords().size(), before.size() + 4);
}

}  // namespace
