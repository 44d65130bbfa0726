// Where the commands of brindlex-code read and write bytes, and how they
// learn that reading or writing failed.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>

namespace brindlex {

// The input cannot be read; the message says which input and why.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The output cannot be written; the message says why.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Input {
public:
    virtual ~Input() = default;
    // Stores up to `size` bytes at `data`, as many as are ready but at least
    // one, and returns how many; 0 only at the end. Throws InputError.
    virtual std::size_t Read(char* data, std::size_t size) = 0;
};

class Output {
public:
    virtual ~Output() = default;
    // Writes all of `text` or throws OutputError.
    virtual void Write(std::string_view text) = 0;
};

// A file descriptor, e.g. standard input, or a file opened by name; `name`
// is what messages call it ("the input", the file name).
class FdInput : public Input {
public:
    FdInput(int fd, std::string name);
    std::size_t Read(char* data, std::size_t size) override;

private:
    int m_fd;
    std::string m_name;
};

class FdOutput : public Output {
public:
    explicit FdOutput(int fd);
    void Write(std::string_view text) override;

private:
    int m_fd;
};

// A stream, e.g. a string stream in a test.
class StreamInput : public Input {
public:
    explicit StreamInput(std::istream& in);
    std::size_t Read(char* data, std::size_t size) override;

private:
    std::istream& m_in;
};

class StreamOutput : public Output {
public:
    explicit StreamOutput(std::ostream& out);
    void Write(std::string_view text) override;

private:
    std::ostream& m_out;
};

}  // namespace brindlex
