#include "ui/UserDialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>

void UserDialogs::critical(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::critical(parent, title, text);
}

void UserDialogs::information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text);
}

void UserDialogs::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text);
}

bool UserDialogs::openDocument(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

QMessageBox::StandardButton UserDialogs::question(QWidget *parent, const QString &title,
                                                  const QString &text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

UserDialogs::ExistingData UserDialogs::existingUserData(QWidget *parent, const QString &directory)
{
    QMessageBox box(
        QMessageBox::Question, QCoreApplication::translate("UserDialogs", "User data found"),
        QCoreApplication::translate(
            "UserDialogs", "The directory '%1' already holds a material or construction database. "
                           "Use the data there, or add your own materials and constructions to it?")
            .arg(QDir::toNativeSeparators(directory)),
        QMessageBox::NoButton, parent);
    QPushButton *use = box.addButton(
        QCoreApplication::translate("UserDialogs", "Use the data there"), QMessageBox::AcceptRole);
    QPushButton *merge =
        box.addButton(QCoreApplication::translate("UserDialogs", "Merge"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == use)
        return UseExistingData;
    if (box.clickedButton() == merge)
        return MergeData;
    return KeepDirectory;
}

QString UserDialogs::openFileName(QWidget *parent, const QString &title, const QString &directory,
                                  const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, directory, filter);
}

QString UserDialogs::existingDirectory(QWidget *parent, const QString &title,
                                       const QString &directory)
{
    return QFileDialog::getExistingDirectory(parent, title, directory);
}

QString UserDialogs::saveFileName(QWidget *parent, const QString &title, const QString &directory,
                                  const QString &filter)
{
    QFileDialog dialog(parent, title, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setViewMode(QFileDialog::Detail);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

QString UserDialogs::exportFileName(QWidget *parent, const QStringList &filters,
                                    QString *selectedFilter)
{
    QFileDialog dialog(parent, QFileDialog::tr("Export file"), m_exportDirectory);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    // the suffix follows the filter the user picks
    auto suffixOf = [](const QString &filter) {
        const int star = filter.indexOf(QLatin1String("*."));
        return star < 0 ? QString() : filter.mid(star + 2, 3);
    };
    dialog.setDefaultSuffix(suffixOf(filters.value(0)));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, suffixOf](const QString &filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    m_exportDirectory = dialog.directory().absolutePath();
    if (selectedFilter)
        *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().first();
}

QString UserDialogs::importDirectory() const
{
    return m_importDirectory.isEmpty() ? QDir::homePath() : m_importDirectory;
}
