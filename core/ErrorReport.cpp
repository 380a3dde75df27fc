#include "core/ErrorReport.h"

#include <exception>
#include <new>

#include "core/Translation.h"

namespace tallowmere::core {

namespace {

// The description of a failure to get memory. It stays English as the
// failure is reported (the analyser knows it by it); the box tells it in the
// user's language.
constexpr const char* kOutOfMemory = QT_TRANSLATE_NOOP("ErrorReport", "Out of memory");

}  // namespace

std::string ErrorReportText(std::string_view description, std::string_view location, int label) {
  std::string text;
  text.append(description == kOutOfMemory ? Translated("ErrorReport", kOutOfMemory) : description);
  text.append("\r\n");
  text.append(location);
  if (label != kNoLine) {
    text.append("at line ");
    text.append(std::to_string(label));
  }
  text.append("\r\r");
  text.append(
      Translated("ErrorReport", QT_TRANSLATE_NOOP("ErrorReport", "Please email screenshot of this message to ")));
  text.append(kSupportAddress);
  return text;
}

std::string CurrentFailureDescription() {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown error";
  }
}

void Trap::Report() {
  std::string description = CurrentFailureDescription();
  try {
    sink_.ReportError(description, location_, label_);
  } catch (...) {
    // A report that cannot be shown must not take the procedure down with it.
  }
}

}  // namespace tallowmere::core
