#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "TestSupport.h"
#include "persistence/ConstructionList.h"
#include "ui/database/ConstructionDatabaseTableModel.h"

/*  The table model of the construction database page: its shape, texts and header, and how it
    follows the list it shows. */
class tst_ConstructionDatabaseTableModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void modelShape();
    void modelRemoval();
    void layerWithSecondMaterial();

private:
    static Construction construction(const QString &name, std::initializer_list<double> widths);

    QTemporaryDir m_dir;
};

Construction tst_ConstructionDatabaseTableModel::construction(const QString &name,
                                                              std::initializer_list<double> widths)
{
    Construction c;
    c.m_name = name;
    c.m_notes = QStringLiteral("notes of ") + name;
    int i = 0;
    for (double w : widths) {
        Material m(QStringLiteral("Layer %1").arg(i++), 2, QStringLiteral("notes"), QString(),
                   QString(), QString(), 1800, 0.81, 10, 0.003, 0.19, 0.18, 493);
        m.m_color = QColor(200, 100, 50);
        c.m_layers.emplace_back(m, w);
    }
    return c;
}

void tst_ConstructionDatabaseTableModel::modelShape()
{
    ConstructionList list(QStringLiteral("en"), m_dir.path());
    ConstructionDatabaseTableModel model(list);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 1);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));

    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    list.addConstruction(construction(QStringLiteral("Wall"), {0.12, 0.0825, 0.12}));
    Construction empty;
    empty.m_name = QStringLiteral("Empty");
    list.addConstruction(empty);
    QCOMPARE(reset.count(), 2);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);

    QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("Wall"));
    QCOMPARE(model.data(model.index(0, 0), Qt::EditRole).toString(), QStringLiteral("Wall"));
    QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("120mm Layer 0"));
    QCOMPARE(model.data(model.index(0, 2)).toString(), QStringLiteral("82.5mm Layer 1"));
    QVERIFY(!model.data(model.index(1, 1)).isValid()); // no such layer
    QVERIFY(!model.data(model.index(0, 1), Qt::ToolTipRole).isValid());
    QCOMPARE(model.data(model.index(0, 1), Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignLeft | Qt::AlignVCenter));
    QVERIFY(!model.index(2, 0).isValid());
    QCOMPARE(model.index(0, 2).internalPointer(), (void *)&list.construction(0));
    QVERIFY(!static_cast<QAbstractItemModel &>(model).parent(model.index(0, 2)).isValid());

    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Warm side\nLayer 1"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("\nLayer 2"));
    QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Cold side\nLayer 3"));

    QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsSelectable);
    QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsEnabled);
    QVERIFY(!(model.flags(model.index(1, 0)) & Qt::ItemIsSelectable));

    QCOMPARE(model.row(construction(QStringLiteral("Wall"), {1, 1, 1})), 0);
    QCOMPARE(model.row(empty), 1);
    QCOMPARE(model.row(construction(QStringLiteral("None"), {1})), -1);
}

void tst_ConstructionDatabaseTableModel::modelRemoval()
{
    ConstructionList list(QStringLiteral("en"), m_dir.path());
    ConstructionDatabaseTableModel model(list);
    list.addConstruction(construction(QStringLiteral("A"), {0.1}));
    list.addConstruction(construction(QStringLiteral("B"), {0.1, 0.2}));
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy selection(&model, &ConstructionDatabaseTableModel::newSelection);
    QVERIFY(model.removeConstruction(construction(QStringLiteral("A"), {0.1})));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(selection.count(), 1);
    QModelIndex selected = selection.at(0).at(0).value<QModelIndex>();
    QCOMPARE(selected.row(), 0);
    QCOMPARE(model.data(selected).toString(), QStringLiteral("B"));
    QCOMPARE(model.columnCount(), 3);

    QVERIFY(!model.removeConstruction(construction(QStringLiteral("A"), {0.1})));
    QCOMPARE(selection.count(), 1);
    QVERIFY(model.removeConstruction(construction(QStringLiteral("B"), {0.1, 0.2})));
    QCOMPARE(selection.count(), 2);
    QVERIFY(!selection.at(1).at(0).value<QModelIndex>().isValid());
    QCOMPARE(model.rowCount(), 0);
}

void tst_ConstructionDatabaseTableModel::layerWithSecondMaterial()
{
    // the studs of a layer are named in its cell, so that the timber frame is told from its
    // field; a construction that differs only in them is a row of its own
    ConstructionList list(QStringLiteral("en"), m_dir.path());
    ConstructionDatabaseTableModel model(list);
    const Construction plain = construction(QStringLiteral("Frame"), {0.16, 0.06});
    Construction framed = plain;
    Material timber = framed.m_layers[0].material();
    timber.m_name = QStringLiteral("Softwood");
    framed.m_layers[0].m_bridge = LayerBridge::fromWidthAndSpacing(timber, 0.06, 0.625);
    list.addConstruction(plain);
    list.addConstruction(framed);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("160mm Layer 0"));
    QCOMPARE(model.data(model.index(1, 1)).toString(),
             QStringLiteral("160mm Layer 0 with Softwood (9.6 %)"));
    QCOMPARE(model.data(model.index(1, 2)).toString(), QStringLiteral("60mm Layer 1"));
    QCOMPARE(model.row(framed), 1);
    QCOMPARE(model.row(plain), 0);
}

M2_TEST_GUILESS_MAIN(tst_ConstructionDatabaseTableModel)
#include "tst_ConstructionDatabaseTableModel.moc"
