// Property extensions: the protocol class plumbing, the framework base's defaults and by-name /
// by-GUID access, and the factory's gathering of an object's rows through its class.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DbDictionary.h"
#include "DbLine.h"
#include "KyPropertyPEImpl.h"
#include "StaticRxObject.h"

namespace
{
std::vector<std::string> g_assertions;
void recordAssertion(const char* expression, const char*, int)
{
  g_assertions.push_back(expression);
}

CKyVariant getName(const OdDbObject*, const CKyPropertyDescription& row, const CKyVariant& context)
{
  return CKyVariant(row.GetName() + "@" + context.GetString());
}

int setLength(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant& value, const CKyVariant&)
{
  return value.GetDouble() > 0 ? kPropertySetOk : kPropertySetFailed;
}

CKyPropertyDescriptionImpl* makeRow(const char* name, const CKyString& guid)
{
  CKyPropertyDescriptionImpl* row = new CKyPropertyDescriptionImpl;
  row->SetName(name);
  row->SetCategory("Geometry");
  row->SetType(CKyPropertyTypeImpl(CKyVariant::kDouble, guid));
  row->PutGetMethod(getName);
  row->PutSetMethod(setLength);
  return row;
}

// An extension with two listed rows and, optionally, one per-object row; it records the
// arguments it was asked with.
class TestRowsPE : public CKyPropertyPEImpl
{
public:
  explicit TestRowsPE(bool dynamic = false) : m_dynamic(dynamic)
  {
    m_listed.append(makeRow("Length", CKyPropertyType::kWidthGUID));
    m_listed.append(makeRow("Start X", CKyPropertyType::kCoordinateXGUID));
  }
  ~TestRowsPE() override
  {
    for (const CKyPropertyDescription* row : m_listed)
      delete row;
  }

  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override
  {
    container = nullptr;
    CKyPropertyPEImpl::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
    askedClass = objectClass;
    if (failing)
      throw OdError(eInvalidInput);
    if (container)
      container->Add(m_listed);
  }
  bool HasDynamicProperties() override { return m_dynamic; }
  void GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl* container) override
  {
    container->AddDynamic(makeRow("Scale 1:1", CKyString()));
  }

  const OdRxClass* askedClass = nullptr;
  bool failing = false;

private:
  bool m_dynamic;
  OdArray<const CKyPropertyDescription*> m_listed;
};

class ReplacedPE : public TestRowsPE
{
public:
  CKyPropertyBase* GetPropertyPEOverride(const OdDbObject*) override { return replacement; }
  CKyPropertyBase* replacement = nullptr;
};

std::vector<std::string> names(const CKyPropertiesContainerImpl& container)
{
  std::vector<std::string> out;
  for (int i = 0; i < container.GetCount(); ++i)
    out.push_back(container.GetAt(i)->GetName().toQString().toStdString());
  return out;
}

// The protocol class, the factory and the extensions for one test; the extensions outlive their
// attachment, which TearDown removes.
class FrameworkPropertyExtension : public ::testing::Test
{
protected:
  void SetUp() override
  {
    CKyPropertyBase::rxInit();
    CKyPropertyPEClassFactory::create();
  }
  void TearDown() override
  {
    OdDbEntity::desc()->delX(CKyPropertyBase::desc());
    OdDbLine::desc()->delX(CKyPropertyBase::desc());
    CKyPropertyPEClassFactory::destroy();
    CKyPropertyBase::rxUninit();
  }

  OdStaticRxObject<TestRowsPE> m_rows{true};
  OdStaticRxObject<TestRowsPE> m_lineRows{false};
  OdStaticRxObject<ReplacedPE> m_replaced;
};
}

TEST(FrameworkPropertyBase, InitialisingTwiceOrUninitialisingFirstAssertsAndThrows)
{
  g_assertions.clear();
  OdAssertFuncPtr previous = odSetAssertFunc(recordAssertion);
  try
  {
    CKyPropertyBase::rxUninit();
    ADD_FAILURE() << "rxUninit before rxInit";
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(e.code(), eNotInitializedYet);
  }
  CKyPropertyBase::rxInit();
  EXPECT_EQ(CKyPropertyBase::desc()->name(), OdString(L"CKyPropertyBase"));
  try
  {
    CKyPropertyBase::rxInit();
    ADD_FAILURE() << "rxInit twice";
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(e.code(), eExtendedError);
  }
  CKyPropertyBase::rxUninit();
  EXPECT_EQ(CKyPropertyBase::desc(), nullptr);
  odSetAssertFunc(previous);
  ASSERT_EQ(g_assertions.size(), 2u);
  EXPECT_NE(g_assertions[0].find("is not initialized yet"), std::string::npos);
  EXPECT_NE(g_assertions[1].find("is already initialized"), std::string::npos);
}

TEST(FrameworkPropertyBase, FactoryExistsOnlyBetweenCreateAndDestroy)
{
  OdAssertFuncPtr previous = odSetAssertFunc(recordAssertion);
  EXPECT_EQ(CKyPropertyPEClassFactory::instance(), nullptr);
  EXPECT_THROW(CKyPropertyPEClassFactory::destroy(), OdError);
  CKyPropertyPEClassFactory::create();
  EXPECT_NE(CKyPropertyPEClassFactory::instance(), nullptr);
  EXPECT_THROW(CKyPropertyPEClassFactory::create(), OdError);
  CKyPropertyPEClassFactory::destroy();
  EXPECT_EQ(CKyPropertyPEClassFactory::instance(), nullptr);
  odSetAssertFunc(previous);
}

TEST(FrameworkPEImpl, HandsOutTheActiveContainerAndAddsNothing)
{
  OdStaticRxObject<CKyPropertyPEImpl> base;
  CKyPropertiesContainerImpl unrelated;
  CKyPropertiesContainer* container = &unrelated;
  base.GetPropertyNames(nullptr, container, nullptr, nullptr, false);
  EXPECT_EQ(container, nullptr);

  CKyPropertiesContainerImpl active;
  CKyPropertiesContainerImpl::SetActive(&active);
  base.GetPropertyNames(nullptr, container, nullptr, nullptr, false);
  CKyPropertiesContainerImpl::SetActive(nullptr);
  EXPECT_EQ(container, &active);
  EXPECT_EQ(active.GetCount(), 0);
  EXPECT_FALSE(base.HasDynamicProperties());
  EXPECT_EQ(base.GetPropertyPEOverride(nullptr), nullptr);
}

TEST(FrameworkPEImpl, ReadsAndWritesRowsByNameAndByGuid)
{
  OdStaticRxObject<TestRowsPE> pe(true);
  CKyPropertiesContainerImpl palette;
  CKyPropertiesContainerImpl::SetActive(&palette);

  CKyVariant value;
  EXPECT_TRUE(pe.GetPropertyByName(nullptr, "Start X", value, CKyVariant("ctx")));
  EXPECT_EQ(value.GetString(), "Start X@ctx");
  EXPECT_TRUE(pe.GetPropertyByGUID(nullptr, CKyPropertyType::kWidthGUID, value, CKyVariant()));
  EXPECT_EQ(value.GetString(), "Length@");
  EXPECT_TRUE(pe.GetPropertyByName(nullptr, "Scale 1:1", value, CKyVariant()));
  EXPECT_EQ(value.GetString(), "Scale 1:1@");

  value = CKyVariant(7);
  EXPECT_FALSE(pe.GetPropertyByName(nullptr, "Radius", value, CKyVariant()));
  EXPECT_FALSE(pe.GetPropertyByGUID(nullptr, CKyPropertyType::kAngleGUID, value, CKyVariant()));
  EXPECT_FALSE(pe.GetPropertyByGUID(nullptr, CKyString(), value, CKyVariant()));
  EXPECT_EQ(value, CKyVariant(7));

  EXPECT_EQ(pe.SetPropertyByName(nullptr, "Length", CKyVariant(2.0, true), CKyVariant()), kPropertySetOk);
  EXPECT_EQ(pe.SetPropertyByName(nullptr, "Length", CKyVariant(-2.0, true), CKyVariant()), kPropertySetFailed);
  EXPECT_EQ(pe.SetPropertyByGUID(nullptr, CKyPropertyType::kCoordinateXGUID, CKyVariant(1.0, true), CKyVariant()),
            kPropertySetOk);
  EXPECT_EQ(pe.SetPropertyByName(nullptr, "Radius", CKyVariant(1.0, true), CKyVariant()), kPropertySetFailed);

  // The lookups gathered into containers of their own: the palette's is still active and empty.
  EXPECT_EQ(CKyPropertiesContainerImpl::Active(), &palette);
  EXPECT_EQ(palette.GetCount(), 0);
  CKyPropertiesContainerImpl::SetActive(nullptr);
}

TEST_F(FrameworkPropertyExtension, GathersListedThenPerObjectRowsThroughTheObjectsClass)
{
  OdDbEntity::desc()->addX(CKyPropertyBase::desc(), &m_rows);
  OdSmartPtr<OdDbLine> line = OdDbLine::createObject();

  EXPECT_EQ(CKyPropertyPEClassFactory::FindExtension(line.get()), &m_rows);
  CKyPropertiesContainerImpl previous;
  CKyPropertiesContainerImpl::SetActive(&previous);
  CKyPropertiesContainerImpl rows;
  ASSERT_TRUE(CKyPropertyPEClassFactory::instance()->GatherProperties(line.get(), rows));
  EXPECT_EQ(names(rows), (std::vector<std::string>{"Length", "Start X", "Scale 1:1"}));
  EXPECT_TRUE(rows.IsOwned(2));
  EXPECT_EQ(m_rows.askedClass, OdDbLine::desc());
  EXPECT_EQ(CKyPropertiesContainerImpl::Active(), &previous);
  EXPECT_EQ(previous.GetCount(), 0);
  CKyPropertiesContainerImpl::SetActive(nullptr);
}

TEST_F(FrameworkPropertyExtension, ObjectWithoutExtensionGathersNothing)
{
  OdDbLine::desc()->addX(CKyPropertyBase::desc(), &m_lineRows);
  OdSmartPtr<OdDbDictionary> dictionary = OdDbDictionary::createObject();
  CKyPropertiesContainerImpl rows;
  EXPECT_FALSE(CKyPropertyPEClassFactory::instance()->GatherProperties(dictionary.get(), rows));
  EXPECT_FALSE(CKyPropertyPEClassFactory::instance()->GatherProperties(nullptr, rows));
  EXPECT_EQ(CKyPropertyPEClassFactory::FindExtension(dictionary.get()), nullptr);
  EXPECT_EQ(rows.GetCount(), 0);
}

TEST_F(FrameworkPropertyExtension, GatheringAsksTheOverrideAndRestoresActiveContainerOnFailure)
{
  m_replaced.replacement = &m_rows;
  OdDbEntity::desc()->addX(CKyPropertyBase::desc(), &m_replaced);
  OdSmartPtr<OdDbLine> line = OdDbLine::createObject();

  CKyPropertiesContainerImpl rows;
  ASSERT_TRUE(CKyPropertyPEClassFactory::instance()->GatherProperties(line.get(), rows));
  EXPECT_EQ(rows.GetCount(), 3);
  EXPECT_EQ(m_replaced.askedClass, nullptr);
  EXPECT_EQ(m_rows.askedClass, OdDbLine::desc());

  m_rows.failing = true;
  CKyPropertiesContainerImpl failed;
  EXPECT_THROW(CKyPropertyPEClassFactory::instance()->GatherProperties(line.get(), failed), OdError);
  EXPECT_EQ(CKyPropertiesContainerImpl::Active(), nullptr);
}
