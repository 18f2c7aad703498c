// Resource ids and the two dialog templates' layout, shared by the resource
// script, the dialog rules and every face: ids, captions, and each control's
// rectangle as x, y, width, height in dialog units.
#ifndef PASTURA_RESOURCE_H
#define PASTURA_RESOURCE_H

#define IDD_ABOUTBOX   100
#define IDS_ABOUTBOX   101
#define IDD_SIM_DIALOG 102
#define IDR_MAINFRAME  128

#define IDC_STATIC     (-1)
#define IDC_PLANT      1000
#define IDC_HERBIVORE  1001
#define IDC_CARNIVORE  1002
#define IDC_PAINT      1003
#define IDC_MOVE       1004
#define IDC_REDRAW     1005
#define IDC_STOP       1006
#define IDC_START      1007
#define IDC_ITERATIONS 1008
#define IDC_REPORT     1009

#define IDM_ABOUTBOX   0x0010
#define IDM_CHART      0x0020
#define IDM_STEP       0x0030
#define IDM_SESSION    0x0040

// The About entry of the system menu (string IDS_ABOUTBOX) and of the context
// menus; A is its mnemonic.
#define IDS_ABOUTBOX_TEXT "&About Pastura..."
// The entries that follow it: the Populations window, shown or hidden, one
// step, and (IDM_SESSION) the session so far copied to the clipboard.
#define IDM_CHART_TEXT "&Populations"
#define IDM_STEP_TEXT  "&Step"

// The main dialog, its controls in tab order.
#define IDD_SIM_DIALOG_CAPTION      "Pastura"
#define IDD_SIM_DIALOG_SIZE         441, 275
#define IDC_PLANT_TEXT              "Plant"
#define IDC_PLANT_RECT              384, 7, 50, 14
#define IDC_HERBIVORE_TEXT          "Herbivore"
#define IDC_HERBIVORE_RECT          384, 20, 50, 14
#define IDC_CARNIVORE_TEXT          "Carnivore"
#define IDC_CARNIVORE_RECT          384, 34, 50, 14
#define IDC_PAINT_TEXT              "Paint"
#define IDC_PAINT_RECT              384, 254, 50, 14
#define IDC_MOVE_TEXT               "Move"
#define IDC_MOVE_RECT               381, 56, 53, 24
#define IDC_REDRAW_TEXT             "ReDraw"
#define IDC_REDRAW_RECT             384, 239, 50, 15
#define IDC_STOP_TEXT               "Stop"
#define IDC_STOP_RECT               381, 83, 53, 22
#define IDC_START_TEXT              "Start"
#define IDC_START_RECT              381, 112, 53, 24
#define IDC_ITERATIONS_TEXT         "0"
#define IDC_ITERATIONS_RECT         415, 223, 19, 10
#define IDC_ITERATIONS_CAPTION      "iterations"
#define IDC_ITERATIONS_CAPTION_RECT 380, 223, 31, 12
#define IDC_REPORT_TEXT             ""
#define IDC_REPORT_RECT             319, 7, 57, 261

// The About box.
#define IDD_ABOUTBOX_CAPTION "About Pastura"
#define IDD_ABOUTBOX_SIZE    235, 55
#define IDC_ABOUT_ICON_RECT  11, 17, 20, 20
#define IDC_ABOUT_NAME_RECT  40, 10, 119, 8
#define IDC_ABOUT_LINE_TEXT  "A toy ecosystem simulation"
#define IDC_ABOUT_LINE_RECT  40, 25, 119, 8
#define IDC_ABOUT_OK_TEXT    "OK"
#define IDC_ABOUT_OK_RECT    178, 7, 50, 14

#endif
