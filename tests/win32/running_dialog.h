// The main dialog run in a test's own process on a world of its own, on a
// thread of its own with the program's keys, as the program runs it; the
// test drives it, and may change its world while it waits for messages.
// Made once the dialog is shown and its start-up tick has filled the report
// list, each a failed check when it does not come within 10 s; closed, and
// its thread joined, when it goes.
#pragma once

#include <windows.h>

#include <thread>

#include "check.h"
#include "sim/tick.h"
#include "sim/world.h"
#include "ui/win32/dialog_keys.h"
#include "ui/win32/sim_dialog.h"
#include "wait_for_dialog.h"

class RunningDialog {
 public:
  RunningDialog()
      : thread_([this] {
          DialogKeys keys;
          CSimDialog dialog(GetModuleHandleA(nullptr), world_, schedule_);
          dialog.DoModal();
        }),
        window_(WaitForDialog()) {
    Check(window_ != nullptr, "no dialog \"Pastura\" within 10 s");
    if (window_ != nullptr) {
      Check(WaitForStartupTick(window_), "no start-up tick within 10 s");
    }
  }
  ~RunningDialog() {
    if (window_ != nullptr) {
      PostMessageA(window_, WM_CLOSE, 0, 0);
    }
    thread_.join();
  }
  RunningDialog(const RunningDialog&) = delete;
  RunningDialog& operator=(const RunningDialog&) = delete;

  // The dialog's window; null when none showed.
  HWND Window() const { return window_; }
  CWorld& World() { return world_; }

 private:
  CWorld world_;
  Schedule schedule_;
  std::thread thread_;
  HWND window_;
};
