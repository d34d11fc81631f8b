#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "catalogue/attribute_list.h"
#include "module_fixture.h"
#include "platform/fault_points.h"
#include "platform/heap.h"
#include "ups_readings.h"

namespace veltra::catalogue {
namespace {

using platform::FaultPoint;

class AttributeListTest : public testing::ModuleTest {};

TEST_F(AttributeListTest, FirstListHasHandles100To111AndTheTableNames) {
  AttributeList list;
  for (std::size_t i = 0; i < kNodeCount; ++i) {
    const Attribute* attribute = list.slot(i);
    ASSERT_NE(attribute, nullptr);
    EXPECT_EQ(attribute->GetHandle(), 100 + static_cast<std::int32_t>(i));
    EXPECT_STREQ(attribute->GetKey(), kCatalogue[i].key);
    EXPECT_STREQ(attribute->GetName(), testing::kNodes[i].displayName);
    EXPECT_EQ(attribute->GetDataType(), 1);
    EXPECT_EQ(attribute->IsActive(), 0);
  }
}

TEST_F(AttributeListTest, ARebuiltListTakesTheNextHandles) {
  { AttributeList first; }
  AttributeList second;
  EXPECT_EQ(second.slot(0)->GetHandle(), 112);
  EXPECT_EQ(second.slot(11)->GetHandle(), 123);
  EXPECT_EQ(second.getAttrIndex(100), -1);
  EXPECT_EQ(second.getAttrIndex(115), 3);
}

TEST_F(AttributeListTest, WithoutTheStringTableEveryDisplayNameIsItsKey) {
  platform::armFault(FaultPoint::kModuleStrings, 1, 0, /*persistent=*/true);
  AttributeList list;
  for (std::size_t i = 0; i < kNodeCount; ++i)
    EXPECT_STREQ(list.slot(i)->GetName(), kCatalogue[i].key);
}

TEST_F(AttributeListTest, ADisplayNameThatCannotBeAllocatedFallsBackToTheKey) {
  platform::armFault(FaultPoint::kHeapAlloc, 3, 0);  // the third attribute's name
  AttributeList list;
  EXPECT_STREQ(list.slot(1)->GetName(), "Min Line Voltage");
  EXPECT_STREQ(list.slot(2)->GetName(), "MaxInputVoltage");
  EXPECT_STREQ(list.slot(3)->GetName(), "UPS Output Voltage");
}

TEST_F(AttributeListTest, AnAttributeThatCannotBeAllocatedLeavesItsSlotEmpty) {
  platform::armFault(FaultPoint::kObjectAlloc, 5, 0);  // slot 4
  AttributeList list;
  EXPECT_EQ(list.slot(4), nullptr);
  // Only constructed attributes take a handle.
  EXPECT_EQ(list.slot(3)->GetHandle(), 103);
  EXPECT_EQ(list.slot(5)->GetHandle(), 104);
  EXPECT_EQ(list.getAttrIndex(104), 5);
  EXPECT_EQ(list.getAttrIndex(111), -1);
}

TEST_F(AttributeListTest, HandleThatNamesNoAttribute) {
  AttributeList list;
  for (const std::int32_t handle : {-1, 0, 99, 112, INT32_MIN, INT32_MAX}) {
    SCOPED_TRACE(handle);
    EXPECT_EQ(list.getAttrIndex(handle), -1);
    EXPECT_EQ(list.Activate(handle), 0);
    EXPECT_EQ(list.IsActivated(handle), 0);
    EXPECT_EQ(list.GetPropertyName(handle), nullptr);
    EXPECT_EQ(list.GetDataType(handle), 0);
    list.Deactivate(handle);
  }
  for (std::size_t i = 0; i < kNodeCount; ++i)
    EXPECT_EQ(list.slot(i)->IsActive(), 0);
}

TEST_F(AttributeListTest, ActivationIsAFlagNotACount) {
  AttributeList list;
  EXPECT_EQ(list.Activate(104), 1);
  EXPECT_EQ(list.Activate(104), 1);
  EXPECT_EQ(list.IsActivated(104), 1);
  EXPECT_EQ(list.IsActivated(105), 0);
  list.Deactivate(104);
  EXPECT_EQ(list.IsActivated(104), 0);
  EXPECT_EQ(std::u16string(list.GetPropertyName(104)), u"UPSOutputLoad");
  EXPECT_EQ(list.GetDataType(104), 1);
}

}  // namespace
}  // namespace veltra::catalogue
