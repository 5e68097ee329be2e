#pragma once

#include "htl/HTL_MessageHandler.h"

namespace HTL {

/*! The process-wide owner of the default message handler and the pointer to the current one.

    Created on first use. Everything that logs goes through current(), so a program or a test
    can redirect all messages by installing its own handler with setCurrent(). When the current
    handler is destroyed, the router falls back to the default handler.
*/
class MessageRouter
{
public:
    static MessageRouter &instance();

    /*! The current handler; never null. */
    MessageHandler *current() { return m_current; }
    /*! Makes handler current; nullptr means the default handler. The router does not own it. */
    void setCurrent(MessageHandler *handler);
    /*! Makes the default handler current. */
    void reset() { m_current = &m_defaultHandler; }

    /*! Called by a handler's destructor: resets the router if that handler is current. Safe to
        call after the router itself was destroyed at process exit. */
    static void handlerDestroyed(MessageHandler *handler);

private:
    MessageRouter();
    ~MessageRouter();

    MessageHandler m_defaultHandler;
    MessageHandler *m_current;
    static MessageRouter *s_alive;
};

} // namespace HTL
