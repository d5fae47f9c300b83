#include "manual_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>
#include <vector>

#include "messages/manual.h"
#include "qt_text.h"
#include "window_places.h"

namespace gp {

namespace {

// The copy built into the program (docs/ under the prefix /gearpair).
const QUrl kBuiltIn(QStringLiteral("qrc:/gearpair/manual/manual.md"));

// Screenshots wider than this are shown smaller, so that the text beside them
// keeps a readable width.
constexpr int kMaxImageWidth = 720;

// Anchors are written in the manual as `<a id="zxja"></a>`, which a Markdown viewer
// understands; Qt's Markdown reader drops raw HTML, so each one is turned into a
// marker before reading and the marker into an anchor afterwards.
const QRegularExpression kAnchorTag(QStringLiteral("<a id=\"([A-Za-z0-9_-]+)\"></a>"));
const QRegularExpression kMarker(QStringLiteral("\u27E6([A-Za-z0-9_-]+)\u27E7"));
const QString kMarkerText = QStringLiteral("\u27E6\\1\u27E7");

// The file behind a resolved URL, for QFile and QImageReader.
QString file_of(const QUrl& url) {
    return url.scheme() == QLatin1String("qrc") ? QLatin1Char(':') + url.path() : url.toLocalFile();
}

// Each marker's text removed; the rest of its line carries the anchor name.
void mark_anchors(QTextDocument* doc) {
    for (QTextCursor at = doc->find(kMarker); !at.isNull(); at = doc->find(kMarker, at)) {
        const QString name = kMarker.match(at.selectedText()).captured(1);
        at.removeSelectedText();
        QTextCursor line(at);
        line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        if (!line.hasSelection())
            line.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorNames({name});
        line.mergeCharFormat(anchor);
    }
}

void fit_images(QTextDocument* doc) {
    std::vector<std::pair<QTextFragment, QTextImageFormat>> wide;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat()) continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const QSize size =
                QImageReader(file_of(doc->baseUrl().resolved(QUrl(image.name())))).size();
            if (size.width() <= kMaxImageWidth || size.height() <= 0) continue;
            image.setWidth(kMaxImageWidth);
            image.setHeight(double(size.height()) * kMaxImageWidth / size.width());
            wide.emplace_back(fragment, image);
        }
    }
    for (const auto& [fragment, image] : wide) {
        QTextCursor c(doc);
        c.setPosition(fragment.position());
        c.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
        c.setCharFormat(image);
    }
}

// Room between paragraphs, above headings and after a list; list items and table
// cells stay close.
void space_blocks(QTextDocument* doc) {
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        QTextCursor at(block);
        if (at.currentTable()) continue;
        const QTextList* list = block.textList();
        if (list && block.next().isValid() && block.next().textList() == list) continue;
        QTextBlockFormat format;
        const bool heading = block.blockFormat().headingLevel() > 0;
        format.setTopMargin(heading ? 14 : 0);
        format.setBottomMargin(6);
        at.mergeBlockFormat(format);
    }
}

// Tables with thin grey rules, room in the cells and the head row shaded.
void style_tables(QTextDocument* doc) {
    for (QTextFrame* frame : doc->rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        QTextTableFormat format = table->format();
        format.setBorder(1);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderBrush(QColor(0xc8, 0xc8, 0xc8));
        format.setBorderCollapse(true);
        format.setCellSpacing(0);
        format.setCellPadding(4);
        table->setFormat(format);
        for (int column = 0; column < table->columns(); ++column) {
            QTextTableCell head = table->cellAt(0, column);
            QTextCharFormat shaded = head.format();
            shaded.setBackground(QColor(0xee, 0xf0, 0xf3));
            head.setFormat(shaded);
        }
    }
}

}  // namespace

ManualWindow::ManualWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("manual"));
    setWindowTitle(qt(msg::manual::kWindowTitle));
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    auto* close_action = new QAction(this);
    close_action->setShortcut(Qt::Key_Escape);
    connect(close_action, &QAction::triggered, this, &QWidget::close);
    addAction(close_action);
    load();
}

QString ManualWindow::installed_path() {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral(GEARPAIR_MANUAL_FROM_PROGRAM));
}

void ManualWindow::load() {
    const QString installed = installed_path();
    source_ = QFileInfo::exists(installed) ? QUrl::fromLocalFile(installed) : kBuiltIn;
    QFile file(file_of(source_));
    if (!file.open(QIODevice::ReadOnly)) {
        browser_->setPlainText(qt(msg::manual::kMissing));
        return;
    }
    QString text = QString::fromUtf8(file.readAll());
    text.replace(kAnchorTag, kMarkerText);
    QTextDocument* doc = browser_->document();
    doc->setBaseUrl(source_);
    browser_->setMarkdown(text);
    doc->setDocumentMargin(16);
    mark_anchors(doc);
    fit_images(doc);
    style_tables(doc);
    space_blocks(doc);
}

void ManualWindow::open_at(const QString& anchor, const QWidget* beside) {
    if (!placed_) {
        place_beside(beside);
        keep_window_place(this, QStringLiteral("manual"));
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    if (anchor.isEmpty()) {
        browser_->moveCursor(QTextCursor::Start);
        browser_->ensureCursorVisible();
    } else {
        browser_->scrollToAnchor(anchor);
    }
}

// About 880 × 1000, within 90 % of the screen's available area; to the right of
// `beside` when there is room, else to its left, else over it, inside the screen.
void ManualWindow::place_beside(const QWidget* beside) {
    const QScreen* screen =
        beside && beside->screen() ? beside->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const QSize size(std::min(880, room.width() * 9 / 10), std::min(1000, room.height() * 9 / 10));
    resize(size);
    QPoint at = room.topLeft() +
                QPoint((room.width() - size.width()) / 2, (room.height() - size.height()) / 2);
    if (beside) {
        const QRect next = beside->frameGeometry();
        if (next.right() + size.width() <= room.right()) {
            at = QPoint(next.right() + 1, next.top());
        } else if (next.left() - size.width() >= room.left()) {
            at = QPoint(next.left() - size.width(), next.top());
        } else {
            at = next.topLeft();
        }
    }
    at.setX(std::clamp(at.x(), room.left(), room.right() - size.width()));
    at.setY(std::clamp(at.y(), room.top(), room.bottom() - size.height()));
    move(at);
}

}  // namespace gp
