// The words in which the core tells answers, repairs and refusals. The core speaks English;
// a program that shows these texts in another language hands it a Wording that translates
// them, by the translation context of their table (profile/textcontexts.h).
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "profile/textcontexts.h"

namespace brindlex {

class Wording {
public:
    virtual ~Wording() = default;
    // `english`, a text of the table or phrase list that `context` names, in the language
    // wanted. Where the table has "\r\n" a translation may have "\n".
    virtual std::string text(std::string_view context, std::string_view english) const = 0;
};

// The core's own texts, unchanged.
const Wording& EnglishWording();

// A core text as programs show it and translations know it: "\r\n" becomes "\n".
std::string ShownText(std::string_view text);

// `pattern` with "%1" .. "%9" replaced by the arguments, in one pass: an argument that
// holds "%1" is not replaced again. A "%" followed by anything else stays.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> args);

namespace text_context {
inline constexpr char kExplanations[] = "Explanations";  // answers in words
inline constexpr char kRepairs[] = "Repairs";            // what the reader made of a piece
inline constexpr char kRefusals[] = "Refusals";          // why a line cannot be read
}  // namespace text_context

// The phrases of the explainer; "%1" and on stand for the parts that it fills in.
enum class Explaining : std::size_t {
    kNoAnswer,
    kYes,
    kNo,
    kUnspecified,
    kAttraction,   // guys, girls
    kYears,        // an exact age
    kStep,         // a level that its help text names no line for, with no line around it
    kStepAbove,    // ... above the line %2
    kStepBelow,    // ... below the line %2
    kStepBetween,  // ... above %2 and below %3
    kKinkAnswers,  // role play, real life
};
inline constexpr std::array<std::string_view, 11> kExplainingPhrases = {
    "no answer",
    "yes",
    "no",
    "unspecified",
    "guys: %1, girls: %2",
    "%1 years",
    "step %1 of 7",
    "step %1 of 7, above \"%2\"",
    "step %1 of 7, below \"%2\"",
    "step %1 of 7, above \"%2\" and below \"%3\"",
    "role play %1, real life %2",
};

// The phrases of a repair: where it is, and what became of the piece "%1".
enum class Repairing : std::size_t {
    kAtByte,          // byte
    kAtByteOfAnswer,  // byte, the answer's name
    kPlace,           // where, what
    kRead,
    kRewritten,  // as %2
    kRewrittenAsNothing,
    kOverridden,
    kSkipped,
};
inline constexpr std::array<std::string_view, 8> kRepairingPhrases = {
    "byte %1",
    "byte %1, %2",
    "%1: %2",
    "\"%1\" read",
    "\"%1\" rewritten as \"%2\"",
    "\"%1\" rewritten as nothing",
    "\"%1\" overridden by a later token",
    "\"%1\" skipped",
};

// Why a line cannot be read.
enum class Refusing : std::size_t {
    kNoHeader,
    kUnknownFamily,      // the family code's first character
    kUnknownFamilyByte,  // the hexadecimal value of a byte that is no printable character
};
inline constexpr std::array<std::string_view, 3> kRefusingPhrases = {
    "does not begin with 2.0F",
    "unknown family code '%1'",
    "unknown family code (byte 0x%1)",
};

// A phrase of the explainer, the repairs or the refusals in `wording`.
std::string Phrase(const Wording& wording, Explaining phrase);
std::string Phrase(const Wording& wording, Repairing phrase);
std::string Phrase(const Wording& wording, Refusing phrase);

// Calls `visit` with every text that the core shows to people: those of the profile's
// tables (ForEachTableText) and the phrases above, with their contexts.
void ForEachCoreText(const TextVisitor& visit);

}  // namespace brindlex
