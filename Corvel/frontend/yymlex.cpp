#include "yymlex.h"

#include <climits>
#include <cstdlib>

namespace {

const int kInitialBufferSize = 100;

int NoInput(yymlex*) { return -1; }
void IgnoreOutput(yymlex*, int) {}
int NoFurtherInput(yymlex*) { return 1; }
int NoToken(yymlex* lex, int) {
    lex->returned = 0;
    return 0;
}

void WriteToErrorStream(yymlex* lex, const char* message) {
    if (lex->err) fputs(message, lex->err);
}

// The host must survive an exhausted buffer: the report goes through the
// callback and the instance stops producing tokens.
void Fail(yymlex* lex, yymlexoverflowfn report, const char* format, int size) {
    char message[64];
    snprintf(message, sizeof message, format, size);
    lex->failed = 1;
    if (report) report(lex, message);
}

int GrownSize(int size) {
    if (size == 0) return kInitialBufferSize;
    return size > INT_MAX / 2 / (int)sizeof(int) ? -1 : size * 2;
}

bool GrowText(yymlex* lex) {
    int size = lex->textGrows ? GrownSize(lex->textSize) : -1;
    if (size > 0) {
        char* text = (char*)realloc(lex->text, (size_t)size + 1);
        if (text) lex->text = text;
        int* states = text ? (int*)realloc(lex->stateBuffer, (size_t)size * sizeof(int)) : nullptr;
        if (states) {
            lex->stateBuffer = states;
            lex->textSize = size;
            return true;
        }
    }
    Fail(lex, lex->textOverflow, "lex text buffer overflow (%d)\n", lex->textSize);
    return false;
}

bool GrowUnput(yymlex* lex) {
    int size = lex->unputGrows ? GrownSize(lex->unputSize) : -1;
    int* buffer = size > 0 ? (int*)realloc(lex->unputBuffer, (size_t)size * sizeof(int)) : nullptr;
    if (buffer) {
        lex->unputBuffer = buffer;
        lex->unputSize = size;
        return true;
    }
    Fail(lex, lex->unputOverflow, "lex unput buffer overflow (%d)\n", lex->unputSize);
    return false;
}

inline int NextRow(const yymlex* lex, int row, int c) {
    int k = lex->classes ? lex->classes[c] : c;
    if (lex->rows) return lex->rows[row * lex->classCount + k];
    for (;;) {
        const yymlexstate& state = lex->states[row];
        if (state.base >= 0) {
            int i = state.base + k;
            if (i < lex->transitionCount && lex->transitions[i].check == row) return lex->transitions[i].next;
        }
        if (state.def <= 0) return -state.def;
        row = state.def;
    }
}

// Reading on from such a row could never lengthen the match.
inline bool HasNoTransitions(const yymlex* lex, int row) {
    return row == 0 || (lex->states[row].base < 0 && lex->states[row].def == 0);
}

int FirstAction(const yymlex* lex, int row) {
    int match = lex->states[row].match;
    if (match >= 0) return match;
    int action = lex->matches[-match];
    return action > 0 ? action : 0;
}

// One step over the unpacked rows.
struct UnpackedStep {
    const short* rows;
    const unsigned char* classes;
    int classCount;
    int operator()(int row, int c) const { return rows[row * classCount + classes[c]]; }
};

// One step by whatever the tables offer.
struct AnyStep {
    const yymlex* lex;
    int operator()(int row, int c) const { return NextRow(lex, row, c); }
};

// ReadRun over the in-memory source, with the buffers and tables held in
// locals: the byte stores could otherwise alias every field of the instance.
template <class Step>
int ReadDirect(yymlex* lex, int row, Step step) {
    const unsigned char* at = lex->cursor;
    const yymlexstate* const states = lex->states;
    char* text = lex->text;
    int* rows = lex->stateBuffer;
    int size = lex->textSize;
    int count = 0, lines = 0;
    for (;;) {
        int c = *at;
        if (c == 0) break;
        if (count >= size) {
            // The overflow report names the line reached.
            lex->lineNumber += lines;
            lines = 0;
            if (!GrowText(lex)) {
                lex->cursor = at;
                return -1;
            }
            text = lex->text;
            rows = lex->stateBuffer;
            size = lex->textSize;
        }
        ++at;
        lines += c == '\n';
        row = step(row, c);
        text[count] = (char)c;
        rows[count++] = row;
        if (row == 0 || (states[row].base < 0 && states[row].def == 0)) break;
    }
    lex->cursor = at;
    lex->lineNumber += lines;
    return count;
}

int ReadDirect(yymlex* lex, int row) {
    if (lex->rows && lex->classes)
        return ReadDirect(lex, row, UnpackedStep{lex->rows, lex->classes, lex->classCount});
    return ReadDirect(lex, row, AnyStep{lex});
}

// Reads as far as the tables can follow from `row`: the number of bytes
// stored, or -1 when the text buffer could not hold them. `direct` says
// whether they came straight from the in-memory source.
int ReadRun(yymlex* lex, int row, bool* direct) {
    *direct = lex->cursor && lex->unputCount == 0 && lex->input == yymlexinput && lex->unput == yymlexunput;
    if (*direct) return ReadDirect(lex, row);
    int count = 0;
    for (;;) {
        int c = lex->input(lex);
        if (c < 0) return count;
        if (count >= lex->textSize && !GrowText(lex)) return -1;
        c &= 0xff;
        row = NextRow(lex, row, c);
        lex->text[count] = (char)c;
        lex->stateBuffer[count++] = row;
        if (HasNoTransitions(lex, row)) return count;
    }
}

// Gives back bytes until the text ends in an accepting row. Returns that
// row's first action, or 0 with only the first byte left.
int LongestMatch(yymlex* lex, int* count, bool direct) {
    int n = *count;
    for (;;) {
        int action = FirstAction(lex, lex->stateBuffer[n - 1]);
        if (action > 0 || n == 1) {
            *count = n;
            return action;
        }
        int c = (unsigned char)lex->text[--n];
        if (direct) {
            --lex->cursor;
            if (c == '\n') --lex->lineNumber;
            continue;
        }
        lex->unput(lex, c);
        if (lex->failed) return 0;
    }
}

// True when an action returned a token (in *token).
bool RunAction(yymlex* lex, int action, int* token) {
    lex->returned = 1;
    *token = lex->action ? lex->action(lex, action) : 0;
    if (lex->failed) {
        *token = 0;
        return true;
    }
    return lex->returned != 0;
}

bool RunEndActions(yymlex* lex, int row, int* token) {
    int match = lex->states[row].match;
    if (match == 0) return false;
    if (match > 0) return RunAction(lex, match, token);
    for (const short* list = lex->matches - match; *list > 0; ++list)
        if (RunAction(lex, *list, token)) return true;
    return false;
}

}  // namespace

yymlex yymlexdefaults() {
    yymlex lex = {};
    lex.textGrows = 1;
    lex.unputGrows = 1;
    lex.eol = 1;
    lex.oldEol = 1;
    lex.lineNumber = 1;
    lex.textSize = kInitialBufferSize;
    lex.unputSize = kInitialBufferSize;
    lex.input = yymlexinput;
    lex.output = IgnoreOutput;
    lex.unput = yymlexunput;
    lex.wrap = NoFurtherInput;
    lex.getChar = NoInput;
    lex.textOverflow = WriteToErrorStream;
    lex.unputOverflow = WriteToErrorStream;
    lex.action = NoToken;
    return lex;
}

// A template that leaves a callback null still gets a working instance.
static void FillMissingCallbacks(yymlex* lex) {
    const yymlex defaults = yymlexdefaults();
    if (!lex->input) lex->input = defaults.input;
    if (!lex->output) lex->output = defaults.output;
    if (!lex->unput) lex->unput = defaults.unput;
    if (!lex->getChar) lex->getChar = defaults.getChar;
    if (!lex->textOverflow) lex->textOverflow = defaults.textOverflow;
    if (!lex->unputOverflow) lex->unputOverflow = defaults.unputOverflow;
    if (!lex->action) lex->action = defaults.action;
}

bool yymlexcreate(yymlex* lex, const yymlex* lexTemplate) {
    *lex = *lexTemplate;
    FillMissingCallbacks(lex);
    if (lex->textSize < 0) lex->textSize = 0;
    if (lex->unputSize < 0) lex->unputSize = 0;
    lex->text = (char*)malloc((size_t)lex->textSize + 1);
    lex->stateBuffer = (int*)malloc(((size_t)lex->textSize + 1) * sizeof(int));
    lex->unputBuffer = (int*)malloc(((size_t)lex->unputSize + 1) * sizeof(int));
    yymlexreset(lex);
    return !lex->failed;
}

void yymlexdestroy(yymlex* lex) {
    free(lex->text);
    free(lex->stateBuffer);
    free(lex->unputBuffer);
    lex->text = nullptr;
    lex->stateBuffer = nullptr;
    lex->unputBuffer = nullptr;
    lex->textSize = 0;
    lex->unputSize = 0;
    lex->failed = 1;
}

void yymlexreset(yymlex* lex) {
    lex->more = 0;
    lex->reject = 0;
    lex->returned = 0;
    lex->eol = 1;
    lex->oldEol = 1;
    lex->start = 0;
    lex->length = 0;
    lex->lineNumber = 1;
    lex->unputCount = 0;
    lex->failed = !lex->text || !lex->stateBuffer || !lex->unputBuffer;
    if (lex->text) lex->text[0] = 0;
}

int yymlexinput(yymlex* lex) {
    int c;
    if (lex->unputCount > 0)
        c = lex->unputBuffer[--lex->unputCount];
    else
        c = lex->getChar ? lex->getChar(lex) : -1;
    if (c == '\n') ++lex->lineNumber;
    return c;
}

void yymlexunput(yymlex* lex, int c) {
    if (lex->unputCount >= lex->unputSize && !GrowUnput(lex)) return;
    lex->unputBuffer[lex->unputCount++] = c;
    if (c == '\n') --lex->lineNumber;
}

int yymlexscan(yymlex* lex) {
    while (!lex->failed) {
        int row = 1 + 2 * lex->start + (lex->eol ? 1 : 0);
        if (!lex->states || lex->start < 0 || row >= lex->stateCount) {
            lex->failed = 1;
            return 0;
        }
        bool direct;
        int count = ReadRun(lex, row, &direct);
        if (count < 0) return 0;
        int token = 0;
        if (count == 0) {
            if (RunEndActions(lex, row, &token)) return token;
            if (lex->wrap && !lex->wrap(lex)) continue;
            lex->start = 0;
            lex->eol = 1;
            lex->oldEol = 1;
            return 0;
        }
        lex->oldEol = lex->eol;
        int action = LongestMatch(lex, &count, direct);
        if (lex->failed) return 0;
        if (action == 0) {
            lex->output(lex, (unsigned char)lex->text[0]);
            lex->length = 0;
            lex->text[0] = 0;
            continue;
        }
        lex->length = count;
        lex->text[count] = 0;
        lex->eol = lex->text[count - 1] == '\n';
        if (RunAction(lex, action, &token)) return token;
    }
    return 0;
}
