// The standard Function constructor: builds a function from parameter and
// body text. Called or constructed, it does the same.
#pragma once

#include "CorvelStandardConstructor.h"
#include "QelString.h"

class CorvelStandardFunctionConstructor : public CorvelStandardConstructor {
public:
    CorvelStandardFunctionConstructor();

    CorvelStatus Call(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                      const CorvelValue& thisValue) override;
    CorvelStatus Construct(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                           const CorvelValue& thisValue) override;
    void SetupObject() override;

private:
    // The source text of the function the arguments describe.
    static QelString BuildSource(CorvelValue* arguments, int argumentCount);
};
