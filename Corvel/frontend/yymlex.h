// The table-driven lexing engine. One instance per lexer, made by copying a
// constant template that carries the generated tables, the initial buffer
// sizes and the default callbacks; the owner then replaces callbacks and sets
// `data` to itself. The engine keeps no global state.
//
// Tables. Row 0 is the dead state. Rows 1 + 2 * condition (and the next row,
// used when the previous match ended a line) are the start rows of each start
// condition; their match value lists the end-of-input actions of that
// condition. A transition for row s on byte c is found at
// transitions[base + class(c)] when that entry's `check` is s; otherwise a
// positive default repeats the lookup from the default row, a negative
// default sends every byte to row -default, and 0 means no transition.
// A match value > 0 is one action, < 0 indexes `matches` (actions in rule
// order, ended by a value <= 0), 0 means not accepting.
#pragma once

#include <cstdio>

struct yymlex;

typedef int (*yymlexinputfn)(yymlex* lex);
typedef void (*yymlexoutputfn)(yymlex* lex, int c);
typedef void (*yymlexunputfn)(yymlex* lex, int c);
typedef int (*yymlexwrapfn)(yymlex* lex);
typedef int (*yymlexgetcharfn)(yymlex* lex);
typedef void (*yymlexoverflowfn)(yymlex* lex, const char* message);
typedef int (*yymlexactionfn)(yymlex* lex, int action);

struct yymlextransition {
    short next;
    short check;  // the row that owns this entry
};

struct yymlexstate {
    short def;
    short base;  // < 0: the row owns no entries
    short match;
};

struct yymlex {
    // Flags. The script rules use neither `more` nor `reject`, so the engine
    // keeps them only as part of the instance layout and never acts on them.
    unsigned char more;
    unsigned char reject;
    unsigned char returned;    // preset before an action; cleared by actions that return no token
    unsigned char textGrows;   // the text buffer may grow
    unsigned char unputGrows;  // the push-back buffer may grow
    unsigned char eol;         // the last match ended with '\n'
    unsigned char oldEol;
    // Set when a buffer could not grow: every later scan returns 0 at once.
    unsigned char failed;

    int start;  // start condition

    // Nothing reads these except the default overflow reports.
    FILE* in;
    FILE* out;
    FILE* err;

    int length;  // of the current match
    int lineNumber;
    int unputCount;

    char* text;  // textSize + 1 bytes: the match is NUL-terminated
    int textSize;
    int* stateBuffer;  // the row reached after each byte of `text`
    int* unputBuffer;
    int unputSize;

    yymlexinputfn input;  // push-back buffer first, then getChar
    yymlexoutputfn output;  // echo of a byte no rule matched
    yymlexunputfn unput;
    yymlexwrapfn wrap;  // non-zero: no further input
    yymlexgetcharfn getChar;  // the raw source: 0..255, or -1 at the end
    yymlexoverflowfn textOverflow;
    yymlexoverflowfn unputOverflow;
    yymlexactionfn action;

    const yymlextransition* transitions;
    int transitionCount;
    const unsigned char* classes;  // 256 entries; null: the byte is its own class
    const short* matches;
    const yymlexstate* states;
    int stateCount;
    // Per action; trailing context is not supported, so templates leave it null.
    const unsigned char* trailing;
    // Optional: the same transitions unpacked, row * classCount + class ->
    // next row (0 = none), so that a step is one index. Null: the packed
    // transitions above are searched.
    const short* rows;
    int classCount;

    void* data;  // the owner

    // A source in memory, ending at its first NUL: while nothing is pushed
    // back, runs are read from here directly and a longer match given up
    // moves the cursor back, with no callback per byte. Null: `input` is the
    // only source. A `getChar` that serves the same text must read through
    // this cursor, so that both ways stay in step.
    const unsigned char* cursor;
};

// A template with the default sizes and callbacks and no tables.
yymlex yymlexdefaults();

// Copies the template and allocates the buffers. False (and `failed` set)
// when memory runs out; `lex` can still be destroyed.
bool yymlexcreate(yymlex* lex, const yymlex* lexTemplate);
void yymlexdestroy(yymlex* lex);
// Back to the state of a fresh instance, keeping buffers and callbacks.
void yymlexreset(yymlex* lex);

// Scans until an action returns a token or the input ends (0).
int yymlexscan(yymlex* lex);

// The default `input` and `unput` callbacks.
int yymlexinput(yymlex* lex);
void yymlexunput(yymlex* lex, int c);
