#include "BatchOptions.h"

#include "report/DiagramPicture.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const char *const UsageText =
    "Usage: mirelo2-batch [--json] [--lang=CODE] [--set KEY=VALUE]... FILE...\n"
    "       mirelo2-batch [--set KEY=VALUE]... --diagram FILE [--mode 2|3|4] PROJECT\n"
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
    "  --mode 2|3|4       profile of the diagram: 2 vapour pressure, 3 moisture content\n"
    "                     (the default), 4 the Glaser diagram (vapour pressure over s_d)\n"
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
    "                     nothing is written to the user's settings;\n"
    "                     --set ConstructionKind=KIND gives every PROJECT that construction\n"
    "                     kind with the defaults it sets, as choosing it in the program does\n"
    "                     (KIND: externalWall, wallAgainstSoil, pitchedRoof, flatRoof,\n"
    "                     ceilingBelowAttic, ceilingOverCellar, floorOverOutsideAir,\n"
    "                     floorOnGround, internalToUnheated)\n"
    "  --materials        list the material database (shipped and user materials) in the\n"
    "                     current language instead of loading projects\n"
    "  --help             show this text\n"
    "\n"
    "Exit status: 0 every file loaded and was assessed (or every picture or report written),\n"
    "1 a file failed to load or a picture or report could not be written, 2 usage error,\n"
    "3 every file loaded but a calculation gave no result to assess (no verdict).\n";

/*! The options that take a value, with what the usage error says when the value is missing. */
struct ValueOption
{
    const char *name;
    const char *missing;
};
const ValueOption ValueOptions[] = {
    {"diagram", "--diagram needs a file name"},
    {"sketch", "--sketch needs a file name"},
    {"report", "--report needs a file name"},
    {"report-dir", "--report-dir needs a directory"},
    {"mode", "--mode needs 2 (vapour pressure), 3 (moisture content) or 4 (Glaser diagram)"},
    {"lang", "--lang needs a language code"},
    {"set", "--set needs KEY=VALUE"}};

/*! An argument before "--" that the parser would read otherwise than the program always
    has: a word after one dash ("-json" would count as "--json"; only "-h" is spelt so) and a
    value given to an option that takes none ("--json=1"). Empty when there is none. */
QString malformedOption(const QStringList &arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (arg == QLatin1String("--"))
            break;
        if (arg.size() > 1 && arg.startsWith(QLatin1Char('-')) && arg.at(1) != QLatin1Char('-') &&
            arg != QLatin1String("-h"))
            return arg;
        for (const char *flag : {"--help=", "--json=", "--materials="})
            if (arg.startsWith(QLatin1String(flag)))
                return arg;
    }
    return QString();
}

/*! Why the parser refused the arguments, in the words of this program. */
QString parseError(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString last = arguments.value(arguments.size() - 1);
    for (const ValueOption &option : ValueOptions)
        if (last == QLatin1String("--") + QLatin1String(option.name))
            return QLatin1String(option.missing);
    if (!parser.unknownOptionNames().isEmpty())
        return QStringLiteral("unknown option '--%1'").arg(parser.unknownOptionNames().first());
    return parser.errorText();
}

} // namespace

QString BatchOptions::usageText()
{
    return QString::fromLatin1(UsageText);
}

bool BatchOptions::parse(const QStringList &arguments, BatchOptions &options, QString &error)
{
    options = BatchOptions();
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parser.addOption(QCommandLineOption(QStringLiteral("json")));
    parser.addOption(QCommandLineOption(QStringLiteral("materials")));
    for (const ValueOption &option : ValueOptions)
        parser.addOption(
            QCommandLineOption(QLatin1String(option.name), QString(), QStringLiteral("value")));

    const QString malformed = malformedOption(arguments);
    if (!malformed.isEmpty()) {
        error = QStringLiteral("unknown option '%1'").arg(malformed);
        return false;
    }
    if (!parser.parse(arguments)) {
        error = parseError(parser, arguments);
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        options.help = true;
        return true;
    }
    options.json = parser.isSet(QStringLiteral("json"));
    options.materials = parser.isSet(QStringLiteral("materials"));
    options.files = parser.positionalArguments();
    options.overrides = parser.values(QStringLiteral("set"));

    // "--diagram=" names no file
    QString *files[] = {&options.diagramFile, &options.sketchFile, &options.reportFile,
                        &options.reportDir};
    for (int i = 0; i < 4; ++i) {
        const QString name = QLatin1String(ValueOptions[i].name);
        if (!parser.isSet(name))
            continue;
        *files[i] = parser.value(name);
        if (files[i]->isEmpty()) {
            error = QLatin1String(ValueOptions[i].missing);
            return false;
        }
    }
    const bool modeGiven = parser.isSet(QStringLiteral("mode"));
    if (modeGiven) {
        const QString mode = parser.value(QStringLiteral("mode"));
        if (mode != QLatin1String("2") && mode != QLatin1String("3") &&
            mode != QLatin1String("4")) {
            error = QStringLiteral(
                "--mode needs 2 (vapour pressure), 3 (moisture content) or 4 (Glaser diagram)");
            return false;
        }
        options.diagramMode = mode.toInt();
    }
    if (parser.isSet(QStringLiteral("lang"))) {
        // a language code such as "de" or "pt_BR": it becomes part of a file name
        options.langId = parser.value(QStringLiteral("lang")).toLower();
        static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}(_[a-z]{2})?$"));
        if (!code.match(options.langId).hasMatch()) {
            error = QStringLiteral("invalid language code '%1'").arg(options.langId);
            return false;
        }
    }

    if (options.materials && !options.files.isEmpty()) {
        error = QStringLiteral("--materials takes no project file");
        return false;
    }
    if (options.files.isEmpty() && !options.materials) {
        error = QStringLiteral("no project file given");
        return false;
    }
    if (options.writesReports()) {
        if (options.materials || options.json || options.writesPictures()) {
            error = QStringLiteral("--report and --report-dir write reports: no --materials, "
                                   "--json, --diagram or --sketch with them");
            return false;
        }
        if (!options.reportFile.isEmpty() && !options.reportDir.isEmpty()) {
            error = QStringLiteral("--report and --report-dir exclude each other");
            return false;
        }
        if (!options.reportFile.isEmpty() && options.files.size() != 1) {
            error = QStringLiteral("--report takes exactly one project file");
            return false;
        }
        if (!options.reportFile.isEmpty() &&
            QFileInfo(options.reportFile).suffix().toLower() != QLatin1String("pdf")) {
            error = QStringLiteral("the report file '%1' must end in .pdf").arg(options.reportFile);
            return false;
        }
        if (!options.reportDir.isEmpty() && !QFileInfo(options.reportDir).isDir()) {
            error =
                QStringLiteral("the report directory '%1' does not exist").arg(options.reportDir);
            return false;
        }
    }
    if (modeGiven && options.diagramFile.isEmpty()) {
        error = QStringLiteral("--mode applies to --diagram only");
        return false;
    }
    if (options.writesPictures()) {
        if (options.materials || options.json) {
            error = QStringLiteral("--diagram and --sketch write pictures, not listings: no "
                                   "--materials or --json with them");
            return false;
        }
        if (options.files.size() != 1) {
            error = QStringLiteral("--diagram and --sketch take exactly one project file");
            return false;
        }
        for (const QString &picture : {options.diagramFile, options.sketchFile})
            if (!picture.isEmpty() &&
                DiagramPicture::formatOfFile(picture) == DiagramPicture::Format::Unknown) {
                error = QStringLiteral("unknown picture format of '%1': the suffix must be "
                                       ".svg, .png, .jpg or .pdf")
                            .arg(picture);
                return false;
            }
    }
    return true;
}
