#include "CorvelExecutionContext.h"

#include "CorvelActivationObject.h"
#include "CorvelConsole.h"
#include "CorvelExpressionList.h"
#include "CorvelFunctionDefinition.h"
#include "CorvelGlobalObject.h"
#include "CorvelIdentifier.h"
#include "CorvelKeptList.h"
#include "CorvelMemoryReserve.h"
#include "CorvelMessages.h"
#include "CorvelNesting.h"
#include "CorvelObject.h"
#include "CorvelOperator.h"
#include "CorvelRuntimeException.h"
#include "CorvelSession.h"
#include "CorvelStandardFunctionInstance.h"
#include "CorvelStatementBlock.h"
#include "CorvelStatementList.h"

#include <cassert>
#include <cstdint>
#include <memory>
#include <new>

// An outermost context made while another runs (a conversion's, or a host
// call's from inside a native function) counts as nested below that one.
CorvelExecutionContext::CorvelExecutionContext(CorvelSession* session, CorvelStatementList* statements,
                                               CodeType codeType)
    : session(session), codeType(codeType), statements(statements) {
    if (CorvelExecutionContext* running = CorvelNesting::GetCurrentContext()) depth = running->depth + 1;
}

CorvelExecutionContext::CorvelExecutionContext(CorvelExecutionContext* caller, CorvelStatementList* statements,
                                               CodeType codeType)
    : session(caller ? caller->session : nullptr),
      caller(caller),
      codeType(codeType),
      statements(statements),
      depth(caller ? caller->depth + 1 : 0) {}

CorvelExecutionContext::CorvelExecutionContext(CorvelExecutionContext* caller,
                                               CorvelStandardFunctionInstance* function, CorvelValue* arguments,
                                               int argumentCount, const CorvelValue& thisValue, CodeType codeType)
    : session(caller ? caller->session : nullptr),
      caller(caller),
      codeType(codeType),
      function(function),
      arguments(arguments),
      argumentCount(argumentCount),
      thisValue(thisValue),
      depth(caller ? caller->depth + 1 : 0) {}

// Contexts of ended calls, kept on their thread for the calls that follow,
// each with its activation when that can serve again. Builds with the
// address sanitizer keep none, as they keep no small blocks.
typedef CorvelKeptList<CorvelExecutionContext> KeptContexts;

// A kept activation's memory is no longer charged to any budget, so it
// ends as such.
void CorvelExecutionContext::DiscardKept(CorvelExecutionContext* context) {
    if (CorvelActivationObject* activation = context->activation) {
        context->activation = nullptr;
        CorvelActivationObject::DiscardKept(activation);
    }
    delete context;
}

CorvelExecutionContext* CorvelExecutionContext::MakeCall(CorvelExecutionContext* caller,
                                                         CorvelStandardFunctionInstance* function,
                                                         CorvelValue* arguments, int argumentCount,
                                                         const CorvelValue& thisValue) {
#if CORVEL_SMALL_BLOCKS
    KeptContexts* kept = KeptContexts::Here();
    if (CorvelExecutionContext* context = kept ? kept->Take() : nullptr) {
        context->StartCall(caller, function, arguments, argumentCount, thisValue);
        return context;
    }
#endif
    return new CorvelExecutionContext(caller, function, arguments, argumentCount, thisValue, FunctionCode);
}

void CorvelExecutionContext::EndCall(CorvelExecutionContext* context) {
#if CORVEL_SMALL_BLOCKS
    if (context->CanServeAgain()) {
        KeptContexts* kept = KeptContexts::Here();
        if (kept && kept->HasRoom()) {
            context->EndForReuse();
            kept->Keep(context);
            return;
        }
    }
#endif
    delete context;
}

// Ended, and holding nothing that another call could not use as it is.
bool CorvelExecutionContext::CanServeAgain() const {
    return codeType == FunctionCode && state != 1 && positions.IsEmpty() && scopeCount == 0 &&
           scopes == inlineScopes && !ownedCode && !declarationList;
}

// What the call held goes now, as it would with the context: its values,
// and its activation unless that can serve the next call. The rest StartCall
// and the next run set anew.
void CorvelExecutionContext::EndForReuse() {
    thisValue.SetUndefined();
    returnValue.SetUndefined();
    if (CorvelActivationObject* ended = activation) {
        if (ended->CanServeAgain()) {
            ended->EndForReuse();
        } else {
            activation = nullptr;
            ended->Release();
        }
    }
}

void CorvelExecutionContext::StartCall(CorvelExecutionContext* callingContext,
                                       CorvelStandardFunctionInstance* calledFunction, CorvelValue* givenArguments,
                                       int givenCount, const CorvelValue& givenThis) {
    session = callingContext ? callingContext->session : nullptr;
    caller = callingContext;
    function = calledFunction;
    arguments = givenArguments;
    argumentCount = givenCount;
    thisValue = givenThis;
    thisRead = &thisValue;
    state = 0;
    depth = callingContext ? callingContext->depth + 1 : 0;
}

CorvelExecutionContext::~CorvelExecutionContext() {
    CleanUpPositionStack();
    CleanUpScopeChain();
    // Only released: the count it held was the last unless a value still
    // refers to the object, which then ends it itself.
    if (activation) activation->Release();
    delete ownedCode;
    if (scopes != inlineScopes) delete[] scopes;
}

// Running.

CorvelStatus CorvelExecutionContext::Run() {
    if (CorvelNesting::GetLevels() == 0) CorvelMemoryReserve::Take();
    CorvelNesting level(this);
    CorvelStatus status;
    try {
        if (state == 2) Reset();
        if (state == 0) {
            CheckNesting();
            Initialise();
        }
        state = 1;
        status = code ? code->RunStatement(this) : CorvelStatus(CorvelStatus::Normal);
        if (status == CorvelStatus::Suspend) return status;
    } catch (CorvelRuntimeException* exception) {
        Report(exception);
        status = CorvelStatus::Error;
    } catch (...) {
        ReportFailure();
        status = CorvelStatus::Error;
    }
    return Finish(status);
}

CorvelStatus CorvelExecutionContext::Finish(CorvelStatus status) {
    state = 2;
    try {
        CleanUpPositionStack();
        CleanUpScopeChain();
    } catch (CorvelRuntimeException* exception) {
        Report(exception);
        status = CorvelStatus::Error;
    } catch (...) {
        ReportFailure();
        status = CorvelStatus::Error;
    }
    return status;
}

void CorvelExecutionContext::Report(CorvelRuntimeException* exception) {
    std::unique_ptr<CorvelRuntimeException> owned(exception);
    ReportNow(exception);
}

// Called while anything but a run-time error is being handled: running out
// of memory, or a fault. The record lives on the stack, as memory may be
// short.
void CorvelExecutionContext::ReportFailure() {
    uint32_t id = CorvelMessages::FatalRuntimeError;
    try {
        throw;
    } catch (const std::bad_alloc&) {
        id = CorvelMessages::OutOfMemory;
        CorvelMemoryReserve::GiveBack();
    } catch (...) {
    }
    CorvelRuntimeException error(id);
    ReportNow(&error);
}

// Nothing may leave a run: a report that finds no memory is made again with
// the reserve given back, and then dropped.
void CorvelExecutionContext::ReportNow(CorvelRuntimeException* exception) {
    if (!session) return;
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            session->ReportRuntimeError(exception);
            return;
        } catch (const std::bad_alloc&) {
            CorvelMemoryReserve::GiveBack();
        } catch (CorvelRuntimeException* other) {
            delete other;
            return;
        } catch (...) {
            return;
        }
    }
}

void CorvelExecutionContext::CheckNesting() const {
    bool tooDeep = (caller && session && depth > session->GetMaximumDepth()) || CorvelNesting::StackExhausted();
    if (!tooDeep) return;
    // Reported where the function that would have run is defined.
    CorvelRuntimeException* error = new CorvelRuntimeException(CorvelMessages::CallsNestedTooDeeply);
    CorvelFunctionDefinition* definition = function ? function->GetFunctionDefinition() : nullptr;
    if (definition) error->StampPosition(definition->GetCodePosition());
    throw error;
}

void CorvelExecutionContext::Reset() {
    if (activation) activation->Release();
    activation = nullptr;
    innermost = Innermost();
    thisRead = &thisValue;
    delete ownedCode;
    ownedCode = nullptr;
    code = nullptr;
    state = 0;
}

// Preparation.

void CorvelExecutionContext::Initialise() {
    switch (codeType) {
        case GlobalCode: InitialiseGlobalCode(); break;
        case EvalCode: InitialiseEvalCode(); break;
        case FunctionCode: InitialiseFunctionCode(); break;
        default: break;
    }
}

void CorvelExecutionContext::InstantiateStatements(const CorvelStatementList* list) {
    if (!list) return;
    for (int i = 0; i < list->GetNumberOfStatements(); ++i) list->GetStatement(i)->InstantiateVariables(this);
}

void CorvelExecutionContext::InitialiseGlobalCode() {
    CorvelObject* global = GetGlobalObject();
    if (global) AddScope(global);
    InstantiateStatements(statements);
    CorvelObject* self = session && session->GetThisObject() ? session->GetThisObject() : global;
    if (self) thisValue.SetObject(self->GetKey());
    ownedCode = new CorvelStatementBlock(statements, false);
    code = ownedCode;
}

void CorvelExecutionContext::InitialiseEvalCode() {
    if (!caller) {
        codeType = GlobalCode;
        InitialiseGlobalCode();
        return;
    }
    for (int i = 0; i < caller->scopeCount; ++i) AddScope(caller->scopes[i]);
    InstantiateStatements(statements);
    thisValue = caller->GetThis();
    ownedCode = new CorvelStatementBlock(statements, false);
    code = ownedCode;
}

void CorvelExecutionContext::InitialiseFunctionCode() {
    CorvelObject* global = GetGlobalObject();
    CorvelFunctionDefinition* definition = function ? function->GetFunctionDefinition() : nullptr;
    CorvelValue::Type type = thisValue.GetType();
    if ((type == CorvelValue::Undefined || type == CorvelValue::Null) && global) thisRead = &session->GetGlobalThis();
    // Neither the global object nor the activation is counted as a scope:
    // whatever runs the caller holds the one (a session's code, or a host
    // call, for as long as any call below it lasts), and `activation` the
    // other.
    if (global) scopes[scopeCount++] = global;
    if (!definition) {
        uncountedScopes = scopeCount;
        NoteInnermostScope();
        return;
    }
    // The activation an earlier call of this context left serves again; the
    // context holds none while it starts, which may fail and end it.
    CorvelActivationObject* kept = activation;
    activation = nullptr;
    activation = CorvelActivationObject::Make(kept, definition->GetParameters(), arguments, argumentCount, function,
                                              definition);
    // The activation has what it needs of the caller's argument array,
    // which may move once the call suspends.
    arguments = nullptr;
    argumentCount = 0;
    scopes[scopeCount++] = activation;
    uncountedScopes = scopeCount;
    NoteInnermostScope();
    code = definition->GetCodeBlock();
    if (!code) return;
    if (definition->GetLocalsKey() == 0) {
        code->InstantiateVariables(this);
        return;
    }
    // Locals held apart are all there already, and bound.
    if (activation->HoldsLocalsApart()) return;
    for (const CorvelIdentifier* variable : definition->GetDeclaredVariables()) InstantiateName(variable);
    activation->BindVariables();
}

void CorvelExecutionContext::InstantiateVariables(const CorvelExpressionList* declarations) {
    if (!declarations) return;
    for (int i = 0; i < declarations->GetNumberOfExpressions(); ++i)
        InstantiateVariable(declarations->GetExpression(i));
}

void CorvelExecutionContext::InstantiateVariable(const CorvelExpression* declaration) {
    if (!declaration) return;
    if (const CorvelOperator* assignment = declaration->AsOperator()) declaration = assignment->GetLeftOperand();
    const CorvelIdentifier* identifier = declaration ? declaration->AsIdentifier() : nullptr;
    if (!identifier) return;
    if (declarationList) {
        declarationList->push_back(identifier);
        return;
    }
    InstantiateName(identifier);
}

void CorvelExecutionContext::InstantiateName(const CorvelIdentifier* identifier) {
    if (scopeCount == 0) return;
    CorvelObject* scope = scopes[scopeCount - 1];
    if (!scope->HasPropertyHashed(identifier->GetHashedName()))
        scope->Put(identifier->GetName(), CorvelValue::ms_undefined);
}

void CorvelExecutionContext::CollectDeclarations(const CorvelStatement* code,
                                                 std::vector<const CorvelIdentifier*>& names) {
    CorvelExecutionContext walker(static_cast<CorvelExecutionContext*>(nullptr), nullptr, EvalCode);
    walker.declarationList = &names;
    code->InstantiateVariables(&walker);
}

bool CorvelExecutionContext::CheckAbort() {
    if (!session) return false;
    switch (session->GetAbortStatus()) {
        case CorvelSession::AbortScript: CorvelRuntimeException::Raise(CorvelMessages::UserAbort);
        case CorvelSession::AbortYield: return true;
        default: return false;
    }
}

// Console.

CorvelConsole* CorvelExecutionContext::GetConsole() const { return session ? session->GetConsole() : nullptr; }

void CorvelExecutionContext::OutputConsole(const char* pane, const char* text) const {
    if (CorvelConsole* console = GetConsole()) console->Output(pane, text);
}

// Scope chain.

// The room is made before the reference is taken, so that a chain that
// cannot grow holds nothing it would not let go.
void CorvelExecutionContext::AddScope(CorvelObject* scope) {
    PushScope(scope);
    scope->AddRef();
}

inline void CorvelExecutionContext::NoteInnermostScope() {
    CorvelObject* scope = scopeCount > 0 ? scopes[scopeCount - 1] : nullptr;
    if (activation && scope == activation) {
        innermost.activation = activation;
        innermost.global = nullptr;
        innermost.scope = activation;
        innermost.localsKey = activation->GetLocalsKey();
        innermost.slots = activation->GetSlots();
        innermost.slotCount = activation->GetSlotCount();
        return;
    }
    CorvelGlobalObject* global = scope ? GetGlobalObject() : nullptr;
    innermost.activation = nullptr;
    innermost.global = global && scope == global ? global : nullptr;
    innermost.scope = innermost.global;
    innermost.localsKey = 0;
    innermost.slots = nullptr;
    innermost.slotCount = 0;
}

void CorvelExecutionContext::PushScope(CorvelObject* scope) {
    if (scopeCount == scopeCapacity) {
        CorvelObject** larger = new CorvelObject*[scopeCapacity * 2];
        for (int i = 0; i < scopeCount; ++i) larger[i] = scopes[i];
        if (scopes != inlineScopes) delete[] scopes;
        scopes = larger;
        scopeCapacity *= 2;
    }
    scopes[scopeCount++] = scope;
    NoteInnermostScope();
}

void CorvelExecutionContext::RemoveScope(CorvelObject* scope) {
    if (scopeCount > 0) --scopeCount;
    NoteInnermostScope();
    if (scope) scope->Release();
}


// Nothing is innermost any more before the first scope is let go.
void CorvelExecutionContext::CleanUpScopeChain() {
    innermost = Innermost();
    while (scopeCount > uncountedScopes) {
        CorvelObject* scope = scopes[--scopeCount];
        if (scope) scope->Release();
    }
    scopeCount = 0;
    uncountedScopes = 0;
}

// Statement-position records.

CorvelStatementPosition* CorvelExecutionContext::GetStatementPosition(const CorvelStatement* statement) {
    if (CorvelStatementPosition* found = FindStatementPosition(statement)) return found;
    CorvelStatementPosition* record = statement ? statement->CreateStatementPosition() : nullptr;
    // A statement without a record class of its own gets an integer record.
    if (!record) record = new IntegerStatementPosition(statement);
    return PushStatementPosition(record);
}

CorvelStatementPosition* CorvelExecutionContext::GetStatementPosition(CorvelStatementPosition* (*factory)()) {
    if (CorvelStatementPosition* found = FindStatementPosition(nullptr)) return found;
    CorvelStatementPosition* record = factory ? factory() : nullptr;
    if (!record) record = new IntegerStatementPosition(nullptr);
    return PushStatementPosition(record);
}

CorvelExecutionContext::IntegerStatementPosition* CorvelExecutionContext::GetIntegerStatementPosition(
    const CorvelStatement* statement) {
    if (CorvelStatementPosition* found = FindStatementPosition(statement))
        return dynamic_cast<IntegerStatementPosition*>(found);
    IntegerStatementPosition* record = new IntegerStatementPosition(statement);
    PushStatementPosition(record);
    return record;
}

CorvelStatementPosition* CorvelExecutionContext::PushStatementPosition(CorvelStatementPosition* record) {
    InsertStatementPosition(record, positions.GetSize());
    return record;
}

// A record that finds no room on the stack is deleted: what it holds is let
// go as when it is cleared.
void CorvelExecutionContext::InsertStatementPosition(CorvelStatementPosition* record, int height) {
    int count = positions.GetSize();
    try {
        positions.InsertAt(height < 0 ? 0 : height > count ? count : height, record);
    } catch (...) {
        delete record;
        throw;
    }
}

// A construct that forgot to clear its record would make the next clear
// pop the wrong one, and nothing would show until some resumption went
// astray: checked builds stop right there instead.
void CorvelExecutionContext::ClearStatementPosition(const CorvelStatement* statement) {
    int top = positions.GetSize() - 1;
    assert(top >= 0 && positions[top]->statement == statement && "a construct clears only its own record");
    (void)statement;
    if (top >= 0) PopStatementPosition();
}

void CorvelExecutionContext::PopStatementPosition() { delete positions.PopTop(); }

void CorvelExecutionContext::PositionStack::InsertAt(int index, CorvelStatementPosition* record) {
    if (count == capacity) {
        CorvelStatementPosition** larger = new CorvelStatementPosition*[(size_t)capacity * 2];
        for (int i = 0; i < count; ++i) larger[i] = items[i];
        if (items != inlineItems) delete[] items;
        items = larger;
        capacity *= 2;
    }
    for (int i = count; i > index; --i) items[i] = items[i - 1];
    items[index] = record;
    ++count;
}

void CorvelExecutionContext::CleanUpPositionStack() {
    // Popped one at a time: a record's destruction may end a nested context
    // or a scope, which must not see a record already deleted.
    while (!positions.IsEmpty()) PopStatementPosition();
}
