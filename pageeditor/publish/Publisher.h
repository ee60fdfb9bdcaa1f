#pragma once
// Publishing the open site over FTP: the size check, the publish dialog, the
// connection, finding or making the target folder, and the upload of the
// site's top-level files into it and of its data\ files into its data
// sub-folder, with the replace questions and the progress window.
//
// Each file is stored under a temporary name beside its final one and only
// then renamed over it, so a store that fails, is cancelled or is cut off by
// the server never leaves the server without the page it had. The site's
// project.prj (it holds the FTP password) is never sent. The connection is
// closed at the end of every publish, so the next one starts afresh.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "net/FtpClient.h"
#include "pageeditor/publish/PublishProgress.h"
#include "pageeditor/publish/PublishSettings.h"

namespace pageeditor {

class MessageList;

class Publisher {
public:
    enum class Outcome {
        NoPages,          // the site has no documents
        SizeDeclined,     // the user stopped at the size question
        DialogCancelled,  // the publish dialog was not confirmed
        ConnectFailed,    // no connection or login
        Cancelled,        // the progress window's Cancel
        ConnectionLost,   // the server dropped the connection or went silent
        Done,
    };

    // The site size above which the user is asked first.
    static constexpr std::int64_t kSizeQuestionLimit = 6291456;
    // The suffix of the temporary name a file is stored under.
    static constexpr const char* kTemporarySuffix = ".pw-upload";

    explicit Publisher(const MessageList& messages);

    // The publish dialog (Tpubf): shown modally with the settings filled from
    // project.prj; true on OK (the settings then hold what the user typed).
    std::function<bool(PublishSettings&)> showDialog;
    // The progress window (Tprog); may be null.
    PublishProgress* progress = nullptr;

    // Publishes app_dir + "webpages\" + site + "\". `pageCount` is the number
    // of documents the site's page list shows.
    Outcome publish(const std::string& appDir, const std::string& site, int pageCount);

    // The progress window's Cancel: sets the cancelled flag and aborts the
    // running transfer; the upload sends nothing more.
    void cancel();
    bool cancelled() const { return cancelled_; }
    // The progress window's close box: asks whether to stop the upload; true
    // when the window may close (the upload is then cancelled).
    bool confirmClose();

    // The settings the dialog keeps between showings.
    PublishSettings& settings() { return settings_; }
    // The client, for its time-outs.
    net::FtpClient& client() { return ftp_; }

private:
    enum class Sent { Ok, Skipped, Stop };
    // Sends the files of one local folder into the current remote folder;
    // false when the publish stops.
    bool uploadFolder(const std::vector<std::string>& localFiles, bool topLevel);
    Sent sendFile(const std::string& localFile, const std::string& name);
    void tidyUp(const std::string& temporaryName);
    Outcome lost(const net::NetError& e);
    Outcome finish(Outcome o);

    const MessageList& messages_;
    net::FtpClient ftp_;
    PublishSettings settings_;
    std::vector<std::string> remoteNames_;
    bool replaceAll_ = false;
    bool cancelled_ = false;
    bool abortSent_ = false;
    bool running_ = false;
    std::int64_t jobBytes_ = 0;
    std::int64_t lastSoFar_ = 0;
};

}  // namespace pageeditor
