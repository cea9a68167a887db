// OdArray index checks and OdString editing.
#include <gtest/gtest.h>

#include "OdArray.h"
#include "OdString.h"

TEST(OdArrayTest, OutOfRangeAccessRaisesInvalidIndex)
{
  OdArray<int> a{1, 2, 3};
  EXPECT_EQ(a[2], 3);
  try
  {
    (void)a[3];
    FAIL();
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(e.code(), eInvalidIndex);
  }
  volatile unsigned int beyond = 5; // not a constant, so the optimiser keeps the checked path
  EXPECT_THROW(a.removeAt(beyond), OdError);
  EXPECT_THROW(a.insertAt(4, 0), OdError);
  a.insertAt(3, 4);
  EXPECT_EQ(a.last(), 4);
  OdArray<int> empty;
  EXPECT_THROW(empty.first(), OdError);
}

TEST(OdStringTest, ConvertsAndEdits)
{
  OdString s("Größe");
  EXPECT_EQ(s.getLength(), 5);
  EXPECT_EQ(s.toUtf8(), "Größe");
  OdString t(L"a-b-a");
  EXPECT_EQ(t.replace(L"a", L"xy"), 2);
  EXPECT_EQ(t, OdString(L"xy-b-xy"));
  EXPECT_EQ(t.find(L"b"), 3);
  EXPECT_EQ(t.mid(3), OdString(L"b-xy"));
  EXPECT_EQ(OdString().format(L"%d-%ls", 7, L"x"), OdString(L"7-x"));
  EXPECT_THROW(t.getAt(99), OdError);
}
