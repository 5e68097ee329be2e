#include "ui/MaterialEditWidget.h"

#include "document/Project.h"
#include "model/MoistStorageValidator.h"
#include "qtext/ColorButton.h"
#include "qtext/ValidatingLineEdit.h"
#include "settings/Settings.h"
#include "ui/MoistStorageFieldRule.h"
#include "ui/commands/M2_UndoLayerProperties.h"

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

QString unitName(int unitCode)
{
    switch (unitCode) {
    case 1:
        return MaterialEditWidget::tr("m");
    case 10:
        return MaterialEditWidget::tr("dm");
    case 100:
        return MaterialEditWidget::tr("cm");
    default:
        return MaterialEditWidget::tr("mm");
    }
}

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
    materialForm->addRow(tr("Thermal conductivity [W/mK]:"), m_lambda);
    materialForm->addRow(tr("Vapor diffusion resistance factor [-]:"), m_mu);
    materialForm->addRow(tr("Moisture content at 80% RH [m%1/m%1]:").arg(cubic), m_w80);
    materialForm->addRow(tr("Moisture content at saturation [m%1/m%1]:").arg(cubic), m_wSat);
    materialForm->addRow(m_awLabel, m_aw);
    materialForm->addRow(tr("sd-value [m]"), m_sd);
    for (QFormLayout *form : {layerForm, materialForm})
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(layerBox);
    layout->addWidget(materialBox);
    layout->addStretch(1);

    connect(m_name, &QLineEdit::editingFinished, this, &MaterialEditWidget::nameEditingFinished);
    connect(m_color, &QPushButton::clicked, this, &MaterialEditWidget::colorClicked);
    clear();
}

void MaterialEditWidget::setLabels(int widthUnit, bool awInSeconds)
{
    m_widthLabel->setText(tr("Layer width/height [%1]:").arg(unitName(widthUnit)));
    const QString square = QString(QChar(0x00B2));
    const QString half = QString(QChar(0x00BD));
    m_awLabel->setText(awInSeconds
                           ? tr("Water absorption coefficient [kg/m%1s%2]:").arg(square, half)
                           : tr("Water absorption coefficient [kg/m%1h%2]:").arg(square, half));
}

void MaterialEditWidget::setLayer(int index)
{
    if (!m_project.hasProject())
        return;
    if (index < 0 || index >= m_project.layerCount()) {
        clear();
        return;
    }
    m_index = index;
    load();
}

void MaterialEditWidget::clear()
{
    m_index = -1;
    m_width->setFieldValidator(nullptr);
    m_width->setText(QStringLiteral("10"));
    m_name->clear();
    for (QtExt::ValidatingLineEdit *edit : {m_lambda, m_mu, m_w80, m_wSat, m_aw, m_sd})
        edit->clear();
    setLabels(1000, true);
}

QtExt::ValidatingLineEdit *MaterialEditWidget::field(int kind) const
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

double MaterialEditWidget::shownValue(int kind) const
{
    const MaterialLayer &layer = m_project.inputData().layer(m_index);
    switch (kind) {
    case Project::LV_Mu:
        return layer.mu();
    case Project::LV_W80:
        return layer.m_w_80;
    case Project::LV_WSat:
        return layer.m_w_sat;
    case Project::LV_Lambda:
        return layer.lambda(m_project.heatFlowDirection());
    case Project::LV_Aw:
        return m_settings.m_awInSeconds ? layer.m_A_w : layer.m_A_w * 60;
    default:
        return layer.width(m_settings.m_layerWidthUnit);
    }
}

void MaterialEditWidget::load()
{
    const MaterialLayer &layer = m_project.inputData().layer(m_index);
    // the rules are set before the values, so that both fields judge the new pair
    m_w80->setFieldValidator(new MoistStorageFieldRule(MoistStorageValidator::W80, m_wSat));
    m_wSat->setFieldValidator(new MoistStorageFieldRule(MoistStorageValidator::WSat, m_w80));
    m_name->setText(layer.m_name);
    m_name->setCursorPosition(0); // a long name shows its beginning
    const bool air = layer.isAir();
    for (QtExt::ValidatingLineEdit *edit : {m_lambda, m_mu, m_w80, m_wSat, m_aw, m_sd})
        edit->setEnabled(!air);
    for (int kind :
         {Project::LV_Lambda, Project::LV_Mu, Project::LV_W80, Project::LV_WSat, Project::LV_Aw})
        field(kind)->setValue(shownValue(kind));
    m_color->setColor(layer.m_color);
    setLabels(m_settings.m_layerWidthUnit, m_settings.m_awInSeconds);
    m_width->setValue(shownValue(Project::LV_Width));
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
    int kind = -1;
    for (int k = Project::LV_Mu; k <= Project::LV_Width; ++k)
        if (field(k) == edit)
            kind = k;
    if (kind < 0)
        return;
    if (!edit->isValid()) {
        edit->setValue(shownValue(kind));
        return;
    }
    // the project keeps SI values: widths in metres, A_w per second
    double value = edit->value();
    if (kind == Project::LV_Width)
        value /= m_settings.m_layerWidthUnit;
    else if (kind == Project::LV_Aw && !m_settings.m_awInSeconds)
        value /= 60;
    auto *command =
        new M2_UndoMaterialParameters(m_project, kind, m_index, value, m_settings.m_awInSeconds);
    if (command->changed())
        m_undoStack.push(command);
    else
        delete command;
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
