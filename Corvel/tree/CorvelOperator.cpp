#include "CorvelOperator.h"

#include "CorvelJSOutput.h"
#include "QelString.h"

namespace {

struct OperatorInfo {
    const char* symbol;
    CorvelOperator::ArgumentType argumentType;
};

const CorvelOperator::ArgumentType kPrefix = CorvelOperator::UnaryPrefix;
const CorvelOperator::ArgumentType kPostfix = CorvelOperator::UnaryPostfix;
const CorvelOperator::ArgumentType kBinary = CorvelOperator::Binary;

// Indexed by CorvelOperator::Type.
const OperatorInfo kOperators[] = {
    {"+", kPrefix},     {"-", kPrefix},     {"+", kBinary},      {"-", kBinary},     {"*", kBinary},
    {"/", kBinary},     {"%", kBinary},     {"==", kBinary},     {"!=", kBinary},    {"<", kBinary},
    {"<=", kBinary},    {">", kBinary},     {">=", kBinary},     {"||", kBinary},    {"&&", kBinary},
    {"!", kPrefix},     {"~", kPrefix},     {"&", kBinary},      {"^", kBinary},     {"|", kBinary},
    {"<<", kBinary},    {">>", kBinary},    {">>>", kBinary},    {"=", kBinary},     {"+=", kBinary},
    {"-=", kBinary},    {"*=", kBinary},    {"/=", kBinary},     {"&=", kBinary},    {"|=", kBinary},
    {"^=", kBinary},    {"%=", kBinary},    {"<<=", kBinary},    {">>=", kBinary},   {">>>=", kBinary},
    {"delete", kPrefix}, {"void", kPrefix}, {"typeof", kPrefix}, {",", kBinary},     {"++", kPostfix},
    {"++", kPrefix},    {"--", kPostfix},   {"--", kPrefix},
};
const int kOperatorCount = (int)(sizeof(kOperators) / sizeof(kOperators[0]));
static_assert(sizeof(kOperators) / sizeof(kOperators[0]) == 43, "one row per operator type");

const char* ArgumentTypeText(CorvelOperator::ArgumentType argumentType) {
    switch (argumentType) {
    case CorvelOperator::UnaryPrefix: return "Unary Prefix";
    case CorvelOperator::UnaryPostfix: return "Unary Postfix";
    default: return "Binary";
    }
}

// The word operators need a space before their operand.
bool IsWord(CorvelOperator::Type type) {
    return type == CorvelOperator::Delete || type == CorvelOperator::Void || type == CorvelOperator::Typeof;
}

}  // namespace

CorvelOperator::CorvelOperator(Type type, CorvelExpression* left, CorvelExpression* right)
    : type(type), left(left), right(right) {
    NoteChild(left);
    NoteChild(right);
}

CorvelOperator::CorvelOperator(const CorvelOperator& other)
    : CorvelExpression(other), type(other.type), left(CopyOf(other.left)), right(CopyOf(other.right)) {}

CorvelOperator::~CorvelOperator() {
    delete left;
    delete right;
}

CorvelOperator::ArgumentType CorvelOperator::GetOperatorInfo(Type type, QelString* symbol) {
    int index = (int)type;
    bool known = index >= 0 && index < kOperatorCount;
    if (symbol) *symbol = known ? kOperators[index].symbol : "Undefined";
    return known ? kOperators[index].argumentType : Binary;
}

void CorvelOperator::WriteECMAScript(CorvelJSOutput* output) const {
    QelString symbol;
    ArgumentType argumentType = GetOperatorInfo(type, &symbol);
    output->Write("(");
    if (argumentType == UnaryPrefix) {
        output->WriteText(symbol.GetText());
        if (IsWord(type)) output->Write(" ");
    }
    if (left) left->WriteECMAScript(output);
    if (argumentType != UnaryPrefix) output->WriteText(symbol.GetText());
    if (argumentType == Binary && right) right->WriteECMAScript(output);
    output->Write(")");
}

void CorvelOperator::Debug(int indent) {
    QelString symbol;
    ArgumentType argumentType = GetOperatorInfo(type, &symbol);
    OutputDebug(indent, "CorvelOperator: Symbol: %s ArguementType: %s\n", symbol.GetText(),
                ArgumentTypeText(argumentType));
    DebugChild(left, indent + 1);
    if (argumentType == Binary) DebugChild(right, indent + 1);
}
