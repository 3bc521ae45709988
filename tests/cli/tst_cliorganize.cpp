#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// sortiva-cli organize, run as a user runs it.
class TestCliOrganize : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir;
    QString in;
    QString out;

    static void Write(const QString &path, const QByteArray &data) {
        QVERIFY(TestEnv::WriteFile(path, data));
    }
    static int Run(const QStringList &args, QString &output) {
        QProcess p;
        p.start(QStringLiteral(SORTIVA_CLI_PATH), QStringList{"organize"} + args);
        if (!p.waitForFinished(30000))
            return -1;
        output = QString::fromUtf8(p.readAllStandardOutput());
        return p.exitCode();
    }

  private slots:
    void initTestCase() { TestEnv::IsolateSettings(); }
    void init() {
        QVERIFY(dir.isValid());
        in = dir.filePath(QStringLiteral("in"));
        out = dir.filePath(QStringLiteral("out"));
        QDir(in).removeRecursively();
        QDir(out).removeRecursively();
        Write(in + QStringLiteral("/Corvelle - A.mp3"), "a");
        Write(in + QStringLiteral("/Dalvern - B.mp3"), "b");
        Write(out + QStringLiteral("/corvelle/Corvelle - A.mp3"), "old");
    }

    void refusesWithoutYesOrDryRun() {
        QString output;
        QCOMPARE(Run({in, out}, output), 2);
        QVERIFY(output.isEmpty());
        QVERIFY(QFile::exists(in + QStringLiteral("/Dalvern - B.mp3")));
        QVERIFY(!QFile::exists(out + QStringLiteral("/Dalvern")));
    }

    void dryRunPrintsThePlan() {
        QString output;
        QCOMPARE(Run({QStringLiteral("--dry-run"), in, out}, output), 0);
        const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], "Corvelle - A.mp3\t" + out + "/corvelle/Corvelle - A(1).mp3");
        QCOMPARE(lines[1], "Dalvern - B.mp3\t" + out + "/Dalvern/Dalvern - B.mp3");
        QCOMPARE(lines[2], QStringLiteral("File Organization Has Been Completed. Sortiva Media "
                                          "Organizer Has Organized 2 Files."));
        QVERIFY(!QFile::exists(out + QStringLiteral("/Dalvern")));
    }

    void moveWithSkipLeavesARow() {
        QString output;
        QCOMPARE(Run({QStringLiteral("--yes"), QStringLiteral("--move"),
                      QStringLiteral("--skip-existing"), in, out},
                     output),
                 1);
        QVERIFY(output.startsWith(QStringLiteral("Corvelle - A.mp3\tskipped\nDalvern - B.mp3\t"
                                                 "organized\nNot all files were organized.")));
        QVERIFY(output.contains(QStringLiteral("(1 file was not organized")));
        QVERIFY(!QFile::exists(in + QStringLiteral("/Dalvern - B.mp3")));
        QVERIFY(QFile::exists(in + QStringLiteral("/Corvelle - A.mp3")));
        QVERIFY(QFile::exists(out + QStringLiteral("/Dalvern/Dalvern - B.mp3")));
    }

    void replaceCopies() {
        QString output;
        QCOMPARE(Run({QStringLiteral("--yes"), QStringLiteral("--copy"),
                      QStringLiteral("--replace"), in, out},
                     output),
                 0);
        QFile f(out + QStringLiteral("/corvelle/Corvelle - A.mp3"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("a"));
        QVERIFY(QFile::exists(in + QStringLiteral("/Corvelle - A.mp3")));
    }
};

QTEST_GUILESS_MAIN(TestCliOrganize)
#include "tst_cliorganize.moc"
