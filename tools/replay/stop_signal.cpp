#include "replay/stop_signal.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <charconv>
#include <cstdlib>
#include <new>
#include <string_view>

#include "replay/system.h"

namespace {

// A run has a temporary file for each output file (--png, --gif, --counts),
// and for --frames a staging folder and the folders made for it; room for a
// few more outputs. Atomics, so that the handler sees a slot whole.
struct Slot {
  std::atomic<const char*> path{nullptr};
  std::atomic<Temporary::Remover> remove{nullptr};
};
std::array<Slot, 8> slots;
std::atomic<bool> held{false};

// "stopped by signal N; no partial file was kept", built without the heap.
std::string_view StopMessage(int signal) {
  static char line[96];
  char* at = std::ranges::copy(std::string_view("pastura-replay: stopped by signal "), line).out;
  at = std::to_chars(at, at + 12, signal).ptr;
  at = std::ranges::copy(std::string_view("; no partial file was kept\n"), at).out;
  return {line, static_cast<std::size_t>(at - line)};
}

}  // namespace

void HoldStopSignals() {
  held = true;
}

Temporary::Temporary(std::string path, Remover remove) : path_(std::move(path)), slot_(0) {
  while (slots[slot_].path.load() != nullptr) {
    if (++slot_ == static_cast<int>(slots.size())) {
      throw std::bad_alloc();
    }
  }
  slots[slot_].remove = remove;
  slots[slot_].path = path_.c_str();
}

Temporary::~Temporary() {
  slots[slot_].path = nullptr;
}

extern "C" void OnStopSignal(int signal) {
  if (held) {
    return;
  }
  // Twice, so that a folder emptied of a later temporary goes too.
  for (int pass = 0; pass < 2; ++pass) {
    for (Slot& slot : slots) {
      if (const char* path = slot.path.load()) {
        slot.remove.load()(path);
      }
    }
  }
  WriteStandardError(StopMessage(signal));
  std::_Exit(128 + signal);
}
