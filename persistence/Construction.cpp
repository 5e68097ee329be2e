#include "persistence/Construction.h"

#include "htl/HTL_MessageHandler.h"
#include "persistence/MaterialDatabaseFileBounds.h"
#include "persistence/MaterialStream.h"

#include <QDataStream>
#include <QIODevice>

#include <string>

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
        if (m_layers[i].material() != other.m_layers[i].material())
            return false;
    return true;
}

void Construction::write(QDataStream &out) const
{
    out << qint32(StreamVersion) << qint32(m_layers.size());
    out << m_name << m_notes;
    for (const MaterialLayer &layer : m_layers)
        MaterialStream::write(out, layer);
}

bool Construction::read(QDataStream &in)
{
    namespace B = MaterialDatabaseFileBounds;
    QIODevice *device = in.device();
    if (!device)
        return false;
    qint32 version = 0;
    in >> version; // read and ignored: there is only version 1
    // A layer is its version, its width and at least the smallest version-1 material.
    const qint64 minLayerSize = 4 + 8 + B::minimumMaterialSize(1);
    qint32 layerCount = 0;
    if (in.status() != QDataStream::Ok || !B::readCount(in, layerCount, minLayerSize))
        return false;
    Construction c;
    if (!B::readString(in, c.m_name) || !B::readString(in, c.m_notes))
        return false;
    const bool nameCut = Material::capText(c.m_name);
    if (Material::capText(c.m_notes) || nameCut)
        HTL::message("Construction texts longer than " + std::to_string(Material::MaxTextLength) +
                         " characters were cut.",
                     HTL::MSG_WARNING, "Construction::read", 1);
    c.m_layers.reserve(std::size_t(layerCount));
    for (qint32 i = 0; i < layerCount; ++i) {
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
            return false;
        MaterialLayer layer;
        if (!MaterialStream::read(in, layer))
            return false;
        c.m_layers.push_back(layer);
    }
    if (in.status() != QDataStream::Ok)
        return false;
    *this = c;
    return true;
}
