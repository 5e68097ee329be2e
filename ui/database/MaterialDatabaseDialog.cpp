#include "ui/database/MaterialDatabaseDialog.h"
#include "qtext/MaterialDatabaseSelectionWidget.h"
#include "qtext/MaterialTableModel.h"
#include "settings/DisplayUnits.h"

#include "persistence/MaterialList.h"
#include "ui/DatabaseDialogs.h"
#include "ui/Globals.h"
#include "ui/database/ConstructionDatabaseWidget.h"
#include "ui/database/MaterialConstructionTabWidget.h"
#include "ui/database/MaterialDatabaseWidget.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

MaterialDatabaseDialog::MaterialDatabaseDialog(MaterialList &materials,
                                               ConstructionList *constructions,
                                               DatabaseDialogs &dialogs, QWidget *parent)
    : QDialog(parent)
    , m_materials(materials)
    , m_constructions(constructions)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("MaterialDatabaseDialog"));
    setWindowTitle(tr("Material/Construction Database"));
    setWindowModality(Qt::ApplicationModal);
    m_tabs = new MaterialConstructionTabWidget(materials, constructions, dialogs, this);
    m_tabs->setObjectName(QStringLiteral("widgetMaterialConstructionTab"));
    m_information = new QPushButton(tr("Information about material properties"), this);
    m_information->setObjectName(QStringLiteral("pushButtonInformation"));
    m_information->setAutoDefault(false);
    m_buttons = new QDialogButtonBox(this);
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_information, &QPushButton::clicked, this, &MaterialDatabaseDialog::showInformation);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_information);
    bottom->addStretch(1);
    bottom->addWidget(m_buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(bottom);

    // a double click chooses, as OK does, but only while choosing
    connect(m_tabs->materialsWidget(), &MaterialDatabaseWidget::materialActivated, this, [this]() {
        if (m_selecting)
            accept();
    });
    if (ConstructionDatabaseWidget *c = m_tabs->constructionsWidget())
        connect(c, &ConstructionDatabaseWidget::constructionActivated, this, [this]() {
            if (m_selecting)
                accept();
        });
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this]() { Globals::showHelp(m_materials.languageId(), 4); });

    resize(1031, 671);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        setGeometry(QRect(available.topLeft() + QPoint(50, 50),
                          QSize(available.width() - 100, available.height() - 100)));
    }
    setSelectionMode(false);
}

void MaterialDatabaseDialog::setSelectionMode(bool selecting)
{
    m_selecting = selecting;
    m_buttons->setStandardButtons(selecting ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                            : QDialogButtonBox::Close);
    if (selecting)
        m_buttons->button(QDialogButtonBox::Ok)->setDefault(true);
}

int MaterialDatabaseDialog::evaluateSelection()
{
    m_material = Material();
    m_construction = Construction();
    switch (m_tabs->currentPage()) {
    case MaterialConstructionTabWidget::ConstructionsPage: {
        const Construction *c = m_tabs->constructionsWidget()->selectedConstruction();
        if (!c || c->m_layers.empty())
            return NothingSelected;
        m_construction = *c;
        return ConstructionSelected;
    }
    case MaterialConstructionTabWidget::MaterialsPage: {
        const Material *m = m_tabs->materialsWidget()->selectedMaterial();
        // a layer needs both a heat and a vapour resistance: anything else cannot be computed
        if (!m || m->lambda(0, HeatFlowDirection::Horizontal) <= 0 || m->mu(0) <= 0)
            return NothingSelected;
        m_material = *m;
        return MaterialSelected;
    }
    default:
        return NothingSelected;
    }
}

int MaterialDatabaseDialog::select(bool offerConstructions)
{
    setSelectionMode(true);
    m_tabs->setConstructionsVisible(offerConstructions);
    m_material = Material();
    m_construction = Construction();
    const int accepted = exec();
    setSelectionMode(false);
    if (accepted != QDialog::Accepted) {
        m_material = Material();
        m_construction = Construction();
        return NothingSelected;
    }
    const int result = evaluateSelection();
    return result;
}

void MaterialDatabaseDialog::browse()
{
    setSelectionMode(false);
    m_tabs->setConstructionsVisible(true);
    exec();
}

void MaterialDatabaseDialog::showInformation()
{
    const QString cubic = QString(QChar(0x00B3));
    m_dialogs.information(
        this, tr("Material properties"),
        tr("%1: bulk density in kg/m%2\n"
           "%3: thermal conductivity in W/(m K)\n"
           "%4: vapor diffusion resistance factor (-)\n"
           "sd: diffusion-equivalent air layer thickness in m (foils, membranes, coatings)\n"
           "w_80: moisture content at 80% relative humidity in m%2/m%2\n"
           "w_sat: moisture content at free saturation in m%2/m%2\n"
           "A_w: water absorption coefficient in kg/(m%5 s%6)\n\n"
           "Materials in italics are your own; only these can be edited or removed. Copy a "
           "shipped material to change its values.")
            .arg(QChar(0x03C1))
            .arg(cubic)
            .arg(QChar(0x03BB))
            .arg(QChar(0x03BC))
            .arg(QChar(0x00B2))
            .arg(QChar(0x00BD)));
}

void MaterialDatabaseDialog::setDisplayUnits(const DisplayUnits &units)
{
    m_tabs->materialsWidget()->selectionWidget()->model()->setAwUnit(units.awToDisplay(1),
                                                                     units.awUnitLabel());
}
