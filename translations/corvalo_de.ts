<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CCharts</name>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Kalorien</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>Weight and calories of the days on the strip</source>
        <translation>Gewicht und Kalorien der Tage in der Leiste</translation>
    </message>
    <message numerus="yes">
        <source>Weight on %n day(s), from %1 to %2.</source>
        <translation>
            <numerusform>Gewicht an %n Tag, von %1 bis %2.</numerusform>
            <numerusform>Gewicht an %n Tagen, von %1 bis %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>No weight on these days.</source>
        <translation>Kein Gewicht an diesen Tagen.</translation>
    </message>
    <message numerus="yes">
        <source>Calories on %n day(s), from %1 to %2 a day.</source>
        <translation>
            <numerusform>Kalorien an %n Tag, von %1 bis %2 am Tag.</numerusform>
            <numerusform>Kalorien an %n Tagen, von %1 bis %2 am Tag.</numerusform>
        </translation>
    </message>
    <message>
        <source>No calories on these days.</source>
        <translation>Keine Kalorien an diesen Tagen.</translation>
    </message>
</context>
<context>
    <name>CCorvaloDlg</name>
    <message>
        <source>Not changed: “%1” is no amount above zero</source>
        <translation>Nicht geändert: „%1“ ist keine Menge über null</translation>
    </message>
    <message>
        <source>Nothing can be saved in %1: %2</source>
        <translation>In %1 kann nichts gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>CDiary</name>
    <message>
        <source>Diary note of the day</source>
        <translation>Tagebuchnotiz des Tages</translation>
    </message>
</context>
<context>
    <name>CMealsList</name>
    <message>
        <source>Meals of the day</source>
        <translation>Mahlzeiten des Tages</translation>
    </message>
    <message>
        <source>Amount eaten</source>
        <translation>Gegessene Menge</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
</context>
<context>
    <name>CNewVerWarng</name>
    <message>
        <source>No, thanks</source>
        <translation>Nein, danke</translation>
    </message>
    <message>
        <source>Download the new version</source>
        <translation>Neue Version herunterladen</translation>
    </message>
    <message>
        <source>A new version of Corvalo is out</source>
        <translation>Eine neue Version von Corvalo ist erschienen</translation>
    </message>
</context>
<context>
    <name>DayStrip</name>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Voriger Monat</translation>
    </message>
    <message>
        <source>, today</source>
        <translation>, heute</translation>
    </message>
    <message>
        <source>, meals or weight</source>
        <translation>, Mahlzeiten oder Gewicht</translation>
    </message>
    <message>
        <source>, note</source>
        <translation>, Notiz</translation>
    </message>
</context>
<context>
    <name>DiaryExport</name>
    <message>
        <source>The range must run between two real dates.</source>
        <translation>Der Zeitraum muss zwischen zwei gültigen Daten liegen.</translation>
    </message>
    <message>
        <source>The first day of the range comes after its last day.</source>
        <translation>Der erste Tag des Zeitraums liegt nach seinem letzten Tag.</translation>
    </message>
    <message>
        <source>%1: the meals could not be read (%2); what could be read is exported</source>
        <translation>%1: Die Mahlzeiten konnten nicht gelesen werden (%2); exportiert wird, was sich lesen ließ</translation>
    </message>
    <message>
        <source>%1: the note could not be read</source>
        <translation>%1: Die Notiz konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Could not make the folder %1: %2</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>FoodListView</name>
    <message>
        <source>Foods</source>
        <translation>Lebensmittel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Search foods</source>
        <translation>Lebensmittel suchen</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Nutrients of the day</source>
        <translation>Nährwerte des Tages</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Tagebuch</translation>
    </message>
    <message>
        <source>Ovulation</source>
        <translation>Eisprung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Community</translation>
    </message>
</context>
<context>
    <name>NutrientText</name>
    <message>
        <source>Calories:</source>
        <translation>Kalorien:</translation>
    </message>
    <message>
        <source>Carbohydrates:</source>
        <translation>Kohlenhydrate:</translation>
    </message>
    <message>
        <source>Fat:</source>
        <translation>Fett:</translation>
    </message>
    <message>
        <source>Protein:</source>
        <translation>Eiweiß:</translation>
    </message>
    <message>
        <source>Fiber:</source>
        <translation>Ballaststoffe:</translation>
    </message>
    <message>
        <source>Calcium:</source>
        <translation>Calcium:</translation>
    </message>
    <message>
        <source>Sodium:</source>
        <translation>Natrium:</translation>
    </message>
    <message>
        <source>Saturated fat:</source>
        <translation>Gesättigte Fette:</translation>
    </message>
    <message>
        <source>Cholesterol:</source>
        <translation>Cholesterin:</translation>
    </message>
    <message>
        <source>Sugars:</source>
        <translation>Zucker:</translation>
    </message>
</context>
<context>
    <name>SaveProblem</name>
    <message>
        <source>something unexpected went wrong</source>
        <translation>etwas Unerwartetes ist schiefgegangen</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>der Datenträger meldet einen Fehler</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>zu viele Dateien sind geöffnet</translation>
    </message>
    <message>
        <source>the computer is out of memory</source>
        <translation>der Arbeitsspeicher ist voll</translation>
    </message>
    <message>
        <source>the file is in use</source>
        <translation>die Datei wird gerade verwendet</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>Systemfehler %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>der Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>no permission to read</source>
        <translation>keine Leseberechtigung</translation>
    </message>
    <message>
        <source>no permission to write</source>
        <translation>keine Schreibberechtigung</translation>
    </message>
    <message>
        <source>a folder, pipe or device sits where the file should be</source>
        <translation>statt der Datei liegt dort ein Ordner, eine Pipe oder ein Gerät</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>ihr Ordner fehlt</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>die Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Not deleted: %1</source>
        <translation>Nicht gelöscht: %1</translation>
    </message>
    <message>
        <source>Not opened: %1</source>
        <translation>Nicht geöffnet: %1</translation>
    </message>
    <message>
        <source>another program changed the file</source>
        <translation>ein anderes Programm hat die Datei geändert</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Amount / Unit</source>
        <translation>Menge / Einheit</translation>
    </message>
    <message>
        <source>This version of Corvalo
is outdated.</source>
        <translation>Diese Version von Corvalo
ist veraltet.</translation>
    </message>
    <message>
        <source>A newer version is available
for download.</source>
        <translation>Eine neuere Version steht
zum Herunterladen bereit.</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Essen</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Ovulation</source>
        <translation>Eisprung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Community</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Nein, danke</translation>
    </message>
    <message>
        <source>Click to download</source>
        <translation>Zum Herunterladen klicken</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Next Month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>Voriger Monat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Tagebuch</translation>
    </message>
    <message>
        <source>Ovulation</source>
        <translation>Eisprung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Community</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Nein, danke</translation>
    </message>
    <message>
        <source>Click to download</source>
        <translation>Zum Herunterladen klicken</translation>
    </message>
</context>
</TS>
