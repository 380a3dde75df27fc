#pragma once
// A paste, or a text drop, that holds a table (a range copied from a
// spreadsheet: tab-separated rows, maybe a header) opens the table dialog
// on the text, as a table file does, rather than being read as characters.
// Only the text's start decides, so a paste of millions of lines costs
// nothing more when it is a plain list.
#include <QString>
#include <QStringView>
#include <memory>
#include <string>

#include "app/AdditionNotice.h"
#include "numtext/Separators.h"

namespace tallowmere::app {

// Whether pasted text is a table: at least two lines, and a table by
// LooksLikeTable. A single row ("1\t2\t3") or a single column is not.
bool LooksLikePastedTable(QStringView text, const numtext::Separators& user);

// The whole text in UTF-8, for the table dialog's choice (TableChoice::text);
// converted a block at a time, so that it is never held twice over.
std::shared_ptr<const std::string> PastedTableText(QStringView text);

// What the window calls the table where it would name a file: "the pasted
// table", or "the dropped table" for `source` AdditionSource::kDroppedText.
QString PastedTableName(AdditionSource source);

}  // namespace tallowmere::app
