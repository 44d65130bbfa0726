// The code line field: filled from the record after every change, and read back into the
// record when the user has edited it and leaves it; and what the user typed into a text
// field, stored before anything else happens.
#include <string>

#include <QLineEdit>
#include <QScopeGuard>

#include "codec/codec.h"
#include "codec/lines.h"
#include "ui/mainform.h"

namespace brindlex {

void MAINFORM::RefreshCodeLine() {
    refreshingCodeLine = true;
    m_codeLine->setText(QString::fromStdString(ComposeCode(m_profile)));
    // Show the beginning of the line, where the species and the traits are.
    m_codeLine->setCursorPosition(0);
    refreshingCodeLine = false;
    RecordStep();
    emit answersChanged();
}

void MAINFORM::OnCodeLineChanged() {
    if (!refreshingCodeLine && !buildingPage) {
        codeLineEdited = true;
    }
}

void MAINFORM::OnCodeLineFocusLost() {
    if (!codeLineEdited || refreshingCodeLine || buildingPage) {
        return;
    }
    codeLineEdited = false;
    const std::string text = m_codeLine->text().toStdString();
    if (!LoadCodeLine(text)) {
        ShowRefusal(text);
    }
}

bool MAINFORM::LoadCodeLine(const std::string& text, const StepName& step) {
    refreshingCodeLine = true;
    // Held until the page below shows the answers read.
    const InputPause pause = PauseInput();
    m_stepName = step.given()
                     ? step
                     : StepName{"brindlex::MAINFORM",
                                QT_TRANSLATE_NOOP("brindlex::MAINFORM", "Paste Code Line")};
    const auto named = qScopeGuard([this] { m_stepName = StepName(); });
    // A line that cannot be read leaves the record as it was; either way the field then
    // shows the line of the record.
    const bool read = ParseCode(ReadableLine(text), m_profile);
    RefreshCodeLine();
    BuildPage();
    if (read) {
        ShowRefusal(std::nullopt);
    }
    return read;
}

// --- Typing that has not been stored yet -------------------------------------------------

void MAINFORM::done(int result) {
    CommitPendingEdits();
    QDialog::done(result);
}

void MAINFORM::CommitPendingEdits() {
    if (m_committingEdits || buildingPage || refreshingCodeLine) {
        return;
    }
    m_committingEdits = true;
    if (codeLineEdited) {
        OnCodeLineFocusLost();
    }
    if (m_nameEdited) {
        OnCustomNameFocusLost();
    }
    m_committingEdits = false;
}

}  // namespace brindlex
