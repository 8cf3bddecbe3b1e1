#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void ANT_ERP(Shell& /*shell*/) {}

}  // namespace sparvik
