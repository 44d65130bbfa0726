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
#include <QVBoxLayout>

#include "app/dialogs.h"
#include "codec/codec.h"
#include "codec/compare.h"
#include "codec/explain.h"
#include "ui/controls.h"
#include "ui/mainform.h"

namespace brindlex {

namespace {

using AnswerKey = std::pair<int, std::string_view>;

const QChar kDiffersMark(0x2260);  // NOT EQUAL TO

}  // namespace

void ReaderAnswerModel::ShowAnswers(const PROFILE& theirs, const PROFILE& yours) {
    beginResetModel();
    m_theirs = theirs;
    const Explanation explained = ExplainProfile(theirs, true);
    m_rows.clear();
    for (const ExplainedAnswer& answer : explained.answers) {
        Row row{answer.category, answer.caption, {}, false};
        row.texts[kCategoryColumn] = DisplayText(answer.caption);
        row.texts[kTheirColumn] = DisplayText(answer.answer);
        row.texts[kCodeColumn] = DisplayText(explained.code(answer));
        m_rows.push_back(std::move(row));
    }
    TellYours(yours);
    endResetModel();
}

void ReaderAnswerModel::ShowYours(const PROFILE& yours) {
    TellYours(yours);
    if (!m_rows.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
    }
}

void ReaderAnswerModel::TellYours(const PROFILE& yours) {
    const Explanation own = ExplainProfile(yours, true);
    std::map<AnswerKey, const ExplainedAnswer*> byKey;
    for (const ExplainedAnswer& answer : own.answers) {
        byKey[{answer.category, answer.caption}] = &answer;
    }
    // The marks are the comparison's, which leaves out the kinks when neither record has any.
    const Comparison compared = CompareAnswers(m_theirs, yours);
    std::set<AnswerKey> differing;
    for (const ComparedAnswer& answer : compared.answers) {
        differing.insert({answer.category, answer.caption});
    }
    for (Row& row : m_rows) {
        const AnswerKey key{row.category, row.caption};
        const auto mine = byKey.find(key);
        row.texts[kYourColumn] =
            mine == byKey.end() ? QString() : DisplayText(mine->second->answer);
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
                return row.differs ? QStringLiteral("differs") : QStringLiteral("same");
            }
            return row.differs ? row.texts[column] + QStringLiteral(", differs")
                               : row.texts[column];
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
    static const QString kTitles[kColumns] = {
        QString(kDiffersMark), QStringLiteral("Category"), QStringLiteral("Their answer"),
        QStringLiteral("Your answer"), QStringLiteral("Code")};
    if (role == Qt::DisplayRole) {
        return kTitles[section];
    }
    if ((role == Qt::ToolTipRole || role == Qt::AccessibleTextRole) && section == kMarkColumn) {
        return QStringLiteral("Differs from your answer");
    }
    return QVariant();
}

ReadCodeLineWindow::ReadCodeLineWindow(MAINFORM& form) : QDialog(&form), m_form(form) {
    setObjectName(QStringLiteral("readCodeLine"));
    setWindowTitle(QStringLiteral("Read a Code Line"));
    setAccessibleName(windowTitle());
    setModal(false);
    // A window of its own, which the main window's modal loop leaves to the user.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);

    const auto named = [](QWidget* control, const char* objectName, const char* accessible) {
        control->setObjectName(QString::fromLatin1(objectName));
        control->setAccessibleName(QString::fromLatin1(accessible));
        return control;
    };
    const auto caption = [this](const char* text, QWidget* buddy) {
        auto* label = new QLabel(QString::fromLatin1(text), this);
        label->setBuddy(buddy);
        return label;
    };

    m_input = new QPlainTextEdit(this);
    named(m_input, "readerInput", "Pasted text");
    m_input->setPlaceholderText(
        QStringLiteral("Paste a code line beginning with 2.0F, or a whole post that holds some."));
    m_input->setTabChangesFocus(true);

    m_lines = new QListWidget(this);
    named(m_lines, "readerLines", "Code lines found");
    m_lines->setSelectionMode(QAbstractItemView::SingleSelection);

    m_onlyDifferences = new QCheckBox(QStringLiteral("Show only &differences"), this);
    named(m_onlyDifferences, "readerOnlyDifferences", "Show only differences");

    m_answers = new ReaderAnswerModel(this);
    m_shown = new QSortFilterProxyModel(this);
    m_shown->setSourceModel(m_answers);
    m_shown->setFilterKeyColumn(ReaderAnswerModel::kMarkColumn);
    m_shown->setFilterRole(ReaderAnswerModel::kDiffersRole);

    m_table = new QTableView(this);
    named(m_table, "readerTable", "Answers of the selected line beside yours");
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
    named(m_repairs, "readerRepairs", "Repairs of the selected line");
    m_repairs->setSelectionMode(QAbstractItemView::SingleSelection);

    m_use = new QPushButton(QStringLiteral("&Use These Answers"), this);
    named(m_use, "readerUse", "Use These Answers");
    m_use->setAutoDefault(false);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    named(close, "readerClose", "Close");
    close->setAutoDefault(false);

    auto* answersRow = new QHBoxLayout;
    answersRow->addWidget(caption("&Answers:", m_table));
    answersRow->addStretch();
    answersRow->addWidget(m_onlyDifferences);
    m_repairsLabel = caption("&Repairs:", m_repairs);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_use);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption("&Paste a code line or a whole post:", m_input));
    layout->addWidget(m_input, 3);
    layout->addWidget(caption("Code &lines found:", m_lines));
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
    setTabOrder(m_use, close);

    connect(m_input, &QPlainTextEdit::textChanged, this, &ReadCodeLineWindow::OnTextChanged);
    connect(m_lines, &QListWidget::currentRowChanged, this, &ReadCodeLineWindow::OnLineChosen);
    connect(m_onlyDifferences, &QCheckBox::toggled, this, [this](bool only) {
        m_shown->setFilterFixedString(only ? QStringLiteral("true") : QString());
    });
    connect(m_repairs, &QListWidget::currentRowChanged, this, &ReadCodeLineWindow::OnRepairChosen);
    // Clicking the chosen repair again shows it again, after the text cursor has moved on.
    connect(m_repairs, &QListWidget::itemClicked, this, &ReadCodeLineWindow::OnRepairChosen);
    connect(m_use, &QPushButton::clicked, this, &ReadCodeLineWindow::OnUseClicked);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(&m_form, &MAINFORM::answersChanged, this, &ReadCodeLineWindow::OnAnswersChanged);

    resize(760, 820);
    OnTextChanged();
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
    m_text = m_input->toPlainText().toStdString();
    m_found = FindCodeLines(m_text);
    {
        // The line chosen before stays chosen while it is still there.
        const int chosen = m_lines->currentRow();
        const QSignalBlocker blocker(m_lines);
        m_lines->clear();
        for (const FoundCodeLine& found : m_found) {
            m_lines->addItem(QStringLiteral("line %1: ").arg(found.lineNumber) +
                             DisplayText(found.code));
        }
        if (!m_found.empty()) {
            m_lines->setCurrentRow(chosen >= 0 && chosen < m_lines->count() ? chosen : 0);
        }
    }
    OnLineChosen();
}

void ReadCodeLineWindow::OnLineChosen() {
    const int chosen = m_lines->currentRow();
    const QSignalBlocker blocker(m_repairs);
    m_repairs->clear();
    m_repairRuns.clear();
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= m_found.size()) {
        m_answers->Clear();
        m_use->setEnabled(false);
        m_repairsLabel->setText(QStringLiteral("&Repairs:"));
        ShowSummary();
        return;
    }
    const FoundCodeLine& found = m_found[static_cast<std::size_t>(chosen)];
    PROFILE theirs;
    std::vector<ReadStep> steps;
    ParseCode(found.code, theirs, &steps);  // the lines found are those that read
    m_answers->ShowAnswers(theirs, m_form.profile());
    const std::string normal = ComposeCode(theirs);
    for (const ReadStep& step : steps) {
        if (IsRepair(step)) {
            m_repairs->addItem(DisplayText(DescribeRepair(found.code, normal, step)));
            m_repairRuns.emplace_back(TextOffset(found, step.at),
                                      TextOffset(found, step.at + step.size));
        }
    }
    m_repairsLabel->setText(m_repairRuns.empty()
                                ? QStringLiteral("&Repairs: none, the line reads as it is written")
                                : QStringLiteral("&Repairs: %1").arg(m_repairRuns.size()));
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
                               : QStringLiteral("No code line found: a code line begins with "
                                                "\"2.0F\" and a family code."));
        return;
    }
    const std::size_t differing = m_answers->differing();
    m_summary->setText(QStringLiteral("%1 %2 from yours, %3 the same.")
                           .arg(differing)
                           .arg(differing == 1 ? QStringLiteral("answer differs")
                                               : QStringLiteral("answers differ"))
                           .arg(m_answers->same()));
}

void ReadCodeLineWindow::OnRepairChosen() {
    const int chosen = m_repairs->currentRow();
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= m_repairRuns.size()) {
        return;
    }
    const auto [from, to] = m_repairRuns[static_cast<std::size_t>(chosen)];
    QTextCursor cursor = m_input->textCursor();
    cursor.setPosition(TextPosition(from));
    cursor.setPosition(TextPosition(to), QTextCursor::KeepAnchor);
    m_input->setTextCursor(cursor);
    m_input->ensureCursorVisible();
}

void ReadCodeLineWindow::OnUseClicked() {
    const int chosen = m_lines->currentRow();
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= m_found.size()) {
        return;
    }
    const FoundCodeLine found = m_found[static_cast<std::size_t>(chosen)];
    const QMessageBox::StandardButton answer = MESSAGEBOX::question(
        this, QStringLiteral("Use These Answers"),
        QStringLiteral("Replace all your answers with the answers of the code line on line %1?")
                .arg(found.lineNumber) +
            QStringLiteral("\n\n") + DisplayText(found.code));
    if (answer != QMessageBox::Yes) {
        return;
    }
    // Held so that this window, which the main window's pause also disables, gets its
    // focus back.
    const InputPause pause(*this, m_use);
    m_form.LoadCodeLine(found.code);
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
