#include "settings/Settings.h"

#include "settings/Constants.h"
#include "settings/Directories.h"

#include "htl/HTL_MessageStream.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextDocument>

#include <algorithm>
#include <iostream>

namespace {

const char *const DefaultFramesText = "1 1 1 1 1 1 1 1 1 1 0 1 0 0 1 ";
/*! Frames of the sets stored by versions without the U-value table. */
const int LegacyFrameCount = 14;

} // namespace

Settings::Settings(QObject *parent)
    : QObject(parent)
    , m_flags(NumFlags, true)
{
}

void Settings::setDisplayUnits(const DisplayUnits &units)
{
    if (units == displayUnits())
        return;
    m_layerWidthUnit = units.widthUnit();
    m_awInSeconds = units.awPerSecond();
    emit changed(SettingsGroup::Units);
}

void Settings::setMoistureDependentLambda(bool on)
{
    if (on == m_moistureDependentLambda)
        return;
    m_moistureDependentLambda = on;
    emit changed(SettingsGroup::Calculation);
}

void Settings::setReportSettings(const ReportSettings &reportSettings)
{
    if (reportSettings == m_reportSettings)
        return;
    m_reportSettings = reportSettings;
    emit changed(SettingsGroup::Report);
}

void Settings::setReportFont(const QFont &font)
{
    if (font == m_reportFont)
        return;
    m_reportFont = font;
    emit changed(SettingsGroup::Report);
}

QString Settings::languageId() const
{
    return determineLangId(m_langId, m_commandLineLangId, QLocale::system().name());
}

QString Settings::determineLangId(const QString &storedLangId, const QString &commandLineLangId,
                                  const QString &systemLocaleName)
{
    QString id = storedLangId;
    if (!commandLineLangId.isEmpty())
        id = commandLineLangId;
    if (id.isEmpty())
        id = systemLocaleName.section(QLatin1Char('_'), 0, 0);
    return id;
}

bool Settings::read()
{
    QSettings s{QLatin1String(Constants::OrganisationName),
                QLatin1String(Constants::SettingsApplicationName)};
    read(s);
    announceChanged();
    return true;
}

bool Settings::write() const
{
    QSettings s{QLatin1String(Constants::OrganisationName),
                QLatin1String(Constants::SettingsApplicationName)};
    write(s);
    return true;
}

void Settings::read(QSettings &s)
{
    m_lastProjectFile = s.value(QStringLiteral("LastProjectFile"), QString()).toString();
    m_langId = s.value(QStringLiteral("LanguageID"), QStringLiteral("de")).toString();
    m_reportPreviewGeometry = s.value(QStringLiteral("ReportPreviewGeometry")).toByteArray();

    s.beginGroup(QStringLiteral("ProjectDefaults"));
    m_awInSeconds = s.value(QStringLiteral("AwInSeconds"), false).toBool();
    m_recentProjects = s.value(QStringLiteral("RecentProjects"), QStringList()).toStringList();
    m_restartMode = s.value(QStringLiteral("DefaultRestartMode"), 1).toInt();
    m_layerWidthUnit = s.value(QStringLiteral("DefaultLayerWidthUnit"), 1000).toInt();
    m_lastExportFile = s.value(QStringLiteral("LastExportFile"), QString()).toString();
    m_userMaterialsDirectory =
        s.value(QStringLiteral("UserMaterialsDirectory"), QString()).toString();
    m_moistureDependentLambda = s.value(QStringLiteral("MoistureDependentLambda"), true).toBool();
    m_vapourDiagramOverSd = s.value(QStringLiteral("VapourDiagramOverSd"), true).toBool();
    s.beginGroup(QStringLiteral("DefaultProjectSettings"));
    m_defaultProjectSettings.read(s);
    s.endGroup();
    QString frames = s.value(QStringLiteral("ProjectDefaultFrames"), QString()).toString();
    if (frames.isEmpty())
        frames = QLatin1String(DefaultFramesText);
    readFrameSet(frames, m_defaultFrames);
    // A set stored before the U-value table (frame 14) existed has 14 items: the new frame
    // takes its default there, as it does in a fresh installation.
    const int stored = frames.split(QLatin1Char(' '), Qt::SkipEmptyParts).size();
    std::set<int> defaults;
    readFrameSet(QLatin1String(DefaultFramesText), defaults);
    for (int i = std::max(stored, LegacyFrameCount); i < FrameCount; ++i)
        if (defaults.count(i))
            m_defaultFrames.insert(i);
    m_defaultFrames.insert(1); // the project information frame is always printed
    m_pageNumbersVisible = s.value(QStringLiteral("PageNumbersVisible"), false).toBool();
    m_defaultUserLogo.read(s);
    s.endGroup();

    s.beginGroup(QStringLiteral("ReportSettings"));
    m_reportSettings.read(s);
    s.endGroup();
}

void Settings::write(QSettings &s) const
{
    s.setValue(QStringLiteral("LastProjectFile"), m_lastProjectFile);
    s.setValue(QStringLiteral("LanguageID"), m_langId);
    s.setValue(QStringLiteral("ReportPreviewGeometry"), m_reportPreviewGeometry);

    s.beginGroup(QStringLiteral("ProjectDefaults"));
    s.setValue(QStringLiteral("AwInSeconds"), m_awInSeconds);
    s.setValue(QStringLiteral("RecentProjects"), m_recentProjects);
    s.setValue(QStringLiteral("DefaultRestartMode"), m_restartMode);
    s.setValue(QStringLiteral("DefaultLayerWidthUnit"), m_layerWidthUnit);
    s.setValue(QStringLiteral("LastExportFile"), m_lastExportFile);
    s.setValue(QStringLiteral("UserMaterialsDirectory"), m_userMaterialsDirectory);
    s.setValue(QStringLiteral("MoistureDependentLambda"), m_moistureDependentLambda);
    s.setValue(QStringLiteral("VapourDiagramOverSd"), m_vapourDiagramOverSd);
    s.beginGroup(QStringLiteral("DefaultProjectSettings"));
    m_defaultProjectSettings.write(s);
    s.endGroup();
    s.setValue(QStringLiteral("ProjectDefaultFrames"), frameSetText(m_defaultFrames));
    s.setValue(QStringLiteral("PageNumbersVisible"), m_pageNumbersVisible);
    m_defaultUserLogo.write(s);
    s.endGroup();

    s.beginGroup(QStringLiteral("ReportSettings"));
    m_reportSettings.write(s);
    s.endGroup();
}

void Settings::applyPrintDefaults(QString *finalRemarks)
{
    ReportSettings options = m_reportSettings;
    options.m_activatedFrames = m_defaultFrames;
    options.m_pageNumbersVisible = m_pageNumbersVisible;
    options.m_userLogo = m_defaultUserLogo;
    // The preferences edit the default remarks as formatted text; a project keeps its remarks
    // as plain text, printed as typed.
    if (finalRemarks && !m_reportSettings.m_disclaimerText.trimmed().isEmpty()) {
        QTextDocument document;
        document.setHtml(m_reportSettings.m_disclaimerText);
        const QString text = document.toPlainText().trimmed();
        if (!text.isEmpty())
            *finalRemarks = text;
    }
    setReportSettings(options);
}

QString Settings::frameSetText(const std::set<int> &frames)
{
    QString text;
    for (int i = 0; i < FrameCount; ++i)
        text += frames.count(i) ? QStringLiteral("1 ") : QStringLiteral("0 ");
    return text;
}

void Settings::readFrameSet(const QString &text, std::set<int> &frames)
{
    const QStringList items = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < FrameCount && i < items.size(); ++i) {
        if (items[i].toInt() != 0)
            frames.insert(i);
        else
            frames.erase(i);
    }
}

bool Settings::parseCommandLine()
{
    return parseCommandLine(QCoreApplication::arguments(), std::cout);
}

bool Settings::parseCommandLine(const QStringList &args, std::ostream &out)
{
    m_projectToOpen = m_lastProjectFile;
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--help")) {
            out << Constants::ProgramName << " Command Line Syntax:\n" << std::endl;
            out << "  --help  " << std::endl;
            out << "  --no-splash  " << std::endl;
            out << "  --lang=<language ID>  " << std::endl;
            return false;
        }
        if (arg == QLatin1String("--no-splash")) {
            m_flags[ShowSplashScreen] = false;
            continue;
        }
        if (arg.startsWith(QLatin1String("--lang"))) {
            const int pos = arg.indexOf(QLatin1Char('='));
            if (pos >= 0)
                m_commandLineLangId = arg.mid(pos + 1);
            continue;
        }
        if (arg.size() > 1 && arg[1] == QLatin1Char('-'))
            continue; // unknown option
        const QString file = arg.trimmed();
        // An empty argument names no file; it must not discard the last project.
        if (!file.isEmpty())
            m_projectToOpen = file;
    }
    return true;
}

QString Settings::userDatabaseDir() const
{
    return m_userMaterialsDirectory.isEmpty() ? Directories::userDataDir()
                                              : m_userMaterialsDirectory;
}

QString Settings::userMaterialsDir() const
{
    if (!m_userMaterialsDirectory.isEmpty())
        return m_userMaterialsDirectory;
    const QString dir = Directories::defaultUserMaterialsDir();
    if (!QDir(dir).exists() && !QDir().mkpath(dir)) {
        HTL::MessageStream warn("Settings::userMaterialsDir", HTL::MSG_WARNING, -1);
        warn << "Cannot create user material directory '" << QDir(dir).absolutePath().toStdString();
        warn.flush();
    }
    return dir;
}

QStringList Settings::storageKeys()
{
    // Written into a scratch store, the keys come out exactly as write() names them.
    QTemporaryDir dir;
    QSettings s(dir.filePath(QStringLiteral("keys.ini")), QSettings::IniFormat);
    Settings().write(s);
    return s.allKeys();
}

namespace {

bool convertOverride(const QVariant &current, const QString &text, QVariant &result, QString *error)
{
    const QString t = text.trimmed();
    bool ok = true;
    switch (current.type()) {
    case QVariant::Bool:
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || t == QLatin1String("1"))
            result = true;
        else if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 ||
                 t == QLatin1String("0"))
            result = false;
        else
            ok = false;
        break;
    case QVariant::Int:
        result = t.toInt(&ok);
        break;
    case QVariant::Double:
        result = t.toDouble(&ok); // QString::toDouble always uses the C locale
        break;
    case QVariant::StringList:
        result = text.isEmpty() ? QStringList() : text.split(QLatin1Char(','));
        break;
    default:
        result = text;
        break;
    }
    if (!ok && error)
        *error = QStringLiteral("Invalid value '%1' for a setting of type %2.")
                     .arg(text, QLatin1String(current.typeName()));
    return ok;
}

} // namespace

bool Settings::applyOverride(const QString &key, const QString &value, QString *error)
{
    // The current state goes into a scratch store, the one key is changed there, and everything
    // is read back through read(): a value set here behaves exactly like a stored one
    // (frame-set texts, frame 1 always on, Qt's conversions), and the user's store is never
    // opened.
    QTemporaryDir dir;
    if (!dir.isValid()) {
        if (error)
            *error = QStringLiteral("Cannot create a temporary directory for the settings.");
        return false;
    }
    QSettings s(dir.filePath(QStringLiteral("override.ini")), QSettings::IniFormat);
    write(s);
    if (!s.contains(key)) {
        if (error)
            *error = QStringLiteral("Unknown setting '%1'.").arg(key);
        return false;
    }
    QVariant converted;
    if (!convertOverride(s.value(key), value, converted, error))
        return false;
    s.setValue(key, converted);
    read(s);
    announceChanged();
    return true;
}
