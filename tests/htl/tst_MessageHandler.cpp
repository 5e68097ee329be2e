// Log and console output of the message handler, the router and the message stream.

#include "TestSupport.h"

#include "htl/HTL_MessageHandler.h"
#include "htl/HTL_MessageRouter.h"
#include "htl/HTL_MessageStream.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sstream>

using HTL::MessageHandler;

namespace {

QString readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<cannot open %1>").arg(path);
    return QString::fromUtf8(f.readAll());
}

// The prefix of every log line without time stamp: label, tab, context padded to 40 columns,
// tab, two blanks per indentation level.
QString prefix(const QString &label, const QString &context, int indentation = 0)
{
    QString ctx = context;
    if (ctx.size() < 40)
        ctx += QString(40 - ctx.size(), QLatin1Char(' '));
    return label + QLatin1Char('\t') + ctx + QLatin1Char('\t') +
           QString(2 * indentation, QLatin1Char(' '));
}

} // namespace

class tst_MessageHandler : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void logOnlyWritesNoConsole();

    void logAndConsole_data();
    void logAndConsole();
    void timeStampOnEveryLine();
    void customTimeStampFormat();
    void consoleColours();
    void openLogFileVariants();
    void openLogFileFailure();
    void appendWritesSeparator();
    void streamWarningLeavesEmptyLine();
    void streamDestructionSendsRest();
    void streamRespectsSetters();
    void routerFallsBackToDefault();

private:
    QTemporaryDir m_dir;
};

void tst_MessageHandler::init()
{
    QVERIFY(m_dir.isValid());
}

void tst_MessageHandler::logAndConsole_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("verbosity");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("indentation");
    QTest::addColumn<QString>("expectedLog");
    QTest::addColumn<QString>("expectedConsole");

    const QString ctx = QStringLiteral("Calc::run");
    QTest::newRow("progress logged")
        << 0 << 1 << ctx << "hello" << 0 << prefix("[Progress]", ctx) + "hello"
        << "hello";
    QTest::newRow("progress at log threshold")
        << 0 << 2 << ctx << "x" << 0 << prefix("[Progress]", ctx) + "x"
        << "x";
    QTest::newRow("progress verbosity 0 console only") << 0 << 0 << ctx << "hello" << 0 << ""
                                                       << "hello";
    QTest::newRow("progress above log threshold") << 0 << 3 << ctx << "hello" << 0 << ""
                                                  << "hello";
    QTest::newRow("progress above both thresholds") << 0 << 5 << ctx << "hello" << 0 << ""
                                                    << "";
    QTest::newRow("progress always -1") << 0 << -1 << ctx << "hi\n"
                                        << 0 << prefix("[Progress]", ctx) + "hi\n"
                                        << "hi\n";
    QTest::newRow("continuation") << 1 << 1 << ctx << "more" << 1 << "more"
                                  << "more";
    QTest::newRow("continuation above log threshold") << 1 << 4 << ctx << "more" << 0 << ""
                                                      << "more";
    QTest::newRow("warning") << 2 << 1 << ctx << "careful" << 0
                             << prefix("[Warning ]", ctx) + "careful\n"
                             << "careful\n";
    QTest::newRow("warning console only") << 2 << 4 << ctx << "careful" << 0 << ""
                                          << "careful\n";
    QTest::newRow("error ignores thresholds")
        << 3 << 10 << ctx << "broken" << 0 << prefix("[Error   ]", ctx) + "broken\n"
        << "broken\n";
    QTest::newRow("debug ignores thresholds")
        << 4 << 10 << ctx << "dbg" << 0 << prefix("[Debug   ]", ctx) + "dbg\n"
        << "dbg\n";
    QTest::newRow("invalid type") << 7 << -1 << ctx << "lost" << 0 << ""
                                  << "";
    QTest::newRow("multi-line progress")
        << 0 << 1 << ctx << "a\nb\n"
        << 0 << prefix("[Progress]", ctx) + "a\n" + prefix("[Progress]", ctx) + "b\n"
        << "a\nb\n";
    QTest::newRow("multi-line error")
        << 3 << 1 << ctx << "a\nb" << 0
        << prefix("[Error   ]", ctx) + "a\n" + prefix("[Error   ]", ctx) + "b\n"
        << "a\nb\n";
    QTest::newRow("indentation") << 0 << 1 << ctx << "a\nb" << 2
                                 << prefix("[Progress]", ctx, 2) + "a\n" +
                                        prefix("[Progress]", ctx, 2) + "b"
                                 << "    a\nb";
    QTest::newRow("empty context") << 2 << 1 << ""
                                   << "w" << 0 << prefix("[Warning ]", "") + "w\n"
                                   << "w\n";
    const QString longCtx = QString(45, QLatin1Char('c'));
    QTest::newRow("long context not cut")
        << 0 << 1 << longCtx << "t" << 0 << "[Progress]\t" + longCtx + "\tt"
        << "t";
}

void tst_MessageHandler::logAndConsole()
{
    QFETCH(int, type);
    QFETCH(int, verbosity);
    QFETCH(QString, context);
    QFETCH(QString, text);
    QFETCH(int, indentation);
    QFETCH(QString, expectedLog);
    QFETCH(QString, expectedConsole);

    const QString logPath = m_dir.filePath(QStringLiteral("log.txt"));
    std::ostringstream console;
    {
        MessageHandler handler;
        handler.setConsoleStream(&console);
        handler.setConsoleColors(false);
        handler.setTimeStampFormat(std::string());
        handler.setIndentation(indentation);
        std::string error;
        QVERIFY(handler.openLogFile(logPath.toStdString(), false, error));
        QVERIFY(handler.hasLogFile());
        handler.msg(text.toStdString(), type, context.toStdString(), verbosity);
    }
    QCOMPARE(readFile(logPath), expectedLog);
    QCOMPARE(QString::fromStdString(console.str()), expectedConsole);
}

void tst_MessageHandler::timeStampOnEveryLine()
{
    const QString logPath = m_dir.filePath(QStringLiteral("stamp.txt"));
    {
        MessageHandler handler;
        handler.setConsoleStream(nullptr);
        std::string error;
        QVERIFY(handler.openLogFile(logPath.toStdString(), false, error));
        handler.msg("first\nsecond\n", HTL::MSG_PROGRESS, "ctx", 1);
        handler.msg("third", HTL::MSG_WARNING, "ctx", 1);
    }
    const QStringList lines = readFile(logPath).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 4); // three lines, the last line end leaves an empty tail
    QCOMPARE(lines.last(), QString());
    const QRegularExpression stamp(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}\\t(\\[[A-Za-z ]{8}\\])\\t"));
    const QStringList labels = {QStringLiteral("[Progress]"), QStringLiteral("[Progress]"),
                                QStringLiteral("[Warning ]")};
    const QStringList texts = {QStringLiteral("first"), QStringLiteral("second"),
                               QStringLiteral("third")};
    for (int i = 0; i < 3; ++i) {
        const QRegularExpressionMatch m = stamp.match(lines[i]);
        QVERIFY2(m.hasMatch(), qPrintable(lines[i]));
        QCOMPARE(m.captured(1), labels[i]);
        QVERIFY(lines[i].endsWith(prefix(labels[i], "ctx").mid(10) + texts[i]));
    }
}

void tst_MessageHandler::customTimeStampFormat()
{
    const QString logPath = m_dir.filePath(QStringLiteral("custom.txt"));
    {
        MessageHandler handler;
        handler.setConsoleStream(nullptr);
        handler.setTimeStampFormat("T%%");
        std::string error;
        QVERIFY(handler.openLogFile(logPath.toStdString(), false, error));
        handler.msg("x", HTL::MSG_PROGRESS, "c", 1);
    }
    QCOMPARE(readFile(logPath), "T%\t" + prefix("[Progress]", "c") + "x");
}

void tst_MessageHandler::consoleColours()
{
    std::ostringstream console;
    MessageHandler handler;
    handler.setConsoleStream(&console);
    handler.setConsoleColors(true);
    handler.msg("e", HTL::MSG_ERROR, "c", 1);
    handler.msg("w", HTL::MSG_WARNING, "c", 1);
    handler.msg("d", HTL::MSG_DEBUG, "c", 1);
    handler.msg("p", HTL::MSG_PROGRESS, "c", 1);
    QCOMPARE(QString::fromStdString(console.str()),
             QStringLiteral("\033[91me\033[0m\n\033[93mw\033[0m\n\033[95md\033[0m\np"));
}

void tst_MessageHandler::openLogFileVariants()
{
    MessageHandler handler;
    handler.setConsoleStream(nullptr);
    std::string error;
    QVERIFY(handler.openLogFile(std::string(), false, error));
    QVERIFY(!handler.hasLogFile());

    const QString logPath = m_dir.filePath(QStringLiteral("threshold0.txt"));
    handler.setLogfileVerbosity(0);
    QVERIFY(handler.openLogFile(logPath.toStdString(), false, error));
    QVERIFY(!handler.hasLogFile());
    QVERIFY(!QFile::exists(logPath));
    QVERIFY(error.empty());

    // Reopening truncates.
    handler.setLogfileVerbosity(2);
    const QString path2 = m_dir.filePath(QStringLiteral("trunc.txt"));
    QVERIFY(handler.openLogFile(path2.toStdString(), false, error));
    handler.msg("old", HTL::MSG_PROGRESS, "", 1);
    QVERIFY(handler.openLogFile(path2.toStdString(), false, error));
    handler.msg("new", HTL::MSG_CONT, "", 1);
    handler.closeLogFile();
    QVERIFY(!handler.hasLogFile());
    QCOMPARE(readFile(path2), QStringLiteral("new"));
}

void tst_MessageHandler::openLogFileFailure()
{
    MessageHandler handler;
    handler.setConsoleStream(nullptr);
    const std::string path = m_dir.filePath(QStringLiteral("missing/dir/log.txt")).toStdString();
    std::string error;
    QVERIFY(!handler.openLogFile(path, false, error));
    QVERIFY(!handler.hasLogFile());
    QCOMPARE(QString::fromStdString(error),
             QString::fromStdString("Cannot open/create logfile '" + path + "'."));
    // The handler keeps working without a log file.
    handler.msg("still alive", HTL::MSG_ERROR, "c", -1);
}

void tst_MessageHandler::appendWritesSeparator()
{
    const QString logPath = m_dir.filePath(QStringLiteral("append.txt"));
    {
        MessageHandler handler;
        handler.setConsoleStream(nullptr);
        std::string error;
        QVERIFY(handler.openLogFile(logPath.toStdString(), false, error));
        handler.msg("one", HTL::MSG_CONT, "", 1);
        QVERIFY(handler.openLogFile(logPath.toStdString(), true, error));
        handler.msg("two", HTL::MSG_CONT, "", 1);
    }
    QCOMPARE(readFile(logPath), QStringLiteral("one\n----------- continued -------------\n\ntwo"));
}

void tst_MessageHandler::streamWarningLeavesEmptyLine()
{
    const QString logPath = m_dir.filePath(QStringLiteral("stream.txt"));
    {
        MessageHandler handler;
        handler.setConsoleStream(nullptr);
        handler.setTimeStampFormat(std::string());
        std::string error;
        QVERIFY(handler.openLogFile(logPath.toStdString(), false, error));
        HTL::MessageRouter::instance().setCurrent(&handler);
        HTL::MessageStream stream("Settings::userMaterialsDir", HTL::MSG_WARNING, -1);
        stream << "value " << 42;
        stream.flush();
        stream << "next" << std::flush;
        QVERIFY(stream.good());
    }
    // The destroyed handler was current: the router fell back to its default handler.
    const QString p = prefix("[Warning ]", "Settings::userMaterialsDir");
    QCOMPARE(readFile(logPath), p + "value 42\n\n" + p + "next\n\n");
}

void tst_MessageHandler::streamDestructionSendsRest()
{
    TestSupport::MessageCapture capture;
    {
        HTL::MessageStream stream("main", HTL::MSG_PROGRESS, -1);
        stream << "started";
        stream.flush();
        stream << "unfinished";
    }
    {
        HTL::MessageStream empty("main");
    }
    QCOMPARE(capture.messages().size(), 2);
    QCOMPARE(capture.messages()[0].m_text, std::string("started\n"));
    QCOMPARE(capture.messages()[0].m_context, std::string("main"));
    QCOMPARE(capture.messages()[0].m_verbosity, -1);
    QCOMPARE(capture.messages()[1].m_text, std::string("unfinished"));
}

void tst_MessageHandler::streamRespectsSetters()
{
    TestSupport::MessageCapture capture;
    HTL::MessageStream stream("ctx");
    stream.setType(HTL::MSG_DEBUG);
    stream.setVerbosity(3);
    stream << 1.5;
    stream.flush();
    QCOMPARE(capture.messages().size(), 1);
    QCOMPARE(capture.messages()[0].m_type, int(HTL::MSG_DEBUG));
    QCOMPARE(capture.messages()[0].m_verbosity, 3);
    QCOMPARE(capture.messages()[0].m_text, std::string("1.5\n"));

    // A failed insertion must not swallow the text gathered before it, and flushing clears the
    // failed state.
    stream << "partial";
    stream.setstate(std::ios_base::failbit);
    stream.flush();
    QVERIFY(stream.good());
    QCOMPARE(capture.messages().size(), 2);
    QCOMPARE(capture.messages()[1].m_text, std::string("partial\n"));
}

void tst_MessageHandler::routerFallsBackToDefault()
{
    HTL::MessageRouter &router = HTL::MessageRouter::instance();
    HTL::MessageHandler *def = router.current();
    {
        MessageHandler mine;
        router.setCurrent(&mine);
        QCOMPARE(router.current(), &mine);
    }
    QCOMPARE(router.current(), def);
    MessageHandler other;
    router.setCurrent(&other);
    router.reset();
    QCOMPARE(router.current(), def);
    router.setCurrent(nullptr);
    QCOMPARE(router.current(), def);
}

void tst_MessageHandler::logOnlyWritesNoConsole()
{
    // a note for the log file only: the full prefix there, nothing at the console, nothing
    // at all without a log file
    MessageHandler handler;
    std::ostringstream console;
    handler.setConsoleStream(&console);
    handler.setTimeStampFormat(std::string());
    handler.logOnly("not written anywhere", HTL::MSG_WARNING, "Ctx::none");
    const QString path = m_dir.filePath(QStringLiteral("logonly.log"));
    std::string error;
    QVERIFY(handler.openLogFile(path.toStdString(), false, error));
    handler.logOnly("font substituted", HTL::MSG_WARNING, "Ctx::font");
    handler.logOnly("invalid type", 99, "Ctx::bad");
    handler.closeLogFile();
    QVERIFY(console.str().empty());
    QCOMPARE(readFile(path), prefix(QStringLiteral("[Warning ]"), QStringLiteral("Ctx::font")) +
                                 QStringLiteral("font substituted\n"));
}

M2_TEST_GUILESS_MAIN(tst_MessageHandler)
#include "tst_MessageHandler.moc"
