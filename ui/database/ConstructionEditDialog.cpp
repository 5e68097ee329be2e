#include "ui/database/ConstructionEditDialog.h"

#include "model/Plausibility.h"
#include "persistence/MaterialList.h"
#include "qtext/ConstructionGraphicsSceneBase.h"
#include "qtext/ConstructionView.h"
#include "qtext/ConstructionViewWidget.h"
#include "qtext/ValidatingLineEdit.h"
#include "report/SketchLayers.h"
#include "ui/DatabaseDialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>
#include <optional>
#include <utility>

namespace {

/*! Width of a new layer in m. */
const double NewLayerWidth = 0.1;

} // namespace

ConstructionEditDialog::ConstructionEditDialog(MaterialList &materials, DatabaseDialogs &dialogs,
                                               QWidget *parent)
    : QDialog(parent)
    , m_materials(materials)
    , m_dialogs(dialogs)
{
    setWindowTitle(tr("Edit construction"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("lineEditName"));
    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("plainTextEditNotes"));
    m_notes->setTabChangesFocus(true);
    m_notes->setMaximumHeight(5 * fontMetrics().lineSpacing());
    m_view = new QtExt::ConstructionViewWidget(this);
    m_view->setObjectName(QStringLiteral("widgetConstructionView"));
    m_view->setEditingEnabled(true);
    m_view->setMinimumSize(480, 220);
    m_layerLabel = new QLabel(this);
    m_width = new QtExt::ValidatingLineEdit(this);
    m_width->setObjectName(QStringLiteral("lineEditWidth"));
    m_width->setup(0, std::numeric_limits<double>::infinity(), tr("The layer width must be > 0."),
                   false);
    // the same note on an unusual width as in the layer editor (the field is in mm)
    m_width->setNoticeRule([this](double mm) {
        if (m_selected < 0 || m_selected >= int(m_construction.m_layers.size()))
            return QString();
        const MaterialLayer &layer = m_construction.m_layers[std::size_t(m_selected)];
        return Plausibility::layerWidth(mm / 1000, layer.isFoil() || layer.m_sd_value != 0);
    });
    m_append = new QPushButton(tr("Append layer..."), this);
    m_append->setObjectName(QStringLiteral("pushButtonAppendLayer"));
    m_append->setToolTip(tr("Adds a layer of a chosen material on the cold side."));
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(tr("Name:"), m_name);
    form->addRow(tr("Notes:"), m_notes);
    auto *layers = new QGroupBox(tr("Layers (warm side left)"), this);
    auto *layerLayout = new QVBoxLayout(layers);
    layerLayout->addWidget(m_view, 1);
    auto *widthRow = new QHBoxLayout;
    widthRow->addWidget(m_layerLabel, 1);
    widthRow->addWidget(new QLabel(tr("Layer width [mm]:"), this));
    widthRow->addWidget(m_width);
    widthRow->addSpacing(12);
    widthRow->addWidget(m_append);
    layerLayout->addLayout(widthRow);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(layers, 1);
    layout->addWidget(m_buttons);

    connect(m_name, &QLineEdit::textChanged, this, &ConstructionEditDialog::updateState);
    connect(m_view, &QtExt::ConstructionViewWidget::layerSelected, this,
            &ConstructionEditDialog::layerSelected);
    connect(m_view, &QtExt::ConstructionViewWidget::assignMaterial, this,
            &ConstructionEditDialog::assignMaterial);
    connect(m_view, &QtExt::ConstructionViewWidget::insertLayer, this,
            &ConstructionEditDialog::insertLayer);
    connect(m_view, &QtExt::ConstructionViewWidget::moveLayer, this,
            &ConstructionEditDialog::moveLayer);
    connect(m_view, &QtExt::ConstructionViewWidget::removelayer, this,
            &ConstructionEditDialog::removeLayer);
    connect(m_width, &QtExt::ValidatingLineEdit::editingFinishedSuccessfully, this,
            &ConstructionEditDialog::widthEdited);
    connect(m_append, &QPushButton::clicked, this, &ConstructionEditDialog::appendLayer);
    resize(760, 520);
}

void ConstructionEditDialog::setConstruction(const Construction &construction)
{
    m_construction = construction;
    m_name->setText(construction.m_name);
    m_notes->setPlainText(construction.m_notes);
    refresh(construction.m_layers.empty() ? -1 : 0);
}

Construction ConstructionEditDialog::construction() const
{
    Construction c = m_construction;
    c.m_name = m_name->text().trimmed();
    c.m_notes = m_notes->toPlainText();
    return c;
}

bool ConstructionEditDialog::chooseMaterial(Material *material)
{
    Construction unused;
    return m_dialogs.chooseMaterial(this, m_materials, nullptr, material, &unused) ==
           DatabaseDialogs::MaterialChosen;
}

void ConstructionEditDialog::assignMaterial(int index)
{
    if (index < 0 || index >= int(m_construction.m_layers.size()))
        return;
    Material material;
    if (!chooseMaterial(&material))
        return;
    MaterialLayer &layer = m_construction.m_layers[std::size_t(index)];
    const std::optional<LayerBridge> bridge = layer.m_bridge;
    layer.changeMaterial(material);
    refresh(index);
    if (bridge && !layer.m_bridge)
        m_layerLabel->setText(tr("Layer %1: %2. A layer given by its sd-value carries no second "
                                 "material: \"%3\" was removed.")
                                  .arg(index + 1)
                                  .arg(layer.m_name, bridge->material.m_name));
}

void ConstructionEditDialog::insertLayer(int index, bool left)
{
    if (index < 0 || index >= int(m_construction.m_layers.size()))
        return;
    Material material;
    if (!chooseMaterial(&material))
        return;
    const int position = left ? index : index + 1;
    m_construction.m_layers.insert(m_construction.m_layers.begin() + position,
                                   MaterialLayer(material, NewLayerWidth));
    refresh(position);
}

void ConstructionEditDialog::appendLayer()
{
    Material material;
    if (!chooseMaterial(&material))
        return;
    m_construction.m_layers.emplace_back(material, NewLayerWidth);
    refresh(int(m_construction.m_layers.size()) - 1);
}

void ConstructionEditDialog::moveLayer(int index, bool left)
{
    const int other = left ? index - 1 : index + 1;
    const int n = int(m_construction.m_layers.size());
    if (index < 0 || index >= n || other < 0 || other >= n)
        return;
    std::swap(m_construction.m_layers[std::size_t(index)],
              m_construction.m_layers[std::size_t(other)]);
    refresh(other);
}

void ConstructionEditDialog::removeLayer(int index)
{
    if (index < 0 || index >= int(m_construction.m_layers.size()))
        return;
    m_construction.m_layers.erase(m_construction.m_layers.begin() + index);
    refresh(qMin(index, int(m_construction.m_layers.size()) - 1));
}

void ConstructionEditDialog::refresh(int select)
{
    const int flags = QtExt::ConstructionGraphicsSceneBase::ShowWidths |
                      QtExt::ConstructionGraphicsSceneBase::ShowNames;
    m_view->setData(m_view->view(), SketchLayers::fromLayers(m_construction.m_layers), 1.0, flags,
                    true);
    m_view->selectLayer(select);
    layerSelected(select);
    updateState();
}

void ConstructionEditDialog::layerSelected(int index)
{
    m_selected = index < int(m_construction.m_layers.size()) ? index : -1;
    if (m_selected < 0) {
        m_layerLabel->setText(m_construction.m_layers.empty()
                                  ? tr("The construction has no layers yet.")
                                  : tr("Click a layer to select it."));
        m_width->clear();
        m_width->setEnabled(false);
        return;
    }
    const MaterialLayer &layer = m_construction.m_layers[std::size_t(m_selected)];
    if (layer.m_bridge)
        m_layerLabel->setText(tr("Layer %1: %2 with %3 (%L4 % of the area)")
                                  .arg(m_selected + 1)
                                  .arg(layer.m_name, layer.m_bridge->material.m_name)
                                  .arg(layer.m_bridge->fraction * 100, 0, 'f', 1));
    else
        m_layerLabel->setText(tr("Layer %1: %2").arg(m_selected + 1).arg(layer.m_name));
    m_width->setValue(layer.width(1000));
    // a layer of a material given by its sd-value has the width sd / mu
    m_width->setEnabled(layer.m_sd_value == 0);
}

void ConstructionEditDialog::widthEdited()
{
    if (m_selected < 0 || !m_width->isValid())
        return;
    MaterialLayer &layer = m_construction.m_layers[std::size_t(m_selected)];
    const double before = layer.m_width;
    layer.setWidth(m_width->value(), 1000);
    if (layer.m_width != before)
        refresh(m_selected);
}

void ConstructionEditDialog::updateState()
{
    m_buttons->button(QDialogButtonBox::Ok)
        ->setEnabled(!m_name->text().trimmed().isEmpty() && !m_construction.m_layers.empty());
}
