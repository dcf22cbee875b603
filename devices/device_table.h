#pragma once
// The registered devices: up to 100 records, each one text line of four comma-terminated fields
// "name,state,only-if-inserted,delay," (a fresh record is just "name,"). Records are also read
// back from the registry, so every reader treats them as outside input: a field that is no
// decimal number, or one that overflows, reads 0, and values outside their range are pulled in.
// Pure code: no port and no control.
#include <array>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace devices {

inline constexpr int MaxDevices = 100;
inline constexpr int MaxScsiTapes = 7;
using ScsiTapeList = std::array<std::string, MaxScsiTapes>;

// DeviceState: gray hook (eject only) and black hook (eject and retract).
enum : int { kStateNotUsed = 0, kStateEjectOnly = 1, kStateEjectRetract = 2 };
enum : int { kFieldName = 1, kFieldState = 2, kFieldOnlyIfInserted = 3, kFieldDelay = 4 };
inline constexpr int kMaxRemovalDelay = 99;
// SetDeviceFields leaves a field alone for this value.
inline constexpr int kKeepField = -1;

class DeviceTable {
  public:
    int DeviceCount() const {
        CheckThread();
        return static_cast<int>(records_.size());
    }
    // The record of device index (1-based); empty outside 1..DeviceCount.
    const std::string& Record(int index) const;
    const std::vector<std::string>& Records() const {
        CheckThread();
        return records_;
    }
    // Appends a record; false when the table is full. May throw std::bad_alloc.
    bool Add(std::string record);
    // Drops the last record (one that could not be completed).
    void DropLast();
    // Replaces all records by at most MaxDevices of these.
    void Assign(const std::vector<std::string>& records);
    void Clear() { records_.clear(); }
    // For SetDeviceFields; nullptr outside 1..DeviceCount.
    std::string* MutableRecord(int index);

  private:
    // The table belongs to the thread that made it (the main thread): device workers read it
    // through calls onto that thread. Debug builds stop at any other access.
    void CheckThread() const;
    std::vector<std::string> records_;
    std::thread::id owner_ = std::this_thread::get_id();
};

// Field 1 of a record: the text before its first comma (all of it when there is none).
std::string RecordName(std::string_view record);
// Fields 2 to 4 of a record as numbers, in range: a state outside 0-2 and a flag outside 0-1
// read 0, a delay above 99 reads 99. A missing field and a field number outside 2-4 read 0.
int RecordField(std::string_view record, int field);
// Writes the fields that are not kKeepField (a null name keeps the name), in the order name,
// state, flag, delay. Missing earlier fields are supplied as "0," so that a field never lands
// inside another; text after the field's terminating comma is kept.
void SetRecordFields(std::string& record, const std::string* name, int state, int onlyIfInserted, int delay);

std::string GetDeviceName(const DeviceTable& table, int index);
int GetDeviceField(const DeviceTable& table, int index, int field);
void SetDeviceFields(DeviceTable& table, int index, const std::string* name, int state, int onlyIfInserted,
                     int delay);
// What the door commands address: "E:" for a "CD - E:" or "RM - E:" record, else the whole
// name (a tape's device name, or a CD/RM name without a drive letter before a ':').
std::string DeviceTarget(std::string_view name);
// The index of the first record named name, or 0.
int FindDevice(const DeviceTable& table, std::string_view name);
void ClearDeviceTable(DeviceTable& table);
// Some record is used (state 1 or 2); some record retracts (state 2).
bool AnyDeviceSelected(const DeviceTable& table);
bool AnyDeviceRetracting(const DeviceTable& table);

// The record names of the detected devices in registration order: the CD-ROM drives, then on
// Windows NT the removable drives and the SCSI tapes.
std::vector<std::string> DetectedDeviceNames(std::string_view cdromLetters, std::string_view removableLetters,
                                             const ScsiTapeList& tapes, bool windowsNt);
// True when the table does not hold the detected devices (the first MaxDevices of them) in
// that order, each record containing its name, and no more records than that.
bool HardwareChanged(const DeviceTable& table, const std::vector<std::string>& detected);

}  // namespace devices
