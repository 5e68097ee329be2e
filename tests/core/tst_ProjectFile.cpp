// The project file: number format, writer layout, reader rules and error texts, robustness
// against damaged files, atomic saving, and every reference case loaded through the reader.

#include "ReferenceCase.h"
#include "TestSupport.h"

#include "document/Project.h"
#include "persistence/AtomicFile.h"
#include "persistence/ProjectFile.h"
#include "persistence/ProjectFileHelpers.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString examplesDir()
{
    // the examples ship with the program, in resources/examples of the source tree
    return QDir::cleanPath(TestSupport::dataDir() + QStringLiteral("/../../resources/examples"));
}

QStringList exampleFiles()
{
    QStringList files;
    const QDir dir(examplesDir());
    for (const QString &f : dir.entryList({QStringLiteral("*.m2p")}, QDir::Files, QDir::Name))
        files << dir.filePath(f);
    return files;
}

QByteArray readAll(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool writeFile(const QString &fileName, const QByteArray &content)
{
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(content) == content.size();
}

const char *const BrickMaterial =
    R"(<Material name="Brick" materialId="1010" cat="2" rho="1800" lambda="0.81" mu="10" )"
    R"(mu_min="10" mu_max="10" w_80="0.0031" w_sat="0.188" m_Aw="0.18" sd_value="0" )"
    R"(color="190 90 60" isAir="0" isWood="0" isWoodbased="0" isFoil="0"/>)";

/*! A small project document; the parts can be replaced by each test. */
struct ProjectText
{
    QString root = QStringLiteral("MireloProject");
    QString version = QStringLiteral("2.0");
    QString layers;
    QString interior =
        QStringLiteral(R"(T_i="20" rh_i="50" alpha_i="4" T_i_summer="14.942908645415073" )"
                       R"(rh_i_summer="70.58823529411765")");
    QString exterior =
        QStringLiteral(R"(T_e="-5" rh_e="80" alpha_e="25" T_e_summer="14.942908645415073" )"
                       R"(rh_e_summer="70.58823529411765")");
    QString options = QStringLiteral(R"(tT="90" tT_summer="90")");
    QString info = QStringLiteral("<ProjectName>Test</ProjectName>");

    static QString layer(int index, const QString &d, const QString &material)
    {
        return QStringLiteral(R"(<Layer index="%1" d="%2">%3</Layer>)").arg(index).arg(d, material);
    }
    static QString material(const QString &name, const QString &color = "190 90 60")
    {
        return QString::fromLatin1(BrickMaterial)
            .replace(QLatin1String("name=\"Brick\""), QStringLiteral("name=\"%1\"").arg(name))
            .replace(QLatin1String("190 90 60"), color);
    }

    QByteArray toXml() const
    {
        QString t = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                   "<!DOCTYPE MireloProject>\n");
        t += QStringLiteral("<%1 version=\"%2\"><InputData><Construction>").arg(root, version);
        t += layers.isNull() ? layer(0, "0.2", material("Brick")) : layers;
        t += QStringLiteral("</Construction><Climate><Interior %1/><Exterior %2/></Climate>")
                 .arg(interior, exterior);
        t += QStringLiteral("<Options %1/></InputData>").arg(options);
        t += QStringLiteral("<ProjectInformation>%1</ProjectInformation></%2>\n").arg(info, root);
        return t.toUtf8();
    }
};

/*! The reference files were written by an independent program that prints whole numbers as
    "1600.0" and 1e8 as "100000000.0"; the same values in this program's shortest general
    format are "1600" and "1e+08". Rewrites every number attribute of the text in that format
    and leaves everything else (declaration, document type, root, layout, texts) as it is. */
QByteArray withOurNumberFormat(const QByteArray &text)
{
    static const QStringList textAttributes = {"name",  "productName", "producer", "dataSource",
                                               "notes", "color",       "version"};
    static const QRegularExpression attribute(QStringLiteral(R"(( ([A-Za-z_0-9]+)=")([^"]*)("))"));
    QString s = QString::fromUtf8(text);
    QString out;
    int last = 0;
    QRegularExpressionMatchIterator it = attribute.globalMatch(s);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        bool ok = false;
        const double value = m.captured(3).toDouble(&ok);
        out += s.mid(last, m.capturedStart(3) - last);
        out += ok && !textAttributes.contains(m.captured(2)) ? XMLHelpers::formatDouble(value)
                                                             : m.captured(3);
        last = m.capturedEnd(3);
    }
    out += s.mid(last);
    return out.toUtf8();
}

Material testMaterial(const QString &name, double lambda, double mu)
{
    Material m;
    m.m_name = name;
    m.m_category = 6;
    m.m_notes = QStringLiteral("notes with <markup> & \"quotes\"");
    m.m_productName = QStringLiteral("Produkt äöü");
    m.m_producer = QStringLiteral("Producer");
    m.m_dataSource = QStringLiteral("measured");
    m.m_rho = 0.1 + 0.2; // not representable in a few digits
    m.m_lambda = lambda;
    m.m_mu = mu;
    m.m_mu_min = mu / 3;
    m.m_mu_max = mu * M_PI;
    m.m_w_80 = 1.0 / 3.0 / 100;
    m.m_w_sat = 0.4123456789012345;
    m.m_A_w = 1e-7 / 3;
    m.m_color = QColor(12, 34, 56);
    m.m_materialId = 1234;
    return m;
}

} // namespace

class tst_ProjectFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void formatDouble_data();
    void formatDouble();
    void formatDoubleShortestRoundTrip();

    void examplesWrittenUnchanged_data();
    void examplesWrittenUnchanged();
    void roundTrip();
    void sevenDigitValuesSurvive();
    void decision11SummerSurfaceResistances();

    void layerOrderByIndex();
    void duplicateIndices();
    void roots_data();
    void roots();
    void color_data();
    void color();
    void invalidNumberAttribute();
    void readerErrorsSayWhere_data();
    void readerErrorsSayWhere();
    void climateOutOfRange();
    void zeroHeatTransferCoefficient();
    void invalidPeriods();
    void unknownElementsSkipped();
    void missingWidthAndMaterial();
    void layerWithoutMaterialKeepsItsLook();
    void projectInformationKeepsValues();
    void noLayers();
    void missingFile();
    void directoryIsNoProjectFile();
    void keywordTextFallback();
    void truncatedFiles();
    void garbage_data();
    void garbage();

    void saveIntoImpossibleDirectory();
    void saveIntoReadOnlyDirectory();
    void nonFiniteNumbersRefused_data();
    void nonFiniteNumbersRefused();
    void outOfBoundsValuesAreInputFaults_data();
    void outOfBoundsValuesAreInputFaults();
    void crowdedElementRefused();
    void longTextsAreCut();
    void saveOverSpecialFileRefused_data();
    void saveOverSpecialFileRefused();
    void failedSaveKeepsOldFile();
    void writeFailureGivesSystemReason();

    void referenceCases_data();
    void referenceCases();

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    /*! Writes text to a file of the temporary directory and loads it into project. */
    bool load(Project &project, const QByteArray &text, QString *message,
              const QString &name = QStringLiteral("test.m2p"));
};

void tst_ProjectFile::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    QVERIFY2(exampleFiles().size() >= 4, qPrintable(examplesDir()));
}

bool tst_ProjectFile::load(Project &project, const QByteArray &text, QString *message,
                           const QString &name)
{
    if (!writeFile(path(name), text))
        return false;
    return project.load(path(name), message);
}

void tst_ProjectFile::formatDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    // values whose shortest decimal form is known independently
    QTest::newRow("0.175") << 0.175 << "0.175";
    QTest::newRow("1e-05") << 1e-5 << "1e-05";
    QTest::newRow("20") << 20.0 << "20";
    QTest::newRow("0.0001") << 0.0001 << "0.0001";
    QTest::newRow("1600") << 1600.0 << "1600";
    QTest::newRow("0.1+0.2") << 0.1 + 0.2 << "0.30000000000000004";
    QTest::newRow("1/3") << 1.0 / 3.0 << "0.3333333333333333";
    QTest::newRow("negative") << -12.5 << "-12.5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("large") << 1e20 << "1e+20";
    QTest::newRow("max") << std::numeric_limits<double>::max() << "1.7976931348623157e+308";
    QTest::newRow("denormal") << 5e-324 << "5e-324";
    QTest::newRow("inf") << std::numeric_limits<double>::infinity() << "inf";
    QTest::newRow("-inf") << -std::numeric_limits<double>::infinity() << "-inf";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "nan";
}

void tst_ProjectFile::formatDouble()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(XMLHelpers::formatDouble(value), text);
}

void tst_ProjectFile::formatDoubleShortestRoundTrip()
{
    // Random bit patterns cover every exponent: each text must read back to the identical
    // double, and one significant digit fewer must not.
    QRandomGenerator rng(20240611);
    int checked = 0;
    for (int i = 0; i < 20000; ++i) {
        quint64 bits = rng.generate64();
        double x;
        std::memcpy(&x, &bits, sizeof x);
        if (!std::isfinite(x))
            continue;
        const QString text = XMLHelpers::formatDouble(x);
        bool ok = false;
        const double back = text.toDouble(&ok);
        QVERIFY2(ok && back == x, qPrintable(text));
        QString mantissa = text.section(QLatin1Char('e'), 0, 0);
        mantissa.remove(QLatin1Char('-')).remove(QLatin1Char('.'));
        while (mantissa.startsWith(QLatin1Char('0')))
            mantissa.remove(0, 1);
        const int digits = mantissa.size();
        if (digits > 1) {
            const double shorter = QString::number(x, 'g', digits - 1).toDouble();
            QVERIFY2(shorter != x, qPrintable(text + " is not the shortest form"));
        }
        ++checked;
    }
    QVERIFY(checked > 19000);
}

void tst_ProjectFile::examplesWrittenUnchanged_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &f : exampleFiles())
        QTest::newRow(qPrintable(QFileInfo(f).fileName())) << f;
}

void tst_ProjectFile::examplesWrittenUnchanged()
{
    // The examples were written independently in the documented layout (declaration, document
    // type, four-blank indentation, attribute order, shortest numbers): reading and writing
    // them again must reproduce every byte.
    QFETCH(QString, file);
    Project project;
    QString message;
    QVERIFY2(project.load(file, &message), qPrintable(message));
    QCOMPARE(project.inputData().status(), InputStatus::Valid);
    const QString out = path("rewritten.m2p");
    QVERIFY(project.save(out, &message));
    const QStringList written = QString::fromUtf8(readAll(out)).split(QLatin1Char('\n'));
    const QStringList original = QString::fromUtf8(readAll(file)).split(QLatin1Char('\n'));
    for (int i = 0; i < std::min(written.size(), original.size()); ++i)
        QCOMPARE(written[i], original[i]);
    QCOMPARE(written.size(), original.size());
}

void tst_ProjectFile::roundTrip()
{
    InputData input;
    input.insertLayer(0, MaterialLayer(testMaterial("Board", 0.13 + 1e-17, 50.0 / 7), 0.0125));
    Material air = testMaterial("Air", 0.025, 1);
    air.setFlags(true, false, false, false);
    input.insertLayer(1, MaterialLayer(air, 0.04 / 3));
    Material foil = testMaterial("Foil", 0.22, 10000);
    foil.m_sd_value = 2.0 / 3.0;
    foil.setFlags(false, false, false, true);
    input.insertLayer(2, MaterialLayer(foil, 0.1));
    Material wood = testMaterial("Wood", 0.13, 50);
    wood.setFlags(false, true, true, false);
    input.insertLayer(3, MaterialLayer(wood, 0.16 + 1.0 / 7));
    input.climate().setValue(Climate::Inside, Climate::Winter, Climate::Q_T, 21.123456789);
    input.climate().setValue(Climate::Outside, Climate::Winter, Climate::Q_rh, 83.3333333333);
    // the editors set a surface resistance for both periods; the file stores the winter one
    input.climate().setValue(Climate::Inside, Climate::Both, Climate::Q_Rs, 0.13);
    input.climate().setValue(Climate::Outside, Climate::Both, Climate::Q_Rs, 0.07);
    input.climate().setTT(61.5);
    ProjectInformation info;
    info.m_projectName = QStringLiteral("Round trip <&>");
    info.m_constructionID = QStringLiteral("ID-1");
    info.m_userName = QStringLiteral("Üser");
    info.m_company = QStringLiteral("Company");
    info.m_description = QStringLiteral("Line one\nline two");
    info.m_disclaimerText = QStringLiteral("Disclaimer");
    info.m_heatFlowDirection = HeatFlowDirection::Upwards;
    Project project;
    project.createNew(input, info);
    const InputData before = project.inputData();
    const CalculationResults resultsBefore = project.results();
    QCOMPARE(before.status(), InputStatus::Valid);

    QString message;
    QVERIFY2(project.save(path("round.m2p"), &message), qPrintable(message));

    Project reopened;
    QVERIFY2(reopened.load(path("round.m2p"), &message), qPrintable(message));
    QVERIFY(reopened.inputData() == before);
    QCOMPARE(reopened.projectInformation(), info);
    for (int i = 0; i < before.layerCount(); ++i) {
        const MaterialLayer &a = reopened.inputData().layer(i);
        const MaterialLayer &b = before.layer(i);
        // fields outside the equality operator that the file also stores
        QCOMPARE(a.m_sd_value, b.m_sd_value);
        QCOMPARE(a.m_materialId, b.m_materialId);
        QCOMPARE(a.m_flags, b.m_flags);
        QCOMPARE(a.m_width, b.m_width);
    }
    QCOMPARE(reopened.inputData().climate().insideWinter().m_T, 21.123456789);
    QCOMPARE(reopened.inputData().climate().tT(), 61.5);
    QVERIFY(reopened.results() == resultsBefore);

    // a second save of the reopened project writes the identical file
    QVERIFY(reopened.save(path("round2.m2p"), &message));
    QCOMPARE(readAll(path("round2.m2p")), readAll(path("round.m2p")));
}

void tst_ProjectFile::sevenDigitValuesSurvive()
{
    // Six significant digits used to change 0.1234567 into 0.123457 on every save.
    ProjectText t;
    t.layers =
        ProjectText::layer(0, "0.1234567", ProjectText::material("Brick"))
            .replace(QLatin1String("lambda=\"0.81\""), QLatin1String("lambda=\"0.8123456\""));
    Project project;
    QString message;
    QVERIFY(load(project, t.toXml(), &message));
    QVERIFY(project.save(path("seven.m2p"), &message));
    Project again;
    QVERIFY(again.load(path("seven.m2p"), &message));
    QCOMPARE(again.inputData().layer(0).m_width, 0.1234567);
    QCOMPARE(again.inputData().layer(0).m_lambda, 0.8123456);
    QVERIFY(readAll(path("seven.m2p")).contains("d=\"0.1234567\""));
}

void tst_ProjectFile::decision11SummerSurfaceResistances()
{
    // A DIN 4108-3 (2014) record: the file holds only the winter resistances; after reading,
    // the summer ones equal them and the record is recognised as that condition again.
    Project project;
    project.createNew();
    QVERIFY(project.insertLayer(0, MaterialLayer(testMaterial("Board", 0.2, 10), 0.1)));
    QCOMPARE(project.inputData().climate().assessmentCondition(), int(Climate::AC_DIN4108_2014));
    QString message;
    QVERIFY(project.save(path("din.m2p"), &message));
    Project reopened;
    QVERIFY(reopened.load(path("din.m2p"), &message));
    const Climate &c = reopened.inputData().climate();
    QCOMPARE(c.insideSummer().m_Rs, c.insideWinter().m_Rs);
    QCOMPARE(c.outsideSummer().m_Rs, c.outsideWinter().m_Rs);
    QCOMPARE(c.assessmentCondition(), int(Climate::AC_DIN4108_2014));
    QCOMPARE(c.recogniseAssessmentCondition(), int(Climate::AC_DIN4108_2014));

    // custom surface resistances are stored and the summer ones follow them
    ProjectText t;
    t.interior.replace(QLatin1String("alpha_i=\"4\""), QLatin1String("alpha_i=\"8\""));
    Project custom;
    QVERIFY(load(custom, t.toXml(), &message));
    QCOMPARE(custom.inputData().climate().insideWinter().m_Rs, 0.125);
    QCOMPARE(custom.inputData().climate().insideSummer().m_Rs, 0.125);
    QCOMPARE(custom.inputData().climate().assessmentCondition(), int(Climate::AC_Custom));
}

void tst_ProjectFile::layerOrderByIndex()
{
    ProjectText t;
    t.layers = ProjectText::layer(2, "0.3", ProjectText::material("C")) +
               ProjectText::layer(0, "0.1", ProjectText::material("A")) +
               ProjectText::layer(1, "0.2", ProjectText::material("B"));
    Project project;
    QString message;
    QVERIFY2(load(project, t.toXml(), &message), qPrintable(message));
    const InputData &in = project.inputData();
    QCOMPARE(in.layerCount(), 3);
    QCOMPARE(in.layer(0).m_name, QStringLiteral("A"));
    QCOMPARE(in.layer(1).m_name, QStringLiteral("B"));
    QCOMPARE(in.layer(2).m_name, QStringLiteral("C"));
    QCOMPARE(in.layer(0).m_width, 0.1);
    QCOMPARE(in.layer(2).m_width, 0.3);
}

void tst_ProjectFile::duplicateIndices()
{
    // same index: ordered by material name; same index and name: the later one is dropped;
    // a missing index counts as 0
    ProjectText t;
    t.layers = ProjectText::layer(1, "0.3", ProjectText::material("Zeta")) +
               ProjectText::layer(1, "0.2", ProjectText::material("Alpha")) +
               ProjectText::layer(1, "0.9", ProjectText::material("Zeta")) +
               QStringLiteral(R"(<Layer d="0.05">%1</Layer>)").arg(ProjectText::material("First"));
    Project project;
    QString message;
    QVERIFY2(load(project, t.toXml(), &message), qPrintable(message));
    const InputData &in = project.inputData();
    QCOMPARE(in.layerCount(), 3);
    QCOMPARE(in.layer(0).m_name, QStringLiteral("First"));
    QCOMPARE(in.layer(1).m_name, QStringLiteral("Alpha"));
    QCOMPARE(in.layer(2).m_name, QStringLiteral("Zeta"));
    QCOMPARE(in.layer(2).m_width, 0.3);
}

void tst_ProjectFile::roots_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("MireloProject 2.0") << "MireloProject"
                                       << "2.0" << true;
    QTest::newRow("QuallixProject 1.0") << "QuallixProject"
                                        << "1.0" << true;
    QTest::newRow("MireloProject 2.1") << "MireloProject"
                                       << "2.1" << false;
    QTest::newRow("MireloProject 1.0") << "MireloProject"
                                       << "1.0" << false;
    QTest::newRow("QuallixProject 2.0") << "QuallixProject"
                                        << "2.0" << false;
    QTest::newRow("other root") << "Project"
                                << "2.0" << false;
    QTest::newRow("lower case") << "mireloproject"
                                << "2.0" << false;
}

void tst_ProjectFile::roots()
{
    QFETCH(QString, root);
    QFETCH(QString, version);
    QFETCH(bool, accepted);
    ProjectText t;
    t.root = root;
    t.version = version;
    Project project;
    QString message;
    QCOMPARE(load(project, t.toXml(), &message), accepted);
    if (accepted) {
        QCOMPARE(project.inputData().layerCount(), 1);
        QCOMPARE(project.projectInformation().m_projectName, QStringLiteral("Test"));
    } else {
        QCOMPARE(message, QStringLiteral("File is not a Mirelo 2.0 project file."));
    }
}

void tst_ProjectFile::color_data()
{
    QTest::addColumn<QString>("color");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("three") << "10 20 30" << true << QColor(10, 20, 30);
    QTest::newRow("two blanks") << "10  20 30" << true << QColor(10, 20, 30);
    QTest::newRow("leading and trailing blanks") << " 10 20 30 " << true << QColor(10, 20, 30);
    QTest::newRow("two numbers") << "10 20" << false << QColor();
    QTest::newRow("four numbers") << "10 20 30 40" << false << QColor();
    QTest::newRow("not a number") << "10 green 30" << false << QColor();
    QTest::newRow("decimal") << "10 20.5 30" << false << QColor();
    QTest::newRow("hex") << "#102030" << false << QColor();
    QTest::newRow("empty") << "" << false << QColor();
    QTest::newRow("above 255") << "10 300 30" << false << QColor();
    QTest::newRow("negative") << "10 -1 30" << false << QColor();
}

void tst_ProjectFile::color()
{
    QFETCH(QString, color);
    QFETCH(bool, valid);
    QFETCH(QColor, expected);
    ProjectText t;
    t.layers = ProjectText::layer(0, "0.2", ProjectText::material("Brick", color));
    Project project;
    QString message;
    QCOMPARE(load(project, t.toXml(), &message), valid);
    if (valid) {
        QCOMPARE(project.inputData().layer(0).m_color, expected);
        QCOMPARE(project.inputData().layer(0).m_color.alpha(), 255);
    } else {
        QCOMPARE(message,
                 QStringLiteral("Invalid encoding '%1' of material color of layer 1 (line 3).")
                     .arg(color));
    }
}

void tst_ProjectFile::invalidNumberAttribute()
{
    // The whole document body stands on line 3; the one layer is layer 1.
    const struct
    {
        const char *from;
        const char *to;
        const char *attribute;
        int layer;
    } cases[] = {
        {"rho=\"1800\"", "rho=\"18oo\"", "rho", 1},
        {"cat=\"2\"", "cat=\"2.5\"", "cat", 1},
        {"isWood=\"0\"", "isWood=\"no\"", "isWood", 1},
        {"d=\"0.2\"", "d=\"\"", "d", 1},
        {"index=\"0\"", "index=\"first\"", "index", 1},
        {"alpha_i=\"4\"", "alpha_i=\"4,5\"", "alpha_i", 0},
        {"tT=\"90\"", "tT=\"ninety\"", "tT", 0},
    };
    for (const auto &c : cases) {
        QByteArray text = ProjectText().toXml();
        QVERIFY(text.contains(c.from));
        text.replace(c.from, c.to);
        Project project;
        QString message;
        QVERIFY2(!load(project, text, &message), c.attribute);
        const QString start =
            QStringLiteral("Invalid value for attribute '%1'").arg(QLatin1String(c.attribute));
        QCOMPARE(message, c.layer > 0
                              ? start + QStringLiteral(" of layer %1 (line 3).").arg(c.layer)
                              : start + QStringLiteral(" (line 3)."));
    }
    // the heat-flow direction is element text, checked the same way
    ProjectText t;
    t.info = QStringLiteral("<HeatFlowDirection>up</HeatFlowDirection>");
    Project project;
    QString message;
    QVERIFY(!load(project, t.toXml(), &message));
    QCOMPARE(message, QStringLiteral("Invalid value for attribute 'HeatFlowDirection' (line 3)."));
}

void tst_ProjectFile::readerErrorsSayWhere_data()
{
    QTest::addColumn<int>("layer");    // 1-based layer to damage, 0 for the climate
    QTest::addColumn<QString>("from"); // text of that line to replace
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("message");
    // lines 1 and 2: declaration and document type; line 3: root up to <Construction>; the
    // layers on lines 4, 5 and 6; the rest of the document on line 7
    QTest::newRow("decimal comma in a width")
        << 2 << "d=\"0.2\""
        << "d=\"0,2\""
        << "Invalid value for attribute 'd' of layer 2 (line 5).";
    QTest::newRow("density of the last layer")
        << 3 << "rho=\"1800\""
        << "rho=\"1.800,5\""
        << "Invalid value for attribute 'rho' of layer 3 (line 6).";
    QTest::newRow("index of the first layer")
        << 1 << "index=\"0\""
        << "index=\"I\""
        << "Invalid value for attribute 'index' of layer 1 (line 4).";
    QTest::newRow("colour of the second layer")
        << 2 << "190 90 60"
        << "190 90"
        << "Invalid encoding '190 90' of material color of layer 2 (line 5).";
    QTest::newRow("climate outside the construction")
        << 0 << "alpha_i=\"4\""
        << "alpha_i=\"7,7\""
        << "Invalid value for attribute 'alpha_i' (line 7).";
}

void tst_ProjectFile::readerErrorsSayWhere()
{
    QFETCH(int, layer);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, message);
    QStringList layers;
    for (int i = 0; i < 3; ++i)
        layers << ProjectText::layer(i, "0.2", ProjectText::material(QStringLiteral("L%1").arg(i)));
    ProjectText t;
    if (layer > 0) {
        QString &damaged = layers[layer - 1];
        QVERIFY(damaged.contains(from));
        damaged.replace(from, to);
    } else {
        QVERIFY(t.interior.contains(from));
        t.interior.replace(from, to);
    }
    t.layers = QLatin1Char('\n') + layers.join(QLatin1Char('\n')) + QLatin1Char('\n');
    Project project;
    QString text;
    QVERIFY(!load(project, t.toXml(), &text));
    QCOMPARE(text, message);
}

void tst_ProjectFile::climateOutOfRange()
{
    // rh_i = 101: the file loads, the value is kept, and the input is reported as invalid
    ProjectText t;
    t.interior.replace(QLatin1String("rh_i=\"50\""), QLatin1String("rh_i=\"101\""));
    Project project;
    QString message;
    QVERIFY2(load(project, t.toXml(), &message), qPrintable(message));
    QCOMPARE(project.inputData().status(), InputStatus::InvalidClimate);
    QCOMPARE(project.inputData().climate().insideWinter().m_rh, 101.0);
    QCOMPARE(project.results().type, 1);
    QCOMPARE(project.results().typeGlaser, 1);

    ProjectText cold;
    cold.exterior.replace(QLatin1String("T_e_summer=\"14.942908645415073\""),
                          QLatin1String("T_e_summer=\"-41\""));
    QVERIFY(load(project, cold.toXml(), &message));
    QCOMPARE(project.inputData().status(), InputStatus::InvalidClimate);
}

void tst_ProjectFile::zeroHeatTransferCoefficient()
{
    // alpha = 0 would be an infinite surface resistance, which validation would accept and
    // the thermal field would turn into NaN; it stays an invalid climate instead.
    for (const char *alpha : {"0", "-4"}) {
        ProjectText t;
        t.interior.replace(QLatin1String("alpha_i=\"4\""),
                           QStringLiteral("alpha_i=\"%1\"").arg(QLatin1String(alpha)));
        Project project;
        QString message;
        QVERIFY2(load(project, t.toXml(), &message), alpha);
        QCOMPARE(project.inputData().status(), InputStatus::InvalidClimate);
        QCOMPARE(project.results().type, 1);
        QVERIFY(!std::isinf(project.inputData().climate().insideWinter().m_Rs));
    }
}

void tst_ProjectFile::invalidPeriods()
{
    ProjectText t;
    t.options = QStringLiteral(R"(tT="0" tT_summer="90")");
    Project project;
    QString message;
    QVERIFY(load(project, t.toXml(), &message));
    QCOMPARE(project.inputData().status(), InputStatus::InvalidClimate);
    QCOMPARE(project.inputData().climate().tT(), 0.0);
}

void tst_ProjectFile::unknownElementsSkipped()
{
    Project project;
    QString message;
    QVERIFY2(project.load(TestSupport::dataFile("projects/unknown_elements.m2p"), &message),
             qPrintable(message));
    const InputData &in = project.inputData();
    QCOMPARE(in.layerCount(), 1);
    QCOMPARE(in.layer(0).m_name, QStringLiteral("Brick"));
    QCOMPARE(in.layer(0).m_lambda, 0.81);
    QCOMPARE(in.layer(0).m_color, QColor(190, 90, 60));
    QCOMPARE(in.status(), InputStatus::Valid);
    // no Climate element: the default climate stays; the options were read
    QCOMPARE(in.climate().tT(), 60.0);
    QCOMPARE(in.climate().insideWinter().m_T, 20.0);
    QCOMPARE(project.projectInformation().m_company, QStringLiteral("Someone & Partners"));
    QCOMPARE(project.projectInformation().m_heatFlowDirection, HeatFlowDirection::Upwards);
    // missing text attributes are empty, missing numbers keep the defaults
    QVERIFY(in.layer(0).m_productName.isEmpty());
    QCOMPARE(in.layer(0).m_mu_min, 0.0);
    QCOMPARE(in.layer(0).m_materialId, 0);
}

void tst_ProjectFile::missingWidthAndMaterial()
{
    const struct
    {
        QString layers;
        int status;
    } cases[] = {
        {QStringLiteral(R"(<Layer index="0">%1</Layer>)").arg(ProjectText::material("A")), 1},
        {ProjectText::layer(0, "-0.1", ProjectText::material("A")), 1},
        {ProjectText::layer(0, "0.1", QString()), 2},
        {ProjectText::layer(0, "0.1", ProjectText::material("")), 0}, // name becomes "Unknown"
        {ProjectText::layer(0, "0.1",
                            ProjectText::material("A").replace("cat=\"2\"", "cat=\"13\"")),
         2},
        {ProjectText::layer(
             0, "0.1", ProjectText::material("A").replace("w_sat=\"0.188\"", "w_sat=\"0.001\"")),
         2},
    };
    for (const auto &c : cases) {
        ProjectText t;
        t.layers = c.layers;
        Project project;
        QString message;
        QVERIFY2(load(project, t.toXml(), &message), qPrintable(message));
        QCOMPARE(int(project.inputData().status()), c.status);
        if (c.status != 0)
            QCOMPARE(project.results().type, 1);
    }
    ProjectText t;
    t.layers = ProjectText::layer(0, "0.1", ProjectText::material(""));
    Project project;
    QString message;
    QVERIFY(load(project, t.toXml(), &message));
    QCOMPARE(project.inputData().layer(0).m_name, QStringLiteral("Unknown"));
}

void tst_ProjectFile::layerWithoutMaterialKeepsItsLook()
{
    // A layer without material data is named "Unknown" and drawn in the visible default
    // colour, from the first load on; saving and loading again changes neither.
    ProjectText t;
    t.layers = ProjectText::layer(0, "0.1", QString()) +
               ProjectText::layer(1, "0.2", ProjectText::material("Brick"));
    Project project;
    QString message;
    QVERIFY2(load(project, t.toXml(), &message), qPrintable(message));
    const MaterialLayer &bare = project.inputData().layer(0);
    QCOMPARE(bare.m_name, Material::unknownName());
    QCOMPARE(bare.m_color, Material::defaultColor());
    QCOMPARE(project.inputData().status(), InputStatus::InvalidMaterial);

    QVERIFY2(project.save(path("bare.m2p"), &message), qPrintable(message));
    const QColor c = Material::defaultColor();
    QVERIFY(readAll(path("bare.m2p"))
                .contains(QStringLiteral("color=\"%1 %2 %3\"")
                              .arg(c.red())
                              .arg(c.green())
                              .arg(c.blue())
                              .toUtf8()));
    Project reopened;
    QVERIFY2(reopened.load(path("bare.m2p"), &message), qPrintable(message));
    QCOMPARE(reopened.inputData().layer(0).m_name, bare.m_name);
    QCOMPARE(reopened.inputData().layer(0).m_color, bare.m_color);
    QVERIFY(reopened.save(path("bare2.m2p"), &message));
    QCOMPARE(readAll(path("bare2.m2p")), readAll(path("bare.m2p")));

    // a material that never got a colour is written in the same default colour
    InputData input;
    Material colourless = testMaterial("Colourless", 0.2, 10);
    colourless.m_color = QColor();
    input.insertLayer(0, MaterialLayer(colourless, 0.1));
    Project created;
    created.createNew(input, ProjectInformation());
    QVERIFY(created.save(path("colourless.m2p"), &message));
    QVERIFY(reopened.load(path("colourless.m2p"), &message));
    QCOMPARE(reopened.inputData().layer(0).m_color, Material::defaultColor());
}

void tst_ProjectFile::projectInformationKeepsValues()
{
    Project project;
    project.createNew();
    ProjectInformation info;
    info.m_company = QStringLiteral("Kept");
    info.m_projectName = QStringLiteral("Replaced");
    info.m_heatFlowDirection = HeatFlowDirection::Downwards;
    project.setProjectInformation(info);
    ProjectText t; // holds only ProjectName
    QString message;
    QVERIFY(load(project, t.toXml(), &message));
    QCOMPARE(project.projectInformation().m_company, QStringLiteral("Kept"));
    QCOMPARE(project.projectInformation().m_projectName, QStringLiteral("Test"));
    QCOMPARE(project.projectInformation().m_heatFlowDirection, HeatFlowDirection::Downwards);
}

void tst_ProjectFile::noLayers()
{
    ProjectText t;
    t.layers = QStringLiteral("");
    Project project;
    QString message;
    QVERIFY(!load(project, t.toXml(), &message));
    QCOMPARE(message,
             QStringLiteral("Project doesn't contain any layers. Please create a new project!"));
}

void tst_ProjectFile::missingFile()
{
    Project project;
    QString message;
    const QString name = path("does-not-exist.m2p");
    QVERIFY(!project.load(name, &message));
    QCOMPARE(
        message,
        QStringLiteral("Cannot open file '%1' for reading (maybe missing permissions).").arg(name));
}

void tst_ProjectFile::directoryIsNoProjectFile()
{
    // also with the extension of a project file or of an old one
    for (const char *name : {"folder", "folder.m2p", "folder.mpj"}) {
        const QString dir = path(QLatin1String(name));
        QVERIFY(QDir().mkpath(dir));
        Project project;
        QString message;
        QVERIFY(!project.load(dir, &message));
        QCOMPARE(message, QStringLiteral("'%1' is a directory, not a project file.").arg(dir));
    }
}

void tst_ProjectFile::keywordTextFallback()
{
    Project project;
    QString message;
    // extension m2p: keyword text fails with the XML parser's error only
    QVERIFY(!project.load(TestSupport::dataFile("projects/keyword_valid.m2p"), &message));
    QVERIFY(!message.isEmpty());
    QVERIFY2(!message.contains(QLatin1String("MIRELO 1")), qPrintable(message));
    // the same text with another extension loads through the keyword reader
    QVERIFY2(project.load(TestSupport::dataFile("projects/keyword_valid.txt"), &message),
             qPrintable(message));
    QCOMPARE(project.inputData().layerCount(), 1);
    QCOMPARE(project.inputData().layer(0).m_name, QStringLiteral("Brick"));
    QCOMPARE(project.inputData().layer(0).m_width, 0.24);
    QCOMPARE(project.projectInformation().m_projectName, QStringLiteral("Keyword project"));
    // text that neither reader accepts: the keyword reader's message behind the fixed prefix
    for (const char *ext : {"txt", "mpj"}) {
        QVERIFY(!project.load(
            TestSupport::dataFile(QStringLiteral("projects/keyword_project.") + QLatin1String(ext)),
            &message));
        QVERIFY2(message.startsWith(QLatin1String("Error reading file as MIRELO 1 version.\n")),
                 qPrintable(message));
        QVERIFY(message.size() > int(strlen("Error reading file as MIRELO 1 version.\n")));
    }
    // an XML project named .mpj is read by the keyword reader only
    QVERIFY(QFile::copy(exampleFiles().value(0), path("xml.mpj")));
    QVERIFY(!project.load(path("xml.mpj"), &message));
    QVERIFY(message.startsWith(QLatin1String("Error reading file as MIRELO 1 version.\n")));
}

void tst_ProjectFile::truncatedFiles()
{
    // Every prefix of a valid file must fail with a message (or, once the root element is
    // complete, load the whole project) and never crash.
    const QByteArray full = readAll(exampleFiles().value(0));
    QVERIFY(!full.isEmpty());
    const int rootEnd = full.lastIndexOf("</MireloProject>") + int(strlen("</MireloProject>"));
    QVERIFY(rootEnd > 100);
    int failures = 0;
    for (int length = 0; length < full.size(); length += (length < 200 ? 1 : 7)) {
        Project project;
        QString message;
        const bool ok = load(project, full.left(length), &message);
        if (length < rootEnd) {
            QVERIFY2(!ok, qPrintable(QStringLiteral("prefix of %1 bytes loaded").arg(length)));
            QVERIFY2(!message.isEmpty(), qPrintable(QString::number(length)));
            ++failures;
        } else {
            QVERIFY2(ok, qPrintable(message));
        }
    }
    QVERIFY(failures > 100);
    Project project;
    QString message;
    QVERIFY(!load(project, full.left(rootEnd - 1), &message));
    QVERIFY(load(project, full.left(rootEnd), &message));
}

void tst_ProjectFile::garbage_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff\xfe<\x00>", 8);
    QTest::newRow("unclosed attribute")
        << QByteArray("<MireloProject version=\"2.0><InputData/></MireloProject>");
    QTest::newRow("mismatched tags")
        << QByteArray("<MireloProject version=\"2.0\"><InputData></Construction></MireloProject>");
    QTest::newRow("two roots") << QByteArray("<MireloProject version=\"2.0\"></MireloProject><X/>");
    QTest::newRow("entity bomb attempt")
        << QByteArray("<!DOCTYPE M [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]>"
                      "<MireloProject version=\"2.0\"><ProjectInformation><ProjectName>&b;"
                      "</ProjectName></ProjectInformation></MireloProject>");
    QTest::newRow("deep nesting") << (QByteArray("<MireloProject version=\"2.0\">") +
                                      QByteArray("<X>").repeated(20000) +
                                      QByteArray("</X>").repeated(20000) + "</MireloProject>");
}

void tst_ProjectFile::garbage()
{
    QFETCH(QByteArray, content);
    Project project;
    QString message;
    QVERIFY(!load(project, content, &message));
    QVERIFY(!message.isEmpty());
}

void tst_ProjectFile::saveIntoImpossibleDirectory()
{
    // The parent of the target is a regular file: no file can be created there, whoever runs
    // the test.
    QVERIFY(writeFile(path("plainfile"), "x"));
    Project project;
    project.createNew();
    QVERIFY(project.insertLayer(0, MaterialLayer(testMaterial("Board", 0.2, 10), 0.1)));
    QString message;
    QVERIFY(!project.save(path("plainfile/project.m2p"), &message));
    QVERIFY(!message.isEmpty());
    QCOMPARE(readAll(path("plainfile")), QByteArray("x"));
}

void tst_ProjectFile::saveIntoReadOnlyDirectory()
{
    if (::geteuid() == 0)
        QSKIP("permission bits do not stop the super-user from writing");
    const QString dir = path("readonly");
    QVERIFY(QDir().mkpath(dir));
    const QString file = dir + "/old.m2p";
    QVERIFY(writeFile(file, "old content"));
    QVERIFY(QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner));
    Project project;
    project.createNew();
    QVERIFY(project.insertLayer(0, MaterialLayer(testMaterial("Board", 0.2, 10), 0.1)));
    QString message;
    const bool saved = project.save(file, &message);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!saved);
    QVERIFY(!message.isEmpty());
    QCOMPARE(readAll(file), QByteArray("old content"));
}

void tst_ProjectFile::nonFiniteNumbersRefused_data()
{
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("inLayer");
    QTest::newRow("d inf") << "d"
                           << "inf" << true;
    QTest::newRow("lambda nan") << "lambda"
                                << "nan" << true;
    QTest::newRow("mu inf") << "mu"
                            << "inf" << true;
    QTest::newRow("rho -inf") << "rho"
                              << "-inf" << true;
    QTest::newRow("m_Aw inf") << "m_Aw"
                              << "inf" << true;
    QTest::newRow("sd_value nan") << "sd_value"
                                  << "nan" << true;
    QTest::newRow("mu_min nan") << "mu_min"
                                << "NaN" << true;
    QTest::newRow("mu_max overflow") << "mu_max"
                                     << "1e999" << true;
    QTest::newRow("tT inf") << "tT"
                            << "inf" << false;
    QTest::newRow("alpha_i inf") << "alpha_i"
                                 << "inf" << false;
    QTest::newRow("T_e nan") << "T_e"
                             << "nan" << false;
}

void tst_ProjectFile::nonFiniteNumbersRefused()
{
    QFETCH(QString, attribute);
    QFETCH(QString, text);
    QFETCH(bool, inLayer);
    ProjectText t;
    const QRegularExpression pattern(QStringLiteral("\\b%1=\"[^\"]*\"").arg(attribute));
    const QString replacement = QStringLiteral("%1=\"%2\"").arg(attribute, text);
    QString layers = ProjectText::layer(0, "0.2", ProjectText::material("Brick"));
    if (inLayer) {
        t.layers = layers.replace(pattern, replacement);
    } else {
        t.interior.replace(pattern, replacement);
        t.exterior.replace(pattern, replacement);
        t.options.replace(pattern, replacement);
    }
    QVERIFY(t.toXml().contains(replacement.toUtf8()));
    Project project;
    QString message;
    QVERIFY(!load(project, t.toXml(), &message));
    QVERIFY2(message.contains(QStringLiteral("'%1'").arg(attribute)), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("(line ")), qPrintable(message));
    if (inLayer)
        QVERIFY2(message.contains(QStringLiteral("of layer 1")), qPrintable(message));
}

void tst_ProjectFile::outOfBoundsValuesAreInputFaults_data()
{
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("status");
    QTest::newRow("layer wider than 100 m") << "d"
                                            << "100.5" << int(InputStatus::InvalidWidth);
    QTest::newRow("subnormal width") << "d"
                                     << "4.9e-324" << int(InputStatus::InvalidWidth);
    QTest::newRow("subnormal lambda") << "lambda"
                                      << "4.9e-324" << int(InputStatus::InvalidMaterial);
    QTest::newRow("lambda below 1e-6") << "lambda"
                                       << "1e-7" << int(InputStatus::InvalidMaterial);
    QTest::newRow("huge mu") << "mu"
                             << "1e300" << int(InputStatus::InvalidMaterial);
    QTest::newRow("huge rho") << "rho"
                              << "1e300" << int(InputStatus::InvalidMaterial);
    QTest::newRow("huge sd-value") << "sd_value"
                                   << "1e300" << int(InputStatus::InvalidMaterial);
}

void tst_ProjectFile::outOfBoundsValuesAreInputFaults()
{
    QFETCH(QString, attribute);
    QFETCH(QString, text);
    QFETCH(int, status);
    ProjectText t;
    QString layers = ProjectText::layer(0, "0.2", ProjectText::material("Brick"));
    t.layers = layers.replace(QRegularExpression(QStringLiteral("\\b%1=\"[^\"]*\"").arg(attribute)),
                              QStringLiteral("%1=\"%2\"").arg(attribute, text));
    Project project;
    QString message;
    QVERIFY2(load(project, t.toXml(), &message), qPrintable(message));
    QCOMPARE(int(project.inputData().status()), status);
    QCOMPARE(project.results().type, 1);
    QVERIFY2(project.inputData().faultText().startsWith(QLatin1String("Layer #1 (Brick): ")),
             qPrintable(project.inputData().faultText()));
}

void tst_ProjectFile::crowdedElementRefused()
{
    ProjectText t;
    QString attributes;
    for (int i = 0; i < 65; ++i)
        attributes += QStringLiteral(" a%1=\"x>=y\"").arg(i);
    t.info = QStringLiteral("<ProjectName%1>Test</ProjectName>").arg(attributes);
    Project project;
    QString message;
    QVERIFY(!load(project, t.toXml(), &message));
    QVERIFY2(message.contains(QLatin1String("more than 64 attributes (line 3)")),
             qPrintable(message));
    // as many as a project can use are read
    t.info =
        QStringLiteral("<ProjectName%1>Test</ProjectName>").arg(attributes.section(' ', 0, 64));
    QVERIFY2(load(project, t.toXml(), &message), qPrintable(message));
}

void tst_ProjectFile::longTextsAreCut()
{
    ProjectText t;
    const QString longName(Material::MaxTextLength + 5, QLatin1Char('n'));
    t.layers = ProjectText::layer(0, "0.2", ProjectText::material(longName));
    t.info = QStringLiteral("<ProjectName>%1</ProjectName>").arg(QString(30000, 'p'));
    const QString file = path("long.m2p");
    QVERIFY(writeFile(file, t.toXml()));
    InputData input;
    ProjectInformation info;
    QString message;
    QStringList notes;
    QVERIFY2(ProjectFile::load(file, input, info, &message, &notes), qPrintable(message));
    QCOMPARE(input.layer(0).m_name, longName.left(Material::MaxTextLength));
    QCOMPARE(info.m_projectName.size(), Material::MaxTextLength);
    QCOMPARE(notes.size(), 1);
    QVERIFY2(notes.first().contains(QString::number(Material::MaxTextLength)),
             qPrintable(notes.first()));
}

void tst_ProjectFile::saveOverSpecialFileRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("fifo") << QStringLiteral("fifo");
    QTest::newRow("link to a fifo") << QStringLiteral("link");
    QTest::newRow("directory") << QStringLiteral("directory");
}

void tst_ProjectFile::saveOverSpecialFileRefused()
{
    // A rename over a FIFO (or a device) would put a plain file in its place.
    QFETCH(QString, kind);
    const QString dir = path("special-" + kind);
    QVERIFY(QDir().mkpath(dir));
    const QString fifo = dir + "/pipe.m2p";
    QString target = fifo;
    if (kind == "directory") {
        QVERIFY(QDir().mkpath(target));
    } else {
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        if (kind == "link") {
            target = dir + "/link.m2p";
            QVERIFY(QFile::link(fifo, target));
        }
    }
    Project project;
    project.createNew();
    QVERIFY(project.insertLayer(0, MaterialLayer(testMaterial("Board", 0.2, 10), 0.1)));
    QString message;
    QVERIFY(!project.save(target, &message));
    QVERIFY2(message.contains(target), qPrintable(message));
    const QFileInfo after(fifo);
    QVERIFY(after.exists() && !after.isFile());
    if (kind == "link")
        QVERIFY(QFileInfo(target).isSymLink());
    QCOMPARE(QDir(dir)
                 .entryList(QDir::Files | QDir::System | QDir::Hidden | QDir::Dirs |
                            QDir::NoDotAndDotDot)
                 .size(),
             kind == "link" ? 2 : 1);

    // a link to a regular file is written through
    const QString regular = dir + "/regular.m2p";
    QVERIFY(writeFile(regular, "old"));
    QVERIFY(QFile::link(regular, dir + "/to-regular.m2p"));
    QVERIFY2(project.save(dir + "/to-regular.m2p", &message), qPrintable(message));
    QVERIFY(readAll(regular).startsWith("<?xml"));
}

void tst_ProjectFile::failedSaveKeepsOldFile()
{
    // A full disk in the middle of writing, simulated by a file size limit: the save reports
    // failure and the previous file keeps its content; no temporary file is left behind.
    const QString dir = path("fulldisk");
    QVERIFY(QDir().mkpath(dir));
    const QString file = dir + "/project.m2p";
    const QByteArray old = readAll(exampleFiles().value(0));
    QVERIFY(writeFile(file, old));

    Project project;
    QString message;
    QVERIFY(project.load(exampleFiles().value(1), &message));
    QVERIFY(readAll(exampleFiles().value(1)).size() > 2048);

    struct rlimit previous;
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    struct rlimit limited = previous;
    limited.rlim_cur = 1024;
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool saved = project.save(file, &message);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!saved);
    // The system took the first kilobyte and refused the rest: the message gives its reason,
    // not the generic "Unknown error" that the device keeps after such a partial write.
    QVERIFY2(message.endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(message));
    QVERIFY2(!message.contains(QLatin1String("Unknown error")), qPrintable(message));
    QCOMPARE(readAll(file), old);
    QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"project.m2p"});

    // and without the limit the same save succeeds
    QVERIFY(project.save(file, &message));
    QCOMPARE(readAll(file), readAll(exampleFiles().value(1)));
}

void tst_ProjectFile::writeFailureGivesSystemReason()
{
    // A device that is always full: every write is refused with the system's reason, buffered
    // or not.
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full on this system");
    const QByteArray data(100000, 'x');
    const QIODevice::OpenMode modes[] = {QIODevice::WriteOnly,
                                         QIODevice::WriteOnly | QIODevice::Unbuffered};
    for (const QIODevice::OpenMode mode : modes) {
        QFile full(QStringLiteral("/dev/full"));
        QVERIFY(full.open(mode));
        QString reason;
        QVERIFY(!AtomicFile::writeAll(full, data, &reason));
        QCOMPARE(reason, QString::fromLocal8Bit(std::strerror(ENOSPC)));
        QFile fullSmall(QStringLiteral("/dev/full"));
        QVERIFY(fullSmall.open(mode));
        QVERIFY(!AtomicFile::writeAll(fullSmall, "<small/>", &reason));
        QCOMPARE(reason, QString::fromLocal8Bit(std::strerror(ENOSPC)));
    }
    // a complete write succeeds and leaves the reason alone
    QFile ok(path("complete.bin"));
    QVERIFY(ok.open(QIODevice::WriteOnly));
    QString reason = QStringLiteral("untouched");
    QVERIFY(AtomicFile::writeAll(ok, data, &reason));
    ok.close();
    QCOMPARE(reason, QStringLiteral("untouched"));
    QCOMPARE(readAll(path("complete.bin")), data);
}

void tst_ProjectFile::referenceCases_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names = ReferenceCase::names();
    QVERIFY(names.size() >= 70);
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void tst_ProjectFile::referenceCases()
{
    QFETCH(QString, name);
    const QJsonObject expected = ReferenceCase::readJson(name + ".expected.json");
    QVERIFY(!expected.isEmpty());

    // The case's settings: only the moisture-dependent conductivity steers the calculation.
    Settings settings;
    for (const auto &o : ReferenceCase::settingsOverrides(name)) {
        QString error;
        QVERIFY2(settings.applyOverride(o.first, o.second, &error), qPrintable(error));
    }

    Project project;
    project.setMoistureDependentLambda(settings.m_moistureDependentLambda);
    QString message;
    QVERIFY2(project.load(TestSupport::dataFile("reference-cases/" + name + ".m2p"), &message),
             qPrintable(message));
    QCOMPARE(int(project.inputData().status()), expected.value("status").toInt());
    const QJsonObject climate = expected.value("climate").toObject();
    QCOMPARE(project.inputData().climate().assessmentCondition(),
             climate.value("recognised_condition").toInt());
    QCOMPARE(project.inputData().climate().insideSummer().m_Rs,
             climate.value("inside_summer").toObject().value("Rs").toDouble());
    QCOMPARE(project.inputData().climate().outsideSummer().m_Rs,
             climate.value("outside_summer").toObject().value("Rs").toDouble());
    const QJsonArray layers = expected.value("layers").toArray();
    QCOMPARE(project.inputData().layerCount(), layers.size());
    for (int i = 0; i < layers.size(); ++i)
        QCOMPARE(project.inputData().layer(i).m_width,
                 layers[i].toObject().value("width").toDouble());

    const QString failure = ReferenceCase::compareResults(
        project.outcome(), project.calculationOptions().heatFlowDirection, expected);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    // saved, the case is written as the reference file holds it: same declaration, document
    // type, indentation, element and attribute order and texts; the numbers differ only in
    // how whole numbers are spelled
    QVERIFY(project.save(path("reference.m2p"), &message));
    const QStringList written = QString::fromUtf8(readAll(path("reference.m2p"))).split('\n');
    const QStringList reference =
        QString::fromUtf8(
            withOurNumberFormat(readAll(TestSupport::dataFile("reference-cases/" + name + ".m2p"))))
            .split('\n');
    for (int i = 0; i < std::min(written.size(), reference.size()); ++i)
        QCOMPARE(written[i], reference[i]);
    QCOMPARE(written.size(), reference.size());

    // reopened, the case gives the identical input and results
    Project reopened;
    reopened.setMoistureDependentLambda(settings.m_moistureDependentLambda);
    QVERIFY(reopened.load(path("reference.m2p"), &message));
    QVERIFY(reopened.inputData() == project.inputData());
    QVERIFY(reopened.results() == project.results());
}

M2_TEST_GUILESS_MAIN(tst_ProjectFile)
#include "tst_ProjectFile.moc"
