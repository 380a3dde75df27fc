#pragma once
// Help → About Tallowmere: the version, the licence and the libraries used.
#include <QString>

class QMessageBox;
class QWidget;

namespace tallowmere::app {

// The box's text (rich text) in the current language.
QString AboutText();

// The box, not shown yet.
QMessageBox* MakeAboutBox(QWidget* parent);

}  // namespace tallowmere::app
