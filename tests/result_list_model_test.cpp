// The results list's model: the rows of a run's results as they come, the
// ticks it keeps for them, and what the exports read of it.
#include <gtest/gtest.h>

#include <QObject>
#include <stdexcept>
#include <string>
#include <vector>

#include "results/ReportList.h"
#include "results/ResultListModel.h"

using namespace tallowmere::results;

namespace {

Results RunOf(const std::vector<std::string>& values, bool sample = true) {
  static const char* const kLabels[] = {
      "The number of entries is: ", "The sum of the numbers are: ", "The mean is: ", "The median is: "};
  Results results;
  results.sample = sample;
  for (std::size_t i = 0; i < values.size(); ++i)
    results.rows.push_back({.key = "key", .label = kLabels[i % 4], .value = {}, .valueText = values[i]});
  return results;
}

QStringList Shown(const ResultListModel& list) {
  QStringList lines;
  for (int r = 0; r < list.rowCount(); ++r) lines << list.index(r).data(Qt::DisplayRole).toString();
  return lines;
}

// The rows a model's signal named, first and last, each time it came.
using Ranges = std::vector<std::pair<int, int>>;

template <class Signal>
void Record(ResultListModel& list, Signal signal, Ranges& ranges) {
  QObject::connect(&list, signal, &list,
                   [&ranges](const QModelIndex&, int first, int last) { ranges.emplace_back(first, last); });
}

std::vector<int> TickedRows(const ResultListModel& list) {
  std::vector<int> rows;
  for (int r = 0; r < list.rowCount(); ++r)
    if (list.index(r).data(Qt::CheckStateRole).toInt() == Qt::Checked) rows.push_back(r);
  return rows;
}

// ---------------------------------------------------------------------------
// Rows as a run adds them.

TEST(ResultListRows, GrowWithTheRunAndStayAfterIt) {
  ResultListModel list;
  Ranges inserted;
  Record(list, &QAbstractItemModel::rowsInserted, inserted);
  Results run;
  const Results whole = RunOf({"4", "15", "3.75"});
  for (const ResultRow& row : whole.rows) {
    run.rows.push_back(row);
    list.ShowRowsOf(run);
    ASSERT_EQ(list.rowCount(), static_cast<int>(run.rows.size()));
  }
  EXPECT_EQ(Shown(list),
            (QStringList{"The number of entries is: 4", "The sum of the numbers are: 15", "The mean is: 3.75"}));
  EXPECT_EQ(inserted, (Ranges{{0, 0}, {1, 1}, {2, 2}}));
  // The results may go (the next run empties them): the list keeps its own.
  run = {};
  list.ShowRowsOf(run);
  EXPECT_EQ(list.rowCount(), 3);
  EXPECT_EQ(list.Rows()[1].Line(), "The sum of the numbers are: 15");
}

TEST(ResultListRows, ClearingEmptiesTheListAndItsTicks) {
  ResultListModel list;
  list.ShowRowsOf(RunOf({"1", "2"}));
  list.SetTicked(1, true);
  Ranges removed;
  Record(list, &QAbstractItemModel::rowsRemoved, removed);
  list.Clear();
  EXPECT_EQ(list.rowCount(), 0);
  EXPECT_EQ(removed, (Ranges{{0, 1}}));
  list.Clear();
  EXPECT_EQ(removed.size(), 1u) << "an empty list says nothing";
  list.ShowRowsOf(RunOf({"7", "8"}));
  EXPECT_EQ(Shown(list), (QStringList{"The number of entries is: 7", "The sum of the numbers are: 8"}));
  EXPECT_TRUE(TickedRows(list).empty()) << "new rows come unticked";
}

TEST(ResultListRows, CheckableNotEditable) {
  ResultListModel list;
  list.ShowRowsOf(RunOf({"4"}));
  const QModelIndex row = list.index(0);
  EXPECT_TRUE(row.flags() & Qt::ItemIsUserCheckable);
  EXPECT_TRUE(row.flags() & Qt::ItemIsSelectable);
  EXPECT_TRUE(row.flags() & Qt::ItemIsEnabled);
  EXPECT_FALSE(row.flags() & Qt::ItemIsEditable);
  for (int role : {int(Qt::DisplayRole), int(Qt::EditRole)}) {
    EXPECT_FALSE(list.setData(row, QStringLiteral("other"), role)) << role;
  }
  EXPECT_EQ(Shown(list), QStringList{"The number of entries is: 4"});
  EXPECT_EQ(list.index(0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
  EXPECT_FALSE(list.index(1).isValid());
}

// ---------------------------------------------------------------------------
// Ticks: by any means, each change told once, for its row, as a tick.

struct TickCase {
  const char* name;
  std::vector<int> before;                    // ticked first
  std::function<void(ResultListModel&)> act;  // then this
  std::vector<int> after;                     // ticked rows afterwards
  std::vector<int> told;                      // rows whose change was told
};

class Ticks : public ::testing::TestWithParam<TickCase> {};

TEST_P(Ticks, ChangeAndSaySo) {
  const TickCase& c = GetParam();
  ResultListModel list;
  list.ShowRowsOf(RunOf({"a", "b", "c", "d"}));
  for (int r : c.before) list.SetTicked(r, true);
  std::vector<int> told;
  QObject::connect(&list, &QAbstractItemModel::dataChanged, &list,
                   [&](const QModelIndex& from, const QModelIndex& to, const QList<int>& roles) {
                     EXPECT_EQ(to.row(), from.row());
                     EXPECT_EQ(roles, QList<int>{Qt::CheckStateRole});
                     told.push_back(from.row());
                   });
  c.act(list);
  EXPECT_EQ(TickedRows(list), c.after);
  EXPECT_EQ(told, c.told);
  for (int r = 0; r < list.rowCount(); ++r)
    EXPECT_EQ(list.Ticked(r), std::count(c.after.begin(), c.after.end(), r) == 1) << r;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Ticks,
    ::testing::Values(
        TickCase{"TickOne", {}, [](ResultListModel& l) { l.SetTicked(2, true); }, {2}, {2}},
        TickCase{"UntickOne", {1, 2}, [](ResultListModel& l) { l.SetTicked(1, false); }, {2}, {1}},
        TickCase{"TickATickedRowSaysNothing", {3}, [](ResultListModel& l) { l.SetTicked(3, true); }, {3}, {}},
        TickCase{"TheViewsCheckBox",
                 {},
                 [](ResultListModel& l) { EXPECT_TRUE(l.setData(l.index(0), Qt::Checked, Qt::CheckStateRole)); },
                 {0},
                 {0}},
        TickCase{"TheViewsCheckBoxOff",
                 {0, 3},
                 [](ResultListModel& l) { EXPECT_TRUE(l.setData(l.index(3), Qt::Unchecked, Qt::CheckStateRole)); },
                 {0},
                 {3}},
        TickCase{"AllTickedOnlyTheUntickedTell",
                 {1, 3},
                 [](ResultListModel& l) { l.SetAllTicked(true); },
                 {0, 1, 2, 3},
                 {0, 2}},
        TickCase{"AllUnticked", {0, 2}, [](ResultListModel& l) { l.SetAllTicked(false); }, {}, {0, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TicksOfRowsGone, FailInsteadOfReadingAsUnticked) {
  ResultListModel list;
  list.ShowRowsOf(RunOf({"a", "b"}));
  for (int row : {-1, 2}) {
    EXPECT_THROW(list.Ticked(row), std::out_of_range) << row;
    EXPECT_THROW(list.SetTicked(row, true), std::out_of_range) << row;
  }
  list.Clear();
  EXPECT_THROW(list.Ticked(0), std::out_of_range);
}

// ---------------------------------------------------------------------------
// What the exports read: the rows' lines, the header, the ticks.

TEST(ResultListReport, ReadsTheRowsLinesTheHeaderAndTheTicks) {
  ResultListModel list;
  EXPECT_EQ(HeaderText(list, 0), QStringLiteral("1")) << "before a header is given: the column's number";
  list.SetHeader(QStringLiteral("Result(s)"));
  list.ShowRowsOf(RunOf({"4", "15 %"}, false));
  list.SetTicked(1, true);
  const ReportList& report = list;
  EXPECT_EQ(report.ReportColumns(), 1);
  EXPECT_EQ(report.ReportRows(), 2);
  EXPECT_EQ(HeaderText(report, 0), QStringLiteral("Result(s)"));
  EXPECT_EQ(list.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Result(s)"));
  EXPECT_EQ(CellText(report, 0, 0), QStringLiteral("The number of entries is: 4"));
  EXPECT_EQ(CellText(report, 1, 0), QStringLiteral("The sum of the numbers are: 15 %"));
  EXPECT_FALSE(Ticked(report, 0));
  EXPECT_TRUE(Ticked(report, 1));
  const struct {
    const char* name;
    int row, column;
  } gone[] = {{"row past the end", 2, 0}, {"second column", 0, 1}, {"negative row", -1, 0}};
  for (const auto& g : gone) EXPECT_THROW(CellText(report, g.row, g.column), std::out_of_range) << g.name;
  EXPECT_THROW(HeaderText(report, 1), std::out_of_range);
  EXPECT_THROW(Ticked(report, 2), std::out_of_range);
}

// Lines outside ASCII go to the list as the row's UTF-8 says.
TEST(ResultListReport, LinesAreTheRowsUtf8) {
  ResultListModel list;
  Results run;
  run.rows.push_back({.key = "mean", .label = "Der Mittelwert ist: ", .value = {}, .valueText = "3,75 \xE2\x82\xAC"});
  list.ShowRowsOf(run);
  EXPECT_EQ(CellText(list, 0, 0), QStringLiteral("Der Mittelwert ist: 3,75 €"));
}

}  // namespace
