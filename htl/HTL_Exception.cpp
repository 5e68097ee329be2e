#include "htl/HTL_Exception.h"

#include "htl/HTL_MessageHandler.h"
#include "htl/HTL_PlaceholderText.h"

namespace HTL {

Exception::Exception(const std::string &message, const std::string &context)
{
    m_entries.push_back(Entry{message, context});
}

Exception::Exception(const PlaceholderText &message, const std::string &context)
    : Exception(message.str(), context)
{
}

Exception::Exception(const Exception &previous, const std::string &message,
                     const std::string &context)
    : m_entries(previous.m_entries)
{
    m_entries.push_back(Entry{message, context});
}

Exception::Exception(const Exception &previous, const PlaceholderText &message,
                     const std::string &context)
    : Exception(previous, message.str(), context)
{
}

const char *Exception::what() const noexcept
{
    if (m_entries.empty())
        return "";
    return m_entries.back().m_message.c_str();
}

void Exception::writeMsgStackToError() const
{
    for (const Entry &e : m_entries)
        message(e.m_message, MSG_ERROR, e.m_context, -1);
}

} // namespace HTL
