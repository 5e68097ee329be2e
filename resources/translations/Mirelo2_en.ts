<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>A software for hygrothermal evaluation of building envelope systems</source>
        <translation>A software for hygrothermal evaluation of building envelope systems</translation>
    </message>
    <message>
        <source>Third-party components and their licences:</source>
        <translation>Third-party components and their licences:</translation>
    </message>
</context>
<context>
    <name>Assessment</name>
    <message>
        <source>no construction</source>
        <translation>no construction</translation>
    </message>
    <message>
        <source>invalid input</source>
        <translation>invalid input</translation>
    </message>
    <message>
        <source>invalid input: %1</source>
        <translation>invalid input: %1</translation>
    </message>
    <message>
        <source>the moisture calculation failed</source>
        <translation>the moisture calculation failed</translation>
    </message>
    <message>
        <source>there is no algorithm for this problem</source>
        <translation>there is no algorithm for this problem</translation>
    </message>
    <message>
        <source>condensation on the inside surface</source>
        <translation>condensation on the inside surface</translation>
    </message>
    <message>
        <source>condensation on the outside surface</source>
        <translation>condensation on the outside surface</translation>
    </message>
    <message>
        <source>the thermal resistance of the construction is not a finite number</source>
        <translation>the thermal resistance of the construction is not a finite number</translation>
    </message>
</context>
<context>
    <name>AssessmentConditions</name>
    <message>
        <source>Custom conditions</source>
        <translation>Custom conditions</translation>
    </message>
    <message>
        <source>German Standard DIN 4108-3 from 2001</source>
        <translation>German Standard DIN 4108-3 from 2001</translation>
    </message>
    <message>
        <source>German Standard DIN 4108-3 from 2014, 2018 and 2024</source>
        <translation>German Standard DIN 4108-3 from 2014, 2018 and 2024</translation>
    </message>
    <message>
        <source>Unknown condition</source>
        <translation>Unknown condition</translation>
    </message>
</context>
<context>
    <name>AssessmentTypeWidget</name>
    <message>
        <source>Assessment Type</source>
        <translation>Assessment Type</translation>
    </message>
    <message>
        <source>The condensation time must be &gt; 0d and &lt; 300d.</source>
        <translation>The condensation time must be &gt; 0d and &lt; 300d.</translation>
    </message>
    <message>
        <source>The drying time must be &gt; 0d and &lt; 300d.</source>
        <translation>The drying time must be &gt; 0d and &lt; 300d.</translation>
    </message>
    <message>
        <source>Select assessment type</source>
        <translation>Select assessment type</translation>
    </message>
    <message>
        <source>Condensation time in d</source>
        <translation>Condensation time in d</translation>
    </message>
    <message>
        <source>Drying time in d</source>
        <translation>Drying time in d</translation>
    </message>
    <message>
        <source>Sets the heat flow direction, the outside climate, the evaporation period of DIN 4108-3 and the row of DIN 4108-2 for the minimum thermal resistance; each can be changed afterwards.</source>
        <translation>Sets the heat flow direction, the outside climate, the evaporation period of DIN 4108-3 and the row of DIN 4108-2 for the minimum thermal resistance; each can be changed afterwards.</translation>
    </message>
    <message>
        <source>As in the report settings</source>
        <translation>As in the report settings</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Row %1: %2</translation>
    </message>
    <message>
        <source>Construction kind</source>
        <translation>Construction kind</translation>
    </message>
    <message>
        <source>DIN 4108-2 minimum thermal resistance</source>
        <translation>DIN 4108-2 minimum thermal resistance</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Invalid width %1 of &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Invalid width %1 of &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Error in Glaser-Calculation.</source>
        <translation>Error in Glaser-Calculation.</translation>
    </message>
    <message>
        <source>Invalid mu %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Invalid mu %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Invalid thermal conductivity %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Invalid thermal conductivity %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Invalid surface resistance outside %f.</source>
        <translation>Invalid surface resistance outside %f.</translation>
    </message>
    <message>
        <source>Invalid surface resistance inside)%f.</source>
        <translation>Invalid surface resistance inside)%f.</translation>
    </message>
</context>
<context>
    <name>CandidateTrial</name>
    <message>
        <source>pv_e not correctly calculated! Algorithm error!</source>
        <translation>pv_e not correctly calculated! Algorithm error!</translation>
    </message>
</context>
<context>
    <name>Climate</name>
    <message>
        <source>Custom climate conditions, indoor</source>
        <translation>Custom climate conditions, indoor</translation>
    </message>
    <message>
        <source>Custom climate conditions, outdoor</source>
        <translation>Custom climate conditions, outdoor</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Indoor climate, heat flow direction horizontal and upwards</source>
        <translation>DIN 4108-3 2001 Indoor climate, heat flow direction horizontal and upwards</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Indoor climate, heat flow direction downwards</source>
        <translation>DIN 4108-3 2001 Indoor climate, heat flow direction downwards</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction horizontal</source>
        <translation>DIN EN ISO 6946 Indoor climate, heat flow direction horizontal</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction downwards</source>
        <translation>DIN EN ISO 6946 Indoor climate, heat flow direction downwards</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction upwards</source>
        <translation>DIN EN ISO 6946 Indoor climate, heat flow direction upwards</translation>
    </message>
    <message>
        <source>DIN EN ISO 13788 Indoor climate, all other surfaces</source>
        <translation>DIN EN ISO 13788 Indoor climate, all other surfaces</translation>
    </message>
    <message>
        <source>DIN EN ISO 13788 Indoor climate, on glazings and window frames</source>
        <translation>DIN EN ISO 13788 Indoor climate, on glazings and window frames</translation>
    </message>
    <message>
        <source>DIN 4108-8 Indoor climate, in built in cupboards, mould protection</source>
        <translation>DIN 4108-8 Indoor climate, in built in cupboards, mould protection</translation>
    </message>
    <message>
        <source>DIN 4108-8 Indoor climate, behaind normal cupboards, mould protection</source>
        <translation>DIN 4108-8 Indoor climate, behind normal cupboards, mould protection</translation>
    </message>
    <message>
        <source>DIN 4108-3_2024 Indoor climate</source>
        <translation>DIN 4108-3:2024 Indoor climate</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to outside</source>
        <translation>DIN 4108-3 2001 Outdoor, boundary to outside</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to ventilated air space</source>
        <translation>DIN 4108-3 2001 Outdoor, boundary to ventilated air space</translation>
    </message>
    <message>
        <source>DIN 4108-3_2024 Outdoor climate</source>
        <translation>DIN 4108-3:2024 Outdoor climate</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to ground</source>
        <translation>DIN 4108-3 2001 Outdoor, boundary to ground</translation>
    </message>
    <message>
        <source>DIN 4108-3 2024 Outdoor, boundary to ground</source>
        <translation>DIN 4108-3 2024 Outdoor, boundary to ground</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Outdoor climate</source>
        <translation>DIN EN ISO 6946 Outdoor climate</translation>
    </message>
</context>
<context>
    <name>ClimateEditWidget</name>
    <message>
        <source>Climatic Data</source>
        <translation>Climatic Data</translation>
    </message>
    <message>
        <source>Winter:</source>
        <translation>Winter:</translation>
    </message>
    <message>
        <source>Climate of the condensation period</source>
        <translation>Climate of the condensation period</translation>
    </message>
    <message>
        <source>Summer:</source>
        <translation>Summer:</translation>
    </message>
    <message>
        <source>Climate of the evaporation period</source>
        <translation>Climate of the evaporation period</translation>
    </message>
    <message>
        <source>Select climate data preset:</source>
        <translation>Select climate data preset:</translation>
    </message>
    <message>
        <source>Temperature in [%1C]:</source>
        <translation>Temperature in [%1C]:</translation>
    </message>
    <message>
        <source>Relative Humidity in [%]:</source>
        <translation>Relative Humidity in [%]:</translation>
    </message>
    <message>
        <source>Surface transfer resistance in [m%1K/W]:</source>
        <translation>Surface transfer resistance in [m%1K/W]:</translation>
    </message>
    <message>
        <source>The surface resistance must be &gt; 0.</source>
        <translation>The surface resistance must be &gt; 0.</translation>
    </message>
    <message>
        <source>The temperature must lie between -40 °C and 80 °C.</source>
        <translation>The temperature must lie between -40 °C and 80 °C.</translation>
    </message>
    <message>
        <source>The relative humidity must lie between 0 % and 100 %.</source>
        <translation>The relative humidity must lie between 0 % and 100 %.</translation>
    </message>
</context>
<context>
    <name>ClimateFrame</name>
    <message>
        <source>Climate Data</source>
        <translation>Climate Data</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Relative Humidity</source>
        <translation>Relative Humidity</translation>
    </message>
    <message>
        <source>Climate at warm side</source>
        <translation>Climate at warm side</translation>
    </message>
    <message>
        <source>Climate at cold side</source>
        <translation>Climate at cold side</translation>
    </message>
    <message>
        <source>Winter Climate</source>
        <translation>Winter Climate</translation>
    </message>
    <message>
        <source>Duration of Condensation Periode (winter)</source>
        <translation>Duration of Condensation Period (winter)</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Summer Climate</source>
        <translation>Summer Climate</translation>
    </message>
    <message>
        <source>Duration of Drying Periode (summer)</source>
        <translation>Duration of Drying Period (summer)</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>General Settings</source>
        <translation>General Settings</translation>
    </message>
    <message>
        <source>Default Project Info</source>
        <translation>Default Project Info</translation>
    </message>
    <message>
        <source>Default Print Config</source>
        <translation>Default Print Config</translation>
    </message>
</context>
<context>
    <name>ConfigPageGeneral</name>
    <message>
        <source>Start Program without project</source>
        <translation>Start Program without project</translation>
    </message>
    <message>
        <source>Start Program with last recent project</source>
        <translation>Start Program with last recent project</translation>
    </message>
    <message>
        <source>Construction layer width in [mm]</source>
        <translation>Construction layer width in [mm]</translation>
    </message>
    <message>
        <source>Construction layer width in [cm]</source>
        <translation>Construction layer width in [cm]</translation>
    </message>
    <message>
        <source>Construction layer width in [dm]</source>
        <translation>Construction layer width in [dm]</translation>
    </message>
    <message>
        <source>Construction layer width in [m]</source>
        <translation>Construction layer width in [m]</translation>
    </message>
    <message>
        <source>Use kg/m%1s%2 as unit for Aw</source>
        <translation>Use kg/m%1s%2 as unit for Aw</translation>
    </message>
    <message>
        <source>Use kg/m%1h%2 as unit for Aw</source>
        <translation>Use kg/m%1h%2 as unit for Aw</translation>
    </message>
    <message>
        <source>Use moisture dependent thermal conductivity</source>
        <translation>Use moisture dependent thermal conductivity</translation>
    </message>
    <message>
        <source>Directory for user material database and construction database:</source>
        <translation>Directory for user material database and construction database:</translation>
    </message>
    <message>
        <source>User material directory</source>
        <translation>User material directory</translation>
    </message>
    <message>
        <source>Directory not valid.</source>
        <translation>Directory not valid.</translation>
    </message>
    <message>
        <source>There exist a file with the same name.</source>
        <translation>There exist a file with the same name.</translation>
    </message>
    <message>
        <source>The given text cannot be used as directory.</source>
        <translation>The given text cannot be used as directory.</translation>
    </message>
    <message>
        <source>Directory not writebale.</source>
        <translation>Directory not writable.</translation>
    </message>
    <message>
        <source>The material database cannot be stored here.</source>
        <translation>The material database cannot be stored here.</translation>
    </message>
    <message>
        <source>The user data there cannot be read completely; it is left as it is.</source>
        <translation>The user data there cannot be read completely; it is left as it is.</translation>
    </message>
</context>
<context>
    <name>ConfigPageProjectInformation</name>
    <message>
        <source>The settings below are transfered into newly created projects. To edit the project information of the current project, use the project information editor available from the edit menu.</source>
        <translation>The settings below are transferred into newly created projects. To edit the project information of the current project, use the project information editor available from the edit menu.</translation>
    </message>
</context>
<context>
    <name>ConfigPrintDefaults</name>
    <message>
        <source>General Appearance</source>
        <translation>General Appearance</translation>
    </message>
    <message>
        <source>Input Data</source>
        <translation>Input Data</translation>
    </message>
    <message>
        <source>Diagrams</source>
        <translation>Diagrams</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Final Remarks</source>
        <translation>Final Remarks</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Footer</translation>
    </message>
    <message>
        <source>Page numbers in footer</source>
        <translation>Page numbers in footer</translation>
    </message>
    <message>
        <source>Project information</source>
        <translation>Project information</translation>
    </message>
    <message>
        <source>Construction sketch</source>
        <translation>Construction sketch</translation>
    </message>
    <message>
        <source>Material data</source>
        <translation>Material data</translation>
    </message>
    <message>
        <source>Climate data</source>
        <translation>Climate data</translation>
    </message>
    <message>
        <source>Surface Resistance</source>
        <translation>Surface Resistance</translation>
    </message>
    <message>
        <source>Temperature and moisture profiles</source>
        <translation>Temperature and moisture profiles</translation>
    </message>
    <message>
        <source>Vapor pressure profiles</source>
        <translation>Vapor pressure profiles</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser) - Summary</source>
        <translation>DIN 4108-3 (Glaser) - Summary</translation>
    </message>
    <message>
        <source>%1 Results - Summary</source>
        <translation>%1 Results - Summary</translation>
    </message>
    <message>
        <source>%1 Results - Detailed Table</source>
        <translation>%1 Results - Detailed Table</translation>
    </message>
    <message>
        <source>Resistances and %1 values</source>
        <translation>Resistances and %1 values</translation>
    </message>
    <message>
        <source>Construction kind for test of minimum thermal resistance
according german standard DIN 4108-2 table 3</source>
        <translation>Construction kind for test of minimum thermal resistance
according german standard DIN 4108-2 table 3</translation>
    </message>
    <message>
        <source>Please enter your final remarksr here!</source>
        <translation>Please enter your final remarks here!</translation>
    </message>
    <message>
        <source>Header of first order.</source>
        <translation>Header of first order.</translation>
    </message>
    <message>
        <source>Header of second order.</source>
        <translation>Header of second order.</translation>
    </message>
    <message>
        <source>Header of third order.</source>
        <translation>Header of third order.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Normal text.</source>
        <translation>Normal text.</translation>
    </message>
    <message>
        <source>Underline.</source>
        <translation>Underline.</translation>
    </message>
    <message>
        <source>Italic font.</source>
        <translation>Italic font.</translation>
    </message>
    <message>
        <source>Bold font.</source>
        <translation>Bold font.</translation>
    </message>
    <message>
        <source>Print Final Remarks</source>
        <translation>Print Final Remarks</translation>
    </message>
    <message>
        <source>U-value table (DIN EN ISO 6946)</source>
        <translation>U-value table (DIN EN ISO 6946)</translation>
    </message>
</context>
<context>
    <name>Construction</name>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>The stored construction is incomplete or damaged.</source>
        <translation>The stored construction is incomplete or damaged.</translation>
    </message>
    <message>
        <source>Unknown version %1 of a stored construction.</source>
        <translation>Unknown version %1 of a stored construction.</translation>
    </message>
    <message>
        <source>Layer %1 of &quot;%2&quot;: its second material &quot;%3&quot; cannot be taken. %4</source>
        <translation>Layer %1 of &quot;%2&quot;: its second material &quot;%3&quot; cannot be taken. %4</translation>
    </message>
    <message>
        <source>Layer %1 of &quot;%2&quot; (%3) is given by its sd-value and cannot carry a second material.</source>
        <translation>Layer %1 of &quot;%2&quot; (%3) is given by its sd-value and cannot carry a second material.</translation>
    </message>
</context>
<context>
    <name>ConstructionDatabaseTableModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Warm side
Layer 1</source>
        <translation>Warm side
Layer 1</translation>
    </message>
    <message>
        <source>Cold side
Layer %1</source>
        <translation>Cold side
Layer %1</translation>
    </message>
    <message>
        <source>
Layer %1</source>
        <translation>
Layer %1</translation>
    </message>
    <message>
        <source>%1 with %2 (%L3 %)</source>
        <translation>%1 with %2 (%L3 %)</translation>
    </message>
</context>
<context>
    <name>ConstructionDatabaseWidget</name>
    <message>
        <source>No notes</source>
        <translation>No notes</translation>
    </message>
    <message>
        <source>Add construction</source>
        <translation>Add construction</translation>
    </message>
    <message>
        <source>Add a new construction to the list.</source>
        <translation>Add a new construction to the list.</translation>
    </message>
    <message>
        <source>Delete Construction</source>
        <translation>Delete Construction</translation>
    </message>
    <message>
        <source>Delete selected construction from list.</source>
        <translation>Delete selected construction from list.</translation>
    </message>
    <message>
        <source>Edit construction</source>
        <translation>Edit construction</translation>
    </message>
    <message>
        <source>Edit selected constrcution.</source>
        <translation>Edit selected construction.</translation>
    </message>
    <message>
        <source>Copy construction</source>
        <translation>Copy construction</translation>
    </message>
    <message>
        <source>Copy selected construction to a new one.</source>
        <translation>Copy selected construction to a new one.</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Import external construction database</source>
        <translation>Import external construction database</translation>
    </message>
    <message>
        <source>View and Notes</source>
        <translation>View and Notes</translation>
    </message>
    <message>
        <source>Selected Construction:</source>
        <translation>Selected Construction:</translation>
    </message>
    <message>
        <source>New construction</source>
        <translation>New construction</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (copy)</translation>
    </message>
    <message>
        <source>Do you really want to delete the construction &apos;%1&apos;?</source>
        <translation>Do you really want to delete the construction &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Select file with construction database.</source>
        <translation>Select file with construction database.</translation>
    </message>
    <message>
        <source>Database for Mirelo 2 (*.constr)</source>
        <translation>Database for Mirelo 2 (*.constr)</translation>
    </message>
    <message>
        <source>Construction read error.</source>
        <translation>Construction read error.</translation>
    </message>
    <message>
        <source>No constructions found in file &apos;%1&apos;</source>
        <translation>No constructions found in file &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 constructions found in file &apos;%2&apos;, %3 of them new.</source>
        <translation>%1 constructions found in file &apos;%2&apos;, %3 of them new.</translation>
    </message>
    <message>
        <source>The file is damaged; only its first constructions could be read.</source>
        <translation>The file is damaged; only its first constructions could be read.</translation>
    </message>
    <message>
        <source>Constructions added.</source>
        <translation>Constructions added.</translation>
    </message>
</context>
<context>
    <name>ConstructionEditDialog</name>
    <message>
        <source>Edit construction</source>
        <translation>Edit construction</translation>
    </message>
    <message>
        <source>The layer width must be &gt; 0.</source>
        <translation>The layer width must be &gt; 0.</translation>
    </message>
    <message>
        <source>Append layer...</source>
        <translation>Append layer...</translation>
    </message>
    <message>
        <source>Adds a layer of a chosen material on the cold side.</source>
        <translation>Adds a layer of a chosen material on the cold side.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>Layers (warm side left)</source>
        <translation>Layers (warm side left)</translation>
    </message>
    <message>
        <source>Layer width [mm]:</source>
        <translation>Layer width [mm]:</translation>
    </message>
    <message>
        <source>The construction has no layers yet.</source>
        <translation>The construction has no layers yet.</translation>
    </message>
    <message>
        <source>Click a layer to select it.</source>
        <translation>Click a layer to select it.</translation>
    </message>
    <message>
        <source>Layer %1: %2</source>
        <translation>Layer %1: %2</translation>
    </message>
    <message>
        <source>Layer %1: %2. A layer given by its sd-value carries no second material: &quot;%3&quot; was removed.</source>
        <translation>Layer %1: %2. A layer given by its sd-value carries no second material: &quot;%3&quot; was removed.</translation>
    </message>
    <message>
        <source>Layer %1: %2 with %3 (%L4 % of the area)</source>
        <translation>Layer %1: %2 with %3 (%L4 % of the area)</translation>
    </message>
</context>
<context>
    <name>ConstructionKinds</name>
    <message>
        <source>External wall</source>
        <translation>External wall</translation>
    </message>
    <message>
        <source>Wall against soil</source>
        <translation>Wall against soil</translation>
    </message>
    <message>
        <source>Roof over habitable rooms, pitched</source>
        <translation>Roof over habitable rooms, pitched</translation>
    </message>
    <message>
        <source>Roof over habitable rooms, flat</source>
        <translation>Roof over habitable rooms, flat</translation>
    </message>
    <message>
        <source>Ceiling below an unheated attic</source>
        <translation>Ceiling below an unheated attic</translation>
    </message>
    <message>
        <source>Ceiling over an unheated cellar</source>
        <translation>Ceiling over an unheated cellar</translation>
    </message>
    <message>
        <source>Floor over outside air (passage, garage)</source>
        <translation>Floor over outside air (passage, garage)</translation>
    </message>
    <message>
        <source>Floor plate on ground</source>
        <translation>Floor plate on ground</translation>
    </message>
    <message>
        <source>Internal wall or ceiling to an unheated room</source>
        <translation>Internal wall or ceiling to an unheated room</translation>
    </message>
</context>
<context>
    <name>ConstructionLayerFrame</name>
    <message>
        <source>Material Properties</source>
        <translation>Material Properties</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>d - layer thickness,</source>
        <translation>d - layer thickness,</translation>
    </message>
    <message>
        <source>&amp;lambda; - design value of thermal conductivity,</source>
        <translation>&amp;lambda; - design value of thermal conductivity,</translation>
    </message>
    <message>
        <source>&amp;mu; - vapour diffusion resistance factor,</source>
        <translation>&amp;mu; - vapour diffusion resistance factor,</translation>
    </message>
    <message>
        <source>w&lt;sub&gt;80&lt;/sub&gt;/w&lt;sub&gt;sat&lt;/sub&gt; - %1,</source>
        <translation>w&lt;sub&gt;80&lt;/sub&gt;/w&lt;sub&gt;sat&lt;/sub&gt; - %1,</translation>
    </message>
    <message>
        <source>moisture content for 80% RH. resp. saturation</source>
        <translation>moisture content for 80% RH. resp. saturation</translation>
    </message>
    <message>
        <source>A&lt;sub&gt;w&lt;/sub&gt; - %1,</source>
        <translation>A&lt;sub&gt;w&lt;/sub&gt; - %1,</translation>
    </message>
    <message>
        <source>water uptake coefficient</source>
        <translation>water uptake coefficient</translation>
    </message>
    <message>
        <source>layers from left to right</source>
        <translation>layers from left to right</translation>
    </message>
    <message>
        <source>%1, %L2 mm at %L3 mm</source>
        <translation>%1, %L2 mm at %L3 mm</translation>
    </message>
    <message>
        <source>s&lt;sub&gt;d&lt;/sub&gt; winter / summer&lt;br/&gt;[m]</source>
        <translation>s&lt;sub&gt;d&lt;/sub&gt; winter / summer&lt;br/&gt;[m]</translation>
    </message>
    <message>
        <source>s&lt;sub&gt;d&lt;/sub&gt; - diffusion-equivalent air layer thickness in the condensation and the evaporation period (humidity-variable vapour retarder),</source>
        <translation>s&lt;sub&gt;d&lt;/sub&gt; - diffusion-equivalent air layer thickness in the condensation and the evaporation period (humidity-variable vapour retarder),</translation>
    </message>
    <message>
        <source>(+ second material of the layer (studs, rafters) with its area fraction; condensation is assessed between them)</source>
        <translation>(+ second material of the layer (studs, rafters) with its area fraction; condensation is assessed between them)</translation>
    </message>
</context>
<context>
    <name>ConstructionList</name>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <translation>The file is larger than %1 MiB.</translation>
    </message>
    <message>
        <source>Construction %1 of %2: %3</source>
        <translation>Construction %1 of %2: %3</translation>
    </message>
</context>
<context>
    <name>ConstructionNameInputDialog</name>
    <message>
        <source>Add to Construction Database</source>
        <translation>Add to Construction Database</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes:</translation>
    </message>
</context>
<context>
    <name>ConstructionTableWidget</name>
    <message>
        <source>%1 with %2 (%L3 % of the area)</source>
        <translation>%1 with %2 (%L3 % of the area)</translation>
    </message>
</context>
<context>
    <name>ConstructionViewWidget</name>
    <message>
        <source>Assign material</source>
        <translation>Assign material</translation>
    </message>
    <message>
        <source>Assign material to the selected layer</source>
        <translation>Assign material to the selected layer</translation>
    </message>
    <message>
        <source>Insert layer left</source>
        <translation>Insert layer left</translation>
    </message>
    <message>
        <source>Insert a new layer left from selected one</source>
        <translation>Insert a new layer left from selected one</translation>
    </message>
    <message>
        <source>Insert layer right</source>
        <translation>Insert layer right</translation>
    </message>
    <message>
        <source>Insert a new layer right from selected one</source>
        <translation>Insert a new layer right from selected one</translation>
    </message>
    <message>
        <source>Remove layer</source>
        <translation>Remove layer</translation>
    </message>
    <message>
        <source>Remove selected layer</source>
        <translation>Remove selected layer</translation>
    </message>
    <message>
        <source>Move layer left</source>
        <translation>Move layer left</translation>
    </message>
    <message>
        <source>Move selected layer to left</source>
        <translation>Move selected layer to left</translation>
    </message>
    <message>
        <source>Move layer right</source>
        <translation>Move layer right</translation>
    </message>
    <message>
        <source>Move selected layer to right</source>
        <translation>Move selected layer to right</translation>
    </message>
</context>
<context>
    <name>DINCriteriaResult</name>
    <message>
        <source>Check according DIN 4108-3 2001</source>
        <translation>Check according DIN 4108-3 2001</translation>
    </message>
    <message>
        <source>Check according DIN 4108-3 2014</source>
        <translation>Check according DIN 4108-3 2014</translation>
    </message>
    <message>
        <source>Check according DIN 4108-3 2018 and 2024</source>
        <translation>Check according DIN 4108-3 2018 and 2024</translation>
    </message>
    <message>
        <source>Check accordinguser defined data</source>
        <translation>Check according to user defined data</translation>
    </message>
    <message>
        <source>DIN 4108-3 (no capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 0.5kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>DIN 4108-3 (no capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 0.5kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 (with capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 1.0kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>DIN 4108-3 (with capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 1.0kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Wood) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</source>
        <translation>DIN 4108-3 (Wood) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Wood based material) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</source>
        <translation>DIN 4108-3 (Wood based material) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</translation>
    </message>
    <message>
        <source>Drying time in summer t&lt;sub&gt;ev&lt;/sub&gt; &amp;lt; 90d</source>
        <translation>Drying time in summer t&lt;sub&gt;ev&lt;/sub&gt; &amp;lt; 90d</translation>
    </message>
    <message>
        <source>Check for drying reserve of %1 g/m&lt;sup&gt;2&lt;/sup&gt;a according DIN 68800-2</source>
        <translation>Check for drying reserve of %1 g/m&lt;sup&gt;2&lt;/sup&gt;a according DIN 68800-2</translation>
    </message>
    <message>
        <source>The current calculation don&apos;t use the same water uptake value as check for non-capillar material </source>
        <translation>The current calculation doesn&apos;t use the same water uptake value as check for non-capillary material </translation>
    </message>
    <message>
        <source>as the standard DIN 4108-3 from 2014, 2018 or 2024.&lt;br/&gt;</source>
        <translation>as the standard DIN 4108-3 from 2014, 2018 or 2024.&lt;br/&gt;</translation>
    </message>
    <message>
        <source>Used value: %1 %2.&lt;br/&gt;</source>
        <translation>Used value: %1 %2.&lt;br/&gt;</translation>
    </message>
    <message>
        <source>This is admissible because MIRELO is a advanced software as per appendix D DIN 4108-3.</source>
        <translation>This is admissible because MIRELO is a advanced software as per appendix D DIN 4108-3.</translation>
    </message>
    <message>
        <source>the calculation gave a figure that is not a finite number</source>
        <translation>the calculation gave a figure that is not a finite number</translation>
    </message>
    <message>
        <source>the calculation gave a negative condensate mass</source>
        <translation>the calculation gave a negative condensate mass</translation>
    </message>
    <message>
        <source>Glaser scheme</source>
        <translation>Glaser scheme</translation>
    </message>
    <message>
        <source>Moisture storage method</source>
        <translation>Moisture storage method</translation>
    </message>
</context>
<context>
    <name>DINCriteriaSettings</name>
    <message>
        <source>Settings for validity check according DIN 4108-3</source>
        <translation>Settings for validity check according DIN 4108-3</translation>
    </message>
    <message>
        <source>User defined</source>
        <translation>User defined</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001</source>
        <translation>DIN 4108-3 2001</translation>
    </message>
    <message>
        <source>DIN 4108-3 2014</source>
        <translation>DIN 4108-3 2014</translation>
    </message>
    <message>
        <source>DIN 4108-3 2018 und 2024</source>
        <translation>DIN 4108-3 2018 and 2024</translation>
    </message>
    <message>
        <source>kg/m%1h%2</source>
        <translation>kg/m%1h%2</translation>
    </message>
    <message>
        <source>The Aw value cannot be &lt; 0.</source>
        <translation>The Aw value cannot be &lt; 0.</translation>
    </message>
    <message>
        <source>Aw value for non capillar material</source>
        <translation>Aw value for non-capillary material</translation>
    </message>
    <message>
        <source>Aw value for capillar active material</source>
        <translation>Aw value for capillary-active material</translation>
    </message>
    <message>
        <source>kg/m2s0.5</source>
        <translation>kg/m2s0.5</translation>
    </message>
    <message>
        <source>Check one or both sides of a condensation plane</source>
        <translation>Check one or both sides of a condensation plane</translation>
    </message>
    <message>
        <source>One side check</source>
        <translation>One side check</translation>
    </message>
    <message>
        <source>Two side check</source>
        <translation>Two side check</translation>
    </message>
</context>
<context>
    <name>DiagramFrame</name>
    <message>
        <source>Temperature and Moisture Profile</source>
        <translation>Temperature and Moisture Profile</translation>
    </message>
    <message>
        <source>Temperature and Vapour Pressure Profile</source>
        <translation>Temperature and Vapour Pressure Profile</translation>
    </message>
    <message>
        <source>Other Diagram</source>
        <translation>Other Diagram</translation>
    </message>
    <message>
        <source>Condensate (overhygroscopic moisture content) dark blue.</source>
        <translation>Condensate (overhygroscopic moisture content) dark blue.</translation>
    </message>
</context>
<context>
    <name>DiagramScene</name>
    <message>
        <source>Temperature %1 in [%2C]</source>
        <translation>Temperature %1 in [%2C]</translation>
    </message>
    <message>
        <source>Vapor pressure p in [Pa]</source>
        <translation>Vapor pressure p in [Pa]</translation>
    </message>
    <message>
        <source>Moisture content w in [%1]</source>
        <translation>Moisture content w in [%1]</translation>
    </message>
    <message>
        <source>Layer widths in [mm]</source>
        <translation>Layer widths in [mm]</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Sat. vapour pressure</source>
        <translation>Sat. vapour pressure</translation>
    </message>
    <message>
        <source>Vapour pressure (real)</source>
        <translation>Vapour pressure (real)</translation>
    </message>
    <message>
        <source>Vapour pressure (calc.)</source>
        <translation>Vapour pressure (calc.)</translation>
    </message>
    <message>
        <source>Diffusion-equivalent air layer thickness %1 in [m]</source>
        <translation>Diffusion-equivalent air layer thickness %1 in [m]</translation>
    </message>
    <message>
        <source>Condensation zone</source>
        <translation>Condensation zone</translation>
    </message>
    <message>
        <source>Condensation plane</source>
        <translation>Condensation plane</translation>
    </message>
</context>
<context>
    <name>DiagramView</name>
    <message>
        <source>Construction Sketch</source>
        <translation>Construction Sketch</translation>
    </message>
    <message>
        <source>Vapour pressure diagram</source>
        <translation>Vapour pressure diagram</translation>
    </message>
    <message>
        <source>Water content diagram</source>
        <translation>Water content diagram</translation>
    </message>
    <message>
        <source>Unknown picture format of &apos;%1&apos; (svg, png, jpg or pdf expected).</source>
        <translation>Unknown picture format of &apos;%1&apos; (svg, png, jpg or pdf expected).</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>The picture could not be written.</translation>
    </message>
    <message>
        <source>Glaser diagram</source>
        <translation>Glaser diagram</translation>
    </message>
</context>
<context>
    <name>DisclaimerFrame</name>
    <message>
        <source>Final Remarks</source>
        <translation>Final Remarks</translation>
    </message>
</context>
<context>
    <name>DisplayUnits</name>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>dm</source>
        <translation>dm</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>[Document::readOld]  Error reading project file &apos;%1&apos;
</source>
        <translation>[Document::readOld]  Error reading project file &apos;%1&apos;
</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; project files of the old format are read up to %2 MB.</source>
        <translation>The file holds %1 bytes; project files of the old format are read up to %2 MB.</translation>
    </message>
    <message>
        <source>Cannot open file.</source>
        <translation>Cannot open file.</translation>
    </message>
    <message>
        <source>[Document::readOld]  Keyword &apos;FileVersion&apos; missing!</source>
        <translation>[Document::readOld]  Keyword &apos;FileVersion&apos; missing!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing!</source>
        <translation>Block start &apos;{&apos; missing!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for climatelist!</source>
        <translation>Block start &apos;{&apos; missing for climatelist!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for wall data!</source>
        <translation>Block start &apos;{&apos; missing for wall data!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for remarks!</source>
        <translation>Block start &apos;{&apos; missing for remarks!</translation>
    </message>
    <message>
        <source>Unexpected end of file in remarks!</source>
        <translation>Unexpected end of file in remarks!</translation>
    </message>
    <message>
        <source>Invalid keyword &apos;%1&apos; in project file!</source>
        <translation>Invalid keyword &apos;%1&apos; in project file!</translation>
    </message>
    <message>
        <source>Block end &apos;}&apos; missing!</source>
        <translation>Block end &apos;}&apos; missing!</translation>
    </message>
    <message>
        <source>Error reading parameter &apos;%1&apos;!</source>
        <translation>Error reading parameter &apos;%1&apos;!</translation>
    </message>
    <message>
        <source>File is not a Mirelo 2.0 project file.</source>
        <translation>File is not a Mirelo 2.0 project file.</translation>
    </message>
    <message>
        <source>An element has more than %1 attributes (line %2).</source>
        <translation>An element has more than %1 attributes (line %2).</translation>
    </message>
</context>
<context>
    <name>DryingReserveSettings</name>
    <message>
        <source>Drying potential according DIN 68800-2</source>
        <translation>Drying potential according DIN 68800-2</translation>
    </message>
    <message>
        <source>No drying reserve</source>
        <translation>No drying reserve</translation>
    </message>
    <message>
        <source>Drying reserve for ceilings and walls</source>
        <translation>Drying reserve for ceilings and walls</translation>
    </message>
    <message>
        <source>&lt;html&gt;(100g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</source>
        <translation>&lt;html&gt;(100g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Drying reserve for roofs</source>
        <translation>Drying reserve for roofs</translation>
    </message>
    <message>
        <source>&lt;html&gt;(250g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</source>
        <translation>&lt;html&gt;(250g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Custom drying reserve</source>
        <translation>Custom drying reserve</translation>
    </message>
    <message>
        <source>The drying reserve cannot be &lt; 0.</source>
        <translation>The drying reserve cannot be &lt; 0.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>&lt;html&gt;g/m&lt;sup&gt;2&lt;/sup&gt;a&lt;/html&gt;</source>
        <translation>&lt;html&gt;g/m&lt;sup&gt;2&lt;/sup&gt;a&lt;/html&gt;</translation>
    </message>
    <message>
        <source>In case of no condensation a drying reserve cannot by applied.</source>
        <translation>In case of no condensation a drying reserve cannot by applied.</translation>
    </message>
</context>
<context>
    <name>FieldMessageLine</name>
    <message>
        <source>&apos;%1&apos; was not taken for %2: %3 The field shows the value held again.</source>
        <translation>&apos;%1&apos; was not taken for %2: %3 The field shows the value held again.</translation>
    </message>
</context>
<context>
    <name>FooterFrame</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>GlaserDiagramFrame</name>
    <message>
        <source>Glaser Diagram (DIN 4108-3)</source>
        <translation>Glaser Diagram (DIN 4108-3)</translation>
    </message>
    <message>
        <source>Condensation period (winter). s&lt;sub&gt;d&lt;/sub&gt; - diffusion-equivalent air layer thickness of the layers in front of an interface; upper values p&lt;sub&gt;sat&lt;/sub&gt; - saturation vapour pressure, lower values p - vapour pressure at the interface, in Pa.</source>
        <translation>Condensation period (winter). s&lt;sub&gt;d&lt;/sub&gt; - diffusion-equivalent air layer thickness of the layers in front of an interface; upper values p&lt;sub&gt;sat&lt;/sub&gt; - saturation vapour pressure, lower values p - vapour pressure at the interface, in Pa.</translation>
    </message>
</context>
<context>
    <name>GlaserFrame</name>
    <message>
        <source>Results according DIN 4108-3 (Glaser Scheme)</source>
        <translation>Results according DIN 4108-3 (Glaser Scheme)</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>days</source>
        <translation>days</translation>
    </message>
    <message>
        <source>Interior climate (left)</source>
        <translation>Interior climate (left)</translation>
    </message>
    <message>
        <source>Outdoor climate (right)</source>
        <translation>Outdoor climate (right)</translation>
    </message>
    <message>
        <source>Condensation Period (Winter)</source>
        <translation>Condensation Period (Winter)</translation>
    </message>
    <message>
        <source>Drying Period (Summer)</source>
        <translation>Drying Period (Summer)</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Condensation zone</source>
        <translation>Condensation zone</translation>
    </message>
    <message>
        <source>Condensation mass (according to Glaser)</source>
        <translation>Condensation mass (according to Glaser)</translation>
    </message>
    <message>
        <source>Potential drying mass</source>
        <translation>Potential drying mass</translation>
    </message>
    <message>
        <source>Duration of drying (according to Glaser)</source>
        <translation>Duration of drying (according to Glaser)</translation>
    </message>
</context>
<context>
    <name>Globals</name>
    <message>
        <source>Help file error</source>
        <translation>Help file error</translation>
    </message>
    <message>
        <source>The help file cannot be found on location:
%1</source>
        <translation>The help file cannot be found on location:
%1</translation>
    </message>
    <message>
        <source>No program to show PDF files could be started. The manual is here:
%1</source>
        <translation>No program to show PDF files could be started. The manual is here:
%1</translation>
    </message>
</context>
<context>
    <name>HatchedItemDelegate</name>
    <message>
        <source>warm</source>
        <translation>warm</translation>
    </message>
    <message>
        <source>cold</source>
        <translation>cold</translation>
    </message>
</context>
<context>
    <name>InputData</name>
    <message>
        <source>inside, winter</source>
        <translation>inside, winter</translation>
    </message>
    <message>
        <source>inside, summer</source>
        <translation>inside, summer</translation>
    </message>
    <message>
        <source>outside, winter</source>
        <translation>outside, winter</translation>
    </message>
    <message>
        <source>outside, summer</source>
        <translation>outside, summer</translation>
    </message>
    <message>
        <source>Layer #%1</source>
        <translation>Layer #%1</translation>
    </message>
    <message>
        <source>Layer #%1 (%2)</source>
        <translation>Layer #%1 (%2)</translation>
    </message>
    <message>
        <source>%1: width %2 m, must be greater than 0.</source>
        <translation>%1: width %2 m, must be greater than 0.</translation>
    </message>
    <message>
        <source>%1: the material has no name.</source>
        <translation>%1: the material has no name.</translation>
    </message>
    <message>
        <source>%1: bulk density %2 kg/m³, must be greater than 0.</source>
        <translation>%1: bulk density %2 kg/m³, must be greater than 0.</translation>
    </message>
    <message>
        <source>%1: thermal conductivity %2 W/(m·K), must be greater than 0.</source>
        <translation>%1: thermal conductivity %2 W/(m·K), must be greater than 0.</translation>
    </message>
    <message>
        <source>%1: vapour diffusion resistance factor %2, must be greater than 0.</source>
        <translation>%1: vapour diffusion resistance factor %2, must be greater than 0.</translation>
    </message>
    <message>
        <source>%1: moisture content at 80 %RH %2 m³/m³, must be greater than 0.</source>
        <translation>%1: moisture content at 80 %RH %2 m³/m³, must be greater than 0.</translation>
    </message>
    <message>
        <source>%1: moisture content at 80 %RH %2 m³/m³, must be below the saturation moisture content %3 m³/m³.</source>
        <translation>%1: moisture content at 80 %RH %2 m³/m³, must be below the saturation moisture content %3 m³/m³.</translation>
    </message>
    <message>
        <source>%1: saturation moisture content %2 m³/m³, must not exceed 1.</source>
        <translation>%1: saturation moisture content %2 m³/m³, must not exceed 1.</translation>
    </message>
    <message>
        <source>%1: water absorption coefficient %2 kg/(m²·s^0.5), must not be negative.</source>
        <translation>%1: water absorption coefficient %2 kg/(m²·s^0.5), must not be negative.</translation>
    </message>
    <message>
        <source>%1: material category %2 is unknown.</source>
        <translation>%1: material category %2 is unknown.</translation>
    </message>
    <message>
        <source>%1: the material is not valid.</source>
        <translation>%1: the material is not valid.</translation>
    </message>
    <message>
        <source>Climate %1: temperature %2 °C, must lie between -40 and 80 °C.</source>
        <translation>Climate %1: temperature %2 °C, must lie between -40 and 80 °C.</translation>
    </message>
    <message>
        <source>Climate %1: relative humidity %2 %, must lie between 0 and 100 %.</source>
        <translation>Climate %1: relative humidity %2 %, must lie between 0 and 100 %.</translation>
    </message>
    <message>
        <source>Climate inside: surface resistance %1 m²K/W, must be greater than 0.</source>
        <translation>Climate inside: surface resistance %1 m²K/W, must be greater than 0.</translation>
    </message>
    <message>
        <source>Climate outside: surface resistance %1 m²K/W, must be greater than 0.</source>
        <translation>Climate outside: surface resistance %1 m²K/W, must be greater than 0.</translation>
    </message>
    <message>
        <source>Climate: condensation period of %1 days, must be longer than 0 days.</source>
        <translation>Climate: condensation period of %1 days, must be longer than 0 days.</translation>
    </message>
    <message>
        <source>Climate: evaporation period of %1 days, must be longer than 0 days.</source>
        <translation>Climate: evaporation period of %1 days, must be longer than 0 days.</translation>
    </message>
    <message>
        <source>Climate: a surface resistance is larger than %1 m²K/W.</source>
        <translation>Climate: a surface resistance is larger than %1 m²K/W.</translation>
    </message>
    <message>
        <source>Climate: a period is longer than %1 days.</source>
        <translation>Climate: a period is longer than %1 days.</translation>
    </message>
    <message>
        <source>%1, second material (%2)</source>
        <translation>%1, second material (%2)</translation>
    </message>
</context>
<context>
    <name>LegacyFormat</name>
    <message>
        <source>[InputData::readClimateOld]  Four climate conditions are required!</source>
        <translation>[InputData::readClimateOld]  Four climate conditions are required!</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Invalid keyword &apos;%1&apos;</source>
        <translation>[InputData::readClimateOld]  Invalid keyword &apos;%1&apos;</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Block start &apos;{&apos; missing!</source>
        <translation>[InputData::readClimateOld]  Block start &apos;{&apos; missing!</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Error reading parameter &apos;Temperatur&apos;!</source>
        <translation>[InputData::readClimateOld]  Error reading parameter &apos;Temperatur&apos;!</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Error reading parameter &apos;RelHum&apos;!</source>
        <translation>[InputData::readClimateOld]  Error reading parameter &apos;RelHum&apos;!</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Illegal keyword &apos;%1&apos;</source>
        <translation>[InputData::readClimateOld]  Illegal keyword &apos;%1&apos;</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Error reading climate condition!
</source>
        <translation>[InputData::readClimateOld]  Error reading climate condition!
</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Block end &apos;}&apos; missing!</source>
        <translation>[InputData::readClimateOld]  Block end &apos;}&apos; missing!</translation>
    </message>
    <message>
        <source>[InputData::readConstructionOld]  Block start &apos;{&apos; missing!</source>
        <translation>[InputData::readConstructionOld]  Block start &apos;{&apos; missing!</translation>
    </message>
    <message>
        <source>[InputData::readConstructionOld]  Block end &apos;}&apos; missing!</source>
        <translation>[InputData::readConstructionOld]  Block end &apos;}&apos; missing!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Error reading parameter &apos;Width&apos;!</source>
        <translation>[MaterialLayer::readOld]  Error reading parameter &apos;Width&apos;!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Error reading parameter &apos;Colour&apos;!</source>
        <translation>[MaterialLayer::readOld]  Error reading parameter &apos;Colour&apos;!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Block start &apos;{&apos; of material definition missing!</source>
        <translation>[MaterialLayer::readOld]  Block start &apos;{&apos; of material definition missing!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Invalid keyword!</source>
        <translation>[MaterialLayer::readOld]  Invalid keyword!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Block end &apos;}&apos; missing!</source>
        <translation>[MaterialLayer::readOld]  Block end &apos;}&apos; missing!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Error reading layer data!
</source>
        <translation>[MaterialLayer::readOld]  Error reading layer data!
</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading material name!</source>
        <translation>[Material::readOld]  Error reading material name!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;rho&apos;!</source>
        <translation>[Material::readOld]  Error reading parameter &apos;rho&apos;!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;Lambda&apos;!</source>
        <translation>[Material::readOld]  Error reading parameter &apos;Lambda&apos;!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;Mew&apos;!</source>
        <translation>[Material::readOld]  Error reading parameter &apos;Mew&apos;!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;W_hyg&apos;!</source>
        <translation>[Material::readOld]  Error reading parameter &apos;W_hyg&apos;!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;W_h80&apos;!</source>
        <translation>[Material::readOld]  Error reading parameter &apos;W_h80&apos;!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;W_sat&apos;!</source>
        <translation>[Material::readOld]  Error reading parameter &apos;W_sat&apos;!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;A_w&apos;!</source>
        <translation>[Material::readOld]  Error reading parameter &apos;A_w&apos;!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Invalid keyword &apos;%1&apos;</source>
        <translation>[Material::readOld]  Invalid keyword &apos;%1&apos;</translation>
    </message>
    <message>
        <source>[Material::readOld]  Block end &apos;}&apos; missing!</source>
        <translation>[Material::readOld]  Block end &apos;}&apos; missing!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading material data!
</source>
        <translation>[Material::readOld]  Error reading material data!
</translation>
    </message>
</context>
<context>
    <name>LegacyKeywordText</name>
    <message>
        <source>The value of &apos;%1&apos; is not a finite number.</source>
        <translation>The value of &apos;%1&apos; is not a finite number.</translation>
    </message>
</context>
<context>
    <name>M2_ResultsWidget</name>
    <message>
        <source>Unknown result!</source>
        <translation>Unknown result!</translation>
    </message>
    <message>
        <source>Invalid input!</source>
        <translation>Invalid input!</translation>
    </message>
    <message>
        <source>Construction thickness</source>
        <translation>Construction thickness</translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the construction (dry)</source>
        <translation>Thermal transfer resistance of the construction (dry)</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the construction</source>
        <translation>Thermal transmission coefficient of the construction</translation>
    </message>
    <message>
        <source>U-value (ISO 6946)</source>
        <translation>U-value (ISO 6946)</translation>
    </message>
    <message>
        <source>U-value (moisture dependend)</source>
        <translation>U-value (moisture dependent)</translation>
    </message>
    <message>
        <source>Condensation mass after condensation period</source>
        <translation>Condensation mass after condensation period</translation>
    </message>
    <message>
        <source>Drying time</source>
        <translation>Drying time</translation>
    </message>
    <message>
        <source>layer %1 (%2)</source>
        <translation>layer %1 (%2)</translation>
    </message>
    <message>
        <source>Condensation plane between %1 and %2</source>
        <translation>Condensation plane between %1 and %2</translation>
    </message>
    <message>
        <source>Condensation zone in %1</source>
        <translation>Condensation zone in %1</translation>
    </message>
    <message>
        <source>Condensation zone from %1 to %2</source>
        <translation>Condensation zone from %1 to %2</translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the field section (dry)</source>
        <translation>Thermal transfer resistance of the field section (dry)</translation>
    </message>
    <message>
        <source>U-value (ISO 6946, inhomogeneous layers)</source>
        <translation>U-value (ISO 6946, inhomogeneous layers)</translation>
    </message>
    <message>
        <source>Upper limit R&apos;&lt;sub&gt;T&lt;/sub&gt;</source>
        <translation>Upper limit R&apos;&lt;sub&gt;T&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Lower limit R&apos;&apos;&lt;sub&gt;T&lt;/sub&gt;</source>
        <translation>Lower limit R&apos;&apos;&lt;sub&gt;T&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Relative error e</source>
        <translation>Relative error e</translation>
    </message>
    <message>
        <source>U-value of the field section (ISO 6946)</source>
        <translation>U-value of the field section (ISO 6946)</translation>
    </message>
    <message>
        <source>U-value of the field section (moisture dependent)</source>
        <translation>U-value of the field section (moisture dependent)</translation>
    </message>
    <message>
        <source>Moisture storage method</source>
        <translation>Moisture storage method</translation>
    </message>
    <message>
        <source>Glaser scheme (DIN 4108-3)</source>
        <translation>Glaser scheme (DIN 4108-3)</translation>
    </message>
    <message>
        <source>Evaporable mass in the drying period</source>
        <translation>Evaporable mass in the drying period</translation>
    </message>
    <message>
        <source>fulfilled</source>
        <translation>fulfilled</translation>
    </message>
    <message>
        <source>not fulfilled</source>
        <translation>not fulfilled</translation>
    </message>
    <message>
        <source>not evaluated</source>
        <translation>not evaluated</translation>
    </message>
    <message>
        <source>Condensate mass (layer without capillary suction)</source>
        <translation>Condensate mass (layer without capillary suction)</translation>
    </message>
    <message>
        <source>Condensate mass</source>
        <translation>Condensate mass</translation>
    </message>
    <message>
        <source>Condensate in timber (%1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5 %)</source>
        <translation>Condensate in timber (%1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5 %)</translation>
    </message>
    <message>
        <source>Condensate in wood-based material (%1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3 %)</source>
        <translation>Condensate in wood-based material (%1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3 %)</translation>
    </message>
    <message>
        <source>no drying</source>
        <translation>no drying</translation>
    </message>
    <message>
        <source>Drying reserve %1 g/(m&lt;sup&gt;2&lt;/sup&gt;a) (DIN 68800-2)</source>
        <translation>Drying reserve %1 g/(m&lt;sup&gt;2&lt;/sup&gt;a) (DIN 68800-2)</translation>
    </message>
    <message>
        <source>no condensate</source>
        <translation>no condensate</translation>
    </message>
    <message>
        <source>Minimum thermal protection (%1)</source>
        <translation>Minimum thermal protection (%1)</translation>
    </message>
    <message>
        <source>Thermal resistance R</source>
        <translation>Thermal resistance R</translation>
    </message>
    <message>
        <source>Temperature factor f&lt;sub&gt;Rsi&lt;/sub&gt;</source>
        <translation>Temperature factor f&lt;sub&gt;Rsi&lt;/sub&gt;</translation>
    </message>
</context>
<context>
    <name>M2_UndoAddConstructionLeft</name>
    <message>
        <source>Addition of a construction left of no. %L1</source>
        <translation>Addition of a construction left of no. %L1</translation>
    </message>
</context>
<context>
    <name>M2_UndoAddConstructionRight</name>
    <message>
        <source>Addition of a construction right of no. %L1</source>
        <translation>Addition of a construction right of no. %L1</translation>
    </message>
</context>
<context>
    <name>M2_UndoAddLayerLeft</name>
    <message>
        <source>Addition of a layer left of no. %L1</source>
        <translation>Addition of a layer left of no. %L1</translation>
    </message>
</context>
<context>
    <name>M2_UndoAddLayerRight</name>
    <message>
        <source>Addition of a layer right of no. %L1</source>
        <translation>Addition of a layer right of no. %L1</translation>
    </message>
</context>
<context>
    <name>M2_UndoAssessmentType</name>
    <message>
        <source>Change of condensation time</source>
        <translation>Change of condensation time</translation>
    </message>
    <message>
        <source>Change of evaporation time</source>
        <translation>Change of evaporation time</translation>
    </message>
    <message>
        <source>Change of assessment type</source>
        <translation>Change of assessment type</translation>
    </message>
</context>
<context>
    <name>M2_UndoChangeMaterial</name>
    <message>
        <source>Change of material of layer no. %L1</source>
        <translation>Change of material of layer no. %L1</translation>
    </message>
    <message>
        <source>Change of material of layer no. %L1 to one given by its sd-value, which removes its second material</source>
        <translation>Change of material of layer no. %L1 to one given by its sd-value, which removes its second material</translation>
    </message>
</context>
<context>
    <name>M2_UndoChangeProjectInfo</name>
    <message>
        <source>Change of project information</source>
        <translation>Change of project information</translation>
    </message>
</context>
<context>
    <name>M2_UndoClimate</name>
    <message>
        <source>warm side</source>
        <translation>warm side</translation>
    </message>
    <message>
        <source>cold side</source>
        <translation>cold side</translation>
    </message>
    <message>
        <source>Change of temperature (condensation period) at %1</source>
        <translation>Change of temperature (condensation period) at %1</translation>
    </message>
    <message>
        <source>Change of temperature (evaporation period) at %1</source>
        <translation>Change of temperature (evaporation period) at %1</translation>
    </message>
    <message>
        <source>Change of relative humidity (condensation period) at %1</source>
        <translation>Change of relative humidity (condensation period) at %1</translation>
    </message>
    <message>
        <source>Change of relative humidity (evaporation period) at %1</source>
        <translation>Change of relative humidity (evaporation period) at %1</translation>
    </message>
    <message>
        <source>Change of surface resistance at %1</source>
        <translation>Change of surface resistance at %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoClimateAll</name>
    <message>
        <source>Change of climate data set at %1</source>
        <translation>Change of climate data set at %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoConstructionKind</name>
    <message>
        <source>heat flow downwards</source>
        <translation>heat flow downwards</translation>
    </message>
    <message>
        <source>heat flow upwards</source>
        <translation>heat flow upwards</translation>
    </message>
    <message>
        <source>heat flow horizontal</source>
        <translation>heat flow horizontal</translation>
    </message>
    <message>
        <source>inside climate “%1”</source>
        <translation>inside climate “%1”</translation>
    </message>
    <message>
        <source>outside climate “%1”</source>
        <translation>outside climate “%1”</translation>
    </message>
    <message>
        <source>evaporation period %1 Pa in the condensation plane, %2 Pa on both sides</source>
        <translation>evaporation period %1 Pa in the condensation plane, %2 Pa on both sides</translation>
    </message>
    <message>
        <source>assessment “%1”</source>
        <translation>assessment “%1”</translation>
    </message>
    <message>
        <source>minimum thermal resistance after %1 row %2</source>
        <translation>minimum thermal resistance after %1 row %2</translation>
    </message>
    <message>
        <source>Construction kind “%1”: no default changed.</source>
        <translation>Construction kind “%1”: no default changed.</translation>
    </message>
    <message>
        <source>Construction kind “%1”: %2.</source>
        <translation>Construction kind “%1”: %2.</translation>
    </message>
    <message>
        <source>Change of construction kind to %1</source>
        <translation>Change of construction kind to %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoHeatFlowDirection</name>
    <message>
        <source>Change of heat flow direction to upwards</source>
        <translation>Change of heat flow direction to upwards</translation>
    </message>
    <message>
        <source>Change of heat flow direction to horizontal</source>
        <translation>Change of heat flow direction to horizontal</translation>
    </message>
    <message>
        <source>Change of heat flow direction to downwards</source>
        <translation>Change of heat flow direction to downwards</translation>
    </message>
</context>
<context>
    <name>M2_UndoLayerBridge</name>
    <message>
        <source>Removal of second material of layer no. %1</source>
        <translation>Removal of second material of layer no. %1</translation>
    </message>
    <message>
        <source>Change of second material of layer no. %1</source>
        <translation>Change of second material of layer no. %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoLayerColor</name>
    <message>
        <source>Change of colour of layer no. %1</source>
        <translation>Change of colour of layer no. %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoMaterialName</name>
    <message>
        <source>Change of material name of layer no. %1</source>
        <translation>Change of material name of layer no. %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoMaterialParameters</name>
    <message>
        <source>Change of %L1 of layer no. %2</source>
        <translation>Change of %L1 of layer no. %2</translation>
    </message>
    <message>
        <source>Change of w_80 of layer no. %1</source>
        <translation>Change of w_80 of layer no. %1</translation>
    </message>
    <message>
        <source>Change of w_sat of layer no. %1</source>
        <translation>Change of w_sat of layer no. %1</translation>
    </message>
    <message>
        <source>Change of thermal conductivity of layer no. %1</source>
        <translation>Change of thermal conductivity of layer no. %1</translation>
    </message>
    <message>
        <source>Change of water absorption coefficient of layer no. %1</source>
        <translation>Change of water absorption coefficient of layer no. %1</translation>
    </message>
    <message>
        <source>Change of summer sd-value of layer no. %1</source>
        <translation>Change of summer sd-value of layer no. %1</translation>
    </message>
    <message>
        <source>Change of width of layer no. %1</source>
        <translation>Change of width of layer no. %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoMinimumResistanceType</name>
    <message>
        <source>Change of the row of the minimum thermal resistance</source>
        <translation>Change of the row of the minimum thermal resistance</translation>
    </message>
</context>
<context>
    <name>M2_UndoMoveLayerLeft</name>
    <message>
        <source>Move of layer no. %L1 to the left</source>
        <translation>Move of layer no. %L1 to the left</translation>
    </message>
</context>
<context>
    <name>M2_UndoMoveLayerRight</name>
    <message>
        <source>Move of layer no. %L1 to the right</source>
        <translation>Move of layer no. %L1 to the right</translation>
    </message>
</context>
<context>
    <name>M2_UndoRemoveLayer</name>
    <message>
        <source>Removal of layer no. %L1</source>
        <translation>Removal of layer no. %L1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Mirelo 2</source>
        <translation>Mirelo 2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Application Language</source>
        <translation>Application Language</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Main toolbar</translation>
    </message>
    <message>
        <source>Diagram toolbar</source>
        <translation>Diagram toolbar</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>toolBar</translation>
    </message>
    <message>
        <source>New project...</source>
        <translation>New project...</translation>
    </message>
    <message>
        <source>Creates a new project.</source>
        <translation>Creates a new project.</translation>
    </message>
    <message>
        <source>Open project...</source>
        <translation>Open project...</translation>
    </message>
    <message>
        <source>Opens a project.</source>
        <translation>Opens a project.</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>Saves the current project.</source>
        <translation>Saves the current project.</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save project as...</source>
        <translation>Save project as...</translation>
    </message>
    <message>
        <source>Saves the current project under a new name.</source>
        <translation>Saves the current project under a new name.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Closes the program.</source>
        <translation>Closes the program.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Prints the report.</source>
        <translation>Prints the report.</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Help...</translation>
    </message>
    <message>
        <source>Opens the program help.</source>
        <translation>Opens the program help.</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About Mirelo 2 ...</source>
        <translation>About Mirelo 2…</translation>
    </message>
    <message>
        <source>Opens the About dialog.</source>
        <translation>Opens the About dialog.</translation>
    </message>
    <message>
        <source>About Qt...</source>
        <translation>About Qt...</translation>
    </message>
    <message>
        <source>Opens the Qt About dialog.</source>
        <translation>Opens the Qt About dialog.</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferences...</translation>
    </message>
    <message>
        <source>Opens the configuration dialog.</source>
        <translation>Opens the configuration dialog.</translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation>Recent projects</translation>
    </message>
    <message>
        <source>Shows list of recently used projects.</source>
        <translation>Shows list of recently used projects.</translation>
    </message>
    <message>
        <source>Show moisture content profile</source>
        <translation>Show moisture content profile</translation>
    </message>
    <message>
        <source>Show moisture content</source>
        <translation>Show moisture content</translation>
    </message>
    <message>
        <source>Toggles display of vapor pressure profile or moisture content profile</source>
        <translation>Toggles display of vapor pressure profile or moisture content profile</translation>
    </message>
    <message>
        <source>Use hatching</source>
        <translation>Use hatching</translation>
    </message>
    <message>
        <source>Toggles display of hatched material layers.</source>
        <translation>Toggles display of hatched material layers.</translation>
    </message>
    <message>
        <source>Qt User Interface Configuration...</source>
        <translation>Qt User Interface Configuration...</translation>
    </message>
    <message>
        <source>Opens the Qt User Interface Configuration tool</source>
        <translation>Opens the Qt User Interface Configuration tool</translation>
    </message>
    <message>
        <source>Select Material...</source>
        <translation>Select Material...</translation>
    </message>
    <message>
        <source>= Mat</source>
        <translation>= Mat</translation>
    </message>
    <message>
        <source>Opens the material database dialog to select a material for this layer.</source>
        <translation>Opens the material database dialog to select a material for this layer.</translation>
    </message>
    <message>
        <source>Edit Material Database...</source>
        <translation>Edit Material Database...</translation>
    </message>
    <message>
        <source>Open the Database Dialog for viewing and editing material or construction data</source>
        <translation>Open the Database Dialog for viewing and editing material or construction data</translation>
    </message>
    <message>
        <source>Add layer to the left</source>
        <translation>Add layer to the left</translation>
    </message>
    <message>
        <source>+ Left</source>
        <translation>+ Left</translation>
    </message>
    <message>
        <source>Adds a new layer or construction to the left of the currently selected layer.</source>
        <translation>Adds a new layer or construction to the left of the currently selected layer.</translation>
    </message>
    <message>
        <source>Add layer to the right</source>
        <translation>Add layer to the right</translation>
    </message>
    <message>
        <source>+ Right</source>
        <translation>+ Right</translation>
    </message>
    <message>
        <source>Adds a new layer or construction to the right of the currently selected layer.</source>
        <translation>Adds a new layer or construction to the right of the currently selected layer.</translation>
    </message>
    <message>
        <source>Remove current layer</source>
        <translation>Remove current layer</translation>
    </message>
    <message>
        <source>- Layer</source>
        <translation>- Layer</translation>
    </message>
    <message>
        <source>Removes the currently selected layer.</source>
        <translation>Removes the currently selected layer.</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Move left</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;</source>
        <translation>&lt;&lt;&lt;</translation>
    </message>
    <message>
        <source>Moves current layer to the left.</source>
        <translation>Moves current layer to the left.</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Move Right</translation>
    </message>
    <message>
        <source>&gt;&gt;&gt;</source>
        <translation>&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Moves current layer to the right.</source>
        <translation>Moves current layer to the right.</translation>
    </message>
    <message>
        <source>Report setup / Print preview ...</source>
        <translation>Report setup / Print preview ...</translation>
    </message>
    <message>
        <source>Opens the print preview and setup dialog.</source>
        <translation>Opens the print preview and setup dialog.</translation>
    </message>
    <message>
        <source>Edit project information...</source>
        <translation>Edit project information...</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Sketch</translation>
    </message>
    <message>
        <source>Copy sketch image</source>
        <translation>Copy sketch image</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Copy chart image</source>
        <translation>Copy chart image</translation>
    </message>
    <message>
        <source>Export sketch image to file</source>
        <translation>Export sketch image to file</translation>
    </message>
    <message>
        <source>Export chart image to file</source>
        <translation>Export chart image to file</translation>
    </message>
    <message>
        <source>Add to Construction Database...</source>
        <translation>Add to Construction Database...</translation>
    </message>
    <message>
        <source>Adds the current construction to the construction database.</source>
        <translation>Adds the current construction to the construction database.</translation>
    </message>
    <message>
        <source>Heat flow up</source>
        <translation>Heat flow up</translation>
    </message>
    <message>
        <source>Horizontal construction with heat flow upwards.</source>
        <translation>Horizontal construction with heat flow upwards.</translation>
    </message>
    <message>
        <source>horizontal heat flow</source>
        <translation>horizontal heat flow</translation>
    </message>
    <message>
        <source>Vertical construction with horizontal heat flow.</source>
        <translation>Vertical construction with horizontal heat flow.</translation>
    </message>
    <message>
        <source>Heat flow down</source>
        <translation>Heat flow down</translation>
    </message>
    <message>
        <source>Horizontal construction with heat flow downwards.</source>
        <translation>Horizontal construction with heat flow downwards.</translation>
    </message>
    <message>
        <source>Help heat flow directions</source>
        <translation>Help heat flow directions</translation>
    </message>
    <message>
        <source>Add Material to User Database</source>
        <translation>Add Material to User Database</translation>
    </message>
    <message>
        <source>Show Logfile</source>
        <translation>Show Logfile</translation>
    </message>
    <message>
        <source>Show the logfile of MIRELO2.</source>
        <translation>Show the logfile of MIRELO2.</translation>
    </message>
    <message>
        <source>About %1 ...</source>
        <translation>About %1…</translation>
    </message>
    <message>
        <source>Show/hide main toolbar</source>
        <translation>Show/hide main toolbar</translation>
    </message>
    <message>
        <source>Shows/hides the main toolbar</source>
        <translation>Shows/hides the main toolbar</translation>
    </message>
    <message>
        <source>Show/hide diagram toolbar</source>
        <translation>Show/hide diagram toolbar</translation>
    </message>
    <message>
        <source>Shows/hides the diagram toolbar</source>
        <translation>Shows/hides the diagram toolbar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>A software for hygrothermal evaluation of building envelope systems</source>
        <translation>A software for hygrothermal evaluation of building envelope systems</translation>
    </message>
    <message>
        <source>Save project before closing</source>
        <translation>Save project before closing</translation>
    </message>
    <message>
        <source>Would you like to save the project before closing it?</source>
        <translation>Would you like to save the project before closing it?</translation>
    </message>
    <message>
        <source>Project file changed while reading</source>
        <translation>Project file changed while reading</translation>
    </message>
    <message>
        <source>Error loading project file</source>
        <translation>Error loading project file</translation>
    </message>
    <message>
        <source>%1 Projects (*.%2)</source>
        <translation>%1 Projects (*.%2)</translation>
    </message>
    <message>
        <source>;;%1 Projects (*.%2);;All files (*.*)</source>
        <translation>;;%1 Projects (*.%2);;All files (*.*)</translation>
    </message>
    <message>
        <source>Select %1 project file</source>
        <translation>Select %1 project file</translation>
    </message>
    <message>
        <source>Error #4: File not found</source>
        <translation>Error #4: File not found</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be found or does not exist.</source>
        <translation>The file &apos;%1&apos; cannot be found or does not exist.</translation>
    </message>
    <message>
        <source>Error #5: File not found</source>
        <translation>Error #5: File not found</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be found or does not exist.
%2</source>
        <translation>The file &apos;%1&apos; cannot be found or does not exist.
%2</translation>
    </message>
    <message>
        <source>Remove this file from list?</source>
        <translation>Remove this file from list?</translation>
    </message>
    <message>
        <source>Error #3: Saving failed</source>
        <translation>Error #3: Saving failed</translation>
    </message>
    <message>
        <source>Error while saving project file!</source>
        <translation>Error while saving project file!</translation>
    </message>
    <message>
        <source>Specify %1 project file</source>
        <translation>Specify %1 project file</translation>
    </message>
    <message>
        <source>%2 project (*.%1)</source>
        <translation>%2 project (*.%1)</translation>
    </message>
    <message>
        <source>Jpg image (*.jpg)</source>
        <translation>Jpg image (*.jpg)</translation>
    </message>
    <message>
        <source>Svg file (*.svg)</source>
        <translation>Svg file (*.svg)</translation>
    </message>
    <message>
        <source>Pdf file (*.pdf)</source>
        <translation>Pdf file (*.pdf)</translation>
    </message>
    <message>
        <source>Png file (*.png)</source>
        <translation>Png file (*.png)</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Export failed</translation>
    </message>
    <message>
        <source>The picture could not be written to &apos;%1&apos;:
%2</source>
        <translation>The picture could not be written to &apos;%1&apos;:
%2</translation>
    </message>
    <message>
        <source>Could not launch external program</source>
        <translation>Could not launch external program</translation>
    </message>
    <message>
        <source>Couldn&apos;t start the &lt;b&gt;qtconfig&lt;/b&gt; application. Make sure it is in your application search path!</source>
        <translation>Couldn&apos;t start the &lt;b&gt;qtconfig&lt;/b&gt; application. Make sure it is in your application search path!</translation>
    </message>
    <message>
        <source>Languange changed</source>
        <translation>Language changed</translation>
    </message>
    <message>
        <source>Please restart the software to activate the new language!</source>
        <translation>Please restart the software to activate the new language!</translation>
    </message>
    <message>
        <source>The change of the user database was not saved.</source>
        <translation>The change of the user database was not saved.</translation>
    </message>
    <message>
        <source>Vapour pressure over s_d (Glaser diagram)</source>
        <translation>Vapour pressure over s_d (Glaser diagram)</translation>
    </message>
    <message>
        <source>Glaser (s_d)</source>
        <translation>Glaser (s_d)</translation>
    </message>
    <message>
        <source>Draws the vapour pressure profile over the diffusion-equivalent air layer thickness s_d (Glaser diagram) instead of over the layer widths</source>
        <translation>Draws the vapour pressure profile over the diffusion-equivalent air layer thickness s_d (Glaser diagram) instead of over the layer widths</translation>
    </message>
    <message>
        <source>Layer %1 is now given by its sd-value and cannot carry a second material: &quot;%2&quot; was removed. Undo brings it back.</source>
        <translation>Layer %1 is now given by its sd-value and cannot carry a second material: &quot;%2&quot; was removed. Undo brings it back.</translation>
    </message>
</context>
<context>
    <name>Material</name>
    <message>
        <source>Invalid encoding &apos;%1&apos; of material color of layer %2 (line %3).</source>
        <translation>Invalid encoding &apos;%1&apos; of material color of layer %2 (line %3).</translation>
    </message>
    <message>
        <source>Invalid encoding &apos;%1&apos; of material color (line %2).</source>
        <translation>Invalid encoding &apos;%1&apos; of material color (line %2).</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>bulk density</source>
        <translation>bulk density</translation>
    </message>
    <message>
        <source>thermal conductivity</source>
        <translation>thermal conductivity</translation>
    </message>
    <message>
        <source>vapour diffusion resistance factor</source>
        <translation>vapour diffusion resistance factor</translation>
    </message>
    <message>
        <source>lower vapour diffusion resistance factor</source>
        <translation>lower vapour diffusion resistance factor</translation>
    </message>
    <message>
        <source>upper vapour diffusion resistance factor</source>
        <translation>upper vapour diffusion resistance factor</translation>
    </message>
    <message>
        <source>moisture content at 80 %RH</source>
        <translation>moisture content at 80 %RH</translation>
    </message>
    <message>
        <source>saturation moisture content</source>
        <translation>saturation moisture content</translation>
    </message>
    <message>
        <source>water absorption coefficient</source>
        <translation>water absorption coefficient</translation>
    </message>
    <message>
        <source>sd-value</source>
        <translation>sd-value</translation>
    </message>
    <message>
        <source>%1 %2%3, must be a finite number from %4 to %5%3.</source>
        <translation>%1 %2%3, must be a finite number from %4 to %5%3.</translation>
    </message>
    <message>
        <source>width</source>
        <translation>width</translation>
    </message>
    <message>
        <source>Area fraction %1, must lie above 0 and below 1 (0 % … 100 %).</source>
        <translation>Area fraction %1, must lie above 0 and below 1 (0 % … 100 %).</translation>
    </message>
    <message>
        <source>Width %1 m at spacing %2 m: both must be finite numbers from %3 to %4 m.</source>
        <translation>Width %1 m at spacing %2 m: both must be finite numbers from %3 to %4 m.</translation>
    </message>
    <message>
        <source>Width %1 m at spacing %2 m: the width must be smaller than the spacing.</source>
        <translation>Width %1 m at spacing %2 m: the width must be smaller than the spacing.</translation>
    </message>
    <message>
        <source>sd-value in the evaporation period</source>
        <translation>sd-value in the evaporation period</translation>
    </message>
    <message>
        <source>An sd-value for the evaporation period needs the sd-value of the condensation period: only a material given by its sd-value (a foil, a membrane, a coating) can have one.</source>
        <translation>An sd-value for the evaporation period needs the sd-value of the condensation period: only a material given by its sd-value (a foil, a membrane, a coating) can have one.</translation>
    </message>
</context>
<context>
    <name>MaterialCategory</name>
    <message>
        <source>Coating</source>
        <comment>MaterialCategory</comment>
        <translation>Coating</translation>
    </message>
    <message>
        <source>Plaster and mortar</source>
        <comment>MaterialCategory</comment>
        <translation>Plaster and mortar</translation>
    </message>
    <message>
        <source>Building brick</source>
        <comment>MaterialCategory</comment>
        <translation>Building brick</translation>
    </message>
    <message>
        <source>Natural stones</source>
        <comment>MaterialCategory</comment>
        <translation>Natural stones</translation>
    </message>
    <message>
        <source>Concrete containing building materials</source>
        <comment>MaterialCategory</comment>
        <translation>Concrete containing building materials</translation>
    </message>
    <message>
        <source>Insulation materials</source>
        <comment>MaterialCategory</comment>
        <translation>Insulation materials</translation>
    </message>
    <message>
        <source>Building boards</source>
        <comment>MaterialCategory</comment>
        <translation>Building boards</translation>
    </message>
    <message>
        <source>Timber</source>
        <comment>MaterialCategory</comment>
        <translation>Timber</translation>
    </message>
    <message>
        <source>Natural materials</source>
        <comment>MaterialCategory</comment>
        <translation>Natural materials</translation>
    </message>
    <message>
        <source>Soil</source>
        <comment>MaterialCategory</comment>
        <translation>Soil</translation>
    </message>
    <message>
        <source>Cladding panels and ceramic tiles</source>
        <comment>MaterialCategory</comment>
        <translation>Cladding panels and ceramic tiles</translation>
    </message>
    <message>
        <source>Foils and waterproofing products</source>
        <comment>MaterialCategory</comment>
        <translation>Foils and waterproofing products</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <comment>MaterialCategory</comment>
        <translation>Miscellaneous</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>MaterialCategory</comment>
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>MaterialConstructionTabWidget</name>
    <message>
        <source>Materials</source>
        <translation>Materials</translation>
    </message>
    <message>
        <source>Constructions</source>
        <translation>Constructions</translation>
    </message>
</context>
<context>
    <name>MaterialDatabaseDialog</name>
    <message>
        <source>Material/Construction Database</source>
        <translation>Material/Construction Database</translation>
    </message>
    <message>
        <source>Information about material properties</source>
        <translation>Information about material properties</translation>
    </message>
    <message>
        <source>Material properties</source>
        <translation>Material properties</translation>
    </message>
    <message>
        <source>%1: bulk density in kg/m%2
%3: thermal conductivity in W/(m K)
%4: vapor diffusion resistance factor (-)
sd: diffusion-equivalent air layer thickness in m (foils, membranes, coatings)
w_80: moisture content at 80% relative humidity in m%2/m%2
w_sat: moisture content at free saturation in m%2/m%2
A_w: water absorption coefficient in kg/(m%5 s%6)

Materials in italics are your own; only these can be edited or removed. Copy a shipped material to change its values.</source>
        <translation>%1: bulk density in kg/m%2
%3: thermal conductivity in W/(m K)
%4: vapor diffusion resistance factor (-)
sd: diffusion-equivalent air layer thickness in m (foils, membranes, coatings)
w_80: moisture content at 80% relative humidity in m%2/m%2
w_sat: moisture content at free saturation in m%2/m%2
A_w: water absorption coefficient in kg/(m%5 s%6)

Materials in italics are your own; only these can be edited or removed. Copy a shipped material to change its values.</translation>
    </message>
</context>
<context>
    <name>MaterialDatabaseSelectionWidget</name>
    <message>
        <source>Shows only the materials of one category.</source>
        <translation>Shows only the materials of one category.</translation>
    </message>
    <message>
        <source>Name contains ...</source>
        <translation>Name contains ...</translation>
    </message>
    <message>
        <source>Producer contains ...</source>
        <translation>Producer contains ...</translation>
    </message>
    <message>
        <source>Data source contains ...</source>
        <translation>Data source contains ...</translation>
    </message>
    <message>
        <source>Notes contain ...</source>
        <translation>Notes contain ...</translation>
    </message>
    <message>
        <source>Select a material to see its data source and notes.</source>
        <translation>Select a material to see its data source and notes.</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Producer:</source>
        <translation>Producer:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Source:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Comment:</translation>
    </message>
    <message>
        <source>All categories</source>
        <translation>All categories</translation>
    </message>
    <message>
        <source>%1 of %2 materials shown</source>
        <translation>%1 of %2 materials shown</translation>
    </message>
    <message>
        <source>from</source>
        <translation>from</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Finds the name in English, German and Polish.</source>
        <translation>Finds the name in English, German and Polish.</translation>
    </message>
    <message>
        <source>Shows only the materials whose thermal conductivity lies in this range, for example from 0.030 to 0.040 W/mK.</source>
        <translation>Shows only the materials whose thermal conductivity lies in this range, for example from 0.030 to 0.040 W/mK.</translation>
    </message>
    <message>
        <source>%1 [W/mK]:</source>
        <translation>%1 [W/mK]:</translation>
    </message>
</context>
<context>
    <name>MaterialDatabaseWidget</name>
    <message>
        <source>Add material</source>
        <translation>Add material</translation>
    </message>
    <message>
        <source>Add a new user defined material</source>
        <translation>Add a new user defined material</translation>
    </message>
    <message>
        <source>Remove material</source>
        <translation>Remove material</translation>
    </message>
    <message>
        <source>Removes user defined material</source>
        <translation>Removes user defined material</translation>
    </message>
    <message>
        <source>Edit material</source>
        <translation>Edit material</translation>
    </message>
    <message>
        <source>Edit user defined material</source>
        <translation>Edit user defined material</translation>
    </message>
    <message>
        <source>Copy material</source>
        <translation>Copy material</translation>
    </message>
    <message>
        <source>Copies the selected material into a new user defined material</source>
        <translation>Copies the selected material into a new user defined material</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Import external user database (version 1 and 2)</source>
        <translation>Import external user database (version 1 and 2)</translation>
    </message>
    <message>
        <source>New material</source>
        <translation>New material</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (copy)</translation>
    </message>
    <message>
        <source>Do you really want to remove the material &apos;%1&apos; from the user database?</source>
        <translation>Do you really want to remove the material &apos;%1&apos; from the user database?</translation>
    </message>
    <message>
        <source>Select file with user material database.</source>
        <translation>Select file with user material database.</translation>
    </message>
    <message>
        <source>Database for Mirelo 1.9 (*.txt)</source>
        <translation>Database for Mirelo 1.9 (*.txt)</translation>
    </message>
    <message>
        <source>Database for Mirelo 2.0 (*.mmat)</source>
        <translation>Database for Mirelo 2.0 (*.mmat)</translation>
    </message>
    <message>
        <source>Material read error.</source>
        <translation>Material read error.</translation>
    </message>
    <message>
        <source>No valid material file &apos;%1&apos;
 Extension sould be &apos;txt&apos; or &apos;mmat&apos;</source>
        <translation>No valid material file &apos;%1&apos;
 Extension should be &apos;txt&apos; or &apos;mmat&apos;</translation>
    </message>
    <message>
        <source>No materials found in file &apos;%1&apos;</source>
        <translation>No materials found in file &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Materials added.</source>
        <translation>Materials added.</translation>
    </message>
    <message>
        <source>%1 materials found in file &apos;%2&apos;</source>
        <translation>%1 materials found in file &apos;%2&apos;</translation>
    </message>
</context>
<context>
    <name>MaterialEditDialog</name>
    <message>
        <source>Edit material</source>
        <translation>Edit material</translation>
    </message>
    <message>
        <source>Select Material Color</source>
        <translation>Select Material Color</translation>
    </message>
    <message>
        <source>The bulk density must be &gt; 0.</source>
        <translation>The bulk density must be &gt; 0.</translation>
    </message>
    <message>
        <source>The thermal conductivity must be &gt; 0.</source>
        <translation>The thermal conductivity must be &gt; 0.</translation>
    </message>
    <message>
        <source>The vapor resistance factor must be &gt; 0.</source>
        <translation>The vapor resistance factor must be &gt; 0.</translation>
    </message>
    <message>
        <source>The vapor resistance factor must be &gt;= 0.</source>
        <translation>The vapor resistance factor must be &gt;= 0.</translation>
    </message>
    <message>
        <source>The moisture content at 80% humidity must be &gt; 0 and lower than the saturation moisture content.</source>
        <translation>The moisture content at 80% humidity must be &gt; 0 and lower than the saturation moisture content.</translation>
    </message>
    <message>
        <source>The moisture content at saturation must be larger than the moisture content at 80% humidity and lower equal than 1.0.</source>
        <translation>The moisture content at saturation must be larger than the moisture content at 80% humidity and lower equal than 1.0.</translation>
    </message>
    <message>
        <source>The water uptake coefficient must be &gt;= 0.</source>
        <translation>The water uptake coefficient must be &gt;= 0.</translation>
    </message>
    <message>
        <source>The sd-value must be &gt;= 0.</source>
        <translation>The sd-value must be &gt;= 0.</translation>
    </message>
    <message>
        <source>An sd-value &gt; 0 fixes the layer width to sd / %1 (foils, membranes, coatings); 0 for ordinary materials.</source>
        <translation>An sd-value &gt; 0 fixes the layer width to sd / %1 (foils, membranes, coatings); 0 for ordinary materials.</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Wood</translation>
    </message>
    <message>
        <source>Wood based</source>
        <translation>Wood based</translation>
    </message>
    <message>
        <source>Foil</source>
        <translation>Foil</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Product name:</translation>
    </message>
    <message>
        <source>Producer:</source>
        <translation>Producer:</translation>
    </message>
    <message>
        <source>Data source:</source>
        <translation>Data source:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>Material Properties</source>
        <translation>Material Properties</translation>
    </message>
    <message>
        <source>Bulk density [kg/m%1]:</source>
        <translation>Bulk density [kg/m%1]:</translation>
    </message>
    <message>
        <source>Thermal conductivity [W/mK]:</source>
        <translation>Thermal conductivity [W/mK]:</translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor [-]:</source>
        <translation>Vapor diffusion resistance factor [-]:</translation>
    </message>
    <message>
        <source>Lower value of %1 [-]:</source>
        <translation>Lower value of %1 [-]:</translation>
    </message>
    <message>
        <source>Upper value of %1 [-]:</source>
        <translation>Upper value of %1 [-]:</translation>
    </message>
    <message>
        <source>Moisture content at 80% RH [m%1/m%1]:</source>
        <translation>Moisture content at 80% RH [m%1/m%1]:</translation>
    </message>
    <message>
        <source>Moisture content at saturation [m%1/m%1]:</source>
        <translation>Moisture content at saturation [m%1/m%1]:</translation>
    </message>
    <message>
        <source>Water absorption coefficient [kg/m%1s%2]:</source>
        <translation>Water absorption coefficient [kg/m%1s%2]:</translation>
    </message>
    <message>
        <source>sd-value [m]:</source>
        <translation>sd-value [m]:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Flags:</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Measuring date:</source>
        <translation>Measuring date:</translation>
    </message>
    <message>
        <source>Sampling date:</source>
        <translation>Sampling date:</translation>
    </message>
    <message>
        <source>Production date:</source>
        <translation>Production date:</translation>
    </message>
    <message>
        <source>The material needs a name.</source>
        <translation>The material needs a name.</translation>
    </message>
    <message>
        <source>Please choose a category.</source>
        <translation>Please choose a category.</translation>
    </message>
    <message>
        <source>bulk density</source>
        <translation>bulk density</translation>
    </message>
    <message>
        <source>thermal conductivity</source>
        <translation>thermal conductivity</translation>
    </message>
    <message>
        <source>vapor diffusion resistance factor</source>
        <translation>vapor diffusion resistance factor</translation>
    </message>
    <message>
        <source>lower value of %1</source>
        <translation>lower value of %1</translation>
    </message>
    <message>
        <source>upper value of %1</source>
        <translation>upper value of %1</translation>
    </message>
    <message>
        <source>moisture content at 80% RH</source>
        <translation>moisture content at 80% RH</translation>
    </message>
    <message>
        <source>moisture content at saturation</source>
        <translation>moisture content at saturation</translation>
    </message>
    <message>
        <source>water absorption coefficient</source>
        <translation>water absorption coefficient</translation>
    </message>
    <message>
        <source>sd-value</source>
        <translation>sd-value</translation>
    </message>
    <message>
        <source>Please correct the %1.</source>
        <translation>Please correct the %1.</translation>
    </message>
    <message>
        <source>The material is not valid.</source>
        <translation>The material is not valid.</translation>
    </message>
    <message>
        <source>The sd-value in the evaporation period must be &gt;= 0.</source>
        <translation>The sd-value in the evaporation period must be &gt;= 0.</translation>
    </message>
    <message>
        <source>Humidity-variable vapour retarders: the sd-value in the evaporation (summer) period, the humid-range value of the data sheet; the sd-value above is then the dry-range value of the condensation (winter) period. Empty for every other material.</source>
        <translation>Humidity-variable vapour retarders: the sd-value in the evaporation (summer) period, the humid-range value of the data sheet; the sd-value above is then the dry-range value of the condensation (winter) period. Empty for every other material.</translation>
    </message>
    <message>
        <source>as in winter</source>
        <translation>as in winter</translation>
    </message>
    <message>
        <source>sd-value, evaporation period [m]:</source>
        <translation>sd-value, evaporation period [m]:</translation>
    </message>
    <message>
        <source>sd-value of the evaporation period</source>
        <translation>sd-value of the evaporation period</translation>
    </message>
</context>
<context>
    <name>MaterialEditWidget</name>
    <message>
        <source>Select Layer Color</source>
        <translation>Select Layer Color</translation>
    </message>
    <message>
        <source>The layer width must be &gt; 0.</source>
        <translation>The layer width must be &gt; 0.</translation>
    </message>
    <message>
        <source>This filed changes the width of a material layer.</source>
        <translation>This field changes the width of a material layer.</translation>
    </message>
    <message>
        <source>The name of the material of the selected layer.</source>
        <translation>The name of the material of the selected layer.</translation>
    </message>
    <message>
        <source>The thermal conductivity must be &gt; 0.</source>
        <translation>The thermal conductivity must be &gt; 0.</translation>
    </message>
    <message>
        <source>The vapor resistance factor must be &gt; 0.</source>
        <translation>The vapor resistance factor must be &gt; 0.</translation>
    </message>
    <message>
        <source>The moisture content at 80% humidity must be &gt; 0 and lower than the saturation moisture content.</source>
        <translation>The moisture content at 80% humidity must be &gt; 0 and lower than the saturation moisture content.</translation>
    </message>
    <message>
        <source>Moisture content must be in between 0.01 and 0.8.</source>
        <translation>Moisture content must be in between 0.01 and 0.8.</translation>
    </message>
    <message>
        <source>The moisture content at saturation must be larger than the moisture content at 80% humidity and lower equal than 1.0.</source>
        <translation>The moisture content at saturation must be larger than the moisture content at 80% humidity and lower equal than 1.0.</translation>
    </message>
    <message>
        <source>The water uptake coefficient must be &gt; 0.</source>
        <translation>The water uptake coefficient must be &gt; 0.</translation>
    </message>
    <message>
        <source>The sd-value must be &gt; 0.</source>
        <translation>The sd-value must be &gt; 0.</translation>
    </message>
    <message>
        <source>The unit can be configured in settings dialogue.</source>
        <translation>The unit can be configured in settings dialogue.</translation>
    </message>
    <message>
        <source>Layer Properties</source>
        <translation>Layer Properties</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Material Properties</source>
        <translation>Material Properties</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Thermal conductivity [W/mK]:</source>
        <translation>Thermal conductivity [W/mK]:</translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor [-]:</source>
        <translation>Vapor diffusion resistance factor [-]:</translation>
    </message>
    <message>
        <source>Moisture content at 80% RH [m%1/m%1]:</source>
        <translation>Moisture content at 80% RH [m%1/m%1]:</translation>
    </message>
    <message>
        <source>Moisture content at saturation [m%1/m%1]:</source>
        <translation>Moisture content at saturation [m%1/m%1]:</translation>
    </message>
    <message>
        <source>sd-value [m]</source>
        <translation>sd-value [m]</translation>
    </message>
    <message>
        <source>Layer width/height [%1]:</source>
        <translation>Layer width/height [%1]:</translation>
    </message>
    <message>
        <source>Water absorption coefficient [%1]:</source>
        <translation>Water absorption coefficient [%1]:</translation>
    </message>
    <message>
        <source>The sd-value of the layer; for a humidity-variable vapour retarder its value in the condensation (winter) period.</source>
        <translation>The sd-value of the layer; for a humidity-variable vapour retarder its value in the condensation (winter) period.</translation>
    </message>
    <message>
        <source>The sd-value in the evaporation period must be &gt; 0, or empty.</source>
        <translation>The sd-value in the evaporation period must be &gt; 0, or empty.</translation>
    </message>
    <message>
        <source>as in winter</source>
        <translation>as in winter</translation>
    </message>
    <message>
        <source>sd-value, evaporation period [m]:</source>
        <translation>sd-value, evaporation period [m]:</translation>
    </message>
    <message>
        <source>Second Material (Studs, Rafters, Battens)</source>
        <translation>Second Material (Studs, Rafters, Battens)</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>Choose the material of the studs, rafters or battens that run through this layer.</source>
        <translation>Choose the material of the studs, rafters or battens that run through this layer.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>The layer becomes homogeneous again.</source>
        <translation>The layer becomes homogeneous again.</translation>
    </message>
    <message>
        <source>Area fraction</source>
        <translation>Area fraction</translation>
    </message>
    <message>
        <source>Width and spacing</source>
        <translation>Width and spacing</translation>
    </message>
    <message>
        <source>The area fraction must lie above 0 % and below 100 %.</source>
        <translation>The area fraction must lie above 0 % and below 100 %.</translation>
    </message>
    <message>
        <source>The width must be &gt; 0 and smaller than the spacing.</source>
        <translation>The width must be &gt; 0 and smaller than the spacing.</translation>
    </message>
    <message>
        <source>The spacing must be &gt; 0 and larger than the width.</source>
        <translation>The spacing must be &gt; 0 and larger than the width.</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Entered as:</source>
        <translation>Entered as:</translation>
    </message>
    <message>
        <source>Area fraction [%]:</source>
        <translation>Area fraction [%]:</translation>
    </message>
    <message>
        <source>Width of one member [mm]:</source>
        <translation>Width of one member [mm]:</translation>
    </message>
    <message>
        <source>Spacing, centre to centre [mm]:</source>
        <translation>Spacing, centre to centre [mm]:</translation>
    </message>
    <message>
        <source>The sd-value of a humidity-variable vapour retarder in the evaporation (summer) period: the humid-range value of its data sheet. The Glaser scheme and the moisture-storage method let the construction dry through it; empty: the sd-value holds in both periods.</source>
        <translation>The sd-value of a humidity-variable vapour retarder in the evaporation (summer) period: the humid-range value of its data sheet. The Glaser scheme and the moisture-storage method let the construction dry through it; empty: the sd-value holds in both periods.</translation>
    </message>
    <message>
        <source>Only a material given by its sd-value (a foil, a membrane) can have a second sd-value for the evaporation period.</source>
        <translation>Only a material given by its sd-value (a foil, a membrane) can have a second sd-value for the evaporation period.</translation>
    </message>
    <message>
        <source>none (homogeneous layer)</source>
        <translation>none (homogeneous layer)</translation>
    </message>
    <message>
        <source>%1, %2 = %L3 W/mK</source>
        <translation>%1, %2 = %L3 W/mK</translation>
    </message>
</context>
<context>
    <name>MaterialList</name>
    <message>
        <source>Error reading material name!</source>
        <translation>Error reading material name!</translation>
    </message>
    <message>
        <source>Invalid keyword!</source>
        <translation>Invalid keyword!</translation>
    </message>
    <message>
        <source>Missing data!</source>
        <translation>Missing data!</translation>
    </message>
    <message>
        <source>Air space (not ventilated)</source>
        <translation>Air space (not ventilated)</translation>
    </message>
    <message>
        <source>Thermal conductivity will be calculated from construction and heat flow according DIN EN ISO 6946 5.3.</source>
        <translation>Thermal conductivity will be calculated from construction and heat flow according DIN EN ISO 6946 5.3.</translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor will be calculated from construction according DIN EN ISO 13788 4.1.</source>
        <translation>Vapor diffusion resistance factor will be calculated from construction according DIN EN ISO 13788 4.1.</translation>
    </message>
    <message>
        <source>Error reading material list from file &apos;%1&apos;!
%2</source>
        <translation>Error reading material list from file &apos;%1&apos;!
%2</translation>
    </message>
    <message>
        <source>Cannot open file.</source>
        <translation>Cannot open file.</translation>
    </message>
    <message>
        <source>Keyword &apos;FileVersion&apos; missing!</source>
        <translation>Keyword &apos;FileVersion&apos; missing!</translation>
    </message>
    <message>
        <source>Keyword &apos;MATERIAL_LIST&apos; missing!</source>
        <translation>Keyword &apos;MATERIAL_LIST&apos; missing!</translation>
    </message>
    <message>
        <source>Missing block start!</source>
        <translation>Missing block start!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; of material definition missing!</source>
        <translation>Block start &apos;{&apos; of material definition missing!</translation>
    </message>
    <message>
        <source>Cannot create directory &apos;%1&apos;.</source>
        <translation>Cannot create directory &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Cannot rename file &apos;%1&apos; to &apos;%2&apos;.</source>
        <translation>Cannot rename file &apos;%1&apos; to &apos;%2&apos;.</translation>
    </message>
</context>
<context>
    <name>MaterialTableModel</name>
    <message>
        <source>User defined material</source>
        <translation>User defined material</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>%1
[kg/m%2]</source>
        <translation>%1
[kg/m%2]</translation>
    </message>
    <message>
        <source>%1
[W/mK]</source>
        <translation>%1
[W/mK]</translation>
    </message>
    <message>
        <source>%1
[-]</source>
        <translation>%1
[-]</translation>
    </message>
    <message>
        <source>sd
[m]</source>
        <translation>sd
[m]</translation>
    </message>
    <message>
        <source>w_80
[m%1/m%1]</source>
        <translation>w_80
[m%1/m%1]</translation>
    </message>
    <message>
        <source>w_sat
[m%1/m%1]</source>
        <translation>w_sat
[m%1/m%1]</translation>
    </message>
    <message>
        <source>A_w
[kg/m%1s%2]</source>
        <translation>A_w
[kg/m%1s%2]</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Producer</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Data source</source>
        <translation>Data source</translation>
    </message>
    <message>
        <source>Bulk density</source>
        <translation>Bulk density</translation>
    </message>
    <message>
        <source>Thermal conductivity</source>
        <translation>Thermal conductivity</translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor</source>
        <translation>Vapor diffusion resistance factor</translation>
    </message>
    <message>
        <source>Diffusion-equivalent air layer thickness</source>
        <translation>Diffusion-equivalent air layer thickness</translation>
    </message>
    <message>
        <source>Moisture content at 80% relative humidity</source>
        <translation>Moisture content at 80% relative humidity</translation>
    </message>
    <message>
        <source>Moisture content at saturation</source>
        <translation>Moisture content at saturation</translation>
    </message>
    <message>
        <source>Water absorption coefficient</source>
        <translation>Water absorption coefficient</translation>
    </message>
    <message>
        <source>sd summer
[m]</source>
        <translation>sd summer
[m]</translation>
    </message>
    <message>
        <source>Diffusion-equivalent air layer thickness of a humidity-variable vapour retarder in the humid summer (evaporation period)</source>
        <translation>Diffusion-equivalent air layer thickness of a humidity-variable vapour retarder in the humid summer (evaporation period)</translation>
    </message>
</context>
<context>
    <name>MaterialTransfer</name>
    <message>
        <source>Data source: %1
</source>
        <translation>Data source: %1
</translation>
    </message>
    <message>
        <source>Notes: %1
</source>
        <translation>Notes: %1
</translation>
    </message>
    <message>
        <source>Air
</source>
        <comment>Material flag</comment>
        <translation>Air
</translation>
    </message>
    <message>
        <source>Wood
</source>
        <comment>Material flag</comment>
        <translation>Wood
</translation>
    </message>
    <message>
        <source>Wood based
</source>
        <comment>Material flag</comment>
        <translation>Wood based
</translation>
    </message>
    <message>
        <source>Measuring date: %1
</source>
        <translation>Measuring date: %1
</translation>
    </message>
    <message>
        <source>Production date: %1
</source>
        <translation>Production date: %1
</translation>
    </message>
    <message>
        <source>Sampling date: %1
</source>
        <translation>Sampling date: %1
</translation>
    </message>
    <message>
        <source>Humidity-variable: sd-value %1 m in the condensation period, %2 m in the evaporation period
</source>
        <translation>Humidity-variable: sd-value %1 m in the condensation period, %2 m in the evaporation period
</translation>
    </message>
</context>
<context>
    <name>MinimumHeatResistance</name>
    <message>
        <source>Outer wall</source>
        <translation>Outer wall</translation>
    </message>
    <message>
        <source>Partition wall</source>
        <translation>Partition wall</translation>
    </message>
    <message>
        <source>Wall to stair case with temperature &lt;10°C</source>
        <translation>Wall to stair case with temperature &lt;10°C</translation>
    </message>
    <message>
        <source>Wall to stair case with temperature &gt;10°C</source>
        <translation>Wall to stair case with temperature &gt;10°C</translation>
    </message>
    <message>
        <source>Common separating ceiling</source>
        <translation>Common separating ceiling</translation>
    </message>
    <message>
        <source>Separating ceiling for officebuilding with central heating</source>
        <translation>Separating ceiling for officebuilding with central heating</translation>
    </message>
    <message>
        <source>Floor plate over ground</source>
        <translation>Floor plate over ground</translation>
    </message>
    <message>
        <source>Floor plate to non ventilated cavity</source>
        <translation>Floor plate to non ventilated cavity</translation>
    </message>
    <message>
        <source>Ceiling below attic</source>
        <translation>Ceiling below attic</translation>
    </message>
    <message>
        <source>Ceiling for cellar</source>
        <translation>Ceiling for cellar</translation>
    </message>
    <message>
        <source>Floor over garage or passage</source>
        <translation>Floor over garage or passage</translation>
    </message>
    <message>
        <source>Roof</source>
        <translation>Roof</translation>
    </message>
    <message>
        <source>Wall of heated room to outside, ground, underground garage or similar</source>
        <translation>Wall of heated room to outside, ground, underground garage or similar</translation>
    </message>
    <message>
        <source>Roof pitch to outside</source>
        <translation>Roof pitch to outside</translation>
    </message>
    <message>
        <source>Flat roof or ceiling to outside</source>
        <translation>Flat roof or ceiling to outside</translation>
    </message>
    <message>
        <source>Ceiling to ventilated roof space or to non heated room</source>
        <translation>Ceiling to ventilated roof space or to non heated room</translation>
    </message>
    <message>
        <source>Ceiling between insulated roof pitch and jamb wall</source>
        <translation>Ceiling between insulated roof pitch and jamb wall</translation>
    </message>
    <message>
        <source>Floor over outside, underground garage, garage (heated or not), ventilated crawl space etc.</source>
        <translation>Floor over outside, underground garage, garage (heated or not), ventilated crawl space etc.</translation>
    </message>
    <message>
        <source>Floor over cellar, to ground, non ventilated crawl space</source>
        <translation>Floor over cellar, to ground, non ventilated crawl space</translation>
    </message>
    <message>
        <source>Wall between heated room and directly heated stair case</source>
        <translation>Wall between heated room and directly heated stair case</translation>
    </message>
    <message>
        <source>Wall between heated room and indirectly heated stair case</source>
        <translation>Wall between heated room and indirectly heated stair case</translation>
    </message>
    <message>
        <source>Partition walls between heated rooms</source>
        <translation>Partition walls between heated rooms</translation>
    </message>
    <message>
        <source>Ceiling between rooms of different use and apartment separating ceiling</source>
        <translation>Ceiling between rooms of different use and apartment separating ceiling</translation>
    </message>
    <message>
        <source>Construction with mass per area lower than 100kg/m2</source>
        <translation>Construction with mass per area lower than 100kg/m2</translation>
    </message>
    <message>
        <source>Cap 5.1.2.2</source>
        <translation>Cap 5.1.2.2</translation>
    </message>
    <message>
        <source>Opaque part of transparent constructions</source>
        <translation>Opaque part of transparent constructions</translation>
    </message>
    <message>
        <source>Cap 5.1.4</source>
        <translation>Cap 5.1.4</translation>
    </message>
    <message>
        <source>DIN 4108-2 2004 Tab. 3</source>
        <translation>DIN 4108-2 2004 Tab. 3</translation>
    </message>
    <message>
        <source>DIN 4108-2 2013 Tab. 3</source>
        <translation>DIN 4108-2 2013 Tab. 3</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>%1 row %2, thermal resistance  R &gt;= %L3 m&lt;sup&gt;2&lt;/sup&gt;K/W</source>
        <translation>%1 row %2, thermal resistance  R &gt;= %L3 m&lt;sup&gt;2&lt;/sup&gt;K/W</translation>
    </message>
    <message>
        <source>DIN 4108-2 Check for minmal &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; &amp;gt;= %L1</source>
        <translation>DIN 4108-2 Check for minimal &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; &amp;gt;= %L1</translation>
    </message>
    <message>
        <source>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = %L1</source>
        <translation>&lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; = %L1</translation>
    </message>
</context>
<context>
    <name>MoistStorageValidator</name>
    <message>
        <source>Moisture content at 80%RH less or equal 0</source>
        <translation>Moisture content at 80%RH less or equal 0</translation>
    </message>
    <message>
        <source>Saturation moisture content less or equal 0</source>
        <translation>Saturation moisture content less or equal 0</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH greater or equal saturation moisture content</source>
        <translation>Moisture content at 80%RH greater or equal saturation moisture content</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH leads to a moisture content at 95%RH greater or equal saturation moisture content</source>
        <translation>Moisture content at 80%RH leads to a moisture content at 95%RH greater or equal saturation moisture content</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH greater or equal to 1.0</source>
        <translation>Moisture content at 80%RH greater or equal to 1.0</translation>
    </message>
    <message>
        <source>Moisture content at saturation greater or equal to 1.0</source>
        <translation>Moisture content at saturation greater or equal to 1.0</translation>
    </message>
</context>
<context>
    <name>MoistureStorage</name>
    <message>
        <source>Invalid moisture storage values for &lt;a href=&quot;layer-%1&quot;&gt;layer #%1&lt;/a&gt;.</source>
        <translation>Invalid moisture storage values for &lt;a href=&quot;layer-%1&quot;&gt;layer #%1&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Current moisture content at 80%RH leads to an moisture content at 95%RH higher than saturation moisture content.</source>
        <translation>Current moisture content at 80%RH leads to an moisture content at 95%RH higher than saturation moisture content.</translation>
    </message>
    <message>
        <source>Could not find valid combination of k-planes! Algorithm error!</source>
        <translation>Could not find valid combination of k-planes! Algorithm error!</translation>
    </message>
    <message>
        <source>The search for condensation planes was stopped after %1 candidates.</source>
        <translation>The search for condensation planes was stopped after %1 candidates.</translation>
    </message>
    <message>
        <source>No Solution found!</source>
        <translation>No Solution found!</translation>
    </message>
    <message>
        <source>Error in calculation m_results.sk_Cond[%1], denominator == 0!</source>
        <translation>Error in calculation m_results.sk_Cond[%1], denominator == 0!</translation>
    </message>
    <message>
        <source>Error in calculation m_results.sk_Cond[%1], Value &lt; 0!</source>
        <translation>Error in calculation m_results.sk_Cond[%1], Value &lt; 0!</translation>
    </message>
</context>
<context>
    <name>NewProjectWizard</name>
    <message>
        <source>New Project Wizard</source>
        <translation>New Project Wizard</translation>
    </message>
    <message>
        <source>Project Information</source>
        <translation>Project Information</translation>
    </message>
    <message>
        <source>Please enter the information for this new project. You can change the default project information in the preferences dialog.</source>
        <translation>Please enter the information for this new project. You can change the default project information in the preferences dialog.</translation>
    </message>
    <message>
        <source>Construction kind:</source>
        <translation>Construction kind:</translation>
    </message>
    <message>
        <source>The kind sets the heat flow direction, the outside climate, the evaporation period of DIN 4108-3 and the row of DIN 4108-2 for the minimum thermal resistance. You can change each of them later.</source>
        <translation>The kind sets the heat flow direction, the outside climate, the evaporation period of DIN 4108-3 and the row of DIN 4108-2 for the minimum thermal resistance. You can change each of them later.</translation>
    </message>
</context>
<context>
    <name>NewProjectWizardMaterialPage</name>
    <message>
        <source>Select material for first layer</source>
        <translation>Select material for first layer</translation>
    </message>
    <message>
        <source>Please select a material below. This material will be the first material layer of your construction. You can choose any material now and add/move/delete layers later as required.</source>
        <translation>Please select a material below. This material will be the first material layer of your construction. You can choose any material now and add/move/delete layers later as required.</translation>
    </message>
    <message>
        <source>Project template:</source>
        <translation>Project template:</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>New Project</translation>
    </message>
    <message>
        <source>You can add your own projects as templates by copying the project files into the Templates subdirectory.</source>
        <translation>You can add your own projects as templates by copying the project files into the Templates subdirectory.</translation>
    </message>
</context>
<context>
    <name>Plausibility</name>
    <message>
        <source>A bulk density below %1 kg/m³ is lighter than any insulation material.</source>
        <translation>A bulk density below %1 kg/m³ is lighter than any insulation material.</translation>
    </message>
    <message>
        <source>A bulk density above %1 kg/m³ is heavier than steel and copper.</source>
        <translation>A bulk density above %1 kg/m³ is heavier than steel and copper.</translation>
    </message>
    <message>
        <source>A thermal conductivity above %1 W/(mK) is that of a metal, not of a building material; was a decimal separator lost?</source>
        <translation>A thermal conductivity above %1 W/(mK) is that of a metal, not of a building material; was a decimal separator lost?</translation>
    </message>
    <message>
        <source>A thermal conductivity below %1 W/(mK) is reached only by vacuum insulation panels.</source>
        <translation>A thermal conductivity below %1 W/(mK) is reached only by vacuum insulation panels.</translation>
    </message>
    <message>
        <source>A vapour diffusion resistance factor below 1 lets vapour through more easily than still air.</source>
        <translation>A vapour diffusion resistance factor below 1 lets vapour through more easily than still air.</translation>
    </message>
    <message>
        <source>A vapour diffusion resistance factor above %1 is that of a vapour barrier; this material is not marked as a foil.</source>
        <translation>A vapour diffusion resistance factor above %1 is that of a vapour barrier; this material is not marked as a foil.</translation>
    </message>
    <message>
        <source>A moisture content above %1 m³/m³ at 80 % RH is more than hygroscopic materials hold.</source>
        <translation>A moisture content above %1 m³/m³ at 80 % RH is more than hygroscopic materials hold.</translation>
    </message>
    <message>
        <source>A water absorption coefficient above 1 kg/(m²s½) (60 kg/(m²h½)) is higher than that of any building material; was the unit mixed up?</source>
        <translation>A water absorption coefficient above 1 kg/(m²s½) (60 kg/(m²h½)) is higher than that of any building material; was the unit mixed up?</translation>
    </message>
    <message>
        <source>A layer wider than %1 m is unusual; was the width typed in another unit?</source>
        <translation>A layer wider than %1 m is unusual; was the width typed in another unit?</translation>
    </message>
    <message>
        <source>A layer thinner than 1 mm is unusual unless it is a foil; was the width typed in another unit?</source>
        <translation>A layer thinner than 1 mm is unusual unless it is a foil; was the width typed in another unit?</translation>
    </message>
    <message>
        <source>An indoor temperature outside %1 °C to %2 °C in winter is unusual for a heated room.</source>
        <translation>An indoor temperature outside %1 °C to %2 °C in winter is unusual for a heated room.</translation>
    </message>
    <message>
        <source>An outdoor temperature above %1 °C is unusual for a condensation period.</source>
        <translation>An outdoor temperature above %1 °C is unusual for a condensation period.</translation>
    </message>
    <message>
        <source>An indoor relative humidity above %1 % occurs only in swimming pools and wet rooms.</source>
        <translation>An indoor relative humidity above %1 % occurs only in swimming pools and wet rooms.</translation>
    </message>
    <message>
        <source>A relative humidity below %1 % is unusually dry for a building climate.</source>
        <translation>A relative humidity below %1 % is unusually dry for a building climate.</translation>
    </message>
    <message>
        <source>A surface resistance above %1 m²K/W is unusual; the standards use %2 to %3 m²K/W.</source>
        <translation>A surface resistance above %1 m²K/W is unusual; the standards use %2 to %3 m²K/W.</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>No project to save.</source>
        <translation>No project to save.</translation>
    </message>
    <message>
        <source>Error reading file as MIRELO 1 version.
</source>
        <translation>Error reading file as MIRELO 1 version.
</translation>
    </message>
    <message>
        <source>Cannot open file &apos;%1&apos; for writing: %2</source>
        <translation>Cannot open file &apos;%1&apos; for writing: %2</translation>
    </message>
    <message>
        <source>Error writing file &apos;%1&apos;: %2</source>
        <translation>Error writing file &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a directory, not a project file.</source>
        <translation>&apos;%1&apos; is a directory, not a project file.</translation>
    </message>
    <message>
        <source>Cannot open file &apos;%1&apos; for reading (maybe missing permissions).</source>
        <translation>Cannot open file &apos;%1&apos; for reading (maybe missing permissions).</translation>
    </message>
    <message>
        <source>Project doesn&apos;t contain any layers. Please create a new project!</source>
        <translation>Project doesn&apos;t contain any layers. Please create a new project!</translation>
    </message>
    <message>
        <source>Control characters in texts were replaced by U+FFFD.</source>
        <translation>Control characters in texts were replaced by U+FFFD.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>it is not a regular file.</translation>
    </message>
    <message>
        <source>Texts longer than %1 characters were shortened to that length.</source>
        <translation>Texts longer than %1 characters were shortened to that length.</translation>
    </message>
    <message>
        <source>There is no such layer.</source>
        <translation>There is no such layer.</translation>
    </message>
    <message>
        <source>The value must be a finite number.</source>
        <translation>The value must be a finite number.</translation>
    </message>
    <message>
        <source>Unknown layer value.</source>
        <translation>Unknown layer value.</translation>
    </message>
    <message>
        <source>The vapor resistance factor must be at least 0.1.</source>
        <translation>The vapor resistance factor must be at least 0.1.</translation>
    </message>
    <message>
        <source>The moisture content at saturation cannot exceed 1 m³/m³.</source>
        <translation>The moisture content at saturation cannot exceed 1 m³/m³.</translation>
    </message>
    <message>
        <source>The thermal conductivity must be &gt; 0.</source>
        <translation>The thermal conductivity must be &gt; 0.</translation>
    </message>
    <message>
        <source>The water uptake coefficient must be &gt; 0.</source>
        <translation>The water uptake coefficient must be &gt; 0.</translation>
    </message>
    <message>
        <source>The layer width must be &gt; 0.</source>
        <translation>The layer width must be &gt; 0.</translation>
    </message>
    <message>
        <source>The width of this layer follows from the sd-value of its material.</source>
        <translation>The width of this layer follows from the sd-value of its material.</translation>
    </message>
    <message>
        <source>No project is open.</source>
        <translation>No project is open.</translation>
    </message>
    <message>
        <source>The temperature must lie between -40 °C and 80 °C.</source>
        <translation>The temperature must lie between -40 °C and 80 °C.</translation>
    </message>
    <message>
        <source>In the condensation period the temperature of the warm side must not be below that of the cold side.</source>
        <translation>In the condensation period the temperature of the warm side must not be below that of the cold side.</translation>
    </message>
    <message>
        <source>The relative humidity must lie between 0 % and 100 %.</source>
        <translation>The relative humidity must lie between 0 % and 100 %.</translation>
    </message>
    <message>
        <source>The surface resistance must be &gt; 0.</source>
        <translation>The surface resistance must be &gt; 0.</translation>
    </message>
    <message>
        <source>A layer given by its sd-value (a foil, a membrane) cannot carry a second material.</source>
        <translation>A layer given by its sd-value (a foil, a membrane) cannot carry a second material.</translation>
    </message>
    <message>
        <source>The area fraction does not follow from width and spacing.</source>
        <translation>The area fraction does not follow from width and spacing.</translation>
    </message>
    <message>
        <source>The second material &quot;%1&quot; is not valid.</source>
        <translation>The second material &quot;%1&quot; is not valid.</translation>
    </message>
    <message>
        <source>Layer %1 (%2) is given by its sd-value and cannot carry a second material; its second material &quot;%3&quot; was removed.</source>
        <translation>Layer %1 (%2) is given by its sd-value and cannot carry a second material; its second material &quot;%3&quot; was removed.</translation>
    </message>
</context>
<context>
    <name>ProjectInformationEditDialog</name>
    <message>
        <source>Project information</source>
        <translation>Project information</translation>
    </message>
</context>
<context>
    <name>ProjectInformationEditWidget</name>
    <message>
        <source>Heat flow down</source>
        <translation>Heat flow down</translation>
    </message>
    <message>
        <source>Heat flow up</source>
        <translation>Heat flow up</translation>
    </message>
    <message>
        <source>horizontal heat flow</source>
        <translation>horizontal heat flow</translation>
    </message>
    <message>
        <source>Project name:</source>
        <translation>Project name:</translation>
    </message>
    <message>
        <source>Construction ID:</source>
        <translation>Construction ID:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Final remarks:</source>
        <translation>Final remarks:</translation>
    </message>
    <message>
        <source>Heat flow direction:</source>
        <translation>Heat flow direction:</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Export file</source>
        <translation>Export file</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>The report could not be painted.</source>
        <translation>The report could not be painted.</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 version %2</translation>
    </message>
</context>
<context>
    <name>ReportFrameBase</name>
    <message>
        <source>Requirement fulfilled</source>
        <translation>Requirement fulfilled</translation>
    </message>
    <message>
        <source>Requirement not fulfilled</source>
        <translation>Requirement not fulfilled</translation>
    </message>
    <message>
        <source>not evaluated (%1)</source>
        <translation>not evaluated (%1)</translation>
    </message>
    <message>
        <source>plane at the inner surface</source>
        <translation>plane at the inner surface</translation>
    </message>
    <message>
        <source>plane at the outer surface</source>
        <translation>plane at the outer surface</translation>
    </message>
    <message>
        <source>plane between layer %1 and %2</source>
        <translation>plane between layer %1 and %2</translation>
    </message>
    <message>
        <source>zone from interface %1 to %2 (layers %3 to %4)</source>
        <translation>zone from interface %1 to %2 (layers %3 to %4)</translation>
    </message>
</context>
<context>
    <name>ReportFrameConclusions</name>
    <message>
        <source>Print Summary of Results</source>
        <translation>Summary of Results</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the construction (moisture dependent)</source>
        <translation>Thermal transmission coefficient of the construction (moisture dependent)</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the construction according ISO 6946 (dry)</source>
        <translation>Thermal transmission coefficient of the construction according ISO 6946 (dry)</translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the construction (dry)</source>
        <translation>Thermal transfer resistance of the construction (dry)</translation>
    </message>
    <message>
        <source>Unspecific error.</source>
        <translation>Unspecific error.</translation>
    </message>
    <message>
        <source>Condensation mass after condensation period (based on MIRELO)</source>
        <translation>Condensation mass after condensation period (based on MIRELO)</translation>
    </message>
    <message>
        <source>Drying time</source>
        <translation>Drying time</translation>
    </message>
    <message>
        <source>Not applicable</source>
        <translation>Not applicable</translation>
    </message>
    <message>
        <source>No drying</source>
        <translation>No drying</translation>
    </message>
    <message>
        <source>Minimum thermal protection</source>
        <translation>Minimum thermal protection</translation>
    </message>
    <message>
        <source>No condensate: no drying reserve to check</source>
        <translation>No condensate: no drying reserve to check</translation>
    </message>
    <message>
        <source>No U-value: the upper limit of the thermal resistance exceeds the lower limit %L1 times, more than the %L2 up to which ISO 6946 applies to inhomogeneous layers. A numerical calculation of the thermal bridges is needed.</source>
        <translation>No U-value: the upper limit of the thermal resistance exceeds the lower limit %L1 times, more than the %L2 up to which ISO 6946 applies to inhomogeneous layers. A numerical calculation of the thermal bridges is needed.</translation>
    </message>
    <message>
        <source>The temperatures and the condensation assessments (MIRELO and Glaser) are those of the field section between the studs or rafters, as DIN 4108-3 assesses it.</source>
        <translation>The temperatures and the condensation assessments (MIRELO and Glaser) are those of the field section between the studs or rafters, as DIN 4108-3 assesses it.</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient according ISO 6946, inhomogeneous layers (dry)</source>
        <translation>Thermal transmission coefficient according ISO 6946, inhomogeneous layers (dry)</translation>
    </message>
    <message>
        <source>Upper limit of the thermal resistance</source>
        <translation>Upper limit of the thermal resistance</translation>
    </message>
    <message>
        <source>Lower limit of the thermal resistance</source>
        <translation>Lower limit of the thermal resistance</translation>
    </message>
    <message>
        <source>Relative error of the limits</source>
        <translation>Relative error of the limits</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the field section according ISO 6946 (dry)</source>
        <translation>Thermal transmission coefficient of the field section according ISO 6946 (dry)</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the field section (moisture dependent)</source>
        <translation>Thermal transmission coefficient of the field section (moisture dependent)</translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the field section (dry)</source>
        <translation>Thermal transfer resistance of the field section (dry)</translation>
    </message>
    <message>
        <source>Condensation mass after condensation period (Glaser scheme)</source>
        <translation>Condensation mass after condensation period (Glaser scheme)</translation>
    </message>
    <message>
        <source>Dry thermal resistance</source>
        <translation>Dry thermal resistance</translation>
    </message>
</context>
<context>
    <name>ReportFrameProjectInfo</name>
    <message>
        <source>Project:</source>
        <translation>Project:</translation>
    </message>
    <message>
        <source>Construction:</source>
        <translation>Construction:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>Construction kind:</source>
        <translation>Construction kind:</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>General Appearance</source>
        <translation>General Appearance</translation>
    </message>
    <message>
        <source>Input Data</source>
        <translation>Input Data</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Diagrams</source>
        <translation>Diagrams</translation>
    </message>
    <message>
        <source>Final Remarks</source>
        <translation>Final Remarks</translation>
    </message>
    <message>
        <source>Fit Page in View</source>
        <translation>Fit Page in View</translation>
    </message>
    <message>
        <source>Fit to Page Width</source>
        <translation>Fit to Page Width</translation>
    </message>
    <message>
        <source>Custom Zoom</source>
        <translation>Custom Zoom</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Write pdf</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>Page Setup...</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Export current page to file</source>
        <translation>Export current page to file</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Footer</translation>
    </message>
    <message>
        <source>Project information</source>
        <translation>Project information</translation>
    </message>
    <message>
        <source>Page numbers in footer</source>
        <translation>Page numbers in footer</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>Global font</source>
        <translation>Global font</translation>
    </message>
    <message>
        <source>Construction sketch</source>
        <translation>Construction sketch</translation>
    </message>
    <message>
        <source>Material data</source>
        <translation>Material data</translation>
    </message>
    <message>
        <source>Climate data</source>
        <translation>Climate data</translation>
    </message>
    <message>
        <source>Surface Resistance</source>
        <translation>Surface Resistance</translation>
    </message>
    <message>
        <source>Resistances and %1 values</source>
        <translation>Resistances and %1 values</translation>
    </message>
    <message>
        <source>%1 Results - Detailed Table</source>
        <translation>%1 Results - Detailed Table</translation>
    </message>
    <message>
        <source>%1 Results - Summary</source>
        <translation>%1 Results - Summary</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser) - Summary</source>
        <translation>DIN 4108-3 (Glaser) - Summary</translation>
    </message>
    <message>
        <source>Frsi check with inner surface resistance of %L1 m2K/W</source>
        <translation>fRsi check with inner surface resistance of %L1 m²K/W</translation>
    </message>
    <message>
        <source>Construction kind for test of minimum thermal resistance
according german standard DIN 4108-2 table 3</source>
        <translation>Construction kind for test of minimum thermal resistance
according german standard DIN 4108-2 table 3</translation>
    </message>
    <message>
        <source>Temperature and moisture profiles</source>
        <translation>Temperature and moisture profiles</translation>
    </message>
    <message>
        <source>Vapor pressure profiles</source>
        <translation>Vapor pressure profiles</translation>
    </message>
    <message>
        <source>Print Final Remarks</source>
        <translation>Print Final Remarks</translation>
    </message>
    <message>
        <source>Update view of text in report.</source>
        <translation>Update view of text in report.</translation>
    </message>
    <message>
        <source>Cannot print report.</source>
        <translation>Cannot print report.</translation>
    </message>
    <message>
        <source>Creating paint device failed.</source>
        <translation>Creating paint device failed.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Cannot write pdf file.</source>
        <translation>Cannot write pdf file.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be written: %2</source>
        <translation>The file &apos;%1&apos; could not be written: %2</translation>
    </message>
    <message>
        <source>Png file (*.png)</source>
        <translation>Png file (*.png)</translation>
    </message>
    <message>
        <source>Pdf file (*.pdf)</source>
        <translation>Pdf file (*.pdf)</translation>
    </message>
    <message>
        <source>Svg file (*.svg)</source>
        <translation>Svg file (*.svg)</translation>
    </message>
    <message>
        <source>Jpg image (*.jpg)</source>
        <translation>Jpg image (*.jpg)</translation>
    </message>
    <message>
        <source>Project description:</source>
        <translation>Project description:</translation>
    </message>
    <message>
        <source>U-value table (DIN EN ISO 6946)</source>
        <translation>U-value table (DIN EN ISO 6946)</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser) - Diagram over s_d</source>
        <translation>DIN 4108-3 (Glaser) - Diagram over s_d</translation>
    </message>
</context>
<context>
    <name>ResistanceFrame</name>
    <message>
        <source>Thermal, Vapour Diffusion and Liquid Transport Resistances</source>
        <translation>Thermal, Vapour Diffusion and Liquid Transport Resistances</translation>
    </message>
    <message>
        <source>Layer / Material</source>
        <translation>Layer / Material</translation>
    </message>
    <message>
        <source>Sum of resistances (moisture dependend)</source>
        <translation>Sum of resistances (moisture dependent)</translation>
    </message>
    <message>
        <source>Sum of resistances</source>
        <translation>Sum of resistances</translation>
    </message>
    <message>
        <source> (moisture dependend)</source>
        <translation> (moisture dependent)</translation>
    </message>
    <message>
        <source>Thermal transmission resistance:</source>
        <translation>Thermal transmission resistance:</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient:</source>
        <translation>Thermal transmission coefficient:</translation>
    </message>
    <message>
        <source>R&lt;sub&gt;T&lt;/sub&gt; and U with the surface resistances of DIN EN ISO 6946 (R&lt;sub&gt;si&lt;/sub&gt; = %1 m&lt;sup&gt;2&lt;/sup&gt;K/W, R&lt;sub&gt;se&lt;/sub&gt; = %2 m&lt;sup&gt;2&lt;/sup&gt;K/W).</source>
        <translation>R&lt;sub&gt;T&lt;/sub&gt; and U with the surface resistances of DIN EN ISO 6946 (R&lt;sub&gt;si&lt;/sub&gt; = %1 m&lt;sup&gt;2&lt;/sup&gt;K/W, R&lt;sub&gt;se&lt;/sub&gt; = %2 m&lt;sup&gt;2&lt;/sup&gt;K/W).</translation>
    </message>
    <message>
        <source>Resistances of the field section between the studs or rafters; the U-value of the component with its second materials (ISO 6946, upper and lower limit) is given in the summary of results.</source>
        <translation>Resistances of the field section between the studs or rafters; the U-value of the component with its second materials (ISO 6946, upper and lower limit) is given in the summary of results.</translation>
    </message>
</context>
<context>
    <name>ResultType</name>
    <message>
        <source>No input!</source>
        <translation>No input!</translation>
    </message>
    <message>
        <source>Invalid input!</source>
        <translation>Invalid input!</translation>
    </message>
    <message>
        <source>There is no algorithm for this problem.</source>
        <translation>There is no algorithm for this problem.</translation>
    </message>
    <message>
        <source>Condensation on the surface (warm side). No calculation possible.</source>
        <translation>Condensation on the surface (warm side). No calculation possible.</translation>
    </message>
    <message>
        <source>Condensation on the surface (cold side). No calculation possible.</source>
        <translation>Condensation on the surface (cold side). No calculation possible.</translation>
    </message>
    <message>
        <source>Only one layer. No condensate possible!</source>
        <translation>Only one layer. No condensate possible!</translation>
    </message>
    <message>
        <source>No condensate emerges!</source>
        <translation>No condensate emerges!</translation>
    </message>
    <message>
        <source>t_hyg bigger than duration of winter climate!</source>
        <translation>t_hyg bigger than duration of winter climate!</translation>
    </message>
    <message>
        <source>Condensation between layer %1 and %2!</source>
        <translation>Condensation between layer %1 and %2!</translation>
    </message>
    <message>
        <source>Condensation between layer </source>
        <translation>Condensation between layer </translation>
    </message>
    <message>
        <source>%1 and %2, </source>
        <translation>%1 and %2, </translation>
    </message>
    <message>
        <source>%1 and %2.</source>
        <translation>%1 and %2.</translation>
    </message>
    <message>
        <source>Unknown result!</source>
        <translation>Unknown result!</translation>
    </message>
    <message>
        <source>Unspecific error.</source>
        <translation>Unspecific error.</translation>
    </message>
    <message>
        <source>Algorithm missing. No calculation possible.</source>
        <translation>Algorithm missing. No calculation possible.</translation>
    </message>
    <message>
        <source>Surface condensation left side. No calculation possible.</source>
        <translation>Surface condensation left side. No calculation possible.</translation>
    </message>
    <message>
        <source>Surface condensation right side. No calculation possible.</source>
        <translation>Surface condensation right side. No calculation possible.</translation>
    </message>
    <message>
        <source>Only one layer. No condensation possible.</source>
        <translation>Only one layer. No condensation possible.</translation>
    </message>
    <message>
        <source>No condensation.</source>
        <translation>No condensation.</translation>
    </message>
    <message>
        <source>Too long hygroscopic loading time.</source>
        <translation>Too long hygroscopic loading time.</translation>
    </message>
</context>
<context>
    <name>ResultsTableFrame</name>
    <message>
        <source>Temperatures, Vapoure Pressures and Moisture Contents</source>
        <translation>Temperatures, Vapour Pressures and Moisture Contents</translation>
    </message>
    <message>
        <source>Layer / Material</source>
        <translation>Layer / Material</translation>
    </message>
    <message>
        <source>Air layer (warm side)</source>
        <translation>Air layer (warm side)</translation>
    </message>
    <message>
        <source>Air layer (cold side)</source>
        <translation>Air layer (cold side)</translation>
    </message>
    <message>
        <source>%1 - temperature,</source>
        <translation>%1 - temperature,</translation>
    </message>
    <message>
        <source>%1 - saturation vapour pressure,</source>
        <translation>%1 - saturation vapour pressure,</translation>
    </message>
    <message>
        <source>p - vapour pressure,</source>
        <translation>p - vapour pressure,</translation>
    </message>
    <message>
        <source>w - moisture content,</source>
        <translation>w - moisture content,</translation>
    </message>
    <message>
        <source>d&lt;sub&gt;c&lt;/sub&gt; - thickness of condensation layer,&lt;br/&gt;</source>
        <translation>d&lt;sub&gt;c&lt;/sub&gt; - thickness of condensation layer,&lt;br/&gt;</translation>
    </message>
    <message>
        <source>M&lt;sub&gt;c&lt;/sub&gt; - %1</source>
        <translation>M&lt;sub&gt;c&lt;/sub&gt; - %1</translation>
    </message>
    <message>
        <source>condensation mass</source>
        <translation>condensation mass</translation>
    </message>
    <message>
        <source>&amp;theta;, p&lt;sub&gt;sat&lt;/sub&gt; and p at the cold-side face of each row (warm-side air layer: inner surface; cold-side air layer: outdoor air); w at the warm / cold face of the layer; values of the condensation period (moisture storage method).</source>
        <translation>&amp;theta;, p&lt;sub&gt;sat&lt;/sub&gt; and p at the cold-side face of each row (warm-side air layer: inner surface; cold-side air layer: outdoor air); w at the warm / cold face of the layer; values of the condensation period (moisture storage method).</translation>
    </message>
</context>
<context>
    <name>ShowLogfile</name>
    <message>
        <source>Dialog</source>
        <translation>Log File</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copy to Clipboard</translation>
    </message>
    <message>
        <source>No logfile found at position
 %1</source>
        <translation>No logfile found at position
 %1</translation>
    </message>
</context>
<context>
    <name>SketchFrame</name>
    <message>
        <source>Construction Sketch</source>
        <translation>Construction Sketch</translation>
    </message>
    <message>
        <source>inside</source>
        <translation>inside</translation>
    </message>
    <message>
        <source>outside</source>
        <translation>outside</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>External wall with ETICS</source>
        <translation>External wall with ETICS</translation>
    </message>
    <message>
        <source>Sand-lime brick with 160 mm EPS outside: no condensate.</source>
        <translation>Sand-lime brick with 160 mm EPS outside: no condensate.</translation>
    </message>
    <message>
        <source>Timber-frame wall</source>
        <translation>Timber-frame wall</translation>
    </message>
    <message>
        <source>Vapour retarder behind an installation cavity: air layers and wood.</source>
        <translation>Vapour retarder behind an installation cavity: air layers and wood.</translation>
    </message>
    <message>
        <source>Pitched roof, insulation between rafters</source>
        <translation>Pitched roof, insulation between rafters</translation>
    </message>
    <message>
        <source>Humidity-variable vapour retarder, heat flow upwards through an air layer.</source>
        <translation>Humidity-variable vapour retarder, heat flow upwards through an air layer.</translation>
    </message>
    <message>
        <source>Interior insulation without vapour retarder</source>
        <translation>Interior insulation without vapour retarder</translation>
    </message>
    <message>
        <source>The classic damage case: condensate behind the insulation, DIN 4108-3 not fulfilled.</source>
        <translation>The classic damage case: condensate behind the insulation, DIN 4108-3 not fulfilled.</translation>
    </message>
    <message>
        <source>Flat roof, warm deck</source>
        <translation>Flat roof, warm deck</translation>
    </message>
    <message>
        <source>A nearly tight vapour barrier: where the Glaser scheme and the moisture-storage method differ.</source>
        <translation>A nearly tight vapour barrier: where the Glaser scheme and the moisture-storage method differ.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>New project…</source>
        <translation>New project…</translation>
    </message>
    <message>
        <source>Enter the project information and choose the first layer in the new-project wizard.</source>
        <translation>Enter the project information and choose the first layer in the new-project wizard.</translation>
    </message>
    <message>
        <source>Open project…</source>
        <translation>Open project…</translation>
    </message>
    <message>
        <source>Open a project file (m2p, or mpj of MIRELO 1).</source>
        <translation>Open a project file (m2p, or mpj of MIRELO 1).</translation>
    </message>
    <message>
        <source>Quick start</source>
        <translation>Quick start</translation>
    </message>
    <message>
        <source>The chapter of the manual that walks through the examples.</source>
        <translation>The chapter of the manual that walks through the examples.</translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation>Recent projects</translation>
    </message>
    <message>
        <source>No project opened yet.</source>
        <translation>No project opened yet.</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>The example projects were not found in %1.</source>
        <translation>The example projects were not found in %1.</translation>
    </message>
    <message>
        <source>Published example: timber-frame wall</source>
        <translation>Published example: timber-frame wall</translation>
    </message>
    <message>
        <source>A textbook Glaser example with a vapour retarder, computed again: compare the figures.</source>
        <translation>A textbook Glaser example with a vapour retarder, computed again: compare the figures.</translation>
    </message>
    <message>
        <source>Published example: non-ventilated flat roof</source>
        <translation>Published example: non-ventilated flat roof</translation>
    </message>
    <message>
        <source>A textbook Glaser example of a roof: its evaporation climate follows from the construction kind.</source>
        <translation>A textbook Glaser example of a roof: its evaporation climate follows from the construction kind.</translation>
    </message>
</context>
<context>
    <name>SurfaceResistanceFrame</name>
    <message>
        <source>Surface Resistances</source>
        <translation>Surface Resistances</translation>
    </message>
    <message>
        <source>Warm side:</source>
        <translation>Warm side:</translation>
    </message>
    <message>
        <source>Cold side:</source>
        <translation>Cold side:</translation>
    </message>
</context>
<context>
    <name>UValueFrame</name>
    <message>
        <source>Thermal Transmittance according to DIN EN ISO 6946</source>
        <translation>Thermal Transmittance according to DIN EN ISO 6946</translation>
    </message>
    <message>
        <source>heat flow upwards</source>
        <translation>heat flow upwards</translation>
    </message>
    <message>
        <source>heat flow horizontal</source>
        <translation>heat flow horizontal</translation>
    </message>
    <message>
        <source>heat flow downwards</source>
        <translation>heat flow downwards</translation>
    </message>
    <message>
        <source>Inside surface resistance R&lt;sub&gt;si&lt;/sub&gt; (%1)</source>
        <translation>Inside surface resistance R&lt;sub&gt;si&lt;/sub&gt; (%1)</translation>
    </message>
    <message>
        <source>Outside surface resistance R&lt;sub&gt;se&lt;/sub&gt;</source>
        <translation>Outside surface resistance R&lt;sub&gt;se&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Total thermal resistance R&lt;sub&gt;T&lt;/sub&gt;</source>
        <translation>Total thermal resistance R&lt;sub&gt;T&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Thermal transmittance (dry design values):</source>
        <translation>Thermal transmittance (dry design values):</translation>
    </message>
    <message>
        <source>with moisture-dependent conductivity:</source>
        <translation>with moisture-dependent conductivity:</translation>
    </message>
    <message>
        <source>* Unventilated air layer: thermal resistance from the table of DIN EN ISO 6946 for its thickness and the heat-flow direction.</source>
        <translation>* Unventilated air layer: thermal resistance from the table of DIN EN ISO 6946 for its thickness and the heat-flow direction.</translation>
    </message>
</context>
<context>
    <name>UndoChangeDisclaimer</name>
    <message>
        <source>Change of final remarks</source>
        <translation>Change of final remarks</translation>
    </message>
</context>
<context>
    <name>UserDialogs</name>
    <message>
        <source>User data found</source>
        <translation>User data found</translation>
    </message>
    <message>
        <source>The directory &apos;%1&apos; already holds a material or construction database. Use the data there, or add your own materials and constructions to it?</source>
        <translation>The directory &apos;%1&apos; already holds a material or construction database. Use the data there, or add your own materials and constructions to it?</translation>
    </message>
    <message>
        <source>Use the data there</source>
        <translation>Use the data there</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Merge</translation>
    </message>
</context>
<context>
    <name>UserLogoSettingsWidget</name>
    <message>
        <source>User Logo</source>
        <translation>User Logo</translation>
    </message>
    <message>
        <source>No user logo</source>
        <translation>No user logo</translation>
    </message>
    <message>
        <source>Logo in page header</source>
        <translation>Logo in page header</translation>
    </message>
    <message>
        <source>Logo right from project informations</source>
        <translation>Logo right from project informations</translation>
    </message>
    <message>
        <source>Scale by width</source>
        <translation>Scale by width</translation>
    </message>
    <message>
        <source>Scale by height</source>
        <translation>Scale by height</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Image file:</source>
        <translation>Image file:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Select user logo</source>
        <translation>Select user logo</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.svg)</source>
        <translation>Images (*.png *.jpg *.jpeg *.bmp *.svg)</translation>
    </message>
</context>
<context>
    <name>ValidatingLineEdit</name>
    <message>
        <source>Use &apos;,&apos; or &apos;.&apos; once, as the decimal separator; digit grouping is not accepted.</source>
        <translation>Use &apos;,&apos; or &apos;.&apos; once, as the decimal separator; digit grouping is not accepted.</translation>
    </message>
    <message>
        <source>A number is needed.</source>
        <translation>A number is needed.</translation>
    </message>
    <message>
        <source>This is not a number.</source>
        <translation>This is not a number.</translation>
    </message>
    <message>
        <source>A whole number is needed.</source>
        <translation>A whole number is needed.</translation>
    </message>
</context>
<context>
    <name>XMLHelpers</name>
    <message>
        <source>Invalid value for attribute &apos;%1&apos;.</source>
        <translation>Invalid value for attribute &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Invalid value for attribute &apos;%1&apos; of layer %2 (line %3).</source>
        <translation>Invalid value for attribute &apos;%1&apos; of layer %2 (line %3).</translation>
    </message>
    <message>
        <source>Invalid value for attribute &apos;%1&apos; (line %2).</source>
        <translation>Invalid value for attribute &apos;%1&apos; (line %2).</translation>
    </message>
</context>
</TS>
