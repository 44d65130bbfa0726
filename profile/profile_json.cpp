#include "profile/profile_json.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>
#include <utility>

#include "profile/profile_json_members.h"

namespace brindlex {

using Problem = ProfileJsonError::Problem;

ProfileJsonError::ProfileJsonError(Problem problem, std::string member, const std::string& message,
                                   std::size_t byte)
    : std::runtime_error(message), m_problem(problem), m_member(std::move(member)), m_byte(byte) {}

void ThrowUnreadableText(std::string_view text, std::size_t position) {
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        throw ProfileJsonError(Problem::kEmpty, {}, "the text is empty");
    }
    // The JSON reader counts the end of the text as one more byte.
    if (position > text.size()) {
        throw ProfileJsonError(
            Problem::kEndsEarly, {},
            "the text ends in the middle of the answers, after byte " + std::to_string(text.size()),
            text.size());
    }
    throw ProfileJsonError(Problem::kNotJson, {},
                           "the text is not an answers record: byte " + std::to_string(position) +
                               " cannot be read as JSON",
                           position);
}

namespace {

constexpr std::size_t kLongestValueShown = 40;

std::string Range(unsigned maxValue) {
    return "0.." + std::to_string(maxValue);
}

// `value` as the user wrote it, cut after kLongestValueShown bytes at a character's start.
std::string Shown(std::string value) {
    if (value.size() <= kLongestValueShown) {
        return value;
    }
    std::size_t cut = kLongestValueShown;
    while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0u) == 0x80u) {
        --cut;
    }
    value.resize(cut);
    return value + "...";
}

std::string Quoted(std::string_view text) {
    std::string quoted;
    AppendJsonString(text, quoted);
    return quoted;
}

// Builds the record while the JSON text is read, without a document in
// between, so that a long name is held no more than twice.
class RecordReader : public nlohmann::json_sax<nlohmann::json> {
public:
    RecordReader(std::string_view text, NameCharacters name) : m_text(text), m_name(name) {}

    PROFILE& profile() { return m_profile; }

    bool null() override { return NoSuchAnswer("null"); }
    bool boolean(bool value) override {
        if (const FieldInfo* field = Field(); field != nullptr && field->maxValue() == 1) {
            return Store(value ? 1 : 0);
        }
        return NoSuchAnswer(value ? "true" : "false");
    }
    bool number_integer(number_integer_t value) override {  // below 0
        return NoSuchAnswer(std::to_string(value));
    }
    bool number_unsigned(number_unsigned_t value) override {
        if (value <= MaxValue() && (m_depth == 2 ? m_kink < kKinkCount : Field() != nullptr)) {
            return Store(static_cast<unsigned>(value));
        }
        return NoSuchAnswer(std::to_string(value));
    }
    bool number_float(number_float_t, const string_t& written) override {
        return NoSuchAnswer(written);
    }
    bool binary(binary_t&) override { return NoSuchAnswer("binary data"); }

    bool string(string_t& value) override {
        if (m_depth != 1 || m_member != kNameMember) {
            return NoSuchAnswer(Quoted(value));
        }
        const auto control = std::find_if(value.begin(), value.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        });
        if (control != value.end() && m_name == NameCharacters::kOneLine) {
            constexpr char kHex[] = "0123456789ABCDEF";
            const auto code = static_cast<unsigned char>(*control);
            throw ProfileJsonError(Problem::kControlCharacter, m_member,
                                   "'" + m_member + "' holds the control character U+00" +
                                       kHex[code >> 4] + kHex[code & 15] +
                                       ", but a code line is one line of text");
        }
        m_profile.customSpeciesName = std::move(value);
        return true;
    }

    bool start_object(std::size_t) override {
        if (m_depth != 0) {
            return NoSuchAnswer("{...}");
        }
        m_depth = 1;
        return true;
    }
    bool key(string_t& name) override {
        if (!m_members.insert(name).second) {
            throw ProfileJsonError(Problem::kRepeatedMember, name,
                                   "'" + Shown(name) + "' is given twice");
        }
        m_member = name;
        if (m_member != kNameMember && m_member != kKinksMember && FindField(m_member) == nullptr) {
            throw ProfileJsonError(Problem::kUnknownMember, m_member,
                                   "'" + Shown(m_member) + "' is no answer that Brindlex knows");
        }
        return true;
    }
    bool end_object() override { return true; }

    bool start_array(std::size_t) override {
        if (m_depth != 1 || m_member != kKinksMember) {
            return NoSuchAnswer("[...]");
        }
        m_depth = 2;
        m_kink = 0;
        return true;
    }
    bool end_array() override {
        if (m_kink != kKinkCount) {
            throw WrongKinkCount(std::to_string(m_kink));
        }
        m_depth = 1;
        return true;
    }

    bool parse_error(std::size_t position, const std::string& token,
                     const nlohmann::detail::exception& error) override {
        // A number too large for JSON's numbers is read, and refused, like any other number.
        if (dynamic_cast<const nlohmann::json::out_of_range*>(&error) != nullptr) {
            NoSuchAnswer(token);
        }
        ThrowUnreadableText(m_text, position);
    }

private:
    // The numeric field of the member being read, or nullptr.
    const FieldInfo* Field() const { return m_depth == 1 ? FindField(m_member) : nullptr; }

    unsigned MaxValue() const {
        if (m_depth == 2) {
            return 15;
        }
        const FieldInfo* field = Field();
        return field != nullptr ? field->maxValue() : 0;
    }

    bool Store(unsigned value) {
        if (m_depth == 2) {
            m_profile.setKink(m_kink++, value);
        } else {
            Field()->set(m_profile, value);
        }
        return true;
    }

    // A value, as written, that no answer of the member being read has.
    [[noreturn]] bool NoSuchAnswer(const std::string& written) const {
        if (m_depth == 0) {
            throw ProfileJsonError(
                Problem::kNotRecord, {},
                "the text is not an answers record, which is one JSON object {...}");
        }
        const std::string value = Shown(written);
        if (m_depth == 2 && m_kink == kKinkCount) {
            throw WrongKinkCount("more than " + std::to_string(kKinkCount));
        }
        if (m_depth == 2) {
            throw ProfileJsonError(Problem::kNoSuchAnswer, m_member,
                                   "'" + m_member + "' answer " + std::to_string(m_kink + 1) +
                                       " is " + value + ", which no answer has (it takes " +
                                       Range(15) + ")");
        }
        if (m_member == kNameMember) {
            throw ProfileJsonError(
                Problem::kNoSuchAnswer, m_member,
                "'" + m_member + "' is " + value + ", but it takes a text in quotes");
        }
        if (m_member == kKinksMember) {
            throw ProfileJsonError(Problem::kNoSuchAnswer, m_member,
                                   "'" + m_member + "' is " + value + ", but it takes a list of " +
                                       std::to_string(kKinkCount) + " answers " + Range(15));
        }
        throw ProfileJsonError(Problem::kNoSuchAnswer, m_member,
                               "'" + m_member + "' is " + value +
                                   ", which no answer has (it takes " + Range(MaxValue()) + ")");
    }

    ProfileJsonError WrongKinkCount(const std::string& count) const {
        return ProfileJsonError(Problem::kNoSuchAnswer, m_member,
                                "'" + m_member + "' holds " + count + " answers, but it takes " +
                                    std::to_string(kKinkCount) + " answers " + Range(15));
    }

    std::string_view m_text;
    PROFILE m_profile;
    NameCharacters m_name;
    int m_depth = 0;  // 1 in the record, 2 in its kink array
    std::string m_member;
    std::set<std::string> m_members;
    int m_kink = 0;
};

}  // namespace

PROFILE ProfileFromJsonText(std::string_view text, NameCharacters name) {
    RecordReader reader(text, name);
    nlohmann::json::sax_parse(text.begin(), text.end(), &reader);
    return std::move(reader.profile());
}

}  // namespace brindlex
