#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

/**
 * A tiny HTTP/1.1 server on 127.0.0.1 for tests: answers GET requests from a table of
 * canned replies, 404 for anything else, and records every request it saw. A reply may
 * leave out its length, as servers streaming generated content do.
 */
class HttpTestServer {
  public:
    struct Reply {
        int status = 200;
        QByteArray body;
        qint64 announcedLength = -1; // Content-Length sent; -1: the body's length
    };
    /** As announced length: no Content-Length at all, the body ends when the server closes. */
    static constexpr qint64 kNoLength = -2;
    /** As kNoLength, but the server never closes: a stream that does not end. */
    static constexpr qint64 kNoEnd = -3;

    HttpTestServer() {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                Accept(socket);
        });
    }

    bool IsListening() const { return m_server.isListening(); }
    /** "http://127.0.0.1:port" */
    QString Base() const {
        return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
    }
    void Serve(const QByteArray &path, const QByteArray &body, int status = 200,
               qint64 announcedLength = -1) {
        m_replies.insert(path, Reply{status, body, announcedLength});
    }

    /** Request targets in arrival order ("/update/sortiva/sortiva.dat"). */
    QList<QByteArray> paths;
    /** The full head of every request. */
    QList<QByteArray> heads;

  private:
    void Accept(QTcpSocket *socket) {
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            QByteArray &pending = m_pending[socket];
            pending += socket->readAll();
            const qsizetype end = pending.indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QByteArray head = pending.left(end);
            m_pending.remove(socket);
            const QList<QByteArray> requestLine = head.split('\n').first().trimmed().split(' ');
            const QByteArray path = requestLine.size() > 1 ? requestLine.at(1) : QByteArray();
            paths << path;
            heads << head;
            const auto found = m_replies.constFind(path);
            const Reply reply =
                found != m_replies.constEnd() ? *found : Reply{404, QByteArray("not here"), -1};
            const qint64 length =
                reply.announcedLength >= 0 ? reply.announcedLength : reply.body.size();
            QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) +
                             (reply.status == 200 ? " OK" : " Error") + "\r\n";
            out += "Content-Type: application/octet-stream\r\n";
            if (reply.announcedLength != kNoLength && reply.announcedLength != kNoEnd)
                out += "Content-Length: " + QByteArray::number(length) + "\r\n";
            out += "Connection: close\r\n\r\n";
            out += reply.body;
            socket->write(out);
            if (reply.announcedLength != kNoEnd)
                socket->disconnectFromHost();
        });
    }

    QTcpServer m_server;
    QHash<QByteArray, Reply> m_replies;
    QHash<QTcpSocket *, QByteArray> m_pending;
};
