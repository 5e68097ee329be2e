#include "ui/editors/AssessmentClimateWidget.h"

#include "ui/editors/AssessmentTypeWidget.h"
#include "ui/editors/ClimateEditWidget.h"

#include <QVBoxLayout>

AssessmentClimateWidget::AssessmentClimateWidget(Project &project, QUndoStack &undoStack,
                                                 QWidget *parent)
    : QWidget(parent)
{
    m_assessmentType = new AssessmentTypeWidget(project, undoStack, this);
    m_assessmentType->setObjectName(QStringLiteral("widgetAssessmentType"));
    m_climate = new ClimateEditWidget(project, undoStack, this);
    m_climate->setObjectName(QStringLiteral("widgetClimate"));
    m_assessmentType->setClimateEditWidget(m_climate);

    const int width = qMax(m_assessmentType->labelColumnWidth(), m_climate->labelColumnWidth());
    m_assessmentType->setLabelColumnWidth(width);
    m_climate->setLabelColumnWidth(width);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_assessmentType);
    layout->addSpacing(12);
    layout->addWidget(m_climate);
    layout->addStretch(1);
}

void AssessmentClimateWidget::setSide(bool warmSide)
{
    m_climate->setSide(warmSide);
    m_assessmentType->reload();
}
