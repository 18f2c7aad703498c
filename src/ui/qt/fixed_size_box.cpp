#include "ui/qt/fixed_size_box.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// The Motif hints' fields: which of them count, the window manager's
// functions and the frame's decorations.
constexpr std::uint32_t kHintsFunctions = 1 << 0;
constexpr std::uint32_t kHintsDecorations = 1 << 1;
constexpr std::uint32_t kFunctionMove = 1 << 2;
constexpr std::uint32_t kFunctionClose = 1 << 5;
constexpr std::uint32_t kDecorationBorder = 1 << 1;
constexpr std::uint32_t kDecorationTitle = 1 << 3;
constexpr std::uint32_t kDecorationMenu = 1 << 4;

}  // namespace

void AdvertiseFixedSize(QWidget& box) {
  // Qt's offscreen platform gives the X11 interface too, without a connection.
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) {
    return;
  }
  constexpr std::string_view kName = "_MOTIF_WM_HINTS";
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, kName.size(), kName.data()), nullptr);
  if (atom == nullptr) {
    return;
  }
  const std::uint32_t hints[5] = {kHintsFunctions | kHintsDecorations,
                                  kFunctionMove | kFunctionClose,
                                  kDecorationBorder | kDecorationTitle | kDecorationMenu, 0, 0};
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(box.winId()),
                      atom->atom, atom->atom, 32, 5, hints);
  std::free(atom);
}
