#include "input/FileReading.h"

namespace tallowmere::input {

void FileReading::Tell() const {
  if (host_.progress) host_.progress(state_);
}

bool FileReading::AskedToStop() {
  if (!state_.stopped && host_.shouldStop && host_.shouldStop()) state_.stopped = true;
  return state_.stopped;
}

void FileReading::Read(const std::string& path) {
  if (state_.filesRead == 0) state_.firstFile = path;
  if (!host_.readFile(path, host_.showNotRead, host_.letEventsRun, [this] { return AskedToStop(); }))
    state_.fileCut = true;
}

void FileReading::Counted() {
  ++state_.filesRead;
  if (!state_.fileCut) Tell();
}

void FileReading::ReadInTurn(std::size_t count, const std::function<bool()>& stopBefore,
                             const std::function<void(std::size_t)>& readOne) {
  for (std::size_t k = 0; k < count; ++k) {
    if (stopBefore()) return;
    readOne(k);
    Counted();
  }
}

}  // namespace tallowmere::input
