// The page's view of the program: the dialog (its commands, show, timers and
// board), the two dialogs' layouts in pixels, the board's size at a display
// scale and the scales it is drawn at, the help text and the spawn
// generator's default seed. The page's
// script (site/page.js) builds the dialog from these and calls nothing else.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "app/dialog_layout.h"
#include "app/dialog_units.h"
#include "app/script.h"
#include "app/session_link.h"
#include "app/timers.h"
#include "pastura_version.h"
#include "render/device_scale.h"
#include "render/population_chart.h"
#include "sim/random.h"
#include "ui/common/help_text.h"
#include "ui/web/web_dialog.h"

namespace {

using emscripten::val;

val Text(std::string_view text) {
  return val(std::string(text));
}

// A rectangle in dialog units as the page's pixels: left, top, width, height.
val Pixels(const dialog_layout::UnitRect& rect) {
  const dialog_units::PixelRect pixels = dialog_units::ToPixels(rect);
  val out = val::object();
  out.set("left", pixels.left);
  out.set("top", pixels.top);
  out.set("width", pixels.width());
  out.set("height", pixels.height());
  return out;
}

std::string_view KindName(dialog_layout::ControlKind kind) {
  switch (kind) {
    case dialog_layout::ControlKind::kPushButton:
      return "button";
    case dialog_layout::ControlKind::kDefaultButton:
      return "default-button";
    case dialog_layout::ControlKind::kLabel:
      return "label";
    case dialog_layout::ControlKind::kIcon:
      return "icon";
    case dialog_layout::ControlKind::kListBox:
      return "list";
  }
  return "";
}

val Control(const dialog_layout::Control& control) {
  val out = val::object();
  out.set("id", control.id);
  out.set("name", Text(control.name));
  out.set("kind", Text(KindName(control.kind)));
  out.set("text", Text(control.text));
  out.set("rect", Pixels(control.rect));
  return out;
}

val Size(const dialog_layout::UnitSize& size) {
  val out = val::object();
  out.set("width", dialog_units::ToPixelsX(size.width));
  out.set("height", dialog_units::ToPixelsY(size.height));
  return out;
}

// The main dialog: caption, client size and controls in tab order.
val MainDialog() {
  val controls = val::array();
  for (const dialog_layout::Control& control : dialog_layout::kMainDialogControls) {
    controls.call<void>("push", Control(control));
  }
  val out = val::object();
  out.set("caption", Text(dialog_layout::kMainDialogCaption));
  out.set("size", Size(dialog_layout::kMainDialogSize));
  out.set("controls", controls);
  out.set("startupTimer", TIMER_STARTUP);
  out.set("stepTimer", TIMER_STEP);
  return out;
}

// The menu's entries for the populations and for one step, with their keys.
val Entries() {
  val out = val::object();
  out.set("populations", Text(dialog_layout::kPopulationsEntryText));
  out.set("populationsKey", std::string(1, dialog_layout::kPopulationsKey));
  out.set("step", Text(dialog_layout::kStepEntryText));
  out.set("stepKey", std::string(1, dialog_layout::kStepKey));
  out.set("chartWidth", kChartWidth);
  out.set("chartHeight", kChartHeight);
  return out;
}

val AboutBox() {
  val out = val::object();
  out.set("entry", Text(dialog_layout::kAboutEntryText));
  out.set("caption", Text(dialog_layout::kAboutBoxCaption));
  out.set("size", Size(dialog_layout::kAboutBoxSize));
  out.set("icon", Pixels(dialog_layout::kAboutIconRect));
  val name = val::object();
  name.set("text", Text(PASTURA_ABOUT_VERSION));
  name.set("rect", Pixels(dialog_layout::kAboutNameRect));
  out.set("name", name);
  out.set("line", Control(dialog_layout::kAboutLine));
  out.set("ok", Control(dialog_layout::kAboutOk));
  return out;
}

// The board's size in device pixels at `scale`, as the dialog draws it.
val BoardSize(double scale) {
  const DeviceScale device(scale, DeviceScale::kLeastZoomedOut);
  val out = val::object();
  out.set("width", static_cast<double>(device.ToDevice(dialog_units::kClientWidth)));
  out.set("height", static_cast<double>(device.ToDevice(dialog_units::kClientHeight)));
  return out;
}

val Help() {
  val out = val::object();
  out.set("title", Text(kHelpTitle));
  out.set("text", Text(kHelpText));
  return out;
}

bool PressButton(WebDialog& dialog, int id) {
  return dialog.Controller().OnCommand(id);
}

void Shown(WebDialog& dialog) {
  dialog.Controller().OnShowWindow(true);
}

void Timer(WebDialog& dialog, int id) {
  dialog.Controller().OnTimer(id);
}

void SetScale(WebDialog& dialog, double scale) {
  dialog.Window().SetScale(scale);
}

void ShowWholeBoard(WebDialog& dialog) {
  dialog.Window().ShowWholeBoard();
}

// The board's canvas bytes, viewed in place: valid until the next call into
// the dialog.
val BoardBytes(WebDialog& dialog) {
  const std::span<const std::uint8_t> bytes = dialog.Window().Pixels().Bytes();
  return val(emscripten::typed_memory_view(bytes.size(), bytes.data()));
}

// The part of the board the last step changed, viewed in place as
// BoardBytes.
val PartBytes(WebDialog& dialog) {
  const std::span<const std::uint8_t> bytes = dialog.Window().Pixels().PartBytes();
  return val(emscripten::typed_memory_view(bytes.size(), bytes.data()));
}

// The session so far as a link's run (see app/session_link.h).
std::string Run(WebDialog& dialog) {
  const std::variant<Script, ScriptError> session = ParseScript(dialog.Session().Text());
  return RunOfScript(std::get<Script>(session));
}

// Plays a link's run before the dialog is first shown, so that it opens on
// the run's end, stopped; returns why the run is malformed, or nothing.
std::string PlayRun(WebDialog& dialog, const std::string& run) {
  std::variant<Script, std::string> script = ScriptOfRun(run);
  if (const std::string* fault = std::get_if<std::string>(&script)) {
    return *fault;
  }
  dialog.Controller().PlaySession(std::get<Script>(script));
  return {};
}

void Step(WebDialog& dialog) {
  dialog.Controller().OnStep();
}

// The counts now: {plants, herbivores, carnivores}.
val Counts(WebDialog& dialog) {
  const Populations now = dialog.Controller().Counts();
  val out = val::object();
  out.set("plants", now.plants);
  out.set("herbivores", now.herbivores);
  out.set("carnivores", now.carnivores);
  return out;
}

// The chart drawn at `scale`: {width, height, parts}, the parts it drew on
// as [left, top, right, bottom], each to be copied by ChartPart.
val Chart(WebDialog& dialog, double scale) {
  val parts = val::array();
  for (const DeviceRect& rect : dialog.DrawChart(scale)) {
    val part = val::array();
    for (const std::int32_t edge : {rect.left, rect.top, rect.right, rect.bottom}) {
      part.call<void>("push", edge);
    }
    parts.call<void>("push", part);
  }
  val out = val::object();
  out.set("width", dialog.ChartSurface().Width());
  out.set("height", dialog.ChartSurface().Height());
  out.set("parts", parts);
  return out;
}

// A part of the chart, clipped to it: {left, top, width, bytes}, the bytes
// viewed in place as BoardBytes.
val ChartPart(WebDialog& dialog, std::int32_t left, std::int32_t top, std::int32_t right,
              std::int32_t bottom) {
  const DeviceRect part = dialog.CopyChartPart(DeviceRect{left, top, right, bottom});
  const std::span<const std::uint8_t> bytes = dialog.ChartPixels().PartBytes();
  val out = val::object();
  out.set("left", part.left);
  out.set("top", part.top);
  out.set("width", part.right - part.left);
  out.set("bytes", val(emscripten::typed_memory_view(bytes.size(), bytes.data())));
  return out;
}

std::int32_t BoardWidth(WebDialog& dialog) {
  return dialog.Window().Pixels().Width();
}

std::int32_t BoardHeight(WebDialog& dialog) {
  return dialog.Window().Pixels().Height();
}

}  // namespace

EMSCRIPTEN_BINDINGS(pastura) {
  emscripten::function("mainDialog", &MainDialog);
  emscripten::function("aboutBox", &AboutBox);
  emscripten::function("entries", &Entries);
  emscripten::function("boardSize", &BoardSize);
  emscripten::function("help", &Help);
  emscripten::constant("defaultSeed", Random::kDefaultSeed);
  emscripten::constant("leastScale", DeviceScale::kLeastZoomedOut);
  emscripten::constant("mostScale", DeviceScale::kMost);
  emscripten::class_<WebDialog>("Dialog")
      .constructor<val, std::uint32_t, double>()
      .function("command", &PressButton)
      .function("shown", &Shown)
      .function("timer", &Timer)
      .function("setScale", &SetScale)
      .function("showWholeBoard", &ShowWholeBoard)
      .function("boardBytes", &BoardBytes)
      .function("partBytes", &PartBytes)
      .function("boardWidth", &BoardWidth)
      .function("boardHeight", &BoardHeight)
      .function("step", &Step)
      .function("run", &Run)
      .function("playRun", &PlayRun)
      .function("counts", &Counts)
      .function("chart", &Chart)
      .function("chartPart", &ChartPart);
}
