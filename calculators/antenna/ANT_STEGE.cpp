#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void ANT_STEGE(Shell& /*shell*/) {}

}  // namespace sparvik
