#include "ui/web/description.h"

#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "app/dialog_layout.h"
#include "app/dialog_units.h"
#include "app/timers.h"
#include "pastura_version.h"
#include "render/population_chart.h"
#include "sim/random.h"
#include "ui/common/help_text.h"

namespace {

using dialog_layout::ControlKind;

std::string Text(std::string_view text) {
  constexpr char kHex[] = "0123456789abcdef";
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20) {
      quoted += "\\u00";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 0xF];
    } else {
      if (c == '"' || c == '\\') {
        quoted += '\\';
      }
      quoted += c;
    }
  }
  return quoted + '"';
}

std::string Number(std::int64_t value) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string Member(std::string_view name, const std::string& value) {
  return Text(name) + ':' + value;
}

std::string Joined(char open, std::span<const std::string> items, char close) {
  std::string joined(1, open);
  for (const std::string& item : items) {
    joined += (joined.size() > 1 ? "," : "") + item;
  }
  return joined + close;
}

std::string Object(std::initializer_list<std::string> members) {
  return Joined('{', members, '}');
}

std::string Array(std::span<const std::string> items) {
  return Joined('[', items, ']');
}

std::string Pixels(const dialog_layout::UnitRect& rect) {
  const dialog_units::PixelRect pixels = dialog_units::ToPixels(rect);
  return Object({Member("left", Number(pixels.left)), Member("top", Number(pixels.top)),
                 Member("width", Number(pixels.width())),
                 Member("height", Number(pixels.height()))});
}

std::string Size(const dialog_layout::UnitSize& size) {
  return Object({Member("width", Number(dialog_units::ToPixelsX(size.width))),
                 Member("height", Number(dialog_units::ToPixelsY(size.height)))});
}

std::string_view KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::kPushButton:
      return "button";
    case ControlKind::kDefaultButton:
      return "default-button";
    case ControlKind::kLabel:
      return "label";
    case ControlKind::kIcon:
      return "icon";
    case ControlKind::kListBox:
      return "list";
  }
  return "";
}

std::string Control(const dialog_layout::Control& control) {
  return Object({Member("id", Number(control.id)), Member("name", Text(control.name)),
                 Member("kind", Text(KindName(control.kind))), Member("text", Text(control.text)),
                 Member("rect", Pixels(control.rect))});
}

std::string MainDialog() {
  std::vector<std::string> controls;
  for (const dialog_layout::Control& control : dialog_layout::kMainDialogControls) {
    controls.push_back(Control(control));
  }
  return Object({Member("caption", Text(dialog_layout::kMainDialogCaption)),
                 Member("size", Size(dialog_layout::kMainDialogSize)),
                 Member("controls", Array(controls)), Member("startupTimer", Number(TIMER_STARTUP)),
                 Member("stepTimer", Number(TIMER_STEP))});
}

std::string AboutBox() {
  return Object({Member("entry", Text(dialog_layout::kAboutEntryText)),
                 Member("caption", Text(dialog_layout::kAboutBoxCaption)),
                 Member("size", Size(dialog_layout::kAboutBoxSize)),
                 Member("icon", Pixels(dialog_layout::kAboutIconRect)),
                 Member("name", Object({Member("text", Text(PASTURA_ABOUT_VERSION)),
                                        Member("rect", Pixels(dialog_layout::kAboutNameRect))})),
                 Member("line", Control(dialog_layout::kAboutLine)),
                 Member("ok", Control(dialog_layout::kAboutOk))});
}

std::string Entries() {
  return Object({Member("populations", Text(dialog_layout::kPopulationsEntryText)),
                 Member("populationsKey", Text({&dialog_layout::kPopulationsKey, 1})),
                 Member("step", Text(dialog_layout::kStepEntryText)),
                 Member("stepKey", Text({&dialog_layout::kStepKey, 1})),
                 Member("chartWidth", Number(kChartWidth)),
                 Member("chartHeight", Number(kChartHeight))});
}

}  // namespace

std::string DescriptionJson() {
  return Object(
      {Member("mainDialog", MainDialog()), Member("aboutBox", AboutBox()),
       Member("entries", Entries()),
       Member("help", Object({Member("title", Text(kHelpTitle)), Member("text", Text(kHelpText))})),
       Member("defaultSeed", Number(Random::kDefaultSeed))});
}
