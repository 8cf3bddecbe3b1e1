#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void WIRE_OHM(Shell& /*shell*/) {}

}  // namespace sparvik
