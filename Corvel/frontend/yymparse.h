// The table-driven LALR(1) parsing engine. One instance per parser; the
// generated tables are constant and shared, the engine keeps no global state.
// An instance is made by copying a template (yymparsetemplate) and creating
// it (yymparsecreate); wrappers replace callbacks and set userData first.
#pragma once

#include <cstdint>

struct yymparse;

// Action types, shared by the generator.
enum : uint8_t {
    YYM_SHIFT = 0,
    YYM_REDUCE = 1,
    YYM_ERROR = 2,
    YYM_ACCEPT = 3,
    YYM_DEFER = 4,  // look the token up in the actions of another state
};

enum : int { YYM_ERROR_TOKEN = 256 };

struct yymstateaction {
    int16_t base;            // index of token 0 in the token actions
    uint8_t needsLookahead;  // 0: the default applies to every token
    uint8_t defaultType;
    int16_t defaultValue;
};

struct yymtokenaction {
    int16_t state;  // the owning state; other states ignore the entry
    uint8_t type;
    int16_t value;
};

struct yymstategoto {
    int16_t base;          // index of nonterminal 0 in the goto entries
    int16_t defaultState;  // state whose gotos apply next, -1 = none
};

struct yymgoto {
    int16_t state;  // owning state
    int16_t next;
};

struct yymrule {
    int16_t lhs;     // nonterminal index
    int16_t length;  // symbols on the right-hand side
    int16_t action;  // -1 = no action
};

struct yymparsetables {
    const yymstateaction* stateActions;
    int stateCount;
    const yymtokenaction* tokenActions;
    int tokenActionCount;
    const yymstategoto* stateGotos;
    const yymgoto* gotos;
    int gotoCount;
    const int16_t* tokenDestructors;  // destructor action per token, -1 = none
    int tokenDestructorFirst;
    int tokenDestructorCount;
    const yymrule* rules;
    int ruleCount;
    const int16_t* stateDestructors;  // destructor action per state, -1 = none
    // Runs a rule action: reads the rule's values below the stack top and
    // writes ruleValue.
    void (*action)(yymparse* p, int action);
    // Disposes of one symbol value.
    void (*destroy)(yymparse* p, int action, void* value);
};

// Where a chain of unit reductions without actions ended: from `top` over
// `below` with lookahead `token` the parse comes to `state` and `type`
// `value` there. Token -2 marks the start of a chain, read before the
// lookahead is: from `top` over `below` the parse comes to `state`, the
// first state that needs the lookahead. Depends on the tables alone; token
// 0 with state 0 is empty.
struct yymunitchain {
    int16_t top;
    int16_t below;
    int16_t token;
    int16_t state;
    uint8_t type;
    int16_t value;
};

enum : int { YYM_UNIT_CHAINS = 1024 };

struct yymparse {
    // Flags.
    bool lookaheadValid = false;
    bool stackMayGrow = true;
    bool exitRequested = false;
    bool retireRequested = false;
    bool errorForced = false;
    bool poppedInRecovery = false;  // states were popped before the error token was shifted
    bool wipeOnAbort = true;
    bool abortRequested = false;  // the action disposed of its values and wants the parse to end

    int top = -1;
    int lookahead = -1;
    int skip = 0;  // tokens still to shift before errors are reported again
    int syntaxErrorCount = 0;
    int exitCode = 0;
    int retireCode = 0;
    int errorPops = 0;  // error-capable states that recovery passes over

    int16_t* stateStack = nullptr;
    void** valueStack = nullptr;
    int stackSize = 100;  // in the template: the initial size

    void* ruleValue = nullptr;   // $$ of the rule being reduced
    void* tokenValue = nullptr;  // value of the current token; the lexer writes here

    void (*stackOverflow)(yymparse* p) = nullptr;
    void (*error)(yymparse* p, const char* text) = nullptr;
    void (*syntaxError)(yymparse* p) = nullptr;
    void (*discard)(yymparse* p, int token) = nullptr;
    int (*getToken)(yymparse* p) = nullptr;

    const yymparsetables* tables = nullptr;
    void* userData = nullptr;

    // Recent unit-reduction chains, by top state, state below and lookahead:
    // expressions pass every operand up a long chain of them. Null: the
    // thread's table for these parse tables, which every parse on the
    // thread shares (an eval's short text starts with what earlier parses
    // found); a caller may hand the engine a table of its own instead.
    yymunitchain* unitChains = nullptr;
};

// The template for a parser over `tables`, with the default callbacks.
yymparse yymparsetemplate(const yymparsetables* tables);
// Copies the template into `p` and allocates its stacks. False when memory
// runs out; the instance is then empty but safe to destroy.
bool yymparsecreate(yymparse* p, const yymparse* templ);
void yymparsedestroy(yymparse* p);

// Runs one parse: 0 = accepted, 1 = aborted, or the code an action passed to
// yymparseexit or yymparseretire.
int yymparserun(yymparse* p);

// Requests from rule actions.
void yymparseexit(yymparse* p, int code);
void yymparseretire(yymparse* p, int code);
// Recovery starts after the reduction, passing over `pops` states that could
// shift the error token.
void yymparseforceerror(yymparse* p, int pops);
// Ends the parse after the reduction. The action must already have disposed
// of $$ and of its symbols' values; the rest of the stack is wiped.
void yymparseabort(yymparse* p);
// Disposes of every value on the stack and of a lookahead token's value, as
// an aborted parse does: for a parse that an exception left in the middle.
void yymparsewipe(yymparse* p);
