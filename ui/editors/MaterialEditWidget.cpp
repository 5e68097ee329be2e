#include "ui/editors/MaterialEditWidget.h"

#include "document/Project.h"
#include "qtext/ColorButton.h"
#include "qtext/FieldMessageLine.h"
#include "qtext/ValidatingLineEdit.h"
#include "settings/Settings.h"
#include "ui/commands/M2_UndoLayerProperties.h"
#include "ui/editors/ProjectValueRules.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include <limits>
#include <optional>

namespace {

const double NoUpperLimit = std::numeric_limits<double>::infinity();

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
        edit->setup(0, NoUpperLimit, errorText, false);
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
    m_sd->setNormalToolTip(
        tr("The sd-value of the layer; for a humidity-variable vapour retarder its value in the "
           "condensation (winter) period."));
    m_sdSummer = makeField("lineEdit_sdSummer",
                           tr("The sd-value in the evaporation period must be > 0, or empty."));
    // Empty: the material has one sd-value, which holds in both periods.
    m_sdSummer->setAcceptEmpty(true);
    m_sdSummer->setPlaceholderText(tr("as in winter"));

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
    materialForm->addRow(tr("sd-value, evaporation period [m]:"), m_sdSummer);
    for (QFormLayout *form : {layerForm, materialForm})
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    // the second material of an inhomogeneous layer
    m_bridgeBox = new QGroupBox(tr("Second Material (Studs, Rafters, Battens)"), this);
    m_bridgeBox->setObjectName(QStringLiteral("groupBoxBridge"));
    m_bridgeMaterial = new QLabel(m_bridgeBox);
    m_bridgeMaterial->setObjectName(QStringLiteral("labelBridgeMaterial"));
    m_bridgeMaterial->setWordWrap(true);
    m_bridgeChoose = new QPushButton(tr("Choose..."), m_bridgeBox);
    m_bridgeChoose->setObjectName(QStringLiteral("pushButtonBridgeMaterial"));
    m_bridgeChoose->setToolTip(tr("Choose the material of the studs, rafters or battens that "
                                  "run through this layer."));
    m_bridgeRemove = new QPushButton(tr("Remove"), m_bridgeBox);
    m_bridgeRemove->setObjectName(QStringLiteral("pushButtonBridgeRemove"));
    m_bridgeRemove->setToolTip(tr("The layer becomes homogeneous again."));
    m_bridgeEntry = new QComboBox(m_bridgeBox);
    m_bridgeEntry->setObjectName(QStringLiteral("comboBoxBridgeEntry"));
    m_bridgeEntry->addItem(tr("Area fraction"));
    m_bridgeEntry->addItem(tr("Width and spacing"));
    m_bridgeFraction = new QtExt::ValidatingLineEdit(m_bridgeBox);
    m_bridgeFraction->setObjectName(QStringLiteral("lineEditBridgeFraction"));
    m_bridgeFraction->setup(0, 100, tr("The area fraction must lie above 0 % and below 100 %."),
                            false, false);
    m_bridgeWidth = new QtExt::ValidatingLineEdit(m_bridgeBox);
    m_bridgeWidth->setObjectName(QStringLiteral("lineEditBridgeWidth"));
    m_bridgeWidth->setup(0, NoUpperLimit, tr("The width must be > 0 and smaller than the spacing."),
                         false);
    m_bridgeSpacing = new QtExt::ValidatingLineEdit(m_bridgeBox);
    m_bridgeSpacing->setObjectName(QStringLiteral("lineEditBridgeSpacing"));
    m_bridgeSpacing->setup(0, NoUpperLimit,
                           tr("The spacing must be > 0 and larger than the width."), false);
    for (QtExt::ValidatingLineEdit *edit : {m_bridgeFraction, m_bridgeWidth, m_bridgeSpacing})
        connect(edit, &QtExt::ValidatingLineEdit::editingFinishedSuccessfully, this,
                &MaterialEditWidget::bridgeValueFinished);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_bridgeChoose);
    buttons->addWidget(m_bridgeRemove);
    auto *bridgeForm = new QFormLayout(m_bridgeBox);
    bridgeForm->addRow(tr("Material:"), m_bridgeMaterial);
    bridgeForm->addRow(buttons);
    bridgeForm->addRow(tr("Entered as:"), m_bridgeEntry);
    bridgeForm->addRow(tr("Area fraction [%]:"), m_bridgeFraction);
    bridgeForm->addRow(tr("Width of one member [mm]:"), m_bridgeWidth);
    bridgeForm->addRow(tr("Spacing, centre to centre [mm]:"), m_bridgeSpacing);
    bridgeForm->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    connect(m_bridgeChoose, &QPushButton::clicked, this, &MaterialEditWidget::bridgeChooseClicked);
    connect(m_bridgeRemove, &QPushButton::clicked, this, &MaterialEditWidget::bridgeRemoveClicked);
    connect(m_bridgeEntry, QOverload<int>::of(&QComboBox::activated), this,
            &MaterialEditWidget::bridgeEntryChanged);

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
    layout->addWidget(m_bridgeBox);
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
    for (QtExt::ValidatingLineEdit *edit : {m_lambda, m_mu, m_w80, m_wSat, m_aw, m_sd, m_sdSummer})
        edit->clear();
    setLabels(DisplayUnits(1000, true));
    loadBridge();
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
    case Project::LV_SdSummer:
        return m_sdSummer;
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
    // The panel is loaded again after every edit of the layer: a field set to the text it
    // shows would repaint for nothing.
    if (m_name->text() != layer.m_name) {
        m_name->setText(layer.m_name);
        m_name->setCursorPosition(0); // a long name shows its beginning
    }
    const bool air = layer.isAir();
    for (QtExt::ValidatingLineEdit *edit : {m_lambda, m_mu, m_w80, m_wSat, m_aw, m_sd})
        edit->setEnabled(!air);
    // Only a material given by its sd-value (a foil, a membrane) can be humidity-variable.
    const bool sdMaterial = !air && layer.m_sd_value > 0;
    m_sdSummer->setEnabled(sdMaterial);
    m_sdSummer->setNormalToolTip(
        sdMaterial ? tr("The sd-value of a humidity-variable vapour retarder in the evaporation "
                        "(summer) period: the humid-range value of its data sheet. The Glaser "
                        "scheme and the moisture-storage method let the construction dry "
                        "through it; empty: the sd-value holds in both periods.")
                   : tr("Only a material given by its sd-value (a foil, a membrane) can have a "
                        "second sd-value for the evaporation period."));
    m_color->setColor(layer.m_color);
    setLabels(m_settings.displayUnits());
    // the project's rules are set before the values, so that the values are judged by them
    for (Project::LayerValue kind : AllValues) {
        field(kind)->setFieldValidator(new LayerValueRule(
            m_project, m_index, kind, [this, kind](double v) { return toProjectUnits(kind, v); }));
        if (kind == Project::LV_SdSummer && !layer.hasSummerSd())
            field(kind)->clear(); // one sd-value: the placeholder says so
        else
            field(kind)->setValue(shownValue(kind));
    }
    if (layer.m_sd_value != 0) {
        m_width->setEnabled(false);
        m_sd->setValue(layer.m_sd_value);
    } else {
        m_width->setEnabled(true);
        m_sd->setValue(layer.width() * layer.mu());
    }
    loadBridge();
}

void MaterialEditWidget::loadBridge()
{
    const bool loaded = m_project.hasProject() && m_index >= 0 && m_index < m_project.layerCount();
    const MaterialLayer *layer = loaded ? &m_project.inputData().layer(m_index) : nullptr;
    // a foil given by its sd-value has no studs
    m_bridgeBox->setEnabled(layer && layer->m_sd_value == 0);
    const LayerBridge *bridge = layer && layer->m_bridge ? &*layer->m_bridge : nullptr;
    m_bridgeRemove->setEnabled(bridge != nullptr);
    if (!bridge) {
        m_bridgeMaterial->setText(tr("none (homogeneous layer)"));
        // a typical stud as the start for a new second material: 60 mm at 625 mm
        if (!m_bridgeWidth->isValid() || m_bridgeWidth->text().isEmpty())
            m_bridgeWidth->setValue(60);
        if (!m_bridgeSpacing->isValid() || m_bridgeSpacing->text().isEmpty())
            m_bridgeSpacing->setValue(625);
        if (!m_bridgeFraction->isValid() || m_bridgeFraction->text().isEmpty())
            m_bridgeFraction->setValue(60.0 / 625 * 100);
    } else {
        m_bridgeMaterial->setText(
            tr("%1, %2 = %L3 W/mK")
                .arg(bridge->material.m_name, QString(QChar(0x03BB)))
                .arg(bridge->material.lambda(layer->m_width, m_project.heatFlowDirection()), 0, 'g',
                     4));
        m_bridgeEntry->setCurrentIndex(bridge->byWidthAndSpacing() ? BE_WidthAndSpacing
                                                                   : BE_Fraction);
        m_bridgeFraction->setValue(bridge->fraction * 100);
        if (bridge->byWidthAndSpacing()) {
            m_bridgeWidth->setValue(bridge->width * 1000);
            m_bridgeSpacing->setValue(bridge->spacing * 1000);
        }
    }
    showBridgeEntry();
}

void MaterialEditWidget::showBridgeEntry()
{
    const bool bySpacing = m_bridgeEntry->currentIndex() == BE_WidthAndSpacing;
    m_bridgeFraction->setReadOnly(bySpacing);
    m_bridgeWidth->setEnabled(bySpacing);
    m_bridgeSpacing->setEnabled(bySpacing);
}

void MaterialEditWidget::bridgeEntryChanged()
{
    showBridgeEntry();
    if (!m_project.hasProject() || m_index < 0 || m_index >= m_project.layerCount())
        return;
    const MaterialLayer &layer = m_project.inputData().layer(m_index);
    if (!layer.m_bridge)
        return;
    if (m_bridgeEntry->currentIndex() == BE_Fraction) {
        // the same fraction, now entered directly
        if (layer.m_bridge->byWidthAndSpacing())
            pushBridge(LayerBridge(layer.m_bridge->material, layer.m_bridge->fraction));
    } else {
        bridgeValueFinished();
    }
}

std::optional<LayerBridge> MaterialEditWidget::bridgeFromFields(const Material &material) const
{
    if (m_bridgeEntry->currentIndex() == BE_WidthAndSpacing) {
        if (!m_bridgeWidth->isValid() || !m_bridgeSpacing->isValid())
            return std::nullopt;
        const double width = m_bridgeWidth->value() / 1000;
        const double spacing = m_bridgeSpacing->value() / 1000;
        if (!LayerBridge::acceptableWidthAndSpacing(width, spacing))
            return std::nullopt;
        return LayerBridge::fromWidthAndSpacing(material, width, spacing);
    }
    if (!m_bridgeFraction->isValid())
        return std::nullopt;
    return LayerBridge(material, m_bridgeFraction->value() / 100);
}

void MaterialEditWidget::pushBridge(const std::optional<LayerBridge> &bridge)
{
    if (!m_project.hasProject() || m_index < 0 || m_index >= m_project.layerCount())
        return;
    auto *command = new M2_UndoLayerBridge(m_project, m_index, bridge);
    if (command->changed())
        m_undoStack.push(command);
    else
        delete command;
}

void MaterialEditWidget::bridgeValueFinished()
{
    if (!m_project.hasProject() || m_index < 0 || m_index >= m_project.layerCount())
        return;
    const MaterialLayer &layer = m_project.inputData().layer(m_index);
    if (m_bridgeEntry->currentIndex() == BE_WidthAndSpacing && m_bridgeWidth->isValid() &&
        m_bridgeSpacing->isValid() && m_bridgeSpacing->value() > 0)
        m_bridgeFraction->setValue(m_bridgeWidth->value() / m_bridgeSpacing->value() * 100);
    if (!layer.m_bridge)
        return; // the values wait for a material
    const std::optional<LayerBridge> bridge = bridgeFromFields(layer.m_bridge->material);
    if (bridge && m_project.acceptsLayerBridge(m_index, *bridge))
        pushBridge(bridge);
    else
        loadBridge(); // back to what the layer has
}

void MaterialEditWidget::bridgeChooseClicked()
{
    if (!m_project.hasProject() || m_index < 0 || m_index >= m_project.layerCount() ||
        !m_bridgeChooser)
        return;
    const std::optional<Material> material = m_bridgeChooser(this);
    if (!material)
        return;
    const MaterialLayer &layer = m_project.inputData().layer(m_index);
    std::optional<LayerBridge> bridge;
    if (layer.m_bridge) {
        bridge = *layer.m_bridge;
        bridge->material = *material;
    } else {
        bridge = bridgeFromFields(*material);
    }
    if (bridge)
        pushBridge(bridge);
}

void MaterialEditWidget::bridgeRemoveClicked()
{
    pushBridge(std::nullopt);
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
            if (kind == Project::LV_SdSummer && shown == 0)
                edit->clear();
            else
                edit->setValue(shown);
            return;
        }
        // An empty summer sd-value is none (0).
        const double entered =
            kind == Project::LV_SdSummer && edit->text().trimmed().isEmpty() ? 0 : edit->value();
        // A text that reads as the value shown changes nothing: converted back from a display
        // unit it need not be the stored value to the last bit. The field still shows the
        // value in the interface's format ("1.000" becomes "1"), so that the user sees what
        // was taken.
        if (entered == shown ||
            QString::number(entered, 'g', 15) == QString::number(shown, 'g', 15)) {
            if (kind == Project::LV_SdSummer && shown == 0)
                edit->clear();
            else
                edit->setValue(shown);
            return;
        }
        auto *command =
            new M2_UndoMaterialParameters(m_project, kind, m_index, toProjectUnits(kind, entered));
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
