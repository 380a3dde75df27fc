#pragma once
// What screen readers are told beyond Qt's own accounts of the widgets: the
// program's windows are frames, the distribution picture an image, the
// spoken notices notifications, and the results list a list of rows to tick.
class QObject;
class QAccessibleInterface;
class QString;

namespace tallowmere::app {

// The interface for `object`, or nullptr to leave it to Qt.
QAccessibleInterface* ProgramAccessible(const QString& className, QObject* object);
// Puts ProgramAccessible before Qt's own, once per process; widgets asked
// about before this keep the interfaces they have.
void InstallAccessibility();

}  // namespace tallowmere::app
