#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void IMP_KABEL(Shell& /*shell*/) {}

}  // namespace sparvik
