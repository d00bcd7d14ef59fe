// CorvelOperator: every unary, binary and assignment operator except ?:.
//
// Chains. Generated scripts join thousands of terms with one operator,
// "a" + "b" + "c" + ..., which the grammar builds as a tree as deep as the
// chain is long: each binary operator's left operand is the operator
// before it. A binary operator (other than an assignment) whose left
// operand is another one is a link of such a chain, and every walk over
// the tree (evaluation, writing back, the dump, destruction, copying) goes
// along a chain in a loop. A chain therefore counts as one level of
// nesting, however long it is.
#pragma once

#include "CorvelExpression.h"

#include <cstdint>

class CorvelIdentifier;
class CorvelProgress;
class QelString;

class CorvelOperator : public CorvelExpression {
public:
    // The numbers are shared with the value operations that evaluate them.
    enum Type : int32_t {
        Plus = 0,
        Minus = 1,
        Add = 2,
        Subtract = 3,
        Multiply = 4,
        Divide = 5,
        Modulo = 6,
        Equal = 7,
        NotEqual = 8,
        LessThan = 9,
        LessThanEqual = 10,
        GreaterThan = 11,
        GreaterThanEqual = 12,
        Or = 13,
        And = 14,
        Not = 15,
        BitNot = 16,
        BitAnd = 17,
        BitXor = 18,
        BitOr = 19,
        ShiftLeft = 20,
        ShiftRight = 21,
        ShiftRightUnsigned = 22,
        Assign = 23,
        PlusAssign = 24,
        MinusAssign = 25,
        MultiplyAssign = 26,
        DivideAssign = 27,
        BitAndAssign = 28,
        BitOrAssign = 29,
        BitXorAssign = 30,
        ModuloAssign = 31,
        LeftShiftAssign = 32,
        RightShiftAssign = 33,
        RightShiftUnsignedAssign = 34,
        Delete = 35,
        Void = 36,
        Typeof = 37,
        Comma = 38,
        PostIncrement = 39,
        PreIncrement = 40,
        PostDecrement = 41,
        PreDecrement = 42
    };
    enum ArgumentType : int32_t { UnaryPrefix = 0, UnaryPostfix = 1, Binary = 2 };

    // `right` is null for unary operators.
    CorvelOperator(Type type, CorvelExpression* left, CorvelExpression* right);
    CorvelOperator(const CorvelOperator& other);
    ~CorvelOperator() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus Evaluate(CorvelValue& result, CorvelExecutionContext* context) const override;

    // The left operand as evaluated (a reference stays a reference). When an
    // earlier run of this evaluation finished it, the kept value is answered
    // instead of evaluating it again.
    CorvelStatus EvaluateLeftValue(CorvelValue& out, CorvelExecutionContext* context,
                                   CorvelProgress& progress) const;
    // The right operand as evaluated; its own nodes keep their progress.
    CorvelStatus EvaluateRightValue(CorvelValue& out, CorvelExecutionContext* context) const;
    // The right operand dereferenced (not after a suspension).
    CorvelStatus EvaluateRightOperand(CorvelValue& out, CorvelExecutionContext* context) const;
    // Both operands of a binary operation, dereferenced, left before right.
    // When the right operand suspends, the left one is kept for the next run.
    CorvelStatus EvaluateOperands(CorvelValue& leftValue, CorvelValue& rightValue, CorvelExecutionContext* context,
                                  CorvelProgress& progress) const;
    // The left operand dereferenced; `raw` receives it as evaluated when the
    // right operand may suspend, so that it can be kept.
    CorvelStatus EvaluateLeftOperand(CorvelValue& out, CorvelValue& raw, CorvelExecutionContext* context,
                                     CorvelProgress& progress) const;
    // The left operand when it is a plain name, else null.
    const CorvelIdentifier* GetLeftIdentifier() const { return leftIdentifier; }
    // Whether the right operand may suspend (false when there is none).
    bool RightMaySuspend() const { return right && right->MaySuspend(); }
    // Whether the left operand is the link below this one in a chain.
    bool IsChained() const { return chained; }
    // Whether operators of the type join chains: the binary operators
    // other than assignments.
    static bool IsChainType(Type type);

    Type GetType() const { return type; }
    CorvelExpression* GetLeftOperand() const { return left; }
    CorvelExpression* GetRightOperand() const { return right; }

    // Writes the operator's symbol ("Undefined" outside the table) and
    // answers its argument type (Binary outside the table).
    static ArgumentType GetOperatorInfo(Type type, QelString* symbol);

protected:
    Type type;
    CorvelExpression* left;
    CorvelExpression* right;

private:
    // A copy of the link `other` with `copiedLeft` as its left operand.
    CorvelOperator(const CorvelOperator& other, CorvelExpression* copiedLeft);
    void LinkChain();
    // The bottom link of the chain this operator tops.
    const CorvelOperator* ChainBottom() const;
    CorvelStatus EvaluateChain(CorvelValue& result, CorvelExecutionContext* context) const;
    // `value` holds this link's left operand, dereferenced; evaluates the
    // right operand and leaves the link's result in `value`.
    CorvelStatus ApplyLink(CorvelValue& value, CorvelExecutionContext* context) const;
    void WriteChain(CorvelJSOutput* output) const;
    void DebugChain(int indent);

    // Assignments to a plain name write straight to its scope.
    const CorvelIdentifier* leftIdentifier;
    bool chained = false;
    // The link above this one, when this one is the left operand of a link.
    CorvelOperator* chainParent = nullptr;
};
