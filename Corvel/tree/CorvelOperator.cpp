#include "CorvelOperator.h"

#include "CorvelExecutionContext.h"
#include "CorvelIdentifier.h"
#include "CorvelJSOutput.h"
#include "CorvelProgress.h"
#include "CorvelValue.h"
#include "QelString.h"

#include <algorithm>
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

bool CorvelOperator::IsChainType(Type type) {
    return (type >= Add && type <= And) || (type >= BitAnd && type <= ShiftRightUnsigned) || type == Comma;
}

CorvelOperator::CorvelOperator(Type type, CorvelExpression* left, CorvelExpression* right)
    : type(type),
      left(left),
      right(right),
      leftIdentifier(dynamic_cast<const CorvelIdentifier*>(left)) {
    NoteChild(left);
    NoteChild(right);
    LinkChain();
    // A chain is walked in a loop: the link below adds no level.
    if (chained) depth = std::max(left->GetDepth(), 1 + DepthOf(right));
}

void CorvelOperator::LinkChain() {
    CorvelOperator* below = dynamic_cast<CorvelOperator*>(left);
    chained = IsChainType(type) && below && IsChainType(below->type);
    if (chained) below->chainParent = this;
}

// The links of a chain are copied from the bottom up, in a loop.
CorvelOperator::CorvelOperator(const CorvelOperator& other)
    : CorvelExpression(other), type(other.type), left(nullptr), right(nullptr), leftIdentifier(nullptr) {
    try {
        right = CopyOf(other.right);
        if (!other.chained) {
            left = CopyOf(other.left);
        } else {
            const CorvelOperator* from = other.ChainBottom();
            left = new CorvelOperator(*from);
            for (from = from->chainParent; from != &other; from = from->chainParent)
                left = new CorvelOperator(*from, left);
        }
    } catch (...) {
        delete left;
        delete right;
        throw;
    }
    leftIdentifier = dynamic_cast<const CorvelIdentifier*>(left);
    LinkChain();
}

CorvelOperator::CorvelOperator(const CorvelOperator& other, CorvelExpression* copiedLeft)
    : CorvelExpression(other), type(other.type), left(copiedLeft), right(nullptr), leftIdentifier(nullptr) {
    try {
        right = CopyOf(other.right);
    } catch (...) {
        delete left;
        throw;
    }
    LinkChain();
}

// A chain is taken apart from the top: each link gives up its left operand
// before it is deleted, so no deletion reaches down the chain.
CorvelOperator::~CorvelOperator() {
    CorvelExpression* below = left;
    while (CorvelOperator* link = chained ? static_cast<CorvelOperator*>(below) : nullptr) {
        chained = link->chained;
        below = link->left;
        link->left = nullptr;
        link->chained = false;
        delete link;
    }
    delete below;
    delete right;
}

const CorvelOperator* CorvelOperator::ChainBottom() const {
    const CorvelOperator* link = this;
    while (link->chained) link = static_cast<const CorvelOperator*>(link->left);
    return link;
}

CorvelOperator::ArgumentType CorvelOperator::GetOperatorInfo(Type type, QelString* symbol) {
    int index = (int)type;
    bool known = index >= 0 && index < kOperatorCount;
    if (symbol) *symbol = known ? kOperators[index].symbol : "Undefined";
    return known ? kOperators[index].argumentType : Binary;
}

void CorvelOperator::WriteECMAScript(CorvelJSOutput* output) const {
    if (chained) return WriteChain(output);
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

// As the links would write themselves one inside the other: all the opening
// brackets, the bottom's left operand, then each link's symbol, right
// operand and closing bracket.
void CorvelOperator::WriteChain(CorvelJSOutput* output) const {
    const CorvelOperator* link = ChainBottom();
    for (const CorvelOperator* up = link; up; up = up == this ? nullptr : up->chainParent) output->Write("(");
    if (link->left) link->left->WriteECMAScript(output);
    for (;; link = link->chainParent) {
        QelString symbol;
        GetOperatorInfo(link->type, &symbol);
        output->WriteText(symbol.GetText());
        if (link->right) link->right->WriteECMAScript(output);
        output->Write(")");
        if (link == this) return;
    }
}

// As the links would dump themselves one inside the other: each link's line
// one level deeper than the one above, the bottom's left operand, then the
// right operands from the bottom up, each one level below its link.
void CorvelOperator::DebugChain(int indent) {
    CorvelOperator* link = this;
    int level = indent;
    for (;; link = static_cast<CorvelOperator*>(link->left), ++level) {
        QelString symbol;
        GetOperatorInfo(link->type, &symbol);
        OutputDebug(level, "CorvelOperator: Symbol: %s ArguementType: %s\n", symbol.GetText(),
                    ArgumentTypeText(Binary));
        if (!link->chained) break;
    }
    DebugChild(link->left, level + 1);
    for (;; link = link->chainParent, --level) {
        DebugChild(link->right, level + 1);
        if (link == this) return;
    }
}

void CorvelOperator::Debug(int indent) {
    if (chained) return DebugChain(indent);
    QelString symbol;
    ArgumentType argumentType = GetOperatorInfo(type, &symbol);
    OutputDebug(indent, "CorvelOperator: Symbol: %s ArguementType: %s\n", symbol.GetText(),
                ArgumentTypeText(argumentType));
    DebugChild(left, indent + 1);
    if (argumentType == Binary) DebugChild(right, indent + 1);
}

// Evaluation.

CorvelStatus CorvelOperator::Evaluate(CorvelValue& result, CorvelExecutionContext* context) const {
    if (chained) return EvaluateChain(result, context);
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

// Chains. One evaluation walks the chain from its bottom link up, carrying
// the value so far. Phases: 0 the bottom link's left operand; s (from 1) the
// right operand of the s-th link from the bottom, whose left operand is kept
// (for the bottom link as evaluated, so that a name is read again when the
// evaluation resumes, as a single operator does).
CorvelStatus CorvelOperator::EvaluateChain(CorvelValue& result, CorvelExecutionContext* context) const {
    CorvelProgress progress(context, this);
    int32_t phase = progress.GetIndex();
    const CorvelOperator* link = ChainBottom();
    int32_t step = 1;
    CorvelValue value, raw;
    if (phase <= 0 && !link->RightMaySuspend()) {
        if (link->left->EvaluateDereferenced(value, context) == CorvelStatus::Suspend) return progress.Suspend(0);
    } else if (phase <= 0) {
        if (link->left->Evaluate(value, context) == CorvelStatus::Suspend) return progress.Suspend(0);
        raw = value;
        value.GetValue();
    } else {
        for (; step < phase; ++step) link = link->chainParent;
        value = progress.TakeKeptValue();
        if (step == 1) {
            raw = value;
            value.GetValue();
        }
    }
    for (;; link = link->chainParent, ++step) {
        if (link->ApplyLink(value, context) == CorvelStatus::Suspend)
            return progress.Suspend(step, step == 1 ? std::move(raw) : std::move(value));
        if (link == this) break;
    }
    result = std::move(value);
    progress.Clear();
    return CorvelStatus::Normal;
}

// The same computations as the operators' own evaluation; the logical
// operators test leniently, as there.
CorvelStatus CorvelOperator::ApplyLink(CorvelValue& value, CorvelExecutionContext* context) const {
    if ((type == Or && value.ForceGetBool()) || (type == And && !value.ForceGetBool())) return CorvelStatus::Normal;
    CorvelValue rightValue;
    if (EvaluateRightOperand(rightValue, context) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    if (type == Or || type == And || type == Comma)
        value = std::move(rightValue);
    else
        value.ECMABinaryOperation((CorvelValue::ECMAOperatorType)type, rightValue);
    return CorvelStatus::Normal;
}
