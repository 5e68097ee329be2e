#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include "CatalogueCsv.h"
#include "TestMain.h"
#include "model/Material.h"
#include "model/MoistStorageValidator.h"

/*  The shipped material catalogue row by row: every figure has a named origin, estimated figures
    are explained, values lie in their physical ranges and satisfy the program's validity and
    moisture-storage rules, ids are unique and stable, and every category and the common
    product classes are present. */
class tst_MaterialCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void row_data();
    void row();
    void idsUniqueAndStable();
    void categoryCovered_data();
    void categoryCovered();
    void productClassPresent_data();
    void productClassPresent();

private:
    QString at(const QStringList &row, const char *name) const
    {
        return CatalogueCsv::field(m_header, row, name);
    }
    QList<QStringList> m_rows; // without the header
    QStringList m_header;
};

void tst_MaterialCatalogue::initTestCase()
{
    m_rows = CatalogueCsv::read(CatalogueCsv::sourcePath());
    QVERIFY(!m_rows.isEmpty());
    m_header = m_rows.takeFirst();
    QVERIFY(m_rows.size() >= 250);
}

void tst_MaterialCatalogue::row_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < m_rows.size(); ++i)
        QTest::newRow(qPrintable(at(m_rows[i], "id") + QLatin1Char(' ') + at(m_rows[i], "name_en")))
            << i;
}

namespace {

/*! The source column as "fields: origin" parts separated by ';' outside parentheses; returns
    the origin of each named field ("all values" names every field). An unreadable part is
    reported through ok. */
QHash<QString, QString> originsOf(const QString &source, bool &ok)
{
    QStringList parts;
    QString part;
    int depth = 0;
    for (const QChar c : source) {
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        if (c == QLatin1Char(';') && depth == 0) {
            parts << part;
            part.clear();
        } else {
            part += c;
        }
    }
    parts << part;
    ok = depth == 0;
    static const QRegularExpression keyed(
        QStringLiteral("^\\s*([A-Za-z_0-9]+(?:,[A-Za-z_0-9]+)*|all values): (.+)$"),
        QRegularExpression::DotMatchesEverythingOption);
    QHash<QString, QString> origins;
    for (const QString &p : parts) {
        const QRegularExpressionMatch m = keyed.match(p);
        if (!m.hasMatch()) {
            ok = false;
            continue;
        }
        const QStringList fields = m.captured(1) == QLatin1String("all values")
                                       ? QStringList{"rho", "lambda", "mu", "w_80", "w_sat", "A_w"}
                                       : m.captured(1).split(QLatin1Char(','));
        for (const QString &f : fields)
            if (!origins.contains(f)) // the first origin named for a field is its origin
                origins.insert(f, m.captured(2).trimmed());
    }
    return origins;
}

} // namespace

void tst_MaterialCatalogue::row()
{
    QFETCH(int, index);
    const QStringList &r = m_rows[index];
    // sd_summer, the last column, is left off by every material with one sd-value.
    QVERIFY(r.size() == m_header.size() ||
            (r.size() == m_header.size() - 1 && m_header.last() == QLatin1String("sd_summer")));

    for (const char *name : {"name_en", "name_de", "name_pl"})
        QVERIFY2(!at(r, name).trimmed().isEmpty(), name);

    auto number = [&](const char *name) {
        bool ok = false;
        const double v = at(r, name).toDouble(&ok);
        if (!ok)
            QTest::qFail(qPrintable(QStringLiteral("'%1' is not a number").arg(name)), __FILE__,
                         __LINE__);
        return v;
    };
    const double rho = number("rho"), lambda = number("lambda"), mu = number("mu");
    const double w80 = number("w_80"), wsat = number("w_sat"), Aw = number("A_w");
    const double sd = at(r, "sd_value").isEmpty() ? 0 : number("sd_value");
    const int category = at(r, "category").toInt();
    const QStringList flags = at(r, "flags").split(QLatin1Char(' '), Qt::SkipEmptyParts);

    // Every figure has an origin; an estimated one is explained in the notes.
    bool readable = false;
    QHash<QString, QString> origins = originsOf(at(r, "source"), readable);
    QVERIFY2(readable, qPrintable(at(r, "source")));
    if (sd > 0 && !origins.contains(QStringLiteral("mu")))
        origins.insert(QStringLiteral("mu"), origins.value(QStringLiteral("sd")));
    for (const char *f : {"rho", "lambda", "mu", "w_80", "w_sat", "A_w"}) {
        const QString origin = origins.value(QLatin1String(f));
        QVERIFY2(!origin.isEmpty(), qPrintable(QStringLiteral("no origin for %1").arg(f)));
        if (origin.startsWith(QLatin1String("estimate"))) {
            QVERIFY2(origin.startsWith(QLatin1String("estimated")), qPrintable(origin));
            QVERIFY2(at(r, "notes").contains(QLatin1String("estimat")),
                     qPrintable(QStringLiteral("%1 estimated without explanation").arg(f)));
        }
    }

    // Physical ranges: from aerogel and vacuum panels to copper, from open fibres to metal.
    QVERIFY2(rho >= 5 && rho <= 9000, qPrintable(QString::number(rho)));
    QVERIFY2(lambda >= 0.004 && lambda <= 400, qPrintable(QString::number(lambda)));
    QVERIFY2(mu >= 1 && mu <= 1e7, qPrintable(QString::number(mu)));
    QVERIFY2(Aw >= 0 && Aw <= 2, qPrintable(QString::number(Aw)));
    // Water fills at most the pore space: the solid matrix of building materials is at most
    // ~3000 kg/m³ dense; metals are non-porous.
    const double porosityBound = rho < 3000 ? 1 - rho / 3000 : 0.01;
    QVERIFY2(wsat <= porosityBound,
             qPrintable(QStringLiteral("w_sat %1 > %2").arg(wsat).arg(porosityBound)));
    if (category == 5)
        QVERIFY2(lambda <= 0.1, "an insulation material conducts at most 0.1 W/(m K)");

    // The program's rules: a valid material, a pair the moisture-storage method accepts.
    Material m(at(r, "name_en"), category, QString(), QString(), QString(), QString(), rho, lambda,
               mu, w80, wsat, Aw, at(r, "id").toInt());
    QVERIFY(m.isValid());
    QCOMPARE(MoistStorageValidator::checkPair(w80, wsat), int(MoistStorageValidator::Acceptable));

    // A material given by its sd-value is a thin layer of sd/mu metres (0.01 to 10 mm).
    if (sd > 0) {
        const double d = sd / mu;
        QVERIFY2(d >= 1e-5 && d <= 0.01, qPrintable(QStringLiteral("thickness %1 m").arg(d)));
        QVERIFY(category == 0 || category == 11);
    }
    if (flags.contains(QStringLiteral("foil")))
        QVERIFY2(sd > 0, "a foil is given by its sd-value");
    if (flags.contains(QStringLiteral("wood")))
        QVERIFY(category == 7 || category == 10);
}

void tst_MaterialCatalogue::idsUniqueAndStable()
{
    QSet<int> ids;
    for (const QStringList &r : qAsConst(m_rows)) {
        bool ok = false;
        const int id = at(r, "id").toInt(&ok);
        QVERIFY(ok);
        QVERIFY2(!ids.contains(id), qPrintable(QString::number(id)));
        ids.insert(id);
    }
    // The ids shipped before stay: projects and stored constructions refer to them.
    const int shipped[] = {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 493,  1011, 1012,
                           1013, 1014, 1015, 1016, 1020, 1021, 1022, 1030, 1031, 1032, 1033,
                           1034, 282,  1041, 1042, 1043, 1044, 1045, 1046, 1047, 1048, 1049,
                           1050, 1051, 1052, 1053, 1054, 1055, 1060, 1061, 1062, 1063, 1064,
                           1065, 1066, 1067, 1070, 1071, 1080, 1081, 1082, 1090, 1091, 1092,
                           1093, 1094, 1095, 1096, 1097, 1098, 1100, 1101, 1102};
    for (int id : shipped)
        QVERIFY2(ids.contains(id), qPrintable(QString::number(id)));
}

void tst_MaterialCatalogue::categoryCovered_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("atLeast");
    const int atLeast[13] = {5, 20, 40, 10, 10, 60, 20, 8, 5, 5, 15, 20, 5};
    for (int c = 0; c <= 12; ++c)
        QTest::newRow(qPrintable(QStringLiteral("category %1").arg(c))) << c << atLeast[c];
}

void tst_MaterialCatalogue::categoryCovered()
{
    QFETCH(int, category);
    QFETCH(int, atLeast);
    int n = 0;
    for (const QStringList &r : qAsConst(m_rows))
        n += at(r, "category").toInt() == category;
    QVERIFY2(n >= atLeast, qPrintable(QStringLiteral("%1 materials").arg(n)));
}

void tst_MaterialCatalogue::productClassPresent_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("pattern"); // in the English name
    QTest::addColumn<int>("atLeast");
    const struct
    {
        const char *tag;
        int category;
        const char *pattern;
        int atLeast;
    } classes[] = {
        {"gypsum plaster", 1, "Gypsum", 2},
        {"lime plaster", 1, "Lime", 2},
        {"render", 1, "render", 3},
        {"screed", 1, "screed", 3},
        {"solid clay brick by density", 2, "Solid clay brick", 5},
        {"perforated brick by density", 2, "perforated brick", 5},
        {"calcium silicate by density", 2, "Calcium silicate", 6},
        {"aerated concrete by density", 2, "aerated concrete", 8},
        {"lightweight concrete blocks", 2, "Lightweight concrete block", 5},
        {"natural stone", 3, ".", 10},
        {"concrete", 4, "[Cc]oncrete", 8},
        {"EPS classes", 5, "EPS", 6},
        {"XPS classes", 5, "XPS", 5},
        {"mineral wool", 5, "(Stone|Glass|Mineral) wool", 8},
        {"wood fibre", 5, "Wood fibre", 6},
        {"cellulose", 5, "Cellulose", 2},
        {"hemp", 5, "Hemp", 1},
        {"flax", 5, "Flax", 1},
        {"cork", 5, "cork", 2},
        {"PUR/PIR", 5, "PUR|PIR|[Pp]olyurethane", 4},
        {"phenolic", 5, "Phenolic", 2},
        {"foam glass", 5, "[Cc]ellular glass|[Ff]oam glass", 3},
        {"perlite", 5, "[Pp]erlite", 3},
        {"vacuum panel", 5, "Vacuum insulation panel", 2},
        {"gypsum boards", 6, "Gypsum", 4},
        {"gypsum fibre", 6, "Gypsum fibre", 1},
        {"OSB", 6, "OSB", 2},
        {"particleboard", 6, "Particleboard", 2},
        {"MDF", 6, "MDF", 2},
        {"plywood", 6, "Plywood", 3},
        {"soft fibreboard", 6, "[Ss]oft fibreboard", 1},
        {"cement-bonded", 6, "[Cc]ement", 2},
        {"softwood", 7, "Softwood", 2},
        {"hardwood", 7, "Hardwood|Oak", 2},
        {"glulam", 7, "glulam", 1},
        {"PE foils", 11, "PE ", 3},
        {"polyamide", 11, "polyamide", 2},
        {"bitumen", 11, "[Bb]itumen", 4},
        {"breather membranes", 11, "[Bb]reather|diffusion-open", 3},
        {"EPDM", 11, "EPDM", 1},
        {"humidity-variable retarders", 11, "Humidity-variable", 4},
        {"tiles", 10, "tiles", 4},
        {"cladding", 10, "cladding", 3},
        {"soils", 9, "Soil|soil|Sand|rock", 5},
    };
    for (const auto &c : classes)
        QTest::newRow(c.tag) << c.category << QString::fromLatin1(c.pattern) << c.atLeast;
}

void tst_MaterialCatalogue::productClassPresent()
{
    QFETCH(int, category);
    QFETCH(QString, pattern);
    QFETCH(int, atLeast);
    const QRegularExpression re(pattern);
    QVERIFY(re.isValid());
    int n = 0;
    for (const QStringList &r : qAsConst(m_rows))
        n += at(r, "category").toInt() == category && re.match(at(r, "name_en")).hasMatch();
    QVERIFY2(n >= atLeast, qPrintable(QStringLiteral("%1 found").arg(n)));
}

M2_TEST_GUILESS_MAIN(tst_MaterialCatalogue)
#include "tst_MaterialCatalogue.moc"
