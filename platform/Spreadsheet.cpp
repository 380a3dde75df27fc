#include "platform/Spreadsheet.h"

#include "platform/CalcSpreadsheet.h"

namespace tallowmere::platform {

std::shared_ptr<Application> Start(const Factory& factory) {
  std::shared_ptr<Application> app = factory ? factory() : CreateCalcApplication();
  if (!app) throw std::runtime_error("Cannot create object: no spreadsheet application");
  return app;
}

}  // namespace tallowmere::platform
