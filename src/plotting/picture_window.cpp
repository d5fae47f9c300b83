#include "picture_window.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QSaveFile>
#include <QSvgGenerator>

#include "messages/base.h"
#include "messages/mesh.h"
#include "qt_text.h"
#include "ui_font.h"

namespace gp {

namespace {

const std::vector<QString> kPictureSuffixes = {QStringLiteral("svg"), QStringLiteral("png")};

}  // namespace

std::optional<QString> write_picture_file(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return qt(msg::mesh::not_written(QDir::toNativeSeparators(path).toStdString(),
                                         file.errorString().toStdString()));
    }
    return std::nullopt;
}

std::vector<std::string> dialog_filters(const char* text) {
    std::vector<std::string> filters;
    for (const QString& f : qt(text).split(QStringLiteral(";;"))) filters.push_back(f.toStdString());
    return filters;
}

std::pair<QString, std::size_t> with_suffix(const SaveChoice& choice,
                                            const std::vector<QString>& suffixes) {
    const QString path = qt(choice.path);
    const QString typed = QFileInfo(path).suffix().toLower();
    for (std::size_t k = 0; k < suffixes.size(); ++k) {
        if (typed == suffixes[k]) return {path, k};
    }
    const std::size_t kind = choice.filter < suffixes.size() ? choice.filter : 0;
    return {path + QLatin1Char('.') + suffixes[kind], kind};
}

PictureWindow::PictureWindow(Texts texts, DesktopServices desktop, FileDialogs& dialogs,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), desktop_(desktop), dialogs_(dialogs), texts_(texts) {
    setWindowTitle(qt(texts_.title));
    setFont(ui_font());
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
}

QLabel* PictureWindow::new_hint_label(const char* text) {
    auto* hint = new QLabel(qt(text));
    // Grey through the palette (a style sheet would keep the label from the window's
    // zoomed type).
    QPalette grey = hint->palette();
    grey.setColor(QPalette::WindowText, Qt::gray);
    hint->setPalette(grey);
    hint->setWordWrap(true);
    return hint;
}

std::optional<QString> PictureWindow::save_picture(const QString& path) const {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QRectF page(QPointF(0, 0), QSizeF(kPicturePageSize));
    const PagePainter paint = page_painter();
    QByteArray bytes;
    if (suffix == QLatin1String("svg")) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(kPicturePageSize);
        svg.setViewBox(page);
        svg.setResolution(kPicturePageDpi);  // an A4 page in millimetres
        svg.setTitle(qt(texts_.title));
        svg.setDescription(page_caption());
        QPainter painter(&svg);
        paint(painter, page);
        painter.end();
    } else if (suffix == QLatin1String("png")) {
        QImage image(kPicturePageSize, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        paint(painter, page);
        painter.end();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    } else {
        return qt(msg::mesh::unknown_picture_type(QDir::toNativeSeparators(path).toStdString()));
    }
    return write_picture_file(path, bytes);
}

void PictureWindow::print_picture() {
    PageDrawing drawing;
    drawing.title = texts_.title;
    drawing.paint = page_painter();
    const PrintOutcome out = desktop_.printer.print_drawing(drawing);
    switch (out.kind) {
        case PrintOutcome::Kind::Printed:
            return;
        case PrintOutcome::Kind::SavedAsPdf:
            tell(qt(texts_.printed_to_pdf(out.reason, out.pdf_path)), false);
            return;
        case PrintOutcome::Kind::Failed:
            tell(qt(texts_.not_printed(out.reason)), true);
            return;
    }
}

void PictureWindow::ask_and_save_picture() {
    const auto choice =
        dialogs_.save_path_of_kind(texts_.save_title,
                                   QDir::home().filePath(picture_file_name()).toStdString(),
                                   dialog_filters(msg::mesh::kPictureFilter));
    if (!choice) return;
    const QString path = with_suffix(*choice, kPictureSuffixes).first;
    if (const auto error = save_picture(path)) tell(*error, true);
}

void PictureWindow::tell(const QString& text, bool failure) {
    desktop_.boxes.show(msg::kNoticeTitle, text.toStdString(),
                        failure ? MessageIcon::Warning : MessageIcon::Information);
}

}  // namespace gp
