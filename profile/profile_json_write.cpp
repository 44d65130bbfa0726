// Writing the answers record as JSON.
#include "profile/profile_json.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <utility>

#include "profile/profile_json_members.h"

namespace brindlex {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// A text made at compile time, in room for `kRoom` characters.
template <std::size_t kRoom>
struct Text {
    std::array<char, kRoom> data{};
    std::size_t size = 0;

    constexpr void Add(std::string_view piece) {
        for (const char c : piece) {
            data[size++] = c;
        }
    }
};

constexpr std::size_t kFieldCount = std::tuple_size_v<decltype(kProfileFields)>;

// The text before each numeric value: `{"speciesFamily":`, `,"speciesIndex":`, ...
constexpr std::size_t kKeyRoom = 32;
// `lead`, the member's name in quotes and what follows the name.
constexpr Text<kKeyRoom> MemberKey(std::string_view lead, std::string_view name,
                                   std::string_view after) {
    Text<kKeyRoom> key;
    key.Add(lead);
    key.Add("\"");
    key.Add(name);
    key.Add(after);
    return key;
}

constexpr Text<kKeyRoom> KeyOf(std::size_t field) {
    return MemberKey(field == 0 ? "{" : ",", kProfileFields[field].name, "\":");
}

template <std::size_t... kField>
constexpr std::array<Text<kKeyRoom>, kFieldCount> KeysOf(std::index_sequence<kField...>) {
    return {{KeyOf(kField)...}};
}
constexpr auto kKeys = KeysOf(std::make_index_sequence<kFieldCount>{});

// The name's key follows this numeric member.
constexpr std::size_t NameAfter() {
    std::size_t field = 0;
    while (kProfileFields[field].name != "speciesIndex") {
        ++field;
    }
    return field;
}
constexpr std::size_t kNameAfter = NameAfter();

constexpr std::size_t kKinksRoom = 3 * kKinkCount + 32;
constexpr Text<kKeyRoom> kNameKey = MemberKey(",", kNameMember, "\":\"");
constexpr Text<kKeyRoom> kKinksKey = MemberKey(",", kKinksMember, "\":[");
// The kinks of a record without any, and the end of the object.
constexpr Text<kKinksRoom> kNoKinks = [] {
    Text<kKinksRoom> text;
    text.Add({kKinksKey.data.data(), kKinksKey.size});
    for (int k = 0; k < kKinkCount; ++k) {
        text.Add(k == 0 ? "0" : ",0");
    }
    text.Add("]}");
    return text;
}();

// The kinks are written a byte of two cells at a time where two kinks that follow
// each other in the list share a byte, even cell first, and a cell at a time elsewhere.
constexpr bool SharesByteWithNext(int kink) {
    const int cell = KinkCellOf(kink);
    return cell % 2 == 0 && kink + 1 < kKinkCount && KinkCellOf(kink + 1) == cell + 1;
}
struct KinkStep {
    bool pair = false;
    std::size_t cell = 0;  // the first
};
constexpr std::size_t kKinkStepCount = [] {
    std::size_t steps = 0;
    for (int k = 0; k < kKinkCount; k += SharesByteWithNext(k) ? 2 : 1) {
        ++steps;
    }
    return steps;
}();
constexpr std::array<KinkStep, kKinkStepCount> kKinkSteps = [] {
    std::array<KinkStep, kKinkStepCount> steps{};
    std::size_t step = 0;
    for (int k = 0; k < kKinkCount; k += SharesByteWithNext(k) ? 2 : 1) {
        steps[step++] = {SharesByteWithNext(k), static_cast<std::size_t>(KinkCellOf(k))};
    }
    return steps;
}();

// "0," .. "15,", copied in one four-byte move, its length in the last byte.
constexpr std::array<std::array<char, 4>, 16> kKinkPieces = [] {
    std::array<std::array<char, 4>, 16> pieces{};
    for (std::size_t v = 0; v < pieces.size(); ++v) {
        std::size_t at = 0;
        if (v >= 10) {
            pieces[v][at++] = '1';
        }
        pieces[v][at++] = static_cast<char>('0' + v % 10);
        pieces[v][at++] = ',';
        pieces[v][3] = static_cast<char>(at);
    }
    return pieces;
}();

// The two kinks of each byte, "0,0," .. "15,15,", copied in one eight-byte move, their
// length in the last byte.
constexpr std::array<std::array<char, 8>, 256> kKinkPairs = [] {
    std::array<std::array<char, 8>, 256> pairs{};
    for (std::size_t byte = 0; byte < pairs.size(); ++byte) {
        std::size_t at = 0;
        for (const std::size_t v : {byte & 15, byte >> 4}) {
            const auto& piece = kKinkPieces[v];
            for (std::size_t i = 0; i < static_cast<std::size_t>(piece[3]); ++i) {
                pairs[byte][at++] = piece[i];
            }
        }
        pairs[byte][7] = static_cast<char>(at);
    }
    return pairs;
}();

constexpr unsigned DigitsOf(unsigned value) {
    return value < 10 ? 1 : 1 + DigitsOf(value / 10);
}

// The most the members and kinks after the name take, and the most before it.
constexpr std::size_t RoomOf(std::size_t first, std::size_t last) {
    std::size_t room = 0;
    for (std::size_t field = first; field < last; ++field) {
        room += kKeys[field].size + DigitsOf(kProfileFields[field].maxValue());
    }
    return room;
}
constexpr std::size_t kRoomBefore = RoomOf(0, kNameAfter + 1) + kNameKey.size;
constexpr std::size_t kRoomAfter = 1 + RoomOf(kNameAfter + 1, kFieldCount) + kKinksKey.size +
                                   3 * kKinkCount + 2 + 8;  // and what a last move spills
static_assert(kKinksKey.size + 3 * kKinkCount + 2 <= kKinksRoom);

// "00" .. "99".
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t v = 0; v < 100; ++v) {
        pairs[2 * v] = static_cast<char>('0' + v / 10);
        pairs[2 * v + 1] = static_cast<char>('0' + v % 10);
    }
    return pairs;
}();

char* PutPair(char* at, unsigned value) {
    std::memcpy(at, &kDigitPairs[2 * value], 2);
    return at + 2;
}

char* PutBelow100(char* at, unsigned value) {
    if (value < 10) {
        *at = static_cast<char>('0' + value);
        return at + 1;
    }
    return PutPair(at, value);
}

char* PutWide(char* at, unsigned value) {
    if (value < 100) {
        return PutBelow100(at, value);
    }
    const unsigned digits = DigitsOf(value);
    char* const end = at + digits;
    char* put = end;
    while (value >= 100) {
        put -= 2;
        PutPair(put, value % 100);
        value /= 100;
    }
    if (value >= 10) {
        PutPair(put - 2, value);
    } else {
        put[-1] = static_cast<char>('0' + value);
    }
    return end;
}

// Writes a value of at most `kMax` without a leading zero.
template <unsigned kMax>
char* PutValue(char* at, unsigned value) {
    if constexpr (kMax < 10) {
        *at = static_cast<char>('0' + value);
        return at + 1;
    } else if constexpr (kMax < 100) {
        return PutBelow100(at, value);
    } else {
        return PutWide(at, value);
    }
}

template <std::size_t kField>
char* PutMember(const PROFILE& profile, char* at) {
    constexpr std::size_t kSize = kKeys[kField].size;
    constexpr auto get = kProfileFields[kField].get;
    std::memcpy(at, kKeys[kField].data.data(), kSize);
    return PutValue<kProfileFields[kField].maxValue()>(at + kSize, get(profile));
}

template <std::size_t kFirst, std::size_t... kField>
char* PutMembers(const PROFILE& profile, char* at, std::index_sequence<kField...>) {
    ((at = PutMember<kFirst + kField>(profile, at)), ...);
    return at;
}

// Writes the numeric members [kFirst, kLast).
template <std::size_t kFirst, std::size_t kLast>
char* PutMembers(const PROFILE& profile, char* at) {
    return PutMembers<kFirst>(profile, at, std::make_index_sequence<kLast - kFirst>{});
}

template <std::size_t kStep>
char* PutKinkStep(const std::array<std::uint8_t, kKinkCount / 2>& bytes, char* at) {
    constexpr KinkStep kWhat = kKinkSteps[kStep];
    const unsigned byte = bytes[kWhat.cell / 2];
    if constexpr (kWhat.pair) {
        std::memcpy(at, kKinkPairs[byte].data(), 8);
        return at + kKinkPairs[byte][7];
    } else {
        // Two cells to a byte, the even one in the low nibble.
        const unsigned value = (byte >> (kWhat.cell % 2 * 4)) & 15u;
        std::memcpy(at, kKinkPieces[value].data(), 4);
        return at + kKinkPieces[value][3];
    }
}

template <std::size_t... kStep>
char* PutKinkSteps(const std::array<std::uint8_t, kKinkCount / 2>& bytes, char* at,
                   std::index_sequence<kStep...>) {
    ((at = PutKinkStep<kStep>(bytes, at)), ...);
    return at;
}

// Writes the kinks and the end of the object.
char* PutKinks(const PROFILE& profile, char* at) {
    const auto& bytes = profile.kinkPrefs;
    std::uint64_t any = 0;
    for (std::size_t i = 0; i < bytes.size(); i += sizeof any) {
        std::uint64_t word;
        std::memcpy(&word, &bytes[i], sizeof word);
        any |= word;
    }
    if (any == 0) {
        std::memcpy(at, kNoKinks.data.data(), kNoKinks.size);
        return at + kNoKinks.size;
    }
    std::memcpy(at, kKinksKey.data.data(), kKinksKey.size);
    at = PutKinkSteps(bytes, at + kKinksKey.size, std::make_index_sequence<kKinkStepCount>{});
    at[-1] = ']';
    *at++ = '}';
    return at;
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
    // Everything but the name is written here first, then added in one piece; without a
    // name, the whole record is.
    std::array<char, kRoomBefore + kRoomAfter> room;
    char* at = PutMembers<0, kNameAfter + 1>(profile, room.data());
    std::memcpy(at, kNameKey.data.data(), kNameKey.size);
    at += kNameKey.size;
    if (!profile.customSpeciesName.empty()) {
        out.append(room.data(), static_cast<std::size_t>(at - room.data()));
        AppendEscaped(profile.customSpeciesName, out, limit, drain);
        at = room.data();
    }
    *at++ = '"';
    at = PutMembers<kNameAfter + 1, kFieldCount>(profile, at);
    at = PutKinks(profile, at);
    out.append(room.data(), static_cast<std::size_t>(at - room.data()));
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
