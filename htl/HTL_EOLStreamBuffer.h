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

    /*! Skips n bytes of binary data that follow a line as they stand in the source, without
        line-end translation (binary blocks embedded in old text files). An LF completing the
        CR that ended the previous line is not part of the data, unless earlier lines of the
        file ended in a CR alone. Returns the number of
        bytes skipped, less than n at the end of the data. */
    std::streamsize skipRaw(std::streamsize n);
    /*! Reads up to n bytes the same way into dest; returns the number read. */
    std::streamsize readRaw(char *dest, std::streamsize n);

protected:
    int_type underflow() override;

private:
    /*! Drops the pending LF of a CR LF line end and the translated character still in the get
        area, so that the next byte of the source is the first byte of the binary data. */
    void beginRaw();

    std::istream &m_stream;
    std::streambuf *m_source;
    char m_lastLineEnd = 0;    ///< last line-end character delivered, 0 after any other character
    char m_current = 0;        ///< one-character get area
    bool m_crOnlySeen = false; ///< a line has ended in a CR without LF
};

} // namespace HTL
