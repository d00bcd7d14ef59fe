#include "yymparse.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <cstdlib>

namespace {

// Recovery shifts this many tokens before it reports errors again.
const int kRecoverySkip = 3;

void DefaultStackOverflow(yymparse* p) {
    if (p->error) p->error(p, "yacc stack overflow");
}

void DefaultError(yymparse*, const char*) {}

void DefaultSyntaxError(yymparse* p) {
    if (p->error) p->error(p, "syntax error");
}

void DefaultDiscard(yymparse*, int) {}

int DefaultGetToken(yymparse*) { return 0; }

struct Action {
    int type;
    int value;
};

__attribute__((noinline)) bool Grow(yymparse* p) {
    if (!p->stackMayGrow) return false;
    if (p->stackSize > INT_MAX / 2 / (int)sizeof(void*)) return false;
    int size = p->stackSize > 0 ? p->stackSize * 2 : 100;
    void* states = std::realloc(p->stateStack, (size_t)size * sizeof(int16_t));
    if (!states) return false;
    p->stateStack = static_cast<int16_t*>(states);
    void* values = std::realloc(p->valueStack, (size_t)size * sizeof(void*));
    if (!values) return false;  // the state stack keeps its new size unused
    p->valueStack = static_cast<void**>(values);
    p->stackSize = size;
    return true;
}

// The common case stays inline; growing is out of line.
inline bool Push(yymparse* p, int state, void* value) {
    if (p->top + 1 >= p->stackSize && !Grow(p)) {
        p->stackOverflow(p);
        return false;
    }
    ++p->top;
    p->stateStack[p->top] = (int16_t)state;
    p->valueStack[p->top] = value;
    return true;
}

void DestroyStateValue(yymparse* p, int state, void* value) {
    int action = p->tables->stateDestructors[state];
    if (action >= 0) p->tables->destroy(p, action, value);
}

void DestroyTokenValue(yymparse* p, int token, void* value) {
    const yymparsetables* t = p->tables;
    int index = token - t->tokenDestructorFirst;
    if (index < 0 || index >= t->tokenDestructorCount) return;
    int action = t->tokenDestructors[index];
    if (action >= 0) t->destroy(p, action, value);
}

void PopWithDestructor(yymparse* p) {
    DestroyStateValue(p, p->stateStack[p->top], p->valueStack[p->top]);
    --p->top;
}

__attribute__((noinline)) void Fetch(yymparse* p) {
    int token = p->getToken(p);
    p->lookahead = token < 0 ? 0 : token;
    p->lookaheadValid = true;
}

// The action of `state`; reads a token when the state needs one. With
// `errorToken` the lookup is made for the error symbol instead.
inline Action FindAction(yymparse* p, int state, bool errorToken) {
    const yymparsetables* t = p->tables;
    for (;;) {
        const yymstateaction& entry = t->stateActions[state];
        Action action = {entry.defaultType, entry.defaultValue};
        if (entry.needsLookahead) {
            if (!errorToken && !p->lookaheadValid) Fetch(p);
            int index = entry.base + (errorToken ? (int)YYM_ERROR_TOKEN : p->lookahead);
            if (index >= 0 && index < t->tokenActionCount && t->tokenActions[index].state == state)
                action = {t->tokenActions[index].type, t->tokenActions[index].value};
        }
        if (action.type != YYM_DEFER) return action;
        state = action.value;
    }
}

inline int FindGoto(const yymparsetables* t, int state, int nonterminal) {
    while (state >= 0) {
        int index = t->stateGotos[state].base + nonterminal;
        if (index >= 0 && index < t->gotoCount && t->gotos[index].state == state) return t->gotos[index].next;
        state = t->stateGotos[state].defaultState;
    }
    return -1;
}

int Abort(yymparse* p) {
    if (p->wipeOnAbort) {
        while (p->top >= 0) PopWithDestructor(p);
    }
    p->top = -1;
    // A token read but never shifted still owns its value.
    if (p->lookaheadValid) {
        DestroyTokenValue(p, p->lookahead, p->tokenValue);
        p->tokenValue = nullptr;
        p->lookaheadValid = false;
    }
    return 1;
}

// Pops down to a state that can shift the error token and shifts it. False
// when the stack runs empty.
bool ShiftErrorToken(yymparse* p) {
    p->poppedInRecovery = false;
    for (;;) {
        if (p->top < 0) return false;
        Action action = FindAction(p, p->stateStack[p->top], true);
        if (action.type == YYM_SHIFT) {
            if (p->errorPops <= 0) return Push(p, action.value, nullptr);
            --p->errorPops;
        }
        PopWithDestructor(p);
        p->poppedInRecovery = true;
    }
}

// Handles an error action or a forced error. False when the parse must abort.
bool Recover(yymparse* p) {
    if (p->skip == 0) {
        ++p->syntaxErrorCount;
        p->syntaxError(p);
    }
    if (p->skip < kRecoverySkip || p->errorPops > 0) {
        if (!ShiftErrorToken(p)) return false;
        p->skip = kRecoverySkip;
        return true;
    }
    // A new error right after recovery: drop the offending token.
    if (!p->lookaheadValid) Fetch(p);
    if (p->lookahead == 0) return false;
    p->discard(p, p->lookahead);
    DestroyTokenValue(p, p->lookahead, p->tokenValue);
    p->tokenValue = nullptr;
    p->lookaheadValid = false;
    return true;
}

inline bool IsUnitWithoutAction(const yymparsetables* t, const Action& action) {
    if (action.type != YYM_REDUCE) return false;
    const yymrule& rule = t->rules[action.value];
    return rule.length == 1 && rule.action < 0;
}

// The chains depend on the parse tables alone: the thread keeps one table
// of them, emptied when a parse over other tables comes along.
struct ThreadUnitChains {
    const yymparsetables* tables;
    yymunitchain chains[YYM_UNIT_CHAINS];
};
thread_local ThreadUnitChains t_unitChains;

yymunitchain* ThreadChains(const yymparsetables* tables) {
    ThreadUnitChains& own = t_unitChains;
    if (own.tables != tables) {
        std::fill(std::begin(own.chains), std::end(own.chains), yymunitchain{});
        own.tables = tables;
    }
    return own.chains;
}

inline yymunitchain& ChainSlot(yymparse* p, int top, int below, int token) {
    unsigned hash = (unsigned)top * 31u + (unsigned)below * 7u + (unsigned)token * 131u;
    yymunitchain* chains = p->unitChains ? p->unitChains : ThreadChains(p->tables);
    return chains[hash % YYM_UNIT_CHAINS];
}

// Takes `action`, a unit reduction without an action, and the ones that
// follow it: each passes the value on top up to another nonterminal, so
// only the state on top changes. Leaves in `action` the first other action
// (or a unit reduction whose goto is missing, for Reduce to fail on).
// The rest of a chain is remembered from the first state on it that knows
// the lookahead: a chain often starts after a shift, in states that reduce
// whatever comes, and reads the next token on the way.
void FollowUnitChain(yymparse* p, Action& action) {
    const yymparsetables* t = p->tables;
    const int below = p->stateStack[p->top - 1];
    int keyTop = -1;
    for (;;) {
        if (keyTop < 0 && p->lookaheadValid) {
            keyTop = p->stateStack[p->top];
            const yymunitchain& known = ChainSlot(p, keyTop, below, p->lookahead);
            if (known.top == keyTop && known.below == below && known.token == p->lookahead &&
                (known.state | known.token)) {
                p->ruleValue = p->valueStack[p->top];
                p->stateStack[p->top] = known.state;
                action = {known.type, known.value};
                return;
            }
        }
        int next = FindGoto(t, below, t->rules[action.value].lhs);
        if (next < 0) return;
        p->ruleValue = p->valueStack[p->top];
        p->stateStack[p->top] = (int16_t)next;
        action = FindAction(p, next, false);
        if (!IsUnitWithoutAction(t, action)) break;
    }
    if (keyTop >= 0) {
        ChainSlot(p, keyTop, below, p->lookahead) = {(int16_t)keyTop, (int16_t)below, (int16_t)p->lookahead,
                                                     p->stateStack[p->top], (uint8_t)action.type,
                                                     (int16_t)action.value};
    }
}

enum Outcome { Continue, Stop, Fail };

Outcome Reduce(yymparse* p, int ruleNumber, int& result) {
    const yymparsetables* t = p->tables;
    const yymrule& rule = t->rules[ruleNumber];
    p->ruleValue = rule.length > 0 ? p->valueStack[p->top - rule.length + 1] : nullptr;
    if (rule.action >= 0) {
        t->action(p, rule.action);
        if (p->exitRequested) {
            result = p->exitCode;
            return Stop;
        }
    }
    p->top -= rule.length;  // the action took over the values
    if (p->abortRequested) return Fail;
    int next = FindGoto(t, p->stateStack[p->top], rule.lhs);
    if (next < 0 || !Push(p, next, p->ruleValue)) {
        if (next >= 0) DestroyStateValue(p, next, p->ruleValue);
        return Fail;
    }
    if (p->errorForced) {
        p->errorForced = false;
        if (!Recover(p)) return Fail;
    }
    if (p->retireRequested) {
        result = p->retireCode;
        return Stop;
    }
    return Continue;
}

void Reset(yymparse* p) {
    p->top = -1;
    p->lookahead = -1;
    p->lookaheadValid = false;
    p->skip = 0;
    p->syntaxErrorCount = 0;
    p->errorPops = 0;
    p->exitRequested = p->retireRequested = p->errorForced = p->abortRequested = false;
    p->poppedInRecovery = false;
    p->tokenValue = nullptr;
    p->ruleValue = nullptr;
}

}  // namespace

yymparse yymparsetemplate(const yymparsetables* tables) {
    yymparse templ;
    templ.tables = tables;
    templ.stackOverflow = DefaultStackOverflow;
    templ.error = DefaultError;
    templ.syntaxError = DefaultSyntaxError;
    templ.discard = DefaultDiscard;
    templ.getToken = DefaultGetToken;
    return templ;
}

bool yymparsecreate(yymparse* p, const yymparse* templ) {
    *p = *templ;
    int size = templ->stackSize > 0 ? templ->stackSize : 0;
    p->stackSize = 0;
    p->stateStack = nullptr;
    p->valueStack = nullptr;
    if (size == 0) return true;
    p->stateStack = static_cast<int16_t*>(std::malloc((size_t)size * sizeof(int16_t)));
    p->valueStack = static_cast<void**>(std::malloc((size_t)size * sizeof(void*)));
    if (!p->stateStack || !p->valueStack) {
        yymparsedestroy(p);
        return false;
    }
    p->stackSize = size;
    return true;
}

void yymparsedestroy(yymparse* p) {
    std::free(p->stateStack);
    std::free(p->valueStack);
    p->stateStack = nullptr;
    p->valueStack = nullptr;
    p->stackSize = 0;
    p->top = -1;
}

int yymparserun(yymparse* p) {
    Reset(p);
    if (!Push(p, 0, nullptr)) return Abort(p);
    for (;;) {
        Action action = FindAction(p, p->stateStack[p->top], false);
        if (IsUnitWithoutAction(p->tables, action)) FollowUnitChain(p, action);
        switch (action.type) {
        case YYM_SHIFT:
            if (p->skip > 0) --p->skip;
            if (!Push(p, action.value, p->tokenValue)) return Abort(p);
            p->lookaheadValid = false;
            break;
        case YYM_REDUCE: {
            int result = 0;
            Outcome outcome = Reduce(p, action.value, result);
            if (outcome == Stop) return result;
            if (outcome == Fail) return Abort(p);
            break;
        }
        case YYM_ACCEPT:
            return 0;
        default:
            if (!Recover(p)) return Abort(p);
            break;
        }
    }
}

void yymparseexit(yymparse* p, int code) {
    p->exitRequested = true;
    p->exitCode = code;
}

void yymparseretire(yymparse* p, int code) {
    p->retireRequested = true;
    p->retireCode = code;
}

void yymparseforceerror(yymparse* p, int pops) {
    p->errorForced = true;
    p->errorPops = pops;
}

void yymparseabort(yymparse* p) { p->abortRequested = true; }

void yymparsewipe(yymparse* p) {
    bool wipe = p->wipeOnAbort;
    p->wipeOnAbort = true;
    Abort(p);
    p->wipeOnAbort = wipe;
}
