#include "update/download.h"

#include "support/httptestserver.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {
QStringList PartFiles() {
    return QDir(QDir::tempPath()).entryList({QStringLiteral("sortiva-*.part")}, QDir::Files);
}

// A server, a Download and spies on its three signals.
struct Rig {
    HttpTestServer server;
    Download d;
    QSignalSpy done{&d, &Download::DownloadComplete};
    QSignalSpy failed{&d, &Download::DownloadError};
    QSignalSpy progress{&d, &Download::DownloadProgress};

    QString Url(const char *path) const { return server.Base() + QLatin1String(path); }
    QVariant Value(int call) const { return done.at(call).at(1).value<QVariant>(); }
};

QByteArray ReadFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class tst_Download : public QObject {
    Q_OBJECT

  private slots:
    // Both forms deliver the whole body, with or without an announced length.
    void delivers_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<qint64>("announced");
        QTest::newRow("bytes") << int(Download::kBytesForm) << qint64(-1);
        QTest::newRow("kept file") << int(Download::kFileForm) << qint64(-1);
        QTest::newRow("bytes, no length") << int(Download::kBytesForm) << HttpTestServer::kNoLength;
        QTest::newRow("file, no length") << int(Download::kFileForm) << HttpTestServer::kNoLength;
    }
    void delivers() {
        QFETCH(int, form);
        QFETCH(qint64, announced);
        Rig r;
        QByteArray body(300000, '\0');
        for (int i = 0; i < body.size(); ++i)
            body[i] = static_cast<char>(i * 7);
        r.server.Serve("/setup.exe", body, 200, announced);
        r.d.BeginDownload(r.Url("/setup.exe"), QStringLiteral("k"), form, Download::kFetchAfresh,
                          body.size());
        QVERIFY(r.d.IsRunning(QStringLiteral("k")));
        QTRY_COMPARE_WITH_TIMEOUT(r.done.count(), 1, 20000);
        QCOMPARE(r.failed.count(), 0);
        QCOMPARE(r.done.at(0).at(0).toString(), QStringLiteral("k"));
        QCOMPARE(r.done.at(0).at(2).toInt(), form);
        QVERIFY(!r.d.IsRunning(QStringLiteral("k")));
        if (form == Download::kFileForm) {
            const QString path = r.Value(0).toString();
            QCOMPARE(ReadFile(path), body);
            QVERIFY(QFile::remove(path));
        } else {
            QCOMPARE(r.Value(0).toByteArray(), body);
        }
        const QList<QVariant> last = r.progress.last();
        QCOMPARE(last.at(1).toLongLong(), body.size());
        if (announced == -1)
            QCOMPARE(last.at(2).toLongLong(), body.size());
        QCOMPARE(last.at(3).toInt(), 200); // the server's status, passed through
        // Fetching afresh asks every cache on the way.
        QVERIFY(r.server.heads.at(0).toLower().contains("cache-control: no-cache"));
    }

    // Without an announced length the limit can only be found while reading (here the server
    // never ends the body): the read must stop there, report once and leave no partial file.
    void failures_data() {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<int>("form");
        QTest::addColumn<qint64>("announced");
        const int bytes = Download::kBytesForm;
        const int file = Download::kFileForm;
        const qint64 none = HttpTestServer::kNoEnd;
        QTest::newRow("missing, file") << QByteArray("/missing") << file << qint64(-1);
        QTest::newRow("announced too big, bytes") << QByteArray("/big") << bytes << qint64(-1);
        QTest::newRow("announced too big, file") << QByteArray("/big") << file << qint64(-1);
        QTest::newRow("grows too big, bytes") << QByteArray("/big") << bytes << none;
        QTest::newRow("grows too big, file") << QByteArray("/big") << file << none;
    }
    void failures() {
        QFETCH(QByteArray, path);
        QFETCH(int, form);
        QFETCH(qint64, announced);
        Rig r;
        r.server.Serve("/big", QByteArray(200000, 'x'), 200, announced);
        const QStringList before = PartFiles();
        r.d.BeginDownload(r.Url(path.constData()), QStringLiteral("k"), form,
                          Download::kFetchAfresh, 4999);
        QTRY_COMPARE_WITH_TIMEOUT(r.failed.count(), 1, 20000);
        QCOMPARE(r.failed.at(0).at(0).toString(), QStringLiteral("k"));
        QCOMPARE(r.failed.at(0).at(2).toString(), QStringLiteral("Download Error"));
        QVERIFY(!r.d.IsRunning(QStringLiteral("k")));
        QTest::qWait(50); // nothing more arrives from the stopped transfer
        QCOMPARE(r.failed.count(), 1);
        QCOMPARE(r.done.count(), 0);
        QCOMPARE(PartFiles(), before);
    }

    // Only the web is ever read: anything else is reported before BeginDownload returns,
    // with a platform error number.
    void refusedUrlsFailAtOnce() {
        Rig r;
        const QStringList urls{"file:///etc/passwd", "ftp://127.0.0.1/setup.exe",
                               "127.0.0.1/update", "http:///update"};
        for (const QString &url : urls)
            r.d.BeginDownload(url, QStringLiteral("update"));
        QCOMPARE(r.failed.count(), urls.size());
        for (const auto &call : r.failed)
            QVERIFY(call.at(1).toInt() != 0);
        QVERIFY(!r.d.IsRunning(QStringLiteral("update")));
        r.d.BeginDownload(QString(), QStringLiteral("update")); // an empty URL does nothing
        QCOMPARE(r.failed.count(), urls.size());
    }

    void keys() {
        Rig r;
        r.server.Serve("/one", "first");
        r.server.Serve("/two", "second");
        r.server.Serve("/old", "old");
        r.d.BeginDownload(r.Url("/one"), QStringLiteral("one"));
        r.d.BeginDownload(r.Url("/old"), QStringLiteral("two"));
        r.d.BeginDownload(r.Url("/two"), QStringLiteral("two")); // replaces the running read
        r.d.BeginDownload(r.Url("/one"), QStringLiteral("cancelled"));
        r.d.Cancel(QStringLiteral("cancelled"));
        r.d.Cancel(QStringLiteral("never started"));
        QVERIFY(r.d.IsRunning(QStringLiteral("one")));
        QVERIFY(!r.d.IsRunning(QStringLiteral("cancelled")));
        QTRY_COMPARE_WITH_TIMEOUT(r.done.count(), 2, 20000);
        QTest::qWait(50);
        QCOMPARE(r.done.count(), 2);
        QCOMPARE(r.failed.count(), 0);
        QHash<QString, QByteArray> got;
        for (int i = 0; i < 2; ++i)
            got.insert(r.done.at(i).at(0).toString(), r.Value(i).toByteArray());
        QCOMPARE(got.value(QStringLiteral("one")), QByteArray("first"));
        QCOMPARE(got.value(QStringLiteral("two")), QByteArray("second"));
    }
};

QTEST_GUILESS_MAIN(tst_Download)
#include "tst_download.moc"
