// The core's texts as the window shows them: with real line breaks, in the user's language.
#pragma once

#include <string_view>

#include <QString>

namespace brindlex {

class Wording;

// A text of the core as the window shows it, with real line breaks for "\r\n".
QString DisplayText(std::string_view text);

// A text of the core's table `context` (profile/textcontexts.h) in the user's language, as
// the application's translators give it; the text itself where they have none.
QString CoreText(const char* context, std::string_view text);

// The translation context of the caption of `category` (0..120): the kinks' on a kink's page,
// the categories' on every other.
const char* CaptionContext(int category);

// The core's words in the user's language, for the explainer, the repairs and refusals.
const Wording& UserWording();

}  // namespace brindlex
