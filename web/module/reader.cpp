#include "web/module/reader.h"

#include <algorithm>

#include "codec/codec.h"
#include "codec/compare.h"
#include "codec/find.h"
#include "codec/trace.h"

namespace brindlex::web {

std::size_t Utf16Offset(std::string_view text, std::size_t at) {
    at = std::min(at, text.size());
    std::size_t units = 0;
    for (std::size_t i = 0; i < at; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0u) != 0x80u) {
            // A lead byte of four starts a character beyond the first plane: two units.
            units += byte >= 0xF0u ? 2 : 1;
        }
    }
    return units;
}

std::vector<FoundLine> FindLines(std::string_view text) {
    std::vector<FoundLine> lines;
    for (FoundCodeLine& found : FindCodeLines(text)) {
        lines.push_back({found.lineNumber, std::move(found.code)});
    }
    return lines;
}

std::optional<LineReading> ReadFoundLine(std::string_view text, std::size_t index,
                                         const PROFILE& yours) {
    const std::vector<FoundCodeLine> found = FindCodeLines(text);
    if (index >= found.size()) {
        return std::nullopt;
    }
    const FoundCodeLine& line = found[index];
    PROFILE theirs;
    std::vector<ReadStep> steps;
    if (!ParseCode(line.code, theirs, &steps)) {
        return std::nullopt;  // the lines found are those that read
    }
    LineReading reading;
    reading.code = line.code;
    Comparison compared = CompareAnswers(theirs, yours, true);
    reading.same = compared.same;
    for (ComparedAnswer& answer : compared.answers) {
        reading.differing += answer.differs ? 1 : 0;
        reading.rows.push_back({answer.category, std::move(answer.caption), std::move(answer.first),
                                std::move(answer.second), std::move(answer.firstCode),
                                answer.differs});
    }
    const std::string normal = ComposeCode(theirs);
    for (const ReadStep& step : steps) {
        if (IsRepair(step)) {
            reading.repairs.push_back({DescribeRepair(line.code, normal, step),
                                       Utf16Offset(text, TextOffset(line, step.at)),
                                       Utf16Offset(text, TextOffset(line, step.at + step.size))});
        }
    }
    return reading;
}

}  // namespace brindlex::web
