#include "CorvelOperator.h"

#include "CorvelExecutionContext.h"
#include "CorvelIdentifier.h"
#include "CorvelJSOutput.h"
#include "CorvelProgress.h"
#include "CorvelValue.h"
#include "QelString.h"

#include <utility>

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

// How each operator is evaluated: the value operation and the operator code
// it is called with. Indexed by CorvelOperator::Type.
struct DispatchRow {
    CorvelOperator::Type type;
    CorvelValue::ECMAOperation operation;
    CorvelValue::ECMAOperatorType code;
};

const DispatchRow kDispatch[] = {
    {CorvelOperator::Plus, &CorvelValue::ECMAAsyncPlus, CorvelValue::ECMAPlus},
    {CorvelOperator::Minus, &CorvelValue::ECMAAsyncMinus, CorvelValue::ECMAMinus},
    {CorvelOperator::Add, &CorvelValue::ECMAAsyncAdd, CorvelValue::ECMAAdd},
    {CorvelOperator::Subtract, &CorvelValue::ECMAAsyncSubtract, CorvelValue::ECMASubtract},
    {CorvelOperator::Multiply, &CorvelValue::ECMAAsyncMultiply, CorvelValue::ECMAMultiply},
    {CorvelOperator::Divide, &CorvelValue::ECMAAsyncDivide, CorvelValue::ECMADivide},
    {CorvelOperator::Modulo, &CorvelValue::ECMAAsyncModulo, CorvelValue::ECMAModulo},
    {CorvelOperator::Equal, &CorvelValue::ECMAAsyncEqual, CorvelValue::ECMAEqual},
    {CorvelOperator::NotEqual, &CorvelValue::ECMAAsyncNotEqual, CorvelValue::ECMANotEqual},
    {CorvelOperator::LessThan, &CorvelValue::ECMAAsyncLessThan, CorvelValue::ECMALessThan},
    {CorvelOperator::LessThanEqual, &CorvelValue::ECMAAsyncLessThanEqual, CorvelValue::ECMALessThanEqual},
    {CorvelOperator::GreaterThan, &CorvelValue::ECMAAsyncGreaterThan, CorvelValue::ECMAGreaterThan},
    {CorvelOperator::GreaterThanEqual, &CorvelValue::ECMAAsyncGreaterThanEqual, CorvelValue::ECMAGreaterThanEqual},
    {CorvelOperator::Or, &CorvelValue::ECMAAsyncOr, CorvelValue::ECMAOr},
    {CorvelOperator::And, &CorvelValue::ECMAAsyncAnd, CorvelValue::ECMAAnd},
    {CorvelOperator::Not, &CorvelValue::ECMAAsyncNot, CorvelValue::ECMANot},
    {CorvelOperator::BitNot, &CorvelValue::ECMAAsyncBitNot, CorvelValue::ECMABitNot},
    {CorvelOperator::BitAnd, &CorvelValue::ECMAAsyncBitAnd, CorvelValue::ECMABitAnd},
    {CorvelOperator::BitXor, &CorvelValue::ECMAAsyncBitXor, CorvelValue::ECMABitXor},
    {CorvelOperator::BitOr, &CorvelValue::ECMAAsyncBitOr, CorvelValue::ECMABitOr},
    {CorvelOperator::ShiftLeft, &CorvelValue::ECMAAsyncShiftLeft, CorvelValue::ECMAShiftLeft},
    {CorvelOperator::ShiftRight, &CorvelValue::ECMAAsyncShiftRight, CorvelValue::ECMAShiftRight},
    {CorvelOperator::ShiftRightUnsigned, &CorvelValue::ECMAAsyncShiftRightUnsigned,
     CorvelValue::ECMAShiftRightUnsigned},
    {CorvelOperator::Assign, &CorvelValue::ECMAAsyncAssign, CorvelValue::ECMAAssign},
    {CorvelOperator::PlusAssign, &CorvelValue::ECMAAsyncPlusAssign, CorvelValue::ECMAPlusAssign},
    {CorvelOperator::MinusAssign, &CorvelValue::ECMAAsyncMinusAssign, CorvelValue::ECMAMinusAssign},
    {CorvelOperator::MultiplyAssign, &CorvelValue::ECMAAsyncMultiplyAssign, CorvelValue::ECMAMultiplyAssign},
    {CorvelOperator::DivideAssign, &CorvelValue::ECMAAsyncDivideAssign, CorvelValue::ECMADivideAssign},
    {CorvelOperator::BitAndAssign, &CorvelValue::ECMAAsyncBitAndAssign, CorvelValue::ECMABitAndAssign},
    {CorvelOperator::BitOrAssign, &CorvelValue::ECMAAsyncBitOrAssign, CorvelValue::ECMABitOrAssign},
    {CorvelOperator::BitXorAssign, &CorvelValue::ECMAAsyncBitXorAssign, CorvelValue::ECMABitXorAssign},
    {CorvelOperator::ModuloAssign, &CorvelValue::ECMAAsyncModuloAssign, CorvelValue::ECMAModuloAssign},
    {CorvelOperator::LeftShiftAssign, &CorvelValue::ECMAAsyncLeftShiftAssign, CorvelValue::ECMALeftShiftAssign},
    {CorvelOperator::RightShiftAssign, &CorvelValue::ECMAAsyncRightShiftAssign, CorvelValue::ECMARightShiftAssign},
    {CorvelOperator::RightShiftUnsignedAssign, &CorvelValue::ECMAAsyncRightShiftUnsignedAssign,
     CorvelValue::ECMARightShiftUnsignedAssign},
    {CorvelOperator::Delete, &CorvelValue::ECMAAsyncDelete, CorvelValue::ECMADelete},
    {CorvelOperator::Void, &CorvelValue::ECMAAsyncVoid, CorvelValue::ECMAVoid},
    {CorvelOperator::Typeof, &CorvelValue::ECMAAsyncTypeof, CorvelValue::ECMATypeof},
    {CorvelOperator::Comma, &CorvelValue::ECMAAsyncComma, CorvelValue::ECMAComma},
    {CorvelOperator::PostIncrement, &CorvelValue::ECMAAsyncPostIncrement, CorvelValue::ECMAPostIncrement},
    {CorvelOperator::PreIncrement, &CorvelValue::ECMAAsyncPreIncrement, CorvelValue::ECMAPreIncrement},
    {CorvelOperator::PostDecrement, &CorvelValue::ECMAAsyncPostDecrement, CorvelValue::ECMAPostDecrement},
    {CorvelOperator::PreDecrement, &CorvelValue::ECMAAsyncPreDecrement, CorvelValue::ECMAPreDecrement},
};
static_assert(sizeof(kDispatch) / sizeof(kDispatch[0]) == 43, "one row per operator type");

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
    : type(type),
      left(left),
      right(right),
      leftIdentifier(dynamic_cast<const CorvelIdentifier*>(left)) {
    NoteChild(left);
    NoteChild(right);
}

CorvelOperator::CorvelOperator(const CorvelOperator& other)
    : CorvelExpression(other),
      type(other.type),
      left(CopyOf(other.left)),
      right(CopyOf(other.right)),
      leftIdentifier(dynamic_cast<const CorvelIdentifier*>(left)) {}

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

// Evaluation.

CorvelStatus CorvelOperator::Evaluate(CorvelValue& result, CorvelExecutionContext* context) const {
    int index = (int)type;
    if (index < 0 || index >= kOperatorCount) {
        result.SetUndefined();
        return CorvelStatus::Normal;
    }
    const DispatchRow& row = kDispatch[index];
    CorvelProgress progress(context, this);
    CorvelStatus status = (result.*row.operation)(context, this, row.code, progress);
    if (status == CorvelStatus::Normal) progress.Clear();
    return status;
}

CorvelStatus CorvelOperator::EvaluateLeftValue(CorvelValue& out, CorvelExecutionContext* context,
                                               CorvelProgress& progress) const {
    if (progress.GetIndex() == 1) {
        out = progress.GetKeptValue();
        return CorvelStatus::Normal;
    }
    if (!left) {
        out.SetUndefined();
        return CorvelStatus::Normal;
    }
    if (left->Evaluate(out, context) == CorvelStatus::Suspend) return progress.Suspend(0);
    return CorvelStatus::Normal;
}

CorvelStatus CorvelOperator::EvaluateRightValue(CorvelValue& out, CorvelExecutionContext* context) const {
    if (!right) {
        out.SetUndefined();
        return CorvelStatus::Normal;
    }
    return right->Evaluate(out, context);
}

CorvelStatus CorvelOperator::EvaluateRightOperand(CorvelValue& out, CorvelExecutionContext* context) const {
    if (!right) {
        out.SetUndefined();
        return CorvelStatus::Normal;
    }
    return right->EvaluateDereferenced(out, context);
}

CorvelStatus CorvelOperator::EvaluateLeftOperand(CorvelValue& out, CorvelValue& raw, CorvelExecutionContext* context,
                                                 CorvelProgress& progress) const {
    bool keep = RightMaySuspend();
    if (progress.GetIndex() == 1 || !left || keep) {
        if (EvaluateLeftValue(out, context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
        if (keep) raw = out;
        out.GetValue();
        return CorvelStatus::Normal;
    }
    if (left->EvaluateDereferenced(out, context) == CorvelStatus::Suspend) return progress.Suspend(0);
    return CorvelStatus::Normal;
}

CorvelStatus CorvelOperator::EvaluateOperands(CorvelValue& leftValue, CorvelValue& rightValue,
                                              CorvelExecutionContext* context, CorvelProgress& progress) const {
    CorvelValue raw;
    if (EvaluateLeftOperand(leftValue, raw, context, progress) == CorvelStatus::Suspend)
        return CorvelStatus::Suspend;
    if (EvaluateRightOperand(rightValue, context) == CorvelStatus::Suspend) return progress.Suspend(1, std::move(raw));
    return CorvelStatus::Normal;
}
