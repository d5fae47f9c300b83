// Saving where the report file cannot be written: a missing folder, a read-only
// file, a path that is a folder, a full device. Each time the user is told in a
// "提示" box that the results were not saved and why, the sheet stays, and a report
// file that was already there keeps every byte it had.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "qt_report_files.h"
#include "scratch_mounts.h"
#include "shell_harness.h"

using namespace gp;
using namespace gp::testing;

namespace {

const QByteArray kEarlierReport = "\r\n earlier report \xb3\xdd\xc2\xd6\r\n";

QByteArray read_file(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool write_file(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Saves the spur example's geometry report to `path` through the whole program and
// checks what the user is told.
void save_fails_with(const QString& path, const char* reason) {
    QtReportFiles files(path, path);
    ShellHarness h(&files);
    h.fill(spur_example());
    h.click(FormButton::ComputeGeometry);
    h.click_on_sheet(SheetButton::Save);
    QCOMPARE(h.boxes.shown.size(), std::size_t(1));
    QCOMPARE(h.boxes.shown[0].title, std::string("提示"));
    const std::string expected =
        "结果未能保存到" + QDir::toNativeSeparators(path).toStdString() + "：" + reason;
    QVERIFY2(h.boxes.shown[0].text.starts_with(expected), h.boxes.shown[0].text.c_str());
    QCOMPARE(ShellHarness::visible_windows(), std::vector<std::string>{"jg"});
}

}  // namespace

class ReportFileFailuresTest : public QObject {
    Q_OBJECT

    ScratchMounts mounts_;
    std::string no_mounts_because_;

  private slots:
    void initTestCase() { mounts_.enter(no_mounts_because_); }

    void a_missing_folder() {
        QTemporaryDir dir;
        save_fails_with(dir.filePath(QStringLiteral("gone/齿轮参数结果Tolmaren.txt")), "文件夹");
    }

    void a_path_that_is_a_folder() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("report.txt")));
        save_fails_with(dir.filePath(QStringLiteral("report.txt")), "该路径是一个文件夹");
    }

    // Root writes through file permissions, so there the file is made read-only by
    // mounting its folder read-only; anyone else gets a file without write permission.
    void a_read_only_file() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("齿轮参数结果Tolmaren.txt"));
        QVERIFY(write_file(path, kEarlierReport));
        std::string why_not;
        if (mounts_.entered()) {
            QVERIFY2(mounts_.make_read_only(dir.path().toStdString(), why_not), why_not.c_str());
            const ScratchMounts::Unmount unmount(dir.path().toStdString());
            save_fails_with(path, "磁盘是只读的");
        } else if (geteuid() != 0) {
            QVERIFY(chmod(QFile::encodeName(path).constData(), 0444) == 0);
            save_fails_with(path, "没有写入该文件的权限");
        } else {
            QSKIP(("root without a private mount namespace (" + no_mounts_because_ +
                   "): no way to make a file read-only for root")
                      .c_str());
        }
        QCOMPARE(read_file(path), kEarlierReport);
    }

    void a_full_device() { save_fails_with(QStringLiteral("/dev/full"), "磁盘空间不足"); }

    // A full volume holding an earlier report that leaves a little room in its last
    // block: the new report is written partway before the volume runs out, and must
    // be taken back, not left as half a report at the end of the file.
    void a_full_volume_keeps_the_earlier_report() {
        if (!mounts_.entered())
            QSKIP(("no private mount namespace: " + no_mounts_because_).c_str());
        QTemporaryDir dir;
        std::string why_not;
        QVERIFY2(mounts_.mount_small_volume(dir.path().toStdString(), 64, why_not),
                 why_not.c_str());
        const ScratchMounts::Unmount unmount(dir.path().toStdString());
        const QString path = dir.filePath(QStringLiteral("齿轮参数结果Tolmaren.txt"));
        const QByteArray earlier = kEarlierReport + QByteArray(4000, ' ') + "\r\n";
        QVERIFY(write_file(path, earlier));
        QFile filler(dir.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
        filler.close();
        save_fails_with(path, "磁盘空间不足");
        QCOMPARE(read_file(path), earlier);
    }
};

GEARPAIR_GUI_TEST_MAIN(ReportFileFailuresTest)
#include "report_file_failures_test.moc"
