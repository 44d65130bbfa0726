#include "app/splashform.h"

#include <chrono>
#include <utility>

#include <QCoreApplication>
#include <QEventLoop>
#include <QPainter>
#include <QThread>

namespace brindlex {

namespace {

constexpr int kWidth = 514;
constexpr int kHeight = 430;

}  // namespace

void SPLASHFORM::Sleep(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

std::int64_t SPLASHFORM::SteadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

SPLASHFORM::ClockPause::ClockPause(Clock now, Sleeper sleep)
    : m_now(std::move(now)), m_sleep(std::move(sleep)), m_deadline(m_now()) {}

void SPLASHFORM::ClockPause::operator()(int milliseconds) {
    m_deadline += milliseconds;
    const std::int64_t left = m_deadline - m_now();
    if (left > 0) {
        m_sleep(static_cast<int>(left));
    }
}

SPLASHFORM::SPLASHFORM(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_picture(QStringLiteral(":/brindlex/splash.png")) {
    // Without its picture the splash still shows, empty.
    setFixedSize(kWidth, kHeight);
}

void SPLASHFORM::FadeIn(const StepPause& pause) {
    setWindowOpacity(0.0);
    show();
    for (int alpha = 1; alpha <= kFadeSteps; ++alpha) {
        setWindowOpacity(alpha / static_cast<double>(kFadeSteps));
        repaint();
        // Lets the window system map and expose the window; clicks and keys stay queued.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        pause(kStepMilliseconds);
    }
}

void SPLASHFORM::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

}  // namespace brindlex
