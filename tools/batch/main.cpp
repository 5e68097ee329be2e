// mirelo2-batch: the headless front end. Loads project files exactly as the program's open
// command does, calculates them and prints the results as text or JSON.

#include "BatchCriteria.h"
#include "BatchOutput.h"
#include "JsonWriter.h"
#include "MaterialListing.h"

#include "calculation/Assessment.h"
#include "document/Project.h"
#include "htl/HTL_MessageHandler.h"
#include "htl/HTL_MessageRouter.h"
#include "persistence/MaterialList.h"
#include "report/DiagramPicture.h"
#include "report/Report.h"
#include "settings/Constants.h"
#include "settings/Directories.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>

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

const char *const UsageText =
    "Usage: mirelo2-batch [--json] [--lang=CODE] [--set KEY=VALUE]... FILE...\n"
    "       mirelo2-batch [--set KEY=VALUE]... --diagram FILE [--mode 2|3] PROJECT\n"
    "       mirelo2-batch [--set KEY=VALUE]... --sketch FILE PROJECT\n"
    "       mirelo2-batch [--set KEY=VALUE]... --report FILE.pdf PROJECT\n"
    "       mirelo2-batch [--set KEY=VALUE]... --report-dir DIR PROJECT...\n"
    "       mirelo2-batch --materials [--json] [--lang=CODE]\n"
    "\n"
    "Loads each project file (.m2p), calculates it and prints the results.\n"
    "\n"
    "  --diagram FILE     write the profile diagram of the one PROJECT to FILE instead of\n"
    "                     printing results; the format follows the suffix: .svg, .png, .jpg,\n"
    "                     .pdf (A4)\n"
    "  --mode 2|3         profile of the diagram: 2 vapour pressure, 3 moisture content\n"
    "                     (the default)\n"
    "  --sketch FILE      write the construction sketch of the one PROJECT to FILE (formats as\n"
    "                     for --diagram); may be given with --diagram\n"
    "  --report FILE.pdf  write the whole report of the one PROJECT as PDF (A4, 20 mm\n"
    "                     margins, the report frames of the settings; change them with\n"
    "                     --set ReportSettings/ActivatedFrames=\"1 1 1 ...\")\n"
    "  --report-dir DIR   write the report of every PROJECT as DIR/<project base name>.pdf,\n"
    "                     one progress line per project\n"
    "  --json             print one JSON object per file (an array when several files)\n"
    "  --lang=CODE        language of this run (materials, messages, verdicts), e.g. de, en;\n"
    "                     without it the language of the user's settings\n"
    "  --set KEY=VALUE    override a setting for this run only, KEY being its storage key,\n"
    "                     e.g. ProjectDefaults/MoistureDependentLambda=false;\n"
    "                     nothing is written to the user's settings\n"
    "  --materials        list the material database (shipped and user materials) in the\n"
    "                     current language instead of loading projects\n"
    "  --help             show this text\n"
    "\n"
    "Exit status: 0 every file loaded and was assessed (or every picture or report written),\n"
    "1 a file failed to load or a picture or report could not be written, 2 usage error,\n"
    "3 every file loaded but a calculation gave no result to assess (no verdict).\n";

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
    writeErr(QString::fromLatin1(UsageText));
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

/*! Whether the command line asks for pictures: they are drawn with the widget library's
    graphics scene and text layout, which need a QApplication and a platform. */
bool wantsPictures(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        if (std::strncmp(argv[i], "--diagram", 9) == 0 ||
            std::strncmp(argv[i], "--sketch", 8) == 0 || std::strncmp(argv[i], "--report", 8) == 0)
            return true;
    }
    return false;
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
    error. */
bool writeReport(const Project &project, const Settings &settings, const QString &fileName)
{
    Report report(settings.m_diagramFontFamily);
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

} // namespace

int main(int argc, char *argv[])
{
    const bool pictures = wantsPictures(argc, argv);
    if (pictures)
        chooseHeadlessPlatform();
    std::unique_ptr<QCoreApplication> application(pictures ? new QApplication(argc, argv)
                                                           : new QCoreApplication(argc, argv));
    QCoreApplication &app = *application;
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

    bool json = false;
    bool materials = false;
    QString langId;
    QStringList overrides;
    QStringList files;
    QString diagramFile;
    QString sketchFile;
    QString reportFile;
    QString reportDir;
    int diagramMode = 3;
    bool modeGiven = false;
    bool optionsEnded = false;
    const QStringList args = app.arguments();
    // "--name VALUE" or "--name=VALUE"; false when the value is missing.
    auto optionValue = [&](const QString &arg, const QString &name, int &i, QString &value) {
        if (arg.startsWith(name + QLatin1Char('='))) {
            value = arg.mid(name.size() + 1);
            return !value.isEmpty();
        }
        if (i + 1 >= args.size())
            return false;
        value = args[++i];
        return true;
    };
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            files << arg;
        } else if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            writeOut(QString::fromLatin1(UsageText));
            return ExitOk;
        } else if (arg == QLatin1String("--json")) {
            json = true;
        } else if (arg == QLatin1String("--materials")) {
            materials = true;
        } else if (arg == QLatin1String("--diagram") ||
                   arg.startsWith(QLatin1String("--diagram="))) {
            if (!optionValue(arg, QStringLiteral("--diagram"), i, diagramFile))
                return usageError(QStringLiteral("--diagram needs a file name"));
        } else if (arg == QLatin1String("--sketch") || arg.startsWith(QLatin1String("--sketch="))) {
            if (!optionValue(arg, QStringLiteral("--sketch"), i, sketchFile))
                return usageError(QStringLiteral("--sketch needs a file name"));
        } else if (arg == QLatin1String("--report") || arg.startsWith(QLatin1String("--report="))) {
            if (!optionValue(arg, QStringLiteral("--report"), i, reportFile))
                return usageError(QStringLiteral("--report needs a file name"));
        } else if (arg == QLatin1String("--report-dir") ||
                   arg.startsWith(QLatin1String("--report-dir="))) {
            if (!optionValue(arg, QStringLiteral("--report-dir"), i, reportDir))
                return usageError(QStringLiteral("--report-dir needs a directory"));
        } else if (arg == QLatin1String("--mode") || arg.startsWith(QLatin1String("--mode="))) {
            QString mode;
            if (!optionValue(arg, QStringLiteral("--mode"), i, mode) ||
                (mode != QLatin1String("2") && mode != QLatin1String("3")))
                return usageError(QStringLiteral("--mode needs 2 (vapour pressure) or 3 "
                                                 "(moisture content)"));
            diagramMode = mode.toInt();
            modeGiven = true;
        } else if (arg == QLatin1String("--lang") || arg.startsWith(QLatin1String("--lang="))) {
            if (arg == QLatin1String("--lang")) {
                if (i + 1 >= args.size())
                    return usageError(QStringLiteral("--lang needs a language code"));
                langId = args[++i];
            } else {
                langId = arg.mid(7);
            }
            // a language code such as "de" or "pt_BR": it becomes part of a file name
            langId = langId.toLower();
            static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}(_[a-z]{2})?$"));
            if (!code.match(langId).hasMatch())
                return usageError(QStringLiteral("invalid language code '%1'").arg(langId));
        } else if (arg == QLatin1String("--set")) {
            if (i + 1 >= args.size())
                return usageError(QStringLiteral("--set needs KEY=VALUE"));
            overrides << args[++i];
        } else if (arg.startsWith(QLatin1String("--set="))) {
            overrides << arg.mid(6);
        } else {
            return usageError(QStringLiteral("unknown option '%1'").arg(arg));
        }
    }
    if (materials && !files.isEmpty())
        return usageError(QStringLiteral("--materials takes no project file"));
    if (files.isEmpty() && !materials)
        return usageError(QStringLiteral("no project file given"));
    const bool writePictures = !diagramFile.isEmpty() || !sketchFile.isEmpty();
    const bool writeReports = !reportFile.isEmpty() || !reportDir.isEmpty();
    if (writeReports) {
        if (materials || json || writePictures)
            return usageError(QStringLiteral("--report and --report-dir write reports: no "
                                             "--materials, --json, --diagram or --sketch with "
                                             "them"));
        if (!reportFile.isEmpty() && !reportDir.isEmpty())
            return usageError(QStringLiteral("--report and --report-dir exclude each other"));
        if (!reportFile.isEmpty() && files.size() != 1)
            return usageError(QStringLiteral("--report takes exactly one project file"));
        if (!reportFile.isEmpty() &&
            QFileInfo(reportFile).suffix().toLower() != QLatin1String("pdf"))
            return usageError(
                QStringLiteral("the report file '%1' must end in .pdf").arg(reportFile));
        if (!reportDir.isEmpty() && !QFileInfo(reportDir).isDir())
            return usageError(
                QStringLiteral("the report directory '%1' does not exist").arg(reportDir));
    }
    if (modeGiven && diagramFile.isEmpty())
        return usageError(QStringLiteral("--mode applies to --diagram only"));
    if (writePictures) {
        if (materials || json)
            return usageError(QStringLiteral("--diagram and --sketch write pictures, not "
                                             "listings: no --materials or --json with them"));
        if (files.size() != 1)
            return usageError(QStringLiteral("--diagram and --sketch take exactly one project "
                                             "file"));
        for (const QString &picture : {diagramFile, sketchFile})
            if (!picture.isEmpty() &&
                DiagramPicture::formatOfFile(picture) == DiagramPicture::Format::Unknown)
                return usageError(QStringLiteral("unknown picture format of '%1': the suffix "
                                                 "must be .svg, .png, .jpg or .pdf")
                                      .arg(picture));
    }

    // The user's settings as the program would read them, then the overrides of this run; the
    // settings are never written back.
    Settings settings;
    settings.read();
    for (const QString &o : overrides) {
        const int eq = o.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return usageError(QStringLiteral("malformed --set '%1', expected KEY=VALUE").arg(o));
        QString error;
        if (!settings.applyOverride(o.left(eq), o.mid(eq + 1), &error))
            return usageError(QStringLiteral("--set %1: %2").arg(o, error));
    }

    // The language of this run replaces the stored one, as --lang does for the program; the
    // material database is read in it on first use.
    QTranslator translator;
    if (!langId.isEmpty()) {
        settings.m_commandLineLangId = langId;
        if (!installTranslation(langId, translator))
            writeErr(QStringLiteral("mirelo2-batch: no translation for language '%1' in %2; "
                                    "texts stay in English\n")
                         .arg(langId, Directories::translationsDir()));
    } else if (settings.languageId() == QLatin1String("en")) {
        // English as the program shows it (spelling corrected)
        installTranslation(QStringLiteral("en"), translator);
    }

    if (materials) {
        MaterialList list(settings.languageId());
        list.read();
        writeOut(json ? MaterialListing::json(list) + QLatin1Char('\n')
                      : MaterialListing::text(list));
        std::fflush(stdout);
        HTL::MessageRouter::instance().setCurrent(nullptr);
        return ExitOk;
    }

    int exitCode = ExitOk;
    QStringList jsonObjects;
    bool firstBlock = true;
    for (const QString &file : files) {
        // A fresh project per file, as the open command closes the previous one first.
        Project project;
        project.setMoistureDependentLambda(settings.m_moistureDependentLambda);
        QString message;
        QStringList notes;
        bool loaded = false;
        if (!QFileInfo::exists(file))
            message = QStringLiteral("The file '%1' cannot be found or does not exist.").arg(file);
        else
            loaded = project.load(file, &message, &notes);
        if (!loaded) {
            exitCode = ExitLoadFailed;
            writeErr(QStringLiteral("%1: %2\n").arg(file, message));
            if (json)
                jsonObjects
                    << BatchOutput::jsonError(file, message).toString(files.size() > 1 ? 2 : 0);
            continue;
        }
        for (const QString &note : notes)
            writeErr(QStringLiteral("%1: %2\n").arg(file, note));
        if (writeReports) {
            const QString target =
                reportFile.isEmpty() ? QDir(reportDir).filePath(QFileInfo(file).completeBaseName() +
                                                                QStringLiteral(".pdf"))
                                     : reportFile;
            const bool written = writeReport(project, settings, target);
            if (!written)
                exitCode = ExitLoadFailed;
            else if (!reportDir.isEmpty())
                writeOut(QStringLiteral("%1 -> %2\n").arg(file, target));
            std::fflush(stdout);
            continue;
        }
        if (writePictures) {
            // the pictures of the main window's export actions, of the same size
            if (!diagramFile.isEmpty() &&
                !writePicture(DiagramPicture(project.inputData(), project.results(), diagramMode,
                                             DiagramPicture::DefaultDiagramAspectRatio),
                              diagramFile, file))
                exitCode = ExitLoadFailed;
            if (!sketchFile.isEmpty() &&
                !writePicture(DiagramPicture::sketch(project.inputData(), project.results()),
                              sketchFile, file))
                exitCode = ExitLoadFailed;
            continue;
        }
        const Assessment assessment =
            Assessment::evaluate(project.inputData(), project.results(),
                                 project.projectInformation().m_heatFlowDirection,
                                 AssessmentOptions::fromReportSettings(settings.m_reportSettings));
        if (!assessment.criteriaEvaluated() && exitCode == ExitOk)
            exitCode = ExitNoVerdict;
        if (json) {
            JsonObject object = BatchOutput::jsonObject(file, project);
            BatchCriteria::addJson(object, assessment);
            jsonObjects << object.toString(files.size() > 1 ? 2 : 0);
        } else {
            if (!firstBlock)
                writeOut(QStringLiteral("\n"));
            writeOut(BatchOutput::textBlock(file, project) + BatchCriteria::text(assessment));
            firstBlock = false;
        }
    }
    if (json) {
        if (files.size() == 1)
            writeOut(jsonObjects.value(0) + QLatin1Char('\n'));
        else
            writeOut(JsonWriter::arrayOfFragments(jsonObjects, 0) + QLatin1Char('\n'));
    }
    std::fflush(stdout);
    HTL::MessageRouter::instance().setCurrent(nullptr);
    return exitCode;
}
