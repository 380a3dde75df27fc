#include "platform/Spreadsheet.h"

#include "platform/CalcSpreadsheet.h"

namespace spreadsheet {

namespace {

Factory& InstalledFactory() {
  static Factory factory;
  return factory;
}

}  // namespace

std::shared_ptr<Application> Start() {
  const Factory& factory = InstalledFactory();
  std::shared_ptr<Application> app = factory ? factory() : CreateCalcApplication();
  if (!app) throw std::runtime_error("Cannot create object: no spreadsheet application");
  return app;
}

void SetFactory(Factory factory) { InstalledFactory() = std::move(factory); }

}  // namespace spreadsheet
