#include "TestSupport.h"

#include "htl/HTL_MessageRouter.h"

#include <QDir>

#include <cmath>
#include <csignal>

#include <sys/resource.h>

namespace TestSupport {

FileSizeLimit::FileSizeLimit(quint64 limitBytes)
{
    struct rlimit limit;
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return;
    m_previousSoft = limit.rlim_cur;
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    m_handlerSet = true;
    limit.rlim_cur = limitBytes;
    m_active = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    if (m_active) {
        struct rlimit limit;
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = m_previousSoft;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    if (m_handlerSet)
        std::signal(SIGXFSZ, m_previousHandler);
}

static QString describe(double actual, double expected, const char *kind, double tol)
{
    return QStringLiteral("actual %1, expected %2 (%3 tolerance %4)")
        .arg(actual, 0, 'g', 17)
        .arg(expected, 0, 'g', 17)
        .arg(QLatin1String(kind))
        .arg(tol, 0, 'g', 3);
}

bool fuzzyEqual(double actual, double expected, double relTol, QString *message)
{
    if (actual == expected || (std::isnan(actual) && std::isnan(expected)))
        return true;
    const double scale = std::max(std::fabs(actual), std::fabs(expected));
    if (std::isfinite(actual) && std::isfinite(expected) &&
        std::fabs(actual - expected) <= relTol * scale)
        return true;
    if (message)
        *message = describe(actual, expected, "relative", relTol);
    return false;
}

bool absEqual(double actual, double expected, double absTol, QString *message)
{
    if (actual == expected || (std::isnan(actual) && std::isnan(expected)))
        return true;
    if (std::isfinite(actual) && std::isfinite(expected) && std::fabs(actual - expected) <= absTol)
        return true;
    if (message)
        *message = describe(actual, expected, "absolute", absTol);
    return false;
}

QString dataDir()
{
    return QStringLiteral(M2_TEST_DATA_DIR);
}

QString dataFile(const QString &relativePath)
{
    return QDir(dataDir()).filePath(relativePath);
}

MessageCapture::MessageCapture()
    : m_previous(HTL::MessageRouter::instance().current())
{
    HTL::MessageRouter::instance().setCurrent(this);
}

MessageCapture::~MessageCapture()
{
    HTL::MessageRouter::instance().setCurrent(m_previous);
}

void MessageCapture::expectError(const std::string &textPart)
{
    m_expected.append(textPart);
}

void MessageCapture::msg(const std::string &text, int type, const std::string &context,
                         int verbosity)
{
    m_messages.append(Message{text, type, context, verbosity});
    HTL::MessageHandler::msg(text, type, context, verbosity);
    if (type != HTL::MSG_ERROR)
        return;
    for (int i = 0; i < m_expected.size(); ++i) {
        if (text.find(m_expected[i]) != std::string::npos) {
            m_expected.removeAt(i);
            return;
        }
    }
    const QByteArray what = "unexpected error logged by " + QByteArray::fromStdString(context) +
                            ": " + QByteArray::fromStdString(text);
    QTest::qFail(what.constData(), __FILE__, __LINE__);
}

QStringList MessageCapture::texts(int type) const
{
    QStringList result;
    for (const Message &m : m_messages)
        if (m.m_type == type)
            result.append(QString::fromStdString(m.m_text));
    return result;
}

QtWarningCapture *QtWarningCapture::s_current = nullptr;

QtWarningCapture::QtWarningCapture()
{
    Q_ASSERT(!s_current);
    s_current = this;
    m_previous = qInstallMessageHandler(&QtWarningCapture::handler);
}

QtWarningCapture::~QtWarningCapture()
{
    qInstallMessageHandler(m_previous);
    s_current = nullptr;
}

void QtWarningCapture::handler(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type != QtDebugMsg && type != QtInfoMsg && s_current)
        s_current->m_warnings << text;
}

} // namespace TestSupport
