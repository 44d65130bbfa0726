#include "app/postreading.h"

#include "codec/codec.h"
#include "codec/trace.h"
#include "codec/wording.h"
#include "ui/coretext.h"

namespace brindlex {

QString ListedText(std::string_view text) {
    if (text.size() <= kShownBytes) {
        return DisplayText(text);
    }
    std::size_t cut = kShownBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0u) == 0x80u) {
        --cut;  // not inside a character
    }
    return DisplayText(text.substr(0, cut)) + QChar(0x2026);  // HORIZONTAL ELLIPSIS
}

LineReading ReadFoundLine(const FoundCodeLine& line, const PROFILE& yours) {
    LineReading reading;
    std::vector<ReadStep> steps;
    ParseCode(line.code, reading.theirs, &steps);  // the lines found are those that read
    reading.explained = ExplainProfile(reading.theirs, true, UserWording());
    reading.own = ExplainProfile(yours, true, UserWording());
    reading.compared = CompareAnswers(reading.theirs, yours);
    for (const ReadStep& step : steps) {
        if (IsRepair(step)) {
            reading.repairs.append(
                ListedText(DescribeRepair(line.code, reading.explained.line, step, UserWording())));
            reading.repairRuns.emplace_back(TextOffset(line, step.at),
                                            TextOffset(line, step.at + step.size));
        }
    }
    return reading;
}

PostReading ReadPost(const QString& text, const QString& item, int chosen, const PROFILE& yours) {
    PostReading reading;
    reading.text = text.toStdString();
    reading.found = FindCodeLines(reading.text);
    reading.items.reserve(static_cast<qsizetype>(reading.found.size()));
    for (const FoundCodeLine& found : reading.found) {
        reading.items.append(item.arg(QString::number(found.lineNumber), ListedText(found.code)));
    }
    if (reading.found.empty()) {
        return reading;
    }
    reading.chosen =
        chosen >= 0 && static_cast<std::size_t>(chosen) < reading.found.size() ? chosen : 0;
    reading.line = ReadFoundLine(reading.found[static_cast<std::size_t>(reading.chosen)], yours);
    return reading;
}

}  // namespace brindlex
