#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void IND_TOROID(Shell& /*shell*/) {}

}  // namespace sparvik
