// The example's application object. It owns everything one host needs to
// run scripts, in the order they are made:
//   the console      where the library writes Debug output and errors
//   the environment  the standard objects and the object table, shared by
//                    every script of this host
//   per script: the parser (owns the tree), the global object (the script's
//   variables and functions, plus the host's own `Host` object) and the
//   session (runs the tree against the global object).
#pragma once

#include "Corvel.h"

// Writes the default pane to standard output as it comes and every named
// pane ("Errors" among them) with its name in brackets.
class ExampleConsole : public CorvelConsole {
public:
    void Output(const char* pane, const char* text) override;
};

class ExampleHost : public QelApp {
public:
    // Installs itself as the application object, through which the library
    // finds the environment, and starts the environment.
    ExampleHost();
    // Tears down the script, then the environment, then withdraws itself.
    ~ExampleHost() override;

    ExampleHost(const ExampleHost&) = delete;
    ExampleHost& operator=(const ExampleHost&) = delete;

    CorvelEnvironment* GetScriptEnvironment() override { return &m_environment; }

    // Parses the text and makes it ready to run (a script loaded before is
    // dropped). Syntax errors go to the console; false when there were any.
    bool Load(const char* sourceName, const char* text);
    // Paced mode: one time slice; true when the script has finished.
    bool RunSlice() { return m_session->RunNextStatement(); }
    // Milliseconds until the script wants its next slice.
    int WaitRemaining() const { return m_session->GetWaitRemaining(); }
    // One go: runs the script until it ends (or stops at a wait).
    void RunOnce() { m_session->Run(); }
    // Calls the script's function `name` with one number; false when the
    // script has no such function.
    bool CallScriptFunction(const char* name, double argument, CorvelValue& result);

private:
    void Unload();

    ExampleConsole m_console;
    CorvelEnvironment m_environment;
    CorvelParser* m_parser = nullptr;
    CorvelGlobalObject* m_global = nullptr;
    CorvelSession* m_session = nullptr;
};
