#include "StreamOutput.h"

#include <cstring>

bool StreamOutput::Flush() {
    if (count > 0 && fwrite(held, 1, count, stream) != count) failed = true;
    count = 0;
    return !failed;
}

void StreamOutput::WriteToBuffer(const char* text) {
    size_t length = strlen(text);
    if (count + length > kHeld) {
        Flush();
        if (length > kHeld) {
            if (fwrite(text, 1, length, stream) != length) failed = true;
            return;
        }
    }
    memcpy(held + count, text, length);
    count += length;
}
