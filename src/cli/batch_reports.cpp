#include "batch_modes.h"

namespace gp {

// Placeholder until the report documents land.
void write_geometry_reports(const std::vector<BatchRow>&, std::ostream&, std::ostream& err) {
    err << "reports are not available yet\n";
}
void write_strength_reports(const std::vector<BatchRow>&, std::ostream&, std::ostream& err) {
    err << "reports are not available yet\n";
}

}  // namespace gp
