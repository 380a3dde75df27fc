// The main window's side of a compare window: its options followed, its
// number list fed, the window gone with it.
#include "app/CompareWindow.h"
#include "app/Form1.h"

namespace tallowmere::app {

CompareWindow* OpenCompareWindow(Form1& form, std::vector<input::ColumnEntries> blocks,
                                 const numtext::Separators* textSeparators) {
  std::vector<results::CompareColumn> columns =
      CompareColumnsOf(std::move(blocks), textSeparators ? *textSeparators : form.Separators());
  // A window of its own (no parent): it has its own place in the task bar
  // and stays usable beside the main window.
  auto* window = new CompareWindow(
      {.dialogs = form.FormDialogs(),
       .separators = form.Separators(),
       .options = [&form] { return form.AnalysisOptions(); },
       .sendToList =
           [&form](const std::vector<std::string>& texts) { return form.AppendEntries(texts, kSendToListStep); }},
      std::move(columns));
  window->setAttribute(Qt::WA_DeleteOnClose, true);
  window->setWindowIcon(form.windowIcon());
  QObject::connect(&form, &Form1::optionsChanged, window, [window] { window->OptionsChanged(); });
  QObject::connect(&form, &QObject::destroyed, window, [window] { delete window; });
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace tallowmere::app
