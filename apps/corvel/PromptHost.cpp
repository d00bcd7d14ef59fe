#include "PromptHost.h"

#include "CommandSession.h"
#include "CorvelExecutionContext.h"
#include "CorvelExpression.h"
#include "CorvelFunctionDefinition.h"
#include "CorvelGlobalObject.h"
#include "CorvelObjectTable.h"
#include "CorvelParser.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardFunctionInstance.h"
#include "CorvelStatementList.h"
#include "EntryInterrupt.h"

#include <algorithm>
#include <cstdio>

namespace {

// Asks the prompt's interrupt, besides the time limit, whether to stop.
class PromptSession : public CommandSession {
public:
    PromptSession(CorvelStatementList* statements, CorvelGlobalObject* globalObject, CorvelConsole* console,
                  uint32_t timeLimit, EntryInterrupt& interrupt)
        : CommandSession(statements, globalObject, console, timeLimit), m_interrupt(interrupt) {}

    // The base polls the Escape key, which the interrupt watches; either
    // key stops the entry rather than pausing it.
    AbortStatus GetAbortStatus() override {
        AbortStatus status = CommandSession::GetAbortStatus();
        return m_interrupt.IsInterrupted() ? AbortScript : status;
    }

private:
    EntryInterrupt& m_interrupt;
};

bool EndsInExpression(CorvelStatementList* tree) {
    int count = tree ? tree->GetNumberOfStatements() : 0;
    return count > 0 && dynamic_cast<const CorvelExpression*>(tree->GetStatement(count - 1)) != nullptr;
}

std::string Quote(const char* text) {
    std::string quoted = "\"";
    for (const unsigned char* at = (const unsigned char*)text; *at; ++at) {
        switch (*at) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\t': quoted += "\\t"; break;
        default:
            if (*at < 0x20 || *at == 0x7F) {
                char escaped[8];
                snprintf(escaped, sizeof escaped, "\\x%02X", *at);
                quoted += escaped;
            } else {
                quoted += (char)*at;
            }
        }
    }
    return quoted + "\"";
}

}  // namespace

PromptHost::PromptHost(EntryInterrupt& interrupt, bool oneShot, uint32_t timeLimitMilliseconds,
                       size_t memoryLimitBytes)
    : m_interrupt(interrupt), m_oneShot(oneShot), m_timeLimit(timeLimitMilliseconds) {
    SetQelApp(this);
    m_environment.Init();
    m_environment.Restart();
    m_environment.SetMemoryLimit(memoryLimitBytes);
    m_globalObject = new CorvelGlobalObject();
    m_globalObject->SetupObject();
}

PromptHost::~PromptHost() {
    // Objects that refer to each other are freed only when the table
    // empties them all; the parsers go after the functions made from them.
    if (CorvelObjectTable* table = m_environment.GetObjectTable()) table->ResetTable();
    delete m_globalObject;
    m_parsers.clear();
    m_environment.Close();
    if (GetQelApp() == this) SetQelApp(nullptr);
}

PromptHost::Outcome PromptHost::RunEntry(const std::string& text) {
    std::string name = "<entry " + std::to_string(++m_entries) + ">";
    return Run(text, name.c_str(), true);
}

PromptHost::Outcome PromptHost::RunScript(const std::string& text, const char* sourceName) {
    return Run(text, sourceName, false);
}

PromptHost::Outcome PromptHost::Run(const std::string& text, const char* sourceName, bool printValue) {
    m_parsers.emplace_back(new CorvelParser(sourceName));
    CorvelParser& parser = *m_parsers.back();
    if (!Parse(parser, text)) {
        m_parsers.pop_back();
        return Failed;
    }
    DeclareFunctions(parser);

    PromptSession session(parser.GetTree(), m_globalObject, &m_console, m_timeLimit, m_interrupt);
    EntryInterrupt::Running running(m_interrupt);
    if (m_oneShot) {
        session.Run();
    } else {
        while (!session.RunNextStatement()) {
            if (m_interrupt.IsInterrupted() || session.TimeIsUp()) break;
            int remaining = session.GetWaitRemaining();
            if (remaining <= 0) continue;
            fflush(stdout);
            m_interrupt.Sleep(std::min((uint32_t)remaining, session.TimeLeft()));
        }
    }
    // Output that did not end its line would hide under the next prompt.
    if (!m_console.AtLineStart()) m_console.Output(nullptr, "\n");

    if (m_interrupt.IsInterrupted()) return Interrupted;
    if (session.TimeLimitReached()) return TimeLimitReached;
    if (session.HadError()) return Failed;
    if (printValue && EndsInExpression(parser.GetTree()) && session.GetContext()) {
        const CorvelValue& value = session.GetContext()->GetReturnValue();
        if (value.GetType() != CorvelValue::Undefined) Print(Describe(value));
    }
    return Finished;
}

bool PromptHost::Parse(CorvelParser& parser, const std::string& text) {
    QelString errors;
    bool accepted = parser.Parse(text.c_str(), errors);
    bool parsed = accepted && parser.GetErrorCount() == 0;
    fflush(stdout);
    fputs(errors.GetText(), stderr);
    // The prompt must not take a refused entry in silence.
    if (!parsed && !*errors.GetText()) fputs("corvel: the entry cannot be parsed\n", stderr);
    return parsed;
}

// A function declared again replaces the earlier one.
void PromptHost::DeclareFunctions(CorvelParser& parser) { m_globalObject->DeclareFunctions(parser); }

void PromptHost::Print(const std::string& line) {
    fputs(line.c_str(), stdout);
    fputc('\n', stdout);
    fflush(stdout);
}

// Converting an object may run its script toString, which may fail.
std::string PromptHost::Describe(const CorvelValue& value) {
    switch (value.GetType()) {
    case CorvelValue::String: return Quote(value.GetString());
    case CorvelValue::Object:
        try {
            // A function shows its source, which ends its last line.
            std::string text = value.ForceGetString().GetText();
            while (!text.empty() && text.back() == '\n') text.pop_back();
            return text;
        } catch (CorvelRuntimeException* exception) {
            QelString message = exception->FormatMessage();
            delete exception;
            return std::string("(an object that cannot be shown: ") + message.GetText() + ")";
        }
    default: return value.ForceGetString().GetText();
    }
}
