<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>A software for hygrothermal evaluation of building envelope systems</source>
        <translation>Program do oceny cieplno-wilgotnościowej przegród zewnętrznych budynków</translation>
    </message>
    <message>
        <source>Third-party components and their licences:</source>
        <translation>Komponenty zewnętrzne i ich licencje:</translation>
    </message>
</context>
<context>
    <name>Assessment</name>
    <message>
        <source>no construction</source>
        <translation>brak przegrody</translation>
    </message>
    <message>
        <source>invalid input</source>
        <translation>nieprawidłowe dane wejściowe</translation>
    </message>
    <message>
        <source>invalid input: %1</source>
        <translation>nieprawidłowe dane wejściowe: %1</translation>
    </message>
    <message>
        <source>the moisture calculation failed</source>
        <translation>obliczenie wilgotnościowe nie powiodło się</translation>
    </message>
    <message>
        <source>there is no algorithm for this problem</source>
        <translation>brak algorytmu dla tego zagadnienia</translation>
    </message>
    <message>
        <source>condensation on the inside surface</source>
        <translation>kondensacja na powierzchni wewnętrznej</translation>
    </message>
    <message>
        <source>condensation on the outside surface</source>
        <translation>kondensacja na powierzchni zewnętrznej</translation>
    </message>
    <message>
        <source>the thermal resistance of the construction is not a finite number</source>
        <translation>opór cieplny przegrody nie jest liczbą skończoną</translation>
    </message>
</context>
<context>
    <name>AssessmentConditions</name>
    <message>
        <source>Custom conditions</source>
        <translation>Warunki użytkownika</translation>
    </message>
    <message>
        <source>German Standard DIN 4108-3 from 2001</source>
        <translation>Norma niemiecka DIN 4108-3 z 2001 r.</translation>
    </message>
    <message>
        <source>German Standard DIN 4108-3 from 2014, 2018 and 2024</source>
        <translation>Norma niemiecka DIN 4108-3 z 2014, 2018 i 2024 r.</translation>
    </message>
    <message>
        <source>Unknown condition</source>
        <translation>Nieznane warunki</translation>
    </message>
</context>
<context>
    <name>AssessmentTypeWidget</name>
    <message>
        <source>Assessment Type</source>
        <translation>Rodzaj oceny</translation>
    </message>
    <message>
        <source>The condensation time must be &gt; 0d and &lt; 300d.</source>
        <translation>Okres kondensacji musi wynosić &gt; 0 d i &lt; 300 d.</translation>
    </message>
    <message>
        <source>The drying time must be &gt; 0d and &lt; 300d.</source>
        <translation>Okres wysychania musi wynosić &gt; 0 d i &lt; 300 d.</translation>
    </message>
    <message>
        <source>Select assessment type</source>
        <translation>Wybierz rodzaj oceny</translation>
    </message>
    <message>
        <source>Condensation time in d</source>
        <translation>Okres kondensacji w d</translation>
    </message>
    <message>
        <source>Drying time in d</source>
        <translation>Okres wysychania w d</translation>
    </message>
    <message>
        <source>Sets the heat flow direction, the outside climate, the evaporation period of DIN 4108-3 and the row of DIN 4108-2 for the minimum thermal resistance; each can be changed afterwards.</source>
        <translation>Ustawia kierunek strumienia ciepła, klimat zewnętrzny, okres wysychania wg DIN 4108-3 oraz wiersz DIN 4108-2 dla minimalnego oporu cieplnego; każdą z tych wartości można później zmienić.</translation>
    </message>
    <message>
        <source>As in the report settings</source>
        <translation>Jak w ustawieniach raportu</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source>Construction kind</source>
        <translation>Rodzaj przegrody</translation>
    </message>
    <message>
        <source>DIN 4108-2 minimum thermal resistance</source>
        <translation>Minimalny opór cieplny wg DIN 4108-2</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Invalid width %1 of &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Nieprawidłowa grubość %1 &lt;a href=&quot;layer-%2&quot;&gt;warstwy nr %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Error in Glaser-Calculation.</source>
        <translation>Błąd w obliczeniu metodą Glasera.</translation>
    </message>
    <message>
        <source>Invalid mu %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Nieprawidłowa wartość μ %1 materiału &lt;a href=&quot;layer-%2&quot;&gt;warstwy nr %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Invalid thermal conductivity %1 of material in &lt;a href=&quot;layer-%2&quot;&gt;layer #%2&lt;/a&gt;.</source>
        <translation>Nieprawidłowy współczynnik przewodzenia ciepła %1 materiału &lt;a href=&quot;layer-%2&quot;&gt;warstwy nr %2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Invalid surface resistance outside %f.</source>
        <translation>Nieprawidłowy opór przejmowania ciepła na powierzchni zewnętrznej %f.</translation>
    </message>
    <message>
        <source>Invalid surface resistance inside)%f.</source>
        <translation>Nieprawidłowy opór przejmowania ciepła na powierzchni wewnętrznej %f.</translation>
    </message>
</context>
<context>
    <name>CandidateTrial</name>
    <message>
        <source>pv_e not correctly calculated! Algorithm error!</source>
        <translation>Ciśnienie pary pv_e obliczone nieprawidłowo! Błąd algorytmu!</translation>
    </message>
</context>
<context>
    <name>Climate</name>
    <message>
        <source>Custom climate conditions, indoor</source>
        <translation>Warunki klimatyczne użytkownika, wewnątrz</translation>
    </message>
    <message>
        <source>Custom climate conditions, outdoor</source>
        <translation>Warunki klimatyczne użytkownika, na zewnątrz</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Indoor climate, heat flow direction horizontal and upwards</source>
        <translation>DIN 4108-3 2001 klimat wewnętrzny, kierunek przepływu ciepła poziomy i w górę</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Indoor climate, heat flow direction downwards</source>
        <translation>DIN 4108-3 2001 klimat wewnętrzny, kierunek przepływu ciepła w dół</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction horizontal</source>
        <translation>DIN EN ISO 6946 klimat wewnętrzny, kierunek przepływu ciepła poziomy</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction downwards</source>
        <translation>DIN EN ISO 6946 klimat wewnętrzny, kierunek przepływu ciepła w dół</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Indoor climate, heat flow direction upwards</source>
        <translation>DIN EN ISO 6946 klimat wewnętrzny, kierunek przepływu ciepła w górę</translation>
    </message>
    <message>
        <source>DIN EN ISO 13788 Indoor climate, all other surfaces</source>
        <translation>DIN EN ISO 13788 klimat wewnętrzny, wszystkie pozostałe powierzchnie</translation>
    </message>
    <message>
        <source>DIN EN ISO 13788 Indoor climate, on glazings and window frames</source>
        <translation>DIN EN ISO 13788 klimat wewnętrzny, na przeszkleniach i ramach okiennych</translation>
    </message>
    <message>
        <source>DIN 4108-8 Indoor climate, in built in cupboards, mould protection</source>
        <translation>DIN 4108-8 klimat wewnętrzny, w szafach wnękowych, ochrona przed pleśnią</translation>
    </message>
    <message>
        <source>DIN 4108-8 Indoor climate, behaind normal cupboards, mould protection</source>
        <translation>DIN 4108-8 klimat wewnętrzny, za zwykłymi szafami, ochrona przed pleśnią</translation>
    </message>
    <message>
        <source>DIN 4108-3_2024 Indoor climate</source>
        <translation>DIN 4108-3:2024 klimat wewnętrzny</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to outside</source>
        <translation>DIN 4108-3 2001 zewnętrzne, przy powietrzu zewnętrznym</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to ventilated air space</source>
        <translation>DIN 4108-3 2001 zewnętrzne, przy wentylowanej szczelinie powietrznej</translation>
    </message>
    <message>
        <source>DIN 4108-3_2024 Outdoor climate</source>
        <translation>DIN 4108-3:2024 klimat zewnętrzny</translation>
    </message>
    <message>
        <source>DIN 4108-3 2001 Outdoor, boundary to ground</source>
        <translation>DIN 4108-3 2001 zewnętrzne, przy gruncie</translation>
    </message>
    <message>
        <source>DIN 4108-3 2024 Outdoor, boundary to ground</source>
        <translation>DIN 4108-3 2024 zewnętrzne, przy gruncie</translation>
    </message>
    <message>
        <source>DIN EN ISO 6946 Outdoor climate</source>
        <translation>DIN EN ISO 6946 klimat zewnętrzny</translation>
    </message>
</context>
<context>
    <name>ClimateEditWidget</name>
    <message>
        <source>Climatic Data</source>
        <translation>Dane klimatyczne</translation>
    </message>
    <message>
        <source>Winter:</source>
        <translation>Zima:</translation>
    </message>
    <message>
        <source>Climate of the condensation period</source>
        <translation>Klimat okresu kondensacji</translation>
    </message>
    <message>
        <source>Summer:</source>
        <translation>Lato:</translation>
    </message>
    <message>
        <source>Climate of the evaporation period</source>
        <translation>Klimat okresu wysychania</translation>
    </message>
    <message>
        <source>Select climate data preset:</source>
        <translation>Wybierz zestaw danych klimatycznych:</translation>
    </message>
    <message>
        <source>Temperature in [%1C]:</source>
        <translation>Temperatura w [%1C]:</translation>
    </message>
    <message>
        <source>Relative Humidity in [%]:</source>
        <translation>Wilgotność względna w [%]:</translation>
    </message>
    <message>
        <source>Surface transfer resistance in [m%1K/W]:</source>
        <translation>Opór przejmowania ciepła w [m%1K/W]:</translation>
    </message>
    <message>
        <source>The surface resistance must be &gt; 0.</source>
        <translation>Opór przejmowania ciepła musi być &gt; 0.</translation>
    </message>
    <message>
        <source>The temperature must lie between -40 °C and 80 °C.</source>
        <translation>Temperatura musi mieścić się w zakresie od -40 °C do 80 °C.</translation>
    </message>
    <message>
        <source>The relative humidity must lie between 0 % and 100 %.</source>
        <translation>Wilgotność względna musi mieścić się w zakresie od 0 % do 100 %.</translation>
    </message>
</context>
<context>
    <name>ClimateFrame</name>
    <message>
        <source>Climate Data</source>
        <translation>Dane klimatyczne</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Relative Humidity</source>
        <translation>Wilgotność względna</translation>
    </message>
    <message>
        <source>Climate at warm side</source>
        <translation>Klimat po stronie ciepłej</translation>
    </message>
    <message>
        <source>Climate at cold side</source>
        <translation>Klimat po stronie zimnej</translation>
    </message>
    <message>
        <source>Winter Climate</source>
        <translation>Klimat zimowy</translation>
    </message>
    <message>
        <source>Duration of Condensation Periode (winter)</source>
        <translation>Czas trwania okresu kondensacji (zima)</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dni</translation>
    </message>
    <message>
        <source>Summer Climate</source>
        <translation>Klimat letni</translation>
    </message>
    <message>
        <source>Duration of Drying Periode (summer)</source>
        <translation>Czas trwania okresu wysychania (lato)</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>General Settings</source>
        <translation>Ustawienia ogólne</translation>
    </message>
    <message>
        <source>Default Project Info</source>
        <translation>Dane projektu</translation>
    </message>
    <message>
        <source>Default Print Config</source>
        <translation>Ustawienia wydruku</translation>
    </message>
</context>
<context>
    <name>ConfigPageGeneral</name>
    <message>
        <source>Start Program without project</source>
        <translation>Uruchamiaj program bez projektu</translation>
    </message>
    <message>
        <source>Start Program with last recent project</source>
        <translation>Uruchamiaj program z ostatnio używanym projektem</translation>
    </message>
    <message>
        <source>Construction layer width in [mm]</source>
        <translation>Grubość warstw przegrody w [mm]</translation>
    </message>
    <message>
        <source>Construction layer width in [cm]</source>
        <translation>Grubość warstw przegrody w [cm]</translation>
    </message>
    <message>
        <source>Construction layer width in [dm]</source>
        <translation>Grubość warstw przegrody w [dm]</translation>
    </message>
    <message>
        <source>Construction layer width in [m]</source>
        <translation>Grubość warstw przegrody w [m]</translation>
    </message>
    <message>
        <source>Use kg/m%1s%2 as unit for Aw</source>
        <translation>Używaj kg/m%1s%2 jako jednostki Aw</translation>
    </message>
    <message>
        <source>Use kg/m%1h%2 as unit for Aw</source>
        <translation>Używaj kg/m%1h%2 jako jednostki Aw</translation>
    </message>
    <message>
        <source>Use moisture dependent thermal conductivity</source>
        <translation>Uwzględniaj zależność współczynnika przewodzenia ciepła od wilgotności</translation>
    </message>
    <message>
        <source>Directory for user material database and construction database:</source>
        <translation>Katalog bazy materiałów i bazy przegród użytkownika:</translation>
    </message>
    <message>
        <source>User material directory</source>
        <translation>Katalog materiałów użytkownika</translation>
    </message>
    <message>
        <source>Directory not valid.</source>
        <translation>Nieprawidłowy katalog.</translation>
    </message>
    <message>
        <source>There exist a file with the same name.</source>
        <translation>Istnieje już plik o tej samej nazwie.</translation>
    </message>
    <message>
        <source>The given text cannot be used as directory.</source>
        <translation>Podanego tekstu nie można użyć jako katalogu.</translation>
    </message>
    <message>
        <source>Directory not writebale.</source>
        <translation>Brak prawa zapisu w katalogu.</translation>
    </message>
    <message>
        <source>The material database cannot be stored here.</source>
        <translation>Nie można tutaj zapisać bazy materiałów.</translation>
    </message>
    <message>
        <source>The user data there cannot be read completely; it is left as it is.</source>
        <translation>Danych użytkownika w tym katalogu nie można odczytać w całości; pozostają bez zmian.</translation>
    </message>
</context>
<context>
    <name>ConfigPageProjectInformation</name>
    <message>
        <source>The settings below are transfered into newly created projects. To edit the project information of the current project, use the project information editor available from the edit menu.</source>
        <translation>Poniższe ustawienia są przenoszone do nowo tworzonych projektów. Aby edytować informacje o bieżącym projekcie, użyj edytora informacji o projekcie dostępnego w menu Edycja.</translation>
    </message>
</context>
<context>
    <name>ConfigPrintDefaults</name>
    <message>
        <source>General Appearance</source>
        <translation>Wygląd ogólny</translation>
    </message>
    <message>
        <source>Input Data</source>
        <translation>Dane wejściowe</translation>
    </message>
    <message>
        <source>Diagrams</source>
        <translation>Wykresy</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Final Remarks</source>
        <translation>Uwagi końcowe</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Nagłówek</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Stopka</translation>
    </message>
    <message>
        <source>Page numbers in footer</source>
        <translation>Numery stron w stopce</translation>
    </message>
    <message>
        <source>Project information</source>
        <translation>Informacje o projekcie</translation>
    </message>
    <message>
        <source>Construction sketch</source>
        <translation>Szkic przegrody</translation>
    </message>
    <message>
        <source>Material data</source>
        <translation>Dane materiałowe</translation>
    </message>
    <message>
        <source>Climate data</source>
        <translation>Dane klimatyczne</translation>
    </message>
    <message>
        <source>Surface Resistance</source>
        <translation>Opory przejmowania ciepła</translation>
    </message>
    <message>
        <source>Temperature and moisture profiles</source>
        <translation>Rozkłady temperatury i zawartości wilgoci</translation>
    </message>
    <message>
        <source>Vapor pressure profiles</source>
        <translation>Rozkłady ciśnienia pary wodnej</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser) - Summary</source>
        <translation>DIN 4108-3 (Glaser) – podsumowanie</translation>
    </message>
    <message>
        <source>%1 Results - Summary</source>
        <translation>Wyniki %1 – podsumowanie</translation>
    </message>
    <message>
        <source>%1 Results - Detailed Table</source>
        <translation>Wyniki %1 – tabela szczegółowa</translation>
    </message>
    <message>
        <source>Resistances and %1 values</source>
        <translation>Opory i wartości %1</translation>
    </message>
    <message>
        <source>Construction kind for test of minimum thermal resistance
according german standard DIN 4108-2 table 3</source>
        <translation>Rodzaj przegrody do sprawdzenia minimalnej izolacyjności cieplnej
według niemieckiej normy DIN 4108-2, tablica 3</translation>
    </message>
    <message>
        <source>Please enter your final remarksr here!</source>
        <translation>Tutaj wpisz swoje uwagi końcowe!</translation>
    </message>
    <message>
        <source>Header of first order.</source>
        <translation>Nagłówek pierwszego stopnia.</translation>
    </message>
    <message>
        <source>Header of second order.</source>
        <translation>Nagłówek drugiego stopnia.</translation>
    </message>
    <message>
        <source>Header of third order.</source>
        <translation>Nagłówek trzeciego stopnia.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Normal text.</source>
        <translation>Zwykły tekst.</translation>
    </message>
    <message>
        <source>Underline.</source>
        <translation>Podkreślenie.</translation>
    </message>
    <message>
        <source>Italic font.</source>
        <translation>Kursywa.</translation>
    </message>
    <message>
        <source>Bold font.</source>
        <translation>Pogrubienie.</translation>
    </message>
    <message>
        <source>Print Final Remarks</source>
        <translation>Drukuj uwagi końcowe</translation>
    </message>
    <message>
        <source>U-value table (DIN EN ISO 6946)</source>
        <translation>Tabela współczynnika U (PN-EN ISO 6946)</translation>
    </message>
</context>
<context>
    <name>Construction</name>
    <message>
        <source>Unknown</source>
        <translation>Nieznana</translation>
    </message>
    <message>
        <source>The stored construction is incomplete or damaged.</source>
        <translation>Zapisana przegroda jest niekompletna lub uszkodzona.</translation>
    </message>
    <message>
        <source>Unknown version %1 of a stored construction.</source>
        <translation>Nieznana wersja %1 zapisanej przegrody.</translation>
    </message>
    <message>
        <source>Layer %1 of &quot;%2&quot;: its second material &quot;%3&quot; cannot be taken. %4</source>
        <translation>Warstwa %1 przegrody „%2”: jej drugiego materiału „%3” nie można przyjąć. %4</translation>
    </message>
    <message>
        <source>Layer %1 of &quot;%2&quot; (%3) is given by its sd-value and cannot carry a second material.</source>
        <translation>Warstwa %1 przegrody „%2” (%3) jest określona wartością sd i nie może mieć drugiego materiału.</translation>
    </message>
</context>
<context>
    <name>ConstructionDatabaseTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Warm side
Layer 1</source>
        <translation>Strona ciepła
Warstwa 1</translation>
    </message>
    <message>
        <source>Cold side
Layer %1</source>
        <translation>Strona zimna
Warstwa %1</translation>
    </message>
    <message>
        <source>
Layer %1</source>
        <translation>
Warstwa %1</translation>
    </message>
    <message>
        <source>%1 with %2 (%L3 %)</source>
        <translation>%1 z %2 (%L3 %)</translation>
    </message>
</context>
<context>
    <name>ConstructionDatabaseWidget</name>
    <message>
        <source>No notes</source>
        <translation>Brak uwag</translation>
    </message>
    <message>
        <source>Add construction</source>
        <translation>Dodaj przegrodę</translation>
    </message>
    <message>
        <source>Add a new construction to the list.</source>
        <translation>Dodaje nową przegrodę do listy.</translation>
    </message>
    <message>
        <source>Delete Construction</source>
        <translation>Usuń przegrodę</translation>
    </message>
    <message>
        <source>Delete selected construction from list.</source>
        <translation>Usuwa zaznaczoną przegrodę z listy.</translation>
    </message>
    <message>
        <source>Edit construction</source>
        <translation>Edytuj przegrodę</translation>
    </message>
    <message>
        <source>Edit selected constrcution.</source>
        <translation>Edytuje zaznaczoną przegrodę.</translation>
    </message>
    <message>
        <source>Copy construction</source>
        <translation>Kopiuj przegrodę</translation>
    </message>
    <message>
        <source>Copy selected construction to a new one.</source>
        <translation>Kopiuje zaznaczoną przegrodę do nowej.</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importuj…</translation>
    </message>
    <message>
        <source>Import external construction database</source>
        <translation>Importuj zewnętrzną bazę przegród</translation>
    </message>
    <message>
        <source>View and Notes</source>
        <translation>Podgląd i uwagi</translation>
    </message>
    <message>
        <source>Selected Construction:</source>
        <translation>Zaznaczona przegroda:</translation>
    </message>
    <message>
        <source>New construction</source>
        <translation>Nowa przegroda</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (kopia)</translation>
    </message>
    <message>
        <source>Do you really want to delete the construction &apos;%1&apos;?</source>
        <translation>Czy na pewno usunąć przegrodę „%1”?</translation>
    </message>
    <message>
        <source>Select file with construction database.</source>
        <translation>Wybierz plik z bazą przegród.</translation>
    </message>
    <message>
        <source>Database for Mirelo 2 (*.constr)</source>
        <translation>Baza danych dla Mirelo 2 (*.constr)</translation>
    </message>
    <message>
        <source>Construction read error.</source>
        <translation>Błąd odczytu przegrody.</translation>
    </message>
    <message>
        <source>No constructions found in file &apos;%1&apos;</source>
        <translation>Nie znaleziono przegród w pliku „%1”</translation>
    </message>
    <message>
        <source>%1 constructions found in file &apos;%2&apos;, %3 of them new.</source>
        <translation>Liczba przegród znalezionych w pliku „%2”: %1, w tym nowych: %3.</translation>
    </message>
    <message>
        <source>The file is damaged; only its first constructions could be read.</source>
        <translation>Plik jest uszkodzony; udało się odczytać tylko pierwsze przegrody.</translation>
    </message>
    <message>
        <source>Constructions added.</source>
        <translation>Dodano przegrody.</translation>
    </message>
</context>
<context>
    <name>ConstructionEditDialog</name>
    <message>
        <source>Edit construction</source>
        <translation>Edytuj przegrodę</translation>
    </message>
    <message>
        <source>The layer width must be &gt; 0.</source>
        <translation>Grubość warstwy musi wynosić &gt; 0.</translation>
    </message>
    <message>
        <source>Append layer...</source>
        <translation>Dołącz warstwę…</translation>
    </message>
    <message>
        <source>Adds a layer of a chosen material on the cold side.</source>
        <translation>Dodaje warstwę z wybranego materiału po stronie zimnej.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Uwagi:</translation>
    </message>
    <message>
        <source>Layers (warm side left)</source>
        <translation>Warstwy (strona ciepła po lewej)</translation>
    </message>
    <message>
        <source>Layer width [mm]:</source>
        <translation>Grubość warstwy [mm]:</translation>
    </message>
    <message>
        <source>The construction has no layers yet.</source>
        <translation>Przegroda nie ma jeszcze warstw.</translation>
    </message>
    <message>
        <source>Click a layer to select it.</source>
        <translation>Kliknij warstwę, aby ją zaznaczyć.</translation>
    </message>
    <message>
        <source>Layer %1: %2</source>
        <translation>Warstwa %1: %2</translation>
    </message>
    <message>
        <source>Layer %1: %2. A layer given by its sd-value carries no second material: &quot;%3&quot; was removed.</source>
        <translation>Warstwa %1: %2. Warstwa określona wartością sd nie ma drugiego materiału: usunięto „%3”.</translation>
    </message>
    <message>
        <source>Layer %1: %2 with %3 (%L4 % of the area)</source>
        <translation>Warstwa %1: %2 z %3 (%L4 % powierzchni)</translation>
    </message>
</context>
<context>
    <name>ConstructionKinds</name>
    <message>
        <source>External wall</source>
        <translation>Ściana zewnętrzna</translation>
    </message>
    <message>
        <source>Wall against soil</source>
        <translation>Ściana stykająca się z gruntem</translation>
    </message>
    <message>
        <source>Roof over habitable rooms, pitched</source>
        <translation>Dach stromy nad pomieszczeniami przeznaczonymi na pobyt ludzi</translation>
    </message>
    <message>
        <source>Roof over habitable rooms, flat</source>
        <translation>Stropodach nad pomieszczeniami przeznaczonymi na pobyt ludzi</translation>
    </message>
    <message>
        <source>Ceiling below an unheated attic</source>
        <translation>Strop pod nieogrzewanym poddaszem</translation>
    </message>
    <message>
        <source>Ceiling over an unheated cellar</source>
        <translation>Strop nad nieogrzewaną piwnicą</translation>
    </message>
    <message>
        <source>Floor over outside air (passage, garage)</source>
        <translation>Strop nad powietrzem zewnętrznym (przejazd, garaż)</translation>
    </message>
    <message>
        <source>Floor plate on ground</source>
        <translation>Podłoga na gruncie</translation>
    </message>
    <message>
        <source>Internal wall or ceiling to an unheated room</source>
        <translation>Ściana wewnętrzna lub strop przy pomieszczeniu nieogrzewanym</translation>
    </message>
</context>
<context>
    <name>ConstructionLayerFrame</name>
    <message>
        <source>Material Properties</source>
        <translation>Właściwości materiałów</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Materiał</translation>
    </message>
    <message>
        <source>d - layer thickness,</source>
        <translation>d – grubość warstwy,</translation>
    </message>
    <message>
        <source>&amp;lambda; - design value of thermal conductivity,</source>
        <translation>&amp;lambda; – obliczeniowy współczynnik przewodzenia ciepła,</translation>
    </message>
    <message>
        <source>&amp;mu; - vapour diffusion resistance factor,</source>
        <translation>&amp;mu; – współczynnik oporu dyfuzyjnego,</translation>
    </message>
    <message>
        <source>w&lt;sub&gt;80&lt;/sub&gt;/w&lt;sub&gt;sat&lt;/sub&gt; - %1,</source>
        <translation>w&lt;sub&gt;80&lt;/sub&gt;/w&lt;sub&gt;sat&lt;/sub&gt; – %1,</translation>
    </message>
    <message>
        <source>moisture content for 80% RH. resp. saturation</source>
        <translation>zawartość wilgoci przy 80% wilg. wzgl. lub w stanie nasycenia</translation>
    </message>
    <message>
        <source>A&lt;sub&gt;w&lt;/sub&gt; - %1,</source>
        <translation>A&lt;sub&gt;w&lt;/sub&gt; – %1,</translation>
    </message>
    <message>
        <source>water uptake coefficient</source>
        <translation>współczynnik absorpcji wody</translation>
    </message>
    <message>
        <source>layers from left to right</source>
        <translation>warstwy od lewej do prawej</translation>
    </message>
    <message>
        <source>%1, %L2 mm at %L3 mm</source>
        <translation>%1, %L2 mm w rozstawie %L3 mm</translation>
    </message>
    <message>
        <source>s&lt;sub&gt;d&lt;/sub&gt; winter / summer&lt;br/&gt;[m]</source>
        <translation>s&lt;sub&gt;d&lt;/sub&gt; zima / lato&lt;br/&gt;[m]</translation>
    </message>
    <message>
        <source>s&lt;sub&gt;d&lt;/sub&gt; - diffusion-equivalent air layer thickness in the condensation and the evaporation period (humidity-variable vapour retarder),</source>
        <translation>s&lt;sub&gt;d&lt;/sub&gt; - dyfuzyjnie równoważna grubość warstwy powietrza w okresie kondensacji i w okresie wysychania (paroizolacja o zmiennym oporze dyfuzyjnym),</translation>
    </message>
    <message>
        <source>(+ second material of the layer (studs, rafters) with its area fraction; condensation is assessed between them)</source>
        <translation>(+ drugi materiał warstwy (słupki, krokwie) z jego udziałem powierzchniowym; kondensację ocenia się w polu między nimi)</translation>
    </message>
</context>
<context>
    <name>ConstructionList</name>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <translation>Plik jest większy niż %1 MiB.</translation>
    </message>
    <message>
        <source>Construction %1 of %2: %3</source>
        <translation>Przegroda %1 z %2: %3</translation>
    </message>
</context>
<context>
    <name>ConstructionNameInputDialog</name>
    <message>
        <source>Add to Construction Database</source>
        <translation>Dodaj do bazy przegród</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Uwagi:</translation>
    </message>
</context>
<context>
    <name>ConstructionTableWidget</name>
    <message>
        <source>%1 with %2 (%L3 % of the area)</source>
        <translation>%1 z %2 (%L3 % powierzchni)</translation>
    </message>
</context>
<context>
    <name>ConstructionViewWidget</name>
    <message>
        <source>Assign material</source>
        <translation>Przypisz materiał</translation>
    </message>
    <message>
        <source>Assign material to the selected layer</source>
        <translation>Przypisuje materiał do zaznaczonej warstwy</translation>
    </message>
    <message>
        <source>Insert layer left</source>
        <translation>Wstaw warstwę po lewej</translation>
    </message>
    <message>
        <source>Insert a new layer left from selected one</source>
        <translation>Wstawia nową warstwę na lewo od zaznaczonej</translation>
    </message>
    <message>
        <source>Insert layer right</source>
        <translation>Wstaw warstwę po prawej</translation>
    </message>
    <message>
        <source>Insert a new layer right from selected one</source>
        <translation>Wstawia nową warstwę na prawo od zaznaczonej</translation>
    </message>
    <message>
        <source>Remove layer</source>
        <translation>Usuń warstwę</translation>
    </message>
    <message>
        <source>Remove selected layer</source>
        <translation>Usuwa zaznaczoną warstwę</translation>
    </message>
    <message>
        <source>Move layer left</source>
        <translation>Przesuń warstwę w lewo</translation>
    </message>
    <message>
        <source>Move selected layer to left</source>
        <translation>Przesuwa zaznaczoną warstwę w lewo</translation>
    </message>
    <message>
        <source>Move layer right</source>
        <translation>Przesuń warstwę w prawo</translation>
    </message>
    <message>
        <source>Move selected layer to right</source>
        <translation>Przesuwa zaznaczoną warstwę w prawo</translation>
    </message>
</context>
<context>
    <name>DINCriteriaResult</name>
    <message>
        <source>Check according DIN 4108-3 2001</source>
        <translation>Sprawdzenie według DIN 4108-3 2001</translation>
    </message>
    <message>
        <source>Check according DIN 4108-3 2014</source>
        <translation>Sprawdzenie według DIN 4108-3 2014</translation>
    </message>
    <message>
        <source>Check according DIN 4108-3 2018 and 2024</source>
        <translation>Sprawdzenie według DIN 4108-3 2018 i 2024</translation>
    </message>
    <message>
        <source>Check accordinguser defined data</source>
        <translation>Sprawdzenie według danych użytkownika</translation>
    </message>
    <message>
        <source>DIN 4108-3 (no capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 0.5kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>DIN 4108-3 (materiały niekapilarne) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 0,5 kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 (with capillary suction) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 1.0kg/m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>DIN 4108-3 (materiały kapilarnie aktywne) M&lt;sub&gt;c&lt;/sub&gt; &amp;lt;= 1,0 kg/m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Wood) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</source>
        <translation>DIN 4108-3 (drewno) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5%</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Wood based material) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</source>
        <translation>DIN 4108-3 (materiał drewnopochodny) %1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3%</translation>
    </message>
    <message>
        <source>Drying time in summer t&lt;sub&gt;ev&lt;/sub&gt; &amp;lt; 90d</source>
        <translation>Czas wysychania latem t&lt;sub&gt;ev&lt;/sub&gt; &amp;lt; 90 d</translation>
    </message>
    <message>
        <source>Check for drying reserve of %1 g/m&lt;sup&gt;2&lt;/sup&gt;a according DIN 68800-2</source>
        <translation>Sprawdzenie rezerwy schnięcia %1 g/m&lt;sup&gt;2&lt;/sup&gt;a według DIN 68800-2</translation>
    </message>
    <message>
        <source>The current calculation don&apos;t use the same water uptake value as check for non-capillar material </source>
        <translation>Bieżące obliczenie nie przyjmuje przy sprawdzeniu materiałów niekapilarnych tej samej wartości współczynnika absorpcji wody </translation>
    </message>
    <message>
        <source>as the standard DIN 4108-3 from 2014, 2018 or 2024.&lt;br/&gt;</source>
        <translation>co norma DIN 4108-3 z 2014, 2018 lub 2024 r.&lt;br/&gt;</translation>
    </message>
    <message>
        <source>Used value: %1 %2.&lt;br/&gt;</source>
        <translation>Przyjęta wartość: %1 %2.&lt;br/&gt;</translation>
    </message>
    <message>
        <source>This is admissible because MIRELO is a advanced software as per appendix D DIN 4108-3.</source>
        <translation>Jest to dopuszczalne, ponieważ MIRELO jest zaawansowanym programem obliczeniowym w rozumieniu załącznika D normy DIN 4108-3.</translation>
    </message>
    <message>
        <source>the calculation gave a figure that is not a finite number</source>
        <translation>obliczenie dało wartość, która nie jest liczbą skończoną</translation>
    </message>
    <message>
        <source>the calculation gave a negative condensate mass</source>
        <translation>obliczenie dało ujemną masę kondensatu</translation>
    </message>
    <message>
        <source>Glaser scheme</source>
        <translation>Metoda Glasera</translation>
    </message>
    <message>
        <source>Moisture storage method</source>
        <translation>Metoda akumulacji wilgoci</translation>
    </message>
</context>
<context>
    <name>DINCriteriaSettings</name>
    <message>
        <source>Settings for validity check according DIN 4108-3</source>
        <translation>Ustawienia sprawdzenia według DIN 4108-3</translation>
    </message>
    <message>
        <source>User defined</source>
        <translation>Zdefiniowane przez użytkownika</translation>
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
        <translation>DIN 4108-3 2018 i 2024</translation>
    </message>
    <message>
        <source>kg/m%1h%2</source>
        <translation>kg/m%1h%2</translation>
    </message>
    <message>
        <source>The Aw value cannot be &lt; 0.</source>
        <translation>Wartość Aw nie może być &lt; 0.</translation>
    </message>
    <message>
        <source>Aw value for non capillar material</source>
        <translation>Wartość Aw dla materiałów niekapilarnych</translation>
    </message>
    <message>
        <source>Aw value for capillar active material</source>
        <translation>Wartość Aw dla materiałów kapilarnie aktywnych</translation>
    </message>
    <message>
        <source>kg/m2s0.5</source>
        <translation>kg/m2s0.5</translation>
    </message>
    <message>
        <source>Check one or both sides of a condensation plane</source>
        <translation>Sprawdzenie jednej lub obu stron płaszczyzny kondensacji</translation>
    </message>
    <message>
        <source>One side check</source>
        <translation>Sprawdzenie jednostronne</translation>
    </message>
    <message>
        <source>Two side check</source>
        <translation>Sprawdzenie dwustronne</translation>
    </message>
</context>
<context>
    <name>DiagramFrame</name>
    <message>
        <source>Temperature and Moisture Profile</source>
        <translation>Rozkład temperatury i zawartości wilgoci</translation>
    </message>
    <message>
        <source>Temperature and Vapour Pressure Profile</source>
        <translation>Rozkład temperatury i ciśnienia pary wodnej</translation>
    </message>
    <message>
        <source>Other Diagram</source>
        <translation>Inny wykres</translation>
    </message>
    <message>
        <source>Condensate (overhygroscopic moisture content) dark blue.</source>
        <translation>Kondensat (zawartość wilgoci powyżej zakresu higroskopijnego) – kolor ciemnoniebieski.</translation>
    </message>
</context>
<context>
    <name>DiagramScene</name>
    <message>
        <source>Temperature %1 in [%2C]</source>
        <translation>Temperatura %1 w [%2C]</translation>
    </message>
    <message>
        <source>Vapor pressure p in [Pa]</source>
        <translation>Ciśnienie pary wodnej p w [Pa]</translation>
    </message>
    <message>
        <source>Moisture content w in [%1]</source>
        <translation>Zawartość wilgoci w w [%1]</translation>
    </message>
    <message>
        <source>Layer widths in [mm]</source>
        <translation>Grubości warstw w [mm]</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Sat. vapour pressure</source>
        <translation>Ciśnienie pary nasyconej</translation>
    </message>
    <message>
        <source>Vapour pressure (real)</source>
        <translation>Ciśnienie pary wodnej (rzeczywiste)</translation>
    </message>
    <message>
        <source>Vapour pressure (calc.)</source>
        <translation>Ciśnienie pary wodnej (obliczeniowe)</translation>
    </message>
    <message>
        <source>Diffusion-equivalent air layer thickness %1 in [m]</source>
        <translation>Równoważna dyfuzyjnie grubość warstwy powietrza %1 w [m]</translation>
    </message>
    <message>
        <source>Condensation zone</source>
        <translation>Strefa kondensacji</translation>
    </message>
    <message>
        <source>Condensation plane</source>
        <translation>Płaszczyzna kondensacji</translation>
    </message>
</context>
<context>
    <name>DiagramView</name>
    <message>
        <source>Construction Sketch</source>
        <translation>Szkic przegrody</translation>
    </message>
    <message>
        <source>Vapour pressure diagram</source>
        <translation>Wykres ciśnienia pary wodnej</translation>
    </message>
    <message>
        <source>Water content diagram</source>
        <translation>Wykres zawartości wilgoci</translation>
    </message>
    <message>
        <source>Unknown picture format of &apos;%1&apos; (svg, png, jpg or pdf expected).</source>
        <translation>Nieznany format obrazu „%1” (oczekiwano svg, png, jpg lub pdf).</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>Nie udało się zapisać obrazu.</translation>
    </message>
    <message>
        <source>Glaser diagram</source>
        <translation>Wykres Glasera</translation>
    </message>
</context>
<context>
    <name>DisclaimerFrame</name>
    <message>
        <source>Final Remarks</source>
        <translation>Uwagi końcowe</translation>
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
        <translation>[Document::readOld]  Błąd odczytu pliku projektu „%1”
</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; project files of the old format are read up to %2 MB.</source>
        <translation>Plik ma %1 bajtów; pliki projektów w starym formacie są odczytywane do %2 MB.</translation>
    </message>
    <message>
        <source>Cannot open file.</source>
        <translation>Nie można otworzyć pliku.</translation>
    </message>
    <message>
        <source>[Document::readOld]  Keyword &apos;FileVersion&apos; missing!</source>
        <translation>[Document::readOld]  Brak słowa kluczowego „FileVersion”!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing!</source>
        <translation>Brak początku bloku „{”!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for climatelist!</source>
        <translation>Brak początku bloku „{” listy klimatów!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for wall data!</source>
        <translation>Brak początku bloku „{” danych przegrody!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; missing for remarks!</source>
        <translation>Brak początku bloku „{” uwag!</translation>
    </message>
    <message>
        <source>Unexpected end of file in remarks!</source>
        <translation>Nieoczekiwany koniec pliku w uwagach!</translation>
    </message>
    <message>
        <source>Invalid keyword &apos;%1&apos; in project file!</source>
        <translation>Nieprawidłowe słowo kluczowe „%1” w pliku projektu!</translation>
    </message>
    <message>
        <source>Block end &apos;}&apos; missing!</source>
        <translation>Brak końca bloku „}”!</translation>
    </message>
    <message>
        <source>Error reading parameter &apos;%1&apos;!</source>
        <translation>Błąd odczytu parametru „%1”!</translation>
    </message>
    <message>
        <source>File is not a Mirelo 2.0 project file.</source>
        <translation>Plik nie jest plikiem projektu Mirelo 2.0.</translation>
    </message>
    <message>
        <source>An element has more than %1 attributes (line %2).</source>
        <translation>Element ma więcej niż %1 atrybutów (wiersz %2).</translation>
    </message>
</context>
<context>
    <name>DryingReserveSettings</name>
    <message>
        <source>Drying potential according DIN 68800-2</source>
        <translation>Rezerwa schnięcia według DIN 68800-2</translation>
    </message>
    <message>
        <source>No drying reserve</source>
        <translation>Bez rezerwy schnięcia</translation>
    </message>
    <message>
        <source>Drying reserve for ceilings and walls</source>
        <translation>Rezerwa schnięcia dla stropów i ścian</translation>
    </message>
    <message>
        <source>&lt;html&gt;(100g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</source>
        <translation>&lt;html&gt;(100 g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Drying reserve for roofs</source>
        <translation>Rezerwa schnięcia dla dachów</translation>
    </message>
    <message>
        <source>&lt;html&gt;(250g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</source>
        <translation>&lt;html&gt;(250 g/m&lt;sup&gt;2&lt;/sup&gt;a)&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Custom drying reserve</source>
        <translation>Rezerwa schnięcia użytkownika</translation>
    </message>
    <message>
        <source>The drying reserve cannot be &lt; 0.</source>
        <translation>Rezerwa schnięcia nie może być &lt; 0.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>&lt;html&gt;g/m&lt;sup&gt;2&lt;/sup&gt;a&lt;/html&gt;</source>
        <translation>&lt;html&gt;g/m&lt;sup&gt;2&lt;/sup&gt;a&lt;/html&gt;</translation>
    </message>
    <message>
        <source>In case of no condensation a drying reserve cannot by applied.</source>
        <translation>Jeżeli nie występuje kondensacja, nie można zastosować rezerwy schnięcia.</translation>
    </message>
</context>
<context>
    <name>FieldMessageLine</name>
    <message>
        <source>&apos;%1&apos; was not taken for %2: %3 The field shows the value held again.</source>
        <translation>„%1” nie został przyjęty dla %2: %3 Pole ponownie pokazuje zapisaną wartość.</translation>
    </message>
</context>
<context>
    <name>FooterFrame</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
</context>
<context>
    <name>GlaserDiagramFrame</name>
    <message>
        <source>Glaser Diagram (DIN 4108-3)</source>
        <translation>Wykres Glasera (DIN 4108-3)</translation>
    </message>
    <message>
        <source>Condensation period (winter). s&lt;sub&gt;d&lt;/sub&gt; - diffusion-equivalent air layer thickness of the layers in front of an interface; upper values p&lt;sub&gt;sat&lt;/sub&gt; - saturation vapour pressure, lower values p - vapour pressure at the interface, in Pa.</source>
        <translation>Okres kondensacji (zima). s&lt;sub&gt;d&lt;/sub&gt; - równoważna dyfuzyjnie grubość warstwy powietrza warstw przed powierzchnią styku; wartości górne p&lt;sub&gt;sat&lt;/sub&gt; - ciśnienie pary nasyconej, wartości dolne p - ciśnienie cząstkowe pary wodnej na powierzchni styku, w Pa.</translation>
    </message>
</context>
<context>
    <name>GlaserFrame</name>
    <message>
        <source>Results according DIN 4108-3 (Glaser Scheme)</source>
        <translation>Wyniki według DIN 4108-3 (metoda Glasera)</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Okres</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dni</translation>
    </message>
    <message>
        <source>Interior climate (left)</source>
        <translation>Klimat wewnętrzny (po lewej)</translation>
    </message>
    <message>
        <source>Outdoor climate (right)</source>
        <translation>Klimat zewnętrzny (po prawej)</translation>
    </message>
    <message>
        <source>Condensation Period (Winter)</source>
        <translation>Okres kondensacji (zima)</translation>
    </message>
    <message>
        <source>Drying Period (Summer)</source>
        <translation>Okres wysychania (lato)</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Condensation zone</source>
        <translation>Strefa kondensacji</translation>
    </message>
    <message>
        <source>Condensation mass (according to Glaser)</source>
        <translation>Masa kondensatu (według Glasera)</translation>
    </message>
    <message>
        <source>Potential drying mass</source>
        <translation>Potencjalna masa wody odparowanej</translation>
    </message>
    <message>
        <source>Duration of drying (according to Glaser)</source>
        <translation>Czas wysychania (według Glasera)</translation>
    </message>
</context>
<context>
    <name>Globals</name>
    <message>
        <source>Help file error</source>
        <translation>Błąd pliku pomocy</translation>
    </message>
    <message>
        <source>The help file cannot be found on location:
%1</source>
        <translation>Nie znaleziono pliku pomocy w lokalizacji:
%1</translation>
    </message>
    <message>
        <source>No program to show PDF files could be started. The manual is here:
%1</source>
        <translation>Nie udało się uruchomić programu do wyświetlania plików PDF. Podręcznik znajduje się tutaj:
%1</translation>
    </message>
</context>
<context>
    <name>HatchedItemDelegate</name>
    <message>
        <source>warm</source>
        <translation>ciepła</translation>
    </message>
    <message>
        <source>cold</source>
        <translation>zimna</translation>
    </message>
</context>
<context>
    <name>InputData</name>
    <message>
        <source>inside, winter</source>
        <translation>wewnątrz, zima</translation>
    </message>
    <message>
        <source>inside, summer</source>
        <translation>wewnątrz, lato</translation>
    </message>
    <message>
        <source>outside, winter</source>
        <translation>na zewnątrz, zima</translation>
    </message>
    <message>
        <source>outside, summer</source>
        <translation>na zewnątrz, lato</translation>
    </message>
    <message>
        <source>Layer #%1</source>
        <translation>Warstwa nr %1</translation>
    </message>
    <message>
        <source>Layer #%1 (%2)</source>
        <translation>Warstwa nr %1 (%2)</translation>
    </message>
    <message>
        <source>%1: width %2 m, must be greater than 0.</source>
        <translation>%1: grubość %2 m, musi być większa od 0.</translation>
    </message>
    <message>
        <source>%1: the material has no name.</source>
        <translation>%1: materiał nie ma nazwy.</translation>
    </message>
    <message>
        <source>%1: bulk density %2 kg/m³, must be greater than 0.</source>
        <translation>%1: gęstość objętościowa %2 kg/m³, musi być większa od 0.</translation>
    </message>
    <message>
        <source>%1: thermal conductivity %2 W/(m·K), must be greater than 0.</source>
        <translation>%1: współczynnik przewodzenia ciepła %2 W/(m·K), musi być większy od 0.</translation>
    </message>
    <message>
        <source>%1: vapour diffusion resistance factor %2, must be greater than 0.</source>
        <translation>%1: współczynnik oporu dyfuzyjnego %2, musi być większy od 0.</translation>
    </message>
    <message>
        <source>%1: moisture content at 80 %RH %2 m³/m³, must be greater than 0.</source>
        <translation>%1: zawartość wilgoci przy 80% wilg. wzgl. %2 m³/m³, musi być większa od 0.</translation>
    </message>
    <message>
        <source>%1: moisture content at 80 %RH %2 m³/m³, must be below the saturation moisture content %3 m³/m³.</source>
        <translation>%1: zawartość wilgoci przy 80% wilg. wzgl. %2 m³/m³, musi być mniejsza od zawartości wilgoci w stanie nasycenia %3 m³/m³.</translation>
    </message>
    <message>
        <source>%1: saturation moisture content %2 m³/m³, must not exceed 1.</source>
        <translation>%1: zawartość wilgoci w stanie nasycenia %2 m³/m³, nie może przekraczać 1.</translation>
    </message>
    <message>
        <source>%1: water absorption coefficient %2 kg/(m²·s^0.5), must not be negative.</source>
        <translation>%1: współczynnik absorpcji wody %2 kg/(m²·s^0.5), nie może być ujemny.</translation>
    </message>
    <message>
        <source>%1: material category %2 is unknown.</source>
        <translation>%1: kategoria materiału %2 jest nieznana.</translation>
    </message>
    <message>
        <source>%1: the material is not valid.</source>
        <translation>%1: materiał jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Climate %1: temperature %2 °C, must lie between -40 and 80 °C.</source>
        <translation>Klimat %1: temperatura %2 °C, musi mieścić się w zakresie od -40 do 80 °C.</translation>
    </message>
    <message>
        <source>Climate %1: relative humidity %2 %, must lie between 0 and 100 %.</source>
        <translation>Klimat %1: wilgotność względna %2 %, musi mieścić się w zakresie od 0 do 100 %.</translation>
    </message>
    <message>
        <source>Climate inside: surface resistance %1 m²K/W, must be greater than 0.</source>
        <translation>Klimat wewnętrzny: opór przejmowania ciepła %1 m²K/W, musi być większy od 0.</translation>
    </message>
    <message>
        <source>Climate outside: surface resistance %1 m²K/W, must be greater than 0.</source>
        <translation>Klimat zewnętrzny: opór przejmowania ciepła %1 m²K/W, musi być większy od 0.</translation>
    </message>
    <message>
        <source>Climate: condensation period of %1 days, must be longer than 0 days.</source>
        <translation>Klimat: okres kondensacji %1 dni, musi być dłuższy niż 0 dni.</translation>
    </message>
    <message>
        <source>Climate: evaporation period of %1 days, must be longer than 0 days.</source>
        <translation>Klimat: okres wysychania %1 dni, musi być dłuższy niż 0 dni.</translation>
    </message>
    <message>
        <source>Climate: a surface resistance is larger than %1 m²K/W.</source>
        <translation>Klimat: opór przejmowania ciepła jest większy niż %1 m²K/W.</translation>
    </message>
    <message>
        <source>Climate: a period is longer than %1 days.</source>
        <translation>Klimat: okres jest dłuższy niż %1 dni.</translation>
    </message>
    <message>
        <source>%1, second material (%2)</source>
        <translation>%1, drugi materiał (%2)</translation>
    </message>
</context>
<context>
    <name>LegacyFormat</name>
    <message>
        <source>[InputData::readClimateOld]  Four climate conditions are required!</source>
        <translation>[InputData::readClimateOld]  Wymagane są cztery warunki klimatyczne!</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Invalid keyword &apos;%1&apos;</source>
        <translation>[InputData::readClimateOld]  Nieprawidłowe słowo kluczowe „%1”</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Block start &apos;{&apos; missing!</source>
        <translation>[InputData::readClimateOld]  Brak początku bloku „{”!</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Error reading parameter &apos;Temperatur&apos;!</source>
        <translation>[InputData::readClimateOld]  Błąd odczytu parametru „Temperatur”!</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Error reading parameter &apos;RelHum&apos;!</source>
        <translation>[InputData::readClimateOld]  Błąd odczytu parametru „RelHum”!</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Illegal keyword &apos;%1&apos;</source>
        <translation>[InputData::readClimateOld]  Niedozwolone słowo kluczowe „%1”</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Error reading climate condition!
</source>
        <translation>[InputData::readClimateOld]  Błąd odczytu warunków klimatycznych!
</translation>
    </message>
    <message>
        <source>[InputData::readClimateOld]  Block end &apos;}&apos; missing!</source>
        <translation>[InputData::readClimateOld]  Brak końca bloku „}”!</translation>
    </message>
    <message>
        <source>[InputData::readConstructionOld]  Block start &apos;{&apos; missing!</source>
        <translation>[InputData::readConstructionOld]  Brak początku bloku „{”!</translation>
    </message>
    <message>
        <source>[InputData::readConstructionOld]  Block end &apos;}&apos; missing!</source>
        <translation>[InputData::readConstructionOld]  Brak końca bloku „}”!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Error reading parameter &apos;Width&apos;!</source>
        <translation>[MaterialLayer::readOld]  Błąd odczytu parametru „Width”!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Error reading parameter &apos;Colour&apos;!</source>
        <translation>[MaterialLayer::readOld]  Błąd odczytu parametru „Colour”!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Block start &apos;{&apos; of material definition missing!</source>
        <translation>[MaterialLayer::readOld]  Brak początku bloku „{” definicji materiału!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Invalid keyword!</source>
        <translation>[MaterialLayer::readOld]  Nieprawidłowe słowo kluczowe!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Block end &apos;}&apos; missing!</source>
        <translation>[MaterialLayer::readOld]  Brak końca bloku „}”!</translation>
    </message>
    <message>
        <source>[MaterialLayer::readOld]  Error reading layer data!
</source>
        <translation>[MaterialLayer::readOld]  Błąd odczytu danych warstwy!
</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading material name!</source>
        <translation>[Material::readOld]  Błąd odczytu nazwy materiału!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;rho&apos;!</source>
        <translation>[Material::readOld]  Błąd odczytu parametru „rho”!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;Lambda&apos;!</source>
        <translation>[Material::readOld]  Błąd odczytu parametru „Lambda”!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;Mew&apos;!</source>
        <translation>[Material::readOld]  Błąd odczytu parametru „Mew”!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;W_hyg&apos;!</source>
        <translation>[Material::readOld]  Błąd odczytu parametru „W_hyg”!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;W_h80&apos;!</source>
        <translation>[Material::readOld]  Błąd odczytu parametru „W_h80”!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;W_sat&apos;!</source>
        <translation>[Material::readOld]  Błąd odczytu parametru „W_sat”!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading parameter &apos;A_w&apos;!</source>
        <translation>[Material::readOld]  Błąd odczytu parametru „A_w”!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Invalid keyword &apos;%1&apos;</source>
        <translation>[Material::readOld]  Nieprawidłowe słowo kluczowe „%1”</translation>
    </message>
    <message>
        <source>[Material::readOld]  Block end &apos;}&apos; missing!</source>
        <translation>[Material::readOld]  Brak końca bloku „}”!</translation>
    </message>
    <message>
        <source>[Material::readOld]  Error reading material data!
</source>
        <translation>[Material::readOld]  Błąd odczytu danych materiału!
</translation>
    </message>
</context>
<context>
    <name>LegacyKeywordText</name>
    <message>
        <source>The value of &apos;%1&apos; is not a finite number.</source>
        <translation>Wartość „%1” nie jest liczbą skończoną.</translation>
    </message>
</context>
<context>
    <name>M2_ResultsWidget</name>
    <message>
        <source>Unknown result!</source>
        <translation>Nieznany wynik!</translation>
    </message>
    <message>
        <source>Invalid input!</source>
        <translation>Nieprawidłowe dane wejściowe!</translation>
    </message>
    <message>
        <source>Construction thickness</source>
        <translation>Grubość przegrody</translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the construction (dry)</source>
        <translation>Opór cieplny przegrody (w stanie suchym)</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the construction</source>
        <translation>Współczynnik przenikania ciepła przegrody</translation>
    </message>
    <message>
        <source>U-value (ISO 6946)</source>
        <translation>Współczynnik U (ISO 6946)</translation>
    </message>
    <message>
        <source>U-value (moisture dependend)</source>
        <translation>Współczynnik U (zależny od wilgotności)</translation>
    </message>
    <message>
        <source>Condensation mass after condensation period</source>
        <translation>Masa kondensatu po okresie kondensacji</translation>
    </message>
    <message>
        <source>Drying time</source>
        <translation>Czas wysychania</translation>
    </message>
    <message>
        <source>layer %1 (%2)</source>
        <translation>warstwa %1 (%2)</translation>
    </message>
    <message>
        <source>Condensation plane between %1 and %2</source>
        <translation>Płaszczyzna kondensacji między %1 a %2</translation>
    </message>
    <message>
        <source>Condensation zone in %1</source>
        <translation>Strefa kondensacji w %1</translation>
    </message>
    <message>
        <source>Condensation zone from %1 to %2</source>
        <translation>Strefa kondensacji od %1 do %2</translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the field section (dry)</source>
        <translation>Opór cieplny w polu między elementami (suchy)</translation>
    </message>
    <message>
        <source>U-value (ISO 6946, inhomogeneous layers)</source>
        <translation>Współczynnik U (ISO 6946, warstwy niejednorodne)</translation>
    </message>
    <message>
        <source>Upper limit R&apos;&lt;sub&gt;T&lt;/sub&gt;</source>
        <translation>Górna granica R&apos;&lt;sub&gt;T&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Lower limit R&apos;&apos;&lt;sub&gt;T&lt;/sub&gt;</source>
        <translation>Dolna granica R&apos;&apos;&lt;sub&gt;T&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Relative error e</source>
        <translation>Błąd względny e</translation>
    </message>
    <message>
        <source>U-value of the field section (ISO 6946)</source>
        <translation>Współczynnik U w polu między elementami (ISO 6946)</translation>
    </message>
    <message>
        <source>U-value of the field section (moisture dependent)</source>
        <translation>Współczynnik U w polu między elementami (zależny od wilgotności)</translation>
    </message>
    <message>
        <source>Moisture storage method</source>
        <translation>Metoda akumulacji wilgoci</translation>
    </message>
    <message>
        <source>Glaser scheme (DIN 4108-3)</source>
        <translation>Metoda Glasera (DIN 4108-3)</translation>
    </message>
    <message>
        <source>Evaporable mass in the drying period</source>
        <translation>Masa możliwa do odparowania w okresie wysychania</translation>
    </message>
    <message>
        <source>fulfilled</source>
        <translation>spełnione</translation>
    </message>
    <message>
        <source>not fulfilled</source>
        <translation>niespełnione</translation>
    </message>
    <message>
        <source>not evaluated</source>
        <translation>nie oceniono</translation>
    </message>
    <message>
        <source>Condensate mass (layer without capillary suction)</source>
        <translation>Masa kondensatu (warstwa bez podciągania kapilarnego)</translation>
    </message>
    <message>
        <source>Condensate mass</source>
        <translation>Masa kondensatu</translation>
    </message>
    <message>
        <source>Condensate in timber (%1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5 %)</source>
        <translation>Kondensat w drewnie (%1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 5 %)</translation>
    </message>
    <message>
        <source>Condensate in wood-based material (%1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3 %)</source>
        <translation>Kondensat w materiale drewnopochodnym (%1u&lt;sub&gt;m&lt;/sub&gt; &amp;lt; 3 %)</translation>
    </message>
    <message>
        <source>no drying</source>
        <translation>brak wysychania</translation>
    </message>
    <message>
        <source>Drying reserve %1 g/(m&lt;sup&gt;2&lt;/sup&gt;a) (DIN 68800-2)</source>
        <translation>Rezerwa wysychania %1 g/(m&lt;sup&gt;2&lt;/sup&gt;a) (DIN 68800-2)</translation>
    </message>
    <message>
        <source>no condensate</source>
        <translation>brak kondensatu</translation>
    </message>
    <message>
        <source>Minimum thermal protection (%1)</source>
        <translation>Minimalna izolacyjność cieplna (%1)</translation>
    </message>
    <message>
        <source>Thermal resistance R</source>
        <translation>Opór cieplny R</translation>
    </message>
    <message>
        <source>Temperature factor f&lt;sub&gt;Rsi&lt;/sub&gt;</source>
        <translation>Czynnik temperaturowy f&lt;sub&gt;Rsi&lt;/sub&gt;</translation>
    </message>
</context>
<context>
    <name>M2_UndoAddConstructionLeft</name>
    <message>
        <source>Addition of a construction left of no. %L1</source>
        <translation>dodanie przegrody na lewo od nr %L1</translation>
    </message>
</context>
<context>
    <name>M2_UndoAddConstructionRight</name>
    <message>
        <source>Addition of a construction right of no. %L1</source>
        <translation>dodanie przegrody na prawo od nr %L1</translation>
    </message>
</context>
<context>
    <name>M2_UndoAddLayerLeft</name>
    <message>
        <source>Addition of a layer left of no. %L1</source>
        <translation>dodanie warstwy na lewo od nr %L1</translation>
    </message>
</context>
<context>
    <name>M2_UndoAddLayerRight</name>
    <message>
        <source>Addition of a layer right of no. %L1</source>
        <translation>dodanie warstwy na prawo od nr %L1</translation>
    </message>
</context>
<context>
    <name>M2_UndoAssessmentType</name>
    <message>
        <source>Change of condensation time</source>
        <translation>zmianę czasu trwania okresu kondensacji</translation>
    </message>
    <message>
        <source>Change of evaporation time</source>
        <translation>zmianę czasu trwania okresu wysychania</translation>
    </message>
    <message>
        <source>Change of assessment type</source>
        <translation>zmianę rodzaju oceny</translation>
    </message>
</context>
<context>
    <name>M2_UndoChangeMaterial</name>
    <message>
        <source>Change of material of layer no. %L1</source>
        <translation>zmianę materiału warstwy nr %L1</translation>
    </message>
    <message>
        <source>Change of material of layer no. %L1 to one given by its sd-value, which removes its second material</source>
        <translation>zmianę materiału warstwy nr %L1 na materiał o wartości sd, co usuwa jej drugi materiał</translation>
    </message>
</context>
<context>
    <name>M2_UndoChangeProjectInfo</name>
    <message>
        <source>Change of project information</source>
        <translation>zmianę informacji o projekcie</translation>
    </message>
</context>
<context>
    <name>M2_UndoClimate</name>
    <message>
        <source>warm side</source>
        <translation>strona ciepła</translation>
    </message>
    <message>
        <source>cold side</source>
        <translation>strona zimna</translation>
    </message>
    <message>
        <source>Change of temperature (condensation period) at %1</source>
        <translation>zmianę temperatury (okres kondensacji) – %1</translation>
    </message>
    <message>
        <source>Change of temperature (evaporation period) at %1</source>
        <translation>zmianę temperatury (okres wysychania) – %1</translation>
    </message>
    <message>
        <source>Change of relative humidity (condensation period) at %1</source>
        <translation>zmianę wilgotności względnej (okres kondensacji) – %1</translation>
    </message>
    <message>
        <source>Change of relative humidity (evaporation period) at %1</source>
        <translation>zmianę wilgotności względnej (okres wysychania) – %1</translation>
    </message>
    <message>
        <source>Change of surface resistance at %1</source>
        <translation>zmianę oporu przejmowania ciepła – %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoClimateAll</name>
    <message>
        <source>Change of climate data set at %1</source>
        <translation>zmianę zestawu danych klimatycznych – %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoConstructionKind</name>
    <message>
        <source>heat flow downwards</source>
        <translation>strumień ciepła w dół</translation>
    </message>
    <message>
        <source>heat flow upwards</source>
        <translation>strumień ciepła w górę</translation>
    </message>
    <message>
        <source>heat flow horizontal</source>
        <translation>strumień ciepła poziomy</translation>
    </message>
    <message>
        <source>inside climate “%1”</source>
        <translation>klimat wewnętrzny „%1”</translation>
    </message>
    <message>
        <source>outside climate “%1”</source>
        <translation>klimat zewnętrzny „%1”</translation>
    </message>
    <message>
        <source>evaporation period %1 Pa in the condensation plane, %2 Pa on both sides</source>
        <translation>okres wysychania: %1 Pa w płaszczyźnie kondensacji, %2 Pa po obu stronach</translation>
    </message>
    <message>
        <source>assessment “%1”</source>
        <translation>ocena „%1”</translation>
    </message>
    <message>
        <source>minimum thermal resistance after %1 row %2</source>
        <translation>minimalny opór cieplny wg %1, wiersz %2</translation>
    </message>
    <message>
        <source>Construction kind “%1”: no default changed.</source>
        <translation>Rodzaj przegrody „%1”: nie zmieniono żadnej wartości domyślnej.</translation>
    </message>
    <message>
        <source>Construction kind “%1”: %2.</source>
        <translation>Rodzaj przegrody „%1”: %2.</translation>
    </message>
    <message>
        <source>Change of construction kind to %1</source>
        <translation>zmianę rodzaju przegrody na %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoHeatFlowDirection</name>
    <message>
        <source>Change of heat flow direction to upwards</source>
        <translation>zmianę kierunku strumienia ciepła (w górę)</translation>
    </message>
    <message>
        <source>Change of heat flow direction to horizontal</source>
        <translation>zmianę kierunku strumienia ciepła (poziomo)</translation>
    </message>
    <message>
        <source>Change of heat flow direction to downwards</source>
        <translation>zmianę kierunku strumienia ciepła (w dół)</translation>
    </message>
</context>
<context>
    <name>M2_UndoLayerBridge</name>
    <message>
        <source>Removal of second material of layer no. %1</source>
        <translation>usunięcie drugiego materiału w warstwie nr %1</translation>
    </message>
    <message>
        <source>Change of second material of layer no. %1</source>
        <translation>zmianę drugiego materiału w warstwie nr %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoLayerColor</name>
    <message>
        <source>Change of colour of layer no. %1</source>
        <translation>zmianę koloru warstwy nr %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoMaterialName</name>
    <message>
        <source>Change of material name of layer no. %1</source>
        <translation>zmianę nazwy materiału warstwy nr %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoMaterialParameters</name>
    <message>
        <source>Change of %L1 of layer no. %2</source>
        <translation>zmianę %L1 warstwy nr %2</translation>
    </message>
    <message>
        <source>Change of w_80 of layer no. %1</source>
        <translation>zmianę w_80 warstwy nr %1</translation>
    </message>
    <message>
        <source>Change of w_sat of layer no. %1</source>
        <translation>zmianę w_sat warstwy nr %1</translation>
    </message>
    <message>
        <source>Change of thermal conductivity of layer no. %1</source>
        <translation>zmianę współczynnika przewodzenia ciepła warstwy nr %1</translation>
    </message>
    <message>
        <source>Change of water absorption coefficient of layer no. %1</source>
        <translation>zmianę współczynnika absorpcji wody warstwy nr %1</translation>
    </message>
    <message>
        <source>Change of summer sd-value of layer no. %1</source>
        <translation>zmianę wartości sd (okres wysychania) warstwy nr %1</translation>
    </message>
    <message>
        <source>Change of width of layer no. %1</source>
        <translation>zmianę grubości warstwy nr %1</translation>
    </message>
</context>
<context>
    <name>M2_UndoMinimumResistanceType</name>
    <message>
        <source>Change of the row of the minimum thermal resistance</source>
        <translation>zmianę wiersza minimalnego oporu cieplnego</translation>
    </message>
</context>
<context>
    <name>M2_UndoMoveLayerLeft</name>
    <message>
        <source>Move of layer no. %L1 to the left</source>
        <translation>przesunięcie warstwy nr %L1 w lewo</translation>
    </message>
</context>
<context>
    <name>M2_UndoMoveLayerRight</name>
    <message>
        <source>Move of layer no. %L1 to the right</source>
        <translation>przesunięcie warstwy nr %L1 w prawo</translation>
    </message>
</context>
<context>
    <name>M2_UndoRemoveLayer</name>
    <message>
        <source>Removal of layer no. %L1</source>
        <translation>usunięcie warstwy nr %L1</translation>
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
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Application Language</source>
        <translation>Język programu</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Główny pasek narzędzi</translation>
    </message>
    <message>
        <source>Diagram toolbar</source>
        <translation>Pasek narzędzi wykresu</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>New project...</source>
        <translation>Nowy projekt…</translation>
    </message>
    <message>
        <source>Creates a new project.</source>
        <translation>Tworzy nowy projekt.</translation>
    </message>
    <message>
        <source>Open project...</source>
        <translation>Otwórz projekt…</translation>
    </message>
    <message>
        <source>Opens a project.</source>
        <translation>Otwiera projekt.</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Zapisz projekt</translation>
    </message>
    <message>
        <source>Saves the current project.</source>
        <translation>Zapisuje bieżący projekt.</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save project as...</source>
        <translation>Zapisz projekt jako…</translation>
    </message>
    <message>
        <source>Saves the current project under a new name.</source>
        <translation>Zapisuje bieżący projekt pod nową nazwą.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Closes the program.</source>
        <translation>Zamyka program.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj…</translation>
    </message>
    <message>
        <source>Prints the report.</source>
        <translation>Drukuje raport.</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Pomoc…</translation>
    </message>
    <message>
        <source>Opens the program help.</source>
        <translation>Otwiera pomoc programu.</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About Mirelo 2 ...</source>
        <translation>O programie Mirelo 2…</translation>
    </message>
    <message>
        <source>Opens the About dialog.</source>
        <translation>Otwiera okno z informacjami o programie.</translation>
    </message>
    <message>
        <source>About Qt...</source>
        <translation>O Qt…</translation>
    </message>
    <message>
        <source>Opens the Qt About dialog.</source>
        <translation>Otwiera okno z informacjami o Qt.</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Ustawienia…</translation>
    </message>
    <message>
        <source>Opens the configuration dialog.</source>
        <translation>Otwiera okno ustawień.</translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation>Ostatnie projekty</translation>
    </message>
    <message>
        <source>Shows list of recently used projects.</source>
        <translation>Wyświetla listę ostatnio używanych projektów.</translation>
    </message>
    <message>
        <source>Show moisture content profile</source>
        <translation>Pokaż rozkład zawartości wilgoci</translation>
    </message>
    <message>
        <source>Show moisture content</source>
        <translation>Pokaż zawartość wilgoci</translation>
    </message>
    <message>
        <source>Toggles display of vapor pressure profile or moisture content profile</source>
        <translation>Przełącza wyświetlanie rozkładu ciśnienia pary wodnej lub rozkładu zawartości wilgoci</translation>
    </message>
    <message>
        <source>Use hatching</source>
        <translation>Użyj kreskowania</translation>
    </message>
    <message>
        <source>Toggles display of hatched material layers.</source>
        <translation>Przełącza wyświetlanie kreskowania warstw materiałów.</translation>
    </message>
    <message>
        <source>Qt User Interface Configuration...</source>
        <translation>Konfiguracja interfejsu użytkownika Qt…</translation>
    </message>
    <message>
        <source>Opens the Qt User Interface Configuration tool</source>
        <translation>Otwiera narzędzie konfiguracji interfejsu użytkownika Qt</translation>
    </message>
    <message>
        <source>Select Material...</source>
        <translation>Wybierz materiał…</translation>
    </message>
    <message>
        <source>= Mat</source>
        <translation>= Mat</translation>
    </message>
    <message>
        <source>Opens the material database dialog to select a material for this layer.</source>
        <translation>Otwiera okno bazy materiałów, aby wybrać materiał dla tej warstwy.</translation>
    </message>
    <message>
        <source>Edit Material Database...</source>
        <translation>Edytuj bazę materiałów…</translation>
    </message>
    <message>
        <source>Open the Database Dialog for viewing and editing material or construction data</source>
        <translation>Otwiera okno bazy danych do przeglądania i edycji danych materiałów lub przegród</translation>
    </message>
    <message>
        <source>Add layer to the left</source>
        <translation>Dodaj warstwę po lewej</translation>
    </message>
    <message>
        <source>+ Left</source>
        <translation>+ Lewo</translation>
    </message>
    <message>
        <source>Adds a new layer or construction to the left of the currently selected layer.</source>
        <translation>Dodaje nową warstwę lub przegrodę na lewo od zaznaczonej warstwy.</translation>
    </message>
    <message>
        <source>Add layer to the right</source>
        <translation>Dodaj warstwę po prawej</translation>
    </message>
    <message>
        <source>+ Right</source>
        <translation>+ Prawo</translation>
    </message>
    <message>
        <source>Adds a new layer or construction to the right of the currently selected layer.</source>
        <translation>Dodaje nową warstwę lub przegrodę na prawo od zaznaczonej warstwy.</translation>
    </message>
    <message>
        <source>Remove current layer</source>
        <translation>Usuń bieżącą warstwę</translation>
    </message>
    <message>
        <source>- Layer</source>
        <translation>- Warstwa</translation>
    </message>
    <message>
        <source>Removes the currently selected layer.</source>
        <translation>Usuwa zaznaczoną warstwę.</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Przesuń w lewo</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;</source>
        <translation>&lt;&lt;&lt;</translation>
    </message>
    <message>
        <source>Moves current layer to the left.</source>
        <translation>Przesuwa bieżącą warstwę w lewo.</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Przesuń w prawo</translation>
    </message>
    <message>
        <source>&gt;&gt;&gt;</source>
        <translation>&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Moves current layer to the right.</source>
        <translation>Przesuwa bieżącą warstwę w prawo.</translation>
    </message>
    <message>
        <source>Report setup / Print preview ...</source>
        <translation>Ustawienia raportu / Podgląd wydruku…</translation>
    </message>
    <message>
        <source>Opens the print preview and setup dialog.</source>
        <translation>Otwiera podgląd wydruku i ustawienia raportu.</translation>
    </message>
    <message>
        <source>Edit project information...</source>
        <translation>Edytuj informacje o projekcie…</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Szkic</translation>
    </message>
    <message>
        <source>Copy sketch image</source>
        <translation>Kopiuj obraz szkicu</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>Copy chart image</source>
        <translation>Kopiuj obraz wykresu</translation>
    </message>
    <message>
        <source>Export sketch image to file</source>
        <translation>Eksportuj obraz szkicu do pliku</translation>
    </message>
    <message>
        <source>Export chart image to file</source>
        <translation>Eksportuj obraz wykresu do pliku</translation>
    </message>
    <message>
        <source>Add to Construction Database...</source>
        <translation>Dodaj do bazy przegród…</translation>
    </message>
    <message>
        <source>Adds the current construction to the construction database.</source>
        <translation>Dodaje bieżącą przegrodę do bazy przegród.</translation>
    </message>
    <message>
        <source>Heat flow up</source>
        <translation>Strumień ciepła w górę</translation>
    </message>
    <message>
        <source>Horizontal construction with heat flow upwards.</source>
        <translation>Przegroda pozioma ze strumieniem ciepła skierowanym w górę.</translation>
    </message>
    <message>
        <source>horizontal heat flow</source>
        <translation>poziomy strumień ciepła</translation>
    </message>
    <message>
        <source>Vertical construction with horizontal heat flow.</source>
        <translation>Przegroda pionowa z poziomym strumieniem ciepła.</translation>
    </message>
    <message>
        <source>Heat flow down</source>
        <translation>Strumień ciepła w dół</translation>
    </message>
    <message>
        <source>Horizontal construction with heat flow downwards.</source>
        <translation>Przegroda pozioma ze strumieniem ciepła skierowanym w dół.</translation>
    </message>
    <message>
        <source>Help heat flow directions</source>
        <translation>Pomoc: kierunki przepływu ciepła</translation>
    </message>
    <message>
        <source>Add Material to User Database</source>
        <translation>Dodaj materiał do bazy użytkownika</translation>
    </message>
    <message>
        <source>Show Logfile</source>
        <translation>Pokaż plik dziennika</translation>
    </message>
    <message>
        <source>Show the logfile of MIRELO2.</source>
        <translation>Wyświetla plik dziennika programu MIRELO2.</translation>
    </message>
    <message>
        <source>About %1 ...</source>
        <translation>O programie %1…</translation>
    </message>
    <message>
        <source>Show/hide main toolbar</source>
        <translation>Pokaż/ukryj główny pasek narzędzi</translation>
    </message>
    <message>
        <source>Shows/hides the main toolbar</source>
        <translation>Pokazuje/ukrywa główny pasek narzędzi</translation>
    </message>
    <message>
        <source>Show/hide diagram toolbar</source>
        <translation>Pokaż/ukryj pasek narzędzi wykresu</translation>
    </message>
    <message>
        <source>Shows/hides the diagram toolbar</source>
        <translation>Pokazuje/ukrywa pasek narzędzi wykresu</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>A software for hygrothermal evaluation of building envelope systems</source>
        <translation>Program do oceny cieplno-wilgotnościowej przegród zewnętrznych budynków</translation>
    </message>
    <message>
        <source>Save project before closing</source>
        <translation>Zapisz projekt przed zamknięciem</translation>
    </message>
    <message>
        <source>Would you like to save the project before closing it?</source>
        <translation>Czy zapisać projekt przed jego zamknięciem?</translation>
    </message>
    <message>
        <source>Project file changed while reading</source>
        <translation>Plik projektu zmienił się podczas odczytu</translation>
    </message>
    <message>
        <source>Error loading project file</source>
        <translation>Błąd wczytywania pliku projektu</translation>
    </message>
    <message>
        <source>%1 Projects (*.%2)</source>
        <translation>Projekty %1 (*.%2)</translation>
    </message>
    <message>
        <source>;;%1 Projects (*.%2);;All files (*.*)</source>
        <translation>;;Projekty %1 (*.%2);;Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Select %1 project file</source>
        <translation>Wybierz plik projektu %1</translation>
    </message>
    <message>
        <source>Error #4: File not found</source>
        <translation>Błąd nr 4: nie znaleziono pliku</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be found or does not exist.</source>
        <translation>Nie można znaleźć pliku „%1” lub plik nie istnieje.</translation>
    </message>
    <message>
        <source>Error #5: File not found</source>
        <translation>Błąd nr 5: nie znaleziono pliku</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be found or does not exist.
%2</source>
        <translation>Nie można znaleźć pliku „%1” lub plik nie istnieje.
%2</translation>
    </message>
    <message>
        <source>Remove this file from list?</source>
        <translation>Usunąć ten plik z listy?</translation>
    </message>
    <message>
        <source>Error #3: Saving failed</source>
        <translation>Błąd nr 3: zapis nie powiódł się</translation>
    </message>
    <message>
        <source>Error while saving project file!</source>
        <translation>Błąd podczas zapisywania pliku projektu!</translation>
    </message>
    <message>
        <source>Specify %1 project file</source>
        <translation>Podaj plik projektu %1</translation>
    </message>
    <message>
        <source>%2 project (*.%1)</source>
        <translation>Projekt %2 (*.%1)</translation>
    </message>
    <message>
        <source>Jpg image (*.jpg)</source>
        <translation>Obraz JPG (*.jpg)</translation>
    </message>
    <message>
        <source>Svg file (*.svg)</source>
        <translation>Plik SVG (*.svg)</translation>
    </message>
    <message>
        <source>Pdf file (*.pdf)</source>
        <translation>Plik PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Png file (*.png)</source>
        <translation>Plik PNG (*.png)</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Eksport nie powiódł się</translation>
    </message>
    <message>
        <source>The picture could not be written to &apos;%1&apos;:
%2</source>
        <translation>Nie udało się zapisać obrazu do „%1”:
%2</translation>
    </message>
    <message>
        <source>Could not launch external program</source>
        <translation>Nie można uruchomić programu zewnętrznego</translation>
    </message>
    <message>
        <source>Couldn&apos;t start the &lt;b&gt;qtconfig&lt;/b&gt; application. Make sure it is in your application search path!</source>
        <translation>Nie można uruchomić aplikacji &lt;b&gt;qtconfig&lt;/b&gt;. Upewnij się, że znajduje się ona w ścieżce wyszukiwania programów!</translation>
    </message>
    <message>
        <source>Languange changed</source>
        <translation>Zmieniono język</translation>
    </message>
    <message>
        <source>Please restart the software to activate the new language!</source>
        <translation>Uruchom program ponownie, aby włączyć nowy język!</translation>
    </message>
    <message>
        <source>The change of the user database was not saved.</source>
        <translation>Zmiana bazy danych użytkownika nie została zapisana.</translation>
    </message>
    <message>
        <source>Vapour pressure over s_d (Glaser diagram)</source>
        <translation>Ciśnienie pary w funkcji s_d (wykres Glasera)</translation>
    </message>
    <message>
        <source>Glaser (s_d)</source>
        <translation>Glaser (s_d)</translation>
    </message>
    <message>
        <source>Draws the vapour pressure profile over the diffusion-equivalent air layer thickness s_d (Glaser diagram) instead of over the layer widths</source>
        <translation>Rysuje przebieg ciśnienia pary w funkcji równoważnej dyfuzyjnie grubości warstwy powietrza s_d (wykres Glasera) zamiast w funkcji grubości warstw</translation>
    </message>
    <message>
        <source>Layer %1 is now given by its sd-value and cannot carry a second material: &quot;%2&quot; was removed. Undo brings it back.</source>
        <translation>Warstwa %1 jest teraz określona wartością sd i nie może mieć drugiego materiału: usunięto „%2”. Cofnij przywraca go.</translation>
    </message>
</context>
<context>
    <name>Material</name>
    <message>
        <source>Invalid encoding &apos;%1&apos; of material color of layer %2 (line %3).</source>
        <translation>Nieprawidłowy zapis „%1” koloru materiału warstwy %2 (wiersz %3).</translation>
    </message>
    <message>
        <source>Invalid encoding &apos;%1&apos; of material color (line %2).</source>
        <translation>Nieprawidłowy zapis „%1” koloru materiału (wiersz %2).</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>bulk density</source>
        <translation>gęstość objętościowa</translation>
    </message>
    <message>
        <source>thermal conductivity</source>
        <translation>współczynnik przewodzenia ciepła</translation>
    </message>
    <message>
        <source>vapour diffusion resistance factor</source>
        <translation>współczynnik oporu dyfuzyjnego</translation>
    </message>
    <message>
        <source>lower vapour diffusion resistance factor</source>
        <translation>dolna wartość współczynnika oporu dyfuzyjnego</translation>
    </message>
    <message>
        <source>upper vapour diffusion resistance factor</source>
        <translation>górna wartość współczynnika oporu dyfuzyjnego</translation>
    </message>
    <message>
        <source>moisture content at 80 %RH</source>
        <translation>zawilgocenie przy 80 % wilgotności względnej</translation>
    </message>
    <message>
        <source>saturation moisture content</source>
        <translation>zawilgocenie w stanie nasycenia</translation>
    </message>
    <message>
        <source>water absorption coefficient</source>
        <translation>współczynnik absorpcji wody</translation>
    </message>
    <message>
        <source>sd-value</source>
        <translation>wartość sd</translation>
    </message>
    <message>
        <source>%1 %2%3, must be a finite number from %4 to %5%3.</source>
        <translation>%1 %2%3, musi być liczbą skończoną od %4 do %5%3.</translation>
    </message>
    <message>
        <source>width</source>
        <translation>grubość</translation>
    </message>
    <message>
        <source>Area fraction %1, must lie above 0 and below 1 (0 % … 100 %).</source>
        <translation>Udział powierzchniowy %1, musi być większy od 0 i mniejszy od 1 (0 % … 100 %).</translation>
    </message>
    <message>
        <source>Width %1 m at spacing %2 m: both must be finite numbers from %3 to %4 m.</source>
        <translation>Szerokość %1 m przy rozstawie %2 m: obie wartości muszą być liczbami skończonymi od %3 do %4 m.</translation>
    </message>
    <message>
        <source>Width %1 m at spacing %2 m: the width must be smaller than the spacing.</source>
        <translation>Szerokość %1 m przy rozstawie %2 m: szerokość musi być mniejsza od rozstawu.</translation>
    </message>
    <message>
        <source>sd-value in the evaporation period</source>
        <translation>wartość sd w okresie wysychania</translation>
    </message>
    <message>
        <source>An sd-value for the evaporation period needs the sd-value of the condensation period: only a material given by its sd-value (a foil, a membrane, a coating) can have one.</source>
        <translation>Wartość sd dla okresu wysychania wymaga wartości sd okresu kondensacji: może ją mieć tylko materiał opisany wartością sd (folia, membrana, powłoka).</translation>
    </message>
</context>
<context>
    <name>MaterialCategory</name>
    <message>
        <source>Coating</source>
        <comment>MaterialCategory</comment>
        <translation>Powłoki</translation>
    </message>
    <message>
        <source>Plaster and mortar</source>
        <comment>MaterialCategory</comment>
        <translation>Tynki i zaprawy</translation>
    </message>
    <message>
        <source>Building brick</source>
        <comment>MaterialCategory</comment>
        <translation>Elementy murowe</translation>
    </message>
    <message>
        <source>Natural stones</source>
        <comment>MaterialCategory</comment>
        <translation>Kamienie naturalne</translation>
    </message>
    <message>
        <source>Concrete containing building materials</source>
        <comment>MaterialCategory</comment>
        <translation>Beton i wyroby betonowe</translation>
    </message>
    <message>
        <source>Insulation materials</source>
        <comment>MaterialCategory</comment>
        <translation>Materiały izolacyjne</translation>
    </message>
    <message>
        <source>Building boards</source>
        <comment>MaterialCategory</comment>
        <translation>Płyty budowlane</translation>
    </message>
    <message>
        <source>Timber</source>
        <comment>MaterialCategory</comment>
        <translation>Drewno</translation>
    </message>
    <message>
        <source>Natural materials</source>
        <comment>MaterialCategory</comment>
        <translation>Materiały naturalne</translation>
    </message>
    <message>
        <source>Soil</source>
        <comment>MaterialCategory</comment>
        <translation>Grunt</translation>
    </message>
    <message>
        <source>Cladding panels and ceramic tiles</source>
        <comment>MaterialCategory</comment>
        <translation>Płyty okładzinowe i płytki ceramiczne</translation>
    </message>
    <message>
        <source>Foils and waterproofing products</source>
        <comment>MaterialCategory</comment>
        <translation>Folie i wyroby hydroizolacyjne</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <comment>MaterialCategory</comment>
        <translation>Różne</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>MaterialCategory</comment>
        <translation>Nieznana</translation>
    </message>
</context>
<context>
    <name>MaterialConstructionTabWidget</name>
    <message>
        <source>Materials</source>
        <translation>Materiały</translation>
    </message>
    <message>
        <source>Constructions</source>
        <translation>Przegrody</translation>
    </message>
</context>
<context>
    <name>MaterialDatabaseDialog</name>
    <message>
        <source>Material/Construction Database</source>
        <translation>Baza materiałów i przegród</translation>
    </message>
    <message>
        <source>Information about material properties</source>
        <translation>Informacje o właściwościach materiałów</translation>
    </message>
    <message>
        <source>Material properties</source>
        <translation>Właściwości materiałów</translation>
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
        <translation>%1: gęstość objętościowa w kg/m%2
%3: współczynnik przewodzenia ciepła w W/(m K)
%4: współczynnik oporu dyfuzyjnego (-)
sd: dyfuzyjnie równoważna grubość warstwy powietrza w m (folie, membrany, powłoki)
w_80: zawartość wilgoci przy wilgotności względnej 80% w m%2/m%2
w_sat: zawartość wilgoci w stanie swobodnego nasycenia w m%2/m%2
A_w: współczynnik absorpcji wody w kg/(m%5 s%6)

Materiały zapisane kursywą są materiałami własnymi; tylko je można edytować lub usuwać. Aby zmienić wartości materiału dostarczonego z programem, skopiuj go.</translation>
    </message>
</context>
<context>
    <name>MaterialDatabaseSelectionWidget</name>
    <message>
        <source>Shows only the materials of one category.</source>
        <translation>Wyświetla tylko materiały jednej kategorii.</translation>
    </message>
    <message>
        <source>Name contains ...</source>
        <translation>Nazwa zawiera…</translation>
    </message>
    <message>
        <source>Producer contains ...</source>
        <translation>Producent zawiera…</translation>
    </message>
    <message>
        <source>Data source contains ...</source>
        <translation>Źródło danych zawiera…</translation>
    </message>
    <message>
        <source>Notes contain ...</source>
        <translation>Uwagi zawierają…</translation>
    </message>
    <message>
        <source>Select a material to see its data source and notes.</source>
        <translation>Zaznacz materiał, aby zobaczyć jego źródło danych i uwagi.</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategoria:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Producer:</source>
        <translation>Producent:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Źródło:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Komentarz:</translation>
    </message>
    <message>
        <source>All categories</source>
        <translation>Wszystkie kategorie</translation>
    </message>
    <message>
        <source>%1 of %2 materials shown</source>
        <translation>Wyświetlono %1 z %2 materiałów</translation>
    </message>
    <message>
        <source>from</source>
        <translation>od</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Finds the name in English, German and Polish.</source>
        <translation>Wyszukuje nazwę po angielsku, niemiecku i polsku.</translation>
    </message>
    <message>
        <source>Shows only the materials whose thermal conductivity lies in this range, for example from 0.030 to 0.040 W/mK.</source>
        <translation>Pokazuje tylko materiały o współczynniku przewodzenia ciepła w tym zakresie, na przykład od 0,030 do 0,040 W/mK.</translation>
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
        <translation>Dodaj materiał</translation>
    </message>
    <message>
        <source>Add a new user defined material</source>
        <translation>Dodaje nowy materiał użytkownika</translation>
    </message>
    <message>
        <source>Remove material</source>
        <translation>Usuń materiał</translation>
    </message>
    <message>
        <source>Removes user defined material</source>
        <translation>Usuwa materiał użytkownika</translation>
    </message>
    <message>
        <source>Edit material</source>
        <translation>Edytuj materiał</translation>
    </message>
    <message>
        <source>Edit user defined material</source>
        <translation>Edytuje materiał użytkownika</translation>
    </message>
    <message>
        <source>Copy material</source>
        <translation>Kopiuj materiał</translation>
    </message>
    <message>
        <source>Copies the selected material into a new user defined material</source>
        <translation>Kopiuje zaznaczony materiał do nowego materiału użytkownika</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importuj…</translation>
    </message>
    <message>
        <source>Import external user database (version 1 and 2)</source>
        <translation>Importuj zewnętrzną bazę użytkownika (wersja 1 i 2)</translation>
    </message>
    <message>
        <source>New material</source>
        <translation>Nowy materiał</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (kopia)</translation>
    </message>
    <message>
        <source>Do you really want to remove the material &apos;%1&apos; from the user database?</source>
        <translation>Czy na pewno usunąć materiał „%1” z bazy użytkownika?</translation>
    </message>
    <message>
        <source>Select file with user material database.</source>
        <translation>Wybierz plik z bazą materiałów użytkownika.</translation>
    </message>
    <message>
        <source>Database for Mirelo 1.9 (*.txt)</source>
        <translation>Baza danych dla Mirelo 1.9 (*.txt)</translation>
    </message>
    <message>
        <source>Database for Mirelo 2.0 (*.mmat)</source>
        <translation>Baza danych dla Mirelo 2.0 (*.mmat)</translation>
    </message>
    <message>
        <source>Material read error.</source>
        <translation>Błąd odczytu materiału.</translation>
    </message>
    <message>
        <source>No valid material file &apos;%1&apos;
 Extension sould be &apos;txt&apos; or &apos;mmat&apos;</source>
        <translation>Nieprawidłowy plik materiałów „%1”
 Rozszerzenie powinno mieć postać „txt” lub „mmat”</translation>
    </message>
    <message>
        <source>No materials found in file &apos;%1&apos;</source>
        <translation>Nie znaleziono materiałów w pliku „%1”</translation>
    </message>
    <message>
        <source>Materials added.</source>
        <translation>Dodano materiały.</translation>
    </message>
    <message>
        <source>%1 materials found in file &apos;%2&apos;</source>
        <translation>Liczba materiałów znalezionych w pliku „%2”: %1</translation>
    </message>
</context>
<context>
    <name>MaterialEditDialog</name>
    <message>
        <source>Edit material</source>
        <translation>Edytuj materiał</translation>
    </message>
    <message>
        <source>Select Material Color</source>
        <translation>Wybierz kolor materiału</translation>
    </message>
    <message>
        <source>The bulk density must be &gt; 0.</source>
        <translation>Gęstość objętościowa musi wynosić &gt; 0.</translation>
    </message>
    <message>
        <source>The thermal conductivity must be &gt; 0.</source>
        <translation>Współczynnik przewodzenia ciepła musi wynosić &gt; 0.</translation>
    </message>
    <message>
        <source>The vapor resistance factor must be &gt; 0.</source>
        <translation>Współczynnik oporu dyfuzyjnego musi wynosić &gt; 0.</translation>
    </message>
    <message>
        <source>The vapor resistance factor must be &gt;= 0.</source>
        <translation>Współczynnik oporu dyfuzyjnego musi wynosić &gt;= 0.</translation>
    </message>
    <message>
        <source>The moisture content at 80% humidity must be &gt; 0 and lower than the saturation moisture content.</source>
        <translation>Zawartość wilgoci przy wilgotności 80% musi być &gt; 0 i mniejsza od zawartości wilgoci w stanie nasycenia.</translation>
    </message>
    <message>
        <source>The moisture content at saturation must be larger than the moisture content at 80% humidity and lower equal than 1.0.</source>
        <translation>Zawartość wilgoci w stanie nasycenia musi być większa od zawartości wilgoci przy wilgotności 80% i mniejsza lub równa 1,0.</translation>
    </message>
    <message>
        <source>The water uptake coefficient must be &gt;= 0.</source>
        <translation>Współczynnik absorpcji wody musi wynosić &gt;= 0.</translation>
    </message>
    <message>
        <source>The sd-value must be &gt;= 0.</source>
        <translation>Wartość sd musi wynosić &gt;= 0.</translation>
    </message>
    <message>
        <source>An sd-value &gt; 0 fixes the layer width to sd / %1 (foils, membranes, coatings); 0 for ordinary materials.</source>
        <translation>Wartość sd &gt; 0 ustala grubość warstwy na sd / %1 (folie, membrany, powłoki); 0 dla zwykłych materiałów.</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Powietrze</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Drewno</translation>
    </message>
    <message>
        <source>Wood based</source>
        <translation>Materiał drewnopochodny</translation>
    </message>
    <message>
        <source>Foil</source>
        <translation>Folia</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategoria:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Kolor:</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Nazwa produktu:</translation>
    </message>
    <message>
        <source>Producer:</source>
        <translation>Producent:</translation>
    </message>
    <message>
        <source>Data source:</source>
        <translation>Źródło danych:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Uwagi:</translation>
    </message>
    <message>
        <source>Material Properties</source>
        <translation>Właściwości materiału</translation>
    </message>
    <message>
        <source>Bulk density [kg/m%1]:</source>
        <translation>Gęstość objętościowa [kg/m%1]:</translation>
    </message>
    <message>
        <source>Thermal conductivity [W/mK]:</source>
        <translation>Współczynnik przewodzenia ciepła [W/mK]:</translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor [-]:</source>
        <translation>Współczynnik oporu dyfuzyjnego [-]:</translation>
    </message>
    <message>
        <source>Lower value of %1 [-]:</source>
        <translation>Dolna wartość %1 [-]:</translation>
    </message>
    <message>
        <source>Upper value of %1 [-]:</source>
        <translation>Górna wartość %1 [-]:</translation>
    </message>
    <message>
        <source>Moisture content at 80% RH [m%1/m%1]:</source>
        <translation>Zawartość wilgoci przy 80% wilg. wzgl. [m%1/m%1]:</translation>
    </message>
    <message>
        <source>Moisture content at saturation [m%1/m%1]:</source>
        <translation>Zawartość wilgoci w stanie nasycenia [m%1/m%1]:</translation>
    </message>
    <message>
        <source>Water absorption coefficient [kg/m%1s%2]:</source>
        <translation>Współczynnik absorpcji wody [kg/m%1s%2]:</translation>
    </message>
    <message>
        <source>sd-value [m]:</source>
        <translation>Wartość sd [m]:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Cechy:</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Daty</translation>
    </message>
    <message>
        <source>Measuring date:</source>
        <translation>Data pomiaru:</translation>
    </message>
    <message>
        <source>Sampling date:</source>
        <translation>Data pobrania próbki:</translation>
    </message>
    <message>
        <source>Production date:</source>
        <translation>Data produkcji:</translation>
    </message>
    <message>
        <source>The material needs a name.</source>
        <translation>Materiał musi mieć nazwę.</translation>
    </message>
    <message>
        <source>Please choose a category.</source>
        <translation>Wybierz kategorię.</translation>
    </message>
    <message>
        <source>bulk density</source>
        <translation>gęstość objętościową</translation>
    </message>
    <message>
        <source>thermal conductivity</source>
        <translation>współczynnik przewodzenia ciepła</translation>
    </message>
    <message>
        <source>vapor diffusion resistance factor</source>
        <translation>współczynnik oporu dyfuzyjnego</translation>
    </message>
    <message>
        <source>lower value of %1</source>
        <translation>dolną wartość %1</translation>
    </message>
    <message>
        <source>upper value of %1</source>
        <translation>górną wartość %1</translation>
    </message>
    <message>
        <source>moisture content at 80% RH</source>
        <translation>zawartość wilgoci przy 80% wilg. wzgl.</translation>
    </message>
    <message>
        <source>moisture content at saturation</source>
        <translation>zawartość wilgoci w stanie nasycenia</translation>
    </message>
    <message>
        <source>water absorption coefficient</source>
        <translation>współczynnik absorpcji wody</translation>
    </message>
    <message>
        <source>sd-value</source>
        <translation>wartość sd</translation>
    </message>
    <message>
        <source>Please correct the %1.</source>
        <translation>Popraw %1.</translation>
    </message>
    <message>
        <source>The material is not valid.</source>
        <translation>Materiał jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>The sd-value in the evaporation period must be &gt;= 0.</source>
        <translation>Wartość sd w okresie wysychania musi być &gt;= 0.</translation>
    </message>
    <message>
        <source>Humidity-variable vapour retarders: the sd-value in the evaporation (summer) period, the humid-range value of the data sheet; the sd-value above is then the dry-range value of the condensation (winter) period. Empty for every other material.</source>
        <translation>Paroizolacje o zmiennym oporze dyfuzyjnym: wartość sd w okresie wysychania (lato), wartość z karty technicznej dla zakresu wilgotnego; wartość sd powyżej jest wtedy wartością zakresu suchego dla okresu kondensacji (zima). Puste dla każdego innego materiału.</translation>
    </message>
    <message>
        <source>as in winter</source>
        <translation>jak zimą</translation>
    </message>
    <message>
        <source>sd-value, evaporation period [m]:</source>
        <translation>Wartość sd, okres wysychania [m]:</translation>
    </message>
    <message>
        <source>sd-value of the evaporation period</source>
        <translation>wartość sd okresu wysychania</translation>
    </message>
</context>
<context>
    <name>MaterialEditWidget</name>
    <message>
        <source>Select Layer Color</source>
        <translation>Wybierz kolor warstwy</translation>
    </message>
    <message>
        <source>The layer width must be &gt; 0.</source>
        <translation>Grubość warstwy musi wynosić &gt; 0.</translation>
    </message>
    <message>
        <source>This filed changes the width of a material layer.</source>
        <translation>To pole zmienia grubość warstwy materiału.</translation>
    </message>
    <message>
        <source>The name of the material of the selected layer.</source>
        <translation>Nazwa materiału zaznaczonej warstwy.</translation>
    </message>
    <message>
        <source>The thermal conductivity must be &gt; 0.</source>
        <translation>Współczynnik przewodzenia ciepła musi wynosić &gt; 0.</translation>
    </message>
    <message>
        <source>The vapor resistance factor must be &gt; 0.</source>
        <translation>Współczynnik oporu dyfuzyjnego musi wynosić &gt; 0.</translation>
    </message>
    <message>
        <source>The moisture content at 80% humidity must be &gt; 0 and lower than the saturation moisture content.</source>
        <translation>Zawartość wilgoci przy wilgotności 80% musi być &gt; 0 i mniejsza od zawartości wilgoci w stanie nasycenia.</translation>
    </message>
    <message>
        <source>Moisture content must be in between 0.01 and 0.8.</source>
        <translation>Zawartość wilgoci musi mieścić się w zakresie od 0,01 do 0,8.</translation>
    </message>
    <message>
        <source>The moisture content at saturation must be larger than the moisture content at 80% humidity and lower equal than 1.0.</source>
        <translation>Zawartość wilgoci w stanie nasycenia musi być większa od zawartości wilgoci przy wilgotności 80% i mniejsza lub równa 1,0.</translation>
    </message>
    <message>
        <source>The water uptake coefficient must be &gt; 0.</source>
        <translation>Współczynnik absorpcji wody musi wynosić &gt; 0.</translation>
    </message>
    <message>
        <source>The sd-value must be &gt; 0.</source>
        <translation>Wartość sd musi wynosić &gt; 0.</translation>
    </message>
    <message>
        <source>The unit can be configured in settings dialogue.</source>
        <translation>Jednostkę można zmienić w oknie ustawień.</translation>
    </message>
    <message>
        <source>Layer Properties</source>
        <translation>Właściwości warstwy</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Kolor:</translation>
    </message>
    <message>
        <source>Material Properties</source>
        <translation>Właściwości materiału</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Thermal conductivity [W/mK]:</source>
        <translation>Współczynnik przewodzenia ciepła [W/mK]:</translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor [-]:</source>
        <translation>Współczynnik oporu dyfuzyjnego [-]:</translation>
    </message>
    <message>
        <source>Moisture content at 80% RH [m%1/m%1]:</source>
        <translation>Zawartość wilgoci przy 80% wilg. wzgl. [m%1/m%1]:</translation>
    </message>
    <message>
        <source>Moisture content at saturation [m%1/m%1]:</source>
        <translation>Zawartość wilgoci w stanie nasycenia [m%1/m%1]:</translation>
    </message>
    <message>
        <source>sd-value [m]</source>
        <translation>Wartość sd [m]</translation>
    </message>
    <message>
        <source>Layer width/height [%1]:</source>
        <translation>Grubość/wysokość warstwy [%1]:</translation>
    </message>
    <message>
        <source>Water absorption coefficient [%1]:</source>
        <translation>Współczynnik absorpcji wody [%1]:</translation>
    </message>
    <message>
        <source>The sd-value of the layer; for a humidity-variable vapour retarder its value in the condensation (winter) period.</source>
        <translation>Wartość sd warstwy; dla paroizolacji o zmiennym oporze dyfuzyjnym jej wartość w okresie kondensacji (zima).</translation>
    </message>
    <message>
        <source>The sd-value in the evaporation period must be &gt; 0, or empty.</source>
        <translation>Wartość sd w okresie wysychania musi być &gt; 0 lub pusta.</translation>
    </message>
    <message>
        <source>as in winter</source>
        <translation>jak zimą</translation>
    </message>
    <message>
        <source>sd-value, evaporation period [m]:</source>
        <translation>Wartość sd, okres wysychania [m]:</translation>
    </message>
    <message>
        <source>Second Material (Studs, Rafters, Battens)</source>
        <translation>Drugi materiał (słupki, krokwie, łaty)</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wybierz...</translation>
    </message>
    <message>
        <source>Choose the material of the studs, rafters or battens that run through this layer.</source>
        <translation>Wybierz materiał słupków, krokwi lub łat przechodzących przez tę warstwę.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>The layer becomes homogeneous again.</source>
        <translation>Warstwa staje się ponownie jednorodna.</translation>
    </message>
    <message>
        <source>Area fraction</source>
        <translation>Udział powierzchniowy</translation>
    </message>
    <message>
        <source>Width and spacing</source>
        <translation>Szerokość i rozstaw</translation>
    </message>
    <message>
        <source>The area fraction must lie above 0 % and below 100 %.</source>
        <translation>Udział powierzchniowy musi być większy od 0 % i mniejszy od 100 %.</translation>
    </message>
    <message>
        <source>The width must be &gt; 0 and smaller than the spacing.</source>
        <translation>Szerokość musi być &gt; 0 i mniejsza od rozstawu.</translation>
    </message>
    <message>
        <source>The spacing must be &gt; 0 and larger than the width.</source>
        <translation>Rozstaw musi być &gt; 0 i większy od szerokości.</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Materiał:</translation>
    </message>
    <message>
        <source>Entered as:</source>
        <translation>Wprowadzono jako:</translation>
    </message>
    <message>
        <source>Area fraction [%]:</source>
        <translation>Udział powierzchniowy [%]:</translation>
    </message>
    <message>
        <source>Width of one member [mm]:</source>
        <translation>Szerokość jednego elementu [mm]:</translation>
    </message>
    <message>
        <source>Spacing, centre to centre [mm]:</source>
        <translation>Rozstaw osiowy [mm]:</translation>
    </message>
    <message>
        <source>The sd-value of a humidity-variable vapour retarder in the evaporation (summer) period: the humid-range value of its data sheet. The Glaser scheme and the moisture-storage method let the construction dry through it; empty: the sd-value holds in both periods.</source>
        <translation>Wartość sd paroizolacji o zmiennym oporze dyfuzyjnym w okresie wysychania (lato): wartość z karty technicznej dla zakresu wilgotnego. Metoda Glasera i metoda magazynowania wilgoci pozwalają przegrodzie wysychać przez nią; puste: wartość sd obowiązuje w obu okresach.</translation>
    </message>
    <message>
        <source>Only a material given by its sd-value (a foil, a membrane) can have a second sd-value for the evaporation period.</source>
        <translation>Tylko materiał opisany wartością sd (folia, membrana) może mieć drugą wartość sd dla okresu wysychania.</translation>
    </message>
    <message>
        <source>none (homogeneous layer)</source>
        <translation>brak (warstwa jednorodna)</translation>
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
        <translation>Błąd odczytu nazwy materiału!</translation>
    </message>
    <message>
        <source>Invalid keyword!</source>
        <translation>Nieprawidłowe słowo kluczowe!</translation>
    </message>
    <message>
        <source>Missing data!</source>
        <translation>Brak danych!</translation>
    </message>
    <message>
        <source>Air space (not ventilated)</source>
        <translation>Warstwa powietrza (niewentylowana)</translation>
    </message>
    <message>
        <source>Thermal conductivity will be calculated from construction and heat flow according DIN EN ISO 6946 5.3.</source>
        <translation>Przewodność cieplna zostanie obliczona na podstawie przegrody i kierunku przepływu ciepła według DIN EN ISO 6946, p. 5.3.</translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor will be calculated from construction according DIN EN ISO 13788 4.1.</source>
        <translation>Współczynnik oporu dyfuzyjnego zostanie obliczony na podstawie przegrody według DIN EN ISO 13788, p. 4.1.</translation>
    </message>
    <message>
        <source>Error reading material list from file &apos;%1&apos;!
%2</source>
        <translation>Błąd odczytu listy materiałów z pliku „%1”!
%2</translation>
    </message>
    <message>
        <source>Cannot open file.</source>
        <translation>Nie można otworzyć pliku.</translation>
    </message>
    <message>
        <source>Keyword &apos;FileVersion&apos; missing!</source>
        <translation>Brak słowa kluczowego „FileVersion”!</translation>
    </message>
    <message>
        <source>Keyword &apos;MATERIAL_LIST&apos; missing!</source>
        <translation>Brak słowa kluczowego „MATERIAL_LIST”!</translation>
    </message>
    <message>
        <source>Missing block start!</source>
        <translation>Brak początku bloku!</translation>
    </message>
    <message>
        <source>Block start &apos;{&apos; of material definition missing!</source>
        <translation>Brak początku bloku „{” definicji materiału!</translation>
    </message>
    <message>
        <source>Cannot create directory &apos;%1&apos;.</source>
        <translation>Nie można utworzyć katalogu „%1”.</translation>
    </message>
    <message>
        <source>Cannot rename file &apos;%1&apos; to &apos;%2&apos;.</source>
        <translation>Nie można zmienić nazwy pliku „%1” na „%2”.</translation>
    </message>
</context>
<context>
    <name>MaterialTableModel</name>
    <message>
        <source>User defined material</source>
        <translation>Materiał użytkownika</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategoria</translation>
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
        <translation>Producent</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Data source</source>
        <translation>Źródło danych</translation>
    </message>
    <message>
        <source>Bulk density</source>
        <translation>Gęstość objętościowa</translation>
    </message>
    <message>
        <source>Thermal conductivity</source>
        <translation>Współczynnik przewodzenia ciepła</translation>
    </message>
    <message>
        <source>Vapor diffusion resistance factor</source>
        <translation>Współczynnik oporu dyfuzyjnego</translation>
    </message>
    <message>
        <source>Diffusion-equivalent air layer thickness</source>
        <translation>Dyfuzyjnie równoważna grubość warstwy powietrza sd</translation>
    </message>
    <message>
        <source>Moisture content at 80% relative humidity</source>
        <translation>Zawartość wilgoci przy wilgotności względnej 80%</translation>
    </message>
    <message>
        <source>Moisture content at saturation</source>
        <translation>Zawartość wilgoci w stanie nasycenia</translation>
    </message>
    <message>
        <source>Water absorption coefficient</source>
        <translation>Współczynnik absorpcji wody</translation>
    </message>
    <message>
        <source>sd summer
[m]</source>
        <translation>sd lato
[m]</translation>
    </message>
    <message>
        <source>Diffusion-equivalent air layer thickness of a humidity-variable vapour retarder in the humid summer (evaporation period)</source>
        <translation>Równoważna dyfuzyjnie grubość warstwy powietrza paroizolacji o zmiennym oporze dyfuzyjnym w wilgotnym lecie (okres wysychania)</translation>
    </message>
</context>
<context>
    <name>MaterialTransfer</name>
    <message>
        <source>Data source: %1
</source>
        <translation>Źródło danych: %1
</translation>
    </message>
    <message>
        <source>Notes: %1
</source>
        <translation>Uwagi: %1
</translation>
    </message>
    <message>
        <source>Air
</source>
        <comment>Material flag</comment>
        <translation>Powietrze
</translation>
    </message>
    <message>
        <source>Wood
</source>
        <comment>Material flag</comment>
        <translation>Drewno
</translation>
    </message>
    <message>
        <source>Wood based
</source>
        <comment>Material flag</comment>
        <translation>Materiał drewnopochodny
</translation>
    </message>
    <message>
        <source>Measuring date: %1
</source>
        <translation>Data pomiaru: %1
</translation>
    </message>
    <message>
        <source>Production date: %1
</source>
        <translation>Data produkcji: %1
</translation>
    </message>
    <message>
        <source>Sampling date: %1
</source>
        <translation>Data pobrania próbki: %1
</translation>
    </message>
    <message>
        <source>Humidity-variable: sd-value %1 m in the condensation period, %2 m in the evaporation period
</source>
        <translation>Zmienny opór dyfuzyjny: wartość sd %1 m w okresie kondensacji, %2 m w okresie wysychania
</translation>
    </message>
</context>
<context>
    <name>MinimumHeatResistance</name>
    <message>
        <source>Outer wall</source>
        <translation>Ściana zewnętrzna</translation>
    </message>
    <message>
        <source>Partition wall</source>
        <translation>Ściana międzymieszkaniowa</translation>
    </message>
    <message>
        <source>Wall to stair case with temperature &lt;10°C</source>
        <translation>Ściana przy klatce schodowej o temperaturze &lt;10°C</translation>
    </message>
    <message>
        <source>Wall to stair case with temperature &gt;10°C</source>
        <translation>Ściana przy klatce schodowej o temperaturze &gt;10°C</translation>
    </message>
    <message>
        <source>Common separating ceiling</source>
        <translation>Strop międzymieszkaniowy (ogólnie)</translation>
    </message>
    <message>
        <source>Separating ceiling for officebuilding with central heating</source>
        <translation>Strop międzykondygnacyjny w budynku biurowym z centralnym ogrzewaniem</translation>
    </message>
    <message>
        <source>Floor plate over ground</source>
        <translation>Płyta podłogowa na gruncie</translation>
    </message>
    <message>
        <source>Floor plate to non ventilated cavity</source>
        <translation>Płyta podłogowa nad niewentylowaną przestrzenią</translation>
    </message>
    <message>
        <source>Ceiling below attic</source>
        <translation>Strop pod poddaszem</translation>
    </message>
    <message>
        <source>Ceiling for cellar</source>
        <translation>Strop nad piwnicą</translation>
    </message>
    <message>
        <source>Floor over garage or passage</source>
        <translation>Strop nad garażem lub przejazdem</translation>
    </message>
    <message>
        <source>Roof</source>
        <translation>Dach</translation>
    </message>
    <message>
        <source>Wall of heated room to outside, ground, underground garage or similar</source>
        <translation>Ściana pomieszczenia ogrzewanego graniczącego z powietrzem zewnętrznym, gruntem, garażem podziemnym itp.</translation>
    </message>
    <message>
        <source>Roof pitch to outside</source>
        <translation>Połać dachowa granicząca z powietrzem zewnętrznym</translation>
    </message>
    <message>
        <source>Flat roof or ceiling to outside</source>
        <translation>Stropodach lub strop graniczący z powietrzem zewnętrznym</translation>
    </message>
    <message>
        <source>Ceiling to ventilated roof space or to non heated room</source>
        <translation>Strop pod wentylowanym poddaszem lub nad pomieszczeniem nieogrzewanym</translation>
    </message>
    <message>
        <source>Ceiling between insulated roof pitch and jamb wall</source>
        <translation>Strop między ocieploną połacią dachową a ścianką kolankową</translation>
    </message>
    <message>
        <source>Floor over outside, underground garage, garage (heated or not), ventilated crawl space etc.</source>
        <translation>Strop nad powietrzem zewnętrznym, garażem podziemnym, garażem (ogrzewanym lub nie), wentylowaną przestrzenią podpodłogową itp.</translation>
    </message>
    <message>
        <source>Floor over cellar, to ground, non ventilated crawl space</source>
        <translation>Strop nad piwnicą, na gruncie, nad niewentylowaną przestrzenią podpodłogową</translation>
    </message>
    <message>
        <source>Wall between heated room and directly heated stair case</source>
        <translation>Ściana między pomieszczeniem ogrzewanym a bezpośrednio ogrzewaną klatką schodową</translation>
    </message>
    <message>
        <source>Wall between heated room and indirectly heated stair case</source>
        <translation>Ściana między pomieszczeniem ogrzewanym a pośrednio ogrzewaną klatką schodową</translation>
    </message>
    <message>
        <source>Partition walls between heated rooms</source>
        <translation>Ściany oddzielające pomieszczenia ogrzewane</translation>
    </message>
    <message>
        <source>Ceiling between rooms of different use and apartment separating ceiling</source>
        <translation>Strop między pomieszczeniami o różnym przeznaczeniu oraz strop między mieszkaniami</translation>
    </message>
    <message>
        <source>Construction with mass per area lower than 100kg/m2</source>
        <translation>Przegroda o masie powierzchniowej mniejszej niż 100 kg/m2</translation>
    </message>
    <message>
        <source>Cap 5.1.2.2</source>
        <translation>pkt 5.1.2.2</translation>
    </message>
    <message>
        <source>Opaque part of transparent constructions</source>
        <translation>Nieprzezroczysta część przegród przezroczystych</translation>
    </message>
    <message>
        <source>Cap 5.1.4</source>
        <translation>pkt 5.1.4</translation>
    </message>
    <message>
        <source>DIN 4108-2 2004 Tab. 3</source>
        <translation>DIN 4108-2 2004 tab. 3</translation>
    </message>
    <message>
        <source>DIN 4108-2 2013 Tab. 3</source>
        <translation>DIN 4108-2 2013 tab. 3</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>%1 row %2, thermal resistance  R &gt;= %L3 m&lt;sup&gt;2&lt;/sup&gt;K/W</source>
        <translation>%1, wiersz %2, opór cieplny R &gt;= %L3 m&lt;sup&gt;2&lt;/sup&gt;K/W</translation>
    </message>
    <message>
        <source>DIN 4108-2 Check for minmal &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; &amp;gt;= %L1</source>
        <translation>DIN 4108-2: sprawdzenie minimalnego czynnika temperaturowego &lt;i&gt;f&lt;/i&gt;&lt;sub&gt;Rsi&lt;/sub&gt; &amp;gt;= %L1</translation>
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
        <translation>Zawartość wilgoci przy 80% wilg. wzgl. mniejsza lub równa 0</translation>
    </message>
    <message>
        <source>Saturation moisture content less or equal 0</source>
        <translation>Zawartość wilgoci w stanie nasycenia mniejsza lub równa 0</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH greater or equal saturation moisture content</source>
        <translation>Zawartość wilgoci przy 80% wilg. wzgl. większa lub równa zawartości wilgoci w stanie nasycenia</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH leads to a moisture content at 95%RH greater or equal saturation moisture content</source>
        <translation>Zawartość wilgoci przy 80% wilg. wzgl. prowadzi do zawartości wilgoci przy 95% wilg. wzgl. większej lub równej zawartości wilgoci w stanie nasycenia</translation>
    </message>
    <message>
        <source>Moisture content at 80%RH greater or equal to 1.0</source>
        <translation>Zawartość wilgoci przy 80% wilg. wzgl. większa lub równa 1,0</translation>
    </message>
    <message>
        <source>Moisture content at saturation greater or equal to 1.0</source>
        <translation>Zawartość wilgoci w stanie nasycenia większa lub równa 1,0</translation>
    </message>
</context>
<context>
    <name>MoistureStorage</name>
    <message>
        <source>Invalid moisture storage values for &lt;a href=&quot;layer-%1&quot;&gt;layer #%1&lt;/a&gt;.</source>
        <translation>Nieprawidłowe parametry magazynowania wilgoci &lt;a href=&quot;layer-%1&quot;&gt;warstwy nr %1&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Current moisture content at 80%RH leads to an moisture content at 95%RH higher than saturation moisture content.</source>
        <translation>Bieżąca zawartość wilgoci przy 80% wilg. wzgl. prowadzi do zawartości wilgoci przy 95% wilg. wzgl. większej od zawartości wilgoci w stanie nasycenia.</translation>
    </message>
    <message>
        <source>Could not find valid combination of k-planes! Algorithm error!</source>
        <translation>Nie znaleziono prawidłowej kombinacji płaszczyzn kondensacji! Błąd algorytmu!</translation>
    </message>
    <message>
        <source>The search for condensation planes was stopped after %1 candidates.</source>
        <translation>Wyszukiwanie płaszczyzn kondensacji przerwano po sprawdzeniu %1 wariantów.</translation>
    </message>
    <message>
        <source>No Solution found!</source>
        <translation>Nie znaleziono rozwiązania!</translation>
    </message>
    <message>
        <source>Error in calculation m_results.sk_Cond[%1], denominator == 0!</source>
        <translation>Błąd w obliczeniu m_results.sk_Cond[%1], mianownik == 0!</translation>
    </message>
    <message>
        <source>Error in calculation m_results.sk_Cond[%1], Value &lt; 0!</source>
        <translation>Błąd w obliczeniu m_results.sk_Cond[%1], wartość &lt; 0!</translation>
    </message>
</context>
<context>
    <name>NewProjectWizard</name>
    <message>
        <source>New Project Wizard</source>
        <translation>Kreator nowego projektu</translation>
    </message>
    <message>
        <source>Project Information</source>
        <translation>Informacje o projekcie</translation>
    </message>
    <message>
        <source>Please enter the information for this new project. You can change the default project information in the preferences dialog.</source>
        <translation>Wprowadź informacje o nowym projekcie. Domyślne informacje o projekcie można zmienić w oknie ustawień.</translation>
    </message>
    <message>
        <source>Construction kind:</source>
        <translation>Rodzaj przegrody:</translation>
    </message>
    <message>
        <source>The kind sets the heat flow direction, the outside climate, the evaporation period of DIN 4108-3 and the row of DIN 4108-2 for the minimum thermal resistance. You can change each of them later.</source>
        <translation>Rodzaj przegrody ustawia kierunek strumienia ciepła, klimat zewnętrzny, okres wysychania wg DIN 4108-3 oraz wiersz DIN 4108-2 dla minimalnego oporu cieplnego. Każdą z tych wartości można później zmienić.</translation>
    </message>
</context>
<context>
    <name>NewProjectWizardMaterialPage</name>
    <message>
        <source>Select material for first layer</source>
        <translation>Wybierz materiał pierwszej warstwy</translation>
    </message>
    <message>
        <source>Please select a material below. This material will be the first material layer of your construction. You can choose any material now and add/move/delete layers later as required.</source>
        <translation>Wybierz poniżej materiał. Będzie to materiał pierwszej warstwy przegrody. Możesz teraz wybrać dowolny materiał, a później w razie potrzeby dodawać, przesuwać i usuwać warstwy.</translation>
    </message>
    <message>
        <source>Project template:</source>
        <translation>Szablon projektu:</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nowy projekt</translation>
    </message>
    <message>
        <source>You can add your own projects as templates by copying the project files into the Templates subdirectory.</source>
        <translation>Własne projekty można dodać jako szablony, kopiując pliki projektów do podkatalogu Templates.</translation>
    </message>
</context>
<context>
    <name>Plausibility</name>
    <message>
        <source>A bulk density below %1 kg/m³ is lighter than any insulation material.</source>
        <translation>Gęstość objętościowa poniżej %1 kg/m³ jest mniejsza niż dowolnego materiału izolacyjnego.</translation>
    </message>
    <message>
        <source>A bulk density above %1 kg/m³ is heavier than steel and copper.</source>
        <translation>Gęstość objętościowa powyżej %1 kg/m³ jest większa niż stali i miedzi.</translation>
    </message>
    <message>
        <source>A thermal conductivity above %1 W/(mK) is that of a metal, not of a building material; was a decimal separator lost?</source>
        <translation>Współczynnik przewodzenia ciepła powyżej %1 W/(mK) ma metal, a nie materiał budowlany; czy zgubiono separator dziesiętny?</translation>
    </message>
    <message>
        <source>A thermal conductivity below %1 W/(mK) is reached only by vacuum insulation panels.</source>
        <translation>Współczynnik przewodzenia ciepła poniżej %1 W/(mK) osiągają tylko próżniowe płyty izolacyjne.</translation>
    </message>
    <message>
        <source>A vapour diffusion resistance factor below 1 lets vapour through more easily than still air.</source>
        <translation>Współczynnik oporu dyfuzyjnego poniżej 1 przepuszcza parę łatwiej niż nieruchome powietrze.</translation>
    </message>
    <message>
        <source>A vapour diffusion resistance factor above %1 is that of a vapour barrier; this material is not marked as a foil.</source>
        <translation>Współczynnik oporu dyfuzyjnego powyżej %1 ma paroizolacja; ten materiał nie jest oznaczony jako folia.</translation>
    </message>
    <message>
        <source>A moisture content above %1 m³/m³ at 80 % RH is more than hygroscopic materials hold.</source>
        <translation>Zawilgocenie powyżej %1 m³/m³ przy 80 % RH to więcej, niż przyjmują materiały higroskopijne.</translation>
    </message>
    <message>
        <source>A water absorption coefficient above 1 kg/(m²s½) (60 kg/(m²h½)) is higher than that of any building material; was the unit mixed up?</source>
        <translation>Współczynnik absorpcji wody powyżej 1 kg/(m²s½) (60 kg/(m²h½)) jest wyższy niż dowolnego materiału budowlanego; czy pomylono jednostkę?</translation>
    </message>
    <message>
        <source>A layer wider than %1 m is unusual; was the width typed in another unit?</source>
        <translation>Warstwa grubsza niż %1 m jest nietypowa; czy grubość wpisano w innej jednostce?</translation>
    </message>
    <message>
        <source>A layer thinner than 1 mm is unusual unless it is a foil; was the width typed in another unit?</source>
        <translation>Warstwa cieńsza niż 1 mm jest nietypowa, o ile nie jest folią; czy grubość wpisano w innej jednostce?</translation>
    </message>
    <message>
        <source>An indoor temperature outside %1 °C to %2 °C in winter is unusual for a heated room.</source>
        <translation>Temperatura wewnętrzna poza zakresem od %1 °C do %2 °C zimą jest nietypowa dla ogrzewanego pomieszczenia.</translation>
    </message>
    <message>
        <source>An outdoor temperature above %1 °C is unusual for a condensation period.</source>
        <translation>Temperatura zewnętrzna powyżej %1 °C jest nietypowa dla okresu kondensacji.</translation>
    </message>
    <message>
        <source>An indoor relative humidity above %1 % occurs only in swimming pools and wet rooms.</source>
        <translation>Wilgotność względna wewnątrz powyżej %1 % występuje tylko w basenach i pomieszczeniach mokrych.</translation>
    </message>
    <message>
        <source>A relative humidity below %1 % is unusually dry for a building climate.</source>
        <translation>Wilgotność względna poniżej %1 % jest nietypowo niska dla klimatu budynku.</translation>
    </message>
    <message>
        <source>A surface resistance above %1 m²K/W is unusual; the standards use %2 to %3 m²K/W.</source>
        <translation>Opór przejmowania ciepła powyżej %1 m²K/W jest nietypowy; normy stosują od %2 do %3 m²K/W.</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>No project to save.</source>
        <translation>Brak projektu do zapisania.</translation>
    </message>
    <message>
        <source>Error reading file as MIRELO 1 version.
</source>
        <translation>Błąd odczytu pliku jako pliku programu MIRELO 1.
</translation>
    </message>
    <message>
        <source>Cannot open file &apos;%1&apos; for writing: %2</source>
        <translation>Nie można otworzyć pliku „%1” do zapisu: %2</translation>
    </message>
    <message>
        <source>Error writing file &apos;%1&apos;: %2</source>
        <translation>Błąd zapisu pliku „%1”: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a directory, not a project file.</source>
        <translation>„%1” jest katalogiem, a nie plikiem projektu.</translation>
    </message>
    <message>
        <source>Cannot open file &apos;%1&apos; for reading (maybe missing permissions).</source>
        <translation>Nie można otworzyć pliku „%1” do odczytu (być może brak uprawnień).</translation>
    </message>
    <message>
        <source>Project doesn&apos;t contain any layers. Please create a new project!</source>
        <translation>Projekt nie zawiera żadnych warstw. Utwórz nowy projekt!</translation>
    </message>
    <message>
        <source>Control characters in texts were replaced by U+FFFD.</source>
        <translation>Znaki sterujące w tekstach zastąpiono znakiem U+FFFD.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>nie jest to zwykły plik.</translation>
    </message>
    <message>
        <source>Texts longer than %1 characters were shortened to that length.</source>
        <translation>Teksty dłuższe niż %1 znaków zostały skrócone do tej długości.</translation>
    </message>
    <message>
        <source>There is no such layer.</source>
        <translation>Taka warstwa nie istnieje.</translation>
    </message>
    <message>
        <source>The value must be a finite number.</source>
        <translation>Wartość musi być liczbą skończoną.</translation>
    </message>
    <message>
        <source>Unknown layer value.</source>
        <translation>Nieznana wartość warstwy.</translation>
    </message>
    <message>
        <source>The vapor resistance factor must be at least 0.1.</source>
        <translation>Współczynnik oporu dyfuzyjnego musi wynosić co najmniej 0,1.</translation>
    </message>
    <message>
        <source>The moisture content at saturation cannot exceed 1 m³/m³.</source>
        <translation>Wilgotność w stanie nasycenia nie może przekraczać 1 m³/m³.</translation>
    </message>
    <message>
        <source>The thermal conductivity must be &gt; 0.</source>
        <translation>Współczynnik przewodzenia ciepła musi być &gt; 0.</translation>
    </message>
    <message>
        <source>The water uptake coefficient must be &gt; 0.</source>
        <translation>Współczynnik absorpcji wody musi być &gt; 0.</translation>
    </message>
    <message>
        <source>The layer width must be &gt; 0.</source>
        <translation>Grubość warstwy musi być &gt; 0.</translation>
    </message>
    <message>
        <source>The width of this layer follows from the sd-value of its material.</source>
        <translation>Grubość tej warstwy wynika z wartości sd jej materiału.</translation>
    </message>
    <message>
        <source>No project is open.</source>
        <translation>Żaden projekt nie jest otwarty.</translation>
    </message>
    <message>
        <source>The temperature must lie between -40 °C and 80 °C.</source>
        <translation>Temperatura musi mieścić się w zakresie od -40 °C do 80 °C.</translation>
    </message>
    <message>
        <source>In the condensation period the temperature of the warm side must not be below that of the cold side.</source>
        <translation>W okresie kondensacji temperatura po stronie ciepłej nie może być niższa niż po stronie zimnej.</translation>
    </message>
    <message>
        <source>The relative humidity must lie between 0 % and 100 %.</source>
        <translation>Wilgotność względna musi mieścić się w zakresie od 0 % do 100 %.</translation>
    </message>
    <message>
        <source>The surface resistance must be &gt; 0.</source>
        <translation>Opór przejmowania ciepła musi być &gt; 0.</translation>
    </message>
    <message>
        <source>A layer given by its sd-value (a foil, a membrane) cannot carry a second material.</source>
        <translation>Warstwa określona wartością sd (folia, membrana) nie może zawierać drugiego materiału.</translation>
    </message>
    <message>
        <source>The area fraction does not follow from width and spacing.</source>
        <translation>Udział powierzchniowy nie wynika z szerokości i rozstawu.</translation>
    </message>
    <message>
        <source>The second material &quot;%1&quot; is not valid.</source>
        <translation>Drugi materiał „%1” jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Layer %1 (%2) is given by its sd-value and cannot carry a second material; its second material &quot;%3&quot; was removed.</source>
        <translation>Warstwa %1 (%2) jest określona wartością sd i nie może mieć drugiego materiału; usunięto jej drugi materiał „%3”.</translation>
    </message>
</context>
<context>
    <name>ProjectInformationEditDialog</name>
    <message>
        <source>Project information</source>
        <translation>Informacje o projekcie</translation>
    </message>
</context>
<context>
    <name>ProjectInformationEditWidget</name>
    <message>
        <source>Heat flow down</source>
        <translation>Strumień ciepła w dół</translation>
    </message>
    <message>
        <source>Heat flow up</source>
        <translation>Strumień ciepła w górę</translation>
    </message>
    <message>
        <source>horizontal heat flow</source>
        <translation>poziomy strumień ciepła</translation>
    </message>
    <message>
        <source>Project name:</source>
        <translation>Nazwa projektu:</translation>
    </message>
    <message>
        <source>Construction ID:</source>
        <translation>Identyfikator przegrody:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Użytkownik:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Opis:</translation>
    </message>
    <message>
        <source>Final remarks:</source>
        <translation>Uwagi końcowe:</translation>
    </message>
    <message>
        <source>Heat flow direction:</source>
        <translation>Kierunek przepływu ciepła:</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Export file</source>
        <translation>Eksportuj plik</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Report</source>
        <translation>Raport</translation>
    </message>
    <message>
        <source>The report could not be painted.</source>
        <translation>Nie udało się narysować raportu.</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 wersja %2</translation>
    </message>
</context>
<context>
    <name>ReportFrameBase</name>
    <message>
        <source>Requirement fulfilled</source>
        <translation>Wymaganie spełnione</translation>
    </message>
    <message>
        <source>Requirement not fulfilled</source>
        <translation>Wymaganie niespełnione</translation>
    </message>
    <message>
        <source>not evaluated (%1)</source>
        <translation>nie oceniono (%1)</translation>
    </message>
    <message>
        <source>plane at the inner surface</source>
        <translation>płaszczyzna na powierzchni wewnętrznej</translation>
    </message>
    <message>
        <source>plane at the outer surface</source>
        <translation>płaszczyzna na powierzchni zewnętrznej</translation>
    </message>
    <message>
        <source>plane between layer %1 and %2</source>
        <translation>płaszczyzna między warstwami %1 i %2</translation>
    </message>
    <message>
        <source>zone from interface %1 to %2 (layers %3 to %4)</source>
        <translation>strefa od styku %1 do %2 (warstwy od %3 do %4)</translation>
    </message>
</context>
<context>
    <name>ReportFrameConclusions</name>
    <message>
        <source>Print Summary of Results</source>
        <translation>Podsumowanie wyników</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the construction (moisture dependent)</source>
        <translation>Współczynnik przenikania ciepła przegrody (zależny od wilgotności)</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the construction according ISO 6946 (dry)</source>
        <translation>Współczynnik przenikania ciepła przegrody według ISO 6946 (w stanie suchym)</translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the construction (dry)</source>
        <translation>Opór cieplny przegrody (w stanie suchym)</translation>
    </message>
    <message>
        <source>Unspecific error.</source>
        <translation>Nieokreślony błąd.</translation>
    </message>
    <message>
        <source>Condensation mass after condensation period (based on MIRELO)</source>
        <translation>Masa kondensatu po okresie kondensacji (według MIRELO)</translation>
    </message>
    <message>
        <source>Drying time</source>
        <translation>Czas wysychania</translation>
    </message>
    <message>
        <source>Not applicable</source>
        <translation>Nie dotyczy</translation>
    </message>
    <message>
        <source>No drying</source>
        <translation>Brak wysychania</translation>
    </message>
    <message>
        <source>Minimum thermal protection</source>
        <translation>Minimalna izolacyjność cieplna</translation>
    </message>
    <message>
        <source>No condensate: no drying reserve to check</source>
        <translation>Brak kondensatu: brak rezerwy schnięcia do sprawdzenia</translation>
    </message>
    <message>
        <source>No U-value: the upper limit of the thermal resistance exceeds the lower limit %L1 times, more than the %L2 up to which ISO 6946 applies to inhomogeneous layers. A numerical calculation of the thermal bridges is needed.</source>
        <translation>Brak współczynnika U: górna granica całkowitego oporu cieplnego przekracza dolną %L1 razy, więcej niż %L2 razy, do których PN-EN ISO 6946 obejmuje warstwy niejednorodne. Konieczne jest obliczenie numeryczne mostków cieplnych.</translation>
    </message>
    <message>
        <source>The temperatures and the condensation assessments (MIRELO and Glaser) are those of the field section between the studs or rafters, as DIN 4108-3 assesses it.</source>
        <translation>Temperatury i oceny kondensacji (MIRELO i Glaser) dotyczą pola między słupkami lub krokwiami, tak jak ocenia je DIN 4108-3.</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient according ISO 6946, inhomogeneous layers (dry)</source>
        <translation>Współczynnik przenikania ciepła wg PN-EN ISO 6946, warstwy niejednorodne (suchy)</translation>
    </message>
    <message>
        <source>Upper limit of the thermal resistance</source>
        <translation>Górna granica całkowitego oporu cieplnego</translation>
    </message>
    <message>
        <source>Lower limit of the thermal resistance</source>
        <translation>Dolna granica całkowitego oporu cieplnego</translation>
    </message>
    <message>
        <source>Relative error of the limits</source>
        <translation>Błąd względny granic</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the field section according ISO 6946 (dry)</source>
        <translation>Współczynnik przenikania ciepła w polu między elementami wg PN-EN ISO 6946 (suchy)</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient of the field section (moisture dependent)</source>
        <translation>Współczynnik przenikania ciepła w polu między elementami (zależny od wilgotności)</translation>
    </message>
    <message>
        <source>Thermal transfer resistance of the field section (dry)</source>
        <translation>Opór cieplny w polu między elementami (suchy)</translation>
    </message>
    <message>
        <source>Condensation mass after condensation period (Glaser scheme)</source>
        <translation>Masa kondensatu po okresie kondensacji (metoda Glasera)</translation>
    </message>
    <message>
        <source>Dry thermal resistance</source>
        <translation>Opór cieplny (w stanie suchym)</translation>
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
        <translation>Przegroda:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Użytkownik:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Construction kind:</source>
        <translation>Rodzaj przegrody:</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Report</source>
        <translation>Raport</translation>
    </message>
    <message>
        <source>General Appearance</source>
        <translation>Wygląd ogólny</translation>
    </message>
    <message>
        <source>Input Data</source>
        <translation>Dane wejściowe</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Diagrams</source>
        <translation>Wykresy</translation>
    </message>
    <message>
        <source>Final Remarks</source>
        <translation>Uwagi końcowe</translation>
    </message>
    <message>
        <source>Fit Page in View</source>
        <translation>Dopasuj stronę do widoku</translation>
    </message>
    <message>
        <source>Fit to Page Width</source>
        <translation>Dopasuj do szerokości strony</translation>
    </message>
    <message>
        <source>Custom Zoom</source>
        <translation>Powiększenie niestandardowe</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj…</translation>
    </message>
    <message>
        <source>Write pdf</source>
        <translation>Zapisz jako PDF</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>Ustawienia strony…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Export current page to file</source>
        <translation>Eksportuj bieżącą stronę do pliku</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Nagłówek</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Stopka</translation>
    </message>
    <message>
        <source>Project information</source>
        <translation>Informacje o projekcie</translation>
    </message>
    <message>
        <source>Page numbers in footer</source>
        <translation>Numery stron w stopce</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Global font</source>
        <translation>Czcionka ogólna</translation>
    </message>
    <message>
        <source>Construction sketch</source>
        <translation>Szkic przegrody</translation>
    </message>
    <message>
        <source>Material data</source>
        <translation>Dane materiałowe</translation>
    </message>
    <message>
        <source>Climate data</source>
        <translation>Dane klimatyczne</translation>
    </message>
    <message>
        <source>Surface Resistance</source>
        <translation>Opory przejmowania ciepła</translation>
    </message>
    <message>
        <source>Resistances and %1 values</source>
        <translation>Opory i wartości %1</translation>
    </message>
    <message>
        <source>%1 Results - Detailed Table</source>
        <translation>Wyniki %1 – tabela szczegółowa</translation>
    </message>
    <message>
        <source>%1 Results - Summary</source>
        <translation>Wyniki %1 – podsumowanie</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser) - Summary</source>
        <translation>DIN 4108-3 (Glaser) – podsumowanie</translation>
    </message>
    <message>
        <source>Frsi check with inner surface resistance of %L1 m2K/W</source>
        <translation>Sprawdzenie fRsi przy oporze przejmowania ciepła na powierzchni wewnętrznej %L1 m²K/W</translation>
    </message>
    <message>
        <source>Construction kind for test of minimum thermal resistance
according german standard DIN 4108-2 table 3</source>
        <translation>Rodzaj przegrody do sprawdzenia minimalnej izolacyjności cieplnej
według niemieckiej normy DIN 4108-2, tablica 3</translation>
    </message>
    <message>
        <source>Temperature and moisture profiles</source>
        <translation>Rozkłady temperatury i zawartości wilgoci</translation>
    </message>
    <message>
        <source>Vapor pressure profiles</source>
        <translation>Rozkłady ciśnienia pary wodnej</translation>
    </message>
    <message>
        <source>Print Final Remarks</source>
        <translation>Drukuj uwagi końcowe</translation>
    </message>
    <message>
        <source>Update view of text in report.</source>
        <translation>Odśwież widok tekstu w raporcie.</translation>
    </message>
    <message>
        <source>Cannot print report.</source>
        <translation>Nie można wydrukować raportu.</translation>
    </message>
    <message>
        <source>Creating paint device failed.</source>
        <translation>Nie udało się utworzyć urządzenia rysującego.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Eksportuj PDF</translation>
    </message>
    <message>
        <source>Cannot write pdf file.</source>
        <translation>Nie można zapisać pliku PDF.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be written: %2</source>
        <translation>Nie udało się zapisać pliku „%1”: %2</translation>
    </message>
    <message>
        <source>Png file (*.png)</source>
        <translation>Plik PNG (*.png)</translation>
    </message>
    <message>
        <source>Pdf file (*.pdf)</source>
        <translation>Plik PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Svg file (*.svg)</source>
        <translation>Plik SVG (*.svg)</translation>
    </message>
    <message>
        <source>Jpg image (*.jpg)</source>
        <translation>Obraz JPG (*.jpg)</translation>
    </message>
    <message>
        <source>Project description:</source>
        <translation>Opis projektu:</translation>
    </message>
    <message>
        <source>U-value table (DIN EN ISO 6946)</source>
        <translation>Tabela współczynnika U (PN-EN ISO 6946)</translation>
    </message>
    <message>
        <source>DIN 4108-3 (Glaser) - Diagram over s_d</source>
        <translation>DIN 4108-3 (Glaser) – wykres w funkcji s_d</translation>
    </message>
</context>
<context>
    <name>ResistanceFrame</name>
    <message>
        <source>Thermal, Vapour Diffusion and Liquid Transport Resistances</source>
        <translation>Opory cieplne, dyfuzyjne i opory transportu cieczy</translation>
    </message>
    <message>
        <source>Layer / Material</source>
        <translation>Warstwa / materiał</translation>
    </message>
    <message>
        <source>Sum of resistances (moisture dependend)</source>
        <translation>Suma oporów (zależna od wilgotności)</translation>
    </message>
    <message>
        <source>Sum of resistances</source>
        <translation>Suma oporów</translation>
    </message>
    <message>
        <source> (moisture dependend)</source>
        <translation> (zależny od wilgotności)</translation>
    </message>
    <message>
        <source>Thermal transmission resistance:</source>
        <translation>Całkowity opór cieplny:</translation>
    </message>
    <message>
        <source>Thermal transmission coefficient:</source>
        <translation>Współczynnik przenikania ciepła:</translation>
    </message>
    <message>
        <source>R&lt;sub&gt;T&lt;/sub&gt; and U with the surface resistances of DIN EN ISO 6946 (R&lt;sub&gt;si&lt;/sub&gt; = %1 m&lt;sup&gt;2&lt;/sup&gt;K/W, R&lt;sub&gt;se&lt;/sub&gt; = %2 m&lt;sup&gt;2&lt;/sup&gt;K/W).</source>
        <translation>R&lt;sub&gt;T&lt;/sub&gt; i U przy oporach przejmowania ciepła według DIN EN ISO 6946 (R&lt;sub&gt;si&lt;/sub&gt; = %1 m&lt;sup&gt;2&lt;/sup&gt;K/W, R&lt;sub&gt;se&lt;/sub&gt; = %2 m&lt;sup&gt;2&lt;/sup&gt;K/W).</translation>
    </message>
    <message>
        <source>Resistances of the field section between the studs or rafters; the U-value of the component with its second materials (ISO 6946, upper and lower limit) is given in the summary of results.</source>
        <translation>Opory w polu między słupkami lub krokwiami; współczynnik U przegrody z jej drugimi materiałami (PN-EN ISO 6946, górna i dolna granica) podano w podsumowaniu wyników.</translation>
    </message>
</context>
<context>
    <name>ResultType</name>
    <message>
        <source>No input!</source>
        <translation>Brak danych wejściowych!</translation>
    </message>
    <message>
        <source>Invalid input!</source>
        <translation>Nieprawidłowe dane wejściowe!</translation>
    </message>
    <message>
        <source>There is no algorithm for this problem.</source>
        <translation>Brak algorytmu dla tego zagadnienia.</translation>
    </message>
    <message>
        <source>Condensation on the surface (warm side). No calculation possible.</source>
        <translation>Kondensacja na powierzchni (strona ciepła). Obliczenie niemożliwe.</translation>
    </message>
    <message>
        <source>Condensation on the surface (cold side). No calculation possible.</source>
        <translation>Kondensacja na powierzchni (strona zimna). Obliczenie niemożliwe.</translation>
    </message>
    <message>
        <source>Only one layer. No condensate possible!</source>
        <translation>Tylko jedna warstwa. Kondensat nie może wystąpić!</translation>
    </message>
    <message>
        <source>No condensate emerges!</source>
        <translation>Kondensat nie występuje!</translation>
    </message>
    <message>
        <source>t_hyg bigger than duration of winter climate!</source>
        <translation>t_hyg dłuższy niż czas trwania klimatu zimowego!</translation>
    </message>
    <message>
        <source>Condensation between layer %1 and %2!</source>
        <translation>Kondensacja między warstwami %1 i %2!</translation>
    </message>
    <message>
        <source>Condensation between layer </source>
        <translation>Kondensacja między warstwami </translation>
    </message>
    <message>
        <source>%1 and %2, </source>
        <translation>%1 i %2, </translation>
    </message>
    <message>
        <source>%1 and %2.</source>
        <translation>%1 i %2.</translation>
    </message>
    <message>
        <source>Unknown result!</source>
        <translation>Nieznany wynik!</translation>
    </message>
    <message>
        <source>Unspecific error.</source>
        <translation>Nieokreślony błąd.</translation>
    </message>
    <message>
        <source>Algorithm missing. No calculation possible.</source>
        <translation>Brak algorytmu. Obliczenie niemożliwe.</translation>
    </message>
    <message>
        <source>Surface condensation left side. No calculation possible.</source>
        <translation>Kondensacja na powierzchni po lewej stronie. Obliczenie niemożliwe.</translation>
    </message>
    <message>
        <source>Surface condensation right side. No calculation possible.</source>
        <translation>Kondensacja na powierzchni po prawej stronie. Obliczenie niemożliwe.</translation>
    </message>
    <message>
        <source>Only one layer. No condensation possible.</source>
        <translation>Tylko jedna warstwa. Kondensacja nie może wystąpić.</translation>
    </message>
    <message>
        <source>No condensation.</source>
        <translation>Brak kondensacji.</translation>
    </message>
    <message>
        <source>Too long hygroscopic loading time.</source>
        <translation>Zbyt długi czas zawilgacania higroskopijnego.</translation>
    </message>
</context>
<context>
    <name>ResultsTableFrame</name>
    <message>
        <source>Temperatures, Vapoure Pressures and Moisture Contents</source>
        <translation>Temperatury, ciśnienia pary wodnej i zawartości wilgoci</translation>
    </message>
    <message>
        <source>Layer / Material</source>
        <translation>Warstwa / materiał</translation>
    </message>
    <message>
        <source>Air layer (warm side)</source>
        <translation>Warstwa powietrza (strona ciepła)</translation>
    </message>
    <message>
        <source>Air layer (cold side)</source>
        <translation>Warstwa powietrza (strona zimna)</translation>
    </message>
    <message>
        <source>%1 - temperature,</source>
        <translation>%1 – temperatura,</translation>
    </message>
    <message>
        <source>%1 - saturation vapour pressure,</source>
        <translation>%1 – ciśnienie pary nasyconej,</translation>
    </message>
    <message>
        <source>p - vapour pressure,</source>
        <translation>p – ciśnienie pary wodnej,</translation>
    </message>
    <message>
        <source>w - moisture content,</source>
        <translation>w – zawartość wilgoci,</translation>
    </message>
    <message>
        <source>d&lt;sub&gt;c&lt;/sub&gt; - thickness of condensation layer,&lt;br/&gt;</source>
        <translation>d&lt;sub&gt;c&lt;/sub&gt; – grubość strefy kondensacji,&lt;br/&gt;</translation>
    </message>
    <message>
        <source>M&lt;sub&gt;c&lt;/sub&gt; - %1</source>
        <translation>M&lt;sub&gt;c&lt;/sub&gt; – %1</translation>
    </message>
    <message>
        <source>condensation mass</source>
        <translation>masa kondensatu</translation>
    </message>
    <message>
        <source>&amp;theta;, p&lt;sub&gt;sat&lt;/sub&gt; and p at the cold-side face of each row (warm-side air layer: inner surface; cold-side air layer: outdoor air); w at the warm / cold face of the layer; values of the condensation period (moisture storage method).</source>
        <translation>&amp;theta;, p&lt;sub&gt;sat&lt;/sub&gt; i p na powierzchni każdego wiersza od strony zimnej (warstwa powietrza po stronie ciepłej: powierzchnia wewnętrzna; warstwa powietrza po stronie zimnej: powietrze zewnętrzne); w na powierzchni warstwy od strony ciepłej / zimnej; wartości dla okresu kondensacji (metoda magazynowania wilgoci).</translation>
    </message>
</context>
<context>
    <name>ShowLogfile</name>
    <message>
        <source>Dialog</source>
        <translation>Plik dziennika</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Kopiuj do schowka</translation>
    </message>
    <message>
        <source>No logfile found at position
 %1</source>
        <translation>Nie znaleziono pliku dziennika w lokalizacji
 %1</translation>
    </message>
</context>
<context>
    <name>SketchFrame</name>
    <message>
        <source>Construction Sketch</source>
        <translation>Szkic przegrody</translation>
    </message>
    <message>
        <source>inside</source>
        <translation>wewnątrz</translation>
    </message>
    <message>
        <source>outside</source>
        <translation>na zewnątrz</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>External wall with ETICS</source>
        <translation>Ściana zewnętrzna z ociepleniem ETICS (BSO)</translation>
    </message>
    <message>
        <source>Sand-lime brick with 160 mm EPS outside: no condensate.</source>
        <translation>Cegła wapienno-piaskowa ze 160 mm styropianu od zewnątrz: brak kondensacji.</translation>
    </message>
    <message>
        <source>Timber-frame wall</source>
        <translation>Ściana szkieletowa drewniana</translation>
    </message>
    <message>
        <source>Vapour retarder behind an installation cavity: air layers and wood.</source>
        <translation>Paroizolacja za warstwą instalacyjną: warstwy powietrza i drewno.</translation>
    </message>
    <message>
        <source>Pitched roof, insulation between rafters</source>
        <translation>Dach skośny, izolacja między krokwiami</translation>
    </message>
    <message>
        <source>Humidity-variable vapour retarder, heat flow upwards through an air layer.</source>
        <translation>Paroizolacja o zmiennym oporze dyfuzyjnym, strumień ciepła w górę przez warstwę powietrza.</translation>
    </message>
    <message>
        <source>Interior insulation without vapour retarder</source>
        <translation>Izolacja od wewnątrz bez paroizolacji</translation>
    </message>
    <message>
        <source>The classic damage case: condensate behind the insulation, DIN 4108-3 not fulfilled.</source>
        <translation>Klasyczny przypadek szkody: kondensat za izolacją, wymagania DIN 4108-3 niespełnione.</translation>
    </message>
    <message>
        <source>Flat roof, warm deck</source>
        <translation>Stropodach, dach pełny niewentylowany</translation>
    </message>
    <message>
        <source>A nearly tight vapour barrier: where the Glaser scheme and the moisture-storage method differ.</source>
        <translation>Niemal szczelna paroizolacja: tu metoda Glasera i metoda magazynowania wilgoci dają różne wyniki.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>New project…</source>
        <translation>Nowy projekt…</translation>
    </message>
    <message>
        <source>Enter the project information and choose the first layer in the new-project wizard.</source>
        <translation>Wprowadź informacje o projekcie i wybierz pierwszą warstwę w kreatorze nowego projektu.</translation>
    </message>
    <message>
        <source>Open project…</source>
        <translation>Otwórz projekt…</translation>
    </message>
    <message>
        <source>Open a project file (m2p, or mpj of MIRELO 1).</source>
        <translation>Otwórz plik projektu (m2p lub mpj programu MIRELO 1).</translation>
    </message>
    <message>
        <source>Quick start</source>
        <translation>Szybki start</translation>
    </message>
    <message>
        <source>The chapter of the manual that walks through the examples.</source>
        <translation>Rozdział podręcznika omawiający przykłady.</translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation>Ostatnie projekty</translation>
    </message>
    <message>
        <source>No project opened yet.</source>
        <translation>Nie otwarto jeszcze żadnego projektu.</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Przykłady</translation>
    </message>
    <message>
        <source>The example projects were not found in %1.</source>
        <translation>Nie znaleziono przykładowych projektów w %1.</translation>
    </message>
    <message>
        <source>Published example: timber-frame wall</source>
        <translation>Przykład opublikowany: ściana w konstrukcji szkieletowej drewnianej</translation>
    </message>
    <message>
        <source>A textbook Glaser example with a vapour retarder, computed again: compare the figures.</source>
        <translation>Przykład Glasera z podręcznika, z paroizolacją, przeliczony ponownie: porównaj wartości.</translation>
    </message>
    <message>
        <source>Published example: non-ventilated flat roof</source>
        <translation>Przykład opublikowany: stropodach niewentylowany</translation>
    </message>
    <message>
        <source>A textbook Glaser example of a roof: its evaporation climate follows from the construction kind.</source>
        <translation>Przykład Glasera dla dachu z podręcznika: klimat okresu wysychania wynika z rodzaju przegrody.</translation>
    </message>
</context>
<context>
    <name>SurfaceResistanceFrame</name>
    <message>
        <source>Surface Resistances</source>
        <translation>Opory przejmowania ciepła</translation>
    </message>
    <message>
        <source>Warm side:</source>
        <translation>Strona ciepła:</translation>
    </message>
    <message>
        <source>Cold side:</source>
        <translation>Strona zimna:</translation>
    </message>
</context>
<context>
    <name>UValueFrame</name>
    <message>
        <source>Thermal Transmittance according to DIN EN ISO 6946</source>
        <translation>Współczynnik przenikania ciepła według PN-EN ISO 6946</translation>
    </message>
    <message>
        <source>heat flow upwards</source>
        <translation>strumień ciepła w górę</translation>
    </message>
    <message>
        <source>heat flow horizontal</source>
        <translation>strumień ciepła poziomy</translation>
    </message>
    <message>
        <source>heat flow downwards</source>
        <translation>strumień ciepła w dół</translation>
    </message>
    <message>
        <source>Inside surface resistance R&lt;sub&gt;si&lt;/sub&gt; (%1)</source>
        <translation>Opór przejmowania ciepła na powierzchni wewnętrznej R&lt;sub&gt;si&lt;/sub&gt; (%1)</translation>
    </message>
    <message>
        <source>Outside surface resistance R&lt;sub&gt;se&lt;/sub&gt;</source>
        <translation>Opór przejmowania ciepła na powierzchni zewnętrznej R&lt;sub&gt;se&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Total thermal resistance R&lt;sub&gt;T&lt;/sub&gt;</source>
        <translation>Całkowity opór cieplny R&lt;sub&gt;T&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Thermal transmittance (dry design values):</source>
        <translation>Współczynnik przenikania ciepła (wartości obliczeniowe, stan suchy):</translation>
    </message>
    <message>
        <source>with moisture-dependent conductivity:</source>
        <translation>przy współczynniku przewodzenia ciepła zależnym od wilgotności:</translation>
    </message>
    <message>
        <source>* Unventilated air layer: thermal resistance from the table of DIN EN ISO 6946 for its thickness and the heat-flow direction.</source>
        <translation>* Niewentylowana warstwa powietrza: opór cieplny z tablicy PN-EN ISO 6946 dla jej grubości i kierunku strumienia ciepła.</translation>
    </message>
</context>
<context>
    <name>UndoChangeDisclaimer</name>
    <message>
        <source>Change of final remarks</source>
        <translation>Zmiana uwag końcowych</translation>
    </message>
</context>
<context>
    <name>UserDialogs</name>
    <message>
        <source>User data found</source>
        <translation>Znaleziono dane użytkownika</translation>
    </message>
    <message>
        <source>The directory &apos;%1&apos; already holds a material or construction database. Use the data there, or add your own materials and constructions to it?</source>
        <translation>Katalog „%1” zawiera już bazę materiałów lub przegród. Użyć tych danych czy dodać do nich własne materiały i przegrody?</translation>
    </message>
    <message>
        <source>Use the data there</source>
        <translation>Użyj tych danych</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Scal</translation>
    </message>
</context>
<context>
    <name>UserLogoSettingsWidget</name>
    <message>
        <source>User Logo</source>
        <translation>Logo użytkownika</translation>
    </message>
    <message>
        <source>No user logo</source>
        <translation>Bez logo użytkownika</translation>
    </message>
    <message>
        <source>Logo in page header</source>
        <translation>Logo w nagłówku strony</translation>
    </message>
    <message>
        <source>Logo right from project informations</source>
        <translation>Logo na prawo od informacji o projekcie</translation>
    </message>
    <message>
        <source>Scale by width</source>
        <translation>Skaluj według szerokości</translation>
    </message>
    <message>
        <source>Scale by height</source>
        <translation>Skaluj według wysokości</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Położenie:</translation>
    </message>
    <message>
        <source>Image file:</source>
        <translation>Plik obrazu:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source>Select user logo</source>
        <translation>Wybierz logo użytkownika</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.svg)</source>
        <translation>Obrazy (*.png *.jpg *.jpeg *.bmp *.svg)</translation>
    </message>
</context>
<context>
    <name>ValidatingLineEdit</name>
    <message>
        <source>Use &apos;,&apos; or &apos;.&apos; once, as the decimal separator; digit grouping is not accepted.</source>
        <translation>Użyj &apos;,&apos; lub &apos;.&apos; tylko raz, jako separatora dziesiętnego; grupowanie cyfr nie jest akceptowane.</translation>
    </message>
    <message>
        <source>A number is needed.</source>
        <translation>Wymagana jest liczba.</translation>
    </message>
    <message>
        <source>This is not a number.</source>
        <translation>To nie jest liczba.</translation>
    </message>
    <message>
        <source>A whole number is needed.</source>
        <translation>Wymagana jest liczba całkowita.</translation>
    </message>
</context>
<context>
    <name>XMLHelpers</name>
    <message>
        <source>Invalid value for attribute &apos;%1&apos;.</source>
        <translation>Nieprawidłowa wartość atrybutu „%1”.</translation>
    </message>
    <message>
        <source>Invalid value for attribute &apos;%1&apos; of layer %2 (line %3).</source>
        <translation>Nieprawidłowa wartość atrybutu „%1” warstwy %2 (wiersz %3).</translation>
    </message>
    <message>
        <source>Invalid value for attribute &apos;%1&apos; (line %2).</source>
        <translation>Nieprawidłowa wartość atrybutu „%1” (wiersz %2).</translation>
    </message>
</context>
</TS>
