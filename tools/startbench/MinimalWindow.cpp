// The yardstick of startbench: a window of the wizard's size holding the same kinds of controls (tab
// control, rich edit, tool bar, status bar, buttons, radio buttons, list box, edit) made with plain
// Win32 calls, with no pictures and no settings. Closes when asked, like the wizard.
//   MinimalWindow [pages, default 1]: more pages, hidden behind the first, hold the same controls, so
//   that the window holds as many as the wizard does.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

namespace {

HFONT font = nullptr;

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h,
           DWORD exStyle = 0) {
  HWND hwnd = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return hwnd;
}

void FillPage(HWND page) {
  Child(page, L"BUTTON", L"FS2004", BS_AUTORADIOBUTTON | WS_GROUP, 112, 12, 89, 17);
  Child(page, L"BUTTON", L"FSX", BS_AUTORADIOBUTTON, 240, 12, 65, 17);
  HWND rich = Child(page, MSFTEDIT_CLASS, L"", ES_MULTILINE | ES_READONLY | WS_VSCROLL, 112, 32, 425, 120,
                    WS_EX_CLIENTEDGE);
  SetWindowTextW(rich, L"Pratilo\r\nInstallation de la texture d'herbe de remplacement.");
  Child(page, L"LISTBOX", L"", WS_VSCROLL | LBS_NOTIFY, 112, 156, 200, 40, WS_EX_CLIENTEDGE);
  Child(page, L"EDIT", L"C:\\", ES_AUTOHSCROLL, 320, 156, 217, 21, WS_EX_CLIENTEDGE);
  Child(page, L"STATIC", L"Quel est votre choix ?", SS_LEFT, 112, 200, 200, 13);
  Child(page, L"BUTTON", L"< Précédent", BS_PUSHBUTTON, 256, 188, 91, 25);
  Child(page, L"BUTTON", L"Suivant >", BS_DEFPUSHBUTTON, 352, 188, 91, 25);
  Child(page, L"BUTTON", L"Quitter", BS_PUSHBUTTON, 446, 188, 91, 25);
}

void Fill(HWND window, int pages) {
  HWND bar = Child(window, TOOLBARCLASSNAMEW, L"", TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NODIVIDER, 0,
                   0, 547, 24);
  SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  TBBUTTON buttons[2]{};
  for (int i = 0; i < 2; ++i) {
    buttons[i].iBitmap = I_IMAGENONE;
    buttons[i].idCommand = 100 + i;
    buttons[i].fsState = TBSTATE_ENABLED;
    buttons[i].fsStyle = BTNS_CHECKGROUP;
  }
  SendMessageW(bar, TB_ADDBUTTONSW, 2, reinterpret_cast<LPARAM>(buttons));
  HWND tabs = Child(window, WC_TABCONTROLW, L"", WS_CLIPSIBLINGS, -2, 24, 553, 249);
  TCITEMW item{TCIF_TEXT};
  item.pszText = const_cast<wchar_t*>(L"ts0");
  SendMessageW(tabs, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  for (int i = 0; i < pages; ++i) {
    HWND page = Child(window, L"STATIC", L"", SS_NOTIFY, 2, 44, 543, 219);
    if (i > 0) ShowWindow(page, SW_HIDE);
    FillPage(page);
  }
  Child(window, STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP, 0, 0, 0, 0);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  const int pages = commandLine && *commandLine ? _wtoi(commandLine) : 1;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  LoadLibraryW(L"msftedit.dll");
  font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif");
  WNDCLASSEXW wc{sizeof wc};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = L"MinimalWindow";
  RegisterClassExW(&wc);
  RECT r{0, 0, 547, 263};
  const DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  AdjustWindowRectEx(&r, style, FALSE, WS_EX_TOOLWINDOW);
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"Minimal", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
  Fill(window, pages > 0 ? pages : 1);
  ShowWindow(window, SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  DeleteObject(font);
  return 0;
}
