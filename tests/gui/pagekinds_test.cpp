// Pages and handlers come from the rows of the table: rows of one kind get pages laid out
// alike, and what sets a row's page apart (its flag box, the boxes of its choices, the cell
// of its kink) follows what the row says, so a new row of a known kind needs no new page.
#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSlider>

#include "codec/codec.h"
#include "profile/categories.h"
#include "profile/pages.h"
#include "tests/gui/driver.h"
#include "ui/choiceboxes.h"
#include "ui/coretext.h"

namespace brindlex::test {
namespace {

// What a page is made of apart from its texts and answers: every numbered control shown,
// its rectangle and whether it takes input.
std::string Layout(const MAINFORM& form) {
    QStringList lines;
    for (const QWidget* control : form.findChildren<QWidget*>()) {
        bool numbered = false;
        control->objectName().toInt(&numbered);
        if (numbered && control->isVisibleTo(&form)) {
            const QRect at = control->geometry();
            lines.append(QStringLiteral("%1 %2,%3 %4x%5 %6")
                             .arg(control->objectName())
                             .arg(at.x())
                             .arg(at.y())
                             .arg(at.width())
                             .arg(at.height())
                             .arg(control->isEnabled()));
        }
    }
    lines.sort();
    return lines.join(QLatin1Char('\n')).toStdString();
}

// Rows whose pages must look alike: the same kind of page and, on a level page, the same
// extras of the token.
using Shape = std::tuple<PageKind, bool, unsigned>;
Shape ShapeOf(const CategoryInfo& row) {
    return {row.page, row.token == TokenKind::kFlaggedLevel,
            row.token == TokenKind::kChoices ? row.choiceCount : 0u};
}

class PageKinds : public WindowTest {
protected:
    void SetUp() override {
        Open();
        form->setAdultTabShown(true);
    }

    // Shows `category` anew for the record as it stands.
    void Show(int category) {
        OpenCategory(category);
        form->BuildPage();
        form->RefreshCodeLine();
    }

    // The boxes 21..37 shown, by identifier.
    std::vector<int> ShownBoxes() const {
        std::vector<int> shown;
        for (int id = 21; id <= 37; ++id) {
            if (Box(id)->isVisible()) {
                shown.push_back(id);
            }
        }
        return shown;
    }
};

TEST_F(PageKinds, RowsOfOneShapeGetPagesOfOneLayout) {
    std::map<Shape, std::pair<int, std::string>> first;
    int compared = 0;
    for (int category = 0; category < kCategoryCount; ++category) {
        OpenCategory(category);
        const std::string layout = Layout(*form);
        const auto [at, isFirst] =
            first.try_emplace(ShapeOf(CategoryOf(category)), category, layout);
        if (!isFirst) {
            EXPECT_EQ(layout, at->second.second)
                << CategoryCaption(category) << " is laid out unlike "
                << CategoryCaption(at->second.first);
            ++compared;
        }
    }
    EXPECT_GT(compared, kKinkCount) << "level rows and kinks alike were compared";
}

TEST_F(PageKinds, LevelPagesShowAndStoreWhatTheirRowsAsk) {
    for (int category = 0; category < kCategoryCount; ++category) {
        const CategoryInfo& row = CategoryOf(category);
        if (row.page != PageKind::kLevel) {
            continue;
        }
        const std::string caption(row.caption);
        // Every other choice ticked, then the others.
        for (const unsigned pattern : {0x155u, 0x0AAu}) {
            record = PROFILE();
            row.level->set(record, 3);
            if (row.extra != nullptr) {
                row.extra->set(record, pattern & row.extra->maxValue());
            }
            Show(category);
            EXPECT_EQ(Slider()->value(), 3) << caption;
            EXPECT_EQ(Description()->toPlainText(), DisplayText(row.help)) << caption;

            const std::vector<int> boxes = ShownBoxes();
            if (row.token == TokenKind::kChoices) {
                ASSERT_EQ(boxes.size(), row.choiceCount) << caption;
                for (unsigned i = 0; i < row.choiceCount; ++i) {
                    QCheckBox* box = Box(boxes[i]);
                    EXPECT_EQ(box->text(), DisplayText(row.choices[i].name)) << caption;
                    EXPECT_EQ(box->isChecked(), ((pattern >> i) & 1u) != 0)
                        << box->text().toStdString();
                    EXPECT_LE(box->geometry().bottom(), Description()->geometry().top()) << caption;
                }
            } else if (row.token == TokenKind::kFlaggedLevel) {
                ASSERT_EQ(boxes, std::vector<int>{31}) << caption;
                EXPECT_EQ(Box(31)->isChecked(), (pattern & 1u) != 0) << caption;
            } else {
                EXPECT_TRUE(boxes.empty()) << caption;
            }

            // Each box stores into its own bit of the row's field, and nothing else changes.
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                PROFILE expected = record;
                row.extra->set(expected, row.extra->get(record) ^ (1u << i));
                ClickBox(boxes[i]);
                EXPECT_EQ(record, expected) << caption << ", box " << boxes[i];
            }
            ExpectSettled(caption.c_str());
        }
    }
}

TEST_F(PageKinds, AFlagBoxNumbersTheLowestLevelItsFlagIsWrittenAt) {
    int flags = 0;
    for (int category = 0; category < kCategoryCount; ++category) {
        const CategoryInfo& row = CategoryOf(category);
        if (row.token != TokenKind::kFlaggedLevel) {
            continue;
        }
        ++flags;
        const std::string caption(row.caption);
        Show(category);
        const QRegularExpressionMatch number =
            QRegularExpression(QStringLiteral("lvl ([0-9])")).match(Box(31)->text());
        ASSERT_TRUE(number.hasMatch()) << Box(31)->text().toStdString();
        // Line N of a help text, and so the label's N, is level N + 1.
        const unsigned from = number.captured(1).toUInt() + 1;
        for (unsigned level = 1; level <= 7; ++level) {
            PROFILE with;
            row.level->set(with, level);
            PROFILE without = with;
            row.extra->set(with, 1);
            EXPECT_EQ(ComposeCode(with) != ComposeCode(without), level >= from)
                << caption << " at level " << level << ", label " << Box(31)->text().toStdString();
        }
    }
    EXPECT_GT(flags, 0);
}

TEST_F(PageKinds, PreferenceAndKinkPagesStoreIntoTheirOwnRows) {
    for (int category = 0; category < kCategoryCount; ++category) {
        const CategoryInfo& row = CategoryOf(category);
        if (row.page != PageKind::kPreference && row.page != PageKind::kKink) {
            continue;
        }
        const std::string caption(CategoryCaption(category));
        record = PROFILE();
        Show(category);
        PROFILE expected = record;
        if (row.page == PageKind::kPreference) {
            // Ticking the box gives both halves their first answer.
            row.extra->set(expected, AttractionOfEntries(0, 0));
            ClickBox(31);
        } else {
            const int kink = category - kFirstKinkCategory;
            const int answer = 1 + kink % 3;
            expected.setKink(kink, MakeKinkCell(static_cast<unsigned>(answer), 0));
            Choose(38, answer);
        }
        EXPECT_EQ(record, expected) << caption;
        ExpectSettled(caption.c_str());
    }
}

// The layout of the boxes of choices holds for every number of choices a row may have, not
// only for the rows there are.
TEST(ChoiceBoxLayout, EveryNumberOfChoicesFitsAboveItsHelpText) {
    const std::array<UnitRect, 3> neighbours = {{
        {14, 28, 96, 161},   // the category list
        {95, 63, 115, 134},  // the slider
        {125, 66, 176, 76},  // the label at its top
    }};
    const auto overlap = [](const UnitRect& a, const UnitRect& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    for (unsigned count = 1; count <= kMaxChoiceBoxes; ++count) {
        const ChoiceBoxes layout = ChoiceBoxesOf(count);
        const int last = layout.firstBox + static_cast<int>(count) - 1;
        EXPECT_GE(layout.firstBox, 21) << count;
        EXPECT_LE(last, 37) << count;
        EXPECT_EQ(layout.firstBox <= 30, last <= 30) << count << ": boxes of both columns";
        EXPECT_LT(layout.descriptionTop, 161) << count;
        for (unsigned i = 0; i < count; ++i) {
            const UnitRect box = ChoiceBoxRect(count, i);
            EXPECT_LT(box.left, box.right);
            EXPECT_GE(box.top, 22) << count << ", " << i;
            EXPECT_LE(box.right, 313) << count << ", " << i;
            EXPECT_LE(box.bottom, layout.descriptionTop) << count << ", " << i;
            for (const UnitRect& other : neighbours) {
                EXPECT_FALSE(overlap(box, other)) << count << ", " << i;
            }
            for (unsigned j = 0; j < i; ++j) {
                EXPECT_FALSE(overlap(box, ChoiceBoxRect(count, j)))
                    << count << ": " << i << ", " << j;
            }
        }
    }
}

}  // namespace
}  // namespace brindlex::test
