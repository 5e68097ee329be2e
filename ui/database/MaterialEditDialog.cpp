#include "ui/database/MaterialEditDialog.h"

#include "model/Plausibility.h"
#include "qtext/ColorButton.h"
#include "qtext/FieldMessageLine.h"
#include "qtext/ValidatingLineEdit.h"
#include "ui/database/MoistStorageFieldRule.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {

const double Unbounded = std::numeric_limits<double>::infinity();

/*! The earliest date of the date fields stands for "no date". */
const QDate NoDate(1900, 1, 1);

QDate shownDate(const QDateEdit *edit)
{
    return edit->date() == NoDate ? QDate() : edit->date();
}

} // namespace

MaterialEditDialog::MaterialEditDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Edit material"));
    m_colorChooser = [](const QColor &initial, QWidget *owner) {
        return QColorDialog::getColor(initial, owner, tr("Select Material Color"));
    };

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("lineEditName"));
    m_category = new QComboBox(this);
    m_category->setObjectName(QStringLiteral("comboBoxCategory"));
    m_category->addItems(Material::categoryNames());
    m_color = new QtExt::ColorButton(this);
    m_color->setObjectName(QStringLiteral("pushButtonColor"));
    m_productName = new QLineEdit(this);
    m_productName->setObjectName(QStringLiteral("lineEditProductName"));
    m_producer = new QLineEdit(this);
    m_producer->setObjectName(QStringLiteral("lineEditProducer"));
    m_dataSource = new QLineEdit(this);
    m_dataSource->setObjectName(QStringLiteral("lineEditDataSource"));
    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("plainTextEditNotes"));
    m_notes->setTabChangesFocus(true);

    auto makeField = [this](const char *name, double lower, double upper, bool lowerInclusive,
                            const QString &errorText) {
        auto *edit = new QtExt::ValidatingLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setup(lower, upper, errorText, lowerInclusive);
        connect(edit, &QLineEdit::textChanged, this, &MaterialEditDialog::updateState);
        return edit;
    };
    m_rho = makeField("lineEditRho", 0, Unbounded, false, tr("The bulk density must be > 0."));
    m_lambda = makeField("lineEditLambda", 0, Unbounded, false,
                         tr("The thermal conductivity must be > 0."));
    m_mu = makeField("lineEditMu", 0, Unbounded, false,
                     tr("The vapor resistance factor must be > 0."));
    m_muMin = makeField("lineEditMuMin", 0, Unbounded, true,
                        tr("The vapor resistance factor must be >= 0."));
    m_muMax = makeField("lineEditMuMax", 0, Unbounded, true,
                        tr("The vapor resistance factor must be >= 0."));
    m_w80 = makeField("lineEditW80", 0, 1, false,
                      tr("The moisture content at 80% humidity must be > 0 and lower than the "
                         "saturation moisture content."));
    m_wSat = makeField("lineEditWSat", 0, 1, false,
                       tr("The moisture content at saturation must be larger than the moisture "
                          "content at 80% humidity and lower equal than 1.0."));
    m_w80->setFieldValidator(new MoistStorageFieldRule(MoistStorageValidator::W80, m_wSat));
    m_wSat->setFieldValidator(new MoistStorageFieldRule(MoistStorageValidator::WSat, m_w80));
    m_aw = makeField("lineEditAw", 0, Unbounded, true,
                     tr("The water uptake coefficient must be >= 0."));
    m_sd = makeField("lineEdit_sdValue", 0, Unbounded, true, tr("The sd-value must be >= 0."));
    m_sd->setNormalToolTip(tr("An sd-value > 0 fixes the layer width to sd / %1 (foils, "
                              "membranes, coatings); 0 for ordinary materials.")
                               .arg(QChar(0x03BC)));
    m_sdSummer = makeField("lineEdit_sdSummer", 0, Unbounded, true,
                           tr("The sd-value in the evaporation period must be >= 0."));
    m_sdSummer->setNormalToolTip(
        tr("Humidity-variable vapour retarders: the sd-value in the evaporation (summer) period, "
           "the humid-range value of the data sheet; the sd-value above is then the dry-range "
           "value of the condensation (winter) period. Empty for every other material."));
    m_sdSummer->setPlaceholderText(tr("as in winter"));
    m_muMin->setAcceptEmpty(true);
    m_muMax->setAcceptEmpty(true);
    m_sd->setAcceptEmpty(true);
    m_sdSummer->setAcceptEmpty(true);

    m_air = new QCheckBox(tr("Air"), this);
    m_air->setObjectName(QStringLiteral("checkBoxAir"));
    m_wood = new QCheckBox(tr("Wood"), this);
    m_wood->setObjectName(QStringLiteral("checkBoxWood"));
    m_woodBased = new QCheckBox(tr("Wood based"), this);
    m_woodBased->setObjectName(QStringLiteral("checkBoxWoodBased"));
    m_foil = new QCheckBox(tr("Foil"), this);
    m_foil->setObjectName(QStringLiteral("checkBoxFoil"));

    auto makeDate = [this](const char *name) {
        auto *edit = new QDateEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setMinimumDate(NoDate);
        edit->setSpecialValueText(tr("none"));
        edit->setDisplayFormat(QStringLiteral("MM yyyy"));
        edit->setCalendarPopup(true);
        return edit;
    };
    m_measuringDate = makeDate("dateEditMeasuring");
    m_samplingDate = makeDate("dateEditSampling");
    m_productionDate = makeDate("dateEditProduction");

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("labelProblem"));
    m_problem->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_problem->setWordWrap(true);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, [this]() {
        if (isAcceptable())
            accept();
    });
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    const QString cubic = QString(QChar(0x00B3));
    auto *general = new QGroupBox(tr("Description"), this);
    auto *generalForm = new QFormLayout(general);
    generalForm->addRow(tr("Name:"), m_name);
    generalForm->addRow(tr("Category:"), m_category);
    generalForm->addRow(tr("Color:"), m_color);
    generalForm->addRow(tr("Product name:"), m_productName);
    generalForm->addRow(tr("Producer:"), m_producer);
    generalForm->addRow(tr("Data source:"), m_dataSource);
    generalForm->addRow(tr("Notes:"), m_notes);

    auto *properties = new QGroupBox(tr("Material Properties"), this);
    auto *propertyForm = new QFormLayout(properties);
    // the same notes on unusual values as the layer editor's, in a line below the fields
    m_notices = new QtExt::FieldMessageLine(this);
    const std::pair<QtExt::ValidatingLineEdit *, QString> rows[] = {
        {m_rho, tr("Bulk density [kg/m%1]:").arg(cubic)},
        {m_lambda, tr("Thermal conductivity [W/mK]:")},
        {m_mu, tr("Vapor diffusion resistance factor [-]:")},
        {m_muMin, tr("Lower value of %1 [-]:").arg(QChar(0x03BC))},
        {m_muMax, tr("Upper value of %1 [-]:").arg(QChar(0x03BC))},
        {m_w80, tr("Moisture content at 80% RH [m%1/m%1]:").arg(cubic)},
        {m_wSat, tr("Moisture content at saturation [m%1/m%1]:").arg(cubic)},
        {m_aw,
         tr("Water absorption coefficient [kg/m%1s%2]:").arg(QChar(0x00B2)).arg(QChar(0x00BD))},
        {m_sd, tr("sd-value [m]:")},
        {m_sdSummer, tr("sd-value, evaporation period [m]:")}};
    const std::pair<QtExt::ValidatingLineEdit *, Material::Quantity> quantities[] = {
        {m_rho, Material::Q_Rho},     {m_lambda, Material::Q_Lambda}, {m_mu, Material::Q_Mu},
        {m_muMin, Material::Q_MuMin}, {m_muMax, Material::Q_MuMax},   {m_w80, Material::Q_W80},
        {m_wSat, Material::Q_WSat},   {m_aw, Material::Q_Aw}};
    for (const auto &q : quantities) {
        const Material::Quantity quantity = q.second;
        q.first->setNoticeRule([this, quantity](double value) {
            // an air material's values follow from its width; a foil or a material with an
            // sd-value is meant to be tight
            if (m_air->isChecked())
                return QString();
            const bool foil = m_foil->isChecked() || (m_sd->isNumber() && m_sd->value() > 0);
            return Plausibility::material(quantity, value, foil);
        });
    }
    for (const auto &row : rows) {
        propertyForm->addRow(row.second, row.first);
        m_notices->watch(row.first, row.second);
    }
    auto *flagRow = new QHBoxLayout;
    for (QCheckBox *box : {m_air, m_wood, m_woodBased, m_foil}) {
        flagRow->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &MaterialEditDialog::updateState);
    }
    // the flags and the sd-value decide what is unusual
    auto recheck = [this]() {
        for (QtExt::ValidatingLineEdit *edit :
             {m_rho, m_lambda, m_mu, m_muMin, m_muMax, m_w80, m_aw})
            edit->check();
    };
    connect(m_air, &QCheckBox::toggled, this, recheck);
    connect(m_foil, &QCheckBox::toggled, this, recheck);
    connect(m_sd, &QLineEdit::textChanged, this, recheck);
    flagRow->addStretch(1);
    propertyForm->addRow(tr("Flags:"), flagRow);

    auto *dates = new QGroupBox(tr("Dates"), this);
    auto *dateForm = new QFormLayout(dates);
    dateForm->addRow(tr("Measuring date:"), m_measuringDate);
    dateForm->addRow(tr("Sampling date:"), m_samplingDate);
    dateForm->addRow(tr("Production date:"), m_productionDate);

    for (QFormLayout *form : {generalForm, propertyForm, dateForm})
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    auto *right = new QVBoxLayout;
    right->addWidget(properties);
    right->addWidget(dates);
    right->addStretch(1);
    auto *columns = new QHBoxLayout;
    columns->addWidget(general, 1);
    columns->addLayout(right, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(m_notices);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);

    connect(m_name, &QLineEdit::textChanged, this, &MaterialEditDialog::updateState);
    connect(m_category, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MaterialEditDialog::updateState);
    connect(m_color, &QPushButton::clicked, this, [this]() {
        const QColor chosen = m_colorChooser(m_color->color(), this);
        if (chosen.isValid())
            m_color->setColor(chosen);
    });
    resize(860, 520);
    setMaterial(Material());
}

void MaterialEditDialog::setMaterial(const Material &material)
{
    m_material = material;
    m_name->setText(material.m_name);
    m_category->setCurrentIndex(
        material.m_category >= 0 && material.m_category <= 12 ? material.m_category : -1);
    m_color->setColor(material.m_color.isValid() ? material.m_color : Material::defaultColor());
    m_productName->setText(material.m_productName);
    m_producer->setText(material.m_producer);
    m_dataSource->setText(material.m_dataSource);
    m_notes->setPlainText(material.m_notes);
    m_rho->setValue(material.m_rho);
    m_lambda->setValue(material.m_lambda);
    m_mu->setValue(material.m_mu);
    m_muMin->setValue(material.m_mu_min);
    m_muMax->setValue(material.m_mu_max);
    m_w80->setValue(material.m_w_80);
    m_wSat->setValue(material.m_w_sat);
    m_aw->setValue(material.m_A_w);
    m_sd->setValue(material.m_sd_value);
    if (material.m_sd_summer != 0)
        m_sdSummer->setValue(material.m_sd_summer);
    else
        m_sdSummer->clear(); // one sd-value for both periods
    m_air->setChecked(material.isAir());
    m_wood->setChecked(material.isWood());
    m_woodBased->setChecked(material.isWoodBased());
    m_foil->setChecked(material.isFoil());
    m_measuringDate->setDate(material.m_measuringDate.isValid() ? material.m_measuringDate
                                                                : NoDate);
    m_samplingDate->setDate(material.m_samplingDate.isValid() ? material.m_samplingDate : NoDate);
    m_productionDate->setDate(material.m_productionDate.isValid() ? material.m_productionDate
                                                                  : NoDate);
    // long texts show their beginning
    for (QLineEdit *edit : {m_name, m_productName, m_producer, m_dataSource})
        edit->setCursorPosition(0);
    updateState();
}

Material MaterialEditDialog::material() const
{
    Material m = m_material;
    m.m_name = m_name->text().trimmed();
    m.m_category =
        m_category->currentIndex() < 0 ? Material::UnknownCategory : m_category->currentIndex();
    m.m_color = m_color->color();
    m.m_productName = m_productName->text();
    m.m_producer = m_producer->text();
    m.m_dataSource = m_dataSource->text();
    m.m_notes = m_notes->toPlainText();
    auto value = [](const QtExt::ValidatingLineEdit *edit) {
        return edit->isNumber() ? edit->value() : 0.0;
    };
    m.m_rho = value(m_rho);
    m.m_lambda = value(m_lambda);
    m.m_mu = value(m_mu);
    m.m_mu_min = value(m_muMin);
    m.m_mu_max = value(m_muMax);
    m.m_w_80 = value(m_w80);
    m.m_w_sat = value(m_wSat);
    m.m_A_w = value(m_aw);
    m.m_sd_value = value(m_sd);
    m.m_sd_summer = value(m_sdSummer);
    m.setFlags(m_air->isChecked(), m_wood->isChecked(), m_woodBased->isChecked(),
               m_foil->isChecked());
    m.m_measuringDate = shownDate(m_measuringDate);
    m.m_samplingDate = shownDate(m_samplingDate);
    m.m_productionDate = shownDate(m_productionDate);
    return m;
}

QString MaterialEditDialog::problem() const
{
    auto value = [](const QtExt::ValidatingLineEdit *edit) {
        return edit->isNumber() ? edit->value() : 0.0;
    };
    if (m_name->text().trimmed().isEmpty())
        return tr("The material needs a name.");
    if (m_category->currentIndex() < 0)
        return tr("Please choose a category.");
    const std::pair<QtExt::ValidatingLineEdit *, QString> fields[] = {
        {m_rho, tr("bulk density")},
        {m_lambda, tr("thermal conductivity")},
        {m_mu, tr("vapor diffusion resistance factor")},
        {m_muMin, tr("lower value of %1").arg(QChar(0x03BC))},
        {m_muMax, tr("upper value of %1").arg(QChar(0x03BC))},
        {m_w80, tr("moisture content at 80% RH")},
        {m_wSat, tr("moisture content at saturation")},
        {m_aw, tr("water absorption coefficient")},
        {m_sd, tr("sd-value")},
        {m_sdSummer, tr("sd-value of the evaporation period")}};
    for (const auto &f : fields)
        if (!f.first->isValid())
            return tr("Please correct the %1.").arg(f.second);
    QString reason;
    if (!Material::summerSdRule(value(m_sdSummer), value(m_sd), &reason))
        return reason;
    if (!material().isValid())
        return tr("The material is not valid.");
    return QString();
}

bool MaterialEditDialog::isAcceptable() const
{
    return problem().isEmpty();
}

void MaterialEditDialog::updateState()
{
    const QString text = problem();
    m_problem->setText(text);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(text.isEmpty());
}
