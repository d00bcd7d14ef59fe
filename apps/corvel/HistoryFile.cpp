#include "HistoryFile.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string HomeFolder() {
    const char* home = getenv("HOME");
    if (home && *home) return home;
    struct passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : "";
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
