#include "ui/editors/ProjectInformationEditWidget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

ProjectInformationEditWidget::ProjectInformationEditWidget(QWidget *parent)
    : QWidget(parent)
{
    m_projectName = new QLineEdit(this);
    m_projectName->setObjectName(QStringLiteral("lineEditProjectName"));
    m_constructionId = new QLineEdit(this);
    m_constructionId->setObjectName(QStringLiteral("lineEditConstructionID"));
    m_userName = new QLineEdit(this);
    m_userName->setObjectName(QStringLiteral("lineEditUserName"));
    m_company = new QLineEdit(this);
    m_company->setObjectName(QStringLiteral("lineEditCompany"));
    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(QStringLiteral("plainTextEditDescription"));
    m_description->setTabChangesFocus(true);
    m_finalRemarks = new QPlainTextEdit(this);
    m_finalRemarks->setObjectName(QStringLiteral("plainTextEditFinalRemarks"));
    m_finalRemarks->setTabChangesFocus(true);
    m_heatFlow = new QComboBox(this);
    m_heatFlow->setObjectName(QStringLiteral("comboBoxHeatFlowDirection"));
    // items in the order of the direction codes
    m_heatFlow->addItems({tr("Heat flow down"), tr("Heat flow up"), tr("horizontal heat flow")});

    auto *form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("Project name:"), m_projectName);
    form->addRow(tr("Construction ID:"), m_constructionId);
    form->addRow(tr("User name:"), m_userName);
    form->addRow(tr("Company:"), m_company);
    form->addRow(tr("Description:"), m_description);
    form->addRow(tr("Final remarks:"), m_finalRemarks);
    form->addRow(tr("Heat flow direction:"), m_heatFlow);
}

void ProjectInformationEditWidget::setProjectInformation(const ProjectInformation &info)
{
    m_info = info;
    m_projectName->setText(info.m_projectName);
    m_constructionId->setText(info.m_constructionID);
    m_userName->setText(info.m_userName);
    m_company->setText(info.m_company);
    m_description->setPlainText(info.m_description);
    m_finalRemarks->setPlainText(info.m_disclaimerText);
    m_heatFlow->setCurrentIndex(heatFlowDirectionCode(info.m_heatFlowDirection));
}

ProjectInformation ProjectInformationEditWidget::projectInformation() const
{
    ProjectInformation info = m_info;
    info.m_projectName = m_projectName->text();
    info.m_constructionID = m_constructionId->text();
    info.m_userName = m_userName->text();
    info.m_company = m_company->text();
    info.m_description = m_description->toPlainText();
    info.m_disclaimerText = m_finalRemarks->toPlainText();
    info.m_heatFlowDirection = heatFlowDirectionFromCode(m_heatFlow->currentIndex());
    return info;
}
