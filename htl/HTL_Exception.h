#pragma once

#include <exception>
#include <string>
#include <vector>

namespace HTL {

class PlaceholderText;

/*! The exception thrown by the foundation library and the numeric solvers.

    It carries a stack of (message, context) entries. The function that throws first creates the
    exception with one entry; every function further out that catches it and wants to add an
    explanation throws a new exception built from the caught one plus its own entry. The first
    entry is thus the innermost cause and the last the most general explanation, which is what
    what() returns and what the user interface finally shows.

    Contexts name the throwing class and operation in square brackets, e.g. "[UnitList::read]".
    All texts are UTF-8.
*/
class Exception : public std::exception
{
public:
    /*! One entry of the message stack. */
    struct Entry
    {
        std::string m_message;
        std::string m_context;
    };

    Exception() = default;
    Exception(const std::string &message, const std::string &context);
    Exception(const PlaceholderText &message, const std::string &context);
    /*! Copies all entries of previous and appends (message, context). */
    Exception(const Exception &previous, const std::string &message, const std::string &context);
    Exception(const Exception &previous, const PlaceholderText &message,
              const std::string &context);

    /*! The message of the last entry, or an empty text if there is none. */
    const char *what() const noexcept override;

    /*! All entries in order; the first is the innermost cause. */
    const std::vector<Entry> &entries() const { return m_entries; }

    /*! Sends every entry, innermost first, as an error message (verbosity -1) through the
        current message handler. */
    void writeMsgStackToError() const;

private:
    std::vector<Entry> m_entries;
};

} // namespace HTL
