#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "TestSupport.h"
#include "persistence/MaterialList.h"
#include "qtext/ConstructionView.h"
#include "qtext/ConstructionViewWidget.h"
#include "qtext/ValidatingLineEdit.h"
#include "ui/database/ConstructionEditDialog.h"
#include "ui/mainwindow/DesktopDialogs.h"

namespace {

/*! Hands out the materials of a queue when a material is asked for; cancels when it is empty. */
class QueuedMaterials : public DesktopDialogs
{
public:
    Choice chooseMaterial(QWidget *, MaterialList &, ConstructionList *constructions,
                          Material *material, Construction *) override
    {
        constructionsOffered = constructionsOffered || constructions != nullptr;
        if (queue.isEmpty())
            return Cancelled;
        *material = queue.takeFirst();
        return MaterialChosen;
    }
    QList<Material> queue;
    bool constructionsOffered = false;
};

Material material(const QString &name, double sd = 0)
{
    Material m(name, 12, QString(), QString(), QString(), QString(), 800, 0.5, 20, 0.01, 0.3, 0, 0);
    m.m_sd_value = sd;
    return m;
}

QStringList names(const Construction &c)
{
    QStringList n;
    for (const MaterialLayer &l : c.m_layers)
        n << l.m_name;
    return n;
}

} // namespace

/*  The construction editor: layers inserted, moved, removed and given new materials through the
    sketch's requests, the width of the selected layer, and when OK may be pressed. */
class tst_ConstructionEditDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale::c());
    }
    void editing();
    void okNeedsNameAndLayers();
    void secondMaterialThroughEdits();
};

void tst_ConstructionEditDialog::editing()
{
    QTemporaryDir dir;
    MaterialList materials(QStringLiteral("en"), dir.path(), dir.path());
    QueuedMaterials dialogs;
    ConstructionEditDialog dialog(materials, dialogs);
    Construction start;
    start.m_name = QStringLiteral("Wall");
    start.m_notes = QStringLiteral("old notes");
    start.m_layers = {MaterialLayer(material(QStringLiteral("A")), 0.2),
                      MaterialLayer(material(QStringLiteral("B")), 0.1)};
    dialog.setConstruction(start);
    QCOMPARE(dialog.constructionView()->view()->layers().size(), 2);

    dialogs.queue = {material(QStringLiteral("C")), material(QStringLiteral("D")),
                     material(QStringLiteral("E")), material(QStringLiteral("F"))};
    dialog.insertLayer(0, true);
    QCOMPARE(names(dialog.construction()), QStringList({"C", "A", "B"}));
    dialog.insertLayer(1, false);
    QCOMPARE(names(dialog.construction()), QStringList({"C", "A", "D", "B"}));
    // the new layer is selected and 100 mm wide
    QCOMPARE(dialog.constructionView()->view()->selectedLayer(), 2);
    QCOMPARE(dialog.widthEdit()->value(), 100.0);
    dialog.moveLayer(2, true);
    QCOMPARE(names(dialog.construction()), QStringList({"C", "D", "A", "B"}));
    dialog.moveLayer(0, true); // nothing left of the first layer
    QCOMPARE(names(dialog.construction()), QStringList({"C", "D", "A", "B"}));
    dialog.assignMaterial(3);
    QCOMPARE(names(dialog.construction()), QStringList({"C", "D", "A", "E"}));
    QCOMPARE(dialog.construction().m_layers[3].m_width, 0.1); // the width stays
    dialog.removeLayer(0);
    QCOMPARE(names(dialog.construction()), QStringList({"D", "A", "E"}));
    dialog.appendLayer();
    QCOMPARE(names(dialog.construction()), QStringList({"D", "A", "E", "F"}));
    // a cancelled choice changes nothing
    dialog.insertLayer(0, true);
    dialog.assignMaterial(0);
    QCOMPARE(names(dialog.construction()), QStringList({"D", "A", "E", "F"}));
    // a construction layer is made of materials, never of other constructions
    QVERIFY(!dialogs.constructionsOffered);

    // the width of the selected layer, in mm
    dialog.constructionView()->selectLayer(1);
    QCOMPARE(dialog.widthEdit()->value(), 200.0);
    dialog.widthEdit()->setText(QStringLiteral("175"));
    emit dialog.widthEdit()->editingFinishedSuccessfully();
    QCOMPARE(dialog.construction().m_layers[1].m_width, 0.175);

    // a foil's width follows from its sd-value and cannot be typed
    dialogs.queue = {material(QStringLiteral("Foil"), 2)};
    dialog.appendLayer();
    QVERIFY(!dialog.widthEdit()->isEnabled());
    QCOMPARE(dialog.construction().m_layers.back().m_width, 0.1);

    dialog.nameEdit()->setText(QStringLiteral("  Wall 2 "));
    dialog.notesEdit()->setPlainText(QStringLiteral("new notes"));
    const Construction result = dialog.construction();
    QCOMPARE(result.m_name, QStringLiteral("Wall 2"));
    QCOMPARE(result.m_notes, QStringLiteral("new notes"));
}

void tst_ConstructionEditDialog::secondMaterialThroughEdits()
{
    QTemporaryDir dir;
    MaterialList materials(QStringLiteral("en"), dir.path(), dir.path());
    QueuedMaterials dialogs;
    ConstructionEditDialog dialog(materials, dialogs);
    const LayerBridge studs =
        LayerBridge::fromWidthAndSpacing(material(QStringLiteral("Stud")), 0.06, 0.625);
    Construction start;
    start.m_name = QStringLiteral("Frame");
    start.m_layers = {MaterialLayer(material(QStringLiteral("Board")), 0.015),
                      MaterialLayer(material(QStringLiteral("Wool")), 0.16)};
    start.m_layers[1].m_bridge = studs;
    dialog.setConstruction(start);
    QVERIFY(dialog.construction() == start);

    // insert, move, a new width and another insulation: the studs stay with their layer
    dialogs.queue = {material(QStringLiteral("Plaster")), material(QStringLiteral("Fibre"))};
    dialog.insertLayer(0, true);
    dialog.moveLayer(2, true);
    QCOMPARE(names(dialog.construction()), QStringList({"Plaster", "Wool", "Board"}));
    dialog.constructionView()->selectLayer(1);
    dialog.widthEdit()->setText(QStringLiteral("200"));
    emit dialog.widthEdit()->editingFinishedSuccessfully();
    dialog.assignMaterial(1);
    Construction edited = dialog.construction();
    QCOMPARE(names(edited), QStringList({"Plaster", "Fibre", "Board"}));
    QCOMPARE(edited.m_layers[1].m_width, 0.2);
    QVERIFY(edited.m_layers[1].m_bridge.has_value());
    QCOMPARE(*edited.m_layers[1].m_bridge, studs);
    QVERIFY(!edited.m_layers[0].hasBridge() && !edited.m_layers[2].hasBridge());

    // a foil given to that layer takes the studs away, as in the project
    dialogs.queue = {material(QStringLiteral("Foil"), 2)};
    dialog.assignMaterial(1);
    edited = dialog.construction();
    QCOMPARE(edited.m_layers[1].m_name, QStringLiteral("Foil"));
    QVERIFY(!edited.m_layers[1].hasBridge());
}

void tst_ConstructionEditDialog::okNeedsNameAndLayers()
{
    QTemporaryDir dir;
    MaterialList materials(QStringLiteral("en"), dir.path(), dir.path());
    QueuedMaterials dialogs;
    ConstructionEditDialog dialog(materials, dialogs);
    QPushButton *ok = dialog.buttonBox()->button(QDialogButtonBox::Ok);
    Construction c;
    c.m_name = QStringLiteral("New");
    dialog.setConstruction(c);
    QVERIFY(!ok->isEnabled()); // no layer yet
    dialogs.queue = {material(QStringLiteral("A"))};
    dialog.appendLayer();
    QVERIFY(ok->isEnabled());
    dialog.nameEdit()->setText(QStringLiteral("   "));
    QVERIFY(!ok->isEnabled());
    dialog.nameEdit()->setText(QStringLiteral("Named"));
    QVERIFY(ok->isEnabled());
    dialog.removeLayer(0);
    QVERIFY(!ok->isEnabled());
}

M2_TEST_MAIN(tst_ConstructionEditDialog)
#include "tst_ConstructionEditDialog.moc"
