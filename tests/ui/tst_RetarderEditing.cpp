// The summer sd-value of a humidity-variable vapour retarder in the layer editor, the undo
// command and the material dialog.

#include "TestMaterials.h"
#include "TestSupport.h"

#include "document/Project.h"
#include "qtext/ValidatingLineEdit.h"
#include "settings/Settings.h"
#include "ui/commands/M2_UndoLayerProperties.h"
#include "ui/database/MaterialEditDialog.h"
#include "ui/database/MaterialTransfer.h"
#include "ui/editors/MaterialEditWidget.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QUndoStack>

namespace {

Material retarder(double sdSummer)
{
    Material m = TestMaterials::material("PA retarder", 0.25, 13333, 0.0001, 0.001, 0.00001, 11);
    m.m_sd_value = 4;
    m.m_sd_summer = sdSummer;
    return m;
}

/*! Gypsum board, the retarder, mineral wool, OSB: condensate under the OSB in winter. */
InputData roof(double sdSummer)
{
    InputData input;
    input.insertLayer(
        0, MaterialLayer(TestMaterials::material("Gypsum board", 0.25, 8, 0.006, 0.4, 0.01, 6),
                         0.0125));
    input.insertLayer(1, MaterialLayer(retarder(sdSummer), 0.0003));
    input.insertLayer(
        2, MaterialLayer(TestMaterials::material("Mineral wool", 0.035, 1, 0.0001, 0.9, 0.00001, 5),
                         0.2));
    input.insertLayer(
        3, MaterialLayer(TestMaterials::material("OSB", 0.13, 200, 0.1, 0.45, 0.001, 6), 0.022));
    input.validate();
    return input;
}

void finishEditing(QtExt::ValidatingLineEdit *edit, const QString &text)
{
    edit->setText(text);
    edit->setModified(true);
    emit edit->editingFinished();
}

} // namespace

class tst_RetarderEditing : public QObject
{
    Q_OBJECT

private slots:
    void editorShowsAndEdits();
    void editorRefusesForOrdinaryLayer();
    void undoCommand();
    void dialogRoundTrip();
    void dialogNeedsSdValue_data();
    void dialogNeedsSdValue();
    void descriptionNamesBothValues();
};

void tst_RetarderEditing::editorShowsAndEdits()
{
    Project project;
    project.createNew(roof(0), ProjectInformation());
    QUndoStack stack;
    Settings settings;
    MaterialEditWidget editor(project, stack, settings);
    editor.setLayer(1);
    QtExt::ValidatingLineEdit *field = editor.sdSummerEdit();
    QVERIFY(field->isEnabled());
    QVERIFY(field->text().isEmpty()); // one sd-value
    finishEditing(field, QStringLiteral("0.5"));
    QCOMPARE(stack.count(), 1);
    QCOMPARE(project.layerValue(1, Project::LV_SdSummer), 0.5);
    editor.setLayer(1);
    QCOMPARE(field->value(), 0.5);
    // An empty field takes the summer value away again.
    finishEditing(field, QString());
    QCOMPARE(stack.count(), 2);
    QCOMPARE(project.layerValue(1, Project::LV_SdSummer), 0.0);
    // A negative value is refused by the project's rule: nothing changes.
    editor.setLayer(1);
    field->setText(QStringLiteral("-1"));
    QVERIFY(!field->isValid());
    emit field->editingFinished();
    QCOMPARE(stack.count(), 2);
}

void tst_RetarderEditing::editorRefusesForOrdinaryLayer()
{
    Project project;
    project.createNew(roof(0), ProjectInformation());
    QUndoStack stack;
    Settings settings;
    MaterialEditWidget editor(project, stack, settings);
    editor.setLayer(2);
    QVERIFY(!editor.sdSummerEdit()->isEnabled());
    editor.sdSummerEdit()->setText(QStringLiteral("0.5"));
    QVERIFY(!editor.sdSummerEdit()->isValid());
}

void tst_RetarderEditing::undoCommand()
{
    Project project;
    project.createNew(roof(0), ProjectInformation());
    const double t_ev = project.results().t_ev;
    QUndoStack stack;
    auto *command = new M2_UndoMaterialParameters(project, Project::LV_SdSummer, 1, 0.5);
    QVERIFY(command->changed());
    stack.push(command);
    QCOMPARE(project.inputData().layer(1).m_sd_summer, 0.5);
    const double faster = project.results().t_ev;
    QVERIFY(faster < t_ev);
    stack.undo();
    QCOMPARE(project.inputData().layer(1).m_sd_summer, 0.0);
    QCOMPARE(project.results().t_ev, t_ev);
    stack.redo();
    QCOMPARE(project.results().t_ev, faster);
    // Not for a layer without an sd-value, not for the value it has.
    M2_UndoMaterialParameters refused(project, Project::LV_SdSummer, 2, 0.5);
    QVERIFY(!refused.changed());
    M2_UndoMaterialParameters same(project, Project::LV_SdSummer, 1, 0.5);
    QVERIFY(!same.changed());
}

void tst_RetarderEditing::dialogRoundTrip()
{
    MaterialEditDialog dialog;
    dialog.setMaterial(retarder(0.35));
    QCOMPARE(dialog.sdSummerEdit()->value(), 0.35);
    QVERIFY(dialog.isAcceptable());
    QCOMPARE(dialog.material().m_sd_summer, 0.35);
    dialog.setMaterial(retarder(0));
    QVERIFY(dialog.sdSummerEdit()->text().isEmpty());
    QCOMPARE(dialog.material().m_sd_summer, 0.0);
    dialog.sdSummerEdit()->setText(QStringLiteral("0.6"));
    QCOMPARE(dialog.material().m_sd_summer, 0.6);
    QVERIFY(dialog.isAcceptable());
}

void tst_RetarderEditing::dialogNeedsSdValue_data()
{
    QTest::addColumn<QString>("sd");
    QTest::addColumn<QString>("sdSummer");
    QTest::addColumn<bool>("acceptable");
    QTest::newRow("both") << "4"
                          << "0.5" << true;
    QTest::newRow("summer empty") << "4"
                                  << "" << true;
    QTest::newRow("no sd-value") << "0"
                                 << "0.5" << false;
    QTest::newRow("sd empty") << ""
                              << "0.5" << false;
    QTest::newRow("negative summer") << "4"
                                     << "-0.5" << false;
}

void tst_RetarderEditing::dialogNeedsSdValue()
{
    QFETCH(QString, sd);
    QFETCH(QString, sdSummer);
    QFETCH(bool, acceptable);
    MaterialEditDialog dialog;
    dialog.setMaterial(retarder(0));
    dialog.sdEdit()->setText(sd);
    dialog.sdSummerEdit()->setText(sdSummer);
    QCOMPARE(dialog.isAcceptable(), acceptable);
    QCOMPARE(dialog.buttonBox()->button(QDialogButtonBox::Ok)->isEnabled(), acceptable);
    if (acceptable)
        QVERIFY(dialog.material().isValid());
}

void tst_RetarderEditing::descriptionNamesBothValues()
{
    const MaterialTransfer with(retarder(0.5), 0, 0);
    QVERIFY(with.description().contains(QStringLiteral("4 m")));
    QVERIFY(with.description().contains(QStringLiteral("0.5 m")));
    const MaterialTransfer without(retarder(0), 0, 0);
    QVERIFY(!without.description().contains(QStringLiteral("evaporation")));
}

M2_TEST_MAIN(tst_RetarderEditing)
#include "tst_RetarderEditing.moc"
