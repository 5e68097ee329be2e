// The headless front end mirelo2-batch, run as a separate process: options, exit codes, the
// JSON fields, the readable block, and the reference cases through the whole chain.

#include "TestSupport.h"

#include "model/InputData.h"
#include "model/ProjectInformation.h"
#include "persistence/ProjectFile.h"

#include <QDir>
#include <QDirIterator>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

QString batchExecutable()
{
    return QStringLiteral(M2_BIN_DIR "/mirelo2-batch");
}

QString examplesDir()
{
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

QString example(const QString &baseName)
{
    return examplesDir() + QLatin1Char('/') + baseName + QStringLiteral(".m2p");
}

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

/*! A JSON number, or one of the strings "inf", "-inf", "nan". */
double number(const QJsonValue &v)
{
    if (v.isString()) {
        if (v.toString() == QLatin1String("inf"))
            return std::numeric_limits<double>::infinity();
        if (v.toString() == QLatin1String("-inf"))
            return -std::numeric_limits<double>::infinity();
        return std::numeric_limits<double>::quiet_NaN();
    }
    return v.toDouble();
}

const char *const ResultFields[] = {
    "type",        "typeGlaser", "d_total",   "T_Glaser",   "pv_Glaser",
    "psat_Glaser", "R_Glaser",   "Z_Glaser",  "m_c_Glaser", "m_ev_Glaser",
    "t_ev_Glaser", "kFirst",     "kLast",     "kPlanes",    "kPlanesGlaser",
    "U_moist",     "R_T",        "R_T_moist", "R_layers",   "R_layers_moist",
    "m_condStat",  "m_cond",     "tau",       "t_hyg",      "t_ev",
    "m_ev",        "R",          "Z",         "R_liq",      "T",
    "psat",        "pv",         "w_left",    "w_right",    "sk_Cond",
    "m_condLayer"};

Material plainMaterial(const char *name, double lambda, int category, QColor color)
{
    Material m;
    m.m_name = QString::fromLatin1(name);
    m.m_category = category;
    m.m_rho = 500;
    m.m_lambda = lambda;
    m.m_mu = m.m_mu_min = m.m_mu_max = 10;
    m.m_w_80 = 0.01;
    m.m_w_sat = 0.5;
    m.m_A_w = 0.001;
    m.m_color = color;
    return m;
}

} // namespace

class tst_Batch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void usageErrors_data();
    void usageErrors();
    void optionsEndAtDoubleDash();
    void help();
    void jsonOfExamples();
    void singleFileIsAnObject();
    void examplesAreSensible();
    void failedFiles();
    void settingsOverride();
    void constructionKind();
    void userSettingsNotWritten();
    void textBlock();
    void pictures_data();
    void pictures();
    void noVerdictWithoutResult_data();
    void noVerdictWithoutResult();
    void referenceCases_data();
    void referenceCases();
    void referenceCriteria_data();
    void referenceCriteria();
    void glaserCriteria();
    void limitsOfInhomogeneousLayers();

private:
    Run run(const QStringList &args) const;
    /*! Runs a reference case as its README says and returns the JSON object of the run (empty
        when the run failed) and the expected outcome. */
    QJsonObject runReferenceCase(const QString &name, QJsonObject *expected) const;
    QTemporaryDir m_home;
    // The output of each reference case, kept for the second test that checks it (the run is
    // the same: about 70 process starts saved).
    mutable QHash<QString, QJsonObject> m_referenceRuns;
};

void tst_Batch::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY2(QFileInfo::exists(batchExecutable()), qPrintable(batchExecutable()));
    QVERIFY(exampleFiles().size() >= 4);
}

Run tst_Batch::run(const QStringList &args) const
{
    // The tool reads the user's settings: give it an empty home of its own.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(batchExecutable(), args);
    Run r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

void tst_Batch::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    const QString file = example("external_wall_etics");
    QTest::newRow("no arguments") << QStringList();
    QTest::newRow("options only") << QStringList{"--json"};
    QTest::newRow("unknown option") << QStringList{"--bogus", file};
    QTest::newRow("long option with one dash") << QStringList{"-json", file};
    QTest::newRow("value of a switch") << QStringList{"--json=1", file};
    QTest::newRow("empty diagram name") << QStringList{"--diagram=", file};
    QTest::newRow("lang of upper-case path") << QStringList{"--lang", "DE/..", file};
    QTest::newRow("report of two projects") << QStringList{"--report", "out.pdf", file, file};
    QTest::newRow("set without value") << QStringList{file, "--set"};
    QTest::newRow("set without =") << QStringList{"--set", "ReportSettings", file};
    QTest::newRow("set with empty key") << QStringList{"--set", "=1", file};
    QTest::newRow("unknown setting") << QStringList{"--set", "No/SuchKey=1", file};
    QTest::newRow("bad boolean") << QStringList{
        "--set", "ProjectDefaults/MoistureDependentLambda=maybe", file};
    QTest::newRow("bad number") << QStringList{"--set", "ReportSettings/DryingReserve=x", file};
    QTest::newRow("unknown construction kind")
        << QStringList{"--set", "ConstructionKind=shed", file};
    QTest::newRow("empty construction kind") << QStringList{"--set", "ConstructionKind=", file};
    QTest::newRow("lang without code") << QStringList{"--lang=", file};
    QTest::newRow("lang with a path") << QStringList{"--lang=../de", file};
    QTest::newRow("lang at the end") << QStringList{file, "--lang"};
    const QString other = example("timber_frame_wall");
    QTest::newRow("diagram of two projects") << QStringList{"--diagram", "d.svg", file, other};
    QTest::newRow("sketch of two projects") << QStringList{"--sketch", "s.png", file, other};
    QTest::newRow("diagram without file") << QStringList{file, "--diagram"};
    QTest::newRow("diagram of unknown format") << QStringList{"--diagram", "d.bmp", file};
    QTest::newRow("mode without diagram") << QStringList{"--mode", "2", file};
    QTest::newRow("mode 1") << QStringList{"--diagram", "d.svg", "--mode", "1", file};
    QTest::newRow("diagram with json") << QStringList{"--json", "--diagram", "d.svg", file};
}

void tst_Batch::usageErrors()
{
    QFETCH(QStringList, args);
    const Run r = run(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.contains("Usage: mirelo2-batch"));
}

void tst_Batch::optionsEndAtDoubleDash()
{
    // after "--" an argument is a file even if it looks like an option; so is "-"
    const Run r = run({example("timber_frame_wall"), "--", "--json", "-"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(!r.out.startsWith('{'));
    QVERIFY(r.out.contains("timber_frame_wall"));
    QVERIFY(r.err.contains("--json: The file '--json' cannot be found"));
    QVERIFY(r.err.contains("-: The file '-' cannot be found"));
}

void tst_Batch::help()
{
    const Run r = run({"--help"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.contains("Usage: mirelo2-batch"));
    QVERIFY(r.out.contains("--lang=CODE"));
}

void tst_Batch::jsonOfExamples()
{
    const QStringList files = exampleFiles();
    const Run r = run(QStringList{"--json"} + files);
    QCOMPARE(r.exitCode, 0);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QVERIFY(doc.isArray());
    const QJsonArray array = doc.array();
    QCOMPARE(array.size(), files.size());
    for (int i = 0; i < array.size(); ++i) {
        const QJsonObject o = array[i].toObject();
        QCOMPARE(o.value("file").toString(), files[i]);
        QCOMPARE(o.value("status").toInt(-1), 0);
        QVERIFY(o.value("messages").isArray());
        for (const char *key : ResultFields)
            QVERIFY2(o.contains(QLatin1String(key)), key);
        QVERIFY(o.contains("U_ISO"));
        QVERIFY(o.contains("result_text"));

        // the documented relations between the fields
        const int n = o.value("R_Glaser").toArray().size();
        QVERIFY(n >= 4);
        for (const char *perInterface : {"T_Glaser", "pv_Glaser", "psat_Glaser", "T", "psat", "pv"})
            QCOMPARE(o.value(perInterface).toArray().size(), n + 1);
        for (const char *perLayer :
             {"Z_Glaser", "R", "Z", "R_liq", "w_left", "w_right", "sk_Cond", "m_condLayer"})
            QCOMPARE(o.value(perLayer).toArray().size(), n);
        double sumR = 0;
        for (const QJsonValue &v : o.value("R_Glaser").toArray())
            sumR += v.toDouble();
        M2_COMPARE_REL(o.value("R_layers").toDouble(), sumR, 1e-12);
        // ISO 6946 surface resistances: R_si 0.10 for the roofs (heat flow upwards), 0.13 for
        // the walls.
        QFile file(files[i]);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch direction =
            QRegularExpression("<HeatFlowDirection>\\s*([0-9])").match(file.readAll());
        QVERIFY(direction.hasMatch());
        const double R_si = direction.captured(1) == "1" ? 0.10 : 0.13;
        QVERIFY(direction.captured(1) == "1" || direction.captured(1) == "2");
        M2_COMPARE_REL(number(o.value("U_ISO")), 1 / (o.value("R_layers").toDouble() + 0.04 + R_si),
                       1e-15);
        M2_COMPARE_REL(o.value("R_T").toDouble(), o.value("R_layers").toDouble() + 0.25 + 0.04,
                       1e-12);
        for (const QJsonValue &p : o.value("kPlanesGlaser").toArray()) {
            QCOMPARE(p.toArray().size(), 2);
            QVERIFY(p.toArray()[0].toInt() <= p.toArray()[1].toInt());
        }
    }
}

void tst_Batch::singleFileIsAnObject()
{
    const Run r = run({"--json", example("timber_frame_wall")});
    QCOMPARE(r.exitCode, 0);
    const QJsonDocument doc = QJsonDocument::fromJson(r.out);
    QVERIFY(doc.isObject());
    QCOMPARE(doc.object().value("file").toString(), example("timber_frame_wall"));
}

void tst_Batch::examplesAreSensible()
{
    // Building-physics expectations of the examples: outside insulation and a vapour retarder
    // on the warm side keep the construction dry; inside insulation without one does not.
    const Run r = run(QStringList{"--json"} + exampleFiles());
    QCOMPARE(r.exitCode, 0);
    QMap<QString, QJsonObject> byName;
    for (const QJsonValue &v : QJsonDocument::fromJson(r.out).array())
        byName[QFileInfo(v.toObject().value("file").toString()).completeBaseName()] = v.toObject();

    for (const char *dry :
         {"external_wall_etics", "timber_frame_wall", "pitched_roof_between_rafters"}) {
        const QJsonObject o = byName.value(dry);
        QCOMPARE(o.value("type").toInt(), 7);
        QCOMPARE(o.value("typeGlaser").toInt(), 7);
        QCOMPARE(o.value("m_c_Glaser").toDouble(), 0.0);
    }
    const QJsonObject inside = byName.value("masonry_wall_interior_insulation");
    QVERIFY(inside.value("type").toInt() >= 9);
    QVERIFY(inside.value("m_cond").toDouble() > 0.5);
    QVERIFY(inside.value("m_c_Glaser").toDouble() > 0.5);
    // the flat roof under its vapour barrier: at most a trace of condensate below the sealing
    const QJsonObject roof = byName.value("flat_roof_warm_deck");
    QVERIFY(roof.value("m_c_Glaser").toDouble() < 0.01);
    QVERIFY(roof.value("m_cond").toDouble() < 0.01);
    // U-values of today's new-build and retrofit practice
    for (const QJsonObject &o : byName)
        QVERIFY(number(o.value("U_ISO")) > 0.1 && number(o.value("U_ISO")) < 0.4);
}

void tst_Batch::failedFiles()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.m2p");
    const QString broken = dir.filePath("broken.m2p");
    QFile f(broken);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<MireloProject version=\"2.1\"/>");
    f.close();

    Run r = run({missing});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(r.err.contains("cannot be found or does not exist"));

    r = run({"--json", example("external_wall_etics"), broken});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("File is not a Mirelo 2.0 project file."), r.err.constData());
    const QJsonArray array = QJsonDocument::fromJson(r.out).array();
    QCOMPARE(array.size(), 2);
    QCOMPARE(array[0].toObject().value("status").toInt(-1), 0);
    QCOMPARE(array[1].toObject().value("file").toString(), broken);
    QCOMPARE(array[1].toObject().value("error").toString(),
             QStringLiteral("File is not a Mirelo 2.0 project file."));
}

void tst_Batch::settingsOverride()
{
    const QString file = example("masonry_wall_interior_insulation");
    const Run on = run({"--json", "--set", "ProjectDefaults/MoistureDependentLambda=true", file});
    const Run off = run({"--json", "--set=ProjectDefaults/MoistureDependentLambda=false", file});
    QCOMPARE(on.exitCode, 0);
    QCOMPARE(off.exitCode, 0);
    const QJsonObject a = QJsonDocument::fromJson(on.out).object();
    const QJsonObject b = QJsonDocument::fromJson(off.out).object();
    // without moisture-dependent conductivity the moist resistance is the dry one
    QCOMPARE(b.value("R_layers_moist").toDouble(), b.value("R_layers").toDouble());
    // with it, the wet zone conducts better
    QVERIFY(a.value("R_layers_moist").toDouble() < a.value("R_layers").toDouble());
    QCOMPARE(a.value("R_layers").toDouble(), b.value("R_layers").toDouble());
}

void tst_Batch::constructionKind()
{
    // the kind of each project is printed: the roof example is a flat roof, an example written
    // before the kind existed an external wall
    const QString roof = example("validation_flat_roof");
    const QString old = example("external_wall_etics");
    const Run text = run({roof, old});
    QCOMPARE(text.exitCode, 0);
    const QString out = QString::fromUtf8(text.out);
    QVERIFY(out.contains(
        QRegularExpression("Construction kind: +flatRoof \\(Roof over habitable rooms, flat\\)")));
    QVERIFY(
        out.contains(QRegularExpression("Construction kind: +externalWall \\(External wall\\)")));

    const Run own = run({"--json", roof});
    const Run asWall = run({"--json", "--set", "ConstructionKind=externalWall", roof});
    const Run asRoof = run({"--json", "--set=ConstructionKind=pitchedRoof", old});
    for (const Run *r : {&own, &asWall, &asRoof})
        QCOMPARE(r->exitCode, 0);
    const QJsonObject a = QJsonDocument::fromJson(own.out).object();
    const QJsonObject b = QJsonDocument::fromJson(asWall.out).object();
    const QJsonObject c = QJsonDocument::fromJson(asRoof.out).object();
    QCOMPARE(a.value("construction_kind").toString(), QStringLiteral("flatRoof"));
    QCOMPARE(b.value("construction_kind").toString(), QStringLiteral("externalWall"));
    QCOMPARE(c.value("construction_kind").toString(), QStringLiteral("pitchedRoof"));
    // the same condensate, but a wall dries at 1700 Pa instead of the roof's 2000 Pa
    QCOMPARE(b.value("m_c_Glaser").toDouble(), a.value("m_c_Glaser").toDouble());
    QVERIFY(b.value("m_ev_Glaser").toDouble() < a.value("m_ev_Glaser").toDouble());
    // with the kind the heat flow turns upwards: the U-value takes R_si 0.10
    M2_COMPARE_REL(number(b.value("U_ISO")), 1 / (b.value("R_layers").toDouble() + 0.04 + 0.13),
                   1e-15);
    M2_COMPARE_REL(number(c.value("U_ISO")), 1 / (c.value("R_layers").toDouble() + 0.04 + 0.10),
                   1e-15);
    // the roof's row of DIN 4108-2 table 3 replaces the report's
    const Run text2 = run({"--set", "ConstructionKind=pitchedRoof", old});
    QVERIFY(QString::fromUtf8(text2.out).contains(QStringLiteral("Roof pitch to outside (row 2)")));
}

void tst_Batch::userSettingsNotWritten()
{
    const Run r = run({"--set", "ReportSettings/DryingReserve=0.1", example("timber_frame_wall")});
    QCOMPARE(r.exitCode, 0);
    QDirIterator it(m_home.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    QStringList written;
    while (it.hasNext())
        written << it.next();
    QVERIFY2(written.isEmpty(), qPrintable(written.join(", ")));
}

void tst_Batch::textBlock()
{
    const Run r =
        run({example("masonry_wall_interior_insulation"), example("external_wall_etics")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.err.isEmpty(), r.err.constData()); // quiet when nothing is wrong
    const QString out = QString::fromUtf8(r.out);
    for (const char *label :
         {"Construction thickness:", "Thermal transfer resistance (dry):", "U-value (ISO 6946):",
          "U-value (moisture dependent):", "Condensation mass after condensation period:",
          "Drying time:", "Glaser (DIN 4108-3):", "No condensate emerges!",
          "Condensation between layer"})
        QVERIFY2(out.contains(QLatin1String(label)), label);
    QVERIFY(out.contains("0.490 m")); // 10 + 80 + 15 + 365 + 20 mm
    // The verdicts follow the figures, with the settings of the run (defaults: DIN 4108-3 2018,
    // DIN 4108-2 2013 outer wall, no f_Rsi check).
    QVERIFY(out.contains("Check according DIN 4108-3 2018 and 2024:"));
    QVERIFY(out.contains("Drying time in summer tev < 90d:"));
    QVERIFY(out.contains("Minimum thermal protection (DIN 4108-2 2013 Tab. 3):"));
    QVERIFY(!out.contains("Temperature factor f_Rsi"));
    const Run checked =
        run({"--set", "ReportSettings/FrsiCheck=true", "--set", "ReportSettings/DryingReserve=0.1",
             example("masonry_wall_interior_insulation")});
    QCOMPARE(checked.exitCode, 0);
    const QString outChecked = QString::fromUtf8(checked.out);
    QVERIFY(outChecked.contains("Temperature factor f_Rsi:"));
    QVERIFY(outChecked.contains("Check for drying reserve of 100"));
    QVERIFY(!out.contains("<font")); // rich text is reduced to plain text
}

void tst_Batch::pictures_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("vapour pressure svg") << QStringList{"--mode", "2", "--diagram"} << "d.svg"
                                         << QByteArray("<title>Vapour pressure diagram</title>");
    QTest::newRow("glaser diagram svg") << QStringList{"--mode", "4", "--diagram"} << "d.svg"
                                        << QByteArray("<title>Glaser diagram</title>");
    QTest::newRow("moisture content svg, the default mode")
        << QStringList{"--diagram"} << "d.svg"
        << QByteArray("<title>Water content diagram</title>");
    QTest::newRow("sketch svg") << QStringList{"--sketch"} << "s.svg"
                                << QByteArray("<title>Construction Sketch</title>");
    QTest::newRow("diagram png") << QStringList{"--diagram"} << "d.png" << QByteArray("\x89PNG");
    QTest::newRow("sketch jpg") << QStringList{"--sketch"} << "s.jpg" << QByteArray("\xFF\xD8\xFF");
    QTest::newRow("diagram pdf") << QStringList{"--diagram="} << "d.pdf" << QByteArray("%PDF");
}

void tst_Batch::pictures()
{
    QFETCH(QStringList, options);
    QFETCH(QString, file);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    QStringList args = options;
    if (args.last().endsWith(QLatin1Char('=')))
        args.last() += path;
    else
        args << path;
    // no display and no platform named: the tool must find its way without one
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    qunsetenv("QT_QPA_PLATFORM");
    const Run r = run(args << example("timber_frame_wall"));
    qputenv("QT_QPA_PLATFORM", platform);
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.isEmpty());
    QFile picture(path);
    QVERIFY(picture.open(QIODevice::ReadOnly));
    const QByteArray content = picture.readAll();
    QVERIFY(expected.startsWith('<') ? content.contains(expected) : content.startsWith(expected));
    if (file.endsWith(QLatin1String(".svg")))
        QVERIFY(
            content.contains(QFileInfo(example("timber_frame_wall")).absoluteFilePath().toUtf8()));

    // a picture that cannot be written: status 1 with the reason
    const Run failed = run({"--sketch", dir.filePath(QStringLiteral("no/such/dir/s.png")),
                            example("timber_frame_wall")});
    QCOMPARE(failed.exitCode, 1);
    QVERIFY(failed.err.contains("s.png"));
}

void tst_Batch::noVerdictWithoutResult_data()
{
    // The ETICS wall made invalid (insulation of zero width) or wet on its inside surface
    // (100 % inside humidity), and a wall with condensate as the counterpart.
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("thermalEvaluated");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason");
    const QString fault = QStringLiteral(
        "Layer #3 (Expanded polystyrene EPS 035): width 0 m, must be greater than 0.");
    QTest::newRow("zero width") << "external_wall_etics"
                                << "<Layer index=\"2\" d=\"0.16\">"
                                << "<Layer index=\"2\" d=\"0\">" << 1 << false << fault
                                << "invalid input: " + fault;
    QTest::newRow("100 % inside humidity")
        << "external_wall_etics"
        << "rh_i=\"50\""
        << "rh_i=\"100\"" << 4 << true << QString() << "condensation on the inside surface";
    QTest::newRow("condensing wall") << "masonry_wall_interior_insulation" << QString() << QString()
                                     << -1 << true << QString() << QString();
}

void tst_Batch::noVerdictWithoutResult()
{
    QFETCH(QString, base);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, type);
    QFETCH(bool, thermalEvaluated);
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    QFile source(example(base));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(source.readAll());
    if (!from.isEmpty()) {
        QVERIFY(text.contains(from));
        text.replace(from, to);
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(base + ".m2p");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
    f.close();

    // The file loaded; without a verdict the exit status says so.
    const bool evaluated = reason.isEmpty();
    const Run json = run({"--json", "--set", "ReportSettings/FrsiCheck=true", "--set",
                          "ReportSettings/DryingReserve=0.1", file});
    QCOMPARE(json.exitCode, evaluated ? 0 : 3);
    const QJsonObject o = QJsonDocument::fromJson(json.out).object();
    if (type >= 0)
        QCOMPARE(o.value("type").toInt(), type);
    else
        QVERIFY(o.value("type").toInt() >= 9);
    QCOMPARE(o.value("input_fault").toString(), fault);
    QCOMPARE(o.value("input_fault").isNull(), fault.isEmpty());
    const QJsonObject criteria = o.value("criteria").toObject();
    QCOMPARE(criteria.value("evaluated").toBool(!evaluated), evaluated);
    for (const char *key : {"mass_met", "drying_time_met"})
        QVERIFY2(criteria.value(key).isBool() == evaluated, key);
    QVERIFY(criteria.value("mass_limit").isDouble());
    QCOMPARE(o.value("min_heat_resistance").toObject().value("fulfilled").isBool(),
             thermalEvaluated);
    QCOMPARE(o.value("frsi").toObject().value("fulfilled").isBool(), thermalEvaluated);

    const Run plain = run({"--set", "ReportSettings/FrsiCheck=true", "--set",
                           "ReportSettings/DryingReserve=0.1", file});
    QCOMPARE(plain.exitCode, evaluated ? 0 : 3);
    const QString out = QString::fromUtf8(plain.out);
    // the moisture-storage block (the first), then the Glaser block
    const QString din = out.section(QStringLiteral("Check according DIN 4108-3"), 1, 1);
    const QString glaser = out.section(QStringLiteral("Check according DIN 4108-3"), 2)
                               .section(QStringLiteral("Minimum thermal protection"), 0, 0);
    QVERIFY(!din.isEmpty());
    QVERIFY(glaser.contains("Glaser scheme"));
    if (evaluated) {
        QVERIFY(!din.contains("not evaluated"));
        QVERIFY(din.contains("fulfilled"));
    } else {
        // every DIN 4108-3 / 68800-2 row says why it has no verdict, none says "fulfilled"
        const QString notEvaluated = "not evaluated (" + reason + ")";
        QCOMPARE(din.count(notEvaluated), 3); // mass, drying time, drying reserve
        QVERIFY(!din.contains(QRegularExpression("\\bfulfilled")));
        // the Glaser scheme stopped for the same reason: mass and drying time, no reserve
        QCOMPARE(glaser.count(notEvaluated), 2);
        QVERIFY(!glaser.contains(QRegularExpression("\\bfulfilled")));
    }
    if (!fault.isEmpty()) // the reason of the invalid input stands beside the result
        QVERIFY2(out.contains("Invalid input!\n    " + fault), qPrintable(out));
}

void tst_Batch::referenceCases_data()
{
    QTest::addColumn<QString>("name");
    const QDir dir(TestSupport::dataFile("reference-cases"));
    const QStringList files = dir.entryList({"*.m2p"}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 70);
    for (const QString &f : files)
        QTest::newRow(qPrintable(f)) << QFileInfo(f).completeBaseName();
}

QJsonObject tst_Batch::runReferenceCase(const QString &name, QJsonObject *expected) const
{
    const QString base = TestSupport::dataFile("reference-cases/" + name);
    QFile argsFile(base + ".args");
    QFile expectedFile(base + ".expected.json");
    if (!argsFile.open(QIODevice::ReadOnly | QIODevice::Text) ||
        !expectedFile.open(QIODevice::ReadOnly))
        return QJsonObject();
    *expected = QJsonDocument::fromJson(expectedFile.readAll()).object();
    const auto earlier = m_referenceRuns.constFind(name);
    if (earlier != m_referenceRuns.constEnd())
        return *earlier;
    QStringList args{"--json"};
    args +=
        QString::fromUtf8(argsFile.readAll()).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    args << base + ".m2p";
    const Run r = run(args);
    // A case whose calculation gives nothing to judge loads, but says so by its exit status.
    const bool evaluated = expected->value("criteria").toObject().value("evaluated").toBool();
    if (r.exitCode != (evaluated ? 0 : 3))
        return QJsonObject();
    const QJsonObject output = QJsonDocument::fromJson(r.out).object();
    m_referenceRuns.insert(name, output);
    return output;
}

void tst_Batch::referenceCases()
{
    // Each case as its README says: mirelo2-batch --json $(cat NAME.args) NAME.m2p. The core
    // tests compare every field; here the whole chain (options, settings, reader, engine, JSON
    // numbers) is checked on the exact fields and the totals. The verdicts are checked by
    // referenceCriteria().
    QFETCH(QString, name);
    QJsonObject expected;
    const QJsonObject o = runReferenceCase(name, &expected);
    QVERIFY(!o.isEmpty());
    const QJsonObject e = expected.value("results").toObject();
    QCOMPARE(o.value("status").toInt(-1), expected.value("status").toInt());
    QCOMPARE(o.value("messages").toArray(), expected.value("messages").toArray());
    QCOMPARE(o.value("result_text").toString(), expected.value("result_text").toString());
    for (const char *key : {"type", "typeGlaser", "kFirst", "kLast"})
        QCOMPARE(o.value(key).toInt(), e.value(key).toInt());
    QCOMPARE(o.value("kPlanes").toArray(), e.value("kPlanes").toArray());
    QCOMPARE(o.value("kPlanesGlaser").toArray(), e.value("kPlanesGlaser").toArray());
    M2_COMPARE_REL(number(o.value("d_total")), number(e.value("d_total")), 1e-12);
    M2_COMPARE_REL(number(o.value("R_T")), number(e.value("R_T")), 1e-12);
    M2_COMPARE_REL(number(o.value("U_ISO")), number(expected.value("U_ISO")), 1e-12);
    M2_COMPARE_REL(number(o.value("m_c_Glaser")), number(e.value("m_c_Glaser")), 1e-12);
    M2_COMPARE_REL(number(o.value("m_cond")), number(e.value("m_cond")), 1e-9);
    M2_COMPARE_REL(number(o.value("t_ev")), number(e.value("t_ev")), 1e-9);
    M2_COMPARE_REL(number(o.value("U_moist")), number(e.value("U_moist")), 1e-9);
    const QJsonArray rliq = o.value("R_liq").toArray();
    const QJsonArray rliqExpected = e.value("R_liq").toArray();
    QCOMPARE(rliq.size(), rliqExpected.size());
    for (int i = 0; i < rliq.size(); ++i) // non-finite numbers are written as strings
        M2_COMPARE_REL(number(rliq[i]), number(rliqExpected[i]), 1e-12);
}

void tst_Batch::referenceCriteria_data()
{
    referenceCases_data();
}

void tst_Batch::referenceCriteria()
{
    QFETCH(QString, name);
    QJsonObject expected;
    const QJsonObject o = runReferenceCase(name, &expected);
    QVERIFY(!o.isEmpty());

    // The DIN 4108-3 / 68800-2 / 4108-2 verdicts with the settings of the case.
    for (const char *group : {"criteria", "min_heat_resistance", "frsi"}) {
        const QJsonObject actual = o.value(group).toObject();
        const QJsonObject wanted = expected.value(group).toObject();
        QCOMPARE(actual.keys(), wanted.keys());
        for (const QString &key : wanted.keys()) {
            const QJsonValue a = actual.value(key), w = wanted.value(key);
            if (w.isDouble() && a.isDouble()) {
                QString m;
                if (!TestSupport::fuzzyEqual(a.toDouble(), w.toDouble(), 1e-12, &m))
                    QFAIL(qPrintable(QStringLiteral("%1.%2: ").arg(group, key) + m));
            } else if (a != w) {
                QFAIL(qPrintable(
                    QStringLiteral("%1.%2: %3, expected %4")
                        .arg(group, key,
                             QString::fromUtf8(
                                 QJsonDocument(QJsonArray{a}).toJson(QJsonDocument::Compact)),
                             QString::fromUtf8(
                                 QJsonDocument(QJsonArray{w}).toJson(QJsonDocument::Compact)))));
            }
        }
    }

    // The same DIN 4108-3 rules on the Glaser figures of the run, in a record of the same shape.
    const QJsonObject glaser = o.value("criteria_glaser").toObject();
    const QJsonObject storage = o.value("criteria").toObject();
    QCOMPARE(glaser.keys(), storage.keys());
    for (const char *key : {"standard", "aw_limit", "heading", "note"})
        QCOMPARE(glaser.value(key), storage.value(key));
    const int typeGlaser = o.value("typeGlaser").toInt();
    const double M_c = number(o.value("m_c_Glaser"));
    const double t_ev = number(o.value("t_ev_Glaser"));
    const bool evaluated = typeGlaser >= 6 && std::isfinite(M_c) && std::isfinite(t_ev) && M_c >= 0;
    QCOMPARE(glaser.value("evaluated").toBool(), evaluated);
    if (evaluated) {
        QCOMPARE(glaser.value("mass_met").toBool(), M_c < glaser.value("mass_limit").toDouble());
        QCOMPARE(glaser.value("drying_time_met").toBool(), t_ev >= 0 && t_ev / 86400 < 90);
    } else {
        QVERIFY(glaser.value("mass_met").isNull());
        QVERIFY(glaser.value("drying_time_met").isNull());
    }
    // the drying reserve stays with the moisture-storage method
    QVERIFY(!glaser.value("drying_reserve_evaluated").toBool(true));
    QVERIFY(glaser.value("drying_reserve_met").isNull());
}

void tst_Batch::glaserCriteria()
{
    // The interior insulation of the masonry example: more Glaser condensate than the mass
    // limit admits, so the Glaser verdict fails whatever the moisture-storage method says.
    const Run json = run({"--json", example("masonry_wall_interior_insulation")});
    QCOMPARE(json.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(json.out).object();
    QVERIFY(o.contains("criteria_glaser"));
    const QJsonObject glaser = o.value("criteria_glaser").toObject();
    QVERIFY(glaser.value("evaluated").toBool());
    QVERIFY(number(o.value("m_c_Glaser")) > glaser.value("mass_limit").toDouble());
    QCOMPARE(glaser.value("mass_met").toBool(true), false);
    QCOMPARE(o.value("criteria").toObject().value("mass_met").toBool(),
             number(o.value("m_cond")) <
                 o.value("criteria").toObject().value("mass_limit").toDouble());

    // The text names the basis of each block; the Glaser block has its own verdicts.
    const Run text = run({example("masonry_wall_interior_insulation")});
    QCOMPARE(text.exitCode, 0);
    const QString out = QString::fromUtf8(text.out);
    QVERIFY2(out.contains(QRegularExpression("Basis: +moisture storage method\n")),
             qPrintable(out));
    const QString glaserBlock = out.section(QRegularExpression("Basis: +Glaser scheme\n"), 1)
                                    .section(QStringLiteral("Minimum thermal protection"), 0, 0);
    QVERIFY2(!glaserBlock.isEmpty(), qPrintable(out));
    const QString massRow = glaserBlock.section('\n', 0, 0);
    QVERIFY2(massRow.contains(QStringLiteral("M_c %1 kg/m2")
                                  .arg(QString::number(number(o.value("m_c_Glaser")), 'f', 3))) &&
                 massRow.contains(
                     QStringLiteral("limit %1 kg/m2")
                         .arg(QString::number(glaser.value("mass_limit").toDouble(), 'f', 3))) &&
                 massRow.endsWith("not fulfilled"),
             qPrintable(massRow));
    QVERIFY(glaserBlock.contains("Drying time in summer tev < 90d:"));
    QVERIFY(!glaserBlock.contains("drying reserve"));

    // A dry construction passes on both bases.
    const Run dry = run({"--json", example("external_wall_etics")});
    const QJsonObject d = QJsonDocument::fromJson(dry.out).object();
    QCOMPARE(d.value("criteria_glaser").toObject().value("mass_met").toBool(), true);
    QCOMPARE(d.value("criteria_glaser").toObject().value("drying_time_met").toBool(), true);
}

/*  The timber-frame wall of the core tests (gypsum 12.5 mm λ 0.25, panel 13 mm λ 0.13, mineral
    wool 156 mm λ 0.039 with 15 % studs λ 0.13, fibre board 40 mm λ 0.05; horizontal heat flow)
    has R'_T = 4.335182, R''_T = 4.082963, R_T = 4.209073, U = 0.237582 and e = 3.0 %; its
    field section U = 1/5.12 = 0.195. */
void tst_Batch::limitsOfInhomogeneousLayers()
{
    InputData input;
    input.insertLayer(0, MaterialLayer(plainMaterial("Gypsum board", 0.25, 6, Qt::white), 0.0125));
    input.insertLayer(1, MaterialLayer(plainMaterial("Panel", 0.13, 6, Qt::yellow), 0.013));
    MaterialLayer wool(plainMaterial("Mineral wool", 0.039, 5, Qt::green), 0.156);
    wool.m_bridge = LayerBridge::fromWidthAndSpacing(plainMaterial("Stud", 0.13, 7, Qt::red),
                                                     0.09375, 0.625); // 15 %
    input.insertLayer(2, wool);
    input.insertLayer(3, MaterialLayer(plainMaterial("Fibre board", 0.05, 6, Qt::gray), 0.04));
    const QString file = m_home.filePath(QStringLiteral("studs.m2p"));
    QString message;
    QVERIFY2(ProjectFile::save(file, input, ProjectInformation(), &message), qPrintable(message));

    const Run text = run({file});
    QCOMPARE(text.exitCode, 0);
    const QString out = QString::fromUtf8(text.out);
    QVERIFY2(out.contains(QRegularExpression(
                 QStringLiteral("U-value \\(ISO 6946, inhomogeneous layers\\): +0\\.238 "))),
             qPrintable(out));
    QVERIFY(out.contains(QRegularExpression(QStringLiteral("Upper limit R'T: +4\\.335 m2K/W"))));
    QVERIFY(out.contains(QRegularExpression(QStringLiteral("Lower limit R''T: +4\\.083 m2K/W"))));
    QVERIFY(out.contains(QRegularExpression(QStringLiteral("Relative error e: +3\\.0 %"))));
    QVERIFY(out.contains(QRegularExpression(
        QStringLiteral("U-value of the field section \\(ISO 6946\\): +0\\.195"))));
    QVERIFY(out.contains(QStringLiteral("+ Stud, 15.0 % (93.8 mm at 625.0 mm)")));
    QVERIFY(out.contains(QStringLiteral("field section")));

    const Run json = run({QStringLiteral("--json"), file});
    QCOMPARE(json.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(json.out).object();
    const QJsonObject limits = o.value(QStringLiteral("inhomogeneous")).toObject();
    M2_COMPARE_REL(number(limits.value(QStringLiteral("R_upper"))), 4.335182, 1e-6);
    M2_COMPARE_REL(number(limits.value(QStringLiteral("R_lower"))), 4.082963, 1e-6);
    M2_COMPARE_REL(number(limits.value(QStringLiteral("R_T"))), 4.209073, 1e-6);
    QVERIFY(limits.value(QStringLiteral("valid")).toBool());
    M2_COMPARE_REL(number(o.value(QStringLiteral("U_ISO"))), 0.237582, 1e-5);
    M2_COMPARE_REL(number(o.value(QStringLiteral("U_field"))), 1 / 5.12, 1e-12);

    // the examples, without second materials, print neither
    const Run plain = run({QStringLiteral("--json"), example("external_wall_etics")});
    const QJsonObject p = QJsonDocument::fromJson(plain.out).object();
    QVERIFY(!p.contains(QStringLiteral("inhomogeneous")));
    QVERIFY(!p.contains(QStringLiteral("U_field")));
}

M2_TEST_GUILESS_MAIN(tst_Batch)
#include "tst_Batch.moc"
