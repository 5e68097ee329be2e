#include "ui/preferences/ConfigDialog.h"

#include "settings/Settings.h"
#include "ui/preferences/ConfigPageGeneral.h"
#include "ui/preferences/ConfigPageProjectInformation.h"
#include "ui/preferences/ConfigPrintDefaults.h"
#include "ui/Globals.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <tuple>

ConfigDialog::ConfigDialog(Settings &settings, MaterialList *materials,
                           ConstructionList *constructions, UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
{
    m_pageList = new QListWidget(this);
    m_pageList->setObjectName(QStringLiteral("listWidgetPages"));
    m_pageList->setViewMode(QListView::IconMode);
    m_pageList->setIconSize(QSize(48, 48));
    m_pageList->setMovement(QListView::Static);
    m_pageList->setFlow(QListView::TopToBottom);
    m_pageList->setSpacing(4);
    m_pageList->setWordWrap(true);
    m_pageList->setGridSize(QSize(140, 84));
    m_pageList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageList->setFixedWidth(152);
    struct Page
    {
        const char *icon;
        QString text;
    };
    const Page pages[] = {{":/icons/config.png", tr("General Settings")},
                          {":/icons/update.png", tr("Default Project Info")},
                          {":/icons/update.png", tr("Default Print Config")}};
    for (const Page &p : pages) {
        auto *item = new QListWidgetItem(QIcon(QLatin1String(p.icon)), p.text, m_pageList);
        item->setTextAlignment(Qt::AlignHCenter);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }

    m_general = new ConfigPageGeneral(dialogs, materials, constructions, this);
    m_general->setObjectName(QStringLiteral("ConfigPageGeneral"));
    m_projectInformation = new ConfigPageProjectInformation(this);
    m_projectInformation->setObjectName(QStringLiteral("ConfigPageProjectInformation"));
    m_printDefaults = new ConfigPrintDefaults(dialogs, this);
    m_printDefaults->setObjectName(QStringLiteral("ConfigPrintDefaults"));
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(m_general);
    m_pages->addWidget(m_projectInformation);
    m_pages->addWidget(m_printDefaults);

    auto *buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ConfigDialog::changesAccepted);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [&settings]() { Globals::showHelp(settings.languageId(), 1); });
    connect(m_pageList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0)
            return;
        m_pages->setCurrentIndex(row);
        setWindowTitle(m_pageList->item(row)->text());
    });

    auto *top = new QHBoxLayout;
    top->addWidget(m_pageList);
    top->addWidget(m_pages, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buttons);

    m_general->updateUi(settings);
    m_projectInformation->updateUi(settings);
    m_printDefaults->updateUi(settings);
    m_pageList->setCurrentRow(0);
    resize(820, 600);
}

void ConfigDialog::changesAccepted()
{
    // The defaults of new projects are plain fields: their group is announced here, once,
    // when any of them changed; units, the calculation option and the report settings announce
    // themselves through their setters.
    const auto projectDefaults = [this]() {
        return std::make_tuple(m_settings.m_restartMode, m_settings.m_defaultFrames,
                               m_settings.m_pageNumbersVisible, m_settings.m_defaultUserLogo,
                               m_settings.m_defaultProjectSettings,
                               m_settings.m_userMaterialsDirectory);
    };
    const auto before = projectDefaults();
    m_general->storeSettings(m_settings);
    m_projectInformation->storeSettings(m_settings);
    m_printDefaults->storeSettings(m_settings);
    if (projectDefaults() != before)
        m_settings.announceChanged(SettingsGroup::ProjectDefaults);
    accept();
}
