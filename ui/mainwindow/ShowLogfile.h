#pragma once

#include <QDialog>

namespace Ui {
class ShowLogfile;
}

/*! Shows this run's log file read-only, so that a user can read or copy it for a support
    request. */
class ShowLogfile : public QDialog
{
    Q_OBJECT

public:
    /*! Reads the program's log file. */
    explicit ShowLogfile(QWidget *parent = nullptr);
    /*! Reads the given file (used by tests and for other logs). */
    ShowLogfile(const QString &logFilePath, QWidget *parent);
    ~ShowLogfile() override;

    /*! The text shown. */
    QString text() const;

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_pushButtonCopyToClipboard_clicked();

private:
    void load(const QString &logFilePath);

    Ui::ShowLogfile *m_ui;
};
