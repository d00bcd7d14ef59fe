// A function declared in a script or made by the Function constructor: an
// object over a function definition of the syntax tree. A call runs the body
// in a callee context kept in the caller's record, so a call that suspends
// resumes in place when the caller's statement is run again.
#pragma once

#include "CorvelStandardInstance.h"
#include "CorvelStatementPosition.h"
#include "QelString.h"

class CorvelExecutionContext;
class CorvelFunctionDefinition;

class CorvelStandardFunctionInstance : public CorvelStandardInstance {
public:
    // The caller's record of a suspended call: the callee context, deleted
    // with the record. The record also holds a reference on the called
    // function, so that a function the script drops while it runs (and a
    // definition it owns) lives until the call ends.
    class FunctionStatementPosition : public CorvelStatementPosition {
    public:
        FunctionStatementPosition() = default;
        ~FunctionStatementPosition() override;

        CorvelExecutionContext* calleeContext = nullptr;
        CorvelStandardFunctionInstance* function = nullptr;
    };

    // The definition belongs to the tree (and so to the parser) unless it is
    // handed over with TakeOwnershipOfDefinition.
    CorvelStandardFunctionInstance(CorvelFunctionDefinition* definition, const char* name);
    ~CorvelStandardFunctionInstance() override;

    const char* GetName() const { return name.GetText(); }
    void SetName(const char* newName) { name = newName; }
    CorvelFunctionDefinition* GetFunctionDefinition() const { return definition; }
    // For definitions that no parser keeps, e.g. those of the Function
    // constructor: the function deletes the definition when it dies.
    void TakeOwnershipOfDefinition() { ownsDefinition = true; }

    CorvelObject* Prototype() const override;
    ClassType Class() const override;
    const CorvelValue& Value() const override;
    CorvelStatus Call(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                      const CorvelValue& thisValue) override;
    CorvelStatus Construct(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                           const CorvelValue& thisValue) override;
    // Call of a call that is not being resumed: its caller knows there is
    // no record to look for.
    CorvelStatus CallNew(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                         const CorvelValue& thisValue);

protected:
    static CorvelStatementPosition* CreateFunctionStatementPosition();
    // "prototype" is there from the start, though made only when first read.
    const CorvelValue* FindOwn(const CorvelPropertyStore::Name& key, const char* name, bool make) const override;

private:
    // The record of a call being resumed, or null; raises 1006 for a record
    // of another kind.
    static FunctionStatementPosition* FindCallRecord(CorvelExecutionContext* context);
    CorvelStatus RunCallee(CorvelExecutionContext* context, FunctionStatementPosition* record,
                           CorvelExecutionContext* callee);
    void EndCall(CorvelExecutionContext* context, FunctionStatementPosition* record, CorvelExecutionContext* callee);
    // RunCallee, and once the callee has ended its result and EndCall.
    CorvelStatus RunCall(CorvelExecutionContext* context, FunctionStatementPosition* record,
                         CorvelExecutionContext* callee);
    CorvelExecutionContext* NewConstruction(CorvelExecutionContext* context, CorvelValue* arguments,
                                            int argumentCount);
    const CorvelValue& CreatePrototypeProperty();

    QelString name;
    CorvelFunctionDefinition* definition;
    bool ownsDefinition = false;
};
