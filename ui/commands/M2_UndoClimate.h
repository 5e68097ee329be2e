#pragma once

#include "ui/commands/M2_UndoCommandBase.h"

#include "model/Climate.h"

#include <QCoreApplication>

/*  The commands of the climate and assessment-type editors. The side is the construction's
    warm side (inside) or cold side (outside). The period switch state (true: the editor shows
    the condensation period, "Winter") is kept with the command so that the climate editor can
    show the period in which the value was edited when the command is undone or redone. */

/*  One climate value of one side, by kind: 0 temperature and 1 relative humidity of the
    condensation period, 2 temperature and 3 relative humidity of the evaporation period,
    4 surface resistance. A swap: undo and redo exchange the held value with the record's.

    The surface resistance is one of the surface, so kind 4 sets it for both periods (the
    project file keeps only one, and the DIN conditions require both equal); the summer value is
    held apart, so that undo restores both even where they differed.

    changed() is false for a value the project does not take (Project::acceptsClimateValue) and
    for the value the editor shows now (for kind 4 that of the period the switch shows). */
class M2_UndoClimate : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoClimate)
public:
    M2_UndoClimate(Project &project, int kind, bool warmSide, bool winterPeriod, double value);
    void undo() override { swap(); }
    void redo() override { swap(); }
    static QString description(int kind, bool warmSide);
    /*! "warm side" or "cold side". */
    static QString sideName(bool warmSide);

    int kind() const { return m_kind; }
    bool warmSide() const { return m_warmSide; }
    bool winterPeriod() const { return m_winterPeriod; }

private:
    void swap();

    int m_kind;
    bool m_warmSide;
    bool m_winterPeriod;
    double m_value;
    /*! Kind 4 only: the evaporation-period surface resistance to exchange. */
    double m_summerValue;
};

/*  A climate preset chosen for one side. Under a DIN 4108-3 assessment condition the condition
    is applied again with the preset as the preferred one for the side; under custom conditions
    only the side's condensation-period values change. Redo keeps the whole climate record as it
    was, and undo restores it, so the values typed before come back exactly.

    changed() is false for a preset the current assessment condition does not offer for the
    side, and for one whose values the side's condensation-period condition has already. */
class M2_UndoClimateAll : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoClimateAll)
public:
    M2_UndoClimateAll(Project &project, bool warmSide, bool winterPeriod, int presetId);
    void undo() override;
    void redo() override;
    static QString description(bool warmSide);

    bool warmSide() const { return m_warmSide; }
    bool winterPeriod() const { return m_winterPeriod; }
    int presetId() const { return m_presetId; }

private:
    bool m_warmSide;
    bool m_winterPeriod;
    int m_presetId;
    Climate m_previous;
};

/*  The assessment condition (0 custom, 1 DIN 4108-3 2001, 2 DIN 4108-3 2014 and later) with the
    lengths of the condensation and evaporation periods in days, as the assessment-type editor
    holds them. Redo applies them, unless the project has that condition and both lengths within
    1e-4 days already; it keeps the whole climate record, which undo restores. A swap of the
    three values alone could not undo a DIN condition: applying the custom condition to DIN
    values recognises the DIN condition again, and the values the user had typed before would be
    lost. */
class M2_UndoAssessmentType : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoAssessmentType)
public:
    /*! What the user edited; it chooses the description. */
    enum Edit
    {
        AssessmentType,
        CondensationTime,
        EvaporationTime
    };

    M2_UndoAssessmentType(Project &project, Edit edit, int assessmentType, double condensationDays,
                          double evaporationDays);
    void undo() override;
    void redo() override;
    static QString description(Edit edit);

private:
    int m_assessmentType;
    double m_condensationDays;
    double m_evaporationDays;
    Climate m_previous;
};
