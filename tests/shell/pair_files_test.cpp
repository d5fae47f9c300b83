// Pair files in the desktop program: open, save, save as, the title, the question
// before changes are lost, files that are not pairs, a round trip through a file
// and a new start, the batch tool on a saved pair, and the zoom.
#include <QAction>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <fstream>
#include <sstream>
#include <tuple>

#include "csv.h"
#include "gbk.h"
#include "messages/base.h"
#include "pair_document.h"
#include "pair_file.h"
#include "shell_harness.h"
#include "twips.h"

using namespace gp;
using namespace gp::testing;
using namespace std::string_literals;

namespace {

const std::string kTitle = "齿轮参数及强度计算-根据Tolmaren方法编写";

std::string title(ShellHarness& h) { return h.form().windowTitle().toStdString(); }

std::string read_bytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void write_bytes(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

QAction* menu_action(InputForm& form, const char* text) {
    for (QAction* menu : form.menuBar()->actions()) {
        for (QAction* a : menu->menu()->actions()) {
            if (a->text() == QString::fromUtf8(text)) return a;
        }
    }
    return nullptr;
}

std::map<std::string, std::string> sheet_texts(SheetWindow* sheet) {
    std::map<std::string, std::string> out;
    for (QLabel* l : sheet->findChildren<QLabel*>()) {
        out[l->objectName().toStdString()] = l->text().toStdString();
    }
    return out;
}

}  // namespace

class PairFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(dir_.isValid()); }

    void save_save_as_open_and_the_title() {
        ShellHarness h;
        QCOMPARE(title(h), kTitle);
        h.fill(spur_example());
        QCOMPARE(title(h), kTitle);  // no file, no name and no star

        // Saving a pair that has no file yet asks where, proposing its drawing number.
        const QString a = dir_.filePath("a.csv");
        h.file_dialogs.save_paths = {a.toStdString()};
        h.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.form()));
        QTest::keyClick(&h.form(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(h.file_dialogs.asked.back().ends_with("/B-1.csv"));
        QCOMPARE(read_bytes(a), write_pair_file(h.form().read()));
        QCOMPARE(title(h), kTitle + " - a.csv");

        h.type("zxja", "61");
        QCOMPARE(title(h), kTitle + " - a.csv*");
        h.type("zxja", "60");  // back as saved: nothing to save
        QCOMPARE(title(h), kTitle + " - a.csv");
        h.click(h.form().equal_noise());
        QCOMPARE(title(h), kTitle + " - a.csv*");

        // 保存 writes to the open file without asking.
        const auto asked = h.file_dialogs.asked.size();
        QTest::keyClick(&h.form(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(h.file_dialogs.asked.size(), asked);
        QCOMPARE(title(h), kTitle + " - a.csv");
        QVERIFY(read_bytes(a).ends_with(",dx2\r\n"));

        // 另存为… to another name; both are now recent files, the newer first.
        const QString b = dir_.filePath("b.csv");
        h.file_dialogs.save_paths = {b.toStdString()};
        QTest::keyClick(&h.form(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(title(h), kTitle + " - b.csv");
        QCOMPARE(read_bytes(a), read_bytes(b));
        QCOMPARE(Preferences().recent_files().mid(0, 2), (QStringList{b, a}));
        QVERIFY(menu_action(h.form(), "&1 b.csv"));
        QVERIFY(menu_action(h.form(), "&2 a.csv"));

        // A cancelled dialog changes nothing.
        h.file_dialogs.save_paths = {std::nullopt};
        QTest::keyClick(&h.form(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(title(h), kTitle + " - b.csv");

        // 打开… in a new session: the texts and the option come back exactly.
        ShellHarness again;
        again.file_dialogs.open_paths = {a.toStdString()};
        QVERIFY(again.shell().document()->open());
        QCOMPARE(again.texts(), h.texts());
        QVERIFY(again.form().equal_noise()->isChecked());
        QCOMPARE(title(again), kTitle + " - a.csv");
        QCOMPARE(again.file_dialogs.asked.front(), "open " + dir_.path().toStdString());
    }

    void a_failed_save_keeps_the_old_file_and_says_why() {
        ShellHarness h;
        h.fill(spur_example());
        const QString a = dir_.filePath("kept.csv");
        h.file_dialogs.save_paths = {a.toStdString(),
                                     dir_.filePath("no/such/folder/x.csv").toStdString()};
        QVERIFY(h.shell().document()->save());
        const std::string before = read_bytes(a);
        h.type("th1", "changed");
        QVERIFY(!h.shell().document()->save_as());
        QCOMPARE(h.boxes.shown.size(), std::size_t(1));
        QCOMPARE(h.boxes.shown[0].title, "提示"s);
        QVERIFY(h.boxes.shown[0].text.starts_with("齿轮副未能保存到"));
        QVERIFY(h.boxes.shown[0].text.size() > "齿轮副未能保存到"s.size() + 10);  // a reason
        QCOMPARE(read_bytes(a), before);
        QCOMPARE(title(h), kTitle + " - kept.csv*");  // still the old file, still changed
    }

    void leaving_a_changed_file_asks_once() {
        const QString a = dir_.filePath("leave.csv");
        for (const SaveAnswer answer :
             {SaveAnswer::Cancel, SaveAnswer::Discard, SaveAnswer::Save}) {
            ShellHarness h;
            h.fill(spur_example());
            h.file_dialogs.save_paths = {a.toStdString()};
            QVERIFY(h.shell().document()->save());
            h.type("th2", "new");
            h.file_dialogs.answers = {answer};
            h.click(FormButton::Exit);
            QCOMPARE(h.file_dialogs.asked.back(), "保存对leave.csv的修改吗？"s);
            if (answer == SaveAnswer::Cancel) {
                QCOMPARE(h.program_ends, 0);
                QVERIFY(h.boxes.shown.empty());
                QCOMPARE(h.visible_windows(), std::vector<std::string>{"js"});
                QCOMPARE(h.field("th2")->text(), QStringLiteral("new"));
                continue;
            }
            QCOMPARE(h.program_ends, 1);
            QCOMPARE(h.boxes.shown.size(), std::size_t(1));  // then the closing message
            QCOMPARE(h.boxes.shown[0].title, std::string(msg::kAppTitle));
            const auto read = std::get<PairFile>(read_pair_file(read_bytes(a)));
            QCOMPARE(read.rows[0].input.th2, answer == SaveAnswer::Save ? "new"s : "B-2"s);
        }
        // From a sheet too; and with no file open, leaving is as it always was.
        ShellHarness h;
        h.fill(spur_example());
        h.file_dialogs.save_paths = {a.toStdString()};
        QVERIFY(h.shell().document()->save());
        h.type("jd1", "x");
        h.click(FormButton::ComputeGeometry);
        h.file_dialogs.answers = {SaveAnswer::Cancel};
        h.click_on_sheet(SheetButton::Exit);
        QCOMPARE(h.program_ends, 0);
        QCOMPARE(h.visible_windows(), std::vector<std::string>{"jg"});
        ShellHarness plain;
        plain.fill(spur_example());
        // Opening a file over typed texts that are in no file asks first, though.
        plain.file_dialogs.answers = {SaveAnswer::Cancel};
        plain.file_dialogs.open_paths = {a.toStdString()};
        const FormTexts typed = plain.texts();
        QVERIFY(!plain.shell().document()->open());
        QCOMPARE(plain.file_dialogs.asked,
                 std::vector<std::string>{"保存对未命名的齿轮副的修改吗？"});
        QCOMPARE(plain.texts(), typed);
        plain.file_dialogs.asked.clear();
        plain.click(FormButton::Exit);
        QVERIFY(plain.file_dialogs.asked.empty());
        QCOMPARE(plain.program_ends, 1);
    }

    void files_that_are_not_a_pair_leave_the_form_as_it_was_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const std::string& bytes, const char* message) {
            QTest::newRow(name) << QByteArray(bytes.data(), qsizetype(bytes.size()))
                                << QString::fromUtf8(message);
        };
        row("binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "二进制");
        row("header only", "\xEF\xBB\xBFzxja,fmn,dx\r\n", "只有标题行");
        row("empty", "", "第1行：文件是空的");
        row("long row", "zxja,fmn\n60,2,3\n", "第2行：有3个单元格，而标题行有2个");
        row("a column twice", "zxja,zxja\n60,61\n", "第1行：列名“zxja”出现了两次");
        row("malformed quoting", "zxja,th1\n60,\"B-1\n", "第2行：引号没有结束");
        row("quote in a cell", "zxja,th1\n60,B\"1\n", "第2行：没有用引号括起的单元格里含有引号");
        row("bad option", "zxja,dx\n60,dx9\n", "第2行：dx列应为dx1或dx2");
        row("10,000-character cell", "th1\n" + std::string(10'000, '8') + "\n",
            "第2行：单元格超过1000个字符");
        row("large file", "th1\n" + std::string(3 << 20, 'x') + "\n", "文件太大");
        row("neither UTF-8 nor GBK", "th1\n\xFF\xFE\xFD\n", "既不是UTF-8");
    }

    void files_that_are_not_a_pair_leave_the_form_as_it_was() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        ShellHarness h;
        h.fill(spur_example());
        h.click(h.form().equal_noise());
        const FormTexts before = h.texts();
        const QString path = dir_.filePath("bad.csv");
        write_bytes(path, bytes.toStdString());
        QVERIFY(!h.shell().open_file(path));
        QCOMPARE(h.boxes.shown.size(), std::size_t(1));
        const QString shown = QString::fromStdString(h.boxes.shown[0].text);
        QVERIFY2(shown.contains(message), qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral("bad.csv")), qPrintable(shown));
        QCOMPARE(h.texts(), before);
        QVERIFY(h.form().equal_noise()->isChecked());
        QCOMPARE(title(h), kTitle);
    }

    void missing_files_and_folders_are_named_with_the_reason() {
        ShellHarness h;
        for (const QString& path : {dir_.filePath("absent.csv"), dir_.path()}) {
            h.boxes.shown.clear();
            QVERIFY(!h.shell().open_file(path));
            QCOMPARE(h.boxes.shown.size(), std::size_t(1));
            QVERIFY(h.boxes.shown[0].text.starts_with("无法打开"));
        }
    }

    void a_gbk_file_from_an_older_spreadsheet_opens_as_typed() {
        ShellHarness h;
        const QString path = dir_.filePath("gbk.csv");
        write_bytes(path, gbk_from_utf8("th1,jd1,zxja,dx\r\n主动轮-01,8级精度,60,dx2\r\n"));
        QVERIFY(h.shell().open_file(path));
        QCOMPARE(h.field("th1")->text(), QStringLiteral("主动轮-01"));
        QCOMPARE(h.field("jd1")->text(), QStringLiteral("8级精度"));
        QCOMPARE(h.field("zxja")->text(), QStringLiteral("60"));
        QCOMPARE(h.field("fmn")->text(), QString());  // missing from the file: empty
        QVERIFY(h.form().equal_noise()->isChecked());
    }

    void several_rows_ask_which_one() {
        ShellHarness h;
        const QString path = dir_.filePath("rows.csv");
        write_bytes(path, "th1,th2,zxja\nA-1,A-2,50\n\n\"B\n1\",B-2,60\n,,70\n");
        h.file_dialogs.rows = {std::nullopt, 1};
        QVERIFY(!h.shell().open_file(path));  // cancelled: nothing loaded
        QCOMPARE(h.field("zxja")->text(), QString());
        QCOMPARE(h.file_dialogs.row_items,
                 (std::vector<std::string>{
                     "第2行：z —/—，mn —，a 50，β —，等强度分配，A-1 / A-2",
                     "第4行：z —/—，mn —，a 60，β —，等强度分配，B\n1 / B-2",
                     "第6行：z —/—，mn —，a 70，β —，等强度分配，（无图号） / （无图号）"}));
        QVERIFY(h.shell().open_file(path));
        QCOMPARE(h.field("zxja")->text(), QStringLiteral("60"));
        QCOMPARE(h.field("th1")->text(), QStringLiteral("B\n1"));
    }

    // A pair opened from a file of five goes back into its own row on 保存: every
    // other line keeps its bytes, for each row, in UTF-8 and GBK, with LF and CR LF.
    // The file's own column 备注 (a spreadsheet's notes) is passed over, named under
    // the form, and its cells kept when the row is saved.
    void a_row_goes_back_into_its_own_file() {
        const QString path = dir_.filePath("pairs.csv");
        for (const char* end : {"\n", "\r\n"}) {
            static const std::string kNotes[] = {"注0", "注1", "注2", "\"注3,\"\"试\"\"\"", "注4"};
            std::string text = "th1,zxja,备注,jd1,dx";
            for (const char* row :
                 {"主动轮-1,60,注0,8级,dx1", "B-2,61,注1,,", "B-3,62,注2,\"6,级\",dx2",
                  "B-4,63,\"注3,\"\"试\"\"\",7级,dx1", "B-5,64,注4,,dx2"}) {
                text += end + std::string(row);
            }
            for (const std::string& bytes : {text + end, gbk_from_utf8(text + end)}) {
                for (int k = 0; k < 5; ++k) {
                    write_bytes(path, bytes);
                    ShellHarness h;
                    h.file_dialogs.rows = {k};
                    QVERIFY(h.shell().open_file(path));
                    QVERIFY2(h.form().notice().contains(QStringLiteral("“备注”")),
                             qPrintable(h.form().notice()));
                    const std::string name = "pairs.csv（第 " + std::to_string(k + 2) + " 行）";
                    h.type("zxja", "59.5");
                    h.type("th1", "新图号");
                    QCOMPARE(title(h), kTitle + " - " + name + "*");
                    QVERIFY(h.shell().document()->save());
                    QCOMPARE(title(h), kTitle + " - " + name);
                    QVERIFY(h.boxes.asked.empty() && h.boxes.shown.empty());
                    const std::string saved = read_bytes(path);
                    std::istringstream before(bytes), after(saved);
                    int line = 0;
                    for (std::string b, a; std::getline(before, b) && std::getline(after, a);) {
                        QCOMPARE(a == b, line != k + 1);
                        // The note's cell, quoted or not, goes back as it was.
                        const bool gbk = bytes != text + end;
                        if (line > 0) {
                            const std::string& note = kNotes[line - 1];
                            QVERIFY(a.find(gbk ? gbk_from_utf8(note) : note) != std::string::npos);
                        }
                        ++line;
                    }
                    QCOMPARE(line, 6);
                    const auto back =
                        std::get<PairFile>(read_pair_file(saved, 0, UnknownColumns::Ignore));
                    QCOMPARE(back.rows[k].input.th1, "新图号"s);
                    QCOMPARE(back.ignored, std::vector<std::string>{"备注"});
                    QCOMPARE(back.encoding,
                             std::get<PairFile>(read_pair_file(bytes, 0, UnknownColumns::Ignore))
                                 .encoding);
                }
            }
        }
    }

    // What would lose something asks first: a file changed since it was opened; a
    // field the header has no column for, or a character a GBK file cannot hold
    // (另存为 offered instead, the file left as it was).
    void a_row_that_cannot_be_saved_asks_first() {
        const QString path = dir_.filePath("asked.csv"), other = dir_.filePath("other.csv");
        const std::string bytes = gbk_from_utf8("th1,zxja\n齿轮,60\nB,61\n");
        write_bytes(path, bytes);
        ShellHarness h;
        h.file_dialogs.rows = {1};
        QVERIFY(h.shell().open_file(path));
        h.type("zxja", "62");
        write_bytes(path, bytes + "C,63\n");  // a spreadsheet added a row meanwhile
        h.boxes.answers = {false};
        QVERIFY(!h.shell().document()->save());
        QVERIFY(h.boxes.asked.back().text.starts_with("asked.csv在打开之后已被修改"));
        QCOMPARE(read_bytes(path), bytes + "C,63\n");
        h.boxes.answers = {true};
        QVERIFY(h.shell().document()->save());
        QCOMPARE(h.boxes.asked.back().accept, "覆盖"s);
        QCOMPARE(read_bytes(path), gbk_from_utf8("th1,zxja\n齿轮,60\nB,62\n"));
        for (const auto& [field, text, named] :
             {std::tuple{"th1", "B\u20A9", "“\u20A9”"}, {"nj", "10", "nj（主动齿轮输入扭矩）"}}) {
            h.type(field, text);
            h.boxes.answers = {false};
            QVERIFY(!h.shell().document()->save());
            QVERIFY(h.boxes.asked.back().text.find(named) != std::string::npos);
            QCOMPARE(h.boxes.asked.back().accept, "另存为…"s);
        }
        h.file_dialogs.save_paths = {other.toStdString()};
        h.boxes.answers = {true};
        QVERIFY(h.shell().document()->save());
        QCOMPARE(read_bytes(path), gbk_from_utf8("th1,zxja\n齿轮,60\nB,62\n"));
        QCOMPARE(read_bytes(other), write_pair_file(h.form().read()));
        QCOMPARE(title(h), kTitle + " - other.csv");
        // A file of one pair has nothing else to keep: it takes every column.
        write_bytes(path, "zxja\n60\n");
        QVERIFY(h.shell().open_file(path));
        h.type("nj", "10");
        QVERIFY(h.shell().document()->save());
        QCOMPARE(read_bytes(path), write_pair_file(h.form().read()));
    }

    void a_dropped_file_opens() {
        ShellHarness h;
        const QString path = dir_.filePath("dropped.csv");
        write_bytes(path, "zxja\n75\n");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        data.setText(path);  // what a file manager also offers; no field may take it
        QWidget* target = h.field("th1");
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        QCOMPARE(h.field("zxja")->text(), QStringLiteral("75"));
        QCOMPARE(h.field("th1")->text(), QString());
        QCOMPARE(title(h), kTitle + " - dropped.csv");
    }

    // Typed, saved, closed, started again with the file: the same sheets, the same
    // report bytes; and the batch tool gives the sheet's texts from the same file.
    void a_pair_survives_a_file_and_a_new_start() {
        const QString path = dir_.filePath("round.csv");
        std::map<std::string, std::string> geometry, strength;
        std::vector<AppendedReport> reports;
        {
            ShellHarness h;
            h.fill(spur_example());
            h.type("jd2", "6级 \"精\",密");  // a cell that needs quoting
            h.file_dialogs.save_paths = {path.toStdString()};
            QVERIFY(h.shell().document()->save());
            h.click(FormButton::ComputeGeometry);
            geometry = sheet_texts(h.shell().geometry_sheet());
            h.click_on_sheet(SheetButton::Save);
            h.click_on_sheet(SheetButton::Return);
            h.click(FormButton::ComputeStrength);
            strength = sheet_texts(h.shell().strength_sheet());
            h.click_on_sheet(SheetButton::Save);
            h.click_on_sheet(SheetButton::Exit);
            QCOMPARE(h.program_ends, 1);
            QVERIFY(h.file_dialogs.asked.size() == 1);  // only where to save: nothing changed since
            reports = h.fake_files.appended;
        }
        ShellHarness::settle();
        ShellHarness h;
        QVERIFY(h.shell().open_file(path));
        h.click(FormButton::ComputeGeometry);
        QCOMPARE(sheet_texts(h.shell().geometry_sheet()), geometry);
        h.click_on_sheet(SheetButton::Save);
        h.click_on_sheet(SheetButton::Return);
        h.click(FormButton::ComputeStrength);
        QCOMPARE(sheet_texts(h.shell().strength_sheet()), strength);
        h.click_on_sheet(SheetButton::Save);
        QCOMPARE(h.fake_files.appended.size(), reports.size());
        for (std::size_t i = 0; i < reports.size(); ++i) {
            QVERIFY(h.fake_files.appended[i].bytes == reports[i].bytes);
        }

        QProcess cli;
        cli.start(QStringLiteral(GEARPAIR_CLI), {QStringLiteral("geometry"), path});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        const auto table = csv::parse(cli.readAllStandardOutput().toStdString());
        QCOMPARE(table.size(), std::size_t(2));
        QCOMPARE(table[1].cells[0], "ok"s);
        for (std::size_t c = 2; c < table[0].cells.size(); ++c) {
            const std::string& name = table[0].cells[c];
            QVERIFY2(geometry.count(name), name.c_str());
            QCOMPARE(table[1].cells[c], geometry[name]);
        }
    }

    void zoom_is_remembered_and_every_control_stays_reachable() {
        {
            ShellHarness h;
            const QSize built = h.form().body()->size();
            QCOMPARE(built, QSize(510, 551));
            QAction* zoom = menu_action(h.form(), "200 %");
            QVERIFY(zoom);
            zoom->trigger();
            QCOMPARE(h.form().body()->size(), built * 2);
            QCOMPARE(h.form().button(FormButton::Exit)->geometry(),
                     QRect(px(6360) * 2, px(7800) * 2, px(855) * 2, px(375) * 2));
            QCOMPARE(h.field("th1")->font().pixelSize(), 24);
        }
        // The next start comes up at 200 %, on a screen too small for it: the window
        // stays on the screen, and scrolling brings every control into view.
        ShellHarness h;
        QCOMPARE(h.form().body()->size(), QSize(1020, 1102));
        const QSize screen = h.form().screen()->availableGeometry().size();
        QVERIFY(h.form().width() <= screen.width() && h.form().height() <= screen.height());
        auto* scroller = h.form().findChild<QScrollArea*>();
        QVERIFY(scroller);
        for (QPushButton* button : h.form().body()->findChildren<QPushButton*>()) {
            scroller->ensureWidgetVisible(button);
            const QRect shown(button->mapTo(scroller->viewport(), QPoint(0, 0)), button->size());
            QVERIFY2(scroller->viewport()->rect().contains(shown),
                     qPrintable(button->objectName()));
        }
        // A sheet too large for the screen is made smaller until it fits.
        h.fill(spur_example());
        h.click(FormButton::ComputeGeometry);
        GeometrySheetWindow* jg = h.shell().geometry_sheet();
        QVERIFY(jg->width() <= screen.width() && jg->height() <= screen.height());
        QVERIFY(jg->width() > 505);
        menu_action(h.form(), "100 %")->trigger();
        QCOMPARE(jg->size(), QSize(505, 536));
        QCOMPARE(Preferences().zoom_percent(), 100);
    }

    void about_names_version_licence_and_report_files() {
        ShellHarness h;
        menu_action(h.form(), "关于 GearPair…")->trigger();
        const std::string& text = h.file_dialogs.about_text;
        for (const char* part :
             {"GearPair 1.", "GPL-3.0-or-later", "/home/user/齿轮参数结果Tolmaren.txt",
              "/home/user/齿轮强度结果Tolmaren.txt"}) {
            QVERIFY2(text.find(part) != std::string::npos, part);
        }
        // 退出 in the menu is the same way out as the 退 出 button.
        menu_action(h.form(), "退出")->trigger();
        QCOMPARE(h.program_ends, 1);
    }

  private:
    QTemporaryDir dir_;
};

GEARPAIR_GUI_TEST_MAIN(PairFilesTest)

#include "pair_files_test.moc"
