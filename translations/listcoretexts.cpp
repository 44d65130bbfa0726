// Writes every text that the core shows to people, read from its tables, as a C++ file of
// QT_TRANSLATE_NOOP entries, so that lupdate finds them beside the window's own texts.
// Run by the build: brindlex-list-core-texts <output file>.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "codec/wording.h"

namespace {

// `text` as a C string literal; lupdate reads the file as UTF-8.
std::string Literal(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", static_cast<unsigned>(byte));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: brindlex-list-core-texts <output file>\n";
        return 2;
    }
    std::ostringstream out;
    out << "// Made by brindlex-list-core-texts from the tables of the core, for lupdate.\n"
           "#include <QtGlobal>\n\n"
           "static const char* const kCoreTexts[] = {\n";
    std::set<std::pair<std::string, std::string>> listed;
    brindlex::ForEachCoreText([&](std::string_view context, std::string_view text) {
        std::string shown = brindlex::ShownText(text);
        if (listed.emplace(std::string(context), shown).second) {
            out << "    QT_TRANSLATE_NOOP(" << Literal(context) << ", " << Literal(shown) << "),\n";
        }
    });
    out << "};\n";

    // Left alone when nothing changed, so that nothing that reads it runs again.
    std::ifstream old(argv[1], std::ios::binary);
    std::ostringstream before;
    before << old.rdbuf();
    if (old && before.str() == out.str()) {
        return 0;
    }
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << out.str();
    file.close();
    if (!file) {
        std::cerr << "brindlex-list-core-texts: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
