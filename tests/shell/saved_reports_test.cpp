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

}  // namespace

class SavedReportsTest : public QObject {
    Q_OBJECT

  private slots:
    void geometry_reports_match_the_golden_file() {
        QTemporaryDir dir;
        QtReportFiles files(dir.filePath(QStringLiteral("g.txt")),
                            dir.filePath(QStringLiteral("s.txt")));
        ShellHarness h(&files);
        save_every_case(h, FormButton::ComputeGeometry);
        const QByteArray golden =
            read_file(QStringLiteral(GEARPAIR_GOLDEN_DIR "/reports-geometry.txt"));
        QVERIFY(golden.size() > 10000);
        QCOMPARE(read_file(dir.filePath(QStringLiteral("g.txt"))), golden);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("s.txt"))));
    }

    void strength_reports_match_the_golden_file() {
        QTemporaryDir dir;
        QtReportFiles files(dir.filePath(QStringLiteral("g.txt")),
                            dir.filePath(QStringLiteral("s.txt")));
        ShellHarness h(&files);
        save_every_case(h, FormButton::ComputeStrength);
        const QByteArray golden =
            read_file(QStringLiteral(GEARPAIR_GOLDEN_DIR "/reports-strength.txt"));
        QVERIFY(golden.size() > 10000);
        QCOMPARE(read_file(dir.filePath(QStringLiteral("s.txt"))), golden);
    }
};

GEARPAIR_GUI_TEST_MAIN(SavedReportsTest)

#include "saved_reports_test.moc"
