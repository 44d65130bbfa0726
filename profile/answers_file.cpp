#include "profile/answers_file.h"

#include <nlohmann/json.hpp>

#include "profile/profile_json_members.h"

namespace brindlex {

namespace {

constexpr std::size_t kLongestValueShown = 40;

std::string ShortJson(const nlohmann::json& value) {
    std::string text = value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    return text.size() <= kLongestValueShown ? text : text.substr(0, kLongestValueShown) + "...";
}

}  // namespace

AnswersFile ReadAnswersFile(std::string_view text) {
    AnswersFile file;
    try {
        file.profile = ProfileFromJsonText(text, NameCharacters::kAny);
        return file;
    } catch (const ProfileJsonError& error) {
        if (error.ofWholeText()) {
            throw;
        }
    }
    // Some member is at fault: take the members one by one out of the document until the
    // rest reads, so that the rules of each member stay those of the strict reader.
    nlohmann::json document;
    try {
        document = nlohmann::json::parse(text);
    } catch (const nlohmann::json::parse_error& error) {
        // The strict reader stopped at a member before it came to what is no JSON.
        ThrowUnreadableText(text, error.byte);
    } catch (const nlohmann::json::exception&) {
        throw ProfileJsonError(ProfileJsonError::Problem::kNotJson, {},
                               "the text is not an answers record: it holds a number too large "
                               "for JSON");
    }
    for (;;) {
        try {
            file.profile = ProfileFromJsonText(document.dump(), NameCharacters::kAny);
            return file;
        } catch (const ProfileJsonError& error) {
            const auto member = document.find(error.member());
            if (error.ofWholeText() || member == document.end()) {
                throw;
            }
            if (error.problem() == ProfileJsonError::Problem::kUnknownMember) {
                file.kept.push_back({member.key(), member->dump()});
            } else {
                file.lost.push_back({member.key(), ShortJson(*member), error.what()});
            }
            document.erase(member);
        }
    }
}

std::string WriteAnswersFile(const PROFILE& profile, const std::vector<KeptMember>& kept) {
    std::string text = ProfileToJsonText(profile);
    text.pop_back();  // the record's closing brace
    for (const KeptMember& member : kept) {
        text += ',';
        AppendJsonString(member.name, text);
        text += ':';
        text += member.json;
    }
    text += '}';
    return text;
}

}  // namespace brindlex
