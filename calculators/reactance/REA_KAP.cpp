#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void REA_KAP(Shell& /*shell*/) {}

}  // namespace sparvik
