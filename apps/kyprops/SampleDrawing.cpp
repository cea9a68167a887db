// The built-in sample drawing.
#include "SampleDrawing.h"

#include <cmath>
#include <vector>

#include "Db2dPolyline.h"
#include "Db3dPolyline.h"
#include "DbArc.h"
#include "DbAttribute.h"
#include "DbAttributeDefinition.h"
#include "DbBlockReference.h"
#include "DbBlockTableRecord.h"
#include "DbCircle.h"
#include "DbEllipse.h"
#include "DbHelix.h"
#include "DbMline.h"
#include "DbShape.h"
#include "DbHatch.h"
#include "Ge/GeCircArc2d.h"
#include "Ge/GeEllipArc2d.h"
#include "Ge/GeLineSeg2d.h"
#include "DbAlignedDimension.h"
#include "DbDimStyleTable.h"
#include "DbRotatedDimension.h"
#include "DmUtil.h"
#include "DbFace.h"
#include "DbDatabase.h"
#include "DbDynBlockReference.h"
#include "DbBlockParameter.h"
#include "DbLayerTableRecord.h"
#include "DbLine.h"
#include "DbLinetypeTableRecord.h"
#include "DbMInsertBlock.h"
#include "DbMText.h"
#include "DbObjectContextManager.h"
#include "DbPoint.h"
#include "DbPolyline.h"
#include "DbRay.h"
#include "DbSolid.h"
#include "DbSpline.h"
#include "DbSymbolTable.h"
#include "DbText.h"
#include "DbTextStyleTableRecord.h"
#include "DbTrace.h"
#include "DbXline.h"
#include "Ge/GeGbl.h"
#include "ResBuf.h"
#include "Ge/GePoint2d.h"
#include "KyCloudBase.h"
#include "KyUtils.h"

namespace
{
template <class Array>
Array arrayOf(std::initializer_list<typename Array::value_type> values)
{
  Array a;
  for (const auto& v : values)
    a.append(v);
  return a;
}

OdCmColor indexColor(OdUInt16 index)
{
  OdCmColor color;
  color.setColorIndex(index);
  return color;
}

OdDbObjectId addLayer(OdDbDatabase* db, const wchar_t* name, OdUInt16 color, OdDb::LineWeight weight)
{
  OdDbSymbolTablePtr table = db->getLayerTableId().safeOpenObject(OdDb::kForWrite);
  OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
  layer->setName(name);
  layer->setColor(indexColor(color));
  layer->setLineWeight(weight);
  return table->add(layer);
}

OdDbObjectId addLinetype(OdDbDatabase* db, const wchar_t* name, const wchar_t* comments,
                         const std::vector<double>& dashes)
{
  OdDbSymbolTablePtr table = db->getLinetypeTableId().safeOpenObject(OdDb::kForWrite);
  OdDbLinetypeTableRecordPtr linetype = OdDbLinetypeTableRecord::createObject();
  linetype->setName(name);
  linetype->setComments(comments);
  linetype->setNumDashes(static_cast<int>(dashes.size()));
  for (size_t i = 0; i < dashes.size(); ++i)
    linetype->setDashLengthAt(static_cast<int>(i), dashes[i]);
  return table->add(linetype);
}

OdDbObjectId addTextStyle(OdDbDatabase* db)
{
  OdDbSymbolTablePtr table = db->getTextStyleTableId().safeOpenObject(OdDb::kForWrite);
  OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::createObject();
  style->setName(L"Notes");
  style->setFileName(L"simplex.shx");
  style->setXScale(0.9);
  const OdDbObjectId id = table->add(style);
  OdDbAnnotativeObject::setAnnotative(style.get(), true);
  return id;
}

// The unnamed style of the shape file that line types draw their shapes from.
OdDbObjectId addShapeFile(OdDbDatabase* db)
{
  OdDbSymbolTablePtr table = db->getTextStyleTableId().safeOpenObject(OdDb::kForWrite);
  OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::createObject();
  style->setIsShapeFile(true);
  style->setFileName(L"ltypeshp.shx");
  return table->add(style);
}

// A block record named after the external reference the dependent layer comes from.
OdDbObjectId addExternalReference(OdDbDatabase* db)
{
  OdDbSymbolTablePtr table = db->getBlockTableId().safeOpenObject(OdDb::kForWrite);
  OdDbBlockTableRecordPtr xref = OdDbBlockTableRecord::createObject();
  xref->setName(L"Site");
  xref->setPathName(L"site.dxf");
  return table->add(xref);
}


// A block of a square outline (side `side`, origin at its lower left corner) in the given units.
OdDbObjectId addSquareBlock(OdDbDatabase* db, const wchar_t* name, double side, OdDb::UnitsValue units,
                            OdDbBlockTableRecord::BlockScaling scaling)
{
  OdDbSymbolTablePtr table = db->getBlockTableId().safeOpenObject(OdDb::kForWrite);
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
  block->setName(name);
  block->setBlockInsertUnits(units);
  block->setBlockScaling(scaling);
  const OdDbObjectId id = table->add(block);
  OdDbPolylinePtr outline = OdDbPolyline::createObject();
  const OdGePoint2d corners[] = {{0.0, 0.0}, {side, 0.0}, {side, side}, {0.0, side}};
  for (unsigned i = 0; i < 4; ++i)
    outline->addVertexAt(i, corners[i]);
  outline->setClosed(true);
  outline->setDatabaseDefaults(db);
  block->appendOdDbEntity(outline);
  return id;
}

OdDbAttributePtr blockAttribute(const wchar_t* tag, const wchar_t* value, const OdGePoint3d& at,
                                const OdDbObjectId& style, const OdDbObjectId& layer)
{
  OdDbAttributePtr attribute = OdDbAttribute::createObject();
  attribute->setTag(tag);
  attribute->setTextString(value);
  attribute->setPosition(at);
  attribute->setTextStyle(style);
  attribute->setHeight(1.0);
  attribute->setLayer(layer);
  return attribute;
}

class SampleBuilder
{
public:
  explicit SampleBuilder(OdDbDatabase* db)
    : m_db(db), m_space(db->getModelSpaceId().safeOpenObject(OdDb::kForWrite))
  {
  }

  // Appends the entity on the layer; it stays open for write while the caller holds it.
  void add(OdDbEntity* entity, const OdDbObjectId& layer)
  {
    entity->setDatabaseDefaults(m_db);
    entity->setLayer(layer);
    m_ids.push_back(m_space->appendOdDbEntity(entity));
  }

  // Gives the entities their fixed handles, in creation order.
  void fixHandles()
  {
    for (size_t i = 0; i < m_ids.size(); ++i)
      m_db->setObjectHandle(m_ids[i], OdDbHandle(static_cast<OdUInt64>(kSampleFirstHandle + i)));
  }

private:
  OdDbDatabase* m_db;
  OdDbBlockTableRecordPtr m_space;
  std::vector<OdDbObjectId> m_ids;
};

// A dimension style on metric defaults with the text style; annotative when asked.
OdDbObjectId addDimStyle(OdDbDatabase* db, const wchar_t* name, const OdDbObjectId& textStyle, bool annotative)
{
  OdDbSymbolTablePtr styles = db->getDimStyleTableId().safeOpenObject(OdDb::kForWrite);
  OdDbDimStyleTableRecordPtr style = OdDbDimStyleTableRecord::createObject();
  style->setName(name);
  style->setDefaults(true);
  style->setDimtxsty(textStyle);
  const OdDbObjectId id = styles->add(style);
  if (annotative)
    OdDbAnnotativeObject::setAnnotative(style, true);
  return id;
}

// An empty block that a dimension uses as a user arrow.
OdDbObjectId addArrowBlock(OdDbDatabase* db, const wchar_t* name)
{
  OdDbSymbolTablePtr blocks = db->getBlockTableId().safeOpenObject(OdDb::kForWrite);
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
  block->setName(name);
  return blocks->add(block);
}

OdDbRotatedDimensionPtr rotatedDimension(const OdDbObjectId& style, const OdGePoint3d& x1, const OdGePoint3d& x2,
                                         const OdGePoint3d& dimLine, double rotation)
{
  OdDbRotatedDimensionPtr dim = OdDbRotatedDimension::createObject();
  dim->setDimensionStyle(style);
  dim->setXLine1Point(x1);
  dim->setXLine2Point(x2);
  dim->setDimLinePoint(dimLine);
  dim->setRotation(rotation);
  return dim;
}

OdDbAlignedDimensionPtr alignedDimension(const OdDbObjectId& style, const OdGePoint3d& x1, const OdGePoint3d& x2,
                                         const OdGePoint3d& dimLine)
{
  OdDbAlignedDimensionPtr dim = OdDbAlignedDimension::createObject();
  dim->setDimensionStyle(style);
  dim->setXLine1Point(x1);
  dim->setXLine2Point(x2);
  dim->setDimLinePoint(dimLine);
  return dim;
}

void setHyperlink(OdDbEntity* entity, const wchar_t* link)
{
  CKyString text(link);
  CKyUtils::SetHyperLink(entity, &text);
}

OdGePoint2dArray rectangle(double x0, double y0, double x1, double y1)
{
  OdGePoint2dArray pts;
  pts.append(OdGePoint2d(x0, y0));
  pts.append(OdGePoint2d(x1, y0));
  pts.append(OdGePoint2d(x1, y1));
  pts.append(OdGePoint2d(x0, y1));
  return pts;
}

// 126-133: hatches. A brick floor with a column island, a user-defined crossing, a gradient, an
// annotative hatch, a semicircular bay (arc and line), an elliptical pond, and two overlapping
// paving squares for the additive area.
void addHatches(SampleBuilder& sample, const OdDbObjectId& walls, const OdDbObjectId& annotation)
{
  {
    OdDbHatchPtr floor = OdDbHatch::createObject();
    floor->appendLoop(OdDbHatch::kExternal, rectangle(0.0, 0.0, 40.0, 30.0), OdGeDoubleArray());
    floor->appendLoop(OdDbHatch::kDefault, rectangle(18.0, 13.0, 22.0, 17.0), OdGeDoubleArray());
    OdHatchPattern brick;
    brick.setLogicalLength(3);
    brick[0].m_patternOffset = OdGeVector2d(0.0, 6.35);
    brick[1].m_dLineAngle = OdaPI2;
    brick[1].m_patternOffset = OdGeVector2d(-6.35, 6.35);
    brick[1].m_dashes = {6.35, -6.35};
    brick[2].m_dLineAngle = OdaPI2;
    brick[2].m_basePoint = OdGePoint2d(3.175, 0.0);
    brick[2].m_patternOffset = OdGeVector2d(-6.35, 6.35);
    brick[2].m_dashes = {-6.35, 6.35};
    floor->setPattern(OdDbHatch::kPreDefined, L"BRICK", 0.0, 1.0, brick);
    sample.add(floor, walls);
  }
  {
    OdDbHatchPtr crossing = OdDbHatch::createObject();
    crossing->appendLoop(OdDbHatch::kExternal, rectangle(45.0, 0.0, 60.0, 10.0), OdGeDoubleArray());
    crossing->setPatternSpace(1.5);
    crossing->setPattern(OdDbHatch::kUserDefined, L"_U");
    crossing->setPatternAngle(OdaPI / 4.0);
    crossing->setPatternDouble(true);
    sample.add(crossing, walls);
  }
  {
    OdDbHatchPtr sky = OdDbHatch::createObject();
    sky->appendLoop(OdDbHatch::kExternal, rectangle(65.0, 0.0, 80.0, 10.0), OdGeDoubleArray());
    sky->setHatchObjectType(OdDbHatch::kGradientObject);
    sky->setGradient(OdDbHatch::kPreDefinedGradient, L"LINEAR");
    OdCmColor colors[2];
    colors[0].setColorIndex(5);
    colors[1].setRGB(255, 255, 200);
    const double values[2] = {0.0, 1.0};
    sky->setGradientColors(2, colors, values);
    sky->setGradientAngle(OdaPI / 2.0);
    sample.add(sky, walls);
  }
  {
    OdDbHatchPtr mark = OdDbHatch::createObject();
    mark->appendLoop(OdDbHatch::kExternal, rectangle(10.0, 75.0, 14.0, 79.0), OdGeDoubleArray());
    mark->setPattern(OdDbHatch::kPreDefined, L"SOLID");
    sample.add(mark, annotation);
    OdDbAnnotativeObject::setAnnotative(mark.get(), true);
  }
  {
    OdDbHatchPtr bay = OdDbHatch::createObject();
    bay->appendLoop(OdDbHatch::kExternal,
                    OdDbHatch::EdgeArray{new OdGeCircArc2d(OdGePoint2d(20.0, 30.0), 8.0, 0.0, OdaPI),
                                         new OdGeLineSeg2d(OdGePoint2d(12.0, 30.0), OdGePoint2d(28.0, 30.0))});
    bay->setPattern(OdDbHatch::kPreDefined, L"ANSI31");
    bay->setPatternScale(2.0);
    sample.add(bay, walls);
  }
  {
    OdDbHatchPtr pond = OdDbHatch::createObject();
    pond->appendLoop(OdDbHatch::kExternal,
                     OdDbHatch::EdgeArray{new OdGeEllipArc2d(OdGePoint2d(110.0, 50.0), OdGeVector2d::kXAxis,
                                                             OdGeVector2d::kYAxis, 6.0, 3.5)});
    pond->setPattern(OdDbHatch::kPreDefined, L"ACAD_ISO02W100");
    pond->setPatternAngle(-OdaPI / 2.0);
    sample.add(pond, annotation);
  }
  for (double x : {130.0, 135.0})
  {
    OdDbHatchPtr paving = OdDbHatch::createObject();
    paving->appendLoop(OdDbHatch::kExternal, rectangle(x, 0.0, x + 10.0, 10.0), OdGeDoubleArray());
    sample.add(paving, walls);
  }
}

// A revision cloud: arcs of radius 3 along a closed 20 x 12 rectangle from `corner`, laid by the
// host's cloud builder into the block of a reference at the corner.
void addCloud(SampleBuilder& sample, OdDbDatabase* db, const OdGePoint3d& corner, const OdDbObjectId& layer)
{
  OdDbSymbolTablePtr table = db->getBlockTableId().safeOpenObject(OdDb::kForWrite);
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
  block->setName(L"Cloud 1");
  OdDbBlockReferencePtr cloud = OdDbBlockReference::createObject();
  cloud->setBlockTableRecord(table->add(block));
  cloud->setPosition(corner);
  sample.add(cloud, layer);

  OdDb3dPolylinePtr outline = OdDb3dPolyline::createObject();
  CLOUDLINE_COMMAND_DATA setting;
  for (const OdGeVector3d& offset : {OdGeVector3d(0.0, 0.0, 0.0), OdGeVector3d(20.0, 0.0, 0.0),
                                     OdGeVector3d(20.0, 12.0, 0.0), OdGeVector3d(0.0, 12.0, 0.0)})
  {
    OdDb3dPolylineVertexPtr vertex = OdDb3dPolylineVertex::createObject();
    vertex->setPosition(corner + offset);
    outline->appendVertex(vertex);
    setting.extents.addPoint(corner + offset);
  }
  outline->makeClosed();
  setting.shape = 0;
  setting.arcRadius = 3.0;
  setting.color = cloud->color();
  setting.layerId = layer;
  setting.lineWeight = cloud->lineWeight();
  CKyCloudBase builder(db);
  builder.setBaseCurve(outline);
  builder.setCloudSetting(setting);
  builder.cloudBaseMain();
  builder.convertToBlock(cloud);
}

OdDbLinePtr line(const OdGePoint3d& from, const OdGePoint3d& to)
{
  OdDbLinePtr l = OdDbLine::createObject();
  l->setStartPoint(from);
  l->setEndPoint(to);
  return l;
}

// The dynamic door, 6 to 12 wide: the open leaf (0) with its swing (1), the closed leaf (2) and
// the strike jamb (3). Width moves the jamb, Opening (hidden) turns the open leaf, Hand mirrors
// the leaves and the swing, Swing shows the open or the closed leaf, Size picks a standard width.
OdDbObjectId addDoorDefinition(OdDbDatabase* db)
{
  OdDbSymbolTablePtr table = db->getBlockTableId().safeOpenObject(OdDb::kForWrite);
  OdDbBlockTableRecordPtr door = OdDbBlockTableRecord::createObject();
  door->setName(L"Door");
  door->setBlockInsertUnits(OdDb::kUnitsMillimeters);
  const OdDbObjectId id = table->add(door);
  door->appendOdDbEntity(line(OdGePoint3d(0.0, 0.0, 0.0), OdGePoint3d(0.0, 6.0, 0.0)));
  OdDbArcPtr swing = OdDbArc::createObject();
  swing->setRadius(6.0);
  swing->setEndAngle(OdaPI / 2.0);
  door->appendOdDbEntity(swing);
  door->appendOdDbEntity(line(OdGePoint3d(0.0, 0.0, 0.0), OdGePoint3d(6.0, 0.0, 0.0)));
  door->appendOdDbEntity(line(OdGePoint3d(6.0, 0.0, 0.0), OdGePoint3d(6.0, -1.0, 0.0)));

  OdSmartPtr<OdDbBlockLinearParameter> width = OdDbBlockLinearParameter::createObject();
  width->setDescription(L"Clear width of the opening");
  width->setRange(6.0, 12.0);
  width->setDefaultValue(OdResBuf::newRb(40, 6.0));
  OdDbDynBlockReference::addParameter(door, width, L"Width", arrayOf<OdUInt32Array>({3}));
  OdSmartPtr<OdDbBlockRotationParameter> opening = OdDbBlockRotationParameter::createObject();
  opening->setRange(0.0, OdaPI / 2.0);
  opening->setShow(false);
  OdDbDynBlockReference::addParameter(door, opening, L"Opening", arrayOf<OdUInt32Array>({0}));
  OdSmartPtr<OdDbBlockFlipParameter> hand = OdDbBlockFlipParameter::createObject();
  hand->setDescription(L"Hinges on the left or the right");
  OdDbDynBlockReference::addParameter(door, hand, L"Hand", arrayOf<OdUInt32Array>({0, 1, 2}));
  OdSmartPtr<OdDbBlockVisibilityParameter> state = OdDbBlockVisibilityParameter::createObject();
  state->addState(L"Open", arrayOf<OdUInt32Array>({0, 1}));
  state->addState(L"Closed", arrayOf<OdUInt32Array>({2}));
  OdDbDynBlockReference::addParameter(door, state, L"Swing", OdUInt32Array());
  OdSmartPtr<OdDbBlockLookupParameter> size = OdDbBlockLookupParameter::createObject();
  size->setTargetName(L"Width");
  size->addEntry(L"Narrow", OdResBuf::newRb(40, 6.0));
  size->addEntry(L"Standard", OdResBuf::newRb(40, 9.0));
  size->addEntry(L"Wide", OdResBuf::newRb(40, 12.0));
  OdDbDynBlockReference::addParameter(door, size, L"Size", OdUInt32Array());
  return id;
}

// Sets a property of a dynamic reference in the database by name, as the block's user would.
void setDynamicValue(const OdDbObjectId& reference, const wchar_t* name, const OdResBuf* value)
{
  OdDbDynBlockReferencePropertyArray properties;
  OdDbDynBlockReference(reference).getBlockProperties(properties);
  for (OdDbDynBlockReferenceProperty& property : properties)
    if (property.propertyName() == name)
      property.setValue(value);
}
} // namespace

void KyBuildSampleDrawing(OdDbDatabase* db)
{
  db->setLUNITS(2);
  db->setLUPREC(4);
  db->setAUNITS(0);
  db->setAUPREC(2);
  db->setINSUNITS(OdDb::kUnitsMillimeters);
  db->setPSTYLEMODE(false); // named plot styles: the "Plot style" row can be edited

  const OdDbObjectId walls = addLayer(db, L"Walls", 1, OdDb::kLnWt050);
  const OdDbObjectId doors = addLayer(db, L"Doors", 3, OdDb::kLnWt025);
  const OdDbObjectId annotation = addLayer(db, L"Annotation", 7, OdDb::kLnWtByLwDefault);
  const OdDbObjectId site = addExternalReference(db);
  addLayer(db, L"Site|Walls", 8, OdDb::kLnWt035);
  const OdDbObjectId dashed = addLinetype(db, L"DASHED", L"Dashed __ __ __", {0.5, -0.25});
  addLinetype(db, L"CENTER", L"Center ____ _ ____ _", {1.25, -0.25, 0.25, -0.25});
  const OdDbObjectId notes = addTextStyle(db);
  const OdDbObjectId shapes = addShapeFile(db);

  SampleBuilder sample(db);
  {
    // 100: a wall on its layer's colour, with a lineweight and a hyperlink.
    OdDbLinePtr line = OdDbLine::createObject();
    line->setStartPoint(OdGePoint3d(12.5, 5.0, 0.0));
    line->setEndPoint(OdGePoint3d(112.5, 5.0, 0.0));
    sample.add(line, walls);
    line->setLineWeight(OdDb::kLnWt050);
    setHyperlink(line, L"https://example.com/walls");
  }
  {
    // 101: a dashed red wall running up.
    OdDbLinePtr line = OdDbLine::createObject();
    line->setStartPoint(OdGePoint3d(0.0, 0.0, 0.0));
    line->setEndPoint(OdGePoint3d(0.0, 60.0, 0.0));
    sample.add(line, walls);
    line->setColor(indexColor(1));
    line->setLinetype(dashed);
    line->setLinetypeScale(2.0);
  }
  {
    // 102: a door leaf with a thickness, 40 % transparent.
    OdDbLinePtr line = OdDbLine::createObject();
    line->setStartPoint(OdGePoint3d(30.0, 0.0, 0.0));
    line->setEndPoint(OdGePoint3d(39.0, 9.0, 0.0));
    line->setThickness(3.0);
    sample.add(line, doors);
    line->setTransparency(OdCmTransparency(static_cast<OdUInt8>(153)));
  }
  {
    // 103: a round window in a true colour.
    OdDbCirclePtr circle = OdDbCircle::createObject();
    circle->setCenter(OdGePoint3d(50.0, 30.0, 0.0));
    circle->setRadius(10.0);
    sample.add(circle, doors);
    OdCmColor orange;
    orange.setRGB(255, 128, 0);
    circle->setColor(orange);
  }
  {
    // 104: the door swing.
    OdDbArcPtr arc = OdDbArc::createObject();
    arc->setCenter(OdGePoint3d(30.0, 0.0, 0.0));
    arc->setRadius(9.0);
    arc->setStartAngle(0.0);
    arc->setEndAngle(OdaPI2);
    sample.add(arc, doors);
  }
  {
    // 105: the outline of the room, closed, with a bulged segment and a constant width.
    OdDbPolylinePtr outline = OdDbPolyline::createObject();
    outline->addVertexAt(0, OdGePoint2d(0.0, 0.0));
    outline->addVertexAt(1, OdGePoint2d(100.0, 0.0), 0.25);
    outline->addVertexAt(2, OdGePoint2d(100.0, 60.0));
    outline->addVertexAt(3, OdGePoint2d(0.0, 60.0));
    outline->setClosed(true);
    outline->setConstantWidth(0.25);
    sample.add(outline, walls);
  }
  {
    // 106: an annotative title in the Notes style.
    OdDbTextPtr text = OdDbText::createObject();
    text->setPosition(OdGePoint3d(10.0, 70.0, 0.0));
    text->setHeight(2.5);
    text->setTextString(L"Ground floor");
    text->setTextStyle(notes);
    sample.add(text, annotation);
    OdDbAnnotativeObject::setAnnotative(text.get(), true);
  }
  {
    // 107: an annotative note of two paragraphs.
    OdDbMTextPtr note = OdDbMText::createObject();
    note->setLocation(OdGePoint3d(60.0, 75.0, 0.0));
    note->setTextHeight(2.5);
    note->setWidth(40.0);
    note->setContents(L"Walls: 240 brick\\PDoors: oak");
    note->setTextStyle(notes);
    sample.add(note, annotation);
    OdDbAnnotativeObject::setAnnotative(note.get(), true);
  }
  {
    // 108: a second door leaf: merges with 102 into varying geometry.
    OdDbLinePtr line = OdDbLine::createObject();
    line->setStartPoint(OdGePoint3d(70.0, 0.0, 0.0));
    line->setEndPoint(OdGePoint3d(79.0, 9.0, 0.0));
    sample.add(line, doors);
  }
  {
    // 109: a slim oval table, a full ellipse turned by 30 degrees.
    OdDbEllipsePtr table = OdDbEllipse::createObject();
    table->set(OdGePoint3d(40.0, 45.0, 0.0), OdGeVector3d::kZAxis,
               OdGeVector3d(12.0 * std::cos(OdaPI / 6.0), 12.0 * std::sin(OdaPI / 6.0), 0.0), 0.2);
    sample.add(table, doors);
  }
  {
    // 110: a flat elliptical arch over the passage, from 0 to 180 degrees.
    OdDbEllipsePtr arch = OdDbEllipse::createObject();
    arch->set(OdGePoint3d(85.0, 60.0, 0.0), OdGeVector3d::kZAxis, OdGeVector3d(8.0, 0.0, 0.0), 0.15, 0.0, OdaPI);
    sample.add(arch, walls);
  }
  {
    // 111: a construction line along the room's axis.
    OdDbXlinePtr axis = OdDbXline::createObject();
    axis->setBasePoint(OdGePoint3d(0.0, 30.0, 0.0));
    axis->setUnitDir(OdGeVector3d::kXAxis);
    sample.add(axis, annotation);
  }
  {
    // 112: a sight line from the door at 60 degrees.
    OdDbRayPtr sight = OdDbRay::createObject();
    sight->setBasePoint(OdGePoint3d(70.0, 0.0, 0.0));
    sight->setUnitDir(OdGeVector3d(std::cos(OdaPI / 3.0), std::sin(OdaPI / 3.0), 0.0));
    sample.add(sight, annotation);
  }
  {
    // 113: a survey point on the floor, raised by a thickness.
    OdDbPointPtr survey = OdDbPoint::createObject();
    survey->setPosition(OdGePoint3d(20.0, 20.0, 0.0));
    survey->setThickness(1.5);
    sample.add(survey, annotation);
  }
  {
    // 114: a wide trace along the threshold.
    OdDbTracePtr threshold = OdDbTrace::createObject();
    threshold->setPointAt(0, OdGePoint3d(70.0, -0.5, 0.0));
    threshold->setPointAt(1, OdGePoint3d(70.0, 0.5, 0.0));
    threshold->setPointAt(2, OdGePoint3d(79.0, -0.5, 0.0));
    threshold->setPointAt(3, OdGePoint3d(79.0, 0.5, 0.0));
    sample.add(threshold, doors);
  }
  {
    // 115: a filled column base, a solid in the file's corner order (1, 2, 4, 3 around it).
    OdDbSolidPtr column = OdDbSolid::createObject();
    column->setPointAt(0, OdGePoint3d(48.0, 28.0, 0.0));
    column->setPointAt(1, OdGePoint3d(52.0, 28.0, 0.0));
    column->setPointAt(2, OdGePoint3d(48.0, 32.0, 0.0));
    column->setPointAt(3, OdGePoint3d(52.0, 32.0, 0.0));
    column->setThickness(3.0);
    sample.add(column, walls);
  }
  {
    // 116: a sloping roof face with its third edge (along the ridge) hidden.
    OdDbFacePtr roof = OdDbFace::createObject();
    roof->setVertexAt(0, OdGePoint3d(0.0, 0.0, 30.0));
    roof->setVertexAt(1, OdGePoint3d(100.0, 0.0, 30.0));
    roof->setVertexAt(2, OdGePoint3d(100.0, 30.0, 45.0));
    roof->setVertexAt(3, OdGePoint3d(0.0, 30.0, 45.0));
    roof->makeEdgeInvisibleAt(2);
    sample.add(roof, walls);
  }
  {
    // 117: a garden path drawn through five points, leaving along the diagonal and arriving level.
    OdDbSplinePtr path = OdDbSpline::createObject();
    path->setFitData(arrayOf<OdGePoint3dArray>({OdGePoint3d(5.0, 30.0, 0.0), OdGePoint3d(12.0, 36.0, 0.0),
                                                OdGePoint3d(20.0, 33.0, 0.0), OdGePoint3d(28.0, 40.0, 0.0),
                                                OdGePoint3d(34.0, 38.0, 0.0)}),
                     3, 0.0, OdGeVector3d(1.0, 1.0, 0.0).normal(), OdGeVector3d::kXAxis);
    sample.add(path, walls);
  }
  {
    // 118: a semicircular bay window of radius 5, as rational control points only.
    OdDbSplinePtr bay = OdDbSpline::createObject();
    const double w = std::sqrt(0.5);
    bay->setNurbsData(2, true, false, false,
                      arrayOf<OdGePoint3dArray>({OdGePoint3d(25.0, 70.0, 0.0), OdGePoint3d(25.0, 75.0, 0.0),
                                                 OdGePoint3d(20.0, 75.0, 0.0), OdGePoint3d(15.0, 75.0, 0.0),
                                                 OdGePoint3d(15.0, 70.0, 0.0)}),
                      arrayOf<OdGeDoubleArray>({0.0, 0.0, 0.0, 1.0, 1.0, 2.0, 2.0, 2.0}),
                      arrayOf<OdGeDoubleArray>({1.0, w, 1.0, w, 1.0}));
    sample.add(bay, walls);
  }
  // Heavy polylines bring their vertices: they get handles of their own, kept above the
  // range the entities are moved into.
  db->setHandseed(OdDbHandle(static_cast<OdUInt64>(kSampleFirstHandle + 0x100)));
  {
    // 119: a bay window in a plane tilted 30 degrees about X, with a bulged middle pane and
    // tapering sill widths.
    OdDb2dPolylinePtr bay = OdDb2dPolyline::createObject();
    bay->setNormal(OdGeVector3d(0.0, -std::sin(OdaPI / 6.0), std::cos(OdaPI / 6.0)));
    bay->setElevation(1.5);
    const double pts[][4] = {{20.0, 10.0, 0.0, 0.5}, {30.0, 10.0, 0.4, 0.5}, {40.0, 10.0, 0.0, 1.0},
                             {50.0, 10.0, 0.0, 0.0}};
    for (const auto& p : pts)
    {
      OdDb2dVertexPtr vertex = OdDb2dVertex::createObject();
      vertex->setPosition(OdGePoint3d(p[0], p[1], 0.0));
      vertex->setBulge(p[2]);
      vertex->setStartWidth(p[3]);
      vertex->setEndWidth(p[3]);
      bay->appendVertex(vertex);
    }
    sample.add(bay, walls);
  }
  {
    // 120: a curved garden path, curve-fitted through four placed vertices.
    OdDb2dPolylinePtr path = OdDb2dPolyline::createObject();
    const double pts[][2] = {{60.0, 70.0}, {70.0, 80.0}, {85.0, 75.0}, {95.0, 90.0}};
    for (const auto& p : pts)
    {
      OdDb2dVertexPtr vertex = OdDb2dVertex::createObject();
      vertex->setPosition(OdGePoint3d(p[0], p[1], 0.0));
      path->appendVertex(vertex);
    }
    sample.add(path, doors);
    path->curveFit();
  }
  {
    // 121: a closed flower bed, cubic-spline-fitted with 4 segments per span, widths 0.2.
    OdDb2dPolylinePtr bed = OdDb2dPolyline::createObject();
    const double pts[][2] = {{10.0, 80.0}, {25.0, 78.0}, {30.0, 92.0}, {12.0, 95.0}};
    for (const auto& p : pts)
    {
      OdDb2dVertexPtr vertex = OdDb2dVertex::createObject();
      vertex->setPosition(OdGePoint3d(p[0], p[1], 0.0));
      vertex->setStartWidth(0.2);
      vertex->setEndWidth(0.2);
      bed->appendVertex(vertex);
    }
    bed->makeClosed();
    sample.add(bed, doors);
    bed->splineFit(OdDb::k2dCubicSplinePoly, 4);
  }
  {
    // 122: a handrail rising along the stairs, a 3D polyline fitted with a quadratic spline.
    OdDb3dPolylinePtr rail = OdDb3dPolyline::createObject();
    const OdGePoint3d pts[] = {{90.0, 10.0, 0.0}, {90.0, 30.0, 3.0}, {80.0, 40.0, 4.5}, {70.0, 40.0, 6.0}};
    for (const OdGePoint3d& p : pts)
    {
      OdDb3dPolylineVertexPtr vertex = OdDb3dPolylineVertex::createObject();
      vertex->setPosition(p);
      rail->appendVertex(vertex);
    }
    sample.add(rail, walls);
    rail->splineFit(OdDb::k3dQuadSplinePoly, 4);
  }
  {
    // 123: the rail of a spiral stair in the corner tower, one and a half clockwise turns of
    // 4 up, narrowing from radius 6 to 4.5.
    OdDbHelixPtr stair = OdDbHelix::createObject();
    stair->setAxisPoint(OdGePoint3d(85.0, 60.0, 0.0));
    stair->setStartPoint(OdGePoint3d(85.0, 54.0, 0.0));
    stair->setTopRadius(4.5);
    stair->setTurns(1.5);
    stair->setTurnHeight(4.0);
    stair->setTwist(false);
    sample.add(stair, walls);
  }
  {
    // 124: a garden wall drawn as a multiline whose style the drawing lacks, so it shows
    // "Standard" and draws its centre line alone; centred, scale 2, three vertices.
    OdDbMlinePtr garden = OdDbMline::createObject();
    garden->setJustification(Mline::kZero);
    garden->setScale(2.0);
    const OdGePoint3d pts[] = {{100.0, 0.0, 0.0}, {120.0, 0.0, 0.0}, {120.0, 25.0, 0.0}};
    for (const OdGePoint3d& p : pts)
      garden->appendSeg(p);
    sample.add(garden, walls);
  }
  {
    // 125: a survey marker at the site corner, the box shape of the line types' shape file,
    // size 1.5, half as wide again as high, turned 30 degrees.
    OdDbShapePtr marker = OdDbShape::createObject();
    marker->setPosition(OdGePoint3d(5.0, 2.5, 0.0));
    marker->setSize(1.5);
    marker->setWidthFactor(1.5);
    marker->setRotation(OdaPI / 6.0);
    marker->setStyleId(shapes);
    marker->setName(L"BOX");
    sample.add(marker, annotation);
  }
  addHatches(sample, walls, annotation);
  {
    // Dimensions: two styles on metric defaults, "Plan" and the annotative "Plan Anno".
    const OdDbObjectId plan = addDimStyle(db, L"Plan", notes, false);
    const OdDbObjectId planAnno = addDimStyle(db, L"Plan Anno", notes, true);
    // 134: the south wall's length, with a larger arrow and text and the unit after the number.
    OdDbRotatedDimensionPtr south =
      rotatedDimension(plan, OdGePoint3d(0.0, 0.0, 0.0), OdGePoint3d(100.0, 0.0, 0.0), OdGePoint3d(50.0, -8.0, 0.0), 0.0);
    south->setDimasz(3.5);
    south->setDimtxt(3.0);
    south->setDimpost(L"mm");
    sample.add(south, annotation);
    // 135: the garden wall's second leg, measured along itself, text height 2.
    OdDbAlignedDimensionPtr leg = alignedDimension(plan, OdGePoint3d(120.0, 0.0, 0.0), OdGePoint3d(120.0, 25.0, 0.0),
                                                   OdGePoint3d(128.0, 12.5, 0.0));
    leg->setDimtxt(2.0);
    leg->setDimpost(L"mm");
    sample.add(leg, annotation);
    // 136: the east wall on the annotative style, itself annotative.
    OdDbRotatedDimensionPtr east = rotatedDimension(planAnno, OdGePoint3d(100.0, 0.0, 0.0),
                                                    OdGePoint3d(100.0, 50.0, 0.0), OdGePoint3d(108.0, 25.0, 0.0),
                                                    OdaPI / 2.0);
    sample.add(east, annotation);
    OdDbAnnotativeObject::setAnnotative(east, true);
    // 137: a basic dimension (framed text: negative text offset) of the door opening.
    OdDbRotatedDimensionPtr door = rotatedDimension(plan, OdGePoint3d(40.0, 0.0, 0.0), OdGePoint3d(49.0, 0.0, 0.0),
                                                    OdGePoint3d(44.5, 6.0, 0.0), 0.0);
    door->setDimgap(-0.8);
    sample.add(door, doors);
    // 138: the bay window's width with separate arrows: a tick and the site's own arrow block.
    OdDbAlignedDimensionPtr bay = alignedDimension(plan, OdGePoint3d(20.0, 10.0, 0.0), OdGePoint3d(50.0, 10.0, 0.0),
                                                   OdGePoint3d(35.0, 4.0, 0.0));
    bay->setDimsah(true);
    bay->setDimblk1(OdDmUtil::getArrowId(L"_ArchTick", db));
    bay->setDimblk2(addArrowBlock(db, L"SiteArrow"));
    sample.add(bay, annotation);
    // 139: the stair run in architectural units to 1/16", the text turned a quarter back.
    OdDbRotatedDimensionPtr stair = rotatedDimension(plan, OdGePoint3d(90.0, 10.0, 0.0), OdGePoint3d(90.0, 30.0, 0.0),
                                                     OdGePoint3d(96.0, 20.0, 0.0), OdaPI / 2.0);
    stair->setDimlunit(4);
    stair->setDimdec(4);
    stair->setTextRotation(-OdaPI / 2.0);
    sample.add(stair, walls);
    // 140: a constraint parameter fixing the tower's offset; its text belongs to the constraint.
    OdDbRotatedDimensionPtr offset = rotatedDimension(plan, OdGePoint3d(70.0, 40.0, 0.0), OdGePoint3d(85.0, 40.0, 0.0),
                                                      OdGePoint3d(77.5, 45.0, 0.0), 0.0);
    offset->setDimensionText(L"d1=<>");
    offset->setConstraintObject(true);
    sample.add(offset, annotation);
  }
  {
    // 129: the room-number template, centred on its anchor, preset, with a lower-case prompt.
    OdDbAttributeDefinitionPtr room = OdDbAttributeDefinition::createObject();
    room->setTag(L"ROOM");
    room->setPrompt(L"Room number");
    room->setTextString(L"A12");
    room->setTextStyle(notes);
    room->setHeight(2.5);
    room->setHorizontalMode(OdDb::kTextCenter);
    room->setVerticalMode(OdDb::kTextVertMid);
    room->setAlignmentPoint(OdGePoint3d(20.0, 20.0, 0.0));
    room->adjustAlignment();
    room->setPreset(true);
    sample.add(room, annotation);
    // 12A: a two-line remark, multiline, 24 wide, anchored top left, locked in its block.
    OdDbAttributeDefinitionPtr remark = OdDbAttributeDefinition::createObject();
    remark->setTag(L"REMARK");
    remark->setPrompt(L"Remark");
    remark->setTextString(L"Checked\\Pon site");
    remark->setPosition(OdGePoint3d(60.0, 40.0, 0.0));
    remark->setTextStyle(notes);
    remark->setHeight(1.5);
    remark->setLockPositionInBlock(true);
    remark->convertIntoMTextAttributeDefinition(true);
    OdDbMTextPtr remarkText = remark->getMTextAttributeDefinition();
    remarkText->setAttachment(OdDbMText::kTopLeft);
    remarkText->setLocation(OdGePoint3d(60.0, 44.0, 0.0));
    remarkText->setWidth(24.0);
    remark->setMTextAttributeDefinition(remarkText);
    sample.add(remark, annotation);
    // 12B: the sheet number, annotative, invisible and verified on entry.
    OdDbAttributeDefinitionPtr sheet = OdDbAttributeDefinition::createObject();
    sheet->setTag(L"SHEET");
    sheet->setPrompt(L"Sheet number");
    sheet->setTextString(L"1");
    sheet->setPosition(OdGePoint3d(90.0, -10.0, 0.0));
    sheet->setTextStyle(notes);
    sheet->setHeight(5.0);
    sheet->setInvisible(true);
    sheet->setVerifiable(true);
    sample.add(sheet, annotation);
    OdDbAnnotativeObject::setAnnotative(sheet, true);
  }
  {
    // Block references after the attribute definitions.
    const OdDbObjectId lockedNotes = addLayer(db, L"Locked notes", 5, OdDb::kLnWtByLwDefault);
    {
      OdDbLayerTableRecordPtr layer = lockedNotes.safeOpenObject(OdDb::kForWrite);
      layer->setIsLocked(true);
    }
    // A fixing plate drawn in metres (the drawing is in millimetres: unit factor 1000), numbered
    // twice under one tag, its maker's note on the locked layer.
    const OdDbObjectId plate = addSquareBlock(db, L"Plate", 0.02, OdDb::kUnitsMeters, OdDbBlockTableRecord::kAny);
    OdDbBlockReferencePtr fixing = OdDbBlockReference::createObject();
    fixing->setBlockTableRecord(plate);
    fixing->setPosition(OdGePoint3d(150.0, 0.0, 0.0));
    fixing->setScaleFactors(OdGeScale3d(1000.0));
    sample.add(fixing, doors);
    fixing->appendAttribute(blockAttribute(L"NUMBER", L"7", OdGePoint3d(152.0, 2.0, 0.0), notes, doors));
    fixing->appendAttribute(blockAttribute(L"NUMBER", L"8", OdGePoint3d(152.0, 5.0, 0.0), notes, doors));
    fixing->appendAttribute(blockAttribute(L"MAKER", L"Acme", OdGePoint3d(152.0, 8.0, 0.0), notes, lockedNotes));
    // A tree that only scales uniformly, twice its size, turned a quarter.
    const OdDbObjectId tree = addSquareBlock(db, L"Tree", 4.0, OdDb::kUnitsMillimeters, OdDbBlockTableRecord::kUniform);
    OdDbBlockReferencePtr oak = OdDbBlockReference::createObject();
    oak->setBlockTableRecord(tree);
    oak->setPosition(OdGePoint3d(180.0, 0.0, 0.0));
    oak->setScaleFactors(OdGeScale3d(2.0));
    oak->setRotation(OdaPI / 2.0);
    sample.add(oak, walls);
    // A north arrow, annotative and kept upright on the sheet.
    const OdDbObjectId north = addSquareBlock(db, L"North", 5.0, OdDb::kUnitsUndefined, OdDbBlockTableRecord::kAny);
    {
      OdDbBlockTableRecordPtr block = north.safeOpenObject(OdDb::kForWrite);
      OdDbAnnotativeObject::setAnnotative(block, true);
      db->newRegApp(L"AcadAnnoPO");
      OdResBufPtr head = OdResBuf::newRb(OdDb::kDxfRegAppName, L"AcadAnnoPO");
      head->setNext(OdResBuf::newRb(OdDb::kDxfXdInteger16, OdInt16(1)));
      block->setXData(head);
    }
    OdDbBlockReferencePtr arrow = OdDbBlockReference::createObject();
    arrow->setBlockTableRecord(north);
    arrow->setPosition(OdGePoint3d(200.0, 0.0, 0.0));
    sample.add(arrow, annotation);
    // The site plan, referenced from its own file.
    OdDbBlockReferencePtr sitePlan = OdDbBlockReference::createObject();
    sitePlan->setBlockTableRecord(site);
    sitePlan->setPosition(OdGePoint3d(-200.0, -200.0, 0.0));
    sample.add(sitePlan, walls);
    // Seats in two rows of three, 6 apart across and 8 apart up.
    const OdDbObjectId seat = addSquareBlock(db, L"Seat", 4.0, OdDb::kUnitsMillimeters, OdDbBlockTableRecord::kAny);
    OdDbMInsertBlockPtr seats = OdDbMInsertBlock::createObject();
    seats->setBlockTableRecord(seat);
    seats->setPosition(OdGePoint3d(150.0, 30.0, 0.0));
    seats->setColumns(3);
    seats->setRows(2);
    seats->setColumnSpacing(6.0);
    seats->setRowSpacing(8.0);
    sample.add(seats, doors);
    // A revision cloud round the seats' corner.
    addCloud(sample, db, OdGePoint3d(145.0, 25.0, 0.0), annotation);
    // The dynamic door at the standard size: its own representation of the definition.
    OdDbBlockReferencePtr entrance = OdDbBlockReference::createObject();
    entrance->setBlockTableRecord(addDoorDefinition(db));
    entrance->setPosition(OdGePoint3d(40.0, 0.0, 0.0));
    sample.add(entrance, doors);
    const OdDbObjectId entranceId = entrance->objectId();
    entrance.release();
    setDynamicValue(entranceId, L"Size", OdResBuf::newRb(1, OdString(L"Standard")));
  }
  sample.fixHandles();
}
