// Plays a user's session, one command a line, through the real start-up,
// main loop and calculators on the scripted toolkit, and writes what the user
// would see as JSON lines.
#pragma once

#include <iosfwd>

namespace sparvik::replay {

// Malformed lines are reported on `errors` with their line number and skipped.
void replay(std::istream& session, std::ostream& out, std::ostream& errors);

}  // namespace sparvik::replay
