#include "codec/find.h"

#include <algorithm>

#include "codec/codec.h"
#include "profile/categories.h"

namespace brindlex {

namespace {

constexpr std::string_view kHeader = kCodeHeader;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A byte that a word goes on with: a "2.0F" after it is inside the word.
bool IsWordByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '.';
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// The line without the quote marks of mail replies ("> ", "> > ", ">>").
std::string_view WithoutQuoteMarks(std::string_view line) {
    std::string_view rest = line;
    while (true) {
        const std::size_t mark = rest.find_first_not_of(" \t");
        if (mark == std::string_view::npos || rest[mark] != '>') {
            return rest;
        }
        rest.remove_prefix(mark + 1);
    }
}

// Where the first "2.0F" that starts a word stands in `line`, from `from` on.
std::size_t FindHeader(std::string_view line, std::size_t from) {
    for (std::size_t at = line.find(kHeader, from); at != std::string_view::npos;
         at = line.find(kHeader, at + 1)) {
        if (at == 0 || !IsWordByte(line[at - 1])) {
            return at;
        }
    }
    return std::string_view::npos;
}

bool IsLevelMark(std::string_view s) {
    return std::find(kLevelMarks.begin(), kLevelMarks.end(), s) != kLevelMarks.end();
}

// Whether `c` is one of `letters`.
bool IsOneOf(char c, std::string_view letters) {
    return letters.find(c) != std::string_view::npos;
}

bool IsLevelMarkByte(char c) {
    return std::any_of(kLevelMarkRules.begin(), kLevelMarkRules.end(),
                       [c](const LevelMarkRule& rule) { return rule.mark == c; });
}

bool IsWorkCode(std::string_view s) {
    return std::any_of(kWorkTypes.begin(), kWorkTypes.end(),
                       [&](const WorkType& w) { return w.code == s; });
}

// Whether `rest` begins with part `part` of a token of `row` as the writer writes it, and
// takes it off.
bool TakePart(TokenPart part, const CategoryInfo& row, std::string_view& rest) {
    const auto take = [&rest](std::size_t n) {
        rest.remove_prefix(std::min(n, rest.size()));
        return true;
    };
    switch (part) {
        case TokenPart::kFlagLetter:
            return take(!rest.empty() && IsOneOf(rest.front(), row.flagLetters) ? 1 : 0);
        case TokenPart::kGenderLetter: {
            const std::string_view letters(row.genderLetters->data(), row.genderLetters->size());
            return take(!rest.empty() && IsOneOf(rest.front(), letters) ? 1 : 0);
        }
        case TokenPart::kMarks: {
            const std::size_t end =
                std::find_if_not(rest.begin(), rest.end(), IsLevelMarkByte) - rest.begin();
            return IsLevelMark(rest.substr(0, end)) && take(end);
        }
        case TokenPart::kAttraction: {
            const std::string_view marks(kAttractionMarks.data(), kAttractionMarks.size());
            return rest.empty() || (rest.front() == kSlash && rest.size() <= 3 &&
                                    rest.find_first_not_of(marks, 1) == std::string_view::npos &&
                                    take(rest.size()));
        }
        case TokenPart::kChoiceLetters: {
            std::size_t letters = 0;
            while (letters < rest.size() &&
                   std::any_of(row.choices, row.choices + row.choiceCount,
                               [&](const Choice& c) { return c.letter == rest[letters]; })) {
                ++letters;
            }
            return take(letters);
        }
        case TokenPart::kWork:
            for (std::size_t at = 0; at <= rest.size();) {
                const std::size_t end = std::min(rest.find(kSlash, at), rest.size());
                const std::string_view code = rest.substr(at, end - at);
                if (!(at == 0 && code.empty()) && !IsWorkCode(code)) {
                    return false;
                }
                at = end + 1;
            }
            return take(rest.size());
        case TokenPart::kAge:
            return ((!rest.empty() && rest.size() <= 3 &&
                     rest.find_first_not_of(kDecimalDigits) == std::string_view::npos) ||
                    IsLevelMark(rest)) &&
                   take(rest.size());
        case TokenPart::kKinkSwitch:
            return true;
    }
    return false;
}

// Whether `value` may follow the tag of `row` in a section token: each part of its kind of
// token in turn, and nothing after them.
bool IsTokenValue(const CategoryInfo& row, std::string_view value) {
    const TokenShape shape = ShapeOf(row.token);
    for (std::size_t i = 0; i < shape.count; ++i) {
        if (!TakePart(shape.parts[i], row, value)) {
            return false;
        }
    }
    return shape.count > 0 && value.empty();
}

bool IsKinkToken(std::string_view word) {
    const std::string_view marks(kKinkMarks.data(), kKinkMarks.size());
    const std::size_t end = word.find_first_of(marks);
    if (end == std::string_view::npos || word.size() - end > 2 ||
        word.find_first_not_of(marks, end) != std::string_view::npos) {
        return false;
    }
    const std::string_view code = word.substr(0, end);
    return std::any_of(kKinks.begin(), kKinks.end(),
                       [&](const Kink& k) { return !k.code.empty() && k.code == code; });
}

// Whether `line` holds nothing but tokens of a code line: section tokens, or kink tokens
// once the kink section has begun; `inKinks` tells whether it has, before the line and, when
// the line is one, after it.
bool IsContinuation(std::string_view line, bool& inKinks) {
    bool kinks = inKinks;
    const char kinkTag = kCategoryTable[static_cast<std::size_t>(kKinkSwitchCategory)].tag;
    bool any = false;
    while (!line.empty()) {
        const std::size_t end = std::min(line.find(' '), line.size());
        const std::string_view word = line.substr(0, end);
        line.remove_prefix(end);
        line = TrimBlanks(line);
        if (word.empty()) {
            continue;
        }
        if (kinks) {
            if (!IsKinkToken(word)) {
                return false;
            }
        } else {
            const int category = CategoryOfTag(word.front());
            if (category < 0 ||
                !IsTokenValue(kCategoryTable[static_cast<std::size_t>(category)], word.substr(1))) {
                return false;
            }
            kinks = word.size() == 1 && word.front() == kinkTag;
        }
        any = true;
    }
    if (any) {
        inKinks = kinks;
    }
    return any;
}

// Whether tokens after a blank are read as tokens of `code`, in its tag or kink section,
// rather than into its head: the text may end in the family code ("2.0FA", "2.0F") or in an
// open name. `inKinks` is then whether the kink section has begun.
bool GoesOnInTokens(std::string_view code, bool& inKinks) {
    PROFILE alone;
    PROFILE longer;
    const char tag = kCategoryTable[static_cast<std::size_t>(kTokenOrder[0])].tag;
    if (!ParseCode(code, alone) || !ParseCode(std::string(code) + ' ' + tag, longer) ||
        longer.speciesFamily != alone.speciesFamily ||
        longer.customSpeciesName != alone.customSpeciesName) {
        return false;
    }
    inKinks = alone.includeKinks != 0;
    return true;
}

struct TextLine {
    std::size_t at;
    std::string_view text;  // without its line break, and up to its first 0x00 byte
    std::size_t number;     // 1-based
};

// The lines of a text one by one, ending at LF, CRLF or a bare CR.
class TextLines {
public:
    explicit TextLines(std::string_view text) : m_text(text) { Read(); }

    // The next line, while there is one; Take() moves on to the one after it.
    const TextLine* Next() const { return m_ended ? nullptr : &m_line; }
    void Take() { Read(); }

private:
    void Read() {
        if (m_at > m_text.size()) {
            m_ended = true;
            return;
        }
        const std::size_t end = std::min(m_text.find_first_of("\r\n", m_at), m_text.size());
        const std::string_view line = m_text.substr(m_at, end - m_at);
        m_line = {m_at, line.substr(0, line.find('\0')), m_line.number + 1};
        m_at = end == m_text.size() ? end + 1 : end + (m_text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }

    std::string_view m_text;
    std::size_t m_at = 0;  // where the line after m_line begins; past the end after the last
    TextLine m_line{0, {}, 0};
    bool m_ended = false;
};

// The offset of `part` in the text that `line` is a line of.
std::size_t OffsetOf(const TextLine& line, std::string_view part) {
    return line.at + static_cast<std::size_t>(part.data() - line.text.data());
}

}  // namespace

std::vector<FoundCodeLine> FindCodeLines(std::string_view text) {
    std::vector<FoundCodeLine> found;
    TextLines lines(text);
    while (const TextLine* next = lines.Next()) {
        const TextLine here = *next;
        lines.Take();
        const std::string_view line = WithoutQuoteMarks(here.text);
        std::size_t at = FindHeader(line, 0);
        while (at != std::string_view::npos) {
            const std::size_t after = FindHeader(line, at + kHeader.size());
            const std::string_view code =
                TrimBlanks(line.substr(at, after == std::string_view::npos ? after : after - at));
            at = after;
            if (!RejectionReason(code).empty()) {
                continue;
            }
            FoundCodeLine result{here.number, std::string(code), {}};
            result.pieces.push_back({OffsetOf(here, code), 0, code.size()});
            // Only the last code line of a text line can go on in the next ones.
            bool kinks = false;
            const bool goesOn = after == std::string_view::npos && GoesOnInTokens(code, kinks);
            for (const TextLine* wrapped = lines.Next(); goesOn && wrapped != nullptr;
                 wrapped = lines.Next()) {
                const std::string_view more = TrimBlanks(WithoutQuoteMarks(wrapped->text));
                if (FindHeader(more, 0) != std::string_view::npos || !IsContinuation(more, kinks)) {
                    break;
                }
                result.code += ' ';
                result.pieces.push_back(
                    {OffsetOf(*wrapped, more), result.code.size(), more.size()});
                result.code += more;
                lines.Take();
            }
            found.push_back(std::move(result));
        }
    }
    return found;
}

std::size_t TextOffset(const FoundCodeLine& found, std::size_t codeAt) {
    std::size_t offset = 0;
    for (const FoundCodeLine::Piece& piece : found.pieces) {
        if (codeAt < piece.codeAt) {
            break;
        }
        offset = piece.textAt + std::min(codeAt - piece.codeAt, piece.size);
    }
    return offset;
}

}  // namespace brindlex
