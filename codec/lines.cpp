#include "codec/lines.h"

#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "codec/wide.h"

namespace brindlex {

namespace {

bool IsStop(char c) {
    return c == '\n' || c == '\r' || c == '\0';
}

// The first LF, CR or 0x00 in [from, last), or `last`.
const char* FindStop(const char* from, const char* last) {
#if defined(__SSE2__)
    // The stops are the only bytes up to '\r' that a line holds, but for a rare tab: blocks
    // without such bytes are passed over with one comparison.
    const __m128i highestStop = _mm_set1_epi8('\r');
    for (; last - from >= 16; from += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const __m128i low = _mm_cmpeq_epi8(_mm_min_epu8(bytes, highestStop), bytes);
        for (auto mask = static_cast<unsigned>(_mm_movemask_epi8(low)); mask != 0;
             mask &= mask - 1) {
            const char* const at = from + __builtin_ctz(mask);
            if (IsStop(*at)) {
                return at;
            }
        }
    }
#endif
    while (from < last && !IsStop(*from)) {
        ++from;
    }
    return from;
}

#if defined(BRINDLEX_WIDE)
BRINDLEX_WIDE_BEGIN
// The same for processors with AVX-512, 64 bytes at a time; the bytes past `last` are
// neither read nor faulted on.
BRINDLEX_WIDE_TARGET const char* FindStopWide(const char* from, const char* last) {
    for (; from < last; from += 64) {
        const auto left = static_cast<std::size_t>(last - from);
        const __mmask64 inside = left >= 64 ? ~__mmask64{0} : (__mmask64{1} << left) - 1;
        const __m512i bytes = _mm512_maskz_loadu_epi8(inside, from);
        const __mmask64 stops = (_mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8('\n')) |
                                 _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8('\r')) |
                                 _mm512_cmpeq_epi8_mask(bytes, _mm512_setzero_si512())) &
                                inside;
        if (stops != 0) {
            return from + _tzcnt_u64(stops);
        }
    }
    return last;
}
BRINDLEX_WIDE_END
#endif

using StopFinder = const char* (*)(const char*, const char*);

// The fastest stop finder this processor runs.
StopFinder ChooseStopFinder() {
#if defined(BRINDLEX_WIDE)
    if (HasWidePaths()) {
        return FindStopWide;
    }
#endif
    return FindStop;
}

}  // namespace

std::string_view FirstLine(std::string_view content) {
    return content.substr(0, content.find_first_of(std::string_view("\n\r\0", 3)));
}

std::string_view ReadableLine(std::string_view line) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
    if (line.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        line.remove_prefix(kByteOrderMark.size());
    }
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view blank :
             {std::string_view(" "), std::string_view("\t"), kNoBreakSpace}) {
            while (line.substr(0, blank.size()) == blank) {
                line.remove_prefix(blank.size());
                trimmed = true;
            }
            while (line.size() >= blank.size() &&
                   line.substr(line.size() - blank.size()) == blank) {
                line.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    return line;
}

LineReader::LineReader(Source source, std::size_t blockSize)
    : source_(std::move(source)),
      blockSize_(blockSize < 16 ? 16 : blockSize),
      buffer_(new char[blockSize_]),
      capacity_(blockSize_) {}

bool LineReader::Next(std::string_view& text) {
    Release();
    for (;;) {
        if (skipLf_ && begin_ < end_) {
            begin_ += buffer_[begin_] == '\n' ? 1 : 0;
            skipLf_ = false;
        }
        if (!skipLf_ && TakeLine(text)) {
            return true;
        }
        if (ended_) {
            if (begin_ == end_) {
                return false;
            }
            text = std::string_view(buffer_.get() + begin_, nul_ != kNone ? nul_ : end_ - begin_);
            begin_ = end_;
            scanned_ = 0;
            nul_ = kNone;
            return true;
        }
        Fill();
    }
}

// Hands out the line that starts at begin_ when its end has been read.
bool LineReader::TakeLine(std::string_view& text) {
    const char* const line = buffer_.get() + begin_;
    const char* const last = buffer_.get() + end_;
    static const StopFinder findStop = ChooseStopFinder();
    const char* stop = findStop(line + scanned_, last);
    while (stop != last && *stop == '\0') {
        if (nul_ == kNone) {
            nul_ = static_cast<std::size_t>(stop - line);
        }
        stop = findStop(stop + 1, last);
    }
    if (stop == last) {
        scanned_ = end_ - begin_;
        return false;
    }
    std::size_t next = static_cast<std::size_t>(stop - buffer_.get()) + 1;
    if (*stop == '\r') {
        if (next < end_) {
            next += buffer_[next] == '\n' ? 1 : 0;
        } else {
            skipLf_ = true;  // the LF, if any, comes with the next read
        }
    }
    text = std::string_view(line, nul_ != kNone ? nul_ : static_cast<std::size_t>(stop - line));
    begin_ = next;
    scanned_ = 0;
    nul_ = kNone;
    return true;
}

// Reads more bytes behind those not yet handed out, moving or growing the
// buffer when there is too little room behind them.
void LineReader::Fill() {
    const std::size_t pending = end_ - begin_;
    if (pending == 0) {
        begin_ = end_ = 0;
    } else if (capacity_ - end_ < blockSize_ / 2) {
        if (pending <= capacity_ / 2) {
            std::memmove(buffer_.get(), buffer_.get() + begin_, pending);
        } else {
            std::unique_ptr<char[]> grown(new char[capacity_ * 2]);
            std::memcpy(grown.get(), buffer_.get() + begin_, pending);
            buffer_ = std::move(grown);
            capacity_ *= 2;
        }
        begin_ = 0;
        end_ = pending;
    }
    const std::size_t count = source_(buffer_.get() + end_, capacity_ - end_);
    ended_ = count == 0;
    end_ += count;
}

void LineReader::Release() {
    if (capacity_ == blockSize_ || end_ - begin_ > blockSize_ / 2) {
        return;
    }
    std::unique_ptr<char[]> block(new char[blockSize_]);
    std::memcpy(block.get(), buffer_.get() + begin_, end_ - begin_);
    buffer_ = std::move(block);
    capacity_ = blockSize_;
    end_ -= begin_;
    begin_ = 0;
}

}  // namespace brindlex
