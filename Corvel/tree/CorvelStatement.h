// CorvelStatement: the base of every statement, expressions included.
#pragma once

#include "CorvelTreeElement.h"

class CorvelStatement : public CorvelTreeElement {
public:
    CorvelStatement() = default;
    CorvelStatement(const CorvelStatement& other) = default;
};
