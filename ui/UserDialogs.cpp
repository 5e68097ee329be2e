#include "ui/UserDialogs.h"

#include "persistence/Construction.h"
#include "persistence/ConstructionList.h"
#include "persistence/MaterialList.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>

void UserDialogs::critical(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::critical(parent, title, text);
}

void UserDialogs::information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text);
}

QMessageBox::StandardButton UserDialogs::question(QWidget *parent, const QString &title,
                                                  const QString &text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
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

UserDialogs::Choice UserDialogs::chooseMaterial(QWidget *parent, const MaterialList &materials,
                                                const ConstructionList *constructions,
                                                Material *material, Construction *construction)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QFileDialog::tr("Select material"));
    dialog.resize(520, 560);
    auto *layout = new QVBoxLayout(&dialog);
    auto *tabs = new QTabWidget(&dialog);
    layout->addWidget(tabs);

    auto *materialPage = new QWidget;
    auto *materialLayout = new QVBoxLayout(materialPage);
    auto *filter = new QLineEdit;
    filter->setPlaceholderText(QFileDialog::tr("Filter by name"));
    filter->setClearButtonEnabled(true);
    auto *materialList = new QListWidget;
    for (int i = 0; i < materials.count(); ++i) {
        auto *item = new QListWidgetItem(materials.material(i)->m_name, materialList);
        item->setData(Qt::UserRole, i);
    }
    materialLayout->addWidget(filter);
    materialLayout->addWidget(materialList);
    tabs->addTab(materialPage, QFileDialog::tr("Materials"));
    QObject::connect(filter, &QLineEdit::textChanged, materialList,
                     [materialList](const QString &t) {
                         for (int i = 0; i < materialList->count(); ++i)
                             materialList->item(i)->setHidden(
                                 !materialList->item(i)->text().contains(t, Qt::CaseInsensitive));
                     });

    QListWidget *constructionList = nullptr;
    if (constructions) {
        constructionList = new QListWidget;
        for (int i = 0; i < constructions->count(); ++i)
            new QListWidgetItem(constructions->construction(i).m_name, constructionList);
        tabs->addTab(constructionList, QFileDialog::tr("Constructions"));
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(materialList, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    if (constructionList)
        QObject::connect(constructionList, &QListWidget::itemDoubleClicked, &dialog,
                         &QDialog::accept);
    if (dialog.exec() != QDialog::Accepted)
        return Cancelled;
    if (constructionList && tabs->currentWidget() == constructionList) {
        const int row = constructionList->currentRow();
        if (row < 0)
            return Cancelled;
        *construction = constructions->construction(row);
        return ConstructionChosen;
    }
    QListWidgetItem *item = materialList->currentItem();
    if (!item)
        return Cancelled;
    *material = *materials.material(item->data(Qt::UserRole).toInt());
    return MaterialChosen;
}
