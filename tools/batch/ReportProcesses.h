#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QProcess;
class QTemporaryDir;
struct BatchOptions;

/*  --report-dir on every processor. The projects are cut into consecutive shares, one for each
    process: this process writes the first share while copies of the program, started with the
    same language and overrides, write the others. A report does not depend on the projects
    written before it, so every PDF is the one a single process would write. What a helper
    prints on standard output and standard error is kept in files and passed on after the share
    before it, so that both streams list the projects in the order given. A share whose helper
    does not start or does not end normally is written by this process after all.

    Text layout and painting are left to the main thread of each process: Qt's text documents
    and PDF writer are not made to run on several threads at once.
*/
class ReportProcesses
{
public:
    /*! The environment variable that sets the number of processes (1: this one alone); its
        default is the number of processors. The helpers get 1. */
    static const char *const ProcessCountVariable;

    ReportProcesses();
    ~ReportProcesses();
    ReportProcesses(const ReportProcesses &) = delete;
    ReportProcesses &operator=(const ReportProcesses &) = delete;

    /*! How many processes write the reports of options: 1 unless it is a --report-dir of
        several projects; by default as many as there are processors, up to eight, with at
        least four projects each; never more than there are projects, and 1 when two projects
        would write the same file (the later one must win, as it does one after the other). */
    static int processCount(const BatchOptions &options);

    /*! Starts the helpers for all shares but the first and returns the first, which this
        process writes. */
    QStringList start(const BatchOptions &options, int processCount);

    /*! Waits for each helper in turn and passes its output on, or writes its share with
        writeShare when it failed; returns the exit codes of the shares, in order. */
    std::vector<int> finish(const std::function<int(const QStringList &)> &writeShare);

private:
    struct Helper;
    std::unique_ptr<QTemporaryDir> m_outputDir;
    std::vector<std::unique_ptr<Helper>> m_helpers;
};
