// The outermost scope of a script: global variables and declared functions
// live on it, next to the global functions and the standard constructors.
// Its owner deletes it; reference counting never does.
#pragma once

#include "CorvelBuiltInObject.h"
#include "CorvelStatementPosition.h"

class CorvelExecutionContext;
class CorvelParser;

class CorvelGlobalObject : public CorvelBuiltInObject {
public:
    // The record of one eval call: the parsed text and the context running
    // it, both owned.
    class EvalStatementPosition : public CorvelStatementPosition {
    public:
        EvalStatementPosition() = default;
        ~EvalStatementPosition() override;

        CorvelParser* parser = nullptr;
        CorvelExecutionContext* evalContext = nullptr;
    };

    CorvelGlobalObject();

    ClassType Class() const override;
    // Installs the standard constructors, Math and Debug; needs an
    // initialised environment.
    void SetupObject() override;
    // Puts a function object under its name for every function the parser
    // declared; a name declared again replaces the earlier function.
    void DeclareFunctions(CorvelParser& parser);

    static CorvelStatementPosition* CreateEvalStatementPosition();

protected:
    void DestroyObject() override;

    static CorvelStatus Eval(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                             const CorvelValue& thisValue);
    static CorvelStatus ParseInt(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
    static CorvelStatus ParseFloat(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                   const CorvelValue& thisValue);
    static CorvelStatus Escape(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                               const CorvelValue& thisValue);
    static CorvelStatus Unescape(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
    static CorvelStatus IsNaN(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                              const CorvelValue& thisValue);
    static CorvelStatus IsFinite(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
    static CorvelStatus Wait(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                             const CorvelValue& thisValue);
};
