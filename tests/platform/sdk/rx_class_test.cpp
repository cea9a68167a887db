// Run-time classes: protocol-extension lookup through parents, checked casts, and the
// initialise/uninitialise assertions of the type macros.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RxObjectImpl.h"

namespace rxtest
{
class TestAnimal : public OdRxObject
{
public:
  ODRX_DECLARE_MEMBERS(TestAnimal);
};
class TestDog : public TestAnimal
{
public:
  ODRX_DECLARE_MEMBERS(TestDog);
};
class TestCat : public TestAnimal
{
public:
  ODRX_DECLARE_MEMBERS(TestCat);
};
class TestSound : public OdRxObject
{
public:
  ODRX_DECLARE_MEMBERS(TestSound);
  std::string text;
};
} // namespace rxtest
using namespace rxtest;
namespace rxtest
{

ODRX_CONS_DEFINE_MEMBERS(TestAnimal, OdRxObject, RXIMPL_CONSTR)
ODRX_CONS_DEFINE_MEMBERS(TestDog, TestAnimal, RXIMPL_CONSTR)
ODRX_CONS_DEFINE_MEMBERS(TestCat, TestAnimal, RXIMPL_CONSTR)
ODRX_NO_CONS_DEFINE_MEMBERS(TestSound, OdRxObject)
}

namespace
{
std::vector<std::string> g_asserts;
void recordAssert(const char* expr, const char*, int) { g_asserts.push_back(expr); }

struct RxClasses : ::testing::Test
{
  void SetUp() override
  {
    TestAnimal::rxInit();
    TestDog::rxInit();
    TestCat::rxInit();
    TestSound::rxInit();
  }
  void TearDown() override
  {
    TestSound::rxUninit();
    TestCat::rxUninit();
    TestDog::rxUninit();
    TestAnimal::rxUninit();
  }
};
} // namespace

TEST_F(RxClasses, MoreSpecificExtensionWinsAndParentExtensionIsInherited)
{
  OdStaticRxObject<TestSound> generic, bark;
  TestAnimal::desc()->addX(TestSound::desc(), &generic);
  OdSmartPtr<TestDog> dog = TestDog::createObject();
  OdSmartPtr<TestCat> cat = TestCat::createObject();

  EXPECT_EQ(TestSound::cast(cat.get()).get(), &generic);
  EXPECT_EQ(TestSound::cast(dog.get()).get(), &generic);

  OdRxObjectPtr replaced = TestDog::desc()->addX(TestSound::desc(), &bark);
  EXPECT_TRUE(replaced.isNull());
  EXPECT_EQ(TestSound::cast(dog.get()).get(), &bark);
  EXPECT_EQ(TestSound::cast(cat.get()).get(), &generic);

  OdStaticRxObject<TestSound> bark2;
  replaced = TestDog::desc()->addX(TestSound::desc(), &bark2);
  EXPECT_EQ(replaced.get(), &bark);

  EXPECT_EQ(TestDog::desc()->delX(TestSound::desc()).get(), &bark2);
  EXPECT_EQ(TestSound::cast(dog.get()).get(), &generic);
  TestAnimal::desc()->delX(TestSound::desc());
  EXPECT_TRUE(TestSound::cast(dog.get()).isNull());
}

TEST_F(RxClasses, CheckedCastRaisesNotThatKindOfClass)
{
  OdRxObjectPtr dog = TestDog::createObject();
  EXPECT_NO_THROW(OdSmartPtr<TestAnimal> a(dog));
  try
  {
    OdSmartPtr<TestCat> cat(dog);
    FAIL() << "cast succeeded";
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(e.code(), eNotThatKindOfClass);
  }
  EXPECT_TRUE(TestCat::cast(dog.get()).isNull());
  // The object answers for its own class and every class above it, whatever the depth.
  EXPECT_EQ(TestAnimal::cast(dog.get()).get(), dog.get());
  EXPECT_EQ(TestDog::cast(dog.get()).get(), dog.get());
  OdRxObject* self = dog->queryX(OdRxObject::desc());
  EXPECT_EQ(self, dog.get());
  self->release();
  EXPECT_TRUE(dog->isKindOf(TestAnimal::desc()));
  EXPECT_FALSE(dog->isKindOf(TestCat::desc()));
  EXPECT_THROW(dog->x(TestCat::desc()), OdError);
}

TEST_F(RxClasses, ReferenceCountingDeletesOnLastRelease)
{
  OdSmartPtr<TestDog> dog = TestDog::createObject();
  EXPECT_EQ(dog->numRefs(), 1);
  {
    OdSmartPtr<TestAnimal> other(dog);
    EXPECT_EQ(dog->numRefs(), 2);
  }
  EXPECT_EQ(dog->numRefs(), 1);
}

TEST_F(RxClasses, DoubleInitAndEarlyUninitAssertAndThrow)
{
  g_asserts.clear();
  OdAssertFuncPtr previous = odSetAssertFunc(&recordAssert);
  try
  {
    TestDog::rxInit();
    ADD_FAILURE() << "second rxInit did not throw";
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(e.code(), 313);
  }
  TestCat::rxUninit();
  try
  {
    TestCat::rxUninit();
    ADD_FAILURE() << "second rxUninit did not throw";
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(e.code(), 255);
  }
  TestCat::rxInit();
  odSetAssertFunc(previous);
  ASSERT_EQ(g_asserts.size(), 2u);
  EXPECT_EQ(g_asserts[0], "(\"Class [\"\"TestDog\"\"] is already initialized.\",0)");
  EXPECT_EQ(g_asserts[1], "(\"Class [\"\"TestCat\"\"] is not initialized yet.\",0)");
}

TEST_F(RxClasses, ClassTreeAndDictionary)
{
  EXPECT_TRUE(TestDog::desc()->isDerivedFrom(TestAnimal::desc()));
  EXPECT_TRUE(TestDog::desc()->isDerivedFrom(OdRxObject::desc()));
  EXPECT_FALSE(TestAnimal::desc()->isDerivedFrom(TestDog::desc()));
  EXPECT_EQ(odrxGetClassDesc(L"TestDog"), TestDog::desc());
  EXPECT_EQ(TestDog::desc()->name(), OdString(L"TestDog"));
  EXPECT_THROW(newOdRxClass(L"TestDog", OdRxObject::desc()), OdError);
  EXPECT_THROW(TestSound::desc()->create(), OdError);
}
