#include "calculators/calculators.h"

namespace sparvik {

// Not built yet: its menu item does nothing.
void SERIE_PARARLC(Shell& /*shell*/) {}

}  // namespace sparvik
