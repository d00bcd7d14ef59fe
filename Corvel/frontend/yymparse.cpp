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
// of them, emptied when a parse over other tables comes along. The table
// lives on the heap (little thread-local storage for a library), made on
// the thread's first parse and freed at its end; without one, chains are
// followed without being remembered. It starts at YYM_UNIT_CHAINS entries,
// enough for short texts, and grows once when a long text keeps replacing
// what it remembered.
const uint32_t kLargestThreadChains = 4 * (uint32_t)YYM_UNIT_CHAINS;

struct ThreadUnitChains {
    const yymparsetables* tables;
    yymunitchain* chains;
    uint32_t size;
    uint32_t stores;  // chains remembered since the table was made
    bool closed;      // the thread is ending
};
// Plain data, so that it is there until the thread's last moment.
thread_local ThreadUnitChains t_unitChains;

struct ThreadUnitChainsCloser {
    bool armed = false;
    ~ThreadUnitChainsCloser() {
        std::free(t_unitChains.chains);
        t_unitChains = ThreadUnitChains{nullptr, nullptr, 0, 0, true};
    }
};
thread_local ThreadUnitChainsCloser t_unitChainsCloser;

// The table a parse uses: a caller's own, or the thread's (`owner`).
struct ChainTable {
    yymunitchain* chains;
    uint32_t mask;
    ThreadUnitChains* owner;
};

bool MakeThreadChains(ThreadUnitChains& own, uint32_t size) {
    yymunitchain* chains = static_cast<yymunitchain*>(std::malloc(size * sizeof(yymunitchain)));
    if (!chains) return false;
    std::fill(chains, chains + size, yymunitchain{});
    std::free(own.chains);
    own.chains = chains;
    own.size = size;
    own.stores = 0;
    // Using the closer makes it, and so its end, part of this thread.
    t_unitChainsCloser.armed = true;
    return true;
}

ChainTable ThreadChains(const yymparsetables* tables) {
    ThreadUnitChains& own = t_unitChains;
    if (own.tables != tables) {
        own.tables = nullptr;
        if (own.closed || !MakeThreadChains(own, own.size ? own.size : (uint32_t)YYM_UNIT_CHAINS)) return {nullptr, 0, nullptr};
        own.tables = tables;
    }
    return {own.chains, own.size - 1, &own};
}

ChainTable ChainsOf(yymparse* p) {
    if (p->unitChains) return {p->unitChains, YYM_UNIT_CHAINS - 1, nullptr};
    return ThreadChains(p->tables);
}

inline yymunitchain& ChainSlot(const ChainTable& table, int top, int below, int token) {
    uint32_t hash = ((uint32_t)top * 0x9E3779B1u) ^ ((uint32_t)below * 0x85EBCA77u) ^ ((uint32_t)token * 0xC2B2AE3Du);
    return table.chains[(hash ^ (hash >> 16)) & table.mask];
}

// Stores `chain` in its slot. The thread's table grows once it has stored
// more chains than it has slots; what it held is dropped.
void Remember(ChainTable& table, const yymunitchain& chain) {
    ChainSlot(table, chain.top, chain.below, chain.token) = chain;
    ThreadUnitChains* own = table.owner;
    if (!own || ++own->stores <= own->size || own->size >= kLargestThreadChains) return;
    if (MakeThreadChains(*own, own->size * 4 < kLargestThreadChains ? own->size * 4 : kLargestThreadChains)) {
        table.chains = own->chains;
        table.mask = own->size - 1;
    } else {
        own->stores = 0;
    }
}

// The token of a remembered chain start: the states a chain passes from
// `top` over `below` before one needs the lookahead depend on those two
// alone, and end in `state`.
const int kUpToLookahead = -2;

// Takes `action`, a unit reduction without an action, and the ones that
// follow it: each passes the value on top up to another nonterminal, so
// only the state on top changes. Leaves in `action` the first other action
// (or a unit reduction whose goto is missing, for Reduce to fail on).
// The rest of a chain is remembered from the first state on it that knows
// the lookahead: a chain often starts after a shift, in states that reduce
// whatever comes, and reads the next token on the way. Those first states,
// up to the one that reads it, are remembered too.
void FollowUnitChain(yymparse* p, ChainTable& chains, Action& action) {
    const yymparsetables* t = p->tables;
    const int below = p->stateStack[p->top - 1];
    int keyTop = -1;
    if (!chains.chains) keyTop = INT_MAX;  // nothing to look up or remember
    int startTop = -1;  // while the start of a chain is to be remembered
    if (chains.chains && !p->lookaheadValid) {
        int top = p->stateStack[p->top];
        const yymunitchain& start = ChainSlot(chains, top, below, kUpToLookahead);
        if (start.top == top && start.below == below && start.token == kUpToLookahead) {
            p->ruleValue = p->valueStack[p->top];
            p->stateStack[p->top] = start.state;
            action = FindAction(p, start.state, false);
            if (!IsUnitWithoutAction(t, action)) return;
        } else {
            startTop = top;
        }
    }
    for (;;) {
        if (keyTop < 0 && p->lookaheadValid) {
            keyTop = p->stateStack[p->top];
            const yymunitchain& known = ChainSlot(chains, keyTop, below, p->lookahead);
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
        if (startTop >= 0 && p->lookaheadValid) {
            Remember(chains, {(int16_t)startTop, (int16_t)below, (int16_t)kUpToLookahead, (int16_t)next, 0, 0});
            startTop = -1;
        }
        if (!IsUnitWithoutAction(t, action)) break;
    }
    if (keyTop >= 0 && keyTop != INT_MAX) {
        Remember(chains, {(int16_t)keyTop, (int16_t)below, (int16_t)p->lookahead, p->stateStack[p->top],
                          (uint8_t)action.type, (int16_t)action.value});
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
    ChainTable chains = ChainsOf(p);
    for (;;) {
        Action action = FindAction(p, p->stateStack[p->top], false);
        if (IsUnitWithoutAction(p->tables, action)) FollowUnitChain(p, chains, action);
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
