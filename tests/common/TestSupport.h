#pragma once

#include "TestMain.h"
#include "htl/HTL_MessageHandler.h"

#include <QString>
#include <QStringList>
#include <QtTest>

#include <string>

namespace TestSupport {

/*! Relative comparison of two doubles: |actual - expected| <= relTol * max(|actual|, |expected|),
    or both exactly equal (which covers two infinities of the same sign); NaN equals NaN.
    On failure, message describes both numbers with full precision. */
bool fuzzyEqual(double actual, double expected, double relTol, QString *message);

/*! Absolute comparison: |actual - expected| <= absTol (NaN equals NaN). */
bool absEqual(double actual, double expected, double absTol, QString *message);

/*! Directory of the test data (tests/data of the source tree). */
QString dataDir();

/*! Path of a file in the test data directory. */
QString dataFile(const QString &relativePath);

/*! A message handler for tests: while it exists it is the current handler of the message
    router, it keeps every message it receives, and an error message (type 3) that the test did
    not announce with expectError() fails the running test. Nothing is written to a log file;
    the console output of the default handler is kept so that a failing test shows its log.
    The previously current handler is restored on destruction. */
/*! Collects Qt's warnings, criticals and fatals (not debug or info output) while it exists, for a
    test that proves a piece of painting or layout runs without complaint. One at a time. */
class QtWarningCapture
{
public:
    QtWarningCapture();
    ~QtWarningCapture();
    const QStringList &warnings() const { return m_warnings; }

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text);
    static QtWarningCapture *s_current;
    QtMessageHandler m_previous;
    QStringList m_warnings;
};

/*! A full disk for this process while it exists: files cannot grow beyond limitBytes (the
    file size limit of the process; the signal it raises is ignored, so a write beyond the
    limit fails with EFBIG, as a full disk fails with ENOSPC). Restores both on destruction. */
class FileSizeLimit
{
public:
    explicit FileSizeLimit(quint64 limitBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    /*! Whether the limit is in force. */
    bool active() const { return m_active; }

private:
    quint64 m_previousSoft = 0;
    void (*m_previousHandler)(int) = nullptr;
    bool m_handlerSet = false;
    bool m_active = false;
};

class MessageCapture : public HTL::MessageHandler
{
public:
    struct Message
    {
        std::string m_text;
        int m_type;
        std::string m_context;
        int m_verbosity;
    };

    MessageCapture();
    ~MessageCapture() override;

    /*! Allows one coming error message whose text contains the given part. */
    void expectError(const std::string &textPart);
    /*! Number of expected errors that have not arrived. */
    int missingExpectedErrors() const { return m_expected.size(); }

    void msg(const std::string &text, int type, const std::string &context, int verbosity) override;

    const QList<Message> &messages() const { return m_messages; }
    /*! Messages of the given type, texts only. */
    QStringList texts(int type) const;

private:
    HTL::MessageHandler *m_previous;
    QList<std::string> m_expected;
    QList<Message> m_messages;
};

} // namespace TestSupport

// Compares two doubles with a stated relative tolerance and prints both values when they differ.
#define M2_COMPARE_REL(actual, expected, relTol)                                                   \
    do {                                                                                           \
        QString m2_msg;                                                                            \
        if (!TestSupport::fuzzyEqual((actual), (expected), (relTol), &m2_msg))                     \
            QFAIL(qPrintable(QStringLiteral(#actual ": ") + m2_msg));                              \
    } while (false)

// Compares two doubles with a stated absolute tolerance and prints both values when they differ.
#define M2_COMPARE_ABS(actual, expected, absTol)                                                   \
    do {                                                                                           \
        QString m2_msg;                                                                            \
        if (!TestSupport::absEqual((actual), (expected), (absTol), &m2_msg))                       \
            QFAIL(qPrintable(QStringLiteral(#actual ": ") + m2_msg));                              \
    } while (false)
