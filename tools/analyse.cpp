// tallowmere-analyse: the analysis of "Start Analysis" without a window, for
// scripting, benchmarks and tests. It runs the same code as the window.
//
//   tallowmere-analyse [--population] [--decimals TEXT] [--all-decimals] [--time] --entries [FILE]
//   tallowmere-analyse [options] [PATH...]
//
// With --entries each line of FILE (standard input when absent) is one entry
// of the number list, verbatim, as if typed. Otherwise each PATH is read as if
// dropped on the number list (a file as a list file, a folder walked and its
// files read), or standard input as one list file when no PATH is given;
// notices such as "File not found" go to standard error.
#include <QLocale>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "input/AddFolder.h"
#include "input/DropFiles.h"
#include "input/EntryStore.h"
#include "input/ListFile.h"
#include "results/Analysis.h"
#include "stats/NumberText.h"
#include "stats/Statistics.h"

namespace {

class CommandLineHost : public AnalysisHost {
 public:
  EntryStore entries;
  std::string decimalsText = "3";
  bool allDecimals = false;
  std::vector<std::string> rows;
  bool forgot = false;
  std::size_t reports = 0;

  std::size_t EntryCount() const override { return entries.Size(); }
  std::string_view EntryText(std::size_t i) const override { return entries.Text(i); }
  std::string DecimalPlacesText() const override { return decimalsText; }
  bool ShowAllDecimals() const override { return allDecimals; }
  void SetBusy(bool) override {}
  void ClearResults() override { rows.clear(); }
  void AddResultRow(const std::string& line) override { rows.push_back(line); }
  void ShowMessage(const std::string& text) override {
    if (text == kForgotNumbersMessage) forgot = true;
    std::cerr << text << '\n';
  }
  void ReportError(const std::string& description, std::string_view location, int label) override {
    ++reports;
    std::cerr << "Application Error: " << location << "at line " << label << ": " << description << '\n';
  }
};

// Appends each line of the stream as one entry. A CR before the LF is part of
// the line end; the line end at the very end does not make an extra entry.
bool ReadEntries(std::FILE* in, EntryStore& store) {
  std::vector<char> block(1 << 20);
  std::string pending;
  std::size_t got;
  while ((got = std::fread(block.data(), 1, block.size(), in)) > 0) {
    const char* p = block.data();
    const char* end = p + got;
    while (p < end) {
      const char* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
      if (!nl) {
        pending.append(p, end);
        break;
      }
      std::string_view line;
      if (pending.empty()) {
        line = std::string_view(p, static_cast<std::size_t>(nl - p));
      } else {
        pending.append(p, nl);
        line = pending;
      }
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      store.Append(line);
      pending.clear();
      p = nl + 1;
    }
  }
  if (std::ferror(in)) return false;
  if (!pending.empty()) {
    std::string_view line = pending;
    if (line.back() == '\r') line.remove_suffix(1);
    store.Append(line);
  }
  return true;
}

// A first pass that counts lines lets the store be sized once, which keeps
// the peak memory of ten million entries low.
void ReserveForFile(const char* path, EntryStore& store) {
  std::FILE* f = std::fopen(path, "rb");
  if (!f) return;
  std::vector<char> block(1 << 20);
  std::size_t lines = 0, bytes = 0, got;
  while ((got = std::fread(block.data(), 1, block.size(), f)) > 0) {
    bytes += got;
    for (const char* p = block.data(); (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(block.data() + got - p)))); ++p)
      ++lines;
  }
  std::fclose(f);
  store.Reserve(lines + 1, bytes);
}

class StoreSink final : public EntrySink {
 public:
  explicit StoreSink(EntryStore& store) : store_(store) {}
  void Append(std::string_view text) override { store_.Append(text); }

 private:
  EntryStore& store_;
};

// Reads the PATHs as a drop would, or standard input as one list file.
// False when something could not be read (already told on standard error).
bool ReadListPaths(const std::vector<std::string>& paths, CommandLineHost& host) {
  StoreSink sink(host.entries);
  if (paths.empty()) {
    try {
      ReadListDescriptor(sink, 0);
    } catch (const std::exception& e) {
      std::cerr << "Could not read standard input: " << e.what() << '\n';
      return false;
    }
    return true;
  }
  if (paths.size() == 1 && IsOpenableFile(paths[0])) ReserveForFile(paths[0].c_str(), host.entries);
  bool ok = true;
  DropContext ctx{sink, host, [&ok](const std::string& text) {
                    ok = false;
                    std::cerr << text << '\n';
                  }, {}};
  const std::size_t reportsBefore = host.reports;
  ReadDroppedPaths(paths, ctx);
  return ok && host.reports == reportsBefore;
}

int Usage() {
  std::cerr << "usage: tallowmere-analyse [--population] [--decimals TEXT] [--all-decimals] [--time] "
               "--entries [FILE]\n"
               "       tallowmere-analyse [options] [PATH...]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const QLocale locale = QLocale::system();
  numtext::SetUserSeparators({locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()});

  CommandLineHost host;
  bool time = false, entriesMode = false;
  std::string entriesFile;
  std::vector<std::string> paths;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--population") {
      modStatistics::MethodIsSample = false;
    } else if (a == "--sample") {
      modStatistics::MethodIsSample = true;
    } else if (a == "--decimals" && i + 1 < argc) {
      host.decimalsText = argv[++i];
    } else if (a == "--all-decimals") {
      host.allDecimals = true;
    } else if (a == "--time") {
      time = true;
    } else if (a == "--entries") {
      entriesMode = true;
      if (i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0) entriesFile = argv[++i];
    } else if (a == "--help" || a == "-h") {
      Usage();
      return 0;
    } else if (a.size() > 1 && a[0] == '-') {
      return Usage();
    } else {
      paths.push_back(a);
    }
  }
  if (entriesMode && !paths.empty()) return Usage();
  // "Show all decimals" shows "10" in the disabled decimal-places box.
  if (host.allDecimals) host.decimalsText = "10";

  using Clock = std::chrono::steady_clock;
  const auto t0 = Clock::now();
  // A list that could not be read whole is still analysed, as in the
  // window, but the exit code tells.
  bool readAll = true;
  if (entriesMode) {
    std::FILE* in = stdin;
    if (!entriesFile.empty() && entriesFile != "-") {
      ReserveForFile(entriesFile.c_str(), host.entries);
      in = std::fopen(entriesFile.c_str(), "rb");
      if (!in) {
        std::cerr << "File not found\n";
        return 1;
      }
    }
    const bool ok = ReadEntries(in, host.entries);
    if (in != stdin) std::fclose(in);
    if (!ok) {
      std::cerr << "Could not read " << (entriesFile.empty() ? "standard input" : entriesFile) << '\n';
      return 1;
    }
  } else {
    readAll = ReadListPaths(paths, host);
  }
  const auto t1 = Clock::now();
  analysis::StartAnalysis(host);
  const auto t2 = Clock::now();

  std::string out;
  for (const auto& row : host.rows) {
    out += row;
    out += '\n';
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  if (time) {
    auto secs = [](auto d) { return std::chrono::duration<double>(d).count(); };
    std::fprintf(stderr, "read %.3f s, analyse %.3f s, entries %zu\n", secs(t1 - t0), secs(t2 - t1),
                 host.entries.Size());
  }
  return host.forgot || !readAll ? 1 : 0;
}
