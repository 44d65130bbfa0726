#include "explain.h"

#include <map>

#include "codec.h"
#include "vocabulary.h"

namespace brindlex {

namespace {

constexpr std::string_view kNoAnswer = "no answer";

// The pieces of a normal-form code line: the head ("2.0F", species, anthro
// digit, traits), one token per section tag, and the kink tokens by code.
class CodeTokens {
public:
    explicit CodeTokens(const std::string& line) {
        // A written name holds no ']', and the family code holds no blank.
        std::size_t from = 0;
        const std::size_t bracket = line.find('[');
        if (bracket != std::string::npos && bracket < line.find(' ')) {
            from = line.find(']', bracket);
        }
        const std::size_t headEnd = line.find(" V", from);
        head_ = line.substr(0, headEnd);
        speciesEnd_ = from != 0 ? from + 1 : head_.find_first_of("01234567", 4);

        bool kinks = false;
        std::size_t pos = headEnd;
        while (pos < line.size()) {
            pos = line.find_first_not_of(' ', pos);
            const std::size_t end = std::min(line.find(' ', pos), line.size());
            const std::string token = line.substr(pos, end - pos);
            if (kinks) {
                const std::size_t marks = token.find_first_of("#+-*");
                kinkTokens_[token.substr(0, marks)] = token;
            } else {
                sections_[token[0]] = token;
                kinks = token == "K";
            }
            pos = end;
        }
    }

    std::string species() const { return head_.substr(4, speciesEnd_ - 4); }
    std::string anthroDigit() const { return head_.substr(speciesEnd_, 1); }
    std::string traits() const { return head_.substr(speciesEnd_ + 1); }
    std::string section(char tag) const {
        const auto it = sections_.find(tag);
        return it == sections_.end() ? std::string() : it->second;
    }
    // The part of a section token from its first '/', e.g. "/+-" of "Sm#/+-".
    std::string slashPart(char tag) const {
        const std::string token = section(tag);
        const std::size_t slash = token.find('/');
        return slash == std::string::npos ? std::string() : token.substr(slash);
    }
    std::string kink(std::string_view code) const {
        const auto it = kinkTokens_.find(std::string(code));
        return it == kinkTokens_.end() ? std::string() : it->second;
    }

private:
    std::string head_;
    std::size_t speciesEnd_ = 0;
    std::map<char, std::string> sections_;
    std::map<std::string, std::string> kinkTokens_;
};

// The lines of a help text by their number; an unnumbered line continues the
// line before it.
std::map<unsigned, std::string> HelpLines(std::string_view text) {
    std::map<unsigned, std::string> lines;
    unsigned last = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find("\r\n"), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 2, text.size()));
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

// A level in words: its help-text line, or its place between the lines the
// text has.
std::string LevelInWords(int category, unsigned level) {
    if (level == 0) {
        return std::string(kNoAnswer);
    }
    const auto lines = HelpLines(kLevelHelpTexts[static_cast<std::size_t>(category)]);
    const unsigned number = level - 1;
    if (const auto it = lines.find(number); it != lines.end()) {
        return it->second;
    }
    std::string words = "step " + std::to_string(level) + " of 7";
    const auto above = lines.upper_bound(number);
    if (above != lines.begin()) {
        words += ", above \"" + std::prev(above)->second + "\"";
    }
    if (above != lines.end()) {
        words += words.back() == '"' ? " and below \"" : ", below \"";
        words += above->second + "\"";
    }
    return words;
}

template <std::size_t N>
std::string NamesOfBits(const std::array<Choice, N>& choices, unsigned flags) {
    std::string names;
    for (std::size_t i = 0; i < N; ++i) {
        if (((flags >> i) & 1u) != 0) {
            names += (names.empty() ? "" : ", ") + std::string(choices[i].name);
        }
    }
    return names;
}

std::string AttractionInWords(unsigned nibble) {
    const auto half = [](unsigned value, const char* who) {
        const std::string name =
            value == 0 ? std::string("unspecified") : std::string(kAttractionNames[value - 1]);
        return who + std::string(": ") + name;
    };
    return half(nibble & 3u, "guys") + ", " + half((nibble >> 2) & 3u, "girls");
}

std::string YesNo(unsigned flag) {
    return flag ? "yes" : "no";
}

class Explainer {
public:
    Explainer(const PROFILE& p, const CodeTokens& tokens, bool all)
        : p_(p), tokens_(tokens), all_(all) {}

    std::vector<Explanation> run() {
        species();
        add(!p_.specificsFlags, "Traits", traits(), tokens_.traits());
        add(!p_.characterGender, "Character gender", kCharacterGenders[p_.characterGender],
            tokens_.section('Y').substr(0, 2));
        for (int c = 2; c <= 11; ++c) {
            level(c);
            if (c == 5) {
                add(!p_.madeOwnSuit, "Made own suit", YesNo(p_.madeOwnSuit), tokens_.section('D'));
            }
        }
        level(12);
        add(!p_.yiffyYiffyPreference, "YiffyYiffy preference",
            AttractionInWords(p_.yiffyYiffyPreference), tokens_.slashPart('Y'));

        age();
        add(!p_.ownGender, "Own gender", kOwnGenders[p_.ownGender],
            tokens_.section('S').substr(0, 2));
        level(14);
        work();
        for (int c = 16; c <= 23; ++c) {
            level(c);
            if (c == 19) {
                add(!p_.gamingFlags, "Games", NamesOfBits(kGames, p_.gamingFlags),
                    tokens_.section('G'));
            } else if (c == 20) {
                add(!p_.furrySite, "Furry site", YesNo(p_.furrySite), tokens_.section('N'));
            } else if (c == 21) {
                add(!p_.compyFlags, "Operating systems",
                    NamesOfBits(kOperatingSystems, p_.compyFlags), tokens_.section('C'));
            }
        }
        add(!p_.sexPreference, "Sex preference", AttractionInWords(p_.sexPreference),
            tokens_.slashPart('S'));

        add(!p_.includeKinks, "Include my kinks", YesNo(p_.includeKinks), tokens_.section('K'));
        kinks();
        return std::move(list_);
    }

private:
    void add(bool unanswered, std::string_view category, std::string_view answer,
             std::string code) {
        if (unanswered && !all_) {
            return;
        }
        list_.push_back({std::string(category),
                         answer.empty() ? std::string(kNoAnswer) : std::string(answer),
                         std::move(code)});
    }

    void species() {
        const SpeciesFamily& family = kFamilies[std::min<unsigned>(p_.speciesFamily, 26)];
        std::string answer(family.name);
        if (p_.speciesIndex != 0) {
            answer += ", " + std::string(family.species[p_.speciesIndex - 1]);
        } else if (!p_.customSpeciesName.empty()) {
            answer += ", " + p_.customSpeciesName;
        }
        add(p_.speciesFamily == 0, "Species", answer, tokens_.species());
    }

    std::string traits() const {
        std::string names;
        for (const Trait& t : kTraits) {
            if (((p_.specificsFlags >> t.bit) & 1u) != 0) {
                names += (names.empty() ? "" : ", ") + std::string(t.name);
            }
        }
        return names;
    }

    // The token of a level category: the anthro digit, or its section.
    std::string levelCode(int c) const {
        static const std::map<int, char> kTags = {
            {3, 'R'},  {4, 'I'},  {5, 'D'},  {6, 'T'},  {7, 'H'},  {8, 'P'},  {9, 'M'},
            {10, 'V'}, {11, 'L'}, {12, 'Y'}, {14, 'E'}, {16, 'F'}, {17, 'B'}, {18, 'A'},
            {19, 'G'}, {20, 'N'}, {21, 'C'}, {22, 'J'}, {23, 'S'}};
        if (c == 2) {
            return tokens_.anthroDigit();
        }
        std::string token = tokens_.section(kTags.at(c));
        return token.substr(0, token.find('/'));
    }

    void level(int c) {
        const unsigned value = LevelFieldOf(c)->get(p_);
        add(value == 0, CategoryCaption(c), LevelInWords(c, value), levelCode(c));
    }

    void age() {
        std::string answer;
        if (p_.age > kMaxExactAge) {
            answer = LevelInWords(kAgeCategory, p_.age - kMaxExactAge);
        } else if (p_.age != 0) {
            answer = std::to_string(p_.age) + " years";
        }
        add(p_.age == 0, "Age", answer, tokens_.section('O'));
    }

    void work() {
        const std::string token = tokens_.section('W');
        add(p_.workType == 0, "Work", kWorkTypes[p_.workType].name,
            token.substr(0, token.find('/')));
        std::string fields;
        for (int field = 0; field < kTrainedFieldCount; ++field) {
            if (((p_.trainedFlags >> field) & 1u) != 0) {
                const int row = kTrainedFieldRows[static_cast<std::size_t>(field)];
                fields += (fields.empty() ? "" : ", ") +
                          std::string(kWorkTypes[static_cast<std::size_t>(row)].name);
            }
        }
        add(!p_.trainedFlags, "Trained in", fields, tokens_.slashPart('W'));
    }

    void kinks() {
        if (!p_.includeKinks && !all_) {
            return;
        }
        for (int k = 0; k < kKinkCount; ++k) {
            const Kink& kink = kKinks[static_cast<std::size_t>(k)];
            const unsigned cell = p_.kink(k);
            const std::string answer =
                "role play " + std::string(kKinkAnswerNames[KinkRolePlay(cell)]) + ", real life " +
                std::string(kKinkAnswerNames[KinkRealLife(cell)]);
            add(cell == 0, kink.name, answer, tokens_.kink(kink.code));
        }
    }

    const PROFILE& p_;
    const CodeTokens& tokens_;
    bool all_;
    std::vector<Explanation> list_;
};

}  // namespace

std::vector<Explanation> ExplainProfile(PROFILE& profile, bool all) {
    // Reading back the written line drops what the line does not carry.
    const std::string line = ComposeCode(profile);
    PROFILE carried;
    ParseCode(line, carried);
    return Explainer(carried, CodeTokens(line), all).run();
}

}  // namespace brindlex
