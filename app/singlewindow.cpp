#include "app/singlewindow.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace brindlex {

namespace {

constexpr char kRaise[] = "raise\n";

// The folder's own name for the server, and where it lives: in the user's runtime folder,
// which only the user can enter, or else with the user's number in the shared one.
QString ServerNameFor(const QString& answersFolder) {
    const QByteArray folder = QDir(answersFolder).absolutePath().toUtf8();
    const QString key = QString::fromLatin1(
        QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(16));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        return QDir(runtime).filePath(QStringLiteral("org.brindlex.Brindlex-") + key);
    }
#ifdef Q_OS_UNIX
    const QString user = QString::number(::getuid());
#else
    const QString user = qEnvironmentVariable("USERNAME");
#endif
    return QStringLiteral("org.brindlex.Brindlex-%1-%2").arg(user, key);
}

void BringToFront(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
    // A dialog that the window runs, such as a message, stays in front of it.
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != &window) {
        modal->raise();
        modal->activateWindow();
    }
}

}  // namespace

SingleWindow::SingleWindow(const QString& answersFolder, QObject* parent)
    : QObject(parent), m_name(ServerNameFor(answersFolder)) {}

SingleWindow::~SingleWindow() {
    Close();
}

bool SingleWindow::HandOver(int timeoutMilliseconds) const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMilliseconds)) {
        return false;
    }
    // The connection alone asks the window to come forward; the word says what for.
    socket.write(kRaise, sizeof(kRaise) - 1);
    socket.waitForBytesWritten(timeoutMilliseconds);
    socket.disconnectFromServer();
    return true;
}

bool SingleWindow::Listen(QWidget& window) {
    Close();
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // What a window that died left behind; the lock says no window listens any more.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name)) {
            return false;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, [this, &window] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, socket, [socket] { socket->readAll(); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            if (socket->state() != QLocalSocket::ConnectedState) {
                socket->deleteLater();
            }
        }
        // Before the window first shows, it comes to the front of its own accord.
        if (window.isVisible()) {
            BringToFront(window);
        }
        emit handedOver();
    });
    return true;
}

void SingleWindow::Close() {
    if (m_server != nullptr) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
}

}  // namespace brindlex
