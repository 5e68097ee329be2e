#pragma once

#include "htl/HTL_MessageHandler.h"

#include <sstream>
#include <string>

namespace HTL {

/*! An output string stream that is sent as one message.

    Text and values are inserted as into any output stream; flush() (or the std::flush
    manipulator) appends a line feed, sends the buffered text with the stream's type, context
    and verbosity through HTL::message(), and empties the buffer. Text still buffered when the
    stream is destroyed is sent unchanged, without a line feed.
*/
class MessageStream : public std::ostream
{
public:
    MessageStream(const std::string &context, int type = MSG_PROGRESS, int verbosity = 1);
    ~MessageStream() override;

    MessageStream(const MessageStream &) = delete;
    MessageStream &operator=(const MessageStream &) = delete;

    /*! Sends the buffered text with a line feed appended and clears buffer and stream state. */
    MessageStream &flush();

    void setType(int type) { m_buffer.m_type = type; }
    void setVerbosity(int verbosity) { m_buffer.m_verbosity = verbosity; }
    int type() const { return m_buffer.m_type; }
    int verbosity() const { return m_buffer.m_verbosity; }
    const std::string &context() const { return m_buffer.m_context; }

private:
    /*! The string buffer whose sync() sends the message. */
    struct Buffer : public std::stringbuf
    {
        int sync() override;
        std::string m_context;
        int m_type = MSG_PROGRESS;
        int m_verbosity = 1;
    };

    Buffer m_buffer;
};

} // namespace HTL
