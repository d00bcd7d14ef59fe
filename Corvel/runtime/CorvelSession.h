// One run of one parsed script against one global object: owns the
// outermost execution context, runs it at once or in paced time slices,
// implements the wait delay and the abort check, and reports run-time
// errors to the host's console.
#pragma once

#include "CorvelStatus.h"
#include "CorvelValue.h"

#include <cstddef>
#include <cstdint>

class CorvelConsole;
class CorvelExecutionContext;
class CorvelGlobalObject;
class CorvelObject;
class CorvelRuntimeException;
class CorvelStatementList;
class CorvelValue;

class CorvelSession {
public:
    enum State { NotStarted = 0, Running = 1, Finished = 2 };
    enum AbortStatus { AbortNone = 0, AbortScript = 1, AbortYield = 2 };

    CorvelSession(CorvelStatementList* statements, CorvelGlobalObject* globalObject, CorvelObject* thisObject,
                  CorvelConsole* console);
    virtual ~CorvelSession();

    CorvelSession(const CorvelSession&) = delete;
    CorvelSession& operator=(const CorvelSession&) = delete;

    // One-shot mode: runs the script once from its start. A script that
    // suspends simply stops there.
    void Run();
    // Paced mode: one time slice; true once the script has finished.
    virtual bool RunNextStatement();
    // Writes the error to the console's "Errors" pane; does not delete it.
    virtual void ReportRuntimeError(CorvelRuntimeException* exception);
    // Asked by loops at the top of every iteration.
    virtual AbortStatus GetAbortStatus();

    void SetWaitDelay(int milliseconds) { waitDelay = milliseconds; }
    int GetWaitDelay() const { return waitDelay; }
    // Milliseconds left of the current wait; 0 when the next slice would run.
    int GetWaitRemaining() const;
    State GetRunningState() const { return runningState; }
    CorvelConsole* GetConsole() const { return console; }
    CorvelGlobalObject* GetGlobalObject() const { return globalObject; }
    CorvelObject* GetThisObject() const { return thisObject; }
    // The global object as a value: the `this` of every function called
    // without one. Made once, so that calls need not count references to
    // the global object in values of their own.
    const CorvelValue& GetGlobalThis();
    CorvelExecutionContext* GetContext() const { return context; }

    // Runaway recursion must end in an error, not in a crash of the host:
    // a nested context may not start deeper than the maximum depth, nor with
    // more than the stack budget (bytes) of machine stack used below the
    // start of the run. A session starts with the current environment's
    // limits; one made for a host call while a script runs takes that
    // script's session's.
    int GetMaximumDepth() const { return maximumDepth; }
    void SetMaximumDepth(int depth) { maximumDepth = depth < 1 ? 1 : depth; }
    size_t GetStackBudget() const { return stackBudget; }
    void SetStackBudget(size_t bytes) { stackBudget = bytes; }

    // Calls one function object from host code. A null `thisObject` calls
    // it without a `this` of its own (the global object stands in). Called
    // while a script runs (a conversion calling valueOf or toString), the
    // call reports its errors to that script's session and stops when that
    // session's abort check stops the script; it cannot suspend.
    static void CallFunction(CorvelObject* function, CorvelValue* arguments, int argumentCount,
                             CorvelObject* thisObject, CorvelGlobalObject* globalObject, CorvelValue* result);

protected:
    CorvelSession();
    // Reports "Out of memory" for a script that could not start.
    void ReportOutOfMemory();
    virtual void Initialise();
    virtual void ScriptFinished();

private:
    static void CallFunctionNow(CorvelObject* function, CorvelValue* arguments, int argumentCount,
                                CorvelObject* thisObject, CorvelGlobalObject* globalObject, CorvelValue* result);

    CorvelStatementList* statements = nullptr;
    CorvelGlobalObject* globalObject = nullptr;
    CorvelValue globalThis;
    CorvelObject* thisObject = nullptr;
    CorvelConsole* console = nullptr;
    CorvelExecutionContext* context = nullptr;
    int32_t waitDelay = 0;
    uint32_t waitStart = 0;
    State runningState = NotStarted;
    // A wait may start at tick 0, so waitStart cannot tell whether one runs.
    bool waiting = false;
    // The session of the script that made this one for a call from inside
    // it: errors are reported there, and its abort check is asked.
    CorvelSession* asker = nullptr;

    int maximumDepth;
    size_t stackBudget;

    // Shared by the sessions of one thread.
    static thread_local int ms_abortCounter;
};
