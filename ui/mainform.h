// The questionnaire window: tabs, the category list, the page of the selected category
// and the code line.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include <QDialog>

#include "profile/categories.h"
#include "profile/profile.h"
#include "ui/accessibility.h"
#include "ui/dialogunits.h"
#include "ui/inputpause.h"
#include "ui/pool.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTabBar;
class QUndoStack;

namespace brindlex {

class AnswerStep;
class DropDownStyle;
class PoolCheckBox;
class TabStrip;

// What a step of the history is called, so that it can be told again in another language:
// a text of the translations, its context and English source (an access letter in it left
// out), or else the caption of `category`.
struct StepName {
    const char* context = nullptr;
    const char* source = nullptr;
    int category = -1;

    bool given() const { return source != nullptr || category >= 0; }
    // The name in the user's language.
    QString text() const;
};

// Every page is assembled from one pool of controls created with the window; pages show,
// hide, place and fill them. Each control carries its numeric identifier as object name.
//
// Qt signals stand for the window's events as follows, so that only user actions reach
// the handlers:
//   tab strip changed       QTabBar::currentChanged (program changes under QSignalBlocker)
//   category list changed   QListWidget::currentRowChanged (program changes blocked)
//   drop-down list changed  QComboBox::activated (user choices only)
//   check box / button      QAbstractButton::clicked (user clicks only)
//   text changed            QLineEdit::textChanged (raised at once, program writes too)
//   focus lost              QEvent::FocusOut, seen by eventFilter()
class MAINFORM : public QDialog {
    Q_OBJECT
public:
    explicit MAINFORM(PROFILE& profile, QWidget* parent = nullptr);
    ~MAINFORM() override;

    // The menu bar at the top; the client area of 327 x 198 dialog units lies below it.
    QMenuBar* menuBar() const;
    QTabBar* tabBar() const;
    const DialogUnits& units() const { return m_units; }

    // Shows or hides the third tab, "Yiffyness"; there are never more than three tabs.
    // Hiding it while it is selected returns to the first tab and its remembered row.
    // Either way the tab strip goes back below the category list and the page.
    void setAdultTabShown(bool shown);
    bool adultTabShown() const;

    // Puts the code line of the record into the code line field, makes a change of the record
    // since the last one a step of the history, and tells answersChanged().
    void RefreshCodeLine();
    // Reads `text` into the record as the code line field does when the user has typed it
    // and leaves the field: a line that ParseCode accepts, blanks around it and a byte order
    // mark left out, replaces the answers as one step called `step` ("Paste Code Line" when
    // none is given), and the page shows them; a rejected one changes nothing. Returns
    // whether the line was read.
    bool LoadCodeLine(const std::string& text, const StepName& step = StepName());
    // Builds the page of the current category from the record.
    void BuildPage();
    // Lists the categories of the selected tab, selects the row remembered for it and
    // builds its page.
    void FillCategoryList();
    // The category of the selected tab and row, -1 when either is missing.
    int CurrentCategoryIndex() const;
    // Takes no user input until the returned pause ends; see InputPause. What the user typed
    // into the code line or the name field is stored first, as leaving the field stores it.
    [[nodiscard]] InputPause PauseInput();
    // Stores what the user typed into the code line or the custom name field and has not
    // left yet, as leaving the field would. Runs before the window acts on anything else the
    // user does; does nothing while the window itself writes its controls.
    void CommitPendingEdits();
    // Replaces every answer by `record` as one step of the history called `step`, and shows it.
    void ReplaceAnswers(const PROFILE& record, const StepName& step);

    // The history of the answers (history.cpp), which lives as long as the window. Its
    // commands are the actions "undo" and "redo" (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y), which
    // name the step they take back or make again and are disabled when there is none.
    QUndoStack* history() const { return m_history; }
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }
    // Makes `record` the record, shows it on the page and in the code line, and tells
    // answersChanged(), without a step of its own: how the history takes a step back or again.
    void ShowRecord(const PROFILE& record);
    // Why the line last left in the code line field was not read; empty once it was, or once
    // the answers have changed since.
    QString codeLineNote() const;

    PROFILE& profile() const { return m_profile; }

    // The guard flags and the rows remembered per tab.
    bool isBuildingPage() const { return buildingPage; }
    bool isRefreshingCodeLine() const { return refreshingCodeLine; }
    bool isCodeLineEdited() const { return codeLineEdited; }
    bool isSettingAgeText() const { return settingAgeText; }
    int rememberedRow(int tab) const { return tabListRow.at(static_cast<std::size_t>(tab)); }

signals:
    // The record may hold other answers than before: raised after every answer stored, a
    // line read and every refresh of the code line.
    void answersChanged();

public slots:
    // Escape, the close box and "Exit" end the window; what the user typed is kept first.
    void done(int result) override;

protected:
    // A new language (QEvent::LanguageChange) relabels the window; answers and page stay.
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab and Shift+Tab go through the shown page in reading order, then the code line and
    // the category list (keyboard.cpp).
    bool focusNextPrevChild(bool next) override;

private:
    // Window and navigation (mainform.cpp).
    void CreateTemplateControls();
    void CreatePool();
    // The texts of the controls that keep them on every page.
    void LabelControls();
    void Retranslate();
    void OnTabChanged();
    void LeaveTab(int tab);
    PoolCheckBox* Box(int id) const;
    // The control of a PoolSet with the numeric identifier `id`.
    QWidget* PoolControl(int id) const;
    // The table row of the current category: its page, fields and texts.
    const CategoryInfo& CurrentRow() const;
    // Builds the page of `category` and returns the controls it shows. Every page builder
    // below takes its category and reads its row of the table of categories.
    PoolSet BuildCategoryPage(int category);
    // The Qt connections of lists 38 and 39, the boxes and "Update" hand the user's actions
    // to the handler of the page shown (routing.cpp).
    void RouteListChoice(int listId);
    void RouteBoxClick(int id);
    void RouteUpdateClick();

    // The keyboard (keyboard.cpp): tab switching, F10, the Tab order and Enter.
    void InstallKeys();
    // Selects the tab `step` places on, wrapping around, as a click on it would.
    void SwitchTab(int step);
    // The controls that Tab reaches now, in order.
    QList<QWidget*> TabChain() const;
    void OnEnterKey();

    // Names for assistive technology (accessibility.cpp): of the controls that keep their
    // question, and of those whose question depends on the page of `category`.
    void NameControls();
    void NamePageControls(int category);

    // The code line field (codeline.cpp).
    void OnCodeLineChanged();
    void OnCodeLineFocusLost();

    // The history (history.cpp).
    void CreateHistory();
    // From here on, every change of the record is a step.
    void StartHistory();
    void RecordStep();
    // Tells the steps' names and the undo and redo commands in the user's language.
    void LabelHistory();
    // Says beside the code line why the line the user left there was not read; no line says
    // nothing.
    void ShowRefusal(const std::optional<std::string>& line);

    // Steps the pages share (pagesteps.cpp).
    void ShowOnly(PoolSet shown);
    void EnableLevelGroup();
    void PlaceDescription(int left, int top, const QString& text);
    // Places the description with a help text of the core, in the user's language.
    void PlaceHelp(int left, int top, std::string_view help);
    void PlaceBox31(const QString& label, int top, int width, int height);
    void ShowGenderList(unsigned selection, std::string_view firstEntry, int left, int top);
    void ApplyLabelSet(LabelSet set);
    void Place(QWidget* control, int left, int top, int right, int bottom);
    void PlaceList(QComboBox* list, int left, int top, int right, int bottom);
    // Fills a drop-down list, selects an entry, places it and enables or disables it.
    void SetUpList(QComboBox* list, const QStringList& entries, int selection, UnitRect where,
                   bool enabled = true);
    static void FillList(QComboBox* list, const QStringList& entries, int selection);

    // Species (speciespage.cpp).
    PoolSet BuildSpeciesPage(int category);
    // Show the species list and the custom name as the family, or the species, chosen in
    // the lists wants them, also when the user picks one; return what they show.
    PoolSet ShowSpeciesChoices();
    PoolSet ShowCustomNameBelowSpecies();
    void ShowCustomName(int top);
    void OnFamilyChosen();
    void OnSpeciesChosen();
    void OnCustomNameFocusLost();

    // Level pages, with the boxes of a row's choices or its flag (levelpages.cpp).
    PoolSet BuildLevelPage(int category);
    // Shows the boxes of the row's choices, ticked from its field; returns them.
    PoolSet ShowChoiceBoxes(const CategoryInfo& row);
    void OnLevelUpdate();
    // A box of the row's choices, or its flag box.
    void OnLevelBoxClicked(int id);

    // The age page: bracket or exact age, and one's own gender (agepage.cpp).
    PoolSet BuildAgePage(int category);
    void OnOwnGenderChosen();
    void OnAgeFormSwitched();
    void OnAgeBracketUpdate();
    void OnAgeTextChanged();

    // Work (workpage.cpp).
    PoolSet BuildWorkPage(int category);
    // Ticks box 31 when the user is trained in the field chosen in list 39.
    void ShowTrainedBox();
    void OnWorkTypeChosen();
    void OnTrainedFieldChosen();
    void OnTrainedBoxClicked();

    // YiffyYiffy and Sex (preferencepages.cpp).
    PoolSet BuildPreferencePage(int category);
    // The preference that the guys' and the girls' lists show.
    unsigned ChosenPreference() const;
    void OnPreferenceChosen();
    void OnPreferenceBoxClicked();

    // Kinks (kinkpages.cpp).
    PoolSet BuildKinkPage(int category);
    void OnKinkAnswerChosen();

    // Traits, the kink switch and the "Error!" page (traitpages.cpp).
    PoolSet BuildTraitPage(int category);
    PoolSet BuildKinkSwitchPage(int category);
    PoolSet BuildErrorPage(int category);
    void OnTraitBoxClicked(int id);
    void OnCharacterGenderChosen();
    void OnIncludeKinksClicked();

    PROFILE& m_profile;
    const QFont m_font;
    const DialogUnits m_units;

    QMenuBar* m_menuBar = nullptr;
    QWidget* m_client = nullptr;
    DropDownStyle* m_dropDownStyle = nullptr;

    // Template controls.
    TabStrip* m_tabStrip = nullptr;           // 1001
    QListWidget* m_categoryList = nullptr;    // 1004
    QPlainTextEdit* m_description = nullptr;  // 1006
    QLineEdit* m_codeLine = nullptr;          // 1012
    QPushButton* m_update = nullptr;          // 1018
    QLineEdit* m_ageField = nullptr;          // 1013
    // Beside the code line: why a line typed there was not read.
    QLabel* m_codeLineNote = nullptr;

    // The pool.
    LevelSlider* m_slider = nullptr;          // 16
    std::array<QLabel*, 4> m_statics{};       // 17..20
    QLineEdit* m_customName = nullptr;        // 40
    std::array<PoolCheckBox*, 17> m_boxes{};  // 21..37
    QComboBox* m_list38 = nullptr;
    QComboBox* m_list39 = nullptr;

    // The row selected when the user last left each tab, -1 for none.
    std::array<int, 3> tabListRow{};
    bool codeLineEdited = false;
    bool refreshingCodeLine = false;
    bool buildingPage = false;
    bool settingAgeText = false;
    // The user typed into the custom name field since it was last stored.
    bool m_nameEdited = false;
    bool m_committingEdits = false;

    // The tab whose categories the list shows.
    int m_listedTab = -1;

    QUndoStack* m_history = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    // The record as the last step of the history left it.
    PROFILE m_recorded;
    bool m_recording = false;
    // The history itself is changing the record.
    bool m_restoring = false;
    // The name of the step under way, when it is not the current category's caption.
    StepName m_stepName;
    // The line the code line field refused last, until the answers change.
    std::optional<std::string> m_refusedLine;
    // Typing into the age field makes one step per run: the run ends when the field loses
    // the focus or the history moves.
    int m_ageTypingRun = 0;
    bool m_typingAge = false;
};

}  // namespace brindlex
