#include "pageeditor/publish/RemoteFolder.h"

#include "net/FtpClient.h"
#include "text/CaseRules.h"

namespace pageeditor {

std::vector<std::string> split_path(const std::string& path) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (c == '/' || c == '\\') {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    return parts;
}

void ftp_force_dir(net::FtpClient& ftp, const std::string& path) {
    std::vector<std::string> parts = split_path(path);
    for (size_t i = 1; i < parts.size(); ++i) {
        const std::string& name = parts[i];
        if (name.empty()) continue;  // a doubled separator names no folder
        try {
            ftp.makeDir(name);
        } catch (const net::NetError& e) {
            if (e.connectionGone()) throw;
        }
        ftp.changeDir(name);
    }
}

std::string detectTargetFolder(const std::vector<std::string>& names) {
    std::string target;
    for (const char* wanted : {"public_html", "www"}) {
        for (const std::string& n : names)
            if (text::equalsNoCase(n, wanted)) {
                target = "/" + n;
                break;
            }
    }
    return target;
}

std::string userTargetFolder(const std::string& typed) {
    if (typed.empty() || typed[0] == '/' || typed[0] == '\\') return typed;
    return "/" + typed;
}

}  // namespace pageeditor
