#include "notice_strip.h"

#include <QPalette>
#include <QStringList>

#include "qt_text.h"

namespace gp {

namespace {

const QLatin1String kName("notices");

}  // namespace

NoticeStrip::NoticeStrip(QWidget* window) : QLabel(window), layout_height_(window->height()) {
    setObjectName(kName);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setMargin(6);
    setFrameShape(QFrame::StyledPanel);
    // The pale yellow of a note, readable in the system's text colour.
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xff, 0xf4, 0xce));
    p.setColor(QPalette::WindowText, QColor(0x33, 0x2b, 0x00));
    setPalette(p);
    hide();
}

NoticeStrip* NoticeStrip::of(QWidget* window, bool make) {
    // By name: without a meta-object of its own, findChild<NoticeStrip*> would take
    // any label for one.
    if (auto* strip = dynamic_cast<NoticeStrip*>(
            window->findChild<QLabel*>(kName, Qt::FindDirectChildrenOnly))) {
        return strip;
    }
    return make ? new NoticeStrip(window) : nullptr;
}

void NoticeStrip::show_on(QWidget* window, const std::vector<std::string>& notices) {
    if (NoticeStrip* strip = of(window, !notices.empty())) strip->show_notices(notices);
}

void NoticeStrip::show_notices(const std::vector<std::string>& notices) {
    notices_ = notices;
    refresh();
}

void NoticeStrip::set_note(const std::string& text, const std::string& explanation) {
    note_ = text;
    explanation_ = explanation;
    refresh();
}

void NoticeStrip::set_status(const std::string& text) {
    status_ = text;
    refresh();
}

void NoticeStrip::refresh() {
    QStringList shown, tip;
    if (!note_.empty()) {
        shown << qt(note_);
        tip << qt(note_);
        if (!explanation_.empty()) tip << qt(explanation_);
    }
    for (const std::string& n : notices_) shown << qt(n), tip << qt(n);
    if (!status_.empty()) shown << qt(status_), tip << qt(status_);
    lines_ = int(shown.size());
    setText(shown.join(QLatin1Char('\n')));
    setToolTip(tip.join(QLatin1Char('\n')));
    fit(layout_height_);
}

void NoticeStrip::fit(int layout_height) {
    layout_height_ = layout_height;
    QWidget* window = parentWidget();
    const int width = window->width();
    ensurePolished();
    added_ = lines_ == 0 ? 0 : heightForWidth(width);
    setGeometry(0, layout_height, width, added_);
    setVisible(added_ > 0);
    window->setFixedHeight(layout_height + added_);
}

}  // namespace gp
