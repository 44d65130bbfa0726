// brindlex-code: composes, reads and normalises Brindlex code lines.
#include <fcntl.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <memory>
#include <new>
#include <sstream>

#include "cli/commands.h"

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

Input lines end at LF, CRLF or a lone CR, and a line's text ends at its first
0x00 byte, so a file saved by the window reads as its code line.

Exit status: 0 on success, 1 when a code line could not be read (find: when the
text holds none), 2 when the command line or the input is not usable or the
output cannot be written; every error is one line on standard error.)";

// Runs `command` and makes sure what it wrote has reached standard output.
template <typename Command>
int WithStandardOutput(Command command) {
    brindlex::FdOutput out(STDOUT_FILENO);
    int status = command(out);
    if (::close(STDOUT_FILENO) != 0 && errno != EINTR && errno != EBADF &&
        status != brindlex::kExitBadInput) {
        brindlex::Report(std::cerr,
                         std::string("cannot write the output: ") + std::strerror(errno));
        status = brindlex::kExitBadInput;
    }
    return status;
}

int Run(int argc, char** argv) {
    CLI::App app{
        "Composes, reads and normalises Brindlex code lines, the one-line self-descriptions\n"
        "that begin with \"2.0F\"."};
    app.footer(kExamples);
    app.set_version_flag("--version", "brindlex-code " BRINDLEX_VERSION,
                         "Print the version of brindlex-code and exit");
    app.require_subcommand(1);
    app.failure_message([](const CLI::App*, const CLI::Error& e) {
        return brindlex::ErrorLine(std::string(e.what()) + " (see brindlex-code --help)");
    });

    std::string file;
    CLI::App* compose = app.add_subcommand(
        "compose",
        "Read one answers record as a JSON object (from FILE or standard input) and print its "
        "code line. Members are the record's fields (speciesFamily, speciesIndex, "
        "customSpeciesName, specificsFlags, ..., artLevel, ..., sexLevel, and kinkPrefs, an "
        "array of 96 kink answers 0..15); a member left out is 0. A member given twice, a "
        "number out of its field's range and a customSpeciesName holding a control character "
        "are refused.");
    compose->add_option("FILE", file, "JSON file to read instead of standard input");

    std::vector<std::string> lines;
    CLI::App* normalize = app.add_subcommand(
        "normalize",
        "Print each code line as Brindlex writes it. Reads the LINE arguments, or one code line "
        "per line of standard input (a line ends at LF, CRLF or a lone CR, and its text at its "
        "first 0x00 byte; blanks around a line and a byte order mark do not count); an "
        "unreadable line prints an empty line and is explained on standard error.");
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
    find->add_option("FILE", file, "text file to read instead of standard input");
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

    // CLI11 would only say that a subcommand is required.
    const std::string wanted = argc > 1 ? argv[1] : "";
    if (wanted.empty() || wanted.front() != '-') {
        std::string commands;
        bool known = false;
        for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
            commands += (commands.empty() ? "" : ", ") + command->get_name();
            known = known || command->get_name() == wanted;
        }
        if (!known) {
            brindlex::Report(std::cerr, (wanted.empty() ? std::string("no command given")
                                                        : "'" + wanted + "' is no command") +
                                            "; the commands are " + commands +
                                            " (see brindlex-code --help)");
            return brindlex::kExitBadInput;
        }
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        std::ostringstream help;
        if (app.exit(e, help, std::cerr) != 0) {
            return brindlex::kExitBadInput;
        }
        return WithStandardOutput([&](brindlex::Output& out) {
            std::string text = help.str();
            if (!text.empty() && text.back() != '\n') {
                text += '\n';
            }
            try {
                out.Write(text);
                return brindlex::kExitOk;
            } catch (const brindlex::OutputError& failure) {
                brindlex::Report(std::cerr, failure.what());
                return brindlex::kExitBadInput;
            }
        });
    }

    brindlex::FdInput standardInput(STDIN_FILENO, "the input");
    if (compose->parsed() || find->parsed()) {
        // FILE, or standard input without one.
        std::unique_ptr<brindlex::FdInput> fileInput;
        if (!file.empty()) {
            const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0) {
                brindlex::Report(std::cerr, "cannot open " + file + ": " + std::strerror(errno));
                return brindlex::kExitBadInput;
            }
            fileInput = std::make_unique<brindlex::FdInput>(fd, file);
        }
        brindlex::Input& in = fileInput ? *fileInput : standardInput;
        return WithStandardOutput([&](brindlex::Output& out) {
            return compose->parsed() ? brindlex::RunCompose(in, out, std::cerr)
                                     : brindlex::RunFind(in, out, std::cerr, normalizeFound);
        });
    }
    return WithStandardOutput([&](brindlex::Output& out) {
        if (normalize->parsed()) {
            return brindlex::RunNormalize(lines, standardInput, out, std::cerr);
        }
        if (decode->parsed()) {
            return brindlex::RunDecode(lines, standardInput, out, std::cerr);
        }
        if (compare->parsed()) {
            return brindlex::RunCompare(firstLine, secondLine, out, std::cerr, json);
        }
        return brindlex::RunExplain(lines, standardInput, out, std::cerr, all, json, repairs);
    });
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        brindlex::Report(std::cerr, "out of memory");
    } catch (const std::exception& e) {
        brindlex::Report(std::cerr, e.what());
    }
    return brindlex::kExitBadInput;
}
