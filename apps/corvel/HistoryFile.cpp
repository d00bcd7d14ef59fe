#include "HistoryFile.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

#ifdef CORVEL_STATIC_LIBC
// A program linked with the static C library cannot safely load the name
// service modules getpwuid needs (they must match the library it carries),
// so it reads the local user list itself.
std::string HomeFromUserList(uid_t uid) {
    std::ifstream users("/etc/passwd");
    std::string line;
    while (std::getline(users, line)) {
        // name:password:uid:gid:comment:home:shell
        std::vector<std::string> fields;
        std::stringstream split(line);
        for (std::string field; std::getline(split, field, ':');) fields.push_back(field);
        if (fields.size() >= 6 && fields[2] == std::to_string(uid)) return fields[5];
    }
    return std::string();
}
#else
std::string HomeFromUserList(uid_t uid) {
    struct passwd* user = getpwuid(uid);
    return user && user->pw_dir ? user->pw_dir : "";
}
#endif

std::string HomeFolder() {
    const char* home = getenv("HOME");
    if (home && *home) return home;
    return HomeFromUserList(getuid());
}

// Like mkdir -p; existing folders are fine.
bool MakeFolders(const std::string& path) {
    for (size_t at = 1; at <= path.size(); ++at) {
        if (at < path.size() && path[at] != '/') continue;
        std::string prefix = path.substr(0, at);
        if (mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return true;
}

}  // namespace

std::string HistoryFile::Locate() {
    const char* state = getenv("XDG_STATE_HOME");
    std::string base;
    if (state && state[0] == '/') {
        base = state;
    } else {
        std::string home = HomeFolder();
        if (home.empty()) return std::string();
        base = home + "/.local/state";
    }
    std::string folder = base + "/corvel";
    if (!MakeFolders(folder)) return std::string();
    return folder + "/history";
}
