#pragma once
// Where the program's own optional files (the hand pointer, the drag pointer,
// the skin) are found. In the build tree they sit beside the executable; an
// installed program keeps them in its data folder (../share/tallowmere next to
// bin/), wherever the whole tree was installed or moved to.
#include <QString>

namespace tallowmere::platform {

class ProgramFolder {
 public:
  // `folder`: the folder the program's files are looked for in first; empty
  // means the executable's folder.
  explicit ProgramFolder(const QString& folder = QString());

  // The full path of `relative` (such as "/HAND-M.CUR" or "/x/o.cjs"): beside
  // the executable when it is there, else in the installed data folder when it
  // is there, else beside the executable again, so a file that is missing
  // everywhere behaves as a missing file of the program folder.
  QString File(const QString& relative) const;

 private:
  QString folder_;
  QString installedData_;
};

}  // namespace tallowmere::platform
