// The printed page itself: each report painted into a PDF as the printer gets it,
// rendered to pixels, and every item's ink measured against the column rule.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <optional>

#include "geometry_report.h"
#include "report_fixtures.h"
#include "report_painter.h"
#include "strength_report.h"

namespace gp {
namespace {

const ReportStamp kStamp{"2026/12/7", "14:03:05"};
constexpr int kRenderDpi = 300;

// The first page of a PDF as a grey image, rendered by poppler.
QImage render_first_page(const QString& pdf, const QString& stem) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty()) return {};
    QProcess::execute(tool, {QStringLiteral("-r"), QString::number(kRenderDpi),
                             QStringLiteral("-gray"), QStringLiteral("-singlefile"), pdf, stem});
    return QImage(stem + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
}

// The horizontal extent of the ink inside a rectangle of the image, if any.
std::optional<std::pair<int, int>> ink_extent(const QImage& image, QRect area) {
    area = area.intersected(image.rect());
    int left = area.right() + 1;
    int right = area.left() - 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = area.left(); x <= area.right(); ++x) {
            if (row[x] < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    if (left > right) return std::nullopt;
    return std::pair{left, right + 1};
}

int leading_blanks(const QString& s) {
    int n = 0;
    while (n < s.size() && s[n] == QLatin1Char(' ')) ++n;
    return n;
}

struct Report {
    const char* name;
    ReportDocument doc;
};

std::vector<Report> all_reports() {
    using namespace testing;
    return {
        {"geometry", build_geometry_report(geometry_form(), geometry_sheet(), kStamp)},
        {"jg1", build_strength_report(strength_form_jg1(), strength_sheet_jg1(), kStamp)},
        {"jg2", build_strength_report(strength_form_jg2(), strength_sheet_jg2(), kStamp)},
        {"jg3", build_strength_report(strength_form_jg3(), strength_sheet_jg3(), kStamp)},
    };
}

TEST(PrintedPage, EveryItemStandsAtItsColumnAndEveryCaptionIsCentred) {
    QTemporaryDir dir;
    for (const Report& report : all_reports()) {
        SCOPED_TRACE(report.name);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QString pdf = dir.filePath(QString::fromUtf8(report.name) + QStringLiteral(".pdf"));
        printer.setOutputFileName(pdf);
        QString error;
        ASSERT_TRUE(paint_report(report.doc, printer, &error)) << error.toStdString();
        const QImage page = render_first_page(pdf, dir.filePath(QString::fromUtf8(report.name)));
        ASSERT_FALSE(page.isNull()) << "pdftoppm (poppler-utils) renders the page";

        // Device pixels of the layout to pixels of the rendered page.
        const qreal scale = qreal(kRenderDpi) / printer.resolution();
        const QPointF offset = printer.pageLayout().paintRectPixels(printer.resolution()).topLeft();
        const auto px = [&](qreal device_x) { return (device_x + offset.x()) * scale; };

        int captions = 0;
        for (const PaperText& t : lay_out_on_paper(report.doc, printer, printer.height())) {
            SCOPED_TRACE(t.text.toStdString());
            ASSERT_EQ(t.page, 0);
            const qreal cell = report_column_width(t.points, printer);
            const QFontMetricsF m(report_font(t.points), &printer);
            const int lead = leading_blanks(t.text);
            const int visible = report_columns(t.text.trimmed());
            if (visible == 0) continue;
            // The item's own columns and its line's height, nothing of its neighbours.
            const QRectF own(t.origin.x(), t.origin.y() - m.ascent(), report_columns(t.text) * cell,
                             m.ascent() + m.descent());
            const auto ink = ink_extent(
                page,
                QRect(QPoint(int(px(own.left())), int((own.top() + offset.y()) * scale)),
                      QPoint(int(px(own.right())), int((own.bottom() + offset.y()) * scale))));
            ASSERT_TRUE(ink.has_value());
            const qreal text_left = px(t.origin.x() + lead * cell);
            const qreal text_right = px(t.origin.x() + (lead + visible) * cell);
            const qreal col = cell * scale;
            // Ink begins in the item's first column of text and ends in its last.
            EXPECT_GE(ink->first, text_left - 1);
            EXPECT_LT(ink->first, text_left + 0.6 * col);
            EXPECT_LE(ink->second, text_right + 1);
            EXPECT_GT(ink->second, text_right - 0.6 * col);
            // A row caption: 22 columns from column 12, the name centred between blanks.
            const bool caption =
                report_columns(t.text) == 22 && std::abs(t.origin.x() - 11 * cell) < 1e-6;
            if (!caption) continue;
            ++captions;
            const qreal centre = (ink->first + ink->second) / 2.0;
            EXPECT_NEAR(centre, (text_left + text_right) / 2, col / 4);
        }
        EXPECT_GE(captions, 20);
        // Nothing is drawn beyond the printable area of the A4 page.
        const auto all_ink = ink_extent(page, page.rect());
        ASSERT_TRUE(all_ink.has_value());
        EXPECT_GE(all_ink->first, px(0) - 1);
        EXPECT_LE(all_ink->second, px(printer.width()) + 1);
    }
}

}  // namespace
}  // namespace gp
