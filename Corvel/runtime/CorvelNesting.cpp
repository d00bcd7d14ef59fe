#include "CorvelNesting.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelMessages.h"
#include "CorvelRuntimeException.h"
#include "CorvelSession.h"

#include <cstdint>

#if defined(__linux__)
#include <pthread.h>
#endif

thread_local const char* CorvelNesting::ms_stackLimit = nullptr;
thread_local int CorvelNesting::ms_levels = 0;
thread_local CorvelExecutionContext* CorvelNesting::ms_currentContext = nullptr;

namespace {

// The thread's whole stack in bytes, asked once per thread; 0 when unknown.
size_t ThreadStackSize() {
#if defined(__linux__)
    thread_local size_t size = [] {
        size_t bytes = 0;
        pthread_attr_t attributes;
        if (pthread_getattr_np(pthread_self(), &attributes) == 0) {
            pthread_attr_getstacksize(&attributes, &bytes);
            pthread_attr_destroy(&attributes);
        }
        return bytes;
    }();
    return size;
#else
    return 0;
#endif
}

const char* StackHere() { return static_cast<const char*>(__builtin_frame_address(0)); }

// The budget of the session that runs, else the environment's.
size_t StackBudget(CorvelExecutionContext* context) {
    CorvelSession* session = context ? context->GetSession() : nullptr;
    return session ? session->GetStackBudget() : CorvelEnvironment::GetCurrentLimits().stackBudget;
}

const char* StackLimitBelow(const char* base, size_t budget) {
    size_t stack = ThreadStackSize();
    if (stack != 0 && budget > stack / 2) budget = stack / 2;
    uintptr_t start = reinterpret_cast<uintptr_t>(base);
    return reinterpret_cast<const char*>(start > budget ? start - budget : 0);
}

}  // namespace

void CorvelNesting::StartOutermost(CorvelExecutionContext* context) {
    ms_stackLimit = StackLimitBelow(StackHere(), StackBudget(context));
}

void CorvelNesting::CheckStack() {
    if (StackExhausted()) CorvelRuntimeException::Raise(CorvelMessages::CallsNestedTooDeeply);
}
