// A host for tests that run scripts: an installed application object with
// an initialised environment, a console that keeps what it is given, and a
// parsed script with its global object, declared functions and session.
#pragma once

#include "CorvelConsole.h"
#include "CorvelEnvironment.h"
#include "CorvelFunctionDefinition.h"
#include "CorvelGlobalObject.h"
#include "CorvelObjectTable.h"
#include "CorvelParser.h"
#include "CorvelSession.h"
#include "CorvelStandardFunctionInstance.h"
#include "PlatformClock.h"
#include "QelApp.h"

#include <memory>
#include <string>

class CorvelRunHarness : public QelApp {
public:
    class Console : public CorvelConsole {
    public:
        void Output(const char* pane, const char* text) override {
            if (!pane) output += text;
            else if (std::string(pane) == "Errors") errors += text;
            else output += std::string("[") + pane + "] " + text;
        }
        std::string output;
        std::string errors;
    };

    // One parsed script ready to run.
    class Script {
    public:
        Script(CorvelRunHarness& harness, const char* text) : parser("test.js") {
            QelString parseErrors;
            parsed = parser.Parse(text, parseErrors) && parser.GetErrorCount() == 0;
            globalObject = new CorvelGlobalObject();
            globalObject->SetupObject();
            globalObject->DeclareFunctions(parser);
            session.reset(new CorvelSession(parser.GetTree(), globalObject, nullptr, &harness.console));
        }
        ~Script() {
            session.reset();
            globalObject->ResetObject();
            delete globalObject;
        }

        // Paced slices until the end, with a clock that jumps past every
        // wait; answers the number of slices that returned false.
        int RunToEnd() {
            PlatformTickSource previous = PlatformSetTickSource(FastClock);
            int slices = 0;
            while (!session->RunNextStatement()) ++slices;
            PlatformSetTickSource(previous);
            return slices;
        }
        // The value of a global variable after the run.
        CorvelValue Global(const char* name) const { return CorvelValue(globalObject->Get(name)); }

        bool parsed = false;
        CorvelParser parser;
        CorvelGlobalObject* globalObject = nullptr;
        std::unique_ptr<CorvelSession> session;

    private:
        static uint32_t FastClock() {
            static uint32_t now = 1;
            return now += 1000000;
        }
    };

    CorvelRunHarness() {
        previousApp = SetQelApp(this);
        environment.Init();
        environment.Restart();
    }
    ~CorvelRunHarness() override {
        // Breaks the cycles scripts leave (a function and its prototype).
        environment.GetObjectTable()->ResetTable();
        environment.Close();
        SetQelApp(previousApp);
    }

    CorvelEnvironment* GetScriptEnvironment() override { return &environment; }

    // Runs a whole script and answers its default-pane output.
    std::string Run(const char* text) {
        Script script(*this, text);
        script.RunToEnd();
        return console.output;
    }

    CorvelEnvironment environment;
    Console console;
    QelApp* previousApp = nullptr;
};
