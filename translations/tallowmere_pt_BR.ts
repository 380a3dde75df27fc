<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (compilado com %2)</translation>
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
        <translation>Bibliotecas usadas:</translation>
    </message>
    <message>
        <source>Tallowmere %1</source>
        <translation>Tallowmere %1</translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation>Uma calculadora de estatística descritiva para desktop.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tallowmere authors</source>
        <translation>Copyright © 2026 Os autores do Tallowmere</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Distribuído sob a licença MIT.</translation>
    </message>
    <message>
        <source>About Tallowmere</source>
        <translation>Sobre o Tallowmere</translation>
    </message>
</context>
<context>
    <name>AdditionNotice</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 arquivo</numerusform>
            <numerusform>%1 arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source> (first: %1)</source>
        <translation> (primeira: %1)</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 linha foi lida com vírgula decimal (primeira: %2)</numerusform>
            <numerusform>%1 linhas foram lidas com vírgula decimal (primeira: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 linha foi lida com ponto decimal (primeira: %2)</numerusform>
            <numerusform>%1 linhas foram lidas com ponto decimal (primeira: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 item foi lido com vírgula decimal (primeiro: %2)</numerusform>
            <numerusform>%1 itens foram lidos com vírgula decimal (primeiro: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 item foi lido com ponto decimal (primeiro: %2)</numerusform>
            <numerusform>%1 itens foram lidos com ponto decimal (primeiro: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from %2</source>
        <translation>
            <numerusform>Foi adicionado %1 número de %2</numerusform>
            <numerusform>Foram adicionados %1 números de %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the clipboard</source>
        <translation>
            <numerusform>Foi adicionado %1 número da área de transferência</numerusform>
            <numerusform>Foram adicionados %1 números da área de transferência</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the dropped text</source>
        <translation>
            <numerusform>Foi adicionado %1 número do texto solto</numerusform>
            <numerusform>Foram adicionados %1 números do texto solto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers</source>
        <translation>
            <numerusform>Foi adicionado %1 número</numerusform>
            <numerusform>Foram adicionados %1 números</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were not numbers</source>
        <translation>
            <numerusform>%1 linha não era um número</numerusform>
            <numerusform>%1 linhas não eram números</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were not numbers</source>
        <translation>
            <numerusform>%1 item não era um número</numerusform>
            <numerusform>%1 itens não eram números</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no numbers</source>
        <translation>%1 não contém números</translation>
    </message>
    <message>
        <source>The file holds no numbers</source>
        <translation>O arquivo não contém números</translation>
    </message>
    <message>
        <source>The %1 hold no numbers</source>
        <translation>Os %1 não contêm números</translation>
    </message>
    <message>
        <source>The clipboard holds no numbers</source>
        <translation>A área de transferência não contém números</translation>
    </message>
    <message>
        <source>The dropped text holds no numbers</source>
        <translation>O texto solto não contém números</translation>
    </message>
    <message>
        <source>The answer holds no numbers</source>
        <translation>A resposta não contém números</translation>
    </message>
    <message>
        <source>their only line is not a number in this locale</source>
        <translation>a única linha deles não é um número neste formato regional</translation>
    </message>
    <message>
        <source>its only line is not a number in this locale</source>
        <translation>sua única linha não é um número neste formato regional</translation>
    </message>
    <message>
        <source>its only item is not a number in this locale</source>
        <translation>seu único item não é um número neste formato regional</translation>
    </message>
    <message numerus="yes">
        <source>their %1 lines are not numbers in this locale</source>
        <translation>
            <numerusform>a %1 linha deles não é um número neste formato regional</numerusform>
            <numerusform>as %1 linhas deles não são números neste formato regional</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 lines are not numbers in this locale</source>
        <translation>
            <numerusform>sua %1 linha não é um número neste formato regional</numerusform>
            <numerusform>suas %1 linhas não são números neste formato regional</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 items are not numbers in this locale</source>
        <translation>
            <numerusform>seu %1 item não é um número neste formato regional</numerusform>
            <numerusform>seus %1 itens não são números neste formato regional</numerusform>
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
            <numerusform>Foi adicionado o %1 número de exemplo.</numerusform>
            <numerusform>Foram adicionados os %1 números de exemplo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers were added</source>
        <translation>
            <numerusform>%1 número foi adicionado</numerusform>
            <numerusform>%1 números foram adicionados</numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped part-way through the text; %1.</source>
        <translation>O arrastar e soltar foi interrompido no meio do texto; %1.</translation>
    </message>
    <message>
        <source>Pasting was stopped part-way through the text; %1.</source>
        <translation>A colagem foi interrompida no meio do texto; %1.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>1 entry is not a number and counts as %1: %2.</source>
        <translation>1 entrada não é um número e conta como %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers and count as %2: %3.</source>
        <translation>
            <numerusform>%1 entrada não é um número e conta como %2: %3.</numerusform>
            <numerusform>%1 entradas não são números e contam como %2: %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers; the first %2 count as %3: %4.</source>
        <translation>
            <numerusform>%1 entrada não é um número; a primeira %2 conta como %3: %4.</numerusform>
            <numerusform>%1 entradas não são números; as primeiras %2 contam como %3: %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 célula foi lida com vírgula decimal (primeira: %2)</numerusform>
            <numerusform>%1 células foram lidas com vírgula decimal (primeira: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 célula foi lida com ponto decimal (primeira: %2)</numerusform>
            <numerusform>%1 células foram lidas com ponto decimal (primeira: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from column %2 of %3</source>
        <translation>
            <numerusform>Foi adicionado %1 número da coluna %2 (%3)</numerusform>
            <numerusform>Foram adicionados %1 números da coluna %2 (%3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were not numbers</source>
        <translation>
            <numerusform>%1 célula não era um número</numerusform>
            <numerusform>%1 células não eram números</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1 of %2 holds no numbers</source>
        <translation>A coluna %1 (%2) não contém números</translation>
    </message>
    <message>
        <source>its only cell is not a number in this locale</source>
        <translation>sua única célula não é um número neste formato regional</translation>
    </message>
    <message numerus="yes">
        <source>its %1 cells are not numbers in this locale</source>
        <translation>
            <numerusform>sua %1 célula não é um número neste formato regional</numerusform>
            <numerusform>suas %1 células não são números neste formato regional</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Analyser</name>
    <message>
        <source>standard input</source>
        <translation>entrada padrão</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: &quot;%2&quot;)</source>
        <translation>
            <numerusform>%1 linha foi lida com vírgula decimal (primeira: “%2”)</numerusform>
            <numerusform>%1 linhas foram lidas com vírgula decimal (primeira: “%2”)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: &quot;%2&quot;)</source>
        <translation>
            <numerusform>%1 linha foi lida com ponto decimal (primeira: “%2”)</numerusform>
            <numerusform>%1 linhas foram lidas com ponto decimal (primeira: “%2”)</numerusform>
        </translation>
    </message>
    <message>
        <source>an entry</source>
        <translation>uma entrada</translation>
    </message>
    <message>
        <source>the number of entries</source>
        <translation>o número de entradas</translation>
    </message>
    <message>
        <source>the sum</source>
        <translation>a soma</translation>
    </message>
    <message>
        <source>the sum squared</source>
        <translation>a soma ao quadrado</translation>
    </message>
    <message>
        <source>the sum of squares</source>
        <translation>a soma dos quadrados</translation>
    </message>
    <message>
        <source>the mode</source>
        <translation>a moda</translation>
    </message>
    <message>
        <source>the median</source>
        <translation>a mediana</translation>
    </message>
    <message>
        <source>the mean</source>
        <translation>a média</translation>
    </message>
    <message>
        <source>the variance</source>
        <translation>a variância</translation>
    </message>
    <message>
        <source>the skew</source>
        <translation>a assimetria</translation>
    </message>
    <message>
        <source>the average deviation</source>
        <translation>o desvio médio</translation>
    </message>
    <message>
        <source>the standard deviation</source>
        <translation>o desvio padrão</translation>
    </message>
    <message>
        <source>the coefficient of variation</source>
        <translation>o coeficiente de variação</translation>
    </message>
    <message>
        <source>its lines hold fields separated by &apos;%1&apos;; choose a column with --field N, or --header and --field NAME</source>
        <translation>suas linhas contêm campos separados por &apos;%1&apos;; escolha uma coluna com --field N, ou --header e --field NAME</translation>
    </message>
    <message>
        <source>cannot read the folder</source>
        <translation>não é possível ler a pasta</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines are longer than %2 bytes and are each read as their first %2 bytes</source>
        <translation>
            <numerusform>%1 linha é maior que %2 bytes e é lida como seus primeiros %2 bytes</numerusform>
            <numerusform>%1 linhas são maiores que %2 bytes e cada uma é lida como seus primeiros %2 bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>não é possível gravar %1</translation>
    </message>
    <message>
        <source>the help</source>
        <translation>a ajuda</translation>
    </message>
    <message>
        <source>the version</source>
        <translation>a versão</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>os resultados</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>field %1</source>
        <translation>campo %1</translation>
    </message>
    <message>
        <source>the column &apos;%1&apos;</source>
        <translation>a coluna &apos;%1&apos;</translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the record is skipped</source>
        <translation>
            <numerusform>%1 campo, poucos demais para %2; o registro é ignorado</numerusform>
            <numerusform>%1 campos, poucos demais para %2; o registro é ignorado</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation>o campo entre aspas iniciado aqui não é fechado antes do fim do arquivo; ele é ignorado</translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields skipped</source>
        <translation>
            <numerusform>mais %1 registro com poucos campos foi ignorado</numerusform>
            <numerusform>mais %1 registros com poucos campos foram ignorados</numerusform>
        </translation>
    </message>
    <message>
        <source>the delimiter must be an ASCII character</source>
        <translation>o delimitador deve ser um caractere ASCII</translation>
    </message>
    <message>
        <source>the delimiter must be one character</source>
        <translation>o delimitador deve ser um único caractere</translation>
    </message>
    <message>
        <source>the quote cannot be the delimiter</source>
        <translation>a aspa não pode ser o delimitador</translation>
    </message>
    <message>
        <source>a line end cannot be the delimiter</source>
        <translation>uma quebra de linha não pode ser o delimitador</translation>
    </message>
    <message>
        <source>not a number of decimal places</source>
        <translation>não é um número de casas decimais</translation>
    </message>
    <message>
        <source>decimal places run from %1 to %2</source>
        <translation>as casas decimais vão de %1 a %2</translation>
    </message>
    <message>
        <source>no table has that many columns</source>
        <translation>nenhuma tabela tem tantas colunas</translation>
    </message>
    <message>
        <source>columns are numbered from 1</source>
        <translation>as colunas são numeradas a partir de 1</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a column number or name</source>
        <translation>a opção &apos;%1&apos; requer um número ou nome de coluna</translation>
    </message>
    <message>
        <source>not a column number; a column name needs --header</source>
        <translation>não é um número de coluna; um nome de coluna requer --header</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Tente &apos;%1 --help&apos; para mais informações.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>a opção &apos;%1&apos; requer um valor</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (use text, tsv or json)</source>
        <translation>formato desconhecido &apos;%1&apos; (use text, tsv ou json)</translation>
    </message>
    <message>
        <source>%1 takes no PATH</source>
        <translation>%1 não aceita PATH</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2</source>
        <translation>a opção &apos;%1&apos; requer %2</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 não aceita %2</translation>
    </message>
    <message>
        <source>it is a spreadsheet; choose a column of its first sheet with --field N, or --header and --field NAME (and --sheet for another sheet)</source>
        <translation>é uma planilha; escolha uma coluna da primeira folha com --field N, ou --header e --field NAME (e --sheet para outra folha)</translation>
    </message>
    <message>
        <source>a workbook of the old .xls form cannot be read; save it as .xlsx or .ods</source>
        <translation>uma pasta de trabalho no antigo formato .xls não pode ser lida; salve-a como .xlsx ou .ods</translation>
    </message>
    <message>
        <source>the workbook is protected by a password; save it without one</source>
        <translation>a pasta de trabalho é protegida por senha; salve-a sem senha</translation>
    </message>
    <message>
        <source>the spreadsheet has no sheet &apos;%1&apos;</source>
        <translation>a planilha não tem a folha &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: it lacks %1</source>
        <translation>a planilha está danificada: falta %1</translation>
    </message>
    <message>
        <source>a zip archive that holds no spreadsheet (.ods or .xlsx)</source>
        <translation>um arquivo zip que não contém planilha (.ods ou .xlsx)</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged or cut short</source>
        <translation>a planilha está danificada ou cortada</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: %1</source>
        <translation>a planilha está danificada: %1</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: sheets are numbered from 1</source>
        <translation>%1 &apos;%2&apos;: as folhas são numeradas a partir de 1</translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the fields it has are read</source>
        <translation>
            <numerusform>%1 campo, poucos para %2; os campos presentes são lidos</numerusform>
            <numerusform>%1 campos, poucos para %2; os campos presentes são lidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields</source>
        <translation>
            <numerusform>mais %1 registro com poucos campos</numerusform>
            <numerusform>mais %1 registros com poucos campos</numerusform>
        </translation>
    </message>
    <message>
        <source>a confidence level runs from 50 to 99.9 (percent)</source>
        <translation>um nível de confiança vai de 50 a 99.9 (por cento)</translation>
    </message>
    <message>
        <source>the share trimmed from each end is at least 0 and below 0.5</source>
        <translation>a parte cortada de cada extremo é de pelo menos 0 e menor que 0.5</translation>
    </message>
    <message>
        <source>percentiles run from 0 to 100</source>
        <translation>os percentis vão de 0 a 100</translation>
    </message>
    <message>
        <source>use one of %1, or a number from 1 to 9</source>
        <translation>use um de %1, ou um número de 1 a 9</translation>
    </message>
    <message>
        <source> (and %1)</source>
        <extracomment>%1 is the option to add, such as --delimiter &apos;,&apos;.</extracomment>
        <translation> (e %1)</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the encoding must be one of %3</source>
        <translation>%1 &apos;%2&apos;: a codificação deve ser uma de %3</translation>
    </message>
</context>
<context>
    <name>Analysis</name>
    <message>
        <source>You forgot to input numbers.</source>
        <translation>Você se esqueceu de inserir números.</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>Analyses a list of numbers as &quot;Start Analysis&quot; does in %1 and writes
the twelve results (with %2, further statistics after them).</source>
        <extracomment>%1 is the program&apos;s name, %2 an option. &quot;Start Analysis&quot; is the window&apos;s button. Wrap at 80 columns.</extracomment>
        <translation>Analisa uma lista de números como “Iniciar análise” faz no %1 e escreve
os doze resultados (com %2, também outras estatísticas depois deles).</translation>
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
        <translation>Cada %1 é lido como se fosse solto sobre a lista de números: um arquivo como
arquivo de lista (um número por linha, as demais linhas ignoradas), uma pasta
percorrida e seus arquivos lidos. “%2” é a entrada padrão, lida como um arquivo
de lista na sua posição entre os %1; sem nenhum %1, a entrada padrão é lida.
O que não puder ser lido (um arquivo, ou uma pasta da árvore de um %1 que não
possa ser listada) é informado na saída de erro padrão, uma linha para cada:
“%3: %1: motivo”; o resto é lido, e o status de saída é 1.</translation>
    </message>
    <message>
        <source>With %1, every file (and standard input) is read as a table instead:
the field of that column in each record is read as a line of a list file.
With any delimiter but the tab, fields may be quoted as in CSV (RFC 4180).
A record with too few fields is told, &apos;%2: %3: line N: ...&apos;,
and skipped. %1 cannot be given with %4.</source>
        <extracomment>%1 and %4 are options, %2 the program&apos;s name, %3 PATH; &quot;line N&quot; as the program&apos;s own message says it. Wrap at 80 columns.</extracomment>
        <translation>Com %1, cada arquivo (e a entrada padrão) é lido como uma tabela: o campo
daquela coluna em cada registro é lido como uma linha de um arquivo de lista.
Com qualquer delimitador exceto a tabulação, os campos podem estar entre aspas
como em CSV (RFC 4180). Um registro com poucos campos é informado,
“%2: %3: linha N: ...”, e ignorado.
%1 não pode ser usado com %4.</translation>
    </message>
    <message>
        <source>each line of %1 is one entry, verbatim, as if typed
(standard input when %1 is absent or &apos;%2&apos;); no %3s</source>
        <extracomment>Options&apos; descriptions start at column 21 (column 20 in the window&apos;s help); wrap them at 80 columns. %1 is FILE, %2 the name &apos;-&apos; for standard input, %3 PATH.</extracomment>
        <translation>cada linha de %1 é uma entrada, literal, como se digitada
(a entrada padrão quando %1 falta ou é “%2”); sem %3</translation>
    </message>
    <message>
        <source>read column %1 (from 1) of table files, or the column
whose header cell is %2 (needs %3)</source>
        <extracomment>%1 and %2 are the argument words N and NAME, %3 an option.</extracomment>
        <translation>lê a coluna %1 (a partir de 1) dos arquivos de tabela, ou
a coluna cuja célula de cabeçalho é %2 (requer %3)</translation>
    </message>
    <message>
        <source>the character between fields (default: tab; &apos;%1&apos; for a
tab); with %2</source>
        <extracomment>%1 is a backslash and the letter t (a tab), %2 an option.</extracomment>
        <translation>o caractere entre os campos (padrão: tabulação; “%1” para
uma tabulação); com %2</translation>
    </message>
    <message>
        <source>the first line names the columns and is skipped;
with %1</source>
        <translation>a primeira linha nomeia as colunas e é ignorada;
com %1</translation>
    </message>
    <message>
        <source>sample variance and deviations (the default)</source>
        <translation>variância e desvios da amostra (o padrão)</translation>
    </message>
    <message>
        <source>population variance and deviations</source>
        <translation>variância e desvios da população</translation>
    </message>
    <message>
        <source>decimal places, as typed in the window, at most 10
(default 3, and every digit in %1 and %2)</source>
        <extracomment>%1 and %2 are the formats tsv and json.</extracomment>
        <translation>casas decimais, como digitadas na janela, no máximo 10
(padrão 3, e todos os algarismos em %1 e %2)</translation>
    </message>
    <message>
        <source>show all decimals as the window does (a value its ten
decimals would show as 0 or with fewer than four
significant digits with 15); every digit in %1 and
%2 (%3 is ignored)</source>
        <extracomment>%1 and %2 are the formats tsv and json, %3 an option.</extracomment>
        <translation>mostra todas as casas decimais como a janela (um valor
que suas dez casas mostrariam como 0 ou com menos de
quatro algarismos significativos, com 15); todos os
algarismos em %1 e %2 (%3 é ignorado)</translation>
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
        <translation>%1: os resultados como a janela os mostra (o padrão);
%2: uma linha “chave&lt;TAB&gt;valor” por resultado;
%3: um objeto com os resultados;
%2 e %3 gravam “.” como separador decimal e
todos os algarismos de cada valor (o texto mais curto
que, lido de volta, dá o mesmo double), a menos que
%4 seja dado</translation>
    </message>
    <message>
        <source>the time taken to read and for each row, on standard error</source>
        <translation>o tempo gasto na leitura e em cada resultado, na saída de
erro padrão</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostra esta ajuda e sai</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostra a versão e sai</translation>
    </message>
    <message>
        <source>end of the options: every argument after it is a %1</source>
        <extracomment>%1 is PATH.</extracomment>
        <translation>fim das opções: todo argumento depois dele é um %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>%1 and %2 are accepted
too. The keys of %3 and %4: %5, and with %6 %7 (the last two not with %8);
see %9.</source>
        <extracomment>%1 and %2 are options, %3 and %4 format names, %6 and %8 options, %9 the manual page. %5 and %7 are the lists of keys, three lines each as in English: start a line before them when they do not fit. Wrap at 80 columns.</extracomment>
        <translation>%1 e %2 são aceitos
também. As chaves de %3 e %4: %5, e com %6 %7 (as duas últimas não com %8);
veja %9.</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Status de saída:</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>An exit status&apos;s description: it starts at column 6; wrap at 80 columns.</extracomment>
        <translation>concluído</translation>
    </message>
    <message>
        <source>no numbers, a path that could not be read, or the output failed
(also a quoted field left open at the end of a table, and with %1
a record with too few fields; the results are still written);
out of memory (&apos;%2: %3&apos;, and no results)</source>
        <extracomment>Starts at column 6; wrap at 80 columns. %1 is an option, %2 the program&apos;s name, %3 its message when out of memory.</extracomment>
        <translation>sem números, um caminho que não pôde ser lido, ou a saída falhou
(também um campo entre aspas deixado aberto no fim de uma tabela, e com
%1 um registro com poucos campos; os resultados ainda são gravados);
memória insuficiente (“%2: %3”,
e nenhum resultado)</translation>
    </message>
    <message>
        <source>usage error</source>
        <translation>erro de uso</translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation>Uma calculadora de estatística descritiva para desktop.</translation>
    </message>
    <message>
        <source>Each %1 is read when the window has opened, in order, exactly as if it had been
dropped on the number list: a file as a list file (one number per line), a folder
with every list file in it and in its sub-folders.</source>
        <extracomment>%1 is PATH, as in the usage line. Wrap the lines at 80 columns.</extracomment>
        <translation>Cada %1 é lido quando a janela é aberta, em ordem, exatamente como se tivesse
sido solto sobre a lista de números: um arquivo como arquivo de lista (um número
por linha), uma pasta com todos os arquivos de lista nela e em suas subpastas.</translation>
    </message>
    <message>
        <source>end of the options: every later argument is a %1</source>
        <extracomment>Starts at column 20 as the other options&apos; descriptions do; wrap at 80 columns. %1 is PATH.</extracomment>
        <translation>fim das opções: todo argumento seguinte é um %1</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as %1 or %2, are taken as well.
The method and decimal options are kept in %3
(%4 by default). See %5 and
%6 for the analysis without a window.</source>
        <extracomment>%1 and %2 are Qt&apos;s options, %3 and %4 the settings file, %5 and %6 the manual pages. Wrap the lines at 80 columns.</extracomment>
        <translation>As opções do próprio Qt, como %1 ou %2, também são aceitas.
O método e as casas decimais são guardados em
%3 (%4 por padrão).
Veja %5 e %6 para a análise sem janela.</translation>
    </message>
    <message>
        <source>With several columns (%1 with commas, %2) or with %3,
each column and group is analysed on its own: text writes a block for each,
headed by its name (&apos;weight&apos;, &apos;field 2&apos;, &apos;weight: A&apos;), tsv a line per key with
a value for each, json an array of objects {&quot;column&quot;, &quot;group&quot;, keys...}. One
of no numbers says so in its place, and the exit status is 1.</source>
        <extracomment>%1 to %3 are options. Wrap at 80 columns.</extracomment>
        <translation>Com várias colunas (%1 com vírgulas, %2) ou com %3,
cada coluna e grupo é analisado à parte: text escreve um bloco para cada um,
com o seu nome (“weight”, “campo 2”, “weight: A”), tsv uma linha por chave com
um valor para cada um, json um array de objetos {&quot;column&quot;, &quot;group&quot;, chaves...}.
Um sem números diz isso no seu lugar, e o status de saída é 1.</translation>
    </message>
    <message>
        <source>several columns, each analysed on its own
(%1 or %2, or the option given again);
a comma and a space belong to a name</source>
        <extracomment>%1 and %2 are examples of the option&apos;s value, kept as they are.</extracomment>
        <translation>várias colunas, cada uma analisada à parte
(%1 ou %2, ou a opção repetida);
uma vírgula seguida de espaço faz parte de um nome</translation>
    </message>
    <message>
        <source>every column that holds a number, each on its own
(but the column of %1)</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>cada coluna que contém um número, cada uma à parte
(exceto a coluna de %1)</translation>
    </message>
    <message>
        <source>analyse each column&apos;s records by groups: one group
per text of column %1 (a number, or a name with %2),
in the order first met; with %3 or %4</source>
        <extracomment>%1 is the argument word COL, %2 to %4 options.</extracomment>
        <translation>analisar os registros de cada coluna por grupos: um
grupo por texto da coluna %1 (um número, ou um nome
com %2), na ordem em que aparecem; com %3
ou %4</translation>
    </message>
    <message>
        <source>the sheet of spreadsheets (.ods, .xlsx) to read: its
number %1 from 1 or its name (default: the first);
with %2</source>
        <extracomment>%1 is the argument word N, %2 an option.</extracomment>
        <translation>a folha das planilhas (.ods, .xlsx) a ler: seu
número %1 a partir de 1 ou seu nome (padrão: a
primeira); com %2</translation>
    </message>
    <message>
        <source>with %1: exit status 1 when a record had too few
fields for a column (or for that of %2); with
several columns, such records are told only then,
and the fields they have are read</source>
        <extracomment>%1 and %2 are options.</extracomment>
        <translation>com %1: status de saída 1 quando um registro tinha
poucos campos para uma coluna (ou para a de %2); com
várias colunas, esses registros só são informados
então, e os campos que têm são lidos</translation>
    </message>
    <message>
        <source>after the twelve rows: the minimum, maximum, range,
quartiles, interquartile range, kurtosis, standard
error of the mean and (sample only) the mean&apos;s 95 %
confidence interval, rounded as the mean is; then the
geometric, harmonic and trimmed mean, the median
absolute deviation (raw and times 1.4826) and the
median&apos;s confidence interval with its actual coverage</source>
        <translation>após as doze linhas: o mínimo, o máximo, a amplitude,
os quartis, a amplitude interquartil, a curtose, o
erro padrão da média e (só em amostras) o intervalo
de confiança de 95% da média, arredondados como a
média; depois as médias geométrica, harmônica e
aparada, o desvio absoluto mediano (bruto e vezes
1,4826) e o intervalo de confiança da mediana com sua
cobertura real</translation>
    </message>
    <message>
        <source>the level of both confidence intervals, in percent,
from 50 to 99.9 (default 95); with %1</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>o nível dos dois intervalos de confiança, em
porcentagem, de 50 a 99.9 (padrão 95); com %1</translation>
    </message>
    <message>
        <source>the share the trimmed mean cuts from each end, at
least 0 and below 0.5 (default 0.05); with %1</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>a parte que a média aparada corta de cada ponta, no
mínimo 0 e abaixo de 0.5 (padrão 0.05); com %1</translation>
    </message>
    <message>
        <source>a row for each percentile from 0 to 100 (%1, or
%2), by the method of %3</source>
        <extracomment>%1 and %2 are examples of the option&apos;s value, kept as they are; %3 an option.</extracomment>
        <translation>uma linha para cada percentil de 0 a 100 (%1, ou
%2), pelo método de %3</translation>
    </message>
    <message>
        <source>how percentiles and quartiles are placed: R&apos;s type
1 to 9, or its name (%1, the default, is type 7;
%2 is type 6); a row names the method</source>
        <extracomment>%1 and %2 are method names, kept as they are.</extracomment>
        <translation>como percentis e quartis são posicionados: o tipo
1 a 9 do R, ou seu nome (%1, o padrão, é o tipo 7;
%2 é o tipo 6); uma linha indica o método</translation>
    </message>
    <message>
        <source>Shapiro-Wilk&apos;s W (3 to 5000 numbers) and D&apos;Agostino
and Pearson&apos;s K², each with its p-value and a plain
reading at the 5 % level</source>
        <translation>o W de Shapiro-Wilk (3 a 5000 números) e o K² de
D&apos;Agostino e Pearson, cada um com seu valor-p e uma
leitura simples ao nível de 5 %</translation>
    </message>
    <message>
        <source>after the rows, how many numbers there are of each
value (up to 50 values) or in each bin of a
histogram, in percent and cumulated</source>
        <translation>após as linhas, quantos números há de cada valor
(até 50 valores) ou em cada classe de um histograma,
em porcentagem e acumulados</translation>
    </message>
    <message>
        <source>After them, with %1: %2;
with %3: %4;
with %5: %6;
with %7: %8.
At a level other than 95 %, ci95_low and ci95_high are ciLEVEL_low and
ciLEVEL_high.</source>
        <extracomment>%1, %3, %5 and %7 are options, %2, %4, %6 and %8 lists of keys (LEVEL and P stand for the figures given, as in ci90_low and p97.5). Wrap at 80 columns.</extracomment>
        <translation>Depois deles, com %1: %2;
com %3: %4;
com %5: %6;
com %7: %8.
Num nível diferente de 95%, ci95_low e ci95_high passam a ciLEVEL_low e
ciLEVEL_high.</translation>
    </message>
    <message>
        <source>the encoding of delimited text: %1,
%2 or %3
(default: each file&apos;s by its first bytes, as the
window&apos;s table dialog chooses it); with %4</source>
        <extracomment>%1 to %3 are the encodings&apos; names, %4 an option.</extracomment>
        <translation>a codificação do texto delimitado: %1,
%2 ou %3
(padrão: a de cada arquivo pelos primeiros bytes, como
a escolhe o diálogo de tabelas); com %4</translation>
    </message>
</context>
<context>
    <name>ComparePicture</name>
    <message>
        <source>no numbers</source>
        <translation>sem números</translation>
    </message>
    <message>
        <source>No list has numbers.</source>
        <translation>Nenhuma lista tem números.</translation>
    </message>
    <message>
        <source>Box plots on one axis.</source>
        <translation>Diagramas de caixa em um mesmo eixo.</translation>
    </message>
    <message>
        <source>Histograms and box plots over one span.</source>
        <translation>Histogramas e diagramas de caixa sobre um mesmo intervalo.</translation>
    </message>
    <message>
        <source>%1: no numbers.</source>
        <translation>%1: sem números.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, first quartile %4, median %5, third quartile %6.</source>
        <translation>%1: de %2 a %3, primeiro quartil %4, mediana %5, terceiro quartil %6.</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparação</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Box plots</source>
        <translation>Diagramas de caixa</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Coluna %1</translation>
    </message>
    <message>
        <source>Compare — Tallowmere</source>
        <translation>Comparar — Tallowmere</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Arquivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Pasta de trabalho do Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>The number list is busy. Send the numbers again when the work in hand has finished.</source>
        <translation>A lista de números está ocupada. Envie os números novamente quando o trabalho em andamento terminar.</translation>
    </message>
</context>
<context>
    <name>CompareWorkbook</name>
    <message>
        <source>the workbook could not be made</source>
        <translation>não foi possível criar a pasta de trabalho</translation>
    </message>
    <message>
        <source>this build cannot write workbook files</source>
        <translation>esta compilação não pode gravar arquivos de pasta de trabalho</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Application Error</source>
        <translation>Erro do aplicativo</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.ods *.xlsx)</source>
        <translation>Tabelas (*.csv *.tsv *.ods *.xlsx)</translation>
    </message>
</context>
<context>
    <name>DistributionLink</name>
    <message>
        <source>No analysis has been run yet. Run one now and show the distribution of its numbers?</source>
        <translation>Nenhuma análise foi feita ainda. Fazer uma agora e mostrar a distribuição dos seus números?</translation>
    </message>
</context>
<context>
    <name>DistributionPicture</name>
    <message>
        <source>No numbers analysed yet.</source>
        <translation>Nenhum número analisado ainda.</translation>
    </message>
    <message>
        <source>%1 beyond</source>
        <translation>%1 além</translation>
    </message>
    <message>
        <source>Numbers per bin (%1 bins)</source>
        <translation>Números por classe (%1 classes)</translation>
    </message>
    <message>
        <source>Normal curve</source>
        <translation>Curva normal</translation>
    </message>
    <message>
        <source>Mean %1</source>
        <translation>Média %1</translation>
    </message>
    <message>
        <source>Median %1</source>
        <translation>Mediana %1</translation>
    </message>
    <message numerus="yes">
        <source>Histogram and box plot of %1 numbers from %2 to %3; first quartile %4, median %5, third quartile %6.</source>
        <translation>
            <numerusform>Histograma e diagrama de caixa de %1 número de %2 a %3; primeiro quartil %4, mediana %5, terceiro quartil %6.</numerusform>
            <numerusform>Histograma e diagrama de caixa de %1 números de %2 a %3; primeiro quartil %4, mediana %5, terceiro quartil %6.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %1 values lie beyond the whiskers.</source>
        <translation>
            <numerusform> %1 valor está além dos bigodes.</numerusform>
            <numerusform> %1 valores estão além dos bigodes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Distribuição</translation>
    </message>
    <message>
        <source>the drawing failed</source>
        <translation>o desenho falhou</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>não foi possível codificar a imagem</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Contagem</translation>
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
            <numerusform> %1 classe: </numerusform>
            <numerusform> %1 classes: </numerusform>
        </translation>
    </message>
    <message>
        <source>the fullest %1.</source>
        <translation>a mais cheia, %1.</translation>
    </message>
    <message>
        <source> The histogram leaves them out.</source>
        <translation> O histograma os deixa de fora.</translation>
    </message>
</context>
<context>
    <name>DistributionRows</name>
    <message>
        <source>%1st percentile</source>
        <translation>%1º percentil</translation>
    </message>
    <message>
        <source>%1nd percentile</source>
        <translation>%1º percentil</translation>
    </message>
    <message>
        <source>%1rd percentile</source>
        <translation>%1º percentil</translation>
    </message>
    <message>
        <source>%1th percentile</source>
        <translation>%1º percentil</translation>
    </message>
    <message>
        <source>%1 % confidence interval, low</source>
        <translation>Intervalo de confiança de %1%, limite inferior</translation>
    </message>
    <message>
        <source>%1 % confidence interval, high</source>
        <translation>Intervalo de confiança de %1%, limite superior</translation>
    </message>
    <message>
        <source>Geometric mean</source>
        <translation>Média geométrica</translation>
    </message>
    <message>
        <source>Harmonic mean</source>
        <translation>Média harmônica</translation>
    </message>
    <message>
        <source>%1 % trimmed mean</source>
        <translation>Média aparada a %1%</translation>
    </message>
    <message>
        <source>Median absolute deviation</source>
        <translation>Desvio absoluto mediano</translation>
    </message>
    <message>
        <source>Scaled median absolute deviation</source>
        <translation>Desvio absoluto mediano escalado</translation>
    </message>
    <message>
        <source>Median&apos;s %1 % confidence interval, low</source>
        <translation>Intervalo de confiança de %1% da mediana, limite inferior</translation>
    </message>
    <message>
        <source>Median&apos;s %1 % confidence interval, high</source>
        <translation>Intervalo de confiança de %1% da mediana, limite superior</translation>
    </message>
    <message>
        <source>Median interval&apos;s actual coverage</source>
        <translation>Cobertura real do intervalo da mediana</translation>
    </message>
    <message>
        <source>Quantile method</source>
        <translation>Método de quantis</translation>
    </message>
</context>
<context>
    <name>DistributionSheet</name>
    <message numerus="yes">
        <source>Distribution of %1 numbers</source>
        <translation>
            <numerusform>Distribuição de %1 número</numerusform>
            <numerusform>Distribuição de %1 números</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DistributionSource</name>
    <message>
        <source>Count</source>
        <translation>Contagem</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Desvio padrão</translation>
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
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>First quartile</source>
        <translation>Primeiro quartil</translation>
    </message>
    <message>
        <source>Third quartile</source>
        <translation>Terceiro quartil</translation>
    </message>
    <message>
        <source>Interquartile range</source>
        <translation>Amplitude interquartil</translation>
    </message>
    <message>
        <source>Kurtosis</source>
        <translation>Curtose</translation>
    </message>
    <message>
        <source>Standard error of the mean</source>
        <translation>Erro padrão da média</translation>
    </message>
    <message>
        <source>95 % confidence interval, low</source>
        <translation>Intervalo de confiança de 95%, limite inferior</translation>
    </message>
    <message>
        <source>95 % confidence interval, high</source>
        <translation>Intervalo de confiança de 95%, limite superior</translation>
    </message>
</context>
<context>
    <name>DistributionWindow</name>
    <message>
        <source>Distribution picture</source>
        <translation>Imagem da distribuição</translation>
    </message>
    <message>
        <source>Distribution — Tallowmere</source>
        <translation>Distribuição — Tallowmere</translation>
    </message>
    <message>
        <source>The number list has changed since this analysis. Press Start Analysis to show it as it is now.</source>
        <translation>A lista de números mudou desde esta análise. Pressione Iniciar análise para mostrá-la como está agora.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagem SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>DropFiles</name>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>DropProgress</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 arquivo</numerusform>
            <numerusform>%1 arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Collecting folders: %1</source>
        <translation>Coletando pastas: %1</translation>
    </message>
    <message>
        <source>Collecting files: %1</source>
        <translation>Coletando arquivos: %1</translation>
    </message>
    <message>
        <source>Reading files: %1 of %2</source>
        <translation>Lendo arquivos: %1 de %2</translation>
    </message>
    <message>
        <source>Reading the text: %1%</source>
        <translation>Lendo o texto: %1%</translation>
    </message>
    <message>
        <source>%1 — Esc to stop</source>
        <translation>%1 — Esc para parar</translation>
    </message>
    <message>
        <source>part-way through file %1 of %2</source>
        <translation>no meio do arquivo %1 de %2</translation>
    </message>
    <message>
        <source>after %1 of %2</source>
        <translation>após %1 de %2</translation>
    </message>
    <message>
        <source>Loading was stopped %1.</source>
        <translation>O carregamento foi interrompido %1.</translation>
    </message>
    <message>
        <source>The drop was stopped %1.</source>
        <translation>O arrastar e soltar foi interrompido %1.</translation>
    </message>
    <message>
        <source>no files were read</source>
        <translation>nenhum arquivo foi lido</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were read</source>
        <translation>
            <numerusform>%1 arquivo foi lido</numerusform>
            <numerusform>%1 arquivos foram lidos</numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped while collecting folders; %1.</source>
        <translation>O arrastar e soltar foi interrompido durante a coleta de pastas; %1.</translation>
    </message>
    <message>
        <source>The drop was stopped while collecting files; %1.</source>
        <translation>O arrastar e soltar foi interrompido durante a coleta de arquivos; %1.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envie uma captura de tela desta mensagem por e-mail para </translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Results have been copied to the clipboard.<byte value="xd"/><byte value="xd"/>Click a text area where you normally type and press Ctrl+V to paste the clipboard.</source>
        <translation>Os resultados foram copiados para a área de transferência.<byte value="xd"/><byte value="xd"/>Clique em uma área de texto onde você normalmente digita e pressione Ctrl+V para colar o conteúdo da área de transferência.</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this software without error.</source>
        <translation>O Excel não está instalado neste computador. Você precisa instalá-lo para usar este programa sem erros.</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this feature.</source>
        <translation>O Excel não está instalado neste computador. Você precisa instalá-lo para usar este recurso.</translation>
    </message>
    <message>
        <source>No result lines are ticked. Tick the lines to export, or press Ctrl+A in the results list to tick them all.</source>
        <translation>Nenhuma linha de resultado está marcada. Marque as linhas a exportar ou pressione Ctrl+A na lista de resultados para marcar todas.</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>The file changed while it was read</source>
        <translation>O arquivo foi alterado enquanto era lido</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Paste Numbers</source>
        <translation>Colar números</translation>
    </message>
    <message>
        <source>1 folder could not be read and was left out: %1 (%2).</source>
        <translation>1 pasta não pôde ser lida e foi ignorada: %1 (%2).</translation>
    </message>
    <message>
        <source>The clipboard could not be read: the program that holds it did not answer.</source>
        <translation>Não foi possível ler a área de transferência: o programa que a detém não respondeu.</translation>
    </message>
    <message>
        <source>Number list</source>
        <translation>Lista de números</translation>
    </message>
    <message>
        <source>Add Number / Numbers</source>
        <translation>Adicionar número(s)</translation>
    </message>
    <message>
        <source>Load Numbers From File</source>
        <translation>Carregar de arquivo</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Limpar lista</translation>
    </message>
    <message>
        <source>Clear number list</source>
        <translation>Limpar a lista de números</translation>
    </message>
    <message>
        <source>Load Sample/Example Numbers</source>
        <translation>Carregar números de exemplo</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Amostra</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>População</translation>
    </message>
    <message>
        <source>Decimal Options</source>
        <translation>Opções de decimais</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>Decimais:</translation>
    </message>
    <message>
        <source>Decimal places</source>
        <translation>Casas decimais</translation>
    </message>
    <message>
        <source>Decimals shown in the results: pick 1 to 10, step with Up and Down, or type a number.</source>
        <translation>Casas decimais mostradas nos resultados: escolha de 1 a 10, ajuste com as setas para cima e para baixo ou digite um número.</translation>
    </message>
    <message>
        <source>Show all decimals</source>
        <translation>Sem arredondar</translation>
    </message>
    <message>
        <source>Start Analysis</source>
        <translation>Iniciar análise</translation>
    </message>
    <message>
        <source>Results list</source>
        <translation>Lista de resultados</translation>
    </message>
    <message>
        <source>Save Results As Text File</source>
        <translation>Salvar resultados em texto</translation>
    </message>
    <message>
        <source>Save Results As Excel File</source>
        <translation>Salvar resultados em Excel</translation>
    </message>
    <message>
        <source>Copy Results To Clipboard</source>
        <translation>Copiar resultados</translation>
    </message>
    <message>
        <source>Clear results list</source>
        <translation>Limpar a lista de resultados</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Arraste e solte arquivos aqui. Clique duas vezes em um item para removê-lo. Mova a linha | para a direita e para fora da janela para ver os nomes completos.</translation>
    </message>
    <message>
        <source>Tick the results to save or copy: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Move | line to right to read long lines. “Show Distribution…” in the context menu, or Ctrl+D, pictures the numbers.</source>
        <translation>Marque os resultados a salvar ou copiar: Espaço marca a linha atual, Ctrl+A marca todas, Ctrl+Shift+A nenhuma. Mova a linha | para a direita para ler linhas longas. “Mostrar distribuição…” no menu de contexto, ou Ctrl+D, mostra os números em uma imagem.</translation>
    </message>
    <message>
        <source>The numbers to analyse. Delete or a double-click removes the selected number; files dropped here add theirs, and so does text dropped or pasted (Ctrl+V).</source>
        <translation>Os números a analisar. Delete ou um clique duplo remove o número selecionado; arquivos soltos aqui adicionam os seus números, assim como texto solto ou colado (Ctrl+V).</translation>
    </message>
    <message numerus="yes">
        <source>Restore the %1 numbers from last time</source>
        <translation>
            <numerusform>Restaurar o %1 número da última vez</numerusform>
            <numerusform>Restaurar os %1 números da última vez</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %1 numbers from last time were not kept: the list was over 100 MB</source>
        <translation>
            <numerusform>O %1 número da última vez não foi guardado: a lista passava de 100 MB</numerusform>
            <numerusform>Os %1 números da última vez não foram guardados: a lista passava de 100 MB</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Table…</source>
        <translation>Abrir tabela…</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation>o campo entre aspas iniciado aqui não é fechado antes do fim do arquivo; ele é ignorado</translation>
    </message>
    <message>
        <source>the dropped table</source>
        <translation>Tabela solta</translation>
    </message>
    <message>
        <source>the pasted table</source>
        <translation>Tabela colada</translation>
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
        <translation>Contagem</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentagem</translation>
    </message>
    <message>
        <source>Cumulative count</source>
        <translation>Contagem acumulada</translation>
    </message>
    <message>
        <source>Cumulative percent</source>
        <translation>Porcentagem acumulada</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Frequencies:</source>
        <translation>Frequências:</translation>
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
        <translation>Até</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcuts</name>
    <message>
        <source>Main window</source>
        <translation>Janela principal</translation>
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
        <translation>Janela de distribuição</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Open the manual</source>
        <translation>Abrir o manual</translation>
    </message>
    <message>
        <source>Save Numbers…</source>
        <translation>Salvar números…</translation>
    </message>
    <message>
        <source>Show Distribution…</source>
        <translation>Mostrar distribuição…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Open the menu or press the button with that letter</source>
        <translation>Abrir o menu ou pressionar o botão com essa letra</translation>
    </message>
    <message>
        <source>Move to the next or the previous control</source>
        <translation>Ir para o controle seguinte ou anterior</translation>
    </message>
    <message>
        <source>Press the focused button</source>
        <translation>Pressionar o botão em foco</translation>
    </message>
    <message>
        <source>Stop reading dropped, loaded or pasted files</source>
        <translation>Parar a leitura de arquivos soltos, carregados ou colados</translation>
    </message>
    <message>
        <source>Paste Numbers</source>
        <translation>Colar números</translation>
    </message>
    <message>
        <source>Copy Numbers: the selected entries, or all</source>
        <translation>Copiar números: as entradas selecionadas ou todas</translation>
    </message>
    <message>
        <source>Remove the selected entry</source>
        <translation>Remover a entrada selecionada</translation>
    </message>
    <message>
        <source>Undo the last change of the list</source>
        <translation>Desfazer a última alteração da lista</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Open the context menu</source>
        <translation>Abrir o menu de contexto</translation>
    </message>
    <message>
        <source>Tick or untick the current row</source>
        <translation>Marcar ou desmarcar a linha atual</translation>
    </message>
    <message>
        <source>Tick every row</source>
        <translation>Marcar todas as linhas</translation>
    </message>
    <message>
        <source>Untick every row</source>
        <translation>Desmarcar todas as linhas</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Salvar imagem…</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Fechar a janela</translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation>Localizar no manual</translation>
    </message>
    <message>
        <source>Find the next match</source>
        <translation>Localizar a próxima ocorrência</translation>
    </message>
    <message>
        <source>Find the previous match</source>
        <translation>Localizar a ocorrência anterior</translation>
    </message>
    <message>
        <source>Back and Forward</source>
        <translation>Voltar e avançar</translation>
    </message>
    <message>
        <source>Close the manual</source>
        <translation>Fechar o manual</translation>
    </message>
    <message>
        <source>underlined letter</source>
        <translation>letra sublinhada</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Onde</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>O que faz</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts — Tallowmere</source>
        <translation>Atalhos de teclado — Tallowmere</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>Add Numbers</source>
        <translation>Adicionar números</translation>
    </message>
    <message>
        <source>Load Numbers</source>
        <translation>Carregar números</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Sample Numbers</source>
        <translation>Números de exemplo</translation>
    </message>
    <message>
        <source>Move Entry</source>
        <translation>Mover entrada</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>Remover entrada</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Limpar lista</translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation>Remover entradas que não são números</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Restore Numbers</source>
        <translation>Restaurar números</translation>
    </message>
    <message>
        <source>Open Table</source>
        <translation>Abrir tabela</translation>
    </message>
    <message>
        <source>Send to Number List</source>
        <translation>Enviar para a lista de números</translation>
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
        <translation>Carregar lista(s) - Segure Ctrl para selecionar vários arquivos de lista</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Load Numbers From File</source>
        <translation>&amp;Carregar de arquivo</translation>
    </message>
    <message>
        <source>Save &amp;Numbers…</source>
        <translation>Salvar &amp;números…</translation>
    </message>
    <message>
        <source>Save Results As &amp;Text File</source>
        <translation>Salvar resultados em &amp;texto</translation>
    </message>
    <message>
        <source>Save Results As &amp;Excel File</source>
        <translation>Salvar resultados em &amp;Excel</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Paste Numbers</source>
        <translation>&amp;Colar números</translation>
    </message>
    <message>
        <source>C&amp;opy Numbers</source>
        <translation>Co&amp;piar números</translation>
    </message>
    <message>
        <source>Copy Results To &amp;Clipboard</source>
        <translation>Copiar res&amp;ultados</translation>
    </message>
    <message>
        <source>Copy as T&amp;able</source>
        <translation>Copiar como t&amp;abela</translation>
    </message>
    <message>
        <source>Remove Entries That Are &amp;Not Numbers</source>
        <translation>Remover entradas que &amp;não são números</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>&amp;Limpar lista</translation>
    </message>
    <message>
        <source>Clear Re&amp;sults</source>
        <translation>Limpar re&amp;sultados</translation>
    </message>
    <message>
        <source>Res&amp;tore Numbers From Last Time</source>
        <translation>Res&amp;taurar números da última vez</translation>
    </message>
    <message>
        <source>&amp;Start Analysis</source>
        <translation>&amp;Iniciar análise</translation>
    </message>
    <message>
        <source>Sa&amp;mple</source>
        <translation>&amp;Amostra</translation>
    </message>
    <message>
        <source>&amp;Population</source>
        <translation>&amp;População</translation>
    </message>
    <message>
        <source>Show all de&amp;cimals</source>
        <translation>&amp;Sem arredondar</translation>
    </message>
    <message>
        <source>Show &amp;Distribution…</source>
        <translation>Mostrar &amp;distribuição…</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Atalhos de teclado</translation>
    </message>
    <message>
        <source>&amp;About Tallowmere</source>
        <translation>&amp;Sobre o Tallowmere</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>A&amp;nálise</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>The window</source>
        <translation>A janela</translation>
    </message>
    <message>
        <source>Tallowmere collects numbers in a list and computes twelve descriptive statistics of them: the number of entries, the sum, the sum squared, the sum of squares, the mode, the median, the mean, the variance, the skew, the average deviation, the standard deviation and the coefficient of variation.</source>
        <translation>O Tallowmere reúne números em uma lista e calcula doze estatísticas descritivas sobre eles: o número de entradas, a soma, a soma ao quadrado, a soma dos quadrados, a moda, a mediana, a média, a variância, a assimetria, o desvio médio, o desvio padrão e o coeficiente de variação.</translation>
    </message>
    <message>
        <source>The window after Load Sample/Example Numbers and Start Analysis</source>
        <translation>A janela após Carregar números de exemplo e Iniciar análise</translation>
    </message>
    <message>
        <source>The number list is at the top, the results list below it. From top to bottom:</source>
        <translation>A lista de números fica no topo e a lista de resultados abaixo dela. De cima para baixo:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Number / Numbers&lt;/b&gt; asks for one number or a series separated by commas.</source>
        <translation>&lt;b&gt;Adicionar número(s)&lt;/b&gt; pede um número ou uma série separada por vírgulas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Numbers From File&lt;/b&gt; reads one or several list files.</source>
        <translation>&lt;b&gt;Carregar de arquivo&lt;/b&gt; lê um ou vários arquivos de lista.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear List&lt;/b&gt; beside it empties the number list.</source>
        <translation>&lt;b&gt;Limpar lista&lt;/b&gt;, ao lado, esvazia a lista de números.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed sample series.</source>
        <translation>&lt;b&gt;Carregar números de exemplo&lt;/b&gt; adiciona uma série de exemplo fixa.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sample&lt;/b&gt; and &lt;b&gt;Population&lt;/b&gt; choose how the variance is computed.</source>
        <translation>&lt;b&gt;Amostra&lt;/b&gt; e &lt;b&gt;População&lt;/b&gt; escolhem como a variância é calculada.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Decimal places&lt;/b&gt; and &lt;b&gt;Show all decimals&lt;/b&gt; choose how the last six results are rounded.</source>
        <translation>&lt;b&gt;Decimais&lt;/b&gt; e &lt;b&gt;Sem arredondar&lt;/b&gt; escolhem como os seis últimos resultados são arredondados.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; fills the results list.</source>
        <translation>&lt;b&gt;Iniciar análise&lt;/b&gt; preenche a lista de resultados.</translation>
    </message>
    <message>
        <source>The four buttons at the bottom export the ticked results, and the last &lt;b&gt;Clear List&lt;/b&gt; empties the results list.</source>
        <translation>Os quatro botões na parte inferior exportam os resultados marcados, e o último, &lt;b&gt;Limpar lista&lt;/b&gt;, esvazia a lista de resultados.</translation>
    </message>
    <message>
        <source>Filling the number list</source>
        <translation>Preenchendo a lista de números</translation>
    </message>
    <message>
        <source>Typing: press &lt;b&gt;Add Number / Numbers&lt;/b&gt; and type a number, or several separated by commas.</source>
        <translation>Digitação: pressione &lt;b&gt;Adicionar número(s)&lt;/b&gt; e digite um número, ou vários separados por vírgulas.</translation>
    </message>
    <message>
        <source>Files: &lt;b&gt;Load Numbers From File&lt;/b&gt; reads list files, plain text with one number per line; lines that are not numbers are skipped.</source>
        <translation>Arquivos: &lt;b&gt;Carregar de arquivo&lt;/b&gt; lê arquivos de lista, texto simples com um número por linha; as linhas que não são números são ignoradas.</translation>
    </message>
    <message>
        <source>Drops: drop list files, or folders whose list files are all read, on the number list. Esc stops a long drop.</source>
        <translation>Arrastar e soltar: solte sobre a lista de números arquivos de lista, ou pastas cujos arquivos de lista são todos lidos. Esc interrompe uma operação demorada.</translation>
    </message>
    <message>
        <source>Paste: Ctrl+V, Shift+Insert or &lt;b&gt;Paste Numbers&lt;/b&gt; add the numbers of the clipboard, such as a column or a block of cells copied from a spreadsheet.</source>
        <translation>Colar: Ctrl+V, Shift+Insert ou &lt;b&gt;Colar números&lt;/b&gt; adicionam os números da área de transferência, como uma coluna ou um bloco de células copiado de uma planilha.</translation>
    </message>
    <message>
        <source>Sample: &lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed series to try the program with.</source>
        <translation>Exemplo: &lt;b&gt;Carregar números de exemplo&lt;/b&gt; adiciona uma série fixa para experimentar o programa.</translation>
    </message>
    <message>
        <source>A number is written with the decimal and grouping separators of your regional format, or as a plain number with a point, which every format reads.</source>
        <translation>Um número é escrito com os separadores decimal e de milhares do seu formato regional, ou como um número simples com ponto, que todos os formatos leem.</translation>
    </message>
    <message>
        <source>After each addition a short notice over the bottom of the list says how many numbers were added and how many lines were not numbers.</source>
        <translation>Após cada adição, um breve aviso sobre a parte inferior da lista informa quantos números foram adicionados e quantas linhas não eram números.</translation>
    </message>
    <message>
        <source>Double-click an entry to remove it, or select it and press Delete; drag an entry onto another to swap them. Ctrl+Z undoes the last change of the list and Ctrl+Shift+Z or Ctrl+Y does it again; the last 100 changes can be undone.</source>
        <translation>Clique duas vezes em uma entrada para removê-la, ou selecione-a e pressione Delete; arraste uma entrada sobre outra para trocá-las de lugar. Ctrl+Z desfaz a última alteração da lista e Ctrl+Shift+Z ou Ctrl+Y a refaz; as últimas 100 alterações podem ser desfeitas.</translation>
    </message>
    <message>
        <source>The analysis and its options</source>
        <translation>A análise e suas opções</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; computes the twelve results of the numbers in the list.</source>
        <translation>&lt;b&gt;Iniciar análise&lt;/b&gt; calcula os doze resultados dos números da lista.</translation>
    </message>
    <message>
        <source>With &lt;b&gt;Sample&lt;/b&gt; the variance is the sum of the squared deviations from the mean divided by the count less one; with &lt;b&gt;Population&lt;/b&gt; it is divided by the count. The standard deviation, the skew and the coefficient of variation follow it.</source>
        <translation>Com &lt;b&gt;Amostra&lt;/b&gt;, a variância é a soma dos quadrados dos desvios em relação à média dividida pela contagem menos um; com &lt;b&gt;População&lt;/b&gt;, ela é dividida pela contagem. O desvio padrão, a assimetria e o coeficiente de variação decorrem dela.</translation>
    </message>
    <message>
        <source>The last six results are rounded to 1 to 10 decimal places, or shown with all ten decimals; a value those would show as 0 or with fewer than four significant digits is shown with 15 significant digits instead.</source>
        <translation>Os seis últimos resultados são arredondados para 1 a 10 casas decimais, ou mostrados com todas as dez casas; um valor que assim apareceria como 0 ou com menos de quatro algarismos significativos é mostrado com 15 algarismos significativos.</translation>
    </message>
    <message>
        <source>The options are remembered from one start to the next.</source>
        <translation>As opções são lembradas de uma execução para a outra.</translation>
    </message>
    <message>
        <source>Exporting the results</source>
        <translation>Exportando os resultados</translation>
    </message>
    <message>
        <source>Tick the results to export: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Then:</source>
        <translation>Marque os resultados a exportar: Espaço marca a linha atual, Ctrl+A marca todas, Ctrl+Shift+A nenhuma. Em seguida:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Text File&lt;/b&gt; writes them in padded columns.</source>
        <translation>&lt;b&gt;Salvar resultados em texto&lt;/b&gt; grava-os em um arquivo de texto, em colunas alinhadas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy Results To Clipboard&lt;/b&gt; copies them as text.</source>
        <translation>&lt;b&gt;Copiar resultados&lt;/b&gt; copia-os como texto para a área de transferência.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Excel File&lt;/b&gt; opens them in a new spreadsheet workbook, which needs LibreOffice Calc.</source>
        <translation>&lt;b&gt;Salvar resultados em Excel&lt;/b&gt; abre-os em uma nova pasta de trabalho de planilha, o que requer o LibreOffice Calc.</translation>
    </message>
    <message>
        <source>With no result ticked, each of the three only says so. &lt;b&gt;Copy as Table&lt;/b&gt; in the results list&apos;s context menu copies the ticked lines, or all, as label and value separated by a tab, ready to paste into a spreadsheet.</source>
        <translation>Sem nenhum resultado marcado, cada um dos três apenas avisa isso. &lt;b&gt;Copiar como tabela&lt;/b&gt;, no menu de contexto da lista de resultados, copia as linhas marcadas, ou todas, como rótulo e valor separados por tabulação, prontos para colar em uma planilha.</translation>
    </message>
    <message>
        <source>The distribution window</source>
        <translation>A janela de distribuição</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Distribution…&lt;/b&gt; (Ctrl+D, or either list&apos;s context menu) opens a window of its own with a picture of the last analysis&apos;s numbers and a table of their spread.</source>
        <translation>&lt;b&gt;Mostrar distribuição…&lt;/b&gt; (Ctrl+D, ou o menu de contexto de qualquer uma das listas) abre uma janela própria com uma imagem dos números da última análise e uma tabela da sua dispersão.</translation>
    </message>
    <message>
        <source>The distribution window of the sample series</source>
        <translation>A janela de distribuição da série de exemplo</translation>
    </message>
    <message>
        <source>The picture shows a histogram, the normal curve of the mean and the standard deviation, the mean and the median marked, and a box plot on the same axis.</source>
        <translation>A imagem mostra um histograma, a curva normal da média e do desvio padrão, a média e a mediana marcadas e um diagrama de caixa no mesmo eixo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Bins&lt;/b&gt; sets the number of bars from 1 to 500, or leaves it to the program. &lt;b&gt;Copy Picture&lt;/b&gt; (Ctrl+C) copies the picture as an image, &lt;b&gt;Save Picture…&lt;/b&gt; (Ctrl+S) saves it as PNG or SVG, and Esc closes the window.</source>
        <translation>&lt;b&gt;Classes&lt;/b&gt; define o número de barras, de 1 a 500, ou deixa a escolha para o programa. &lt;b&gt;Copiar imagem&lt;/b&gt; (Ctrl+C) copia a imagem para a área de transferência, &lt;b&gt;Salvar imagem…&lt;/b&gt; (Ctrl+S) salva-a como PNG ou SVG, e Esc fecha a janela.</translation>
    </message>
    <message>
        <source>The window follows each new analysis and says when the number list has changed since the one it shows.</source>
        <translation>A janela acompanha cada nova análise e avisa quando a lista de números mudou desde a análise que ela mostra.</translation>
    </message>
    <message>
        <source>The menu bar</source>
        <translation>A barra de menus</translation>
    </message>
    <message>
        <source>The menus hold every command of the buttons and context menus; each item does exactly what its button does.</source>
        <translation>Os menus contêm todos os comandos dos botões e dos menus de contexto; cada item faz exatamente o que o seu botão faz.</translation>
    </message>
    <message>
        <source>&lt;b&gt;File&lt;/b&gt;: loading and saving numbers, recent files, saving the results, and Quit (Ctrl+Q).</source>
        <translation>&lt;b&gt;Arquivo&lt;/b&gt;: carregar e salvar números, arquivos recentes, salvar os resultados e Sair (Ctrl+Q).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt;: undo and redo, pasting and copying numbers, copying the results, and clearing the lists.</source>
        <translation>&lt;b&gt;Editar&lt;/b&gt;: desfazer e refazer, colar e copiar números, copiar os resultados e limpar as listas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Analysis&lt;/b&gt;: Start Analysis, the method, Show all decimals and Show Distribution….</source>
        <translation>&lt;b&gt;Análise&lt;/b&gt;: Iniciar análise, o método, Sem arredondar e Mostrar distribuição….</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt;: this manual (F1), the keyboard shortcuts, and About Tallowmere.</source>
        <translation>&lt;b&gt;Ajuda&lt;/b&gt;: este manual (F1), os atalhos de teclado e Sobre o Tallowmere.</translation>
    </message>
    <message>
        <source>Alt with the underlined letter of a menu, button or option reaches it from the keyboard. The window can be enlarged: the two lists take the extra room, and the size is remembered.</source>
        <translation>Alt com a letra sublinhada de um menu, botão ou opção o aciona pelo teclado. A janela pode ser ampliada: as duas listas ocupam o espaço extra, e o tamanho é lembrado.</translation>
    </message>
    <message>
        <source>Keeping your numbers</source>
        <translation>Guardando seus números</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Numbers…&lt;/b&gt; (Ctrl+S) writes the number list as a list file, one entry per line, exactly as the entries read; &lt;b&gt;Load Numbers From File&lt;/b&gt; reads it back. &lt;b&gt;Copy Numbers&lt;/b&gt; (Ctrl+C in the number list) copies the selected entries, or all when none is selected, one per line.</source>
        <translation>&lt;b&gt;Salvar números…&lt;/b&gt; (Ctrl+S) grava a lista de números como um arquivo de lista, uma entrada por linha, exatamente como as entradas estão escritas; &lt;b&gt;Carregar de arquivo&lt;/b&gt; a lê de volta. &lt;b&gt;Copiar números&lt;/b&gt; (Ctrl+C na lista de números) copia as entradas selecionadas, ou todas quando nenhuma está selecionada, uma por linha.</translation>
    </message>
    <message>
        <source>When the window closes, the number list is kept. The next start begins with an empty list, as always, and offers over it to restore the numbers from last time: one click brings them back, and Ctrl+Z takes them away again. The offer goes at the first change of the list. A list over 100 MB is not kept; the next start says so.</source>
        <translation>Quando a janela é fechada, a lista de números é guardada. A próxima execução começa com uma lista vazia, como sempre, e oferece sobre ela a restauração dos números da última vez: um clique os traz de volta, e Ctrl+Z os retira novamente. A oferta desaparece na primeira alteração da lista. Uma lista com mais de 100 MB não é guardada; a próxima execução avisa isso.</translation>
    </message>
    <message>
        <source>&lt;b&gt;File → Open Recent&lt;/b&gt; lists the last eight list files read or saved.</source>
        <translation>&lt;b&gt;Arquivo → Abrir recente&lt;/b&gt; lista os últimos oito arquivos de lista lidos ou salvos.</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>The program speaks the language of your desktop: English, German, French, Spanish, Italian, Brazilian Portuguese, Dutch, Polish or Japanese. The result rows and the three exports use it too.</source>
        <translation>O programa fala o idioma do seu desktop: inglês, alemão, francês, espanhol, italiano, português do Brasil, holandês, polonês ou japonês. As linhas de resultado e as três exportações também o usam.</translation>
    </message>
    <message>
        <source>The language is chosen by &lt;code&gt;LANGUAGE&lt;/code&gt;, &lt;code&gt;LC_ALL&lt;/code&gt;, &lt;code&gt;LC_MESSAGES&lt;/code&gt; or &lt;code&gt;LANG&lt;/code&gt;, as in other desktop programs; the format of numbers follows &lt;code&gt;LC_NUMERIC&lt;/code&gt; on its own. So &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; gives English words with German numbers.</source>
        <translation>O idioma é escolhido por &lt;code&gt;LANGUAGE&lt;/code&gt;, &lt;code&gt;LC_ALL&lt;/code&gt;, &lt;code&gt;LC_MESSAGES&lt;/code&gt; ou &lt;code&gt;LANG&lt;/code&gt;, como em outros programas de desktop; o formato dos números segue &lt;code&gt;LC_NUMERIC&lt;/code&gt; de forma independente. Assim, &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; resulta em palavras em inglês com números no formato alemão.</translation>
    </message>
    <message>
        <source>The tallowmere command</source>
        <translation>O comando tallowmere</translation>
    </message>
    <message>
        <source>Opens the window and reads each path, in the order given, as if all of them had been dropped on the number list together: a file as a list file, a folder with all its sub-folders. A file manager&apos;s Open With uses this.</source>
        <translation>Abre a janela e lê cada caminho, na ordem dada, como se todos tivessem sido soltos juntos sobre a lista de números: um arquivo como arquivo de lista, uma pasta com todas as suas subpastas. O “Abrir com” de um gerenciador de arquivos usa isso.</translation>
    </message>
    <message>
        <source>Prints a short help text and exits.</source>
        <translation>Mostra um breve texto de ajuda e sai.</translation>
    </message>
    <message>
        <source>Prints the version and exits.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Ends the options: every later argument is a path.</source>
        <translation>Encerra as opções: todo argumento seguinte é um caminho.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as &lt;code&gt;-platform&lt;/code&gt; and &lt;code&gt;-style&lt;/code&gt;, are taken as well. The exit status is 0, or 2 after an unknown option.</source>
        <translation>As opções próprias do Qt, como &lt;code&gt;-platform&lt;/code&gt; e &lt;code&gt;-style&lt;/code&gt;, também são aceitas. O status de saída é 0, ou 2 após uma opção desconhecida.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>The options of the window are kept in &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt;, section &lt;code&gt;[Tallowmere]&lt;/code&gt;, written the moment they change. The number list kept at close is in &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt;. The program writes nothing else but the files you name, the clipboard and new spreadsheet workbooks.</source>
        <translation>As opções da janela ficam em &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt;, seção &lt;code&gt;[Tallowmere]&lt;/code&gt;, gravadas no momento em que mudam. A lista de números guardada ao fechar fica em &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt;. O programa não grava nada além dos arquivos que você indicar, da área de transferência e de novas pastas de trabalho de planilha.</translation>
    </message>
    <message>
        <source>The tallowmere-analyse command</source>
        <translation>O comando tallowmere-analyse</translation>
    </message>
    <message>
        <source>&lt;code&gt;tallowmere-analyse&lt;/code&gt; runs the analysis of the window without a window and writes its twelve results to standard output, for scripts. Each path is read as the window reads a dropped one; &lt;code&gt;-&lt;/code&gt;, or no path at all, is standard input.</source>
        <translation>&lt;code&gt;tallowmere-analyse&lt;/code&gt; executa a análise da janela sem abrir a janela e grava seus doze resultados na saída padrão, para uso em scripts. Cada caminho é lido como a janela lê um item solto; &lt;code&gt;-&lt;/code&gt;, ou nenhum caminho, é a entrada padrão.</translation>
    </message>
    <message>
        <source>Reads list files and folders.</source>
        <translation>Lê arquivos de lista e pastas.</translation>
    </message>
    <message>
        <source>Reads each line of the file as one entry, exactly as if typed in the window: a line that is not a number counts as its leading number, or 0.</source>
        <translation>Lê cada linha do arquivo como uma entrada, exatamente como se digitada na janela: uma linha que não é um número conta como o seu número inicial, ou 0.</translation>
    </message>
    <message>
        <source>Reads the files as tables (CSV or TSV) and the numbers of one column: by its number from 1, or with a header line by its name. The delimiter is the tab unless given; with the strict option a record with too few fields makes the exit status 1.</source>
        <translation>Lê os arquivos como tabelas (CSV ou TSV) e os números de uma coluna: pelo seu número, a partir de 1, ou, com uma linha de cabeçalho, pelo seu nome. O delimitador é a tabulação, a menos que outro seja dado; com a opção estrita, um registro com poucos campos faz o status de saída ser 1.</translation>
    </message>
    <message>
        <source>The method of the variance; a sample is the default.</source>
        <translation>O método da variância; amostra é o padrão.</translation>
    </message>
    <message>
        <source>The rounding, as in the window; the text format rounds to 3 places by default.</source>
        <translation>O arredondamento, como na janela; o formato text arredonda para 3 casas por padrão.</translation>
    </message>
    <message>
        <source>Text writes the rows as the window shows them; tsv writes a key and a value per line; json writes one object. Tsv and json write a point as the decimal separator and, unless told otherwise, every digit.</source>
        <translation>O formato text grava as linhas como a janela as mostra; tsv grava uma chave e um valor por linha; json grava um objeto. Tsv e json usam ponto como separador decimal e, salvo indicação em contrário, gravam todos os algarismos.</translation>
    </message>
    <message>
        <source>Adds the minimum, the maximum, the range, the quartiles, the interquartile range, the kurtosis, the standard error of the mean and, for a sample, the 95 % confidence interval of the mean.</source>
        <translation>Adiciona o mínimo, o máximo, a amplitude, os quartis, a amplitude interquartil, a curtose, o erro padrão da média e, para uma amostra, o intervalo de confiança de 95% da média.</translation>
    </message>
    <message>
        <source>Prints the help text or the version and exits.</source>
        <translation>Mostra o texto de ajuda ou a versão e sai.</translation>
    </message>
    <message>
        <source>Messages on standard error and the rows of the text format follow your language, as the window does; the keys of tsv and json and the option names never change.</source>
        <translation>As mensagens na saída de erro padrão e as linhas do formato text seguem o seu idioma, como na janela; as chaves de tsv e json e os nomes das opções nunca mudam.</translation>
    </message>
    <message>
        <source>The exit status is 0 when the results were written; 1 when there were no numbers, something could not be read or the results could not be written; 2 when the command line was wrong.</source>
        <translation>O status de saída é 0 quando os resultados foram gravados; 1 quando não havia números, algo não pôde ser lido ou os resultados não puderam ser gravados; 2 quando a linha de comando estava errada.</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Exemplos</translation>
    </message>
    <message>
        <source>The results of the third column of a TSV file.</source>
        <translation>Os resultados da terceira coluna de um arquivo TSV.</translation>
    </message>
    <message>
        <source>A column by its name, from a CSV file as a German spreadsheet saves it.</source>
        <translation>Uma coluna pelo seu nome, de um arquivo CSV tal como uma planilha alemã o salva.</translation>
    </message>
    <message>
        <source>Two files with the numbers of standard input between them.</source>
        <translation>Dois arquivos com os números da entrada padrão entre eles.</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Tallowmere Manual</source>
        <translation>Manual do Tallowmere</translation>
    </message>
    <message>
        <source>Tables and workbooks</source>
        <translation>Tabelas e pastas de trabalho</translation>
    </message>
    <message>
        <source>A file of several columns (CSV, TSV, text separated by semicolons as a German spreadsheet saves it) or a workbook (.ods, .xlsx) opens the &lt;b&gt;Open Table&lt;/b&gt; dialog when it is loaded, dropped or named on the command line; so does &lt;b&gt;Open Table…&lt;/b&gt; in the number list&apos;s context menu, and a paste of several columns.</source>
        <translation>Um arquivo de várias colunas (CSV, TSV, texto separado por ponto e vírgula como uma planilha alemã o salva) ou uma pasta de trabalho (.ods, .xlsx) abre a caixa de diálogo &lt;b&gt;Abrir tabela&lt;/b&gt; quando é carregado, solto ou indicado na linha de comando; também a abrem &lt;b&gt;Abrir tabela…&lt;/b&gt; no menu de contexto da lista de números e a colagem de várias colunas.</translation>
    </message>
    <message>
        <source>The dialog shows the first rows with what it guessed: the delimiter, whether the first row is a header, the decimal separator and, for a workbook, the sheet. Change any of them and the preview follows. Then tick the columns to read and, to compare groups, choose a column in &lt;b&gt;Split by&lt;/b&gt;.</source>
        <translation>A caixa de diálogo mostra as primeiras linhas com o que deduziu: o delimitador, se a primeira linha é um cabeçalho, o separador decimal e, numa pasta de trabalho, a planilha. Mude qualquer um deles e a prévia acompanha. Depois marque as colunas a ler e, para comparar grupos, escolha uma coluna em &lt;b&gt;Agrupar por&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>One column ticked and no split: its numbers are added to the number list as one change, which Ctrl+Z undoes; cells that are not numbers are counted in the notice.</source>
        <translation>Uma coluna marcada e nenhum agrupamento: seus números são adicionados à lista de números como uma única alteração, que Ctrl+Z desfaz; o aviso conta as células que não são números.</translation>
    </message>
    <message>
        <source>Several columns, or a split: the &lt;b&gt;Compare&lt;/b&gt; window opens and the number list is left as it was.</source>
        <translation>Várias colunas, ou um agrupamento: a janela &lt;b&gt;Comparar&lt;/b&gt; se abre e a lista de números fica como estava.</translation>
    </message>
    <message>
        <source>The Compare window has a column for each column or group and a row for each statistic, computed as the main window computes them and rounded as it rounds; it follows the main window&apos;s method and decimals. Below the table are box plots of every list on one axis, and with &lt;b&gt;Histograms&lt;/b&gt; their histograms over the same span.</source>
        <translation>A janela Comparar tem uma coluna para cada coluna ou grupo e uma linha para cada estatística, calculada e arredondada como na janela principal; ela acompanha o método e as casas decimais desta. Abaixo da tabela ficam os diagramas de caixa de todas as listas num mesmo eixo e, com &lt;b&gt;Histogramas&lt;/b&gt;, seus histogramas sobre o mesmo intervalo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy as Table&lt;/b&gt; (Ctrl+C) copies the table, separated by tabs, ready to paste into a spreadsheet; &lt;b&gt;Save Table…&lt;/b&gt; (Ctrl+S) saves it as CSV or as a workbook; &lt;b&gt;Copy Picture&lt;/b&gt; and &lt;b&gt;Save Picture…&lt;/b&gt; do the same for the picture; &lt;b&gt;Send to Number List&lt;/b&gt; adds the numbers of the chosen list to the main window&apos;s number list.</source>
        <translation>&lt;b&gt;Copiar como tabela&lt;/b&gt; (Ctrl+C) copia a tabela separada por tabulações, pronta para colar numa planilha; &lt;b&gt;Salvar tabela…&lt;/b&gt; (Ctrl+S) a salva como CSV ou como pasta de trabalho; &lt;b&gt;Copiar imagem&lt;/b&gt; e &lt;b&gt;Salvar imagem…&lt;/b&gt; fazem o mesmo com a imagem; &lt;b&gt;Enviar para a lista de números&lt;/b&gt; adiciona os números da lista escolhida à lista de números da janela principal.</translation>
    </message>
    <message>
        <source>Several columns, or every column that holds numbers, each analysed on its own; with a group column, each column&apos;s rows are split by its values. The text format writes a block for each, headed by its name; tsv writes a column for each; json writes an array of objects.</source>
        <translation>Várias colunas, ou todas as colunas que contêm números, cada uma analisada à parte; com uma coluna de grupos, as linhas de cada coluna são divididas pelos valores dela. O formato texto escreve um bloco para cada uma, encabeçado pelo nome; tsv escreve uma coluna para cada uma; json escreve um array de objetos.</translation>
    </message>
    <message>
        <source>The sheet of a workbook (.ods or .xlsx, known by its content) to read the columns from; the first unless given.</source>
        <translation>A planilha de uma pasta de trabalho (.ods ou .xlsx, reconhecida pelo conteúdo) da qual ler as colunas; a primeira, se não indicada.</translation>
    </message>
    <message>
        <source>The weights of each group of a workbook&apos;s first sheet, side by side.</source>
        <translation>Os pesos de cada grupo da primeira planilha de uma pasta de trabalho, lado a lado.</translation>
    </message>
    <message>
        <source>Whole numbers of up to 100 values get a bar for each value, centred on it. &lt;b&gt;Range&lt;/b&gt; shows all values or leaves out the outliers beyond the box plot&apos;s fences, which are then marked with their count at the ends of the axis; &lt;b&gt;Logarithmic axis&lt;/b&gt;, for positive numbers only, makes the bins equal on a logarithmic scale. Point at a bar to see its range and count. With &lt;b&gt;Include title and statistics&lt;/b&gt;, Copy Picture and Save Picture… add a title and the table of spread to the picture.</source>
        <translation>Números inteiros com até 100 valores recebem uma barra por valor, centrada nele. &lt;b&gt;Intervalo&lt;/b&gt; mostra todos os valores ou deixa de fora os valores atípicos além das cercas do diagrama de caixa, que então são marcados com sua quantidade nas pontas do eixo; &lt;b&gt;Eixo logarítmico&lt;/b&gt;, só para números positivos, torna as classes iguais numa escala logarítmica. Aponte para uma barra para ver seu intervalo e sua contagem. Com &lt;b&gt;Incluir título e estatísticas&lt;/b&gt;, Copiar imagem e Salvar imagem… adicionam à imagem um título e a tabela de dispersão.</translation>
    </message>
    <message>
        <source>The encoding of a table&apos;s text: utf-8, utf-16le, utf-16be, utf-32le, utf-32be or windows-1252. Without it each file is read in the form its first bytes show, as the table dialog reads it; standard input is then read as a list file.</source>
        <translation>A codificação do texto de uma tabela: utf-8, utf-16le, utf-16be, utf-32le, utf-32be ou windows-1252. Sem ela, cada arquivo é lido na forma que seus primeiros bytes mostram, como o diálogo de tabelas o lê; a entrada padrão é então lida como um arquivo de lista.</translation>
    </message>
</context>
<context>
    <name>ManualEntry</name>
    <message>
        <source>Enter number or numbers (use commas):</source>
        <translation>Digite um ou mais números (use vírgulas):</translation>
    </message>
    <message>
        <source>Enter number or numbers (use semicolons):</source>
        <translation>Digite um ou mais números (use ponto e vírgula):</translation>
    </message>
</context>
<context>
    <name>Normality</name>
    <message>
        <source>The Shapiro-Wilk test needs at least 3 numbers</source>
        <translation>O teste de Shapiro-Wilk precisa de pelo menos 3 números</translation>
    </message>
    <message>
        <source>The Shapiro-Wilk test takes at most 5000 numbers</source>
        <translation>O teste de Shapiro-Wilk aceita no máximo 5000 números</translation>
    </message>
    <message>
        <source>The K² test needs at least 8 numbers</source>
        <translation>O teste K² precisa de pelo menos 8 números</translation>
    </message>
    <message>
        <source>All the numbers are equal</source>
        <translation>Todos os números são iguais</translation>
    </message>
    <message>
        <source>The numbers are too large or too far apart for the test</source>
        <translation>Os números são grandes demais ou distantes demais para o teste</translation>
    </message>
    <message>
        <source>The kurtosis is outside the range of the test&apos;s approximation</source>
        <translation>A curtose está fora do intervalo da aproximação do teste</translation>
    </message>
    <message>
        <source>no evidence against normality at 5 %</source>
        <translation>nenhuma evidência contra a normalidade a 5 %</translation>
    </message>
    <message>
        <source>the numbers are unlikely to come from a normal distribution (p = %1)</source>
        <translation>é improvável que os números venham de uma distribuição normal (p = %1)</translation>
    </message>
</context>
<context>
    <name>NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Must be a numeric entry.</source>
        <translation>Deve ser um valor numérico.</translation>
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
        <translation>“%1” não é um número</translation>
    </message>
    <message>
        <source>%1: percentiles run from 0 to 100</source>
        <translation>%1: os percentis vão de 0 a 100</translation>
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
        <translation>Nenhum número analisado ainda.</translation>
    </message>
    <message>
        <source>Normal quantiles</source>
        <translation>Quantis normais</translation>
    </message>
    <message>
        <source>Sample quantiles</source>
        <translation>Quantis da amostra</translation>
    </message>
    <message numerus="yes">
        <source>Normal Q-Q plot of %1 numbers: the values from %2 to %3 against the normal quantiles from %4 to %5, with the line through the quartiles (intercept %6, slope %7).</source>
        <translation>
            <numerusform>Gráfico Q-Q normal de %1 número: os valores de %2 a %3 contra os quantis normais de %4 a %5, com a reta que passa pelos quartis (intercepto %6, inclinação %7).</numerusform>
            <numerusform>Gráfico Q-Q normal de %1 números: os valores de %2 a %3 contra os quantis normais de %4 a %5, com a reta que passa pelos quartis (intercepto %6, inclinação %7).</numerusform>
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
        <translation>Posto mais próximo (tipo 1 do R)</translation>
    </message>
    <message>
        <source>Averaged inverse (SAS default, R type 2)</source>
        <translation>Inversa média (padrão do SAS, tipo 2 do R)</translation>
    </message>
    <message>
        <source>Nearest even rank (R type 3)</source>
        <translation>Posto par mais próximo (tipo 3 do R)</translation>
    </message>
    <message>
        <source>Linear in the distribution function (R type 4)</source>
        <translation>Linear na função de distribuição (tipo 4 do R)</translation>
    </message>
    <message>
        <source>Hazen, midpoint steps (R type 5)</source>
        <translation>Hazen, pontos médios dos degraus (tipo 5 do R)</translation>
    </message>
    <message>
        <source>Exclusive (spreadsheet QUARTILE.EXC, SPSS, Minitab, R type 6)</source>
        <translation>Exclusivo (planilha QUARTIL.EXC, SPSS, Minitab, tipo 6 do R)</translation>
    </message>
    <message>
        <source>Inclusive (spreadsheet QUARTILE.INC, R type 7, numpy default)</source>
        <translation>Inclusivo (planilha QUARTIL.INC, tipo 7 do R, padrão do numpy)</translation>
    </message>
    <message>
        <source>Median-unbiased (R type 8)</source>
        <translation>Não viesado para a mediana (tipo 8 do R)</translation>
    </message>
    <message>
        <source>Normal-unbiased, Blom (R type 9)</source>
        <translation>Não viesado para a normal, Blom (tipo 9 do R)</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>The number of entries is: </source>
        <translation>O número de entradas é: </translation>
    </message>
    <message>
        <source>The sum of the numbers are: </source>
        <translation>A soma dos números é: </translation>
    </message>
    <message>
        <source>The sum squared is: </source>
        <translation>A soma ao quadrado é: </translation>
    </message>
    <message>
        <source>The sum of squares is: </source>
        <translation>A soma dos quadrados é: </translation>
    </message>
    <message>
        <source>The mode is: </source>
        <translation>A moda é: </translation>
    </message>
    <message>
        <source>The median is: </source>
        <translation>A mediana é: </translation>
    </message>
    <message>
        <source>The mean is: </source>
        <translation>A média é: </translation>
    </message>
    <message>
        <source>The variance is: </source>
        <translation>A variância é: </translation>
    </message>
    <message>
        <source>The skew is: </source>
        <translation>A assimetria é: </translation>
    </message>
    <message>
        <source>The average deviation is: </source>
        <translation>O desvio médio é: </translation>
    </message>
    <message>
        <source>The standard deviation is: </source>
        <translation>O desvio padrão é: </translation>
    </message>
    <message>
        <source>The coefficient of variation is: </source>
        <translation>O coeficiente de variação é: </translation>
    </message>
    <message>
        <source>The minimum is: </source>
        <translation>O mínimo é: </translation>
    </message>
    <message>
        <source>The maximum is: </source>
        <translation>O máximo é: </translation>
    </message>
    <message>
        <source>The range is: </source>
        <translation>A amplitude é: </translation>
    </message>
    <message>
        <source>The first quartile is: </source>
        <translation>O primeiro quartil é: </translation>
    </message>
    <message>
        <source>The third quartile is: </source>
        <translation>O terceiro quartil é: </translation>
    </message>
    <message>
        <source>The interquartile range is: </source>
        <translation>A amplitude interquartil é: </translation>
    </message>
    <message>
        <source>The kurtosis is: </source>
        <translation>A curtose é: </translation>
    </message>
    <message>
        <source>The standard error of the mean is: </source>
        <translation>O erro padrão da média é: </translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s low end is: </source>
        <translation>O limite inferior do intervalo de confiança de 95% é: </translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s high end is: </source>
        <translation>O limite superior do intervalo de confiança de 95% é: </translation>
    </message>
    <message>
        <source>The geometric mean is: </source>
        <translation>A média geométrica é: </translation>
    </message>
    <message>
        <source>The harmonic mean is: </source>
        <translation>A média harmônica é: </translation>
    </message>
    <message>
        <source>The median absolute deviation is: </source>
        <translation>O desvio absoluto mediano é: </translation>
    </message>
    <message>
        <source>The scaled median absolute deviation is: </source>
        <translation>O desvio absoluto mediano escalado é: </translation>
    </message>
    <message>
        <source>The quantile method is: </source>
        <translation>O método de quantis é: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk W is: </source>
        <translation>O W de Shapiro-Wilk é: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk p-value is: </source>
        <translation>O valor-p de Shapiro-Wilk é: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk test reads: </source>
        <translation>O teste de Shapiro-Wilk indica: </translation>
    </message>
    <message>
        <source>The K² of D&apos;Agostino and Pearson is: </source>
        <translation>O K² de D&apos;Agostino e Pearson é: </translation>
    </message>
    <message>
        <source>The K² p-value is: </source>
        <translation>O valor-p do K² é: </translation>
    </message>
    <message>
        <source>The K² test reads: </source>
        <translation>O teste K² indica: </translation>
    </message>
    <message>
        <source>The %1 % trimmed mean is: </source>
        <translation>A média aparada a %1% é: </translation>
    </message>
    <message>
        <source>The %1 % confidence interval&apos;s low end is: </source>
        <translation>O limite inferior do intervalo de confiança de %1% é: </translation>
    </message>
    <message>
        <source>The %1 % confidence interval&apos;s high end is: </source>
        <translation>O limite superior do intervalo de confiança de %1% é: </translation>
    </message>
    <message>
        <source>The median&apos;s %1 % confidence interval&apos;s low end is: </source>
        <translation>O limite inferior do intervalo de confiança de %1% da mediana é: </translation>
    </message>
    <message>
        <source>The median&apos;s %1 % confidence interval&apos;s high end is: </source>
        <translation>O limite superior do intervalo de confiança de %1% da mediana é: </translation>
    </message>
    <message>
        <source>The median&apos;s interval&apos;s actual coverage is: </source>
        <translation>A cobertura real do intervalo da mediana é: </translation>
    </message>
    <message>
        <source>The %1st percentile is: </source>
        <translation>O %1º percentil é: </translation>
    </message>
    <message>
        <source>The %1nd percentile is: </source>
        <translation>O %1º percentil é: </translation>
    </message>
    <message>
        <source>The %1rd percentile is: </source>
        <translation>O %1º percentil é: </translation>
    </message>
    <message>
        <source>The %1th percentile is: </source>
        <translation>O %1º percentil é: </translation>
    </message>
</context>
<context>
    <name>ResultValues</name>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
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
        <translation>Copiar como tabela</translation>
    </message>
</context>
<context>
    <name>RobustStatistics</name>
    <message>
        <source>There are no numbers</source>
        <translation>Não há números</translation>
    </message>
    <message>
        <source>The geometric and the harmonic mean need positive numbers</source>
        <translation>As médias geométrica e harmônica precisam de números positivos</translation>
    </message>
    <message>
        <source>The share trimmed from each end must be at least 0 and below 0.5</source>
        <translation>A parte cortada de cada ponta deve ser no mínimo 0 e menor que 0.5</translation>
    </message>
    <message>
        <source>The confidence level must be from 50 % to 99.9 %</source>
        <translation>O nível de confiança deve estar entre 50% e 99.9%</translation>
    </message>
    <message>
        <source>The confidence interval of the mean needs at least 2 numbers</source>
        <translation>O intervalo de confiança da média precisa de pelo menos 2 números</translation>
    </message>
    <message>
        <source>Too few numbers for a confidence interval of the median at this level</source>
        <translation>Números de menos para um intervalo de confiança da mediana neste nível</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>its lock file %1 is not a regular file</source>
        <translation>seu arquivo de bloqueio %1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>sua pasta não pode ser criada</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>não pode ser gravado</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>não pode ser gravado: %1</translation>
    </message>
    <message>
        <source>The options cannot be saved to %1: %2. They stay as chosen until %3 ends.</source>
        <translation>Não é possível salvar as opções em %1: %2. Elas permanecem como escolhidas até que o %3 seja encerrado.</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Open Table</source>
        <translation>Abrir tabela</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Vírgula</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Ponto e vírgula</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulação</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>Other delimiter</source>
        <translation>Outro delimitador</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>A primeira linha é um &amp;cabeçalho</translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation>A primeira linha é um cabeçalho</translation>
    </message>
    <message>
        <source>As in this locale (%1)</source>
        <translation>Como neste formato regional (%1)</translation>
    </message>
    <message>
        <source>Point (61.5)</source>
        <translation>Ponto (61.5)</translation>
    </message>
    <message>
        <source>Comma (61,5)</source>
        <translation>Vírgula (61,5)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
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
        <translation>&amp;Folha:</translation>
    </message>
    <message>
        <source>Co&amp;lumns:</source>
        <translation>Co&amp;lunas:</translation>
    </message>
    <message>
        <source>&amp;Split by:</source>
        <translation>Agr&amp;upar por:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>Pré-&amp;visualização:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhuma)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Coluna %1</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>Não foi possível ler %1: %2.</translation>
    </message>
    <message>
        <source>%1 is neither a spreadsheet nor a table of delimited text.</source>
        <translation>%1 não é uma planilha nem uma tabela de texto delimitado.</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be read (%2).</source>
        <translation>%1 está danificado e não pôde ser lido (%2).</translation>
    </message>
    <message>
        <source>%1 is protected by a password: save it without one to open it.</source>
        <translation>%1 está protegido por senha: salve-o sem senha para abri-lo.</translation>
    </message>
    <message>
        <source>%1 is an Excel 97-2003 workbook: save it as .xlsx or .ods to open it.</source>
        <translation>%1 é uma pasta de trabalho do Excel 97-2003: salve-a como .xlsx ou .ods para abri-la.</translation>
    </message>
    <message>
        <source>%1 has no sheet %2.</source>
        <translation>%1 não tem a folha %2.</translation>
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
        <translation>Ocidental (Windows-1252)</translation>
    </message>
    <message>
        <source>E&amp;ncoding:</source>
        <translation>C&amp;odificação:</translation>
    </message>
</context>
<context>
    <name>TickList</name>
    <message>
        <source>Ticks or unticks the result</source>
        <translation>Marca ou desmarca o resultado</translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation>Marcado</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Não marcado</translation>
    </message>
</context>
<context>
    <name>WholeFileWriter</name>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::CompareWindow</name>
    <message>
        <source>Statistics of each list</source>
        <translation>Estatísticas de cada lista</translation>
    </message>
    <message>
        <source>A column per list and a row per statistic. Ctrl+C copies the whole table.</source>
        <translation>Uma coluna por lista e uma linha por estatística. Ctrl+C copia a tabela inteira.</translation>
    </message>
    <message>
        <source>Copy as &amp;Table</source>
        <translation>Copiar como &amp;tabela</translation>
    </message>
    <message>
        <source>Put the table on the clipboard, its cells separated by tabs (Ctrl+C)</source>
        <translation>Colocar a tabela na área de transferência, com as células separadas por tabulações (Ctrl+C)</translation>
    </message>
    <message>
        <source>Sa&amp;ve Table…</source>
        <translation>Sal&amp;var tabela…</translation>
    </message>
    <message>
        <source>Save the table as a CSV file or an Excel workbook (Ctrl+S)</source>
        <translation>Salvar a tabela como arquivo CSV ou pasta de trabalho do Excel (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Lista:</translation>
    </message>
    <message>
        <source>List to send</source>
        <translation>Lista a enviar</translation>
    </message>
    <message>
        <source>Se&amp;nd to Number List</source>
        <translation>E&amp;nviar para a lista de números</translation>
    </message>
    <message>
        <source>Append the chosen list&apos;s numbers to the main window&apos;s number list</source>
        <translation>Acrescentar os números da lista escolhida à lista de números da janela principal</translation>
    </message>
    <message>
        <source>&amp;Histograms</source>
        <translation>&amp;Histogramas</translation>
    </message>
    <message>
        <source>Show each list&apos;s histogram over the same span, with its box plot</source>
        <translation>Mostrar o histograma de cada lista sobre o mesmo intervalo, com o seu diagrama de caixa</translation>
    </message>
    <message>
        <source>Histograms</source>
        <translation>Histogramas</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copiar imagem</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image</source>
        <translation>Colocar a imagem na área de transferência</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Salvar imagem…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file</source>
        <translation>Salvar a imagem como arquivo PNG ou SVG</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Estatística</translation>
    </message>
    <message>
        <source>Save Table</source>
        <translation>Salvar tabela</translation>
    </message>
    <message>
        <source>The table could not be saved as
%1
%2</source>
        <translation>Não foi possível salvar a tabela como
%1
%2</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation>Não foi possível salvar a imagem como
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
        <translation>Estatística</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as name and value separated by a tab.</source>
        <translation>Selecione linhas e pressione Ctrl+C para copiá-las como nome e valor separados por tabulação.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>&amp;Bins:</source>
        <translation>C&amp;lasses:</translation>
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
        <translation>Número de classes</translation>
    </message>
    <message>
        <source>The histogram&apos;s bins, 1 to 500; below 1 the count is chosen from the numbers.</source>
        <translation>As classes do histograma, de 1 a 500; abaixo de 1, a quantidade é escolhida a partir dos números.</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copiar imagem</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image (Ctrl+C)</source>
        <translation>Colocar a imagem na área de transferência (Ctrl+C)</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Salvar imagem…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file (Ctrl+S)</source>
        <translation>Salvar a imagem como arquivo PNG ou SVG (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation>Não foi possível salvar a imagem como
%1
%2</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Intervalo:</translation>
    </message>
    <message>
        <source>All values</source>
        <translation>Todos os valores</translation>
    </message>
    <message>
        <source>Without outliers</source>
        <translation>Sem valores atípicos</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Without outliers, the histogram spans the numbers within 1.5 interquartile ranges of the box.</source>
        <translation>Sem valores atípicos, o histograma abrange os números a até 1,5 intervalo interquartil da caixa.</translation>
    </message>
    <message>
        <source>&amp;Logarithmic axis</source>
        <translation>Eixo l&amp;ogarítmico</translation>
    </message>
    <message>
        <source>Bins of equal width in the logarithm; for positive numbers only</source>
        <translation>Classes de largura igual no logaritmo; só para números positivos</translation>
    </message>
    <message>
        <source>&amp;Include title and statistics</source>
        <translation>Incluir &amp;título e estatísticas</translation>
    </message>
    <message>
        <source>Copy and save the picture with a title over it and the statistics under it</source>
        <translation>Copiar e salvar a imagem com um título acima e as estatísticas abaixo</translation>
    </message>
    <message>
        <source>&amp;Histogram</source>
        <translation>&amp;Histograma</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Visualizações</translation>
    </message>
    <message>
        <source>&amp;Q-Q Plot</source>
        <translation>Gráfico &amp;Q-Q</translation>
    </message>
    <message>
        <source>&amp;Frequencies</source>
        <translation>&amp;Frequências</translation>
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
        <translation>Interromper o arrastar e soltar (Esc)</translation>
    </message>
    <message>
        <source>Stop the drop</source>
        <translation>Interromper o arrastar e soltar</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::Form1</name>
    <message>
        <source>Results note</source>
        <translation>Nota dos resultados</translation>
    </message>
    <message>
        <source>Number(s)</source>
        <translation>Número(s)</translation>
    </message>
    <message>
        <source>Result(s)</source>
        <translation>Resultado(s)</translation>
    </message>
    <message>
        <source>The number list has changed since these results.</source>
        <translation>A lista de números mudou desde estes resultados.</translation>
    </message>
    <message>
        <source>Analysis finished: the results list shows %1 rows.</source>
        <translation>Análise concluída: a lista de resultados mostra %1 linhas.</translation>
    </message>
    <message>
        <source>Not every entry will come back as it is when this file is loaded:</source>
        <translation>Nem todas as entradas voltarão como estão quando este arquivo for carregado:</translation>
    </message>
    <message>
        <source>Entries that are not numbers, left out when it is loaded: %1</source>
        <translation>Entradas que não são números, ignoradas ao carregar: %1</translation>
    </message>
    <message>
        <source>Entries a list file reads as another value: %1</source>
        <translation>Entradas que um arquivo de lista lê como outro valor: %1</translation>
    </message>
    <message>
        <source>Entries holding a line break, read as several lines: %1</source>
        <translation>Entradas com quebra de linha, lidas como várias linhas: %1</translation>
    </message>
    <message>
        <source>The first of them: %1</source>
        <translation>A primeira delas: %1</translation>
    </message>
    <message>
        <source>Save the numbers all the same?</source>
        <translation>Salvar os números mesmo assim?</translation>
    </message>
    <message>
        <source>Save Numbers</source>
        <translation>Salvar números</translation>
    </message>
    <message>
        <source>The numbers could not be saved to &quot;%1&quot;: %2</source>
        <translation>Não foi possível salvar os números em “%1”: %2</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Limpar recentes</translation>
    </message>
    <message>
        <source>The numbers from last time could not be read</source>
        <translation>Não foi possível ler os números da última vez</translation>
    </message>
    <message>
        <source>All results ticked</source>
        <translation>Todos os resultados marcados</translation>
    </message>
    <message>
        <source>No results ticked</source>
        <translation>Nenhum resultado marcado</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::FrequencyPage</name>
    <message>
        <source>One row per &amp;value</source>
        <translation>&amp;Uma linha por valor</translation>
    </message>
    <message>
        <source>A row for each value however many there are; else, with more than %1 values, a row for each of the histogram&apos;s bins</source>
        <translation>Uma linha para cada valor, quantos forem; caso contrário, com mais de %1 valores, uma linha para cada classe do histograma</translation>
    </message>
    <message>
        <source>Copy as &amp;Table</source>
        <translation>Copiar como ta&amp;bela</translation>
    </message>
    <message>
        <source>Put the whole table on the clipboard with its header line, its cells separated by tabs</source>
        <translation>Colocar a tabela inteira na área de transferência com a linha de cabeçalho e as células separadas por tabulações</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Frequencies</source>
        <translation>Frequências</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them, their cells separated by tabs, as a spreadsheet reads them.</source>
        <translation>Selecione linhas e pressione Ctrl+C para copiá-las, com as células separadas por tabulações, como uma planilha as lê.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>These bins span all the numbers, the outliers too; the histogram leaves the outliers out.</source>
        <translation>Estas classes abrangem todos os números, inclusive os valores atípicos; o histograma deixa os valores atípicos de fora.</translation>
    </message>
    <message>
        <source>These bins are equal in width; the histogram&apos;s are equal in the logarithm.</source>
        <translation>Estas classes têm largura igual; as do histograma são iguais no logaritmo.</translation>
    </message>
    <message>
        <source>The histogram has a bar for each value; tick &quot;One row per value&quot; for a row each.</source>
        <translation>O histograma tem uma barra para cada valor; marque “Uma linha por valor” para ter uma linha para cada um.</translation>
    </message>
    <message>
        <source>These bins are not the histogram&apos;s.</source>
        <translation>Estas classes não são as do histograma.</translation>
    </message>
    <message>
        <source>%1 rows are too many to copy: at most %2 can be copied.</source>
        <translation>%1 linhas são demais para copiar: é possível copiar no máximo %2.</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::HelpWindow</name>
    <message>
        <source>Tallowmere Manual</source>
        <translation>Manual do Tallowmere</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation>Localizar no manual</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Não encontrado</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation>Remover entradas que não são números</translation>
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
        <translation>Posição</translation>
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
        <translation>&amp;Valores além das cercas:</translation>
    </message>
    <message>
        <source>Number of smallest and largest values</source>
        <translation>Quantidade de menores e maiores valores</translation>
    </message>
    <message>
        <source>How many of the smallest and of the largest numbers are listed, 1 to 100.</source>
        <translation>Quantos dos menores e dos maiores números são listados, de 1 a 100.</translation>
    </message>
    <message>
        <source>&amp;Extremes at each end:</source>
        <translation>&amp;Extremos em cada ponta:</translation>
    </message>
    <message>
        <source>Smallest and largest values</source>
        <translation>Menores e maiores valores</translation>
    </message>
    <message>
        <source>Select in &amp;Number List</source>
        <translation>Selecionar na lista &amp;de números</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as kind, position and value separated by tabs.</source>
        <translation>Selecione linhas e pressione Ctrl+C para copiá-las como tipo, posição e valor separados por tabulações.</translation>
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
        <translation>Maior</translation>
    </message>
    <message>
        <source>No outliers; fences %1 and %2; far out beyond %3 and %4.</source>
        <translation>Nenhum valor atípico; cercas %1 e %2; atípicos extremos além de %3 e %4.</translation>
    </message>
    <message>
        <source>%1, %2; fences %3 and %4; far out beyond %5 and %6.</source>
        <translation>%1, %2; cercas %3 e %4; atípicos extremos além de %5 e %6.</translation>
    </message>
    <message>
        <source>Showing %1 of %2, the first in the list.</source>
        <translation>Mostrando %1 de %2, os primeiros da lista.</translation>
    </message>
    <message>
        <source>There is no analysis to select from until one has finished.</source>
        <translation>Não há análise da qual selecionar até que uma tenha terminado.</translation>
    </message>
    <message>
        <source>The number list has changed since this analysis, so these positions may no longer be its rows. Press Start Analysis to find them again.</source>
        <translation>A lista de números mudou desde esta análise, então estas posições podem não ser mais as suas linhas. Pressione Iniciar análise para encontrá-las de novo.</translation>
    </message>
    <message>
        <source>There are no outliers; select rows of the tables to select those entries.</source>
        <translation>Não há valores atípicos; selecione linhas das tabelas para selecionar essas entradas.</translation>
    </message>
    <message>
        <source>Select the entries of the selected rows in the number list, or all the outliers listed when no row is selected.</source>
        <translation>Selecionar na lista de números as entradas das linhas selecionadas, ou todos os valores atípicos listados quando nenhuma linha estiver selecionada.</translation>
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
        <translation>Testes de normalidade</translation>
    </message>
    <message>
        <source>Press Ctrl+C to copy the selected text, or both lines where nothing is selected.</source>
        <translation>Pressione Ctrl+C para copiar o texto selecionado, ou as duas linhas quando nada estiver selecionado.</translation>
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
        <translation>Método de quantis</translation>
    </message>
    <message>
        <source>How the quartiles, the box plot and the percentiles are read from the numbers</source>
        <translation>Como os quartis, o diagrama de caixa e os percentis são obtidos dos números</translation>
    </message>
    <message>
        <source>&amp;Percentiles:</source>
        <translation>&amp;Percentis:</translation>
    </message>
    <message>
        <source>Percentiles</source>
        <translation>Percentis</translation>
    </message>
    <message>
        <source>Percentiles&apos; error</source>
        <translation>Erro dos percentis</translation>
    </message>
    <message>
        <source>&amp;Trim:</source>
        <translation>Apa&amp;rar:</translation>
    </message>
    <message>
        <source>Trimmed share</source>
        <translation>Parte aparada</translation>
    </message>
    <message>
        <source>The share of the numbers the trimmed mean leaves out at each end</source>
        <translation>A parte dos números que a média aparada deixa de fora em cada ponta</translation>
    </message>
    <message>
        <source>Confidence l&amp;evel:</source>
        <translation>&amp;Nível de confiança:</translation>
    </message>
    <message>
        <source>Confidence level</source>
        <translation>Nível de confiança</translation>
    </message>
    <message>
        <source>The level of the mean&apos;s and the median&apos;s confidence intervals</source>
        <translation>O nível dos intervalos de confiança da média e da mediana</translation>
    </message>
    <message>
        <source>Percentiles from 0 to 100, separated by semicolons: %1</source>
        <translation>Percentis de 0 a 100, separados por ponto e vírgula: %1</translation>
    </message>
    <message>
        <source>Percentiles from 0 to 100, separated by commas or semicolons: %1</source>
        <translation>Percentis de 0 a 100, separados por vírgulas ou ponto e vírgula: %1</translation>
    </message>
</context>
</TS>
