#pragma once
// Publishing the open site over FTP: the size check, the publish dialog, the
// connection, finding or making the target folder, and the upload of the
// site's top-level files into it and of its data\ files into its data
// sub-folder, with the replace questions and the progress window.
//
// Each file is stored under a temporary name beside its final one and only
// then renamed over it, so a store that fails, is cancelled or is cut off by
// the server never leaves the server without the page it had. A server that
// renames nothing over an existing file has its copy moved aside (under a
// temporary name too) and gets the file stored straight under its name
// instead; when that store is cut off, the whole temporary file takes the
// name, and when the server refuses it, the copy moved aside takes its name
// back and the file is named among those not sent. A folder of the server's
// under the file's name is never moved: the file is not sent. A server that
// takes no file under the temporary name gets
// it straight under its own at once, and Cancel lets such a store end, as
// there is no whole copy to put in place of a cut one, unless it moves no
// byte for a second: a server that stopped reading it would hold the
// publish until its idle time-out (the server's copy is then cut off). The site's
// project.prj (it holds the FTP password) and temporary files are never
// sent, nor files whose names are no platform names (the user is told of
// those).
//
// The end message comes only when every file arrived; otherwise one message
// says how many did not and names the first. One connection serves the whole
// publish (it is opened again only when it broke off, to remove a cut-off
// temporary file or to go on after a file that could not be read) and is
// closed at its end.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileSystem.h"
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
        ConnectionLost,   // the server dropped the connection, went silent or is full
        Incomplete,       // some files did not arrive (the user was told which)
        Done,
    };

    // The site size above which the user is asked first.
    static constexpr std::int64_t kSizeQuestionLimit = 6291456;
    // The temporary name a file is stored under: "pw", six letters or digits
    // and ".tmp" (an 8.3 name, which servers with short name limits take),
    // drawn afresh for each publish and counted on for each file, so no two
    // of one publish meet and another publish's are not met either.
    // kTemporaryPattern matches them (as a shell pattern); isTemporaryName
    // knows them, and the longer names of earlier versions (a file name
    // and kOldTemporarySuffix).
    static constexpr const char* kTemporaryPattern = "pw??????.tmp";
    static constexpr const char* kOldTemporarySuffix = ".pw-upload";
    static bool isTemporaryName(std::string_view name);
    // A store that moves no byte for this long after Cancel is aborted, also
    // one Cancel otherwise lets end.
    static constexpr int kStalledStoreMs = 1000;

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
    // running transfer; the upload sends nothing more. The steps that must
    // end (the removal of a temporary file, a store Cancel lets end) still
    // run; the progress window stays until they are over and publish()
    // returns.
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
    enum class Sent { Ok, Failed, Stop };
    struct Item {
        files::Entry entry;
        std::string shownPath;  // the local name the replace question shows
    };
    // The files of one site folder that go out; names that cannot be used
    // are noted as not sent.
    std::vector<Item> itemsOf(const std::string& folder, bool topLevel);
    // Sends the files into the current remote folder; false when the publish
    // stops.
    bool uploadFolder(const std::vector<Item>& items, bool topLevel);
    Sent sendFile(const Item& item);
    // Stores the file straight under its name in `remoteDir`; Failed when
    // refused. `temporary`: the name the whole file is on the server under
    // already, which goes afterwards; null when there is none. `aside`: the
    // name the server's own copy was moved to before (empty: none), which
    // goes after a store that ended and takes its name back after one the
    // server refused.
    Sent storePlain(const Item& item, const std::string& remoteDir, const std::string* temporary,
                    const std::string& aside = {});
    // The server's copy moved aside goes back under its name (over what a
    // refused store left there); `moved`: false when it is not known whether
    // it moved (nothing was stored under the name then, and nothing goes).
    void restoreAside(const std::string& remoteDir, const std::string& name, const std::string& aside, bool moved);
    // After a store the server or the user cut off: the partial temporary
    // file goes, over a new connection where the old one is gone.
    void removeCutOff(const std::string& remoteDir, const std::string& temporaryName);
    // After a store straight under the file's name was cut off: the server's
    // cut copy goes and the whole temporary file takes its name (true) or,
    // when it cannot, goes too.
    bool putBack(const std::string& remoteDir, const std::string& name, const std::string& temporaryName);
    void tidyUp(const std::string& temporaryName);
    std::string nextTemporaryName();
    // Connects again and enters the folder; false when that fails.
    bool reconnect(const std::string& remoteDir);
    void notSent(const std::string& name, const std::string& reason);
    std::string notSentSummary() const;
    Outcome lost(const net::NetError& e);
    Outcome finish(Outcome o);

    const MessageList& messages_;
    net::FtpClient ftp_;
    PublishSettings settings_;
    std::vector<std::string> remoteNames_;
    // Files still to be settled (sent, declined or failed), and those that
    // did not arrive.
    int unsettled_ = 0;
    int unsent_ = 0;
    std::string firstUnsent_, firstReason_;
    std::string current_;
    bool currentNamed_ = false;  // the file under way is counted as not sent
    bool replaceAll_ = false;
    bool cancelled_ = false;
    bool abortSent_ = false;
    bool heldStore_ = false;  // a store Cancel lets end runs
    std::uint32_t nextTemporary_ = 0;
    bool running_ = false;
    std::int64_t jobBytes_ = 0;
    std::int64_t lastSoFar_ = 0;
};

}  // namespace pageeditor
