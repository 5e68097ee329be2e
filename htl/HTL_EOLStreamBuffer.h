#pragma once

#include <istream>
#include <streambuf>

namespace HTL {

/*! A stream buffer that makes the line ends of a text stream uniform while it is read.

    Installed in an existing input stream in place of its buffer, it reads from the stream's
    previous buffer and delivers every line end as a single line feed: "\r\n", "\n\r" and a pair
    of record separators (30) each become one line feed, a lone carriage return becomes one,
    while "\r\r" and "\n\n" stay two line ends. The stream gets its own buffer back when this
    object is destroyed, so the object must not outlive the stream.
*/
class EOLStreamBuffer : public std::streambuf
{
public:
    explicit EOLStreamBuffer(std::istream &stream);
    ~EOLStreamBuffer() override;

    EOLStreamBuffer(const EOLStreamBuffer &) = delete;
    EOLStreamBuffer &operator=(const EOLStreamBuffer &) = delete;

protected:
    int_type underflow() override;

private:
    std::istream &m_stream;
    std::streambuf *m_source;
    char m_lastLineEnd = 0; ///< last line-end character delivered, 0 after any other character
    char m_current = 0;     ///< one-character get area
};

} // namespace HTL
