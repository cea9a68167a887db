// The generic object-information listing: header, space and the common entity lines, the
// lookup of an object's listing extension, and the read-only access it requires.
#include <gtest/gtest.h>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbLayerTableRecord.h"
#include "DbLine.h"
#include "KyPrintObjectInfoPE.h"
#include "KyTestDrawing.h"
#include "StaticRxObject.h"

namespace
{
std::vector<std::pair<std::string, std::string>> labelled(const KyRecordingPrintContext& context)
{
  std::vector<std::pair<std::string, std::string>> out;
  for (const KyRecordingPrintContext::Line& line : context.lines)
    out.emplace_back(line.label.toStdString(), line.value.toStdString());
  return out;
}

class FrameworkPrintObjectInfo : public ::testing::Test
{
protected:
  void SetUp() override
  {
    CKyPrintObjectInfoPE::rxInit();
    OdDbEntity::desc()->addX(CKyPrintObjectInfoPE::desc(), &m_generic);
  }
  void TearDown() override
  {
    OdDbEntity::desc()->delX(CKyPrintObjectInfoPE::desc());
    CKyPrintObjectInfoPE::rxUninit();
  }

  KyTestDrawing m_drawing;
  OdStaticRxObject<CKyPrintObjectInfoPE> m_generic;
};
}

TEST_F(FrameworkPrintObjectInfo, ListsHeaderSpaceAndCommonEntityLines)
{
  OdSmartPtr<OdDbLine> line = OdDbLine::createObject();
  const OdDbObjectId id = m_drawing.add(line.get());
  line->setLayer(m_drawing.addLayer(L"Walls"));
  line->setColorIndex(1);
  line->setLinetype(m_drawing.db()->getLinetypeContinuousId());
  line->setLineWeight(OdDb::kLnWt025);
  line->setTransparency(OdCmTransparency(static_cast<OdUInt8>(127)));

  KyRecordingPrintContext context;
  ASSERT_TRUE(CKyPrintObjectInfoPE::PrintInfo(line.get(), &context));
  const std::string handle = "Handle = " + id.getHandle().ascii().toUtf8();
  const std::vector<std::pair<std::string, std::string>> expected = {
    {"LINE", handle},          {"Space", "Model space"}, {"Layer", "Walls"},       {"Color", "red"},
    {"Linetype", "Continuous"}, {"Lineweight", "0.25 mm"}, {"Transparency", "50"},
  };
  EXPECT_EQ(labelled(context), expected);
}

TEST_F(FrameworkPrintObjectInfo, SpecialValuesAndPaperSpace)
{
  OdSmartPtr<OdDbLine> line = OdDbLine::createObject();
  OdDbBlockTableRecordPtr paper = m_drawing.db()->getPaperSpaceId().safeOpenObject(OdDb::kForWrite);
  paper->appendOdDbEntity(line.get());
  line->setColor(OdCmColor(OdCmEntityColor::kByBlock));
  line->setLineWeight(OdDb::kLnWtByLwDefault);
  line->setTransparency(OdCmTransparency(OdCmTransparency::kByLayer));

  KyRecordingPrintContext context;
  ASSERT_TRUE(CKyPrintObjectInfoPE::PrintInfo(line.get(), &context));
  ASSERT_NE(context.find("Space"), nullptr);
  EXPECT_EQ(context.find("Space")->value, "Paper space");
  EXPECT_EQ(context.find("Color")->value, "ByBlock");
  EXPECT_EQ(context.find("Lineweight")->value, "Default");
  EXPECT_EQ(context.find("Transparency")->value, "ByLayer");
}

TEST_F(FrameworkPrintObjectInfo, ObjectOutsideDatabaseHasNoSpaceLine)
{
  OdSmartPtr<OdDbLine> line = OdDbLine::createObject();
  KyRecordingPrintContext context;
  ASSERT_TRUE(CKyPrintObjectInfoPE::PrintInfo(line.get(), &context));
  EXPECT_EQ(context.labels(),
            (std::vector<std::string>{"LINE", "Layer", "Color", "Linetype", "Lineweight", "Transparency"}));
}

TEST_F(FrameworkPrintObjectInfo, ObjectsWithoutListingExtensionPrintNothing)
{
  OdSmartPtr<OdDbLayerTableRecord> layer = OdDbLayerTableRecord::createObject();
  KyRecordingPrintContext context;
  EXPECT_FALSE(CKyPrintObjectInfoPE::PrintInfo(layer.get(), &context));
  EXPECT_FALSE(CKyPrintObjectInfoPE::PrintInfo(nullptr, &context));
  EXPECT_TRUE(context.lines.empty());

  // Called directly, the generic listing prints the header of any object.
  EXPECT_TRUE(m_generic.PrintObjectInfo(layer.get(), &context));
  EXPECT_EQ(context.labels(), (std::vector<std::string>{"LAYER"}));
}

TEST_F(FrameworkPrintObjectInfo, RefusesObjectsNotOpenForRead)
{
  OdSmartPtr<OdDbLine> line = OdDbLine::createObject();
  m_drawing.add(line.get());
  OdDbLine* closed = line.get();
  line.release(); // the database keeps the object, now closed
  ASSERT_FALSE(closed->isReadEnabled());
  KyRecordingPrintContext context;
  try
  {
    m_generic.PrintObjectInfo(closed, &context);
    ADD_FAILURE() << "listing a closed object";
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(e.code(), eNotOpenForRead);
  }
  EXPECT_TRUE(context.lines.empty());
}
