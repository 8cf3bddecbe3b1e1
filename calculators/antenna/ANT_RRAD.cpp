#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void ANT_RRAD(Shell& /*shell*/) {}

}  // namespace sparvik
