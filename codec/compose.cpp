#include <array>
#include <cstdint>
#include <cstring>

#include <string>
#include <utility>

#include "codec/bits.h"
#include "codec/codec.h"
#include "codec/kinkmask.h"
#include "profile/categories.h"

namespace brindlex {

namespace {

// Pieces of at most four characters, copied whole and then cut to length, so
// that writing one costs a single fixed-size copy.
struct Piece {
    std::array<char, 4> text{};
    std::uint8_t size = 0;
};

constexpr Piece MakePiece(std::string_view a, std::string_view b = {}) {
    Piece piece;
    for (char c : a) {
        piece.text[piece.size++] = c;
    }
    for (char c : b) {
        piece.text[piece.size++] = c;
    }
    return piece;
}

constexpr std::array<Piece, 8> kLevelPieces = [] {
    std::array<Piece, 8> pieces{};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        pieces[i] = MakePiece(kLevelMarks[i]);
    }
    return pieces;
}();

// Work codes as written after " W"; values past the list are written "+".
constexpr std::array<Piece, 32> kWorkPieces = [] {
    std::array<Piece, 32> pieces{};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        pieces[i] = MakePiece(i < kWorkTypes.size() ? kWorkTypes[i].code : "+");
    }
    return pieces;
}();

// "/" and the code of each trained field.
constexpr std::array<Piece, kTrainedFieldCount> kTrainedPieces = [] {
    std::array<Piece, kTrainedFieldCount> pieces{};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        pieces[i] = MakePiece("/", kWorkTypes[static_cast<std::size_t>(kTrainedFieldRows[i])].code);
    }
    return pieces;
}();

// The kinks in the order the line writes them: "  " + code, and where their cell is in
// kinkPrefs.
struct KinkToken {
    Piece lead;
    std::uint8_t byte = 0;
    std::uint8_t shift = 0;
};

constexpr std::array<KinkToken, kKinkWritingCodes.size()> kKinkTokens = [] {
    std::array<KinkToken, kKinkWritingCodes.size()> tokens{};
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        tokens[i].lead = MakePiece("  ", kKinkWritingCodes[i]);
        tokens[i].byte = writing::kWrittenKinkCells[i] / 2u;
        tokens[i].shift = writing::kWrittenKinkCells[i] % 2u * 4u;
    }
    return tokens;
}();

// The marks of each kink cell: the role play mark, and the real life mark when it differs.
constexpr std::array<Piece, 16> kKinkCellMarks = [] {
    std::array<Piece, 16> pieces{};
    for (unsigned cell = 0; cell < pieces.size(); ++cell) {
        const char rolePlay = kKinkMarks[KinkRolePlay(cell)];
        const char realLife = kKinkMarks[KinkRealLife(cell)];
        pieces[cell] =
            MakePiece(std::string_view(&rolePlay, 1), KinkRealLife(cell) != KinkRolePlay(cell)
                                                          ? std::string_view(&realLife, 1)
                                                          : std::string_view());
    }
    return pieces;
}();

// The code of each family, and the letters of the species of families 1..24 by position;
// '\0' where a position has no letter.
constexpr std::array<Piece, 32> kFamilyPieces = [] {
    std::array<Piece, 32> pieces{};
    for (std::size_t f = 0; f < pieces.size(); ++f) {
        pieces[f] = MakePiece(kFamilies[f < kFamilyOther ? f : kFamilyOther].code);
    }
    return pieces;
}();

constexpr std::array<std::array<char, 16>, kFamilyPolymorph> kSpeciesLetters = [] {
    std::array<std::array<char, 16>, kFamilyPolymorph> letters{};
    for (std::size_t f = 1; f < letters.size(); ++f) {
        const std::string_view family = kFamilies[f].letters;
        for (std::size_t i = 0; i < family.size() && i + 1 < letters[f].size(); ++i) {
            letters[f][i + 1] = family[i];
        }
    }
    return letters;
}();

// "2.0F", the family code and the species letter.
constexpr std::size_t kHeadCapacity = 16;
// A custom name written into the same buffer, with its brackets.
constexpr std::size_t kNameRoom = 256;
// Everything after the custom name: at most 733, the kinks 534 of them; the writer may store
// a few bytes past what it writes.
constexpr std::size_t kTailCapacity = 1024;

class Writer {
public:
    explicit Writer(char* start) : at_(start) {}

    void Put(char c) { *at_++ = c; }
    // Writes `c` when `write` is set; the byte is stored either way.
    void PutIf(char c, bool write) {
        *at_ = c;
        at_ += write ? 1 : 0;
    }
    void Put(const Piece& piece) {
        std::memcpy(at_, piece.text.data(), piece.text.size());
        at_ += piece.size;
    }
    void Tag(char tag) {
        const char text[2] = {' ', tag};
        std::memcpy(at_, text, sizeof text);
        at_ += 2;
    }
    void Level(unsigned level) { Put(kLevelPieces[level & 7u]); }
    void Level(char tag, unsigned level) {
        Tag(tag);
        Level(level);
    }
    void Attraction(unsigned nibble) {
        if (nibble != 0) {
            Put('/');
            Put(kAttractionMarks[nibble & 3u]);
            Put(kAttractionMarks[(nibble >> 2) & 3u]);
        }
    }
    template <unsigned N>
    void Letters(const Choice* choices, unsigned flags) {
        for (unsigned i = 0; i < N; ++i) {
            PutIf(choices[i].letter, ((flags >> i) & 1u) != 0);
        }
    }
    // A kink token whose cell is not 0.
    void Kink(const KinkToken& token, const PROFILE& p) {
        const unsigned cell = (p.kinkPrefs[token.byte] >> token.shift) & 0x0Fu;
        const Piece& marks = kKinkCellMarks[cell];
        std::memcpy(at_, token.lead.text.data(), token.lead.text.size());
        std::memcpy(at_ + token.lead.size, marks.text.data(), 2);
        at_ += token.lead.size + marks.size;
    }
    void Number(unsigned n) {
        if (n >= 100) {
            Put(static_cast<char>('0' + n / 100));
        }
        if (n >= 10) {
            Put(static_cast<char>('0' + n / 10 % 10));
        }
        Put(static_cast<char>('0' + n % 10));
    }

    char* end() const { return at_; }

private:
    char* at_;
};

// Family code and species letter; resets a species index the family has no
// letter for. Returns whether the custom name may follow.
bool WriteSpecies(Writer& w, PROFILE& p) {
    const unsigned family = p.speciesFamily;
    w.Put(kFamilyPieces[family]);
    if (family >= 1 && family < kFamilyPolymorph) {
        const char letter = kSpeciesLetters[family][p.speciesIndex];
        if (letter != '\0') {
            w.Put(letter);
            return false;
        }
        w.Put('*');
    }
    p.speciesIndex = 0;
    return family != 0;
}

template <std::size_t... I>
void WriteTraits(Writer& w, const PROFILE& p, std::index_sequence<I...>) {
    std::uint32_t flags = p.specificsFlags;
    // The family already says these.
    if (p.speciesFamily == kFamilyPolymorph) {
        flags &= ~(std::uint32_t{1} << kTraitPolymorphBit);
    }
    if (p.speciesFamily == kFamilyTaur) {
        flags &= ~(std::uint32_t{1} << kTraitTaurBit);
    }
    (w.PutIf(kTraits[I].letter, ((flags >> kTraits[I].bit) & 1u) != 0), ...);
}

// The trained field that each work row is, as a bit of trainedFlags; 0 for none.
constexpr std::array<std::uint32_t, 32> kTrainedFieldOfRow = [] {
    std::array<std::uint32_t, 32> bits{};
    for (std::size_t i = 0; i < kTrainedFieldRows.size(); ++i) {
        bits[static_cast<std::size_t>(kTrainedFieldRows[i])] |= std::uint32_t{1} << i;
    }
    return bits;
}();

void WriteWork(Writer& w, const PROFILE& p) {
    w.Put(kWorkPieces[p.workType]);
    std::uint32_t fields = p.trainedFlags & ~kTrainedFieldOfRow[p.workType];
    for (; fields != 0; fields &= fields - 1) {
        w.Put(kTrainedPieces[LowestBit(fields)]);
    }
}

void WriteAge(Writer& w, unsigned age) {
    if (age == 0) {
        w.Put('#');
    } else if (age <= kMaxExactAge) {
        w.Number(age);
    } else {
        w.Level(age - kMaxExactAge);
    }
}

// The kinks with an answer, in the writing order.
void WriteKinks(Writer& w, const PROFILE& p) {
    const writing::Mask96 order = writing::KinksToWrite(p.kinkPrefs);
    for (std::size_t word = 0; word < order.size(); ++word) {
        for (std::uint64_t bits = order[word]; bits != 0; bits &= bits - 1) {
            w.Kink(kKinkTokens[64 * word + LowestBit(bits)], p);
        }
    }
}

// What follows the tag of category `c`, as its row in the table says; expanded at compile
// time so that writing a line is straight-line code.
template <int c>
void WriteValue(Writer& w, const PROFILE& p) {
    constexpr const CategoryInfo& row = kCategoryTable[c];
    constexpr TokenKind kind = row.token;
    if constexpr (kind == TokenKind::kLevel) {
        w.Level(row.level->get(p));
    } else if constexpr (kind == TokenKind::kFlaggedLevel) {
        const unsigned level = row.level->get(p);
        if (row.extra->get(p) != 0 && level >= row.flagMinLevel) {
            w.Put(row.flagLetters[0]);
        }
        w.Level(level);
    } else if constexpr (kind == TokenKind::kGendered) {
        w.Put((*row.genderLetters)[row.gender->get(p)]);
        w.Level(row.level->get(p));
        w.Attraction(row.extra->get(p));
    } else if constexpr (kind == TokenKind::kChoices) {
        const unsigned level = row.level->get(p);
        const unsigned flags = row.extra->get(p);
        constexpr unsigned kAll = (1u << row.choiceCount) - 1u;
        if (level >= row.flagMinLevel && !(row.omitAllChoices && flags == kAll)) {
            w.Letters<row.choiceCount>(row.choices, flags);
        }
        w.Level(level);
    } else if constexpr (kind == TokenKind::kWork) {
        WriteWork(w, p);
    } else if constexpr (kind == TokenKind::kAge) {
        WriteAge(w, row.field->get(p));
    } else if constexpr (kind == TokenKind::kKinkTokens) {
        WriteKinks(w, p);
    } else {
        static_assert(kind == TokenKind::kLevel, "a token the writer cannot write");
    }
}

template <int c>
void WriteToken(Writer& w, const PROFILE& p) {
    constexpr const CategoryInfo& row = kCategoryTable[c];
    // The kink section is written only when it is switched on.
    if (row.token != TokenKind::kKinkTokens || row.field->get(p) != 0) {
        w.Tag(row.tag);
        WriteValue<c>(w, p);
    }
}

template <std::size_t... I>
void WriteTokens(Writer& w, const PROFILE& p, std::index_sequence<I...>) {
    (WriteToken<kTokenOrder[I]>(w, p), ...);
}

// Everything from the anthro digit on.
char* WriteTail(char* start, const PROFILE& p) {
    Writer w(start);
    w.Put(static_cast<char>('0' + p.anthroLevel));
    WriteTraits(w, p, std::make_index_sequence<kTraits.size()>());
    WriteTokens(w, p, std::make_index_sequence<kTokenOrder.size()>());
    return w.end();
}

// Writes "[", the name without its "]"s and "]" at `at`, and returns the end: the reader
// ends the name at the first "]", so one is never written.
char* PutName(char* at, std::string_view name) {
    *at++ = '[';
    for (std::size_t from = 0; from < name.size();) {
        const std::size_t close = name.find(']', from);
        const std::size_t end = close == std::string_view::npos ? name.size() : close;
        std::memcpy(at, name.data() + from, end - from);
        at += end - from;
        from = end + 1;
    }
    *at++ = ']';
    return at;
}

// Appends the name as PutName writes it.
void AppendName(std::string& out, std::string_view name) {
    out += '[';
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t close = name.find(']', at);
        const std::size_t end = close == std::string_view::npos ? name.size() : close;
        out.append(name.data() + at, end - at);
        at = end + 1;
    }
    out += ']';
}

}  // namespace

std::string_view LevelMark(unsigned level) {
    return kLevelMarks[level & 7u];
}

void ComposeCodeInto(PROFILE& p, std::string& out) {
    // The head up to the species letter goes first and the tail after the name, all in one
    // buffer when the name fits into its room; a longer name is appended between them.
    std::array<char, kHeadCapacity + kNameRoom + kTailCapacity> buffer;  // filled before read
    Writer head(buffer.data());
    head.Put(MakePiece("2.0F"));
    const bool nameMayFollow = WriteSpecies(head, p);
    const std::string_view name = p.customSpeciesName;
    const bool writeName = nameMayFollow && IsWrittenName(name);
    if (!writeName || name.size() + 2 <= kNameRoom) {
        char* const tail = writeName ? PutName(head.end(), name) : head.end();
        const char* const end = WriteTail(tail, p);
        out.append(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
        return;
    }
    char* const tail = buffer.data() + kHeadCapacity;
    const char* tailEnd = WriteTail(tail, p);
    const auto headSize = static_cast<std::size_t>(head.end() - buffer.data());
    const auto tailSize = static_cast<std::size_t>(tailEnd - tail);
    out.reserve(out.size() + headSize + name.size() + 2 + tailSize);
    out.append(buffer.data(), headSize);
    AppendName(out, name);
    out.append(tail, tailSize);
}

std::string ComposeCode(PROFILE& profile) {
    std::string out;
    ComposeCodeInto(profile, out);
    return out;
}

}  // namespace brindlex
