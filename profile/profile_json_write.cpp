// Writing the answers record as JSON.
#include "profile/profile_json.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <utility>

#include "profile/profile_json_members.h"

namespace brindlex {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// The text before each value, padded so that it is copied in one fixed-size
// move: `{"speciesFamily":`, `,"speciesIndex":`, ...
struct Key {
    static constexpr std::size_t kRoom = 32;
    std::array<char, kRoom> text{};
    std::size_t size = 0;
};

struct MemberKeys {
    std::array<Key, std::tuple_size_v<decltype(kProfileFields)>> numeric;
    std::size_t nameAfter = 0;            // the name's key follows this numeric member
    std::string name;                     // `,"customSpeciesName":"`
    std::string kinks;                    // `,"kinkPrefs":[`
    std::string noKinks;                  // `,"kinkPrefs":[0,...,0]}`
    std::array<int, kKinkCount> cells{};  // the cell of each kink in list order
    std::size_t room = 0;                 // the most any run of numeric members and kinks takes

    MemberKeys() {
        for (std::size_t i = 0; i < numeric.size(); ++i) {
            const std::string text =
                (i == 0 ? "{\"" : ",\"") + std::string(kProfileFields[i].name) + "\":";
            if (text.size() > Key::kRoom) {
                throw std::logic_error("field name too long for its JSON key");
            }
            text.copy(numeric[i].text.data(), text.size());
            numeric[i].size = text.size();
            room += Key::kRoom + 10;  // an unsigned field has at most 10 digits
            if (kProfileFields[i].name == "speciesIndex") {
                nameAfter = i;
            }
        }
        name = ",\"" + std::string(kNameMember) + "\":\"";
        kinks = ",\"" + std::string(kKinksMember) + "\":[";
        noKinks = kinks;
        for (int k = 0; k < kKinkCount; ++k) {
            noKinks += k == 0 ? "0" : ",0";
            cells[static_cast<std::size_t>(k)] = KinkCellOf(k);
        }
        noKinks += "]}";
        room += kinks.size() + 3 * kKinkCount + 2;
    }
};

const MemberKeys& Keys() {
    static const MemberKeys keys;
    return keys;
}

char* PutUnsigned(char* at, unsigned value) {
    if (value < 10) {
        *at = static_cast<char>('0' + value);
        return at + 1;
    }
    char digits[10];
    int count = 0;
    for (; value != 0; value /= 10) {
        digits[count++] = static_cast<char>('0' + value % 10);
    }
    while (count > 0) {
        *at++ = digits[--count];
    }
    return at;
}

// Appends the numeric members [first, last) and, when `kinks` is set, the
// kinks and the end of the object, writing straight into `out`.
void AppendNumbers(const PROFILE& profile, std::size_t first, std::size_t last, bool kinks,
                   std::string& out) {
    const MemberKeys& keys = Keys();
    const std::size_t start = out.size();
    out.resize(start + keys.room);
    char* at = out.data() + start;
    for (std::size_t i = first; i < last; ++i) {
        std::memcpy(at, keys.numeric[i].text.data(), Key::kRoom);
        at = PutUnsigned(at + keys.numeric[i].size, kProfileFields[i].get(profile));
    }
    if (kinks) {
        const auto& cells = profile.kinkPrefs;
        if (std::all_of(cells.begin(), cells.end(), [](std::uint8_t b) { return b == 0; })) {
            at = std::copy(keys.noKinks.begin(), keys.noKinks.end(), at);
        } else {
            at = std::copy(keys.kinks.begin(), keys.kinks.end(), at);
            for (std::size_t k = 0; k < keys.cells.size(); ++k) {
                if (k != 0) {
                    *at++ = ',';
                }
                // Two cells to a byte, the even one in the low nibble.
                const int cell = keys.cells[k];
                at = PutUnsigned(
                    at, (cells[static_cast<std::size_t>(cell / 2)] >> (cell % 2 * 4)) & 15u);
            }
            *at++ = ']';
            *at++ = '}';
        }
    }
    out.resize(static_cast<std::size_t>(at - out.data()));
}

// The escape of an ASCII character that JSON does not take as it is, or an
// empty view.
std::string_view ShortEscape(unsigned char c) {
    switch (c) {
        case '\b':
            return "\\b";
        case '\t':
            return "\\t";
        case '\n':
            return "\\n";
        case '\f':
            return "\\f";
        case '\r':
            return "\\r";
        case '"':
            return "\\\"";
        case '\\':
            return "\\\\";
        default:
            return {};
    }
}

bool IsPlain(unsigned char c) {
    return c >= 0x20 && c < 0x80 && c != '"' && c != '\\';
}

// Appends the characters of a JSON string. A byte sequence that is not
// UTF-8 becomes one U+FFFD up to the byte that shows it wrong, which is then
// read again as the start of what follows.
void AppendEscaped(std::string_view text, std::string& out, std::size_t limit,
                   const std::function<void(std::string&)>* drain) {
    std::size_t accepted = out.size();  // `out` up to the last whole character
    unsigned missing = 0;               // continuation bytes the character still needs
    unsigned char low = 0x80;           // the range of the next continuation byte
    unsigned char high = 0xBF;
    const auto reject = [&] {
        out.resize(accepted);
        out += kReplacement;
        accepted = out.size();
        missing = 0;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (missing != 0) {
            if (c < low || c > high) {
                reject();
                --i;
                continue;
            }
            out += static_cast<char>(c);
            low = 0x80;
            high = 0xBF;
            if (--missing == 0) {
                accepted = out.size();
            }
            continue;
        }
        if (drain != nullptr && out.size() > limit) {
            (*drain)(out);
            accepted = out.size();
        }
        if (IsPlain(c)) {
            std::size_t end = i + 1;
            while (end < text.size() && end - i < 4096 &&
                   IsPlain(static_cast<unsigned char>(text[end]))) {
                ++end;
            }
            out.append(text.data() + i, end - i);
            accepted = out.size();
            i = end - 1;
        } else if (c < 0x80) {
            const std::string_view escape = ShortEscape(c);
            if (!escape.empty()) {
                out += escape;
            } else {
                constexpr char kHex[] = "0123456789abcdef";
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 15];
            }
            accepted = out.size();
        } else {
            low = 0x80;
            high = 0xBF;
            if (c >= 0xC2 && c <= 0xDF) {
                missing = 1;
            } else if (c >= 0xE0 && c <= 0xEF) {
                missing = 2;
                low = c == 0xE0 ? 0xA0 : 0x80;   // no overlong form
                high = c == 0xED ? 0x9F : 0xBF;  // no surrogate
            } else if (c >= 0xF0 && c <= 0xF4) {
                missing = 3;
                low = c == 0xF0 ? 0x90 : 0x80;   // no overlong form
                high = c == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
            } else {
                reject();
                continue;
            }
            out += static_cast<char>(c);
        }
    }
    if (missing != 0) {
        reject();
    }
}

void AppendProfile(const PROFILE& profile, std::string& out, std::size_t limit,
                   const std::function<void(std::string&)>* drain) {
    const MemberKeys& keys = Keys();
    AppendNumbers(profile, 0, keys.nameAfter + 1, false, out);
    out += keys.name;
    AppendEscaped(profile.customSpeciesName, out, limit, drain);
    out += '"';
    AppendNumbers(profile, keys.nameAfter + 1, keys.numeric.size(), true, out);
}

}  // namespace

std::string ProfileToJsonText(const PROFILE& profile) {
    std::string text;
    AppendProfile(profile, text, 0, nullptr);
    return text;
}

void AppendProfileJson(const PROFILE& profile, std::string& out) {
    AppendProfile(profile, out, 0, nullptr);
}

void AppendProfileJson(const PROFILE& profile, std::string& out, std::size_t limit,
                       const std::function<void(std::string&)>& drain) {
    AppendProfile(profile, out, limit, drain ? &drain : nullptr);
}

void AppendJsonString(std::string_view text, std::string& out) {
    out += '"';
    AppendEscaped(text, out, 0, nullptr);
    out += '"';
}

void AppendJsonString(std::string_view text, std::string& out, std::size_t limit,
                      const std::function<void(std::string&)>& drain) {
    out += '"';
    AppendEscaped(text, out, limit, &drain);
    out += '"';
}

}  // namespace brindlex
