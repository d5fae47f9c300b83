#include "meaningful_result.h"

#include <string>

#include "messages.h"
#include "stop.h"

namespace gp::strength {
namespace {

class Findings {
  public:
    void add(const std::string& finding) {
        if (!text_.empty()) text_ += "；";
        text_ += finding;
    }
    // One quantity of gear i that must be positive ("齿形系数", "YF", value).
    void positive(int i, const char* caption, const char* symbol, Real value) {
        if (value > 0.0) return;
        add(gear_name(i) + caption + " " + symbol + std::to_string(i + 1) + " = " +
            detail_number(value.value()) + " 不为正值");
    }
    bool empty() const { return text_.empty(); }
    const std::string& text() const { return text_; }

    static std::string gear_name(int i) { return i == 0 ? "主动齿轮" : "从动齿轮"; }

  private:
    std::string text_;
};

}  // namespace

void require_meaningful(const StrengthCore& s, const BendingStresses& bending, Real sigma_H) {
    Findings f;
    for (int i = 0; i < 2; ++i) {
        const GearGeometry& g = s.geo.gear[i];
        const std::string n = std::to_string(i + 1);
        // Compared as held: in single precision.
        if (!(g.da > g.df)) {
            f.add(Findings::gear_name(i) + "齿顶圆直径 da" + n + " = " + detail_number(g.da) +
                  " 不大于齿根圆直径 df" + n + " = " + detail_number(g.df));
        }
        f.positive(i, "齿根危险截面齿厚", "sF", s.root[i].sF);
        f.positive(i, "齿形系数", "YF", bending.gear[i].YF);
        f.positive(i, "齿根应力集中系数", "Kf", bending.gear[i].Kf);
        f.positive(i, "齿根弯曲应力", "σF", bending.gear[i].sigma);
    }
    if (!(sigma_H > 0.0))
        f.add("齿面接触应力 σH = " + detail_number(sigma_H.value()) + " 不为正值");
    if (f.empty()) return;

    std::string detail = f.text();
    if (s.pair.torque == 0.0) detail += "（主动齿轮输入扭矩 T = 0）";
    detail += "。强度计算只使用输入表中填写的法向变位系数（xn1 = " +
              detail_number(s.pair.gear[0].xn.value()) +
              "，xn2 = " + detail_number(s.pair.gear[1].xn.value()) +
              "，未填写按 0 计），不使用齿轮参数计算得出的变位系数；可在齿轮参数结果表上用"
              "“把变位系数填入输入表”把它们填入";
    throw StopSignal{msg::kMeaninglessStrength, detail};
}

}  // namespace gp::strength
