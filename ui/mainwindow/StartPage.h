#pragma once

#include <QPixmap>
#include <QStringList>
#include <QWidget>

class InputData;
class QCommandLinkButton;
class QLabel;
class QVBoxLayout;

/*  What the main window shows while no project is open: the ways to begin (a new project with
    the wizard, an existing file, the quick start of the manual), the example projects that ship
    with the program, each with its name, one line on what it shows and a small sketch of its
    layers, and the recently used projects. Every entry is a button, so the page is used with
    the keyboard alone (Tab, Space or Enter). The page only announces what the user chose; the
    window does it, exactly as through its menu.
*/
class StartPage : public QWidget
{
    Q_OBJECT

public:
    /*! examplesDir: the folder of the shipped example projects (*.m2p). */
    explicit StartPage(const QString &examplesDir, QWidget *parent = nullptr);

    /*! Shows these projects, most recent first (at most MaxRecent). */
    void setRecentProjects(const QStringList &files);

    /*! The example projects found, in the order shown (absolute paths). */
    QStringList exampleFiles() const { return m_examples; }

    /*! A picture of the layer sequence, warm side on the left: one band per layer in the
        layer's colour, its width proportional to the layer's thickness, but never narrower
        than 2 pixels so that a foil stays visible. */
    static QPixmap layerSketch(const InputData &input, const QSize &size);

    static constexpr int MaxRecent = 8;

signals:
    void newProjectRequested();
    void openProjectRequested();
    void quickStartRequested();
    /*! An example or a recent project was chosen. */
    void projectChosen(const QString &fileName);

protected:
    /*! Takes the keyboard focus when the page appears and the focus is nowhere on it (after a
        project closed, the focus was on a view that is now hidden). */
    void showEvent(QShowEvent *event) override;

private:
    void addExamples(QVBoxLayout *layout);
    QCommandLinkButton *makeButton(const QString &text, const QString &description,
                                   const QString &objectName);

    QString m_examplesDir;
    QStringList m_examples;
    QVBoxLayout *m_recentLayout = nullptr;
    QLabel *m_noRecent = nullptr;
};
