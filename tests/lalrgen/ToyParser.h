// A small tree and parse context for the toy grammar the engine tests run.
#pragma once

#include "yymparse.h"

#include <string>
#include <vector>

struct ToyNode {
    explicit ToyNode(char kind, ToyNode* a = nullptr, ToyNode* b = nullptr, ToyNode* c = nullptr);
    ~ToyNode();
    ToyNode(const ToyNode&) = delete;
    ToyNode& operator=(const ToyNode&) = delete;

    // Prefix form: "(+ n (* n n))".
    std::string Text() const;

    char kind;
    ToyNode* children[3];
    int depth;
    static int live;
};

struct ToyContext {
    ~ToyContext();

    std::vector<ToyNode*> statements;
    std::vector<std::string> messages;
    std::vector<bool> autoHadLookahead;
    int depthLimit = 1000000;
};

ToyContext* ToyContextOf(yymparse* p);
// Ends the parse when $$ is nested deeper than the context allows.
void ToyCheckDepth(yymparse* p, void*& value);

extern const yymparsetables ToyTables;
