// Resource ids shared by the resource script and the Windows shell.
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

#endif
