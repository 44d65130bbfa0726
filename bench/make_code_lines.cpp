// Writes realistic code lines for the throughput measurements:
//   make_code_lines COUNT [SEED]     COUNT lines made from the seed (default 1)
//   make_code_lines --long-name SIZE one line whose written-in name is SIZE bytes
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/realistic.h"
#include "codec/codec.h"

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--long-name") == 0) {
        brindlex::PROFILE p;
        p.speciesFamily = 26;  // "Other", whose name is written in
        p.customSpeciesName.assign(std::strtoull(argv[2], nullptr, 10), 'x');
        p.artLevel = 5;
        const std::string line = brindlex::ComposeCode(p) + '\n';
        return std::fwrite(line.data(), 1, line.size(), stdout) == line.size() ? 0 : 1;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_code_lines COUNT [SEED] | --long-name SIZE\n");
        return 2;
    }
    const unsigned long long count = std::strtoull(argv[1], nullptr, 10);
    brindlex::bench::Random random(argc >= 3 ? std::strtoull(argv[2], nullptr, 10) : 1);
    std::string text;
    for (unsigned long long i = 0; i < count; ++i) {
        brindlex::PROFILE p = brindlex::bench::RealisticRecord(random);
        brindlex::ComposeCodeInto(p, text);
        text += '\n';
        if (text.size() >= (1u << 20) || i + 1 == count) {
            if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) {
                return 1;
            }
            text.clear();
        }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
