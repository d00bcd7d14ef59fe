// CorvelExpression: the base of every expression. An expression statement is
// the expression node itself.
#pragma once

#include "CorvelStatement.h"

class CorvelExpression : public CorvelStatement {
public:
    CorvelExpression() = default;
    CorvelExpression(const CorvelExpression& other) = default;
};
