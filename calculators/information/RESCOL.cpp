#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void RESCOL(Shell& /*shell*/) {}

}  // namespace sparvik
