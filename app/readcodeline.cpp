#include "app/readcodeline.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

#include <QCheckBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "app/dialogs.h"
#include "codec/codec.h"
#include "codec/compare.h"
#include "codec/explain.h"
#include "ui/controls.h"
#include "ui/coretext.h"
#include "ui/mainform.h"

namespace brindlex {

namespace {

using AnswerKey = std::pair<int, std::string_view>;

const QChar kDiffersMark(0x2260);  // NOT EQUAL TO

}  // namespace

void ReaderAnswerModel::ShowAnswers(const LineReading& line) {
    beginResetModel();
    m_theirs = line.theirs;
    m_rows.clear();
    for (const ExplainedAnswer& answer : line.explained.answers) {
        Row row{answer.category, answer.caption, {}, false};
        row.texts[kCategoryColumn] = CoreText(CaptionContext(answer.category), answer.caption);
        row.texts[kTheirColumn] = ListedText(answer.answer);
        row.texts[kCodeColumn] = ListedText(line.explained.code(answer));
        m_rows.push_back(std::move(row));
    }
    TellYours(line.own, line.compared);
    endResetModel();
}

void ReaderAnswerModel::ShowYours(const PROFILE& yours) {
    TellYours(ExplainProfile(yours, true, UserWording()), CompareAnswers(m_theirs, yours));
    if (!m_rows.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
    }
}

void ReaderAnswerModel::TellYours(const Explanation& own, const Comparison& compared) {
    std::map<AnswerKey, const ExplainedAnswer*> byKey;
    for (const ExplainedAnswer& answer : own.answers) {
        byKey[{answer.category, answer.caption}] = &answer;
    }
    // The marks are the comparison's, which leaves out the kinks when neither record has any.
    std::set<AnswerKey> differing;
    for (const ComparedAnswer& answer : compared.answers) {
        differing.insert({answer.category, answer.caption});
    }
    for (Row& row : m_rows) {
        const AnswerKey key{row.category, row.caption};
        const auto mine = byKey.find(key);
        row.texts[kYourColumn] = mine == byKey.end() ? QString() : ListedText(mine->second->answer);
        row.differs = differing.count(key) != 0;
        row.texts[kMarkColumn] = row.differs ? QString(kDiffersMark) : QString();
    }
    m_differing = differing.size();
    m_same = compared.same;
}

void ReaderAnswerModel::Clear() {
    beginResetModel();
    m_rows.clear();
    m_differing = 0;
    m_same = 0;
    endResetModel();
}

int ReaderAnswerModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ReaderAnswerModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ReaderAnswerModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return QVariant();
    }
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return row.texts[column];
        case Qt::ToolTipRole:
            return column == kTheirColumn || column == kYourColumn ? row.texts[column] : QVariant();
        case Qt::AccessibleTextRole:
            if (column == kMarkColumn) {
                return row.differs ? tr("differs") : tr("same");
            }
            return row.differs ? tr("%1, differs").arg(row.texts[column]) : row.texts[column];
        case Qt::FontRole:
            if (row.differs) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return QVariant();
        case Qt::TextAlignmentRole:
            return column == kMarkColumn ? QVariant(Qt::AlignCenter) : QVariant();
        case kDiffersRole:
            return row.differs;
        default:
            return QVariant();
    }
}

QVariant ReaderAnswerModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) {
        return QVariant();
    }
    if (role == Qt::DisplayRole) {
        const QString titles[kColumns] = {QString(kDiffersMark), tr("Category"), tr("Their answer"),
                                          tr("Your answer"), tr("Code")};
        return titles[section];
    }
    if ((role == Qt::ToolTipRole || role == Qt::AccessibleTextRole) && section == kMarkColumn) {
        return tr("Differs from your answer");
    }
    return QVariant();
}

ReadCodeLineWindow::ReadCodeLineWindow(MAINFORM& form) : QDialog(&form), m_form(form) {
    setObjectName(QStringLiteral("readCodeLine"));
    setModal(false);
    // A window of its own, which the main window's modal loop leaves to the user.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);

    const auto caption = [this](QWidget* buddy) {
        auto* label = new QLabel(this);
        label->setBuddy(buddy);
        return label;
    };

    m_input = new PlainTextField(this);
    m_input->setObjectName(QStringLiteral("readerInput"));
    m_input->setTabChangesFocus(true);

    m_lines = new QListWidget(this);
    m_lines->setObjectName(QStringLiteral("readerLines"));
    m_lines->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lines->setUniformItemSizes(true);  // a post may hold thousands of lines

    m_onlyDifferences = new QCheckBox(this);
    m_onlyDifferences->setObjectName(QStringLiteral("readerOnlyDifferences"));

    m_answers = new ReaderAnswerModel(this);
    m_shown = new QSortFilterProxyModel(this);
    m_shown->setSourceModel(m_answers);
    m_shown->setFilterKeyColumn(ReaderAnswerModel::kMarkColumn);
    m_shown->setFilterRole(ReaderAnswerModel::kDiffersRole);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("readerTable"));
    m_table->setModel(m_shown);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() + 6);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(ReaderAnswerModel::kMarkColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(ReaderAnswerModel::kTheirColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(ReaderAnswerModel::kYourColumn, QHeaderView::Stretch);
    header->resizeSection(ReaderAnswerModel::kCategoryColumn, 130);
    header->resizeSection(ReaderAnswerModel::kCodeColumn, 80);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("readerSummary"));
    m_summary->setWordWrap(true);

    m_repairs = new QListWidget(this);
    m_repairs->setObjectName(QStringLiteral("readerRepairs"));
    m_repairs->setSelectionMode(QAbstractItemView::SingleSelection);
    m_repairs->setUniformItemSizes(true);

    m_use = new QPushButton(this);
    m_use->setObjectName(QStringLiteral("readerUse"));
    m_use->setAutoDefault(false);
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("readerClose"));
    m_close->setAutoDefault(false);

    m_inputLabel = caption(m_input);
    m_linesLabel = caption(m_lines);
    m_answersLabel = caption(m_table);
    m_repairsLabel = caption(m_repairs);
    auto* answersRow = new QHBoxLayout;
    answersRow->addWidget(m_answersLabel);
    answersRow->addStretch();
    answersRow->addWidget(m_onlyDifferences);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_use);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_inputLabel);
    layout->addWidget(m_input, 3);
    layout->addWidget(m_linesLabel);
    layout->addWidget(m_lines, 2);
    layout->addLayout(answersRow);
    layout->addWidget(m_table, 12);
    layout->addWidget(m_summary);
    layout->addWidget(m_repairsLabel);
    layout->addWidget(m_repairs, 3);
    layout->addLayout(buttons);

    setTabOrder(m_input, m_lines);
    setTabOrder(m_lines, m_onlyDifferences);
    setTabOrder(m_onlyDifferences, m_table);
    setTabOrder(m_table, m_repairs);
    setTabOrder(m_repairs, m_use);
    setTabOrder(m_use, m_close);

    // The text is read once the typing pauses, on a worker thread; a reading that a newer text
    // or choice has overtaken is dropped.
    m_pause = new QTimer(this);
    m_pause->setSingleShot(true);
    m_pause->setInterval(kTypingPause);
    connect(m_pause, &QTimer::timeout, this, [this] { StartReading(Reading::kPost); });
    m_reading = new QFutureWatcher<PostReading>(this);
    connect(m_reading, &QFutureWatcherBase::finished, this, &ReadCodeLineWindow::OnReadingDone);
    connect(m_input, &QPlainTextEdit::textChanged, this, &ReadCodeLineWindow::OnTextChanged);
    connect(m_lines, &QListWidget::currentRowChanged, this, &ReadCodeLineWindow::OnLineChosen);
    connect(m_onlyDifferences, &QCheckBox::toggled, this, [this](bool only) {
        m_shown->setFilterFixedString(only ? QStringLiteral("true") : QString());
    });
    connect(m_repairs, &QListWidget::currentRowChanged, this, &ReadCodeLineWindow::OnRepairChosen);
    // Clicking the chosen repair again shows it again, after the text cursor has moved on.
    connect(m_repairs, &QListWidget::itemClicked, this, &ReadCodeLineWindow::OnRepairChosen);
    connect(m_use, &QPushButton::clicked, this, &ReadCodeLineWindow::OnUseClicked);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    connect(&m_form, &MAINFORM::answersChanged, this, &ReadCodeLineWindow::OnAnswersChanged);

    LabelControls();
    resize(760, 820);
    ShowLine();
}

void ReadCodeLineWindow::LabelControls() {
    setWindowTitle(tr("Read a Code Line"));
    setAccessibleName(windowTitle());
    m_input->setAccessibleName(tr("Pasted text"));
    m_input->setPlaceholderText(
        tr("Paste a code line beginning with 2.0F, or a whole post that holds some."));
    m_lines->setAccessibleName(tr("Code lines found"));
    m_onlyDifferences->setText(tr("Show only &differences"));
    m_onlyDifferences->setAccessibleName(tr("Show only differences"));
    m_table->setAccessibleName(tr("Answers of the selected line beside yours"));
    m_repairs->setAccessibleName(tr("Repairs of the selected line"));
    m_use->setText(tr("&Use These Answers"));
    m_use->setAccessibleName(tr("Use These Answers"));
    m_close->setText(tr("&Close"));
    m_close->setAccessibleName(tr("Close"));
    m_inputLabel->setText(tr("&Paste a code line or a whole post:"));
    m_linesLabel->setText(tr("Code &lines found:"));
    m_answersLabel->setText(tr("&Answers:"));
}

void ReadCodeLineWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        LabelControls();
        emit m_answers->headerDataChanged(Qt::Horizontal, 0, ReaderAnswerModel::kColumns - 1);
        OnTextChanged();  // the lines, the answers and the repairs, told anew
    }
    QDialog::changeEvent(event);
}

void ReadCodeLineWindow::Present() {
    if (!m_placed) {
        PlaceBesideOwner();
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

void ReadCodeLineWindow::PlaceBesideOwner() {
    constexpr int kGap = 8;
    constexpr int kNarrowest = 480;  // still room for the columns of the table
    const QRect owner = m_form.frameGeometry();
    const QRect room = m_form.screen()->availableGeometry();
    resize(size().boundedTo(room.size()));
    // Right of the main window, narrowed if need be; else left of it; else at the screen's
    // right edge, over the main window.
    const int right = room.right() - owner.right() - kGap;
    const int left = owner.left() - room.left() - kGap;
    int x = room.right() + 1 - width();
    if (right >= std::min(width(), kNarrowest)) {
        resize(std::min(width(), right), height());
        x = owner.right() + 1 + kGap;
    } else if (left >= std::min(width(), kNarrowest)) {
        resize(std::min(width(), left), height());
        x = owner.left() - kGap - width();
    }
    const int y = std::clamp(owner.top(), room.top(), room.bottom() + 1 - height());
    move(x, y);
}

void ReadCodeLineWindow::OnTextChanged() {
    ++m_textVersion;
    m_pause->start();
}

void ReadCodeLineWindow::OnLineChosen() {
    if (m_lines->currentRow() >= 0) {
        StartReading(Reading::kLine);
    }
}

void ReadCodeLineWindow::StartReading(Reading what) {
    if (m_reading->isRunning()) {
        m_waiting = std::max(m_waiting, what);  // taken up when the running one is done
        return;
    }
    const int chosen = m_lines->currentRow();
    if (what == Reading::kLine &&
        (chosen < 0 || static_cast<std::size_t>(chosen) >= m_found.size())) {
        return;
    }
    m_readVersion = m_textVersion;
    m_readKind = what;
    const PROFILE yours = m_form.profile();
    emit readingStarted();
    if (what == Reading::kPost) {
        m_reading->setFuture(
            QtConcurrent::run([text = m_input->toPlainText(), item = tr("line %1: %2"), chosen,
                               yours] { return ReadPost(text, item, chosen, yours); }));
        return;
    }
    m_reading->setFuture(
        QtConcurrent::run([found = m_found[static_cast<std::size_t>(chosen)], chosen, yours] {
            PostReading reading;
            reading.chosen = chosen;
            reading.line = ReadFoundLine(found, yours);
            return reading;
        }));
}

void ReadCodeLineWindow::OnReadingDone() {
    PostReading reading = m_reading->future().takeResult();
    const Reading waiting = std::exchange(m_waiting, Reading::kNone);
    // A reading of an older text, or of a line of it, has nothing left to show.
    const bool current = m_readVersion == m_textVersion;
    if (current && m_readKind == Reading::kPost) {
        m_shownVersion = m_readVersion;
        m_text = std::move(reading.text);
        m_found = std::move(reading.found);
        const QSignalBlocker blocker(m_lines);
        m_lines->clear();
        m_lines->addItems(reading.items);
        m_lines->setCurrentRow(reading.chosen);
    }
    if (current && (m_readKind == Reading::kPost || reading.chosen == m_lines->currentRow())) {
        m_line = std::move(reading.line);
        m_lineChosen = reading.chosen;
        ShowLine();
        emit readingShown();
    }
    if (waiting != Reading::kNone) {
        StartReading(waiting);
    }
}

void ReadCodeLineWindow::ShowLine() {
    const QSignalBlocker blocker(m_repairs);
    m_repairs->clear();
    if (m_lineChosen < 0 || static_cast<std::size_t>(m_lineChosen) >= m_found.size()) {
        m_answers->Clear();
        m_use->setEnabled(false);
        m_repairsLabel->setText(tr("&Repairs:"));
        ShowSummary();
        return;
    }
    m_answers->ShowAnswers(m_line);
    m_repairs->addItems(m_line.repairs);
    m_repairsLabel->setText(m_line.repairRuns.empty()
                                ? tr("&Repairs: none, the line reads as it is written")
                                : tr("&Repairs: %1").arg(m_line.repairRuns.size()));
    m_use->setEnabled(true);
    ShowSummary();
}

void ReadCodeLineWindow::OnAnswersChanged() {
    if (m_answers->rowCount() != 0) {
        m_answers->ShowYours(m_form.profile());
        ShowSummary();
    }
}

void ReadCodeLineWindow::ShowSummary() {
    if (m_answers->rowCount() == 0) {
        m_summary->setText(m_text.find_first_not_of(" \t\r\n") == std::string::npos
                               ? QString()
                               : tr("No code line found: a code line begins with "
                                    "\"2.0F\" and a family code."));
        return;
    }
    const std::size_t differing = m_answers->differing();
    m_summary->setText(
        differing == 1
            ? tr("%1 answer differs from yours, %2 the same.").arg(differing).arg(m_answers->same())
            : tr("%1 answers differ from yours, %2 the same.")
                  .arg(differing)
                  .arg(m_answers->same()));
}

void ReadCodeLineWindow::OnRepairChosen() {
    const int chosen = m_repairs->currentRow();
    // The runs are those of the text that was read, which typing since may have moved.
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= m_line.repairRuns.size() ||
        m_shownVersion != m_textVersion) {
        return;
    }
    const auto [from, to] = m_line.repairRuns[static_cast<std::size_t>(chosen)];
    QTextCursor cursor = m_input->textCursor();
    cursor.setPosition(TextPosition(from));
    cursor.setPosition(TextPosition(to), QTextCursor::KeepAnchor);
    m_input->setTextCursor(cursor);
    m_input->ensureCursorVisible();
}

void ReadCodeLineWindow::OnUseClicked() {
    const int chosen = m_lineChosen;
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= m_found.size()) {
        return;
    }
    const FoundCodeLine found = m_found[static_cast<std::size_t>(chosen)];
    const QMessageBox::StandardButton answer = MESSAGEBOX::question(
        this, tr("Use These Answers"),
        tr("Replace all your answers with the answers of the code line on line %1?")
                .arg(found.lineNumber) +
            QStringLiteral("\n\n") + ListedText(found.code));
    if (answer != QMessageBox::Yes) {
        return;
    }
    // Held so that this window, which the main window's pause also disables, gets its
    // focus back.
    const InputPause pause(*this, m_use);
    m_form.LoadCodeLine(found.code, StepName{"brindlex::ReadCodeLineWindow",
                                             QT_TRANSLATE_NOOP("brindlex::ReadCodeLineWindow",
                                                               "&Use These Answers")});
}

int ReadCodeLineWindow::TextPosition(std::size_t at) const {
    return static_cast<int>(
        QString::fromUtf8(m_text.data(), static_cast<qsizetype>(std::min(at, m_text.size())))
            .size());
}

void ShowCodeLineReader(MAINFORM& form) {
    auto* window = form.findChild<ReadCodeLineWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = new ReadCodeLineWindow(form);
    }
    window->Present();
}

}  // namespace brindlex
