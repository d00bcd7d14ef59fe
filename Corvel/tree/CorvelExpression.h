// CorvelExpression: the base of every expression. An expression statement is
// the expression node itself.
#pragma once

#include "CorvelStatement.h"

#include <cstdint>

class CorvelIdentifier;
class CorvelMemberSelection;
class CorvelOperator;
class CorvelValue;

class CorvelExpression : public CorvelStatement {
public:
    CorvelExpression() { isExpression = true; }
    // A copy is not the identifier the original may be.
    CorvelExpression(const CorvelExpression& other) : CorvelStatement(other) {}

    // The expression statement: evaluates, dereferences and leaves the value
    // as the context's completion value.
    CorvelStatus RunStatement(CorvelExecutionContext* context) const override;
    void InstantiateVariables(CorvelExecutionContext* context) const override;
    // The result may be a reference; callers that need the value dereference
    // it.
    virtual CorvelStatus Evaluate(CorvelValue& result, CorvelExecutionContext* context) const = 0;

    // Evaluate followed by the dereference (none after a suspension). A
    // name is read straight from its scope, without making a reference.
    CorvelStatus EvaluateDereferenced(CorvelValue& result, CorvelExecutionContext* context) const;
    // The expression as a condition: its value made a boolean. A comparison
    // of two number trees that hold numbers is made without a value.
    // Defined with CorvelOperator.
    inline CorvelStatus EvaluateCondition(bool& truth, CorvelExecutionContext* context) const;

    // The expression as a plain name, or null. Defined with CorvelIdentifier.
    inline const CorvelIdentifier* AsIdentifier() const;
    // The expression as an operator, or null: what a cast would answer,
    // without one (the parser asks for every operator it builds).
    virtual CorvelOperator* AsOperator() { return nullptr; }
    const CorvelOperator* AsOperator() const { return const_cast<CorvelExpression*>(this)->AsOperator(); }

    // The expression as a member selection that cannot suspend, or null.
    // Defined with CorvelMemberSelection.
    inline const CorvelMemberSelection* AsPlainSelection() const;

    // Whether the expression is a constant or a plain name: one whose value
    // PeekValue may read in place.
    bool IsLeaf() const { return leafKind != kNotLeaf; }
    // The value of a constant, or of a local name found in its slot, read in
    // place without a copy; null for anything else (and for a name that is
    // not a local of the running function). Defined with CorvelIdentifier.
    inline const CorvelValue* PeekValue(const CorvelExecutionContext* context) const;

    // Number trees: a number constant, a name, or an arithmetic, bit or
    // shift operator of two number trees. Such a tree has no side effect
    // and never suspends, so it may be computed in place as far as its
    // names are numbers held by the running function, and evaluated the
    // general way when one is not. The answer is the tree's height, 0 when
    // the expression is not one (nor higher than kMaxNumberTreeHeight, which
    // bounds the recursion of the computation).
    int NumberTreeHeight() const { return numberTreeHeight; }
    // Whether the expression is `this`.
    bool IsThis() const { return isThis; }
    static const int kMaxNumberTreeHeight = 16;

protected:
    // EvaluateCondition by way of the value.
    CorvelStatus EvaluateTruth(bool& truth, CorvelExecutionContext* context) const;

    // What the fast paths ask of every expression is kept in bytes, not in
    // a pointer apiece: a long text has a million expressions.
    enum LeafKind : uint8_t { kNotLeaf, kIdentifierLeaf, kConstantLeaf };
    // Set by number constants and names to 1, and by an operator that is a
    // number tree to its height.
    uint8_t numberTreeHeight = 0;
    bool isThis = false;
    // Set by a comparison of two number trees (see
    // CorvelOperator::CompareNumbers).
    bool comparesNumberTrees = false;
    // Set by identifiers and constants: the one test the fast path needs.
    LeafKind leafKind = kNotLeaf;
    // Set by a member selection that can read its member without a
    // reference (see CorvelMemberSelection::ReadMember).
    bool plainSelection = false;
};
