// What the demo does in the dialog on the command line's behalf, as a user
// would: typing into controls, clicking, pressing OK or Cancel, and taking
// a picture of the dialog.
#pragma once

#include <string>

class CDialog;

class DemoDriver {
public:
    // Sets the control named `control` (object name or control id) to
    // `value`: types into edit boxes and editable lists, clicks check boxes
    // and radio buttons, picks list items; false with a message when there
    // is no such control or it takes no such value.
    static bool Set(CDialog* dialog, const std::string& control, const std::string& value, std::string& error);
    // Clicks the button with control id `id`.
    static bool Press(CDialog* dialog, unsigned int id);
    // Saves the dialog as a PNG picture.
    static bool Screenshot(CDialog* dialog, const std::string& path, std::string& error);
};
