// A block of memory kept aside while scripts run. A script that uses up all
// there is ends with "Out of memory"; the block is given back first, so that
// the report and the clearing of the script's records find the little memory
// they need. It is taken again when the next outermost run starts.
#pragma once

class CorvelMemoryReserve {
public:
    // Takes the block unless it is held; without memory for it, nothing
    // happens.
    static void Take();
    static void GiveBack();
    static bool IsHeld();
};
