// INSERT: block references and, with more than one column or row, multiple inserts (2 block
// name, 10 position in the object coordinate system of 210, 41-43 scales, 50 rotation, 70/71
// counts, 44/45 spacings). A 66 flag of 1 announces ATTRIBs up to a SEQEND; they become the
// reference's own attributes. Reader and writer of the kind.
#include <cmath>

#include "DbBlockReference.h"
#include "DbBlockTableRecord.h"
#include "DbMInsertBlock.h"
#include "DxfEntityValues.h"
#include "DxfReader.h"
#include "DxfWriter.h"
#include "Ge/GeGbl.h"

namespace kydxf
{
OdDbEntityPtr DxfReader::readInsert(DxfEntityProps& props)
{
  PointValue position, normal;
  RealValue scale[3], rotation, columnSpacing, rowSpacing;
  const DxfTag* name = nullptr;
  std::int64_t columns = 1, rows = 1;
  int columnsLine = 0, rowsLine = 0;
  bool withAttributes = false;
  for (const DxfTag* t : m_parts.body)
  {
    if (commonEntityTag(*t, props) || position.take(*t, 10) || normal.take(*t, 210) || scale[0].take(*t, 41) ||
        scale[1].take(*t, 42) || scale[2].take(*t, 43) || rotation.take(*t, 50) || columnSpacing.take(*t, 44) ||
        rowSpacing.take(*t, 45))
      continue;
    if (t->code == 2)
      name = t;
    else if (t->code == 66)
      withAttributes = t->integer == 1;
    else if (t->code == 70)
    {
      columns = t->integer;
      columnsLine = t->line + 1;
    }
    else if (t->code == 71)
    {
      rows = t->integer;
      rowsLine = t->line + 1;
    }
  }
  OdDbBlockReferencePtr pRef;
  if (columns > 1 || rows > 1)
  {
    OdDbMInsertBlockPtr pGrid = OdDbMInsertBlock::createObject();
    const auto count = [](std::int64_t n) { return n >= 1 && n <= 0xFFFF ? static_cast<OdUInt16>(n) : OdUInt16(0); };
    apply(columnsLine ? columnsLine : m_object.line, "INSERT column count", [&] { pGrid->setColumns(count(columns)); });
    apply(rowsLine ? rowsLine : m_object.line, "INSERT row count", [&] { pGrid->setRows(count(rows)); });
    if (columnSpacing.set)
      apply(columnSpacing.line, "INSERT column spacing", [&] { pGrid->setColumnSpacing(columnSpacing.v); });
    if (rowSpacing.set)
      apply(rowSpacing.line, "INSERT row spacing", [&] { pGrid->setRowSpacing(rowSpacing.v); });
    pRef = pGrid;
  }
  else
    pRef = OdDbBlockReference::createObject();
  // An empty name names no block either: it is what a reference without a block is written as.
  if (name && !name->text.empty())
  {
    const OdDbObjectId blockId = blockByName(text(*name), name->line + 1);
    apply(name->line + 1, "INSERT block", [&] { pRef->setBlockTableRecord(blockId); });
  }
  else if (name)
    repair(name->line + 1, "INSERT with an empty block name (group code 2)", "kept it without a block");
  else
    repair(m_object.line, "INSERT without a block name (group code 2)", "kept it without a block");
  if (normal.set)
    apply(normal.line, "INSERT normal", [&] { pRef->setNormal(normal.vector()); });
  apply(position.line ? position.line : m_object.line, "INSERT position",
        [&] { pRef->setPosition(toWorld(position.p, normal)); });
  // A zero factor (flat writers often put 0 in 43) cannot place the block: that factor becomes 1
  // and the others are kept.
  double f[3];
  static const char* const kAxis[3] = {"X", "Y", "Z"};
  for (int i = 0; i < 3; ++i)
  {
    f[i] = scale[i].set ? scale[i].v : 1.0;
    if (std::fabs(f[i]) <= 1e-10)
    {
      repair(scale[i].line, std::string("INSERT ") + kAxis[i] + " scale of 0 (group code " + std::to_string(41 + i) + ")",
             "took 1");
      f[i] = 1.0;
    }
  }
  const OdGeScale3d factors(f[0], f[1], f[2]);
  apply(scale[0].line ? scale[0].line : m_object.line, "INSERT scale", [&] { pRef->setScaleFactors(factors); });
  if (rotation.set)
    apply(rotation.line, "INSERT rotation", [&] { pRef->setRotation(rotation.v * OdaPI / 180.0); });
  m_insertWithAttributes = withAttributes;
  return pRef;
}

// One ATTRIB of the INSERT read last, appended to it as its own attribute.
void DxfReader::readInsertAttribute(const DxfTag& start)
{
  splitParts(m_object, m_parts);
  DxfEntityProps props;
  OdDbAttributePtr pAtt = readAttribute(props);
  applyEntityProps(pAtt, props, "ATTRIB");
  props.handle = ownHandle(props.handle, props.handleLine, "ATTRIB");
  prepareHandle(props.handle, props.handleLine);
  OdDbBlockReferencePtr pRef = m_attributeOwner.safeOpenObject(OdDb::kForWrite);
  const OdDbObjectId id = pRef->appendAttribute(pAtt);
  placeAtHandle(id, props.handle, props.handleLine);
  noteHandle(id);
  noteSource(start.line, id);
  if (props.handle == 0)
    markMovable(id, false);
  if (m_parts.xdataBegin < m_object.tags.size())
    applyXData(pAtt, buildXData(m_object.tags, m_parts.xdataBegin), m_object.tags[m_parts.xdataBegin].line);
}

namespace
{
void insertFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbBlockReference* pRef = static_cast<const OdDbBlockReference*>(pObj);
  const OdDbMInsertBlock* pGrid = OdDbMInsertBlock::cast(pObj).get();
  entityFields(pRef, "INSERT", out);
  out.subclass(pGrid ? "AcDbMInsertBlock" : "AcDbBlockReference",
               {66, 2, 10, 20, 30, 41, 42, 43, 50, 70, 71, 44, 45, 210, 220, 230});
  if (!pRef->attributeIterator()->done())
    out.integer(66, 1);
  out.recordName(2, pRef->blockTableRecord());
  const OdGeVector3d normal = pRef->normal();
  out.point(10, toObject(pRef->position(), normal));
  const OdGeScale3d scale = pRef->scaleFactors();
  out.real(41, scale.sx);
  out.real(42, scale.sy);
  out.real(43, scale.sz);
  out.angle(50, pRef->rotation());
  if (pGrid)
  {
    out.integer(70, pGrid->columns());
    out.integer(71, pGrid->rows());
    out.real(44, pGrid->columnSpacing());
    out.real(45, pGrid->rowSpacing());
  }
  normalField(out, normal);
  dxfXDataFields(pRef, "INSERT", out);
}

const DxfKindWriter kInsertWriter{"INSERT", &OdDbBlockReference::desc, &insertFields};
const DxfKindWriter kMInsertWriter{"INSERT", &OdDbMInsertBlock::desc, &insertFields};
const DxfKindWriters kBlockRefWriters{&kInsertWriter, &kMInsertWriter};
} // namespace
} // namespace kydxf
