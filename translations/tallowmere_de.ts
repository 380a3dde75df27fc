<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (kompiliert mit %2)</translation>
    </message>
    <message>
        <source>Boost.Math %1</source>
        <translation>Boost.Math %1</translation>
    </message>
    <message>
        <source>libxlsxwriter %1</source>
        <translation>libxlsxwriter %1</translation>
    </message>
    <message>
        <source>Libraries used:</source>
        <translation>Verwendete Bibliotheken:</translation>
    </message>
    <message>
        <source>Tallowmere %1</source>
        <translation>Tallowmere %1</translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation>Ein Desktop-Rechner für deskriptive Statistik.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tallowmere authors</source>
        <translation>Copyright © 2026 Die Tallowmere-Autoren</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Veröffentlicht unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>About Tallowmere</source>
        <translation>Über Tallowmere</translation>
    </message>
</context>
<context>
    <name>AdditionNotice</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 Datei</numerusform>
            <numerusform>%1 Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source> (first: %1)</source>
        <translation> (erstes: %1)</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 Zeile wurde mit Dezimalkomma gelesen (erste: %2)</numerusform>
            <numerusform>%1 Zeilen wurden mit Dezimalkomma gelesen (erste: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 Zeile wurde mit Dezimalpunkt gelesen (erste: %2)</numerusform>
            <numerusform>%1 Zeilen wurden mit Dezimalpunkt gelesen (erste: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 Element wurde mit Dezimalkomma gelesen (erstes: %2)</numerusform>
            <numerusform>%1 Elemente wurden mit Dezimalkomma gelesen (erstes: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 Element wurde mit Dezimalpunkt gelesen (erstes: %2)</numerusform>
            <numerusform>%1 Elemente wurden mit Dezimalpunkt gelesen (erstes: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from %2</source>
        <translation>
            <numerusform>%1 Zahl aus %2 hinzugefügt</numerusform>
            <numerusform>%1 Zahlen aus %2 hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the clipboard</source>
        <translation>
            <numerusform>%1 Zahl aus der Zwischenablage hinzugefügt</numerusform>
            <numerusform>%1 Zahlen aus der Zwischenablage hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the dropped text</source>
        <translation>
            <numerusform>%1 Zahl aus dem abgelegten Text hinzugefügt</numerusform>
            <numerusform>%1 Zahlen aus dem abgelegten Text hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers</source>
        <translation>
            <numerusform>%1 Zahl hinzugefügt</numerusform>
            <numerusform>%1 Zahlen hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were not numbers</source>
        <translation>
            <numerusform>%1 Zeile war keine Zahl</numerusform>
            <numerusform>%1 Zeilen waren keine Zahlen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were not numbers</source>
        <translation>
            <numerusform>%1 Element war keine Zahl</numerusform>
            <numerusform>%1 Elemente waren keine Zahlen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no numbers</source>
        <translation>%1 enthält keine Zahlen</translation>
    </message>
    <message>
        <source>The file holds no numbers</source>
        <translation>Die Datei enthält keine Zahlen</translation>
    </message>
    <message>
        <source>The %1 hold no numbers</source>
        <translation>Die %1 enthalten keine Zahlen</translation>
    </message>
    <message>
        <source>The clipboard holds no numbers</source>
        <translation>Die Zwischenablage enthält keine Zahlen</translation>
    </message>
    <message>
        <source>The dropped text holds no numbers</source>
        <translation>Der abgelegte Text enthält keine Zahlen</translation>
    </message>
    <message>
        <source>The answer holds no numbers</source>
        <translation>Die Antwort enthält keine Zahlen</translation>
    </message>
    <message>
        <source>their only line is not a number in this locale</source>
        <translation>ihre einzige Zeile ist mit den aktuellen Regionaleinstellungen keine Zahl</translation>
    </message>
    <message>
        <source>its only line is not a number in this locale</source>
        <translation>die einzige Zeile ist mit den aktuellen Regionaleinstellungen keine Zahl</translation>
    </message>
    <message>
        <source>its only item is not a number in this locale</source>
        <translation>das einzige Element ist mit den aktuellen Regionaleinstellungen keine Zahl</translation>
    </message>
    <message numerus="yes">
        <source>their %1 lines are not numbers in this locale</source>
        <translation>
            <numerusform>ihre %1 Zeile ist mit den aktuellen Regionaleinstellungen keine Zahl</numerusform>
            <numerusform>ihre %1 Zeilen sind mit den aktuellen Regionaleinstellungen keine Zahlen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 lines are not numbers in this locale</source>
        <translation>
            <numerusform>die %1 Zeile ist mit den aktuellen Regionaleinstellungen keine Zahl</numerusform>
            <numerusform>die %1 Zeilen sind mit den aktuellen Regionaleinstellungen keine Zahlen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 items are not numbers in this locale</source>
        <translation>
            <numerusform>das %1 Element ist mit den aktuellen Regionaleinstellungen keine Zahl</numerusform>
            <numerusform>die %1 Elemente sind mit den aktuellen Regionaleinstellungen keine Zahlen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries</source>
        <translation>
            <numerusform>%1 Eintrag</numerusform>
            <numerusform>%1 Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the %1 sample numbers.</source>
        <translation>
            <numerusform>Die %1 Beispielzahl wurde hinzugefügt.</numerusform>
            <numerusform>Die %1 Beispielzahlen wurden hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers were added</source>
        <translation>
            <numerusform>%1 Zahl wurde hinzugefügt</numerusform>
            <numerusform>%1 Zahlen wurden hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped part-way through the text; %1.</source>
        <translation>Das Ablegen wurde mitten im Text abgebrochen; %1.</translation>
    </message>
    <message>
        <source>Pasting was stopped part-way through the text; %1.</source>
        <translation>Das Einfügen wurde mitten im Text abgebrochen; %1.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>1 entry is not a number and counts as %1: %2.</source>
        <translation>1 Eintrag ist keine Zahl und zählt als %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers and count as %2: %3.</source>
        <translation>
            <numerusform>%1 Eintrag ist keine Zahl und zählt als %2: %3.</numerusform>
            <numerusform>%1 Einträge sind keine Zahlen und zählen als %2: %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers; the first %2 count as %3: %4.</source>
        <translation>
            <numerusform>%1 Eintrag ist keine Zahl; die ersten %2 zählen als %3: %4.</numerusform>
            <numerusform>%1 Einträge sind keine Zahlen; die ersten %2 zählen als %3: %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 Zelle wurde mit Dezimalkomma gelesen (erste: %2)</numerusform>
            <numerusform>%1 Zellen wurden mit Dezimalkomma gelesen (erste: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 Zelle wurde mit Dezimalpunkt gelesen (erste: %2)</numerusform>
            <numerusform>%1 Zellen wurden mit Dezimalpunkt gelesen (erste: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from column %2 of %3</source>
        <translation>
            <numerusform>%1 Zahl aus Spalte %2 hinzugefügt (%3)</numerusform>
            <numerusform>%1 Zahlen aus Spalte %2 hinzugefügt (%3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were not numbers</source>
        <translation>
            <numerusform>%1 Zelle war keine Zahl</numerusform>
            <numerusform>%1 Zellen waren keine Zahlen</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1 of %2 holds no numbers</source>
        <translation>Spalte %1 (%2) enthält keine Zahlen</translation>
    </message>
    <message>
        <source>its only cell is not a number in this locale</source>
        <translation>die einzige Zelle ist mit den aktuellen Regionaleinstellungen keine Zahl</translation>
    </message>
    <message numerus="yes">
        <source>its %1 cells are not numbers in this locale</source>
        <translation>
            <numerusform>die %1 Zelle ist mit den aktuellen Regionaleinstellungen keine Zahl</numerusform>
            <numerusform>die %1 Zellen sind mit den aktuellen Regionaleinstellungen keine Zahlen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Analyser</name>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: &quot;%2&quot;)</source>
        <translation>
            <numerusform>%1 Zeile wurde mit Dezimalkomma gelesen (erste: &quot;%2&quot;)</numerusform>
            <numerusform>%1 Zeilen wurden mit Dezimalkomma gelesen (erste: &quot;%2&quot;)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: &quot;%2&quot;)</source>
        <translation>
            <numerusform>%1 Zeile wurde mit Dezimalpunkt gelesen (erste: &quot;%2&quot;)</numerusform>
            <numerusform>%1 Zeilen wurden mit Dezimalpunkt gelesen (erste: &quot;%2&quot;)</numerusform>
        </translation>
    </message>
    <message>
        <source>an entry</source>
        <translation>ein Eintrag</translation>
    </message>
    <message>
        <source>the number of entries</source>
        <translation>die Anzahl der Einträge</translation>
    </message>
    <message>
        <source>the sum</source>
        <translation>die Summe</translation>
    </message>
    <message>
        <source>the sum squared</source>
        <translation>das Quadrat der Summe</translation>
    </message>
    <message>
        <source>the sum of squares</source>
        <translation>die Summe der Quadrate</translation>
    </message>
    <message>
        <source>the mode</source>
        <translation>der Modus</translation>
    </message>
    <message>
        <source>the median</source>
        <translation>der Median</translation>
    </message>
    <message>
        <source>the mean</source>
        <translation>der Mittelwert</translation>
    </message>
    <message>
        <source>the variance</source>
        <translation>die Varianz</translation>
    </message>
    <message>
        <source>the skew</source>
        <translation>die Schiefe</translation>
    </message>
    <message>
        <source>the average deviation</source>
        <translation>die mittlere absolute Abweichung</translation>
    </message>
    <message>
        <source>the standard deviation</source>
        <translation>die Standardabweichung</translation>
    </message>
    <message>
        <source>the coefficient of variation</source>
        <translation>der Variationskoeffizient</translation>
    </message>
    <message>
        <source>its lines hold fields separated by &apos;%1&apos;; choose a column with --field N, or --header and --field NAME</source>
        <translation>die Zeilen enthalten durch »%1« getrennte Felder; wählen Sie eine Spalte mit --field N oder mit --header und --field NAME</translation>
    </message>
    <message>
        <source>cannot read the folder</source>
        <translation>der Ordner kann nicht gelesen werden</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines are longer than %2 bytes and are each read as their first %2 bytes</source>
        <translation>
            <numerusform>%1 Zeile ist länger als %2 Byte; von ihr werden nur die ersten %2 Byte gelesen</numerusform>
            <numerusform>%1 Zeilen sind länger als %2 Byte; von jeder werden nur die ersten %2 Byte gelesen</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the help</source>
        <translation>der Hilfetext</translation>
    </message>
    <message>
        <source>the version</source>
        <translation>die Versionsangabe</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>die Ergebnisausgabe</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>zu wenig Speicher</translation>
    </message>
    <message>
        <source>field %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>the column &apos;%1&apos;</source>
        <translation>die Spalte »%1«</translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the record is skipped</source>
        <translation>
            <numerusform>%1 Feld, zu wenige für %2; der Datensatz wird übersprungen</numerusform>
            <numerusform>%1 Felder, zu wenige für %2; der Datensatz wird übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation>das hier begonnene Feld in Anführungszeichen wird vor dem Dateiende nicht geschlossen; es wird ausgelassen</translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields skipped</source>
        <translation>
            <numerusform>%1 weiterer Datensatz mit zu wenigen Feldern übersprungen</numerusform>
            <numerusform>%1 weitere Datensätze mit zu wenigen Feldern übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>the delimiter must be an ASCII character</source>
        <translation>das Trennzeichen muss ein ASCII-Zeichen sein</translation>
    </message>
    <message>
        <source>the delimiter must be one character</source>
        <translation>das Trennzeichen muss ein einzelnes Zeichen sein</translation>
    </message>
    <message>
        <source>the quote cannot be the delimiter</source>
        <translation>das Anführungszeichen kann nicht das Trennzeichen sein</translation>
    </message>
    <message>
        <source>a line end cannot be the delimiter</source>
        <translation>ein Zeilenende kann nicht das Trennzeichen sein</translation>
    </message>
    <message>
        <source>not a number of decimal places</source>
        <translation>keine gültige Anzahl von Nachkommastellen</translation>
    </message>
    <message>
        <source>decimal places run from %1 to %2</source>
        <translation>die Anzahl der Nachkommastellen muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>no table has that many columns</source>
        <translation>keine Tabelle hat so viele Spalten</translation>
    </message>
    <message>
        <source>columns are numbered from 1</source>
        <translation>Spalten werden ab 1 gezählt</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a column number or name</source>
        <translation>Option »%1« benötigt eine Spaltennummer oder einen Spaltennamen</translation>
    </message>
    <message>
        <source>not a column number; a column name needs --header</source>
        <translation>keine Spaltennummer; ein Spaltenname erfordert --header</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>»%1 --help« gibt weitere Informationen.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option »%1«</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option »%1« benötigt einen Wert</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (use text, tsv or json)</source>
        <translation>unbekanntes Format »%1« (text, tsv oder json verwenden)</translation>
    </message>
    <message>
        <source>%1 takes no PATH</source>
        <translation>bei %1 ist kein PATH zulässig</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2</source>
        <translation>Option »%1« benötigt %2</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%2 ist bei %1 nicht zulässig</translation>
    </message>
    <message>
        <source>it is a spreadsheet; choose a column of its first sheet with --field N, or --header and --field NAME (and --sheet for another sheet)</source>
        <translation>es ist eine Tabellenkalkulationsdatei; wählen Sie eine Spalte ihres ersten Blatts mit --field N oder mit --header und --field NAME (und --sheet für ein anderes Blatt)</translation>
    </message>
    <message>
        <source>a workbook of the old .xls form cannot be read; save it as .xlsx or .ods</source>
        <translation>eine Arbeitsmappe im alten .xls-Format kann nicht gelesen werden; speichern Sie sie als .xlsx oder .ods</translation>
    </message>
    <message>
        <source>the workbook is protected by a password; save it without one</source>
        <translation>die Arbeitsmappe ist durch ein Passwort geschützt; speichern Sie sie ohne</translation>
    </message>
    <message>
        <source>the spreadsheet has no sheet &apos;%1&apos;</source>
        <translation>die Tabellenkalkulationsdatei hat kein Blatt »%1«</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: it lacks %1</source>
        <translation>die Tabellenkalkulationsdatei ist beschädigt: ihr fehlt %1</translation>
    </message>
    <message>
        <source>a zip archive that holds no spreadsheet (.ods or .xlsx)</source>
        <translation>ein Zip-Archiv, das keine Tabellenkalkulationsdatei (.ods oder .xlsx) enthält</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged or cut short</source>
        <translation>die Tabellenkalkulationsdatei ist beschädigt oder abgeschnitten</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: %1</source>
        <translation>die Tabellenkalkulationsdatei ist beschädigt: %1</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: sheets are numbered from 1</source>
        <translation>%1 »%2«: Blätter werden ab 1 gezählt</translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the fields it has are read</source>
        <translation>
            <numerusform>%1 Feld, zu wenige für %2; die vorhandenen Felder werden gelesen</numerusform>
            <numerusform>%1 Felder, zu wenige für %2; die vorhandenen Felder werden gelesen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields</source>
        <translation>
            <numerusform>%1 weiterer Datensatz mit zu wenigen Feldern</numerusform>
            <numerusform>%1 weitere Datensätze mit zu wenigen Feldern</numerusform>
        </translation>
    </message>
    <message>
        <source>a confidence level runs from 50 to 99.9 (percent)</source>
        <translation>ein Konfidenzniveau reicht von 50 bis 99.9 (Prozent)</translation>
    </message>
    <message>
        <source>the share trimmed from each end is at least 0 and below 0.5</source>
        <translation>der an jedem Ende abgeschnittene Anteil ist mindestens 0 und kleiner als 0.5</translation>
    </message>
    <message>
        <source>percentiles run from 0 to 100</source>
        <translation>Perzentile reichen von 0 bis 100</translation>
    </message>
    <message>
        <source>use one of %1, or a number from 1 to 9</source>
        <translation>verwenden Sie eine von %1 oder eine Zahl von 1 bis 9</translation>
    </message>
    <message>
        <source> (and %1)</source>
        <extracomment>%1 is the option to add, such as --delimiter &apos;,&apos;.</extracomment>
        <translation> (und %1)</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the encoding must be one of %3</source>
        <translation>%1 &apos;%2&apos;: die Kodierung muss eine von %3 sein</translation>
    </message>
</context>
<context>
    <name>Analysis</name>
    <message>
        <source>You forgot to input numbers.</source>
        <translation>Sie haben keine Zahlen eingegeben.</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>Analyses a list of numbers as &quot;Start Analysis&quot; does in %1 and writes
the twelve results (with %2, further statistics after them).</source>
        <extracomment>%1 is the program&apos;s name, %2 an option. &quot;Start Analysis&quot; is the window&apos;s button. Wrap at 80 columns.</extracomment>
        <translation>Analysiert eine Liste von Zahlen wie „Analyse starten“ in %1 und
schreibt die zwölf Ergebnisse (mit %2 danach weitere Kennzahlen).</translation>
    </message>
    <message>
        <source>Each %1 is read as if dropped on the number list: a file as a list file (one
number per line, other lines skipped), a folder walked and its files read.
&apos;%2&apos; is standard input, read as one list file at its place among the %1s;
with no %1, standard input is read. What cannot be read (a file, or a folder
of a %1&apos;s tree that cannot be listed) is told on standard error, one line
each: &apos;%3: %1: reason&apos;; the rest is read, and the exit
status is 1.</source>
        <extracomment>%1 is PATH, %2 the name &apos;-&apos; for standard input, %3 the program&apos;s name. Wrap at 80 columns.</extracomment>
        <translation>Jeder %1 wird gelesen, als wäre er auf der Zahlenliste abgelegt worden: eine
Datei als Listendatei (eine Zahl pro Zeile, andere Zeilen werden übersprungen),
ein Ordner durchlaufen und seine Dateien gelesen. »%2« ist die Standardeingabe,
gelesen als eine Listendatei an ihrer Stelle unter den %1-Angaben; ohne %1
wird die Standardeingabe gelesen. Was nicht gelesen werden kann (eine Datei
oder ein Ordner im Baum eines %1, der sich nicht auflisten lässt), wird auf
der Standardfehlerausgabe gemeldet, eine Zeile je Fall:
»%3: %1: Grund«; der Rest wird gelesen, der Exit-Status
ist 1.</translation>
    </message>
    <message>
        <source>With %1, every file (and standard input) is read as a table instead:
the field of that column in each record is read as a line of a list file.
With any delimiter but the tab, fields may be quoted as in CSV (RFC 4180).
A record with too few fields is told, &apos;%2: %3: line N: ...&apos;,
and skipped. %1 cannot be given with %4.</source>
        <extracomment>%1 and %4 are options, %2 the program&apos;s name, %3 PATH; &quot;line N&quot; as the program&apos;s own message says it. Wrap at 80 columns.</extracomment>
        <translation>Mit %1 wird stattdessen jede Datei (auch die Standardeingabe) als Tabelle
gelesen: Das Feld dieser Spalte in jedem Datensatz wird wie eine Zeile einer
Listendatei gelesen. Mit jedem Trennzeichen außer dem Tabulator dürfen Felder
wie in CSV (RFC 4180) in Anführungszeichen stehen. Ein Datensatz mit zu wenigen
Feldern wird gemeldet, »%2: %3: Zeile N: ...«, und
übersprungen. %1 kann nicht zusammen mit %4 angegeben werden.</translation>
    </message>
    <message>
        <source>each line of %1 is one entry, verbatim, as if typed
(standard input when %1 is absent or &apos;%2&apos;); no %3s</source>
        <extracomment>Options&apos; descriptions start at column 21 (column 20 in the window&apos;s help); wrap them at 80 columns. %1 is FILE, %2 the name &apos;-&apos; for standard input, %3 PATH.</extracomment>
        <translation>jede Zeile von %1 ist ein Eintrag, unverändert, wie
eingetippt (die Standardeingabe, wenn %1 fehlt oder »%2«
ist); keine %3-Angaben</translation>
    </message>
    <message>
        <source>read column %1 (from 1) of table files, or the column
whose header cell is %2 (needs %3)</source>
        <extracomment>%1 and %2 are the argument words N and NAME, %3 an option.</extracomment>
        <translation>Spalte %1 (ab 1) von Tabellendateien lesen oder die
Spalte, deren Kopfzelle %2 lautet (erfordert %3)</translation>
    </message>
    <message>
        <source>the character between fields (default: tab; &apos;%1&apos; for a
tab); with %2</source>
        <extracomment>%1 is a backslash and the letter t (a tab), %2 an option.</extracomment>
        <translation>das Zeichen zwischen den Feldern (Standard: Tabulator;
»%1« für einen Tabulator); mit %2</translation>
    </message>
    <message>
        <source>the first line names the columns and is skipped;
with %1</source>
        <translation>die erste Zeile benennt die Spalten und wird
übersprungen; mit %1</translation>
    </message>
    <message>
        <source>sample variance and deviations (the default)</source>
        <translation>Varianz und Abweichungen einer Stichprobe (Standard)</translation>
    </message>
    <message>
        <source>population variance and deviations</source>
        <translation>Varianz und Abweichungen der Gesamtheit</translation>
    </message>
    <message>
        <source>decimal places, as typed in the window, at most 10
(default 3, and every digit in %1 and %2)</source>
        <extracomment>%1 and %2 are the formats tsv and json.</extracomment>
        <translation>Nachkommastellen, wie im Fenster eingegeben, höchstens 10
(Standard 3, und jede Ziffer in %1 und %2)</translation>
    </message>
    <message>
        <source>show all decimals as the window does (a value its ten
decimals would show as 0 or with fewer than four
significant digits with 15); every digit in %1 and
%2 (%3 is ignored)</source>
        <extracomment>%1 and %2 are the formats tsv and json, %3 an option.</extracomment>
        <translation>alle Stellen zeigen wie das Fenster (einen Wert, den seine
zehn Nachkommastellen als 0 oder mit weniger als vier
gültigen Ziffern zeigen würden, mit 15); jede Ziffer in
%1 und %2 (%3 wird nicht beachtet)</translation>
    </message>
    <message>
        <source>%1: the rows as the window shows them (the default);
%2: one &apos;key&lt;TAB&gt;value&apos; line per row;
%3: one object of the rows;
%2 and %3 write &apos;.&apos; as the decimal separator and
every digit of each value (the shortest text that
reads back to the same double), unless %4
is given</source>
        <extracomment>%1, %2 and %3 are the formats text, tsv and json, %4 an option.</extracomment>
        <translation>%1: die Zeilen, wie das Fenster sie zeigt (Standard);
%2: eine Zeile »Schlüssel&lt;TAB&gt;Wert« je Ergebnis;
%3: ein Objekt mit allen Ergebnissen;
%2 und %3 schreiben ».« als Dezimaltrennzeichen und
jede Ziffer jedes Werts (den kürzesten Text, der wieder
genau dieselbe Double-Zahl ergibt), außer wenn %4
angegeben ist</translation>
    </message>
    <message>
        <source>the time taken to read and for each row, on standard error</source>
        <translation>die Zeit zum Lesen und für jede Zeile, auf der
Standardfehlerausgabe</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>end of the options: every argument after it is a %1</source>
        <extracomment>%1 is PATH.</extracomment>
        <translation>Ende der Optionen: jedes Argument danach ist ein %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>%1 and %2 are accepted
too. The keys of %3 and %4: %5, and with %6 %7 (the last two not with %8);
see %9.</source>
        <extracomment>%1 and %2 are options, %3 and %4 format names, %6 and %8 options, %9 the manual page. %5 and %7 are the lists of keys, three lines each as in English: start a line before them when they do not fit. Wrap at 80 columns.</extracomment>
        <translation>%1 und %2 werden
ebenfalls angenommen. Die Schlüssel von %3 und %4:
%5, und mit %6 %7 (die letzten beiden
nicht mit %8); siehe %9.</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Exit-Status:</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>An exit status&apos;s description: it starts at column 6; wrap at 80 columns.</extracomment>
        <translation>fertig</translation>
    </message>
    <message>
        <source>no numbers, a path that could not be read, or the output failed
(also a quoted field left open at the end of a table, and with %1
a record with too few fields; the results are still written);
out of memory (&apos;%2: %3&apos;, and no results)</source>
        <extracomment>Starts at column 6; wrap at 80 columns. %1 is an option, %2 the program&apos;s name, %3 its message when out of memory.</extracomment>
        <translation>keine Zahlen, ein Pfad, der nicht gelesen werden konnte, oder die Ausgabe
schlug fehl (auch ein am Ende einer Tabelle offenes Feld in
Anführungszeichen und mit %1 ein Datensatz mit zu wenigen Feldern;
die Ergebnisse werden trotzdem geschrieben); zu wenig Speicher
(»%2: %3« und keine Ergebnisse)</translation>
    </message>
    <message>
        <source>usage error</source>
        <translation>Fehler im Aufruf</translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation>Ein Desktop-Rechner für deskriptive Statistik.</translation>
    </message>
    <message>
        <source>Each %1 is read when the window has opened, in order, exactly as if it had been
dropped on the number list: a file as a list file (one number per line), a folder
with every list file in it and in its sub-folders.</source>
        <extracomment>%1 is PATH, as in the usage line. Wrap the lines at 80 columns.</extracomment>
        <translation>Jeder %1 wird gelesen, sobald das Fenster offen ist, der Reihe nach und genau
so, als wäre er auf der Zahlenliste abgelegt worden: eine Datei als Listendatei
(eine Zahl pro Zeile), ein Ordner mit jeder Listendatei darin und in seinen
Unterordnern.</translation>
    </message>
    <message>
        <source>end of the options: every later argument is a %1</source>
        <extracomment>Starts at column 20 as the other options&apos; descriptions do; wrap at 80 columns. %1 is PATH.</extracomment>
        <translation>Ende der Optionen: jedes weitere Argument ist ein %1</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as %1 or %2, are taken as well.
The method and decimal options are kept in %3
(%4 by default). See %5 and
%6 for the analysis without a window.</source>
        <extracomment>%1 and %2 are Qt&apos;s options, %3 and %4 the settings file, %5 and %6 the manual pages. Wrap the lines at 80 columns.</extracomment>
        <translation>Auch die Optionen von Qt selbst, etwa %1 oder %2,
werden angenommen. Die Methode und die Nachkommastellen werden in
%3 (standardmäßig %4)
gespeichert. Zur Analyse ohne Fenster siehe %5 und
%6.</translation>
    </message>
    <message>
        <source>With several columns (%1 with commas, %2) or with %3,
each column and group is analysed on its own: text writes a block for each,
headed by its name (&apos;weight&apos;, &apos;field 2&apos;, &apos;weight: A&apos;), tsv a line per key with
a value for each, json an array of objects {&quot;column&quot;, &quot;group&quot;, keys...}. One
of no numbers says so in its place, and the exit status is 1.</source>
        <extracomment>%1 to %3 are options. Wrap at 80 columns.</extracomment>
        <translation>Mit mehreren Spalten (%1 mit Kommas, %2) oder mit %3
wird jede Spalte und Gruppe für sich analysiert: text schreibt für jede einen
Block unter ihrem Namen (»weight«, »Feld 2«, »weight: A«), tsv eine Zeile je
Schlüssel mit einem Wert für jede, json ein Array von Objekten {&quot;column&quot;,
&quot;group&quot;, Schlüssel...}. Eine ohne Zahlen sagt dies an ihrer Stelle, und der
Exit-Status ist 1.</translation>
    </message>
    <message>
        <source>several columns, each analysed on its own
(%1 or %2, or the option given again);
a comma and a space belong to a name</source>
        <extracomment>%1 and %2 are examples of the option&apos;s value, kept as they are.</extracomment>
        <translation>mehrere Spalten, jede für sich analysiert
(%1 oder %2, oder die Option mehrmals);
Komma und Leerzeichen gehören zu einem Namen</translation>
    </message>
    <message>
        <source>every column that holds a number, each on its own
(but the column of %1)</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>jede Spalte, die eine Zahl enthält, jede für sich
(außer der Spalte von %1)</translation>
    </message>
    <message>
        <source>analyse each column&apos;s records by groups: one group
per text of column %1 (a number, or a name with %2),
in the order first met; with %3 or %4</source>
        <extracomment>%1 is the argument word COL, %2 to %4 options.</extracomment>
        <translation>die Datensätze jeder Spalte nach Gruppen analysieren:
eine Gruppe je Text der Spalte %1 (eine Nummer oder mit
%2 ein Name), in der Reihenfolge des ersten
Auftretens; mit %3 oder %4</translation>
    </message>
    <message>
        <source>the sheet of spreadsheets (.ods, .xlsx) to read: its
number %1 from 1 or its name (default: the first);
with %2</source>
        <extracomment>%1 is the argument word N, %2 an option.</extracomment>
        <translation>das zu lesende Blatt von Tabellenkalkulationsdateien
(.ods, .xlsx): seine Nummer %1 ab 1 oder sein Name
(Standard: das erste); mit %2</translation>
    </message>
    <message>
        <source>with %1: exit status 1 when a record had too few
fields for a column (or for that of %2); with
several columns, such records are told only then,
and the fields they have are read</source>
        <extracomment>%1 and %2 are options.</extracomment>
        <translation>mit %1: Exit-Status 1, wenn ein Datensatz zu wenige
Felder für eine Spalte hatte (oder für die von %2);
bei mehreren Spalten werden solche Datensätze nur
dann gemeldet, und ihre vorhandenen Felder gelesen</translation>
    </message>
    <message>
        <source>after the twelve rows: the minimum, maximum, range,
quartiles, interquartile range, kurtosis, standard
error of the mean and (sample only) the mean&apos;s 95 %
confidence interval, rounded as the mean is; then the
geometric, harmonic and trimmed mean, the median
absolute deviation (raw and times 1.4826) and the
median&apos;s confidence interval with its actual coverage</source>
        <translation>nach den zwölf Zeilen: Minimum, Maximum, Spannweite,
Quartile, Interquartilsabstand, Wölbung, Standardfehler
des Mittelwerts und (nur bei einer Stichprobe) das
95-%-Konfidenzintervall des Mittelwerts, gerundet wie
der Mittelwert; dann der geometrische, harmonische und
getrimmte Mittelwert, die mediane absolute Abweichung
(roh und mal 1,4826) und das Konfidenzintervall des
Medians mit seiner tatsächlichen Überdeckung</translation>
    </message>
    <message>
        <source>the level of both confidence intervals, in percent,
from 50 to 99.9 (default 95); with %1</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>das Niveau beider Konfidenzintervalle in Prozent,
von 50 bis 99.9 (Standard 95); mit %1</translation>
    </message>
    <message>
        <source>the share the trimmed mean cuts from each end, at
least 0 and below 0.5 (default 0.05); with %1</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>der Anteil, den der getrimmte Mittelwert an jedem Ende
abschneidet, mindestens 0 und unter 0.5 (Standard
0.05); mit %1</translation>
    </message>
    <message>
        <source>a row for each percentile from 0 to 100 (%1, or
%2), by the method of %3</source>
        <extracomment>%1 and %2 are examples of the option&apos;s value, kept as they are; %3 an option.</extracomment>
        <translation>eine Zeile für jedes Perzentil von 0 bis 100 (%1 oder
%2), nach der Methode von %3</translation>
    </message>
    <message>
        <source>how percentiles and quartiles are placed: R&apos;s type
1 to 9, or its name (%1, the default, is type 7;
%2 is type 6); a row names the method</source>
        <extracomment>%1 and %2 are method names, kept as they are.</extracomment>
        <translation>wie Perzentile und Quartile bestimmt werden: Typ 1
bis 9 von R oder sein Name (%1, der Standard, ist
Typ 7; %2 ist Typ 6); eine Zeile nennt die Methode</translation>
    </message>
    <message>
        <source>Shapiro-Wilk&apos;s W (3 to 5000 numbers) and D&apos;Agostino
and Pearson&apos;s K², each with its p-value and a plain
reading at the 5 % level</source>
        <translation>W von Shapiro-Wilk (3 bis 5000 Zahlen) und K² von
D&apos;Agostino und Pearson, jeweils mit p-Wert und einer
schlichten Deutung auf dem 5-%-Niveau</translation>
    </message>
    <message>
        <source>after the rows, how many numbers there are of each
value (up to 50 values) or in each bin of a
histogram, in percent and cumulated</source>
        <translation>nach den Zeilen, wie viele Zahlen es von jedem Wert
gibt (bis zu 50 Werte) oder in jeder Klasse eines
Histogramms, in Prozent und kumuliert</translation>
    </message>
    <message>
        <source>After them, with %1: %2;
with %3: %4;
with %5: %6;
with %7: %8.
At a level other than 95 %, ci95_low and ci95_high are ciLEVEL_low and
ciLEVEL_high.</source>
        <extracomment>%1, %3, %5 and %7 are options, %2, %4, %6 and %8 lists of keys (LEVEL and P stand for the figures given, as in ci90_low and p97.5). Wrap at 80 columns.</extracomment>
        <translation>Danach folgen mit %1: %2.
Mit %3: %4 (P: das Perzentil).
Mit %5: %6.
Mit %7: %8.
Bei einem anderen Niveau als 95 % heißen ci95_low und ci95_high
ciLEVEL_low und ciLEVEL_high.</translation>
    </message>
    <message>
        <source>the encoding of delimited text: %1,
%2 or %3
(default: each file&apos;s by its first bytes, as the
window&apos;s table dialog chooses it); with %4</source>
        <extracomment>%1 to %3 are the encodings&apos; names, %4 an option.</extracomment>
        <translation>die Kodierung von Text mit Trennzeichen: %1,
%2 oder %3
(Standard: die jeder Datei nach ihren ersten Bytes, wie
der Tabellendialog des Fensters sie wählt); mit %4</translation>
    </message>
</context>
<context>
    <name>ComparePicture</name>
    <message>
        <source>no numbers</source>
        <translation>keine Zahlen</translation>
    </message>
    <message>
        <source>No list has numbers.</source>
        <translation>Keine Liste enthält Zahlen.</translation>
    </message>
    <message>
        <source>Box plots on one axis.</source>
        <translation>Boxplots auf einer Achse.</translation>
    </message>
    <message>
        <source>Histograms and box plots over one span.</source>
        <translation>Histogramme und Boxplots über eine gemeinsame Spanne.</translation>
    </message>
    <message>
        <source>%1: no numbers.</source>
        <translation>%1: keine Zahlen.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, first quartile %4, median %5, third quartile %6.</source>
        <translation>%1: von %2 bis %3, erstes Quartil %4, Median %5, drittes Quartil %6.</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Vergleich</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Box plots</source>
        <translation>Boxplots</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Compare — Tallowmere</source>
        <translation>Vergleichen — Tallowmere</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>The number list is busy. Send the numbers again when the work in hand has finished.</source>
        <translation>Die Zahlenliste ist beschäftigt. Senden Sie die Zahlen erneut, wenn die laufende Arbeit abgeschlossen ist.</translation>
    </message>
</context>
<context>
    <name>CompareWorkbook</name>
    <message>
        <source>the workbook could not be made</source>
        <translation>die Arbeitsmappe konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>this build cannot write workbook files</source>
        <translation>diese Version kann keine Arbeitsmappen schreiben</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.ods *.xlsx)</source>
        <translation>Tabellen (*.csv *.tsv *.ods *.xlsx)</translation>
    </message>
</context>
<context>
    <name>DistributionLink</name>
    <message>
        <source>No analysis has been run yet. Run one now and show the distribution of its numbers?</source>
        <translation>Es wurde noch keine Analyse durchgeführt. Jetzt eine durchführen und die Verteilung ihrer Zahlen anzeigen?</translation>
    </message>
</context>
<context>
    <name>DistributionPicture</name>
    <message>
        <source>No numbers analysed yet.</source>
        <translation>Noch keine Zahlen analysiert.</translation>
    </message>
    <message>
        <source>%1 beyond</source>
        <translation>%1 außerhalb</translation>
    </message>
    <message>
        <source>Numbers per bin (%1 bins)</source>
        <translation>Zahlen pro Klasse (%1 Klassen)</translation>
    </message>
    <message>
        <source>Normal curve</source>
        <translation>Normalverteilungskurve</translation>
    </message>
    <message>
        <source>Mean %1</source>
        <translation>Mittelwert %1</translation>
    </message>
    <message>
        <source>Median %1</source>
        <translation>Median %1</translation>
    </message>
    <message numerus="yes">
        <source>Histogram and box plot of %1 numbers from %2 to %3; first quartile %4, median %5, third quartile %6.</source>
        <translation>
            <numerusform>Histogramm und Boxplot von %1 Zahl von %2 bis %3; erstes Quartil %4, Median %5, drittes Quartil %6.</numerusform>
            <numerusform>Histogramm und Boxplot von %1 Zahlen von %2 bis %3; erstes Quartil %4, Median %5, drittes Quartil %6.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %1 values lie beyond the whiskers.</source>
        <translation>
            <numerusform> %1 Wert liegt außerhalb der Whisker.</numerusform>
            <numerusform> %1 Werte liegen außerhalb der Whisker.</numerusform>
        </translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Verteilung</translation>
    </message>
    <message>
        <source>the drawing failed</source>
        <translation>das Zeichnen ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers</source>
        <translation>
            <numerusform>%1 Zahl</numerusform>
            <numerusform>%1 Zahlen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>%1 bis %2: %3</translation>
    </message>
    <message numerus="yes">
        <source> %1 bins: </source>
        <translation>
            <numerusform> %1 Klasse: </numerusform>
            <numerusform> %1 Klassen: </numerusform>
        </translation>
    </message>
    <message>
        <source>the fullest %1.</source>
        <translation>die vollste %1.</translation>
    </message>
    <message>
        <source> The histogram leaves them out.</source>
        <translation> Das Histogramm lässt sie weg.</translation>
    </message>
</context>
<context>
    <name>DistributionRows</name>
    <message>
        <source>%1st percentile</source>
        <translation>%1. Perzentil</translation>
    </message>
    <message>
        <source>%1nd percentile</source>
        <translation>%1. Perzentil</translation>
    </message>
    <message>
        <source>%1rd percentile</source>
        <translation>%1. Perzentil</translation>
    </message>
    <message>
        <source>%1th percentile</source>
        <translation>%1. Perzentil</translation>
    </message>
    <message>
        <source>%1 % confidence interval, low</source>
        <translation>%1-%-Konfidenzintervall, Untergrenze</translation>
    </message>
    <message>
        <source>%1 % confidence interval, high</source>
        <translation>%1-%-Konfidenzintervall, Obergrenze</translation>
    </message>
    <message>
        <source>Geometric mean</source>
        <translation>Geometrischer Mittelwert</translation>
    </message>
    <message>
        <source>Harmonic mean</source>
        <translation>Harmonischer Mittelwert</translation>
    </message>
    <message>
        <source>%1 % trimmed mean</source>
        <translation>%1-%-getrimmter Mittelwert</translation>
    </message>
    <message>
        <source>Median absolute deviation</source>
        <translation>Mediane absolute Abweichung</translation>
    </message>
    <message>
        <source>Scaled median absolute deviation</source>
        <translation>Skalierte mediane absolute Abweichung</translation>
    </message>
    <message>
        <source>Median&apos;s %1 % confidence interval, low</source>
        <translation>%1-%-Konfidenzintervall des Medians, Untergrenze</translation>
    </message>
    <message>
        <source>Median&apos;s %1 % confidence interval, high</source>
        <translation>%1-%-Konfidenzintervall des Medians, Obergrenze</translation>
    </message>
    <message>
        <source>Median interval&apos;s actual coverage</source>
        <translation>Tatsächliche Überdeckung des Intervalls des Medians</translation>
    </message>
    <message>
        <source>Quantile method</source>
        <translation>Quantilmethode</translation>
    </message>
</context>
<context>
    <name>DistributionSheet</name>
    <message numerus="yes">
        <source>Distribution of %1 numbers</source>
        <translation>
            <numerusform>Verteilung von %1 Zahl</numerusform>
            <numerusform>Verteilung von %1 Zahlen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DistributionSource</name>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Standardabweichung</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Spannweite</translation>
    </message>
    <message>
        <source>First quartile</source>
        <translation>Erstes Quartil</translation>
    </message>
    <message>
        <source>Third quartile</source>
        <translation>Drittes Quartil</translation>
    </message>
    <message>
        <source>Interquartile range</source>
        <translation>Interquartilsabstand</translation>
    </message>
    <message>
        <source>Kurtosis</source>
        <translation>Wölbung</translation>
    </message>
    <message>
        <source>Standard error of the mean</source>
        <translation>Standardfehler des Mittelwerts</translation>
    </message>
    <message>
        <source>95 % confidence interval, low</source>
        <translation>95-%-Konfidenzintervall, Untergrenze</translation>
    </message>
    <message>
        <source>95 % confidence interval, high</source>
        <translation>95-%-Konfidenzintervall, Obergrenze</translation>
    </message>
</context>
<context>
    <name>DistributionWindow</name>
    <message>
        <source>Distribution picture</source>
        <translation>Verteilungsgrafik</translation>
    </message>
    <message>
        <source>Distribution — Tallowmere</source>
        <translation>Verteilung — Tallowmere</translation>
    </message>
    <message>
        <source>The number list has changed since this analysis. Press Start Analysis to show it as it is now.</source>
        <translation>Die Zahlenliste hat sich seit dieser Analyse geändert. Klicken Sie auf „Analyse starten“, um den aktuellen Stand anzuzeigen.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
</context>
<context>
    <name>DropFiles</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>DropProgress</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 Datei</numerusform>
            <numerusform>%1 Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Collecting folders: %1</source>
        <translation>Ordner werden gesammelt: %1</translation>
    </message>
    <message>
        <source>Collecting files: %1</source>
        <translation>Dateien werden gesammelt: %1</translation>
    </message>
    <message>
        <source>Reading files: %1 of %2</source>
        <translation>Dateien werden gelesen: %1 von %2</translation>
    </message>
    <message>
        <source>Reading the text: %1%</source>
        <translation>Text wird gelesen: %1 %</translation>
    </message>
    <message>
        <source>%1 — Esc to stop</source>
        <translation>%1 — Abbrechen mit Esc</translation>
    </message>
    <message>
        <source>part-way through file %1 of %2</source>
        <translation>mitten in Datei %1 von %2</translation>
    </message>
    <message>
        <source>after %1 of %2</source>
        <translation>nach %1 von %2</translation>
    </message>
    <message>
        <source>Loading was stopped %1.</source>
        <translation>Das Laden wurde %1 abgebrochen.</translation>
    </message>
    <message>
        <source>The drop was stopped %1.</source>
        <translation>Das Ablegen wurde %1 abgebrochen.</translation>
    </message>
    <message>
        <source>no files were read</source>
        <translation>es wurden keine Dateien gelesen</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were read</source>
        <translation>
            <numerusform>%1 Datei wurde gelesen</numerusform>
            <numerusform>%1 Dateien wurden gelesen</numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped while collecting folders; %1.</source>
        <translation>Das Ablegen wurde beim Sammeln der Ordner abgebrochen; %1.</translation>
    </message>
    <message>
        <source>The drop was stopped while collecting files; %1.</source>
        <translation>Das Ablegen wurde beim Sammeln der Dateien abgebrochen; %1.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung an </translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Results have been copied to the clipboard.<byte value="xd"/><byte value="xd"/>Click a text area where you normally type and press Ctrl+V to paste the clipboard.</source>
        <translation>Die Ergebnisse wurden in die Zwischenablage kopiert.<byte value="xd"/><byte value="xd"/>Klicken Sie in einen Textbereich, in dem Sie normalerweise schreiben, und drücken Sie Ctrl+V, um den Inhalt der Zwischenablage einzufügen.</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this software without error.</source>
        <translation>Excel ist auf diesem Computer nicht installiert. Es muss installiert sein, damit diese Software fehlerfrei funktioniert.</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this feature.</source>
        <translation>Excel ist auf diesem Computer nicht installiert. Es muss installiert sein, um diese Funktion zu nutzen.</translation>
    </message>
    <message>
        <source>No result lines are ticked. Tick the lines to export, or press Ctrl+A in the results list to tick them all.</source>
        <translation>Es sind keine Ergebniszeilen angekreuzt. Kreuzen Sie die zu exportierenden Zeilen an oder drücken Sie Ctrl+A in der Ergebnisliste, um alle anzukreuzen.</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>The file changed while it was read</source>
        <translation>Die Datei hat sich beim Lesen geändert</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Paste Numbers</source>
        <translation>Zahlen einfügen</translation>
    </message>
    <message>
        <source>1 folder could not be read and was left out: %1 (%2).</source>
        <translation>1 Ordner konnte nicht gelesen werden und wurde ausgelassen: %1 (%2).</translation>
    </message>
    <message>
        <source>The clipboard could not be read: the program that holds it did not answer.</source>
        <translation>Die Zwischenablage konnte nicht gelesen werden: Das Programm, dem sie gehört, hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>Number list</source>
        <translation>Zahlenliste</translation>
    </message>
    <message>
        <source>Add Number / Numbers</source>
        <translation>Zahl(en) hinzufügen</translation>
    </message>
    <message>
        <source>Load Numbers From File</source>
        <translation>Zahlen aus Datei laden</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Clear number list</source>
        <translation>Zahlenliste leeren</translation>
    </message>
    <message>
        <source>Load Sample/Example Numbers</source>
        <translation>Beispielzahlen laden</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Stichprobe</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Gesamtheit</translation>
    </message>
    <message>
        <source>Decimal Options</source>
        <translation>Dezimalstellen</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>Stellen:</translation>
    </message>
    <message>
        <source>Decimal places</source>
        <translation>Nachkommastellen</translation>
    </message>
    <message>
        <source>Decimals shown in the results: pick 1 to 10, step with Up and Down, or type a number.</source>
        <translation>In den Ergebnissen angezeigte Nachkommastellen: 1 bis 10 auswählen, mit den Pfeiltasten hoch und runter ändern oder eine Zahl eingeben.</translation>
    </message>
    <message>
        <source>Show all decimals</source>
        <translation>Alle Stellen zeigen</translation>
    </message>
    <message>
        <source>Start Analysis</source>
        <translation>Analyse starten</translation>
    </message>
    <message>
        <source>Results list</source>
        <translation>Ergebnisliste</translation>
    </message>
    <message>
        <source>Save Results As Text File</source>
        <translation>Als Textdatei speichern</translation>
    </message>
    <message>
        <source>Save Results As Excel File</source>
        <translation>Als Excel-Datei speichern</translation>
    </message>
    <message>
        <source>Copy Results To Clipboard</source>
        <translation>In Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Clear results list</source>
        <translation>Ergebnisliste leeren</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Dateien hierher ziehen und ablegen. Ein Doppelklick auf einen Eintrag entfernt ihn. Die |-Linie nach rechts aus dem Fenster ziehen, um die vollständigen Namen zu sehen.</translation>
    </message>
    <message>
        <source>Tick the results to save or copy: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Move | line to right to read long lines. “Show Distribution…” in the context menu, or Ctrl+D, pictures the numbers.</source>
        <translation>Kreuzen Sie die zu speichernden oder zu kopierenden Ergebnisse an: Space kreuzt die aktuelle Zeile an, Ctrl+A alle, Ctrl+Shift+A keine. Die |-Linie nach rechts ziehen, um lange Zeilen zu lesen. „Verteilung anzeigen …“ im Kontextmenü oder Ctrl+D stellt die Zahlen grafisch dar.</translation>
    </message>
    <message>
        <source>The numbers to analyse. Delete or a double-click removes the selected number; files dropped here add theirs, and so does text dropped or pasted (Ctrl+V).</source>
        <translation>Die zu analysierenden Zahlen. Die Taste Delete oder ein Doppelklick entfernt die ausgewählte Zahl; hier abgelegte Dateien fügen ihre Zahlen hinzu, ebenso abgelegter oder eingefügter Text (Ctrl+V).</translation>
    </message>
    <message numerus="yes">
        <source>Restore the %1 numbers from last time</source>
        <translation>
            <numerusform>Die %1 Zahl vom letzten Mal wiederherstellen</numerusform>
            <numerusform>Die %1 Zahlen vom letzten Mal wiederherstellen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %1 numbers from last time were not kept: the list was over 100 MB</source>
        <translation>
            <numerusform>Die %1 Zahl vom letzten Mal wurde nicht aufbewahrt: Die Liste war größer als 100 MB</numerusform>
            <numerusform>Die %1 Zahlen vom letzten Mal wurden nicht aufbewahrt: Die Liste war größer als 100 MB</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Table…</source>
        <translation>Tabelle öffnen …</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation>das hier begonnene Feld in Anführungszeichen wird vor dem Dateiende nicht geschlossen; es wird ausgelassen</translation>
    </message>
    <message>
        <source>the dropped table</source>
        <translation>Abgelegte Tabelle</translation>
    </message>
    <message>
        <source>the pasted table</source>
        <translation>Eingefügte Tabelle</translation>
    </message>
</context>
<context>
    <name>Frequencies</name>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Cumulative count</source>
        <translation>Anzahl kumuliert</translation>
    </message>
    <message>
        <source>Cumulative percent</source>
        <translation>Prozent kumuliert</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Frequencies:</source>
        <translation>Häufigkeiten:</translation>
    </message>
</context>
<context>
    <name>FrequencyModel</name>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcuts</name>
    <message>
        <source>Main window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Number list</source>
        <translation>Zahlenliste</translation>
    </message>
    <message>
        <source>Results list</source>
        <translation>Ergebnisliste</translation>
    </message>
    <message>
        <source>Distribution window</source>
        <translation>Verteilungsfenster</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Open the manual</source>
        <translation>Handbuch öffnen</translation>
    </message>
    <message>
        <source>Save Numbers…</source>
        <translation>Zahlen speichern …</translation>
    </message>
    <message>
        <source>Show Distribution…</source>
        <translation>Verteilung anzeigen …</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Open the menu or press the button with that letter</source>
        <translation>Das Menü öffnen oder die Schaltfläche mit diesem Buchstaben betätigen</translation>
    </message>
    <message>
        <source>Move to the next or the previous control</source>
        <translation>Zum nächsten oder vorherigen Bedienelement wechseln</translation>
    </message>
    <message>
        <source>Press the focused button</source>
        <translation>Die Schaltfläche mit dem Fokus betätigen</translation>
    </message>
    <message>
        <source>Stop reading dropped, loaded or pasted files</source>
        <translation>Lesen abgelegter, geladener oder eingefügter Dateien abbrechen</translation>
    </message>
    <message>
        <source>Paste Numbers</source>
        <translation>Zahlen einfügen</translation>
    </message>
    <message>
        <source>Copy Numbers: the selected entries, or all</source>
        <translation>Zahlen kopieren: die ausgewählten Einträge oder alle</translation>
    </message>
    <message>
        <source>Remove the selected entry</source>
        <translation>Ausgewählten Eintrag entfernen</translation>
    </message>
    <message>
        <source>Undo the last change of the list</source>
        <translation>Letzte Änderung der Liste rückgängig machen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Open the context menu</source>
        <translation>Kontextmenü öffnen</translation>
    </message>
    <message>
        <source>Tick or untick the current row</source>
        <translation>Aktuelle Zeile ankreuzen oder Ankreuzen aufheben</translation>
    </message>
    <message>
        <source>Tick every row</source>
        <translation>Alle Zeilen ankreuzen</translation>
    </message>
    <message>
        <source>Untick every row</source>
        <translation>Ankreuzen aller Zeilen aufheben</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Bild speichern …</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation>Im Handbuch suchen</translation>
    </message>
    <message>
        <source>Find the next match</source>
        <translation>Nächsten Treffer suchen</translation>
    </message>
    <message>
        <source>Find the previous match</source>
        <translation>Vorherigen Treffer suchen</translation>
    </message>
    <message>
        <source>Back and Forward</source>
        <translation>Zurück und Vorwärts</translation>
    </message>
    <message>
        <source>Close the manual</source>
        <translation>Handbuch schließen</translation>
    </message>
    <message>
        <source>underlined letter</source>
        <translation>unterstrichener Buchstabe</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts — Tallowmere</source>
        <translation>Tastenkürzel — Tallowmere</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>Add Numbers</source>
        <translation>Zahlen hinzufügen</translation>
    </message>
    <message>
        <source>Load Numbers</source>
        <translation>Zahlen laden</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Ablegen</translation>
    </message>
    <message>
        <source>Sample Numbers</source>
        <translation>Beispielzahlen</translation>
    </message>
    <message>
        <source>Move Entry</source>
        <translation>Eintrag verschieben</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>Eintrag entfernen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation>Einträge entfernen, die keine Zahlen sind</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Restore Numbers</source>
        <translation>Zahlen wiederherstellen</translation>
    </message>
    <message>
        <source>Open Table</source>
        <translation>Tabelle öffnen</translation>
    </message>
    <message>
        <source>Send to Number List</source>
        <translation>An die Zahlenliste senden</translation>
    </message>
</context>
<context>
    <name>ListNotice</name>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>LoadFilesCommand</name>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Liste(n) laden – Ctrl gedrückt halten, um mehrere Listendateien auszuwählen</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Load Numbers From File</source>
        <translation>Zahlen aus Datei &amp;laden</translation>
    </message>
    <message>
        <source>Save &amp;Numbers…</source>
        <translation>Zahlen &amp;speichern …</translation>
    </message>
    <message>
        <source>Save Results As &amp;Text File</source>
        <translation>Ergebnisse als &amp;Textdatei speichern</translation>
    </message>
    <message>
        <source>Save Results As &amp;Excel File</source>
        <translation>Ergebnisse als &amp;Excel-Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Paste Numbers</source>
        <translation>Zahlen &amp;einfügen</translation>
    </message>
    <message>
        <source>C&amp;opy Numbers</source>
        <translation>Zahlen &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy Results To &amp;Clipboard</source>
        <translation>Ergebnisse in die &amp;Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy as T&amp;able</source>
        <translation>Als &amp;Tabelle kopieren</translation>
    </message>
    <message>
        <source>Remove Entries That Are &amp;Not Numbers</source>
        <translation>Einträge e&amp;ntfernen, die keine Zahlen sind</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>&amp;Liste leeren</translation>
    </message>
    <message>
        <source>Clear Re&amp;sults</source>
        <translation>Ergebni&amp;sse leeren</translation>
    </message>
    <message>
        <source>Res&amp;tore Numbers From Last Time</source>
        <translation>Zahlen vom letzten &amp;Mal wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Start Analysis</source>
        <translation>Analyse &amp;starten</translation>
    </message>
    <message>
        <source>Sa&amp;mple</source>
        <translation>Stich&amp;probe</translation>
    </message>
    <message>
        <source>&amp;Population</source>
        <translation>&amp;Gesamtheit</translation>
    </message>
    <message>
        <source>Show all de&amp;cimals</source>
        <translation>&amp;Alle Stellen zeigen</translation>
    </message>
    <message>
        <source>Show &amp;Distribution…</source>
        <translation>&amp;Verteilung anzeigen …</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;About Tallowmere</source>
        <translation>Ü&amp;ber Tallowmere</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>&amp;Analyse</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>The window</source>
        <translation>Das Fenster</translation>
    </message>
    <message>
        <source>Tallowmere collects numbers in a list and computes twelve descriptive statistics of them: the number of entries, the sum, the sum squared, the sum of squares, the mode, the median, the mean, the variance, the skew, the average deviation, the standard deviation and the coefficient of variation.</source>
        <translation>Tallowmere sammelt Zahlen in einer Liste und berechnet zwölf Kennzahlen der deskriptiven Statistik: die Anzahl der Einträge, die Summe, das Quadrat der Summe, die Summe der Quadrate, den Modus, den Median, den Mittelwert, die Varianz, die Schiefe, die mittlere absolute Abweichung, die Standardabweichung und den Variationskoeffizienten.</translation>
    </message>
    <message>
        <source>The window after Load Sample/Example Numbers and Start Analysis</source>
        <translation>Das Fenster nach „Beispielzahlen laden“ und „Analyse starten“</translation>
    </message>
    <message>
        <source>The number list is at the top, the results list below it. From top to bottom:</source>
        <translation>Oben befindet sich die Zahlenliste, darunter die Ergebnisliste. Von oben nach unten:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Number / Numbers&lt;/b&gt; asks for one number or a series separated by commas.</source>
        <translation>&lt;b&gt;Zahl(en) hinzufügen&lt;/b&gt; fragt nach einer Zahl oder einer durch Kommas getrennten Reihe.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Numbers From File&lt;/b&gt; reads one or several list files.</source>
        <translation>&lt;b&gt;Zahlen aus Datei laden&lt;/b&gt; liest eine oder mehrere Listendateien.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear List&lt;/b&gt; beside it empties the number list.</source>
        <translation>&lt;b&gt;Liste leeren&lt;/b&gt; daneben leert die Zahlenliste.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed sample series.</source>
        <translation>&lt;b&gt;Beispielzahlen laden&lt;/b&gt; fügt eine feste Beispielreihe hinzu.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sample&lt;/b&gt; and &lt;b&gt;Population&lt;/b&gt; choose how the variance is computed.</source>
        <translation>&lt;b&gt;Stichprobe&lt;/b&gt; und &lt;b&gt;Gesamtheit&lt;/b&gt; legen fest, wie die Varianz berechnet wird.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Decimal places&lt;/b&gt; and &lt;b&gt;Show all decimals&lt;/b&gt; choose how the last six results are rounded.</source>
        <translation>&lt;b&gt;Stellen&lt;/b&gt; und &lt;b&gt;Alle Stellen zeigen&lt;/b&gt; legen fest, wie die letzten sechs Ergebnisse gerundet werden.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; fills the results list.</source>
        <translation>&lt;b&gt;Analyse starten&lt;/b&gt; füllt die Ergebnisliste.</translation>
    </message>
    <message>
        <source>The four buttons at the bottom export the ticked results, and the last &lt;b&gt;Clear List&lt;/b&gt; empties the results list.</source>
        <translation>Die vier Schaltflächen unten exportieren die angekreuzten Ergebnisse; die letzte, &lt;b&gt;Liste leeren&lt;/b&gt;, leert die Ergebnisliste.</translation>
    </message>
    <message>
        <source>Filling the number list</source>
        <translation>Die Zahlenliste füllen</translation>
    </message>
    <message>
        <source>Typing: press &lt;b&gt;Add Number / Numbers&lt;/b&gt; and type a number, or several separated by commas.</source>
        <translation>Eingabe: Klicken Sie auf &lt;b&gt;Zahl(en) hinzufügen&lt;/b&gt; und geben Sie eine Zahl ein oder mehrere, durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>Files: &lt;b&gt;Load Numbers From File&lt;/b&gt; reads list files, plain text with one number per line; lines that are not numbers are skipped.</source>
        <translation>Dateien: &lt;b&gt;Zahlen aus Datei laden&lt;/b&gt; liest Listendateien, also reinen Text mit einer Zahl pro Zeile; Zeilen, die keine Zahlen sind, werden übersprungen.</translation>
    </message>
    <message>
        <source>Drops: drop list files, or folders whose list files are all read, on the number list. Esc stops a long drop.</source>
        <translation>Ablegen: Legen Sie Listendateien oder Ordner, deren Listendateien dann alle gelesen werden, auf der Zahlenliste ab. Esc bricht ein langes Ablegen ab.</translation>
    </message>
    <message>
        <source>Paste: Ctrl+V, Shift+Insert or &lt;b&gt;Paste Numbers&lt;/b&gt; add the numbers of the clipboard, such as a column or a block of cells copied from a spreadsheet.</source>
        <translation>Einfügen: Ctrl+V, Shift+Insert oder &lt;b&gt;Zahlen einfügen&lt;/b&gt; fügen die Zahlen aus der Zwischenablage hinzu, etwa eine Spalte oder einen Zellbereich, die aus einer Tabellenkalkulation kopiert wurden.</translation>
    </message>
    <message>
        <source>Sample: &lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed series to try the program with.</source>
        <translation>Beispiel: &lt;b&gt;Beispielzahlen laden&lt;/b&gt; fügt eine feste Reihe hinzu, mit der Sie das Programm ausprobieren können.</translation>
    </message>
    <message>
        <source>A number is written with the decimal and grouping separators of your regional format, or as a plain number with a point, which every format reads.</source>
        <translation>Eine Zahl wird mit dem Dezimal- und dem Tausendertrennzeichen Ihres Regionalformats geschrieben oder als einfache Zahl mit Punkt, die jedes Format liest.</translation>
    </message>
    <message>
        <source>After each addition a short notice over the bottom of the list says how many numbers were added and how many lines were not numbers.</source>
        <translation>Nach jedem Hinzufügen zeigt ein kurzer Hinweis am unteren Rand der Liste, wie viele Zahlen hinzugefügt wurden und wie viele Zeilen keine Zahlen waren.</translation>
    </message>
    <message>
        <source>Double-click an entry to remove it, or select it and press Delete; drag an entry onto another to swap them. Ctrl+Z undoes the last change of the list and Ctrl+Shift+Z or Ctrl+Y does it again; the last 100 changes can be undone.</source>
        <translation>Doppelklicken Sie auf einen Eintrag, um ihn zu entfernen, oder wählen Sie ihn aus und drücken Sie Delete; ziehen Sie einen Eintrag auf einen anderen, um die beiden zu vertauschen. Ctrl+Z macht die letzte Änderung der Liste rückgängig, Ctrl+Shift+Z oder Ctrl+Y führt sie erneut aus; die letzten 100 Änderungen können rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>The analysis and its options</source>
        <translation>Die Analyse und ihre Optionen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; computes the twelve results of the numbers in the list.</source>
        <translation>&lt;b&gt;Analyse starten&lt;/b&gt; berechnet die zwölf Ergebnisse für die Zahlen in der Liste.</translation>
    </message>
    <message>
        <source>With &lt;b&gt;Sample&lt;/b&gt; the variance is the sum of the squared deviations from the mean divided by the count less one; with &lt;b&gt;Population&lt;/b&gt; it is divided by the count. The standard deviation, the skew and the coefficient of variation follow it.</source>
        <translation>Bei &lt;b&gt;Stichprobe&lt;/b&gt; ist die Varianz die Summe der quadrierten Abweichungen vom Mittelwert, geteilt durch die Anzahl minus eins; bei &lt;b&gt;Gesamtheit&lt;/b&gt; wird durch die Anzahl geteilt. Die Standardabweichung, die Schiefe und der Variationskoeffizient richten sich danach.</translation>
    </message>
    <message>
        <source>The last six results are rounded to 1 to 10 decimal places, or shown with all ten decimals; a value those would show as 0 or with fewer than four significant digits is shown with 15 significant digits instead.</source>
        <translation>Die letzten sechs Ergebnisse werden auf 1 bis 10 Nachkommastellen gerundet oder mit allen zehn Nachkommastellen angezeigt; ein Wert, der dabei als 0 oder mit weniger als vier signifikanten Stellen erschiene, wird stattdessen mit 15 signifikanten Stellen angezeigt.</translation>
    </message>
    <message>
        <source>The options are remembered from one start to the next.</source>
        <translation>Die Optionen bleiben von einem Programmstart zum nächsten erhalten.</translation>
    </message>
    <message>
        <source>Exporting the results</source>
        <translation>Die Ergebnisse exportieren</translation>
    </message>
    <message>
        <source>Tick the results to export: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Then:</source>
        <translation>Kreuzen Sie die zu exportierenden Ergebnisse an: Space kreuzt die aktuelle Zeile an, Ctrl+A alle, Ctrl+Shift+A keine. Dann:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Text File&lt;/b&gt; writes them in padded columns.</source>
        <translation>&lt;b&gt;Als Textdatei speichern&lt;/b&gt; schreibt sie in bündig ausgerichteten Spalten.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy Results To Clipboard&lt;/b&gt; copies them as text.</source>
        <translation>&lt;b&gt;In Zwischenablage kopieren&lt;/b&gt; kopiert sie als Text.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Excel File&lt;/b&gt; opens them in a new spreadsheet workbook, which needs LibreOffice Calc.</source>
        <translation>&lt;b&gt;Als Excel-Datei speichern&lt;/b&gt; öffnet sie in einer neuen Arbeitsmappe einer Tabellenkalkulation; dafür wird LibreOffice Calc benötigt.</translation>
    </message>
    <message>
        <source>With no result ticked, each of the three only says so. &lt;b&gt;Copy as Table&lt;/b&gt; in the results list&apos;s context menu copies the ticked lines, or all, as label and value separated by a tab, ready to paste into a spreadsheet.</source>
        <translation>Ist kein Ergebnis angekreuzt, weist jede der drei nur darauf hin. &lt;b&gt;Als Tabelle kopieren&lt;/b&gt; im Kontextmenü der Ergebnisliste kopiert die angekreuzten Zeilen oder alle als Bezeichnung und Wert, getrennt durch einen Tabulator, bereit zum Einfügen in eine Tabellenkalkulation.</translation>
    </message>
    <message>
        <source>The distribution window</source>
        <translation>Das Verteilungsfenster</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Distribution…&lt;/b&gt; (Ctrl+D, or either list&apos;s context menu) opens a window of its own with a picture of the last analysis&apos;s numbers and a table of their spread.</source>
        <translation>&lt;b&gt;Verteilung anzeigen …&lt;/b&gt; (Ctrl+D oder das Kontextmenü einer der beiden Listen) öffnet ein eigenes Fenster mit einem Bild der Zahlen der letzten Analyse und einer Tabelle ihrer Streuung.</translation>
    </message>
    <message>
        <source>The distribution window of the sample series</source>
        <translation>Das Verteilungsfenster der Beispielreihe</translation>
    </message>
    <message>
        <source>The picture shows a histogram, the normal curve of the mean and the standard deviation, the mean and the median marked, and a box plot on the same axis.</source>
        <translation>Das Bild zeigt ein Histogramm, die Normalverteilungskurve zu Mittelwert und Standardabweichung, Markierungen für Mittelwert und Median sowie einen Boxplot auf derselben Achse.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Bins&lt;/b&gt; sets the number of bars from 1 to 500, or leaves it to the program. &lt;b&gt;Copy Picture&lt;/b&gt; (Ctrl+C) copies the picture as an image, &lt;b&gt;Save Picture…&lt;/b&gt; (Ctrl+S) saves it as PNG or SVG, and Esc closes the window.</source>
        <translation>&lt;b&gt;Klassen&lt;/b&gt; legt die Anzahl der Balken von 1 bis 500 fest oder überlässt sie dem Programm. &lt;b&gt;Bild kopieren&lt;/b&gt; (Ctrl+C) kopiert das Bild als Grafik, &lt;b&gt;Bild speichern …&lt;/b&gt; (Ctrl+S) speichert es als PNG oder SVG, und Esc schließt das Fenster.</translation>
    </message>
    <message>
        <source>The window follows each new analysis and says when the number list has changed since the one it shows.</source>
        <translation>Das Fenster folgt jeder neuen Analyse und weist darauf hin, wenn sich die Zahlenliste seit der angezeigten Analyse geändert hat.</translation>
    </message>
    <message>
        <source>The menu bar</source>
        <translation>Die Menüleiste</translation>
    </message>
    <message>
        <source>The menus hold every command of the buttons and context menus; each item does exactly what its button does.</source>
        <translation>Die Menüs enthalten alle Befehle der Schaltflächen und Kontextmenüs; jeder Eintrag bewirkt genau dasselbe wie seine Schaltfläche.</translation>
    </message>
    <message>
        <source>&lt;b&gt;File&lt;/b&gt;: loading and saving numbers, recent files, saving the results, and Quit (Ctrl+Q).</source>
        <translation>&lt;b&gt;Datei&lt;/b&gt;: Zahlen laden und speichern, zuletzt geöffnete Dateien, Ergebnisse speichern und „Beenden“ (Ctrl+Q).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt;: undo and redo, pasting and copying numbers, copying the results, and clearing the lists.</source>
        <translation>&lt;b&gt;Bearbeiten&lt;/b&gt;: Rückgängig und Wiederholen, Zahlen einfügen und kopieren, Ergebnisse kopieren und die Listen leeren.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Analysis&lt;/b&gt;: Start Analysis, the method, Show all decimals and Show Distribution….</source>
        <translation>&lt;b&gt;Analyse&lt;/b&gt;: „Analyse starten“, die Methode, „Alle Stellen zeigen“ und „Verteilung anzeigen …“.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt;: this manual (F1), the keyboard shortcuts, and About Tallowmere.</source>
        <translation>&lt;b&gt;Hilfe&lt;/b&gt;: dieses Handbuch (F1), die Tastenkürzel und „Über Tallowmere“.</translation>
    </message>
    <message>
        <source>Alt with the underlined letter of a menu, button or option reaches it from the keyboard. The window can be enlarged: the two lists take the extra room, and the size is remembered.</source>
        <translation>Alt zusammen mit dem unterstrichenen Buchstaben eines Menüs, einer Schaltfläche oder einer Option erreicht diese über die Tastatur. Das Fenster lässt sich vergrößern: Die beiden Listen nutzen den zusätzlichen Platz, und die Größe wird gespeichert.</translation>
    </message>
    <message>
        <source>Keeping your numbers</source>
        <translation>Ihre Zahlen aufbewahren</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Numbers…&lt;/b&gt; (Ctrl+S) writes the number list as a list file, one entry per line, exactly as the entries read; &lt;b&gt;Load Numbers From File&lt;/b&gt; reads it back. &lt;b&gt;Copy Numbers&lt;/b&gt; (Ctrl+C in the number list) copies the selected entries, or all when none is selected, one per line.</source>
        <translation>&lt;b&gt;Zahlen speichern …&lt;/b&gt; (Ctrl+S) schreibt die Zahlenliste als Listendatei, einen Eintrag pro Zeile, genau so, wie die Einträge lauten; &lt;b&gt;Zahlen aus Datei laden&lt;/b&gt; liest sie wieder ein. &lt;b&gt;Zahlen kopieren&lt;/b&gt; (Ctrl+C in der Zahlenliste) kopiert die ausgewählten Einträge oder alle, wenn keiner ausgewählt ist, einen pro Zeile.</translation>
    </message>
    <message>
        <source>When the window closes, the number list is kept. The next start begins with an empty list, as always, and offers over it to restore the numbers from last time: one click brings them back, and Ctrl+Z takes them away again. The offer goes at the first change of the list. A list over 100 MB is not kept; the next start says so.</source>
        <translation>Beim Schließen des Fensters wird die Zahlenliste aufbewahrt. Der nächste Start beginnt wie immer mit einer leeren Liste und bietet darüber an, die Zahlen vom letzten Mal wiederherzustellen: Ein Klick holt sie zurück, und Ctrl+Z entfernt sie wieder. Das Angebot verschwindet bei der ersten Änderung der Liste. Eine Liste über 100 MB wird nicht aufbewahrt; der nächste Start weist darauf hin.</translation>
    </message>
    <message>
        <source>&lt;b&gt;File → Open Recent&lt;/b&gt; lists the last eight list files read or saved.</source>
        <translation>&lt;b&gt;Datei → Zuletzt geöffnet&lt;/b&gt; zeigt die letzten acht gelesenen oder gespeicherten Listendateien.</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>The program speaks the language of your desktop: English, German, French, Spanish, Italian, Brazilian Portuguese, Dutch, Polish or Japanese. The result rows and the three exports use it too.</source>
        <translation>Das Programm spricht die Sprache Ihrer Arbeitsumgebung: Englisch, Deutsch, Französisch, Spanisch, Italienisch, brasilianisches Portugiesisch, Niederländisch, Polnisch oder Japanisch. Auch die Ergebniszeilen und die drei Exporte verwenden sie.</translation>
    </message>
    <message>
        <source>The language is chosen by &lt;code&gt;LANGUAGE&lt;/code&gt;, &lt;code&gt;LC_ALL&lt;/code&gt;, &lt;code&gt;LC_MESSAGES&lt;/code&gt; or &lt;code&gt;LANG&lt;/code&gt;, as in other desktop programs; the format of numbers follows &lt;code&gt;LC_NUMERIC&lt;/code&gt; on its own. So &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; gives English words with German numbers.</source>
        <translation>Die Sprache wird wie bei anderen Desktop-Programmen durch &lt;code&gt;LANGUAGE&lt;/code&gt;, &lt;code&gt;LC_ALL&lt;/code&gt;, &lt;code&gt;LC_MESSAGES&lt;/code&gt; oder &lt;code&gt;LANG&lt;/code&gt; bestimmt; das Zahlenformat richtet sich allein nach &lt;code&gt;LC_NUMERIC&lt;/code&gt;. So ergibt &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; englische Texte mit deutschen Zahlen.</translation>
    </message>
    <message>
        <source>The tallowmere command</source>
        <translation>Der Befehl tallowmere</translation>
    </message>
    <message>
        <source>Opens the window and reads each path, in the order given, as if all of them had been dropped on the number list together: a file as a list file, a folder with all its sub-folders. A file manager&apos;s Open With uses this.</source>
        <translation>Öffnet das Fenster und liest jeden Pfad in der angegebenen Reihenfolge, als wären alle zusammen auf der Zahlenliste abgelegt worden: eine Datei als Listendatei, einen Ordner mit allen Unterordnern. „Öffnen mit“ in einem Dateimanager nutzt dies.</translation>
    </message>
    <message>
        <source>Prints a short help text and exits.</source>
        <translation>Gibt einen kurzen Hilfetext aus und beendet sich.</translation>
    </message>
    <message>
        <source>Prints the version and exits.</source>
        <translation>Gibt die Version aus und beendet sich.</translation>
    </message>
    <message>
        <source>Ends the options: every later argument is a path.</source>
        <translation>Beendet die Optionen: Jedes weitere Argument ist ein Pfad.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as &lt;code&gt;-platform&lt;/code&gt; and &lt;code&gt;-style&lt;/code&gt;, are taken as well. The exit status is 0, or 2 after an unknown option.</source>
        <translation>Qt-eigene Optionen wie &lt;code&gt;-platform&lt;/code&gt; und &lt;code&gt;-style&lt;/code&gt; werden ebenfalls angenommen. Der Exit-Status ist 0, oder 2 nach einer unbekannten Option.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>The options of the window are kept in &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt;, section &lt;code&gt;[Tallowmere]&lt;/code&gt;, written the moment they change. The number list kept at close is in &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt;. The program writes nothing else but the files you name, the clipboard and new spreadsheet workbooks.</source>
        <translation>Die Optionen des Fensters werden in &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt;, Abschnitt &lt;code&gt;[Tallowmere]&lt;/code&gt;, gespeichert, sobald sie sich ändern. Die beim Schließen aufbewahrte Zahlenliste liegt in &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt;. Darüber hinaus schreibt das Programm nur die Dateien, die Sie angeben, die Zwischenablage und neue Arbeitsmappen.</translation>
    </message>
    <message>
        <source>The tallowmere-analyse command</source>
        <translation>Der Befehl tallowmere-analyse</translation>
    </message>
    <message>
        <source>&lt;code&gt;tallowmere-analyse&lt;/code&gt; runs the analysis of the window without a window and writes its twelve results to standard output, for scripts. Each path is read as the window reads a dropped one; &lt;code&gt;-&lt;/code&gt;, or no path at all, is standard input.</source>
        <translation>&lt;code&gt;tallowmere-analyse&lt;/code&gt; führt die Analyse des Fensters ohne Fenster aus und schreibt ihre zwölf Ergebnisse auf die Standardausgabe, für Skripte. Jeder Pfad wird so gelesen, wie das Fenster einen abgelegten liest; &lt;code&gt;-&lt;/code&gt; oder gar kein Pfad steht für die Standardeingabe.</translation>
    </message>
    <message>
        <source>Reads list files and folders.</source>
        <translation>Liest Listendateien und Ordner.</translation>
    </message>
    <message>
        <source>Reads each line of the file as one entry, exactly as if typed in the window: a line that is not a number counts as its leading number, or 0.</source>
        <translation>Liest jede Zeile der Datei als einen Eintrag, genau wie im Fenster eingegeben: Eine Zeile, die keine Zahl ist, zählt als ihre führende Zahl oder als 0.</translation>
    </message>
    <message>
        <source>Reads the files as tables (CSV or TSV) and the numbers of one column: by its number from 1, or with a header line by its name. The delimiter is the tab unless given; with the strict option a record with too few fields makes the exit status 1.</source>
        <translation>Liest die Dateien als Tabellen (CSV oder TSV) und die Zahlen einer Spalte: über ihre Nummer ab 1 oder, mit einer Kopfzeile, über ihren Namen. Das Trennzeichen ist der Tabulator, sofern nicht anders angegeben; mit der strikten Option führt ein Datensatz mit zu wenigen Feldern zum Exit-Status 1.</translation>
    </message>
    <message>
        <source>The method of the variance; a sample is the default.</source>
        <translation>Die Methode der Varianz; Standard ist die Stichprobe.</translation>
    </message>
    <message>
        <source>The rounding, as in the window; the text format rounds to 3 places by default.</source>
        <translation>Die Rundung wie im Fenster; das Textformat rundet standardmäßig auf 3 Stellen.</translation>
    </message>
    <message>
        <source>Text writes the rows as the window shows them; tsv writes a key and a value per line; json writes one object. Tsv and json write a point as the decimal separator and, unless told otherwise, every digit.</source>
        <translation>text schreibt die Zeilen so, wie das Fenster sie zeigt; tsv schreibt einen Schlüssel und einen Wert pro Zeile; json schreibt ein Objekt. tsv und json schreiben einen Punkt als Dezimaltrennzeichen und, sofern nicht anders angegeben, alle Stellen.</translation>
    </message>
    <message>
        <source>Adds the minimum, the maximum, the range, the quartiles, the interquartile range, the kurtosis, the standard error of the mean and, for a sample, the 95 % confidence interval of the mean.</source>
        <translation>Fügt das Minimum, das Maximum, die Spannweite, die Quartile, den Interquartilsabstand, die Wölbung, den Standardfehler des Mittelwerts und, bei einer Stichprobe, das 95-%-Konfidenzintervall des Mittelwerts hinzu.</translation>
    </message>
    <message>
        <source>Prints the help text or the version and exits.</source>
        <translation>Gibt den Hilfetext oder die Version aus und beendet sich.</translation>
    </message>
    <message>
        <source>Messages on standard error and the rows of the text format follow your language, as the window does; the keys of tsv and json and the option names never change.</source>
        <translation>Meldungen auf der Standardfehlerausgabe und die Zeilen des Textformats folgen wie das Fenster Ihrer Sprache; die Schlüssel von tsv und json sowie die Optionsnamen ändern sich nie.</translation>
    </message>
    <message>
        <source>The exit status is 0 when the results were written; 1 when there were no numbers, something could not be read or the results could not be written; 2 when the command line was wrong.</source>
        <translation>Der Exit-Status ist 0, wenn die Ergebnisse geschrieben wurden; 1, wenn es keine Zahlen gab, etwas nicht gelesen werden konnte oder die Ergebnisse nicht geschrieben werden konnten; 2, wenn die Befehlszeile fehlerhaft war.</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Beispiele</translation>
    </message>
    <message>
        <source>The results of the third column of a TSV file.</source>
        <translation>Die Ergebnisse der dritten Spalte einer TSV-Datei.</translation>
    </message>
    <message>
        <source>A column by its name, from a CSV file as a German spreadsheet saves it.</source>
        <translation>Eine Spalte über ihren Namen, aus einer CSV-Datei, wie eine deutsche Tabellenkalkulation sie speichert.</translation>
    </message>
    <message>
        <source>Two files with the numbers of standard input between them.</source>
        <translation>Zwei Dateien mit den Zahlen der Standardeingabe dazwischen.</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Tallowmere Manual</source>
        <translation>Tallowmere-Handbuch</translation>
    </message>
    <message>
        <source>Tables and workbooks</source>
        <translation>Tabellen und Arbeitsmappen</translation>
    </message>
    <message>
        <source>A file of several columns (CSV, TSV, text separated by semicolons as a German spreadsheet saves it) or a workbook (.ods, .xlsx) opens the &lt;b&gt;Open Table&lt;/b&gt; dialog when it is loaded, dropped or named on the command line; so does &lt;b&gt;Open Table…&lt;/b&gt; in the number list&apos;s context menu, and a paste of several columns.</source>
        <translation>Eine Datei mit mehreren Spalten (CSV, TSV, durch Semikolons getrennter Text, wie eine deutsche Tabellenkalkulation ihn speichert) oder eine Arbeitsmappe (.ods, .xlsx) öffnet den Dialog &lt;b&gt;Tabelle öffnen&lt;/b&gt;, wenn sie geladen, abgelegt oder auf der Befehlszeile genannt wird; ebenso &lt;b&gt;Tabelle öffnen …&lt;/b&gt; im Kontextmenü der Zahlenliste und das Einfügen mehrerer Spalten.</translation>
    </message>
    <message>
        <source>The dialog shows the first rows with what it guessed: the delimiter, whether the first row is a header, the decimal separator and, for a workbook, the sheet. Change any of them and the preview follows. Then tick the columns to read and, to compare groups, choose a column in &lt;b&gt;Split by&lt;/b&gt;.</source>
        <translation>Der Dialog zeigt die ersten Zeilen mit dem, was er erkannt hat: das Trennzeichen, ob die erste Zeile eine Kopfzeile ist, das Dezimaltrennzeichen und bei einer Arbeitsmappe das Tabellenblatt. Ändern Sie eine dieser Angaben, folgt die Vorschau. Kreuzen Sie dann die zu lesenden Spalten an und wählen Sie, um Gruppen zu vergleichen, eine Spalte unter &lt;b&gt;Aufteilen nach&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>One column ticked and no split: its numbers are added to the number list as one change, which Ctrl+Z undoes; cells that are not numbers are counted in the notice.</source>
        <translation>Eine Spalte angekreuzt und keine Aufteilung: Ihre Zahlen werden der Zahlenliste als eine Änderung hinzugefügt, die Ctrl+Z rückgängig macht; Zellen, die keine Zahlen sind, zählt der Hinweis.</translation>
    </message>
    <message>
        <source>Several columns, or a split: the &lt;b&gt;Compare&lt;/b&gt; window opens and the number list is left as it was.</source>
        <translation>Mehrere Spalten oder eine Aufteilung: Das Fenster &lt;b&gt;Vergleichen&lt;/b&gt; öffnet sich, und die Zahlenliste bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>The Compare window has a column for each column or group and a row for each statistic, computed as the main window computes them and rounded as it rounds; it follows the main window&apos;s method and decimals. Below the table are box plots of every list on one axis, and with &lt;b&gt;Histograms&lt;/b&gt; their histograms over the same span.</source>
        <translation>Das Fenster Vergleichen hat eine Spalte für jede Spalte oder Gruppe und eine Zeile für jede Kennzahl, berechnet und gerundet wie im Hauptfenster; es folgt dessen Methode und Nachkommastellen. Unter der Tabelle stehen Boxplots aller Listen auf einer Achse, mit &lt;b&gt;Histogramme&lt;/b&gt; zusätzlich ihre Histogramme über dieselbe Spanne.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy as Table&lt;/b&gt; (Ctrl+C) copies the table, separated by tabs, ready to paste into a spreadsheet; &lt;b&gt;Save Table…&lt;/b&gt; (Ctrl+S) saves it as CSV or as a workbook; &lt;b&gt;Copy Picture&lt;/b&gt; and &lt;b&gt;Save Picture…&lt;/b&gt; do the same for the picture; &lt;b&gt;Send to Number List&lt;/b&gt; adds the numbers of the chosen list to the main window&apos;s number list.</source>
        <translation>&lt;b&gt;Als Tabelle kopieren&lt;/b&gt; (Ctrl+C) kopiert die Tabelle, durch Tabulatoren getrennt, zum Einfügen in eine Tabellenkalkulation; &lt;b&gt;Tabelle speichern …&lt;/b&gt; (Ctrl+S) speichert sie als CSV oder als Arbeitsmappe; &lt;b&gt;Bild kopieren&lt;/b&gt; und &lt;b&gt;Bild speichern …&lt;/b&gt; tun dasselbe mit dem Bild; &lt;b&gt;An die Zahlenliste senden&lt;/b&gt; fügt die Zahlen der gewählten Liste der Zahlenliste des Hauptfensters hinzu.</translation>
    </message>
    <message>
        <source>Several columns, or every column that holds numbers, each analysed on its own; with a group column, each column&apos;s rows are split by its values. The text format writes a block for each, headed by its name; tsv writes a column for each; json writes an array of objects.</source>
        <translation>Mehrere Spalten oder jede Spalte, die Zahlen enthält, jede für sich analysiert; mit einer Gruppenspalte werden die Zeilen jeder Spalte nach deren Werten aufgeteilt. Das Textformat schreibt für jede einen Block mit ihrem Namen als Überschrift; tsv schreibt für jede eine Spalte; json schreibt ein Array von Objekten.</translation>
    </message>
    <message>
        <source>The sheet of a workbook (.ods or .xlsx, known by its content) to read the columns from; the first unless given.</source>
        <translation>Das Tabellenblatt einer Arbeitsmappe (.ods oder .xlsx, am Inhalt erkannt), aus dem die Spalten gelesen werden; ohne Angabe das erste.</translation>
    </message>
    <message>
        <source>The weights of each group of a workbook&apos;s first sheet, side by side.</source>
        <translation>Die Gewichte jeder Gruppe aus dem ersten Tabellenblatt einer Arbeitsmappe, nebeneinander.</translation>
    </message>
    <message>
        <source>Whole numbers of up to 100 values get a bar for each value, centred on it. &lt;b&gt;Range&lt;/b&gt; shows all values or leaves out the outliers beyond the box plot&apos;s fences, which are then marked with their count at the ends of the axis; &lt;b&gt;Logarithmic axis&lt;/b&gt;, for positive numbers only, makes the bins equal on a logarithmic scale. Point at a bar to see its range and count. With &lt;b&gt;Include title and statistics&lt;/b&gt;, Copy Picture and Save Picture… add a title and the table of spread to the picture.</source>
        <translation>Ganze Zahlen mit bis zu 100 Werten erhalten für jeden Wert einen Balken, darauf zentriert. &lt;b&gt;Bereich&lt;/b&gt; zeigt alle Werte oder lässt die Ausreißer jenseits der Zäune des Boxplots weg, die dann mit ihrer Anzahl an den Enden der Achse markiert werden; &lt;b&gt;Logarithmische Achse&lt;/b&gt;, nur für positive Zahlen, macht die Klassen auf einer logarithmischen Skala gleich breit. Zeigen Sie auf einen Balken, um seinen Bereich und seine Anzahl zu sehen. Mit &lt;b&gt;Titel und Statistik einbeziehen&lt;/b&gt; fügen Bild kopieren und Bild speichern … dem Bild einen Titel und die Tabelle der Streuung hinzu.</translation>
    </message>
    <message>
        <source>The encoding of a table&apos;s text: utf-8, utf-16le, utf-16be, utf-32le, utf-32be or windows-1252. Without it each file is read in the form its first bytes show, as the table dialog reads it; standard input is then read as a list file.</source>
        <translation>Die Kodierung des Textes einer Tabelle: utf-8, utf-16le, utf-16be, utf-32le, utf-32be oder windows-1252. Ohne sie wird jede Datei in der Form gelesen, die ihre ersten Bytes zeigen, wie der Tabellendialog sie liest; die Standardeingabe wird dann wie eine Listendatei gelesen.</translation>
    </message>
</context>
<context>
    <name>ManualEntry</name>
    <message>
        <source>Enter number or numbers (use commas):</source>
        <translation>Zahl oder Zahlen eingeben (durch Kommas getrennt):</translation>
    </message>
    <message>
        <source>Enter number or numbers (use semicolons):</source>
        <translation>Zahl oder Zahlen eingeben (durch Semikolons getrennt):</translation>
    </message>
</context>
<context>
    <name>Normality</name>
    <message>
        <source>The Shapiro-Wilk test needs at least 3 numbers</source>
        <translation>Der Shapiro-Wilk-Test braucht mindestens 3 Zahlen</translation>
    </message>
    <message>
        <source>The Shapiro-Wilk test takes at most 5000 numbers</source>
        <translation>Der Shapiro-Wilk-Test nimmt höchstens 5000 Zahlen</translation>
    </message>
    <message>
        <source>The K² test needs at least 8 numbers</source>
        <translation>Der K²-Test braucht mindestens 8 Zahlen</translation>
    </message>
    <message>
        <source>All the numbers are equal</source>
        <translation>Alle Zahlen sind gleich</translation>
    </message>
    <message>
        <source>The numbers are too large or too far apart for the test</source>
        <translation>Die Zahlen sind für den Test zu groß oder liegen zu weit auseinander</translation>
    </message>
    <message>
        <source>The kurtosis is outside the range of the test&apos;s approximation</source>
        <translation>Die Wölbung liegt außerhalb des Bereichs der Näherung des Tests</translation>
    </message>
    <message>
        <source>no evidence against normality at 5 %</source>
        <translation>kein Hinweis gegen Normalverteilung auf dem 5-%-Niveau</translation>
    </message>
    <message>
        <source>the numbers are unlikely to come from a normal distribution (p = %1)</source>
        <translation>die Zahlen stammen wahrscheinlich nicht aus einer Normalverteilung (p = %1)</translation>
    </message>
</context>
<context>
    <name>NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>%1 rückgängig machen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>%1 wiederholen</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Must be a numeric entry.</source>
        <translation>Die Eingabe muss eine Zahl sein.</translation>
    </message>
</context>
<context>
    <name>OutlierPage</name>
    <message numerus="yes">
        <source>%1 outliers</source>
        <translation>
            <numerusform>%1 Ausreißer</numerusform>
            <numerusform>%1 Ausreißer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 far out</source>
        <translation>
            <numerusform>%1 extremer Ausreißer</numerusform>
            <numerusform>%1 extreme Ausreißer</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OutlierTable</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>PercentileText</name>
    <message>
        <source>“%1” is not a number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>%1: percentiles run from 0 to 100</source>
        <translation>%1: Perzentile reichen von 0 bis 100</translation>
    </message>
</context>
<context>
    <name>QQPage</name>
    <message>
        <source>Shapiro-Wilk: W = %1, p = %2 — %3</source>
        <translation>Shapiro-Wilk: W = %1, p = %2 — %3</translation>
    </message>
    <message>
        <source>Shapiro-Wilk: %1</source>
        <translation>Shapiro-Wilk: %1</translation>
    </message>
    <message>
        <source>D&apos;Agostino-Pearson: K² = %1, p = %2 — %3</source>
        <translation>D&apos;Agostino-Pearson: K² = %1, p = %2 — %3</translation>
    </message>
    <message>
        <source>D&apos;Agostino-Pearson: %1</source>
        <translation>D&apos;Agostino-Pearson: %1</translation>
    </message>
</context>
<context>
    <name>QQPicture</name>
    <message>
        <source>No numbers analysed yet.</source>
        <translation>Noch keine Zahlen analysiert.</translation>
    </message>
    <message>
        <source>Normal quantiles</source>
        <translation>Quantile der Normalverteilung</translation>
    </message>
    <message>
        <source>Sample quantiles</source>
        <translation>Stichprobenquantile</translation>
    </message>
    <message numerus="yes">
        <source>Normal Q-Q plot of %1 numbers: the values from %2 to %3 against the normal quantiles from %4 to %5, with the line through the quartiles (intercept %6, slope %7).</source>
        <translation>
            <numerusform>Normal-Q-Q-Plot von %1 Zahl: die Werte von %2 bis %3 gegen die Quantile der Normalverteilung von %4 bis %5, mit der Geraden durch die Quartile (Achsenabschnitt %6, Steigung %7).</numerusform>
            <numerusform>Normal-Q-Q-Plot von %1 Zahlen: die Werte von %2 bis %3 gegen die Quantile der Normalverteilung von %4 bis %5, mit der Geraden durch die Quartile (Achsenabschnitt %6, Steigung %7).</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Q-Q plot</source>
        <translation>Normal-Q-Q-Plot</translation>
    </message>
</context>
<context>
    <name>QuantileMethods</name>
    <message>
        <source>Nearest rank (R type 1)</source>
        <translation>Nächster Rang (R-Typ 1)</translation>
    </message>
    <message>
        <source>Averaged inverse (SAS default, R type 2)</source>
        <translation>Gemittelte Umkehrung (SAS-Standard, R-Typ 2)</translation>
    </message>
    <message>
        <source>Nearest even rank (R type 3)</source>
        <translation>Nächster gerader Rang (R-Typ 3)</translation>
    </message>
    <message>
        <source>Linear in the distribution function (R type 4)</source>
        <translation>Linear in der Verteilungsfunktion (R-Typ 4)</translation>
    </message>
    <message>
        <source>Hazen, midpoint steps (R type 5)</source>
        <translation>Hazen, Stufenmitten (R-Typ 5)</translation>
    </message>
    <message>
        <source>Exclusive (spreadsheet QUARTILE.EXC, SPSS, Minitab, R type 6)</source>
        <translation>Exklusiv (Tabellenkalkulation QUARTILE.EXKL, SPSS, Minitab, R-Typ 6)</translation>
    </message>
    <message>
        <source>Inclusive (spreadsheet QUARTILE.INC, R type 7, numpy default)</source>
        <translation>Inklusiv (Tabellenkalkulation QUARTILE.INKL, R-Typ 7, Standard von numpy)</translation>
    </message>
    <message>
        <source>Median-unbiased (R type 8)</source>
        <translation>Median-unverzerrt (R-Typ 8)</translation>
    </message>
    <message>
        <source>Normal-unbiased, Blom (R type 9)</source>
        <translation>Normal-unverzerrt, Blom (R-Typ 9)</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>The number of entries is: </source>
        <translation>Die Anzahl der Einträge ist: </translation>
    </message>
    <message>
        <source>The sum of the numbers are: </source>
        <translation>Die Summe der Zahlen ist: </translation>
    </message>
    <message>
        <source>The sum squared is: </source>
        <translation>Das Quadrat der Summe ist: </translation>
    </message>
    <message>
        <source>The sum of squares is: </source>
        <translation>Die Summe der Quadrate ist: </translation>
    </message>
    <message>
        <source>The mode is: </source>
        <translation>Der Modus ist: </translation>
    </message>
    <message>
        <source>The median is: </source>
        <translation>Der Median ist: </translation>
    </message>
    <message>
        <source>The mean is: </source>
        <translation>Der Mittelwert ist: </translation>
    </message>
    <message>
        <source>The variance is: </source>
        <translation>Die Varianz ist: </translation>
    </message>
    <message>
        <source>The skew is: </source>
        <translation>Die Schiefe ist: </translation>
    </message>
    <message>
        <source>The average deviation is: </source>
        <translation>Die mittlere absolute Abweichung ist: </translation>
    </message>
    <message>
        <source>The standard deviation is: </source>
        <translation>Die Standardabweichung ist: </translation>
    </message>
    <message>
        <source>The coefficient of variation is: </source>
        <translation>Der Variationskoeffizient ist: </translation>
    </message>
    <message>
        <source>The minimum is: </source>
        <translation>Das Minimum ist: </translation>
    </message>
    <message>
        <source>The maximum is: </source>
        <translation>Das Maximum ist: </translation>
    </message>
    <message>
        <source>The range is: </source>
        <translation>Die Spannweite ist: </translation>
    </message>
    <message>
        <source>The first quartile is: </source>
        <translation>Das erste Quartil ist: </translation>
    </message>
    <message>
        <source>The third quartile is: </source>
        <translation>Das dritte Quartil ist: </translation>
    </message>
    <message>
        <source>The interquartile range is: </source>
        <translation>Der Interquartilsabstand ist: </translation>
    </message>
    <message>
        <source>The kurtosis is: </source>
        <translation>Die Wölbung ist: </translation>
    </message>
    <message>
        <source>The standard error of the mean is: </source>
        <translation>Der Standardfehler des Mittelwerts ist: </translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s low end is: </source>
        <translation>Die Untergrenze des 95-%-Konfidenzintervalls ist: </translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s high end is: </source>
        <translation>Die Obergrenze des 95-%-Konfidenzintervalls ist: </translation>
    </message>
    <message>
        <source>The geometric mean is: </source>
        <translation>Der geometrische Mittelwert ist: </translation>
    </message>
    <message>
        <source>The harmonic mean is: </source>
        <translation>Der harmonische Mittelwert ist: </translation>
    </message>
    <message>
        <source>The median absolute deviation is: </source>
        <translation>Die mediane absolute Abweichung ist: </translation>
    </message>
    <message>
        <source>The scaled median absolute deviation is: </source>
        <translation>Die skalierte mediane absolute Abweichung ist: </translation>
    </message>
    <message>
        <source>The quantile method is: </source>
        <translation>Die Quantilmethode ist: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk W is: </source>
        <translation>Das W von Shapiro-Wilk ist: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk p-value is: </source>
        <translation>Der p-Wert von Shapiro-Wilk ist: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk test reads: </source>
        <translation>Der Shapiro-Wilk-Test ergibt: </translation>
    </message>
    <message>
        <source>The K² of D&apos;Agostino and Pearson is: </source>
        <translation>Das K² von D&apos;Agostino und Pearson ist: </translation>
    </message>
    <message>
        <source>The K² p-value is: </source>
        <translation>Der p-Wert des K²-Tests ist: </translation>
    </message>
    <message>
        <source>The K² test reads: </source>
        <translation>Der K²-Test ergibt: </translation>
    </message>
    <message>
        <source>The %1 % trimmed mean is: </source>
        <translation>Der %1-%-getrimmte Mittelwert ist: </translation>
    </message>
    <message>
        <source>The %1 % confidence interval&apos;s low end is: </source>
        <translation>Die Untergrenze des %1-%-Konfidenzintervalls ist: </translation>
    </message>
    <message>
        <source>The %1 % confidence interval&apos;s high end is: </source>
        <translation>Die Obergrenze des %1-%-Konfidenzintervalls ist: </translation>
    </message>
    <message>
        <source>The median&apos;s %1 % confidence interval&apos;s low end is: </source>
        <translation>Die Untergrenze des %1-%-Konfidenzintervalls des Medians ist: </translation>
    </message>
    <message>
        <source>The median&apos;s %1 % confidence interval&apos;s high end is: </source>
        <translation>Die Obergrenze des %1-%-Konfidenzintervalls des Medians ist: </translation>
    </message>
    <message>
        <source>The median&apos;s interval&apos;s actual coverage is: </source>
        <translation>Die tatsächliche Überdeckung des Intervalls des Medians ist: </translation>
    </message>
    <message>
        <source>The %1st percentile is: </source>
        <translation>Das %1. Perzentil ist: </translation>
    </message>
    <message>
        <source>The %1nd percentile is: </source>
        <translation>Das %1. Perzentil ist: </translation>
    </message>
    <message>
        <source>The %1rd percentile is: </source>
        <translation>Das %1. Perzentil ist: </translation>
    </message>
    <message>
        <source>The %1th percentile is: </source>
        <translation>Das %1. Perzentil ist: </translation>
    </message>
</context>
<context>
    <name>ResultValues</name>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
</context>
<context>
    <name>ResultsListMenu</name>
    <message>
        <source>Copy as Table</source>
        <translation>Als Tabelle kopieren</translation>
    </message>
</context>
<context>
    <name>RobustStatistics</name>
    <message>
        <source>There are no numbers</source>
        <translation>Es gibt keine Zahlen</translation>
    </message>
    <message>
        <source>The geometric and the harmonic mean need positive numbers</source>
        <translation>Der geometrische und der harmonische Mittelwert brauchen positive Zahlen</translation>
    </message>
    <message>
        <source>The share trimmed from each end must be at least 0 and below 0.5</source>
        <translation>Der an jedem Ende abgeschnittene Anteil muss mindestens 0 und kleiner als 0.5 sein</translation>
    </message>
    <message>
        <source>The confidence level must be from 50 % to 99.9 %</source>
        <translation>Das Konfidenzniveau muss zwischen 50 % und 99.9 % liegen</translation>
    </message>
    <message>
        <source>The confidence interval of the mean needs at least 2 numbers</source>
        <translation>Das Konfidenzintervall des Mittelwerts braucht mindestens 2 Zahlen</translation>
    </message>
    <message>
        <source>Too few numbers for a confidence interval of the median at this level</source>
        <translation>Zu wenige Zahlen für ein Konfidenzintervall des Medians auf diesem Niveau</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>its lock file %1 is not a regular file</source>
        <translation>ihre Sperrdatei %1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>ihr Ordner kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>sie kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>sie kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The options cannot be saved to %1: %2. They stay as chosen until %3 ends.</source>
        <translation>Die Optionen können nicht in %1 gespeichert werden: %2. Sie bleiben wie gewählt, bis %3 beendet wird.</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Open Table</source>
        <translation>Tabelle öffnen</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Anderes</translation>
    </message>
    <message>
        <source>Other delimiter</source>
        <translation>Anderes Trennzeichen</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>Erste Zeile ist &amp;Kopfzeile</translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation>Erste Zeile ist Kopfzeile</translation>
    </message>
    <message>
        <source>As in this locale (%1)</source>
        <translation>Wie in den Regionaleinstellungen (%1)</translation>
    </message>
    <message>
        <source>Point (61.5)</source>
        <translation>Punkt (61.5)</translation>
    </message>
    <message>
        <source>Comma (61,5)</source>
        <translation>Komma (61,5)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <source>D&amp;ecimal separator:</source>
        <translation>&amp;Dezimaltrennzeichen:</translation>
    </message>
    <message>
        <source>Shee&amp;t:</source>
        <translation>&amp;Blatt:</translation>
    </message>
    <message>
        <source>Co&amp;lumns:</source>
        <translation>&amp;Spalten:</translation>
    </message>
    <message>
        <source>&amp;Split by:</source>
        <translation>&amp;Aufteilen nach:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>&amp;Vorschau:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is neither a spreadsheet nor a table of delimited text.</source>
        <translation>%1 ist weder eine Tabellenkalkulationsdatei noch eine Tabelle aus Text mit Trennzeichen.</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be read (%2).</source>
        <translation>%1 ist beschädigt und konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>%1 is protected by a password: save it without one to open it.</source>
        <translation>%1 ist durch ein Passwort geschützt: Speichern Sie die Datei ohne Passwort, um sie zu öffnen.</translation>
    </message>
    <message>
        <source>%1 is an Excel 97-2003 workbook: save it as .xlsx or .ods to open it.</source>
        <translation>%1 ist eine Arbeitsmappe von Excel 97-2003: Speichern Sie sie als .xlsx oder .ods, um sie zu öffnen.</translation>
    </message>
    <message>
        <source>%1 has no sheet %2.</source>
        <translation>%1 hat kein Blatt %2.</translation>
    </message>
    <message>
        <source>UTF-16 (little-endian)</source>
        <translation>UTF-16 (Little Endian)</translation>
    </message>
    <message>
        <source>UTF-16 (big-endian)</source>
        <translation>UTF-16 (Big Endian)</translation>
    </message>
    <message>
        <source>UTF-32 (little-endian)</source>
        <translation>UTF-32 (Little Endian)</translation>
    </message>
    <message>
        <source>UTF-32 (big-endian)</source>
        <translation>UTF-32 (Big Endian)</translation>
    </message>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>Westeuropäisch (Windows-1252)</translation>
    </message>
    <message>
        <source>E&amp;ncoding:</source>
        <translation>Kodier&amp;ung:</translation>
    </message>
</context>
<context>
    <name>TickList</name>
    <message>
        <source>Ticks or unticks the result</source>
        <translation>Kreuzt das Ergebnis an oder hebt das Ankreuzen auf</translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation>Angekreuzt</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Nicht angekreuzt</translation>
    </message>
</context>
<context>
    <name>WholeFileWriter</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::CompareWindow</name>
    <message>
        <source>Statistics of each list</source>
        <translation>Kennzahlen jeder Liste</translation>
    </message>
    <message>
        <source>A column per list and a row per statistic. Ctrl+C copies the whole table.</source>
        <translation>Eine Spalte je Liste und eine Zeile je Kennzahl. Ctrl+C kopiert die ganze Tabelle.</translation>
    </message>
    <message>
        <source>Copy as &amp;Table</source>
        <translation>Als &amp;Tabelle kopieren</translation>
    </message>
    <message>
        <source>Put the table on the clipboard, its cells separated by tabs (Ctrl+C)</source>
        <translation>Die Tabelle in die Zwischenablage legen, ihre Zellen durch Tabulatoren getrennt (Ctrl+C)</translation>
    </message>
    <message>
        <source>Sa&amp;ve Table…</source>
        <translation>Tabelle s&amp;peichern …</translation>
    </message>
    <message>
        <source>Save the table as a CSV file or an Excel workbook (Ctrl+S)</source>
        <translation>Die Tabelle als CSV-Datei oder Excel-Arbeitsmappe speichern (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Liste:</translation>
    </message>
    <message>
        <source>List to send</source>
        <translation>Zu sendende Liste</translation>
    </message>
    <message>
        <source>Se&amp;nd to Number List</source>
        <translation>An die Zahlenliste se&amp;nden</translation>
    </message>
    <message>
        <source>Append the chosen list&apos;s numbers to the main window&apos;s number list</source>
        <translation>Die Zahlen der gewählten Liste an die Zahlenliste des Hauptfensters anhängen</translation>
    </message>
    <message>
        <source>&amp;Histograms</source>
        <translation>&amp;Histogramme</translation>
    </message>
    <message>
        <source>Show each list&apos;s histogram over the same span, with its box plot</source>
        <translation>Das Histogramm jeder Liste über dieselbe Spanne zeigen, mit ihrem Boxplot</translation>
    </message>
    <message>
        <source>Histograms</source>
        <translation>Histogramme</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image</source>
        <translation>Das Bild als Grafik in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>Bild &amp;speichern …</translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file</source>
        <translation>Das Bild als PNG- oder SVG-Datei speichern</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Kennzahl</translation>
    </message>
    <message>
        <source>Save Table</source>
        <translation>Tabelle speichern</translation>
    </message>
    <message>
        <source>The table could not be saved as
%1
%2</source>
        <translation>Die Tabelle konnte nicht gespeichert werden als
%1
%2</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation>Das Bild konnte nicht gespeichert werden als
%1
%2</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::DistributionWindow</name>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Kennzahl</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Kennzahlen</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as name and value separated by a tab.</source>
        <translation>Wählen Sie Zeilen aus und drücken Sie Ctrl+C, um sie als Name und Wert, getrennt durch einen Tabulator, zu kopieren.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>&amp;Bins:</source>
        <translation>K&amp;lassen:</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automatisch (%1)</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Number of bins</source>
        <translation>Anzahl der Klassen</translation>
    </message>
    <message>
        <source>The histogram&apos;s bins, 1 to 500; below 1 the count is chosen from the numbers.</source>
        <translation>Die Klassen des Histogramms, 1 bis 500; unter 1 wird ihre Anzahl anhand der Zahlen gewählt.</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image (Ctrl+C)</source>
        <translation>Das Bild als Grafik in die Zwischenablage legen (Ctrl+C)</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>Bild &amp;speichern …</translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file (Ctrl+S)</source>
        <translation>Das Bild als PNG- oder SVG-Datei speichern (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation>Das Bild konnte nicht gespeichert werden als
%1
%2</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Bereich:</translation>
    </message>
    <message>
        <source>All values</source>
        <translation>Alle Werte</translation>
    </message>
    <message>
        <source>Without outliers</source>
        <translation>Ohne Ausreißer</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Without outliers, the histogram spans the numbers within 1.5 interquartile ranges of the box.</source>
        <translation>Ohne Ausreißer umfasst das Histogramm die Zahlen innerhalb von 1,5 Interquartilsabständen um die Box.</translation>
    </message>
    <message>
        <source>&amp;Logarithmic axis</source>
        <translation>Logarithmische &amp;Achse</translation>
    </message>
    <message>
        <source>Bins of equal width in the logarithm; for positive numbers only</source>
        <translation>Klassen gleicher Breite im Logarithmus; nur für positive Zahlen</translation>
    </message>
    <message>
        <source>&amp;Include title and statistics</source>
        <translation>&amp;Titel und Statistik einbeziehen</translation>
    </message>
    <message>
        <source>Copy and save the picture with a title over it and the statistics under it</source>
        <translation>Das Bild mit einem Titel darüber und der Statistik darunter kopieren und speichern</translation>
    </message>
    <message>
        <source>&amp;Histogram</source>
        <translation>&amp;Histogramm</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Ansichten</translation>
    </message>
    <message>
        <source>&amp;Q-Q Plot</source>
        <translation>&amp;Q-Q-Plot</translation>
    </message>
    <message>
        <source>&amp;Frequencies</source>
        <translation>Häu&amp;figkeiten</translation>
    </message>
    <message>
        <source>&amp;Outliers</source>
        <translation>A&amp;usreißer</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::DropProgressStrip</name>
    <message>
        <source>Stop the drop (Esc)</source>
        <translation>Ablegen abbrechen (Esc)</translation>
    </message>
    <message>
        <source>Stop the drop</source>
        <translation>Ablegen abbrechen</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::Form1</name>
    <message>
        <source>Results note</source>
        <translation>Hinweis zu den Ergebnissen</translation>
    </message>
    <message>
        <source>Number(s)</source>
        <translation>Zahl(en)</translation>
    </message>
    <message>
        <source>Result(s)</source>
        <translation>Ergebnis(se)</translation>
    </message>
    <message>
        <source>The number list has changed since these results.</source>
        <translation>Die Zahlenliste hat sich seit diesen Ergebnissen geändert.</translation>
    </message>
    <message>
        <source>Analysis finished: the results list shows %1 rows.</source>
        <translation>Analyse abgeschlossen: Die Ergebnisliste zeigt %1 Zeilen.</translation>
    </message>
    <message>
        <source>Not every entry will come back as it is when this file is loaded:</source>
        <translation>Beim Laden dieser Datei kommen nicht alle Einträge unverändert zurück:</translation>
    </message>
    <message>
        <source>Entries that are not numbers, left out when it is loaded: %1</source>
        <translation>Einträge, die keine Zahlen sind und beim Laden ausgelassen werden: %1</translation>
    </message>
    <message>
        <source>Entries a list file reads as another value: %1</source>
        <translation>Einträge, die eine Listendatei als anderen Wert liest: %1</translation>
    </message>
    <message>
        <source>Entries holding a line break, read as several lines: %1</source>
        <translation>Einträge mit Zeilenumbruch, die als mehrere Zeilen gelesen werden: %1</translation>
    </message>
    <message>
        <source>The first of them: %1</source>
        <translation>Der erste davon: %1</translation>
    </message>
    <message>
        <source>Save the numbers all the same?</source>
        <translation>Die Zahlen trotzdem speichern?</translation>
    </message>
    <message>
        <source>Save Numbers</source>
        <translation>Zahlen speichern</translation>
    </message>
    <message>
        <source>The numbers could not be saved to &quot;%1&quot;: %2</source>
        <translation>Die Zahlen konnten nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>The numbers from last time could not be read</source>
        <translation>Die Zahlen vom letzten Mal konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>All results ticked</source>
        <translation>Alle Ergebnisse angekreuzt</translation>
    </message>
    <message>
        <source>No results ticked</source>
        <translation>Keine Ergebnisse angekreuzt</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::FrequencyPage</name>
    <message>
        <source>One row per &amp;value</source>
        <translation>Eine Zeile je &amp;Wert</translation>
    </message>
    <message>
        <source>A row for each value however many there are; else, with more than %1 values, a row for each of the histogram&apos;s bins</source>
        <translation>Eine Zeile für jeden Wert, wie viele es auch sind; sonst, bei mehr als %1 Werten, eine Zeile für jede Klasse des Histogramms</translation>
    </message>
    <message>
        <source>Copy as &amp;Table</source>
        <translation>Als Tab&amp;elle kopieren</translation>
    </message>
    <message>
        <source>Put the whole table on the clipboard with its header line, its cells separated by tabs</source>
        <translation>Die ganze Tabelle mit ihrer Kopfzeile in die Zwischenablage legen, die Zellen durch Tabulatoren getrennt</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Frequencies</source>
        <translation>Häufigkeiten</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them, their cells separated by tabs, as a spreadsheet reads them.</source>
        <translation>Wählen Sie Zeilen aus und drücken Sie Ctrl+C, um sie zu kopieren, die Zellen durch Tabulatoren getrennt, so wie eine Tabellenkalkulation sie liest.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>These bins span all the numbers, the outliers too; the histogram leaves the outliers out.</source>
        <translation>Diese Klassen umfassen alle Zahlen, auch die Ausreißer; das Histogramm lässt die Ausreißer weg.</translation>
    </message>
    <message>
        <source>These bins are equal in width; the histogram&apos;s are equal in the logarithm.</source>
        <translation>Diese Klassen sind gleich breit; die des Histogramms sind im Logarithmus gleich breit.</translation>
    </message>
    <message>
        <source>The histogram has a bar for each value; tick &quot;One row per value&quot; for a row each.</source>
        <translation>Das Histogramm hat für jeden Wert einen Balken; kreuzen Sie „Eine Zeile je Wert“ an, um für jeden Wert eine Zeile zu erhalten.</translation>
    </message>
    <message>
        <source>These bins are not the histogram&apos;s.</source>
        <translation>Diese Klassen sind nicht die des Histogramms.</translation>
    </message>
    <message>
        <source>%1 rows are too many to copy: at most %2 can be copied.</source>
        <translation>%1 Zeilen sind zu viele zum Kopieren: Höchstens %2 können kopiert werden.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::HelpWindow</name>
    <message>
        <source>Tallowmere Manual</source>
        <translation>Tallowmere-Handbuch</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation>Im Handbuch suchen</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation>Einträge entfernen, die keine Zahlen sind</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::OutlierModel</name>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::OutlierPage</name>
    <message>
        <source>Outliers</source>
        <translation>Ausreißer</translation>
    </message>
    <message>
        <source>&amp;Values beyond the fences:</source>
        <translation>Werte &amp;jenseits der Zäune:</translation>
    </message>
    <message>
        <source>Number of smallest and largest values</source>
        <translation>Anzahl der kleinsten und größten Werte</translation>
    </message>
    <message>
        <source>How many of the smallest and of the largest numbers are listed, 1 to 100.</source>
        <translation>Wie viele der kleinsten und der größten Zahlen aufgeführt werden, 1 bis 100.</translation>
    </message>
    <message>
        <source>&amp;Extremes at each end:</source>
        <translation>E&amp;xtremwerte an jedem Ende:</translation>
    </message>
    <message>
        <source>Smallest and largest values</source>
        <translation>Kleinste und größte Werte</translation>
    </message>
    <message>
        <source>Select in &amp;Number List</source>
        <translation>In der &amp;Zahlenliste auswählen</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as kind, position and value separated by tabs.</source>
        <translation>Wählen Sie Zeilen aus und drücken Sie Ctrl+C, um sie als Art, Position und Wert, getrennt durch Tabulatoren, zu kopieren.</translation>
    </message>
    <message>
        <source>Outlier</source>
        <translation>Ausreißer</translation>
    </message>
    <message>
        <source>Far out</source>
        <translation>Extremer Ausreißer</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Kleinste</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Größte</translation>
    </message>
    <message>
        <source>No outliers; fences %1 and %2; far out beyond %3 and %4.</source>
        <translation>Keine Ausreißer; Zäune %1 und %2; extreme Ausreißer jenseits von %3 und %4.</translation>
    </message>
    <message>
        <source>%1, %2; fences %3 and %4; far out beyond %5 and %6.</source>
        <translation>%1, %2; Zäune %3 und %4; extreme Ausreißer jenseits von %5 und %6.</translation>
    </message>
    <message>
        <source>Showing %1 of %2, the first in the list.</source>
        <translation>%1 von %2 werden gezeigt, die ersten in der Liste.</translation>
    </message>
    <message>
        <source>There is no analysis to select from until one has finished.</source>
        <translation>Bevor eine Analyse abgeschlossen ist, gibt es nichts auszuwählen.</translation>
    </message>
    <message>
        <source>The number list has changed since this analysis, so these positions may no longer be its rows. Press Start Analysis to find them again.</source>
        <translation>Die Zahlenliste hat sich seit dieser Analyse geändert, daher sind diese Positionen vielleicht nicht mehr ihre Zeilen. Klicken Sie auf „Analyse starten“, um sie erneut zu finden.</translation>
    </message>
    <message>
        <source>There are no outliers; select rows of the tables to select those entries.</source>
        <translation>Es gibt keine Ausreißer; wählen Sie Zeilen der Tabellen aus, um diese Einträge auszuwählen.</translation>
    </message>
    <message>
        <source>Select the entries of the selected rows in the number list, or all the outliers listed when no row is selected.</source>
        <translation>Die Einträge der ausgewählten Zeilen in der Zahlenliste auswählen oder alle aufgeführten Ausreißer, wenn keine Zeile ausgewählt ist.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::QQPage</name>
    <message>
        <source>Normal Q-Q plot</source>
        <translation>Normal-Q-Q-Plot</translation>
    </message>
    <message>
        <source>Tests of normality</source>
        <translation>Tests auf Normalverteilung</translation>
    </message>
    <message>
        <source>Press Ctrl+C to copy the selected text, or both lines where nothing is selected.</source>
        <translation>Drücken Sie Ctrl+C, um den ausgewählten Text zu kopieren, oder beide Zeilen, wenn nichts ausgewählt ist.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::StatisticsOptions</name>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Methode:</translation>
    </message>
    <message>
        <source>Quantile method</source>
        <translation>Quantilmethode</translation>
    </message>
    <message>
        <source>How the quartiles, the box plot and the percentiles are read from the numbers</source>
        <translation>Wie die Quartile, der Boxplot und die Perzentile aus den Zahlen bestimmt werden</translation>
    </message>
    <message>
        <source>&amp;Percentiles:</source>
        <translation>&amp;Perzentile:</translation>
    </message>
    <message>
        <source>Percentiles</source>
        <translation>Perzentile</translation>
    </message>
    <message>
        <source>Percentiles&apos; error</source>
        <translation>Fehler bei den Perzentilen</translation>
    </message>
    <message>
        <source>&amp;Trim:</source>
        <translation>T&amp;rimmen:</translation>
    </message>
    <message>
        <source>Trimmed share</source>
        <translation>Getrimmter Anteil</translation>
    </message>
    <message>
        <source>The share of the numbers the trimmed mean leaves out at each end</source>
        <translation>Der Anteil der Zahlen, den der getrimmte Mittelwert an jedem Ende weglässt</translation>
    </message>
    <message>
        <source>Confidence l&amp;evel:</source>
        <translation>Konfidenz&amp;niveau:</translation>
    </message>
    <message>
        <source>Confidence level</source>
        <translation>Konfidenzniveau</translation>
    </message>
    <message>
        <source>The level of the mean&apos;s and the median&apos;s confidence intervals</source>
        <translation>Das Niveau der Konfidenzintervalle des Mittelwerts und des Medians</translation>
    </message>
    <message>
        <source>Percentiles from 0 to 100, separated by semicolons: %1</source>
        <translation>Perzentile von 0 bis 100, durch Semikolons getrennt: %1</translation>
    </message>
    <message>
        <source>Percentiles from 0 to 100, separated by commas or semicolons: %1</source>
        <translation>Perzentile von 0 bis 100, durch Kommas oder Semikolons getrennt: %1</translation>
    </message>
</context>
</TS>
