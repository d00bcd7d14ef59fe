#include "CorvelTreeElement.h"

#include "CorvelDebugFile.h"
#include "CorvelParser.h"
#include "CorvelRuntimeException.h"
#include "CorvelTree.h"

#include <cstdarg>

thread_local CorvelParser* CorvelTreeElement::ms_parser = nullptr;
thread_local CorvelNodeArena* CorvelTreeElement::ms_arena = nullptr;
thread_local void* CorvelTreeElement::ms_arenaBlock = nullptr;

namespace {

// Made in place in the node.
inline CorvelSourceName StartSourceName(const CorvelParser* parser, bool sourceInChunk) {
    if (!parser || sourceInChunk) return CorvelSourceName();
    return parser->GetSourceName();
}

}  // namespace

// Only the arena sets the block, and only while a parse runs.
CorvelTreeElement::CorvelTreeElement()
    : sourceName(StartSourceName(ms_parser, ms_arenaBlock == this)),
      line(ms_parser ? ms_parser->GetLineNumber() : -1) {
    if (ms_arenaBlock == this) {
        ms_arenaBlock = nullptr;
        sourceInChunk = true;
    }
}

// A copy keeps its source name itself: its block need not lie in a chunk
// of the same text.
CorvelTreeElement::CorvelTreeElement(const CorvelTreeElement& other)
    : sourceName(other.SourceName()),
      line(other.line),
      depth(other.depth),
      maySuspend(other.maySuspend),
      isExpression(other.isExpression) {}

CorvelCodePosition CorvelTreeElement::GetCodePosition() const { return CorvelCodePosition{SourceName(), line, -1}; }

// A node whose chunk holds its source name lies in an arena block.
const CorvelSourceName& CorvelTreeElement::SourceName() const {
    return sourceInChunk ? CorvelNodeArena::SourceNameOf(CorvelNodeArena::ChunkOf(this)) : sourceName;
}

CorvelTreeElement::~CorvelTreeElement() = default;

void* CorvelTreeElement::TakeFromArena(size_t size) {
    CorvelNodeArena::Chunk* chunk;
    ms_arenaBlock = ms_arena->Take(size, &chunk);
    return ms_arenaBlock;
}

void CorvelTreeElement::StampError(CorvelRuntimeException* error) const { error->StampPosition(GetCodePosition()); }

CorvelRuntimeException* CorvelTreeElement::OutOfMemoryError() const {
    return CorvelRuntimeException::OutOfMemory(GetCodePosition());
}

void CorvelTreeElement::SetCodeSource(CorvelParser* parser) {
    ms_parser = parser;
    ms_arena = parser ? parser->GetNodeArena() : nullptr;
    ms_arenaBlock = nullptr;
    if (ms_arena) ms_arena->SetSourceName(parser->GetSourceName());
}

// The arena moves on from its chunk: a parse that follows starts afresh.
void CorvelTreeElement::ClearCodeSource(CorvelParser*) {
    if (ms_arena) ms_arena->Close();
    ms_parser = nullptr;
    ms_arena = nullptr;
    ms_arenaBlock = nullptr;
}

void CorvelTreeElement::SetDebugPath(const char* path) { CorvelDebugFile::SetPath(path); }

void CorvelTreeElement::SetDebugStream(FILE* stream) { CorvelDebugFile::SetStream(stream); }

void CorvelTreeElement::CloseDebug() { CorvelDebugFile::Close(); }

void CorvelTreeElement::OutputDebug(int indent, const char* format, ...) {
    va_list args;
    va_start(args, format);
    CorvelDebugFile::WriteV(indent, format, args);
    va_end(args);
}

void CorvelTreeElement::DebugChild(CorvelTreeElement* child, int indent, const char* nullLine) {
    if (child)
        child->Debug(indent);
    else if (nullLine)
        OutputDebug(indent, "%s", nullLine);
}

namespace {

template <class T>
CorvelTreeElement* CopyAs(const CorvelTreeElement* element) {
    const T* node = dynamic_cast<const T*>(element);
    return node ? new T(*node) : nullptr;
}

typedef CorvelTreeElement* (*CopyFunction)(const CorvelTreeElement*);

// Concrete classes only; a class derived from one of them copies as it.
const CopyFunction kCopyFunctions[] = {
    CopyAs<CorvelIdentifier>,      CopyAs<CorvelConstant>,        CopyAs<CorvelThis>,
    CopyAs<CorvelMemberSelection>, CopyAs<CorvelConditionalOperator>, CopyAs<CorvelFunctionCall>,
    CopyAs<CorvelNew>,             CopyAs<CorvelOperator>,        CopyAs<CorvelStatementBlock>,
    CopyAs<CorvelEmptyStatement>,  CopyAs<CorvelVar>,             CopyAs<CorvelIf>,
    CopyAs<CorvelWhile>,           CopyAs<CorvelWith>,            CopyAs<CorvelFor>,
    CopyAs<CorvelForIn>,           CopyAs<CorvelReturn>,          CopyAs<CorvelBreak>,
    CopyAs<CorvelContinue>,        CopyAs<CorvelStatementList>,   CopyAs<CorvelExpressionList>,
    CopyAs<CorvelIdentifierList>,  CopyAs<CorvelFunctionDefinition>,
};

}  // namespace

// Copying goes through the concrete copy constructors rather than a virtual
// clone so that the virtual operations keep their fixed order.
CorvelTreeElement* CorvelTreeElement::CopyElement(const CorvelTreeElement* element) {
    if (!element) return nullptr;
    for (CopyFunction copy : kCopyFunctions)
        if (CorvelTreeElement* result = copy(element)) return result;
    return nullptr;
}
