#include "app/dialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace brindlex {

std::optional<QString> FILECHOOSER::s_nextFileName;

QString FILECHOOSER::getSaveFileName(QWidget* owner, const QString& filter,
                                     const QString& defaultSuffix) {
    if (s_nextFileName) {
        const QString answer = *s_nextFileName;
        s_nextFileName.reset();
        return answer;
    }

    // QFileDialog::getSaveFileName() cannot add a default suffix, so the dialog is built here.
    QFileDialog dialog(owner, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // The owner may have been disabled for the time the chooser runs; the chooser itself
    // must still take input.
    dialog.setEnabled(true);
    if (dialog.exec() != QDialog::Accepted) {
        return QString();
    }
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

QString FILECHOOSER::getOpenFileName(QWidget* owner, const QString& filter) {
    if (s_nextFileName) {
        const QString answer = *s_nextFileName;
        s_nextFileName.reset();
        return answer;
    }
    QFileDialog dialog(owner, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setEnabled(true);  // as for saving: the owner may be disabled meanwhile
    if (dialog.exec() != QDialog::Accepted) {
        return QString();
    }
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
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
