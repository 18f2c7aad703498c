// The program's functions the page calls, through program.js: the
// description of its dialogs, the board's size at a scale, and the page's
// one dialog, opened once and then commanded. Results of more than one
// number are 32-bit words in the module's memory, valid until the next call;
// texts are UTF-8, terminated.

#include <emscripten/emscripten.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "app/dialog_units.h"
#include "app/script.h"
#include "app/session_link.h"
#include "render/device_scale.h"
#include "ui/web/description.h"
#include "ui/web/web_dialog.h"

namespace {

std::optional<WebDialog> theDialog;
std::string theText;                   // the last text returned
std::array<std::int32_t, 4> theWords;  // the last words returned

// A surface as the page reads it: where its pixels start, its width and
// its height.
const std::int32_t* Words(const RasterSurface& surface) {
  theWords = {static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(surface.Pixels().data())),
              surface.Width(), surface.Height(), 0};
  return theWords.data();
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* pastura_description() {
  theText = DescriptionJson();
  return theText.c_str();
}

// The scales the board is drawn at, from the least to the most.
EMSCRIPTEN_KEEPALIVE double pastura_least_scale() {
  return DeviceScale::kLeastZoomedOut;
}

EMSCRIPTEN_KEEPALIVE double pastura_most_scale() {
  return DeviceScale::kMost;
}

// The board's size in device pixels at `scale`, as the dialog draws it.
EMSCRIPTEN_KEEPALIVE std::int32_t pastura_board_width(double scale) {
  return static_cast<std::int32_t>(
      DeviceScale(scale, DeviceScale::kLeastZoomedOut).ToDevice(dialog_units::kClientWidth));
}

EMSCRIPTEN_KEEPALIVE std::int32_t pastura_board_height(double scale) {
  return static_cast<std::int32_t>(
      DeviceScale(scale, DeviceScale::kLeastZoomedOut).ToDevice(dialog_units::kClientHeight));
}

// `seed` starts the spawn generator; `scale` is the device pixel ratio.
EMSCRIPTEN_KEEPALIVE void pastura_open(std::uint32_t seed, double scale) {
  theDialog.emplace(seed, scale);
}

EMSCRIPTEN_KEEPALIVE void pastura_command(int id) {
  theDialog->Controller().OnCommand(id);
}

EMSCRIPTEN_KEEPALIVE void pastura_shown() {
  theDialog->Controller().OnShowWindow(true);
}

EMSCRIPTEN_KEEPALIVE void pastura_timer(int id) {
  theDialog->Controller().OnTimer(id);
}

EMSCRIPTEN_KEEPALIVE void pastura_step() {
  theDialog->Controller().OnStep();
}

EMSCRIPTEN_KEEPALIVE void pastura_set_scale(double scale) {
  theDialog->Window().SetScale(scale);
}

EMSCRIPTEN_KEEPALIVE void pastura_show_whole_board() {
  theDialog->Window().ShowWholeBoard();
}

// The board's surface: its pixels, width and height.
EMSCRIPTEN_KEEPALIVE const std::int32_t* pastura_board_surface() {
  return Words(theDialog->Window().Surface());
}

// The session so far as a link's run (see app/session_link.h).
EMSCRIPTEN_KEEPALIVE const char* pastura_run() {
  const std::variant<Script, ScriptError> session = ParseScript(theDialog->Session().Text());
  theText = RunOfScript(std::get<Script>(session));
  return theText.c_str();
}

// Plays a link's run before the dialog is first shown, so that it opens on
// the run's end, stopped; returns why the run is malformed, or "".
EMSCRIPTEN_KEEPALIVE const char* pastura_play_run(const char* run, std::size_t length) {
  std::variant<Script, std::string> script = ScriptOfRun(std::string_view(run, length));
  if (const std::string* fault = std::get_if<std::string>(&script)) {
    theText = *fault;
  } else {
    theText.clear();
    theDialog->Controller().PlaySession(std::get<Script>(script));
  }
  return theText.c_str();
}

// The counts now: plants, herbivores, carnivores.
EMSCRIPTEN_KEEPALIVE const std::int32_t* pastura_counts() {
  const Populations now = theDialog->Controller().Counts();
  theWords = {now.plants, now.herbivores, now.carnivores, 0};
  return theWords.data();
}

// Draws the chart at `scale` (all of it at a new scale or the first time);
// returns the number of parts it drew on, each then read by
// pastura_chart_part.
EMSCRIPTEN_KEEPALIVE std::int32_t pastura_draw_chart(double scale) {
  return static_cast<std::int32_t>(theDialog->DrawChart(scale).size());
}

// Part `index` of the last drawing: left, top, right, bottom.
EMSCRIPTEN_KEEPALIVE const std::int32_t* pastura_chart_part(std::int32_t index) {
  const DeviceRect& part = theDialog->ChartParts()[static_cast<std::size_t>(index)];
  theWords = {part.left, part.top, part.right, part.bottom};
  return theWords.data();
}

// The chart's surface: its pixels, width and height.
EMSCRIPTEN_KEEPALIVE const std::int32_t* pastura_chart_surface() {
  return Words(theDialog->ChartSurface());
}

}  // extern "C"
