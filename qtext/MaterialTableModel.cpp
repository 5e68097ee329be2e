#include "qtext/MaterialTableModel.h"

#include <QBrush>
#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QPixmap>

namespace QtExt {

namespace {

/*! A small swatch of the material's colour in front of its name. */
QPixmap swatch(const QColor &color)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(96, 96, 96));
    painter.setBrush(color.isValid() ? color : QColor(Qt::lightGray));
    painter.drawRect(0, 0, 11, 11);
    return pixmap;
}

} // namespace

MaterialTableModel::MaterialTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

MaterialTableModel::~MaterialTableModel() = default;

void MaterialTableModel::setMaterials(std::vector<std::unique_ptr<MaterialBase>> materials)
{
    beginResetModel();
    m_materials = std::move(materials);
    endResetModel();
}

void MaterialTableModel::setCategoryNames(const QStringList &names)
{
    m_categoryNames = names;
    if (!m_materials.empty())
        emit dataChanged(index(0, C_Category), index(rowCount() - 1, C_Category));
}

void MaterialTableModel::setUserSourceCode(int code)
{
    beginResetModel();
    m_userSourceCode = code;
    endResetModel();
}

void MaterialTableModel::setAwUnit(double factor, const QString &unit)
{
    if (factor == m_awFactor && unit == m_awUnit)
        return;
    beginResetModel();
    m_awFactor = factor;
    m_awUnit = unit;
    endResetModel();
}

const MaterialBase *MaterialTableModel::material(int row) const
{
    if (row < 0 || row >= rowCount())
        return nullptr;
    return m_materials[std::size_t(row)].get();
}

int MaterialTableModel::row(int materialId) const
{
    for (std::size_t i = 0; i < m_materials.size(); ++i)
        if (m_materials[i]->materialId() == materialId)
            return int(i);
    return -1;
}

bool MaterialTableModel::isUserMaterial(int row) const
{
    const MaterialBase *m = material(row);
    return m && m_userSourceCode >= 0 && m->sourceCode() == m_userSourceCode;
}

int MaterialTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_materials.size());
}

int MaterialTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : NumColumns;
}

QString MaterialTableModel::categoryName(int category) const
{
    // the program's categories end with "Miscellaneous" at 12; anything beyond counts as that
    const int c = qBound(0, category, 12);
    return m_categoryNames.value(c, QString::number(c));
}

QVariant MaterialTableModel::data(const QModelIndex &index, int role) const
{
    const MaterialBase *m = material(index.row());
    if (!m || index.column() < 0 || index.column() >= NumColumns)
        return QVariant();
    const int column = index.column();
    const bool user = isUserMaterial(index.row());

    struct Number
    {
        int property;
        double value;
    };
    auto number = [this, m](int column) -> Number {
        switch (column) {
        case C_Rho:
            return {MaterialBase::P_Rho, m->rho()};
        case C_Lambda:
            return {MaterialBase::P_Lambda, m->lambda()};
        case C_Mu:
            return {MaterialBase::P_Mu, m->mu()};
        case C_SdValue:
            return {MaterialBase::P_SdValue, m->sd_value()};
        case C_SdSummer:
            return {MaterialBase::P_SdValue, m->sd_summer()};
        case C_W80:
            return {MaterialBase::P_SmallValue, m->w_80()};
        case C_WSat:
            return {MaterialBase::P_SmallValue, m->w_sat()};
        case C_Aw:
            return {MaterialBase::P_SmallValue, m->A_w() * m_awFactor};
        default:
            return {-1, 0};
        }
    };
    auto text = [this, m](int column) -> QString {
        switch (column) {
        case C_Name:
            return m->name();
        case C_Category:
            return categoryName(m->category());
        case C_Producer:
            return m->producer();
        case C_ProductName:
            return m->productName();
        case C_DataSource:
            return m->dataSource();
        default:
            return QString();
        }
    };

    switch (role) {
    case Qt::DisplayRole: {
        const Number n = number(column);
        if (n.property < 0)
            return text(column);
        // an sd-value of 0 means "not given": an empty cell reads better than a zero
        if ((column == C_SdValue || column == C_SdSummer) && n.value == 0)
            return QString();
        // a plain zero instead of an exponent form of it
        if (n.value == 0)
            return QLocale().toString(0);
        return m->formatted(n.property, n.value);
    }
    case SortRole: {
        const Number n = number(column);
        if (n.property < 0)
            return text(column).toLower();
        return n.value;
    }
    case MaterialIdRole:
        return m->materialId();
    case Qt::DecorationRole:
        if (column == C_Name)
            return swatch(m->color());
        return QVariant();
    case Qt::TextAlignmentRole:
        if (number(column).property >= 0)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole:
        if (user) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return QVariant();
    case Qt::ForegroundRole:
        if (user)
            return QBrush(QColor(0, 70, 150));
        return QVariant();
    case Qt::ToolTipRole: {
        QString tip = m->name();
        if (user)
            tip += QLatin1Char('\n') + tr("User defined material");
        const QString description = m->description().trimmed();
        if (!description.isEmpty())
            tip += QLatin1Char('\n') + description;
        return tip;
    }
    default:
        return QVariant();
    }
}

QVariant MaterialTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QString cubic = QString(QChar(0x00B3));
    const QString square = QString(QChar(0x00B2));
    if (role == Qt::DisplayRole) {
        switch (section) {
        case C_Name:
            return tr("Name");
        case C_Category:
            return tr("Category");
        case C_Rho:
            return tr("%1\n[kg/m%2]").arg(QChar(0x03C1)).arg(cubic);
        case C_Lambda:
            return tr("%1\n[W/mK]").arg(QChar(0x03BB));
        case C_Mu:
            return tr("%1\n[-]").arg(QChar(0x03BC));
        case C_SdValue:
            return tr("sd\n[m]");
        case C_SdSummer:
            return tr("sd summer\n[m]");
        case C_W80:
            return tr("w_80\n[m%1/m%1]").arg(cubic);
        case C_WSat:
            return tr("w_sat\n[m%1/m%1]").arg(cubic);
        case C_Aw:
            if (!m_awUnit.isEmpty())
                return QStringLiteral("A_w\n[%1]").arg(m_awUnit);
            return tr("A_w\n[kg/m%1s%2]").arg(square).arg(QChar(0x00BD));
        case C_Producer:
            return tr("Producer");
        case C_ProductName:
            return tr("Product");
        case C_DataSource:
            return tr("Data source");
        default:
            return QVariant();
        }
    }
    if (role == Qt::ToolTipRole) {
        switch (section) {
        case C_Rho:
            return tr("Bulk density");
        case C_Lambda:
            return tr("Thermal conductivity");
        case C_Mu:
            return tr("Vapor diffusion resistance factor");
        case C_SdValue:
            return tr("Diffusion-equivalent air layer thickness");
        case C_SdSummer:
            return tr("Diffusion-equivalent air layer thickness of a humidity-variable vapour "
                      "retarder in the humid summer (evaporation period)");
        case C_W80:
            return tr("Moisture content at 80% relative humidity");
        case C_WSat:
            return tr("Moisture content at saturation");
        case C_Aw:
            return tr("Water absorption coefficient");
        default:
            return QVariant();
        }
    }
    return QVariant();
}

} // namespace QtExt
