#include "geometry_limits.h"

#include "geometry_result.h"
#include "messages/geometry.h"
#include "stop.h"

namespace gp {

std::vector<LimitFlag> geometry_limit_flags(const GeometryNumbers& n) {
    static constexpr std::size_t kZmin[] = {geometry_label("zmin1"), geometry_label("zmin2")};
    static constexpr std::size_t kBtf[] = {geometry_label("btf1"), geometry_label("btf2")};
    static constexpr std::size_t kSta[] = {geometry_label("sta1"), geometry_label("sta2")};
    std::vector<LimitFlag> flags;
    for (int g = 0; g < kGears; ++g) {
        if (n.z[g] < n.zmin[g]) {
            flags.push_back({kZmin[g], msg::limits::undercut(g, detail_number(n.z[g]),
                                                             detail_number(n.zmin[g]))});
        }
        if (n.btf[g] > 1) {
            flags.push_back({kBtf[g], msg::limits::tip_interference(g, detail_number(n.btf[g]))});
        }
        const double least = kLeastTipThicknessPerModule * n.mn;
        if (!(n.sta[g] > 0)) {
            flags.push_back({kSta[g], msg::limits::pointed_tip(g, detail_number(n.sta[g]))});
        } else if (n.sta[g] < least) {
            flags.push_back(
                {kSta[g], msg::limits::thin_tip(g, detail_number(n.sta[g]), detail_number(least))});
        }
    }
    if (n.eps_alpha < 1) {
        flags.push_back(
            {geometry_label("epsp"), msg::limits::broken_contact(detail_number(n.eps_alpha))});
    } else if (n.eps_alpha < kLeastContactRatio) {
        flags.push_back(
            {geometry_label("epsp"), msg::limits::low_contact_ratio(detail_number(n.eps_alpha))});
    }
    return flags;
}

}  // namespace gp
