// Records the reports (and pictures) it is asked to print and answers with a chosen outcome.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <string>
#include <vector>

#include "report_printer.h"

namespace gp {

class FakeReportPrinter : public ReportPrinter {
  public:
    PrintOutcome print(const ReportDocument& doc) override {
        printed.push_back(doc);
        return outcome;
    }
    PrintOutcome print_drawing(const PageDrawing& drawing) override {
        // Painted on an A4-sized page, as a printer would, so that the picture's
        // painting runs in every test that prints it.
        QImage page(794, 1123, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        drawing.paint(painter, QRectF(page.rect()));
        painter.end();
        drawings.push_back(drawing.title);
        last_drawing = page;
        return outcome;
    }

    PrintOutcome outcome;  // Printed unless a test says otherwise
    std::vector<ReportDocument> printed;
    std::vector<std::string> drawings;  // titles of the pictures printed
    QImage last_drawing;
};

}  // namespace gp
