#include "TypicalConstructionSource.h"

#include "CatalogueSource.h"
#include "persistence/MaterialList.h"

#include <QColor>
#include <QSet>

namespace {

/*! A fixed colour per category, lightened a little per material so that neighbouring layers of
    one category stay apart in the sketch; the shipped file is the same on every build. */
QColor categoryColor(int category, int materialId)
{
    static const QColor palette[] = {
        QColor(230, 230, 210), // coatings
        QColor(225, 215, 190), // plasters, mortars, screeds
        QColor(200, 110, 80),  // masonry
        QColor(170, 170, 160), // natural stone
        QColor(160, 160, 170), // concrete
        QColor(250, 230, 120), // insulation
        QColor(215, 200, 170), // boards
        QColor(205, 160, 100), // timber
        QColor(190, 200, 140), // natural materials
        QColor(150, 120, 80),  // soil
        QColor(180, 90, 70),   // cladding and tiles
        QColor(90, 120, 200),  // foils and membranes
        QColor(200, 220, 240), // miscellaneous, air
    };
    const QColor base = palette[qBound(0, category, 12)];
    return base.lighter(100 + (materialId % 5) * 6);
}

/*! The catalogue material of the id as a layer material: a copy with the colour of its
    category. False with the reason in error for an unknown id or an invalid material. */
bool catalogueMaterial(int id, const MaterialList &materials, Material &material, QString &error)
{
    const Material *m = materials.findMaterial(id);
    if (!m) {
        error = QStringLiteral("no material with id %1").arg(id);
        return false;
    }
    if (!m->isValid()) {
        error = QStringLiteral("material %1 is not valid").arg(id);
        return false;
    }
    material = *m;
    material.m_color = categoryColor(material.m_category, id);
    return true;
}

/*! The second material after "+": "id:width/spacing" (mm) or "id:fraction%". */
bool parseBridge(const QString &text, const MaterialList &materials, LayerBridge &bridge,
                 QString &error)
{
    const QStringList pair = text.split(QLatin1Char(':'));
    bool idOk = false;
    const int id = pair.value(0).toInt(&idOk);
    const QString amount = pair.value(1);
    if (pair.size() != 2 || !idOk) {
        error = QStringLiteral("second material '%1' is not id:width/spacing or id:fraction%")
                    .arg(text);
        return false;
    }
    Material material;
    if (!catalogueMaterial(id, materials, material, error))
        return false;
    bool ok = false;
    if (amount.endsWith(QLatin1Char('%'))) {
        bridge = LayerBridge(material, amount.chopped(1).toDouble(&ok) / 100);
    } else {
        const QStringList ws = amount.split(QLatin1Char('/'));
        bool widthOk = false, spacingOk = false;
        const double width_mm = ws.value(0).toDouble(&widthOk);
        const double spacing_mm = ws.value(1).toDouble(&spacingOk);
        ok = ws.size() == 2 && widthOk && spacingOk;
        bridge = LayerBridge::fromWidthAndSpacing(material, width_mm / 1000, spacing_mm / 1000);
    }
    QString why;
    if (!ok || !bridge.acceptableValues(&why)) {
        error = QStringLiteral("second material '%1': %2")
                    .arg(text, ok ? why : QStringLiteral("not a number"));
        return false;
    }
    return true;
}

bool parseLayers(const QString &text, const MaterialList &materials,
                 std::vector<MaterialLayer> &layers, QString &error)
{
    const QStringList items = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (items.isEmpty()) {
        error = QStringLiteral("no layers");
        return false;
    }
    for (const QString &item : items) {
        const int plus = item.indexOf(QLatin1Char('+'));
        const QStringList pair = item.left(plus).split(QLatin1Char(':'));
        bool idOk = false, widthOk = false;
        const int id = pair.value(0).toInt(&idOk);
        const double width_mm = pair.value(1).toDouble(&widthOk);
        if (pair.size() != 2 || !idOk || !widthOk || !(width_mm > 0)) {
            error = QStringLiteral("layer '%1' is not id:width with a width in mm > 0").arg(item);
            return false;
        }
        Material copy;
        if (!catalogueMaterial(id, materials, copy, error))
            return false;
        MaterialLayer layer(copy, width_mm / 1000);
        if (plus >= 0) {
            LayerBridge bridge;
            if (!parseBridge(item.mid(plus + 1), materials, bridge, error))
                return false;
            if (!MaterialLayer::canCarryBridge(layer)) {
                error = QStringLiteral("material %1 is given by its sd-value and cannot carry a "
                                       "second material")
                            .arg(id);
                return false;
            }
            layer.m_bridge = bridge;
        }
        layers.push_back(layer);
    }
    return true;
}

} // namespace

namespace TypicalConstructionSource {

bool read(const QString &fileName, const QString &langId, const MaterialList &materials,
          std::vector<Construction> &constructions, QString *errorMessage)
{
    auto fail = [errorMessage](const QString &msg) {
        if (errorMessage)
            *errorMessage = msg;
        return false;
    };
    QList<QStringList> rows;
    if (!CatalogueSource::readCsvFile(fileName, rows, errorMessage))
        return false;
    const QStringList header = rows.first();
    const QString nameColumn = QStringLiteral("name_") + langId;
    const QString notesColumn = QStringLiteral("notes_") + langId;
    for (const QString &column :
         {QStringLiteral("key"), nameColumn, notesColumn, QStringLiteral("layers")})
        if (!header.contains(column))
            return fail(QStringLiteral("Column '%1' missing.").arg(column));

    constructions.clear();
    QSet<QString> keys;
    for (int r = 1; r < rows.size(); ++r) {
        const QStringList &row = rows.at(r);
        const QString where = QStringLiteral("Row %1: ").arg(r + 1);
        auto at = [&](const QString &column) { return row.at(header.indexOf(column)).trimmed(); };
        const QString key = at(QStringLiteral("key"));
        if (key.isEmpty() || keys.contains(key))
            return fail(where + QStringLiteral("the key is empty or used twice."));
        keys.insert(key);
        Construction c;
        c.m_name = at(nameColumn);
        c.m_notes = at(notesColumn);
        if (c.m_name.isEmpty() || c.m_notes.isEmpty())
            return fail(where + QStringLiteral("name or notes missing for '%1'.").arg(langId));
        QString error;
        if (!parseLayers(at(QStringLiteral("layers")), materials, c.m_layers, error))
            return fail(where + error);
        constructions.push_back(c);
    }
    return true;
}

} // namespace TypicalConstructionSource
