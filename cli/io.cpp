#include "cli/io.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <istream>
#include <ostream>
#include <utility>

namespace brindlex {

FdInput::FdInput(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}

std::size_t FdInput::Read(char* data, std::size_t size) {
    for (;;) {
        const ssize_t count = ::read(fd_, data, size);
        if (count >= 0) {
            return static_cast<std::size_t>(count);
        }
        if (errno != EINTR) {
            throw InputError("cannot read " + name_ + ": " + std::strerror(errno));
        }
    }
}

FdOutput::FdOutput(int fd) : fd_(fd) {}

void FdOutput::Write(std::string_view text) {
    while (!text.empty()) {
        const ssize_t count = ::write(fd_, text.data(), text.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            throw OutputError(std::string("cannot write the output: ") +
                              (count < 0 ? std::strerror(errno) : "nothing was written"));
        }
        text.remove_prefix(static_cast<std::size_t>(count));
    }
}

StreamInput::StreamInput(std::istream& in) : in_(in) {}

std::size_t StreamInput::Read(char* data, std::size_t size) {
    in_.read(data, static_cast<std::streamsize>(size));
    if (in_.bad()) {
        throw InputError("cannot read the input");
    }
    return static_cast<std::size_t>(in_.gcount());
}

StreamOutput::StreamOutput(std::ostream& out) : out_(out) {}

void StreamOutput::Write(std::string_view text) {
    if (!out_.write(text.data(), static_cast<std::streamsize>(text.size())).flush()) {
        throw OutputError("cannot write the output");
    }
}

}  // namespace brindlex
