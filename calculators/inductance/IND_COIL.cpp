#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void IND_COIL(Shell& /*shell*/) {}

}  // namespace sparvik
