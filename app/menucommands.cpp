#include "app/menucommands.h"

#include <array>
#include <string>

#include <QAction>
#include <QActionGroup>
#include <QByteArray>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include "app/aboutform.h"
#include "app/dialogs.h"
#include "app/filewords.h"
#include "app/links.h"
#include "app/readcodeline.h"
#include "codec/codec.h"
#include "codec/lines.h"
#include "translations/languages.h"
#include "ui/coretext.h"
#include "ui/mainform.h"

namespace brindlex {

namespace {

// The texts of the menus and of the commands' message boxes.
class MenuText {
    Q_DECLARE_TR_FUNCTIONS(brindlex::MenuCommands)
};

// The English text of a menu or item, which its text in the user's language is made from.
constexpr char kSourceText[] = "brindlexSourceText";

// The access letter of each command in its menu, and its shortcut: the platform's standard
// keys for the task where they include `key`, else `key` alone.
struct CommandKeys {
    int command;
    char letter;
    QKeySequence::StandardKey standard;
    QKeyCombination key;
};
constexpr std::array<CommandKeys, 10> kCommandKeys = {{
    {kCommandSaveAsText, 'S', QKeySequence::Save, Qt::CTRL | Qt::Key_S},
    {kCommandOpenText, 'O', QKeySequence::Open, Qt::CTRL | Qt::Key_O},  // "Open Txt File..."
    {kCommandStartOver, 't', QKeySequence::UnknownKey, {}},             // "Start Over"
    {kCommandAbout, 'A', QKeySequence::HelpContents, Qt::Key_F1},
    {kCommandCheckForUpdate, 'C', QKeySequence::UnknownKey, {}},
    {kCommandAdultMaterial, 'o', QKeySequence::UnknownKey, {}},
    {kCommandDonate, 'D', QKeySequence::UnknownKey, {}},
    {kCommandExit, 'x', QKeySequence::Quit, Qt::CTRL | Qt::Key_Q},
    {kCommandReadCodeLine, 'R', QKeySequence::UnknownKey,
     Qt::CTRL | Qt::Key_R},  // "Read a Code Line..."
    {kCommandCopyCodeLine, 'C', QKeySequence::UnknownKey,
     Qt::CTRL | Qt::SHIFT | Qt::Key_C},  // "Copy Code Line"
}};

// A command without a row has no shortcut, and the first free letter of its text.
CommandKeys KeysOf(int command) {
    for (const CommandKeys& keys : kCommandKeys) {
        if (keys.command == command) {
            return keys;
        }
    }
    return {command, '\0', QKeySequence::UnknownKey, {}};
}

QList<QKeySequence> ShortcutsOf(const CommandKeys& keys) {
    if (keys.key.key() == Qt::Key_unknown) {
        return {};
    }
    const QKeySequence key(keys.key);
    const QList<QKeySequence> standard = QKeySequence::keyBindings(keys.standard);
    return standard.contains(key) ? standard : QList<QKeySequence>{key};
}

// `text` with an access letter: the one its translation marks with "&", else `letter` where
// it occurs, else the first letter that no other item of `menu` uses, so that commands added
// without a row above get one too.
QString WithAccessLetter(const QMenu* menu, const QString& text, char letter) {
    if (text.contains(QLatin1Char('&'))) {
        return text;
    }
    QString used;
    for (const QAction* action : menu->actions()) {
        const QString other = action->text();
        const auto amp = other.indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < other.size()) {
            used += other.at(amp + 1).toLower();
        }
    }
    auto at = letter != '\0' ? text.indexOf(QLatin1Char(letter)) : -1;
    for (qsizetype i = 0; at < 0 && i < text.size(); ++i) {
        if (text.at(i).isLetter() && !used.contains(text.at(i).toLower())) {
            at = i;
        }
    }
    QString result = text;
    if (at >= 0) {
        result.insert(at, QLatin1Char('&'));
    }
    return result;
}

// Gives the items of `menu` their texts in the user's language, each with its access letter
// among those of the items above it, as when the menu was filled.
void LabelMenu(QMenu* menu) {
    const QList<QAction*> items = menu->actions();
    for (QAction* item : items) {
        if (item->property(kSourceText).isValid()) {
            item->setText(QString());
        }
    }
    for (QAction* item : items) {
        const QByteArray source = item->property(kSourceText).toByteArray();
        if (!source.isEmpty()) {
            item->setText(WithAccessLetter(menu, MenuText::tr(source.constData()),
                                           KeysOf(item->objectName().toInt()).letter));
        }
        if (item->menu() != nullptr) {
            LabelMenu(item->menu());
        }
    }
}

void LabelMenus(QMenuBar* bar) {
    for (QAction* title : bar->actions()) {
        title->setText(MenuText::tr(title->property(kSourceText).toByteArray().constData()));
        if (title->menu() != nullptr) {
            LabelMenu(title->menu());
        }
    }
}

QMenu* AddMenu(QMenuBar* bar, const char* title) {
    QMenu* menu = bar->addMenu(MenuText::tr(title));
    menu->menuAction()->setProperty(kSourceText, QByteArray(title));
    return menu;
}

// A menu item whose command first stores what the user typed and has not left yet.
QAction* AddCommand(MAINFORM& form, QMenu* menu, MenuCommand id, const char* text) {
    const CommandKeys keys = KeysOf(id);
    QAction* action = menu->addAction(WithAccessLetter(menu, MenuText::tr(text), keys.letter));
    action->setProperty(kSourceText, QByteArray(text));
    action->setObjectName(QString::number(id));
    action->setShortcuts(ShortcutsOf(keys));
    QObject::connect(action, &QAction::triggered, &form, [&form] { form.CommitPendingEdits(); });
    return action;
}

void ShowAbout(MAINFORM& form) {
    ABOUTFORM about(&form);
    about.exec();
}

// The browser's answer is not waited for, and nothing is said when no browser can be started.
void OpenWebPage(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

// "Language": one entry per language, each named in its own language; the one spoken is
// ticked. Choosing one speaks it at once and keeps it for the next start.
void AddLanguageMenu(MAINFORM& form, QMenu* application) {
    QMenu* menu = application->addMenu(QString());
    menu->menuAction()->setObjectName(QString::number(kCommandLanguage));
    menu->menuAction()->setProperty(
        kSourceText, QByteArray(QT_TRANSLATE_NOOP("brindlex::MenuCommands", "Language")));
    auto* group = new QActionGroup(menu);
    for (std::size_t i = 0; i < kLanguages.size(); ++i) {
        const QString code = QString::fromLatin1(kLanguages[i].code);
        QAction* action =
            menu->addAction(WithAccessLetter(menu, QString::fromUtf8(kLanguages[i].name), '\0'));
        action->setObjectName(QString::number(kCommandFirstLanguage + static_cast<int>(i)));
        action->setCheckable(true);
        action->setChecked(code == CurrentLanguage());
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &form, [&form, code] {
            form.CommitPendingEdits();
            ChooseLanguage(code);
        });
    }
}

void TickLanguage(const MAINFORM& form) {
    for (std::size_t i = 0; i < kLanguages.size(); ++i) {
        auto* action =
            form.findChild<QAction*>(QString::number(kCommandFirstLanguage + static_cast<int>(i)));
        if (action != nullptr) {
            action->setChecked(CurrentLanguage() == QLatin1String(kLanguages[i].code));
        }
    }
}

// Relabels the menus when the application's language changes.
class MenuLanguage : public QObject {
public:
    explicit MenuLanguage(MAINFORM& form) : QObject(&form), m_form(form) {
        form.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_form && event->type() == QEvent::LanguageChange) {
            LabelMenus(m_form.menuBar());
            TickLanguage(m_form);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    MAINFORM& m_form;
};

}  // namespace

void InstallMenu(MAINFORM& form) {
    QMenuBar* bar = form.menuBar();

    QMenu* file = AddMenu(bar, QT_TRANSLATE_NOOP("brindlex::MenuCommands", "&File"));
    QObject::connect(AddCommand(form, file, kCommandOpenText,
                                QT_TRANSLATE_NOOP("brindlex::MenuCommands", "Open Txt File...")),
                     &QAction::triggered, &form, [&form] { OpenCodeLine(form); });
    QObject::connect(AddCommand(form, file, kCommandSaveAsText,
                                QT_TRANSLATE_NOOP("brindlex::MenuCommands", "Save as Txt File")),
                     &QAction::triggered, &form, [&form] { SaveCodeLine(form); });
    file->addSeparator();
    QObject::connect(AddCommand(form, file, kCommandStartOver,
                                QT_TRANSLATE_NOOP("brindlex::MenuCommands", "Start Over")),
                     &QAction::triggered, &form, [&form] { StartOver(form); });

    // Undo and Redo are the window's own, and name the step they take.
    QMenu* edit = AddMenu(bar, QT_TRANSLATE_NOOP("brindlex::MenuCommands", "&Edit"));
    edit->addAction(form.undoAction());
    edit->addAction(form.redoAction());
    edit->addSeparator();
    QObject::connect(AddCommand(form, edit, kCommandCopyCodeLine,
                                QT_TRANSLATE_NOOP("brindlex::MenuCommands", "Copy Code Line")),
                     &QAction::triggered, &form, [&form] { CopyCodeLine(form); });

    QMenu* application = AddMenu(bar, QT_TRANSLATE_NOOP("brindlex::MenuCommands", "&Application"));
    QAction* read = AddCommand(form, application, kCommandReadCodeLine,
                               QT_TRANSLATE_NOOP("brindlex::MenuCommands", "Read a Code Line..."));
    QObject::connect(read, &QAction::triggered, &form, [&form] { ShowCodeLineReader(form); });
    application->addSeparator();
    QObject::connect(AddCommand(form, application, kCommandAbout,
                                QT_TRANSLATE_NOOP("brindlex::MenuCommands", "About")),
                     &QAction::triggered, &form, [&form] { ShowAbout(form); });
    QObject::connect(AddCommand(form, application, kCommandCheckForUpdate,
                                QT_TRANSLATE_NOOP("brindlex::MenuCommands", "Check For Update")),
                     &QAction::triggered, &form, [] { OpenWebPage(HomePageUrl()); });

    // The check mark is the only record of whether the adult tab is wanted.
    QAction* adult = AddCommand(
        form, application, kCommandAdultMaterial,
        QT_TRANSLATE_NOOP("brindlex::MenuCommands", "I am old enough to view adult material"));
    adult->setCheckable(true);
    QObject::connect(adult, &QAction::toggled, &form,
                     [&form](bool checked) { form.setAdultTabShown(checked); });
    AddLanguageMenu(form, application);

    application->addSeparator();
    QObject::connect(AddCommand(form, application, kCommandDonate,
                                QT_TRANSLATE_NOOP("brindlex::MenuCommands", "Donate")),
                     &QAction::triggered, &form, [] { OpenWebPage(DonatePageUrl()); });
    application->addSeparator();
    QObject::connect(AddCommand(form, application, kCommandExit,
                                QT_TRANSLATE_NOOP("brindlex::MenuCommands", "Exit")),
                     &QAction::triggered, &form, [&form] { form.done(1); });
    LabelMenus(bar);
    new MenuLanguage(form);
}

void SaveCodeLine(MAINFORM& form) {
    QString path;
    QString failure;
    {
        const InputPause pause = form.PauseInput();
        path = FILECHOOSER::getSaveFileName(&form, MenuText::tr("Text Files (*.txt)"),
                                            QStringLiteral("txt"), SuggestedTextFile());
        failure = path.isEmpty() ? QString() : WriteCodeLineFile(path, form.profile());
    }
    if (!failure.isEmpty()) {
        MESSAGEBOX::warning(&form, CommandName("Save as Txt File"),
                            MenuText::tr("The code line could not be saved to %1: %2.\n\nNothing "
                                         "was written there; choose another folder or file name.")
                                .arg(QDir::toNativeSeparators(path), failure));
    }
}

QString SuggestedTextFile() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QDir::homePath();
    }
    return QDir(folder).filePath(MenuText::tr("Brindlex code line.txt"));
}

void CopyCodeLine(MAINFORM& form) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(ComposeCode(form.profile())));
}

void OpenCodeLine(MAINFORM& form) {
    const QString title = MenuText::tr("Open Txt File");
    QString path;
    {
        const InputPause pause = form.PauseInput();
        path = FILECHOOSER::getOpenFileName(&form, MenuText::tr("Text Files (*.txt)") +
                                                       QStringLiteral(";;") +
                                                       MenuText::tr("All Files (*)"));
    }
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
    }
    const QString where = QDir::toNativeSeparators(path);
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        MESSAGEBOX::warning(
            &form, title,
            MenuText::tr("Brindlex could not read %1: %2.\n\nYour answers are unchanged.")
                .arg(where, FileWords::ReadProblem(file)));
        return;
    }
    // The first line, as a saved file holds it: up to a 0x00 byte or a line break.
    const std::string line(
        FirstLine(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    if (!form.LoadCodeLine(line, {"brindlex::MenuCommands",
                                  QT_TRANSLATE_NOOP("brindlex::MenuCommands", "Open Txt File")})) {
        const std::string_view readable = ReadableLine(line);
        MESSAGEBOX::warning(
            &form, title,
            readable.empty()
                ? MenuText::tr("The first line of %1 is empty, so there is no code line to "
                               "read.\n\nYour answers are unchanged.")
                      .arg(where)
                : MenuText::tr("The first line of %1 is no code line that Brindlex can read "
                               "(%2).\n\nYour answers are unchanged.")
                      .arg(where,
                           QString::fromStdString(RejectionReason(readable, UserWording()))));
    }
}

void StartOver(MAINFORM& form) {
    const auto answer = MESSAGEBOX::question(
        &form, CommandName("Start Over"),
        MenuText::tr("Clear every answer and start over with an empty questionnaire?\n\n"
                     "Edit > Undo Start Over brings your answers back."));
    if (answer == QMessageBox::Yes) {
        form.ReplaceAnswers(PROFILE(), {"brindlex::MenuCommands",
                                        QT_TRANSLATE_NOOP("brindlex::MenuCommands", "Start Over")});
    }
}

QString CommandName(const char* text) {
    // "&&" stands for an ampersand shown.
    QString name = MenuText::tr(text);
    name.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    return name;
}

QString WriteCodeLineFile(const QString& path, PROFILE& profile) {
    // Unbuffered, so that a short write shows at once: a buffered QSaveFile can lose the error
    // of a short write and then commit the truncated file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return FileWords::WriteProblem(file);
    }
    // Composed from the answers as they are now, not copied from the code line field.
    const std::string line = ComposeCode(profile);
    QByteArray bytes(line.data(), static_cast<qsizetype>(line.size()));
    bytes.append('\0');
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const QString reason = FileWords::WriteProblem(file);
            file.cancelWriting();
            return reason;
        }
        written += static_cast<qsizetype>(count);
    }
    if (!file.commit()) {
        return FileWords::WriteProblem(file);
    }
    return QString();
}

}  // namespace brindlex
