// A build without Open CASCADE: every request for a solid says so.
#include "gear_solids.h"
#include "messages/solid.h"

namespace gp {

bool solids_available() { return false; }

Outcome<std::string> solid_step(const GearPairInput&, const SolidRequest&) {
    return Stop{msg::solid::kNotAvailable};
}

}  // namespace gp
