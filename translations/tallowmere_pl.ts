<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutBox</name>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (zbudowano z %2)</translation>
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
        <translation>Użyte biblioteki:</translation>
    </message>
    <message>
        <source>Tallowmere %1</source>
        <translation>Tallowmere %1</translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation>Kalkulator statystyki opisowej dla pulpitu.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tallowmere authors</source>
        <translation>Copyright © 2026 Autorzy programu Tallowmere</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Wydano na licencji MIT.</translation>
    </message>
    <message>
        <source>About Tallowmere</source>
        <translation>O programie Tallowmere</translation>
    </message>
</context>
<context>
    <name>AdditionNotice</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 plik</numerusform>
            <numerusform>%1 pliki</numerusform>
            <numerusform>%1 plików</numerusform>
        </translation>
    </message>
    <message>
        <source> (first: %1)</source>
        <translation> (pierwszy: %1)</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>Odczytano %1 wiersz z przecinkiem dziesiętnym (pierwszy: %2)</numerusform>
            <numerusform>Odczytano %1 wiersze z przecinkiem dziesiętnym (pierwszy: %2)</numerusform>
            <numerusform>Odczytano %1 wierszy z przecinkiem dziesiętnym (pierwszy: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>Odczytano %1 wiersz z kropką dziesiętną (pierwszy: %2)</numerusform>
            <numerusform>Odczytano %1 wiersze z kropką dziesiętną (pierwszy: %2)</numerusform>
            <numerusform>Odczytano %1 wierszy z kropką dziesiętną (pierwszy: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>Odczytano %1 element z przecinkiem dziesiętnym (pierwszy: %2)</numerusform>
            <numerusform>Odczytano %1 elementy z przecinkiem dziesiętnym (pierwszy: %2)</numerusform>
            <numerusform>Odczytano %1 elementów z przecinkiem dziesiętnym (pierwszy: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>Odczytano %1 element z kropką dziesiętną (pierwszy: %2)</numerusform>
            <numerusform>Odczytano %1 elementy z kropką dziesiętną (pierwszy: %2)</numerusform>
            <numerusform>Odczytano %1 elementów z kropką dziesiętną (pierwszy: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from %2</source>
        <translation>
            <numerusform>Dodano %1 liczbę (źródło: %2)</numerusform>
            <numerusform>Dodano %1 liczby (źródło: %2)</numerusform>
            <numerusform>Dodano %1 liczb (źródło: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the clipboard</source>
        <translation>
            <numerusform>Dodano %1 liczbę ze schowka</numerusform>
            <numerusform>Dodano %1 liczby ze schowka</numerusform>
            <numerusform>Dodano %1 liczb ze schowka</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the dropped text</source>
        <translation>
            <numerusform>Dodano %1 liczbę z upuszczonego tekstu</numerusform>
            <numerusform>Dodano %1 liczby z upuszczonego tekstu</numerusform>
            <numerusform>Dodano %1 liczb z upuszczonego tekstu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers</source>
        <translation>
            <numerusform>Dodano %1 liczbę</numerusform>
            <numerusform>Dodano %1 liczby</numerusform>
            <numerusform>Dodano %1 liczb</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were not numbers</source>
        <translation>
            <numerusform>%1 wiersz nie był liczbą</numerusform>
            <numerusform>%1 wiersze nie były liczbami</numerusform>
            <numerusform>%1 wierszy nie było liczbami</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were not numbers</source>
        <translation>
            <numerusform>%1 element nie był liczbą</numerusform>
            <numerusform>%1 elementy nie były liczbami</numerusform>
            <numerusform>%1 elementów nie było liczbami</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no numbers</source>
        <translation>%1 nie zawiera liczb</translation>
    </message>
    <message>
        <source>The file holds no numbers</source>
        <translation>Plik nie zawiera liczb</translation>
    </message>
    <message>
        <source>The %1 hold no numbers</source>
        <translation>%1 — brak w nich liczb</translation>
    </message>
    <message>
        <source>The clipboard holds no numbers</source>
        <translation>Schowek nie zawiera liczb</translation>
    </message>
    <message>
        <source>The dropped text holds no numbers</source>
        <translation>Upuszczony tekst nie zawiera liczb</translation>
    </message>
    <message>
        <source>The answer holds no numbers</source>
        <translation>Odpowiedź nie zawiera liczb</translation>
    </message>
    <message>
        <source>their only line is not a number in this locale</source>
        <translation>ich jedyny wiersz nie jest liczbą w bieżących ustawieniach regionalnych</translation>
    </message>
    <message>
        <source>its only line is not a number in this locale</source>
        <translation>jedyny wiersz nie jest liczbą w bieżących ustawieniach regionalnych</translation>
    </message>
    <message>
        <source>its only item is not a number in this locale</source>
        <translation>jedyny element nie jest liczbą w bieżących ustawieniach regionalnych</translation>
    </message>
    <message numerus="yes">
        <source>their %1 lines are not numbers in this locale</source>
        <translation>
            <numerusform>ich %1 wiersz nie jest liczbą w bieżących ustawieniach regionalnych</numerusform>
            <numerusform>żaden z ich %1 wierszy nie jest liczbą w bieżących ustawieniach regionalnych</numerusform>
            <numerusform>żaden z ich %1 wierszy nie jest liczbą w bieżących ustawieniach regionalnych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 lines are not numbers in this locale</source>
        <translation>
            <numerusform>%1 wiersz nie jest liczbą w bieżących ustawieniach regionalnych</numerusform>
            <numerusform>żaden z %1 wierszy nie jest liczbą w bieżących ustawieniach regionalnych</numerusform>
            <numerusform>żaden z %1 wierszy nie jest liczbą w bieżących ustawieniach regionalnych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 items are not numbers in this locale</source>
        <translation>
            <numerusform>%1 element nie jest liczbą w bieżących ustawieniach regionalnych</numerusform>
            <numerusform>żaden z %1 elementów nie jest liczbą w bieżących ustawieniach regionalnych</numerusform>
            <numerusform>żaden z %1 elementów nie jest liczbą w bieżących ustawieniach regionalnych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries</source>
        <translation>
            <numerusform>%1 wpis</numerusform>
            <numerusform>%1 wpisy</numerusform>
            <numerusform>%1 wpisów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the %1 sample numbers.</source>
        <translation>
            <numerusform>Dodano %1 przykładową liczbę.</numerusform>
            <numerusform>Dodano %1 przykładowe liczby.</numerusform>
            <numerusform>Dodano %1 przykładowych liczb.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers were added</source>
        <translation>
            <numerusform>%1 liczba została dodana</numerusform>
            <numerusform>%1 liczby zostały dodane</numerusform>
            <numerusform>%1 liczb zostało dodanych</numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped part-way through the text; %1.</source>
        <translation>Upuszczanie przerwano w trakcie odczytu tekstu; %1.</translation>
    </message>
    <message>
        <source>Pasting was stopped part-way through the text; %1.</source>
        <translation>Wklejanie przerwano w trakcie odczytu tekstu; %1.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>1 entry is not a number and counts as %1: %2.</source>
        <translation>1 wpis nie jest liczbą i jest traktowany jako %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers and count as %2: %3.</source>
        <translation>
            <numerusform>%1 wpis nie jest liczbą i jest traktowany jako %2: %3.</numerusform>
            <numerusform>%1 wpisy nie są liczbami i są traktowane jako %2: %3.</numerusform>
            <numerusform>%1 wpisów nie jest liczbami; są one traktowane jako %2: %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers; the first %2 count as %3: %4.</source>
        <translation>
            <numerusform>%1 wpis nie jest liczbą; pierwsze z nich (%2) są traktowane jako %3: %4.</numerusform>
            <numerusform>%1 wpisy nie są liczbami; pierwsze z nich (%2) są traktowane jako %3: %4.</numerusform>
            <numerusform>%1 wpisów nie jest liczbami; pierwsze z nich (%2) są traktowane jako %3: %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>Odczytano %1 komórkę z przecinkiem dziesiętnym (pierwsza: %2)</numerusform>
            <numerusform>Odczytano %1 komórki z przecinkiem dziesiętnym (pierwsza: %2)</numerusform>
            <numerusform>Odczytano %1 komórek z przecinkiem dziesiętnym (pierwsza: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>Odczytano %1 komórkę z kropką dziesiętną (pierwsza: %2)</numerusform>
            <numerusform>Odczytano %1 komórki z kropką dziesiętną (pierwsza: %2)</numerusform>
            <numerusform>Odczytano %1 komórek z kropką dziesiętną (pierwsza: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from column %2 of %3</source>
        <translation>
            <numerusform>Dodano %1 liczbę z kolumny %2 (%3)</numerusform>
            <numerusform>Dodano %1 liczby z kolumny %2 (%3)</numerusform>
            <numerusform>Dodano %1 liczb z kolumny %2 (%3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were not numbers</source>
        <translation>
            <numerusform>%1 komórka nie była liczbą</numerusform>
            <numerusform>%1 komórki nie były liczbami</numerusform>
            <numerusform>%1 komórek nie było liczbami</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1 of %2 holds no numbers</source>
        <translation>Kolumna %1 (%2) nie zawiera liczb</translation>
    </message>
    <message>
        <source>its only cell is not a number in this locale</source>
        <translation>jedyna komórka nie jest liczbą w bieżących ustawieniach regionalnych</translation>
    </message>
    <message numerus="yes">
        <source>its %1 cells are not numbers in this locale</source>
        <translation>
            <numerusform>%1 komórka nie jest liczbą w bieżących ustawieniach regionalnych</numerusform>
            <numerusform>żadna z %1 komórek nie jest liczbą w bieżących ustawieniach regionalnych</numerusform>
            <numerusform>żadna z %1 komórek nie jest liczbą w bieżących ustawieniach regionalnych</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Analyser</name>
    <message>
        <source>standard input</source>
        <translation>standardowe wejście</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: &quot;%2&quot;)</source>
        <translation>
            <numerusform>Odczytano %1 wiersz z przecinkiem dziesiętnym (pierwszy: „%2”)</numerusform>
            <numerusform>Odczytano %1 wiersze z przecinkiem dziesiętnym (pierwszy: „%2”)</numerusform>
            <numerusform>Odczytano %1 wierszy z przecinkiem dziesiętnym (pierwszy: „%2”)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: &quot;%2&quot;)</source>
        <translation>
            <numerusform>Odczytano %1 wiersz z kropką dziesiętną (pierwszy: „%2”)</numerusform>
            <numerusform>Odczytano %1 wiersze z kropką dziesiętną (pierwszy: „%2”)</numerusform>
            <numerusform>Odczytano %1 wierszy z kropką dziesiętną (pierwszy: „%2”)</numerusform>
        </translation>
    </message>
    <message>
        <source>an entry</source>
        <translation>wpis</translation>
    </message>
    <message>
        <source>the number of entries</source>
        <translation>liczba wpisów</translation>
    </message>
    <message>
        <source>the sum</source>
        <translation>suma</translation>
    </message>
    <message>
        <source>the sum squared</source>
        <translation>kwadrat sumy</translation>
    </message>
    <message>
        <source>the sum of squares</source>
        <translation>suma kwadratów</translation>
    </message>
    <message>
        <source>the mode</source>
        <translation>dominanta</translation>
    </message>
    <message>
        <source>the median</source>
        <translation>mediana</translation>
    </message>
    <message>
        <source>the mean</source>
        <translation>średnia</translation>
    </message>
    <message>
        <source>the variance</source>
        <translation>wariancja</translation>
    </message>
    <message>
        <source>the skew</source>
        <translation>skośność</translation>
    </message>
    <message>
        <source>the average deviation</source>
        <translation>odchylenie przeciętne</translation>
    </message>
    <message>
        <source>the standard deviation</source>
        <translation>odchylenie standardowe</translation>
    </message>
    <message>
        <source>the coefficient of variation</source>
        <translation>współczynnik zmienności</translation>
    </message>
    <message>
        <source>its lines hold fields separated by &apos;%1&apos;; choose a column with --field N, or --header and --field NAME</source>
        <translation>jego wiersze zawierają pola rozdzielone znakiem „%1”; wybierz kolumnę opcją --field N lub opcjami --header i --field NAME</translation>
    </message>
    <message>
        <source>cannot read the folder</source>
        <translation>nie można odczytać katalogu</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines are longer than %2 bytes and are each read as their first %2 bytes</source>
        <translation>
            <numerusform>%1 wiersz jest dłuższy niż %2 B i odczytano z niego tylko pierwsze %2 B</numerusform>
            <numerusform>%1 wiersze są dłuższe niż %2 B i z każdego odczytano tylko pierwsze %2 B</numerusform>
            <numerusform>%1 wierszy jest dłuższych niż %2 B i z każdego odczytano tylko pierwsze %2 B</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>nie można zapisać: %1</translation>
    </message>
    <message>
        <source>the help</source>
        <translation>tekst pomocy</translation>
    </message>
    <message>
        <source>the version</source>
        <translation>informacje o wersji</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>wyniki</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>brak pamięci</translation>
    </message>
    <message>
        <source>field %1</source>
        <translation>pole %1</translation>
    </message>
    <message>
        <source>the column &apos;%1&apos;</source>
        <translation>kolumna „%1”</translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the record is skipped</source>
        <translation>
            <numerusform>%1 pole, za mało dla: %2; rekord pominięto</numerusform>
            <numerusform>%1 pola, za mało dla: %2; rekord pominięto</numerusform>
            <numerusform>%1 pól, za mało dla: %2; rekord pominięto</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation>pole w cudzysłowie rozpoczęte tutaj nie zostało zamknięte przed końcem pliku; pominięto je</translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields skipped</source>
        <translation>
            <numerusform>pominięto jeszcze %1 rekord ze zbyt małą liczbą pól</numerusform>
            <numerusform>pominięto jeszcze %1 rekordy ze zbyt małą liczbą pól</numerusform>
            <numerusform>pominięto jeszcze %1 rekordów ze zbyt małą liczbą pól</numerusform>
        </translation>
    </message>
    <message>
        <source>the delimiter must be an ASCII character</source>
        <translation>separator musi być znakiem ASCII</translation>
    </message>
    <message>
        <source>the delimiter must be one character</source>
        <translation>separator musi być pojedynczym znakiem</translation>
    </message>
    <message>
        <source>the quote cannot be the delimiter</source>
        <translation>cudzysłów nie może być separatorem</translation>
    </message>
    <message>
        <source>a line end cannot be the delimiter</source>
        <translation>znak końca wiersza nie może być separatorem</translation>
    </message>
    <message>
        <source>not a number of decimal places</source>
        <translation>to nie jest prawidłowa liczba miejsc dziesiętnych</translation>
    </message>
    <message>
        <source>decimal places run from %1 to %2</source>
        <translation>liczba miejsc dziesiętnych musi wynosić od %1 do %2</translation>
    </message>
    <message>
        <source>no table has that many columns</source>
        <translation>żadna tabela nie ma tylu kolumn</translation>
    </message>
    <message>
        <source>columns are numbered from 1</source>
        <translation>kolumny są numerowane od 1</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a column number or name</source>
        <translation>opcja „%1” wymaga numeru lub nazwy kolumny</translation>
    </message>
    <message>
        <source>not a column number; a column name needs --header</source>
        <translation>to nie jest numer kolumny; nazwa kolumny wymaga opcji --header</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Polecenie „%1 --help” wyświetli więcej informacji.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>opcja „%1” wymaga wartości</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (use text, tsv or json)</source>
        <translation>nieznany format „%1” (dostępne: text, tsv lub json)</translation>
    </message>
    <message>
        <source>%1 takes no PATH</source>
        <translation>%1 nie przyjmuje argumentu PATH</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2</source>
        <translation>opcja „%1” wymaga: %2</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 nie przyjmuje: %2</translation>
    </message>
    <message>
        <source>it is a spreadsheet; choose a column of its first sheet with --field N, or --header and --field NAME (and --sheet for another sheet)</source>
        <translation>to arkusz kalkulacyjny; wybierz kolumnę z jego pierwszego arkusza za pomocą --field N albo --header i --field NAME (i --sheet dla innego arkusza)</translation>
    </message>
    <message>
        <source>a workbook of the old .xls form cannot be read; save it as .xlsx or .ods</source>
        <translation>nie można odczytać skoroszytu w starym formacie .xls; zapisz go jako .xlsx lub .ods</translation>
    </message>
    <message>
        <source>the workbook is protected by a password; save it without one</source>
        <translation>skoroszyt jest chroniony hasłem; zapisz go bez hasła</translation>
    </message>
    <message>
        <source>the spreadsheet has no sheet &apos;%1&apos;</source>
        <translation>arkusz kalkulacyjny nie ma arkusza „%1”</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: it lacks %1</source>
        <translation>arkusz kalkulacyjny jest uszkodzony: brak %1</translation>
    </message>
    <message>
        <source>a zip archive that holds no spreadsheet (.ods or .xlsx)</source>
        <translation>archiwum zip, które nie zawiera arkusza kalkulacyjnego (.ods ani .xlsx)</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged or cut short</source>
        <translation>arkusz kalkulacyjny jest uszkodzony lub obcięty</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: %1</source>
        <translation>arkusz kalkulacyjny jest uszkodzony: %1</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: sheets are numbered from 1</source>
        <translation>%1 „%2”: arkusze są numerowane od 1</translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the fields it has are read</source>
        <translation>
            <numerusform>%1 pole, za mało dla %2; odczytywane są pola, które są</numerusform>
            <numerusform>%1 pola, za mało dla %2; odczytywane są pola, które są</numerusform>
            <numerusform>%1 pól, za mało dla %2; odczytywane są pola, które są</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields</source>
        <translation>
            <numerusform>%1 kolejny rekord ze zbyt małą liczbą pól</numerusform>
            <numerusform>%1 kolejne rekordy ze zbyt małą liczbą pól</numerusform>
            <numerusform>%1 kolejnych rekordów ze zbyt małą liczbą pól</numerusform>
        </translation>
    </message>
    <message>
        <source>a confidence level runs from 50 to 99.9 (percent)</source>
        <translation>poziom ufności wynosi od 50 do 99.9 (procent)</translation>
    </message>
    <message>
        <source>the share trimmed from each end is at least 0 and below 0.5</source>
        <translation>część odcinana z każdego końca wynosi co najmniej 0 i mniej niż 0.5</translation>
    </message>
    <message>
        <source>percentiles run from 0 to 100</source>
        <translation>percentyle wynoszą od 0 do 100</translation>
    </message>
    <message>
        <source>use one of %1, or a number from 1 to 9</source>
        <translation>użyj jednej z %1 lub liczby od 1 do 9</translation>
    </message>
    <message>
        <source> (and %1)</source>
        <extracomment>%1 is the option to add, such as --delimiter &apos;,&apos;.</extracomment>
        <translation> (oraz %1)</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the encoding must be one of %3</source>
        <translation>%1 „%2”: kodowanie musi być jednym z %3</translation>
    </message>
</context>
<context>
    <name>Analysis</name>
    <message>
        <source>You forgot to input numbers.</source>
        <translation>Nie wprowadzono żadnych liczb.</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>Analyses a list of numbers as &quot;Start Analysis&quot; does in %1 and writes
the twelve results (with %2, further statistics after them).</source>
        <extracomment>%1 is the program&apos;s name, %2 an option. &quot;Start Analysis&quot; is the window&apos;s button. Wrap at 80 columns.</extracomment>
        <translation>Analizuje listę liczb tak jak przycisk „Rozpocznij analizę” w %1
i wypisuje dwanaście wyników (a z opcją %2 po nich dalsze statystyki).</translation>
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
        <translation>Każda ścieżka %1 jest odczytywana tak, jakby została upuszczona na listę
liczb: plik jako plik listy (jedna liczba w wierszu, inne wiersze są
pomijane), a katalog jest przeglądany i odczytywane są jego pliki. „%2”
oznacza standardowe wejście, odczytywane jako jeden plik listy w miejscu,
w którym stoi wśród ścieżek %1; gdy nie podano żadnej ścieżki %1,
odczytywane jest standardowe wejście. To, czego nie można odczytać (plik
lub katalog w drzewie ścieżki %1, którego zawartości nie da się
wyświetlić), jest zgłaszane na standardowym wyjściu błędów, po jednym
wierszu: „%3: %1: przyczyna”; reszta jest odczytywana,
a kod wyjścia wynosi 1.</translation>
    </message>
    <message>
        <source>With %1, every file (and standard input) is read as a table instead:
the field of that column in each record is read as a line of a list file.
With any delimiter but the tab, fields may be quoted as in CSV (RFC 4180).
A record with too few fields is told, &apos;%2: %3: line N: ...&apos;,
and skipped. %1 cannot be given with %4.</source>
        <extracomment>%1 and %4 are options, %2 the program&apos;s name, %3 PATH; &quot;line N&quot; as the program&apos;s own message says it. Wrap at 80 columns.</extracomment>
        <translation>Z opcją %1 każdy plik (i standardowe wejście) jest odczytywany jako
tabela: pole z tej kolumny w każdym rekordzie jest odczytywane jak wiersz
pliku listy. Przy każdym separatorze poza tabulatorem pola mogą być ujęte
w cudzysłów jak w CSV (RFC 4180). Rekord ze zbyt małą liczbą pól jest
zgłaszany, „%2: %3: wiersz N: ...”, i pomijany.
Opcji %1 nie można podać razem z %4.</translation>
    </message>
    <message>
        <source>each line of %1 is one entry, verbatim, as if typed
(standard input when %1 is absent or &apos;%2&apos;); no %3s</source>
        <extracomment>Options&apos; descriptions start at column 21 (column 20 in the window&apos;s help); wrap them at 80 columns. %1 is FILE, %2 the name &apos;-&apos; for standard input, %3 PATH.</extracomment>
        <translation>każdy wiersz pliku %1 jest jednym wpisem, dosłownie, tak
jakby został wpisany (standardowe wejście, gdy nie podano
%1 lub podano „%2”); bez ścieżek %3</translation>
    </message>
    <message>
        <source>read column %1 (from 1) of table files, or the column
whose header cell is %2 (needs %3)</source>
        <extracomment>%1 and %2 are the argument words N and NAME, %3 an option.</extracomment>
        <translation>odczytuje kolumnę %1 (licząc od 1) z plików tabel lub
kolumnę, której nagłówek to %2 (wymaga %3)</translation>
    </message>
    <message>
        <source>the character between fields (default: tab; &apos;%1&apos; for a
tab); with %2</source>
        <extracomment>%1 is a backslash and the letter t (a tab), %2 an option.</extracomment>
        <translation>znak rozdzielający pola (domyślnie tabulator; „%1”
oznacza tabulator); z opcją %2</translation>
    </message>
    <message>
        <source>the first line names the columns and is skipped;
with %1</source>
        <translation>pierwszy wiersz zawiera nazwy kolumn i jest pomijany;
z opcją %1</translation>
    </message>
    <message>
        <source>sample variance and deviations (the default)</source>
        <translation>wariancja i odchylenia dla próby (domyślnie)</translation>
    </message>
    <message>
        <source>population variance and deviations</source>
        <translation>wariancja i odchylenia dla populacji</translation>
    </message>
    <message>
        <source>decimal places, as typed in the window, at most 10
(default 3, and every digit in %1 and %2)</source>
        <extracomment>%1 and %2 are the formats tsv and json.</extracomment>
        <translation>liczba miejsc dziesiętnych, wpisywana jak w oknie, do 10
(domyślnie 3, a w formatach %1 i %2 wszystkie cyfry)</translation>
    </message>
    <message>
        <source>show all decimals as the window does (a value its ten
decimals would show as 0 or with fewer than four
significant digits with 15); every digit in %1 and
%2 (%3 is ignored)</source>
        <extracomment>%1 and %2 are the formats tsv and json, %3 an option.</extracomment>
        <translation>wszystkie miejsca dziesiętne, tak jak w oknie (wartość,
którą dziesięć miejsc pokazałoby jako 0 lub z mniej
niż czterema cyframi znaczącymi, ma ich 15); w formatach
%1 i %2 wszystkie cyfry (opcja %3 jest pomijana)</translation>
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
        <translation>%1: wiersze tak, jak pokazuje je okno (domyślnie);
%2: jeden wiersz „klucz&lt;TAB&gt;wartość” na każdy wynik;
%3: jeden obiekt ze wszystkimi wynikami;
%2 i %3 zapisują „.” jako separator dziesiętny
i wszystkie cyfry każdej wartości (najkrótszy tekst,
który po odczytaniu daje tę samą wartość typu
double), chyba że podano %4</translation>
    </message>
    <message>
        <source>the time taken to read and for each row, on standard error</source>
        <translation>czas odczytu i obliczania każdego wiersza, wypisywany
na standardowe wyjście błędów</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>wyświetla tę pomoc i kończy działanie</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>wyświetla wersję i kończy działanie</translation>
    </message>
    <message>
        <source>end of the options: every argument after it is a %1</source>
        <extracomment>%1 is PATH.</extracomment>
        <translation>koniec opcji: każdy argument po nim jest ścieżką %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>%1 and %2 are accepted
too. The keys of %3 and %4: %5, and with %6 %7 (the last two not with %8);
see %9.</source>
        <extracomment>%1 and %2 are options, %3 and %4 format names, %6 and %8 options, %9 the manual page. %5 and %7 are the lists of keys, three lines each as in English: start a line before them when they do not fit. Wrap at 80 columns.</extracomment>
        <translation>Przyjmowane są również zapisy %1
i %2. Klucze formatów %3 i %4:
%5, a z opcją %6 także %7 (bez dwóch ostatnich przy %8);
zob. %9.</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Kod wyjścia:</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>An exit status&apos;s description: it starts at column 6; wrap at 80 columns.</extracomment>
        <translation>zakończono pomyślnie</translation>
    </message>
    <message>
        <source>no numbers, a path that could not be read, or the output failed
(also a quoted field left open at the end of a table, and with %1
a record with too few fields; the results are still written);
out of memory (&apos;%2: %3&apos;, and no results)</source>
        <extracomment>Starts at column 6; wrap at 80 columns. %1 is an option, %2 the program&apos;s name, %3 its message when out of memory.</extracomment>
        <translation>brak liczb, ścieżka, której nie udało się odczytać, lub błąd
wypisania wyników (także pole w cudzysłowie niezamknięte do końca
tabeli, a z opcją %1 rekord ze zbyt małą liczbą pól; wyniki są
mimo to wypisywane);
brak pamięci („%2: %3”, bez wyników)</translation>
    </message>
    <message>
        <source>usage error</source>
        <translation>błąd wywołania</translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation>Kalkulator statystyki opisowej dla pulpitu.</translation>
    </message>
    <message>
        <source>Each %1 is read when the window has opened, in order, exactly as if it had been
dropped on the number list: a file as a list file (one number per line), a folder
with every list file in it and in its sub-folders.</source>
        <extracomment>%1 is PATH, as in the usage line. Wrap the lines at 80 columns.</extracomment>
        <translation>Każda ścieżka %1 jest odczytywana po otwarciu okna, po kolei, dokładnie
tak, jakby została upuszczona na listę liczb: plik jako plik listy (jedna
liczba w wierszu), a katalog wraz z każdym plikiem listy w nim i w jego
podkatalogach.</translation>
    </message>
    <message>
        <source>end of the options: every later argument is a %1</source>
        <extracomment>Starts at column 20 as the other options&apos; descriptions do; wrap at 80 columns. %1 is PATH.</extracomment>
        <translation>koniec opcji: każdy kolejny argument jest ścieżką %1</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as %1 or %2, are taken as well.
The method and decimal options are kept in %3
(%4 by default). See %5 and
%6 for the analysis without a window.</source>
        <extracomment>%1 and %2 are Qt&apos;s options, %3 and %4 the settings file, %5 and %6 the manual pages. Wrap the lines at 80 columns.</extracomment>
        <translation>Przyjmowane są również opcje samego Qt, takie jak %1
i %2. Opcje metody i miejsc dziesiętnych są przechowywane w pliku
%3 (domyślnie %4).
Zob. %5 oraz %6 (analiza bez okna).</translation>
    </message>
    <message>
        <source>With several columns (%1 with commas, %2) or with %3,
each column and group is analysed on its own: text writes a block for each,
headed by its name (&apos;weight&apos;, &apos;field 2&apos;, &apos;weight: A&apos;), tsv a line per key with
a value for each, json an array of objects {&quot;column&quot;, &quot;group&quot;, keys...}. One
of no numbers says so in its place, and the exit status is 1.</source>
        <extracomment>%1 to %3 are options. Wrap at 80 columns.</extracomment>
        <translation>Przy kilku kolumnach (%1 z przecinkami, %2) lub z %3
każda kolumna i grupa jest analizowana osobno: text wypisuje blok dla każdej,
pod jej nazwą („weight”, „pole 2”, „weight: A”), tsv wiersz na klucz z
wartością dla każdej, json tablicę obiektów {&quot;column&quot;, &quot;group&quot;, klucze...}.
Kolumna bez liczb mówi to w swoim miejscu, a kod wyjścia to 1.</translation>
    </message>
    <message>
        <source>several columns, each analysed on its own
(%1 or %2, or the option given again);
a comma and a space belong to a name</source>
        <extracomment>%1 and %2 are examples of the option&apos;s value, kept as they are.</extracomment>
        <translation>kilka kolumn, każda analizowana osobno
(%1 lub %2, lub opcja podana ponownie);
przecinek ze spacją należy do nazwy</translation>
    </message>
    <message>
        <source>every column that holds a number, each on its own
(but the column of %1)</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>każda kolumna zawierająca liczbę, każda osobno
(oprócz kolumny z %1)</translation>
    </message>
    <message>
        <source>analyse each column&apos;s records by groups: one group
per text of column %1 (a number, or a name with %2),
in the order first met; with %3 or %4</source>
        <extracomment>%1 is the argument word COL, %2 to %4 options.</extracomment>
        <translation>analizuje rekordy każdej kolumny w grupach: jedna
grupa na każdy tekst kolumny %1 (numer albo nazwa
z %2), w kolejności pierwszego wystąpienia; z %3
lub %4</translation>
    </message>
    <message>
        <source>the sheet of spreadsheets (.ods, .xlsx) to read: its
number %1 from 1 or its name (default: the first);
with %2</source>
        <extracomment>%1 is the argument word N, %2 an option.</extracomment>
        <translation>arkusz do odczytania z arkuszy kalkulacyjnych (.ods,
.xlsx): jego numer %1 od 1 lub nazwa (domyślnie
pierwszy); z %2</translation>
    </message>
    <message>
        <source>with %1: exit status 1 when a record had too few
fields for a column (or for that of %2); with
several columns, such records are told only then,
and the fields they have are read</source>
        <extracomment>%1 and %2 are options.</extracomment>
        <translation>z %1: kod wyjścia 1, gdy rekord miał za mało pól
dla kolumny (lub dla kolumny %2); przy kilku
kolumnach takie rekordy są zgłaszane tylko wtedy,
a ich istniejące pola są odczytywane</translation>
    </message>
    <message>
        <source>after the twelve rows: the minimum, maximum, range,
quartiles, interquartile range, kurtosis, standard
error of the mean and (sample only) the mean&apos;s 95 %
confidence interval, rounded as the mean is; then the
geometric, harmonic and trimmed mean, the median
absolute deviation (raw and times 1.4826) and the
median&apos;s confidence interval with its actual coverage</source>
        <translation>po dwunastu wierszach: minimum, maksimum, rozstęp,
kwartyle, rozstęp międzykwartylowy, kurtoza, błąd
standardowy średniej i (tylko dla próby) 95% przedział
ufności średniej, zaokrąglone jak średnia; następnie
średnia geometryczna, harmoniczna i ucinana, medianowe
odchylenie bezwzględne (surowe i razy 1,4826) oraz
przedział ufności mediany z jego rzeczywistym pokryciem</translation>
    </message>
    <message>
        <source>the level of both confidence intervals, in percent,
from 50 to 99.9 (default 95); with %1</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>poziom obu przedziałów ufności w procentach,
od 50 do 99.9 (domyślnie 95); z opcją %1</translation>
    </message>
    <message>
        <source>the share the trimmed mean cuts from each end, at
least 0 and below 0.5 (default 0.05); with %1</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>część, którą średnia ucinana odcina z każdego końca,
co najmniej 0 i poniżej 0.5 (domyślnie 0.05); z opcją
%1</translation>
    </message>
    <message>
        <source>a row for each percentile from 0 to 100 (%1, or
%2), by the method of %3</source>
        <extracomment>%1 and %2 are examples of the option&apos;s value, kept as they are; %3 an option.</extracomment>
        <translation>wiersz dla każdego percentyla od 0 do 100 (%1 lub
%2), metodą wybraną przez %3</translation>
    </message>
    <message>
        <source>how percentiles and quartiles are placed: R&apos;s type
1 to 9, or its name (%1, the default, is type 7;
%2 is type 6); a row names the method</source>
        <extracomment>%1 and %2 are method names, kept as they are.</extracomment>
        <translation>jak wyznaczane są percentyle i kwartyle: typ R od
1 do 9 lub jego nazwa (%1, domyślna, to typ 7;
%2 to typ 6); jeden wiersz podaje metodę</translation>
    </message>
    <message>
        <source>Shapiro-Wilk&apos;s W (3 to 5000 numbers) and D&apos;Agostino
and Pearson&apos;s K², each with its p-value and a plain
reading at the 5 % level</source>
        <translation>W Shapiro-Wilka (od 3 do 5000 liczb) oraz K²
D&apos;Agostino i Pearsona, każda z wartością p i prostym
odczytem na poziomie 5 %</translation>
    </message>
    <message>
        <source>after the rows, how many numbers there are of each
value (up to 50 values) or in each bin of a
histogram, in percent and cumulated</source>
        <translation>po wierszach: ile liczb jest o każdej wartości (do
50 wartości) lub w każdym przedziale histogramu,
w procentach i narastająco</translation>
    </message>
    <message>
        <source>After them, with %1: %2;
with %3: %4;
with %5: %6;
with %7: %8.
At a level other than 95 %, ci95_low and ci95_high are ciLEVEL_low and
ciLEVEL_high.</source>
        <extracomment>%1, %3, %5 and %7 are options, %2, %4, %6 and %8 lists of keys (LEVEL and P stand for the figures given, as in ci90_low and p97.5). Wrap at 80 columns.</extracomment>
        <translation>Następnie z opcją %1: %2;
z %3: %4;
z %5: %6;
z %7: %8.
Przy poziomie innym niż 95 % klucze ci95_low i ci95_high to ciLEVEL_low i
ciLEVEL_high.</translation>
    </message>
    <message>
        <source>the encoding of delimited text: %1,
%2 or %3
(default: each file&apos;s by its first bytes, as the
window&apos;s table dialog chooses it); with %4</source>
        <extracomment>%1 to %3 are the encodings&apos; names, %4 an option.</extracomment>
        <translation>kodowanie tekstu z separatorami: %1,
%2 lub %3
(domyślnie: każdego pliku według jego pierwszych bajtów,
jak wybiera je okno tabeli); z opcją %4</translation>
    </message>
</context>
<context>
    <name>ComparePicture</name>
    <message>
        <source>no numbers</source>
        <translation>brak liczb</translation>
    </message>
    <message>
        <source>No list has numbers.</source>
        <translation>Żadna lista nie zawiera liczb.</translation>
    </message>
    <message>
        <source>Box plots on one axis.</source>
        <translation>Wykresy pudełkowe na jednej osi.</translation>
    </message>
    <message>
        <source>Histograms and box plots over one span.</source>
        <translation>Histogramy i wykresy pudełkowe w jednym zakresie.</translation>
    </message>
    <message>
        <source>%1: no numbers.</source>
        <translation>%1: brak liczb.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, first quartile %4, median %5, third quartile %6.</source>
        <translation>%1: od %2 do %3, pierwszy kwartyl %4, mediana %5, trzeci kwartyl %6.</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Porównanie</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Box plots</source>
        <translation>Wykresy pudełkowe</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolumna %1</translation>
    </message>
    <message>
        <source>Compare — Tallowmere</source>
        <translation>Porównanie — Tallowmere</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Plik CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Skoroszyt programu Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>The number list is busy. Send the numbers again when the work in hand has finished.</source>
        <translation>Lista liczb jest zajęta. Wyślij liczby ponownie, gdy bieżąca operacja się zakończy.</translation>
    </message>
</context>
<context>
    <name>CompareWorkbook</name>
    <message>
        <source>the workbook could not be made</source>
        <translation>nie można utworzyć skoroszytu</translation>
    </message>
    <message>
        <source>this build cannot write workbook files</source>
        <translation>ta kompilacja programu nie potrafi zapisywać plików skoroszytów</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Application Error</source>
        <translation>Błąd programu</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.ods *.xlsx)</source>
        <translation>Tabele (*.csv *.tsv *.ods *.xlsx)</translation>
    </message>
</context>
<context>
    <name>DistributionLink</name>
    <message>
        <source>No analysis has been run yet. Run one now and show the distribution of its numbers?</source>
        <translation>Nie przeprowadzono jeszcze analizy. Przeprowadzić ją teraz i pokazać rozkład jej liczb?</translation>
    </message>
</context>
<context>
    <name>DistributionPicture</name>
    <message>
        <source>No numbers analysed yet.</source>
        <translation>Nie przeanalizowano jeszcze żadnych liczb.</translation>
    </message>
    <message>
        <source>%1 beyond</source>
        <translation>%1 poza zakresem</translation>
    </message>
    <message>
        <source>Numbers per bin (%1 bins)</source>
        <translation>Liczby w przedziale (przedziały: %1)</translation>
    </message>
    <message>
        <source>Normal curve</source>
        <translation>Krzywa normalna</translation>
    </message>
    <message>
        <source>Mean %1</source>
        <translation>Średnia %1</translation>
    </message>
    <message>
        <source>Median %1</source>
        <translation>Mediana %1</translation>
    </message>
    <message numerus="yes">
        <source>Histogram and box plot of %1 numbers from %2 to %3; first quartile %4, median %5, third quartile %6.</source>
        <translation>
            <numerusform>Histogram i wykres pudełkowy %1 liczby od %2 do %3; pierwszy kwartyl %4, mediana %5, trzeci kwartyl %6.</numerusform>
            <numerusform>Histogram i wykres pudełkowy %1 liczb od %2 do %3; pierwszy kwartyl %4, mediana %5, trzeci kwartyl %6.</numerusform>
            <numerusform>Histogram i wykres pudełkowy %1 liczb od %2 do %3; pierwszy kwartyl %4, mediana %5, trzeci kwartyl %6.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %1 values lie beyond the whiskers.</source>
        <translation>
            <numerusform> %1 wartość leży poza wąsami.</numerusform>
            <numerusform> %1 wartości leżą poza wąsami.</numerusform>
            <numerusform> %1 wartości leży poza wąsami.</numerusform>
        </translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Rozkład</translation>
    </message>
    <message>
        <source>the drawing failed</source>
        <translation>rysowanie się nie powiodło</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>nie można zakodować obrazu</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Liczność</translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers</source>
        <translation>
            <numerusform>%1 liczba</numerusform>
            <numerusform>%1 liczby</numerusform>
            <numerusform>%1 liczb</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>%1 do %2: %3</translation>
    </message>
    <message numerus="yes">
        <source> %1 bins: </source>
        <translation>
            <numerusform> %1 przedział: </numerusform>
            <numerusform> %1 przedziały: </numerusform>
            <numerusform> %1 przedziałów: </numerusform>
        </translation>
    </message>
    <message>
        <source>the fullest %1.</source>
        <translation>najliczniejszy %1.</translation>
    </message>
    <message>
        <source> The histogram leaves them out.</source>
        <translation> Histogram je pomija.</translation>
    </message>
</context>
<context>
    <name>DistributionRows</name>
    <message>
        <source>%1st percentile</source>
        <translation>%1. percentyl</translation>
    </message>
    <message>
        <source>%1nd percentile</source>
        <translation>%1. percentyl</translation>
    </message>
    <message>
        <source>%1rd percentile</source>
        <translation>%1. percentyl</translation>
    </message>
    <message>
        <source>%1th percentile</source>
        <translation>%1. percentyl</translation>
    </message>
    <message>
        <source>%1 % confidence interval, low</source>
        <translation>%1% przedział ufności, dolna granica</translation>
    </message>
    <message>
        <source>%1 % confidence interval, high</source>
        <translation>%1% przedział ufności, górna granica</translation>
    </message>
    <message>
        <source>Geometric mean</source>
        <translation>Średnia geometryczna</translation>
    </message>
    <message>
        <source>Harmonic mean</source>
        <translation>Średnia harmoniczna</translation>
    </message>
    <message>
        <source>%1 % trimmed mean</source>
        <translation>Średnia ucinana %1%</translation>
    </message>
    <message>
        <source>Median absolute deviation</source>
        <translation>Medianowe odchylenie bezwzględne</translation>
    </message>
    <message>
        <source>Scaled median absolute deviation</source>
        <translation>Skalowane medianowe odchylenie bezwzględne</translation>
    </message>
    <message>
        <source>Median&apos;s %1 % confidence interval, low</source>
        <translation>%1% przedział ufności mediany, dolna granica</translation>
    </message>
    <message>
        <source>Median&apos;s %1 % confidence interval, high</source>
        <translation>%1% przedział ufności mediany, górna granica</translation>
    </message>
    <message>
        <source>Median interval&apos;s actual coverage</source>
        <translation>Rzeczywiste pokrycie przedziału mediany</translation>
    </message>
    <message>
        <source>Quantile method</source>
        <translation>Metoda kwantyli</translation>
    </message>
</context>
<context>
    <name>DistributionSheet</name>
    <message numerus="yes">
        <source>Distribution of %1 numbers</source>
        <translation>
            <numerusform>Rozkład %1 liczby</numerusform>
            <numerusform>Rozkład %1 liczb</numerusform>
            <numerusform>Rozkład %1 liczb</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DistributionSource</name>
    <message>
        <source>Count</source>
        <translation>Liczebność</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Średnia</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Odchylenie standardowe</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maksimum</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rozstęp</translation>
    </message>
    <message>
        <source>First quartile</source>
        <translation>Pierwszy kwartyl</translation>
    </message>
    <message>
        <source>Third quartile</source>
        <translation>Trzeci kwartyl</translation>
    </message>
    <message>
        <source>Interquartile range</source>
        <translation>Rozstęp międzykwartylowy</translation>
    </message>
    <message>
        <source>Kurtosis</source>
        <translation>Kurtoza</translation>
    </message>
    <message>
        <source>Standard error of the mean</source>
        <translation>Błąd standardowy średniej</translation>
    </message>
    <message>
        <source>95 % confidence interval, low</source>
        <translation>95% przedział ufności, dolna granica</translation>
    </message>
    <message>
        <source>95 % confidence interval, high</source>
        <translation>95% przedział ufności, górna granica</translation>
    </message>
</context>
<context>
    <name>DistributionWindow</name>
    <message>
        <source>Distribution picture</source>
        <translation>Obraz rozkładu</translation>
    </message>
    <message>
        <source>Distribution — Tallowmere</source>
        <translation>Rozkład — Tallowmere</translation>
    </message>
    <message>
        <source>The number list has changed since this analysis. Press Start Analysis to show it as it is now.</source>
        <translation>Lista liczb zmieniła się od czasu tej analizy. Naciśnij „Rozpocznij analizę”, aby pokazać jej bieżący stan.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Obraz PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Obraz SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>DropFiles</name>
    <message>
        <source>not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
</context>
<context>
    <name>DropProgress</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 plik</numerusform>
            <numerusform>%1 pliki</numerusform>
            <numerusform>%1 plików</numerusform>
        </translation>
    </message>
    <message>
        <source>Collecting folders: %1</source>
        <translation>Zbieranie katalogów: %1</translation>
    </message>
    <message>
        <source>Collecting files: %1</source>
        <translation>Zbieranie plików: %1</translation>
    </message>
    <message>
        <source>Reading files: %1 of %2</source>
        <translation>Odczytywanie plików: %1 z %2</translation>
    </message>
    <message>
        <source>Reading the text: %1%</source>
        <translation>Odczytywanie tekstu: %1%</translation>
    </message>
    <message>
        <source>%1 — Esc to stop</source>
        <translation>%1 — Esc, aby przerwać</translation>
    </message>
    <message>
        <source>part-way through file %1 of %2</source>
        <translation>w trakcie odczytu pliku %1 z %2</translation>
    </message>
    <message>
        <source>after %1 of %2</source>
        <translation>po %1 z %2</translation>
    </message>
    <message>
        <source>Loading was stopped %1.</source>
        <translation>Wczytywanie przerwano %1.</translation>
    </message>
    <message>
        <source>The drop was stopped %1.</source>
        <translation>Upuszczanie przerwano %1.</translation>
    </message>
    <message>
        <source>no files were read</source>
        <translation>nie odczytano żadnych plików</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were read</source>
        <translation>
            <numerusform>odczytano %1 plik</numerusform>
            <numerusform>odczytano %1 pliki</numerusform>
            <numerusform>odczytano %1 plików</numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped while collecting folders; %1.</source>
        <translation>Upuszczanie przerwano podczas zbierania katalogów; %1.</translation>
    </message>
    <message>
        <source>The drop was stopped while collecting files; %1.</source>
        <translation>Upuszczanie przerwano podczas zbierania plików; %1.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Proszę wysłać zrzut ekranu tego komunikatu na adres </translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Results have been copied to the clipboard.<byte value="xd"/><byte value="xd"/>Click a text area where you normally type and press Ctrl+V to paste the clipboard.</source>
        <translation>Wyniki zostały skopiowane do schowka.<byte value="xd"/><byte value="xd"/>Kliknij pole tekstowe, w którym zwykle piszesz, i naciśnij Ctrl+V, aby wkleić zawartość schowka.</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this software without error.</source>
        <translation>Program Excel nie jest zainstalowany na tym komputerze. Aby korzystać z tego programu bez błędów, należy go zainstalować.</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this feature.</source>
        <translation>Program Excel nie jest zainstalowany na tym komputerze. Aby korzystać z tej funkcji, należy go zainstalować.</translation>
    </message>
    <message>
        <source>No result lines are ticked. Tick the lines to export, or press Ctrl+A in the results list to tick them all.</source>
        <translation>Nie zaznaczono żadnych wierszy wyników. Zaznacz wiersze do wyeksportowania lub naciśnij Ctrl+A na liście wyników, aby zaznaczyć wszystkie.</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>The file changed while it was read</source>
        <translation>Plik zmienił się podczas odczytu</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Paste Numbers</source>
        <translation>Wklej liczby</translation>
    </message>
    <message>
        <source>1 folder could not be read and was left out: %1 (%2).</source>
        <translation>Nie można odczytać 1 katalogu, więc go pominięto: %1 (%2).</translation>
    </message>
    <message>
        <source>The clipboard could not be read: the program that holds it did not answer.</source>
        <translation>Nie można odczytać schowka: program, który go przechowuje, nie odpowiedział.</translation>
    </message>
    <message>
        <source>Number list</source>
        <translation>Lista liczb</translation>
    </message>
    <message>
        <source>Add Number / Numbers</source>
        <translation>Dodaj liczbę / liczby</translation>
    </message>
    <message>
        <source>Load Numbers From File</source>
        <translation>Wczytaj liczby z pliku</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Wyczyść listę</translation>
    </message>
    <message>
        <source>Clear number list</source>
        <translation>Wyczyść listę liczb</translation>
    </message>
    <message>
        <source>Load Sample/Example Numbers</source>
        <translation>Wczytaj przykładowe liczby</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metoda</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Próba</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Populacja</translation>
    </message>
    <message>
        <source>Decimal Options</source>
        <translation>Miejsca dziesiętne</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>Miejsca:</translation>
    </message>
    <message>
        <source>Decimal places</source>
        <translation>Liczba miejsc dziesiętnych</translation>
    </message>
    <message>
        <source>Decimals shown in the results: pick 1 to 10, step with Up and Down, or type a number.</source>
        <translation>Liczba miejsc dziesiętnych w wynikach: wybierz od 1 do 10, zmieniaj strzałkami w górę i w dół lub wpisz liczbę.</translation>
    </message>
    <message>
        <source>Show all decimals</source>
        <translation>Wszystkie miejsca</translation>
    </message>
    <message>
        <source>Start Analysis</source>
        <translation>Rozpocznij analizę</translation>
    </message>
    <message>
        <source>Results list</source>
        <translation>Lista wyników</translation>
    </message>
    <message>
        <source>Save Results As Text File</source>
        <translation>Zapisz wyniki jako tekst</translation>
    </message>
    <message>
        <source>Save Results As Excel File</source>
        <translation>Zapisz wyniki do Excela</translation>
    </message>
    <message>
        <source>Copy Results To Clipboard</source>
        <translation>Kopiuj wyniki do schowka</translation>
    </message>
    <message>
        <source>Clear results list</source>
        <translation>Wyczyść listę wyników</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Przeciągnij i upuść tutaj pliki. Kliknij dwukrotnie element, aby go usunąć. Przesuń linię | w prawo i poza okno, aby zobaczyć pełne nazwy.</translation>
    </message>
    <message>
        <source>Tick the results to save or copy: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Move | line to right to read long lines. “Show Distribution…” in the context menu, or Ctrl+D, pictures the numbers.</source>
        <translation>Zaznacz wyniki do zapisania lub skopiowania: spacja zaznacza bieżący wiersz, Ctrl+A wszystkie, Ctrl+Shift+A żaden. Przesuń linię | w prawo, aby odczytać długie wiersze. „Pokaż rozkład…” w menu kontekstowym lub Ctrl+D przedstawia liczby na wykresie.</translation>
    </message>
    <message>
        <source>The numbers to analyse. Delete or a double-click removes the selected number; files dropped here add theirs, and so does text dropped or pasted (Ctrl+V).</source>
        <translation>Liczby do analizy. Klawisz Delete lub dwukrotne kliknięcie usuwa zaznaczoną liczbę; upuszczone tutaj pliki dodają swoje liczby, podobnie jak upuszczony lub wklejony tekst (Ctrl+V).</translation>
    </message>
    <message numerus="yes">
        <source>Restore the %1 numbers from last time</source>
        <translation>
            <numerusform>Przywróć %1 liczbę z poprzedniej sesji</numerusform>
            <numerusform>Przywróć %1 liczby z poprzedniej sesji</numerusform>
            <numerusform>Przywróć %1 liczb z poprzedniej sesji</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %1 numbers from last time were not kept: the list was over 100 MB</source>
        <translation>
            <numerusform>Nie zachowano %1 liczby z poprzedniej sesji: lista przekraczała 100 MB</numerusform>
            <numerusform>Nie zachowano %1 liczb z poprzedniej sesji: lista przekraczała 100 MB</numerusform>
            <numerusform>Nie zachowano %1 liczb z poprzedniej sesji: lista przekraczała 100 MB</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Table…</source>
        <translation>Otwórz tabelę…</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation>pole w cudzysłowie rozpoczęte tutaj nie zostało zamknięte przed końcem pliku; pominięto je</translation>
    </message>
    <message>
        <source>the dropped table</source>
        <translation>Upuszczona tabela</translation>
    </message>
    <message>
        <source>the pasted table</source>
        <translation>Wklejona tabela</translation>
    </message>
</context>
<context>
    <name>Frequencies</name>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Liczność</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Procent</translation>
    </message>
    <message>
        <source>Cumulative count</source>
        <translation>Liczność skumulowana</translation>
    </message>
    <message>
        <source>Cumulative percent</source>
        <translation>Procent skumulowany</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Zakres</translation>
    </message>
    <message>
        <source>Frequencies:</source>
        <translation>Częstości:</translation>
    </message>
</context>
<context>
    <name>FrequencyModel</name>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcuts</name>
    <message>
        <source>Main window</source>
        <translation>Okno główne</translation>
    </message>
    <message>
        <source>Number list</source>
        <translation>Lista liczb</translation>
    </message>
    <message>
        <source>Results list</source>
        <translation>Lista wyników</translation>
    </message>
    <message>
        <source>Distribution window</source>
        <translation>Okno rozkładu</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Podręcznik</translation>
    </message>
    <message>
        <source>Open the manual</source>
        <translation>Otwórz podręcznik</translation>
    </message>
    <message>
        <source>Save Numbers…</source>
        <translation>Zapisz liczby…</translation>
    </message>
    <message>
        <source>Show Distribution…</source>
        <translation>Pokaż rozkład…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Open the menu or press the button with that letter</source>
        <translation>Otwórz menu lub naciśnij przycisk z tą literą</translation>
    </message>
    <message>
        <source>Move to the next or the previous control</source>
        <translation>Przejdź do następnego lub poprzedniego elementu sterującego</translation>
    </message>
    <message>
        <source>Press the focused button</source>
        <translation>Naciśnij aktywny przycisk</translation>
    </message>
    <message>
        <source>Stop reading dropped, loaded or pasted files</source>
        <translation>Przerwij odczyt upuszczonych, wczytanych lub wklejonych plików</translation>
    </message>
    <message>
        <source>Paste Numbers</source>
        <translation>Wklej liczby</translation>
    </message>
    <message>
        <source>Copy Numbers: the selected entries, or all</source>
        <translation>Kopiuj liczby: zaznaczone wpisy lub wszystkie</translation>
    </message>
    <message>
        <source>Remove the selected entry</source>
        <translation>Usuń zaznaczony wpis</translation>
    </message>
    <message>
        <source>Undo the last change of the list</source>
        <translation>Cofnij ostatnią zmianę listy</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Open the context menu</source>
        <translation>Otwórz menu kontekstowe</translation>
    </message>
    <message>
        <source>Tick or untick the current row</source>
        <translation>Zaznacz lub odznacz bieżący wiersz</translation>
    </message>
    <message>
        <source>Tick every row</source>
        <translation>Zaznacz wszystkie wiersze</translation>
    </message>
    <message>
        <source>Untick every row</source>
        <translation>Odznacz wszystkie wiersze</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Kopiuj obraz</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Zapisz obraz…</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation>Znajdź w podręczniku</translation>
    </message>
    <message>
        <source>Find the next match</source>
        <translation>Znajdź następne wystąpienie</translation>
    </message>
    <message>
        <source>Find the previous match</source>
        <translation>Znajdź poprzednie wystąpienie</translation>
    </message>
    <message>
        <source>Back and Forward</source>
        <translation>Wstecz i Dalej</translation>
    </message>
    <message>
        <source>Close the manual</source>
        <translation>Zamknij podręcznik</translation>
    </message>
    <message>
        <source>underlined letter</source>
        <translation>podkreślona litera</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Gdzie</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Działanie</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts — Tallowmere</source>
        <translation>Skróty klawiszowe — Tallowmere</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>Add Numbers</source>
        <translation>Dodanie liczb</translation>
    </message>
    <message>
        <source>Load Numbers</source>
        <translation>Wczytanie liczb</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Upuszczenie</translation>
    </message>
    <message>
        <source>Sample Numbers</source>
        <translation>Wczytanie przykładowych liczb</translation>
    </message>
    <message>
        <source>Move Entry</source>
        <translation>Przeniesienie wpisu</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>Usunięcie wpisu</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Wyczyszczenie listy</translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation>Usunięcie wpisów niebędących liczbami</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklejenie</translation>
    </message>
    <message>
        <source>Restore Numbers</source>
        <translation>Przywrócenie liczb</translation>
    </message>
    <message>
        <source>Open Table</source>
        <translation>Otwarcie tabeli</translation>
    </message>
    <message>
        <source>Send to Number List</source>
        <translation>Wysłanie do listy liczb</translation>
    </message>
</context>
<context>
    <name>ListNotice</name>
    <message>
        <source>Notice</source>
        <translation>Powiadomienie</translation>
    </message>
</context>
<context>
    <name>LoadFilesCommand</name>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Wczytaj listy – przytrzymaj Ctrl, aby zaznaczyć wiele plików list</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Load Numbers From File</source>
        <translation>&amp;Wczytaj liczby z pliku</translation>
    </message>
    <message>
        <source>Save &amp;Numbers…</source>
        <translation>&amp;Zapisz liczby…</translation>
    </message>
    <message>
        <source>Save Results As &amp;Text File</source>
        <translation>Zapisz wyniki jako &amp;tekst</translation>
    </message>
    <message>
        <source>Save Results As &amp;Excel File</source>
        <translation>Zapisz wyniki do E&amp;xcela</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Paste Numbers</source>
        <translation>&amp;Wklej liczby</translation>
    </message>
    <message>
        <source>C&amp;opy Numbers</source>
        <translation>&amp;Kopiuj liczby</translation>
    </message>
    <message>
        <source>Copy Results To &amp;Clipboard</source>
        <translation>Kopiuj wyniki do &amp;schowka</translation>
    </message>
    <message>
        <source>Copy as T&amp;able</source>
        <translation>Kopiuj jako &amp;tabelę</translation>
    </message>
    <message>
        <source>Remove Entries That Are &amp;Not Numbers</source>
        <translation>Usuń wpisy &amp;niebędące liczbami</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>Wyczyść &amp;listę</translation>
    </message>
    <message>
        <source>Clear Re&amp;sults</source>
        <translation>Wyczyść w&amp;yniki</translation>
    </message>
    <message>
        <source>Res&amp;tore Numbers From Last Time</source>
        <translation>P&amp;rzywróć liczby z poprzedniej sesji</translation>
    </message>
    <message>
        <source>&amp;Start Analysis</source>
        <translation>Rozpocznij &amp;analizę</translation>
    </message>
    <message>
        <source>Sa&amp;mple</source>
        <translation>Pró&amp;ba</translation>
    </message>
    <message>
        <source>&amp;Population</source>
        <translation>&amp;Populacja</translation>
    </message>
    <message>
        <source>Show all de&amp;cimals</source>
        <translation>&amp;Wszystkie miejsca</translation>
    </message>
    <message>
        <source>Show &amp;Distribution…</source>
        <translation>Pokaż &amp;rozkład…</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Podręcznik</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Skróty klawiszowe</translation>
    </message>
    <message>
        <source>&amp;About Tallowmere</source>
        <translation>&amp;O programie Tallowmere</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Otwórz ostatnie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>&amp;Analiza</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>The window</source>
        <translation>Okno programu</translation>
    </message>
    <message>
        <source>Tallowmere collects numbers in a list and computes twelve descriptive statistics of them: the number of entries, the sum, the sum squared, the sum of squares, the mode, the median, the mean, the variance, the skew, the average deviation, the standard deviation and the coefficient of variation.</source>
        <translation>Tallowmere zbiera liczby na liście i oblicza dla nich dwanaście statystyk opisowych: liczbę wpisów, sumę, kwadrat sumy, sumę kwadratów, dominantę, medianę, średnią, wariancję, skośność, odchylenie przeciętne, odchylenie standardowe i współczynnik zmienności.</translation>
    </message>
    <message>
        <source>The window after Load Sample/Example Numbers and Start Analysis</source>
        <translation>Okno po użyciu przycisków „Wczytaj przykładowe liczby” i „Rozpocznij analizę”</translation>
    </message>
    <message>
        <source>The number list is at the top, the results list below it. From top to bottom:</source>
        <translation>Na górze znajduje się lista liczb, a pod nią lista wyników. Od góry do dołu:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Number / Numbers&lt;/b&gt; asks for one number or a series separated by commas.</source>
        <translation>&lt;b&gt;Dodaj liczbę / liczby&lt;/b&gt; prosi o podanie jednej liczby lub serii liczb rozdzielonych przecinkami.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Numbers From File&lt;/b&gt; reads one or several list files.</source>
        <translation>&lt;b&gt;Wczytaj liczby z pliku&lt;/b&gt; odczytuje jeden lub kilka plików list.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear List&lt;/b&gt; beside it empties the number list.</source>
        <translation>&lt;b&gt;Wyczyść listę&lt;/b&gt; obok niego opróżnia listę liczb.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed sample series.</source>
        <translation>&lt;b&gt;Wczytaj przykładowe liczby&lt;/b&gt; dodaje stałą przykładową serię.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sample&lt;/b&gt; and &lt;b&gt;Population&lt;/b&gt; choose how the variance is computed.</source>
        <translation>&lt;b&gt;Próba&lt;/b&gt; i &lt;b&gt;Populacja&lt;/b&gt; określają sposób obliczania wariancji.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Decimal places&lt;/b&gt; and &lt;b&gt;Show all decimals&lt;/b&gt; choose how the last six results are rounded.</source>
        <translation>&lt;b&gt;Miejsca dziesiętne&lt;/b&gt; i &lt;b&gt;Wszystkie miejsca&lt;/b&gt; określają zaokrąglanie ostatnich sześciu wyników.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; fills the results list.</source>
        <translation>&lt;b&gt;Rozpocznij analizę&lt;/b&gt; wypełnia listę wyników.</translation>
    </message>
    <message>
        <source>The four buttons at the bottom export the ticked results, and the last &lt;b&gt;Clear List&lt;/b&gt; empties the results list.</source>
        <translation>Cztery przyciski na dole eksportują zaznaczone wyniki, a ostatni przycisk &lt;b&gt;Wyczyść listę&lt;/b&gt; opróżnia listę wyników.</translation>
    </message>
    <message>
        <source>Filling the number list</source>
        <translation>Wypełnianie listy liczb</translation>
    </message>
    <message>
        <source>Typing: press &lt;b&gt;Add Number / Numbers&lt;/b&gt; and type a number, or several separated by commas.</source>
        <translation>Wpisywanie: naciśnij &lt;b&gt;Dodaj liczbę / liczby&lt;/b&gt; i wpisz liczbę lub kilka liczb rozdzielonych przecinkami.</translation>
    </message>
    <message>
        <source>Files: &lt;b&gt;Load Numbers From File&lt;/b&gt; reads list files, plain text with one number per line; lines that are not numbers are skipped.</source>
        <translation>Pliki: &lt;b&gt;Wczytaj liczby z pliku&lt;/b&gt; odczytuje pliki list, czyli zwykły tekst z jedną liczbą w każdym wierszu; wiersze, które nie są liczbami, są pomijane.</translation>
    </message>
    <message>
        <source>Drops: drop list files, or folders whose list files are all read, on the number list. Esc stops a long drop.</source>
        <translation>Upuszczanie: upuść na listę liczb pliki list lub katalogi, z których zostaną odczytane wszystkie pliki list. Klawisz Esc przerywa długie upuszczanie.</translation>
    </message>
    <message>
        <source>Paste: Ctrl+V, Shift+Insert or &lt;b&gt;Paste Numbers&lt;/b&gt; add the numbers of the clipboard, such as a column or a block of cells copied from a spreadsheet.</source>
        <translation>Wklejanie: Ctrl+V, Shift+Insert lub &lt;b&gt;Wklej liczby&lt;/b&gt; dodają liczby ze schowka, na przykład kolumnę lub blok komórek skopiowany z arkusza kalkulacyjnego.</translation>
    </message>
    <message>
        <source>Sample: &lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed series to try the program with.</source>
        <translation>Przykład: &lt;b&gt;Wczytaj przykładowe liczby&lt;/b&gt; dodaje stałą serię, na której można wypróbować program.</translation>
    </message>
    <message>
        <source>A number is written with the decimal and grouping separators of your regional format, or as a plain number with a point, which every format reads.</source>
        <translation>Liczbę zapisuje się z separatorem dziesiętnym i separatorem grup cyfr zgodnymi z ustawieniami regionalnymi albo jako zwykłą liczbę z kropką, którą odczytują wszystkie formaty.</translation>
    </message>
    <message>
        <source>After each addition a short notice over the bottom of the list says how many numbers were added and how many lines were not numbers.</source>
        <translation>Po każdym dodaniu krótkie powiadomienie u dołu listy informuje, ile liczb dodano i ile wierszy nie było liczbami.</translation>
    </message>
    <message>
        <source>Double-click an entry to remove it, or select it and press Delete; drag an entry onto another to swap them. Ctrl+Z undoes the last change of the list and Ctrl+Shift+Z or Ctrl+Y does it again; the last 100 changes can be undone.</source>
        <translation>Kliknij dwukrotnie wpis, aby go usunąć, lub zaznacz go i naciśnij Delete; przeciągnij wpis na inny, aby je zamienić miejscami. Ctrl+Z cofa ostatnią zmianę listy, a Ctrl+Shift+Z lub Ctrl+Y ją ponawia; można cofnąć ostatnie 100 zmian.</translation>
    </message>
    <message>
        <source>The analysis and its options</source>
        <translation>Analiza i jej opcje</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; computes the twelve results of the numbers in the list.</source>
        <translation>&lt;b&gt;Rozpocznij analizę&lt;/b&gt; oblicza dwanaście wyników dla liczb z listy.</translation>
    </message>
    <message>
        <source>With &lt;b&gt;Sample&lt;/b&gt; the variance is the sum of the squared deviations from the mean divided by the count less one; with &lt;b&gt;Population&lt;/b&gt; it is divided by the count. The standard deviation, the skew and the coefficient of variation follow it.</source>
        <translation>W przypadku &lt;b&gt;Próby&lt;/b&gt; wariancja to suma kwadratów odchyleń od średniej podzielona przez liczebność pomniejszoną o jeden; w przypadku &lt;b&gt;Populacji&lt;/b&gt; jest ona dzielona przez liczebność. Od niej zależą odchylenie standardowe, skośność i współczynnik zmienności.</translation>
    </message>
    <message>
        <source>The last six results are rounded to 1 to 10 decimal places, or shown with all ten decimals; a value those would show as 0 or with fewer than four significant digits is shown with 15 significant digits instead.</source>
        <translation>Ostatnie sześć wyników jest zaokrąglanych do 1–10 miejsc dziesiętnych lub pokazywanych ze wszystkimi dziesięcioma miejscami; wartość, która byłaby wtedy pokazana jako 0 lub z mniej niż czterema cyframi znaczącymi, jest pokazywana z 15 cyframi znaczącymi.</translation>
    </message>
    <message>
        <source>The options are remembered from one start to the next.</source>
        <translation>Opcje są zapamiętywane między kolejnymi uruchomieniami.</translation>
    </message>
    <message>
        <source>Exporting the results</source>
        <translation>Eksportowanie wyników</translation>
    </message>
    <message>
        <source>Tick the results to export: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Then:</source>
        <translation>Zaznacz wyniki do wyeksportowania: spacja zaznacza bieżący wiersz, Ctrl+A wszystkie, Ctrl+Shift+A żaden. Następnie:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Text File&lt;/b&gt; writes them in padded columns.</source>
        <translation>&lt;b&gt;Zapisz wyniki jako tekst&lt;/b&gt; zapisuje je w wyrównanych kolumnach.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy Results To Clipboard&lt;/b&gt; copies them as text.</source>
        <translation>&lt;b&gt;Kopiuj wyniki do schowka&lt;/b&gt; kopiuje je jako tekst.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Excel File&lt;/b&gt; opens them in a new spreadsheet workbook, which needs LibreOffice Calc.</source>
        <translation>&lt;b&gt;Zapisz wyniki do Excela&lt;/b&gt; otwiera je w nowym skoroszycie arkusza kalkulacyjnego, co wymaga programu LibreOffice Calc.</translation>
    </message>
    <message>
        <source>With no result ticked, each of the three only says so. &lt;b&gt;Copy as Table&lt;/b&gt; in the results list&apos;s context menu copies the ticked lines, or all, as label and value separated by a tab, ready to paste into a spreadsheet.</source>
        <translation>Jeśli nie zaznaczono żadnego wyniku, każde z tych trzech poleceń tylko o tym informuje. &lt;b&gt;Kopiuj jako tabelę&lt;/b&gt; w menu kontekstowym listy wyników kopiuje zaznaczone wiersze (lub wszystkie) jako etykietę i wartość rozdzielone tabulatorem, gotowe do wklejenia do arkusza kalkulacyjnego.</translation>
    </message>
    <message>
        <source>The distribution window</source>
        <translation>Okno rozkładu</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Distribution…&lt;/b&gt; (Ctrl+D, or either list&apos;s context menu) opens a window of its own with a picture of the last analysis&apos;s numbers and a table of their spread.</source>
        <translation>&lt;b&gt;Pokaż rozkład…&lt;/b&gt; (Ctrl+D lub menu kontekstowe dowolnej z list) otwiera osobne okno z obrazem liczb z ostatniej analizy i tabelą ich rozrzutu.</translation>
    </message>
    <message>
        <source>The distribution window of the sample series</source>
        <translation>Okno rozkładu dla przykładowej serii</translation>
    </message>
    <message>
        <source>The picture shows a histogram, the normal curve of the mean and the standard deviation, the mean and the median marked, and a box plot on the same axis.</source>
        <translation>Obraz przedstawia histogram, krzywą normalną o średniej i odchyleniu standardowym danych, zaznaczone średnią i medianę oraz wykres pudełkowy na tej samej osi.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Bins&lt;/b&gt; sets the number of bars from 1 to 500, or leaves it to the program. &lt;b&gt;Copy Picture&lt;/b&gt; (Ctrl+C) copies the picture as an image, &lt;b&gt;Save Picture…&lt;/b&gt; (Ctrl+S) saves it as PNG or SVG, and Esc closes the window.</source>
        <translation>&lt;b&gt;Przedziały&lt;/b&gt; ustawia liczbę słupków od 1 do 500 lub pozostawia jej wybór programowi. &lt;b&gt;Kopiuj obraz&lt;/b&gt; (Ctrl+C) kopiuje obraz jako grafikę, &lt;b&gt;Zapisz obraz…&lt;/b&gt; (Ctrl+S) zapisuje go jako PNG lub SVG, a Esc zamyka okno.</translation>
    </message>
    <message>
        <source>The window follows each new analysis and says when the number list has changed since the one it shows.</source>
        <translation>Okno podąża za każdą nową analizą i informuje, gdy lista liczb zmieniła się od czasu analizy, którą pokazuje.</translation>
    </message>
    <message>
        <source>The menu bar</source>
        <translation>Pasek menu</translation>
    </message>
    <message>
        <source>The menus hold every command of the buttons and context menus; each item does exactly what its button does.</source>
        <translation>Menu zawierają wszystkie polecenia przycisków i menu kontekstowych; każdy element działa dokładnie tak samo jak odpowiadający mu przycisk.</translation>
    </message>
    <message>
        <source>&lt;b&gt;File&lt;/b&gt;: loading and saving numbers, recent files, saving the results, and Quit (Ctrl+Q).</source>
        <translation>&lt;b&gt;Plik&lt;/b&gt;: wczytywanie i zapisywanie liczb, ostatnie pliki, zapisywanie wyników oraz Zakończ (Ctrl+Q).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt;: undo and redo, pasting and copying numbers, copying the results, and clearing the lists.</source>
        <translation>&lt;b&gt;Edycja&lt;/b&gt;: cofanie i ponawianie, wklejanie i kopiowanie liczb, kopiowanie wyników oraz czyszczenie list.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Analysis&lt;/b&gt;: Start Analysis, the method, Show all decimals and Show Distribution….</source>
        <translation>&lt;b&gt;Analiza&lt;/b&gt;: Rozpocznij analizę, metoda, Wszystkie miejsca i Pokaż rozkład….</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt;: this manual (F1), the keyboard shortcuts, and About Tallowmere.</source>
        <translation>&lt;b&gt;Pomoc&lt;/b&gt;: ten podręcznik (F1), skróty klawiszowe oraz O programie Tallowmere.</translation>
    </message>
    <message>
        <source>Alt with the underlined letter of a menu, button or option reaches it from the keyboard. The window can be enlarged: the two lists take the extra room, and the size is remembered.</source>
        <translation>Alt wraz z podkreśloną literą menu, przycisku lub opcji pozwala wybrać je z klawiatury. Okno można powiększyć: dodatkowe miejsce zajmują obie listy, a rozmiar jest zapamiętywany.</translation>
    </message>
    <message>
        <source>Keeping your numbers</source>
        <translation>Zachowywanie liczb</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Numbers…&lt;/b&gt; (Ctrl+S) writes the number list as a list file, one entry per line, exactly as the entries read; &lt;b&gt;Load Numbers From File&lt;/b&gt; reads it back. &lt;b&gt;Copy Numbers&lt;/b&gt; (Ctrl+C in the number list) copies the selected entries, or all when none is selected, one per line.</source>
        <translation>&lt;b&gt;Zapisz liczby…&lt;/b&gt; (Ctrl+S) zapisuje listę liczb jako plik listy, jeden wpis w wierszu, dokładnie w takiej postaci, w jakiej są wpisy; &lt;b&gt;Wczytaj liczby z pliku&lt;/b&gt; odczytuje go z powrotem. &lt;b&gt;Kopiuj liczby&lt;/b&gt; (Ctrl+C na liście liczb) kopiuje zaznaczone wpisy lub wszystkie, gdy żaden nie jest zaznaczony, po jednym w wierszu.</translation>
    </message>
    <message>
        <source>When the window closes, the number list is kept. The next start begins with an empty list, as always, and offers over it to restore the numbers from last time: one click brings them back, and Ctrl+Z takes them away again. The offer goes at the first change of the list. A list over 100 MB is not kept; the next start says so.</source>
        <translation>Po zamknięciu okna lista liczb zostaje zachowana. Następne uruchomienie zaczyna się jak zawsze od pustej listy i proponuje nad nią przywrócenie liczb z poprzedniej sesji: jedno kliknięcie je przywraca, a Ctrl+Z ponownie je usuwa. Propozycja znika przy pierwszej zmianie listy. Lista większa niż 100 MB nie jest zachowywana; następne uruchomienie o tym informuje.</translation>
    </message>
    <message>
        <source>&lt;b&gt;File → Open Recent&lt;/b&gt; lists the last eight list files read or saved.</source>
        <translation>&lt;b&gt;Plik → Otwórz ostatnie&lt;/b&gt; wyświetla osiem ostatnio odczytanych lub zapisanych plików list.</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Języki</translation>
    </message>
    <message>
        <source>The program speaks the language of your desktop: English, German, French, Spanish, Italian, Brazilian Portuguese, Dutch, Polish or Japanese. The result rows and the three exports use it too.</source>
        <translation>Program posługuje się językiem pulpitu: angielskim, niemieckim, francuskim, hiszpańskim, włoskim, portugalskim (Brazylia), niderlandzkim, polskim lub japońskim. Używają go również wiersze wyników i trzy sposoby eksportu.</translation>
    </message>
    <message>
        <source>The language is chosen by &lt;code&gt;LANGUAGE&lt;/code&gt;, &lt;code&gt;LC_ALL&lt;/code&gt;, &lt;code&gt;LC_MESSAGES&lt;/code&gt; or &lt;code&gt;LANG&lt;/code&gt;, as in other desktop programs; the format of numbers follows &lt;code&gt;LC_NUMERIC&lt;/code&gt; on its own. So &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; gives English words with German numbers.</source>
        <translation>Język jest wybierany na podstawie zmiennych &lt;code&gt;LANGUAGE&lt;/code&gt;, &lt;code&gt;LC_ALL&lt;/code&gt;, &lt;code&gt;LC_MESSAGES&lt;/code&gt; lub &lt;code&gt;LANG&lt;/code&gt;, tak jak w innych programach na pulpicie; format liczb zależy wyłącznie od &lt;code&gt;LC_NUMERIC&lt;/code&gt;. Zatem &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; daje angielskie teksty z niemieckim zapisem liczb.</translation>
    </message>
    <message>
        <source>The tallowmere command</source>
        <translation>Polecenie tallowmere</translation>
    </message>
    <message>
        <source>Opens the window and reads each path, in the order given, as if all of them had been dropped on the number list together: a file as a list file, a folder with all its sub-folders. A file manager&apos;s Open With uses this.</source>
        <translation>Otwiera okno i odczytuje każdą ścieżkę w podanej kolejności, tak jakby wszystkie zostały razem upuszczone na listę liczb: plik jako plik listy, a katalog wraz ze wszystkimi podkatalogami. Korzysta z tego polecenie „Otwórz za pomocą” menedżera plików.</translation>
    </message>
    <message>
        <source>Prints a short help text and exits.</source>
        <translation>Wyświetla krótki tekst pomocy i kończy działanie.</translation>
    </message>
    <message>
        <source>Prints the version and exits.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Ends the options: every later argument is a path.</source>
        <translation>Kończy listę opcji: każdy kolejny argument jest ścieżką.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as &lt;code&gt;-platform&lt;/code&gt; and &lt;code&gt;-style&lt;/code&gt;, are taken as well. The exit status is 0, or 2 after an unknown option.</source>
        <translation>Przyjmowane są również opcje samego Qt, takie jak &lt;code&gt;-platform&lt;/code&gt; i &lt;code&gt;-style&lt;/code&gt;. Kod wyjścia wynosi 0 lub 2 po nieznanej opcji.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
    <message>
        <source>The options of the window are kept in &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt;, section &lt;code&gt;[Tallowmere]&lt;/code&gt;, written the moment they change. The number list kept at close is in &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt;. The program writes nothing else but the files you name, the clipboard and new spreadsheet workbooks.</source>
        <translation>Opcje okna są przechowywane w pliku &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt;, w sekcji &lt;code&gt;[Tallowmere]&lt;/code&gt;, i zapisywane w chwili ich zmiany. Lista liczb zachowana przy zamknięciu znajduje się w &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt;. Program nie zapisuje niczego poza wskazanymi plikami, schowkiem i nowymi skoroszytami arkusza kalkulacyjnego.</translation>
    </message>
    <message>
        <source>The tallowmere-analyse command</source>
        <translation>Polecenie tallowmere-analyse</translation>
    </message>
    <message>
        <source>&lt;code&gt;tallowmere-analyse&lt;/code&gt; runs the analysis of the window without a window and writes its twelve results to standard output, for scripts. Each path is read as the window reads a dropped one; &lt;code&gt;-&lt;/code&gt;, or no path at all, is standard input.</source>
        <translation>&lt;code&gt;tallowmere-analyse&lt;/code&gt; przeprowadza analizę okna bez okna i zapisuje jej dwanaście wyników na standardowe wyjście, na potrzeby skryptów. Każda ścieżka jest odczytywana tak, jak okno odczytuje upuszczoną; &lt;code&gt;-&lt;/code&gt; lub brak ścieżki oznacza standardowe wejście.</translation>
    </message>
    <message>
        <source>Reads list files and folders.</source>
        <translation>Odczytuje pliki list i katalogi.</translation>
    </message>
    <message>
        <source>Reads each line of the file as one entry, exactly as if typed in the window: a line that is not a number counts as its leading number, or 0.</source>
        <translation>Odczytuje każdy wiersz pliku jako jeden wpis, dokładnie tak, jakby został wpisany w oknie: wiersz, który nie jest liczbą, liczy się jako jego początkowa liczba lub 0.</translation>
    </message>
    <message>
        <source>Reads the files as tables (CSV or TSV) and the numbers of one column: by its number from 1, or with a header line by its name. The delimiter is the tab unless given; with the strict option a record with too few fields makes the exit status 1.</source>
        <translation>Odczytuje pliki jako tabele (CSV lub TSV) i liczby z jednej kolumny: według jej numeru liczonego od 1 lub, gdy jest wiersz nagłówka, według jej nazwy. Separatorem jest tabulator, o ile nie podano innego; przy opcji strict rekord ze zbyt małą liczbą pól powoduje kod wyjścia 1.</translation>
    </message>
    <message>
        <source>The method of the variance; a sample is the default.</source>
        <translation>Metoda obliczania wariancji; domyślnie próba.</translation>
    </message>
    <message>
        <source>The rounding, as in the window; the text format rounds to 3 places by default.</source>
        <translation>Zaokrąglanie, tak jak w oknie; format tekstowy domyślnie zaokrągla do 3 miejsc.</translation>
    </message>
    <message>
        <source>Text writes the rows as the window shows them; tsv writes a key and a value per line; json writes one object. Tsv and json write a point as the decimal separator and, unless told otherwise, every digit.</source>
        <translation>Format text zapisuje wiersze tak, jak pokazuje je okno; tsv zapisuje klucz i wartość w każdym wierszu; json zapisuje jeden obiekt. Tsv i json używają kropki jako separatora dziesiętnego i, o ile nie wskazano inaczej, zapisują wszystkie cyfry.</translation>
    </message>
    <message>
        <source>Adds the minimum, the maximum, the range, the quartiles, the interquartile range, the kurtosis, the standard error of the mean and, for a sample, the 95 % confidence interval of the mean.</source>
        <translation>Dodaje minimum, maksimum, rozstęp, kwartyle, rozstęp międzykwartylowy, kurtozę, błąd standardowy średniej oraz, w przypadku próby, 95% przedział ufności średniej.</translation>
    </message>
    <message>
        <source>Prints the help text or the version and exits.</source>
        <translation>Wyświetla tekst pomocy lub wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Messages on standard error and the rows of the text format follow your language, as the window does; the keys of tsv and json and the option names never change.</source>
        <translation>Komunikaty na standardowym wyjściu błędów i wiersze formatu tekstowego są w języku użytkownika, tak jak w oknie; klucze formatów tsv i json oraz nazwy opcji nigdy się nie zmieniają.</translation>
    </message>
    <message>
        <source>The exit status is 0 when the results were written; 1 when there were no numbers, something could not be read or the results could not be written; 2 when the command line was wrong.</source>
        <translation>Kod wyjścia wynosi 0, gdy wyniki zostały zapisane; 1, gdy nie było liczb, czegoś nie udało się odczytać lub nie udało się zapisać wyników; 2, gdy wiersz poleceń był nieprawidłowy.</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Przykłady</translation>
    </message>
    <message>
        <source>The results of the third column of a TSV file.</source>
        <translation>Wyniki dla trzeciej kolumny pliku TSV.</translation>
    </message>
    <message>
        <source>A column by its name, from a CSV file as a German spreadsheet saves it.</source>
        <translation>Kolumna wybrana według nazwy z pliku CSV zapisanego przez niemiecki arkusz kalkulacyjny.</translation>
    </message>
    <message>
        <source>Two files with the numbers of standard input between them.</source>
        <translation>Dwa pliki, a między nimi liczby ze standardowego wejścia.</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>Tallowmere Manual</source>
        <translation>Podręcznik programu Tallowmere</translation>
    </message>
    <message>
        <source>Tables and workbooks</source>
        <translation>Tabele i skoroszyty</translation>
    </message>
    <message>
        <source>A file of several columns (CSV, TSV, text separated by semicolons as a German spreadsheet saves it) or a workbook (.ods, .xlsx) opens the &lt;b&gt;Open Table&lt;/b&gt; dialog when it is loaded, dropped or named on the command line; so does &lt;b&gt;Open Table…&lt;/b&gt; in the number list&apos;s context menu, and a paste of several columns.</source>
        <translation>Plik z kilkoma kolumnami (CSV, TSV, tekst rozdzielany średnikami, jak zapisuje go niemiecki arkusz kalkulacyjny) lub skoroszyt (.ods, .xlsx) otwiera okno &lt;b&gt;Otwórz tabelę&lt;/b&gt;, gdy zostanie wczytany, upuszczony lub podany w wierszu poleceń; otwiera je też &lt;b&gt;Otwórz tabelę…&lt;/b&gt; w menu kontekstowym listy liczb oraz wklejenie kilku kolumn.</translation>
    </message>
    <message>
        <source>The dialog shows the first rows with what it guessed: the delimiter, whether the first row is a header, the decimal separator and, for a workbook, the sheet. Change any of them and the preview follows. Then tick the columns to read and, to compare groups, choose a column in &lt;b&gt;Split by&lt;/b&gt;.</source>
        <translation>Okno pokazuje pierwsze wiersze wraz z tym, co rozpoznało: separator pól, czy pierwszy wiersz jest nagłówkiem, separator dziesiętny i, w skoroszycie, arkusz. Po zmianie któregokolwiek z nich podgląd się odświeża. Następnie zaznacz kolumny do wczytania, a aby porównać grupy, wybierz kolumnę w polu &lt;b&gt;Grupuj według&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>One column ticked and no split: its numbers are added to the number list as one change, which Ctrl+Z undoes; cells that are not numbers are counted in the notice.</source>
        <translation>Jedna zaznaczona kolumna bez grupowania: jej liczby zostają dodane do listy liczb jako jedna zmiana, którą Ctrl+Z cofa; komórki, które nie są liczbami, są liczone w powiadomieniu.</translation>
    </message>
    <message>
        <source>Several columns, or a split: the &lt;b&gt;Compare&lt;/b&gt; window opens and the number list is left as it was.</source>
        <translation>Kilka kolumn lub grupowanie: otwiera się okno &lt;b&gt;Porównanie&lt;/b&gt;, a lista liczb pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>The Compare window has a column for each column or group and a row for each statistic, computed as the main window computes them and rounded as it rounds; it follows the main window&apos;s method and decimals. Below the table are box plots of every list on one axis, and with &lt;b&gt;Histograms&lt;/b&gt; their histograms over the same span.</source>
        <translation>Okno Porównanie ma kolumnę dla każdej kolumny lub grupy i wiersz dla każdej statystyki, obliczonej i zaokrąglonej tak jak w oknie głównym; okno podąża za jego metodą i liczbą miejsc dziesiętnych. Pod tabelą są wykresy pudełkowe wszystkich list na jednej osi, a z opcją &lt;b&gt;Histogramy&lt;/b&gt; także ich histogramy na tym samym przedziale.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy as Table&lt;/b&gt; (Ctrl+C) copies the table, separated by tabs, ready to paste into a spreadsheet; &lt;b&gt;Save Table…&lt;/b&gt; (Ctrl+S) saves it as CSV or as a workbook; &lt;b&gt;Copy Picture&lt;/b&gt; and &lt;b&gt;Save Picture…&lt;/b&gt; do the same for the picture; &lt;b&gt;Send to Number List&lt;/b&gt; adds the numbers of the chosen list to the main window&apos;s number list.</source>
        <translation>&lt;b&gt;Kopiuj jako tabelę&lt;/b&gt; (Ctrl+C) kopiuje tabelę rozdzielaną tabulatorami, gotową do wklejenia do arkusza; &lt;b&gt;Zapisz tabelę…&lt;/b&gt; (Ctrl+S) zapisuje ją jako CSV lub skoroszyt; &lt;b&gt;Kopiuj obraz&lt;/b&gt; i &lt;b&gt;Zapisz obraz…&lt;/b&gt; robią to samo z obrazem; &lt;b&gt;Wyślij do listy liczb&lt;/b&gt; dodaje liczby wybranej listy do listy liczb okna głównego.</translation>
    </message>
    <message>
        <source>Several columns, or every column that holds numbers, each analysed on its own; with a group column, each column&apos;s rows are split by its values. The text format writes a block for each, headed by its name; tsv writes a column for each; json writes an array of objects.</source>
        <translation>Kilka kolumn lub każda kolumna zawierająca liczby, każda analizowana osobno; z kolumną grup wiersze każdej kolumny są dzielone według jej wartości. Format tekstowy wypisuje blok dla każdej z nich z nazwą jako nagłówkiem; tsv wypisuje kolumnę dla każdej; json wypisuje tablicę obiektów.</translation>
    </message>
    <message>
        <source>The sheet of a workbook (.ods or .xlsx, known by its content) to read the columns from; the first unless given.</source>
        <translation>Arkusz skoroszytu (.ods lub .xlsx, rozpoznawanego po zawartości), z którego są czytane kolumny; domyślnie pierwszy.</translation>
    </message>
    <message>
        <source>The weights of each group of a workbook&apos;s first sheet, side by side.</source>
        <translation>Wagi każdej grupy z pierwszego arkusza skoroszytu, obok siebie.</translation>
    </message>
    <message>
        <source>Whole numbers of up to 100 values get a bar for each value, centred on it. &lt;b&gt;Range&lt;/b&gt; shows all values or leaves out the outliers beyond the box plot&apos;s fences, which are then marked with their count at the ends of the axis; &lt;b&gt;Logarithmic axis&lt;/b&gt;, for positive numbers only, makes the bins equal on a logarithmic scale. Point at a bar to see its range and count. With &lt;b&gt;Include title and statistics&lt;/b&gt;, Copy Picture and Save Picture… add a title and the table of spread to the picture.</source>
        <translation>Liczby całkowite o co najwyżej 100 wartościach mają po jednym słupku na wartość, wyśrodkowanym na niej. &lt;b&gt;Zakres&lt;/b&gt; pokazuje wszystkie wartości lub pomija wartości odstające poza płotkami wykresu pudełkowego, które są wtedy zaznaczane wraz z ich liczbą na końcach osi; &lt;b&gt;Oś logarytmiczna&lt;/b&gt;, tylko dla liczb dodatnich, daje przedziały równe w skali logarytmicznej. Wskaż słupek, aby zobaczyć jego przedział i liczność. Z opcją &lt;b&gt;Dołącz tytuł i statystyki&lt;/b&gt; Kopiuj obraz i Zapisz obraz… dodają do obrazu tytuł i tabelę rozrzutu.</translation>
    </message>
    <message>
        <source>The encoding of a table&apos;s text: utf-8, utf-16le, utf-16be, utf-32le, utf-32be or windows-1252. Without it each file is read in the form its first bytes show, as the table dialog reads it; standard input is then read as a list file.</source>
        <translation>Kodowanie tekstu tabeli: utf-8, utf-16le, utf-16be, utf-32le, utf-32be lub windows-1252. Bez niego każdy plik jest czytany w postaci, którą pokazują jego pierwsze bajty, tak jak czyta go okno tabeli; standardowe wejście jest wtedy czytane jak plik listy.</translation>
    </message>
</context>
<context>
    <name>ManualEntry</name>
    <message>
        <source>Enter number or numbers (use commas):</source>
        <translation>Wprowadź liczbę lub liczby (rozdzielone przecinkami):</translation>
    </message>
    <message>
        <source>Enter number or numbers (use semicolons):</source>
        <translation>Wprowadź liczbę lub liczby (rozdzielone średnikami):</translation>
    </message>
</context>
<context>
    <name>Normality</name>
    <message>
        <source>The Shapiro-Wilk test needs at least 3 numbers</source>
        <translation>Test Shapiro-Wilka wymaga co najmniej 3 liczb</translation>
    </message>
    <message>
        <source>The Shapiro-Wilk test takes at most 5000 numbers</source>
        <translation>Test Shapiro-Wilka przyjmuje najwyżej 5000 liczb</translation>
    </message>
    <message>
        <source>The K² test needs at least 8 numbers</source>
        <translation>Test K² wymaga co najmniej 8 liczb</translation>
    </message>
    <message>
        <source>All the numbers are equal</source>
        <translation>Wszystkie liczby są równe</translation>
    </message>
    <message>
        <source>The numbers are too large or too far apart for the test</source>
        <translation>Liczby są zbyt duże lub zbyt od siebie odległe dla testu</translation>
    </message>
    <message>
        <source>The kurtosis is outside the range of the test&apos;s approximation</source>
        <translation>Kurtoza leży poza zakresem przybliżenia testu</translation>
    </message>
    <message>
        <source>no evidence against normality at 5 %</source>
        <translation>brak przesłanek przeciw normalności na poziomie 5 %</translation>
    </message>
    <message>
        <source>the numbers are unlikely to come from a normal distribution (p = %1)</source>
        <translation>liczby raczej nie pochodzą z rozkładu normalnego (p = %1)</translation>
    </message>
</context>
<context>
    <name>NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Cofnij: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ponów: %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Must be a numeric entry.</source>
        <translation>Należy wprowadzić wartość liczbową.</translation>
    </message>
</context>
<context>
    <name>OutlierPage</name>
    <message numerus="yes">
        <source>%1 outliers</source>
        <translation>
            <numerusform>%1 wartość odstająca</numerusform>
            <numerusform>%1 wartości odstające</numerusform>
            <numerusform>%1 wartości odstających</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 far out</source>
        <translation>
            <numerusform>%1 ekstremalna</numerusform>
            <numerusform>%1 ekstremalne</numerusform>
            <numerusform>%1 ekstremalnych</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OutlierTable</name>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
</context>
<context>
    <name>PercentileText</name>
    <message>
        <source>“%1” is not a number</source>
        <translation>„%1” nie jest liczbą</translation>
    </message>
    <message>
        <source>%1: percentiles run from 0 to 100</source>
        <translation>%1: percentyle wynoszą od 0 do 100</translation>
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
        <translation>Nie przeanalizowano jeszcze żadnych liczb.</translation>
    </message>
    <message>
        <source>Normal quantiles</source>
        <translation>Kwantyle rozkładu normalnego</translation>
    </message>
    <message>
        <source>Sample quantiles</source>
        <translation>Kwantyle z próby</translation>
    </message>
    <message numerus="yes">
        <source>Normal Q-Q plot of %1 numbers: the values from %2 to %3 against the normal quantiles from %4 to %5, with the line through the quartiles (intercept %6, slope %7).</source>
        <translation>
            <numerusform>Wykres Q-Q rozkładu normalnego dla %1 liczby: wartości od %2 do %3 względem kwantyli rozkładu normalnego od %4 do %5, z prostą przechodzącą przez kwartyle (wyraz wolny %6, nachylenie %7).</numerusform>
            <numerusform>Wykres Q-Q rozkładu normalnego dla %1 liczb: wartości od %2 do %3 względem kwantyli rozkładu normalnego od %4 do %5, z prostą przechodzącą przez kwartyle (wyraz wolny %6, nachylenie %7).</numerusform>
            <numerusform>Wykres Q-Q rozkładu normalnego dla %1 liczb: wartości od %2 do %3 względem kwantyli rozkładu normalnego od %4 do %5, z prostą przechodzącą przez kwartyle (wyraz wolny %6, nachylenie %7).</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Q-Q plot</source>
        <translation>Wykres Q-Q rozkładu normalnego</translation>
    </message>
</context>
<context>
    <name>QuantileMethods</name>
    <message>
        <source>Nearest rank (R type 1)</source>
        <translation>Najbliższa ranga (typ 1 w R)</translation>
    </message>
    <message>
        <source>Averaged inverse (SAS default, R type 2)</source>
        <translation>Uśredniona odwrotność (domyślna w SAS, typ 2 w R)</translation>
    </message>
    <message>
        <source>Nearest even rank (R type 3)</source>
        <translation>Najbliższa parzysta ranga (typ 3 w R)</translation>
    </message>
    <message>
        <source>Linear in the distribution function (R type 4)</source>
        <translation>Liniowa w dystrybuancie (typ 4 w R)</translation>
    </message>
    <message>
        <source>Hazen, midpoint steps (R type 5)</source>
        <translation>Hazen, środki schodków (typ 5 w R)</translation>
    </message>
    <message>
        <source>Exclusive (spreadsheet QUARTILE.EXC, SPSS, Minitab, R type 6)</source>
        <translation>Wyłączna (arkusz KWARTYL.PRZEDZ.OTW, SPSS, Minitab, typ 6 w R)</translation>
    </message>
    <message>
        <source>Inclusive (spreadsheet QUARTILE.INC, R type 7, numpy default)</source>
        <translation>Włączna (arkusz KWARTYL.PRZEDZ.ZAMK, typ 7 w R, domyślna w numpy)</translation>
    </message>
    <message>
        <source>Median-unbiased (R type 8)</source>
        <translation>Nieobciążona dla mediany (typ 8 w R)</translation>
    </message>
    <message>
        <source>Normal-unbiased, Blom (R type 9)</source>
        <translation>Nieobciążona dla rozkładu normalnego, Blom (typ 9 w R)</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>The number of entries is: </source>
        <translation>Liczba wpisów wynosi: </translation>
    </message>
    <message>
        <source>The sum of the numbers are: </source>
        <translation>Suma liczb wynosi: </translation>
    </message>
    <message>
        <source>The sum squared is: </source>
        <translation>Kwadrat sumy wynosi: </translation>
    </message>
    <message>
        <source>The sum of squares is: </source>
        <translation>Suma kwadratów wynosi: </translation>
    </message>
    <message>
        <source>The mode is: </source>
        <translation>Dominanta wynosi: </translation>
    </message>
    <message>
        <source>The median is: </source>
        <translation>Mediana wynosi: </translation>
    </message>
    <message>
        <source>The mean is: </source>
        <translation>Średnia wynosi: </translation>
    </message>
    <message>
        <source>The variance is: </source>
        <translation>Wariancja wynosi: </translation>
    </message>
    <message>
        <source>The skew is: </source>
        <translation>Skośność wynosi: </translation>
    </message>
    <message>
        <source>The average deviation is: </source>
        <translation>Odchylenie przeciętne wynosi: </translation>
    </message>
    <message>
        <source>The standard deviation is: </source>
        <translation>Odchylenie standardowe wynosi: </translation>
    </message>
    <message>
        <source>The coefficient of variation is: </source>
        <translation>Współczynnik zmienności wynosi: </translation>
    </message>
    <message>
        <source>The minimum is: </source>
        <translation>Minimum wynosi: </translation>
    </message>
    <message>
        <source>The maximum is: </source>
        <translation>Maksimum wynosi: </translation>
    </message>
    <message>
        <source>The range is: </source>
        <translation>Rozstęp wynosi: </translation>
    </message>
    <message>
        <source>The first quartile is: </source>
        <translation>Pierwszy kwartyl wynosi: </translation>
    </message>
    <message>
        <source>The third quartile is: </source>
        <translation>Trzeci kwartyl wynosi: </translation>
    </message>
    <message>
        <source>The interquartile range is: </source>
        <translation>Rozstęp międzykwartylowy wynosi: </translation>
    </message>
    <message>
        <source>The kurtosis is: </source>
        <translation>Kurtoza wynosi: </translation>
    </message>
    <message>
        <source>The standard error of the mean is: </source>
        <translation>Błąd standardowy średniej wynosi: </translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s low end is: </source>
        <translation>Dolna granica 95% przedziału ufności wynosi: </translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s high end is: </source>
        <translation>Górna granica 95% przedziału ufności wynosi: </translation>
    </message>
    <message>
        <source>The geometric mean is: </source>
        <translation>Średnia geometryczna wynosi: </translation>
    </message>
    <message>
        <source>The harmonic mean is: </source>
        <translation>Średnia harmoniczna wynosi: </translation>
    </message>
    <message>
        <source>The median absolute deviation is: </source>
        <translation>Medianowe odchylenie bezwzględne wynosi: </translation>
    </message>
    <message>
        <source>The scaled median absolute deviation is: </source>
        <translation>Skalowane medianowe odchylenie bezwzględne wynosi: </translation>
    </message>
    <message>
        <source>The quantile method is: </source>
        <translation>Metoda kwantyli to: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk W is: </source>
        <translation>W Shapiro-Wilka wynosi: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk p-value is: </source>
        <translation>Wartość p testu Shapiro-Wilka wynosi: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk test reads: </source>
        <translation>Wynik testu Shapiro-Wilka: </translation>
    </message>
    <message>
        <source>The K² of D&apos;Agostino and Pearson is: </source>
        <translation>K² D&apos;Agostino i Pearsona wynosi: </translation>
    </message>
    <message>
        <source>The K² p-value is: </source>
        <translation>Wartość p testu K² wynosi: </translation>
    </message>
    <message>
        <source>The K² test reads: </source>
        <translation>Wynik testu K²: </translation>
    </message>
    <message>
        <source>The %1 % trimmed mean is: </source>
        <translation>Średnia ucinana %1% wynosi: </translation>
    </message>
    <message>
        <source>The %1 % confidence interval&apos;s low end is: </source>
        <translation>Dolna granica %1% przedziału ufności wynosi: </translation>
    </message>
    <message>
        <source>The %1 % confidence interval&apos;s high end is: </source>
        <translation>Górna granica %1% przedziału ufności wynosi: </translation>
    </message>
    <message>
        <source>The median&apos;s %1 % confidence interval&apos;s low end is: </source>
        <translation>Dolna granica %1% przedziału ufności mediany wynosi: </translation>
    </message>
    <message>
        <source>The median&apos;s %1 % confidence interval&apos;s high end is: </source>
        <translation>Górna granica %1% przedziału ufności mediany wynosi: </translation>
    </message>
    <message>
        <source>The median&apos;s interval&apos;s actual coverage is: </source>
        <translation>Rzeczywiste pokrycie przedziału mediany wynosi: </translation>
    </message>
    <message>
        <source>The %1st percentile is: </source>
        <translation>%1. percentyl wynosi: </translation>
    </message>
    <message>
        <source>The %1nd percentile is: </source>
        <translation>%1. percentyl wynosi: </translation>
    </message>
    <message>
        <source>The %1rd percentile is: </source>
        <translation>%1. percentyl wynosi: </translation>
    </message>
    <message>
        <source>The %1th percentile is: </source>
        <translation>%1. percentyl wynosi: </translation>
    </message>
</context>
<context>
    <name>ResultValues</name>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source> or </source>
        <translation> lub </translation>
    </message>
</context>
<context>
    <name>ResultsListMenu</name>
    <message>
        <source>Copy as Table</source>
        <translation>Kopiuj jako tabelę</translation>
    </message>
</context>
<context>
    <name>RobustStatistics</name>
    <message>
        <source>There are no numbers</source>
        <translation>Brak liczb</translation>
    </message>
    <message>
        <source>The geometric and the harmonic mean need positive numbers</source>
        <translation>Średnia geometryczna i harmoniczna wymagają liczb dodatnich</translation>
    </message>
    <message>
        <source>The share trimmed from each end must be at least 0 and below 0.5</source>
        <translation>Część odcinana z każdego końca musi wynosić co najmniej 0 i mniej niż 0.5</translation>
    </message>
    <message>
        <source>The confidence level must be from 50 % to 99.9 %</source>
        <translation>Poziom ufności musi wynosić od 50 % do 99.9 %</translation>
    </message>
    <message>
        <source>The confidence interval of the mean needs at least 2 numbers</source>
        <translation>Przedział ufności średniej wymaga co najmniej 2 liczb</translation>
    </message>
    <message>
        <source>Too few numbers for a confidence interval of the median at this level</source>
        <translation>Za mało liczb na przedział ufności mediany na tym poziomie</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>it is not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>its lock file %1 is not a regular file</source>
        <translation>jego plik blokady %1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>nie można utworzyć jego katalogu</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>nie można go zapisać</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>nie można go zapisać: %1</translation>
    </message>
    <message>
        <source>The options cannot be saved to %1: %2. They stay as chosen until %3 ends.</source>
        <translation>Nie można zapisać opcji w %1: %2. Pozostaną w wybranym stanie do zakończenia programu %3.</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Open Table</source>
        <translation>Otwórz tabelę</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Przecinek</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Średnik</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inny</translation>
    </message>
    <message>
        <source>Other delimiter</source>
        <translation>Inny separator</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>Pierwszy wiersz to &amp;nagłówek</translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation>Pierwszy wiersz to nagłówek</translation>
    </message>
    <message>
        <source>As in this locale (%1)</source>
        <translation>Jak w bieżących ustawieniach regionalnych (%1)</translation>
    </message>
    <message>
        <source>Point (61.5)</source>
        <translation>Kropka (61.5)</translation>
    </message>
    <message>
        <source>Comma (61,5)</source>
        <translation>Przecinek (61,5)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Separator:</translation>
    </message>
    <message>
        <source>D&amp;ecimal separator:</source>
        <translation>Separator &amp;dziesiętny:</translation>
    </message>
    <message>
        <source>Shee&amp;t:</source>
        <translation>&amp;Arkusz:</translation>
    </message>
    <message>
        <source>Co&amp;lumns:</source>
        <translation>&amp;Kolumny:</translation>
    </message>
    <message>
        <source>&amp;Split by:</source>
        <translation>&amp;Grupuj według:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>&amp;Podgląd:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolumna %1</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>Nie można odczytać pliku %1: %2.</translation>
    </message>
    <message>
        <source>%1 is neither a spreadsheet nor a table of delimited text.</source>
        <translation>Plik %1 nie jest ani arkuszem kalkulacyjnym, ani tabelą tekstu z separatorami.</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be read (%2).</source>
        <translation>Plik %1 jest uszkodzony i nie można go odczytać (%2).</translation>
    </message>
    <message>
        <source>%1 is protected by a password: save it without one to open it.</source>
        <translation>Plik %1 jest chroniony hasłem: zapisz go bez hasła, aby go otworzyć.</translation>
    </message>
    <message>
        <source>%1 is an Excel 97-2003 workbook: save it as .xlsx or .ods to open it.</source>
        <translation>Plik %1 to skoroszyt programu Excel 97-2003: zapisz go jako .xlsx lub .ods, aby go otworzyć.</translation>
    </message>
    <message>
        <source>%1 has no sheet %2.</source>
        <translation>Plik %1 nie ma arkusza %2.</translation>
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
        <translation>Zachodnioeuropejskie (Windows-1252)</translation>
    </message>
    <message>
        <source>E&amp;ncoding:</source>
        <translation>Kodo&amp;wanie:</translation>
    </message>
</context>
<context>
    <name>TickList</name>
    <message>
        <source>Ticks or unticks the result</source>
        <translation>Zaznacza lub odznacza wynik</translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation>Zaznaczony</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Niezaznaczony</translation>
    </message>
</context>
<context>
    <name>WholeFileWriter</name>
    <message>
        <source>not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::CompareWindow</name>
    <message>
        <source>Statistics of each list</source>
        <translation>Statystyki każdej listy</translation>
    </message>
    <message>
        <source>A column per list and a row per statistic. Ctrl+C copies the whole table.</source>
        <translation>Kolumna na każdą listę i wiersz na każdą statystykę. Ctrl+C kopiuje całą tabelę.</translation>
    </message>
    <message>
        <source>Copy as &amp;Table</source>
        <translation>Kopiuj jako &amp;tabelę</translation>
    </message>
    <message>
        <source>Put the table on the clipboard, its cells separated by tabs (Ctrl+C)</source>
        <translation>Umieść tabelę w schowku, z komórkami rozdzielonymi tabulatorami (Ctrl+C)</translation>
    </message>
    <message>
        <source>Sa&amp;ve Table…</source>
        <translation>Zapisz ta&amp;belę…</translation>
    </message>
    <message>
        <source>Save the table as a CSV file or an Excel workbook (Ctrl+S)</source>
        <translation>Zapisz tabelę jako plik CSV lub skoroszyt programu Excel (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Lista:</translation>
    </message>
    <message>
        <source>List to send</source>
        <translation>Lista do wysłania</translation>
    </message>
    <message>
        <source>Se&amp;nd to Number List</source>
        <translation>&amp;Wyślij do listy liczb</translation>
    </message>
    <message>
        <source>Append the chosen list&apos;s numbers to the main window&apos;s number list</source>
        <translation>Dołącz liczby wybranej listy do listy liczb w oknie głównym</translation>
    </message>
    <message>
        <source>&amp;Histograms</source>
        <translation>&amp;Histogramy</translation>
    </message>
    <message>
        <source>Show each list&apos;s histogram over the same span, with its box plot</source>
        <translation>Pokaż histogram każdej listy w tym samym zakresie, wraz z jej wykresem pudełkowym</translation>
    </message>
    <message>
        <source>Histograms</source>
        <translation>Histogramy</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Kopiuj obraz</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image</source>
        <translation>Umieść obraz w schowku jako grafikę</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Zapisz obraz…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file</source>
        <translation>Zapisz obraz jako plik PNG lub SVG</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statystyka</translation>
    </message>
    <message>
        <source>Save Table</source>
        <translation>Zapisz tabelę</translation>
    </message>
    <message>
        <source>The table could not be saved as
%1
%2</source>
        <translation>Nie można zapisać tabeli jako
%1
%2</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Zapisz obraz</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation>Nie można zapisać obrazu jako
%1
%2</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::DistributionWindow</name>
    <message>
        <source>Notice</source>
        <translation>Powiadomienie</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statystyka</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as name and value separated by a tab.</source>
        <translation>Zaznacz wiersze i naciśnij Ctrl+C, aby skopiować je jako nazwę i wartość rozdzielone tabulatorem.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Bins:</source>
        <translation>&amp;Przedziały:</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automatycznie (%1)</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <source>Number of bins</source>
        <translation>Liczba przedziałów</translation>
    </message>
    <message>
        <source>The histogram&apos;s bins, 1 to 500; below 1 the count is chosen from the numbers.</source>
        <translation>Przedziały histogramu, od 1 do 500; poniżej 1 ich liczba jest dobierana na podstawie liczb.</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Kopiuj obraz</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image (Ctrl+C)</source>
        <translation>Umieść obraz w schowku jako grafikę (Ctrl+C)</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Zapisz obraz…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file (Ctrl+S)</source>
        <translation>Zapisz obraz jako plik PNG lub SVG (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Zapisz obraz</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation>Nie można zapisać obrazu jako
%1
%2</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>Z&amp;akres:</translation>
    </message>
    <message>
        <source>All values</source>
        <translation>Wszystkie wartości</translation>
    </message>
    <message>
        <source>Without outliers</source>
        <translation>Bez wartości odstających</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Zakres</translation>
    </message>
    <message>
        <source>Without outliers, the histogram spans the numbers within 1.5 interquartile ranges of the box.</source>
        <translation>Bez wartości odstających histogram obejmuje liczby w odległości do 1,5 rozstępu ćwiartkowego od pudełka.</translation>
    </message>
    <message>
        <source>&amp;Logarithmic axis</source>
        <translation>Oś &amp;logarytmiczna</translation>
    </message>
    <message>
        <source>Bins of equal width in the logarithm; for positive numbers only</source>
        <translation>Przedziały równej szerokości w logarytmie; tylko dla liczb dodatnich</translation>
    </message>
    <message>
        <source>&amp;Include title and statistics</source>
        <translation>Dołącz &amp;tytuł i statystyki</translation>
    </message>
    <message>
        <source>Copy and save the picture with a title over it and the statistics under it</source>
        <translation>Kopiuj i zapisz obraz z tytułem nad nim i statystykami pod nim</translation>
    </message>
    <message>
        <source>&amp;Histogram</source>
        <translation>&amp;Histogram</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Widoki</translation>
    </message>
    <message>
        <source>&amp;Q-Q Plot</source>
        <translation>Wykres &amp;Q-Q</translation>
    </message>
    <message>
        <source>&amp;Frequencies</source>
        <translation>&amp;Częstości</translation>
    </message>
    <message>
        <source>&amp;Outliers</source>
        <translation>Wartości &amp;odstające</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::DropProgressStrip</name>
    <message>
        <source>Stop the drop (Esc)</source>
        <translation>Przerwij upuszczanie (Esc)</translation>
    </message>
    <message>
        <source>Stop the drop</source>
        <translation>Przerwij upuszczanie</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::Form1</name>
    <message>
        <source>Results note</source>
        <translation>Uwaga do wyników</translation>
    </message>
    <message>
        <source>Number(s)</source>
        <translation>Liczby</translation>
    </message>
    <message>
        <source>Result(s)</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>The number list has changed since these results.</source>
        <translation>Lista liczb zmieniła się od czasu uzyskania tych wyników.</translation>
    </message>
    <message>
        <source>Analysis finished: the results list shows %1 rows.</source>
        <translation>Analiza zakończona: liczba wierszy na liście wyników: %1.</translation>
    </message>
    <message>
        <source>Not every entry will come back as it is when this file is loaded:</source>
        <translation>Po wczytaniu tego pliku nie każdy wpis powróci w niezmienionej postaci:</translation>
    </message>
    <message>
        <source>Entries that are not numbers, left out when it is loaded: %1</source>
        <translation>Wpisy niebędące liczbami, pomijane przy wczytywaniu: %1</translation>
    </message>
    <message>
        <source>Entries a list file reads as another value: %1</source>
        <translation>Wpisy, które plik listy odczyta jako inną wartość: %1</translation>
    </message>
    <message>
        <source>Entries holding a line break, read as several lines: %1</source>
        <translation>Wpisy zawierające podział wiersza, odczytywane jako kilka wierszy: %1</translation>
    </message>
    <message>
        <source>The first of them: %1</source>
        <translation>Pierwszy z nich: %1</translation>
    </message>
    <message>
        <source>Save the numbers all the same?</source>
        <translation>Mimo to zapisać liczby?</translation>
    </message>
    <message>
        <source>Save Numbers</source>
        <translation>Zapisz liczby</translation>
    </message>
    <message>
        <source>The numbers could not be saved to &quot;%1&quot;: %2</source>
        <translation>Nie można zapisać liczb w „%1”: %2</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Wyczyść ostatnie</translation>
    </message>
    <message>
        <source>The numbers from last time could not be read</source>
        <translation>Nie można odczytać liczb z poprzedniej sesji</translation>
    </message>
    <message>
        <source>All results ticked</source>
        <translation>Zaznaczono wszystkie wyniki</translation>
    </message>
    <message>
        <source>No results ticked</source>
        <translation>Nie zaznaczono żadnych wyników</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::FrequencyPage</name>
    <message>
        <source>One row per &amp;value</source>
        <translation>&amp;Jeden wiersz na wartość</translation>
    </message>
    <message>
        <source>A row for each value however many there are; else, with more than %1 values, a row for each of the histogram&apos;s bins</source>
        <translation>Wiersz dla każdej wartości, niezależnie od ich liczby; w przeciwnym razie, przy ponad %1 wartościach, wiersz dla każdego przedziału histogramu</translation>
    </message>
    <message>
        <source>Copy as &amp;Table</source>
        <translation>Kopiuj jako ta&amp;belę</translation>
    </message>
    <message>
        <source>Put the whole table on the clipboard with its header line, its cells separated by tabs</source>
        <translation>Umieść całą tabelę w schowku wraz z wierszem nagłówka, z komórkami rozdzielonymi tabulatorami</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Frequencies</source>
        <translation>Częstości</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them, their cells separated by tabs, as a spreadsheet reads them.</source>
        <translation>Zaznacz wiersze i naciśnij Ctrl+C, aby skopiować je z komórkami rozdzielonymi tabulatorami, w postaci, którą odczyta arkusz kalkulacyjny.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>These bins span all the numbers, the outliers too; the histogram leaves the outliers out.</source>
        <translation>Te przedziały obejmują wszystkie liczby, także wartości odstające; histogram pomija wartości odstające.</translation>
    </message>
    <message>
        <source>These bins are equal in width; the histogram&apos;s are equal in the logarithm.</source>
        <translation>Te przedziały mają równą szerokość; przedziały histogramu są równe w logarytmie.</translation>
    </message>
    <message>
        <source>The histogram has a bar for each value; tick &quot;One row per value&quot; for a row each.</source>
        <translation>Histogram ma słupek dla każdej wartości; zaznacz „Jeden wiersz na wartość”, aby uzyskać wiersz dla każdej z nich.</translation>
    </message>
    <message>
        <source>These bins are not the histogram&apos;s.</source>
        <translation>Te przedziały różnią się od przedziałów histogramu.</translation>
    </message>
    <message>
        <source>%1 rows are too many to copy: at most %2 can be copied.</source>
        <translation>Zbyt wiele wierszy do skopiowania (%1): można skopiować najwyżej %2.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::HelpWindow</name>
    <message>
        <source>Tallowmere Manual</source>
        <translation>Podręcznik programu Tallowmere</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation>Znajdź w podręczniku</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nie znaleziono</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation>Usuń wpisy niebędące liczbami</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::OutlierModel</name>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::OutlierPage</name>
    <message>
        <source>Outliers</source>
        <translation>Wartości odstające</translation>
    </message>
    <message>
        <source>&amp;Values beyond the fences:</source>
        <translation>&amp;Wartości poza płotkami:</translation>
    </message>
    <message>
        <source>Number of smallest and largest values</source>
        <translation>Liczba najmniejszych i największych wartości</translation>
    </message>
    <message>
        <source>How many of the smallest and of the largest numbers are listed, 1 to 100.</source>
        <translation>Ile najmniejszych i ile największych liczb jest wymienianych na liście, od 1 do 100.</translation>
    </message>
    <message>
        <source>&amp;Extremes at each end:</source>
        <translation>&amp;Skrajne wartości z każdego końca:</translation>
    </message>
    <message>
        <source>Smallest and largest values</source>
        <translation>Najmniejsze i największe wartości</translation>
    </message>
    <message>
        <source>Select in &amp;Number List</source>
        <translation>Zaz&amp;nacz na liście liczb</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as kind, position and value separated by tabs.</source>
        <translation>Zaznacz wiersze i naciśnij Ctrl+C, aby skopiować je jako rodzaj, pozycję i wartość rozdzielone tabulatorami.</translation>
    </message>
    <message>
        <source>Outlier</source>
        <translation>Odstająca</translation>
    </message>
    <message>
        <source>Far out</source>
        <translation>Ekstremalna</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Najmniejsza</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Największa</translation>
    </message>
    <message>
        <source>No outliers; fences %1 and %2; far out beyond %3 and %4.</source>
        <translation>Brak wartości odstających; płotki: %1 i %2; wartości ekstremalne poza %3 i %4.</translation>
    </message>
    <message>
        <source>%1, %2; fences %3 and %4; far out beyond %5 and %6.</source>
        <translation>%1, %2; płotki: %3 i %4; wartości ekstremalne poza %5 i %6.</translation>
    </message>
    <message>
        <source>Showing %1 of %2, the first in the list.</source>
        <translation>Pokazano %1 z %2, pierwsze na liście.</translation>
    </message>
    <message>
        <source>There is no analysis to select from until one has finished.</source>
        <translation>Zaznaczanie będzie możliwe po zakończeniu analizy.</translation>
    </message>
    <message>
        <source>The number list has changed since this analysis, so these positions may no longer be its rows. Press Start Analysis to find them again.</source>
        <translation>Lista liczb zmieniła się od czasu tej analizy, więc te pozycje mogą już nie odpowiadać jej wierszom. Naciśnij „Rozpocznij analizę”, aby znaleźć je ponownie.</translation>
    </message>
    <message>
        <source>There are no outliers; select rows of the tables to select those entries.</source>
        <translation>Brak wartości odstających; zaznacz wiersze tabel, aby zaznaczyć odpowiadające im wpisy.</translation>
    </message>
    <message>
        <source>Select the entries of the selected rows in the number list, or all the outliers listed when no row is selected.</source>
        <translation>Zaznacz na liście liczb wpisy z zaznaczonych wierszy lub, gdy nie zaznaczono żadnego wiersza, wszystkie wymienione wartości odstające.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::QQPage</name>
    <message>
        <source>Normal Q-Q plot</source>
        <translation>Wykres Q-Q rozkładu normalnego</translation>
    </message>
    <message>
        <source>Tests of normality</source>
        <translation>Testy normalności</translation>
    </message>
    <message>
        <source>Press Ctrl+C to copy the selected text, or both lines where nothing is selected.</source>
        <translation>Naciśnij Ctrl+C, aby skopiować zaznaczony tekst lub oba wiersze, gdy nic nie jest zaznaczone.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::StatisticsOptions</name>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Metoda:</translation>
    </message>
    <message>
        <source>Quantile method</source>
        <translation>Metoda kwantyli</translation>
    </message>
    <message>
        <source>How the quartiles, the box plot and the percentiles are read from the numbers</source>
        <translation>Sposób wyznaczania kwartyli, wykresu pudełkowego i percentyli z liczb</translation>
    </message>
    <message>
        <source>&amp;Percentiles:</source>
        <translation>Pe&amp;rcentyle:</translation>
    </message>
    <message>
        <source>Percentiles</source>
        <translation>Percentyle</translation>
    </message>
    <message>
        <source>Percentiles&apos; error</source>
        <translation>Błąd percentyli</translation>
    </message>
    <message>
        <source>&amp;Trim:</source>
        <translation>&amp;Ucięcie:</translation>
    </message>
    <message>
        <source>Trimmed share</source>
        <translation>Odcinana część</translation>
    </message>
    <message>
        <source>The share of the numbers the trimmed mean leaves out at each end</source>
        <translation>Część liczb, którą średnia ucinana pomija z każdego końca</translation>
    </message>
    <message>
        <source>Confidence l&amp;evel:</source>
        <translation>Poz&amp;iom ufności:</translation>
    </message>
    <message>
        <source>Confidence level</source>
        <translation>Poziom ufności</translation>
    </message>
    <message>
        <source>The level of the mean&apos;s and the median&apos;s confidence intervals</source>
        <translation>Poziom przedziałów ufności średniej i mediany</translation>
    </message>
    <message>
        <source>Percentiles from 0 to 100, separated by semicolons: %1</source>
        <translation>Percentyle od 0 do 100 rozdzielone średnikami: %1</translation>
    </message>
    <message>
        <source>Percentiles from 0 to 100, separated by commas or semicolons: %1</source>
        <translation>Percentyle od 0 do 100 rozdzielone przecinkami lub średnikami: %1</translation>
    </message>
</context>
</TS>
