#include "ui/editors/ProjectInformationEditDialog.h"

#include "ui/editors/ProjectInformationEditWidget.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>
#include <QWizard>

ProjectInformationEditDialog::ProjectInformationEditDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Project information"));
    m_editor = new ProjectInformationEditWidget(this);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_editor);
    layout->addWidget(m_buttons);
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

void ProjectInformationEditDialog::embed()
{
    m_embedded = true;
    setWindowFlags(Qt::Widget);
    m_buttons->hide();
    layout()->setContentsMargins(0, 0, 0, 0);
}

QDialog *ProjectInformationEditDialog::hostDialog() const
{
    QWidget *host = parentWidget() ? parentWidget()->window() : nullptr;
    return qobject_cast<QDialog *>(host);
}

void ProjectInformationEditDialog::accept()
{
    if (!m_embedded) {
        QDialog::accept();
        return;
    }
    // Return in a field of the embedded editor goes on in the wizard, not in this form
    if (auto *wizard = qobject_cast<QWizard *>(hostDialog()))
        wizard->next();
}

void ProjectInformationEditDialog::reject()
{
    if (!m_embedded) {
        QDialog::reject();
        return;
    }
    if (QDialog *host = hostDialog())
        host->reject();
}
