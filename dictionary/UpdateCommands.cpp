#include "dictionary/UpdateCommands.h"

#include <exception>

#include "dictionary/Form1.h"
#include "dictionary/Program.h"
#include "dictionary/UpdateEndpoint.h"
#include "dictionary/WordBaseCheck.h"
#include "dictionary/WordBaseMerge.h"
#include "forms/Application.h"
#include "forms/Label.h"
#include "forms/ModalAnswers.h"
#include "text/CodePage.h"

namespace dictionary {

using namespace text::literals;

namespace {
const char* const kUpdateError = "Błąd w czasie aktualizacji.";

int message(const std::string& text, int flags = forms::mb::OkOnly, const std::string& title = "") {
    return forms::modal().messageBox(text, title, flags);
}

// The busy pointer for the span of a check.
class Busy {
public:
    Busy() { forms::Application::setBusy(true); }
    ~Busy() { end(); }
    void end() {
        if (on_) forms::Application::setBusy(false);
        on_ = false;
    }

private:
    bool on_ = true;
};
}  // namespace

class UpdateCommands::Exchange {
public:
    explicit Exchange(UpdateCommands& u) : u_(u) { u_.exchanging_ = true; }
    ~Exchange() {
        u_.exchanging_ = false;
        if (!u_.closeLookup_) return;
        u_.closeLookup_ = false;
        Program::current().form1().unload();
    }
    // The lookup window was closed meanwhile: the check says no more.
    bool closing() const { return u_.closeLookup_; }

private:
    UpdateCommands& u_;
};

UpdateCommands::~UpdateCommands() { update_.unload(); }

bool UpdateCommands::Form_QueryUnload() {
    if (!exchanging_) return true;
    closeLookup_ = true;
    update_.cancel();
    UpdateEndpoint::cancel();
    return false;
}

void UpdateCommands::createControls(Form1& f) {
    if (f.Label7) f.Label7->onClick = [this] { Label7_Click(); };
    if (f.Label6) f.Label6->onClick = [this] { Label6_Click(); };
}

std::string UpdateCommands::versionText() {
    return std::to_string(Program::VersionMajor) + "." + std::to_string(Program::VersionMinor) + "." +
           std::to_string(Program::VersionRevision);
}

void UpdateCommands::Label7_Click() {
    const std::string failure =
        "Błąd przy pobieraniu informacji o wersji. Upewnij się, czy jest aktywne połączenie."_w;
    std::string s;
    Exchange exchange(*this);
    try {
        s = UpdateEndpoint::fetch("wersja.dat");
    } catch (const std::exception&) {
        if (!exchange.closing()) message(failure, forms::mb::OkOnly, "Błąd"_w);
        return;
    }
    if (exchange.closing()) return;
    s = WordBaseMerge::shown(s);
    if (s == versionText()) {
        message("Brak nowej wersji programu na serwerze. Aktualna wersja programu: "_w + s, forms::mb::OkOnly,
                "Brak nowej wersji");
        return;
    }
    if (s.empty()) {
        message(failure, forms::mb::OkOnly, "Błąd"_w);
        return;
    }
    const int answer = message("Wersja programu na serwerze nowsza od Twojej. Aktualna wersja programu: "_w + s +
                                   ". Zapraszam do ściągnięcia nowej wersji! Czy chcesz zrobić to teraz?"_w,
                               forms::mb::YesNo, "Nowa wersja na serwerze");
    if (answer == forms::mb::Yes) forms::modal().fileDownload(UpdateEndpoint::address(UpdateEndpoint::PackageName));
}

void UpdateCommands::Label6_Click() {
    message("Po kliknięciu OK progam sprawdzi bazę wyrazów na serwerze. To może chwilę potrwać. Proszę o "
            "cierpliwość."_w);
    Exchange exchange(*this);
    Busy busy;
    std::string c, k;
    try {
        c = UpdateEndpoint::fetch("info.dat");
    } catch (const std::exception&) {
        if (exchange.closing()) return;
        message(text::ansi(kUpdateError));
    }
    try {
        k = UpdateEndpoint::fetch("kom.dat");
    } catch (const std::exception&) {
        if (exchange.closing()) return;
        message(text::ansi(kUpdateError));
    }
    if (exchange.closing()) return;
    const WordBaseCheck::Answer answer = WordBaseCheck::of(c, k, Program::current().intIloscWyrazow);
    busy.end();
    switch (answer.kind) {
    case WordBaseCheck::Kind::NoCount:
        message("Błąd w czasie sprawdzania bazy wyrazów. Zalecam ponowną próbę - dopiero po wcześniejszym "
                "nawiązaniu połączenia z Internetem."_w);
        return;
    case WordBaseCheck::Kind::NotANumber:
        // A count that is no number says nothing of the server's base: no
        // update is offered on it.
        message(text::ansi(kUpdateError));
        return;
    case WordBaseCheck::Kind::Offer:
        if (message(answer.text, forms::mb::YesNo, "Aktualizacja") != forms::mb::Yes) return;
        // An update window still open from an earlier update runs nothing.
        if (update_.isLoaded()) return;
        update_.setIncrementsAhead(answer.incrementsAhead);
        update_.load();
        if (update_.failed() && !update_.cancelled() && !exchange.closing()) message(text::ansi(kUpdateError));
        return;
    case WordBaseCheck::Kind::Current:
        message(answer.text, forms::mb::OkOnly, "Aktualizacja");
        return;
    case WordBaseCheck::Kind::Behind:
        return;
    }
}

}  // namespace dictionary
