#include "qt_clock.h"

#include <QDateTime>
#include <QLocale>

namespace gp {

QString time_format_with_seconds(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (format.contains(QLatin1Char('s'))) return format;
    const qsizetype last_minute = format.lastIndexOf(QLatin1Char('m'));
    if (last_minute < 0) return format + QStringLiteral(":ss");
    format.insert(last_minute + 1, QStringLiteral(":ss"));
    return format;
}

ReportStamp QtClock::now() {
    // Date and time from one reading, so a save at midnight cannot mix two days.
    const QDateTime moment = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    ReportStamp stamp;
    stamp.date = locale.toString(moment.date(), QLocale::ShortFormat).toStdString();
    stamp.time = locale.toString(moment.time(), time_format_with_seconds(locale)).toStdString();
    return stamp;
}

}  // namespace gp
