#pragma once

#include <QAbstractTableModel>

class Construction;
class ConstructionList;

/*  A flat table model over the construction database for the database dialog: one row per
    construction, column 0 the name and column c >= 1 layer c-1 as "<width>mm <material>" (a layer
    with a second material adds "with <material> (<area fraction> %)"), so the table is 1 + the
    largest layer count wide. Each index carries its construction as
    internal pointer. Changes of the list, made here or elsewhere, reset the model.
*/
class ConstructionDatabaseTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    /*! A model over the given list, which must outlive the model. */
    explicit ConstructionDatabaseTableModel(ConstructionList &list, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    /*! Row of the first construction equal to the given one; -1 if none. */
    int row(const Construction &construction) const;

    /*! The construction of an index (nullptr for an invalid index). */
    const Construction *construction(const QModelIndex &index) const;

    /*! Removes the first equal construction from the list, resetting the model around it. After
        a removal newSelection announces the first remaining construction (or an invalid
        index). Returns whether a construction was removed. */
    bool removeConstruction(const Construction &construction);

    ConstructionList &list() const { return m_list; }

signals:
    /*! The index the views should select after a removal. */
    void newSelection(const QModelIndex &index);

private slots:
    void listChanged();

private:
    ConstructionList &m_list;
    bool m_resetting = false;
};
