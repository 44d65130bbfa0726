#include "profile_json.h"

#include <string>

namespace brindlex {

namespace {

constexpr std::string_view kNameMember = "customSpeciesName";
constexpr std::string_view kKinksMember = "kinkPrefs";

std::string Range(unsigned maxValue) {
    return "0.." + std::to_string(maxValue);
}

// An integer 0..maxValue; a field of one bit also takes false and true.
unsigned ReadUnsigned(const nlohmann::json& value, const std::string& member, unsigned maxValue) {
    if (maxValue == 1 && value.is_boolean()) {
        return value.get<bool>() ? 1 : 0;
    }
    if (value.is_number_unsigned() && value.get<std::uint64_t>() <= maxValue) {
        return static_cast<unsigned>(value.get<std::uint64_t>());
    }
    const char* what = value.is_number_integer() ? "is out of range" : "is not an integer";
    throw ProfileJsonError("member '" + member + "' " + what + ": it takes an integer in " +
                           Range(maxValue));
}

void ReadKinks(const nlohmann::json& value, PROFILE& profile) {
    const std::string member(kKinksMember);
    if (!value.is_array() || value.size() != kKinkCount) {
        throw ProfileJsonError("member '" + member + "' must be an array of " +
                               std::to_string(kKinkCount) + " integers in " + Range(15));
    }
    for (int k = 0; k < kKinkCount; ++k) {
        const std::string name = member + "[" + std::to_string(k) + "]";
        profile.setKink(k, ReadUnsigned(value[static_cast<std::size_t>(k)], name, 15));
    }
}

}  // namespace

nlohmann::ordered_json ProfileToJson(const PROFILE& profile) {
    nlohmann::ordered_json json;
    for (const FieldInfo& field : kProfileFields) {
        json[std::string(field.name)] = field.get(profile);
        if (field.name == "speciesIndex") {
            json[std::string(kNameMember)] = profile.customSpeciesName;
        }
    }
    nlohmann::ordered_json kinks = nlohmann::ordered_json::array();
    for (int k = 0; k < kKinkCount; ++k) {
        kinks.push_back(profile.kink(k));
    }
    json[std::string(kKinksMember)] = std::move(kinks);
    return json;
}

PROFILE ProfileFromJson(const nlohmann::json& json) {
    if (!json.is_object()) {
        throw ProfileJsonError("the answers must be a JSON object");
    }
    PROFILE profile;
    for (const auto& [member, value] : json.items()) {
        if (member == kNameMember) {
            if (!value.is_string()) {
                throw ProfileJsonError("member '" + member + "' must be a string");
            }
            profile.customSpeciesName = value.get<std::string>();
        } else if (member == kKinksMember) {
            ReadKinks(value, profile);
        } else if (const FieldInfo* field = FindField(member)) {
            field->set(profile, ReadUnsigned(value, member, field->maxValue()));
        } else {
            throw ProfileJsonError("unknown member '" + member + "'");
        }
    }
    return profile;
}

}  // namespace brindlex
