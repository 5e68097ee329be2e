#include "ui/database/NewProjectWizard.h"

#include "calculation/MinimumHeatResistance.h"
#include "model/InputData.h"
#include "model/ProjectInformation.h"
#include "persistence/MaterialList.h"
#include "ui/Globals.h"
#include "ui/database/ConstructionDatabaseWidget.h"
#include "ui/database/MaterialConstructionTabWidget.h"
#include "ui/database/MaterialDatabaseWidget.h"
#include "ui/editors/ProjectInformationEditDialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

/*! Width of the first layer of a new project in m. */
const double FirstLayerWidth = 0.1;

} // namespace

NewProjectWizardMaterialPage::NewProjectWizardMaterialPage(MaterialList &materials,
                                                           ConstructionList &constructions,
                                                           DatabaseDialogs &dialogs,
                                                           QWidget *parent)
    : QWizardPage(parent)
{
    setObjectName(QStringLiteral("NewProjectWizardMaterialPage"));
    setTitle(tr("Select material for first layer"));
    auto *text = new QLabel(tr("Please select a material below. This material will be the first "
                               "material layer of your construction. You can choose any material "
                               "now and add/move/delete layers later as required."),
                            this);
    text->setWordWrap(true);

    // project templates are not offered yet; the controls stay for when they are
    auto *templateLabel = new QLabel(tr("Project template:"), this);
    m_templates = new QComboBox(this);
    m_templates->setObjectName(QStringLiteral("comboBoxTemplates"));
    m_templates->addItem(tr("New Project"));
    auto *templateHint = new QLabel(tr("You can add your own projects as templates by copying the "
                                       "project files into the Templates subdirectory."),
                                    this);
    for (QWidget *w : std::initializer_list<QWidget *>{templateLabel, m_templates, templateHint})
        w->hide();

    m_tabs = new MaterialConstructionTabWidget(materials, &constructions, dialogs, this);
    m_tabs->setObjectName(QStringLiteral("widgetMaterialConstructionTab"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    auto *templateRow = new QGridLayout;
    templateRow->setContentsMargins(0, 0, 0, 0);
    templateRow->addWidget(templateLabel, 0, 0);
    templateRow->addWidget(m_templates, 0, 1);
    templateRow->addWidget(templateHint, 1, 0, 1, 2);
    layout->addLayout(templateRow);
    layout->addWidget(m_tabs, 1);

    connect(m_tabs, &MaterialConstructionTabWidget::currentPageChanged, this,
            &QWizardPage::completeChanged);
    connect(m_tabs->materialsWidget(), &MaterialDatabaseWidget::materialSelected, this,
            &QWizardPage::completeChanged);
    connect(m_tabs->materialsWidget(), &MaterialDatabaseWidget::materialActivated, this,
            &NewProjectWizardMaterialPage::activated);
    connect(m_tabs->constructionsWidget(), &ConstructionDatabaseWidget::constructionSelected, this,
            &QWizardPage::completeChanged);
    connect(m_tabs->constructionsWidget(), &ConstructionDatabaseWidget::constructionActivated, this,
            &NewProjectWizardMaterialPage::activated);
}

bool NewProjectWizardMaterialPage::isComplete() const
{
    switch (m_tabs->currentPage()) {
    case MaterialConstructionTabWidget::MaterialsPage: {
        const Material *m = m_tabs->materialsWidget()->selectedMaterial();
        return m && m->lambda(0, HeatFlowDirection::Horizontal) > 0 && m->mu(0) > 0;
    }
    case MaterialConstructionTabWidget::ConstructionsPage: {
        const Construction *c = m_tabs->constructionsWidget()->selectedConstruction();
        return c && !c->m_layers.empty();
    }
    default:
        return false;
    }
}

void NewProjectWizardMaterialPage::fillLayers(InputData &input) const
{
    if (!isComplete())
        return;
    input.clearLayers();
    if (m_tabs->currentPage() == MaterialConstructionTabWidget::MaterialsPage) {
        input.insertLayer(
            0, MaterialLayer(*m_tabs->materialsWidget()->selectedMaterial(), FirstLayerWidth));
    } else {
        for (const MaterialLayer &layer :
             m_tabs->constructionsWidget()->selectedConstruction()->m_layers)
            input.insertLayer(input.layerCount(), layer);
    }
}

void NewProjectWizardMaterialPage::activated()
{
    if (!isComplete() || !wizard())
        return;
    if (QAbstractButton *finish = wizard()->button(QWizard::FinishButton))
        finish->click();
}

NewProjectWizard::NewProjectWizard(InputData &input, ProjectInformation &info,
                                   MaterialList &materials, ConstructionList &constructions,
                                   DatabaseDialogs &dialogs, QWidget *parent)
    : QWizard(parent)
    , m_input(input)
    , m_info(info)
{
    setObjectName(QStringLiteral("NewProjectWizard"));
    setWindowTitle(tr("New Project Wizard"));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);

    auto *informationPage = new QWizardPage(this);
    informationPage->setObjectName(QStringLiteral("NewProjectWizardInformationPage"));
    informationPage->setTitle(tr("Project Information"));
    auto *text = new QLabel(tr("Please enter the information for this new project. You can change "
                               "the default project information in the preferences dialog."),
                            informationPage);
    text->setWordWrap(true);
    m_informationEditor = new ProjectInformationEditDialog(informationPage);
    m_informationEditor->embed();
    m_informationEditor->setProjectInformation(info);
    // What the construction is decides the defaults of its boundary conditions.
    m_kind = new QComboBox(informationPage);
    m_kind->setObjectName(QStringLiteral("comboBoxConstructionKind"));
    for (ConstructionKind kind : ConstructionKinds::all())
        m_kind->addItem(ConstructionKinds::name(kind), static_cast<int>(kind));
    m_kind->setCurrentIndex(m_kind->findData(static_cast<int>(info.m_constructionKind)));
    auto *kindLabel = new QLabel(tr("Construction kind:"), informationPage);
    kindLabel->setBuddy(m_kind);
    auto *kindHint = new QLabel(tr("The kind sets the heat flow direction, the outside climate, "
                                   "the evaporation period of DIN 4108-3 and the row of "
                                   "DIN 4108-2 for the minimum thermal resistance. You can change "
                                   "each of them later."),
                                informationPage);
    kindHint->setWordWrap(true);
    auto *kindRow = new QGridLayout;
    kindRow->addWidget(kindLabel, 0, 0);
    kindRow->addWidget(m_kind, 0, 1);
    kindRow->addWidget(kindHint, 1, 0, 1, 2);
    kindRow->setColumnStretch(1, 1);

    auto *informationLayout = new QVBoxLayout(informationPage);
    informationLayout->addWidget(text);
    informationLayout->addLayout(kindRow);
    informationLayout->addWidget(m_informationEditor, 1);
    addPage(informationPage);

    m_materialPage = new NewProjectWizardMaterialPage(materials, constructions, dialogs, this);
    addPage(m_materialPage);

    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [&materials]() { Globals::showHelp(materials.languageId(), 5); });

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        setGeometry(QRect(available.topLeft() + QPoint(50, 50),
                          QSize(available.width() - 100, available.height() - 100)));
    }
}

void NewProjectWizard::accept()
{
    if (!m_materialPage->isComplete())
        return;
    m_materialPage->fillLayers(m_input);
    m_info = m_informationEditor->projectInformation();
    ConstructionKind kind = ConstructionKind::ExternalWall;
    ConstructionKinds::fromCode(m_kind->currentData().toInt(), kind);
    m_info.m_constructionKind = kind;
    m_info.m_heatFlowDirection = ConstructionKinds::heatFlowDirection(kind);
    m_info.m_minimumResistanceType =
        ConstructionKinds::minimumResistanceType(kind, MinimumHeatResistance::DIN4108_2_2013);
    ConstructionKinds::applyToClimate(kind, m_info.m_heatFlowDirection, m_input.climate());
    QWizard::accept();
}
