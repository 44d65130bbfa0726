#include "codec/wording.h"

namespace brindlex {

namespace {

class English : public Wording {
public:
    std::string text(std::string_view, std::string_view english) const override {
        return std::string(english);
    }
};

template <std::size_t N>
std::string PhraseOf(const Wording& wording, std::string_view context,
                     const std::array<std::string_view, N>& phrases, std::size_t phrase) {
    return wording.text(context, phrases.at(phrase));
}

template <std::size_t N>
void VisitPhrases(const TextVisitor& visit, std::string_view context,
                  const std::array<std::string_view, N>& phrases) {
    for (const std::string_view phrase : phrases) {
        visit(context, phrase);
    }
}

}  // namespace

const Wording& EnglishWording() {
    static const English english;
    return english;
}

std::string ShownText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            shown += text[i];
        }
    }
    return shown;
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && number < args.size()) {
            out += *(args.begin() + number);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string Phrase(const Wording& wording, Explaining phrase) {
    return PhraseOf(wording, text_context::kExplanations, kExplainingPhrases,
                    static_cast<std::size_t>(phrase));
}

std::string Phrase(const Wording& wording, Repairing phrase) {
    return PhraseOf(wording, text_context::kRepairs, kRepairingPhrases,
                    static_cast<std::size_t>(phrase));
}

std::string Phrase(const Wording& wording, Refusing phrase) {
    return PhraseOf(wording, text_context::kRefusals, kRefusingPhrases,
                    static_cast<std::size_t>(phrase));
}

void ForEachCoreText(const TextVisitor& visit) {
    ForEachTableText(visit);
    VisitPhrases(visit, text_context::kExplanations, kExplainingPhrases);
    VisitPhrases(visit, text_context::kRepairs, kRepairingPhrases);
    VisitPhrases(visit, text_context::kRefusals, kRefusingPhrases);
}

}  // namespace brindlex
