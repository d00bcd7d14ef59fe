// How far one evaluation of a construct with an integer record has got.
// Most evaluations complete without suspending, so the record is made only
// when the construct suspends; until then the phase and the kept value live
// in the construct's own locals. A construct being resumed finds its record
// again and continues from the phase stored there.
#pragma once

#include "CorvelExecutionContext.h"
#include "CorvelMessages.h"

#include <cstdint>
#include <utility>

class CorvelProgress {
public:
    // Raises `wrongRecordMessage` when the record found for `owner` is not
    // an integer record.
    CorvelProgress(CorvelExecutionContext* context, const CorvelStatement* owner,
                   uint32_t wrongRecordMessage = CorvelMessages::InternalStatementRecord)
        : context(context), owner(owner), height(context->GetStatementPositionCount()) {
        if (height != 0) Resume(wrongRecordMessage);
    }

    CorvelProgress(const CorvelProgress&) = delete;
    CorvelProgress& operator=(const CorvelProgress&) = delete;

    bool IsResumed() const { return record != nullptr; }
    // The stored phase; -1 on a first entry.
    int32_t GetIndex() const { return record ? record->index : -1; }
    // The value kept at the suspension; undefined on a first entry.
    const CorvelValue& GetKeptValue() const { return record ? record->value : CorvelValue::ms_undefined; }
    // Moves the kept value out (undefined on a first entry).
    CorvelValue TakeKeptValue() { return record ? std::move(record->value) : CorvelValue(); }

    // Stores the phase to resume at, making the record if there is none
    // yet, and answers Suspend.
    CorvelStatus Suspend(int32_t index);
    CorvelStatus Suspend(int32_t index, CorvelValue&& keep);
    CorvelStatus Suspend(int32_t index, const CorvelValue& keep);
    // Removes the record if there is one.
    void Clear() {
        if (record) {
            context->ClearStatementPosition(owner);
            record = nullptr;
        }
    }

private:
    void Resume(uint32_t wrongRecordMessage);
    CorvelExecutionContext::IntegerStatementPosition* Record();

    CorvelExecutionContext* context;
    const CorvelStatement* owner;
    CorvelExecutionContext::IntegerStatementPosition* record = nullptr;
    int height;
};
