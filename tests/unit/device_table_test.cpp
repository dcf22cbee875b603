#include <gtest/gtest.h>
#include <thread>
#include "devices/device_table.h"

namespace {

using devices::DeviceTable;

#ifndef NDEBUG
// Workers reach the table only through the main thread; a debug build stops at any other read.
TEST(DeviceTableDeathTest, UseOffItsThreadStops) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    DeviceTable table;
    ASSERT_TRUE(table.Add("CD - D:,2,0,5,"));
    EXPECT_DEATH(
        std::thread([&table] { (void)devices::GetDeviceField(table, 1, devices::kFieldDelay); }).join(),
        "device table used off the main thread");
    EXPECT_EQ(devices::GetDeviceField(table, 1, devices::kFieldDelay), 5);
}
#endif

TEST(DeviceTable, FieldsReadFromRecordsAsStoredOrDamaged) {
    DeviceTable table;
    for (const char* record : {"CD - E:,2,1,20,", "CD - D:,", "RM - A:,7,3,100,", "Tape0,x2,-1,99999999999,",
                               "CD - F:,1,1,5", "Tape1"})
        ASSERT_TRUE(table.Add(record));
    EXPECT_EQ(devices::GetDeviceName(table, 1), "CD - E:");
    EXPECT_EQ(devices::GetDeviceField(table, 1, devices::kFieldState), 2);
    EXPECT_EQ(devices::GetDeviceField(table, 1, devices::kFieldOnlyIfInserted), 1);
    EXPECT_EQ(devices::GetDeviceField(table, 1, devices::kFieldDelay), 20);
    // A fresh record: every number reads 0.
    for (int field = 2; field <= 4; ++field)
        EXPECT_EQ(devices::GetDeviceField(table, 2, field), 0);
    // Out of range: state and flag 0, the delay held at 99 so that no worker waits for years.
    EXPECT_EQ(devices::GetDeviceField(table, 3, devices::kFieldState), 0);
    EXPECT_EQ(devices::GetDeviceField(table, 3, devices::kFieldOnlyIfInserted), 0);
    EXPECT_EQ(devices::GetDeviceField(table, 3, devices::kFieldDelay), 99);
    // No number, a sign, an overflow: 0.
    for (int field = 2; field <= 4; ++field)
        EXPECT_EQ(devices::GetDeviceField(table, 4, field), 0);
    // The delay has no terminating comma.
    EXPECT_EQ(devices::GetDeviceField(table, 5, devices::kFieldOnlyIfInserted), 1);
    EXPECT_EQ(devices::GetDeviceField(table, 5, devices::kFieldDelay), 0);
    EXPECT_EQ(devices::GetDeviceName(table, 6), "Tape1");
    EXPECT_EQ(devices::GetDeviceField(table, 1, 5), 0);
    EXPECT_EQ(devices::GetDeviceName(table, 7), "");
    EXPECT_EQ(devices::FindDevice(table, "CD - D:"), 2);
    EXPECT_EQ(devices::FindDevice(table, "CD - "), 0);
}

TEST(DeviceTable, WritesKeepTheNameAndSupplyMissingFields) {
    DeviceTable table;
    table.Add("CD - E:,");
    table.Add("Tape0");
    table.Add("CD - D:,1,1,20,");
    table.Add("RM - A:,2,x");
    // Setting only the delay of a fresh record supplies the fields before it.
    devices::SetDeviceFields(table, 1, nullptr, devices::kKeepField, devices::kKeepField, 5);
    EXPECT_EQ(table.Record(1), "CD - E:,0,0,5,");
    devices::SetDeviceFields(table, 1, nullptr, 2, 1, devices::kKeepField);
    EXPECT_EQ(table.Record(1), "CD - E:,2,1,5,");
    // A name without its comma stays the name.
    devices::SetDeviceFields(table, 2, nullptr, 1, devices::kKeepField, devices::kKeepField);
    EXPECT_EQ(table.Record(2), "Tape0,1,");
    devices::SetDeviceFields(table, 3, nullptr, 2, 0, 99);
    EXPECT_EQ(table.Record(3), "CD - D:,2,0,99,");
    std::string name = "CD - G:";
    devices::SetDeviceFields(table, 3, &name, devices::kKeepField, devices::kKeepField, devices::kKeepField);
    EXPECT_EQ(table.Record(3), "CD - G:,2,0,99,");
    // An unterminated part read as nothing and is not picked up by the next field.
    devices::SetDeviceFields(table, 4, nullptr, devices::kKeepField, devices::kKeepField, 7);
    EXPECT_EQ(table.Record(4), "RM - A:,2,0,7,");
    devices::SetDeviceFields(table, 9, nullptr, 2, 1, 20);  // no such device: nothing happens
    EXPECT_EQ(table.DeviceCount(), 4);
    EXPECT_TRUE(devices::AnyDeviceSelected(table));
    EXPECT_TRUE(devices::AnyDeviceRetracting(table));
}

TEST(DeviceTable, TargetsAndLimit) {
    EXPECT_EQ(devices::DeviceTarget("CD - E:"), "E:");
    EXPECT_EQ(devices::DeviceTarget("RM - A:"), "A:");
    EXPECT_EQ(devices::DeviceTarget("\\Device\\Tape0"), "\\Device\\Tape0");
    EXPECT_EQ(devices::DeviceTarget("CD - E"), "CD - E");
    EXPECT_EQ(devices::DeviceTarget(":CD"), ":CD");
    DeviceTable table;
    for (int i = 0; i < devices::MaxDevices; ++i)
        ASSERT_TRUE(table.Add("CD - X:,"));
    EXPECT_FALSE(table.Add("CD - Y:,"));
    EXPECT_EQ(table.DeviceCount(), devices::MaxDevices);
    EXPECT_FALSE(devices::AnyDeviceSelected(table));
}

TEST(DeviceTable, OrderAndHardwareComparison) {
    const devices::ScsiTapeList tapes{"Tape0", "", "Tape1"};
    const std::vector<std::string> nt = devices::DetectedDeviceNames("DE", "AF", tapes, true);
    EXPECT_EQ(nt, (std::vector<std::string>{"CD - D:", "CD - E:", "RM - A:", "RM - F:", "Tape0", "Tape1"}));
    EXPECT_EQ(devices::DetectedDeviceNames("DE", "AF", tapes, false),
              (std::vector<std::string>{"CD - D:", "CD - E:"}));

    DeviceTable table;
    EXPECT_TRUE(devices::HardwareChanged(table, {}));
    table.Add("CD - D:,2,1,20,");
    EXPECT_FALSE(devices::HardwareChanged(table, {"CD - D:"}));
    EXPECT_TRUE(devices::HardwareChanged(table, {"CD - E:"}));
    // A second drive, and a device past the end of the table.
    EXPECT_TRUE(devices::HardwareChanged(table, {"CD - D:", "CD - E:"}));
    EXPECT_TRUE(devices::HardwareChanged(table, {"CD - D:", "Tape0"}));
    table.Add("CD - E:,");
    EXPECT_TRUE(devices::HardwareChanged(table, {"CD - D:"}));
    // Only the first hundred detected devices can be registered.
    std::vector<std::string> many(120, "CD - X:");
    DeviceTable full;
    for (int i = 0; i < devices::MaxDevices; ++i)
        full.Add("CD - X:,");
    EXPECT_FALSE(devices::HardwareChanged(full, many));
}

}  // namespace
