// The code line field: filled from the record after every change, and read back into the
// record when the user has edited it and leaves it; and what the user typed into a text
// field, stored before anything else happens.
#include <string>

#include <QLineEdit>

#include "codec/codec.h"
#include "ui/mainform.h"

namespace brindlex {

void MAINFORM::RefreshCodeLine() {
    refreshingCodeLine = true;
    m_codeLine->setText(QString::fromStdString(ComposeCode(m_profile)));
    // Show the beginning of the line, where the species and the traits are.
    m_codeLine->setCursorPosition(0);
    refreshingCodeLine = false;
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
    LoadCodeLine(m_codeLine->text().toStdString());
}

bool MAINFORM::LoadCodeLine(const std::string& text) {
    refreshingCodeLine = true;
    // Held until the page below shows the answers read.
    const InputPause pause = PauseInput();
    // A line that cannot be read leaves the record as it was; either way the field then
    // shows the line of the record.
    const bool read = ParseCode(text, m_profile);
    RefreshCodeLine();
    BuildPage();
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

void MAINFORM::ClearAnswers() {
    m_profile = PROFILE();
    codeLineEdited = false;
    m_nameEdited = false;
    RefreshCodeLine();
    BuildPage();
}

}  // namespace brindlex
