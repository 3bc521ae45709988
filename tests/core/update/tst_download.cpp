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
    QByteArray Bytes(int call) const { return done.at(call).at(1).value<QVariant>().toByteArray(); }
};
} // namespace

class tst_Download : public QObject {
    Q_OBJECT

  private slots:
    void bytesFormDeliversContent();
    void fileFormDeliversCompleteKeptFile();
    void failures_data();
    void failures();
    void refusedUrlsFailAtOnce_data();
    void refusedUrlsFailAtOnce();
    void emptyPathDoesNothing();
    void severalKeysAtOnce();
    void cancelledReadIsSilent();
    void sameKeyReplacesRunningRead();
};

void tst_Download::bytesFormDeliversContent() {
    Rig r;
    QVERIFY(r.server.IsListening());
    r.server.Serve("/a.dat", "version=1.4.2\r\n");
    r.d.BeginDownload(r.Url("/a.dat"), QStringLiteral("update"), Download::kBytesForm,
                      Download::kFetchAfresh);
    QVERIFY(r.d.IsRunning(QStringLiteral("update")));
    QTRY_COMPARE_WITH_TIMEOUT(r.done.count(), 1, 20000);
    QCOMPARE(r.failed.count(), 0);
    QCOMPARE(r.done.at(0).at(0).toString(), QStringLiteral("update"));
    QCOMPARE(r.Bytes(0), QByteArray("version=1.4.2\r\n"));
    QCOMPARE(r.done.at(0).at(2).toInt(), Download::kBytesForm);
    QVERIFY(!r.d.IsRunning(QStringLiteral("update")));
    // Fetching afresh asks every cache on the way.
    QCOMPARE(r.server.heads.size(), 1);
    QVERIFY2(r.server.heads.at(0).toLower().contains("cache-control: no-cache"),
             r.server.heads.at(0).constData());
}

void tst_Download::fileFormDeliversCompleteKeptFile() {
    Rig r;
    QByteArray body(300000, '\0');
    for (int i = 0; i < body.size(); ++i)
        body[i] = static_cast<char>(i * 7);
    r.server.Serve("/setup.exe", body);
    r.d.BeginDownload(r.Url("/setup.exe"), QStringLiteral("download"), Download::kFileForm,
                      Download::kFetchAfresh);
    QTRY_COMPARE_WITH_TIMEOUT(r.done.count(), 1, 20000);
    QCOMPARE(r.done.at(0).at(2).toInt(), Download::kFileForm);
    const QString path = r.done.at(0).at(1).value<QVariant>().toString();
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    QCOMPARE(file.readAll(), body);
    file.close();
    QVERIFY(QFile::remove(path));

    QVERIFY(r.progress.count() >= 1);
    const QList<QVariant> last = r.progress.last();
    QCOMPARE(last.at(0).toString(), QStringLiteral("download"));
    QCOMPARE(last.at(1).toLongLong(), body.size());
    QCOMPARE(last.at(2).toLongLong(), body.size());
    QCOMPARE(last.at(3).toInt(), 200); // the server's status, passed through
    QCOMPARE(last.at(4).toString(), QString());
}

void tst_Download::failures_data() {
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<int>("fileType");
    QTest::addColumn<qint64>("maxSize");
    QTest::newRow("missing file, partial file removed")
        << QByteArray("/missing") << int(Download::kFileForm) << qint64(0);
    QTest::newRow("oversized bytes form")
        << QByteArray("/big") << int(Download::kBytesForm) << qint64(4999);
    QTest::newRow("oversized file form, partial file removed")
        << QByteArray("/big") << int(Download::kFileForm) << qint64(4999);
}

void tst_Download::failures() {
    QFETCH(QByteArray, path);
    QFETCH(int, fileType);
    QFETCH(qint64, maxSize);
    Rig r;
    r.server.Serve("/big", QByteArray(5000, 'x'));
    const QStringList before = PartFiles();
    const QString url = r.Url(path.constData());
    r.d.BeginDownload(url, QStringLiteral("k"), fileType, Download::kFetchAfresh, maxSize);
    QTRY_COMPARE_WITH_TIMEOUT(r.failed.count(), 1, 20000);
    QCOMPARE(r.failed.at(0).at(0).toString(), QStringLiteral("k"));
    if (maxSize == 0)
        QCOMPARE(r.failed.at(0).at(1).toInt(), 0);
    QCOMPARE(r.failed.at(0).at(2).toString(), QStringLiteral("Download Error"));
    QCOMPARE(r.done.count(), 0);
    QCOMPARE(PartFiles(), before);
}

void tst_Download::refusedUrlsFailAtOnce_data() {
    QTest::addColumn<QString>("url");
    QTest::newRow("local file scheme") << QStringLiteral("file:///etc/passwd");
    QTest::newRow("ftp scheme") << QStringLiteral("ftp://127.0.0.1/setup.exe");
    QTest::newRow("no scheme") << QStringLiteral("127.0.0.1/update");
    QTest::newRow("http without host") << QStringLiteral("http:///update");
    QTest::newRow("data scheme") << QStringLiteral("data:,hello");
}

void tst_Download::refusedUrlsFailAtOnce() {
    QFETCH(QString, url);
    Rig r;
    r.d.BeginDownload(url, QStringLiteral("update"), Download::kBytesForm, Download::kFetchAfresh);
    // Reported before BeginDownload returns, with a platform error number.
    QCOMPARE(r.failed.count(), 1);
    QVERIFY(r.failed.at(0).at(1).toInt() != 0);
    QVERIFY(!r.d.IsRunning(QStringLiteral("update")));
    QTest::qWait(20);
    QCOMPARE(r.done.count(), 0);
    QCOMPARE(r.failed.count(), 1);
}

void tst_Download::emptyPathDoesNothing() {
    Rig r;
    r.d.BeginDownload(QString(), QStringLiteral("update"));
    QCOMPARE(r.failed.count(), 0);
    QVERIFY(!r.d.IsRunning(QStringLiteral("update")));
}

void tst_Download::severalKeysAtOnce() {
    Rig r;
    r.server.Serve("/one", "first");
    r.server.Serve("/two", "second");
    r.d.BeginDownload(r.Url("/one"), QStringLiteral("one"));
    r.d.BeginDownload(r.Url("/two"), QStringLiteral("two"));
    QVERIFY(r.d.IsRunning(QStringLiteral("one")));
    QVERIFY(r.d.IsRunning(QStringLiteral("two")));
    QTRY_COMPARE_WITH_TIMEOUT(r.done.count(), 2, 20000);
    QHash<QString, QByteArray> got;
    for (int i = 0; i < 2; ++i)
        got.insert(r.done.at(i).at(0).toString(), r.Bytes(i));
    QCOMPARE(got.value(QStringLiteral("one")), QByteArray("first"));
    QCOMPARE(got.value(QStringLiteral("two")), QByteArray("second"));
}

void tst_Download::cancelledReadIsSilent() {
    Rig r;
    r.server.Serve("/a", "x");
    r.d.BeginDownload(r.Url("/a"), QStringLiteral("k"));
    r.d.Cancel(QStringLiteral("k"));
    r.d.Cancel(QStringLiteral("never started"));
    QVERIFY(!r.d.IsRunning(QStringLiteral("k")));
    QTest::qWait(100);
    QCOMPARE(r.done.count(), 0);
    QCOMPARE(r.failed.count(), 0);
}

void tst_Download::sameKeyReplacesRunningRead() {
    Rig r;
    r.server.Serve("/old", "old");
    r.server.Serve("/new", "new");
    r.d.BeginDownload(r.Url("/old"), QStringLiteral("k"));
    r.d.BeginDownload(r.Url("/new"), QStringLiteral("k"));
    QTRY_COMPARE_WITH_TIMEOUT(r.done.count(), 1, 20000);
    QTest::qWait(50);
    QCOMPARE(r.done.count(), 1);
    QCOMPARE(r.Bytes(0), QByteArray("new"));
}

QTEST_GUILESS_MAIN(tst_Download)
#include "tst_download.moc"
