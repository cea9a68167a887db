// Benchmarks of the property module as the palette uses it: gathering the rows and values of
// large mixed selections (copies of the sample drawing's entities), the same values read directly
// through the SDK, translation calls per GetPropertyNames, and listing very long polylines.
// After the runs a table compares the figures with their budgets (bench/run.sh).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include <QCoreApplication>
#include <QTranslator>

#include "DbAnnotationScale.h"
#include "Db2dPolyline.h"
#include "Db3dPolyline.h"
#include "DbArc.h"
#include "DbBlockTableRecord.h"
#include "DbCircle.h"
#include "DbDynBlockReference.h"
#include "DbEllipse.h"
#include "DbHelix.h"
#include "DbMline.h"
#include "DbMlineStyle.h"
#include "DbShape.h"
#include "DbHatch.h"
#include "DbAttributeDefinition.h"
#include "DbBlockTableRecord.h"
#include "DbMInsertBlock.h"
#include "DbAlignedDimension.h"
#include "DbRotatedDimension.h"
#include "Ge/GeGbl.h"
#include "DbFace.h"
#include "DbDatabase.h"
#include "DbLine.h"
#include "DbMText.h"
#include "DbSpline.h"
#include "DbObjectContextManager.h"
#include "DbObjectIterator.h"
#include "DbPoint.h"
#include "DbPolyline.h"
#include "DbRay.h"
#include "DbSolid.h"
#include "DbText.h"
#include "DbTextStyleTableRecord.h"
#include "DbTrace.h"
#include "DbXline.h"
#include "KyDocument.h"
#include "KyObjectAnnotationContext.h"
#include "KyObjectReadScope.h"
#include "KyPrintObjectInfoPE.h"
#include "KyPropertyBase.h"
#include "KyUtils.h"
#include "RxModule.h"
#include "SampleDrawing.h"

extern "C" OdRxModule* odrxCreateModuleObject(void* hModule, const wchar_t* szModuleName);
extern "C" void deleteModuleObject();

namespace
{
const int kLargestSelection = 1000000;

double secondsSince(std::chrono::steady_clock::time_point start)
{
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Processor time of this process so far: on a loaded machine it stays what an idle one's wall
// time would be, where the wall time swings with the other jobs.
double processSeconds()
{
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The sample drawing with the module loaded, and one model space filled with copies of the
// sample's entities in turn; selections are prefixes of it, opened for read as the palette does.
class BenchDrawing
{
public:
  BenchDrawing()
    : m_db(OdDbDatabase::createObject()), m_document(m_db.get())
  {
    CKyDocumentManager::SetActiveDocument(&m_document);
    m_module = odrxCreateModuleObject(nullptr, L"KYProperties");
    m_module->initApp();
    KyBuildSampleDrawing(m_db.get());
    OdDbBlockTableRecordPtr space = m_db->getModelSpaceId().safeOpenObject();
    for (OdDbObjectIteratorPtr it = space->newIterator(); !it->done(); it->step())
      m_samples.push_back(it->objectId());
  }

  ~BenchDrawing()
  {
    m_selection.clear();
    m_view.clear();
    m_polylines.clear();
    m_copies.clear();
    m_module->uninitApp();
    deleteModuleObject();
    m_module->release();
    CKyDocumentManager::SetActiveDocument(nullptr);
  }

  // One open sample object per class.
  // The first sample of each kind, with the kind's name: the class's, and for block references
  // with rows of their own form ".Cloud" (outline data) or ".Dynamic" (parameters).
  std::vector<std::pair<std::string, OdDbObjectPtr>> samplesByKind() const
  {
    std::vector<std::pair<std::string, OdDbObjectPtr>> out;
    for (const OdDbObjectId& id : m_samples)
    {
      OdDbObjectPtr object = id.safeOpenObject();
      std::string name = object->isA()->name().toUtf8();
      if (object->isA() == OdDbBlockReference::desc())
      {
        if (!object->xData(L"PE_CLOUD").isNull())
          name += ".Cloud";
        else if (OdDbDynBlockReference(id).isDynamicBlock())
          name += ".Dynamic";
      }
      const bool seen =
        std::any_of(out.begin(), out.end(), [&](const auto& kind) { return kind.first == name; });
      if (!seen)
        out.emplace_back(name, object);
    }
    return out;
  }

  // The first n objects of the mixed selection.
  const std::vector<OdDbObjectPtr>& selection(std::size_t n)
  {
    if (m_selection.size() < n)
    {
      OdDbBlockTableRecordPtr space = m_db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
      std::vector<OdDbObjectPtr> templates;
      for (const OdDbObjectId& id : m_samples)
        templates.push_back(id.safeOpenObject());
      while (m_selection.size() < n)
      {
        OdDbEntityPtr copy = templates[m_selection.size() % templates.size()]->clone();
        const OdDbObjectId id = space->appendOdDbEntity(copy);
        copy.release();
        m_selection.push_back(id.safeOpenObject());
      }
    }
    m_view.assign(m_selection.begin(), m_selection.begin() + static_cast<std::ptrdiff_t>(n));
    return m_view;
  }

  // n copies of one object.
  const std::vector<OdDbObjectPtr>& copiesOf(const OdDbObjectPtr& object, std::size_t n)
  {
    std::vector<OdDbObjectPtr>& copies = m_copies[object.get()];
    if (copies.size() < n)
    {
      OdDbBlockTableRecordPtr space = m_db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
      while (copies.size() < n)
      {
        OdDbEntityPtr copy = object->clone();
        const OdDbObjectId id = space->appendOdDbEntity(copy);
        copy.release();
        copies.push_back(id.safeOpenObject());
      }
    }
    return copies;
  }

  // A zigzag polyline of n vertices, in model space.
  const OdDbObjectPtr& polyline(int n)
  {
    OdDbObjectPtr& p = m_polylines[n];
    if (p.isNull())
    {
      OdDbPolylinePtr polyline = OdDbPolyline::createObject();
      for (int i = 0; i < n; ++i)
        polyline->addVertexAt(static_cast<unsigned>(i), OdGePoint2d(i, (i % 2) ? 1.0 : 0.0));
      OdDbBlockTableRecordPtr space = m_db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
      const OdDbObjectId id = space->appendOdDbEntity(polyline);
      polyline.release();
      p = id.safeOpenObject();
    }
    return p;
  }

private:
  OdDbDatabasePtr m_db;
  CKyDocument m_document;
  OdRxModule* m_module = nullptr;
  std::vector<OdDbObjectId> m_samples;
  std::vector<OdDbObjectPtr> m_selection;
  std::vector<OdDbObjectPtr> m_view;
  std::map<int, OdDbObjectPtr> m_polylines;
  // Per sample object (two kinds may share a class).
  std::map<const OdDbObject*, std::vector<OdDbObjectPtr>> m_copies;
};

BenchDrawing* g_drawing = nullptr;

// What the palette does for each selected object: gather the rows (listed and per-object), then
// read every value and every read-only state. Returns the number of rows.
long gatherPass(const std::vector<OdDbObjectPtr>& selection)
{
  CKyPropertyPEClassFactory* factory = CKyPropertyPEClassFactory::instance();
  CKyPropertiesContainerImpl container;
  const CKyVariant noContext;
  long rows = 0;
  for (const OdDbObjectPtr& object : selection)
  {
    CKyObjectReadScope scope(object.get());
    container.Clear();
    factory->GatherProperties(object.get(), container);
    const int count = container.GetCount();
    for (int i = 0; i < count; ++i)
    {
      const CKyPropertyDescription* row = container.GetAt(i);
      CKyVariant value = row->GetValue(object.get(), noContext);
      benchmark::DoNotOptimize(value);
      bool readOnly = row->IsReadOnly(object.get());
      benchmark::DoNotOptimize(readOnly);
    }
    rows += count;
  }
  return rows;
}

// The values the rows show, read straight from the SDK objects (no variants, no coordinate
// system, no texts).
template <class T>
void keep(const T& value)
{
  benchmark::DoNotOptimize(value);
}

void readEntity(const OdDbEntity* e)
{
  keep(e->color());
  keep(e->layerId());
  keep(e->linetypeId());
  keep(e->linetypeScale());
  keep(e->plotStyleName());
  keep(e->lineWeight());
  CKyString link;
  keep(CKyUtils::IsHyperLink(e, &link, nullptr));
  keep(e->transparency());
}

void readLine(const OdDbObject* o)
{
  const OdDbLine* line = static_cast<const OdDbLine*>(o);
  const OdGePoint3d s = line->startPoint(), e = line->endPoint();
  keep(line->thickness());
  keep(s);
  keep(e);
  keep(e - s);
  keep(s.distanceTo(e));
  keep((e - s).angleTo(OdGeVector3d::kXAxis));
}

void readCircle(const OdDbObject* o)
{
  const OdDbCircle* circle = static_cast<const OdDbCircle*>(o);
  double area = 0.0;
  circle->getArea(area);
  keep(circle->thickness());
  keep(circle->center());
  keep(circle->radius());
  keep(circle->diameter());
  keep(circle->circumference());
  keep(area);
  keep(circle->normal());
}

void readArc(const OdDbObject* o)
{
  const OdDbArc* arc = static_cast<const OdDbArc*>(o);
  OdGePoint3d s, e;
  double area = 0.0, length = 0.0, endParam = 0.0;
  arc->getStartPoint(s);
  arc->getEndPoint(e);
  arc->getArea(area);
  arc->getEndParam(endParam);
  arc->getDistAtParam(endParam, length);
  keep(arc->thickness());
  keep(s);
  keep(arc->center());
  keep(e);
  keep(arc->radius());
  keep(arc->startAngle());
  keep(arc->endAngle());
  keep(arc->endAngle() - arc->startAngle());
  keep(length);
  keep(area);
  keep(arc->normal());
}

void readPolyline(const OdDbObject* o)
{
  const OdDbPolyline* polyline = static_cast<const OdDbPolyline*>(o);
  OdGePoint3d p;
  double start = 0.0, end = 0.0, area = 0.0, length = 0.0, endParam = 0.0;
  polyline->getPointAt(0, p);
  polyline->getWidthsAt(0, start, end);
  polyline->getArea(area);
  polyline->getEndParam(endParam);
  polyline->getDistAtParam(endParam, length);
  keep(polyline->thickness());
  keep(polyline->numVerts());
  keep(p);
  keep(start + end);
  keep(polyline->getConstantWidth());
  keep(polyline->elevation());
  keep(area);
  keep(length);
  keep(polyline->isClosed());
  keep(polyline->hasPlinegen());
}

void readEllipse(const OdDbObject* o)
{
  const OdDbEllipse* ellipse = static_cast<const OdDbEllipse*>(o);
  OdGePoint3d s, e;
  ellipse->getStartPoint(s);
  ellipse->getEndPoint(e);
  keep(s);
  keep(ellipse->center());
  keep(e);
  keep(ellipse->majorAxis().length());
  keep(ellipse->minorAxis().length());
  keep(ellipse->radiusRatio());
  keep(ellipse->startAngle());
  keep(ellipse->endAngle());
  keep(ellipse->majorAxis());
  keep(ellipse->minorAxis());
}

// Base point, second point (base plus direction) and direction of a construction line.
template <class Line>
void readConstructionLine(const OdDbObject* o)
{
  const Line* line = static_cast<const Line*>(o);
  const OdGePoint3d base = line->basePoint();
  const OdGeVector3d dir = line->unitDir();
  keep(base);
  keep(base + dir);
  keep(dir);
}

void readPoint(const OdDbObject* o)
{
  const OdDbPoint* point = static_cast<const OdDbPoint*>(o);
  keep(point->thickness());
  keep(point->position());
}

// The palette shows the first corner and its three components.
template <class Fill>
void readPlanarFill(const OdDbObject* o)
{
  const Fill* fill = static_cast<const Fill*>(o);
  OdGePoint3d corner;
  fill->getPointAt(0, corner);
  keep(fill->thickness());
  keep(corner);
}

void readFace(const OdDbObject* o)
{
  const OdDbFace* face = static_cast<const OdDbFace*>(o);
  OdGePoint3d corner;
  face->getVertexAt(0, corner);
  keep(corner);
  for (OdUInt16 i = 0; i < 4; ++i)
  {
    bool visible = true;
    face->isEdgeVisibleAt(i, visible);
    keep(visible);
  }
}

// The spline rows: both counts and selectors, the first control and fit point, the
// characteristics, the fit tangents and tolerance, and the area.
void readSpline(const OdDbObject* o)
{
  const OdDbSpline* spline = static_cast<const OdDbSpline*>(o);
  OdGePoint3d p;
  keep(spline->numControlPoints());
  if (spline->getControlPointAt(0, p) == eOk)
    keep(p);
  keep(spline->numFitPoints());
  if (spline->getFitPointAt(0, p) == eOk)
    keep(p);
  keep(spline->degree());
  keep(spline->isClosed());
  keep(spline->isPlanar());
  OdGeVector3d start, end;
  if (spline->getFitTangents(start, end) == eOk)
  {
    keep(start);
    keep(end);
  }
  keep(spline->fitTolerance());
  double area = 0.0;
  if (spline->getArea(area) == eOk)
    keep(area);
}

// What the heavy polyline rows read: the first vertex (position through the plane, widths), the
// widths of every vertex for the global width, the length along the vertices, area and choices.
void read2dPolyline(const OdDbObject* o)
{
  const OdDb2dPolyline* polyline = static_cast<const OdDb2dPolyline*>(o);
  const OdGeMatrix3d toWorld = OdGeMatrix3d::planeToWorld(polyline->normal());
  double widths = 0.0, length = 0.0, area = 0.0;
  OdGePoint3d previous;
  bool first = true;
  for (OdDbObjectIteratorPtr it = polyline->vertexIterator(); !it->done(); it->step())
  {
    const OdDb2dVertexPtr vertex = it->entity();
    const OdGePoint3d p = vertex->position();
    if (first)
      keep(toWorld * p);
    else
      length += p.distanceTo(previous);
    widths += vertex->startWidth() + vertex->endWidth() + vertex->bulge() + vertex->vertexType();
    previous = p;
    first = false;
  }
  polyline->getArea(area);
  keep(polyline->thickness());
  keep(widths);
  keep(length);
  keep(area);
  keep(polyline->elevation());
  keep(polyline->polyType());
  keep(polyline->isClosed());
  keep(polyline->isLinetypeGenerationOn());
}

void read3dPolyline(const OdDbObject* o)
{
  const OdDb3dPolyline* polyline = static_cast<const OdDb3dPolyline*>(o);
  double types = 0.0, length = 0.0, endParam = 0.0;
  for (OdDbObjectIteratorPtr it = polyline->vertexIterator(); !it->done(); it->step())
  {
    const OdDb3dPolylineVertexPtr vertex = it->entity();
    types += vertex->vertexType();
    if (types == 0.0)
      keep(vertex->position());
  }
  polyline->getEndParam(endParam);
  polyline->getDistAtParam(endParam, length);
  keep(types);
  keep(length);
  keep(polyline->polyType());
  keep(polyline->isClosed());
}

// The helix rows: the axis point, the constrain, the height, turns and pitch (radial for a
// spiral), both radii, the twist, the slope and the total length.
void readHelix(const OdDbObject* o)
{
  const OdDbHelix* helix = static_cast<const OdDbHelix*>(o);
  keep(helix->axisPoint());
  keep(helix->constrain());
  const double height = helix->height();
  keep(height);
  keep(helix->turns());
  keep(std::fabs(height) <= 1e-10 ? std::fabs(helix->topRadius() - helix->baseRadius()) / helix->turns()
                                  : helix->turnHeight());
  keep(helix->baseRadius());
  keep(helix->topRadius());
  keep(helix->twist());
  keep(helix->turnSlope());
  keep(helix->totalLength());
}

// The multiline rows: the style's name ("Standard" when it does not open), the justification
// and the scale.
void readMline(const OdDbObject* o)
{
  const OdDbMline* mline = static_cast<const OdDbMline*>(o);
  OdDbObjectPtr object = mline->style().openObject();
  OdDbMlineStylePtr style = OdDbMlineStyle::cast(object.get());
  keep(style.isNull() ? OdString(L"Standard") : style->name());
  keep(mline->justification());
  keep(mline->scale());
}

// The shape rows: thickness, position, the name through its style, size, both angles shown
// from 0 to 2pi, and the width factor.
void readShape(const OdDbObject* o)
{
  const OdDbShape* shape = static_cast<const OdDbShape*>(o);
  keep(shape->thickness());
  keep(shape->position());
  keep(shape->name());
  keep(shape->size());
  keep(shape->rotation() < 0.0 ? shape->rotation() + Oda2PI : shape->rotation());
  keep(shape->widthFactor());
  keep(shape->oblique() < 0.0 ? shape->oblique() + Oda2PI : shape->oblique());
}

// The hatch rows: origin, associativity, island style, elevation, the area (twice: the listed
// row and the additive area of the hatch alone), and the pattern or the gradient values.
void readHatch(const OdDbObject* o)
{
  const OdDbHatch* hatch = static_cast<const OdDbHatch*>(o);
  keep(hatch->originPoint().x);
  keep(hatch->associative());
  keep(hatch->hatchStyle());
  keep(hatch->elevation());
  double area = 0.0;
  keep(hatch->getArea(area));
  keep(hatch->getArea(area));
  if (hatch->isGradient())
  {
    OdCmColorArray colors;
    OdGeDoubleArray values;
    hatch->getGradientColors(colors, values);
    keep(colors.size());
    keep(hatch->gradientAngle());
    keep(hatch->gradientShift());
    return;
  }
  keep(hatch->patternType());
  keep(hatch->patternName());
  keep(hatch->patternAngle());
  keep(hatch->patternScale());
  keep(hatch->patternSpace());
}

// The annotation values the text rows show: the flag, the current scale's name and factor (for
// the sheet sizes) and the orientation data.
void readAnnotation(const OdDbObject* o)
{
  static const OdString orientationApp(CKyObjectAnnotationContext::kOrientationAppName);
  keep(o->xData(orientationApp).isNull());
  if (!OdDbAnnotativeObject::isAnnotative(o))
    return;
  const OdDbObjectId scaleId = OdDbAnnotativeObject::currentScale(o);
  if (scaleId.isNull())
    return;
  OdDbAnnotationScalePtr scale = scaleId.safeOpenObject();
  OdString name;
  double factor = 1.0;
  scale->getName(name);
  scale->getScale(factor);
  keep(name);
  keep(factor);
}

void readText(const OdDbObject* o)
{
  const OdDbText* text = static_cast<const OdDbText*>(o);
  keep(text->thickness());
  keep(text->textString());
  keep(text->textStyle());
  keep(text->horizontalMode());
  keep(text->verticalMode());
  keep(text->height());
  keep(text->rotation());
  keep(text->widthFactor());
  keep(text->oblique());
  keep(text->alignmentPoint());
  keep(text->position());
  // "UpsideDown" and "Backward" show the style's flag or the text's own mirroring.
  OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::cast(text->textStyle().openObject().get());
  keep(text->isMirroredInX() || (!style.isNull() && style->isBackwards()));
  keep(text->isMirroredInY() || (!style.isNull() && style->isUpsideDown()));
  readAnnotation(text);
}

void readMText(const OdDbObject* o)
{
  const OdDbMText* mtext = static_cast<const OdDbMText*>(o);
  keep(mtext->contents());
  keep(mtext->textStyle());
  keep(mtext->attachment());
  keep(mtext->flowDirection());
  keep(mtext->width());
  keep(mtext->textHeight());
  keep(mtext->rotation());
  keep(mtext->backgroundFillOn());
  keep(mtext->lineSpacingFactor());
  keep(mtext->lineSpacingStyle());
  keep(mtext->location());
  readAnnotation(mtext);
}

// The attribute definition rows: the text's, then tag, prompt, the five flags and the form's
// rows (the multiline text's attachment and width).
void readAttributeDefinition(const OdDbObject* o)
{
  readText(o);
  const OdDbAttributeDefinition* def = static_cast<const OdDbAttributeDefinition*>(o);
  keep(def->tag());
  keep(def->prompt());
  keep(def->isInvisible());
  keep(def->isConstant());
  keep(def->isVerifiable());
  keep(def->isPreset());
  keep(def->lockPositionInBlock());
  if (def->isMTextAttributeDefinition())
  {
    const OdDbMTextPtr mtext = def->getMTextAttributeDefinition();
    keep(mtext->attachment());
    keep(mtext->width());
  }
}

// The dimension rows: style, text place and rotation, text, measurement, inspection and the
// dimension variables in force that the rows show (each through the dimension, which asks its
// style for the variables it does not override).
void readDimension(const OdDbObject* o)
{
  const OdDbDimension* dim = static_cast<const OdDbDimension*>(o);
  keep(dim->dimensionStyle());
  keep(dim->textPosition());
  keep(dim->textRotation());
  keep(dim->dimensionText());
  keep(dim->getMeasurement());
  keep(dim->inspection());
  keep(dim->inspectionFrame());
  for (int i = 0; i < kOdDimVarCount; ++i)
    keep(dim->dimVarValue(i).real);
}

// The block reference rows: placement, the block's name and units, each attribute's tag and
// value; a multiple insert adds its counts and spacings.
void readBlockReference(const OdDbObject* o)
{
  const OdDbBlockReference* ref = static_cast<const OdDbBlockReference*>(o);
  keep(ref->position());
  keep(ref->scaleFactors().sx);
  keep(ref->rotation());
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(ref->blockTableRecord().openObject().get());
  if (!block.isNull())
  {
    keep(block->getName());
    keep(block->blockInsertUnits());
  }
  for (OdDbObjectIteratorPtr it = ref->attributeIterator(); !it->done(); it->step())
  {
    OdDbAttributePtr attribute = OdDbAttribute::cast(it->entity().get());
    if (!attribute.isNull())
    {
      keep(attribute->tag());
      keep(attribute->textString());
    }
  }
  // A cloud's outline data; a dynamic block's visible parameters with their values and choices.
  for (OdResBufPtr rb = ref->xData(L"PE_CLOUD"); !rb.isNull(); rb = rb->next())
    keep(rb->restype());
  const OdDbDynBlockReference dynamic(ref);
  if (dynamic.isDynamicBlock())
  {
    OdDbDynBlockReferencePropertyArray properties;
    dynamic.getBlockProperties(properties);
    for (const OdDbDynBlockReferenceProperty& property : properties)
    {
      if (!property.show())
        continue;
      keep(property.propertyName());
      keep(property.unitsType());
      keep(property.value());
      OdResBufArray allowed;
      property.getAllowedValues(allowed);
      keep(allowed.size());
    }
  }
  if (const OdDbMInsertBlock* grid = OdDbMInsertBlock::cast(o).get())
  {
    keep(grid->columns());
    keep(grid->rows());
    keep(grid->columnSpacing());
    keep(grid->rowSpacing());
  }
}

struct DirectReader
{
  OdRxClass* objectClass;
  void (*read)(const OdDbObject*);
};

void directPass(const std::vector<OdDbObjectPtr>& selection)
{
  static const DirectReader readers[] = {
    {OdDbLine::desc(), &readLine},         {OdDbCircle::desc(), &readCircle}, {OdDbArc::desc(), &readArc},
    {OdDbPolyline::desc(), &readPolyline}, {OdDbText::desc(), &readText},     {OdDbMText::desc(), &readMText},
    {OdDbEllipse::desc(), &readEllipse},   {OdDbXline::desc(), &readConstructionLine<OdDbXline>},
    {OdDbRay::desc(), &readConstructionLine<OdDbRay>}, {OdDbPoint::desc(), &readPoint},
    {OdDbTrace::desc(), &readPlanarFill<OdDbTrace>},   {OdDbSolid::desc(), &readPlanarFill<OdDbSolid>},
    {OdDbFace::desc(), &readFace},         {OdDbSpline::desc(), &readSpline},
    {OdDb2dPolyline::desc(), &read2dPolyline},
    {OdDb3dPolyline::desc(), &read3dPolyline},
    {OdDbHelix::desc(), &readHelix},
    {OdDbMline::desc(), &readMline},
    {OdDbShape::desc(), &readShape},
    {OdDbHatch::desc(), &readHatch},
    {OdDbAttributeDefinition::desc(), &readAttributeDefinition},
    {OdDbBlockReference::desc(), &readBlockReference},
    {OdDbMInsertBlock::desc(), &readBlockReference},
    {OdDbRotatedDimension::desc(), &readDimension},
    {OdDbAlignedDimension::desc(), &readDimension},
  };
  for (const OdDbObjectPtr& object : selection)
  {
    readEntity(static_cast<const OdDbEntity*>(object.get()));
    const OdRxClass* c = object->isA();
    for (const DirectReader& r : readers)
    {
      if (r.objectClass == c)
      {
        r.read(object.get());
        break;
      }
    }
  }
}

void BM_Gather(benchmark::State& state)
{
  const std::vector<OdDbObjectPtr>& selection = g_drawing->selection(static_cast<std::size_t>(state.range(0)));
  const auto start = std::chrono::steady_clock::now();
  const double startCpu = processSeconds();
  const long rows = gatherPass(selection);
  state.counters["first_s"] = secondsSince(start);
  state.counters["first_cpu_s"] = processSeconds() - startCpu;
  for (auto _ : state)
    gatherPass(selection);
  state.counters["objects"] = static_cast<double>(selection.size());
  state.counters["rows_per_object"] = static_cast<double>(rows) / static_cast<double>(selection.size());
  state.counters["rows_per_s"] =
    benchmark::Counter(static_cast<double>(rows) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Gather)->Arg(10000)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Gather)->Arg(100000)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Gather)->Arg(kLargestSelection)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DirectReads(benchmark::State& state)
{
  const std::vector<OdDbObjectPtr>& selection = g_drawing->selection(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state)
    directPass(selection);
  state.counters["objects"] = static_cast<double>(selection.size());
}
BENCHMARK(BM_DirectReads)->Arg(10000)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DirectReads)->Arg(100000)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DirectReads)->Arg(kLargestSelection)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// Gathering one kind at a time, beside its direct reads: where the time of a mixed selection goes.
void gatherKind(benchmark::State& state, OdDbObjectPtr object)
{
  const std::vector<OdDbObjectPtr>& copies = g_drawing->copiesOf(object, 10000);
  const auto firstStart = std::chrono::steady_clock::now();
  long rows = gatherPass(copies);
  // The first pass also pays what objects measure once and keep (a spline's area, say).
  state.counters["first_us"] = secondsSince(firstStart) * 1e6 / static_cast<double>(copies.size());
  const auto gatherStart = std::chrono::steady_clock::now();
  for (auto _ : state)
    rows = gatherPass(copies);
  const double gatherPerObject =
    secondsSince(gatherStart) / static_cast<double>(state.iterations()) / static_cast<double>(copies.size());
  const auto start = std::chrono::steady_clock::now();
  const int directPasses = 10;
  for (int i = 0; i < directPasses; ++i)
    directPass(copies);
  const double directPerObject = secondsSince(start) / directPasses / static_cast<double>(copies.size());
  state.counters["rows_per_object"] = static_cast<double>(rows) / static_cast<double>(copies.size());
  state.counters["us_per_object"] = gatherPerObject * 1e6;
  state.counters["direct_us_per_object"] = directPerObject * 1e6;
  state.counters["overhead"] = gatherPerObject / directPerObject;
}

// The cheapest row there is, a circle's radius (one accessor, a number), read as the palette
// reads every row (getter and read-only predicate through the description), beside the accessor
// called directly: the per-row cost that every row pays whatever its getter does.
void rowRoundTrip(benchmark::State& state, OdDbObjectPtr circle)
{
  const std::vector<OdDbObjectPtr>& copies = g_drawing->copiesOf(circle, 10000);
  CKyPropertiesContainerImpl container;
  CKyPropertyPEClassFactory::instance()->GatherProperties(circle.get(), container);
  const CKyPropertyDescription* radius = nullptr;
  for (int i = 0; i < container.GetCount() && !radius; ++i)
    if (container.GetAt(i)->GetName() == CKyString("Radius"))
      radius = container.GetAt(i);
  if (!radius)
  {
    state.SkipWithError("the circle has no Radius row");
    return;
  }
  const CKyVariant noContext;
  auto throughRow = [&] {
    for (const OdDbObjectPtr& object : copies)
    {
      CKyVariant value = radius->GetValue(object.get(), noContext);
      benchmark::DoNotOptimize(value);
      bool readOnly = radius->IsReadOnly(object.get());
      benchmark::DoNotOptimize(readOnly);
    }
  };
  auto direct = [&] {
    for (const OdDbObjectPtr& object : copies)
      keep(static_cast<const OdDbCircle*>(object.get())->radius());
  };
  const int passes = 20;
  auto start = std::chrono::steady_clock::now();
  for (auto _ : state)
    for (int i = 0; i < passes; ++i)
      throughRow();
  const double rowSeconds = secondsSince(start) / static_cast<double>(state.iterations() * passes);
  start = std::chrono::steady_clock::now();
  for (int i = 0; i < passes * static_cast<int>(state.iterations()); ++i)
    direct();
  const double directSeconds = secondsSince(start) / static_cast<double>(state.iterations() * passes);
  const double n = static_cast<double>(copies.size());
  state.counters["row_ns"] = rowSeconds / n * 1e9;
  state.counters["direct_ns"] = directSeconds / n * 1e9;
  state.counters["ratio"] = rowSeconds / directSeconds;
}

// Counts every QCoreApplication::translate call while installed (it translates nothing).
class CountingTranslator : public QTranslator
{
public:
  QString translate(const char*, const char*, const char* = nullptr, int = -1) const override
  {
    ++calls;
    return QString();
  }
  bool isEmpty() const override { return false; }
  mutable long calls = 0;
};

// Translation calls of one object's later GetPropertyNames (the listed rows), of its per-object
// pass and of reading its values.
void translateCalls(benchmark::State& state, OdDbObjectPtr object)
{
  CKyPropertyBase* extension = CKyPropertyPEClassFactory::FindExtension(object.get());
  CountingTranslator counter;
  QCoreApplication::installTranslator(&counter);
  CKyPropertiesContainerImpl container;
  CKyPropertiesContainerImpl* previous = CKyPropertiesContainerImpl::Active();
  long listed = 0, perObject = 0, values = 0;
  bool first = true;
  for (auto _ : state)
  {
    container.Clear();
    CKyPropertiesContainerImpl::SetActive(&container);
    const long before = counter.calls;
    CKyPropertiesContainer* out = &container;
    extension->GetPropertyNames(object.get(), out, object->isA(), nullptr, false);
    const long afterListed = counter.calls;
    if (extension->HasDynamicProperties())
      extension->GetPropertyNamesDynamic(object.get(), &container);
    const long afterPerObject = counter.calls;
    for (int i = 0; i < container.GetCount(); ++i)
      benchmark::DoNotOptimize(container.GetAt(i)->GetValue(object.get(), CKyVariant()));
    CKyPropertiesContainerImpl::SetActive(previous);
    if (first) // the first call may build the lists
    {
      first = false;
      continue;
    }
    listed = afterListed - before;
    perObject = afterPerObject - afterListed;
    values = counter.calls - afterPerObject;
  }
  QCoreApplication::removeTranslator(&counter);
  state.counters["listed_pass"] = static_cast<double>(listed);
  state.counters["per_object_pass"] = static_cast<double>(perObject);
  state.counters["values"] = static_cast<double>(values);
}

// A print context that drops everything.
class DiscardingPrintContext : public CKyPrintInfoContext
{
public:
  void PrintString(const CKyString&, const CKyString&) override {}
  void PrintString(const CKyString&) override {}
  void PrintPoint(const CKyString&, const OdGePoint3d&) override {}
  void PrintPoint(const CKyString&, const OdGePoint2d&) override {}
  void PrintDist(const CKyString&, double) override {}
  void PrintAngle(const CKyString&, double) override {}
  void PrintArea(const CKyString&, double) override {}
  void PrintWidth(const CKyString&, double) override {}
  void PrintScale(const CKyString&, double) override {}
  void PrintInt(const CKyString&, int) override {}
  void PrintBool(const CKyString&, bool) override {}
  void PrintVector3D(const CKyString&, const OdGeVector3d&) override {}
  bool IsPrintInUCS() const override { return false; }
  OdGeMatrix3d GetWorldToWorkingPlaneMatrix() const override { return OdGeMatrix3d(); }
  bool CheckCounter() override { return true; }
};

void BM_ListPolyline(benchmark::State& state)
{
  const OdDbObjectPtr& polyline = g_drawing->polyline(static_cast<int>(state.range(0)));
  DiscardingPrintContext context;
  for (auto _ : state)
    benchmark::DoNotOptimize(CKyPrintObjectInfoPE::PrintInfo(polyline.get(), &context));
  state.SetComplexityN(state.range(0));
  state.counters["vertices_per_s"] =
    benchmark::Counter(static_cast<double>(state.range(0)) * static_cast<double>(state.iterations()),
                       benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ListPolyline)
  ->RangeMultiplier(10)
  ->Range(10000, kLargestSelection)
  ->Unit(benchmark::kMillisecond)
  ->UseRealTime()
  ->Complexity(benchmark::oN);

// Keeps every run for the budget table while the console shows them as usual.
class BudgetReporter : public benchmark::ConsoleReporter
{
public:
  explicit BudgetReporter(bool color)
    : benchmark::ConsoleReporter(color ? OO_Defaults : OO_Tabular)
  {
  }

  void ReportRuns(const std::vector<Run>& runs) override
  {
    for (const Run& run : runs)
    {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        m_runs[run.benchmark_name()] = run;
    }
    benchmark::ConsoleReporter::ReportRuns(runs);
  }

  // Seconds per iteration of a run (wall time, or processor time), or a negative number when it
  // did not run.
  double seconds(const std::string& name, bool processor = false) const
  {
    auto it = m_runs.find(name);
    if (it == m_runs.end())
      return -1.0;
    static const std::map<benchmark::TimeUnit, double> perUnit = {{benchmark::kNanosecond, 1e-9},
                                                                  {benchmark::kMicrosecond, 1e-6},
                                                                  {benchmark::kMillisecond, 1e-3},
                                                                  {benchmark::kSecond, 1.0}};
    const double t = processor ? it->second.GetAdjustedCPUTime() : it->second.GetAdjustedRealTime();
    return t * perUnit.at(it->second.time_unit);
  }

  double counter(const std::string& name, const std::string& key) const
  {
    auto it = m_runs.find(name);
    if (it == m_runs.end() || !it->second.counters.count(key))
      return -1.0;
    return it->second.counters.at(key).value;
  }

  std::vector<std::string> names(const std::string& prefix) const
  {
    std::vector<std::string> out;
    for (const auto& entry : m_runs)
      if (entry.first.compare(0, prefix.size(), prefix) == 0)
        out.push_back(entry.first);
    return out;
  }

private:
  std::map<std::string, Run> m_runs;
};

void printBudgets(const BudgetReporter& r)
{
  struct Line
  {
    std::string what;
    double measured;
    std::string limitText;
    std::function<bool(double)> met;
    const char* unit;
  };
  const std::string largest = std::to_string(kLargestSelection);
  const double gatherLater = r.seconds("BM_Gather/" + largest + "/iterations:3/real_time");
  const double gatherFirst = r.counter("BM_Gather/" + largest + "/iterations:3/real_time", "first_s");
  const double gatherLaterCpu = r.seconds("BM_Gather/" + largest + "/iterations:3/real_time", true);
  const double gatherFirstCpu = r.counter("BM_Gather/" + largest + "/iterations:3/real_time", "first_cpu_s");
  const double direct = r.seconds("BM_DirectReads/" + largest + "/iterations:3/real_time");
  double listedCalls = -1.0;
  for (const std::string& name : r.names("BM_TranslateCalls/"))
    listedCalls = std::max(listedCalls, r.counter(name, "listed_pass"));
  const double listLargest = r.seconds("BM_ListPolyline/" + largest + "/real_time");
  const double listSmallest = r.seconds("BM_ListPolyline/10000/real_time");
  const double perVertexRatio =
    listLargest > 0 && listSmallest > 0 ? (listLargest / kLargestSelection) / (listSmallest / 10000.0) : -1.0;

  const std::vector<Line> lines = {
    {"gather 1,000,000 mixed objects, later passes", gatherLater, "< 2", [](double v) { return v < 2.0; }, "s"},
    {"gather 1,000,000 mixed objects, first pass", gatherFirst, "< 2", [](double v) { return v < 2.0; }, "s"},
    // What the two passes cost the processor: the wall times on a machine doing nothing else.
    {"  the same, later passes, processor time", gatherLaterCpu, "< 2", [](double v) { return v < 2.0; }, "s"},
    {"  the same, first pass, processor time", gatherFirstCpu, "< 2", [](double v) { return v < 2.0; }, "s"},
    // Wall times swing on a shared machine: the budget on this ratio is counted in instructions
    // (bench/instructions.sh); the wall-time figure is shown for comparison only.
    {"gather / direct reads, wall time (budget: instructions.sh)",
     direct > 0 ? gatherLater / direct : -1.0, "-", [](double) { return true; }, "x"},
    {"translate calls per later GetPropertyNames (most of any kind)", listedCalls, "0",
     [](double v) { return v == 0.0; }, ""},
    {"list a 1,000,000-vertex polyline", listLargest, "< 1", [](double v) { return v < 1.0; }, "s"},
    {"listing time per vertex, 1,000,000 / 10,000 vertices", perVertexRatio, "<= 1.5",
     [](double v) { return v <= 1.5; }, "x"},
  };
  std::printf("\n%-64s %12s %8s  %s\n", "Budget", "Measured", "Limit", "Met");
  for (const Line& l : lines)
  {
    if (l.measured < 0)
    {
      std::printf("%-64s %12s %8s  %s\n", l.what.c_str(), "not run", l.limitText.c_str(), "-");
      continue;
    }
    std::printf("%-64s %10.3f %-2s %6s %-2s %s\n", l.what.c_str(), l.measured, l.unit, l.limitText.c_str(), l.unit,
                l.met(l.measured) ? "yes" : "NO");
  }
  const std::string roundTrip = "BM_RowRoundTrip/OdDbCircle/Radius/iterations:10/real_time";
  const double rowNs = r.counter(roundTrip, "row_ns"), directNs = r.counter(roundTrip, "direct_ns");
  if (rowNs > 0 && directNs > 0)
    std::printf("\nFor reference: one number row through the palette %.1f ns, its accessor alone %.1f ns (%.1fx)\n",
                rowNs, directNs, rowNs / directNs);
}
} // namespace

int main(int argc, char** argv)
{
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  auto drawing = std::make_unique<BenchDrawing>();
  g_drawing = drawing.get();
  // Per kind of the sample drawing: gathering 10,000 copies, then the translation calls.
  const std::vector<std::pair<std::string, OdDbObjectPtr>> kinds = drawing->samplesByKind();
  for (const auto& [name, object] : kinds)
    benchmark::RegisterBenchmark(("BM_GatherKind/" + name).c_str(), gatherKind, object)
      ->Iterations(10)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  for (const auto& [name, object] : kinds)
    benchmark::RegisterBenchmark(("BM_TranslateCalls/" + name).c_str(), translateCalls, object)->Iterations(3);
  for (const auto& [name, object] : kinds)
    if (object->isA() == OdDbCircle::desc())
      benchmark::RegisterBenchmark("BM_RowRoundTrip/OdDbCircle/Radius", rowRoundTrip, object)
        ->Iterations(10)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  BudgetReporter reporter(isatty(fileno(stdout)) != 0);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  printBudgets(reporter);
  benchmark::Shutdown();
  g_drawing = nullptr;
  return 0;
}
