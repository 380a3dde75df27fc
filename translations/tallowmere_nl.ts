<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutBox</name>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (gebouwd met %2)</translation>
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
        <translation>Gebruikte bibliotheken:</translation>
    </message>
    <message>
        <source>Tallowmere %1</source>
        <translation>Tallowmere %1</translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation>Een bureaubladrekenmachine voor beschrijvende statistiek.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tallowmere authors</source>
        <translation>Copyright © 2026 De auteurs van Tallowmere</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Uitgebracht onder de MIT-licentie.</translation>
    </message>
    <message>
        <source>About Tallowmere</source>
        <translation>Over Tallowmere</translation>
    </message>
</context>
<context>
    <name>AdditionNotice</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 bestand</numerusform>
            <numerusform>%1 bestanden</numerusform>
        </translation>
    </message>
    <message>
        <source> (first: %1)</source>
        <translation> (eerste: %1)</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 regel is gelezen met een decimale komma (eerste: %2)</numerusform>
            <numerusform>%1 regels zijn gelezen met een decimale komma (eerste: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 regel is gelezen met een decimale punt (eerste: %2)</numerusform>
            <numerusform>%1 regels zijn gelezen met een decimale punt (eerste: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 element is gelezen met een decimale komma (eerste: %2)</numerusform>
            <numerusform>%1 elementen zijn gelezen met een decimale komma (eerste: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 element is gelezen met een decimale punt (eerste: %2)</numerusform>
            <numerusform>%1 elementen zijn gelezen met een decimale punt (eerste: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from %2</source>
        <translation>
            <numerusform>%1 getal toegevoegd uit %2</numerusform>
            <numerusform>%1 getallen toegevoegd uit %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the clipboard</source>
        <translation>
            <numerusform>%1 getal toegevoegd van het klembord</numerusform>
            <numerusform>%1 getallen toegevoegd van het klembord</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the dropped text</source>
        <translation>
            <numerusform>%1 getal toegevoegd uit de neergezette tekst</numerusform>
            <numerusform>%1 getallen toegevoegd uit de neergezette tekst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers</source>
        <translation>
            <numerusform>%1 getal toegevoegd</numerusform>
            <numerusform>%1 getallen toegevoegd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were not numbers</source>
        <translation>
            <numerusform>%1 regel was geen getal</numerusform>
            <numerusform>%1 regels waren geen getallen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were not numbers</source>
        <translation>
            <numerusform>%1 element was geen getal</numerusform>
            <numerusform>%1 elementen waren geen getallen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no numbers</source>
        <translation>%1 bevat geen getallen</translation>
    </message>
    <message>
        <source>The file holds no numbers</source>
        <translation>Het bestand bevat geen getallen</translation>
    </message>
    <message>
        <source>The %1 hold no numbers</source>
        <translation>De %1 bevatten geen getallen</translation>
    </message>
    <message>
        <source>The clipboard holds no numbers</source>
        <translation>Het klembord bevat geen getallen</translation>
    </message>
    <message>
        <source>The dropped text holds no numbers</source>
        <translation>De neergezette tekst bevat geen getallen</translation>
    </message>
    <message>
        <source>The answer holds no numbers</source>
        <translation>Het antwoord bevat geen getallen</translation>
    </message>
    <message>
        <source>their only line is not a number in this locale</source>
        <translation>hun enige regel is in deze landinstelling geen getal</translation>
    </message>
    <message>
        <source>its only line is not a number in this locale</source>
        <translation>de enige regel is in deze landinstelling geen getal</translation>
    </message>
    <message>
        <source>its only item is not a number in this locale</source>
        <translation>het enige element is in deze landinstelling geen getal</translation>
    </message>
    <message numerus="yes">
        <source>their %1 lines are not numbers in this locale</source>
        <translation>
            <numerusform>hun %1 regel is in deze landinstelling geen getal</numerusform>
            <numerusform>hun %1 regels zijn in deze landinstelling geen getallen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 lines are not numbers in this locale</source>
        <translation>
            <numerusform>de %1 regel is in deze landinstelling geen getal</numerusform>
            <numerusform>de %1 regels zijn in deze landinstelling geen getallen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 items are not numbers in this locale</source>
        <translation>
            <numerusform>het %1 element is in deze landinstelling geen getal</numerusform>
            <numerusform>de %1 elementen zijn in deze landinstelling geen getallen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries</source>
        <translation>
            <numerusform>%1 item</numerusform>
            <numerusform>%1 items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the %1 sample numbers.</source>
        <translation>
            <numerusform>Het %1 voorbeeldgetal is toegevoegd.</numerusform>
            <numerusform>De %1 voorbeeldgetallen zijn toegevoegd.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers were added</source>
        <translation>
            <numerusform>%1 getal is toegevoegd</numerusform>
            <numerusform>%1 getallen zijn toegevoegd</numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped part-way through the text; %1.</source>
        <translation>Het neerzetten is halverwege de tekst gestopt; %1.</translation>
    </message>
    <message>
        <source>Pasting was stopped part-way through the text; %1.</source>
        <translation>Het plakken is halverwege de tekst gestopt; %1.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>1 entry is not a number and counts as %1: %2.</source>
        <translation>1 item is geen getal en telt als %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers and count as %2: %3.</source>
        <translation>
            <numerusform>%1 item is geen getal en telt als %2: %3.</numerusform>
            <numerusform>%1 items zijn geen getallen en tellen als %2: %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers; the first %2 count as %3: %4.</source>
        <translation>
            <numerusform>%1 item is geen getal; de eerste %2 telt als %3: %4.</numerusform>
            <numerusform>%1 items zijn geen getallen; de eerste %2 tellen als %3: %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 cel is gelezen met een decimale komma (eerste: %2)</numerusform>
            <numerusform>%1 cellen zijn gelezen met een decimale komma (eerste: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 cel is gelezen met een decimale punt (eerste: %2)</numerusform>
            <numerusform>%1 cellen zijn gelezen met een decimale punt (eerste: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from column %2 of %3</source>
        <translation>
            <numerusform>%1 getal toegevoegd uit kolom %2 van %3</numerusform>
            <numerusform>%1 getallen toegevoegd uit kolom %2 van %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were not numbers</source>
        <translation>
            <numerusform>%1 cel was geen getal</numerusform>
            <numerusform>%1 cellen waren geen getallen</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1 of %2 holds no numbers</source>
        <translation>Kolom %1 van %2 bevat geen getallen</translation>
    </message>
    <message>
        <source>its only cell is not a number in this locale</source>
        <translation>de enige cel is in deze landinstelling geen getal</translation>
    </message>
    <message numerus="yes">
        <source>its %1 cells are not numbers in this locale</source>
        <translation>
            <numerusform>de %1 cel is in deze landinstelling geen getal</numerusform>
            <numerusform>de %1 cellen zijn in deze landinstelling geen getallen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Analyser</name>
    <message>
        <source>standard input</source>
        <translation>standaardinvoer</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: &quot;%2&quot;)</source>
        <translation>
            <numerusform>%1 regel is gelezen met een decimale komma (eerste: &quot;%2&quot;)</numerusform>
            <numerusform>%1 regels zijn gelezen met een decimale komma (eerste: &quot;%2&quot;)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: &quot;%2&quot;)</source>
        <translation>
            <numerusform>%1 regel is gelezen met een decimale punt (eerste: &quot;%2&quot;)</numerusform>
            <numerusform>%1 regels zijn gelezen met een decimale punt (eerste: &quot;%2&quot;)</numerusform>
        </translation>
    </message>
    <message>
        <source>an entry</source>
        <translation>een item</translation>
    </message>
    <message>
        <source>the number of entries</source>
        <translation>het aantal items</translation>
    </message>
    <message>
        <source>the sum</source>
        <translation>de som</translation>
    </message>
    <message>
        <source>the sum squared</source>
        <translation>het kwadraat van de som</translation>
    </message>
    <message>
        <source>the sum of squares</source>
        <translation>de kwadratensom</translation>
    </message>
    <message>
        <source>the mode</source>
        <translation>de modus</translation>
    </message>
    <message>
        <source>the median</source>
        <translation>de mediaan</translation>
    </message>
    <message>
        <source>the mean</source>
        <translation>het gemiddelde</translation>
    </message>
    <message>
        <source>the variance</source>
        <translation>de variantie</translation>
    </message>
    <message>
        <source>the skew</source>
        <translation>de scheefheid</translation>
    </message>
    <message>
        <source>the average deviation</source>
        <translation>de gemiddelde afwijking</translation>
    </message>
    <message>
        <source>the standard deviation</source>
        <translation>de standaardafwijking</translation>
    </message>
    <message>
        <source>the coefficient of variation</source>
        <translation>de variatiecoëfficiënt</translation>
    </message>
    <message>
        <source>its lines hold fields separated by &apos;%1&apos;; choose a column with --field N, or --header and --field NAME</source>
        <translation>de regels bevatten velden gescheiden door &apos;%1&apos;; kies een kolom met --field N, of met --header en --field NAME</translation>
    </message>
    <message>
        <source>cannot read the folder</source>
        <translation>kan de map niet lezen</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines are longer than %2 bytes and are each read as their first %2 bytes</source>
        <translation>
            <numerusform>%1 regel is langer dan %2 bytes en wordt gelezen als de eerste %2 bytes</numerusform>
            <numerusform>%1 regels zijn langer dan %2 bytes en worden elk gelezen als hun eerste %2 bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kan %1 niet schrijven</translation>
    </message>
    <message>
        <source>the help</source>
        <translation>de hulptekst</translation>
    </message>
    <message>
        <source>the version</source>
        <translation>de versie</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>de resultaten</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>onvoldoende geheugen</translation>
    </message>
    <message>
        <source>field %1</source>
        <translation>veld %1</translation>
    </message>
    <message>
        <source>the column &apos;%1&apos;</source>
        <translation>de kolom &apos;%1&apos;</translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the record is skipped</source>
        <translation>
            <numerusform>%1 veld, te weinig voor %2; het record wordt overgeslagen</numerusform>
            <numerusform>%1 velden, te weinig voor %2; het record wordt overgeslagen</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>regel %1</translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation>het hier begonnen veld tussen aanhalingstekens wordt niet gesloten vóór het einde van het bestand; het wordt weggelaten</translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields skipped</source>
        <translation>
            <numerusform>nog %1 record met te weinig velden overgeslagen</numerusform>
            <numerusform>nog %1 records met te weinig velden overgeslagen</numerusform>
        </translation>
    </message>
    <message>
        <source>the delimiter must be an ASCII character</source>
        <translation>het scheidingsteken moet een ASCII-teken zijn</translation>
    </message>
    <message>
        <source>the delimiter must be one character</source>
        <translation>het scheidingsteken moet één teken zijn</translation>
    </message>
    <message>
        <source>the quote cannot be the delimiter</source>
        <translation>het aanhalingsteken kan niet het scheidingsteken zijn</translation>
    </message>
    <message>
        <source>a line end cannot be the delimiter</source>
        <translation>een regeleinde kan niet het scheidingsteken zijn</translation>
    </message>
    <message>
        <source>not a number of decimal places</source>
        <translation>geen geldig aantal decimalen</translation>
    </message>
    <message>
        <source>decimal places run from %1 to %2</source>
        <translation>het aantal decimalen loopt van %1 tot %2</translation>
    </message>
    <message>
        <source>no table has that many columns</source>
        <translation>geen enkele tabel heeft zoveel kolommen</translation>
    </message>
    <message>
        <source>columns are numbered from 1</source>
        <translation>kolommen worden genummerd vanaf 1</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a column number or name</source>
        <translation>optie &apos;%1&apos; vereist een kolomnummer of -naam</translation>
    </message>
    <message>
        <source>not a column number; a column name needs --header</source>
        <translation>geen kolomnummer; een kolomnaam vereist --header</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Probeer &apos;%1 --help&apos; voor meer informatie.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>optie &apos;%1&apos; vereist een waarde</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (use text, tsv or json)</source>
        <translation>onbekende indeling &apos;%1&apos; (gebruik text, tsv of json)</translation>
    </message>
    <message>
        <source>%1 takes no PATH</source>
        <translation>%1 accepteert geen PATH</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2</source>
        <translation>optie &apos;%1&apos; vereist %2</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 accepteert geen %2</translation>
    </message>
    <message>
        <source>it is a spreadsheet; choose a column of its first sheet with --field N, or --header and --field NAME (and --sheet for another sheet)</source>
        <translation>het is een rekenblad; kies een kolom van het eerste blad met --field N, of --header en --field NAME (en --sheet voor een ander blad)</translation>
    </message>
    <message>
        <source>a workbook of the old .xls form cannot be read; save it as .xlsx or .ods</source>
        <translation>een werkmap in de oude .xls-vorm kan niet worden gelezen; sla haar op als .xlsx of .ods</translation>
    </message>
    <message>
        <source>the workbook is protected by a password; save it without one</source>
        <translation>de werkmap is met een wachtwoord beveiligd; sla haar op zonder</translation>
    </message>
    <message>
        <source>the spreadsheet has no sheet &apos;%1&apos;</source>
        <translation>het rekenblad heeft geen blad &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: it lacks %1</source>
        <translation>het rekenblad is beschadigd: %1 ontbreekt</translation>
    </message>
    <message>
        <source>a zip archive that holds no spreadsheet (.ods or .xlsx)</source>
        <translation>een zip-archief zonder rekenblad (.ods of .xlsx)</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged or cut short</source>
        <translation>het rekenblad is beschadigd of afgebroken</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: %1</source>
        <translation>het rekenblad is beschadigd: %1</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: sheets are numbered from 1</source>
        <translation>%1 &apos;%2&apos;: bladen worden vanaf 1 genummerd</translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the fields it has are read</source>
        <translation>
            <numerusform>%1 veld, te weinig voor %2; de aanwezige velden worden gelezen</numerusform>
            <numerusform>%1 velden, te weinig voor %2; de aanwezige velden worden gelezen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields</source>
        <translation>
            <numerusform>nog %1 record met te weinig velden</numerusform>
            <numerusform>nog %1 records met te weinig velden</numerusform>
        </translation>
    </message>
    <message>
        <source>a confidence level runs from 50 to 99.9 (percent)</source>
        <translation>een betrouwbaarheidsniveau loopt van 50 tot 99.9 (procent)</translation>
    </message>
    <message>
        <source>the share trimmed from each end is at least 0 and below 0.5</source>
        <translation>het aan elk uiteinde weggelaten deel is minstens 0 en kleiner dan 0.5</translation>
    </message>
    <message>
        <source>percentiles run from 0 to 100</source>
        <translation>percentielen lopen van 0 tot 100</translation>
    </message>
    <message>
        <source>use one of %1, or a number from 1 to 9</source>
        <translation>gebruik een van %1, of een getal van 1 tot 9</translation>
    </message>
    <message>
        <source> (and %1)</source>
        <extracomment>%1 is the option to add, such as --delimiter &apos;,&apos;.</extracomment>
        <translation> (en %1)</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the encoding must be one of %3</source>
        <translation>%1 &apos;%2&apos;: de tekencodering moet een van %3 zijn</translation>
    </message>
</context>
<context>
    <name>Analysis</name>
    <message>
        <source>You forgot to input numbers.</source>
        <translation>U bent vergeten getallen in te voeren.</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>Analyses a list of numbers as &quot;Start Analysis&quot; does in %1 and writes
the twelve results (with %2, further statistics after them).</source>
        <extracomment>%1 is the program&apos;s name, %2 an option. &quot;Start Analysis&quot; is the window&apos;s button. Wrap at 80 columns.</extracomment>
        <translation>Analyseert een lijst getallen zoals “Analyse starten” in %1 en schrijft
de twaalf resultaten (met %2 gevolgd door verdere statistieken).</translation>
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
        <translation>Elk %1 wordt gelezen alsof het op de getallenlijst is neergezet: een bestand
als lijstbestand (één getal per regel, andere regels worden overgeslagen), een
map doorlopen en de bestanden erin gelezen. &apos;%2&apos; is de standaardinvoer, gelezen
als één lijstbestand op zijn plaats tussen de %1-argumenten; zonder %1 wordt
de standaardinvoer gelezen. Wat niet kan worden gelezen (een bestand, of een
map in de boom van een %1 die niet kan worden opgesomd), wordt gemeld op de
standaardfoutuitvoer, één regel per geval: &apos;%3: %1: reden&apos;;
de rest wordt gelezen, en de afsluitstatus is 1.</translation>
    </message>
    <message>
        <source>With %1, every file (and standard input) is read as a table instead:
the field of that column in each record is read as a line of a list file.
With any delimiter but the tab, fields may be quoted as in CSV (RFC 4180).
A record with too few fields is told, &apos;%2: %3: line N: ...&apos;,
and skipped. %1 cannot be given with %4.</source>
        <extracomment>%1 and %4 are options, %2 the program&apos;s name, %3 PATH; &quot;line N&quot; as the program&apos;s own message says it. Wrap at 80 columns.</extracomment>
        <translation>Met %1 wordt in plaats daarvan elk bestand (ook de standaardinvoer) als
tabel gelezen: het veld van die kolom in elk record wordt gelezen als een
regel van een lijstbestand. Met elk scheidingsteken behalve de tab mogen
velden tussen aanhalingstekens staan, zoals in CSV (RFC 4180). Een record
met te weinig velden wordt gemeld, &apos;%2: %3: regel N: ...&apos;,
en overgeslagen. %1 kan niet samen met %4 worden opgegeven.</translation>
    </message>
    <message>
        <source>each line of %1 is one entry, verbatim, as if typed
(standard input when %1 is absent or &apos;%2&apos;); no %3s</source>
        <extracomment>Options&apos; descriptions start at column 21 (column 20 in the window&apos;s help); wrap them at 80 columns. %1 is FILE, %2 the name &apos;-&apos; for standard input, %3 PATH.</extracomment>
        <translation>elke regel van %1 is één item, letterlijk, alsof die is
getypt (de standaardinvoer als %1 ontbreekt of &apos;%2&apos; is);
geen %3-argumenten</translation>
    </message>
    <message>
        <source>read column %1 (from 1) of table files, or the column
whose header cell is %2 (needs %3)</source>
        <extracomment>%1 and %2 are the argument words N and NAME, %3 an option.</extracomment>
        <translation>kolom %1 (vanaf 1) van tabelbestanden lezen, of de kolom
waarvan de kopcel %2 is (vereist %3)</translation>
    </message>
    <message>
        <source>the character between fields (default: tab; &apos;%1&apos; for a
tab); with %2</source>
        <extracomment>%1 is a backslash and the letter t (a tab), %2 an option.</extracomment>
        <translation>het teken tussen de velden (standaard: tab; &apos;%1&apos; voor een
tab); met %2</translation>
    </message>
    <message>
        <source>the first line names the columns and is skipped;
with %1</source>
        <translation>de eerste regel benoemt de kolommen en wordt
overgeslagen; met %1</translation>
    </message>
    <message>
        <source>sample variance and deviations (the default)</source>
        <translation>variantie en afwijkingen van een steekproef (standaard)</translation>
    </message>
    <message>
        <source>population variance and deviations</source>
        <translation>variantie en afwijkingen van de populatie</translation>
    </message>
    <message>
        <source>decimal places, as typed in the window, at most 10
(default 3, and every digit in %1 and %2)</source>
        <extracomment>%1 and %2 are the formats tsv and json.</extracomment>
        <translation>decimalen, zoals in het venster getypt, hoogstens 10
(standaard 3, en elk cijfer in %1 en %2)</translation>
    </message>
    <message>
        <source>show all decimals as the window does (a value its ten
decimals would show as 0 or with fewer than four
significant digits with 15); every digit in %1 and
%2 (%3 is ignored)</source>
        <extracomment>%1 and %2 are the formats tsv and json, %3 an option.</extracomment>
        <translation>alle decimalen tonen zoals het venster (een waarde die met
tien decimalen als 0 of met minder dan vier significante
cijfers zou verschijnen, met 15); elk cijfer in %1 en %2
(%3 wordt genegeerd)</translation>
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
        <translation>%1: de rijen zoals het venster ze toont (standaard);
%2: één regel &apos;sleutel&lt;TAB&gt;waarde&apos; per rij;
%3: één object met de rijen;
%2 en %3 schrijven &apos;.&apos; als decimaalteken en elk
cijfer van elke waarde (de kortste tekst die weer
precies dezelfde double oplevert), tenzij %4
is opgegeven</translation>
    </message>
    <message>
        <source>the time taken to read and for each row, on standard error</source>
        <translation>de tijd voor het lezen en voor elke rij, op de
standaardfoutuitvoer</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>deze hulptekst tonen en afsluiten</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>de versie tonen en afsluiten</translation>
    </message>
    <message>
        <source>end of the options: every argument after it is a %1</source>
        <extracomment>%1 is PATH.</extracomment>
        <translation>einde van de opties: elk argument daarna is een %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>%1 and %2 are accepted
too. The keys of %3 and %4: %5, and with %6 %7 (the last two not with %8);
see %9.</source>
        <extracomment>%1 and %2 are options, %3 and %4 format names, %6 and %8 options, %9 the manual page. %5 and %7 are the lists of keys, three lines each as in English: start a line before them when they do not fit. Wrap at 80 columns.</extracomment>
        <translation>%1 en %2 worden ook
geaccepteerd. De sleutels van %3 en %4:
%5, en met %6 %7 (de laatste twee niet met %8);
zie %9.</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Afsluitstatus:</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>An exit status&apos;s description: it starts at column 6; wrap at 80 columns.</extracomment>
        <translation>voltooid</translation>
    </message>
    <message>
        <source>no numbers, a path that could not be read, or the output failed
(also a quoted field left open at the end of a table, and with %1
a record with too few fields; the results are still written);
out of memory (&apos;%2: %3&apos;, and no results)</source>
        <extracomment>Starts at column 6; wrap at 80 columns. %1 is an option, %2 the program&apos;s name, %3 its message when out of memory.</extracomment>
        <translation>geen getallen, een pad dat niet kon worden gelezen, of de uitvoer mislukte
(ook een veld tussen aanhalingstekens dat aan het einde van een tabel open
bleef, en met %1 een record met te weinig velden; de resultaten
worden toch geschreven); onvoldoende geheugen
(&apos;%2: %3&apos;, en geen resultaten)</translation>
    </message>
    <message>
        <source>usage error</source>
        <translation>onjuiste opdrachtregel</translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation>Een bureaubladrekenmachine voor beschrijvende statistiek.</translation>
    </message>
    <message>
        <source>Each %1 is read when the window has opened, in order, exactly as if it had been
dropped on the number list: a file as a list file (one number per line), a folder
with every list file in it and in its sub-folders.</source>
        <extracomment>%1 is PATH, as in the usage line. Wrap the lines at 80 columns.</extracomment>
        <translation>Elk %1 wordt gelezen zodra het venster geopend is, op volgorde, precies alsof
het op de getallenlijst was neergezet: een bestand als lijstbestand (één getal
per regel), een map met elk lijstbestand erin en in haar submappen.</translation>
    </message>
    <message>
        <source>end of the options: every later argument is a %1</source>
        <extracomment>Starts at column 20 as the other options&apos; descriptions do; wrap at 80 columns. %1 is PATH.</extracomment>
        <translation>einde van de opties: elk volgend argument is een %1</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as %1 or %2, are taken as well.
The method and decimal options are kept in %3
(%4 by default). See %5 and
%6 for the analysis without a window.</source>
        <extracomment>%1 and %2 are Qt&apos;s options, %3 and %4 the settings file, %5 and %6 the manual pages. Wrap the lines at 80 columns.</extracomment>
        <translation>De eigen opties van Qt, zoals %1 of %2, worden ook
geaccepteerd. De methode en de instellingen voor decimalen worden bewaard in
%3 (standaard %4).
Zie %5 en %6 voor de analyse zonder venster.</translation>
    </message>
    <message>
        <source>With several columns (%1 with commas, %2) or with %3,
each column and group is analysed on its own: text writes a block for each,
headed by its name (&apos;weight&apos;, &apos;field 2&apos;, &apos;weight: A&apos;), tsv a line per key with
a value for each, json an array of objects {&quot;column&quot;, &quot;group&quot;, keys...}. One
of no numbers says so in its place, and the exit status is 1.</source>
        <extracomment>%1 to %3 are options. Wrap at 80 columns.</extracomment>
        <translation>Met meerdere kolommen (%1 met komma&apos;s, %2) of met %3
wordt elke kolom en groep apart geanalyseerd: text schrijft voor elk een blok
onder de naam ervan (&apos;weight&apos;, &apos;veld 2&apos;, &apos;weight: A&apos;), tsv een regel per
sleutel met een waarde voor elk, json een array van objecten {&quot;column&quot;,
&quot;group&quot;, sleutels...}. Een zonder getallen zegt dat op zijn plaats, en de
afsluitstatus is 1.</translation>
    </message>
    <message>
        <source>several columns, each analysed on its own
(%1 or %2, or the option given again);
a comma and a space belong to a name</source>
        <extracomment>%1 and %2 are examples of the option&apos;s value, kept as they are.</extracomment>
        <translation>meerdere kolommen, elk apart geanalyseerd
(%1 of %2, of de optie herhaald);
een komma met een spatie erna hoort bij een naam</translation>
    </message>
    <message>
        <source>every column that holds a number, each on its own
(but the column of %1)</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>elke kolom die een getal bevat, elk apart
(behalve de kolom van %1)</translation>
    </message>
    <message>
        <source>analyse each column&apos;s records by groups: one group
per text of column %1 (a number, or a name with %2),
in the order first met; with %3 or %4</source>
        <extracomment>%1 is the argument word COL, %2 to %4 options.</extracomment>
        <translation>de records van elke kolom per groep analyseren: één
groep per tekst van kolom %1 (een nummer, of een naam
met %2), in de volgorde van eerste voorkomen;
met %3 of %4</translation>
    </message>
    <message>
        <source>the sheet of spreadsheets (.ods, .xlsx) to read: its
number %1 from 1 or its name (default: the first);
with %2</source>
        <extracomment>%1 is the argument word N, %2 an option.</extracomment>
        <translation>het te lezen blad van rekenbladen (.ods, .xlsx): zijn
nummer %1 vanaf 1 of zijn naam (standaard: het
eerste); met %2</translation>
    </message>
    <message>
        <source>with %1: exit status 1 when a record had too few
fields for a column (or for that of %2); with
several columns, such records are told only then,
and the fields they have are read</source>
        <extracomment>%1 and %2 are options.</extracomment>
        <translation>met %1: afsluitstatus 1 als een record te weinig
velden had voor een kolom (of voor die van %2);
bij meerdere kolommen worden zulke records alleen
dan gemeld, en hun aanwezige velden gelezen</translation>
    </message>
    <message>
        <source>after the twelve rows: the minimum, maximum, range,
quartiles, interquartile range, kurtosis, standard
error of the mean and (sample only) the mean&apos;s 95 %
confidence interval, rounded as the mean is; then the
geometric, harmonic and trimmed mean, the median
absolute deviation (raw and times 1.4826) and the
median&apos;s confidence interval with its actual coverage</source>
        <translation>na de twaalf regels: het minimum, maximum, bereik,
de kwartielen, interkwartielafstand, kurtosis, de
standaardfout van het gemiddelde en (alleen bij een
steekproef) het 95%-betrouwbaarheidsinterval van het
gemiddelde, afgerond zoals het gemiddelde; dan het
meetkundig, harmonisch en getrimd gemiddelde, de
mediane absolute afwijking (ruw en maal 1,4826) en het
betrouwbaarheidsinterval van de mediaan met zijn
werkelijke dekking</translation>
    </message>
    <message>
        <source>the level of both confidence intervals, in percent,
from 50 to 99.9 (default 95); with %1</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>het niveau van beide betrouwbaarheidsintervallen, in
procenten, van 50 tot 99.9 (standaard 95); met %1</translation>
    </message>
    <message>
        <source>the share the trimmed mean cuts from each end, at
least 0 and below 0.5 (default 0.05); with %1</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>het deel dat het getrimd gemiddelde aan elk uiteinde
weglaat, minstens 0 en onder 0.5 (standaard 0.05);
met %1</translation>
    </message>
    <message>
        <source>a row for each percentile from 0 to 100 (%1, or
%2), by the method of %3</source>
        <extracomment>%1 and %2 are examples of the option&apos;s value, kept as they are; %3 an option.</extracomment>
        <translation>een regel voor elk percentiel van 0 tot 100 (%1, of
%2), volgens de methode van %3</translation>
    </message>
    <message>
        <source>how percentiles and quartiles are placed: R&apos;s type
1 to 9, or its name (%1, the default, is type 7;
%2 is type 6); a row names the method</source>
        <extracomment>%1 and %2 are method names, kept as they are.</extracomment>
        <translation>hoe percentielen en kwartielen worden bepaald: type
1 tot 9 van R, of de naam (%1, de standaard, is type
7; %2 is type 6); een regel noemt de methode</translation>
    </message>
    <message>
        <source>Shapiro-Wilk&apos;s W (3 to 5000 numbers) and D&apos;Agostino
and Pearson&apos;s K², each with its p-value and a plain
reading at the 5 % level</source>
        <translation>de W van Shapiro-Wilk (3 tot 5000 getallen) en de K² van
D&apos;Agostino en Pearson, elk met de p-waarde en een
eenvoudige lezing bij 5 %</translation>
    </message>
    <message>
        <source>after the rows, how many numbers there are of each
value (up to 50 values) or in each bin of a
histogram, in percent and cumulated</source>
        <translation>na de regels, hoeveel getallen er zijn van elke
waarde (tot 50 waarden) of in elke klasse van een
histogram, in procenten en cumulatief</translation>
    </message>
    <message>
        <source>After them, with %1: %2;
with %3: %4;
with %5: %6;
with %7: %8.
At a level other than 95 %, ci95_low and ci95_high are ciLEVEL_low and
ciLEVEL_high.</source>
        <extracomment>%1, %3, %5 and %7 are options, %2, %4, %6 and %8 lists of keys (LEVEL and P stand for the figures given, as in ci90_low and p97.5). Wrap at 80 columns.</extracomment>
        <translation>Daarna, met %1: %2;
met %3: %4;
met %5: %6;
met %7: %8.
Bij een ander niveau dan 95 % zijn ci95_low en ci95_high ciLEVEL_low en
ciLEVEL_high.</translation>
    </message>
    <message>
        <source>the encoding of delimited text: %1,
%2 or %3
(default: each file&apos;s by its first bytes, as the
window&apos;s table dialog chooses it); with %4</source>
        <extracomment>%1 to %3 are the encodings&apos; names, %4 an option.</extracomment>
        <translation>de tekencodering van tekst met scheidingstekens: %1,
%2 of %3
(standaard: die van elk bestand naar de eerste bytes,
zoals het tabelvenster die kiest); met %4</translation>
    </message>
</context>
<context>
    <name>ComparePicture</name>
    <message>
        <source>no numbers</source>
        <translation>geen getallen</translation>
    </message>
    <message>
        <source>No list has numbers.</source>
        <translation>Geen enkele lijst bevat getallen.</translation>
    </message>
    <message>
        <source>Box plots on one axis.</source>
        <translation>Boxplots op één as.</translation>
    </message>
    <message>
        <source>Histograms and box plots over one span.</source>
        <translation>Histogrammen en boxplots over één bereik.</translation>
    </message>
    <message>
        <source>%1: no numbers.</source>
        <translation>%1: geen getallen.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, first quartile %4, median %5, third quartile %6.</source>
        <translation>%1: van %2 tot %3, eerste kwartiel %4, mediaan %5, derde kwartiel %6.</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Vergelijking</translation>
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
        <translation>Kolom %1</translation>
    </message>
    <message>
        <source>Compare — Tallowmere</source>
        <translation>Vergelijken — Tallowmere</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-bestand (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Excel-werkmap (*.xlsx)</translation>
    </message>
    <message>
        <source>The number list is busy. Send the numbers again when the work in hand has finished.</source>
        <translation>De getallenlijst is bezig. Stuur de getallen opnieuw wanneer het lopende werk klaar is.</translation>
    </message>
</context>
<context>
    <name>CompareWorkbook</name>
    <message>
        <source>the workbook could not be made</source>
        <translation>de werkmap kon niet worden gemaakt</translation>
    </message>
    <message>
        <source>this build cannot write workbook files</source>
        <translation>deze versie kan geen werkmapbestanden schrijven</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Application Error</source>
        <translation>Toepassingsfout</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Tekstbestanden (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
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
        <translation>Er is nog geen analyse uitgevoerd. Nu een analyse uitvoeren en de verdeling van de getallen tonen?</translation>
    </message>
</context>
<context>
    <name>DistributionPicture</name>
    <message>
        <source>No numbers analysed yet.</source>
        <translation>Nog geen getallen geanalyseerd.</translation>
    </message>
    <message>
        <source>%1 beyond</source>
        <translation>%1 daarbuiten</translation>
    </message>
    <message>
        <source>Numbers per bin (%1 bins)</source>
        <translation>Getallen per klasse (%1 klassen)</translation>
    </message>
    <message>
        <source>Normal curve</source>
        <translation>Normaalkromme</translation>
    </message>
    <message>
        <source>Mean %1</source>
        <translation>Gemiddelde %1</translation>
    </message>
    <message>
        <source>Median %1</source>
        <translation>Mediaan %1</translation>
    </message>
    <message numerus="yes">
        <source>Histogram and box plot of %1 numbers from %2 to %3; first quartile %4, median %5, third quartile %6.</source>
        <translation>
            <numerusform>Histogram en boxplot van %1 getal van %2 tot %3; eerste kwartiel %4, mediaan %5, derde kwartiel %6.</numerusform>
            <numerusform>Histogram en boxplot van %1 getallen van %2 tot %3; eerste kwartiel %4, mediaan %5, derde kwartiel %6.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %1 values lie beyond the whiskers.</source>
        <translation>
            <numerusform> %1 waarde ligt buiten de snorharen.</numerusform>
            <numerusform> %1 waarden liggen buiten de snorharen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Verdeling</translation>
    </message>
    <message>
        <source>the drawing failed</source>
        <translation>het tekenen is mislukt</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>de afbeelding kon niet worden gecodeerd</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Aantal</translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers</source>
        <translation>
            <numerusform>%1 getal</numerusform>
            <numerusform>%1 getallen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>%1 tot %2: %3</translation>
    </message>
    <message numerus="yes">
        <source> %1 bins: </source>
        <translation>
            <numerusform> %1 klasse: </numerusform>
            <numerusform> %1 klassen: </numerusform>
        </translation>
    </message>
    <message>
        <source>the fullest %1.</source>
        <translation>de volste %1.</translation>
    </message>
    <message>
        <source> The histogram leaves them out.</source>
        <translation> Het histogram laat ze weg.</translation>
    </message>
</context>
<context>
    <name>DistributionRows</name>
    <message>
        <source>%1st percentile</source>
        <translation>%1e percentiel</translation>
    </message>
    <message>
        <source>%1nd percentile</source>
        <translation>%1e percentiel</translation>
    </message>
    <message>
        <source>%1rd percentile</source>
        <translation>%1e percentiel</translation>
    </message>
    <message>
        <source>%1th percentile</source>
        <translation>%1e percentiel</translation>
    </message>
    <message>
        <source>%1 % confidence interval, low</source>
        <translation>%1%-betrouwbaarheidsinterval, ondergrens</translation>
    </message>
    <message>
        <source>%1 % confidence interval, high</source>
        <translation>%1%-betrouwbaarheidsinterval, bovengrens</translation>
    </message>
    <message>
        <source>Geometric mean</source>
        <translation>Meetkundig gemiddelde</translation>
    </message>
    <message>
        <source>Harmonic mean</source>
        <translation>Harmonisch gemiddelde</translation>
    </message>
    <message>
        <source>%1 % trimmed mean</source>
        <translation>%1%-getrimd gemiddelde</translation>
    </message>
    <message>
        <source>Median absolute deviation</source>
        <translation>Mediane absolute afwijking</translation>
    </message>
    <message>
        <source>Scaled median absolute deviation</source>
        <translation>Geschaalde mediane absolute afwijking</translation>
    </message>
    <message>
        <source>Median&apos;s %1 % confidence interval, low</source>
        <translation>%1%-betrouwbaarheidsinterval van de mediaan, ondergrens</translation>
    </message>
    <message>
        <source>Median&apos;s %1 % confidence interval, high</source>
        <translation>%1%-betrouwbaarheidsinterval van de mediaan, bovengrens</translation>
    </message>
    <message>
        <source>Median interval&apos;s actual coverage</source>
        <translation>Werkelijke dekking van het interval van de mediaan</translation>
    </message>
    <message>
        <source>Quantile method</source>
        <translation>Kwantielmethode</translation>
    </message>
</context>
<context>
    <name>DistributionSheet</name>
    <message numerus="yes">
        <source>Distribution of %1 numbers</source>
        <translation>
            <numerusform>Verdeling van %1 getal</numerusform>
            <numerusform>Verdeling van %1 getallen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DistributionSource</name>
    <message>
        <source>Count</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Gemiddelde</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Standaardafwijking</translation>
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
        <translation>Bereik</translation>
    </message>
    <message>
        <source>First quartile</source>
        <translation>Eerste kwartiel</translation>
    </message>
    <message>
        <source>Third quartile</source>
        <translation>Derde kwartiel</translation>
    </message>
    <message>
        <source>Interquartile range</source>
        <translation>Interkwartielafstand</translation>
    </message>
    <message>
        <source>Kurtosis</source>
        <translation>Kurtosis</translation>
    </message>
    <message>
        <source>Standard error of the mean</source>
        <translation>Standaardfout van het gemiddelde</translation>
    </message>
    <message>
        <source>95 % confidence interval, low</source>
        <translation>95%-betrouwbaarheidsinterval, ondergrens</translation>
    </message>
    <message>
        <source>95 % confidence interval, high</source>
        <translation>95%-betrouwbaarheidsinterval, bovengrens</translation>
    </message>
</context>
<context>
    <name>DistributionWindow</name>
    <message>
        <source>Distribution picture</source>
        <translation>Afbeelding van de verdeling</translation>
    </message>
    <message>
        <source>Distribution — Tallowmere</source>
        <translation>Verdeling — Tallowmere</translation>
    </message>
    <message>
        <source>The number list has changed since this analysis. Press Start Analysis to show it as it is now.</source>
        <translation>De getallenlijst is sinds deze analyse gewijzigd. Druk op Analyse starten om de lijst te tonen zoals die nu is.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-afbeelding (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-afbeelding (*.svg)</translation>
    </message>
</context>
<context>
    <name>DropFiles</name>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
</context>
<context>
    <name>DropProgress</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 bestand</numerusform>
            <numerusform>%1 bestanden</numerusform>
        </translation>
    </message>
    <message>
        <source>Collecting folders: %1</source>
        <translation>Mappen verzamelen: %1</translation>
    </message>
    <message>
        <source>Collecting files: %1</source>
        <translation>Bestanden verzamelen: %1</translation>
    </message>
    <message>
        <source>Reading files: %1 of %2</source>
        <translation>Bestanden lezen: %1 van %2</translation>
    </message>
    <message>
        <source>Reading the text: %1%</source>
        <translation>De tekst lezen: %1%</translation>
    </message>
    <message>
        <source>%1 — Esc to stop</source>
        <translation>%1 — Esc om te stoppen</translation>
    </message>
    <message>
        <source>part-way through file %1 of %2</source>
        <translation>halverwege bestand %1 van %2</translation>
    </message>
    <message>
        <source>after %1 of %2</source>
        <translation>na %1 van %2</translation>
    </message>
    <message>
        <source>Loading was stopped %1.</source>
        <translation>Het laden is %1 gestopt.</translation>
    </message>
    <message>
        <source>The drop was stopped %1.</source>
        <translation>Het neerzetten is %1 gestopt.</translation>
    </message>
    <message>
        <source>no files were read</source>
        <translation>er zijn geen bestanden gelezen</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were read</source>
        <translation>
            <numerusform>%1 bestand is gelezen</numerusform>
            <numerusform>%1 bestanden zijn gelezen</numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped while collecting folders; %1.</source>
        <translation>Het neerzetten is gestopt tijdens het verzamelen van mappen; %1.</translation>
    </message>
    <message>
        <source>The drop was stopped while collecting files; %1.</source>
        <translation>Het neerzetten is gestopt tijdens het verzamelen van bestanden; %1.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Stuur een schermafdruk van deze melding per e-mail naar </translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Results have been copied to the clipboard.<byte value="xd"/><byte value="xd"/>Click a text area where you normally type and press Ctrl+V to paste the clipboard.</source>
        <translation>De resultaten zijn naar het klembord gekopieerd.<byte value="xd"/><byte value="xd"/>Klik in een tekstvak waarin u normaal typt en druk op Ctrl+V om de inhoud van het klembord te plakken.</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this software without error.</source>
        <translation>Excel is niet op deze computer geïnstalleerd. Het moet geïnstalleerd zijn om deze software zonder fouten te kunnen gebruiken.</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this feature.</source>
        <translation>Excel is niet op deze computer geïnstalleerd. Het moet geïnstalleerd zijn om deze functie te kunnen gebruiken.</translation>
    </message>
    <message>
        <source>No result lines are ticked. Tick the lines to export, or press Ctrl+A in the results list to tick them all.</source>
        <translation>Er zijn geen resultaatregels aangevinkt. Vink de regels aan die u wilt exporteren, of druk op Ctrl+A in de resultatenlijst om ze allemaal aan te vinken.</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>The file changed while it was read</source>
        <translation>Het bestand is gewijzigd terwijl het werd gelezen</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Paste Numbers</source>
        <translation>Getallen plakken</translation>
    </message>
    <message>
        <source>1 folder could not be read and was left out: %1 (%2).</source>
        <translation>1 map kon niet worden gelezen en is weggelaten: %1 (%2).</translation>
    </message>
    <message>
        <source>The clipboard could not be read: the program that holds it did not answer.</source>
        <translation>Het klembord kon niet worden gelezen: het programma dat de inhoud levert, reageerde niet.</translation>
    </message>
    <message>
        <source>Number list</source>
        <translation>Getallenlijst</translation>
    </message>
    <message>
        <source>Add Number / Numbers</source>
        <translation>Getal(len) toevoegen</translation>
    </message>
    <message>
        <source>Load Numbers From File</source>
        <translation>Getallen uit bestand laden</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Lijst wissen</translation>
    </message>
    <message>
        <source>Clear number list</source>
        <translation>Getallenlijst wissen</translation>
    </message>
    <message>
        <source>Load Sample/Example Numbers</source>
        <translation>Voorbeeldgetallen laden</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Steekproef</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Populatie</translation>
    </message>
    <message>
        <source>Decimal Options</source>
        <translation>Opties voor decimalen</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>Decimalen:</translation>
    </message>
    <message>
        <source>Decimal places</source>
        <translation>Decimalen</translation>
    </message>
    <message>
        <source>Decimals shown in the results: pick 1 to 10, step with Up and Down, or type a number.</source>
        <translation>Decimalen in de resultaten: kies 1 tot 10, verander stapsgewijs met Omhoog en Omlaag, of typ een getal.</translation>
    </message>
    <message>
        <source>Show all decimals</source>
        <translation>Alle decimalen</translation>
    </message>
    <message>
        <source>Start Analysis</source>
        <translation>Analyse starten</translation>
    </message>
    <message>
        <source>Results list</source>
        <translation>Resultatenlijst</translation>
    </message>
    <message>
        <source>Save Results As Text File</source>
        <translation>Opslaan als tekstbestand</translation>
    </message>
    <message>
        <source>Save Results As Excel File</source>
        <translation>Opslaan als Excel-bestand</translation>
    </message>
    <message>
        <source>Copy Results To Clipboard</source>
        <translation>Naar klembord kopiëren</translation>
    </message>
    <message>
        <source>Clear results list</source>
        <translation>Resultatenlijst wissen</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Sleep bestanden hierheen. Dubbelklik op een item om het te verwijderen. Schuif de |-lijn naar rechts en uit het venster om de volledige namen te zien.</translation>
    </message>
    <message>
        <source>Tick the results to save or copy: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Move | line to right to read long lines. “Show Distribution…” in the context menu, or Ctrl+D, pictures the numbers.</source>
        <translation>Vink de resultaten aan die u wilt opslaan of kopiëren: Spatie vinkt de huidige rij aan, Ctrl+A alle, Ctrl+Shift+A geen. Schuif de |-lijn naar rechts om lange regels te lezen. “Verdeling tonen…” in het contextmenu, of Ctrl+D, brengt de getallen in beeld.</translation>
    </message>
    <message>
        <source>The numbers to analyse. Delete or a double-click removes the selected number; files dropped here add theirs, and so does text dropped or pasted (Ctrl+V).</source>
        <translation>De te analyseren getallen. Delete of dubbelklikken verwijdert het geselecteerde getal; hier neergezette bestanden voegen hun getallen toe, net als neergezette of geplakte tekst (Ctrl+V).</translation>
    </message>
    <message numerus="yes">
        <source>Restore the %1 numbers from last time</source>
        <translation>
            <numerusform>Het %1 getal van de vorige keer herstellen</numerusform>
            <numerusform>De %1 getallen van de vorige keer herstellen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %1 numbers from last time were not kept: the list was over 100 MB</source>
        <translation>
            <numerusform>Het %1 getal van de vorige keer is niet bewaard: de lijst was groter dan 100 MB</numerusform>
            <numerusform>De %1 getallen van de vorige keer zijn niet bewaard: de lijst was groter dan 100 MB</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Table…</source>
        <translation>Tabel openen…</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>regel %1</translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation>het hier begonnen veld tussen aanhalingstekens wordt niet gesloten vóór het einde van het bestand; het wordt weggelaten</translation>
    </message>
    <message>
        <source>the dropped table</source>
        <translation>de neergezette tabel</translation>
    </message>
    <message>
        <source>the pasted table</source>
        <translation>de geplakte tabel</translation>
    </message>
</context>
<context>
    <name>Frequencies</name>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Procent</translation>
    </message>
    <message>
        <source>Cumulative count</source>
        <translation>Cumulatief aantal</translation>
    </message>
    <message>
        <source>Cumulative percent</source>
        <translation>Cumulatief procent</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereik</translation>
    </message>
    <message>
        <source>Frequencies:</source>
        <translation>Frequenties:</translation>
    </message>
</context>
<context>
    <name>FrequencyModel</name>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcuts</name>
    <message>
        <source>Main window</source>
        <translation>Hoofdvenster</translation>
    </message>
    <message>
        <source>Number list</source>
        <translation>Getallenlijst</translation>
    </message>
    <message>
        <source>Results list</source>
        <translation>Resultatenlijst</translation>
    </message>
    <message>
        <source>Distribution window</source>
        <translation>Verdelingsvenster</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handleiding</translation>
    </message>
    <message>
        <source>Open the manual</source>
        <translation>De handleiding openen</translation>
    </message>
    <message>
        <source>Save Numbers…</source>
        <translation>Getallen opslaan…</translation>
    </message>
    <message>
        <source>Show Distribution…</source>
        <translation>Verdeling tonen…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Open the menu or press the button with that letter</source>
        <translation>Het menu openen of de knop met die letter indrukken</translation>
    </message>
    <message>
        <source>Move to the next or the previous control</source>
        <translation>Naar het volgende of vorige besturingselement gaan</translation>
    </message>
    <message>
        <source>Press the focused button</source>
        <translation>De knop met de focus indrukken</translation>
    </message>
    <message>
        <source>Stop reading dropped, loaded or pasted files</source>
        <translation>Het lezen van neergezette, geladen of geplakte bestanden stoppen</translation>
    </message>
    <message>
        <source>Paste Numbers</source>
        <translation>Getallen plakken</translation>
    </message>
    <message>
        <source>Copy Numbers: the selected entries, or all</source>
        <translation>Getallen kopiëren: de geselecteerde items, of alle</translation>
    </message>
    <message>
        <source>Remove the selected entry</source>
        <translation>Het geselecteerde item verwijderen</translation>
    </message>
    <message>
        <source>Undo the last change of the list</source>
        <translation>De laatste wijziging van de lijst ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Open the context menu</source>
        <translation>Het contextmenu openen</translation>
    </message>
    <message>
        <source>Tick or untick the current row</source>
        <translation>De huidige rij aan- of uitvinken</translation>
    </message>
    <message>
        <source>Tick every row</source>
        <translation>Alle rijen aanvinken</translation>
    </message>
    <message>
        <source>Untick every row</source>
        <translation>Alle rijen uitvinken</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Afbeelding kopiëren</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Afbeelding opslaan…</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Het venster sluiten</translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation>Zoeken in de handleiding</translation>
    </message>
    <message>
        <source>Find the next match</source>
        <translation>Volgende overeenkomst zoeken</translation>
    </message>
    <message>
        <source>Find the previous match</source>
        <translation>Vorige overeenkomst zoeken</translation>
    </message>
    <message>
        <source>Back and Forward</source>
        <translation>Terug en vooruit</translation>
    </message>
    <message>
        <source>Close the manual</source>
        <translation>De handleiding sluiten</translation>
    </message>
    <message>
        <source>underlined letter</source>
        <translation>onderstreepte letter</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Waar</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Wat het doet</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts — Tallowmere</source>
        <translation>Sneltoetsen — Tallowmere</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>File not found</source>
        <translation>Bestand niet gevonden</translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>Add Numbers</source>
        <translation>Getallen toevoegen</translation>
    </message>
    <message>
        <source>Load Numbers</source>
        <translation>Getallen laden</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Neerzetten</translation>
    </message>
    <message>
        <source>Sample Numbers</source>
        <translation>Voorbeeldgetallen</translation>
    </message>
    <message>
        <source>Move Entry</source>
        <translation>Item verplaatsen</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>Item verwijderen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Lijst wissen</translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation>Items verwijderen die geen getallen zijn</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Restore Numbers</source>
        <translation>Getallen herstellen</translation>
    </message>
    <message>
        <source>Open Table</source>
        <translation>Tabel openen</translation>
    </message>
    <message>
        <source>Send to Number List</source>
        <translation>Naar getallenlijst sturen</translation>
    </message>
</context>
<context>
    <name>ListNotice</name>
    <message>
        <source>Notice</source>
        <translation>Melding</translation>
    </message>
</context>
<context>
    <name>LoadFilesCommand</name>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Lijst(en) laden - houd Ctrl ingedrukt om meerdere lijstbestanden te selecteren</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Load Numbers From File</source>
        <translation>Getallen uit bestand &amp;laden</translation>
    </message>
    <message>
        <source>Save &amp;Numbers…</source>
        <translation>Getallen &amp;opslaan…</translation>
    </message>
    <message>
        <source>Save Results As &amp;Text File</source>
        <translation>Resultaten opslaan als &amp;tekstbestand</translation>
    </message>
    <message>
        <source>Save Results As &amp;Excel File</source>
        <translation>Resultaten opslaan als &amp;Excel-bestand</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opn&amp;ieuw</translation>
    </message>
    <message>
        <source>&amp;Paste Numbers</source>
        <translation>Getallen &amp;plakken</translation>
    </message>
    <message>
        <source>C&amp;opy Numbers</source>
        <translation>Getallen &amp;kopiëren</translation>
    </message>
    <message>
        <source>Copy Results To &amp;Clipboard</source>
        <translation>&amp;Resultaten naar klembord kopiëren</translation>
    </message>
    <message>
        <source>Copy as T&amp;able</source>
        <translation>Kopiëren als &amp;tabel</translation>
    </message>
    <message>
        <source>Remove Entries That Are &amp;Not Numbers</source>
        <translation>Items verwijderen die &amp;geen getallen zijn</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>&amp;Lijst wissen</translation>
    </message>
    <message>
        <source>Clear Re&amp;sults</source>
        <translation>Resultaten &amp;wissen</translation>
    </message>
    <message>
        <source>Res&amp;tore Numbers From Last Time</source>
        <translation>De getallen van de vorige keer &amp;herstellen</translation>
    </message>
    <message>
        <source>&amp;Start Analysis</source>
        <translation>Analyse &amp;starten</translation>
    </message>
    <message>
        <source>Sa&amp;mple</source>
        <translation>St&amp;eekproef</translation>
    </message>
    <message>
        <source>&amp;Population</source>
        <translation>&amp;Populatie</translation>
    </message>
    <message>
        <source>Show all de&amp;cimals</source>
        <translation>&amp;Alle decimalen</translation>
    </message>
    <message>
        <source>Show &amp;Distribution…</source>
        <translation>&amp;Verdeling tonen…</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handleiding</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Sneltoetsen</translation>
    </message>
    <message>
        <source>&amp;About Tallowmere</source>
        <translation>&amp;Over Tallowmere</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Recent geopend</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>&amp;Analyse</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>The window</source>
        <translation>Het venster</translation>
    </message>
    <message>
        <source>Tallowmere collects numbers in a list and computes twelve descriptive statistics of them: the number of entries, the sum, the sum squared, the sum of squares, the mode, the median, the mean, the variance, the skew, the average deviation, the standard deviation and the coefficient of variation.</source>
        <translation>Tallowmere verzamelt getallen in een lijst en berekent er twaalf beschrijvende statistieken van: het aantal items, de som, het kwadraat van de som, de kwadratensom, de modus, de mediaan, het gemiddelde, de variantie, de scheefheid, de gemiddelde afwijking, de standaardafwijking en de variatiecoëfficiënt.</translation>
    </message>
    <message>
        <source>The window after Load Sample/Example Numbers and Start Analysis</source>
        <translation>Het venster na Voorbeeldgetallen laden en Analyse starten</translation>
    </message>
    <message>
        <source>The number list is at the top, the results list below it. From top to bottom:</source>
        <translation>De getallenlijst staat bovenaan, de resultatenlijst eronder. Van boven naar beneden:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Number / Numbers&lt;/b&gt; asks for one number or a series separated by commas.</source>
        <translation>&lt;b&gt;Getal(len) toevoegen&lt;/b&gt; vraagt om één getal of een reeks gescheiden door komma’s.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Numbers From File&lt;/b&gt; reads one or several list files.</source>
        <translation>&lt;b&gt;Getallen uit bestand laden&lt;/b&gt; leest een of meer lijstbestanden.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear List&lt;/b&gt; beside it empties the number list.</source>
        <translation>&lt;b&gt;Lijst wissen&lt;/b&gt; ernaast maakt de getallenlijst leeg.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed sample series.</source>
        <translation>&lt;b&gt;Voorbeeldgetallen laden&lt;/b&gt; voegt een vaste voorbeeldreeks toe.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sample&lt;/b&gt; and &lt;b&gt;Population&lt;/b&gt; choose how the variance is computed.</source>
        <translation>&lt;b&gt;Steekproef&lt;/b&gt; en &lt;b&gt;Populatie&lt;/b&gt; bepalen hoe de variantie wordt berekend.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Decimal places&lt;/b&gt; and &lt;b&gt;Show all decimals&lt;/b&gt; choose how the last six results are rounded.</source>
        <translation>&lt;b&gt;Decimalen&lt;/b&gt; en &lt;b&gt;Alle decimalen&lt;/b&gt; bepalen hoe de laatste zes resultaten worden afgerond.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; fills the results list.</source>
        <translation>&lt;b&gt;Analyse starten&lt;/b&gt; vult de resultatenlijst.</translation>
    </message>
    <message>
        <source>The four buttons at the bottom export the ticked results, and the last &lt;b&gt;Clear List&lt;/b&gt; empties the results list.</source>
        <translation>De vier knoppen onderaan exporteren de aangevinkte resultaten, en de laatste, &lt;b&gt;Lijst wissen&lt;/b&gt;, maakt de resultatenlijst leeg.</translation>
    </message>
    <message>
        <source>Filling the number list</source>
        <translation>De getallenlijst vullen</translation>
    </message>
    <message>
        <source>Typing: press &lt;b&gt;Add Number / Numbers&lt;/b&gt; and type a number, or several separated by commas.</source>
        <translation>Typen: druk op &lt;b&gt;Getal(len) toevoegen&lt;/b&gt; en typ een getal, of meerdere gescheiden door komma’s.</translation>
    </message>
    <message>
        <source>Files: &lt;b&gt;Load Numbers From File&lt;/b&gt; reads list files, plain text with one number per line; lines that are not numbers are skipped.</source>
        <translation>Bestanden: &lt;b&gt;Getallen uit bestand laden&lt;/b&gt; leest lijstbestanden, platte tekst met één getal per regel; regels die geen getal zijn, worden overgeslagen.</translation>
    </message>
    <message>
        <source>Drops: drop list files, or folders whose list files are all read, on the number list. Esc stops a long drop.</source>
        <translation>Neerzetten: zet lijstbestanden, of mappen waarvan alle lijstbestanden worden gelezen, neer op de getallenlijst. Esc stopt een lang durend neerzetten.</translation>
    </message>
    <message>
        <source>Paste: Ctrl+V, Shift+Insert or &lt;b&gt;Paste Numbers&lt;/b&gt; add the numbers of the clipboard, such as a column or a block of cells copied from a spreadsheet.</source>
        <translation>Plakken: Ctrl+V, Shift+Insert of &lt;b&gt;Getallen plakken&lt;/b&gt; voegen de getallen van het klembord toe, zoals een kolom of een blok cellen gekopieerd uit een rekenblad.</translation>
    </message>
    <message>
        <source>Sample: &lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed series to try the program with.</source>
        <translation>Voorbeeld: &lt;b&gt;Voorbeeldgetallen laden&lt;/b&gt; voegt een vaste reeks toe om het programma mee uit te proberen.</translation>
    </message>
    <message>
        <source>A number is written with the decimal and grouping separators of your regional format, or as a plain number with a point, which every format reads.</source>
        <translation>Een getal wordt geschreven met het decimaalteken en het scheidingsteken voor cijfergroepen van uw regionale notatie, of als een eenvoudig getal met een punt, dat elke notatie leest.</translation>
    </message>
    <message>
        <source>After each addition a short notice over the bottom of the list says how many numbers were added and how many lines were not numbers.</source>
        <translation>Na elke toevoeging meldt een korte mededeling onderaan over de lijst hoeveel getallen er zijn toegevoegd en hoeveel regels geen getallen waren.</translation>
    </message>
    <message>
        <source>Double-click an entry to remove it, or select it and press Delete; drag an entry onto another to swap them. Ctrl+Z undoes the last change of the list and Ctrl+Shift+Z or Ctrl+Y does it again; the last 100 changes can be undone.</source>
        <translation>Dubbelklik op een item om het te verwijderen, of selecteer het en druk op Delete; sleep een item op een ander om ze te verwisselen. Ctrl+Z maakt de laatste wijziging van de lijst ongedaan en Ctrl+Shift+Z of Ctrl+Y voert die opnieuw uit; de laatste 100 wijzigingen kunnen ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>The analysis and its options</source>
        <translation>De analyse en de opties</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; computes the twelve results of the numbers in the list.</source>
        <translation>&lt;b&gt;Analyse starten&lt;/b&gt; berekent de twaalf resultaten van de getallen in de lijst.</translation>
    </message>
    <message>
        <source>With &lt;b&gt;Sample&lt;/b&gt; the variance is the sum of the squared deviations from the mean divided by the count less one; with &lt;b&gt;Population&lt;/b&gt; it is divided by the count. The standard deviation, the skew and the coefficient of variation follow it.</source>
        <translation>Met &lt;b&gt;Steekproef&lt;/b&gt; is de variantie de som van de gekwadrateerde afwijkingen van het gemiddelde, gedeeld door het aantal min één; met &lt;b&gt;Populatie&lt;/b&gt; wordt gedeeld door het aantal. De standaardafwijking, de scheefheid en de variatiecoëfficiënt volgen daaruit.</translation>
    </message>
    <message>
        <source>The last six results are rounded to 1 to 10 decimal places, or shown with all ten decimals; a value those would show as 0 or with fewer than four significant digits is shown with 15 significant digits instead.</source>
        <translation>De laatste zes resultaten worden afgerond op 1 tot 10 decimalen, of getoond met alle tien decimalen; een waarde die daarmee als 0 of met minder dan vier significante cijfers zou worden getoond, wordt in plaats daarvan met 15 significante cijfers getoond.</translation>
    </message>
    <message>
        <source>The options are remembered from one start to the next.</source>
        <translation>De opties worden van de ene start tot de volgende onthouden.</translation>
    </message>
    <message>
        <source>Exporting the results</source>
        <translation>De resultaten exporteren</translation>
    </message>
    <message>
        <source>Tick the results to export: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Then:</source>
        <translation>Vink de te exporteren resultaten aan: Spatie vinkt de huidige rij aan, Ctrl+A alle, Ctrl+Shift+A geen. Daarna:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Text File&lt;/b&gt; writes them in padded columns.</source>
        <translation>&lt;b&gt;Opslaan als tekstbestand&lt;/b&gt; schrijft ze in uitgelijnde kolommen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy Results To Clipboard&lt;/b&gt; copies them as text.</source>
        <translation>&lt;b&gt;Naar klembord kopiëren&lt;/b&gt; kopieert ze als tekst.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Excel File&lt;/b&gt; opens them in a new spreadsheet workbook, which needs LibreOffice Calc.</source>
        <translation>&lt;b&gt;Opslaan als Excel-bestand&lt;/b&gt; opent ze in een nieuwe werkmap van een rekenblad, waarvoor LibreOffice Calc nodig is.</translation>
    </message>
    <message>
        <source>With no result ticked, each of the three only says so. &lt;b&gt;Copy as Table&lt;/b&gt; in the results list&apos;s context menu copies the ticked lines, or all, as label and value separated by a tab, ready to paste into a spreadsheet.</source>
        <translation>Als er geen resultaat is aangevinkt, meldt elk van de drie alleen dat. &lt;b&gt;Kopiëren als tabel&lt;/b&gt; in het contextmenu van de resultatenlijst kopieert de aangevinkte regels, of alle, als label en waarde gescheiden door een tab, klaar om in een rekenblad te plakken.</translation>
    </message>
    <message>
        <source>The distribution window</source>
        <translation>Het verdelingsvenster</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Distribution…&lt;/b&gt; (Ctrl+D, or either list&apos;s context menu) opens a window of its own with a picture of the last analysis&apos;s numbers and a table of their spread.</source>
        <translation>&lt;b&gt;Verdeling tonen…&lt;/b&gt; (Ctrl+D, of het contextmenu van een van beide lijsten) opent een eigen venster met een afbeelding van de getallen van de laatste analyse en een tabel van hun spreiding.</translation>
    </message>
    <message>
        <source>The distribution window of the sample series</source>
        <translation>Het verdelingsvenster van de voorbeeldreeks</translation>
    </message>
    <message>
        <source>The picture shows a histogram, the normal curve of the mean and the standard deviation, the mean and the median marked, and a box plot on the same axis.</source>
        <translation>De afbeelding toont een histogram, de normaalkromme bij het gemiddelde en de standaardafwijking, het gemiddelde en de mediaan gemarkeerd, en een boxplot op dezelfde as.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Bins&lt;/b&gt; sets the number of bars from 1 to 500, or leaves it to the program. &lt;b&gt;Copy Picture&lt;/b&gt; (Ctrl+C) copies the picture as an image, &lt;b&gt;Save Picture…&lt;/b&gt; (Ctrl+S) saves it as PNG or SVG, and Esc closes the window.</source>
        <translation>&lt;b&gt;Klassen&lt;/b&gt; stelt het aantal staven in van 1 tot 500, of laat het aan het programma over. &lt;b&gt;Afbeelding kopiëren&lt;/b&gt; (Ctrl+C) kopieert de afbeelding als plaatje, &lt;b&gt;Afbeelding opslaan…&lt;/b&gt; (Ctrl+S) slaat haar op als PNG of SVG, en Esc sluit het venster.</translation>
    </message>
    <message>
        <source>The window follows each new analysis and says when the number list has changed since the one it shows.</source>
        <translation>Het venster volgt elke nieuwe analyse en meldt wanneer de getallenlijst is gewijzigd sinds de analyse die het toont.</translation>
    </message>
    <message>
        <source>The menu bar</source>
        <translation>De menubalk</translation>
    </message>
    <message>
        <source>The menus hold every command of the buttons and context menus; each item does exactly what its button does.</source>
        <translation>De menu’s bevatten alle opdrachten van de knoppen en contextmenu’s; elk menu-item doet precies hetzelfde als de bijbehorende knop.</translation>
    </message>
    <message>
        <source>&lt;b&gt;File&lt;/b&gt;: loading and saving numbers, recent files, saving the results, and Quit (Ctrl+Q).</source>
        <translation>&lt;b&gt;Bestand&lt;/b&gt;: getallen laden en opslaan, recente bestanden, de resultaten opslaan, en Afsluiten (Ctrl+Q).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt;: undo and redo, pasting and copying numbers, copying the results, and clearing the lists.</source>
        <translation>&lt;b&gt;Bewerken&lt;/b&gt;: ongedaan maken en opnieuw, getallen plakken en kopiëren, de resultaten kopiëren, en de lijsten wissen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Analysis&lt;/b&gt;: Start Analysis, the method, Show all decimals and Show Distribution….</source>
        <translation>&lt;b&gt;Analyse&lt;/b&gt;: Analyse starten, de methode, Alle decimalen en Verdeling tonen….</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt;: this manual (F1), the keyboard shortcuts, and About Tallowmere.</source>
        <translation>&lt;b&gt;Help&lt;/b&gt;: deze handleiding (F1), de sneltoetsen, en Over Tallowmere.</translation>
    </message>
    <message>
        <source>Alt with the underlined letter of a menu, button or option reaches it from the keyboard. The window can be enlarged: the two lists take the extra room, and the size is remembered.</source>
        <translation>Met Alt en de onderstreepte letter van een menu, knop of optie bereikt u die vanaf het toetsenbord. Het venster kan worden vergroot: de twee lijsten nemen de extra ruimte in, en de grootte wordt onthouden.</translation>
    </message>
    <message>
        <source>Keeping your numbers</source>
        <translation>Uw getallen bewaren</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Numbers…&lt;/b&gt; (Ctrl+S) writes the number list as a list file, one entry per line, exactly as the entries read; &lt;b&gt;Load Numbers From File&lt;/b&gt; reads it back. &lt;b&gt;Copy Numbers&lt;/b&gt; (Ctrl+C in the number list) copies the selected entries, or all when none is selected, one per line.</source>
        <translation>&lt;b&gt;Getallen opslaan…&lt;/b&gt; (Ctrl+S) schrijft de getallenlijst als een lijstbestand, één item per regel, precies zoals de items luiden; &lt;b&gt;Getallen uit bestand laden&lt;/b&gt; leest het weer in. &lt;b&gt;Getallen kopiëren&lt;/b&gt; (Ctrl+C in de getallenlijst) kopieert de geselecteerde items, of alle als er geen is geselecteerd, één per regel.</translation>
    </message>
    <message>
        <source>When the window closes, the number list is kept. The next start begins with an empty list, as always, and offers over it to restore the numbers from last time: one click brings them back, and Ctrl+Z takes them away again. The offer goes at the first change of the list. A list over 100 MB is not kept; the next start says so.</source>
        <translation>Wanneer het venster sluit, wordt de getallenlijst bewaard. De volgende start begint zoals altijd met een lege lijst, en biedt daarboven aan de getallen van de vorige keer te herstellen: één klik brengt ze terug, en Ctrl+Z haalt ze weer weg. Het aanbod verdwijnt bij de eerste wijziging van de lijst. Een lijst groter dan 100 MB wordt niet bewaard; de volgende start meldt dat.</translation>
    </message>
    <message>
        <source>&lt;b&gt;File → Open Recent&lt;/b&gt; lists the last eight list files read or saved.</source>
        <translation>&lt;b&gt;Bestand → Recent geopend&lt;/b&gt; toont de laatste acht gelezen of opgeslagen lijstbestanden.</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Talen</translation>
    </message>
    <message>
        <source>The program speaks the language of your desktop: English, German, French, Spanish, Italian, Brazilian Portuguese, Dutch, Polish or Japanese. The result rows and the three exports use it too.</source>
        <translation>Het programma spreekt de taal van uw bureaublad: Engels, Duits, Frans, Spaans, Italiaans, Braziliaans Portugees, Nederlands, Pools of Japans. De resultaatregels en de drie exports gebruiken die taal ook.</translation>
    </message>
    <message>
        <source>The language is chosen by &lt;code&gt;LANGUAGE&lt;/code&gt;, &lt;code&gt;LC_ALL&lt;/code&gt;, &lt;code&gt;LC_MESSAGES&lt;/code&gt; or &lt;code&gt;LANG&lt;/code&gt;, as in other desktop programs; the format of numbers follows &lt;code&gt;LC_NUMERIC&lt;/code&gt; on its own. So &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; gives English words with German numbers.</source>
        <translation>De taal wordt bepaald door &lt;code&gt;LANGUAGE&lt;/code&gt;, &lt;code&gt;LC_ALL&lt;/code&gt;, &lt;code&gt;LC_MESSAGES&lt;/code&gt; of &lt;code&gt;LANG&lt;/code&gt;, zoals bij andere bureaubladprogramma’s; de notatie van getallen volgt los daarvan &lt;code&gt;LC_NUMERIC&lt;/code&gt;. Zo geeft &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; Engelse woorden met Duitse getallen.</translation>
    </message>
    <message>
        <source>The tallowmere command</source>
        <translation>Het commando tallowmere</translation>
    </message>
    <message>
        <source>Opens the window and reads each path, in the order given, as if all of them had been dropped on the number list together: a file as a list file, a folder with all its sub-folders. A file manager&apos;s Open With uses this.</source>
        <translation>Opent het venster en leest elk pad, in de opgegeven volgorde, alsof ze allemaal samen op de getallenlijst waren neergezet: een bestand als lijstbestand, een map met al haar submappen. ‘Openen met’ van een bestandsbeheerder gebruikt dit.</translation>
    </message>
    <message>
        <source>Prints a short help text and exits.</source>
        <translation>Toont een korte helptekst en sluit af.</translation>
    </message>
    <message>
        <source>Prints the version and exits.</source>
        <translation>Toont de versie en sluit af.</translation>
    </message>
    <message>
        <source>Ends the options: every later argument is a path.</source>
        <translation>Beëindigt de opties: elk volgend argument is een pad.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as &lt;code&gt;-platform&lt;/code&gt; and &lt;code&gt;-style&lt;/code&gt;, are taken as well. The exit status is 0, or 2 after an unknown option.</source>
        <translation>De eigen opties van Qt, zoals &lt;code&gt;-platform&lt;/code&gt; en &lt;code&gt;-style&lt;/code&gt;, worden ook geaccepteerd. De afsluitstatus is 0, of 2 na een onbekende optie.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>The options of the window are kept in &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt;, section &lt;code&gt;[Tallowmere]&lt;/code&gt;, written the moment they change. The number list kept at close is in &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt;. The program writes nothing else but the files you name, the clipboard and new spreadsheet workbooks.</source>
        <translation>De opties van het venster worden bewaard in &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt;, sectie &lt;code&gt;[Tallowmere]&lt;/code&gt;, en weggeschreven zodra ze wijzigen. De bij het sluiten bewaarde getallenlijst staat in &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt;. Verder schrijft het programma niets behalve de bestanden die u opgeeft, het klembord en nieuwe werkmappen van een rekenblad.</translation>
    </message>
    <message>
        <source>The tallowmere-analyse command</source>
        <translation>Het commando tallowmere-analyse</translation>
    </message>
    <message>
        <source>&lt;code&gt;tallowmere-analyse&lt;/code&gt; runs the analysis of the window without a window and writes its twelve results to standard output, for scripts. Each path is read as the window reads a dropped one; &lt;code&gt;-&lt;/code&gt;, or no path at all, is standard input.</source>
        <translation>&lt;code&gt;tallowmere-analyse&lt;/code&gt; voert de analyse van het venster uit zonder venster en schrijft de twaalf resultaten naar de standaarduitvoer, voor scripts. Elk pad wordt gelezen zoals het venster een neergezet pad leest; &lt;code&gt;-&lt;/code&gt;, of helemaal geen pad, is de standaardinvoer.</translation>
    </message>
    <message>
        <source>Reads list files and folders.</source>
        <translation>Leest lijstbestanden en mappen.</translation>
    </message>
    <message>
        <source>Reads each line of the file as one entry, exactly as if typed in the window: a line that is not a number counts as its leading number, or 0.</source>
        <translation>Leest elke regel van het bestand als één item, precies alsof die in het venster was getypt: een regel die geen getal is, telt als het getal waarmee hij begint, of als 0.</translation>
    </message>
    <message>
        <source>Reads the files as tables (CSV or TSV) and the numbers of one column: by its number from 1, or with a header line by its name. The delimiter is the tab unless given; with the strict option a record with too few fields makes the exit status 1.</source>
        <translation>Leest de bestanden als tabellen (CSV of TSV) en de getallen van één kolom: op nummer vanaf 1, of met een kopregel op naam. Het scheidingsteken is de tab, tenzij anders opgegeven; met de strikte optie maakt een record met te weinig velden de afsluitstatus 1.</translation>
    </message>
    <message>
        <source>The method of the variance; a sample is the default.</source>
        <translation>De methode van de variantie; standaard is een steekproef.</translation>
    </message>
    <message>
        <source>The rounding, as in the window; the text format rounds to 3 places by default.</source>
        <translation>De afronding, zoals in het venster; de tekstindeling rondt standaard af op 3 decimalen.</translation>
    </message>
    <message>
        <source>Text writes the rows as the window shows them; tsv writes a key and a value per line; json writes one object. Tsv and json write a point as the decimal separator and, unless told otherwise, every digit.</source>
        <translation>Text schrijft de rijen zoals het venster ze toont; tsv schrijft een sleutel en een waarde per regel; json schrijft één object. Tsv en json schrijven een punt als decimaalteken en, tenzij anders opgegeven, elk cijfer.</translation>
    </message>
    <message>
        <source>Adds the minimum, the maximum, the range, the quartiles, the interquartile range, the kurtosis, the standard error of the mean and, for a sample, the 95 % confidence interval of the mean.</source>
        <translation>Voegt het minimum, het maximum, het bereik, de kwartielen, de interkwartielafstand, de kurtosis, de standaardfout van het gemiddelde en, voor een steekproef, het 95%-betrouwbaarheidsinterval van het gemiddelde toe.</translation>
    </message>
    <message>
        <source>Prints the help text or the version and exits.</source>
        <translation>Toont de helptekst of de versie en sluit af.</translation>
    </message>
    <message>
        <source>Messages on standard error and the rows of the text format follow your language, as the window does; the keys of tsv and json and the option names never change.</source>
        <translation>Meldingen op de standaardfoutuitvoer en de rijen van de tekstindeling volgen uw taal, net als het venster; de sleutels van tsv en json en de namen van de opties veranderen nooit.</translation>
    </message>
    <message>
        <source>The exit status is 0 when the results were written; 1 when there were no numbers, something could not be read or the results could not be written; 2 when the command line was wrong.</source>
        <translation>De afsluitstatus is 0 als de resultaten zijn geschreven; 1 als er geen getallen waren, iets niet kon worden gelezen of de resultaten niet konden worden geschreven; 2 als de opdrachtregel onjuist was.</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Voorbeelden</translation>
    </message>
    <message>
        <source>The results of the third column of a TSV file.</source>
        <translation>De resultaten van de derde kolom van een TSV-bestand.</translation>
    </message>
    <message>
        <source>A column by its name, from a CSV file as a German spreadsheet saves it.</source>
        <translation>Een kolom op naam, uit een CSV-bestand zoals een Duits rekenblad het opslaat.</translation>
    </message>
    <message>
        <source>Two files with the numbers of standard input between them.</source>
        <translation>Twee bestanden met de getallen van de standaardinvoer ertussen.</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Tallowmere Manual</source>
        <translation>Handleiding van Tallowmere</translation>
    </message>
    <message>
        <source>Tables and workbooks</source>
        <translation>Tabellen en werkmappen</translation>
    </message>
    <message>
        <source>A file of several columns (CSV, TSV, text separated by semicolons as a German spreadsheet saves it) or a workbook (.ods, .xlsx) opens the &lt;b&gt;Open Table&lt;/b&gt; dialog when it is loaded, dropped or named on the command line; so does &lt;b&gt;Open Table…&lt;/b&gt; in the number list&apos;s context menu, and a paste of several columns.</source>
        <translation>Een bestand met meerdere kolommen (CSV, TSV, tekst gescheiden door puntkomma&apos;s zoals een Duits rekenblad die opslaat) of een werkmap (.ods, .xlsx) opent het venster &lt;b&gt;Tabel openen&lt;/b&gt; wanneer het geladen, neergezet of op de opdrachtregel genoemd wordt; dat doen ook &lt;b&gt;Tabel openen…&lt;/b&gt; in het contextmenu van de getallenlijst en het plakken van meerdere kolommen.</translation>
    </message>
    <message>
        <source>The dialog shows the first rows with what it guessed: the delimiter, whether the first row is a header, the decimal separator and, for a workbook, the sheet. Change any of them and the preview follows. Then tick the columns to read and, to compare groups, choose a column in &lt;b&gt;Split by&lt;/b&gt;.</source>
        <translation>Het venster toont de eerste rijen met wat het heeft afgeleid: het scheidingsteken, of de eerste rij een kop is, het decimaalteken en, bij een werkmap, het werkblad. Wijzig er een en het voorbeeld volgt. Vink dan de te lezen kolommen aan en kies, om groepen te vergelijken, een kolom bij &lt;b&gt;Groeperen op&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>One column ticked and no split: its numbers are added to the number list as one change, which Ctrl+Z undoes; cells that are not numbers are counted in the notice.</source>
        <translation>Eén kolom aangevinkt en geen groepering: de getallen ervan worden als één wijziging aan de getallenlijst toegevoegd, die Ctrl+Z ongedaan maakt; cellen die geen getal zijn, telt de melding.</translation>
    </message>
    <message>
        <source>Several columns, or a split: the &lt;b&gt;Compare&lt;/b&gt; window opens and the number list is left as it was.</source>
        <translation>Meerdere kolommen, of een groepering: het venster &lt;b&gt;Vergelijken&lt;/b&gt; opent en de getallenlijst blijft zoals hij was.</translation>
    </message>
    <message>
        <source>The Compare window has a column for each column or group and a row for each statistic, computed as the main window computes them and rounded as it rounds; it follows the main window&apos;s method and decimals. Below the table are box plots of every list on one axis, and with &lt;b&gt;Histograms&lt;/b&gt; their histograms over the same span.</source>
        <translation>Het venster Vergelijken heeft een kolom voor elke kolom of groep en een rij voor elke grootheid, berekend en afgerond zoals in het hoofdvenster; het volgt de methode en de decimalen daarvan. Onder de tabel staan boxplots van alle lijsten op één as en, met &lt;b&gt;Histogrammen&lt;/b&gt;, hun histogrammen over hetzelfde bereik.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy as Table&lt;/b&gt; (Ctrl+C) copies the table, separated by tabs, ready to paste into a spreadsheet; &lt;b&gt;Save Table…&lt;/b&gt; (Ctrl+S) saves it as CSV or as a workbook; &lt;b&gt;Copy Picture&lt;/b&gt; and &lt;b&gt;Save Picture…&lt;/b&gt; do the same for the picture; &lt;b&gt;Send to Number List&lt;/b&gt; adds the numbers of the chosen list to the main window&apos;s number list.</source>
        <translation>&lt;b&gt;Kopiëren als tabel&lt;/b&gt; (Ctrl+C) kopieert de tabel, gescheiden door tabs, klaar om in een rekenblad te plakken; &lt;b&gt;Tabel opslaan…&lt;/b&gt; (Ctrl+S) slaat hem op als CSV of als werkmap; &lt;b&gt;Afbeelding kopiëren&lt;/b&gt; en &lt;b&gt;Afbeelding opslaan…&lt;/b&gt; doen hetzelfde met de afbeelding; &lt;b&gt;Naar getallenlijst sturen&lt;/b&gt; voegt de getallen van de gekozen lijst toe aan de getallenlijst van het hoofdvenster.</translation>
    </message>
    <message>
        <source>Several columns, or every column that holds numbers, each analysed on its own; with a group column, each column&apos;s rows are split by its values. The text format writes a block for each, headed by its name; tsv writes a column for each; json writes an array of objects.</source>
        <translation>Meerdere kolommen, of elke kolom die getallen bevat, elk apart geanalyseerd; met een groepskolom worden de rijen van elke kolom naar de waarden ervan verdeeld. Het tekstformaat schrijft voor elk een blok met de naam als kop; tsv schrijft voor elk een kolom; json schrijft een array van objecten.</translation>
    </message>
    <message>
        <source>The sheet of a workbook (.ods or .xlsx, known by its content) to read the columns from; the first unless given.</source>
        <translation>Het werkblad van een werkmap (.ods of .xlsx, herkend aan de inhoud) waaruit de kolommen gelezen worden; zonder opgave het eerste.</translation>
    </message>
    <message>
        <source>The weights of each group of a workbook&apos;s first sheet, side by side.</source>
        <translation>De gewichten van elke groep uit het eerste werkblad van een werkmap, naast elkaar.</translation>
    </message>
    <message>
        <source>Whole numbers of up to 100 values get a bar for each value, centred on it. &lt;b&gt;Range&lt;/b&gt; shows all values or leaves out the outliers beyond the box plot&apos;s fences, which are then marked with their count at the ends of the axis; &lt;b&gt;Logarithmic axis&lt;/b&gt;, for positive numbers only, makes the bins equal on a logarithmic scale. Point at a bar to see its range and count. With &lt;b&gt;Include title and statistics&lt;/b&gt;, Copy Picture and Save Picture… add a title and the table of spread to the picture.</source>
        <translation>Gehele getallen met hoogstens 100 waarden krijgen een staaf per waarde, erop gecentreerd. &lt;b&gt;Bereik&lt;/b&gt; toont alle waarden of laat de uitschieters buiten de hekken van de boxplot weg, die dan met hun aantal aan de uiteinden van de as worden aangegeven; &lt;b&gt;Logaritmische as&lt;/b&gt;, alleen voor positieve getallen, maakt de klassen gelijk op een logaritmische schaal. Wijs een staaf aan om het bereik en het aantal ervan te zien. Met &lt;b&gt;Titel en statistieken opnemen&lt;/b&gt; voegen Afbeelding kopiëren en Afbeelding opslaan… een titel en de tabel van de spreiding aan de afbeelding toe.</translation>
    </message>
    <message>
        <source>The encoding of a table&apos;s text: utf-8, utf-16le, utf-16be, utf-32le, utf-32be or windows-1252. Without it each file is read in the form its first bytes show, as the table dialog reads it; standard input is then read as a list file.</source>
        <translation>De tekencodering van de tekst van een tabel: utf-8, utf-16le, utf-16be, utf-32le, utf-32be of windows-1252. Zonder wordt elk bestand gelezen in de vorm die de eerste bytes tonen, zoals het tabelvenster het leest; standaardinvoer wordt dan als lijstbestand gelezen.</translation>
    </message>
</context>
<context>
    <name>ManualEntry</name>
    <message>
        <source>Enter number or numbers (use commas):</source>
        <translation>Voer een of meer getallen in (gebruik komma’s):</translation>
    </message>
    <message>
        <source>Enter number or numbers (use semicolons):</source>
        <translation>Voer een of meer getallen in (gebruik puntkomma’s):</translation>
    </message>
</context>
<context>
    <name>Normality</name>
    <message>
        <source>The Shapiro-Wilk test needs at least 3 numbers</source>
        <translation>De Shapiro-Wilk-toets heeft minstens 3 getallen nodig</translation>
    </message>
    <message>
        <source>The Shapiro-Wilk test takes at most 5000 numbers</source>
        <translation>De Shapiro-Wilk-toets neemt hoogstens 5000 getallen</translation>
    </message>
    <message>
        <source>The K² test needs at least 8 numbers</source>
        <translation>De K²-toets heeft minstens 8 getallen nodig</translation>
    </message>
    <message>
        <source>All the numbers are equal</source>
        <translation>Alle getallen zijn gelijk</translation>
    </message>
    <message>
        <source>The numbers are too large or too far apart for the test</source>
        <translation>De getallen zijn te groot of liggen te ver uiteen voor de toets</translation>
    </message>
    <message>
        <source>The kurtosis is outside the range of the test&apos;s approximation</source>
        <translation>De kurtosis valt buiten het bereik van de benadering van de toets</translation>
    </message>
    <message>
        <source>no evidence against normality at 5 %</source>
        <translation>geen aanwijzing tegen normaliteit bij 5 %</translation>
    </message>
    <message>
        <source>the numbers are unlikely to come from a normal distribution (p = %1)</source>
        <translation>de getallen komen waarschijnlijk niet uit een normale verdeling (p = %1)</translation>
    </message>
</context>
<context>
    <name>NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Opnieuw: %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Must be a numeric entry.</source>
        <translation>Moet een numerieke invoer zijn.</translation>
    </message>
</context>
<context>
    <name>OutlierPage</name>
    <message numerus="yes">
        <source>%1 outliers</source>
        <translation>
            <numerusform>%1 uitschieter</numerusform>
            <numerusform>%1 uitschieters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 far out</source>
        <translation>
            <numerusform>%1 extreme uitschieter</numerusform>
            <numerusform>%1 extreme uitschieters</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OutlierTable</name>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
</context>
<context>
    <name>PercentileText</name>
    <message>
        <source>“%1” is not a number</source>
        <translation>“%1” is geen getal</translation>
    </message>
    <message>
        <source>%1: percentiles run from 0 to 100</source>
        <translation>%1: percentielen lopen van 0 tot 100</translation>
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
        <translation>Nog geen getallen geanalyseerd.</translation>
    </message>
    <message>
        <source>Normal quantiles</source>
        <translation>Normale kwantielen</translation>
    </message>
    <message>
        <source>Sample quantiles</source>
        <translation>Steekproefkwantielen</translation>
    </message>
    <message numerus="yes">
        <source>Normal Q-Q plot of %1 numbers: the values from %2 to %3 against the normal quantiles from %4 to %5, with the line through the quartiles (intercept %6, slope %7).</source>
        <translation>
            <numerusform>Normale Q-Q-plot van %1 getal: de waarden van %2 tot %3 tegen de normale kwantielen van %4 tot %5, met de lijn door de kwartielen (snijpunt %6, helling %7).</numerusform>
            <numerusform>Normale Q-Q-plot van %1 getallen: de waarden van %2 tot %3 tegen de normale kwantielen van %4 tot %5, met de lijn door de kwartielen (snijpunt %6, helling %7).</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Q-Q plot</source>
        <translation>Normale Q-Q-plot</translation>
    </message>
</context>
<context>
    <name>QuantileMethods</name>
    <message>
        <source>Nearest rank (R type 1)</source>
        <translation>Dichtstbijzijnde rang (R-type 1)</translation>
    </message>
    <message>
        <source>Averaged inverse (SAS default, R type 2)</source>
        <translation>Gemiddelde inverse (standaard in SAS, R-type 2)</translation>
    </message>
    <message>
        <source>Nearest even rank (R type 3)</source>
        <translation>Dichtstbijzijnde even rang (R-type 3)</translation>
    </message>
    <message>
        <source>Linear in the distribution function (R type 4)</source>
        <translation>Lineair in de verdelingsfunctie (R-type 4)</translation>
    </message>
    <message>
        <source>Hazen, midpoint steps (R type 5)</source>
        <translation>Hazen, midden van de treden (R-type 5)</translation>
    </message>
    <message>
        <source>Exclusive (spreadsheet QUARTILE.EXC, SPSS, Minitab, R type 6)</source>
        <translation>Exclusief (rekenblad KWARTIEL.EXC, SPSS, Minitab, R-type 6)</translation>
    </message>
    <message>
        <source>Inclusive (spreadsheet QUARTILE.INC, R type 7, numpy default)</source>
        <translation>Inclusief (rekenblad KWARTIEL.INC, R-type 7, standaard in numpy)</translation>
    </message>
    <message>
        <source>Median-unbiased (R type 8)</source>
        <translation>Mediaan-zuiver (R-type 8)</translation>
    </message>
    <message>
        <source>Normal-unbiased, Blom (R type 9)</source>
        <translation>Normaal-zuiver, Blom (R-type 9)</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>The number of entries is: </source>
        <translation>Het aantal items is: </translation>
    </message>
    <message>
        <source>The sum of the numbers are: </source>
        <translation>De som van de getallen is: </translation>
    </message>
    <message>
        <source>The sum squared is: </source>
        <translation>Het kwadraat van de som is: </translation>
    </message>
    <message>
        <source>The sum of squares is: </source>
        <translation>De kwadratensom is: </translation>
    </message>
    <message>
        <source>The mode is: </source>
        <translation>De modus is: </translation>
    </message>
    <message>
        <source>The median is: </source>
        <translation>De mediaan is: </translation>
    </message>
    <message>
        <source>The mean is: </source>
        <translation>Het gemiddelde is: </translation>
    </message>
    <message>
        <source>The variance is: </source>
        <translation>De variantie is: </translation>
    </message>
    <message>
        <source>The skew is: </source>
        <translation>De scheefheid is: </translation>
    </message>
    <message>
        <source>The average deviation is: </source>
        <translation>De gemiddelde afwijking is: </translation>
    </message>
    <message>
        <source>The standard deviation is: </source>
        <translation>De standaardafwijking is: </translation>
    </message>
    <message>
        <source>The coefficient of variation is: </source>
        <translation>De variatiecoëfficiënt is: </translation>
    </message>
    <message>
        <source>The minimum is: </source>
        <translation>Het minimum is: </translation>
    </message>
    <message>
        <source>The maximum is: </source>
        <translation>Het maximum is: </translation>
    </message>
    <message>
        <source>The range is: </source>
        <translation>Het bereik is: </translation>
    </message>
    <message>
        <source>The first quartile is: </source>
        <translation>Het eerste kwartiel is: </translation>
    </message>
    <message>
        <source>The third quartile is: </source>
        <translation>Het derde kwartiel is: </translation>
    </message>
    <message>
        <source>The interquartile range is: </source>
        <translation>De interkwartielafstand is: </translation>
    </message>
    <message>
        <source>The kurtosis is: </source>
        <translation>De kurtosis is: </translation>
    </message>
    <message>
        <source>The standard error of the mean is: </source>
        <translation>De standaardfout van het gemiddelde is: </translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s low end is: </source>
        <translation>De ondergrens van het 95%-betrouwbaarheidsinterval is: </translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s high end is: </source>
        <translation>De bovengrens van het 95%-betrouwbaarheidsinterval is: </translation>
    </message>
    <message>
        <source>The geometric mean is: </source>
        <translation>Het meetkundig gemiddelde is: </translation>
    </message>
    <message>
        <source>The harmonic mean is: </source>
        <translation>Het harmonisch gemiddelde is: </translation>
    </message>
    <message>
        <source>The median absolute deviation is: </source>
        <translation>De mediane absolute afwijking is: </translation>
    </message>
    <message>
        <source>The scaled median absolute deviation is: </source>
        <translation>De geschaalde mediane absolute afwijking is: </translation>
    </message>
    <message>
        <source>The quantile method is: </source>
        <translation>De kwantielmethode is: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk W is: </source>
        <translation>De W van Shapiro-Wilk is: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk p-value is: </source>
        <translation>De p-waarde van Shapiro-Wilk is: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk test reads: </source>
        <translation>De Shapiro-Wilk-toets geeft: </translation>
    </message>
    <message>
        <source>The K² of D&apos;Agostino and Pearson is: </source>
        <translation>De K² van D&apos;Agostino en Pearson is: </translation>
    </message>
    <message>
        <source>The K² p-value is: </source>
        <translation>De p-waarde van de K² is: </translation>
    </message>
    <message>
        <source>The K² test reads: </source>
        <translation>De K²-toets geeft: </translation>
    </message>
    <message>
        <source>The %1 % trimmed mean is: </source>
        <translation>Het %1%-getrimd gemiddelde is: </translation>
    </message>
    <message>
        <source>The %1 % confidence interval&apos;s low end is: </source>
        <translation>De ondergrens van het %1%-betrouwbaarheidsinterval is: </translation>
    </message>
    <message>
        <source>The %1 % confidence interval&apos;s high end is: </source>
        <translation>De bovengrens van het %1%-betrouwbaarheidsinterval is: </translation>
    </message>
    <message>
        <source>The median&apos;s %1 % confidence interval&apos;s low end is: </source>
        <translation>De ondergrens van het %1%-betrouwbaarheidsinterval van de mediaan is: </translation>
    </message>
    <message>
        <source>The median&apos;s %1 % confidence interval&apos;s high end is: </source>
        <translation>De bovengrens van het %1%-betrouwbaarheidsinterval van de mediaan is: </translation>
    </message>
    <message>
        <source>The median&apos;s interval&apos;s actual coverage is: </source>
        <translation>De werkelijke dekking van het interval van de mediaan is: </translation>
    </message>
    <message>
        <source>The %1st percentile is: </source>
        <translation>Het %1e percentiel is: </translation>
    </message>
    <message>
        <source>The %1nd percentile is: </source>
        <translation>Het %1e percentiel is: </translation>
    </message>
    <message>
        <source>The %1rd percentile is: </source>
        <translation>Het %1e percentiel is: </translation>
    </message>
    <message>
        <source>The %1th percentile is: </source>
        <translation>Het %1e percentiel is: </translation>
    </message>
</context>
<context>
    <name>ResultValues</name>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source> or </source>
        <translation> of </translation>
    </message>
</context>
<context>
    <name>ResultsListMenu</name>
    <message>
        <source>Copy as Table</source>
        <translation>Kopiëren als tabel</translation>
    </message>
</context>
<context>
    <name>RobustStatistics</name>
    <message>
        <source>There are no numbers</source>
        <translation>Er zijn geen getallen</translation>
    </message>
    <message>
        <source>The geometric and the harmonic mean need positive numbers</source>
        <translation>Het meetkundig en het harmonisch gemiddelde hebben positieve getallen nodig</translation>
    </message>
    <message>
        <source>The share trimmed from each end must be at least 0 and below 0.5</source>
        <translation>Het deel dat aan elk uiteinde wordt weggelaten moet minstens 0 en kleiner dan 0.5 zijn</translation>
    </message>
    <message>
        <source>The confidence level must be from 50 % to 99.9 %</source>
        <translation>Het betrouwbaarheidsniveau moet van 50 % tot 99.9 % zijn</translation>
    </message>
    <message>
        <source>The confidence interval of the mean needs at least 2 numbers</source>
        <translation>Het betrouwbaarheidsinterval van het gemiddelde heeft minstens 2 getallen nodig</translation>
    </message>
    <message>
        <source>Too few numbers for a confidence interval of the median at this level</source>
        <translation>Te weinig getallen voor een betrouwbaarheidsinterval van de mediaan op dit niveau</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>its lock file %1 is not a regular file</source>
        <translation>het vergrendelingsbestand %1 is geen gewoon bestand</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>de map ervan kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>er kan niet naar worden geschreven</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>er kan niet naar worden geschreven: %1</translation>
    </message>
    <message>
        <source>The options cannot be saved to %1: %2. They stay as chosen until %3 ends.</source>
        <translation>De opties kunnen niet worden opgeslagen in %1: %2. Ze blijven zoals gekozen totdat %3 wordt afgesloten.</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Open Table</source>
        <translation>Tabel openen</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Puntkomma</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Ander</translation>
    </message>
    <message>
        <source>Other delimiter</source>
        <translation>Ander scheidingsteken</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>Eerste rij is een &amp;kopregel</translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation>Eerste rij is een kopregel</translation>
    </message>
    <message>
        <source>As in this locale (%1)</source>
        <translation>Zoals in deze landinstelling (%1)</translation>
    </message>
    <message>
        <source>Point (61.5)</source>
        <translation>Punt (61.5)</translation>
    </message>
    <message>
        <source>Comma (61,5)</source>
        <translation>Komma (61,5)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Scheidingsteken:</translation>
    </message>
    <message>
        <source>D&amp;ecimal separator:</source>
        <translation>&amp;Decimaalteken:</translation>
    </message>
    <message>
        <source>Shee&amp;t:</source>
        <translation>&amp;Blad:</translation>
    </message>
    <message>
        <source>Co&amp;lumns:</source>
        <translation>Ko&amp;lommen:</translation>
    </message>
    <message>
        <source>&amp;Split by:</source>
        <translation>Groe&amp;peren op:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>&amp;Voorbeeld:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolom %1</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 kon niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>%1 is neither a spreadsheet nor a table of delimited text.</source>
        <translation>%1 is geen rekenblad en ook geen tabel met scheidingstekens.</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be read (%2).</source>
        <translation>%1 is beschadigd en kon niet worden gelezen (%2).</translation>
    </message>
    <message>
        <source>%1 is protected by a password: save it without one to open it.</source>
        <translation>%1 is met een wachtwoord beveiligd: sla het op zonder wachtwoord om het te openen.</translation>
    </message>
    <message>
        <source>%1 is an Excel 97-2003 workbook: save it as .xlsx or .ods to open it.</source>
        <translation>%1 is een Excel 97-2003-werkmap: sla haar op als .xlsx of .ods om haar te openen.</translation>
    </message>
    <message>
        <source>%1 has no sheet %2.</source>
        <translation>%1 heeft geen blad %2.</translation>
    </message>
    <message>
        <source>UTF-16 (little-endian)</source>
        <translation>UTF-16 (little-endian)</translation>
    </message>
    <message>
        <source>UTF-16 (big-endian)</source>
        <translation>UTF-16 (big-endian)</translation>
    </message>
    <message>
        <source>UTF-32 (little-endian)</source>
        <translation>UTF-32 (little-endian)</translation>
    </message>
    <message>
        <source>UTF-32 (big-endian)</source>
        <translation>UTF-32 (big-endian)</translation>
    </message>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>West-Europees (Windows-1252)</translation>
    </message>
    <message>
        <source>E&amp;ncoding:</source>
        <translation>&amp;Tekencodering:</translation>
    </message>
</context>
<context>
    <name>TickList</name>
    <message>
        <source>Ticks or unticks the result</source>
        <translation>Vinkt het resultaat aan of uit</translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation>Aangevinkt</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Niet aangevinkt</translation>
    </message>
</context>
<context>
    <name>WholeFileWriter</name>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::CompareWindow</name>
    <message>
        <source>Statistics of each list</source>
        <translation>Statistieken van elke lijst</translation>
    </message>
    <message>
        <source>A column per list and a row per statistic. Ctrl+C copies the whole table.</source>
        <translation>Een kolom per lijst en een rij per statistiek. Ctrl+C kopieert de hele tabel.</translation>
    </message>
    <message>
        <source>Copy as &amp;Table</source>
        <translation>Kopiëren als &amp;tabel</translation>
    </message>
    <message>
        <source>Put the table on the clipboard, its cells separated by tabs (Ctrl+C)</source>
        <translation>De tabel op het klembord zetten, met de cellen gescheiden door tabs (Ctrl+C)</translation>
    </message>
    <message>
        <source>Sa&amp;ve Table…</source>
        <translation>Ta&amp;bel opslaan…</translation>
    </message>
    <message>
        <source>Save the table as a CSV file or an Excel workbook (Ctrl+S)</source>
        <translation>De tabel opslaan als CSV-bestand of Excel-werkmap (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Lijst:</translation>
    </message>
    <message>
        <source>List to send</source>
        <translation>Te sturen lijst</translation>
    </message>
    <message>
        <source>Se&amp;nd to Number List</source>
        <translation>&amp;Naar getallenlijst sturen</translation>
    </message>
    <message>
        <source>Append the chosen list&apos;s numbers to the main window&apos;s number list</source>
        <translation>De getallen van de gekozen lijst toevoegen aan de getallenlijst van het hoofdvenster</translation>
    </message>
    <message>
        <source>&amp;Histograms</source>
        <translation>&amp;Histogrammen</translation>
    </message>
    <message>
        <source>Show each list&apos;s histogram over the same span, with its box plot</source>
        <translation>Het histogram van elke lijst over hetzelfde bereik tonen, met de bijbehorende boxplot</translation>
    </message>
    <message>
        <source>Histograms</source>
        <translation>Histogrammen</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>Afbeelding k&amp;opiëren</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image</source>
        <translation>De afbeelding als plaatje op het klembord zetten</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>Afbeelding op&amp;slaan…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file</source>
        <translation>De afbeelding opslaan als PNG- of SVG-bestand</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistiek</translation>
    </message>
    <message>
        <source>Save Table</source>
        <translation>Tabel opslaan</translation>
    </message>
    <message>
        <source>The table could not be saved as
%1
%2</source>
        <translation>De tabel kon niet worden opgeslagen als
%1
%2</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Afbeelding opslaan</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation>De afbeelding kon niet worden opgeslagen als
%1
%2</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::DistributionWindow</name>
    <message>
        <source>Notice</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistiek</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as name and value separated by a tab.</source>
        <translation>Selecteer rijen en druk op Ctrl+C om ze te kopiëren als naam en waarde gescheiden door een tab.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Bins:</source>
        <translation>&amp;Klassen:</translation>
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
        <translation>Aantal klassen</translation>
    </message>
    <message>
        <source>The histogram&apos;s bins, 1 to 500; below 1 the count is chosen from the numbers.</source>
        <translation>De klassen van het histogram, 1 tot 500; onder 1 wordt het aantal bepaald op basis van de getallen.</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>Afbeelding k&amp;opiëren</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image (Ctrl+C)</source>
        <translation>De afbeelding als plaatje op het klembord zetten (Ctrl+C)</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>Afbeelding op&amp;slaan…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file (Ctrl+S)</source>
        <translation>De afbeelding opslaan als PNG- of SVG-bestand (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Afbeelding opslaan</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation>De afbeelding kon niet worden opgeslagen als
%1
%2</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Bereik:</translation>
    </message>
    <message>
        <source>All values</source>
        <translation>Alle waarden</translation>
    </message>
    <message>
        <source>Without outliers</source>
        <translation>Zonder uitschieters</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereik</translation>
    </message>
    <message>
        <source>Without outliers, the histogram spans the numbers within 1.5 interquartile ranges of the box.</source>
        <translation>Zonder uitschieters beslaat het histogram de getallen binnen 1,5 interkwartielafstand van de box.</translation>
    </message>
    <message>
        <source>&amp;Logarithmic axis</source>
        <translation>&amp;Logaritmische as</translation>
    </message>
    <message>
        <source>Bins of equal width in the logarithm; for positive numbers only</source>
        <translation>Klassen van gelijke breedte in de logaritme; alleen voor positieve getallen</translation>
    </message>
    <message>
        <source>&amp;Include title and statistics</source>
        <translation>&amp;Titel en statistieken opnemen</translation>
    </message>
    <message>
        <source>Copy and save the picture with a title over it and the statistics under it</source>
        <translation>De afbeelding kopiëren en opslaan met een titel erboven en de statistieken eronder</translation>
    </message>
    <message>
        <source>&amp;Histogram</source>
        <translation>&amp;Histogram</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Weergaven</translation>
    </message>
    <message>
        <source>&amp;Q-Q Plot</source>
        <translation>&amp;Q-Q-plot</translation>
    </message>
    <message>
        <source>&amp;Frequencies</source>
        <translation>&amp;Frequenties</translation>
    </message>
    <message>
        <source>&amp;Outliers</source>
        <translation>&amp;Uitschieters</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::DropProgressStrip</name>
    <message>
        <source>Stop the drop (Esc)</source>
        <translation>Het neerzetten stoppen (Esc)</translation>
    </message>
    <message>
        <source>Stop the drop</source>
        <translation>Het neerzetten stoppen</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::Form1</name>
    <message>
        <source>Results note</source>
        <translation>Opmerking bij de resultaten</translation>
    </message>
    <message>
        <source>Number(s)</source>
        <translation>Getal(len)</translation>
    </message>
    <message>
        <source>Result(s)</source>
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>The number list has changed since these results.</source>
        <translation>De getallenlijst is sinds deze resultaten gewijzigd.</translation>
    </message>
    <message>
        <source>Analysis finished: the results list shows %1 rows.</source>
        <translation>Analyse voltooid: de resultatenlijst toont %1 rijen.</translation>
    </message>
    <message>
        <source>Not every entry will come back as it is when this file is loaded:</source>
        <translation>Niet elk item komt ongewijzigd terug wanneer dit bestand wordt geladen:</translation>
    </message>
    <message>
        <source>Entries that are not numbers, left out when it is loaded: %1</source>
        <translation>Items die geen getallen zijn en bij het laden worden weggelaten: %1</translation>
    </message>
    <message>
        <source>Entries a list file reads as another value: %1</source>
        <translation>Items die een lijstbestand als een andere waarde leest: %1</translation>
    </message>
    <message>
        <source>Entries holding a line break, read as several lines: %1</source>
        <translation>Items met een regeleinde, die als meerdere regels worden gelezen: %1</translation>
    </message>
    <message>
        <source>The first of them: %1</source>
        <translation>De eerste daarvan: %1</translation>
    </message>
    <message>
        <source>Save the numbers all the same?</source>
        <translation>De getallen toch opslaan?</translation>
    </message>
    <message>
        <source>Save Numbers</source>
        <translation>Getallen opslaan</translation>
    </message>
    <message>
        <source>The numbers could not be saved to &quot;%1&quot;: %2</source>
        <translation>De getallen konden niet worden opgeslagen in “%1”: %2</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Recente bestanden wissen</translation>
    </message>
    <message>
        <source>The numbers from last time could not be read</source>
        <translation>De getallen van de vorige keer konden niet worden gelezen</translation>
    </message>
    <message>
        <source>All results ticked</source>
        <translation>Alle resultaten aangevinkt</translation>
    </message>
    <message>
        <source>No results ticked</source>
        <translation>Geen resultaten aangevinkt</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::FrequencyPage</name>
    <message>
        <source>One row per &amp;value</source>
        <translation>Eén rij per waar&amp;de</translation>
    </message>
    <message>
        <source>A row for each value however many there are; else, with more than %1 values, a row for each of the histogram&apos;s bins</source>
        <translation>Een rij voor elke waarde, hoeveel het er ook zijn; anders, bij meer dan %1 waarden, een rij voor elke klasse van het histogram</translation>
    </message>
    <message>
        <source>Copy as &amp;Table</source>
        <translation>Kopiëren als t&amp;abel</translation>
    </message>
    <message>
        <source>Put the whole table on the clipboard with its header line, its cells separated by tabs</source>
        <translation>De hele tabel met de kopregel op het klembord zetten, de cellen gescheiden door tabs</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Frequencies</source>
        <translation>Frequenties</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them, their cells separated by tabs, as a spreadsheet reads them.</source>
        <translation>Selecteer rijen en druk op Ctrl+C om ze te kopiëren, de cellen gescheiden door tabs, zoals een rekenblad ze leest.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>These bins span all the numbers, the outliers too; the histogram leaves the outliers out.</source>
        <translation>Deze klassen beslaan alle getallen, ook de uitschieters; het histogram laat de uitschieters weg.</translation>
    </message>
    <message>
        <source>These bins are equal in width; the histogram&apos;s are equal in the logarithm.</source>
        <translation>Deze klassen zijn even breed; die van het histogram zijn even breed in de logaritme.</translation>
    </message>
    <message>
        <source>The histogram has a bar for each value; tick &quot;One row per value&quot; for a row each.</source>
        <translation>Het histogram heeft een staaf per waarde; vink “Eén rij per waarde” aan voor een rij per waarde.</translation>
    </message>
    <message>
        <source>These bins are not the histogram&apos;s.</source>
        <translation>Deze klassen zijn niet die van het histogram.</translation>
    </message>
    <message>
        <source>%1 rows are too many to copy: at most %2 can be copied.</source>
        <translation>%1 rijen zijn te veel om te kopiëren: er kunnen er hoogstens %2 worden gekopieerd.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::HelpWindow</name>
    <message>
        <source>Tallowmere Manual</source>
        <translation>Handleiding van Tallowmere</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation>Zoeken in de handleiding</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Niet gevonden</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation>Items verwijderen die geen getallen zijn</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::OutlierModel</name>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::OutlierPage</name>
    <message>
        <source>Outliers</source>
        <translation>Uitschieters</translation>
    </message>
    <message>
        <source>&amp;Values beyond the fences:</source>
        <translation>&amp;Waarden buiten de hekken:</translation>
    </message>
    <message>
        <source>Number of smallest and largest values</source>
        <translation>Aantal kleinste en grootste waarden</translation>
    </message>
    <message>
        <source>How many of the smallest and of the largest numbers are listed, 1 to 100.</source>
        <translation>Hoeveel van de kleinste en van de grootste getallen worden getoond, 1 tot 100.</translation>
    </message>
    <message>
        <source>&amp;Extremes at each end:</source>
        <translation>&amp;Extremen aan elk uiteinde:</translation>
    </message>
    <message>
        <source>Smallest and largest values</source>
        <translation>Kleinste en grootste waarden</translation>
    </message>
    <message>
        <source>Select in &amp;Number List</source>
        <translation>In &amp;getallenlijst selecteren</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as kind, position and value separated by tabs.</source>
        <translation>Selecteer rijen en druk op Ctrl+C om ze te kopiëren als soort, positie en waarde gescheiden door tabs.</translation>
    </message>
    <message>
        <source>Outlier</source>
        <translation>Uitschieter</translation>
    </message>
    <message>
        <source>Far out</source>
        <translation>Extreme uitschieter</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Kleinste</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Grootste</translation>
    </message>
    <message>
        <source>No outliers; fences %1 and %2; far out beyond %3 and %4.</source>
        <translation>Geen uitschieters; hekken %1 en %2; extreme uitschieters buiten %3 en %4.</translation>
    </message>
    <message>
        <source>%1, %2; fences %3 and %4; far out beyond %5 and %6.</source>
        <translation>%1, %2; hekken %3 en %4; extreme uitschieters buiten %5 en %6.</translation>
    </message>
    <message>
        <source>Showing %1 of %2, the first in the list.</source>
        <translation>%1 van %2 getoond, de eerste in de lijst.</translation>
    </message>
    <message>
        <source>There is no analysis to select from until one has finished.</source>
        <translation>Er valt niets te selecteren totdat een analyse klaar is.</translation>
    </message>
    <message>
        <source>The number list has changed since this analysis, so these positions may no longer be its rows. Press Start Analysis to find them again.</source>
        <translation>De getallenlijst is sinds deze analyse gewijzigd, dus deze posities zijn misschien niet meer de rijen ervan. Druk op Analyse starten om ze opnieuw te vinden.</translation>
    </message>
    <message>
        <source>There are no outliers; select rows of the tables to select those entries.</source>
        <translation>Er zijn geen uitschieters; selecteer rijen van de tabellen om die items te selecteren.</translation>
    </message>
    <message>
        <source>Select the entries of the selected rows in the number list, or all the outliers listed when no row is selected.</source>
        <translation>De items van de geselecteerde rijen in de getallenlijst selecteren, of alle getoonde uitschieters als er geen rij is geselecteerd.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::QQPage</name>
    <message>
        <source>Normal Q-Q plot</source>
        <translation>Normale Q-Q-plot</translation>
    </message>
    <message>
        <source>Tests of normality</source>
        <translation>Toetsen op normaliteit</translation>
    </message>
    <message>
        <source>Press Ctrl+C to copy the selected text, or both lines where nothing is selected.</source>
        <translation>Druk op Ctrl+C om de geselecteerde tekst te kopiëren, of beide regels als er niets is geselecteerd.</translation>
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
        <translation>Kwantielmethode</translation>
    </message>
    <message>
        <source>How the quartiles, the box plot and the percentiles are read from the numbers</source>
        <translation>Hoe de kwartielen, de boxplot en de percentielen uit de getallen worden bepaald</translation>
    </message>
    <message>
        <source>&amp;Percentiles:</source>
        <translation>&amp;Percentielen:</translation>
    </message>
    <message>
        <source>Percentiles</source>
        <translation>Percentielen</translation>
    </message>
    <message>
        <source>Percentiles&apos; error</source>
        <translation>Fout in de percentielen</translation>
    </message>
    <message>
        <source>&amp;Trim:</source>
        <translation>T&amp;rimmen:</translation>
    </message>
    <message>
        <source>Trimmed share</source>
        <translation>Getrimd deel</translation>
    </message>
    <message>
        <source>The share of the numbers the trimmed mean leaves out at each end</source>
        <translation>Het deel van de getallen dat het getrimd gemiddelde aan elk uiteinde weglaat</translation>
    </message>
    <message>
        <source>Confidence l&amp;evel:</source>
        <translation>Betrouwbaarheids&amp;niveau:</translation>
    </message>
    <message>
        <source>Confidence level</source>
        <translation>Betrouwbaarheidsniveau</translation>
    </message>
    <message>
        <source>The level of the mean&apos;s and the median&apos;s confidence intervals</source>
        <translation>Het niveau van de betrouwbaarheidsintervallen van het gemiddelde en van de mediaan</translation>
    </message>
    <message>
        <source>Percentiles from 0 to 100, separated by semicolons: %1</source>
        <translation>Percentielen van 0 tot 100, gescheiden door puntkomma’s: %1</translation>
    </message>
    <message>
        <source>Percentiles from 0 to 100, separated by commas or semicolons: %1</source>
        <translation>Percentielen van 0 tot 100, gescheiden door komma’s of puntkomma’s: %1</translation>
    </message>
</context>
</TS>
