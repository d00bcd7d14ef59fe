#include "CorvelStatement.h"

// The statement base has no behaviour of its own yet: all of it is inline.
