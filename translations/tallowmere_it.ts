<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutBox</name>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (compilato con %2)</translation>
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
        <translation>Librerie utilizzate:</translation>
    </message>
    <message>
        <source>Tallowmere %1</source>
        <translation>Tallowmere %1</translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation>Una calcolatrice da desktop per le statistiche descrittive.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tallowmere authors</source>
        <translation>Copyright © 2026 gli autori di Tallowmere</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Distribuito con licenza MIT.</translation>
    </message>
    <message>
        <source>About Tallowmere</source>
        <translation>Informazioni su Tallowmere</translation>
    </message>
</context>
<context>
    <name>AdditionNotice</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 file</numerusform>
            <numerusform>%1 file</numerusform>
        </translation>
    </message>
    <message>
        <source> (first: %1)</source>
        <translation> (primo caso: %1)</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 riga è stata letta con la virgola decimale (prima: %2)</numerusform>
            <numerusform>%1 righe sono state lette con la virgola decimale (prima: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 riga è stata letta con il punto decimale (prima: %2)</numerusform>
            <numerusform>%1 righe sono state lette con il punto decimale (prima: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 elemento è stato letto con la virgola decimale (primo: %2)</numerusform>
            <numerusform>%1 elementi sono stati letti con la virgola decimale (primo: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 elemento è stato letto con il punto decimale (primo: %2)</numerusform>
            <numerusform>%1 elementi sono stati letti con il punto decimale (primo: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from %2</source>
        <translation>
            <numerusform>Aggiunto %1 numero da %2</numerusform>
            <numerusform>Aggiunti %1 numeri da %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the clipboard</source>
        <translation>
            <numerusform>Aggiunto %1 numero dagli appunti</numerusform>
            <numerusform>Aggiunti %1 numeri dagli appunti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the dropped text</source>
        <translation>
            <numerusform>Aggiunto %1 numero dal testo rilasciato</numerusform>
            <numerusform>Aggiunti %1 numeri dal testo rilasciato</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers</source>
        <translation>
            <numerusform>Aggiunto %1 numero</numerusform>
            <numerusform>Aggiunti %1 numeri</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were not numbers</source>
        <translation>
            <numerusform>%1 riga non era un numero</numerusform>
            <numerusform>%1 righe non erano numeri</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were not numbers</source>
        <translation>
            <numerusform>%1 elemento non era un numero</numerusform>
            <numerusform>%1 elementi non erano numeri</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no numbers</source>
        <translation>%1 non contiene numeri</translation>
    </message>
    <message>
        <source>The file holds no numbers</source>
        <translation>Il file non contiene numeri</translation>
    </message>
    <message>
        <source>The %1 hold no numbers</source>
        <translation>I %1 non contengono numeri</translation>
    </message>
    <message>
        <source>The clipboard holds no numbers</source>
        <translation>Gli appunti non contengono numeri</translation>
    </message>
    <message>
        <source>The dropped text holds no numbers</source>
        <translation>Il testo rilasciato non contiene numeri</translation>
    </message>
    <message>
        <source>The answer holds no numbers</source>
        <translation>La risposta non contiene numeri</translation>
    </message>
    <message>
        <source>their only line is not a number in this locale</source>
        <translation>la loro unica riga non è un numero secondo le impostazioni locali</translation>
    </message>
    <message>
        <source>its only line is not a number in this locale</source>
        <translation>la sua unica riga non è un numero secondo le impostazioni locali</translation>
    </message>
    <message>
        <source>its only item is not a number in this locale</source>
        <translation>il suo unico elemento non è un numero secondo le impostazioni locali</translation>
    </message>
    <message numerus="yes">
        <source>their %1 lines are not numbers in this locale</source>
        <translation>
            <numerusform>la loro %1 riga non è un numero secondo le impostazioni locali</numerusform>
            <numerusform>le loro %1 righe non sono numeri secondo le impostazioni locali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 lines are not numbers in this locale</source>
        <translation>
            <numerusform>la sua %1 riga non è un numero secondo le impostazioni locali</numerusform>
            <numerusform>le sue %1 righe non sono numeri secondo le impostazioni locali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 items are not numbers in this locale</source>
        <translation>
            <numerusform>il suo %1 elemento non è un numero secondo le impostazioni locali</numerusform>
            <numerusform>i suoi %1 elementi non sono numeri secondo le impostazioni locali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries</source>
        <translation>
            <numerusform>%1 elemento</numerusform>
            <numerusform>%1 elementi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the %1 sample numbers.</source>
        <translation>
            <numerusform>Aggiunto il %1 numero di esempio.</numerusform>
            <numerusform>Aggiunti i %1 numeri di esempio.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers were added</source>
        <translation>
            <numerusform>%1 numero è stato aggiunto</numerusform>
            <numerusform>%1 numeri sono stati aggiunti</numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped part-way through the text; %1.</source>
        <translation>Il rilascio è stato interrotto prima della fine del testo; %1.</translation>
    </message>
    <message>
        <source>Pasting was stopped part-way through the text; %1.</source>
        <translation>L&apos;operazione Incolla è stata interrotta prima della fine del testo; %1.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>1 entry is not a number and counts as %1: %2.</source>
        <translation>1 elemento non è un numero e viene contato come %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers and count as %2: %3.</source>
        <translation>
            <numerusform>%1 elemento non è un numero e viene contato come %2: %3.</numerusform>
            <numerusform>%1 elementi non sono numeri e vengono contati come %2: %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers; the first %2 count as %3: %4.</source>
        <translation>
            <numerusform>%1 elemento non è un numero; il primo (%2) viene contato come %3: %4.</numerusform>
            <numerusform>%1 elementi non sono numeri; i primi %2 vengono contati come %3: %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 cella è stata letta con la virgola decimale (prima: %2)</numerusform>
            <numerusform>%1 celle sono state lette con la virgola decimale (prima: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 cella è stata letta con il punto decimale (prima: %2)</numerusform>
            <numerusform>%1 celle sono state lette con il punto decimale (prima: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from column %2 of %3</source>
        <translation>
            <numerusform>Aggiunto %1 numero dalla colonna %2 (%3)</numerusform>
            <numerusform>Aggiunti %1 numeri dalla colonna %2 (%3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were not numbers</source>
        <translation>
            <numerusform>%1 cella non era un numero</numerusform>
            <numerusform>%1 celle non erano numeri</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1 of %2 holds no numbers</source>
        <translation>La colonna %1 (%2) non contiene numeri</translation>
    </message>
    <message>
        <source>its only cell is not a number in this locale</source>
        <translation>la sua unica cella non è un numero secondo le impostazioni locali</translation>
    </message>
    <message numerus="yes">
        <source>its %1 cells are not numbers in this locale</source>
        <translation>
            <numerusform>la sua %1 cella non è un numero secondo le impostazioni locali</numerusform>
            <numerusform>le sue %1 celle non sono numeri secondo le impostazioni locali</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Analyser</name>
    <message>
        <source>standard input</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: &quot;%2&quot;)</source>
        <translation>
            <numerusform>%1 riga è stata letta con la virgola decimale (prima: «%2»)</numerusform>
            <numerusform>%1 righe sono state lette con la virgola decimale (prima: «%2»)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: &quot;%2&quot;)</source>
        <translation>
            <numerusform>%1 riga è stata letta con il punto decimale (prima: «%2»)</numerusform>
            <numerusform>%1 righe sono state lette con il punto decimale (prima: «%2»)</numerusform>
        </translation>
    </message>
    <message>
        <source>an entry</source>
        <translation>un elemento</translation>
    </message>
    <message>
        <source>the number of entries</source>
        <translation>il numero di elementi</translation>
    </message>
    <message>
        <source>the sum</source>
        <translation>la somma</translation>
    </message>
    <message>
        <source>the sum squared</source>
        <translation>la somma al quadrato</translation>
    </message>
    <message>
        <source>the sum of squares</source>
        <translation>la somma dei quadrati</translation>
    </message>
    <message>
        <source>the mode</source>
        <translation>la moda</translation>
    </message>
    <message>
        <source>the median</source>
        <translation>la mediana</translation>
    </message>
    <message>
        <source>the mean</source>
        <translation>la media</translation>
    </message>
    <message>
        <source>the variance</source>
        <translation>la varianza</translation>
    </message>
    <message>
        <source>the skew</source>
        <translation>l&apos;asimmetria</translation>
    </message>
    <message>
        <source>the average deviation</source>
        <translation>la deviazione media assoluta</translation>
    </message>
    <message>
        <source>the standard deviation</source>
        <translation>la deviazione standard</translation>
    </message>
    <message>
        <source>the coefficient of variation</source>
        <translation>il coefficiente di variazione</translation>
    </message>
    <message>
        <source>its lines hold fields separated by &apos;%1&apos;; choose a column with --field N, or --header and --field NAME</source>
        <translation>le sue righe contengono campi separati da «%1»; scegli una colonna con --field N, oppure con --header e --field NAME</translation>
    </message>
    <message>
        <source>cannot read the folder</source>
        <translation>impossibile leggere la cartella</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines are longer than %2 bytes and are each read as their first %2 bytes</source>
        <translation>
            <numerusform>%1 riga è più lunga di %2 byte e viene letta come i suoi primi %2 byte</numerusform>
            <numerusform>%1 righe sono più lunghe di %2 byte e ognuna viene letta come i suoi primi %2 byte</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossibile scrivere %1</translation>
    </message>
    <message>
        <source>the help</source>
        <translation>la guida</translation>
    </message>
    <message>
        <source>the version</source>
        <translation>la versione</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>i risultati</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria esaurita</translation>
    </message>
    <message>
        <source>field %1</source>
        <translation>campo %1</translation>
    </message>
    <message>
        <source>the column &apos;%1&apos;</source>
        <translation>la colonna «%1»</translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the record is skipped</source>
        <translation>
            <numerusform>%1 campo, insufficiente per %2; il record viene saltato</numerusform>
            <numerusform>%1 campi, troppo pochi per %2; il record viene saltato</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation>il campo tra virgolette iniziato qui non è chiuso prima della fine del file; viene escluso</translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields skipped</source>
        <translation>
            <numerusform>%1 altro record con troppo pochi campi è stato saltato</numerusform>
            <numerusform>altri %1 record con troppo pochi campi sono stati saltati</numerusform>
        </translation>
    </message>
    <message>
        <source>the delimiter must be an ASCII character</source>
        <translation>il delimitatore deve essere un carattere ASCII</translation>
    </message>
    <message>
        <source>the delimiter must be one character</source>
        <translation>il delimitatore deve essere un solo carattere</translation>
    </message>
    <message>
        <source>the quote cannot be the delimiter</source>
        <translation>il carattere di virgolette non può essere il delimitatore</translation>
    </message>
    <message>
        <source>a line end cannot be the delimiter</source>
        <translation>un fine riga non può essere il delimitatore</translation>
    </message>
    <message>
        <source>not a number of decimal places</source>
        <translation>non è un numero di cifre decimali</translation>
    </message>
    <message>
        <source>decimal places run from %1 to %2</source>
        <translation>le cifre decimali vanno da %1 a %2</translation>
    </message>
    <message>
        <source>no table has that many columns</source>
        <translation>nessuna tabella ha così tante colonne</translation>
    </message>
    <message>
        <source>columns are numbered from 1</source>
        <translation>le colonne sono numerate a partire da 1</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a column number or name</source>
        <translation>l&apos;opzione «%1» richiede un numero o un nome di colonna</translation>
    </message>
    <message>
        <source>not a column number; a column name needs --header</source>
        <translation>non è un numero di colonna; un nome di colonna richiede --header</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Usa «%1 --help» per ulteriori informazioni.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione «%1» sconosciuta</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l&apos;opzione «%1» richiede un valore</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (use text, tsv or json)</source>
        <translation>formato «%1» sconosciuto (usa text, tsv o json)</translation>
    </message>
    <message>
        <source>%1 takes no PATH</source>
        <translation>%1 non accetta alcun PATH</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2</source>
        <translation>l&apos;opzione «%1» richiede %2</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 non accetta %2</translation>
    </message>
    <message>
        <source>it is a spreadsheet; choose a column of its first sheet with --field N, or --header and --field NAME (and --sheet for another sheet)</source>
        <translation>è un foglio di calcolo; scegliere una colonna del suo primo foglio con --field N, oppure --header e --field NAME (e --sheet per un altro foglio)</translation>
    </message>
    <message>
        <source>a workbook of the old .xls form cannot be read; save it as .xlsx or .ods</source>
        <translation>una cartella di lavoro nel vecchio formato .xls non può essere letta; salvarla come .xlsx o .ods</translation>
    </message>
    <message>
        <source>the workbook is protected by a password; save it without one</source>
        <translation>la cartella di lavoro è protetta da password; salvarla senza</translation>
    </message>
    <message>
        <source>the spreadsheet has no sheet &apos;%1&apos;</source>
        <translation>il foglio di calcolo non ha il foglio «%1»</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: it lacks %1</source>
        <translation>il foglio di calcolo è danneggiato: manca %1</translation>
    </message>
    <message>
        <source>a zip archive that holds no spreadsheet (.ods or .xlsx)</source>
        <translation>un archivio zip che non contiene alcun foglio di calcolo (.ods o .xlsx)</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged or cut short</source>
        <translation>il foglio di calcolo è danneggiato o troncato</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: %1</source>
        <translation>il foglio di calcolo è danneggiato: %1</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: sheets are numbered from 1</source>
        <translation>%1 «%2»: i fogli sono numerati da 1</translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the fields it has are read</source>
        <translation>
            <numerusform>%1 campo, troppo pochi per %2; si leggono i campi presenti</numerusform>
            <numerusform>%1 campi, troppo pochi per %2; si leggono i campi presenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields</source>
        <translation>
            <numerusform>%1 altro record con troppo pochi campi</numerusform>
            <numerusform>altri %1 record con troppo pochi campi</numerusform>
        </translation>
    </message>
    <message>
        <source>a confidence level runs from 50 to 99.9 (percent)</source>
        <translation>un livello di confidenza va da 50 a 99.9 (per cento)</translation>
    </message>
    <message>
        <source>the share trimmed from each end is at least 0 and below 0.5</source>
        <translation>la quota tolta da ciascun estremo è almeno 0 e minore di 0.5</translation>
    </message>
    <message>
        <source>percentiles run from 0 to 100</source>
        <translation>i percentili vanno da 0 a 100</translation>
    </message>
    <message>
        <source>use one of %1, or a number from 1 to 9</source>
        <translation>usare uno di %1, o un numero da 1 a 9</translation>
    </message>
    <message>
        <source> (and %1)</source>
        <extracomment>%1 is the option to add, such as --delimiter &apos;,&apos;.</extracomment>
        <translation> (e %1)</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the encoding must be one of %3</source>
        <translation>%1 «%2»: la codifica deve essere una tra %3</translation>
    </message>
</context>
<context>
    <name>Analysis</name>
    <message>
        <source>You forgot to input numbers.</source>
        <translation>Non hai inserito alcun numero.</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>Analyses a list of numbers as &quot;Start Analysis&quot; does in %1 and writes
the twelve results (with %2, further statistics after them).</source>
        <extracomment>%1 is the program&apos;s name, %2 an option. &quot;Start Analysis&quot; is the window&apos;s button. Wrap at 80 columns.</extracomment>
        <translation>Analizza un elenco di numeri come fa «Avvia analisi» in %1 e scrive i
dodici risultati (con %2, altre statistiche dopo di essi).</translation>
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
        <translation>Ogni %1 viene letto come se fosse stato rilasciato sull&apos;elenco dei numeri: un
file come file di elenco (un numero per riga, le altre righe vengono saltate),
una cartella viene percorsa e i suoi file vengono letti. «%2» è lo standard
input, letto come un file di elenco al suo posto tra i %1; senza alcun %1
viene letto lo standard input. Ciò che non può essere letto (un file, o una
cartella dell&apos;albero di un %1 che non può essere elencata) viene segnalato
sullo standard error, una riga per ciascuno: «%3: %1: motivo»;
il resto viene letto e lo stato di uscita è 1.</translation>
    </message>
    <message>
        <source>With %1, every file (and standard input) is read as a table instead:
the field of that column in each record is read as a line of a list file.
With any delimiter but the tab, fields may be quoted as in CSV (RFC 4180).
A record with too few fields is told, &apos;%2: %3: line N: ...&apos;,
and skipped. %1 cannot be given with %4.</source>
        <extracomment>%1 and %4 are options, %2 the program&apos;s name, %3 PATH; &quot;line N&quot; as the program&apos;s own message says it. Wrap at 80 columns.</extracomment>
        <translation>Con %1 ogni file (e lo standard input) viene invece letto come una tabella:
il campo di quella colonna in ogni record viene letto come una riga di un file
di elenco. Con qualsiasi delimitatore diverso dalla tabulazione, i campi possono
stare tra virgolette come in CSV (RFC 4180). Un record con troppo pochi campi
viene segnalato, «%2: %3: riga N: ...», e saltato. %1 non
può essere indicato insieme a %4.</translation>
    </message>
    <message>
        <source>each line of %1 is one entry, verbatim, as if typed
(standard input when %1 is absent or &apos;%2&apos;); no %3s</source>
        <extracomment>Options&apos; descriptions start at column 21 (column 20 in the window&apos;s help); wrap them at 80 columns. %1 is FILE, %2 the name &apos;-&apos; for standard input, %3 PATH.</extracomment>
        <translation>ogni riga di %1 è un elemento, tale e quale, come se
fosse digitato (lo standard input quando %1 manca o è
«%2»); nessun %3</translation>
    </message>
    <message>
        <source>read column %1 (from 1) of table files, or the column
whose header cell is %2 (needs %3)</source>
        <extracomment>%1 and %2 are the argument words N and NAME, %3 an option.</extracomment>
        <translation>legge la colonna %1 (a partire da 1) dei file di tabella,
oppure la colonna la cui cella di intestazione è %2
(richiede %3)</translation>
    </message>
    <message>
        <source>the character between fields (default: tab; &apos;%1&apos; for a
tab); with %2</source>
        <extracomment>%1 is a backslash and the letter t (a tab), %2 an option.</extracomment>
        <translation>il carattere tra i campi (predefinito: tabulazione; «%1»
per una tabulazione); con %2</translation>
    </message>
    <message>
        <source>the first line names the columns and is skipped;
with %1</source>
        <translation>la prima riga dà i nomi alle colonne e viene saltata;
con %1</translation>
    </message>
    <message>
        <source>sample variance and deviations (the default)</source>
        <translation>varianza e deviazioni di un campione (predefinito)</translation>
    </message>
    <message>
        <source>population variance and deviations</source>
        <translation>varianza e deviazioni della popolazione</translation>
    </message>
    <message>
        <source>decimal places, as typed in the window, at most 10
(default 3, and every digit in %1 and %2)</source>
        <extracomment>%1 and %2 are the formats tsv and json.</extracomment>
        <translation>cifre decimali, come digitate nella finestra, al massimo 10
(predefinito 3, e ogni cifra in %1 e %2)</translation>
    </message>
    <message>
        <source>show all decimals as the window does (a value its ten
decimals would show as 0 or with fewer than four
significant digits with 15); every digit in %1 and
%2 (%3 is ignored)</source>
        <extracomment>%1 and %2 are the formats tsv and json, %3 an option.</extracomment>
        <translation>mostra tutti i decimali come fa la finestra (un valore che
con i suoi dieci decimali apparirebbe come 0 o con meno di
quattro cifre significative viene mostrato con 15); ogni
cifra in %1 e %2 (%3 viene ignorato)</translation>
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
        <translation>%1: le righe come le mostra la finestra (predefinito);
%2: una riga «chiave&lt;TAB&gt;valore» per ogni risultato;
%3: un oggetto con tutti i risultati;
%2 e %3 scrivono «.» come separatore decimale e ogni
cifra di ciascun valore (il testo più breve che, riletto,
dà lo stesso double), salvo se è indicato %4</translation>
    </message>
    <message>
        <source>the time taken to read and for each row, on standard error</source>
        <translation>il tempo impiegato per la lettura e per ciascuna riga,
sullo standard error</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostra questa guida ed esce</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostra la versione ed esce</translation>
    </message>
    <message>
        <source>end of the options: every argument after it is a %1</source>
        <extracomment>%1 is PATH.</extracomment>
        <translation>fine delle opzioni: ogni argomento successivo è un %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>%1 and %2 are accepted
too. The keys of %3 and %4: %5, and with %6 %7 (the last two not with %8);
see %9.</source>
        <extracomment>%1 and %2 are options, %3 and %4 format names, %6 and %8 options, %9 the manual page. %5 and %7 are the lists of keys, three lines each as in English: start a line before them when they do not fit. Wrap at 80 columns.</extracomment>
        <translation>%1 e %2 sono accettati
anche. Le chiavi di %3 e %4:
%5, e con %6 %7 (gli ultimi due non con %8);
vedi %9.</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Stato di uscita:</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>An exit status&apos;s description: it starts at column 6; wrap at 80 columns.</extracomment>
        <translation>completato</translation>
    </message>
    <message>
        <source>no numbers, a path that could not be read, or the output failed
(also a quoted field left open at the end of a table, and with %1
a record with too few fields; the results are still written);
out of memory (&apos;%2: %3&apos;, and no results)</source>
        <extracomment>Starts at column 6; wrap at 80 columns. %1 is an option, %2 the program&apos;s name, %3 its message when out of memory.</extracomment>
        <translation>nessun numero, un percorso che non è stato possibile leggere, o la
scrittura dell&apos;output non è riuscita (anche un campo tra virgolette
rimasto aperto alla fine di una tabella e, con %1, un record con
troppo pochi campi; i risultati vengono comunque scritti);
memoria esaurita («%2: %3», senza risultati)</translation>
    </message>
    <message>
        <source>usage error</source>
        <translation>errore di utilizzo</translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation>Una calcolatrice da desktop per le statistiche descrittive.</translation>
    </message>
    <message>
        <source>Each %1 is read when the window has opened, in order, exactly as if it had been
dropped on the number list: a file as a list file (one number per line), a folder
with every list file in it and in its sub-folders.</source>
        <extracomment>%1 is PATH, as in the usage line. Wrap the lines at 80 columns.</extracomment>
        <translation>Ogni %1 viene letto quando la finestra si è aperta, in ordine, esattamente
come se fosse stato rilasciato sull&apos;elenco dei numeri: un file come file di
elenco (un numero per riga), una cartella con ogni file di elenco che contiene,
anche nelle sue sottocartelle.</translation>
    </message>
    <message>
        <source>end of the options: every later argument is a %1</source>
        <extracomment>Starts at column 20 as the other options&apos; descriptions do; wrap at 80 columns. %1 is PATH.</extracomment>
        <translation>fine delle opzioni: ogni argomento successivo è un %1</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as %1 or %2, are taken as well.
The method and decimal options are kept in %3
(%4 by default). See %5 and
%6 for the analysis without a window.</source>
        <extracomment>%1 and %2 are Qt&apos;s options, %3 and %4 the settings file, %5 and %6 the manual pages. Wrap the lines at 80 columns.</extracomment>
        <translation>Sono accettate anche le opzioni proprie di Qt, come %1 o
%2. Il metodo e le opzioni decimali sono conservati in
%3 (%4 per impostazione
predefinita). Vedi %5 e %6 per l&apos;analisi senza
finestra.</translation>
    </message>
    <message>
        <source>With several columns (%1 with commas, %2) or with %3,
each column and group is analysed on its own: text writes a block for each,
headed by its name (&apos;weight&apos;, &apos;field 2&apos;, &apos;weight: A&apos;), tsv a line per key with
a value for each, json an array of objects {&quot;column&quot;, &quot;group&quot;, keys...}. One
of no numbers says so in its place, and the exit status is 1.</source>
        <extracomment>%1 to %3 are options. Wrap at 80 columns.</extracomment>
        <translation>Con più colonne (%1 con virgole, %2) o con %3,
ogni colonna e gruppo viene analizzato a sé: text scrive un blocco per
ciascuno, intitolato con il suo nome («weight», «campo 2», «weight: A»), tsv
una riga per chiave con un valore per ciascuno, json un array di oggetti
{&quot;column&quot;, &quot;group&quot;, chiavi...}. Uno senza numeri lo dice al suo posto, e lo
stato di uscita è 1.</translation>
    </message>
    <message>
        <source>several columns, each analysed on its own
(%1 or %2, or the option given again);
a comma and a space belong to a name</source>
        <extracomment>%1 and %2 are examples of the option&apos;s value, kept as they are.</extracomment>
        <translation>più colonne, ciascuna analizzata a sé
(%1 o %2, o l&apos;opzione ripetuta);
una virgola seguita da uno spazio fa parte di un nome</translation>
    </message>
    <message>
        <source>every column that holds a number, each on its own
(but the column of %1)</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>ogni colonna che contiene un numero, ciascuna a sé
(tranne la colonna di %1)</translation>
    </message>
    <message>
        <source>analyse each column&apos;s records by groups: one group
per text of column %1 (a number, or a name with %2),
in the order first met; with %3 or %4</source>
        <extracomment>%1 is the argument word COL, %2 to %4 options.</extracomment>
        <translation>analizzare i record di ogni colonna per gruppi: un
gruppo per ogni testo della colonna %1 (un numero, o un
nome con %2), nell&apos;ordine in cui compaiono;
con %3 o %4</translation>
    </message>
    <message>
        <source>the sheet of spreadsheets (.ods, .xlsx) to read: its
number %1 from 1 or its name (default: the first);
with %2</source>
        <extracomment>%1 is the argument word N, %2 an option.</extracomment>
        <translation>il foglio dei fogli di calcolo (.ods, .xlsx) da leggere:
il suo numero %1 da 1 o il suo nome (predefinito: il
primo); con %2</translation>
    </message>
    <message>
        <source>with %1: exit status 1 when a record had too few
fields for a column (or for that of %2); with
several columns, such records are told only then,
and the fields they have are read</source>
        <extracomment>%1 and %2 are options.</extracomment>
        <translation>con %1: stato di uscita 1 se un record aveva troppo
pochi campi per una colonna (o per quella di %2);
con più colonne, tali record vengono segnalati solo
allora, e i loro campi presenti vengono letti</translation>
    </message>
    <message>
        <source>after the twelve rows: the minimum, maximum, range,
quartiles, interquartile range, kurtosis, standard
error of the mean and (sample only) the mean&apos;s 95 %
confidence interval, rounded as the mean is; then the
geometric, harmonic and trimmed mean, the median
absolute deviation (raw and times 1.4826) and the
median&apos;s confidence interval with its actual coverage</source>
        <translation>dopo le dodici righe: il minimo, il massimo, il campo
di variazione, i quartili, lo scarto interquartile, la
curtosi, l&apos;errore standard della media e (solo per un
campione) l&apos;intervallo di confidenza al 95 % della
media, arrotondati come la media; poi la media
geometrica, armonica e troncata, la deviazione assoluta
mediana (grezza e per 1,4826) e l&apos;intervallo di
confidenza della mediana con la sua copertura effettiva</translation>
    </message>
    <message>
        <source>the level of both confidence intervals, in percent,
from 50 to 99.9 (default 95); with %1</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>il livello di entrambi gli intervalli di confidenza,
in percentuale, da 50 a 99.9 (predefinito 95); con %1</translation>
    </message>
    <message>
        <source>the share the trimmed mean cuts from each end, at
least 0 and below 0.5 (default 0.05); with %1</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>la quota che la media troncata toglie da ogni estremo,
almeno 0 e meno di 0.5 (predefinito 0.05); con %1</translation>
    </message>
    <message>
        <source>a row for each percentile from 0 to 100 (%1, or
%2), by the method of %3</source>
        <extracomment>%1 and %2 are examples of the option&apos;s value, kept as they are; %3 an option.</extracomment>
        <translation>una riga per ogni percentile da 0 a 100 (%1, o
%2), con il metodo di %3</translation>
    </message>
    <message>
        <source>how percentiles and quartiles are placed: R&apos;s type
1 to 9, or its name (%1, the default, is type 7;
%2 is type 6); a row names the method</source>
        <extracomment>%1 and %2 are method names, kept as they are.</extracomment>
        <translation>come si collocano percentili e quartili: il tipo da
1 a 9 di R, o il suo nome (%1, il predefinito, è il
tipo 7; %2 è il tipo 6); una riga indica il metodo</translation>
    </message>
    <message>
        <source>Shapiro-Wilk&apos;s W (3 to 5000 numbers) and D&apos;Agostino
and Pearson&apos;s K², each with its p-value and a plain
reading at the 5 % level</source>
        <translation>la W di Shapiro-Wilk (da 3 a 5000 numeri) e la K² di
D&apos;Agostino e Pearson, ciascuna con il suo p-value e una
lettura semplice al livello del 5 %</translation>
    </message>
    <message>
        <source>after the rows, how many numbers there are of each
value (up to 50 values) or in each bin of a
histogram, in percent and cumulated</source>
        <translation>dopo le righe, quanti numeri ci sono per ogni valore
(fino a 50 valori) o in ogni classe di un istogramma,
in percentuale e cumulati</translation>
    </message>
    <message>
        <source>After them, with %1: %2;
with %3: %4;
with %5: %6;
with %7: %8.
At a level other than 95 %, ci95_low and ci95_high are ciLEVEL_low and
ciLEVEL_high.</source>
        <extracomment>%1, %3, %5 and %7 are options, %2, %4, %6 and %8 lists of keys (LEVEL and P stand for the figures given, as in ci90_low and p97.5). Wrap at 80 columns.</extracomment>
        <translation>Dopo di esse, con %1: %2;
con %3: %4;
con %5: %6;
con %7: %8.
A un livello diverso dal 95 %, ci95_low e ci95_high diventano ciLEVEL_low e
ciLEVEL_high.</translation>
    </message>
    <message>
        <source>the encoding of delimited text: %1,
%2 or %3
(default: each file&apos;s by its first bytes, as the
window&apos;s table dialog chooses it); with %4</source>
        <extracomment>%1 to %3 are the encodings&apos; names, %4 an option.</extracomment>
        <translation>la codifica del testo delimitato: %1,
%2 o %3
(predefinita: quella di ogni file dai suoi primi byte,
come la sceglie la finestra delle tabelle); con %4</translation>
    </message>
</context>
<context>
    <name>ComparePicture</name>
    <message>
        <source>no numbers</source>
        <translation>nessun numero</translation>
    </message>
    <message>
        <source>No list has numbers.</source>
        <translation>Nessun elenco contiene numeri.</translation>
    </message>
    <message>
        <source>Box plots on one axis.</source>
        <translation>Diagrammi a scatola su un unico asse.</translation>
    </message>
    <message>
        <source>Histograms and box plots over one span.</source>
        <translation>Istogrammi e diagrammi a scatola su un unico intervallo.</translation>
    </message>
    <message>
        <source>%1: no numbers.</source>
        <translation>%1: nessun numero.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, first quartile %4, median %5, third quartile %6.</source>
        <translation>%1: da %2 a %3, primo quartile %4, mediana %5, terzo quartile %6.</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Confronto</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Box plots</source>
        <translation>Diagrammi a scatola</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>Compare — Tallowmere</source>
        <translation>Confronta — Tallowmere</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Cartella di lavoro Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>The number list is busy. Send the numbers again when the work in hand has finished.</source>
        <translation>L&apos;elenco dei numeri è occupato. Invia di nuovo i numeri quando il lavoro in corso sarà terminato.</translation>
    </message>
</context>
<context>
    <name>CompareWorkbook</name>
    <message>
        <source>the workbook could not be made</source>
        <translation>impossibile creare la cartella di lavoro</translation>
    </message>
    <message>
        <source>this build cannot write workbook files</source>
        <translation>questa versione non può scrivere cartelle di lavoro</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Application Error</source>
        <translation>Errore dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.ods *.xlsx)</source>
        <translation>Tabelle (*.csv *.tsv *.ods *.xlsx)</translation>
    </message>
</context>
<context>
    <name>DistributionLink</name>
    <message>
        <source>No analysis has been run yet. Run one now and show the distribution of its numbers?</source>
        <translation>Non è ancora stata eseguita alcuna analisi. Eseguirne una ora e mostrare la distribuzione dei suoi numeri?</translation>
    </message>
</context>
<context>
    <name>DistributionPicture</name>
    <message>
        <source>No numbers analysed yet.</source>
        <translation>Nessun numero ancora analizzato.</translation>
    </message>
    <message>
        <source>%1 beyond</source>
        <translation>%1 oltre</translation>
    </message>
    <message>
        <source>Numbers per bin (%1 bins)</source>
        <translation>Numeri per classe (%1 classi)</translation>
    </message>
    <message>
        <source>Normal curve</source>
        <translation>Curva normale</translation>
    </message>
    <message>
        <source>Mean %1</source>
        <translation>Media %1</translation>
    </message>
    <message>
        <source>Median %1</source>
        <translation>Mediana %1</translation>
    </message>
    <message numerus="yes">
        <source>Histogram and box plot of %1 numbers from %2 to %3; first quartile %4, median %5, third quartile %6.</source>
        <translation>
            <numerusform>Istogramma e diagramma a scatola di %1 numero da %2 a %3; primo quartile %4, mediana %5, terzo quartile %6.</numerusform>
            <numerusform>Istogramma e diagramma a scatola di %1 numeri da %2 a %3; primo quartile %4, mediana %5, terzo quartile %6.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %1 values lie beyond the whiskers.</source>
        <translation>
            <numerusform> %1 valore si trova oltre i baffi.</numerusform>
            <numerusform> %1 valori si trovano oltre i baffi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Distribuzione</translation>
    </message>
    <message>
        <source>the drawing failed</source>
        <translation>il disegno non è riuscito</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>l&apos;immagine non può essere codificata</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Conteggio</translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers</source>
        <translation>
            <numerusform>%1 numero</numerusform>
            <numerusform>%1 numeri</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>da %1 a %2: %3</translation>
    </message>
    <message numerus="yes">
        <source> %1 bins: </source>
        <translation>
            <numerusform> %1 classe: </numerusform>
            <numerusform> %1 classi: </numerusform>
        </translation>
    </message>
    <message>
        <source>the fullest %1.</source>
        <translation>la più piena, %1.</translation>
    </message>
    <message>
        <source> The histogram leaves them out.</source>
        <translation> L&apos;istogramma li esclude.</translation>
    </message>
</context>
<context>
    <name>DistributionRows</name>
    <message>
        <source>%1st percentile</source>
        <translation>%1° percentile</translation>
    </message>
    <message>
        <source>%1nd percentile</source>
        <translation>%1° percentile</translation>
    </message>
    <message>
        <source>%1rd percentile</source>
        <translation>%1° percentile</translation>
    </message>
    <message>
        <source>%1th percentile</source>
        <translation>%1° percentile</translation>
    </message>
    <message>
        <source>%1 % confidence interval, low</source>
        <translation>Intervallo di confidenza al %1%, estremo inferiore</translation>
    </message>
    <message>
        <source>%1 % confidence interval, high</source>
        <translation>Intervallo di confidenza al %1%, estremo superiore</translation>
    </message>
    <message>
        <source>Geometric mean</source>
        <translation>Media geometrica</translation>
    </message>
    <message>
        <source>Harmonic mean</source>
        <translation>Media armonica</translation>
    </message>
    <message>
        <source>%1 % trimmed mean</source>
        <translation>Media troncata al %1%</translation>
    </message>
    <message>
        <source>Median absolute deviation</source>
        <translation>Deviazione assoluta mediana</translation>
    </message>
    <message>
        <source>Scaled median absolute deviation</source>
        <translation>Deviazione assoluta mediana scalata</translation>
    </message>
    <message>
        <source>Median&apos;s %1 % confidence interval, low</source>
        <translation>Intervallo di confidenza al %1% della mediana, estremo inferiore</translation>
    </message>
    <message>
        <source>Median&apos;s %1 % confidence interval, high</source>
        <translation>Intervallo di confidenza al %1% della mediana, estremo superiore</translation>
    </message>
    <message>
        <source>Median interval&apos;s actual coverage</source>
        <translation>Copertura effettiva dell&apos;intervallo della mediana</translation>
    </message>
    <message>
        <source>Quantile method</source>
        <translation>Metodo dei quantili</translation>
    </message>
</context>
<context>
    <name>DistributionSheet</name>
    <message numerus="yes">
        <source>Distribution of %1 numbers</source>
        <translation>
            <numerusform>Distribuzione di %1 numero</numerusform>
            <numerusform>Distribuzione di %1 numeri</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DistributionSource</name>
    <message>
        <source>Count</source>
        <translation>Conteggio</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Deviazione standard</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimo</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Campo di variazione</translation>
    </message>
    <message>
        <source>First quartile</source>
        <translation>Primo quartile</translation>
    </message>
    <message>
        <source>Third quartile</source>
        <translation>Terzo quartile</translation>
    </message>
    <message>
        <source>Interquartile range</source>
        <translation>Scarto interquartile</translation>
    </message>
    <message>
        <source>Kurtosis</source>
        <translation>Curtosi</translation>
    </message>
    <message>
        <source>Standard error of the mean</source>
        <translation>Errore standard della media</translation>
    </message>
    <message>
        <source>95 % confidence interval, low</source>
        <translation>Intervallo di confidenza al 95%, estremo inferiore</translation>
    </message>
    <message>
        <source>95 % confidence interval, high</source>
        <translation>Intervallo di confidenza al 95%, estremo superiore</translation>
    </message>
</context>
<context>
    <name>DistributionWindow</name>
    <message>
        <source>Distribution picture</source>
        <translation>Immagine della distribuzione</translation>
    </message>
    <message>
        <source>Distribution — Tallowmere</source>
        <translation>Distribuzione — Tallowmere</translation>
    </message>
    <message>
        <source>The number list has changed since this analysis. Press Start Analysis to show it as it is now.</source>
        <translation>L&apos;elenco dei numeri è cambiato dopo questa analisi. Premi Avvia analisi per mostrarlo com&apos;è ora.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Immagine SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>DropFiles</name>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
</context>
<context>
    <name>DropProgress</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 file</numerusform>
            <numerusform>%1 file</numerusform>
        </translation>
    </message>
    <message>
        <source>Collecting folders: %1</source>
        <translation>Raccolta delle cartelle: %1</translation>
    </message>
    <message>
        <source>Collecting files: %1</source>
        <translation>Raccolta dei file: %1</translation>
    </message>
    <message>
        <source>Reading files: %1 of %2</source>
        <translation>Lettura dei file: %1 di %2</translation>
    </message>
    <message>
        <source>Reading the text: %1%</source>
        <translation>Lettura del testo: %1%</translation>
    </message>
    <message>
        <source>%1 — Esc to stop</source>
        <translation>%1 — Esc per interrompere</translation>
    </message>
    <message>
        <source>part-way through file %1 of %2</source>
        <translation>durante il file %1 di %2</translation>
    </message>
    <message>
        <source>after %1 of %2</source>
        <translation>dopo %1 di %2</translation>
    </message>
    <message>
        <source>Loading was stopped %1.</source>
        <translation>Il caricamento è stato interrotto %1.</translation>
    </message>
    <message>
        <source>The drop was stopped %1.</source>
        <translation>Il rilascio è stato interrotto %1.</translation>
    </message>
    <message>
        <source>no files were read</source>
        <translation>nessun file è stato letto</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were read</source>
        <translation>
            <numerusform>%1 file è stato letto</numerusform>
            <numerusform>%1 file sono stati letti</numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped while collecting folders; %1.</source>
        <translation>Il rilascio è stato interrotto durante la raccolta delle cartelle; %1.</translation>
    </message>
    <message>
        <source>The drop was stopped while collecting files; %1.</source>
        <translation>Il rilascio è stato interrotto durante la raccolta dei file; %1.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Invia per email una schermata di questo messaggio a </translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Results have been copied to the clipboard.<byte value="xd"/><byte value="xd"/>Click a text area where you normally type and press Ctrl+V to paste the clipboard.</source>
        <translation>I risultati sono stati copiati negli appunti.<byte value="xd"/><byte value="xd"/>Fai clic in un’area di testo in cui scrivi di solito e premi Ctrl+V per incollare il contenuto degli appunti.</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this software without error.</source>
        <translation>Excel non è installato su questo computer. Per usare questo software senza errori è necessario installarlo.</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this feature.</source>
        <translation>Excel non è installato su questo computer. Per usare questa funzione è necessario installarlo.</translation>
    </message>
    <message>
        <source>No result lines are ticked. Tick the lines to export, or press Ctrl+A in the results list to tick them all.</source>
        <translation>Nessuna riga dei risultati è spuntata. Spunta le righe da esportare, oppure premi Ctrl+A nell&apos;elenco dei risultati per spuntarle tutte.</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>The file changed while it was read</source>
        <translation>Il file è cambiato durante la lettura</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Paste Numbers</source>
        <translation>Incolla numeri</translation>
    </message>
    <message>
        <source>1 folder could not be read and was left out: %1 (%2).</source>
        <translation>Impossibile leggere 1 cartella, che è stata esclusa: %1 (%2).</translation>
    </message>
    <message>
        <source>The clipboard could not be read: the program that holds it did not answer.</source>
        <translation>Impossibile leggere gli appunti: il programma che li detiene non ha risposto.</translation>
    </message>
    <message>
        <source>Number list</source>
        <translation>Elenco dei numeri</translation>
    </message>
    <message>
        <source>Add Number / Numbers</source>
        <translation>Aggiungi numero / numeri</translation>
    </message>
    <message>
        <source>Load Numbers From File</source>
        <translation>Carica numeri da file</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Svuota elenco</translation>
    </message>
    <message>
        <source>Clear number list</source>
        <translation>Svuota l&apos;elenco dei numeri</translation>
    </message>
    <message>
        <source>Load Sample/Example Numbers</source>
        <translation>Carica numeri di esempio</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metodo</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Campione</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Popolazione</translation>
    </message>
    <message>
        <source>Decimal Options</source>
        <translation>Opzioni decimali</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>Decimali:</translation>
    </message>
    <message>
        <source>Decimal places</source>
        <translation>Cifre decimali</translation>
    </message>
    <message>
        <source>Decimals shown in the results: pick 1 to 10, step with Up and Down, or type a number.</source>
        <translation>Decimali mostrati nei risultati: scegli da 1 a 10, cambia il valore con i tasti Up e Down o digita un numero.</translation>
    </message>
    <message>
        <source>Show all decimals</source>
        <translation>Tutti i decimali</translation>
    </message>
    <message>
        <source>Start Analysis</source>
        <translation>Avvia analisi</translation>
    </message>
    <message>
        <source>Results list</source>
        <translation>Elenco dei risultati</translation>
    </message>
    <message>
        <source>Save Results As Text File</source>
        <translation>Salva risultati come testo</translation>
    </message>
    <message>
        <source>Save Results As Excel File</source>
        <translation>Salva risultati come Excel</translation>
    </message>
    <message>
        <source>Copy Results To Clipboard</source>
        <translation>Copia negli appunti</translation>
    </message>
    <message>
        <source>Clear results list</source>
        <translation>Svuota l&apos;elenco dei risultati</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Trascina qui i file. Fai doppio clic su un elemento per rimuoverlo. Sposta la linea | verso destra e fuori dalla finestra per vedere i nomi completi.</translation>
    </message>
    <message>
        <source>Tick the results to save or copy: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Move | line to right to read long lines. “Show Distribution…” in the context menu, or Ctrl+D, pictures the numbers.</source>
        <translation>Spunta i risultati da salvare o copiare: Space spunta la riga corrente, Ctrl+A le spunta tutte, Ctrl+Shift+A nessuna. Sposta la linea | verso destra per leggere le righe lunghe. «Mostra distribuzione…» nel menu contestuale, o Ctrl+D, rappresenta graficamente i numeri.</translation>
    </message>
    <message>
        <source>The numbers to analyse. Delete or a double-click removes the selected number; files dropped here add theirs, and so does text dropped or pasted (Ctrl+V).</source>
        <translation>I numeri da analizzare. Delete o un doppio clic rimuove il numero selezionato; i file rilasciati qui aggiungono i propri numeri, così come il testo rilasciato o incollato (Ctrl+V).</translation>
    </message>
    <message numerus="yes">
        <source>Restore the %1 numbers from last time</source>
        <translation>
            <numerusform>Ripristina il %1 numero dell&apos;ultima volta</numerusform>
            <numerusform>Ripristina i %1 numeri dell&apos;ultima volta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %1 numbers from last time were not kept: the list was over 100 MB</source>
        <translation>
            <numerusform>Il %1 numero dell&apos;ultima volta non è stato conservato: l&apos;elenco superava i 100 MB</numerusform>
            <numerusform>I %1 numeri dell&apos;ultima volta non sono stati conservati: l&apos;elenco superava i 100 MB</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Table…</source>
        <translation>Apri tabella…</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation>il campo tra virgolette iniziato qui non è chiuso prima della fine del file; viene escluso</translation>
    </message>
    <message>
        <source>the dropped table</source>
        <translation>Tabella trascinata</translation>
    </message>
    <message>
        <source>the pasted table</source>
        <translation>Tabella incollata</translation>
    </message>
</context>
<context>
    <name>Frequencies</name>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Conteggio</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Percentuale</translation>
    </message>
    <message>
        <source>Cumulative count</source>
        <translation>Conteggio cumulato</translation>
    </message>
    <message>
        <source>Cumulative percent</source>
        <translation>Percentuale cumulata</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Frequencies:</source>
        <translation>Frequenze:</translation>
    </message>
</context>
<context>
    <name>FrequencyModel</name>
    <message>
        <source>From</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcuts</name>
    <message>
        <source>Main window</source>
        <translation>Finestra principale</translation>
    </message>
    <message>
        <source>Number list</source>
        <translation>Elenco dei numeri</translation>
    </message>
    <message>
        <source>Results list</source>
        <translation>Elenco dei risultati</translation>
    </message>
    <message>
        <source>Distribution window</source>
        <translation>Finestra della distribuzione</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Open the manual</source>
        <translation>Apri il manuale</translation>
    </message>
    <message>
        <source>Save Numbers…</source>
        <translation>Salva numeri…</translation>
    </message>
    <message>
        <source>Show Distribution…</source>
        <translation>Mostra distribuzione…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Open the menu or press the button with that letter</source>
        <translation>Apri il menu o premi il pulsante con quella lettera</translation>
    </message>
    <message>
        <source>Move to the next or the previous control</source>
        <translation>Passa al controllo successivo o precedente</translation>
    </message>
    <message>
        <source>Press the focused button</source>
        <translation>Premi il pulsante attivo</translation>
    </message>
    <message>
        <source>Stop reading dropped, loaded or pasted files</source>
        <translation>Interrompi la lettura dei file rilasciati, caricati o incollati</translation>
    </message>
    <message>
        <source>Paste Numbers</source>
        <translation>Incolla numeri</translation>
    </message>
    <message>
        <source>Copy Numbers: the selected entries, or all</source>
        <translation>Copia numeri: gli elementi selezionati, o tutti</translation>
    </message>
    <message>
        <source>Remove the selected entry</source>
        <translation>Rimuovi l&apos;elemento selezionato</translation>
    </message>
    <message>
        <source>Undo the last change of the list</source>
        <translation>Annulla l&apos;ultima modifica dell&apos;elenco</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Open the context menu</source>
        <translation>Apri il menu contestuale</translation>
    </message>
    <message>
        <source>Tick or untick the current row</source>
        <translation>Spunta o togli la spunta alla riga corrente</translation>
    </message>
    <message>
        <source>Tick every row</source>
        <translation>Spunta tutte le righe</translation>
    </message>
    <message>
        <source>Untick every row</source>
        <translation>Togli la spunta a tutte le righe</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copia immagine</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Salva immagine…</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Chiudi la finestra</translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation>Cerca nel manuale</translation>
    </message>
    <message>
        <source>Find the next match</source>
        <translation>Trova la corrispondenza successiva</translation>
    </message>
    <message>
        <source>Find the previous match</source>
        <translation>Trova la corrispondenza precedente</translation>
    </message>
    <message>
        <source>Back and Forward</source>
        <translation>Indietro e Avanti</translation>
    </message>
    <message>
        <source>Close the manual</source>
        <translation>Chiudi il manuale</translation>
    </message>
    <message>
        <source>underlined letter</source>
        <translation>lettera sottolineata</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dove</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Cosa fa</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts — Tallowmere</source>
        <translation>Scorciatoie da tastiera — Tallowmere</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>Add Numbers</source>
        <translation>Aggiunta di numeri</translation>
    </message>
    <message>
        <source>Load Numbers</source>
        <translation>Caricamento di numeri</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Rilascio</translation>
    </message>
    <message>
        <source>Sample Numbers</source>
        <translation>Numeri di esempio</translation>
    </message>
    <message>
        <source>Move Entry</source>
        <translation>Spostamento elemento</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>Rimozione elemento</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Svuotamento elenco</translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation>Rimozione degli elementi non numerici</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Restore Numbers</source>
        <translation>Ripristino dei numeri</translation>
    </message>
    <message>
        <source>Open Table</source>
        <translation>Apertura tabella</translation>
    </message>
    <message>
        <source>Send to Number List</source>
        <translation>Invio all&apos;elenco dei numeri</translation>
    </message>
</context>
<context>
    <name>ListNotice</name>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
</context>
<context>
    <name>LoadFilesCommand</name>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Carica elenchi - Tieni premuto Ctrl per selezionare più file di elenco</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Load Numbers From File</source>
        <translation>&amp;Carica numeri da file</translation>
    </message>
    <message>
        <source>Save &amp;Numbers…</source>
        <translation>&amp;Salva numeri…</translation>
    </message>
    <message>
        <source>Save Results As &amp;Text File</source>
        <translation>Salva risultati come &amp;testo</translation>
    </message>
    <message>
        <source>Save Results As &amp;Excel File</source>
        <translation>Salva risultati come E&amp;xcel</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Paste Numbers</source>
        <translation>&amp;Incolla numeri</translation>
    </message>
    <message>
        <source>C&amp;opy Numbers</source>
        <translation>&amp;Copia numeri</translation>
    </message>
    <message>
        <source>Copy Results To &amp;Clipboard</source>
        <translation>Copia risultati negli a&amp;ppunti</translation>
    </message>
    <message>
        <source>Copy as T&amp;able</source>
        <translation>Copia come &amp;tabella</translation>
    </message>
    <message>
        <source>Remove Entries That Are &amp;Not Numbers</source>
        <translation>Rimuovi gli elementi &amp;non numerici</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>&amp;Svuota elenco</translation>
    </message>
    <message>
        <source>Clear Re&amp;sults</source>
        <translation>Svuota ris&amp;ultati</translation>
    </message>
    <message>
        <source>Res&amp;tore Numbers From Last Time</source>
        <translation>Ripristina i numeri &amp;dell&apos;ultima volta</translation>
    </message>
    <message>
        <source>&amp;Start Analysis</source>
        <translation>&amp;Avvia analisi</translation>
    </message>
    <message>
        <source>Sa&amp;mple</source>
        <translation>&amp;Campione</translation>
    </message>
    <message>
        <source>&amp;Population</source>
        <translation>&amp;Popolazione</translation>
    </message>
    <message>
        <source>Show all de&amp;cimals</source>
        <translation>&amp;Tutti i decimali</translation>
    </message>
    <message>
        <source>Show &amp;Distribution…</source>
        <translation>Mostra &amp;distribuzione…</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuale</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>&amp;About Tallowmere</source>
        <translation>&amp;Informazioni su Tallowmere</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>A&amp;nalisi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>The window</source>
        <translation>La finestra</translation>
    </message>
    <message>
        <source>Tallowmere collects numbers in a list and computes twelve descriptive statistics of them: the number of entries, the sum, the sum squared, the sum of squares, the mode, the median, the mean, the variance, the skew, the average deviation, the standard deviation and the coefficient of variation.</source>
        <translation>Tallowmere raccoglie numeri in un elenco e ne calcola dodici statistiche descrittive: il numero di elementi, la somma, la somma al quadrato, la somma dei quadrati, la moda, la mediana, la media, la varianza, l&apos;asimmetria, la deviazione media assoluta, la deviazione standard e il coefficiente di variazione.</translation>
    </message>
    <message>
        <source>The window after Load Sample/Example Numbers and Start Analysis</source>
        <translation>La finestra dopo Carica numeri di esempio e Avvia analisi</translation>
    </message>
    <message>
        <source>The number list is at the top, the results list below it. From top to bottom:</source>
        <translation>L&apos;elenco dei numeri è in alto, l&apos;elenco dei risultati sotto di esso. Dall&apos;alto verso il basso:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Number / Numbers&lt;/b&gt; asks for one number or a series separated by commas.</source>
        <translation>&lt;b&gt;Aggiungi numero / numeri&lt;/b&gt; chiede un numero o una serie di numeri separati da virgole.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Numbers From File&lt;/b&gt; reads one or several list files.</source>
        <translation>&lt;b&gt;Carica numeri da file&lt;/b&gt; legge uno o più file di elenco.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear List&lt;/b&gt; beside it empties the number list.</source>
        <translation>&lt;b&gt;Svuota elenco&lt;/b&gt;, accanto, svuota l&apos;elenco dei numeri.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed sample series.</source>
        <translation>&lt;b&gt;Carica numeri di esempio&lt;/b&gt; aggiunge una serie di esempio fissa.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sample&lt;/b&gt; and &lt;b&gt;Population&lt;/b&gt; choose how the variance is computed.</source>
        <translation>&lt;b&gt;Campione&lt;/b&gt; e &lt;b&gt;Popolazione&lt;/b&gt; scelgono come viene calcolata la varianza.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Decimal places&lt;/b&gt; and &lt;b&gt;Show all decimals&lt;/b&gt; choose how the last six results are rounded.</source>
        <translation>&lt;b&gt;Decimali&lt;/b&gt; e &lt;b&gt;Tutti i decimali&lt;/b&gt; scelgono come vengono arrotondati gli ultimi sei risultati.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; fills the results list.</source>
        <translation>&lt;b&gt;Avvia analisi&lt;/b&gt; riempie l&apos;elenco dei risultati.</translation>
    </message>
    <message>
        <source>The four buttons at the bottom export the ticked results, and the last &lt;b&gt;Clear List&lt;/b&gt; empties the results list.</source>
        <translation>I quattro pulsanti in basso esportano i risultati spuntati, e l&apos;ultimo, &lt;b&gt;Svuota elenco&lt;/b&gt;, svuota l&apos;elenco dei risultati.</translation>
    </message>
    <message>
        <source>Filling the number list</source>
        <translation>Riempire l&apos;elenco dei numeri</translation>
    </message>
    <message>
        <source>Typing: press &lt;b&gt;Add Number / Numbers&lt;/b&gt; and type a number, or several separated by commas.</source>
        <translation>Digitazione: premi &lt;b&gt;Aggiungi numero / numeri&lt;/b&gt; e digita un numero, o più numeri separati da virgole.</translation>
    </message>
    <message>
        <source>Files: &lt;b&gt;Load Numbers From File&lt;/b&gt; reads list files, plain text with one number per line; lines that are not numbers are skipped.</source>
        <translation>File: &lt;b&gt;Carica numeri da file&lt;/b&gt; legge file di elenco, cioè testo semplice con un numero per riga; le righe che non sono numeri vengono saltate.</translation>
    </message>
    <message>
        <source>Drops: drop list files, or folders whose list files are all read, on the number list. Esc stops a long drop.</source>
        <translation>Rilascio: rilascia sull&apos;elenco dei numeri dei file di elenco, o delle cartelle di cui vengono letti tutti i file di elenco. Esc interrompe un rilascio lungo.</translation>
    </message>
    <message>
        <source>Paste: Ctrl+V, Shift+Insert or &lt;b&gt;Paste Numbers&lt;/b&gt; add the numbers of the clipboard, such as a column or a block of cells copied from a spreadsheet.</source>
        <translation>Incolla: Ctrl+V, Shift+Insert o &lt;b&gt;Incolla numeri&lt;/b&gt; aggiungono i numeri presenti negli appunti, come una colonna o un blocco di celle copiati da un foglio di calcolo.</translation>
    </message>
    <message>
        <source>Sample: &lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed series to try the program with.</source>
        <translation>Esempio: &lt;b&gt;Carica numeri di esempio&lt;/b&gt; aggiunge una serie fissa con cui provare il programma.</translation>
    </message>
    <message>
        <source>A number is written with the decimal and grouping separators of your regional format, or as a plain number with a point, which every format reads.</source>
        <translation>Un numero si scrive con i separatori decimali e delle migliaia del tuo formato regionale, oppure come numero semplice con il punto, che ogni formato è in grado di leggere.</translation>
    </message>
    <message>
        <source>After each addition a short notice over the bottom of the list says how many numbers were added and how many lines were not numbers.</source>
        <translation>Dopo ogni aggiunta un breve avviso nella parte inferiore dell&apos;elenco indica quanti numeri sono stati aggiunti e quante righe non erano numeri.</translation>
    </message>
    <message>
        <source>Double-click an entry to remove it, or select it and press Delete; drag an entry onto another to swap them. Ctrl+Z undoes the last change of the list and Ctrl+Shift+Z or Ctrl+Y does it again; the last 100 changes can be undone.</source>
        <translation>Fai doppio clic su un elemento per rimuoverlo, oppure selezionalo e premi Delete; trascina un elemento su un altro per scambiarli. Ctrl+Z annulla l&apos;ultima modifica dell&apos;elenco e Ctrl+Shift+Z o Ctrl+Y la ripete; si possono annullare le ultime 100 modifiche.</translation>
    </message>
    <message>
        <source>The analysis and its options</source>
        <translation>L&apos;analisi e le sue opzioni</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; computes the twelve results of the numbers in the list.</source>
        <translation>&lt;b&gt;Avvia analisi&lt;/b&gt; calcola i dodici risultati dei numeri presenti nell&apos;elenco.</translation>
    </message>
    <message>
        <source>With &lt;b&gt;Sample&lt;/b&gt; the variance is the sum of the squared deviations from the mean divided by the count less one; with &lt;b&gt;Population&lt;/b&gt; it is divided by the count. The standard deviation, the skew and the coefficient of variation follow it.</source>
        <translation>Con &lt;b&gt;Campione&lt;/b&gt; la varianza è la somma dei quadrati degli scarti dalla media divisa per il conteggio meno uno; con &lt;b&gt;Popolazione&lt;/b&gt; è divisa per il conteggio. La deviazione standard, l&apos;asimmetria e il coefficiente di variazione ne dipendono.</translation>
    </message>
    <message>
        <source>The last six results are rounded to 1 to 10 decimal places, or shown with all ten decimals; a value those would show as 0 or with fewer than four significant digits is shown with 15 significant digits instead.</source>
        <translation>Gli ultimi sei risultati vengono arrotondati da 1 a 10 cifre decimali, oppure mostrati con tutti e dieci i decimali; un valore che così apparirebbe come 0 o con meno di quattro cifre significative viene invece mostrato con 15 cifre significative.</translation>
    </message>
    <message>
        <source>The options are remembered from one start to the next.</source>
        <translation>Le opzioni vengono ricordate da un avvio all&apos;altro.</translation>
    </message>
    <message>
        <source>Exporting the results</source>
        <translation>Esportare i risultati</translation>
    </message>
    <message>
        <source>Tick the results to export: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Then:</source>
        <translation>Spunta i risultati da esportare: Space spunta la riga corrente, Ctrl+A le spunta tutte, Ctrl+Shift+A nessuna. Poi:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Text File&lt;/b&gt; writes them in padded columns.</source>
        <translation>&lt;b&gt;Salva risultati come testo&lt;/b&gt; li scrive in colonne allineate.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy Results To Clipboard&lt;/b&gt; copies them as text.</source>
        <translation>&lt;b&gt;Copia negli appunti&lt;/b&gt; li copia come testo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Excel File&lt;/b&gt; opens them in a new spreadsheet workbook, which needs LibreOffice Calc.</source>
        <translation>&lt;b&gt;Salva risultati come Excel&lt;/b&gt; li apre in una nuova cartella di lavoro di un foglio di calcolo, il che richiede LibreOffice Calc.</translation>
    </message>
    <message>
        <source>With no result ticked, each of the three only says so. &lt;b&gt;Copy as Table&lt;/b&gt; in the results list&apos;s context menu copies the ticked lines, or all, as label and value separated by a tab, ready to paste into a spreadsheet.</source>
        <translation>Se nessun risultato è spuntato, ciascuno dei tre si limita a segnalarlo. &lt;b&gt;Copia come tabella&lt;/b&gt; nel menu contestuale dell&apos;elenco dei risultati copia le righe spuntate, o tutte, come etichetta e valore separati da una tabulazione, pronti da incollare in un foglio di calcolo.</translation>
    </message>
    <message>
        <source>The distribution window</source>
        <translation>La finestra della distribuzione</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Distribution…&lt;/b&gt; (Ctrl+D, or either list&apos;s context menu) opens a window of its own with a picture of the last analysis&apos;s numbers and a table of their spread.</source>
        <translation>&lt;b&gt;Mostra distribuzione…&lt;/b&gt; (Ctrl+D, o il menu contestuale di uno dei due elenchi) apre una finestra a sé con un&apos;immagine dei numeri dell&apos;ultima analisi e una tabella della loro dispersione.</translation>
    </message>
    <message>
        <source>The distribution window of the sample series</source>
        <translation>La finestra della distribuzione della serie di esempio</translation>
    </message>
    <message>
        <source>The picture shows a histogram, the normal curve of the mean and the standard deviation, the mean and the median marked, and a box plot on the same axis.</source>
        <translation>L&apos;immagine mostra un istogramma, la curva normale data dalla media e dalla deviazione standard, la media e la mediana evidenziate e un diagramma a scatola sullo stesso asse.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Bins&lt;/b&gt; sets the number of bars from 1 to 500, or leaves it to the program. &lt;b&gt;Copy Picture&lt;/b&gt; (Ctrl+C) copies the picture as an image, &lt;b&gt;Save Picture…&lt;/b&gt; (Ctrl+S) saves it as PNG or SVG, and Esc closes the window.</source>
        <translation>&lt;b&gt;Classi&lt;/b&gt; imposta il numero di barre da 1 a 500, oppure lo lascia scegliere al programma. &lt;b&gt;Copia immagine&lt;/b&gt; (Ctrl+C) la copia negli appunti come immagine, &lt;b&gt;Salva immagine…&lt;/b&gt; (Ctrl+S) la salva come PNG o SVG, ed Esc chiude la finestra.</translation>
    </message>
    <message>
        <source>The window follows each new analysis and says when the number list has changed since the one it shows.</source>
        <translation>La finestra segue ogni nuova analisi e segnala quando l&apos;elenco dei numeri è cambiato rispetto a quella mostrata.</translation>
    </message>
    <message>
        <source>The menu bar</source>
        <translation>La barra dei menu</translation>
    </message>
    <message>
        <source>The menus hold every command of the buttons and context menus; each item does exactly what its button does.</source>
        <translation>I menu contengono tutti i comandi dei pulsanti e dei menu contestuali; ogni voce fa esattamente ciò che fa il relativo pulsante.</translation>
    </message>
    <message>
        <source>&lt;b&gt;File&lt;/b&gt;: loading and saving numbers, recent files, saving the results, and Quit (Ctrl+Q).</source>
        <translation>&lt;b&gt;File&lt;/b&gt;: caricamento e salvataggio dei numeri, file recenti, salvataggio dei risultati ed Esci (Ctrl+Q).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt;: undo and redo, pasting and copying numbers, copying the results, and clearing the lists.</source>
        <translation>&lt;b&gt;Modifica&lt;/b&gt;: annulla e ripeti, incolla e copia dei numeri, copia dei risultati e svuotamento degli elenchi.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Analysis&lt;/b&gt;: Start Analysis, the method, Show all decimals and Show Distribution….</source>
        <translation>&lt;b&gt;Analisi&lt;/b&gt;: Avvia analisi, il metodo, Tutti i decimali e Mostra distribuzione….</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt;: this manual (F1), the keyboard shortcuts, and About Tallowmere.</source>
        <translation>&lt;b&gt;Aiuto&lt;/b&gt;: questo manuale (F1), le scorciatoie da tastiera e Informazioni su Tallowmere.</translation>
    </message>
    <message>
        <source>Alt with the underlined letter of a menu, button or option reaches it from the keyboard. The window can be enlarged: the two lists take the extra room, and the size is remembered.</source>
        <translation>Alt insieme alla lettera sottolineata di un menu, di un pulsante o di un&apos;opzione permette di raggiungerlo dalla tastiera. La finestra può essere ingrandita: i due elenchi occupano lo spazio in più e la dimensione viene ricordata.</translation>
    </message>
    <message>
        <source>Keeping your numbers</source>
        <translation>Conservare i numeri</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Numbers…&lt;/b&gt; (Ctrl+S) writes the number list as a list file, one entry per line, exactly as the entries read; &lt;b&gt;Load Numbers From File&lt;/b&gt; reads it back. &lt;b&gt;Copy Numbers&lt;/b&gt; (Ctrl+C in the number list) copies the selected entries, or all when none is selected, one per line.</source>
        <translation>&lt;b&gt;Salva numeri…&lt;/b&gt; (Ctrl+S) scrive l&apos;elenco dei numeri come file di elenco, un elemento per riga, esattamente come sono scritti gli elementi; &lt;b&gt;Carica numeri da file&lt;/b&gt; lo rilegge. &lt;b&gt;Copia numeri&lt;/b&gt; (Ctrl+C nell&apos;elenco dei numeri) copia gli elementi selezionati, o tutti se non ne è selezionato nessuno, uno per riga.</translation>
    </message>
    <message>
        <source>When the window closes, the number list is kept. The next start begins with an empty list, as always, and offers over it to restore the numbers from last time: one click brings them back, and Ctrl+Z takes them away again. The offer goes at the first change of the list. A list over 100 MB is not kept; the next start says so.</source>
        <translation>Quando la finestra si chiude, l&apos;elenco dei numeri viene conservato. L&apos;avvio successivo inizia con un elenco vuoto, come sempre, e sopra di esso propone di ripristinare i numeri dell&apos;ultima volta: un clic li riporta indietro e Ctrl+Z li toglie di nuovo. La proposta scompare alla prima modifica dell&apos;elenco. Un elenco oltre i 100 MB non viene conservato; l&apos;avvio successivo lo segnala.</translation>
    </message>
    <message>
        <source>&lt;b&gt;File → Open Recent&lt;/b&gt; lists the last eight list files read or saved.</source>
        <translation>&lt;b&gt;File → Apri recenti&lt;/b&gt; elenca gli ultimi otto file di elenco letti o salvati.</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Lingue</translation>
    </message>
    <message>
        <source>The program speaks the language of your desktop: English, German, French, Spanish, Italian, Brazilian Portuguese, Dutch, Polish or Japanese. The result rows and the three exports use it too.</source>
        <translation>Il programma parla la lingua del tuo desktop: inglese, tedesco, francese, spagnolo, italiano, portoghese brasiliano, olandese, polacco o giapponese. La usano anche le righe dei risultati e le tre esportazioni.</translation>
    </message>
    <message>
        <source>The language is chosen by &lt;code&gt;LANGUAGE&lt;/code&gt;, &lt;code&gt;LC_ALL&lt;/code&gt;, &lt;code&gt;LC_MESSAGES&lt;/code&gt; or &lt;code&gt;LANG&lt;/code&gt;, as in other desktop programs; the format of numbers follows &lt;code&gt;LC_NUMERIC&lt;/code&gt; on its own. So &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; gives English words with German numbers.</source>
        <translation>La lingua viene scelta da &lt;code&gt;LANGUAGE&lt;/code&gt;, &lt;code&gt;LC_ALL&lt;/code&gt;, &lt;code&gt;LC_MESSAGES&lt;/code&gt; o &lt;code&gt;LANG&lt;/code&gt;, come negli altri programmi desktop; il formato dei numeri segue separatamente &lt;code&gt;LC_NUMERIC&lt;/code&gt;. Così &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; dà parole inglesi con numeri in formato tedesco.</translation>
    </message>
    <message>
        <source>The tallowmere command</source>
        <translation>Il comando tallowmere</translation>
    </message>
    <message>
        <source>Opens the window and reads each path, in the order given, as if all of them had been dropped on the number list together: a file as a list file, a folder with all its sub-folders. A file manager&apos;s Open With uses this.</source>
        <translation>Apre la finestra e legge ogni percorso, nell&apos;ordine dato, come se fossero stati rilasciati tutti insieme sull&apos;elenco dei numeri: un file come file di elenco, una cartella con tutte le sue sottocartelle. La funzione Apri con di un gestore di file usa questo comando.</translation>
    </message>
    <message>
        <source>Prints a short help text and exits.</source>
        <translation>Mostra un breve testo di aiuto ed esce.</translation>
    </message>
    <message>
        <source>Prints the version and exits.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Ends the options: every later argument is a path.</source>
        <translation>Termina le opzioni: ogni argomento successivo è un percorso.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as &lt;code&gt;-platform&lt;/code&gt; and &lt;code&gt;-style&lt;/code&gt;, are taken as well. The exit status is 0, or 2 after an unknown option.</source>
        <translation>Sono accettate anche le opzioni proprie di Qt, come &lt;code&gt;-platform&lt;/code&gt; e &lt;code&gt;-style&lt;/code&gt;. Lo stato di uscita è 0, oppure 2 dopo un&apos;opzione sconosciuta.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>The options of the window are kept in &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt;, section &lt;code&gt;[Tallowmere]&lt;/code&gt;, written the moment they change. The number list kept at close is in &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt;. The program writes nothing else but the files you name, the clipboard and new spreadsheet workbooks.</source>
        <translation>Le opzioni della finestra sono conservate in &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt;, sezione &lt;code&gt;[Tallowmere]&lt;/code&gt;, e vengono scritte nel momento in cui cambiano. L&apos;elenco dei numeri conservato alla chiusura si trova in &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt;. Il programma non scrive nient&apos;altro che i file che indichi, gli appunti e le nuove cartelle di lavoro dei fogli di calcolo.</translation>
    </message>
    <message>
        <source>The tallowmere-analyse command</source>
        <translation>Il comando tallowmere-analyse</translation>
    </message>
    <message>
        <source>&lt;code&gt;tallowmere-analyse&lt;/code&gt; runs the analysis of the window without a window and writes its twelve results to standard output, for scripts. Each path is read as the window reads a dropped one; &lt;code&gt;-&lt;/code&gt;, or no path at all, is standard input.</source>
        <translation>&lt;code&gt;tallowmere-analyse&lt;/code&gt; esegue l&apos;analisi della finestra senza aprire alcuna finestra e scrive i suoi dodici risultati sullo standard output, per gli script. Ogni percorso viene letto come la finestra legge un percorso rilasciato; &lt;code&gt;-&lt;/code&gt;, o nessun percorso, indica lo standard input.</translation>
    </message>
    <message>
        <source>Reads list files and folders.</source>
        <translation>Legge file di elenco e cartelle.</translation>
    </message>
    <message>
        <source>Reads each line of the file as one entry, exactly as if typed in the window: a line that is not a number counts as its leading number, or 0.</source>
        <translation>Legge ogni riga del file come un elemento, esattamente come se fosse digitata nella finestra: una riga che non è un numero vale il suo numero iniziale, oppure 0.</translation>
    </message>
    <message>
        <source>Reads the files as tables (CSV or TSV) and the numbers of one column: by its number from 1, or with a header line by its name. The delimiter is the tab unless given; with the strict option a record with too few fields makes the exit status 1.</source>
        <translation>Legge i file come tabelle (CSV o TSV) e i numeri di una colonna: tramite il suo numero a partire da 1 oppure, con una riga di intestazione, tramite il suo nome. Il delimitatore è la tabulazione, se non indicato diversamente; con l&apos;opzione strict un record con troppo pochi campi porta lo stato di uscita a 1.</translation>
    </message>
    <message>
        <source>The method of the variance; a sample is the default.</source>
        <translation>Il metodo della varianza; il campione è il valore predefinito.</translation>
    </message>
    <message>
        <source>The rounding, as in the window; the text format rounds to 3 places by default.</source>
        <translation>L&apos;arrotondamento, come nella finestra; il formato text arrotonda in modo predefinito a 3 cifre.</translation>
    </message>
    <message>
        <source>Text writes the rows as the window shows them; tsv writes a key and a value per line; json writes one object. Tsv and json write a point as the decimal separator and, unless told otherwise, every digit.</source>
        <translation>Il formato text scrive le righe come le mostra la finestra; tsv scrive una chiave e un valore per riga; json scrive un oggetto. Tsv e json scrivono il punto come separatore decimale e, salvo diversa indicazione, tutte le cifre.</translation>
    </message>
    <message>
        <source>Adds the minimum, the maximum, the range, the quartiles, the interquartile range, the kurtosis, the standard error of the mean and, for a sample, the 95 % confidence interval of the mean.</source>
        <translation>Aggiunge il minimo, il massimo, il campo di variazione, i quartili, lo scarto interquartile, la curtosi, l&apos;errore standard della media e, per un campione, l&apos;intervallo di confidenza al 95% della media.</translation>
    </message>
    <message>
        <source>Prints the help text or the version and exits.</source>
        <translation>Mostra il testo di aiuto o la versione ed esce.</translation>
    </message>
    <message>
        <source>Messages on standard error and the rows of the text format follow your language, as the window does; the keys of tsv and json and the option names never change.</source>
        <translation>I messaggi sullo standard error e le righe del formato text seguono la tua lingua, come fa la finestra; le chiavi di tsv e json e i nomi delle opzioni non cambiano mai.</translation>
    </message>
    <message>
        <source>The exit status is 0 when the results were written; 1 when there were no numbers, something could not be read or the results could not be written; 2 when the command line was wrong.</source>
        <translation>Lo stato di uscita è 0 quando i risultati sono stati scritti; 1 quando non c&apos;erano numeri, non è stato possibile leggere qualcosa o non è stato possibile scrivere i risultati; 2 quando la riga di comando era errata.</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Esempi</translation>
    </message>
    <message>
        <source>The results of the third column of a TSV file.</source>
        <translation>I risultati della terza colonna di un file TSV.</translation>
    </message>
    <message>
        <source>A column by its name, from a CSV file as a German spreadsheet saves it.</source>
        <translation>Una colonna indicata per nome, da un file CSV come lo salva un foglio di calcolo in tedesco.</translation>
    </message>
    <message>
        <source>Two files with the numbers of standard input between them.</source>
        <translation>Due file con i numeri dello standard input tra l&apos;uno e l&apos;altro.</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Tallowmere Manual</source>
        <translation>Manuale di Tallowmere</translation>
    </message>
    <message>
        <source>Tables and workbooks</source>
        <translation>Tabelle e cartelle di lavoro</translation>
    </message>
    <message>
        <source>A file of several columns (CSV, TSV, text separated by semicolons as a German spreadsheet saves it) or a workbook (.ods, .xlsx) opens the &lt;b&gt;Open Table&lt;/b&gt; dialog when it is loaded, dropped or named on the command line; so does &lt;b&gt;Open Table…&lt;/b&gt; in the number list&apos;s context menu, and a paste of several columns.</source>
        <translation>Un file di più colonne (CSV, TSV, testo separato da punti e virgola come lo salva un foglio di calcolo tedesco) o una cartella di lavoro (.ods, .xlsx) apre la finestra &lt;b&gt;Apri tabella&lt;/b&gt; quando viene caricato, trascinato o indicato sulla riga di comando; lo stesso fanno &lt;b&gt;Apri tabella…&lt;/b&gt; nel menu contestuale dell&apos;elenco dei numeri e l&apos;incollare più colonne.</translation>
    </message>
    <message>
        <source>The dialog shows the first rows with what it guessed: the delimiter, whether the first row is a header, the decimal separator and, for a workbook, the sheet. Change any of them and the preview follows. Then tick the columns to read and, to compare groups, choose a column in &lt;b&gt;Split by&lt;/b&gt;.</source>
        <translation>La finestra mostra le prime righe con ciò che ha riconosciuto: il delimitatore, se la prima riga è un&apos;intestazione, il separatore decimale e, per una cartella di lavoro, il foglio. Cambiandone uno l&apos;anteprima si aggiorna. Poi spuntate le colonne da leggere e, per confrontare gruppi, scegliete una colonna in &lt;b&gt;Suddividi per&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>One column ticked and no split: its numbers are added to the number list as one change, which Ctrl+Z undoes; cells that are not numbers are counted in the notice.</source>
        <translation>Una colonna spuntata e nessuna suddivisione: i suoi numeri vengono aggiunti all&apos;elenco dei numeri come un&apos;unica modifica, che Ctrl+Z annulla; l&apos;avviso conta le celle che non sono numeri.</translation>
    </message>
    <message>
        <source>Several columns, or a split: the &lt;b&gt;Compare&lt;/b&gt; window opens and the number list is left as it was.</source>
        <translation>Più colonne, o una suddivisione: si apre la finestra &lt;b&gt;Confronta&lt;/b&gt; e l&apos;elenco dei numeri resta com&apos;era.</translation>
    </message>
    <message>
        <source>The Compare window has a column for each column or group and a row for each statistic, computed as the main window computes them and rounded as it rounds; it follows the main window&apos;s method and decimals. Below the table are box plots of every list on one axis, and with &lt;b&gt;Histograms&lt;/b&gt; their histograms over the same span.</source>
        <translation>La finestra Confronta ha una colonna per ogni colonna o gruppo e una riga per ogni statistica, calcolata e arrotondata come nella finestra principale; ne segue il metodo e i decimali. Sotto la tabella ci sono i box plot di tutti gli elenchi su un unico asse e, con &lt;b&gt;Istogrammi&lt;/b&gt;, i loro istogrammi sullo stesso intervallo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy as Table&lt;/b&gt; (Ctrl+C) copies the table, separated by tabs, ready to paste into a spreadsheet; &lt;b&gt;Save Table…&lt;/b&gt; (Ctrl+S) saves it as CSV or as a workbook; &lt;b&gt;Copy Picture&lt;/b&gt; and &lt;b&gt;Save Picture…&lt;/b&gt; do the same for the picture; &lt;b&gt;Send to Number List&lt;/b&gt; adds the numbers of the chosen list to the main window&apos;s number list.</source>
        <translation>&lt;b&gt;Copia come tabella&lt;/b&gt; (Ctrl+C) copia la tabella, separata da tabulazioni, pronta da incollare in un foglio di calcolo; &lt;b&gt;Salva tabella…&lt;/b&gt; (Ctrl+S) la salva come CSV o come cartella di lavoro; &lt;b&gt;Copia immagine&lt;/b&gt; e &lt;b&gt;Salva immagine…&lt;/b&gt; fanno lo stesso con l&apos;immagine; &lt;b&gt;Invia all&apos;elenco dei numeri&lt;/b&gt; aggiunge i numeri dell&apos;elenco scelto all&apos;elenco dei numeri della finestra principale.</translation>
    </message>
    <message>
        <source>Several columns, or every column that holds numbers, each analysed on its own; with a group column, each column&apos;s rows are split by its values. The text format writes a block for each, headed by its name; tsv writes a column for each; json writes an array of objects.</source>
        <translation>Più colonne, o ogni colonna che contiene numeri, ciascuna analizzata a sé; con una colonna di gruppi, le righe di ogni colonna vengono suddivise secondo i suoi valori. Il formato testo scrive un blocco per ciascuna, intitolato con il suo nome; tsv scrive una colonna per ciascuna; json scrive un array di oggetti.</translation>
    </message>
    <message>
        <source>The sheet of a workbook (.ods or .xlsx, known by its content) to read the columns from; the first unless given.</source>
        <translation>Il foglio di una cartella di lavoro (.ods o .xlsx, riconosciuta dal contenuto) da cui leggere le colonne; il primo se non indicato.</translation>
    </message>
    <message>
        <source>The weights of each group of a workbook&apos;s first sheet, side by side.</source>
        <translation>I pesi di ogni gruppo del primo foglio di una cartella di lavoro, affiancati.</translation>
    </message>
    <message>
        <source>Whole numbers of up to 100 values get a bar for each value, centred on it. &lt;b&gt;Range&lt;/b&gt; shows all values or leaves out the outliers beyond the box plot&apos;s fences, which are then marked with their count at the ends of the axis; &lt;b&gt;Logarithmic axis&lt;/b&gt;, for positive numbers only, makes the bins equal on a logarithmic scale. Point at a bar to see its range and count. With &lt;b&gt;Include title and statistics&lt;/b&gt;, Copy Picture and Save Picture… add a title and the table of spread to the picture.</source>
        <translation>I numeri interi con al più 100 valori hanno una barra per valore, centrata su di esso. &lt;b&gt;Intervallo&lt;/b&gt; mostra tutti i valori o esclude i valori anomali oltre le recinzioni del box plot, che vengono allora segnati con il loro numero agli estremi dell&apos;asse; &lt;b&gt;Asse logaritmico&lt;/b&gt;, solo per numeri positivi, rende le classi uguali su una scala logaritmica. Puntate una barra per vederne l&apos;intervallo e il conteggio. Con &lt;b&gt;Includi titolo e statistiche&lt;/b&gt;, Copia immagine e Salva immagine… aggiungono all&apos;immagine un titolo e la tabella della dispersione.</translation>
    </message>
    <message>
        <source>The encoding of a table&apos;s text: utf-8, utf-16le, utf-16be, utf-32le, utf-32be or windows-1252. Without it each file is read in the form its first bytes show, as the table dialog reads it; standard input is then read as a list file.</source>
        <translation>La codifica del testo di una tabella: utf-8, utf-16le, utf-16be, utf-32le, utf-32be o windows-1252. Senza, ogni file è letto nella forma che mostrano i suoi primi byte, come lo legge la finestra delle tabelle; lo standard input è allora letto come un file di elenco.</translation>
    </message>
</context>
<context>
    <name>ManualEntry</name>
    <message>
        <source>Enter number or numbers (use commas):</source>
        <translation>Inserisci uno o più numeri (usa le virgole):</translation>
    </message>
    <message>
        <source>Enter number or numbers (use semicolons):</source>
        <translation>Inserisci uno o più numeri (usa i punti e virgola):</translation>
    </message>
</context>
<context>
    <name>Normality</name>
    <message>
        <source>The Shapiro-Wilk test needs at least 3 numbers</source>
        <translation>Il test di Shapiro-Wilk richiede almeno 3 numeri</translation>
    </message>
    <message>
        <source>The Shapiro-Wilk test takes at most 5000 numbers</source>
        <translation>Il test di Shapiro-Wilk accetta al più 5000 numeri</translation>
    </message>
    <message>
        <source>The K² test needs at least 8 numbers</source>
        <translation>Il test K² richiede almeno 8 numeri</translation>
    </message>
    <message>
        <source>All the numbers are equal</source>
        <translation>Tutti i numeri sono uguali</translation>
    </message>
    <message>
        <source>The numbers are too large or too far apart for the test</source>
        <translation>I numeri sono troppo grandi o troppo distanti per il test</translation>
    </message>
    <message>
        <source>The kurtosis is outside the range of the test&apos;s approximation</source>
        <translation>La curtosi è fuori dall&apos;intervallo dell&apos;approssimazione del test</translation>
    </message>
    <message>
        <source>no evidence against normality at 5 %</source>
        <translation>nessuna evidenza contro la normalità al 5 %</translation>
    </message>
    <message>
        <source>the numbers are unlikely to come from a normal distribution (p = %1)</source>
        <translation>è improbabile che i numeri provengano da una distribuzione normale (p = %1)</translation>
    </message>
</context>
<context>
    <name>NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annulla %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Must be a numeric entry.</source>
        <translation>Deve essere un valore numerico.</translation>
    </message>
</context>
<context>
    <name>OutlierPage</name>
    <message numerus="yes">
        <source>%1 outliers</source>
        <translation>
            <numerusform>%1 valore anomalo</numerusform>
            <numerusform>%1 valori anomali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 far out</source>
        <translation>
            <numerusform>%1 valore molto lontano</numerusform>
            <numerusform>%1 valori molto lontani</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OutlierTable</name>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
</context>
<context>
    <name>PercentileText</name>
    <message>
        <source>“%1” is not a number</source>
        <translation>«%1» non è un numero</translation>
    </message>
    <message>
        <source>%1: percentiles run from 0 to 100</source>
        <translation>%1: i percentili vanno da 0 a 100</translation>
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
        <translation>Nessun numero ancora analizzato.</translation>
    </message>
    <message>
        <source>Normal quantiles</source>
        <translation>Quantili della normale</translation>
    </message>
    <message>
        <source>Sample quantiles</source>
        <translation>Quantili del campione</translation>
    </message>
    <message numerus="yes">
        <source>Normal Q-Q plot of %1 numbers: the values from %2 to %3 against the normal quantiles from %4 to %5, with the line through the quartiles (intercept %6, slope %7).</source>
        <translation>
            <numerusform>Grafico Q-Q normale di %1 numero: i valori da %2 a %3 rispetto ai quantili della normale da %4 a %5, con la retta passante per i quartili (intercetta %6, pendenza %7).</numerusform>
            <numerusform>Grafico Q-Q normale di %1 numeri: i valori da %2 a %3 rispetto ai quantili della normale da %4 a %5, con la retta passante per i quartili (intercetta %6, pendenza %7).</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Q-Q plot</source>
        <translation>Grafico Q-Q normale</translation>
    </message>
</context>
<context>
    <name>QuantileMethods</name>
    <message>
        <source>Nearest rank (R type 1)</source>
        <translation>Rango più vicino (tipo 1 di R)</translation>
    </message>
    <message>
        <source>Averaged inverse (SAS default, R type 2)</source>
        <translation>Inversa mediata (predefinito di SAS, tipo 2 di R)</translation>
    </message>
    <message>
        <source>Nearest even rank (R type 3)</source>
        <translation>Rango pari più vicino (tipo 3 di R)</translation>
    </message>
    <message>
        <source>Linear in the distribution function (R type 4)</source>
        <translation>Lineare nella funzione di ripartizione (tipo 4 di R)</translation>
    </message>
    <message>
        <source>Hazen, midpoint steps (R type 5)</source>
        <translation>Hazen, punti medi dei gradini (tipo 5 di R)</translation>
    </message>
    <message>
        <source>Exclusive (spreadsheet QUARTILE.EXC, SPSS, Minitab, R type 6)</source>
        <translation>Esclusivo (foglio di calcolo QUARTILE.ESC, SPSS, Minitab, tipo 6 di R)</translation>
    </message>
    <message>
        <source>Inclusive (spreadsheet QUARTILE.INC, R type 7, numpy default)</source>
        <translation>Inclusivo (foglio di calcolo QUARTILE.INC, tipo 7 di R, predefinito di numpy)</translation>
    </message>
    <message>
        <source>Median-unbiased (R type 8)</source>
        <translation>Non distorto per la mediana (tipo 8 di R)</translation>
    </message>
    <message>
        <source>Normal-unbiased, Blom (R type 9)</source>
        <translation>Non distorto per la normale, Blom (tipo 9 di R)</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>The number of entries is: </source>
        <translation>Il numero di elementi è: </translation>
    </message>
    <message>
        <source>The sum of the numbers are: </source>
        <translation>La somma dei numeri è: </translation>
    </message>
    <message>
        <source>The sum squared is: </source>
        <translation>La somma al quadrato è: </translation>
    </message>
    <message>
        <source>The sum of squares is: </source>
        <translation>La somma dei quadrati è: </translation>
    </message>
    <message>
        <source>The mode is: </source>
        <translation>La moda è: </translation>
    </message>
    <message>
        <source>The median is: </source>
        <translation>La mediana è: </translation>
    </message>
    <message>
        <source>The mean is: </source>
        <translation>La media è: </translation>
    </message>
    <message>
        <source>The variance is: </source>
        <translation>La varianza è: </translation>
    </message>
    <message>
        <source>The skew is: </source>
        <translation>L&apos;asimmetria è: </translation>
    </message>
    <message>
        <source>The average deviation is: </source>
        <translation>La deviazione media assoluta è: </translation>
    </message>
    <message>
        <source>The standard deviation is: </source>
        <translation>La deviazione standard è: </translation>
    </message>
    <message>
        <source>The coefficient of variation is: </source>
        <translation>Il coefficiente di variazione è: </translation>
    </message>
    <message>
        <source>The minimum is: </source>
        <translation>Il minimo è: </translation>
    </message>
    <message>
        <source>The maximum is: </source>
        <translation>Il massimo è: </translation>
    </message>
    <message>
        <source>The range is: </source>
        <translation>Il campo di variazione è: </translation>
    </message>
    <message>
        <source>The first quartile is: </source>
        <translation>Il primo quartile è: </translation>
    </message>
    <message>
        <source>The third quartile is: </source>
        <translation>Il terzo quartile è: </translation>
    </message>
    <message>
        <source>The interquartile range is: </source>
        <translation>Lo scarto interquartile è: </translation>
    </message>
    <message>
        <source>The kurtosis is: </source>
        <translation>La curtosi è: </translation>
    </message>
    <message>
        <source>The standard error of the mean is: </source>
        <translation>L&apos;errore standard della media è: </translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s low end is: </source>
        <translation>L&apos;estremo inferiore dell&apos;intervallo di confidenza al 95% è: </translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s high end is: </source>
        <translation>L&apos;estremo superiore dell&apos;intervallo di confidenza al 95% è: </translation>
    </message>
    <message>
        <source>The geometric mean is: </source>
        <translation>La media geometrica è: </translation>
    </message>
    <message>
        <source>The harmonic mean is: </source>
        <translation>La media armonica è: </translation>
    </message>
    <message>
        <source>The median absolute deviation is: </source>
        <translation>La deviazione assoluta mediana è: </translation>
    </message>
    <message>
        <source>The scaled median absolute deviation is: </source>
        <translation>La deviazione assoluta mediana scalata è: </translation>
    </message>
    <message>
        <source>The quantile method is: </source>
        <translation>Il metodo dei quantili è: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk W is: </source>
        <translation>La W di Shapiro-Wilk è: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk p-value is: </source>
        <translation>Il p-value di Shapiro-Wilk è: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk test reads: </source>
        <translation>Il test di Shapiro-Wilk indica: </translation>
    </message>
    <message>
        <source>The K² of D&apos;Agostino and Pearson is: </source>
        <translation>La K² di D&apos;Agostino e Pearson è: </translation>
    </message>
    <message>
        <source>The K² p-value is: </source>
        <translation>Il p-value della K² è: </translation>
    </message>
    <message>
        <source>The K² test reads: </source>
        <translation>Il test K² indica: </translation>
    </message>
    <message>
        <source>The %1 % trimmed mean is: </source>
        <translation>La media troncata al %1% è: </translation>
    </message>
    <message>
        <source>The %1 % confidence interval&apos;s low end is: </source>
        <translation>L&apos;estremo inferiore dell&apos;intervallo di confidenza al %1% è: </translation>
    </message>
    <message>
        <source>The %1 % confidence interval&apos;s high end is: </source>
        <translation>L&apos;estremo superiore dell&apos;intervallo di confidenza al %1% è: </translation>
    </message>
    <message>
        <source>The median&apos;s %1 % confidence interval&apos;s low end is: </source>
        <translation>L&apos;estremo inferiore dell&apos;intervallo di confidenza al %1% della mediana è: </translation>
    </message>
    <message>
        <source>The median&apos;s %1 % confidence interval&apos;s high end is: </source>
        <translation>L&apos;estremo superiore dell&apos;intervallo di confidenza al %1% della mediana è: </translation>
    </message>
    <message>
        <source>The median&apos;s interval&apos;s actual coverage is: </source>
        <translation>La copertura effettiva dell&apos;intervallo della mediana è: </translation>
    </message>
    <message>
        <source>The %1st percentile is: </source>
        <translation>Il %1° percentile è: </translation>
    </message>
    <message>
        <source>The %1nd percentile is: </source>
        <translation>Il %1° percentile è: </translation>
    </message>
    <message>
        <source>The %1rd percentile is: </source>
        <translation>Il %1° percentile è: </translation>
    </message>
    <message>
        <source>The %1th percentile is: </source>
        <translation>Il %1° percentile è: </translation>
    </message>
</context>
<context>
    <name>ResultValues</name>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
</context>
<context>
    <name>ResultsListMenu</name>
    <message>
        <source>Copy as Table</source>
        <translation>Copia come tabella</translation>
    </message>
</context>
<context>
    <name>RobustStatistics</name>
    <message>
        <source>There are no numbers</source>
        <translation>Non ci sono numeri</translation>
    </message>
    <message>
        <source>The geometric and the harmonic mean need positive numbers</source>
        <translation>La media geometrica e quella armonica richiedono numeri positivi</translation>
    </message>
    <message>
        <source>The share trimmed from each end must be at least 0 and below 0.5</source>
        <translation>La quota tolta da ogni estremo deve essere almeno 0 e minore di 0.5</translation>
    </message>
    <message>
        <source>The confidence level must be from 50 % to 99.9 %</source>
        <translation>Il livello di confidenza deve essere tra il 50 % e il 99.9 %</translation>
    </message>
    <message>
        <source>The confidence interval of the mean needs at least 2 numbers</source>
        <translation>L&apos;intervallo di confidenza della media richiede almeno 2 numeri</translation>
    </message>
    <message>
        <source>Too few numbers for a confidence interval of the median at this level</source>
        <translation>Troppo pochi numeri per un intervallo di confidenza della mediana a questo livello</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>its lock file %1 is not a regular file</source>
        <translation>il suo file di blocco %1 non è un file regolare</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>non è possibile creare la sua cartella</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>non può essere scritto</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>non può essere scritto: %1</translation>
    </message>
    <message>
        <source>The options cannot be saved to %1: %2. They stay as chosen until %3 ends.</source>
        <translation>Impossibile salvare le opzioni in %1: %2. Restano come scelte finché %3 non termina.</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Open Table</source>
        <translation>Apri tabella</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgola</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Punto e virgola</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulazione</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Other delimiter</source>
        <translation>Altro delimitatore</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>La prima riga è l&apos;&amp;intestazione</translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation>La prima riga è l&apos;intestazione</translation>
    </message>
    <message>
        <source>As in this locale (%1)</source>
        <translation>Come nelle impostazioni locali (%1)</translation>
    </message>
    <message>
        <source>Point (61.5)</source>
        <translation>Punto (61.5)</translation>
    </message>
    <message>
        <source>Comma (61,5)</source>
        <translation>Virgola (61,5)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Delimitatore:</translation>
    </message>
    <message>
        <source>D&amp;ecimal separator:</source>
        <translation>Separatore d&amp;ecimale:</translation>
    </message>
    <message>
        <source>Shee&amp;t:</source>
        <translation>&amp;Foglio:</translation>
    </message>
    <message>
        <source>Co&amp;lumns:</source>
        <translation>&amp;Colonne:</translation>
    </message>
    <message>
        <source>&amp;Split by:</source>
        <translation>&amp;Suddividi per:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>Antepri&amp;ma:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuna)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 is neither a spreadsheet nor a table of delimited text.</source>
        <translation>%1 non è né un foglio di calcolo né una tabella di testo delimitato.</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be read (%2).</source>
        <translation>%1 è danneggiato e non può essere letto (%2).</translation>
    </message>
    <message>
        <source>%1 is protected by a password: save it without one to open it.</source>
        <translation>%1 è protetto da password: salvalo senza password per aprirlo.</translation>
    </message>
    <message>
        <source>%1 is an Excel 97-2003 workbook: save it as .xlsx or .ods to open it.</source>
        <translation>%1 è una cartella di lavoro di Excel 97-2003: salvala come .xlsx o .ods per aprirla.</translation>
    </message>
    <message>
        <source>%1 has no sheet %2.</source>
        <translation>%1 non ha il foglio %2.</translation>
    </message>
    <message>
        <source>UTF-16 (little-endian)</source>
        <translation>UTF-16 (little endian)</translation>
    </message>
    <message>
        <source>UTF-16 (big-endian)</source>
        <translation>UTF-16 (big endian)</translation>
    </message>
    <message>
        <source>UTF-32 (little-endian)</source>
        <translation>UTF-32 (little endian)</translation>
    </message>
    <message>
        <source>UTF-32 (big-endian)</source>
        <translation>UTF-32 (big endian)</translation>
    </message>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>Occidentale (Windows-1252)</translation>
    </message>
    <message>
        <source>E&amp;ncoding:</source>
        <translation>C&amp;odifica:</translation>
    </message>
</context>
<context>
    <name>TickList</name>
    <message>
        <source>Ticks or unticks the result</source>
        <translation>Spunta o toglie la spunta al risultato</translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation>Spuntato</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Non spuntato</translation>
    </message>
</context>
<context>
    <name>WholeFileWriter</name>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::CompareWindow</name>
    <message>
        <source>Statistics of each list</source>
        <translation>Statistiche di ogni elenco</translation>
    </message>
    <message>
        <source>A column per list and a row per statistic. Ctrl+C copies the whole table.</source>
        <translation>Una colonna per elenco e una riga per statistica. Ctrl+C copia l&apos;intera tabella.</translation>
    </message>
    <message>
        <source>Copy as &amp;Table</source>
        <translation>Copia come &amp;tabella</translation>
    </message>
    <message>
        <source>Put the table on the clipboard, its cells separated by tabs (Ctrl+C)</source>
        <translation>Copia la tabella negli appunti, con le celle separate da tabulazioni (Ctrl+C)</translation>
    </message>
    <message>
        <source>Sa&amp;ve Table…</source>
        <translation>Sal&amp;va tabella…</translation>
    </message>
    <message>
        <source>Save the table as a CSV file or an Excel workbook (Ctrl+S)</source>
        <translation>Salva la tabella come file CSV o cartella di lavoro Excel (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Elenco:</translation>
    </message>
    <message>
        <source>List to send</source>
        <translation>Elenco da inviare</translation>
    </message>
    <message>
        <source>Se&amp;nd to Number List</source>
        <translation>I&amp;nvia all&apos;elenco dei numeri</translation>
    </message>
    <message>
        <source>Append the chosen list&apos;s numbers to the main window&apos;s number list</source>
        <translation>Aggiungi i numeri dell&apos;elenco scelto all&apos;elenco dei numeri della finestra principale</translation>
    </message>
    <message>
        <source>&amp;Histograms</source>
        <translation>&amp;Istogrammi</translation>
    </message>
    <message>
        <source>Show each list&apos;s histogram over the same span, with its box plot</source>
        <translation>Mostra l&apos;istogramma di ogni elenco sullo stesso intervallo, con il suo diagramma a scatola</translation>
    </message>
    <message>
        <source>Histograms</source>
        <translation>Istogrammi</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copia immagine</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image</source>
        <translation>Copia l&apos;immagine negli appunti come immagine</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Salva immagine…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file</source>
        <translation>Salva l&apos;immagine come file PNG o SVG</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistica</translation>
    </message>
    <message>
        <source>Save Table</source>
        <translation>Salva tabella</translation>
    </message>
    <message>
        <source>The table could not be saved as
%1
%2</source>
        <translation>Impossibile salvare la tabella come
%1
%2</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation>Impossibile salvare l&apos;immagine come
%1
%2</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::DistributionWindow</name>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistica</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as name and value separated by a tab.</source>
        <translation>Seleziona le righe e premi Ctrl+C per copiarle come nome e valore separati da una tabulazione.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>&amp;Bins:</source>
        <translation>C&amp;lassi:</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automatico (%1)</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Number of bins</source>
        <translation>Numero di classi</translation>
    </message>
    <message>
        <source>The histogram&apos;s bins, 1 to 500; below 1 the count is chosen from the numbers.</source>
        <translation>Le classi dell&apos;istogramma, da 1 a 500; sotto 1 il numero viene scelto in base ai numeri.</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copia immagine</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image (Ctrl+C)</source>
        <translation>Copia l&apos;immagine negli appunti come immagine (Ctrl+C)</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Salva immagine…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file (Ctrl+S)</source>
        <translation>Salva l&apos;immagine come file PNG o SVG (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation>Impossibile salvare l&apos;immagine come
%1
%2</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Intervallo:</translation>
    </message>
    <message>
        <source>All values</source>
        <translation>Tutti i valori</translation>
    </message>
    <message>
        <source>Without outliers</source>
        <translation>Senza valori anomali</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Without outliers, the histogram spans the numbers within 1.5 interquartile ranges of the box.</source>
        <translation>Senza valori anomali, l&apos;istogramma copre i numeri entro 1,5 scarti interquartili dalla scatola.</translation>
    </message>
    <message>
        <source>&amp;Logarithmic axis</source>
        <translation>Asse l&amp;ogaritmico</translation>
    </message>
    <message>
        <source>Bins of equal width in the logarithm; for positive numbers only</source>
        <translation>Classi di uguale ampiezza nel logaritmo; solo per numeri positivi</translation>
    </message>
    <message>
        <source>&amp;Include title and statistics</source>
        <translation>Includi &amp;titolo e statistiche</translation>
    </message>
    <message>
        <source>Copy and save the picture with a title over it and the statistics under it</source>
        <translation>Copia e salva l&apos;immagine con un titolo sopra e le statistiche sotto</translation>
    </message>
    <message>
        <source>&amp;Histogram</source>
        <translation>Isto&amp;gramma</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Viste</translation>
    </message>
    <message>
        <source>&amp;Q-Q Plot</source>
        <translation>Grafico &amp;Q-Q</translation>
    </message>
    <message>
        <source>&amp;Frequencies</source>
        <translation>&amp;Frequenze</translation>
    </message>
    <message>
        <source>&amp;Outliers</source>
        <translation>Valori &amp;anomali</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::DropProgressStrip</name>
    <message>
        <source>Stop the drop (Esc)</source>
        <translation>Interrompi il rilascio (Esc)</translation>
    </message>
    <message>
        <source>Stop the drop</source>
        <translation>Interrompi il rilascio</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::Form1</name>
    <message>
        <source>Results note</source>
        <translation>Nota sui risultati</translation>
    </message>
    <message>
        <source>Number(s)</source>
        <translation>Numeri</translation>
    </message>
    <message>
        <source>Result(s)</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>The number list has changed since these results.</source>
        <translation>L&apos;elenco dei numeri è cambiato rispetto a questi risultati.</translation>
    </message>
    <message>
        <source>Analysis finished: the results list shows %1 rows.</source>
        <translation>Analisi completata: l&apos;elenco dei risultati mostra %1 righe.</translation>
    </message>
    <message>
        <source>Not every entry will come back as it is when this file is loaded:</source>
        <translation>Non tutti gli elementi torneranno com&apos;erano quando questo file verrà caricato:</translation>
    </message>
    <message>
        <source>Entries that are not numbers, left out when it is loaded: %1</source>
        <translation>Elementi che non sono numeri, esclusi al caricamento: %1</translation>
    </message>
    <message>
        <source>Entries a list file reads as another value: %1</source>
        <translation>Elementi che un file di elenco legge come un altro valore: %1</translation>
    </message>
    <message>
        <source>Entries holding a line break, read as several lines: %1</source>
        <translation>Elementi contenenti un a capo, letti come più righe: %1</translation>
    </message>
    <message>
        <source>The first of them: %1</source>
        <translation>Il primo di essi: %1</translation>
    </message>
    <message>
        <source>Save the numbers all the same?</source>
        <translation>Salvare comunque i numeri?</translation>
    </message>
    <message>
        <source>Save Numbers</source>
        <translation>Salva numeri</translation>
    </message>
    <message>
        <source>The numbers could not be saved to &quot;%1&quot;: %2</source>
        <translation>Impossibile salvare i numeri in «%1»: %2</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Cancella recenti</translation>
    </message>
    <message>
        <source>The numbers from last time could not be read</source>
        <translation>Impossibile leggere i numeri dell&apos;ultima volta</translation>
    </message>
    <message>
        <source>All results ticked</source>
        <translation>Tutti i risultati spuntati</translation>
    </message>
    <message>
        <source>No results ticked</source>
        <translation>Nessun risultato spuntato</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::FrequencyPage</name>
    <message>
        <source>One row per &amp;value</source>
        <translation>Una riga per ogni &amp;valore</translation>
    </message>
    <message>
        <source>A row for each value however many there are; else, with more than %1 values, a row for each of the histogram&apos;s bins</source>
        <translation>Una riga per ogni valore, quanti che siano; altrimenti, con più di %1 valori, una riga per ogni classe dell&apos;istogramma</translation>
    </message>
    <message>
        <source>Copy as &amp;Table</source>
        <translation>Copia come ta&amp;bella</translation>
    </message>
    <message>
        <source>Put the whole table on the clipboard with its header line, its cells separated by tabs</source>
        <translation>Copia l&apos;intera tabella negli appunti con la riga di intestazione, con le celle separate da tabulazioni</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Frequencies</source>
        <translation>Frequenze</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them, their cells separated by tabs, as a spreadsheet reads them.</source>
        <translation>Seleziona le righe e premi Ctrl+C per copiarle, con le celle separate da tabulazioni, come le legge un foglio di calcolo.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>These bins span all the numbers, the outliers too; the histogram leaves the outliers out.</source>
        <translation>Queste classi coprono tutti i numeri, anche i valori anomali; l&apos;istogramma esclude i valori anomali.</translation>
    </message>
    <message>
        <source>These bins are equal in width; the histogram&apos;s are equal in the logarithm.</source>
        <translation>Queste classi hanno uguale ampiezza; quelle dell&apos;istogramma sono uguali nel logaritmo.</translation>
    </message>
    <message>
        <source>The histogram has a bar for each value; tick &quot;One row per value&quot; for a row each.</source>
        <translation>L&apos;istogramma ha una barra per ogni valore; spunta «Una riga per ogni valore» per avere una riga per ciascuno.</translation>
    </message>
    <message>
        <source>These bins are not the histogram&apos;s.</source>
        <translation>Queste classi non sono quelle dell&apos;istogramma.</translation>
    </message>
    <message>
        <source>%1 rows are too many to copy: at most %2 can be copied.</source>
        <translation>%1 righe sono troppe da copiare: se ne possono copiare al massimo %2.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::HelpWindow</name>
    <message>
        <source>Tallowmere Manual</source>
        <translation>Manuale di Tallowmere</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation>Cerca nel manuale</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Non trovato</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation>Rimuovi gli elementi non numerici</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::OutlierModel</name>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::OutlierPage</name>
    <message>
        <source>Outliers</source>
        <translation>Valori anomali</translation>
    </message>
    <message>
        <source>&amp;Values beyond the fences:</source>
        <translation>Valori oltre le recin&amp;zioni:</translation>
    </message>
    <message>
        <source>Number of smallest and largest values</source>
        <translation>Numero di valori più piccoli e più grandi</translation>
    </message>
    <message>
        <source>How many of the smallest and of the largest numbers are listed, 1 to 100.</source>
        <translation>Quanti dei numeri più piccoli e dei più grandi vengono elencati, da 1 a 100.</translation>
    </message>
    <message>
        <source>&amp;Extremes at each end:</source>
        <translation>&amp;Estremi da ogni lato:</translation>
    </message>
    <message>
        <source>Smallest and largest values</source>
        <translation>Valori più piccoli e più grandi</translation>
    </message>
    <message>
        <source>Select in &amp;Number List</source>
        <translation>Seleziona nell&apos;elenco dei &amp;numeri</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as kind, position and value separated by tabs.</source>
        <translation>Seleziona le righe e premi Ctrl+C per copiarle come tipo, posizione e valore separati da tabulazioni.</translation>
    </message>
    <message>
        <source>Outlier</source>
        <translation>Valore anomalo</translation>
    </message>
    <message>
        <source>Far out</source>
        <translation>Molto lontano</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Più piccolo</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Più grande</translation>
    </message>
    <message>
        <source>No outliers; fences %1 and %2; far out beyond %3 and %4.</source>
        <translation>Nessun valore anomalo; recinzioni %1 e %2; molto lontani oltre %3 e %4.</translation>
    </message>
    <message>
        <source>%1, %2; fences %3 and %4; far out beyond %5 and %6.</source>
        <translation>%1, %2; recinzioni %3 e %4; molto lontani oltre %5 e %6.</translation>
    </message>
    <message>
        <source>Showing %1 of %2, the first in the list.</source>
        <translation>Mostrati %1 su %2, i primi dell&apos;elenco.</translation>
    </message>
    <message>
        <source>There is no analysis to select from until one has finished.</source>
        <translation>Non c&apos;è nulla da selezionare finché un&apos;analisi non è terminata.</translation>
    </message>
    <message>
        <source>The number list has changed since this analysis, so these positions may no longer be its rows. Press Start Analysis to find them again.</source>
        <translation>L&apos;elenco dei numeri è cambiato dopo questa analisi, quindi queste posizioni potrebbero non essere più le sue righe. Premi Avvia analisi per ritrovarle.</translation>
    </message>
    <message>
        <source>There are no outliers; select rows of the tables to select those entries.</source>
        <translation>Non ci sono valori anomali; seleziona righe delle tabelle per selezionarne gli elementi.</translation>
    </message>
    <message>
        <source>Select the entries of the selected rows in the number list, or all the outliers listed when no row is selected.</source>
        <translation>Seleziona nell&apos;elenco dei numeri gli elementi delle righe selezionate, o tutti i valori anomali elencati quando nessuna riga è selezionata.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::QQPage</name>
    <message>
        <source>Normal Q-Q plot</source>
        <translation>Grafico Q-Q normale</translation>
    </message>
    <message>
        <source>Tests of normality</source>
        <translation>Test di normalità</translation>
    </message>
    <message>
        <source>Press Ctrl+C to copy the selected text, or both lines where nothing is selected.</source>
        <translation>Premi Ctrl+C per copiare il testo selezionato, o entrambe le righe se non è selezionato nulla.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::StatisticsOptions</name>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Metodo:</translation>
    </message>
    <message>
        <source>Quantile method</source>
        <translation>Metodo dei quantili</translation>
    </message>
    <message>
        <source>How the quartiles, the box plot and the percentiles are read from the numbers</source>
        <translation>Come i quartili, il diagramma a scatola e i percentili si ricavano dai numeri</translation>
    </message>
    <message>
        <source>&amp;Percentiles:</source>
        <translation>&amp;Percentili:</translation>
    </message>
    <message>
        <source>Percentiles</source>
        <translation>Percentili</translation>
    </message>
    <message>
        <source>Percentiles&apos; error</source>
        <translation>Errore dei percentili</translation>
    </message>
    <message>
        <source>&amp;Trim:</source>
        <translation>T&amp;roncamento:</translation>
    </message>
    <message>
        <source>Trimmed share</source>
        <translation>Quota tolta</translation>
    </message>
    <message>
        <source>The share of the numbers the trimmed mean leaves out at each end</source>
        <translation>La quota dei numeri che la media troncata esclude a ciascun estremo</translation>
    </message>
    <message>
        <source>Confidence l&amp;evel:</source>
        <translation>Livello di confi&amp;denza:</translation>
    </message>
    <message>
        <source>Confidence level</source>
        <translation>Livello di confidenza</translation>
    </message>
    <message>
        <source>The level of the mean&apos;s and the median&apos;s confidence intervals</source>
        <translation>Il livello degli intervalli di confidenza della media e della mediana</translation>
    </message>
    <message>
        <source>Percentiles from 0 to 100, separated by semicolons: %1</source>
        <translation>Percentili da 0 a 100, separati da punti e virgola: %1</translation>
    </message>
    <message>
        <source>Percentiles from 0 to 100, separated by commas or semicolons: %1</source>
        <translation>Percentili da 0 a 100, separati da virgole o punti e virgola: %1</translation>
    </message>
</context>
</TS>
