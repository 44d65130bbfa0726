// brindlex-code: composes, reads and normalises Brindlex code lines.
#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>

#include "cli/commands.h"
#include "cli/explain.h"

namespace {

constexpr const char* kExamples = R"(Examples:
  echo '{"speciesFamily":3,"speciesIndex":4,"anthroLevel":5}' | brindlex-code compose
      prints 2.0FCf5 V# M# D# H# I# P# R# T# L# Yp# W# O# C# G# E# F# B# N# J# A# S##
  brindlex-code normalize '2.0FCf5mw V+++ Nf+++'
      prints the line as Brindlex writes it, every section present
  brindlex-code decode '2.0FCf5 V+'
      prints {"speciesFamily":3,"speciesIndex":4,...,"artLevel":5,...}
  brindlex-code explain '2.0FCf5 V+ Sm'
      prints Species: Canidae (Dog), Fox
             Anthro Level: ...
             Art: ...
  brindlex-code explain --json '2.0FCf5 V+'
      prints [{"category":"Species","answer":"Canidae (Dog), Fox","code":"Cf"},...]

Exit status: 0 on success, 1 when a code line could not be read,
2 when the input or the command line is not usable.)";

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "Composes, reads and normalises Brindlex code lines, the one-line self-descriptions\n"
        "that begin with \"2.0F\"."};
    app.footer(kExamples);
    app.require_subcommand(1);

    std::string file;
    CLI::App* compose = app.add_subcommand(
        "compose",
        "Read one answers record as a JSON object (from FILE or standard input) and print its "
        "code line. Members are the record's fields (speciesFamily, speciesIndex, "
        "customSpeciesName, specificsFlags, ..., artLevel, ..., sexLevel, and kinkPrefs, an "
        "array of 96 kink answers 0..15); a member left out is 0.");
    compose->add_option("FILE", file, "JSON file to read instead of standard input")
        ->check(CLI::ExistingFile);

    std::vector<std::string> lines;
    CLI::App* normalize = app.add_subcommand(
        "normalize",
        "Print each code line as Brindlex writes it. Reads the LINE arguments, or one code line "
        "per line of standard input; an unreadable line prints an empty line and is explained "
        "on standard error.");
    normalize->add_option("LINE", lines, "code lines to read instead of standard input");

    CLI::App* decode = app.add_subcommand(
        "decode",
        "Print the answers of each code line as one JSON object per line, with the members that "
        "compose takes. Input and errors as for normalize.");
    decode->add_option("LINE", lines, "code lines to read instead of standard input");

    bool all = false;
    bool json = false;
    CLI::App* explain = app.add_subcommand(
        "explain",
        "Tell each code line in plain words: one 'Category: answer' line per answer, in the "
        "order of the window's tabs and categories, with the window's names and help texts. "
        "Input and errors as for normalize.");
    explain->add_option("LINE", lines, "code lines to read instead of standard input");
    explain->add_flag("--all", all, "also list the categories left unanswered");
    explain->add_flag("--json", json,
                      "print one JSON array per code line of objects "
                      "{\"category\", \"answer\", \"code\"}, code being the piece of the "
                      "normal form that carries the answer");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e);
        return status == 0 ? 0 : brindlex::kExitBadInput;
    }

    std::ios::sync_with_stdio(false);
    if (compose->parsed()) {
        if (file.empty()) {
            return brindlex::RunCompose(std::cin, std::cout, std::cerr);
        }
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::cerr << "brindlex-code: cannot open " << file << '\n';
            return brindlex::kExitBadInput;
        }
        return brindlex::RunCompose(in, std::cout, std::cerr);
    }
    if (normalize->parsed()) {
        return brindlex::RunNormalize(lines, std::cin, std::cout, std::cerr);
    }
    if (decode->parsed()) {
        return brindlex::RunDecode(lines, std::cin, std::cout, std::cerr);
    }
    return brindlex::RunExplain(lines, std::cin, std::cout, std::cerr, all, json);
}
