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
class Download : public QObject {
    Q_OBJECT

  public:
    /** Delivery form 1: the content lands in a kept temporary file whose path is delivered. */
    static constexpr int kFileForm = 1;
    /** Delivery form 2: the content is delivered in memory as bytes. */
    static constexpr int kBytesForm = 2;
    /** Read option: fetch afresh from the server, never from any cache. */
    static constexpr int kFetchAfresh = 16;
    /** As the size limit: a read of any length. */
    static constexpr qint64 kNoLimit = -1;

    explicit Download(QObject *parent = nullptr);
    ~Download() override;

    /**
     * Starts reading @p url (http or https) and returns at once; an empty URL does
     * nothing. A read already running under @p key is cancelled first. A read that cannot
     * start reports DownloadError before this returns. @p delivery is kFileForm or
     * kBytesForm, @p readOptions 0 or kFetchAfresh. A read that grows beyond @p maxBytes
     * (when 0 or more) fails as soon as the excess arrives, and so does one that receives
     * nothing for Seams().TransferStallMs(). Form 1 writes the content to its file as it
     * arrives.
     */
    void BeginDownload(const QString &url, const QString &key = QString(),
                       int delivery = kBytesForm, int readOptions = 0, qint64 maxBytes = kNoLimit);
    /** Stops the read with that key without any signal; an unknown key is ignored. */
    void Cancel(const QString &key = QString());
    /** True for a valid http or https URL with a host: the only ones ever fetched. */
    static bool IsWebUrl(const QString &url);
    /** True while a read with that key is running. */
    bool IsRunning(const QString &key) const;

  signals:
    /** Bytes read so far and the total the server announced (-1 when it announced none). */
    void DownloadProgress(const QString &key, qint64 bytesRead, qint64 bytesTotal, int statusCode,
                          const QString &statusText);
    /** The read failed: @p number is 0 for transfer failures, a platform code otherwise. */
    void DownloadError(const QString &key, int number, const QString &description);
    /**
     * The read finished: @p value holds a QByteArray (form 2) or the QString path of a
     * complete local file that the receiver now owns (form 1).
     */
    void DownloadComplete(const QString &key, const QVariant &value, int delivery);

  private:
    struct Read {
        QNetworkReply *reply = nullptr;
        int fileType = kBytesForm;
        qint64 maxBytes = kNoLimit;
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
