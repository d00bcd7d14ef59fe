#include "ExampleHost.h"

#include "HostObject.h"

#include <cstdio>
#include <cstring>

void ExampleConsole::Output(const char* pane, const char* text) {
    if (pane)
        printf("[%s] %s", pane, text);
    else
        fputs(text, stdout);
}

ExampleHost::ExampleHost() {
    SetQelApp(this);
    m_environment.Init();     // makes the standard objects
    m_environment.Restart();  // gives them their properties
}

ExampleHost::~ExampleHost() {
    Unload();
    m_environment.Close();
    if (GetQelApp() == this) SetQelApp(nullptr);
}

bool ExampleHost::Load(const char* sourceName, const char* text) {
    Unload();
    m_parser = new CorvelParser(sourceName);
    QelString errors;
    if (!m_parser->Parse(text, errors) || m_parser->GetErrorCount() != 0) {
        m_console.Output("Errors", errors.GetText());
        return false;
    }

    m_global = new CorvelGlobalObject();
    m_global->SetupObject();  // the standard constructors, Math, Debug
    // The global object's property holds the one reference that keeps the
    // host object alive; it goes when the global object is emptied.
    HostObject* host = new HostObject("the embed example");
    m_global->Put("Host", CorvelValue::ObjectValue(host));

    // Declared functions become function objects on the global object. They
    // refer to the parser's tree, so the parser outlives them.
    QelPtrList<CorvelFunctionDefinition*>* functions = m_parser->GetFunctionList();
    for (__QelPOSITION* at = functions->GetHeadPosition(); at;) {
        CorvelFunctionDefinition* definition = functions->GetNext(at);
        CorvelObject* function = new CorvelStandardFunctionInstance(definition, definition->GetName());
        m_global->Put(definition->GetName(), CorvelValue::ObjectValue(function));
    }

    m_session = new CorvelSession(m_parser->GetTree(), m_global, nullptr, &m_console);
    return true;
}

bool ExampleHost::CallScriptFunction(const char* name, double number, CorvelValue& result) {
    if (!m_global) return false;
    CorvelValue function(m_global->Get(name));
    CorvelObject* object = function.ForceGetObject();
    if (!object) return false;
    CorvelValue argument(number);
    // Runs the function to its end outside any script. A run-time error in
    // it is not printed; it leaves the result undefined.
    try {
        CorvelSession::CallFunction(object, &argument, 1, nullptr, m_global, &result);
    } catch (CorvelRuntimeException* exception) {
        delete exception;
        result.SetUndefined();
    }
    return true;
}

// Dependency order: the session runs the tree against the global object;
// the function objects on the global object refer to the parser's tree.
void ExampleHost::Unload() {
    delete m_session;
    m_session = nullptr;
    // Objects that refer to each other (every script function and its
    // prototype object) are freed only when the table empties them all.
    m_environment.GetObjectTable()->ResetTable();
    delete m_global;
    m_global = nullptr;
    delete m_parser;
    m_parser = nullptr;
}
