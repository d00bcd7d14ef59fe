// CorvelEnvironment: what all scripts of one application share, the sixteen
// standard objects and the object table. Library code without a context
// finds it through Get(), which asks the host application object.
#pragma once

#include "CorvelMemoryBudget.h"
#include "QelApp.h"

#include <cstddef>

class CorvelObjectTable;
class CorvelStandardArrayConstructor;
class CorvelStandardArrayPrototype;
class CorvelStandardBooleanConstructor;
class CorvelStandardBooleanPrototype;
class CorvelStandardDateConstructor;
class CorvelStandardDatePrototype;
class CorvelStandardFunctionConstructor;
class CorvelStandardFunctionPrototype;
class CorvelStandardNumberConstructor;
class CorvelStandardNumberPrototype;
class CorvelStandardObjectConstructor;
class CorvelStandardObjectPrototype;
class CorvelStandardStringConstructor;
class CorvelStandardStringPrototype;
class CorvelStandardMathObject;
class CorvelDebugObject;

class CorvelEnvironment {
public:
    enum State { Initial = 0 };

    // Runaway scripts must end in an error, not in a crash of the host. The
    // limits sessions and parsers start with when made while this
    // environment is the current one (each may then be given its own):
    // how deeply script calls may nest, how much machine stack (bytes) a
    // run may use below its start (at most half the thread's stack is
    // used whatever the budget), and how deeply a parsed script may nest.
    // One nesting level of script calls takes a few hundred bytes of
    // machine stack in an optimised build and a few kilobytes in an
    // instrumented one; the defaults leave room for a deeply nested
    // expression in the innermost call on a default 8 MB thread stack.
    struct Limits {
        int maximumDepth = 800;
        size_t stackBudget = 4 * 1024 * 1024;
        int maximumNesting = 1000;
    };

    CorvelEnvironment();
    virtual ~CorvelEnvironment();

    CorvelEnvironment(const CorvelEnvironment&) = delete;
    CorvelEnvironment& operator=(const CorvelEnvironment&) = delete;

    // Creates the sixteen standard objects (without setting them up).
    void Init();
    // Runs every standard object's SetupObject.
    void Restart();
    // Deletes the standard objects, then the object table.
    void Close();
    // Entry points for the host; they do nothing.
    void BeginRunning() {}
    void Finish() {}

    // The host application's environment, or null. Asked every time (a
    // host may switch environments, and the answer must follow at once),
    // except while a session runs a slice of script or a call: then the
    // environment that answered when it began does, as every object the
    // slice makes or counts belongs to that environment's table.
    static CorvelEnvironment* Get() {
        if (CorvelEnvironment* running = ms_running) return running;
        QelApp* app = GetQelApp();
        return app ? app->GetScriptEnvironment() : nullptr;
    }

    // Names the current environment, and its memory budget, for the time a
    // session runs script. With `nested`, a scope opened while a slice runs
    // (a call the script's conversions or sort make) keeps the slice's.
    class RunScope {
    public:
        explicit RunScope(bool nested = false);
        ~RunScope() {
            ms_running = previous;
            CorvelMemoryBudget::ms_running = previousBudget;
        }
        RunScope(const RunScope&) = delete;
        RunScope& operator=(const RunScope&) = delete;

    private:
        CorvelEnvironment* previous;
        CorvelMemoryBudget* previousBudget;
    };

    const Limits& GetLimits() const { return limits; }
    // Depth and nesting below 1 count as 1.
    void SetLimits(const Limits& newLimits);
    // The current environment's limits, or the defaults when there is none.
    static Limits GetCurrentLimits();

    State GetState() const { return state; }
    // The bytes this environment's scripts may hold (0, the default, for no
    // limit): past it they end with the out-of-memory error.
    CorvelMemoryBudget& GetMemoryBudget() { return memoryBudget; }
    void SetMemoryLimit(size_t bytes) { memoryBudget.SetLimit(bytes); }
    CorvelObjectTable* GetObjectTable() const { return objectTable; }

    CorvelStandardArrayConstructor* GetStandardArrayConstructor() const { return standardArrayConstructor; }
    CorvelStandardArrayPrototype* GetStandardArrayPrototype() const { return standardArrayPrototype; }
    CorvelStandardBooleanConstructor* GetStandardBooleanConstructor() const { return standardBooleanConstructor; }
    CorvelStandardBooleanPrototype* GetStandardBooleanPrototype() const { return standardBooleanPrototype; }
    CorvelStandardDateConstructor* GetStandardDateConstructor() const { return standardDateConstructor; }
    CorvelStandardDatePrototype* GetStandardDatePrototype() const { return standardDatePrototype; }
    CorvelStandardFunctionConstructor* GetStandardFunctionConstructor() const { return standardFunctionConstructor; }
    CorvelStandardFunctionPrototype* GetStandardFunctionPrototype() const { return standardFunctionPrototype; }
    CorvelStandardNumberConstructor* GetStandardNumberConstructor() const { return standardNumberConstructor; }
    CorvelStandardNumberPrototype* GetStandardNumberPrototype() const { return standardNumberPrototype; }
    CorvelStandardObjectConstructor* GetStandardObjectConstructor() const { return standardObjectConstructor; }
    CorvelStandardObjectPrototype* GetStandardObjectPrototype() const { return standardObjectPrototype; }
    CorvelStandardStringConstructor* GetStandardStringConstructor() const { return standardStringConstructor; }
    CorvelStandardStringPrototype* GetStandardStringPrototype() const { return standardStringPrototype; }
    CorvelStandardMathObject* GetStandardMathObject() const { return standardMathObject; }
    CorvelDebugObject* GetDebugObject() const { return debugObject; }

private:
    static thread_local CorvelEnvironment* ms_running;

    State state = Initial;
    CorvelMemoryBudget memoryBudget;
    CorvelObjectTable* objectTable = nullptr;
    Limits limits;
    CorvelStandardArrayConstructor* standardArrayConstructor = nullptr;
    CorvelStandardArrayPrototype* standardArrayPrototype = nullptr;
    CorvelStandardBooleanConstructor* standardBooleanConstructor = nullptr;
    CorvelStandardBooleanPrototype* standardBooleanPrototype = nullptr;
    CorvelStandardDateConstructor* standardDateConstructor = nullptr;
    CorvelStandardDatePrototype* standardDatePrototype = nullptr;
    CorvelStandardFunctionConstructor* standardFunctionConstructor = nullptr;
    CorvelStandardFunctionPrototype* standardFunctionPrototype = nullptr;
    CorvelStandardNumberConstructor* standardNumberConstructor = nullptr;
    CorvelStandardNumberPrototype* standardNumberPrototype = nullptr;
    CorvelStandardObjectConstructor* standardObjectConstructor = nullptr;
    CorvelStandardObjectPrototype* standardObjectPrototype = nullptr;
    CorvelStandardStringConstructor* standardStringConstructor = nullptr;
    CorvelStandardStringPrototype* standardStringPrototype = nullptr;
    CorvelStandardMathObject* standardMathObject = nullptr;
    CorvelDebugObject* debugObject = nullptr;
};
