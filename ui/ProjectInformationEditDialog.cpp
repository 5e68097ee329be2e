#include "ui/ProjectInformationEditDialog.h"

#include "ui/ProjectInformationEditWidget.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

ProjectInformationEditDialog::ProjectInformationEditDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Project information"));
    m_editor = new ProjectInformationEditWidget(this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_editor);
    layout->addWidget(buttons);
    resize(520, 480);
}

void ProjectInformationEditDialog::setProjectInformation(const ProjectInformation &info)
{
    m_editor->setProjectInformation(info);
}

ProjectInformation ProjectInformationEditDialog::projectInformation() const
{
    return m_editor->projectInformation();
}
