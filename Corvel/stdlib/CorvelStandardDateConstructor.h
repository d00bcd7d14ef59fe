// CorvelStandardDateConstructor: the script's `Date`.
#pragma once

#include "CorvelStandardConstructor.h"

class CorvelStandardDateConstructor : public CorvelStandardConstructor {
public:
    CorvelStandardDateConstructor() = default;

    void SetupObject() override;
    // new Date(...): a date instance; two or more arguments are fields of
    // local time.
    CorvelStatus Construct(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                           const CorvelValue& thisValue) override;
    // Date(...): the text of the current time, whatever the arguments.
    CorvelStatus Call(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                      const CorvelValue& thisValue) override;

    // The time value the arguments describe, before any local conversion:
    // none, the current time in whole seconds; one, a number (text is not
    // read and gives 0); two to seven, year, month, date, hours, minutes,
    // seconds and milliseconds.
    static double GetDateFromParameters(CorvelValue* arguments, int argumentCount);

    // Host-side operations, not properties of the script's Date. UTC is the
    // time value of fields given in UTC; Parse reads no text and answers
    // nothing.
    static CorvelStatus UTC(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                            const CorvelValue& thisValue);
    static CorvelStatus Parse(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                              const CorvelValue& thisValue);
};
