<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boost.Math %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>libxlsxwriter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libraries used:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallowmere %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A desktop calculator for descriptive statistics.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tallowmere authors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tallowmere</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdditionNotice</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation type="unfinished">
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
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: %2)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal comma (first: %2)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were read with a decimal point (first: %2)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the clipboard</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers from the dropped text</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %1 numbers</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were not numbers</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 items were not numbers</source>
        <translation type="unfinished">
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
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 lines are not numbers in this locale</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its %1 items are not numbers in this locale</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the %1 sample numbers.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers were added</source>
        <translation type="unfinished">
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
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 entries are not numbers; the first %2 count as %3: %4.</source>
        <translation type="unfinished">
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
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 lines were read with a decimal point (first: &quot;%2&quot;)</source>
        <translation type="unfinished">
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
        </translation>
    </message>
    <message numerus="yes">
        <source> %1 values lie beyond the whiskers.</source>
        <translation type="unfinished">
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
    <message numerus="yes">
        <source>Restore the %1 numbers from last time</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %1 numbers from last time were not kept: the list was over 100 MB</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeyboardShortcuts</name>
    <message>
        <source>Main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distribution window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Numbers…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Distribution…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the menu or press the button with that letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to the next or the previous control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the focused button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop reading dropped, loaded or pasted files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Numbers: the selected entries, or all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last change of the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the context menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick or untick the current row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick every row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untick every row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the next match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the previous match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back and Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>underlined letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What it does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts — Tallowmere</source>
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
    <message>
        <source>Restore Numbers</source>
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
    <name>MainMenu</name>
    <message>
        <source>&amp;Load Numbers From File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Numbers…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Results As &amp;Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Results As &amp;Excel File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opy Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Results To &amp;Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as T&amp;able</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Entries That Are &amp;Not Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Re&amp;sults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Res&amp;tore Numbers From Last Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;mple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Population</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all de&amp;cimals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Distribution…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Tallowmere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>The window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallowmere collects numbers in a list and computes twelve descriptive statistics of them: the number of entries, the sum, the sum squared, the sum of squares, the mode, the median, the mean, the variance, the skew, the average deviation, the standard deviation and the coefficient of variation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window after Load Sample/Example Numbers and Start Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number list is at the top, the results list below it. From top to bottom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Number / Numbers&lt;/b&gt; asks for one number or a series separated by commas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Numbers From File&lt;/b&gt; reads one or several list files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear List&lt;/b&gt; beside it empties the number list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed sample series.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Sample&lt;/b&gt; and &lt;b&gt;Population&lt;/b&gt; choose how the variance is computed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Decimal places&lt;/b&gt; and &lt;b&gt;Show all decimals&lt;/b&gt; choose how the last six results are rounded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; fills the results list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The four buttons at the bottom export the ticked results, and the last &lt;b&gt;Clear List&lt;/b&gt; empties the results list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filling the number list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing: press &lt;b&gt;Add Number / Numbers&lt;/b&gt; and type a number, or several separated by commas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files: &lt;b&gt;Load Numbers From File&lt;/b&gt; reads list files, plain text with one number per line; lines that are not numbers are skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drops: drop list files, or folders whose list files are all read, on the number list. Esc stops a long drop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste: Ctrl+V, Shift+Insert or &lt;b&gt;Paste Numbers&lt;/b&gt; add the numbers of the clipboard, such as a column or a block of cells copied from a spreadsheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample: &lt;b&gt;Load Sample/Example Numbers&lt;/b&gt; adds a fixed series to try the program with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A number is written with the decimal and grouping separators of your regional format, or as a plain number with a point, which every format reads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After each addition a short notice over the bottom of the list says how many numbers were added and how many lines were not numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click an entry to remove it, or select it and press Delete; drag an entry onto another to swap them. Ctrl+Z undoes the last change of the list and Ctrl+Shift+Z or Ctrl+Y does it again; the last 100 changes can be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The analysis and its options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Start Analysis&lt;/b&gt; computes the twelve results of the numbers in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With &lt;b&gt;Sample&lt;/b&gt; the variance is the sum of the squared deviations from the mean divided by the count less one; with &lt;b&gt;Population&lt;/b&gt; it is divided by the count. The standard deviation, the skew and the coefficient of variation follow it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last six results are rounded to 1 to 10 decimal places, or shown with all ten decimals; a value those would show as 0 or with fewer than four significant digits is shown with 15 significant digits instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The options are remembered from one start to the next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting the results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the results to export: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. Then:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Text File&lt;/b&gt; writes them in padded columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy Results To Clipboard&lt;/b&gt; copies them as text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Results As Excel File&lt;/b&gt; opens them in a new spreadsheet workbook, which needs LibreOffice Calc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With no result ticked, each of the three only says so. &lt;b&gt;Copy as Table&lt;/b&gt; in the results list&apos;s context menu copies the ticked lines, or all, as label and value separated by a tab, ready to paste into a spreadsheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The distribution window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Distribution…&lt;/b&gt; (Ctrl+D, or either list&apos;s context menu) opens a window of its own with a picture of the last analysis&apos;s numbers and a table of their spread.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The distribution window of the sample series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture shows a histogram, the normal curve of the mean and the standard deviation, the mean and the median marked, and a box plot on the same axis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Bins&lt;/b&gt; sets the number of bars from 1 to 500, or leaves it to the program. &lt;b&gt;Copy Picture&lt;/b&gt; (Ctrl+C) copies the picture as an image, &lt;b&gt;Save Picture…&lt;/b&gt; (Ctrl+S) saves it as PNG or SVG, and Esc closes the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window follows each new analysis and says when the number list has changed since the one it shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menus hold every command of the buttons and context menus; each item does exactly what its button does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;File&lt;/b&gt;: loading and saving numbers, recent files, saving the results, and Quit (Ctrl+Q).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt;: undo and redo, pasting and copying numbers, copying the results, and clearing the lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Analysis&lt;/b&gt;: Start Analysis, the method, Show all decimals and Show Distribution….</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt;: this manual (F1), the keyboard shortcuts, and About Tallowmere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt with the underlined letter of a menu, button or option reaches it from the keyboard. The window can be enlarged: the two lists take the extra room, and the size is remembered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeping your numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Save Numbers…&lt;/b&gt; (Ctrl+S) writes the number list as a list file, one entry per line, exactly as the entries read; &lt;b&gt;Load Numbers From File&lt;/b&gt; reads it back. &lt;b&gt;Copy Numbers&lt;/b&gt; (Ctrl+C in the number list) copies the selected entries, or all when none is selected, one per line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the window closes, the number list is kept. The next start begins with an empty list, as always, and offers over it to restore the numbers from last time: one click brings them back, and Ctrl+Z takes them away again. The offer goes at the first change of the list. A list over 100 MB is not kept; the next start says so.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;File → Open Recent&lt;/b&gt; lists the last eight list files read or saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Languages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program speaks the language of your desktop: English, German, French, Spanish, Italian, Brazilian Portuguese, Dutch, Polish or Japanese. The result rows and the three exports use it too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language is chosen by &lt;code&gt;LANGUAGE&lt;/code&gt;, &lt;code&gt;LC_ALL&lt;/code&gt;, &lt;code&gt;LC_MESSAGES&lt;/code&gt; or &lt;code&gt;LANG&lt;/code&gt;, as in other desktop programs; the format of numbers follows &lt;code&gt;LC_NUMERIC&lt;/code&gt; on its own. So &lt;code&gt;LANG=de_DE.UTF-8 LANGUAGE=en&lt;/code&gt; gives English words with German numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tallowmere command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the window and reads each path, in the order given, as if all of them had been dropped on the number list together: a file as a list file, a folder with all its sub-folders. A file manager&apos;s Open With uses this.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints a short help text and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the version and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends the options: every later argument is a path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as &lt;code&gt;-platform&lt;/code&gt; and &lt;code&gt;-style&lt;/code&gt;, are taken as well. The exit status is 0, or 2 after an unknown option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The options of the window are kept in &lt;code&gt;~/.config/Brindlecote.ini&lt;/code&gt;, section &lt;code&gt;[Tallowmere]&lt;/code&gt;, written the moment they change. The number list kept at close is in &lt;code&gt;~/.local/state/tallowmere/&lt;/code&gt;. The program writes nothing else but the files you name, the clipboard and new spreadsheet workbooks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tallowmere-analyse command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;code&gt;tallowmere-analyse&lt;/code&gt; runs the analysis of the window without a window and writes its twelve results to standard output, for scripts. Each path is read as the window reads a dropped one; &lt;code&gt;-&lt;/code&gt;, or no path at all, is standard input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads list files and folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads each line of the file as one entry, exactly as if typed in the window: a line that is not a number counts as its leading number, or 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the files as tables (CSV or TSV) and the numbers of one column: by its number from 1, or with a header line by its name. The delimiter is the tab unless given; with the strict option a record with too few fields makes the exit status 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The method of the variance; a sample is the default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rounding, as in the window; the text format rounds to 3 places by default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text writes the rows as the window shows them; tsv writes a key and a value per line; json writes one object. Tsv and json write a point as the decimal separator and, unless told otherwise, every digit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the minimum, the maximum, the range, the quartiles, the interquartile range, the kurtosis, the standard error of the mean and, for a sample, the 95 % confidence interval of the mean.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the help text or the version and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages on standard error and the rows of the text format follow your language, as the window does; the keys of tsv and json and the option names never change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exit status is 0 when the results were written; 1 when there were no numbers, something could not be read or the results could not be written; 2 when the command line was wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results of the third column of a TSV file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A column by its name, from a CSV file as a German spreadsheet saves it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two files with the numbers of standard input between them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallowmere Manual</source>
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
    <name>TickList</name>
    <message>
        <source>Ticks or unticks the result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not ticked</source>
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
    <message>
        <source>Analysis finished: the results list shows %1 rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not every entry will come back as it is when this file is loaded:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries that are not numbers, left out when it is loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries a list file reads as another value: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries holding a line break, read as several lines: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first of them: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the numbers all the same?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The numbers could not be saved to &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The numbers from last time could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All results ticked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No results ticked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallowmere::app::HelpWindow</name>
    <message>
        <source>Tallowmere Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in the manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found</source>
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
