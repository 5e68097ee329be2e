#include "StartPage.h"

#include <QApplication>
#include <QCommandLinkButton>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

#include "model/InputData.h"
#include "model/ProjectInformation.h"
#include "persistence/ProjectFile.h"
#include "settings/Constants.h"

namespace {

/*! The shipped examples in the order of the quick start, each with its title and one line on
    what it teaches. An example file without an entry here is still offered, under its name. */
struct ExampleText
{
    const char *file;
    const char *title;
    const char *description;
};

const ExampleText Examples[] = {
    {"external_wall_etics.m2p", QT_TRANSLATE_NOOP("StartPage", "External wall with ETICS"),
     QT_TRANSLATE_NOOP("StartPage", "Sand-lime brick with 160 mm EPS outside: no condensate.")},
    {"timber_frame_wall.m2p", QT_TRANSLATE_NOOP("StartPage", "Timber-frame wall"),
     QT_TRANSLATE_NOOP("StartPage",
                       "Vapour retarder behind an installation cavity: air layers and wood.")},
    {"pitched_roof_between_rafters.m2p",
     QT_TRANSLATE_NOOP("StartPage", "Pitched roof, insulation between rafters"),
     QT_TRANSLATE_NOOP("StartPage",
                       "Humidity-variable vapour retarder, heat flow upwards through an air "
                       "layer.")},
    {"masonry_wall_interior_insulation.m2p",
     QT_TRANSLATE_NOOP("StartPage", "Interior insulation without vapour retarder"),
     QT_TRANSLATE_NOOP("StartPage",
                       "The classic damage case: condensate behind the insulation, DIN 4108-3 "
                       "not fulfilled.")},
    {"flat_roof_warm_deck.m2p", QT_TRANSLATE_NOOP("StartPage", "Flat roof, warm deck"),
     QT_TRANSLATE_NOOP("StartPage",
                       "A nearly tight vapour barrier: where the Glaser scheme and the "
                       "moisture-storage method differ.")},
    {"validation_timber_frame_wall.m2p",
     QT_TRANSLATE_NOOP("StartPage", "Published example: timber-frame wall"),
     QT_TRANSLATE_NOOP("StartPage", "A textbook Glaser example with a vapour retarder, computed "
                                    "again: compare the figures.")},
    {"validation_flat_roof.m2p",
     QT_TRANSLATE_NOOP("StartPage", "Published example: non-ventilated flat roof"),
     QT_TRANSLATE_NOOP("StartPage", "A textbook Glaser example of a roof: its evaporation "
                                    "climate follows from the construction kind.")},
};

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    label->setFont(f);
    return label;
}

} // namespace

StartPage::StartPage(const QString &examplesDir, QWidget *parent)
    : QWidget(parent)
    , m_examplesDir(examplesDir)
{
    setObjectName(QStringLiteral("startPage"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    outer->addWidget(scroll);

    auto *content = new QWidget(scroll);
    auto *columns = new QHBoxLayout(content);
    columns->setContentsMargins(24, 16, 24, 16);
    columns->setSpacing(32);
    scroll->setWidget(content);

    // left: how to begin and the recent projects; right: the examples
    auto *left = new QVBoxLayout;
    auto *title = new QLabel(QLatin1String(Constants::ProgramName), content);
    QFont tf = title->font();
    tf.setBold(true);
    tf.setPointSizeF(tf.pointSizeF() * 2);
    title->setFont(tf);
    left->addWidget(title);
    left->addWidget(heading(tr("Start"), content));
    QCommandLinkButton *newButton = makeButton(
        tr("New project…"),
        tr("Enter the project information and choose the first layer in the new-project wizard."),
        QStringLiteral("startNewProject"));
    connect(newButton, &QCommandLinkButton::clicked, this, &StartPage::newProjectRequested);
    left->addWidget(newButton);
    QCommandLinkButton *openButton =
        makeButton(tr("Open project…"), tr("Open a project file (m2p, or mpj of MIRELO 1)."),
                   QStringLiteral("startOpenProject"));
    connect(openButton, &QCommandLinkButton::clicked, this, &StartPage::openProjectRequested);
    left->addWidget(openButton);
    QCommandLinkButton *quickStart = makeButton(
        tr("Quick start"), tr("The chapter of the manual that walks through the examples."),
        QStringLiteral("startQuickStart"));
    connect(quickStart, &QCommandLinkButton::clicked, this, &StartPage::quickStartRequested);
    left->addWidget(quickStart);

    left->addSpacing(12);
    left->addWidget(heading(tr("Recent projects"), content));
    m_recentLayout = new QVBoxLayout;
    left->addLayout(m_recentLayout);
    m_noRecent = new QLabel(tr("No project opened yet."), content);
    m_noRecent->setEnabled(false);
    m_recentLayout->addWidget(m_noRecent);
    left->addStretch(1);

    auto *right = new QVBoxLayout;
    right->addWidget(heading(tr("Examples"), content));
    addExamples(right);
    right->addStretch(1);

    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    setFocusProxy(newButton);
}

void StartPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !focus->isVisible() || !isAncestorOf(focus))
        setFocus(); // the proxy: "New project"
}

QCommandLinkButton *StartPage::makeButton(const QString &text, const QString &description,
                                          const QString &objectName)
{
    auto *button = new QCommandLinkButton(text, description, this);
    button->setObjectName(objectName);
    // a command link is a push button: Tab reaches it, Space and Enter press it
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAutoDefault(true);
    return button;
}

void StartPage::addExamples(QVBoxLayout *layout)
{
    const QDir dir(m_examplesDir);
    QStringList files = dir.entryList({QStringLiteral("*.m2p")}, QDir::Files, QDir::Name);
    // the order of the quick start first, unknown examples after them by name
    auto rank = [](const QString &file) {
        for (size_t i = 0; i < std::size(Examples); ++i)
            if (file == QLatin1String(Examples[i].file))
                return int(i);
        return int(std::size(Examples));
    };
    std::stable_sort(files.begin(), files.end(),
                     [&](const QString &a, const QString &b) { return rank(a) < rank(b); });
    for (const QString &file : files) {
        const QString path = dir.absoluteFilePath(file);
        const int r = rank(file);
        const bool known = r < int(std::size(Examples));
        const QString title = known ? tr(Examples[r].title) : QFileInfo(file).completeBaseName();
        const QString description = known ? tr(Examples[r].description) : QString();
        QCommandLinkButton *button =
            makeButton(title, description, QStringLiteral("example_") + QFileInfo(file).baseName());
        button->setToolTip(QDir::toNativeSeparators(path));
        InputData input;
        ProjectInformation info;
        QString message;
        if (ProjectFile::load(path, input, info, &message)) {
            const QSize size(72, 36);
            button->setIcon(QIcon(layerSketch(input, size)));
            button->setIconSize(size);
        }
        connect(button, &QCommandLinkButton::clicked, this,
                [this, path]() { emit projectChosen(path); });
        layout->addWidget(button);
        m_examples << path;
    }
    if (files.isEmpty()) {
        auto *none = new QLabel(tr("The example projects were not found in %1.")
                                    .arg(QDir::toNativeSeparators(m_examplesDir)),
                                this);
        none->setWordWrap(true);
        none->setEnabled(false);
        layout->addWidget(none);
    }
}

void StartPage::setRecentProjects(const QStringList &files)
{
    // the buttons of the previous list go; the placeholder label stays
    for (QCommandLinkButton *b : findChildren<QCommandLinkButton *>()) {
        if (b->objectName().startsWith(QLatin1String("recent_"))) {
            m_recentLayout->removeWidget(b);
            delete b;
        }
    }
    const QStringList shown = files.mid(0, MaxRecent);
    m_noRecent->setVisible(shown.isEmpty());
    int i = 0;
    for (const QString &file : shown) {
        const QFileInfo fi(file);
        QCommandLinkButton *button =
            makeButton(fi.fileName(), QDir::toNativeSeparators(fi.absolutePath()),
                       QStringLiteral("recent_%1").arg(i++));
        connect(button, &QCommandLinkButton::clicked, this,
                [this, file]() { emit projectChosen(file); });
        m_recentLayout->addWidget(button);
    }
}

QPixmap StartPage::layerSketch(const InputData &input, const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    const int n = input.layerCount();
    double total = 0;
    for (int i = 0; i < n; ++i)
        total += std::max(0.0, input.layer(i).m_width);
    if (n == 0 || !(total > 0))
        return pixmap;
    QPainter painter(&pixmap);
    const int minWidth = 2;
    // the room left for proportional widths once every layer has its minimum
    const int free = std::max(0, size.width() - n * minWidth);
    double x = 0;
    for (int i = 0; i < n; ++i) {
        const MaterialLayer &layer = input.layer(i);
        const double w = minWidth + free * std::max(0.0, layer.m_width) / total;
        const QRectF band(x, 0, w, size.height());
        painter.fillRect(band, layer.m_color.isValid() ? layer.m_color : Qt::lightGray);
        x += w;
    }
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    return pixmap;
}
