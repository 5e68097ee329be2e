#pragma once

#include "calculation/Calculation.h"
#include "model/Climate.h"
#include "model/InputData.h"
#include "model/ProjectInformation.h"

#include <QColor>
#include <QFlags>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

/*! What an edit of the project changed; views refresh the parts that depend on it. */
enum class ProjectChange : unsigned
{
    /*! Layers inserted, removed or moved, a material exchanged, or a layer value that the
        calculation uses (width, μ, λ, w_80, w_sat, A_w, summer sd). */
    Construction = 0x01,
    /*! A layer's colour or material name: nothing to recalculate. */
    LayerAppearance = 0x02,
    /*! Climate values, presets, assessment condition or period lengths. */
    Climate = 0x04,
    HeatFlowDirection = 0x08,
    /*! The descriptive texts of the project information. */
    ProjectInformation = 0x10,
    /*! The final remarks of the report. */
    FinalRemarks = 0x20,
    /*! The results were calculated afresh. */
    Results = 0x40,
    /*! The whole document was created, loaded or closed. */
    Reset = 0x80,
    /*! The file name or the modified flag changed (saving). */
    FileState = 0x100,
    /*! Along with Climate: values of the condensation (winter) period changed. */
    WinterClimate = 0x200,
    /*! Along with Climate: values of the evaporation (summer) period changed. */
    SummerClimate = 0x400,
    /*! The construction kind or the project's row of DIN 4108-2 table 3. */
    ConstructionKind = 0x800
};
Q_DECLARE_FLAGS(ProjectChanges, ProjectChange)
Q_DECLARE_OPERATORS_FOR_FLAGS(ProjectChanges)
// For queued connections and signal spies of changed().
Q_DECLARE_METATYPE(ProjectChanges)

/*  The one open project: owns the document (input data, the outcome of its calculation, project
    information), knows its file name and whether it was changed, loads and saves it, and is the
    only way to change it.

    Every change goes through a named edit operation. Each validates its arguments (an edit that
    is invalid, or that would change nothing, returns false and has no effect), changes the
    document, marks it modified, recalculates once when the change touches the calculation, and
    then announces what changed: changed(changes, select) with the typed change set and the
    position to select (0 the warm-side climate, 1..n the layers, n+1 the cold-side climate, -1
    nothing in particular). A climate edit names the periods it touched, so that an editor can
    show the period of an edit that is undone or redone. createNew(), load() and close()
    announce a reset. Everything else has const access, so listeners only redraw.

    One rule per value: acceptsLayerValue() and acceptsClimateValue() say whether the project
    takes a value and, if not, why (a translated sentence). The edit operations apply exactly
    these rules, and the input fields and undo commands ask the same questions, so that a field
    never shows as valid a value that the project refuses.

    The calculation options that are user preferences (moisture-dependent conductivity) are
    handed in by the owner; the heat-flow direction is the document's own.

    The read accessors may be called without an open project (hasProject() false): they then
    give an empty document.
*/
class Project : public QObject
{
    Q_OBJECT

public:
    /*! Passed as select to leave the choice to the operation: the position of the layer the
        edit made or changed. */
    static constexpr int SelectChanged = -2;
    /*! Announced as select when no position is to be selected. */
    static constexpr int NoSelection = -1;

    /*! The layer values an edit can set by kind. */
    enum LayerValue
    {
        LV_Mu = 0,     ///< vapour diffusion resistance factor μ (-), at least 0.1
        LV_W80 = 1,    ///< moisture content at 80 % relative humidity (m³/m³), 0 < w_80 < w_sat
        LV_WSat = 2,   ///< free saturation moisture content (m³/m³), w_80 < w_sat <= 1
        LV_Lambda = 3, ///< thermal conductivity λ (W/(m·K)), > 0
        LV_Aw = 4,     ///< water absorption coefficient (kg/(m²·s^0.5)), > 0
        LV_Width = 5,  ///< layer width (m), > 0
        /*! sd-value (m) of a humidity-variable retarder in the evaporation period, >= 0 (0: the
            material has one sd-value); only for a material given by its sd-value */
        LV_SdSummer = 6
    };

    explicit Project(QObject *parent = nullptr);
    ~Project() override;

    // --- the document as a whole

    /*! Replaces the document by a new one (no layers, default climate, the given project
        information), clears the file name and the modified flag; announces a reset. */
    void createNew(const ProjectInformation &info = ProjectInformation());
    /*! Replaces the document by one made of the given parts, as a new, unsaved project
        (examples, tests, the headless front end); announces a reset. A project that the user
        composed (the new-project wizard) starts modified, so that closing it asks to save. */
    void createNew(const InputData &input, const ProjectInformation &info, bool modified = false);
    /*! Destroys the document; afterwards no project is open. Announces a reset. */
    void close();
    bool hasProject() const { return m_document != nullptr; }

    /*! Reads the project file into a fresh document and, only when that succeeds, replaces the
        open document by it, takes the file name, clears the modified flag, calculates and
        announces a reset. The project information keeps the values of the open project that
        the file does not contain. On failure returns false with the reason in message, and the open
        document, its file name and its modified flag are untouched. A file read with findings
        (a layer or the climate out of range) loads: its status tells, and it is not calculated
        until repaired. What the load had to change on the way (control characters of an old
        file's texts replaced) is appended to notes, if given, as texts for the user. */
    bool load(const QString &fileName, QString *message = nullptr, QStringList *notes = nullptr);
    /*! Whether load() would read the file: reads it into a scratch document and keeps nothing.
        The window asks this before it closes the open project for another one, so that a file
        that cannot be read costs the user nothing. On failure the reason is in message. */
    static bool canLoad(const QString &fileName, QString *message = nullptr);
    /*! Writes the project file (atomic replace); on success the project takes the file name and
        is no longer modified. Returns false, with the reason in message, when the file cannot
        be written; the previous file then is unchanged. */
    bool save(const QString &fileName, QString *message = nullptr);

    /*! A file base name (without suffix) for a first save: the construction name, else the
        project name, made safe for every file system (no path separators, reserved or control
        characters, no trailing dots or blanks, no device names, at most 100 characters);
        empty when both names are empty or nothing of them remains. */
    QString suggestedFileName() const;
    /*! The sanitising of suggestedFileName() for any text. */
    static QString safeFileName(const QString &name);

    /*! Path of the project file; empty for a project never saved. */
    const QString &fileName() const { return m_fileName; }
    bool isModified() const { return m_modified; }

    // --- read access

    const InputData &inputData() const;
    const ProjectInformation &projectInformation() const;
    const CalculationResults &results() const { return outcome().results; }
    /*! The messages of the last calculation (the reasons shown for result type 2). */
    const QStringList &messages() const { return outcome().messages; }
    const CalculationOutcome &outcome() const;
    int layerCount() const { return inputData().layerCount(); }
    HeatFlowDirection heatFlowDirection() const { return projectInformation().m_heatFlowDirection; }

    // --- edits of the construction; index is the 0-based layer position

    /*! Inserts copies of the layers before position index (index == layerCount() appends);
        by default selects the first inserted layer. Refused as a whole when a layer carries a
        second material that its material cannot carry (MaterialLayer::canCarryBridge()). */
    bool insertLayers(int index, const std::vector<MaterialLayer> &layers,
                      int select = SelectChanged);
    bool insertLayer(int index, const MaterialLayer &layer, int select = SelectChanged)
    {
        return insertLayers(index, {layer}, select);
    }
    /*! Removes count layers from position index on; by default selects the layer now at index
        (the last one when index is past the end). */
    bool removeLayers(int index, int count = 1, int select = SelectChanged);
    /*! Moves the layer at from to position to (exchanging the two when they are neighbours);
        selects it at its new place. */
    bool moveLayer(int from, int to);
    /*! Gives the layer a copy of the material and keeps its width, unless the material has an
        sd-value, which fixes the width. Such a material (a foil, a membrane) also takes the
        layer's second material away in the same edit: a foil carries no studs
        (changeMaterialRemovesBridge()). */
    bool changeMaterial(int index, const Material &material);
    /*! Whether changeMaterial(index, material) would take the layer's second material away. */
    bool changeMaterialRemovesBridge(int index, const Material &material) const;
    /*! Replaces the layer as a whole (material and width), exactly as given; refused for a
        layer whose material cannot carry its second material. */
    bool replaceLayer(int index, const MaterialLayer &layer);
    /*! Whether the layer at index takes value (in project units: m, W/(m·K), m³/m³,
        kg/(m²·s^0.5)) for kind; if not, reason (if given) says why. Refused: a value that is
        not finite; μ below 0.1; w_80 not above 0, or a w_80 whose extrapolation to 95 % RH
        (w_80·0.95/0.8) is not below the layer's w_sat; w_sat above 1 or not above the layer's
        w_80·0.95/0.8; λ, A_w and the width not above 0; any width of a layer whose material
        fixes its width by an sd-value; a summer sd-value other than 0 for a layer whose
        material has no sd-value. The current value itself is accepted. */
    bool acceptsLayerValue(int index, LayerValue kind, double value,
                           QString *reason = nullptr) const;
    /*! For a value that acceptsLayerValue() takes but that is unusual for its quantity (a λ of
        a metal, a layer wider than 2 m, the μ of a vapour barrier on a layer that is no foil):
        a short translated note why it looks unusual (Plausibility); empty otherwise. */
    QString layerValueNote(int index, LayerValue kind, double value) const;
    /*! The stored value of the layer for kind, in project units (NaN for an invalid index). */
    double layerValue(int index, LayerValue kind) const;
    /*! Sets one value of the layer, if acceptsLayerValue() takes it. */
    bool setLayerValue(int index, LayerValue kind, double value);
    /*! Whether the layer at index takes the bridge as its second material; if not, reason (if
        given) says why. Refused: an area fraction not above 0 and below 1, width and spacing
        that do not give it (the width not below the spacing, either not positive), a bridging
        material that is not valid, a bridge on a layer whose material fixes its width by an
        sd-value (a foil has no studs). */
    bool acceptsLayerBridge(int index, const LayerBridge &bridge, QString *reason = nullptr) const;
    /*! Gives the layer a second material (studs, rafters, battens) with its area fraction, or
        takes it away (std::nullopt), if acceptsLayerBridge() takes it. Recalculates: the
        U-value becomes that of the inhomogeneous component. */
    bool setLayerBridge(int index, const std::optional<LayerBridge> &bridge);
    /*! The material name of the layer (appearance only). */
    bool setLayerName(int index, const QString &name);
    /*! The colour of the layer (appearance only); an invalid colour is rejected. */
    bool setLayerColor(int index, const QColor &color);

    // --- edits of the climate and the assessment

    /*! Whether the climate takes value for the quantity at the side and period (Both: the two
        periods); if not, reason (if given) says why. Refused: a value that is not finite; a
        temperature outside -40..80 °C, a relative humidity outside 0..100 %, a surface
        resistance not above 0; in the condensation period a warm-side temperature below the
        cold-side one (the vapour must flow from the warm to the cold side for the condensation
        scheme). */
    bool acceptsClimateValue(Climate::Side side, Climate::Period period, Climate::Quantity quantity,
                             double value, QString *reason = nullptr) const;
    /*! For a value that acceptsClimateValue() takes but that is unusual (a heated room at 5 °C
        in winter, a surface resistance of 2 m²K/W): a short translated note; empty otherwise. */
    QString climateValueNote(Climate::Side side, Climate::Period period, Climate::Quantity quantity,
                             double value) const;
    /*! The climate value of the side and period (Both reads the condensation period). */
    double climateValue(Climate::Side side, Climate::Period period,
                        Climate::Quantity quantity) const;
    /*! Sets one climate value at one side for the winter or summer period (or both), if
        acceptsClimateValue() takes it. Selects the side. */
    bool setClimateValue(Climate::Side side, Climate::Period period, Climate::Quantity quantity,
                         double value);
    /*! Under a DIN 4108-3 assessment condition: applies the condition again with the preset as
        the preferred one for the side (Climate::applyAssessmentCondition). Under custom
        conditions: copies the preset into the side's winter condition only, so that values
        typed at the other side stay. An unknown preset, or one not offered for the side under
        custom conditions, is rejected. Selects the side. */
    bool applyClimatePreset(Climate::Side side, int presetId);
    /*! Replaces the whole climate record (undo of edits that touched many values); announces
        select (by default no position). */
    bool setClimate(const Climate &climate, int select = NoSelection);
    /*! Sets the assessment condition (0 custom, 1 DIN 4108-3 2001, 2 DIN 4108-3 2014 and
        later; a new condition rewrites the climate for it) and the lengths of the condensation
        and evaporation periods in days (each > 0). A newly chosen DIN 4108-3 condition keeps
        the lengths it sets; the given ones are then ignored. Custom conditions chosen for a
        record with DIN values stay chosen (they are not recognised away) until a value is
        edited. */
    bool setAssessmentType(int condition, double condensationDays, double evaporationDays);
    bool setHeatFlowDirection(HeatFlowDirection direction);

    // --- the construction kind and the defaults it drives

    ConstructionKind constructionKind() const { return projectInformation().m_constructionKind; }
    /*! The project's construction type of DIN 4108-2 table 3, or
        ProjectInformation::NoMinimumResistanceType (the report setting applies). */
    int minimumResistanceType() const { return projectInformation().m_minimumResistanceType; }
    /*! Sets the kind with the defaults it drives (ConstructionKinds): heat-flow direction,
        outside climate, evaporation period and the row of DIN 4108-2 table 3 (numbered for
        minimumResistanceEdition, 0 = 2004, 1 = 2013). One recalculation and one announcement.
        False when nothing changes. */
    bool setConstructionKind(ConstructionKind kind, int minimumResistanceEdition = 1);
    /*! Sets kind, table row, heat-flow direction and climate exactly as given (the undo of
        setConstructionKind). */
    bool setConstructionKindValues(ConstructionKind kind, int minimumResistanceType,
                                   HeatFlowDirection direction, const Climate &climate);
    /*! The project's own row of DIN 4108-2 table 3 (a type number >= 0, or
        ProjectInformation::NoMinimumResistanceType to follow the report setting). */
    bool setMinimumResistanceType(int type);

    // --- edits of the descriptive part

    /*! The six texts and the heat-flow direction at once; recalculates only when the direction
        changed. The construction kind and the table row of info are not taken (they have edits
        of their own). */
    bool setProjectInformation(const ProjectInformation &info);
    /*! The final remarks printed at the end of the report. */
    bool setFinalRemarks(const QString &text);

    // --- calculation

    /*! Moisture-dependent thermal conductivity in the moisture-storage method (a user
        preference set by the owner; default true). Recalculates an open project when it
        changes, announcing new results. */
    void setMoistureDependentLambda(bool on);
    bool moistureDependentLambda() const { return m_moistureDependentLambda; }
    /*! Validates and calculates afresh (after a change of the preferences) and announces new
        results; the modified flag is not touched. */
    void recalculate();
    /*! The options of the next calculation: the document's heat-flow direction and the
        moisture-dependent-conductivity preference. */
    CalculationOptions calculationOptions() const;

    /*! The position of a climate side in the construction table: 0 inside, n+1 outside. */
    int sidePosition(Climate::Side side) const;

signals:
    /*! After every change: what changed and which position to select (see the class comment).
     */
    void changed(ProjectChanges changes, int select);

private:
    struct Document;

    /*! Validates the input and runs the calculation into the document. */
    void calculateDocument();
    /*! Marks the project modified, recalculates when the change needs it and announces. */
    void finishEdit(ProjectChanges changes, int select);
    void announce(ProjectChanges changes, int select);
    bool validLayerIndex(int index) const;
    InputData &input();
    /*! Replaces the climate record unless it is the same in every value; returns what changed
        (Climate with the periods it touched), nothing when the record stays. */
    ProjectChanges setClimateRecord(const Climate &climate);

    std::unique_ptr<Document> m_document;
    QString m_fileName;
    bool m_modified = false;
    bool m_moistureDependentLambda = true;
};
