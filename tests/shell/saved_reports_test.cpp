// Every pair of the golden report cases, entered on the form, computed, saved from
// its sheet: the report files must come out byte for byte as the golden reports.
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <fstream>

#include "qt_report_files.h"
#include "shell_harness.h"

using namespace gp;
using namespace gp::testing;

namespace {

std::vector<std::string> read_lines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

QByteArray read_file(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Enters each row on the form, computes with `button` and saves what reaches a
// sheet; rows that stop are left out, as the golden files leave them out.
void save_every_case(ShellHarness& h, FormButton button) {
    const auto lines = read_lines(GEARPAIR_GOLDEN_DIR "/report-cases.csv");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const FormTexts row = form_from_csv(lines[0], lines[i]);
        h.fill(row);
        h.click(lines[i].ends_with("dx2") ? h.form().equal_noise() : h.form().equal_strength());
        const std::size_t messages = h.boxes.shown.size();
        h.click(button);
        if (h.boxes.shown.size() > messages) continue;  // stopped with its message
        h.click_on_sheet(SheetButton::Save);
        h.click_on_sheet(SheetButton::Return);
    }
}

// Saves every case through `button` into fresh report files and checks that the
// file of that kind equals `golden` and that the other file was never made.
void expect_saved_as_golden(FormButton button, const char* golden) {
    QTemporaryDir dir;
    const QString geometry = dir.filePath(QStringLiteral("g.txt"));
    const QString strength = dir.filePath(QStringLiteral("s.txt"));
    QtReportFiles files(geometry, strength);
    ShellHarness h(&files);
    save_every_case(h, button);
    const bool is_geometry = button == FormButton::ComputeGeometry;
    const QByteArray expected = read_file(QStringLiteral(GEARPAIR_GOLDEN_DIR "/") + golden);
    QVERIFY(expected.size() > 10000);
    QCOMPARE(read_file(is_geometry ? geometry : strength), expected);
    QVERIFY(!QFile::exists(is_geometry ? strength : geometry));
}

}  // namespace

class SavedReportsTest : public QObject {
    Q_OBJECT

  private slots:
    void geometry_reports_match_the_golden_file() {
        expect_saved_as_golden(FormButton::ComputeGeometry, "reports-geometry.txt");
    }

    void strength_reports_match_the_golden_file() {
        expect_saved_as_golden(FormButton::ComputeStrength, "reports-strength.txt");
    }
};

GEARPAIR_GUI_TEST_MAIN(SavedReportsTest)

#include "saved_reports_test.moc"
