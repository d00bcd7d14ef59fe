// One script made ready to run, the way every host of ours does it: the
// application object through which the library finds its environment, the
// parsed script, a global object carrying the standard library and the
// script's declared functions, and the session that runs it. Everything is
// torn down in dependency order.
#pragma once

#include "CorvelEnvironment.h"
#include "QelApp.h"

class CorvelGlobalObject;
class CorvelParser;
class CorvelSession;
class CorvelStatementList;
class QelString;

class ScriptProgram : public QelApp {
public:
    // Installs itself as the application object.
    explicit ScriptProgram(const char* sourceName);
    // Session, global object, parser, environment; then withdraws itself.
    ~ScriptProgram() override;

    ScriptProgram(const ScriptProgram&) = delete;
    ScriptProgram& operator=(const ScriptProgram&) = delete;

    CorvelEnvironment* GetScriptEnvironment() override { return &m_environment; }

    // Syntax errors are appended to `errors` as "(line) : message" lines;
    // false when there were any.
    bool Parse(const char* text, QelString& errors);
    // Starts the environment and makes the global object with the script's
    // functions. Once, after Parse.
    void Prepare();
    // Takes over the session that runs the script; a previous one is deleted.
    void SetSession(CorvelSession* session);

    CorvelStatementList* GetTree() const;
    CorvelGlobalObject* GetGlobalObject() const { return m_globalObject; }
    CorvelSession* GetSession() const { return m_session; }

private:
    void DeclareFunctions();

    CorvelEnvironment m_environment;
    CorvelParser* m_parser;
    CorvelGlobalObject* m_globalObject = nullptr;
    CorvelSession* m_session = nullptr;
};
