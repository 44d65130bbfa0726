// The general readers of a code line: templates over the record they read into, so that
// ParseCode and the trace share them. Each reader tells the record the runs of the text it
// takes; a plain PROFILE ignores them.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

#include "codec/readtables.h"
#include "profile/categories.h"

namespace brindlex::reading {

// --- What the readers took ------------------------------------------------------------
//
// The readers read into a record type R and tell it each run of the text they take, with
// the category it went into: Took for a run of its own, TookMore for one that continues the
// run before it when that holds the same category. A plain PROFILE ignores what it is told,
// so those calls compile to nothing.

inline PROFILE& Fields(PROFILE& record) {
    return record;
}
inline void Took(PROFILE&, std::size_t, std::size_t, int) {}
inline void TookMore(PROFILE&, std::size_t, std::size_t, int) {}

enum class Start { kAccepted, kNoHeader, kUnknownFamily };

struct Family {
    Start start;
    unsigned family;
    std::size_t pos;  // after the family code, or at the character rejected
};

// Reads the header and the family code; a text ending inside the family code
// leaves family 0.
inline Family ReadFamily(std::string_view text) {
    if (text.substr(0, kCodeHeader.size()) != kCodeHeader) {
        return {Start::kNoHeader, 0, 0};
    }
    std::size_t pos = SkipBlanks(text, kCodeHeader.size());
    if (pos >= text.size()) {
        return {Start::kAccepted, 0, pos};
    }
    const auto lead = static_cast<unsigned char>(text[pos]);
    switch (kFamilyTables.lead[lead]) {
        case kLeadInvalid:
            return {Start::kUnknownFamily, 0, pos};
        case kLeadName:  // the "[" stays for the name
            return {Start::kAccepted, kFamilyOther, pos};
        case kLeadSingle:
            return {Start::kAccepted, kFamilyTables.single[lead], pos + 1};
        case kLeadPrefixed:
            break;
    }
    pos = SkipBlanks(text, pos + 1);
    if (pos >= text.size()) {
        return {Start::kAccepted, 0, pos};
    }
    const unsigned second = LetterIndex(static_cast<unsigned char>(text[pos]), 'A');
    if (second < kLetterCount && kFamilyTables.pair[lead - 'A'][second] != 0) {
        return {Start::kAccepted, kFamilyTables.pair[lead - 'A'][second], pos + 1};
    }
    return {Start::kAccepted, kFamilyTables.single[lead], pos};
}

// The specifics group from `pos`: digits set `anthro`, trait letters add to `traits`. Returns
// the position of the first character that is neither, nor a blank.
template <typename R>
std::size_t ReadSpecifics(std::string_view text, std::size_t pos, std::uint32_t& traits,
                          unsigned& anthro, R& record) {
    std::size_t from = pos;  // where the run of the next digit or letter begins, with its blanks
    for (; pos < text.size(); ++pos) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c == kBlank) {
            continue;
        }
        if (IsDigit(c)) {
            // The digits past the anthro digits are past the top of the scale.
            anthro = std::min<unsigned>(c - '0', kAnthroDigits.size() - 1);
            Took(record, from, pos + 1, kAnthroCategory);
            from = pos + 1;
            continue;
        }
        const std::uint32_t bit = kTraitBits[c];
        if (bit == 0) {
            break;
        }
        traits |= bit;
        TookMore(record, from, pos + 1, kTraitCategory);
        from = pos + 1;
    }
    return pos;
}

// Species letter, custom name, anthro digit and trait letters, after the code of `family`.
// The fields that share a word with the family are stored together with it at the end, so
// that the word is written once.
template <typename R>
std::size_t ReadSpeciesAndSpecifics(std::string_view text, std::size_t pos, unsigned family,
                                    R& record) {
    PROFILE& r = Fields(record);
    const std::size_t speciesFrom = pos;
    unsigned species = 0;
    if (family >= 1 && family < kFamilyPolymorph) {
        pos = SkipBlanks(text, pos);
        const int c = At(text, pos);
        const unsigned letter = LetterIndex(c, 'a');
        if (letter < kLetterCount && kFamilyTables.species[family][letter] != 0) {
            species = kFamilyTables.species[family][letter];
            ++pos;
        } else if (c == kAnySpecies) {
            ++pos;
        }
    }
    if (At(text, pos) == kNameOpen) {
        ++pos;
        const std::size_t rest = text.size() - pos;
        const void* close = rest == 0 ? nullptr : std::memchr(text.data() + pos, kNameClose, rest);
        const std::size_t end =
            close == nullptr
                ? text.size()
                : static_cast<std::size_t>(static_cast<const char*>(close) - text.data());
        r.customSpeciesName.assign(text.data() + pos, end - pos);
        pos = std::min(end + 1, text.size());
    }
    TookMore(record, speciesFrom, pos, kSpeciesCategory);
    std::uint32_t traits = 0;
    unsigned anthro = 0;
    pos = ReadSpecifics(text, pos, traits, anthro, record);
    r.speciesFamily = family;
    r.speciesIndex = species;
    r.specificsFlags = traits;
    r.anthroLevel = anthro;
    return pos;
}

template <typename R>
inline std::size_t ReadWork(std::string_view text, std::size_t pos, R& record) {
    PROFILE& r = Fields(record);
    bool trained = false;
    while (pos < text.size()) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c == kBlank || c == kSlash) {
            trained |= c == kSlash;
            ++pos;
            continue;
        }
        if (const unsigned mark = kWorkMarks[c]; mark != kNoValue) {
            if (!trained) {
                r.workType = mark;
            }
            ++pos;
            continue;
        }
        const unsigned first = LetterIndex(c, 'a');
        if (first >= kLetterCount || !kWorkTables.lead[first]) {
            return pos;
        }
        pos = SkipBlanks(text, pos + 1);
        const unsigned second = LetterIndex(At(text, pos), 'a');
        if (second >= kLetterCount || kWorkTables.row[first][second] == 0) {
            continue;  // a lone first letter changes nothing
        }
        ++pos;
        const unsigned row = kWorkTables.row[first][second];
        if (!trained) {
            r.workType = row;
        } else if (kWorkTypes[row].trainedField >= 0) {
            r.trainedFlags |= std::uint32_t{1} << kWorkTypes[row].trainedField;
        }
    }
    return pos;
}

template <typename R>
inline std::size_t ReadAge(std::string_view text, std::size_t pos, R& record) {
    PROFILE& r = Fields(record);
    pos = SkipBlanks(text, pos);
    if (pos < text.size() && IsDigit(static_cast<unsigned char>(text[pos]))) {
        unsigned years = 0;
        std::size_t scan = pos;
        for (int digits = 0; digits < 3; ++digits) {
            scan = SkipBlanks(text, scan);
            if (scan >= text.size() || !IsDigit(static_cast<unsigned char>(text[scan]))) {
                break;
            }
            years = years * 10 + static_cast<unsigned>(text[scan] - '0');
            pos = ++scan;
        }
        r.age = years <= kMaxExactAge ? years : 127u;
        return pos;
    }
    const Read marks = LevelMarksAt(text, pos);
    r.setAgeBracket(static_cast<std::uint8_t>(marks.value));
    return marks.pos;
}

// Letters of the "C" or "G" token, added to `flags`; the position is past the
// end when the text ends among them.
template <typename Mask, std::size_t N>
std::size_t ReadChoiceLetters(std::string_view text, std::size_t pos,
                              const std::array<Mask, N>& masks, unsigned& flags) {
    for (; pos < text.size(); ++pos) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c == kBlank) {
            continue;
        }
        if (masks[c] == 0) {
            return pos;
        }
        flags |= masks[c];
    }
    return pos;
}

// Stores `value` into the kink cell that the kink tables call `cell`.
inline void SetKinkCell(PROFILE& r, unsigned cell, unsigned value) {
    const unsigned index = cell - 1;
    std::uint8_t& byte = r.kinkPrefs[index / 2];
    const unsigned shift = (index % 2) * 4;
    byte = static_cast<std::uint8_t>((byte & ~(0x0Fu << shift)) | value << shift);
}

// One kink token from `pos`, or one character passed over; returns the position after it.
template <typename R>
std::size_t ReadKink(std::string_view text, std::size_t pos, R& record) {
    const std::size_t from = pos;
    const unsigned first = kKinkTables.lead[static_cast<unsigned char>(text[pos++])];
    if (first == 0) {
        return pos;
    }
    pos = SkipBlanks(text, pos);
    const unsigned second = LetterIndex(At(text, pos), 'a');
    unsigned cell = second < kLetterCount ? kKinkTables.pair[first - 1][second] : 0u;
    if (cell != 0) {
        ++pos;
    } else {
        cell = kKinkTables.single[first - 1];
        if (cell == 0) {
            return pos;
        }
    }
    const Read marks = KinkMarksAt(text, pos);
    SetKinkCell(Fields(record), cell, marks.value);
    Took(record, from, marks.pos, kKinkCategories[cell]);
    return marks.pos;
}

// The kink tokens from `pos` to the end of the text.
template <typename R>
void ReadKinks(std::string_view text, std::size_t pos, R& record) {
    while (pos < text.size()) {
        pos = ReadKink(text, pos, record);
    }
}

// Where a token reader stops the whole line: at its end, or in the kink section.
inline constexpr std::size_t kStop = std::string_view::npos;

// Reads part `part` of the token of category `c` from `pos`, and returns the position after
// it, or kStop.
template <TokenPart part, int c, typename R>
std::size_t ReadPart(std::string_view text, std::size_t pos, R& record) {
    PROFILE& r = Fields(record);
    constexpr const CategoryInfo& row = kCategoryTable[c];
    if constexpr (part == TokenPart::kFlagLetter) {
        pos = SkipBlanks(text, pos);
        if (pos >= text.size()) {
            return kStop;
        }
        if (row.flagLetters.find(text[pos]) != std::string_view::npos) {
            row.extra->set(r, 1);
            ++pos;
        }
        return pos;
    } else if constexpr (part == TokenPart::kGenderLetter) {
        const Read gender = GenderLetterAt(text, pos);
        row.gender->set(r, gender.value);
        return gender.pos;
    } else if constexpr (part == TokenPart::kMarks) {
        const Read level = LevelMarksAt(text, pos);
        row.level->set(r, level.value);
        return level.pos;
    } else if constexpr (part == TokenPart::kAttraction) {
        const Read attraction = AttractionMarksAt(text, pos);
        row.extra->set(r, attraction.value);
        return attraction.pos;
    } else if constexpr (part == TokenPart::kChoiceLetters) {
        unsigned flags = row.extra->get(r);
        pos = ReadChoiceLetters(text, pos, kChoiceBits<c>, flags);
        row.extra->set(r, flags);
        return pos >= text.size() ? kStop : pos;
    } else if constexpr (part == TokenPart::kWork) {
        return ReadWork(text, pos, record);
    } else if constexpr (part == TokenPart::kAge) {
        return ReadAge(text, pos, record);
    } else {
        static_assert(part == TokenPart::kKinkSwitch, "a part the reader cannot read");
        row.field->set(r, 1);  // the kink tokens that follow are read by ReadToken
        return pos;
    }
}

template <int c>
inline constexpr TokenShape kShapeOf = ShapeOf(kCategoryTable[c].token);

// Reads the parts I... of the token of category `c` in turn, until one stops the line.
template <int c, typename R, std::size_t... I>
std::size_t ReadParts(std::string_view text, std::size_t pos, R& record,
                      std::index_sequence<I...>) {
    ((pos = pos == kStop ? kStop : ReadPart<kShapeOf<c>.parts[I], c>(text, pos, record)), ...);
    return pos;
}

// Reads what follows the tag of category `c`, part by part as the shape of its kind of token
// says, and returns the position after it, or kStop. The kink tokens after the kink switch
// are read by ReadToken.
template <int c, typename R>
std::size_t ReadValue(std::string_view text, std::size_t pos, R& record) {
    static_assert(kShapeOf<c>.count > 0, "a token the reader cannot read");
    return ReadParts<c>(text, pos, record, std::make_index_sequence<kShapeOf<c>.count>());
}

// Reads the token of category `c` whose tag stands just before `pos`.
template <int c, typename R>
std::size_t ReadToken(std::string_view text, std::size_t pos, R& r) {
    constexpr const CategoryInfo& row = kCategoryTable[c];
    if constexpr (row.token == TokenKind::kKinkTokens) {
        Took(r, pos - 1, pos, c);
        ReadKinks(text, ReadValue<c>(text, pos, r), r);
        return kStop;
    } else {
        const std::size_t end = ReadValue<c>(text, pos, r);
        Took(r, pos - 1, end == kStop ? text.size() : end, c);
        return end;
    }
}

template <typename R>
using TokenReader = std::size_t (*)(std::string_view, std::size_t, R&);

// The reader of each tag character; nullptr for characters that are passed over.
template <typename R, std::size_t... I>
constexpr std::array<TokenReader<R>, 256> MakeTokenReaders(std::index_sequence<I...>) {
    std::array<TokenReader<R>, 256> readers{};
    ((readers[static_cast<unsigned char>(kCategoryTable[kTokenOrder[I]].tag)] =
          &ReadToken<kTokenOrder[I], R>),
     ...);
    return readers;
}

template <typename R>
inline constexpr std::array<TokenReader<R>, 256> kTokenReaders =
    MakeTokenReaders<R>(std::make_index_sequence<kTokenOrder.size()>());

// The reader of what follows each tag, ReadValue; nullptr for characters that are no tag.
template <std::size_t... I>
constexpr std::array<TokenReader<PROFILE>, 256> MakeValueReaders(std::index_sequence<I...>) {
    std::array<TokenReader<PROFILE>, 256> readers{};
    ((readers[static_cast<unsigned char>(kCategoryTable[kTokenOrder[I]].tag)] =
          &ReadValue<kTokenOrder[I], PROFILE>),
     ...);
    return readers;
}

inline constexpr std::array<TokenReader<PROFILE>, 256> kValueReaders =
    MakeValueReaders(std::make_index_sequence<kTokenOrder.size()>());

// Everything after the specifics group.
template <typename R>
void ReadTags(std::string_view text, std::size_t pos, R& r) {
    while (pos < text.size()) {
        const char tag = text[pos++];
        if (tag == kBlank) {
            continue;  // the common case, kept off the table
        }
        const TokenReader<R> read = kTokenReaders<R>[static_cast<unsigned char>(tag)];
        if (read != nullptr) {
            pos = read(text, pos, r);  // kStop ends the loop
        }
    }
}

}  // namespace brindlex::reading
