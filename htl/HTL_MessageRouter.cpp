#include "htl/HTL_MessageRouter.h"

namespace HTL {

MessageRouter *MessageRouter::s_alive = nullptr;

MessageRouter::MessageRouter()
    : m_current(&m_defaultHandler)
{
    s_alive = this;
}

MessageRouter::~MessageRouter()
{
    // From here on, handlers destroyed later (including the default one below) must not reach
    // back into this object.
    s_alive = nullptr;
}

MessageRouter &MessageRouter::instance()
{
    static MessageRouter router;
    return router;
}

void MessageRouter::setCurrent(MessageHandler *handler)
{
    m_current = handler ? handler : &m_defaultHandler;
}

void MessageRouter::handlerDestroyed(MessageHandler *handler)
{
    if (s_alive && s_alive->m_current == handler)
        s_alive->reset();
}

void message(const std::string &text, int type, const std::string &context, int verbosity)
{
    MessageRouter::instance().current()->msg(text, type, context, verbosity);
}

} // namespace HTL
