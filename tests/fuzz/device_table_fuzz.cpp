// libFuzzer target: arbitrary stored records and drive letters through loading, the hardware
// comparison, the field readers and sequences of field writes. Besides crashes and sanitizer
// reports it checks what the device code relies on: at most 100 records, every field read in
// its range, a write of valid values reads back exactly and leaves the name and the other fields
// as they were, and a table registered from detection matches that detection.
#include <fuzzer/FuzzedDataProvider.h>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>
#include "devices/device_table.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckFieldsInRange(const devices::DeviceTable& table) {
    Check(table.DeviceCount() <= devices::MaxDevices);
    for (int i = 0; i <= table.DeviceCount() + 1; ++i) {
        const int state = devices::GetDeviceField(table, i, devices::kFieldState);
        const int flag = devices::GetDeviceField(table, i, devices::kFieldOnlyIfInserted);
        const int delay = devices::GetDeviceField(table, i, devices::kFieldDelay);
        Check(state >= 0 && state <= 2);
        Check(flag == 0 || flag == 1);
        Check(delay >= 0 && delay <= devices::kMaxRemovalDelay);
        Check(devices::GetDeviceField(table, i, 0) == 0 && devices::GetDeviceField(table, i, 5) == 0);
        const std::string name = devices::GetDeviceName(table, i);
        Check(name.find(',') == std::string::npos);
        Check(devices::DeviceTarget(name).size() <= name.size());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);

    // Detection: any letters, any tape names.
    const std::string cdroms = in.ConsumeRandomLengthString(40);
    const std::string removables = in.ConsumeRandomLengthString(40);
    devices::ScsiTapeList tapes;
    for (std::string& tape : tapes)
        tape = in.ConsumeRandomLengthString(16);
    const bool nt = in.ConsumeBool();
    const std::vector<std::string> detected = devices::DetectedDeviceNames(cdroms, removables, tapes, nt);

    // A table registered from that detection matches it.
    devices::DeviceTable registered;
    for (const std::string& name : detected) {
        if (!registered.Add(name + ",")) break;
    }
    Check(registered.DeviceCount() <= devices::MaxDevices);
    Check(devices::HardwareChanged(registered, detected) == (registered.DeviceCount() == 0));

    // Stored values as loading meets them.
    devices::DeviceTable table;
    const int values = in.ConsumeIntegralInRange<int>(0, 130);
    for (int v = 0; v < values && in.remaining_bytes() > 0; ++v)
        table.Add(in.ConsumeRandomLengthString(64));
    Check(table.DeviceCount() <= devices::MaxDevices);
    CheckFieldsInRange(table);
    devices::HardwareChanged(table, detected);
    devices::AnyDeviceSelected(table);

    // Writes: valid values read back exactly, the rest of the record stays as it read.
    while (in.remaining_bytes() > 0 && table.DeviceCount() > 0) {
        const int index = in.ConsumeIntegralInRange<int>(0, table.DeviceCount() + 1);
        const int state = in.ConsumeIntegralInRange<int>(-1, 2);
        const int flag = in.ConsumeIntegralInRange<int>(-1, 1);
        const int delay = in.ConsumeIntegralInRange<int>(-1, devices::kMaxRemovalDelay);
        const bool rename = in.ConsumeBool();
        std::string name = in.ConsumeRandomLengthString(12);
        if (name.find(',') != std::string::npos) name.clear();

        const std::string oldName = devices::GetDeviceName(table, index);
        const int oldState = devices::GetDeviceField(table, index, devices::kFieldState);
        const int oldFlag = devices::GetDeviceField(table, index, devices::kFieldOnlyIfInserted);
        const int oldDelay = devices::GetDeviceField(table, index, devices::kFieldDelay);
        const std::string before = table.Record(index);
        devices::SetDeviceFields(table, index, rename ? &name : nullptr, state, flag, delay);
        if (index < 1 || index > table.DeviceCount()) continue;
        Check(devices::GetDeviceName(table, index) == (rename ? name : oldName));
        Check(devices::GetDeviceField(table, index, devices::kFieldState) == (state < 0 ? oldState : state));
        Check(devices::GetDeviceField(table, index, devices::kFieldOnlyIfInserted) ==
              (flag < 0 ? oldFlag : flag));
        Check(devices::GetDeviceField(table, index, devices::kFieldDelay) == (delay < 0 ? oldDelay : delay));
        if (!rename && state < 0 && flag < 0 && delay < 0) Check(table.Record(index) == before);
        if (rename) Check(devices::FindDevice(table, name) >= 1 && devices::FindDevice(table, name) <= index);
    }
    CheckFieldsInRange(table);
    devices::ClearDeviceTable(table);
    Check(table.DeviceCount() == 0 && devices::HardwareChanged(table, detected));
    return 0;
}
