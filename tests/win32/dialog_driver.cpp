// pastura-dialog-driver: starts pastura.exe and works its main dialog from
// outside as a user would, through window messages: it waits for the start-up
// tick, presses the buttons with the keyboard and the mouse, lets the timers
// run, reads the report list and the iterations label, opens the About box
// from the system menu and closes it, asks for help, and closes the program
// with Enter on the report list. Two more runs are closed with Esc and with
// the close box, and one with a bad seed and no console shows a message box.
//
// Usage: pastura-dialog-driver PASTURA.EXE
// Prints "FAIL: ..." for every check that fails, then the report list and
// label of its session (see below) for comparison with pastura-replay.
// Exit code: 0 when every check passed, 1 otherwise, 2 on bad usage.

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/timers.h"
#include "check.h"
#include "resource.h"
#include "sim/board.h"

namespace {

// Polls `done` every 20 ms until it holds or `timeoutMs` passes.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!done()) {
    if (GetTickCount64() > end) {
      return false;
    }
    Sleep(20);
  }
  return true;
}

// Texts are read in UTF-16 and narrowed: the controls of another process
// hand their texts over reliably only in their own, wide form.
std::string Narrow(const wchar_t* text) {
  char narrow[256] = "";
  WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
  return narrow;
}

// A top-level dialog of the given process with the given caption.
HWND FindDialog(DWORD processId, const char* caption) {
  struct Search {
    DWORD processId;
    const char* caption;
    HWND found;
  } search{processId, caption, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t text[128] = L"";
        GetWindowTextW(window, text, 128);
        if (owner == s.processId && IsWindowVisible(window) && s.caption == Narrow(text)) {
          s.found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string ControlText(HWND dialog, int id) {
  wchar_t text[256] = L"";
  SendDlgItemMessageW(dialog, id, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return Narrow(text);
}

std::vector<std::string> ReportLines(HWND dialog) {
  std::vector<std::string> lines;
  const LRESULT count = SendDlgItemMessageA(dialog, IDC_REPORT, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t text[256] = L"";
    SendDlgItemMessageW(dialog, IDC_REPORT, LB_GETTEXT, static_cast<WPARAM>(i),
                        reinterpret_cast<LPARAM>(text));
    lines.push_back(Narrow(text));
  }
  return lines;
}

LRESULT ReportCount(HWND dialog) {
  return SendDlgItemMessageA(dialog, IDC_REPORT, LB_GETCOUNT, 0, 0);
}

int Iterations(HWND dialog) {
  return std::stoi("0" + ControlText(dialog, IDC_ITERATIONS));
}

void Click(HWND dialog, int id) {
  SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// The control of the dialog's thread that has the keyboard focus.
HWND Focus(HWND dialog) {
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &gui)) {
    return nullptr;
  }
  return gui.hwndFocus;
}

bool HasFocus(HWND dialog, int id) {
  return Focus(dialog) == GetDlgItem(dialog, id);
}

// Posts a key's press and release to the focused control, as the keyboard
// would; the dialog's own message loop handles them.
void PressKey(HWND dialog, WPARAM key, UINT scanCode) {
  HWND target = Focus(dialog);
  if (target == nullptr) {
    target = dialog;
  }
  const LPARAM down = 1 | static_cast<LPARAM>(scanCode) << 16;
  PostMessageA(target, WM_KEYDOWN, key, down);
  PostMessageA(target, WM_KEYUP, key, down | 0xC0000000);
}

void PressEnter(HWND dialog) {
  PressKey(dialog, VK_RETURN, 0x1C);
}

void PressEsc(HWND dialog) {
  PressKey(dialog, VK_ESCAPE, 0x01);
}

// Tab moves the focus to the next control; the move also shows that the
// keys posted before it have been handled.
bool PressTab(HWND dialog) {
  HWND before = Focus(dialog);
  PressKey(dialog, VK_TAB, 0x0F);
  return WaitFor(
      [&] {
        HWND now = Focus(dialog);
        return now != before && IsChild(dialog, now);
      },
      3000);
}

bool TabTo(HWND dialog, int id) {
  for (int i = 0; i < 16 && !HasFocus(dialog, id); ++i) {
    if (!PressTab(dialog)) {
      return false;
    }
  }
  return HasFocus(dialog, id);
}

COLORREF ClientPixel(HWND dialog, int x, int y) {
  POINT point{x, y};
  ClientToScreen(dialog, &point);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

void CheckControls(HWND dialog) {
  const struct {
    int id;
    const char* text;
  } controls[] = {{IDC_PLANT, "Plant"}, {IDC_HERBIVORE, "Herbivore"}, {IDC_CARNIVORE, "Carnivore"},
                  {IDC_PAINT, "Paint"}, {IDC_MOVE, "Move"},           {IDC_REDRAW, "ReDraw"},
                  {IDC_STOP, "Stop"},   {IDC_START, "Start"},         {IDC_ITERATIONS, "0"}};
  for (const auto& control : controls) {
    Check(ControlText(dialog, control.id) == control.text,
          "control " + std::to_string(control.id) + " reads '" + ControlText(dialog, control.id) +
              "', expected '" + control.text + "'");
  }
  Check(GetDlgItem(dialog, IDC_REPORT) != nullptr, "the report list is missing");

  // The board fits the client area, left of the list.
  RECT client;
  GetClientRect(dialog, &client);
  RECT list;
  GetWindowRect(GetDlgItem(dialog, IDC_REPORT), &list);
  POINT listCorner{list.left, list.top};
  ScreenToClient(dialog, &listCorner);
  Check(client.bottom >= kBoardPixels,
        "the client area is " + std::to_string(client.bottom) + " high");
  Check(listCorner.x >= kBoardPixels, "the list begins at " + std::to_string(listCorner.x));
  Check(ReportCount(dialog) == 0, "the report list is not empty before the first tick");
}

// The start-up timer draws the empty board and fills the list about a second
// after the dialog shows; the board then survives a repaint of the window.
void CheckStartupTick(HWND dialog) {
  Check(WaitFor([&] { return ReportCount(dialog) == 3; }, 5000), "no start-up tick within 5 s");
  Check(ControlText(dialog, IDC_ITERATIONS) == "0", "the label after the first tick is not 0");
  InvalidateRect(dialog, nullptr, TRUE);
  UpdateWindow(dialog);
  // The window system may show the repaint a little after the dialog drew it.
  Check(WaitFor(
            [&] {
              return ClientPixel(dialog, 0, 0) == RGB(0, 0, 0) &&
                     ClientPixel(dialog, 30, 30) == RGB(255, 255, 255);
            },
            3000),
        "the board does not show a black grid with white cells after a repaint");
}

// Enter on a focused push button presses it: the start-up focus is on Plant,
// and two Tabs take it to Carnivore. The Tab after each Enter shows that the
// dialog handled the Enter and is still open.
void PressPlantAndCarnivoreWithTheKeyboard(HWND dialog) {
  Check(HasFocus(dialog, IDC_PLANT), "the start-up focus is not on Plant");
  PressEnter(dialog);
  Check(PressTab(dialog), "Enter on Plant closes the dialog");
  Check(HasFocus(dialog, IDC_HERBIVORE), "Tab from Plant does not reach Herbivore");
  Check(TabTo(dialog, IDC_CARNIVORE), "Tab does not reach Carnivore");
  PressEnter(dialog);
  Check(PressTab(dialog), "Enter on Carnivore closes the dialog");
}

// Move twice then Stop once leaves the world standing still; Start steps as
// Move does.
void CheckStepping(HWND dialog) {
  Click(dialog, IDC_MOVE);
  Click(dialog, IDC_MOVE);
  Check(WaitFor([&] { return Iterations(dialog) >= 3; }, 3000), "Move does not step");
  Click(dialog, IDC_STOP);
  const int stopped = Iterations(dialog);
  // No event marks a tick that does not come: a step timer left running
  // would have ticked several times within five of its periods.
  Sleep(5 * kStepPeriodMs);
  Check(Iterations(dialog) == stopped, "the world still steps after Stop");

  Click(dialog, IDC_START);
  Check(WaitFor([&] { return Iterations(dialog) >= stopped + 2; }, 3000), "Start does not step");
  Click(dialog, IDC_STOP);
}

// While the About box is open the main dialog keeps stepping.
void CheckAboutBox(HWND dialog, DWORD processId) {
  HWND about = nullptr;
  Check(WaitFor([&] { return (about = FindDialog(processId, "About Pastura")) != nullptr; }, 5000),
        "command 0x0010 does not open the About box");
  if (about == nullptr) {
    return;
  }
  Check(ControlText(about, IDOK) == "OK", "the About box has no OK button");
  const int before = Iterations(dialog);
  Check(WaitFor([&] { return Iterations(dialog) > before; }, 2000),
        "the world does not step while the About box is open");
  Click(about, IDOK);
  Check(WaitFor([&] { return !IsWindow(about); }, 3000), "OK does not close the About box");
}

// The system menu's last item is "&About Pastura..." with command 0x0010,
// after a separator, and that command opens the About box. Wine cannot read
// the menu of another process; there only the command is checked here, and
// pastura-system-menu-test reads the menu from inside.
void CheckSystemMenu(HWND dialog, DWORD processId) {
  Click(dialog, IDC_MOVE);
  if (HMENU menu = GetSystemMenu(dialog, FALSE)) {
    const int count = GetMenuItemCount(menu);
    char text[64] = "";
    GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
    Check(GetMenuItemID(menu, count - 1) == IDM_ABOUTBOX,
          "the last system menu item is not 0x0010");
    Check(std::string(text) == "&About Pastura...",
          "the About item reads '" + std::string(text) + "'");
    Check(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR, "no separator before About");
  }
  PostMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
  CheckAboutBox(dialog, processId);
  Click(dialog, IDC_STOP);
}

void CheckHelp(HWND dialog, DWORD processId) {
  HWND plant = GetDlgItem(dialog, IDC_PLANT);
  PostMessageA(plant, WM_KEYDOWN, VK_F1, 0x003B0001);
  PostMessageA(plant, WM_KEYUP, VK_F1, 0xC03B0001);
  HWND help = nullptr;
  Check(WaitFor([&] { return (help = FindDialog(processId, "Pastura Help")) != nullptr; }, 3000),
        "F1 shows no help");
  if (help != nullptr) {
    PostMessageA(help, WM_COMMAND, IDOK, 0);
    Check(WaitFor([&] { return !IsWindow(help); }, 3000), "the help does not close");
  }
}

struct Program {
  PROCESS_INFORMATION process{};
  HWND dialog = nullptr;
};

bool Start(const char* path, Program& program) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string command = std::string("\"") + path + "\"";
  if (!CreateProcessA(path, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &program.process)) {
    std::fprintf(stderr, "pastura-dialog-driver: cannot start '%s' (error %lu)\n", path,
                 GetLastError());
    return false;
  }
  WaitForInputIdle(program.process.hProcess, 10000);
  const DWORD id = program.process.dwProcessId;
  WaitFor([&] { return (program.dialog = FindDialog(id, "Pastura")) != nullptr; }, 10000);
  Check(program.dialog != nullptr, "no dialog \"Pastura\" within 10 s");
  return true;
}

// The program ends with exit code 0 soon after `how` closed its dialog.
void CheckEnds(Program& program, const std::string& how) {
  DWORD exitCode = 1;
  Check(WaitForSingleObject(program.process.hProcess, 5000) == WAIT_OBJECT_0,
        "the program does not end after " + how);
  GetExitCodeProcess(program.process.hProcess, &exitCode);
  Check(exitCode == 0, "the program's exit code after " + how + " is " + std::to_string(exitCode));
  if (exitCode == STILL_ACTIVE) {
    TerminateProcess(program.process.hProcess, 1);
  }
  CloseHandle(program.process.hThread);
  CloseHandle(program.process.hProcess);
}

// A fresh run of the program, closed at once by `close`.
bool CheckClosedBy(const char* path, const std::string& how,
                   const std::function<void(HWND)>& close) {
  Program program;
  if (!Start(path, program)) {
    return false;
  }
  if (program.dialog != nullptr) {
    close(program.dialog);
  }
  CheckEnds(program, how);
  return true;
}

// Started from the desktop, with no console and no standard handles, a run
// with a bad seed shows its one line in a message box, opens no dialog, and
// ends with exit code 2 once the box is closed.
void CheckRefusalBox(const char* path) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  PROCESS_INFORMATION process{};
  std::string command = std::string("\"") + path + "\" --seed x";
  if (!CreateProcessA(path, command.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                      nullptr, &startup, &process)) {
    Check(false, "cannot start '" + command + "'");
    return;
  }
  HWND box = nullptr;
  Check(
      WaitFor([&] { return (box = FindDialog(process.dwProcessId, "Pastura")) != nullptr; }, 10000),
      "a bad seed without a console shows no message box");
  if (box != nullptr) {
    Check(ControlText(box, 0xFFFF).starts_with("pastura: bad seed 'x'"),
          "the message box reads '" + ControlText(box, 0xFFFF) + "'");
    Check(GetDlgItem(box, IDC_REPORT) == nullptr, "the refusal opened the dialog");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }
  DWORD exitCode = 0;
  WaitForSingleObject(process.hProcess, 5000);
  GetExitCodeProcess(process.hProcess, &exitCode);
  Check(exitCode == 2, "a bad seed's exit code is " + std::to_string(exitCode));
  if (exitCode == STILL_ACTIVE) {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: pastura-dialog-driver PASTURA.EXE\n");
    return 2;
  }
  Program program;
  if (!Start(argv[1], program)) {
    return 1;
  }
  if (HWND dialog = program.dialog) {
    CheckControls(dialog);
    CheckStartupTick(dialog);

    // The session compared with pastura-replay: after the start-up tick,
    // a plant and a carnivore from the keyboard, two plants and two
    // herbivores from the mouse, then some steps.
    PressPlantAndCarnivoreWithTheKeyboard(dialog);
    for (int id : {IDC_PLANT, IDC_PLANT, IDC_HERBIVORE, IDC_HERBIVORE}) {
      Click(dialog, id);
    }
    Check(ReportCount(dialog) == 3, "a spawn changed the report list before the next tick");
    CheckStepping(dialog);
    const std::vector<std::string> report = ReportLines(dialog);
    const int iterations = Iterations(dialog);

    CheckSystemMenu(dialog, program.process.dwProcessId);
    CheckHelp(dialog, program.process.dwProcessId);

    // Enter where no push button has the focus closes the dialog.
    Check(TabTo(dialog, IDC_REPORT), "Tab does not reach the report list");
    PressEnter(dialog);
    std::printf("session ticks %d\n", iterations);
    for (const std::string& line : report) {
      std::printf("%s\n", line.c_str());
    }
    std::printf("iterations %d\n", iterations);
  }
  CheckEnds(program, "Enter on the report list");

  CheckRefusalBox(argv[1]);
  if (!CheckClosedBy(argv[1], "Esc", PressEsc) ||
      !CheckClosedBy(argv[1], "the close box",
                     [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); })) {
    return 1;
  }
  return failures == 0 ? 0 : 1;
}
