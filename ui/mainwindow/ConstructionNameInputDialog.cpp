#include "ui/mainwindow/ConstructionNameInputDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ConstructionNameInputDialog::ConstructionNameInputDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Add to Construction Database"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("lineEditName"));
    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("plainTextEditNotes"));
    m_notes->setTabChangesFocus(true);
    auto *form = new QFormLayout;
    form->addRow(tr("Name:"), m_name);
    form->addRow(tr("Notes:"), m_notes);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setEnabled(false);
    connect(m_name, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_ok->setEnabled(!text.trimmed().isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(420, 260);
}

QString ConstructionNameInputDialog::name() const
{
    return m_name->text().trimmed();
}

QString ConstructionNameInputDialog::notes() const
{
    return m_notes->toPlainText();
}

void ConstructionNameInputDialog::setName(const QString &name)
{
    m_name->setText(name);
}

void ConstructionNameInputDialog::setNotes(const QString &notes)
{
    m_notes->setPlainText(notes);
}
