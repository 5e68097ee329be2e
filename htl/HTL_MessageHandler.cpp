#include "htl/HTL_MessageHandler.h"

#include "htl/HTL_MessageRouter.h"

#include <ctime>
#include <fstream>
#include <iostream>
#include <vector>

#include <unistd.h>

namespace HTL {

namespace {

// ANSI escape sequences for the console colours: bright red for errors, bright magenta for
// debug output, bright yellow for warnings; afterwards the terminal's own default colour.
const char *const AnsiError = "\033[91m";
const char *const AnsiDebug = "\033[95m";
const char *const AnsiWarning = "\033[93m";
const char *const AnsiReset = "\033[0m";

} // namespace

MessageHandler::MessageHandler()
    : m_console(&std::cout)
    , m_consoleColors(::isatty(STDOUT_FILENO) == 1)
{
}

MessageHandler::~MessageHandler()
{
    closeLogFile();
    MessageRouter::handlerDestroyed(this);
}

std::string MessageHandler::typeLabel(int type)
{
    switch (type) {
    case MSG_PROGRESS:
        return "[Progress]";
    case MSG_CONT:
        return std::string();
    case MSG_WARNING:
        return "[Warning ]";
    case MSG_ERROR:
        return "[Error   ]";
    case MSG_DEBUG:
        return "[Debug   ]";
    default:
        return "[Invalid ]";
    }
}

std::string MessageHandler::timeStamp() const
{
    if (m_timeStampFormat.empty())
        return std::string();
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::vector<char> buffer(m_timeStampFormat.size() + 500);
    const std::size_t len =
        std::strftime(buffer.data(), buffer.size(), m_timeStampFormat.c_str(), &local);
    return std::string(buffer.data(), len) + "\t";
}

void MessageHandler::writeConsole(const std::string &text, int type, bool lineEnd)
{
    if (!m_console)
        return;
    const char *colour = nullptr;
    if (m_consoleColors) {
        if (type == MSG_ERROR)
            colour = AnsiError;
        else if (type == MSG_DEBUG)
            colour = AnsiDebug;
        else if (type == MSG_WARNING)
            colour = AnsiWarning;
    }
    if (colour)
        *m_console << colour;
    *m_console << text;
    if (colour)
        *m_console << AnsiReset;
    if (lineEnd)
        *m_console << '\n';
    m_console->flush();
    if (type == MSG_ERROR)
        std::cerr.flush();
}

void MessageHandler::msg(const std::string &text, int type, const std::string &context,
                         int verbosity)
{
    if (type != MSG_ERROR && type != MSG_DEBUG && verbosity > m_logfileVerbosity &&
        verbosity > m_consoleVerbosity)
        return;
    if (type < MSG_PROGRESS || type > MSG_DEBUG)
        return; // invalid type: written nowhere

    const std::string stamp = timeStamp();
    std::string contextColumn = context;
    if (contextColumn.size() < static_cast<std::size_t>(m_contextWidth))
        contextColumn.resize(static_cast<std::size_t>(m_contextWidth), ' ');
    contextColumn += '\t';
    const std::string label = typeLabel(type) + "\t";
    const std::string indent(static_cast<std::size_t>(m_indentation > 0 ? 2 * m_indentation : 0),
                             ' ');
    const std::string prefix = stamp + label + contextColumn + indent;

    // Every line feed except a final one starts a new physical log line with the full prefix.
    std::string body;
    body.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        body += text[i];
        if (text[i] == '\n' && i + 1 < text.size())
            body += prefix;
    }
    const std::string logLine = prefix + body;
    const std::string consoleText = indent + text;

    const bool toLog = verbosity != 0 && verbosity <= m_logfileVerbosity;
    const bool toConsole = verbosity <= m_consoleVerbosity;

    switch (type) {
    case MSG_PROGRESS:
        if (m_logStream && toLog)
            *m_logStream << logLine;
        if (toConsole)
            writeConsole(consoleText, type, false);
        break;
    case MSG_CONT:
        if (m_logStream && toLog)
            *m_logStream << text;
        if (toConsole)
            writeConsole(text, type, false);
        break;
    case MSG_WARNING:
        if (m_logStream && toLog)
            *m_logStream << logLine << std::endl;
        if (toConsole)
            writeConsole(consoleText, type, true);
        break;
    case MSG_ERROR:
    case MSG_DEBUG:
        if (m_logStream)
            *m_logStream << logLine << std::endl;
        writeConsole(consoleText, type, true);
        break;
    default:
        break;
    }
    if (m_logStream)
        m_logStream->flush();
}

void MessageHandler::logOnly(const std::string &text, int type, const std::string &context)
{
    if (!m_logStream || type < MSG_PROGRESS || type > MSG_DEBUG)
        return;
    std::string contextColumn = context;
    if (contextColumn.size() < static_cast<std::size_t>(m_contextWidth))
        contextColumn.resize(static_cast<std::size_t>(m_contextWidth), ' ');
    *m_logStream << timeStamp() << typeLabel(type) << '\t' << contextColumn << '\t' << text;
    if (text.empty() || text.back() != '\n')
        *m_logStream << '\n';
    m_logStream->flush();
}

bool MessageHandler::openLogFile(const std::string &fileName, bool append,
                                 std::string &errorMessage)
{
    closeLogFile();
    if (fileName.empty() || m_logfileVerbosity == 0)
        return true;
    // POSIX file names are byte strings; UTF-8 names are passed through unchanged.
    std::ios_base::openmode mode = std::ios_base::out;
    mode |= append ? std::ios_base::app : std::ios_base::trunc;
    m_logStream.reset(new std::ofstream(fileName.c_str(), mode));
    if (append && *m_logStream)
        *m_logStream << '\n' << "----------- continued -------------" << '\n' << std::endl;
    if (!*m_logStream) {
        closeLogFile();
        errorMessage = "Cannot open/create logfile '" + fileName + "'.";
        return false;
    }
    return true;
}

void MessageHandler::closeLogFile()
{
    if (!m_logStream)
        return;
    m_logStream->close();
    m_logStream.reset();
}

} // namespace HTL
