// The demo's command line.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct DemoOptions {
    enum Press { PressNothing, PressOk, PressCancel };

    int records = 1;                                          // --records N
    Press press = PressNothing;                               // --accept / --cancel
    std::vector<std::pair<std::string, std::string>> sets;    // --set ID=VALUE, in order
    std::string screenshot;                                   // --screenshot FILE.png
    bool help = false;

    // False with a message for a command line that makes no sense.
    bool Parse(const std::vector<std::string>& arguments, std::string& error);
    // Something is to be done once the dialog is up.
    bool IsScripted() const { return press != PressNothing || !sets.empty() || !screenshot.empty(); }

    static const char* Usage();
};
