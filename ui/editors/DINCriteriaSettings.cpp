#include "ui/editors/DINCriteriaSettings.h"

#include "calculation/DINCriteriaResult.h"
#include "qtext/ValidatingLineEdit.h"
#include "settings/ReportSettings.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include "settings/DisplayUnits.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <limits>

namespace {

// DIN 4108-3 states its capillarity limits per hour, so they are shown per hour whatever unit
// the layer editor uses.
const DisplayUnits PerHour(1000, false);

} // namespace

DINCriteriaSettings::DINCriteriaSettings(QWidget *parent)
    : QWidget(parent)
{
    auto *box = new QGroupBox(tr("Settings for validity check according DIN 4108-3"), this);
    box->setObjectName(QStringLiteral("groupBoxDINCriteria"));
    m_editions = new QButtonGroup(this);
    auto *editionGrid = new QGridLayout;
    struct Edition
    {
        int type;
        const char *name;
        QString text;
    };
    const Edition editions[] = {
        {3, "radioButtonUserDefined", tr("User defined")},
        {0, "radioButtonDIN2001", tr("DIN 4108-3 2001")},
        {1, "radioButtonDIN2014", tr("DIN 4108-3 2014")},
        {2, "radioButtonDIN2018", tr("DIN 4108-3 2018 und 2024")},
    };
    int position = 0;
    for (const Edition &e : editions) {
        auto *button = new QRadioButton(e.text, box);
        button->setObjectName(QLatin1String(e.name));
        m_editions->addButton(button, e.type);
        editionGrid->addWidget(button, position / 2, position % 2);
        ++position;
    }
    editionGrid->setColumnStretch(2, 1);

    const QString perHour = tr("kg/m%1h%2").arg(QString(QChar(0x00B2)), QString(QChar(0x00BD)));
    m_nonCapillar = new QtExt::ValidatingLineEdit(box);
    m_nonCapillar->setObjectName(QStringLiteral("lineEditNonCapillarAw"));
    m_nonCapillar->setup(0, std::numeric_limits<double>::infinity(),
                         tr("The Aw value cannot be < 0."));
    m_capillarActive = new QtExt::ValidatingLineEdit(box);
    m_capillarActive->setObjectName(QStringLiteral("lineEditCapillarActiveAw"));
    m_capillarActive->setup(0, std::numeric_limits<double>::infinity(),
                            tr("The Aw value cannot be < 0."));
    auto *nonCapillarLabel = new QLabel(tr("Aw value for non capillar material"), box);
    auto *capillarLabel = new QLabel(tr("Aw value for capillar active material"), box);
    auto *capillarUnit = new QLabel(tr("kg/m2s0.5"), box);

    m_sideCheck = new QGroupBox(tr("Check one or both sides of a condensation plane"), box);
    m_oneSide = new QRadioButton(tr("One side check"), m_sideCheck);
    m_twoSides = new QRadioButton(tr("Two side check"), m_sideCheck);
    auto *sideLayout = new QHBoxLayout(m_sideCheck);
    sideLayout->addWidget(m_oneSide);
    sideLayout->addWidget(m_twoSides);

    auto *grid = new QGridLayout;
    grid->addWidget(nonCapillarLabel, 0, 0);
    grid->addWidget(m_nonCapillar, 0, 1);
    grid->addWidget(new QLabel(perHour, box), 0, 2);
    grid->addWidget(capillarLabel, 1, 0);
    grid->addWidget(m_capillarActive, 1, 1);
    grid->addWidget(capillarUnit, 1, 2);
    grid->setColumnStretch(3, 1);
    // not offered: the criteria use the non-capillary limit only
    for (QWidget *w : std::initializer_list<QWidget *>{capillarLabel, m_capillarActive,
                                                       capillarUnit, m_sideCheck})
        w->hide();

    auto *boxLayout = new QVBoxLayout(box);
    boxLayout->addLayout(editionGrid);
    boxLayout->addLayout(grid);
    boxLayout->addWidget(m_sideCheck);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);

    connect(m_editions, &QButtonGroup::idClicked, this, [this](int type) {
        editionChosen(type);
        emit DINCriteriaSettingsChanged();
    });
    m_editions->button(2)->setChecked(true);
    editionChosen(2);
}

QRadioButton *DINCriteriaSettings::radioButton(int accordanceType) const
{
    return qobject_cast<QRadioButton *>(m_editions->button(accordanceType));
}

void DINCriteriaSettings::editionChosen(int type)
{
    const bool user = type == dinEditionCode(DINEdition::UserDefined);
    m_nonCapillar->setReadOnly(!user);
    if (!user)
        m_nonCapillar->setValue(DINCriteriaResult::editionAwLimit(dinEditionFromCode(type)));
}

void DINCriteriaSettings::setSettings(const ReportSettings &settings)
{
    const int type = dinEditionCode(dinEditionFromCode(settings.m_din4108_3AccordanceType));
    m_editions->button(type)->setChecked(true);
    m_nonCapillar->setValue(PerHour.awToDisplay(settings.m_nonCapillarAw));
    editionChosen(type);
    m_capillarActiveAw = settings.m_capillarActiveAw;
    m_capillarActive->setValue(PerHour.awToDisplay(settings.m_capillarActiveAw));
    m_oneSideCheck = settings.m_capillaryCheckOneSide;
    (m_oneSideCheck ? m_oneSide : m_twoSides)->setChecked(true);
}

int DINCriteriaSettings::accordanceType() const
{
    return m_editions->checkedId();
}

double DINCriteriaSettings::nonCapillarAw() const
{
    return PerHour.awFromDisplay(m_nonCapillar->value());
}

bool DINCriteriaSettings::storeSettings(ReportSettings &settings) const
{
    const int type = accordanceType();
    const bool user = type == dinEditionCode(DINEdition::UserDefined);
    if (user && !m_nonCapillar->isValid())
        return false;
    settings.m_din4108_3AccordanceType = type;
    if (user)
        settings.m_nonCapillarAw = nonCapillarAw();
    settings.m_capillarActiveAw = m_capillarActiveAw;
    settings.m_capillaryCheckOneSide = m_oneSideCheck;
    return true;
}
