// CorvelTreeElement: the base of every syntax tree node and list. A node
// knows where it came from in the source, how deep the tree below it is,
// how to write itself back as script text and how to dump itself.
#pragma once

#include "CorvelCodePosition.h"
#include "CorvelNodeArena.h"
#include "CorvelSmallBlocks.h"

#include <cstddef>
#include <cstdio>

class CorvelParser;
class CorvelJSOutput;
class CorvelRuntimeException;

class CorvelTreeElement {
public:
    CorvelTreeElement();
    // Keeps the original's source position: a copy stands for the same text.
    CorvelTreeElement(const CorvelTreeElement& other);
    // Nodes own raw children; assignment would share them.
    CorvelTreeElement& operator=(const CorvelTreeElement&) = delete;
    virtual ~CorvelTreeElement();

    // A parse makes its nodes in its parser's arena; other nodes (copies)
    // come from the blocks kept by size. Where a node lies says which.
    __attribute__((always_inline)) static void* operator new(size_t size) {
#if CORVEL_SMALL_BLOCKS
        if (ms_arena) return TakeFromArena(size);
#endif
        return CorvelSmallBlocks::Take(size);
    }
    __attribute__((always_inline)) static void operator delete(void* memory, size_t size) {
#if CORVEL_SMALL_BLOCKS
        if (CorvelNodeArena::InChunk(memory)) {
            CorvelNodeArena::Give(CorvelNodeArena::ChunkOf(memory));
            return;
        }
#endif
        CorvelSmallBlocks::Give(memory, size);
    }

    virtual void WriteECMAScript(CorvelJSOutput* output) const = 0;
    virtual void Debug(int indent) = 0;

    // A node of a long text finds its source name in its arena chunk,
    // which all the nodes of the chunk share without counting each one.
    CorvelCodePosition GetCodePosition() const;
    // 1 for a leaf, otherwise 1 + the depth of the deepest child, except
    // that the links of a chain of binary operators (CorvelOperator.h) are
    // one level together: how deep evaluation, destruction, writing and
    // dumping recurse. The parser bounds it so that they cannot exhaust the
    // machine stack.
    int GetDepth() const { return depth; }
    // Whether running the node can suspend by itself: only calls and "new"
    // can, so this holds when the subtree has one. Operators keep a copy of
    // an evaluated operand only when what follows it may suspend.
    bool MaySuspend() const { return maySuspend; }
    // Whether the node is an expression (an expression statement is one):
    // asked for every statement written back, where a cast would cost more
    // than writing the statement.
    bool IsExpression() const { return isExpression; }

    // While a parse runs, new nodes take their position from that parser.
    static void SetCodeSource(CorvelParser* parser);
    static void ClearCodeSource(CorvelParser* parser);

    // The debug dump goes to "ScriptDebug.txt" in the current directory
    // unless the host names another file or hands over an open stream.
    static void SetDebugPath(const char* path);
    // The stream stays the caller's: CloseDebug never closes it.
    static void SetDebugStream(FILE* stream);
    static void CloseDebug();

protected:
    // The room a list the parser makes starts with: most lists of a script
    // are that short, and room for three takes a block of the heap's
    // smallest size, as room for one does, so the list is not moved as it
    // grows.
    static const int kParsedListRoom = 3;

    static void OutputDebug(int indent, const char* format, ...)
        __attribute__((format(printf, 2, 3)));
    // The node's position given to an error raised in it, and the error
    // for memory run out there: out of line, so that the paths that catch
    // errors cost nothing until one comes.
    void StampError(CorvelRuntimeException* error) const;
    CorvelRuntimeException* OutOfMemoryError() const;

    // Dumps `child` at `indent`, or `nullLine` there when it is missing
    // (nothing when `nullLine` is null too).
    static void DebugChild(CorvelTreeElement* child, int indent, const char* nullLine = nullptr);

    static int DepthOf(const CorvelTreeElement* element) { return element ? element->depth : 0; }
    void NoteChild(const CorvelTreeElement* child) {
        if (!child) return;
        if (child->depth >= depth) depth = child->depth + 1;
        if (child->maySuspend) maySuspend = true;
    }

    // A deep copy of any node (null for null), made by its copy constructor.
    static CorvelTreeElement* CopyElement(const CorvelTreeElement* element);
    template <class T>
    static T* CopyOf(const T* element) {
        return static_cast<T*>(CopyElement(element));
    }

private:
    // The position, but for the column, which a node leaves unset: the
    // source name is empty here when the node's chunk holds it.
    CorvelSourceName sourceName;
    int32_t line = -1;

protected:
    int depth = 1;
    bool maySuspend = false;
    bool isExpression = false;  // set by CorvelExpression

    // The parse running on this thread, and the arena of its nodes.
    static thread_local CorvelParser* ms_parser;
    static thread_local CorvelNodeArena* ms_arena;
    static void* TakeFromArena(size_t size);

private:
    bool sourceInChunk = false;

    // The block the arena handed out last, until the node made in it takes
    // its position: a node constructed anywhere else (on the stack, as a
    // member, in a copy's block) keeps its source name itself.
    static thread_local void* ms_arenaBlock;
    const CorvelSourceName& SourceName() const;
};
