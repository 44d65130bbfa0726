// Reads arbitrary bytes as an answers record in JSON, as `compose` and the answers file do:
// the reader must reject with a ProfileJsonError and nothing else, and what it accepts must
// write back to text that reads to the same record. The first byte picks whether a name may
// hold control characters, as the window's own file allows.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fail.h"
#include "profile/profile_json.h"

using brindlex::NameCharacters;
using brindlex::fuzz::Fail;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const NameCharacters name =
        (data[0] & 1u) != 0 ? NameCharacters::kAny : NameCharacters::kOneLine;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    brindlex::PROFILE record;
    try {
        record = brindlex::ProfileFromJsonText(text, name);
    } catch (const brindlex::ProfileJsonError&) {
        return 0;  // any other exception escapes, and libFuzzer reports it
    }
    const std::string written = brindlex::ProfileToJsonText(record);
    brindlex::PROFILE again;
    try {
        again = brindlex::ProfileFromJsonText(written, name);
    } catch (const brindlex::ProfileJsonError& e) {
        Fail(e.what(), written);
    }
    if (again != record) {
        Fail("the record written out reads otherwise", written);
    }
    if (brindlex::ProfileToJsonText(again) != written) {
        Fail("the record read back writes otherwise", written);
    }
    return 0;
}
