// Sample drawing and palette objects for the quality suites.
#include "KySampleFixture.h"

#include "DbAttribute.h"
#include "DbLine.h"
#include "DbMText.h"
#include "DbSymbolTable.h"
#include "KyPropertyBase.h"
#include "SampleDrawing.h"

namespace
{
OdDbObjectId recordOf(const OdDbObjectId& tableId, const wchar_t* name)
{
  OdDbSymbolTablePtr table = tableId.safeOpenObject();
  const OdDbObjectId id = table->getAt(OdString(name));
  if (id.isNull())
    throw OdError(eKeyNotFound, OdString(L"the sample drawing has no record ") + name);
  return id;
}
} // namespace

KySampleDrawing::KySampleDrawing()
{
  KyBuildSampleDrawing(db());
  // Multiline text in columns: its width row writes the gutter and the column width.
  OdDbMTextPtr columns = OdDbMText::createObject();
  columns->setLocation(OdGePoint3d(0.0, 90.0, 0.0));
  columns->setTextHeight(2.5);
  columns->setContents(L"Left column\\PRight column");
  columns->setColumnType(OdDbMText::kStaticColumns);
  columns->setColumnCount(2);
  columns->setColumnWidth(30.0);
  columns->setColumnGutterWidth(5.0);
  m_drawing.add(columns);
  // An attribute on its own: drawings keep attributes on block references, which the sample does
  // not have yet; its rows are the General ones.
  OdDbAttributePtr attribute = OdDbAttribute::createObject();
  attribute->setTag(L"NUMBER");
  attribute->setTextString(L"12");
  attribute->setPosition(OdGePoint3d(0.0, 95.0, 0.0));
  m_drawing.add(attribute);
  OdDbLinePtr line = OdDbLine::createObject();
  line->setEndPoint(OdGePoint3d(1.0, 1.0, 0.0));
  m_erased = m_drawing.add(line);
  line->erase();
}

std::vector<OdDbObjectId> KySampleDrawing::paletteObjects() const
{
  std::vector<OdDbObjectId> ids;
  const OdUInt64 end = static_cast<OdUInt64>(db()->handseed());
  for (OdUInt64 h = 1; h < end; ++h)
  {
    const OdDbObjectId id = db()->getOdDbObjectId(OdDbHandle(h));
    OdDbObjectPtr object = id.openObject();
    if (!object.isNull() && CKyPropertyPEClassFactory::FindExtension(object.get()))
      ids.push_back(id);
  }
  return ids;
}

OdDbObjectId KySampleDrawing::layerId(const wchar_t* name) const
{
  return recordOf(db()->getLayerTableId(), name);
}

OdDbObjectId KySampleDrawing::linetypeId(const wchar_t* name) const
{
  return recordOf(db()->getLinetypeTableId(), name);
}

OdDbObjectId KySampleDrawing::textStyleId(const wchar_t* name) const
{
  return recordOf(db()->getTextStyleTableId(), name);
}

OdDbObjectId KySampleDrawing::modelSpaceId() const
{
  return db()->getModelSpaceId();
}

std::string KyClassName(const OdDbObject* object)
{
  return object->isA()->name().toUtf8();
}
