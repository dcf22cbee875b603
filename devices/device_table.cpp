#include "devices/device_table.h"

#include <algorithm>
#include <cassert>
#include <charconv>

namespace devices {
namespace {

// The decimal number of a field; 0 for an empty field, any other character or an overflow.
int FieldNumber(std::string_view text) {
    if (text.empty()) return 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
    }
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? value : 0;
}

// Splits a record into its comma-terminated fields and the unterminated rest.
struct SplitRecord {
    std::vector<std::string> fields;
    std::string rest;
};

SplitRecord Split(std::string_view record) {
    SplitRecord split;
    size_t start = 0;
    for (size_t comma = record.find(','); comma != std::string_view::npos; comma = record.find(',', start)) {
        split.fields.emplace_back(record.substr(start, comma - start));
        start = comma + 1;
    }
    split.rest = std::string(record.substr(start));
    return split;
}

void SetField(SplitRecord& split, int field, const std::string& value) {
    const size_t slot = static_cast<size_t>(field - 1);
    if (slot < split.fields.size()) {
        split.fields[slot] = value;
        return;
    }
    // A record without any comma is a name on its own: it stays the name.
    if (split.fields.empty() && field > kFieldName) {
        split.fields.push_back(split.rest);
    }
    // The rest was at most a part of a field before this one; it read as nothing and stays so.
    split.rest.clear();
    while (split.fields.size() < slot)
        split.fields.emplace_back("0");
    split.fields.push_back(value);
}

}  // namespace

void DeviceTable::CheckThread() const {
    assert(std::this_thread::get_id() == owner_ && "device table used off the main thread");
}

const std::string& DeviceTable::Record(int index) const {
    CheckThread();
    static const std::string kNone;
    if (index < 1 || index > DeviceCount()) return kNone;
    return records_[static_cast<size_t>(index - 1)];
}

bool DeviceTable::Add(std::string record) {
    CheckThread();
    if (DeviceCount() >= MaxDevices) return false;
    records_.push_back(std::move(record));
    return true;
}

void DeviceTable::DropLast() {
    if (!records_.empty()) records_.pop_back();
}

void DeviceTable::Assign(const std::vector<std::string>& records) {
    CheckThread();
    const size_t count = std::min(records.size(), static_cast<size_t>(MaxDevices));
    records_.assign(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(count));
}

std::string* DeviceTable::MutableRecord(int index) {
    CheckThread();
    if (index < 1 || index > DeviceCount()) return nullptr;
    return &records_[static_cast<size_t>(index - 1)];
}

std::string RecordName(std::string_view record) {
    return std::string(record.substr(0, record.find(',')));
}

int RecordField(std::string_view record, int field) {
    if (field < kFieldState || field > kFieldDelay) return 0;
    size_t start = 0;
    for (int comma = 1; comma < field; ++comma) {
        size_t at = record.find(',', start);
        if (at == std::string_view::npos) return 0;
        start = at + 1;
    }
    const size_t end = record.find(',', start);
    if (end == std::string_view::npos) return 0;
    const int value = FieldNumber(record.substr(start, end - start));
    switch (field) {
        case kFieldState:
            return value <= kStateEjectRetract ? value : 0;
        case kFieldOnlyIfInserted:
            return value <= 1 ? value : 0;
        default:
            return std::min(value, kMaxRemovalDelay);
    }
}

void SetRecordFields(std::string& record, const std::string* name, int state, int onlyIfInserted, int delay) {
    if (!name && state == kKeepField && onlyIfInserted == kKeepField && delay == kKeepField) return;
    SplitRecord split = Split(record);
    if (name) SetField(split, kFieldName, *name);
    if (state != kKeepField) SetField(split, kFieldState, std::to_string(state));
    if (onlyIfInserted != kKeepField) SetField(split, kFieldOnlyIfInserted, std::to_string(onlyIfInserted));
    if (delay != kKeepField) SetField(split, kFieldDelay, std::to_string(delay));
    std::string text;
    for (const std::string& field : split.fields) {
        text += field;
        text += ',';
    }
    text += split.rest;
    record = std::move(text);
}

std::string GetDeviceName(const DeviceTable& table, int index) {
    return RecordName(table.Record(index));
}

int GetDeviceField(const DeviceTable& table, int index, int field) {
    return RecordField(table.Record(index), field);
}

void SetDeviceFields(DeviceTable& table, int index, const std::string* name, int state, int onlyIfInserted,
                     int delay) {
    if (std::string* record = table.MutableRecord(index))
        SetRecordFields(*record, name, state, onlyIfInserted, delay);
}

std::string DeviceTarget(std::string_view name) {
    if (name.find("CD") != std::string_view::npos || name.find("RM") != std::string_view::npos) {
        const size_t colon = name.find(':');
        if (colon != std::string_view::npos && colon > 0) return std::string(name.substr(colon - 1, 2));
    }
    return std::string(name);
}

int FindDevice(const DeviceTable& table, std::string_view name) {
    for (int i = 1; i <= table.DeviceCount(); ++i) {
        if (RecordName(table.Record(i)) == name) return i;
    }
    return 0;
}

void ClearDeviceTable(DeviceTable& table) {
    table.Clear();
}

bool AnyDeviceSelected(const DeviceTable& table) {
    for (int i = 1; i <= table.DeviceCount(); ++i) {
        if (GetDeviceField(table, i, kFieldState) != kStateNotUsed) return true;
    }
    return false;
}

bool AnyDeviceRetracting(const DeviceTable& table) {
    for (int i = 1; i <= table.DeviceCount(); ++i) {
        if (GetDeviceField(table, i, kFieldState) == kStateEjectRetract) return true;
    }
    return false;
}

std::vector<std::string> DetectedDeviceNames(std::string_view cdromLetters, std::string_view removableLetters,
                                             const ScsiTapeList& tapes, bool windowsNt) {
    std::vector<std::string> names;
    for (char letter : cdromLetters)
        names.push_back(std::string("CD - ") + letter + ":");
    if (!windowsNt) return names;
    for (char letter : removableLetters)
        names.push_back(std::string("RM - ") + letter + ":");
    for (const std::string& tape : tapes) {
        if (!tape.empty()) names.push_back(tape);
    }
    return names;
}

bool HardwareChanged(const DeviceTable& table, const std::vector<std::string>& detected) {
    const int count = table.DeviceCount();
    if (count == 0) return true;
    const size_t considered = std::min(detected.size(), static_cast<size_t>(MaxDevices));
    for (size_t k = 0; k < considered; ++k) {
        if (static_cast<int>(k) >= count) return true;
        if (table.Record(static_cast<int>(k) + 1).find(detected[k]) == std::string::npos) return true;
    }
    return static_cast<int>(considered) != count;
}

}  // namespace devices
