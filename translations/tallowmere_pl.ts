<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AdditionNotice</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source> (first: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: %2)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: %2)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal comma (first: %2)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal point (first: %2)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the clipboard</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the dropped text</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were not numbers</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were not numbers</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 hold no numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds no numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dropped text holds no numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer holds no numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>their only line is not a number in this locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its only line is not a number in this locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its only item is not a number in this locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>their %1 lines are not numbers in this locale</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 lines are not numbers in this locale</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 items are not numbers in this locale</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the %1 sample numbers.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers were added</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped part-way through the text; %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasting was stopped part-way through the text; %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 entry is not a number and counts as %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers and count as %2: %3.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers; the first %2 count as %3: %4.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Analyser</name>
    <message>
        <source>standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal comma (first: &quot;%2&quot;)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: &quot;%2&quot;)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>an entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sum squared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sum of squares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the median</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the variance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the skew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the average deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the standard deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the coefficient of variation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lines hold fields separated by &apos;%1&apos;; choose a column with --field N, or --header and --field NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 lines are longer than %2 bytes and are each read as their first %2 bytes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the column &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 fields, too few for %2; the record is skipped</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the quoted field begun here is not closed before the end of the file; it is left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 more records with too few fields skipped</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the delimiter must be an ASCII character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the delimiter must be one character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the quote cannot be the delimiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line end cannot be the delimiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a number of decimal places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decimal places run from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no table has that many columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>columns are numbered from 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a column number or name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a column number; a column name needs --header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (use text, tsv or json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no PATH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Analysis</name>
    <message>
        <source>You forgot to input numbers.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Application Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DistributionLink</name>
    <message>
        <source>No analysis has been run yet. Run one now and show the distribution of its numbers?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DistributionPicture</name>
    <message>
        <source>No numbers analysed yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 beyond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers per bin (%1 bins)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Median %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Histogram and box plot of %1 numbers from %2 to %3; first quartile %4, median %5, third quartile %6.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %1 values lie beyond the whiskers.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the drawing failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DistributionSource</name>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First quartile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third quartile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interquartile range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kurtosis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard error of the mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>95 % confidence interval, low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>95 % confidence interval, high</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DistributionWindow</name>
    <message>
        <source>Distribution picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distribution — Tallowmere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number list has changed since this analysis. Press Start Analysis to show it as it is now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DropFiles</name>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DropProgress</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Collecting folders: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting files: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading files: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the text: %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — Esc to stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>part-way through file %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading was stopped %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drop was stopped %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no files were read</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 files were read</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The drop was stopped while collecting folders; %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drop was stopped while collecting files; %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results have been copied to the clipboard.<byte value="xd"/><byte value="xd"/>Click a text area where you normally type and press Ctrl+V to paste the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this software without error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this feature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No result lines are ticked. Tick the lines to export, or press Ctrl+A in the results list to tick them all.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>The file changed while it was read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Paste Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 folder could not be read and was left out: %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard could not be read: the program that holds it did not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Number / Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Numbers From File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear number list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Sample/Example Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Population</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimals shown in the results: pick 1 to 10, step with Up and Down, or type a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all decimals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Results As Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Results As Excel File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Results To Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear results list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the results to save or copy: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Move | line to right to read long lines. “Show Distribution…” in the context menu, or Ctrl+D, pictures the numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The numbers to analyse. Delete or a double-click removes the selected number; files dropped here add theirs, and so does text dropped or pasted (Ctrl+V).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>Add Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListNotice</name>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoadFilesCommand</name>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManualEntry</name>
    <message>
        <source>Enter number or numbers (use commas):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter number or numbers (use semicolons):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Must be a numeric entry.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>The number of entries is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sum of the numbers are: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sum squared is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sum of squares is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mode is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The median is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mean is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The variance is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skew is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The average deviation is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The standard deviation is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coefficient of variation is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The minimum is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maximum is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first quartile is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The third quartile is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The interquartile range is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kurtosis is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The standard error of the mean is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s low end is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 95 % confidence interval&apos;s high end is: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsListMenu</name>
    <message>
        <source>Copy as Table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock file %1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The options cannot be saved to %1: %2. They stay as chosen until %3 ends.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WholeFileWriter</name>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallowmere::app::DistributionWindow</name>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select rows and press Ctrl+C to copy them as name and value separated by a tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of bins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The histogram&apos;s bins, 1 to 500; below 1 the count is chosen from the numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the picture on the clipboard as an image (Ctrl+C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the picture as a PNG or SVG file (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallowmere::app::DropProgressStrip</name>
    <message>
        <source>Stop the drop (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the drop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallowmere::app::Form1</name>
    <message>
        <source>Results note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number list has changed since these results.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallowmere::app::NumberListMenu</name>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Entries That Are Not Numbers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
