#include "ui/database/ConstructionDatabaseTableModel.h"

#include "persistence/ConstructionList.h"

ConstructionDatabaseTableModel::ConstructionDatabaseTableModel(ConstructionList &list,
                                                               QObject *parent)
    : QAbstractTableModel(parent)
    , m_list(list)
{
    connect(&m_list, &ConstructionList::constructionAdded, this,
            &ConstructionDatabaseTableModel::listChanged);
    connect(&m_list, &ConstructionList::constructionRemoved, this,
            &ConstructionDatabaseTableModel::listChanged);
    connect(&m_list, &ConstructionList::constructionChanged, this,
            &ConstructionDatabaseTableModel::listChanged);
    connect(&m_list, &ConstructionList::constructionsReplaced, this,
            &ConstructionDatabaseTableModel::listChanged);
}

void ConstructionDatabaseTableModel::listChanged()
{
    if (m_resetting)
        return;
    beginResetModel();
    endResetModel();
}

int ConstructionDatabaseTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_list.count();
}

int ConstructionDatabaseTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1 + m_list.maxLayerCount();
}

QModelIndex ConstructionDatabaseTableModel::index(int row, int column,
                                                  const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return QModelIndex();
    return createIndex(row, column, const_cast<Construction *>(&m_list.construction(row)));
}

const Construction *ConstructionDatabaseTableModel::construction(const QModelIndex &index) const
{
    if (!index.isValid() || index.row() >= m_list.count())
        return nullptr;
    return &m_list.construction(index.row());
}

QVariant ConstructionDatabaseTableModel::data(const QModelIndex &index, int role) const
{
    const Construction *c = construction(index);
    if (!c)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        if (index.column() == 0)
            return c->m_name;
        const std::size_t layer = std::size_t(index.column() - 1);
        if (layer >= c->m_layers.size())
            return QVariant();
        const MaterialLayer &l = c->m_layers[layer];
        const QString text = QStringLiteral("%1mm %2").arg(l.width(1000), 0, 'g', 6).arg(l.m_name);
        if (!l.m_bridge)
            return text;
        // the studs or rafters of the layer, so that a timber frame is told from its field
        return tr("%1 with %2 (%L3 %)")
            .arg(text, l.m_bridge->material.m_name)
            .arg(l.m_bridge->fraction * 100, 0, 'f', 1);
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

Qt::ItemFlags ConstructionDatabaseTableModel::flags(const QModelIndex &index) const
{
    // Only a construction with layers can be chosen.
    Qt::ItemFlags f = QAbstractTableModel::flags(index) & ~Qt::ItemIsSelectable;
    const Construction *c = construction(index);
    if (c && !c->m_layers.empty())
        f |= Qt::ItemIsSelectable;
    return f;
}

QVariant ConstructionDatabaseTableModel::headerData(int section, Qt::Orientation orientation,
                                                    int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return tr("Name");
    if (section == 1)
        return tr("Warm side\nLayer 1");
    if (section == columnCount() - 1)
        return tr("Cold side\nLayer %1").arg(section);
    return tr("\nLayer %1").arg(section);
}

int ConstructionDatabaseTableModel::row(const Construction &construction) const
{
    for (int i = 0; i < m_list.count(); ++i)
        if (m_list.construction(i) == construction)
            return i;
    return -1;
}

bool ConstructionDatabaseTableModel::removeConstruction(const Construction &construction)
{
    m_resetting = true;
    beginResetModel();
    const bool removed = m_list.removeConstruction(construction);
    endResetModel();
    m_resetting = false;
    if (removed)
        emit newSelection(m_list.count() > 0 ? index(0, 0) : QModelIndex());
    return removed;
}
