// StreamOutput: script text written back from a tree, sent to a stdio
// stream as it is written instead of collected in memory, so that writing
// back a long script needs no second copy of it.
#pragma once

#include "CorvelJSOutput.h"

#include <cstddef>
#include <cstdio>

class StreamOutput : public CorvelJSOutput {
public:
    explicit StreamOutput(FILE* stream) : stream(stream) {}
    ~StreamOutput() override { Flush(); }

    // Sends what is still held to the stream; false once any write failed.
    bool Flush();

protected:
    void WriteToBuffer(const char* text) override;

private:
    FILE* stream;
    // Pieces are short: they are gathered here and sent in large writes.
    static const size_t kHeld = 64 * 1024;
    char held[kHeld];
    size_t count = 0;
    bool failed = false;
};
