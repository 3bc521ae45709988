#include "update/download.h"

#include "base/testseams.h"

#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTemporaryFile>
#include <QUrl>

namespace {
const QString transferFailed = QStringLiteral("Download Error");
// What the network layer may hold for a read before the program has taken it: beyond
// this the data waits at the sender, so a large setup program never sits in memory.
constexpr qint64 kReadBuffer = 256 * 1024;
} // namespace

Download::Download(QObject *parent) : QObject(parent), m_net(new QNetworkAccessManager(this)) {}

Download::~Download() {
    const QStringList keys = m_reads.keys();
    for (const QString &key : keys)
        Cancel(key);
}

void Download::BeginDownload(const QString &url, const QString &key, int delivery, int readOptions,
                             qint64 maxBytes) {
    if (url.isEmpty())
        return;
    Cancel(key);

    // Anything but the web would let a description point the program at local files or
    // other schemes, so those are refused before any transfer starts.
    if (!IsWebUrl(url)) {
        emit DownloadError(key, QNetworkReply::ProtocolUnknownError,
                           QStringLiteral("Unsupported or malformed URL: ") + url);
        return;
    }

    Read read;
    read.fileType = delivery == kFileForm ? kFileForm : kBytesForm;
    read.maxBytes = maxBytes;
    if (read.fileType == kFileForm) {
        read.file = new QTemporaryFile(QDir::tempPath() + QStringLiteral("/sortiva-XXXXXX.part"));
        read.file->setAutoRemove(false);
        if (!read.file->open()) {
            const QString why = read.file->errorString();
            delete read.file;
            emit DownloadError(key, QNetworkReply::UnknownContentError, why);
            return;
        }
    }

    QNetworkRequest request{QUrl(url, QUrl::StrictMode)};
    if (readOptions & kFetchAfresh) {
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                             QNetworkRequest::AlwaysNetwork);
        request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
        // Proxies on the way keep their own caches; ask them to go to the server too.
        request.setRawHeader("Cache-Control", "no-cache");
        request.setRawHeader("Pragma", "no-cache");
    }
    // A server that goes silent would otherwise keep the read, and its caller, waiting.
    request.setTransferTimeout(Seams().TransferStallMs());
    QNetworkReply *reply = m_net->get(request);
    reply->setReadBufferSize(kReadBuffer);
    read.reply = reply;
    m_reads.insert(key, read);

    connect(reply, &QNetworkReply::readyRead, this, [this, key, reply] {
        if (m_reads.value(key).reply == reply)
            OnReadyRead(key);
    });
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this, key, reply](qint64 got, qint64 total) {
                if (m_reads.value(key).reply == reply)
                    OnProgress(key, got, total);
            });
    connect(reply, &QNetworkReply::finished, this, [this, key, reply] {
        if (m_reads.value(key).reply == reply)
            OnFinished(key);
    });
}

void Download::Cancel(const QString &key) {
    if (!m_reads.contains(key))
        return;
    Read read = Take(key);
    if (read.file) {
        read.file->remove();
        delete read.file;
    }
}

bool Download::IsWebUrl(const QString &url) {
    const QUrl parsed(url, QUrl::StrictMode);
    const QString scheme = parsed.scheme().toLower();
    return parsed.isValid() && !parsed.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

bool Download::IsRunning(const QString &key) const {
    return m_reads.contains(key);
}

void Download::OnReadyRead(const QString &key) {
    auto it = m_reads.find(key);
    Read &read = it.value();
    const QByteArray chunk = read.reply->readAll();
    read.received += chunk.size();
    if (read.maxBytes >= 0 && read.received > read.maxBytes) {
        Fail(key);
        return;
    }
    if (read.file) {
        if (read.file->write(chunk) != chunk.size()) {
            Fail(key);
            return;
        }
    } else {
        read.data += chunk;
    }
}

void Download::OnProgress(const QString &key, qint64 read, qint64 total) {
    const Read &r = m_reads.value(key);
    // A server that announces more than the caller accepts need not be read at all.
    if (r.maxBytes >= 0 && total > r.maxBytes) {
        Fail(key);
        return;
    }
    const QVariant status = r.reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    // 0 would mean an error to the receiver; a reply without an HTTP status reports 1.
    const int code = status.isValid() && status.toInt() != 0 ? status.toInt() : 1;
    emit DownloadProgress(key, read, total, code, QString());
}

void Download::OnFinished(const QString &key) {
    if (m_reads.value(key).reply->error() != QNetworkReply::NoError) {
        Fail(key);
        return;
    }
    OnReadyRead(key); // whatever arrived with the end
    if (!m_reads.contains(key))
        return;
    Read read = Take(key);
    if (read.file) {
        const bool flushed = read.file->flush();
        const QString path = read.file->fileName();
        read.file->close();
        delete read.file;
        if (!flushed) {
            QFile::remove(path);
            emit DownloadError(key, 0, transferFailed);
            return;
        }
        emit DownloadComplete(key, QVariant(path), kFileForm);
    } else {
        emit DownloadComplete(key, QVariant(read.data), kBytesForm);
    }
}

Download::Read Download::Take(const QString &key) {
    Read read = m_reads.take(key);
    if (read.reply) {
        // The table no longer knows this reply, so nothing it reports while stopping is
        // taken for the next read under the same key.
        read.reply->disconnect(this);
        if (read.reply->isRunning())
            read.reply->abort();
        read.reply->deleteLater();
        read.reply = nullptr;
    }
    return read;
}

void Download::Fail(const QString &key) {
    Read read = Take(key);
    if (read.file) {
        read.file->remove();
        delete read.file;
    }
    emit DownloadError(key, 0, transferFailed);
}
