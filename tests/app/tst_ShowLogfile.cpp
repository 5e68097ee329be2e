// The log file viewer.

#include "TestSupport.h"

#include "ui/mainwindow/ShowLogfile.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

class tst_ShowLogfile : public QObject
{
    Q_OBJECT

private slots:
    void showsFileLineByLine();
    void missingFile();
    void layout();
    void copyToClipboard();

private:
    QTemporaryDir m_dir;
};

void tst_ShowLogfile::showsFileLineByLine()
{
    const QString path = m_dir.filePath(QStringLiteral("Mirelo2.log"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("first line\r\nsecond\twith tab\n\nfourth ä\n");
    f.close();
    ShowLogfile dialog(path, nullptr);
    QCOMPARE(dialog.text(), QStringLiteral("first line\nsecond\twith tab\n\nfourth ä"));
    // The path is normalised before it is opened.
    ShowLogfile viaBackslash(QStringLiteral("  ") + QString(path).replace('/', '\\') + " ",
                             nullptr);
    QCOMPARE(viaBackslash.text(), dialog.text());
}

void tst_ShowLogfile::missingFile()
{
    const QString path = m_dir.filePath(QStringLiteral("none/Mirelo2.log"));
    ShowLogfile dialog(path, nullptr);
    QCOMPARE(dialog.text(), "No logfile found at position\n " + path);
}

void tst_ShowLogfile::layout()
{
    ShowLogfile dialog(m_dir.filePath(QStringLiteral("x.log")), nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
    QCOMPARE(dialog.size(), QSize(533, 408));
    auto *edit = dialog.findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit"));
    QVERIFY(edit);
    QVERIFY(edit->isReadOnly());
    auto *copy = dialog.findChild<QPushButton *>(QStringLiteral("pushButtonCopyToClipboard"));
    QVERIFY(copy);
    QCOMPARE(copy->text(), QStringLiteral("Copy to Clipboard"));
    auto *box = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QVERIFY(box);
    QCOMPARE(box->standardButtons(), QDialogButtonBox::StandardButtons(QDialogButtonBox::Ok));
    dialog.show();
    box->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

void tst_ShowLogfile::copyToClipboard()
{
    const QString path = m_dir.filePath(QStringLiteral("copy.log"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("a\nb\n");
    f.close();
    ShowLogfile dialog(path, nullptr);
    QApplication::clipboard()->setText(QStringLiteral("something else"));
    dialog.findChild<QPushButton *>(QStringLiteral("pushButtonCopyToClipboard"))->click();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("a\nb"));
}

M2_TEST_MAIN(tst_ShowLogfile)
#include "tst_ShowLogfile.moc"
