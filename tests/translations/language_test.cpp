// The window in the desktop's language, which LANG sets for each run of these tests: the
// tabs, captions, lists, help texts, menus and the reader show the translations of the .ts
// file; answering and pasting give the code line that English gives; and choosing another
// language in the menu relabels the open window at once, keeping the answers and the page.
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "app/menucommands.h"
#include "app/readcodeline.h"
#include "codec/codec.h"
#include "profile/categories.h"
#include "tests/gui/driver.h"
#include "tests/translations/catalog.h"
#include "translations/languages.h"

namespace brindlex::test {
namespace {

// The language that LANG (or LANGUAGE) asks for, as the test runs were registered.
QString DesktopLanguage() {
    const QString asked = qEnvironmentVariable("LANGUAGE").isEmpty()
                              ? qEnvironmentVariable("LANG")
                              : qEnvironmentVariable("LANGUAGE");
    const QString code = asked.left(2).toLower();
    return code == QLatin1String("de") || code == QLatin1String("es") ? code : QStringLiteral("en");
}

QString Text(std::string_view text) {
    return QString::fromStdString(ShownText(text));
}

// Settings in a folder of this run's own, never a real user's nor those of a run beside it.
class CleanSettings : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, m_folder.path());
        }
    }

private:
    QTemporaryDir m_folder;
};
const auto* const kCleanSettings = ::testing::AddGlobalTestEnvironment(new CleanSettings);

class Language : public WindowTest {
protected:
    void SetUp() override {
        QSettings(QStringLiteral("brindlex"), QStringLiteral("brindlex")).clear();
        ASSERT_TRUE(UseLanguage(StartLanguage()));
    }
    void TearDown() override {
        WindowTest::TearDown();
        QSettings(QStringLiteral("brindlex"), QStringLiteral("brindlex")).clear();
        UseLanguage(QStringLiteral("en"));
    }

    // What the window shows for a text of the .ts files in `language`.
    static QString Shown(const QString& language, const char* context, const QString& text) {
        return CatalogOf(language).shown(context, text);
    }
    QString Shown(const char* context, std::string_view text) const {
        return Shown(CurrentLanguage(), context, Text(text));
    }

    void OpenWithMenu() {
        Open();
        InstallMenu(*form);
        form->setAdultTabShown(true);
    }

    QStringList Entries(int id) const {
        QStringList entries;
        for (int i = 0; i < List(id)->count(); ++i) {
            entries.append(List(id)->itemText(i));
        }
        return entries;
    }

    // Every text the window shows now matches the .ts file of the language it speaks.
    void ExpectWindowIn(const QString& language) {
        ASSERT_EQ(CurrentLanguage(), language);
        for (int tab = 0; tab < Tabs()->count(); ++tab) {
            EXPECT_EQ(Tabs()->tabText(tab),
                      Shown(language, "Tabs", Text(kTabNames[static_cast<std::size_t>(tab)])));
        }
        const int tab = Tabs()->currentIndex();
        for (int row = 0; row < Categories()->count(); ++row) {
            const int category = kTabFirstCategory[static_cast<std::size_t>(tab)] + row;
            EXPECT_EQ(Categories()->item(row)->text(),
                      Shown(language,
                            CategoryOf(category).page == PageKind::kKink ? "Kinks" : "Categories",
                            Text(CategoryCaption(category))))
                << category;
        }
        const QList<QAction*> menus = form->menuBar()->actions();
        ASSERT_EQ(menus.size(), 3);
        EXPECT_EQ(menus[0]->text(),
                  Shown(language, "brindlex::MenuCommands", QStringLiteral("&File")));
        EXPECT_EQ(menus[1]->text(),
                  Shown(language, "brindlex::MenuCommands", QStringLiteral("&Edit")));
        EXPECT_EQ(menus[2]->text(),
                  Shown(language, "brindlex::MenuCommands", QStringLiteral("&Application")));
    }

    // The code line after pasting `line` into the code line of a new window on an empty
    // record, with the Species page shown.
    QString PasteIntoNewWindow(const QString& line) {
        form.reset();
        record = PROFILE();
        OpenWithMenu();
        OpenCategory(kSpeciesCategory);
        TypeInto(1012, line);
        PressTab();
        ExpectSettled("after pasting");
        return CodeLine();
    }

    // The code line after answering a few pages of every kind with the mouse.
    QString AnswerSomePages() {
        OpenCategory(kSpeciesCategory);
        Choose(38, 3);  // a family with species
        Choose(39, 3);
        OpenCategory(kTraitCategory);
        ClickBox(23);
        Choose(38, 2);
        OpenCategory(CategoryNamed("Realism"));
        MoveSlider(6);
        ClickUpdate();
        OpenCategory(kWorkCategory);
        Choose(38, 5);
        Choose(39, 2);
        ClickBox(31);
        OpenCategory(kCompyCategory);
        ClickBox(34);
        OpenCategory(CategoryNamed("Blood"));
        Choose(38, 1);
        Choose(39, 3);
        OpenCategory(kKinkSwitchCategory);
        ClickBox(31);
        ExpectSettled("after answering");
        return CodeLine();
    }
};

TEST_F(Language, StartsInTheDesktopsLanguageWhenNoneWasChosen) {
    EXPECT_EQ(ChosenLanguage(), QString());
    EXPECT_EQ(CurrentLanguage(), DesktopLanguage());
    OpenWithMenu();
    ExpectWindowIn(DesktopLanguage());
    if (DesktopLanguage() != QLatin1String("en")) {
        EXPECT_NE(Tabs()->tabText(0), Text(kTabNames[0])) << "the tabs are translated";
        // Qt's own buttons speak it too.
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
    }
}

TEST_F(Language, TabsCaptionsListsAndHelpTextsShowTheTranslations) {
    OpenWithMenu();
    for (int tab = 0; tab < 3; ++tab) {
        ClickTab(tab);
        ExpectWindowIn(CurrentLanguage());
    }

    OpenCategory(kSpeciesCategory);
    QStringList families;
    for (const SpeciesFamily& family : kFamilies) {
        families.append(Shown("Families", family.name));
    }
    EXPECT_EQ(Entries(38), families);
    Choose(38, 3);
    EXPECT_EQ(List(39)->itemText(3), Shown("Species", kFamilies[3].species[3]));

    OpenCategory(kWorkCategory);
    EXPECT_EQ(List(38)->itemText(1), Shown("Work", kWorkTypes[1].name));
    EXPECT_EQ(Description()->toPlainText(), Shown("HelpTexts", CategoryOf(kWorkCategory).help));

    for (const int category :
         {CategoryNamed("Realism"), CategoryNamed("Art"), kAgeCategory, kSexCategory}) {
        OpenCategory(category);
        EXPECT_EQ(Description()->toPlainText(), Shown("HelpTexts", CategoryOf(category).help))
            << category;
    }
    OpenCategory(CategoryNamed("Realism"));
    EXPECT_EQ(Static(17)->text(),
              Shown(CurrentLanguage(), "brindlex::MAINFORM", QStringLiteral("YES YES YES :D")));

    const int humiliation = CategoryNamed("Humiliation");
    const auto kink = static_cast<std::size_t>(humiliation - kFirstKinkCategory);
    OpenCategory(humiliation);
    EXPECT_EQ(Entries(38).at(1), Shown("Answers", kKinkAnswerNames[1]));
    EXPECT_EQ(Description()->toPlainText(),
              Shown(CurrentLanguage(), "brindlex::MAINFORM", QStringLiteral("Do you like to %1?"))
                  .arg(Shown("KinkDescriptions", kKinkDescriptions[kink])));
}

TEST_F(Language, EachMenuGivesEveryItemItsOwnAccessLetter) {
    OpenWithMenu();
    for (QAction* title : form->menuBar()->actions()) {
        std::vector<QMenu*> menus{title->menu()};
        for (QAction* item : title->menu()->actions()) {
            if (item->menu() != nullptr) {
                menus.push_back(item->menu());
            }
        }
        for (QMenu* menu : menus) {
            QString letters;
            for (QAction* item : menu->actions()) {
                if (item->isSeparator()) {
                    continue;
                }
                const QString text = item->text();
                const auto amp = text.indexOf(QLatin1Char('&'));
                ASSERT_GE(amp, 0) << text.toStdString();
                ASSERT_LT(amp + 1, text.size()) << text.toStdString();
                const QChar letter = text.at(amp + 1).toLower();
                EXPECT_FALSE(letters.contains(letter)) << text.toStdString();
                letters += letter;
            }
        }
    }
}

TEST_F(Language, AnsweringAndPastingGiveTheCodeLineThatEnglishGives) {
    const QString desktop = CurrentLanguage();
    OpenWithMenu();
    const QString answered = AnswerSomePages();
    const PROFILE answers = record;

    // The same clicks in English.
    form.reset();
    record = PROFILE();
    ASSERT_TRUE(UseLanguage(QStringLiteral("en")));
    OpenWithMenu();
    EXPECT_EQ(AnswerSomePages(), answered);
    EXPECT_EQ(record, answers);

    // A line pasted, in English and in the desktop's language, reads into the same answers.
    const QString pasted = QStringLiteral("2.0FLr3 V-  O33 Wtc/ar Cwl+ Yf+/+-");
    const QString english = PasteIntoNewWindow(pasted);
    const PROFILE read = record;
    EXPECT_NE(read, PROFILE());
    ASSERT_TRUE(UseLanguage(desktop));
    EXPECT_EQ(PasteIntoNewWindow(pasted), english);
    EXPECT_EQ(record, read);
    EXPECT_EQ(List(38)->currentText(), Shown("Families", kFamilies[13].name));
    EXPECT_EQ(List(39)->currentText(), Shown("Species", kFamilies[13].species[2]));
}

TEST_F(Language, ChoosingALanguageRelabelsTheWindowAtOnceAndKeepsAnswersAndPage) {
    const QString desktop = CurrentLanguage();
    const QString other =
        desktop == QLatin1String("de") ? QStringLiteral("es") : QStringLiteral("de");
    OpenWithMenu();
    AnswerSomePages();
    // On the Work page with another trained field on view, and on a level page with the slider
    // moved but not stored.
    OpenCategory(kWorkCategory);
    Choose(39, 4);
    const bool trained = Box(31)->isChecked();
    const PROFILE answers = record;
    const QString line = CodeLine();

    auto* choice = form->findChild<QAction*>(
        QString::number(kCommandFirstLanguage + (other == QLatin1String("de") ? 1 : 2)));
    ASSERT_NE(choice, nullptr);
    choice->trigger();
    QApplication::processEvents();
    ExpectWindowIn(other);
    EXPECT_TRUE(choice->isChecked());
    EXPECT_EQ(ChosenLanguage(), other) << "kept for the next start";
    EXPECT_EQ(StartLanguage(), other);
    EXPECT_EQ(form->CurrentCategoryIndex(), kWorkCategory);
    EXPECT_EQ(List(39)->currentIndex(), 4);
    EXPECT_EQ(Box(31)->isChecked(), trained);
    EXPECT_EQ(List(38)->currentText(), Shown("Work", kWorkTypes[5].name));
    EXPECT_EQ(record, answers);
    EXPECT_EQ(CodeLine(), line);
    ExpectSettled("after the switch");

    const int hugs = CategoryNamed("Hugs");
    OpenCategory(hugs);
    MoveSlider(2);
    auto* back = form->findChild<QAction*>(
        QString::number(kCommandFirstLanguage + (desktop == QLatin1String("en")   ? 0
                                                 : desktop == QLatin1String("de") ? 1
                                                                                  : 2)));
    ASSERT_NE(back, nullptr);
    back->trigger();
    QApplication::processEvents();
    ExpectWindowIn(desktop);
    EXPECT_EQ(form->CurrentCategoryIndex(), hugs);
    EXPECT_EQ(Slider()->value(), 2) << "the level not stored yet stays on the slider";
    EXPECT_EQ(Description()->toPlainText(), Shown("HelpTexts", CategoryOf(hugs).help));
    EXPECT_EQ(record, answers);
    EXPECT_EQ(CodeLine(), line);
}

TEST_F(Language, UndoAndARefusedLineSpeakTheLanguageAlsoAfterASwitch) {
    const QString desktop = CurrentLanguage();
    const QString other =
        desktop == QLatin1String("de") ? QStringLiteral("es") : QStringLiteral("de");
    OpenWithMenu();
    const int hugs = CategoryNamed("Hugs");
    OpenCategory(hugs);
    MoveSlider(3);
    ClickUpdate();
    TypeInto(1012, QStringLiteral("hello"));
    PressTab();
    const auto expectIn = [this, hugs](const QString& language) {
        const QString step = Shown(language, "Categories", Text(CategoryCaption(hugs)));
        EXPECT_EQ(form->undoAction()->text(),
                  Shown(language, "brindlex::MAINFORM", QStringLiteral("&Undo %1")).arg(step));
        EXPECT_EQ(form->redoAction()->text(),
                  Shown(language, "brindlex::MAINFORM", QStringLiteral("&Redo")));
        const QString reason =
            Shown(language, "Refusals", QStringLiteral("does not begin with 2.0F"));
        EXPECT_EQ(form->codeLineNote(),
                  Shown(language, "brindlex::MAINFORM",
                        QStringLiteral("\"%1\" was not read (%2), so your answers are unchanged."))
                      .arg(QStringLiteral("hello"), reason));
    };
    expectIn(desktop);
    auto* choice = form->findChild<QAction*>(
        QString::number(kCommandFirstLanguage + (other == QLatin1String("de") ? 1 : 2)));
    ASSERT_NE(choice, nullptr);
    choice->trigger();
    QApplication::processEvents();
    expectIn(other);
}

TEST_F(Language, TheReaderTellsTheAnswersOfALineInTheLanguage) {
    OpenWithMenu();
    ShowCodeLineReader(*form);
    auto* reader = form->findChild<ReadCodeLineWindow*>(QStringLiteral("readCodeLine"));
    ASSERT_NE(reader, nullptr);
    auto* input = reader->findChild<QPlainTextEdit*>(QStringLiteral("readerInput"));
    auto* table = reader->findChild<QTableView*>(QStringLiteral("readerTable"));
    ASSERT_NE(input, nullptr);
    ASSERT_NE(table, nullptr);
    QSignalSpy shown(reader, &ReadCodeLineWindow::readingShown);
    input->setPlainText(QStringLiteral("2.0FCf5 O25"));
    ASSERT_TRUE(shown.wait(10000));
    const QAbstractItemModel* answers = table->model();
    ASSERT_GT(answers->rowCount(), 0);
    EXPECT_EQ(answers->index(0, 1).data().toString(), Shown("Categories", "Species"));
    EXPECT_EQ(answers->index(0, 2).data().toString(),
              Shown("Families", kFamilies[3].name) + QStringLiteral(", ") +
                  Shown("Species", kFamilies[3].species[3]));
    EXPECT_EQ(reader->windowTitle(), Shown(CurrentLanguage(), "brindlex::ReadCodeLineWindow",
                                           QStringLiteral("Read a Code Line")));
    reader->close();
}

}  // namespace
}  // namespace brindlex::test
