// The host the fuzz targets share: an installed application object with a
// started environment, a console that swallows output (reading every byte,
// so that a bad string is caught where it is written), and a session whose
// abort check ends a script after a budget of loop iterations and calls,
// optionally handing control back to the host every few checks so that the
// paced mode suspends and resumes all the way through.
#pragma once

#include "CorvelConsole.h"
#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelFunctionDefinition.h"
#include "CorvelGlobalObject.h"
#include "CorvelObjectTable.h"
#include "CorvelParser.h"
#include "CorvelRuntimeException.h"
#include "CorvelSession.h"
#include "CorvelStandardFunctionInstance.h"
#include "QelApp.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

class FuzzHost : public QelApp {
public:
    class Console : public CorvelConsole {
    public:
        void Output(const char* pane, const char* text) override {
            if (pane) bytes += strlen(pane);
            if (text) bytes += strlen(text);
        }
        size_t bytes = 0;
    };

    // Ends the script (message "user abort", which is not reported) once
    // `budget` abort checks have been asked; with a yield interval, every
    // that-many-th check suspends the script instead.
    class BudgetSession : public CorvelSession {
    public:
        BudgetSession(CorvelStatementList* statements, CorvelGlobalObject* globalObject, CorvelConsole* console,
                      uint64_t budget, uint32_t yieldInterval)
            : CorvelSession(statements, globalObject, nullptr, console),
              budget(budget),
              yieldInterval(yieldInterval) {}

        AbortStatus GetAbortStatus() override {
            if (++checks > budget) return AbortScript;
            if (yieldInterval != 0 && checks % yieldInterval == 0) return AbortYield;
            return AbortNone;
        }

        uint64_t checks = 0;

    private:
        uint64_t budget;
        uint32_t yieldInterval;
    };

    FuzzHost() {
        previousApp = SetQelApp(this);
        environment.Init();
        environment.Restart();
    }
    ~FuzzHost() override {
        // Scripts leave cycles (a function and its prototype); the table
        // frees every object on reset.
        environment.GetObjectTable()->ResetTable();
        environment.Close();
        SetQelApp(previousApp);
    }

    FuzzHost(const FuzzHost&) = delete;
    FuzzHost& operator=(const FuzzHost&) = delete;

    CorvelEnvironment* GetScriptEnvironment() override { return &environment; }

    // A global object set up for scripts, with the parser's declared
    // functions on it. The caller deletes it after its session.
    static CorvelGlobalObject* MakeGlobalObject(CorvelParser& parser) {
        CorvelGlobalObject* globalObject = new CorvelGlobalObject();
        globalObject->SetupObject();
        globalObject->DeclareFunctions(parser);
        return globalObject;
    }

    CorvelEnvironment environment;
    Console console;

private:
    QelApp* previousApp = nullptr;
};

// Calls native functions directly, from a context of a session over a
// script that is never run, with the global object as its scope.
class FuzzCaller {
public:
    FuzzCaller() : parser("fuzz.js") {
        QelString errors;
        parser.Parse("var unused;", errors);
        globalObject = FuzzHost::MakeGlobalObject(parser);
        session.reset(new CorvelSession(parser.GetTree(), globalObject, nullptr, &host.console));
        context.reset(new CorvelExecutionContext(session.get(), nullptr, CorvelExecutionContext::GlobalCode));
        context->AddScope(globalObject);
    }
    ~FuzzCaller() {
        context.reset();
        session.reset();
        globalObject->ResetObject();
        delete globalObject;
    }

    // Calls a global function; the result, or undefined when it raised.
    CorvelValue Call(const char* name, CorvelValue* arguments, int argumentCount) {
        CorvelNativeFunction function = globalObject->FindMethod(name);
        if (!function) abort();
        return Call(function, arguments, argumentCount);
    }
    CorvelValue Call(CorvelNativeFunction function, CorvelValue* arguments, int argumentCount,
                     const CorvelValue& thisValue = CorvelValue()) {
        try {
            if (function(context.get(), arguments, argumentCount, thisValue) != CorvelStatus::Return)
                return CorvelValue();
        } catch (CorvelRuntimeException* exception) {
            delete exception;
            return CorvelValue();
        }
        return context->GetReturnValue();
    }

private:
    FuzzHost host;
    CorvelParser parser;
    CorvelGlobalObject* globalObject = nullptr;
    std::unique_ptr<CorvelSession> session;
    std::unique_ptr<CorvelExecutionContext> context;
};

// The fuzzer's input as text: scripts and strings end at the first zero
// byte, so the bytes are copied into a string that has one.
inline std::string FuzzText(const uint8_t* data, size_t size) { return std::string((const char*)data, size); }
