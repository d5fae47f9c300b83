// The program's shell on recording fakes, driven the way a user drives it: typing
// into fields, clicking buttons, reading labels.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <string>
#include <vector>

#include "fake_clock.h"
#include "fake_file_dialogs.h"
#include "fake_message_boxes.h"
#include "fake_report_dialogs.h"
#include "fake_report_files.h"
#include "fake_report_printer.h"
#include "geometry_sheet.h"
#include "input_form.h"
#include "shell.h"
#include "strength_sheet.h"

namespace gp::testing {

using FormTexts = std::map<std::string, std::string>;

// The worked spur pair: z1 = 20, z2 = 40, mn = 2, αn = 20°, β = 0, a = 60, han = 1,
// cn = 0.25, xn = ±0.08, b = 30, T = 10 kgf·m. Strength sheet jg1.
inline FormTexts spur_example() {
    return {{"zxja", "60"},      {"fmn", "2"},      {"fjafn", "20"},   {"lxjbt", "0"},
            {"ckbw", "30"},      {"h0", "1"},       {"c0", "0.25"},    {"nj", "10"},
            {"cs1z1", "20"},     {"cs2z2", "40"},   {"ess1", "-0.1"},  {"ess2", "-0.1"},
            {"esi1", "-0.2"},    {"esi2", "-0.2"},  {"fr1", "0.05"},   {"fr2", "0.05"},
            {"xng1", "0.08"},    {"xng2", "-0.08"}, {"cgyj1", "0.76"}, {"cgyj2", "0.76"},
            {"ck1", "30"},       {"ck2", "30"},     {"th1", "B-1"},    {"th2", "B-2"},
            {"jd1", "8-7-7 HK"}, {"jd2", "6级"}};
}

// A form from a header and a row in the batch tool's CSV format (no quoted cells).
inline FormTexts form_from_csv(const std::string& header, const std::string& row) {
    auto split = [](const std::string& line) {
        std::vector<std::string> cells(1);
        for (char c : line) {
            if (c == ',') {
                cells.emplace_back();
            } else {
                cells.back() += c;
            }
        }
        return cells;
    };
    const auto names = split(header);
    const auto cells = split(row);
    FormTexts out;
    for (std::size_t i = 0; i < names.size() && i < cells.size(); ++i) {
        if (names[i] != "dx") out[names[i]] = cells[i];
    }
    return out;
}

// The columns of the golden cases file, in its order.
inline const std::string kCasesHeader =
    "zxja,fmn,fjafn,lxjbt,ckbw,h0,c0,nj,cs1z1,cs2z2,ess1,ess2,esi1,esi2,fr1,fr2,xng1,xng2,dpg1,"
    "dpg2,cgyj1,cgyj2,ck1,ck2,th1,th2,jd1,jd2,dx";

// Helical pairs from the golden cases whose strength goes to jg2 and to jg3.
inline FormTexts helical_jg2() {
    return form_from_csv(kCasesHeader,
                         "63.85066634961397,2,20,20,9.112022898463938,1,0.25,10,20,40,-0.1,-0.1,"
                         "-0.2,-0.2,0.05,0.05,0,0,,,0.76,0.76,30,30,B-1,B-2,,,dx1");
}
inline FormTexts helical_jg3() {
    return form_from_csv(kCasesHeader,
                         "107.043,1,20,27.5,9,0.8,0.3,398.81,54,135,-0.13,-0.091,-0.216,-0.203,"
                         "0.051,0.057,0.1702,0.3423,,1.67,0.327,0.366,14,9,TH-3978,TH-7192,"
                         "8-7-7 HK,6级,dx1");
}

// Text that key clicks can type: printable ASCII (a tab would move the focus).
inline bool is_typeable(const std::string& s) {
    for (unsigned char c : s) {
        if (c < 0x20 || c >= 0x7f) return false;
    }
    return true;
}

// Whether the windows open where an earlier shell of the same test left them, or
// (so that tests do not reach into each other) as on a first run.
enum class KeptPlaces { Forget, Keep };

class ShellHarness {
  public:
    // `files` replaces the recording fake, e.g. by real files in a temporary folder.
    explicit ShellHarness(ReportFiles* files = nullptr, KeptPlaces places = KeptPlaces::Forget)
        : shell_(
              DesktopServices{boxes, printer, files ? *files : fake_files, clock, report_dialogs},
              [this] { ++program_ends; }) {
        if (places == KeptPlaces::Forget) {
            QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("gearpair"),
                      QStringLiteral("gearpair"))
                .remove(QStringLiteral("windows"));
        }
        shell_.use_file_dialogs(file_dialogs);
        shell_.start();
    }

    Shell& shell() { return shell_; }
    InputForm& form() { return *shell_.form(); }
    // The form field of that name (tests name fields as the batch tool's columns do).
    QLineEdit* field(const std::string& name) {
        const auto f = find_input_field(name);
        return f ? form().field(f->text) : nullptr;
    }

    // Types into a field as a user does: select all, then type. Key events carry
    // printable ASCII only; other text is put in as an input method or a paste would.
    void type(const std::string& name, const std::string& text) {
        QLineEdit* edit = field(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        if (is_typeable(text)) {
            QTest::keyClicks(edit, QString::fromStdString(text));
        } else {
            edit->insert(QString::fromStdString(text));
        }
    }
    void fill(const FormTexts& texts) {
        for (const auto& [name, text] : texts) type(name, text);
    }
    FormTexts texts() {
        FormTexts out;
        for (const InputField& f : kInputFields) {
            out[f.name] = field(f.name)->text().toStdString();
        }
        return out;
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void click(FormButton which) { click(form().button(which)); }
    void click_on_sheet(SheetButton which) {
        SheetWindow* sheet = shell_.geometry_sheet() && shell_.geometry_sheet()->isVisible()
                                 ? static_cast<SheetWindow*>(shell_.geometry_sheet())
                                 : shell_.strength_sheet();
        QVERIFY(sheet != nullptr);
        click(sheet->button(which));
    }

    // Lets windows that were unloaded go.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static std::vector<std::string> visible_windows() {
        std::vector<std::string> out;
        for (const QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) out.push_back(w->objectName().toStdString());
        }
        return out;
    }

    FakeMessageBoxes boxes;
    FakeReportPrinter printer;
    FakeReportFiles fake_files;
    FakeClock clock;
    FakeFileDialogs file_dialogs;
    FakeReportDialogs report_dialogs;
    int program_ends = 0;

  private:
    Shell shell_;
};

}  // namespace gp::testing

// Every GUI test runs on the offscreen platform, whatever the environment says.
// Settings (recent files, zoom) go to a folder of their own, never the user's. An
// offscreen platform with options (a screen of a given size) is kept.
#define GEARPAIR_GUI_TEST_MAIN(TestClass)                                                    \
    int main(int argc, char* argv[]) {                                                       \
        if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen"))) \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                         \
        QApplication app(argc, argv);                                                        \
        QTemporaryDir settings;                                                              \
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());     \
        TestClass test;                                                                      \
        return QTest::qExec(&test, argc, argv);                                              \
    }
