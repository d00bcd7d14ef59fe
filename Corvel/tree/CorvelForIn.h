// CorvelForIn: for ([var] variable in object) body.
#pragma once

#include "CorvelObject.h"
#include "CorvelStatement.h"
#include "CorvelStatementPosition.h"
#include "CorvelValue.h"

#include <cstdint>

class CorvelExpression;

class CorvelForIn : public CorvelStatement {
public:
    // The progress of one loop: the object being enumerated (held) and its
    // open enumeration, the completion value so far, and the name being
    // assigned when the assignment itself was interrupted.
    class ForInStatementPosition : public CorvelStatementPosition {
    public:
        explicit ForInStatementPosition(const CorvelStatement* owner) : CorvelStatementPosition(owner) {}
        // Ends an unfinished enumeration and lets the object go.
        ~ForInStatementPosition() override;

        void Enumerate(CorvelObject* enumerated);
        // The next name whose property is not DontEnum, into `name`; false
        // when there are no more.
        bool NextName();

        int32_t index = -1;
        CorvelValue value;
        CorvelObject* object = nullptr;
        CorvelObject::PropertyEnumerator* enumerator = nullptr;
        CorvelValue name;
    };

    // For the "var" form `variable` is an identifier or an assignment over one.
    CorvelForIn(CorvelExpression* variable, CorvelExpression* object, CorvelStatement* body,
                bool declaresVariable);
    CorvelForIn(const CorvelForIn& other);
    ~CorvelForIn() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus RunStatement(CorvelExecutionContext* context) const override;
    void InstantiateVariables(CorvelExecutionContext* context) const override;
    CorvelStatementPosition* CreateStatementPosition() const override;

    CorvelExpression* GetVariable() const { return variable; }
    CorvelExpression* GetObject() const { return object; }
    CorvelStatement* GetBody() const { return body; }
    bool DeclaresVariable() const { return declaresVariable; }

protected:
    // What each name is assigned to: the variable, or in the "var" form the
    // name an initialiser assigns.
    const CorvelExpression* Target() const;

    CorvelExpression* variable;
    CorvelExpression* object;
    CorvelStatement* body;
    bool declaresVariable;
};
