#include "DemoOptions.h"

#include <cstdlib>

const char* DemoOptions::Usage()
{
    return "usage: vorpane-demo [--records N] [--set ID=VALUE]... [--accept | --cancel] [--screenshot FILE.png]\n"
           "\n"
           "Opens the settings dialog over N records (1 to 9, default 1) and prints the\n"
           "records before and after it, separated by a line \"---\".\n"
           "\n"
           "  --records N          edit N records at once; fields that differ show undecided\n"
           "  --set ID=VALUE       once the dialog is up, type VALUE into the control ID (its\n"
           "                       name, e.g. volume, or its number); check boxes and radio\n"
           "                       buttons take 1 or 0, lists an item's text\n"
           "  --accept, --cancel   then press OK or Cancel\n"
           "  --screenshot FILE    then save a picture of the dialog (and press Cancel unless\n"
           "                       --accept is given)\n";
}

bool DemoOptions::Parse(const std::vector<std::string>& arguments, std::string& error)
{
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--help" || argument == "-h") {
            help = true;
        } else if (argument == "--accept" || argument == "--cancel") {
            const Press wanted = argument == "--accept" ? PressOk : PressCancel;
            if (press != PressNothing && press != wanted) {
                error = "--accept and --cancel exclude each other";
                return false;
            }
            press = wanted;
        } else if (argument == "--records" && hasValue) {
            char* end = nullptr;
            const long count = std::strtol(arguments[++i].c_str(), &end, 10);
            if (*end != '\0' || count < 1 || count > 9) {
                error = "--records takes a number from 1 to 9";
                return false;
            }
            records = static_cast<int>(count);
        } else if (argument == "--set" && hasValue) {
            const std::string& assignment = arguments[++i];
            const size_t equals = assignment.find('=');
            if (equals == std::string::npos || equals == 0) {
                error = "--set takes ID=VALUE, not \"" + assignment + "\"";
                return false;
            }
            sets.emplace_back(assignment.substr(0, equals), assignment.substr(equals + 1));
        } else if (argument == "--screenshot" && hasValue) {
            screenshot = arguments[++i];
        } else {
            const bool takesValue = argument == "--records" || argument == "--set" || argument == "--screenshot";
            error = takesValue ? argument + " needs a value" : "unknown argument \"" + argument + "\"";
            return false;
        }
    }
    return true;
}
