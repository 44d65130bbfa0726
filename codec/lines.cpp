#include "codec/lines.h"

#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "codec/readpath.h"
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

// The stop finder of the reading path that ParseCode takes: the AVX-512 one on the wide
// path, where the processor runs it.
LineReader::StopFinder ChooseStopFinder() {
#if defined(BRINDLEX_WIDE)
    if (ActiveReadPath() == ReadPath::kWide) {
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
    : m_source(std::move(source)),
      m_blockSize(blockSize < 16 ? 16 : blockSize),
      m_buffer(new char[m_blockSize]),
      m_capacity(m_blockSize),
      m_findStop(ChooseStopFinder()) {}

bool LineReader::Next(std::string_view& text) {
    Release();
    for (;;) {
        if (m_skipLf && m_begin < m_end) {
            m_begin += m_buffer[m_begin] == '\n' ? 1 : 0;
            m_skipLf = false;
        }
        if (!m_skipLf && TakeLine(text)) {
            return true;
        }
        if (m_ended) {
            if (m_begin == m_end) {
                return false;
            }
            text = std::string_view(m_buffer.get() + m_begin,
                                    m_nul != kNone ? m_nul : m_end - m_begin);
            m_begin = m_end;
            m_scanned = 0;
            m_nul = kNone;
            return true;
        }
        Fill();
    }
}

// Hands out the line that starts at m_begin when its end has been read.
bool LineReader::TakeLine(std::string_view& text) {
    const char* const line = m_buffer.get() + m_begin;
    const char* const last = m_buffer.get() + m_end;
    const char* stop = m_findStop(line + m_scanned, last);
    while (stop != last && *stop == '\0') {
        if (m_nul == kNone) {
            m_nul = static_cast<std::size_t>(stop - line);
        }
        stop = m_findStop(stop + 1, last);
    }
    if (stop == last) {
        m_scanned = m_end - m_begin;
        return false;
    }
    std::size_t next = static_cast<std::size_t>(stop - m_buffer.get()) + 1;
    if (*stop == '\r') {
        if (next < m_end) {
            next += m_buffer[next] == '\n' ? 1 : 0;
        } else {
            m_skipLf = true;  // the LF, if any, comes with the next read
        }
    }
    text = std::string_view(line, m_nul != kNone ? m_nul : static_cast<std::size_t>(stop - line));
    m_begin = next;
    m_scanned = 0;
    m_nul = kNone;
    return true;
}

// Reads more bytes behind those not yet handed out, moving or growing the
// buffer when there is too little room behind them.
void LineReader::Fill() {
    const std::size_t pending = m_end - m_begin;
    if (pending == 0) {
        m_begin = m_end = 0;
    } else if (m_capacity - m_end < m_blockSize / 2) {
        if (pending <= m_capacity / 2) {
            std::memmove(m_buffer.get(), m_buffer.get() + m_begin, pending);
        } else {
            std::unique_ptr<char[]> grown(new char[m_capacity * 2]);
            std::memcpy(grown.get(), m_buffer.get() + m_begin, pending);
            m_buffer = std::move(grown);
            m_capacity *= 2;
        }
        m_begin = 0;
        m_end = pending;
    }
    const std::size_t count = m_source(m_buffer.get() + m_end, m_capacity - m_end);
    m_ended = count == 0;
    m_end += count;
}

void LineReader::Release() {
    if (m_capacity == m_blockSize || m_end - m_begin > m_blockSize / 2) {
        return;
    }
    std::unique_ptr<char[]> block(new char[m_blockSize]);
    std::memcpy(block.get(), m_buffer.get() + m_begin, m_end - m_begin);
    m_buffer = std::move(block);
    m_capacity = m_blockSize;
    m_end -= m_begin;
    m_begin = 0;
}

}  // namespace brindlex
