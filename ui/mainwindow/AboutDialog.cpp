#include "ui/mainwindow/AboutDialog.h"

#include "settings/Constants.h"
#include "ui/UiResources.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    initUiResources();
    setWindowTitle(tr("About %1").arg(QLatin1String(Constants::ProgramName)));
    auto *title = new QLabel(this);
    title->setObjectName(QStringLiteral("labelTitle"));
    title->setTextFormat(Qt::RichText);
    title->setText(QStringLiteral("<h2>%1</h2><p>%2 %3</p><p>%4</p>")
                       .arg(QLatin1String(Constants::ProgramName), tr("Version"),
                            QLatin1String(Constants::ProgramVersionLong),
                            tr("A software for hygrothermal evaluation of building envelope "
                               "systems")
                                .toHtmlEscaped()));
    auto *notices = new QPlainTextEdit(this);
    notices->setObjectName(QStringLiteral("plainTextEditNotices"));
    notices->setReadOnly(true);
    notices->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    notices->setPlainText(noticeText());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(new QLabel(tr("Third-party components and their licences:"), this));
    layout->addWidget(notices, 1);
    layout->addWidget(buttons);
    resize(640, 520);
}

QString AboutDialog::noticeText()
{
    initUiResources();
    QFile file(QStringLiteral(":/about/NOTICE"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}
