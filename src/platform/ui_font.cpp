#include "ui_font.h"

#include <QStringList>

namespace gp {

QFont ui_font() {
    QFont font;
#ifdef Q_OS_WIN
    // What a Chinese Windows has: Microsoft YaHei since Vista, SimSun before it.
    font.setFamilies({QStringLiteral("Microsoft YaHei"), QStringLiteral("SimSun")});
#else
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
#endif
    font.setPixelSize(12);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace gp
