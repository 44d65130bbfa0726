// "Read a Code Line": someone's code line, found in a pasted post, told in words beside the
// user's own answers, with what the reader had to repair in it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <QAbstractTableModel>
#include <QDialog>
#include <QFutureWatcher>

#include "app/postreading.h"
#include "codec/find.h"
#include "profile/profile.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTimer;

namespace brindlex {

class MAINFORM;

// Every answer of a read line, unanswered ones too, beside the user's answer to the same
// question.
class ReaderAnswerModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { kMarkColumn, kCategoryColumn, kTheirColumn, kYourColumn, kCodeColumn, kColumns };
    // Whether the row's two answers differ, as a bool.
    static constexpr int kDiffersRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    // Lists the answers of a line read against the user's.
    void ShowAnswers(const LineReading& line);
    // Tells the user's answers again, keeping the rows of the line.
    void ShowYours(const PROFILE& yours);
    void Clear();

    // Of the answers that both records can carry, how many differ and how many are the same.
    std::size_t differing() const { return m_differing; }
    std::size_t same() const { return m_same; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        int category;
        std::string caption;
        QString texts[kColumns];
        bool differs = false;
    };

    // Fills the user's answers and the marks into the rows.
    void TellYours(const Explanation& own, const Comparison& compared);

    PROFILE m_theirs;
    std::vector<Row> m_rows;
    std::size_t m_differing = 0;
    std::size_t m_same = 0;
};

// The window. It reads the record of `form` and changes it only through "Use These Answers".
// The pasted text is read once the typing pauses, on a worker thread, so that a long post
// never holds the window; of readings overtaken by newer typing only the newest is shown.
class ReadCodeLineWindow : public QDialog {
    Q_OBJECT

public:
    explicit ReadCodeLineWindow(MAINFORM& form);

    // Shows the window, the first time beside the main window, and brings it to the front.
    void Present();

    // How long the typing must pause before the text is read, in milliseconds.
    static constexpr int kTypingPause = 300;

signals:
    // A reading of the text, or of the line chosen in it, is under way on a worker thread.
    void readingStarted();
    // A reading of the text, or of the line chosen in it, is shown.
    void readingShown();

protected:
    // A new language relabels the window and tells the answers in it.
    void changeEvent(QEvent* event) override;

private:
    // What a reading reads: the line chosen, or the whole text; the larger takes in the other.
    enum class Reading { kNone, kLine, kPost };

    void LabelControls();
    void OnTextChanged();
    void OnLineChosen();
    void StartReading(Reading what);
    void OnReadingDone();
    // Shows the answers and repairs of the line read.
    void ShowLine();
    void OnAnswersChanged();
    void OnRepairChosen();
    void OnUseClicked();
    void ShowSummary();
    void PlaceBesideOwner();
    // The position in the pasted text of byte `at` of its UTF-8 form.
    int TextPosition(std::size_t at) const;

    MAINFORM& m_form;
    QPlainTextEdit* m_input = nullptr;
    QListWidget* m_lines = nullptr;
    QCheckBox* m_onlyDifferences = nullptr;
    QTableView* m_table = nullptr;
    ReaderAnswerModel* m_answers = nullptr;
    QSortFilterProxyModel* m_shown = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_inputLabel = nullptr;
    QLabel* m_linesLabel = nullptr;
    QLabel* m_answersLabel = nullptr;
    QLabel* m_repairsLabel = nullptr;
    QListWidget* m_repairs = nullptr;
    QPushButton* m_use = nullptr;
    QPushButton* m_close = nullptr;

    QTimer* m_pause = nullptr;
    QFutureWatcher<PostReading>* m_reading = nullptr;
    Reading m_readKind = Reading::kNone;  // of the reading under way or last done
    Reading m_waiting = Reading::kNone;   // asked for while another was under way
    // The text's versions: as typed, as last sent to be read, and as shown.
    unsigned m_textVersion = 0;
    unsigned m_readVersion = 0;
    unsigned m_shownVersion = 0;

    std::string m_text;  // the text shown read, in UTF-8, which the found lines index
    std::vector<FoundCodeLine> m_found;
    int m_lineChosen = -1;  // the line whose reading is shown
    LineReading m_line;
    bool m_placed = false;
};

// "Read a Code Line...": opens the window of `form`, or brings it to the front.
void ShowCodeLineReader(MAINFORM& form);

}  // namespace brindlex
