// One activation of script code: global code, eval code or one call of a
// script function. It holds the scope chain, `this`, the return value and
// the stack of statement-position records that make execution resumable.
#pragma once

#include "CorvelActivationObject.h"
#include "CorvelSession.h"
#include "CorvelSmallBlocks.h"
#include "CorvelStatementPosition.h"
#include "CorvelStatus.h"
#include "CorvelValue.h"
#include "QelList.h"

#include <cstdint>
#include <vector>

class CorvelConsole;
class CorvelExpression;
class CorvelExpressionList;
class CorvelIdentifier;
class CorvelObject;
class CorvelRuntimeException;
class CorvelSession;
class CorvelStandardFunctionInstance;
class CorvelStatement;
class CorvelStatementBlock;
class CorvelStatementList;

class CorvelExecutionContext {
public:
    enum CodeType { GlobalCode = 0, EvalCode = 1, FunctionCode = 2 };

    // The record of most constructs: a phase and one saved value.
    class IntegerStatementPosition : public CorvelStatementPosition {
    public:
        explicit IntegerStatementPosition(const CorvelStatement* owner) : CorvelStatementPosition(owner) {}
        int32_t index = -1;
        CorvelValue value;
    };

    // Outermost context of a session.
    CorvelExecutionContext(CorvelSession* session, CorvelStatementList* statements, CodeType codeType);
    // Nested context for code text (eval).
    CorvelExecutionContext(CorvelExecutionContext* caller, CorvelStatementList* statements, CodeType codeType);
    // A call of a script function. The arguments are read when the code
    // first runs (the activation copies them), not after.
    CorvelExecutionContext(CorvelExecutionContext* caller, CorvelStandardFunctionInstance* function,
                           CorvelValue* arguments, int argumentCount, const CorvelValue& thisValue, CodeType codeType);
    ~CorvelExecutionContext();

    // A context for a new call of a script function: one that an ended call
    // left, with its activation, where there is one. EndCall ends a context
    // made so once its call has ended (or never started): it is kept for a
    // later call where it can be, else deleted.
    static CorvelExecutionContext* MakeCall(CorvelExecutionContext* caller, CorvelStandardFunctionInstance* function,
                                            CorvelValue* arguments, int argumentCount, const CorvelValue& thisValue);
    static void EndCall(CorvelExecutionContext* context);
    // Ends a context kept so, at its thread's end.
    static void DiscardKept(CorvelExecutionContext* context);

    CorvelExecutionContext(const CorvelExecutionContext&) = delete;
    CorvelExecutionContext& operator=(const CorvelExecutionContext&) = delete;

    // A context is made for every call of a script function.
    static void* operator new(size_t size) { return CorvelSmallBlocks::Take(size); }
    static void operator delete(void* memory, size_t size) { CorvelSmallBlocks::Give(memory, size); }

    // Runs or resumes the code. Run-time errors end here: they are reported
    // through the session and answered as Error.
    CorvelStatus Run();

    CorvelSession* GetSession() const { return session; }
    // The session's global object, where most names outside functions are
    // found; null without a session.
    CorvelGlobalObject* GetGlobalObject() const { return session ? session->GetGlobalObject() : nullptr; }
    CorvelExecutionContext* GetCaller() const { return caller; }
    CodeType GetCodeType() const { return codeType; }
    CorvelConsole* GetConsole() const;
    // The abort check of loops, script function calls and long native
    // work: raises 1002 when the session stops the script, and answers true
    // when it asks the script to yield (suspend for a moment).
    bool CheckAbort();
    void OutputConsole(const char* pane, const char* text) const;

    const CorvelValue& GetThis() const { return *thisRead; }
    CorvelValue& GetReturnValue() { return returnValue; }
    void SetReturnValue(const CorvelValue& value) { returnValue = value; }
    void ClearReturnValue() { returnValue.SetUndefined(); }

    // Scope chain, innermost at the head. Every entry holds one reference.
    void AddScope(CorvelObject* scope);
    // Unlinks the head entry and releases `scope`, which callers pass as the
    // head's object.
    void RemoveScope(CorvelObject* scope);
    // An iteration handle on the innermost scope, null when there is none;
    // GetNextScope answers the scope and moves the handle outwards.
    __QelPOSITION* GetScopeChainHeadPosition() const { return ScopeHandle(scopeCount); }
    CorvelObject* GetNextScope(__QelPOSITION*& position) const {
        uintptr_t index = reinterpret_cast<uintptr_t>(position) - 1;
        position = ScopeHandle((int)index);
        return scopes[index];
    }
    int GetScopeCount() const { return scopeCount; }

    void InstantiateVariables(const CorvelExpressionList* declarations);
    void InstantiateVariable(const CorvelExpression* declaration);
    // The names `code` declares with `var`, in the order a run instantiates
    // them, appended to `names`.
    static void CollectDeclarations(const CorvelStatement* code, std::vector<const CorvelIdentifier*>& names);

    // The activation of this call when it is the innermost scope (no `with`
    // is open), else null: where a name of the function's own is found.
    CorvelActivationObject* GetInnermostActivation() const { return innermost.activation; }
    // The global object when it is the innermost scope (global code, or
    // eval code of it, with no `with` open), else null.
    CorvelGlobalObject* GetInnermostGlobal() const { return innermost.global; }
    // Whichever of the two is the innermost scope, or null: where a name
    // found in place (CorvelIdentifier::FindLocal) lives.
    CorvelObject* GetInnermostLocalScope() const { return innermost.scope; }
    // The innermost activation's locals key and slots (see
    // CorvelActivationObject::GetLocalsKey), kept here for the look-up of
    // every name: 0 and none without an innermost activation.
    uint64_t GetInnermostLocalsKey() const { return innermost.localsKey; }
    CorvelValue* GetInnermostLocal(uint32_t slot) const {
        return slot < innermost.slotCount ? innermost.slots[slot] : nullptr;
    }

    // Find-or-create the record of a statement, of a built-in call (the first
    // record without a statement), or an integer record. The last answers
    // null when the record found is of another class.
    CorvelStatementPosition* GetStatementPosition(const CorvelStatement* statement);
    CorvelStatementPosition* GetStatementPosition(CorvelStatementPosition* (*factory)());
    IntegerStatementPosition* GetIntegerStatementPosition(const CorvelStatement* statement);
    // Deletes the topmost record, which must be the record of `statement`
    // (null for a built-in call's): checked in debug builds.
    void ClearStatementPosition(const CorvelStatement* statement);

    // Constructs that usually complete at once make their record only when
    // they suspend: FindStatementPosition answers the record of a construct
    // being resumed (null on a first entry), and InsertStatementPosition
    // puts a late record at the height the stack had when the construct was
    // entered, below the records its sub-steps made since. The context owns
    // the record from the call on: one that cannot be stored is deleted.
    CorvelStatementPosition* FindStatementPosition(const CorvelStatement* statement) const {
        int count = positions.GetSize();
        for (int i = 0; i < count; ++i)
            if (positions[i]->statement == statement) return positions[i];
        return nullptr;
    }
    int GetStatementPositionCount() const { return positions.GetSize(); }
    void InsertStatementPosition(CorvelStatementPosition* record, int height);

    // 0 for an outermost context, one more for each nested context.
    int GetDepth() const { return depth; }

protected:
    void Initialise();
    void CleanUpPositionStack();
    void CleanUpScopeChain();

private:
    void PopStatementPosition();
    CorvelStatementPosition* PushStatementPosition(CorvelStatementPosition* record);
    void InitialiseGlobalCode();
    void InitialiseEvalCode();
    void InitialiseFunctionCode();
    void InstantiateStatements(const CorvelStatementList* list);
    void InstantiateName(const CorvelIdentifier* identifier);
    // Prepares a finished context to run its code again from the start.
    void Reset();
    // A kept context (see EndCall) made ready for a new call.
    void StartCall(CorvelExecutionContext* caller, CorvelStandardFunctionInstance* function, CorvelValue* arguments,
                   int argumentCount, const CorvelValue& thisValue);
    // Whether an ended call's context may be kept, and emptying it so.
    bool CanServeAgain() const;
    void EndForReuse();
    // Raises 1031 when this context would nest too deeply.
    void CheckNesting() const;
    CorvelStatus Finish(CorvelStatus status);
    // Reports and deletes the error.
    void Report(CorvelRuntimeException* exception);
    void ReportFailure();
    void ReportNow(CorvelRuntimeException* exception);
    // The handle of the scope below `count` entries; null for none.
    static __QelPOSITION* ScopeHandle(int count) { return reinterpret_cast<__QelPOSITION*>((uintptr_t)count); }
    // Makes `scope` the innermost, noted as such.
    void PushScope(CorvelObject* scope);
    // Sets `innermost` from the scope chain.
    void NoteInnermostScope();

    CorvelSession* session = nullptr;
    CorvelExecutionContext* caller = nullptr;
    CodeType codeType;
    CorvelStatementList* statements = nullptr;
    CorvelStandardFunctionInstance* function = nullptr;
    CorvelValue* arguments = nullptr;
    int32_t argumentCount = 0;
    CorvelValue thisValue;
    // Where `this` is read: thisValue, or the session's global object value.
    const CorvelValue* thisRead = &thisValue;
    int32_t state = 0;
    // The scope chain as a stack, innermost on top: most chains are two or
    // three deep and need no allocation.
    static const int kInlineScopes = 4;
    CorvelObject* inlineScopes[kInlineScopes];
    CorvelObject** scopes = inlineScopes;
    int32_t scopeCount = 0;
    int32_t scopeCapacity = kInlineScopes;
    // The entries below this hold no reference of their own (a call's
    // global object and activation).
    int32_t uncountedScopes = 0;
    CorvelActivationObject* activation = nullptr;
    // `activation` while it is the top of the scope chain, else null; kept
    // as the chain changes, since every name of a function asks for it.
    // What the innermost scope is, when it is this call's activation or the
    // global object: nothing else is noted.
    struct Innermost {
        CorvelActivationObject* activation = nullptr;
        CorvelGlobalObject* global = nullptr;
        // The one of the two that is set, as an object.
        CorvelObject* scope = nullptr;
        uint64_t localsKey = 0;
        CorvelValue* const* slots = nullptr;
        uint32_t slotCount = 0;
    };
    Innermost innermost;
    CorvelValue returnValue;
    CorvelStatement* code = nullptr;
    CorvelStatementBlock* ownedCode = nullptr;
    // The records, innermost on top. Most contexts keep a few at a time and
    // need no allocation for them.
    class PositionStack {
    public:
        PositionStack() = default;
        ~PositionStack() {
            if (items != inlineItems) delete[] items;
        }
        PositionStack(const PositionStack&) = delete;
        PositionStack& operator=(const PositionStack&) = delete;

        int GetSize() const { return count; }
        bool IsEmpty() const { return count == 0; }
        CorvelStatementPosition* operator[](int index) const { return items[index]; }
        // Throws std::bad_alloc, the stack unchanged, when it cannot grow.
        void InsertAt(int index, CorvelStatementPosition* record);
        CorvelStatementPosition* PopTop() { return items[--count]; }

    private:
        static const int kInline = 8;
        CorvelStatementPosition* inlineItems[kInline];
        CorvelStatementPosition** items = inlineItems;
        int count = 0;
        int capacity = kInline;
    };
    PositionStack positions;
    int32_t depth = 0;
    // Set while CollectDeclarations walks a body: declarations are listed
    // instead of made.
    std::vector<const CorvelIdentifier*>* declarationList = nullptr;
};
