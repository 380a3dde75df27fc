<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1（%2 でビルド）</translation>
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
        <translation>使用しているライブラリ:</translation>
    </message>
    <message>
        <source>Tallowmere %1</source>
        <translation>Tallowmere %1</translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation>記述統計量を計算するデスクトップ電卓です。</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tallowmere authors</source>
        <translation>Copyright © 2026 Tallowmere 開発者</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>MIT ライセンスの下で公開されています。</translation>
    </message>
    <message>
        <source>About Tallowmere</source>
        <translation>Tallowmere について</translation>
    </message>
</context>
<context>
    <name>AdditionNotice</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source> (first: %1)</source>
        <translation> （最初: %1）</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 行を小数点コンマ表記として読み取りました（最初: %2）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 行を小数点ピリオド表記として読み取りました（最初: %2）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 個の項目を小数点コンマ表記として読み取りました（最初: %2）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 個の項目を小数点ピリオド表記として読み取りました（最初: %2）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from %2</source>
        <translation>
            <numerusform>%2 から %1 個の数値を追加しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the clipboard</source>
        <translation>
            <numerusform>クリップボードから %1 個の数値を追加しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the dropped text</source>
        <translation>
            <numerusform>ドロップされたテキストから %1 個の数値を追加しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers</source>
        <translation>
            <numerusform>%1 個の数値を追加しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were not numbers</source>
        <translation>
            <numerusform>%1 行は数値ではありませんでした</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were not numbers</source>
        <translation>
            <numerusform>%1 個の項目は数値ではありませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no numbers</source>
        <translation>%1 には数値が含まれていません</translation>
    </message>
    <message>
        <source>The file holds no numbers</source>
        <translation>ファイルには数値が含まれていません</translation>
    </message>
    <message>
        <source>The %1 hold no numbers</source>
        <translation>%1 のいずれにも数値が含まれていません</translation>
    </message>
    <message>
        <source>The clipboard holds no numbers</source>
        <translation>クリップボードには数値が含まれていません</translation>
    </message>
    <message>
        <source>The dropped text holds no numbers</source>
        <translation>ドロップされたテキストには数値が含まれていません</translation>
    </message>
    <message>
        <source>The answer holds no numbers</source>
        <translation>入力された内容には数値が含まれていません</translation>
    </message>
    <message>
        <source>their only line is not a number in this locale</source>
        <translation>ただ 1 つの行がこのロケールでは数値として読めません</translation>
    </message>
    <message>
        <source>its only line is not a number in this locale</source>
        <translation>ただ 1 つの行がこのロケールでは数値として読めません</translation>
    </message>
    <message>
        <source>its only item is not a number in this locale</source>
        <translation>ただ 1 つの項目がこのロケールでは数値として読めません</translation>
    </message>
    <message numerus="yes">
        <source>their %1 lines are not numbers in this locale</source>
        <translation>
            <numerusform>%1 行すべてがこのロケールでは数値として読めません</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 lines are not numbers in this locale</source>
        <translation>
            <numerusform>%1 行すべてがこのロケールでは数値として読めません</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 items are not numbers in this locale</source>
        <translation>
            <numerusform>%1 個の項目すべてがこのロケールでは数値として読めません</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries</source>
        <translation>
            <numerusform>%1 個の項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the %1 sample numbers.</source>
        <translation>
            <numerusform>サンプルの数値 %1 個を追加しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers were added</source>
        <translation>
            <numerusform>%1 個の数値が追加されました</numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped part-way through the text; %1.</source>
        <translation>テキストの途中でドロップを中止しました。%1。</translation>
    </message>
    <message>
        <source>Pasting was stopped part-way through the text; %1.</source>
        <translation>テキストの途中で貼り付けを中止しました。%1。</translation>
    </message>
    <message>
        <source> and </source>
        <translation>、</translation>
    </message>
    <message>
        <source>1 entry is not a number and counts as %1: %2.</source>
        <translation>1 個の項目は数値ではないため %1 として扱われます: %2。</translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers and count as %2: %3.</source>
        <translation>
            <numerusform>%1 個の項目は数値ではないため %2 として扱われます: %3。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers; the first %2 count as %3: %4.</source>
        <translation>
            <numerusform>%1 個の項目は数値ではありません。最初の %2 個は %3 として扱われます: %4。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were read with a decimal comma (first: %2)</source>
        <translation>
            <numerusform>%1 個のセルを小数点コンマ表記として読み取りました（最初: %2）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were read with a decimal point (first: %2)</source>
        <translation>
            <numerusform>%1 個のセルを小数点ピリオド表記として読み取りました（最初: %2）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from column %2 of %3</source>
        <translation>
            <numerusform>%3 の列 %2 から %1 個の数値を追加しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cells were not numbers</source>
        <translation>
            <numerusform>%1 個のセルは数値ではありませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1 of %2 holds no numbers</source>
        <translation>%2 の列 %1 には数値が含まれていません</translation>
    </message>
    <message>
        <source>its only cell is not a number in this locale</source>
        <translation>ただ 1 つのセルがこのロケールでは数値として読めません</translation>
    </message>
    <message numerus="yes">
        <source>its %1 cells are not numbers in this locale</source>
        <translation>
            <numerusform>%1 個のセルすべてがこのロケールでは数値として読めません</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Analyser</name>
    <message>
        <source>standard input</source>
        <translation>標準入力</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: &quot;%2&quot;)</source>
        <translation>
            <numerusform>%1 行を小数点コンマ表記として読み取りました（最初: 「%2」）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: &quot;%2&quot;)</source>
        <translation>
            <numerusform>%1 行を小数点ピリオド表記として読み取りました（最初: 「%2」）</numerusform>
        </translation>
    </message>
    <message>
        <source>an entry</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>the number of entries</source>
        <translation>データの個数</translation>
    </message>
    <message>
        <source>the sum</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>the sum squared</source>
        <translation>合計の二乗</translation>
    </message>
    <message>
        <source>the sum of squares</source>
        <translation>二乗和</translation>
    </message>
    <message>
        <source>the mode</source>
        <translation>最頻値</translation>
    </message>
    <message>
        <source>the median</source>
        <translation>中央値</translation>
    </message>
    <message>
        <source>the mean</source>
        <translation>平均値</translation>
    </message>
    <message>
        <source>the variance</source>
        <translation>分散</translation>
    </message>
    <message>
        <source>the skew</source>
        <translation>歪度</translation>
    </message>
    <message>
        <source>the average deviation</source>
        <translation>平均偏差</translation>
    </message>
    <message>
        <source>the standard deviation</source>
        <translation>標準偏差</translation>
    </message>
    <message>
        <source>the coefficient of variation</source>
        <translation>変動係数</translation>
    </message>
    <message>
        <source>its lines hold fields separated by &apos;%1&apos;; choose a column with --field N, or --header and --field NAME</source>
        <translation>各行は「%1」で区切られたフィールドでできています。--field N で列を選ぶか、--header と --field NAME を指定してください</translation>
    </message>
    <message>
        <source>cannot read the folder</source>
        <translation>フォルダーを読み取れません</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines are longer than %2 bytes and are each read as their first %2 bytes</source>
        <translation>
            <numerusform>%1 行が %2 バイトより長いため、それぞれ先頭の %2 バイトだけを読み取りました</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 を書き込めません</translation>
    </message>
    <message>
        <source>the help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>the version</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>the results</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>field %1</source>
        <translation>フィールド %1</translation>
    </message>
    <message>
        <source>the column &apos;%1&apos;</source>
        <translation>列「%1」</translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the record is skipped</source>
        <translation>
            <numerusform>フィールドが %1 個しかなく %2 には足りないため、このレコードをスキップします</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation>ここで始まる引用符付きのフィールドがファイルの終わりまでに閉じられていないため、除外します</translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields skipped</source>
        <translation>
            <numerusform>フィールドが足りないレコードをさらに %1 個スキップしました</numerusform>
        </translation>
    </message>
    <message>
        <source>the delimiter must be an ASCII character</source>
        <translation>区切り文字は ASCII 文字でなければなりません</translation>
    </message>
    <message>
        <source>the delimiter must be one character</source>
        <translation>区切り文字は 1 文字でなければなりません</translation>
    </message>
    <message>
        <source>the quote cannot be the delimiter</source>
        <translation>引用符を区切り文字にすることはできません</translation>
    </message>
    <message>
        <source>a line end cannot be the delimiter</source>
        <translation>改行を区切り文字にすることはできません</translation>
    </message>
    <message>
        <source>not a number of decimal places</source>
        <translation>小数点以下の桁数として正しくありません</translation>
    </message>
    <message>
        <source>decimal places run from %1 to %2</source>
        <translation>小数点以下の桁数は %1 から %2 までです</translation>
    </message>
    <message>
        <source>no table has that many columns</source>
        <translation>それほど多くの列を持つ表はありません</translation>
    </message>
    <message>
        <source>columns are numbered from 1</source>
        <translation>列の番号は 1 から始まります</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a column number or name</source>
        <translation>オプション「%1」には列の番号か名前が必要です</translation>
    </message>
    <message>
        <source>not a column number; a column name needs --header</source>
        <translation>列の番号ではありません。列の名前を使うには --header が必要です</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>詳しくは &apos;%1 --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション「%1」</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>オプション「%1」には値が必要です</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (use text, tsv or json)</source>
        <translation>不明な形式「%1」（text、tsv、json のいずれかを指定してください）</translation>
    </message>
    <message>
        <source>%1 takes no PATH</source>
        <translation>%1 には PATH を指定できません</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2</source>
        <translation>オプション「%1」には %2 が必要です</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 には %2 を指定できません</translation>
    </message>
    <message>
        <source>it is a spreadsheet; choose a column of its first sheet with --field N, or --header and --field NAME (and --sheet for another sheet)</source>
        <translation>スプレッドシートです。--field N、または --header と --field NAME で最初のシートの列を選んでください（別のシートには --sheet）</translation>
    </message>
    <message>
        <source>a workbook of the old .xls form cannot be read; save it as .xlsx or .ods</source>
        <translation>古い .xls 形式のブックは読み込めません。.xlsx または .ods として保存してください</translation>
    </message>
    <message>
        <source>the workbook is protected by a password; save it without one</source>
        <translation>ブックはパスワードで保護されています。パスワードなしで保存してください</translation>
    </message>
    <message>
        <source>the spreadsheet has no sheet &apos;%1&apos;</source>
        <translation>スプレッドシートにシート「%1」がありません</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: it lacks %1</source>
        <translation>スプレッドシートが壊れています: %1 がありません</translation>
    </message>
    <message>
        <source>a zip archive that holds no spreadsheet (.ods or .xlsx)</source>
        <translation>スプレッドシート（.ods または .xlsx）を含まない zip アーカイブです</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged or cut short</source>
        <translation>スプレッドシートが壊れているか、途中で切れています</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: %1</source>
        <translation>スプレッドシートが壊れています: %1</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: sheets are numbered from 1</source>
        <translation>%1「%2」: シートは 1 から数えます</translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the fields it has are read</source>
        <translation>
            <numerusform>フィールドが %1 個しかなく %2 には足りません。あるフィールドは読み込みます</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields</source>
        <translation>
            <numerusform>フィールドが足りないレコードがさらに %1 個</numerusform>
        </translation>
    </message>
    <message>
        <source>a confidence level runs from 50 to 99.9 (percent)</source>
        <translation>信頼水準は 50 から 99.9 (パーセント) までです</translation>
    </message>
    <message>
        <source>the share trimmed from each end is at least 0 and below 0.5</source>
        <translation>両端から除く割合は 0 以上 0.5 未満です</translation>
    </message>
    <message>
        <source>percentiles run from 0 to 100</source>
        <translation>パーセンタイルは 0 から 100 までです</translation>
    </message>
    <message>
        <source>use one of %1, or a number from 1 to 9</source>
        <translation>%1 のいずれか、または 1 から 9 の数を指定してください</translation>
    </message>
    <message>
        <source> (and %1)</source>
        <extracomment>%1 is the option to add, such as --delimiter &apos;,&apos;.</extracomment>
        <translation> (%1 も指定)</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the encoding must be one of %3</source>
        <translation>%1「%2」: 文字コードは %3 のいずれかにしてください</translation>
    </message>
</context>
<context>
    <name>Analysis</name>
    <message>
        <source>You forgot to input numbers.</source>
        <translation>数値が入力されていません。</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>Analyses a list of numbers as &quot;Start Analysis&quot; does in %1 and writes
the twelve results (with %2, further statistics after them).</source>
        <extracomment>%1 is the program&apos;s name, %2 an option. &quot;Start Analysis&quot; is the window&apos;s button. Wrap at 80 columns.</extracomment>
        <translation>%1 の「分析を開始」と同じように数値のリストを分析し、12 個の結果を
書き出します（%2 を付けると、その後にさらに統計量を書き出します）。</translation>
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
        <translation>各 %1 は、数値リストにドロップしたときと同じように読み込まれます。ファイルは
リストファイル（1 行に 1 つの数値。それ以外の行はスキップ）として読み込まれ、
フォルダーはたどられて中のファイルが読み込まれます。「%2」は標準入力で、%1 の
並びの中のその位置で 1 つのリストファイルとして読み込まれます。%1 がなければ
標準入力が読み込まれます。読み込めないもの（ファイル、または %1 以下の
ツリーで一覧を取得できないフォルダー）は、標準エラー出力に 1 件につき 1 行ずつ
「%3: %1: 理由」の形で報告され、残りは
読み込まれて、終了ステータスは 1 になります。</translation>
    </message>
    <message>
        <source>With %1, every file (and standard input) is read as a table instead:
the field of that column in each record is read as a line of a list file.
With any delimiter but the tab, fields may be quoted as in CSV (RFC 4180).
A record with too few fields is told, &apos;%2: %3: line N: ...&apos;,
and skipped. %1 cannot be given with %4.</source>
        <extracomment>%1 and %4 are options, %2 the program&apos;s name, %3 PATH; &quot;line N&quot; as the program&apos;s own message says it. Wrap at 80 columns.</extracomment>
        <translation>%1 を指定すると、すべてのファイル（と標準入力）が代わりに表として扱われ、
各レコードのその列のフィールドがリストファイルの 1 行として読み込まれます。
タブ以外の区切り文字では、CSV（RFC 4180）と同じようにフィールドを引用符で
囲めます。フィールドが足りないレコードは、
「%2: %3: N 行目: ...」と報告されてスキップされます。
%1 は %4 と同時に指定できません。</translation>
    </message>
    <message>
        <source>each line of %1 is one entry, verbatim, as if typed
(standard input when %1 is absent or &apos;%2&apos;); no %3s</source>
        <extracomment>Options&apos; descriptions start at column 21 (column 20 in the window&apos;s help); wrap them at 80 columns. %1 is FILE, %2 the name &apos;-&apos; for standard input, %3 PATH.</extracomment>
        <translation>%1 の各行を、入力したとおりにそのまま 1 つの項目として
読み込む（%1 がないか「%2」のときは標準入力）。
%3 は指定できない</translation>
    </message>
    <message>
        <source>read column %1 (from 1) of table files, or the column
whose header cell is %2 (needs %3)</source>
        <extracomment>%1 and %2 are the argument words N and NAME, %3 an option.</extracomment>
        <translation>表ファイルの %1 列目（1 から数える）、またはヘッダーの
セルが %2 である列を読み込む（%3 が必要）</translation>
    </message>
    <message>
        <source>the character between fields (default: tab; &apos;%1&apos; for a
tab); with %2</source>
        <extracomment>%1 is a backslash and the letter t (a tab), %2 an option.</extracomment>
        <translation>フィールド間の区切り文字（既定: タブ。タブは「%1」でも
指定できる）。%2 と一緒に使う</translation>
    </message>
    <message>
        <source>the first line names the columns and is skipped;
with %1</source>
        <translation>先頭行は列の名前を表し、スキップされる。
%1 と一緒に使う</translation>
    </message>
    <message>
        <source>sample variance and deviations (the default)</source>
        <translation>標本の分散と偏差（既定）</translation>
    </message>
    <message>
        <source>population variance and deviations</source>
        <translation>母集団の分散と偏差</translation>
    </message>
    <message>
        <source>decimal places, as typed in the window, at most 10
(default 3, and every digit in %1 and %2)</source>
        <extracomment>%1 and %2 are the formats tsv and json.</extracomment>
        <translation>小数点以下の桁数（ウィンドウで入力するのと同じ）、最大 10
（既定は 3。%1 と %2 ではすべての桁）</translation>
    </message>
    <message>
        <source>show all decimals as the window does (a value its ten
decimals would show as 0 or with fewer than four
significant digits with 15); every digit in %1 and
%2 (%3 is ignored)</source>
        <extracomment>%1 and %2 are the formats tsv and json, %3 an option.</extracomment>
        <translation>ウィンドウと同じようにすべての桁を表示する（小数点以下
10 桁では 0 になる値や、有効数字が 4 桁未満になる値は
有効数字 15 桁で表示）。%1 と %2 ではすべての桁
（%3 は無視される）</translation>
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
        <translation>%1: ウィンドウに表示されるとおりの行（既定）
%2: 結果 1 行につき「キー&lt;TAB&gt;値」の 1 行
%3: 結果の行をまとめた 1 つのオブジェクト
%2 と %3 は小数点に「.」を使い、各値のすべての桁
（読み戻すと同じ double になる最短の表記）を
書き出す。ただし %4 を指定した場合を除く</translation>
    </message>
    <message>
        <source>the time taken to read and for each row, on standard error</source>
        <translation>読み込みと各行にかかった時間を標準エラー出力に表示する</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>このヘルプを表示して終了する</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>バージョンを表示して終了する</translation>
    </message>
    <message>
        <source>end of the options: every argument after it is a %1</source>
        <extracomment>%1 is PATH.</extracomment>
        <translation>オプションの終わり: これ以降の引数はすべて %1 とみなす</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>%1 and %2 are accepted
too. The keys of %3 and %4: %5, and with %6 %7 (the last two not with %8);
see %9.</source>
        <extracomment>%1 and %2 are options, %3 and %4 format names, %6 and %8 options, %9 the manual page. %5 and %7 are the lists of keys, three lines each as in English: start a line before them when they do not fit. Wrap at 80 columns.</extracomment>
        <translation>%1 と %2 の
形式も使えます。%3 と %4 のキー:
%5、%6 を付けると %7（最後の 2 つは %8 のときは
出力されません）。詳しくは %9 を参照してください。</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>終了ステータス:</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>An exit status&apos;s description: it starts at column 6; wrap at 80 columns.</extracomment>
        <translation>正常終了</translation>
    </message>
    <message>
        <source>no numbers, a path that could not be read, or the output failed
(also a quoted field left open at the end of a table, and with %1
a record with too few fields; the results are still written);
out of memory (&apos;%2: %3&apos;, and no results)</source>
        <extracomment>Starts at column 6; wrap at 80 columns. %1 is an option, %2 the program&apos;s name, %3 its message when out of memory.</extracomment>
        <translation>数値がない、読み込めないパスがある、または出力に失敗した
（表の終わりで引用符付きのフィールドが閉じていない場合や、%1 を
指定していてフィールドが足りないレコードがあった場合も含む。結果は
書き出される）。メモリ不足
（「%2: %3」、結果は書き出されない）</translation>
    </message>
    <message>
        <source>usage error</source>
        <translation>使い方の誤り</translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation>記述統計量を計算するデスクトップ電卓です。</translation>
    </message>
    <message>
        <source>Each %1 is read when the window has opened, in order, exactly as if it had been
dropped on the number list: a file as a list file (one number per line), a folder
with every list file in it and in its sub-folders.</source>
        <extracomment>%1 is PATH, as in the usage line. Wrap the lines at 80 columns.</extracomment>
        <translation>各 %1 は、ウィンドウが開いた後に順番に、数値リストにドロップしたときと
まったく同じように読み込まれます。ファイルはリストファイル（1 行に 1 つの
数値）として読み込まれ、フォルダーはその中とサブフォルダー内のすべての
リストファイルが読み込まれます。</translation>
    </message>
    <message>
        <source>end of the options: every later argument is a %1</source>
        <extracomment>Starts at column 20 as the other options&apos; descriptions do; wrap at 80 columns. %1 is PATH.</extracomment>
        <translation>オプションの終わり: 以降の引数はすべて %1 とみなす</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as %1 or %2, are taken as well.
The method and decimal options are kept in %3
(%4 by default). See %5 and
%6 for the analysis without a window.</source>
        <extracomment>%1 and %2 are Qt&apos;s options, %3 and %4 the settings file, %5 and %6 the manual pages. Wrap the lines at 80 columns.</extracomment>
        <translation>%1 や %2 など、Qt 自身のオプションも使えます。
計算方法と小数の表示の設定は %3
（既定では %4）に保存されます。
ウィンドウを使わない分析については、%5 と
%6 を参照してください。</translation>
    </message>
    <message>
        <source>With several columns (%1 with commas, %2) or with %3,
each column and group is analysed on its own: text writes a block for each,
headed by its name (&apos;weight&apos;, &apos;field 2&apos;, &apos;weight: A&apos;), tsv a line per key with
a value for each, json an array of objects {&quot;column&quot;, &quot;group&quot;, keys...}. One
of no numbers says so in its place, and the exit status is 1.</source>
        <extracomment>%1 to %3 are options. Wrap at 80 columns.</extracomment>
        <translation>複数の列（%1 をカンマ区切りで、%2）または %3 を
指定すると、各列と各グループをそれぞれ分析します。text は列ごとに名前
（「weight」「フィールド 2」「weight: A」）を見出しにしたブロックを書き、
tsv はキーごとに各列の値を並べた 1 行を、json はオブジェクト
{&quot;column&quot;, &quot;group&quot;, キー...} の配列を書きます。数値のない列はその場所で
そう示し、終了ステータスは 1 になります。</translation>
    </message>
    <message>
        <source>several columns, each analysed on its own
(%1 or %2, or the option given again);
a comma and a space belong to a name</source>
        <extracomment>%1 and %2 are examples of the option&apos;s value, kept as they are.</extracomment>
        <translation>複数の列を、それぞれ分析します
（%1 や %2、またはオプションの繰り返し）。
カンマとスペースの組は名前の一部です</translation>
    </message>
    <message>
        <source>every column that holds a number, each on its own
(but the column of %1)</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>数値を含むすべての列を、それぞれ分析します
（%1 の列を除く）</translation>
    </message>
    <message>
        <source>analyse each column&apos;s records by groups: one group
per text of column %1 (a number, or a name with %2),
in the order first met; with %3 or %4</source>
        <extracomment>%1 is the argument word COL, %2 to %4 options.</extracomment>
        <translation>各列のレコードをグループごとに分析します。
列 %1（番号、または %2 付きで名前）の
テキストごとに 1 グループ、最初に現れた順。
%3 または %4 と共に使います</translation>
    </message>
    <message>
        <source>the sheet of spreadsheets (.ods, .xlsx) to read: its
number %1 from 1 or its name (default: the first);
with %2</source>
        <extracomment>%1 is the argument word N, %2 an option.</extracomment>
        <translation>読み込むスプレッドシート（.ods、.xlsx）のシート。
1 から数えた番号 %1 または名前（既定: 最初）。
%2 と共に使います</translation>
    </message>
    <message>
        <source>with %1: exit status 1 when a record had too few
fields for a column (or for that of %2); with
several columns, such records are told only then,
and the fields they have are read</source>
        <extracomment>%1 and %2 are options.</extracomment>
        <translation>%1 を付けると、列（または %2 の列）に対して
フィールドが足りないレコードがあれば終了ステータス 1。
複数の列では、そのようなレコードはこのときだけ報告され、
あるフィールドは読み込まれます</translation>
    </message>
    <message>
        <source>after the twelve rows: the minimum, maximum, range,
quartiles, interquartile range, kurtosis, standard
error of the mean and (sample only) the mean&apos;s 95 %
confidence interval, rounded as the mean is; then the
geometric, harmonic and trimmed mean, the median
absolute deviation (raw and times 1.4826) and the
median&apos;s confidence interval with its actual coverage</source>
        <translation>12 行の後に、最小値、最大値、範囲、四分位数、
四分位範囲、尖度、平均値の標準誤差、（標本の
ときのみ）平均値の 95 % 信頼区間を平均値と同じ
桁に丸めて出力し、続いて幾何平均、調和平均、
トリム平均、中央絶対偏差（そのままの値と
1.4826 倍の値）、中央値の信頼区間とその実際の
被覆率を出力します</translation>
    </message>
    <message>
        <source>the level of both confidence intervals, in percent,
from 50 to 99.9 (default 95); with %1</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>両方の信頼区間の水準（パーセント、50 から
99.9 まで、既定値 95）。%1 と共に</translation>
    </message>
    <message>
        <source>the share the trimmed mean cuts from each end, at
least 0 and below 0.5 (default 0.05); with %1</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>トリム平均が両端からそれぞれ切り捨てる割合
（0 以上 0.5 未満、既定値 0.05）。%1 と共に</translation>
    </message>
    <message>
        <source>a row for each percentile from 0 to 100 (%1, or
%2), by the method of %3</source>
        <extracomment>%1 and %2 are examples of the option&apos;s value, kept as they are; %3 an option.</extracomment>
        <translation>0 から 100 までの各パーセンタイルの行（%1、
または %2）。方法は %3 で決まります</translation>
    </message>
    <message>
        <source>how percentiles and quartiles are placed: R&apos;s type
1 to 9, or its name (%1, the default, is type 7;
%2 is type 6); a row names the method</source>
        <extracomment>%1 and %2 are method names, kept as they are.</extracomment>
        <translation>パーセンタイルと四分位数の求め方: R の型 1 から
9、またはその名前（%1 は既定値で型 7、
%2 は型 6）。方法を示す行が付きます</translation>
    </message>
    <message>
        <source>Shapiro-Wilk&apos;s W (3 to 5000 numbers) and D&apos;Agostino
and Pearson&apos;s K², each with its p-value and a plain
reading at the 5 % level</source>
        <translation>Shapiro-Wilk の W（3 から 5000 個の数値）と
D&apos;Agostino と Pearson の K²。それぞれの p 値と、
有意水準 5 % での簡単な判定を付けます</translation>
    </message>
    <message>
        <source>after the rows, how many numbers there are of each
value (up to 50 values) or in each bin of a
histogram, in percent and cumulated</source>
        <translation>行の後に、各値（50 種類まで）またはヒストグラムの
各ビンに含まれる数値の個数を、パーセントと
累積で出力します</translation>
    </message>
    <message>
        <source>After them, with %1: %2;
with %3: %4;
with %5: %6;
with %7: %8.
At a level other than 95 %, ci95_low and ci95_high are ciLEVEL_low and
ciLEVEL_high.</source>
        <extracomment>%1, %3, %5 and %7 are options, %2, %4, %6 and %8 lists of keys (LEVEL and P stand for the figures given, as in ci90_low and p97.5). Wrap at 80 columns.</extracomment>
        <translation>その後に、%1 では %2、
%3 では %4、
%5 では %6、
%7 では %8
が続きます。
水準が 95 % 以外のとき、ci95_low と ci95_high は ciLEVEL_low と
ciLEVEL_high になります。</translation>
    </message>
    <message>
        <source>the encoding of delimited text: %1,
%2 or %3
(default: each file&apos;s by its first bytes, as the
window&apos;s table dialog chooses it); with %4</source>
        <extracomment>%1 to %3 are the encodings&apos; names, %4 an option.</extracomment>
        <translation>区切りテキストの文字コード: %1、
%2、%3
（既定: ファイルごとに先頭のバイトから、ウィンドウの
表のダイアログと同じように選ぶ）。%4 と一緒に使う</translation>
    </message>
</context>
<context>
    <name>ComparePicture</name>
    <message>
        <source>no numbers</source>
        <translation>数値なし</translation>
    </message>
    <message>
        <source>No list has numbers.</source>
        <translation>どのリストにも数値がありません。</translation>
    </message>
    <message>
        <source>Box plots on one axis.</source>
        <translation>1 本の軸上の箱ひげ図。</translation>
    </message>
    <message>
        <source>Histograms and box plots over one span.</source>
        <translation>同じ範囲にわたるヒストグラムと箱ひげ図。</translation>
    </message>
    <message>
        <source>%1: no numbers.</source>
        <translation>%1: 数値なし。</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, first quartile %4, median %5, third quartile %6.</source>
        <translation>%1: %2 から %3 まで、第1四分位数 %4、中央値 %5、第3四分位数 %6。</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>比較</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Box plots</source>
        <translation>箱ひげ図</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>列 %1</translation>
    </message>
    <message>
        <source>Compare — Tallowmere</source>
        <translation>比較 — Tallowmere</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Excel ブック (*.xlsx)</translation>
    </message>
    <message>
        <source>The number list is busy. Send the numbers again when the work in hand has finished.</source>
        <translation>数値リストは処理中です。現在の処理が終わってから、もう一度数値を送ってください。</translation>
    </message>
</context>
<context>
    <name>CompareWorkbook</name>
    <message>
        <source>the workbook could not be made</source>
        <translation>ブックを作成できませんでした</translation>
    </message>
    <message>
        <source>this build cannot write workbook files</source>
        <translation>このビルドはブックのファイルを書き出せません</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Application Error</source>
        <translation>アプリケーションエラー</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.ods *.xlsx)</source>
        <translation>表 (*.csv *.tsv *.ods *.xlsx)</translation>
    </message>
</context>
<context>
    <name>DistributionLink</name>
    <message>
        <source>No analysis has been run yet. Run one now and show the distribution of its numbers?</source>
        <translation>まだ分析を実行していません。今すぐ実行して、その数値の分布を表示しますか？</translation>
    </message>
</context>
<context>
    <name>DistributionPicture</name>
    <message>
        <source>No numbers analysed yet.</source>
        <translation>まだ数値を分析していません。</translation>
    </message>
    <message>
        <source>%1 beyond</source>
        <translation>範囲外 %1</translation>
    </message>
    <message>
        <source>Numbers per bin (%1 bins)</source>
        <translation>ビンごとの個数（%1 ビン）</translation>
    </message>
    <message>
        <source>Normal curve</source>
        <translation>正規曲線</translation>
    </message>
    <message>
        <source>Mean %1</source>
        <translation>平均値 %1</translation>
    </message>
    <message>
        <source>Median %1</source>
        <translation>中央値 %1</translation>
    </message>
    <message numerus="yes">
        <source>Histogram and box plot of %1 numbers from %2 to %3; first quartile %4, median %5, third quartile %6.</source>
        <translation>
            <numerusform>%2 から %3 までの %1 個の数値のヒストグラムと箱ひげ図。第1四分位数 %4、中央値 %5、第3四分位数 %6。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %1 values lie beyond the whiskers.</source>
        <translation>
            <numerusform> %1 個の値がひげの外側にあります。</numerusform>
        </translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>分布</translation>
    </message>
    <message>
        <source>the drawing failed</source>
        <translation>描画に失敗しました</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>画像をエンコードできませんでした</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>個数</translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers</source>
        <translation>
            <numerusform>%1 個</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>%1 から %2: %3</translation>
    </message>
    <message numerus="yes">
        <source> %1 bins: </source>
        <translation>
            <numerusform> ビン %1 個: </numerusform>
        </translation>
    </message>
    <message>
        <source>the fullest %1.</source>
        <translation>最も多いのは %1。</translation>
    </message>
    <message>
        <source> The histogram leaves them out.</source>
        <translation> ヒストグラムではそれらを除いています。</translation>
    </message>
</context>
<context>
    <name>DistributionRows</name>
    <message>
        <source>%1st percentile</source>
        <translation>%1 パーセンタイル</translation>
    </message>
    <message>
        <source>%1nd percentile</source>
        <translation>%1 パーセンタイル</translation>
    </message>
    <message>
        <source>%1rd percentile</source>
        <translation>%1 パーセンタイル</translation>
    </message>
    <message>
        <source>%1th percentile</source>
        <translation>%1 パーセンタイル</translation>
    </message>
    <message>
        <source>%1 % confidence interval, low</source>
        <translation>%1% 信頼区間の下限</translation>
    </message>
    <message>
        <source>%1 % confidence interval, high</source>
        <translation>%1% 信頼区間の上限</translation>
    </message>
    <message>
        <source>Geometric mean</source>
        <translation>幾何平均</translation>
    </message>
    <message>
        <source>Harmonic mean</source>
        <translation>調和平均</translation>
    </message>
    <message>
        <source>%1 % trimmed mean</source>
        <translation>%1% トリム平均</translation>
    </message>
    <message>
        <source>Median absolute deviation</source>
        <translation>中央絶対偏差</translation>
    </message>
    <message>
        <source>Scaled median absolute deviation</source>
        <translation>尺度調整した中央絶対偏差</translation>
    </message>
    <message>
        <source>Median&apos;s %1 % confidence interval, low</source>
        <translation>中央値の %1% 信頼区間の下限</translation>
    </message>
    <message>
        <source>Median&apos;s %1 % confidence interval, high</source>
        <translation>中央値の %1% 信頼区間の上限</translation>
    </message>
    <message>
        <source>Median interval&apos;s actual coverage</source>
        <translation>中央値の区間の実際の被覆率</translation>
    </message>
    <message>
        <source>Quantile method</source>
        <translation>分位数の方法</translation>
    </message>
</context>
<context>
    <name>DistributionSheet</name>
    <message numerus="yes">
        <source>Distribution of %1 numbers</source>
        <translation>
            <numerusform>%1 個の数値の分布</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DistributionSource</name>
    <message>
        <source>Count</source>
        <translation>個数</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均値</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>標準偏差</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>最小値</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>最大値</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>範囲</translation>
    </message>
    <message>
        <source>First quartile</source>
        <translation>第1四分位数</translation>
    </message>
    <message>
        <source>Third quartile</source>
        <translation>第3四分位数</translation>
    </message>
    <message>
        <source>Interquartile range</source>
        <translation>四分位範囲</translation>
    </message>
    <message>
        <source>Kurtosis</source>
        <translation>尖度</translation>
    </message>
    <message>
        <source>Standard error of the mean</source>
        <translation>平均値の標準誤差</translation>
    </message>
    <message>
        <source>95 % confidence interval, low</source>
        <translation>95% 信頼区間の下限</translation>
    </message>
    <message>
        <source>95 % confidence interval, high</source>
        <translation>95% 信頼区間の上限</translation>
    </message>
</context>
<context>
    <name>DistributionWindow</name>
    <message>
        <source>Distribution picture</source>
        <translation>分布図</translation>
    </message>
    <message>
        <source>Distribution — Tallowmere</source>
        <translation>分布 — Tallowmere</translation>
    </message>
    <message>
        <source>The number list has changed since this analysis. Press Start Analysis to show it as it is now.</source>
        <translation>この分析の後で数値リストが変更されました。現在のリストを表示するには「分析を開始」を押してください。</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG 画像 (*.svg)</translation>
    </message>
</context>
<context>
    <name>DropFiles</name>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
</context>
<context>
    <name>DropProgress</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Collecting folders: %1</source>
        <translation>フォルダーを収集中: %1</translation>
    </message>
    <message>
        <source>Collecting files: %1</source>
        <translation>ファイルを収集中: %1</translation>
    </message>
    <message>
        <source>Reading files: %1 of %2</source>
        <translation>ファイルを読み込み中: %1 / %2</translation>
    </message>
    <message>
        <source>Reading the text: %1%</source>
        <translation>テキストを読み込み中: %1%</translation>
    </message>
    <message>
        <source>%1 — Esc to stop</source>
        <translation>%1 — Esc で中止</translation>
    </message>
    <message>
        <source>part-way through file %1 of %2</source>
        <translation>%2 個中 %1 個目のファイルの途中で</translation>
    </message>
    <message>
        <source>after %1 of %2</source>
        <translation>%2 個中 %1 個を読み込んだ後で</translation>
    </message>
    <message>
        <source>Loading was stopped %1.</source>
        <translation>%1、読み込みを中止しました。</translation>
    </message>
    <message>
        <source>The drop was stopped %1.</source>
        <translation>%1、ドロップを中止しました。</translation>
    </message>
    <message>
        <source>no files were read</source>
        <translation>ファイルは 1 つも読み込まれていません</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were read</source>
        <translation>
            <numerusform>%1 個のファイルを読み込みました</numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped while collecting folders; %1.</source>
        <translation>フォルダーの収集中にドロップを中止しました。%1。</translation>
    </message>
    <message>
        <source>The drop was stopped while collecting files; %1.</source>
        <translation>ファイルの収集中にドロップを中止しました。%1。</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>このメッセージのスクリーンショットを次の宛先にメールで送ってください: </translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Results have been copied to the clipboard.<byte value="xd"/><byte value="xd"/>Click a text area where you normally type and press Ctrl+V to paste the clipboard.</source>
        <translation>結果をクリップボードにコピーしました。<byte value="xd"/><byte value="xd"/>普段文字を入力する場所をクリックし、Ctrl+V を押すとクリップボードの内容を貼り付けられます。</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this software without error.</source>
        <translation>このコンピューターには Excel がインストールされていません。このソフトウェアをエラーなしで使うには、Excel がインストールされている必要があります。</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this feature.</source>
        <translation>このコンピューターには Excel がインストールされていません。この機能を使うには、Excel がインストールされている必要があります。</translation>
    </message>
    <message>
        <source>No result lines are ticked. Tick the lines to export, or press Ctrl+A in the results list to tick them all.</source>
        <translation>チェックの入った結果の行がありません。エクスポートする行にチェックを入れるか、結果リストで Ctrl+A を押してすべてにチェックを入れてください。</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>The file changed while it was read</source>
        <translation>読み込み中にファイルが変更されました</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Paste Numbers</source>
        <translation>数値を貼り付け</translation>
    </message>
    <message>
        <source>1 folder could not be read and was left out: %1 (%2).</source>
        <translation>1 個のフォルダーを読み込めなかったため除外しました: %1（%2）。</translation>
    </message>
    <message>
        <source>The clipboard could not be read: the program that holds it did not answer.</source>
        <translation>クリップボードを読み取れませんでした。クリップボードを保持しているプログラムが応答しませんでした。</translation>
    </message>
    <message>
        <source>Number list</source>
        <translation>数値リスト</translation>
    </message>
    <message>
        <source>Add Number / Numbers</source>
        <translation>数値を追加</translation>
    </message>
    <message>
        <source>Load Numbers From File</source>
        <translation>ファイルから読み込む</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>リストをクリア</translation>
    </message>
    <message>
        <source>Clear number list</source>
        <translation>数値リストをクリア</translation>
    </message>
    <message>
        <source>Load Sample/Example Numbers</source>
        <translation>サンプルの数値を読み込む</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>計算方法</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>標本</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>母集団</translation>
    </message>
    <message>
        <source>Decimal Options</source>
        <translation>小数の表示</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>桁数:</translation>
    </message>
    <message>
        <source>Decimal places</source>
        <translation>小数点以下の桁数</translation>
    </message>
    <message>
        <source>Decimals shown in the results: pick 1 to 10, step with Up and Down, or type a number.</source>
        <translation>結果に表示する小数点以下の桁数です。1 から 10 を選ぶか、上下の矢印キーで増減するか、数値を入力してください。</translation>
    </message>
    <message>
        <source>Show all decimals</source>
        <translation>すべての桁を表示</translation>
    </message>
    <message>
        <source>Start Analysis</source>
        <translation>分析を開始</translation>
    </message>
    <message>
        <source>Results list</source>
        <translation>結果リスト</translation>
    </message>
    <message>
        <source>Save Results As Text File</source>
        <translation>結果をテキストファイルに保存</translation>
    </message>
    <message>
        <source>Save Results As Excel File</source>
        <translation>結果を Excel ファイルに保存</translation>
    </message>
    <message>
        <source>Copy Results To Clipboard</source>
        <translation>結果をクリップボードにコピー</translation>
    </message>
    <message>
        <source>Clear results list</source>
        <translation>結果リストをクリア</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>ここにファイルをドラッグ＆ドロップしてください。項目をダブルクリックすると削除します。「|」の線を右へ、ウィンドウの外まで動かすと、完全な名前が表示されます。</translation>
    </message>
    <message>
        <source>Tick the results to save or copy: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Move | line to right to read long lines. “Show Distribution…” in the context menu, or Ctrl+D, pictures the numbers.</source>
        <translation>保存またはコピーする結果にチェックを入れてください。Space で現在の行、Ctrl+A ですべての行にチェックを入れ、Ctrl+Shift+A ですべて外します。長い行を読むには「|」の線を右へ動かしてください。コンテキストメニューの「分布を表示…」または Ctrl+D で数値を図示します。</translation>
    </message>
    <message>
        <source>The numbers to analyse. Delete or a double-click removes the selected number; files dropped here add theirs, and so does text dropped or pasted (Ctrl+V).</source>
        <translation>分析する数値です。Delete キーまたはダブルクリックで選択した数値を削除します。ここにドロップしたファイルの数値や、ドロップまたは貼り付け（Ctrl+V）したテキストの数値も追加されます。</translation>
    </message>
    <message numerus="yes">
        <source>Restore the %1 numbers from last time</source>
        <translation>
            <numerusform>前回の %1 個の数値を復元</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %1 numbers from last time were not kept: the list was over 100 MB</source>
        <translation>
            <numerusform>前回の %1 個の数値は保存されませんでした: リストが 100 MB を超えていました</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Table…</source>
        <translation>表を開く…</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation>ここで始まる引用符付きのフィールドがファイルの終わりまでに閉じられていないため、除外します</translation>
    </message>
    <message>
        <source>the dropped table</source>
        <translation>ドロップした表</translation>
    </message>
    <message>
        <source>the pasted table</source>
        <translation>貼り付けた表</translation>
    </message>
</context>
<context>
    <name>Frequencies</name>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>個数</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>パーセント</translation>
    </message>
    <message>
        <source>Cumulative count</source>
        <translation>累積個数</translation>
    </message>
    <message>
        <source>Cumulative percent</source>
        <translation>累積パーセント</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>範囲</translation>
    </message>
    <message>
        <source>Frequencies:</source>
        <translation>度数分布:</translation>
    </message>
</context>
<context>
    <name>FrequencyModel</name>
    <message>
        <source>From</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>To</source>
        <translation>上限</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcuts</name>
    <message>
        <source>Main window</source>
        <translation>メインウィンドウ</translation>
    </message>
    <message>
        <source>Number list</source>
        <translation>数値リスト</translation>
    </message>
    <message>
        <source>Results list</source>
        <translation>結果リスト</translation>
    </message>
    <message>
        <source>Distribution window</source>
        <translation>分布ウィンドウ</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>マニュアル</translation>
    </message>
    <message>
        <source>Open the manual</source>
        <translation>マニュアルを開く</translation>
    </message>
    <message>
        <source>Save Numbers…</source>
        <translation>数値を保存…</translation>
    </message>
    <message>
        <source>Show Distribution…</source>
        <translation>分布を表示…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Open the menu or press the button with that letter</source>
        <translation>その文字のメニューを開く、またはその文字のボタンを押す</translation>
    </message>
    <message>
        <source>Move to the next or the previous control</source>
        <translation>次または前のコントロールに移動</translation>
    </message>
    <message>
        <source>Press the focused button</source>
        <translation>フォーカスのあるボタンを押す</translation>
    </message>
    <message>
        <source>Stop reading dropped, loaded or pasted files</source>
        <translation>ドロップ、読み込み、貼り付けしたファイルの読み込みを中止</translation>
    </message>
    <message>
        <source>Paste Numbers</source>
        <translation>数値を貼り付け</translation>
    </message>
    <message>
        <source>Copy Numbers: the selected entries, or all</source>
        <translation>数値をコピー: 選択した項目、またはすべて</translation>
    </message>
    <message>
        <source>Remove the selected entry</source>
        <translation>選択した項目を削除</translation>
    </message>
    <message>
        <source>Undo the last change of the list</source>
        <translation>リストの最後の変更を元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Open the context menu</source>
        <translation>コンテキストメニューを開く</translation>
    </message>
    <message>
        <source>Tick or untick the current row</source>
        <translation>現在の行のチェックを切り替え</translation>
    </message>
    <message>
        <source>Tick every row</source>
        <translation>すべての行にチェックを入れる</translation>
    </message>
    <message>
        <source>Untick every row</source>
        <translation>すべての行のチェックを外す</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>画像をコピー</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>画像を保存…</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation>マニュアル内を検索</translation>
    </message>
    <message>
        <source>Find the next match</source>
        <translation>次の一致を検索</translation>
    </message>
    <message>
        <source>Find the previous match</source>
        <translation>前の一致を検索</translation>
    </message>
    <message>
        <source>Back and Forward</source>
        <translation>戻る/進む</translation>
    </message>
    <message>
        <source>Close the manual</source>
        <translation>マニュアルを閉じる</translation>
    </message>
    <message>
        <source>underlined letter</source>
        <translation>下線付きの文字</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>機能</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts — Tallowmere</source>
        <translation>キーボードショートカット — Tallowmere</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>File not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>Add Numbers</source>
        <translation>数値の追加</translation>
    </message>
    <message>
        <source>Load Numbers</source>
        <translation>数値の読み込み</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>ドロップ</translation>
    </message>
    <message>
        <source>Sample Numbers</source>
        <translation>サンプルの数値</translation>
    </message>
    <message>
        <source>Move Entry</source>
        <translation>項目の移動</translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation>項目の削除</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>リストのクリア</translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation>数値でない項目の削除</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Restore Numbers</source>
        <translation>数値の復元</translation>
    </message>
    <message>
        <source>Open Table</source>
        <translation>表の読み込み</translation>
    </message>
    <message>
        <source>Send to Number List</source>
        <translation>数値リストへの送信</translation>
    </message>
</context>
<context>
    <name>ListNotice</name>
    <message>
        <source>Notice</source>
        <translation>通知</translation>
    </message>
</context>
<context>
    <name>LoadFilesCommand</name>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>リストを読み込む - 複数のリストファイルを選択するには Ctrl を押したまま選択してください</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Load Numbers From File</source>
        <translation>ファイルから読み込む(&amp;L)</translation>
    </message>
    <message>
        <source>Save &amp;Numbers…</source>
        <translation>数値を保存(&amp;N)…</translation>
    </message>
    <message>
        <source>Save Results As &amp;Text File</source>
        <translation>結果をテキストファイルに保存(&amp;T)</translation>
    </message>
    <message>
        <source>Save Results As &amp;Excel File</source>
        <translation>結果を Excel ファイルに保存(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Paste Numbers</source>
        <translation>数値を貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>C&amp;opy Numbers</source>
        <translation>数値をコピー(&amp;O)</translation>
    </message>
    <message>
        <source>Copy Results To &amp;Clipboard</source>
        <translation>結果をクリップボードにコピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy as T&amp;able</source>
        <translation>表としてコピー(&amp;A)</translation>
    </message>
    <message>
        <source>Remove Entries That Are &amp;Not Numbers</source>
        <translation>数値でない項目を削除(&amp;N)</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>リストをクリア(&amp;L)</translation>
    </message>
    <message>
        <source>Clear Re&amp;sults</source>
        <translation>結果をクリア(&amp;S)</translation>
    </message>
    <message>
        <source>Res&amp;tore Numbers From Last Time</source>
        <translation>前回の数値を復元(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Start Analysis</source>
        <translation>分析を開始(&amp;S)</translation>
    </message>
    <message>
        <source>Sa&amp;mple</source>
        <translation>標本(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Population</source>
        <translation>母集団(&amp;P)</translation>
    </message>
    <message>
        <source>Show all de&amp;cimals</source>
        <translation>すべての桁を表示(&amp;C)</translation>
    </message>
    <message>
        <source>Show &amp;Distribution…</source>
        <translation>分布を表示(&amp;D)…</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>マニュアル(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカット(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;About Tallowmere</source>
        <translation>Tallowmere について(&amp;A)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使ったファイルを開く(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>分析(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>The window</source>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>Tallowmere collects numbers in a list and computes twelve descriptive statistics of them: the number of entries, the sum, the sum squared, the sum of squares, the mode, the median, the mean, the variance, the skew, the average deviation, the standard deviation and the coefficient of variation.</source>
        <translation>Tallowmere は数値をリストに集め、データの個数、合計、合計の二乗、二乗和、最頻値、中央値、平均値、分散、歪度、平均偏差、標準偏差、変動係数の 12 個の記述統計量を計算します。</translation>
    </message>
    <message>
        <source>The window after Load Sample/Example Numbers and Start Analysis</source>
        <translation>「サンプルの数値を読み込む」と「分析を開始」の後のウィンドウ</translation>
    </message>
    <message>
        <source>The number list is at the top, the results list below it. From top to bottom:</source>
        <translation>上に数値リスト、その下に結果リストがあります。上から順に：</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Number / Numbers&lt;/b&gt; asks for one number or a series separated by commas.</source>
        <translation>&lt;b&gt;数値を追加&lt;/b&gt; では、1 つの数値、またはコンマで区切った複数の数値を入力します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Numbers From File&lt;/b&gt; reads one or several list files.</source>
        <translation>&lt;b&gt;ファイルから読み込む&lt;/b&gt; は、1 つまたは複数のリストファイルを読み込みます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear List&lt;/b&gt; beside it empties the number list.</source>
        <translation>その横の &lt;b&gt;リストをクリア&lt;/b&gt; は、数値リストを空にします。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed sample series.</source>
        <translation>&lt;b&gt;サンプルの数値を読み込む&lt;/b&gt; は、決まったサンプルの数値列を追加します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sample&lt;/b&gt; and &lt;b&gt;Population&lt;/b&gt; choose how the variance is computed.</source>
        <translation>&lt;b&gt;標本&lt;/b&gt; と &lt;b&gt;母集団&lt;/b&gt; で、分散の計算方法を選びます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Decimal places&lt;/b&gt; and &lt;b&gt;Show all decimals&lt;/b&gt; choose how the last six results are rounded.</source>
        <translation>&lt;b&gt;桁数&lt;/b&gt; と &lt;b&gt;すべての桁を表示&lt;/b&gt; で、最後の 6 つの結果の丸め方を選びます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; fills the results list.</source>
        <translation>&lt;b&gt;分析を開始&lt;/b&gt; で、結果リストに結果が表示されます。</translation>
    </message>
    <message>
        <source>The four buttons at the bottom export the ticked results, and the last &lt;b&gt;Clear List&lt;/b&gt; empties the results list.</source>
        <translation>下部の 4 つのボタンはチェックを入れた結果をエクスポートし、最後の &lt;b&gt;リストをクリア&lt;/b&gt; は結果リストを空にします。</translation>
    </message>
    <message>
        <source>Filling the number list</source>
        <translation>数値リストへの入力</translation>
    </message>
    <message>
        <source>Typing: press &lt;b&gt;Add Number / Numbers&lt;/b&gt; and type a number, or several separated by commas.</source>
        <translation>入力：&lt;b&gt;数値を追加&lt;/b&gt; を押して、数値を 1 つ、またはコンマで区切って複数入力します。</translation>
    </message>
    <message>
        <source>Files: &lt;b&gt;Load Numbers From File&lt;/b&gt; reads list files, plain text with one number per line; lines that are not numbers are skipped.</source>
        <translation>ファイル：&lt;b&gt;ファイルから読み込む&lt;/b&gt; は、リストファイル（1 行に 1 つの数値を書いたプレーンテキスト）を読み込みます。数値でない行はスキップされます。</translation>
    </message>
    <message>
        <source>Drops: drop list files, or folders whose list files are all read, on the number list. Esc stops a long drop.</source>
        <translation>ドロップ：リストファイル、またはフォルダー（中のリストファイルがすべて読み込まれます）を数値リストにドロップします。時間のかかるドロップは Esc で中止できます。</translation>
    </message>
    <message>
        <source>Paste: Ctrl+V, Shift+Insert or &lt;b&gt;Paste Numbers&lt;/b&gt; add the numbers of the clipboard, such as a column or a block of cells copied from a spreadsheet.</source>
        <translation>貼り付け：Ctrl+V、Shift+Insert、または &lt;b&gt;数値を貼り付け&lt;/b&gt; で、スプレッドシートからコピーした列やセル範囲など、クリップボードの数値を追加します。</translation>
    </message>
    <message>
        <source>Sample: &lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed series to try the program with.</source>
        <translation>サンプル：&lt;b&gt;サンプルの数値を読み込む&lt;/b&gt; で、プログラムを試すための決まった数値列を追加します。</translation>
    </message>
    <message>
        <source>A number is written with the decimal and grouping separators of your regional format, or as a plain number with a point, which every format reads.</source>
        <translation>数値は、地域の書式の小数点と桁区切り記号を使って書くか、どの書式でも読めるピリオドを小数点とした単純な数値として書きます。</translation>
    </message>
    <message>
        <source>After each addition a short notice over the bottom of the list says how many numbers were added and how many lines were not numbers.</source>
        <translation>追加するたびに、リストの下部に短い通知が表示され、追加された数値の個数と数値でなかった行の数を知らせます。</translation>
    </message>
    <message>
        <source>Double-click an entry to remove it, or select it and press Delete; drag an entry onto another to swap them. Ctrl+Z undoes the last change of the list and Ctrl+Shift+Z or Ctrl+Y does it again; the last 100 changes can be undone.</source>
        <translation>項目をダブルクリックするか、選択して Delete を押すと削除します。項目を別の項目の上にドラッグすると入れ替わります。Ctrl+Z でリストの最後の変更を元に戻し、Ctrl+Shift+Z または Ctrl+Y でやり直します。最大 100 回までの変更を元に戻せます。</translation>
    </message>
    <message>
        <source>The analysis and its options</source>
        <translation>分析とオプション</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; computes the twelve results of the numbers in the list.</source>
        <translation>&lt;b&gt;分析を開始&lt;/b&gt; は、リスト内の数値から 12 個の結果を計算します。</translation>
    </message>
    <message>
        <source>With &lt;b&gt;Sample&lt;/b&gt; the variance is the sum of the squared deviations from the mean divided by the count less one; with &lt;b&gt;Population&lt;/b&gt; it is divided by the count. The standard deviation, the skew and the coefficient of variation follow it.</source>
        <translation>&lt;b&gt;標本&lt;/b&gt; では、分散は平均値からの偏差の二乗和を個数から 1 を引いた値で割ったものです。&lt;b&gt;母集団&lt;/b&gt; では個数で割ります。標準偏差、歪度、変動係数はこれに従います。</translation>
    </message>
    <message>
        <source>The last six results are rounded to 1 to 10 decimal places, or shown with all ten decimals; a value those would show as 0 or with fewer than four significant digits is shown with 15 significant digits instead.</source>
        <translation>最後の 6 つの結果は、小数点以下 1 〜 10 桁に丸めるか、10 桁すべてで表示します。それでは 0 になる値や、有効数字が 4 桁未満になる値は、代わりに有効数字 15 桁で表示します。</translation>
    </message>
    <message>
        <source>The options are remembered from one start to the next.</source>
        <translation>オプションは次回の起動時にも引き継がれます。</translation>
    </message>
    <message>
        <source>Exporting the results</source>
        <translation>結果のエクスポート</translation>
    </message>
    <message>
        <source>Tick the results to export: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Then:</source>
        <translation>エクスポートする結果にチェックを入れます。Space で現在の行、Ctrl+A ですべての行にチェックを入れ、Ctrl+Shift+A ですべて外します。その後：</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Text File&lt;/b&gt; writes them in padded columns.</source>
        <translation>&lt;b&gt;結果をテキストファイルに保存&lt;/b&gt; は、結果を桁をそろえた列で書き出します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy Results To Clipboard&lt;/b&gt; copies them as text.</source>
        <translation>&lt;b&gt;結果をクリップボードにコピー&lt;/b&gt; は、結果をテキストとしてコピーします。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Excel File&lt;/b&gt; opens them in a new spreadsheet workbook, which needs LibreOffice Calc.</source>
        <translation>&lt;b&gt;結果を Excel ファイルに保存&lt;/b&gt; は、結果を新しいスプレッドシートのブックで開きます。これには LibreOffice Calc が必要です。</translation>
    </message>
    <message>
        <source>With no result ticked, each of the three only says so. &lt;b&gt;Copy as Table&lt;/b&gt; in the results list&apos;s context menu copies the ticked lines, or all, as label and value separated by a tab, ready to paste into a spreadsheet.</source>
        <translation>チェックの入った結果がない場合、3 つのどれもその旨を知らせるだけです。結果リストのコンテキストメニューの &lt;b&gt;表としてコピー&lt;/b&gt; は、チェックの入った行（なければすべての行）を、ラベルと値をタブで区切ってコピーします。そのままスプレッドシートに貼り付けられます。</translation>
    </message>
    <message>
        <source>The distribution window</source>
        <translation>分布ウィンドウ</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Distribution…&lt;/b&gt; (Ctrl+D, or either list&apos;s context menu) opens a window of its own with a picture of the last analysis&apos;s numbers and a table of their spread.</source>
        <translation>&lt;b&gt;分布を表示…&lt;/b&gt;（Ctrl+D、またはどちらかのリストのコンテキストメニュー）は、最後の分析の数値の図とその散らばりの表を示す専用のウィンドウを開きます。</translation>
    </message>
    <message>
        <source>The distribution window of the sample series</source>
        <translation>サンプルの数値列の分布ウィンドウ</translation>
    </message>
    <message>
        <source>The picture shows a histogram, the normal curve of the mean and the standard deviation, the mean and the median marked, and a box plot on the same axis.</source>
        <translation>図には、ヒストグラム、平均値と標準偏差による正規曲線、平均値と中央値の印、そして同じ軸上の箱ひげ図が表示されます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Bins&lt;/b&gt; sets the number of bars from 1 to 500, or leaves it to the program. &lt;b&gt;Copy Picture&lt;/b&gt; (Ctrl+C) copies the picture as an image, &lt;b&gt;Save Picture…&lt;/b&gt; (Ctrl+S) saves it as PNG or SVG, and Esc closes the window.</source>
        <translation>&lt;b&gt;ビン数&lt;/b&gt; は棒の数を 1 〜 500 の範囲で設定するか、プログラムに任せます。&lt;b&gt;画像をコピー&lt;/b&gt;（Ctrl+C）は図を画像としてコピーし、&lt;b&gt;画像を保存…&lt;/b&gt;（Ctrl+S）は PNG または SVG として保存します。Esc でウィンドウを閉じます。</translation>
    </message>
    <message>
        <source>The window follows each new analysis and says when the number list has changed since the one it shows.</source>
        <translation>ウィンドウは新しい分析のたびに更新され、表示中の分析の後で数値リストが変更されるとその旨を知らせます。</translation>
    </message>
    <message>
        <source>The menu bar</source>
        <translation>メニューバー</translation>
    </message>
    <message>
        <source>The menus hold every command of the buttons and context menus; each item does exactly what its button does.</source>
        <translation>メニューには、ボタンとコンテキストメニューのすべてのコマンドがあります。各項目は、対応するボタンとまったく同じ動作をします。</translation>
    </message>
    <message>
        <source>&lt;b&gt;File&lt;/b&gt;: loading and saving numbers, recent files, saving the results, and Quit (Ctrl+Q).</source>
        <translation>&lt;b&gt;ファイル&lt;/b&gt;：数値の読み込みと保存、最近使ったファイル、結果の保存、終了（Ctrl+Q）。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt;: undo and redo, pasting and copying numbers, copying the results, and clearing the lists.</source>
        <translation>&lt;b&gt;編集&lt;/b&gt;：元に戻す・やり直し、数値の貼り付けとコピー、結果のコピー、リストのクリア。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Analysis&lt;/b&gt;: Start Analysis, the method, Show all decimals and Show Distribution….</source>
        <translation>&lt;b&gt;分析&lt;/b&gt;：分析を開始、計算方法、すべての桁を表示、分布を表示…。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt;: this manual (F1), the keyboard shortcuts, and About Tallowmere.</source>
        <translation>&lt;b&gt;ヘルプ&lt;/b&gt;：このマニュアル（F1）、キーボードショートカット、Tallowmere について。</translation>
    </message>
    <message>
        <source>Alt with the underlined letter of a menu, button or option reaches it from the keyboard. The window can be enlarged: the two lists take the extra room, and the size is remembered.</source>
        <translation>Alt とメニュー、ボタン、オプションの下線付きの文字を押すと、キーボードからそれを選べます。ウィンドウは拡大でき、広がった分は 2 つのリストが使います。サイズは記憶されます。</translation>
    </message>
    <message>
        <source>Keeping your numbers</source>
        <translation>数値の保存</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Numbers…&lt;/b&gt; (Ctrl+S) writes the number list as a list file, one entry per line, exactly as the entries read; &lt;b&gt;Load Numbers From File&lt;/b&gt; reads it back. &lt;b&gt;Copy Numbers&lt;/b&gt; (Ctrl+C in the number list) copies the selected entries, or all when none is selected, one per line.</source>
        <translation>&lt;b&gt;数値を保存…&lt;/b&gt;（Ctrl+S）は、数値リストを、1 行に 1 項目ずつ、入力されたとおりにリストファイルとして書き出します。&lt;b&gt;ファイルから読み込む&lt;/b&gt; で読み戻せます。&lt;b&gt;数値をコピー&lt;/b&gt;（数値リストで Ctrl+C）は、選択した項目（何も選択していなければすべて）を 1 行に 1 つずつコピーします。</translation>
    </message>
    <message>
        <source>When the window closes, the number list is kept. The next start begins with an empty list, as always, and offers over it to restore the numbers from last time: one click brings them back, and Ctrl+Z takes them away again. The offer goes at the first change of the list. A list over 100 MB is not kept; the next start says so.</source>
        <translation>ウィンドウを閉じても、数値リストは保存されます。次回の起動時はいつもどおり空のリストで始まり、その上に前回の数値を復元する案内が表示されます。1 回クリックすると数値が戻り、Ctrl+Z で再び取り除けます。この案内はリストを最初に変更した時点で消えます。100 MB を超えるリストは保存されず、次回の起動時にその旨が表示されます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;File → Open Recent&lt;/b&gt; lists the last eight list files read or saved.</source>
        <translation>&lt;b&gt;ファイル → 最近使ったファイルを開く&lt;/b&gt; には、最後に読み込んだか保存した 8 個のリストファイルが表示されます。</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>The program speaks the language of your desktop: English, German, French, Spanish, Italian, Brazilian Portuguese, Dutch, Polish or Japanese. The result rows and the three exports use it too.</source>
        <translation>このプログラムはデスクトップの言語で表示されます：英語、ドイツ語、フランス語、スペイン語、イタリア語、ブラジルポルトガル語、オランダ語、ポーランド語、日本語。結果の行と 3 つのエクスポートもその言語になります。</translation>
    </message>
    <message>
        <source>The language is chosen by &lt;code&gt;LANGUAGE&lt;/code&gt;, &lt;code&gt;LC_ALL&lt;/code&gt;, &lt;code&gt;LC_MESSAGES&lt;/code&gt; or &lt;code&gt;LANG&lt;/code&gt;, as in other desktop programs; the format of numbers follows &lt;code&gt;LC_NUMERIC&lt;/code&gt; on its own. So &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; gives English words with German numbers.</source>
        <translation>言語は、他のデスクトッププログラムと同様に &lt;code&gt;LANGUAGE&lt;/code&gt;、&lt;code&gt;LC_ALL&lt;/code&gt;、&lt;code&gt;LC_MESSAGES&lt;/code&gt;、&lt;code&gt;LANG&lt;/code&gt; で選ばれます。数値の書式はそれとは別に &lt;code&gt;LC_NUMERIC&lt;/code&gt; に従います。そのため &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; とすると、英語の文言とドイツ語の数値書式になります。</translation>
    </message>
    <message>
        <source>The tallowmere command</source>
        <translation>tallowmere コマンド</translation>
    </message>
    <message>
        <source>Opens the window and reads each path, in the order given, as if all of them had been dropped on the number list together: a file as a list file, a folder with all its sub-folders. A file manager&apos;s Open With uses this.</source>
        <translation>ウィンドウを開き、各パスを指定した順に、すべてをまとめて数値リストにドロップしたかのように読み込みます。ファイルはリストファイルとして、フォルダーはすべてのサブフォルダーを含めて読み込みます。ファイルマネージャーの「アプリケーションで開く」はこれを使います。</translation>
    </message>
    <message>
        <source>Prints a short help text and exits.</source>
        <translation>短いヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Prints the version and exits.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Ends the options: every later argument is a path.</source>
        <translation>オプションの終わりを示します。これ以降の引数はすべてパスです。</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as &lt;code&gt;-platform&lt;/code&gt; and &lt;code&gt;-style&lt;/code&gt;, are taken as well. The exit status is 0, or 2 after an unknown option.</source>
        <translation>&lt;code&gt;-platform&lt;/code&gt; や &lt;code&gt;-style&lt;/code&gt; など、Qt 自身のオプションも使えます。終了ステータスは 0 で、不明なオプションがあった場合は 2 です。</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>The options of the window are kept in &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt;, section &lt;code&gt;[Tallowmere]&lt;/code&gt;, written the moment they change. The number list kept at close is in &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt;. The program writes nothing else but the files you name, the clipboard and new spreadsheet workbooks.</source>
        <translation>ウィンドウのオプションは &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt; の &lt;code&gt;[Tallowmere]&lt;/code&gt; セクションに、変更した時点で書き込まれます。終了時に保存される数値リストは &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt; にあります。このプログラムは、指定したファイル、クリップボード、新しいスプレッドシートのブック以外には何も書き込みません。</translation>
    </message>
    <message>
        <source>The tallowmere-analyse command</source>
        <translation>tallowmere-analyse コマンド</translation>
    </message>
    <message>
        <source>&lt;code&gt;tallowmere-analyse&lt;/code&gt; runs the analysis of the window without a window and writes its twelve results to standard output, for scripts. Each path is read as the window reads a dropped one; &lt;code&gt;-&lt;/code&gt;, or no path at all, is standard input.</source>
        <translation>&lt;code&gt;tallowmere-analyse&lt;/code&gt; は、ウィンドウと同じ分析をウィンドウなしで実行し、12 個の結果を標準出力に書き出します。スクリプト向けです。各パスは、ウィンドウがドロップされたパスを読むのと同じように読み込まれます。&lt;code&gt;-&lt;/code&gt; またはパスの指定なしは標準入力です。</translation>
    </message>
    <message>
        <source>Reads list files and folders.</source>
        <translation>リストファイルとフォルダーを読み込みます。</translation>
    </message>
    <message>
        <source>Reads each line of the file as one entry, exactly as if typed in the window: a line that is not a number counts as its leading number, or 0.</source>
        <translation>ファイルの各行を、ウィンドウで入力したのとまったく同じように 1 つの項目として読み込みます。数値でない行は、先頭にある数値、または 0 として扱われます。</translation>
    </message>
    <message>
        <source>Reads the files as tables (CSV or TSV) and the numbers of one column: by its number from 1, or with a header line by its name. The delimiter is the tab unless given; with the strict option a record with too few fields makes the exit status 1.</source>
        <translation>ファイルを表（CSV または TSV）として読み込み、1 つの列の数値を読み取ります。列は 1 から始まる番号で、またはヘッダー行があれば名前で指定します。区切り文字は、指定しなければタブです。strict オプションを付けると、フィールドが足りないレコードがあれば終了ステータスが 1 になります。</translation>
    </message>
    <message>
        <source>The method of the variance; a sample is the default.</source>
        <translation>分散の計算方法です。既定は標本です。</translation>
    </message>
    <message>
        <source>The rounding, as in the window; the text format rounds to 3 places by default.</source>
        <translation>丸め方で、ウィンドウと同じです。text 形式は既定で小数点以下 3 桁に丸めます。</translation>
    </message>
    <message>
        <source>Text writes the rows as the window shows them; tsv writes a key and a value per line; json writes one object. Tsv and json write a point as the decimal separator and, unless told otherwise, every digit.</source>
        <translation>text は行をウィンドウと同じように書き出します。tsv は 1 行にキーと値を 1 組ずつ書き出します。json は 1 つのオブジェクトを書き出します。tsv と json は小数点にピリオドを使い、特に指定しない限りすべての桁を書き出します。</translation>
    </message>
    <message>
        <source>Adds the minimum, the maximum, the range, the quartiles, the interquartile range, the kurtosis, the standard error of the mean and, for a sample, the 95 % confidence interval of the mean.</source>
        <translation>最小値、最大値、範囲、四分位数、四分位範囲、尖度、平均値の標準誤差、そして標本の場合は平均値の 95% 信頼区間を追加します。</translation>
    </message>
    <message>
        <source>Prints the help text or the version and exits.</source>
        <translation>ヘルプまたはバージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Messages on standard error and the rows of the text format follow your language, as the window does; the keys of tsv and json and the option names never change.</source>
        <translation>標準エラー出力のメッセージと text 形式の行は、ウィンドウと同じくお使いの言語で表示されます。tsv と json のキーやオプション名は変わりません。</translation>
    </message>
    <message>
        <source>The exit status is 0 when the results were written; 1 when there were no numbers, something could not be read or the results could not be written; 2 when the command line was wrong.</source>
        <translation>終了ステータスは、結果を書き出せた場合は 0、数値がなかった場合、何かを読み込めなかった場合、または結果を書き出せなかった場合は 1、コマンドラインが誤っていた場合は 2 です。</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>例</translation>
    </message>
    <message>
        <source>The results of the third column of a TSV file.</source>
        <translation>TSV ファイルの 3 番目の列の結果。</translation>
    </message>
    <message>
        <source>A column by its name, from a CSV file as a German spreadsheet saves it.</source>
        <translation>ドイツ語のスプレッドシートが保存した CSV ファイルから、名前で指定した列。</translation>
    </message>
    <message>
        <source>Two files with the numbers of standard input between them.</source>
        <translation>間に標準入力の数値を挟んだ 2 つのファイル。</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>Tallowmere Manual</source>
        <translation>Tallowmere マニュアル</translation>
    </message>
    <message>
        <source>Tables and workbooks</source>
        <translation>表とブック</translation>
    </message>
    <message>
        <source>A file of several columns (CSV, TSV, text separated by semicolons as a German spreadsheet saves it) or a workbook (.ods, .xlsx) opens the &lt;b&gt;Open Table&lt;/b&gt; dialog when it is loaded, dropped or named on the command line; so does &lt;b&gt;Open Table…&lt;/b&gt; in the number list&apos;s context menu, and a paste of several columns.</source>
        <translation>複数の列を持つファイル（CSV、TSV、ドイツ語の表計算ソフトが保存するようなセミコロン区切りのテキスト）やブック（.ods、.xlsx）を読み込む、ドロップする、またはコマンドラインで指定すると、&lt;b&gt;表を開く&lt;/b&gt; ダイアログが開きます。数値リストのコンテキストメニューの &lt;b&gt;表を開く…&lt;/b&gt; や、複数の列の貼り付けでも開きます。</translation>
    </message>
    <message>
        <source>The dialog shows the first rows with what it guessed: the delimiter, whether the first row is a header, the decimal separator and, for a workbook, the sheet. Change any of them and the preview follows. Then tick the columns to read and, to compare groups, choose a column in &lt;b&gt;Split by&lt;/b&gt;.</source>
        <translation>ダイアログには最初の数行と、推定した設定（区切り文字、先頭行が見出しかどうか、小数点の記号、ブックの場合はシート）が表示されます。どれかを変えるとプレビューが追従します。読み込む列にチェックを入れ、グループを比較するには &lt;b&gt;グループ分け&lt;/b&gt; で列を選びます。</translation>
    </message>
    <message>
        <source>One column ticked and no split: its numbers are added to the number list as one change, which Ctrl+Z undoes; cells that are not numbers are counted in the notice.</source>
        <translation>列を1つだけチェックしてグループ分けなし：その数値が1回の変更として数値リストに追加され、Ctrl+Z で元に戻せます。数値でないセルは通知で数えられます。</translation>
    </message>
    <message>
        <source>Several columns, or a split: the &lt;b&gt;Compare&lt;/b&gt; window opens and the number list is left as it was.</source>
        <translation>複数の列、またはグループ分けあり：&lt;b&gt;比較&lt;/b&gt; ウィンドウが開き、数値リストはそのままです。</translation>
    </message>
    <message>
        <source>The Compare window has a column for each column or group and a row for each statistic, computed as the main window computes them and rounded as it rounds; it follows the main window&apos;s method and decimals. Below the table are box plots of every list on one axis, and with &lt;b&gt;Histograms&lt;/b&gt; their histograms over the same span.</source>
        <translation>比較ウィンドウには列またはグループごとに1列、統計量ごとに1行があり、メインウィンドウと同じように計算・丸められます。メインウィンドウの方法と小数桁数に追従します。表の下には全リストの箱ひげ図が1本の軸上に並び、&lt;b&gt;ヒストグラム&lt;/b&gt; をオンにすると同じ範囲のヒストグラムも表示されます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy as Table&lt;/b&gt; (Ctrl+C) copies the table, separated by tabs, ready to paste into a spreadsheet; &lt;b&gt;Save Table…&lt;/b&gt; (Ctrl+S) saves it as CSV or as a workbook; &lt;b&gt;Copy Picture&lt;/b&gt; and &lt;b&gt;Save Picture…&lt;/b&gt; do the same for the picture; &lt;b&gt;Send to Number List&lt;/b&gt; adds the numbers of the chosen list to the main window&apos;s number list.</source>
        <translation>&lt;b&gt;表としてコピー&lt;/b&gt;（Ctrl+C）は表をタブ区切りでコピーし、表計算ソフトに貼り付けられます。&lt;b&gt;表を保存…&lt;/b&gt;（Ctrl+S）は CSV またはブックとして保存します。&lt;b&gt;画像をコピー&lt;/b&gt; と &lt;b&gt;画像を保存…&lt;/b&gt; は図について同じことをします。&lt;b&gt;数値リストに送る&lt;/b&gt; は選んだリストの数値をメインウィンドウの数値リストに追加します。</translation>
    </message>
    <message>
        <source>Several columns, or every column that holds numbers, each analysed on its own; with a group column, each column&apos;s rows are split by its values. The text format writes a block for each, headed by its name; tsv writes a column for each; json writes an array of objects.</source>
        <translation>複数の列、または数値を含むすべての列を、それぞれ個別に分析します。グループ列を指定すると、各列の行がその値で分けられます。text 形式は名前を見出しにしたブロックを列ごとに、tsv は列ごとに1列を、json はオブジェクトの配列を出力します。</translation>
    </message>
    <message>
        <source>The sheet of a workbook (.ods or .xlsx, known by its content) to read the columns from; the first unless given.</source>
        <translation>列を読み込むブック（.ods または .xlsx、内容で判別）のシート。指定しなければ最初のシートです。</translation>
    </message>
    <message>
        <source>The weights of each group of a workbook&apos;s first sheet, side by side.</source>
        <translation>ブックの最初のシートの各グループの体重を並べて表示します。</translation>
    </message>
    <message>
        <source>Whole numbers of up to 100 values get a bar for each value, centred on it. &lt;b&gt;Range&lt;/b&gt; shows all values or leaves out the outliers beyond the box plot&apos;s fences, which are then marked with their count at the ends of the axis; &lt;b&gt;Logarithmic axis&lt;/b&gt;, for positive numbers only, makes the bins equal on a logarithmic scale. Point at a bar to see its range and count. With &lt;b&gt;Include title and statistics&lt;/b&gt;, Copy Picture and Save Picture… add a title and the table of spread to the picture.</source>
        <translation>値の種類が 100 個までの整数は、値ごとにその値を中心とした棒になります。&lt;b&gt;範囲&lt;/b&gt; はすべての値を表示するか、箱ひげ図のフェンスの外にある外れ値を除きます。除いた外れ値は軸の端にその個数とともに示されます。&lt;b&gt;対数軸&lt;/b&gt;（正の数値のみ）は、対数目盛りで等しい幅のビンにします。棒を指すと、その範囲と個数が表示されます。&lt;b&gt;タイトルと統計量を含める&lt;/b&gt; をオンにすると、画像をコピーと画像を保存… で画像にタイトルと散らばりの表が付きます。</translation>
    </message>
    <message>
        <source>The encoding of a table&apos;s text: utf-8, utf-16le, utf-16be, utf-32le, utf-32be or windows-1252. Without it each file is read in the form its first bytes show, as the table dialog reads it; standard input is then read as a list file.</source>
        <translation>表のテキストの文字コード: utf-8、utf-16le、utf-16be、utf-32le、utf-32be、windows-1252。指定しないと、各ファイルは表のダイアログと同じように先頭のバイトが示す形で読まれる。標準入力はそのときリストファイルとして読まれる。</translation>
    </message>
</context>
<context>
    <name>ManualEntry</name>
    <message>
        <source>Enter number or numbers (use commas):</source>
        <translation>数値を入力してください（複数の場合はコンマで区切ります）:</translation>
    </message>
    <message>
        <source>Enter number or numbers (use semicolons):</source>
        <translation>数値を入力してください（複数の場合はセミコロンで区切ります）:</translation>
    </message>
</context>
<context>
    <name>Normality</name>
    <message>
        <source>The Shapiro-Wilk test needs at least 3 numbers</source>
        <translation>Shapiro-Wilk 検定には少なくとも 3 個の数値が必要です</translation>
    </message>
    <message>
        <source>The Shapiro-Wilk test takes at most 5000 numbers</source>
        <translation>Shapiro-Wilk 検定で扱えるのは 5000 個までです</translation>
    </message>
    <message>
        <source>The K² test needs at least 8 numbers</source>
        <translation>K² 検定には少なくとも 8 個の数値が必要です</translation>
    </message>
    <message>
        <source>All the numbers are equal</source>
        <translation>すべての数値が等しくなっています</translation>
    </message>
    <message>
        <source>The numbers are too large or too far apart for the test</source>
        <translation>数値が大きすぎるか、離れすぎているため検定できません</translation>
    </message>
    <message>
        <source>The kurtosis is outside the range of the test&apos;s approximation</source>
        <translation>尖度が検定の近似の範囲外です</translation>
    </message>
    <message>
        <source>no evidence against normality at 5 %</source>
        <translation>有意水準 5 % で正規性を否定する証拠はありません</translation>
    </message>
    <message>
        <source>the numbers are unlikely to come from a normal distribution (p = %1)</source>
        <translation>数値が正規分布に従う可能性は低いです (p = %1)</translation>
    </message>
</context>
<context>
    <name>NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>元に戻す: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>やり直す: %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Must be a numeric entry.</source>
        <translation>数値を入力してください。</translation>
    </message>
</context>
<context>
    <name>OutlierPage</name>
    <message numerus="yes">
        <source>%1 outliers</source>
        <translation>
            <numerusform>外れ値 %1 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 far out</source>
        <translation>
            <numerusform>極端な外れ値 %1 個</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OutlierTable</name>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
</context>
<context>
    <name>PercentileText</name>
    <message>
        <source>“%1” is not a number</source>
        <translation>「%1」は数値ではありません</translation>
    </message>
    <message>
        <source>%1: percentiles run from 0 to 100</source>
        <translation>%1: パーセンタイルは 0 から 100 までです</translation>
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
        <translation>まだ数値を分析していません。</translation>
    </message>
    <message>
        <source>Normal quantiles</source>
        <translation>正規分位数</translation>
    </message>
    <message>
        <source>Sample quantiles</source>
        <translation>標本分位数</translation>
    </message>
    <message numerus="yes">
        <source>Normal Q-Q plot of %1 numbers: the values from %2 to %3 against the normal quantiles from %4 to %5, with the line through the quartiles (intercept %6, slope %7).</source>
        <translation>
            <numerusform>%1 個の数値の正規 Q-Q プロット。%2 から %3 までの値を %4 から %5 までの正規分位数に対してプロットし、四分位数を通る直線（切片 %6、傾き %7）を引いています。</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Q-Q plot</source>
        <translation>正規 Q-Q プロット</translation>
    </message>
</context>
<context>
    <name>QuantileMethods</name>
    <message>
        <source>Nearest rank (R type 1)</source>
        <translation>最近順位 (R のタイプ 1)</translation>
    </message>
    <message>
        <source>Averaged inverse (SAS default, R type 2)</source>
        <translation>平均化した逆関数 (SAS の既定、R のタイプ 2)</translation>
    </message>
    <message>
        <source>Nearest even rank (R type 3)</source>
        <translation>最近偶数順位 (R のタイプ 3)</translation>
    </message>
    <message>
        <source>Linear in the distribution function (R type 4)</source>
        <translation>分布関数で線形 (R のタイプ 4)</translation>
    </message>
    <message>
        <source>Hazen, midpoint steps (R type 5)</source>
        <translation>Hazen、階段の中点 (R のタイプ 5)</translation>
    </message>
    <message>
        <source>Exclusive (spreadsheet QUARTILE.EXC, SPSS, Minitab, R type 6)</source>
        <translation>排他的 (表計算の QUARTILE.EXC、SPSS、Minitab、R のタイプ 6)</translation>
    </message>
    <message>
        <source>Inclusive (spreadsheet QUARTILE.INC, R type 7, numpy default)</source>
        <translation>包括的 (表計算の QUARTILE.INC、R のタイプ 7、numpy の既定)</translation>
    </message>
    <message>
        <source>Median-unbiased (R type 8)</source>
        <translation>中央値不偏 (R のタイプ 8)</translation>
    </message>
    <message>
        <source>Normal-unbiased, Blom (R type 9)</source>
        <translation>正規不偏、Blom (R のタイプ 9)</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>The number of entries is: </source>
        <translation>データの個数: </translation>
    </message>
    <message>
        <source>The sum of the numbers are: </source>
        <translation>数値の合計: </translation>
    </message>
    <message>
        <source>The sum squared is: </source>
        <translation>合計の二乗: </translation>
    </message>
    <message>
        <source>The sum of squares is: </source>
        <translation>二乗和: </translation>
    </message>
    <message>
        <source>The mode is: </source>
        <translation>最頻値: </translation>
    </message>
    <message>
        <source>The median is: </source>
        <translation>中央値: </translation>
    </message>
    <message>
        <source>The mean is: </source>
        <translation>平均値: </translation>
    </message>
    <message>
        <source>The variance is: </source>
        <translation>分散: </translation>
    </message>
    <message>
        <source>The skew is: </source>
        <translation>歪度: </translation>
    </message>
    <message>
        <source>The average deviation is: </source>
        <translation>平均偏差: </translation>
    </message>
    <message>
        <source>The standard deviation is: </source>
        <translation>標準偏差: </translation>
    </message>
    <message>
        <source>The coefficient of variation is: </source>
        <translation>変動係数: </translation>
    </message>
    <message>
        <source>The minimum is: </source>
        <translation>最小値: </translation>
    </message>
    <message>
        <source>The maximum is: </source>
        <translation>最大値: </translation>
    </message>
    <message>
        <source>The range is: </source>
        <translation>範囲: </translation>
    </message>
    <message>
        <source>The first quartile is: </source>
        <translation>第1四分位数: </translation>
    </message>
    <message>
        <source>The third quartile is: </source>
        <translation>第3四分位数: </translation>
    </message>
    <message>
        <source>The interquartile range is: </source>
        <translation>四分位範囲: </translation>
    </message>
    <message>
        <source>The kurtosis is: </source>
        <translation>尖度: </translation>
    </message>
    <message>
        <source>The standard error of the mean is: </source>
        <translation>平均値の標準誤差: </translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s low end is: </source>
        <translation>95% 信頼区間の下限: </translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s high end is: </source>
        <translation>95% 信頼区間の上限: </translation>
    </message>
    <message>
        <source>The geometric mean is: </source>
        <translation>幾何平均: </translation>
    </message>
    <message>
        <source>The harmonic mean is: </source>
        <translation>調和平均: </translation>
    </message>
    <message>
        <source>The median absolute deviation is: </source>
        <translation>中央絶対偏差: </translation>
    </message>
    <message>
        <source>The scaled median absolute deviation is: </source>
        <translation>尺度調整した中央絶対偏差: </translation>
    </message>
    <message>
        <source>The quantile method is: </source>
        <translation>分位数の方法: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk W is: </source>
        <translation>Shapiro-Wilk の W: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk p-value is: </source>
        <translation>Shapiro-Wilk の p 値: </translation>
    </message>
    <message>
        <source>The Shapiro-Wilk test reads: </source>
        <translation>Shapiro-Wilk 検定の判定: </translation>
    </message>
    <message>
        <source>The K² of D&apos;Agostino and Pearson is: </source>
        <translation>D&apos;Agostino と Pearson の K²: </translation>
    </message>
    <message>
        <source>The K² p-value is: </source>
        <translation>K² の p 値: </translation>
    </message>
    <message>
        <source>The K² test reads: </source>
        <translation>K² 検定の判定: </translation>
    </message>
    <message>
        <source>The %1 % trimmed mean is: </source>
        <translation>%1% トリム平均: </translation>
    </message>
    <message>
        <source>The %1 % confidence interval&apos;s low end is: </source>
        <translation>%1% 信頼区間の下限: </translation>
    </message>
    <message>
        <source>The %1 % confidence interval&apos;s high end is: </source>
        <translation>%1% 信頼区間の上限: </translation>
    </message>
    <message>
        <source>The median&apos;s %1 % confidence interval&apos;s low end is: </source>
        <translation>中央値の %1% 信頼区間の下限: </translation>
    </message>
    <message>
        <source>The median&apos;s %1 % confidence interval&apos;s high end is: </source>
        <translation>中央値の %1% 信頼区間の上限: </translation>
    </message>
    <message>
        <source>The median&apos;s interval&apos;s actual coverage is: </source>
        <translation>中央値の区間の実際の被覆率: </translation>
    </message>
    <message>
        <source>The %1st percentile is: </source>
        <translation>%1 パーセンタイル: </translation>
    </message>
    <message>
        <source>The %1nd percentile is: </source>
        <translation>%1 パーセンタイル: </translation>
    </message>
    <message>
        <source>The %1rd percentile is: </source>
        <translation>%1 パーセンタイル: </translation>
    </message>
    <message>
        <source>The %1th percentile is: </source>
        <translation>%1 パーセンタイル: </translation>
    </message>
</context>
<context>
    <name>ResultValues</name>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source> or </source>
        <translation> または </translation>
    </message>
</context>
<context>
    <name>ResultsListMenu</name>
    <message>
        <source>Copy as Table</source>
        <translation>表としてコピー</translation>
    </message>
</context>
<context>
    <name>RobustStatistics</name>
    <message>
        <source>There are no numbers</source>
        <translation>数値がありません</translation>
    </message>
    <message>
        <source>The geometric and the harmonic mean need positive numbers</source>
        <translation>幾何平均と調和平均には正の数値が必要です</translation>
    </message>
    <message>
        <source>The share trimmed from each end must be at least 0 and below 0.5</source>
        <translation>両端から切り捨てる割合は 0 以上 0.5 未満でなければなりません</translation>
    </message>
    <message>
        <source>The confidence level must be from 50 % to 99.9 %</source>
        <translation>信頼水準は 50 % から 99.9 % まででなければなりません</translation>
    </message>
    <message>
        <source>The confidence interval of the mean needs at least 2 numbers</source>
        <translation>平均値の信頼区間には少なくとも 2 個の数値が必要です</translation>
    </message>
    <message>
        <source>Too few numbers for a confidence interval of the median at this level</source>
        <translation>この水準で中央値の信頼区間を求めるには数値が少なすぎます</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>its lock file %1 is not a regular file</source>
        <translation>ロックファイル %1 が通常のファイルではありません</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>書き込めません</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>書き込めません: %1</translation>
    </message>
    <message>
        <source>The options cannot be saved to %1: %2. They stay as chosen until %3 ends.</source>
        <translation>オプションを %1 に保存できません: %2。%3 を終了するまでは選択したとおりに保たれます。</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Open Table</source>
        <translation>表を開く</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>コンマ</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>セミコロン</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>タブ</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Other delimiter</source>
        <translation>その他の区切り文字</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>先頭行はヘッダー(&amp;H)</translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation>先頭行はヘッダー</translation>
    </message>
    <message>
        <source>As in this locale (%1)</source>
        <translation>このロケールに合わせる（%1）</translation>
    </message>
    <message>
        <source>Point (61.5)</source>
        <translation>ピリオド（61.5）</translation>
    </message>
    <message>
        <source>Comma (61,5)</source>
        <translation>コンマ（61,5）</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>区切り文字(&amp;D):</translation>
    </message>
    <message>
        <source>D&amp;ecimal separator:</source>
        <translation>小数点記号(&amp;E):</translation>
    </message>
    <message>
        <source>Shee&amp;t:</source>
        <translation>シート(&amp;T):</translation>
    </message>
    <message>
        <source>Co&amp;lumns:</source>
        <translation>列(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Split by:</source>
        <translation>グループ分け(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>プレビュー(&amp;V):</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>列 %1</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 を読み込めませんでした: %2。</translation>
    </message>
    <message>
        <source>%1 is neither a spreadsheet nor a table of delimited text.</source>
        <translation>%1 はスプレッドシートでも、区切り文字で区切られたテキストの表でもありません。</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be read (%2).</source>
        <translation>%1 は壊れているため読み込めませんでした（%2）。</translation>
    </message>
    <message>
        <source>%1 is protected by a password: save it without one to open it.</source>
        <translation>%1 はパスワードで保護されています。開くには、パスワードなしで保存してください。</translation>
    </message>
    <message>
        <source>%1 is an Excel 97-2003 workbook: save it as .xlsx or .ods to open it.</source>
        <translation>%1 は Excel 97-2003 のブックです。開くには、.xlsx または .ods として保存してください。</translation>
    </message>
    <message>
        <source>%1 has no sheet %2.</source>
        <translation>%1 にシート %2 がありません。</translation>
    </message>
    <message>
        <source>UTF-16 (little-endian)</source>
        <translation>UTF-16 (リトルエンディアン)</translation>
    </message>
    <message>
        <source>UTF-16 (big-endian)</source>
        <translation>UTF-16 (ビッグエンディアン)</translation>
    </message>
    <message>
        <source>UTF-32 (little-endian)</source>
        <translation>UTF-32 (リトルエンディアン)</translation>
    </message>
    <message>
        <source>UTF-32 (big-endian)</source>
        <translation>UTF-32 (ビッグエンディアン)</translation>
    </message>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>西ヨーロッパ言語 (Windows-1252)</translation>
    </message>
    <message>
        <source>E&amp;ncoding:</source>
        <translation>文字コード(&amp;N):</translation>
    </message>
</context>
<context>
    <name>TickList</name>
    <message>
        <source>Ticks or unticks the result</source>
        <translation>結果のチェックを切り替えます</translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation>チェックあり</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>チェックなし</translation>
    </message>
</context>
<context>
    <name>WholeFileWriter</name>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::CompareWindow</name>
    <message>
        <source>Statistics of each list</source>
        <translation>各リストの統計量</translation>
    </message>
    <message>
        <source>A column per list and a row per statistic. Ctrl+C copies the whole table.</source>
        <translation>リストごとに 1 列、統計量ごとに 1 行です。Ctrl+C で表全体をコピーします。</translation>
    </message>
    <message>
        <source>Copy as &amp;Table</source>
        <translation>表としてコピー(&amp;T)</translation>
    </message>
    <message>
        <source>Put the table on the clipboard, its cells separated by tabs (Ctrl+C)</source>
        <translation>表をクリップボードに置きます。セルはタブで区切られます（Ctrl+C）</translation>
    </message>
    <message>
        <source>Sa&amp;ve Table…</source>
        <translation>表を保存(&amp;V)…</translation>
    </message>
    <message>
        <source>Save the table as a CSV file or an Excel workbook (Ctrl+S)</source>
        <translation>表を CSV ファイルまたは Excel ブックとして保存します（Ctrl+S）</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>リスト(&amp;L):</translation>
    </message>
    <message>
        <source>List to send</source>
        <translation>送るリスト</translation>
    </message>
    <message>
        <source>Se&amp;nd to Number List</source>
        <translation>数値リストに送る(&amp;N)</translation>
    </message>
    <message>
        <source>Append the chosen list&apos;s numbers to the main window&apos;s number list</source>
        <translation>選んだリストの数値をメインウィンドウの数値リストに追加します</translation>
    </message>
    <message>
        <source>&amp;Histograms</source>
        <translation>ヒストグラム(&amp;H)</translation>
    </message>
    <message>
        <source>Show each list&apos;s histogram over the same span, with its box plot</source>
        <translation>各リストのヒストグラムを同じ範囲で、箱ひげ図と一緒に表示します</translation>
    </message>
    <message>
        <source>Histograms</source>
        <translation>ヒストグラム</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>画像をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image</source>
        <translation>図を画像としてクリップボードに置きます</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>画像を保存(&amp;S)…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file</source>
        <translation>図を PNG または SVG ファイルとして保存します</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>統計量</translation>
    </message>
    <message>
        <source>Save Table</source>
        <translation>表を保存</translation>
    </message>
    <message>
        <source>The table could not be saved as
%1
%2</source>
        <translation>表を次の名前で保存できませんでした:
%1
%2</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>画像を保存</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation>画像を次の名前で保存できませんでした:
%1
%2</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::DistributionWindow</name>
    <message>
        <source>Notice</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>統計量</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計量</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as name and value separated by a tab.</source>
        <translation>行を選択して Ctrl+C を押すと、名前と値をタブで区切ってコピーします。</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>&amp;Bins:</source>
        <translation>ビン数(&amp;B):</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>自動（%1）</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Number of bins</source>
        <translation>ビンの数</translation>
    </message>
    <message>
        <source>The histogram&apos;s bins, 1 to 500; below 1 the count is chosen from the numbers.</source>
        <translation>ヒストグラムのビンの数（1 〜 500）です。1 未満の場合は数値から自動的に決めます。</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>画像をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image (Ctrl+C)</source>
        <translation>図を画像としてクリップボードに置きます（Ctrl+C）</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>画像を保存(&amp;S)…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file (Ctrl+S)</source>
        <translation>図を PNG または SVG ファイルとして保存します（Ctrl+S）</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>画像を保存</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation>画像を次の名前で保存できませんでした:
%1
%2</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>範囲(&amp;R):</translation>
    </message>
    <message>
        <source>All values</source>
        <translation>すべての値</translation>
    </message>
    <message>
        <source>Without outliers</source>
        <translation>外れ値を除く</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>範囲</translation>
    </message>
    <message>
        <source>Without outliers, the histogram spans the numbers within 1.5 interquartile ranges of the box.</source>
        <translation>外れ値を除くと、ヒストグラムは箱から四分位範囲の 1.5 倍以内の数値にわたります。</translation>
    </message>
    <message>
        <source>&amp;Logarithmic axis</source>
        <translation>対数軸(&amp;L)</translation>
    </message>
    <message>
        <source>Bins of equal width in the logarithm; for positive numbers only</source>
        <translation>対数で等しい幅のビン。正の数値のみ</translation>
    </message>
    <message>
        <source>&amp;Include title and statistics</source>
        <translation>タイトルと統計量を含める(&amp;I)</translation>
    </message>
    <message>
        <source>Copy and save the picture with a title over it and the statistics under it</source>
        <translation>画像の上にタイトル、下に統計量を付けてコピー・保存します</translation>
    </message>
    <message>
        <source>&amp;Histogram</source>
        <translation>ヒストグラム(&amp;H)</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>&amp;Q-Q Plot</source>
        <translation>Q-Q プロット(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Frequencies</source>
        <translation>度数分布(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Outliers</source>
        <translation>外れ値(&amp;O)</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::DropProgressStrip</name>
    <message>
        <source>Stop the drop (Esc)</source>
        <translation>ドロップを中止（Esc）</translation>
    </message>
    <message>
        <source>Stop the drop</source>
        <translation>ドロップを中止</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::Form1</name>
    <message>
        <source>Results note</source>
        <translation>結果に関する注意</translation>
    </message>
    <message>
        <source>Number(s)</source>
        <translation>数値</translation>
    </message>
    <message>
        <source>Result(s)</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>The number list has changed since these results.</source>
        <translation>この結果の後で数値リストが変更されました。</translation>
    </message>
    <message>
        <source>Analysis finished: the results list shows %1 rows.</source>
        <translation>分析が完了しました: 結果リストに %1 行が表示されています。</translation>
    </message>
    <message>
        <source>Not every entry will come back as it is when this file is loaded:</source>
        <translation>このファイルを読み込んだとき、すべての項目がそのまま戻るわけではありません:</translation>
    </message>
    <message>
        <source>Entries that are not numbers, left out when it is loaded: %1</source>
        <translation>数値でないため読み込み時に除外される項目: %1</translation>
    </message>
    <message>
        <source>Entries a list file reads as another value: %1</source>
        <translation>リストファイルとして別の値に読み込まれる項目: %1</translation>
    </message>
    <message>
        <source>Entries holding a line break, read as several lines: %1</source>
        <translation>改行を含むため複数の行として読み込まれる項目: %1</translation>
    </message>
    <message>
        <source>The first of them: %1</source>
        <translation>その最初の項目: %1</translation>
    </message>
    <message>
        <source>Save the numbers all the same?</source>
        <translation>それでも数値を保存しますか？</translation>
    </message>
    <message>
        <source>Save Numbers</source>
        <translation>数値を保存</translation>
    </message>
    <message>
        <source>The numbers could not be saved to &quot;%1&quot;: %2</source>
        <translation>数値を「%1」に保存できませんでした: %2</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>履歴を消去</translation>
    </message>
    <message>
        <source>The numbers from last time could not be read</source>
        <translation>前回の数値を読み込めませんでした</translation>
    </message>
    <message>
        <source>All results ticked</source>
        <translation>すべての結果にチェックが入っています</translation>
    </message>
    <message>
        <source>No results ticked</source>
        <translation>チェックの入った結果はありません</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::FrequencyPage</name>
    <message>
        <source>One row per &amp;value</source>
        <translation>値ごとに 1 行(&amp;U)</translation>
    </message>
    <message>
        <source>A row for each value however many there are; else, with more than %1 values, a row for each of the histogram&apos;s bins</source>
        <translation>値の種類がいくつあっても値ごとに 1 行にします。オフのときは、値が %1 種類を超えるとヒストグラムのビンごとに 1 行になります</translation>
    </message>
    <message>
        <source>Copy as &amp;Table</source>
        <translation>表としてコピー(&amp;A)</translation>
    </message>
    <message>
        <source>Put the whole table on the clipboard with its header line, its cells separated by tabs</source>
        <translation>表全体を見出し行と一緒にクリップボードに置きます。セルはタブで区切られます</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Frequencies</source>
        <translation>度数分布</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them, their cells separated by tabs, as a spreadsheet reads them.</source>
        <translation>行を選択して Ctrl+C を押すと、表計算ソフトで読めるようにセルをタブで区切ってコピーします。</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>These bins span all the numbers, the outliers too; the histogram leaves the outliers out.</source>
        <translation>これらのビンは外れ値も含めてすべての数値にわたります。ヒストグラムでは外れ値を除いています。</translation>
    </message>
    <message>
        <source>These bins are equal in width; the histogram&apos;s are equal in the logarithm.</source>
        <translation>これらのビンは幅が等しく、ヒストグラムのビンは対数で等しい幅です。</translation>
    </message>
    <message>
        <source>The histogram has a bar for each value; tick &quot;One row per value&quot; for a row each.</source>
        <translation>ヒストグラムは値ごとに 1 本の棒です。値ごとに 1 行にするには「値ごとに 1 行」にチェックを入れてください。</translation>
    </message>
    <message>
        <source>These bins are not the histogram&apos;s.</source>
        <translation>これらのビンはヒストグラムのビンとは異なります。</translation>
    </message>
    <message>
        <source>%1 rows are too many to copy: at most %2 can be copied.</source>
        <translation>%1 行はコピーするには多すぎます。コピーできるのは最大 %2 行です。</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::HelpWindow</name>
    <message>
        <source>Tallowmere Manual</source>
        <translation>Tallowmere マニュアル</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation>マニュアル内を検索</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation>数値でない項目を削除</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::OutlierModel</name>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::OutlierPage</name>
    <message>
        <source>Outliers</source>
        <translation>外れ値</translation>
    </message>
    <message>
        <source>&amp;Values beyond the fences:</source>
        <translation>フェンスの外の値(&amp;V):</translation>
    </message>
    <message>
        <source>Number of smallest and largest values</source>
        <translation>最小と最大の値の個数</translation>
    </message>
    <message>
        <source>How many of the smallest and of the largest numbers are listed, 1 to 100.</source>
        <translation>一覧に表示する最小の数値と最大の数値の個数（1 〜 100）です。</translation>
    </message>
    <message>
        <source>&amp;Extremes at each end:</source>
        <translation>両端の値の個数(&amp;X):</translation>
    </message>
    <message>
        <source>Smallest and largest values</source>
        <translation>最小と最大の値</translation>
    </message>
    <message>
        <source>Select in &amp;Number List</source>
        <translation>数値リストで選択(&amp;N)</translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as kind, position and value separated by tabs.</source>
        <translation>行を選択して Ctrl+C を押すと、種類、位置、値をタブで区切ってコピーします。</translation>
    </message>
    <message>
        <source>Outlier</source>
        <translation>外れ値</translation>
    </message>
    <message>
        <source>Far out</source>
        <translation>極端な外れ値</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>No outliers; fences %1 and %2; far out beyond %3 and %4.</source>
        <translation>外れ値はありません。フェンスは %1 と %2、極端な外れ値の境界は %3 と %4 です。</translation>
    </message>
    <message>
        <source>%1, %2; fences %3 and %4; far out beyond %5 and %6.</source>
        <translation>%1、%2。フェンスは %3 と %4、極端な外れ値の境界は %5 と %6 です。</translation>
    </message>
    <message>
        <source>Showing %1 of %2, the first in the list.</source>
        <translation>%2 個のうち、リストで先頭の %1 個を表示しています。</translation>
    </message>
    <message>
        <source>There is no analysis to select from until one has finished.</source>
        <translation>分析が完了するまでは選択できません。</translation>
    </message>
    <message>
        <source>The number list has changed since this analysis, so these positions may no longer be its rows. Press Start Analysis to find them again.</source>
        <translation>この分析の後で数値リストが変更されたため、これらの位置がリストの行と一致しない可能性があります。もう一度見つけるには「分析を開始」を押してください。</translation>
    </message>
    <message>
        <source>There are no outliers; select rows of the tables to select those entries.</source>
        <translation>外れ値はありません。表の行を選択すると、その項目を選択できます。</translation>
    </message>
    <message>
        <source>Select the entries of the selected rows in the number list, or all the outliers listed when no row is selected.</source>
        <translation>選択した行の項目を数値リストで選択します。行を選択していなければ、一覧にあるすべての外れ値を選択します。</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::QQPage</name>
    <message>
        <source>Normal Q-Q plot</source>
        <translation>正規 Q-Q プロット</translation>
    </message>
    <message>
        <source>Tests of normality</source>
        <translation>正規性の検定</translation>
    </message>
    <message>
        <source>Press Ctrl+C to copy the selected text, or both lines where nothing is selected.</source>
        <translation>Ctrl+C を押すと、選択したテキストをコピーします。何も選択していなければ両方の行をコピーします。</translation>
    </message>
</context>
<context>
    <name>tallowmere::app::StatisticsOptions</name>
    <message>
        <source>&amp;Method:</source>
        <translation>方法(&amp;M):</translation>
    </message>
    <message>
        <source>Quantile method</source>
        <translation>分位数の方法</translation>
    </message>
    <message>
        <source>How the quartiles, the box plot and the percentiles are read from the numbers</source>
        <translation>四分位数、箱ひげ図、パーセンタイルを数値から求める方法</translation>
    </message>
    <message>
        <source>&amp;Percentiles:</source>
        <translation>パーセンタイル(&amp;P):</translation>
    </message>
    <message>
        <source>Percentiles</source>
        <translation>パーセンタイル</translation>
    </message>
    <message>
        <source>Percentiles&apos; error</source>
        <translation>パーセンタイルの入力エラー</translation>
    </message>
    <message>
        <source>&amp;Trim:</source>
        <translation>トリム(&amp;T):</translation>
    </message>
    <message>
        <source>Trimmed share</source>
        <translation>トリムする割合</translation>
    </message>
    <message>
        <source>The share of the numbers the trimmed mean leaves out at each end</source>
        <translation>トリム平均が両端からそれぞれ除く数値の割合</translation>
    </message>
    <message>
        <source>Confidence l&amp;evel:</source>
        <translation>信頼水準(&amp;E):</translation>
    </message>
    <message>
        <source>Confidence level</source>
        <translation>信頼水準</translation>
    </message>
    <message>
        <source>The level of the mean&apos;s and the median&apos;s confidence intervals</source>
        <translation>平均値と中央値の信頼区間の水準</translation>
    </message>
    <message>
        <source>Percentiles from 0 to 100, separated by semicolons: %1</source>
        <translation>0 から 100 までのパーセンタイル（セミコロン区切り）: %1</translation>
    </message>
    <message>
        <source>Percentiles from 0 to 100, separated by commas or semicolons: %1</source>
        <translation>0 から 100 までのパーセンタイル（コンマまたはセミコロン区切り）: %1</translation>
    </message>
</context>
</TS>
