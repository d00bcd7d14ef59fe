#include "ScriptHost.h"

#include "CommandSession.h"
#include "CorvelFunctionDefinition.h"
#include "CorvelGlobalObject.h"
#include "CorvelObjectTable.h"
#include "CorvelParser.h"
#include "CorvelStandardFunctionInstance.h"
#include "PlatformClock.h"

#include <algorithm>
#include <cstdio>

ScriptHost::ScriptHost(const char* sourceName) : m_parser(new CorvelParser(sourceName)) {
    // The environment is found through the installed application object.
    SetQelApp(this);
}

ScriptHost::~ScriptHost() {
    delete m_session;
    // Objects that refer to each other (a function and its prototype, for
    // one) are freed only when the table empties every object.
    if (CorvelObjectTable* table = m_environment.GetObjectTable()) table->ResetTable();
    delete m_globalObject;
    delete m_parser;
    m_environment.Close();
    if (GetQelApp() == this) SetQelApp(nullptr);
}

bool ScriptHost::Parse(const std::string& text) {
    QelString errors;
    bool accepted = m_parser->Parse(text.c_str(), errors);
    fputs(errors.GetText(), stderr);
    return accepted && m_parser->GetErrorCount() == 0;
}

void ScriptHost::Prepare(uint32_t timeLimitMilliseconds, size_t memoryLimitBytes) {
    m_environment.SetMemoryLimit(memoryLimitBytes);
    m_environment.Init();
    m_environment.Restart();
    m_globalObject = new CorvelGlobalObject();
    m_globalObject->SetupObject();
    DeclareFunctions();
    m_session = new CommandSession(m_parser->GetTree(), m_globalObject, &m_console, timeLimitMilliseconds);
}

void ScriptHost::DeclareFunctions() {
    QelPtrList<CorvelFunctionDefinition*>* functions = m_parser->GetFunctionList();
    for (__QelPOSITION* at = functions->GetHeadPosition(); at;) {
        CorvelFunctionDefinition* definition = functions->GetNext(at);
        CorvelStandardFunctionInstance* function = new CorvelStandardFunctionInstance(definition, definition->GetName());
        m_globalObject->Put(definition->GetName(), CorvelValue((unsigned long)function->GetKey()));
    }
}

// Between slices the host sleeps for what is left of a wait, but never past
// the time limit.
ScriptHost::ExitStatus ScriptHost::RunPaced() {
    while (!m_session->RunNextStatement()) {
        if (m_session->TimeIsUp()) break;
        int remaining = m_session->GetWaitRemaining();
        if (remaining <= 0) continue;
        fflush(stdout);
        PlatformSleep(std::min((uint32_t)remaining, m_session->TimeLeft()));
    }
    return Outcome();
}

ScriptHost::ExitStatus ScriptHost::RunOnce() {
    m_session->Run();
    return Outcome();
}

ScriptHost::ExitStatus ScriptHost::Outcome() {
    if (m_session->TimeLimitReached()) {
        fflush(stdout);
        fputs("corvel: time limit reached\n", stderr);
        return ScriptFailed;
    }
    return m_session->HadError() ? ScriptFailed : Success;
}
