#pragma once

#include "calculation/DINCriteriaResult.h"
#include "calculation/DINEdition.h"
#include "calculation/MinimumHeatResistance.h"

#include <QCoreApplication>
#include <QString>

class InputData;
class ProjectInformation;
struct CalculationResults;
struct ReportSettings;

/*! The settings the assessment of a result needs, as plain values. The defaults are those of a
    fresh installation. */
struct AssessmentOptions
{
    /*! Edition of DIN 4108-3 whose limits the validity criteria apply. */
    DINEdition dinEdition = DINEdition::DIN4108_3_2018;
    /*! A_w limit of the user-defined edition, kg/(m²·s^0.5) (0.2 kg/(m²·h^0.5)). */
    double userAwLimit = 0.2 / 60;
    /*! Drying reserve demanded after DIN 68800-2, kg/(m²·a); 0 means none. */
    double dryingReserve = 0;
    /*! Edition of DIN 4108-2 table 3 (MinimumHeatResistance::Edition). */
    int minimumHeatResEdition = MinimumHeatResistance::DIN4108_2_2013;
    /*! Construction type of that table. */
    int minimumHeatResType = 12;
    /*! Also check the temperature factor f_Rsi. */
    bool frsiCheck = false;

    /*! The options stored in the report settings; an unknown DIN 4108-3 edition code counts as
        the default edition. */
    static AssessmentOptions fromReportSettings(const ReportSettings &settings);
    /*! The same for one project: its own row of DIN 4108-2 table 3 replaces the report
        setting's. A type that the report's edition does not list (the 2013 numbers 12 to 19
        in the 2004 edition) becomes the row of the project's kind in that edition. A project
        without a row of its own (written before the kind existed) keeps the report setting. */
    static AssessmentOptions forProject(const ReportSettings &settings,
                                        const ProjectInformation &project);
};

/*! The verdicts the results display and the report print beside the calculation results: the
    DIN 4108-3 validity criteria with the DIN 68800-2 drying reserve, the DIN 4108-2 minimum
    thermal resistance and, when switched on, the temperature factor f_Rsi; with the figures they
    judge. Without a result there is no verdict: a condensate mass of 0 after a failed or refused
    calculation says nothing about the construction. Texts use the translation context
    "Assessment". */
struct Assessment
{
    Q_DECLARE_TR_FUNCTIONS(Assessment)

public:
    AssessmentOptions options;
    /*! The DIN 4108-3 and DIN 68800-2 verdicts on the moisture-storage method's figures. */
    DINCriteriaResult din;
    /*! The same DIN 4108-3 rules and edition on the Glaser scheme's figures (no drying reserve:
        that stays with the moisture-storage method). */
    DINCriteriaResult dinGlaser;
    MinimumHeatResistance::Result minimum;

    /*! MIRELO result type of the judged calculation. */
    int resultType = 1;
    /*! Condensate mass at the end of the condensation period, evaporable mass (both kg/m²),
        drying time (s), dry sum of the layer resistances (m²K/W). */
    double M_c = 0;
    double m_ev = 0;
    double t_ev = 0;
    double R_layers = 0;

    /*! Without valid input (result types 0 and 1) R_layers is no resistance of the construction:
        the minimum thermal resistance and the temperature factor get no verdict (both
        "fulfilled" flags false). */
    bool thermalEvaluated = false;
    /*! Why the DIN 4108-3 and DIN 68800-2 checks are not evaluated (and, without valid input,
        the DIN 4108-2 checks neither), e.g. "invalid input: Layer #2 (Brick): width 0 m, must be
        greater than 0."; empty when they are. */
    QString notEvaluatedReason;
    /*! Why the DIN 4108-3 checks on the Glaser figures are not evaluated, e.g. "condensation on
        the inside surface"; empty when they are. */
    QString glaserNotEvaluatedReason;

    /*! The DIN 4108-3 and DIN 68800-2 checks judged a result of the moisture calculation. */
    bool criteriaEvaluated() const { return din.m_evaluated; }
    /*! The DIN 4108-3 checks judged a result of the Glaser scheme. */
    bool glaserCriteriaEvaluated() const { return dinGlaser.m_evaluated; }
    /*! The verdicts of one basis, and why they are not evaluated. */
    const DINCriteriaResult &criteria(CriteriaBasis basis) const
    {
        return basis == CriteriaBasis::Glaser ? dinGlaser : din;
    }
    const QString &reasonNotEvaluated(CriteriaBasis basis) const
    {
        return basis == CriteriaBasis::Glaser ? glaserNotEvaluatedReason : notEvaluatedReason;
    }

    /*! Why a result type carries no figures to judge (empty for one that does): the text of
        notEvaluatedReason, also for the Glaser scheme's result type. */
    static QString reasonFor(int resultType, const InputData &input);

    static Assessment evaluate(const InputData &input, const CalculationResults &results,
                               HeatFlowDirection heatFlowDirection,
                               const AssessmentOptions &options);
};
