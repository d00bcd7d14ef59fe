// Where the prompt keeps its history: $XDG_STATE_HOME/corvel/history, or
// ~/.local/state/corvel/history when that variable is unset (or not an
// absolute path, which the convention says to ignore).
#pragma once

#include <string>

class HistoryFile {
public:
    // The file's path, its folders made (private to the user) if missing;
    // empty when there is no home to keep it in.
    static std::string Locate();
};
