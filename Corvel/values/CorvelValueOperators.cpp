// The operators of the language as operations on the result value. Each one
// fetches its operands through the operator node, which knows how far an
// interrupted evaluation had got, and then computes.
#include "CorvelValue.h"

#include "CorvelBuiltInFunction.h"
#include "CorvelExecutionContext.h"
#include "CorvelIdentifier.h"
#include "CorvelMessages.h"
#include "CorvelObject.h"
#include "CorvelOperator.h"
#include "CorvelProgress.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardFunctionInstance.h"
#include "CorvelStatus.h"

#include <cmath>
#include <cstring>
#include <string>
#include <utility>

namespace {

typedef CorvelValue::ECMAOperatorType OperatorType;

// Computations on fetched, dereferenced operands; the result goes into
// `left`.

void Concatenate(CorvelValue& left, const CorvelValue& right) {
    if (right.GetStringLength() != 0) left.SetJoinedString(left, right);
}

void ComputeAdd(CorvelValue& left, CorvelValue& right, OperatorType) {
    if (left.GetType() == CorvelValue::Number && right.GetType() == CorvelValue::Number) {
        left.SetNumber(left.GetNumber() + right.GetNumber());
        return;
    }
    if (left.GetType() == CorvelValue::Object) left.ToPrimitive(CorvelValue::Undefined);
    if (right.GetType() == CorvelValue::Object) right.ToPrimitive(CorvelValue::Undefined);
    if (left.GetType() != CorvelValue::String && right.GetType() != CorvelValue::String) {
        left.ToNumber();
        right.ToNumber();
        left.SetNumber(left.GetNumber() + right.GetNumber());
        return;
    }
    left.ToString();
    right.ToString();
    Concatenate(left, right);
}

void ComputeArithmetic(CorvelValue& left, CorvelValue& right, OperatorType type) {
    left.ToNumber();
    right.ToNumber();
    double x = left.GetNumber();
    double y = right.GetNumber();
    switch (type) {
        case CorvelValue::ECMASubtract: left.SetNumber(x - y); break;
        case CorvelValue::ECMAMultiply: left.SetNumber(x * y); break;
        case CorvelValue::ECMADivide: left.SetNumber(x / y); break;
        default: left.SetNumber(std::fmod(x, y)); break;
    }
}

void ComputeEquality(CorvelValue& left, CorvelValue& right, OperatorType type) {
    bool equal = left.ECMAAbstractEquality(right);
    left.SetBool(type == CorvelValue::ECMAEqual ? equal : !equal);
}

void ComputeComparison(CorvelValue& left, CorvelValue& right, OperatorType type) {
    CorvelValue::Relation relation;
    switch (type) {
        case CorvelValue::ECMALessThan: relation = CorvelValue::LessThan; break;
        case CorvelValue::ECMALessThanEqual: relation = CorvelValue::LessThanOrEqual; break;
        case CorvelValue::ECMAGreaterThan: relation = CorvelValue::GreaterThan; break;
        default: relation = CorvelValue::GreaterThanOrEqual; break;
    }
    left.SetBool(left.ECMARelationalComparison(right, relation));
}

void ComputeBitOperation(CorvelValue& left, CorvelValue& right, OperatorType type) {
    int32_t x = left.ToInt32();
    int32_t y = right.ToInt32();
    int32_t bits = type == CorvelValue::ECMABitAnd ? (x & y) : type == CorvelValue::ECMABitXor ? (x ^ y) : (x | y);
    left.SetNumber(bits);
}

void ComputeShift(CorvelValue& left, CorvelValue& right, OperatorType type) {
    if (type == CorvelValue::ECMAShiftRightUnsigned) {
        uint32_t x = left.ToUint32();
        uint32_t count = right.ToUint32() & 31;
        left.SetNumber(x >> count);
        return;
    }
    int32_t x = left.ToInt32();
    uint32_t count = right.ToUint32() & 31;
    if (type == CorvelValue::ECMAShiftLeft)
        left.SetNumber((int32_t)((uint32_t)x << count));
    else
        left.SetNumber(x >> count);
}

typedef void (*Computation)(CorvelValue& left, CorvelValue& right, OperatorType type);

// The computation of a binary operator and, for a compound assignment,
// the operator it is based on.
Computation ComputationOf(OperatorType type) {
    switch (type) {
        case CorvelValue::ECMAAdd: return ComputeAdd;
        case CorvelValue::ECMASubtract: case CorvelValue::ECMAMultiply:
        case CorvelValue::ECMADivide: case CorvelValue::ECMAModulo: return ComputeArithmetic;
        case CorvelValue::ECMABitAnd: case CorvelValue::ECMABitXor: case CorvelValue::ECMABitOr:
            return ComputeBitOperation;
        default: return ComputeShift;
    }
}

OperatorType BaseOperator(OperatorType type) {
    switch (type) {
        case CorvelValue::ECMAPlusAssign: return CorvelValue::ECMAAdd;
        case CorvelValue::ECMAMinusAssign: return CorvelValue::ECMASubtract;
        case CorvelValue::ECMAMultiplyAssign: return CorvelValue::ECMAMultiply;
        case CorvelValue::ECMADivideAssign: return CorvelValue::ECMADivide;
        case CorvelValue::ECMABitAndAssign: return CorvelValue::ECMABitAnd;
        case CorvelValue::ECMABitOrAssign: return CorvelValue::ECMABitOr;
        case CorvelValue::ECMABitXorAssign: return CorvelValue::ECMABitXor;
        case CorvelValue::ECMAModuloAssign: return CorvelValue::ECMAModulo;
        case CorvelValue::ECMALeftShiftAssign: return CorvelValue::ECMAShiftLeft;
        case CorvelValue::ECMARightShiftAssign: return CorvelValue::ECMAShiftRight;
        default: return CorvelValue::ECMAShiftRightUnsigned;
    }
}

CorvelStatus Binary(CorvelValue& result, CorvelExecutionContext* context, const CorvelOperator* node,
                    OperatorType type, CorvelProgress& progress, Computation compute) {
    CorvelValue right;
    if (node->EvaluateOperands(result, right, context, progress) == CorvelStatus::Suspend)
        return CorvelStatus::Suspend;
    compute(result, right, type);
    return CorvelStatus::Normal;
}

// The left operand, dereferenced, for the unary operators.
CorvelStatus Unary(CorvelValue& result, CorvelExecutionContext* context, const CorvelOperator* node,
                   CorvelProgress& progress) {
    CorvelValue raw;
    return node->EvaluateLeftOperand(result, raw, context, progress);
}

bool IsFunction(CorvelObject* object) {
    return dynamic_cast<CorvelStandardFunctionInstance*>(object) || dynamic_cast<CorvelBuiltInFunction*>(object);
}

const char* TypeName(const CorvelValue& value) {
    switch (value.GetType()) {
        case CorvelValue::Undefined: return "undefined";
        case CorvelValue::Boolean: return "boolean";
        case CorvelValue::Number: return "number";
        case CorvelValue::String: return "string";
        case CorvelValue::Object: return IsFunction(value.ForceGetObject()) ? "function" : "object";
        default: return "object";
    }
}

// Writes `value` to the name's scope as a reference with that base would;
// a name no scope has goes where an unresolved reference writes.
void PutName(const CorvelIdentifier* name, CorvelObject* scope, CorvelExecutionContext* context,
             const CorvelValue& value) {
    if (scope) {
        scope->Put(name->GetName(), value);
        return;
    }
    CorvelValue reference(0ul, name->GetName());
    reference.PutValue(context, value);
}

}  // namespace

void CorvelValue::ECMABinaryOperation(ECMAOperatorType type, CorvelValue& right) {
    switch (type) {
        case ECMAAdd: return ComputeAdd(*this, right, type);
        case ECMASubtract: case ECMAMultiply: case ECMADivide: case ECMAModulo:
            return ComputeArithmetic(*this, right, type);
        case ECMAEqual: case ECMANotEqual: return ComputeEquality(*this, right, type);
        case ECMALessThan: case ECMALessThanEqual: case ECMAGreaterThan: case ECMAGreaterThanEqual:
            return ComputeComparison(*this, right, type);
        case ECMABitAnd: case ECMABitXor: case ECMABitOr: return ComputeBitOperation(*this, right, type);
        case ECMAShiftLeft: case ECMAShiftRight: case ECMAShiftRightUnsigned: return ComputeShift(*this, right, type);
        default: return;
    }
}

// Arithmetic.

CorvelStatus CorvelValue::ECMAAsyncPlus(CorvelExecutionContext* context, const CorvelOperator* node,
                                        ECMAOperatorType, CorvelProgress& progress) {
    if (Unary(*this, context, node, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    ToNumber();
    return CorvelStatus::Normal;
}

CorvelStatus CorvelValue::ECMAAsyncMinus(CorvelExecutionContext* context, const CorvelOperator* node,
                                         ECMAOperatorType, CorvelProgress& progress) {
    if (Unary(*this, context, node, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    ToNumber();
    if (!std::isnan(GetNumber())) SetNumber(-GetNumber());
    return CorvelStatus::Normal;
}

CorvelStatus CorvelValue::ECMAAsyncAdd(CorvelExecutionContext* context, const CorvelOperator* node,
                                       ECMAOperatorType type, CorvelProgress& progress) {
    return Binary(*this, context, node, type, progress, ComputeAdd);
}

CorvelStatus CorvelValue::ECMAAsyncSubtract(CorvelExecutionContext* context, const CorvelOperator* node,
                                            ECMAOperatorType, CorvelProgress& progress) {
    return Binary(*this, context, node, ECMASubtract, progress, ComputeArithmetic);
}

CorvelStatus CorvelValue::ECMAAsyncMultiply(CorvelExecutionContext* context, const CorvelOperator* node,
                                            ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncMultiplyType(context, node, ECMAMultiply, progress);
}

CorvelStatus CorvelValue::ECMAAsyncDivide(CorvelExecutionContext* context, const CorvelOperator* node,
                                          ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncMultiplyType(context, node, ECMADivide, progress);
}

CorvelStatus CorvelValue::ECMAAsyncModulo(CorvelExecutionContext* context, const CorvelOperator* node,
                                          ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncMultiplyType(context, node, ECMAModulo, progress);
}

CorvelStatus CorvelValue::ECMAAsyncMultiplyType(CorvelExecutionContext* context, const CorvelOperator* node,
                                                ECMAOperatorType type, CorvelProgress& progress) {
    return Binary(*this, context, node, type, progress, ComputeArithmetic);
}

// Equality and comparison.

CorvelStatus CorvelValue::ECMAAsyncEqual(CorvelExecutionContext* context, const CorvelOperator* node,
                                         ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncEquality(context, node, ECMAEqual, progress);
}

CorvelStatus CorvelValue::ECMAAsyncNotEqual(CorvelExecutionContext* context, const CorvelOperator* node,
                                            ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncEquality(context, node, ECMANotEqual, progress);
}

CorvelStatus CorvelValue::ECMAAsyncEquality(CorvelExecutionContext* context, const CorvelOperator* node,
                                            ECMAOperatorType type, CorvelProgress& progress) {
    return Binary(*this, context, node, type, progress, ComputeEquality);
}

CorvelStatus CorvelValue::ECMAAsyncLessThan(CorvelExecutionContext* context, const CorvelOperator* node,
                                            ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncComparison(context, node, ECMALessThan, progress);
}

CorvelStatus CorvelValue::ECMAAsyncLessThanEqual(CorvelExecutionContext* context, const CorvelOperator* node,
                                                 ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncComparison(context, node, ECMALessThanEqual, progress);
}

CorvelStatus CorvelValue::ECMAAsyncGreaterThan(CorvelExecutionContext* context, const CorvelOperator* node,
                                               ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncComparison(context, node, ECMAGreaterThan, progress);
}

CorvelStatus CorvelValue::ECMAAsyncGreaterThanEqual(CorvelExecutionContext* context, const CorvelOperator* node,
                                                    ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncComparison(context, node, ECMAGreaterThanEqual, progress);
}

CorvelStatus CorvelValue::ECMAAsyncComparison(CorvelExecutionContext* context, const CorvelOperator* node,
                                              ECMAOperatorType type, CorvelProgress& progress) {
    return Binary(*this, context, node, type, progress, ComputeComparison);
}

// Logical operators. Or and And test leniently, so an object whose valueOf
// gives false counts as false; Not does not.

CorvelStatus CorvelValue::ECMAAsyncOr(CorvelExecutionContext* context, const CorvelOperator* node,
                                      ECMAOperatorType, CorvelProgress& progress) {
    CorvelValue raw;
    if (node->EvaluateLeftOperand(*this, raw, context, progress) == CorvelStatus::Suspend)
        return CorvelStatus::Suspend;
    if (ForceGetBool()) return CorvelStatus::Normal;
    if (node->EvaluateRightOperand(*this, context) == CorvelStatus::Suspend)
        return progress.Suspend(1, std::move(raw));
    return CorvelStatus::Normal;
}

CorvelStatus CorvelValue::ECMAAsyncAnd(CorvelExecutionContext* context, const CorvelOperator* node,
                                       ECMAOperatorType, CorvelProgress& progress) {
    CorvelValue raw;
    if (node->EvaluateLeftOperand(*this, raw, context, progress) == CorvelStatus::Suspend)
        return CorvelStatus::Suspend;
    if (!ForceGetBool()) return CorvelStatus::Normal;
    if (node->EvaluateRightOperand(*this, context) == CorvelStatus::Suspend)
        return progress.Suspend(1, std::move(raw));
    return CorvelStatus::Normal;
}

CorvelStatus CorvelValue::ECMAAsyncNot(CorvelExecutionContext* context, const CorvelOperator* node,
                                       ECMAOperatorType, CorvelProgress& progress) {
    if (Unary(*this, context, node, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    ToBoolean();
    SetBool(!GetBool());
    return CorvelStatus::Normal;
}

// Bit operators.

CorvelStatus CorvelValue::ECMAAsyncBitNot(CorvelExecutionContext* context, const CorvelOperator* node,
                                          ECMAOperatorType, CorvelProgress& progress) {
    if (Unary(*this, context, node, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    SetNumber(~ToInt32());
    return CorvelStatus::Normal;
}

CorvelStatus CorvelValue::ECMAAsyncBitAnd(CorvelExecutionContext* context, const CorvelOperator* node,
                                          ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncBitOperation(context, node, ECMABitAnd, progress);
}

CorvelStatus CorvelValue::ECMAAsyncBitXor(CorvelExecutionContext* context, const CorvelOperator* node,
                                          ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncBitOperation(context, node, ECMABitXor, progress);
}

CorvelStatus CorvelValue::ECMAAsyncBitOr(CorvelExecutionContext* context, const CorvelOperator* node,
                                         ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncBitOperation(context, node, ECMABitOr, progress);
}

CorvelStatus CorvelValue::ECMAAsyncBitOperation(CorvelExecutionContext* context, const CorvelOperator* node,
                                                ECMAOperatorType type, CorvelProgress& progress) {
    return Binary(*this, context, node, type, progress, ComputeBitOperation);
}

CorvelStatus CorvelValue::ECMAAsyncShiftLeft(CorvelExecutionContext* context, const CorvelOperator* node,
                                             ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncShift(context, node, ECMAShiftLeft, progress);
}

CorvelStatus CorvelValue::ECMAAsyncShiftRight(CorvelExecutionContext* context, const CorvelOperator* node,
                                              ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncShift(context, node, ECMAShiftRight, progress);
}

CorvelStatus CorvelValue::ECMAAsyncShiftRightUnsigned(CorvelExecutionContext* context, const CorvelOperator* node,
                                                      ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncShift(context, node, ECMAShiftRightUnsigned, progress);
}

CorvelStatus CorvelValue::ECMAAsyncShift(CorvelExecutionContext* context, const CorvelOperator* node,
                                         ECMAOperatorType type, CorvelProgress& progress) {
    return Binary(*this, context, node, type, progress, ComputeShift);
}

// Assignment.

CorvelStatus CorvelValue::ECMAAsyncAssign(CorvelExecutionContext* context, const CorvelOperator* node,
                                          ECMAOperatorType, CorvelProgress& progress) {
    const CorvelIdentifier* name = node->GetLeftIdentifier();
    if (name && !node->RightMaySuspend() && !progress.IsResumed()) {
        // The name is resolved before the value is made, as a reference would be.
        CorvelObject* scope = name->FindScope(context);
        node->EvaluateRightOperand(*this, context);
        PutName(name, scope, context, *this);
        return CorvelStatus::Normal;
    }
    CorvelValue target;
    if (node->EvaluateLeftValue(target, context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    if (node->EvaluateRightOperand(*this, context) == CorvelStatus::Suspend)
        return progress.Suspend(1, std::move(target));
    target.PutValue(context, *this);
    return CorvelStatus::Normal;
}

CorvelStatus CorvelValue::ECMAAsyncPlusAssign(CorvelExecutionContext* context, const CorvelOperator* node,
                                              ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncOperationAssign(context, node, ECMAPlusAssign, progress);
}

CorvelStatus CorvelValue::ECMAAsyncMinusAssign(CorvelExecutionContext* context, const CorvelOperator* node,
                                               ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncOperationAssign(context, node, ECMAMinusAssign, progress);
}

CorvelStatus CorvelValue::ECMAAsyncMultiplyAssign(CorvelExecutionContext* context, const CorvelOperator* node,
                                                  ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncOperationAssign(context, node, ECMAMultiplyAssign, progress);
}

CorvelStatus CorvelValue::ECMAAsyncDivideAssign(CorvelExecutionContext* context, const CorvelOperator* node,
                                                ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncOperationAssign(context, node, ECMADivideAssign, progress);
}

CorvelStatus CorvelValue::ECMAAsyncBitAndAssign(CorvelExecutionContext* context, const CorvelOperator* node,
                                                ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncOperationAssign(context, node, ECMABitAndAssign, progress);
}

CorvelStatus CorvelValue::ECMAAsyncBitOrAssign(CorvelExecutionContext* context, const CorvelOperator* node,
                                               ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncOperationAssign(context, node, ECMABitOrAssign, progress);
}

CorvelStatus CorvelValue::ECMAAsyncBitXorAssign(CorvelExecutionContext* context, const CorvelOperator* node,
                                                ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncOperationAssign(context, node, ECMABitXorAssign, progress);
}

CorvelStatus CorvelValue::ECMAAsyncModuloAssign(CorvelExecutionContext* context, const CorvelOperator* node,
                                                ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncOperationAssign(context, node, ECMAModuloAssign, progress);
}

CorvelStatus CorvelValue::ECMAAsyncLeftShiftAssign(CorvelExecutionContext* context, const CorvelOperator* node,
                                                   ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncOperationAssign(context, node, ECMALeftShiftAssign, progress);
}

CorvelStatus CorvelValue::ECMAAsyncRightShiftAssign(CorvelExecutionContext* context, const CorvelOperator* node,
                                                    ECMAOperatorType, CorvelProgress& progress) {
    return ECMAAsyncOperationAssign(context, node, ECMARightShiftAssign, progress);
}

CorvelStatus CorvelValue::ECMAAsyncRightShiftUnsignedAssign(CorvelExecutionContext* context,
                                                            const CorvelOperator* node, ECMAOperatorType,
                                                            CorvelProgress& progress) {
    return ECMAAsyncOperationAssign(context, node, ECMARightShiftUnsignedAssign, progress);
}

// Nothing is stored until the right operand is complete; then once.
CorvelStatus CorvelValue::ECMAAsyncOperationAssign(CorvelExecutionContext* context, const CorvelOperator* node,
                                                   ECMAOperatorType type, CorvelProgress& progress) {
    OperatorType base = BaseOperator(type);
    CorvelValue right;
    const CorvelIdentifier* name = node->GetLeftIdentifier();
    if (name && !node->RightMaySuspend() && !progress.IsResumed()) {
        CorvelObject* scope = name->FindScope(context);
        name->EvaluateValue(*this, context);
        node->EvaluateRightOperand(right, context);
        ComputationOf(base)(*this, right, base);
        PutName(name, scope, context, *this);
        return CorvelStatus::Normal;
    }
    CorvelValue target;
    if (node->EvaluateLeftValue(target, context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    *this = target;
    GetValue();
    if (node->EvaluateRightOperand(right, context) == CorvelStatus::Suspend)
        return progress.Suspend(1, std::move(target));
    ComputationOf(base)(*this, right, base);
    target.PutValue(context, *this);
    return CorvelStatus::Normal;
}

// Unary keywords.

CorvelStatus CorvelValue::ECMAAsyncDelete(CorvelExecutionContext* context, const CorvelOperator* node,
                                          ECMAOperatorType, CorvelProgress& progress) {
    if (node->EvaluateLeftValue(*this, context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    CorvelObject* base = GetBaseObject();
    SetBool(base ? base->Delete(GetPropertyName()) : true);
    return CorvelStatus::Normal;
}

CorvelStatus CorvelValue::ECMAAsyncVoid(CorvelExecutionContext* context, const CorvelOperator* node,
                                        ECMAOperatorType, CorvelProgress& progress) {
    if (Unary(*this, context, node, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    SetUndefined();
    return CorvelStatus::Normal;
}

CorvelStatus CorvelValue::ECMAAsyncTypeof(CorvelExecutionContext* context, const CorvelOperator* node,
                                          ECMAOperatorType, CorvelProgress& progress) {
    if (node->EvaluateLeftValue(*this, context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    if (GetType() == Reference && GetBaseObjectKey() == 0) {
        SetString("undefined");
        return CorvelStatus::Normal;
    }
    GetValue();
    SetString(TypeName(*this));
    return CorvelStatus::Normal;
}

CorvelStatus CorvelValue::ECMAAsyncComma(CorvelExecutionContext* context, const CorvelOperator* node,
                                         ECMAOperatorType, CorvelProgress& progress) {
    CorvelValue first;
    CorvelValue raw;
    if (node->EvaluateLeftOperand(first, raw, context, progress) == CorvelStatus::Suspend)
        return CorvelStatus::Suspend;
    if (node->EvaluateRightOperand(*this, context) == CorvelStatus::Suspend)
        return progress.Suspend(1, std::move(raw));
    return CorvelStatus::Normal;
}

// Increment and decrement.

namespace {

// Reads the target as a number, stores it changed by `delta` and leaves
// the old (postfix) or new (prefix) number in `result`.
CorvelStatus Step(CorvelValue& result, CorvelExecutionContext* context, const CorvelOperator* node,
                  CorvelProgress& progress, double delta, bool prefix) {
    const CorvelIdentifier* name = node->GetLeftIdentifier();
    if (name && !progress.IsResumed()) {
        CorvelObject* scope = name->FindScope(context);
        name->EvaluateValue(result, context);
        if (result.GetType() != CorvelValue::Number) result.ToNumber();
        CorvelValue stored(result.GetNumber() + delta);
        PutName(name, scope, context, stored);
        if (prefix) result = std::move(stored);
        return CorvelStatus::Normal;
    }
    if (node->EvaluateLeftValue(result, context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    CorvelValue target(result);
    result.GetValue();
    if (result.GetType() != CorvelValue::Number) result.ToNumber();
    CorvelValue stored(result.GetNumber() + delta);
    target.PutValue(context, stored);
    if (prefix) result = std::move(stored);
    return CorvelStatus::Normal;
}

}  // namespace

CorvelStatus CorvelValue::ECMAAsyncPostIncrement(CorvelExecutionContext* context, const CorvelOperator* node,
                                                 ECMAOperatorType, CorvelProgress& progress) {
    return Step(*this, context, node, progress, 1, false);
}

CorvelStatus CorvelValue::ECMAAsyncPreIncrement(CorvelExecutionContext* context, const CorvelOperator* node,
                                                ECMAOperatorType, CorvelProgress& progress) {
    return Step(*this, context, node, progress, 1, true);
}

CorvelStatus CorvelValue::ECMAAsyncPostDecrement(CorvelExecutionContext* context, const CorvelOperator* node,
                                                 ECMAOperatorType, CorvelProgress& progress) {
    return Step(*this, context, node, progress, -1, false);
}

CorvelStatus CorvelValue::ECMAAsyncPreDecrement(CorvelExecutionContext* context, const CorvelOperator* node,
                                                ECMAOperatorType, CorvelProgress& progress) {
    return Step(*this, context, node, progress, -1, true);
}
