#include "CorvelSession.h"

#include "CorvelConsole.h"
#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelGlobalObject.h"
#include "CorvelMemoryBudget.h"
#include "CorvelMemoryReserve.h"
#include "CorvelMessages.h"
#include "CorvelNesting.h"
#include "CorvelObject.h"
#include "CorvelRuntimeException.h"
#include "PlatformClock.h"
#include "PlatformKeyboard.h"
#include "QelException.h"
#include "QelString.h"

#include <new>
#include <utility>

thread_local int CorvelSession::ms_abortCounter = 0;

CorvelSession::CorvelSession(CorvelStatementList* statements, CorvelGlobalObject* globalObject,
                             CorvelObject* thisObject, CorvelConsole* console)
    : statements(statements), globalObject(globalObject), thisObject(thisObject), console(console) {
    CorvelEnvironment::Limits limits = CorvelEnvironment::GetCurrentLimits();
    maximumDepth = limits.maximumDepth;
    stackBudget = limits.stackBudget;
}

CorvelSession::CorvelSession() : CorvelSession(nullptr, nullptr, nullptr, nullptr) {}

CorvelSession::~CorvelSession() { delete context; }

const CorvelValue& CorvelSession::GetGlobalThis() {
    if (globalThis.GetType() != CorvelValue::Object && globalObject) globalThis.SetObject(globalObject->GetKey());
    return globalThis;
}

// Running.

void CorvelSession::Run() {
    if (!statements) return;
    CorvelEnvironment::RunScope running;
    delete context;
    context = nullptr;
    try {
        context = new CorvelExecutionContext(this, statements, CorvelExecutionContext::GlobalCode);
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory();
        return;
    }
    context->Run();
}

// The script cannot even start. The record lives on the stack, as memory
// is short.
void CorvelSession::ReportOutOfMemory() {
    CorvelMemoryReserve::GiveBack();
    CorvelRuntimeException error(CorvelMessages::OutOfMemory);
    try {
        ReportRuntimeError(&error);
    } catch (CorvelRuntimeException* other) {
        delete other;
    } catch (...) {
    }
}

void CorvelSession::Initialise() {
    delete context;
    context = nullptr;
    if (statements) context = new CorvelExecutionContext(this, statements, CorvelExecutionContext::GlobalCode);
}

bool CorvelSession::RunNextStatement() {
    if (runningState == Finished) return true;
    CorvelEnvironment::RunScope running;
    if (runningState == NotStarted) {
        try {
            Initialise();
        } catch (const std::bad_alloc&) {
            ReportOutOfMemory();
            ScriptFinished();
            runningState = Finished;
            return true;
        }
    }
    runningState = Running;
    if (waiting) {
        if (GetWaitRemaining() > 0) return false;
        waiting = false;
        waitStart = 0;
    }
    waitDelay = 0;
    if (context && context->Run() == CorvelStatus::Suspend) {
        waitStart = PlatformTickCount();
        waiting = true;
        return false;
    }
    ScriptFinished();
    runningState = Finished;
    return true;
}

int CorvelSession::GetWaitRemaining() const {
    if (!waiting || waitDelay <= 0) return 0;
    // Unsigned, so that the counter's wrap-around is harmless.
    uint32_t elapsed = PlatformTickCount() - waitStart;
    return elapsed >= (uint32_t)waitDelay ? 0 : (int)((uint32_t)waitDelay - elapsed);
}

void CorvelSession::ScriptFinished() {}

// The Escape key is polled on one call in 101 so that a loop iteration
// pays only for a counter.
CorvelSession::AbortStatus CorvelSession::GetAbortStatus() {
    if (asker) {
        // A call made for another script cannot be left half done.
        AbortStatus status = asker->GetAbortStatus();
        return status == AbortYield ? AbortNone : status;
    }
    if (ms_abortCounter++ < 100) return AbortNone;
    ms_abortCounter = 0;
    return (PlatformGetAsyncKeyState(PlatformKeyEscape) & 0x8000) ? AbortYield : AbortNone;
}

void CorvelSession::ReportRuntimeError(CorvelRuntimeException* exception) {
    if (asker) return asker->ReportRuntimeError(exception);
    uint32_t id = exception->GetMessageId();
    if (id == CorvelMessages::FunctionAbort || id == CorvelMessages::UserAbort) return;
    if (!console) return;
    QelString message = exception->FormatMessage();
    const CorvelCodePosition& position = exception->GetPosition();
    QelString line;
    line.Format("%s (%d, %d) : %s\n", position.source.GetText(), (int)position.line, (int)position.column,
                message.GetText());
    console->Output("Errors", line.GetText());
}

// Host calls.

namespace {

// Deletes a global object made for one call. The utility library's
// exceptions are deleted; nothing from here may reach the host.
void DeleteTemporaryGlobal(CorvelGlobalObject* global) {
    try {
        delete global;
    } catch (QelException* exception) {
        exception->Delete();
    } catch (...) {
    }
}

class TemporaryGlobal {
public:
    explicit TemporaryGlobal(CorvelGlobalObject* global) : global(global) {}
    ~TemporaryGlobal() { DeleteTemporaryGlobal(global); }
    TemporaryGlobal(const TemporaryGlobal&) = delete;
    TemporaryGlobal& operator=(const TemporaryGlobal&) = delete;

private:
    CorvelGlobalObject* global;
};

}  // namespace

// A host calling finds running out of memory as the run-time error it is.
void CorvelSession::CallFunction(CorvelObject* function, CorvelValue* arguments, int argumentCount,
                                 CorvelObject* thisObject, CorvelGlobalObject* globalObject, CorvelValue* result) {
    try {
        CallFunctionNow(function, arguments, argumentCount, thisObject, globalObject, result);
    } catch (const std::bad_alloc&) {
        throw CorvelRuntimeException::OutOfMemory(CorvelCodePosition());
    }
}

void CorvelSession::CallFunctionNow(CorvelObject* function, CorvelValue* arguments, int argumentCount,
                                    CorvelObject* thisObject, CorvelGlobalObject* globalObject,
                                    CorvelValue* result) {
    // A level of its own: a native function reached through conversions can
    // call back into itself (an array that contains itself being joined)
    // without any context starting in between.
    CorvelNesting level;
    CorvelNesting::CheckStack();
    CorvelEnvironment::RunScope running(true);
    // A native function called without arguments (the toString or valueOf
    // of a conversion) never reaches the global object: only script code and
    // natives given code or functions to run do. So it is made only for them.
    bool nativeAlone = function && thisObject && argumentCount == 0 &&
                       function->Class() == CorvelObject::ClassBuiltInFunction;
    CorvelGlobalObject* temporary = globalObject || nativeAlone ? nullptr : new CorvelGlobalObject();
    TemporaryGlobal temporaryOwner(temporary);
    CorvelGlobalObject* global = globalObject ? globalObject : temporary;

    // The session has no console: errors inside the call go to the session
    // of the script that is running, if any, and are not printed otherwise.
    CorvelSession session(nullptr, global, thisObject, nullptr);
    if (CorvelExecutionContext* running = CorvelNesting::GetCurrentContext()) {
        CorvelSession* runningSession = running->GetSession();
        session.asker = runningSession && runningSession->asker ? runningSession->asker : runningSession;
        if (session.asker) {
            session.maximumDepth = session.asker->maximumDepth;
            session.stackBudget = session.asker->stackBudget;
        }
    }
    CorvelStatus status = CorvelStatus::Normal;
    {
        CorvelExecutionContext context(&session, nullptr, CorvelExecutionContext::GlobalCode);
        CorvelObject* self = thisObject ? thisObject : global;
        CorvelValue thisValue((unsigned long)self->GetKey());
        if (function) status = function->Call(&context, arguments, argumentCount, thisValue);
        if (result) {
            if (status == CorvelStatus::Return)
                *result = std::move(context.GetReturnValue());
            else
                result->SetUndefined();
        }
    }
}
