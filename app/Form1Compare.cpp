// What Form1 offers the windows beside it: the options as they stand, and a
// way to add numbers to the list as a step of its own.
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "app/Form1.h"
#include "app/ListNotice.h"
#include "input/NumberListModel.h"
#include "numtext/NumberTest.h"

namespace tallowmere::app {

results::CompareOptions Form1::AnalysisOptions() const {
  results::CompareOptions options{
      .sample = Option1->isChecked(), .places = decimalPlaces_, .showAll = Check1->isChecked()};
  try {
    options.places = numtext::ToInteger16(Combo1->currentText().toStdString(), separators_);
  } catch (...) {
    // Half typed: the places of the last run stand until the text reads.
  }
  return options;
}

bool Form1::AppendEntries(const std::vector<std::string>& texts, const char* step) {
  if (!ListHistoryFree()) return false;
  // What the last addition brought is no longer what the list shows.
  notice_->Dismiss();
  {
    input::NumberListModel::Change change(*numbers_, step);
    for (const std::string& text : texts) numbers_->AppendTestedText(text);
    numbers_->Flush();
  }
  return true;
}

}  // namespace tallowmere::app
