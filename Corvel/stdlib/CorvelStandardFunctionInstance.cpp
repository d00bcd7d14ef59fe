#include "CorvelStandardFunctionInstance.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelFunctionDefinition.h"
#include "CorvelIdentifierList.h"
#include "CorvelMessages.h"
#include "CorvelObjectTable.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardFunctionPrototype.h"
#include "CorvelStandardObjectInstance.h"

#include <cstring>
#include <new>
#include <utility>

namespace {

const char kPrototype[] = "prototype";
const CorvelPropertyStore::Name kPrototypeName(kPrototype);

}  // namespace

CorvelStandardFunctionInstance::FunctionStatementPosition::~FunctionStatementPosition() {
    delete calleeContext;
    // Released last: the callee's code may belong to the function.
    if (function) function->Release();
}

CorvelStandardFunctionInstance::CorvelStandardFunctionInstance(CorvelFunctionDefinition* functionDefinition,
                                                               const char* functionName)
    : name(functionName), definition(functionDefinition) {
    const CorvelIdentifierList* parameters = definition ? definition->GetParameters() : nullptr;
    SetOwnProperty("length", CorvelValue(parameters ? parameters->GetNumber() : 0),
                   CorvelValue::ReadOnly | CorvelValue::DontEnum | CorvelValue::DontDelete);
}

CorvelStandardFunctionInstance::~CorvelStandardFunctionInstance() {
    if (ownsDefinition) delete definition;
}

CorvelObject* CorvelStandardFunctionInstance::Prototype() const {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    return environment ? environment->GetStandardFunctionPrototype() : nullptr;
}

CorvelObject::ClassType CorvelStandardFunctionInstance::Class() const { return ClassFunction; }

const CorvelValue& CorvelStandardFunctionInstance::Value() const { return CorvelValue::ms_null; }

const CorvelValue* CorvelStandardFunctionInstance::FindOwn(const CorvelPropertyStore::Name& key, const char* name,
                                                           bool make) const {
    if (const CorvelValue* own = CorvelStandardInstance::FindOwn(key, name, make)) return own;
    if (strcmp(name, kPrototype) != 0) return nullptr;
    if (!make) return &CorvelValue::ms_undefined;
    return &const_cast<CorvelStandardFunctionInstance*>(this)->CreatePrototypeProperty();
}

// Every function can serve as a constructor, so its "prototype" object is
// made on first use rather than for every function up front.
const CorvelValue& CorvelStandardFunctionInstance::CreatePrototypeProperty() {
    CorvelStandardObjectInstance* prototype = new CorvelStandardObjectInstance();
    CorvelValue prototypeValue((unsigned long)prototype->GetKey());
    SetOwnProperty(kPrototype, prototypeValue, CorvelValue::DontEnum);
    CorvelValue constructorValue((unsigned long)GetKey());
    constructorValue.SetAttributes(CorvelValue::DontEnum);
    prototype->Put("constructor", constructorValue);
    return *FindOwnProperty(kPrototype);
}

CorvelStatementPosition* CorvelStandardFunctionInstance::CreateFunctionStatementPosition() {
    return new FunctionStatementPosition();
}

// Most calls finish without suspending, so the caller's record is made only
// when the callee suspends; a resumed call finds it as the first record
// without a statement.
CorvelStandardFunctionInstance::FunctionStatementPosition* CorvelStandardFunctionInstance::FindCallRecord(
    CorvelExecutionContext* context) {
    CorvelStatementPosition* position = context->FindStatementPosition(nullptr);
    if (!position) return nullptr;
    FunctionStatementPosition* record = dynamic_cast<FunctionStatementPosition*>(position);
    if (!record) CorvelRuntimeException::Raise(CorvelMessages::InternalScriptFunction);
    return record;
}

// Runs the callee of a new call (no record yet) or of a resumed one. On
// suspension a new call gets its record; on a reported error the call ends
// and the caller unwinds silently.
CorvelStatus CorvelStandardFunctionInstance::RunCallee(CorvelExecutionContext* context,
                                                       FunctionStatementPosition* record,
                                                       CorvelExecutionContext* callee) {
    // Held for the whole call: the script may drop its last reference to the
    // function (and so to a definition the function owns) while it runs.
    if (!record) AddRef();
    CorvelStatus status = callee->Run();
    if (status == CorvelStatus::Suspend) {
        if (!record) {
            // Without memory for the record the call ends here.
            FunctionStatementPosition* kept = new (std::nothrow) FunctionStatementPosition();
            if (!kept) {
                EndCall(context, nullptr, callee);
                throw std::bad_alloc();
            }
            kept->calleeContext = callee;
            kept->function = this;
            context->InsertStatementPosition(kept, context->GetStatementPositionCount());
        }
        return status;
    }
    if (status == CorvelStatus::Error) {
        EndCall(context, record, callee);
        CorvelRuntimeException::Raise(CorvelMessages::FunctionAbort);
    }
    return status;
}

// Deletes the callee and drops the hold on the function, which may end it.
void CorvelStandardFunctionInstance::EndCall(CorvelExecutionContext* context, FunctionStatementPosition* record,
                                             CorvelExecutionContext* callee) {
    if (record) {
        context->ClearStatementPosition(nullptr);
        return;
    }
    CorvelExecutionContext::EndCall(callee);
    Release();
}

// Only a returned value leaves the call: the value of the body's last
// expression statement is the callee's own completion value, and must not
// become the caller's (eval("if (f()) 1;") is undefined).
inline CorvelStatus CorvelStandardFunctionInstance::RunCall(CorvelExecutionContext* context,
                                                            FunctionStatementPosition* record,
                                                            CorvelExecutionContext* callee) {
    CorvelStatus status = RunCallee(context, record, callee);
    if (status == CorvelStatus::Suspend) return status;
    if (status == CorvelStatus::Return) context->GetReturnValue() = std::move(callee->GetReturnValue());
    EndCall(context, record, callee);
    return status;
}

// A call resumes the callee its record keeps, or starts a new one.
CorvelStatus CorvelStandardFunctionInstance::Call(CorvelExecutionContext* context, CorvelValue* arguments,
                                                  int argumentCount, const CorvelValue& thisValue) {
    FunctionStatementPosition* record = FindCallRecord(context);
    if (!record) return CallNew(context, arguments, argumentCount, thisValue);
    return RunCall(context, record, record->calleeContext);
}

// A new call asks the abort check first, as a loop iteration does, so that
// a host's time limit or the Escape key reaches recursion without loops. A
// yield there leaves nothing behind: the caller keeps its progress and calls
// again when resumed.
CorvelStatus CorvelStandardFunctionInstance::CallNew(CorvelExecutionContext* context, CorvelValue* arguments,
                                                     int argumentCount, const CorvelValue& thisValue) {
    if (context->CheckAbort()) return CorvelStatus::Suspend;
    return RunCall(context, nullptr, CorvelExecutionContext::MakeCall(context, this, arguments, argumentCount, thisValue));
}

CorvelStatus CorvelStandardFunctionInstance::Construct(CorvelExecutionContext* context, CorvelValue* arguments,
                                                       int argumentCount, const CorvelValue&) {
    FunctionStatementPosition* record = FindCallRecord(context);
    if (!record && context->CheckAbort()) return CorvelStatus::Suspend;
    CorvelExecutionContext* callee = record ? record->calleeContext : NewConstruction(context, arguments, argumentCount);
    CorvelStatus status = RunCallee(context, record, callee);
    if (status == CorvelStatus::Suspend) return status;
    CorvelValue& result = callee->GetReturnValue();
    if (status == CorvelStatus::Return && result.GetType() == CorvelValue::Object)
        context->GetReturnValue() = std::move(result);
    else
        context->GetReturnValue() = callee->GetThis();
    EndCall(context, record, callee);
    return CorvelStatus::Return;
}

// The callee of `new`: a new object, with this function's "prototype" as
// its prototype when that is an object, as `this`.
CorvelExecutionContext* CorvelStandardFunctionInstance::NewConstruction(CorvelExecutionContext* context,
                                                                        CorvelValue* arguments, int argumentCount) {
    CorvelStandardObjectInstance* object = new CorvelStandardObjectInstance();
    CorvelValue objectValue((unsigned long)object->GetKey());
    const CorvelValue& prototype = GetHashed(kPrototypeName);
    if (prototype.GetType() == CorvelValue::Object)
        object->SetSpecialPrototype(CorvelObjectTable::FindObject(prototype.GetObjectKey()));
    return new CorvelExecutionContext(context, this, arguments, argumentCount, objectValue,
                                      CorvelExecutionContext::FunctionCode);
}
