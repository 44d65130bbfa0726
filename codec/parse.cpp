#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "codec.h"
#include "categories.h"

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

// Bit masks by character: trait letters, operating-system and game letters.
struct LetterTables {
    std::array<std::uint32_t, 256> trait{};
    std::array<std::uint8_t, 256> os{};
    std::array<std::uint16_t, 256> game{};
};

constexpr LetterTables kLetterTables = [] {
    LetterTables t{};
    for (const Trait& trait : kTraits) {
        t.trait[static_cast<unsigned char>(trait.letter)] = std::uint32_t{1} << trait.bit;
    }
    for (std::size_t i = 0; i < kOperatingSystems.size(); ++i) {
        t.os[static_cast<unsigned char>(kOperatingSystems[i].letter)] =
            static_cast<std::uint8_t>(1u << i);
    }
    for (std::size_t i = 0; i < kGames.size(); ++i) {
        t.game[static_cast<unsigned char>(kGames[i].letter)] = static_cast<std::uint16_t>(1u << i);
    }
    return t;
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
std::size_t ReadSpeciesAndSpecifics(std::string_view text, std::size_t pos, PROFILE& r) {
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
    std::uint32_t traits = 0;
    unsigned anthro = 0;
    for (; pos < text.size(); ++pos) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c == ' ') {
            continue;
        }
        if (IsDigit(c)) {
            anthro = std::min(c - '0', 7);  // "8" and "9" are past the top of the scale
            continue;
        }
        const std::uint32_t bit = kLetterTables.trait[c];
        if (bit == 0) {
            break;
        }
        traits |= bit;
    }
    r.specificsFlags = traits;
    r.anthroLevel = anthro;
    return pos;
}

std::size_t ReadWork(std::string_view text, std::size_t pos, PROFILE& r) {
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

std::size_t ReadAge(std::string_view text, std::size_t pos, PROFILE& r) {
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

void ReadKinks(std::string_view text, std::size_t pos, PROFILE& r) {
    // One byte per cell while reading, indexed like the kink tables (cell + 1).
    std::array<std::uint8_t, kKinkCount + 1> cells{};
    while (pos < text.size()) {
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
        cells[cell] = static_cast<std::uint8_t>(marks.value);
        pos = marks.pos;
    }
    for (std::size_t i = 0; i < r.kinkPrefs.size(); ++i) {
        r.kinkPrefs[i] = static_cast<std::uint8_t>(cells[2 * i + 1] | cells[2 * i + 2] << 4);
    }
}

// Everything after the specifics group.
void ReadTags(std::string_view text, std::size_t pos, PROFILE& r) {
    Read read{};
    // Reads level marks at `pos`, moving past them.
    const auto level = [&] {
        read = LevelMarksAt(text, pos);
        pos = read.pos;
        return read.value;
    };
    while (pos < text.size()) {
        const char tag = text[pos++];
        if (tag == ' ') {
            continue;  // the common case, kept off the jump table
        }
        switch (tag) {
            case 'V':
                r.artLevel = level();
                break;
            case 'M':
                r.consLevel = level();
                break;
            case 'H':
                r.hugsLevel = level();
                break;
            case 'I':
                r.interwebsRpLevel = level();
                break;
            case 'P':
                r.plushiesLevel = level();
                break;
            case 'R':
                r.realismLevel = level();
                break;
            case 'T':
                r.transformationLevel = level();
                break;
            case 'L':
                r.writingLevel = level();
                break;
            case 'E':
                r.educationLevel = level();
                break;
            case 'F':
                r.furFactorLevel = level();
                break;
            case 'B':
                r.livingLevel = level();
                break;
            case 'J':
                r.animeLevel = level();
                break;
            case 'A':
                r.petsLevel = level();
                break;
            case 'D':
                pos = SkipBlanks(text, pos);
                if (pos >= text.size()) {
                    return;
                }
                if (text[pos] == 'm') {
                    r.madeOwnSuit = 1;
                    ++pos;
                }
                r.fursuitsLevel = level();
                break;
            case 'N':
                pos = SkipBlanks(text, pos);
                if (pos >= text.size()) {
                    return;
                }
                if (text[pos] == 'i' || text[pos] == 'f') {
                    r.furrySite = 1;
                    ++pos;
                }
                r.interwebsLevel = level();
                break;
            case 'Y':
            case 'S': {
                const Read gender = GenderLetterAt(text, pos);
                pos = gender.pos;
                const unsigned value = level();
                const Read attraction = AttractionMarksAt(text, pos);
                pos = attraction.pos;
                if (tag == 'Y') {
                    r.characterGender = gender.value;
                    r.yiffyYiffyLevel = value;
                    r.yiffyYiffyPreference = attraction.value;
                } else {
                    r.ownGender = gender.value;
                    r.sexLevel = value;
                    r.sexPreference = attraction.value;
                }
                break;
            }
            case 'W':
                pos = ReadWork(text, pos, r);
                break;
            case 'O':
                pos = ReadAge(text, pos, r);
                break;
            case 'C': {
                unsigned flags = r.compyFlags;
                pos = ReadChoiceLetters(text, pos, kLetterTables.os, flags);
                r.compyFlags = flags;
                if (pos >= text.size()) {
                    return;
                }
                r.compyLevel = level();
                break;
            }
            case 'G': {
                unsigned flags = r.gamingFlags;
                pos = ReadChoiceLetters(text, pos, kLetterTables.game, flags);
                r.gamingFlags = flags;
                if (pos >= text.size()) {
                    return;
                }
                r.gamingLevel = level();
                break;
            }
            case 'K':
                r.includeKinks = 1;
                ReadKinks(text, pos, r);
                return;
            default:
                break;  // anything else is passed over
        }
    }
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
    ReadTags(text, pos, record);
    profile = std::move(record);
    return true;
}

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
