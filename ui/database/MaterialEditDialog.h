#pragma once

#include "model/Material.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace QtExt {
class FieldMessageLine;
class ColorButton;
class ValidatingLineEdit;
} // namespace QtExt

/*  Edits every field of a user material: texts, category, colour, the physical properties, the
    flags and the dates. Numbers are checked as they are typed, with the same rules as the layer
    editor (w_80 and w_sat judged as a pair); OK is enabled only while the whole material is
    valid, and a line under the fields says what is still missing. Fields the dialog does not
    show (database integer, application codes, w_95, the id) keep their values.
*/
class MaterialEditDialog : public QDialog
{
    Q_OBJECT
public:
    explicit MaterialEditDialog(QWidget *parent = nullptr);

    void setMaterial(const Material &material);
    /*! The material as the fields describe it. */
    Material material() const;
    /*! Whether OK may be pressed: all fields valid and the material valid. */
    bool isAcceptable() const;

    /*! The colour dialog; tests replace it. Returns an invalid colour when cancelled. */
    using ColorChooser = std::function<QColor(const QColor &initial, QWidget *parent)>;
    void setColorChooser(ColorChooser chooser) { m_colorChooser = std::move(chooser); }

    QLineEdit *nameEdit() const { return m_name; }
    QComboBox *categoryCombo() const { return m_category; }
    QtExt::ValidatingLineEdit *rhoEdit() const { return m_rho; }
    QtExt::ValidatingLineEdit *lambdaEdit() const { return m_lambda; }
    QtExt::ValidatingLineEdit *muEdit() const { return m_mu; }
    QtExt::ValidatingLineEdit *w80Edit() const { return m_w80; }
    QtExt::ValidatingLineEdit *wSatEdit() const { return m_wSat; }
    QtExt::ValidatingLineEdit *awEdit() const { return m_aw; }
    QtExt::ValidatingLineEdit *sdEdit() const { return m_sd; }
    QtExt::ValidatingLineEdit *sdSummerEdit() const { return m_sdSummer; }
    /*! Why a field is red or amber, in words below the fields. */
    QtExt::FieldMessageLine *noticeLine() const { return m_notices; }
    QCheckBox *airCheckBox() const { return m_air; }
    QDialogButtonBox *buttonBox() const { return m_buttons; }

private:
    void updateState();
    /*! Why the material is not acceptable; empty when it is. */
    QString problem() const;

    Material m_material;
    ColorChooser m_colorChooser;

    QLineEdit *m_name;
    QComboBox *m_category;
    QtExt::ColorButton *m_color;
    QLineEdit *m_productName;
    QLineEdit *m_producer;
    QLineEdit *m_dataSource;
    QPlainTextEdit *m_notes;
    QtExt::ValidatingLineEdit *m_rho;
    QtExt::ValidatingLineEdit *m_lambda;
    QtExt::ValidatingLineEdit *m_mu;
    QtExt::ValidatingLineEdit *m_muMin;
    QtExt::ValidatingLineEdit *m_muMax;
    QtExt::ValidatingLineEdit *m_w80;
    QtExt::ValidatingLineEdit *m_wSat;
    QtExt::ValidatingLineEdit *m_aw;
    QtExt::ValidatingLineEdit *m_sd;
    QtExt::ValidatingLineEdit *m_sdSummer;
    QCheckBox *m_air;
    QCheckBox *m_wood;
    QCheckBox *m_woodBased;
    QCheckBox *m_foil;
    QDateEdit *m_measuringDate;
    QDateEdit *m_samplingDate;
    QDateEdit *m_productionDate;
    QLabel *m_problem;
    QtExt::FieldMessageLine *m_notices;
    QDialogButtonBox *m_buttons;
};
