// Lines of text as Brindlex reads them. A line ends at LF, CRLF or a bare CR,
// and its text ends at its first 0x00 byte, so that a file saved by the
// window (the code line and one 0x00 byte) reads as its code line.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>

namespace brindlex {

// The text of the first line of `content`, e.g. of a whole saved file.
std::string_view FirstLine(std::string_view content);

// A line as a person reads it: without the UTF-8 byte order mark that some editors put at the
// start of a file, and without the blanks around it (spaces, tabs, no-break spaces).
std::string_view ReadableLine(std::string_view line);

// Reads the lines of a source of bytes in large blocks. A line may be of any
// length: the buffer grows to hold it and shrinks again after it.
class LineReader {
public:
    // Stores up to `size` bytes at `data` and returns how many, 0 only at the
    // end of the input. What it throws passes out of Next.
    using Source = std::function<std::size_t(char* data, std::size_t size)>;

    static constexpr std::size_t kBlockSize = std::size_t{1} << 18;

    explicit LineReader(Source source, std::size_t blockSize = kBlockSize);

    // The text of the next line, valid until the next call of Next or
    // Release; false when the input has ended. An input that ends with a line
    // end has no empty line after it.
    bool Next(std::string_view& text);

    // Says that the text of the last line is no longer needed, so that the
    // room a long line took is given back before the next line is read.
    void Release();

    // What finds the next line end or 0x00 byte in [from, last), or returns last.
    using StopFinder = const char* (*)(const char* from, const char* last);

private:
    static constexpr std::size_t kNone = ~std::size_t{0};

    bool TakeLine(std::string_view& text);
    void Fill();

    Source m_source;
    std::size_t m_blockSize;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity;
    std::size_t m_begin = 0;    // the first byte not yet handed out
    std::size_t m_end = 0;      // the end of the bytes read
    std::size_t m_scanned = 0;  // bytes after m_begin known to hold no line end
    std::size_t m_nul = kNone;  // where after m_begin the first 0x00 byte was seen
    bool m_ended = false;
    bool m_skipLf = false;  // the last line ended at a CR that may start a CRLF
    StopFinder m_findStop;  // chosen by the reading path, when the reader is made
};

}  // namespace brindlex
