// The code line field: filled from the record after every change, and read back into the
// record when the user has edited it and leaves it.
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

}  // namespace brindlex
