#include "ScriptProgram.h"

#include "CorvelFunctionDefinition.h"
#include "CorvelGlobalObject.h"
#include "CorvelObjectTable.h"
#include "CorvelParser.h"
#include "CorvelSession.h"
#include "CorvelStandardFunctionInstance.h"
#include "QelString.h"

ScriptProgram::ScriptProgram(const char* sourceName) : m_parser(new CorvelParser(sourceName)) {
    // The environment is found through the installed application object.
    SetQelApp(this);
}

ScriptProgram::~ScriptProgram() {
    delete m_session;
    // Objects that refer to each other (a function and its prototype, for
    // one) are freed only when the table empties every object.
    if (CorvelObjectTable* table = m_environment.GetObjectTable()) table->ResetTable();
    delete m_globalObject;
    delete m_parser;
    m_environment.Close();
    if (GetQelApp() == this) SetQelApp(nullptr);
}

bool ScriptProgram::Parse(const char* text, QelString& errors) {
    bool accepted = m_parser->Parse(text, errors);
    return accepted && m_parser->GetErrorCount() == 0;
}

void ScriptProgram::Prepare() {
    m_environment.Init();
    m_environment.Restart();
    m_globalObject = new CorvelGlobalObject();
    m_globalObject->SetupObject();
    DeclareFunctions();
}

void ScriptProgram::SetSession(CorvelSession* session) {
    if (session == m_session) return;
    delete m_session;
    m_session = session;
}

CorvelStatementList* ScriptProgram::GetTree() const { return m_parser->GetTree(); }

void ScriptProgram::DeclareFunctions() { m_globalObject->DeclareFunctions(*m_parser); }
