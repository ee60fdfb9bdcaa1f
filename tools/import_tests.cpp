// The dictd converter on a small dictionary made here.
#include <gtest/gtest.h>
#include <zlib.h>

#include <unistd.h>

#include <filesystem>

#include "text/CodePage.h"
#include "text/LineFile.h"
#include "tools/BaseBuilder.h"
#include "tools/DictdSource.h"

namespace fs = std::filesystem;
using namespace text::literals;

namespace {

std::string b64(unsigned long long v) {
    static const char* a = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string s;
    do {
        s.insert(s.begin(), a[v % 64]);
        v /= 64;
    } while (v);
    return s;
}

class Import : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("import_tests_" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Writes a dictd pair (gzip-compressed data) of the given entries.
    void make(const std::vector<std::pair<std::string, std::string>>& entries) {
        std::string data, index;
        for (const auto& [key, def] : entries) {
            index += key + "\t" + b64(data.size()) + "\t" + b64(def.size()) + "\n";
            data += def;
        }
        text::writeFile(dir / "d.index", index);
        gzFile f = gzopen((dir / "d.dict.dz").c_str(), "wb");
        gzwrite(f, data.data(), static_cast<unsigned>(data.size()));
        gzclose(f);
    }
    tools::BaseBuilder build() {
        tools::DictdSource src;
        std::string error;
        EXPECT_TRUE(src.open(dir / "d.index", dir / "d.dict.dz", error)) << error;
        tools::BaseBuilder b;
        for (const auto& e : src.entries()) b.add(e);
        b.finish();
        return b;
    }
    fs::path dir;
};

TEST_F(Import, EntryLinesInTheBaseFormat) {
    make({
        {"00databaseinfo", "about this dictionary\n"},
        {"haus", "Haus /haʊ̯s/ <n, neut>\ndom 2.\nGebäude\n 3.\nWohnung\n"},
        {"gehen", "gehen /ɡeːn/ <v>\n1. iść, chodzić 2.\nsich fortbewegen\n 3.\nfahren\n2. działać\nfunktionieren\n"},
        {"essen", "Essen /ˈɛsn̩/ <n, neut>\njedzenie\neine Speise, siehe auch essen\n"},
        {"essen", "essen /ˈɛsn̩/ <v>\njeść\nNahrung aufnehmen\n"},
        {"aa", "AA <abbreviation>\nAA\nKurzform für: Haus und Hof\n"},
        {"café", "Café <n, neut>\nkawiarnia <mała>\nLokal & mehr ~ Ort\n"},
        {"moskau", "Москва <n>\nMoskwa\nStadt\n"},
        {"haus", "Haus <n, neut>\nród\nGeschlecht\n"},
        {"aa", "ÀA <n>\nzwei A\nder Name\n"},  // one headword with AA once converted
        {"a>b", "a>b <n>\nstrzałka\nZeichen\n"},  // the line could not begin with it
        {"morgen", "Morgen /ˈmɔʁɡn̩/ /ˈmɔʁɡŋ̍/ <n, masc>\nrano\nBotanik: Tageszeit\n"},
        {"kiew", "Kiew /kiːf/ <n>\nKijów (Київ)\numgangssprachlich, selten: Stadt\n"},
    });
    auto b = build();
    EXPECT_EQ(b.stats().unencodableHeadwords, 2u);
    EXPECT_EQ(b.stats().mergedEntries, 2u);
    EXPECT_EQ(b.stats().withPronunciation, 6u);
    EXPECT_EQ(b.stats().subjectLabels, 2u);
    const std::vector<std::string> heads = {"AA", "Café"_w, "Essen", "essen", "gehen", "Haus", "Kiew", "Morgen"};
    EXPECT_EQ(b.headwords(), heads);
    const std::vector<std::string> lines = {
        "AA <i>skrót</i> <b>AA</b> <i>rzeczownik</i> <b>zwei A</b> ~ Kurzform für: Haus und Hof; der Name "
        "<i>zob. <a href=Haus>Haus</a></i>"_w,
        "Café <i>das</i> <b>kawiarnia &lt;mała&gt;</b> ~ Lokal &amp; mehr - Ort"_w,
        "Essen [&#712;&#603;sn&#809;] <i>das</i> <b>jedzenie</b> ~ eine Speise, siehe auch essen "
        "<i>zob. <a href=essen>essen</a></i>",
        "essen [&#712;&#603;sn&#809;] <i>czasownik</i> <b>jeść</b> ~ Nahrung aufnehmen"_w,
        "gehen [&#609;e&#720;n] <i>czasownik</i> 1. <b>iść, chodzić</b> 2. <b>działać</b> ~ 1. sich fortbewegen; "
        "fahren 2. funktionieren"_w,
        "Haus [ha&#650;&#815;s] <i>das</i> <b>dom</b> <i>das</i> <b>ród</b> ~ Gebäude; Wohnung; Geschlecht"_w,
        "Kiew [ki&#720;f] <i>rzeczownik</i> <b>Kijów (&#1050;&#1080;&#1111;&#1074;)</b> ~ <i>pot.</i>, selten: "
        "Stadt"_w,
        "Morgen [&#712;m&#596;&#641;&#609;n&#809;, &#712;m&#596;&#641;&#609;&#331;&#781;] <i>der</i> <b>rano</b> ~ "
        "<i>bot.</i> Tageszeit",
    };
    EXPECT_EQ(b.lines(), lines);
}

TEST_F(Import, PhrasesGoWhereALearnerLooksThemUp) {
    make({
        {"tag", "Tag /taːk/ <n, masc>\ndzień\nZeitraum\n"},
        {"guten tag", "guten Tag /ˌɡuːtn̩ ˈtaːk/\ndzień dobry\nder Tagesgruß\n"},
        {"auf", "auf <preposition>\nna\nPräposition\n"},
        {"wiedersehen", "wiedersehen <v>\nzobaczyć ponownie\nwieder treffen\n"},
        {"auf wiedersehen", "auf Wiedersehen <interjection>\ndo widzenia, do zobaczenia\nGruß\n"},
        {"gott", "Gott <n, masc>\nBóg\nhöchstes Wesen\n"},
        {"dank", "Dank <n, masc>\nwdzięczność\nGefühl\n"},
        {"gott sei dank", "Gott sei Dank\n1. dzięki Bogu\nAusruf\n2. na szczęście\nAusruf\n"},
        {"addis abeba", "Addis Abeba <pn>\nAddis Abeba\nHauptstadt\n"},
        {"ad abeba", "ad „Abeba“!\nna Abebę\nRuf\n"},
        {"rock", "„Rock“ & Роль <n>\nrock\nMusik\n"},  // a character Windows-1250 lacks
        {"x", "& ! <n>\nnic\nnichts\n"},                  // no word at all
    });
    auto b = build();
    EXPECT_EQ(b.stats().withSpaces, 7u);
    EXPECT_EQ(b.stats().phrasesInEntries, 3u);
    EXPECT_EQ(b.stats().phrasesOwnEntries, 2u);
    EXPECT_EQ(b.stats().phrasesLost, 2u);
    const std::vector<std::string> heads = {"Abeba", "auf", "Dank", "Gott", "Tag", "wiedersehen"};
    EXPECT_EQ(b.headwords(), heads);
    const std::vector<std::string> lines = {
        "Abeba • <b>Addis Abeba</b> – <i>Addis Abeba</i><br>• <b>ad „Abeba“!</b> – <i>na Abebę</i>"_w,
        "auf <i>przyimek</i> <b>na</b> ~ Präposition"_w,
        "Dank <i>der</i> <b>wdzięczność</b> ~ Gefühl<br>• <b>Gott sei Dank</b> – <i>dzięki Bogu; na szczęście</i>"_w,
        "Gott <i>der</i> <b>Bóg</b> ~ höchstes Wesen"_w,
        "Tag [ta&#720;k] <i>der</i> <b>dzień</b> ~ Zeitraum<br>• <b>guten Tag</b> [&#716;&#609;u&#720;tn&#809; "
        "&#712;ta&#720;k] – <i>dzień dobry</i>"_w,
        "wiedersehen <i>czasownik</i> <b>zobaczyć ponownie</b> ~ wieder treffen<br>• <b>auf Wiedersehen</b> – "
        "<i>do widzenia, do zobaczenia</i>"_w,
    };
    EXPECT_EQ(b.lines(), lines);
    for (std::size_t i = 0; i < heads.size(); ++i) EXPECT_EQ(b.lines()[i].rfind(heads[i] + " ", 0), 0u) << i;
}

TEST_F(Import, CharactersOutsideWindows1250) {
    struct Case {
        std::string utf8;
        std::string ansi;
        std::size_t replaced, dropped;
    };
    const Case cases[] = {
        {"żółć äöüß", "żółć äöüß"_w, 0, 0},
        {"crème brûlée", "creme brulée"_w, 2, 0},  // é is in Windows-1250
        {"Æsir œuvre", "AEsir oeuvre", 2, 0},
        {"6′ → x", "6' -> x", 2, 0},
        {"Чорнобиль", "", 0, 9},
    };
    for (const auto& c : cases) {
        std::size_t r = 0, d = 0;
        EXPECT_EQ(tools::BaseBuilder::toAnsi(c.utf8, &r, &d), c.ansi) << c.utf8;
        EXPECT_EQ(r, c.replaced) << c.utf8;
        EXPECT_EQ(d, c.dropped) << c.utf8;
    }
}

TEST_F(Import, DamagedIndexIsAnError) {
    text::writeFile(dir / "d.index", "haus\tA\n");
    gzFile f = gzopen((dir / "d.dict.dz").c_str(), "wb");
    gzwrite(f, "x", 1);
    gzclose(f);
    tools::DictdSource src;
    std::string error;
    EXPECT_FALSE(src.open(dir / "d.index", dir / "d.dict.dz", error));
    EXPECT_NE(error.find(":1:"), std::string::npos);
    text::writeFile(dir / "d.index", "haus\tA\tZZ\n");  // beyond the data
    EXPECT_FALSE(src.open(dir / "d.index", dir / "d.dict.dz", error));
    EXPECT_FALSE(src.open(dir / "none.index", dir / "d.dict.dz", error));
}

}  // namespace
