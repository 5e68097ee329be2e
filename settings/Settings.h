#pragma once

#include "settings/DefaultProjectSettings.h"
#include "settings/DisplayUnits.h"
#include "settings/ReportSettings.h"
#include "settings/UserLogoSettings.h"

#include <QByteArray>
#include <QFlags>
#include <QFont>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <iosfwd>
#include <set>

class QSettings;

/*! Which preferences a change touched; views refresh for the groups they show. */
enum class SettingsGroup : unsigned
{
    /*! The width unit and the A_w unit (DisplayUnits). */
    Units = 0x01,
    /*! Options of the calculation (moisture-dependent conductivity). */
    Calculation = 0x02,
    /*! The report options and the assessment settings stored with them (ReportSettings), and
        the report font. */
    Report = 0x04,
    /*! The defaults of new projects, the start-up mode and the user data directory. */
    ProjectDefaults = 0x08,
    /*! Recent files, last export name and the language. */
    Session = 0x10,
    All = 0xff
};
Q_DECLARE_FLAGS(SettingsGroups, SettingsGroup)
Q_DECLARE_OPERATORS_FOR_FLAGS(SettingsGroups)
Q_DECLARE_METATYPE(SettingsGroups)

/*! The user's persistent preferences and the start-up choices of the command line.

    The program's main() creates one object, reads it at start-up, hands it to whoever needs it
    and writes it when the main window closes; in between its owners read and change its public
    fields directly, and whoever changes them calls announceChanged(), so that views that depend
    on a preference (units, conductivity option, report defaults) refresh from the signal
    changed(groups) instead of polling. The storage is Qt's native settings store under organisation
   "HTL" and application "Mirelo 2.4" (on Linux ~/.config/HTL/Mirelo 2.4.conf). Fields without a
   storage key live for one run only.

    The application's undo stack is not kept here: it is a widget-layer object.
*/
class Settings : public QObject
{
    Q_OBJECT
public:
    /*! Indices into m_flags. */
    enum Flag
    {
        ShowSplashScreen = 0, ///< cleared by --no-splash
        NumFlags
    };

    /*! Constructor state: before anything is read. */
    explicit Settings(QObject *parent = nullptr);

    /*! The language of the user interface: the stored language, replaced by the command-line
        language if one was given, and, if still empty, the system locale's language. */
    QString languageId() const;
    /*! The rule of languageId() as a pure function of its three inputs (the locale name up to
        its first underscore: "pl_PL" gives "pl"). */
    static QString determineLangId(const QString &storedLangId, const QString &commandLineLangId,
                                   const QString &systemLocaleName);

    /*! Emits changed(groups); called by whoever changed fields directly. */
    void announceChanged(SettingsGroups groups = SettingsGroup::All) { emit changed(groups); }

    // --- setters that announce (nothing when the value stays)

    DisplayUnits displayUnits() const { return DisplayUnits(m_layerWidthUnit, m_awInSeconds); }
    void setDisplayUnits(const DisplayUnits &units);
    void setMoistureDependentLambda(bool on);
    void setReportSettings(const ReportSettings &reportSettings);
    void setReportFont(const QFont &font);

    /*! Reads every key from the native settings storage; always true. */
    bool read();
    /*! Writes every key to the native settings storage; always true. */
    bool write() const;
    /*! Reads every key from the given storage (groups are opened and closed here). */
    void read(QSettings &settings);
    /*! Writes every key to the given storage. */
    void write(QSettings &settings) const;

    /*! Parses QCoreApplication::arguments(); false only after "--help", whose text then is on
        standard output. */
    bool parseCommandLine();
    /*! Parses args (args[0] is the program path and skipped); the help text goes to out. */
    bool parseCommandLine(const QStringList &args, std::ostream &out);

    /*! The stored user materials directory, or when none is stored the default one below the
        user data directory, which is created if missing (a failure is logged as a warning). */
    QString userMaterialsDir() const;
    /*! Where the user material database and the construction database live: the stored user
        materials directory, or the user data directory when none is stored. Nothing is
        created. */
    QString userDatabaseDir() const;

    /*! Sets one stored setting for this run only, from its storage key ("Group/Key", e.g.
        "ProjectDefaults/MoistureDependentLambda" or "ReportSettings/DryingReserve") and a text
        value, converted and read exactly as the settings storage would be. Numbers use the C
        locale; booleans accept true/false/1/0. Nothing is written to the user's settings. On
        an unknown key or an unconvertible value, returns false with a reason in error. */
    bool applyOverride(const QString &key, const QString &value, QString *error = nullptr);

    /*! Every storage key that read() and write() use, "Group/Key" (legacy keys excluded). */
    static QStringList storageKeys();

    /*! Frame sets are stored as FrameCount items "1 " or "0 ", item i for frame i (a set stored
        before a frame existed has fewer items, and the new frame keeps its default). */
    static QString frameSetText(const std::set<int> &frames);
    /*! Applies a stored frame-set text: item i (i = 0..FrameCount - 1, as far as the text goes)
       converting to a non-zero integer switches frame i on, anything else switches it off; frames
       beyond the text keep their state. */
    static void readFrameSet(const QString &text, std::set<int> &frames);

    /*! Number of report frames. */
    static const int FrameCount = 15;

    // --- stored in group ProjectDefaults unless stated otherwise

    /*! Report frames switched on in new projects (ProjectDefaultFrames); frame 1 always. */
    std::set<int> m_defaultFrames;
    /*! Page numbers in the report of new projects (PageNumbersVisible). */
    bool m_pageNumbersVisible = false;
    /*! Report font (not stored). */
    QFont m_reportFont;
    /*! Base point size of the report text (not stored). */
    int m_reportBaseFontSize = 8;
    /*! Stored language code, e.g. "de" (top-level key LanguageID); replaced at start-up by the
        language actually installed. */
    QString m_langId;
    /*! Language given with --lang= (not stored); empty if none. */
    QString m_commandLineLangId;
    /*! Most recently used project files (RecentProjects). */
    QStringList m_recentProjects;
    /*! Project opened at start-up: the last project, or the file named on the command line
        (not stored). */
    QString m_projectToOpen;
    /*! Top-level key LastProjectFile. */
    QString m_lastProjectFile;
    /*! Default name for report and image export (LastExportFile). */
    QString m_lastExportFile;
    /*! Run-time flags, indexed by Flag (not stored). */
    QVector<bool> m_flags;
    /*! Water absorption coefficients shown per s^0.5 when true, per h^0.5 when false
        (AwInSeconds). */
    bool m_awInSeconds = false;
    /*! Display factor of layer widths from metres: 1000 mm, 100 cm, 10 dm, 1 m
        (DefaultLayerWidthUnit). */
    int m_layerWidthUnit = 1000;
    /*! 0: start without project; 1: start with the project to open (DefaultRestartMode). */
    int m_restartMode = 0;
    /*! Group ReportSettings. */
    ReportSettings m_reportSettings;
    /*! Subgroup DefaultProjectSettings. */
    DefaultProjectSettings m_defaultProjectSettings;
    /*! Font family of the profile diagrams (not stored). */
    QString m_diagramFontFamily = QStringLiteral("Verdana");
    /*! Moisture-dependent thermal conductivity in the moisture-storage calculation
        (MoistureDependentLambda). */
    bool m_moistureDependentLambda = true;
    /*! The window's vapour-pressure diagram over the diffusion-equivalent air layer thickness
        s_d (the Glaser diagram) when true, over the geometric thickness when false
        (VapourDiagramOverSd). */
    bool m_vapourDiagramOverSd = true;
    /*! User materials directory as stored (UserMaterialsDirectory); empty means the default. */
    QString m_userMaterialsDirectory;
    /*! Default user logo of new projects (logo keys of group ProjectDefaults). */
    UserLogoSettings m_defaultUserLogo;
    /*! Size and place of the report preview window, as QWidget::saveGeometry() gives them
        (top-level key ReportPreviewGeometry); empty before the first preview. */
    QByteArray m_reportPreviewGeometry;

    /*! Makes the print defaults of the preferences the current report options, as a new
        project starts with them: the default frames, page numbers and logo, and (when the
        preferences hold any) the default final remarks as plain text into finalRemarks.
        Announces a report change when an option changed. */
    void applyPrintDefaults(QString *finalRemarks = nullptr);

signals:
    /*! Preferences of the given groups were changed (read, overridden or edited). */
    void changed(SettingsGroups groups);
};
