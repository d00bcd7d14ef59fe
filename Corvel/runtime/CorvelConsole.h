// The host's output sink. The library writes error reports to the pane
// "Errors" and Debug output to the default pane (null) or a named one; it
// never owns a console, and a null console drops everything.
#pragma once

class CorvelConsole {
public:
    virtual void Output(const char* pane, const char* text) = 0;

protected:
    ~CorvelConsole() = default;
};
