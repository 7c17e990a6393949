<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ActivityForm</name>
    <message>
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Activities of the day</source>
        <translation>Aktivitäten des Tages</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the chosen activity</source>
        <translation>Gewählte Aktivität entfernen</translation>
    </message>
    <message>
        <source>Activity name</source>
        <translation>Name der Aktivität</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Calories burned</source>
        <translation>Verbrannte Kalorien</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Burned: %1 kcal</source>
        <translation>Verbrannt: %1 kcal</translation>
    </message>
    <message>
        <source>Not removed: %1</source>
        <translation>Nicht entfernt: %1</translation>
    </message>
    <message>
        <source>Type what you did, like Cycling.</source>
        <translation>Geben Sie ein, was Sie gemacht haben, etwa Radfahren.</translation>
    </message>
    <message>
        <source>The name may not hold tabs.</source>
        <translation>Der Name darf keine Tabulatoren enthalten.</translation>
    </message>
    <message>
        <source>Type the minutes.</source>
        <translation>Geben Sie die Minuten ein.</translation>
    </message>
    <message>
        <source>Minutes go from 0 to 1440.</source>
        <translation>Minuten gehen von 0 bis 1440.</translation>
    </message>
    <message>
        <source>Type the calories burned.</source>
        <translation>Geben Sie die verbrannten Kalorien ein.</translation>
    </message>
    <message>
        <source>Calories burned go from 0 to 20000.</source>
        <translation>Verbrannte Kalorien gehen von 0 bis 20000.</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ActivityList</name>
    <message>
        <source>Activity…</source>
        <translation>Aktivität…</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>%1, %2 min, %3 kcal</source>
        <translation>%1, %2 Min., %3 kcal</translation>
    </message>
    <message>
        <source>%1 of the day&apos;s activity lines could not be read; they are kept as they are</source>
        <translation>%1 Zeilen der Aktivitäten des Tages konnten nicht gelesen werden; sie bleiben, wie sie sind</translation>
    </message>
    <message>
        <source>Burned %1 kcal</source>
        <translation>Aktiv: %1 kcal</translation>
    </message>
    <message>
        <source>Log what you did and the calories it burned</source>
        <translation>Eintragen, was Sie gemacht und wie viele Kalorien Sie verbrannt haben</translation>
    </message>
</context>
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
    <message>
        <source>No weight on these days.</source>
        <translation>Kein Gewicht an diesen Tagen.</translation>
    </message>
    <message>
        <source>No calories on these days.</source>
        <translation>Keine Kalorien an diesen Tagen.</translation>
    </message>
    <message>
        <source>Calorie goal: %1 a day.</source>
        <translation>Kalorienziel: %1 am Tag.</translation>
    </message>
    <message>
        <source>Trend: steady</source>
        <translation>Trend: gleichbleibend</translation>
    </message>
    <message>
        <source>Trend: %1 per week</source>
        <translation>Trend: %1 pro Woche</translation>
    </message>
    <message>
        <source>Goal %1</source>
        <translation>Ziel %1</translation>
    </message>
    <message>
        <source>Weight on 1 day: %1.</source>
        <translation>Gewicht an 1 Tag: %1.</translation>
    </message>
    <message>
        <source>Weight on %1 days, from %2 to %3.</source>
        <translation>Gewicht an %1 Tagen, von %2 bis %3.</translation>
    </message>
    <message>
        <source>Calories on 1 day: %1.</source>
        <translation>Kalorien an 1 Tag: %1.</translation>
    </message>
    <message>
        <source>Calories on %1 days, from %2 to %3 a day.</source>
        <translation>Kalorien an %1 Tagen, von %2 bis %3 am Tag.</translation>
    </message>
    <message>
        <source>Days of the strip</source>
        <translation>Tage der Leiste</translation>
    </message>
    <message>
        <source>Last 4 weeks</source>
        <translation>Letzte 4 Wochen</translation>
    </message>
    <message>
        <source>Last 3 months</source>
        <translation>Letzte 3 Monate</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>All of the diary</source>
        <translation>Das ganze Tagebuch</translation>
    </message>
    <message>
        <source>Days shown</source>
        <translation>Gezeigte Tage</translation>
    </message>
    <message>
        <source>Weight and calories: %1</source>
        <translation>Gewicht und Kalorien: %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Calories: %1</source>
        <translation>Kalorien: %1</translation>
    </message>
    <message>
        <source>Calories: %1 a day, %2 of %3 days logged</source>
        <translation>Kalorien: %1 am Tag, %2 von %3 Tagen erfasst</translation>
    </message>
    <message>
        <source>Weight: %1</source>
        <translation>Gewicht: %1</translation>
    </message>
    <message>
        <source>Weight: %1 on average</source>
        <translation>Gewicht: %1 im Mittel</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <translation>Klicken öffnet den %1</translation>
    </message>
    <message>
        <source>Report…</source>
        <translation>Bericht…</translation>
    </message>
    <message>
        <source>Report of the days shown</source>
        <translation>Bericht über die gezeigten Tage</translation>
    </message>
    <message>
        <source>Burned: %1</source>
        <translation>Verbrannt: %1</translation>
    </message>
    <message>
        <source>Burned: %1 a day on %2 days</source>
        <translation>Verbrannt: %1 am Tag an %2 Tagen</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>Calorie goal: %1 a day, more on days with calories burned.</source>
        <translation>Kalorienziel: %1 am Tag, mehr an Tagen mit verbrannten Kalorien.</translation>
    </message>
    <message>
        <source>Choose days…</source>
        <translation>Tage wählen …</translation>
    </message>
</context>
<context>
    <name>CCorvaloDlg</name>
    <message>
        <source>No web browser could be started to open %1.</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um %1 zu öffnen.</translation>
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
    <name>CElements</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
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
    <message>
        <source>Copy ticked meals to today</source>
        <translation>Angekreuzte Mahlzeiten nach heute kopieren</translation>
    </message>
    <message>
        <source>Copy meals to today</source>
        <translation>Mahlzeiten nach heute kopieren</translation>
    </message>
    <message>
        <source>Copy meals from the previous day</source>
        <translation>Mahlzeiten vom Vortag kopieren</translation>
    </message>
    <message>
        <source>%1, %2 %3, %4 kcal</source>
        <translation>%1, %2 %3, %4 kcal</translation>
    </message>
    <message>
        <source>Space ticks a row, F2 changes its amount; Delete Selected removes the ticked rows.</source>
        <translation>Leertaste hakt eine Zeile ab, F2 ändert ihre Menge; „Auswahl löschen“ entfernt die abgehakten Zeilen.</translation>
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
    <name>DayRangeForm</name>
    <message>
        <source>Days shown</source>
        <translation>Gezeigte Tage</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>The first day comes after the last.</source>
        <translation>Der erste Tag liegt nach dem letzten.</translation>
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
    <message>
        <source>Copy meals from the previous day</source>
        <translation>Mahlzeiten vom Vortag kopieren</translation>
    </message>
    <message>
        <source>Copy meals to today</source>
        <translation>Mahlzeiten nach heute kopieren</translation>
    </message>
    <message>
        <source>Day complete: all eaten is logged</source>
        <translation>Tag vollständig: alles Gegessene ist eingetragen</translation>
    </message>
</context>
<context>
    <name>DayWriter</name>
    <message>
        <source>Cleared the list of 1 meal.</source>
        <translation>Liste geleert, 1 Mahlzeit.</translation>
    </message>
    <message>
        <source>Cleared the list of %1 meals.</source>
        <translation>Liste geleert, %1 Mahlzeiten.</translation>
    </message>
    <message>
        <source>Deleted 1 meal.</source>
        <translation>1 Mahlzeit gelöscht.</translation>
    </message>
    <message>
        <source>Deleted %1 meals.</source>
        <translation>%1 Mahlzeiten gelöscht.</translation>
    </message>
    <message>
        <source>Changed an amount.</source>
        <translation>Eine Menge geändert.</translation>
    </message>
    <message>
        <source>Changed the list.</source>
        <translation>Die Liste geändert.</translation>
    </message>
    <message>
        <source>Added 1 meal.</source>
        <translation>1 Mahlzeit hinzugefügt.</translation>
    </message>
    <message>
        <source>Added %1 meals.</source>
        <translation>%1 Mahlzeiten hinzugefügt.</translation>
    </message>
    <message>
        <source>Added %1.</source>
        <translation>%1 hinzugefügt.</translation>
    </message>
    <message>
        <source>Copied 1 meal to today.</source>
        <translation>1 Mahlzeit nach heute kopiert.</translation>
    </message>
    <message>
        <source>Copied %1 meals to today.</source>
        <translation>%1 Mahlzeiten nach heute kopiert.</translation>
    </message>
    <message>
        <source>Copied 1 meal to %1.</source>
        <translation>1 Mahlzeit auf %1 kopiert.</translation>
    </message>
    <message>
        <source>Copied %1 meals to %2.</source>
        <translation>%1 Mahlzeiten auf %2 kopiert.</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d. MMM</translation>
    </message>
</context>
<context>
    <name>DiaryConnection</name>
    <message>
        <source>The diary stays in %1: %2</source>
        <translation>Das Tagebuch bleibt in %1: %2</translation>
    </message>
    <message>
        <source>Diary moved to %1: %2 days copied, %3 joined with the days there</source>
        <translation>Tagebuch nach %1 verschoben: %2 Tage kopiert, %3 mit den Tagen dort zusammengeführt</translation>
    </message>
    <message>
        <source>Diary opened in %1</source>
        <translation>Tagebuch in %1 geöffnet</translation>
    </message>
    <message>
        <source>Merged the copy of %1.</source>
        <translation>Die Kopie von %1 zusammengeführt.</translation>
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
        <source>The recipes could not be read (%1)</source>
        <translation>Die Rezepte konnten nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>%1: the note could not be read</source>
        <translation>%1: Die Notiz konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Could not make the folder %1: %2</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1: the weight could not be read (%2)</source>
        <translation>%1: Das Gewicht konnte nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 wurde nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>%1 was not written: %2. Written: %3</source>
        <translation>%1 wurde nicht geschrieben: %2. Geschrieben: %3</translation>
    </message>
    <message>
        <source>%1: the activities could not be read (%2)</source>
        <translation>%1: Die Aktivitäten konnten nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>Could not write into the folder %1: %2</source>
        <translation>Konnte nicht in den Ordner %1 schreiben: %2</translation>
    </message>
</context>
<context>
    <name>DiaryFolderGroup</name>
    <message>
        <source>Diary folder</source>
        <translation>Tagebuchordner</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Move my diary there</source>
        <translation>Mein Tagebuch dorthin verschieben</translation>
    </message>
    <message>
        <source>Open the diary that is in that folder</source>
        <translation>Das Tagebuch in diesem Ordner öffnen</translation>
    </message>
    <message>
        <source>Move or open</source>
        <translation>Verschieben oder öffnen</translation>
    </message>
    <message>
        <source>A day kept in both folders is joined, never overwritten.</source>
        <translation>Ein Tag, den beide Ordner haben, wird zusammengeführt, nie überschrieben.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wählen…</translation>
    </message>
    <message>
        <source>Choose the diary folder</source>
        <translation>Tagebuchordner wählen</translation>
    </message>
    <message>
        <source>Diary folder: %1</source>
        <translation>Tagebuchordner: %1</translation>
    </message>
</context>
<context>
    <name>DiaryFollower</name>
    <message>
        <source>%1 has a copy from another computer</source>
        <translation>%1 hat eine Kopie von einem anderen Computer</translation>
    </message>
    <message>
        <source>Your own foods have a copy from another computer</source>
        <translation>Ihre eigenen Lebensmittel haben eine Kopie von einem anderen Computer</translation>
    </message>
    <message numerus="yes">
        <source> (and %n more)</source>
        <translation>
            <numerusform> (und %n weitere)</numerusform>
            <numerusform> (und %n weitere)</numerusform>
        </translation>
    </message>
    <message>
        <source>Click to merge</source>
        <translation>Zum Zusammenführen klicken</translation>
    </message>
</context>
<context>
    <name>DiaryLocation</name>
    <message>
        <source>The file that remembers your diary folder (%1) could not be read; the usual folder is used.</source>
        <translation>Die Datei, die sich Ihren Tagebuchordner merkt (%1), konnte nicht gelesen werden; der übliche Ordner wird verwendet.</translation>
    </message>
    <message>
        <source>Your diary folder %1 is not there (is its disk connected?); the usual folder is used meanwhile.</source>
        <translation>Ihr Tagebuchordner %1 ist nicht da (ist sein Datenträger angeschlossen?); bis dahin wird der übliche Ordner verwendet.</translation>
    </message>
    <message>
        <source>CORVALO_DATA names %1, which is not a folder and cannot be made one; the usual folder is used.</source>
        <translation>CORVALO_DATA nennt %1, das kein Ordner ist und keiner werden kann; der übliche Ordner wird verwendet.</translation>
    </message>
    <message>
        <source>given with --data</source>
        <translation>mit --data angegeben</translation>
    </message>
    <message>
        <source>set by CORVALO_DATA</source>
        <translation>durch CORVALO_DATA bestimmt</translation>
    </message>
    <message>
        <source>chosen in Settings</source>
        <translation>in den Optionen gewählt</translation>
    </message>
    <message>
        <source>beside the program</source>
        <translation>neben dem Programm</translation>
    </message>
    <message>
        <source>the per-user data folder</source>
        <translation>der Datenordner des Benutzers</translation>
    </message>
</context>
<context>
    <name>ExportGroup</name>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Days as CSV files: the meals, the day totals and the notes.</source>
        <translation>Tage als CSV-Dateien: Mahlzeiten, Tagessummen und Notizen.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Export from</source>
        <translation>Export ab</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Export to</source>
        <translation>Export bis</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Fortschritt des Exports</translation>
    </message>
    <message>
        <source>Export to which folder?</source>
        <translation>In welchen Ordner exportieren?</translation>
    </message>
    <message>
        <source>Type the first and the last day as YYYY-MM-DD, the first not after the last.</source>
        <translation>Den ersten und den letzten Tag als JJJJ-MM-TT eingeben, den ersten nicht nach dem letzten.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export cancelled; no file was written.</source>
        <translation>Export abgebrochen; keine Datei wurde geschrieben.</translation>
    </message>
    <message>
        <source>Export not complete: %1</source>
        <translation>Export nicht vollständig: %1</translation>
    </message>
    <message>
        <source>Exported %1 to %2, but: %3</source>
        <translation>%1 nach %2 exportiert, aber: %3</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>%1 nach %2 exportiert.</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
</context>
<context>
    <name>FileNotices</name>
    <message>
        <source>Nothing can be saved in %1: %2</source>
        <translation>In %1 kann nichts gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>FoodForm</name>
    <message>
        <source>Edit food</source>
        <translation>Lebensmittel bearbeiten</translation>
    </message>
    <message>
        <source>New food</source>
        <translation>Neues Lebensmittel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>grams (g)</source>
        <translation>Gramm (g)</translation>
    </message>
    <message>
        <source>millilitres (mL)</source>
        <translation>Milliliter (mL)</translation>
    </message>
    <message>
        <source>Measured in</source>
        <translation>Gemessen in</translation>
    </message>
    <message>
        <source>Values for</source>
        <translation>Werte für</translation>
    </message>
    <message>
        <source>Serving</source>
        <translation>Portion</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>+ Unit</source>
        <translation>+ Einheit</translation>
    </message>
    <message>
        <source>Add a unit</source>
        <translation>Eine Einheit hinzufügen</translation>
    </message>
    <message>
        <source>e.g. slice</source>
        <translation>z. B. Scheibe</translation>
    </message>
    <message>
        <source>Unit name</source>
        <translation>Name der Einheit</translation>
    </message>
    <message>
        <source>Amount in one unit</source>
        <translation>Menge in einer Einheit</translation>
    </message>
    <message>
        <source>Remove the unit</source>
        <translation>Einheit entfernen</translation>
    </message>
    <message>
        <source>100 mL</source>
        <translation>100 mL</translation>
    </message>
    <message>
        <source>100 g</source>
        <translation>100 g</translation>
    </message>
    <message>
        <source>a serving of</source>
        <translation>eine Portion von</translation>
    </message>
    <message>
        <source>Every drink has mL and fl.oz; add the ones you use:</source>
        <translation>Jedes Getränk hat mL und fl.oz; dazu Ihre eigenen:</translation>
    </message>
    <message>
        <source>Every food has g and oz; add the ones you use:</source>
        <translation>Jedes Lebensmittel hat g und oz; dazu Ihre eigenen:</translation>
    </message>
    <message>
        <source>Give the food a name.</source>
        <translation>Geben Sie dem Lebensmittel einen Namen.</translation>
    </message>
    <message>
        <source>A name cannot start with # or hold a tab.</source>
        <translation>Ein Name darf nicht mit # beginnen und keinen Tabulator enthalten.</translation>
    </message>
    <message>
        <source>There is already a food called “%1”.</source>
        <translation>Es gibt schon ein Lebensmittel namens „%1“.</translation>
    </message>
    <message>
        <source>Type how many %1 the serving has.</source>
        <translation>Geben Sie ein, wie viele %1 die Portion hat.</translation>
    </message>
    <message>
        <source>A serving must have more than 0 %1.</source>
        <translation>Eine Portion muss mehr als 0 %1 haben.</translation>
    </message>
    <message>
        <source>%1: “%2” is no number. Type it like 12.5, or leave the box empty.</source>
        <translation>%1: „%2“ ist keine Zahl. Geben Sie sie wie 12.5 ein oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>%1 cannot be less than 0.</source>
        <translation>%1 kann nicht unter 0 liegen.</translation>
    </message>
    <message>
        <source>Give the unit of %1 %2 a name.</source>
        <translation>Geben Sie der Einheit mit %1 %2 einen Namen.</translation>
    </message>
    <message>
        <source>A unit&apos;s name cannot hold a tab.</source>
        <translation>Der Name einer Einheit darf keinen Tabulator enthalten.</translation>
    </message>
    <message>
        <source>Type how many %1 one “%2” has.</source>
        <translation>Geben Sie ein, wie viele %1 „%2“ hat.</translation>
    </message>
    <message>
        <source>“%1”: “%2” is no number.</source>
        <translation>„%1“: „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>One “%1” must have more than 0 %2.</source>
        <translation>„%1“ muss mehr als 0 %2 haben.</translation>
    </message>
    <message>
        <source>The unit “%1” is there already.</source>
        <translation>Die Einheit „%1“ gibt es schon.</translation>
    </message>
    <message>
        <source>A food has ten units at most.</source>
        <translation>Ein Lebensmittel hat höchstens zehn Einheiten.</translation>
    </message>
    <message>
        <source>More nutrients</source>
        <translation>Weitere Nährstoffe</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation>„%1“: %2</translation>
    </message>
</context>
<context>
    <name>FoodListActions</name>
    <message>
        <source>+ New</source>
        <translation>+ Neu</translation>
    </message>
    <message>
        <source>New food…</source>
        <translation>Neues Lebensmittel…</translation>
    </message>
    <message>
        <source>New food</source>
        <translation>Neues Lebensmittel</translation>
    </message>
    <message>
        <source>Quick Add…</source>
        <translation>Schnell erfassen…</translation>
    </message>
    <message>
        <source>Log calories without a food</source>
        <translation>Kalorien ohne Lebensmittel eintragen</translation>
    </message>
    <message>
        <source>Quick add</source>
        <translation>Schnell erfassen</translation>
    </message>
    <message>
        <source>Edit food…</source>
        <translation>Lebensmittel bearbeiten…</translation>
    </message>
    <message>
        <source>Delete food</source>
        <translation>Lebensmittel löschen</translation>
    </message>
    <message>
        <source>Quick add…</source>
        <translation>Schnell erfassen…</translation>
    </message>
    <message>
        <source>Delete “%1” from your own foods? Days that list it keep their entries.</source>
        <translation>„%1“ aus Ihren eigenen Lebensmitteln löschen? Tage, an denen Sie es gegessen haben, behalten ihre Einträge.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>This food was changed elsewhere meanwhile. Close the form and open it again.</source>
        <translation>Dieses Lebensmittel wurde inzwischen anderswo geändert. Schließen Sie das Formular und öffnen Sie es erneut.</translation>
    </message>
    <message>
        <source>Deleted your food “%1”.</source>
        <translation>Ihr Lebensmittel „%1“ gelöscht.</translation>
    </message>
</context>
<context>
    <name>FoodListModel</name>
    <message>
        <source>%1 (own food)</source>
        <translation>%1 (eigenes Lebensmittel)</translation>
    </message>
    <message>
        <source>%1 (recipe)</source>
        <translation>%1 (Rezept)</translation>
    </message>
    <message>
        <source>%1 (close match)</source>
        <translation>%1 (ähnlicher Treffer)</translation>
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
    <name>FoodPage</name>
    <message>
        <source>Not changed: “%1” is no amount above zero</source>
        <translation>Nicht geändert: „%1“ ist keine Menge über null</translation>
    </message>
    <message>
        <source>Not changed: %1</source>
        <translation>Nicht geändert: %1</translation>
    </message>
    <message>
        <source>Not changed: “%1” is more than any amount (at most 100000)</source>
        <translation>Nicht geändert: „%1“ ist mehr als jede Menge (höchstens 100000)</translation>
    </message>
    <message>
        <source>Nothing deleted: tick the meals to delete (click their boxes or press Space), then press Delete Selected.</source>
        <translation>Nichts gelöscht: Haken Sie die zu löschenden Mahlzeiten an (Kästchen anklicken oder Leertaste), dann „Auswahl löschen“ drücken.</translation>
    </message>
</context>
<context>
    <name>FoodPicker</name>
    <message>
        <source>Search the foods to add</source>
        <translation>Lebensmittel zum Hinzufügen suchen</translation>
    </message>
    <message>
        <source>Type two letters of each word</source>
        <translation>Zwei Buchstaben je Wort eingeben</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Foods to add</source>
        <translation>Lebensmittel zum Hinzufügen</translation>
    </message>
    <message>
        <source>Amount to add</source>
        <translation>Menge zum Hinzufügen</translation>
    </message>
    <message>
        <source>Unit to add</source>
        <translation>Einheit zum Hinzufügen</translation>
    </message>
    <message>
        <source>+ Add</source>
        <translation>+ Hinzufügen</translation>
    </message>
    <message>
        <source>Add the food to the recipe</source>
        <translation>Das Lebensmittel dem Rezept hinzufügen</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Choose a food in the list to add it.</source>
        <translation>Wählen Sie in der Liste ein Lebensmittel, um es hinzuzufügen.</translation>
    </message>
    <message>
        <source>Type an amount above 0 to add, like 2 or 0.5.</source>
        <translation>Geben Sie eine Menge über 0 ein, wie 2 oder 0.5.</translation>
    </message>
</context>
<context>
    <name>ImportFile</name>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>„%1“ ist kein Datum</translation>
    </message>
    <message>
        <source>&quot;%1&quot; under %2 is not an amount</source>
        <translation>„%1“ unter %2 ist keine Menge</translation>
    </message>
    <message>
        <source>Measurements other than weight, not imported: %1</source>
        <translation>Andere Messwerte als das Gewicht, nicht importiert: %1</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>Not a file Corvalo can import: its first line names none of the columns of Cronometer&apos;s, MyFitnessPal&apos;s or Corvalo&apos;s export.</source>
        <translation>Keine Datei, die Corvalo importieren kann: Ihre erste Zeile nennt keine der Spalten aus dem Export von Cronometer, MyFitnessPal oder Corvalo.</translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation>Die Datei konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: refused</source>
        <translation>%1: abgelehnt</translation>
    </message>
    <message>
        <source>Nothing is imported while a file is refused.</source>
        <translation>Solange eine Datei abgelehnt ist, wird nichts importiert.</translation>
    </message>
    <message>
        <source>The files hold nothing to import.</source>
        <translation>Die Dateien enthalten nichts zum Importieren.</translation>
    </message>
    <message>
        <source>Days: %1, from %2 to %3</source>
        <translation>Tage: %1, vom %2 bis %3</translation>
    </message>
    <message>
        <source>Entries: %1, added after the entries a day already has</source>
        <translation>Einträge: %1, nach den Einträgen angefügt, die ein Tag schon hat</translation>
    </message>
    <message>
        <source>Weights: %1</source>
        <translation>Gewichte: %1</translation>
    </message>
    <message>
        <source>Days that keep the weight they already have: %1</source>
        <translation>Tage, die ihr vorhandenes Gewicht behalten: %1</translation>
    </message>
    <message>
        <source>Weights converted from lbs to kg: %1</source>
        <translation>Gewichte von lbs in kg umgerechnet: %1</translation>
    </message>
    <message>
        <source>Weights converted from kg to lbs: %1</source>
        <translation>Gewichte von kg in lbs umgerechnet: %1</translation>
    </message>
    <message>
        <source>Notes: %1</source>
        <translation>Notizen: %1</translation>
    </message>
    <message>
        <source>Added below the note a day already has: %1</source>
        <translation>Unter die vorhandene Notiz eines Tages angefügt: %1</translation>
    </message>
    <message>
        <source>No day of the range has data yet.</source>
        <translation>Noch kein Tag des Zeitraums hat Daten.</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>Days that already have data: %1</source>
        <translation>Tage, die schon Daten haben: %1</translation>
    </message>
    <message>
        <source>Line %1 is left out: %2.</source>
        <translation>Zeile %1 wird ausgelassen: %2.</translation>
    </message>
    <message>
        <source>Cronometer servings</source>
        <translation>Cronometer-Portionen</translation>
    </message>
    <message>
        <source>Cronometer biometrics</source>
        <translation>Cronometer-Körperwerte</translation>
    </message>
    <message>
        <source>Cronometer notes</source>
        <translation>Cronometer-Notizen</translation>
    </message>
    <message>
        <source>MyFitnessPal nutrition summary</source>
        <translation>MyFitnessPal-Nährwertübersicht</translation>
    </message>
    <message>
        <source>MyFitnessPal measurements</source>
        <translation>MyFitnessPal-Messwerte</translation>
    </message>
    <message>
        <source>Corvalo meals</source>
        <translation>Corvalo-Mahlzeiten</translation>
    </message>
    <message>
        <source>Corvalo days</source>
        <translation>Corvalo-Tage</translation>
    </message>
    <message>
        <source>Corvalo notes</source>
        <translation>Corvalo-Notizen</translation>
    </message>
    <message>
        <source>More lines left out: %1</source>
        <translation>Weitere ausgelassene Zeilen: %1</translation>
    </message>
    <message>
        <source>Not added again, as an earlier import brought them: %1</source>
        <translation>Nicht noch einmal angefügt, da ein früherer Import sie brachte: %1</translation>
    </message>
</context>
<context>
    <name>ImportForm</name>
    <message>
        <source>Import which files?</source>
        <translation>Welche Dateien importieren?</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.CSV);;All files (*)</source>
        <translation>CSV-Dateien (*.csv *.CSV);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Imported entries: %1, weights: %2, notes: %3.</source>
        <translation>Importiert: %1 Einträge, %2 Gewichte, %3 Notizen.</translation>
    </message>
    <message>
        <source>Import not complete: %1 %2</source>
        <translation>Import nicht vollständig: %1 %2</translation>
    </message>
    <message>
        <source>Import from another diary</source>
        <translation>Aus einem anderen Tagebuch importieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>What the files hold</source>
        <translation>Was die Dateien enthalten</translation>
    </message>
    <message>
        <source>What the import would write</source>
        <translation>Was der Import schreiben würde</translation>
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
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Community</translation>
    </message>
    <message>
        <source>Nutrients</source>
        <translation>Nährwerte</translation>
    </message>
</context>
<context>
    <name>MergeForm</name>
    <message>
        <source>no weight</source>
        <translation>kein Gewicht</translation>
    </message>
    <message>
        <source>Merge the copy from another computer</source>
        <translation>Kopie von einem anderen Computer zusammenführen</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Your own foods</source>
        <translation>Ihre eigenen Lebensmittel</translation>
    </message>
    <message>
        <source>Copy: %1</source>
        <translation>Kopie: %1</translation>
    </message>
    <message>
        <source>Both sides: the meals ticked below</source>
        <translation>Beide Seiten: die unten angehakten Mahlzeiten</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>Meine behalten</translation>
    </message>
    <message>
        <source>Keep theirs</source>
        <translation>Die andere behalten</translation>
    </message>
    <message>
        <source>Both sides: not possible for a weight</source>
        <translation>Beide Seiten: bei einem Gewicht nicht möglich</translation>
    </message>
    <message>
        <source>Keep mine: %1</source>
        <translation>Meines behalten: %1</translation>
    </message>
    <message>
        <source>Keep theirs: %1</source>
        <translation>Das andere behalten: %1</translation>
    </message>
    <message>
        <source>Both texts, mine first</source>
        <translation>Beide Texte, meiner zuerst</translation>
    </message>
    <message>
        <source>Both tables, mine where a food differs</source>
        <translation>Beide Tabellen, meine, wo ein Lebensmittel abweicht</translation>
    </message>
    <message>
        <source>Both tables, theirs where a food differs</source>
        <translation>Beide Tabellen, die andere, wo ein Lebensmittel abweicht</translation>
    </message>
    <message>
        <source>What to keep</source>
        <translation>Was behalten wird</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Meals after the merge</source>
        <translation>Mahlzeiten nach dem Zusammenführen</translation>
    </message>
    <message>
        <source>Preview of the result</source>
        <translation>Vorschau des Ergebnisses</translation>
    </message>
    <message>
        <source>both</source>
        <translation>beide</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>dieser Computer</translation>
    </message>
    <message>
        <source>other computer</source>
        <translation>anderer Computer</translation>
    </message>
    <message>
        <source>%1 %2  %3  (%4)</source>
        <translation>%1 %2  %3  (%4)</translation>
    </message>
</context>
<context>
    <name>NutrientCatalogue</name>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Protein</source>
        <translation>Eiweiß</translation>
    </message>
    <message>
        <source>Carbohydrates</source>
        <translation>Kohlenhydrate</translation>
    </message>
    <message>
        <source>Fat</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Fibre</source>
        <translation>Ballaststoffe</translation>
    </message>
    <message>
        <source>Sugars</source>
        <translation>Zucker</translation>
    </message>
    <message>
        <source>Starch</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Saturated fat</source>
        <translation>Gesättigte Fette</translation>
    </message>
    <message>
        <source>Monounsaturated fat</source>
        <translation>Einfach ungesättigte Fette</translation>
    </message>
    <message>
        <source>Polyunsaturated fat</source>
        <translation>Mehrfach ungesättigte Fette</translation>
    </message>
    <message>
        <source>Trans fat</source>
        <translation>Transfette</translation>
    </message>
    <message>
        <source>Omega-3 fatty acids</source>
        <translation>Omega-3-Fettsäuren</translation>
    </message>
    <message>
        <source>Omega-6 fatty acids</source>
        <translation>Omega-6-Fettsäuren</translation>
    </message>
    <message>
        <source>Cholesterol</source>
        <translation>Cholesterin</translation>
    </message>
    <message>
        <source>Phytosterols</source>
        <translation>Phytosterine</translation>
    </message>
    <message>
        <source>Alanine</source>
        <translation>Alanin</translation>
    </message>
    <message>
        <source>Arginine</source>
        <translation>Arginin</translation>
    </message>
    <message>
        <source>Aspartic acid</source>
        <translation>Asparaginsäure</translation>
    </message>
    <message>
        <source>Cystine</source>
        <translation>Cystin</translation>
    </message>
    <message>
        <source>Glutamic acid</source>
        <translation>Glutaminsäure</translation>
    </message>
    <message>
        <source>Glycine</source>
        <translation>Glycin</translation>
    </message>
    <message>
        <source>Histidine</source>
        <translation>Histidin</translation>
    </message>
    <message>
        <source>Hydroxyproline</source>
        <translation>Hydroxyprolin</translation>
    </message>
    <message>
        <source>Isoleucine</source>
        <translation>Isoleucin</translation>
    </message>
    <message>
        <source>Leucine</source>
        <translation>Leucin</translation>
    </message>
    <message>
        <source>Lysine</source>
        <translation>Lysin</translation>
    </message>
    <message>
        <source>Methionine</source>
        <translation>Methionin</translation>
    </message>
    <message>
        <source>Phenylalanine</source>
        <translation>Phenylalanin</translation>
    </message>
    <message>
        <source>Proline</source>
        <translation>Prolin</translation>
    </message>
    <message>
        <source>Serine</source>
        <translation>Serin</translation>
    </message>
    <message>
        <source>Threonine</source>
        <translation>Threonin</translation>
    </message>
    <message>
        <source>Tryptophan</source>
        <translation>Tryptophan</translation>
    </message>
    <message>
        <source>Tyrosine</source>
        <translation>Tyrosin</translation>
    </message>
    <message>
        <source>Valine</source>
        <translation>Valin</translation>
    </message>
    <message>
        <source>Vitamin A (RAE)</source>
        <translation>Vitamin A (RAE)</translation>
    </message>
    <message>
        <source>Vitamin A (IU)</source>
        <translation>Vitamin A (IE)</translation>
    </message>
    <message>
        <source>Retinol</source>
        <translation>Retinol</translation>
    </message>
    <message>
        <source>Beta-carotene</source>
        <translation>Beta-Carotin</translation>
    </message>
    <message>
        <source>Alpha-carotene</source>
        <translation>Alpha-Carotin</translation>
    </message>
    <message>
        <source>Beta-cryptoxanthin</source>
        <translation>Beta-Cryptoxanthin</translation>
    </message>
    <message>
        <source>Vitamin B1 (thiamin)</source>
        <translation>Vitamin B1 (Thiamin)</translation>
    </message>
    <message>
        <source>Vitamin B2 (riboflavin)</source>
        <translation>Vitamin B2 (Riboflavin)</translation>
    </message>
    <message>
        <source>Vitamin B3 (niacin)</source>
        <translation>Vitamin B3 (Niacin)</translation>
    </message>
    <message>
        <source>Vitamin B5 (pantothenic acid)</source>
        <translation>Vitamin B5 (Pantothensäure)</translation>
    </message>
    <message>
        <source>Vitamin B6</source>
        <translation>Vitamin B6</translation>
    </message>
    <message>
        <source>Folate</source>
        <translation>Folat</translation>
    </message>
    <message>
        <source>Vitamin B12</source>
        <translation>Vitamin B12</translation>
    </message>
    <message>
        <source>Choline</source>
        <translation>Cholin</translation>
    </message>
    <message>
        <source>Vitamin C</source>
        <translation>Vitamin C</translation>
    </message>
    <message>
        <source>Vitamin D</source>
        <translation>Vitamin D</translation>
    </message>
    <message>
        <source>Vitamin E (alpha-tocopherol)</source>
        <translation>Vitamin E (Alpha-Tocopherol)</translation>
    </message>
    <message>
        <source>Beta-tocopherol</source>
        <translation>Beta-Tocopherol</translation>
    </message>
    <message>
        <source>Gamma-tocopherol</source>
        <translation>Gamma-Tocopherol</translation>
    </message>
    <message>
        <source>Delta-tocopherol</source>
        <translation>Delta-Tocopherol</translation>
    </message>
    <message>
        <source>Vitamin K</source>
        <translation>Vitamin K</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcium</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>Fluoride</source>
        <translation>Fluorid</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesium</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Mangan</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Phosphor</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Kalium</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selen</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Natrium</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zink</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Alcohol</source>
        <translation>Alkohol</translation>
    </message>
    <message>
        <source>Caffeine</source>
        <translation>Koffein</translation>
    </message>
    <message>
        <source>Ash</source>
        <translation>Asche</translation>
    </message>
    <message>
        <source>Lycopene</source>
        <translation>Lycopin</translation>
    </message>
    <message>
        <source>Lutein and zeaxanthin</source>
        <translation>Lutein und Zeaxanthin</translation>
    </message>
    <message>
        <source>Energy and macronutrients</source>
        <translation>Energie und Makronährstoffe</translation>
    </message>
    <message>
        <source>Lipids and fatty acids</source>
        <translation>Fette und Fettsäuren</translation>
    </message>
    <message>
        <source>Protein and amino acids</source>
        <translation>Eiweiß und Aminosäuren</translation>
    </message>
    <message>
        <source>Vitamins</source>
        <translation>Vitamine</translation>
    </message>
    <message>
        <source>Minerals</source>
        <translation>Mineralstoffe</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
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
    <name>NutrientsPage</name>
    <message>
        <source>Nutrients</source>
        <translation>Nährwerte</translation>
    </message>
    <message>
        <source>This day</source>
        <translation>Dieser Tag</translation>
    </message>
    <message>
        <source>The strip&apos;s 29 days</source>
        <translation>Die 29 Tage der Leiste</translation>
    </message>
    <message>
        <source>7 days to this day</source>
        <translation>7 Tage bis zu diesem Tag</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Nutrient</source>
        <translation>Nährstoff</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>Obergrenze</translation>
    </message>
    <message>
        <source>Known for</source>
        <translation>Bekannt für</translation>
    </message>
    <message>
        <source>The share of the calories from foods whose data gives this nutrient</source>
        <translation>Der Anteil der Kalorien aus Lebensmitteln, deren Daten diesen Nährstoff angeben</translation>
    </message>
    <message>
        <source>Foods that gave the nutrient</source>
        <translation>Lebensmittel, die den Nährstoff lieferten</translation>
    </message>
    <message>
        <source>%1 of %2 days logged, average per logged day</source>
        <translation>%1 von %2 Tagen erfasst, Mittel je erfasstem Tag</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1 % of %2</source>
        <translation>%1 % von %2</translation>
    </message>
    <message>
        <source>Not held against food: %1</source>
        <translation>Gilt nicht für Lebensmittel: %1</translation>
    </message>
    <message>
        <source>Known for foods giving %1 % of the calories</source>
        <translation>Bekannt für Lebensmittel mit %1 % der Kalorien</translation>
    </message>
    <message>
        <source>Foods that gave %1</source>
        <translation>Lebensmittel, die %1 lieferten</translation>
    </message>
    <message>
        <source>Foods that gave %1, per logged day</source>
        <translation>Lebensmittel, die %1 lieferten, je erfasstem Tag</translation>
    </message>
    <message>
        <source>Targets: choose whom for in the Settings</source>
        <translation>Ziele: für wen, steht in den Optionen</translation>
    </message>
    <message>
        <source>For the person chosen under “Nutrient targets for” in the Settings, by the %1; or your own, set below the list</source>
        <translation>Für die Person unter „Nährstoffziele für“ in den Optionen, nach den %1; oder Ihre eigenen, unter der Liste gesetzt</translation>
    </message>
    <message>
        <source>%1, not held against food</source>
        <translation>%1, gilt nicht für Lebensmittel</translation>
    </message>
</context>
<context>
    <name>ProfileGroup</name>
    <message>
        <source>No one</source>
        <translation>Niemand</translation>
    </message>
    <message>
        <source>Nutrient targets for</source>
        <translation>Nährstoffziele für</translation>
    </message>
    <message>
        <source>Age in years</source>
        <translation>Alter in Jahren</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Frau</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Mann</translation>
    </message>
    <message>
        <source>Woman, pregnant</source>
        <translation>Frau, schwanger</translation>
    </message>
    <message>
        <source>Woman, breastfeeding</source>
        <translation>Frau, stillend</translation>
    </message>
</context>
<context>
    <name>QuickAddForm</name>
    <message>
        <source>Quick add</source>
        <translation>Schnell erfassen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Only the calories are needed.</source>
        <translation>Nur die Kalorien sind nötig.</translation>
    </message>
    <message>
        <source>Type the calories.</source>
        <translation>Geben Sie die Kalorien ein.</translation>
    </message>
    <message>
        <source>The calories must be more than 0.</source>
        <translation>Die Kalorien müssen über 0 liegen.</translation>
    </message>
    <message>
        <source>%1 cannot be less than 0.</source>
        <translation>%1 kann nicht unter 0 liegen.</translation>
    </message>
    <message>
        <source>A number is too large.</source>
        <translation>Eine Zahl ist zu groß.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>RecipeActions</name>
    <message>
        <source>Save ticked meals as a recipe…</source>
        <translation>Angehakte Mahlzeiten als Rezept speichern…</translation>
    </message>
    <message>
        <source>Save meals as a recipe…</source>
        <translation>Mahlzeiten als Rezept speichern…</translation>
    </message>
    <message>
        <source>Saved recipe “%1”</source>
        <translation>Rezept „%1“ gespeichert</translation>
    </message>
    <message>
        <source>There is already a food called “%1”. Give the recipe another name.</source>
        <translation>Es gibt schon ein Lebensmittel namens „%1“. Gib dem Rezept einen anderen Namen.</translation>
    </message>
    <message>
        <source>The recipe cannot be saved: %1</source>
        <translation>Das Rezept kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Split into ingredients</source>
        <translation>In Zutaten aufteilen</translation>
    </message>
</context>
<context>
    <name>RecipeForm</name>
    <message>
        <source>Edit recipe</source>
        <translation>Rezept bearbeiten</translation>
    </message>
    <message>
        <source>New recipe</source>
        <translation>Neues Rezept</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Recipe name</source>
        <translation>Name des Rezepts</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Servings</source>
        <translation>Portionen</translation>
    </message>
    <message>
        <source>Cooked weight in grams</source>
        <translation>Gewicht gekocht in Gramm</translation>
    </message>
    <message>
        <source>Leave it empty for the ingredients&apos; weight.</source>
        <translation>Leer lassen für das Gewicht der Zutaten.</translation>
    </message>
    <message>
        <source>Cooked weight</source>
        <translation>Gekocht</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Zutaten</translation>
    </message>
    <message>
        <source>A recipe cannot contain itself: %1.</source>
        <translation>Ein Rezept kann sich nicht selbst enthalten: %1.</translation>
    </message>
    <message>
        <source>None yet: search for a food below and add it.</source>
        <translation>Noch keine: Suchen Sie unten ein Lebensmittel und fügen Sie es hinzu.</translation>
    </message>
    <message>
        <source>One serving</source>
        <translation>Eine Portion</translation>
    </message>
    <message>
        <source>Nutrients of one serving</source>
        <translation>Nährstoffe einer Portion</translation>
    </message>
    <message>
        <source>Amount of %1</source>
        <translation>Menge von %1</translation>
    </message>
    <message>
        <source>Unit of %1</source>
        <translation>Einheit von %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Remove the ingredient</source>
        <translation>Zutat entfernen</translation>
    </message>
    <message>
        <source>%1 g of %2 g</source>
        <translation>%1 g von %2 g</translation>
    </message>
    <message>
        <source>Give the recipe a name.</source>
        <translation>Geben Sie dem Rezept einen Namen.</translation>
    </message>
    <message>
        <source>A name cannot start with # or hold a tab.</source>
        <translation>Ein Name darf nicht mit # beginnen und keinen Tabulator enthalten.</translation>
    </message>
    <message>
        <source>Type how many servings the recipe makes.</source>
        <translation>Geben Sie ein, wie viele Portionen das Rezept ergibt.</translation>
    </message>
    <message>
        <source>Servings: “%1” is no number. Type it like 2 or 1.5.</source>
        <translation>Portionen: „%1“ ist keine Zahl. Geben Sie sie wie 2 oder 1.5 ein.</translation>
    </message>
    <message>
        <source>The servings must be more than 0.</source>
        <translation>Die Portionen müssen mehr als 0 sein.</translation>
    </message>
    <message>
        <source>Cooked weight: “%1” is no number. Type the grams, or leave the box empty for the ingredients&apos; weight.</source>
        <translation>Gekocht: „%1“ ist keine Zahl. Geben Sie die Gramm ein oder lassen Sie das Feld leer für das Gewicht der Zutaten.</translation>
    </message>
    <message>
        <source>The cooked weight must be more than 0 g.</source>
        <translation>Das Gewicht gekocht muss mehr als 0 g sein.</translation>
    </message>
    <message>
        <source>Add at least one ingredient: search for it below.</source>
        <translation>Fügen Sie mindestens eine Zutat hinzu: Suchen Sie sie unten.</translation>
    </message>
    <message>
        <source>Type the amount of %1, like 2 or 0.5.</source>
        <translation>Geben Sie die Menge von %1 ein, wie 2 oder 0.5.</translation>
    </message>
    <message>
        <source>The amount of %1 must be more than 0.</source>
        <translation>Die Menge von %1 muss mehr als 0 sein.</translation>
    </message>
    <message>
        <source>Servings: %1</source>
        <translation>Portionen: %1</translation>
    </message>
    <message>
        <source>Cooked weight: %1</source>
        <translation>Gekocht: %1</translation>
    </message>
</context>
<context>
    <name>RecipeListActions</name>
    <message>
        <source>New recipe…</source>
        <translation>Neues Rezept…</translation>
    </message>
    <message>
        <source>Edit recipe…</source>
        <translation>Rezept bearbeiten…</translation>
    </message>
    <message>
        <source>Delete recipe</source>
        <translation>Rezept löschen</translation>
    </message>
    <message>
        <source>There is already a food called “%1”. Give the recipe another name.</source>
        <translation>Es gibt schon ein Lebensmittel namens „%1“. Geben Sie dem Rezept einen anderen Namen.</translation>
    </message>
    <message>
        <source>There is already a recipe called “%1”.</source>
        <translation>Es gibt schon ein Rezept namens „%1“.</translation>
    </message>
    <message>
        <source>This recipe was changed elsewhere meanwhile. Close the form and open it again.</source>
        <translation>Dieses Rezept wurde inzwischen anderswo geändert. Schließen Sie das Formular und öffnen Sie es erneut.</translation>
    </message>
    <message>
        <source>The recipe cannot be saved: %1</source>
        <translation>Das Rezept kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Delete the recipe “%1”? Days that logged it keep their entries.</source>
        <translation>Das Rezept „%1“ löschen? Tage, an denen es eingetragen ist, behalten ihre Einträge.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Deleted the recipe “%1”.</source>
        <translation>Das Rezept „%1“ gelöscht.</translation>
    </message>
</context>
<context>
    <name>RecipeSaveForm</name>
    <message>
        <source>Save as a recipe</source>
        <translation>Als Rezept speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Recipe name</source>
        <translation>Name des Rezepts</translation>
    </message>
    <message>
        <source>Servings</source>
        <translation>Portionen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message numerus="yes">
        <source>Made of %n meal(s) of the day.</source>
        <translation>
            <numerusform>Aus %n Mahlzeit des Tages.</numerusform>
            <numerusform>Aus %n Mahlzeiten des Tages.</numerusform>
        </translation>
    </message>
    <message>
        <source>Type a name for the recipe.</source>
        <translation>Gib einen Namen für das Rezept ein.</translation>
    </message>
    <message>
        <source>Type how many servings the recipe makes.</source>
        <translation>Gib ein, wie viele Portionen das Rezept ergibt.</translation>
    </message>
    <message>
        <source>The servings must be more than 0.</source>
        <translation>Die Portionen müssen mehr als 0 sein.</translation>
    </message>
    <message>
        <source>Servings: %1</source>
        <translation>Portionen: %1</translation>
    </message>
</context>
<context>
    <name>ReportForm</name>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Count only days marked complete</source>
        <translation>Nur als vollständig markierte Tage zählen</translation>
    </message>
    <message>
        <source>%1 of %2 days logged</source>
        <translation>%1 von %2 Tagen erfasst</translation>
    </message>
    <message>
        <source>, %1 of them marked complete and counted</source>
        <translation>, davon %1 als vollständig markiert und gezählt</translation>
    </message>
    <message numerus="yes">
        <source>The meals of %n day(s) could not be read whole; what could be read is counted.</source>
        <translation>
            <numerusform>Die Mahlzeiten von %n Tag konnten nicht ganz gelesen werden; gezählt wird, was gelesen werden konnte.</numerusform>
            <numerusform>Die Mahlzeiten von %n Tagen konnten nicht ganz gelesen werden; gezählt wird, was gelesen werden konnte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Average per complete day</source>
        <translation>Mittel je vollständigem Tag</translation>
    </message>
    <message>
        <source>Average per logged day</source>
        <translation>Mittel je erfasstem Tag</translation>
    </message>
    <message>
        <source>%1 (at most %2)</source>
        <translation>%1 (höchstens %2)</translation>
    </message>
    <message>
        <source>%1 (at least %2)</source>
        <translation>%1 (mindestens %2)</translation>
    </message>
    <message>
        <source>Goals met, of %1 days</source>
        <translation>Ziele erreicht, von %1 Tagen</translation>
    </message>
    <message>
        <source>Foods that gave the most calories</source>
        <translation>Lebensmittel mit den meisten Kalorien</translation>
    </message>
    <message>
        <source>%1 kcal, %2 %</source>
        <translation>%1 kcal, %2 %</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 am %2</translation>
    </message>
    <message>
        <source>%1, %2: change %3</source>
        <translation>%1, %2: Änderung %3</translation>
    </message>
    <message>
        <source>none in these days</source>
        <translation>keines an diesen Tagen</translation>
    </message>
    <message>
        <source>Burned by activities</source>
        <translation>Durch Aktivitäten verbrannt</translation>
    </message>
    <message numerus="yes">
        <source>%1 kcal on %n day(s)</source>
        <translation>
            <numerusform>%1 kcal an %n Tag</numerusform>
            <numerusform>%1 kcal an %n Tagen</numerusform>
        </translation>
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
    <message>
        <source>it is a link to something that is not there</source>
        <translation>die Datei ist eine Verknüpfung auf etwas, das es nicht gibt</translation>
    </message>
    <message>
        <source>a link on its way loops back on itself</source>
        <translation>eine Verknüpfung auf dem Weg dorthin verweist im Kreis auf sich selbst</translation>
    </message>
    <message>
        <source>a file sits where its folder should be</source>
        <translation>wo ihr Ordner sein sollte, liegt eine Datei</translation>
    </message>
</context>
<context>
    <name>SearchOrderSwitch</name>
    <message>
        <source>Best matches first</source>
        <translation>Beste Treffer zuerst</translation>
    </message>
    <message>
        <source>Best matches first, or all foods A to Z: click to switch</source>
        <translation>Beste Treffer zuerst oder alle Lebensmittel von A bis Z: zum Umschalten klicken</translation>
    </message>
    <message>
        <source>Best first</source>
        <translation>Beste zuerst</translation>
    </message>
    <message>
        <source>A–Z</source>
        <translation>A–Z</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>at least</source>
        <translation>mindestens</translation>
    </message>
    <message>
        <source>at most</source>
        <translation>höchstens</translation>
    </message>
    <message>
        <source>Daily goals</source>
        <translation>Tagesziele</translation>
    </message>
    <message>
        <source>Leave a box empty for no goal.</source>
        <translation>Ein leeres Feld heißt: kein Ziel.</translation>
    </message>
    <message>
        <source>Daily goal for %1</source>
        <translation>Tagesziel für %1</translation>
    </message>
    <message>
        <source>Kind of the goal for %1</source>
        <translation>Art des Ziels für %1</translation>
    </message>
    <message>
        <source>Best matches first</source>
        <translation>Beste Treffer zuerst</translation>
    </message>
    <message>
        <source>The plain food named by what you type comes first, before brands, dishes and baby food. Off: in alphabetical order.</source>
        <translation>Das schlichte Lebensmittel, das Sie eingeben, steht vorn, vor Marken, Gerichten und Babynahrung. Aus: alphabetisch.</translation>
    </message>
    <message>
        <source>No goal: type a number above zero</source>
        <translation>Kein Ziel: geben Sie eine Zahl über null ein</translation>
    </message>
    <message>
        <source>Nutrient targets for</source>
        <translation>Nährstoffziele für</translation>
    </message>
    <message>
        <source>+ calories burned</source>
        <translation>+ verbrannte kcal</translation>
    </message>
    <message>
        <source>A day&apos;s calorie goal grows by the calories its activities burned. What you ate is counted as it is.</source>
        <translation>Das Kalorienziel eines Tages wächst um die Kalorien, die seine Aktivitäten verbrannt haben. Was Sie gegessen haben, zählt unverändert.</translation>
    </message>
    <message>
        <source>Add calories burned to the calorie goal</source>
        <translation>Verbrannte Kalorien zum Kalorienziel hinzuzählen</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Adds the days of another diary&apos;s export files: Cronometer&apos;s, MyFitnessPal&apos;s or Corvalo&apos;s own. You see what they hold first.</source>
        <translation>Fügt die Tage aus den Exportdateien eines anderen Tagebuchs hinzu: von Cronometer, MyFitnessPal oder Corvalo selbst. Sie sehen zuerst, was sie enthalten.</translation>
    </message>
</context>
<context>
    <name>SettingsWiring</name>
    <message>
        <source>Settings not saved: the file cannot be written</source>
        <translation>Einstellungen nicht gespeichert: Datei nicht schreibbar</translation>
    </message>
</context>
<context>
    <name>ShownMeal</name>
    <message>
        <source>Quick add</source>
        <translation>Schnelleintrag</translation>
    </message>
    <message>
        <source>serving</source>
        <translation>Portion</translation>
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
    <message>
        <source>Nutrients</source>
        <translation>Nährwerte</translation>
    </message>
</context>
<context>
    <name>SkinForm</name>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
    <message>
        <source>Nutrients</source>
        <translation>Nährwerte</translation>
    </message>
</context>
<context>
    <name>TargetEditor</name>
    <message>
        <source>Your target:</source>
        <translation>Ihr Ziel:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keins</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Your target for %1, in %2</source>
        <translation>Ihr Ziel für %1, in %2</translation>
    </message>
    <message>
        <source>Leave empty for no target</source>
        <translation>Leer lassen für kein Ziel</translation>
    </message>
    <message>
        <source>Back to %1 %2, the target for the chosen person</source>
        <translation>Zurück zu %1 %2, dem Ziel der gewählten Person</translation>
    </message>
    <message>
        <source>Back to no target, as for the chosen person</source>
        <translation>Zurück zu keinem Ziel, wie für die gewählte Person</translation>
    </message>
    <message>
        <source>A target is a number above 0, or none</source>
        <translation>Ein Ziel ist eine Zahl über 0, oder keins</translation>
    </message>
    <message>
        <source>Type a number, or leave the box empty for no target</source>
        <translation>Geben Sie eine Zahl ein, oder lassen Sie das Feld leer für kein Ziel</translation>
    </message>
    <message>
        <source>Your target</source>
        <translation>Ihr Ziel</translation>
    </message>
</context>
<context>
    <name>TypedNumber</name>
    <message>
        <source>%1 is not a number; type it as 72.5 or 72,5</source>
        <translation>%1 ist keine Zahl; geben Sie sie wie 72,5 oder 72.5 ein</translation>
    </message>
    <message>
        <source>the comma in %1 could be a thousands separator or a decimal comma; type the number without it, or with a point</source>
        <translation>das Komma in %1 könnte ein Tausendertrennzeichen oder ein Dezimalkomma sein; geben Sie die Zahl ohne es ein oder mit einem Punkt</translation>
    </message>
</context>
<context>
    <name>UndoOffer</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Not undone: %1 was changed meanwhile by another program, and its change is kept.</source>
        <translation>Nicht rückgängig gemacht: %1 wurde inzwischen von einem anderen Programm geändert, und diese Änderung bleibt.</translation>
    </message>
    <message>
        <source>Not undone: %1</source>
        <translation>Nicht rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Click to undo (Ctrl+Z).</source>
        <translation>Rückgängig: Klick/Strg+Z</translation>
    </message>
</context>
<context>
    <name>UnsavedForm</name>
    <message>
        <source>Not everything is saved</source>
        <translation>Nicht alles ist gespeichert</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Some of what you typed is not saved: %1</source>
        <translation>Einiges, was Sie getippt haben, ist nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Try saving it again</source>
        <translation>Erneut speichern</translation>
    </message>
    <message>
        <source>Save what I typed in a file…</source>
        <translation>Das Getippte in einer Datei sichern…</translation>
    </message>
    <message>
        <source>Close without it</source>
        <translation>Ohne es schließen</translation>
    </message>
    <message>
        <source>What to do</source>
        <translation>Was geschehen soll</translation>
    </message>
    <message>
        <source>Still not saved: %1</source>
        <translation>Immer noch nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Save what you typed</source>
        <translation>Das Getippte sichern</translation>
    </message>
</context>
<context>
    <name>WeightField</name>
    <message>
        <source>Not saved: the weight %1 was typed over one stored elsewhere meanwhile, which is shown now</source>
        <translation>Nicht gespeichert: Das Gewicht %1 wurde über ein inzwischen anderswo gespeichertes getippt, das jetzt angezeigt wird</translation>
    </message>
    <message>
        <source>Weight not saved: %1</source>
        <translation>Gewicht nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Weight not saved: “%1” is more than any body weight (at most 1000)</source>
        <translation>Gewicht nicht gespeichert: „%1“ ist mehr als jedes Körpergewicht (höchstens 1000)</translation>
    </message>
</context>
</TS>
