#include "ui/mainwindow/ShowLogfile.h"
#include "ui_ShowLogfile.h"

#include "htl/HTL_Path.h"
#include "settings/Directories.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFile>
#include <QTextStream>

ShowLogfile::ShowLogfile(QWidget *parent)
    : ShowLogfile(Directories::logFilePath(), parent)
{
}

ShowLogfile::ShowLogfile(const QString &logFilePath, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::ShowLogfile)
{
    m_ui->setupUi(this);
    load(logFilePath);
}

ShowLogfile::~ShowLogfile()
{
    delete m_ui;
}

QString ShowLogfile::text() const
{
    return m_ui->plainTextEdit->toPlainText();
}

void ShowLogfile::load(const QString &logFilePath)
{
    const QString path =
        QString::fromStdString(HTL::Path(logFilePath.toUtf8().toStdString()).str());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_ui->plainTextEdit->setPlainText(tr("No logfile found at position\n %1").arg(path));
        return;
    }
    QTextStream in(&file);
    in.setCodec("UTF-8");
    QString line;
    while (in.readLineInto(&line))
        m_ui->plainTextEdit->appendPlainText(line);
}

void ShowLogfile::on_pushButtonCopyToClipboard_clicked()
{
    QApplication::clipboard()->setText(m_ui->plainTextEdit->toPlainText());
}

void ShowLogfile::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
