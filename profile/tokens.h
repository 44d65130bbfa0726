// How the code line writes and reads its tokens: the header, the marks and separators, and
// for each kind of token the parts it is made of, in order. The writer, the readers, the
// finder and the explainer take their tables and their order of parts from here; the letters
// and codes of the answers themselves are in the vocabulary.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace brindlex {

// --- The line's frame ------------------------------------------------------------------

inline constexpr std::string_view kCodeHeader = "2.0F";
inline constexpr char kBlank = ' ';
// Before each kink token.
inline constexpr std::string_view kKinkLead = "  ";
// Around a custom species name, which never holds kNameClose.
inline constexpr char kNameOpen = '[';
inline constexpr char kNameClose = ']';
// In place of the species letter of a family that has letters.
inline constexpr char kAnySpecies = '*';
// Before the attraction marks, and before each trained field.
inline constexpr char kSlash = '/';
// The digits of the anthro level, by level; digits above them are read as the top one.
inline constexpr std::string_view kAnthroDigits = "01234567";
inline constexpr std::string_view kDecimalDigits = "0123456789";
// The mark of no answer, among the level marks, the kink marks and the gender letters; a
// reader of attraction marks stops at it.
inline constexpr char kNoAnswerMark = '#';

// --- Level marks -----------------------------------------------------------------------
//
// A level token starts at the middle level; each mark after the tag moves it a step up or
// down, within the answered levels, or sets it and ends the marks. The writer writes each
// level with the marks of the fewest steps.

inline constexpr unsigned kLevelCount = 8;
inline constexpr unsigned kMiddleLevel = 4;
inline constexpr unsigned kLowestLevel = 1;  // 0 is "no answer"
inline constexpr unsigned kTopLevel = kLevelCount - 1;

struct LevelMarkRule {
    char mark;
    int step;     // +1 or -1, or 0 for a mark that ends the marks
    unsigned to;  // the level such a mark sets
};

inline constexpr std::array<LevelMarkRule, 3> kLevelMarkRules = {{
    {kNoAnswerMark, 0, 0},
    {'+', +1, 0},
    {'-', -1, 0},
}};

namespace tokens_detail {

// The mark of the rule with `step`, or of the one that ends the marks at `to`.
constexpr char MarkOf(int step, unsigned to) {
    for (const LevelMarkRule& rule : kLevelMarkRules) {
        if (rule.step == step && (step != 0 || rule.to == to)) {
            return rule.mark;
        }
    }
    throw "no level mark for a level";
}

struct MarkText {
    std::array<char, kLevelCount> text{};
    std::size_t size = 0;
};

inline constexpr std::array<MarkText, kLevelCount> kLevelMarkTexts = [] {
    std::array<MarkText, kLevelCount> texts{};
    for (unsigned level = 0; level < kLevelCount; ++level) {
        MarkText& t = texts[level];
        if (level < kLowestLevel) {
            t.text[t.size++] = MarkOf(0, level);
            continue;
        }
        const int steps = static_cast<int>(level) - static_cast<int>(kMiddleLevel);
        const char mark = steps == 0 ? '\0' : MarkOf(steps > 0 ? 1 : -1, 0);
        for (int i = 0; i < (steps > 0 ? steps : -steps); ++i) {
            t.text[t.size++] = mark;
        }
    }
    return texts;
}();

}  // namespace tokens_detail

// The marks of each level 0..7 as the writer writes them: "#", "---" .. "+++", the middle
// level unmarked.
inline constexpr std::array<std::string_view, kLevelCount> kLevelMarks = [] {
    std::array<std::string_view, kLevelCount> marks{};
    for (std::size_t level = 0; level < marks.size(); ++level) {
        marks[level] = std::string_view(tokens_detail::kLevelMarkTexts[level].text.data(),
                                        tokens_detail::kLevelMarkTexts[level].size);
    }
    return marks;
}();

inline constexpr std::size_t kLongestLevelMarks = [] {
    std::size_t longest = 0;
    for (std::string_view marks : kLevelMarks) {
        longest = marks.size() > longest ? marks.size() : longest;
    }
    return longest;
}();

// --- Kinds of token --------------------------------------------------------------------

// How the code line carries a category.
enum class TokenKind : std::uint8_t {
    kSpecies,       // the family code, the species letter and the custom name
    kTraitLetters,  // trait letters after the anthro digit
    kAnthroDigit,   // one digit after the species
    kLevel,         // tag, level marks
    kFlaggedLevel,  // tag, a flag letter above some level, level marks
    kGendered,      // tag, gender letter, level marks, "/" and the attraction marks
    kWork,          // tag, work code, "/" and the trained fields
    kAge,           // tag, the exact age in digits or the bracket as level marks
    kChoices,       // tag, choice letters from some level on, level marks
    kKinkTokens,    // tag, then one token per answered kink
    kNone,          // carried by the token of another category
};

// The parts that follow a token's tag, each read by a reader of its own.
enum class TokenPart : std::uint8_t {
    kFlagLetter,     // one of the row's flag letters, for its extra field
    kGenderLetter,   // one of the row's gender letters
    kMarks,          // level marks, for the row's level field
    kAttraction,     // "/" and one or two attraction marks, for the row's extra field
    kChoiceLetters,  // letters of the row's choices, for its extra field
    kWork,           // a work code, then "/" and a code per trained field
    kAge,            // up to three digits, or level marks for the bracket
    kKinkSwitch,     // nothing: the tag alone switches the kink section on
};

// Whether the text of a part begins with kSlash; the parts before it never hold one.
constexpr bool BeginsWithSlash(TokenPart part) {
    return part == TokenPart::kAttraction;
}

struct TokenShape {
    std::array<TokenPart, 3> parts{};
    std::size_t count = 0;
};

// The parts after the tag of each kind of token that has a tag.
constexpr TokenShape ShapeOf(TokenKind kind) {
    using P = TokenPart;
    switch (kind) {
        case TokenKind::kLevel:
            return {{P::kMarks}, 1};
        case TokenKind::kFlaggedLevel:
            return {{P::kFlagLetter, P::kMarks}, 2};
        case TokenKind::kGendered:
            return {{P::kGenderLetter, P::kMarks, P::kAttraction}, 3};
        case TokenKind::kChoices:
            return {{P::kChoiceLetters, P::kMarks}, 2};
        case TokenKind::kWork:
            return {{P::kWork}, 1};
        case TokenKind::kAge:
            return {{P::kAge}, 1};
        case TokenKind::kKinkTokens:
            return {{P::kKinkSwitch}, 1};
        default:
            return {};
    }
}

}  // namespace brindlex
