#include "ReportProcesses.h"

#include "BatchOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

/*! The exit codes a helper ends with when it did its work: every project written (0), one
    failed (1), and 3, which --report-dir does not give but a helper may one day. */
bool finishedItsShare(const QProcess &process)
{
    if (process.exitStatus() != QProcess::NormalExit)
        return false;
    const int code = process.exitCode();
    return code == 0 || code == 1 || code == 3;
}

/*! Copies a file to the stream; what cannot be read is left out. */
void copyTo(const QString &fileName, std::FILE *stream)
{
    std::fflush(stdout);
    std::fflush(stderr);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

const int MinProjectsPerProcess = 4;

} // namespace

const char *const ReportProcesses::ProcessCountVariable = "MIRELO2_BATCH_PROCESSES";

struct ReportProcesses::Helper
{
    QStringList share;
    QString outFile;
    QString errFile;
    std::unique_ptr<QProcess> process;
};

ReportProcesses::ReportProcesses() = default;

ReportProcesses::~ReportProcesses()
{
    // a helper left behind by an error on the way ends with this process
    for (const std::unique_ptr<Helper> &helper : m_helpers)
        if (helper->process && helper->process->state() != QProcess::NotRunning) {
            helper->process->kill();
            helper->process->waitForFinished();
        }
}

int ReportProcesses::processCount(const BatchOptions &options)
{
    if (options.reportDir.isEmpty() || options.files.size() < 2)
        return 1;
    bool given = false;
    const int wanted = qEnvironmentVariableIntValue(ProcessCountVariable, &given);
    // A helper's start (the program, its fonts, its first report) costs about two reports of
    // a running process: each takes at least a few projects. Beyond eight processes the disk
    // and the memory, not the processors, set the pace.
    int count = given ? wanted
                      : std::min({QThread::idealThreadCount(), 8,
                                  int(options.files.size()) / MinProjectsPerProcess});
    count = std::min(count, int(options.files.size()));
    if (count < 2)
        return 1;
    // Where two projects write the same file the later one must win, as it does when they
    // are written one after the other. Names are compared as a file system that ignores case
    // would compare them.
    QSet<QString> targets;
    for (const QString &file : options.files) {
        const QString target = QFileInfo(file).completeBaseName().toLower();
        if (targets.contains(target))
            return 1;
        targets.insert(target);
    }
    return count;
}

QStringList ReportProcesses::start(const BatchOptions &options, int processCount)
{
    const QStringList &files = options.files;
    auto share = [&](int i) {
        const int first = int(qint64(files.size()) * i / processCount);
        const int end = int(qint64(files.size()) * (i + 1) / processCount);
        return files.mid(first, end - first);
    };
    m_outputDir.reset(new QTemporaryDir);
    if (!m_outputDir->isValid())
        return files;

    // the language and the overrides of this run, and the projects after "--", where no name
    // is taken for an option
    QStringList common;
    if (!options.langId.isEmpty())
        common << QStringLiteral("--lang=") + options.langId;
    for (const QString &o : options.overrides)
        common << QStringLiteral("--set") << o;
    common << QStringLiteral("--report-dir") << options.reportDir << QStringLiteral("--");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(ProcessCountVariable), QStringLiteral("1"));

    for (int i = 1; i < processCount; ++i) {
        auto helper = std::make_unique<Helper>();
        helper->share = share(i);
        helper->outFile = m_outputDir->filePath(QStringLiteral("%1.out").arg(i));
        helper->errFile = m_outputDir->filePath(QStringLiteral("%1.err").arg(i));
        helper->process.reset(new QProcess);
        QProcess &p = *helper->process;
        p.setProcessEnvironment(environment);
        p.setStandardInputFile(QProcess::nullDevice());
        p.setStandardOutputFile(helper->outFile);
        p.setStandardErrorFile(helper->errFile);
        p.start(QCoreApplication::applicationFilePath(), common + helper->share);
        m_helpers.push_back(std::move(helper));
    }
    return share(0);
}

std::vector<int> ReportProcesses::finish(const std::function<int(const QStringList &)> &writeShare)
{
    std::vector<int> codes;
    for (const std::unique_ptr<Helper> &helper : m_helpers) {
        QProcess &p = *helper->process;
        const bool started = p.waitForStarted(-1);
        if (started && p.state() != QProcess::NotRunning)
            p.waitForFinished(-1);
        if (started && finishedItsShare(p)) {
            copyTo(helper->outFile, stdout);
            copyTo(helper->errFile, stderr);
            codes.push_back(p.exitCode());
        } else {
            // What it wrote is written again here: the same files, and its lines once.
            codes.push_back(writeShare(helper->share));
        }
    }
    m_helpers.clear();
    return codes;
}
