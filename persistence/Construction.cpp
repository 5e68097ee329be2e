#include "persistence/Construction.h"

#include "htl/HTL_MessageHandler.h"
#include "persistence/MaterialDatabaseFileBounds.h"
#include "persistence/MaterialStream.h"

#include <QDataStream>
#include <QIODevice>

#include <string>

namespace {

namespace B = MaterialDatabaseFileBounds;

/*! A layer is its material version, its width and at least the smallest version-1 material. */
const qint64 MinLayerSize = 4 + 8 + B::minimumMaterialSize(1);

/*! The second material: fraction, width, spacing, its material version and at least the
    smallest version-1 material. */
const qint64 MinBridgeSize = 3 * 8 + 4 + B::minimumMaterialSize(1);

} // namespace

Construction::Construction()
    : m_name(tr("Unknown"))
{
}

bool Construction::operator==(const Construction &other) const
{
    if (m_layers.size() != other.m_layers.size() || m_name != other.m_name ||
        m_notes != other.m_notes)
        return false;
    for (std::size_t i = 0; i < m_layers.size(); ++i)
        if (m_layers[i].material() != other.m_layers[i].material() ||
            m_layers[i].m_bridge != other.m_layers[i].m_bridge)
            return false;
    return true;
}

bool Construction::hasBridges() const
{
    for (const MaterialLayer &layer : m_layers)
        if (layer.hasBridge())
            return true;
    return false;
}

int Construction::streamVersion() const
{
    return hasBridges() ? BridgeStreamVersion : StreamVersion;
}

void Construction::write(QDataStream &out) const
{
    const int version = streamVersion();
    out << qint32(version) << qint32(m_layers.size());
    out << m_name << m_notes;
    for (const MaterialLayer &layer : m_layers) {
        // The flag goes in front of the layer, not behind it: a reader of version 1 takes the
        // first word of a layer for its material version, and with the flag in front that word
        // is 0 or above 2^24, never a material version, so such a reader refuses the entry
        // instead of reading the second material as a layer.
        if (version >= BridgeStreamVersion) {
            out << layer.hasBridge();
            if (layer.m_bridge) {
                const LayerBridge &b = *layer.m_bridge;
                const int materialVersion = MaterialStream::versionFor(b.material);
                out << b.fraction << b.width << b.spacing << qint32(materialVersion);
                MaterialStream::write(out, b.material, materialVersion);
            }
        }
        MaterialStream::write(out, layer);
    }
}

bool Construction::read(QDataStream &in, QString *error)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QString damaged = tr("The stored construction is incomplete or damaged.");
    QIODevice *device = in.device();
    if (!device)
        return fail(damaged);
    qint32 version = 0;
    in >> version;
    if (in.status() != QDataStream::Ok)
        return fail(damaged);
    if (version != StreamVersion && version != BridgeStreamVersion)
        return fail(tr("Unknown version %1 of a stored construction.").arg(version));
    const bool withBridges = version == BridgeStreamVersion;
    qint32 layerCount = 0;
    if (!B::readCount(in, layerCount, MinLayerSize + (withBridges ? 1 : 0)))
        return fail(damaged);
    Construction c;
    if (!B::readString(in, c.m_name) || !B::readString(in, c.m_notes))
        return fail(damaged);
    const bool nameCut = Material::capText(c.m_name);
    if (Material::capText(c.m_notes) || nameCut)
        HTL::message("Construction texts longer than " + std::to_string(Material::MaxTextLength) +
                         " characters were cut.",
                     HTL::MSG_WARNING, "Construction::read", 1);
    c.m_layers.reserve(std::size_t(layerCount));
    for (qint32 i = 0; i < layerCount; ++i) {
        std::optional<LayerBridge> bridge;
        if (withBridges) {
            quint8 flag = 0;
            in >> flag;
            if (in.status() != QDataStream::Ok || flag > 1 ||
                (flag == 1 && B::remaining(in) < MinBridgeSize))
                return fail(damaged);
            if (flag == 1) {
                LayerBridge b;
                qint32 materialVersion = 0;
                in >> b.fraction >> b.width >> b.spacing >> materialVersion;
                if (in.status() != QDataStream::Ok || !B::materialFits(in, int(materialVersion)) ||
                    !MaterialStream::read(in, int(materialVersion),
                                          MaterialStream::ConstructionDatabaseMaterialId,
                                          b.material))
                    return fail(damaged);
                QString why;
                if (!b.acceptableValues(&why))
                    return fail(tr("Layer %1 of \"%2\": its second material \"%3\" cannot be "
                                   "taken. %4")
                                    .arg(i + 1)
                                    .arg(c.m_name, b.material.m_name, why));
                bridge = b;
            }
        }
        // Look at the layer's material version and check the material against the data before
        // the layer reader trusts its string lengths.
        const qint64 start = device->pos();
        qint32 materialVersion = 0;
        double width = 0;
        in >> materialVersion >> width;
        const bool fits =
            in.status() == QDataStream::Ok && B::materialFits(in, int(materialVersion));
        device->seek(start);
        if (!fits)
            return fail(damaged);
        MaterialLayer layer;
        if (!MaterialStream::read(in, layer))
            return fail(damaged);
        if (bridge && !MaterialLayer::canCarryBridge(layer))
            return fail(tr("Layer %1 of \"%2\" (%3) is given by its sd-value and cannot carry a "
                           "second material.")
                            .arg(i + 1)
                            .arg(c.m_name, layer.m_name));
        layer.m_bridge = bridge;
        c.m_layers.push_back(layer);
    }
    if (in.status() != QDataStream::Ok)
        return fail(damaged);
    *this = c;
    return true;
}
