// The smallest host: run one script, its Debug output on standard output.
#include "Corvel.h"
#include <cstdio>

struct Console : CorvelConsole {
    void Output(const char* pane, const char* text) override { printf("%s%s", pane ? "! " : "", text); }
};
struct App : QelApp {  // the first application object made is the one the library asks
    CorvelEnvironment environment;
    CorvelEnvironment* GetScriptEnvironment() override { return &environment; }
};

int main() {
    App app;
    app.environment.Init();
    app.environment.Restart();
    Console console;
    CorvelParser parser("hello.js");
    QelString errors;
    if (!parser.Parse("Debug.trace('6 * 7 = ' + 6 * 7 + '\\n');", errors) || parser.GetErrorCount()) return 1;
    CorvelGlobalObject* global = new CorvelGlobalObject();
    global->SetupObject();
    CorvelSession* session = new CorvelSession(parser.GetTree(), global, nullptr, &console);
    while (!session->RunNextStatement()) {}  // a real host does other work between slices
    delete session;
    delete global;
    app.environment.Close();  // frees whatever the script left behind
}
