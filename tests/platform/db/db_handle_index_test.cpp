// The database's handle index under many objects: every handle pattern files use (consecutive,
// strided, sparse, very large), handles moved and freed in random order, and the next handle
// given, each checked against a plain map of what the database should hold.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "DbDatabase.h"
#include "DbLine.h"

namespace
{
struct HandleIndex : ::testing::Test
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  // Handle value -> the line's start x, which tells the objects apart.
  std::map<OdUInt64, double> expected;

  void add(OdUInt64 handle)
  {
    OdDbLinePtr line = OdDbLine::createObject();
    line->setStartPoint(OdGePoint3d(static_cast<double>(expected.size()), 0, 0));
    const OdDbObjectId id = db->addOdDbObject(line, OdDbObjectId(), OdDbHandle(handle));
    ASSERT_EQ(id.getHandle().value(), handle);
    expected[handle] = line->startPoint().x;
  }

  void checkAll()
  {
    for (const auto& entry : expected)
    {
      const OdDbObjectId id = db->getOdDbObjectId(OdDbHandle(entry.first));
      ASSERT_FALSE(id.isNull()) << std::hex << entry.first;
      ASSERT_EQ(id.getHandle().value(), entry.first);
      OdDbLinePtr line = id.safeOpenObject();
      ASSERT_EQ(line->startPoint().x, entry.second) << std::hex << entry.first;
    }
  }
};
} // namespace

TEST_F(HandleIndex, FindsEveryObjectWhateverTheHandlePattern)
{
  struct Pattern
  {
    const char* what;
    OdUInt64 first;
    OdUInt64 stride;
  } patterns[] = {
    {"consecutive", 0x1000, 1},
    {"one per run of the index", 0x100000, 64},
    {"powers-of-two stride", 0x4000000, 4096},
    {"odd stride", 0x90000000, 7},
    {"near the top of the range", 0x7FFFFFFF00000000ULL, 1 << 20},
  };
  for (const Pattern& p : patterns)
  {
    SCOPED_TRACE(p.what);
    for (OdUInt64 i = 0; i < 3000; ++i)
      add(p.first + i * p.stride);
  }
  checkAll();
  // Handles next to used ones are free, and a used one is refused.
  EXPECT_TRUE(db->getOdDbObjectId(OdDbHandle(0x1000 + 3000)).isNull());
  EXPECT_TRUE(db->getOdDbObjectId(OdDbHandle(0x100000 + 65)).isNull());
  EXPECT_THROW(add(0x4000000 + 4096), OdError);
}

TEST_F(HandleIndex, MovedObjectsAreFoundUnderTheirNewHandleOnly)
{
  for (OdUInt64 h = 0x200; h < 0x200 + 4000; ++h)
    add(h);
  std::mt19937_64 rng(2024);
  std::vector<OdUInt64> handles;
  for (const auto& entry : expected)
    handles.push_back(entry.first);
  // Moves in random order free slots in the middle of probe runs, which must not hide the
  // objects stored after them.
  std::shuffle(handles.begin(), handles.end(), rng);
  for (std::size_t i = 0; i < handles.size(); i += 2)
  {
    const OdUInt64 from = handles[i];
    const OdUInt64 to = 0x10000 + (rng() % 64) * 64 + (rng() % 0x40000) * 0x1000;
    if (expected.count(to))
      continue;
    db->setObjectHandle(db->getOdDbObjectId(OdDbHandle(from)), OdDbHandle(to));
    expected[to] = expected[from];
    expected.erase(from);
    ASSERT_TRUE(db->getOdDbObjectId(OdDbHandle(from)).isNull()) << std::hex << from;
  }
  checkAll();
  const OdDbObjectId first = db->getOdDbObjectId(OdDbHandle(expected.begin()->first));
  const OdDbObjectId last = db->getOdDbObjectId(OdDbHandle(expected.rbegin()->first));
  EXPECT_THROW(db->setObjectHandle(first, last.getHandle()), OdError);
}

TEST_F(HandleIndex, TheNextHandleSkipsHandlesInUse)
{
  for (OdUInt64 h = 0x50; h < 0x60; ++h)
    add(h);
  db->setHandseed(OdDbHandle(0x50));
  EXPECT_EQ(db->handseed().value(), 0x60u);
  const OdDbObjectId id = db->addOdDbObject(OdDbLine::createObject());
  EXPECT_EQ(id.getHandle().value(), 0x60u);
  // Moving an object off a handle frees it for the next object.
  db->setObjectHandle(db->getOdDbObjectId(OdDbHandle(0x55)), OdDbHandle(0x9000));
  db->setHandseed(OdDbHandle(0x50));
  EXPECT_EQ(db->handseed().value(), 0x55u);
}
