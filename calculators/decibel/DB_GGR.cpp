#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void DB_GGR(Shell& /*shell*/) {}

}  // namespace sparvik
