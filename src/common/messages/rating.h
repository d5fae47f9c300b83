// The load-capacity rating (ISO 6336, method B): its refused inputs, the cells
// that are not numbers, its warnings and the batch tool's rating mode.
#pragma once

#include <string>

#include "base.h"

namespace gp::msg {

namespace rating {

inline constexpr const char* kMethodLine = "ISO 6336-1/-2/-3:2006，方法B";
inline constexpr const char* kGiven = "给定";

// Refused inputs, in the order they are checked.
inline constexpr const char* kBeyondComputable = "输入的数值超出可计算的范围，请重新输入";
inline constexpr const char* kNoSpeed = "主动齿轮转速必须大于零，请重新输入";
inline constexpr const char* kNoTorque = "扭矩必须大于零，请重新输入";
inline constexpr const char* kBadFactors =
    "使用系数必须大于零，给定的动载、齿向、齿间载荷系数不得小于1";
inline constexpr const char* kBadGrade = "精度等级必须是0～12之间的整数";
inline constexpr const char* kBadMaterial = "材料、润滑或寿命参数无效，请重新输入";
inline constexpr const char* kLimitsRequired =
    "材料类别不是渗碳淬火钢（Eh）时须给定σHlim和σFlim，请输入或在材料表中选取";
inline constexpr const char* kBadShaftOrModification =
    "轴的布置、齿向修形或功率分配参数无效，请重新输入";
inline constexpr const char* kNoWorkingAngle = kCannotCompute;
inline constexpr const char* kTipInsideBase = "齿顶圆直径不大于基圆直径，无法计算";
inline constexpr const char* kContactOffFlank = "啮合线超出基圆切点（齿廓干涉），无法计算";
inline constexpr const char* kContactRatioBelowOne = "端面重合度小于1，无法计算";
inline constexpr const char* kSingleContactOffFlank =
    "单齿啮合外界点超出齿廓，无法计算齿根应力";
inline constexpr const char* kCriticalSection =
    "齿根危险截面计算失败，请检查刀具齿根圆角与变位系数";
inline constexpr const char* kRunInExceedsMisalignment =
    "跑合量不小于齿向误差，无法计算齿向载荷分布系数，请给定KHβ";
inline constexpr const char* kRimTooThin = "轮缘厚度过小（sR/h ≤ 0.5），超出标准适用范围";

// A rating cell (or the torque or a fillet radius) that is not what its column holds.
inline std::string not_a_number(const std::string& column) {
    return "校核参数" + column + "不是数字，请修改";
}
// `names`: the words the column takes, listed as "St、V、GG …".
inline std::string not_a_class(const std::string& column, const std::string& names) {
    return "材料类别" + column + "须为 " + names + " 之一，请修改";
}
inline constexpr const char* kWordSeparator = "、";  // between the words listed
inline std::string must_be_one_of(const std::string& words) { return "须为 " + words + " 之一"; }

// Warnings: the result stands, with a note.
inline constexpr const char* kMainResonance = "工作转速处于主共振区，应避免";
inline constexpr const char* kNotchOutOfRange = "齿根缺口参数qs超出1～8的适用范围";
inline constexpr const char* kRootRoughnessOutOfRange = "齿根粗糙度超出40µm的适用范围";
inline constexpr const char* kSizeOutOfRange = "尺寸超出ISO 1328-1分段范围，按最近分段取公差";
inline constexpr const char* kLowApplicationFactor = "使用系数小于1，请确认";
inline constexpr const char* kHelixOver30 = "螺旋角大于30°，Yβ按30°计算";
inline constexpr const char* kRoundingTooLarge =
    "刀具齿根圆角半径大于齿条齿顶所能容纳的半径，仍按输入值校核";
inline constexpr const char* kNoMaxTorque =
    "在扭矩的10⁻⁸～10⁸倍范围内安全系数与最小安全系数之比不穿过1，未求得极限扭矩";
inline constexpr const char* kMaxTorqueInResonance = "极限扭矩T1max处于主共振区";
inline constexpr const char* kKvOutOfDepth =
    "计算的动载系数Kv大于2，超出方法B简化假设的适用范围，宜采用实测值或给定Kv";
inline constexpr const char* kKHbetaOutOfDepth =
    "计算的齿向载荷分布系数KHβ大于2，超出方法C简化假设的适用范围，宜采用实测值或给定KHβ";
inline constexpr const char* kDrivenIsPinion =
    "从动齿轮齿数较少，按小齿轮校核（增速传动）；各齿轮的结果仍列在主动、从动齿轮下";
inline constexpr const char* kNoTipLoadCheck =
    "齿顶加载时的齿形系数和应力修正系数（仅供核对）无法计算，已略去";
inline constexpr const char* kWarningSeparator = "；";

// What a stretch of the rating is doing, for the explanation of an arithmetic fault.
inline constexpr const char* kStepGeometry = "计算承载能力校核的啮合几何参数";
inline constexpr const char* kStepRoot = "计算齿根危险截面、齿形系数和应力修正系数";
inline constexpr const char* kStepTolerances = "计算应力循环次数、公差和跑合量";
inline constexpr const char* kStepStiffness = "计算单对齿刚度和啮合刚度";
inline constexpr const char* kStepLoadFactors = "计算动载系数和载荷分布系数";
inline constexpr const char* kStepContact = "计算齿面接触应力和接触强度安全系数";
inline constexpr const char* kStepBending = "计算齿根弯曲应力和弯曲强度安全系数";

// The explanations of the refused inputs, with the values that matter.
inline std::string value_is(const std::string& symbol, const std::string& value) {
    return symbol + " = " + value;
}
inline std::string refused(const std::string& what, const std::string& rule) {
    return what + "，" + rule;
}
inline constexpr const char* kMustBePositive = "须大于零";
inline constexpr const char* kMustBeAtLeastOne = "不得小于1";
inline constexpr const char* kMustBeGrade = "须为0～12之间的整数";
inline constexpr const char* kMustBeNonNegative = "不得为负";
inline constexpr const char* kPoissonRange = "须在0～0.5之间（不含0.5）";
inline constexpr const char* kYN10Range = "须在0.85～1之间";
inline constexpr const char* kNotANumber = "不是数";
inline std::string limits_required(const std::string& hlim, const std::string& flim) {
    return "材料类别不是 Eh，须给定 " + hlim + " 和 " + flim;
}
inline constexpr const char* kShareRange = "须大于0且不大于100";
inline constexpr const char* kShaftNeedsSizes = "给定轴的布置 shaft 时须给定";
inline constexpr const char* kOffsetRange = "须在0～l/2之间";
inline constexpr const char* kComputableMagnitude = "其绝对值须在1e-100～1e100之间（或为0）";
inline std::string working_angle_zero(const std::string& cos_alpha_wt) {
    return "cos αwt = a0·cos αt / a = " + cos_alpha_wt + "，不小于1，啮合角为零";
}
inline std::string tip_not_above_base(int gear, const std::string& da, const std::string& db) {
    const std::string n = std::to_string(gear + 1);
    return std::string(gear_name(gear)) + "齿顶圆直径 da" + n + " = " + da +
           " 不大于基圆直径 db" + n + " = " + db;
}
inline std::string contact_off_flank(int gear, const std::string& margin) {
    return std::string(gear_name(gear)) + "的啮合起点落在基圆切点以外：a·sin αwt − "
           "½√(da² − db²)（对方齿轮）= " + margin;
}
inline std::string contact_ratio(const std::string& eps_alpha) {
    return "端面重合度 εα = " + eps_alpha;
}
inline std::string single_contact_off_flank(int gear, const std::string& bracket) {
    return std::string(gear_name(gear)) + "当量直齿轮单齿啮合外界点的展开长度 = " + bracket +
           "，小于零";
}
inline std::string iteration_not_converged(int gear) {
    return std::string(gear_name(gear)) + "危险截面角 ϑ 的迭代在 200 步内不收敛";
}
inline std::string critical_section(int gear, const std::string& what, const std::string& value) {
    return std::string(gear_name(gear)) + what + " = " + value + "，不为正值";
}
inline std::string run_in_exceeds(const std::string& f_beta_x, const std::string& y_beta) {
    return "初始啮合错位 Fβx = " + f_beta_x + " µm，跑合量 yβ = " + y_beta + " µm";
}
inline std::string rim_too_thin(int gear, const std::string& ratio) {
    return std::string(gear_name(gear)) + "轮缘厚度与齿高之比 sR/h = " + ratio;
}
inline std::string result_not_finite(const std::string& symbol) {
    return "计算" + symbol + "时" + detail::kOutOfRange;
}

// The batch tool's rating mode.
inline constexpr const char* kCliHelp = R"(
RATING MODE
  gearpair-cli rating [--detail | --report] [--jobs N] [FILE]
    The load-capacity rating by ISO 6336-1/-2/-3:2006, method B (pitting and
    tooth-root bending safety factors). FILE holds the form's columns as above
    plus any of these rating columns; other modes ignore them, so one pair file
    serves every mode. A missing column or an empty cell takes the default:
      n1      speed of the driving gear (gear 1), 1/min (required)
      KA      application factor (1)
      Q1 Q2   ISO 1328-1 accuracy grades, whole numbers 0 to 12 (6; never
              taken from jd1/jd2)
      Ca      tip relief, um (from the contact endurance limits)
      KHb Kv KHa  face load, dynamic and transverse load factors when known
              (empty: computed)
      mat1 mat2   material class: St V GG GGG GTS Eh IF NT NV (Eh)
      sHlim1 sHlim2  contact endurance limits, N/mm2 (1500 for Eh; required
              for every other class)
      sFlim1 sFlim2  bending endurance limits, N/mm2 (500 for Eh; required
              for every other class)
      E1 E2   moduli of elasticity, N/mm2 (206000)
      nu1 nu2 Poisson's ratios (0.3)
      rho1 rho2  densities, kg/m3 (7830)
      nu40    lubricant viscosity at 40 C, mm2/s (220)
      Ra1 Ra2 flank roughness Ra, um (1)
      RzF1 RzF2  root roughness Rz, um (6 x Ra)
      Lh      required life, h (empty: endurance, life factors 1)
      YN10    life factor at 1e10 cycles, 0.85 (normal) to 1 (optimum) (0.85)
      SHmin SFmin  minimum safety factors (1)
      sR1 sR2 rim thickness under the root, mm (empty: solid)
      HB1 HB2 flank Brinell hardness, HBW, for the work hardening factor ZW of
              a St, V, GGG or GTS gear against a hardened mate (empty: ZW 1)
      shaft   arrangement of the pinion on its shaft, a to e as in ISO 6336-1
              (empty: no shaft term); needs l, s, dsh
      l s dsh bearing span, offset of the pinion's mid-face from the middle
              of the span (0 to l/2), pinion shaft diameter, mm
      hmod    helix modification of the pinion: none crown corr corrcrown
              end (none)
      k       share of the power through this mesh, over 0 to 100 % (100)
      grade1 grade2 type1 type2 quality1 quality2 hard1 hard2 hunit1 hunit2
              the desktop program's material choice (ISO 6336-5 line and
              surface hardness); kept in pair files, read by no calculation
    The gear with fewer teeth is rated as the pinion, whichever drives; the
    columns suffixed 1 stay the driving gear's, 2 the driven gear's.
    The torque nj (kgf.m, rated as nj x 9.80665 N.m) and the root fillet radii
    cgyj1 cgyj2 (empty: 0.38 x module) are read strictly. A cell that is not a
    number (or not a class) stops its row with a message naming the column; a
    number outside its range stops with the rating's own message. The geometry's
    stops come first, with the geometry's messages.
    Output: status,message, then at full precision (%.17g):
      T1 Ft v NL1 NL2 eps_alpha eps_beta eps_gamma zn1 zn2 fpb ffa fpe fHb1 fHb2
      y_alpha y_beta c_prime c_gamma_alpha c_gamma_beta N Kv KHbeta KFbeta
      KHalpha KFalpha ZH ZE Zeps Zbeta ZB ZD sigma_H0 sigma_H1 sigma_H2 ZNT1 ZNT2
      ZL Zv ZR ZW1 ZW2 ZX sigma_HG1 sigma_HG2 sigma_HP1 sigma_HP2 SH1 SH2 YF1
      YF2 YS1 YS2 Ybeta YB1 YB2 YDT sigma_F01 sigma_F02 sigma_F1 sigma_F2 YST
      YNT1 YNT2
      YdeltarelT1 YdeltarelT2 YRrelT1 YRrelT2 YX1 YX2 sigma_FG1 sigma_FG2
      sigma_FP1 sigma_FP2 SF1 SF2 T1max
    (stresses N/mm2, deviations um, stiffness N/(mm.um), torques N.m). Empty
    cells: NL1 NL2 without Lh; N for a given Kv; fHb1 fHb2 y_beta c_gamma_beta
    for a given KHb; T1max when no crossing was found. T1 and T1max are the
    driving gear's torques; T1max is the one at which the smallest of
    SH1/SHmin, SH2/SHmin, SF1/SFmin, SF2/SFmin is 1, every load-dependent
    factor recomputed at each torque tried.
    --detail adds a last column "detail": on a stop its explanation, otherwise
    the rating's notes separated by "；" (among them where a computed Kv or
    KHb exceeds 2, beyond the range where the method's simplifications hold).
    --report writes instead the rating window's text report of each pair that
    rates (UTF-8, CR LF), every input named; the pairs that stop are named on
    standard error.
)";

}  // namespace rating

}  // namespace gp::msg
