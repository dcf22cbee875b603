#include "win32/ports/event_log.h"

#include "win32/handles.h"
#include "win32/text.h"

namespace win32 {

bool Win32EventLog::ReportEvent(const std::string& source, std::uint16_t type, std::uint16_t category,
                                std::uint32_t eventId, const std::vector<std::string>& strings) {
    OwnedEventSource eventSource(::RegisterEventSourceW(nullptr, Widen(source).c_str()));
    if (!eventSource) return false;

    std::vector<std::wstring> wide;
    wide.reserve(strings.size());
    for (const std::string& s : strings)
        wide.push_back(Widen(s));
    std::vector<LPCWSTR> pointers;
    pointers.reserve(wide.size());
    for (const std::wstring& w : wide)
        pointers.push_back(w.c_str());

    bool reported = ::ReportEventW(eventSource.Get(), type, category, eventId, nullptr,
                                   static_cast<WORD>(pointers.size()), 0,
                                   pointers.empty() ? nullptr : pointers.data(), nullptr) != FALSE;
    // Closed by hand here because a failing DeregisterEventSource counts as a failed report.
    bool deregistered = ::DeregisterEventSource(eventSource.Release()) != FALSE;
    return reported && deregistered;
}

}  // namespace win32
