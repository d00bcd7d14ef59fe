#include "CorvelOperator.h"

#include "CorvelExecutionContext.h"
#include "CorvelGlobalObject.h"
#include "CorvelIdentifier.h"
#include "CorvelJSOutput.h"
#include "CorvelMemberSelection.h"
#include "CorvelObject.h"
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

// The node's types are the value computations' operator codes.
static_assert((int)CorvelOperator::Add == (int)CorvelValue::ECMAAdd &&
                  (int)CorvelOperator::ShiftRightUnsigned == (int)CorvelValue::ECMAShiftRightUnsigned &&
                  (int)CorvelOperator::PreDecrement == (int)CorvelValue::ECMAPreDecrement,
              "operator numbers shared with the value computations");

CorvelValue::ECMAOperatorType CodeOf(CorvelOperator::Type type) { return (CorvelValue::ECMAOperatorType)type; }

// The binary operator a compound assignment is based on.
CorvelValue::ECMAOperatorType BaseOperator(CorvelOperator::Type type) {
    switch (type) {
        case CorvelOperator::PlusAssign: return CorvelValue::ECMAAdd;
        case CorvelOperator::MinusAssign: return CorvelValue::ECMASubtract;
        case CorvelOperator::MultiplyAssign: return CorvelValue::ECMAMultiply;
        case CorvelOperator::DivideAssign: return CorvelValue::ECMADivide;
        case CorvelOperator::BitAndAssign: return CorvelValue::ECMABitAnd;
        case CorvelOperator::BitOrAssign: return CorvelValue::ECMABitOr;
        case CorvelOperator::BitXorAssign: return CorvelValue::ECMABitXor;
        case CorvelOperator::ModuloAssign: return CorvelValue::ECMAModulo;
        case CorvelOperator::LeftShiftAssign: return CorvelValue::ECMAShiftLeft;
        case CorvelOperator::RightShiftAssign: return CorvelValue::ECMAShiftRight;
        default: return CorvelValue::ECMAShiftRightUnsigned;
    }
}

// Writes `value` to the name's scope as a reference with that base would;
// a name no scope has goes where an unresolved reference writes.
void PutName(const CorvelIdentifier* name, CorvelObject* scope, CorvelExecutionContext* context,
             const CorvelValue& value) {
    CorvelGlobalObject* global = context->GetGlobalObject();
    if (scope && scope == global) {
        global->PutName(name->GetHashedName(), value);
        return;
    }
    if (scope) {
        scope->Put(name->GetName(), value);
        return;
    }
    CorvelValue reference(0ul, name->GetName());
    reference.PutValue(context, value);
}

// Writes `value` to a name whose FindLocal answered a property before the
// value was made. The property is looked for again: making the value may
// have deleted it, and the scope the name was found in, the activation or
// the global object, then makes it anew.
void PutLocal(const CorvelIdentifier* name, CorvelExecutionContext* context, const CorvelValue& value) {
    if (CorvelValue* local = name->FindLocal(context)) {
        if (!(local->GetAttributes() & CorvelValue::ReadOnly)) local->Assign(value);
        return;
    }
    PutName(name, context->GetInnermostLocalScope(), context, value);
}

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
      leftIdentifier(left ? left->AsIdentifier() : nullptr) {
    NoteChild(left);
    NoteChild(right);
    LinkChain();
    NoteLeafOperands();
    // A chain is walked in a loop: the link below adds no level.
    if (chained) depth = std::max(left->GetDepth(), 1 + DepthOf(right));
}

void CorvelOperator::LinkChain() {
    CorvelOperator* below = left ? left->AsOperator() : nullptr;
    chained = IsChainType(type) && below && IsChainType(below->type);
    if (chained) below->chainParent = this;
}

void CorvelOperator::NoteLeafOperands() {
    int leftHeight = left ? left->NumberTreeHeight() : 0;
    int rightHeight = right ? right->NumberTreeHeight() : 0;
    bool numeric = (type >= Add && type <= GreaterThanEqual) || (type >= BitAnd && type <= ShiftRightUnsigned);
    bool step = type >= PostIncrement && type <= PreDecrement;
    bool assign = type >= Assign && type <= RightShiftUnsignedAssign;
    const CorvelMemberSelection* selection = type == Assign && left && right ? left->AsPlainSelection() : nullptr;
    bool memberAssign = selection && (right->IsLeaf() || rightHeight);
    thisMember = selection ? selection->GetThisMemberName() : nullptr;
    leafOperands = (numeric && leftHeight && rightHeight) || (step && leftIdentifier) ||
                   (assign && leftIdentifier && rightHeight) || memberAssign;
    int height = 1 + std::max(leftHeight, rightHeight);
    if (leafOperands && CorvelValue::IsNumberArithmetic(CodeOf(type)) && height <= kMaxNumberTreeHeight)
        numberTreeHeight = (uint8_t)height;
    comparesNumberTrees = leafOperands && type >= Equal && type <= GreaterThanEqual;
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
    leftIdentifier = left ? left->AsIdentifier() : nullptr;
    LinkChain();
    NoteLeafOperands();
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
    NoteLeafOperands();
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

namespace {

// GetOperatorInfo's symbol, without a copy.
const char* SymbolOf(CorvelOperator::Type type) {
    int index = (int)type;
    return index >= 0 && index < kOperatorCount ? kOperators[index].symbol : "Undefined";
}

}  // namespace

void CorvelOperator::WriteECMAScript(CorvelJSOutput* output) const {
    if (chained) return WriteChain(output);
    const char* symbol = SymbolOf(type);
    ArgumentType argumentType = GetOperatorInfo(type, nullptr);
    output->WriteText("(");
    if (argumentType == UnaryPrefix) {
        output->WriteText(symbol);
        if (IsWord(type)) output->WriteText(" ");
    }
    if (left) left->WriteECMAScript(output);
    if (argumentType != UnaryPrefix) output->WriteText(symbol);
    if (argumentType == Binary && right) right->WriteECMAScript(output);
    output->WriteText(")");
}

// As the links would write themselves one inside the other: all the opening
// brackets, the bottom's left operand, then each link's symbol, right
// operand and closing bracket.
void CorvelOperator::WriteChain(CorvelJSOutput* output) const {
    const CorvelOperator* link = ChainBottom();
    for (const CorvelOperator* up = link; up; up = up == this ? nullptr : up->chainParent) output->WriteText("(");
    if (link->left) link->left->WriteECMAScript(output);
    for (;; link = link->chainParent) {
        output->WriteText(SymbolOf(link->type));
        if (link->right) link->right->WriteECMAScript(output);
        output->WriteText(")");
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

// Evaluation. The node fetches its operands and hands their values to the
// value computations. Its progress record holds the phase: 0 while the
// left operand is suspended, 1 once it is done and the right operand has
// suspended, with the left operand kept as it was evaluated.

// Number trees never suspend, so a node that takes this path has no
// progress record to look for.
namespace {

// NumberOf, inline on the operators' own path.
__attribute__((always_inline)) inline bool NumberOfTree(const CorvelExpression* tree,
                                                        const CorvelExecutionContext* context, double& number) {
    if (!tree->IsLeaf()) return static_cast<const CorvelOperator*>(tree)->ComputeNumber(context, number);
    const CorvelValue* value = tree->PeekValue(context);
    if (!value || value->GetType() != CorvelValue::Number) return false;
    number = value->GetNumber();
    return true;
}

}  // namespace

bool CorvelOperator::NumberOf(const CorvelExpression* tree, const CorvelExecutionContext* context, double& number) {
    return NumberOfTree(tree, context, number);
}

bool CorvelOperator::ComputeNumber(const CorvelExecutionContext* context, double& number) const {
    double x, y;
    if (!NumberOfTree(left, context, x) || !NumberOfTree(right, context, y)) return false;
    number = CorvelValue::NumberArithmetic(CodeOf(type), x, y);
    return true;
}

// The comparisons of numbers are the machine's (false whenever NaN is
// involved), as the value computations make them.
bool CorvelOperator::CompareNumbers(const CorvelExecutionContext* context, bool& truth) const {
    double x, y;
    if (!NumberOfTree(left, context, x) || !NumberOfTree(right, context, y)) return false;
    switch (type) {
        case Equal: truth = x == y; break;
        case NotEqual: truth = x != y; break;
        case LessThan: truth = x < y; break;
        case LessThanEqual: truth = x <= y; break;
        case GreaterThan: truth = x > y; break;
        default: truth = x >= y; break;
    }
    return true;
}

inline bool CorvelOperator::EvaluateLeaves(CorvelValue& result, CorvelExecutionContext* context) const {
    if (!right) return StepLocal(result, context);
    if (type >= Assign) return leftIdentifier ? AssignLocal(result, context) : AssignMember(result, context);
    double x, y;
    return NumberOfTree(left, context, x) && NumberOfTree(right, context, y) &&
           CorvelValue::NumberOperation(CodeOf(type), x, y, result);
}

// o.x = y and o[k] = y of a member found in place and a constant, a name
// or a number tree y: making y runs no script, so the member stays as found.
// A name not found in place is read as any read of it (it may raise 1029).
bool CorvelOperator::AssignMember(CorvelValue& result, CorvelExecutionContext* context) const {
    CorvelMemberSelection::Place place;
    if (!left->AsPlainSelection()->FindPlace(place, context)) return false;
    if (right->IsLeaf()) {
        if (const CorvelValue* value = right->PeekValue(context)) {
            result.Assign(*value);
            result.SetAttributes(0);
        } else {
            EvaluateRight(result, context);
        }
    } else {
        double number;
        if (!NumberOfTree(right, context, number)) return false;
        result.SetNumber(number);
    }
    place.Write(result);
    return true;
}

// A local number stepped where it is stored; its attributes stay as they
// are, as a write through the scope would leave them.
bool CorvelOperator::StepLocal(CorvelValue& result, CorvelExecutionContext* context) const {
    CorvelValue* local = leftIdentifier->FindLocal(context);
    if (!local || local->GetType() != CorvelValue::Number || (local->GetAttributes() & CorvelValue::ReadOnly))
        return false;
    double old = local->GetNumber();
    double now = old + (type == PostIncrement || type == PreIncrement ? 1 : -1);
    local->SetNumber(now);
    result.SetNumber(type == PreIncrement || type == PreDecrement ? now : old);
    return true;
}

// x = y and x op= y of a local x and a number tree y, computed where x is
// stored (for op=, when x holds a number).
bool CorvelOperator::AssignLocal(CorvelValue& result, CorvelExecutionContext* context) const {
    CorvelValue* local = leftIdentifier->FindLocal(context);
    if (!local || (local->GetAttributes() & CorvelValue::ReadOnly)) return false;
    double y;
    if (type == Assign) {
        if (!NumberOfTree(right, context, y)) return false;
        local->SetNumber(y);
        result.SetNumber(y);
        return true;
    }
    if (local->GetType() != CorvelValue::Number || !NumberOfTree(right, context, y) ||
        !CorvelValue::NumberOperation(BaseOperator(type), local->GetNumber(), y, result))
        return false;
    local->SetNumber(result.GetNumber());
    return true;
}

CorvelStatus CorvelOperator::Evaluate(CorvelValue& result, CorvelExecutionContext* context) const {
    if (leafOperands && EvaluateLeaves(result, context)) return CorvelStatus::Normal;
    return EvaluateGeneral(result, context);
}

// Out of line, so that the operators computed in place above need not
// save what the general way needs.
__attribute__((noinline)) CorvelStatus CorvelOperator::EvaluateGeneral(CorvelValue& result,
                                                                      CorvelExecutionContext* context) const {
    if (chained) return EvaluateChain(result, context);
    CorvelProgress progress(context, this);
    CorvelStatus status;
    switch (type) {
        case Plus: case Minus: case Not: case BitNot: case Void:
            status = EvaluateUnary(result, context, progress);
            break;
        case Add: case Subtract: case Multiply: case Divide: case Modulo: case Equal: case NotEqual:
        case LessThan: case LessThanEqual: case GreaterThan: case GreaterThanEqual: case BitAnd: case BitXor:
        case BitOr: case ShiftLeft: case ShiftRight: case ShiftRightUnsigned:
            status = EvaluateBinary(result, context, progress);
            break;
        case Or: case And: status = EvaluateLogical(result, context, progress); break;
        case Comma: status = EvaluateComma(result, context, progress); break;
        case Assign: status = EvaluateAssign(result, context, progress); break;
        case PlusAssign: case MinusAssign: case MultiplyAssign: case DivideAssign: case BitAndAssign:
        case BitOrAssign: case BitXorAssign: case ModuloAssign: case LeftShiftAssign: case RightShiftAssign:
        case RightShiftUnsignedAssign:
            status = EvaluateCompoundAssign(result, context, progress);
            break;
        case PostIncrement: case PreIncrement: case PostDecrement: case PreDecrement:
            status = EvaluateStep(result, context, progress);
            break;
        case Delete: status = EvaluateDelete(result, context, progress); break;
        case Typeof: status = EvaluateTypeof(result, context, progress); break;
        default:
            // A hand-built node outside the table.
            result.SetUndefined();
            return CorvelStatus::Normal;
    }
    if (status == CorvelStatus::Normal) progress.Clear();
    return status;
}

// The two operand helpers are on the path of every operator: inline.
inline CorvelStatus CorvelOperator::EvaluateLeft(CorvelValue* value, CorvelValue* target,
                                                 CorvelExecutionContext* context, CorvelProgress& progress) const {
    if (progress.GetIndex() == 1) {
        const CorvelValue& kept = progress.GetKeptValue();
        if (target) target->Assign(kept);
        if (value) {
            value->Assign(kept);
            value->GetValue();
        }
        return CorvelStatus::Normal;
    }
    if (!left) {
        if (target) target->SetUndefined();
        if (value) value->SetUndefined();
        return CorvelStatus::Normal;
    }
    if (!target) {
        // A name is read straight from its scope, without a reference.
        if (left->EvaluateDereferenced(*value, context) == CorvelStatus::Suspend) return progress.Suspend(0);
        return CorvelStatus::Normal;
    }
    if (left->Evaluate(*target, context) == CorvelStatus::Suspend) return progress.Suspend(0);
    if (value) {
        value->Assign(*target);
        value->GetValue();
    }
    return CorvelStatus::Normal;
}

inline CorvelStatus CorvelOperator::EvaluateRight(CorvelValue& value, CorvelExecutionContext* context) const {
    if (!right) {
        value.SetUndefined();
        return CorvelStatus::Normal;
    }
    return right->EvaluateDereferenced(value, context);
}

CorvelStatus CorvelOperator::EvaluateUnary(CorvelValue& result, CorvelExecutionContext* context,
                                           CorvelProgress& progress) const {
    if (EvaluateLeft(&result, nullptr, context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    result.ECMAUnaryOperation(CodeOf(type));
    return CorvelStatus::Normal;
}

// The left operand is kept as evaluated while the right one is suspended,
// so that a name is read again when the evaluation resumes.
CorvelStatus CorvelOperator::EvaluateBinary(CorvelValue& result, CorvelExecutionContext* context,
                                            CorvelProgress& progress) const {
    CorvelValue rightValue;
    if (RightMaySuspend()) {
        CorvelValue raw;
        if (EvaluateLeft(&result, &raw, context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
        if (EvaluateRight(rightValue, context) == CorvelStatus::Suspend)
            return progress.Suspend(1, std::move(raw));
    } else {
        if (EvaluateLeft(&result, nullptr, context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
        if (EvaluateRight(rightValue, context) == CorvelStatus::Suspend) return progress.Suspend(1);
    }
    result.ECMABinaryOperation(CodeOf(type), rightValue);
    return CorvelStatus::Normal;
}

// || and && test leniently, so an object whose valueOf gives false counts
// as false (! does not). The operand that decides is the result.
CorvelStatus CorvelOperator::EvaluateLogical(CorvelValue& result, CorvelExecutionContext* context,
                                             CorvelProgress& progress) const {
    CorvelValue raw;
    CorvelValue* keep = RightMaySuspend() ? &raw : nullptr;
    if (EvaluateLeft(&result, keep, context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    bool truth = result.ForceGetBool();
    if (type == Or ? truth : !truth) return CorvelStatus::Normal;
    if (EvaluateRight(result, context) == CorvelStatus::Suspend) return progress.Suspend(1, std::move(raw));
    return CorvelStatus::Normal;
}

CorvelStatus CorvelOperator::EvaluateComma(CorvelValue& result, CorvelExecutionContext* context,
                                           CorvelProgress& progress) const {
    CorvelValue first;
    CorvelValue raw;
    CorvelValue* keep = RightMaySuspend() ? &raw : nullptr;
    if (EvaluateLeft(&first, keep, context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    if (EvaluateRight(result, context) == CorvelStatus::Suspend) return progress.Suspend(1, std::move(raw));
    return CorvelStatus::Normal;
}

// The target is resolved before the value is made; the result is the value
// stored.
CorvelStatus CorvelOperator::EvaluateAssign(CorvelValue& result, CorvelExecutionContext* context,
                                            CorvelProgress& progress) const {
    // A plain name: its scope, without making a reference. Should the value
    // suspend, the reference is made then and kept, as the general way below
    // keeps it, and the evaluation resumes that way.
    if (leftIdentifier && !progress.IsResumed()) {
        bool local = leftIdentifier->FindLocal(context) != nullptr;
        CorvelObject* scope = local ? context->GetInnermostLocalScope() : leftIdentifier->FindScope(context);
        if (EvaluateRight(result, context) == CorvelStatus::Suspend) {
            CorvelValue target;
            target.SetReference(scope, leftIdentifier->GetNameValue());
            return progress.Suspend(1, std::move(target));
        }
        if (local)
            PutLocal(leftIdentifier, context, result);
        else
            PutName(leftIdentifier, scope, context, result);
        return CorvelStatus::Normal;
    }
    // this.name = value: `this` and the name are the same however often
    // the evaluation is entered, so nothing is kept while the value is
    // suspended. `this` is an object throughout the call.
    if (thisMember && context->GetThis().GetType() == CorvelValue::Object) {
        if (EvaluateRight(result, context) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
        if (CorvelObject* self = context->GetThis().ForceGetObject()) {
            self->PutHashed(*thisMember, result);
            return CorvelStatus::Normal;
        }
        CorvelValue reference(context->GetThis());
        left->AsPlainSelection()->MakeReferenceOf(reference);
        reference.PutValue(context, result);
        return CorvelStatus::Normal;
    }
    const CorvelMemberSelection* selection = left ? left->AsPlainSelection() : nullptr;
    if (selection && !RightMaySuspend() && !progress.IsResumed()) {
        CorvelMemberSelection::Target member;
        selection->ResolveTarget(member, context);
        EvaluateRight(result, context);
        CorvelMemberSelection::PutTarget(member, result, context);
        return CorvelStatus::Normal;
    }
    CorvelValue target;
    if (EvaluateLeft(nullptr, &target, context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    if (EvaluateRight(result, context) == CorvelStatus::Suspend) return progress.Suspend(1, std::move(target));
    target.PutValue(context, result);
    return CorvelStatus::Normal;
}

// Nothing is stored until the right operand is complete; then once.
CorvelStatus CorvelOperator::EvaluateCompoundAssign(CorvelValue& result, CorvelExecutionContext* context,
                                                    CorvelProgress& progress) const {
    CorvelValue::ECMAOperatorType base = BaseOperator(type);
    CorvelValue rightValue;
    if (leftIdentifier && !RightMaySuspend() && !progress.IsResumed()) {
        if (const CorvelValue* local = leftIdentifier->FindLocal(context)) {
            result.Assign(*local);
            result.SetAttributes(0);
            EvaluateRight(rightValue, context);
            result.ECMABinaryOperation(base, rightValue);
            PutLocal(leftIdentifier, context, result);
            return CorvelStatus::Normal;
        }
        CorvelObject* scope = leftIdentifier->FindScope(context);
        leftIdentifier->EvaluateValue(result, context);
        EvaluateRight(rightValue, context);
        result.ECMABinaryOperation(base, rightValue);
        PutName(leftIdentifier, scope, context, result);
        return CorvelStatus::Normal;
    }
    CorvelValue target;
    if (EvaluateLeft(&result, &target, context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    if (EvaluateRight(rightValue, context) == CorvelStatus::Suspend) return progress.Suspend(1, std::move(target));
    result.ECMABinaryOperation(base, rightValue);
    target.PutValue(context, result);
    return CorvelStatus::Normal;
}

// Reads the target as a number, stores it changed by one and leaves the
// old (postfix) or new (prefix) number in `result`.
CorvelStatus CorvelOperator::EvaluateStep(CorvelValue& result, CorvelExecutionContext* context,
                                          CorvelProgress& progress) const {
    double delta = type == PostIncrement || type == PreIncrement ? 1 : -1;
    bool prefix = type == PreIncrement || type == PreDecrement;
    if (leftIdentifier && !progress.IsResumed()) {
        const CorvelValue* local = leftIdentifier->FindLocal(context);
        CorvelObject* scope = local ? nullptr : leftIdentifier->FindScope(context);
        if (local) {
            result.Assign(*local);
            result.SetAttributes(0);
        } else {
            leftIdentifier->EvaluateValue(result, context);
        }
        if (result.GetType() != CorvelValue::Number) result.ToNumber();
        CorvelValue stored(result.GetNumber() + delta);
        if (local)
            PutLocal(leftIdentifier, context, stored);
        else
            PutName(leftIdentifier, scope, context, stored);
        if (prefix) result = std::move(stored);
        return CorvelStatus::Normal;
    }
    CorvelValue target;
    if (EvaluateLeft(&result, &target, context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    if (result.GetType() != CorvelValue::Number) result.ToNumber();
    CorvelValue stored(result.GetNumber() + delta);
    target.PutValue(context, stored);
    if (prefix) result = std::move(stored);
    return CorvelStatus::Normal;
}

CorvelStatus CorvelOperator::EvaluateDelete(CorvelValue& result, CorvelExecutionContext* context,
                                            CorvelProgress& progress) const {
    if (EvaluateLeft(nullptr, &result, context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    CorvelObject* base = result.GetBaseObject();
    result.SetBool(base ? base->Delete(result.GetPropertyName()) : true);
    return CorvelStatus::Normal;
}

// A name no scope has is "undefined", without an error.
CorvelStatus CorvelOperator::EvaluateTypeof(CorvelValue& result, CorvelExecutionContext* context,
                                            CorvelProgress& progress) const {
    if (EvaluateLeft(nullptr, &result, context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    if (result.GetType() == CorvelValue::Reference && result.GetBaseObjectKey() == 0) {
        result.SetString("undefined");
        return CorvelStatus::Normal;
    }
    result.GetValue();
    result.ECMAUnaryOperation(CorvelValue::ECMATypeof);
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
    if (EvaluateRight(rightValue, context) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    if (type == Or || type == And || type == Comma)
        value = std::move(rightValue);
    else
        value.ECMABinaryOperation(CodeOf(type), rightValue);
    return CorvelStatus::Normal;
}
