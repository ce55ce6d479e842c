#pragma once

// A small HTTP/1.1 server on 127.0.0.1 for tests: it keeps every request it
// receives and answers each with the status and body set beforehand.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

struct ReceivedRequest {
    QByteArray method;
    QByteArray path;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    QByteArray header(const QByteArray &name) const
    {
        for (const auto &header : headers)
            if (header.first.compare(name, Qt::CaseInsensitive) == 0)
                return header.second;
        return QByteArray();
    }
};

class HttpTestServer : public QObject
{
public:
    int status = 200;
    QByteArray replyBody;
    QByteArray extraHeaders; // whole lines, each ending in "\r\n"
    QList<ReceivedRequest> requests;

    HttpTestServer()
    {
        connect(&server, &QTcpServer::newConnection, this, &HttpTestServer::accept);
        server.listen(QHostAddress::LocalHost);
    }

    QUrl url(const QString &path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path));
    }

    // An address on which nothing listens.
    static QUrl refusingUrl()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        const quint16 port = probe.serverPort();
        probe.close();
        return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port));
    }

private:
    void accept()
    {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void read(QTcpSocket *socket)
    {
        QByteArray &buffer = pending[socket];
        buffer += socket->readAll();
        const int headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        ReceivedRequest request;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
        request.method = requestLine.value(0);
        request.path = requestLine.value(1);
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines.at(i).indexOf(':');
            if (colon > 0)
                request.headers.append({lines.at(i).left(colon).trimmed(), lines.at(i).mid(colon + 1).trimmed()});
        }
        const int length = request.header("Content-Length").toInt();
        if (buffer.size() < headerEnd + 4 + length)
            return;
        request.body = buffer.mid(headerEnd + 4, length);
        pending.remove(socket);
        requests.append(request);
        const QByteArray reason = status == 200 ? "OK" : "Internal Server Error";
        socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reason
                      + "\r\nContent-Type: application/json\r\nConnection: close\r\n" + extraHeaders
                      + "Content-Length: " + QByteArray::number(replyBody.size()) + "\r\n\r\n" + replyBody);
        socket->disconnectFromHost();
    }

    QTcpServer server;
    QHash<QTcpSocket *, QByteArray> pending;
};
