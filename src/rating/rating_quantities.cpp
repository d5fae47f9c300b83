#include "rating_quantities.h"

#include <array>
#include <cmath>

#include "pi.h"
#include "rating_geometry.h"

namespace gp::rating {
namespace {

using Value = std::optional<double>;
using G = QuantityGroup;
using F = GivenFactor;

// Readers of a pair value and of a per-gear value.
#define GP_PAIR(expr) [](const RatingResult& r, int) -> Value { return expr; }
#define GP_GEAR(expr) [](const RatingResult& r, int i) -> Value { return expr; }

template <typename T, typename Pick>
Value when(const std::optional<T>& part, Pick pick) {
    return part ? Value(pick(*part)) : std::nullopt;
}

constexpr const char* kNone = "";
constexpr const char* kMicron = "µm";
constexpr const char* kStress = "N/mm²";
constexpr const char* kStiffness = "N/(mm·µm)";
constexpr const char* kDegree = "°";

// clang-format off
const std::array kQuantities = {
    // Geometry and load.
    RatingQuantity{"T1", G::Geometry, false, true, "主动齿轮扭矩", "T1", "N·m", F::None, GP_PAIR(r.load.T1)},
    RatingQuantity{"Ft", G::Geometry, false, true, "分度圆圆周力", "Ft", "N", F::None, GP_PAIR(r.load.Ft)},
    RatingQuantity{"v", G::Geometry, false, true, "分度圆圆周速度", "v", "m/s", F::None, GP_PAIR(r.load.v)},
    RatingQuantity{"NL", G::Geometry, true, true, "应力循环次数", "NL", kNone, F::None,
                   GP_GEAR(when(r.cycles, [i](const auto& c) { return c[i]; }))},
    RatingQuantity{"alpha_t", G::Geometry, false, false, "端面压力角", "αt", kDegree, F::None, GP_PAIR(degrees(r.geometry.alpha_t))},
    RatingQuantity{"beta_b", G::Geometry, false, false, "基圆螺旋角", "βb", kDegree, F::None, GP_PAIR(degrees(r.geometry.beta_b))},
    RatingQuantity{"alpha_wt", G::Geometry, false, false, "啮合角", "αwt", kDegree, F::None, GP_PAIR(degrees(r.geometry.alpha_wt))},
    RatingQuantity{"u", G::Geometry, false, false, "齿数比", "u", kNone, F::None, GP_PAIR(r.geometry.u)},
    RatingQuantity{"x", G::Geometry, true, false, "法向变位系数", "x", kNone, F::None, GP_GEAR(r.pair.x[i])},
    RatingQuantity{"d", G::Geometry, true, false, "分度圆直径", "d", "mm", F::None, GP_GEAR(r.geometry.d[i])},
    RatingQuantity{"db", G::Geometry, true, false, "基圆直径", "db", "mm", F::None, GP_GEAR(r.geometry.db[i])},
    RatingQuantity{"dw", G::Geometry, true, false, "节圆直径", "dw", "mm", F::None, GP_GEAR(r.geometry.dw[i])},
    RatingQuantity{"da", G::Geometry, true, false, "齿顶圆直径", "da", "mm", F::None, GP_GEAR(r.pair.da[i])},
    RatingQuantity{"df", G::Geometry, true, false, "齿根圆直径", "df", "mm", F::None, GP_GEAR(r.pair.df[i])},
    RatingQuantity{"h", G::Geometry, true, false, "全齿高", "h", "mm", F::None, GP_GEAR(r.geometry.h[i])},
    RatingQuantity{"eps_alpha", G::Geometry, false, true, "端面重合度", "εα", kNone, F::None, GP_PAIR(r.geometry.eps_alpha)},
    RatingQuantity{"eps_beta", G::Geometry, false, true, "纵向重合度", "εβ", kNone, F::None, GP_PAIR(r.geometry.eps_beta)},
    RatingQuantity{"eps_gamma", G::Geometry, false, true, "总重合度", "εγ", kNone, F::None, GP_PAIR(r.geometry.eps_gamma)},
    RatingQuantity{"zn", G::Geometry, true, true, "当量齿数", "zn", kNone, F::None, GP_GEAR(r.geometry.zn[i])},
    RatingQuantity{"eps_alpha_n", G::Geometry, false, false, "当量端面重合度", "εαn", kNone, F::None, GP_PAIR(r.geometry.eps_alpha_n)},

    // Tolerances, stiffness and load factors.
    RatingQuantity{"fpt", G::LoadFactors, true, false, "单个齿距公差", "fpt", kMicron, F::None, GP_GEAR(r.tolerances.fpt[i])},
    RatingQuantity{"ffalpha", G::LoadFactors, true, false, "齿廓形状公差", "ffα", kMicron, F::None, GP_GEAR(r.tolerances.ffa[i])},
    RatingQuantity{"fpb", G::LoadFactors, false, true, "基节偏差", "fpb", kMicron, F::None, GP_PAIR(r.tolerances.fpb)},
    RatingQuantity{"ffa", G::LoadFactors, false, true, "齿廓形状偏差", "ffα", kMicron, F::None, GP_PAIR(r.tolerances.ffa_pair)},
    RatingQuantity{"fpe", G::LoadFactors, false, true, "有效齿距偏差", "fpe", kMicron, F::None, GP_PAIR(r.tolerances.fpe)},
    RatingQuantity{"fHb", G::LoadFactors, true, true, "螺旋线倾斜偏差", "fHβ", kMicron, F::None,
                   GP_GEAR(r.face ? Value(r.tolerances.fHb[i]) : std::nullopt)},
    RatingQuantity{"y_alpha", G::LoadFactors, false, true, "齿廓跑合量", "yα", kMicron, F::None, GP_PAIR(r.running_in.y_alpha)},
    RatingQuantity{"y_f", G::LoadFactors, false, false, "齿形跑合量", "yf", kMicron, F::None, GP_PAIR(r.running_in.y_f)},
    RatingQuantity{"y_beta", G::LoadFactors, false, true, "齿向跑合量", "yβ", kMicron, F::None,
                   GP_PAIR(when(r.face, [](const FaceLoad& f) { return f.y_beta; }))},
    RatingQuantity{"q_prime", G::LoadFactors, false, false, "最小柔度", "q′", "mm·µm/N", F::None, GP_PAIR(r.stiffness.q_prime)},
    RatingQuantity{"c_th", G::LoadFactors, false, false, "理论单对齿刚度", "c′th", kStiffness, F::None, GP_PAIR(r.stiffness.c_th)},
    RatingQuantity{"CB", G::LoadFactors, false, false, "基本齿廓系数", "CB", kNone, F::None, GP_PAIR(r.stiffness.CB)},
    RatingQuantity{"c_prime", G::LoadFactors, false, true, "单对齿刚度", "c′", kStiffness, F::None, GP_PAIR(r.stiffness.c_prime)},
    RatingQuantity{"c_gamma_alpha", G::LoadFactors, false, true, "啮合刚度", "cγα", kStiffness, F::None, GP_PAIR(r.stiffness.c_gamma_alpha)},
    RatingQuantity{"c_gamma_beta", G::LoadFactors, false, true, "齿向啮合刚度", "cγβ", kStiffness, F::None,
                   GP_PAIR(r.face ? Value(r.stiffness.c_gamma_beta) : std::nullopt)},
    RatingQuantity{"mred", G::LoadFactors, false, false, "诱导质量", "mred", "kg/mm", F::None,
                   GP_PAIR(when(r.dynamic, [](const DynamicFactor& k) { return k.mred; }))},
    RatingQuantity{"nE1", G::LoadFactors, false, false, "临界转速", "nE1", "r/min", F::None,
                   GP_PAIR(when(r.dynamic, [](const DynamicFactor& k) { return k.nE1; }))},
    RatingQuantity{"N", G::LoadFactors, false, true, "临界转速比", "N", kNone, F::None,
                   GP_PAIR(when(r.dynamic, [](const DynamicFactor& k) { return k.N; }))},
    RatingQuantity{"NS", G::LoadFactors, false, false, "主共振区下限", "NS", kNone, F::None,
                   GP_PAIR(when(r.dynamic, [](const DynamicFactor& k) { return k.NS; }))},
    RatingQuantity{"Ca", G::LoadFactors, false, false, "齿顶修缘量", "Ca", kMicron, F::None,
                   GP_PAIR(when(r.dynamic, [](const DynamicFactor& k) { return k.Ca; }))},
    RatingQuantity{"Bp", G::LoadFactors, false, false, "齿距偏差参数", "Bp", kNone, F::None,
                   GP_PAIR(when(r.dynamic, [](const DynamicFactor& k) { return k.Bp; }))},
    RatingQuantity{"Bf", G::LoadFactors, false, false, "齿形偏差参数", "Bf", kNone, F::None,
                   GP_PAIR(when(r.dynamic, [](const DynamicFactor& k) { return k.Bf; }))},
    RatingQuantity{"Bk", G::LoadFactors, false, false, "修缘参数", "Bk", kNone, F::None,
                   GP_PAIR(when(r.dynamic, [](const DynamicFactor& k) { return k.Bk; }))},
    RatingQuantity{"Kv", G::LoadFactors, false, true, "动载系数", "Kv", kNone, F::Kv, GP_PAIR(r.Kv)},
    RatingQuantity{"fsh", G::LoadFactors, false, false, "齿向变形分量", "fsh", kMicron, F::None,
                   GP_PAIR(when(r.face, [](const FaceLoad& f) { return f.fsh; }))},
    RatingQuantity{"fma", G::LoadFactors, false, false, "齿向制造误差分量", "fma", kMicron, F::None,
                   GP_PAIR(when(r.face, [](const FaceLoad& f) { return f.fma; }))},
    RatingQuantity{"F_beta_x", G::LoadFactors, false, false, "初始啮合错位", "Fβx", kMicron, F::None,
                   GP_PAIR(when(r.face, [](const FaceLoad& f) { return f.F_beta_x; }))},
    RatingQuantity{"F_beta_y", G::LoadFactors, false, false, "跑合后啮合错位", "Fβy", kMicron, F::None,
                   GP_PAIR(when(r.face, [](const FaceLoad& f) { return f.F_beta_y; }))},
    RatingQuantity{"KHbeta", G::LoadFactors, false, true, "接触强度齿向载荷分布系数", "KHβ", kNone, F::KHbeta, GP_PAIR(r.KHbeta)},
    RatingQuantity{"NF", G::LoadFactors, false, false, "齿向载荷分布指数", "NF", kNone, F::None, GP_PAIR(r.NF)},
    RatingQuantity{"KFbeta", G::LoadFactors, false, true, "弯曲强度齿向载荷分布系数", "KFβ", kNone, F::None, GP_PAIR(r.KFbeta)},
    RatingQuantity{"KHalpha", G::LoadFactors, false, true, "接触强度齿间载荷分配系数", "KHα", kNone, F::KHalpha, GP_PAIR(r.KHalpha)},
    RatingQuantity{"KFalpha", G::LoadFactors, false, true, "弯曲强度齿间载荷分配系数", "KFα", kNone, F::KHalpha, GP_PAIR(r.KFalpha)},

    // Pitting.
    RatingQuantity{"ZH", G::Pitting, false, true, "节点区域系数", "ZH", kNone, F::None, GP_PAIR(r.contact.ZH)},
    RatingQuantity{"ZE", G::Pitting, false, true, "弹性系数", "ZE", "√(N/mm²)", F::None, GP_PAIR(r.contact.ZE)},
    RatingQuantity{"Zeps", G::Pitting, false, true, "重合度系数", "Zε", kNone, F::None, GP_PAIR(r.contact.Zeps)},
    RatingQuantity{"Zbeta", G::Pitting, false, true, "螺旋角系数", "Zβ", kNone, F::None, GP_PAIR(r.contact.Zbeta)},
    RatingQuantity{"M1", G::Pitting, false, false, "小齿轮单对齿啮合参数", "M1", kNone, F::None, GP_PAIR(r.contact.M1)},
    RatingQuantity{"M2", G::Pitting, false, false, "大齿轮单对齿啮合参数", "M2", kNone, F::None, GP_PAIR(r.contact.M2)},
    RatingQuantity{"ZB", G::Pitting, false, true, "小齿轮单对齿啮合系数", "ZB", kNone, F::None, GP_PAIR(r.contact.ZB)},
    RatingQuantity{"ZD", G::Pitting, false, true, "大齿轮单对齿啮合系数", "ZD", kNone, F::None, GP_PAIR(r.contact.ZD)},
    RatingQuantity{"sigma_H0", G::Pitting, false, true, "节点处计算接触应力的基本值", "σH0", kStress, F::None, GP_PAIR(r.contact_stress.sigma_H0)},
    RatingQuantity{"sigma_H", G::Pitting, true, true, "计算接触应力", "σH", kStress, F::None, GP_GEAR(r.contact_stress.sigma_H[i])},
    RatingQuantity{"ZNT", G::Pitting, true, true, "接触寿命系数", "ZNT", kNone, F::None, GP_GEAR(r.pitting.ZNT[i])},
    RatingQuantity{"ZL", G::Pitting, false, true, "润滑剂系数", "ZL", kNone, F::None, GP_PAIR(r.pitting.ZL)},
    RatingQuantity{"Zv", G::Pitting, false, true, "速度系数", "Zv", kNone, F::None, GP_PAIR(r.pitting.Zv)},
    RatingQuantity{"rho_red", G::Pitting, false, false, "综合曲率半径", "ρred", "mm", F::None, GP_PAIR(r.pitting.rho_red)},
    RatingQuantity{"Rz10", G::Pitting, false, false, "相对平均粗糙度", "Rz10", kMicron, F::None, GP_PAIR(r.pitting.Rz10)},
    RatingQuantity{"ZR", G::Pitting, false, true, "粗糙度系数", "ZR", kNone, F::None, GP_PAIR(r.pitting.ZR)},
    RatingQuantity{"ZW", G::Pitting, true, true, "工作硬化系数", "ZW", kNone, F::None, GP_GEAR(r.pitting.ZW[i])},
    RatingQuantity{"ZX", G::Pitting, false, true, "接触强度尺寸系数", "ZX", kNone, F::None, GP_PAIR(r.pitting.ZX)},
    RatingQuantity{"sigma_HG", G::Pitting, true, true, "接触强度极限应力", "σHG", kStress, F::None, GP_GEAR(r.pitting.sigma_HG[i])},
    RatingQuantity{"sigma_HP", G::Pitting, true, true, "许用接触应力", "σHP", kStress, F::None, GP_GEAR(r.pitting.sigma_HP[i])},
    RatingQuantity{"SH", G::Pitting, true, true, "接触强度计算安全系数", "SH", kNone, F::None, GP_GEAR(r.contact_stress.SH[i]),
                   [](const RatingResult& r) { return r.inputs.SHmin; }},

    // Bending.
    RatingQuantity{"theta", G::Bending, true, false, "危险截面角", "ϑ", kDegree, F::None, GP_GEAR(degrees(r.root[i].theta))},
    RatingQuantity{"sFn", G::Bending, true, false, "危险截面齿厚", "sFn", "mm", F::None, GP_GEAR(r.root[i].sFn)},
    RatingQuantity{"rhoF", G::Bending, true, false, "危险截面齿根圆角半径", "ρF", "mm", F::None, GP_GEAR(r.root[i].rhoF)},
    RatingQuantity{"den", G::Bending, true, false, "单齿啮合外界点直径", "den", "mm", F::None, GP_GEAR(r.root[i].den)},
    RatingQuantity{"alpha_Fen", G::Bending, true, false, "载荷作用角", "αFen", kDegree, F::None, GP_GEAR(degrees(r.root[i].alpha_Fen))},
    RatingQuantity{"hFe", G::Bending, true, false, "弯曲力臂", "hFe", "mm", F::None, GP_GEAR(r.root[i].hFe)},
    RatingQuantity{"YF", G::Bending, true, true, "齿形系数", "YF", kNone, F::None, GP_GEAR(r.root[i].YF)},
    RatingQuantity{"qs", G::Bending, true, false, "齿根缺口参数", "qs", kNone, F::None, GP_GEAR(r.root[i].qs)},
    RatingQuantity{"YS", G::Bending, true, true, "应力修正系数", "YS", kNone, F::None, GP_GEAR(r.root[i].YS)},
    RatingQuantity{"Ybeta", G::Bending, false, true, "弯曲强度螺旋角系数", "Yβ", kNone, F::None, GP_PAIR(r.bending.Ybeta)},
    RatingQuantity{"YB", G::Bending, true, true, "轮缘系数", "YB", kNone, F::None, GP_GEAR(r.bending.YB[i])},
    RatingQuantity{"YDT", G::Bending, false, true, "深齿系数", "YDT", kNone, F::None, GP_PAIR(r.bending.YDT)},
    RatingQuantity{"sigma_F0", G::Bending, true, true, "齿根应力的基本值", "σF0", kStress, F::None, GP_GEAR(r.root_stress.sigma_F0[i])},
    RatingQuantity{"sigma_F", G::Bending, true, true, "计算齿根应力", "σF", kStress, F::None, GP_GEAR(r.root_stress.sigma_F[i])},
    RatingQuantity{"YST", G::Bending, false, true, "试验齿轮的应力修正系数", "YST", kNone, F::None, GP_PAIR(r.bending.YST)},
    RatingQuantity{"YNT", G::Bending, true, true, "弯曲寿命系数", "YNT", kNone, F::None, GP_GEAR(r.bending_limits.YNT[i])},
    RatingQuantity{"YdeltarelT", G::Bending, true, true, "相对齿根圆角敏感系数", "YδrelT", kNone, F::None, GP_GEAR(r.bending_limits.YdrelT[i])},
    RatingQuantity{"YRrelT", G::Bending, true, true, "相对齿根表面状况系数", "YRrelT", kNone, F::None, GP_GEAR(r.bending_limits.YRrelT[i])},
    RatingQuantity{"YX", G::Bending, true, true, "弯曲强度尺寸系数", "YX", kNone, F::None, GP_GEAR(r.bending_limits.YX[i])},
    RatingQuantity{"sigma_FG", G::Bending, true, true, "齿根应力极限", "σFG", kStress, F::None, GP_GEAR(r.bending_limits.sigma_FG[i])},
    RatingQuantity{"sigma_FP", G::Bending, true, true, "许用齿根应力", "σFP", kStress, F::None, GP_GEAR(r.bending_limits.sigma_FP[i])},
    RatingQuantity{"SF", G::Bending, true, true, "弯曲强度计算安全系数", "SF", kNone, F::None, GP_GEAR(r.root_stress.SF[i]),
                   [](const RatingResult& r) { return r.inputs.SFmin; }},

    // What the pair can carry.
    RatingQuantity{"T1max", G::Capacity, false, true, "极限扭矩（最小安全系数比为1）", "T1max", "N·m", F::None, GP_PAIR(r.T1max)},
};
// clang-format on

#undef GP_PAIR
#undef GP_GEAR

}  // namespace

std::span<const RatingQuantity> rating_quantities() { return kQuantities; }

const char* group_name(QuantityGroup group) {
    switch (group) {
        case G::Geometry:
            return "几何参数与载荷";
        case G::LoadFactors:
            return "载荷系数";
        case G::Pitting:
            return "齿面接触疲劳强度";
        case G::Bending:
            return "齿根弯曲疲劳强度";
        case G::Capacity:
            break;
    }
    return "承载能力";
}

const char* kv_range_name(KvRange range) {
    switch (range) {
        case KvRange::Subcritical:
            return "亚临界区";
        case KvRange::MainResonance:
            return "主共振区";
        case KvRange::Intermediate:
            return "过渡区";
        case KvRange::Supercritical:
            break;
    }
    return "超临界区";
}

bool is_given(const RatingResult& r, GivenFactor factor) {
    switch (factor) {
        case F::Kv:
            return r.Kv_given;
        case F::KHbeta:
            return r.KHbeta_given;
        case F::KHalpha:
            return r.KHalpha_given;
        case F::None:
            break;
    }
    return false;
}

bool meets_minimum(const RatingQuantity& q, const RatingResult& r, int gear) {
    if (q.minimum == nullptr) return true;
    const Value v = q.value(r, gear);
    return v && *v >= q.minimum(r);
}

double power_kw(double torque, double n1) { return torque * 2.0 * kExactPi * n1 / 60000.0; }

std::vector<std::string> batch_columns() {
    std::vector<std::string> columns;
    for (const RatingQuantity& q : kQuantities) {
        if (!q.in_batch) continue;
        if (q.per_gear) {
            columns.push_back(std::string(q.key) + "1");
            columns.push_back(std::string(q.key) + "2");
        } else {
            columns.emplace_back(q.key);
        }
    }
    return columns;
}

const char* first_non_finite(const RatingResult& r) {
    for (const RatingQuantity& q : kQuantities) {
        for (int i = 0; i < (q.per_gear ? kGears : 1); ++i) {
            const Value v = q.value(r, i);
            if (v && !std::isfinite(*v)) return q.key;
        }
    }
    return nullptr;
}

}  // namespace gp::rating
