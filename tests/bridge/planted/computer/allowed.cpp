// The levels, which the computer may name.
#include "engine/level.h"
