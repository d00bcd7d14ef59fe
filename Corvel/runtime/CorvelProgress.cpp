#include "CorvelProgress.h"

#include "CorvelRuntimeException.h"

void CorvelProgress::Resume(uint32_t wrongRecordMessage) {
    CorvelStatementPosition* found = context->FindStatementPosition(owner);
    if (!found) return;
    record = dynamic_cast<CorvelExecutionContext::IntegerStatementPosition*>(found);
    if (!record) CorvelRuntimeException::Raise(wrongRecordMessage);
}

CorvelExecutionContext::IntegerStatementPosition* CorvelProgress::Record() {
    if (!record) {
        auto* made = new CorvelExecutionContext::IntegerStatementPosition(owner);
        context->InsertStatementPosition(made, height);
        record = made;
    }
    return record;
}

CorvelStatus CorvelProgress::Suspend(int32_t index) {
    Record()->index = index;
    return CorvelStatus::Suspend;
}

CorvelStatus CorvelProgress::Suspend(int32_t index, CorvelValue&& keep) {
    CorvelExecutionContext::IntegerStatementPosition* kept = Record();
    kept->index = index;
    kept->value = std::move(keep);
    return CorvelStatus::Suspend;
}

CorvelStatus CorvelProgress::Suspend(int32_t index, const CorvelValue& keep) {
    CorvelExecutionContext::IntegerStatementPosition* kept = Record();
    kept->index = index;
    kept->value = keep;
    return CorvelStatus::Suspend;
}
