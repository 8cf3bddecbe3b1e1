#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void INFO(Shell& /*shell*/) {}

}  // namespace sparvik
