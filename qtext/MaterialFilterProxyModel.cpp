#include "qtext/MaterialFilterProxyModel.h"

#include "qtext/MaterialTableModel.h"

namespace QtExt {

MaterialFilterProxyModel::MaterialFilterProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setSortRole(MaterialTableModel::SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setSortLocaleAware(true);
}

void MaterialFilterProxyModel::setMaterialModel(MaterialTableModel *model)
{
    m_model = model;
    setSourceModel(model);
}

void MaterialFilterProxyModel::setCategory(int category)
{
    if (category == m_category)
        return;
    m_category = category;
    invalidateFilter();
}

void MaterialFilterProxyModel::setText(QString &member, const QString &text)
{
    const QString t = text.trimmed();
    if (t == member)
        return;
    member = t;
    invalidateFilter();
}

void MaterialFilterProxyModel::setNameFilter(const QString &text)
{
    setText(m_name, text);
}

void MaterialFilterProxyModel::setProducerFilter(const QString &text)
{
    setText(m_producer, text);
}

void MaterialFilterProxyModel::setSourceFilter(const QString &text)
{
    setText(m_source, text);
}

void MaterialFilterProxyModel::setCommentFilter(const QString &text)
{
    setText(m_comment, text);
}

bool MaterialFilterProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const MaterialBase *m = m_model ? m_model->material(sourceRow) : nullptr;
    if (!m)
        return false;
    if (m_category >= 0 && qBound(0, m->category(), 12) != m_category)
        return false;
    auto has = [](const QString &field, const QString &filter) {
        return filter.isEmpty() || field.contains(filter, Qt::CaseInsensitive);
    };
    return has(m->name(), m_name) && has(m->producer(), m_producer) &&
           has(m->dataSource(), m_source) && has(m->description(), m_comment);
}

} // namespace QtExt
