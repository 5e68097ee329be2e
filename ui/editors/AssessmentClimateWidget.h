#pragma once

#include <QWidget>

class AssessmentTypeWidget;
class ClimateEditWidget;
class Project;
class QUndoStack;

/*  The editor panel of a climate column of the construction table: the assessment-type editor
    on top, the climate editor of the selected side below, with their caption columns of one
    width.
*/
class AssessmentClimateWidget : public QWidget
{
    Q_OBJECT

public:
    AssessmentClimateWidget(Project &project, QUndoStack &undoStack, QWidget *parent = nullptr);

    /*! Shows the warm side (true) or the cold side and the project's values. */
    void setSide(bool warmSide);

    AssessmentTypeWidget *assessmentTypeWidget() const { return m_assessmentType; }
    ClimateEditWidget *climateEditWidget() const { return m_climate; }

private:
    AssessmentTypeWidget *m_assessmentType;
    ClimateEditWidget *m_climate;
};
