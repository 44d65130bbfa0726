// The lines and posts that brindlex-line-digest reads: code lines the writer writes for random
// records, and those lines broken in the ways people and programs break them. Everything is
// drawn from one Random, so that a seed gives the same lines on every build.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "bench/realistic.h"
#include "codec/codec.h"
#include "profile/profile.h"

namespace brindlex::digest {

// Lines that open every chunk, so that a dump has known lines to look for.
inline constexpr std::array<std::string_view, 7> kFixedLines = {
    "2.0F?0 V# M# D# H# I# P# R# T# L# Yp# W# O# C# G# E# F# B# N# J# A# S##",
    "2.0FCf5mw V+++ M# Dm++ H# I# P# R# T# L# Ym Wtc/ar O25 Cwl+ Gr- E# F# B# Nf+++ J# A# Sm#",
    "2.0FCf9mw V+++",
    "",
    "2.0f?",
    "2.0FCf5mw V+++ M# Dm++ H# I# P# R# T# L# Ym Wtc/ar O25 Cwl+ Gr- E# F# B# Nf+++ J# A# "
    "Sm#/+- K  Su+  C+*",
    "2.0F~5 V+",
};

// Any record: every field anywhere in its width, names of any bytes, kinks of any density.
inline PROFILE AnyRecord(bench::Random& random) {
    PROFILE p;
    for (const FieldInfo& field : kProfileFields) {
        field.set(p, random.Below(1u << field.width));
    }
    if (random.Below(4) == 0) {
        p.speciesIndex = 0;  // the name shows only without a species letter
    }
    const unsigned density = random.Below(5);
    for (int k = 0; k < kKinkCount; ++k) {
        if (random.Below(4) < density) {
            p.setKink(k, 1 + random.Below(15));
        }
    }
    static constexpr std::array<std::string_view, 8> kPieces = {"",     "   ", "]",   " ] ",
                                                                "Kudu", "[x]", "a b", "\xC3\xA9"};
    for (unsigned n = random.Below(5); n > 0; --n) {
        if (random.Percent(20)) {
            p.customSpeciesName += static_cast<char>(random.Below(256));
        } else {
            p.customSpeciesName += kPieces[random.Below(kPieces.size())];
        }
    }
    return p;
}

class LineMaker {
public:
    static constexpr std::size_t kLongest = 4096;

    explicit LineMaker(std::uint64_t seed) : m_random(seed) {}

    bench::Random& random() { return m_random; }

    // The line at `index` of its chunk; `how` says how it was made ("any/flip,swap").
    std::string Next(std::size_t index, std::string& how) {
        how.clear();
        std::string line;
        if (index < kFixedLines.size()) {
            how = "fixed";
            return std::string(kFixedLines[index]);
        }
        const unsigned kind = m_random.Below(100);
        if (kind < 45) {
            how = "realistic";
            PROFILE p = bench::RealisticRecord(m_random);
            line = ComposeCode(p);
        } else if (kind < 75) {
            how = "any";
            PROFILE p = AnyRecord(m_random);
            line = ComposeCode(p);
        } else if (kind < 85) {
            how = "again";
            line = m_last;
        } else if (kind < 90) {
            how = "bytes";
            line = m_random.Percent(50) ? "2.0F" : "";
            for (unsigned n = m_random.Below(48); n > 0; --n) {
                line += static_cast<char>(m_random.Below(256));
            }
        } else if (kind < 95) {
            how = "short";
            static constexpr std::array<std::string_view, 5> kHeads = {"", "2", "2.0", "2.0F",
                                                                       " 2.0F"};
            line = kHeads[m_random.Below(kHeads.size())];
            for (unsigned n = m_random.Below(4); n > 0; --n) {
                line += Pick("?*ABCDEOZ[] 0123789+-#!/Kmw");
            }
        } else {
            how = "tokens";
            line = "2.0F";
            line += Pick("?ABCDFHMOZ[");
            for (unsigned n = 1 + m_random.Below(30); n > 0 && !m_tokens.empty(); --n) {
                line += m_random.Percent(10) ? "  " : " ";
                line += m_tokens[m_random.Below(static_cast<unsigned>(m_tokens.size()))];
            }
        }
        Remember(line);
        const unsigned roll = m_random.Below(100);
        const unsigned changes = roll < 30 ? 0 : roll < 60 ? 1 : roll < 80 ? 2 : 3 + roll % 4;
        for (unsigned n = 0; n < changes; ++n) {
            how += n == 0 ? '/' : ',';
            how += Mutate(line);
        }
        if (line.size() > kLongest) {  // lines made of lines grow no further
            line.resize(kLongest);
        }
        m_last = line;
        return line;
    }

private:
    char Pick(std::string_view from) { return from[m_random.Below(from.size())]; }
    std::size_t Position(const std::string& line) {
        return m_random.Below(static_cast<unsigned>(line.size()) + 1);
    }

    // Keeps some of the tokens of `line` for lines made of tokens and for insertions.
    void Remember(const std::string& line) {
        std::size_t from = 0;
        while (from < line.size()) {
            std::size_t to = line.find(' ', from);
            if (to == std::string::npos) {
                to = line.size();
            }
            if (to > from && m_random.Percent(15)) {
                std::string token = line.substr(from, to - from);
                if (m_tokens.size() < 512) {
                    m_tokens.push_back(std::move(token));
                } else {
                    m_tokens[m_random.Below(512)] = std::move(token);
                }
            }
            from = to + 1;
        }
    }

    // The blank-separated tokens of `line`, as [begin, end) pairs.
    static std::vector<std::pair<std::size_t, std::size_t>> Tokens(const std::string& line) {
        std::vector<std::pair<std::size_t, std::size_t>> tokens;
        std::size_t from = 0;
        while (from < line.size()) {
            const std::size_t to = std::min(line.find(' ', from), line.size());
            if (to > from) {
                tokens.emplace_back(from, to);
            }
            from = to + 1;
        }
        return tokens;
    }

    // Breaks `line` in one of the ways below and names the way.
    const char* Mutate(std::string& line) {
        const auto tokens = Tokens(line);
        const auto token = [&](std::size_t& begin, std::size_t& end) {
            const auto& t = tokens[m_random.Below(static_cast<unsigned>(tokens.size()))];
            begin = t.first;
            end = t.second;
        };
        std::size_t begin = 0;
        std::size_t end = 0;
        switch (m_random.Below(18)) {
            case 0:
                if (!line.empty()) {
                    line[Position(line) % line.size()] ^=
                        static_cast<char>(1u << m_random.Below(8));
                }
                return "flip";
            case 1:
                if (!line.empty()) {
                    line[Position(line) % line.size()] = static_cast<char>(m_random.Below(256));
                }
                return "byte";
            case 2:
                if (!tokens.empty()) {
                    token(begin, end);
                    line.erase(begin, end - begin + (end < line.size()));
                }
                return "delete";
            case 3:
                if (!tokens.empty()) {
                    token(begin, end);
                    line.insert(end, " " + line.substr(begin, end - begin));
                }
                return "duplicate";
            case 4:
                if (tokens.size() >= 2) {
                    token(begin, end);
                    std::size_t begin2 = 0;
                    std::size_t end2 = 0;
                    token(begin2, end2);
                    if (begin2 < begin) {
                        std::swap(begin, begin2);
                        std::swap(end, end2);
                    }
                    if (end <= begin2) {
                        const std::string first = line.substr(begin, end - begin);
                        const std::string second = line.substr(begin2, end2 - begin2);
                        line.replace(begin2, end2 - begin2, first);
                        line.replace(begin, end - begin, second);
                    }
                }
                return "swap";
            case 5:
                line.insert(Position(line), 1, Pick("+-#*!/?"));
                return "mark";
            case 6:
                for (std::size_t at = Position(line); at < line.size(); ++at) {
                    if (std::string_view("+-#*!/").find(line[at]) != std::string_view::npos) {
                        line.erase(at, 1);
                        break;
                    }
                }
                return "unmark";
            case 7:
                line.insert(Position(line), 1 + m_random.Below(3),
                            m_random.Percent(80) ? ' ' : '\t');
                return "blank";
            case 8:
                for (std::size_t at = Position(line); at < line.size(); ++at) {
                    if (line[at] == ' ') {
                        line.erase(at, 1);
                        break;
                    }
                }
                return "join";
            case 9:
                for (std::size_t at = Position(line), n = 1 + m_random.Below(6);
                     at < line.size() && n > 0; ++at) {
                    const char c = line[at];
                    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
                        line[at] = static_cast<char>(c ^ 0x20);
                        --n;
                    }
                }
                return "case";
            case 10:
                line.resize(Position(line));
                return "truncate";
            case 11:
                if (!tokens.empty()) {
                    token(begin, end);
                    const std::string t = " " + line.substr(begin, end - begin);
                    for (unsigned n = 2 + m_random.Below(8); n > 0; --n) {
                        line.insert(end, t);
                    }
                }
                return "repeat";
            case 12: {
                const std::size_t at = line.find(' ', Position(line));
                if (at != std::string::npos) {
                    line.insert(at, m_random.Percent(30) ? "\r\n" : "\n");
                }
                return "wrap";
            }
            case 13:
                line += m_random.Percent(50) ? " " : "";
                line += m_last;
                return "append";
            case 14:
                line.insert(Position(line), " K");
                for (unsigned n = m_random.Below(6); n > 0 && !m_tokens.empty(); --n) {
                    line += "  ";
                    line += m_tokens[m_random.Below(static_cast<unsigned>(m_tokens.size()))];
                    line += Pick("+-*#");
                }
                return "kinks";
            case 15:
                if (!m_tokens.empty()) {
                    const std::size_t at = line.find(' ', Position(line));
                    line.insert(
                        at == std::string::npos ? line.size() : at,
                        " " + m_tokens[m_random.Below(static_cast<unsigned>(m_tokens.size()))]);
                }
                return "insert";
            case 16: {
                static constexpr std::array<std::string_view, 10> kOdd = {
                    "9",        "99999999999999999999",
                    "[",        "]",
                    "\xC2\xA0", "\xEF\xBB\xBF",
                    "\x00",     "2.0F",
                    "/",        "0"};
                const std::string_view odd = kOdd[m_random.Below(kOdd.size())];
                line.insert(Position(line), odd.empty() ? std::string_view("\0", 1) : odd);
                return "odd";
            }
            default:
                line.erase(Position(line), 1 + m_random.Below(8));
                return "cut";
        }
    }

    bench::Random m_random;
    std::vector<std::string> m_tokens;
    std::string m_last;
};

// A post, mail or chat log around `lines`: prose, quote marks, lines broken by a mail program,
// two lines on one, different line ends.
inline std::string MakePost(const std::vector<std::string>& lines, bench::Random& random) {
    static constexpr std::array<std::string_view, 8> kProse = {
        "Hi all, here is mine:", "A friend wrote 2.0 for me",
        "I think this is fine.", "Quote:",
        "V+++ is what I am",     "2.0Fish are friends",
        "see (2.0FA* V+) there", "Anyone else? O25 here",
    };
    static constexpr std::array<std::string_view, 4> kEnds = {"\n", "\r\n", "\r", "\n\n"};
    static constexpr std::array<std::string_view, 4> kQuotes = {"> ", ">> ", "> > ", ">"};
    std::string post = random.Percent(10) ? "\xEF\xBB\xBF" : "";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view end = kEnds[random.Below(kEnds.size())];
        if (random.Percent(30)) {
            post += kProse[random.Below(kProse.size())];
            post += end;
        }
        const std::string_view quote = random.Percent(20) ? kQuotes[random.Below(4)] : "";
        post += quote;
        if (random.Percent(15)) {
            post += "my code: ";
        }
        const std::string& line = lines[i];
        if (random.Percent(25)) {  // wrapped at a blank near a column
            const std::size_t column = 20 + random.Below(60);
            std::size_t from = 0;
            while (line.size() - from > column) {
                const std::size_t at = line.rfind(' ', from + column);
                if (at == std::string::npos || at <= from) {
                    break;
                }
                post.append(line, from, at - from);
                post += end;
                post += quote;
                from = at + 1;
            }
            post.append(line, from);
        } else {
            post += line;
        }
        if (i + 1 < lines.size() && random.Percent(10)) {
            post += ' ';  // the next line on the same text line
            continue;
        }
        if (random.Percent(3)) {
            post += std::string_view("\0 saved", 7);
        }
        post += end;
    }
    return post;
}

}  // namespace brindlex::digest
