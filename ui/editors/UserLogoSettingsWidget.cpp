#include "ui/editors/UserLogoSettingsWidget.h"

#include "ui/UserDialogs.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

UserLogoSettingsWidget::UserLogoSettingsWidget(UserDialogs *dialogs, QWidget *parent)
    : QGroupBox(tr("User Logo"), parent)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("groupBoxUserLogo"));
    m_position = new QComboBox(this);
    m_position->setObjectName(QStringLiteral("comboBoxUserLogoPosition"));
    m_position->addItems({tr("No user logo"), tr("Logo in page header"),
                          tr("Logo right from project informations")});
    // a long entry must not widen the panel it stands in
    m_position->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_position->setMinimumContentsLength(12);
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("lineEditUserLogoPath"));
    auto *browse = new QToolButton(this);
    browse->setObjectName(QStringLiteral("toolButtonUserLogoPath"));
    browse->setText(QStringLiteral("..."));
    m_byWidth = new QRadioButton(tr("Scale by width"), this);
    m_byWidth->setObjectName(QStringLiteral("radioButtonLogoWidth"));
    m_byHeight = new QRadioButton(tr("Scale by height"), this);
    m_byHeight->setObjectName(QStringLiteral("radioButtonLogoHeight"));
    m_byWidth->setChecked(true);
    m_size = new QSpinBox(this);
    m_size->setObjectName(QStringLiteral("spinBoxUserLogoSize"));
    m_size->setRange(0, 2000);
    m_size->setSuffix(tr(" px"));
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(browse);
    // the two scale choices above the size: side by side they are wider than a narrow panel
    auto *scaleRow = new QVBoxLayout;
    scaleRow->addWidget(m_byWidth);
    scaleRow->addWidget(m_byHeight);
    scaleRow->addWidget(m_size);
    auto *form = new QFormLayout(this);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    form->addRow(tr("Position:"), m_position);
    form->addRow(tr("Image file:"), pathRow);
    form->addRow(tr("Size:"), scaleRow);

    auto changed = [this]() {
        if (!m_updating)
            emit userLogoChanged();
    };
    connect(m_position, QOverload<int>::of(&QComboBox::currentIndexChanged), this, changed);
    connect(m_path, &QLineEdit::editingFinished, this, changed);
    connect(m_byWidth, &QRadioButton::toggled, this, [changed](bool on) {
        if (on)
            changed();
    });
    connect(m_byHeight, &QRadioButton::toggled, this, [changed](bool on) {
        if (on)
            changed();
    });
    connect(m_size, &QSpinBox::editingFinished, this, changed);
    connect(browse, &QToolButton::clicked, this, [this, changed]() {
        if (!m_dialogs)
            return;
        const QString file =
            m_dialogs->openFileName(this, tr("Select user logo"), QFileInfo(m_path->text()).path(),
                                    tr("Images (*.png *.jpg *.jpeg *.bmp *.svg)"));
        if (file.isEmpty())
            return;
        m_path->setText(file);
        changed();
    });
}

void UserLogoSettingsWidget::setSettings(const UserLogoSettings &logo)
{
    m_updating = true;
    m_position->setCurrentIndex(qBound(0, logo.m_position, 2));
    m_path->setText(logo.m_path);
    (logo.m_scaleByWidth ? m_byWidth : m_byHeight)->setChecked(true);
    m_size->setValue(logo.m_size);
    m_updating = false;
}

UserLogoSettings UserLogoSettingsWidget::settings() const
{
    UserLogoSettings logo;
    logo.m_position = m_position->currentIndex();
    logo.m_path = m_path->text();
    logo.m_scaleByWidth = m_byWidth->isChecked();
    logo.m_size = m_size->value();
    return logo;
}
