#include "ui/editors/AssessmentTypeWidget.h"

#include "calculation/MinimumHeatResistance.h"
#include "document/Project.h"
#include "qtext/ComboWidth.h"
#include "qtext/FieldMessageLine.h"
#include "qtext/GridCaptions.h"
#include "qtext/ValidatingLineEdit.h"
#include "ui/commands/M2_UndoClimate.h"
#include "ui/commands/M2_UndoProject.h"
#include "ui/editors/ClimateEditWidget.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QUndoStack>

AssessmentTypeWidget::AssessmentTypeWidget(Project &project, QUndoStack &undoStack, QWidget *parent)
    : QWidget(parent)
    , m_project(project)
    , m_undoStack(undoStack)
{
    auto *title = new QLabel(tr("Assessment Type"), this);
    title->setObjectName(QStringLiteral("labelAssessmentTypeCaption"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("comboBoxConstructionKind"));
    for (ConstructionKind kind : ConstructionKinds::all())
        m_kind->addItem(ConstructionKinds::name(kind), static_cast<int>(kind));
    m_kind->setToolTip(tr("Sets the heat flow direction, the outside climate, the evaporation "
                          "period of DIN 4108-3 and the row of DIN 4108-2 for the minimum "
                          "thermal resistance; each can be changed afterwards."));

    // The rows of the current edition of DIN 4108-2 table 3; a project written before the
    // kind existed follows the report setting.
    m_minimumType = new QComboBox(this);
    m_minimumType->setObjectName(QStringLiteral("comboBoxMinimumResistanceType"));
    m_minimumType->addItem(tr("As in the report settings"),
                           ProjectInformation::NoMinimumResistanceType);
    const int edition = MinimumHeatResistance::DIN4108_2_2013;
    for (int type : MinimumHeatResistance::types(edition))
        m_minimumType->addItem(tr("Row %1: %2")
                                   .arg(MinimumHeatResistance::row(edition, type),
                                        MinimumHeatResistance::name(edition, type)),
                               type);
    for (QComboBox *box : {m_kind, m_minimumType}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(20);
        box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("comboBoxAssessmentType"));
    for (int type : {Climate::AC_Custom, Climate::AC_DIN4108_2001, Climate::AC_DIN4108_2014})
        m_type->addItem(Climate::assessmentConditionText(type), type);
    m_type->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_type->setMinimumContentsLength(20);
    m_type->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QStringList types;
    for (int i = 0; i < m_type->count(); ++i)
        types << m_type->itemText(i);
    QtExt::fitComboToTexts(m_type, types);

    // a period of (almost) nothing or of a whole year makes no seasonal balance
    m_condensation = new QtExt::ValidatingLineEdit(this);
    m_condensation->setObjectName(QStringLiteral("lineEditCondensationTime"));
    m_condensation->setup(0.1, 300, tr("The condensation time must be > 0d and < 300d."), false,
                          false);
    m_drying = new QtExt::ValidatingLineEdit(this);
    m_drying->setObjectName(QStringLiteral("lineEditDryingTime"));
    m_drying->setup(0.1, 300, tr("The drying time must be > 0d and < 300d."), false, false);
    for (QtExt::ValidatingLineEdit *edit : {m_condensation, m_drying}) {
        edit->setFormat('g', 6);
        // a refused entry is put back, so that the field shows the period the project holds
        edit->setRestoreOnRefusal(true);
        connect(edit, &QtExt::ValidatingLineEdit::editingFinishedSuccessfully, this,
                &AssessmentTypeWidget::doubleEditingFinished);
    }

    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->addWidget(title, 0, 0, 1, 2);
    m_grid->addWidget(new QLabel(tr("Construction kind"), this), 1, 0);
    m_grid->addWidget(m_kind, 1, 1);
    m_grid->addWidget(new QLabel(tr("DIN 4108-2 minimum thermal resistance"), this), 2, 0);
    m_grid->addWidget(m_minimumType, 2, 1);
    // the names of the assessment types are long: the combo box takes a row of its own
    m_grid->addWidget(new QLabel(tr("Select assessment type"), this), 3, 0, 1, 2);
    m_grid->addWidget(m_type, 4, 0, 1, 2);
    const QString condensationCaption = tr("Condensation time in d");
    const QString dryingCaption = tr("Drying time in d");
    m_grid->addWidget(new QLabel(condensationCaption, this), 5, 0);
    m_grid->addWidget(m_condensation, 5, 1);
    m_grid->addWidget(new QLabel(dryingCaption, this), 6, 0);
    m_grid->addWidget(m_drying, 6, 1);
    m_messages = new QtExt::FieldMessageLine(this);
    m_messages->watch(m_condensation, condensationCaption);
    m_messages->watch(m_drying, dryingCaption);
    m_grid->addWidget(m_messages, 7, 0, 1, 2);
    m_grid->setColumnStretch(1, 1);
    setTabOrder(m_type, m_condensation);
    setTabOrder(m_condensation, m_drying);

    connect(m_type, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &AssessmentTypeWidget::assessmentTypeChosen);
    connect(m_kind, QOverload<int>::of(&QComboBox::activated), this,
            &AssessmentTypeWidget::constructionKindChosen);
    connect(m_minimumType, QOverload<int>::of(&QComboBox::activated), this,
            &AssessmentTypeWidget::minimumResistanceChosen);
    connect(&m_project, &Project::changed, this, [this](ProjectChanges changes, int) {
        if (changes &
            (ProjectChange::Climate | ProjectChange::Reset | ProjectChange::ConstructionKind))
            reload();
    });
    enablePeriods(Climate::AC_Custom);
}

void AssessmentTypeWidget::enablePeriods(int type)
{
    const bool custom = type == Climate::AC_Custom && m_project.hasProject();
    m_condensation->setEnabled(custom);
    m_drying->setEnabled(custom);
}

void AssessmentTypeWidget::reload()
{
    if (!m_project.hasProject())
        return;
    m_update = false;
    const Climate &climate = m_project.inputData().climate();
    const int type = climate.assessmentCondition();
    m_type->setCurrentIndex(m_type->findData(type));
    m_kind->setCurrentIndex(m_kind->findData(static_cast<int>(m_project.constructionKind())));
    m_minimumType->setCurrentIndex(m_minimumType->findData(m_project.minimumResistanceType()));
    m_condensation->setValue(climate.tT());
    m_drying->setValue(climate.tT_summer());
    enablePeriods(type);
    if (m_climate)
        m_climate->setAssessmentType(type, true);
    m_update = true;
}

void AssessmentTypeWidget::assessmentTypeChosen(int index)
{
    if (!m_update || !m_project.hasProject() || index < 0)
        return;
    const int type = m_type->itemData(index).toInt();
    enablePeriods(type);
    const Climate &climate = m_project.inputData().climate();
    if (type == climate.assessmentCondition())
        return;
    auto *command = new M2_UndoAssessmentType(m_project, M2_UndoAssessmentType::AssessmentType,
                                              type, climate.tT(), climate.tT_summer());
    if (command->changed())
        m_undoStack.push(command);
    else
        delete command;
    // the project's condition, whether the command changed it or not
    reload();
}

void AssessmentTypeWidget::constructionKindChosen(int index)
{
    ConstructionKind kind;
    if (!m_update || !m_project.hasProject() || index < 0 ||
        !ConstructionKinds::fromCode(m_kind->itemData(index).toInt(), kind))
        return;
    auto *command =
        new M2_UndoConstructionKind(m_project, kind, MinimumHeatResistance::DIN4108_2_2013);
    const QString summary = command->summary();
    if (command->changed())
        m_undoStack.push(command);
    else
        delete command;
    emit statusMessage(summary);
    reload();
}

void AssessmentTypeWidget::minimumResistanceChosen(int index)
{
    if (!m_update || !m_project.hasProject() || index < 0)
        return;
    auto *command =
        new M2_UndoMinimumResistanceType(m_project, m_minimumType->itemData(index).toInt());
    if (command->changed())
        m_undoStack.push(command);
    else
        delete command;
    reload();
}

void AssessmentTypeWidget::doubleEditingFinished()
{
    auto *edit = qobject_cast<QtExt::ValidatingLineEdit *>(sender());
    if (!m_update || !m_project.hasProject() || !edit || !edit->isModified())
        return;
    edit->setModified(false);
    const Climate &climate = m_project.inputData().climate();
    const bool condensation = edit == m_condensation;
    const double condensationDays = condensation ? edit->value() : climate.tT();
    const double evaporationDays = condensation ? climate.tT_summer() : edit->value();
    auto *command =
        new M2_UndoAssessmentType(m_project,
                                  condensation ? M2_UndoAssessmentType::CondensationTime
                                               : M2_UndoAssessmentType::EvaporationTime,
                                  climate.assessmentCondition(), condensationDays, evaporationDays);
    if (command->changed()) {
        m_undoStack.push(command);
    } else {
        delete command;
        reload(); // the period held, in the interface's format
    }
}

int AssessmentTypeWidget::labelColumnWidth() const
{
    return QtExt::captionColumnWidth(*m_grid);
}

void AssessmentTypeWidget::setLabelColumnWidth(int width)
{
    m_grid->setColumnMinimumWidth(0, width);
}
