#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void FQ_LC(Shell& /*shell*/) {}

}  // namespace sparvik
