#include "ui/editors/ClimateEditWidget.h"

#include "document/Project.h"
#include "model/ClimatePresets.h"
#include "qtext/ComboWidth.h"
#include "qtext/FieldMessageLine.h"
#include "qtext/GridCaptions.h"
#include "qtext/ValidatingLineEdit.h"
#include "ui/commands/M2_UndoClimate.h"
#include "ui/editors/ProjectValueRules.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QUndoStack>

#include <limits>

namespace {

const double Infinity = std::numeric_limits<double>::infinity();

// Value kinds of M2_UndoClimate.
enum Kind
{
    WinterT = 0,
    WinterRH = 1,
    SummerT = 2,
    SummerRH = 3,
    SurfaceResistance = 4
};

} // namespace

ClimateEditWidget::ClimateEditWidget(Project &project, QUndoStack &undoStack, QWidget *parent)
    : QWidget(parent)
    , m_project(project)
    , m_undoStack(undoStack)
{
    m_title = new QLabel(tr("Climatic Data"), this);
    m_title->setObjectName(QStringLiteral("labelClimateData"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);

    m_presets = new QComboBox(this);
    m_presets->setObjectName(QStringLiteral("comboBoxClimatePresets"));
    // The preset names are long; the panel must not grow with them.
    m_presets->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_presets->setMinimumContentsLength(20);
    m_presets->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // ... but every preset name of every list is shown whole (German and Polish names are long)
    QStringList allNames;
    for (int type : {Climate::AC_Custom, Climate::AC_DIN4108_2001, Climate::AC_DIN4108_2014})
        for (int side : {Climate::Inside, Climate::Outside})
            allNames += ClimatePresets::presetNames(type, side);
    QtExt::fitComboToTexts(m_presets, allNames);

    m_winter = new QRadioButton(tr("Winter:"), this);
    m_winter->setObjectName(QStringLiteral("radioButtonWinter"));
    m_winter->setToolTip(tr("Climate of the condensation period"));
    m_summer = new QRadioButton(tr("Summer:"), this);
    m_summer->setObjectName(QStringLiteral("radioButtonSummer"));
    m_summer->setToolTip(tr("Climate of the evaporation period"));
    auto *periods = new QButtonGroup(this);
    periods->addButton(m_winter);
    periods->addButton(m_summer);
    m_winter->setChecked(true);

    m_RT = new QtExt::ValidatingLineEdit(this);
    m_RT->setObjectName(QStringLiteral("lineEditClimateRT"));
    m_RT->setup(0, Infinity, tr("The surface resistance must be > 0."), false);
    m_T = new QtExt::ValidatingLineEdit(this);
    m_T->setObjectName(QStringLiteral("lineEditClimateT"));
    m_T->setup(-40, 80, tr("The temperature must lie between -40 °C and 80 °C."));
    m_RH = new QtExt::ValidatingLineEdit(this);
    m_RH->setObjectName(QStringLiteral("lineEditClimateRH"));
    m_RH->setup(0, 100, tr("The relative humidity must lie between 0 % and 100 %."));
    for (QtExt::ValidatingLineEdit *edit : {m_RT, m_T, m_RH}) {
        edit->setFormat('g', 6);
        // a refused entry is put back, so that the field shows what the climate holds
        edit->setRestoreOnRefusal(true);
    }

    auto caption = [this](const QString &text) {
        auto *label = new QLabel(text, this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    };
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->addWidget(m_title, 0, 0, 1, 2);
    // the preset names are long (up to some 80 characters in Polish): the combo box takes a
    // row of its own, below its caption, across the whole editor
    m_grid->addWidget(caption(tr("Select climate data preset:")), 1, 0, 1, 2);
    m_grid->addWidget(m_presets, 2, 0, 1, 2);
    auto *periodRow = new QHBoxLayout;
    periodRow->addWidget(m_winter);
    periodRow->addWidget(m_summer);
    periodRow->addStretch(1);
    m_grid->addLayout(periodRow, 3, 1);
    const QString tCaption = tr("Temperature in [%1C]:").arg(QChar(0x00B0));
    const QString rhCaption = tr("Relative Humidity in [%]:");
    const QString rsCaption = tr("Surface transfer resistance in [m%1K/W]:").arg(QChar(0x00B2));
    m_grid->addWidget(caption(tCaption), 4, 0);
    m_grid->addWidget(m_T, 4, 1);
    m_grid->addWidget(caption(rhCaption), 5, 0);
    m_grid->addWidget(m_RH, 5, 1);
    m_grid->addWidget(caption(rsCaption), 6, 0);
    m_grid->addWidget(m_RT, 6, 1);
    // the reasons for red and amber fields in words, below the fields
    m_messages = new QtExt::FieldMessageLine(this);
    m_messages->watch(m_T, tCaption);
    m_messages->watch(m_RH, rhCaption);
    m_messages->watch(m_RT, rsCaption);
    m_grid->addWidget(m_messages, 7, 0, 1, 2);
    m_grid->setColumnStretch(1, 1);
    setTabOrder(m_presets, m_winter);
    setTabOrder(m_winter, m_summer);
    setTabOrder(m_summer, m_T);
    setTabOrder(m_T, m_RH);
    setTabOrder(m_RH, m_RT);

    // activated also follows a choice of the entry already shown: with values that match no
    // preset the list shows its first entry, which must still be applicable
    connect(m_presets, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ClimateEditWidget::comboBoxClimatePresetsCurrentIndexChanged);
    connect(m_presets, QOverload<int>::of(&QComboBox::activated), this,
            &ClimateEditWidget::comboBoxClimatePresetsCurrentIndexChanged);
    connect(m_winter, &QRadioButton::clicked, this, &ClimateEditWidget::radioButtonPeriod_clicked);
    connect(m_summer, &QRadioButton::clicked, this, &ClimateEditWidget::radioButtonPeriod_clicked);
    connect(m_T, &QtExt::ValidatingLineEdit::editingFinishedSuccessfully, this,
            &ClimateEditWidget::doubleEditingFinishedTemperature);
    connect(m_RH, &QtExt::ValidatingLineEdit::editingFinishedSuccessfully, this,
            &ClimateEditWidget::doubleEditingFinished);
    connect(m_RT, &QtExt::ValidatingLineEdit::editingFinishedSuccessfully, this,
            &ClimateEditWidget::doubleEditingFinished);

    connect(&m_project, &Project::changed, this, &ClimateEditWidget::projectChanged);
    enableFields(m_project.hasProject() ? m_project.inputData().climate().assessmentCondition()
                                        : Climate::AC_Custom);
}

void ClimateEditWidget::setSide(bool warmSide)
{
    // a refusal at the other side is no longer news
    if (warmSide != m_warmSide)
        m_messages->clearRefusal();
    m_warmSide = warmSide;
    if (!m_project.hasProject())
        return;
    const int type = m_project.inputData().climate().assessmentCondition();
    // the side changes the list as well
    setAssessmentType(type, true);
}

void ClimateEditWidget::setAssessmentType(int type, bool force)
{
    if (force || type != m_listType)
        rebuildPresetList(type);
    fillValues();
    enableFields(type);
}

void ClimateEditWidget::rebuildPresetList(int type)
{
    const bool wasChanging = m_changeFlag;
    m_changeFlag = false;
    m_presets->clear();
    const int side = m_warmSide ? Climate::Inside : Climate::Outside;
    const QStringList names = ClimatePresets::presetNames(type, side);
    const std::vector<int> ids = ClimatePresets::presetIds(type, side);
    for (int i = 0; i < names.size(); ++i) {
        m_presets->addItem(names[i], ids[std::size_t(i)]);
        m_presets->setItemData(i, names[i], Qt::ToolTipRole);
    }
    m_listType = type;
    m_changeFlag = wasChanging;
}

void ClimateEditWidget::enableFields(int type)
{
    const bool custom = type == Climate::AC_Custom;
    for (QtExt::ValidatingLineEdit *edit : {m_RT, m_T, m_RH})
        edit->setEnabled(custom && m_project.hasProject());
    m_presets->setEnabled(m_winter->isChecked() && m_project.hasProject());
}

bool ClimateEditWidget::winterPeriod() const
{
    return m_winter->isChecked();
}

void ClimateEditWidget::setWinterPeriod(bool winter)
{
    if (winter == m_winter->isChecked())
        return;
    (winter ? m_winter : m_summer)->setChecked(true);
    reload();
}

void ClimateEditWidget::reload()
{
    if (!m_project.hasProject())
        return;
    setAssessmentType(m_project.inputData().climate().assessmentCondition(), false);
}

void ClimateEditWidget::fillValues()
{
    if (!m_project.hasProject())
        return;
    const bool wasChanging = m_changeFlag;
    m_changeFlag = false;
    const Climate &climate = m_project.inputData().climate();
    const bool winter = m_winter->isChecked();
    const ClimateCondition &c = m_warmSide
                                    ? (winter ? climate.insideWinter() : climate.insideSummer())
                                    : (winter ? climate.outsideWinter() : climate.outsideSummer());
    // the project's rules are set before the values, so that the values are judged by them
    const Climate::Side side = m_warmSide ? Climate::Inside : Climate::Outside;
    const Climate::Period period = winter ? Climate::Winter : Climate::Summer;
    m_T->setFieldValidator(new ClimateValueRule(m_project, side, period, Climate::Q_T));
    m_RH->setFieldValidator(new ClimateValueRule(m_project, side, period, Climate::Q_rh));
    // one surface resistance for both periods
    m_RT->setFieldValidator(new ClimateValueRule(m_project, side, Climate::Both, Climate::Q_Rs));
    m_T->setValue(c.m_T);
    m_RH->setValue(c.m_rh);
    m_RT->setValue(c.m_Rs);
    if (winter) {
        const QString name = ClimatePresets::presetNameForCondition(c);
        const int index = name.isEmpty() ? -1 : m_presets->findText(name);
        m_presets->setCurrentIndex(index < 0 ? 0 : index);
    }
    m_presets->setEnabled(winter);
    // the names are longer than the combo box
    m_presets->setToolTip(m_presets->currentText());
    m_changeFlag = wasChanging;
}

void ClimateEditWidget::comboBoxClimatePresetsCurrentIndexChanged(int index)
{
    if (!m_changeFlag || !m_project.hasProject() || index < 0 || !m_winter->isChecked())
        return;
    const int id = ClimatePresets::presetIdForName(m_presets->itemText(index));
    if (id < 0)
        return;
    auto *command = new M2_UndoClimateAll(m_project, m_warmSide, true, id);
    if (command->changed())
        m_undoStack.push(command);
    else
        delete command;
    // a preset that changed nothing (one with the values of another) shows the matching entry
    fillValues();
}

void ClimateEditWidget::radioButtonPeriod_clicked()
{
    reload();
}

void ClimateEditWidget::pushValue(QtExt::ValidatingLineEdit *edit, int kind)
{
    if (!m_changeFlag || !m_project.hasProject() || !edit->isModified())
        return;
    edit->setModified(false);
    auto *command =
        new M2_UndoClimate(m_project, kind, m_warmSide, m_winter->isChecked(), edit->value());
    if (command->changed()) {
        m_undoStack.push(command);
    } else {
        delete command;
        // the value held, in the interface's format ("20.0" typed shows as "20")
        fillValues();
    }
}

void ClimateEditWidget::doubleEditingFinishedTemperature()
{
    pushValue(m_T, m_winter->isChecked() ? WinterT : SummerT);
}

void ClimateEditWidget::doubleEditingFinished()
{
    if (sender() == m_RH)
        pushValue(m_RH, m_winter->isChecked() ? WinterRH : SummerRH);
    else if (sender() == m_RT)
        pushValue(m_RT, SurfaceResistance);
}

void ClimateEditWidget::projectChanged(ProjectChanges changes, int select)
{
    if (!(changes & (ProjectChange::Climate | ProjectChange::Reset)))
        return;
    // An edit of one period at the side shown (typed, undone or redone) shows that period, so
    // that the user sees the value that changed.
    const int winter = editedPeriod(changes, select);
    const bool thisSide = select == (m_warmSide ? 0 : m_project.layerCount() + 1);
    if (winter >= 0 && thisSide && m_winter->isChecked() != bool(winter))
        (winter ? m_winter : m_summer)->setChecked(true);
    setAssessmentType(m_project.inputData().climate().assessmentCondition(), false);
}

int ClimateEditWidget::editedPeriod(ProjectChanges changes, int select)
{
    const bool winter = changes.testFlag(ProjectChange::WinterClimate);
    const bool summer = changes.testFlag(ProjectChange::SummerClimate);
    if (!(changes & ProjectChange::Climate) || select < 0 || winter == summer)
        return -1;
    return winter ? 1 : 0;
}

int ClimateEditWidget::labelColumnWidth() const
{
    return QtExt::captionColumnWidth(*m_grid);
}

void ClimateEditWidget::setLabelColumnWidth(int width)
{
    m_grid->setColumnMinimumWidth(0, width);
}
