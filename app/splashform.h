// The splash screen that fades in before the main window opens.
#pragma once

#include <cstdint>
#include <functional>

#include <QDialog>
#include <QPixmap>

class QPaintEvent;

namespace brindlex {

class SPLASHFORM : public QDialog {
    Q_OBJECT

public:
    // The fade raises the window's opacity in this many steps, from transparent to opaque,
    // and waits this long after each.
    static constexpr int kFadeSteps = 255;
    static constexpr int kStepMilliseconds = 10;

    // Waits between two steps of the fade.
    using StepPause = std::function<void(int milliseconds)>;
    static void Sleep(int milliseconds);

    // A pause that keeps the steps on the clock: the n-th wait ends n periods after the
    // pause was made, however long the painting between the waits took. A step that ran
    // late makes the following waits shorter until the fade is back on time.
    class ClockPause {
    public:
        using Clock = std::function<std::int64_t()>;  // milliseconds, never going back
        using Sleeper = std::function<void(int milliseconds)>;

        explicit ClockPause(Clock now = SteadyMilliseconds, Sleeper sleep = Sleep);
        void operator()(int milliseconds);

    private:
        Clock m_now;
        Sleeper m_sleep;
        std::int64_t m_deadline;
    };
    static std::int64_t SteadyMilliseconds();

    explicit SPLASHFORM(QWidget* parent = nullptr);

    // Shows the window fully transparent and fades it in to full opacity, repainting it after
    // every step. User input waits until the fade is over. Where the platform has no
    // per-window opacity the window shows at once, and the steps still take their time.
    void FadeIn(const StepPause& pause = ClockPause());

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

}  // namespace brindlex
