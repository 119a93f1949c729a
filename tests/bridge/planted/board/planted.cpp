// A file that crosses the bridge, for the check to find.
#include "engine/engine.h"
