// The one zoom rule of the windows Qt lays out: a window's size clamped to its screen,
// its place beside the window it came from, and the zoom taken down where the screen
// cannot hold the window's least layout.
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

#include "window_zoom.h"

using namespace gp;

class WindowZoomTest : public QObject {
    Q_OBJECT

  private slots:
    // Over screens and anchors: the window is always within the screen, never over
    // the anchor where the two fit side by side, never narrower than its least width
    // unless the screen itself is, and the anchor moves only when allowed.
    void a_window_beside_another_stays_on_the_screen() {
        const QRect screens[] = {QRect(0, 0, 1024, 738), QRect(0, 30, 1400, 970),
                                 QRect(-1920, 0, 1920, 1050)};
        int beside = 0;
        for (const QRect& avail : screens) {
            for (int anchor_w : {300, 520, 900}) {
                for (int anchor_x : {0, 200, 600}) {
                    for (QSize outer : {QSize(700, 500), QSize(1200, 800)}) {
                        for (bool may_move : {false, true}) {
                            const QRect anchor(avail.left() + anchor_x, avail.top() + 20,
                                               anchor_w, 560);
                            const int least = 400;
                            const BesidePlace p =
                                place_beside(avail, anchor, outer, least, may_move);
                            const QString at = QStringLiteral("%1 anchor %2@%3 %4x%5 move %6")
                                                   .arg(avail.width()).arg(anchor_w).arg(anchor_x)
                                                   .arg(outer.width()).arg(outer.height()).arg(may_move);
                            if (outer.height() <= avail.height())
                                QVERIFY2(avail.contains(p.window), qPrintable(at));
                            QVERIFY2(p.window.width() <= outer.width(), qPrintable(at));
                            if (!may_move) QCOMPARE(p.anchor, anchor.topLeft());
                            const QRect moved(p.anchor, anchor.size());
                            QVERIFY2(avail.contains(moved) || moved == anchor, qPrintable(at));
                            if (avail.width() - anchor_w < least) continue;  // centred
                            QVERIFY2(p.window.width() >= least, qPrintable(at));
                            const bool room = std::max(avail.right() - anchor.right(),
                                                       anchor.left() - avail.left()) >= least;
                            if (may_move || room) {
                                QVERIFY2(!p.window.intersects(moved), qPrintable(at));
                                ++beside;
                            }
                        }
                    }
                }
            }
        }
        QVERIFY(beside > 40);
    }

    // A size is the wanted one within the share of the room, never below the least
    // size while the room holds it.
    void a_size_is_clamped_to_the_room() {
        const QSize room(1000, 700);
        QCOMPARE(clamped_size(QSize(500, 400), QSize(100, 100), room), QSize(500, 400));
        QCOMPARE(clamped_size(QSize(2000, 400), QSize(100, 100), room), QSize(900, 400));
        QCOMPARE(clamped_size(QSize(300, 200), QSize(600, 650), room), QSize(600, 630));
    }

    // A window whose least size grows with its type takes the zoom asked for where the
    // screen holds it, a smaller one where not, and never less than kLeastZoom.
    void the_zoom_is_taken_down_to_what_the_screen_holds() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* label = new QLabel;
        layout->addWidget(label);
        const QSize room = room_on_screen(&window) * kScreenShare;
        for (const double share : {0.3, 0.8, 1.6, 40.0}) {
            const auto apply = [&](double factor) {
                label->setMinimumWidth(static_cast<int>(room.width() * share * factor / 2));
            };
            const double taken = zoom_laid_out_window(&window, 200, apply);
            QVERIFY(taken >= kLeastZoom && taken <= 2.0);
            if (share <= 0.8) QCOMPARE(taken, 2.0);  // its least size fits at 200 %
            if (taken > kLeastZoom)
                QVERIFY(window.minimumSizeHint().width() <= room.width());
            if (share == 40.0) QCOMPARE(taken, kLeastZoom);
        }
    }
};

QTEST_MAIN(WindowZoomTest)
#include "window_zoom_test.moc"
