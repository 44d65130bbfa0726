// One window per user and answers file: a later start of the program hands over to the
// window that runs already, which comes to the front, instead of opening a second one.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QWidget;

namespace brindlex {

class SingleWindow : public QObject {
    Q_OBJECT

public:
    // The window that keeps the answers in `answersFolder`.
    explicit SingleWindow(const QString& answersFolder, QObject* parent = nullptr);
    ~SingleWindow() override;

    // Asks the window that runs for these answers to come to the front. Returns whether one
    // was reached.
    bool HandOver(int timeoutMilliseconds = 1000) const;

    // From now on every later start brings `window` to the front, once it shows. Returns
    // false when later starts cannot reach this one. Call it only while holding the lock of
    // the answers, which proves that no other window listens.
    bool Listen(QWidget& window);

    // Stops listening, so that a later start waits for this one to end rather than handing
    // over to a window that is closing.
    void Close();

    // The name later starts look for: one per user and answers folder.
    QString serverName() const { return m_name; }

signals:
    // A later start has asked this window to come to the front.
    void handedOver();

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};

}  // namespace brindlex
