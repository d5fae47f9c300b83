#include "first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace gp {
namespace {

using Clock = std::chrono::steady_clock;

// Taken while the program's globals are set up, before main runs.
const Clock::time_point kProgramStart = Clock::now();

class FirstPaintWatch : public QObject {
  public:
    FirstPaintWatch(QApplication& app, bool end_after) : QObject(&app), end_after_(end_after) {}

  protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() != QEvent::Paint || !target->isWidgetType()) return false;
        if (!static_cast<QWidget*>(target)->window()->isVisible()) return false;
        qApp->removeEventFilter(this);
        // Queued, so that it runs once this paint and the others of the same
        // update have been handled.
        QTimer::singleShot(0, this, [this] { report(); });
        return false;
    }

  private:
    void report() {
        const std::chrono::duration<double, std::milli> elapsed = Clock::now() - kProgramStart;
        std::fprintf(stderr, "gearpair: first paint after %.3f ms\n", elapsed.count());
        std::fflush(stderr);
        if (end_after_) QCoreApplication::exit(0);
    }

    bool end_after_;
};

}  // namespace

void watch_first_paint(QApplication& app) {
    if (!qEnvironmentVariableIsSet(kFirstPaintVariable)) return;
    const bool end_after = qEnvironmentVariable(kFirstPaintVariable) == QStringLiteral("exit");
    app.installEventFilter(new FirstPaintWatch(app, end_after));
}

}  // namespace gp
