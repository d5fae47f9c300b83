// Qt's own texts (a text field's context menu, standard dialogs) in Simplified
// Chinese, to match the program's own.
#pragma once

class QCoreApplication;

namespace gp {

// Installs Qt's Simplified Chinese translations on the application. False when
// they are not installed (Qt's texts then stay in English).
bool install_qt_chinese(QCoreApplication& app);

}  // namespace gp
