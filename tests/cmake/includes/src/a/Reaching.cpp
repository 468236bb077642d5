// Reaches a module it does not depend on (by a relative path, the way the
// compiler would find it) and a folder that belongs to no module.
#include "../c/C.h"
#include "b/B.h"
#include "d/D.h"
