#include "CorvelExpression.h"

// The expression base has no behaviour of its own yet: all of it is inline.
