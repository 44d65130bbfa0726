// What brindlex-line-digest writes down of one line: every output of the writer, the readers,
// the trace, the explainer, the comparer and the finder, as text, and the hash of that text.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "codec/codec.h"
#include "codec/compare.h"
#include "codec/explain.h"
#include "codec/find.h"
#include "codec/lines.h"
#include "codec/trace.h"
#include "profile/profile_json.h"

namespace brindlex::digest {

// xxHash64 over `data`: fast, and every bit of the input reaches every bit of the hash.
inline std::uint64_t Hash64(std::string_view data, std::uint64_t seed) {
    constexpr std::uint64_t kP1 = 11400714785074694791ull;
    constexpr std::uint64_t kP2 = 14029467366897019727ull;
    constexpr std::uint64_t kP3 = 1609587929392839161ull;
    constexpr std::uint64_t kP4 = 9650029242287828579ull;
    constexpr std::uint64_t kP5 = 2870177450012600261ull;
    const auto rotl = [](std::uint64_t x, int r) { return (x << r) | (x >> (64 - r)); };
    const auto mix = [&](std::uint64_t acc, std::uint64_t input) {
        return rotl(acc + input * kP2, 31) * kP1;
    };
    const auto read64 = [](const char* p) {
        std::uint64_t v;
        std::memcpy(&v, p, 8);
        return v;
    };
    const char* p = data.data();
    const char* const end = p + data.size();
    std::uint64_t h;
    if (data.size() >= 32) {
        std::uint64_t v1 = seed + kP1 + kP2;
        std::uint64_t v2 = seed + kP2;
        std::uint64_t v3 = seed;
        std::uint64_t v4 = seed - kP1;
        for (; end - p >= 32; p += 32) {
            v1 = mix(v1, read64(p));
            v2 = mix(v2, read64(p + 8));
            v3 = mix(v3, read64(p + 16));
            v4 = mix(v4, read64(p + 24));
        }
        h = rotl(v1, 1) + rotl(v2, 7) + rotl(v3, 12) + rotl(v4, 18);
        for (const std::uint64_t v : {v1, v2, v3, v4}) {
            h = (h ^ mix(0, v)) * kP1 + kP4;
        }
    } else {
        h = seed + kP5;
    }
    h += data.size();
    for (; end - p >= 8; p += 8) {
        h = rotl(h ^ mix(0, read64(p)), 27) * kP1 + kP4;
    }
    if (end - p >= 4) {
        std::uint32_t v;
        std::memcpy(&v, p, 4);
        h = rotl(h ^ (v * kP1), 23) * kP2 + kP3;
        p += 4;
    }
    for (; p < end; ++p) {
        h = rotl(h ^ (static_cast<unsigned char>(*p) * kP5), 11) * kP1;
    }
    h ^= h >> 33;
    h *= kP2;
    h ^= h >> 29;
    h *= kP3;
    return h ^ (h >> 32);
}

// Appends `text` in quotes, with every byte that is not printable ASCII as \xHH.
inline void Quote(std::string_view text, std::string& out) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    std::size_t from = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto u = static_cast<unsigned char>(text[i]);
        if (u < 0x20 || u >= 0x7f || u == '"' || u == '\\') {
            out.append(text, from, i - from);
            const char escape[4] = {'\\', 'x', kHex[u >> 4], kHex[u & 15]};
            out.append(escape, 4);
            from = i + 1;
        }
    }
    out.append(text, from);
    out += '"';
}

inline void Number(std::size_t n, std::string& out) {
    char digits[20];
    char* p = digits + sizeof digits;
    do {
        *--p = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    out.append(p, static_cast<std::size_t>(digits + sizeof digits - p));
}

// A wording that marks every text with its context, so that a change of context or of the
// phrase asked for shows.
class MarkingWording : public Wording {
public:
    std::string text(std::string_view context, std::string_view english) const override {
        std::string marked = "<";
        marked.append(context);
        marked += '|';
        marked.append(english);
        marked += '>';
        return marked;
    }
};

// How many lines got each output.
struct Counts {
    std::size_t lines = 0;
    std::size_t accepted = 0;
    std::size_t repaired = 0;  // accepted lines whose trace holds a repair
    std::size_t repairs = 0;
    std::size_t explained = 0;
    std::size_t pieces = 0;
    std::size_t compared = 0;
    std::size_t worded = 0;
    std::size_t posts = 0;
    std::size_t found = 0;

    void Add(const Counts& o) {
        lines += o.lines;
        accepted += o.accepted;
        repaired += o.repaired;
        repairs += o.repairs;
        explained += o.explained;
        pieces += o.pieces;
        compared += o.compared;
        worded += o.worded;
        posts += o.posts;
        found += o.found;
    }
};

inline void AppendExplanation(const Explanation& e, bool words, std::string& out) {
    out += "explain ";
    Quote(e.line, out);
    out += '\n';
    for (const ExplainedAnswer& a : e.answers) {
        out += ' ';
        Number(static_cast<std::size_t>(a.category + 1), out);
        if (words) {
            out += ' ';
            Quote(a.caption, out);
            out += '=';
            Quote(a.answer, out);
        }
        out += a.answered ? " @" : " -@";
        Number(a.codeAt, out);
        out += '+';
        Number(a.codeSize, out);
        out += '\n';
    }
}

// Writes down what the core makes of `text`, read over `record` (the record of the line
// before), and leaves in `record` what ParseCode left there.
inline void DescribeLine(std::string_view text, std::size_t index, PROFILE& record,
                         std::string& out, Counts& counts) {
    static const MarkingWording kMarking;
    const bool worded = index % 16 == 0;
    ++counts.lines;
    const PROFILE before = record;
    const bool accepted = ParseCode(text, record);
    counts.accepted += accepted;
    out += accepted ? "accepted\nreason " : "rejected\nreason ";
    Quote(RejectionReason(text), out);
    if (worded) {
        ++counts.worded;
        out += ' ';
        Quote(RejectionReason(text, kMarking), out);
    }
    out += "\nrecord ";
    AppendProfileJson(record, out);
    PROFILE composed = record;
    const std::string normal = ComposeCode(composed);
    out += "\nnormal ";
    Quote(normal, out);
    PROFILE reread;
    out += ParseCode(normal, reread) && reread == composed && ComposeCode(reread) == normal
               ? "\nreread same\n"
               : "\nreread different\n";

    PROFILE traced = before;
    std::vector<ReadStep> steps;
    const bool tracedAccepted = ParseCode(text, traced, &steps);
    const bool sameRecord = tracedAccepted == accepted && traced == record;
    out += sameRecord ? "trace" : "trace differs";
    // The repairs are told against the normal form of what the trace read.
    const std::string tracedNormal = sameRecord ? normal : ComposeCode(traced);
    std::size_t repairs = 0;
    for (const ReadStep& s : steps) {
        out += ' ';
        Number(s.at, out);
        out += '+';
        Number(s.size, out);
        out += ' ';
        out += KindName(s.kind);
        out += ' ';
        Number(static_cast<std::size_t>(s.category + 1), out);
        out += '@';
        Number(s.codeAt, out);
        out += '+';
        Number(s.codeSize, out);
        repairs += IsRepair(s);
    }
    out += '\n';
    counts.repaired += repairs > 0;
    counts.repairs += repairs;
    for (const ReadStep& s : steps) {
        if (IsRepair(s)) {
            out += "repair ";
            Quote(DescribeRepair(text, tracedNormal, s), out);
            if (worded) {
                out += ' ';
                Quote(DescribeRepair(text, tracedNormal, s, kMarking), out);
            }
            out += '\n';
        }
    }
    if (!accepted) {
        return;
    }
    ++counts.explained;
    // Every answer on half the lines, the answers the line carries on the others.
    AppendExplanation(ExplainProfile(record, index % 2 == 0), true, out);
    if (worded) {
        AppendExplanation(ExplainProfile(record, false, kMarking), true, out);
    }
    if (index % 4 == 1) {
        ++counts.pieces;
        AppendExplanation(ExplainPieces(record), false, out);
    }
    if (index % 8 == 3) {
        ++counts.compared;
        const Comparison c = CompareAnswers(before, record, index % 16 == 3);
        out += "compare ";
        Number(c.same, out);
        for (const ComparedAnswer& a : c.answers) {
            out += ' ';
            Number(static_cast<std::size_t>(a.category), out);
            out += a.differs ? "!" : "=";
            Quote(a.caption, out);
            Quote(a.first, out);
            Quote(a.second, out);
            Quote(a.firstCode, out);
            Quote(a.secondCode, out);
        }
        out += '\n';
    }
}

// Writes down the code lines found in `post`, and the lines a LineReader splits it into.
inline void DescribePost(std::string_view post, std::string& out, Counts& counts) {
    ++counts.posts;
    out += "post ";
    Quote(post, out);
    out += '\n';
    for (const FoundCodeLine& found : FindCodeLines(post)) {
        ++counts.found;
        out += "found ";
        Number(found.lineNumber, out);
        out += ' ';
        Quote(found.code, out);
        for (const FoundCodeLine::Piece& piece : found.pieces) {
            out += ' ';
            Number(piece.textAt, out);
            out += ':';
            Number(piece.codeAt, out);
            out += '+';
            Number(piece.size, out);
        }
        for (const std::size_t at : {std::size_t{0}, found.code.size() / 2, found.code.size()}) {
            out += " =";
            Number(TextOffset(found, at), out);
        }
        PROFILE p;
        out += ParseCode(found.code, p) ? " " : " rejected ";
        Quote(ComposeCode(p), out);
        out += '\n';
    }
    std::size_t from = 0;
    const std::size_t block = 1 + post.size() % 61;
    LineReader reader([&](char* data, std::size_t size) {
        const std::size_t n = std::min({size, block, post.size() - from});
        std::memcpy(data, post.data() + from, n);
        from += n;
        return n;
    });
    out += "lines ";
    Quote(FirstLine(post), out);
    std::string_view line;
    while (reader.Next(line)) {
        out += ' ';
        Quote(ReadableLine(line), out);
        reader.Release();
    }
    out += '\n';
}

}  // namespace brindlex::digest
