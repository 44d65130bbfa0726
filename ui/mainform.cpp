#include "ui/mainform.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>

#include "profile/categories.h"
#include "profile/pages.h"
#include "ui/controls.h"

namespace brindlex {

namespace {

constexpr int kClientWidth = 327;
constexpr int kClientHeight = 198;
constexpr int kAdultTab = 2;

// The caption of a category in the list, in the user's language.
QString CaptionText(int category) {
    return CoreText(CaptionContext(category), CategoryCaption(category));
}

QString TabText(int tab) {
    return CoreText(text_context::kTabs, kTabNames.at(static_cast<std::size_t>(tab)));
}

// The category captions of a tab, in list order.
QStringList TabRows(int tab) {
    QStringList rows;
    const auto t = static_cast<std::size_t>(tab);
    for (int row = 0; row < kTabRowCount[t]; ++row) {
        rows.append(CaptionText(kTabFirstCategory[t] + row));
    }
    return rows;
}

}  // namespace

QString StepName::text() const {
    if (source == nullptr) {
        return CaptionText(category);
    }
    QString name = QCoreApplication::translate(context, source);
    name.remove(QRegularExpression(QStringLiteral("&(?=.)")));
    return name;
}

MAINFORM::MAINFORM(PROFILE& profile, QWidget* parent)
    : QDialog(parent), m_profile(profile), m_font(DialogFont()), m_units(m_font) {
    setWindowTitle(QStringLiteral("Brindlex 2.0"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(m_font);

    m_menuBar = new QMenuBar(this);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(m_units.x(kClientWidth), m_units.y(kClientHeight));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    tabListRow = {0, 0, 0};
    CreateTemplateControls();
    m_tabStrip->insertTab(0, TabText(0));
    m_tabStrip->insertTab(1, TabText(1));
    {
        const QSignalBlocker blocker(tabBar());
        tabBar()->setCurrentIndex(0);
    }
    CreatePool();
    CreateHistory();
    InstallKeys();
    LabelControls();
    m_ageField->setMaxLength(3);
    codeLineEdited = false;
    refreshingCodeLine = false;

    FillCategoryList();
    m_categoryList->setFocus();
    StartHistory();
}

MAINFORM::~MAINFORM() = default;

void MAINFORM::CreateTemplateControls() {
    // Created in tab order; the tab strip first, so that it lies below everything else.
    m_tabStrip = new TabStrip(m_client);
    m_tabStrip->setObjectName(QStringLiteral("1001"));
    m_tabStrip->setGeometry(m_units.rect(7, 7, 320, 169));
    connect(tabBar(), &QTabBar::currentChanged, this, &MAINFORM::OnTabChanged);

    m_categoryList = new QListWidget(m_client);
    m_categoryList->setObjectName(QStringLiteral("1004"));
    m_categoryList->setGeometry(m_units.rect(14, 28, 96, 161));
    m_categoryList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_categoryList->setUniformItemSizes(true);
    m_categoryList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_categoryList, &QListWidget::currentRowChanged, this, [this] { BuildPage(); });
    // Ctrl+click, Ctrl+Space or a click below the last row would leave the list without a
    // selected row while the page still shows the current one.
    connect(m_categoryList->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const int row = m_categoryList->currentRow();
        if (row >= 0 && m_categoryList->selectedItems().isEmpty()) {
            m_categoryList->setCurrentRow(row, QItemSelectionModel::Select);
        }
    });

    m_description = new PlainTextField(m_client);
    m_description->setObjectName(QStringLiteral("1006"));
    m_description->setGeometry(m_units.rect(185, 28, 313, 161));
    m_description->setReadOnly(true);
    m_description->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
    m_description->setFocusPolicy(Qt::StrongFocus);
    m_description->setTabChangesFocus(true);
    m_description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QTextOption centred = m_description->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    m_description->document()->setDefaultTextOption(centred);

    m_codeLine = new QLineEdit(m_client);
    m_codeLine->setObjectName(QStringLiteral("1012"));
    m_codeLine->setGeometry(m_units.rect(7, 178, 320, 190));
    m_codeLine->installEventFilter(this);
    connect(m_codeLine, &QLineEdit::textChanged, this, &MAINFORM::OnCodeLineChanged);

    m_update = new QPushButton(m_client);
    m_update->setObjectName(QStringLiteral("1018"));
    m_update->setGeometry(m_units.rect(105, 147, 177, 161));
    m_update->setAutoDefault(false);
    m_update->hide();
    connect(m_update, &QPushButton::clicked, this, &MAINFORM::RouteUpdateClick);

    m_ageField = new QLineEdit(m_client);
    m_ageField->setObjectName(QStringLiteral("1013"));
    m_ageField->setGeometry(m_units.rect(162, 48, 185, 61));
    m_ageField->setAlignment(Qt::AlignCenter);
    m_ageField->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_ageField));
    m_ageField->hide();
    m_ageField->installEventFilter(this);
    connect(m_ageField, &QLineEdit::textChanged, this, &MAINFORM::OnAgeTextChanged);
}

void MAINFORM::CreatePool() {
    m_slider = new LevelSlider(m_client);
    m_slider->installEventFilter(this);  // wheel steps
    m_slider->setObjectName(QStringLiteral("16"));
    m_slider->setGeometry(m_units.rect(95, 63, 115, 134));
    // The slider's value is the level it shows: 7 at the top, 0 (no answer) at the
    // bottom, so that the filled part of the groove grows with the level.
    m_slider->setRange(0, 7);
    m_slider->setPageStep(1);
    m_slider->setTickInterval(1);
    m_slider->setTickPosition(QSlider::TicksRight);
    m_slider->setValue(4);
    m_slider->hide();

    const std::array<QRect, 4> staticRects = {
        m_units.rect(125, 66, 176, 76), m_units.rect(125, 90, 175, 100),
        m_units.rect(125, 114, 160, 124), m_units.rect(125, 124, 160, 134)};
    for (std::size_t i = 0; i < m_statics.size(); ++i) {
        m_statics[i] = new QLabel(m_client);
        m_statics[i]->setObjectName(QString::number(17 + static_cast<int>(i)));
        m_statics[i]->setGeometry(staticRects[i]);
        m_statics[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_statics[i]->hide();
    }

    m_customName = new QLineEdit(m_client);
    m_customName->setObjectName(QStringLiteral("40"));
    m_customName->setFrame(false);
    m_customName->setValidator(new FitsWidthValidator(m_customName));
    m_customName->installEventFilter(this);
    connect(m_customName, &QLineEdit::textEdited, this, [this] { m_nameEdited = true; });
    m_customName->hide();

    for (int i = 0; i < static_cast<int>(m_boxes.size()); ++i) {
        const int id = 21 + i;
        const bool firstColumn = id <= 30;
        auto* box = new PoolCheckBox(
            firstColumn ? PoolCheckBox::BoxSide::Right : PoolCheckBox::BoxSide::Left, m_client);
        box->setObjectName(QString::number(id));
        box->setGeometry(firstColumn
                             ? m_units.rect(100, 28 + 10 * i, 160, 38 + 10 * i)
                             : m_units.rect(165, 28 + 10 * (i - 10), 245, 38 + 10 * (i - 10)));
        box->setFocusPolicy(Qt::StrongFocus);
        box->hide();
        connect(box, &QCheckBox::clicked, this, [this, id] { RouteBoxClick(id); });
        m_boxes[static_cast<std::size_t>(i)] = box;
    }

    m_dropDownStyle = new DropDownStyle();
    m_dropDownStyle->setParent(this);
    for (int id : {38, 39}) {
        auto* list = new ChoiceList(m_client);
        list->setObjectName(QString::number(id));
        list->setStyle(m_dropDownStyle);
        list->setEditable(false);
        list->setFocusPolicy(Qt::StrongFocus);
        list->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        list->setGeometry(m_units.rect(0, 0, 5, 5));
        list->hide();
        list->installEventFilter(this);  // wheel steps
        (id == 38 ? m_list38 : m_list39) = list;
    }
    connect(m_list38, &QComboBox::activated, this, [this] { RouteListChoice(38); });
    connect(m_list39, &QComboBox::activated, this, [this] { RouteListChoice(39); });
}

QMenuBar* MAINFORM::menuBar() const {
    return m_menuBar;
}

QTabBar* MAINFORM::tabBar() const {
    return m_tabStrip->bar();
}

PoolCheckBox* MAINFORM::Box(int id) const {
    return m_boxes.at(static_cast<std::size_t>(id - 21));
}

QWidget* MAINFORM::PoolControl(int id) const {
    switch (id) {
        case 1006:
            return m_description;
        case 1013:
            return m_ageField;
        case 1018:
            return m_update;
        case 16:
            return m_slider;
        case 38:
            return m_list38;
        case 39:
            return m_list39;
        case 40:
            return m_customName;
        default:
            break;
    }
    if (id < 21) {
        return m_statics.at(static_cast<std::size_t>(id - 17));
    }
    return Box(id);
}

void MAINFORM::setAdultTabShown(bool shown) {
    QTabBar* bar = tabBar();
    if (shown) {
        if (bar->count() < 3) {
            m_tabStrip->insertTab(kAdultTab, TabText(kAdultTab));
        }
    } else if (bar->count() > kAdultTab) {
        const bool wasSelected = bar->currentIndex() == kAdultTab;
        m_tabStrip->removeTab(kAdultTab);
        if (wasSelected) {
            {
                const QSignalBlocker blocker(bar);
                bar->setCurrentIndex(0);
            }
            FillCategoryList();
        }
    }
    m_tabStrip->lower();
}

bool MAINFORM::adultTabShown() const {
    return tabBar()->count() > kAdultTab;
}

void MAINFORM::keyPressEvent(QKeyEvent* event) {
    // Enter stores the slider's level from the slider and "Update", and does nothing elsewhere;
    // Escape ends the window as the base class does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OnEnterKey();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MAINFORM::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

void MAINFORM::LabelControls() {
    m_update->setText(tr("Update"));
    m_statics[3]->setText(CoreText(text_context::kPageTexts, LevelLabelsOf(LabelSet::kWords)[3]));
    m_customName->setPlaceholderText(CoreText(text_context::kPageTexts, kCustomNameHint));
    NameControls();
}

void MAINFORM::Retranslate() {
    for (int tab = 0; tab < tabBar()->count(); ++tab) {
        m_tabStrip->setTabText(tab, TabText(tab));
    }
    if (m_listedTab >= 0 && m_listedTab < static_cast<int>(kTabFirstCategory.size())) {
        const QStringList rows = TabRows(m_listedTab);
        for (int row = 0; row < m_categoryList->count() && row < rows.size(); ++row) {
            m_categoryList->item(row)->setText(rows[row]);
        }
    }
    LabelControls();
    LabelHistory();
    ShowRefusal(m_refusedLine);
    // The page is built again in the new language. What the user chose there and has not
    // stored (the slider before "Update", the trained field on view) stays as it was.
    const int level = m_slider->value();
    const bool levelShown = m_slider->isVisibleTo(this) && m_slider->isEnabled();
    const int trainedField = m_list39->currentIndex();
    BuildPage();
    if (levelShown && m_slider->isVisibleTo(this) && m_slider->isEnabled()) {
        m_slider->setValue(level);
    }
    if (CurrentRow().page == PageKind::kWork && trainedField >= 0) {
        m_list39->setCurrentIndex(trainedField);
        ShowTrainedBox();
    }
}

bool MAINFORM::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        // A wheel step over a closed list or the slider is no answer unless the user has
        // given that control the keyboard focus.
        auto* control = qobject_cast<QWidget*>(watched);
        if (control != nullptr && !control->hasFocus()) {
            event->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn && watched == m_ageField) {
        ++m_ageTypingRun;  // what is typed now is a step of its own
    }
    if (event->type() == QEvent::FocusOut) {
        // Opening a menu or a context menu leaves the focus where it is. Disabling the
        // window takes the focus away in Qt only, and is no focus loss of the field.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && isEnabled()) {
            if (watched == m_codeLine) {
                OnCodeLineFocusLost();
            } else if (watched == m_customName) {
                OnCustomNameFocusLost();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MAINFORM::OnTabChanged() {
    CommitPendingEdits();
    LeaveTab(m_listedTab);
    FillCategoryList();
}

void MAINFORM::LeaveTab(int tab) {
    if (tab >= 0 && tab < static_cast<int>(tabListRow.size())) {
        tabListRow[static_cast<std::size_t>(tab)] = m_categoryList->currentRow();
    }
}

void MAINFORM::FillCategoryList() {
    const InputPause pause = PauseInput();
    // Every write of the code line ends within its own handler, so none is under way here.
    Q_ASSERT(!refreshingCodeLine);
    {
        const QSignalBlocker blocker(m_categoryList);
        m_categoryList->clear();
        const int tab = tabBar()->currentIndex();
        m_listedTab = tab;
        if (tab >= 0 && tab < static_cast<int>(tabListRow.size())) {
            const QStringList rows = TabRows(tab);
            m_categoryList->addItems(rows);
            const int remembered = tabListRow[static_cast<std::size_t>(tab)];
            // Set through the view, so that giving the list the focus later does not pick
            // a row of its own when none is selected.
            const int row = remembered < rows.size() ? remembered : 0;
            m_categoryList->setCurrentIndex(m_categoryList->model()->index(row, 0));
        }
    }
    BuildPage();
}

int MAINFORM::CurrentCategoryIndex() const {
    const int row = m_categoryList->currentRow();
    const int tab = tabBar()->currentIndex();
    if (row < 0 || tab < 0 || tab >= static_cast<int>(kTabFirstCategory.size())) {
        return -1;
    }
    return kTabFirstCategory[static_cast<std::size_t>(tab)] + row;
}

const CategoryInfo& MAINFORM::CurrentRow() const {
    return CategoryOf(CurrentCategoryIndex());
}

InputPause MAINFORM::PauseInput() {
    // Disabling the window takes the focus from a field the user may have typed into; that
    // counts as leaving the field.
    if (isEnabled()) {
        CommitPendingEdits();
    }
    return InputPause(*this, m_categoryList);
}

void MAINFORM::BuildPage() {
    const InputPause pause = PauseInput();
    Q_ASSERT(!refreshingCodeLine);
    buildingPage = true;
    const int category = CurrentCategoryIndex();
    ShowOnly(BuildCategoryPage(category));
    NamePageControls(category);
    buildingPage = false;
}

PoolSet MAINFORM::BuildCategoryPage(int category) {
    struct PageBuilder {
        PageKind page;
        PoolSet (MAINFORM::*build)(int category);
    };
    static constexpr std::array<PageBuilder, 8> kBuilders = {{
        {PageKind::kSpecies, &MAINFORM::BuildSpeciesPage},
        {PageKind::kTraitBoxes, &MAINFORM::BuildTraitPage},
        {PageKind::kLevel, &MAINFORM::BuildLevelPage},
        {PageKind::kPreference, &MAINFORM::BuildPreferencePage},
        {PageKind::kAge, &MAINFORM::BuildAgePage},
        {PageKind::kWork, &MAINFORM::BuildWorkPage},
        {PageKind::kKinkSwitch, &MAINFORM::BuildKinkSwitchPage},
        {PageKind::kKink, &MAINFORM::BuildKinkPage},
    }};
    const PageKind page = CategoryOf(category).page;
    for (const PageBuilder& builder : kBuilders) {
        if (builder.page == page) {
            return (this->*builder.build)(category);
        }
    }
    return BuildErrorPage(category);  // PageKind::kError: no category
}

}  // namespace brindlex
