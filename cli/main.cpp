// brindlex-code: composes, reads and normalises Brindlex code lines.
#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>

#include "cli/commands.h"
#include "cli/compare.h"
#include "cli/explain.h"
#include "cli/find.h"

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
  brindlex-code explain --repairs '2.0FCf9 V+ Qx'
      prints the answers, then what the line lost or changed:
             Repairs:
               byte 7, Anthro Level: "9" rewritten as "7"
               byte 12: "Qx" skipped
  brindlex-code find post.txt
      prints 3: 2.0FCf5mw V+++ ..., each code line in the post with its line number
  brindlex-code compare '2.0FCf5 V+ O25' '2.0FCf5 V++ O26'
      prints the answers that differ (Art, Age), then: 32 answers the same

Exit status: 0 on success, 1 when a code line could not be read (find: when the
text holds none), 2 when the input or the command line is not usable.)";

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
    bool repairs = false;
    explain->add_flag("--repairs", repairs,
                      "after the answers, list every piece of the line that the normal form "
                      "lost or changed, at its byte position (the first byte is 1): rewritten "
                      "(and as what), overridden by a later token, or skipped as unreadable; "
                      "with --json print one object {\"answers\": [...], \"repairs\": [...]} "
                      "per code line, each repair {\"byte\", \"text\", \"kind\", "
                      "\"category\", \"normal\"}");
    explain->footer(R"(Example:
  brindlex-code explain --repairs '2.0FCf9 V+ V- O 2 5 Qx'
      prints the answers, then
      Repairs:
        byte 7, Anthro Level: "9" rewritten as "7"
        byte 9, Art: "V+" overridden by a later token
        byte 15, Age: "O 2 5" rewritten as "O25"
        byte 21: "Qx" skipped)");

    bool normalizeFound = false;
    CLI::App* find = app.add_subcommand(
        "find",
        "Print every code line in a text (a forum post, a profile page, a chat log, a mail), "
        "read from FILE or standard input, as 'N: code line', N being its line number. A code "
        "line begins with a 2.0F that starts a word and runs to the end of its line; quote "
        "marks ('> ') before it are left out, and a line that a mail or forum program broke "
        "is joined again when the next line holds only code tokens.");
    find->add_option("FILE", file, "text file to read instead of standard input")
        ->check(CLI::ExistingFile);
    find->add_flag("--normalize", normalizeFound,
                   "print each code line as Brindlex writes it instead");
    find->footer(R"(Example:
  brindlex-code find post.txt
      prints 3: 2.0FCf5mw V+++ M# Dm++ H# I# P# R# T# L# Ym Wtc/ar O25
Exit status: 0 when a code line was found, 1 when none was, 2 when FILE cannot be read.)");

    std::string firstLine;
    std::string secondLine;
    CLI::App* compare = app.add_subcommand(
        "compare",
        "Tell where the answers of two code lines differ: every answer that differs, in the "
        "order of the window's tabs and categories, with both answers in words, then how many "
        "answers are the same. Exit status 1 when either line cannot be read.");
    compare->add_option("LINE1", firstLine, "the first code line")->required();
    compare->add_option("LINE2", secondLine, "the second code line")->required();
    compare->add_flag("--json", json,
                      "print one JSON object {\"differences\": [{\"category\", \"first\", "
                      "\"second\", \"firstCode\", \"secondCode\"}], \"same\"} instead");
    compare->footer(R"(Example:
  brindlex-code compare '2.0FCf5 V+ O25' '2.0FCf5 V++ O26'
      prints Art:
               1: I draw often and post my stuff online
               2: I draw a lot and have a whole gallery of my own work, ...
             Age:
               1: 25 years
               2: 26 years
             32 answers the same)");

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
    if (find->parsed()) {
        if (file.empty()) {
            return brindlex::RunFind(std::cin, std::cout, normalizeFound);
        }
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::cerr << "brindlex-code: cannot open " << file << '\n';
            return brindlex::kExitBadInput;
        }
        return brindlex::RunFind(in, std::cout, normalizeFound);
    }
    if (compare->parsed()) {
        return brindlex::RunCompare(firstLine, secondLine, std::cout, std::cerr, json);
    }
    return brindlex::RunExplain(lines, std::cin, std::cout, std::cerr, all, json, repairs);
}
