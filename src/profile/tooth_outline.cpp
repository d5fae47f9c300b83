#include "tooth_outline.h"

#include "messages.h"

namespace gp {

Outcome<GearOutline> gear_outline(const GeometryNumbers&, int, const RackRounding&,
                                  const OutlineOptions&) {
    return Stop{msg::kCannotCompute};
}

}  // namespace gp
