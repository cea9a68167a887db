// Kind writers of the objects the OBJECTS section holds: dictionaries (the named-objects
// dictionary, its sub-dictionaries, extension dictionaries and the drawing's scale list, which
// dxfKindWriter() gives the dictionaries' writer) with their entries, and annotation scales.
#include "DbAnnotationScale.h"
#include "DbDictionary.h"
#include "DxfWriter.h"

namespace kydxf
{
namespace
{
// Entries of erased objects are not listed; 281 1 keeps existing entries when one is merged.
void dictionaryFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbDictionary* pDict = static_cast<const OdDbDictionary*>(pObj);
  out.subclass("AcDbDictionary", {280, 281, 3, 350, 360});
  if (out.version() > kDxfR12)
    out.integer(281, 1);
  for (OdDbDictionaryIteratorPtr it = pDict->newIterator(); !it->done(); it->next())
  {
    const OdDbObjectId id = it->objectId();
    if (id.isNull() || id.isErased())
      continue;
    out.text(3, it->name());
    out.handle(350, id);
  }
  dxfXDataFields(pDict, "DICTIONARY", out);
}

void scaleFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbAnnotationScale* pScale = static_cast<const OdDbAnnotationScale*>(pObj);
  OdString name;
  double paperUnits = 1.0, drawingUnits = 1.0;
  pScale->getName(name);
  pScale->getPaperUnits(paperUnits);
  pScale->getDrawingUnits(drawingUnits);
  out.subclass("AcDbScale", {70, 300, 140, 141, 290});
  out.integer(70, 0);
  out.text(300, name);
  out.real(140, paperUnits);
  out.real(141, drawingUnits);
  out.integer(290, paperUnits == drawingUnits ? 1 : 0);
  dxfXDataFields(pScale, "SCALE", out);
}

const DxfKindWriter kDictionaryWriter{"DICTIONARY", &OdDbDictionary::desc, &dictionaryFields};
const DxfKindWriter kScaleWriter{"SCALE", &OdDbAnnotationScale::desc, &scaleFields};

const DxfKindWriters kObjectWriters{&kDictionaryWriter, &kScaleWriter};
} // namespace
} // namespace kydxf
