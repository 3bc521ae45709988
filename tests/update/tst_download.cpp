#include "update/download.h"

#include "update/httptestserver.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

class tst_Download : public QObject
{
    Q_OBJECT

private slots:
    void bytesFormDeliversContent();
    void fileFormDeliversCompleteKeptFile();
    void progressReportsBytes();
    void fetchAfreshAsksEveryCache();
    void transferErrorEndsWithDownloadError();
    void refusedUrlsFailAtOnce_data();
    void refusedUrlsFailAtOnce();
    void emptyPathDoesNothing();
    void severalKeysAtOnce();
    void cancelledReadIsSilent();
    void sameKeyReplacesRunningRead();
    void oversizedReadFails_data();
    void oversizedReadFails();

private:
    static QStringList PartFiles();
};

namespace {
struct Outcome {
    QString key;
    QVariant value;
    int fileType = 0;
};
} // namespace

QStringList tst_Download::PartFiles()
{
    return QDir(QDir::tempPath()).entryList({QStringLiteral("sortiva-*.part")}, QDir::Files);
}

void tst_Download::bytesFormDeliversContent()
{
    HttpTestServer server;
    QVERIFY(server.IsListening());
    server.Serve("/a.dat", "version=1.4.2\r\n");
    Download d;
    QSignalSpy done(&d, &Download::DownloadComplete);
    QSignalSpy failed(&d, &Download::DownloadError);
    d.BeginDownload(server.Base() + QStringLiteral("/a.dat"), QStringLiteral("update"),
                    Download::BytesForm, Download::FetchAfresh);
    QVERIFY(d.IsRunning(QStringLiteral("update")));
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 20000);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(done.at(0).at(0).toString(), QStringLiteral("update"));
    QCOMPARE(done.at(0).at(1).value<QVariant>().toByteArray(), QByteArray("version=1.4.2\r\n"));
    QCOMPARE(done.at(0).at(2).toInt(), Download::BytesForm);
    QVERIFY(!d.IsRunning(QStringLiteral("update")));
}

void tst_Download::fileFormDeliversCompleteKeptFile()
{
    HttpTestServer server;
    QByteArray body(300000, '\0');
    for (int i = 0; i < body.size(); ++i)
        body[i] = static_cast<char>(i * 7);
    server.Serve("/setup.exe", body);
    Download d;
    QSignalSpy done(&d, &Download::DownloadComplete);
    d.BeginDownload(server.Base() + QStringLiteral("/setup.exe"), QStringLiteral("download"),
                    Download::FileForm, Download::FetchAfresh);
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 20000);
    QCOMPARE(done.at(0).at(2).toInt(), Download::FileForm);
    const QString path = done.at(0).at(1).value<QVariant>().toString();
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    QCOMPARE(file.readAll(), body);
    file.close();
    QVERIFY(QFile::remove(path));
}

void tst_Download::progressReportsBytes()
{
    HttpTestServer server;
    server.Serve("/big", QByteArray(200000, 'x'));
    Download d;
    QSignalSpy done(&d, &Download::DownloadComplete);
    QSignalSpy progress(&d, &Download::DownloadProgress);
    d.BeginDownload(server.Base() + QStringLiteral("/big"), QStringLiteral("k"));
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 20000);
    QVERIFY(progress.count() >= 1);
    const QList<QVariant> last = progress.last();
    QCOMPARE(last.at(0).toString(), QStringLiteral("k"));
    QCOMPARE(last.at(1).toLongLong(), 200000);
    QCOMPARE(last.at(2).toLongLong(), 200000);
    QCOMPARE(last.at(3).toInt(), 200); // the server's status, passed through
    QCOMPARE(last.at(4).toString(), QString());
}

void tst_Download::fetchAfreshAsksEveryCache()
{
    HttpTestServer server;
    server.Serve("/a", "x");
    Download d;
    QSignalSpy done(&d, &Download::DownloadComplete);
    d.BeginDownload(server.Base() + QStringLiteral("/a"), QStringLiteral("k"),
                    Download::BytesForm, Download::FetchAfresh);
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 20000);
    QCOMPARE(server.heads.size(), 1);
    QVERIFY2(server.heads.at(0).toLower().contains("cache-control: no-cache"),
             server.heads.at(0).constData());
}

void tst_Download::transferErrorEndsWithDownloadError()
{
    HttpTestServer server; // serves nothing: every path is 404
    Download d;
    QSignalSpy done(&d, &Download::DownloadComplete);
    QSignalSpy failed(&d, &Download::DownloadError);
    const QStringList before = PartFiles();
    d.BeginDownload(server.Base() + QStringLiteral("/missing"), QStringLiteral("download"),
                    Download::FileForm, Download::FetchAfresh);
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 20000);
    QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("download"));
    QCOMPARE(failed.at(0).at(1).toInt(), 0);
    QCOMPARE(failed.at(0).at(2).toString(), QStringLiteral("Download Error"));
    QCOMPARE(done.count(), 0);
    QCOMPARE(PartFiles(), before); // the partial file went with the failure
}

void tst_Download::refusedUrlsFailAtOnce_data()
{
    QTest::addColumn<QString>("url");
    QTest::newRow("local file scheme") << QStringLiteral("file:///etc/passwd");
    QTest::newRow("ftp scheme") << QStringLiteral("ftp://127.0.0.1/setup.exe");
    QTest::newRow("no scheme") << QStringLiteral("127.0.0.1/update");
    QTest::newRow("http without host") << QStringLiteral("http:///update");
    QTest::newRow("data scheme") << QStringLiteral("data:,hello");
}

void tst_Download::refusedUrlsFailAtOnce()
{
    QFETCH(QString, url);
    Download d;
    QSignalSpy failed(&d, &Download::DownloadError);
    QSignalSpy done(&d, &Download::DownloadComplete);
    d.BeginDownload(url, QStringLiteral("update"), Download::BytesForm, Download::FetchAfresh);
    // Reported before BeginDownload returns, with a platform error number.
    QCOMPARE(failed.count(), 1);
    QVERIFY(failed.at(0).at(1).toInt() != 0);
    QVERIFY(!d.IsRunning(QStringLiteral("update")));
    QTest::qWait(20);
    QCOMPARE(done.count(), 0);
    QCOMPARE(failed.count(), 1);
}

void tst_Download::emptyPathDoesNothing()
{
    Download d;
    QSignalSpy failed(&d, &Download::DownloadError);
    d.BeginDownload(QString(), QStringLiteral("update"));
    QCOMPARE(failed.count(), 0);
    QVERIFY(!d.IsRunning(QStringLiteral("update")));
}

void tst_Download::severalKeysAtOnce()
{
    HttpTestServer server;
    server.Serve("/one", "first");
    server.Serve("/two", "second");
    Download d;
    QSignalSpy done(&d, &Download::DownloadComplete);
    d.BeginDownload(server.Base() + QStringLiteral("/one"), QStringLiteral("one"));
    d.BeginDownload(server.Base() + QStringLiteral("/two"), QStringLiteral("two"));
    QVERIFY(d.IsRunning(QStringLiteral("one")));
    QVERIFY(d.IsRunning(QStringLiteral("two")));
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 2, 20000);
    QHash<QString, QByteArray> got;
    for (const QList<QVariant> &call : done)
        got.insert(call.at(0).toString(), call.at(1).value<QVariant>().toByteArray());
    QCOMPARE(got.value(QStringLiteral("one")), QByteArray("first"));
    QCOMPARE(got.value(QStringLiteral("two")), QByteArray("second"));
}

void tst_Download::cancelledReadIsSilent()
{
    HttpTestServer server;
    server.Serve("/a", "x");
    Download d;
    QSignalSpy done(&d, &Download::DownloadComplete);
    QSignalSpy failed(&d, &Download::DownloadError);
    d.BeginDownload(server.Base() + QStringLiteral("/a"), QStringLiteral("k"));
    d.Cancel(QStringLiteral("k"));
    d.Cancel(QStringLiteral("never started"));
    QVERIFY(!d.IsRunning(QStringLiteral("k")));
    QTest::qWait(100);
    QCOMPARE(done.count(), 0);
    QCOMPARE(failed.count(), 0);
}

void tst_Download::sameKeyReplacesRunningRead()
{
    HttpTestServer server;
    server.Serve("/old", "old");
    server.Serve("/new", "new");
    Download d;
    QSignalSpy done(&d, &Download::DownloadComplete);
    d.BeginDownload(server.Base() + QStringLiteral("/old"), QStringLiteral("k"));
    d.BeginDownload(server.Base() + QStringLiteral("/new"), QStringLiteral("k"));
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 20000);
    QTest::qWait(50);
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.at(0).at(1).value<QVariant>().toByteArray(), QByteArray("new"));
}

void tst_Download::oversizedReadFails_data()
{
    QTest::addColumn<int>("fileType");
    QTest::newRow("bytes form") << Download::BytesForm;
    QTest::newRow("file form, partial file removed") << Download::FileForm;
}

void tst_Download::oversizedReadFails()
{
    QFETCH(int, fileType);
    HttpTestServer server;
    server.Serve("/big", QByteArray(5000, 'x'));
    Download d;
    QSignalSpy done(&d, &Download::DownloadComplete);
    QSignalSpy failed(&d, &Download::DownloadError);
    const QStringList before = PartFiles();
    d.BeginDownload(server.Base() + QStringLiteral("/big"), QStringLiteral("k"), fileType,
                    Download::FetchAfresh, 4999);
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 20000);
    QCOMPARE(failed.at(0).at(2).toString(), QStringLiteral("Download Error"));
    QCOMPARE(done.count(), 0);
    QCOMPARE(PartFiles(), before);
}

QTEST_GUILESS_MAIN(tst_Download)
#include "tst_download.moc"
