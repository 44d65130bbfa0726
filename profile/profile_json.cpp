#include "profile/profile_json.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>
#include <utility>

#include "profile/profile_json_members.h"

namespace brindlex {

namespace {

std::string Range(unsigned maxValue) {
    return "0.." + std::to_string(maxValue);
}

// Builds the record while the JSON text is read, without a document in
// between, so that a long name is held no more than twice.
class RecordReader : public nlohmann::json_sax<nlohmann::json> {
public:
    explicit RecordReader(NameCharacters name) : name_(name) {}

    PROFILE& profile() { return profile_; }

    bool null() override { return NotANumber(); }
    bool boolean(bool value) override {
        if (const FieldInfo* field = Field(); field != nullptr && field->maxValue() == 1) {
            return Store(value ? 1 : 0);
        }
        return NotANumber();
    }
    bool number_integer(number_integer_t) override { return OutOfRange(); }  // below 0
    bool number_unsigned(number_unsigned_t value) override {
        return value <= MaxValue() ? Store(static_cast<unsigned>(value)) : OutOfRange();
    }
    bool number_float(number_float_t, const string_t&) override { return NotANumber(); }
    bool binary(binary_t&) override { return NotANumber(); }

    bool string(string_t& value) override {
        if (depth_ != 1 || member_ != kNameMember) {
            return NotANumber();
        }
        const auto control = std::find_if(value.begin(), value.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        });
        if (control != value.end() && name_ == NameCharacters::kOneLine) {
            constexpr char kHex[] = "0123456789ABCDEF";
            const auto code = static_cast<unsigned char>(*control);
            throw ProfileJsonError("member '" + member_ + "' holds the control character U+00" +
                                   kHex[code >> 4] + kHex[code & 15] +
                                   ", but a code line is one line of text");
        }
        profile_.customSpeciesName = std::move(value);
        return true;
    }

    bool start_object(std::size_t) override {
        if (depth_ != 0) {
            return NotANumber();
        }
        depth_ = 1;
        return true;
    }
    bool key(string_t& name) override {
        if (!members_.insert(name).second) {
            throw ProfileJsonError("member '" + name + "' is given twice");
        }
        member_ = name;
        if (member_ != kNameMember && member_ != kKinksMember && FindField(member_) == nullptr) {
            throw ProfileJsonError("unknown member '" + member_ + "'");
        }
        return true;
    }
    bool end_object() override { return true; }

    bool start_array(std::size_t) override {
        if (depth_ != 1 || member_ != kKinksMember) {
            return NotANumber();
        }
        depth_ = 2;
        kink_ = 0;
        return true;
    }
    bool end_array() override {
        if (kink_ != kKinkCount) {
            throw WrongKinks();
        }
        depth_ = 1;
        return true;
    }

    bool parse_error(std::size_t, const std::string&,
                     const nlohmann::detail::exception& error) override {
        if (dynamic_cast<const nlohmann::json::parse_error*>(&error) != nullptr) {
            throw ProfileJsonError(std::string("the input is not JSON: ") + error.what());
        }
        throw ProfileJsonError(std::string("the input holds JSON that cannot be read: ") +
                               error.what());
    }

private:
    // The numeric field of the member being read, or nullptr.
    const FieldInfo* Field() const { return depth_ == 1 ? FindField(member_) : nullptr; }

    unsigned MaxValue() const {
        if (depth_ == 2) {
            return 15;
        }
        const FieldInfo* field = Field();
        return field != nullptr ? field->maxValue() : 0;
    }

    std::string Where() const {
        return depth_ == 2 ? member_ + "[" + std::to_string(kink_) + "]" : member_;
    }

    bool Store(unsigned value) {
        if (depth_ == 2) {
            if (kink_ == kKinkCount) {
                throw WrongKinks();
            }
            profile_.setKink(kink_++, value);
        } else if (const FieldInfo* field = Field()) {
            field->set(profile_, value);
        } else {
            return NotANumber();
        }
        return true;
    }

    // A value that is not a number where one belongs, or no object at all.
    [[noreturn]] bool NotANumber() const {
        if (depth_ == 0) {
            throw ProfileJsonError("the answers must be a JSON object");
        }
        if (depth_ == 1 && member_ == kNameMember) {
            throw ProfileJsonError("member '" + member_ + "' must be a string");
        }
        if (depth_ == 1 ? member_ == kKinksMember : kink_ == kKinkCount) {
            throw WrongKinks();
        }
        throw ProfileJsonError("member '" + Where() +
                               "' is not an integer: it takes an integer in " + Range(MaxValue()));
    }

    [[noreturn]] bool OutOfRange() const {
        if (depth_ == 2 ? kink_ == kKinkCount : Field() == nullptr) {
            NotANumber();  // no number belongs here at all
        }
        throw ProfileJsonError("member '" + Where() + "' is out of range: it takes an integer in " +
                               Range(MaxValue()));
    }

    ProfileJsonError WrongKinks() const {
        return ProfileJsonError("member '" + std::string(kKinksMember) + "' must be an array of " +
                                std::to_string(kKinkCount) + " integers in " + Range(15));
    }

    PROFILE profile_;
    NameCharacters name_;
    int depth_ = 0;  // 1 in the record, 2 in its kink array
    std::string member_;
    std::set<std::string> members_;
    int kink_ = 0;
};

}  // namespace

PROFILE ProfileFromJsonText(std::string_view text, NameCharacters name) {
    RecordReader reader(name);
    nlohmann::json::sax_parse(text.begin(), text.end(), &reader);
    return std::move(reader.profile());
}

}  // namespace brindlex
