// CorvelJSOutput: collects script text written back from a syntax tree, and
// the names of the variables that text references or assigns.
#pragma once

#include "CorvelNameSet.h"
#include "QelList.h"
#include "QelString.h"

#include <cstdint>

class CorvelJSOutput {
public:
    // StatementHead while writing the head of a statement (the condition of
    // "if" and "while", the start of "for", the variable of a for-in, the
    // object of "with").
    enum FormattingMode : int32_t { Normal = 0, StatementHead = 1 };

    CorvelJSOutput();
    CorvelJSOutput(const CorvelJSOutput&) = delete;
    CorvelJSOutput& operator=(const CorvelJSOutput&) = delete;
    virtual ~CorvelJSOutput();

    // printf-style; a result longer than 999 bytes is cut there. Node text
    // goes through WriteText instead, so it is never read as a format.
    void Write(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Appends `text` as it is, whatever its length.
    void WriteText(const char* text);
    // Appends tab level + `extra` tabs when that is positive.
    void WriteTabs(int extra);
    void IncrementTab(int n = 1) { tabLevel += n; }
    void DecrementTab(int n = 1) { tabLevel -= n; }
    int GetTabLevel() const { return tabLevel; }

    const char* GetOutput() const { return buffer ? buffer : ""; }
    int GetLength() const { return length; }

    FormattingMode GetFormattingMode() const { return formattingMode; }
    void SetFormattingMode(FormattingMode mode) { formattingMode = mode; }

    // Each name is kept once, the most recently added first. Assigned names
    // are referenced names too.
    void AddReferencedVariable(const char* name);
    void AddAssignedVariable(const char* name);
    __QelPOSITION* GetFirstReferencedVariablePosition() const { return referenced.GetHeadPosition(); }
    __QelPOSITION* GetFirstAssignedVariablePosition() const { return assigned.GetHeadPosition(); }
    const char* GetNextReferencedVariable(__QelPOSITION*& position) const;
    const char* GetNextAssignedVariable(__QelPOSITION*& position) const;

protected:
    // Derived writers override this to send the text elsewhere.
    virtual void WriteToBuffer(const char* text);
    // Makes room for `needed` more bytes; false (text unchanged) when memory
    // runs out.
    bool ExpandBuffer(int needed);

private:
    // Adds `name` at the front of `names` unless `seen` already has it; the
    // set keeps writing linear in the number of identifiers. The set views
    // the texts of the list, so a name met again is neither copied nor kept.
    static void AddOnce(QelList<QelString>& names, CorvelNameSet& seen, const char* name);

    QelList<QelString> referenced;
    QelList<QelString> assigned;
    CorvelNameSet referencedSeen;
    CorvelNameSet assignedSeen;
    char* buffer;
    int length = 0;
    int capacity = 0;
    FormattingMode formattingMode = Normal;
    int tabLevel = 0;
};
