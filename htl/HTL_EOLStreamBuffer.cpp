#include "htl/HTL_EOLStreamBuffer.h"

#include <algorithm>

namespace HTL {

namespace {

const char CR = 13;
const char LF = 10;
const char RS = 30; // record separator, used as line end by some old export tools

char partner(char c)
{
    if (c == CR)
        return LF;
    if (c == LF)
        return CR;
    return RS;
}

} // namespace

EOLStreamBuffer::EOLStreamBuffer(std::istream &stream)
    : m_stream(stream)
    , m_source(stream.rdbuf(this))
{
}

EOLStreamBuffer::~EOLStreamBuffer()
{
    m_stream.rdbuf(m_source);
}

EOLStreamBuffer::int_type EOLStreamBuffer::underflow()
{
    if (!m_source)
        return traits_type::eof();
    while (true) {
        const int_type ci = m_source->sbumpc();
        if (traits_type::eq_int_type(ci, traits_type::eof()))
            return ci;
        const char c = traits_type::to_char_type(ci);
        if (m_lastLineEnd == CR && c != LF)
            m_crOnlySeen = true;
        if (c != CR && c != LF && c != RS) {
            m_lastLineEnd = 0;
            m_current = c;
            break;
        }
        if (m_lastLineEnd != 0 && partner(c) == m_lastLineEnd) {
            // Second half of a two-character line end: swallowed.
            m_lastLineEnd = 0;
            continue;
        }
        m_lastLineEnd = c;
        m_current = LF;
        break;
    }
    setg(&m_current, &m_current, &m_current + 1);
    return traits_type::to_int_type(m_current);
}

void EOLStreamBuffer::beginRaw()
{
    setg(&m_current, &m_current + 1, &m_current + 1); // nothing translated is pending any more
    // An LF after the CR is the rest of the line end, unless the file's lines end in a CR alone:
    // then it is the first data byte.
    if (m_source && m_lastLineEnd == CR && !m_crOnlySeen &&
        traits_type::eq_int_type(m_source->sgetc(), traits_type::to_int_type(LF)))
        m_source->sbumpc();
    m_lastLineEnd = 0;
}

std::streamsize EOLStreamBuffer::readRaw(char *dest, std::streamsize n)
{
    if (!m_source || n <= 0)
        return 0;
    beginRaw();
    return m_source->sgetn(dest, n);
}

std::streamsize EOLStreamBuffer::skipRaw(std::streamsize n)
{
    if (!m_source || n <= 0)
        return 0;
    beginRaw();
    char chunk[4096];
    std::streamsize skipped = 0;
    while (skipped < n) {
        const std::streamsize want = std::min<std::streamsize>(n - skipped, sizeof chunk);
        const std::streamsize got = m_source->sgetn(chunk, want);
        skipped += got;
        if (got < want)
            break;
    }
    return skipped;
}

} // namespace HTL
