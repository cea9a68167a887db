// Extended data and result buffers: per-application set, replace and remove, registration
// and chain checks, transformation, and the value kinds of group codes.
#include <limits>

#include <gtest/gtest.h>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbFiler.h"
#include "DbLine.h"
#include "ResBuf.h"

namespace
{
// Builds a chain from buffers given in order.
OdResBufPtr chain(std::initializer_list<OdResBufPtr> items)
{
  OdResBufPtr head, tail;
  for (const OdResBufPtr& rb : items)
    tail = head.isNull() ? (head = rb) : tail->setNext(rb);
  return head;
}

int chainLength(const OdResBuf* rb)
{
  int n = 0;
  for (; rb; rb = rb->next().get())
    ++n;
  return n;
}

struct DbXData : ::testing::Test
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbLinePtr line = OdDbLine::createObject();

  void SetUp() override
  {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    ms->appendOdDbEntity(line);
    db->newRegApp(L"APP_A");
    db->newRegApp(L"APP_B");
  }
};
} // namespace

TEST_F(DbXData, ApplicationsKeepTheirOwnChains)
{
  line->setXData(chain({OdResBuf::newRb(1001, L"APP_A"), OdResBuf::newRb(1000, L"first"), OdResBuf::newRb(1070, 7)}));
  line->setXData(chain({OdResBuf::newRb(1001, L"APP_B"), OdResBuf::newRb(1040, 2.5)}));

  OdResBufPtr a = line->xData(L"app_a"); // names compare case-insensitively
  ASSERT_FALSE(a.isNull());
  EXPECT_EQ(3, chainLength(a));
  EXPECT_EQ(OdString(L"APP_A"), a->getString());
  EXPECT_EQ(OdString(L"first"), a->next()->getString());
  EXPECT_EQ(7, a->next()->next()->getInt16());
  EXPECT_EQ(5, chainLength(line->xData()));
  EXPECT_EQ(2u, line->xDataApplications().size());

  // Replacing A leaves B alone; a bare 1001 group removes A.
  line->setXData(chain({OdResBuf::newRb(1001, L"APP_A"), OdResBuf::newRb(1071, 100000)}));
  EXPECT_EQ(100000, line->xData(L"APP_A")->next()->getInt32());
  EXPECT_EQ(2, chainLength(line->xData(L"APP_B")));
  line->setXData(OdResBuf::newRb(1001, L"APP_A"));
  EXPECT_TRUE(line->xData(L"APP_A").isNull());
  EXPECT_FALSE(line->xData(L"APP_B").isNull());
}

TEST_F(DbXData, ReturnedChainsAreCopies)
{
  line->setXData(chain({OdResBuf::newRb(1001, L"APP_A"), OdResBuf::newRb(1000, L"kept")}));
  line->xData(L"APP_A")->next()->setString(L"changed");
  EXPECT_EQ(OdString(L"kept"), line->xData(L"APP_A")->next()->getString());
}

TEST_F(DbXData, UnregisteredApplicationsAndMalformedChainsAreRefused)
{
  line->setXData(chain({OdResBuf::newRb(1001, L"APP_A"), OdResBuf::newRb(1000, L"x")}));
  OdDbDxfTagList before;
  line->dxfOut(&before);
  const struct
  {
    const char* what;
    OdResBufPtr rb;
    OdResult code;
  } rows[] = {
      {"unregistered", chain({OdResBuf::newRb(1001, L"NOBODY"), OdResBuf::newRb(1000, L"x")}), eRegappIdNotFound},
      {"no 1001 first", chain({OdResBuf::newRb(1000, L"x")}), eInvalidResBuf},
      {"code outside xdata", chain({OdResBuf::newRb(1001, L"APP_A"), OdResBuf::newRb(40, 1.0)}), eInvalidResBuf},
      {"unbalanced brace", chain({OdResBuf::newRb(1001, L"APP_A"), OdResBuf::newRb(1002, L"{")}), eInvalidResBuf},
      {"good then unregistered",
       chain({OdResBuf::newRb(1001, L"APP_B"), OdResBuf::newRb(1000, L"y"), OdResBuf::newRb(1001, L"NOBODY")}),
       eRegappIdNotFound},
  };
  for (const auto& row : rows)
  {
    try
    {
      line->setXData(row.rb);
      ADD_FAILURE() << row.what << ": no exception";
    }
    catch (const OdError& e)
    {
      EXPECT_EQ(row.code, e.code()) << row.what;
    }
  }
  OdDbDxfTagList after;
  line->dxfOut(&after);
  EXPECT_EQ(before, after) << after.toString();
}

TEST_F(DbXData, TransformMovesPositionsAndScalesDistances)
{
  line->setXData(chain({OdResBuf::newRb(1001, L"APP_A"), OdResBuf::newRb(1011, OdGePoint3d(1, 0, 0)),
                        OdResBuf::newRb(1012, OdGePoint3d(1, 0, 0)), OdResBuf::newRb(1013, OdGePoint3d(1, 0, 0)),
                        OdResBuf::newRb(1041, 2.0), OdResBuf::newRb(1010, OdGePoint3d(1, 0, 0))}));
  line->xDataTransformBy(OdGeMatrix3d::translation(OdGeVector3d(0, 5, 0)) * OdGeMatrix3d::scaling(3.0));
  OdResBufPtr rb = line->xData(L"APP_A")->next();
  EXPECT_TRUE(rb->getPoint3d().isEqualTo(OdGePoint3d(3, 5, 0)));                  // position
  EXPECT_TRUE(rb->next()->getPoint3d().isEqualTo(OdGePoint3d(3, 0, 0)));          // displacement
  EXPECT_TRUE(rb->next()->next()->getPoint3d().isEqualTo(OdGePoint3d(1, 0, 0)));  // direction
  EXPECT_DOUBLE_EQ(6.0, rb->next()->next()->next()->getDouble());                 // distance
  EXPECT_TRUE(rb->next()->next()->next()->next()->getPoint3d().isEqualTo(OdGePoint3d(1, 0, 0))); // plain point
}

TEST_F(DbXData, SnapshotIncludesExtendedData)
{
  OdDbDxfTagList plain;
  line->dxfOut(&plain);
  line->setXData(chain({OdResBuf::newRb(1001, L"APP_A"), OdResBuf::newRb(1010, OdGePoint3d(1, 2, 3))}));
  OdDbDxfTagList withXData;
  line->dxfOut(&withXData);
  EXPECT_EQ(plain.size() + 4, withXData.size());
  EXPECT_EQ(OdString(L"APP_A"), withXData.find(1001));
  EXPECT_EQ(OdString(L"3"), withXData.find(1030));
}

TEST(ResBuf, GroupCodesDecideTheValueKind)
{
  const struct
  {
    int code;
    OdResBuf::DataKind kind;
  } rows[] = {{1, OdResBuf::kString},      {10, OdResBuf::kPoint3d},  {40, OdResBuf::kDouble},
              {70, OdResBuf::kInt16},      {90, OdResBuf::kInt32},    {160, OdResBuf::kInt64},
              {210, OdResBuf::kPoint3d},   {280, OdResBuf::kInt8},    {290, OdResBuf::kBool},
              {310, OdResBuf::kBinary},    {330, OdResBuf::kObjectId}, {1000, OdResBuf::kString},
              {1005, OdResBuf::kHandle},   {1011, OdResBuf::kPoint3d}, {1041, OdResBuf::kDouble},
              {1070, OdResBuf::kInt16},    {1071, OdResBuf::kInt32},  {OdResBuf::kRtString, OdResBuf::kString},
              {OdResBuf::kRtNone, OdResBuf::kNone}, {-5, OdResBuf::kNone}};
  for (const auto& row : rows)
    EXPECT_EQ(row.kind, OdResBuf::dataKind(row.code)) << row.code;
}

TEST(ResBuf, WrongKindAndNonFiniteValuesAreRefused)
{
  OdResBufPtr rb = OdResBuf::newRb(1040, 1.5);
  EXPECT_THROW(rb->getString(), OdError);
  EXPECT_THROW(rb->setInt16(1), OdError);
  EXPECT_THROW(rb->setDouble(std::numeric_limits<double>::quiet_NaN()), OdError);
  EXPECT_DOUBLE_EQ(1.5, rb->getDouble());
  EXPECT_THROW(OdResBuf::newRb(1010, OdGePoint3d(0, std::numeric_limits<double>::infinity(), 0)), OdError);
  EXPECT_THROW(OdResBuf::newRb(70, 70000), OdError);
  // Changing to a code of another kind resets the value.
  rb->setRestype(1000);
  EXPECT_EQ(OdString(), rb->getString());
}

TEST(ResBuf, ChainsInsertCopyAndCompare)
{
  OdResBufPtr head = chain({OdResBuf::newRb(1, L"a"), OdResBuf::newRb(3, L"c")});
  head->insert(OdResBuf::newRb(2, L"b"));
  EXPECT_EQ(3, chainLength(head));
  EXPECT_EQ(OdString(L"b"), head->next()->getString());
  EXPECT_EQ(3, head->last()->restype());
  OdResBufPtr copy = head->copyChain();
  EXPECT_NE(copy.get(), head.get());
  EXPECT_TRUE(OdResBuf::chainsEqual(head, copy));
  copy->last()->setString(L"z");
  EXPECT_FALSE(OdResBuf::chainsEqual(head, copy));
}

TEST(ResBuf, LongChainsReleaseWithoutDeepRecursion)
{
  OdResBufPtr head = OdResBuf::newRb(1000, L"0");
  OdResBufPtr tail = head;
  for (int i = 0; i < 200000; ++i)
    tail = tail->setNext(OdResBuf::newRb(1070, 1));
  tail.release();
  head.release();
  SUCCEED();
}
