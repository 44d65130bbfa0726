// Keeps the user's input away from a window for as long as it rebuilds itself or a dialog
// runs over it.
#pragma once

#include <QPointer>
#include <QWidget>

namespace brindlex {

// Disables `window` for its lifetime. Pauses nest: one begun while the window is disabled
// changes nothing, so only the outermost pause enables the window again. That one then gives
// the keyboard focus back to the control that had it, or to `fallbackFocus` when that control
// can no longer take it; a window that had no focus gets none.
class InputPause {
public:
    InputPause(QWidget& window, QWidget* fallbackFocus);
    ~InputPause();

    InputPause(const InputPause&) = delete;
    InputPause& operator=(const InputPause&) = delete;

private:
    QPointer<QWidget> m_window;  // null when an outer pause holds the window
    QPointer<QWidget> m_focus;
    QPointer<QWidget> m_fallbackFocus;
};

}  // namespace brindlex
