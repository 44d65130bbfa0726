#include <array>
#include <cstdint>
#include <cstring>

#include <utility>
#include "codec/codec.h"

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

// The kinks in the order the line writes them: their cell and "  " + code.
struct KinkToken {
    std::uint8_t cell = 0;
    Piece lead;
};

constexpr std::array<KinkToken, kKinkWritingCodes.size()> kKinkTokens = [] {
    std::array<KinkToken, kKinkWritingCodes.size()> tokens{};
    for (std::size_t i = 0; i < kKinkWritingCodes.size(); ++i) {
        for (std::size_t k = 0; k < kKinks.size(); ++k) {
            if (kKinks[k].code == kKinkWritingCodes[i]) {
                tokens[i].cell = static_cast<std::uint8_t>(KinkCellOf(static_cast<int>(k)));
                tokens[i].lead = MakePiece("  ", kKinkWritingCodes[i]);
            }
        }
    }
    return tokens;
}();

// "2.0F", the family code and the species letter.
constexpr std::size_t kHeadCapacity = 16;
// Everything after the custom name: at most 733, the kinks 534 of them.
constexpr std::size_t kTailCapacity = 1024;

class Writer {
public:
    explicit Writer(char* start) : at_(start) {}

    void Put(char c) { *at_++ = c; }
    void Put(const Piece& piece) {
        std::memcpy(at_, piece.text.data(), piece.text.size());
        at_ += piece.size;
    }
    void Tag(char tag) {
        at_[0] = ' ';
        at_[1] = tag;
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
            if (((flags >> i) & 1u) != 0) {
                Put(choices[i].letter);
            }
        }
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
    for (char c : FamilyCode(family)) {
        w.Put(c);
    }
    if (family >= 1 && family < kFamilyPolymorph) {
        const char letter = SpeciesLetter(family, p.speciesIndex);
        if (letter != '\0') {
            w.Put(letter);
            return false;
        }
        w.Put('*');
    }
    p.speciesIndex = 0;
    return family != 0;
}

void WriteTraits(Writer& w, const PROFILE& p) {
    for (const Trait& t : kTraits) {
        if (((p.specificsFlags >> t.bit) & 1u) == 0) {
            continue;
        }
        if ((t.bit == kTraitPolymorphBit && p.speciesFamily == kFamilyPolymorph) ||
            (t.bit == kTraitTaurBit && p.speciesFamily == kFamilyTaur)) {
            continue;  // the family already says it
        }
        w.Put(t.letter);
    }
}

void WriteWork(Writer& w, const PROFILE& p) {
    w.Put(kWorkPieces[p.workType]);
    std::uint32_t fields = p.trainedFlags;
    for (int field = 0; fields != 0; ++field, fields >>= 1) {
        const int row = kTrainedFieldRows[static_cast<std::size_t>(field)];
        if ((fields & 1u) != 0 && static_cast<unsigned>(row) != p.workType) {
            w.Put(kTrainedPieces[static_cast<std::size_t>(field)]);
        }
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

void WriteKinks(Writer& w, const PROFILE& p) {
    for (const KinkToken& token : kKinkTokens) {
        const unsigned byte = p.kinkPrefs[token.cell / 2u];
        const unsigned cell = token.cell % 2u == 0 ? byte & 0x0Fu : byte >> 4;
        if (cell == 0) {
            continue;
        }
        w.Put(token.lead);
        w.Put(kKinkMarks[KinkRolePlay(cell)]);
        if (KinkRealLife(cell) != KinkRolePlay(cell)) {
            w.Put(kKinkMarks[KinkRealLife(cell)]);
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
    WriteTraits(w, p);
    WriteTokens(w, p, std::make_index_sequence<kTokenOrder.size()>());
    return w.end();
}

// Appends the name without its "]"s: the reader ends the name at the first
// "]", so one is never written.
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
    // The head up to the species letter goes first, the tail after a gap;
    // the name, of any length, is appended between them.
    std::array<char, kHeadCapacity + kTailCapacity> buffer;  // filled before it is read
    Writer head(buffer.data());
    for (char c : std::string_view("2.0F")) {
        head.Put(c);
    }
    const bool nameMayFollow = WriteSpecies(head, p);
    const std::string_view name = p.customSpeciesName;
    const bool writeName = nameMayFollow && name.find_first_not_of(" ]") != std::string_view::npos;
    char* const tail = buffer.data() + kHeadCapacity;
    const char* tailEnd = WriteTail(tail, p);

    const auto headSize = static_cast<std::size_t>(head.end() - buffer.data());
    const auto tailSize = static_cast<std::size_t>(tailEnd - tail);
    out.reserve(out.size() + headSize + (writeName ? name.size() + 2 : 0) + tailSize);
    out.append(buffer.data(), headSize);
    if (writeName) {
        AppendName(out, name);
    }
    out.append(tail, tailSize);
}

std::string ComposeCode(PROFILE& profile) {
    std::string out;
    ComposeCodeInto(profile, out);
    return out;
}

}  // namespace brindlex
