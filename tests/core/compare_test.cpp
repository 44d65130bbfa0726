#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "codec/codec.h"
#include "codec/compare.h"
#include "codec/explain.h"
#include "profile/categories.h"

namespace brindlex {
namespace {

PROFILE Read(std::string_view line) {
    PROFILE p;
    EXPECT_TRUE(ParseCode(line, p)) << line;
    return p;
}

// The explained answer of `line` called `caption`.
std::string AnswerOf(std::string_view line, std::string_view caption) {
    for (const ExplainedAnswer& a : ExplainProfile(Read(line), true).answers) {
        if (a.caption == caption) {
            return a.answer;
        }
    }
    return "(none)";
}

TEST(CompareAnswers, ListsExactlyTheAnswersThatDiffer) {
    // Art, Age and the character's gender differ; the Work tokens differ in form only.
    const std::string first = "2.0FCf5 V+ Ym Wtc/ar O25";
    const std::string second = "2.0FCf5 V++ Yf Wtc /ar O26";
    const Comparison c = CompareAnswers(Read(first), Read(second));
    ASSERT_EQ(c.answers.size(), 3u);
    EXPECT_EQ(c.same, 31u);
    const std::string captions[] = {"Character gender", "Art", "Age"};  // in category order
    for (std::size_t i = 0; i < 3; ++i) {
        const ComparedAnswer& a = c.answers[i];
        EXPECT_EQ(a.caption, captions[i]);
        EXPECT_EQ(a.first, AnswerOf(first, a.caption));
        EXPECT_EQ(a.second, AnswerOf(second, a.caption));
        EXPECT_TRUE(a.differs);
    }
    EXPECT_EQ(c.answers[1].firstCode, "V+");
    EXPECT_EQ(c.answers[1].secondCode, "V++");

    const Comparison all = CompareAnswers(Read(first), Read(second), true);
    EXPECT_EQ(all.answers.size(), 34u);
    EXPECT_EQ(std::count_if(all.answers.begin(), all.answers.end(),
                            [](const ComparedAnswer& a) { return a.differs; }),
              3);
}

TEST(CompareAnswers, ComparesKinksWhenEitherLineHasThem) {
    const Comparison c = CompareAnswers(Read("2.0F? K  Su+  C+*"), Read("2.0F? K  Su+  C+"));
    ASSERT_EQ(c.answers.size(), 1u);
    EXPECT_EQ(c.answers[0].caption, "Cuddling");
    EXPECT_EQ(c.answers[0].category, kFirstKinkCategory + KinkByCode("C"));
    EXPECT_EQ(c.same, 34u + kKinkCount - 1);

    const Comparison one = CompareAnswers(Read("2.0F? K  Su+"), Read("2.0F?"));
    ASSERT_EQ(one.answers.size(), 2u);
    EXPECT_EQ(one.answers[0].caption, "Include my kinks");
    EXPECT_EQ(one.answers[1].second, "role play Unspecify, real life Unspecify");
}

}  // namespace
}  // namespace brindlex
