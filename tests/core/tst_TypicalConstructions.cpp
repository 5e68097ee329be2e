#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "TestSupport.h"
#include "calculation/Calculation.h"
#include "calculation/ResultType.h"
#include "model/InputData.h"
#include "persistence/ConstructionList.h"

/*  The typical constructions a new construction database starts with, as the build ships them:
    at least twenty in each language, each described, each computing without an input error. */
class tst_TypicalConstructions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void freshDatabase_data();
    void freshDatabase();
    void languagesAgree();

private:
    static QString shippedDir()
    {
        return QStringLiteral(M2_BIN_DIR) + QStringLiteral("/resources/DB_constructions");
    }
    /*! The constructions a new user finds in the language. */
    static std::vector<Construction> fresh(const QString &lang);
};

void tst_TypicalConstructions::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    for (const char *lang : {"en", "de", "pl"})
        QVERIFY2(QFile::exists(
                     shippedDir() +
                     QStringLiteral("/TypicalConstructions_%1.constr").arg(QLatin1String(lang))),
                 "the build did not make the typical constructions");
}

std::vector<Construction> tst_TypicalConstructions::fresh(const QString &lang)
{
    QTemporaryDir home;
    ConstructionList list(lang, home.path());
    list.readOrAddTypical(shippedDir());
    // What was stored is what the next start reads.
    ConstructionList next(lang, home.path());
    next.read();
    std::vector<Construction> constructions;
    for (int i = 0; i < next.count(); ++i)
        constructions.push_back(next.construction(i));
    return constructions;
}

void tst_TypicalConstructions::freshDatabase_data()
{
    QTest::addColumn<QString>("lang");
    QTest::newRow("en") << QStringLiteral("en");
    QTest::newRow("de") << QStringLiteral("de");
    QTest::newRow("pl") << QStringLiteral("pl");
}

void tst_TypicalConstructions::freshDatabase()
{
    QFETCH(QString, lang);
    const std::vector<Construction> constructions = fresh(lang);
    QVERIFY(constructions.size() >= 20);
    QSet<QString> names;
    for (const Construction &c : constructions) {
        QVERIFY2(!names.contains(c.m_name), qPrintable(c.m_name));
        names.insert(c.m_name);
        // The note says where the construction is typical and what it shows.
        QVERIFY2(c.m_notes.size() >= 80, qPrintable(c.m_name));
        QVERIFY2(c.m_layers.size() >= 2, qPrintable(c.m_name));

        InputData input;
        for (const MaterialLayer &layer : c.m_layers)
            input.insertLayer(input.layerCount(), layer);
        QCOMPARE(input.validate(), InputStatus::Valid);
        // Every heat-flow direction: the list does not know whether it holds a wall, a roof
        // or a floor.
        for (HeatFlowDirection direction :
             {HeatFlowDirection::Horizontal, HeatFlowDirection::Upwards,
              HeatFlowDirection::Downwards}) {
            CalculationOptions options;
            options.heatFlowDirection = direction;
            const CalculationOutcome outcome = Calculation::calculate(input, options);
            const int type = outcome.results.type;
            QVERIFY2(type == ResultType::NoCondensation || ResultType::isCondensation(type),
                     qPrintable(QStringLiteral("%1: result type %2 %3")
                                    .arg(c.m_name)
                                    .arg(type)
                                    .arg(outcome.messages.join(QLatin1Char(' ')))));
            const double U = outcome.results.U_ISO(direction);
            QVERIFY2(U > 0.1 && U < 3, qPrintable(QStringLiteral("%1: U %2").arg(c.m_name).arg(U)));
        }
    }
}

void tst_TypicalConstructions::languagesAgree()
{
    // The three files hold the same constructions: same layers, widths and values.
    const std::vector<Construction> en = fresh(QStringLiteral("en"));
    for (const QString &lang : {QStringLiteral("de"), QStringLiteral("pl")}) {
        const std::vector<Construction> other = fresh(lang);
        QCOMPARE(other.size(), en.size());
        for (std::size_t i = 0; i < en.size(); ++i) {
            QCOMPARE(other[i].m_layers.size(), en[i].m_layers.size());
            QVERIFY(other[i].m_name != en[i].m_name || lang == QLatin1String("en"));
            for (std::size_t k = 0; k < en[i].m_layers.size(); ++k) {
                const MaterialLayer &a = en[i].m_layers[k], &b = other[i].m_layers[k];
                QCOMPARE(b.m_width, a.m_width);
                QCOMPARE(b.m_lambda, a.m_lambda);
                QCOMPARE(b.m_mu, a.m_mu);
                QCOMPARE(b.m_w_80, a.m_w_80);
                QCOMPARE(b.m_category, a.m_category);
            }
        }
    }
}

M2_TEST_GUILESS_MAIN(tst_TypicalConstructions)
#include "tst_TypicalConstructions.moc"
