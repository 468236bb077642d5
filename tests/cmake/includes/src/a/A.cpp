// Includes the check lets through: its own folder, a module it depends on,
// headers that are not ours, and a generated file not in the sources.
#include "A.h"

#include <vector>

#include "b/B.h"
#include "moc_A.cpp"
