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

Input lines end at LF, CRLF or a lone CR, and a line's text ends at its first
0x00 byte, so a file saved by the window reads as its code line.

Exit status: 0 on success, 1 when a code line could not be read, 2 when the
command line or the input is not usable or the output cannot be written; every
error is one line on standard error.)";

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
        "first 0x00 byte); an unreadable line prints an empty line and is explained on "
        "standard error.");
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
    if (compose->parsed()) {
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
        return WithStandardOutput(
            [&](brindlex::Output& out) { return brindlex::RunCompose(in, out, std::cerr); });
    }
    return WithStandardOutput([&](brindlex::Output& out) {
        if (normalize->parsed()) {
            return brindlex::RunNormalize(lines, standardInput, out, std::cerr);
        }
        if (decode->parsed()) {
            return brindlex::RunDecode(lines, standardInput, out, std::cerr);
        }
        return brindlex::RunExplain(lines, standardInput, out, std::cerr, all, json);
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
