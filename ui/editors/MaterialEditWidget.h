#pragma once

#include "document/Project.h"
#include "settings/DisplayUnits.h"

#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QLineEdit;
class QUndoStack;
class Settings;

namespace QtExt {
class ColorButton;
class FieldMessageLine;
class ValidatingLineEdit;
} // namespace QtExt

/*  The layer editor: width, colour and material name of the selected layer and the material
    properties that the calculation uses (λ, μ, w_80, w_sat, A_w), with the sd-value for
    reference and, for a material given by its sd-value, the sd-value of the evaporation period
    of a humidity-variable vapour retarder (empty: the material has one sd-value). Every accepted
   edit becomes an undo command on the project; the fields are filled again from the project
   whenever the main window loads a layer (after every change) and when the display units change.
   Every field asks the project whether it takes the value, so that it shows the project's reason
   for a refusal.

    Below, the layer's second material (studs, rafters, battens): its name and conductivity,
    and its area fraction, entered either as a percentage or as the width of one member at its
    centre-to-centre spacing in mm (60 at 625). Each change is one undo command.
*/
class MaterialEditWidget : public QWidget
{
    Q_OBJECT

public:
    MaterialEditWidget(Project &project, QUndoStack &undoStack, const Settings &settings,
                       QWidget *parent = nullptr);

    /*! Loads layer index of the project (clears the editor when it does not exist). */
    void setLayer(int index);
    /*! The loaded layer, -1 when none. */
    int currentLayer() const { return m_index; }

    /*! The colour dialog; tests replace it so that nothing blocks. Returns an invalid colour
        when the user cancels. */
    using ColorChooser = std::function<QColor(const QColor &initial, QWidget *parent)>;
    void setColorChooser(ColorChooser chooser) { m_colorChooser = std::move(chooser); }

    /*! Chooses the second material of a layer from the databases (set by the main window;
        tests replace it). Returns nothing when the user cancels. */
    using MaterialChooser = std::function<std::optional<Material>(QWidget *parent)>;
    void setBridgeMaterialChooser(MaterialChooser chooser) { m_bridgeChooser = std::move(chooser); }

    /*! How the area fraction of the second material is entered (index of the combo box). */
    enum BridgeEntry
    {
        BE_Fraction = 0,       ///< area fraction in %
        BE_WidthAndSpacing = 1 ///< member width and centre-to-centre spacing in mm
    };

    QtExt::ValidatingLineEdit *widthEdit() const { return m_width; }
    QtExt::ValidatingLineEdit *lambdaEdit() const { return m_lambda; }
    QtExt::ValidatingLineEdit *muEdit() const { return m_mu; }
    QtExt::ValidatingLineEdit *w80Edit() const { return m_w80; }
    QtExt::ValidatingLineEdit *wSatEdit() const { return m_wSat; }
    QtExt::ValidatingLineEdit *awEdit() const { return m_aw; }
    QtExt::ValidatingLineEdit *sdEdit() const { return m_sd; }
    QtExt::ValidatingLineEdit *sdSummerEdit() const { return m_sdSummer; }
    QLineEdit *nameEdit() const { return m_name; }
    QtExt::ColorButton *colorButton() const { return m_color; }
    QGroupBox *bridgeBox() const { return m_bridgeBox; }
    QLabel *bridgeMaterialLabel() const { return m_bridgeMaterial; }
    QPushButton *bridgeChooseButton() const { return m_bridgeChoose; }
    QPushButton *bridgeRemoveButton() const { return m_bridgeRemove; }
    QComboBox *bridgeEntryCombo() const { return m_bridgeEntry; }
    QtExt::ValidatingLineEdit *bridgeFractionEdit() const { return m_bridgeFraction; }
    QtExt::ValidatingLineEdit *bridgeWidthEdit() const { return m_bridgeWidth; }
    QtExt::ValidatingLineEdit *bridgeSpacingEdit() const { return m_bridgeSpacing; }
    /*! The editor's message line: why a field is red or amber, and the last refused entry. */
    QtExt::FieldMessageLine *messageLine() const { return m_messages; }

private slots:
    void doubleEditingFinished();
    void nameEditingFinished();
    void colorClicked();
    void bridgeChooseClicked();
    void bridgeRemoveClicked();
    void bridgeEntryChanged();
    void bridgeValueFinished();

private:
    void clear();
    void load();
    void setLabels(const DisplayUnits &units);
    /*! Fills the second-material group from the loaded layer. */
    void loadBridge();
    /*! Enables the fields of the chosen entry (fraction, or width and spacing). */
    void showBridgeEntry();
    /*! The bridge that the fields describe with the material given; nothing when the fields
        of the chosen entry do not hold a usable fraction. */
    std::optional<LayerBridge> bridgeFromFields(const Material &material) const;
    void pushBridge(const std::optional<LayerBridge> &bridge);
    /*! The layer's value of the field's kind, as the field shows it. */
    /*! The layer's value as the field shows it (display units; λ and μ as the calculation
        takes them, which for an air layer follow from the construction). */
    double shownValue(Project::LayerValue kind) const;
    double toProjectUnits(Project::LayerValue kind, double shown) const;
    QtExt::ValidatingLineEdit *field(Project::LayerValue kind) const;

    static constexpr Project::LayerValue AllValues[] = {
        Project::LV_Mu, Project::LV_W80,   Project::LV_WSat,    Project::LV_Lambda,
        Project::LV_Aw, Project::LV_Width, Project::LV_SdSummer};

    Project &m_project;
    QUndoStack &m_undoStack;
    const Settings &m_settings;
    int m_index = -1;
    ColorChooser m_colorChooser;

    QtExt::ValidatingLineEdit *m_width;
    QtExt::ColorButton *m_color;
    QLineEdit *m_name;
    QtExt::ValidatingLineEdit *m_lambda;
    QtExt::ValidatingLineEdit *m_mu;
    QtExt::ValidatingLineEdit *m_w80;
    QtExt::ValidatingLineEdit *m_wSat;
    QtExt::ValidatingLineEdit *m_aw;
    QtExt::ValidatingLineEdit *m_sd;
    QtExt::ValidatingLineEdit *m_sdSummer;
    QLabel *m_widthLabel;
    QLabel *m_awLabel;

    MaterialChooser m_bridgeChooser;
    QGroupBox *m_bridgeBox;
    QLabel *m_bridgeMaterial;
    QPushButton *m_bridgeChoose;
    QPushButton *m_bridgeRemove;
    QComboBox *m_bridgeEntry;
    QtExt::ValidatingLineEdit *m_bridgeFraction;
    QtExt::ValidatingLineEdit *m_bridgeWidth;
    QtExt::ValidatingLineEdit *m_bridgeSpacing;
    QtExt::FieldMessageLine *m_messages;
};
