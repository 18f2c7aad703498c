// pastura-resource-check: reads the resources back from a built pastura.exe
// and checks them: the main dialog (102) and the About box (100) control by
// control against the dialogs' layout, in tab order, string 101, icon 128 with its two 16-colour
// images, the version block and the manifest.
//
// Usage: pastura-resource-check PASTURA.EXE
// Prints "FAIL: ..." for every difference; exit code 0 when there is none,
// 1 otherwise, 2 on bad usage.

#include <windows.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "app/dialog_layout.h"
#include "check.h"
#include "resource.h"

namespace {

// The project's version, as the build gives it; the resources show it in
// forms of their own.
constexpr std::uint32_t kVersion[] = {PROJECT_VERSION_MAJOR, PROJECT_VERSION_MINOR,
                                      PROJECT_VERSION_PATCH, PROJECT_VERSION_TWEAK};

// The version's first `count` numbers joined by `separator`: "1.0", "1, 0, 0, 1".
std::string VersionText(int count, const std::string& separator) {
  std::string text = std::to_string(kVersion[0]);
  for (int i = 1; i < count; ++i) {
    text += separator + std::to_string(kVersion[i]);
  }
  return text;
}

std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
  return text;
}

std::string_view Resource(HMODULE module, WORD id, LPCSTR type) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
  if (found == nullptr) {
    return {};
  }
  const auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
  return {data, SizeofResource(module, found)};
}

// Reads a dialog template (DLGTEMPLATEEX) field by field.
class TemplateReader {
 public:
  explicit TemplateReader(std::string_view bytes) : bytes_(bytes) {}

  bool Ok() const { return ok_; }
  std::uint16_t Word() { return static_cast<std::uint16_t>(Take(2)); }
  std::uint32_t Dword() { return static_cast<std::uint32_t>(Take(4)); }
  std::int16_t Short() { return static_cast<std::int16_t>(Word()); }
  std::uint8_t Byte() { return static_cast<std::uint8_t>(Take(1)); }
  void AlignToDword() { offset_ = (offset_ + 3) & ~std::size_t{3}; }

  // A string or an ordinal, given as "#<number>" for an ordinal.
  std::string StringOrOrdinal() {
    if (Word() == 0xFFFF) {
      return "#" + std::to_string(Word());
    }
    offset_ -= 2;
    return String();
  }
  std::string String() {
    std::string text;
    for (std::uint16_t c = Word(); ok_ && c != 0; c = Word()) {
      text += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return text;
  }

 private:
  std::uint32_t Take(std::size_t size) {
    if (offset_ + size > bytes_.size()) {
      ok_ = false;
      return 0;
    }
    std::uint32_t value = 0;
    std::memcpy(&value, bytes_.data() + offset_, size);
    offset_ += size;
    return value;
  }

  std::string_view bytes_;
  std::size_t offset_ = 0;
  bool ok_ = true;
};

struct Control {
  std::string windowClass;  // "#128" button, "#130" static, "#131" list box
  std::string text;
  std::int32_t id;
  std::int16_t x, y, width, height;
  std::uint32_t style;
};

struct Dialog {
  std::string caption;
  std::int16_t width, height;
  std::uint32_t style;
  std::uint32_t extendedStyle;
  std::vector<Control> controls;
};

constexpr std::uint32_t kChild = WS_CHILD | WS_VISIBLE;
constexpr std::uint32_t kPushButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr std::uint32_t kLabel = kChild | WS_GROUP | SS_LEFT;
constexpr const char* kButton = "#128";
constexpr const char* kStatic = "#130";
constexpr const char* kListBox = "#131";

// A predefined control class may be named or given by its ordinal; both
// create the same control.
std::string ClassOrdinal(std::string name) {
  for (char& c : name) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  if (name == "BUTTON") {
    return kButton;
  }
  if (name == "STATIC") {
    return kStatic;
  }
  if (name == "LISTBOX") {
    return kListBox;
  }
  return name;
}

void CheckDialog(HMODULE module, WORD id, const Dialog& expected) {
  const std::string name = "dialog " + std::to_string(id);
  TemplateReader in(Resource(module, id, MAKEINTRESOURCEA(5)));
  Check(in.Word() == 1 && in.Word() == 0xFFFF, name + " is not an extended template");
  in.Dword();  // help id
  const std::uint32_t extendedStyle = in.Dword();
  const std::uint32_t style = in.Dword();
  const std::uint16_t count = in.Word();
  const std::int16_t x = in.Short(), y = in.Short(), width = in.Short(), height = in.Short();
  const std::string menu = in.StringOrOrdinal();
  const std::string windowClass = in.StringOrOrdinal();
  const std::string caption = in.String();
  const std::uint16_t points = in.Word();
  in.Word();  // weight
  in.Byte();  // italic
  in.Byte();  // character set
  const std::string font = in.String();

  Check(in.Ok(), name + " is missing or truncated");
  Check(style == (expected.style | DS_SETFONT), name + " style " + Hex(style));
  Check(extendedStyle == expected.extendedStyle, name + " extended style " + Hex(extendedStyle));
  Check(x == 0 && y == 0 && width == expected.width && height == expected.height,
        name + " box " + std::to_string(x) + ", " + std::to_string(y) + ", " +
            std::to_string(width) + ", " + std::to_string(height));
  Check(menu.empty() && windowClass.empty(), name + " has a menu or a window class");
  Check(caption == expected.caption, name + " caption '" + caption + "'");
  Check(points == 8 && font == "MS Sans Serif", name + " font " + font);
  Check(count == expected.controls.size(), name + " has " + std::to_string(count) + " controls");

  for (std::size_t i = 0; i < expected.controls.size() && i < count && in.Ok(); ++i) {
    const Control& want = expected.controls[i];
    in.AlignToDword();
    in.Dword();  // help id
    const std::uint32_t controlExtendedStyle = in.Dword();
    Control got{};
    got.style = in.Dword();
    got.x = in.Short();
    got.y = in.Short();
    got.width = in.Short();
    got.height = in.Short();
    got.id = static_cast<std::int32_t>(in.Dword());
    got.windowClass = ClassOrdinal(in.StringOrOrdinal());
    got.text = in.StringOrOrdinal();
    const std::uint16_t extra = in.Word();
    const std::string control = name + " control " + std::to_string(i) + " ('" + want.text + "')";
    Check(got.id == want.id, control + " id " + std::to_string(got.id));
    Check(got.windowClass == want.windowClass, control + " class " + got.windowClass);
    Check(got.text == want.text, control + " text '" + got.text + "'");
    Check(
        got.x == want.x && got.y == want.y && got.width == want.width && got.height == want.height,
        control + " box " + std::to_string(got.x) + ", " + std::to_string(got.y) + ", " +
            std::to_string(got.width) + ", " + std::to_string(got.height));
    Check(got.style == want.style, control + " style " + Hex(got.style));
    Check(controlExtendedStyle == 0 && extra == 0, control + " has extras");
  }
}

// The template's form of a control of the layout: its class, its text as the
// template holds it, and the style the resource script gives its kind.
Control FromLayout(const dialog_layout::Control& control) {
  using dialog_layout::ControlKind;
  const auto x = static_cast<std::int16_t>(control.rect.x);
  const auto y = static_cast<std::int16_t>(control.rect.y);
  const auto width = static_cast<std::int16_t>(control.rect.width);
  const auto height = static_cast<std::int16_t>(control.rect.height);
  const std::string text(control.text);
  switch (control.kind) {
    case ControlKind::kPushButton:
      return {kButton, text, control.id, x, y, width, height, kPushButton};
    case ControlKind::kDefaultButton:
      return {kButton, text,  control.id, x,
              y,       width, height,     kChild | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON};
    case ControlKind::kLabel:
      return {kStatic, text, control.id, x, y, width, height, kLabel};
    case ControlKind::kIcon:
      return {kStatic,         "#" + std::to_string(IDR_MAINFRAME), control.id, x, y, width, height,
              kChild | SS_ICON};
    case ControlKind::kListBox:
      return {kListBox,
              "",
              control.id,
              x,
              y,
              width,
              height,
              kChild | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | WS_TABSTOP};
  }
  return {};
}

void CheckDialogs(HMODULE module) {
  const std::uint32_t popup = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  Dialog main{std::string(dialog_layout::kMainDialogCaption),
              static_cast<std::int16_t>(dialog_layout::kMainDialogSize.width),
              static_cast<std::int16_t>(dialog_layout::kMainDialogSize.height),
              popup | WS_VISIBLE,
              WS_EX_APPWINDOW,
              {}};
  for (const dialog_layout::Control& control : dialog_layout::kMainDialogControls) {
    main.controls.push_back(FromLayout(control));
  }
  CheckDialog(module, IDD_SIM_DIALOG, main);

  // The About box's name line carries the version, which the layout leaves
  // to the face.
  const dialog_layout::Control icon{IDC_STATIC, "", dialog_layout::ControlKind::kIcon, "",
                                    dialog_layout::kAboutIconRect};
  const std::string name = "Pastura Version " + VersionText(2, ".");
  const dialog_layout::Control nameLine{IDC_STATIC, "", dialog_layout::ControlKind::kLabel, name,
                                        dialog_layout::kAboutNameRect};
  Control nameControl = FromLayout(nameLine);
  nameControl.style |= SS_NOPREFIX;
  CheckDialog(module, IDD_ABOUTBOX,
              {std::string(dialog_layout::kAboutBoxCaption),
               static_cast<std::int16_t>(dialog_layout::kAboutBoxSize.width),
               static_cast<std::int16_t>(dialog_layout::kAboutBoxSize.height),
               popup,
               0,
               {FromLayout(icon), nameControl, FromLayout(dialog_layout::kAboutLine),
                FromLayout(dialog_layout::kAboutOk)}});
}

void CheckAboutString(HMODULE module) {
  char text[64] = "";
  LoadStringA(module, IDS_ABOUTBOX, text, sizeof text);
  Check(std::string(text) == "&About Pastura...", "string 101 is '" + std::string(text) + "'");
}

// Icon 128: a 32 x 32 and a 16 x 16 image, each 4 bits per pixel.
void CheckIcon(HMODULE module) {
  TemplateReader group(Resource(module, IDR_MAINFRAME, MAKEINTRESOURCEA(14)));
  group.Word();
  const std::uint16_t type = group.Word();
  const std::uint16_t count = group.Word();
  Check(group.Ok() && type == 1 && count == 2, "icon 128 is not a group of two images");
  const int sides[] = {32, 16};
  for (int i = 0; i < count && i < 2 && group.Ok(); ++i) {
    const int width = group.Byte(), height = group.Byte(), colours = group.Byte();
    group.Byte();
    group.Word();
    const int bits = group.Word();
    group.Dword();
    const std::uint16_t imageId = group.Word();
    const std::string image = "icon 128 image " + std::to_string(i);
    Check(width == sides[i] && height == sides[i],
          image + " is " + std::to_string(width) + " x " + std::to_string(height));
    Check(colours == 16 && bits == 4, image + " is not 16 colours at 4 bits per pixel");
    TemplateReader header(Resource(module, imageId, MAKEINTRESOURCEA(3)));
    header.Dword();
    Check(static_cast<int>(header.Dword()) == sides[i], image + " bitmap has the wrong width");
    header.Dword();
    header.Word();
    Check(header.Ok() && header.Word() == 4, image + " bitmap is not 4 bits per pixel");
  }
}

std::string VersionString(const std::vector<char>& block, const std::string& name, bool& found) {
  char* value = nullptr;
  UINT length = 0;
  const std::string path = "\\StringFileInfo\\040904B0\\" + name;
  found = VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length);
  return found && value != nullptr ? std::string(value) : std::string();
}

void CheckVersion(const char* path) {
  DWORD handle = 0;
  std::vector<char> block(GetFileVersionInfoSizeA(path, &handle));
  Check(!block.empty() &&
            GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data()),
        "no version block");
  if (block.empty()) {
    return;
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length);
  const std::uint32_t high = kVersion[0] << 16 | kVersion[1];
  const std::uint32_t low = kVersion[2] << 16 | kVersion[3];
  Check(fixed != nullptr && fixed->dwFileVersionMS == high && fixed->dwFileVersionLS == low &&
            fixed->dwProductVersionMS == high && fixed->dwProductVersionLS == low,
        "file or product version is not " + VersionText(4, "."));
  WORD* translation = nullptr;
  VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                 &length);
  Check(
      translation != nullptr && length == 4 && translation[0] == 0x0409 && translation[1] == 0x04B0,
      "translation is not 0x0409, 0x04B0");

  const std::string commas = VersionText(4, ", ");
  const struct {
    const char* name;
    std::string value;
  } strings[] = {{"CompanyName", ""},
                 {"FileDescription", "Pastura MFC Application"},
                 {"FileVersion", commas},
                 {"InternalName", "Pastura"},
                 {"LegalTrademarks", ""},
                 {"OriginalFilename", "Pastura.EXE"},
                 {"ProductName", "Pastura Application"},
                 {"ProductVersion", commas}};
  for (const auto& string : strings) {
    bool found = false;
    const std::string value = VersionString(block, string.name, found);
    Check(found, std::string("version value ") + string.name + " is missing");
    Check(value == string.value,
          std::string("version value ") + string.name + " is '" + value + "'");
  }
}

void CheckManifest(HMODULE module) {
  const std::string_view manifest = Resource(module, 1, MAKEINTRESOURCEA(24));
  Check(manifest.find("Microsoft.Windows.Common-Controls") != std::string_view::npos &&
            manifest.find("version=\"6.0.0.0\"") != std::string_view::npos,
        "the manifest does not ask for common controls 6");
  Check(manifest.find("PerMonitorV2") != std::string_view::npos,
        "the manifest does not declare per-monitor DPI awareness");
  const std::string identity = "name=\"Pastura\" version=\"" + VersionText(4, ".") + "\"";
  Check(manifest.find(identity) != std::string_view::npos,
        "the manifest's assembly is not " + identity);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: pastura-resource-check PASTURA.EXE\n");
    return 2;
  }
  HMODULE module = LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) {
    std::fprintf(stderr, "pastura-resource-check: cannot load '%s' (error %lu)\n", argv[1],
                 GetLastError());
    return 1;
  }
  CheckDialogs(module);
  CheckAboutString(module);
  CheckIcon(module);
  CheckManifest(module);
  CheckVersion(argv[1]);
  FreeLibrary(module);
  return failures == 0 ? 0 : 1;
}
