// docs/compatibility.md states what the programs keep stable for the users'
// scripts, saved files and screenshots. These checks hold its tables to the
// code: a place, a location text or a result text changed in the code (or
// mistyped on the page) fails here, so the page cannot drift from the
// program it describes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "app/FormInventory.h"
#include "app/GrowingLayout.h"
#include "input/AddFolder.h"
#include "input/DropFiles.h"
#include "input/LoadFilesCommand.h"
#include "input/ManualEntry.h"
#include "input/SampleNumbers.h"
#include "results/Analysis.h"
#include "results/ExportCommands.h"
#include "stats/StatResult.h"

namespace {

using namespace tallowmere;

std::string Page() {
  const std::filesystem::path path = std::filesystem::path(TALLOWMERE_DOCS_DIR) / "compatibility.md";
  std::ifstream in(path);
  EXPECT_TRUE(in) << path;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The cells of the table row that starts with `first` ("| `ListView1` ..."),
// trimmed; empty when the page has no such row.
std::vector<std::string> RowCells(const std::string& page, const std::string& first) {
  const std::size_t at = page.find("\n| " + first);
  if (at == std::string::npos) return {};
  const std::string line = page.substr(at + 1, page.find('\n', at + 1) - at - 1);
  std::vector<std::string> cells;
  std::stringstream parts(line.substr(1));
  for (std::string cell; std::getline(parts, cell, '|');) {
    const std::size_t begin = cell.find_first_not_of(' ');
    const std::size_t end = cell.find_last_not_of(' ');
    cells.push_back(begin == std::string::npos ? std::string() : cell.substr(begin, end - begin + 1));
  }
  return cells;
}

std::string Four(int a, int b, int c, int d) {
  return std::to_string(a) + ", " + std::to_string(b) + ", " + std::to_string(c) + ", " + std::to_string(d);
}

TEST(CompatibilityPage, NamesEveryLocationTextAndResultTextAsTheCodeSpellsThem) {
  const std::string page = Page();
  const struct {
    const char* name;
    const char* text;
  } cases[] = {
      {"FormLoad", app::kFormLoadLocation},
      {"ClearNumbers", app::kClearNumbersLocation},
      {"SampleNumbers", input::kSampleNumbersLocation},
      {"ManualEntry", input::kManualEntryLocation},
      {"SaveTextFile", results::kSaveTextFileLocation},
      {"CopyToClipboard", results::kCopyToClipboardLocation},
      {"LoadFiles", input::kLoadFilesLocation},
      {"StartAnalysis", results::kStartAnalysisLocation},
      {"ShowResults", results::kShowResultsLocation},
      {"ClearResults", app::kClearResultsLocation},
      {"SaveSpreadsheet", results::kSaveSpreadsheetLocation},
      {"FolderWalk", input::kFolderWalkLocation},
      {"Drop", input::kDropLocation},
      {"Paste", app::kPasteLocation},
      {"RemoveNotNumbers", app::kRemoveNotNumbersLocation},
      {"DivZero", stats::kDivZeroText},
      {"None", stats::kNoneText},
      {"Error", stats::kErrorText},
      {"SupportAddress", core::kSupportAddress},
  };
  for (const auto& c : cases)
    EXPECT_NE(page.find(std::string("`") + c.text + "`"), std::string::npos) << c.name << ": `" << c.text << "`";
}

TEST(CompatibilityPage, GivesEveryControlsPlaceInTwipsAndPixelsAndItsTabIndex) {
  const std::string page = Page();
  for (const app::ControlSpec& spec : app::kFormInventory) {
    SCOPED_TRACE(spec.name);
    const std::vector<std::string> cells = RowCells(page, std::string("`") + spec.name + "`");
    ASSERT_EQ(cells.size(), 5u) << "no row of five cells";
    EXPECT_EQ(cells[1], spec.parent ? std::string("`") + spec.parent + "`" : std::string("window"));
    EXPECT_EQ(cells[2], Four(spec.at.left, spec.at.top, spec.at.width, spec.at.height));
    EXPECT_EQ(cells[3], Four(app::Twips(spec.at.left), app::Twips(spec.at.top), app::Twips(spec.at.width),
                             app::Twips(spec.at.height)));
    EXPECT_EQ(cells[4], std::to_string(spec.tab));
  }
  const QSize content = app::ContentSize();
  const std::string size = std::to_string(content.width()) + " x " + std::to_string(content.height()) + " pixels";
  EXPECT_NE(page.find("8040 x 9570 twips, " + size), std::string::npos) << size;
}

}  // namespace
