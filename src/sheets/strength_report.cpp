#include "strength_report.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "report_lines.h"
#include "report_rows.h"

namespace gp {
namespace {

using G = GearPairInput;
using S = SingleDiameters;
constexpr RowKind kPair = RowKind::Pair;
constexpr RowKind kPinionOnly = RowKind::PinionOnly;
// A value label by its position among all strength labels, found while compiling;
// rows_of takes it to the position in the printed sheet's own table.
consteval ItemSource label(std::string_view name) { return label_at(strength_label(name)); }

// The pair's data: drawing numbers first, torque and working face width after the
// helix angle; the diameters as the calculation held them.
constexpr ReportRow kDataRows[] = {
    {"        图  号        ", kPair, input(&G::th1), input(&G::th2)},
    {"        中心距        ", kPair, input(&G::zxja), input(&G::zxja)},
    {"        齿  数        ", kPair, input(&G::cs1z1), input(&G::cs2z2)},
    {"       法向模数       ", kPair, input(&G::fmn), input(&G::fmn)},
    {"      法向压力角      ", kPair, input(&G::fjafn), input(&G::fjafn)},
    {"     分度圆螺旋角     ", kPair, input(&G::lxjbt), input(&G::lxjbt)},
    {"   主动齿轮扭矩(Kgm)  ", kPinionOnly, input(&G::nj), {}},
    {"       工作齿宽       ", kPair, input(&G::ckbw), input(&G::ckbw)},
    {"        齿  宽        ", kPair, input(&G::ck1), input(&G::ck2)},
    {"     法向变位系数     ", kPair, input(&G::xng1), input(&G::xng2)},
    {"      齿顶圆直径      ", kPair, diameter(&S::da1), diameter(&S::da2)},
    {"      齿根圆直径      ", kPair, diameter(&S::df1), diameter(&S::df2)},
    {"     齿根圆角半径     ", kPair, input(&G::cgyj1), input(&G::cgyj2)},
    {"  主动齿轮圆周力(Kgf) ", kPinionOnly, label("yzl1"), {}},
};

// The factors, which differ by calculation case.
constexpr ReportRow kFactorRowsJg1[] = {
    {"  当量直齿轮齿形系数  ", kPair, label("cx1"), label("cx2")},
    {"   齿面滑动阻力系数   ", kPair, label("hx1"), label("hx2")},
};
constexpr ReportRow kFactorRowsJg2[] = {
    {"       齿形系数       ", kPair, label("cx1"), label("cx2")},
    {"      螺旋角系数      ", kPair, label("lx"), label("lx")},
    {"     倾斜接触系数     ", kPair, label("jx1"), label("jx2")},
};
constexpr ReportRow kFactorRowsJg3[] = {
    {"       齿形系数       ", kPair, label("cx1"), label("cx2")},
    {"      螺旋角系数      ", kPair, label("lx1"), label("lx2")},
    {"     倾斜接触系数     ", kPair, label("jx"), label("jx")},
};

// Stress concentration, contact ratios and the two stresses.
constexpr ReportRow kStressRows[] = {
    {"   齿根应力集中系数   ", kPair, label("yx1"), label("yx2")},
    {"      端面重合度      ", kPair, label("dd"), label("dd")},
    {"      轴面重合度      ", kPair, label("zd"), label("zd")},
    {"       总重合度       ", kPair, label("dh"), label("dh")},
    {"     齿根弯曲应力     ", kPair, label("wq1"), label("wq2")},
    {"     齿面接触应力     ", kPair, label("jc"), label("jc")},
};

std::span<const ReportRow> factor_rows(StrengthSheet sheet) {
    switch (sheet) {
        case StrengthSheet::jg1:
            return kFactorRowsJg1;
        case StrengthSheet::jg2:
            return kFactorRowsJg2;
        case StrengthSheet::jg3:
            break;
    }
    return kFactorRowsJg3;
}

// Whether every label a row table reads is shown on `sheet`: checked while
// compiling, so a row cannot read a label its sheet's table lacks.
constexpr bool shown_on(std::span<const ReportRow> rows, StrengthSheet sheet) {
    for (const ReportRow& row : rows) {
        for (const ItemSource& item : {row.pinion, row.wheel}) {
            if (item.from == ItemSource::From::Label &&
                !on_sheet(kAllStrengthLabels[item.label], sheet))
                return false;
        }
    }
    return true;
}
static_assert(shown_on(kDataRows, StrengthSheet::jg1) && shown_on(kDataRows, StrengthSheet::jg2) &&
              shown_on(kDataRows, StrengthSheet::jg3));
static_assert(shown_on(kStressRows, StrengthSheet::jg1) &&
              shown_on(kStressRows, StrengthSheet::jg2) &&
              shown_on(kStressRows, StrengthSheet::jg3));
static_assert(shown_on(kFactorRowsJg1, StrengthSheet::jg1) &&
              shown_on(kFactorRowsJg2, StrengthSheet::jg2) &&
              shown_on(kFactorRowsJg3, StrengthSheet::jg3));

// The rows of one sheet's report, their labels at the positions of that sheet's
// table; made once per sheet.
std::vector<ReportRow> make_rows(StrengthSheet sheet) {
    const std::span<const ReportRow> factors = factor_rows(sheet);
    std::vector<ReportRow> rows(std::begin(kDataRows), std::end(kDataRows));
    rows.insert(rows.end(), factors.begin(), factors.end());
    rows.insert(rows.end(), std::begin(kStressRows), std::end(kStressRows));
    for (ReportRow& row : rows) {
        for (ItemSource* item : {&row.pinion, &row.wheel}) {
            if (item->from == ItemSource::From::Label)
                item->label = position_on_sheet(sheet, item->label);
        }
    }
    return rows;
}

const std::vector<ReportRow>& rows_of(StrengthSheet sheet) {
    static const std::vector<ReportRow> rows[] = {make_rows(StrengthSheet::jg1),
                                                  make_rows(StrengthSheet::jg2),
                                                  make_rows(StrengthSheet::jg3)};
    return rows[static_cast<std::size_t>(sheet)];
}

// Font sizes of the printed sheet, in points.
constexpr double kBodySize = 13;
constexpr double kTitleSize = 16;
constexpr double kRowGapSize = 3;  // the thin gap between two rows
constexpr double kStampSize = 11;

}  // namespace

ReportDocument build_strength_report(const GearPairInput& form, const StrengthResult& sheet,
                                     const ReportStamp& when) {
    ReportDocument doc;
    doc.title =
        sheet.sheet == StrengthSheet::jg1 ? "齿 轮 强 度 计 算 单" : "齿  轮  强  度  计  算  单";
    doc.drawing_numbers = {form.th1, form.th2};
    auto& lines = doc.lines;
    lines.push_back(empty_line(kBodySize));
    lines.push_back(empty_line(kBodySize));
    lines.push_back(title_line(kTitleSize, doc.title));
    lines.push_back(empty_line(kTitleSize));
    lines.push_back(heads_line(kBodySize));
    lines.push_back(empty_line(kBodySize));
    append_rows(lines, rows_of(sheet.sheet), ReportSources{form, sheet.labels, &sheet.diameters},
                kBodySize, kRowGapSize);
    // On paper as in the file, one blank between date and time.
    lines.push_back(stamp_line(kStampSize, when, 1));
    return doc;
}

}  // namespace gp
