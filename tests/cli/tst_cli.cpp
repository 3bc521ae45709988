#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// sortiva-cli run as a user runs it, against a private settings folder.
class TestCli : public QObject {
    Q_OBJECT

  private:
    struct Run {
        int status = -1;
        QString out;
        QString err;
    };
    QTemporaryDir m_dir;
    QTemporaryDir m_config;
    QString m_media;

    void Write(const QString &relative, const QByteArray &content = "x") {
        QVERIFY(TestEnv::WriteFile(m_media + QLatin1Char('/') + relative, content));
    }

    Run Cli(const QStringList &arguments, const QString &workingDir = QString()) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        p.setProcessEnvironment(env);
        if (!workingDir.isEmpty())
            p.setWorkingDirectory(workingDir);
        p.start(QStringLiteral(SORTIVA_CLI_PATH), arguments);
        Run r;
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(m_config.isValid());
        m_media = m_dir.filePath(QStringLiteral("media"));
        QVERIFY(QDir().mkpath(m_media + QStringLiteral("/Live/Deep")));
        Write(QStringLiteral("Corvelle - Song.mp3"));
        Write(QStringLiteral(".Hidden Band - Song.mp3"));
        Write(QStringLiteral("E-40 - LOUD.MP3"));
        Write(QStringLiteral("notes.txt"));
        Write(QStringLiteral("Tab\tName - Song.wma"));
        Write(QStringLiteral("(1).mp3"));
        Write(QStringLiteral("Live/Pembo Ft. Kaz - Song.mp3"));
        Write(QStringLiteral("Live/Deep/01 - Velvet Lanterns - Glow.mp3"));
        // a loop back to the top: listed, never followed
        QVERIFY(QFile::link(m_media, m_media + QStringLiteral("/Live/Deep/loop")));
        QVERIFY(QFile::link(m_media + QStringLiteral("/Live"),
                            m_media + QStringLiteral("/Live/Deep/up")));
    }

    void load_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("folder only: hidden and upper-case files, sorted, bad row")
            << QStringList{"--filter", "mp3,wma"}
            << "bad\t\t(1).mp3\n"
               "ok\tHidden Band\t.Hidden Band - Song.mp3\n"
               "ok\tCorvelle\tCorvelle - Song.mp3\n"
               "ok\tE 40\tE-40 - LOUD.MP3\n"
               "ok\tTab Name\tTab\\tName - Song.wma\n"
            << "5 files, 1 without a folder name\n";
        QTest::newRow("recursive walk breadth first, links not followed")
            << QStringList{"--recursive", "--filter", "mp3", "--no-primary"}
            << "bad\t\t(1).mp3\n"
               "ok\tHidden Band\t.Hidden Band - Song.mp3\n"
               "ok\tCorvelle\tCorvelle - Song.mp3\n"
               "ok\tE 40\tE-40 - LOUD.MP3\n"
               "ok\tPembo With Kaz\tLive/Pembo Ft. Kaz - Song.mp3\n"
               "ok\tVelvet Lanterns\tLive/Deep/01 - Velvet Lanterns - Glow.mp3\n"
            << "6 files, 1 without a folder name\n";
        QTest::newRow("second section, all files")
            << QStringList{"--no-recursive", "--filter", "*", "--dash", "1"}
            << "bad\t\t(1).mp3\n"
               "ok\tSong\t.Hidden Band - Song.mp3\n"
               "ok\tSong\tCorvelle - Song.mp3\n"
               "ok\tLoud\tE-40 - LOUD.MP3\n"
               "bad\t\tnotes.txt\n"
               "ok\tSong\tTab\\tName - Song.wma\n"
            << "6 files, 2 without a folder name\n";
    }

    void load() {
        QFETCH(QStringList, options);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run r =
            Cli(QStringList{QStringLiteral("load")} + options + QStringList{m_media + '/'});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, out);
        QCOMPARE(r.err, err);
    }

    void loadMissingFolder() {
        const Run r = Cli({QStringLiteral("load"), m_dir.filePath(QStringLiteral("nothing"))});
        QCOMPARE(r.status, 2);
        QCOMPARE(r.err, QStringLiteral("Folder does not exist!\n"));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(Cli({QStringLiteral("load")}).status, 2);
        QCOMPARE(
            Cli({QStringLiteral("load"), QStringLiteral("--dash"), QStringLiteral("7"), m_media})
                .status,
            2);
    }

    void derive_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("out");
        QTest::newRow("several names")
            << QStringList{"Jay-Z - Song.mp3", "Live/50-Cent - Glow.mp3", "..."}
            << "ok\tJay Z\tJay-Z - Song.mp3\nok\t50 Cent\tLive/50-Cent - Glow.mp3\nbad\t\t...\n";
        QTest::newRow("dash option") << QStringList{"--dash", "1", "Corvelle - 04 - Dont Cry.mp3"}
                                     << "ok\tDont Cry\tCorvelle - 04 - Dont Cry.mp3\n";
        QTest::newRow("featured artists kept")
            << QStringList{"--no-primary", "Pembo Ft. Kaz - Song.mp3"}
            << "ok\tPembo With Kaz\tPembo Ft. Kaz - Song.mp3\n";
        QTest::newRow("line break escaped")
            << QStringList{"Line\nBreak - x.mp3"} << "ok\tLine Break\tLine\\nBreak - x.mp3\n";
        QTest::newRow("tag read from an existing file")
            << QStringList{"--tag", "tagged.mp3", "missing.mp3"}
            << "ok\tVelvet Lanterns\ttagged.mp3\nok\tMissing\tmissing.mp3\n";
        QTest::newRow("tag off") << QStringList{"--no-tag", "tagged.mp3"}
                                 << "ok\tTagged\ttagged.mp3\n";
    }

    void derive() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QTemporaryDir work;
        QFile f(work.filePath(QStringLiteral("tagged.mp3")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray block = "TAG" + QByteArray(30, ' ') + QByteArray(30, ' ');
        block += "the velvet lanterns" + QByteArray(11, '\0') + "2001" + QByteArray(28, '\0');
        block += QByteArray("\0\x01\x11", 3);
        f.write(QByteArray(500, 'x') + block);
        f.close();
        const Run r = Cli(QStringList{QStringLiteral("derive")} + arguments, work.path());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, out);
    }

    void deriveReadsStoredSettings() {
        const QString conf = m_config.filePath(QStringLiteral("Sortiva/Sortiva.conf"));
        QVERIFY(QDir().mkpath(m_config.filePath(QStringLiteral("Sortiva"))));
        QFile f(conf);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[settings]\ndashoption=1\nremovesubs=0\n");
        f.close();
        const QByteArray before = [&] {
            QFile in(conf);
            return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
        }();
        Run r = Cli({QStringLiteral("derive"), QStringLiteral("Corvelle - Pembo & Kaz.mp3")});
        QCOMPARE(r.out, QStringLiteral("ok\tPembo And Kaz\tCorvelle - Pembo & Kaz.mp3\n"));
        r = Cli({QStringLiteral("derive"), QStringLiteral("--dash"), QStringLiteral("0"),
                 QStringLiteral("Corvelle - Pembo & Kaz.mp3")});
        QCOMPARE(r.out, QStringLiteral("ok\tCorvelle\tCorvelle - Pembo & Kaz.mp3\n"));
        QFile in(conf);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QCOMPARE(in.readAll(), before);
        QVERIFY(QFile::remove(conf));
    }

    void neverWritesTheStore() {
        QVERIFY(Cli({QStringLiteral("derive"), QStringLiteral("a - b.mp3")}).status == 0);
        QVERIFY(Cli({QStringLiteral("load"), m_media}).status == 0);
        QVERIFY(!QFile::exists(m_config.filePath(QStringLiteral("Sortiva/Sortiva.conf"))));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "support/testenv.h"
#include "tst_cli.moc"
