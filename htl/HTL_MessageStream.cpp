#include "htl/HTL_MessageStream.h"

namespace HTL {

MessageStream::MessageStream(const std::string &context, int type, int verbosity)
    : std::ostream(nullptr)
{
    m_buffer.m_context = context;
    m_buffer.m_type = type;
    m_buffer.m_verbosity = verbosity;
    rdbuf(&m_buffer);
}

MessageStream::~MessageStream()
{
    const std::string rest = m_buffer.str();
    if (!rest.empty())
        message(rest, m_buffer.m_type, m_buffer.m_context, m_buffer.m_verbosity);
}

MessageStream &MessageStream::flush()
{
    // Synchronised directly rather than through std::ostream::flush(), which does nothing while
    // the stream is in a failed state: the text gathered so far must still be sent.
    m_buffer.pubsync();
    clear();
    return *this;
}

int MessageStream::Buffer::sync()
{
    const std::string text = str() + "\n";
    str(std::string());
    message(text, m_type, m_context, m_verbosity);
    return 0;
}

} // namespace HTL
