// The history of the answers: every change of the record is one step that Edit > Undo takes
// back and Edit > Redo makes again, for as long as the window runs.
#include <algorithm>

#include <QAction>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QUndoCommand>
#include <QUndoStack>

#include "codec/codec.h"
#include "codec/lines.h"
#include "ui/controls.h"
#include "ui/coretext.h"
#include "ui/mainform.h"

namespace brindlex {

namespace {

// Steps of one run of typing into the age field share this id, so that they merge.
constexpr int kAgeTypingStep = 1;

// A step's name as a command's text, where "&" would mark an access letter.
QString AsCommandText(QString name) {
    return name.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// The undo and redo commands as they name the step they take.
QString UndoLabel(const QString& step) {
    return step.isEmpty() ? MAINFORM::tr("&Undo") : MAINFORM::tr("&Undo %1").arg(step);
}
QString RedoLabel(const QString& step) {
    return step.isEmpty() ? MAINFORM::tr("&Redo") : MAINFORM::tr("&Redo %1").arg(step);
}

}  // namespace

// One change of the record: the whole record before and after it.
class AnswerStep : public QUndoCommand {
public:
    AnswerStep(MAINFORM& form, PROFILE before, PROFILE after, const StepName& name, int typingRun)
        : QUndoCommand(AsCommandText(name.text())),
          m_form(form),
          m_before(std::move(before)),
          m_after(std::move(after)),
          m_name(name),
          m_typingRun(typingRun) {}

    // Tells the name in the user's language.
    void Relabel() { setText(AsCommandText(m_name.text())); }

    void undo() override { m_form.ShowRecord(m_before); }
    // Pushing a step redoes it, but the change has been made already.
    void redo() override {
        if (m_made) {
            m_form.ShowRecord(m_after);
        }
        m_made = true;
    }
    int id() const override { return m_typingRun >= 0 ? kAgeTypingStep : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* later = static_cast<const AnswerStep*>(other);
        if (later->m_typingRun != m_typingRun) {
            return false;
        }
        m_after = later->m_after;
        // Typing that ends where it began is no step at all.
        setObsolete(m_after == m_before);
        return true;
    }

private:
    MAINFORM& m_form;
    PROFILE m_before;
    PROFILE m_after;
    StepName m_name;
    int m_typingRun;
    bool m_made = false;
};

void MAINFORM::CreateHistory() {
    m_history = new QUndoStack(this);
    m_undo = new QAction(tr("&Undo"), this);
    m_undo->setObjectName(QStringLiteral("undo"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo = new QAction(tr("&Redo"), this);
    m_redo->setObjectName(QStringLiteral("redo"));
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // Reachable by their keys without a menu too. A text field with the focus keeps these keys
    // for its own typing: Qt lets a field with the focus take them before any shortcut.
    addAction(m_undo);
    addAction(m_redo);
    for (QAction* action : {m_undo, m_redo}) {
        action->setEnabled(false);
    }
    connect(m_undo, &QAction::triggered, this, [this] {
        CommitPendingEdits();
        m_history->undo();
    });
    connect(m_redo, &QAction::triggered, this, [this] {
        CommitPendingEdits();
        m_history->redo();
    });
    connect(m_history, &QUndoStack::canUndoChanged, m_undo, &QAction::setEnabled);
    connect(m_history, &QUndoStack::canRedoChanged, m_redo, &QAction::setEnabled);
    // The history outlives the rest of the window while the window is destroyed, and still
    // tells its texts then: they go to the actions alone.
    connect(m_history, &QUndoStack::undoTextChanged, m_undo,
            [undo = m_undo](const QString& step) { undo->setText(UndoLabel(step)); });
    connect(m_history, &QUndoStack::redoTextChanged, m_redo,
            [redo = m_redo](const QString& step) { redo->setText(RedoLabel(step)); });

    m_codeLineNote = new QLabel(m_client);
    m_codeLineNote->setObjectName(QStringLiteral("codeLineNote"));
    m_codeLineNote->setGeometry(m_units.rect(7, 169, 320, 178));
    m_codeLineNote->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_codeLineNote->setTextFormat(Qt::PlainText);
    m_codeLineNote->setBuddy(m_codeLine);
}

void MAINFORM::StartHistory() {
    LabelHistory();
    m_recorded = m_profile;
    m_recording = true;
}

void MAINFORM::RecordStep() {
    if (!m_recording || m_restoring || m_profile == m_recorded) {
        return;
    }
    const StepName name =
        m_stepName.given() ? m_stepName : StepName{nullptr, nullptr, CurrentCategoryIndex()};
    const int typingRun = m_typingAge ? m_ageTypingRun : -1;
    m_history->push(new AnswerStep(*this, m_recorded, m_profile, name, typingRun));
    m_recorded = m_profile;
    ShowRefusal(std::nullopt);
}

void MAINFORM::LabelHistory() {
    for (int i = 0; i < m_history->count(); ++i) {
        // Every command of the history is one of its steps.
        static_cast<AnswerStep*>(const_cast<QUndoCommand*>(m_history->command(i)))->Relabel();
    }
    m_undo->setText(UndoLabel(m_history->undoText()));
    m_redo->setText(RedoLabel(m_history->redoText()));
    m_codeLineNote->setAccessibleName(tr("Code line message"));
}

void MAINFORM::ShowRecord(const PROFILE& record) {
    m_restoring = true;
    const auto restored = qScopeGuard([this] { m_restoring = false; });
    m_profile = record;
    codeLineEdited = false;
    m_nameEdited = false;
    // Typing into the age field after this starts a step of its own.
    ++m_ageTypingRun;
    ShowRefusal(std::nullopt);
    RefreshCodeLine();
    BuildPage();
    m_recorded = m_profile;
}

void MAINFORM::ReplaceAnswers(const PROFILE& record, const StepName& step) {
    m_stepName = step;
    const auto named = qScopeGuard([this] { m_stepName = StepName(); });
    m_profile = record;
    codeLineEdited = false;
    m_nameEdited = false;
    RefreshCodeLine();
    BuildPage();
}

void MAINFORM::ShowRefusal(const std::optional<std::string>& line) {
    m_refusedLine = line;
    QString text;
    // Told beside the field rather than in a box, so that nothing stops the user's work.
    if (line && ReadableLine(*line).empty()) {
        text = tr("An empty line is no code line, so your answers are unchanged.");
    } else if (line) {
        const std::string_view readable = ReadableLine(*line);
        const QString typed = QString::fromStdString(std::string(readable));
        const QString reason = QString::fromStdString(RejectionReason(readable, UserWording()));
        const auto saying = [&](qsizetype kept) {
            const QString shown = kept < typed.size() ? typed.left(kept) + QChar(0x2026) : typed;
            return tr("\"%1\" was not read (%2), so your answers are unchanged.")
                .arg(shown, reason);
        };
        // As much of what was typed as the line beside the field holds.
        const QFontMetrics metrics(m_codeLineNote->font());
        constexpr qsizetype kMostShown = 24;
        qsizetype kept = std::min(typed.size(), kMostShown);
        text = saying(kept);
        while (kept > 1 && metrics.horizontalAdvance(text) > m_codeLineNote->width()) {
            text = saying(--kept);
        }
    }
    m_codeLineNote->setText(text);
    m_codeLineNote->setToolTip(text);
    m_codeLineNote->setVisible(!text.isEmpty());
    m_codeLine->setAccessibleDescription(text);
}

QString MAINFORM::codeLineNote() const {
    return m_codeLineNote->text();
}

}  // namespace brindlex
