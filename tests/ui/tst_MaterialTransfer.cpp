#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

#include "TestSupport.h"
#include "qtext/FieldMessageLine.h"
#include "qtext/ValidatingLineEdit.h"
#include "ui/database/MaterialEditDialog.h"
#include "ui/database/MaterialTransfer.h"

/*  The adapter between the program's material and the QtExt material table (texts, category,
    values at width 0, number formats) and the edit dialog of user materials. */
class tst_MaterialTransfer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void formats_data();
    void formats();
    void adapter();
    void description();
    void editDialogValidity_data();
    void editDialogValidity();
    void editDialogRoundTrip();
    void editDialogNotesUnusualValues();
};

void tst_MaterialTransfer::formats_data()
{
    QTest::addColumn<int>("property");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("rho small") << 7 << 1.23 << "1.23";
    QTest::newRow("rho") << 7 << 1800.4 << "1800";
    QTest::newRow("rho, no group separator") << 7 << 12345.0 << "12345";
    QTest::newRow("temperature") << 8 << 20.04 << "20.0";
    QTest::newRow("lambda") << 9 << 0.035 << "0.035";
    QTest::newRow("lambda tiny") << 9 << 0.0051 << "0.00510";
    QTest::newRow("lambda large") << 9 << 58.0 << "58";
    QTest::newRow("mu below 1") << 10 << 0.2 << "0.2";
    QTest::newRow("mu") << 10 << 1.0 << "1.0";
    QTest::newRow("mu tens") << 10 << 80.0 << "80";
    QTest::newRow("mu foil") << 10 << 100000.0 << "1.0e+05";
    QTest::newRow("thousandths") << 11 << 0.0031 << "3.1000";
    QTest::newRow("thousandths, tiny") << 12 << 0.0000001 << "1.00e-04";
    QTest::newRow("small value, exponent") << 13 << 0.0017 << "1.70e-03";
    QTest::newRow("small value") << 13 << 0.18 << "0.1800";
    QTest::newRow("sd") << 14 << 2.5 << "2.5";
    QTest::newRow("sd large") << 14 << 100.0 << "100";
    QTest::newRow("other") << 3 << 1.0 << "";
}

void tst_MaterialTransfer::formats()
{
    QFETCH(int, property);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(MaterialTransfer::formatValue(property, value), text);
}

void tst_MaterialTransfer::adapter()
{
    Material m(QStringLiteral("Gap"), 13, QString(), QStringLiteral("P"), QStringLiteral("Q"),
               QStringLiteral("R"), 1.23, 0.025, 7, 0.00001, 1, 0.5, 4711);
    m.m_flags.insert(Material::F_Air);
    const MaterialTransfer t(m, 3, MaterialTransfer::UserMaterial);
    QCOMPARE(t.identifier(), 3);
    QCOMPARE(t.sourceCode(), int(MaterialTransfer::UserMaterial));
    QCOMPARE(t.category(), 12); // "Unknown" shows as "Miscellaneous"
    QCOMPARE(t.lambda(), 0.025);
    QCOMPARE(t.mu(), 1.0); // an air layer of width 0
    QCOMPARE(t.materialId(), 4711);
    QCOMPARE(t.propertyMask(), 7);
    QCOMPARE(t.productName(), QStringLiteral("P"));
    QCOMPARE(t.formatted(QtExt::MaterialBase::P_Rho, t.rho()), QStringLiteral("1.23"));
    m.m_A_w = 0;
    m.m_flags.clear();
    const MaterialTransfer plain(m, 0, MaterialTransfer::DatabaseMaterial);
    QCOMPARE(plain.propertyMask(), 3);
    QCOMPARE(plain.mu(), 7.0);
}

void tst_MaterialTransfer::description()
{
    Material m;
    m.m_dataSource = QStringLiteral("Lab");
    m.m_notes = QStringLiteral("dry");
    m.m_flags = {Material::F_Wood, Material::F_WoodBased};
    m.m_measuringDate = QDate(2021, 3, 9);
    m.m_samplingDate = QDate(2020, 11, 1);
    const MaterialTransfer t(m, 0, 0);
    QCOMPARE(t.description(), QStringLiteral("Data source: Lab\nNotes: dry\nWood\nWood based\n"
                                             "Measuring date: 03 2021\nSampling date: 11 2020\n"));
    QCOMPARE(MaterialTransfer(Material(), 0, 0).description(), QString());
}

void tst_MaterialTransfer::editDialogValidity_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lambda");
    QTest::addColumn<QString>("w80");
    QTest::addColumn<QString>("wsat");
    QTest::addColumn<bool>("acceptable");
    QTest::newRow("valid") << "Board"
                           << "0.13"
                           << "0.02"
                           << "0.5" << true;
    QTest::newRow("no name") << ""
                             << "0.13"
                             << "0.02"
                             << "0.5" << false;
    QTest::newRow("lambda zero") << "Board"
                                 << "0"
                                 << "0.02"
                                 << "0.5" << false;
    QTest::newRow("lambda text") << "Board"
                                 << "abc"
                                 << "0.02"
                                 << "0.5" << false;
    QTest::newRow("w_80 above w_sat") << "Board"
                                      << "0.13"
                                      << "0.6"
                                      << "0.5" << false;
    QTest::newRow("w_sat above 1") << "Board"
                                   << "0.13"
                                   << "0.02"
                                   << "1.2" << false;
    QTest::newRow("w_80 zero") << "Board"
                               << "0.13"
                               << "0"
                               << "0.5" << false;
}

void tst_MaterialTransfer::editDialogValidity()
{
    QFETCH(QString, name);
    QFETCH(QString, lambda);
    QFETCH(QString, w80);
    QFETCH(QString, wsat);
    QFETCH(bool, acceptable);
    MaterialEditDialog dialog;
    dialog.setMaterial(Material(QStringLiteral("Start"), 6, QString(), QString(), QString(),
                                QString(), 600, 0.1, 20, 0.01, 0.4, 0.01, 40000));
    QVERIFY(dialog.isAcceptable());
    dialog.nameEdit()->setText(name);
    dialog.lambdaEdit()->setText(lambda);
    dialog.wSatEdit()->setText(wsat);
    dialog.w80Edit()->setText(w80);
    QCOMPARE(dialog.isAcceptable(), acceptable);
    QCOMPARE(dialog.buttonBox()->button(QDialogButtonBox::Ok)->isEnabled(), acceptable);
    if (acceptable)
        QVERIFY(dialog.material().isValid());
}

void tst_MaterialTransfer::editDialogRoundTrip()
{
    Material m(QStringLiteral("Cork"), 5, QStringLiteral("expanded"), QStringLiteral("C-1"),
               QStringLiteral("Cork Ltd"), QStringLiteral("sheet"), 110, 0.04, 10, 0.01, 0.5, 0.002,
               40001);
    m.m_color = QColor(150, 100, 50);
    m.m_sd_value = 0;
    m.m_mu_min = 5;
    m.m_mu_max = 15;
    m.setFlags(false, false, true, false);
    m.m_productionDate = QDate(2019, 5, 1);
    m.m_databaseInteger = 3;
    MaterialEditDialog dialog;
    dialog.setMaterial(m);
    const Material back = dialog.material();
    QCOMPARE(back, m);
    QCOMPARE(back.m_materialId, 40001);
    QCOMPARE(back.m_productionDate, m.m_productionDate);
    QVERIFY(!back.m_measuringDate.isValid());
    QVERIFY(back.isWoodBased());
    QCOMPARE(back.m_databaseInteger, std::optional<int>(3));
    // the category "Unknown" must be chosen anew before the material is acceptable
    m.m_category = 13;
    dialog.setMaterial(m);
    QVERIFY(!dialog.isAcceptable());
}

M2_TEST_MAIN(tst_MaterialTransfer)
void tst_MaterialTransfer::editDialogNotesUnusualValues()
{
    // the dialog marks what the layer editor marks, and a foil may be tight
    MaterialEditDialog dialog;
    Material m(QStringLiteral("Plaster"), 3, QString(), QString(), QString(), QString(), 1400, 0.7,
               15, 0.01, 0.3, 0.05, 40002);
    dialog.setMaterial(m);
    QVERIFY(dialog.noticeLine()->plainText().isEmpty());
    dialog.lambdaEdit()->setText(QStringLiteral("35"));
    QCOMPARE(dialog.lambdaEdit()->state(), QtExt::ValidatingLineEdit::State::Unusual);
    dialog.muEdit()->setText(QStringLiteral("5e6"));
    QCOMPARE(dialog.muEdit()->state(), QtExt::ValidatingLineEdit::State::Unusual);
    QCOMPARE(dialog.noticeLine()->plainText().count(QLatin1Char('\n')), 1); // two notes
    dialog.findChild<QCheckBox *>(QStringLiteral("checkBoxFoil"))->setChecked(true);
    QCOMPARE(dialog.muEdit()->state(), QtExt::ValidatingLineEdit::State::Valid);
    // an unusual value is still a valid one: the material can be stored
    QVERIFY(dialog.isAcceptable());
    QCOMPARE(dialog.material().m_lambda, 35.0);
}

#include "tst_MaterialTransfer.moc"
