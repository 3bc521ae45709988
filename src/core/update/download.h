#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>

class QNetworkAccessManager;
class QNetworkReply;
class QTemporaryFile;

/**
 * Fetches URLs asynchronously and reports progress, failure and completion as signals
 * tagged with a caller-chosen key, on the thread that owns it (the user-interface thread).
 * Several reads with different keys may run at once; each ends with exactly one
 * DownloadComplete or DownloadError.
 */
class Download : public QObject
{
    Q_OBJECT

public:
    /** Delivery form 1: the content lands in a kept temporary file whose path is delivered. */
    static constexpr int FileForm = 1;
    /** Delivery form 2: the content is delivered in memory as bytes. */
    static constexpr int BytesForm = 2;
    /** Read option: fetch afresh from the server, never from any cache. */
    static constexpr int FetchAfresh = 16;

    explicit Download(QObject *parent = nullptr);
    ~Download() override;

    /**
     * Starts reading @p Path (an http or https URL) and returns at once; an empty path does
     * nothing. A read already running under @p Key is cancelled first. A read that cannot
     * start reports DownloadError before this returns. With @p MaxBytes above 0, a read
     * that grows beyond it fails.
     */
    void BeginDownload(const QString &Path, const QString &Key = QString(),
                       int FileType = BytesForm, int DownloadType = 0, qint64 MaxBytes = 0);
    /** Stops the read with that key without any signal; an unknown key is ignored. */
    void Cancel(const QString &Key = QString());
    /** True for a valid http or https URL with a host: the only ones ever fetched. */
    static bool IsWebUrl(const QString &url);
    /** True while a read with that key is running. */
    bool IsRunning(const QString &Key) const;

signals:
    /** Bytes read so far and the total the server announced (-1 when it announced none). */
    void DownloadProgress(const QString &Key, qint64 BytesRead, qint64 BytesTotal,
                          int StatusCode, const QString &StatusText);
    /** The read failed: @p Number is 0 for transfer failures, a platform code otherwise. */
    void DownloadError(const QString &Key, int Number, const QString &Description);
    /**
     * The read finished: @p Value holds a QByteArray (form 2) or the QString path of a
     * complete local file that the receiver now owns (form 1).
     */
    void DownloadComplete(const QString &Key, const QVariant &Value, int FileType);

private:
    struct Read {
        QNetworkReply *reply = nullptr;
        int fileType = BytesForm;
        qint64 maxBytes = 0;
        qint64 received = 0;
        QByteArray data;
        QTemporaryFile *file = nullptr;
    };

    void OnReadyRead(const QString &key);
    void OnProgress(const QString &key, qint64 read, qint64 total);
    void OnFinished(const QString &key);
    /** Takes the read out of the table, stopping its transfer quietly. */
    Read Take(const QString &key);
    void Fail(const QString &key);

    QNetworkAccessManager *m_net;
    QHash<QString, Read> m_reads;
};
