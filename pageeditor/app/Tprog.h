#pragma once
// The progress window of an upload or an export (Tprog, caption "Postęp:"):
// shown modeless and above the program's other windows, it disables the main
// window while it is open. ProgressBar1 follows the current file,
// ProgressBar2 the whole job; Button1 "&Anuluj" cancels the job, which
// closes the window once what it still has to end is over (the window
// stays till then, the main window disabled). The window also holds the FTP client of the publish command
// (IdFTP1, inside the publisher), which lives as long as the window.
#include <functional>
#include <memory>

#include "pageeditor/dialogs/EditorDialog.h"
#include "pageeditor/publish/PublishProgress.h"

namespace forms {
class Animation;
class CommandButton;
class Label;
class ProgressBar;
}  // namespace forms

namespace pageeditor {

class MessageList;
class Publisher;

class Tprog : public EditorDialog, public PublishProgress {
public:
    Tprog();
    ~Tprog() override;

    // The publisher and its FTP client, made on first use with the main
    // window's message list.
    Publisher& IdFTP1(const MessageList& messages);

    // What the window does for the job it shows: cancelJob stops it
    // (Button1), confirmClose asks before the close box stops it (true: it
    // may stop). Without confirmClose the close box acts as Button1.
    std::function<void()> cancelJob;
    std::function<bool()> confirmClose;
    // The heading above the file name: the upload's unless set for an export.
    void setHeading(const std::string& heading);
    // Set by Button1 (and the close box); cleared when a job opens the window.
    bool cancelled = false;

    void Button1Click();

    // PublishProgress.
    void open(std::int64_t totalBytes) override;
    void showFile(const std::string& name) override;
    void fileBegin(std::int64_t expected) override;
    void fileBytes(std::int64_t soFar, std::int64_t jobSoFar) override;
    void fileEnd() override;
    void close() override;

    // Components, in the order the form creates them.
    forms::Label* Label1 = nullptr;  // "Trwa instalowanie serwisu na serwerze FTP:"
    forms::Animation* Animate1 = nullptr;
    forms::Label* Label2 = nullptr;  // "Kopiowanie pliku:"
    forms::Label* Label7 = nullptr;  // the current file
    forms::ProgressBar* ProgressBar1 = nullptr;
    forms::ProgressBar* ProgressBar2 = nullptr;
    forms::CommandButton* Button1 = nullptr;

    static std::string uploadHeading();

protected:
    void createControls() override;
    void onLoad() override;
    void onQueryUnload(bool& cancel, bool fromUser) override;

private:
    std::unique_ptr<Publisher> publisher_;
};

}  // namespace pageeditor
