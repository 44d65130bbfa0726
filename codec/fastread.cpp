// The code line's tag section in the form the writer writes it, read at once: every blank
// of the section is found first, then each token is read from the bytes between two blanks,
// so that no token waits for the one before it. Lines in any other form are for the general
// reader.
#include "codec/fastread.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "codec/bits.h"
#include "codec/blanks.h"
#include "codec/readtables.h"
#include "codec/wordtable.h"
#include "profile/categories.h"

namespace brindlex {

namespace {

using namespace reading;

// --- The writer's own form, read at once -------------------------------------------
//
// A line as ComposeCode writes it has one blank before each token of the tag section (two
// before each kink token), its tokens in a fixed order and each token in one of a few
// shapes. FastTags finds the blanks first and then reads every token from the bytes
// between its blank and the next one, so that no token waits for the one before it. It
// checks each byte that the general readers would look at, and reports a line that is not
// of that form, which is then read by the general readers from the start.

#if defined(__GNUC__)
#define BRINDLEX_INLINE inline __attribute__((always_inline))
#else
#define BRINDLEX_INLINE inline
#endif

// Level marks as the writer writes them, by their text: the level.
constexpr WordTable<4> kLevelMarkTable = [] {
    std::array<WordValue, 8> entries{};
    for (unsigned level = 0; level < entries.size(); ++level) {
        entries[level] = {WordOf(kLevelMarks[level]), static_cast<std::uint8_t>(level)};
    }
    return MakeWordTable<4>(entries);
}();

// The same behind the byte of a tag that has been turned into 0.
constexpr WordTable<4> kTaggedLevelMarkTable = [] {
    std::array<WordValue, 8> entries{};
    for (unsigned level = 0; level < entries.size(); ++level) {
        entries[level] = {WordOf(kLevelMarks[level]) << 8, static_cast<std::uint8_t>(level)};
    }
    return MakeWordTable<4>(entries);
}();

// The level of `length` bytes at `p`, and whether they are level marks as the writer writes
// them. Reads four bytes.
struct Marks {
    unsigned level;
    bool written;
};

BRINDLEX_INLINE Marks MarkLevel(const char* p, unsigned length) {
    const Found mark = kLevelMarkTable.Find(WordAt(p) & kWordMasks[length & 3u]);
    return {mark.value, (mark.found & (length < 4)) != 0};
}

// The start of a gendered token's value, its gender letter and level marks, by their text:
// the gender in bits 0-1 and the level in bits 2-4.
constexpr WordTable<7> kGenderedHeadTable = [] {
    std::array<WordValue, 40> entries{};
    std::size_t count = 0;
    for (unsigned c = 0; c < kGenderLetters.size(); ++c) {
        if ((kGenderLetters[c] & kGenderTaken) == 0) {
            continue;
        }
        for (unsigned level = 0; level < kLevelMarks.size(); ++level) {
            entries.at(count++) = {
                c | WordOf(kLevelMarks[level]) << 8,
                static_cast<std::uint8_t>((kGenderLetters[c] & 3u) | level << 2)};
        }
    }
    if (count != entries.size()) {
        throw "the gender letters are not five";
    }
    return MakeWordTable<7>(entries);
}();

// The end of a gendered token's value, "/" and the two attraction marks, by their text: the
// attraction.
constexpr WordTable<5> kAttractionTable = [] {
    std::array<WordValue, 16> entries{};
    std::size_t count = 0;
    for (unsigned guys = 0; guys < 256; ++guys) {
        for (unsigned girls = 0; girls < 256; ++girls) {
            if (kAttractionValues[guys] != kNoValue && kAttractionValues[girls] != kNoValue) {
                entries.at(count++) = {static_cast<unsigned char>(kSlash) | guys << 8 | girls << 16,
                                       static_cast<std::uint8_t>(kAttractionValues[guys] |
                                                                 kAttractionValues[girls] << 2)};
            }
        }
    }
    return MakeWordTable<5>(entries);
}();

// The trainedFlags bit of each work row, 0 for none.
constexpr std::array<std::uint32_t, 32> kTrainedBits = [] {
    std::array<std::uint32_t, 32> bits{};
    for (std::size_t row = 0; row < kWorkTypes.size(); ++row) {
        if (kWorkTypes[row].trainedField >= 0) {
            bits[row] = std::uint32_t{1} << kWorkTypes[row].trainedField;
        }
    }
    return bits;
}();

// The work row of the two letters at `p`, 0 for none.
BRINDLEX_INLINE unsigned WorkRow(const char* p) {
    const unsigned first = LetterIndex(static_cast<unsigned char>(p[0]), 'a');
    const unsigned second = LetterIndex(static_cast<unsigned char>(p[1]), 'a');
    const bool letters = (first < kLetterCount) & (second < kLetterCount);
    return kWorkTables.row[letters ? first : 0][letters ? second : 0] & (0u - letters);
}

// The kink code at the two bytes of a kink token's start, by their little-endian 16-bit
// word: where its cell is, the kinkPrefs byte in bits 0-5 and kHighCell for the high half;
// kPairCode when the second byte is the code's second letter; kKinkCode when there is a code
// at all, not when the first byte is no kink letter, or ReadKinks would pass blanks over or
// read no kink.
enum : std::uint16_t { kHighCell = 0x40, kPairCode = 0x80, kKinkCode = 0x100 };

constexpr std::uint16_t KinkCode(unsigned cell, bool pair) {
    const unsigned index = cell - 1;  // the kink tables count cells from 1
    return static_cast<std::uint16_t>((index / 2) | (index % 2 != 0 ? kHighCell : 0) |
                                      (pair ? kPairCode : 0) | kKinkCode);
}

constexpr std::array<std::uint16_t, 1u << 16> kKinkCodes = [] {
    std::array<std::uint16_t, 1u << 16> codes{};
    for (unsigned first = 0; first < kLetterCount; ++first) {
        for (unsigned c = 0; c < 256; ++c) {
            const unsigned word = ('A' + first) | c << 8;
            const unsigned second = c - 'a';
            const unsigned pair = second < kLetterCount ? kKinkTables.pair[first][second] : 0u;
            if (pair != 0) {
                codes[word] = KinkCode(pair, true);
            } else if (c != static_cast<unsigned char>(kBlank) && kKinkTables.single[first] != 0) {
                codes[word] = KinkCode(kKinkTables.single[first], false);
            }
        }
    }
    return codes;
}();

// The one or two marks of a kink token by their text: its cell. One mark stands for both
// answers.
constexpr WordTable<6> kKinkMarkTable = [] {
    std::array<WordValue, 20> entries{};
    std::size_t count = 0;
    for (unsigned first = 0; first < 4; ++first) {
        const char one[1] = {kKinkMarks[first]};
        entries[count++] = {WordOf({one, 1}),
                            static_cast<std::uint8_t>(MakeKinkCell(first, first))};
        for (unsigned next = 0; next < 4; ++next) {
            const char two[2] = {kKinkMarks[first], kKinkMarks[next]};
            entries[count++] = {WordOf({two, 2}),
                                static_cast<std::uint8_t>(MakeKinkCell(first, next))};
        }
    }
    return MakeWordTable<6>(entries);
}();

// The cells of kKinkMarkTable's slots placed in the low half of a byte, then in the high
// half, so that a kink code's kHighCell bit added to the slot picks its cell; and by that bit,
// what each keeps of the byte.
struct PlacedCells {
    std::array<std::uint8_t, 2 * kHighCell> cells;
    std::array<std::uint8_t, kHighCell + 1> keep;
};

constexpr PlacedCells kPlacedKinkCells = [] {
    static_assert(kKinkMarkTable.values.size() == kHighCell, "a slot past the low half");
    PlacedCells placed{};
    for (unsigned slot = 0; slot < kHighCell; ++slot) {
        placed.cells[slot] = kKinkMarkTable.values[slot];
        placed.cells[kHighCell + slot] =
            static_cast<std::uint8_t>(kKinkMarkTable.values[slot] << 4);
    }
    placed.keep[0] = 0xF0;
    placed.keep[kHighCell] = 0x0F;
    return placed;
}();

// Whether each character is a flag letter of category `c`.
template <int c>
constexpr std::array<std::uint8_t, 256> kFlagLetters = [] {
    std::array<std::uint8_t, 256> letters{};
    for (char letter : kCategoryTable[c].flagLetters) {
        letters[static_cast<unsigned char>(letter)] = 1;
    }
    return letters;
}();

// The bytes between a token's tag and the blank after it.
struct Value {
    const char* text;
    unsigned size;  // may be wrong where the tag should be, see FastToken
};

// The fields the tokens of the tag section set, by their place in kProfileFields, so that
// they are stored together at the end.
using Answers = std::array<unsigned, kProfileFields.size()>;

constexpr std::size_t IndexOf(const FieldInfo* field) {
    return static_cast<std::size_t>(field - kProfileFields.data());
}

constexpr std::size_t kWorkTypeField = IndexOf(FindField("workType"));
constexpr std::size_t kTrainedField = IndexOf(FindField("trainedFlags"));
constexpr std::size_t kAgeField = IndexOf(FindField("age"));

// Reads the value of the token of category `c` into `a`, and returns whether it is what the
// writer writes.
template <int c>
BRINDLEX_INLINE bool FastValue(Value v, Answers& a) {
    constexpr const CategoryInfo& row = kCategoryTable[c];
    constexpr TokenKind kind = row.token;
    const char* const p = v.text;
    if constexpr (kind == TokenKind::kFlaggedLevel) {
        const unsigned flag = kFlagLetters<c>[static_cast<unsigned char>(p[0])];
        const Marks marks = MarkLevel(p + flag, v.size - flag);
        a[IndexOf(row.extra)] = flag;
        a[IndexOf(row.level)] = marks.level;
        return marks.written;
    } else if constexpr (kind == TokenKind::kGendered) {
        // The gender letter and the level marks, then perhaps "/" and two attraction marks.
        const bool long_ = (v.size >= 4) & (v.size < kFastMax);
        const Found tail =
            kAttractionTable.Find(WordAt(p + ((v.size - 3) & (0u - long_))) & kWordMasks[3]);
        const bool attraction = long_ & tail.found;
        const unsigned headSize = v.size - (attraction ? 3u : 0u);
        // A head too long to be one is looked up as 0, which is none.
        const Found head = kGenderedHeadTable.Find(
            WordAt(p) & kWordMasks[headSize < kWordMasks.size() ? headSize : 0]);
        a[IndexOf(row.gender)] = head.value & 3u;
        a[IndexOf(row.level)] = head.value >> 2;
        a[IndexOf(row.extra)] = tail.value & (0u - attraction);
        return head.found;
    } else if constexpr (kind == TokenKind::kWork) {
        const unsigned mark = kWorkMarks[static_cast<unsigned char>(p[0])];
        const unsigned code = WorkRow(p);
        const bool isMark = mark != kNoValue;
        bool fields = (isMark | (code != 0)) & (v.size < kFastMax);
        // Then "/" and a code per trained field.
        std::uint32_t trained = 0;
        unsigned at = isMark ? 1 : 2;
        for (; fields && at + 3 <= v.size; at += 3) {
            const unsigned field = WorkRow(p + at + 1);
            fields &= (p[at] == kSlash) & (field != 0);
            trained |= kTrainedBits[field];
        }
        a[kWorkTypeField] = isMark ? mark : code;
        a[kTrainedField] = trained;
        return fields & (at == v.size);
    } else if constexpr (kind == TokenKind::kAge) {
        const auto digit = [p](unsigned i) { return static_cast<unsigned>(p[i] - '0'); };
        const bool two = v.size >= 2;
        const bool three = v.size == 3;
        const unsigned years = three ? digit(0) * 100 + digit(1) * 10 + digit(2)
                               : two ? digit(0) * 10 + digit(1)
                                     : digit(0);
        const bool second = IsDigit(static_cast<unsigned char>(p[1]));
        const bool third = IsDigit(static_cast<unsigned char>(p[2]));
        const bool digits = (v.size <= 3) & (!two | second) & (!three | third);
        const Marks marks = MarkLevel(p, v.size);
        const bool exact = IsDigit(static_cast<unsigned char>(p[0]));
        a[kAgeField] = exact              ? (years <= kMaxExactAge ? years : 127u)
                       : marks.level == 0 ? 0u
                                          : kMaxExactAge + marks.level;
        return exact ? digits : marks.written;
    } else if constexpr (kind == TokenKind::kChoices) {
        constexpr const std::array<std::uint16_t, 256>& bits = kChoiceBits<c>;
        // Up to three letters without a branch, more in a loop.
        const auto bit = [p](unsigned i) {
            return unsigned{bits[static_cast<unsigned char>(p[i])]};
        };
        const unsigned b0 = bit(0);
        const unsigned b1 = bit(1);
        const unsigned b2 = bit(2);
        const unsigned one = b0 != 0;
        const unsigned two = one & (b1 != 0);
        const unsigned three = two & (b2 != 0);
        unsigned flags = b0 | (b1 & (0u - two)) | (b2 & (0u - three));
        unsigned letters = one + two + three;
        if (three != 0) {
            for (; bit(letters) != 0; ++letters) {
                flags |= bit(letters);
            }
        }
        const Marks marks = MarkLevel(p + letters, v.size - letters);
        a[IndexOf(row.extra)] = flags;
        a[IndexOf(row.level)] = marks.level;
        return marks.written;
    } else {
        static_assert(kind == TokenKind::kFlaggedLevel, "a token the fast reader cannot read");
    }
}

// The fields that the tokens V..S and the kink switch set: all but those of the head.
constexpr bool IsTagField(std::string_view name) {
    return name != "speciesFamily" && name != "speciesIndex" && name != "specificsFlags" &&
           name != "anthroLevel";
}

constexpr std::size_t kTagFieldCount = [] {
    std::size_t count = 0;
    for (const FieldInfo& field : kProfileFields) {
        count += IsTagField(field.name) ? 1 : 0;
    }
    return count;
}();

constexpr std::array<std::size_t, kTagFieldCount> kTagFields = [] {
    std::array<std::size_t, kTagFieldCount> fields{};
    std::size_t count = 0;
    for (std::size_t i = 0; i < kProfileFields.size(); ++i) {
        if (IsTagField(kProfileFields[i].name)) {
            fields[count++] = i;
        }
    }
    return fields;
}();

// Stores the answers of the tag fields into `r`.
template <std::size_t... I>
BRINDLEX_INLINE void StoreAnswers(const Answers& a, PROFILE& r, std::index_sequence<I...>) {
    (kProfileFields[kTagFields[I]].set(r, a[kTagFields[I]]), ...);
}

// Reads the I-th token V..S, which follows the I-th blank. A value's size is wrong when two
// blanks stand together, but then the second one stands where the tag should.
// --- The plain level tokens at once, with AVX-512 VBMI -------------------------------
//
// Where the section was copied by CopySectionWide, the plain level tokens of a section whose
// first 128 bytes hold them are read together: the bytes of each token (its tag and up to
// three marks) are gathered into a lane of four bytes, those past the token cleared, and
// each lane's marks turned into a key that picks the level from a table.

// The tokens V..S that are plain level tokens, in order.
constexpr std::size_t kLevelTokenCount = [] {
    std::size_t count = 0;
    for (unsigned i = 0; i < kMainTokens; ++i) {
        count += kCategoryTable[kTokenOrder[i]].token == TokenKind::kLevel ? 1 : 0;
    }
    return count;
}();

constexpr std::array<std::uint8_t, kLevelTokenCount> kLevelTokens = [] {
    std::array<std::uint8_t, kLevelTokenCount> tokens{};
    std::size_t count = 0;
    for (unsigned i = 0; i < kMainTokens; ++i) {
        if (kCategoryTable[kTokenOrder[i]].token == TokenKind::kLevel) {
            tokens[count++] = static_cast<std::uint8_t>(i);
        }
    }
    return tokens;
}();

// The place of token I among them.
template <std::size_t I>
[[maybe_unused]] constexpr std::size_t kLevelSlot = [] {
    std::size_t slot = 0;
    while (kLevelTokens[slot] != I) {
        ++slot;
    }
    return slot;
}();

// The blank after the last of them, and how far it may lie for all their bytes to lie in the
// first 128 bytes of the section.
[[maybe_unused]] constexpr std::size_t kLevelTokensEnd = kLevelTokens.back() + 1u;
[[maybe_unused]] constexpr unsigned kWideReach = 128 - 4;

#if defined(BRINDLEX_WIDE)
// The marks' classes: 0 for no mark, then 1, 2 and 3 for the marks in the order the level
// marks first use them; kBadMark for any other byte below 64.
constexpr std::uint8_t kBadMark = 0x40;

struct WideLevelTables {
    std::array<std::uint8_t, 64> tokens{};      // by byte lane: the token whose byte it takes
    std::array<std::uint8_t, 64> nextTokens{};  // the token after that one
    std::array<std::uint8_t, 64> offsets{};     // 1 + the lane's place in its token
    std::array<std::uint8_t, 64> tags{};        // the tag in each used slot's first lane
    std::array<std::int8_t, 64> weights{};      // 0, 1, 4, 16: a lane's class in the key
    std::array<std::uint8_t, 64> classes{};     // by byte & 63
    std::array<std::uint8_t, 64> levels{};      // by key: the level, 0xFF for none
    std::uint64_t first = 0;                    // the used slots' first lanes
    std::uint64_t marks = 0;                    // their other lanes
    std::uint64_t last = 0;                     // their last lanes
};

constexpr WideLevelTables kWideLevelTables = [] {
    static_assert(kLevelTokenCount <= 16, "more level tokens than lanes of four bytes");
    WideLevelTables t{};
    for (auto& c : t.classes) {
        c = kBadMark;
    }
    t.classes[0] = 0;
    unsigned classCount = 0;
    for (std::string_view marks : kLevelMarks) {
        for (char mark : marks) {
            const auto byte = static_cast<unsigned char>(mark);
            if (byte >= 64 || byte == 0) {
                throw "a level mark the wide reader cannot class";
            }
            if (t.classes[byte] == kBadMark) {
                t.classes[byte] = static_cast<std::uint8_t>(++classCount);
            }
        }
    }
    if (classCount > 3) {
        throw "more than three level marks";
    }
    for (auto& level : t.levels) {
        level = 0xFF;
    }
    for (unsigned level = 0; level < kLevelMarks.size(); ++level) {
        const std::string_view marks = kLevelMarks[level];
        if (marks.size() > 3) {
            throw "level marks longer than three";
        }
        unsigned key = 0;
        for (std::size_t i = 0; i < marks.size(); ++i) {
            key += unsigned{t.classes[static_cast<unsigned char>(marks[i])]} << (2 * i);
        }
        if (t.levels[key] != 0xFF) {
            throw "two levels with one key";
        }
        t.levels[key] = static_cast<std::uint8_t>(level);
    }
    for (unsigned lane = 0; lane < 64; ++lane) {
        const unsigned slot = lane / 4;
        const unsigned place = lane % 4;
        const bool used = slot < kLevelTokenCount;
        const unsigned token = used ? kLevelTokens[slot] : 0u;
        t.tokens[lane] = static_cast<std::uint8_t>(token);
        t.nextTokens[lane] = static_cast<std::uint8_t>(token + 1);
        t.offsets[lane] = static_cast<std::uint8_t>(1 + place);
        t.weights[lane] = static_cast<std::int8_t>(place == 0 ? 0 : 1 << (2 * (place - 1)));
        if (used && place == 0) {
            t.tags[lane] = static_cast<std::uint8_t>(kCategoryTable[kTokenOrder[token]].tag);
            t.first |= std::uint64_t{1} << lane;
        } else if (used) {
            t.marks |= std::uint64_t{1} << lane;
        }
        if (used && place == 3) {
            t.last |= std::uint64_t{1} << lane;
        }
    }
    return t;
}();

BRINDLEX_WIDE_BEGIN
// Reads the plain level tokens of the section `text`, whose first blanks lie at `places`
// and whose tokens up to the last of them lie before byte kWideReach, into `levels` by their
// place among them; returns whether each is what the writer writes.
BRINDLEX_WIDE_TARGET bool ReadLevelTokensWide(const char* text, const std::uint8_t* places,
                                              std::uint8_t* levels) {
    const WideLevelTables& t = kWideLevelTables;
    const __m512i low = _mm512_load_si512(text);
    const __m512i high = _mm512_load_si512(text + 64);
    const __m512i blanks = _mm512_load_si512(places);
    const __m512i at = _mm512_permutexvar_epi8(_mm512_loadu_si512(t.tokens.data()), blanks);
    const __m512i next = _mm512_permutexvar_epi8(_mm512_loadu_si512(t.nextTokens.data()), blanks);
    const __m512i index = _mm512_add_epi8(at, _mm512_loadu_si512(t.offsets.data()));
    const __mmask64 inside = _mm512_cmplt_epu8_mask(index, next);
    const __m512i bytes = _mm512_maskz_mov_epi8(inside, _mm512_permutex2var_epi8(low, index, high));
    const __mmask64 tagged =
        _mm512_cmpeq_epi8_mask(bytes, _mm512_loadu_si512(t.tags.data())) & t.first;
    const __mmask64 tooLong =
        _mm512_cmplt_epu8_mask(_mm512_add_epi8(index, _mm512_set1_epi8(1)), next) & t.last;
    const __m512i classes = _mm512_permutexvar_epi8(bytes, _mm512_loadu_si512(t.classes.data()));
    const __mmask64 badBytes =
        (_mm512_test_epi8_mask(bytes, _mm512_set1_epi8(static_cast<char>(0xC0))) |
         _mm512_test_epi8_mask(classes, _mm512_set1_epi8(kBadMark))) &
        t.marks;
    const __m512i keys = _mm512_madd_epi16(
        _mm512_maddubs_epi16(classes, _mm512_loadu_si512(t.weights.data())), _mm512_set1_epi16(1));
    const __m512i found = _mm512_permutexvar_epi8(keys, _mm512_loadu_si512(t.levels.data()));
    const __mmask64 noLevel =
        _mm512_cmpeq_epi8_mask(found, _mm512_set1_epi8(static_cast<char>(0xFF))) & t.first;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(levels), _mm512_cvtepi32_epi8(found));
    return tagged == t.first && (tooLong | badBytes | noLevel) == 0;
}
BRINDLEX_WIDE_END
#endif

// With kWide, the plain level tokens have been read into `levels` by ReadLevelTokensWide.
template <std::size_t I, bool kWide>
BRINDLEX_INLINE bool FastToken(const char* text, const std::uint16_t* blanks, Answers& a,
                               const std::uint8_t* levels) {
    constexpr int c = kTokenOrder[I];
    constexpr const CategoryInfo& row = kCategoryTable[c];
    const unsigned at = blanks[I];
    const unsigned next = blanks[I + 1];
    if constexpr (row.token == TokenKind::kLevel && kWide) {
        a[IndexOf(row.level)] = levels[kLevelSlot<I>];
        return true;
    } else if constexpr (row.token == TokenKind::kLevel) {
        // The tag and the marks as one word, in which the right tag turns into the 0 byte
        // that the table's texts begin with.
        const unsigned size = next - at - 1;
        const Found mark = kTaggedLevelMarkTable.Find(
            (WordAt(text + at + 1) & kWordMasks[size < kWordMasks.size() ? size : 0]) ^
            static_cast<unsigned char>(row.tag));
        a[IndexOf(row.level)] = mark.value;
        return mark.found;
    } else {
        const bool tag = text[at + 1] == row.tag;
        const bool value = FastValue<c>({text + at + 2, next - at - 2}, a);
        return tag & value;
    }
}

// The kink switch, which is stored with the fields of the tokens, in one go with those that
// share its word.
constexpr const CategoryInfo& kKinkRow = kCategoryTable[kTokenOrder[kMainTokens]];

template <bool kWide, std::size_t... I>
BRINDLEX_INLINE bool FastMainTokens(const char* text, const std::uint16_t* blanks, bool kinks,
                                    const std::uint8_t* levels, PROFILE& r,
                                    std::index_sequence<I...>) {
    Answers a{};
    const bool read =
        (static_cast<unsigned>(FastToken<I, kWide>(text, blanks, a, levels)) & ...) != 0;
    a[IndexOf(kKinkRow.field)] = kinks;
    StoreAnswers(a, r, std::make_index_sequence<kTagFieldCount>());
    return read;
}

// Reads the tag section `text`, whose `count` blanks are at `blanks`, into the fresh record
// `r`, and returns false when it is not what the writer writes. `places` holds the low bytes
// of the first positions where the section was copied by CopySectionWide, else nullptr.
bool FastTags(const char* text, const Blanks& blanks, [[maybe_unused]] const std::uint8_t* places,
              std::size_t count, PROFILE& r) {
    if (count < kMainTokens || blanks[0] != 0) {
        return false;
    }
    constexpr auto kTokens = std::make_index_sequence<kMainTokens>();
    const bool kinks = count != kMainTokens;
    bool read;
#if defined(BRINDLEX_WIDE)
    if (places != nullptr && blanks[kLevelTokensEnd] < kWideReach) {
        std::array<std::uint8_t, 16> levels{};
        const bool levelsRead = ReadLevelTokensWide(text, places, levels.data());
        read = FastMainTokens<true>(text, blanks.data(), kinks, levels.data(), r, kTokens) &
               levelsRead;
    } else
#endif
    {
        read = FastMainTokens<false>(text, blanks.data(), kinks, nullptr, r, kTokens);
    }
    if (count == kMainTokens) {
        return read;
    }
    // The kink tag, then each kink after two blanks: its code and one or two marks.
    const std::size_t kinkTag = blanks[kMainTokens] + 1;
    read &= (text[kinkTag] == kKinkRow.tag) & (blanks[kMainTokens + 1] == kinkTag + 1) &
            ((count - kMainTokens - 1) % 2 == 0);
    constexpr const WordTable<6>& marksOf = kKinkMarkTable;
    unsigned unread = 0;  // not 0 once a kink is not what the writer writes
    for (std::size_t i = kMainTokens + 1; i + 1 < count; i += 2) {
        const unsigned at = blanks[i];
        const char* const p = text + at + 2;
        const unsigned length = blanks[i + 2] - at - 2;
        const unsigned code = kKinkCodes[WordAt(p) & 0xFFFFu];
        const unsigned pair = (code / kPairCode) & 1u;  // the code's second letter
        // No more than two marks: a token longer than four bytes is told by its length, and
        // one of three marks (or none) is looked up as a word that is no marks' text.
        const unsigned markCount = length - 1 - pair;
        const std::uint32_t marks = WordAt(p + 1 + pair) & kWordMasks[markCount & 3u];
        const unsigned slot = marksOf.Slot(marks);
        unread |= (blanks[i + 1] - at - 1) | ((length + 3) >> 3) | (marksOf.words[slot] ^ marks) |
                  (~code & kKinkCode);
        // Stored whether read or not: a line not read is dropped.
        std::uint8_t& byte = r.kinkPrefs[code & 0x3Fu];
        const unsigned half = code & kHighCell;
        byte = static_cast<std::uint8_t>((byte & kPlacedKinkCells.keep[half]) |
                                         kPlacedKinkCells.cells[half + slot]);
    }
    return read & (unread == 0);
}

// Reads a line whose head has been read up to `pos` when its tag section is what the
// writer writes; false, with `r` to be dropped, otherwise.
}  // namespace

bool ReadWrittenTags(std::string_view text, std::size_t pos, [[maybe_unused]] bool wide,
                     PROFILE& r) {
    // The specifics group takes the blank before the first tag; the section starts with it.
    if (pos == 0 || !IsBlank(text[pos - 1]) || text.size() - pos >= kFastMax) {
        return false;
    }
    --pos;
    Section section;  // filled before it is read
#if defined(BRINDLEX_WIDE)
    if (wide) {
        const std::size_t count = CopySectionWide(text.data() + pos, text.size() - pos, section);
        return FastTags(section.text.data(), section.blanks, section.places.data(), count, r);
    }
#endif
    const std::size_t count = CopySection(text.data() + pos, text.size() - pos, section);
    return FastTags(section.text.data(), section.blanks, nullptr, count, r);
}

}  // namespace brindlex
