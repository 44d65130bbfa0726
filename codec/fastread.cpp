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
#include "codec/fasttables.h"
#include "codec/readtables.h"
#include "codec/widelevels.h"
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
        const bool isLong = (v.size >= 4) & (v.size < kFastMax);
        const Found tail =
            kAttractionTable.Find(WordAt(p + ((v.size - 3) & (0u - isLong))) & kWordMasks[3]);
        const bool attraction = isLong & tail.found;
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

// With kWide, the plain level tokens have been read into `levels` by ReadLevelTokensWide.
// Reads the I-th token V..S, which follows the I-th blank. A value's size is wrong when two
// blanks stand together, but then the second one stands where the tag should.
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
    if (kWideLevelTables.fits && places != nullptr && blanks[kLevelTokensEnd] < kWideReach) {
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
