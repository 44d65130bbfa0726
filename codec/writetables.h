// The pieces the writer copies into a code line, each made at compile time from the table
// of categories and the vocabulary, so that a token costs one or two fixed-size copies.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "profile/categories.h"

namespace brindlex::writing {

// Up to eight characters, copied whole and then cut to length.
struct Piece {
    std::array<char, 8> text{};
    std::uint8_t size = 0;

    constexpr Piece& Add(std::string_view s) {
        for (char c : s) {
            text[size++] = c;
        }
        return *this;
    }
};

constexpr Piece MakePiece(std::string_view a, std::string_view b = {}, std::string_view c = {}) {
    Piece piece;
    piece.Add(a).Add(b).Add(c);
    return piece;
}

constexpr std::string_view OneLetter(const char& letter) {
    return std::string_view(&letter, 1);
}

inline constexpr std::array<Piece, 8> kLevelPieces = [] {
    std::array<Piece, 8> pieces{};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        pieces[i] = MakePiece(kLevelMarks[i]);
    }
    return pieces;
}();

// "/" and the two attraction marks; nothing for an unanswered nibble.
inline constexpr std::array<Piece, 16> kAttractionPieces = [] {
    std::array<Piece, 16> pieces{};
    for (unsigned nibble = 1; nibble < pieces.size(); ++nibble) {
        pieces[nibble] = MakePiece(OneLetter(kSlash), OneLetter(kAttractionMarks[nibble & 3u]),
                                   OneLetter(kAttractionMarks[(nibble >> 2) & 3u]));
    }
    return pieces;
}();

// "2.0F" and the code of each family; values past the list are written "Other".
inline constexpr std::array<Piece, 32> kHeadPieces = [] {
    std::array<Piece, 32> pieces{};
    for (std::size_t f = 0; f < pieces.size(); ++f) {
        pieces[f] = MakePiece(kCodeHeader, kFamilies[f < kFamilyOther ? f : kFamilyOther].code);
    }
    return pieces;
}();

// Whether a family is written with a species letter or "*".
inline constexpr std::array<bool, 32> kFamilyHasSpecies = [] {
    std::array<bool, 32> has{};
    for (std::size_t f = 1; f < kFamilyPolymorph; ++f) {
        has[f] = true;
    }
    return has;
}();

// The letter of each species by family and position, '\0' where there is none.
inline constexpr std::array<std::array<char, 16>, 32> kSpeciesLetters = [] {
    std::array<std::array<char, 16>, 32> letters{};
    for (std::size_t f = 1; f < kFamilyPolymorph; ++f) {
        const std::string_view family = kFamilies[f].letters;
        for (std::size_t i = 0; i < family.size() && i + 1 < letters[f].size(); ++i) {
            letters[f][i + 1] = family[i];
        }
    }
    return letters;
}();

// " ", the tag, one of `firsts` and the level marks, at [first * 8 + level].
template <std::size_t N>
constexpr std::array<Piece, 8 * N> TaggedLevels(char tag,
                                                const std::array<std::string_view, N>& firsts) {
    std::array<Piece, 8 * N> pieces{};
    for (std::size_t first = 0; first < N; ++first) {
        for (std::size_t level = 0; level < 8; ++level) {
            pieces[first * 8 + level] =
                MakePiece(OneLetter(kBlank), OneLetter(tag), firsts[first]).Add(kLevelMarks[level]);
        }
    }
    return pieces;
}

// The start of the token of category `c` for each value that picks it: the level, the
// level and flag, the level and gender, the work row or the age.
template <int c>
constexpr auto MakeTokenPieces() {
    constexpr const CategoryInfo& row = kCategoryTable[c];
    if constexpr (row.token == TokenKind::kLevel) {
        return TaggedLevels<1>(row.tag, {""});
    } else if constexpr (row.token == TokenKind::kFlaggedLevel) {
        return TaggedLevels<2>(row.tag, {"", row.flagLetters.substr(0, 1)});
    } else if constexpr (row.token == TokenKind::kGendered) {
        const std::array<char, 4>& letters = *row.genderLetters;
        return TaggedLevels<4>(row.tag, {OneLetter(letters[0]), OneLetter(letters[1]),
                                         OneLetter(letters[2]), OneLetter(letters[3])});
    } else if constexpr (row.token == TokenKind::kWork) {
        // Work codes; values past the list are written as "Other".
        std::array<Piece, 32> pieces{};
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            pieces[i] = MakePiece(OneLetter(kBlank), OneLetter(row.tag),
                                  kWorkTypes[i < kWorkTypes.size() ? i : kWorkOther].code);
        }
        return pieces;
    } else if constexpr (row.token == TokenKind::kAge) {
        // No answer, the exact age in digits or the bracket's level marks.
        std::array<Piece, std::size_t{1} << FindField("age")->width> pieces{};
        for (unsigned age = 0; age < pieces.size(); ++age) {
            Piece& piece = pieces[age].Add(OneLetter(kBlank)).Add(OneLetter(row.tag));
            if (age == 0) {
                piece.Add(kLevelMarks[0]);
            } else if (age > kMaxExactAge) {
                piece.Add(kLevelMarks[age - kMaxExactAge]);
            } else {
                const std::array<char, 3> digits = {kDecimalDigits[age / 100],
                                                    kDecimalDigits[age / 10 % 10],
                                                    kDecimalDigits[age % 10]};
                const std::size_t skip = age >= 100 ? 0 : age >= 10 ? 1 : 2;
                piece.Add(std::string_view(digits.data() + skip, 3 - skip));
            }
        }
        return pieces;
    } else {
        return TaggedLevels<1>(row.tag, {""});
    }
}

template <int c>
inline constexpr auto kTokenPieces = MakeTokenPieces<c>();

// The letters of up to eight flags and their number.
struct Letters {
    std::array<char, 8> text{};
    std::uint8_t size = 0;
};

// A letter and the bit of its flag.
struct FlagLetter {
    char letter = '\0';
    unsigned bit = 0;
};

// The letters of a set of flags, written eight at a time: the letters in writing order
// go in runs of eight, each run looked up by the byte of flags from its lowest bit.
template <std::size_t N>
struct LetterTables {
    static constexpr std::size_t kRuns = (N + 7) / 8;
    std::array<std::array<Letters, 256>, kRuns> runs{};
    std::array<unsigned, kRuns> lowBit{};
};

template <std::size_t N>
constexpr LetterTables<N> MakeLetterTables(const std::array<FlagLetter, N>& letters) {
    LetterTables<N> tables;
    for (std::size_t run = 0; run < tables.kRuns; ++run) {
        const std::size_t first = run * 8;
        const std::size_t last = first + 8 < N ? first + 8 : N;
        unsigned low = letters[first].bit;
        for (std::size_t i = first; i < last; ++i) {
            low = letters[i].bit < low ? letters[i].bit : low;
        }
        tables.lowBit[run] = low;
        for (unsigned byte = 0; byte < 256; ++byte) {
            Letters& entry = tables.runs[run][byte];
            for (std::size_t i = first; i < last; ++i) {
                if (letters[i].bit >= low + 8) {
                    throw "the flags of a run of letters span more than a byte";
                }
                if (((byte >> (letters[i].bit - low)) & 1u) != 0) {
                    entry.text[entry.size++] = letters[i].letter;
                }
            }
        }
    }
    return tables;
}

inline constexpr auto kTraitLetters = MakeLetterTables([] {
    std::array<FlagLetter, kTraits.size()> letters{};
    for (std::size_t i = 0; i < letters.size(); ++i) {
        letters[i] = {kTraits[i].letter, kTraits[i].bit};
    }
    return letters;
}());

// The choice letters of category `c`.
template <int c>
inline constexpr auto kChoiceLetters = MakeLetterTables([] {
    constexpr const CategoryInfo& row = kCategoryTable[c];
    std::array<FlagLetter, row.choiceCount> letters{};
    for (unsigned i = 0; i < row.choiceCount; ++i) {
        letters[i] = {row.choices[i].letter, i};
    }
    return letters;
}());

// "/" and the code of each trained field.
inline constexpr std::array<Piece, kTrainedFieldCount> kTrainedPieces = [] {
    std::array<Piece, kTrainedFieldCount> pieces{};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        pieces[i] = MakePiece(OneLetter(kSlash),
                              kWorkTypes[static_cast<std::size_t>(kTrainedFieldRows[i])].code);
    }
    return pieces;
}();

// The trained field that each work row is, as a bit of trainedFlags; 0 for none.
inline constexpr std::array<std::uint32_t, 32> kTrainedFieldOfRow = [] {
    std::array<std::uint32_t, 32> bits{};
    for (std::size_t i = 0; i < kTrainedFieldRows.size(); ++i) {
        bits[static_cast<std::size_t>(kTrainedFieldRows[i])] |= std::uint32_t{1} << i;
    }
    return bits;
}();

// --- The longest line ---------------------------------------------------------------

constexpr std::size_t LongestOf(std::size_t a, std::size_t b) {
    return a > b ? a : b;
}

constexpr std::size_t LongestWorkCode(bool trainedOnly) {
    std::size_t longest = 0;
    for (const WorkType& work : kWorkTypes) {
        longest =
            trainedOnly && work.trainedField < 0 ? longest : LongestOf(longest, work.code.size());
    }
    return longest;
}

// The longest text of part `part` of the token of `row`, as the writer writes it.
constexpr std::size_t LongestPart(TokenPart part, const CategoryInfo& row) {
    switch (part) {
        case TokenPart::kFlagLetter:
        case TokenPart::kGenderLetter:
            return 1;
        case TokenPart::kMarks:
            return kLongestLevelMarks;
        case TokenPart::kAttraction:
            return 3;  // the slash and two marks
        case TokenPart::kChoiceLetters:
            return row.choiceCount;
        case TokenPart::kWork:
            return LongestWorkCode(false) + kTrainedFieldCount * (1 + LongestWorkCode(true));
        case TokenPart::kAge:
            return LongestOf(3, kLongestLevelMarks);  // kMaxExactAge has three digits
        case TokenPart::kKinkSwitch: {
            std::size_t kinks = 0;
            for (std::string_view code : kKinkWritingCodes) {
                kinks += kKinkLead.size() + code.size() + 2;  // two marks
            }
            return kinks;
        }
    }
    throw "a part without a longest text";
}

// The longest tag section, every token with the blank before it.
inline constexpr std::size_t kLongestTokens = [] {
    std::size_t size = 0;
    for (int c : kTokenOrder) {
        const CategoryInfo& row = kCategoryTable[static_cast<std::size_t>(c)];
        const TokenShape shape = ShapeOf(row.token);
        size += 2;  // the blank and the tag
        for (std::size_t i = 0; i < shape.count; ++i) {
            size += LongestPart(shape.parts[i], row);
        }
    }
    return size;
}();

// The longest head up to the species letter, and everything after the custom name.
inline constexpr std::size_t kLongestHead = [] {
    std::size_t family = 0;
    for (const SpeciesFamily& f : kFamilies) {
        family = LongestOf(family, f.code.size());
    }
    return kCodeHeader.size() + family + 1;
}();
inline constexpr std::size_t kLongestTail = 1 + kTraitCount + kLongestTokens;

}  // namespace brindlex::writing
