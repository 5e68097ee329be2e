#include "ui/preferences/ConfigPrintDefaults.h"

#include "ui/editors/UserLogoSettingsWidget.h"

#include "calculation/MinimumHeatResistance.h"
#include "settings/Settings.h"
#include "ui/UserDialogs.h"
#include "ui/editors/DINCriteriaSettings.h"
#include "ui/editors/DryingReserveSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Report frames (their indices in the frame sets of the settings).
enum Frame
{
    Header = 0,
    Footer = 1,
    ProjectInfo = 2,
    Sketch = 3,
    MaterialData = 4,
    ClimateData = 5,
    SurfaceResistances = 6,
    Resistances = 7,
    ResultsTable = 8,
    MoistureProfile = 9,
    VapourPressureProfile = 10,
    Conclusions = 11,
    Glaser = 12,
    FinalRemarks = 13,
    UValueTable = 14
};

QVBoxLayout *pageLayout(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    return layout;
}

} // namespace

ConfigPrintDefaults::ConfigPrintDefaults(UserDialogs &dialogs, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
{
    m_toolBox = new QToolBox(this);
    m_toolBox->setObjectName(QStringLiteral("toolBoxDefaults"));
    // the results page is longer than the dialog: every page scrolls on its own
    auto scrolled = [this](QWidget *page) {
        auto *area = new QScrollArea(m_toolBox);
        area->setWidgetResizable(true);
        area->setFrameShape(QFrame::NoFrame);
        area->setWidget(page);
        return area;
    };
    m_toolBox->addItem(scrolled(generalPage()), tr("General Appearance"));
    m_toolBox->addItem(scrolled(inputPage()), tr("Input Data"));
    m_toolBox->addItem(scrolled(diagramPage()), tr("Diagrams"));
    m_toolBox->addItem(scrolled(resultsPage()), tr("Results"));
    m_toolBox->addItem(scrolled(remarksPage()), tr("Final Remarks"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_toolBox);
}

QCheckBox *ConfigPrintDefaults::frameBox(QWidget *parent, int frame, const QString &text)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QStringLiteral("checkBoxFrame%1").arg(frame));
    m_frames[frame] = box;
    return box;
}

QCheckBox *ConfigPrintDefaults::frameCheckBox(int frame) const
{
    const auto it = m_frames.find(frame);
    return it == m_frames.end() ? nullptr : it->second;
}

QWidget *ConfigPrintDefaults::generalPage()
{
    auto *page = new QWidget;
    QVBoxLayout *layout = pageLayout(page);
    layout->addWidget(frameBox(page, Header, tr("Header")));
    layout->addWidget(frameBox(page, Footer, tr("Footer")));
    m_pageNumbers = new QCheckBox(tr("Page numbers in footer"), page);
    m_pageNumbers->setObjectName(QStringLiteral("checkBoxPageNumbers"));
    layout->addWidget(m_pageNumbers);
    layout->addWidget(frameBox(page, ProjectInfo, tr("Project information")));

    m_logo = new UserLogoSettingsWidget(&m_dialogs, page);
    layout->addWidget(m_logo);
    layout->addStretch(1);

    return page;
}

QWidget *ConfigPrintDefaults::inputPage()
{
    auto *page = new QWidget;
    QVBoxLayout *layout = pageLayout(page);
    layout->addWidget(frameBox(page, Sketch, tr("Construction sketch")));
    layout->addWidget(frameBox(page, MaterialData, tr("Material data")));
    layout->addWidget(frameBox(page, ClimateData, tr("Climate data")));
    layout->addWidget(frameBox(page, SurfaceResistances, tr("Surface Resistance")));
    layout->addStretch(1);
    return page;
}

QWidget *ConfigPrintDefaults::diagramPage()
{
    auto *page = new QWidget;
    QVBoxLayout *layout = pageLayout(page);
    layout->addWidget(frameBox(page, MoistureProfile, tr("Temperature and moisture profiles")));
    layout->addWidget(frameBox(page, VapourPressureProfile, tr("Vapor pressure profiles")));
    layout->addStretch(1);
    return page;
}

QWidget *ConfigPrintDefaults::resultsPage()
{
    auto *page = new QWidget;
    QVBoxLayout *layout = pageLayout(page);
    const QString mirelo = QStringLiteral("MIRELO");
    layout->addWidget(frameBox(page, Glaser, tr("DIN 4108-3 (Glaser) - Summary")));
    layout->addWidget(frameBox(page, UValueTable, tr("U-value table (DIN EN ISO 6946)")));
    layout->addWidget(frameBox(page, Conclusions, tr("%1 Results - Summary").arg(mirelo)));
    layout->addWidget(frameBox(page, ResultsTable, tr("%1 Results - Detailed Table").arg(mirelo)));
    layout->addWidget(
        frameBox(page, Resistances, tr("Resistances and %1 values").arg(QChar(0x00B5))));

    auto *heatRes = new QGroupBox(page);
    auto *heatResLayout = new QGridLayout(heatRes);
    heatResLayout->addWidget(new QLabel(tr("Construction kind for test of minimum thermal "
                                           "resistance\naccording german standard DIN 4108-2 "
                                           "table 3"),
                                        heatRes),
                             0, 0, 1, 2);
    m_heatResVersion = new QComboBox(heatRes);
    m_heatResVersion->setObjectName(QStringLiteral("comboBoxMinimumHeatResVersion"));
    for (int edition :
         {MinimumHeatResistance::DIN4108_2_2004, MinimumHeatResistance::DIN4108_2_2013})
        m_heatResVersion->addItem(MinimumHeatResistance::editionName(edition), edition);
    m_heatResKind = new QComboBox(heatRes);
    m_heatResKind->setObjectName(QStringLiteral("comboBoxMinimumHeatResConstruction"));
    m_heatResKind->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_heatResKind->setMinimumContentsLength(16);
    m_heatResKind->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    heatResLayout->addWidget(m_heatResVersion, 1, 0);
    heatResLayout->addWidget(m_heatResKind, 1, 1);
    heatResLayout->setColumnStretch(1, 1);
    layout->addWidget(heatRes);
    connect(m_heatResKind, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int) { m_heatResKind->setToolTip(m_heatResKind->currentText()); });
    connect(m_heatResVersion, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int) { fillConstructionKinds(m_heatResVersion->currentData().toInt()); });

    m_dryingReserve = new DryingReserveSettings(page);
    m_dryingReserve->setObjectName(QStringLiteral("widgetDryingReserve"));
    layout->addWidget(m_dryingReserve);
    m_dinCriteria = new DINCriteriaSettings(page);
    m_dinCriteria->setObjectName(QStringLiteral("widgetDINCriteria"));
    layout->addWidget(m_dinCriteria);
    layout->addStretch(1);
    return page;
}

void ConfigPrintDefaults::fillConstructionKinds(int edition)
{
    const int current =
        m_heatResKind->currentData().isValid() ? m_heatResKind->currentData().toInt() : -1;
    m_heatResKind->clear();
    for (int type : MinimumHeatResistance::types(edition))
        m_heatResKind->addItem(MinimumHeatResistance::name(edition, type), type);
    const int index = m_heatResKind->findData(current);
    m_heatResKind->setCurrentIndex(index < 0 ? 0 : index);
}

QWidget *ConfigPrintDefaults::remarksPage()
{
    auto *page = new QWidget;
    QVBoxLayout *layout = pageLayout(page);
    m_finalRemarks = new QTextEdit(page);
    m_finalRemarks->setObjectName(QStringLiteral("textEditFinalRemarks"));
    m_finalRemarks->setAcceptRichText(true);
    m_finalRemarks->setPlaceholderText(tr("Please enter your final remarksr here!"));

    auto *tools = new QHBoxLayout;
    auto addTool = [&](const QString &text, const QString &toolTip, auto apply) {
        auto *button = new QToolButton(page);
        button->setText(text);
        button->setToolTip(toolTip);
        tools->addWidget(button);
        connect(button, &QToolButton::clicked, this, apply);
        return button;
    };
    auto heading = [this](int level) {
        // heading level 0 is normal text
        QTextCursor cursor = m_finalRemarks->textCursor();
        QTextBlockFormat block;
        block.setHeadingLevel(level);
        cursor.mergeBlockFormat(block);
        QTextCharFormat chars;
        chars.setFontWeight(level > 0 ? QFont::Bold : QFont::Normal);
        const double sizes[] = {0, 16, 13, 11};
        if (level > 0)
            chars.setFontPointSize(sizes[level]);
        else
            chars.setFontPointSize(m_finalRemarks->font().pointSizeF());
        cursor.select(QTextCursor::BlockUnderCursor);
        cursor.mergeCharFormat(chars);
    };
    addTool(QStringLiteral("H1"), tr("Header of first order."), [heading]() { heading(1); });
    addTool(QStringLiteral("H2"), tr("Header of second order."), [heading]() { heading(2); });
    addTool(QStringLiteral("H3"), tr("Header of third order."), [heading]() { heading(3); });
    addTool(tr("Normal"), tr("Normal text."), [heading]() { heading(0); });
    addTool(QStringLiteral("U"), tr("Underline."),
            [this]() { m_finalRemarks->setFontUnderline(!m_finalRemarks->fontUnderline()); });
    addTool(QStringLiteral("I"), tr("Italic font."),
            [this]() { m_finalRemarks->setFontItalic(!m_finalRemarks->fontItalic()); });
    addTool(QStringLiteral("B"), tr("Bold font."), [this]() {
        m_finalRemarks->setFontWeight(m_finalRemarks->fontWeight() > QFont::Normal ? QFont::Normal
                                                                                   : QFont::Bold);
    });
    tools->addStretch(1);
    layout->addLayout(tools);
    layout->addWidget(m_finalRemarks, 1);
    layout->addWidget(frameBox(page, FinalRemarks, tr("Print Final Remarks")));
    return page;
}

void ConfigPrintDefaults::updateUi(const Settings &settings)
{
    for (const auto &entry : m_frames)
        entry.second->setChecked(settings.m_defaultFrames.count(entry.first) > 0);
    m_pageNumbers->setChecked(settings.m_pageNumbersVisible);

    m_logo->setSettings(settings.m_defaultUserLogo);

    const ReportSettings &report = settings.m_reportSettings;
    const int version = m_heatResVersion->findData(report.m_minimumHeatResVersion);
    m_heatResVersion->setCurrentIndex(version < 0 ? m_heatResVersion->count() - 1 : version);
    fillConstructionKinds(m_heatResVersion->currentData().toInt());
    const int kind = m_heatResKind->findData(report.m_minimumHeatResConstruction);
    if (kind >= 0)
        m_heatResKind->setCurrentIndex(kind);
    m_dryingReserve->setDryingReserve(report.m_dryingReserve);
    m_dinCriteria->setSettings(report);
    m_finalRemarks->setHtml(report.m_disclaimerText);
}

void ConfigPrintDefaults::storeSettings(Settings &settings) const
{
    for (const auto &entry : m_frames) {
        if (entry.second->isChecked())
            settings.m_defaultFrames.insert(entry.first);
        else
            settings.m_defaultFrames.erase(entry.first);
    }
    settings.m_pageNumbersVisible = m_pageNumbers->isChecked();

    settings.m_defaultUserLogo = m_logo->settings();

    ReportSettings report = settings.m_reportSettings;
    report.m_minimumHeatResVersion = m_heatResVersion->currentData().toInt();
    if (m_heatResKind->currentIndex() >= 0)
        report.m_minimumHeatResConstruction = m_heatResKind->currentData().toInt();
    const double reserve = m_dryingReserve->dryingReserve();
    if (reserve >= 0)
        report.m_dryingReserve = reserve;
    m_dinCriteria->storeSettings(report);
    report.m_disclaimerText =
        m_finalRemarks->document()->isEmpty() ? QString() : m_finalRemarks->toHtml();
    report.m_printDisclaimer = m_frames.at(FinalRemarks)->isChecked();
    settings.setReportSettings(report);
}
