// The UTF-8/UTF-16 helpers, the handle owners and the filter list of the open dialog.
#include "win32/ports/win_api.h"

#include "tests/win32/check.h"
#include "win32/handles.h"
#include "win32/ports/dialogs.h"
#include "win32/text.h"

CHECK_GROUP(text) {
    using win32::Narrow;
    using win32::Widen;
    CHECK_EQ(Widen(""), std::wstring());
    CHECK_EQ(Widen("Ravelin"), std::wstring(L"Ravelin"));
    CHECK_EQ(Widen("Gr\xC3\xBC\xC3\x9F\x65 \xC2\xA9"), std::wstring(L"Gr\u00FC\u00DFe \u00A9"));
    CHECK_EQ(Widen("\xF0\x9F\x98\x80").size(), 2u);  // outside the BMP: a surrogate pair
    CHECK_EQ(Narrow(Widen("\xF0\x9F\x98\x80")), std::string("\xF0\x9F\x98\x80"));
    CHECK_EQ(Narrow(L"\u00FC\u20AC"), std::string("\xC3\xBC\xE2\x82\xAC"));
    CHECK_EQ(Widen(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
    CHECK_EQ(Narrow(std::wstring(L"one\0two\0\0", 9)), std::string("one\0two\0\0", 9));
    CHECK_EQ(Widen("\xFF"), std::wstring(L"\uFFFD"));
    CHECK_EQ(win32::NarrowUntilNul(L"ab\0cd", 5), std::string("ab"));
    CHECK_EQ(win32::NarrowUntilNul(L"abcd", 2), std::string("ab"));
    CHECK_EQ(win32::NarrowUntilNul(nullptr, 4), std::string());
}

CHECK_GROUP(handles) {
    win32::OwnedHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    CHECK(event.IsValid());
    HANDLE raw = event.Get();
    DWORD flags = 0;
    CHECK(::GetHandleInformation(raw, &flags));

    win32::OwnedHandle moved(std::move(event));
    CHECK(!event.IsValid());
    CHECK_EQ(moved.Get(), raw);

    win32::OwnedHandle assigned;
    assigned = std::move(moved);
    CHECK(!moved.IsValid());
    CHECK_EQ(assigned.Get(), raw);

    assigned.Reset();
    CHECK(!assigned.IsValid());
    CHECK(!::GetHandleInformation(raw, &flags));  // closed exactly here

    win32::OwnedHandle invalidFile(INVALID_HANDLE_VALUE);
    CHECK(!invalidFile);

    win32::OwnedHandle released(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    HANDLE kept = released.Release();
    CHECK(!released.IsValid());
    CHECK(::GetHandleInformation(kept, &flags));
    ::CloseHandle(kept);

    win32::OwnedKey key;
    CHECK_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, key.Receive()), ERROR_SUCCESS);
    CHECK(key.IsValid());

    win32::OwnedFind find;
    CHECK(!find.IsValid());
    CHECK_EQ(find.Get(), INVALID_HANDLE_VALUE);

    win32::OwnedBrush brush(::CreateSolidBrush(RGB(1, 2, 3)));
    HBRUSH rawBrush = brush.Get();
    CHECK_EQ(::GetObjectType(rawBrush), static_cast<DWORD>(OBJ_BRUSH));
    brush.Reset();
    CHECK_EQ(::GetObjectType(rawBrush), 0ul);
}

CHECK_GROUP(filter) {
    CHECK_EQ(win32::FilterList("Programs|*.EXE|All files|*.*"),
             std::wstring(L"Programs\0*.EXE\0All files\0*.*\0\0", 30));
    CHECK_EQ(win32::FilterList("Icons (\xC3\xBC)|*.ICO"), std::wstring(L"Icons (\u00FC)\0*.ICO\0\0", 17));
    CHECK_EQ(win32::FilterList(""), std::wstring(L"\0\0", 2));
}
