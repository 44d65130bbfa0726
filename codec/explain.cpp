#include "codec/explain.h"

#include <algorithm>
#include <array>
#include <map>

#include "codec/codec.h"
#include "codec/wording.h"
#include "profile/categories.h"

namespace brindlex {

namespace {

// A piece of the normal form, by position.
struct Piece {
    std::size_t at = 0;
    std::size_t size = 0;

    Piece prefix(std::size_t n) const { return {at, std::min(n, size)}; }
};

// A kink code's place among the codes of one or two letters, as in "S" and "Su"; -1 for text
// of another form.
int KinkCodeIndex(std::string_view code) {
    const auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
    const auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
    if (code.empty() || code.size() > 2 || !upper(code[0]) ||
        (code.size() == 2 && !lower(code[1]))) {
        return -1;
    }
    return (code[0] - 'A') * 27 + (code.size() == 2 ? code[1] - 'a' + 1 : 0);
}

// The kink of each code, by KinkCodeIndex; -1 for none.
const std::array<int, 26 * 27> kKinkOfCode = [] {
    std::array<int, 26 * 27> kinks{};
    kinks.fill(-1);
    for (std::size_t k = 0; k < kKinks.size(); ++k) {
        const int index = KinkCodeIndex(kKinks[k].code);
        if (index >= 0) {
            kinks[static_cast<std::size_t>(index)] = static_cast<int>(k);
        }
    }
    return kinks;
}();

// The pieces of a normal-form code line: the head ("2.0F", species, anthro digit, traits),
// one token per section tag, and the kink tokens by code.
class CodeTokens {
public:
    explicit CodeTokens(std::string_view line) : m_line(line) {
        // A written name holds no ']', and the family code holds no blank.
        std::size_t from = 0;
        const std::size_t bracket = line.find(kNameOpen);
        if (bracket != std::string_view::npos && bracket < line.find(kBlank)) {
            from = line.find(kNameClose, bracket);
        }
        const char first[] = {kBlank, kCategoryTable[static_cast<std::size_t>(kTokenOrder[0])].tag};
        const std::size_t headEnd =
            std::min(line.find(std::string_view(first, 2), from), line.size());
        m_speciesEnd =
            from != 0 ? from + 1
                      : line.substr(0, headEnd).find_first_of(kAnthroDigits, kCodeHeader.size());
        m_headEnd = headEnd;

        const char kinkTag = kCategoryTable[static_cast<std::size_t>(kKinkSwitchCategory)].tag;
        bool kinks = false;
        std::size_t pos = headEnd;
        while (pos < line.size()) {
            pos = line.find_first_not_of(kBlank, pos);
            const std::size_t end = std::min(line.find(kBlank, pos), line.size());
            const Piece token{pos, end - pos};
            if (kinks) {
                const std::string_view text = line.substr(pos, end - pos);
                const std::string_view marks(kKinkMarks.data(), kKinkMarks.size());
                const int index = KinkCodeIndex(text.substr(0, text.find_first_of(marks)));
                if (index >= 0 && kKinkOfCode[static_cast<std::size_t>(index)] >= 0) {
                    m_kinks[static_cast<std::size_t>(
                        kKinkOfCode[static_cast<std::size_t>(index)])] = token;
                }
            } else {
                m_sections[static_cast<unsigned char>(line[pos])] = token;
                kinks = token.size == 1 && line[pos] == kinkTag;
            }
            pos = end;
        }
    }

    Piece species() const { return {kCodeHeader.size(), m_speciesEnd - kCodeHeader.size()}; }
    // The custom name with its brackets, empty when the line has none.
    Piece name() const {
        const std::size_t open = m_line.substr(0, m_speciesEnd).find(kNameOpen);
        return open == std::string_view::npos ? Piece{m_speciesEnd, 0}
                                              : Piece{open, m_speciesEnd - open};
    }
    Piece anthroDigit() const { return {m_speciesEnd, 1}; }
    Piece traits() const { return {m_speciesEnd + 1, m_headEnd - m_speciesEnd - 1}; }
    Piece section(char tag) const { return m_sections[static_cast<unsigned char>(tag)]; }
    // The part of a section token before its first '/', e.g. "Sm#" of "Sm#/+-".
    Piece beforeSlash(char tag) const { return section(tag).prefix(slash(tag)); }
    // The part of a section token from its first '/', e.g. "/+-" of "Sm#/+-".
    Piece fromSlash(char tag) const {
        const Piece token = section(tag);
        const std::size_t at = slash(tag);
        return at >= token.size ? Piece{} : Piece{token.at + at, token.size - at};
    }
    // The piece of a section token that tells the answer of its part `part`: the token up
    // to the first part that begins with "/", or from there.
    Piece part(char tag, TokenPart part) const {
        return BeginsWithSlash(part) ? fromSlash(tag) : beforeSlash(tag);
    }
    // The token of the kink at `position` of the kink list.
    Piece kink(int position) const { return m_kinks[static_cast<std::size_t>(position)]; }

private:
    std::size_t slash(char tag) const {
        const Piece token = section(tag);
        return std::min(m_line.substr(token.at, token.size).find(kSlash), token.size);
    }

    std::string_view m_line;
    std::size_t m_speciesEnd = 0;
    std::size_t m_headEnd = 0;
    std::array<Piece, 256> m_sections{};
    std::array<Piece, kKinkCount> m_kinks{};
};

// The lines of a help text by their number; an unnumbered line continues the line before it.
// Lines end with "\r\n" in the tables and may end with "\n" in a translation.
std::map<unsigned, std::string> HelpLines(std::string_view text) {
    std::map<unsigned, std::string> lines;
    unsigned last = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.size() > 4 && line[0] >= '0' && line[0] <= '9' && line.substr(1, 3) == " - ") {
            last = static_cast<unsigned>(line[0] - '0');
            lines[last] = std::string(line.substr(4));
        } else {
            const std::size_t start = line.find_first_not_of(' ');
            if (start != std::string_view::npos) {
                lines[last] += " " + std::string(line.substr(start));
            }
        }
    }
    return lines;
}

// A level in words: its help-text line, or its place between the lines the text has.
std::string LevelInWords(const Wording& w, const CategoryInfo& row, unsigned level) {
    if (level == 0) {
        return Phrase(w, Explaining::kNoAnswer);
    }
    const auto lines = HelpLines(w.text(text_context::kHelpTexts, row.help));
    const unsigned number = level - 1;
    if (const auto it = lines.find(number); it != lines.end()) {
        return it->second;
    }
    const std::string step = std::to_string(level);
    const auto above = lines.upper_bound(number);
    const bool lineBelow = above != lines.begin();
    const bool lineAbove = above != lines.end();
    if (lineBelow && lineAbove) {
        return FillIn(Phrase(w, Explaining::kStepBetween),
                      {step, std::prev(above)->second, above->second});
    }
    if (lineBelow) {
        return FillIn(Phrase(w, Explaining::kStepAbove), {step, std::prev(above)->second});
    }
    if (lineAbove) {
        return FillIn(Phrase(w, Explaining::kStepBelow), {step, above->second});
    }
    return FillIn(Phrase(w, Explaining::kStep), {step});
}

std::string NamesOfBits(const Wording& w, const CategoryInfo& row, unsigned flags) {
    std::string names;
    for (unsigned i = 0; i < row.choiceCount; ++i) {
        if (((flags >> i) & 1u) != 0) {
            names += (names.empty() ? "" : ", ") + w.text(row.choiceContext, row.choices[i].name);
        }
    }
    return names;
}

std::string AttractionInWords(const Wording& w, unsigned nibble) {
    const auto half = [&w](unsigned value) {
        return value == 0 ? Phrase(w, Explaining::kUnspecified)
                          : w.text(text_context::kAnswers, kAttractionNames[value - 1]);
    };
    return FillIn(Phrase(w, Explaining::kAttraction),
                  {half(AttractionGuys(nibble)), half(AttractionGirls(nibble))});
}

std::string YesNo(const Wording& w, unsigned flag) {
    return Phrase(w, flag ? Explaining::kYes : Explaining::kNo);
}

class Explainer {
public:
    // Without `wording` the answers carry no captions and no words.
    Explainer(const PROFILE& p, const CodeTokens& tokens, std::string_view bracketedName, bool all,
              const Wording* wording, std::vector<ExplainedAnswer>& list)
        : m_p(p),
          m_tokens(tokens),
          m_name(bracketedName),
          m_all(all),
          m_words(wording != nullptr),
          m_w(wording != nullptr ? *wording : EnglishWording()),
          m_list(list) {}

    void run() {
        for (int c = 0; c < kFirstKinkCategory; ++c) {
            category(c, kCategoryTable[static_cast<std::size_t>(c)]);
        }
        kinks();
    }

private:
    // Adds an answer; `words` tells it, when the answers are told.
    template <typename Words>
    void add(int category, bool answered, std::string_view caption, Words words, Piece code) {
        if (!answered && !m_all) {
            return;
        }
        if (!m_words) {
            m_list.push_back({category, {}, {}, code.at, code.size, answered});
            return;
        }
        std::string answer = words();
        m_list.push_back({category, std::string(caption),
                          answer.empty() ? Phrase(m_w, Explaining::kNoAnswer) : std::move(answer),
                          code.at, code.size, answered});
    }

    // The second answer of a row, told by its token's piece.
    template <typename Words>
    void extra(int c, const CategoryInfo& row, Words words, Piece code) {
        add(c, row.extra->get(m_p) != 0, row.extraName, words, code);
    }

    // The gender that another category's token carries: its tag and letter.
    Piece genderPiece(const FieldInfo* field) const {
        const int carrier = CategoryCarryingGender(field);
        return m_tokens.section(kCategoryTable[static_cast<std::size_t>(carrier)].tag).prefix(2);
    }

    void category(int c, const CategoryInfo& row) {
        const unsigned value = row.field->get(m_p);
        switch (row.page) {
            case PageKind::kSpecies:
                species(c, row);
                return;
            case PageKind::kTraitBoxes:
                add(
                    c, value != 0, row.name, [&] { return traits(); }, m_tokens.traits());
                extra(
                    c, row, [&] { return gender(kCharacterGenders[row.extra->get(m_p)]); },
                    genderPiece(row.extra));
                return;
            case PageKind::kAge:
                age(c, row);
                extra(
                    c, row, [&] { return gender(kOwnGenders[row.extra->get(m_p)]); },
                    genderPiece(row.extra));
                return;
            case PageKind::kWork:
                work(c, row);
                return;
            case PageKind::kKinkSwitch:
                add(
                    c, value != 0, row.name, [&] { return YesNo(m_w, value); },
                    m_tokens.section(row.tag));
                return;
            default:
                break;
        }
        const Piece code = row.token == TokenKind::kAnthroDigit
                               ? m_tokens.anthroDigit()
                               : m_tokens.part(row.tag, TokenPart::kMarks);
        add(
            c, value != 0, row.caption, [&] { return LevelInWords(m_w, row, value); }, code);
        const TokenShape shape = ShapeOf(row.token);
        for (std::size_t i = 0; i < shape.count; ++i) {
            extraOfPart(c, row, shape.parts[i]);
        }
    }

    // The second answer of a row when part `part` of its token tells it.
    void extraOfPart(int c, const CategoryInfo& row, TokenPart part) {
        const unsigned second = row.extra == nullptr ? 0 : row.extra->get(m_p);
        const Piece code = m_tokens.part(row.tag, part);
        switch (part) {
            case TokenPart::kFlagLetter:
                extra(
                    c, row, [&] { return YesNo(m_w, second); }, code);
                return;
            case TokenPart::kChoiceLetters:
                extra(
                    c, row, [&] { return NamesOfBits(m_w, row, second); }, code);
                return;
            case TokenPart::kAttraction:
                extra(
                    c, row, [&] { return AttractionInWords(m_w, second); }, code);
                return;
            case TokenPart::kGenderLetter:  // the answer of the category carrying the gender
            case TokenPart::kMarks:         // the row's own answer
            case TokenPart::kWork:          // the parts of rows with pages of their own
            case TokenPart::kAge:
            case TokenPart::kKinkSwitch:
                return;
        }
    }

    void species(int c, const CategoryInfo& row) {
        const SpeciesFamily& family =
            kFamilies[std::min<unsigned>(m_p.speciesFamily, kFamilyOther)];
        const auto words = [&] {
            std::string answer = m_w.text(text_context::kFamilies, family.name);
            if (m_p.speciesIndex != 0) {
                answer +=
                    ", " + m_w.text(text_context::kSpecies, family.species[m_p.speciesIndex - 1]);
            } else if (m_name.size() > 2) {
                const std::string_view name = m_name.substr(1, m_name.size() - 2);
                answer.reserve(answer.size() + 2 + name.size());
                answer += ", ";
                answer += name;
            }
            return answer;
        };
        add(c, m_p.speciesFamily != 0, row.name, words, m_tokens.species());
    }

    std::string traits() const {
        std::string names;
        for (const Trait& t : kTraits) {
            if (((m_p.specificsFlags >> t.bit) & 1u) != 0) {
                names += (names.empty() ? "" : ", ") + m_w.text(text_context::kTraits, t.name);
            }
        }
        return names;
    }

    void age(int c, const CategoryInfo& row) {
        const unsigned age = row.field->get(m_p);
        const auto words = [&] {
            if (age > kMaxExactAge) {
                return LevelInWords(m_w, row, age - kMaxExactAge);
            }
            return age != 0 ? FillIn(Phrase(m_w, Explaining::kYears), {std::to_string(age)})
                            : std::string();
        };
        add(c, age != 0, row.name, words, m_tokens.section(row.tag));
    }

    void work(int c, const CategoryInfo& row) {
        const unsigned type = row.field->get(m_p);
        add(
            c, type != 0, row.name, [&] { return workName(type); }, m_tokens.beforeSlash(row.tag));
        const auto fields = [&] {
            std::string names;
            const unsigned trained = row.extra->get(m_p);
            for (int field = 0; field < kTrainedFieldCount; ++field) {
                if (((trained >> field) & 1u) != 0) {
                    const int work = kTrainedFieldRows[static_cast<std::size_t>(field)];
                    names += (names.empty() ? "" : ", ") + workName(static_cast<unsigned>(work));
                }
            }
            return names;
        };
        extra(c, row, fields, m_tokens.fromSlash(row.tag));
    }

    void kinks() {
        if (!m_p.includeKinks && !m_all) {
            return;
        }
        for (int k = 0; k < kKinkCount; ++k) {
            const Kink& kink = kKinks[static_cast<std::size_t>(k)];
            const unsigned cell = m_p.kink(k);
            const auto words = [&] {
                return FillIn(
                    Phrase(m_w, Explaining::kKinkAnswers),
                    {m_w.text(text_context::kAnswers, kKinkAnswerNames[KinkRolePlay(cell)]),
                     m_w.text(text_context::kAnswers, kKinkAnswerNames[KinkRealLife(cell)])});
            };
            add(kFirstKinkCategory + k, cell != 0, kink.name, words, m_tokens.kink(k));
        }
    }

    std::string gender(std::string_view name) const {
        return m_w.text(text_context::kGenders, name);
    }
    std::string workName(unsigned type) const {
        return m_w.text(text_context::kWork, kWorkTypes[type].name);
    }

    const PROFILE& m_p;
    const CodeTokens& m_tokens;
    std::string_view m_name;
    bool m_all;
    bool m_words;
    const Wording& m_w;
    std::vector<ExplainedAnswer>& m_list;
};

Explanation Explain(PROFILE profile, bool all, const Wording* wording) {
    Explanation result;
    result.answers.reserve(2 * kFirstKinkCategory + kKinkCount);
    result.line = ComposeCode(profile);
    profile = PROFILE();  // a long name is held by the line from here on
    const CodeTokens tokens(result.line);
    // Reading back the written line drops what the line does not carry. The name is read
    // from the line itself, so the line is read back without it.
    const Piece name = tokens.name();
    std::string nameless = result.line.substr(0, name.at);
    nameless.append(result.line, name.at + name.size, std::string::npos);
    ParseCode(nameless, profile);
    Explainer(profile, tokens, std::string_view(result.line).substr(name.at, name.size), all,
              wording, result.answers)
        .run();
    return result;
}

}  // namespace

Explanation ExplainProfile(PROFILE profile, bool all, const Wording& wording) {
    return Explain(std::move(profile), all, &wording);
}

Explanation ExplainPieces(PROFILE profile) {
    return Explain(std::move(profile), true, nullptr);
}

}  // namespace brindlex
