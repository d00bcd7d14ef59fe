// Fuzz target: running scripts. Each input is a script, run once in one of
// three ways chosen from its bytes: one-shot, paced, or paced with the abort
// check handing control back every few iterations so that every construct
// suspends and resumes. A budget of abort checks (loop iterations and calls)
// ends endless loops; it is large enough for a script to build a prototype
// chain 300 000 objects deep. The clock jumps past every wait. Memory is
// budgeted as well: past 256 MB more than the engine held before the input,
// allocations fail and the script ends with the out-of-memory error.
#include "CorvelAllocationLimit.h"
#include "CorvelExecutionContext.h"
#include "FuzzHost.h"
#include "PlatformClock.h"

#include <cstdlib>

namespace {

const uint64_t kBudget = 1000000;
// Paced slices are bounded as well: every slice but the last ends with a
// suspension, and each suspension costs the budget at least one check
// except a wait, which the script can only reach through a statement.
const uint64_t kMaximumSlices = 2 * kBudget;
const size_t kMemoryBudget = 256u << 20;

uint32_t FastClock() {
    static uint32_t now = 1;
    return now += 1000000;
}

uint32_t Hash(const uint8_t* data, size_t size) {
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 16777619u;
    return hash;
}

// Sets the memory budget for one input and lifts it afterwards.
class MemoryBudget {
public:
    MemoryBudget() { CorvelAllocationLimit::SetLimit(CorvelAllocationLimit::GetBytesInUse() + kMemoryBudget); }
    ~MemoryBudget() { CorvelAllocationLimit::SetLimit(0); }
};

void Run(const uint8_t* data, size_t size) {
    std::string text = FuzzText(data, size);
    FuzzHost host;
    CorvelParser parser("fuzz.js");
    QelString errors;
    if (!parser.Parse(text.c_str(), errors) || parser.GetErrorCount() != 0) return;

    uint32_t hash = Hash(data, size);
    int mode = hash % 3;
    uint32_t yieldInterval = mode == 2 ? 1 + (hash >> 8) % 7 : 0;
    CorvelGlobalObject* globalObject = FuzzHost::MakeGlobalObject(parser);
    {
        FuzzHost::BudgetSession session(parser.GetTree(), globalObject, &host.console, kBudget, yieldInterval);
        if (mode == 0) {
            session.Run();
        } else {
            PlatformTickSource previous = PlatformSetTickSource(FastClock);
            uint64_t slices = 0;
            while (!session.RunNextStatement())
                if (++slices > kMaximumSlices) abort();
            PlatformSetTickSource(previous);
        }
    }
    globalObject->ResetObject();
    delete globalObject;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryBudget budget;
    Run(data, size);
    return 0;
}
