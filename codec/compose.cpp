#include <array>
#include <cstdint>
#include <cstring>

#include <string>
#include <utility>

#include "codec/bits.h"
#include "codec/codec.h"
#include "codec/kinkmask.h"
#include "codec/writetables.h"
#include "profile/categories.h"

namespace brindlex {

namespace {

using writing::Piece;

// The kinks in the order the line writes them: "  " + code, its length, and where their
// cell is in kinkPrefs; eight bytes, so that the n-th is found with one scaled index.
struct alignas(8) KinkToken {
    std::array<char, 4> lead{};
    std::uint8_t size = 0;
    std::uint8_t byte = 0;
    std::uint8_t shift = 0;
};

constexpr std::array<KinkToken, kKinkWritingCodes.size()> kKinkTokens = [] {
    std::array<KinkToken, kKinkWritingCodes.size()> tokens{};
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Piece lead = writing::MakePiece(kKinkLead, kKinkWritingCodes[i]);
        for (std::size_t c = 0; c < tokens[i].lead.size(); ++c) {
            tokens[i].lead[c] = lead.text[c];
        }
        tokens[i].size = lead.size;
        tokens[i].byte = writing::kWrittenKinkCells[i] / 2u;
        tokens[i].shift = writing::kWrittenKinkCells[i] % 2u * 4u;
    }
    return tokens;
}();

// The marks of each kink cell: the role play mark, and the real life mark when it differs.
struct alignas(4) KinkMarks {
    std::array<char, 2> text{};
    std::uint8_t size = 0;
};

constexpr std::array<KinkMarks, 16> kKinkCellMarks = [] {
    std::array<KinkMarks, 16> marks{};
    for (unsigned cell = 0; cell < marks.size(); ++cell) {
        marks[cell].text = {kKinkMarks[KinkRolePlay(cell)], kKinkMarks[KinkRealLife(cell)]};
        marks[cell].size = KinkRealLife(cell) != KinkRolePlay(cell) ? 2 : 1;
    }
    return marks;
}();

// The head up to the species letter.
constexpr std::size_t kHeadCapacity = 16;
// A custom name written into the same buffer, with its brackets.
constexpr std::size_t kNameRoom = 256;
// Everything after the custom name.
constexpr std::size_t kTailCapacity = 1024;
// How far past what it writes the writer may store: a piece or a run of letters is copied
// whole.
constexpr std::size_t kOverrun = 8;
static_assert(writing::kLongestHead + kOverrun <= kHeadCapacity, "the head outgrows its room");
static_assert(writing::kLongestTail + kOverrun <= kTailCapacity, "the tail outgrows its room");

class Writer {
public:
    explicit Writer(char* start) : m_at(start) {}

    void Put(char c) { *m_at++ = c; }
    // Writes `c` when `write` is set; the byte is stored either way.
    void PutIf(char c, bool write) {
        *m_at = c;
        m_at += write ? 1 : 0;
    }
    void Put(const Piece& piece) {
        std::memcpy(m_at, piece.text.data(), piece.text.size());
        m_at += piece.size;
    }
    // The first `size` characters of `piece`, and no more.
    template <std::size_t size>
    void Put(const Piece& piece) {
        std::memcpy(m_at, piece.text.data(), size);
        m_at += size;
    }
    // The letters of the set flags among `flags`.
    template <std::size_t N>
    void Letters(const writing::LetterTables<N>& tables, unsigned flags) {
        for (std::size_t run = 0; run < tables.kRuns; ++run) {
            const writing::Letters& letters =
                tables.runs[run][(flags >> tables.lowBit[run]) & 0xFFu];
            std::memcpy(m_at, letters.text.data(), letters.text.size());
            m_at += letters.size;
        }
    }
    // A kink token whose cell is not 0.
    void Kink(const KinkToken& token, const PROFILE& p) {
        const unsigned cell = (p.kinkPrefs[token.byte] >> token.shift) & 0x0Fu;
        const KinkMarks& marks = kKinkCellMarks[cell];
        std::memcpy(m_at, token.lead.data(), token.lead.size());
        std::memcpy(m_at + token.size, marks.text.data(), marks.text.size());
        m_at += token.size + marks.size;
    }

    char* end() const { return m_at; }

private:
    char* m_at;
};

// "2.0F", the family code and the species letter or "*"; resets a species index the family
// has no letter for. Returns whether the custom name may follow.
bool WriteHead(Writer& w, PROFILE& p) {
    const unsigned family = p.speciesFamily;
    w.Put(writing::kHeadPieces[family]);
    const char letter = writing::kSpeciesLetters[family][p.speciesIndex];
    const bool lettered = letter != '\0';
    w.PutIf(lettered ? letter : kAnySpecies, writing::kFamilyHasSpecies[family]);
    // Stored only when it changes: a store into the word that the writer reads next, just
    // after the reader wrote that word whole, would hold the read up until both are written.
    if (!lettered && p.speciesIndex != 0) {
        p.speciesIndex = 0;
    }
    return !lettered && family != 0;
}

Writer WriteTraits(Writer w, const PROFILE& p) {
    // The family already says these.
    const std::uint32_t said =
        (std::uint32_t{p.speciesFamily == kFamilyPolymorph} << kTraitPolymorphBit) |
        (std::uint32_t{p.speciesFamily == kFamilyTaur} << kTraitTaurBit);
    w.Letters(writing::kTraitLetters, p.specificsFlags & ~said);
    return w;
}

Writer WriteTrainedFields(Writer w, const PROFILE& p) {
    std::uint32_t fields = p.trainedFlags & ~writing::kTrainedFieldOfRow[p.workType];
    for (; fields != 0; fields &= fields - 1) {
        w.Put(writing::kTrainedPieces[LowestBit(fields)]);
    }
    return w;
}

// The kinks with an answer, in the writing order.
Writer WriteKinks(Writer w, const PROFILE& p) {
    const writing::Mask96 order = writing::KinksToWrite(p.kinkPrefs);
    for (std::size_t word = 0; word < order.size(); ++word) {
        for (std::uint64_t bits = order[word]; bits != 0; bits &= bits - 1) {
            w.Kink(kKinkTokens[64 * word + LowestBit(bits)], p);
        }
    }
    return w;
}

// How the writer writes each part of a token: the value of the record that picks its text
// (writing::PartText), what it writes after that text, and whether the token is written at
// all. The writers take and return the Writer by value, so that its place stays in a register
// while bytes are stored.
struct PartDefaults {
    static unsigned Value(const PROFILE&) { return 0; }
    static Writer Rest(Writer w, const PROFILE&) { return w; }
    static bool Written(const PROFILE&) { return true; }
};

template <int c, TokenPart part>
struct PartWriter;

template <int c>
struct PartWriter<c, TokenPart::kFlagLetter> : PartDefaults {
    static unsigned Value(const PROFILE& p) {
        constexpr const CategoryInfo& row = kCategoryTable[c];
        const bool hasFlag = row.extra->get(p) != 0;
        const bool aboveLevel = row.level->get(p) >= row.flagMinLevel;
        const bool flagged = hasFlag & aboveLevel;
        return unsigned{flagged};
    }
};

template <int c>
struct PartWriter<c, TokenPart::kGenderLetter> : PartDefaults {
    static unsigned Value(const PROFILE& p) { return kCategoryTable[c].gender->get(p); }
};

template <int c>
struct PartWriter<c, TokenPart::kMarks> : PartDefaults {
    static unsigned Value(const PROFILE& p) { return kCategoryTable[c].level->get(p); }
};

template <int c>
struct PartWriter<c, TokenPart::kAttraction> : PartDefaults {
    static unsigned Value(const PROFILE& p) { return kCategoryTable[c].extra->get(p); }
};

template <int c>
struct PartWriter<c, TokenPart::kChoiceLetters> : PartDefaults {
    static Writer Rest(Writer w, const PROFILE& p) {
        constexpr const CategoryInfo& row = kCategoryTable[c];
        const unsigned level = row.level->get(p);
        const unsigned flags = row.extra->get(p);
        constexpr unsigned kAll = (1u << row.choiceCount) - 1u;
        const bool write = (level >= row.flagMinLevel) & !(row.omitAllChoices & (flags == kAll));
        w.Letters(writing::kChoiceLetters<c>, flags & (0u - unsigned{write}));
        return w;
    }
};

template <int c>
struct PartWriter<c, TokenPart::kWork> : PartDefaults {
    static unsigned Value(const PROFILE& p) { return kCategoryTable[c].field->get(p); }
    static Writer Rest(Writer w, const PROFILE& p) { return WriteTrainedFields(w, p); }
};

template <int c>
struct PartWriter<c, TokenPart::kAge> : PartDefaults {
    static unsigned Value(const PROFILE& p) { return kCategoryTable[c].field->get(p); }
};

// The kink section is written only when it is switched on.
template <int c>
struct PartWriter<c, TokenPart::kKinkSwitch> : PartDefaults {
    static Writer Rest(Writer w, const PROFILE& p) { return WriteKinks(w, p); }
    static bool Written(const PROFILE& p) { return kCategoryTable[c].field->get(p) != 0; }
};

// The index of the piece of the parts [i, last) joined, `index` holding the values before i.
template <int c, std::size_t i, std::size_t last>
unsigned JoinedIndex(const PROFILE& p, unsigned index) {
    if constexpr (i == last) {
        return index;
    } else {
        constexpr TokenPart part = writing::PartAt<c>(i);
        const unsigned value = PartWriter<c, part>::Value(p);
        return JoinedIndex<c, i + 1, last>(p, index * writing::PartText<c, part>::kValues + value);
    }
}

// The parts from `first` on: the piece of those joined from there, the rest of the last of
// them, then the parts after it.
template <int c, std::size_t first>
Writer WriteParts(Writer w, const PROFILE& p) {
    constexpr std::size_t last = writing::JoinedEnd<c>(first);
    constexpr const auto& pieces = writing::kJoinedPieces<c, first>;
    if constexpr (pieces.size() > 1) {
        w.Put(pieces[JoinedIndex<c, first, last>(p, 0)]);
    } else if constexpr (pieces[0].size > 0) {
        w.Put<pieces[0].size>(pieces[0]);  // the bytes of a text known here
    }
    w = PartWriter<c, writing::PartAt<c>(last - 1)>::Rest(w, p);
    if constexpr (last < writing::kShape<c>.count) {
        return WriteParts<c, last>(w, p);
    } else {
        return w;
    }
}

template <int c, std::size_t... I>
bool TokenWritten(const PROFILE& p, std::index_sequence<I...>) {
    return (PartWriter<c, writing::PartAt<c>(I)>::Written(p) && ...);
}

// The token of category `c`, part after part as its shape says; expanded at compile time so
// that writing a line is straight-line code.
template <int c>
Writer WriteToken(Writer w, const PROFILE& p) {
    constexpr std::size_t kParts = writing::kShape<c>.count;
    static_assert(kParts > 0, "a token without parts after its tag");
    if (!TokenWritten<c>(p, std::make_index_sequence<kParts>())) {
        return w;
    }
    return WriteParts<c, 0>(w, p);
}

template <std::size_t... I>
Writer WriteTokens(Writer w, const PROFILE& p, std::index_sequence<I...>) {
    ((w = WriteToken<kTokenOrder[I]>(w, p)), ...);
    return w;
}

// Everything from the anthro digit on.
char* WriteTail(char* start, const PROFILE& p) {
    Writer w(start);
    w.Put(kAnthroDigits[p.anthroLevel]);
    w = WriteTraits(w, p);
    return WriteTokens(w, p, std::make_index_sequence<kTokenOrder.size()>()).end();
}

// Writes "[", the name without its "]"s and "]" at `at`, and returns the end: the reader
// ends the name at the first "]", so one is never written.
char* PutName(char* at, std::string_view name) {
    *at++ = kNameOpen;
    for (std::size_t from = 0; from < name.size();) {
        const std::size_t close = name.find(kNameClose, from);
        const std::size_t end = close == std::string_view::npos ? name.size() : close;
        std::memcpy(at, name.data() + from, end - from);
        at += end - from;
        from = end + 1;
    }
    *at++ = kNameClose;
    return at;
}

// Appends the name as PutName writes it.
void AppendName(std::string& out, std::string_view name) {
    out += kNameOpen;
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t close = name.find(kNameClose, at);
        const std::size_t end = close == std::string_view::npos ? name.size() : close;
        out.append(name.data() + at, end - at);
        at = end + 1;
    }
    out += kNameClose;
}

using LineBuffer = std::array<char, kHeadCapacity + kNameRoom + kTailCapacity>;

// Where WriteLine put the line: all of it from the buffer's start to `end`, or, when
// `headEnd` is set, the head up to there and the tail from kHeadCapacity to `end`, for the
// custom name, longer than its room, to go between them.
struct LineParts {
    const char* headEnd = nullptr;
    const char* end = nullptr;
};

// The line of `p` in `buffer`; inline so that each caller keeps its parts in registers.
inline LineParts WriteLine(PROFILE& p, LineBuffer& buffer) {
    Writer head(buffer.data());
    const bool nameMayFollow = WriteHead(head, p);
    const std::string_view name = p.customSpeciesName;
    // One branch, rarely taken, before the name is looked at.
    const bool writeName = (!name.empty() & nameMayFollow) && IsWrittenName(name);
    if (!writeName || name.size() + 2 <= kNameRoom) {
        char* const tail = writeName ? PutName(head.end(), name) : head.end();
        return {nullptr, WriteTail(tail, p)};
    }
    return {head.end(), WriteTail(buffer.data() + kHeadCapacity, p)};
}

// Appends a line whose head and tail WriteLine wrote apart, and the name between them.
void AppendLongLine(const LineBuffer& buffer, const LineParts& parts, std::string_view name,
                    std::string& out) {
    const char* const tail = buffer.data() + kHeadCapacity;
    const auto headSize = static_cast<std::size_t>(parts.headEnd - buffer.data());
    const auto tailSize = static_cast<std::size_t>(parts.end - tail);
    out.reserve(out.size() + headSize + name.size() + 2 + tailSize);
    out.append(buffer.data(), headSize);
    AppendName(out, name);
    out.append(tail, tailSize);
}

}  // namespace

std::string_view LevelMark(unsigned level) {
    return kLevelMarks[level & 7u];
}

void ComposeCodeInto(PROFILE& p, std::string& out) {
    LineBuffer buffer;  // filled before read
    const LineParts parts = WriteLine(p, buffer);
    if (parts.headEnd == nullptr) {
        out.append(buffer.data(), static_cast<std::size_t>(parts.end - buffer.data()));
        return;
    }
    AppendLongLine(buffer, parts, p.customSpeciesName, out);
}

std::string ComposeCode(PROFILE& profile) {
    LineBuffer buffer;  // filled before read
    const LineParts parts = WriteLine(profile, buffer);
    if (parts.headEnd == nullptr) {
        // Straight from the buffer, without growing an empty string.
        return std::string(buffer.data(), static_cast<std::size_t>(parts.end - buffer.data()));
    }
    std::string out;
    AppendLongLine(buffer, parts, profile.customSpeciesName, out);
    return out;
}

}  // namespace brindlex
