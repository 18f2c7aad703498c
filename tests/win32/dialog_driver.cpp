// pastura-dialog-driver: starts pastura.exe and works its main dialog from
// outside as a user would, through window messages: it waits for the start-up
// tick, presses the buttons, lets the timers run, reads the report list and
// the iterations label, opens the About box from the system menu and closes
// it, asks for help, and closes the program.
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

#include "check.h"
#include "resource.h"

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

  // The 420 x 420 pixel board fits the client area, left of the list.
  RECT client;
  GetClientRect(dialog, &client);
  RECT list;
  GetWindowRect(GetDlgItem(dialog, IDC_REPORT), &list);
  POINT listCorner{list.left, list.top};
  ScreenToClient(dialog, &listCorner);
  Check(client.bottom >= 420, "the client area is " + std::to_string(client.bottom) + " high");
  Check(listCorner.x >= 420, "the list begins at " + std::to_string(listCorner.x));
  Check(ReportCount(dialog) == 0, "the report list is not empty before the first tick");
}

// The start-up timer draws the empty board and fills the list about a second
// after the dialog shows; the board then survives a repaint of the window.
void CheckStartupTick(HWND dialog) {
  Check(WaitFor([&] { return ReportCount(dialog) == 3; }, 5000), "no start-up tick within 5 s");
  Check(ControlText(dialog, IDC_ITERATIONS) == "0", "the label after the first tick is not 0");
  InvalidateRect(dialog, nullptr, TRUE);
  UpdateWindow(dialog);
  Sleep(200);
  Check(ClientPixel(dialog, 0, 0) == RGB(0, 0, 0), "the grid's corner is not black");
  Check(ClientPixel(dialog, 30, 30) == RGB(255, 255, 255), "a cell's inside is not white");
}

// Move twice then Stop once leaves the world standing still; Start steps as
// Move does.
void CheckStepping(HWND dialog) {
  Click(dialog, IDC_MOVE);
  Click(dialog, IDC_MOVE);
  Check(WaitFor([&] { return Iterations(dialog) >= 3; }, 3000), "Move does not step");
  Click(dialog, IDC_STOP);
  const int stopped = Iterations(dialog);
  Sleep(700);
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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: pastura-dialog-driver PASTURA.EXE\n");
    return 2;
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string command = std::string("\"") + argv[1] + "\"";
  if (!CreateProcessA(argv[1], command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "pastura-dialog-driver: cannot start '%s' (error %lu)\n", argv[1],
                 GetLastError());
    return 1;
  }
  WaitForInputIdle(process.hProcess, 10000);
  HWND dialog = nullptr;
  WaitFor([&] { return (dialog = FindDialog(process.dwProcessId, "Pastura")) != nullptr; }, 10000);
  Check(dialog != nullptr, "no dialog \"Pastura\" within 10 s");

  if (dialog != nullptr) {
    CheckControls(dialog);
    CheckStartupTick(dialog);

    // The session compared with pastura-replay: after the start-up tick,
    // three plants, two herbivores and a carnivore, then some steps.
    for (int id : {IDC_PLANT, IDC_PLANT, IDC_PLANT, IDC_HERBIVORE, IDC_HERBIVORE, IDC_CARNIVORE}) {
      Click(dialog, id);
    }
    Check(ReportCount(dialog) == 3, "a spawn changed the report list before the next tick");
    CheckStepping(dialog);
    const std::vector<std::string> report = ReportLines(dialog);
    const int iterations = Iterations(dialog);

    CheckSystemMenu(dialog, process.dwProcessId);
    CheckHelp(dialog, process.dwProcessId);

    PostMessageA(dialog, WM_CLOSE, 0, 0);
    std::printf("session ticks %d\n", iterations);
    for (const std::string& line : report) {
      std::printf("%s\n", line.c_str());
    }
    std::printf("iterations %d\n", iterations);
  }

  DWORD exitCode = 1;
  Check(WaitForSingleObject(process.hProcess, 5000) == WAIT_OBJECT_0, "the program does not end");
  GetExitCodeProcess(process.hProcess, &exitCode);
  Check(exitCode == 0, "the program's exit code is " + std::to_string(exitCode));
  if (exitCode == STILL_ACTIVE) {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return failures == 0 ? 0 : 1;
}
