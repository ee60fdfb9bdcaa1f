#pragma once
// Finding and making the folder on the FTP server that a site is published to.
#include <string>
#include <vector>

namespace net {
class FtpClient;
}

namespace pageeditor {

// The parts that stand before each "/" or "\" of a path; text after the last
// separator is dropped, and an empty part stands for a separator at the start
// or a doubled one: "/www/site/" gives "", "www", "site".
std::vector<std::string> split_path(const std::string& path);

// Makes and enters the folders of `path` one by one, below the current folder
// (the login folder when called after connecting): for each part after the
// first, make the folder (errors ignored) and change into it; a failed change
// raises the client's NetError. The first part is the one before the leading
// "/" and is skipped, so a path is always taken from the login folder.
void ftp_force_dir(net::FtpClient& ftp, const std::string& path);

// The target found automatically in the names of the login folder: "/www"
// when it lists www, else "/public_html" when it lists public_html, else the
// empty text (the login folder). The names are compared without regard to
// case and the folder is named as the server lists it.
std::string detectTargetFolder(const std::vector<std::string>& loginFolderNames);

// The target the user typed, made absolute: a folder without a leading "/"
// is taken from the login folder as well (it would lose its first name
// otherwise).
std::string userTargetFolder(const std::string& typed);

}  // namespace pageeditor
