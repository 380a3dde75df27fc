#pragma once
// A spreadsheet application that lives in memory: what the export leaves in
// its workbooks (cell texts, fitted columns) and whether it was shown, for the
// tests to look at afterwards. Its factory goes where the export's host
// struct takes one; starts are counted, and the test decides which of them
// fail and which cell texts the application refuses.
#include <QString>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/Spreadsheet.h"

namespace spreadsheettest {

namespace platform = tallowmere::platform;

using Cells = std::map<std::pair<long, long>, QString>;  // (row, column) -> text
using Widths = std::map<long, qsizetype>;                // column -> its longest text when fitted

struct Book {
  Cells cells;
  Widths widths;
  std::vector<long> fittedColumns;  // fitted one at a time, in order
  int allColumnsFitted = 0;
  int timesShown = 0;
  // What the user saw when the application was last shown.
  Cells cellsShown;
  Widths widthsShown;
};

struct Outcome {
  int starts = 0;
  std::vector<std::shared_ptr<Book>> books;  // of every started application
  // Start number n (from 1) fails when this answers true.
  std::function<bool(int start)> startFails = [](int) { return false; };
  // A text the application refuses to put into a cell.
  std::function<bool(const QString& text)> refuses = [](const QString&) { return false; };
  // Runs when an application is shown (the test looks at the window then).
  std::function<void()> onShow;
};

inline constexpr const char* kRefusedCellMessage = "The fake application refused the text";

class FakeWorkbook final : public platform::Workbook {
 public:
  FakeWorkbook(std::shared_ptr<Book> book, const Outcome& outcome) : book_(std::move(book)), outcome_(outcome) {}

  void SetCellText(long row, long column, const QString& text) override {
    if (outcome_.refuses(text)) throw std::runtime_error(kRefusedCellMessage);
    if (text.isEmpty())
      book_->cells.erase({row, column});
    else
      book_->cells[{row, column}] = text;
  }
  void FitColumn(long column) override {
    book_->fittedColumns.push_back(column);
    Fit(column);
  }
  void FitAllColumns() override {
    ++book_->allColumnsFitted;
    for (const auto& [at, text] : book_->cells) Fit(at.second);
  }

 private:
  void Fit(long column) {
    qsizetype longest = 0;
    for (const auto& [at, text] : book_->cells)
      if (at.second == column) longest = std::max(longest, text.size());
    book_->widths[column] = longest;
  }

  std::shared_ptr<Book> book_;
  const Outcome& outcome_;
};

class FakeApplication final : public platform::Application {
 public:
  explicit FakeApplication(Outcome& outcome) : outcome_(outcome) {}

  std::shared_ptr<platform::Workbook> NewWorkbook() override {
    mine_.push_back(std::make_shared<Book>());
    outcome_.books.push_back(mine_.back());
    return std::make_shared<FakeWorkbook>(mine_.back(), outcome_);
  }
  void Show() override {
    for (const std::shared_ptr<Book>& book : mine_) {
      ++book->timesShown;
      book->cellsShown = book->cells;
      book->widthsShown = book->widths;
    }
    if (outcome_.onShow) outcome_.onShow();
  }

 private:
  Outcome& outcome_;
  std::vector<std::shared_ptr<Book>> mine_;
};

// Starts fake applications that all record into `outcome`.
class InstalledFake {
 public:
  InstalledFake() = default;
  InstalledFake(const InstalledFake&) = delete;
  InstalledFake& operator=(const InstalledFake&) = delete;

  platform::Factory Factory() {
    return [this]() -> std::shared_ptr<platform::Application> {
      ++outcome.starts;
      if (outcome.startFails(outcome.starts)) throw std::runtime_error("Cannot create object");
      return std::make_shared<FakeApplication>(outcome);
    };
  }

  Outcome outcome;
};

}  // namespace spreadsheettest
