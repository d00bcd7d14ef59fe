// The computations of the language's operators on fetched, dereferenced
// operands. The syntax tree's operator node fetches the operands (and
// keeps what an interrupted evaluation needs); these only compute.
#include "CorvelValue.h"

#include "CorvelBuiltInFunction.h"
#include "CorvelObject.h"
#include "CorvelStandardFunctionInstance.h"
#include "CorvelWholeNumbers.h"

#include <cmath>
#include <cstdint>

namespace {

typedef CorvelValue::ECMAOperatorType OperatorType;

// Each computation leaves its result in `left`.

void Concatenate(CorvelValue& left, const CorvelValue& right) {
    if (right.GetStringLength() != 0) left.SetJoinedString(left, right);
}

void ComputeAdd(CorvelValue& left, CorvelValue& right, OperatorType) {
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

// ToUint32 of a number. Those from -2^31 to 2^32 are truncated and wrapped
// by the machine; the rest (NaN and the infinities among them) go the
// general way.
inline uint32_t NumberBits(double x) {
    if (x >= -2147483648.0 && x < 4294967296.0) return (uint32_t)(int64_t)x;
    return CorvelValue(x).ToUint32();
}

// The remainder of two numbers, with the dividend's sign (a zero remainder
// of a negative dividend is -0). Whole numbers up to 2^53 with a positive
// divisor use the machine's remainder, which is exact there (as fmod is).
inline double NumberModulo(double x, double y) {
    if (x >= -2147483648.0 && x <= 2147483647.0 && y >= 1 && y <= 2147483647.0) {
        int32_t whole = (int32_t)x;
        int32_t divisor = (int32_t)y;
        if (whole == x && divisor == y) {
            int32_t remainder = whole % divisor;
            return remainder == 0 && std::signbit(x) ? -0.0 : remainder;
        }
        return std::fmod(x, y);
    }
    int64_t remainder;
    if (CorvelWholeNumbers::Remainder(x, y, remainder))
        return remainder == 0 && std::signbit(x) ? -0.0 : (double)remainder;
    return std::fmod(x, y);
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


// The arithmetic, bit and shift operators of two numbers. Inline in the
// operators' own path and in the nodes' entries below.
__attribute__((always_inline)) inline double Arithmetic(OperatorType type, double x, double y) {
    switch (type) {
        case CorvelValue::ECMAAdd: return x + y;
        case CorvelValue::ECMASubtract: return x - y;
        case CorvelValue::ECMAMultiply: return x * y;
        case CorvelValue::ECMADivide: return x / y;
        case CorvelValue::ECMAModulo: return NumberModulo(x, y);
        case CorvelValue::ECMABitAnd: return (int32_t)(NumberBits(x) & NumberBits(y));
        case CorvelValue::ECMABitXor: return (int32_t)(NumberBits(x) ^ NumberBits(y));
        case CorvelValue::ECMABitOr: return (int32_t)(NumberBits(x) | NumberBits(y));
        case CorvelValue::ECMAShiftLeft: return (int32_t)(NumberBits(x) << (NumberBits(y) & 31));
        case CorvelValue::ECMAShiftRight: return (int32_t)NumberBits(x) >> (NumberBits(y) & 31);
        default: return NumberBits(x) >> (NumberBits(y) & 31);
    }
}

}  // namespace

// Two numbers, the common case, need no conversion; the comparisons of
// numbers are the machine's (false whenever NaN is involved).
// Inline in both of its callers: the operators' own path and the nodes'.
__attribute__((always_inline)) inline bool CorvelValue::ComputeNumbers(ECMAOperatorType type, double x, double y,
                                                                      CorvelValue& result) {
    switch (type) {
        case ECMAEqual: result.SetBool(x == y); return true;
        case ECMANotEqual: result.SetBool(x != y); return true;
        case ECMALessThan: result.SetBool(x < y); return true;
        case ECMALessThanEqual: result.SetBool(x <= y); return true;
        case ECMAGreaterThan: result.SetBool(x > y); return true;
        case ECMAGreaterThanEqual: result.SetBool(x >= y); return true;
        default:
            if (!IsNumberArithmetic(type)) return false;
            result.SetNumber(Arithmetic(type, x, y));
            return true;
    }
}

double CorvelValue::NumberArithmetic(ECMAOperatorType type, double x, double y) { return Arithmetic(type, x, y); }

bool CorvelValue::NumberOperation(ECMAOperatorType type, double x, double y, CorvelValue& result) {
    return ComputeNumbers(type, x, y, result);
}

void CorvelValue::ECMABinaryOperation(ECMAOperatorType type, CorvelValue& right) {
    if (m_type == Number && right.m_type == Number &&
        ComputeNumbers(type, m_payload.number, right.m_payload.number, *this))
        return;
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

void CorvelValue::ECMAUnaryOperation(ECMAOperatorType type) {
    switch (type) {
        case ECMAPlus: ToNumber(); return;
        case ECMAMinus:
            ToNumber();
            if (!std::isnan(GetNumber())) SetNumber(-GetNumber());
            return;
        case ECMANot:
            ToBoolean();
            SetBool(!GetBool());
            return;
        case ECMABitNot: SetNumber(~ToInt32()); return;
        case ECMAVoid: SetUndefined(); return;
        case ECMATypeof: SetString(TypeName(*this)); return;
        default: return;
    }
}
