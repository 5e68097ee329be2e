#include "ui/editors/MaterialEditWidget.h"

#include "document/Project.h"
#include "qtext/ColorButton.h"
#include "qtext/FieldMessageLine.h"
#include "qtext/ValidatingLineEdit.h"
#include "settings/Settings.h"
#include "ui/commands/M2_UndoLayerProperties.h"
#include "ui/editors/ProjectValueRules.h"

#include <QColorDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QUndoStack>
#include <QVBoxLayout>

#include <limits>
#include <optional>

namespace {

const double Infinity = std::numeric_limits<double>::infinity();

} // namespace

MaterialEditWidget::MaterialEditWidget(Project &project, QUndoStack &undoStack,
                                       const Settings &settings, QWidget *parent)
    : QWidget(parent)
    , m_project(project)
    , m_undoStack(undoStack)
    , m_settings(settings)
{
    m_colorChooser = [](const QColor &initial, QWidget *owner) {
        return QColorDialog::getColor(initial, owner, tr("Select Layer Color"));
    };

    auto makeField = [this](const char *name, const QString &errorText) {
        auto *edit = new QtExt::ValidatingLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setup(0, Infinity, errorText, false);
        // a refused entry is put back, so that the field shows what the layer holds
        edit->setRestoreOnRefusal(true);
        connect(edit, &QtExt::ValidatingLineEdit::editingFinishedSuccessfully, this,
                &MaterialEditWidget::doubleEditingFinished);
        return edit;
    };
    m_width = makeField("lineEditWidth", tr("The layer width must be > 0."));
    m_width->setNormalToolTip(tr("This filed changes the width of a material layer."));
    m_color = new QtExt::ColorButton(this);
    m_color->setObjectName(QStringLiteral("pushButtonColor"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("lineEditMaterialName"));
    m_name->setToolTip(tr("The name of the material of the selected layer."));
    QPalette namePalette = m_name->palette();
    namePalette.setColor(QPalette::Base, namePalette.color(QPalette::AlternateBase));
    m_name->setPalette(namePalette);
    m_lambda = makeField("lineEditLambda", tr("The thermal conductivity must be > 0."));
    m_mu = makeField("lineEditMu", tr("The vapor resistance factor must be > 0."));
    m_w80 = makeField("lineEditW80", tr("The moisture content at 80% humidity must be > 0 and "
                                        "lower than the saturation moisture content."));
    m_w80->setup(0, 1,
                 tr("The moisture content at 80% humidity must be > 0 and lower than the "
                    "saturation moisture content."));
    m_w80->setNormalToolTip(tr("Moisture content must be in between 0.01 and 0.8."));
    m_wSat = makeField("lineEditWSat",
                       tr("The moisture content at saturation must be larger than the moisture "
                          "content at 80% humidity and lower equal than 1.0."));
    m_wSat->setup(0, 1,
                  tr("The moisture content at saturation must be larger than the moisture "
                     "content at 80% humidity and lower equal than 1.0."));
    m_aw = makeField("lineEditAw", tr("The water uptake coefficient must be > 0."));
    m_sd = makeField("lineEdit_sdValue", tr("The sd-value must be > 0."));
    m_sd->setReadOnly(true);
    m_sd->setFocusPolicy(Qt::NoFocus);

    m_widthLabel = new QLabel(this);
    m_widthLabel->setToolTip(tr("The unit can be configured in settings dialogue."));
    m_awLabel = new QLabel(this);
    m_awLabel->setToolTip(tr("The unit can be configured in settings dialogue."));
    const QString cubic = QString(QChar(0x00B3));

    auto *layerBox = new QGroupBox(tr("Layer Properties"), this);
    auto *layerForm = new QFormLayout(layerBox);
    layerForm->addRow(m_widthLabel, m_width);
    layerForm->addRow(tr("Color:"), m_color);
    auto *materialBox = new QGroupBox(tr("Material Properties"), this);
    auto *materialForm = new QFormLayout(materialBox);
    materialForm->addRow(tr("Name:"), m_name);
    const QString lambdaCaption = tr("Thermal conductivity [W/mK]:");
    const QString muCaption = tr("Vapor diffusion resistance factor [-]:");
    const QString w80Caption = tr("Moisture content at 80% RH [m%1/m%1]:").arg(cubic);
    const QString wSatCaption = tr("Moisture content at saturation [m%1/m%1]:").arg(cubic);
    materialForm->addRow(lambdaCaption, m_lambda);
    materialForm->addRow(muCaption, m_mu);
    materialForm->addRow(w80Caption, m_w80);
    materialForm->addRow(wSatCaption, m_wSat);
    materialForm->addRow(m_awLabel, m_aw);
    materialForm->addRow(tr("sd-value [m]"), m_sd);
    for (QFormLayout *form : {layerForm, materialForm})
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    // the reasons for red and amber fields in words, below the fields
    m_messages = new QtExt::FieldMessageLine(this);
    m_messages->watch(m_width, QString());
    m_messages->watch(m_lambda, lambdaCaption);
    m_messages->watch(m_mu, muCaption);
    m_messages->watch(m_w80, w80Caption);
    m_messages->watch(m_wSat, wSatCaption);
    m_messages->watch(m_aw, QString());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(layerBox);
    layout->addWidget(materialBox);
    layout->addWidget(m_messages);
    layout->addStretch(1);

    // the order in which the values are read on a data sheet
    setTabOrder(m_width, m_color);
    setTabOrder(m_color, m_name);
    setTabOrder(m_name, m_lambda);
    setTabOrder(m_lambda, m_mu);
    setTabOrder(m_mu, m_w80);
    setTabOrder(m_w80, m_wSat);
    setTabOrder(m_wSat, m_aw);

    connect(m_name, &QLineEdit::editingFinished, this, &MaterialEditWidget::nameEditingFinished);
    // a new width or A_w unit shows the loaded layer in it at once
    connect(&m_settings, &Settings::changed, this, [this](SettingsGroups groups) {
        if ((groups & SettingsGroup::Units) && m_index >= 0 && m_index < m_project.layerCount())
            load();
    });
    connect(m_color, &QPushButton::clicked, this, &MaterialEditWidget::colorClicked);
    clear();
}

void MaterialEditWidget::setLabels(const DisplayUnits &units)
{
    m_widthLabel->setText(tr("Layer width/height [%1]:").arg(units.widthUnitLabel()));
    m_awLabel->setText(tr("Water absorption coefficient [%1]:").arg(units.awUnitLabel()));
    m_messages->setCaption(m_width, m_widthLabel->text());
    m_messages->setCaption(m_aw, m_awLabel->text());
}

void MaterialEditWidget::setLayer(int index)
{
    if (!m_project.hasProject())
        return;
    if (index < 0 || index >= m_project.layerCount()) {
        clear();
        return;
    }
    // a refusal at another layer is no longer news
    if (index != m_index)
        m_messages->clearRefusal();
    m_index = index;
    load();
}

void MaterialEditWidget::clear()
{
    m_index = -1;
    m_messages->clearRefusal();
    m_width->setFieldValidator(nullptr);
    m_width->setValue(10);
    m_name->clear();
    for (QtExt::ValidatingLineEdit *edit : {m_lambda, m_mu, m_w80, m_wSat, m_aw, m_sd})
        edit->clear();
    setLabels(DisplayUnits(1000, true));
}

QtExt::ValidatingLineEdit *MaterialEditWidget::field(Project::LayerValue kind) const
{
    switch (kind) {
    case Project::LV_Mu:
        return m_mu;
    case Project::LV_W80:
        return m_w80;
    case Project::LV_WSat:
        return m_wSat;
    case Project::LV_Lambda:
        return m_lambda;
    case Project::LV_Aw:
        return m_aw;
    default:
        return m_width;
    }
}

double MaterialEditWidget::shownValue(Project::LayerValue kind) const
{
    const MaterialLayer &layer = m_project.inputData().layer(m_index);
    const DisplayUnits units = m_settings.displayUnits();
    switch (kind) {
    case Project::LV_Mu:
        return layer.mu();
    case Project::LV_Lambda:
        return layer.lambda(m_project.heatFlowDirection());
    case Project::LV_Aw:
        return units.awToDisplay(layer.m_A_w);
    case Project::LV_Width:
        return units.widthToDisplay(layer.m_width);
    default:
        return m_project.layerValue(m_index, kind);
    }
}

double MaterialEditWidget::toProjectUnits(Project::LayerValue kind, double shown) const
{
    const DisplayUnits units = m_settings.displayUnits();
    if (kind == Project::LV_Width)
        return units.widthFromDisplay(shown);
    if (kind == Project::LV_Aw)
        return units.awFromDisplay(shown);
    return shown;
}

void MaterialEditWidget::load()
{
    const MaterialLayer &layer = m_project.inputData().layer(m_index);
    m_name->setText(layer.m_name);
    m_name->setCursorPosition(0); // a long name shows its beginning
    const bool air = layer.isAir();
    for (QtExt::ValidatingLineEdit *edit : {m_lambda, m_mu, m_w80, m_wSat, m_aw, m_sd})
        edit->setEnabled(!air);
    m_color->setColor(layer.m_color);
    setLabels(m_settings.displayUnits());
    // the project's rules are set before the values, so that the values are judged by them
    for (Project::LayerValue kind : AllValues) {
        field(kind)->setFieldValidator(new LayerValueRule(
            m_project, m_index, kind, [this, kind](double v) { return toProjectUnits(kind, v); }));
        field(kind)->setValue(shownValue(kind));
    }
    if (layer.m_sd_value != 0) {
        m_width->setEnabled(false);
        m_sd->setValue(layer.m_sd_value);
    } else {
        m_width->setEnabled(true);
        m_sd->setValue(layer.width() * layer.mu());
    }
}

void MaterialEditWidget::doubleEditingFinished()
{
    if (!m_project.hasProject() || m_index < 0 || m_index >= m_project.layerCount())
        return;
    auto *edit = qobject_cast<QtExt::ValidatingLineEdit *>(sender());
    if (!edit)
        return;
    for (Project::LayerValue kind : AllValues) {
        if (field(kind) != edit)
            continue;
        const double shown = shownValue(kind);
        if (!edit->isValid()) {
            edit->setValue(shown);
            return;
        }
        // A text that reads as the value shown changes nothing: converted back from a display
        // unit it need not be the stored value to the last bit. The field still shows the
        // value in the interface's format ("1.000" becomes "1"), so that the user sees what
        // was taken.
        if (edit->value() == shown ||
            QString::number(edit->value(), 'g', 15) == QString::number(shown, 'g', 15)) {
            edit->setValue(shown);
            return;
        }
        auto *command = new M2_UndoMaterialParameters(m_project, kind, m_index,
                                                      toProjectUnits(kind, edit->value()));
        if (command->changed()) {
            m_undoStack.push(command);
        } else {
            delete command;
            edit->setValue(shown);
        }
        return;
    }
}

void MaterialEditWidget::nameEditingFinished()
{
    if (!m_project.hasProject() || m_index < 0 || m_index >= m_project.layerCount())
        return;
    auto *command = new M2_UndoMaterialName(m_project, m_index, m_name->text());
    if (command->changed())
        m_undoStack.push(command);
    else
        delete command;
}

void MaterialEditWidget::colorClicked()
{
    if (!m_project.hasProject() || m_index < 0 || m_index >= m_project.layerCount())
        return;
    const QColor color = m_colorChooser(m_project.inputData().layer(m_index).m_color, this);
    if (!color.isValid())
        return;
    auto *command = new M2_UndoLayerColor(m_project, m_index, color);
    if (command->changed())
        m_undoStack.push(command);
    else
        delete command;
}
