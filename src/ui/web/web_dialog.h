// WebDialog: the page's one dialog, a fresh world and its schedule behind
// the shared dialog rules, shown in a WebWindow.
#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <utility>

#include "app/dialog_controller.h"
#include "sim/tick.h"
#include "sim/world.h"
#include "ui/web/web_window.h"

class WebDialog {
 public:
  // `seed` starts the spawn generator; `scale` is the device pixel ratio.
  WebDialog(emscripten::val page, std::uint32_t seed, double scale)
      : world_(seed), window_(std::move(page), scale), controller_(world_, schedule_, window_) {}

  DialogController& Controller() { return controller_; }
  WebWindow& Window() { return window_; }

 private:
  CWorld world_;
  Schedule schedule_;
  WebWindow window_;
  DialogController controller_;
};
