// How long "Read a Code Line" holds the window's thread, on the offscreen platform: the
// longest single event while a pasted post is read, and the time of one key typed into a
// long post, each beside the same work on a bare text field holding the same text, the
// floor. A frame at 60 Hz is 16.7 ms.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include <QApplication>
#include <QByteArray>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QtGlobal>

#include "app/readcodeline.h"
#include "profile/profile.h"
#include "ui/mainform.h"

namespace {

using Clock = std::chrono::steady_clock;

// Times every event that reaches the window's thread from its event loop.
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        if (m_depth++ > 0) {
            const bool handled = QApplication::notify(receiver, event);
            --m_depth;
            return handled;
        }
        const auto start = Clock::now();
        const bool handled = QApplication::notify(receiver, event);
        m_longest = std::max(m_longest, Clock::now() - start);
        --m_depth;
        return handled;
    }

    // The longest event since the last call, in milliseconds.
    double TakeLongest() {
        const double ms = std::chrono::duration<double, std::milli>(m_longest).count();
        m_longest = {};
        return ms;
    }

private:
    int m_depth = 0;
    Clock::duration m_longest{};
};

// A post of `size` bytes: a code line with repairs and a line of prose in turn, so that
// half its lines are found, each with repairs to list.
QString Post(int size) {
    QString post;
    while (post.size() < size) {
        post += QStringLiteral("2.0FCf9 V+ V- O 2 5 Qx Dm- D-\nSome prose around it, quoted.\n");
    }
    post.truncate(size);
    return post;
}

// One line of `size` bytes, repeating a token: a single line found, with a repair for each
// token but the last.
QString RepeatedTokens(int size) {
    QString line = QStringLiteral("2.0FCf5");
    while (line.size() < size) {
        line += QStringLiteral(" V+");
    }
    return line;
}

double Millis(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The longest event from pasting `text` until its reading is shown, the paste not counted.
double LongestWhileRead(TimedApplication& app, brindlex::ReadCodeLineWindow& window,
                        QPlainTextEdit& input, const QString& text) {
    QSignalSpy shown(&window, &brindlex::ReadCodeLineWindow::readingShown);
    input.setPlainText(text);
    app.TakeLongest();
    shown.wait(600000);
    return app.TakeLongest();
}

// The same for a bare field: the longest event over as long a wait as the window's took.
double LongestBare(TimedApplication& app, QPlainTextEdit& bare, const QString& text, int waitMs) {
    bare.setPlainText(text);
    app.TakeLongest();
    QTest::qWait(waitMs);
    return app.TakeLongest();
}

// The time of one key typed at the end of the field's text.
double KeyTime(QPlainTextEdit& field) {
    field.moveCursor(QTextCursor::End);
    const auto start = Clock::now();
    QTest::keyClick(&field, Qt::Key_X);
    return Millis(Clock::now() - start);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    TimedApplication app(argc, argv);
    brindlex::PROFILE profile;
    brindlex::MAINFORM form(profile);
    form.show();
    brindlex::ShowCodeLineReader(form);
    auto* window = form.findChild<brindlex::ReadCodeLineWindow*>(QStringLiteral("readCodeLine"));
    auto* input = window->findChild<QPlainTextEdit*>(QStringLiteral("readerInput"));
    QPlainTextEdit bare;
    bare.show();

    LongestWhileRead(app, *window, *input, Post(1 << 10));  // the first reading lays out the window
    std::printf("%-16s %10s %16s %14s %12s %10s\n", "input", "bytes", "longest event ms",
                "bare field ms", "key ms", "bare key ms");
    struct Case {
        const char* name;
        QString text;
    };
    for (const int size : {1 << 10, 100 << 10, 1 << 20, 10 << 20}) {
        for (const Case& c :
             {Case{"post", Post(size)}, Case{"repeated tokens", RepeatedTokens(size)}}) {
            const auto start = Clock::now();
            const double longest = LongestWhileRead(app, *window, *input, c.text);
            const int waited = static_cast<int>(Millis(Clock::now() - start)) + 1;
            const double bareLongest = LongestBare(app, bare, c.text, waited);
            const double key = KeyTime(*input);
            const double bareKey = KeyTime(bare);
            QSignalSpy shown(window, &brindlex::ReadCodeLineWindow::readingShown);
            shown.wait(600000);  // the reading that the key began
            std::printf("%-16s %10d %16.2f %14.2f %12.2f %10.2f\n", c.name, size, longest,
                        bareLongest, key, bareKey);
        }
    }
    return 0;
}
