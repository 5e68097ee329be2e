// Settings: defaults, constructor state, frame-set texts, legacy keys, round trip, overrides,
// the user materials directory and the directory layout. Everything happens below a temporary
// home directory; the user's own settings are never opened.

#include "TestSupport.h"

#include <QSignalSpy>

#include "settings/Directories.h"
#include "settings/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <set>

using IntSet = std::set<int>;
Q_DECLARE_METATYPE(IntSet)

namespace {

IntSet range(int first, int last)
{
    IntSet s;
    for (int i = first; i <= last; ++i)
        s.insert(i);
    return s;
}

QString setText(const IntSet &s)
{
    QStringList parts;
    for (int i : s)
        parts << QString::number(i);
    return QLatin1Char('{') + parts.join(QLatin1Char(',')) + QLatin1Char('}');
}

} // namespace

#define COMPARE_SET(actual, expected) QCOMPARE(setText(actual), setText(expected))

class tst_Settings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void constructorState();
    void printDefaultsBecomeTheReportOptions();
    void defaultsWithNothingStored();
    void nativeStoreIsRedirected();
    void frameSetText();
    void defaultFrames_data();
    void defaultFrames();
    void activatedFrames_data();
    void activatedFrames();
    void legacyAccordance_data();
    void legacyAccordance();
    void legacyLogo_data();
    void legacyLogo();
    void legacyKeysAreNotWritten();
    void roundTrip();
    void storedKeys();
    void wrongTypesConvertLikeQt();
    void applyOverride_data();
    void applyOverride();
    void applyOverrideErrors_data();
    void applyOverrideErrors();
    void applyOverrideKeepsOtherFields();
    void userMaterialsDirStored();
    void userMaterialsDirDefault();
    void userMaterialsDirCannotBeCreated();
    void userDatabaseDir();
    void directories();
    void resourcesDirOfLayout_data();
    void resourcesDirOfLayout();

private:
    QString iniPath(const QString &name) const { return m_home.filePath(name + ".ini"); }

    QTemporaryDir m_home;
};

void tst_Settings::initTestCase()
{
    QVERIFY(m_home.isValid());
    // Every location Qt derives from the home directory now lies in the temporary directory.
    qputenv("HOME", m_home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       m_home.filePath(QStringLiteral("native")));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       m_home.filePath(QStringLiteral("native")));
}

void tst_Settings::init()
{
    // Each test starts without stored settings.
    QDir(m_home.filePath(QStringLiteral("native"))).removeRecursively();
}

void tst_Settings::printDefaultsBecomeTheReportOptions()
{
    // a new project's report: the default frames, page numbers and logo of the preferences, and
    // their formatted final remarks as the plain text a project keeps
    Settings s;
    s.m_defaultFrames = {0, 1, 2, 14};
    s.m_pageNumbersVisible = true;
    s.m_defaultUserLogo.m_position = UserLogoSettings::LogoRightOfProjectInfo;
    s.m_defaultUserLogo.m_path = QStringLiteral("/logos/firm.png");
    s.m_reportSettings.m_disclaimerText = QStringLiteral("<h1>Note</h1><p>Only <i>dry</i>.</p>");
    s.m_reportSettings.m_dryingReserve = 0.25;
    QSignalSpy spy(&s, &Settings::changed);
    QString remarks;
    s.applyPrintDefaults(&remarks);
    QCOMPARE(s.m_reportSettings.m_activatedFrames, (std::set<int>{0, 1, 2, 14}));
    QVERIFY(s.m_reportSettings.m_pageNumbersVisible);
    QCOMPARE(s.m_reportSettings.m_userLogo, s.m_defaultUserLogo);
    QCOMPARE(s.m_reportSettings.m_dryingReserve, 0.25); // the assessment settings stay
    QCOMPARE(remarks, QStringLiteral("Note\nOnly dry."));
    QCOMPARE(spy.count(), 1);
    // nothing changes: no announcement; no default remarks: the text stays
    s.m_reportSettings.m_disclaimerText.clear();
    QString kept = QStringLiteral("kept");
    s.applyPrintDefaults(&kept);
    QCOMPARE(kept, QStringLiteral("kept"));
    QCOMPARE(spy.count(), 1);
}

void tst_Settings::constructorState()
{
    const Settings s;
    QCOMPARE(s.m_layerWidthUnit, 1000);
    QCOMPARE(s.m_restartMode, 0);
    QCOMPARE(s.m_moistureDependentLambda, true);
    QCOMPARE(s.m_vapourDiagramOverSd, true);
    QCOMPARE(s.m_flags.size(), 1);
    QCOMPARE(s.m_flags[Settings::ShowSplashScreen], true);
    QVERIFY(s.m_defaultFrames.empty());
    QCOMPARE(s.m_reportBaseFontSize, 8);
    QCOMPARE(s.m_diagramFontFamily, QStringLiteral("Verdana"));
    QVERIFY(s.m_commandLineLangId.isEmpty());

    const ReportSettings &r = s.m_reportSettings;
    COMPARE_SET(r.m_activatedFrames, IntSet({0, 1, 2, 3, 4, 5, 9, 11, 12, 14}));
    QCOMPARE(r.m_printGlaserDiagram, true);
    QCOMPARE(r.m_awInSeconds, true);
    QCOMPARE(r.m_dryingReserve, 0.0);
    QCOMPARE(r.m_din4108_3AccordanceType, 2);
    QCOMPARE(r.m_capillaryCheckOneSide, true);
    QCOMPARE(r.m_printRemarkProjectInformation, false);
    QCOMPARE(r.m_userLogo.m_position, 0);
    QCOMPARE(r.m_userLogo.m_path, QString());
    QCOMPARE(r.m_userLogo.m_scaleByWidth, true);
    QCOMPARE(r.m_userLogo.m_size, 0);
}

void tst_Settings::defaultsWithNothingStored()
{
    Settings s;
    QVERIFY(s.read());
    QCOMPARE(s.m_langId, QStringLiteral("de"));
    QCOMPARE(s.m_lastProjectFile, QString());
    QCOMPARE(s.m_restartMode, 1);
    QCOMPARE(s.m_layerWidthUnit, 1000);
    QCOMPARE(s.m_awInSeconds, false);
    QCOMPARE(s.m_moistureDependentLambda, true);
    QVERIFY(s.m_recentProjects.isEmpty());
    QCOMPARE(s.m_lastExportFile, QString());
    QCOMPARE(s.m_userMaterialsDirectory, QString());
    QCOMPARE(s.m_pageNumbersVisible, false);
    // "1 1 1 1 1 1 1 1 1 1 0 1 0 0 1 ": frames 0..9, 11 and the U-value table 14.
    IntSet frames = range(0, 9);
    frames.insert(11);
    frames.insert(14);
    COMPARE_SET(s.m_defaultFrames, frames);

    const DefaultProjectSettings &d = s.m_defaultProjectSettings;
    QVERIFY(d.m_projectName.isEmpty() && d.m_constructionID.isEmpty() && d.m_userName.isEmpty() &&
            d.m_company.isEmpty() && d.m_description.isEmpty() && d.m_disclaimerText.isEmpty());
    QCOMPARE(d.m_heatFlowDirection, HeatFlowDirection::Horizontal);

    QCOMPARE(s.m_defaultUserLogo, UserLogoSettings());

    const ReportSettings &r = s.m_reportSettings;
    COMPARE_SET(r.m_activatedFrames, IntSet({0, 1, 2, 3, 4, 5, 9, 11, 12, 14}));
    QCOMPARE(r.m_pageNumbersVisible, false);
    QCOMPARE(r.m_printDisclaimer, false);
    QCOMPARE(r.m_disclaimerText, QString());
    QCOMPARE(r.m_minimumHeatResVersion, 1);
    QCOMPARE(r.m_minimumHeatResConstruction, 12);
    QCOMPARE(r.m_frsiCheck, false);
    QCOMPARE(r.m_dryingReserve, 0.0);
    QCOMPARE(r.m_din4108_3AccordanceType, 2);
    // 0.2 and 0.7 kg/(m²·h^0.5) in kg/(m²·s^0.5): divided by sqrt(3600 s/h) = 60.
    QCOMPARE(r.m_nonCapillarAw, 0.0033333333333333335);
    QCOMPARE(r.m_capillarActiveAw, 0.011666666666666665);
    QCOMPARE(r.m_capillaryCheckOneSide, true);
    QCOMPARE(r.m_printRemarkProjectInformation, true);
    QCOMPARE(r.m_userLogo, UserLogoSettings());
    QCOMPARE(r.m_awInSeconds, true); // not stored: stays as constructed
}

void tst_Settings::nativeStoreIsRedirected()
{
    Settings s;
    s.m_langId = QStringLiteral("pl");
    QVERIFY(s.write());
    const QString file = m_home.filePath(QStringLiteral("native/HTL/Mirelo 2.4.conf"));
    QVERIFY2(QFile::exists(file), qPrintable(file));
    Settings back;
    QVERIFY(back.read());
    QCOMPARE(back.m_langId, QStringLiteral("pl"));
}

void tst_Settings::frameSetText()
{
    QCOMPARE(Settings::frameSetText(IntSet({0, 2, 13})),
             QStringLiteral("1 0 1 0 0 0 0 0 0 0 0 0 0 1 0 "));
    QCOMPARE(Settings::frameSetText(IntSet()), QStringLiteral("0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 "));
    // Frames outside 0..14 are not representable and are dropped.
    QCOMPARE(Settings::frameSetText(IntSet({-1, 15, 3, 14})),
             QStringLiteral("0 0 0 1 0 0 0 0 0 0 0 0 0 0 1 "));
}

void tst_Settings::defaultFrames_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<IntSet>("expected");

    IntSet defaults = range(0, 9);
    defaults.insert(11);
    defaults.insert(14);
    // a text of an older version (up to 14 items) leaves the U-value table (14) at its default
    QTest::newRow("0 0") << QVariant("0 0") << IntSet({1, 14});
    QTest::newRow("empty text means default") << QVariant("") << defaults;
    QTest::newRow("missing means default") << QVariant() << defaults;
    QTest::newRow("short text") << QVariant("1 0 1") << IntSet({0, 1, 2, 14});
    QTest::newRow("not a number switches off") << QVariant("abc 1 x") << IntSet({1, 14});
    QTest::newRow("any non-zero switches on") << QVariant("2 -1 0 7") << IntSet({0, 1, 3, 14});
    QTest::newRow("extra blanks") << QVariant("  1    1  ") << IntSet({0, 1, 14});
    QTest::newRow("all on") << QVariant("1 1 1 1 1 1 1 1 1 1 1 1 1 1 ") << range(0, 14);
    QTest::newRow("U-value table off") << QVariant("0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ") << IntSet({1});
    QTest::newRow("items beyond 15 ignored")
        << QVariant("0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1") << IntSet({1});
}

void tst_Settings::defaultFrames()
{
    QFETCH(QVariant, stored);
    QFETCH(IntSet, expected);
    QSettings ini(iniPath(QTest::currentDataTag()), QSettings::IniFormat);
    ini.clear();
    if (stored.isValid())
        ini.setValue(QStringLiteral("ProjectDefaults/ProjectDefaultFrames"), stored);
    Settings s;
    s.read(ini);
    COMPARE_SET(s.m_defaultFrames, expected);
}

void tst_Settings::activatedFrames_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<IntSet>("expected");
    const IntSet constructed = {0, 1, 2, 3, 4, 5, 9, 11, 12, 14};
    QTest::newRow("missing keeps state") << QVariant() << constructed;
    QTest::newRow("empty keeps state") << QVariant("") << constructed;
    QTest::newRow("0 0 switches 0 and 1 off")
        << QVariant("0 0") << IntSet({2, 3, 4, 5, 9, 11, 12, 14});
    QTest::newRow("full text of an older version")
        << QVariant("0 0 0 0 0 0 0 0 0 0 1 0 0 1 ") << IntSet({10, 13, 14});
    QTest::newRow("full text") << QVariant("0 0 0 0 0 0 0 0 0 0 1 0 0 1 0 ") << IntSet({10, 13});
    QTest::newRow("prefix switches on")
        << QVariant("1 1 1 1 1 1 1 1") << IntSet({0, 1, 2, 3, 4, 5, 6, 7, 9, 11, 12, 14});
}

void tst_Settings::activatedFrames()
{
    QFETCH(QVariant, stored);
    QFETCH(IntSet, expected);
    QSettings ini(iniPath(QTest::currentDataTag()), QSettings::IniFormat);
    ini.clear();
    if (stored.isValid())
        ini.setValue(QStringLiteral("ReportSettings/ActivatedFrames"), stored);
    Settings s;
    s.read(ini);
    COMPARE_SET(s.m_reportSettings.m_activatedFrames, expected);
}

void tst_Settings::legacyAccordance_data()
{
    QTest::addColumn<QVariant>("legacy");
    QTest::addColumn<QVariant>("type");
    QTest::addColumn<int>("expected");
    QTest::newRow("legacy false wins over type 2") << QVariant(false) << QVariant(2) << 3;
    QTest::newRow("legacy true wins over type 0") << QVariant(true) << QVariant(0) << 2;
    QTest::newRow("legacy false alone") << QVariant(false) << QVariant() << 3;
    QTest::newRow("legacy text true") << QVariant("true") << QVariant(1) << 2;
    QTest::newRow("type only") << QVariant() << QVariant(1) << 1;
    QTest::newRow("nothing stored") << QVariant() << QVariant() << 2;
}

void tst_Settings::legacyAccordance()
{
    QFETCH(QVariant, legacy);
    QFETCH(QVariant, type);
    QFETCH(int, expected);
    QSettings ini(iniPath(QTest::currentDataTag()), QSettings::IniFormat);
    ini.clear();
    if (legacy.isValid())
        ini.setValue(QStringLiteral("ReportSettings/DIN4108_3Accordance"), legacy);
    if (type.isValid())
        ini.setValue(QStringLiteral("ReportSettings/DIN4108_3Accordance_Type"), type);
    Settings s;
    s.read(ini);
    QCOMPARE(s.m_reportSettings.m_din4108_3AccordanceType, expected);

    // Once written back, the user's later choice is what comes back.
    s.m_reportSettings.m_din4108_3AccordanceType = 0;
    s.write(ini);
    Settings again;
    again.read(ini);
    QCOMPARE(again.m_reportSettings.m_din4108_3AccordanceType, 0);
}

void tst_Settings::legacyLogo_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QVariant>("visible");
    QTest::addColumn<QVariant>("position");
    QTest::addColumn<int>("expected");
    for (const QString &group :
         {QStringLiteral("ProjectDefaults"), QStringLiteral("ReportSettings")}) {
        const QByteArray g = group.toLatin1();
        QTest::newRow(g + ": visible, position 0") << group << QVariant(true) << QVariant(0) << 2;
        QTest::newRow(g + ": visible, no position") << group << QVariant(true) << QVariant() << 2;
        QTest::newRow(g + ": visible, position 1") << group << QVariant(true) << QVariant(1) << 1;
        QTest::newRow(g + ": not visible") << group << QVariant(false) << QVariant(0) << 0;
        QTest::newRow(g + ": no legacy key") << group << QVariant() << QVariant(1) << 1;
    }
}

void tst_Settings::legacyLogo()
{
    QFETCH(QString, group);
    QFETCH(QVariant, visible);
    QFETCH(QVariant, position);
    QFETCH(int, expected);
    QSettings ini(iniPath(QStringLiteral("logo")), QSettings::IniFormat);
    ini.clear();
    ini.beginGroup(group);
    if (visible.isValid())
        ini.setValue(QStringLiteral("CurrentUserLogoVisible"), visible);
    if (position.isValid())
        ini.setValue(QStringLiteral("CurrentUserLogoPosition"), position);
    ini.endGroup();
    Settings s;
    s.read(ini);
    const bool defaults = group == QLatin1String("ProjectDefaults");
    const UserLogoSettings &changed =
        defaults ? s.m_defaultUserLogo : s.m_reportSettings.m_userLogo;
    const UserLogoSettings &other = defaults ? s.m_reportSettings.m_userLogo : s.m_defaultUserLogo;
    QCOMPARE(changed.m_position, expected);
    QCOMPARE(other.m_position, 0);

    // Removing the logo later must survive the next start.
    s.m_defaultUserLogo.m_position = 0;
    s.m_reportSettings.m_userLogo.m_position = 0;
    s.write(ini);
    Settings again;
    again.read(ini);
    QCOMPARE(again.m_defaultUserLogo.m_position, 0);
    QCOMPARE(again.m_reportSettings.m_userLogo.m_position, 0);
}

void tst_Settings::legacyKeysAreNotWritten()
{
    QSettings ini(iniPath(QStringLiteral("nolegacy")), QSettings::IniFormat);
    ini.clear();
    ini.setValue(QStringLiteral("ReportSettings/DIN4108_3Accordance"), true);
    ini.setValue(QStringLiteral("ReportSettings/CurrentUserLogoVisible"), true);
    ini.setValue(QStringLiteral("ProjectDefaults/CurrentUserLogoVisible"), true);
    Settings s;
    s.read(ini);
    s.write(ini);
    const QStringList keys = ini.allKeys();
    QVERIFY(!keys.contains(QStringLiteral("ReportSettings/DIN4108_3Accordance")));
    QVERIFY(!keys.contains(QStringLiteral("ReportSettings/CurrentUserLogoVisible")));
    QVERIFY(!keys.contains(QStringLiteral("ProjectDefaults/CurrentUserLogoVisible")));
}

void tst_Settings::roundTrip()
{
    Settings s;
    s.m_lastProjectFile = QStringLiteral("/home/u/Wand ä.m2p");
    s.m_langId = QStringLiteral("pl");
    s.m_awInSeconds = true;
    s.m_recentProjects = QStringList{"/a/one.m2p", "/b/two, with comma.m2p", "three.mpj"};
    s.m_restartMode = 0;
    s.m_layerWidthUnit = 100;
    s.m_lastExportFile = QStringLiteral("/tmp/report.pdf");
    s.m_userMaterialsDirectory = QStringLiteral("/data/materials");
    s.m_moistureDependentLambda = false;
    s.m_vapourDiagramOverSd = false;
    s.m_defaultProjectSettings = {"Project",
                                  "C-1",
                                  "User",
                                  "Company",
                                  "Descr\nline 2",
                                  "Disclaimer",
                                  HeatFlowDirection::Downwards};
    s.m_defaultFrames = {1, 3, 13};
    s.m_pageNumbersVisible = true;
    s.m_defaultUserLogo = {1, QStringLiteral("/logo.png"), false, 120};
    ReportSettings &r = s.m_reportSettings;
    r.m_activatedFrames = {0, 6, 7};
    r.m_pageNumbersVisible = true;
    r.m_userLogo = {2, QStringLiteral("/other.png"), true, 80};
    r.m_printDisclaimer = true;
    r.m_disclaimerText = QStringLiteral("<b>no warranty</b>");
    r.m_minimumHeatResVersion = 0;
    r.m_minimumHeatResConstruction = 3;
    r.m_frsiCheck = true;
    r.m_dryingReserve = 0.1;
    r.m_din4108_3AccordanceType = 1;
    r.m_nonCapillarAw = 1.0 / 3;
    r.m_capillarActiveAw = 0.011666666666666665;
    r.m_capillaryCheckOneSide = false;
    r.m_printRemarkProjectInformation = false;
    r.m_printGlaserDiagram = false;
    // Fields without a storage key must not travel.
    s.m_reportBaseFontSize = 11;
    s.m_commandLineLangId = QStringLiteral("en");
    s.m_projectToOpen = QStringLiteral("x.m2p");
    s.m_flags[Settings::ShowSplashScreen] = false;
    s.m_diagramFontFamily = QStringLiteral("Arial");
    r.m_awInSeconds = false;

    {
        QSettings ini(iniPath(QStringLiteral("roundtrip")), QSettings::IniFormat);
        ini.clear();
        s.write(ini);
    } // written to disk here
    QSettings ini(iniPath(QStringLiteral("roundtrip")), QSettings::IniFormat);
    Settings b;
    b.read(ini);

    QCOMPARE(b.m_lastProjectFile, s.m_lastProjectFile);
    QCOMPARE(b.m_langId, s.m_langId);
    QCOMPARE(b.m_awInSeconds, true);
    QCOMPARE(b.m_recentProjects, s.m_recentProjects);
    QCOMPARE(b.m_restartMode, 0);
    QCOMPARE(b.m_layerWidthUnit, 100);
    QCOMPARE(b.m_lastExportFile, s.m_lastExportFile);
    QCOMPARE(b.m_userMaterialsDirectory, s.m_userMaterialsDirectory);
    QCOMPARE(b.m_moistureDependentLambda, false);
    QCOMPARE(b.m_vapourDiagramOverSd, false);
    QCOMPARE(b.m_defaultProjectSettings, s.m_defaultProjectSettings);
    COMPARE_SET(b.m_defaultFrames, IntSet({1, 3, 13}));
    QCOMPARE(b.m_pageNumbersVisible, true);
    QCOMPARE(b.m_defaultUserLogo, s.m_defaultUserLogo);
    ReportSettings expected = r;
    expected.m_awInSeconds = true; // not stored
    QVERIFY(b.m_reportSettings == expected);
    QCOMPARE(b.m_reportSettings.m_dryingReserve, 0.1);
    QCOMPARE(b.m_reportSettings.m_nonCapillarAw, 1.0 / 3);

    QCOMPARE(b.m_reportBaseFontSize, 8);
    QVERIFY(b.m_commandLineLangId.isEmpty());
    QVERIFY(b.m_projectToOpen.isEmpty());
    QCOMPARE(b.m_flags[Settings::ShowSplashScreen], true);
    QCOMPARE(b.m_diagramFontFamily, QStringLiteral("Verdana"));
}

void tst_Settings::storedKeys()
{
    QStringList expected = {
        "LastProjectFile",
        "LanguageID",
        "ProjectDefaults/AwInSeconds",
        "ProjectDefaults/RecentProjects",
        "ProjectDefaults/DefaultRestartMode",
        "ProjectDefaults/DefaultLayerWidthUnit",
        "ProjectDefaults/LastExportFile",
        "ProjectDefaults/UserMaterialsDirectory",
        "ProjectDefaults/MoistureDependentLambda",
        "ProjectDefaults/VapourDiagramOverSd",
        "ProjectDefaults/DefaultProjectSettings/ProjectName",
        "ProjectDefaults/DefaultProjectSettings/ConstructionID",
        "ProjectDefaults/DefaultProjectSettings/UserName",
        "ProjectDefaults/DefaultProjectSettings/Company",
        "ProjectDefaults/DefaultProjectSettings/Description",
        "ProjectDefaults/DefaultProjectSettings/DisclaimerText",
        "ProjectDefaults/DefaultProjectSettings/HeatFlowDirection",
        "ProjectDefaults/ProjectDefaultFrames",
        "ProjectDefaults/PageNumbersVisible",
        "ProjectDefaults/CurrentUserLogoPosition",
        "ProjectDefaults/CurrentUserLogoPath",
        "ProjectDefaults/UserLogoWidthSetting",
        "ProjectDefaults/UserLogoWidthSize",
        "ReportSettings/ActivatedFrames",
        "ReportSettings/CurrentPageNumbersVisible",
        "ReportSettings/CurrentUserLogoPosition",
        "ReportSettings/CurrentUserLogoPath",
        "ReportSettings/UserLogoWidthSetting",
        "ReportSettings/UserLogoWidthSize",
        "ReportSettings/PrintDisclaimer",
        "ReportSettings/DisclaimerText",
        "ReportSettings/MinimumHeatResVersion",
        "ReportSettings/MinimumHeatResConstruction",
        "ReportSettings/FrsiCheck",
        "ReportSettings/DryingReserve",
        "ReportSettings/DIN4108_3Accordance_Type",
        "ReportSettings/NonCapillarAw",
        "ReportSettings/CapillarActiveAw",
        "ReportSettings/CapillaryCheckOneSide",
        "ReportSettings/PrintRemarkProjectInformation",
        "ReportSettings/PrintGlaserDiagram",
        "ReportPreviewGeometry",
    };
    QStringList actual = Settings::storageKeys();
    expected.sort();
    actual.sort();
    QCOMPARE(actual, expected);
}

void tst_Settings::wrongTypesConvertLikeQt()
{
    QSettings ini(iniPath(QStringLiteral("types")), QSettings::IniFormat);
    ini.clear();
    ini.setValue(QStringLiteral("ProjectDefaults/DefaultRestartMode"), "abc");
    ini.setValue(QStringLiteral("ProjectDefaults/DefaultLayerWidthUnit"), "100");
    ini.setValue(QStringLiteral("ReportSettings/DryingReserve"), "not a number");
    ini.setValue(QStringLiteral("ProjectDefaults/MoistureDependentLambda"), "false");
    Settings s;
    s.read(ini);
    QCOMPARE(s.m_restartMode, 0);
    QCOMPARE(s.m_layerWidthUnit, 100);
    QCOMPARE(s.m_reportSettings.m_dryingReserve, 0.0);
    QCOMPARE(s.m_moistureDependentLambda, false);
}

void tst_Settings::applyOverride_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");

    QTest::newRow("lambda off") << "ProjectDefaults/MoistureDependentLambda"
                                << "false"
                                << "lambda"
                                << "0";
    QTest::newRow("lambda on as 1") << "ProjectDefaults/MoistureDependentLambda"
                                    << "1"
                                    << "lambda"
                                    << "1";
    QTest::newRow("drying reserve") << "ReportSettings/DryingReserve"
                                    << "0.1"
                                    << "drying"
                                    << "0.1";
    QTest::newRow("accordance type") << "ReportSettings/DIN4108_3Accordance_Type"
                                     << " 3 "
                                     << "accordance"
                                     << "3";
    QTest::newRow("non-capillary Aw") << "ReportSettings/NonCapillarAw"
                                      << "1e-3"
                                      << "nonCapAw"
                                      << "0.001";
    QTest::newRow("activated frames") << "ReportSettings/ActivatedFrames"
                                      << "0 0"
                                      << "activated"
                                      << "{2,3,4,5,9,11,12,14}";
    // Frames 2..13 keep the state read before (the default set).
    QTest::newRow("default frames keep frame 1") << "ProjectDefaults/ProjectDefaultFrames"
                                                 << "0 0"
                                                 << "defaultFrames"
                                                 << "{1,2,3,4,5,6,7,8,9,11,14}";
    QTest::newRow("language") << "LanguageID"
                              << "pl"
                              << "lang"
                              << "pl";
    QTest::newRow("heat flow") << "ProjectDefaults/DefaultProjectSettings/HeatFlowDirection"
                               << "0"
                               << "heatFlow"
                               << "0";
    QTest::newRow("frsi") << "ReportSettings/FrsiCheck"
                          << "TRUE"
                          << "frsi"
                          << "1";
}

void tst_Settings::applyOverride()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, field);
    QFETCH(QString, expected);

    Settings s;
    QVERIFY(s.read());
    QString error;
    QVERIFY2(s.applyOverride(key, value, &error), qPrintable(error));
    QString actual;
    const ReportSettings &r = s.m_reportSettings;
    if (field == "lambda")
        actual = QString::number(s.m_moistureDependentLambda);
    else if (field == "drying")
        actual = QString::number(r.m_dryingReserve, 'g', QLocale::FloatingPointShortest);
    else if (field == "accordance")
        actual = QString::number(r.m_din4108_3AccordanceType);
    else if (field == "nonCapAw")
        actual = QString::number(r.m_nonCapillarAw, 'g', QLocale::FloatingPointShortest);
    else if (field == "activated")
        actual = setText(r.m_activatedFrames);
    else if (field == "defaultFrames")
        actual = setText(s.m_defaultFrames);
    else if (field == "lang")
        actual = s.m_langId;
    else if (field == "heatFlow")
        actual =
            QString::number(heatFlowDirectionCode(s.m_defaultProjectSettings.m_heatFlowDirection));
    else if (field == "frsi")
        actual = QString::number(r.m_frsiCheck);
    QCOMPARE(actual, expected);

    // Nothing reached the (redirected) native store.
    QVERIFY(!QFile::exists(m_home.filePath(QStringLiteral("native/HTL/Mirelo 2.4.conf"))));
}

void tst_Settings::applyOverrideErrors_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown key") << "Foo/Bar"
                                 << "1"
                                 << "Unknown setting 'Foo/Bar'.";
    QTest::newRow("key without group") << "DryingReserve"
                                       << "1"
                                       << "Unknown setting 'DryingReserve'.";
    QTest::newRow("legacy key") << "ReportSettings/DIN4108_3Accordance"
                                << "true"
                                << "Unknown setting 'ReportSettings/DIN4108_3Accordance'.";
    QTest::newRow("not a double") << "ReportSettings/DryingReserve"
                                  << "abc"
                                  << "Invalid value 'abc' for a setting of type double.";
    QTest::newRow("decimal comma") << "ReportSettings/DryingReserve"
                                   << "0,1"
                                   << "Invalid value '0,1' for a setting of type double.";
    QTest::newRow("not an int") << "ProjectDefaults/DefaultLayerWidthUnit"
                                << "1.5"
                                << "Invalid value '1.5' for a setting of type int.";
    QTest::newRow("not a bool") << "ProjectDefaults/MoistureDependentLambda"
                                << "maybe"
                                << "Invalid value 'maybe' for a setting of type bool.";
}

void tst_Settings::applyOverrideErrors()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, error);
    Settings s;
    s.read();
    s.m_reportSettings.m_dryingReserve = 0.25;
    QString actualError;
    QVERIFY(!s.applyOverride(key, value, &actualError));
    QCOMPARE(actualError, error);
    QCOMPARE(s.m_reportSettings.m_dryingReserve, 0.25);
    QVERIFY(!s.applyOverride(key, value)); // no error text wanted
}

void tst_Settings::applyOverrideKeepsOtherFields()
{
    Settings s;
    s.read();
    s.m_reportSettings.m_dryingReserve = 0.5;
    s.m_commandLineLangId = QStringLiteral("en");
    s.m_flags[Settings::ShowSplashScreen] = false;
    s.m_recentProjects = QStringList{"a.m2p", "b.m2p"};
    s.m_reportSettings.m_awInSeconds = false;
    QVERIFY(s.applyOverride(QStringLiteral("ReportSettings/FrsiCheck"), QStringLiteral("true")));
    QCOMPARE(s.m_reportSettings.m_frsiCheck, true);
    QCOMPARE(s.m_reportSettings.m_dryingReserve, 0.5);
    QCOMPARE(s.m_commandLineLangId, QStringLiteral("en"));
    QCOMPARE(s.m_flags[Settings::ShowSplashScreen], false);
    QCOMPARE(s.m_recentProjects, QStringList({"a.m2p", "b.m2p"}));
    QCOMPARE(s.m_reportSettings.m_awInSeconds, false);
}

void tst_Settings::userMaterialsDirStored()
{
    const QString missing = m_home.filePath(QStringLiteral("gone/materials"));
    Settings s;
    s.m_userMaterialsDirectory = missing;
    QCOMPARE(s.userMaterialsDir(), missing);
    QVERIFY(!QFileInfo::exists(missing));
}

void tst_Settings::userMaterialsDirDefault()
{
    TestSupport::MessageCapture capture;
    Settings s;
    const QString dir = s.userMaterialsDir();
    QCOMPARE(dir, QDir::toNativeSeparators(Directories::userDataDir() + "/user_materials"));
    QVERIFY(dir.startsWith(m_home.path()));
    QVERIFY(QFileInfo(dir).isDir());
    QVERIFY(capture.messages().isEmpty());
    QDir(dir).removeRecursively();
}

void tst_Settings::userDatabaseDir()
{
    // the databases stay in the user data directory until a directory is chosen
    Settings s;
    QCOMPARE(s.userDatabaseDir(), Directories::userDataDir());
    const QString chosen = QStringLiteral("/data/mirelo-databases");
    s.m_userMaterialsDirectory = chosen;
    QCOMPARE(s.userDatabaseDir(), chosen);
    QVERIFY(!QFileInfo::exists(chosen));
}

void tst_Settings::userMaterialsDirCannotBeCreated()
{
    // A plain file where the user data directory should be.
    const QString dataDir = Directories::userDataDir();
    QVERIFY(QDir().mkpath(QFileInfo(dataDir).path()));
    QDir(dataDir).removeRecursively();
    QFile blocker(dataDir);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    TestSupport::MessageCapture capture;
    Settings s;
    const QString dir = s.userMaterialsDir();
    QCOMPARE(dir, QDir::toNativeSeparators(dataDir + "/user_materials"));
    QCOMPARE(capture.messages().size(), 1);
    const auto &m = capture.messages().front();
    QCOMPARE(m.m_type, int(HTL::MSG_WARNING));
    QCOMPARE(m.m_verbosity, -1);
    QCOMPARE(m.m_context, std::string("Settings::userMaterialsDir"));
    QCOMPARE(QString::fromStdString(m.m_text),
             "Cannot create user material directory '" + dataDir + "/user_materials\n");
    QVERIFY(QFile::remove(dataDir));
}

void tst_Settings::directories()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    QCOMPARE(Directories::resourcesDir(), appDir + "/resources");
    QCOMPARE(Directories::translationsDir(), appDir + "/resources/translations");
    // In test mode Qt's data location is ~/.qttest/share/<executable name>; the user data
    // directory is its sibling HTL/Mirelo2.
    QCOMPARE(Directories::userDataDir(), m_home.path() + "/.qttest/share/HTL/Mirelo2");
    QCOMPARE(Directories::logFilePath(), m_home.path() + "/.qttest/share/HTL/Mirelo2/Mirelo2.log");
    QCOMPARE(Directories::helpFilePath("pl"),
             appDir + "/resources/DB_help/Mirelo2_Documentation_pl.pdf");
    QCOMPARE(Directories::defaultUserMaterialsDir(),
             m_home.path() + "/.qttest/share/HTL/Mirelo2/user_materials");
}

// A fake prefix with the executable's directory <prefix>/bin and the given directories and plain
// files below the prefix; the result is named relative to the prefix.
void tst_Settings::resourcesDirOfLayout_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("dirs");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected");

    QTest::newRow("build tree") << "build" << QStringList{"bin/resources/DB_materials"}
                                << QStringList{} << "bin/resources";
    QTest::newRow("installed") << "usr" << QStringList{"share/mirelo2/DB_materials"}
                               << QStringList{} << "share/mirelo2";
    QTest::newRow("both: the build tree wins")
        << "usr" << QStringList{"bin/resources", "share/mirelo2"} << QStringList{}
        << "bin/resources";
    QTest::newRow("neither: beside the executable")
        << "usr" << QStringList{} << QStringList{} << "bin/resources";
    QTest::newRow("another program's data only")
        << "usr" << QStringList{"share/mirelo", "share/Mirelo2", "bin/share/mirelo2"}
        << QStringList{} << "bin/resources";
    QTest::newRow("plain files are no directories")
        << "usr" << QStringList{} << QStringList{"bin/resources", "share/mirelo2"}
        << "bin/resources";
    QTest::newRow("a file beside, installed directory")
        << "usr" << QStringList{"share/mirelo2"} << QStringList{"bin/resources"} << "share/mirelo2";
    QTest::newRow("prefix with blanks and umlauts")
        << "opt/Mirelo 2 Ä" << QStringList{"share/mirelo2"} << QStringList{} << "share/mirelo2";
}

void tst_Settings::resourcesDirOfLayout()
{
    QFETCH(QString, prefix);
    QFETCH(QStringList, dirs);
    QFETCH(QStringList, files);
    QFETCH(QString, expected);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString base = root.path() + QLatin1Char('/') + prefix;
    QVERIFY(QDir().mkpath(base + "/bin"));
    for (const QString &dir : dirs)
        QVERIFY(QDir().mkpath(base + QLatin1Char('/') + dir));
    for (const QString &file : files) {
        QFile f(base + QLatin1Char('/') + file);
        QVERIFY(QDir().mkpath(QFileInfo(f).absolutePath()));
        QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(f.fileName()));
    }
    // The ".." of the installed layout is resolved: the result names the directory directly.
    QCOMPARE(Directories::resourcesDirOf(base + "/bin"), base + QLatin1Char('/') + expected);
}

M2_TEST_GUILESS_MAIN(tst_Settings)
#include "tst_Settings.moc"
