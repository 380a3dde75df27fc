#include "core/Translation.h"

#include <atomic>
#include <climits>
#include <mutex>
#include <unordered_map>

namespace tallowmere::core {

namespace {

// Installed once before any thread starts; atomic so the helper threads of a
// run read it without a race all the same.
std::atomic<TranslateFn> installed{nullptr};

// Each text handed out as a view, kept for the rest of the program; rows are
// made on helper threads too.
std::mutex keptGuard;
std::unordered_map<std::string, std::string> kept;

}  // namespace

void InstallTranslation(TranslateFn lookup) { installed.store(lookup, std::memory_order_release); }

std::string_view Translated(const char* context, const char* source) {
  const TranslateFn lookup = installed.load(std::memory_order_acquire);
  if (!lookup) return source;
  std::string key = std::string(context) + '\x04' + source;
  const std::lock_guard lock(keptGuard);
  auto at = kept.find(key);
  if (at == kept.end()) {
    std::string text = lookup(context, source, -1);
    at = kept.emplace(std::move(key), text.empty() ? std::string(source) : std::move(text)).first;
  }
  return at->second;
}

std::string TranslatedCount(const char* context, const char* one, const char* many, std::size_t n,
                            std::string_view count) {
  const TranslateFn lookup = installed.load(std::memory_order_acquire);
  std::string text = lookup
                         ? lookup(context, many, n > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(n))
                         : std::string();
  if (text.empty()) text = n == 1 ? one : many;
  return Fill(text, {count});
}

std::string Fill(std::string_view text, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const auto which = static_cast<std::size_t>(text[i + 1] - '1');
      if (which < args.size()) {
        out += *(args.begin() + which);
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace tallowmere::core
