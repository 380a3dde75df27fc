#pragma once
// The sheet names of an OpenDocument spreadsheet's content.xml found by a
// scan of its markup rather than by the XML reader: the reader takes about
// ten seconds over the 560 MB content of a sheet of a million rows, where the
// names are all a dialog needs to open; the scan takes what the inflation
// does. The scan sees only the tags: the names of the table:table elements
// that are children of office:spreadsheet, with their attribute's references
// and white space read as XML reads them.
//
// It relies on the form every spreadsheet program writes: the namespaces
// declared once, on the root element, with prefixes for the table and office
// ones. Where that is not so (a namespace declared further in, a default
// one, a document type declaration), or the markup ends where a tag or a
// comment is still open, it gives no answer and the part is to be read by
// the XML reader (ReadOdsSheetNames), which also tells what is wrong with it.
// Damage the scan cannot see (an end tag that does not match) is told when
// the sheet is read.
#include <optional>
#include <string>
#include <vector>

#include "input/ChunkSource.h"
#include "input/SheetProblem.h"

namespace tallowmere::input {

// The names, in order, and no problem; a problem of the source (the zip's
// inflation failed); or nothing where the scan cannot tell.
std::optional<SheetProblem> ScanOdsSheetNames(ChunkSource& content, std::vector<std::string>& names);

}  // namespace tallowmere::input
