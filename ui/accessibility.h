// What assistive technology hears of the window's controls.
#pragma once

#include <array>

#include <QComboBox>
#include <QSlider>
#include <QString>

class QLabel;

namespace brindlex {

// The vertical slider of levels, which tells assistive technology the word shown beside its
// position rather than the bare level.
class LevelSlider : public QSlider {
    Q_OBJECT
public:
    explicit LevelSlider(QWidget* parent);

    // The labels beside levels 7, 4, 1 and 0, from the top down.
    void setMarks(const std::array<QLabel*, 4>& marks) { m_marks = marks; }
    // The text of the label shown beside `level`. Where none is shown, the number that begins
    // the level's line in the help text, level - 1, which is what the digit labels say.
    QString levelWord(int level) const;

private:
    std::array<QLabel*, 4> m_marks{};
};

// A drop-down list that assistive technology names by its question, whatever entry it shows.
class ChoiceList : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceList(QWidget* parent);
};

}  // namespace brindlex
