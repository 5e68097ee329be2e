// mirelo2-batch: the headless front end. Loads project files exactly as the program's open
// command does, calculates them and prints the results as text or JSON.

#include "BatchCriteria.h"
#include "BatchOptions.h"
#include "BatchOutput.h"
#include "JsonWriter.h"
#include "MaterialListing.h"
#include "ReportProcesses.h"

#include "calculation/Assessment.h"
#include "document/Project.h"
#include "htl/HTL_MessageHandler.h"
#include "htl/HTL_MessageRouter.h"
#include "persistence/MaterialList.h"
#include "report/DiagramPicture.h"
#include "report/Report.h"
#include "settings/Constants.h"
#include "settings/Directories.h"
#include "settings/ProgramTranslator.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>

namespace {

enum ExitCode
{
    ExitOk = 0,
    ExitLoadFailed = 1,
    ExitUsage = 2,
    /*! Every file loaded, but a calculation gave no result to judge (no input, invalid input, a
        failed calculation, no algorithm, surface condensation): a script must not take its
        missing verdicts for a pass. */
    ExitNoVerdict = 3
};

void writeOut(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
}

void writeErr(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
}

int usageError(const QString &reason)
{
    writeErr(QStringLiteral("mirelo2-batch: %1\n").arg(reason));
    writeErr(BatchOptions::usageText());
    return ExitUsage;
}

/*  Passes on what went wrong (warnings, errors) and drops the progress lines, such as those of
    every read of the material database: on a batch run they are noise on standard error. */
class QuietMessageHandler : public HTL::MessageHandler
{
public:
    void msg(const std::string &text, int type, const std::string &context, int verbosity) override
    {
        if (type == HTL::MSG_PROGRESS || type == HTL::MSG_CONT)
            return;
        HTL::MessageHandler::msg(text, type, context, verbosity);
    }
};

/*  Installs the program's catalogue for the language of this run, from the translations
    directory beside the executable, as the program does. English is the language of the
    sources; its catalogue only corrects spelling, and a missing one is no fault. Returns false
    when a catalogue is needed but not found. */
bool installTranslation(const QString &langId, QTranslator &translator)
{
    const QString path = Directories::translationsDir() + QLatin1Char('/') +
                         QLatin1String(Constants::ProgramFileBaseName) + QLatin1Char('_') + langId;
    if (!translator.load(path))
        // English is the language of the sources: its catalogue only mends spelling
        return langId == QLatin1String("en");
    QCoreApplication::installTranslator(&translator);
    return true;
}

/*! Pictures are drawn without a window: with no display at hand the offscreen platform serves
    (an explicit QT_QPA_PLATFORM is left alone). */
void chooseHeadlessPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

/*! Writes one picture of the loaded project; reports a failure on standard error. */
bool writePicture(const DiagramPicture &picture, const QString &fileName,
                  const QString &projectFile)
{
    QString error;
    if (picture.exportToFile(fileName, QFileInfo(projectFile).absoluteFilePath(), &error))
        return true;
    writeErr(QStringLiteral("%1: %2\n").arg(fileName, error));
    return false;
}

/*! Writes the report of the loaded project as "Write pdf" does; reports a failure on standard
    error. One report serves every project of a run: its fonts, text document and text metrics
    are made once, not once per file of a --report-dir. */
bool writeReport(Report &report, const Project &project, const Settings &settings,
                 const QString &fileName)
{
    ReportSettings options = settings.m_reportSettings;
    options.m_awInSeconds = settings.m_awInSeconds;
    report.setData(project, options);
    report.setUserLogo(options.m_userLogo);
    report.setPageNumbersVisible(options.m_pageNumbersVisible);
    QString error;
    if (report.writePdf(fileName, &error))
        return true;
    writeErr(QStringLiteral("%1: %2\n").arg(fileName, error));
    return false;
}

/*! The settings of this run: the user's, as the program would read them, with the overrides of
    the command line; they are never written back. False for a malformed or refused override. */
bool readSettings(const QStringList &overrides, Settings &settings, QString &error,
                  std::optional<ConstructionKind> &kind)
{
    settings.read();
    for (const QString &o : overrides) {
        const int eq = o.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            error = QStringLiteral("malformed --set '%1', expected KEY=VALUE").arg(o);
            return false;
        }
        // The construction kind is a property of each project, not a setting: it is applied
        // to every project after loading.
        if (o.left(eq) == QLatin1String("ConstructionKind")) {
            ConstructionKind k;
            if (!ConstructionKinds::fromKey(o.mid(eq + 1), k)) {
                error = QStringLiteral("--set %1: unknown construction kind").arg(o);
                return false;
            }
            kind = k;
            continue;
        }
        QString reason;
        if (!settings.applyOverride(o.left(eq), o.mid(eq + 1), &reason)) {
            error = QStringLiteral("--set %1: %2").arg(o, reason);
            return false;
        }
    }
    return true;
}

/*! The language of this run replaces the stored one, as --lang does for the program; the
    material database is read in it on first use. Returns the language of the report's numbers:
    that of --lang when its catalogue was found, English when it was not (the texts stay
    English), empty without --lang (the numbers of the system's locale, as before). */
QString installLanguage(const QString &langId, Settings &settings, QTranslator &translator)
{
    if (!langId.isEmpty()) {
        settings.m_commandLineLangId = langId;
        if (installTranslation(langId, translator))
            return langId;
        writeErr(QStringLiteral("mirelo2-batch: no translation for language '%1' in %2; "
                                "texts stay in English\n")
                     .arg(langId, Directories::translationsDir()));
        return QStringLiteral("en");
    }
    if (settings.languageId() == QLatin1String("en")) {
        // English as the program shows it (spelling corrected)
        installTranslation(QStringLiteral("en"), translator);
    }
    return QString();
}

/*! What one loaded project gives: a report, pictures, or its results (a text block, or a JSON
    object appended to jsonObjects). Returns the exit code of this file. */
int processProject(const BatchOptions &options, const Settings &settings,
                   const QString &reportLanguage, const QString &file, const Project &project,
                   QStringList &jsonObjects, bool &firstBlock, std::unique_ptr<Report> &report)
{
    if (options.writesReports()) {
        if (!report) {
            report.reset(new Report(settings.m_diagramFontFamily));
            // the numbers of the pages in the language of the run
            report->setLanguage(reportLanguage);
        }
        const QString target =
            options.reportFile.isEmpty()
                ? QDir(options.reportDir)
                      .filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".pdf"))
                : options.reportFile;
        if (!writeReport(*report, project, settings, target))
            return ExitLoadFailed;
        if (!options.reportDir.isEmpty())
            writeOut(QStringLiteral("%1 -> %2\n").arg(file, target));
        std::fflush(stdout);
        return ExitOk;
    }
    if (options.writesPictures()) {
        // the pictures of the main window's export actions, of the same size
        int code = ExitOk;
        if (!options.diagramFile.isEmpty() &&
            !writePicture(DiagramPicture(project.inputData(), project.results(),
                                         options.diagramMode,
                                         DiagramPicture::DefaultDiagramAspectRatio),
                          options.diagramFile, file))
            code = ExitLoadFailed;
        if (!options.sketchFile.isEmpty() &&
            !writePicture(DiagramPicture::sketch(project.inputData(), project.results()),
                          options.sketchFile, file))
            code = ExitLoadFailed;
        return code;
    }
    const Assessment assessment = Assessment::evaluate(
        project.inputData(), project.results(), project.projectInformation().m_heatFlowDirection,
        AssessmentOptions::forProject(settings.m_reportSettings, project.projectInformation()));
    if (options.json) {
        JsonObject object = BatchOutput::jsonObject(file, project);
        BatchCriteria::addJson(object, assessment);
        jsonObjects << object.toString(options.files.size() > 1 ? 2 : 0);
    } else {
        if (!firstBlock)
            writeOut(QStringLiteral("\n"));
        writeOut(BatchOutput::textBlock(file, project) + BatchCriteria::text(assessment));
        firstBlock = false;
    }
    return assessment.criteriaEvaluated() ? ExitOk : ExitNoVerdict;
}

/*! Everything after the command line: settings, language, then the material listing or every
    project in turn. The application object exists. */
int run(const BatchOptions &options)
{
    Settings settings;
    QString error;
    std::optional<ConstructionKind> kind;
    if (!readSettings(options.overrides, settings, error, kind))
        return usageError(error);
    ProgramTranslator translator;
    const QString reportLanguage = installLanguage(options.langId, settings, translator);

    if (options.materials) {
        MaterialList list(settings.languageId());
        list.read();
        writeOut(options.json ? MaterialListing::json(list) + QLatin1Char('\n')
                              : MaterialListing::text(list));
        std::fflush(stdout);
        return ExitOk;
    }

    // a failed load or write outweighs a missing verdict
    auto combined = [](int exitCode, int code) {
        return code == ExitLoadFailed || (code == ExitNoVerdict && exitCode == ExitOk) ? code
                                                                                       : exitCode;
    };
    QStringList jsonObjects;
    bool firstBlock = true;
    std::unique_ptr<Report> report;
    auto processFiles = [&](const QStringList &files) {
        int exitCode = ExitOk;
        for (const QString &file : files) {
            // A fresh project per file, as the open command closes the previous one first.
            Project project;
            project.setMoistureDependentLambda(settings.m_moistureDependentLambda);
            QString message;
            QStringList notes;
            bool loaded = false;
            if (!QFileInfo::exists(file))
                message =
                    QStringLiteral("The file '%1' cannot be found or does not exist.").arg(file);
            else
                loaded = project.load(file, &message, &notes);
            if (!loaded) {
                exitCode = ExitLoadFailed;
                writeErr(QStringLiteral("%1: %2\n").arg(file, message));
                if (options.json)
                    jsonObjects << BatchOutput::jsonError(file, message)
                                       .toString(options.files.size() > 1 ? 2 : 0);
                continue;
            }
            for (const QString &note : notes)
                writeErr(QStringLiteral("%1: %2\n").arg(file, note));
            if (kind)
                project.setConstructionKind(*kind,
                                            settings.m_reportSettings.m_minimumHeatResVersion);
            exitCode = combined(exitCode, processProject(options, settings, reportLanguage, file,
                                                         project, jsonObjects, firstBlock, report));
        }
        return exitCode;
    };

    ReportProcesses helpers;
    const int processes = ReportProcesses::processCount(options);
    int exitCode = processFiles(processes > 1 ? helpers.start(options, processes) : options.files);
    if (processes > 1)
        for (const int code : helpers.finish(processFiles))
            exitCode = combined(exitCode, code);
    if (options.json) {
        if (options.files.size() == 1)
            writeOut(jsonObjects.value(0) + QLatin1Char('\n'));
        else
            writeOut(JsonWriter::arrayOfFragments(jsonObjects, 0) + QLatin1Char('\n'));
    }
    std::fflush(stdout);
    return exitCode;
}

} // namespace

int main(int argc, char *argv[])
{
    // The command line is read before the application object, which depends on it: pictures
    // are drawn with the widget library's graphics scene and text layout, which need a
    // QApplication and a platform.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    BatchOptions options;
    QString error;
    if (!BatchOptions::parse(arguments, options, error))
        return usageError(error);
    if (options.help) {
        writeOut(BatchOptions::usageText());
        return ExitOk;
    }
    const bool pictures = options.writesPictures() || options.writesReports();
    if (pictures)
        chooseHeadlessPlatform();
    std::unique_ptr<QCoreApplication> application(pictures ? new QApplication(argc, argv)
                                                           : new QCoreApplication(argc, argv));
    // Numbers as the program shows them: the locale's, without group separators.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);

    // Log messages of the engine go to standard error, so that standard output carries only the
    // results (and stays valid JSON).
    QuietMessageHandler handler;
    handler.setConsoleStream(&std::cerr);
    handler.setConsoleColors(false);
    HTL::MessageRouter::instance().setCurrent(&handler);
    const int exitCode = run(options);
    HTL::MessageRouter::instance().setCurrent(nullptr);
    return exitCode;
}
