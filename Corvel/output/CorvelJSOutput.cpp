#include "CorvelJSOutput.h"

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

const int kInitialCapacity = 10;
const int kWriteLimit = 1000;  // Write's result is cut to one byte less

const char kTabs[] = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";
const int kTabChunk = (int)sizeof(kTabs) - 1;

}  // namespace

CorvelJSOutput::CorvelJSOutput() : buffer(static_cast<char*>(malloc(kInitialCapacity + 1))) {
    if (buffer) {
        buffer[0] = 0;
        capacity = kInitialCapacity;
    }
}

CorvelJSOutput::~CorvelJSOutput() { free(buffer); }

void CorvelJSOutput::Write(const char* format, ...) {
    // Node writers pass fixed fragments: a format without directives is its
    // own result, so it need not be formatted.
    const char* end = format;
    while (*end && *end != '%' && end - format < kWriteLimit) ++end;
    if (*end == 0) {
        WriteToBuffer(format);
        return;
    }
    char text[kWriteLimit];
    va_list args;
    va_start(args, format);
    int written = vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    if (written < 0) return;
    WriteToBuffer(text);
}

void CorvelJSOutput::WriteText(const char* text) {
    if (text) WriteToBuffer(text);
}

void CorvelJSOutput::WriteTabs(int extra) {
    // Through WriteToBuffer, so a redirecting writer gets the indentation too.
    for (int count = tabLevel + extra; count > 0; count -= kTabChunk)
        WriteToBuffer(kTabs + (count < kTabChunk ? kTabChunk - count : 0));
}

void CorvelJSOutput::WriteToBuffer(const char* text) {
    // Pieces are short: copied byte by byte while they fit, the text
    // unchanged unless the whole piece did.
    if (*text == 0) return;
    char* out = buffer + length;
    char* const end = buffer + capacity;
    const char* in = text;
    while (*in && out < end) *out++ = *in++;
    if (*in == 0) {
        *out = 0;
        length = (int)(out - buffer);
        return;
    }
    if (buffer) buffer[length] = 0;
    size_t size = strlen(text);
    if (size == 0) return;
    if (size > (size_t)(INT_MAX / 2 - 10)) return;
    int textLength = (int)size;
    // Asking for at least the current length doubles the buffer, so a long
    // output is not copied over and over as it grows.
    if (length + textLength > capacity && !ExpandBuffer(textLength > length ? textLength : length)) return;
    memcpy(buffer + length, text, size + 1);
    length += textLength;
}

// Grown in place where the heap can: a long output's pages are then
// neither copied nor touched again.
bool CorvelJSOutput::ExpandBuffer(int needed) {
    if (needed > INT_MAX / 2 - 10 || length > INT_MAX / 2) return false;
    int newCapacity = length + needed + 10;
    char* grown = static_cast<char*>(realloc(buffer, (size_t)newCapacity + 1));
    if (!grown) return false;
    if (!buffer) grown[0] = 0;
    buffer = grown;
    capacity = newCapacity;
    return true;
}

void CorvelJSOutput::AddOnce(QelList<QelString>& names, CorvelNameSet& seen, const char* name) {
    if (!name) name = "";
    size_t length = strlen(name);
    if (seen.Contains(name, length)) return;
    names.AddHead(QelString(name));
    // The list's copy stays where it is for as long as the list has it.
    try {
        seen.Add(names.GetHead().GetText(), length);
    } catch (...) {
        names.RemoveHead();
        throw;
    }
}

void CorvelJSOutput::AddReferencedVariable(const char* name) { AddOnce(referenced, referencedSeen, name); }

void CorvelJSOutput::AddAssignedVariable(const char* name) {
    AddOnce(assigned, assignedSeen, name);
    AddReferencedVariable(name);
}

const char* CorvelJSOutput::GetNextReferencedVariable(__QelPOSITION*& position) const {
    return referenced.GetNext(position).GetText();
}

const char* CorvelJSOutput::GetNextAssignedVariable(__QelPOSITION*& position) const {
    return assigned.GetNext(position).GetText();
}
