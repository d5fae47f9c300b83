// The result sheets' value labels, reached by position: for every golden case and
// every sheet it reaches, each value label is named as the calculation's table
// names that position and shows exactly the text the table holds there; what the
// sheet hands back for printing, saving and copying is that same table.
#include <QFile>
#include <array>
#include <memory>
#include <stdexcept>
#include <variant>

#include "geometry_calculation.h"
#include "shell_harness.h"
#include "strength_calculation.h"

using namespace gp;
using namespace gp::testing;

namespace {

// Every row of the golden cases as the calculations take it.
std::vector<GearPairInput> golden_cases() {
    QFile file(QStringLiteral(GEARPAIR_GOLDEN_DIR "/cases.csv"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    std::vector<GearPairInput> out;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const std::string line = lines[i].trimmed().toStdString();
        if (line.empty()) continue;
        GearPairInput in;
        for (const auto& [name, text] : form_from_csv(kCasesHeader, line)) {
            in.*(find_input_field(name)->text) = text;
        }
        in.rule = line.ends_with("dx2") ? ShiftRule::EqualNoise : ShiftRule::EqualStrength;
        out.push_back(std::move(in));
    }
    return out;
}

// Empty when the sheet shows `expected` label by label, else the first difference.
QString differs(const SheetWindow& sheet, const LabelTexts& expected) {
    const auto& entries = expected.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QLabel* label = sheet.value_label_at(i);
        const QString where = QStringLiteral("%1 at %2: ").arg(sheet.objectName()).arg(i);
        if (label->objectName().toStdString() != entries[i].first)
            return where + label->objectName() + QStringLiteral(" is not ") +
                   QString::fromStdString(entries[i].first);
        if (label->text().toStdString() != entries[i].second)
            return where + label->text() + QStringLiteral(" is not ") +
                   QString::fromStdString(entries[i].second);
        // The tests' look-up by name finds the same label.
        if (sheet.value_label(entries[i].first) != label) return where + QStringLiteral("by name");
    }
    if (sheet.texts().entries() != entries) return QStringLiteral("texts() read back otherwise");
    return {};
}

}  // namespace

class SheetLabelsTest : public QObject {
    Q_OBJECT

  private slots:
    void every_label_shows_the_text_at_its_position_for_every_golden_case() {
        const std::vector<GearPairInput> cases = golden_cases();
        QVERIFY(cases.size() >= 400);
        GeometrySheetWindow jg;
        std::array<std::unique_ptr<StrengthSheetWindow>, 3> strength;
        std::array<int, 3> shown_on{};
        int geometry_shown = 0;
        for (std::size_t c = 0; c < cases.size(); ++c) {
            const QString row = QStringLiteral("row %1: ").arg(c + 2);
            const auto geometry = compute_geometry(cases[c]);
            if (const auto* r = std::get_if<GeometryResult>(&geometry)) {
                jg.show_texts(*r);
                const QString broken = differs(jg, r->labels);
                QVERIFY2(broken.isEmpty(), qPrintable(row + broken));
                ++geometry_shown;
            }
            const auto outcome = compute_strength(cases[c]);
            const auto* r = std::get_if<StrengthResult>(&outcome);
            if (!r) continue;
            auto& sheet = strength[static_cast<std::size_t>(r->sheet)];
            if (!sheet) sheet = std::make_unique<StrengthSheetWindow>(r->sheet);
            sheet->show_texts(*r);
            const QString broken = differs(*sheet, r->labels);
            QVERIFY2(broken.isEmpty(), qPrintable(row + broken));
            const StrengthResult back = sheet->shown(r->diameters);
            QVERIFY(back.sheet == r->sheet);
            ++shown_on[static_cast<std::size_t>(r->sheet)];
        }
        // The golden cases reach every sheet, each many times.
        QVERIFY(geometry_shown > 300);
        for (int n : shown_on) QVERIFY(n > 10);
    }

    void a_table_of_another_sheet_is_refused() {
        // Positions mean nothing across sheets: jg2 and jg3 have tables of one
        // length, so a result of one shown on the other would put every factor in
        // the wrong row.
        GeometrySheetWindow jg;
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 jg.set_texts(blank_strength_labels(StrengthSheet::jg1)));
        StrengthSheetWindow jg3(StrengthSheet::jg3);
        StrengthResult jg2_result;
        jg2_result.sheet = StrengthSheet::jg2;
        jg2_result.labels = blank_strength_labels(StrengthSheet::jg2);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, jg3.show_texts(jg2_result));
    }
};

GEARPAIR_GUI_TEST_MAIN(SheetLabelsTest)

#include "sheet_labels_test.moc"
