#include <functional>
#include <string>
#include <utility>

#include "codec/codec.h"
#include "codec/fastread.h"
#include "codec/readers.h"
#include "codec/readpath.h"

namespace brindlex {

namespace {

using namespace reading;

// Moves `pos` on as the value-passing reader `read` does.
template <typename Reader>
unsigned Advance(std::string_view text, std::size_t& pos, Reader read) {
    const Read result = read(text, pos);
    pos = result.pos;
    return result.value;
}

}  // namespace

unsigned ReadLevelMarks(std::string_view text, std::size_t& pos) {
    return Advance(text, pos, LevelMarksAt);
}

unsigned ReadGenderLetter(std::string_view text, std::size_t& pos) {
    return Advance(text, pos, GenderLetterAt);
}

unsigned ReadAttractionMarks(std::string_view text, std::size_t& pos) {
    return Advance(text, pos, AttractionMarksAt);
}

unsigned ReadKinkMarks(std::string_view text, std::size_t& pos) {
    return Advance(text, pos, KinkMarksAt);
}

namespace {

// Reads a line whose header and family code have been read into `r`.
void ReadLine(std::string_view text, const Family& start, PROFILE& r) {
    r.clear();
    const ReadPath path = ActiveReadPath();
    const std::size_t tags = ReadSpeciesAndSpecifics(text, start.pos, start.family, r);
    if (path == ReadPath::kGeneral) {
        ReadTags(text, tags, r);
    } else if (!ReadWrittenTags(text, tags, path == ReadPath::kWide, r)) {
        r.clear();
        ReadTags(text, ReadSpeciesAndSpecifics(text, start.pos, start.family, r), r);
    }
}

// Whether `text` lies in the room of `name`, which clearing the name would overwrite.
bool InRoomOf(std::string_view text, const std::string& name) {
    const std::less<const char*> before;
    return before(text.data(), name.data() + name.capacity() + 1) &&
           before(name.data(), text.data() + text.size());
}

}  // namespace

bool ParseCode(std::string_view text, PROFILE& profile) {
    const Family start = ReadFamily(text);
    if (start.start != Start::kAccepted) {
        return false;
    }
    if (InRoomOf(text, profile.customSpeciesName)) {
        PROFILE record;
        ReadLine(text, start, record);
        profile = std::move(record);
    } else {
        ReadLine(text, start, profile);
    }
    return true;
}

std::string RejectionReason(std::string_view text, const Wording& wording) {
    const Family start = ReadFamily(text);
    switch (start.start) {
        case Start::kAccepted:
            return {};
        case Start::kNoHeader:
            return Phrase(wording, Refusing::kNoHeader);
        case Start::kUnknownFamily:
            break;
    }
    const auto c = static_cast<unsigned char>(text[start.pos]);
    if (c > ' ' && c < 127) {
        const char code[] = {static_cast<char>(c), '\0'};
        return FillIn(Phrase(wording, Refusing::kUnknownFamily), {code});
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    const char hex[] = {kHex[c >> 4], kHex[c & 15u], '\0'};
    return FillIn(Phrase(wording, Refusing::kUnknownFamilyByte), {hex});
}

}  // namespace brindlex
