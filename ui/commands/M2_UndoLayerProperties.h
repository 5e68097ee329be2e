#pragma once

#include "ui/commands/M2_UndoCommandBase.h"

#include <QColor>
#include <QCoreApplication>
#include <QString>

/*  The commands of the layer editor: colour, material name and the six numeric values of one
    layer. Each is a swap: it holds the value the layer does not have, and undo and redo both
    exchange it with the layer's value. The descriptions count layers from 1. */

class M2_UndoLayerColor : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoLayerColor)
public:
    /*! changed() is false for an invalid colour or the layer's current one. */
    M2_UndoLayerColor(Project &project, int index, const QColor &color);
    void undo() override { swap(); }
    void redo() override { swap(); }
    static QString description(int index);

private:
    void swap();

    int m_index;
    QColor m_color;
};

class M2_UndoMaterialName : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoMaterialName)
public:
    /*! changed() is false when the name equals the layer's material name. */
    M2_UndoMaterialName(Project &project, int index, const QString &name);
    void undo() override { swap(); }
    void redo() override { swap(); }
    static QString description(int index);

private:
    void swap();

    int m_index;
    QString m_name;
};

/*  One value of a layer, by kind (Project::LayerValue): 0 μ, 1 w_80, 2 w_sat, 3 λ, 4 A_w, 5 the
    width. The value is given in the units the project stores: the width in metres, A_w in
    kg/(m²·s^0.5), whatever unit the editor showed.

    changed() is false for a value the layer cannot take (μ below 0.1; w_80 not above 0 or not
    below the layer's w_sat; w_sat not above the layer's w_80, not above 0 or above 1; λ, A_w
    and the width not above 0; any width of a layer whose material fixes its width by an
    sd-value) and for the layer's current value. The current value is compared exactly, except
    A_w shown per hour (awInSeconds false): the editor shows 60 times the stored value with 15
    significant digits, and the stored value recovered from the typed text by dividing by 60
    need not be the stored one to the last bit, so the two are compared as the editor shows
    them. */
class M2_UndoMaterialParameters : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoMaterialParameters)
public:
    M2_UndoMaterialParameters(Project &project, int kind, int index, double value,
                              bool awInSeconds = true);
    void undo() override { swap(); }
    void redo() override { swap(); }
    static QString description(int kind, int index);

    int kind() const { return m_kind; }

private:
    void swap();
    double currentValue() const;

    int m_kind;
    int m_index;
    double m_value;
};
