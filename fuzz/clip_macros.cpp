// A clip item of the library (*.ht) as the insert command takes it: the
// item read from its file, its macros collected with the message list's
// translations, one row of the real value grid per value macro, the files of
// its copy macros copied from the resources into the open site, and the text
// filled with the grid's values. The grid holds each key once with the value
// typed for it; a copy writes only new files inside the site, each the
// resource of its name, and never through a link the site holds.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "FuzzApplication.h"
#include "FuzzInput.h"
#include "files/FileSystem.h"
#include "pageeditor/app/ClipLibrary.h"
#include "pageeditor/app/ClipMacros.h"
#include "pageeditor/app/Tmacros_vals.h"
#include "pageeditor/core/FileRoutines.h"
#include "pageeditor/core/MessageList.h"
#include "text/LineFile.h"

namespace fs = std::filesystem;
using namespace pageeditor;

namespace {

fs::path app() { return fuzzing::scratch() / "app"; }
std::string appDir() { return files::platformName(app()) + "\\"; }

// Every file and link under the folder with its bytes (a link by its target).
std::map<fs::path, std::string> snapshot(const fs::path& top) {
    std::map<fs::path, std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(top)) {
        if (e.is_symlink()) out[e.path()] = "-> " + fs::read_symlink(e.path()).string();
        else if (e.is_regular_file()) text::readFile(e.path(), out[e.path()]);
    }
    return out;
}

MessageList messages;
Tmacros_vals* grid = nullptr;  // lives as long as the application

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::startApplication();
    grid = new Tmacros_vals;
    grid->load();
    // The program folder: the library, its resources and one open site,
    // which has a file of its own, a sub-folder and a link that leads out.
    const fs::path res = app() / "data" / "lib_res", site = app() / "webpages" / "strona";
    fs::create_directories(app() / "data" / "library" / "Teksty");
    fs::create_directories(res / "grafika");
    fs::create_directories(site / "grafika");
    for (const char* f : {"linia.bmp", "istnieje.txt", "link.txt", "grafika/kropka.gif"})
        text::writeFile(res / f, std::string("zasoby: ") + f);
    text::writeFile(site / "istnieje.txt", "strona: istnieje.txt");
    text::writeFile(app() / "poza.txt", "poza strona");
    fs::create_symlink("../../poza.txt", site / "link.txt");
    text::writeFile(app() / "data" / "trans.msg", "Kontakt\r\nKontakt z nami\r\nE-mail\r\nAdres e-mail\r\n");
    messages.load(app() / "data" / "trans.msg");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string item = "Teksty\\wstawka.ht";
    const std::string libDir = ClipLibrary::root(appDir());
    text::writeFile(files::realPath(libDir + item), std::string(fuzzing::asText(data, size)));
    fuzzing::expect(ClipLibrary::insertKind(item) == ClipLibrary::Insert::Clip, "a .ht item is a clip");
    ClipMacros clip(LoadTextFromFile(libDir + item), [](const std::string& s) { return messages.tr(s); });

    grid->clearRows();
    const auto& keys = clip.keys();
    for (const std::string& k : keys) grid->addRow(k);
    fuzzing::expect(grid->rowCount() == static_cast<int>(keys.size()), "one row per value key");
    for (int i = 0; i < grid->rowCount(); ++i) {
        fuzzing::expect(grid->key(i) == keys[static_cast<std::size_t>(i)], "rows in the order of the keys");
        grid->setValue(i, "<" + keys[static_cast<std::size_t>(i)] + ">%(tKontakt)%");
    }
    const std::map<std::string, std::string> values = grid->values();
    for (int i = 0; i < grid->rowCount(); ++i)
        fuzzing::expect(values.at(grid->key(i)) == grid->value(i), "the grid gives each key its value");

    const fs::path site = app() / "webpages" / "strona";
    const auto before = snapshot(app());
    clip.copyFiles(appDir() + "data\\lib_res\\", appDir() + "webpages\\strona\\");
    const auto after = snapshot(app());
    for (const auto& [path, bytes] : before) {
        auto it = after.find(path);
        fuzzing::expect(it != after.end() && it->second == bytes, "a copy changes no file that was there");
    }
    for (const auto& [path, bytes] : after) {
        if (before.count(path)) continue;
        const fs::path rel = path.lexically_relative(site);
        fuzzing::expect(!rel.empty() && *rel.begin() != "..", "a copy writes only inside the site");
        std::string resource;
        text::readFile(app() / "data" / "lib_res" / rel, resource);
        fuzzing::expect(bytes == resource, "a copy is the resource of its name");
        fs::remove(path);
    }
    clip.fill(values);
    return 0;
}
