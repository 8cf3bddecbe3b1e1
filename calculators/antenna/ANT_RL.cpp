#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void ANT_RL(Shell& /*shell*/) {}

}  // namespace sparvik
