// The pieces the writer copies into a code line, each made at compile time from the table
// of categories and the vocabulary, so that a token costs one or two fixed-size copies.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

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

// --- The parts of a token ---------------------------------------------------------------
//
// The writer writes a token's parts in the order of its shape (ShapeOf). A part is written
// first as one of kValues texts, which the writer picks by a value of the record, and then as
// a rest of at most kLongestRest characters that the writer puts together itself; a part
// written without a text of the first kind has one empty one. The writer joins the texts of
// the tag and of the parts that follow one another without a rest into one piece, picked by
// all their values at once.

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

template <int c, TokenPart part>
struct PartText;

// A part that the writer writes as a rest only.
struct RestOnly {
    static constexpr unsigned kValues = 1;
    static constexpr Piece Text(unsigned) { return {}; }
};

// The row's flag letter for its extra field, when the writer writes it.
template <int c>
struct PartText<c, TokenPart::kFlagLetter> {
    static constexpr unsigned kValues = 2;
    static constexpr Piece Text(unsigned flagged) {
        return MakePiece(kCategoryTable[c].flagLetters.substr(0, flagged));
    }
    static constexpr std::size_t kLongestRest = 0;
};

template <int c>
struct PartText<c, TokenPart::kGenderLetter> {
    static constexpr unsigned kValues = 4;
    static constexpr Piece Text(unsigned gender) {
        return MakePiece(OneLetter((*kCategoryTable[c].genderLetters)[gender]));
    }
    static constexpr std::size_t kLongestRest = 0;
};

template <int c>
struct PartText<c, TokenPart::kMarks> {
    static constexpr unsigned kValues = kLevelCount;
    static constexpr Piece Text(unsigned level) { return MakePiece(kLevelMarks[level]); }
    static constexpr std::size_t kLongestRest = 0;
};

// "/" and the two attraction marks; nothing for an unanswered nibble.
template <int c>
struct PartText<c, TokenPart::kAttraction> {
    static constexpr unsigned kValues = 16;
    static constexpr Piece Text(unsigned nibble) { return kAttractionPieces[nibble]; }
    static constexpr std::size_t kLongestRest = 0;
};

// The letters of the set choices, as a rest.
template <int c>
struct PartText<c, TokenPart::kChoiceLetters> : RestOnly {
    static constexpr std::size_t kLongestRest = kCategoryTable[c].choiceCount;
};

// The work code, values past the list written as "Other"; then "/" and the code of each
// trained field, as a rest.
template <int c>
struct PartText<c, TokenPart::kWork> {
    static constexpr unsigned kValues = 32;
    static constexpr Piece Text(unsigned work) {
        return MakePiece(kWorkTypes[work < kWorkTypes.size() ? work : kWorkOther].code);
    }
    static constexpr std::size_t kLongestRest = kTrainedFieldCount * (1 + LongestWorkCode(true));
};

// No answer, the exact age in digits or the bracket's level marks.
template <int c>
struct PartText<c, TokenPart::kAge> {
    static constexpr unsigned kValues = 1u << FindField("age")->width;
    static constexpr Piece Text(unsigned age) {
        if (age == 0) {
            return MakePiece(kLevelMarks[0]);
        }
        if (age > kMaxExactAge) {
            return MakePiece(kLevelMarks[age - kMaxExactAge]);
        }
        const std::array<char, 3> digits = {
            kDecimalDigits[age / 100], kDecimalDigits[age / 10 % 10], kDecimalDigits[age % 10]};
        const std::size_t skip = age >= 100 ? 0 : age >= 10 ? 1 : 2;
        return MakePiece(std::string_view(digits.data() + skip, 3 - skip));
    }
    static constexpr std::size_t kLongestRest = 0;
};

// The kink tokens, as a rest.
template <int c>
struct PartText<c, TokenPart::kKinkSwitch> : RestOnly {
    static constexpr std::size_t kLongestRest = [] {
        std::size_t kinks = 0;
        for (std::string_view code : kKinkWritingCodes) {
            kinks += kKinkLead.size() + code.size() + 2;  // two marks
        }
        return kinks;
    }();
};

template <int c>
inline constexpr TokenShape kShape = ShapeOf(kCategoryTable[c].token);

template <int c>
constexpr TokenPart PartAt(std::size_t i) {
    return kShape<c>.parts[i];
}

// What the joining of texts needs to know of a part.
struct PartSizes {
    unsigned values = 1;
    std::size_t longestText = 0;
    std::size_t longestRest = 0;
};

template <typename Part>
constexpr PartSizes SizesOf() {
    PartSizes sizes{Part::kValues, 0, Part::kLongestRest};
    for (unsigned value = 0; value < Part::kValues; ++value) {
        sizes.longestText = LongestOf(sizes.longestText, Part::Text(value).size);
    }
    return sizes;
}

template <int c, std::size_t... I>
constexpr std::array<PartSizes, sizeof...(I)> MakePartSizes(std::index_sequence<I...>) {
    return {{SizesOf<PartText<c, PartAt<c>(I)>>()...}};
}

template <int c>
inline constexpr auto kPartSizes = MakePartSizes<c>(std::make_index_sequence<kShape<c>.count>());

// The blank and the tag, before the first part.
constexpr std::size_t kTagSize = 2;
// The most texts one piece is picked from.
constexpr unsigned kMostJoinedTexts = 1024;

// The number of texts of the parts [first, last) of the token of `c` joined.
template <int c>
constexpr unsigned JoinedValues(std::size_t first, std::size_t last) {
    unsigned values = 1;
    for (std::size_t i = first; i < last; ++i) {
        values *= kPartSizes<c>[i].values;
    }
    return values;
}

// The end of the parts joined into one piece from part `first`: those that follow one
// another without a rest, while their texts fit into a piece.
template <int c>
constexpr std::size_t JoinedEnd(std::size_t first) {
    const auto& parts = kPartSizes<c>;
    std::size_t longest = (first == 0 ? kTagSize : 0) + parts[first].longestText;
    std::size_t last = first + 1;
    while (last < parts.size() && parts[last - 1].longestRest == 0 &&
           longest + parts[last].longestText <= Piece().text.size() &&
           JoinedValues<c>(first, last + 1) <= kMostJoinedTexts) {
        longest += parts[last].longestText;
        ++last;
    }
    if (longest > Piece().text.size()) {
        throw "the text of a part does not fit into a piece";
    }
    return last;
}

template <int c, std::size_t i, std::size_t last>
constexpr void AddJoinedTexts(Piece& piece, unsigned index) {
    if constexpr (i < last) {
        using Part = PartText<c, PartAt<c>(i)>;
        const Piece text = Part::Text(index / JoinedValues<c>(i + 1, last) % Part::kValues);
        piece.Add(std::string_view(text.text.data(), text.size));
        AddJoinedTexts<c, i + 1, last>(piece, index);
    }
}

// The pieces of the parts joined from part `first` of the token of `c`, the tag before the
// first part, by the values of the parts: the value of a later part is the lower digit.
template <int c, std::size_t first>
inline constexpr auto kJoinedPieces = [] {
    constexpr std::size_t last = JoinedEnd<c>(first);
    std::array<Piece, JoinedValues<c>(first, last)> pieces{};
    for (unsigned index = 0; index < pieces.size(); ++index) {
        if constexpr (first == 0) {
            pieces[index] = MakePiece(OneLetter(kBlank), OneLetter(kCategoryTable[c].tag));
        }
        AddJoinedTexts<c, first, last>(pieces[index], index);
    }
    return pieces;
}();

// The start of the token of category `c`, up to the first rest.
template <int c>
inline constexpr const auto& kTokenPieces = kJoinedPieces<c, 0>;
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

template <int c>
constexpr std::size_t LongestToken() {
    std::size_t size = kTagSize;
    for (const PartSizes& part : kPartSizes<c>) {
        size += part.longestText + part.longestRest;
    }
    return size;
}

template <std::size_t... I>
constexpr std::size_t LongestTokens(std::index_sequence<I...>) {
    return (LongestToken<kTokenOrder[I]>() + ...);
}

// The longest tag section, every token with the blank before it.
inline constexpr std::size_t kLongestTokens =
    LongestTokens(std::make_index_sequence<kTokenOrder.size()>());
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
