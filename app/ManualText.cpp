#include "app/ManualText.h"

#include <QCoreApplication>
#include <iterator>

namespace tallowmere::app {

namespace {

enum class Kind {
  Heading,     // a section: `extra` is its anchor
  Subheading,  // a heading inside a section
  Paragraph,
  Item,        // an item of a bulleted list; neighbouring items make one list
  Term,        // a term of a definition list, verbatim: a command or an option
  Definition,  // what the term before it means
  Image,       // `extra` is the file name; the text is its description
};

struct Piece {
  Kind kind;
  const char* text;
  const char* extra = nullptr;
};

// The English source of the manual. Term texts are commands and options,
// the same in every language, so they are not marked for translation.
constexpr Piece kManual[] = {
    {Kind::Heading, QT_TRANSLATE_NOOP("Manual", "The window"), "window"},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "Tallowmere collects numbers in a list and computes twelve descriptive statistics of "
                       "them: the number of entries, the sum, the sum squared, the sum of squares, the mode, "
                       "the median, the mean, the variance, the skew, the average deviation, the standard "
                       "deviation and the coefficient of variation.")},
    {Kind::Image, QT_TRANSLATE_NOOP("Manual", "The window after Load Sample/Example Numbers and Start Analysis"),
     "main-window.png"},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual", "The number list is at the top, the results list below it. From top to bottom:")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual",
                                   "<b>Add Number / Numbers</b> asks for one number or a series separated "
                                   "by commas.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual", "<b>Load Numbers From File</b> reads one or several list files.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual", "<b>Clear List</b> beside it empties the number list.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual", "<b>Load Sample/Example Numbers</b> adds a fixed sample series.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual",
                                   "<b>Sample</b> and <b>Population</b> choose how the variance is "
                                   "computed.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual",
                                   "<b>Decimal places</b> and <b>Show all decimals</b> choose how the "
                                   "last six results are rounded.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual", "<b>Start Analysis</b> fills the results list.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual",
                                   "The four buttons at the bottom export the ticked results, and the last "
                                   "<b>Clear List</b> empties the results list.")},

    {Kind::Heading, QT_TRANSLATE_NOOP("Manual", "Filling the number list"), "filling"},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual",
                                   "Typing: press <b>Add Number / Numbers</b> and type a number, or several "
                                   "separated by commas.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual",
                                   "Files: <b>Load Numbers From File</b> reads list files, plain text with "
                                   "one number per line; lines that are not numbers are skipped.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual",
                                   "Drops: drop list files, or folders whose list files are all read, on "
                                   "the number list. Esc stops a long drop.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual",
                                   "Paste: Ctrl+V, Shift+Insert or <b>Paste Numbers</b> add the numbers of "
                                   "the clipboard, such as a column or a block of cells copied from a "
                                   "spreadsheet.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual",
                                   "Sample: <b>Load Sample/Example Numbers</b> adds a fixed series to try "
                                   "the program with.")},
    {Kind::Paragraph, QT_TRANSLATE_NOOP("Manual",
                                        "A number is written with the decimal and grouping separators of your regional "
                                        "format, or as a plain number with a point, which every format reads.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "After each addition a short notice over the bottom of the list says how many numbers "
                       "were added and how many lines were not numbers.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "Double-click an entry to remove it, or select it and press Delete; drag an entry "
                       "onto another to swap them. Ctrl+Z undoes the last change of the list and "
                       "Ctrl+Shift+Z or Ctrl+Y does it again; the last 100 changes can be undone.")},

    {Kind::Heading, QT_TRANSLATE_NOOP("Manual", "Tables and workbooks"), "tables"},
    {Kind::Paragraph, QT_TRANSLATE_NOOP("Manual",
                                        "A file of several columns (CSV, TSV, text separated by semicolons as a German "
                                        "spreadsheet saves it) or a workbook (.ods, .xlsx) opens the <b>Open Table</b> "
                                        "dialog when it is loaded, dropped or named on the command line; so does "
                                        "<b>Open Table…</b> in the number list's context menu, and a paste of several "
                                        "columns.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "The dialog shows the first rows with what it guessed: the delimiter, whether the "
                       "first row is a header, the decimal separator and, for a workbook, the sheet. Change "
                       "any of them and the preview follows. Then tick the columns to read and, to compare "
                       "groups, choose a column in <b>Split by</b>.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual",
                                   "One column ticked and no split: its numbers are added to the number list as "
                                   "one change, which Ctrl+Z undoes; cells that are not numbers are counted in "
                                   "the notice.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual",
                                   "Several columns, or a split: the <b>Compare</b> window opens and the number "
                                   "list is left as it was.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "The Compare window has a column for each column or group and a row for each "
                       "statistic, computed as the main window computes them and rounded as it rounds; "
                       "it follows the main window's method and decimals. Below the table are box plots "
                       "of every list on one axis, and with <b>Histograms</b> their histograms over the "
                       "same span.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "<b>Copy as Table</b> (Ctrl+C) copies the table, separated by tabs, ready to paste "
                       "into a spreadsheet; <b>Save Table…</b> (Ctrl+S) saves it as CSV or as a workbook; "
                       "<b>Copy Picture</b> and <b>Save Picture…</b> do the same for the picture; "
                       "<b>Send to Number List</b> adds the numbers of the chosen list to the main "
                       "window's number list.")},

    {Kind::Heading, QT_TRANSLATE_NOOP("Manual", "The analysis and its options"), "analysis"},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual", "<b>Start Analysis</b> computes the twelve results of the numbers in the list.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "With <b>Sample</b> the variance is the sum of the squared deviations from the mean "
                       "divided by the count less one; with <b>Population</b> it is divided by the count. "
                       "The standard deviation, the skew and the coefficient of variation follow it.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "The last six results are rounded to 1 to 10 decimal places, or shown with all ten "
                       "decimals; a value those would show as 0 or with fewer than four significant digits "
                       "is shown with 15 significant digits instead.")},
    {Kind::Paragraph, QT_TRANSLATE_NOOP("Manual", "The options are remembered from one start to the next.")},

    {Kind::Heading, QT_TRANSLATE_NOOP("Manual", "Exporting the results"), "exports"},
    {Kind::Paragraph, QT_TRANSLATE_NOOP("Manual",
                                        "Tick the results to export: Space ticks the current row, Ctrl+A ticks all, "
                                        "Ctrl+Shift+A none. Then:")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual", "<b>Save Results As Text File</b> writes them in padded columns.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual", "<b>Copy Results To Clipboard</b> copies them as text.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual",
                                   "<b>Save Results As Excel File</b> opens them in a new spreadsheet "
                                   "workbook, which needs LibreOffice Calc.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "With no result ticked, each of the three only says so. <b>Copy as Table</b> in the "
                       "results list's context menu copies the ticked lines, or all, as label and value "
                       "separated by a tab, ready to paste into a spreadsheet.")},

    {Kind::Heading, QT_TRANSLATE_NOOP("Manual", "The distribution window"), "distribution"},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "<b>Show Distribution…</b> (Ctrl+D, or either list's context menu) opens a window of "
                       "its own with a picture of the last analysis's numbers and a table of their spread.")},
    {Kind::Image, QT_TRANSLATE_NOOP("Manual", "The distribution window of the sample series"),
     "distribution-window.png"},
    {Kind::Paragraph, QT_TRANSLATE_NOOP("Manual",
                                        "The picture shows a histogram, the normal curve of the mean and the standard "
                                        "deviation, the mean and the median marked, and a box plot on the same axis.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "<b>Bins</b> sets the number of bars from 1 to 500, or leaves it to the program. "
                       "<b>Copy Picture</b> (Ctrl+C) copies the picture as an image, <b>Save Picture…</b> "
                       "(Ctrl+S) saves it as PNG or SVG, and Esc closes the window.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "Whole numbers of up to 100 values get a bar for each value, centred on it. <b>Range</b> "
                       "shows all values or leaves out the outliers beyond the box plot's fences, which are then "
                       "marked with their count at the ends of the axis; <b>Logarithmic axis</b>, for positive "
                       "numbers only, makes the bins equal on a logarithmic scale. Point at a bar to see its range "
                       "and count. With <b>Include title and statistics</b>, Copy Picture and Save Picture… add a "
                       "title and the table of spread to the picture.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "The window follows each new analysis and says when the number list has changed "
                       "since the one it shows.")},

    {Kind::Heading, QT_TRANSLATE_NOOP("Manual", "The menu bar"), "menus"},
    {Kind::Paragraph, QT_TRANSLATE_NOOP("Manual",
                                        "The menus hold every command of the buttons and context menus; each item does "
                                        "exactly what its button does.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual",
                                   "<b>File</b>: loading and saving numbers, recent files, saving the "
                                   "results, and Quit (Ctrl+Q).")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual",
                                   "<b>Edit</b>: undo and redo, pasting and copying numbers, copying the "
                                   "results, and clearing the lists.")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual",
                                   "<b>Analysis</b>: Start Analysis, the method, Show all decimals and Show "
                                   "Distribution….")},
    {Kind::Item, QT_TRANSLATE_NOOP("Manual",
                                   "<b>Help</b>: this manual (F1), the keyboard shortcuts, and About "
                                   "Tallowmere.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "Alt with the underlined letter of a menu, button or option reaches it from the "
                       "keyboard. The window can be enlarged: the two lists take the extra room, and the "
                       "size is remembered.")},

    {Kind::Heading, QT_TRANSLATE_NOOP("Manual", "Keeping your numbers"), "keeping"},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "<b>Save Numbers…</b> (Ctrl+S) writes the number list as a list file, one entry per "
                       "line, exactly as the entries read; <b>Load Numbers From File</b> reads it back. "
                       "<b>Copy Numbers</b> (Ctrl+C in the number list) copies the selected entries, or all "
                       "when none is selected, one per line.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "When the window closes, the number list is kept. The next start begins with an empty "
                       "list, as always, and offers over it to restore the numbers from last time: one "
                       "click brings them back, and Ctrl+Z takes them away again. The offer goes at the "
                       "first change of the list. A list over 100 MB is not kept; the next start says so.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual", "<b>File → Open Recent</b> lists the last eight list files read or saved.")},

    {Kind::Heading, QT_TRANSLATE_NOOP("Manual", "Languages"), "languages"},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "The program speaks the language of your desktop: English, German, French, Spanish, "
                       "Italian, Brazilian Portuguese, Dutch, Polish or Japanese. The result rows and the "
                       "three exports use it too.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "The language is chosen by <code>LANGUAGE</code>, <code>LC_ALL</code>, "
                       "<code>LC_MESSAGES</code> or <code>LANG</code>, as in other desktop programs; the "
                       "format of numbers follows <code>LC_NUMERIC</code> on its own. So "
                       "<code>LANG=de_DE.UTF-8 LANGUAGE=en</code> gives English words with German "
                       "numbers.")},

    {Kind::Heading, QT_TRANSLATE_NOOP("Manual", "The tallowmere command"), "tallowmere"},
    {Kind::Term, "tallowmere [OPTION]... [--] [PATH]..."},
    {Kind::Definition,
     QT_TRANSLATE_NOOP("Manual",
                       "Opens the window and reads each path, in the order given, as if all of them had "
                       "been dropped on the number list together: a file as a list file, a folder with all "
                       "its sub-folders. A file manager's Open With uses this.")},
    {Kind::Term, "-h, --help"},
    {Kind::Definition, QT_TRANSLATE_NOOP("Manual", "Prints a short help text and exits.")},
    {Kind::Term, "-V, --version"},
    {Kind::Definition, QT_TRANSLATE_NOOP("Manual", "Prints the version and exits.")},
    {Kind::Term, "--"},
    {Kind::Definition, QT_TRANSLATE_NOOP("Manual", "Ends the options: every later argument is a path.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "Qt's own options, such as <code>-platform</code> and <code>-style</code>, are taken "
                       "as well. The exit status is 0, or 2 after an unknown option.")},
    {Kind::Subheading, QT_TRANSLATE_NOOP("Manual", "Files"), nullptr},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "The options of the window are kept in <code>~/.config/Brindlecote.ini</code>, "
                       "section <code>[Tallowmere]</code>, written the moment they change. The number list "
                       "kept at close is in <code>~/.local/state/tallowmere/</code>. The program writes "
                       "nothing else but the files you name, the clipboard and new spreadsheet "
                       "workbooks.")},

    {Kind::Heading, QT_TRANSLATE_NOOP("Manual", "The tallowmere-analyse command"), "analyse"},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "<code>tallowmere-analyse</code> runs the analysis of the window without a window and "
                       "writes its twelve results to standard output, for scripts. Each path is read as the "
                       "window reads a dropped one; <code>-</code>, or no path at all, is standard "
                       "input.")},
    {Kind::Term, "tallowmere-analyse [OPTION]... [--] [PATH]..."},
    {Kind::Definition, QT_TRANSLATE_NOOP("Manual", "Reads list files and folders.")},
    {Kind::Term, "--entries [FILE]"},
    {Kind::Definition,
     QT_TRANSLATE_NOOP("Manual",
                       "Reads each line of the file as one entry, exactly as if typed in the window: a line "
                       "that is not a number counts as its leading number, or 0.")},
    {Kind::Term, "--field N|NAME, --delimiter C, --header, --strict"},
    {Kind::Definition,
     QT_TRANSLATE_NOOP("Manual",
                       "Reads the files as tables (CSV or TSV) and the numbers of one column: by its "
                       "number from 1, or with a header line by its name. The delimiter is the tab unless "
                       "given; with the strict option a record with too few fields makes the exit status "
                       "1.")},
    {Kind::Term, "--field N,M..., --all-fields, --group-by N|NAME"},
    {Kind::Definition,
     QT_TRANSLATE_NOOP("Manual",
                       "Several columns, or every column that holds numbers, each analysed on its own; "
                       "with a group column, each column's rows are split by its values. The text format "
                       "writes a block for each, headed by its name; tsv writes a column for each; json "
                       "writes an array of objects.")},
    {Kind::Term, "--encoding NAME"},
    {Kind::Definition,
     QT_TRANSLATE_NOOP("Manual",
                       "The encoding of a table's text: utf-8, utf-16le, utf-16be, utf-32le, utf-32be or "
                       "windows-1252. Without it each file is read in the form its first bytes show, as the "
                       "table dialog reads it; standard input is then read as a list file.")},
    {Kind::Term, "--sheet N|NAME"},
    {Kind::Definition,
     QT_TRANSLATE_NOOP("Manual",
                       "The sheet of a workbook (.ods or .xlsx, known by its content) to read the columns "
                       "from; the first unless given.")},
    {Kind::Term, "--sample, --population"},
    {Kind::Definition, QT_TRANSLATE_NOOP("Manual", "The method of the variance; a sample is the default.")},
    {Kind::Term, "--decimals N, --all-decimals"},
    {Kind::Definition,
     QT_TRANSLATE_NOOP("Manual", "The rounding, as in the window; the text format rounds to 3 places by default.")},
    {Kind::Term, "--format text|tsv|json"},
    {Kind::Definition,
     QT_TRANSLATE_NOOP("Manual",
                       "Text writes the rows as the window shows them; tsv writes a key and a value per line; "
                       "json writes one object. Tsv and json write a point as the decimal separator and, unless "
                       "told otherwise, every digit.")},
    {Kind::Term, "--more"},
    {Kind::Definition,
     QT_TRANSLATE_NOOP("Manual",
                       "Adds the minimum, the maximum, the range, the quartiles, the interquartile range, "
                       "the kurtosis, the standard error of the mean and, for a sample, the 95 % confidence "
                       "interval of the mean.")},
    {Kind::Term, "-h, --help, -V, --version"},
    {Kind::Definition, QT_TRANSLATE_NOOP("Manual", "Prints the help text or the version and exits.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "Messages on standard error and the rows of the text format follow your language, as "
                       "the window does; the keys of tsv and json and the option names never change.")},
    {Kind::Paragraph,
     QT_TRANSLATE_NOOP("Manual",
                       "The exit status is 0 when the results were written; 1 when there were no numbers, "
                       "something could not be read or the results could not be written; 2 when the "
                       "command line was wrong.")},
    {Kind::Subheading, QT_TRANSLATE_NOOP("Manual", "Examples"), nullptr},
    {Kind::Term, "cut -f 3 data.tsv | tallowmere-analyse --format tsv"},
    {Kind::Definition, QT_TRANSLATE_NOOP("Manual", "The results of the third column of a TSV file.")},
    {Kind::Term, "LANG=de_DE.UTF-8 tallowmere-analyse --delimiter ';' --header --field Gewicht w.csv"},
    {Kind::Definition,
     QT_TRANSLATE_NOOP("Manual", "A column by its name, from a CSV file as a German spreadsheet saves it.")},
    {Kind::Term, "tallowmere-analyse --header --field weight --group-by group lab.xlsx"},
    {Kind::Definition,
     QT_TRANSLATE_NOOP("Manual", "The weights of each group of a workbook's first sheet, side by side.")},
    {Kind::Term, "printf '4\\n5\\n' | tallowmere-analyse first.txt - last.txt"},
    {Kind::Definition, QT_TRANSLATE_NOOP("Manual", "Two files with the numbers of standard input between them.")},
};

QString Translated(const Piece& piece) { return QCoreApplication::translate("Manual", piece.text); }

QString ContentsHtml() {
  QString html = QStringLiteral("<h2 id=\"contents\">%1</h2>\n<ul>\n")
                     .arg(QCoreApplication::translate("Manual", "Contents").toHtmlEscaped());
  for (const ManualSection& section : ManualSections())
    html += QStringLiteral("<li><a href=\"#%1\">%2</a></li>\n").arg(section.anchor, section.title.toHtmlEscaped());
  return html + QStringLiteral("</ul>\n");
}

// What closes the open list when a piece of `kind` follows it.
const char* ListEnd(Kind open, Kind next) {
  if (open == Kind::Item && next != Kind::Item) return "</ul>\n";
  const bool inDefinitions = open == Kind::Term || open == Kind::Definition;
  if (inDefinitions && next != Kind::Term && next != Kind::Definition) return "</dl>\n";
  return "";
}

const char* ListStart(Kind open, Kind next) {
  if (next == Kind::Item && open != Kind::Item) return "<ul>\n";
  const bool inDefinitions = open == Kind::Term || open == Kind::Definition;
  if (next == Kind::Term && !inDefinitions) return "<dl>\n";
  return "";
}

QString PieceHtml(const Piece& piece, const QString& imageFolder) {
  switch (piece.kind) {
    case Kind::Heading:
      return QStringLiteral("<h2 id=\"%1\">%2</h2>\n").arg(QLatin1String(piece.extra), Translated(piece));
    case Kind::Subheading:
      return QStringLiteral("<h3>%1</h3>\n").arg(Translated(piece));
    case Kind::Paragraph:
      return QStringLiteral("<p>%1</p>\n").arg(Translated(piece));
    case Kind::Item:
      return QStringLiteral("<li>%1</li>\n").arg(Translated(piece));
    case Kind::Term:
      return QStringLiteral("<dt><code>%1</code></dt>\n").arg(QString::fromUtf8(piece.text).toHtmlEscaped());
    case Kind::Definition:
      return QStringLiteral("<dd>%1</dd>\n").arg(Translated(piece));
    case Kind::Image:
      return QStringLiteral("<p><img src=\"%1%2\" alt=\"%3\"></p>\n")
          .arg(imageFolder, QLatin1String(piece.extra), Translated(piece).toHtmlEscaped());
  }
  return {};
}

}  // namespace

std::vector<ManualSection> ManualSections() {
  std::vector<ManualSection> sections;
  for (const Piece& piece : kManual)
    if (piece.kind == Kind::Heading) sections.push_back({QLatin1String(piece.extra), Translated(piece)});
  return sections;
}

QString ManualHtml(const QString& imageFolder) {
  QString html = QStringLiteral("<h1>%1</h1>\n").arg(QCoreApplication::translate("Manual", "Tallowmere Manual"));
  html += ContentsHtml();
  Kind open = Kind::Paragraph;
  for (const Piece& piece : kManual) {
    html += QLatin1String(ListEnd(open, piece.kind));
    html += QLatin1String(ListStart(open, piece.kind));
    html += PieceHtml(piece, imageFolder);
    open = piece.kind;
  }
  return html + QLatin1String(ListEnd(open, Kind::Paragraph));
}

QStringList ManualImages() {
  QStringList files;
  for (const Piece& piece : kManual)
    if (piece.kind == Kind::Image) files << QLatin1String(piece.extra);
  return files;
}

}  // namespace tallowmere::app
