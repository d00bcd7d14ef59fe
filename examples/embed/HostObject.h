// The example's own built-in object, known to scripts as `Host`:
//   Host.name()          the host's name, a string
//   Host.sum(count, f)   f(0) + f(1) + ... + f(count - 1), calling the script
//                        function f back for every number
#pragma once

#include "Corvel.h"

#include <string>

class HostObject : public CorvelBuiltInObject {
public:
    explicit HostObject(const char* name);

private:
    // Native functions: the context of the call, the arguments (which may be
    // converted in place), their count and `this`. A result goes in the
    // context's return value with the status Return.
    static CorvelStatus Name(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                             const CorvelValue& thisValue);
    static CorvelStatus Sum(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                            const CorvelValue& thisValue);

    std::string m_name;
};
