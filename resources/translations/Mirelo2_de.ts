<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>A software for hygrothermal evaluation of building envelope systems</source>
        <translation>Software zur hygrothermischen Bewertung von Bauteilen der Gebäudehülle</translation>
    </message>
    <message>
        <source>Third-party components and their licences:</source>
        <translation>Komponenten von Drittanbietern und ihre Lizenzen:</translation>
    </message>
</context>
<context>
    <name>Assessment</name>
    <message>
        <source>no construction</source>
        <translation>keine Konstruktion</translation>
    </message>
    <message>
        <source>invalid input</source>
        <translation>ungültige Eingabe</translation>
    </message>
    <message>
        <source>invalid input: %1</source>
        <translation>ungültige Eingabe: %1</translation>
    </message>
    <message>
        <source>the moisture calculation failed</source>
        <translation>die Feuchteberechnung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>there is no algorithm for this problem</source>
        <translation>für diesen Fall gibt es keinen Berechnungsalgorithmus</translation>
    </message>
    <message>
        <source>condensation on the inside surface</source>
        <translation>Tauwasser auf der inneren Oberfläche</translation>
    </message>
    <message>
        <source>condensation on the outside surface</source>
        <translation>Tauwasser auf der äußeren Oberfläche</translation>
    </message>
    <message>
        <source>the thermal resistance of the construction is not a finite number</source>
        <translation>der Wärmedurchlasswiderstand der Konstruktion ist keine endliche Zahl</translation>
    </message>
</context>
<context>
    <name>AssessmentConditions</name>
    <message>
        <source>Custom conditions</source>
        <translation>Benutzerdefinierte Randbedingungen</translation>
    </message>
    <message>
        <source>German Standard DIN 4108-3 from 2001</source>
        <translation>DIN 4108-3, Ausgabe 2001</translation>
    </message>
    <message>
        <source>German Standard DIN 4108-3 from 2014, 2018 and 2024</source>
        <translation>DIN 4108-3, Ausgaben 2014, 2018 und 2024</translation>
    </message>
    <message>
        <source>Unknown condition</source>
        <translation>Unbekannte Randbedingungen</translation>
    </message>
</context>
<context>
    <name>AssessmentTypeWidget</name>
    <message>
        <source>Assessment Type</source>
        <translation>Nachweisart</translation>
    </message>
    <message>
        <source>The condensation time must be &gt; 0d and &lt; 300d.</source>
        <translation>Die Dauer der Tauperiode muss &gt; 0 d und &lt; 300 d sein.</translation>
    </message>
    <message>
        <source>The drying time must be &gt; 0d and &lt; 300d.</source>
        <translation>Die Dauer der Verdunstungsperiode muss &gt; 0 d und &lt; 300 d sein.</translation>
    </message>
    <message>
        <source>Select assessment type</source>
        <translation>Nachweisart wählen</translation>
    </message>
    <message>
        <source>Condensation time in d</source>
        <translation>Dauer der Tauperiode in d</translation>
    </message>
    <message>
        <source>Drying time in d</source>
        <translation>Dauer der Verdunstungsperiode in d</translation>
    </message>
    <message>
        <source>Sets the heat flow direction, the outside climate, the evaporation period of DIN 4108-3 and the row of DIN 4108-2 for the minimum thermal resistance; each can be changed afterwards.</source>
        <translation>Setzt die Wärmestromrichtung, das Außenklima, die Verdunstungsperiode nach DIN 4108-3 und die Zeile der DIN 4108-2 für den Mindestwärmeschutz; jeder Wert kann danach geändert werden.</translation>
    </message>
    <message>
        <source>As in the report settings</source>
        <translation>Wie in den Berichtseinstellungen</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Construction kind</source>
        <translation>Bauteilart</translation>
    </message>
    <message>
        <source>DIN 4108-2 minimum thermal resistance</source>
        <translation>Mindestwärmeschutz nach DIN 4108-2</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Invalid width %1 of &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Ungültige Dicke %1 von &lt;a href=&quot;layer-%2&quot;&gt;Schicht Nr. %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Error in Glaser-Calculation.</source>
        <translation>Fehler in der Glaser-Berechnung.</translation>
    </message>
    <message>
        <source>Invalid mu %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Ungültige Wasserdampf-Diffusionswiderstandszahl μ = %1 des Materials in &lt;a href=&quot;layer-%2&quot;&gt;Schicht Nr. %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Invalid thermal conductivity %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Ungültige Wärmeleitfähigkeit %1 des Materials in &lt;a href=&quot;layer-%2&quot;&gt;Schicht Nr. %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Invalid surface resistance outside %f.</source>
        <translation>Ungültiger äußerer Wärmeübergangswiderstand %f.</translation>
    </message>
    <message>
        <source>Invalid surface resistance inside)%f.</source>
        <translation>Ungültiger innerer Wärmeübergangswiderstand %f.</translation>
    </message>
</context>
<context>
    <name>CandidateTrial</name>
    <message>
        <source>pv_e not correctly calculated! Algorithm error!</source>
        <translation>pv_e nicht korrekt berechnet! Fehler im Algorithmus!</translation>
    </message>
</context>
<context>
    <name>Climate</name>
    <message>
        <source>Custom climate conditions, indoor</source>
        <translation>Benutzerdefinierte Klimabedingungen, innen</translation>
    </message>
    <message>
        <source>Custom climate conditions, outdoor</source>
        <translation>Benutzerdefinierte Klimabedingungen, außen</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Indoor climate, heat flow direction horizontal and upwards</source>
        <translation>DIN 4108-3 2001 Innenklima, Wärmestromrichtung horizontal und aufwärts</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Indoor climate, heat flow direction downwards</source>
        <translation>DIN 4108-3 2001 Innenklima, Wärmestromrichtung abwärts</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction horizontal</source>
        <translation>DIN EN ISO 6946 Innenklima, Wärmestromrichtung horizontal</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction downwards</source>
        <translation>DIN EN ISO 6946 Innenklima, Wärmestromrichtung abwärts</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction upwards</source>
        <translation>DIN EN ISO 6946 Innenklima, Wärmestromrichtung aufwärts</translation>
    </message>
    <message>
        <source>DIN EN ISO 13788 Indoor climate, all other surfaces</source>
        <translation>DIN EN ISO 13788 Innenklima, alle übrigen Oberflächen</translation>
    </message>
    <message>
        <source>DIN EN ISO 13788 Indoor climate, on glazings and window frames</source>
        <translation>DIN EN ISO 13788 Innenklima, an Verglasungen und Fensterrahmen</translation>
    </message>
    <message>
        <source>DIN 4108-8 Indoor climate, in built in cupboards, mould protection</source>
        <translation>DIN 4108-8 Innenklima, in Einbauschränken, Schimmelschutz</translation>
    </message>
    <message>
        <source>DIN 4108-8 Indoor climate, behaind normal cupboards, mould protection</source>
        <translation>DIN 4108-8 Innenklima, hinter frei stehenden Schränken, Schimmelschutz</translation>
    </message>
    <message>
        <source>DIN 4108-3_2024 Indoor climate</source>
        <translation>DIN 4108-3:2024 Innenklima</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to outside</source>
        <translation>DIN 4108-3 2001 Außen, angrenzend an Außenluft</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to ventilated air space</source>
        <translation>DIN 4108-3 2001 Außen, angrenzend an belüftete Luftschicht</translation>
    </message>
    <message>
        <source>DIN 4108-3_2024 Outdoor climate</source>
        <translation>DIN 4108-3:2024 Außenklima</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to ground</source>
        <translation>DIN 4108-3 2001 Außen, angrenzend an Erdreich</translation>
    </message>
    <message>
        <source>DIN 4108-3 2024 Outdoor, boundary to ground</source>
        <translation>DIN 4108-3 2024 Außen, angrenzend an Erdreich</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Outdoor climate</source>
        <translation>DIN EN ISO 6946 Außenklima</translation>
    </message>
</context>
<context>
    <name>ClimateEditWidget</name>
    <message>
        <source>Climatic Data</source>
        <translation>Klimadaten</translation>
    </message>
    <message>
        <source>Winter:</source>
        <translation>Winter:</translation>
    </message>
    <message>
        <source>Climate of the condensation period</source>
        <translation>Klima der Tauperiode</translation>
    </message>
    <message>
        <source>Summer:</source>
        <translation>Sommer:</translation>
    </message>
    <message>
        <source>Climate of the evaporation period</source>
        <translation>Klima der Verdunstungsperiode</translation>
    </message>
    <message>
        <source>Select climate data preset:</source>
        <translation>Klimavorgabe wählen:</translation>
    </message>
    <message>
        <source>Temperature in [%1C]:</source>
        <translation>Temperatur in [%1C]:</translation>
    </message>
    <message>
        <source>Relative Humidity in [%]:</source>
        <translation>Relative Luftfeuchte in [%]:</translation>
    </message>
    <message>
        <source>Surface transfer resistance in [m%1K/W]:</source>
        <translation>Wärmeübergangswiderstand in [m%1K/W]:</translation>
    </message>
    <message>
        <source>The surface resistance must be &gt; 0.</source>
        <translation>Der Wärmeübergangswiderstand muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The temperature must lie between -40 °C and 80 °C.</source>
        <translation>Die Temperatur muss zwischen -40 °C und 80 °C liegen.</translation>
    </message>
    <message>
        <source>The relative humidity must lie between 0 % and 100 %.</source>
        <translation>Die relative Luftfeuchte muss zwischen 0 % und 100 % liegen.</translation>
    </message>
</context>
<context>
    <name>ClimateFrame</name>
    <message>
        <source>Climate Data</source>
        <translation>Klimadaten</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Relative Humidity</source>
        <translation>Relative Luftfeuchte</translation>
    </message>
    <message>
        <source>Climate at warm side</source>
        <translation>Klima auf der warmen Seite</translation>
    </message>
    <message>
        <source>Climate at cold side</source>
        <translation>Klima auf der kalten Seite</translation>
    </message>
    <message>
        <source>Winter Climate</source>
        <translation>Winterklima</translation>
    </message>
    <message>
        <source>Duration of Condensation Periode (winter)</source>
        <translation>Dauer der Tauperiode (Winter)</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Summer Climate</source>
        <translation>Sommerklima</translation>
    </message>
    <message>
        <source>Duration of Drying Periode (summer)</source>
        <translation>Dauer der Verdunstungsperiode (Sommer)</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>General Settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Default Project Info</source>
        <translation>Projektvorgaben</translation>
    </message>
    <message>
        <source>Default Print Config</source>
        <translation>Druckvorgaben</translation>
    </message>
</context>
<context>
    <name>ConfigPageGeneral</name>
    <message>
        <source>Start Program without project</source>
        <translation>Programm ohne Projekt starten</translation>
    </message>
    <message>
        <source>Start Program with last recent project</source>
        <translation>Programm mit dem zuletzt verwendeten Projekt starten</translation>
    </message>
    <message>
        <source>Construction layer width in [mm]</source>
        <translation>Schichtdicken in [mm]</translation>
    </message>
    <message>
        <source>Construction layer width in [cm]</source>
        <translation>Schichtdicken in [cm]</translation>
    </message>
    <message>
        <source>Construction layer width in [dm]</source>
        <translation>Schichtdicken in [dm]</translation>
    </message>
    <message>
        <source>Construction layer width in [m]</source>
        <translation>Schichtdicken in [m]</translation>
    </message>
    <message>
        <source>Use kg/m%1s%2 as unit for Aw</source>
        <translation>kg/m%1s%2 als Einheit für Aw verwenden</translation>
    </message>
    <message>
        <source>Use kg/m%1h%2 as unit for Aw</source>
        <translation>kg/m%1h%2 als Einheit für Aw verwenden</translation>
    </message>
    <message>
        <source>Use moisture dependent thermal conductivity</source>
        <translation>Feuchteabhängige Wärmeleitfähigkeit verwenden</translation>
    </message>
    <message>
        <source>Directory for user material database and construction database:</source>
        <translation>Verzeichnis für die Benutzer-Materialdatenbank und die Konstruktionsdatenbank:</translation>
    </message>
    <message>
        <source>User material directory</source>
        <translation>Verzeichnis der Benutzer-Materialdatenbank</translation>
    </message>
    <message>
        <source>Directory not valid.</source>
        <translation>Ungültiges Verzeichnis.</translation>
    </message>
    <message>
        <source>There exist a file with the same name.</source>
        <translation>Es gibt bereits eine Datei mit diesem Namen.</translation>
    </message>
    <message>
        <source>The given text cannot be used as directory.</source>
        <translation>Der angegebene Text kann nicht als Verzeichnis verwendet werden.</translation>
    </message>
    <message>
        <source>Directory not writebale.</source>
        <translation>Das Verzeichnis ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>The material database cannot be stored here.</source>
        <translation>Die Materialdatenbank kann hier nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The user data there cannot be read completely; it is left as it is.</source>
        <translation>Die dortigen Benutzerdaten können nicht vollständig gelesen werden; sie bleiben unverändert.</translation>
    </message>
</context>
<context>
    <name>ConfigPageProjectInformation</name>
    <message>
        <source>The settings below are transfered into newly created projects. To edit the project information of the current project, use the project information editor available from the edit menu.</source>
        <translation>Die folgenden Angaben werden in neu angelegte Projekte übernommen. Die Projektinformationen des aktuellen Projekts bearbeiten Sie mit dem Editor für Projektinformationen im Menü Bearbeiten.</translation>
    </message>
</context>
<context>
    <name>ConfigPrintDefaults</name>
    <message>
        <source>General Appearance</source>
        <translation>Allgemeine Gestaltung</translation>
    </message>
    <message>
        <source>Input Data</source>
        <translation>Eingabedaten</translation>
    </message>
    <message>
        <source>Diagrams</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Final Remarks</source>
        <translation>Schlussbemerkungen</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Fußzeile</translation>
    </message>
    <message>
        <source>Page numbers in footer</source>
        <translation>Seitenzahlen in der Fußzeile</translation>
    </message>
    <message>
        <source>Project information</source>
        <translation>Projektinformationen</translation>
    </message>
    <message>
        <source>Construction sketch</source>
        <translation>Konstruktionsskizze</translation>
    </message>
    <message>
        <source>Material data</source>
        <translation>Materialdaten</translation>
    </message>
    <message>
        <source>Climate data</source>
        <translation>Klimadaten</translation>
    </message>
    <message>
        <source>Surface Resistance</source>
        <translation>Wärmeübergangswiderstände</translation>
    </message>
    <message>
        <source>Temperature and moisture profiles</source>
        <translation>Temperatur- und Feuchteverläufe</translation>
    </message>
    <message>
        <source>Vapor pressure profiles</source>
        <translation>Verläufe des Wasserdampfteildrucks</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser) - Summary</source>
        <translation>DIN 4108-3 (Glaser) – Zusammenfassung</translation>
    </message>
    <message>
        <source>%1 Results - Summary</source>
        <translation>%1-Ergebnisse – Zusammenfassung</translation>
    </message>
    <message>
        <source>%1 Results - Detailed Table</source>
        <translation>%1-Ergebnisse – Ausführliche Tabelle</translation>
    </message>
    <message>
        <source>Resistances and %1 values</source>
        <translation>Widerstände und %1-Werte</translation>
    </message>
    <message>
        <source>Construction kind for test of minimum thermal resistance
according german standard DIN 4108-2 table 3</source>
        <translation>Bauteilart für den Nachweis des Mindestwärmeschutzes
nach DIN 4108-2, Tabelle 3</translation>
    </message>
    <message>
        <source>Please enter your final remarksr here!</source>
        <translation>Bitte geben Sie hier Ihre Schlussbemerkungen ein!</translation>
    </message>
    <message>
        <source>Header of first order.</source>
        <translation>Überschrift der ersten Ebene.</translation>
    </message>
    <message>
        <source>Header of second order.</source>
        <translation>Überschrift der zweiten Ebene.</translation>
    </message>
    <message>
        <source>Header of third order.</source>
        <translation>Überschrift der dritten Ebene.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Normal text.</source>
        <translation>Normaler Text.</translation>
    </message>
    <message>
        <source>Underline.</source>
        <translation>Unterstrichen.</translation>
    </message>
    <message>
        <source>Italic font.</source>
        <translation>Kursive Schrift.</translation>
    </message>
    <message>
        <source>Bold font.</source>
        <translation>Fette Schrift.</translation>
    </message>
    <message>
        <source>Print Final Remarks</source>
        <translation>Schlussbemerkungen drucken</translation>
    </message>
    <message>
        <source>U-value table (DIN EN ISO 6946)</source>
        <translation>U-Wert-Tabelle (DIN EN ISO 6946)</translation>
    </message>
</context>
<context>
    <name>Construction</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>The stored construction is incomplete or damaged.</source>
        <translation>Die gespeicherte Konstruktion ist unvollständig oder beschädigt.</translation>
    </message>
    <message>
        <source>Unknown version %1 of a stored construction.</source>
        <translation>Unbekannte Version %1 einer gespeicherten Konstruktion.</translation>
    </message>
    <message>
        <source>Layer %1 of &quot;%2&quot;: its second material &quot;%3&quot; cannot be taken. %4</source>
        <translation>Schicht %1 von „%2“: ihr zweites Material „%3“ kann nicht übernommen werden. %4</translation>
    </message>
    <message>
        <source>Layer %1 of &quot;%2&quot; (%3) is given by its sd-value and cannot carry a second material.</source>
        <translation>Schicht %1 von „%2“ (%3) ist über ihren sd-Wert angegeben und kann kein zweites Material tragen.</translation>
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
        <translation>Warme Seite
Schicht 1</translation>
    </message>
    <message>
        <source>Cold side
Layer %1</source>
        <translation>Kalte Seite
Schicht %1</translation>
    </message>
    <message>
        <source>
Layer %1</source>
        <translation>
Schicht %1</translation>
    </message>
    <message>
        <source>%1 with %2 (%L3 %)</source>
        <translation>%1 mit %2 (%L3 %)</translation>
    </message>
</context>
<context>
    <name>ConstructionDatabaseWidget</name>
    <message>
        <source>No notes</source>
        <translation>Keine Notizen</translation>
    </message>
    <message>
        <source>Add construction</source>
        <translation>Konstruktion hinzufügen</translation>
    </message>
    <message>
        <source>Add a new construction to the list.</source>
        <translation>Fügt der Liste eine neue Konstruktion hinzu.</translation>
    </message>
    <message>
        <source>Delete Construction</source>
        <translation>Konstruktion löschen</translation>
    </message>
    <message>
        <source>Delete selected construction from list.</source>
        <translation>Löscht die ausgewählte Konstruktion aus der Liste.</translation>
    </message>
    <message>
        <source>Edit construction</source>
        <translation>Konstruktion bearbeiten</translation>
    </message>
    <message>
        <source>Edit selected constrcution.</source>
        <translation>Bearbeitet die ausgewählte Konstruktion.</translation>
    </message>
    <message>
        <source>Copy construction</source>
        <translation>Konstruktion kopieren</translation>
    </message>
    <message>
        <source>Copy selected construction to a new one.</source>
        <translation>Kopiert die ausgewählte Konstruktion in eine neue.</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Import external construction database</source>
        <translation>Externe Konstruktionsdatenbank importieren</translation>
    </message>
    <message>
        <source>View and Notes</source>
        <translation>Ansicht und Notizen</translation>
    </message>
    <message>
        <source>Selected Construction:</source>
        <translation>Ausgewählte Konstruktion:</translation>
    </message>
    <message>
        <source>New construction</source>
        <translation>Neue Konstruktion</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (Kopie)</translation>
    </message>
    <message>
        <source>Do you really want to delete the construction &apos;%1&apos;?</source>
        <translation>Möchten Sie die Konstruktion „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Select file with construction database.</source>
        <translation>Datei mit Konstruktionsdatenbank auswählen.</translation>
    </message>
    <message>
        <source>Database for Mirelo 2 (*.constr)</source>
        <translation>Datenbank für Mirelo 2 (*.constr)</translation>
    </message>
    <message>
        <source>Construction read error.</source>
        <translation>Fehler beim Lesen der Konstruktionen.</translation>
    </message>
    <message>
        <source>No constructions found in file &apos;%1&apos;</source>
        <translation>Keine Konstruktionen in der Datei „%1“ gefunden</translation>
    </message>
    <message>
        <source>%1 constructions found in file &apos;%2&apos;, %3 of them new.</source>
        <translation>%1 Konstruktionen in der Datei „%2“ gefunden, davon %3 neu.</translation>
    </message>
    <message>
        <source>The file is damaged; only its first constructions could be read.</source>
        <translation>Die Datei ist beschädigt; nur die ersten Konstruktionen konnten gelesen werden.</translation>
    </message>
    <message>
        <source>Constructions added.</source>
        <translation>Konstruktionen hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>ConstructionEditDialog</name>
    <message>
        <source>Edit construction</source>
        <translation>Konstruktion bearbeiten</translation>
    </message>
    <message>
        <source>The layer width must be &gt; 0.</source>
        <translation>Die Schichtdicke muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>Append layer...</source>
        <translation>Schicht anfügen…</translation>
    </message>
    <message>
        <source>Adds a layer of a chosen material on the cold side.</source>
        <translation>Fügt auf der kalten Seite eine Schicht aus einem gewählten Material an.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Layers (warm side left)</source>
        <translation>Schichten (warme Seite links)</translation>
    </message>
    <message>
        <source>Layer width [mm]:</source>
        <translation>Schichtdicke [mm]:</translation>
    </message>
    <message>
        <source>The construction has no layers yet.</source>
        <translation>Die Konstruktion hat noch keine Schichten.</translation>
    </message>
    <message>
        <source>Click a layer to select it.</source>
        <translation>Klicken Sie auf eine Schicht, um sie auszuwählen.</translation>
    </message>
    <message>
        <source>Layer %1: %2</source>
        <translation>Schicht %1: %2</translation>
    </message>
    <message>
        <source>Layer %1: %2. A layer given by its sd-value carries no second material: &quot;%3&quot; was removed.</source>
        <translation>Schicht %1: %2. Eine über ihren sd-Wert angegebene Schicht trägt kein zweites Material: „%3“ wurde entfernt.</translation>
    </message>
    <message>
        <source>Layer %1: %2 with %3 (%L4 % of the area)</source>
        <translation>Schicht %1: %2 mit %3 (%L4 % der Fläche)</translation>
    </message>
</context>
<context>
    <name>ConstructionKinds</name>
    <message>
        <source>External wall</source>
        <translation>Außenwand</translation>
    </message>
    <message>
        <source>Wall against soil</source>
        <translation>Wand gegen Erdreich</translation>
    </message>
    <message>
        <source>Roof over habitable rooms, pitched</source>
        <translation>Dach über Aufenthaltsräumen, geneigt</translation>
    </message>
    <message>
        <source>Roof over habitable rooms, flat</source>
        <translation>Dach über Aufenthaltsräumen, flach</translation>
    </message>
    <message>
        <source>Ceiling below an unheated attic</source>
        <translation>Decke unter nicht beheiztem Dachraum</translation>
    </message>
    <message>
        <source>Ceiling over an unheated cellar</source>
        <translation>Kellerdecke über nicht beheiztem Keller</translation>
    </message>
    <message>
        <source>Floor over outside air (passage, garage)</source>
        <translation>Decke über Außenluft (Durchfahrt, Garage)</translation>
    </message>
    <message>
        <source>Floor plate on ground</source>
        <translation>Bodenplatte auf Erdreich</translation>
    </message>
    <message>
        <source>Internal wall or ceiling to an unheated room</source>
        <translation>Innenwand oder Decke zu nicht beheiztem Raum</translation>
    </message>
</context>
<context>
    <name>ConstructionLayerFrame</name>
    <message>
        <source>Material Properties</source>
        <translation>Materialeigenschaften</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>d - layer thickness,</source>
        <translation>d - Schichtdicke,</translation>
    </message>
    <message>
        <source>&amp;lambda; - design value of thermal conductivity,</source>
        <translation>&amp;lambda; - Bemessungswert der Wärmeleitfähigkeit,</translation>
    </message>
    <message>
        <source>&amp;mu; - vapour diffusion resistance factor,</source>
        <translation>&amp;mu; - Wasserdampf-Diffusionswiderstandszahl,</translation>
    </message>
    <message>
        <source>w&lt;sub&gt;80&lt;/sub&gt;/w&lt;sub&gt;sat&lt;/sub&gt; - %1,</source>
        <translation>w&lt;sub&gt;80&lt;/sub&gt;/w&lt;sub&gt;sat&lt;/sub&gt; - %1,</translation>
    </message>
    <message>
        <source>moisture content for 80% RH. resp. saturation</source>
        <translation>Feuchtegehalt bei 80 % r. F. bzw. bei Sättigung</translation>
    </message>
    <message>
        <source>A&lt;sub&gt;w&lt;/sub&gt; - %1,</source>
        <translation>A&lt;sub&gt;w&lt;/sub&gt; - %1,</translation>
    </message>
    <message>
        <source>water uptake coefficient</source>
        <translation>Wasseraufnahmekoeffizient</translation>
    </message>
    <message>
        <source>layers from left to right</source>
        <translation>Schichten von links nach rechts</translation>
    </message>
    <message>
        <source>%1, %L2 mm at %L3 mm</source>
        <translation>%1, %L2 mm im Abstand %L3 mm</translation>
    </message>
    <message>
        <source>s&lt;sub&gt;d&lt;/sub&gt; winter / summer&lt;br/&gt;[m]</source>
        <translation>s&lt;sub&gt;d&lt;/sub&gt; Winter / Sommer&lt;br/&gt;[m]</translation>
    </message>
    <message>
        <source>s&lt;sub&gt;d&lt;/sub&gt; - diffusion-equivalent air layer thickness in the condensation and the evaporation period (humidity-variable vapour retarder),</source>
        <translation>s&lt;sub&gt;d&lt;/sub&gt; - wasserdampfdiffusionsäquivalente Luftschichtdicke in der Tau- und in der Verdunstungsperiode (feuchtevariable Dampfbremse),</translation>
    </message>
    <message>
        <source>(+ second material of the layer (studs, rafters) with its area fraction; condensation is assessed between them)</source>
        <translation>(+ zweites Material der Schicht (Ständer, Sparren) mit seinem Flächenanteil; Tauwasser wird im Gefach beurteilt)</translation>
    </message>
</context>
<context>
    <name>ConstructionList</name>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <translation>Die Datei ist größer als %1 MiB.</translation>
    </message>
    <message>
        <source>Construction %1 of %2: %3</source>
        <translation>Konstruktion %1 von %2: %3</translation>
    </message>
</context>
<context>
    <name>ConstructionNameInputDialog</name>
    <message>
        <source>Add to Construction Database</source>
        <translation>Zur Konstruktionsdatenbank hinzufügen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
</context>
<context>
    <name>ConstructionTableWidget</name>
    <message>
        <source>%1 with %2 (%L3 % of the area)</source>
        <translation>%1 mit %2 (%L3 % der Fläche)</translation>
    </message>
</context>
<context>
    <name>ConstructionViewWidget</name>
    <message>
        <source>Assign material</source>
        <translation>Material zuweisen</translation>
    </message>
    <message>
        <source>Assign material to the selected layer</source>
        <translation>Weist der ausgewählten Schicht ein Material zu</translation>
    </message>
    <message>
        <source>Insert layer left</source>
        <translation>Schicht links einfügen</translation>
    </message>
    <message>
        <source>Insert a new layer left from selected one</source>
        <translation>Fügt links von der ausgewählten Schicht eine neue Schicht ein</translation>
    </message>
    <message>
        <source>Insert layer right</source>
        <translation>Schicht rechts einfügen</translation>
    </message>
    <message>
        <source>Insert a new layer right from selected one</source>
        <translation>Fügt rechts von der ausgewählten Schicht eine neue Schicht ein</translation>
    </message>
    <message>
        <source>Remove layer</source>
        <translation>Schicht entfernen</translation>
    </message>
    <message>
        <source>Remove selected layer</source>
        <translation>Entfernt die ausgewählte Schicht</translation>
    </message>
    <message>
        <source>Move layer left</source>
        <translation>Schicht nach links verschieben</translation>
    </message>
    <message>
        <source>Move selected layer to left</source>
        <translation>Verschiebt die ausgewählte Schicht nach links</translation>
    </message>
    <message>
        <source>Move layer right</source>
        <translation>Schicht nach rechts verschieben</translation>
    </message>
    <message>
        <source>Move selected layer to right</source>
        <translation>Verschiebt die ausgewählte Schicht nach rechts</translation>
    </message>
</context>
<context>
    <name>DINCriteriaResult</name>
    <message>
        <source>Check according DIN 4108-3 2001</source>
        <translation>Nachweis nach DIN 4108-3 2001</translation>
    </message>
    <message>
        <source>Check according DIN 4108-3 2014</source>
        <translation>Nachweis nach DIN 4108-3 2014</translation>
    </message>
    <message>
        <source>Check according DIN 4108-3 2018 and 2024</source>
        <translation>Nachweis nach DIN 4108-3 2018 und 2024</translation>
    </message>
    <message>
        <source>Check accordinguser defined data</source>
        <translation>Nachweis mit benutzerdefinierten Werten</translation>
    </message>
    <message>
        <source>DIN 4108-3 (no capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 0.5kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>DIN 4108-3 (kapillar nicht wasseraufnahmefähig) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 0,5 kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 (with capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 1.0kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>DIN 4108-3 (kapillar wasseraufnahmefähig) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 1,0 kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Wood) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</source>
        <translation>DIN 4108-3 (Holz) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5 %</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Wood based material) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</source>
        <translation>DIN 4108-3 (Holzwerkstoff) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3 %</translation>
    </message>
    <message>
        <source>Drying time in summer t&lt;sub&gt;ev&lt;/sub&gt; &amp;lt; 90d</source>
        <translation>Austrocknungsdauer im Sommer t&lt;sub&gt;ev&lt;/sub&gt; &amp;lt; 90 d</translation>
    </message>
    <message>
        <source>Check for drying reserve of %1 g/m&lt;sup&gt;2&lt;/sup&gt;a according DIN 68800-2</source>
        <translation>Nachweis einer Trocknungsreserve von %1 g/(m&lt;sup&gt;2&lt;/sup&gt;a) nach DIN 68800-2</translation>
    </message>
    <message>
        <source>The current calculation don&apos;t use the same water uptake value as check for non-capillar material </source>
        <translation>Die aktuelle Berechnung verwendet für die Einstufung als kapillar nicht wasseraufnahmefähig einen anderen Wasseraufnahmekoeffizienten </translation>
    </message>
    <message>
        <source>as the standard DIN 4108-3 from 2014, 2018 or 2024.&lt;br/&gt;</source>
        <translation>als die Norm DIN 4108-3 in den Ausgaben 2014, 2018 bzw. 2024.&lt;br/&gt;</translation>
    </message>
    <message>
        <source>Used value: %1 %2.&lt;br/&gt;</source>
        <translation>Verwendeter Wert: %1 %2.&lt;br/&gt;</translation>
    </message>
    <message>
        <source>This is admissible because MIRELO is a advanced software as per appendix D DIN 4108-3.</source>
        <translation>Dies ist zulässig, da MIRELO ein weitergehendes Berechnungsverfahren im Sinne von Anhang D der DIN 4108-3 ist.</translation>
    </message>
    <message>
        <source>the calculation gave a figure that is not a finite number</source>
        <translation>die Berechnung ergab einen Wert, der keine endliche Zahl ist</translation>
    </message>
    <message>
        <source>the calculation gave a negative condensate mass</source>
        <translation>die Berechnung ergab eine negative Tauwassermasse</translation>
    </message>
    <message>
        <source>Glaser scheme</source>
        <translation>Glaser-Verfahren</translation>
    </message>
    <message>
        <source>Moisture storage method</source>
        <translation>Feuchtespeicherverfahren</translation>
    </message>
</context>
<context>
    <name>DINCriteriaSettings</name>
    <message>
        <source>Settings for validity check according DIN 4108-3</source>
        <translation>Einstellungen für den Nachweis nach DIN 4108-3</translation>
    </message>
    <message>
        <source>User defined</source>
        <translation>Benutzerdefiniert</translation>
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
        <translation>DIN 4108-3 2018 und 2024</translation>
    </message>
    <message>
        <source>kg/m%1h%2</source>
        <translation>kg/m%1h%2</translation>
    </message>
    <message>
        <source>The Aw value cannot be &lt; 0.</source>
        <translation>Der Aw-Wert darf nicht &lt; 0 sein.</translation>
    </message>
    <message>
        <source>Aw value for non capillar material</source>
        <translation>Aw-Wert für kapillar nicht wasseraufnahmefähige Materialien</translation>
    </message>
    <message>
        <source>Aw value for capillar active material</source>
        <translation>Aw-Wert für kapillar wasseraufnahmefähige Materialien</translation>
    </message>
    <message>
        <source>kg/m2s0.5</source>
        <translation>kg/m2s0.5</translation>
    </message>
    <message>
        <source>Check one or both sides of a condensation plane</source>
        <translation>Eine oder beide Seiten einer Tauwasserebene prüfen</translation>
    </message>
    <message>
        <source>One side check</source>
        <translation>Einseitige Prüfung</translation>
    </message>
    <message>
        <source>Two side check</source>
        <translation>Beidseitige Prüfung</translation>
    </message>
</context>
<context>
    <name>DiagramFrame</name>
    <message>
        <source>Temperature and Moisture Profile</source>
        <translation>Temperatur- und Feuchteverlauf</translation>
    </message>
    <message>
        <source>Temperature and Vapour Pressure Profile</source>
        <translation>Verlauf von Temperatur und Wasserdampfteildruck</translation>
    </message>
    <message>
        <source>Other Diagram</source>
        <translation>Weiteres Diagramm</translation>
    </message>
    <message>
        <source>Condensate (overhygroscopic moisture content) dark blue.</source>
        <translation>Tauwasser (überhygroskopischer Feuchtegehalt) dunkelblau.</translation>
    </message>
</context>
<context>
    <name>DiagramScene</name>
    <message>
        <source>Temperature %1 in [%2C]</source>
        <translation>Temperatur %1 in [%2C]</translation>
    </message>
    <message>
        <source>Vapor pressure p in [Pa]</source>
        <translation>Wasserdampfteildruck p in [Pa]</translation>
    </message>
    <message>
        <source>Moisture content w in [%1]</source>
        <translation>Feuchtegehalt w in [%1]</translation>
    </message>
    <message>
        <source>Layer widths in [mm]</source>
        <translation>Schichtdicken in [mm]</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Sat. vapour pressure</source>
        <translation>Wasserdampfsättigungsdruck</translation>
    </message>
    <message>
        <source>Vapour pressure (real)</source>
        <translation>Wasserdampfteildruck (tatsächlich)</translation>
    </message>
    <message>
        <source>Vapour pressure (calc.)</source>
        <translation>Wasserdampfteildruck (berechnet)</translation>
    </message>
    <message>
        <source>Diffusion-equivalent air layer thickness %1 in [m]</source>
        <translation>Wasserdampfdiffusionsäquivalente Luftschichtdicke %1 in [m]</translation>
    </message>
    <message>
        <source>Condensation zone</source>
        <translation>Tauwasserbereich</translation>
    </message>
    <message>
        <source>Condensation plane</source>
        <translation>Tauwasserebene</translation>
    </message>
</context>
<context>
    <name>DiagramView</name>
    <message>
        <source>Construction Sketch</source>
        <translation>Konstruktionsskizze</translation>
    </message>
    <message>
        <source>Vapour pressure diagram</source>
        <translation>Diagramm des Wasserdampfteildrucks</translation>
    </message>
    <message>
        <source>Water content diagram</source>
        <translation>Feuchtegehaltsdiagramm</translation>
    </message>
    <message>
        <source>Unknown picture format of &apos;%1&apos; (svg, png, jpg or pdf expected).</source>
        <translation>Unbekanntes Bildformat von „%1“ (svg, png, jpg oder pdf erwartet).</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>Das Bild konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Glaser diagram</source>
        <translation>Glaser-Diagramm</translation>
    </message>
</context>
<context>
    <name>DisclaimerFrame</name>
    <message>
        <source>Final Remarks</source>
        <translation>Schlussbemerkungen</translation>
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
        <translation>[Document::readOld]  Fehler beim Lesen der Projektdatei „%1“
</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; project files of the old format are read up to %2 MB.</source>
        <translation>Die Datei umfasst %1 Bytes; Projektdateien im alten Format werden bis zu einer Größe von %2 MB gelesen.</translation>
    </message>
    <message>
        <source>Cannot open file.</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>[Document::readOld]  Keyword &apos;FileVersion&apos; missing!</source>
        <translation>[Document::readOld]  Schlüsselwort „FileVersion“ fehlt!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing!</source>
        <translation>Blockanfang „{“ fehlt!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for climatelist!</source>
        <translation>Blockanfang „{“ der Klimaliste fehlt!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for wall data!</source>
        <translation>Blockanfang „{“ der Wanddaten fehlt!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for remarks!</source>
        <translation>Blockanfang „{“ der Bemerkungen fehlt!</translation>
    </message>
    <message>
        <source>Unexpected end of file in remarks!</source>
        <translation>Unerwartetes Dateiende in den Bemerkungen!</translation>
    </message>
    <message>
        <source>Invalid keyword &apos;%1&apos; in project file!</source>
        <translation>Ungültiges Schlüsselwort „%1“ in der Projektdatei!</translation>
    </message>
    <message>
        <source>Block end &apos;}&apos; missing!</source>
        <translation>Blockende „}“ fehlt!</translation>
    </message>
    <message>
        <source>Error reading parameter &apos;%1&apos;!</source>
        <translation>Fehler beim Lesen des Parameters „%1“!</translation>
    </message>
    <message>
        <source>File is not a Mirelo 2.0 project file.</source>
        <translation>Die Datei ist keine Projektdatei von Mirelo 2.0.</translation>
    </message>
    <message>
        <source>An element has more than %1 attributes (line %2).</source>
        <translation>Ein Element hat mehr als %1 Attribute (Zeile %2).</translation>
    </message>
</context>
<context>
    <name>DryingReserveSettings</name>
    <message>
        <source>Drying potential according DIN 68800-2</source>
        <translation>Trocknungsreserve nach DIN 68800-2</translation>
    </message>
    <message>
        <source>No drying reserve</source>
        <translation>Keine Trocknungsreserve</translation>
    </message>
    <message>
        <source>Drying reserve for ceilings and walls</source>
        <translation>Trocknungsreserve für Decken und Wände</translation>
    </message>
    <message>
        <source>&lt;html&gt;(100g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</source>
        <translation>&lt;html&gt;(100 g/(m&lt;sup&gt;2&lt;/sup&gt;a))&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Drying reserve for roofs</source>
        <translation>Trocknungsreserve für Dächer</translation>
    </message>
    <message>
        <source>&lt;html&gt;(250g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</source>
        <translation>&lt;html&gt;(250 g/(m&lt;sup&gt;2&lt;/sup&gt;a))&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Custom drying reserve</source>
        <translation>Benutzerdefinierte Trocknungsreserve</translation>
    </message>
    <message>
        <source>The drying reserve cannot be &lt; 0.</source>
        <translation>Die Trocknungsreserve darf nicht &lt; 0 sein.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>&lt;html&gt;g/m&lt;sup&gt;2&lt;/sup&gt;a&lt;/html&gt;</source>
        <translation>&lt;html&gt;g/(m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</translation>
    </message>
    <message>
        <source>In case of no condensation a drying reserve cannot by applied.</source>
        <translation>Fällt kein Tauwasser aus, kann keine Trocknungsreserve angesetzt werden.</translation>
    </message>
</context>
<context>
    <name>FieldMessageLine</name>
    <message>
        <source>&apos;%1&apos; was not taken for %2: %3 The field shows the value held again.</source>
        <translation>„%1“ wurde für %2 nicht übernommen: %3 Das Feld zeigt wieder den gespeicherten Wert.</translation>
    </message>
</context>
<context>
    <name>FooterFrame</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>GlaserDiagramFrame</name>
    <message>
        <source>Glaser Diagram (DIN 4108-3)</source>
        <translation>Glaser-Diagramm (DIN 4108-3)</translation>
    </message>
    <message>
        <source>Condensation period (winter). s&lt;sub&gt;d&lt;/sub&gt; - diffusion-equivalent air layer thickness of the layers in front of an interface; upper values p&lt;sub&gt;sat&lt;/sub&gt; - saturation vapour pressure, lower values p - vapour pressure at the interface, in Pa.</source>
        <translation>Tauperiode (Winter). s&lt;sub&gt;d&lt;/sub&gt; - wasserdampfdiffusionsäquivalente Luftschichtdicke der Schichten vor einer Grenzfläche; obere Werte p&lt;sub&gt;sat&lt;/sub&gt; - Wasserdampfsättigungsdruck, untere Werte p - Wasserdampfteildruck an der Grenzfläche, in Pa.</translation>
    </message>
</context>
<context>
    <name>GlaserFrame</name>
    <message>
        <source>Results according DIN 4108-3 (Glaser Scheme)</source>
        <translation>Ergebnisse nach DIN 4108-3 (Glaser-Verfahren)</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Interior climate (left)</source>
        <translation>Innenklima (links)</translation>
    </message>
    <message>
        <source>Outdoor climate (right)</source>
        <translation>Außenklima (rechts)</translation>
    </message>
    <message>
        <source>Condensation Period (Winter)</source>
        <translation>Tauperiode (Winter)</translation>
    </message>
    <message>
        <source>Drying Period (Summer)</source>
        <translation>Verdunstungsperiode (Sommer)</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Condensation zone</source>
        <translation>Tauwasserbereich</translation>
    </message>
    <message>
        <source>Condensation mass (according to Glaser)</source>
        <translation>Tauwassermasse (nach Glaser)</translation>
    </message>
    <message>
        <source>Potential drying mass</source>
        <translation>Mögliche Verdunstungsmasse</translation>
    </message>
    <message>
        <source>Duration of drying (according to Glaser)</source>
        <translation>Austrocknungsdauer (nach Glaser)</translation>
    </message>
</context>
<context>
    <name>Globals</name>
    <message>
        <source>Help file error</source>
        <translation>Fehler beim Öffnen der Hilfe</translation>
    </message>
    <message>
        <source>The help file cannot be found on location:
%1</source>
        <translation>Die Hilfedatei wurde an folgendem Ort nicht gefunden:
%1</translation>
    </message>
    <message>
        <source>No program to show PDF files could be started. The manual is here:
%1</source>
        <translation>Es konnte kein Programm zum Anzeigen von PDF-Dateien gestartet werden. Das Handbuch liegt hier:
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
        <translation>kalt</translation>
    </message>
</context>
<context>
    <name>InputData</name>
    <message>
        <source>inside, winter</source>
        <translation>innen, Winter</translation>
    </message>
    <message>
        <source>inside, summer</source>
        <translation>innen, Sommer</translation>
    </message>
    <message>
        <source>outside, winter</source>
        <translation>außen, Winter</translation>
    </message>
    <message>
        <source>outside, summer</source>
        <translation>außen, Sommer</translation>
    </message>
    <message>
        <source>Layer #%1</source>
        <translation>Schicht Nr. %1</translation>
    </message>
    <message>
        <source>Layer #%1 (%2)</source>
        <translation>Schicht Nr. %1 (%2)</translation>
    </message>
    <message>
        <source>%1: width %2 m, must be greater than 0.</source>
        <translation>%1: Dicke %2 m, muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>%1: the material has no name.</source>
        <translation>%1: Das Material hat keinen Namen.</translation>
    </message>
    <message>
        <source>%1: bulk density %2 kg/m³, must be greater than 0.</source>
        <translation>%1: Rohdichte %2 kg/m³, muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>%1: thermal conductivity %2 W/(m·K), must be greater than 0.</source>
        <translation>%1: Wärmeleitfähigkeit %2 W/(m·K), muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>%1: vapour diffusion resistance factor %2, must be greater than 0.</source>
        <translation>%1: Wasserdampf-Diffusionswiderstandszahl %2, muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>%1: moisture content at 80 %RH %2 m³/m³, must be greater than 0.</source>
        <translation>%1: Feuchtegehalt bei 80 % r. F. %2 m³/m³, muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>%1: moisture content at 80 %RH %2 m³/m³, must be below the saturation moisture content %3 m³/m³.</source>
        <translation>%1: Feuchtegehalt bei 80 % r. F. %2 m³/m³, muss kleiner als der Sättigungsfeuchtegehalt %3 m³/m³ sein.</translation>
    </message>
    <message>
        <source>%1: saturation moisture content %2 m³/m³, must not exceed 1.</source>
        <translation>%1: Sättigungsfeuchtegehalt %2 m³/m³, darf 1 nicht überschreiten.</translation>
    </message>
    <message>
        <source>%1: water absorption coefficient %2 kg/(m²·s^0.5), must not be negative.</source>
        <translation>%1: Wasseraufnahmekoeffizient %2 kg/(m²·s^0.5), darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>%1: material category %2 is unknown.</source>
        <translation>%1: Materialkategorie %2 ist unbekannt.</translation>
    </message>
    <message>
        <source>%1: the material is not valid.</source>
        <translation>%1: Das Material ist ungültig.</translation>
    </message>
    <message>
        <source>Climate %1: temperature %2 °C, must lie between -40 and 80 °C.</source>
        <translation>Klima %1: Temperatur %2 °C, muss zwischen -40 und 80 °C liegen.</translation>
    </message>
    <message>
        <source>Climate %1: relative humidity %2 %, must lie between 0 and 100 %.</source>
        <translation>Klima %1: relative Luftfeuchte %2 %, muss zwischen 0 und 100 % liegen.</translation>
    </message>
    <message>
        <source>Climate inside: surface resistance %1 m²K/W, must be greater than 0.</source>
        <translation>Klima innen: Wärmeübergangswiderstand %1 m²K/W, muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>Climate outside: surface resistance %1 m²K/W, must be greater than 0.</source>
        <translation>Klima außen: Wärmeübergangswiderstand %1 m²K/W, muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>Climate: condensation period of %1 days, must be longer than 0 days.</source>
        <translation>Klima: Tauperiode von %1 Tagen, muss länger als 0 Tage sein.</translation>
    </message>
    <message>
        <source>Climate: evaporation period of %1 days, must be longer than 0 days.</source>
        <translation>Klima: Verdunstungsperiode von %1 Tagen, muss länger als 0 Tage sein.</translation>
    </message>
    <message>
        <source>Climate: a surface resistance is larger than %1 m²K/W.</source>
        <translation>Klima: ein Wärmeübergangswiderstand ist größer als %1 m²K/W.</translation>
    </message>
    <message>
        <source>Climate: a period is longer than %1 days.</source>
        <translation>Klima: eine Periode ist länger als %1 Tage.</translation>
    </message>
    <message>
        <source>%1, second material (%2)</source>
        <translation>%1, zweites Material (%2)</translation>
    </message>
</context>
<context>
    <name>LegacyFormat</name>
    <message>
        <source>[InputData::readClimateOld]  Four climate conditions are required!</source>
        <translation>[InputData::readClimateOld]  Es werden vier Klimarandbedingungen benötigt!</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Invalid keyword &apos;%1&apos;</source>
        <translation>[InputData::readClimateOld]  Ungültiges Schlüsselwort „%1“</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Block start &apos;{&apos; missing!</source>
        <translation>[InputData::readClimateOld]  Blockanfang „{“ fehlt!</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Error reading parameter &apos;Temperatur&apos;!</source>
        <translation>[InputData::readClimateOld]  Fehler beim Lesen des Parameters „Temperatur“!</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Error reading parameter &apos;RelHum&apos;!</source>
        <translation>[InputData::readClimateOld]  Fehler beim Lesen des Parameters „RelHum“!</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Illegal keyword &apos;%1&apos;</source>
        <translation>[InputData::readClimateOld]  Unzulässiges Schlüsselwort „%1“</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Error reading climate condition!
</source>
        <translation>[InputData::readClimateOld]  Fehler beim Lesen einer Klimarandbedingung!
</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Block end &apos;}&apos; missing!</source>
        <translation>[InputData::readClimateOld]  Blockende „}“ fehlt!</translation>
    </message>
    <message>
        <source>[InputData::readConstructionOld]  Block start &apos;{&apos; missing!</source>
        <translation>[InputData::readConstructionOld]  Blockanfang „{“ fehlt!</translation>
    </message>
    <message>
        <source>[InputData::readConstructionOld]  Block end &apos;}&apos; missing!</source>
        <translation>[InputData::readConstructionOld]  Blockende „}“ fehlt!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Error reading parameter &apos;Width&apos;!</source>
        <translation>[MaterialLayer::readOld]  Fehler beim Lesen des Parameters „Width“!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Error reading parameter &apos;Colour&apos;!</source>
        <translation>[MaterialLayer::readOld]  Fehler beim Lesen des Parameters „Colour“!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Block start &apos;{&apos; of material definition missing!</source>
        <translation>[MaterialLayer::readOld]  Blockanfang „{“ der Materialdefinition fehlt!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Invalid keyword!</source>
        <translation>[MaterialLayer::readOld]  Ungültiges Schlüsselwort!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Block end &apos;}&apos; missing!</source>
        <translation>[MaterialLayer::readOld]  Blockende „}“ fehlt!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Error reading layer data!
</source>
        <translation>[MaterialLayer::readOld]  Fehler beim Lesen der Schichtdaten!
</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading material name!</source>
        <translation>[Material::readOld]  Fehler beim Lesen des Materialnamens!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;rho&apos;!</source>
        <translation>[Material::readOld]  Fehler beim Lesen des Parameters „rho“!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;Lambda&apos;!</source>
        <translation>[Material::readOld]  Fehler beim Lesen des Parameters „Lambda“!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;Mew&apos;!</source>
        <translation>[Material::readOld]  Fehler beim Lesen des Parameters „Mew“!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;W_hyg&apos;!</source>
        <translation>[Material::readOld]  Fehler beim Lesen des Parameters „W_hyg“!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;W_h80&apos;!</source>
        <translation>[Material::readOld]  Fehler beim Lesen des Parameters „W_h80“!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;W_sat&apos;!</source>
        <translation>[Material::readOld]  Fehler beim Lesen des Parameters „W_sat“!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;A_w&apos;!</source>
        <translation>[Material::readOld]  Fehler beim Lesen des Parameters „A_w“!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Invalid keyword &apos;%1&apos;</source>
        <translation>[Material::readOld]  Ungültiges Schlüsselwort „%1“</translation>
    </message>
    <message>
        <source>[Material::readOld]  Block end &apos;}&apos; missing!</source>
        <translation>[Material::readOld]  Blockende „}“ fehlt!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading material data!
</source>
        <translation>[Material::readOld]  Fehler beim Lesen der Materialdaten!
</translation>
    </message>
</context>
<context>
    <name>LegacyKeywordText</name>
    <message>
        <source>The value of &apos;%1&apos; is not a finite number.</source>
        <translation>Der Wert von „%1“ ist keine endliche Zahl.</translation>
    </message>
</context>
<context>
    <name>M2_ResultsWidget</name>
    <message>
        <source>Unknown result!</source>
        <translation>Unbekanntes Ergebnis!</translation>
    </message>
    <message>
        <source>Invalid input!</source>
        <translation>Ungültige Eingabe!</translation>
    </message>
    <message>
        <source>Construction thickness</source>
        <translation>Dicke der Konstruktion</translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the construction (dry)</source>
        <translation>Wärmedurchlasswiderstand der Konstruktion (trocken)</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the construction</source>
        <translation>Wärmedurchgangskoeffizient der Konstruktion</translation>
    </message>
    <message>
        <source>U-value (ISO 6946)</source>
        <translation>U-Wert (ISO 6946)</translation>
    </message>
    <message>
        <source>U-value (moisture dependend)</source>
        <translation>U-Wert (feuchteabhängig)</translation>
    </message>
    <message>
        <source>Condensation mass after condensation period</source>
        <translation>Tauwassermasse am Ende der Tauperiode</translation>
    </message>
    <message>
        <source>Drying time</source>
        <translation>Austrocknungsdauer</translation>
    </message>
    <message>
        <source>layer %1 (%2)</source>
        <translation>Schicht %1 (%2)</translation>
    </message>
    <message>
        <source>Condensation plane between %1 and %2</source>
        <translation>Tauwasserebene zwischen %1 und %2</translation>
    </message>
    <message>
        <source>Condensation zone in %1</source>
        <translation>Tauwasserbereich in %1</translation>
    </message>
    <message>
        <source>Condensation zone from %1 to %2</source>
        <translation>Tauwasserbereich von %1 bis %2</translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the field section (dry)</source>
        <translation>Wärmedurchlasswiderstand im Gefach (trocken)</translation>
    </message>
    <message>
        <source>U-value (ISO 6946, inhomogeneous layers)</source>
        <translation>U-Wert (ISO 6946, inhomogene Schichten)</translation>
    </message>
    <message>
        <source>Upper limit R&apos;&lt;sub&gt;T&lt;/sub&gt;</source>
        <translation>Oberer Grenzwert R&apos;&lt;sub&gt;T&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Lower limit R&apos;&apos;&lt;sub&gt;T&lt;/sub&gt;</source>
        <translation>Unterer Grenzwert R&apos;&apos;&lt;sub&gt;T&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Relative error e</source>
        <translation>Relativer Fehler e</translation>
    </message>
    <message>
        <source>U-value of the field section (ISO 6946)</source>
        <translation>U-Wert im Gefach (ISO 6946)</translation>
    </message>
    <message>
        <source>U-value of the field section (moisture dependent)</source>
        <translation>U-Wert im Gefach (feuchteabhängig)</translation>
    </message>
    <message>
        <source>Moisture storage method</source>
        <translation>Feuchtespeicherverfahren</translation>
    </message>
    <message>
        <source>Glaser scheme (DIN 4108-3)</source>
        <translation>Glaser-Verfahren (DIN 4108-3)</translation>
    </message>
    <message>
        <source>Evaporable mass in the drying period</source>
        <translation>Verdunstungsmasse in der Verdunstungsperiode</translation>
    </message>
    <message>
        <source>fulfilled</source>
        <translation>erfüllt</translation>
    </message>
    <message>
        <source>not fulfilled</source>
        <translation>nicht erfüllt</translation>
    </message>
    <message>
        <source>not evaluated</source>
        <translation>nicht bewertet</translation>
    </message>
    <message>
        <source>Condensate mass (layer without capillary suction)</source>
        <translation>Tauwassermasse (nicht kapillar wasseraufnahmefähige Schicht)</translation>
    </message>
    <message>
        <source>Condensate mass</source>
        <translation>Tauwassermasse</translation>
    </message>
    <message>
        <source>Condensate in timber (%1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5 %)</source>
        <translation>Tauwasser in Holz (%1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5 %)</translation>
    </message>
    <message>
        <source>Condensate in wood-based material (%1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3 %)</source>
        <translation>Tauwasser in Holzwerkstoff (%1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3 %)</translation>
    </message>
    <message>
        <source>no drying</source>
        <translation>keine Austrocknung</translation>
    </message>
    <message>
        <source>Drying reserve %1 g/(m&lt;sup&gt;2&lt;/sup&gt;a) (DIN 68800-2)</source>
        <translation>Trocknungsreserve %1 g/(m&lt;sup&gt;2&lt;/sup&gt;a) (DIN 68800-2)</translation>
    </message>
    <message>
        <source>no condensate</source>
        <translation>kein Tauwasser</translation>
    </message>
    <message>
        <source>Minimum thermal protection (%1)</source>
        <translation>Mindestwärmeschutz (%1)</translation>
    </message>
    <message>
        <source>Thermal resistance R</source>
        <translation>Wärmedurchlasswiderstand R</translation>
    </message>
    <message>
        <source>Temperature factor f&lt;sub&gt;Rsi&lt;/sub&gt;</source>
        <translation>Temperaturfaktor f&lt;sub&gt;Rsi&lt;/sub&gt;</translation>
    </message>
</context>
<context>
    <name>M2_UndoAddConstructionLeft</name>
    <message>
        <source>Addition of a construction left of no. %L1</source>
        <translation>Einfügen einer Konstruktion links von Nr. %L1</translation>
    </message>
</context>
<context>
    <name>M2_UndoAddConstructionRight</name>
    <message>
        <source>Addition of a construction right of no. %L1</source>
        <translation>Einfügen einer Konstruktion rechts von Nr. %L1</translation>
    </message>
</context>
<context>
    <name>M2_UndoAddLayerLeft</name>
    <message>
        <source>Addition of a layer left of no. %L1</source>
        <translation>Einfügen einer Schicht links von Nr. %L1</translation>
    </message>
</context>
<context>
    <name>M2_UndoAddLayerRight</name>
    <message>
        <source>Addition of a layer right of no. %L1</source>
        <translation>Einfügen einer Schicht rechts von Nr. %L1</translation>
    </message>
</context>
<context>
    <name>M2_UndoAssessmentType</name>
    <message>
        <source>Change of condensation time</source>
        <translation>Änderung der Dauer der Tauperiode</translation>
    </message>
    <message>
        <source>Change of evaporation time</source>
        <translation>Änderung der Dauer der Verdunstungsperiode</translation>
    </message>
    <message>
        <source>Change of assessment type</source>
        <translation>Änderung der Bewertungsart</translation>
    </message>
</context>
<context>
    <name>M2_UndoChangeMaterial</name>
    <message>
        <source>Change of material of layer no. %L1</source>
        <translation>Änderung des Materials der Schicht Nr. %L1</translation>
    </message>
    <message>
        <source>Change of material of layer no. %L1 to one given by its sd-value, which removes its second material</source>
        <translation>Änderung des Materials der Schicht Nr. %L1 in eines mit sd-Wert, wodurch ihr zweites Material entfällt</translation>
    </message>
</context>
<context>
    <name>M2_UndoChangeProjectInfo</name>
    <message>
        <source>Change of project information</source>
        <translation>Änderung der Projektinformationen</translation>
    </message>
</context>
<context>
    <name>M2_UndoClimate</name>
    <message>
        <source>warm side</source>
        <translation>warme Seite</translation>
    </message>
    <message>
        <source>cold side</source>
        <translation>kalte Seite</translation>
    </message>
    <message>
        <source>Change of temperature (condensation period) at %1</source>
        <translation>Änderung der Temperatur (Tauperiode), %1</translation>
    </message>
    <message>
        <source>Change of temperature (evaporation period) at %1</source>
        <translation>Änderung der Temperatur (Verdunstungsperiode), %1</translation>
    </message>
    <message>
        <source>Change of relative humidity (condensation period) at %1</source>
        <translation>Änderung der relativen Luftfeuchte (Tauperiode), %1</translation>
    </message>
    <message>
        <source>Change of relative humidity (evaporation period) at %1</source>
        <translation>Änderung der relativen Luftfeuchte (Verdunstungsperiode), %1</translation>
    </message>
    <message>
        <source>Change of surface resistance at %1</source>
        <translation>Änderung des Wärmeübergangswiderstands, %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoClimateAll</name>
    <message>
        <source>Change of climate data set at %1</source>
        <translation>Änderung des Klimadatensatzes, %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoConstructionKind</name>
    <message>
        <source>heat flow downwards</source>
        <translation>Wärmestrom abwärts</translation>
    </message>
    <message>
        <source>heat flow upwards</source>
        <translation>Wärmestrom aufwärts</translation>
    </message>
    <message>
        <source>heat flow horizontal</source>
        <translation>Wärmestrom horizontal</translation>
    </message>
    <message>
        <source>inside climate “%1”</source>
        <translation>Innenklima „%1“</translation>
    </message>
    <message>
        <source>outside climate “%1”</source>
        <translation>Außenklima „%1“</translation>
    </message>
    <message>
        <source>evaporation period %1 Pa in the condensation plane, %2 Pa on both sides</source>
        <translation>Verdunstungsperiode %1 Pa in der Tauwasserebene, %2 Pa beidseitig</translation>
    </message>
    <message>
        <source>assessment “%1”</source>
        <translation>Beurteilung „%1“</translation>
    </message>
    <message>
        <source>minimum thermal resistance after %1 row %2</source>
        <translation>Mindestwärmeschutz nach %1 Zeile %2</translation>
    </message>
    <message>
        <source>Construction kind “%1”: no default changed.</source>
        <translation>Bauteilart „%1“: keine Vorgabe geändert.</translation>
    </message>
    <message>
        <source>Construction kind “%1”: %2.</source>
        <translation>Bauteilart „%1“: %2.</translation>
    </message>
    <message>
        <source>Change of construction kind to %1</source>
        <translation>Änderung der Bauteilart auf %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoHeatFlowDirection</name>
    <message>
        <source>Change of heat flow direction to upwards</source>
        <translation>Änderung der Wärmestromrichtung (nach oben)</translation>
    </message>
    <message>
        <source>Change of heat flow direction to horizontal</source>
        <translation>Änderung der Wärmestromrichtung (horizontal)</translation>
    </message>
    <message>
        <source>Change of heat flow direction to downwards</source>
        <translation>Änderung der Wärmestromrichtung (nach unten)</translation>
    </message>
</context>
<context>
    <name>M2_UndoLayerBridge</name>
    <message>
        <source>Removal of second material of layer no. %1</source>
        <translation>Entfernen des zweiten Materials in Schicht Nr. %1</translation>
    </message>
    <message>
        <source>Change of second material of layer no. %1</source>
        <translation>Änderung des zweiten Materials in Schicht Nr. %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoLayerColor</name>
    <message>
        <source>Change of colour of layer no. %1</source>
        <translation>Änderung der Farbe der Schicht Nr. %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoMaterialName</name>
    <message>
        <source>Change of material name of layer no. %1</source>
        <translation>Änderung des Materialnamens der Schicht Nr. %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoMaterialParameters</name>
    <message>
        <source>Change of %L1 of layer no. %2</source>
        <translation>Änderung von %L1 der Schicht Nr. %2</translation>
    </message>
    <message>
        <source>Change of w_80 of layer no. %1</source>
        <translation>Änderung von w_80 der Schicht Nr. %1</translation>
    </message>
    <message>
        <source>Change of w_sat of layer no. %1</source>
        <translation>Änderung von w_sat der Schicht Nr. %1</translation>
    </message>
    <message>
        <source>Change of thermal conductivity of layer no. %1</source>
        <translation>Änderung der Wärmeleitfähigkeit der Schicht Nr. %1</translation>
    </message>
    <message>
        <source>Change of water absorption coefficient of layer no. %1</source>
        <translation>Änderung des Wasseraufnahmekoeffizienten der Schicht Nr. %1</translation>
    </message>
    <message>
        <source>Change of summer sd-value of layer no. %1</source>
        <translation>Änderung des sd-Werts (Verdunstungsperiode) von Schicht Nr. %1</translation>
    </message>
    <message>
        <source>Change of width of layer no. %1</source>
        <translation>Änderung der Dicke der Schicht Nr. %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoMinimumResistanceType</name>
    <message>
        <source>Change of the row of the minimum thermal resistance</source>
        <translation>Änderung der Zeile des Mindestwärmeschutzes</translation>
    </message>
</context>
<context>
    <name>M2_UndoMoveLayerLeft</name>
    <message>
        <source>Move of layer no. %L1 to the left</source>
        <translation>Verschieben der Schicht Nr. %L1 nach links</translation>
    </message>
</context>
<context>
    <name>M2_UndoMoveLayerRight</name>
    <message>
        <source>Move of layer no. %L1 to the right</source>
        <translation>Verschieben der Schicht Nr. %L1 nach rechts</translation>
    </message>
</context>
<context>
    <name>M2_UndoRemoveLayer</name>
    <message>
        <source>Removal of layer no. %L1</source>
        <translation>Entfernen der Schicht Nr. %L1</translation>
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
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Application Language</source>
        <translation>Programmsprache</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Hauptwerkzeugleiste</translation>
    </message>
    <message>
        <source>Diagram toolbar</source>
        <translation>Diagramm-Werkzeugleiste</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>New project...</source>
        <translation>Neues Projekt…</translation>
    </message>
    <message>
        <source>Creates a new project.</source>
        <translation>Legt ein neues Projekt an.</translation>
    </message>
    <message>
        <source>Open project...</source>
        <translation>Projekt öffnen…</translation>
    </message>
    <message>
        <source>Opens a project.</source>
        <translation>Öffnet ein Projekt.</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Saves the current project.</source>
        <translation>Speichert das aktuelle Projekt.</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save project as...</source>
        <translation>Projekt speichern unter…</translation>
    </message>
    <message>
        <source>Saves the current project under a new name.</source>
        <translation>Speichert das aktuelle Projekt unter einem neuen Namen.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Closes the program.</source>
        <translation>Beendet das Programm.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Prints the report.</source>
        <translation>Druckt den Bericht.</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe…</translation>
    </message>
    <message>
        <source>Opens the program help.</source>
        <translation>Öffnet die Programmhilfe.</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About Mirelo 2 ...</source>
        <translation>Über Mirelo 2…</translation>
    </message>
    <message>
        <source>Opens the About dialog.</source>
        <translation>Öffnet den Dialog mit Informationen über das Programm.</translation>
    </message>
    <message>
        <source>About Qt...</source>
        <translation>Über Qt…</translation>
    </message>
    <message>
        <source>Opens the Qt About dialog.</source>
        <translation>Öffnet den Dialog mit Informationen über Qt.</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Opens the configuration dialog.</source>
        <translation>Öffnet den Dialog Einstellungen.</translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation>Zuletzt verwendete Projekte</translation>
    </message>
    <message>
        <source>Shows list of recently used projects.</source>
        <translation>Zeigt die Liste der zuletzt verwendeten Projekte.</translation>
    </message>
    <message>
        <source>Show moisture content profile</source>
        <translation>Feuchteverlauf anzeigen</translation>
    </message>
    <message>
        <source>Show moisture content</source>
        <translation>Feuchtegehalt anzeigen</translation>
    </message>
    <message>
        <source>Toggles display of vapor pressure profile or moisture content profile</source>
        <translation>Wechselt zwischen dem Verlauf des Wasserdampfteildrucks und dem Feuchteverlauf</translation>
    </message>
    <message>
        <source>Use hatching</source>
        <translation>Schraffur verwenden</translation>
    </message>
    <message>
        <source>Toggles display of hatched material layers.</source>
        <translation>Schaltet die schraffierte Darstellung der Materialschichten ein oder aus.</translation>
    </message>
    <message>
        <source>Qt User Interface Configuration...</source>
        <translation>Qt-Oberflächenkonfiguration…</translation>
    </message>
    <message>
        <source>Opens the Qt User Interface Configuration tool</source>
        <translation>Öffnet das Qt-Werkzeug zur Konfiguration der Benutzeroberfläche</translation>
    </message>
    <message>
        <source>Select Material...</source>
        <translation>Material auswählen…</translation>
    </message>
    <message>
        <source>= Mat</source>
        <translation>= Mat</translation>
    </message>
    <message>
        <source>Opens the material database dialog to select a material for this layer.</source>
        <translation>Öffnet die Materialdatenbank, um ein Material für diese Schicht auszuwählen.</translation>
    </message>
    <message>
        <source>Edit Material Database...</source>
        <translation>Materialdatenbank bearbeiten…</translation>
    </message>
    <message>
        <source>Open the Database Dialog for viewing and editing material or construction data</source>
        <translation>Öffnet den Datenbankdialog zum Anzeigen und Bearbeiten von Material- und Konstruktionsdaten</translation>
    </message>
    <message>
        <source>Add layer to the left</source>
        <translation>Schicht links hinzufügen</translation>
    </message>
    <message>
        <source>+ Left</source>
        <translation>+ Links</translation>
    </message>
    <message>
        <source>Adds a new layer or construction to the left of the currently selected layer.</source>
        <translation>Fügt links von der ausgewählten Schicht eine neue Schicht oder Konstruktion hinzu.</translation>
    </message>
    <message>
        <source>Add layer to the right</source>
        <translation>Schicht rechts hinzufügen</translation>
    </message>
    <message>
        <source>+ Right</source>
        <translation>+ Rechts</translation>
    </message>
    <message>
        <source>Adds a new layer or construction to the right of the currently selected layer.</source>
        <translation>Fügt rechts von der ausgewählten Schicht eine neue Schicht oder Konstruktion hinzu.</translation>
    </message>
    <message>
        <source>Remove current layer</source>
        <translation>Aktuelle Schicht entfernen</translation>
    </message>
    <message>
        <source>- Layer</source>
        <translation>- Schicht</translation>
    </message>
    <message>
        <source>Removes the currently selected layer.</source>
        <translation>Entfernt die ausgewählte Schicht.</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Nach links verschieben</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;</source>
        <translation>&lt;&lt;&lt;</translation>
    </message>
    <message>
        <source>Moves current layer to the left.</source>
        <translation>Verschiebt die aktuelle Schicht nach links.</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Nach rechts verschieben</translation>
    </message>
    <message>
        <source>&gt;&gt;&gt;</source>
        <translation>&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Moves current layer to the right.</source>
        <translation>Verschiebt die aktuelle Schicht nach rechts.</translation>
    </message>
    <message>
        <source>Report setup / Print preview ...</source>
        <translation>Berichtseinstellungen / Druckvorschau …</translation>
    </message>
    <message>
        <source>Opens the print preview and setup dialog.</source>
        <translation>Öffnet die Druckvorschau mit den Berichtseinstellungen.</translation>
    </message>
    <message>
        <source>Edit project information...</source>
        <translation>Projektinformationen bearbeiten…</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Skizze</translation>
    </message>
    <message>
        <source>Copy sketch image</source>
        <translation>Skizze als Bild kopieren</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Copy chart image</source>
        <translation>Diagramm als Bild kopieren</translation>
    </message>
    <message>
        <source>Export sketch image to file</source>
        <translation>Skizze als Bilddatei exportieren</translation>
    </message>
    <message>
        <source>Export chart image to file</source>
        <translation>Diagramm als Bilddatei exportieren</translation>
    </message>
    <message>
        <source>Add to Construction Database...</source>
        <translation>Zur Konstruktionsdatenbank hinzufügen…</translation>
    </message>
    <message>
        <source>Adds the current construction to the construction database.</source>
        <translation>Fügt die aktuelle Konstruktion der Konstruktionsdatenbank hinzu.</translation>
    </message>
    <message>
        <source>Heat flow up</source>
        <translation>Wärmestrom aufwärts</translation>
    </message>
    <message>
        <source>Horizontal construction with heat flow upwards.</source>
        <translation>Horizontales Bauteil mit Wärmestrom nach oben.</translation>
    </message>
    <message>
        <source>horizontal heat flow</source>
        <translation>Wärmestrom horizontal</translation>
    </message>
    <message>
        <source>Vertical construction with horizontal heat flow.</source>
        <translation>Vertikales Bauteil mit horizontalem Wärmestrom.</translation>
    </message>
    <message>
        <source>Heat flow down</source>
        <translation>Wärmestrom abwärts</translation>
    </message>
    <message>
        <source>Horizontal construction with heat flow downwards.</source>
        <translation>Horizontales Bauteil mit Wärmestrom nach unten.</translation>
    </message>
    <message>
        <source>Help heat flow directions</source>
        <translation>Hilfe zu den Wärmestromrichtungen</translation>
    </message>
    <message>
        <source>Add Material to User Database</source>
        <translation>Material zur Benutzerdatenbank hinzufügen</translation>
    </message>
    <message>
        <source>Show Logfile</source>
        <translation>Protokolldatei anzeigen</translation>
    </message>
    <message>
        <source>Show the logfile of MIRELO2.</source>
        <translation>Zeigt die Protokolldatei von MIRELO2 an.</translation>
    </message>
    <message>
        <source>About %1 ...</source>
        <translation>Über %1…</translation>
    </message>
    <message>
        <source>Show/hide main toolbar</source>
        <translation>Hauptwerkzeugleiste ein-/ausblenden</translation>
    </message>
    <message>
        <source>Shows/hides the main toolbar</source>
        <translation>Blendet die Hauptwerkzeugleiste ein oder aus</translation>
    </message>
    <message>
        <source>Show/hide diagram toolbar</source>
        <translation>Diagramm-Werkzeugleiste ein-/ausblenden</translation>
    </message>
    <message>
        <source>Shows/hides the diagram toolbar</source>
        <translation>Blendet die Diagramm-Werkzeugleiste ein oder aus</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>A software for hygrothermal evaluation of building envelope systems</source>
        <translation>Software zur hygrothermischen Bewertung von Bauteilen der Gebäudehülle</translation>
    </message>
    <message>
        <source>Save project before closing</source>
        <translation>Projekt vor dem Schließen speichern</translation>
    </message>
    <message>
        <source>Would you like to save the project before closing it?</source>
        <translation>Möchten Sie das Projekt vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Project file changed while reading</source>
        <translation>Die Projektdatei wurde beim Einlesen geändert</translation>
    </message>
    <message>
        <source>Error loading project file</source>
        <translation>Fehler beim Laden der Projektdatei</translation>
    </message>
    <message>
        <source>%1 Projects (*.%2)</source>
        <translation>%1-Projekte (*.%2)</translation>
    </message>
    <message>
        <source>;;%1 Projects (*.%2);;All files (*.*)</source>
        <translation>;;%1-Projekte (*.%2);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Select %1 project file</source>
        <translation>%1-Projektdatei auswählen</translation>
    </message>
    <message>
        <source>Error #4: File not found</source>
        <translation>Fehler #4: Datei nicht gefunden</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be found or does not exist.</source>
        <translation>Die Datei „%1“ wurde nicht gefunden oder existiert nicht.</translation>
    </message>
    <message>
        <source>Error #5: File not found</source>
        <translation>Fehler #5: Datei nicht gefunden</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be found or does not exist.
%2</source>
        <translation>Die Datei „%1“ wurde nicht gefunden oder existiert nicht.
%2</translation>
    </message>
    <message>
        <source>Remove this file from list?</source>
        <translation>Diese Datei aus der Liste entfernen?</translation>
    </message>
    <message>
        <source>Error #3: Saving failed</source>
        <translation>Fehler #3: Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Error while saving project file!</source>
        <translation>Fehler beim Speichern der Projektdatei!</translation>
    </message>
    <message>
        <source>Specify %1 project file</source>
        <translation>%1-Projektdatei festlegen</translation>
    </message>
    <message>
        <source>%2 project (*.%1)</source>
        <translation>%2-Projekt (*.%1)</translation>
    </message>
    <message>
        <source>Jpg image (*.jpg)</source>
        <translation>JPG-Bild (*.jpg)</translation>
    </message>
    <message>
        <source>Svg file (*.svg)</source>
        <translation>SVG-Datei (*.svg)</translation>
    </message>
    <message>
        <source>Pdf file (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>Png file (*.png)</source>
        <translation>PNG-Datei (*.png)</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>The picture could not be written to &apos;%1&apos;:
%2</source>
        <translation>Das Bild konnte nicht nach „%1“ geschrieben werden:
%2</translation>
    </message>
    <message>
        <source>Could not launch external program</source>
        <translation>Externes Programm konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Couldn&apos;t start the &lt;b&gt;qtconfig&lt;/b&gt; application. Make sure it is in your application search path!</source>
        <translation>Das Programm &lt;b&gt;qtconfig&lt;/b&gt; konnte nicht gestartet werden. Stellen Sie sicher, dass es im Suchpfad für Programme liegt!</translation>
    </message>
    <message>
        <source>Languange changed</source>
        <translation>Sprache geändert</translation>
    </message>
    <message>
        <source>Please restart the software to activate the new language!</source>
        <translation>Bitte starten Sie das Programm neu, um die neue Sprache zu aktivieren!</translation>
    </message>
    <message>
        <source>The change of the user database was not saved.</source>
        <translation>Die Änderung der Benutzerdatenbank wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Vapour pressure over s_d (Glaser diagram)</source>
        <translation>Wasserdampfteildruck über s_d (Glaser-Diagramm)</translation>
    </message>
    <message>
        <source>Glaser (s_d)</source>
        <translation>Glaser (s_d)</translation>
    </message>
    <message>
        <source>Draws the vapour pressure profile over the diffusion-equivalent air layer thickness s_d (Glaser diagram) instead of over the layer widths</source>
        <translation>Zeichnet den Verlauf des Wasserdampfteildrucks über der wasserdampfdiffusionsäquivalenten Luftschichtdicke s_d (Glaser-Diagramm) statt über den Schichtdicken</translation>
    </message>
    <message>
        <source>Layer %1 is now given by its sd-value and cannot carry a second material: &quot;%2&quot; was removed. Undo brings it back.</source>
        <translation>Schicht %1 ist nun über ihren sd-Wert angegeben und kann kein zweites Material tragen: „%2“ wurde entfernt. Rückgängig stellt es wieder her.</translation>
    </message>
</context>
<context>
    <name>Material</name>
    <message>
        <source>Invalid encoding &apos;%1&apos; of material color of layer %2 (line %3).</source>
        <translation>Ungültige Kodierung „%1“ der Materialfarbe von Schicht %2 (Zeile %3).</translation>
    </message>
    <message>
        <source>Invalid encoding &apos;%1&apos; of material color (line %2).</source>
        <translation>Ungültige Kodierung „%1“ der Materialfarbe (Zeile %2).</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>bulk density</source>
        <translation>Rohdichte</translation>
    </message>
    <message>
        <source>thermal conductivity</source>
        <translation>Wärmeleitfähigkeit</translation>
    </message>
    <message>
        <source>vapour diffusion resistance factor</source>
        <translation>Wasserdampf-Diffusionswiderstandszahl</translation>
    </message>
    <message>
        <source>lower vapour diffusion resistance factor</source>
        <translation>unterer Wert der Wasserdampf-Diffusionswiderstandszahl</translation>
    </message>
    <message>
        <source>upper vapour diffusion resistance factor</source>
        <translation>oberer Wert der Wasserdampf-Diffusionswiderstandszahl</translation>
    </message>
    <message>
        <source>moisture content at 80 %RH</source>
        <translation>Feuchtegehalt bei 80 % r. F.</translation>
    </message>
    <message>
        <source>saturation moisture content</source>
        <translation>freie Wassersättigung</translation>
    </message>
    <message>
        <source>water absorption coefficient</source>
        <translation>Wasseraufnahmekoeffizient</translation>
    </message>
    <message>
        <source>sd-value</source>
        <translation>sd-Wert</translation>
    </message>
    <message>
        <source>%1 %2%3, must be a finite number from %4 to %5%3.</source>
        <translation>%1 %2%3, muss eine endliche Zahl von %4 bis %5%3 sein.</translation>
    </message>
    <message>
        <source>width</source>
        <translation>Dicke</translation>
    </message>
    <message>
        <source>Area fraction %1, must lie above 0 and below 1 (0 % … 100 %).</source>
        <translation>Flächenanteil %1, muss über 0 und unter 1 liegen (0 % … 100 %).</translation>
    </message>
    <message>
        <source>Width %1 m at spacing %2 m: both must be finite numbers from %3 to %4 m.</source>
        <translation>Breite %1 m bei Achsabstand %2 m: Beide müssen endliche Zahlen von %3 bis %4 m sein.</translation>
    </message>
    <message>
        <source>Width %1 m at spacing %2 m: the width must be smaller than the spacing.</source>
        <translation>Breite %1 m bei Achsabstand %2 m: Die Breite muss kleiner als der Achsabstand sein.</translation>
    </message>
    <message>
        <source>sd-value in the evaporation period</source>
        <translation>sd-Wert in der Verdunstungsperiode</translation>
    </message>
    <message>
        <source>An sd-value for the evaporation period needs the sd-value of the condensation period: only a material given by its sd-value (a foil, a membrane, a coating) can have one.</source>
        <translation>Ein sd-Wert für die Verdunstungsperiode setzt den sd-Wert der Tauperiode voraus: nur ein durch seinen sd-Wert beschriebenes Material (Folie, Bahn, Beschichtung) kann einen haben.</translation>
    </message>
</context>
<context>
    <name>MaterialCategory</name>
    <message>
        <source>Coating</source>
        <comment>MaterialCategory</comment>
        <translation>Beschichtungen</translation>
    </message>
    <message>
        <source>Plaster and mortar</source>
        <comment>MaterialCategory</comment>
        <translation>Putze und Mörtel</translation>
    </message>
    <message>
        <source>Building brick</source>
        <comment>MaterialCategory</comment>
        <translation>Mauersteine</translation>
    </message>
    <message>
        <source>Natural stones</source>
        <comment>MaterialCategory</comment>
        <translation>Natursteine</translation>
    </message>
    <message>
        <source>Concrete containing building materials</source>
        <comment>MaterialCategory</comment>
        <translation>Beton und betonhaltige Baustoffe</translation>
    </message>
    <message>
        <source>Insulation materials</source>
        <comment>MaterialCategory</comment>
        <translation>Dämmstoffe</translation>
    </message>
    <message>
        <source>Building boards</source>
        <comment>MaterialCategory</comment>
        <translation>Bauplatten</translation>
    </message>
    <message>
        <source>Timber</source>
        <comment>MaterialCategory</comment>
        <translation>Holz</translation>
    </message>
    <message>
        <source>Natural materials</source>
        <comment>MaterialCategory</comment>
        <translation>Naturbaustoffe</translation>
    </message>
    <message>
        <source>Soil</source>
        <comment>MaterialCategory</comment>
        <translation>Erdreich</translation>
    </message>
    <message>
        <source>Cladding panels and ceramic tiles</source>
        <comment>MaterialCategory</comment>
        <translation>Bekleidungsplatten und keramische Fliesen</translation>
    </message>
    <message>
        <source>Foils and waterproofing products</source>
        <comment>MaterialCategory</comment>
        <translation>Folien und Abdichtungsprodukte</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <comment>MaterialCategory</comment>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>MaterialCategory</comment>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>MaterialConstructionTabWidget</name>
    <message>
        <source>Materials</source>
        <translation>Materialien</translation>
    </message>
    <message>
        <source>Constructions</source>
        <translation>Konstruktionen</translation>
    </message>
</context>
<context>
    <name>MaterialDatabaseDialog</name>
    <message>
        <source>Material/Construction Database</source>
        <translation>Material- und Konstruktionsdatenbank</translation>
    </message>
    <message>
        <source>Information about material properties</source>
        <translation>Informationen zu den Materialeigenschaften</translation>
    </message>
    <message>
        <source>Material properties</source>
        <translation>Materialeigenschaften</translation>
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
        <translation>%1: Rohdichte in kg/m%2
%3: Wärmeleitfähigkeit in W/(m K)
%4: Wasserdampf-Diffusionswiderstandszahl (-)
sd: wasserdampfdiffusionsäquivalente Luftschichtdicke in m (Folien, Bahnen, Beschichtungen)
w_80: Feuchtegehalt bei 80 % relativer Luftfeuchte in m%2/m%2
w_sat: Feuchtegehalt bei freier Sättigung in m%2/m%2
A_w: Wasseraufnahmekoeffizient in kg/(m%5 s%6)

Kursiv dargestellte Materialien sind Ihre eigenen; nur diese können bearbeitet oder entfernt werden. Um die Werte eines mitgelieferten Materials zu ändern, kopieren Sie es.</translation>
    </message>
</context>
<context>
    <name>MaterialDatabaseSelectionWidget</name>
    <message>
        <source>Shows only the materials of one category.</source>
        <translation>Zeigt nur die Materialien einer Kategorie an.</translation>
    </message>
    <message>
        <source>Name contains ...</source>
        <translation>Name enthält …</translation>
    </message>
    <message>
        <source>Producer contains ...</source>
        <translation>Hersteller enthält …</translation>
    </message>
    <message>
        <source>Data source contains ...</source>
        <translation>Datenquelle enthält …</translation>
    </message>
    <message>
        <source>Notes contain ...</source>
        <translation>Notizen enthalten …</translation>
    </message>
    <message>
        <source>Select a material to see its data source and notes.</source>
        <translation>Wählen Sie ein Material aus, um seine Datenquelle und Notizen zu sehen.</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Producer:</source>
        <translation>Hersteller:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Quelle:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>All categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <source>%1 of %2 materials shown</source>
        <translation>%1 von %2 Materialien angezeigt</translation>
    </message>
    <message>
        <source>from</source>
        <translation>von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Finds the name in English, German and Polish.</source>
        <translation>Findet den Namen auf Englisch, Deutsch und Polnisch.</translation>
    </message>
    <message>
        <source>Shows only the materials whose thermal conductivity lies in this range, for example from 0.030 to 0.040 W/mK.</source>
        <translation>Zeigt nur die Materialien, deren Wärmeleitfähigkeit in diesem Bereich liegt, zum Beispiel von 0,030 bis 0,040 W/mK.</translation>
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
        <translation>Material hinzufügen</translation>
    </message>
    <message>
        <source>Add a new user defined material</source>
        <translation>Fügt ein neues benutzerdefiniertes Material hinzu</translation>
    </message>
    <message>
        <source>Remove material</source>
        <translation>Material entfernen</translation>
    </message>
    <message>
        <source>Removes user defined material</source>
        <translation>Entfernt das benutzerdefinierte Material</translation>
    </message>
    <message>
        <source>Edit material</source>
        <translation>Material bearbeiten</translation>
    </message>
    <message>
        <source>Edit user defined material</source>
        <translation>Bearbeitet das benutzerdefinierte Material</translation>
    </message>
    <message>
        <source>Copy material</source>
        <translation>Material kopieren</translation>
    </message>
    <message>
        <source>Copies the selected material into a new user defined material</source>
        <translation>Kopiert das ausgewählte Material in ein neues benutzerdefiniertes Material</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Import external user database (version 1 and 2)</source>
        <translation>Externe Benutzerdatenbank importieren (Version 1 und 2)</translation>
    </message>
    <message>
        <source>New material</source>
        <translation>Neues Material</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (Kopie)</translation>
    </message>
    <message>
        <source>Do you really want to remove the material &apos;%1&apos; from the user database?</source>
        <translation>Möchten Sie das Material „%1“ wirklich aus der Benutzerdatenbank entfernen?</translation>
    </message>
    <message>
        <source>Select file with user material database.</source>
        <translation>Datei mit Benutzer-Materialdatenbank auswählen.</translation>
    </message>
    <message>
        <source>Database for Mirelo 1.9 (*.txt)</source>
        <translation>Datenbank für Mirelo 1.9 (*.txt)</translation>
    </message>
    <message>
        <source>Database for Mirelo 2.0 (*.mmat)</source>
        <translation>Datenbank für Mirelo 2.0 (*.mmat)</translation>
    </message>
    <message>
        <source>Material read error.</source>
        <translation>Fehler beim Lesen der Materialien.</translation>
    </message>
    <message>
        <source>No valid material file &apos;%1&apos;
 Extension sould be &apos;txt&apos; or &apos;mmat&apos;</source>
        <translation>Keine gültige Materialdatei „%1“
 Die Dateiendung sollte „txt“ oder „mmat“ sein</translation>
    </message>
    <message>
        <source>No materials found in file &apos;%1&apos;</source>
        <translation>Keine Materialien in der Datei „%1“ gefunden</translation>
    </message>
    <message>
        <source>Materials added.</source>
        <translation>Materialien hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 materials found in file &apos;%2&apos;</source>
        <translation>%1 Materialien in der Datei „%2“ gefunden</translation>
    </message>
</context>
<context>
    <name>MaterialEditDialog</name>
    <message>
        <source>Edit material</source>
        <translation>Material bearbeiten</translation>
    </message>
    <message>
        <source>Select Material Color</source>
        <translation>Materialfarbe wählen</translation>
    </message>
    <message>
        <source>The bulk density must be &gt; 0.</source>
        <translation>Die Rohdichte muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The thermal conductivity must be &gt; 0.</source>
        <translation>Die Wärmeleitfähigkeit muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The vapor resistance factor must be &gt; 0.</source>
        <translation>Die Wasserdampf-Diffusionswiderstandszahl muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The vapor resistance factor must be &gt;= 0.</source>
        <translation>Die Wasserdampf-Diffusionswiderstandszahl muss &gt;= 0 sein.</translation>
    </message>
    <message>
        <source>The moisture content at 80% humidity must be &gt; 0 and lower than the saturation moisture content.</source>
        <translation>Der Feuchtegehalt bei 80 % relativer Luftfeuchte muss &gt; 0 und kleiner als der Sättigungsfeuchtegehalt sein.</translation>
    </message>
    <message>
        <source>The moisture content at saturation must be larger than the moisture content at 80% humidity and lower equal than 1.0.</source>
        <translation>Der Feuchtegehalt bei Sättigung muss größer als der Feuchtegehalt bei 80 % relativer Luftfeuchte und kleiner oder gleich 1,0 sein.</translation>
    </message>
    <message>
        <source>The water uptake coefficient must be &gt;= 0.</source>
        <translation>Der Wasseraufnahmekoeffizient muss &gt;= 0 sein.</translation>
    </message>
    <message>
        <source>The sd-value must be &gt;= 0.</source>
        <translation>Der sd-Wert muss &gt;= 0 sein.</translation>
    </message>
    <message>
        <source>An sd-value &gt; 0 fixes the layer width to sd / %1 (foils, membranes, coatings); 0 for ordinary materials.</source>
        <translation>Ein sd-Wert &gt; 0 legt die Schichtdicke auf sd / %1 fest (Folien, Bahnen, Beschichtungen); 0 für gewöhnliche Materialien.</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Holz</translation>
    </message>
    <message>
        <source>Wood based</source>
        <translation>Holzwerkstoff</translation>
    </message>
    <message>
        <source>Foil</source>
        <translation>Folie</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine Angabe</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Produktname:</translation>
    </message>
    <message>
        <source>Producer:</source>
        <translation>Hersteller:</translation>
    </message>
    <message>
        <source>Data source:</source>
        <translation>Datenquelle:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Material Properties</source>
        <translation>Materialeigenschaften</translation>
    </message>
    <message>
        <source>Bulk density [kg/m%1]:</source>
        <translation>Rohdichte [kg/m%1]:</translation>
    </message>
    <message>
        <source>Thermal conductivity [W/mK]:</source>
        <translation>Wärmeleitfähigkeit [W/mK]:</translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor [-]:</source>
        <translation>Wasserdampf-Diffusionswiderstandszahl [-]:</translation>
    </message>
    <message>
        <source>Lower value of %1 [-]:</source>
        <translation>Unterer Wert von %1 [-]:</translation>
    </message>
    <message>
        <source>Upper value of %1 [-]:</source>
        <translation>Oberer Wert von %1 [-]:</translation>
    </message>
    <message>
        <source>Moisture content at 80% RH [m%1/m%1]:</source>
        <translation>Feuchtegehalt bei 80 % r. F. [m%1/m%1]:</translation>
    </message>
    <message>
        <source>Moisture content at saturation [m%1/m%1]:</source>
        <translation>Feuchtegehalt bei Sättigung [m%1/m%1]:</translation>
    </message>
    <message>
        <source>Water absorption coefficient [kg/m%1s%2]:</source>
        <translation>Wasseraufnahmekoeffizient [kg/m%1s%2]:</translation>
    </message>
    <message>
        <source>sd-value [m]:</source>
        <translation>sd-Wert [m]:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Merkmale:</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datumsangaben</translation>
    </message>
    <message>
        <source>Measuring date:</source>
        <translation>Messdatum:</translation>
    </message>
    <message>
        <source>Sampling date:</source>
        <translation>Probenahmedatum:</translation>
    </message>
    <message>
        <source>Production date:</source>
        <translation>Herstellungsdatum:</translation>
    </message>
    <message>
        <source>The material needs a name.</source>
        <translation>Das Material benötigt einen Namen.</translation>
    </message>
    <message>
        <source>Please choose a category.</source>
        <translation>Bitte wählen Sie eine Kategorie.</translation>
    </message>
    <message>
        <source>bulk density</source>
        <translation>Rohdichte</translation>
    </message>
    <message>
        <source>thermal conductivity</source>
        <translation>Wärmeleitfähigkeit</translation>
    </message>
    <message>
        <source>vapor diffusion resistance factor</source>
        <translation>Wasserdampf-Diffusionswiderstandszahl</translation>
    </message>
    <message>
        <source>lower value of %1</source>
        <translation>unterer Wert von %1</translation>
    </message>
    <message>
        <source>upper value of %1</source>
        <translation>oberer Wert von %1</translation>
    </message>
    <message>
        <source>moisture content at 80% RH</source>
        <translation>Feuchtegehalt bei 80 % r. F.</translation>
    </message>
    <message>
        <source>moisture content at saturation</source>
        <translation>Feuchtegehalt bei Sättigung</translation>
    </message>
    <message>
        <source>water absorption coefficient</source>
        <translation>Wasseraufnahmekoeffizient</translation>
    </message>
    <message>
        <source>sd-value</source>
        <translation>sd-Wert</translation>
    </message>
    <message>
        <source>Please correct the %1.</source>
        <translation>Bitte korrigieren Sie die Angabe „%1“.</translation>
    </message>
    <message>
        <source>The material is not valid.</source>
        <translation>Das Material ist ungültig.</translation>
    </message>
    <message>
        <source>The sd-value in the evaporation period must be &gt;= 0.</source>
        <translation>Der sd-Wert der Verdunstungsperiode muss &gt;= 0 sein.</translation>
    </message>
    <message>
        <source>Humidity-variable vapour retarders: the sd-value in the evaporation (summer) period, the humid-range value of the data sheet; the sd-value above is then the dry-range value of the condensation (winter) period. Empty for every other material.</source>
        <translation>Feuchtevariable Dampfbremsen: der sd-Wert in der Verdunstungsperiode (Sommer), der Wert des Datenblatts für den feuchten Bereich; der sd-Wert darüber ist dann der Wert des trockenen Bereichs für die Tauperiode (Winter). Leer bei jedem anderen Material.</translation>
    </message>
    <message>
        <source>as in winter</source>
        <translation>wie im Winter</translation>
    </message>
    <message>
        <source>sd-value, evaporation period [m]:</source>
        <translation>sd-Wert, Verdunstungsperiode [m]:</translation>
    </message>
    <message>
        <source>sd-value of the evaporation period</source>
        <translation>sd-Wert der Verdunstungsperiode</translation>
    </message>
</context>
<context>
    <name>MaterialEditWidget</name>
    <message>
        <source>Select Layer Color</source>
        <translation>Schichtfarbe wählen</translation>
    </message>
    <message>
        <source>The layer width must be &gt; 0.</source>
        <translation>Die Schichtdicke muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>This filed changes the width of a material layer.</source>
        <translation>Dieses Feld ändert die Dicke einer Materialschicht.</translation>
    </message>
    <message>
        <source>The name of the material of the selected layer.</source>
        <translation>Der Name des Materials der ausgewählten Schicht.</translation>
    </message>
    <message>
        <source>The thermal conductivity must be &gt; 0.</source>
        <translation>Die Wärmeleitfähigkeit muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The vapor resistance factor must be &gt; 0.</source>
        <translation>Die Wasserdampf-Diffusionswiderstandszahl muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The moisture content at 80% humidity must be &gt; 0 and lower than the saturation moisture content.</source>
        <translation>Der Feuchtegehalt bei 80 % relativer Luftfeuchte muss &gt; 0 und kleiner als der Sättigungsfeuchtegehalt sein.</translation>
    </message>
    <message>
        <source>Moisture content must be in between 0.01 and 0.8.</source>
        <translation>Der Feuchtegehalt muss zwischen 0,01 und 0,8 liegen.</translation>
    </message>
    <message>
        <source>The moisture content at saturation must be larger than the moisture content at 80% humidity and lower equal than 1.0.</source>
        <translation>Der Feuchtegehalt bei Sättigung muss größer als der Feuchtegehalt bei 80 % relativer Luftfeuchte und kleiner oder gleich 1,0 sein.</translation>
    </message>
    <message>
        <source>The water uptake coefficient must be &gt; 0.</source>
        <translation>Der Wasseraufnahmekoeffizient muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The sd-value must be &gt; 0.</source>
        <translation>Der sd-Wert muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The unit can be configured in settings dialogue.</source>
        <translation>Die Einheit kann im Dialog Einstellungen festgelegt werden.</translation>
    </message>
    <message>
        <source>Layer Properties</source>
        <translation>Schichteigenschaften</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Material Properties</source>
        <translation>Materialeigenschaften</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Thermal conductivity [W/mK]:</source>
        <translation>Wärmeleitfähigkeit [W/mK]:</translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor [-]:</source>
        <translation>Wasserdampf-Diffusionswiderstandszahl [-]:</translation>
    </message>
    <message>
        <source>Moisture content at 80% RH [m%1/m%1]:</source>
        <translation>Feuchtegehalt bei 80 % r. F. [m%1/m%1]:</translation>
    </message>
    <message>
        <source>Moisture content at saturation [m%1/m%1]:</source>
        <translation>Feuchtegehalt bei Sättigung [m%1/m%1]:</translation>
    </message>
    <message>
        <source>sd-value [m]</source>
        <translation>sd-Wert [m]</translation>
    </message>
    <message>
        <source>Layer width/height [%1]:</source>
        <translation>Schichtdicke [%1]:</translation>
    </message>
    <message>
        <source>Water absorption coefficient [%1]:</source>
        <translation>Wasseraufnahmekoeffizient [%1]:</translation>
    </message>
    <message>
        <source>The sd-value of the layer; for a humidity-variable vapour retarder its value in the condensation (winter) period.</source>
        <translation>Der sd-Wert der Schicht; bei einer feuchtevariablen Dampfbremse ihr Wert in der Tauperiode (Winter).</translation>
    </message>
    <message>
        <source>The sd-value in the evaporation period must be &gt; 0, or empty.</source>
        <translation>Der sd-Wert der Verdunstungsperiode muss &gt; 0 oder leer sein.</translation>
    </message>
    <message>
        <source>as in winter</source>
        <translation>wie im Winter</translation>
    </message>
    <message>
        <source>sd-value, evaporation period [m]:</source>
        <translation>sd-Wert, Verdunstungsperiode [m]:</translation>
    </message>
    <message>
        <source>Second Material (Studs, Rafters, Battens)</source>
        <translation>Zweites Material (Ständer, Sparren, Lattung)</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Choose the material of the studs, rafters or battens that run through this layer.</source>
        <translation>Material der Ständer, Sparren oder Latten wählen, die diese Schicht durchdringen.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>The layer becomes homogeneous again.</source>
        <translation>Die Schicht wird wieder homogen.</translation>
    </message>
    <message>
        <source>Area fraction</source>
        <translation>Flächenanteil</translation>
    </message>
    <message>
        <source>Width and spacing</source>
        <translation>Breite und Achsabstand</translation>
    </message>
    <message>
        <source>The area fraction must lie above 0 % and below 100 %.</source>
        <translation>Der Flächenanteil muss über 0 % und unter 100 % liegen.</translation>
    </message>
    <message>
        <source>The width must be &gt; 0 and smaller than the spacing.</source>
        <translation>Die Breite muss &gt; 0 und kleiner als der Achsabstand sein.</translation>
    </message>
    <message>
        <source>The spacing must be &gt; 0 and larger than the width.</source>
        <translation>Der Achsabstand muss &gt; 0 und größer als die Breite sein.</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Entered as:</source>
        <translation>Eingabe als:</translation>
    </message>
    <message>
        <source>Area fraction [%]:</source>
        <translation>Flächenanteil [%]:</translation>
    </message>
    <message>
        <source>Width of one member [mm]:</source>
        <translation>Breite je Ständer/Sparren [mm]:</translation>
    </message>
    <message>
        <source>Spacing, centre to centre [mm]:</source>
        <translation>Achsabstand [mm]:</translation>
    </message>
    <message>
        <source>The sd-value of a humidity-variable vapour retarder in the evaporation (summer) period: the humid-range value of its data sheet. The Glaser scheme and the moisture-storage method let the construction dry through it; empty: the sd-value holds in both periods.</source>
        <translation>Der sd-Wert einer feuchtevariablen Dampfbremse in der Verdunstungsperiode (Sommer): der Wert des Datenblatts für den feuchten Bereich. Glaser-Verfahren und Feuchtespeicherverfahren lassen die Konstruktion durch sie austrocknen; leer: der sd-Wert gilt in beiden Perioden.</translation>
    </message>
    <message>
        <source>Only a material given by its sd-value (a foil, a membrane) can have a second sd-value for the evaporation period.</source>
        <translation>Nur ein durch seinen sd-Wert beschriebenes Material (Folie, Bahn) kann einen zweiten sd-Wert für die Verdunstungsperiode haben.</translation>
    </message>
    <message>
        <source>none (homogeneous layer)</source>
        <translation>keines (homogene Schicht)</translation>
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
        <translation>Fehler beim Lesen des Materialnamens!</translation>
    </message>
    <message>
        <source>Invalid keyword!</source>
        <translation>Ungültiges Schlüsselwort!</translation>
    </message>
    <message>
        <source>Missing data!</source>
        <translation>Fehlende Daten!</translation>
    </message>
    <message>
        <source>Air space (not ventilated)</source>
        <translation>Luftschicht (ruhend)</translation>
    </message>
    <message>
        <source>Thermal conductivity will be calculated from construction and heat flow according DIN EN ISO 6946 5.3.</source>
        <translation>Die Wärmeleitfähigkeit wird aus Konstruktion und Wärmestromrichtung nach DIN EN ISO 6946, Abschnitt 5.3 berechnet.</translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor will be calculated from construction according DIN EN ISO 13788 4.1.</source>
        <translation>Die Wasserdampf-Diffusionswiderstandszahl wird aus der Konstruktion nach DIN EN ISO 13788, Abschnitt 4.1 berechnet.</translation>
    </message>
    <message>
        <source>Error reading material list from file &apos;%1&apos;!
%2</source>
        <translation>Fehler beim Lesen der Materialliste aus der Datei „%1“!
%2</translation>
    </message>
    <message>
        <source>Cannot open file.</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Keyword &apos;FileVersion&apos; missing!</source>
        <translation>Schlüsselwort „FileVersion“ fehlt!</translation>
    </message>
    <message>
        <source>Keyword &apos;MATERIAL_LIST&apos; missing!</source>
        <translation>Schlüsselwort „MATERIAL_LIST“ fehlt!</translation>
    </message>
    <message>
        <source>Missing block start!</source>
        <translation>Blockanfang fehlt!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; of material definition missing!</source>
        <translation>Blockanfang „{“ der Materialdefinition fehlt!</translation>
    </message>
    <message>
        <source>Cannot create directory &apos;%1&apos;.</source>
        <translation>Das Verzeichnis „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot rename file &apos;%1&apos; to &apos;%2&apos;.</source>
        <translation>Die Datei „%1“ kann nicht in „%2“ umbenannt werden.</translation>
    </message>
</context>
<context>
    <name>MaterialTableModel</name>
    <message>
        <source>User defined material</source>
        <translation>Benutzerdefiniertes Material</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
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
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Data source</source>
        <translation>Datenquelle</translation>
    </message>
    <message>
        <source>Bulk density</source>
        <translation>Rohdichte</translation>
    </message>
    <message>
        <source>Thermal conductivity</source>
        <translation>Wärmeleitfähigkeit</translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor</source>
        <translation>Wasserdampf-Diffusionswiderstandszahl</translation>
    </message>
    <message>
        <source>Diffusion-equivalent air layer thickness</source>
        <translation>Wasserdampfdiffusionsäquivalente Luftschichtdicke</translation>
    </message>
    <message>
        <source>Moisture content at 80% relative humidity</source>
        <translation>Feuchtegehalt bei 80 % relativer Luftfeuchte</translation>
    </message>
    <message>
        <source>Moisture content at saturation</source>
        <translation>Feuchtegehalt bei Sättigung</translation>
    </message>
    <message>
        <source>Water absorption coefficient</source>
        <translation>Wasseraufnahmekoeffizient</translation>
    </message>
    <message>
        <source>sd summer
[m]</source>
        <translation>sd Sommer
[m]</translation>
    </message>
    <message>
        <source>Diffusion-equivalent air layer thickness of a humidity-variable vapour retarder in the humid summer (evaporation period)</source>
        <translation>Diffusionsäquivalente Luftschichtdicke einer feuchtevariablen Dampfbremse im feuchten Sommer (Verdunstungsperiode)</translation>
    </message>
</context>
<context>
    <name>MaterialTransfer</name>
    <message>
        <source>Data source: %1
</source>
        <translation>Datenquelle: %1
</translation>
    </message>
    <message>
        <source>Notes: %1
</source>
        <translation>Notizen: %1
</translation>
    </message>
    <message>
        <source>Air
</source>
        <comment>Material flag</comment>
        <translation>Luft
</translation>
    </message>
    <message>
        <source>Wood
</source>
        <comment>Material flag</comment>
        <translation>Holz
</translation>
    </message>
    <message>
        <source>Wood based
</source>
        <comment>Material flag</comment>
        <translation>Holzwerkstoff
</translation>
    </message>
    <message>
        <source>Measuring date: %1
</source>
        <translation>Messdatum: %1
</translation>
    </message>
    <message>
        <source>Production date: %1
</source>
        <translation>Herstellungsdatum: %1
</translation>
    </message>
    <message>
        <source>Sampling date: %1
</source>
        <translation>Probenahmedatum: %1
</translation>
    </message>
    <message>
        <source>Humidity-variable: sd-value %1 m in the condensation period, %2 m in the evaporation period
</source>
        <translation>Feuchtevariabel: sd-Wert %1 m in der Tauperiode, %2 m in der Verdunstungsperiode
</translation>
    </message>
</context>
<context>
    <name>MinimumHeatResistance</name>
    <message>
        <source>Outer wall</source>
        <translation>Außenwand</translation>
    </message>
    <message>
        <source>Partition wall</source>
        <translation>Wohnungstrennwand</translation>
    </message>
    <message>
        <source>Wall to stair case with temperature &lt;10°C</source>
        <translation>Wand zum Treppenraum mit Temperatur &lt; 10 °C</translation>
    </message>
    <message>
        <source>Wall to stair case with temperature &gt;10°C</source>
        <translation>Wand zum Treppenraum mit Temperatur &gt; 10 °C</translation>
    </message>
    <message>
        <source>Common separating ceiling</source>
        <translation>Wohnungstrenndecke (allgemein)</translation>
    </message>
    <message>
        <source>Separating ceiling for officebuilding with central heating</source>
        <translation>Trenndecke in Bürogebäuden mit zentraler Heizung</translation>
    </message>
    <message>
        <source>Floor plate over ground</source>
        <translation>Bodenplatte auf Erdreich</translation>
    </message>
    <message>
        <source>Floor plate to non ventilated cavity</source>
        <translation>Bodenplatte über nicht belüftetem Hohlraum</translation>
    </message>
    <message>
        <source>Ceiling below attic</source>
        <translation>Decke unter Dachraum</translation>
    </message>
    <message>
        <source>Ceiling for cellar</source>
        <translation>Kellerdecke</translation>
    </message>
    <message>
        <source>Floor over garage or passage</source>
        <translation>Decke über Garage oder Durchfahrt</translation>
    </message>
    <message>
        <source>Roof</source>
        <translation>Dach</translation>
    </message>
    <message>
        <source>Wall of heated room to outside, ground, underground garage or similar</source>
        <translation>Wand beheizter Räume gegen Außenluft, Erdreich, Tiefgarage o. Ä.</translation>
    </message>
    <message>
        <source>Roof pitch to outside</source>
        <translation>Dachschräge gegen Außenluft</translation>
    </message>
    <message>
        <source>Flat roof or ceiling to outside</source>
        <translation>Flachdach oder Decke gegen Außenluft</translation>
    </message>
    <message>
        <source>Ceiling to ventilated roof space or to non heated room</source>
        <translation>Decke gegen belüfteten Dachraum oder unbeheizten Raum</translation>
    </message>
    <message>
        <source>Ceiling between insulated roof pitch and jamb wall</source>
        <translation>Decke zwischen gedämmter Dachschräge und Abseitenwand (Drempel)</translation>
    </message>
    <message>
        <source>Floor over outside, underground garage, garage (heated or not), ventilated crawl space etc.</source>
        <translation>Decke gegen Außenluft, über Tiefgarage, Garage (beheizt oder unbeheizt), belüftetem Kriechkeller o. Ä.</translation>
    </message>
    <message>
        <source>Floor over cellar, to ground, non ventilated crawl space</source>
        <translation>Decke über Keller, gegen Erdreich oder über nicht belüftetem Kriechkeller</translation>
    </message>
    <message>
        <source>Wall between heated room and directly heated stair case</source>
        <translation>Wand zwischen beheiztem Raum und direkt beheiztem Treppenraum</translation>
    </message>
    <message>
        <source>Wall between heated room and indirectly heated stair case</source>
        <translation>Wand zwischen beheiztem Raum und indirekt beheiztem Treppenraum</translation>
    </message>
    <message>
        <source>Partition walls between heated rooms</source>
        <translation>Trennwände zwischen beheizten Räumen</translation>
    </message>
    <message>
        <source>Ceiling between rooms of different use and apartment separating ceiling</source>
        <translation>Wohnungstrenndecke und Decke zwischen Räumen unterschiedlicher Nutzung</translation>
    </message>
    <message>
        <source>Construction with mass per area lower than 100kg/m2</source>
        <translation>Bauteil mit flächenbezogener Masse unter 100 kg/m²</translation>
    </message>
    <message>
        <source>Cap 5.1.2.2</source>
        <translation>Abschn. 5.1.2.2</translation>
    </message>
    <message>
        <source>Opaque part of transparent constructions</source>
        <translation>Opake Teile transparenter Bauteile</translation>
    </message>
    <message>
        <source>Cap 5.1.4</source>
        <translation>Abschn. 5.1.4</translation>
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
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1 row %2, thermal resistance  R &gt;= %L3 m&lt;sup&gt;2&lt;/sup&gt;K/W</source>
        <translation>%1 Zeile %2, Wärmedurchlasswiderstand R &gt;= %L3 m&lt;sup&gt;2&lt;/sup&gt;K/W</translation>
    </message>
    <message>
        <source>DIN 4108-2 Check for minmal &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; &amp;gt;= %L1</source>
        <translation>DIN 4108-2 Nachweis des Mindestwerts &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; &amp;gt;= %L1</translation>
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
        <translation>Feuchtegehalt bei 80 % r. F. kleiner oder gleich 0</translation>
    </message>
    <message>
        <source>Saturation moisture content less or equal 0</source>
        <translation>Sättigungsfeuchtegehalt kleiner oder gleich 0</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH greater or equal saturation moisture content</source>
        <translation>Feuchtegehalt bei 80 % r. F. größer oder gleich dem Sättigungsfeuchtegehalt</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH leads to a moisture content at 95%RH greater or equal saturation moisture content</source>
        <translation>Der Feuchtegehalt bei 80 % r. F. führt zu einem Feuchtegehalt bei 95 % r. F., der größer oder gleich dem Sättigungsfeuchtegehalt ist</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH greater or equal to 1.0</source>
        <translation>Feuchtegehalt bei 80 % r. F. größer oder gleich 1,0</translation>
    </message>
    <message>
        <source>Moisture content at saturation greater or equal to 1.0</source>
        <translation>Feuchtegehalt bei Sättigung größer oder gleich 1,0</translation>
    </message>
</context>
<context>
    <name>MoistureStorage</name>
    <message>
        <source>Invalid moisture storage values for &lt;a href=&quot;layer-%1&quot;&gt;layer #%1&lt;/a&gt;.</source>
        <translation>Ungültige Feuchtespeicherwerte für &lt;a href=&quot;layer-%1&quot;&gt;Schicht Nr. %1&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Current moisture content at 80%RH leads to an moisture content at 95%RH higher than saturation moisture content.</source>
        <translation>Der aktuelle Feuchtegehalt bei 80 % r. F. führt zu einem Feuchtegehalt bei 95 % r. F., der größer als der Sättigungsfeuchtegehalt ist.</translation>
    </message>
    <message>
        <source>Could not find valid combination of k-planes! Algorithm error!</source>
        <translation>Keine gültige Kombination von Tauwasserebenen gefunden! Fehler im Algorithmus!</translation>
    </message>
    <message>
        <source>The search for condensation planes was stopped after %1 candidates.</source>
        <translation>Die Suche nach Tauwasserebenen wurde nach %1 Kandidaten abgebrochen.</translation>
    </message>
    <message>
        <source>No Solution found!</source>
        <translation>Keine Lösung gefunden!</translation>
    </message>
    <message>
        <source>Error in calculation m_results.sk_Cond[%1], denominator == 0!</source>
        <translation>Fehler bei der Berechnung von m_results.sk_Cond[%1], Nenner == 0!</translation>
    </message>
    <message>
        <source>Error in calculation m_results.sk_Cond[%1], Value &lt; 0!</source>
        <translation>Fehler bei der Berechnung von m_results.sk_Cond[%1], Wert &lt; 0!</translation>
    </message>
</context>
<context>
    <name>NewProjectWizard</name>
    <message>
        <source>New Project Wizard</source>
        <translation>Assistent für ein neues Projekt</translation>
    </message>
    <message>
        <source>Project Information</source>
        <translation>Projektinformationen</translation>
    </message>
    <message>
        <source>Please enter the information for this new project. You can change the default project information in the preferences dialog.</source>
        <translation>Bitte geben Sie die Informationen zu diesem neuen Projekt ein. Die Standardvorgaben für Projektinformationen können Sie im Dialog Einstellungen ändern.</translation>
    </message>
    <message>
        <source>Construction kind:</source>
        <translation>Bauteilart:</translation>
    </message>
    <message>
        <source>The kind sets the heat flow direction, the outside climate, the evaporation period of DIN 4108-3 and the row of DIN 4108-2 for the minimum thermal resistance. You can change each of them later.</source>
        <translation>Die Bauteilart setzt die Wärmestromrichtung, das Außenklima, die Verdunstungsperiode nach DIN 4108-3 und die Zeile der DIN 4108-2 für den Mindestwärmeschutz. Jeder dieser Werte kann später geändert werden.</translation>
    </message>
</context>
<context>
    <name>NewProjectWizardMaterialPage</name>
    <message>
        <source>Select material for first layer</source>
        <translation>Material für die erste Schicht wählen</translation>
    </message>
    <message>
        <source>Please select a material below. This material will be the first material layer of your construction. You can choose any material now and add/move/delete layers later as required.</source>
        <translation>Bitte wählen Sie unten ein Material aus. Es bildet die erste Materialschicht Ihrer Konstruktion. Sie können jetzt ein beliebiges Material wählen und später nach Bedarf Schichten hinzufügen, verschieben oder löschen.</translation>
    </message>
    <message>
        <source>Project template:</source>
        <translation>Projektvorlage:</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <source>You can add your own projects as templates by copying the project files into the Templates subdirectory.</source>
        <translation>Eigene Projekte können Sie als Vorlagen hinzufügen, indem Sie die Projektdateien in das Unterverzeichnis Templates kopieren.</translation>
    </message>
</context>
<context>
    <name>Plausibility</name>
    <message>
        <source>A bulk density below %1 kg/m³ is lighter than any insulation material.</source>
        <translation>Eine Rohdichte unter %1 kg/m³ ist leichter als jeder Dämmstoff.</translation>
    </message>
    <message>
        <source>A bulk density above %1 kg/m³ is heavier than steel and copper.</source>
        <translation>Eine Rohdichte über %1 kg/m³ ist schwerer als Stahl und Kupfer.</translation>
    </message>
    <message>
        <source>A thermal conductivity above %1 W/(mK) is that of a metal, not of a building material; was a decimal separator lost?</source>
        <translation>Eine Wärmeleitfähigkeit über %1 W/(mK) hat ein Metall, kein Baustoff; fehlt ein Dezimaltrennzeichen?</translation>
    </message>
    <message>
        <source>A thermal conductivity below %1 W/(mK) is reached only by vacuum insulation panels.</source>
        <translation>Eine Wärmeleitfähigkeit unter %1 W/(mK) erreichen nur Vakuumdämmplatten.</translation>
    </message>
    <message>
        <source>A vapour diffusion resistance factor below 1 lets vapour through more easily than still air.</source>
        <translation>Eine Wasserdampf-Diffusionswiderstandszahl unter 1 lässt Dampf leichter durch als ruhende Luft.</translation>
    </message>
    <message>
        <source>A vapour diffusion resistance factor above %1 is that of a vapour barrier; this material is not marked as a foil.</source>
        <translation>Eine Wasserdampf-Diffusionswiderstandszahl über %1 hat eine Dampfsperre; dieses Material ist nicht als Folie gekennzeichnet.</translation>
    </message>
    <message>
        <source>A moisture content above %1 m³/m³ at 80 % RH is more than hygroscopic materials hold.</source>
        <translation>Ein Feuchtegehalt über %1 m³/m³ bei 80 % r. F. ist mehr, als hygroskopische Baustoffe aufnehmen.</translation>
    </message>
    <message>
        <source>A water absorption coefficient above 1 kg/(m²s½) (60 kg/(m²h½)) is higher than that of any building material; was the unit mixed up?</source>
        <translation>Ein Wasseraufnahmekoeffizient über 1 kg/(m²s½) (60 kg/(m²h½)) ist höher als bei jedem Baustoff; wurde die Einheit verwechselt?</translation>
    </message>
    <message>
        <source>A layer wider than %1 m is unusual; was the width typed in another unit?</source>
        <translation>Eine Schicht dicker als %1 m ist ungewöhnlich; wurde die Dicke in einer anderen Einheit eingegeben?</translation>
    </message>
    <message>
        <source>A layer thinner than 1 mm is unusual unless it is a foil; was the width typed in another unit?</source>
        <translation>Eine Schicht dünner als 1 mm ist ungewöhnlich, wenn sie keine Folie ist; wurde die Dicke in einer anderen Einheit eingegeben?</translation>
    </message>
    <message>
        <source>An indoor temperature outside %1 °C to %2 °C in winter is unusual for a heated room.</source>
        <translation>Eine Innentemperatur außerhalb von %1 °C bis %2 °C im Winter ist für einen beheizten Raum ungewöhnlich.</translation>
    </message>
    <message>
        <source>An outdoor temperature above %1 °C is unusual for a condensation period.</source>
        <translation>Eine Außentemperatur über %1 °C ist für eine Tauperiode ungewöhnlich.</translation>
    </message>
    <message>
        <source>An indoor relative humidity above %1 % occurs only in swimming pools and wet rooms.</source>
        <translation>Eine relative Luftfeuchte innen über %1 % kommt nur in Schwimmbädern und Nassräumen vor.</translation>
    </message>
    <message>
        <source>A relative humidity below %1 % is unusually dry for a building climate.</source>
        <translation>Eine relative Luftfeuchte unter %1 % ist für ein Gebäudeklima ungewöhnlich trocken.</translation>
    </message>
    <message>
        <source>A surface resistance above %1 m²K/W is unusual; the standards use %2 to %3 m²K/W.</source>
        <translation>Ein Wärmeübergangswiderstand über %1 m²K/W ist ungewöhnlich; die Normen verwenden %2 bis %3 m²K/W.</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>No project to save.</source>
        <translation>Kein Projekt zum Speichern vorhanden.</translation>
    </message>
    <message>
        <source>Error reading file as MIRELO 1 version.
</source>
        <translation>Fehler beim Lesen der Datei als Datei von MIRELO 1.
</translation>
    </message>
    <message>
        <source>Cannot open file &apos;%1&apos; for writing: %2</source>
        <translation>Die Datei „%1“ kann nicht zum Schreiben geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Error writing file &apos;%1&apos;: %2</source>
        <translation>Fehler beim Schreiben der Datei „%1“: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a directory, not a project file.</source>
        <translation>„%1“ ist ein Verzeichnis, keine Projektdatei.</translation>
    </message>
    <message>
        <source>Cannot open file &apos;%1&apos; for reading (maybe missing permissions).</source>
        <translation>Die Datei „%1“ kann nicht zum Lesen geöffnet werden (evtl. fehlende Zugriffsrechte).</translation>
    </message>
    <message>
        <source>Project doesn&apos;t contain any layers. Please create a new project!</source>
        <translation>Das Projekt enthält keine Schichten. Bitte legen Sie ein neues Projekt an!</translation>
    </message>
    <message>
        <source>Control characters in texts were replaced by U+FFFD.</source>
        <translation>Steuerzeichen in Texten wurden durch U+FFFD ersetzt.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>sie ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Texts longer than %1 characters were shortened to that length.</source>
        <translation>Texte mit mehr als %1 Zeichen wurden auf diese Länge gekürzt.</translation>
    </message>
    <message>
        <source>There is no such layer.</source>
        <translation>Diese Schicht gibt es nicht.</translation>
    </message>
    <message>
        <source>The value must be a finite number.</source>
        <translation>Der Wert muss eine endliche Zahl sein.</translation>
    </message>
    <message>
        <source>Unknown layer value.</source>
        <translation>Unbekannter Schichtwert.</translation>
    </message>
    <message>
        <source>The vapor resistance factor must be at least 0.1.</source>
        <translation>Die Wasserdampf-Diffusionswiderstandszahl muss mindestens 0,1 betragen.</translation>
    </message>
    <message>
        <source>The moisture content at saturation cannot exceed 1 m³/m³.</source>
        <translation>Der Sättigungswassergehalt kann 1 m³/m³ nicht überschreiten.</translation>
    </message>
    <message>
        <source>The thermal conductivity must be &gt; 0.</source>
        <translation>Die Wärmeleitfähigkeit muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The water uptake coefficient must be &gt; 0.</source>
        <translation>Der Wasseraufnahmekoeffizient muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The layer width must be &gt; 0.</source>
        <translation>Die Schichtdicke muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>The width of this layer follows from the sd-value of its material.</source>
        <translation>Die Dicke dieser Schicht ergibt sich aus dem sd-Wert ihres Materials.</translation>
    </message>
    <message>
        <source>No project is open.</source>
        <translation>Es ist kein Projekt geöffnet.</translation>
    </message>
    <message>
        <source>The temperature must lie between -40 °C and 80 °C.</source>
        <translation>Die Temperatur muss zwischen -40 °C und 80 °C liegen.</translation>
    </message>
    <message>
        <source>In the condensation period the temperature of the warm side must not be below that of the cold side.</source>
        <translation>In der Tauperiode darf die Temperatur der warmen Seite nicht unter der der kalten Seite liegen.</translation>
    </message>
    <message>
        <source>The relative humidity must lie between 0 % and 100 %.</source>
        <translation>Die relative Luftfeuchte muss zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>The surface resistance must be &gt; 0.</source>
        <translation>Der Wärmeübergangswiderstand muss &gt; 0 sein.</translation>
    </message>
    <message>
        <source>A layer given by its sd-value (a foil, a membrane) cannot carry a second material.</source>
        <translation>Eine über ihren sd-Wert angegebene Schicht (Folie, Bahn) kann kein zweites Material tragen.</translation>
    </message>
    <message>
        <source>The area fraction does not follow from width and spacing.</source>
        <translation>Der Flächenanteil folgt nicht aus Breite und Achsabstand.</translation>
    </message>
    <message>
        <source>The second material &quot;%1&quot; is not valid.</source>
        <translation>Das zweite Material „%1“ ist nicht gültig.</translation>
    </message>
    <message>
        <source>Layer %1 (%2) is given by its sd-value and cannot carry a second material; its second material &quot;%3&quot; was removed.</source>
        <translation>Schicht %1 (%2) ist über ihren sd-Wert angegeben und kann kein zweites Material tragen; ihr zweites Material „%3“ wurde entfernt.</translation>
    </message>
</context>
<context>
    <name>ProjectInformationEditDialog</name>
    <message>
        <source>Project information</source>
        <translation>Projektinformationen</translation>
    </message>
</context>
<context>
    <name>ProjectInformationEditWidget</name>
    <message>
        <source>Heat flow down</source>
        <translation>Wärmestrom abwärts</translation>
    </message>
    <message>
        <source>Heat flow up</source>
        <translation>Wärmestrom aufwärts</translation>
    </message>
    <message>
        <source>horizontal heat flow</source>
        <translation>Wärmestrom horizontal</translation>
    </message>
    <message>
        <source>Project name:</source>
        <translation>Projektname:</translation>
    </message>
    <message>
        <source>Construction ID:</source>
        <translation>Konstruktionsbezeichnung:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Bearbeiter:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Final remarks:</source>
        <translation>Schlussbemerkungen:</translation>
    </message>
    <message>
        <source>Heat flow direction:</source>
        <translation>Wärmestromrichtung:</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Export file</source>
        <translation>Datei exportieren</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>The report could not be painted.</source>
        <translation>Der Bericht konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 Version %2</translation>
    </message>
</context>
<context>
    <name>ReportFrameBase</name>
    <message>
        <source>Requirement fulfilled</source>
        <translation>Anforderung erfüllt</translation>
    </message>
    <message>
        <source>Requirement not fulfilled</source>
        <translation>Anforderung nicht erfüllt</translation>
    </message>
    <message>
        <source>not evaluated (%1)</source>
        <translation>nicht bewertet (%1)</translation>
    </message>
    <message>
        <source>plane at the inner surface</source>
        <translation>Ebene an der inneren Oberfläche</translation>
    </message>
    <message>
        <source>plane at the outer surface</source>
        <translation>Ebene an der äußeren Oberfläche</translation>
    </message>
    <message>
        <source>plane between layer %1 and %2</source>
        <translation>Ebene zwischen Schicht %1 und %2</translation>
    </message>
    <message>
        <source>zone from interface %1 to %2 (layers %3 to %4)</source>
        <translation>Bereich von Grenzfläche %1 bis %2 (Schichten %3 bis %4)</translation>
    </message>
</context>
<context>
    <name>ReportFrameConclusions</name>
    <message>
        <source>Print Summary of Results</source>
        <translation>Zusammenfassung der Ergebnisse</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the construction (moisture dependent)</source>
        <translation>Wärmedurchgangskoeffizient der Konstruktion (feuchteabhängig)</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the construction according ISO 6946 (dry)</source>
        <translation>Wärmedurchgangskoeffizient der Konstruktion nach ISO 6946 (trocken)</translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the construction (dry)</source>
        <translation>Wärmedurchlasswiderstand der Konstruktion (trocken)</translation>
    </message>
    <message>
        <source>Unspecific error.</source>
        <translation>Unspezifischer Fehler.</translation>
    </message>
    <message>
        <source>Condensation mass after condensation period (based on MIRELO)</source>
        <translation>Tauwassermasse am Ende der Tauperiode (nach MIRELO)</translation>
    </message>
    <message>
        <source>Drying time</source>
        <translation>Austrocknungsdauer</translation>
    </message>
    <message>
        <source>Not applicable</source>
        <translation>Nicht zutreffend</translation>
    </message>
    <message>
        <source>No drying</source>
        <translation>Keine Austrocknung</translation>
    </message>
    <message>
        <source>Minimum thermal protection</source>
        <translation>Mindestwärmeschutz</translation>
    </message>
    <message>
        <source>No condensate: no drying reserve to check</source>
        <translation>Kein Tauwasser: keine Trocknungsreserve nachzuweisen</translation>
    </message>
    <message>
        <source>No U-value: the upper limit of the thermal resistance exceeds the lower limit %L1 times, more than the %L2 up to which ISO 6946 applies to inhomogeneous layers. A numerical calculation of the thermal bridges is needed.</source>
        <translation>Kein U-Wert: Der obere Grenzwert des Wärmedurchgangswiderstands übersteigt den unteren um das %L1-Fache, mehr als das %L2-Fache, bis zu dem DIN EN ISO 6946 inhomogene Schichten erfasst. Eine numerische Wärmebrückenberechnung ist nötig.</translation>
    </message>
    <message>
        <source>The temperatures and the condensation assessments (MIRELO and Glaser) are those of the field section between the studs or rafters, as DIN 4108-3 assesses it.</source>
        <translation>Die Temperaturen und die Tauwassernachweise (MIRELO und Glaser) gelten für den Gefachbereich zwischen den Ständern oder Sparren, wie ihn DIN 4108-3 beurteilt.</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient according ISO 6946, inhomogeneous layers (dry)</source>
        <translation>Wärmedurchgangskoeffizient nach DIN EN ISO 6946, inhomogene Schichten (trocken)</translation>
    </message>
    <message>
        <source>Upper limit of the thermal resistance</source>
        <translation>Oberer Grenzwert des Wärmedurchgangswiderstands</translation>
    </message>
    <message>
        <source>Lower limit of the thermal resistance</source>
        <translation>Unterer Grenzwert des Wärmedurchgangswiderstands</translation>
    </message>
    <message>
        <source>Relative error of the limits</source>
        <translation>Relativer Fehler der Grenzwerte</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the field section according ISO 6946 (dry)</source>
        <translation>Wärmedurchgangskoeffizient im Gefach nach DIN EN ISO 6946 (trocken)</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the field section (moisture dependent)</source>
        <translation>Wärmedurchgangskoeffizient im Gefach (feuchteabhängig)</translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the field section (dry)</source>
        <translation>Wärmedurchlasswiderstand im Gefach (trocken)</translation>
    </message>
    <message>
        <source>Condensation mass after condensation period (Glaser scheme)</source>
        <translation>Tauwassermasse am Ende der Tauperiode (Glaser-Verfahren)</translation>
    </message>
    <message>
        <source>Dry thermal resistance</source>
        <translation>Wärmedurchlasswiderstand (trocken)</translation>
    </message>
</context>
<context>
    <name>ReportFrameProjectInfo</name>
    <message>
        <source>Project:</source>
        <translation>Projekt:</translation>
    </message>
    <message>
        <source>Construction:</source>
        <translation>Konstruktion:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Bearbeiter:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Construction kind:</source>
        <translation>Bauteilart:</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>General Appearance</source>
        <translation>Allgemeine Gestaltung</translation>
    </message>
    <message>
        <source>Input Data</source>
        <translation>Eingabedaten</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Diagrams</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Final Remarks</source>
        <translation>Schlussbemerkungen</translation>
    </message>
    <message>
        <source>Fit Page in View</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Fit to Page Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Custom Zoom</source>
        <translation>Benutzerdefinierter Zoom</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Write pdf</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>Seite einrichten…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Export current page to file</source>
        <translation>Aktuelle Seite in Datei exportieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Fußzeile</translation>
    </message>
    <message>
        <source>Project information</source>
        <translation>Projektinformationen</translation>
    </message>
    <message>
        <source>Page numbers in footer</source>
        <translation>Seitenzahlen in der Fußzeile</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Global font</source>
        <translation>Allgemeine Schriftart</translation>
    </message>
    <message>
        <source>Construction sketch</source>
        <translation>Konstruktionsskizze</translation>
    </message>
    <message>
        <source>Material data</source>
        <translation>Materialdaten</translation>
    </message>
    <message>
        <source>Climate data</source>
        <translation>Klimadaten</translation>
    </message>
    <message>
        <source>Surface Resistance</source>
        <translation>Wärmeübergangswiderstände</translation>
    </message>
    <message>
        <source>Resistances and %1 values</source>
        <translation>Widerstände und %1-Werte</translation>
    </message>
    <message>
        <source>%1 Results - Detailed Table</source>
        <translation>%1-Ergebnisse – Ausführliche Tabelle</translation>
    </message>
    <message>
        <source>%1 Results - Summary</source>
        <translation>%1-Ergebnisse – Zusammenfassung</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser) - Summary</source>
        <translation>DIN 4108-3 (Glaser) – Zusammenfassung</translation>
    </message>
    <message>
        <source>Frsi check with inner surface resistance of %L1 m2K/W</source>
        <translation>fRsi-Nachweis mit innerem Wärmeübergangswiderstand von %L1 m²K/W</translation>
    </message>
    <message>
        <source>Construction kind for test of minimum thermal resistance
according german standard DIN 4108-2 table 3</source>
        <translation>Bauteilart für den Nachweis des Mindestwärmeschutzes
nach DIN 4108-2, Tabelle 3</translation>
    </message>
    <message>
        <source>Temperature and moisture profiles</source>
        <translation>Temperatur- und Feuchteverläufe</translation>
    </message>
    <message>
        <source>Vapor pressure profiles</source>
        <translation>Verläufe des Wasserdampfteildrucks</translation>
    </message>
    <message>
        <source>Print Final Remarks</source>
        <translation>Schlussbemerkungen drucken</translation>
    </message>
    <message>
        <source>Update view of text in report.</source>
        <translation>In den Bericht übernehmen</translation>
    </message>
    <message>
        <source>Cannot print report.</source>
        <translation>Der Bericht kann nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Creating paint device failed.</source>
        <translation>Das Ausgabegerät konnte nicht erzeugt werden.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Cannot write pdf file.</source>
        <translation>Die PDF-Datei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be written: %2</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Png file (*.png)</source>
        <translation>PNG-Datei (*.png)</translation>
    </message>
    <message>
        <source>Pdf file (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>Svg file (*.svg)</source>
        <translation>SVG-Datei (*.svg)</translation>
    </message>
    <message>
        <source>Jpg image (*.jpg)</source>
        <translation>JPG-Bild (*.jpg)</translation>
    </message>
    <message>
        <source>Project description:</source>
        <translation>Projektbeschreibung:</translation>
    </message>
    <message>
        <source>U-value table (DIN EN ISO 6946)</source>
        <translation>U-Wert-Tabelle (DIN EN ISO 6946)</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser) - Diagram over s_d</source>
        <translation>DIN 4108-3 (Glaser) – Diagramm über s_d</translation>
    </message>
</context>
<context>
    <name>ResistanceFrame</name>
    <message>
        <source>Thermal, Vapour Diffusion and Liquid Transport Resistances</source>
        <translation>Wärmedurchlass-, Diffusions- und Flüssigtransportwiderstände</translation>
    </message>
    <message>
        <source>Layer / Material</source>
        <translation>Schicht / Material</translation>
    </message>
    <message>
        <source>Sum of resistances (moisture dependend)</source>
        <translation>Summe der Widerstände (feuchteabhängig)</translation>
    </message>
    <message>
        <source>Sum of resistances</source>
        <translation>Summe der Widerstände</translation>
    </message>
    <message>
        <source> (moisture dependend)</source>
        <translation> (feuchteabhängig)</translation>
    </message>
    <message>
        <source>Thermal transmission resistance:</source>
        <translation>Wärmedurchgangswiderstand:</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient:</source>
        <translation>Wärmedurchgangskoeffizient:</translation>
    </message>
    <message>
        <source>R&lt;sub&gt;T&lt;/sub&gt; and U with the surface resistances of DIN EN ISO 6946 (R&lt;sub&gt;si&lt;/sub&gt; = %1 m&lt;sup&gt;2&lt;/sup&gt;K/W, R&lt;sub&gt;se&lt;/sub&gt; = %2 m&lt;sup&gt;2&lt;/sup&gt;K/W).</source>
        <translation>R&lt;sub&gt;T&lt;/sub&gt; und U mit den Wärmeübergangswiderständen nach DIN EN ISO 6946 (R&lt;sub&gt;si&lt;/sub&gt; = %1 m&lt;sup&gt;2&lt;/sup&gt;K/W, R&lt;sub&gt;se&lt;/sub&gt; = %2 m&lt;sup&gt;2&lt;/sup&gt;K/W).</translation>
    </message>
    <message>
        <source>Resistances of the field section between the studs or rafters; the U-value of the component with its second materials (ISO 6946, upper and lower limit) is given in the summary of results.</source>
        <translation>Widerstände im Gefach zwischen den Ständern oder Sparren; der U-Wert des Bauteils mit seinen zweiten Materialien (DIN EN ISO 6946, oberer und unterer Grenzwert) steht in der Zusammenfassung der Ergebnisse.</translation>
    </message>
</context>
<context>
    <name>ResultType</name>
    <message>
        <source>No input!</source>
        <translation>Keine Eingabe!</translation>
    </message>
    <message>
        <source>Invalid input!</source>
        <translation>Ungültige Eingabe!</translation>
    </message>
    <message>
        <source>There is no algorithm for this problem.</source>
        <translation>Für diesen Fall gibt es keinen Berechnungsalgorithmus.</translation>
    </message>
    <message>
        <source>Condensation on the surface (warm side). No calculation possible.</source>
        <translation>Tauwasser auf der Oberfläche (warme Seite). Keine Berechnung möglich.</translation>
    </message>
    <message>
        <source>Condensation on the surface (cold side). No calculation possible.</source>
        <translation>Tauwasser auf der Oberfläche (kalte Seite). Keine Berechnung möglich.</translation>
    </message>
    <message>
        <source>Only one layer. No condensate possible!</source>
        <translation>Nur eine Schicht. Kein Tauwasser möglich!</translation>
    </message>
    <message>
        <source>No condensate emerges!</source>
        <translation>Es fällt kein Tauwasser aus!</translation>
    </message>
    <message>
        <source>t_hyg bigger than duration of winter climate!</source>
        <translation>t_hyg größer als die Dauer des Winterklimas!</translation>
    </message>
    <message>
        <source>Condensation between layer %1 and %2!</source>
        <translation>Tauwasser zwischen Schicht %1 und %2!</translation>
    </message>
    <message>
        <source>Condensation between layer </source>
        <translation>Tauwasser zwischen den Schichten </translation>
    </message>
    <message>
        <source>%1 and %2, </source>
        <translation>%1 und %2, </translation>
    </message>
    <message>
        <source>%1 and %2.</source>
        <translation>%1 und %2.</translation>
    </message>
    <message>
        <source>Unknown result!</source>
        <translation>Unbekanntes Ergebnis!</translation>
    </message>
    <message>
        <source>Unspecific error.</source>
        <translation>Unspezifischer Fehler.</translation>
    </message>
    <message>
        <source>Algorithm missing. No calculation possible.</source>
        <translation>Kein Algorithmus vorhanden. Keine Berechnung möglich.</translation>
    </message>
    <message>
        <source>Surface condensation left side. No calculation possible.</source>
        <translation>Oberflächentauwasser auf der linken Seite. Keine Berechnung möglich.</translation>
    </message>
    <message>
        <source>Surface condensation right side. No calculation possible.</source>
        <translation>Oberflächentauwasser auf der rechten Seite. Keine Berechnung möglich.</translation>
    </message>
    <message>
        <source>Only one layer. No condensation possible.</source>
        <translation>Nur eine Schicht. Kein Tauwasser möglich.</translation>
    </message>
    <message>
        <source>No condensation.</source>
        <translation>Kein Tauwasser.</translation>
    </message>
    <message>
        <source>Too long hygroscopic loading time.</source>
        <translation>Hygroskopische Auffeuchtungszeit zu lang.</translation>
    </message>
</context>
<context>
    <name>ResultsTableFrame</name>
    <message>
        <source>Temperatures, Vapoure Pressures and Moisture Contents</source>
        <translation>Temperaturen, Wasserdampfteildrücke und Feuchtegehalte</translation>
    </message>
    <message>
        <source>Layer / Material</source>
        <translation>Schicht / Material</translation>
    </message>
    <message>
        <source>Air layer (warm side)</source>
        <translation>Luftschicht (warme Seite)</translation>
    </message>
    <message>
        <source>Air layer (cold side)</source>
        <translation>Luftschicht (kalte Seite)</translation>
    </message>
    <message>
        <source>%1 - temperature,</source>
        <translation>%1 - Temperatur,</translation>
    </message>
    <message>
        <source>%1 - saturation vapour pressure,</source>
        <translation>%1 - Wasserdampfsättigungsdruck,</translation>
    </message>
    <message>
        <source>p - vapour pressure,</source>
        <translation>p - Wasserdampfteildruck,</translation>
    </message>
    <message>
        <source>w - moisture content,</source>
        <translation>w - Feuchtegehalt,</translation>
    </message>
    <message>
        <source>d&lt;sub&gt;c&lt;/sub&gt; - thickness of condensation layer,&lt;br/&gt;</source>
        <translation>d&lt;sub&gt;c&lt;/sub&gt; - Dicke des Tauwasserbereichs,&lt;br/&gt;</translation>
    </message>
    <message>
        <source>M&lt;sub&gt;c&lt;/sub&gt; - %1</source>
        <translation>M&lt;sub&gt;c&lt;/sub&gt; - %1</translation>
    </message>
    <message>
        <source>condensation mass</source>
        <translation>Tauwassermasse</translation>
    </message>
    <message>
        <source>&amp;theta;, p&lt;sub&gt;sat&lt;/sub&gt; and p at the cold-side face of each row (warm-side air layer: inner surface; cold-side air layer: outdoor air); w at the warm / cold face of the layer; values of the condensation period (moisture storage method).</source>
        <translation>&amp;theta;, p&lt;sub&gt;sat&lt;/sub&gt; und p an der kaltseitigen Begrenzung jeder Zeile (Luftschicht warme Seite: innere Oberfläche; Luftschicht kalte Seite: Außenluft); w an der warm- / kaltseitigen Begrenzung der Schicht; Werte der Tauperiode (Feuchtespeicherverfahren).</translation>
    </message>
</context>
<context>
    <name>ShowLogfile</name>
    <message>
        <source>Dialog</source>
        <translation>Protokolldatei</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>No logfile found at position
 %1</source>
        <translation>Keine Protokolldatei gefunden unter
 %1</translation>
    </message>
</context>
<context>
    <name>SketchFrame</name>
    <message>
        <source>Construction Sketch</source>
        <translation>Konstruktionsskizze</translation>
    </message>
    <message>
        <source>inside</source>
        <translation>innen</translation>
    </message>
    <message>
        <source>outside</source>
        <translation>außen</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>External wall with ETICS</source>
        <translation>Außenwand mit WDVS</translation>
    </message>
    <message>
        <source>Sand-lime brick with 160 mm EPS outside: no condensate.</source>
        <translation>Kalksandstein mit 160 mm EPS außen: kein Tauwasser.</translation>
    </message>
    <message>
        <source>Timber-frame wall</source>
        <translation>Holzrahmenwand</translation>
    </message>
    <message>
        <source>Vapour retarder behind an installation cavity: air layers and wood.</source>
        <translation>Dampfbremse hinter der Installationsebene: Luftschichten und Holz.</translation>
    </message>
    <message>
        <source>Pitched roof, insulation between rafters</source>
        <translation>Steildach, Zwischensparrendämmung</translation>
    </message>
    <message>
        <source>Humidity-variable vapour retarder, heat flow upwards through an air layer.</source>
        <translation>Feuchtevariable Dampfbremse, Wärmestrom nach oben durch eine Luftschicht.</translation>
    </message>
    <message>
        <source>Interior insulation without vapour retarder</source>
        <translation>Innendämmung ohne Dampfbremse</translation>
    </message>
    <message>
        <source>The classic damage case: condensate behind the insulation, DIN 4108-3 not fulfilled.</source>
        <translation>Der klassische Schadensfall: Tauwasser hinter der Dämmung, DIN 4108-3 nicht erfüllt.</translation>
    </message>
    <message>
        <source>Flat roof, warm deck</source>
        <translation>Flachdach, Warmdach</translation>
    </message>
    <message>
        <source>A nearly tight vapour barrier: where the Glaser scheme and the moisture-storage method differ.</source>
        <translation>Eine nahezu dichte Dampfsperre: wo Glaser-Verfahren und Feuchtespeicherverfahren voneinander abweichen.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>New project…</source>
        <translation>Neues Projekt…</translation>
    </message>
    <message>
        <source>Enter the project information and choose the first layer in the new-project wizard.</source>
        <translation>Im Assistenten für neue Projekte die Projektinformationen eingeben und die erste Schicht wählen.</translation>
    </message>
    <message>
        <source>Open project…</source>
        <translation>Projekt öffnen…</translation>
    </message>
    <message>
        <source>Open a project file (m2p, or mpj of MIRELO 1).</source>
        <translation>Eine Projektdatei öffnen (m2p oder mpj von MIRELO 1).</translation>
    </message>
    <message>
        <source>Quick start</source>
        <translation>Schnellstart</translation>
    </message>
    <message>
        <source>The chapter of the manual that walks through the examples.</source>
        <translation>Das Kapitel des Handbuchs, das die Beispiele durchgeht.</translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation>Zuletzt verwendete Projekte</translation>
    </message>
    <message>
        <source>No project opened yet.</source>
        <translation>Noch kein Projekt geöffnet.</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Beispiele</translation>
    </message>
    <message>
        <source>The example projects were not found in %1.</source>
        <translation>Die Beispielprojekte wurden in %1 nicht gefunden.</translation>
    </message>
    <message>
        <source>Published example: timber-frame wall</source>
        <translation>Veröffentlichtes Beispiel: Holzrahmenwand</translation>
    </message>
    <message>
        <source>A textbook Glaser example with a vapour retarder, computed again: compare the figures.</source>
        <translation>Ein Glaser-Beispiel aus dem Lehrbuch mit Dampfbremse, nachgerechnet: Werte zum Vergleich.</translation>
    </message>
    <message>
        <source>Published example: non-ventilated flat roof</source>
        <translation>Veröffentlichtes Beispiel: nicht belüftetes Flachdach</translation>
    </message>
    <message>
        <source>A textbook Glaser example of a roof: its evaporation climate follows from the construction kind.</source>
        <translation>Ein Glaser-Beispiel eines Dachs aus dem Lehrbuch: das Verdunstungsklima folgt aus der Bauteilart.</translation>
    </message>
</context>
<context>
    <name>SurfaceResistanceFrame</name>
    <message>
        <source>Surface Resistances</source>
        <translation>Wärmeübergangswiderstände</translation>
    </message>
    <message>
        <source>Warm side:</source>
        <translation>Warme Seite:</translation>
    </message>
    <message>
        <source>Cold side:</source>
        <translation>Kalte Seite:</translation>
    </message>
</context>
<context>
    <name>UValueFrame</name>
    <message>
        <source>Thermal Transmittance according to DIN EN ISO 6946</source>
        <translation>Wärmedurchgangskoeffizient nach DIN EN ISO 6946</translation>
    </message>
    <message>
        <source>heat flow upwards</source>
        <translation>Wärmestrom aufwärts</translation>
    </message>
    <message>
        <source>heat flow horizontal</source>
        <translation>Wärmestrom horizontal</translation>
    </message>
    <message>
        <source>heat flow downwards</source>
        <translation>Wärmestrom abwärts</translation>
    </message>
    <message>
        <source>Inside surface resistance R&lt;sub&gt;si&lt;/sub&gt; (%1)</source>
        <translation>Wärmeübergangswiderstand innen R&lt;sub&gt;si&lt;/sub&gt; (%1)</translation>
    </message>
    <message>
        <source>Outside surface resistance R&lt;sub&gt;se&lt;/sub&gt;</source>
        <translation>Wärmeübergangswiderstand außen R&lt;sub&gt;se&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Total thermal resistance R&lt;sub&gt;T&lt;/sub&gt;</source>
        <translation>Wärmedurchgangswiderstand R&lt;sub&gt;T&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Thermal transmittance (dry design values):</source>
        <translation>Wärmedurchgangskoeffizient (Bemessungswerte, trocken):</translation>
    </message>
    <message>
        <source>with moisture-dependent conductivity:</source>
        <translation>mit feuchteabhängiger Wärmeleitfähigkeit:</translation>
    </message>
    <message>
        <source>* Unventilated air layer: thermal resistance from the table of DIN EN ISO 6946 for its thickness and the heat-flow direction.</source>
        <translation>* Ruhende Luftschicht: Wärmedurchlasswiderstand aus der Tabelle der DIN EN ISO 6946 für ihre Dicke und die Richtung des Wärmestroms.</translation>
    </message>
</context>
<context>
    <name>UndoChangeDisclaimer</name>
    <message>
        <source>Change of final remarks</source>
        <translation>Änderung der Schlussbemerkungen</translation>
    </message>
</context>
<context>
    <name>UserDialogs</name>
    <message>
        <source>User data found</source>
        <translation>Benutzerdaten gefunden</translation>
    </message>
    <message>
        <source>The directory &apos;%1&apos; already holds a material or construction database. Use the data there, or add your own materials and constructions to it?</source>
        <translation>Das Verzeichnis „%1“ enthält bereits eine Material- oder Konstruktionsdatenbank. Die dortigen Daten verwenden oder die eigenen Materialien und Konstruktionen hinzufügen?</translation>
    </message>
    <message>
        <source>Use the data there</source>
        <translation>Dortige Daten verwenden</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
</context>
<context>
    <name>UserLogoSettingsWidget</name>
    <message>
        <source>User Logo</source>
        <translation>Eigenes Logo</translation>
    </message>
    <message>
        <source>No user logo</source>
        <translation>Kein eigenes Logo</translation>
    </message>
    <message>
        <source>Logo in page header</source>
        <translation>In der Kopfzeile</translation>
    </message>
    <message>
        <source>Logo right from project informations</source>
        <translation>Neben den Projektinformationen</translation>
    </message>
    <message>
        <source>Scale by width</source>
        <translation>Nach Breite skalieren</translation>
    </message>
    <message>
        <source>Scale by height</source>
        <translation>Nach Höhe skalieren</translation>
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
        <translation>Bilddatei:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Select user logo</source>
        <translation>Eigenes Logo auswählen</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.svg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.bmp *.svg)</translation>
    </message>
</context>
<context>
    <name>ValidatingLineEdit</name>
    <message>
        <source>Use &apos;,&apos; or &apos;.&apos; once, as the decimal separator; digit grouping is not accepted.</source>
        <translation>Verwenden Sie &apos;,&apos; oder &apos;.&apos; nur einmal, als Dezimaltrennzeichen; Zifferngruppierung wird nicht angenommen.</translation>
    </message>
    <message>
        <source>A number is needed.</source>
        <translation>Hier wird eine Zahl benötigt.</translation>
    </message>
    <message>
        <source>This is not a number.</source>
        <translation>Das ist keine Zahl.</translation>
    </message>
    <message>
        <source>A whole number is needed.</source>
        <translation>Hier wird eine ganze Zahl benötigt.</translation>
    </message>
</context>
<context>
    <name>XMLHelpers</name>
    <message>
        <source>Invalid value for attribute &apos;%1&apos;.</source>
        <translation>Ungültiger Wert für das Attribut „%1“.</translation>
    </message>
    <message>
        <source>Invalid value for attribute &apos;%1&apos; of layer %2 (line %3).</source>
        <translation>Ungültiger Wert für das Attribut „%1“ von Schicht %2 (Zeile %3).</translation>
    </message>
    <message>
        <source>Invalid value for attribute &apos;%1&apos; (line %2).</source>
        <translation>Ungültiger Wert für das Attribut „%1“ (Zeile %2).</translation>
    </message>
</context>
</TS>
