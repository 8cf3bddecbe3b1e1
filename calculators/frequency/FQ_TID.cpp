#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void FQ_TID(Shell& /*shell*/) {}

}  // namespace sparvik
