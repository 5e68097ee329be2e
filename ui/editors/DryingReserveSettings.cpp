#include "ui/editors/DryingReserveSettings.h"

#include "calculation/DINCriteriaResult.h"
#include "qtext/ValidatingLineEdit.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {

// kg to g
const double Grams = 1000;

} // namespace

DryingReserveSettings::DryingReserveSettings(QWidget *parent)
    : QWidget(parent)
{
    auto *box = new QGroupBox(tr("Drying potential according DIN 68800-2"), this);
    box->setObjectName(QStringLiteral("groupBoxDryingReserve"));
    m_choices = new QButtonGroup(this);
    struct Entry
    {
        Choice choice;
        const char *name;
        QString text;
        QString amount;
    };
    const Entry entries[] = {
        {NoReserve, "radioButtonNoReserve", tr("No drying reserve"), QString()},
        {CeilingsWalls, "radioButtonCeilingsWalls", tr("Drying reserve for ceilings and walls"),
         tr("<html>(100g/m<sup>2</sup>a)</html>")},
        {Roofs, "radioButtonRoofs", tr("Drying reserve for roofs"),
         tr("<html>(250g/m<sup>2</sup>a)</html>")},
        {Custom, "radioButtonCustomReserve", tr("Custom drying reserve"), QString()},
    };
    auto *grid = new QGridLayout;
    int row = 0;
    for (const Entry &e : entries) {
        auto *button = new QRadioButton(e.text, box);
        button->setObjectName(QLatin1String(e.name));
        m_choices->addButton(button, e.choice);
        grid->addWidget(button, row, 0);
        if (!e.amount.isEmpty())
            grid->addWidget(new QLabel(e.amount, box), row, 1);
        ++row;
    }
    m_value = new QtExt::ValidatingLineEdit(box);
    m_value->setObjectName(QStringLiteral("lineEditDryingReserve"));
    m_value->setup(0, std::numeric_limits<double>::infinity(),
                   tr("The drying reserve cannot be < 0."));
    m_value->setFormat('g', 10);
    m_update = new QPushButton(tr("Update"), box);
    m_update->setObjectName(QStringLiteral("pushButtonUpdate"));
    grid->addWidget(m_value, Custom, 1);
    grid->addWidget(new QLabel(tr("<html>g/m<sup>2</sup>a</html>"), box), Custom, 2);
    grid->addWidget(m_update, Custom, 3);
    grid->setColumnStretch(4, 1);
    m_note = new QLabel(tr("In case of no condensation a drying reserve cannot by applied."), box);
    m_note->setObjectName(QStringLiteral("labelNoCondensation"));
    m_note->setWordWrap(true);
    m_note->hide();

    auto *boxLayout = new QVBoxLayout(box);
    boxLayout->addLayout(grid);
    boxLayout->addWidget(m_note);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);

    connect(m_choices, &QButtonGroup::idClicked, this, [this](int choice) {
        choose(choice);
        const double reserve = dryingReserve();
        if (reserve >= 0)
            emit dryingReserveChanged(reserve);
    });
    connect(m_update, &QPushButton::clicked, this, [this]() {
        const double reserve = dryingReserve();
        if (reserve >= 0)
            emit dryingReserveChanged(reserve);
    });
    setDryingReserve(0);
}

QRadioButton *DryingReserveSettings::radioButton(Choice choice) const
{
    return qobject_cast<QRadioButton *>(m_choices->button(choice));
}

DryingReserveSettings::Choice DryingReserveSettings::choice() const
{
    return Choice(m_choices->checkedId());
}

void DryingReserveSettings::choose(int choice)
{
    const bool custom = choice == Custom;
    m_value->setReadOnly(!custom);
    m_update->setEnabled(custom);
    if (choice == NoReserve)
        m_value->setValue(0);
    else if (choice == CeilingsWalls)
        m_value->setValue(DINCriteriaResult::DryingReserveCeilingsWalls * Grams);
    else if (choice == Roofs)
        m_value->setValue(DINCriteriaResult::DryingReserveRoofs * Grams);
}

void DryingReserveSettings::setDryingReserve(double reserve)
{
    Choice choice = Custom;
    if (reserve == 0)
        choice = NoReserve;
    else if (reserve == DINCriteriaResult::DryingReserveCeilingsWalls)
        choice = CeilingsWalls;
    else if (reserve == DINCriteriaResult::DryingReserveRoofs)
        choice = Roofs;
    m_choices->button(choice)->setChecked(true);
    m_value->setValue(reserve * Grams);
    choose(choice);
}

double DryingReserveSettings::dryingReserve() const
{
    switch (choice()) {
    case NoReserve:
        return 0;
    case CeilingsWalls:
        return DINCriteriaResult::DryingReserveCeilingsWalls;
    case Roofs:
        return DINCriteriaResult::DryingReserveRoofs;
    default:
        return m_value->isValid() ? m_value->value() / Grams : -1;
    }
}

void DryingReserveSettings::setNoCondensationNoteVisible(bool visible)
{
    m_note->setVisible(visible);
}
