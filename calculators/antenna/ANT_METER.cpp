#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void ANT_METER(Shell& /*shell*/) {}

}  // namespace sparvik
