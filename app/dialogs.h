// The platform dialogs that the menu commands run, each with a way for tests to answer it
// without showing anything.
#pragma once

#include <optional>

#include <QMessageBox>
#include <QString>

class QWidget;

namespace brindlex {

// The save-as chooser.
class FILECHOOSER {
public:
    // Asks for the name of a file to write, offering `suggestion` (its folder open, its name
    // filled in). `filter` lists the offered types, `defaultSuffix` is added to a name typed
    // without one; an existing file is replaced without a question. Returns the chosen path,
    // or an empty string when the user cancels.
    static QString getSaveFileName(QWidget* owner, const QString& filter,
                                   const QString& defaultSuffix, const QString& suggestion);

    // The next getSaveFileName() shows nothing and returns `fileName`; an empty name answers
    // as a cancel would.
    static void setNextFileName(const QString& fileName);

    // Asks for an existing file to read, offering the types in `filter`. Returns its path, or
    // an empty string when the user cancels. setNextFileName() answers it as well.
    static QString getOpenFileName(QWidget* owner, const QString& filter);

private:
    static std::optional<QString> TakeNextFileName();
    static std::optional<QString> s_nextFileName;
};

// Modal message boxes.
class MESSAGEBOX {
public:
    static QMessageBox::StandardButton warning(QWidget* owner, const QString& title,
                                               const QString& text);
    // Asks a question that the user answers with Yes or No (the default).
    static QMessageBox::StandardButton question(QWidget* owner, const QString& title,
                                                const QString& text);

    // The next box is not shown and gives `button` as its answer at once; its text is kept
    // for answeredText(). NoButton shows boxes again.
    static void setNextAnswer(QMessageBox::StandardButton button);

    // The text of the box that was answered in advance since the last setNextAnswer(), or an
    // empty string when none was asked for.
    static QString answeredText();

private:
    // The answer given in advance for a box saying `text`, taken once; NoButton when none.
    static QMessageBox::StandardButton TakeNextAnswer(const QString& text);

    static QMessageBox::StandardButton s_nextAnswer;
    static QString s_answeredText;
};

}  // namespace brindlex
