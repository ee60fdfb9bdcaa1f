#include "pageeditor/app/PublishCommands.h"

#include "forms/ListView.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/app/Tprog.h"
#include "pageeditor/app/Tpubf.h"
#include "text/CodePage.h"

namespace pageeditor {

namespace {
// The progress window's hooks belong to one job; they go when it ends, so
// that a later Cancel never reaches a finished one.
struct JobHooks {
    Tprog& window;
    ~JobHooks() {
        window.cancelJob = nullptr;
        window.confirmClose = nullptr;
    }
};
}  // namespace

std::string PublishCommands::exportHeading() { return text::ansi("Trwa kopiowanie plików strony do wybranego folderu:"); }

Publisher::Outcome PublishCommands::publish(TMainForm& main, Tpubf& dialog, Tprog& progress) {
    Publisher& publisher = progress.IdFTP1(main.messages);
    publisher.showDialog = [&dialog, &main](PublishSettings& s) { return dialog.execute(s, main.messages); };
    publisher.progress = &progress;
    progress.setHeading(Tprog::uploadHeading());
    progress.cancelJob = [&publisher] { publisher.cancel(); };
    progress.confirmClose = [&publisher] { return publisher.confirmClose(); };
    JobHooks hooks{progress};
    return publisher.publish(main.app_dir, main.site_name, main.ListView1 ? main.ListView1->count() : 0);
}

SiteExport::Outcome PublishCommands::exportSite(TMainForm& main, Tprog& progress, bool cd) {
    SiteExport exporter(main.messages);
    exporter.progress = &progress;
    progress.setHeading(exportHeading());
    progress.cancelJob = [&exporter] { exporter.cancel(); };
    JobHooks hooks{progress};
    return cd ? exporter.prepareCd(main.app_dir, main.site_name) : exporter.exportSite(main.app_dir, main.site_name);
}

}  // namespace pageeditor
