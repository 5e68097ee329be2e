#include "htl/HTL_EOLStreamBuffer.h"

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

} // namespace HTL
