// WebDialog: the page's one dialog, the shared dialog rules on the
// program-wide world and schedule, shown in a WebWindow.
#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <utility>

#include "app/dialog_controller.h"
#include "sim/program.h"
#include "sim/random.h"
#include "ui/web/web_window.h"

class WebDialog {
 public:
  // `seed` starts the world's spawn generator; `scale` is the device pixel ratio.
  WebDialog(emscripten::val page, std::uint32_t seed, double scale)
      : window_(std::move(page), scale), controller_(theWorld, theSchedule, window_) {
    theWorld.random = Random(seed);
  }

  DialogController& Controller() { return controller_; }
  WebWindow& Window() { return window_; }

 private:
  WebWindow window_;
  DialogController controller_;
};
