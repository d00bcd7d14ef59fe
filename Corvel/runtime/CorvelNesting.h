// How deeply the running of scripts is nested on this thread. Contexts that
// run and native functions that are called mark one level each for as long
// as they last: the outermost level notes where the machine stack starts,
// so that any level can tell whether the stack budget is used up, and each
// run notes its context, so that code which makes a session of its own (a
// conversion calling valueOf, a host call) can find the context it runs for.
// Runaway nesting, whether through script calls or through native code
// alone (an array that contains itself being joined), must end in a
// run-time error, never in a crash of the host.
#pragma once

#include <cstddef>

class CorvelExecutionContext;

class CorvelNesting {
public:
    // One level; a context given becomes the innermost running one. Inline,
    // as every call of a script function opens one.
    explicit CorvelNesting(CorvelExecutionContext* context = nullptr)
        : m_previousContext(ms_currentContext), m_setsContext(context != nullptr) {
        if (ms_levels++ == 0) StartOutermost(context);
        if (context) ms_currentContext = context;
    }
    ~CorvelNesting() {
        if (m_setsContext) ms_currentContext = m_previousContext;
        if (--ms_levels == 0) ms_stackLimit = nullptr;
    }

    CorvelNesting(const CorvelNesting&) = delete;
    CorvelNesting& operator=(const CorvelNesting&) = delete;

    // True when more machine stack than the budget is in use below the
    // caller's frame (the budget is the session's, at most half of the
    // thread's stack). False while nothing runs.
    static bool StackExhausted() { return static_cast<const char*>(__builtin_frame_address(0)) < ms_stackLimit; }
    // Raises 1031 "Script calls nested too deeply" when the stack is
    // exhausted.
    static void CheckStack();
    // The context of the innermost run on this thread, or null.
    static CorvelExecutionContext* GetCurrentContext() { return ms_currentContext; }
    // The number of levels now open.
    static int GetLevels() { return ms_levels; }

private:
    // Notes where the outermost level starts and its stack limit.
    static void StartOutermost(CorvelExecutionContext* context);

    // Where the outermost level started; the stack grows down from there,
    // and the lowest address a level may start at is the limit.
    static thread_local const char* ms_stackLimit;
    static thread_local int ms_levels;
    static thread_local CorvelExecutionContext* ms_currentContext;

    CorvelExecutionContext* m_previousContext;
    bool m_setsContext;
};
