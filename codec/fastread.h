// The reader of code lines in the writer's own form; ParseCode tries it first.
#pragma once

#include <cstddef>
#include <string_view>

#include "profile/profile.h"

namespace brindlex {

// Reads the tag section of `text`, from the blank before `pos` (the end of the specifics
// group), into `r` when it is exactly what the writer writes for some record, and returns
// true. Returns false otherwise, with `r` to be dropped and the line left to the general
// reader, which reads such lines alike. With `wide` (only where the processor runs them) the
// AVX-512 paths are taken.
bool ReadWrittenTags(std::string_view text, std::size_t pos, bool wide, PROFILE& r);

}  // namespace brindlex
