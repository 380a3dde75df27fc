<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutBox</name>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (compilé avec %2)</translation>
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
        <translation>Bibliothèques utilisées&#xa0;:</translation>
    </message>
    <message>
        <source>Tallowmere %1</source>
        <translation>Tallowmere %1</translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation>Une calculatrice de bureau pour les statistiques descriptives.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tallowmere authors</source>
        <translation>Copyright © 2026 Les auteurs de Tallowmere</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Publié sous la licence MIT.</translation>
    </message>
    <message>
        <source>About Tallowmere</source>
        <translation>À propos de Tallowmere</translation>
    </message>
</context>
<context>
    <name>AdditionNotice</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 fichier</numerusform>
            <numerusform>%1 fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source> (first: %1)</source>
        <translation> (première&#xa0;: %1)</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 ligne a été lue avec une virgule décimale (première&#xa0;: %2)</numerusform>
            <numerusform>%1 lignes ont été lues avec une virgule décimale (première&#xa0;: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 ligne a été lue avec un point décimal (première&#xa0;: %2)</numerusform>
            <numerusform>%1 lignes ont été lues avec un point décimal (première&#xa0;: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 élément a été lu avec une virgule décimale (premier&#xa0;: %2)</numerusform>
            <numerusform>%1 éléments ont été lus avec une virgule décimale (premier&#xa0;: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 élément a été lu avec un point décimal (premier&#xa0;: %2)</numerusform>
            <numerusform>%1 éléments ont été lus avec un point décimal (premier&#xa0;: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from %2</source>
        <translation>
            <numerusform>%1 nombre ajouté depuis %2</numerusform>
            <numerusform>%1 nombres ajoutés depuis %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the clipboard</source>
        <translation>
            <numerusform>%1 nombre ajouté depuis le presse-papiers</numerusform>
            <numerusform>%1 nombres ajoutés depuis le presse-papiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the dropped text</source>
        <translation>
            <numerusform>%1 nombre ajouté depuis le texte déposé</numerusform>
            <numerusform>%1 nombres ajoutés depuis le texte déposé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers</source>
        <translation>
            <numerusform>%1 nombre ajouté</numerusform>
            <numerusform>%1 nombres ajoutés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were not numbers</source>
        <translation>
            <numerusform>%1 ligne n’était pas un nombre</numerusform>
            <numerusform>%1 lignes n’étaient pas des nombres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were not numbers</source>
        <translation>
            <numerusform>%1 élément n’était pas un nombre</numerusform>
            <numerusform>%1 éléments n’étaient pas des nombres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no numbers</source>
        <translation>%1 ne contient aucun nombre</translation>
    </message>
    <message>
        <source>The file holds no numbers</source>
        <translation>Le fichier ne contient aucun nombre</translation>
    </message>
    <message>
        <source>The %1 hold no numbers</source>
        <translation>Les %1 ne contiennent aucun nombre</translation>
    </message>
    <message>
        <source>The clipboard holds no numbers</source>
        <translation>Le presse-papiers ne contient aucun nombre</translation>
    </message>
    <message>
        <source>The dropped text holds no numbers</source>
        <translation>Le texte déposé ne contient aucun nombre</translation>
    </message>
    <message>
        <source>The answer holds no numbers</source>
        <translation>La saisie ne contient aucun nombre</translation>
    </message>
    <message>
        <source>their only line is not a number in this locale</source>
        <translation>leur seule ligne n’est pas un nombre dans ce format régional</translation>
    </message>
    <message>
        <source>its only line is not a number in this locale</source>
        <translation>sa seule ligne n’est pas un nombre dans ce format régional</translation>
    </message>
    <message>
        <source>its only item is not a number in this locale</source>
        <translation>son seul élément n’est pas un nombre dans ce format régional</translation>
    </message>
    <message numerus="yes">
        <source>their %1 lines are not numbers in this locale</source>
        <translation>
            <numerusform>leur %1 ligne n’est pas un nombre dans ce format régional</numerusform>
            <numerusform>leurs %1 lignes ne sont pas des nombres dans ce format régional</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 lines are not numbers in this locale</source>
        <translation>
            <numerusform>sa %1 ligne n’est pas un nombre dans ce format régional</numerusform>
            <numerusform>ses %1 lignes ne sont pas des nombres dans ce format régional</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 items are not numbers in this locale</source>
        <translation>
            <numerusform>son %1 élément n’est pas un nombre dans ce format régional</numerusform>
            <numerusform>ses %1 éléments ne sont pas des nombres dans ce format régional</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries</source>
        <translation>
            <numerusform>%1 entrée</numerusform>
            <numerusform>%1 entrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the %1 sample numbers.</source>
        <translation>
            <numerusform>%1 nombre d’exemple a été ajouté.</numerusform>
            <numerusform>Les %1 nombres d’exemple ont été ajoutés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers were added</source>
        <translation>
            <numerusform>%1 nombre a été ajouté</numerusform>
            <numerusform>%1 nombres ont été ajoutés</numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped part-way through the text; %1.</source>
        <translation>Le dépôt a été interrompu au milieu du texte&#xa0;; %1.</translation>
    </message>
    <message>
        <source>Pasting was stopped part-way through the text; %1.</source>
        <translation>Le collage a été interrompu au milieu du texte&#xa0;; %1.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>1 entry is not a number and counts as %1: %2.</source>
        <translation>1 entrée n’est pas un nombre et compte comme %1&#xa0;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers and count as %2: %3.</source>
        <translation>
            <numerusform>%1 entrée n’est pas un nombre et compte comme %2&#xa0;: %3.</numerusform>
            <numerusform>%1 entrées ne sont pas des nombres et comptent comme %2&#xa0;: %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers; the first %2 count as %3: %4.</source>
        <translation>
            <numerusform>%1 entrée n’est pas un nombre&#xa0;; les %2 premières comptent comme %3&#xa0;: %4.</numerusform>
            <numerusform>%1 entrées ne sont pas des nombres&#xa0;; les %2 premières comptent comme %3&#xa0;: %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 cellule a été lue avec une virgule décimale (première&#xa0;: %2)</numerusform>
            <numerusform>%1 cellules ont été lues avec une virgule décimale (première&#xa0;: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 cellule a été lue avec un point décimal (première&#xa0;: %2)</numerusform>
            <numerusform>%1 cellules ont été lues avec un point décimal (première&#xa0;: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from column %2 of %3</source>
        <translation>
            <numerusform>%1 nombre ajouté depuis la colonne %2 (%3)</numerusform>
            <numerusform>%1 nombres ajoutés depuis la colonne %2 (%3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were not numbers</source>
        <translation>
            <numerusform>%1 cellule n’était pas un nombre</numerusform>
            <numerusform>%1 cellules n’étaient pas des nombres</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1 of %2 holds no numbers</source>
        <translation>La colonne %1 (%2) ne contient aucun nombre</translation>
    </message>
    <message>
        <source>its only cell is not a number in this locale</source>
        <translation>sa seule cellule n’est pas un nombre dans ce format régional</translation>
    </message>
    <message numerus="yes">
        <source>its %1 cells are not numbers in this locale</source>
        <translation>
            <numerusform>sa %1 cellule n’est pas un nombre dans ce format régional</numerusform>
            <numerusform>ses %1 cellules ne sont pas des nombres dans ce format régional</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Analyser</name>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: &quot;%2&quot;)</source>
        <translation>
            <numerusform>%1 ligne a été lue avec une virgule décimale (première&#xa0;: «&#xa0;%2&#xa0;»)</numerusform>
            <numerusform>%1 lignes ont été lues avec une virgule décimale (première&#xa0;: «&#xa0;%2&#xa0;»)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: &quot;%2&quot;)</source>
        <translation>
            <numerusform>%1 ligne a été lue avec un point décimal (première&#xa0;: «&#xa0;%2&#xa0;»)</numerusform>
            <numerusform>%1 lignes ont été lues avec un point décimal (première&#xa0;: «&#xa0;%2&#xa0;»)</numerusform>
        </translation>
    </message>
    <message>
        <source>an entry</source>
        <translation>une entrée</translation>
    </message>
    <message>
        <source>the number of entries</source>
        <translation>le nombre d’entrées</translation>
    </message>
    <message>
        <source>the sum</source>
        <translation>la somme</translation>
    </message>
    <message>
        <source>the sum squared</source>
        <translation>le carré de la somme</translation>
    </message>
    <message>
        <source>the sum of squares</source>
        <translation>la somme des carrés</translation>
    </message>
    <message>
        <source>the mode</source>
        <translation>le mode</translation>
    </message>
    <message>
        <source>the median</source>
        <translation>la médiane</translation>
    </message>
    <message>
        <source>the mean</source>
        <translation>la moyenne</translation>
    </message>
    <message>
        <source>the variance</source>
        <translation>la variance</translation>
    </message>
    <message>
        <source>the skew</source>
        <translation>l’asymétrie</translation>
    </message>
    <message>
        <source>the average deviation</source>
        <translation>l’écart absolu moyen</translation>
    </message>
    <message>
        <source>the standard deviation</source>
        <translation>l’écart type</translation>
    </message>
    <message>
        <source>the coefficient of variation</source>
        <translation>le coefficient de variation</translation>
    </message>
    <message>
        <source>its lines hold fields separated by &apos;%1&apos;; choose a column with --field N, or --header and --field NAME</source>
        <translation>ses lignes contiennent des champs séparés par «&#xa0;%1&#xa0;»&#xa0;; choisissez une colonne avec --field N, ou avec --header et --field NAME</translation>
    </message>
    <message>
        <source>cannot read the folder</source>
        <translation>impossible de lire le dossier</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines are longer than %2 bytes and are each read as their first %2 bytes</source>
        <translation>
            <numerusform>%1 ligne dépasse %2 octets et n’est lue que pour ses %2 premiers octets</numerusform>
            <numerusform>%1 lignes dépassent %2 octets et chacune n’est lue que pour ses %2 premiers octets</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d’écrire %1</translation>
    </message>
    <message>
        <source>the help</source>
        <translation>l’aide</translation>
    </message>
    <message>
        <source>the version</source>
        <translation>la version</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>les résultats</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>field %1</source>
        <translation>champ %1</translation>
    </message>
    <message>
        <source>the column &apos;%1&apos;</source>
        <translation>la colonne «&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the record is skipped</source>
        <translation>
            <numerusform>%1 champ, trop peu pour %2&#xa0;; l’enregistrement est ignoré</numerusform>
            <numerusform>%1 champs, trop peu pour %2&#xa0;; l’enregistrement est ignoré</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation>le champ entre guillemets commencé ici n’est pas fermé avant la fin du fichier&#xa0;; il est ignoré</translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields skipped</source>
        <translation>
            <numerusform>%1 autre enregistrement ayant trop peu de champs a été ignoré</numerusform>
            <numerusform>%1 autres enregistrements ayant trop peu de champs ont été ignorés</numerusform>
        </translation>
    </message>
    <message>
        <source>the delimiter must be an ASCII character</source>
        <translation>le séparateur doit être un caractère ASCII</translation>
    </message>
    <message>
        <source>the delimiter must be one character</source>
        <translation>le séparateur doit être un seul caractère</translation>
    </message>
    <message>
        <source>the quote cannot be the delimiter</source>
        <translation>le guillemet ne peut pas servir de séparateur</translation>
    </message>
    <message>
        <source>a line end cannot be the delimiter</source>
        <translation>une fin de ligne ne peut pas servir de séparateur</translation>
    </message>
    <message>
        <source>not a number of decimal places</source>
        <translation>nombre de décimales non valide</translation>
    </message>
    <message>
        <source>decimal places run from %1 to %2</source>
        <translation>le nombre de décimales va de %1 à %2</translation>
    </message>
    <message>
        <source>no table has that many columns</source>
        <translation>aucun tableau n’a autant de colonnes</translation>
    </message>
    <message>
        <source>columns are numbered from 1</source>
        <translation>les colonnes sont numérotées à partir de 1</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a column number or name</source>
        <translation>l’option «&#xa0;%1&#xa0;» nécessite un numéro ou un nom de colonne</translation>
    </message>
    <message>
        <source>not a column number; a column name needs --header</source>
        <translation>numéro de colonne non valide&#xa0;; un nom de colonne nécessite --header</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option «&#xa0;%1&#xa0;» inconnue</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l’option «&#xa0;%1&#xa0;» nécessite une valeur</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (use text, tsv or json)</source>
        <translation>format «&#xa0;%1&#xa0;» inconnu (utilisez text, tsv ou json)</translation>
    </message>
    <message>
        <source>%1 takes no PATH</source>
        <translation>%1 n’accepte aucun argument PATH</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2</source>
        <translation>l’option «&#xa0;%1&#xa0;» nécessite %2</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 n’accepte pas %2</translation>
    </message>
    <message>
        <source>it is a spreadsheet; choose a column of its first sheet with --field N, or --header and --field NAME (and --sheet for another sheet)</source>
        <translation>c’est un classeur&#xa0;; choisissez une colonne de sa première feuille avec --field N, ou --header et --field NAME (et --sheet pour une autre feuille)</translation>
    </message>
    <message>
        <source>a workbook of the old .xls form cannot be read; save it as .xlsx or .ods</source>
        <translation>un classeur à l’ancien format .xls ne peut être lu&#xa0;; enregistrez-le en .xlsx ou en .ods</translation>
    </message>
    <message>
        <source>the workbook is protected by a password; save it without one</source>
        <translation>le classeur est protégé par un mot de passe&#xa0;; enregistrez-le sans</translation>
    </message>
    <message>
        <source>the spreadsheet has no sheet &apos;%1&apos;</source>
        <translation>le classeur n’a pas de feuille «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: it lacks %1</source>
        <translation>le classeur est endommagé&#xa0;: il y manque %1</translation>
    </message>
    <message>
        <source>a zip archive that holds no spreadsheet (.ods or .xlsx)</source>
        <translation>une archive zip qui ne contient aucun classeur (.ods ou .xlsx)</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged or cut short</source>
        <translation>le classeur est endommagé ou tronqué</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: %1</source>
        <translation>le classeur est endommagé&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: sheets are numbered from 1</source>
        <translation>%1 «&#xa0;%2&#xa0;»&#xa0;: les feuilles sont numérotées à partir de 1</translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the fields it has are read</source>
        <translation>
            <numerusform>%1 champ, trop peu pour %2&#xa0;; les champs présents sont lus</numerusform>
            <numerusform>%1 champs, trop peu pour %2&#xa0;; les champs présents sont lus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields</source>
        <translation>
            <numerusform>%1 autre enregistrement ayant trop peu de champs</numerusform>
            <numerusform>%1 autres enregistrements ayant trop peu de champs</numerusform>
        </translation>
    </message>
    <message>
        <source>a confidence level runs from 50 to 99.9 (percent)</source>
        <translation>un niveau de confiance va de 50 à 99.9 (pour cent)</translation>
    </message>
    <message>
        <source>the share trimmed from each end is at least 0 and below 0.5</source>
        <translation>la part retranchée à chaque extrémité est d’au moins 0 et inférieure à 0.5</translation>
    </message>
    <message>
        <source>percentiles run from 0 to 100</source>
        <translation>les centiles vont de 0 à 100</translation>
    </message>
    <message>
        <source>use one of %1, or a number from 1 to 9</source>
        <translation>utilisez l’une de %1, ou un nombre de 1 à 9</translation>
    </message>
    <message>
        <source> (and %1)</source>
        <extracomment>%1 is the option to add, such as --delimiter &apos;,&apos;.</extracomment>
        <translation> (et %1)</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the encoding must be one of %3</source>
        <translation>%1 «&#xa0;%2&#xa0;»&#xa0;: l’encodage doit être l’un de %3</translation>
    </message>
</context>
<context>
    <name>Analysis</name>
    <message>
        <source>You forgot to input numbers.</source>
        <translation>Vous avez oublié de saisir des nombres.</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>Analyses a list of numbers as &quot;Start Analysis&quot; does in %1 and writes
the twelve results (with %2, further statistics after them).</source>
        <extracomment>%1 is the program&apos;s name, %2 an option. &quot;Start Analysis&quot; is the window&apos;s button. Wrap at 80 columns.</extracomment>
        <translation>Analyse une liste de nombres comme le fait «&#xa0;Lancer l’analyse&#xa0;» dans %1
et écrit les douze résultats (avec %2, d’autres statistiques à leur suite).</translation>
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
        <translation>Chaque %1 est lu comme s’il était déposé sur la liste des nombres&#xa0;: un
fichier comme fichier de liste (un nombre par ligne, les autres lignes étant
ignorées), un dossier parcouru et ses fichiers lus. «&#xa0;%2&#xa0;» désigne l’entrée
standard, lue comme un seul fichier de liste à sa place parmi les %1&#xa0;; sans
%1, l’entrée standard est lue. Ce qui ne peut pas être lu (un fichier, ou un
dossier de l’arborescence d’un %1 qui ne peut pas être listé) est signalé sur
la sortie d’erreur standard, une ligne pour chacun&#xa0;:
«&#xa0;%3: %1: raison&#xa0;»&#xa0;; le reste est lu, et le code de sortie
est 1.</translation>
    </message>
    <message>
        <source>With %1, every file (and standard input) is read as a table instead:
the field of that column in each record is read as a line of a list file.
With any delimiter but the tab, fields may be quoted as in CSV (RFC 4180).
A record with too few fields is told, &apos;%2: %3: line N: ...&apos;,
and skipped. %1 cannot be given with %4.</source>
        <extracomment>%1 and %4 are options, %2 the program&apos;s name, %3 PATH; &quot;line N&quot; as the program&apos;s own message says it. Wrap at 80 columns.</extracomment>
        <translation>Avec %1, chaque fichier (et l’entrée standard) est lu plutôt comme un
tableau&#xa0;: le champ de cette colonne dans chaque enregistrement est lu comme
une ligne d’un fichier de liste. Avec tout séparateur autre que la tabulation,
les champs peuvent être entre guillemets comme en CSV (RFC 4180). Un
enregistrement ayant trop peu de champs est signalé,
«&#xa0;%2: %3: ligne N: ...&#xa0;», et ignoré. %1 ne peut pas
être utilisé avec %4.</translation>
    </message>
    <message>
        <source>each line of %1 is one entry, verbatim, as if typed
(standard input when %1 is absent or &apos;%2&apos;); no %3s</source>
        <extracomment>Options&apos; descriptions start at column 21 (column 20 in the window&apos;s help); wrap them at 80 columns. %1 is FILE, %2 the name &apos;-&apos; for standard input, %3 PATH.</extracomment>
        <translation>chaque ligne de %1 est une entrée, telle quelle, comme si
elle était saisie (l’entrée standard si %1 est absent ou
«&#xa0;%2&#xa0;»)&#xa0;; pas de %3</translation>
    </message>
    <message>
        <source>read column %1 (from 1) of table files, or the column
whose header cell is %2 (needs %3)</source>
        <extracomment>%1 and %2 are the argument words N and NAME, %3 an option.</extracomment>
        <translation>lire la colonne %1 (à partir de 1) des tableaux, ou celle
dont la cellule d’en-tête est %2 (nécessite %3)</translation>
    </message>
    <message>
        <source>the character between fields (default: tab; &apos;%1&apos; for a
tab); with %2</source>
        <extracomment>%1 is a backslash and the letter t (a tab), %2 an option.</extracomment>
        <translation>le caractère entre les champs (par défaut&#xa0;: tabulation&#xa0;;
«&#xa0;%1&#xa0;» pour une tabulation)&#xa0;; avec %2</translation>
    </message>
    <message>
        <source>the first line names the columns and is skipped;
with %1</source>
        <translation>la première ligne nomme les colonnes et est ignorée&#xa0;;
avec %1</translation>
    </message>
    <message>
        <source>sample variance and deviations (the default)</source>
        <translation>variance et écarts d’un échantillon (par défaut)</translation>
    </message>
    <message>
        <source>population variance and deviations</source>
        <translation>variance et écarts d’une population</translation>
    </message>
    <message>
        <source>decimal places, as typed in the window, at most 10
(default 3, and every digit in %1 and %2)</source>
        <extracomment>%1 and %2 are the formats tsv and json.</extracomment>
        <translation>décimales, comme saisies dans la fenêtre, 10 au plus
(3 par défaut, et tous les chiffres en %1 et %2)</translation>
    </message>
    <message>
        <source>show all decimals as the window does (a value its ten
decimals would show as 0 or with fewer than four
significant digits with 15); every digit in %1 and
%2 (%3 is ignored)</source>
        <extracomment>%1 and %2 are the formats tsv and json, %3 an option.</extracomment>
        <translation>afficher toutes les décimales comme la fenêtre (une valeur
que ses dix décimales afficheraient comme 0 ou avec moins
de quatre chiffres significatifs, avec 15)&#xa0;; tous les
chiffres en %1 et %2 (%3 est ignoré)</translation>
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
        <translation>%1&#xa0;: les lignes comme dans la fenêtre (par défaut)&#xa0;;
%2&#xa0;: une ligne «&#xa0;clé&lt;TAB&gt;valeur&#xa0;» par résultat&#xa0;;
%3&#xa0;: un objet contenant les résultats&#xa0;;
%2 et %3 écrivent «&#xa0;.&#xa0;» comme séparateur décimal et
tous les chiffres de chaque valeur (le texte le plus court
qui se relit comme le même double), sauf si %4
est indiqué</translation>
    </message>
    <message>
        <source>the time taken to read and for each row, on standard error</source>
        <translation>la durée de la lecture et de chaque ligne, sur la sortie
d’erreur standard</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>end of the options: every argument after it is a %1</source>
        <extracomment>%1 is PATH.</extracomment>
        <translation>fin des options&#xa0;: tout argument qui suit est un %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>%1 and %2 are accepted
too. The keys of %3 and %4: %5, and with %6 %7 (the last two not with %8);
see %9.</source>
        <extracomment>%1 and %2 are options, %3 and %4 format names, %6 and %8 options, %9 the manual page. %5 and %7 are the lists of keys, three lines each as in English: start a line before them when they do not fit. Wrap at 80 columns.</extracomment>
        <translation>%1 et %2 sont également
acceptées. Les clés de %3 et %4&#xa0;:
%5, et avec %6 %7 (les deux dernières
sans %8)&#xa0;; voir %9.</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Code de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>An exit status&apos;s description: it starts at column 6; wrap at 80 columns.</extracomment>
        <translation>terminé</translation>
    </message>
    <message>
        <source>no numbers, a path that could not be read, or the output failed
(also a quoted field left open at the end of a table, and with %1
a record with too few fields; the results are still written);
out of memory (&apos;%2: %3&apos;, and no results)</source>
        <extracomment>Starts at column 6; wrap at 80 columns. %1 is an option, %2 the program&apos;s name, %3 its message when out of memory.</extracomment>
        <translation>aucun nombre, un chemin qui n’a pas pu être lu, ou l’échec de la sortie
(ainsi qu’un champ entre guillemets resté ouvert à la fin d’un tableau
et, avec %1, un enregistrement ayant trop peu de champs&#xa0;; les
résultats sont tout de même écrits)&#xa0;; mémoire insuffisante
(«&#xa0;%2: %3&#xa0;», et aucun résultat)</translation>
    </message>
    <message>
        <source>usage error</source>
        <translation>erreur d’utilisation</translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation>Une calculatrice de bureau pour les statistiques descriptives.</translation>
    </message>
    <message>
        <source>Each %1 is read when the window has opened, in order, exactly as if it had been
dropped on the number list: a file as a list file (one number per line), a folder
with every list file in it and in its sub-folders.</source>
        <extracomment>%1 is PATH, as in the usage line. Wrap the lines at 80 columns.</extracomment>
        <translation>Chaque %1 est lu une fois la fenêtre ouverte, dans l’ordre, exactement
comme s’il avait été déposé sur la liste des nombres&#xa0;: un fichier comme
fichier de liste (un nombre par ligne), un dossier avec chaque fichier de liste
qu’il contient, y compris dans ses sous-dossiers.</translation>
    </message>
    <message>
        <source>end of the options: every later argument is a %1</source>
        <extracomment>Starts at column 20 as the other options&apos; descriptions do; wrap at 80 columns. %1 is PATH.</extracomment>
        <translation>fin des options&#xa0;: tout argument suivant est un %1</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as %1 or %2, are taken as well.
The method and decimal options are kept in %3
(%4 by default). See %5 and
%6 for the analysis without a window.</source>
        <extracomment>%1 and %2 are Qt&apos;s options, %3 and %4 the settings file, %5 and %6 the manual pages. Wrap the lines at 80 columns.</extracomment>
        <translation>Les options propres à Qt, comme %1 ou %2, sont également
acceptées. La méthode et les options des décimales sont conservées dans
%3 (%4 par défaut). Voir
%5 et %6 pour l’analyse sans fenêtre.</translation>
    </message>
    <message>
        <source>With several columns (%1 with commas, %2) or with %3,
each column and group is analysed on its own: text writes a block for each,
headed by its name (&apos;weight&apos;, &apos;field 2&apos;, &apos;weight: A&apos;), tsv a line per key with
a value for each, json an array of objects {&quot;column&quot;, &quot;group&quot;, keys...}. One
of no numbers says so in its place, and the exit status is 1.</source>
        <extracomment>%1 to %3 are options. Wrap at 80 columns.</extracomment>
        <translation>Avec plusieurs colonnes (%1 avec des virgules, %2)
ou avec %3, chaque colonne et chaque groupe est analysé à part&#xa0;:
text écrit un bloc pour chacun, sous son nom («&#xa0;weight&#xa0;», «&#xa0;champ 2&#xa0;»,
«&#xa0;weight: A&#xa0;»), tsv une ligne par clé avec une valeur pour chacun, json un
tableau d’objets {&quot;column&quot;, &quot;group&quot;, clés...}. Celui qui n’a aucun nombre le
dit à sa place, et le code de sortie est 1.</translation>
    </message>
    <message>
        <source>several columns, each analysed on its own
(%1 or %2, or the option given again);
a comma and a space belong to a name</source>
        <extracomment>%1 and %2 are examples of the option&apos;s value, kept as they are.</extracomment>
        <translation>plusieurs colonnes, chacune analysée à part
(%1 ou %2, ou l’option répétée)&#xa0;;
une virgule suivie d’une espace fait partie d’un nom</translation>
    </message>
    <message>
        <source>every column that holds a number, each on its own
(but the column of %1)</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>chaque colonne qui contient un nombre, chacune à part
(sauf la colonne de %1)</translation>
    </message>
    <message>
        <source>analyse each column&apos;s records by groups: one group
per text of column %1 (a number, or a name with %2),
in the order first met; with %3 or %4</source>
        <extracomment>%1 is the argument word COL, %2 to %4 options.</extracomment>
        <translation>analyser les enregistrements de chaque colonne par
groupes&#xa0;: un groupe par texte de la colonne %1 (un
numéro, ou un nom avec %2), dans l’ordre de première
apparition&#xa0;; avec %3 ou %4</translation>
    </message>
    <message>
        <source>the sheet of spreadsheets (.ods, .xlsx) to read: its
number %1 from 1 or its name (default: the first);
with %2</source>
        <extracomment>%1 is the argument word N, %2 an option.</extracomment>
        <translation>la feuille des classeurs (.ods, .xlsx) à lire&#xa0;: son
numéro %1 à partir de 1 ou son nom (par défaut&#xa0;: la
première)&#xa0;; avec %2</translation>
    </message>
    <message>
        <source>with %1: exit status 1 when a record had too few
fields for a column (or for that of %2); with
several columns, such records are told only then,
and the fields they have are read</source>
        <extracomment>%1 and %2 are options.</extracomment>
        <translation>avec %1&#xa0;: code de sortie 1 si un enregistrement
avait trop peu de champs pour une colonne (ou pour
celle de %2)&#xa0;; avec plusieurs colonnes, ces
enregistrements ne sont signalés qu’alors, et leurs
champs sont lus</translation>
    </message>
    <message>
        <source>after the twelve rows: the minimum, maximum, range,
quartiles, interquartile range, kurtosis, standard
error of the mean and (sample only) the mean&apos;s 95 %
confidence interval, rounded as the mean is; then the
geometric, harmonic and trimmed mean, the median
absolute deviation (raw and times 1.4826) and the
median&apos;s confidence interval with its actual coverage</source>
        <translation>après les douze lignes&#xa0;: le minimum, le maximum,
l’étendue, les quartiles, l’écart interquartile, le
kurtosis, l’erreur type de la moyenne et (échantillon
seulement) l’intervalle de confiance à 95&#xa0;% de la
moyenne, arrondis comme la moyenne&#xa0;; puis les moyennes
géométrique, harmonique et tronquée, l’écart absolu
médian (brut et multiplié par 1,4826) et l’intervalle
de confiance de la médiane avec sa couverture réelle</translation>
    </message>
    <message>
        <source>the level of both confidence intervals, in percent,
from 50 to 99.9 (default 95); with %1</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>le niveau des deux intervalles de confiance, en pour
cent, de 50 à 99.9 (95 par défaut)&#xa0;; avec %1</translation>
    </message>
    <message>
        <source>the share the trimmed mean cuts from each end, at
least 0 and below 0.5 (default 0.05); with %1</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>la part que la moyenne tronquée retire à chaque bout,
au moins 0 et moins de 0.5 (0.05 par défaut)&#xa0;; avec
%1</translation>
    </message>
    <message>
        <source>a row for each percentile from 0 to 100 (%1, or
%2), by the method of %3</source>
        <extracomment>%1 and %2 are examples of the option&apos;s value, kept as they are; %3 an option.</extracomment>
        <translation>une ligne pour chaque centile de 0 à 100 (%1, ou
%2), selon la méthode de %3</translation>
    </message>
    <message>
        <source>how percentiles and quartiles are placed: R&apos;s type
1 to 9, or its name (%1, the default, is type 7;
%2 is type 6); a row names the method</source>
        <extracomment>%1 and %2 are method names, kept as they are.</extracomment>
        <translation>comment les centiles et les quartiles sont placés&#xa0;:
type 1 à 9 de R, ou son nom (%1, par défaut, est
le type 7&#xa0;; %2 est le type 6)&#xa0;; une ligne nomme
la méthode</translation>
    </message>
    <message>
        <source>Shapiro-Wilk&apos;s W (3 to 5000 numbers) and D&apos;Agostino
and Pearson&apos;s K², each with its p-value and a plain
reading at the 5 % level</source>
        <translation>le W de Shapiro-Wilk (3 à 5000 nombres) et le K² de
D’Agostino et Pearson, chacun avec sa p-valeur et une
lecture simple au seuil de 5&#xa0;%</translation>
    </message>
    <message>
        <source>after the rows, how many numbers there are of each
value (up to 50 values) or in each bin of a
histogram, in percent and cumulated</source>
        <translation>après les lignes, combien de nombres il y a pour
chaque valeur (jusqu’à 50 valeurs) ou dans chaque
classe d’un histogramme, en pourcentage et en cumulé</translation>
    </message>
    <message>
        <source>After them, with %1: %2;
with %3: %4;
with %5: %6;
with %7: %8.
At a level other than 95 %, ci95_low and ci95_high are ciLEVEL_low and
ciLEVEL_high.</source>
        <extracomment>%1, %3, %5 and %7 are options, %2, %4, %6 and %8 lists of keys (LEVEL and P stand for the figures given, as in ci90_low and p97.5). Wrap at 80 columns.</extracomment>
        <translation>Ensuite, avec %1&#xa0;: %2&#xa0;;
avec %3&#xa0;: %4&#xa0;;
avec %5&#xa0;: %6&#xa0;;
avec %7&#xa0;: %8.
À un niveau autre que 95&#xa0;%, ci95_low et ci95_high deviennent ciLEVEL_low
et ciLEVEL_high.</translation>
    </message>
    <message>
        <source>the encoding of delimited text: %1,
%2 or %3
(default: each file&apos;s by its first bytes, as the
window&apos;s table dialog chooses it); with %4</source>
        <extracomment>%1 to %3 are the encodings&apos; names, %4 an option.</extracomment>
        <translation>l’encodage du texte délimité&#xa0;: %1,
%2 ou %3
(par défaut&#xa0;: celui de chaque fichier d’après ses
premiers octets, comme le choisit la boîte des
tableaux)&#xa0;; avec %4</translation>
    </message>
</context>
<context>
    <name>ComparePicture</name>
    <message>
        <source>no numbers</source>
        <translation>aucun nombre</translation>
    </message>
    <message>
        <source>No list has numbers.</source>
        <translation>Aucune liste ne contient de nombres.</translation>
    </message>
    <message>
        <source>Box plots on one axis.</source>
        <translation>Boîtes à moustaches sur un même axe.</translation>
    </message>
    <message>
        <source>Histograms and box plots over one span.</source>
        <translation>Histogrammes et boîtes à moustaches sur une même étendue.</translation>
    </message>
    <message>
        <source>%1: no numbers.</source>
        <translation>%1&#xa0;: aucun nombre.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, first quartile %4, median %5, third quartile %6.</source>
        <translation>%1&#xa0;: de %2 à %3, premier quartile %4, médiane %5, troisième quartile %6.</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparaison</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Box plots</source>
        <translation>Boîtes à moustaches</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Compare — Tallowmere</source>
        <translation>Comparer — Tallowmere</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>The number list is busy. Send the numbers again when the work in hand has finished.</source>
        <translation>La liste des nombres est occupée. Renvoyez les nombres quand le travail en cours sera terminé.</translation>
    </message>
</context>
<context>
    <name>CompareWorkbook</name>
    <message>
        <source>the workbook could not be made</source>
        <translation>le classeur n’a pas pu être créé</translation>
    </message>
    <message>
        <source>this build cannot write workbook files</source>
        <translation>cette version ne peut pas écrire de classeurs</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l’application</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.ods *.xlsx)</source>
        <translation>Tableaux (*.csv *.tsv *.ods *.xlsx)</translation>
    </message>
</context>
<context>
    <name>DistributionLink</name>
    <message>
        <source>No analysis has been run yet. Run one now and show the distribution of its numbers?</source>
        <translation>Aucune analyse n’a encore été lancée. En lancer une maintenant et afficher la distribution de ses nombres&#xa0;?</translation>
    </message>
</context>
<context>
    <name>DistributionPicture</name>
    <message>
        <source>No numbers analysed yet.</source>
        <translation>Aucun nombre analysé pour l’instant.</translation>
    </message>
    <message>
        <source>%1 beyond</source>
        <translation>%1 au-delà</translation>
    </message>
    <message>
        <source>Numbers per bin (%1 bins)</source>
        <translation>Nombres par classe (%1 classes)</translation>
    </message>
    <message>
        <source>Normal curve</source>
        <translation>Courbe normale</translation>
    </message>
    <message>
        <source>Mean %1</source>
        <translation>Moyenne %1</translation>
    </message>
    <message>
        <source>Median %1</source>
        <translation>Médiane %1</translation>
    </message>
    <message numerus="yes">
        <source>Histogram and box plot of %1 numbers from %2 to %3; first quartile %4, median %5, third quartile %6.</source>
        <translation>
            <numerusform>Histogramme et boîte à moustaches de %1 nombre, de %2 à %3&#xa0;; premier quartile %4, médiane %5, troisième quartile %6.</numerusform>
            <numerusform>Histogramme et boîte à moustaches de %1 nombres, de %2 à %3&#xa0;; premier quartile %4, médiane %5, troisième quartile %6.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %1 values lie beyond the whiskers.</source>
        <translation>
            <numerusform> %1 valeur se trouve au-delà des moustaches.</numerusform>
            <numerusform> %1 valeurs se trouvent au-delà des moustaches.</numerusform>
        </translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <source>the drawing failed</source>
        <translation>le dessin a échoué</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>l’image n’a pas pu être encodée</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Effectif</translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers</source>
        <translation>
            <numerusform>%1 nombre</numerusform>
            <numerusform>%1 nombres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>%1 à %2&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source> %1 bins: </source>
        <translation>
            <numerusform> %1 classe&#xa0;: </numerusform>
            <numerusform> %1 classes&#xa0;: </numerusform>
        </translation>
    </message>
    <message>
        <source>the fullest %1.</source>
        <translation>la plus remplie, %1.</translation>
    </message>
    <message>
        <source> The histogram leaves them out.</source>
        <translation> L’histogramme les omet.</translation>
    </message>
</context>
<context>
    <name>DistributionRows</name>
    <message>
        <source>%1st percentile</source>
        <translation>Centile %1</translation>
    </message>
    <message>
        <source>%1nd percentile</source>
        <translation>Centile %1</translation>
    </message>
    <message>
        <source>%1rd percentile</source>
        <translation>Centile %1</translation>
    </message>
    <message>
        <source>%1th percentile</source>
        <translation>Centile %1</translation>
    </message>
    <message>
        <source>%1 % confidence interval, low</source>
        <translation>Intervalle de confiance à %1&#xa0;%, borne inférieure</translation>
    </message>
    <message>
        <source>%1 % confidence interval, high</source>
        <translation>Intervalle de confiance à %1&#xa0;%, borne supérieure</translation>
    </message>
    <message>
        <source>Geometric mean</source>
        <translation>Moyenne géométrique</translation>
    </message>
    <message>
        <source>Harmonic mean</source>
        <translation>Moyenne harmonique</translation>
    </message>
    <message>
        <source>%1 % trimmed mean</source>
        <translation>Moyenne tronquée à %1&#xa0;%</translation>
    </message>
    <message>
        <source>Median absolute deviation</source>
        <translation>Écart absolu médian</translation>
    </message>
    <message>
        <source>Scaled median absolute deviation</source>
        <translation>Écart absolu médian normalisé</translation>
    </message>
    <message>
        <source>Median&apos;s %1 % confidence interval, low</source>
        <translation>Intervalle de confiance à %1&#xa0;% de la médiane, borne inférieure</translation>
    </message>
    <message>
        <source>Median&apos;s %1 % confidence interval, high</source>
        <translation>Intervalle de confiance à %1&#xa0;% de la médiane, borne supérieure</translation>
    </message>
    <message>
        <source>Median interval&apos;s actual coverage</source>
        <translation>Couverture réelle de l’intervalle de la médiane</translation>
    </message>
    <message>
        <source>Quantile method</source>
        <translation>Méthode des quantiles</translation>
    </message>
</context>
<context>
    <name>DistributionSheet</name>
    <message numerus="yes">
        <source>Distribution of %1 numbers</source>
        <translation>
            <numerusform>Distribution de %1 nombre</numerusform>
            <numerusform>Distribution de %1 nombres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DistributionSource</name>
    <message>
        <source>Count</source>
        <translation>Effectif</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Écart type</translation>
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
        <translation>Étendue</translation>
    </message>
    <message>
        <source>First quartile</source>
        <translation>Premier quartile</translation>
    </message>
    <message>
        <source>Third quartile</source>
        <translation>Troisième quartile</translation>
    </message>
    <message>
        <source>Interquartile range</source>
        <translation>Écart interquartile</translation>
    </message>
    <message>
        <source>Kurtosis</source>
        <translation>Kurtosis</translation>
    </message>
    <message>
        <source>Standard error of the mean</source>
        <translation>Erreur type de la moyenne</translation>
    </message>
    <message>
        <source>95 % confidence interval, low</source>
        <translation>Intervalle de confiance à 95&#xa0;%, borne inférieure</translation>
    </message>
    <message>
        <source>95 % confidence interval, high</source>
        <translation>Intervalle de confiance à 95&#xa0;%, borne supérieure</translation>
    </message>
</context>
<context>
    <name>DistributionWindow</name>
    <message>
        <source>Distribution picture</source>
        <translation>Image de la distribution</translation>
    </message>
    <message>
        <source>Distribution — Tallowmere</source>
        <translation>Distribution — Tallowmere</translation>
    </message>
    <message>
        <source>The number list has changed since this analysis. Press Start Analysis to show it as it is now.</source>
        <translation>La liste des nombres a changé depuis cette analyse. Appuyez sur «&#xa0;Lancer l’analyse&#xa0;» pour l’afficher telle qu’elle est maintenant.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>DropFiles</name>
    <message>
        <source>not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>DropProgress</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 fichier</numerusform>
            <numerusform>%1 fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Collecting folders: %1</source>
        <translation>Collecte des dossiers&#xa0;: %1</translation>
    </message>
    <message>
        <source>Collecting files: %1</source>
        <translation>Collecte des fichiers&#xa0;: %1</translation>
    </message>
    <message>
        <source>Reading files: %1 of %2</source>
        <translation>Lecture des fichiers&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Reading the text: %1%</source>
        <translation>Lecture du texte&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 — Esc to stop</source>
        <translation>%1 — Esc pour arrêter</translation>
    </message>
    <message>
        <source>part-way through file %1 of %2</source>
        <translation>au milieu du fichier %1 sur %2</translation>
    </message>
    <message>
        <source>after %1 of %2</source>
        <translation>après %1 sur %2</translation>
    </message>
    <message>
        <source>Loading was stopped %1.</source>
        <translation>Le chargement a été interrompu %1.</translation>
    </message>
    <message>
        <source>The drop was stopped %1.</source>
        <translation>Le dépôt a été interrompu %1.</translation>
    </message>
    <message>
        <source>no files were read</source>
        <translation>aucun fichier n’a été lu</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were read</source>
        <translation>
            <numerusform>%1 fichier a été lu</numerusform>
            <numerusform>%1 fichiers ont été lus</numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped while collecting folders; %1.</source>
        <translation>Le dépôt a été interrompu pendant la collecte des dossiers&#xa0;; %1.</translation>
    </message>
    <message>
        <source>The drop was stopped while collecting files; %1.</source>
        <translation>Le dépôt a été interrompu pendant la collecte des fichiers&#xa0;; %1.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Veuillez envoyer une capture d’écran de ce message par courriel à </translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Results have been copied to the clipboard.<byte value="xd"/><byte value="xd"/>Click a text area where you normally type and press Ctrl+V to paste the clipboard.</source>
        <translation>Les résultats ont été copiés dans le presse-papiers.<byte value="xd"/><byte value="xd"/>Cliquez dans une zone où vous saisissez habituellement du texte et appuyez sur Ctrl+V pour coller le contenu du presse-papiers.</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this software without error.</source>
        <translation>Excel n’est pas installé sur cet ordinateur. Il doit être installé pour utiliser ce logiciel sans erreur.</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this feature.</source>
        <translation>Excel n’est pas installé sur cet ordinateur. Il doit être installé pour utiliser cette fonctionnalité.</translation>
    </message>
    <message>
        <source>No result lines are ticked. Tick the lines to export, or press Ctrl+A in the results list to tick them all.</source>
        <translation>Aucune ligne de résultat n’est cochée. Cochez les lignes à exporter, ou appuyez sur Ctrl+A dans la liste des résultats pour toutes les cocher.</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>The file changed while it was read</source>
        <translation>Le fichier a été modifié pendant sa lecture</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Paste Numbers</source>
        <translation>Coller des nombres</translation>
    </message>
    <message>
        <source>1 folder could not be read and was left out: %1 (%2).</source>
        <translation>1 dossier n’a pas pu être lu et a été ignoré&#xa0;: %1 (%2).</translation>
    </message>
    <message>
        <source>The clipboard could not be read: the program that holds it did not answer.</source>
        <translation>Le presse-papiers n’a pas pu être lu&#xa0;: le programme qui le détient n’a pas répondu.</translation>
    </message>
    <message>
        <source>Number list</source>
        <translation>Liste des nombres</translation>
    </message>
    <message>
        <source>Add Number / Numbers</source>
        <translation>Ajouter des nombres</translation>
    </message>
    <message>
        <source>Load Numbers From File</source>
        <translation>Charger depuis un fichier</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Effacer la liste</translation>
    </message>
    <message>
        <source>Clear number list</source>
        <translation>Effacer la liste des nombres</translation>
    </message>
    <message>
        <source>Load Sample/Example Numbers</source>
        <translation>Charger un exemple</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Échantillon</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>Decimal Options</source>
        <translation>Options des décimales</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>Décimales&#xa0;:</translation>
    </message>
    <message>
        <source>Decimal places</source>
        <translation>Nombre de décimales</translation>
    </message>
    <message>
        <source>Decimals shown in the results: pick 1 to 10, step with Up and Down, or type a number.</source>
        <translation>Décimales affichées dans les résultats&#xa0;: choisissez de 1 à 10, avec les flèches haut et bas, ou saisissez un nombre.</translation>
    </message>
    <message>
        <source>Show all decimals</source>
        <translation>Toutes décimales</translation>
    </message>
    <message>
        <source>Start Analysis</source>
        <translation>Lancer l’analyse</translation>
    </message>
    <message>
        <source>Results list</source>
        <translation>Liste des résultats</translation>
    </message>
    <message>
        <source>Save Results As Text File</source>
        <translation>Exporter en fichier texte</translation>
    </message>
    <message>
        <source>Save Results As Excel File</source>
        <translation>Exporter en fichier Excel</translation>
    </message>
    <message>
        <source>Copy Results To Clipboard</source>
        <translation>Copier les résultats</translation>
    </message>
    <message>
        <source>Clear results list</source>
        <translation>Effacer la liste des résultats</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Glissez-déposez des fichiers ici. Double-cliquez sur un élément pour le retirer. Déplacez la ligne | vers la droite, hors de la fenêtre, pour voir les noms complets.</translation>
    </message>
    <message>
        <source>Tick the results to save or copy: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Move | line to right to read long lines. “Show Distribution…” in the context menu, or Ctrl+D, pictures the numbers.</source>
        <translation>Cochez les résultats à enregistrer ou à copier&#xa0;: Espace coche la ligne actuelle, Ctrl+A les coche toutes, Ctrl+Shift+A aucune. Déplacez la ligne | vers la droite pour lire les lignes longues. «&#xa0;Afficher la distribution…&#xa0;» dans le menu contextuel, ou Ctrl+D, représente les nombres en image.</translation>
    </message>
    <message>
        <source>The numbers to analyse. Delete or a double-click removes the selected number; files dropped here add theirs, and so does text dropped or pasted (Ctrl+V).</source>
        <translation>Les nombres à analyser. Suppr ou un double-clic retire le nombre sélectionné&#xa0;; les fichiers déposés ici ajoutent les leurs, de même que le texte déposé ou collé (Ctrl+V).</translation>
    </message>
    <message numerus="yes">
        <source>Restore the %1 numbers from last time</source>
        <translation>
            <numerusform>Restaurer %1 nombre de la dernière session</numerusform>
            <numerusform>Restaurer les %1 nombres de la dernière session</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %1 numbers from last time were not kept: the list was over 100 MB</source>
        <translation>
            <numerusform>%1 nombre de la dernière session n’a pas été conservé&#xa0;: la liste dépassait 100 Mo</numerusform>
            <numerusform>Les %1 nombres de la dernière session n’ont pas été conservés&#xa0;: la liste dépassait 100 Mo</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Table…</source>
        <translation>Ouvrir un tableau…</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation>le champ entre guillemets commencé ici n’est pas fermé avant la fin du fichier&#xa0;; il est ignoré</translation>
    </message>
    <message>
        <source>the dropped table</source>
        <translation>Tableau déposé</translation>
    </message>
    <message>
        <source>the pasted table</source>
        <translation>Tableau collé</translation>
    </message>
</context>
<context>
    <name>Frequencies</name>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Effectif</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Cumulative count</source>
        <translation>Effectif cumulé</translation>
    </message>
    <message>
        <source>Cumulative percent</source>
        <translation>Pourcentage cumulé</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Plage</translation>
    </message>
    <message>
        <source>Frequencies:</source>
        <translation>Fréquences&#xa0;:</translation>
    </message>
</context>
<context>
    <name>FrequencyModel</name>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcuts</name>
    <message>
        <source>Main window</source>
        <translation>Fenêtre principale</translation>
    </message>
    <message>
        <source>Number list</source>
        <translation>Liste des nombres</translation>
    </message>
    <message>
        <source>Results list</source>
        <translation>Liste des résultats</translation>
    </message>
    <message>
        <source>Distribution window</source>
        <translation>Fenêtre de distribution</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Open the manual</source>
        <translation>Ouvrir le manuel</translation>
    </message>
    <message>
        <source>Save Numbers…</source>
        <translation>Enregistrer les nombres…</translation>
    </message>
    <message>
        <source>Show Distribution…</source>
        <translation>Afficher la distribution…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Open the menu or press the button with that letter</source>
        <translation>Ouvrir le menu ou appuyer sur le bouton portant cette lettre</translation>
    </message>
    <message>
        <source>Move to the next or the previous control</source>
        <translation>Passer au contrôle suivant ou précédent</translation>
    </message>
    <message>
        <source>Press the focused button</source>
        <translation>Appuyer sur le bouton qui a le focus</translation>
    </message>
    <message>
        <source>Stop reading dropped, loaded or pasted files</source>
        <translation>Arrêter la lecture des fichiers déposés, chargés ou collés</translation>
    </message>
    <message>
        <source>Paste Numbers</source>
        <translation>Coller des nombres</translation>
    </message>
    <message>
        <source>Copy Numbers: the selected entries, or all</source>
        <translation>Copier les nombres&#xa0;: les entrées sélectionnées, ou toutes</translation>
    </message>
    <message>
        <source>Remove the selected entry</source>
        <translation>Retirer l’entrée sélectionnée</translation>
    </message>
    <message>
        <source>Undo the last change of the list</source>
        <translation>Annuler la dernière modification de la liste</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>Open the context menu</source>
        <translation>Ouvrir le menu contextuel</translation>
    </message>
    <message>
        <source>Tick or untick the current row</source>
        <translation>Cocher ou décocher la ligne actuelle</translation>
    </message>
    <message>
        <source>Tick every row</source>
        <translation>Cocher toutes les lignes</translation>
    </message>
    <message>
        <source>Untick every row</source>
        <translation>Décocher toutes les lignes</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copier l’image</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Enregistrer l’image…</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation>Rechercher dans le manuel</translation>
    </message>
    <message>
        <source>Find the next match</source>
        <translation>Rechercher l’occurrence suivante</translation>
    </message>
    <message>
        <source>Find the previous match</source>
        <translation>Rechercher l’occurrence précédente</translation>
    </message>
    <message>
        <source>Back and Forward</source>
        <translation>Précédent et Suivant</translation>
    </message>
    <message>
        <source>Close the manual</source>
        <translation>Fermer le manuel</translation>
    </message>
    <message>
        <source>underlined letter</source>
        <translation>lettre soulignée</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Où</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts — Tallowmere</source>
        <translation>Raccourcis clavier — Tallowmere</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>Add Numbers</source>
        <translation>Ajout de nombres</translation>
    </message>
    <message>
        <source>Load Numbers</source>
        <translation>Chargement de nombres</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Sample Numbers</source>
        <translation>Nombres d’exemple</translation>
    </message>
    <message>
        <source>Move Entry</source>
        <translation>Déplacement d’une entrée</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>Suppression d’une entrée</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Effacement de la liste</translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation>Suppression des entrées non numériques</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Collage</translation>
    </message>
    <message>
        <source>Restore Numbers</source>
        <translation>Restauration des nombres</translation>
    </message>
    <message>
        <source>Open Table</source>
        <translation>Ouverture d’un tableau</translation>
    </message>
    <message>
        <source>Send to Number List</source>
        <translation>Envoi vers la liste des nombres</translation>
    </message>
</context>
<context>
    <name>ListNotice</name>
    <message>
        <source>Notice</source>
        <translation>Remarque</translation>
    </message>
</context>
<context>
    <name>LoadFilesCommand</name>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Charger des listes - Maintenez Ctrl enfoncé pour sélectionner plusieurs fichiers de liste</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Load Numbers From File</source>
        <translation>&amp;Charger depuis un fichier</translation>
    </message>
    <message>
        <source>Save &amp;Numbers…</source>
        <translation>&amp;Enregistrer les nombres…</translation>
    </message>
    <message>
        <source>Save Results As &amp;Text File</source>
        <translation>Exporter en fichier &amp;texte</translation>
    </message>
    <message>
        <source>Save Results As &amp;Excel File</source>
        <translation>Exporter en fichier E&amp;xcel</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refaire</translation>
    </message>
    <message>
        <source>&amp;Paste Numbers</source>
        <translation>&amp;Coller des nombres</translation>
    </message>
    <message>
        <source>C&amp;opy Numbers</source>
        <translation>Co&amp;pier les nombres</translation>
    </message>
    <message>
        <source>Copy Results To &amp;Clipboard</source>
        <translation>Copier les rés&amp;ultats</translation>
    </message>
    <message>
        <source>Copy as T&amp;able</source>
        <translation>Copier sous forme de &amp;tableau</translation>
    </message>
    <message>
        <source>Remove Entries That Are &amp;Not Numbers</source>
        <translation>Retirer les entrées &amp;non numériques</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
    <message>
        <source>Clear Re&amp;sults</source>
        <translation>Effacer les ré&amp;sultats</translation>
    </message>
    <message>
        <source>Res&amp;tore Numbers From Last Time</source>
        <translation>Restaurer les nombres de la &amp;dernière session</translation>
    </message>
    <message>
        <source>&amp;Start Analysis</source>
        <translation>&amp;Lancer l’analyse</translation>
    </message>
    <message>
        <source>Sa&amp;mple</source>
        <translation>É&amp;chantillon</translation>
    </message>
    <message>
        <source>&amp;Population</source>
        <translation>&amp;Population</translation>
    </message>
    <message>
        <source>Show all de&amp;cimals</source>
        <translation>&amp;Toutes décimales</translation>
    </message>
    <message>
        <source>Show &amp;Distribution…</source>
        <translation>Afficher la &amp;distribution…</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>&amp;About Tallowmere</source>
        <translation>À &amp;propos de Tallowmere</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>A&amp;nalyse</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>The window</source>
        <translation>La fenêtre</translation>
    </message>
    <message>
        <source>Tallowmere collects numbers in a list and computes twelve descriptive statistics of them: the number of entries, the sum, the sum squared, the sum of squares, the mode, the median, the mean, the variance, the skew, the average deviation, the standard deviation and the coefficient of variation.</source>
        <translation>Tallowmere rassemble des nombres dans une liste et en calcule douze statistiques descriptives&#xa0;: le nombre d’entrées, la somme, le carré de la somme, la somme des carrés, le mode, la médiane, la moyenne, la variance, l’asymétrie, l’écart absolu moyen, l’écart type et le coefficient de variation.</translation>
    </message>
    <message>
        <source>The window after Load Sample/Example Numbers and Start Analysis</source>
        <translation>La fenêtre après «&#xa0;Charger un exemple&#xa0;» et «&#xa0;Lancer l’analyse&#xa0;»</translation>
    </message>
    <message>
        <source>The number list is at the top, the results list below it. From top to bottom:</source>
        <translation>La liste des nombres se trouve en haut, la liste des résultats en dessous. De haut en bas&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Number / Numbers&lt;/b&gt; asks for one number or a series separated by commas.</source>
        <translation>&lt;b&gt;Ajouter des nombres&lt;/b&gt; demande un nombre ou une série de nombres séparés par des virgules.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Numbers From File&lt;/b&gt; reads one or several list files.</source>
        <translation>&lt;b&gt;Charger depuis un fichier&lt;/b&gt; lit un ou plusieurs fichiers de liste.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear List&lt;/b&gt; beside it empties the number list.</source>
        <translation>&lt;b&gt;Effacer la liste&lt;/b&gt;, à côté, vide la liste des nombres.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed sample series.</source>
        <translation>&lt;b&gt;Charger un exemple&lt;/b&gt; ajoute une série d’exemple fixe.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sample&lt;/b&gt; and &lt;b&gt;Population&lt;/b&gt; choose how the variance is computed.</source>
        <translation>&lt;b&gt;Échantillon&lt;/b&gt; et &lt;b&gt;Population&lt;/b&gt; déterminent le mode de calcul de la variance.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Decimal places&lt;/b&gt; and &lt;b&gt;Show all decimals&lt;/b&gt; choose how the last six results are rounded.</source>
        <translation>&lt;b&gt;Décimales&lt;/b&gt; et &lt;b&gt;Toutes décimales&lt;/b&gt; déterminent l’arrondi des six derniers résultats.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; fills the results list.</source>
        <translation>&lt;b&gt;Lancer l’analyse&lt;/b&gt; remplit la liste des résultats.</translation>
    </message>
    <message>
        <source>The four buttons at the bottom export the ticked results, and the last &lt;b&gt;Clear List&lt;/b&gt; empties the results list.</source>
        <translation>Les quatre boutons du bas exportent les résultats cochés, et le second bouton &lt;b&gt;Effacer la liste&lt;/b&gt; vide la liste des résultats.</translation>
    </message>
    <message>
        <source>Filling the number list</source>
        <translation>Remplir la liste des nombres</translation>
    </message>
    <message>
        <source>Typing: press &lt;b&gt;Add Number / Numbers&lt;/b&gt; and type a number, or several separated by commas.</source>
        <translation>Saisie&#xa0;: appuyez sur &lt;b&gt;Ajouter des nombres&lt;/b&gt; et saisissez un nombre, ou plusieurs séparés par des virgules.</translation>
    </message>
    <message>
        <source>Files: &lt;b&gt;Load Numbers From File&lt;/b&gt; reads list files, plain text with one number per line; lines that are not numbers are skipped.</source>
        <translation>Fichiers&#xa0;: &lt;b&gt;Charger depuis un fichier&lt;/b&gt; lit des fichiers de liste, en texte brut avec un nombre par ligne&#xa0;; les lignes qui ne sont pas des nombres sont ignorées.</translation>
    </message>
    <message>
        <source>Drops: drop list files, or folders whose list files are all read, on the number list. Esc stops a long drop.</source>
        <translation>Glisser-déposer&#xa0;: déposez sur la liste des nombres des fichiers de liste, ou des dossiers dont tous les fichiers de liste sont lus. Esc arrête un long dépôt.</translation>
    </message>
    <message>
        <source>Paste: Ctrl+V, Shift+Insert or &lt;b&gt;Paste Numbers&lt;/b&gt; add the numbers of the clipboard, such as a column or a block of cells copied from a spreadsheet.</source>
        <translation>Collage&#xa0;: Ctrl+V, Shift+Insert ou &lt;b&gt;Coller des nombres&lt;/b&gt; ajoutent les nombres du presse-papiers, par exemple une colonne ou un bloc de cellules copié depuis un tableur.</translation>
    </message>
    <message>
        <source>Sample: &lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed series to try the program with.</source>
        <translation>Exemple&#xa0;: &lt;b&gt;Charger un exemple&lt;/b&gt; ajoute une série fixe pour essayer le programme.</translation>
    </message>
    <message>
        <source>A number is written with the decimal and grouping separators of your regional format, or as a plain number with a point, which every format reads.</source>
        <translation>Un nombre s’écrit avec les séparateurs décimal et de milliers de votre format régional, ou comme un simple nombre avec un point, que tous les formats lisent.</translation>
    </message>
    <message>
        <source>After each addition a short notice over the bottom of the list says how many numbers were added and how many lines were not numbers.</source>
        <translation>Après chaque ajout, un bref avis en bas de la liste indique combien de nombres ont été ajoutés et combien de lignes n’étaient pas des nombres.</translation>
    </message>
    <message>
        <source>Double-click an entry to remove it, or select it and press Delete; drag an entry onto another to swap them. Ctrl+Z undoes the last change of the list and Ctrl+Shift+Z or Ctrl+Y does it again; the last 100 changes can be undone.</source>
        <translation>Double-cliquez sur une entrée pour la retirer, ou sélectionnez-la et appuyez sur Suppr&#xa0;; faites glisser une entrée sur une autre pour les échanger. Ctrl+Z annule la dernière modification de la liste et Ctrl+Shift+Z ou Ctrl+Y la refait&#xa0;; les 100 dernières modifications peuvent être annulées.</translation>
    </message>
    <message>
        <source>The analysis and its options</source>
        <translation>L’analyse et ses options</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; computes the twelve results of the numbers in the list.</source>
        <translation>&lt;b&gt;Lancer l’analyse&lt;/b&gt; calcule les douze résultats des nombres de la liste.</translation>
    </message>
    <message>
        <source>With &lt;b&gt;Sample&lt;/b&gt; the variance is the sum of the squared deviations from the mean divided by the count less one; with &lt;b&gt;Population&lt;/b&gt; it is divided by the count. The standard deviation, the skew and the coefficient of variation follow it.</source>
        <translation>Avec &lt;b&gt;Échantillon&lt;/b&gt;, la variance est la somme des carrés des écarts à la moyenne divisée par l’effectif moins un&#xa0;; avec &lt;b&gt;Population&lt;/b&gt;, elle est divisée par l’effectif. L’écart type, l’asymétrie et le coefficient de variation en découlent.</translation>
    </message>
    <message>
        <source>The last six results are rounded to 1 to 10 decimal places, or shown with all ten decimals; a value those would show as 0 or with fewer than four significant digits is shown with 15 significant digits instead.</source>
        <translation>Les six derniers résultats sont arrondis à 1 à 10 décimales, ou affichés avec leurs dix décimales&#xa0;; une valeur qui s’afficherait alors comme 0 ou avec moins de quatre chiffres significatifs est affichée à la place avec 15 chiffres significatifs.</translation>
    </message>
    <message>
        <source>The options are remembered from one start to the next.</source>
        <translation>Les options sont conservées d’un lancement à l’autre.</translation>
    </message>
    <message>
        <source>Exporting the results</source>
        <translation>Exporter les résultats</translation>
    </message>
    <message>
        <source>Tick the results to export: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Then:</source>
        <translation>Cochez les résultats à exporter&#xa0;: Espace coche la ligne actuelle, Ctrl+A les coche toutes, Ctrl+Shift+A aucune. Ensuite&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Text File&lt;/b&gt; writes them in padded columns.</source>
        <translation>&lt;b&gt;Exporter en fichier texte&lt;/b&gt; les écrit en colonnes alignées.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy Results To Clipboard&lt;/b&gt; copies them as text.</source>
        <translation>&lt;b&gt;Copier les résultats&lt;/b&gt; les copie sous forme de texte dans le presse-papiers.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Excel File&lt;/b&gt; opens them in a new spreadsheet workbook, which needs LibreOffice Calc.</source>
        <translation>&lt;b&gt;Exporter en fichier Excel&lt;/b&gt; les ouvre dans un nouveau classeur, ce qui nécessite LibreOffice Calc.</translation>
    </message>
    <message>
        <source>With no result ticked, each of the three only says so. &lt;b&gt;Copy as Table&lt;/b&gt; in the results list&apos;s context menu copies the ticked lines, or all, as label and value separated by a tab, ready to paste into a spreadsheet.</source>
        <translation>Si aucun résultat n’est coché, chacun des trois se contente de le signaler. &lt;b&gt;Copier sous forme de tableau&lt;/b&gt;, dans le menu contextuel de la liste des résultats, copie les lignes cochées, ou toutes, sous forme de libellé et de valeur séparés par une tabulation, prêtes à être collées dans un tableur.</translation>
    </message>
    <message>
        <source>The distribution window</source>
        <translation>La fenêtre de distribution</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Distribution…&lt;/b&gt; (Ctrl+D, or either list&apos;s context menu) opens a window of its own with a picture of the last analysis&apos;s numbers and a table of their spread.</source>
        <translation>&lt;b&gt;Afficher la distribution…&lt;/b&gt; (Ctrl+D, ou le menu contextuel de l’une ou l’autre liste) ouvre une fenêtre distincte avec une image des nombres de la dernière analyse et un tableau de leur dispersion.</translation>
    </message>
    <message>
        <source>The distribution window of the sample series</source>
        <translation>La fenêtre de distribution de la série d’exemple</translation>
    </message>
    <message>
        <source>The picture shows a histogram, the normal curve of the mean and the standard deviation, the mean and the median marked, and a box plot on the same axis.</source>
        <translation>L’image montre un histogramme, la courbe normale de même moyenne et de même écart type, la moyenne et la médiane repérées, et une boîte à moustaches sur le même axe.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Bins&lt;/b&gt; sets the number of bars from 1 to 500, or leaves it to the program. &lt;b&gt;Copy Picture&lt;/b&gt; (Ctrl+C) copies the picture as an image, &lt;b&gt;Save Picture…&lt;/b&gt; (Ctrl+S) saves it as PNG or SVG, and Esc closes the window.</source>
        <translation>&lt;b&gt;Classes&lt;/b&gt; fixe le nombre de barres de 1 à 500, ou laisse le programme le choisir. &lt;b&gt;Copier l’image&lt;/b&gt; (Ctrl+C) copie l’image dans le presse-papiers, &lt;b&gt;Enregistrer l’image…&lt;/b&gt; (Ctrl+S) l’enregistre au format PNG ou SVG, et Esc ferme la fenêtre.</translation>
    </message>
    <message>
        <source>The window follows each new analysis and says when the number list has changed since the one it shows.</source>
        <translation>La fenêtre suit chaque nouvelle analyse et signale quand la liste des nombres a changé depuis celle qu’elle affiche.</translation>
    </message>
    <message>
        <source>The menu bar</source>
        <translation>La barre de menus</translation>
    </message>
    <message>
        <source>The menus hold every command of the buttons and context menus; each item does exactly what its button does.</source>
        <translation>Les menus contiennent toutes les commandes des boutons et des menus contextuels&#xa0;; chaque élément fait exactement ce que fait son bouton.</translation>
    </message>
    <message>
        <source>&lt;b&gt;File&lt;/b&gt;: loading and saving numbers, recent files, saving the results, and Quit (Ctrl+Q).</source>
        <translation>&lt;b&gt;Fichier&lt;/b&gt;&#xa0;: chargement et enregistrement des nombres, fichiers récents, enregistrement des résultats, et Quitter (Ctrl+Q).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt;: undo and redo, pasting and copying numbers, copying the results, and clearing the lists.</source>
        <translation>&lt;b&gt;Édition&lt;/b&gt;&#xa0;: annuler et refaire, coller et copier des nombres, copier les résultats, et effacer les listes.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Analysis&lt;/b&gt;: Start Analysis, the method, Show all decimals and Show Distribution….</source>
        <translation>&lt;b&gt;Analyse&lt;/b&gt;&#xa0;: Lancer l’analyse, la méthode, Toutes décimales et Afficher la distribution….</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt;: this manual (F1), the keyboard shortcuts, and About Tallowmere.</source>
        <translation>&lt;b&gt;Aide&lt;/b&gt;&#xa0;: ce manuel (F1), les raccourcis clavier, et À propos de Tallowmere.</translation>
    </message>
    <message>
        <source>Alt with the underlined letter of a menu, button or option reaches it from the keyboard. The window can be enlarged: the two lists take the extra room, and the size is remembered.</source>
        <translation>Alt avec la lettre soulignée d’un menu, d’un bouton ou d’une option permet d’y accéder au clavier. La fenêtre peut être agrandie&#xa0;: les deux listes occupent la place supplémentaire, et la taille est conservée.</translation>
    </message>
    <message>
        <source>Keeping your numbers</source>
        <translation>Conserver vos nombres</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Numbers…&lt;/b&gt; (Ctrl+S) writes the number list as a list file, one entry per line, exactly as the entries read; &lt;b&gt;Load Numbers From File&lt;/b&gt; reads it back. &lt;b&gt;Copy Numbers&lt;/b&gt; (Ctrl+C in the number list) copies the selected entries, or all when none is selected, one per line.</source>
        <translation>&lt;b&gt;Enregistrer les nombres…&lt;/b&gt; (Ctrl+S) écrit la liste des nombres dans un fichier de liste, une entrée par ligne, exactement telles qu’elles apparaissent&#xa0;; &lt;b&gt;Charger depuis un fichier&lt;/b&gt; la relit. &lt;b&gt;Copier les nombres&lt;/b&gt; (Ctrl+C dans la liste des nombres) copie les entrées sélectionnées, ou toutes si aucune n’est sélectionnée, une par ligne.</translation>
    </message>
    <message>
        <source>When the window closes, the number list is kept. The next start begins with an empty list, as always, and offers over it to restore the numbers from last time: one click brings them back, and Ctrl+Z takes them away again. The offer goes at the first change of the list. A list over 100 MB is not kept; the next start says so.</source>
        <translation>À la fermeture de la fenêtre, la liste des nombres est conservée. Le lancement suivant commence avec une liste vide, comme toujours, et propose au-dessus de celle-ci de restaurer les nombres de la dernière session&#xa0;: un clic les fait revenir, et Ctrl+Z les retire de nouveau. La proposition disparaît à la première modification de la liste. Une liste de plus de 100 Mo n’est pas conservée&#xa0;; le lancement suivant le signale.</translation>
    </message>
    <message>
        <source>&lt;b&gt;File → Open Recent&lt;/b&gt; lists the last eight list files read or saved.</source>
        <translation>&lt;b&gt;Fichier → Ouvrir un fichier récent&lt;/b&gt; liste les huit derniers fichiers de liste lus ou enregistrés.</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>The program speaks the language of your desktop: English, German, French, Spanish, Italian, Brazilian Portuguese, Dutch, Polish or Japanese. The result rows and the three exports use it too.</source>
        <translation>Le programme utilise la langue de votre bureau&#xa0;: anglais, allemand, français, espagnol, italien, portugais du Brésil, néerlandais, polonais ou japonais. Les lignes de résultats et les trois exports l’utilisent aussi.</translation>
    </message>
    <message>
        <source>The language is chosen by &lt;code&gt;LANGUAGE&lt;/code&gt;, &lt;code&gt;LC_ALL&lt;/code&gt;, &lt;code&gt;LC_MESSAGES&lt;/code&gt; or &lt;code&gt;LANG&lt;/code&gt;, as in other desktop programs; the format of numbers follows &lt;code&gt;LC_NUMERIC&lt;/code&gt; on its own. So &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; gives English words with German numbers.</source>
        <translation>La langue est choisie par &lt;code&gt;LANGUAGE&lt;/code&gt;, &lt;code&gt;LC_ALL&lt;/code&gt;, &lt;code&gt;LC_MESSAGES&lt;/code&gt; ou &lt;code&gt;LANG&lt;/code&gt;, comme dans les autres programmes de bureau&#xa0;; le format des nombres suit uniquement &lt;code&gt;LC_NUMERIC&lt;/code&gt;. Ainsi, &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; donne des mots en anglais avec des nombres au format allemand.</translation>
    </message>
    <message>
        <source>The tallowmere command</source>
        <translation>La commande tallowmere</translation>
    </message>
    <message>
        <source>Opens the window and reads each path, in the order given, as if all of them had been dropped on the number list together: a file as a list file, a folder with all its sub-folders. A file manager&apos;s Open With uses this.</source>
        <translation>Ouvre la fenêtre et lit chaque chemin, dans l’ordre donné, comme s’ils avaient tous été déposés ensemble sur la liste des nombres&#xa0;: un fichier comme fichier de liste, un dossier avec tous ses sous-dossiers. C’est ce qu’utilise la commande «&#xa0;Ouvrir avec&#xa0;» d’un gestionnaire de fichiers.</translation>
    </message>
    <message>
        <source>Prints a short help text and exits.</source>
        <translation>Affiche un court texte d’aide et quitte.</translation>
    </message>
    <message>
        <source>Prints the version and exits.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Ends the options: every later argument is a path.</source>
        <translation>Termine les options&#xa0;: tout argument suivant est un chemin.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as &lt;code&gt;-platform&lt;/code&gt; and &lt;code&gt;-style&lt;/code&gt;, are taken as well. The exit status is 0, or 2 after an unknown option.</source>
        <translation>Les options propres à Qt, comme &lt;code&gt;-platform&lt;/code&gt; et &lt;code&gt;-style&lt;/code&gt;, sont également acceptées. Le code de sortie est 0, ou 2 après une option inconnue.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>The options of the window are kept in &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt;, section &lt;code&gt;[Tallowmere]&lt;/code&gt;, written the moment they change. The number list kept at close is in &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt;. The program writes nothing else but the files you name, the clipboard and new spreadsheet workbooks.</source>
        <translation>Les options de la fenêtre sont conservées dans &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt;, section &lt;code&gt;[Tallowmere]&lt;/code&gt;, et écrites dès qu’elles changent. La liste des nombres conservée à la fermeture se trouve dans &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt;. Le programme n’écrit rien d’autre que les fichiers que vous désignez, le presse-papiers et les nouveaux classeurs.</translation>
    </message>
    <message>
        <source>The tallowmere-analyse command</source>
        <translation>La commande tallowmere-analyse</translation>
    </message>
    <message>
        <source>&lt;code&gt;tallowmere-analyse&lt;/code&gt; runs the analysis of the window without a window and writes its twelve results to standard output, for scripts. Each path is read as the window reads a dropped one; &lt;code&gt;-&lt;/code&gt;, or no path at all, is standard input.</source>
        <translation>&lt;code&gt;tallowmere-analyse&lt;/code&gt; effectue l’analyse de la fenêtre sans fenêtre et écrit ses douze résultats sur la sortie standard, pour les scripts. Chaque chemin est lu comme la fenêtre lit un chemin déposé&#xa0;; &lt;code&gt;-&lt;/code&gt;, ou l’absence de chemin, désigne l’entrée standard.</translation>
    </message>
    <message>
        <source>Reads list files and folders.</source>
        <translation>Lit des fichiers de liste et des dossiers.</translation>
    </message>
    <message>
        <source>Reads each line of the file as one entry, exactly as if typed in the window: a line that is not a number counts as its leading number, or 0.</source>
        <translation>Lit chaque ligne du fichier comme une entrée, exactement comme si elle était saisie dans la fenêtre&#xa0;: une ligne qui n’est pas un nombre compte comme le nombre par lequel elle commence, ou 0.</translation>
    </message>
    <message>
        <source>Reads the files as tables (CSV or TSV) and the numbers of one column: by its number from 1, or with a header line by its name. The delimiter is the tab unless given; with the strict option a record with too few fields makes the exit status 1.</source>
        <translation>Lit les fichiers comme des tableaux (CSV ou TSV) et les nombres d’une colonne&#xa0;: par son numéro à partir de 1, ou, avec une ligne d’en-tête, par son nom. Le séparateur est la tabulation sauf indication contraire&#xa0;; avec l’option stricte, un enregistrement ayant trop peu de champs donne le code de sortie 1.</translation>
    </message>
    <message>
        <source>The method of the variance; a sample is the default.</source>
        <translation>La méthode de la variance&#xa0;; l’échantillon est la valeur par défaut.</translation>
    </message>
    <message>
        <source>The rounding, as in the window; the text format rounds to 3 places by default.</source>
        <translation>L’arrondi, comme dans la fenêtre&#xa0;; le format texte arrondit à 3 décimales par défaut.</translation>
    </message>
    <message>
        <source>Text writes the rows as the window shows them; tsv writes a key and a value per line; json writes one object. Tsv and json write a point as the decimal separator and, unless told otherwise, every digit.</source>
        <translation>text écrit les lignes comme la fenêtre les affiche&#xa0;; tsv écrit une clé et une valeur par ligne&#xa0;; json écrit un seul objet. tsv et json utilisent le point comme séparateur décimal et, sauf indication contraire, écrivent tous les chiffres.</translation>
    </message>
    <message>
        <source>Adds the minimum, the maximum, the range, the quartiles, the interquartile range, the kurtosis, the standard error of the mean and, for a sample, the 95 % confidence interval of the mean.</source>
        <translation>Ajoute le minimum, le maximum, l’étendue, les quartiles, l’écart interquartile, le kurtosis, l’erreur type de la moyenne et, pour un échantillon, l’intervalle de confiance à 95&#xa0;% de la moyenne.</translation>
    </message>
    <message>
        <source>Prints the help text or the version and exits.</source>
        <translation>Affiche le texte d’aide ou la version et quitte.</translation>
    </message>
    <message>
        <source>Messages on standard error and the rows of the text format follow your language, as the window does; the keys of tsv and json and the option names never change.</source>
        <translation>Les messages sur la sortie d’erreur standard et les lignes du format texte suivent votre langue, comme la fenêtre&#xa0;; les clés de tsv et json et les noms des options ne changent jamais.</translation>
    </message>
    <message>
        <source>The exit status is 0 when the results were written; 1 when there were no numbers, something could not be read or the results could not be written; 2 when the command line was wrong.</source>
        <translation>Le code de sortie est 0 si les résultats ont été écrits&#xa0;; 1 s’il n’y avait aucun nombre, si quelque chose n’a pas pu être lu ou si les résultats n’ont pas pu être écrits&#xa0;; 2 si la ligne de commande était incorrecte.</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Exemples</translation>
    </message>
    <message>
        <source>The results of the third column of a TSV file.</source>
        <translation>Les résultats de la troisième colonne d’un fichier TSV.</translation>
    </message>
    <message>
        <source>A column by its name, from a CSV file as a German spreadsheet saves it.</source>
        <translation>Une colonne désignée par son nom, dans un fichier CSV tel que l’enregistre un tableur en allemand.</translation>
    </message>
    <message>
        <source>Two files with the numbers of standard input between them.</source>
        <translation>Deux fichiers, avec les nombres de l’entrée standard entre les deux.</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Tallowmere Manual</source>
        <translation>Manuel de Tallowmere</translation>
    </message>
    <message>
        <source>Tables and workbooks</source>
        <translation>Tableaux et classeurs</translation>
    </message>
    <message>
        <source>A file of several columns (CSV, TSV, text separated by semicolons as a German spreadsheet saves it) or a workbook (.ods, .xlsx) opens the &lt;b&gt;Open Table&lt;/b&gt; dialog when it is loaded, dropped or named on the command line; so does &lt;b&gt;Open Table…&lt;/b&gt; in the number list&apos;s context menu, and a paste of several columns.</source>
        <translation>Un fichier de plusieurs colonnes (CSV, TSV, texte séparé par des points-virgules comme l’enregistre un tableur allemand) ou un classeur (.ods, .xlsx) ouvre la boîte de dialogue &lt;b&gt;Ouvrir un tableau&lt;/b&gt; quand il est chargé, déposé ou nommé sur la ligne de commande&#xa0;; de même &lt;b&gt;Ouvrir un tableau…&lt;/b&gt; dans le menu contextuel de la liste des nombres, et le collage de plusieurs colonnes.</translation>
    </message>
    <message>
        <source>The dialog shows the first rows with what it guessed: the delimiter, whether the first row is a header, the decimal separator and, for a workbook, the sheet. Change any of them and the preview follows. Then tick the columns to read and, to compare groups, choose a column in &lt;b&gt;Split by&lt;/b&gt;.</source>
        <translation>La boîte de dialogue montre les premières lignes avec ce qu’elle a deviné&#xa0;: le délimiteur, si la première ligne est un en-tête, le séparateur décimal et, pour un classeur, la feuille. Changez l’un d’eux et l’aperçu suit. Cochez ensuite les colonnes à lire et, pour comparer des groupes, choisissez une colonne dans &lt;b&gt;Grouper par&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>One column ticked and no split: its numbers are added to the number list as one change, which Ctrl+Z undoes; cells that are not numbers are counted in the notice.</source>
        <translation>Une colonne cochée et aucun groupe&#xa0;: ses nombres sont ajoutés à la liste des nombres en une seule modification, que Ctrl+Z annule&#xa0;; l’avis compte les cellules qui ne sont pas des nombres.</translation>
    </message>
    <message>
        <source>Several columns, or a split: the &lt;b&gt;Compare&lt;/b&gt; window opens and the number list is left as it was.</source>
        <translation>Plusieurs colonnes, ou des groupes&#xa0;: la fenêtre &lt;b&gt;Comparer&lt;/b&gt; s’ouvre et la liste des nombres reste telle quelle.</translation>
    </message>
    <message>
        <source>The Compare window has a column for each column or group and a row for each statistic, computed as the main window computes them and rounded as it rounds; it follows the main window&apos;s method and decimals. Below the table are box plots of every list on one axis, and with &lt;b&gt;Histograms&lt;/b&gt; their histograms over the same span.</source>
        <translation>La fenêtre Comparer a une colonne par colonne ou par groupe et une ligne par statistique, calculée et arrondie comme dans la fenêtre principale&#xa0;; elle suit sa méthode et ses décimales. Sous le tableau figurent les boîtes à moustaches de toutes les listes sur un même axe et, avec &lt;b&gt;Histogrammes&lt;/b&gt;, leurs histogrammes sur la même étendue.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy as Table&lt;/b&gt; (Ctrl+C) copies the table, separated by tabs, ready to paste into a spreadsheet; &lt;b&gt;Save Table…&lt;/b&gt; (Ctrl+S) saves it as CSV or as a workbook; &lt;b&gt;Copy Picture&lt;/b&gt; and &lt;b&gt;Save Picture…&lt;/b&gt; do the same for the picture; &lt;b&gt;Send to Number List&lt;/b&gt; adds the numbers of the chosen list to the main window&apos;s number list.</source>
        <translation>&lt;b&gt;Copier sous forme de tableau&lt;/b&gt; (Ctrl+C) copie le tableau, séparé par des tabulations, prêt à coller dans un tableur&#xa0;; &lt;b&gt;Enregistrer le tableau…&lt;/b&gt; (Ctrl+S) l’enregistre en CSV ou en classeur&#xa0;; &lt;b&gt;Copier l’image&lt;/b&gt; et &lt;b&gt;Enregistrer l’image…&lt;/b&gt; font de même pour l’image&#xa0;; &lt;b&gt;Envoyer vers la liste des nombres&lt;/b&gt; ajoute les nombres de la liste choisie à la liste des nombres de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Several columns, or every column that holds numbers, each analysed on its own; with a group column, each column&apos;s rows are split by its values. The text format writes a block for each, headed by its name; tsv writes a column for each; json writes an array of objects.</source>
        <translation>Plusieurs colonnes, ou toutes celles qui contiennent des nombres, chacune analysée à part&#xa0;; avec une colonne de groupes, les lignes de chaque colonne sont réparties selon ses valeurs. Le format texte écrit un bloc pour chacune, titré de son nom&#xa0;; tsv écrit une colonne pour chacune&#xa0;; json écrit un tableau d’objets.</translation>
    </message>
    <message>
        <source>The sheet of a workbook (.ods or .xlsx, known by its content) to read the columns from; the first unless given.</source>
        <translation>La feuille d’un classeur (.ods ou .xlsx, reconnu à son contenu) où lire les colonnes&#xa0;; la première à défaut.</translation>
    </message>
    <message>
        <source>The weights of each group of a workbook&apos;s first sheet, side by side.</source>
        <translation>Les poids de chaque groupe de la première feuille d’un classeur, côte à côte.</translation>
    </message>
    <message>
        <source>Whole numbers of up to 100 values get a bar for each value, centred on it. &lt;b&gt;Range&lt;/b&gt; shows all values or leaves out the outliers beyond the box plot&apos;s fences, which are then marked with their count at the ends of the axis; &lt;b&gt;Logarithmic axis&lt;/b&gt;, for positive numbers only, makes the bins equal on a logarithmic scale. Point at a bar to see its range and count. With &lt;b&gt;Include title and statistics&lt;/b&gt;, Copy Picture and Save Picture… add a title and the table of spread to the picture.</source>
        <translation>Les nombres entiers d’au plus 100 valeurs ont une barre par valeur, centrée sur elle. &lt;b&gt;Plage&lt;/b&gt; montre toutes les valeurs ou omet les valeurs aberrantes au-delà des barrières de la boîte à moustaches, alors marquées avec leur nombre aux extrémités de l’axe&#xa0;; &lt;b&gt;Axe logarithmique&lt;/b&gt;, pour les nombres positifs seulement, rend les classes égales sur une échelle logarithmique. Pointez une barre pour voir son intervalle et son effectif. Avec &lt;b&gt;Inclure le titre et les statistiques&lt;/b&gt;, Copier l’image et Enregistrer l’image… ajoutent à l’image un titre et le tableau de dispersion.</translation>
    </message>
    <message>
        <source>The encoding of a table&apos;s text: utf-8, utf-16le, utf-16be, utf-32le, utf-32be or windows-1252. Without it each file is read in the form its first bytes show, as the table dialog reads it; standard input is then read as a list file.</source>
        <translation>L’encodage du texte d’un tableau&#xa0;: utf-8, utf-16le, utf-16be, utf-32le, utf-32be ou windows-1252. Sans lui, chaque fichier est lu sous la forme que montrent ses premiers octets, comme le lit la boîte de dialogue des tableaux&#xa0;; l’entrée standard est alors lue comme un fichier de liste.</translation>
    </message>
</context>
<context>
    <name>ManualEntry</name>
    <message>
        <source>Enter number or numbers (use commas):</source>
        <translation>Saisissez un ou plusieurs nombres (séparés par des virgules)&#xa0;:</translation>
    </message>
    <message>
        <source>Enter number or numbers (use semicolons):</source>
        <translation>Saisissez un ou plusieurs nombres (séparés par des points-virgules)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Normality</name>
    <message>
        <source>The Shapiro-Wilk test needs at least 3 numbers</source>
        <translation>Le test de Shapiro-Wilk demande au moins 3 nombres</translation>
    </message>
    <message>
        <source>The Shapiro-Wilk test takes at most 5000 numbers</source>
        <translation>Le test de Shapiro-Wilk accepte au plus 5000 nombres</translation>
    </message>
    <message>
        <source>The K² test needs at least 8 numbers</source>
        <translation>Le test K² demande au moins 8 nombres</translation>
    </message>
    <message>
        <source>All the numbers are equal</source>
        <translation>Tous les nombres sont égaux</translation>
    </message>
    <message>
        <source>The numbers are too large or too far apart for the test</source>
        <translation>Les nombres sont trop grands ou trop éloignés pour le test</translation>
    </message>
    <message>
        <source>The kurtosis is outside the range of the test&apos;s approximation</source>
        <translation>Le kurtosis est hors du domaine de l’approximation du test</translation>
    </message>
    <message>
        <source>no evidence against normality at 5 %</source>
        <translation>aucun indice contre la normalité au seuil de 5&#xa0;%</translation>
    </message>
    <message>
        <source>the numbers are unlikely to come from a normal distribution (p = %1)</source>
        <translation>il est peu probable que les nombres proviennent d’une loi normale (p = %1)</translation>
    </message>
</context>
<context>
    <name>NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refaire&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Must be a numeric entry.</source>
        <translation>La saisie doit être numérique.</translation>
    </message>
</context>
<context>
    <name>OutlierPage</name>
    <message numerus="yes">
        <source>%1 outliers</source>
        <translation>
            <numerusform>%1 valeur aberrante</numerusform>
            <numerusform>%1 valeurs aberrantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 far out</source>
        <translation>
            <numerusform>%1 valeur très éloignée</numerusform>
            <numerusform>%1 valeurs très éloignées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OutlierTable</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>PercentileText</name>
    <message>
        <source>“%1” is not a number</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre</translation>
    </message>
    <message>
        <source>%1: percentiles run from 0 to 100</source>
        <translation>%1&#xa0;: les centiles vont de 0 à 100</translation>
    </message>
</context>
<context>
    <name>QQPage</name>
    <message>
        <source>Shapiro-Wilk: W = %1, p = %2 — %3</source>
        <translation>Shapiro-Wilk&#xa0;: W = %1, p = %2 — %3</translation>
    </message>
    <message>
        <source>Shapiro-Wilk: %1</source>
        <translation>Shapiro-Wilk&#xa0;: %1</translation>
    </message>
    <message>
        <source>D&apos;Agostino-Pearson: K² = %1, p = %2 — %3</source>
        <translation>D’Agostino-Pearson&#xa0;: K² = %1, p = %2 — %3</translation>
    </message>
    <message>
        <source>D&apos;Agostino-Pearson: %1</source>
        <translation>D’Agostino-Pearson&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>QQPicture</name>
    <message>
        <source>No numbers analysed yet.</source>
        <translation>Aucun nombre analysé pour l’instant.</translation>
    </message>
    <message>
        <source>Normal quantiles</source>
        <translation>Quantiles de la loi normale</translation>
    </message>
    <message>
        <source>Sample quantiles</source>
        <translation>Quantiles de l’échantillon</translation>
    </message>
    <message numerus="yes">
        <source>Normal Q-Q plot of %1 numbers: the values from %2 to %3 against the normal quantiles from %4 to %5, with the line through the quartiles (intercept %6, slope %7).</source>
        <translation>
            <numerusform>Diagramme Q-Q normal de %1 nombre&#xa0;: les valeurs de %2 à %3 en regard des quantiles de la loi normale de %4 à %5, avec la droite passant par les quartiles (ordonnée à l’origine %6, pente %7).</numerusform>
            <numerusform>Diagramme Q-Q normal de %1 nombres&#xa0;: les valeurs de %2 à %3 en regard des quantiles de la loi normale de %4 à %5, avec la droite passant par les quartiles (ordonnée à l’origine %6, pente %7).</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Q-Q plot</source>
        <translation>Diagramme Q-Q normal</translation>
    </message>
</context>
<context>
    <name>QuantileMethods</name>
    <message>
        <source>Nearest rank (R type 1)</source>
        <translation>Rang le plus proche (type 1 de R)</translation>
    </message>
    <message>
        <source>Averaged inverse (SAS default, R type 2)</source>
        <translation>Inverse moyennée (par défaut dans SAS, type 2 de R)</translation>
    </message>
    <message>
        <source>Nearest even rank (R type 3)</source>
        <translation>Rang pair le plus proche (type 3 de R)</translation>
    </message>
    <message>
        <source>Linear in the distribution function (R type 4)</source>
        <translation>Linéaire dans la fonction de répartition (type 4 de R)</translation>
    </message>
    <message>
        <source>Hazen, midpoint steps (R type 5)</source>
        <translation>Hazen, milieux des marches (type 5 de R)</translation>
    </message>
    <message>
        <source>Exclusive (spreadsheet QUARTILE.EXC, SPSS, Minitab, R type 6)</source>
        <translation>Exclusive (tableur QUARTILE.EXCLURE, SPSS, Minitab, type 6 de R)</translation>
    </message>
    <message>
        <source>Inclusive (spreadsheet QUARTILE.INC, R type 7, numpy default)</source>
        <translation>Inclusive (tableur QUARTILE.INCLURE, type 7 de R, par défaut dans numpy)</translation>
    </message>
    <message>
        <source>Median-unbiased (R type 8)</source>
        <translation>Sans biais pour la médiane (type 8 de R)</translation>
    </message>
    <message>
        <source>Normal-unbiased, Blom (R type 9)</source>
        <translation>Sans biais pour la loi normale, Blom (type 9 de R)</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>The number of entries is: </source>
        <translation>Le nombre d’entrées est&#xa0;: </translation>
    </message>
    <message>
        <source>The sum of the numbers are: </source>
        <translation>La somme des nombres est&#xa0;: </translation>
    </message>
    <message>
        <source>The sum squared is: </source>
        <translation>Le carré de la somme est&#xa0;: </translation>
    </message>
    <message>
        <source>The sum of squares is: </source>
        <translation>La somme des carrés est&#xa0;: </translation>
    </message>
    <message>
        <source>The mode is: </source>
        <translation>Le mode est&#xa0;: </translation>
    </message>
    <message>
        <source>The median is: </source>
        <translation>La médiane est&#xa0;: </translation>
    </message>
    <message>
        <source>The mean is: </source>
        <translation>La moyenne est&#xa0;: </translation>
    </message>
    <message>
        <source>The variance is: </source>
        <translation>La variance est&#xa0;: </translation>
    </message>
    <message>
        <source>The skew is: </source>
        <translation>L’asymétrie est&#xa0;: </translation>
    </message>
    <message>
        <source>The average deviation is: </source>
        <translation>L’écart absolu moyen est&#xa0;: </translation>
    </message>
    <message>
        <source>The standard deviation is: </source>
        <translation>L’écart type est&#xa0;: </translation>
    </message>
    <message>
        <source>The coefficient of variation is: </source>
        <translation>Le coefficient de variation est&#xa0;: </translation>
    </message>
    <message>
        <source>The minimum is: </source>
        <translation>Le minimum est&#xa0;: </translation>
    </message>
    <message>
        <source>The maximum is: </source>
        <translation>Le maximum est&#xa0;: </translation>
    </message>
    <message>
        <source>The range is: </source>
        <translation>L’étendue est&#xa0;: </translation>
    </message>
    <message>
        <source>The first quartile is: </source>
        <translation>Le premier quartile est&#xa0;: </translation>
    </message>
    <message>
        <source>The third quartile is: </source>
        <translation>Le troisième quartile est&#xa0;: </translation>
    </message>
    <message>
        <source>The interquartile range is: </source>
        <translation>L’écart interquartile est&#xa0;: </translation>
    </message>
    <message>
        <source>The kurtosis is: </source>
        <translation>Le kurtosis est&#xa0;: </translation>
    </message>
    <message>
        <source>The standard error of the mean is: </source>
        <translation>L’erreur type de la moyenne est&#xa0;: </translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s low end is: </source>
        <translation>La borne inférieure de l’intervalle de confiance à 95&#xa0;% est&#xa0;: </translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s high end is: </source>
        <translation>La borne supérieure de l’intervalle de confiance à 95&#xa0;% est&#xa0;: </translation>
    </message>
    <message>
        <source>The geometric mean is: </source>
        <translation>La moyenne géométrique est&#xa0;: </translation>
    </message>
    <message>
        <source>The harmonic mean is: </source>
        <translation>La moyenne harmonique est&#xa0;: </translation>
    </message>
    <message>
        <source>The median absolute deviation is: </source>
        <translation>L’écart absolu médian est&#xa0;: </translation>
    </message>
    <message>
        <source>The scaled median absolute deviation is: </source>
        <translation>L’écart absolu médian normalisé est&#xa0;: </translation>
    </message>
    <message>
        <source>The quantile method is: </source>
        <translation>La méthode des quantiles est&#xa0;: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk W is: </source>
        <translation>Le W de Shapiro-Wilk est&#xa0;: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk p-value is: </source>
        <translation>La p-valeur de Shapiro-Wilk est&#xa0;: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk test reads: </source>
        <translation>Le test de Shapiro-Wilk indique&#xa0;: </translation>
    </message>
    <message>
        <source>The K² of D&apos;Agostino and Pearson is: </source>
        <translation>Le K² de D’Agostino et Pearson est&#xa0;: </translation>
    </message>
    <message>
        <source>The K² p-value is: </source>
        <translation>La p-valeur du K² est&#xa0;: </translation>
    </message>
    <message>
        <source>The K² test reads: </source>
        <translation>Le test K² indique&#xa0;: </translation>
    </message>
    <message>
        <source>The %1 % trimmed mean is: </source>
        <translation>La moyenne tronquée à %1&#xa0;% est&#xa0;: </translation>
    </message>
    <message>
        <source>The %1 % confidence interval&apos;s low end is: </source>
        <translation>La borne inférieure de l’intervalle de confiance à %1&#xa0;% est&#xa0;: </translation>
    </message>
    <message>
        <source>The %1 % confidence interval&apos;s high end is: </source>
        <translation>La borne supérieure de l’intervalle de confiance à %1&#xa0;% est&#xa0;: </translation>
    </message>
    <message>
        <source>The median&apos;s %1 % confidence interval&apos;s low end is: </source>
        <translation>La borne inférieure de l’intervalle de confiance à %1&#xa0;% de la médiane est&#xa0;: </translation>
    </message>
    <message>
        <source>The median&apos;s %1 % confidence interval&apos;s high end is: </source>
        <translation>La borne supérieure de l’intervalle de confiance à %1&#xa0;% de la médiane est&#xa0;: </translation>
    </message>
    <message>
        <source>The median&apos;s interval&apos;s actual coverage is: </source>
        <translation>La couverture réelle de l’intervalle de la médiane est&#xa0;: </translation>
    </message>
    <message>
        <source>The %1st percentile is: </source>
        <translation>Le centile %1 est&#xa0;: </translation>
    </message>
    <message>
        <source>The %1nd percentile is: </source>
        <translation>Le centile %1 est&#xa0;: </translation>
    </message>
    <message>
        <source>The %1rd percentile is: </source>
        <translation>Le centile %1 est&#xa0;: </translation>
    </message>
    <message>
        <source>The %1th percentile is: </source>
        <translation>Le centile %1 est&#xa0;: </translation>
    </message>
</context>
<context>
    <name>ResultValues</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
</context>
<context>
    <name>ResultsListMenu</name>
    <message>
        <source>Copy as Table</source>
        <translation>Copier sous forme de tableau</translation>
    </message>
</context>
<context>
    <name>RobustStatistics</name>
    <message>
        <source>There are no numbers</source>
        <translation>Il n’y a aucun nombre</translation>
    </message>
    <message>
        <source>The geometric and the harmonic mean need positive numbers</source>
        <translation>Les moyennes géométrique et harmonique demandent des nombres positifs</translation>
    </message>
    <message>
        <source>The share trimmed from each end must be at least 0 and below 0.5</source>
        <translation>La part retirée à chaque bout doit être d’au moins 0 et inférieure à 0.5</translation>
    </message>
    <message>
        <source>The confidence level must be from 50 % to 99.9 %</source>
        <translation>Le niveau de confiance doit être compris entre 50&#xa0;% et 99.9&#xa0;%</translation>
    </message>
    <message>
        <source>The confidence interval of the mean needs at least 2 numbers</source>
        <translation>L’intervalle de confiance de la moyenne demande au moins 2 nombres</translation>
    </message>
    <message>
        <source>Too few numbers for a confidence interval of the median at this level</source>
        <translation>Trop peu de nombres pour un intervalle de confiance de la médiane à ce niveau</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>its lock file %1 is not a regular file</source>
        <translation>son fichier de verrou %1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>il n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>il n’est pas accessible en écriture&#xa0;: %1</translation>
    </message>
    <message>
        <source>The options cannot be saved to %1: %2. They stay as chosen until %3 ends.</source>
        <translation>Les options ne peuvent pas être enregistrées dans %1&#xa0;: %2. Elles restent telles que choisies jusqu’à la fermeture de %3.</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Open Table</source>
        <translation>Ouvrir un tableau</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgule</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Point-virgule</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Other delimiter</source>
        <translation>Autre séparateur</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>La première ligne est un &amp;en-tête</translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation>La première ligne est un en-tête</translation>
    </message>
    <message>
        <source>As in this locale (%1)</source>
        <translation>Comme dans ce format régional (%1)</translation>
    </message>
    <message>
        <source>Point (61.5)</source>
        <translation>Point (61.5)</translation>
    </message>
    <message>
        <source>Comma (61,5)</source>
        <translation>Virgule (61,5)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Séparateur&#xa0;:</translation>
    </message>
    <message>
        <source>D&amp;ecimal separator:</source>
        <translation>Séparateur &amp;décimal&#xa0;:</translation>
    </message>
    <message>
        <source>Shee&amp;t:</source>
        <translation>&amp;Feuille&#xa0;:</translation>
    </message>
    <message>
        <source>Co&amp;lumns:</source>
        <translation>&amp;Colonnes&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Split by:</source>
        <translation>&amp;Grouper par&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>&amp;Aperçu&#xa0;:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 n’a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is neither a spreadsheet nor a table of delimited text.</source>
        <translation>%1 n’est ni un classeur ni un tableau de texte délimité.</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be read (%2).</source>
        <translation>%1 est endommagé et n’a pas pu être lu (%2).</translation>
    </message>
    <message>
        <source>%1 is protected by a password: save it without one to open it.</source>
        <translation>%1 est protégé par un mot de passe&#xa0;: enregistrez-le sans mot de passe pour l’ouvrir.</translation>
    </message>
    <message>
        <source>%1 is an Excel 97-2003 workbook: save it as .xlsx or .ods to open it.</source>
        <translation>%1 est un classeur Excel 97-2003&#xa0;: enregistrez-le en .xlsx ou en .ods pour l’ouvrir.</translation>
    </message>
    <message>
        <source>%1 has no sheet %2.</source>
        <translation>%1 n’a pas de feuille %2.</translation>
    </message>
    <message>
        <source>UTF-16 (little-endian)</source>
        <translation>UTF-16 (petit-boutiste)</translation>
    </message>
    <message>
        <source>UTF-16 (big-endian)</source>
        <translation>UTF-16 (gros-boutiste)</translation>
    </message>
    <message>
        <source>UTF-32 (little-endian)</source>
        <translation>UTF-32 (petit-boutiste)</translation>
    </message>
    <message>
        <source>UTF-32 (big-endian)</source>
        <translation>UTF-32 (gros-boutiste)</translation>
    </message>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>Occidental (Windows-1252)</translation>
    </message>
    <message>
        <source>E&amp;ncoding:</source>
        <translation>E&amp;ncodage&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TickList</name>
    <message>
        <source>Ticks or unticks the result</source>
        <translation>Coche ou décoche le résultat</translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation>Coché</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Non coché</translation>
    </message>
</context>
<context>
    <name>WholeFileWriter</name>
    <message>
        <source>not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::CompareWindow</name>
    <message>
        <source>Statistics of each list</source>
        <translation>Statistiques de chaque liste</translation>
    </message>
    <message>
        <source>A column per list and a row per statistic. Ctrl+C copies the whole table.</source>
        <translation>Une colonne par liste et une ligne par statistique. Ctrl+C copie tout le tableau.</translation>
    </message>
    <message>
        <source>Copy as &amp;Table</source>
        <translation>Copier sous forme de &amp;tableau</translation>
    </message>
    <message>
        <source>Put the table on the clipboard, its cells separated by tabs (Ctrl+C)</source>
        <translation>Placer le tableau dans le presse-papiers, ses cellules séparées par des tabulations (Ctrl+C)</translation>
    </message>
    <message>
        <source>Sa&amp;ve Table…</source>
        <translation>Enre&amp;gistrer le tableau…</translation>
    </message>
    <message>
        <source>Save the table as a CSV file or an Excel workbook (Ctrl+S)</source>
        <translation>Enregistrer le tableau dans un fichier CSV ou un classeur Excel (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Liste&#xa0;:</translation>
    </message>
    <message>
        <source>List to send</source>
        <translation>Liste à envoyer</translation>
    </message>
    <message>
        <source>Se&amp;nd to Number List</source>
        <translation>E&amp;nvoyer vers la liste des nombres</translation>
    </message>
    <message>
        <source>Append the chosen list&apos;s numbers to the main window&apos;s number list</source>
        <translation>Ajouter les nombres de la liste choisie à la liste des nombres de la fenêtre principale</translation>
    </message>
    <message>
        <source>&amp;Histograms</source>
        <translation>&amp;Histogrammes</translation>
    </message>
    <message>
        <source>Show each list&apos;s histogram over the same span, with its box plot</source>
        <translation>Afficher l’histogramme de chaque liste sur la même étendue, avec sa boîte à moustaches</translation>
    </message>
    <message>
        <source>Histograms</source>
        <translation>Histogrammes</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>Co&amp;pier l’image</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image</source>
        <translation>Placer l’image dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Enregistrer l’image…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file</source>
        <translation>Enregistrer l’image dans un fichier PNG ou SVG</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistique</translation>
    </message>
    <message>
        <source>Save Table</source>
        <translation>Enregistrer le tableau</translation>
    </message>
    <message>
        <source>The table could not be saved as
%1
%2</source>
        <translation>Le tableau n’a pas pu être enregistré sous
%1
%2</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation>L’image n’a pas pu être enregistrée sous
%1
%2</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::DistributionWindow</name>
    <message>
        <source>Notice</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistique</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as name and value separated by a tab.</source>
        <translation>Sélectionnez des lignes et appuyez sur Ctrl+C pour les copier sous forme de nom et de valeur séparés par une tabulation.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>&amp;Bins:</source>
        <translation>&amp;Classes&#xa0;:</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automatique (%1)</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Number of bins</source>
        <translation>Nombre de classes</translation>
    </message>
    <message>
        <source>The histogram&apos;s bins, 1 to 500; below 1 the count is chosen from the numbers.</source>
        <translation>Les classes de l’histogramme, de 1 à 500&#xa0;; en dessous de 1, leur nombre est choisi d’après les nombres.</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>Co&amp;pier l’image</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image (Ctrl+C)</source>
        <translation>Placer l’image dans le presse-papiers (Ctrl+C)</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Enregistrer l’image…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file (Ctrl+S)</source>
        <translation>Enregistrer l’image dans un fichier PNG ou SVG (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation>L’image n’a pas pu être enregistrée sous
%1
%2</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>Pla&amp;ge&#xa0;:</translation>
    </message>
    <message>
        <source>All values</source>
        <translation>Toutes les valeurs</translation>
    </message>
    <message>
        <source>Without outliers</source>
        <translation>Sans valeurs aberrantes</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Plage</translation>
    </message>
    <message>
        <source>Without outliers, the histogram spans the numbers within 1.5 interquartile ranges of the box.</source>
        <translation>Sans valeurs aberrantes, l’histogramme couvre les nombres situés à moins de 1,5 écart interquartile de la boîte.</translation>
    </message>
    <message>
        <source>&amp;Logarithmic axis</source>
        <translation>Axe &amp;logarithmique</translation>
    </message>
    <message>
        <source>Bins of equal width in the logarithm; for positive numbers only</source>
        <translation>Classes de largeur égale dans le logarithme&#xa0;; pour les nombres positifs seulement</translation>
    </message>
    <message>
        <source>&amp;Include title and statistics</source>
        <translation>Inclure le &amp;titre et les statistiques</translation>
    </message>
    <message>
        <source>Copy and save the picture with a title over it and the statistics under it</source>
        <translation>Copier et enregistrer l’image avec un titre au-dessus et les statistiques en dessous</translation>
    </message>
    <message>
        <source>&amp;Histogram</source>
        <translation>&amp;Histogramme</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Vues</translation>
    </message>
    <message>
        <source>&amp;Q-Q Plot</source>
        <translation>Diagramme &amp;Q-Q</translation>
    </message>
    <message>
        <source>&amp;Frequencies</source>
        <translation>&amp;Fréquences</translation>
    </message>
    <message>
        <source>&amp;Outliers</source>
        <translation>Valeurs &amp;aberrantes</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::DropProgressStrip</name>
    <message>
        <source>Stop the drop (Esc)</source>
        <translation>Arrêter le dépôt (Esc)</translation>
    </message>
    <message>
        <source>Stop the drop</source>
        <translation>Arrêter le dépôt</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::Form1</name>
    <message>
        <source>Results note</source>
        <translation>Remarque sur les résultats</translation>
    </message>
    <message>
        <source>Number(s)</source>
        <translation>Nombre(s)</translation>
    </message>
    <message>
        <source>Result(s)</source>
        <translation>Résultat(s)</translation>
    </message>
    <message>
        <source>The number list has changed since these results.</source>
        <translation>La liste des nombres a changé depuis ces résultats.</translation>
    </message>
    <message>
        <source>Analysis finished: the results list shows %1 rows.</source>
        <translation>Analyse terminée&#xa0;: la liste des résultats affiche %1 lignes.</translation>
    </message>
    <message>
        <source>Not every entry will come back as it is when this file is loaded:</source>
        <translation>Certaines entrées ne reviendront pas telles quelles au chargement de ce fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Entries that are not numbers, left out when it is loaded: %1</source>
        <translation>Entrées qui ne sont pas des nombres, ignorées au chargement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Entries a list file reads as another value: %1</source>
        <translation>Entrées qu’un fichier de liste lit comme une autre valeur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Entries holding a line break, read as several lines: %1</source>
        <translation>Entrées contenant un saut de ligne, lues comme plusieurs lignes&#xa0;: %1</translation>
    </message>
    <message>
        <source>The first of them: %1</source>
        <translation>La première d’entre elles&#xa0;: %1</translation>
    </message>
    <message>
        <source>Save the numbers all the same?</source>
        <translation>Enregistrer les nombres malgré tout&#xa0;?</translation>
    </message>
    <message>
        <source>Save Numbers</source>
        <translation>Enregistrer les nombres</translation>
    </message>
    <message>
        <source>The numbers could not be saved to &quot;%1&quot;: %2</source>
        <translation>Les nombres n’ont pas pu être enregistrés dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Effacer la liste des récents</translation>
    </message>
    <message>
        <source>The numbers from last time could not be read</source>
        <translation>Les nombres de la dernière session n’ont pas pu être lus</translation>
    </message>
    <message>
        <source>All results ticked</source>
        <translation>Tous les résultats sont cochés</translation>
    </message>
    <message>
        <source>No results ticked</source>
        <translation>Aucun résultat coché</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::FrequencyPage</name>
    <message>
        <source>One row per &amp;value</source>
        <translation>Une ligne par &amp;valeur</translation>
    </message>
    <message>
        <source>A row for each value however many there are; else, with more than %1 values, a row for each of the histogram&apos;s bins</source>
        <translation>Une ligne pour chaque valeur, quel que soit leur nombre&#xa0;; sinon, au-delà de %1 valeurs, une ligne pour chaque classe de l’histogramme</translation>
    </message>
    <message>
        <source>Copy as &amp;Table</source>
        <translation>Copier sous forme de ta&amp;bleau</translation>
    </message>
    <message>
        <source>Put the whole table on the clipboard with its header line, its cells separated by tabs</source>
        <translation>Placer tout le tableau dans le presse-papiers avec sa ligne d’en-tête, ses cellules séparées par des tabulations</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Frequencies</source>
        <translation>Fréquences</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them, their cells separated by tabs, as a spreadsheet reads them.</source>
        <translation>Sélectionnez des lignes et appuyez sur Ctrl+C pour les copier, leurs cellules séparées par des tabulations, comme les lit un tableur.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>These bins span all the numbers, the outliers too; the histogram leaves the outliers out.</source>
        <translation>Ces classes couvrent tous les nombres, valeurs aberrantes comprises&#xa0;; l’histogramme omet les valeurs aberrantes.</translation>
    </message>
    <message>
        <source>These bins are equal in width; the histogram&apos;s are equal in the logarithm.</source>
        <translation>Ces classes sont de largeur égale&#xa0;; celles de l’histogramme sont égales dans le logarithme.</translation>
    </message>
    <message>
        <source>The histogram has a bar for each value; tick &quot;One row per value&quot; for a row each.</source>
        <translation>L’histogramme a une barre par valeur&#xa0;; cochez «&#xa0;Une ligne par valeur&#xa0;» pour avoir une ligne pour chacune.</translation>
    </message>
    <message>
        <source>These bins are not the histogram&apos;s.</source>
        <translation>Ces classes ne sont pas celles de l’histogramme.</translation>
    </message>
    <message>
        <source>%1 rows are too many to copy: at most %2 can be copied.</source>
        <translation>%1 lignes, c’est trop pour les copier&#xa0;: %2 au plus peuvent être copiées.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::HelpWindow</name>
    <message>
        <source>Tallowmere Manual</source>
        <translation>Manuel de Tallowmere</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation>Rechercher dans le manuel</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation>Retirer les entrées non numériques</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::OutlierModel</name>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::OutlierPage</name>
    <message>
        <source>Outliers</source>
        <translation>Valeurs aberrantes</translation>
    </message>
    <message>
        <source>&amp;Values beyond the fences:</source>
        <translation>Valeurs au-delà des ba&amp;rrières&#xa0;:</translation>
    </message>
    <message>
        <source>Number of smallest and largest values</source>
        <translation>Nombre de plus petites et de plus grandes valeurs</translation>
    </message>
    <message>
        <source>How many of the smallest and of the largest numbers are listed, 1 to 100.</source>
        <translation>Combien des plus petits et des plus grands nombres sont listés, de 1 à 100.</translation>
    </message>
    <message>
        <source>&amp;Extremes at each end:</source>
        <translation>E&amp;xtrêmes de chaque côté&#xa0;:</translation>
    </message>
    <message>
        <source>Smallest and largest values</source>
        <translation>Plus petites et plus grandes valeurs</translation>
    </message>
    <message>
        <source>Select in &amp;Number List</source>
        <translation>&amp;Sélectionner dans la liste des nombres</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as kind, position and value separated by tabs.</source>
        <translation>Sélectionnez des lignes et appuyez sur Ctrl+C pour les copier sous forme de type, de position et de valeur séparés par des tabulations.</translation>
    </message>
    <message>
        <source>Outlier</source>
        <translation>Valeur aberrante</translation>
    </message>
    <message>
        <source>Far out</source>
        <translation>Très éloignée</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Plus petite</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Plus grande</translation>
    </message>
    <message>
        <source>No outliers; fences %1 and %2; far out beyond %3 and %4.</source>
        <translation>Aucune valeur aberrante&#xa0;; barrières %1 et %2&#xa0;; valeurs très éloignées au-delà de %3 et %4.</translation>
    </message>
    <message>
        <source>%1, %2; fences %3 and %4; far out beyond %5 and %6.</source>
        <translation>%1, %2&#xa0;; barrières %3 et %4&#xa0;; valeurs très éloignées au-delà de %5 et %6.</translation>
    </message>
    <message>
        <source>Showing %1 of %2, the first in the list.</source>
        <translation>%1 affichées sur %2, les premières de la liste.</translation>
    </message>
    <message>
        <source>There is no analysis to select from until one has finished.</source>
        <translation>Rien à sélectionner tant qu’aucune analyse n’est terminée.</translation>
    </message>
    <message>
        <source>The number list has changed since this analysis, so these positions may no longer be its rows. Press Start Analysis to find them again.</source>
        <translation>La liste des nombres a changé depuis cette analyse, ces positions ne correspondent donc peut-être plus à ses lignes. Appuyez sur «&#xa0;Lancer l’analyse&#xa0;» pour les retrouver.</translation>
    </message>
    <message>
        <source>There are no outliers; select rows of the tables to select those entries.</source>
        <translation>Il n’y a aucune valeur aberrante&#xa0;; sélectionnez des lignes des tableaux pour sélectionner les entrées correspondantes.</translation>
    </message>
    <message>
        <source>Select the entries of the selected rows in the number list, or all the outliers listed when no row is selected.</source>
        <translation>Sélectionner dans la liste des nombres les entrées des lignes sélectionnées, ou toutes les valeurs aberrantes listées si aucune ligne n’est sélectionnée.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::QQPage</name>
    <message>
        <source>Normal Q-Q plot</source>
        <translation>Diagramme Q-Q normal</translation>
    </message>
    <message>
        <source>Tests of normality</source>
        <translation>Tests de normalité</translation>
    </message>
    <message>
        <source>Press Ctrl+C to copy the selected text, or both lines where nothing is selected.</source>
        <translation>Appuyez sur Ctrl+C pour copier le texte sélectionné, ou les deux lignes si rien n’est sélectionné.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::StatisticsOptions</name>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Méthode&#xa0;:</translation>
    </message>
    <message>
        <source>Quantile method</source>
        <translation>Méthode des quantiles</translation>
    </message>
    <message>
        <source>How the quartiles, the box plot and the percentiles are read from the numbers</source>
        <translation>Comment les quartiles, la boîte à moustaches et les centiles sont tirés des nombres</translation>
    </message>
    <message>
        <source>&amp;Percentiles:</source>
        <translation>Cent&amp;iles&#xa0;:</translation>
    </message>
    <message>
        <source>Percentiles</source>
        <translation>Centiles</translation>
    </message>
    <message>
        <source>Percentiles&apos; error</source>
        <translation>Erreur des centiles</translation>
    </message>
    <message>
        <source>&amp;Trim:</source>
        <translation>Tr&amp;oncature&#xa0;:</translation>
    </message>
    <message>
        <source>Trimmed share</source>
        <translation>Part retranchée</translation>
    </message>
    <message>
        <source>The share of the numbers the trimmed mean leaves out at each end</source>
        <translation>La part des nombres que la moyenne tronquée omet à chaque extrémité</translation>
    </message>
    <message>
        <source>Confidence l&amp;evel:</source>
        <translation>&amp;Niveau de confiance&#xa0;:</translation>
    </message>
    <message>
        <source>Confidence level</source>
        <translation>Niveau de confiance</translation>
    </message>
    <message>
        <source>The level of the mean&apos;s and the median&apos;s confidence intervals</source>
        <translation>Le niveau des intervalles de confiance de la moyenne et de la médiane</translation>
    </message>
    <message>
        <source>Percentiles from 0 to 100, separated by semicolons: %1</source>
        <translation>Centiles de 0 à 100, séparés par des points-virgules&#xa0;: %1</translation>
    </message>
    <message>
        <source>Percentiles from 0 to 100, separated by commas or semicolons: %1</source>
        <translation>Centiles de 0 à 100, séparés par des virgules ou des points-virgules&#xa0;: %1</translation>
    </message>
</context>
</TS>
