#include "dictionary/Program.h"

#include <cassert>

#include "dictionary/BaseFileSet.h"
#include "dictionary/Form1.h"
#include "dictionary/frmSplash.h"
#include "files/FileSystem.h"
#include "registry/Registry.h"

namespace dictionary {

namespace {
Program* gCurrent = nullptr;
}

std::string Program::title() { return "Wortel"; }

Program::Program(std::filesystem::path folder)
    : folder_(std::move(folder)), splash_(std::make_unique<frmSplash>()), form1_(std::make_unique<Form1>()) {
    gCurrent = this;
    recoverBases(folder_);
}

void Program::recoverBases(const std::filesystem::path& folder) {
    BaseFileSet::programBase(folder).recover();
    BaseFileSet::ownBase(folder).recover();
    files::removeLeftoverTemporaries(folder);
}

Program::~Program() {
    // Windows go before the state they read.
    form1_.reset();
    splash_.reset();
    if (gCurrent == this) gCurrent = nullptr;
}

Program& Program::current() {
    assert(gCurrent);
    return *gCurrent;
}

void Program::start() {
    // What saves a crash cut short left behind goes first (those of the
    // program folder went with the bases' recovery).
    files::removeLeftoverTemporaries(folder_ / "wyrazy");
    // The registry is read only when the about window hosts its links;
    // opened now, it removes what a crash left beside it all the same.
    registry::store().open();
    splash_->show();
}

}  // namespace dictionary
