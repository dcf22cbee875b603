// MINVIEW.EXE: the main window's native controls and nothing else, the second yardstick of the
// start-up benchmark. The same classes, styles and layout as RVLN.EXE's main view (toolbar with
// three buttons, two hidden timer buttons, the title label, the main button, the method list, the
// hidden progress bar, two status bars and the status-bar switch), made straight from the API:
// no settings, no model, no hints, no application window. What RVLN.EXE takes beyond it is its own.
#include <windows.h>

#include <commctrl.h>

#include <initializer_list>

namespace {

constexpr wchar_t kClass[] = L"RvlnMinView";

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wparam, lparam);
}

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h,
           int id) {
    HWND hwnd = CreateWindowExW(0, cls, text, WS_CHILD | style, x, y, w, h, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                nullptr);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return hwnd;
}

void MakeView(HWND form) {
    HWND bar =
        Child(form, TOOLBARCLASSNAMEW, nullptr,
              WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER,
              0, 0, 235, 38, 101);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    HIMAGELIST images = ImageList_Create(24, 24, ILC_COLOR24 | ILC_MASK, 4, 4);
    SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(24, 24));
    for (int i = 0; i < 3; ++i) {
        TBBUTTON button{};
        button.iBitmap = I_IMAGENONE;
        button.idCommand = 102 + i;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = TBSTYLE_BUTTON;
        button.iString = -1;
        SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    }
    SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(32, 32));
    Child(form, L"BUTTON", L"||", BS_AUTOCHECKBOX | BS_PUSHLIKE, 187, 9, 21, 21, 105);
    Child(form, L"BUTTON", L"X", BS_AUTOCHECKBOX | BS_PUSHLIKE, 210, 9, 21, 21, 106);
    Child(form, L"STATIC", L"", WS_VISIBLE | SS_CENTER, 0, 40, 235, 15, 107);
    Child(form, L"BUTTON", L"", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 22, 58, 190, 35, 108);
    HWND methods = Child(form, L"COMBOBOX", nullptr, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                         22, 100, 190, 21, 109);
    for (const wchar_t* method : {L"Shut down", L"Reboot", L"Log off", L"Shut down (FORCE)",
                                  L"Reboot (FORCE)", L"Log off (FORCE)", L"Power off", L"Ask"}) {
        SendMessageW(methods, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(method));
    }
    SendMessageW(methods, CB_SETCURSEL, 0, 0);
    Child(form, PROGRESS_CLASSW, nullptr, 0, 22, 129, 190, 12, 110);
    const int first[] = {44, 116, 144, 168, 192, 213, 234};
    const int second[] = {44, 144, 184, 198, 212, -1};
    HWND bars[] = {Child(form, STATUSCLASSNAMEW, nullptr, WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE, 0,
                         199, 235, 19, 111),
                   Child(form, STATUSCLASSNAMEW, nullptr, WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE, 0,
                         180, 235, 19, 112)};
    SendMessageW(bars[0], SB_SETPARTS, 7, reinterpret_cast<LPARAM>(first));
    SendMessageW(bars[1], SB_SETPARTS, 6, reinterpret_cast<LPARAM>(second));
    Child(form, L"BUTTON", L"Status-Bars", WS_VISIBLE | BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_FLAT, 0, 160, 235,
          20, 113);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClass;
    if (!RegisterClassW(&windowClass)) return 1;
    RECT frame{0, 0, 235, 218};
    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    AdjustWindowRect(&frame, style, FALSE);
    HWND form =
        CreateWindowW(kClass, L"Ravelin", style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                      frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!form) return 1;
    MakeView(form);
    ShowWindow(form, show);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(form, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
