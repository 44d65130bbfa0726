#include "cli/io.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <istream>
#include <ostream>
#include <utility>

namespace brindlex {

FdInput::FdInput(int fd, std::string name) : m_fd(fd), m_name(std::move(name)) {}

std::size_t FdInput::Read(char* data, std::size_t size) {
    for (;;) {
        const ssize_t count = ::read(m_fd, data, size);
        if (count >= 0) {
            return static_cast<std::size_t>(count);
        }
        if (errno != EINTR) {
            throw InputError("cannot read " + m_name + ": " + std::strerror(errno));
        }
    }
}

FdOutput::FdOutput(int fd) : m_fd(fd) {}

void FdOutput::Write(std::string_view text) {
    while (!text.empty()) {
        const ssize_t count = ::write(m_fd, text.data(), text.size());
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

StreamInput::StreamInput(std::istream& in) : m_in(in) {}

std::size_t StreamInput::Read(char* data, std::size_t size) {
    m_in.read(data, static_cast<std::streamsize>(size));
    if (m_in.bad()) {
        throw InputError("cannot read the input");
    }
    return static_cast<std::size_t>(m_in.gcount());
}

StreamOutput::StreamOutput(std::ostream& out) : m_out(out) {}

void StreamOutput::Write(std::string_view text) {
    if (!m_out.write(text.data(), static_cast<std::streamsize>(text.size())).flush()) {
        throw OutputError("cannot write the output");
    }
}

}  // namespace brindlex
