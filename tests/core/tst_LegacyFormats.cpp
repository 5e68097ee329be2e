// Readers of the first program generation's keyword text: old project files and material
// blocks, the project load of "mpj" files and the keyword fallback of other extensions.

#include "TestSupport.h"

#include "document/Project.h"
#include "model/InputData.h"
#include "model/Material.h"
#include "model/MaterialLayer.h"
#include "model/ProjectInformation.h"
#include "persistence/Document.h"
#include "persistence/LegacyFormat.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sstream>
#include <string>

namespace {

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QByteArray legacyFile(const char *name)
{
    return readAll(TestSupport::dataFile(QStringLiteral("legacy/") + QLatin1String(name)));
}

std::string bytes(const QByteArray &data)
{
    return std::string(data.constData(), std::size_t(data.size()));
}

// Reads a whole project from memory the way the file reader does.
bool readProject(const QByteArray &data, InputData &input, ProjectInformation &info,
                 QString &message)
{
    std::istringstream in(bytes(data));
    return Document(input, info).readOld(in, QStringLiteral("test.mpj"), message);
}

// Reads one material block (the line with its "{" already consumed).
bool readMaterial(const QByteArray &block, const char *version, Material &m, QString &message)
{
    std::istringstream in(bytes(block));
    return LegacyFormat::readOld(in, version, m, message);
}

const QString ProjectPrefix = QStringLiteral("[Document::readOld]  Error reading project file "
                                             "'test.mpj'\n");

// A complete, valid material block body used by several tests.
const QByteArray GoodMaterial = "Name Vollziegel\n"
                                "Kategorie Mauersteine\n"
                                "Rho 1800 kg/m3\n"
                                "Lambda 0.81 W/mK\n"
                                "Mew 10 -\n"
                                "W_h80 0.01 m3/m3\n"
                                "W_sat 0.25 m3/m3\n"
                                "A_w 0.1 kg/m2*s^0.5\n"
                                "}\n";

QByteArray minimalProject(const QByteArray &documentBody)
{
    return "FileVersion 1.3\nDOCUMENT {\n" + documentBody + "}\n";
}

QByteArray climateList(int count)
{
    QByteArray list = "CLIMATE_LIST {\n";
    for (int i = 0; i < count; ++i)
        list += "CLIMATE_DEFINITION {\nTemperatur 20 C\nRelHum 50 %\n}\n";
    return list + "}\n";
}

} // namespace

class tst_LegacyFormats : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void projectFiles_data();
    void projectFiles();
    void lineEndsGiveEqualProjects();
    void loadCalculateAndSaveAsXml();
    void extensions();

    void materialKeywords();
    void materialHygroscopicVersionRule();
    void materialCategories_data();
    void materialCategories();
    void materialFlags();
    void materialErrors_data();
    void materialErrors();

    void layerBlock();
    void layerErrors_data();
    void layerErrors();
    void layerWithoutNameIsUnknown_data();
    void layerWithoutNameIsUnknown();
    void layerWithoutColourGetsDefault();

    void climateBlock();
    void climateErrors_data();
    void climateErrors();
    void constructionErrors();

    void documentErrors_data();
    void documentErrors();
    void emptyProjectTextIsAllowed();
    void surfaceResistancesForBothPeriods_data();
    void surfaceResistancesForBothPeriods();
    void controlCharactersReplaced();

    void truncatedAtEveryOffset();
    void missingClosingBrace_data();
    void missingClosingBrace();
    void hugeRemarksCount();
    void remarksAreBinary_data();
    void remarksAreBinary();
    void randomBytes();
    void mutatedFiles();
    void longBinaryFileWithoutLineEnds();
    void oversizedFileRefusedAtOnce_data();
    void oversizedFileRefusedAtOnce();
};

void tst_LegacyFormats::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_LegacyFormats::projectFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("version13");
    QTest::newRow("1.3, CR LF, keywords with colon, remarks") << "project_v13_crlf.mpj" << true;
    QTest::newRow("1.2, CR only, keywords without colon, remarks") << "project_v12_cr.mpj" << false;
    QTest::newRow("1.3, LF, no remarks") << "project_v13_lf.txt" << true;
}

void tst_LegacyFormats::projectFiles()
{
    QFETCH(QString, file);
    QFETCH(bool, version13);

    InputData input;
    ProjectInformation info;
    info.m_company = QStringLiteral("kept"); // not in old files: stays
    info.m_heatFlowDirection = HeatFlowDirection::Upwards;
    QString message;
    const QByteArray data = legacyFile(file.toLatin1().constData());
    QVERIFY(!data.isEmpty());
    QVERIFY2(readProject(data, input, info, message), qPrintable(message));

    // descriptive texts, Latin-1 in the file
    QCOMPARE(info.m_projectName, QString::fromUtf8("Altbausanierung M\xC3\xBChlenweg 3"));
    QCOMPARE(info.m_constructionID, QStringLiteral("AW-01"));
    QCOMPARE(info.m_userName, QString::fromUtf8("Ing.-B\xC3\xBCro Schmidt"));
    QCOMPARE(info.m_description, QString::fromUtf8("Au\xC3\x9F"
                                                   "enwand mit Innend\xC3\xA4mmung"));
    QCOMPARE(info.m_company, QStringLiteral("kept"));
    QCOMPARE(info.m_heatFlowDirection, HeatFlowDirection::Upwards);

    // climate: interior winter, interior summer, exterior winter, exterior summer
    const Climate &c = input.climate();
    M2_COMPARE_ABS(c.insideWinter().m_T, 20.0, 1e-12);
    M2_COMPARE_ABS(c.insideWinter().m_rh, 50.0, 1e-12);
    M2_COMPARE_ABS(c.insideSummer().m_T, 12.0, 1e-12);
    M2_COMPARE_ABS(c.insideSummer().m_rh, 70.0, 1e-12);
    M2_COMPARE_ABS(c.outsideWinter().m_T, -5.0, 1e-12);
    M2_COMPARE_ABS(c.outsideWinter().m_rh, 80.0, 1e-12);
    M2_COMPARE_ABS(c.outsideSummer().m_T, 12.0, 1e-12);
    M2_COMPARE_ABS(c.outsideSummer().m_rh, 70.0, 1e-12);
    // RO_Left is the exterior, RO_Right the interior surface resistance
    QCOMPARE(c.outsideWinter().m_Rs, 0.04);
    QCOMPARE(c.insideWinter().m_Rs, 0.25);
    // 90 d and 2160 h are both 90 days
    QCOMPARE(c.tT(), 90.0);
    QCOMPARE(c.tT_summer(), 90.0);

    QCOMPARE(input.layerCount(), 3);
    const MaterialLayer &plaster = input.layer(0);
    M2_COMPARE_REL(plaster.m_width, 0.015, 1e-15);
    QCOMPARE(plaster.m_color, QColor(255, 0, 0));
    QCOMPARE(plaster.m_name, QStringLiteral("Kalkgipsputz"));
    QCOMPARE(plaster.m_productName, QStringLiteral("KGP-1"));
    QCOMPARE(plaster.m_producer, QString::fromUtf8("Werk S\xC3\xBC"
                                                   "d"));
    QCOMPARE(plaster.m_notes, QStringLiteral("Innenputz"));
    QCOMPARE(plaster.m_dataSource, QStringLiteral("DIN 4108-4"));
    QCOMPARE(plaster.m_category, 1); // plaster and mortar, from the German or English name
    QCOMPARE(plaster.m_rho, 1400.0);
    QCOMPARE(plaster.m_lambda, 0.7);
    QCOMPARE(plaster.m_mu, 10.0);
    QCOMPARE(plaster.m_mu_min, 10.0);
    QCOMPARE(plaster.m_mu_max, 10.0);
    QCOMPARE(plaster.m_w_sat, 0.35);
    QCOMPARE(plaster.m_A_w, 0.05);
    QVERIFY(plaster.m_flags.empty());
    if (version13) {
        // W_hyg is the moisture content at 95 %
        QCOMPARE(plaster.m_w_95, 0.019);
        M2_COMPARE_REL(plaster.m_w_80, 0.016, 1e-14);
    } else {
        QCOMPARE(plaster.m_w_80, 0.019);
        M2_COMPARE_REL(plaster.m_w_95, 0.019 * 0.95 / 0.8, 1e-15);
    }

    const MaterialLayer &brick = input.layer(1);
    QCOMPARE(brick.m_width, 0.24); // width 0 in the file
    QCOMPARE(brick.m_color, QColor(0, 128, 0));
    QCOMPARE(brick.m_category, 2);
    QCOMPARE(brick.m_w_80, 0.01);
    M2_COMPARE_REL(brick.m_w_95, 0.011875, 1e-14);

    const MaterialLayer &render = input.layer(2);
    M2_COMPARE_REL(render.m_width, 0.02, 1e-15);
    QCOMPARE(render.m_color, QColor(0, 0, 255));
    QCOMPARE(render.m_category, 1);
    M2_COMPARE_REL(render.m_A_w, 1.2 / 60, 1e-15); // given per sqrt(h)
    QCOMPARE(render.m_dataSource, QStringLiteral("Hersteller"));

    // all materials are valid, so the project can be calculated
    QCOMPARE(input.validate(), InputStatus::Valid);
}

void tst_LegacyFormats::lineEndsGiveEqualProjects()
{
    InputData a, b;
    ProjectInformation ia, ib;
    QString message;
    QVERIFY2(readProject(legacyFile("project_v13_crlf.mpj"), a, ia, message), qPrintable(message));
    // the same text with LF and with CR line ends
    QByteArray lf = legacyFile("project_v13_crlf.mpj");
    const int remarks = lf.indexOf("Remarks");
    lf = lf.left(remarks).replace("\r\n", "\n") + lf.mid(remarks);
    QVERIFY2(readProject(lf, b, ib, message), qPrintable(message));
    QVERIFY(a == b);
    QVERIFY(ia == ib);
}

void tst_LegacyFormats::loadCalculateAndSaveAsXml()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Project project;
    QString message;
    QVERIFY2(project.load(TestSupport::dataFile("legacy/project_v13_crlf.mpj"), &message),
             qPrintable(message));
    QCOMPARE(project.inputData().status(), InputStatus::Valid);
    const CalculationResults &r = project.results();
    QVERIFY(r.type != ResultType::InvalidInput);
    QVERIFY(r.typeGlaser != ResultType::InvalidInput);
    QCOMPARE(int(r.R_Glaser.size()), 3);
    M2_COMPARE_REL(r.R_Glaser[0], 0.015 / 0.7, 1e-12);
    M2_COMPARE_REL(r.R_Glaser[1], 0.24 / 0.81, 1e-12);
    M2_COMPARE_REL(r.d_total, 0.275, 1e-12);

    // saving always writes the XML form, and it reads back to the same input
    const QString xml = dir.filePath("converted.m2p");
    QVERIFY2(project.save(xml, &message), qPrintable(message));
    QVERIFY(readAll(xml).contains("<MireloProject version=\"2.0\">"));
    Project again;
    QVERIFY2(again.load(xml, &message), qPrintable(message));
    QVERIFY(again.inputData() == project.inputData());
    QCOMPARE(again.projectInformation().m_projectName, project.projectInformation().m_projectName);
}

void tst_LegacyFormats::extensions()
{
    Project project;
    QString message;
    // keyword text in an "m2p" file: the XML error only, no keyword fallback
    QVERIFY(!project.load(TestSupport::dataFile("legacy/keyword_text.m2p"), &message));
    QVERIFY(!message.isEmpty());
    QVERIFY2(!message.contains(QLatin1String("MIRELO 1")), qPrintable(message));
    // the same text as "txt" loads through the keyword reader
    QVERIFY2(project.load(TestSupport::dataFile("legacy/project_v13_lf.txt"), &message),
             qPrintable(message));
    QCOMPARE(project.inputData().layerCount(), 3);

    // three climate definitions: the keyword reader's message behind the load's own text
    QVERIFY(!project.load(TestSupport::dataFile("legacy/three_climates.mpj"), &message));
    QCOMPARE(message, QStringLiteral("Error reading file as MIRELO 1 version.\n"
                                     "[Document::readOld]  Error reading project file '%1'\n"
                                     "[InputData::readClimateOld]  Four climate conditions are "
                                     "required!")
                          .arg(TestSupport::dataFile("legacy/three_climates.mpj")));

    // a legacy project without layers is refused by the load
    QTemporaryDir dir;
    const QString empty = dir.filePath("empty.mpj");
    QFile file(empty);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(minimalProject(climateList(4) + "STRUCTURE {\n}\n"));
    file.close();
    QVERIFY(!project.load(empty, &message));
    QCOMPARE(message,
             QStringLiteral("Project doesn't contain any layers. Please create a new project!"));
}

void tst_LegacyFormats::materialKeywords()
{
    Material m;
    QString message;
    const QByteArray block = "Name  Holzfaserplatte \n"
                             "Kategorie Holz\n"
                             "ProduktID HFP-40\n"
                             "Produktname Pavatex 40\n" // a later line of either keyword wins
                             "Hersteller Holzwerk\n"
                             "Rho 0.16 g/cm3\n"
                             "Lambda 0.04 W/mK\n"
                             "Mew 5 -\n"
                             "W_h80 1.5 Vol%\n"
                             "W_sat 80 Vol%\n"
                             "A_w 0.3 kg/m2h05\n"
                             "Anmerkungen weich\n"
                             "Quelle Datenblatt\n"
                             "Datenquelle Messung\n"
                             "Flags 0 1 1\n"
                             "}\n"
                             "Name after the block\n";
    QVERIFY2(readMaterial(block, "1.3", m, message), qPrintable(message));
    QCOMPARE(m.m_name, QStringLiteral("Holzfaserplatte"));
    QCOMPARE(m.m_category, 7);
    QCOMPARE(m.m_productName, QStringLiteral("Pavatex 40"));
    QCOMPARE(m.m_producer, QStringLiteral("Holzwerk"));
    M2_COMPARE_REL(m.m_rho, 160.0, 1e-14);
    QCOMPARE(m.m_lambda, 0.04);
    QCOMPARE(m.m_mu, 5.0);
    M2_COMPARE_REL(m.m_w_80, 0.015, 1e-14);
    M2_COMPARE_REL(m.m_w_sat, 0.8, 1e-14);
    M2_COMPARE_REL(m.m_A_w, 0.005, 1e-14);
    QCOMPARE(m.m_notes, QStringLiteral("weich"));
    QCOMPARE(m.m_dataSource, QStringLiteral("Messung"));
    QVERIFY(m.isWood());
    QVERIFY(m.isWoodBased());
    QVERIFY(!m.isAir());
    QVERIFY(!m.isFoil());
    QVERIFY(m.isValid());

    // a dimensionless factor written as a ratio of the "---" family
    Material r;
    QVERIFY2(readMaterial("Mew 2000 1\n}\n", "1.3", r, message), qPrintable(message));
    QCOMPARE(r.m_mu, 2000.0);
}

void tst_LegacyFormats::materialHygroscopicVersionRule()
{
    QString message;
    Material v13, v12, other;
    QVERIFY(readMaterial("W_hyg 0.019 m3/m3\n}\n", "1.3", v13, message));
    QCOMPARE(v13.m_w_95, 0.019);
    M2_COMPARE_REL(v13.m_w_80, 0.016, 1e-14);
    QVERIFY(readMaterial("W_hyg 0.019 m3/m3\n}\n", "1.2", v12, message));
    QCOMPARE(v12.m_w_80, 0.019);
    M2_COMPARE_REL(v12.m_w_95, 0.0225625, 1e-14);
    // any version text containing 1.3 counts
    QVERIFY(readMaterial("W_hyg 1.9 Vol%\n}\n", "V1.31", other, message));
    M2_COMPARE_REL(other.m_w_95, 0.019, 1e-14);
    M2_COMPARE_REL(other.m_w_80, 0.016, 1e-13);
}

void tst_LegacyFormats::materialCategories_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("category");
    // German names of the old program, Latin-1 as in its files
    QTest::newRow("Natursteine") << QByteArray("Natursteine") << 3;
    QTest::newRow("Mauerwerk") << QByteArray("Mauerwerk") << 2;
    QTest::newRow("Putze latin1") << QByteArray("Putze/M\xF6rtel/Estriche") << 1;
    QTest::newRow("Putze utf8") << QByteArray("Putze/M\xC3\xB6rtel/Estriche") << 1;
    QTest::newRow("Beton") << QByteArray("Beton/Betonbauteile") << 4;
    QTest::newRow("Zement") << QByteArray("Zementhaltige Baustoffe") << 4;
    QTest::newRow("Waermedaemm") << QByteArray("W\xE4rmed\xE4mmstoffe") << 5;
    QTest::newRow("Daemm") << QByteArray("D\xE4mmstoffe") << 5;
    QTest::newRow("Holz/Holzwerkstoffe") << QByteArray("Holz/Holzwerkstoffe") << 7;
    QTest::newRow("Sonstiges") << QByteArray("Sonstiges") << 12;
    QTest::newRow("Abdichtungen") << QByteArray("Abdichtungen/Folien") << 11;
    QTest::newRow("Folien") << QByteArray("Folien und Abdichtungsstoffe") << 11;
    QTest::newRow("Bauplatten") << QByteArray("Bauplatten") << 6;
    QTest::newRow("Fassaden") << QByteArray("Fassadenbekleidungen, Bodenbel\xE4ge und Eindeckungen")
                              << 10;
    QTest::newRow("Erden") << QByteArray("Erden und B\xF6"
                                         "den")
                           << 9;
    // translated names (English without translator)
    QTest::newRow("Coating") << QByteArray("Coating") << 0;
    QTest::newRow("Natural materials") << QByteArray("Natural materials") << 8;
    QTest::newRow("Miscellaneous") << QByteArray("Miscellaneous") << 12;
    // neither
    QTest::newRow("unknown") << QByteArray("Kunststoffe") << 13;
    QTest::newRow("case differs") << QByteArray("mauerwerk") << 13;
    QTest::newRow("Unknown is no category") << QByteArray("Unknown") << 13;
}

void tst_LegacyFormats::materialCategories()
{
    QFETCH(QByteArray, text);
    QFETCH(int, category);
    Material m;
    QString message;
    QVERIFY2(readMaterial("Kategorie " + text + "\n}\n", "1.3", m, message), qPrintable(message));
    QCOMPARE(m.m_category, category);
}

void tst_LegacyFormats::materialFlags()
{
    QString message;
    Material m;
    QVERIFY(readMaterial("Flags 1 0 0\n}\n", "1.3", m, message));
    QVERIFY(m.isAir());
    QVERIFY(!m.isWood());
    m.m_flags.insert(Material::F_Foil);
    QVERIFY(readMaterial("Flags 0 7 0\n}\n", "1.3", m, message));
    QVERIFY(!m.isAir());
    QVERIFY(m.isWood());
    QVERIFY(!m.isFoil()); // replaced, and foil never comes from old files
    QVERIFY(readMaterial("Flags\n}\n", "1.3", m, message));
    QVERIFY(m.m_flags.empty());
    QVERIFY(readMaterial("Flags 1\n}\n", "1.3", m, message));
    QCOMPARE(m.m_flags, std::set<int>{Material::F_Air});
}

void tst_LegacyFormats::materialErrors_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QString>("message");
    const QString data = QStringLiteral("[Material::readOld]  Error reading material data!\n");

    QTest::newRow("name without value")
        << QByteArray("Name\n}\n") << "[Material::readOld]  Error reading material name!";
    QTest::newRow("name blank") << QByteArray("Name   \n}\n")
                                << "[Material::readOld]  Error reading material name!";
    QTest::newRow("invalid keyword")
        << QByteArray("Dichte 5 kg/m3\n}\n") << "[Material::readOld]  Invalid keyword 'Dichte'";
    QTest::newRow("rho") << QByteArray("Rho viel kg/m3\n}\n")
                         << "[Material::readOld]  Error reading parameter 'rho'!";
    QTest::newRow("rho without unit")
        << QByteArray("Rho 1800\n}\n") << "[Material::readOld]  Error reading parameter 'rho'!";
    QTest::newRow("lambda") << QByteArray("Lambda\n}\n")
                            << "[Material::readOld]  Error reading parameter 'Lambda'!";
    QTest::newRow("mew") << QByteArray("Mew x -\n}\n")
                         << "[Material::readOld]  Error reading parameter 'Mew'!";
    QTest::newRow("w_hyg") << QByteArray("W_hyg 0.02\n}\n")
                           << "[Material::readOld]  Error reading parameter 'W_hyg'!";
    QTest::newRow("w_h80") << QByteArray("W_h80 -\n}\n")
                           << "[Material::readOld]  Error reading parameter 'W_h80'!";
    QTest::newRow("w_sat") << QByteArray("W_sat\n}\n")
                           << "[Material::readOld]  Error reading parameter 'W_sat'!";
    QTest::newRow("a_w without unit")
        << QByteArray("A_w 0.1\n}\n") << "[Material::readOld]  Error reading parameter 'A_w'!";
    QTest::newRow("a_w without number")
        << QByteArray("A_w kg/m2*s^0.5\n}\n") << data + "missing data";
    QTest::newRow("unknown unit") << QByteArray("Rho 1800 kg/m3x\n}\n")
                                  << data + "Unit 'kg/m3x' not found.";
    QTest::newRow("unit of another quantity")
        << QByteArray("Rho 1800 kg\n}\n")
        << data + "Can't relate unit [kg] to [kg/m3]!\nError converting unit in parameter 'Rho'.";
    QTest::newRow("mu in metres") << QByteArray("Mew 10 m\n}\n")
                                  << data + "Can't relate unit [m] to [-]!\nError converting unit "
                                            "in parameter 'Mew'.";
    QTest::newRow("missing closing brace") << QByteArray("Name Ziegel\nRho 1800 kg/m3\n")
                                           << "[Material::readOld]  Block end '}' missing!";
    QTest::newRow("empty") << QByteArray() << "[Material::readOld]  Block end '}' missing!";
}

void tst_LegacyFormats::materialErrors()
{
    QFETCH(QByteArray, block);
    QFETCH(QString, message);
    Material m;
    QString text;
    QVERIFY(!readMaterial(block, "1.3", m, text));
    QCOMPARE(text, message);
}

void tst_LegacyFormats::layerBlock()
{
    QString message;
    {
        std::istringstream in(bytes("Width: 20 mm\nColour: 65793\nMATERIAL_DEFINITION {\n" +
                                    GoodMaterial + "}\nrest"));
        MaterialLayer layer;
        QCOMPARE(LegacyFormat::readOld(in, "1.3", layer, message), 0);
        M2_COMPARE_REL(layer.m_width, 0.02, 1e-15);
        QCOMPARE(layer.m_color, QColor(1, 1, 1));
        QCOMPARE(layer.m_name, QStringLiteral("Vollziegel"));
        QVERIFY(layer.isValid());
        std::string rest;
        std::getline(in, rest);
        QCOMPARE(rest, std::string("rest")); // the reader stops behind its "}"
    }
    {
        // an equals sign between keyword and number, as the unit reader's own format has it
        std::istringstream in("Width = 2 cm\nMATERIAL_DEFINITION {\nRho = 1800 kg/m3\n"
                              "A_w =0.1 kg/m2*s^0.5\n}\n}\n");
        MaterialLayer layer;
        QCOMPARE(LegacyFormat::readOld(in, "1.3", layer, message), 0);
        M2_COMPARE_REL(layer.m_width, 0.02, 1e-15);
        QCOMPARE(layer.m_rho, 1800.0);
        QCOMPARE(layer.m_A_w, 0.1);
    }
    for (const char *width : {"0 m", "-3 cm", "0 mm"}) {
        std::istringstream in(std::string("Width ") + width + "\n}\n");
        MaterialLayer layer;
        QCOMPARE(LegacyFormat::readOld(in, "1.3", layer, message), 0);
        QCOMPARE(layer.m_width, 0.24);
    }
}

void tst_LegacyFormats::layerErrors_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("invalid keyword")
        << QByteArray("Dicke 3 cm\n}\n") << 1 << "[MaterialLayer::readOld]  Invalid keyword!";
    QTest::newRow("material without brace")
        << QByteArray("MATERIAL_DEFINITION\n" + GoodMaterial + "}\n") << 1
        << "[MaterialLayer::readOld]  Block start '{' of material definition missing!";
    QTest::newRow("material error") << QByteArray("MATERIAL_DEFINITION {\nRho 1800\n}\n}\n") << 2
                                    << "[Material::readOld]  Error reading parameter 'rho'!";
    QTest::newRow("width without unit")
        << QByteArray("Width 24\n}\n") << 1
        << "[MaterialLayer::readOld]  Error reading parameter 'Width'!";
    QTest::newRow("width in seconds")
        << QByteArray("Width 24 s\n}\n") << 1
        << "[MaterialLayer::readOld]  Error reading layer data!\nCan't relate unit [s] to [m]!\n"
           "Error converting unit in parameter 'Width'.";
    QTest::newRow("width beyond double")
        << QByteArray("Width 1e999 m\n}\n") << 1
        << "[MaterialLayer::readOld]  Error reading parameter 'Width'!";
    QTest::newRow("lambda overflowing in its unit")
        << QByteArray("MATERIAL_DEFINITION {\nLambda 1e308 kW/mK\n}\n}\n") << 2
        << "[Material::readOld]  Error reading material data!\nThe value of 'Lambda' is not a "
           "finite number.";
    QTest::newRow("colour not a number")
        << QByteArray("Colour rot\n}\n") << 1
        << "[MaterialLayer::readOld]  Error reading parameter 'Colour'!";
    QTest::newRow("missing closing brace")
        << QByteArray("Width 24 cm\n") << 1 << "[MaterialLayer::readOld]  Block end '}' missing!";
}

void tst_LegacyFormats::layerErrors()
{
    QFETCH(QByteArray, block);
    QFETCH(int, result);
    QFETCH(QString, message);
    std::istringstream in(bytes(block));
    MaterialLayer layer;
    QString text;
    QCOMPARE(LegacyFormat::readOld(in, "1.3", layer, text), result);
    QCOMPARE(text, message);
}

void tst_LegacyFormats::layerWithoutNameIsUnknown_data()
{
    QTest::addColumn<QByteArray>("layerBlock");
    QTest::addColumn<bool>("valid");
    QByteArray unnamed = GoodMaterial;
    unnamed.remove(0, unnamed.indexOf('\n') + 1); // without the "Name" line
    QTest::newRow("material block without name")
        << QByteArray("Width 24 cm\nMATERIAL_DEFINITION {\n" + unnamed + "}\n") << true;
    QTest::newRow("layer without material block") << QByteArray("Width 24 cm\n}\n") << false;
}

void tst_LegacyFormats::layerWithoutNameIsUnknown()
{
    QFETCH(QByteArray, layerBlock);
    QFETCH(bool, valid);
    {
        std::istringstream in(bytes(layerBlock));
        MaterialLayer layer;
        QString message;
        QCOMPARE(LegacyFormat::readOld(in, "1.3", layer, message), 0);
        QCOMPARE(layer.m_name, Material::unknownName());
        QCOMPARE(layer.isValid(), valid);
    }
    // In a project the named layer no longer makes the input invalid.
    InputData input;
    ProjectInformation info;
    QString message;
    QVERIFY2(readProject(minimalProject(climateList(4) + "STRUCTURE {\nLAYER_DEFINITION {\n" +
                                        layerBlock + "}\n"),
                         input, info, message),
             qPrintable(message));
    QCOMPARE(input.layerCount(), 1);
    QCOMPARE(input.layer(0).m_name, Material::unknownName());
    QCOMPARE(input.validate(), valid ? InputStatus::Valid : InputStatus::InvalidMaterial);
}

void tst_LegacyFormats::layerWithoutColourGetsDefault()
{
    // Without a "Colour" line a layer would have no colour at all, and a saved copy would
    // turn it black; it gets the visible default instead, and a given colour is kept.
    const struct
    {
        QByteArray block;
        QColor colour;
    } cases[] = {
        {"Width 24 cm\n}\n", Material::defaultColor()},
        {"Width 24 cm\nMATERIAL_DEFINITION {\n" + GoodMaterial + "}\n", Material::defaultColor()},
        {"Width 24 cm\nColour 255\n}\n", QColor(0, 0, 255)},
    };
    for (const auto &c : cases) {
        std::istringstream in(bytes(c.block));
        MaterialLayer layer;
        QString message;
        QCOMPARE(LegacyFormat::readOld(in, "1.3", layer, message), 0);
        QVERIFY(layer.m_color.isValid());
        QCOMPARE(layer.m_color, c.colour);
        QCOMPARE(layer.m_name.isEmpty(), false);
    }
    QVERIFY(Material::defaultColor().isValid());
    QVERIFY(Material::defaultColor() != QColor(0, 0, 0));
    QVERIFY(Material::defaultColor() != QColor(255, 255, 255));
}

void tst_LegacyFormats::climateBlock()
{
    InputData input;
    const Climate before = input.climate();
    QString message;
    // the second condition gives only a temperature, the fourth nothing
    std::istringstream in("CLIMATE_DEFINITION {\nName: Innen\nTemperatur: 21 C\nRelHum: 55 %\n}\n"
                          "CLIMATE_DEFINITION {\nTemperatur 291.15 K\n}\n"
                          "CLIMATE_DEFINITION {\nTemperatur -10 C\nRelHum 0.8 ---\n}\n"
                          "CLIMATE_DEFINITION {\n}\n"
                          "}\n");
    QVERIFY2(LegacyFormat::readClimateOld(in, input, message), qPrintable(message));
    const Climate &c = input.climate();
    M2_COMPARE_ABS(c.insideWinter().m_T, 21.0, 1e-12);
    M2_COMPARE_ABS(c.insideWinter().m_rh, 55.0, 1e-12);
    M2_COMPARE_ABS(c.insideSummer().m_T, 18.0, 1e-12);
    QCOMPARE(c.insideSummer().m_rh, before.insideSummer().m_rh);
    M2_COMPARE_ABS(c.outsideWinter().m_T, -10.0, 1e-12);
    M2_COMPARE_ABS(c.outsideWinter().m_rh, 80.0, 1e-12);
    QCOMPARE(c.outsideSummer().m_T, before.outsideSummer().m_T);
    QCOMPARE(c.outsideSummer().m_rh, before.outsideSummer().m_rh);
    QCOMPARE(input.status(), InputStatus::Valid);
    // the assessment condition was recognised again from the values read
    QCOMPARE(c.assessmentCondition(), c.recogniseAssessmentCondition());
}

void tst_LegacyFormats::climateErrors_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QString>("message");
    const QByteArray one = "CLIMATE_DEFINITION {\nTemperatur 20 C\n}\n";
    QTest::newRow("three conditions")
        << QByteArray(one + one + one + "}\n")
        << "[InputData::readClimateOld]  Four climate conditions are required!";
    QTest::newRow("five conditions")
        << QByteArray(one + one + one + one + one + "}\n")
        << "[InputData::readClimateOld]  Error reading parameter 'Temperatur'!";
    QTest::newRow("temperature without unit")
        << QByteArray("CLIMATE_DEFINITION {\nTemperatur 20\n}\n")
        << "[InputData::readClimateOld]  Error reading parameter 'Temperatur'!";
    QTest::newRow("humidity not a number")
        << QByteArray("CLIMATE_DEFINITION {\nRelHum feucht %\n}\n")
        << "[InputData::readClimateOld]  Error reading parameter 'RelHum'!";
    QTest::newRow("illegal keyword inside")
        << QByteArray("CLIMATE_DEFINITION {\nDruck 1200 Pa\n}\n")
        << "[InputData::readClimateOld]  Illegal keyword 'Druck'";
    QTest::newRow("invalid keyword outside")
        << QByteArray("CLIMATE {\n}\n") << "[InputData::readClimateOld]  Invalid keyword 'CLIMATE'";
    QTest::newRow("unit error")
        << QByteArray("CLIMATE_DEFINITION {\nTemperatur 68 F\n}\n")
        << "[InputData::readClimateOld]  Error reading climate condition!\nUnit 'F' not found.";
    QTest::newRow("missing closing brace") << QByteArray(one + one + one + one)
                                           << "[InputData::readClimateOld]  Block end '}' missing!";
    QTest::newRow("end inside a condition")
        << QByteArray("CLIMATE_DEFINITION {\nTemperatur 20 C\n")
        << "[InputData::readClimateOld]  Block end '}' missing!";
}

void tst_LegacyFormats::climateErrors()
{
    QFETCH(QByteArray, block);
    QFETCH(QString, message);
    InputData input;
    QString text;
    std::istringstream in(bytes(block));
    QVERIFY(!LegacyFormat::readClimateOld(in, input, text));
    QCOMPARE(text, message);
    QCOMPARE(input.status(), InputStatus::InvalidClimate);
}

void tst_LegacyFormats::constructionErrors()
{
    QString message;
    {
        InputData input;
        std::istringstream in("LAYER_DEFINITION\n}\n");
        QVERIFY(!LegacyFormat::readConstructionOld(in, "1.3", input, message));
        QCOMPARE(message,
                 QStringLiteral("[InputData::readConstructionOld]  Block start '{' missing!"));
        QCOMPARE(input.status(), InputStatus::InvalidWidth);
    }
    {
        InputData input;
        std::istringstream in("LAYER_DEFINITION {\nWidth 2\n}\n}\n");
        QVERIFY(!LegacyFormat::readConstructionOld(in, "1.3", input, message));
        QCOMPARE(input.status(), InputStatus::InvalidWidth);
        QCOMPARE(input.layerCount(), 0);
    }
    {
        InputData input;
        std::istringstream in(bytes("LAYER_DEFINITION {\nMATERIAL_DEFINITION {\n" + GoodMaterial +
                                    "}\n" +
                                    "LAYER_DEFINITION {\nMATERIAL_DEFINITION {\nName\n}\n}\n}\n"));
        QVERIFY(!LegacyFormat::readConstructionOld(in, "1.3", input, message));
        QCOMPARE(message, QStringLiteral("[Material::readOld]  Error reading material name!"));
        QCOMPARE(input.status(), InputStatus::InvalidMaterial);
        QCOMPARE(input.layerCount(), 1); // appended as soon as it was read
    }
    {
        // unknown lines of the construction block are skipped
        InputData input;
        std::istringstream in(bytes("COMMENT alt\nLAYER_DEFINITION {\nWidth 1 dm\n"
                                    "MATERIAL_DEFINITION {\n" +
                                    GoodMaterial + "}\n}\n"));
        QVERIFY2(LegacyFormat::readConstructionOld(in, "1.3", input, message), qPrintable(message));
        QCOMPARE(input.layerCount(), 1);
        M2_COMPARE_REL(input.layer(0).m_width, 0.1, 1e-15);
    }
}

void tst_LegacyFormats::documentErrors_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QByteArray() << "[Document::readOld]  Keyword 'FileVersion' missing!";
    QTest::newRow("no version line")
        << QByteArray("DOCUMENT {\n}\n") << "[Document::readOld]  Keyword 'FileVersion' missing!";
    QTest::newRow("no document") << QByteArray("FileVersion 1.3\nSTRUCTURE {\n}\n")
                                 << ProjectPrefix + "Block start '{' missing!";
    QTest::newRow("document without brace") << QByteArray("FileVersion 1.3\nDOCUMENT\n}\n")
                                            << ProjectPrefix + "Block start '{' missing!";
    QTest::newRow("climate list without brace")
        << minimalProject("CLIMATE_LIST\n")
        << ProjectPrefix + "Block start '{' missing for climatelist!";
    QTest::newRow("structure without brace")
        << minimalProject("STRUCTURE [\n")
        << ProjectPrefix + "Block start '{' missing for wall data!";
    QTest::newRow("remarks without brace")
        << minimalProject("Remarks\n") << ProjectPrefix + "Block start '{' missing for remarks!";
    QTest::newRow("RO_Left") << minimalProject("RO_Left 0.04\n")
                             << ProjectPrefix + "Error reading parameter 'RO_Left'!";
    QTest::newRow("RO_Right:") << minimalProject("RO_Right: x m2K/W\n")
                               << ProjectPrefix + "Error reading parameter 'RO_Right'!";
    QTest::newRow("RO_Right unit")
        << minimalProject("RO_Right 0.13 W/m2K\n")
        << ProjectPrefix +
               "Error reading parameter 'RO_Right'!\nCan't relate unit [W/m2K] to [m2K/W]!\n"
               "Error converting unit in parameter 'RO_Right'.";
    QTest::newRow("wintertime") << minimalProject("wintertime 90\n")
                                << ProjectPrefix + "Error reading parameter 'wintertime'!";
    QTest::newRow("summertime") << minimalProject("summertime\n")
                                << ProjectPrefix + "Error reading parameter 'summertime'!";
    QTest::newRow("Project_name") << minimalProject("Project_name\n")
                                  << ProjectPrefix + "Error reading parameter 'Project_name'!";
    QTest::newRow("Construction") << minimalProject("Construction\n")
                                  << ProjectPrefix + "Error reading parameter 'Construction'!";
    QTest::newRow("Consultant") << minimalProject("Consultant\n")
                                << ProjectPrefix + "Error reading parameter 'Consultant'!";
    QTest::newRow("Project_work") << minimalProject("Project_work\n")
                                  << ProjectPrefix + "Error reading parameter 'Project_work'!";
    QTest::newRow("invalid keyword")
        << minimalProject("Heizperiode 200 d\n")
        << ProjectPrefix + "Invalid keyword 'Heizperiode' in project file!";
    QTest::newRow("climate message passed on")
        << minimalProject(climateList(3))
        << ProjectPrefix + "[InputData::readClimateOld]  Four climate conditions are required!";
    QTest::newRow("document not closed")
        << QByteArray("FileVersion 1.3\nDOCUMENT {\n") << ProjectPrefix + "Block end '}' missing!";
}

void tst_LegacyFormats::documentErrors()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    InputData input;
    ProjectInformation info;
    QString text;
    QVERIFY(!readProject(file, input, info, text));
    QCOMPARE(text, message);
}

void tst_LegacyFormats::emptyProjectTextIsAllowed()
{
    // "Project_name " has a separator and an empty value: an unnamed project, not an error
    InputData input;
    ProjectInformation info;
    info.m_projectName = QStringLiteral("old");
    QString message;
    QVERIFY2(readProject(minimalProject("Project_name \n"), input, info, message),
             qPrintable(message));
    QCOMPARE(info.m_projectName, QString());
}

void tst_LegacyFormats::truncatedAtEveryOffset()
{
    // Every prefix that ends before the closing "}" of the document fails with the reader's
    // message; the rest are complete files.
    for (const char *name : {"project_v13_crlf.mpj", "project_v12_cr.mpj"}) {
        const QByteArray full = legacyFile(name);
        const int end = full.lastIndexOf('}');
        QVERIFY(end > 0);
        for (int n = 0; n < full.size(); ++n) {
            InputData input;
            ProjectInformation info;
            QString message;
            const bool ok = readProject(full.left(n), input, info, message);
            if (n <= end) {
                QVERIFY2(!ok, qPrintable(QStringLiteral("%1 bytes of %2").arg(n).arg(name)));
                QVERIFY2(message.startsWith(ProjectPrefix) ||
                             message == "[Document::readOld]  Keyword 'FileVersion' missing!",
                         qPrintable(message));
                if (message.startsWith(ProjectPrefix))
                    QVERIFY(message.size() > ProjectPrefix.size());
            } else {
                QVERIFY2(ok, qPrintable(message));
            }
        }
    }
}

void tst_LegacyFormats::missingClosingBrace_data()
{
    QTest::addColumn<QByteArray>("lineBefore");
    QTest::addColumn<QString>("message");
    // The first material block without its "}" ends at the layer's brace; the layer then meets
    // the next layer's keyword.
    QTest::newRow("first material") << QByteArray("Flags 0 0 0\n")
                                    << ProjectPrefix + "[MaterialLayer::readOld]  Invalid keyword!";
    // The last one swallows the braces of all blocks around it, so the document ends without
    // its own.
    QTest::newRow("last material")
        << QByteArray("Quelle Hersteller\n") << ProjectPrefix + "Block end '}' missing!";
    QTest::newRow("last climate definition")
        << QByteArray("RelHum 70 %\n    }\n  }\n")
        << ProjectPrefix + "[InputData::readClimateOld]  Invalid keyword 'STRUCTURE'";
}

void tst_LegacyFormats::missingClosingBrace()
{
    QFETCH(QByteArray, lineBefore);
    QFETCH(QString, message);
    QByteArray data = legacyFile("project_v13_lf.txt");
    const int at = data.indexOf(lineBefore);
    QVERIFY(at > 0);
    const int brace = data.indexOf('}', at);
    data.remove(brace, 1);
    InputData input;
    ProjectInformation info;
    QString text;
    QVERIFY(!readProject(data, input, info, text));
    QCOMPARE(text, message);
}

void tst_LegacyFormats::hugeRemarksCount()
{
    // a count of almost 4 GiB over a few bytes: skipped to the end of the data, nothing
    // allocated, and reported
    for (const QByteArray &count : {QByteArray("\xF0\xFF\xFF\xFF", 4),
                                    QByteArray("\x00\x00\x00\x80", 4), QByteArray("\x41\x42", 2)}) {
        const QByteArray data = "FileVersion 1.3\nDOCUMENT {\nRemarks {\n" + count + "abc\n}\n";
        InputData input;
        ProjectInformation info;
        QString message;
        QVERIFY(!readProject(data, input, info, message));
        QCOMPARE(message, ProjectPrefix + "Unexpected end of file in remarks!");
    }
    // a count that fits: the bytes are skipped, even when they hold keyword text and braces
    const QByteArray payload = "}\nSTRUCTURE {\n";
    QByteArray data = "FileVersion 1.3\nDOCUMENT {\nRemarks {\n";
    data += char(payload.size());
    data += QByteArray(3, '\0');
    data += payload + "Consultant Meier\n}\n";
    InputData input;
    ProjectInformation info;
    QString message;
    QVERIFY2(readProject(data, input, info, message), qPrintable(message));
    QCOMPARE(info.m_userName, QStringLiteral("Meier"));
}

void tst_LegacyFormats::remarksAreBinary_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<QByteArray>("payload");
    // A count byte 13 or 10, and remarks text with line breaks of every kind: the bytes are
    // counted as they stand in the file, not after line-end translation.
    for (const QByteArray &lineEnd : {QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r")}) {
        const QByteArray name = lineEnd == "\r\n" ? "CR LF" : lineEnd == "\n" ? "LF" : "CR";
        QTest::newRow(name + ", 13 bytes") << lineEnd << QByteArray("thirteen byte");
        QTest::newRow(name + ", 10 bytes") << lineEnd << QByteArray("ten bytes!");
        QTest::newRow(name + ", line breaks") << lineEnd << QByteArray("a\r\nb\n\rc\r\rd\n\n}\n");
    }
}

void tst_LegacyFormats::remarksAreBinary()
{
    QFETCH(QByteArray, lineEnd);
    QFETCH(QByteArray, payload);
    QByteArray data = "FileVersion 1.3" + lineEnd + "DOCUMENT {" + lineEnd + "Remarks {" + lineEnd;
    const std::uint32_t n = std::uint32_t(payload.size());
    data += char(n & 0xFF);
    data += char(n >> 8 & 0xFF);
    data += char(n >> 16 & 0xFF);
    data += char(n >> 24 & 0xFF);
    data += payload + "Consultant Meier" + lineEnd + "}" + lineEnd;
    InputData input;
    ProjectInformation info;
    QString message;
    QVERIFY2(readProject(data, input, info, message), qPrintable(message));
    QCOMPARE(info.m_userName, QStringLiteral("Meier"));
}

void tst_LegacyFormats::randomBytes()
{
    QRandomGenerator random(4711);
    const QByteArray header = "FileVersion 1.3\r\nDOCUMENT {\r\n";
    for (int i = 0; i < 300; ++i) {
        QByteArray data(int(random.bounded(4096)), Qt::Uninitialized);
        for (char &c : data)
            c = char(random.bounded(256));
        if (i % 2 == 1)
            data.prepend(header);
        InputData input;
        ProjectInformation info;
        QString message;
        const bool ok = readProject(data, input, info, message);
        if (!ok)
            QVERIFY(!message.isEmpty());
        if (i % 2 == 0)
            QVERIFY(!ok);
    }
}

void tst_LegacyFormats::mutatedFiles()
{
    // single damaged bytes anywhere in a valid file: a result or a message, never a crash
    const QByteArray full = legacyFile("project_v13_crlf.mpj");
    QRandomGenerator random(815);
    int failures = 0;
    for (int i = 0; i < 2000; ++i) {
        QByteArray data = full;
        const int changes = 1 + int(random.bounded(4));
        for (int k = 0; k < changes; ++k)
            data[int(random.bounded(data.size()))] = char(random.bounded(256));
        InputData input;
        ProjectInformation info;
        QString message;
        if (!readProject(data, input, info, message)) {
            QVERIFY(!message.isEmpty());
            ++failures;
        }
    }
    QVERIFY(failures > 0);
}

void tst_LegacyFormats::longBinaryFileWithoutLineEnds()
{
    // 8 MiB without a line end: read with a bounded line, rejected at its first word
    QTemporaryDir dir;
    const QString name = dir.filePath("blob.mpj");
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray chunk(1024 * 1024, 'x');
    for (int i = 0; i < 8; ++i)
        file.write(chunk);
    file.close();
    InputData input;
    ProjectInformation info;
    QString message;
    QVERIFY(!Document(input, info).readOld(name, message));
    QCOMPARE(message, QStringLiteral("[Document::readOld]  Keyword 'FileVersion' missing!"));

    // a header, then an endless line inside the document: cut at the cap, an invalid keyword
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("FileVersion 1.3\nDOCUMENT {\n");
    for (int i = 0; i < 8; ++i)
        file.write(chunk);
    file.close();
    QVERIFY(!Document(input, info).readOld(name, message));
    QVERIFY2(message.startsWith(QStringLiteral("[Document::readOld]  Error reading project file "
                                               "'%1'\nInvalid keyword 'xxx")
                                    .arg(name)),
             qPrintable(message.left(200)));
    QVERIFY(message.size() < 70 * 1024);
}

void tst_LegacyFormats::surfaceResistancesForBothPeriods_data()
{
    QTest::addColumn<QByteArray>("climate");
    QTest::addColumn<QByteArray>("resistances");
    QTest::addColumn<int>("condition");
    const QByteArray din2001 = "CLIMATE_LIST {\n"
                               "CLIMATE_DEFINITION {\nTemperatur 20 C\nRelHum 50 %\n}\n"
                               "CLIMATE_DEFINITION {\nTemperatur 12 C\nRelHum 70 %\n}\n"
                               "CLIMATE_DEFINITION {\nTemperatur -10 C\nRelHum 80 %\n}\n"
                               "CLIMATE_DEFINITION {\nTemperatur 12 C\nRelHum 70 %\n}\n"
                               "}\n"
                               "wintertime 90 d\nsummertime 90 d\n";
    // the resistances before or after the climate: the summer periods follow either way
    QTest::newRow("DIN 4108-3 2001, resistances after the climate")
        << din2001 << QByteArray("RO_Left 0.04 m2K/W\nRO_Right 0.13 m2K/W\n")
        << int(Climate::AC_DIN4108_2001);
    QTest::newRow("DIN 4108-3 2001, resistances before the climate")
        << QByteArray("RO_Left: 0.04 m2K/W\nRO_Right: 0.13 m2K/W\n" + din2001) << QByteArray()
        << int(Climate::AC_DIN4108_2001);
    QTest::newRow("custom summer climate")
        << QByteArray(din2001).replace("Temperatur 12 C\nRelHum 70 %\n}\nCLIMATE_DEFINITION {\n"
                                       "Temperatur -10",
                                       "Temperatur 15 C\nRelHum 70 %\n}\nCLIMATE_DEFINITION {\n"
                                       "Temperatur -10")
        << QByteArray("RO_Left 0.04 m2K/W\nRO_Right 0.13 m2K/W\n") << int(Climate::AC_Custom);
}

void tst_LegacyFormats::surfaceResistancesForBothPeriods()
{
    // The old files give one surface resistance per side. The summer periods must use the same
    // ones, as after reading the XML form (which stores only the winter values); otherwise the
    // record is recognised differently once the project is saved and opened again.
    QFETCH(QByteArray, climate);
    QFETCH(QByteArray, resistances);
    QFETCH(int, condition);
    const QByteArray text = minimalProject(climate + resistances +
                                           "STRUCTURE {\nLAYER_DEFINITION {\nWidth 24 cm\n"
                                           "MATERIAL_DEFINITION {\n" +
                                           GoodMaterial + "}\n}\n");
    QTemporaryDir dir;
    const QString name = dir.filePath("din.mpj");
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();

    Project project;
    QString message;
    QVERIFY2(project.load(name, &message), qPrintable(message));
    const Climate &c = project.inputData().climate();
    QCOMPARE(c.insideWinter().m_Rs, 0.13);
    QCOMPARE(c.outsideWinter().m_Rs, 0.04);
    QCOMPARE(c.insideSummer().m_Rs, c.insideWinter().m_Rs);
    QCOMPARE(c.outsideSummer().m_Rs, c.outsideWinter().m_Rs);
    QCOMPARE(c.assessmentCondition(), condition);
    QCOMPARE(c.recogniseAssessmentCondition(), condition);

    QVERIFY2(project.save(dir.filePath("din.m2p"), &message), qPrintable(message));
    Project reopened;
    QVERIFY2(reopened.load(dir.filePath("din.m2p"), &message), qPrintable(message));
    QCOMPARE(reopened.inputData().climate().assessmentCondition(), condition);
    QVERIFY(reopened.inputData() == project.inputData());
}

void tst_LegacyFormats::controlCharactersReplaced()
{
    // Control characters that XML 1.0 cannot hold would vanish from the saved project without
    // a word: they become U+FFFD, which stays visible, and the load says so. Tabs are kept.
    const QByteArray text =
        minimalProject("Project_name Wand\x01Nord\nConstruction AW\t1\n" + climateList(4) +
                       "STRUCTURE {\nLAYER_DEFINITION {\nWidth 24 cm\nMATERIAL_DEFINITION {\n" +
                       QByteArray(GoodMaterial)
                           .replace("Name Vollziegel", "Name Voll\x1Bziegel")
                           .replace("}\n", "Anmerkungen a\x07"
                                           "b\x1F\n}\n") +
                       "}\n}\n");
    QTemporaryDir dir;
    const QString name = dir.filePath("controls.mpj");
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();

    const QChar r = QChar::ReplacementCharacter;
    Project project;
    QString message;
    QStringList notes;
    QVERIFY2(project.load(name, &message, &notes), qPrintable(message));
    QCOMPARE(notes, QStringList{"Control characters in texts were replaced by U+FFFD."});
    QCOMPARE(project.projectInformation().m_projectName, QStringLiteral("Wand") + r + "Nord");
    QCOMPARE(project.projectInformation().m_constructionID, QStringLiteral("AW\t1"));
    QCOMPARE(project.inputData().layer(0).m_name, QStringLiteral("Voll") + r + "ziegel");
    QCOMPARE(project.inputData().layer(0).m_notes, QStringLiteral("a") + r + "b" + r);

    // the replaced texts survive saving
    QVERIFY2(project.save(dir.filePath("controls.m2p"), &message), qPrintable(message));
    Project reopened;
    notes.clear();
    QVERIFY2(reopened.load(dir.filePath("controls.m2p"), &message, &notes), qPrintable(message));
    QVERIFY(notes.isEmpty());
    QCOMPARE(reopened.projectInformation(), project.projectInformation());
    QVERIFY(reopened.inputData() == project.inputData());

    // a file without control characters loads without a note
    QVERIFY2(project.load(TestSupport::dataFile("legacy/project_v13_crlf.mpj"), &message, &notes),
             qPrintable(message));
    QVERIFY(notes.isEmpty());
}

void tst_LegacyFormats::oversizedFileRefusedAtOnce_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<qint64>("size");
    QTest::newRow("mpj, 2 GB") << "big.mpj" << qint64(2) * 1024 * 1024 * 1024;
    QTest::newRow("txt through the keyword fallback, 2 GB")
        << "big.txt" << qint64(2) * 1024 * 1024 * 1024;
    QTest::newRow("mpj, one byte above the limit") << "limit.mpj" << Document::MaxFileSize + 1;
}

void tst_LegacyFormats::oversizedFileRefusedAtOnce()
{
    // A sparse file: it takes no disk space, but read line by line it kept the user waiting
    // for half a minute before it was refused.
    QFETCH(QString, fileName);
    QFETCH(qint64, size);
    QTemporaryDir dir;
    const QString name = dir.filePath(fileName);
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("FileVersion 1.3\nDOCUMENT {\n");
    if (!file.resize(size))
        QSKIP("the file system cannot hold a sparse file of this size");
    file.close();

    QElapsedTimer timer;
    timer.start();
    Project project;
    QString message;
    QVERIFY(!project.load(name, &message));
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(message, QStringLiteral("Error reading file as MIRELO 1 version.\n"
                                     "[Document::readOld]  Error reading project file '%1'\n"
                                     "The file holds %2 bytes; project files of the old format "
                                     "are read up to 64 MB.")
                          .arg(name)
                          .arg(size));
}

M2_TEST_GUILESS_MAIN(tst_LegacyFormats)
#include "tst_LegacyFormats.moc"
