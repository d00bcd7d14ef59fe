#include "CorvelVersion.h"

const char* CorvelLibraryVersion() { return CORVEL_VERSION; }
