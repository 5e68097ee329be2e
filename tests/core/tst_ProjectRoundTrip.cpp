// Load, save and load again, over every project file the tests and the program ship: old keyword
// projects, XML projects, the examples and the reference cases. What the first load made of a
// file must come back unchanged from the saved copy, and saving that copy again must write the
// identical bytes; otherwise every open-and-save cycle would drift a little further from the
// original.

#include "TestSupport.h"

#include "document/Project.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

/*! Every project file below dir (keyword texts, "mpj" and "m2p" files), sorted. */
QStringList projectFiles(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir,
                    {QStringLiteral("*.mpj"), QStringLiteral("*.m2p"), QStringLiteral("*.txt")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

/*! The first difference of two climate records in any value the calculation or the assessment
    reads, compared exactly (the record's own comparison allows 1e-4); empty when equal. */
QString climateDifference(const Climate &a, const Climate &b)
{
    const struct
    {
        const char *name;
        const ClimateCondition &x;
        const ClimateCondition &y;
    } conditions[] = {
        {"inside winter", a.insideWinter(), b.insideWinter()},
        {"inside summer", a.insideSummer(), b.insideSummer()},
        {"outside winter", a.outsideWinter(), b.outsideWinter()},
        {"outside summer", a.outsideSummer(), b.outsideSummer()},
    };
    for (const auto &c : conditions) {
        if (c.x.m_T != c.y.m_T || c.x.m_rh != c.y.m_rh || c.x.m_Rs != c.y.m_Rs)
            return QStringLiteral("%1: T %2/%3, rh %4/%5, Rs %6/%7")
                .arg(QLatin1String(c.name))
                .arg(c.x.m_T, 0, 'g', 17)
                .arg(c.y.m_T, 0, 'g', 17)
                .arg(c.x.m_rh, 0, 'g', 17)
                .arg(c.y.m_rh, 0, 'g', 17)
                .arg(c.x.m_Rs, 0, 'g', 17)
                .arg(c.y.m_Rs, 0, 'g', 17);
    }
    if (a.tT() != b.tT() || a.tT_summer() != b.tT_summer())
        return QStringLiteral("period lengths %1/%2, %3/%4")
            .arg(a.tT())
            .arg(b.tT())
            .arg(a.tT_summer())
            .arg(b.tT_summer());
    if (a.assessmentCondition() != b.assessmentCondition())
        return QStringLiteral("assessment condition %1/%2")
            .arg(a.assessmentCondition())
            .arg(b.assessmentCondition());
    return QString();
}

/*! The first difference of two layers in anything the file stores; empty when equal. */
QString layerDifference(const MaterialLayer &a, const MaterialLayer &b)
{
    if (!(a == b))
        return QStringLiteral("'%1' (%2) / '%3' (%4): values, texts or colour differ")
            .arg(a.m_name, a.m_color.name(), b.m_name, b.m_color.name());
    if (a.m_sd_value != b.m_sd_value || a.m_materialId != b.m_materialId || a.m_flags != b.m_flags)
        return QStringLiteral("'%1': sd-value, identifier or flags differ").arg(a.m_name);
    if (!a.m_color.isValid())
        return QStringLiteral("'%1' has no valid colour").arg(a.m_name);
    return QString();
}

} // namespace

class tst_ProjectRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void loadSaveLoad_data();
    void loadSaveLoad();

private:
    QTemporaryDir m_dir;
};

void tst_ProjectRoundTrip::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void tst_ProjectRoundTrip::loadSaveLoad_data()
{
    QTest::addColumn<QString>("file");
    const QString examples =
        QDir::cleanPath(TestSupport::dataDir() + QStringLiteral("/../../resources/examples"));
    QStringList files;
    for (const QString &dir : {TestSupport::dataFile(QStringLiteral("legacy")),
                               TestSupport::dataFile(QStringLiteral("projects")),
                               TestSupport::dataFile(QStringLiteral("reference-cases")), examples})
        files << projectFiles(dir);
    QVERIFY(files.size() >= 80);
    const QDir data(TestSupport::dataDir());
    for (const QString &f : files)
        QTest::newRow(qPrintable(f.startsWith(data.path()) ? data.relativeFilePath(f)
                                                           : QFileInfo(f).fileName()))
            << f;
}

void tst_ProjectRoundTrip::loadSaveLoad()
{
    QFETCH(QString, file);
    Project first;
    QString message;
    if (!first.load(file, &message))
        QSKIP(qPrintable(QStringLiteral("not a loadable project: ") + message));

    const QString saved = m_dir.filePath(QStringLiteral("first.m2p"));
    QVERIFY2(first.save(saved, &message), qPrintable(message));

    Project second;
    QVERIFY2(second.load(saved, &message), qPrintable(message));

    const InputData &a = first.inputData();
    const InputData &b = second.inputData();
    QCOMPARE(int(b.status()), int(a.status()));
    QCOMPARE(b.layerCount(), a.layerCount());
    for (int i = 0; i < a.layerCount(); ++i) {
        const QString difference = layerDifference(a.layer(i), b.layer(i));
        QVERIFY2(difference.isEmpty(),
                 qPrintable(QStringLiteral("layer %1: ").arg(i + 1) + difference));
        QCOMPARE(b.layer(i).m_width, a.layer(i).m_width);
    }
    const QString climate = climateDifference(a.climate(), b.climate());
    QVERIFY2(climate.isEmpty(), qPrintable(climate));
    QCOMPARE(b.climate().recogniseAssessmentCondition(),
             a.climate().recogniseAssessmentCondition());
    QVERIFY(b == a);
    QCOMPARE(second.projectInformation(), first.projectInformation());

    const QString again = m_dir.filePath(QStringLiteral("second.m2p"));
    QVERIFY2(second.save(again, &message), qPrintable(message));
    QCOMPARE(fileBytes(again), fileBytes(saved));
}

M2_TEST_GUILESS_MAIN(tst_ProjectRoundTrip)
#include "tst_ProjectRoundTrip.moc"
