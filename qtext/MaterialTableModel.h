#pragma once

#include "qtext/MaterialBase.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <memory>
#include <vector>

namespace QtExt {

/*  A flat table of materials for choosing and browsing: one row per material, one column per
    property, the units in the column heads. Numbers are shown through each material's value
    formatter; the sort role (SortRole) gives the raw numbers, so sorting a column orders by
    value, not by text. Materials of the source counted as the user's own are shown in italics
    with a tool tip saying so.
*/
class MaterialTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        C_Name,
        C_Category,
        C_Rho,
        C_Lambda,
        C_Mu,
        C_SdValue,
        C_SdSummer, ///< the summer sd-value of a humidity-variable retarder
        C_W80,
        C_WSat,
        C_Aw,
        C_Producer,
        C_ProductName,
        C_DataSource,
        NumColumns
    };

    /*! The role that carries numbers as numbers and texts folded to lower case. */
    static constexpr int SortRole = Qt::UserRole;
    /*! The role that carries the material id of a row. */
    static constexpr int MaterialIdRole = Qt::UserRole + 1;

    explicit MaterialTableModel(QObject *parent = nullptr);
    ~MaterialTableModel() override;

    /*! Replaces all materials. */
    void setMaterials(std::vector<std::unique_ptr<MaterialBase>> materials);
    /*! Names of the categories 0..12 in the language of the program. */
    void setCategoryNames(const QStringList &names);
    QStringList categoryNames() const { return m_categoryNames; }
    /*! The source code of the user's own materials (marked in the table); -1 marks none. */
    void setUserSourceCode(int code);
    int userSourceCode() const { return m_userSourceCode; }
    /*! How A_w is shown: the factor from kg/(m²·s^0.5) to the shown unit and the unit's name
        (plain text); factor 1 and an empty name show it per s^0.5. */
    void setAwUnit(double factor, const QString &unit);

    /*! The material of a row, nullptr outside the table. */
    const MaterialBase *material(int row) const;
    /*! The row of the first material with the id; -1 if none. */
    int row(int materialId) const;
    bool isUserMaterial(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString categoryName(int category) const;

    std::vector<std::unique_ptr<MaterialBase>> m_materials;
    QStringList m_categoryNames;
    int m_userSourceCode = -1;
    double m_awFactor = 1;
    QString m_awUnit;
};

} // namespace QtExt
