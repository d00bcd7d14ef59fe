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
#include "CorvelPropertyStore.h"

#include <cstdint>

class CorvelIdentifier;
class CorvelProgress;
class QelString;

class CorvelOperator : public CorvelExpression {
public:
    // The numbers are the operator codes of the value computations.
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
    CorvelOperator* AsOperator() override { return this; }

    // Whether the left operand is the link below this one in a chain.
    bool IsChained() const { return chained; }
    // Whether operators of the type join chains: the binary operators
    // other than assignments.
    static bool IsChainType(Type type);

    Type GetType() const { return type; }
    CorvelExpression* GetLeftOperand() const { return left; }
    CorvelExpression* GetRightOperand() const { return right; }

    // The number of a number tree (see CorvelExpression::NumberTreeHeight),
    // computed in place; false when one of its names is not a number held
    // by the running function.
    static bool NumberOf(const CorvelExpression* tree, const CorvelExecutionContext* context, double& number);
    // NumberOf for an operator that is a number tree.
    bool ComputeNumber(const CorvelExecutionContext* context, double& number) const;
    // The truth of a comparison of two number trees, made in place; false
    // when one of their names is not a number held by the running function.
    bool CompareNumbers(const CorvelExecutionContext* context, bool& truth) const;

    // Writes the operator's symbol ("Undefined" outside the table) and
    // answers its argument type (Binary outside the table).
    static ArgumentType GetOperatorInfo(Type type, QelString* symbol);

protected:
    Type type;
    CorvelExpression* left;
    CorvelExpression* right;

private:
    // Evaluate past the operators computed in place.
    CorvelStatus EvaluateGeneral(CorvelValue& result, CorvelExecutionContext* context) const;
    // The evaluation of each kind of operator, with this evaluation's
    // progress: resumed, it continues from the operand that suspended.
    CorvelStatus EvaluateUnary(CorvelValue& result, CorvelExecutionContext* context, CorvelProgress& progress) const;
    CorvelStatus EvaluateBinary(CorvelValue& result, CorvelExecutionContext* context, CorvelProgress& progress) const;
    CorvelStatus EvaluateLogical(CorvelValue& result, CorvelExecutionContext* context, CorvelProgress& progress) const;
    CorvelStatus EvaluateComma(CorvelValue& result, CorvelExecutionContext* context, CorvelProgress& progress) const;
    CorvelStatus EvaluateAssign(CorvelValue& result, CorvelExecutionContext* context, CorvelProgress& progress) const;
    CorvelStatus EvaluateCompoundAssign(CorvelValue& result, CorvelExecutionContext* context,
                                        CorvelProgress& progress) const;
    CorvelStatus EvaluateStep(CorvelValue& result, CorvelExecutionContext* context, CorvelProgress& progress) const;
    CorvelStatus EvaluateDelete(CorvelValue& result, CorvelExecutionContext* context, CorvelProgress& progress) const;
    CorvelStatus EvaluateTypeof(CorvelValue& result, CorvelExecutionContext* context, CorvelProgress& progress) const;

    // The left operand. When an earlier run of this evaluation finished it
    // and the right operand suspended, the form kept then is used instead
    // of evaluating it again; a reference kept is read again. `target`
    // receives the operand as evaluated (a reference stays a reference),
    // `value` dereferenced; either may be null when it is not wanted.
    CorvelStatus EvaluateLeft(CorvelValue* value, CorvelValue* target, CorvelExecutionContext* context,
                              CorvelProgress& progress) const;
    // The right operand, dereferenced; undefined when there is none. Its
    // own nodes keep their progress.
    CorvelStatus EvaluateRight(CorvelValue& value, CorvelExecutionContext* context) const;
    // Whether the right operand may suspend (false when there is none): the
    // left one must then be kept as evaluated.
    bool RightMaySuspend() const { return right && right->MaySuspend(); }

    // A copy of the link `other` with `copiedLeft` as its left operand.
    CorvelOperator(const CorvelOperator& other, CorvelExpression* copiedLeft);
    void LinkChain();
    // Sets leafOperands from the node's kind and operands.
    void NoteLeafOperands();
    // The bottom link of the chain this operator tops.
    const CorvelOperator* ChainBottom() const;
    CorvelStatus EvaluateChain(CorvelValue& result, CorvelExecutionContext* context) const;
    // `value` holds this link's left operand, dereferenced; evaluates the
    // right operand and leaves the link's result in `value`.
    CorvelStatus ApplyLink(CorvelValue& value, CorvelExecutionContext* context) const;
    void WriteChain(CorvelJSOutput* output) const;
    void DebugChain(int indent);

    // Operators of two numbers whose operands are both number trees,
    // assignments of a number tree to a name, and ++/-- of a name: tried in
    // place before the general evaluation.
    bool EvaluateLeaves(CorvelValue& result, CorvelExecutionContext* context) const;
    bool StepLocal(CorvelValue& result, CorvelExecutionContext* context) const;
    bool AssignLocal(CorvelValue& result, CorvelExecutionContext* context) const;
    bool AssignMember(CorvelValue& result, CorvelExecutionContext* context) const;

    // Assignments to a plain name write straight to its scope.
    const CorvelIdentifier* leftIdentifier;
    // An assignment to this.name: the member's name.
    const CorvelPropertyStore::Name* thisMember = nullptr;
    bool chained = false;
    // Whether EvaluateLeaves applies to the node's kind and operands.
    // Sets numberTreeHeight too.
    bool leafOperands = false;
    // The link above this one, when this one is the left operand of a link.
    CorvelOperator* chainParent = nullptr;
};

inline CorvelStatus CorvelExpression::EvaluateCondition(bool& truth, CorvelExecutionContext* context) const {
    if (comparesNumberTrees && static_cast<const CorvelOperator*>(this)->CompareNumbers(context, truth))
        return CorvelStatus::Normal;
    return EvaluateTruth(truth, context);
}
