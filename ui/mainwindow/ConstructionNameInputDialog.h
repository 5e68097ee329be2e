#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

/*! Asks for the name and notes under which the current construction is stored in the
    construction database. OK needs a name. */
class ConstructionNameInputDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ConstructionNameInputDialog(QWidget *parent = nullptr);

    QString name() const;
    QString notes() const;
    void setName(const QString &name);
    void setNotes(const QString &notes);

private:
    QLineEdit *m_name;
    QPlainTextEdit *m_notes;
    QPushButton *m_ok;
};
