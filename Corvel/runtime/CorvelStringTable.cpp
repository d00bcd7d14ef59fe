#include "CorvelMessages.h"

#include "QelResource.h"

namespace {

// Hosts match on these texts: spellings stay exactly as they are.
const struct {
    unsigned int id;
    const char* text;
} kStrings[] = {
    {1, "Missing right bracker ')'"},
    {2, "Syntax Error"},
    {3, "Unrecognised characters '%s' found"},
    {4, "Comment has no end"},
    {5, "Script nested too deeply"},
    {1000, "Function Abort (don't show this error)"},
    {1001, "Fatal Runtime Error"},
    {1002, "User Abort (don't show this error)"},
    {1003, "Internal Runtime Error"},
    {1004, "Internal Runtime Error"},
    {1005, "Called object not a function"},
    {1006, "Internal Runtime Error"},
    {1007, "Internal Runtime Error"},
    {1008, "new used on a non-object"},
    {1009, "new retuned non-object"},
    {1010, "Internal Runtime Error"},
    {1011, "Getting base of non-reference"},
    {1012, "Getting property of non-reference"},
    {1013, "Object has been destroyed"},
    {1014, "Cannot assign to this expression"},
    {1015, "Error running the script\n%s"},
    {1016, "Error running the script\n%s\nSee the console for details"},
    {1017, "Created function parsing error"},
    {1018, "Illegal array length"},
    {1019, "Internal Runtime Error"},
    {1020, "Can't convert undefined, or null, to object"},
    {1021, "Code passed to the eval() function contained errors"},
    {1022, "Internal Error"},
    {1023, "Default value failed"},
    {1024, "Builtin string function called on non-string"},
    {1025, "Buitin boolean function called on non-boolean"},
    {1026, "Buitin number function called on non-number"},
    {1027, "Buitin date function called on non-date"},
    {1028, "Buitin function function called on non-function"},
    {1029, "Undefined indentifier '%s'"},
    {1030, "Reference to missing object"},
    {1031, "Script calls nested too deeply"},
    {1032, "Internal Runtime Error"},
    {1033, "Text too long"},
    {1034, "Out of memory"},
};

}  // namespace

QelResource* CorvelGetStringTable() {
    static QelResource* table = [] {
        QelResource* module = new QelResource("CORVEL");  // lives until process exit
        for (const auto& entry : kStrings) module->AddString(entry.id, entry.text);
        return module;
    }();
    return table;
}
