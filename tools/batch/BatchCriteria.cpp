#include "BatchCriteria.h"

#include "BatchOutput.h"
#include "JsonWriter.h"

#include "calculation/Assessment.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// A value of the criteria record in the batch tool's JSON form (full-precision doubles).
QString toJsonText(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return JsonWriter::boolean(value.toBool());
    case QJsonValue::Double:
        return JsonWriter::number(value.toDouble());
    case QJsonValue::String:
        return JsonWriter::string(value.toString());
    case QJsonValue::Array: {
        QStringList items;
        for (const QJsonValue &v : value.toArray())
            items << toJsonText(v);
        return QLatin1Char('[') + items.join(QStringLiteral(", ")) + QLatin1Char(']');
    }
    case QJsonValue::Object:
        break;
    }
    JsonObject o;
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it)
        o.add(it.key(), toJsonText(it.value()));
    return o.toString(2);
}

QString verdict(bool met)
{
    return met ? QStringLiteral("fulfilled") : QStringLiteral("not fulfilled");
}

QString notEvaluated(const QString &reason)
{
    return QStringLiteral("not evaluated (%1)").arg(reason);
}

QString row(const QString &label, const QString &value)
{
    return QStringLiteral("    %1 %2\n").arg(label + QLatin1Char(':'), -58).arg(value);
}

// "<figure>, <limit>, <verdict>"
QString judged(const QString &figure, const QString &limit, bool met)
{
    return figure + QStringLiteral(", ") + limit + QStringLiteral(", ") + verdict(met);
}

// "<limit>, not evaluated (<reason>)": without a result there is no figure to show either.
QString unjudged(const QString &limit, const QString &reason)
{
    return limit + QStringLiteral(", ") + notEvaluated(reason);
}

QString massValue(double m)
{
    return QString::number(m, 'f', 3) + QStringLiteral(" kg/m2");
}

} // namespace

namespace BatchCriteria {

void addJson(JsonObject &object, const Assessment &assessment)
{
    using J = JsonWriter;
    const DINCriteriaResult &din = assessment.din;
    const MinimumHeatResistance::Result &minimum = assessment.minimum;
    const QString null = QStringLiteral("null");
    object.add(QStringLiteral("criteria"), toJsonText(din.toJson()));
    object.add(QStringLiteral("criteria_glaser"), toJsonText(assessment.dinGlaser.toJson()));

    JsonObject m;
    m.add(QStringLiteral("edition"), J::number(minimum.m_edition));
    m.add(QStringLiteral("edition_name"), J::string(minimum.m_editionName));
    m.add(QStringLiteral("type"), J::number(minimum.m_type));
    m.add(QStringLiteral("name"), J::string(minimum.m_name));
    m.add(QStringLiteral("row"), J::string(minimum.m_row));
    m.add(QStringLiteral("R_min"), J::number(minimum.m_R_min));
    m.add(QStringLiteral("fulfilled"),
          assessment.thermalEvaluated ? J::boolean(minimum.m_fulfilled) : null);
    object.add(QStringLiteral("min_heat_resistance"), m.toString(2));

    JsonObject f;
    f.add(QStringLiteral("checked"), J::boolean(minimum.m_frsiChecked));
    if (minimum.m_frsiChecked) {
        f.add(QStringLiteral("f_min"), J::number(minimum.m_f_min));
        f.add(QStringLiteral("f_Rsi"), J::number(minimum.m_f_Rsi));
        f.add(QStringLiteral("fulfilled"),
              assessment.thermalEvaluated ? J::boolean(minimum.m_frsiFulfilled) : null);
    }
    object.add(QStringLiteral("frsi"), f.toString(2));
}

} // namespace BatchCriteria

namespace {

// The DIN 4108-3 rows of one basis (and, on the moisture-storage basis, the DIN 68800-2 row).
QString dinRows(const Assessment &assessment, CriteriaBasis basis)
{
    const DINCriteriaResult &din = assessment.criteria(basis);
    const bool evaluated = din.m_evaluated;
    const QString &reason = assessment.reasonNotEvaluated(basis);
    const double M_c = din.m_figures.M_c;
    const double t_ev = din.m_figures.t_ev;
    const QString condensate = QStringLiteral("M_c ") + massValue(M_c);
    // A row with its verdict, or only its limit when there is no result to judge.
    const auto criterion = [&](const QString &figure, const QString &limit, bool met) {
        return evaluated ? judged(figure, limit, met) : unjudged(limit, reason);
    };

    // the heading as the report prints it, then the method whose figures the rows judge
    QString out = QStringLiteral("  %1:\n").arg(
        BatchOutput::plainText(DINCriteriaResult::headingText(din.m_options.m_edition)));
    out += row(QStringLiteral("Basis"), basis == CriteriaBasis::Glaser
                                            ? QStringLiteral("Glaser scheme")
                                            : QStringLiteral("moisture storage method"));
    const QString massLimit = QStringLiteral("limit ") +
                              massValue(DINCriteriaResult::massLimit(din.m_nonCapillaryApplies));
    out += row(BatchOutput::plainText(DINCriteriaResult::massRowText(din.m_nonCapillaryApplies)),
               criterion(condensate, massLimit, din.m_massMet));
    switch (din.woodRow()) {
    case DINCriteriaResult::TimberRow:
        out +=
            row(BatchOutput::plainText(DINCriteriaResult::timberRowText()),
                criterion(condensate, QStringLiteral("limit ") + massValue(din.m_massLimitTimber),
                          din.m_woodMet));
        break;
    case DINCriteriaResult::WoodBasedRow:
        out += row(BatchOutput::plainText(DINCriteriaResult::woodBasedRowText()),
                   criterion(condensate,
                             QStringLiteral("limit ") + massValue(din.m_massLimitWoodBased),
                             din.m_woodMet));
        break;
    case DINCriteriaResult::NoWoodRow:
        break;
    }
    // a negative drying time: the summer flux feeds the condensate
    const QString dryingTime =
        t_ev < 0 ? QStringLiteral("no drying")
                 : QStringLiteral("t_ev %1 d").arg(QString::number(t_ev / 86400, 'f', 2));
    out += row(BatchOutput::plainText(DINCriteriaResult::dryingTimeRowText()),
               criterion(dryingTime, QStringLiteral("limit 90 d"), din.m_dryingTimeMet));
    const double reserve = din.m_options.m_dryingReserve;
    const QString reserveLabel =
        BatchOutput::plainText(DINCriteriaResult::dryingReserveRowText(reserve));
    if (!din.m_figures.dryingReserveApplies)
        return out;
    if (din.m_dryingReserveEvaluated)
        out += row(reserveLabel, judged(QStringLiteral("m_ev ") + massValue(din.m_figures.m_ev),
                                        QStringLiteral("required above M_c + reserve = ") +
                                            massValue(M_c + reserve),
                                        din.m_dryingReserveMet));
    else if (DINCriteriaResult::dryingReserveEvaluated(1, reserve))
        out +=
            row(reserveLabel, notEvaluated(evaluated ? QStringLiteral("no condensate") : reason));
    if (!din.m_note.isEmpty())
        out += QStringLiteral("    %1\n").arg(BatchOutput::plainText(din.m_note));
    return out;
}

} // namespace

namespace BatchCriteria {

QString text(const Assessment &assessment)
{
    const MinimumHeatResistance::Result &minimum = assessment.minimum;
    const QString &reason = assessment.notEvaluatedReason;
    QString out = dinRows(assessment, CriteriaBasis::MoistureStorage);
    out += dinRows(assessment, CriteriaBasis::Glaser);

    out += QStringLiteral("  Minimum thermal protection (%1):\n").arg(minimum.m_editionName);
    const QString resistance =
        QStringLiteral("R %1 m2K/W").arg(QString::number(assessment.R_layers, 'f', 3));
    const QString requirement =
        QStringLiteral("R_min %1 m2K/W").arg(QString::number(minimum.m_R_min, 'f', 2));
    out += row(QStringLiteral("%1 (row %2)").arg(minimum.m_name, minimum.m_row),
               assessment.thermalEvaluated ? judged(resistance, requirement, minimum.m_fulfilled)
                                           : unjudged(requirement, reason));
    if (minimum.m_frsiChecked) {
        const QString factors = QStringLiteral("%1 (f_min %2)")
                                    .arg(QString::number(minimum.m_f_Rsi, 'f', 2),
                                         QString::number(minimum.m_f_min, 'f', 1));
        out += row(QStringLiteral("Temperature factor f_Rsi"),
                   factors + QStringLiteral(", ") +
                       (assessment.thermalEvaluated ? verdict(minimum.m_frsiFulfilled)
                                                    : notEvaluated(reason)));
    }
    return out;
}

} // namespace BatchCriteria
