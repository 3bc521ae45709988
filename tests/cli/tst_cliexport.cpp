#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestCliExport : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> dir;
    QString root;

    void Write(const QString &path, const QByteArray &data) {
        QVERIFY(TestEnv::WriteFile(path, data));
    }

    // sortiva-cli export with @p arguments; its exit code and what it printed on either stream.
    static std::pair<int, QString> Export(const QStringList &arguments, bool errors) {
        QProcess p;
        p.start(QStringLiteral(SORTIVA_CLI_PATH),
                QStringList{QStringLiteral("export")} + arguments);
        if (!p.waitForFinished(30000))
            return {-1, QString()};
        return {p.exitCode(),
                QString::fromUtf8(errors ? p.readAllStandardError() : p.readAllStandardOutput())};
    }

    static QByteArray Read(const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

  private slots:
    void initTestCase() { TestEnv::IsolateSettings(); }
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        root = dir->filePath(QStringLiteral("music"));
        Write(root + QStringLiteral("/a.mp3"), "abc");
        Write(root + QStringLiteral("/notes.txt"), "12345");
        QDir().mkpath(root + QStringLiteral("/Empty"));
    }

    void run_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("target"); // relative to the temporary folder
        QTest::addColumn<bool>("existing");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");     // start of stdout or stderr
        QTest::addColumn<QByteArray>("written"); // start of the file, empty for untouched
        QTest::newRow("xhtml listing")
            << QStringList{"--html", "--filter", "mp3"} << "l.html" << false << 0
            << "Complete. Found 2 Folders With 1 Files Totaling 3 Bytes\n"
            << QByteArray("<!DOCTYPE html PUBLIC");
        QTest::newRow("text listing with another filter")
            << QStringList{"--text", "--filter", "txt"} << "l.txt" << false << 0
            << "Complete. Found 2 Folders With 1 Files Totaling 5 Bytes\n"
            << QByteArray("Folder Directory Listing By Sortiva");
        QTest::newRow("filter in pattern form")
            << QStringList{"--text", "--filter", "*.TXT;*.mp3"} << "l.txt" << false << 0
            << "Complete. Found 2 Folders With 2 Files Totaling 8 Bytes\n"
            << QByteArray("Folder Directory Listing By Sortiva");
        QTest::newRow("existing file kept without --force")
            << QStringList{"--text"} << "l.txt" << true << 1 << "This list file already exists!"
            << QByteArray();
        QTest::newRow("existing file replaced with --force")
            << QStringList{"--text", "--force", "--filter", "*"} << "l.txt" << true << 0
            << "Complete. Found 2 Folders With 2 Files Totaling 8 Bytes\n"
            << QByteArray("Folder Directory Listing By Sortiva");
        QTest::newRow("both formats refused")
            << QStringList{"--text", "--html"} << "l.txt" << false << 2 << "Usage:" << QByteArray();
        QTest::newRow("unwritable file reported")
            << QStringList{"--text"} << "no/such/l.txt" << false << 1
            << "Unable to write the list file! (" << QByteArray();
    }
    void run() {
        QFETCH(QStringList, options);
        QFETCH(QString, target);
        QFETCH(bool, existing);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QByteArray, written);
        const QString file = dir->filePath(target);
        if (existing)
            Write(file, "old listing");
        const auto [code, said] = Export(options + QStringList{root, file}, exitCode != 0);
        QCOMPARE(code, exitCode);
        QVERIFY2(said.startsWith(output), qPrintable(said));
        if (!written.isEmpty())
            QVERIFY(Read(file).startsWith(written));
        else if (existing)
            QCOMPARE(Read(file), QByteArray("old listing"));
        else
            QVERIFY(!QFile::exists(file));
    }

    void noEmptyLeavesOutEmptyFolders_data() {
        QTest::addColumn<bool>("noEmpty");
        QTest::newRow("empty folder listed") << false;
        QTest::newRow("empty folder left out") << true;
    }
    void noEmptyLeavesOutEmptyFolders() {
        QFETCH(bool, noEmpty);
        const QString file = dir->filePath(QStringLiteral("l.txt"));
        QStringList args{QStringLiteral("--text"), QStringLiteral("--filter"),
                         QStringLiteral("mp3")};
        if (noEmpty)
            args << QStringLiteral("--no-empty");
        QCOMPARE(Export(args + QStringList{root, file}, false).first, 0);
        const QByteArray text = Read(file);
        QVERIFY(text.contains("\tFolders: 2\r\n"));
        QCOMPARE(text.contains("Empty (0 Bytes - 0 files)"), !noEmpty);
    }

    void missingRootExitsWithTwo() {
        const QString missing = dir->filePath(QStringLiteral("gone"));
        const auto [code, said] =
            Export({missing + QStringLiteral("/"), dir->filePath(QStringLiteral("l.html"))}, true);
        QCOMPARE(code, 2);
        QCOMPARE(said, "Unable to read directory! (" + missing + ")\n");
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("l.html"))));
    }
};

QTEST_GUILESS_MAIN(TestCliExport)
#include "tst_cliexport.moc"
