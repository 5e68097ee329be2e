#include "qtext/MaterialFilterProxyModel.h"

#include "qtext/MaterialTableModel.h"

#include <cmath>
#include <limits>

namespace QtExt {

MaterialFilterProxyModel::MaterialFilterProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_lambdaMin(std::numeric_limits<double>::quiet_NaN())
    , m_lambdaMax(std::numeric_limits<double>::quiet_NaN())
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

void MaterialFilterProxyModel::setLambdaRange(double lambdaMin, double lambdaMax)
{
    auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    if (same(lambdaMin, m_lambdaMin) && same(lambdaMax, m_lambdaMax))
        return;
    m_lambdaMin = lambdaMin;
    m_lambdaMax = lambdaMax;
    invalidateFilter();
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
    if (!std::isnan(m_lambdaMin) && !(m->lambda() >= m_lambdaMin))
        return false;
    if (!std::isnan(m_lambdaMax) && !(m->lambda() <= m_lambdaMax))
        return false;
    bool nameMatches = has(m->name(), m_name);
    for (const QString &other : m->otherNames())
        nameMatches = nameMatches || has(other, m_name);
    return nameMatches && has(m->producer(), m_producer) && has(m->dataSource(), m_source) &&
           has(m->description(), m_comment);
}

} // namespace QtExt
