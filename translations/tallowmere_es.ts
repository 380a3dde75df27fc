<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutBox</name>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (compilado con %2)</translation>
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
        <translation>Bibliotecas utilizadas:</translation>
    </message>
    <message>
        <source>Tallowmere %1</source>
        <translation>Tallowmere %1</translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation>Una calculadora de escritorio para estadística descriptiva.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tallowmere authors</source>
        <translation>Copyright © 2026 Los autores de Tallowmere</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Publicado bajo la licencia MIT.</translation>
    </message>
    <message>
        <source>About Tallowmere</source>
        <translation>Acerca de Tallowmere</translation>
    </message>
</context>
<context>
    <name>AdditionNotice</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 archivo</numerusform>
            <numerusform>%1 archivos</numerusform>
        </translation>
    </message>
    <message>
        <source> (first: %1)</source>
        <translation> (primer caso: %1)</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 línea se leyó con coma decimal (primera: %2)</numerusform>
            <numerusform>%1 líneas se leyeron con coma decimal (primera: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 línea se leyó con punto decimal (primera: %2)</numerusform>
            <numerusform>%1 líneas se leyeron con punto decimal (primera: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 elemento se leyó con coma decimal (primero: %2)</numerusform>
            <numerusform>%1 elementos se leyeron con coma decimal (primero: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 elemento se leyó con punto decimal (primero: %2)</numerusform>
            <numerusform>%1 elementos se leyeron con punto decimal (primero: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from %2</source>
        <translation>
            <numerusform>Se añadió %1 número de %2</numerusform>
            <numerusform>Se añadieron %1 números de %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the clipboard</source>
        <translation>
            <numerusform>Se añadió %1 número del portapapeles</numerusform>
            <numerusform>Se añadieron %1 números del portapapeles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the dropped text</source>
        <translation>
            <numerusform>Se añadió %1 número del texto soltado</numerusform>
            <numerusform>Se añadieron %1 números del texto soltado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers</source>
        <translation>
            <numerusform>Se añadió %1 número</numerusform>
            <numerusform>Se añadieron %1 números</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were not numbers</source>
        <translation>
            <numerusform>%1 línea no era un número</numerusform>
            <numerusform>%1 líneas no eran números</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were not numbers</source>
        <translation>
            <numerusform>%1 elemento no era un número</numerusform>
            <numerusform>%1 elementos no eran números</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no numbers</source>
        <translation>%1 no contiene números</translation>
    </message>
    <message>
        <source>The file holds no numbers</source>
        <translation>El archivo no contiene números</translation>
    </message>
    <message>
        <source>The %1 hold no numbers</source>
        <translation>Los %1 no contienen números</translation>
    </message>
    <message>
        <source>The clipboard holds no numbers</source>
        <translation>El portapapeles no contiene números</translation>
    </message>
    <message>
        <source>The dropped text holds no numbers</source>
        <translation>El texto soltado no contiene números</translation>
    </message>
    <message>
        <source>The answer holds no numbers</source>
        <translation>La respuesta no contiene números</translation>
    </message>
    <message>
        <source>their only line is not a number in this locale</source>
        <translation>su única línea no es un número en esta configuración regional</translation>
    </message>
    <message>
        <source>its only line is not a number in this locale</source>
        <translation>su única línea no es un número en esta configuración regional</translation>
    </message>
    <message>
        <source>its only item is not a number in this locale</source>
        <translation>su único elemento no es un número en esta configuración regional</translation>
    </message>
    <message numerus="yes">
        <source>their %1 lines are not numbers in this locale</source>
        <translation>
            <numerusform>su %1 línea no es un número en esta configuración regional</numerusform>
            <numerusform>sus %1 líneas no son números en esta configuración regional</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 lines are not numbers in this locale</source>
        <translation>
            <numerusform>su %1 línea no es un número en esta configuración regional</numerusform>
            <numerusform>sus %1 líneas no son números en esta configuración regional</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 items are not numbers in this locale</source>
        <translation>
            <numerusform>su %1 elemento no es un número en esta configuración regional</numerusform>
            <numerusform>sus %1 elementos no son números en esta configuración regional</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries</source>
        <translation>
            <numerusform>%1 entrada</numerusform>
            <numerusform>%1 entradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the %1 sample numbers.</source>
        <translation>
            <numerusform>Se añadió el %1 número de ejemplo.</numerusform>
            <numerusform>Se añadieron los %1 números de ejemplo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers were added</source>
        <translation>
            <numerusform>se añadió %1 número</numerusform>
            <numerusform>se añadieron %1 números</numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped part-way through the text; %1.</source>
        <translation>El arrastre se detuvo a mitad del texto; %1.</translation>
    </message>
    <message>
        <source>Pasting was stopped part-way through the text; %1.</source>
        <translation>El pegado se detuvo a mitad del texto; %1.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>1 entry is not a number and counts as %1: %2.</source>
        <translation>1 entrada no es un número y cuenta como %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers and count as %2: %3.</source>
        <translation>
            <numerusform>%1 entrada no es un número y cuenta como %2: %3.</numerusform>
            <numerusform>%1 entradas no son números y cuentan como %2: %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers; the first %2 count as %3: %4.</source>
        <translation>
            <numerusform>%1 entrada no es un número; las primeras %2 cuentan como %3: %4.</numerusform>
            <numerusform>%1 entradas no son números; las primeras %2 cuentan como %3: %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 celda se leyó con coma decimal (primera: %2)</numerusform>
            <numerusform>%1 celdas se leyeron con coma decimal (primera: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 celda se leyó con punto decimal (primera: %2)</numerusform>
            <numerusform>%1 celdas se leyeron con punto decimal (primera: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from column %2 of %3</source>
        <translation>
            <numerusform>Se añadió %1 número de la columna %2 de %3</numerusform>
            <numerusform>Se añadieron %1 números de la columna %2 de %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were not numbers</source>
        <translation>
            <numerusform>%1 celda no era un número</numerusform>
            <numerusform>%1 celdas no eran números</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1 of %2 holds no numbers</source>
        <translation>La columna %1 de %2 no contiene números</translation>
    </message>
    <message>
        <source>its only cell is not a number in this locale</source>
        <translation>su única celda no es un número en esta configuración regional</translation>
    </message>
    <message numerus="yes">
        <source>its %1 cells are not numbers in this locale</source>
        <translation>
            <numerusform>su %1 celda no es un número en esta configuración regional</numerusform>
            <numerusform>sus %1 celdas no son números en esta configuración regional</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Analyser</name>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: &quot;%2&quot;)</source>
        <translation>
            <numerusform>%1 línea se leyó con coma decimal (primera: «%2»)</numerusform>
            <numerusform>%1 líneas se leyeron con coma decimal (primera: «%2»)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: &quot;%2&quot;)</source>
        <translation>
            <numerusform>%1 línea se leyó con punto decimal (primera: «%2»)</numerusform>
            <numerusform>%1 líneas se leyeron con punto decimal (primera: «%2»)</numerusform>
        </translation>
    </message>
    <message>
        <source>an entry</source>
        <translation>una entrada</translation>
    </message>
    <message>
        <source>the number of entries</source>
        <translation>el número de entradas</translation>
    </message>
    <message>
        <source>the sum</source>
        <translation>la suma</translation>
    </message>
    <message>
        <source>the sum squared</source>
        <translation>la suma al cuadrado</translation>
    </message>
    <message>
        <source>the sum of squares</source>
        <translation>la suma de cuadrados</translation>
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
        <translation>la asimetría</translation>
    </message>
    <message>
        <source>the average deviation</source>
        <translation>la desviación media</translation>
    </message>
    <message>
        <source>the standard deviation</source>
        <translation>la desviación estándar</translation>
    </message>
    <message>
        <source>the coefficient of variation</source>
        <translation>el coeficiente de variación</translation>
    </message>
    <message>
        <source>its lines hold fields separated by &apos;%1&apos;; choose a column with --field N, or --header and --field NAME</source>
        <translation>sus líneas contienen campos separados por «%1»; elija una columna con --field N, o con --header y --field NOMBRE</translation>
    </message>
    <message>
        <source>cannot read the folder</source>
        <translation>no se puede leer la carpeta</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines are longer than %2 bytes and are each read as their first %2 bytes</source>
        <translation>
            <numerusform>%1 línea tiene más de %2 bytes y se lee como sus primeros %2 bytes</numerusform>
            <numerusform>%1 líneas tienen más de %2 bytes y cada una se lee como sus primeros %2 bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>the help</source>
        <translation>la ayuda</translation>
    </message>
    <message>
        <source>the version</source>
        <translation>la versión</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>los resultados</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria agotada</translation>
    </message>
    <message>
        <source>field %1</source>
        <translation>el campo %1</translation>
    </message>
    <message>
        <source>the column &apos;%1&apos;</source>
        <translation>la columna «%1»</translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the record is skipped</source>
        <translation>
            <numerusform>%1 campo, insuficiente para %2; se omite el registro</numerusform>
            <numerusform>%1 campos, insuficientes para %2; se omite el registro</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation>el campo entrecomillado que empieza aquí no se cierra antes del final del archivo; se omite</translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields skipped</source>
        <translation>
            <numerusform>se omitió %1 registro más con campos insuficientes</numerusform>
            <numerusform>se omitieron %1 registros más con campos insuficientes</numerusform>
        </translation>
    </message>
    <message>
        <source>the delimiter must be an ASCII character</source>
        <translation>el delimitador debe ser un carácter ASCII</translation>
    </message>
    <message>
        <source>the delimiter must be one character</source>
        <translation>el delimitador debe ser un solo carácter</translation>
    </message>
    <message>
        <source>the quote cannot be the delimiter</source>
        <translation>el carácter de comillas no puede ser el delimitador</translation>
    </message>
    <message>
        <source>a line end cannot be the delimiter</source>
        <translation>un fin de línea no puede ser el delimitador</translation>
    </message>
    <message>
        <source>not a number of decimal places</source>
        <translation>no es un número de decimales válido</translation>
    </message>
    <message>
        <source>decimal places run from %1 to %2</source>
        <translation>los decimales van de %1 a %2</translation>
    </message>
    <message>
        <source>no table has that many columns</source>
        <translation>ninguna tabla tiene tantas columnas</translation>
    </message>
    <message>
        <source>columns are numbered from 1</source>
        <translation>las columnas se numeran a partir de 1</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a column number or name</source>
        <translation>la opción «%1» necesita un número o un nombre de columna</translation>
    </message>
    <message>
        <source>not a column number; a column name needs --header</source>
        <translation>no es un número de columna; un nombre de columna necesita --header</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Pruebe «%1 --help» para más información.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>la opción «%1» necesita un valor</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (use text, tsv or json)</source>
        <translation>formato desconocido «%1» (use text, tsv o json)</translation>
    </message>
    <message>
        <source>%1 takes no PATH</source>
        <translation>%1 no admite PATH</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2</source>
        <translation>la opción «%1» necesita %2</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 no admite %2</translation>
    </message>
    <message>
        <source>it is a spreadsheet; choose a column of its first sheet with --field N, or --header and --field NAME (and --sheet for another sheet)</source>
        <translation>es una hoja de cálculo; elija una columna de su primera hoja con --field N, o --header y --field NAME (y --sheet para otra hoja)</translation>
    </message>
    <message>
        <source>a workbook of the old .xls form cannot be read; save it as .xlsx or .ods</source>
        <translation>un libro con el antiguo formato .xls no se puede leer; guárdelo como .xlsx u .ods</translation>
    </message>
    <message>
        <source>the workbook is protected by a password; save it without one</source>
        <translation>el libro está protegido con contraseña; guárdelo sin ella</translation>
    </message>
    <message>
        <source>the spreadsheet has no sheet &apos;%1&apos;</source>
        <translation>la hoja de cálculo no tiene la hoja «%1»</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: it lacks %1</source>
        <translation>la hoja de cálculo está dañada: le falta %1</translation>
    </message>
    <message>
        <source>a zip archive that holds no spreadsheet (.ods or .xlsx)</source>
        <translation>un archivo zip que no contiene ninguna hoja de cálculo (.ods o .xlsx)</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged or cut short</source>
        <translation>la hoja de cálculo está dañada o cortada</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: %1</source>
        <translation>la hoja de cálculo está dañada: %1</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: sheets are numbered from 1</source>
        <translation>%1 «%2»: las hojas se numeran desde 1</translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the fields it has are read</source>
        <translation>
            <numerusform>%1 campo, pocos para %2; se leen los campos que tiene</numerusform>
            <numerusform>%1 campos, pocos para %2; se leen los campos que tiene</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields</source>
        <translation>
            <numerusform>%1 registro más con muy pocos campos</numerusform>
            <numerusform>%1 registros más con muy pocos campos</numerusform>
        </translation>
    </message>
    <message>
        <source>a confidence level runs from 50 to 99.9 (percent)</source>
        <translation>un nivel de confianza va de 50 a 99.9 (por ciento)</translation>
    </message>
    <message>
        <source>the share trimmed from each end is at least 0 and below 0.5</source>
        <translation>la proporción recortada de cada extremo es al menos 0 y menor que 0.5</translation>
    </message>
    <message>
        <source>percentiles run from 0 to 100</source>
        <translation>los percentiles van de 0 a 100</translation>
    </message>
    <message>
        <source>use one of %1, or a number from 1 to 9</source>
        <translation>use uno de %1, o un número de 1 a 9</translation>
    </message>
    <message>
        <source> (and %1)</source>
        <extracomment>%1 is the option to add, such as --delimiter &apos;,&apos;.</extracomment>
        <translation> (y %1)</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the encoding must be one of %3</source>
        <translation>%1 «%2»: la codificación debe ser una de %3</translation>
    </message>
</context>
<context>
    <name>Analysis</name>
    <message>
        <source>You forgot to input numbers.</source>
        <translation>Ha olvidado introducir números.</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>Analyses a list of numbers as &quot;Start Analysis&quot; does in %1 and writes
the twelve results (with %2, further statistics after them).</source>
        <extracomment>%1 is the program&apos;s name, %2 an option. &quot;Start Analysis&quot; is the window&apos;s button. Wrap at 80 columns.</extracomment>
        <translation>Analiza una lista de números como lo hace «Iniciar análisis» en %1 y
escribe los doce resultados (con %2, más estadísticas a continuación).</translation>
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
        <translation>Cada %1 se lee como si se hubiera soltado sobre la lista de números: un
archivo como archivo de lista (un número por línea; las demás líneas se omiten),
una carpeta se recorre y se leen sus archivos. «%2» es la entrada estándar, leída
como un archivo de lista en su lugar entre los argumentos %1; sin ningún %1,
se lee la entrada estándar. Lo que no se puede leer (un archivo, o una carpeta
del árbol de un %1 que no se puede listar) se indica en la salida de error
estándar, una línea por caso: «%3: %1: motivo»; el resto se
lee, y el estado de salida es 1.</translation>
    </message>
    <message>
        <source>With %1, every file (and standard input) is read as a table instead:
the field of that column in each record is read as a line of a list file.
With any delimiter but the tab, fields may be quoted as in CSV (RFC 4180).
A record with too few fields is told, &apos;%2: %3: line N: ...&apos;,
and skipped. %1 cannot be given with %4.</source>
        <extracomment>%1 and %4 are options, %2 the program&apos;s name, %3 PATH; &quot;line N&quot; as the program&apos;s own message says it. Wrap at 80 columns.</extracomment>
        <translation>Con %1, cada archivo (y la entrada estándar) se lee en cambio como una
tabla: el campo de esa columna en cada registro se lee como una línea de un
archivo de lista. Con cualquier delimitador salvo el tabulador, los campos
pueden ir entrecomillados como en CSV (RFC 4180). Un registro con campos
insuficientes se indica, «%2: %3: línea N: ...», y se omite.
%1 no puede darse junto con %4.</translation>
    </message>
    <message>
        <source>each line of %1 is one entry, verbatim, as if typed
(standard input when %1 is absent or &apos;%2&apos;); no %3s</source>
        <extracomment>Options&apos; descriptions start at column 21 (column 20 in the window&apos;s help); wrap them at 80 columns. %1 is FILE, %2 the name &apos;-&apos; for standard input, %3 PATH.</extracomment>
        <translation>cada línea de %1 es una entrada, tal cual, como si se
escribiera (la entrada estándar si falta %1 o es «%2»); no
admite %3</translation>
    </message>
    <message>
        <source>read column %1 (from 1) of table files, or the column
whose header cell is %2 (needs %3)</source>
        <extracomment>%1 and %2 are the argument words N and NAME, %3 an option.</extracomment>
        <translation>lee la columna %1 (desde 1) de archivos de tabla, o la
columna cuya celda de cabecera es %2 (requiere %3)</translation>
    </message>
    <message>
        <source>the character between fields (default: tab; &apos;%1&apos; for a
tab); with %2</source>
        <extracomment>%1 is a backslash and the letter t (a tab), %2 an option.</extracomment>
        <translation>el carácter entre campos (predeterminado: tabulador; «%1»
para un tabulador); con %2</translation>
    </message>
    <message>
        <source>the first line names the columns and is skipped;
with %1</source>
        <translation>la primera línea nombra las columnas y se omite; con %1</translation>
    </message>
    <message>
        <source>sample variance and deviations (the default)</source>
        <translation>varianza y desviaciones de la muestra (predeterminado)</translation>
    </message>
    <message>
        <source>population variance and deviations</source>
        <translation>varianza y desviaciones de la población</translation>
    </message>
    <message>
        <source>decimal places, as typed in the window, at most 10
(default 3, and every digit in %1 and %2)</source>
        <extracomment>%1 and %2 are the formats tsv and json.</extracomment>
        <translation>decimales, tal como se escriben en la ventana, como máximo
10 (predeterminado 3, y todos los dígitos en %1 y %2)</translation>
    </message>
    <message>
        <source>show all decimals as the window does (a value its ten
decimals would show as 0 or with fewer than four
significant digits with 15); every digit in %1 and
%2 (%3 is ignored)</source>
        <extracomment>%1 and %2 are the formats tsv and json, %3 an option.</extracomment>
        <translation>todos los decimales, como en la ventana con «Sin redondear»
(un valor que con diez decimales se vería como 0 o con menos
de cuatro cifras significativas se muestra con 15); todos
los dígitos en %1 y %2 (se ignora %3)</translation>
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
        <translation>%1: las filas como en la ventana (predeterminado);
%2: una línea «clave&lt;TAB&gt;valor» por fila;
%3: un objeto con las filas;
%2 y %3 escriben «.» como separador decimal y todos los
dígitos de cada valor (el texto más corto que se vuelve a
leer como el mismo double), salvo que se indique %4</translation>
    </message>
    <message>
        <source>the time taken to read and for each row, on standard error</source>
        <translation>el tiempo de lectura y el de cada fila, en la salida de
error estándar</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>muestra esta ayuda y termina</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>muestra la versión y termina</translation>
    </message>
    <message>
        <source>end of the options: every argument after it is a %1</source>
        <extracomment>%1 is PATH.</extracomment>
        <translation>fin de las opciones: cada argumento posterior es un %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>%1 and %2 are accepted
too. The keys of %3 and %4: %5, and with %6 %7 (the last two not with %8);
see %9.</source>
        <extracomment>%1 and %2 are options, %3 and %4 format names, %6 and %8 options, %9 the manual page. %5 and %7 are the lists of keys, three lines each as in English: start a line before them when they do not fit. Wrap at 80 columns.</extracomment>
        <translation>También se aceptan %1
y %2. Las claves de %3 y %4:
%5, y con %6 %7 (las dos últimas, no con %8);
véase %9.</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Estado de salida:</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>An exit status&apos;s description: it starts at column 6; wrap at 80 columns.</extracomment>
        <translation>correcto</translation>
    </message>
    <message>
        <source>no numbers, a path that could not be read, or the output failed
(also a quoted field left open at the end of a table, and with %1
a record with too few fields; the results are still written);
out of memory (&apos;%2: %3&apos;, and no results)</source>
        <extracomment>Starts at column 6; wrap at 80 columns. %1 is an option, %2 the program&apos;s name, %3 its message when out of memory.</extracomment>
        <translation>no hay números, una ruta no se pudo leer o falló la salida (también un
campo entrecomillado que queda abierto al final de una tabla y, con
%1, un registro con campos insuficientes; los resultados se escriben
igualmente); memoria agotada («%2: %3», y
ningún resultado)</translation>
    </message>
    <message>
        <source>usage error</source>
        <translation>error de uso</translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation>Una calculadora de escritorio para estadística descriptiva.</translation>
    </message>
    <message>
        <source>Each %1 is read when the window has opened, in order, exactly as if it had been
dropped on the number list: a file as a list file (one number per line), a folder
with every list file in it and in its sub-folders.</source>
        <extracomment>%1 is PATH, as in the usage line. Wrap the lines at 80 columns.</extracomment>
        <translation>Cada %1 se lee cuando la ventana se ha abierto, en orden, exactamente como si
se hubiera soltado sobre la lista de números: un archivo como archivo de lista
(un número por línea), una carpeta con todos los archivos de lista que contiene,
también los de sus subcarpetas.</translation>
    </message>
    <message>
        <source>end of the options: every later argument is a %1</source>
        <extracomment>Starts at column 20 as the other options&apos; descriptions do; wrap at 80 columns. %1 is PATH.</extracomment>
        <translation>fin de las opciones: cada argumento posterior es un %1</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as %1 or %2, are taken as well.
The method and decimal options are kept in %3
(%4 by default). See %5 and
%6 for the analysis without a window.</source>
        <extracomment>%1 and %2 are Qt&apos;s options, %3 and %4 the settings file, %5 and %6 the manual pages. Wrap the lines at 80 columns.</extracomment>
        <translation>También se aceptan las opciones propias de Qt, como %1 o
%2. Las opciones de método y de decimales se guardan en
%3 (de forma predeterminada,
%4). Consulte %5 y %6 para
el análisis sin ventana.</translation>
    </message>
    <message>
        <source>With several columns (%1 with commas, %2) or with %3,
each column and group is analysed on its own: text writes a block for each,
headed by its name (&apos;weight&apos;, &apos;field 2&apos;, &apos;weight: A&apos;), tsv a line per key with
a value for each, json an array of objects {&quot;column&quot;, &quot;group&quot;, keys...}. One
of no numbers says so in its place, and the exit status is 1.</source>
        <extracomment>%1 to %3 are options. Wrap at 80 columns.</extracomment>
        <translation>Con varias columnas (%1 con comas, %2) o con %3,
cada columna y grupo se analiza por separado: text escribe un bloque para
cada uno, bajo su nombre («weight», «el campo 2», «weight: A»), tsv una línea
por clave con un valor para cada uno, json un array de objetos {&quot;column&quot;,
&quot;group&quot;, claves...}. Uno sin números lo indica en su lugar, y el estado de
salida es 1.</translation>
    </message>
    <message>
        <source>several columns, each analysed on its own
(%1 or %2, or the option given again);
a comma and a space belong to a name</source>
        <extracomment>%1 and %2 are examples of the option&apos;s value, kept as they are.</extracomment>
        <translation>varias columnas, cada una analizada por separado
(%1 o %2, o la opción repetida);
una coma seguida de un espacio es parte de un nombre</translation>
    </message>
    <message>
        <source>every column that holds a number, each on its own
(but the column of %1)</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>cada columna que contiene un número, cada una por
separado (salvo la columna de %1)</translation>
    </message>
    <message>
        <source>analyse each column&apos;s records by groups: one group
per text of column %1 (a number, or a name with %2),
in the order first met; with %3 or %4</source>
        <extracomment>%1 is the argument word COL, %2 to %4 options.</extracomment>
        <translation>analizar los registros de cada columna por grupos:
un grupo por texto de la columna %1 (un número, o un
nombre con %2), en el orden en que aparecen;
con %3 o %4</translation>
    </message>
    <message>
        <source>the sheet of spreadsheets (.ods, .xlsx) to read: its
number %1 from 1 or its name (default: the first);
with %2</source>
        <extracomment>%1 is the argument word N, %2 an option.</extracomment>
        <translation>la hoja de las hojas de cálculo (.ods, .xlsx) que se
lee: su número %1 desde 1 o su nombre (por omisión:
la primera); con %2</translation>
    </message>
    <message>
        <source>with %1: exit status 1 when a record had too few
fields for a column (or for that of %2); with
several columns, such records are told only then,
and the fields they have are read</source>
        <extracomment>%1 and %2 are options.</extracomment>
        <translation>con %1: estado de salida 1 si un registro tenía muy
pocos campos para una columna (o para la de %2); con
varias columnas, esos registros solo se indican
entonces, y se leen los campos que tienen</translation>
    </message>
    <message>
        <source>after the twelve rows: the minimum, maximum, range,
quartiles, interquartile range, kurtosis, standard
error of the mean and (sample only) the mean&apos;s 95 %
confidence interval, rounded as the mean is; then the
geometric, harmonic and trimmed mean, the median
absolute deviation (raw and times 1.4826) and the
median&apos;s confidence interval with its actual coverage</source>
        <translation>tras las doce filas: el mínimo, el máximo, el rango,
los cuartiles, el rango intercuartílico, la curtosis,
el error estándar de la media y (solo en muestras) el
intervalo de confianza del 95 % de la media, redondeados
como la media; luego las medias geométrica, armónica y
recortada, la desviación absoluta mediana (tal cual y
por 1,4826) y el intervalo de confianza de la mediana
con su cobertura real</translation>
    </message>
    <message>
        <source>the level of both confidence intervals, in percent,
from 50 to 99.9 (default 95); with %1</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>el nivel de ambos intervalos de confianza, en tanto
por ciento, de 50 a 99.9 (por omisión 95); con %1</translation>
    </message>
    <message>
        <source>the share the trimmed mean cuts from each end, at
least 0 and below 0.5 (default 0.05); with %1</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>la parte que la media recortada quita de cada extremo,
al menos 0 y menos de 0.5 (por omisión 0.05); con %1</translation>
    </message>
    <message>
        <source>a row for each percentile from 0 to 100 (%1, or
%2), by the method of %3</source>
        <extracomment>%1 and %2 are examples of the option&apos;s value, kept as they are; %3 an option.</extracomment>
        <translation>una fila por cada percentil de 0 a 100 (%1, o
%2), según el método de %3</translation>
    </message>
    <message>
        <source>how percentiles and quartiles are placed: R&apos;s type
1 to 9, or its name (%1, the default, is type 7;
%2 is type 6); a row names the method</source>
        <extracomment>%1 and %2 are method names, kept as they are.</extracomment>
        <translation>cómo se sitúan los percentiles y cuartiles: el tipo
1 a 9 de R, o su nombre (%1, el predeterminado, es
el tipo 7; %2 es el tipo 6); una fila nombra
el método</translation>
    </message>
    <message>
        <source>Shapiro-Wilk&apos;s W (3 to 5000 numbers) and D&apos;Agostino
and Pearson&apos;s K², each with its p-value and a plain
reading at the 5 % level</source>
        <translation>la W de Shapiro-Wilk (3 a 5000 números) y la K² de
D&apos;Agostino y Pearson, cada una con su valor p y una
lectura sencilla al nivel del 5 %</translation>
    </message>
    <message>
        <source>after the rows, how many numbers there are of each
value (up to 50 values) or in each bin of a
histogram, in percent and cumulated</source>
        <translation>tras las filas, cuántos números hay de cada valor
(hasta 50 valores) o en cada intervalo de un
histograma, en porcentaje y acumulados</translation>
    </message>
    <message>
        <source>After them, with %1: %2;
with %3: %4;
with %5: %6;
with %7: %8.
At a level other than 95 %, ci95_low and ci95_high are ciLEVEL_low and
ciLEVEL_high.</source>
        <extracomment>%1, %3, %5 and %7 are options, %2, %4, %6 and %8 lists of keys (LEVEL and P stand for the figures given, as in ci90_low and p97.5). Wrap at 80 columns.</extracomment>
        <translation>Después, con %1: %2;
con %3: %4;
con %5: %6;
con %7: %8.
Con un nivel distinto del 95 %, ci95_low y ci95_high son ciLEVEL_low y
ciLEVEL_high.</translation>
    </message>
    <message>
        <source>the encoding of delimited text: %1,
%2 or %3
(default: each file&apos;s by its first bytes, as the
window&apos;s table dialog chooses it); with %4</source>
        <extracomment>%1 to %3 are the encodings&apos; names, %4 an option.</extracomment>
        <translation>la codificación del texto delimitado: %1,
%2 o %3
(predeterminado: la de cada archivo según sus primeros
bytes, como la elige el diálogo de tablas); con %4</translation>
    </message>
</context>
<context>
    <name>ComparePicture</name>
    <message>
        <source>no numbers</source>
        <translation>sin números</translation>
    </message>
    <message>
        <source>No list has numbers.</source>
        <translation>Ninguna lista tiene números.</translation>
    </message>
    <message>
        <source>Box plots on one axis.</source>
        <translation>Diagramas de caja en un mismo eje.</translation>
    </message>
    <message>
        <source>Histograms and box plots over one span.</source>
        <translation>Histogramas y diagramas de caja sobre una misma escala.</translation>
    </message>
    <message>
        <source>%1: no numbers.</source>
        <translation>%1: sin números.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, first quartile %4, median %5, third quartile %6.</source>
        <translation>%1: de %2 a %3, primer cuartil %4, mediana %5, tercer cuartil %6.</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparación</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Box plots</source>
        <translation>Diagramas de caja</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Compare — Tallowmere</source>
        <translation>Comparar — Tallowmere</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>The number list is busy. Send the numbers again when the work in hand has finished.</source>
        <translation>La lista de números está ocupada. Vuelva a enviar los números cuando termine el trabajo en curso.</translation>
    </message>
</context>
<context>
    <name>CompareWorkbook</name>
    <message>
        <source>the workbook could not be made</source>
        <translation>no se pudo crear el libro</translation>
    </message>
    <message>
        <source>this build cannot write workbook files</source>
        <translation>esta versión no puede escribir libros</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.ods *.xlsx)</source>
        <translation>Tablas (*.csv *.tsv *.ods *.xlsx)</translation>
    </message>
</context>
<context>
    <name>DistributionLink</name>
    <message>
        <source>No analysis has been run yet. Run one now and show the distribution of its numbers?</source>
        <translation>Todavía no se ha realizado ningún análisis. ¿Quiere realizar uno ahora y mostrar la distribución de sus números?</translation>
    </message>
</context>
<context>
    <name>DistributionPicture</name>
    <message>
        <source>No numbers analysed yet.</source>
        <translation>Todavía no se ha analizado ningún número.</translation>
    </message>
    <message>
        <source>%1 beyond</source>
        <translation>%1 fuera</translation>
    </message>
    <message>
        <source>Numbers per bin (%1 bins)</source>
        <translation>Números por intervalo (%1 intervalos)</translation>
    </message>
    <message>
        <source>Normal curve</source>
        <translation>Curva normal</translation>
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
            <numerusform>Histograma y diagrama de caja de %1 número de %2 a %3; primer cuartil %4, mediana %5, tercer cuartil %6.</numerusform>
            <numerusform>Histograma y diagrama de caja de %1 números de %2 a %3; primer cuartil %4, mediana %5, tercer cuartil %6.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %1 values lie beyond the whiskers.</source>
        <translation>
            <numerusform> %1 valor queda fuera de los bigotes.</numerusform>
            <numerusform> %1 valores quedan fuera de los bigotes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Distribución</translation>
    </message>
    <message>
        <source>the drawing failed</source>
        <translation>falló el dibujo</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>no se pudo codificar la imagen</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers</source>
        <translation>
            <numerusform>%1 número</numerusform>
            <numerusform>%1 números</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>%1 a %2: %3</translation>
    </message>
    <message numerus="yes">
        <source> %1 bins: </source>
        <translation>
            <numerusform> %1 intervalo: </numerusform>
            <numerusform> %1 intervalos: </numerusform>
        </translation>
    </message>
    <message>
        <source>the fullest %1.</source>
        <translation>el más lleno, %1.</translation>
    </message>
    <message>
        <source> The histogram leaves them out.</source>
        <translation> El histograma los deja fuera.</translation>
    </message>
</context>
<context>
    <name>DistributionRows</name>
    <message>
        <source>%1st percentile</source>
        <translation>Percentil %1</translation>
    </message>
    <message>
        <source>%1nd percentile</source>
        <translation>Percentil %1</translation>
    </message>
    <message>
        <source>%1rd percentile</source>
        <translation>Percentil %1</translation>
    </message>
    <message>
        <source>%1th percentile</source>
        <translation>Percentil %1</translation>
    </message>
    <message>
        <source>%1 % confidence interval, low</source>
        <translation>Intervalo de confianza del %1 %, inferior</translation>
    </message>
    <message>
        <source>%1 % confidence interval, high</source>
        <translation>Intervalo de confianza del %1 %, superior</translation>
    </message>
    <message>
        <source>Geometric mean</source>
        <translation>Media geométrica</translation>
    </message>
    <message>
        <source>Harmonic mean</source>
        <translation>Media armónica</translation>
    </message>
    <message>
        <source>%1 % trimmed mean</source>
        <translation>Media recortada al %1 %</translation>
    </message>
    <message>
        <source>Median absolute deviation</source>
        <translation>Desviación absoluta mediana</translation>
    </message>
    <message>
        <source>Scaled median absolute deviation</source>
        <translation>Desviación absoluta mediana escalada</translation>
    </message>
    <message>
        <source>Median&apos;s %1 % confidence interval, low</source>
        <translation>Intervalo de confianza del %1 % de la mediana, inferior</translation>
    </message>
    <message>
        <source>Median&apos;s %1 % confidence interval, high</source>
        <translation>Intervalo de confianza del %1 % de la mediana, superior</translation>
    </message>
    <message>
        <source>Median interval&apos;s actual coverage</source>
        <translation>Cobertura real del intervalo de la mediana</translation>
    </message>
    <message>
        <source>Quantile method</source>
        <translation>Método de cuantiles</translation>
    </message>
</context>
<context>
    <name>DistributionSheet</name>
    <message numerus="yes">
        <source>Distribution of %1 numbers</source>
        <translation>
            <numerusform>Distribución de %1 número</numerusform>
            <numerusform>Distribución de %1 números</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DistributionSource</name>
    <message>
        <source>Count</source>
        <translation>Recuento</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Desviación estándar</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>First quartile</source>
        <translation>Primer cuartil</translation>
    </message>
    <message>
        <source>Third quartile</source>
        <translation>Tercer cuartil</translation>
    </message>
    <message>
        <source>Interquartile range</source>
        <translation>Rango intercuartílico</translation>
    </message>
    <message>
        <source>Kurtosis</source>
        <translation>Curtosis</translation>
    </message>
    <message>
        <source>Standard error of the mean</source>
        <translation>Error estándar de la media</translation>
    </message>
    <message>
        <source>95 % confidence interval, low</source>
        <translation>Intervalo de confianza del 95 %, inferior</translation>
    </message>
    <message>
        <source>95 % confidence interval, high</source>
        <translation>Intervalo de confianza del 95 %, superior</translation>
    </message>
</context>
<context>
    <name>DistributionWindow</name>
    <message>
        <source>Distribution picture</source>
        <translation>Imagen de la distribución</translation>
    </message>
    <message>
        <source>Distribution — Tallowmere</source>
        <translation>Distribución — Tallowmere</translation>
    </message>
    <message>
        <source>The number list has changed since this analysis. Press Start Analysis to show it as it is now.</source>
        <translation>La lista de números ha cambiado desde este análisis. Pulse Iniciar análisis para mostrarla tal como está ahora.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>DropFiles</name>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>DropProgress</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 archivo</numerusform>
            <numerusform>%1 archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Collecting folders: %1</source>
        <translation>Recopilando carpetas: %1</translation>
    </message>
    <message>
        <source>Collecting files: %1</source>
        <translation>Recopilando archivos: %1</translation>
    </message>
    <message>
        <source>Reading files: %1 of %2</source>
        <translation>Leyendo archivos: %1 de %2</translation>
    </message>
    <message>
        <source>Reading the text: %1%</source>
        <translation>Leyendo el texto: %1 %</translation>
    </message>
    <message>
        <source>%1 — Esc to stop</source>
        <translation>%1 — Esc para detener</translation>
    </message>
    <message>
        <source>part-way through file %1 of %2</source>
        <translation>a mitad del archivo %1 de %2</translation>
    </message>
    <message>
        <source>after %1 of %2</source>
        <translation>tras %1 de %2</translation>
    </message>
    <message>
        <source>Loading was stopped %1.</source>
        <translation>La carga se detuvo %1.</translation>
    </message>
    <message>
        <source>The drop was stopped %1.</source>
        <translation>El arrastre se detuvo %1.</translation>
    </message>
    <message>
        <source>no files were read</source>
        <translation>no se leyó ningún archivo</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were read</source>
        <translation>
            <numerusform>se leyó %1 archivo</numerusform>
            <numerusform>se leyeron %1 archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped while collecting folders; %1.</source>
        <translation>El arrastre se detuvo mientras se recopilaban carpetas; %1.</translation>
    </message>
    <message>
        <source>The drop was stopped while collecting files; %1.</source>
        <translation>El arrastre se detuvo mientras se recopilaban archivos; %1.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envíe una captura de pantalla de este mensaje por correo electrónico a </translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria agotada</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Results have been copied to the clipboard.<byte value="xd"/><byte value="xd"/>Click a text area where you normally type and press Ctrl+V to paste the clipboard.</source>
        <translation>Se han copiado los resultados al portapapeles.<byte value="xd"/><byte value="xd"/>Haga clic en un área de texto donde suela escribir y pulse Ctrl+V para pegar el contenido del portapapeles.</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this software without error.</source>
        <translation>Excel no está instalado en este equipo. Necesita tenerlo instalado para usar este programa sin errores.</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this feature.</source>
        <translation>Excel no está instalado en este equipo. Necesita tenerlo instalado para usar esta función.</translation>
    </message>
    <message>
        <source>No result lines are ticked. Tick the lines to export, or press Ctrl+A in the results list to tick them all.</source>
        <translation>No hay ninguna línea de resultados marcada. Marque las líneas que quiera exportar o pulse Ctrl+A en la lista de resultados para marcarlas todas.</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>The file changed while it was read</source>
        <translation>El archivo cambió mientras se leía</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Paste Numbers</source>
        <translation>Pegar números</translation>
    </message>
    <message>
        <source>1 folder could not be read and was left out: %1 (%2).</source>
        <translation>No se pudo leer 1 carpeta y se omitió: %1 (%2).</translation>
    </message>
    <message>
        <source>The clipboard could not be read: the program that holds it did not answer.</source>
        <translation>No se pudo leer el portapapeles: el programa que lo contiene no respondió.</translation>
    </message>
    <message>
        <source>Number list</source>
        <translation>Lista de números</translation>
    </message>
    <message>
        <source>Add Number / Numbers</source>
        <translation>Añadir número / números</translation>
    </message>
    <message>
        <source>Load Numbers From File</source>
        <translation>Cargar números de archivo</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vaciar lista</translation>
    </message>
    <message>
        <source>Clear number list</source>
        <translation>Vaciar la lista de números</translation>
    </message>
    <message>
        <source>Load Sample/Example Numbers</source>
        <translation>Cargar números de ejemplo</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Población</translation>
    </message>
    <message>
        <source>Decimal Options</source>
        <translation>Opciones de decimales</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>Decimales:</translation>
    </message>
    <message>
        <source>Decimal places</source>
        <translation>Número de decimales</translation>
    </message>
    <message>
        <source>Decimals shown in the results: pick 1 to 10, step with Up and Down, or type a number.</source>
        <translation>Decimales que se muestran en los resultados: elija de 1 a 10, cambie con Arriba y Abajo o escriba un número.</translation>
    </message>
    <message>
        <source>Show all decimals</source>
        <translation>Sin redondear</translation>
    </message>
    <message>
        <source>Start Analysis</source>
        <translation>Iniciar análisis</translation>
    </message>
    <message>
        <source>Results list</source>
        <translation>Lista de resultados</translation>
    </message>
    <message>
        <source>Save Results As Text File</source>
        <translation>Guardar resultados en texto</translation>
    </message>
    <message>
        <source>Save Results As Excel File</source>
        <translation>Guardar resultados en Excel</translation>
    </message>
    <message>
        <source>Copy Results To Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Clear results list</source>
        <translation>Vaciar la lista de resultados</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Arrastre y suelte archivos aquí. Haga doble clic en un elemento para eliminarlo. Mueva la línea | a la derecha y fuera de la ventana para ver los nombres completos.</translation>
    </message>
    <message>
        <source>Tick the results to save or copy: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Move | line to right to read long lines. “Show Distribution…” in the context menu, or Ctrl+D, pictures the numbers.</source>
        <translation>Marque los resultados que quiera guardar o copiar: Espacio marca la fila actual, Ctrl+A las marca todas, Ctrl+Shift+A ninguna. Mueva la línea | a la derecha para leer las líneas largas. «Mostrar distribución…» en el menú contextual, o Ctrl+D, representa los números en una imagen.</translation>
    </message>
    <message>
        <source>The numbers to analyse. Delete or a double-click removes the selected number; files dropped here add theirs, and so does text dropped or pasted (Ctrl+V).</source>
        <translation>Los números que se van a analizar. Supr o un doble clic elimina el número seleccionado; los archivos que se suelten aquí añaden los suyos, igual que el texto soltado o pegado (Ctrl+V).</translation>
    </message>
    <message numerus="yes">
        <source>Restore the %1 numbers from last time</source>
        <translation>
            <numerusform>Restaurar el %1 número de la última vez</numerusform>
            <numerusform>Restaurar los %1 números de la última vez</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %1 numbers from last time were not kept: the list was over 100 MB</source>
        <translation>
            <numerusform>No se conservó el %1 número de la última vez: la lista superaba los 100 MB</numerusform>
            <numerusform>No se conservaron los %1 números de la última vez: la lista superaba los 100 MB</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Table…</source>
        <translation>Abrir tabla…</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation>el campo entrecomillado que empieza aquí no se cierra antes del final del archivo; se omite</translation>
    </message>
    <message>
        <source>the dropped table</source>
        <translation>la tabla soltada</translation>
    </message>
    <message>
        <source>the pasted table</source>
        <translation>la tabla pegada</translation>
    </message>
</context>
<context>
    <name>Frequencies</name>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Cumulative count</source>
        <translation>Cantidad acumulada</translation>
    </message>
    <message>
        <source>Cumulative percent</source>
        <translation>Porcentaje acumulado</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>Frequencies:</source>
        <translation>Frecuencias:</translation>
    </message>
</context>
<context>
    <name>FrequencyModel</name>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcuts</name>
    <message>
        <source>Main window</source>
        <translation>Ventana principal</translation>
    </message>
    <message>
        <source>Number list</source>
        <translation>Lista de números</translation>
    </message>
    <message>
        <source>Results list</source>
        <translation>Lista de resultados</translation>
    </message>
    <message>
        <source>Distribution window</source>
        <translation>Ventana de distribución</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Open the manual</source>
        <translation>Abrir el manual</translation>
    </message>
    <message>
        <source>Save Numbers…</source>
        <translation>Guardar números…</translation>
    </message>
    <message>
        <source>Show Distribution…</source>
        <translation>Mostrar distribución…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Open the menu or press the button with that letter</source>
        <translation>Abrir el menú o pulsar el botón con esa letra</translation>
    </message>
    <message>
        <source>Move to the next or the previous control</source>
        <translation>Ir al control siguiente o al anterior</translation>
    </message>
    <message>
        <source>Press the focused button</source>
        <translation>Pulsar el botón que tiene el foco</translation>
    </message>
    <message>
        <source>Stop reading dropped, loaded or pasted files</source>
        <translation>Detener la lectura de archivos soltados, cargados o pegados</translation>
    </message>
    <message>
        <source>Paste Numbers</source>
        <translation>Pegar números</translation>
    </message>
    <message>
        <source>Copy Numbers: the selected entries, or all</source>
        <translation>Copiar números: las entradas seleccionadas, o todas</translation>
    </message>
    <message>
        <source>Remove the selected entry</source>
        <translation>Eliminar la entrada seleccionada</translation>
    </message>
    <message>
        <source>Undo the last change of the list</source>
        <translation>Deshacer el último cambio de la lista</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Open the context menu</source>
        <translation>Abrir el menú contextual</translation>
    </message>
    <message>
        <source>Tick or untick the current row</source>
        <translation>Marcar o desmarcar la fila actual</translation>
    </message>
    <message>
        <source>Tick every row</source>
        <translation>Marcar todas las filas</translation>
    </message>
    <message>
        <source>Untick every row</source>
        <translation>Desmarcar todas las filas</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Guardar imagen…</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Cerrar la ventana</translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation>Buscar en el manual</translation>
    </message>
    <message>
        <source>Find the next match</source>
        <translation>Buscar la siguiente coincidencia</translation>
    </message>
    <message>
        <source>Find the previous match</source>
        <translation>Buscar la coincidencia anterior</translation>
    </message>
    <message>
        <source>Back and Forward</source>
        <translation>Atrás y Adelante</translation>
    </message>
    <message>
        <source>Close the manual</source>
        <translation>Cerrar el manual</translation>
    </message>
    <message>
        <source>underlined letter</source>
        <translation>letra subrayada</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dónde</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Qué hace</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts — Tallowmere</source>
        <translation>Atajos de teclado — Tallowmere</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>Add Numbers</source>
        <translation>Añadir números</translation>
    </message>
    <message>
        <source>Load Numbers</source>
        <translation>Cargar números</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Arrastrar y soltar</translation>
    </message>
    <message>
        <source>Sample Numbers</source>
        <translation>Números de ejemplo</translation>
    </message>
    <message>
        <source>Move Entry</source>
        <translation>Mover entrada</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>Eliminar entrada</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vaciar lista</translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation>Eliminar entradas que no son números</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Restore Numbers</source>
        <translation>Restaurar números</translation>
    </message>
    <message>
        <source>Open Table</source>
        <translation>Abrir tabla</translation>
    </message>
    <message>
        <source>Send to Number List</source>
        <translation>Enviar a la lista de números</translation>
    </message>
</context>
<context>
    <name>ListNotice</name>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>LoadFilesCommand</name>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Cargar lista(s) - Mantenga pulsado Ctrl para seleccionar varios archivos de lista</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Load Numbers From File</source>
        <translation>&amp;Cargar números de archivo</translation>
    </message>
    <message>
        <source>Save &amp;Numbers…</source>
        <translation>&amp;Guardar números…</translation>
    </message>
    <message>
        <source>Save Results As &amp;Text File</source>
        <translation>Guardar resultados en &amp;texto</translation>
    </message>
    <message>
        <source>Save Results As &amp;Excel File</source>
        <translation>Guardar resultados en E&amp;xcel</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Paste Numbers</source>
        <translation>&amp;Pegar números</translation>
    </message>
    <message>
        <source>C&amp;opy Numbers</source>
        <translation>&amp;Copiar números</translation>
    </message>
    <message>
        <source>Copy Results To &amp;Clipboard</source>
        <translation>Copiar resultados al p&amp;ortapapeles</translation>
    </message>
    <message>
        <source>Copy as T&amp;able</source>
        <translation>Copiar como &amp;tabla</translation>
    </message>
    <message>
        <source>Remove Entries That Are &amp;Not Numbers</source>
        <translation>Eliminar entradas que &amp;no son números</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>&amp;Vaciar lista</translation>
    </message>
    <message>
        <source>Clear Re&amp;sults</source>
        <translation>Vaciar re&amp;sultados</translation>
    </message>
    <message>
        <source>Res&amp;tore Numbers From Last Time</source>
        <translation>R&amp;estaurar los números de la última vez</translation>
    </message>
    <message>
        <source>&amp;Start Analysis</source>
        <translation>&amp;Iniciar análisis</translation>
    </message>
    <message>
        <source>Sa&amp;mple</source>
        <translation>&amp;Muestra</translation>
    </message>
    <message>
        <source>&amp;Population</source>
        <translation>&amp;Población</translation>
    </message>
    <message>
        <source>Show all de&amp;cimals</source>
        <translation>&amp;Sin redondear</translation>
    </message>
    <message>
        <source>Show &amp;Distribution…</source>
        <translation>Mostrar &amp;distribución…</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Atajos de teclado</translation>
    </message>
    <message>
        <source>&amp;About Tallowmere</source>
        <translation>A&amp;cerca de Tallowmere</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>A&amp;nálisis</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>The window</source>
        <translation>La ventana</translation>
    </message>
    <message>
        <source>Tallowmere collects numbers in a list and computes twelve descriptive statistics of them: the number of entries, the sum, the sum squared, the sum of squares, the mode, the median, the mean, the variance, the skew, the average deviation, the standard deviation and the coefficient of variation.</source>
        <translation>Tallowmere reúne números en una lista y calcula doce estadísticos descriptivos de ellos: el número de entradas, la suma, la suma al cuadrado, la suma de cuadrados, la moda, la mediana, la media, la varianza, la asimetría, la desviación media, la desviación estándar y el coeficiente de variación.</translation>
    </message>
    <message>
        <source>The window after Load Sample/Example Numbers and Start Analysis</source>
        <translation>La ventana tras Cargar números de ejemplo e Iniciar análisis</translation>
    </message>
    <message>
        <source>The number list is at the top, the results list below it. From top to bottom:</source>
        <translation>La lista de números está arriba y la lista de resultados, debajo. De arriba abajo:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Number / Numbers&lt;/b&gt; asks for one number or a series separated by commas.</source>
        <translation>&lt;b&gt;Añadir número / números&lt;/b&gt; pide un número o una serie separada por comas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Numbers From File&lt;/b&gt; reads one or several list files.</source>
        <translation>&lt;b&gt;Cargar números de archivo&lt;/b&gt; lee uno o varios archivos de lista.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear List&lt;/b&gt; beside it empties the number list.</source>
        <translation>&lt;b&gt;Vaciar lista&lt;/b&gt;, a su lado, vacía la lista de números.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed sample series.</source>
        <translation>&lt;b&gt;Cargar números de ejemplo&lt;/b&gt; añade una serie de ejemplo fija.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sample&lt;/b&gt; and &lt;b&gt;Population&lt;/b&gt; choose how the variance is computed.</source>
        <translation>&lt;b&gt;Muestra&lt;/b&gt; y &lt;b&gt;Población&lt;/b&gt; eligen cómo se calcula la varianza.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Decimal places&lt;/b&gt; and &lt;b&gt;Show all decimals&lt;/b&gt; choose how the last six results are rounded.</source>
        <translation>&lt;b&gt;Decimales&lt;/b&gt; y &lt;b&gt;Sin redondear&lt;/b&gt; eligen cómo se redondean los seis últimos resultados.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; fills the results list.</source>
        <translation>&lt;b&gt;Iniciar análisis&lt;/b&gt; rellena la lista de resultados.</translation>
    </message>
    <message>
        <source>The four buttons at the bottom export the ticked results, and the last &lt;b&gt;Clear List&lt;/b&gt; empties the results list.</source>
        <translation>Los cuatro botones de abajo exportan los resultados marcados, y el último, &lt;b&gt;Vaciar lista&lt;/b&gt;, vacía la lista de resultados.</translation>
    </message>
    <message>
        <source>Filling the number list</source>
        <translation>Rellenar la lista de números</translation>
    </message>
    <message>
        <source>Typing: press &lt;b&gt;Add Number / Numbers&lt;/b&gt; and type a number, or several separated by commas.</source>
        <translation>Escribir: pulse &lt;b&gt;Añadir número / números&lt;/b&gt; y escriba un número, o varios separados por comas.</translation>
    </message>
    <message>
        <source>Files: &lt;b&gt;Load Numbers From File&lt;/b&gt; reads list files, plain text with one number per line; lines that are not numbers are skipped.</source>
        <translation>Archivos: &lt;b&gt;Cargar números de archivo&lt;/b&gt; lee archivos de lista, texto sin formato con un número por línea; las líneas que no son números se omiten.</translation>
    </message>
    <message>
        <source>Drops: drop list files, or folders whose list files are all read, on the number list. Esc stops a long drop.</source>
        <translation>Soltar: suelte sobre la lista de números archivos de lista, o carpetas cuyos archivos de lista se leen todos. Esc detiene un arrastre largo.</translation>
    </message>
    <message>
        <source>Paste: Ctrl+V, Shift+Insert or &lt;b&gt;Paste Numbers&lt;/b&gt; add the numbers of the clipboard, such as a column or a block of cells copied from a spreadsheet.</source>
        <translation>Pegar: Ctrl+V, Shift+Insert o &lt;b&gt;Pegar números&lt;/b&gt; añaden los números del portapapeles, como una columna o un bloque de celdas copiados de una hoja de cálculo.</translation>
    </message>
    <message>
        <source>Sample: &lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed series to try the program with.</source>
        <translation>Ejemplo: &lt;b&gt;Cargar números de ejemplo&lt;/b&gt; añade una serie fija con la que probar el programa.</translation>
    </message>
    <message>
        <source>A number is written with the decimal and grouping separators of your regional format, or as a plain number with a point, which every format reads.</source>
        <translation>Un número se escribe con los separadores decimal y de miles de su formato regional, o como un número simple con punto, que todos los formatos leen.</translation>
    </message>
    <message>
        <source>After each addition a short notice over the bottom of the list says how many numbers were added and how many lines were not numbers.</source>
        <translation>Tras cada adición, un breve aviso sobre la parte inferior de la lista indica cuántos números se añadieron y cuántas líneas no eran números.</translation>
    </message>
    <message>
        <source>Double-click an entry to remove it, or select it and press Delete; drag an entry onto another to swap them. Ctrl+Z undoes the last change of the list and Ctrl+Shift+Z or Ctrl+Y does it again; the last 100 changes can be undone.</source>
        <translation>Haga doble clic en una entrada para eliminarla, o selecciónela y pulse Supr; arrastre una entrada sobre otra para intercambiarlas. Ctrl+Z deshace el último cambio de la lista y Ctrl+Shift+Z o Ctrl+Y lo rehace; se pueden deshacer los últimos 100 cambios.</translation>
    </message>
    <message>
        <source>The analysis and its options</source>
        <translation>El análisis y sus opciones</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; computes the twelve results of the numbers in the list.</source>
        <translation>&lt;b&gt;Iniciar análisis&lt;/b&gt; calcula los doce resultados de los números de la lista.</translation>
    </message>
    <message>
        <source>With &lt;b&gt;Sample&lt;/b&gt; the variance is the sum of the squared deviations from the mean divided by the count less one; with &lt;b&gt;Population&lt;/b&gt; it is divided by the count. The standard deviation, the skew and the coefficient of variation follow it.</source>
        <translation>Con &lt;b&gt;Muestra&lt;/b&gt;, la varianza es la suma de los cuadrados de las desviaciones respecto a la media dividida entre el recuento menos uno; con &lt;b&gt;Población&lt;/b&gt; se divide entre el recuento. La desviación estándar, la asimetría y el coeficiente de variación dependen de ella.</translation>
    </message>
    <message>
        <source>The last six results are rounded to 1 to 10 decimal places, or shown with all ten decimals; a value those would show as 0 or with fewer than four significant digits is shown with 15 significant digits instead.</source>
        <translation>Los seis últimos resultados se redondean a entre 1 y 10 decimales, o se muestran con los diez decimales; un valor que así se mostraría como 0 o con menos de cuatro cifras significativas se muestra en su lugar con 15 cifras significativas.</translation>
    </message>
    <message>
        <source>The options are remembered from one start to the next.</source>
        <translation>Las opciones se recuerdan de un inicio al siguiente.</translation>
    </message>
    <message>
        <source>Exporting the results</source>
        <translation>Exportar los resultados</translation>
    </message>
    <message>
        <source>Tick the results to export: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Then:</source>
        <translation>Marque los resultados que quiera exportar: Espacio marca la fila actual, Ctrl+A las marca todas, Ctrl+Shift+A ninguna. Después:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Text File&lt;/b&gt; writes them in padded columns.</source>
        <translation>&lt;b&gt;Guardar resultados en texto&lt;/b&gt; los escribe en columnas alineadas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy Results To Clipboard&lt;/b&gt; copies them as text.</source>
        <translation>&lt;b&gt;Copiar al portapapeles&lt;/b&gt; los copia como texto.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Excel File&lt;/b&gt; opens them in a new spreadsheet workbook, which needs LibreOffice Calc.</source>
        <translation>&lt;b&gt;Guardar resultados en Excel&lt;/b&gt; los abre en un libro nuevo de hoja de cálculo, para lo que se necesita LibreOffice Calc.</translation>
    </message>
    <message>
        <source>With no result ticked, each of the three only says so. &lt;b&gt;Copy as Table&lt;/b&gt; in the results list&apos;s context menu copies the ticked lines, or all, as label and value separated by a tab, ready to paste into a spreadsheet.</source>
        <translation>Si no hay ningún resultado marcado, cada uno de los tres solo lo indica. &lt;b&gt;Copiar como tabla&lt;/b&gt;, en el menú contextual de la lista de resultados, copia las líneas marcadas, o todas, como etiqueta y valor separados por un tabulador, listas para pegar en una hoja de cálculo.</translation>
    </message>
    <message>
        <source>The distribution window</source>
        <translation>La ventana de distribución</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Distribution…&lt;/b&gt; (Ctrl+D, or either list&apos;s context menu) opens a window of its own with a picture of the last analysis&apos;s numbers and a table of their spread.</source>
        <translation>&lt;b&gt;Mostrar distribución…&lt;/b&gt; (Ctrl+D, o el menú contextual de cualquiera de las dos listas) abre una ventana propia con una imagen de los números del último análisis y una tabla de su dispersión.</translation>
    </message>
    <message>
        <source>The distribution window of the sample series</source>
        <translation>La ventana de distribución de la serie de ejemplo</translation>
    </message>
    <message>
        <source>The picture shows a histogram, the normal curve of the mean and the standard deviation, the mean and the median marked, and a box plot on the same axis.</source>
        <translation>La imagen muestra un histograma, la curva normal de la media y la desviación estándar, la media y la mediana marcadas, y un diagrama de caja sobre el mismo eje.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Bins&lt;/b&gt; sets the number of bars from 1 to 500, or leaves it to the program. &lt;b&gt;Copy Picture&lt;/b&gt; (Ctrl+C) copies the picture as an image, &lt;b&gt;Save Picture…&lt;/b&gt; (Ctrl+S) saves it as PNG or SVG, and Esc closes the window.</source>
        <translation>&lt;b&gt;Intervalos&lt;/b&gt; fija el número de barras, de 1 a 500, o lo deja en manos del programa. &lt;b&gt;Copiar imagen&lt;/b&gt; (Ctrl+C) copia la imagen al portapapeles como imagen, &lt;b&gt;Guardar imagen…&lt;/b&gt; (Ctrl+S) la guarda como PNG o SVG, y Esc cierra la ventana.</translation>
    </message>
    <message>
        <source>The window follows each new analysis and says when the number list has changed since the one it shows.</source>
        <translation>La ventana sigue cada nuevo análisis e indica cuándo la lista de números ha cambiado desde el que muestra.</translation>
    </message>
    <message>
        <source>The menu bar</source>
        <translation>La barra de menús</translation>
    </message>
    <message>
        <source>The menus hold every command of the buttons and context menus; each item does exactly what its button does.</source>
        <translation>Los menús contienen todas las órdenes de los botones y de los menús contextuales; cada elemento hace exactamente lo mismo que su botón.</translation>
    </message>
    <message>
        <source>&lt;b&gt;File&lt;/b&gt;: loading and saving numbers, recent files, saving the results, and Quit (Ctrl+Q).</source>
        <translation>&lt;b&gt;Archivo&lt;/b&gt;: cargar y guardar números, archivos recientes, guardar los resultados y Salir (Ctrl+Q).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt;: undo and redo, pasting and copying numbers, copying the results, and clearing the lists.</source>
        <translation>&lt;b&gt;Editar&lt;/b&gt;: deshacer y rehacer, pegar y copiar números, copiar los resultados y vaciar las listas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Analysis&lt;/b&gt;: Start Analysis, the method, Show all decimals and Show Distribution….</source>
        <translation>&lt;b&gt;Análisis&lt;/b&gt;: Iniciar análisis, el método, Sin redondear y Mostrar distribución….</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt;: this manual (F1), the keyboard shortcuts, and About Tallowmere.</source>
        <translation>&lt;b&gt;Ayuda&lt;/b&gt;: este manual (F1), los atajos de teclado y Acerca de Tallowmere.</translation>
    </message>
    <message>
        <source>Alt with the underlined letter of a menu, button or option reaches it from the keyboard. The window can be enlarged: the two lists take the extra room, and the size is remembered.</source>
        <translation>Alt con la letra subrayada de un menú, botón u opción permite llegar a él desde el teclado. La ventana se puede agrandar: las dos listas ocupan el espacio adicional, y el tamaño se recuerda.</translation>
    </message>
    <message>
        <source>Keeping your numbers</source>
        <translation>Conservar sus números</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Numbers…&lt;/b&gt; (Ctrl+S) writes the number list as a list file, one entry per line, exactly as the entries read; &lt;b&gt;Load Numbers From File&lt;/b&gt; reads it back. &lt;b&gt;Copy Numbers&lt;/b&gt; (Ctrl+C in the number list) copies the selected entries, or all when none is selected, one per line.</source>
        <translation>&lt;b&gt;Guardar números…&lt;/b&gt; (Ctrl+S) escribe la lista de números como archivo de lista, una entrada por línea, exactamente como se leen las entradas; &lt;b&gt;Cargar números de archivo&lt;/b&gt; la vuelve a leer. &lt;b&gt;Copiar números&lt;/b&gt; (Ctrl+C en la lista de números) copia las entradas seleccionadas, o todas si no hay ninguna seleccionada, una por línea.</translation>
    </message>
    <message>
        <source>When the window closes, the number list is kept. The next start begins with an empty list, as always, and offers over it to restore the numbers from last time: one click brings them back, and Ctrl+Z takes them away again. The offer goes at the first change of the list. A list over 100 MB is not kept; the next start says so.</source>
        <translation>Al cerrar la ventana, la lista de números se conserva. El siguiente inicio empieza con una lista vacía, como siempre, y ofrece sobre ella restaurar los números de la última vez: un clic los recupera y Ctrl+Z los vuelve a quitar. La oferta desaparece con el primer cambio de la lista. Una lista de más de 100 MB no se conserva; el siguiente inicio lo indica.</translation>
    </message>
    <message>
        <source>&lt;b&gt;File → Open Recent&lt;/b&gt; lists the last eight list files read or saved.</source>
        <translation>&lt;b&gt;Archivo → Abrir reciente&lt;/b&gt; muestra los ocho últimos archivos de lista leídos o guardados.</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>The program speaks the language of your desktop: English, German, French, Spanish, Italian, Brazilian Portuguese, Dutch, Polish or Japanese. The result rows and the three exports use it too.</source>
        <translation>El programa habla el idioma de su escritorio: inglés, alemán, francés, español, italiano, portugués de Brasil, neerlandés, polaco o japonés. Las filas de resultados y las tres exportaciones también lo usan.</translation>
    </message>
    <message>
        <source>The language is chosen by &lt;code&gt;LANGUAGE&lt;/code&gt;, &lt;code&gt;LC_ALL&lt;/code&gt;, &lt;code&gt;LC_MESSAGES&lt;/code&gt; or &lt;code&gt;LANG&lt;/code&gt;, as in other desktop programs; the format of numbers follows &lt;code&gt;LC_NUMERIC&lt;/code&gt; on its own. So &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; gives English words with German numbers.</source>
        <translation>El idioma se elige mediante &lt;code&gt;LANGUAGE&lt;/code&gt;, &lt;code&gt;LC_ALL&lt;/code&gt;, &lt;code&gt;LC_MESSAGES&lt;/code&gt; o &lt;code&gt;LANG&lt;/code&gt;, como en otros programas de escritorio; el formato de los números sigue por su cuenta a &lt;code&gt;LC_NUMERIC&lt;/code&gt;. Así, &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; da palabras en inglés con números en formato alemán.</translation>
    </message>
    <message>
        <source>The tallowmere command</source>
        <translation>La orden tallowmere</translation>
    </message>
    <message>
        <source>Opens the window and reads each path, in the order given, as if all of them had been dropped on the number list together: a file as a list file, a folder with all its sub-folders. A file manager&apos;s Open With uses this.</source>
        <translation>Abre la ventana y lee cada ruta, en el orden dado, como si todas se hubieran soltado juntas sobre la lista de números: un archivo como archivo de lista, una carpeta con todas sus subcarpetas. La opción «Abrir con» de un gestor de archivos usa esto.</translation>
    </message>
    <message>
        <source>Prints a short help text and exits.</source>
        <translation>Muestra un breve texto de ayuda y termina.</translation>
    </message>
    <message>
        <source>Prints the version and exits.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Ends the options: every later argument is a path.</source>
        <translation>Termina las opciones: todos los argumentos posteriores son rutas.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as &lt;code&gt;-platform&lt;/code&gt; and &lt;code&gt;-style&lt;/code&gt;, are taken as well. The exit status is 0, or 2 after an unknown option.</source>
        <translation>También se aceptan las opciones propias de Qt, como &lt;code&gt;-platform&lt;/code&gt; y &lt;code&gt;-style&lt;/code&gt;. El estado de salida es 0, o 2 tras una opción desconocida.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>The options of the window are kept in &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt;, section &lt;code&gt;[Tallowmere]&lt;/code&gt;, written the moment they change. The number list kept at close is in &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt;. The program writes nothing else but the files you name, the clipboard and new spreadsheet workbooks.</source>
        <translation>Las opciones de la ventana se guardan en &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt;, sección &lt;code&gt;[Tallowmere]&lt;/code&gt;, y se escriben en el momento en que cambian. La lista de números conservada al cerrar está en &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt;. El programa no escribe nada más que los archivos que usted indique, el portapapeles y los libros nuevos de hoja de cálculo.</translation>
    </message>
    <message>
        <source>The tallowmere-analyse command</source>
        <translation>La orden tallowmere-analyse</translation>
    </message>
    <message>
        <source>&lt;code&gt;tallowmere-analyse&lt;/code&gt; runs the analysis of the window without a window and writes its twelve results to standard output, for scripts. Each path is read as the window reads a dropped one; &lt;code&gt;-&lt;/code&gt;, or no path at all, is standard input.</source>
        <translation>&lt;code&gt;tallowmere-analyse&lt;/code&gt; ejecuta el análisis de la ventana sin ventana y escribe sus doce resultados en la salida estándar, para scripts. Cada ruta se lee como la ventana lee una ruta soltada; &lt;code&gt;-&lt;/code&gt;, o ninguna ruta, es la entrada estándar.</translation>
    </message>
    <message>
        <source>Reads list files and folders.</source>
        <translation>Lee archivos de lista y carpetas.</translation>
    </message>
    <message>
        <source>Reads each line of the file as one entry, exactly as if typed in the window: a line that is not a number counts as its leading number, or 0.</source>
        <translation>Lee cada línea del archivo como una entrada, exactamente como si se escribiera en la ventana: una línea que no es un número cuenta como su número inicial, o como 0.</translation>
    </message>
    <message>
        <source>Reads the files as tables (CSV or TSV) and the numbers of one column: by its number from 1, or with a header line by its name. The delimiter is the tab unless given; with the strict option a record with too few fields makes the exit status 1.</source>
        <translation>Lee los archivos como tablas (CSV o TSV) y los números de una columna: por su número a partir de 1 o, con una línea de cabecera, por su nombre. El delimitador es el tabulador salvo que se indique otro; con la opción estricta, un registro con campos insuficientes hace que el estado de salida sea 1.</translation>
    </message>
    <message>
        <source>The method of the variance; a sample is the default.</source>
        <translation>El método de la varianza; la muestra es el valor predeterminado.</translation>
    </message>
    <message>
        <source>The rounding, as in the window; the text format rounds to 3 places by default.</source>
        <translation>El redondeo, como en la ventana; el formato de texto redondea a 3 decimales de forma predeterminada.</translation>
    </message>
    <message>
        <source>Text writes the rows as the window shows them; tsv writes a key and a value per line; json writes one object. Tsv and json write a point as the decimal separator and, unless told otherwise, every digit.</source>
        <translation>Text escribe las filas como las muestra la ventana; tsv escribe una clave y un valor por línea; json escribe un objeto. Tsv y json escriben un punto como separador decimal y, salvo que se indique lo contrario, todos los dígitos.</translation>
    </message>
    <message>
        <source>Adds the minimum, the maximum, the range, the quartiles, the interquartile range, the kurtosis, the standard error of the mean and, for a sample, the 95 % confidence interval of the mean.</source>
        <translation>Añade el mínimo, el máximo, el rango, los cuartiles, el rango intercuartílico, la curtosis, el error estándar de la media y, para una muestra, el intervalo de confianza del 95 % de la media.</translation>
    </message>
    <message>
        <source>Prints the help text or the version and exits.</source>
        <translation>Muestra el texto de ayuda o la versión y termina.</translation>
    </message>
    <message>
        <source>Messages on standard error and the rows of the text format follow your language, as the window does; the keys of tsv and json and the option names never change.</source>
        <translation>Los mensajes en la salida de error estándar y las filas del formato de texto siguen su idioma, como la ventana; las claves de tsv y json y los nombres de las opciones nunca cambian.</translation>
    </message>
    <message>
        <source>The exit status is 0 when the results were written; 1 when there were no numbers, something could not be read or the results could not be written; 2 when the command line was wrong.</source>
        <translation>El estado de salida es 0 cuando se escribieron los resultados; 1 cuando no había números, algo no se pudo leer o no se pudieron escribir los resultados; 2 cuando la línea de órdenes era incorrecta.</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Ejemplos</translation>
    </message>
    <message>
        <source>The results of the third column of a TSV file.</source>
        <translation>Los resultados de la tercera columna de un archivo TSV.</translation>
    </message>
    <message>
        <source>A column by its name, from a CSV file as a German spreadsheet saves it.</source>
        <translation>Una columna por su nombre, de un archivo CSV tal como lo guarda una hoja de cálculo en alemán.</translation>
    </message>
    <message>
        <source>Two files with the numbers of standard input between them.</source>
        <translation>Dos archivos con los números de la entrada estándar entre ellos.</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Tallowmere Manual</source>
        <translation>Manual de Tallowmere</translation>
    </message>
    <message>
        <source>Tables and workbooks</source>
        <translation>Tablas y libros</translation>
    </message>
    <message>
        <source>A file of several columns (CSV, TSV, text separated by semicolons as a German spreadsheet saves it) or a workbook (.ods, .xlsx) opens the &lt;b&gt;Open Table&lt;/b&gt; dialog when it is loaded, dropped or named on the command line; so does &lt;b&gt;Open Table…&lt;/b&gt; in the number list&apos;s context menu, and a paste of several columns.</source>
        <translation>Un archivo de varias columnas (CSV, TSV, texto separado por punto y coma como lo guarda una hoja de cálculo alemana) o un libro (.ods, .xlsx) abre el diálogo &lt;b&gt;Abrir tabla&lt;/b&gt; cuando se carga, se suelta o se nombra en la línea de órdenes; también lo abren &lt;b&gt;Abrir tabla…&lt;/b&gt; en el menú contextual de la lista de números y el pegado de varias columnas.</translation>
    </message>
    <message>
        <source>The dialog shows the first rows with what it guessed: the delimiter, whether the first row is a header, the decimal separator and, for a workbook, the sheet. Change any of them and the preview follows. Then tick the columns to read and, to compare groups, choose a column in &lt;b&gt;Split by&lt;/b&gt;.</source>
        <translation>El diálogo muestra las primeras filas con lo que ha deducido: el delimitador, si la primera fila es un encabezado, el separador decimal y, en un libro, la hoja. Cambie cualquiera de ellos y la vista previa lo sigue. Después marque las columnas que leer y, para comparar grupos, elija una columna en &lt;b&gt;Separar por&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>One column ticked and no split: its numbers are added to the number list as one change, which Ctrl+Z undoes; cells that are not numbers are counted in the notice.</source>
        <translation>Una columna marcada y sin separación: sus números se añaden a la lista de números como un solo cambio, que Ctrl+Z deshace; el aviso cuenta las celdas que no son números.</translation>
    </message>
    <message>
        <source>Several columns, or a split: the &lt;b&gt;Compare&lt;/b&gt; window opens and the number list is left as it was.</source>
        <translation>Varias columnas, o una separación: se abre la ventana &lt;b&gt;Comparar&lt;/b&gt; y la lista de números queda como estaba.</translation>
    </message>
    <message>
        <source>The Compare window has a column for each column or group and a row for each statistic, computed as the main window computes them and rounded as it rounds; it follows the main window&apos;s method and decimals. Below the table are box plots of every list on one axis, and with &lt;b&gt;Histograms&lt;/b&gt; their histograms over the same span.</source>
        <translation>La ventana Comparar tiene una columna por cada columna o grupo y una fila por cada estadístico, calculado y redondeado como en la ventana principal; sigue su método y sus decimales. Bajo la tabla hay diagramas de caja de todas las listas en un mismo eje y, con &lt;b&gt;Histogramas&lt;/b&gt;, sus histogramas sobre el mismo intervalo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy as Table&lt;/b&gt; (Ctrl+C) copies the table, separated by tabs, ready to paste into a spreadsheet; &lt;b&gt;Save Table…&lt;/b&gt; (Ctrl+S) saves it as CSV or as a workbook; &lt;b&gt;Copy Picture&lt;/b&gt; and &lt;b&gt;Save Picture…&lt;/b&gt; do the same for the picture; &lt;b&gt;Send to Number List&lt;/b&gt; adds the numbers of the chosen list to the main window&apos;s number list.</source>
        <translation>&lt;b&gt;Copiar como tabla&lt;/b&gt; (Ctrl+C) copia la tabla separada por tabulaciones, lista para pegar en una hoja de cálculo; &lt;b&gt;Guardar tabla…&lt;/b&gt; (Ctrl+S) la guarda como CSV o como libro; &lt;b&gt;Copiar imagen&lt;/b&gt; y &lt;b&gt;Guardar imagen…&lt;/b&gt; hacen lo mismo con la imagen; &lt;b&gt;Enviar a la lista de números&lt;/b&gt; añade los números de la lista elegida a la lista de números de la ventana principal.</translation>
    </message>
    <message>
        <source>Several columns, or every column that holds numbers, each analysed on its own; with a group column, each column&apos;s rows are split by its values. The text format writes a block for each, headed by its name; tsv writes a column for each; json writes an array of objects.</source>
        <translation>Varias columnas, o todas las que contienen números, cada una analizada por separado; con una columna de grupos, las filas de cada columna se separan según sus valores. El formato de texto escribe un bloque por cada una, encabezado por su nombre; tsv escribe una columna por cada una; json escribe un array de objetos.</translation>
    </message>
    <message>
        <source>The sheet of a workbook (.ods or .xlsx, known by its content) to read the columns from; the first unless given.</source>
        <translation>La hoja de un libro (.ods o .xlsx, reconocido por su contenido) de la que leer las columnas; la primera si no se indica.</translation>
    </message>
    <message>
        <source>The weights of each group of a workbook&apos;s first sheet, side by side.</source>
        <translation>Los pesos de cada grupo de la primera hoja de un libro, uno junto a otro.</translation>
    </message>
    <message>
        <source>Whole numbers of up to 100 values get a bar for each value, centred on it. &lt;b&gt;Range&lt;/b&gt; shows all values or leaves out the outliers beyond the box plot&apos;s fences, which are then marked with their count at the ends of the axis; &lt;b&gt;Logarithmic axis&lt;/b&gt;, for positive numbers only, makes the bins equal on a logarithmic scale. Point at a bar to see its range and count. With &lt;b&gt;Include title and statistics&lt;/b&gt;, Copy Picture and Save Picture… add a title and the table of spread to the picture.</source>
        <translation>Los números enteros con hasta 100 valores tienen una barra por valor, centrada en él. &lt;b&gt;Rango&lt;/b&gt; muestra todos los valores o deja fuera los valores atípicos más allá de las vallas del diagrama de caja, que entonces se marcan con su número en los extremos del eje; &lt;b&gt;Eje logarítmico&lt;/b&gt;, solo para números positivos, hace los intervalos iguales en una escala logarítmica. Señale una barra para ver su intervalo y su número. Con &lt;b&gt;Incluir título y estadísticas&lt;/b&gt;, Copiar imagen y Guardar imagen… añaden a la imagen un título y la tabla de dispersión.</translation>
    </message>
    <message>
        <source>The encoding of a table&apos;s text: utf-8, utf-16le, utf-16be, utf-32le, utf-32be or windows-1252. Without it each file is read in the form its first bytes show, as the table dialog reads it; standard input is then read as a list file.</source>
        <translation>La codificación del texto de una tabla: utf-8, utf-16le, utf-16be, utf-32le, utf-32be o windows-1252. Sin ella cada archivo se lee en la forma que muestran sus primeros bytes, como lo lee el diálogo de tablas; la entrada estándar se lee entonces como un archivo de lista.</translation>
    </message>
</context>
<context>
    <name>ManualEntry</name>
    <message>
        <source>Enter number or numbers (use commas):</source>
        <translation>Introduzca un número o varios (use comas):</translation>
    </message>
    <message>
        <source>Enter number or numbers (use semicolons):</source>
        <translation>Introduzca un número o varios (use punto y coma):</translation>
    </message>
</context>
<context>
    <name>Normality</name>
    <message>
        <source>The Shapiro-Wilk test needs at least 3 numbers</source>
        <translation>La prueba de Shapiro-Wilk necesita al menos 3 números</translation>
    </message>
    <message>
        <source>The Shapiro-Wilk test takes at most 5000 numbers</source>
        <translation>La prueba de Shapiro-Wilk admite como máximo 5000 números</translation>
    </message>
    <message>
        <source>The K² test needs at least 8 numbers</source>
        <translation>La prueba K² necesita al menos 8 números</translation>
    </message>
    <message>
        <source>All the numbers are equal</source>
        <translation>Todos los números son iguales</translation>
    </message>
    <message>
        <source>The numbers are too large or too far apart for the test</source>
        <translation>Los números son demasiado grandes o están demasiado alejados para la prueba</translation>
    </message>
    <message>
        <source>The kurtosis is outside the range of the test&apos;s approximation</source>
        <translation>La curtosis está fuera del rango de la aproximación de la prueba</translation>
    </message>
    <message>
        <source>no evidence against normality at 5 %</source>
        <translation>ninguna evidencia contra la normalidad al 5 %</translation>
    </message>
    <message>
        <source>the numbers are unlikely to come from a normal distribution (p = %1)</source>
        <translation>es poco probable que los números provengan de una distribución normal (p = %1)</translation>
    </message>
</context>
<context>
    <name>NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Must be a numeric entry.</source>
        <translation>Debe ser un valor numérico.</translation>
    </message>
</context>
<context>
    <name>OutlierPage</name>
    <message numerus="yes">
        <source>%1 outliers</source>
        <translation>
            <numerusform>%1 valor atípico</numerusform>
            <numerusform>%1 valores atípicos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 far out</source>
        <translation>
            <numerusform>%1 atípico extremo</numerusform>
            <numerusform>%1 atípicos extremos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OutlierTable</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>PercentileText</name>
    <message>
        <source>“%1” is not a number</source>
        <translation>«%1» no es un número</translation>
    </message>
    <message>
        <source>%1: percentiles run from 0 to 100</source>
        <translation>%1: los percentiles van de 0 a 100</translation>
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
        <translation>Todavía no se ha analizado ningún número.</translation>
    </message>
    <message>
        <source>Normal quantiles</source>
        <translation>Cuantiles normales</translation>
    </message>
    <message>
        <source>Sample quantiles</source>
        <translation>Cuantiles de la muestra</translation>
    </message>
    <message numerus="yes">
        <source>Normal Q-Q plot of %1 numbers: the values from %2 to %3 against the normal quantiles from %4 to %5, with the line through the quartiles (intercept %6, slope %7).</source>
        <translation>
            <numerusform>Gráfico Q-Q normal de %1 número: los valores de %2 a %3 frente a los cuantiles normales de %4 a %5, con la recta que pasa por los cuartiles (ordenada en el origen %6, pendiente %7).</numerusform>
            <numerusform>Gráfico Q-Q normal de %1 números: los valores de %2 a %3 frente a los cuantiles normales de %4 a %5, con la recta que pasa por los cuartiles (ordenada en el origen %6, pendiente %7).</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Q-Q plot</source>
        <translation>Gráfico Q-Q normal</translation>
    </message>
</context>
<context>
    <name>QuantileMethods</name>
    <message>
        <source>Nearest rank (R type 1)</source>
        <translation>Rango más cercano (tipo 1 de R)</translation>
    </message>
    <message>
        <source>Averaged inverse (SAS default, R type 2)</source>
        <translation>Inversa promediada (predeterminado de SAS, tipo 2 de R)</translation>
    </message>
    <message>
        <source>Nearest even rank (R type 3)</source>
        <translation>Rango par más cercano (tipo 3 de R)</translation>
    </message>
    <message>
        <source>Linear in the distribution function (R type 4)</source>
        <translation>Lineal en la función de distribución (tipo 4 de R)</translation>
    </message>
    <message>
        <source>Hazen, midpoint steps (R type 5)</source>
        <translation>Hazen, puntos medios de los escalones (tipo 5 de R)</translation>
    </message>
    <message>
        <source>Exclusive (spreadsheet QUARTILE.EXC, SPSS, Minitab, R type 6)</source>
        <translation>Exclusivo (hoja de cálculo CUARTIL.EXC, SPSS, Minitab, tipo 6 de R)</translation>
    </message>
    <message>
        <source>Inclusive (spreadsheet QUARTILE.INC, R type 7, numpy default)</source>
        <translation>Inclusivo (hoja de cálculo CUARTIL.INC, tipo 7 de R, predeterminado de numpy)</translation>
    </message>
    <message>
        <source>Median-unbiased (R type 8)</source>
        <translation>Insesgado para la mediana (tipo 8 de R)</translation>
    </message>
    <message>
        <source>Normal-unbiased, Blom (R type 9)</source>
        <translation>Insesgado para la normal, Blom (tipo 9 de R)</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>The number of entries is: </source>
        <translation>El número de entradas es: </translation>
    </message>
    <message>
        <source>The sum of the numbers are: </source>
        <translation>La suma de los números es: </translation>
    </message>
    <message>
        <source>The sum squared is: </source>
        <translation>La suma al cuadrado es: </translation>
    </message>
    <message>
        <source>The sum of squares is: </source>
        <translation>La suma de cuadrados es: </translation>
    </message>
    <message>
        <source>The mode is: </source>
        <translation>La moda es: </translation>
    </message>
    <message>
        <source>The median is: </source>
        <translation>La mediana es: </translation>
    </message>
    <message>
        <source>The mean is: </source>
        <translation>La media es: </translation>
    </message>
    <message>
        <source>The variance is: </source>
        <translation>La varianza es: </translation>
    </message>
    <message>
        <source>The skew is: </source>
        <translation>La asimetría es: </translation>
    </message>
    <message>
        <source>The average deviation is: </source>
        <translation>La desviación media es: </translation>
    </message>
    <message>
        <source>The standard deviation is: </source>
        <translation>La desviación estándar es: </translation>
    </message>
    <message>
        <source>The coefficient of variation is: </source>
        <translation>El coeficiente de variación es: </translation>
    </message>
    <message>
        <source>The minimum is: </source>
        <translation>El mínimo es: </translation>
    </message>
    <message>
        <source>The maximum is: </source>
        <translation>El máximo es: </translation>
    </message>
    <message>
        <source>The range is: </source>
        <translation>El rango es: </translation>
    </message>
    <message>
        <source>The first quartile is: </source>
        <translation>El primer cuartil es: </translation>
    </message>
    <message>
        <source>The third quartile is: </source>
        <translation>El tercer cuartil es: </translation>
    </message>
    <message>
        <source>The interquartile range is: </source>
        <translation>El rango intercuartílico es: </translation>
    </message>
    <message>
        <source>The kurtosis is: </source>
        <translation>La curtosis es: </translation>
    </message>
    <message>
        <source>The standard error of the mean is: </source>
        <translation>El error estándar de la media es: </translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s low end is: </source>
        <translation>El extremo inferior del intervalo de confianza del 95 % es: </translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s high end is: </source>
        <translation>El extremo superior del intervalo de confianza del 95 % es: </translation>
    </message>
    <message>
        <source>The geometric mean is: </source>
        <translation>La media geométrica es: </translation>
    </message>
    <message>
        <source>The harmonic mean is: </source>
        <translation>La media armónica es: </translation>
    </message>
    <message>
        <source>The median absolute deviation is: </source>
        <translation>La desviación absoluta mediana es: </translation>
    </message>
    <message>
        <source>The scaled median absolute deviation is: </source>
        <translation>La desviación absoluta mediana escalada es: </translation>
    </message>
    <message>
        <source>The quantile method is: </source>
        <translation>El método de cuantiles es: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk W is: </source>
        <translation>La W de Shapiro-Wilk es: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk p-value is: </source>
        <translation>El valor p de Shapiro-Wilk es: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk test reads: </source>
        <translation>La prueba de Shapiro-Wilk indica: </translation>
    </message>
    <message>
        <source>The K² of D&apos;Agostino and Pearson is: </source>
        <translation>La K² de D&apos;Agostino y Pearson es: </translation>
    </message>
    <message>
        <source>The K² p-value is: </source>
        <translation>El valor p de la K² es: </translation>
    </message>
    <message>
        <source>The K² test reads: </source>
        <translation>La prueba K² indica: </translation>
    </message>
    <message>
        <source>The %1 % trimmed mean is: </source>
        <translation>La media recortada al %1 % es: </translation>
    </message>
    <message>
        <source>The %1 % confidence interval&apos;s low end is: </source>
        <translation>El extremo inferior del intervalo de confianza del %1 % es: </translation>
    </message>
    <message>
        <source>The %1 % confidence interval&apos;s high end is: </source>
        <translation>El extremo superior del intervalo de confianza del %1 % es: </translation>
    </message>
    <message>
        <source>The median&apos;s %1 % confidence interval&apos;s low end is: </source>
        <translation>El extremo inferior del intervalo de confianza del %1 % de la mediana es: </translation>
    </message>
    <message>
        <source>The median&apos;s %1 % confidence interval&apos;s high end is: </source>
        <translation>El extremo superior del intervalo de confianza del %1 % de la mediana es: </translation>
    </message>
    <message>
        <source>The median&apos;s interval&apos;s actual coverage is: </source>
        <translation>La cobertura real del intervalo de la mediana es: </translation>
    </message>
    <message>
        <source>The %1st percentile is: </source>
        <translation>El percentil %1 es: </translation>
    </message>
    <message>
        <source>The %1nd percentile is: </source>
        <translation>El percentil %1 es: </translation>
    </message>
    <message>
        <source>The %1rd percentile is: </source>
        <translation>El percentil %1 es: </translation>
    </message>
    <message>
        <source>The %1th percentile is: </source>
        <translation>El percentil %1 es: </translation>
    </message>
</context>
<context>
    <name>ResultValues</name>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
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
        <translation>Copiar como tabla</translation>
    </message>
</context>
<context>
    <name>RobustStatistics</name>
    <message>
        <source>There are no numbers</source>
        <translation>No hay números</translation>
    </message>
    <message>
        <source>The geometric and the harmonic mean need positive numbers</source>
        <translation>Las medias geométrica y armónica necesitan números positivos</translation>
    </message>
    <message>
        <source>The share trimmed from each end must be at least 0 and below 0.5</source>
        <translation>La parte recortada de cada extremo debe ser al menos 0 y menor que 0.5</translation>
    </message>
    <message>
        <source>The confidence level must be from 50 % to 99.9 %</source>
        <translation>El nivel de confianza debe estar entre el 50 % y el 99.9 %</translation>
    </message>
    <message>
        <source>The confidence interval of the mean needs at least 2 numbers</source>
        <translation>El intervalo de confianza de la media necesita al menos 2 números</translation>
    </message>
    <message>
        <source>Too few numbers for a confidence interval of the median at this level</source>
        <translation>Hay muy pocos números para un intervalo de confianza de la mediana a este nivel</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>its lock file %1 is not a regular file</source>
        <translation>su archivo de bloqueo %1 no es un archivo normal</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>no se puede escribir en él</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>no se puede escribir en él: %1</translation>
    </message>
    <message>
        <source>The options cannot be saved to %1: %2. They stay as chosen until %3 ends.</source>
        <translation>No se pueden guardar las opciones en %1: %2. Se mantienen tal como se eligieron hasta que termine %3.</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Open Table</source>
        <translation>Abrir tabla</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Coma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Punto y coma</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Other delimiter</source>
        <translation>Otro delimitador</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>La primera fila es una &amp;cabecera</translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation>La primera fila es una cabecera</translation>
    </message>
    <message>
        <source>As in this locale (%1)</source>
        <translation>Como en esta configuración regional (%1)</translation>
    </message>
    <message>
        <source>Point (61.5)</source>
        <translation>Punto (61.5)</translation>
    </message>
    <message>
        <source>Comma (61,5)</source>
        <translation>Coma (61,5)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Delimitador:</translation>
    </message>
    <message>
        <source>D&amp;ecimal separator:</source>
        <translation>Separador d&amp;ecimal:</translation>
    </message>
    <message>
        <source>Shee&amp;t:</source>
        <translation>&amp;Hoja:</translation>
    </message>
    <message>
        <source>Co&amp;lumns:</source>
        <translation>Co&amp;lumnas:</translation>
    </message>
    <message>
        <source>&amp;Split by:</source>
        <translation>&amp;Separar por:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>&amp;Vista previa:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>No se pudo leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 is neither a spreadsheet nor a table of delimited text.</source>
        <translation>%1 no es una hoja de cálculo ni una tabla de texto delimitado.</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be read (%2).</source>
        <translation>%1 está dañado y no se pudo leer (%2).</translation>
    </message>
    <message>
        <source>%1 is protected by a password: save it without one to open it.</source>
        <translation>%1 está protegido con contraseña: guárdelo sin ella para abrirlo.</translation>
    </message>
    <message>
        <source>%1 is an Excel 97-2003 workbook: save it as .xlsx or .ods to open it.</source>
        <translation>%1 es un libro de Excel 97-2003: guárdelo como .xlsx u .ods para abrirlo.</translation>
    </message>
    <message>
        <source>%1 has no sheet %2.</source>
        <translation>%1 no tiene la hoja %2.</translation>
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
        <translation>Occidental (Windows-1252)</translation>
    </message>
    <message>
        <source>E&amp;ncoding:</source>
        <translation>C&amp;odificación:</translation>
    </message>
</context>
<context>
    <name>TickList</name>
    <message>
        <source>Ticks or unticks the result</source>
        <translation>Marca o desmarca el resultado</translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation>Marcado</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Sin marcar</translation>
    </message>
</context>
<context>
    <name>WholeFileWriter</name>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::CompareWindow</name>
    <message>
        <source>Statistics of each list</source>
        <translation>Estadísticas de cada lista</translation>
    </message>
    <message>
        <source>A column per list and a row per statistic. Ctrl+C copies the whole table.</source>
        <translation>Una columna por lista y una fila por estadístico. Ctrl+C copia toda la tabla.</translation>
    </message>
    <message>
        <source>Copy as &amp;Table</source>
        <translation>Copiar como &amp;tabla</translation>
    </message>
    <message>
        <source>Put the table on the clipboard, its cells separated by tabs (Ctrl+C)</source>
        <translation>Poner la tabla en el portapapeles, con sus celdas separadas por tabuladores (Ctrl+C)</translation>
    </message>
    <message>
        <source>Sa&amp;ve Table…</source>
        <translation>Guardar ta&amp;bla…</translation>
    </message>
    <message>
        <source>Save the table as a CSV file or an Excel workbook (Ctrl+S)</source>
        <translation>Guardar la tabla como archivo CSV o libro de Excel (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Lista:</translation>
    </message>
    <message>
        <source>List to send</source>
        <translation>Lista que se envía</translation>
    </message>
    <message>
        <source>Se&amp;nd to Number List</source>
        <translation>E&amp;nviar a la lista de números</translation>
    </message>
    <message>
        <source>Append the chosen list&apos;s numbers to the main window&apos;s number list</source>
        <translation>Añadir los números de la lista elegida a la lista de números de la ventana principal</translation>
    </message>
    <message>
        <source>&amp;Histograms</source>
        <translation>&amp;Histogramas</translation>
    </message>
    <message>
        <source>Show each list&apos;s histogram over the same span, with its box plot</source>
        <translation>Mostrar el histograma de cada lista sobre la misma escala, con su diagrama de caja</translation>
    </message>
    <message>
        <source>Histograms</source>
        <translation>Histogramas</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image</source>
        <translation>Poner la imagen en el portapapeles como imagen</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Guardar imagen…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file</source>
        <translation>Guardar la imagen como archivo PNG o SVG</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Estadístico</translation>
    </message>
    <message>
        <source>Save Table</source>
        <translation>Guardar tabla</translation>
    </message>
    <message>
        <source>The table could not be saved as
%1
%2</source>
        <translation>No se pudo guardar la tabla como
%1
%2</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation>No se pudo guardar la imagen como
%1
%2</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::DistributionWindow</name>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Estadístico</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as name and value separated by a tab.</source>
        <translation>Seleccione filas y pulse Ctrl+C para copiarlas como nombre y valor separados por un tabulador.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>&amp;Bins:</source>
        <translation>&amp;Intervalos:</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automático (%1)</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Number of bins</source>
        <translation>Número de intervalos</translation>
    </message>
    <message>
        <source>The histogram&apos;s bins, 1 to 500; below 1 the count is chosen from the numbers.</source>
        <translation>Los intervalos del histograma, de 1 a 500; por debajo de 1, su número se elige a partir de los números.</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image (Ctrl+C)</source>
        <translation>Poner la imagen en el portapapeles como imagen (Ctrl+C)</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Guardar imagen…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file (Ctrl+S)</source>
        <translation>Guardar la imagen como archivo PNG o SVG (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation>No se pudo guardar la imagen como
%1
%2</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Rango:</translation>
    </message>
    <message>
        <source>All values</source>
        <translation>Todos los valores</translation>
    </message>
    <message>
        <source>Without outliers</source>
        <translation>Sin valores atípicos</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>Without outliers, the histogram spans the numbers within 1.5 interquartile ranges of the box.</source>
        <translation>Sin valores atípicos, el histograma abarca los números a menos de 1,5 rangos intercuartílicos de la caja.</translation>
    </message>
    <message>
        <source>&amp;Logarithmic axis</source>
        <translation>Eje &amp;logarítmico</translation>
    </message>
    <message>
        <source>Bins of equal width in the logarithm; for positive numbers only</source>
        <translation>Intervalos de igual anchura en el logaritmo; solo para números positivos</translation>
    </message>
    <message>
        <source>&amp;Include title and statistics</source>
        <translation>Incluir &amp;título y estadísticas</translation>
    </message>
    <message>
        <source>Copy and save the picture with a title over it and the statistics under it</source>
        <translation>Copiar y guardar la imagen con un título encima y las estadísticas debajo</translation>
    </message>
    <message>
        <source>&amp;Histogram</source>
        <translation>&amp;Histograma</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Vistas</translation>
    </message>
    <message>
        <source>&amp;Q-Q Plot</source>
        <translation>Gráfico &amp;Q-Q</translation>
    </message>
    <message>
        <source>&amp;Frequencies</source>
        <translation>&amp;Frecuencias</translation>
    </message>
    <message>
        <source>&amp;Outliers</source>
        <translation>Valores &amp;atípicos</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::DropProgressStrip</name>
    <message>
        <source>Stop the drop (Esc)</source>
        <translation>Detener el arrastre (Esc)</translation>
    </message>
    <message>
        <source>Stop the drop</source>
        <translation>Detener el arrastre</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::Form1</name>
    <message>
        <source>Results note</source>
        <translation>Nota de los resultados</translation>
    </message>
    <message>
        <source>Number(s)</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Result(s)</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>The number list has changed since these results.</source>
        <translation>La lista de números ha cambiado desde estos resultados.</translation>
    </message>
    <message>
        <source>Analysis finished: the results list shows %1 rows.</source>
        <translation>Análisis terminado: la lista de resultados muestra %1 filas.</translation>
    </message>
    <message>
        <source>Not every entry will come back as it is when this file is loaded:</source>
        <translation>No todas las entradas volverán tal como están cuando se cargue este archivo:</translation>
    </message>
    <message>
        <source>Entries that are not numbers, left out when it is loaded: %1</source>
        <translation>Entradas que no son números, que se omitirán al cargarlo: %1</translation>
    </message>
    <message>
        <source>Entries a list file reads as another value: %1</source>
        <translation>Entradas que un archivo de lista lee como otro valor: %1</translation>
    </message>
    <message>
        <source>Entries holding a line break, read as several lines: %1</source>
        <translation>Entradas que contienen un salto de línea, que se leerán como varias líneas: %1</translation>
    </message>
    <message>
        <source>The first of them: %1</source>
        <translation>La primera de ellas: %1</translation>
    </message>
    <message>
        <source>Save the numbers all the same?</source>
        <translation>¿Guardar los números de todos modos?</translation>
    </message>
    <message>
        <source>Save Numbers</source>
        <translation>Guardar números</translation>
    </message>
    <message>
        <source>The numbers could not be saved to &quot;%1&quot;: %2</source>
        <translation>No se pudieron guardar los números en «%1»: %2</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Vaciar recientes</translation>
    </message>
    <message>
        <source>The numbers from last time could not be read</source>
        <translation>No se pudieron leer los números de la última vez</translation>
    </message>
    <message>
        <source>All results ticked</source>
        <translation>Todos los resultados marcados</translation>
    </message>
    <message>
        <source>No results ticked</source>
        <translation>Ningún resultado marcado</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::FrequencyPage</name>
    <message>
        <source>One row per &amp;value</source>
        <translation>&amp;Una fila por valor</translation>
    </message>
    <message>
        <source>A row for each value however many there are; else, with more than %1 values, a row for each of the histogram&apos;s bins</source>
        <translation>Una fila por cada valor, sean cuantos sean; si no, con más de %1 valores, una fila por cada intervalo del histograma</translation>
    </message>
    <message>
        <source>Copy as &amp;Table</source>
        <translation>Copiar como ta&amp;bla</translation>
    </message>
    <message>
        <source>Put the whole table on the clipboard with its header line, its cells separated by tabs</source>
        <translation>Poner toda la tabla en el portapapeles con su línea de encabezado y sus celdas separadas por tabuladores</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Frequencies</source>
        <translation>Frecuencias</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them, their cells separated by tabs, as a spreadsheet reads them.</source>
        <translation>Seleccione filas y pulse Ctrl+C para copiarlas, con sus celdas separadas por tabuladores, tal como las lee una hoja de cálculo.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>These bins span all the numbers, the outliers too; the histogram leaves the outliers out.</source>
        <translation>Estos intervalos abarcan todos los números, también los valores atípicos; el histograma deja fuera los valores atípicos.</translation>
    </message>
    <message>
        <source>These bins are equal in width; the histogram&apos;s are equal in the logarithm.</source>
        <translation>Estos intervalos tienen la misma anchura; los del histograma son iguales en el logaritmo.</translation>
    </message>
    <message>
        <source>The histogram has a bar for each value; tick &quot;One row per value&quot; for a row each.</source>
        <translation>El histograma tiene una barra por cada valor; marque «Una fila por valor» para obtener una fila por cada uno.</translation>
    </message>
    <message>
        <source>These bins are not the histogram&apos;s.</source>
        <translation>Estos intervalos no son los del histograma.</translation>
    </message>
    <message>
        <source>%1 rows are too many to copy: at most %2 can be copied.</source>
        <translation>%1 filas son demasiadas para copiarlas: se pueden copiar como máximo %2.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::HelpWindow</name>
    <message>
        <source>Tallowmere Manual</source>
        <translation>Manual de Tallowmere</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation>Buscar en el manual</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No se encontró</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation>Eliminar entradas que no son números</translation>
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
        <translation>Posición</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::OutlierPage</name>
    <message>
        <source>Outliers</source>
        <translation>Valores atípicos</translation>
    </message>
    <message>
        <source>&amp;Values beyond the fences:</source>
        <translation>&amp;Valores más allá de las vallas:</translation>
    </message>
    <message>
        <source>Number of smallest and largest values</source>
        <translation>Número de valores menores y mayores</translation>
    </message>
    <message>
        <source>How many of the smallest and of the largest numbers are listed, 1 to 100.</source>
        <translation>Cuántos de los números menores y de los mayores se listan, de 1 a 100.</translation>
    </message>
    <message>
        <source>&amp;Extremes at each end:</source>
        <translation>&amp;Extremos de cada lado:</translation>
    </message>
    <message>
        <source>Smallest and largest values</source>
        <translation>Valores menores y mayores</translation>
    </message>
    <message>
        <source>Select in &amp;Number List</source>
        <translation>&amp;Seleccionar en la lista de números</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as kind, position and value separated by tabs.</source>
        <translation>Seleccione filas y pulse Ctrl+C para copiarlas como tipo, posición y valor separados por tabuladores.</translation>
    </message>
    <message>
        <source>Outlier</source>
        <translation>Atípico</translation>
    </message>
    <message>
        <source>Far out</source>
        <translation>Atípico extremo</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Menor</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Mayor</translation>
    </message>
    <message>
        <source>No outliers; fences %1 and %2; far out beyond %3 and %4.</source>
        <translation>Ningún valor atípico; vallas %1 y %2; atípicos extremos más allá de %3 y %4.</translation>
    </message>
    <message>
        <source>%1, %2; fences %3 and %4; far out beyond %5 and %6.</source>
        <translation>%1, %2; vallas %3 y %4; atípicos extremos más allá de %5 y %6.</translation>
    </message>
    <message>
        <source>Showing %1 of %2, the first in the list.</source>
        <translation>Se muestran %1 de %2, los primeros de la lista.</translation>
    </message>
    <message>
        <source>There is no analysis to select from until one has finished.</source>
        <translation>No hay ningún análisis del que seleccionar hasta que termine uno.</translation>
    </message>
    <message>
        <source>The number list has changed since this analysis, so these positions may no longer be its rows. Press Start Analysis to find them again.</source>
        <translation>La lista de números ha cambiado desde este análisis, así que puede que estas posiciones ya no sean sus filas. Pulse Iniciar análisis para encontrarlas de nuevo.</translation>
    </message>
    <message>
        <source>There are no outliers; select rows of the tables to select those entries.</source>
        <translation>No hay valores atípicos; seleccione filas de las tablas para seleccionar esas entradas.</translation>
    </message>
    <message>
        <source>Select the entries of the selected rows in the number list, or all the outliers listed when no row is selected.</source>
        <translation>Seleccionar en la lista de números las entradas de las filas seleccionadas, o todos los valores atípicos listados si no hay ninguna fila seleccionada.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::QQPage</name>
    <message>
        <source>Normal Q-Q plot</source>
        <translation>Gráfico Q-Q normal</translation>
    </message>
    <message>
        <source>Tests of normality</source>
        <translation>Pruebas de normalidad</translation>
    </message>
    <message>
        <source>Press Ctrl+C to copy the selected text, or both lines where nothing is selected.</source>
        <translation>Pulse Ctrl+C para copiar el texto seleccionado, o las dos líneas si no hay nada seleccionado.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::StatisticsOptions</name>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Método:</translation>
    </message>
    <message>
        <source>Quantile method</source>
        <translation>Método de cuantiles</translation>
    </message>
    <message>
        <source>How the quartiles, the box plot and the percentiles are read from the numbers</source>
        <translation>Cómo se obtienen de los números los cuartiles, el diagrama de caja y los percentiles</translation>
    </message>
    <message>
        <source>&amp;Percentiles:</source>
        <translation>&amp;Percentiles:</translation>
    </message>
    <message>
        <source>Percentiles</source>
        <translation>Percentiles</translation>
    </message>
    <message>
        <source>Percentiles&apos; error</source>
        <translation>Error de los percentiles</translation>
    </message>
    <message>
        <source>&amp;Trim:</source>
        <translation>Rec&amp;orte:</translation>
    </message>
    <message>
        <source>Trimmed share</source>
        <translation>Proporción recortada</translation>
    </message>
    <message>
        <source>The share of the numbers the trimmed mean leaves out at each end</source>
        <translation>La proporción de los números que la media recortada deja fuera en cada extremo</translation>
    </message>
    <message>
        <source>Confidence l&amp;evel:</source>
        <translation>&amp;Nivel de confianza:</translation>
    </message>
    <message>
        <source>Confidence level</source>
        <translation>Nivel de confianza</translation>
    </message>
    <message>
        <source>The level of the mean&apos;s and the median&apos;s confidence intervals</source>
        <translation>El nivel de los intervalos de confianza de la media y de la mediana</translation>
    </message>
    <message>
        <source>Percentiles from 0 to 100, separated by semicolons: %1</source>
        <translation>Percentiles de 0 a 100, separados por punto y coma: %1</translation>
    </message>
    <message>
        <source>Percentiles from 0 to 100, separated by commas or semicolons: %1</source>
        <translation>Percentiles de 0 a 100, separados por comas o por punto y coma: %1</translation>
    </message>
</context>
</TS>
