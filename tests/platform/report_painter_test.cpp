// Reports on paper, measured where the painter puts them and written to PDF.
#include "report_painter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QTemporaryDir>

#include "geometry_report.h"
#include "report_fixtures.h"
#include "report_lines.h"
#include "strength_report.h"

namespace gp {
namespace {

const ReportStamp kStamp{"2026/12/7", "14:03:05"};

// The report's face at `points`, measured on `device`.
QFontMetricsF metrics(qreal points, const QPaintDevice& device) {
    return QFontMetricsF(report_font(points), &device);
}

class PaperTest : public ::testing::Test {
  protected:
    PaperTest() : printer(QPrinter::HighResolution) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("report.pdf"));
    }
    qreal cell(qreal points) const { return report_column_width(points, printer); }
    QList<PaperText> lay_out(const ReportDocument& doc) const {
        return lay_out_on_paper(doc, printer, printer.height());
    }
    static const PaperText* find(const QList<PaperText>& texts, const QString& text) {
        for (const PaperText& t : texts) {
            if (t.text == text) return &t;
        }
        return nullptr;
    }

    QTemporaryDir dir;
    QPrinter printer;
};

TEST_F(PaperTest, ItemsStandAtTheirColumnsOfTheirOwnFontSize) {
    const auto texts =
        lay_out(build_geometry_report(testing::geometry_form(), testing::geometry_sheet(), kStamp));
    ASSERT_GT(cell(0.3), 0) << "a hairline font must still measure";
    const struct {
        QString text;
        int column;
        qreal points;
    } cases[] = {
        {"齿  轮  计  算  单", 32, 16},
        {"主动齿轮", 42, 13},
        {"从动齿轮", 68, 13},
        {"      齿顶圆直径      ", 12, 13},
        {"44.32", 38, 13},
        {"83.68", 64, 13},
        // The last row, one value between the gear columns.
        {"       总重合度       ", 12, 13},
        {"1.62561", 48, 13},
        {"    2026/12/7  14:03:05", 50, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const PaperText* t = find(texts, c.text);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->points, c.points);
        EXPECT_NEAR(t->origin.x(), (c.column - 1) * cell(c.points), 1e-6);
    }
    EXPECT_GT(cell(16), cell(13));  // the same column lies further right in larger type
    EXPECT_EQ(find(texts, "44.32")->origin.y(), find(texts, "83.68")->origin.y());
}

TEST_F(PaperTest, EveryColumnFitsTheWidthOfTheDefaultPage) {
    // The desktop program sets a CJK face for its windows; paper must not follow it,
    // or the wheel column runs off the page.
    const QFont before = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("WenQuanYi Micro Hei")));
    const auto texts =
        lay_out(build_geometry_report(testing::geometry_form(), testing::geometry_sheet(), kStamp));
    QApplication::setFont(before);
    ASSERT_NE(find(texts, "从动齿轮"), nullptr);
    for (const PaperText& t : texts) {
        const qreal right = t.origin.x() + report_columns(t.text) * cell(t.points);
        EXPECT_LE(right, printer.width()) << t.text.toStdString();
    }
}

TEST_F(PaperTest, LinesAdvanceByTheirOwnLineSpacing) {
    const auto texts = lay_out(
        build_strength_report(testing::strength_form_jg1(), testing::strength_sheet_jg1(), kStamp));
    const PaperText* torque = find(texts, "   主动齿轮扭矩(Kgm)  ");
    const PaperText* width = find(texts, "       工作齿宽       ");
    ASSERT_TRUE(torque && width);
    // A row, then the 3-point gap, then the next row.
    EXPECT_NEAR(width->origin.y() - torque->origin.y(),
                metrics(13, printer).lineSpacing() + metrics(3, printer).lineSpacing(), 1e-6);
}

TEST_F(PaperTest, AnItemPastItsColumnGoesToTheNextLine) {
    ReportDocument doc;
    doc.lines = {pair_row_line(13, "label", "1", "fits"),
                 pair_row_line(13, "label", QString(30, 'W').toStdString(), "pushed")};
    const auto texts = lay_out(doc);
    const PaperText* fits = find(texts, "fits");
    const PaperText* pushed = find(texts, "pushed");
    ASSERT_TRUE(fits && pushed);
    const qreal spacing = metrics(13, printer).lineSpacing();
    EXPECT_NEAR(fits->origin.x(), 63 * cell(13), 1e-6);
    EXPECT_NEAR(pushed->origin.x(), 63 * cell(13), 1e-6);
    EXPECT_NEAR(pushed->origin.y() - fits->origin.y(), 2 * spacing, 1e-6);
}

// Paper breaks a line exactly where the file does: a pinion text of more than 26
// GBK columns pushes the wheel text to the next line, one of 26 does not.
TEST_F(PaperTest, APinionTextPushesTheWheelTextExactlyWhenTheFileDoes) {
    const struct {
        std::string pinion;
        bool pushed;
    } cases[] = {
        {std::string(26, 'W'), false},
        {std::string(27, 'i'), true},
        {"齿轮齿轮齿轮齿轮齿轮齿轮齿", false},  // 13 Chinese characters, 26 columns
        {"齿轮齿轮齿轮齿轮齿轮齿轮AB", false},
        {"齿轮齿轮齿轮齿轮齿轮齿轮ABC", true},
        {"·············", false},  // two columns each in GBK, narrow in most faces
        {"··············", true},
        {"（１２３４５６７８９０）ab", false},  // full-width forms
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pinion);
        ReportDocument doc;
        doc.lines = {pair_row_line(13, "label", c.pinion, "wheel")};
        const auto texts = lay_out(doc);
        const PaperText* label = find(texts, "label");
        const PaperText* wheel = find(texts, "wheel");
        ASSERT_TRUE(label && wheel);
        EXPECT_EQ(wheel->origin.y() > label->origin.y(), c.pushed);
        EXPECT_NEAR(wheel->origin.x(), 63 * cell(13), 1e-6);
    }
}

TEST_F(PaperTest, ALongReportGoesOnAsManyPagesAsItNeeds) {
    ReportDocument doc;
    for (int i = 0; i < 300; ++i) doc.lines.push_back(pair_row_line(13, "row", "1", "2"));
    const auto texts = lay_out(doc);
    const qreal height = printer.height();
    int page = 0;
    for (const PaperText& t : texts) {
        EXPECT_GE(t.page, page);
        page = t.page;
        EXPECT_GT(t.origin.y(), 0);
        EXPECT_LT(t.origin.y(), height);
    }
    EXPECT_GE(page, 3);
}

TEST_F(PaperTest, PaintsAWholeReportIntoAPdf) {
    QString error;
    ASSERT_TRUE(paint_report(
        build_strength_report(testing::strength_form_jg2(), testing::strength_sheet_jg2(), kStamp),
        printer, &error))
        << error.toStdString();
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
}

TEST_F(PaperTest, AFileThatCannotBeWrittenIsReported) {
    printer.setOutputFileName(dir.filePath("no-such-folder/report.pdf"));
    QString error;
    EXPECT_FALSE(paint_report(
        build_geometry_report(testing::geometry_form(), testing::geometry_sheet(), kStamp), printer,
        &error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace gp

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
