#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void REA_IND(Shell& /*shell*/) {}

}  // namespace sparvik
