#include <gtest/gtest.h>

#include <set>

#include "codec/codec.h"
#include "profile/pages.h"
#include "profile/vocabulary.h"
#include "web/module/pagemodel.h"
#include "web/module/reader.h"

namespace brindlex::web {
namespace {

const PageControl* Find(const PageModel& page, PageControl::Kind kind, int ordinal = 0) {
    for (std::size_t i = 0; i < page.controls.size(); ++i) {
        if (page.controls[i].kind == kind && page.ordinal(i) == ordinal) {
            return &page.controls[i];
        }
    }
    return nullptr;
}

std::vector<int> Selections(const PageModel& page) {
    std::vector<int> entries;
    for (const PageControl& control : page.controls) {
        if (control.kind == PageControl::kList) {
            entries.push_back(control.selected);
        }
    }
    return entries;
}

TEST(WebPages, EveryCategoryHasItsPageWithTheWindowsNames) {
    const PROFILE p;
    std::set<PageKind> kinds;
    for (int c = 0; c < kCategoryCount; ++c) {
        const PageModel page = DescribePage(c, p);
        const CategoryInfo& row = CategoryOf(c);
        ASSERT_EQ(page.page, row.page) << c;
        kinds.insert(page.page);
        const ListQuestions questions = ListQuestionsOf(row.page);
        int lists = 0;
        for (const PageControl& control : page.controls) {
            EXPECT_FALSE(control.name.empty()) << c;
            if (control.kind == PageControl::kList) {
                EXPECT_EQ(control.name, lists++ == 0 ? questions.first : questions.second) << c;
                EXPECT_FALSE(control.entries.empty()) << c;
            }
            if (control.kind == PageControl::kSlider) {
                EXPECT_EQ(control.name, SliderName(row.name)) << c;
            }
        }
        EXPECT_EQ(Find(page, PageControl::kSlider) != nullptr,
                  row.level != nullptr || row.page == PageKind::kAge)
            << c;
    }
    EXPECT_EQ(kinds.size(), 8u);  // every kind but the page of no category
    EXPECT_EQ(DescribePage(-1, p).help, kNoCategoryText);
    EXPECT_EQ(DescribePage(kCategoryCount, p).page, PageKind::kError);
}

TEST(WebPages, TheSpeciesPageFollowsTheFamilyAndTheOtherEntry) {
    PROFILE p;
    const int c = kSpeciesCategory;
    EXPECT_EQ(DescribePage(c, p).controls.size(), 1u);  // "Undecided": the family list only

    ChooseEntry(p, c, 0, {3});
    PageModel page = DescribePage(c, p);
    const PageControl* species = Find(page, PageControl::kList, 1);
    ASSERT_NE(species, nullptr);
    EXPECT_EQ(species->entries.back(), kOtherSpeciesEntry);
    EXPECT_EQ(species->selected, 0);
    EXPECT_EQ(Find(page, PageControl::kCustomName), nullptr);

    const int other = static_cast<int>(species->entries.size()) - 1;
    ChooseEntry(p, c, 1, {3, other});
    page = DescribePage(c, p);
    const PageControl* name = Find(page, PageControl::kCustomName);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->hint, kCustomNameHint);
    EXPECT_EQ(Find(page, PageControl::kList, 1)->selected, other);

    ChooseEntry(p, c, 0, {static_cast<int>(kFamilyPolymorph)});
    page = DescribePage(c, p);
    EXPECT_EQ(Find(page, PageControl::kList, 1), nullptr);
    EXPECT_NE(Find(page, PageControl::kCustomName), nullptr);
}

TEST(WebPages, TheAgePageSwitchesBetweenSliderAndField) {
    PROFILE p;
    const int c = kAgeCategory;
    SetLevel(p, c, 4);
    EXPECT_EQ(p.age, 124u);
    TickBox(p, c, 0, true, {0});
    EXPECT_EQ(p.age, 30u);
    PageModel page = DescribePage(c, p);
    EXPECT_EQ(Find(page, PageControl::kAgeField)->text, "30");
    EXPECT_TRUE(Find(page, PageControl::kAgeField)->enabled);
    EXPECT_FALSE(Find(page, PageControl::kSlider)->enabled);
    SetLevel(p, c, 7);  // the disabled slider stores nothing
    EXPECT_EQ(p.age, 30u);
    TickBox(p, c, 0, false, {0});
    page = DescribePage(c, p);
    EXPECT_EQ(p.age, 124u);
    EXPECT_EQ(Find(page, PageControl::kSlider)->level, 4u);
    EXPECT_TRUE(Find(page, PageControl::kAgeField)->text.empty());
    ChooseEntry(p, c, 0, {2});
    EXPECT_EQ(p.ownGender, 2u);

    // With no age, the ticked box still offers the field, as the window's does.
    p.age = 0;
    TickBox(p, c, 0, true, {0});
    page = DescribePage(c, p, {0, true});
    EXPECT_TRUE(Find(page, PageControl::kBox)->checked);
    EXPECT_TRUE(Find(page, PageControl::kAgeField)->enabled);
    EXPECT_EQ(Find(page, PageControl::kAgeField)->text, "0");
    EXPECT_FALSE(Find(DescribePage(c, p), PageControl::kBox)->checked);
}

TEST(WebPages, ListsAndBoxesStoreWhatTheWindowsHandlersStore) {
    PROFILE p;
    // Preference: ticking takes both lists as they stand; choosing "Unsure" for girls.
    TickBox(p, kYiffyYiffyCategory, 0, true, {0, 0});
    EXPECT_EQ(p.yiffyYiffyPreference, 5u);
    ChooseEntry(p, kYiffyYiffyCategory, 1, {0, 2});
    EXPECT_EQ(p.yiffyYiffyPreference, 13u);
    TickBox(p, kYiffyYiffyCategory, 0, false, {0, 2});
    EXPECT_EQ(p.yiffyYiffyPreference, 0u);
    EXPECT_FALSE(Find(DescribePage(kYiffyYiffyCategory, p), PageControl::kList)->enabled);

    // Work: the box stores the field that the second list shows.
    TickBox(p, kWorkCategory, 0, true, {0, 20});
    EXPECT_EQ(p.trainedFlags, 1u << 20);
    EXPECT_TRUE(Find(DescribePage(kWorkCategory, p, {20}), PageControl::kBox)->checked);
    EXPECT_FALSE(Find(DescribePage(kWorkCategory, p, {0}), PageControl::kBox)->checked);
    ChooseEntry(p, kWorkCategory, 0, {40, 0});
    EXPECT_EQ(p.workType, kWorkOther);

    // Traits: box "Vampire" is bit 9; Compy keeps the other systems.
    TickBox(p, kTraitCategory, 8, true, {0});
    EXPECT_EQ(p.specificsFlags, 1u << 9);
    TickBox(p, kCompyCategory, 0, true, {});
    TickBox(p, kCompyCategory, 2, true, {});
    EXPECT_EQ(p.compyFlags, 5u);

    // Kinks: "Fursuit" keeps its answers in the last cell but one.
    ChooseEntry(p, kFirstKinkCategory, 1, {1, 3});
    EXPECT_EQ(p.kink(0), 13u);
    const PageModel kink = DescribePage(kFirstKinkCategory, p);
    EXPECT_EQ(Find(kink, PageControl::kList, 0)->label, kRolePlayLabel);
    EXPECT_EQ(Selections(kink), (std::vector<int>{1, 3}));
    EXPECT_EQ(kink.help, KinkQuestion(0));

    SetLevel(p, kFursuitsCategory, 9);
    EXPECT_EQ(p.fursuitsLevel, 7u);
    TickBox(p, kFursuitsCategory, 0, true, {});
    EXPECT_EQ(p.madeOwnSuit, 1u);
}

TEST(WebPages, LevelWordsAreTheLabelsOrTheHelpLinesNumber) {
    EXPECT_EQ(LevelWord(LabelSet::kWords, 7), "YES YES YES :D");
    EXPECT_EQ(LevelWord(LabelSet::kWords, 6), "5");
    EXPECT_EQ(LevelWord(LabelSet::kDigits, 0), "Unspecify");
}

TEST(WebReader, FindsTwoLinesAndPlacesTheRepairsInTheText) {
    // "é" takes two bytes but one UTF-16 unit; the emoji four bytes and two units.
    const std::string post =
        "Hi \xC3\xA9 there \xF0\x9F\x98\x80\n2.0FCf5 V+ O25\nand mine:\n2.0FCf9 V+ Qx\n";
    EXPECT_EQ(Utf16Offset(post, 5), 4u);    // after "Hi é"
    EXPECT_EQ(Utf16Offset(post, 16), 13u);  // after the emoji
    const std::vector<FoundLine> lines = FindLines(post);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].lineNumber, 4u);

    PROFILE yours;
    ASSERT_TRUE(ParseCode("2.0FCf5 V+ O25", yours));
    const std::optional<LineReading> first = ReadFoundLine(post, 0, yours);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->differing, 0u);
    EXPECT_TRUE(first->repairs.empty());

    const std::optional<LineReading> second = ReadFoundLine(post, 1, yours);
    ASSERT_TRUE(second.has_value());
    EXPECT_GT(second->differing, 0u);
    ASSERT_EQ(second->repairs.size(), 2u);
    // The repaired pieces, taken from the text by their UTF-16 runs as the page takes them.
    const std::u16string text16 = [&] {
        std::u16string units;
        for (std::size_t i = 0; i < post.size(); ++i) {
            const auto byte = static_cast<unsigned char>(post[i]);
            if ((byte & 0xC0u) != 0x80u) {
                units.append(byte >= 0xF0u ? 2 : 1, byte < 0x80u ? char16_t(byte) : u'?');
            }
        }
        return units;
    }();
    const auto piece = [&](const Repair& r) {
        return std::string(text16.begin() + static_cast<long>(r.from),
                           text16.begin() + static_cast<long>(r.to));
    };
    EXPECT_EQ(piece(second->repairs[0]), "9");
    EXPECT_EQ(piece(second->repairs[1]), "Qx");
    EXPECT_FALSE(ReadFoundLine(post, 2, yours).has_value());
}

}  // namespace
}  // namespace brindlex::web
