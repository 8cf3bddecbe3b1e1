#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void ANT_VERT(Shell& /*shell*/) {}

}  // namespace sparvik
