#include "controls.h"

#include <commctrl.h>

#include <vector>

#include "remote.h"
#include "text.h"
#include "window_info.h"

namespace {

long long Send(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
    return SendTimed(hwnd, msg, wp, lp).value_or(-1);
}

void WriteButton(Json& json, HWND hwnd) {
    LONG type = GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK;
    const char* kind = "push";
    switch (type) {
        case BS_DEFPUSHBUTTON:
            kind = "default";
            break;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            kind = "check";
            break;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            kind = "radio";
            break;
        case BS_GROUPBOX:
            kind = "group";
            break;
        case BS_OWNERDRAW:
            kind = "ownerdraw";
            break;
    }
    json.KeyStr("button", kind).KeyInt("check", Send(hwnd, BM_GETCHECK));
}

// CB_GETLBTEXT and LB_GETTEXT are copied between processes by the system, so no remote buffer.
void WriteListItems(Json& json, HWND hwnd, UINT countMsg, UINT lenMsg, UINT textMsg, UINT selMsg) {
    long long count = Send(hwnd, countMsg);
    json.KeyInt("count", count).KeyInt("selected", Send(hwnd, selMsg)).Key("items").BeginArray();
    for (long long i = 0; i < count; ++i) {
        long long len = Send(hwnd, lenMsg, static_cast<WPARAM>(i));
        if (len < 0) {
            json.Null();
            continue;
        }
        std::wstring item(static_cast<size_t>(len) + 1, L'\0');
        long long got = Send(hwnd, textMsg, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(got > 0 ? static_cast<size_t>(got) : 0);
        json.Str(item);
    }
    json.EndArray();
}

void WriteStatusBar(Json& json, HWND hwnd) {
    long long count = Send(hwnd, SB_GETPARTS);
    json.KeyBool("simple", Send(hwnd, SB_ISSIMPLE) > 0).Key("panels").BeginArray();
    if (count <= 0 || count > 256) {
        json.EndArray();
        return;
    }
    constexpr size_t kEdges = 0, kRect = 2048, kText = 4096, kTextChars = 2048;
    RemoteBuffer remote(hwnd, kText + (kTextChars + 1) * sizeof(wchar_t));
    std::vector<INT> edges(static_cast<size_t>(count), 0);
    if (remote.Ok()) {
        Send(hwnd, SB_GETPARTS, static_cast<WPARAM>(count), remote.At(kEdges));
        remote.Read(kEdges, edges.data(), edges.size() * sizeof(INT));
    }
    for (long long i = 0; i < count; ++i) {
        long long lenAndType = Send(hwnd, SB_GETTEXTLENGTHW, static_cast<WPARAM>(i));
        bool ownerDraw = lenAndType >= 0 && (HIWORD(lenAndType) & SBT_OWNERDRAW);
        RECT rect{};
        json.BeginObject().KeyInt("right", edges[static_cast<size_t>(i)]);
        if (remote.Ok() && Send(hwnd, SB_GETRECT, static_cast<WPARAM>(i), remote.At(kRect)) > 0 &&
            remote.Read(kRect, &rect, sizeof rect)) {
            json.Key("rect");
            WriteRect(json, rect);
        }
        json.KeyBool("ownerdraw", ownerDraw);
        // An owner-drawn panel holds the program's own data instead of text.
        if (!ownerDraw && remote.Ok()) {
            std::vector<wchar_t> zero(kTextChars + 1, L'\0');
            remote.Write(kText, zero.data(), zero.size() * sizeof(wchar_t));
            size_t len = lenAndType >= 0 ? LOWORD(lenAndType) : 0;
            if (len <= kTextChars) {
                Send(hwnd, SB_GETTEXTW, static_cast<WPARAM>(i), remote.At(kText));
                json.KeyStr("text", remote.ReadText(kText, len));
            }
        }
        json.EndObject();
    }
    json.EndArray();
}

void WriteTabs(Json& json, HWND hwnd) {
    long long count = Send(hwnd, TCM_GETITEMCOUNT);
    json.KeyInt("count", count).KeyInt("selected", Send(hwnd, TCM_GETCURSEL)).Key("tabs").BeginArray();
    constexpr size_t kItem = 0, kText = 512, kTextChars = 512;
    RemoteBuffer remote(hwnd, kText + (kTextChars + 1) * sizeof(wchar_t));
    for (long long i = 0; remote.Ok() && i < count; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = reinterpret_cast<LPWSTR>(remote.At(kText));
        item.cchTextMax = static_cast<int>(kTextChars);
        std::vector<wchar_t> zero(kTextChars + 1, L'\0');
        remote.Write(kText, zero.data(), zero.size() * sizeof(wchar_t));
        remote.Write(kItem, &item, sizeof item);
        if (Send(hwnd, TCM_GETITEMW, static_cast<WPARAM>(i), remote.At(kItem)) > 0) {
            json.Str(remote.ReadText(kText, kTextChars));
        } else {
            json.Null();
        }
    }
    json.EndArray();
}

void WriteToolbar(Json& json, HWND hwnd) {
    long long count = Send(hwnd, TB_BUTTONCOUNT);
    json.KeyInt("count", count).Key("buttons").BeginArray();
    constexpr size_t kButton = 0, kText = 256, kTextChars = 256;
    RemoteBuffer remote(hwnd, kText + (kTextChars + 1) * sizeof(wchar_t));
    for (long long i = 0; remote.Ok() && i < count; ++i) {
        TBBUTTON button{};
        if (Send(hwnd, TB_GETBUTTON, static_cast<WPARAM>(i), remote.At(kButton)) <= 0 ||
            !remote.Read(kButton, &button, sizeof button)) {
            json.Null();
            continue;
        }
        json.BeginObject()
            .KeyInt("id", button.idCommand)
            .KeyBool("separator", (button.fsStyle & BTNS_SEP) != 0)
            .KeyBool("enabled", (button.fsState & TBSTATE_ENABLED) != 0)
            .KeyBool("checked", (button.fsState & TBSTATE_CHECKED) != 0)
            .KeyBool("pressed", (button.fsState & TBSTATE_PRESSED) != 0)
            .KeyBool("hidden", (button.fsState & TBSTATE_HIDDEN) != 0);
        RECT rect{};
        if (Send(hwnd, TB_GETITEMRECT, static_cast<WPARAM>(i), remote.At(kText)) > 0 &&
            remote.Read(kText, &rect, sizeof rect)) {
            json.Key("rect");
            WriteRect(json, rect);
        }
        json.EndObject();
    }
    json.EndArray();
}

void WriteUpDown(Json& json, HWND hwnd) {
    RemoteBuffer remote(hwnd, 64);
    INT low = 0, high = 0;
    if (remote.Ok() && Send(hwnd, UDM_GETRANGE32, remote.At(0), remote.At(sizeof(INT))) >= 0) {
        remote.Read(0, &low, sizeof low);
        remote.Read(sizeof(INT), &high, sizeof high);
    }
    json.KeyInt("position", static_cast<INT>(Send(hwnd, UDM_GETPOS32, 0, 0)))
        .KeyInt("min", low)
        .KeyInt("max", high)
        .KeyInt("buddy", Send(hwnd, UDM_GETBUDDY));
}

}  // namespace

void WriteControlDetails(Json& json, HWND hwnd, const std::wstring& cls) {
    if (EqualsNoCase(cls, WC_BUTTONW)) {
        WriteButton(json, hwnd);
    } else if (EqualsNoCase(cls, WC_COMBOBOXW)) {
        WriteListItems(json, hwnd, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCURSEL);
        json.KeyBool("dropped", Send(hwnd, CB_GETDROPPEDSTATE) > 0);
    } else if (EqualsNoCase(cls, WC_LISTBOXW)) {
        WriteListItems(json, hwnd, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_GETCURSEL);
        // A multi-selection list: which rows are selected.
        if (GetWindowLongW(hwnd, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
            json.Key("selection").BeginArray();
            const long long count = Send(hwnd, LB_GETCOUNT);
            for (long long i = 0; i < count; ++i)
                json.Bool(Send(hwnd, LB_GETSEL, static_cast<WPARAM>(i)) > 0);
            json.EndArray();
        }
    } else if (EqualsNoCase(cls, WC_EDITW)) {
        json.KeyBool("readonly", (GetWindowLongW(hwnd, GWL_STYLE) & ES_READONLY) != 0);
    } else if (EqualsNoCase(cls, STATUSCLASSNAMEW)) {
        WriteStatusBar(json, hwnd);
    } else if (EqualsNoCase(cls, WC_TABCONTROLW)) {
        WriteTabs(json, hwnd);
    } else if (EqualsNoCase(cls, TOOLBARCLASSNAMEW)) {
        WriteToolbar(json, hwnd);
    } else if (EqualsNoCase(cls, TRACKBAR_CLASSW)) {
        json.KeyInt("position", Send(hwnd, TBM_GETPOS))
            .KeyInt("min", Send(hwnd, TBM_GETRANGEMIN))
            .KeyInt("max", Send(hwnd, TBM_GETRANGEMAX));
    } else if (EqualsNoCase(cls, PROGRESS_CLASSW)) {
        json.KeyInt("position", Send(hwnd, PBM_GETPOS))
            .KeyInt("min", Send(hwnd, PBM_GETRANGE, TRUE))
            .KeyInt("max", Send(hwnd, PBM_GETRANGE, FALSE));
    } else if (EqualsNoCase(cls, UPDOWN_CLASSW)) {
        WriteUpDown(json, hwnd);
    }
}
