#include "app/dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace brindlex {

std::optional<QString> FILECHOOSER::s_nextFileName;

namespace {

// Runs a chooser and returns the file chosen, or an empty string for a cancel. The owner may
// have been disabled for the time the chooser runs; the chooser itself must still take input.
QString RunChooser(QFileDialog& dialog) {
    dialog.setEnabled(true);
    if (dialog.exec() != QDialog::Accepted) {
        return QString();
    }
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

}  // namespace

std::optional<QString> FILECHOOSER::TakeNextFileName() {
    std::optional<QString> answer;
    answer.swap(s_nextFileName);
    return answer;
}

QString FILECHOOSER::getSaveFileName(QWidget* owner, const QString& filter,
                                     const QString& defaultSuffix, const QString& suggestion) {
    if (std::optional<QString> answer = TakeNextFileName()) {
        return *answer;
    }
    // QFileDialog::getSaveFileName() cannot add a default suffix, so the dialog is built here.
    QFileDialog dialog(owner, QString(), QFileInfo(suggestion).absolutePath(), filter);
    dialog.selectFile(QFileInfo(suggestion).fileName());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return RunChooser(dialog);
}

QString FILECHOOSER::getOpenFileName(QWidget* owner, const QString& filter) {
    if (std::optional<QString> answer = TakeNextFileName()) {
        return *answer;
    }
    QFileDialog dialog(owner, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return RunChooser(dialog);
}

void FILECHOOSER::setNextFileName(const QString& fileName) {
    s_nextFileName = fileName;
}

QMessageBox::StandardButton MESSAGEBOX::s_nextAnswer = QMessageBox::NoButton;
QString MESSAGEBOX::s_answeredText;

QMessageBox::StandardButton MESSAGEBOX::TakeNextAnswer(const QString& text) {
    const QMessageBox::StandardButton answer = s_nextAnswer;
    if (answer != QMessageBox::NoButton) {
        s_nextAnswer = QMessageBox::NoButton;
        s_answeredText = text;
    }
    return answer;
}

QMessageBox::StandardButton MESSAGEBOX::warning(QWidget* owner, const QString& title,
                                                const QString& text) {
    const QMessageBox::StandardButton answer = TakeNextAnswer(text);
    return answer != QMessageBox::NoButton ? answer : QMessageBox::warning(owner, title, text);
}

QMessageBox::StandardButton MESSAGEBOX::question(QWidget* owner, const QString& title,
                                                 const QString& text) {
    const QMessageBox::StandardButton answer = TakeNextAnswer(text);
    return answer != QMessageBox::NoButton
               ? answer
               : QMessageBox::question(owner, title, text, QMessageBox::Yes | QMessageBox::No,
                                       QMessageBox::No);
}

void MESSAGEBOX::setNextAnswer(QMessageBox::StandardButton button) {
    s_nextAnswer = button;
    s_answeredText.clear();
}

QString MESSAGEBOX::answeredText() {
    return s_answeredText;
}

}  // namespace brindlex
