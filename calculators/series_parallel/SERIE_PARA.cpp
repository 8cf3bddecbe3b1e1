#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void SERIE_PARA(Shell& /*shell*/) {}

}  // namespace sparvik
