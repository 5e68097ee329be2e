#pragma once

#include <QDialog>

class QPlainTextEdit;

/*! The About box: program name, version and purpose, and the licences of the third-party
    libraries and artwork the program ships with. */
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

    /*! The text of the third-party notices shown in the box. */
    static QString noticeText();
};
