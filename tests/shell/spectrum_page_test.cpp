// The load spectrum in the rating window as a user drives it: a pair file whose
// spectrum column names a spectrum CSV beside it, the bins loaded with the pair,
// rated into the sheet with its chart; a bad cell named and kept; the spectrum
// saved under a new name that goes into the pair file.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <numeric>

#include "messages/spectrum.h"
#include "pair_document.h"
#include "rating_window.h"
#include "shell_harness.h"
#include "spectrum_chart.h"

using namespace gp;
using namespace gp::testing;

namespace {

QByteArray read_bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write_bytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

class SpectrumPageTest : public QObject {
    Q_OBJECT

  private slots:
    void spectrum_beside_the_pair_file() {
        QTemporaryDir dir;
        const QByteArray pair =
            read_bytes(QStringLiteral(GEARPAIR_SPECTRUM_DATA "/annexC-pair.csv"));
        const int eol = pair.indexOf('\n');
        write_bytes(dir.filePath("pair.csv"),
                    pair.left(eol) + ",spectrum\n" + pair.mid(eol + 1).trimmed() + ",bins.csv\n");
        write_bytes(dir.filePath("bins.csv"),
                    read_bytes(QStringLiteral(GEARPAIR_SPECTRUM_DATA "/annexC-spectrum.csv")));
        ShellHarness h;
        QVERIFY(h.shell().open_file(dir.filePath("pair.csv")));
        h.shell().compute_action(2)->trigger();
        SpectrumPage* page = h.shell().rating_window()->spectrum_page();
        QCOMPARE(page->bin_table()->rowCount(), 16);
        QCOMPARE(page->bin_table()->item(0, 3)->text(), QStringLiteral("1.31"));

        h.click(page->button(SpectrumButton::Compute));
        QCOMPARE(h.shell().rating_window()->pages()->currentWidget(), page->sheet_page());
        // Under the spectrum's sheet, one row of buttons: its own, and the window's 关闭.
        RatingWindow* w = h.shell().rating_window();
        QVERIFY(!w->button(RatingButton::Print)->isVisibleTo(w) &&
                w->button(RatingButton::Close)->isVisibleTo(w));
        QCOMPARE(page->result_table()->rowCount(), 16);
        const auto& shares = page->chart()->shares();
        QVERIFY(std::abs(std::accumulate(shares.begin(), shares.end(), 0.0) - 1.0) < 1e-9);
        QVERIFY(page->sheet()->met);
        QVERIFY(page->verdict_label()->text().contains(QString::fromUtf8(msg::spectrum::kMeets)));

        // A bad cell: its message names row and column, the cell is chosen, nothing lost.
        const std::size_t boxes = h.boxes.shown.size();
        page->bin_table()->item(2, 0)->setText(QStringLiteral("23800x"));
        h.click(page->button(SpectrumButton::Compute));
        QCOMPARE(h.boxes.shown.size(), boxes + 1);
        QCOMPARE(h.boxes.shown.back().text,
                 msg::spectrum::at_cell(4, 3, "T1", msg::spectrum::not_a_number("23800x")));
        QCOMPARE(page->bin_table()->currentRow(), 2);
        QCOMPARE(page->bin_table()->item(2, 0)->text(), QStringLiteral("23800x"));

        // Saved under a new name beside the pair: the pair file's column follows.
        page->bin_table()->item(2, 0)->setText(QStringLiteral("23800"));
        h.file_dialogs.save_choices = {SaveChoice{dir.filePath("duty.csv").toStdString(), 0}};
        h.click(page->button(SpectrumButton::Save));
        QCOMPARE(page->file_name(), std::string("duty.csv"));
        QVERIFY(
            read_bytes(dir.filePath("duty.csv")).startsWith("T1,cycles,KHb\n25400,90500,1.31\n"));
        QVERIFY(h.shell().document()->save());
        QVERIFY(read_bytes(dir.filePath("pair.csv")).contains(",duty.csv"));

        // Bins changed and not saved are offered a file before another pair replaces them.
        page->bin_table()->item(0, 1)->setText(QStringLiteral("95000"));
        h.boxes.answers = {true};
        h.file_dialogs.save_choices = {SaveChoice{dir.filePath("kept.csv").toStdString(), 0}};
        page->set_file_name("");
        QCOMPARE(page->bin_table()->rowCount(), 0);
        QVERIFY(read_bytes(dir.filePath("kept.csv")).startsWith("T1,cycles,KHb\n25400,95000,"));
    }
};

QTEST_MAIN(SpectrumPageTest)
#include "spectrum_page_test.moc"
