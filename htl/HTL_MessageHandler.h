#pragma once

#include <iosfwd>
#include <memory>
#include <string>

namespace HTL {

/*! Message types passed with every message. */
enum MessageType
{
    MSG_PROGRESS = 0, ///< ordinary information
    MSG_CONT = 1,     ///< continuation of the previous progress line, written as is
    MSG_WARNING = 2,
    MSG_ERROR = 3,
    MSG_DEBUG = 4
};

/*! Sends a message through the current handler of the message router.
    Verbosity: the smaller, the more important; -1 always passes the thresholds. */
void message(const std::string &text, int type, const std::string &context, int verbosity);

/*! Writes messages to the log file and to the console.

    Every physical line of the log carries the full prefix: time stamp, a ten-character type
    label, the context padded to a fixed column and the indentation, each part followed by a tab
    (the indentation excepted). The console gets the bare text, coloured by type when standard
    output is a terminal. Two verbosity thresholds (console and log file) filter progress and
    warning messages; errors and debug messages always pass. The log is flushed after every
    message so that it is complete when the process ends abnormally.

    Subclasses may override msg() to capture messages (the tests do); a handler becomes active
    through MessageRouter::setCurrent().
*/
class MessageHandler
{
public:
    MessageHandler();
    virtual ~MessageHandler();

    MessageHandler(const MessageHandler &) = delete;
    MessageHandler &operator=(const MessageHandler &) = delete;

    /*! Writes one message. Never throws on output errors. */
    virtual void msg(const std::string &text, int type, const std::string &context, int verbosity);
    /*! Writes one message to the log file only, with the log's time stamp, label and context
        (nothing without a log file): for notes that concern whoever reads the log afterwards,
        not the user at the console (a font that was substituted). */
    void logOnly(const std::string &text, int type, const std::string &context);

    /*! Closes any open log file and opens fileName (UTF-8) for writing; appending adds a
        "continued" separator first. An empty name, or a log threshold of 0, opens nothing and
        succeeds. On failure errorMessage receives the reason and false is returned. */
    virtual bool openLogFile(const std::string &fileName, bool append, std::string &errorMessage);

    /*! Closes and deletes the log stream; nothing if none is open. */
    void closeLogFile();

    bool hasLogFile() const { return m_logStream != nullptr; }

    int contextWidth() const { return m_contextWidth; }
    void setContextWidth(int width) { m_contextWidth = width; }
    int consoleVerbosity() const { return m_consoleVerbosity; }
    void setConsoleVerbosity(int level) { m_consoleVerbosity = level; }
    int logfileVerbosity() const { return m_logfileVerbosity; }
    void setLogfileVerbosity(int level) { m_logfileVerbosity = level; }
    /*! strftime format of the time stamp; an empty format writes no time stamp and no tab. */
    const std::string &timeStampFormat() const { return m_timeStampFormat; }
    void setTimeStampFormat(const std::string &format) { m_timeStampFormat = format; }
    /*! Each indentation level is two blanks in front of the message text. */
    int indentation() const { return m_indentation; }
    void setIndentation(int level) { m_indentation = level; }

    /*! Redirects the console output (default: std::cout); nullptr silences the console. */
    void setConsoleStream(std::ostream *stream) { m_console = stream; }
    /*! ANSI colours on the console; by default on only when standard output is a terminal. */
    void setConsoleColors(bool enabled) { m_consoleColors = enabled; }

    /*! The ten-character label of a message type, e.g. "[Warning ]"; empty for continuation. */
    static std::string typeLabel(int type);

private:
    std::string timeStamp() const;
    void writeConsole(const std::string &text, int type, bool lineEnd);

    std::string m_text; ///< free text, not used by the operations
    int m_contextWidth = 40;
    int m_consoleVerbosity = 4;
    int m_logfileVerbosity = 2;
    std::unique_ptr<std::ofstream> m_logStream;
    std::string m_timeStampFormat = "%Y-%m-%d %H:%M:%S";
    int m_indentation = 0;

    std::ostream *m_console;
    bool m_consoleColors;
};

} // namespace HTL
