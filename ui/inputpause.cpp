#include "ui/inputpause.h"

namespace brindlex {

InputPause::InputPause(QWidget& window, QWidget* fallbackFocus) {
    if (window.testAttribute(Qt::WA_Disabled)) {
        return;
    }
    m_window = &window;
    m_focus = window.focusWidget();
    m_fallbackFocus = fallbackFocus;
    window.setEnabled(false);
}

InputPause::~InputPause() {
    if (m_window == nullptr || !m_window->testAttribute(Qt::WA_Disabled)) {
        return;
    }
    m_window->setEnabled(true);
    // Qt drops the focus of a disabled window; give it back where the window still allows.
    QWidget* focus = m_focus;
    if (focus == nullptr || focus->hasFocus()) {
        return;
    }
    if (focus->isVisibleTo(m_window) && focus->isEnabled() && focus->focusPolicy() != Qt::NoFocus) {
        focus->setFocus(Qt::OtherFocusReason);
    } else if (m_fallbackFocus != nullptr) {
        m_fallbackFocus->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace brindlex
