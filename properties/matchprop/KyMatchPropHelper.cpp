// Match-properties copy routines and the shared setter steps.
#include "KyMatchPropHelper.h"

#include "Db2dPolyline.h"
#include "DbDimStyleTableRecord.h"
#include "DbDimension.h"
#include "DbMText.h"
#include "DbPolyline.h"
#include "DbText.h"

namespace
{
// What a text source hands on: a single-line text always carries attachment 5 (middle centre)
// and no background fill.
struct TextLook
{
  OdDbObjectId style;
  double rotation = 0.0;
  double height = 0.0;
  bool fromSingleLine = false;
  double oblique = 0.0;
  double widthFactor = 1.0;
  OdDbMText::AttachmentPoint attachment = OdDbMText::kMiddleCenter;
  bool fill = false;
  OdCmColor fillColor;
  bool useBackgroundColor = false;
};

TextLook readTextLook(const OdDbEntity* source)
{
  TextLook look;
  if (OdDbTextPtr text = OdDbText::cast(source))
  {
    look.style = text->textStyle();
    look.rotation = text->rotation();
    look.oblique = text->oblique();
    look.height = text->height();
    look.widthFactor = text->widthFactor();
    look.fromSingleLine = true;
    return look;
  }
  if (OdDbMTextPtr mtext = OdDbMText::cast(source))
  {
    look.style = mtext->textStyle();
    look.rotation = mtext->rotation();
    look.height = mtext->textHeight();
    look.attachment = mtext->attachment();
    look.fill = mtext->backgroundFillOn();
    if (look.fill)
    {
      look.fillColor = mtext->getBackgroundFillColor();
      look.useBackgroundColor = mtext->useBackgroundColorOn();
    }
    return look;
  }
  throw OdError_NotThatKindOfClass(source->isA(), OdDbText::desc());
}
} // namespace

// Lightweight and 2D polylines in any combination. A lightweight source whose constant width is 0
// hands on the widths of its first vertex (0 when it has none); a 2D source hands on those of its
// first vertex. A lightweight target's one constant width takes the start width.
void CKyMatchPropHelper::matchPolylineProps(const OdDbEntityPtr& source, const OdDbEntityPtr& target)
{
  bool plinegen = false;
  double startWidth = 0.0, endWidth = 0.0;
  if (OdDb2dPolylinePtr from2d = OdDb2dPolyline::cast(source))
  {
    plinegen = from2d->isLinetypeGenerationOn();
    OdDbObjectIteratorPtr it = from2d->vertexIterator();
    if (!it->done())
    {
      const OdDb2dVertexPtr first = it->entity(OdDb::kForRead);
      startWidth = first->startWidth();
      endWidth = first->endWidth();
    }
  }
  else
  {
    OdDbPolylinePtr from = source; // anything else raises OdError_NotThatKindOfClass
    plinegen = from->hasPlinegen();
    startWidth = endWidth = from->getConstantWidth();
    if (startWidth == 0.0 && from->numVerts() > 0)
      from->getWidthsAt(0, startWidth, endWidth);
  }
  if (OdDb2dPolylinePtr to2d = OdDb2dPolyline::cast(target))
  {
    plinegen ? to2d->setLinetypeGenerationOn() : to2d->setLinetypeGenerationOff();
    to2d->setDefaultStartWidth(startWidth);
    to2d->setDefaultEndWidth(endWidth);
    for (OdDbObjectIteratorPtr it = to2d->vertexIterator(); !it->done(); it->step())
    {
      const OdDb2dVertexPtr vertex = it->entity(OdDb::kForWrite);
      vertex->setStartWidth(startWidth);
      vertex->setEndWidth(endWidth);
    }
    return;
  }
  OdDbPolylinePtr to = target;
  to->setPlinegen(plinegen);
  to->setConstantWidth(startWidth);
}

void CKyMatchPropHelper::matchTextProps(const OdDbEntityPtr& source, const OdDbEntityPtr& target)
{
  const TextLook look = readTextLook(source);
  if (OdDbTextPtr text = OdDbText::cast(target))
  {
    text->setTextStyle(look.style);
    text->setRotation(look.rotation);
    if (look.fromSingleLine)
    {
      text->setOblique(look.oblique);
      text->setWidthFactor(look.widthFactor);
    }
    text->setHeight(look.height);
    return;
  }
  if (OdDbMTextPtr mtext = OdDbMText::cast(target))
  {
    mtext->setTextStyle(look.style);
    mtext->setRotation(look.rotation);
    mtext->setTextHeight(look.height);
    if (look.fill)
    {
      mtext->setBackgroundFillColor(look.fillColor);
      mtext->setBackgroundFill(true);
      mtext->setUseBackgroundColor(look.useBackgroundColor);
    }
    else
      mtext->setBackgroundFill(false);
    if (mtext->attachment() != look.attachment)
      mtext->setAttachment(look.attachment);
    return;
  }
  throw OdError_NotThatKindOfClass(target->isA(), OdDbText::desc());
}

int KyApplyMatchProp(const OdDbObject* target, const CKyVariant& value, KyMatchSourceTest acceptsSource,
                     KyMatchRoutine routine)
{
  if (value.GetType() != CKyVariant::kObjectId)
    return kKyRefused;
  OdDbObjectPtr source = value.GetId().openObject(OdDb::kForRead);
  if (source.isNull() || !acceptsSource(source))
    return kKyRefused;
  // Both casts raise OdError_NotThatKindOfClass for an object that is not an entity.
  const OdDbEntityPtr sourceEntity = source;
  const OdDbEntityPtr targetEntity = target;
  routine(sourceEntity, targetEntity);
  return kKyAccepted;
}

void CKyMatchPropHelper::matchDimensionProps(const OdDbEntityPtr& source, const OdDbEntityPtr& target)
{
  OdDbDimStyleTableRecordPtr temporary = OdDbDimStyleTableRecord::createObject();
  if (temporary.isNull())
    throw OdError(static_cast<OdResult>(255));
  OdDbDimensionPtr from = source; // anything else raises OdError_NotThatKindOfClass
  OdDbDimensionPtr to = target;
  const OdDbObjectId style = from->dimensionStyle();
  from->getDimstyleData(temporary);
  to->setDimensionStyle(style);
  to->setDimstyleData(temporary);
}
