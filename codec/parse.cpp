#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "codec/bits.h"
#include "codec/codec.h"
#include "codec/trace.h"
#include "profile/categories.h"

namespace brindlex {

namespace {

// --- Lookup tables, built at compile time from the vocabulary ----------------

constexpr unsigned kLetterCount = 26;

constexpr bool IsLower(unsigned char c) {
    return c >= 'a' && c <= 'z';
}
constexpr bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// How the first character of the family code is read.
enum FamilyLead : std::uint8_t {
    kLeadInvalid,
    kLeadSingle,    // a one-letter code, or "?"
    kLeadPrefixed,  // a one-letter code that also begins two-letter codes
    kLeadName,      // "[": family "Other", the name follows
};

struct FamilyTables {
    std::array<FamilyLead, 256> lead{};
    std::array<std::uint8_t, 256> single{};  // family of a one-letter code
    std::array<std::array<std::uint8_t, kLetterCount>, kLetterCount> pair{};  // 0 = none
    // 1-based species position by family and lower-case letter, 0 = none.
    std::array<std::array<std::uint8_t, kLetterCount>, kFamilyPolymorph> species{};
};

constexpr FamilyTables kFamilyTables = [] {
    FamilyTables t{};
    for (std::size_t f = 0; f < kFamilies.size(); ++f) {
        const std::string_view code = kFamilies[f].code;
        const auto first = static_cast<unsigned char>(code[0]);
        if (code.size() == 1) {
            t.single[first] = static_cast<std::uint8_t>(f);
            if (t.lead[first] == kLeadInvalid) {
                t.lead[first] = kLeadSingle;
            }
        } else {
            const auto second = static_cast<unsigned char>(code[1]);
            t.pair[first - 'A'][second - 'A'] = static_cast<std::uint8_t>(f);
        }
        if (f < kFamilyPolymorph) {
            const std::string_view letters = kFamilies[f].letters;
            for (std::size_t i = 0; i < letters.size(); ++i) {
                t.species[f][static_cast<unsigned char>(letters[i]) - 'a'] =
                    static_cast<std::uint8_t>(i + 1);
            }
        }
    }
    for (std::size_t f = 0; f < kFamilies.size(); ++f) {
        const std::string_view code = kFamilies[f].code;
        if (code.size() == 2) {
            t.lead[static_cast<unsigned char>(code[0])] = kLeadPrefixed;
        }
    }
    t.lead['['] = kLeadName;
    return t;
}();

// Trait bits by letter.
constexpr std::array<std::uint32_t, 256> kTraitBits = [] {
    std::array<std::uint32_t, 256> bits{};
    for (const Trait& trait : kTraits) {
        bits[static_cast<unsigned char>(trait.letter)] = std::uint32_t{1} << trait.bit;
    }
    return bits;
}();

// Choice bits by letter, for the category `c` whose token carries choice letters.
template <int c>
constexpr std::array<std::uint16_t, 256> kChoiceBits = [] {
    constexpr const CategoryInfo& row = kCategoryTable[c];
    std::array<std::uint16_t, 256> bits{};
    for (unsigned i = 0; i < row.choiceCount; ++i) {
        bits[static_cast<unsigned char>(row.choices[i].letter)] =
            static_cast<std::uint16_t>(1u << i);
    }
    return bits;
}();

// Two-letter work codes by [first - 'a'][second - 'a']: the work row, 0 = none.
struct WorkTables {
    std::array<bool, kLetterCount> lead{};
    std::array<std::array<std::uint8_t, kLetterCount>, kLetterCount> row{};
};

constexpr WorkTables kWorkTables = [] {
    WorkTables t{};
    for (std::size_t r = 0; r < kWorkTypes.size(); ++r) {
        const std::string_view code = kWorkTypes[r].code;
        if (code.size() == 2 && IsLower(static_cast<unsigned char>(code[0])) &&
            IsLower(static_cast<unsigned char>(code[1]))) {
            t.lead[static_cast<unsigned char>(code[0]) - 'a'] = true;
            t.row[static_cast<unsigned char>(code[0]) - 'a']
                 [static_cast<unsigned char>(code[1]) - 'a'] = static_cast<std::uint8_t>(r);
        }
    }
    return t;
}();

// Kink codes: the `kinkPrefs` cell + 1 (0 = no such code), by upper-case first
// letter and, for two-letter codes, lower-case second letter.
struct KinkTables {
    std::array<std::uint8_t, 256> lead{};  // by character: first - 'A' + 1, 0 = no kink code
    std::array<std::uint8_t, kLetterCount> single{};
    std::array<std::array<std::uint8_t, kLetterCount>, kLetterCount> pair{};
};

constexpr KinkTables kKinkTables = [] {
    KinkTables t{};
    for (std::size_t k = 0; k < kKinks.size(); ++k) {
        const std::string_view code = kKinks[k].code;
        if (code.empty()) {
            continue;
        }
        const auto cell = static_cast<std::uint8_t>(KinkCellOf(static_cast<int>(k)) + 1);
        const unsigned first = static_cast<unsigned char>(code[0]) - 'A';
        t.lead[static_cast<unsigned char>(code[0])] = static_cast<std::uint8_t>(first + 1);
        if (code.size() == 1) {
            t.single[first] = cell;
        } else {
            t.pair[first][static_cast<unsigned char>(code[1]) - 'a'] = cell;
        }
    }
    return t;
}();

// The kink category of each cell + 1, as the kink tables index cells.
constexpr std::array<std::int16_t, kKinkCount + 1> kKinkCategories = [] {
    std::array<std::int16_t, kKinkCount + 1> categories{};
    for (int k = 0; k < kKinkCount; ++k) {
        categories[static_cast<std::size_t>(KinkCellOf(k) + 1)] =
            static_cast<std::int16_t>(kFirstKinkCategory + k);
    }
    return categories;
}();

constexpr int kAnthroCategory = [] {
    for (std::size_t c = 0; c < kCategoryTable.size(); ++c) {
        if (kCategoryTable[c].token == TokenKind::kAnthroDigit) {
            return static_cast<int>(c);
        }
    }
    return -1;
}();

// --- What the readers took ------------------------------------------------------------
//
// The readers read into a record type R and tell it each run of the text they take, with
// the category it went into. A plain PROFILE ignores what it is told, so those calls
// compile to nothing; a Tracing record notes the runs as steps.

inline PROFILE& Fields(PROFILE& record) {
    return record;
}
inline void Took(PROFILE&, std::size_t, std::size_t, int) {}
inline void TookMore(PROFILE&, std::size_t, std::size_t, int) {}

struct Tracing {
    PROFILE fields;
    std::vector<ReadStep>& steps;
};

inline PROFILE& Fields(Tracing& record) {
    return record.fields;
}

// A run of its own.
void Took(Tracing& record, std::size_t from, std::size_t to, int category) {
    if (to > from) {
        record.steps.push_back({from, to - from, ReadStep::kRead, category, 0, 0});
    }
}

// A run that continues the run before it when that one holds the same category and ends
// at `from`.
void TookMore(Tracing& record, std::size_t from, std::size_t to, int category) {
    std::vector<ReadStep>& steps = record.steps;
    if (!steps.empty() && steps.back().category == category &&
        steps.back().at + steps.back().size == from) {
        steps.back().size += to - from;
    } else {
        Took(record, from, to, category);
    }
}

// --- Readers ---------------------------------------------------------------------
//
// The readers take the reading position by value and hand back the new one,
// so that it stays in a register across the whole line.

struct Read {
    unsigned value;
    std::size_t pos;
};

// The byte at `pos` as 0..255, or -1 past the end.
inline int At(std::string_view text, std::size_t pos) {
    return pos < text.size() ? static_cast<unsigned char>(text[pos]) : -1;
}

inline std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    return pos;
}

inline unsigned LetterIndex(int c, char first) {
    return static_cast<unsigned>(c - first);  // >= 26 when c is no such letter or -1
}

inline Read LevelMarksAt(std::string_view text, std::size_t pos) {
    unsigned level = 4;
    for (; pos < text.size(); ++pos) {
        switch (text[pos]) {
            case ' ':
                break;
            case '+':
                level += level < 7 ? 1 : 0;
                break;
            case '-':
                level -= level > 1 ? 1 : 0;
                break;
            case '#':
                return {0, pos + 1};
            default:
                return {level, pos};
        }
    }
    return {level, pos};
}

inline Read GenderLetterAt(std::string_view text, std::size_t pos) {
    switch (At(text, pos)) {
        case 'm':
            return {1, pos + 1};
        case 'f':
            return {2, pos + 1};
        case 'h':
            return {3, pos + 1};
        case 'p':
        case '#':
            return {0, pos + 1};
        default:
            return {0, pos};
    }
}

// Values of the answer marks "#", "+", "-", "*" by character, -1 for others;
// index 256 stands for the end of the text.
constexpr std::array<std::int8_t, 257> kAnswerMarks = [] {
    std::array<std::int8_t, 257> marks{};
    for (auto& m : marks) {
        m = -1;
    }
    marks['#'] = 0;
    marks['+'] = 1;
    marks['-'] = 2;
    marks['*'] = 3;
    return marks;
}();

// The value of an answer mark at `pos`, or -1.
inline int AnswerMarkAt(std::string_view text, std::size_t pos) {
    return kAnswerMarks[pos < text.size() ? static_cast<unsigned char>(text[pos]) : 256u];
}

inline Read AttractionMarksAt(std::string_view text, std::size_t pos) {
    pos = SkipBlanks(text, pos);
    if (At(text, pos) != '/') {
        return {0, pos};
    }
    pos = SkipBlanks(text, pos + 1);
    const int first = At(text, pos);
    const int guys = first == '!' ? 0 : first == '#' ? -1 : AnswerMarkAt(text, pos);
    if (guys < 0) {
        return {0, pos};
    }
    pos = SkipBlanks(text, pos + 1);
    int girls = AnswerMarkAt(text, pos);
    if (girls == 0) {
        return {0, pos};  // "#"
    }
    if (girls < 0) {
        girls = 0;
    } else {
        ++pos;
    }
    return {static_cast<unsigned>(guys) | (static_cast<unsigned>(girls) << 2), pos};
}

inline Read KinkMarksAt(std::string_view text, std::size_t pos) {
    pos = SkipBlanks(text, pos);
    const int rolePlay = AnswerMarkAt(text, pos);
    if (rolePlay < 0) {
        return {0, pos};
    }
    pos = SkipBlanks(text, pos + 1);
    int realLife = AnswerMarkAt(text, pos);
    if (realLife < 0) {
        realLife = rolePlay;  // one mark stands for both answers
    } else {
        ++pos;
    }
    return {MakeKinkCell(static_cast<unsigned>(rolePlay), static_cast<unsigned>(realLife)), pos};
}

enum class Start { kAccepted, kNoHeader, kUnknownFamily };

struct Family {
    Start start;
    unsigned family;
    std::size_t pos;  // after the family code, or at the character rejected
};

// Reads the header and the family code; a text ending inside the family code
// leaves family 0.
Family ReadFamily(std::string_view text) {
    if (text.size() < 4 || text.substr(0, 4) != "2.0F") {
        return {Start::kNoHeader, 0, 0};
    }
    std::size_t pos = SkipBlanks(text, 4);
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

// Species letter, custom name, anthro digit and trait letters.
template <typename R>
std::size_t ReadSpeciesAndSpecifics(std::string_view text, std::size_t pos, R& record) {
    PROFILE& r = Fields(record);
    const std::size_t speciesFrom = pos;
    const unsigned family = r.speciesFamily;
    if (family >= 1 && family < kFamilyPolymorph) {
        pos = SkipBlanks(text, pos);
        const int c = At(text, pos);
        const unsigned letter = LetterIndex(c, 'a');
        if (letter < kLetterCount && kFamilyTables.species[family][letter] != 0) {
            r.speciesIndex = kFamilyTables.species[family][letter];
            ++pos;
        } else if (c == '*') {
            ++pos;
        }
    }
    if (At(text, pos) == '[') {
        ++pos;
        const std::size_t rest = text.size() - pos;
        const void* close = rest == 0 ? nullptr : std::memchr(text.data() + pos, ']', rest);
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
    std::size_t from = pos;  // where the run of the next digit or letter begins, with its blanks
    for (; pos < text.size(); ++pos) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c == ' ') {
            continue;
        }
        if (IsDigit(c)) {
            anthro = std::min(c - '0', 7);  // "8" and "9" are past the top of the scale
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
        switch (c) {
            case ' ':
                ++pos;
                continue;
            case '/':
                trained = true;
                ++pos;
                continue;
            case '#':
            case '+':
            case '*':
            case '-':
                if (!trained) {
                    r.workType = c == '#'   ? 0
                                 : c == '+' ? kWorkOther
                                 : c == '*' ? kWorkLooking
                                            : kWorkNotWorking;
                }
                ++pos;
                continue;
            default:
                break;
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
        if (c == ' ') {
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

// The kink tokens from `pos` to the end of the text. The record's cells are all 0 before
// them, as only this reader sets them.
template <typename R>
void ReadKinks(std::string_view text, std::size_t pos, R& record) {
    while (pos < text.size()) {
        const std::size_t from = pos;
        const unsigned first = kKinkTables.lead[static_cast<unsigned char>(text[pos++])];
        if (first == 0) {
            continue;
        }
        pos = SkipBlanks(text, pos);
        const unsigned second = LetterIndex(At(text, pos), 'a');
        unsigned cell = second < kLetterCount ? kKinkTables.pair[first - 1][second] : 0u;
        if (cell != 0) {
            ++pos;
        } else {
            cell = kKinkTables.single[first - 1];
            if (cell == 0) {
                continue;
            }
        }
        const Read marks = KinkMarksAt(text, pos);
        SetKinkCell(Fields(record), cell, marks.value);
        pos = marks.pos;
        Took(record, from, pos, kKinkCategories[cell]);
    }
}

// Where a token reader stops the whole line: at its end, or in the kink section.
constexpr std::size_t kStop = std::string_view::npos;

// Reads what follows the tag of category `c`, as its row in the table says, and returns the
// position after it, or kStop. The kink section is read by ReadToken.
template <int c, typename R>
std::size_t ReadValue(std::string_view text, std::size_t pos, R& record) {
    PROFILE& r = Fields(record);
    constexpr const CategoryInfo& row = kCategoryTable[c];
    constexpr TokenKind kind = row.token;
    if constexpr (kind == TokenKind::kLevel) {
        const Read level = LevelMarksAt(text, pos);
        row.level->set(r, level.value);
        return level.pos;
    } else if constexpr (kind == TokenKind::kFlaggedLevel) {
        pos = SkipBlanks(text, pos);
        if (pos >= text.size()) {
            return kStop;
        }
        if (row.flagLetters.find(text[pos]) != std::string_view::npos) {
            row.extra->set(r, 1);
            ++pos;
        }
        const Read level = LevelMarksAt(text, pos);
        row.level->set(r, level.value);
        return level.pos;
    } else if constexpr (kind == TokenKind::kGendered) {
        const Read gender = GenderLetterAt(text, pos);
        const Read level = LevelMarksAt(text, gender.pos);
        const Read attraction = AttractionMarksAt(text, level.pos);
        row.gender->set(r, gender.value);
        row.level->set(r, level.value);
        row.extra->set(r, attraction.value);
        return attraction.pos;
    } else if constexpr (kind == TokenKind::kChoices) {
        unsigned flags = row.extra->get(r);
        pos = ReadChoiceLetters(text, pos, kChoiceBits<c>, flags);
        row.extra->set(r, flags);
        if (pos >= text.size()) {
            return kStop;
        }
        const Read level = LevelMarksAt(text, pos);
        row.level->set(r, level.value);
        return level.pos;
    } else if constexpr (kind == TokenKind::kWork) {
        return ReadWork(text, pos, record);
    } else if constexpr (kind == TokenKind::kAge) {
        return ReadAge(text, pos, record);
    } else {
        static_assert(kind == TokenKind::kLevel, "a token the reader cannot read");
    }
}

// Reads the token of category `c` whose tag stands just before `pos`.
template <int c, typename R>
std::size_t ReadToken(std::string_view text, std::size_t pos, R& r) {
    constexpr const CategoryInfo& row = kCategoryTable[c];
    if constexpr (row.token == TokenKind::kKinkTokens) {
        Took(r, pos - 1, pos, c);
        row.field->set(Fields(r), 1);
        ReadKinks(text, pos, r);
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
constexpr std::array<TokenReader<R>, 256> kTokenReaders =
    MakeTokenReaders<R>(std::make_index_sequence<kTokenOrder.size()>());

// Everything after the specifics group.
template <typename R>
void ReadTags(std::string_view text, std::size_t pos, R& r) {
    while (pos < text.size()) {
        const char tag = text[pos++];
        if (tag == ' ') {
            continue;  // the common case, kept off the table
        }
        const TokenReader<R> read = kTokenReaders<R>[static_cast<unsigned char>(tag)];
        if (read != nullptr) {
            pos = read(text, pos, r);  // kStop ends the loop
        }
    }
}

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

// The longest tag section read here; the writer's is at most 733 bytes.
constexpr std::size_t kFastMax = 1024;
constexpr unsigned kMainTokens = kTokenOrder.size() - 1;  // all but the kink tag

constexpr bool IsBlank(char c) {
    return c == ' ';
}

// Positions in a tag section read here, one more for its end and room for eight more that
// are written but not counted.
using Blanks = std::array<std::uint16_t, kFastMax + 1 + 8>;

// The places of the set bits of each byte value, in order, and their number.
struct BitPlaces {
    std::array<std::uint8_t, 8> places;
    std::uint8_t count;
};

constexpr std::array<BitPlaces, 256> kBitPlaces = [] {
    std::array<BitPlaces, 256> table{};
    for (unsigned bits = 0; bits < 256; ++bits) {
        for (unsigned place = 0; place < 8; ++place) {
            if (((bits >> place) & 1u) != 0) {
                table[bits].places[table[bits].count++] = static_cast<std::uint8_t>(place);
            }
        }
    }
    return table;
}();

// Writes `base` + the places of the set bits of the byte `bits` at `out`, eight entries
// whatever their number, and returns their number.
inline unsigned PutPlaces(unsigned bits, unsigned base, std::uint16_t* out) {
    const BitPlaces& entry = kBitPlaces[bits];
#if defined(__SSE2__)
    const __m128i places =
        _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(entry.places.data())),
                          _mm_setzero_si128());
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                     _mm_add_epi16(places, _mm_set1_epi16(static_cast<short>(base))));
#else
    for (unsigned i = 0; i < 8; ++i) {
        out[i] = static_cast<std::uint16_t>(base + entry.places[i]);
    }
#endif
    return entry.count;
}

// The positions of the blanks among the first `size` bytes of `text`, which can be read
// in blocks of 16 bytes, followed by `size`. Returns their number.
std::size_t FindBlanks(const char* text, std::size_t size, Blanks& blanks) {
    std::size_t count = 0;
    for (std::size_t block = 0; block < size; block += 16) {
#if defined(__SSE2__)
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + block));
        const auto mask =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' '))));
#else
        unsigned mask = 0;
        for (unsigned i = 0; i < 16; ++i) {
            mask |= static_cast<unsigned>(IsBlank(text[block + i])) << i;
        }
#endif
        const auto base = static_cast<unsigned>(block);
        count += PutPlaces(mask & 0xFFu, base, blanks.data() + count);
        count += PutPlaces(mask >> 8, base + 8, blanks.data() + count);
    }
    blanks[count] = static_cast<std::uint16_t>(size);
    return count;
}

// Level marks as the writer writes them, by length (0..3) and the kind of the first byte
// ("+", "-", "#", other): their bytes and level. Where the writer writes no such marks, the
// bytes are ones that no text of at most three bytes equals.

struct MarkText {
    std::uint32_t text;
    std::uint8_t level;
};

constexpr unsigned MarkKind(unsigned c) {
    return c == '+' ? 0 : c == '-' ? 1 : c == '#' ? 2 : 3;
}

constexpr std::array<std::uint8_t, 256> kMarkKinds = [] {
    std::array<std::uint8_t, 256> kinds{};
    for (unsigned c = 0; c < 256; ++c) {
        kinds[c] = static_cast<std::uint8_t>(MarkKind(c));
    }
    return kinds;
}();

constexpr std::array<MarkText, 16> kMarkTexts = [] {
    std::array<MarkText, 16> texts{};
    for (auto& t : texts) {
        t = {0xFFFFFFFF, 0};
    }
    for (unsigned level = 0; level < 8; ++level) {
        const std::string_view mark = kLevelMarks[level];
        std::uint32_t text = 0;
        for (std::size_t i = 0; i < mark.size(); ++i) {
            text |= static_cast<std::uint32_t>(static_cast<unsigned char>(mark[i])) << (8 * i);
        }
        const unsigned kind = mark.empty() ? 0 : MarkKind(static_cast<unsigned char>(mark[0]));
        texts[mark.size() * 4 + kind] = {text, static_cast<std::uint8_t>(level)};
    }
    for (unsigned kind = 1; kind < 4; ++kind) {
        texts[kind] = texts[0];  // no marks, whatever follows
    }
    return texts;
}();

constexpr std::array<std::uint32_t, 4> kLengthMasks = {0, 0xFF, 0xFFFF, 0xFFFFFF};

// The level of `length` bytes at `p`, and whether they are level marks as the writer writes
// them. Reads four bytes.
struct Marks {
    unsigned level;
    bool written;
};

BRINDLEX_INLINE Marks MarkLevel(const char* p, unsigned length) {
    const auto byte = [p](unsigned i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(p[i])) << (8 * i);
    };
    const std::uint32_t word = byte(0) | byte(1) | byte(2) | byte(3);
    const MarkText mark =
        kMarkTexts[(length & 3u) * 4 + kMarkKinds[static_cast<unsigned char>(p[0])]];
    const bool written = ((word & kLengthMasks[length & 3u]) == mark.text) & (length < 4);
    return {mark.level, written};
}

// By character: the gender value in bits 0-1 and, in bit 2, whether it is taken.
constexpr std::array<std::uint8_t, 256> kGenderLetters = [] {
    std::array<std::uint8_t, 256> letters{};
    letters['m'] = 1 | 4;
    letters['f'] = 2 | 4;
    letters['h'] = 3 | 4;
    letters['p'] = 4;
    letters['#'] = 4;
    return letters;
}();

// The attraction marks the writer writes: the value, or kNoMark. The reader takes "!" as
// 0 for guys; for girls it leaves the "!", which is then passed over.
constexpr unsigned kNoMark = 0xFF;

constexpr std::array<std::uint8_t, 256> kAttractionValues = [] {
    std::array<std::uint8_t, 256> values{};
    for (auto& v : values) {
        v = static_cast<std::uint8_t>(kNoMark);
    }
    values['!'] = 0;
    values['+'] = 1;
    values['-'] = 2;
    values['*'] = 3;
    return values;
}();

// The work type of the marks that ReadWork takes outside the trained fields, 0xFF for others.
constexpr std::array<std::uint8_t, 256> kWorkMarks = [] {
    std::array<std::uint8_t, 256> types{};
    for (auto& type : types) {
        type = 0xFF;
    }
    types['#'] = 0;
    types['+'] = kWorkOther;
    types['*'] = kWorkLooking;
    types['-'] = kWorkNotWorking;
    return types;
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
    return first < kLetterCount && second < kLetterCount ? kWorkTables.row[first][second] : 0u;
}

// The kink code at a kink letter and the byte after it, by [letter - 'A'][byte]: where its
// cell is, the kinkPrefs byte in bits 0-5 and kHighCell for the high half; kPairCode when the
// byte is the code's second letter; kKinkCode when there is a code at all, not when ReadKinks
// would pass blanks over or read no kink, nor for any other first byte (row 26).
enum : std::uint16_t { kHighCell = 0x40, kPairCode = 0x80, kKinkCode = 0x100 };

constexpr std::uint16_t KinkCode(unsigned cell, bool pair) {
    const unsigned index = cell - 1;  // the kink tables count cells from 1
    return static_cast<std::uint16_t>((index / 2) | (index % 2 != 0 ? kHighCell : 0) |
                                      (pair ? kPairCode : 0) | kKinkCode);
}

constexpr std::array<std::array<std::uint16_t, 256>, kLetterCount + 1> kKinkCodes = [] {
    std::array<std::array<std::uint16_t, 256>, kLetterCount + 1> codes{};
    for (unsigned first = 0; first < kLetterCount; ++first) {
        for (unsigned c = 0; c < 256; ++c) {
            const unsigned second = c - 'a';
            const unsigned pair = second < kLetterCount ? kKinkTables.pair[first][second] : 0u;
            if (pair != 0) {
                codes[first][c] = KinkCode(pair, true);
            } else if (c != ' ' && kKinkTables.single[first] != 0) {
                codes[first][c] = KinkCode(kKinkTables.single[first], false);
            }
        }
    }
    return codes;
}();

// The answer marks "#", "+", "-", "*" by character as 0..3, and 4 for any other.
constexpr std::array<std::uint8_t, 256> kAnswerClasses = [] {
    std::array<std::uint8_t, 256> classes{};
    for (unsigned c = 0; c < 256; ++c) {
        classes[c] = static_cast<std::uint8_t>(kAnswerMarks[c] < 0 ? 4 : kAnswerMarks[c]);
    }
    return classes;
}();

// The kink cell of a kink token's one or two marks by their number and classes, with
// kKinkRead set; 0 when the writer writes no such marks.
constexpr unsigned kKinkRead = 0x10;

constexpr std::array<std::array<std::array<std::uint8_t, 5>, 5>, 4> kKinkMarkCells = [] {
    std::array<std::array<std::array<std::uint8_t, 5>, 5>, 4> cells{};
    for (unsigned first = 0; first < 4; ++first) {
        for (unsigned next = 0; next < 5; ++next) {
            // One mark stands for both answers; what follows is the next kink or the end.
            cells[1][first][next] =
                static_cast<std::uint8_t>(MakeKinkCell(first, first) | kKinkRead);
            if (next < 4) {
                cells[2][first][next] =
                    static_cast<std::uint8_t>(MakeKinkCell(first, next) | kKinkRead);
            }
        }
    }
    return cells;
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

// Reads the value of the token of category `c` into `a`, and clears `read` when it is not
// what the writer writes.
template <int c>
BRINDLEX_INLINE void FastValue(Value v, Answers& a, bool& read) {
    constexpr const CategoryInfo& row = kCategoryTable[c];
    constexpr TokenKind kind = row.token;
    const char* const p = v.text;
    if constexpr (kind == TokenKind::kLevel) {
        const Marks marks = MarkLevel(p, v.size);
        a[IndexOf(row.level)] = marks.level;
        read &= marks.written;
    } else if constexpr (kind == TokenKind::kFlaggedLevel) {
        unsigned flag = 0;
        for (char letter : row.flagLetters) {
            flag |= static_cast<unsigned>(p[0] == letter);
        }
        const Marks marks = MarkLevel(p + flag, v.size - flag);
        a[IndexOf(row.extra)] = flag;
        a[IndexOf(row.level)] = marks.level;
        read &= marks.written;
    } else if constexpr (kind == TokenKind::kGendered) {
        const unsigned gender = kGenderLetters[static_cast<unsigned char>(p[0])];
        // The gender letter, the level marks and perhaps "/" and two attraction marks.
        const bool long_ = v.size >= 4 && v.size < kFastMax;
        const char* const tail = p + (long_ ? v.size - 3 : 0);  // "/" and the marks
        const bool attraction = long_ & (tail[0] == '/');
        const Marks marks = MarkLevel(p + 1, v.size - 1 - (attraction ? 3 : 0));
        const unsigned guys = kAttractionValues[static_cast<unsigned char>(tail[1])];
        const unsigned girls = kAttractionValues[static_cast<unsigned char>(tail[2])];
        a[IndexOf(row.gender)] = gender & 3u;
        a[IndexOf(row.level)] = marks.level;
        a[IndexOf(row.extra)] = attraction ? guys | girls << 2 : 0u;
        read &= ((gender & 4u) != 0) & marks.written & !(attraction & ((guys | girls) == kNoMark));
    } else if constexpr (kind == TokenKind::kWork) {
        const unsigned mark = kWorkMarks[static_cast<unsigned char>(p[0])];
        const unsigned code = WorkRow(p);
        const bool isMark = mark != 0xFF;
        bool fields = (isMark | (code != 0)) & (v.size < kFastMax);
        // Then "/" and a code per trained field.
        std::uint32_t trained = 0;
        unsigned at = isMark ? 1 : 2;
        for (; fields && at + 3 <= v.size; at += 3) {
            const unsigned field = WorkRow(p + at + 1);
            fields &= (p[at] == '/') & (field != 0);
            trained |= kTrainedBits[field];
        }
        a[kWorkTypeField] = isMark ? mark : code;
        a[kTrainedField] = trained;
        read &= fields & (at == v.size);
    } else if constexpr (kind == TokenKind::kAge) {
        const auto digit = [p](unsigned i) { return static_cast<unsigned>(p[i] - '0'); };
        const bool two = v.size >= 2;
        const bool three = v.size == 3;
        const unsigned years = three ? digit(0) * 100 + digit(1) * 10 + digit(2)
                               : two ? digit(0) * 10 + digit(1)
                                     : digit(0);
        const bool digits = (v.size <= 3) & (!two | IsDigit(static_cast<unsigned char>(p[1]))) &
                            (!three | IsDigit(static_cast<unsigned char>(p[2])));
        const Marks marks = MarkLevel(p, v.size);
        const bool exact = IsDigit(static_cast<unsigned char>(p[0]));
        a[kAgeField] = exact              ? (years <= kMaxExactAge ? years : 127u)
                       : marks.level == 0 ? 0u
                                          : kMaxExactAge + marks.level;
        read &= exact ? digits : marks.written;
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
        read &= marks.written;
    } else {
        static_assert(kind == TokenKind::kLevel, "a token the fast reader cannot read");
    }
}

// The fields that the tokens V..S set: all but those of the head and the kink switch.
constexpr bool IsTagField(std::string_view name) {
    return name != "speciesFamily" && name != "speciesIndex" && name != "specificsFlags" &&
           name != "anthroLevel" && name != "includeKinks";
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
template <std::size_t I>
BRINDLEX_INLINE void FastToken(const char* text, const std::uint16_t* blanks, Answers& a,
                               bool& read) {
    constexpr int c = kTokenOrder[I];
    const unsigned at = blanks[I];
    const unsigned next = blanks[I + 1];
    read &= text[at + 1] == kCategoryTable[c].tag;
    FastValue<c>({text + at + 2, next - at - 2}, a, read);
}

template <std::size_t... I>
BRINDLEX_INLINE bool FastMainTokens(const char* text, const std::uint16_t* blanks, PROFILE& r,
                                    std::index_sequence<I...>) {
    Answers a;  // filled by the tokens before it is read
    bool read = true;
    (FastToken<I>(text, blanks, a, read), ...);
    StoreAnswers(a, r, std::make_index_sequence<kTagFieldCount>());
    return read;
}

// Reads the tag section `text` of `size` bytes, which can be read in blocks of 16 bytes, into
// the fresh record `r`, and returns false when it is not what the writer writes.
bool FastTags(const char* text, std::size_t size, PROFILE& r) {
    Blanks blanks;  // filled before it is read
    const std::size_t count = FindBlanks(text, size, blanks);
    if (count < kMainTokens || blanks[0] != 0) {
        return false;
    }
    bool read = FastMainTokens(text, blanks.data(), r, std::make_index_sequence<kMainTokens>());
    if (count == kMainTokens) {
        return read;
    }
    // The kink tag, then each kink after two blanks: its code and one or two marks.
    constexpr const CategoryInfo& kinkRow = kCategoryTable[kTokenOrder[kMainTokens]];
    const std::size_t kinkTag = blanks[kMainTokens] + 1;
    read &= (text[kinkTag] == kinkRow.tag) & (blanks[kMainTokens + 1] == kinkTag + 1) &
            ((count - kMainTokens - 1) % 2 == 0);
    kinkRow.field->set(r, 1);
    for (std::size_t i = kMainTokens + 1; i + 1 < count; i += 2) {
        const char* const p = text + blanks[i] + 2;
        const unsigned length = blanks[i + 2] - blanks[i] - 2;
        const unsigned letter = LetterIndex(static_cast<unsigned char>(p[0]), 'A');
        const unsigned code = kKinkCodes[letter < kLetterCount ? letter : kLetterCount]
                                        [static_cast<unsigned char>(p[1])];
        const char* const marks = p + ((code & kPairCode) != 0 ? 2 : 1);
        const unsigned markCount = length - static_cast<unsigned>(marks - p);
        const unsigned cell = kKinkMarkCells[markCount < 3 ? markCount : 3]
                                            [kAnswerClasses[static_cast<unsigned char>(marks[0])]]
                                            [kAnswerClasses[static_cast<unsigned char>(marks[1])]];
        read &= (blanks[i + 1] == blanks[i] + 1) & ((code & kKinkCode) != 0) & (cell != 0);
        // Stored whether read or not: a line not read is dropped.
        std::uint8_t& byte = r.kinkPrefs[code & 0x3Fu];
        const unsigned shift = (code & kHighCell) != 0 ? 4 : 0;
        byte = static_cast<std::uint8_t>((byte & ~(0x0Fu << shift)) | (cell & 0x0Fu) << shift);
    }
    return read;
}

// Reads a line whose head has been read up to `pos` when its tag section is what the
// writer writes; false, with `r` to be dropped, otherwise.
bool FastLine(std::string_view text, std::size_t pos, PROFILE& r) {
    // The specifics group takes the blank before the first tag; the section starts with it.
    if (pos == 0 || !IsBlank(text[pos - 1]) || text.size() - pos >= kFastMax) {
        return false;
    }
    --pos;
    const std::size_t size = text.size() - pos;
    std::array<char, kFastMax + 64> buffer;  // filled before it is read
    std::memcpy(buffer.data(), text.data() + pos, size);
    std::memset(buffer.data() + size, 0, 64);
    return FastTags(buffer.data(), size, r);
}

// Moves `pos` on as the value-passing reader `read` does.
template <typename Reader>
unsigned Advance(std::string_view text, std::size_t& pos, Reader read) {
    const Read result = read(text, pos);
    pos = result.pos;
    return result.value;
}

}  // namespace

unsigned ReadLevelMarks(std::string_view text, std::size_t& pos) {
    return Advance(text, pos, LevelMarksAt);
}

unsigned ReadGenderLetter(std::string_view text, std::size_t& pos) {
    return Advance(text, pos, GenderLetterAt);
}

unsigned ReadAttractionMarks(std::string_view text, std::size_t& pos) {
    return Advance(text, pos, AttractionMarksAt);
}

unsigned ReadKinkMarks(std::string_view text, std::size_t& pos) {
    return Advance(text, pos, KinkMarksAt);
}

bool ParseCode(std::string_view text, PROFILE& profile) {
    const Family start = ReadFamily(text);
    if (start.start != Start::kAccepted) {
        return false;
    }
    PROFILE record;
    record.speciesFamily = start.family;
    const std::size_t pos = ReadSpeciesAndSpecifics(text, start.pos, record);
    if (!FastLine(text, pos, record)) {
        record = PROFILE();
        record.speciesFamily = start.family;
        ReadTags(text, ReadSpeciesAndSpecifics(text, start.pos, record), record);
    }
    profile = std::move(record);
    return true;
}

namespace trace_detail {

namespace {

// Fills the gaps between the runs taken with the bytes passed over: blanks separate tokens,
// each word between them is skipped. Blanks that a reader took after its token, such as
// those the level marks pass over, go to the gap after it.
std::vector<ReadStep> Tile(std::string_view text, const std::vector<ReadStep>& taken) {
    std::vector<ReadStep> steps;
    steps.reserve(2 * taken.size() + 3);
    const auto add = [&](std::size_t from, std::size_t to, ReadStep::Kind kind, int category) {
        if (to > from) {
            steps.push_back({from, to - from, kind, category, 0, 0});
        }
    };
    std::size_t at = 0;
    const auto gap = [&](std::size_t to) {
        while (at < to) {
            const bool blank = text[at] == ' ';
            std::size_t end = at;
            while (end < to && (text[end] == ' ') == blank) {
                ++end;
            }
            add(at, end, blank ? ReadStep::kRead : ReadStep::kSkipped, -1);
            at = end;
        }
    };
    for (const ReadStep& run : taken) {
        gap(run.at);
        std::size_t end = run.at + run.size;
        while (end > run.at && text[end - 1] == ' ') {
            --end;
        }
        add(run.at, end, ReadStep::kRead, run.category);
        at = end;
    }
    gap(text.size());
    return steps;
}

}  // namespace

bool ReadSteps(std::string_view text, PROFILE& profile, std::vector<ReadStep>& steps) {
    steps.clear();
    const Family start = ReadFamily(text);
    if (start.start != Start::kAccepted) {
        return false;
    }
    std::vector<ReadStep> taken;
    Tracing record{PROFILE(), taken};
    record.fields.speciesFamily = start.family;
    Took(record, 0, 4, -1);  // the header "2.0F"
    Took(record, 4, start.pos, kSpeciesCategory);
    const std::size_t pos = ReadSpeciesAndSpecifics(text, start.pos, record);
    ReadTags(text, pos, record);
    steps = Tile(text, taken);
    profile = std::move(record.fields);
    return true;
}

}  // namespace trace_detail

std::string RejectionReason(std::string_view text) {
    const Family start = ReadFamily(text);
    switch (start.start) {
        case Start::kAccepted:
            return {};
        case Start::kNoHeader:
            return "does not begin with 2.0F";
        case Start::kUnknownFamily:
            break;
    }
    const auto c = static_cast<unsigned char>(text[start.pos]);
    if (c > ' ' && c < 127) {
        return std::string("unknown family code '") + static_cast<char>(c) + "'";
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    return std::string("unknown family code (byte 0x") + kHex[c >> 4] + kHex[c & 15u] + ")";
}

}  // namespace brindlex
