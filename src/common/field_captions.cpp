#include "field_captions.h"

#include <array>
#include <utility>

namespace gp {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 28> kCaptions = {{
    {"zxja", "中心距"},
    {"fmn", "法向模数"},
    {"fjafn", "法向压力角"},
    {"lxjbt", "分度圆螺旋角"},
    {"ckbw", "工作齿宽"},
    {"h0", "法面齿顶高系数"},
    {"c0", "法面顶隙系数"},
    {"nj", "主动齿轮输入扭矩"},
    {"cs1z1", "主动齿轮齿数"},
    {"cs2z2", "从动齿轮齿数"},
    {"ess1", "主动齿轮齿厚上偏差"},
    {"ess2", "从动齿轮齿厚上偏差"},
    {"esi1", "主动齿轮齿厚下偏差"},
    {"esi2", "从动齿轮齿厚下偏差"},
    {"fr1", "主动齿轮齿圈径跳"},
    {"fr2", "从动齿轮齿圈径跳"},
    {"xng1", "主动齿轮法向变位系数"},
    {"xng2", "从动齿轮法向变位系数"},
    {"dpg1", "主动齿轮量棒直径"},
    {"dpg2", "从动齿轮量棒直径"},
    {"cgyj1", "主动齿轮齿根圆角半径"},
    {"cgyj2", "从动齿轮齿根圆角半径"},
    {"ck1", "主动齿轮工作齿宽"},
    {"ck2", "从动齿轮工作齿宽"},
    {"th1", "主动齿轮图号"},
    {"th2", "从动齿轮图号"},
    {"jd1", "主动齿轮精度等级及偏差代号"},
    {"jd2", "从动齿轮精度等级及偏差代号"},
}};

}  // namespace

std::string field_caption(std::string_view name) {
    for (const auto& [field, caption] : kCaptions) {
        if (field == name) return std::string(caption);
    }
    return std::string(name);
}

std::string field_captions(const std::vector<std::string_view>& names) {
    std::string out;
    for (std::string_view name : names) {
        if (!out.empty()) out += "、";
        out += field_caption(name);
    }
    return out;
}

}  // namespace gp
