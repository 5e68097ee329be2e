#pragma once

#include <QSortFilterProxyModel>

namespace QtExt {

class MaterialTableModel;

/*  The filters of the material table: a category, four texts (name, producer, data source
    and the description with the notes) and a range of the thermal conductivity. A row passes
    when its category matches (or no category is chosen), each non-empty text occurs, ignoring
    case, in its field (the name filter also in the names of the other languages) and its
    conductivity lies in the range (bounds included; a missing bound is open). Sorting uses the
    model's sort role, so number columns sort by value.
*/
class MaterialFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit MaterialFilterProxyModel(QObject *parent = nullptr);

    void setMaterialModel(MaterialTableModel *model);
    MaterialTableModel *materialModel() const { return m_model; }

    /*! A category 0..12; -1 for all. */
    void setCategory(int category);
    void setNameFilter(const QString &text);
    void setProducerFilter(const QString &text);
    void setSourceFilter(const QString &text);
    void setCommentFilter(const QString &text);
    /*! Bounds of the thermal conductivity in W/(m·K); NaN for an open bound. */
    void setLambdaRange(double lambdaMin, double lambdaMax);

    int category() const { return m_category; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    void setText(QString &member, const QString &text);

    MaterialTableModel *m_model = nullptr;
    int m_category = -1;
    QString m_name;
    QString m_producer;
    QString m_source;
    QString m_comment;
    double m_lambdaMin;
    double m_lambdaMax;
};

} // namespace QtExt
