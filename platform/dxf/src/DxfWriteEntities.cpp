// Kind writers of the entities the reader maps (LINE, CIRCLE, ARC, TEXT, MTEXT, LWPOLYLINE): the
// common "AcDbEntity" subclass, each kind's subclasses with the group codes the reader reads, and
// the extended data with the host's hyperlink in the file's form. Values the reader defaults to
// the same are left out; values the output's version cannot carry are refused (DxfWriteError).
#include <cmath>
#include <utility>

#include "DbArc.h"
#include "DbCircle.h"
#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbLine.h"
#include "DbMText.h"
#include "DbPolyline.h"
#include "DbText.h"
#include "DxfSource.h"
#include "DxfWriter.h"
#include "Ge/GeMatrix3d.h"
#include "KyUtils.h"

namespace kydxf
{
namespace
{
// "LINE 2A: <what>".
[[noreturn]] void refuse(const OdDbObject* pObj, const char* kind, const std::string& what)
{
  throw DxfWriteError{std::string(kind) + " " + DxfEncoder::handle(static_cast<std::uint64_t>(pObj->getDbHandle())) +
                      ": " + what};
}


// -0.0 is not the default 0.0: the database keeps its sign.
bool differs(double value, double standard)
{
  return value != standard || std::signbit(value) != std::signbit(standard);
}

// The reader takes such a normal as the world's: no object coordinate system to go through.
bool isWorldZ(const OdGeVector3d& normal)
{
  return normal.x == 0.0 && normal.y == 0.0 && normal.z > 0.0;
}

std::string rgbText(const OdCmColor& color)
{
  return std::to_string(color.red()) + "," + std::to_string(color.green()) + "," + std::to_string(color.blue());
}

// Colour index (code), and from R2004 on the true colour (code + 358: 420, 421) and its name
// (code + 368: 430, 431) as "BOOK$NAME" or the name alone.
void colorFields(const OdDbObject* pObj, const char* kind, DxfFields& out, int code, const OdCmColor& color,
                 const char* what)
{
  switch (color.colorMethod())
  {
  case OdCmEntityColor::kByLayer: out.integer(code, 256); return;
  case OdCmEntityColor::kByBlock: out.integer(code, 0); return;
  case OdCmEntityColor::kByACI: out.integer(code, color.colorIndex()); return;
  case OdCmEntityColor::kByColor: break;
  default:
    refuse(pObj, kind, std::string("the ") + what + " " + color.getDescription().toUtf8() + " has no form in DXF");
  }
  if (color.hasColorName())
  {
    const OdString name = color.hasBookName() ? color.bookName() + L"$" + color.colorName() : color.colorName();
    dxfRequireVersion(pObj, kind, out, kDxfR2004, std::string("the ") + what + " name '" + name.toUtf8() + "'");
    // Files keep the book before the first '$'.
    if (!color.hasBookName() && color.colorName().find(L'$') >= 0)
      refuse(pObj, kind, std::string("the ") + what + " name '" + name.toUtf8() + "' without a colour book cannot "
                         "hold '$' in DXF");
  }
  dxfRequireVersion(pObj, kind, out, kDxfR2004, std::string("a true ") + what + " (" + rgbText(color) + ")");
  out.integer(code, color.colorIndex());
  out.integer(code + 358, (color.red() << 16) | (color.green() << 8) | color.blue());
  if (color.hasColorName())
    out.text(code + 368, color.hasBookName() ? color.bookName() + L"$" + color.colorName() : color.colorName());
}

// The handle under which the drawing's plot style names (ACAD_PLOTSTYLENAME) list the style:
// the reader takes a named plot style by that handle (380 3, 390).
std::uint64_t plotStyleHandle(const OdDbEntity* pEnt, const char* kind, const DxfFields& out, const OdString& name)
{
  const std::uint64_t handle = dxfPlotStyleHandle(out, name);
  if (handle == 0)
    refuse(pEnt, kind, "the plot style '" + name.toUtf8() +
                         "' cannot be written: the drawing's plot style names (ACAD_PLOTSTYLENAME) do not list it");
  return handle;
}
} // namespace

void dxfRequireVersion(const OdDbObject* pObj, const char* kind, const DxfFields& out, int since,
                       const std::string& what)
{
  if (out.version() < since)
    refuse(pObj, kind, what + " cannot be written in " + dxfVersionText(out.version()));
}

OdGePoint3d toObject(const OdGePoint3d& p, const OdGeVector3d& normal)
{
  return isWorldZ(normal) ? p : OdGeMatrix3d::worldToPlane(normal) * p;
}

void thicknessField(DxfFields& out, double thickness)
{
  if (differs(thickness, 0.0))
    out.real(39, thickness);
}

void normalField(DxfFields& out, const OdGeVector3d& normal)
{
  if (!isWorldZ(normal))
    out.vector(210, normal);
}

// The common "AcDbEntity" subclass. R12 files put the same codes before the kind's own.
void entityFields(const OdDbEntity* pEnt, const char* kind, DxfFields& out)
{
  out.subclass("AcDbEntity", {67, 8, 6, 62, 420, 430, 370, 48, 60, 440, 380, 390});
  OdDbDatabase* db = out.database();
  if (db && pEnt->ownerId() == db->getPaperSpaceId())
    out.integer(67, 1);
  out.recordName(8, pEnt->layerId());
  const OdDbObjectId linetype = pEnt->linetypeId();
  if (!linetype.isNull() && (!db || linetype != db->getLinetypeByLayerId()))
    out.recordName(6, linetype);
  const OdCmColor color = pEnt->color();
  if (!color.isByLayer())
    colorFields(pEnt, kind, out, 62, color, "colour");
  const OdDb::LineWeight lineWeight = pEnt->lineWeight();
  if (lineWeight != OdDb::kLnWtByLayer)
  {
    dxfRequireVersion(pEnt, kind, out, kDxfR2000, "the lineweight " + std::to_string(lineWeight));
    out.integer(370, lineWeight);
  }
  if (differs(pEnt->linetypeScale(), 1.0))
    out.real(48, pEnt->linetypeScale());
  if (pEnt->visibility() == OdDb::kInvisible)
    out.integer(60, 1);
  const OdCmTransparency transparency = pEnt->transparency();
  if (!transparency.isByLayer())
  {
    dxfRequireVersion(pEnt, kind, out, kDxfR2004,
                   transparency.isByBlock() ? std::string("the transparency ByBlock")
                                            : "the transparency " + std::to_string(transparency.alpha()) + "/255");
    out.integer(440, static_cast<std::int64_t>(transparency.serializeOut()));
  }
  // Drawings with colour-dependent plot styles have none by name.
  if (db && !db->getPSTYLEMODE())
  {
    const OdString name = pEnt->plotStyleName();
    if (name.iCompare(L"ByLayer") != 0)
    {
      dxfRequireVersion(pEnt, kind, out, kDxfR2000, "the plot style '" + name.toUtf8() + "'");
      if (name.iCompare(L"ByBlock") == 0)
        out.integer(380, 1);
      else
      {
        const std::uint64_t handle = plotStyleHandle(pEnt, kind, out, name);
        out.integer(380, 3);
        out.handle(390, handle);
      }
    }
  }
}

namespace
{
// The host's hyperlink: 1001 host application, 1000 link (not empty), 1000 description. Other
// shapes of its data go out as they are.
bool hostHyperlink(const OdResBuf* chain, OdString& link, OdString& description)
{
  const OdResBufPtr first = chain->next();
  if (first.isNull() || first->restype() != 1000 || first->getString().isEmpty())
    return false;
  const OdResBufPtr second = first->next();
  if (second.isNull() || second->restype() != 1000 || !second->next().isNull())
    return false;
  link = first->getString();
  description = second->getString();
  return true;
}
} // namespace

// Extended data as the database holds it, except the host's hyperlink, which files keep under
// their own application (1000 link, then the description in a 1002 group).
void dxfXDataFields(const OdDbObject* pObj, const char* kind, DxfFields& out)
{
  out.xdata();
  const bool wroteAcad = dxfWriteDimensionOverrides(pObj, out);
  const bool wroteOwn = dxfWriteOwnApplicationData(pObj, out);
  const OdArray<OdString> apps = pObj->xDataApplications();
  bool hasHostLink = false, hasFileLink = false;
  for (unsigned i = 0; i < apps.size(); ++i)
  {
    hasHostLink = hasHostLink || apps[i].iCompare(CKyUtils::kHyperlinkAppName) == 0;
    hasFileLink = hasFileLink || apps[i].iCompare(dxfHyperlinkApplication()) == 0;
  }
  if (hasHostLink && hasFileLink)
    refuse(pObj, kind, "a hyperlink and extended data of " + OdString(dxfHyperlinkApplication()).toUtf8() +
                         " cannot both be written: files keep hyperlinks under that application");
  for (unsigned i = 0; i < apps.size(); ++i)
  {
    const OdResBufPtr chain = pObj->xData(apps[i]);
    if (chain.isNull() || (wroteAcad && apps[i].iCompare(L"ACAD") == 0) ||
        (wroteOwn && apps[i].iCompare(dxfOwnApplication()) == 0))
      continue;
    OdString link, description;
    if (apps[i].iCompare(CKyUtils::kHyperlinkAppName) != 0 || !hostHyperlink(chain.get(), link, description))
    {
      out.xdataChain(chain.get());
      continue;
    }
    out.text(1001, dxfHyperlinkApplication());
    out.text(1000, link);
    if (!description.isEmpty())
    {
      out.text(1002, L"{");
      out.text(1000, description);
      out.text(1002, L"}");
    }
  }
}

namespace
{
void lineFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbLine* pLine = static_cast<const OdDbLine*>(pObj);
  entityFields(pLine, "LINE", out);
  out.subclass("AcDbLine", {39, 10, 20, 30, 11, 21, 31, 210, 220, 230});
  thicknessField(out, pLine->thickness());
  out.point(10, pLine->startPoint());
  out.point(11, pLine->endPoint());
  normalField(out, pLine->normal());
  dxfXDataFields(pLine, "LINE", out);
}

// Centre in the object coordinate system, radius, thickness and normal.
template <class Curve>
void circleSubclass(const Curve* pCurve, DxfFields& out)
{
  out.subclass("AcDbCircle", {39, 10, 20, 30, 40, 210, 220, 230});
  thicknessField(out, pCurve->thickness());
  out.point(10, toObject(pCurve->center(), pCurve->normal()));
  out.real(40, pCurve->radius());
  normalField(out, pCurve->normal());
}

void circleFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbCircle* pCircle = static_cast<const OdDbCircle*>(pObj);
  entityFields(pCircle, "CIRCLE", out);
  circleSubclass(pCircle, out);
  dxfXDataFields(pCircle, "CIRCLE", out);
}

void arcFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbArc* pArc = static_cast<const OdDbArc*>(pObj);
  entityFields(pArc, "ARC", out);
  circleSubclass(pArc, out);
  out.subclass("AcDbArc", {50, 51});
  out.angle(50, pArc->startAngle());
  out.angle(51, pArc->endAngle());
  dxfXDataFields(pArc, "ARC", out);
}

} // namespace

void dxfTextSubclassFields(const OdDbText* pText, DxfFields& out)
{
  out.subclass("AcDbText", {39, 10, 20, 30, 40, 1, 50, 41, 51, 7, 71, 72, 11, 21, 31, 210, 220, 230});
  const OdGeVector3d normal = pText->normal();
  thicknessField(out, pText->thickness());
  out.point(10, toObject(pText->position(), normal));
  out.real(40, pText->height());
  out.text(1, pText->textString());
  if (differs(pText->rotation(), 0.0))
    out.angle(50, pText->rotation());
  if (differs(pText->widthFactor(), 1.0))
    out.real(41, pText->widthFactor());
  if (differs(pText->oblique(), 0.0))
    out.angle(51, pText->oblique());
  OdDbDatabase* db = out.database();
  const OdDbObjectId style = pText->textStyle();
  if (!style.isNull() && (!db || style != db->getTextStyleStandardId()))
    out.recordName(7, style);
  const int generation = (pText->isMirroredInX() ? 2 : 0) | (pText->isMirroredInY() ? 4 : 0);
  if (generation != 0)
    out.integer(71, generation);
  if (pText->horizontalMode() != OdDb::kTextLeft)
    out.integer(72, pText->horizontalMode());
  // Without an alignment point the reader anchors the text at its position.
  if (pText->alignmentPoint() != pText->position())
    out.point(11, toObject(pText->alignmentPoint(), normal));
  normalField(out, normal);
}

namespace
{
void textFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbText* pText = static_cast<const OdDbText*>(pObj);
  entityFields(pText, "TEXT", out);
  dxfTextSubclassFields(pText, out);
  // TEXT repeats its marker for the vertical justification.
  out.subclass("AcDbText", {73});
  if (pText->verticalMode() != OdDb::kTextBase)
    out.integer(73, pText->verticalMode());
  dxfXDataFields(pText, "TEXT", out);
}

// Contents up to 250 bytes in one 1 tag; longer ones in chunks of at most 250 bytes (3 tags, the
// last a 1 tag), cut between characters so that no chunk ends inside a character's encoding (or
// its escape).
void contentsFields(const OdString& contents, DxfFields& out)
{
  const DxfEncoder& encoder = out.encoder();
  std::string whole = encoder.text(contents);
  if (whole.size() <= 250)
  {
    out.raw(1, std::move(whole));
    return;
  }
  std::string chunk;
  for (wchar_t c : contents.wstr())
  {
    const std::string piece = encoder.text(OdString(std::wstring(1, c)));
    if (chunk.size() + piece.size() > 250)
      out.raw(3, std::exchange(chunk, std::string()));
    chunk += piece;
  }
  out.raw(1, std::move(chunk));
}

} // namespace

void dxfMTextValues(const OdDbMText* pMText, const char* kind, DxfFields& out)
{
  out.point(10, pMText->location());
  out.real(40, pMText->textHeight());
  out.real(41, pMText->width());
  out.integer(71, pMText->attachment());
  out.integer(72, pMText->flowDirection());
  contentsFields(pMText->contents(), out);
  OdDbDatabase* db = out.database();
  const OdDbObjectId style = pMText->textStyle();
  if (!style.isNull() && (!db || style != db->getTextStyleStandardId()))
    out.recordName(7, style);
  normalField(out, pMText->normal());
  // The rotation, not the direction (11, which the reader prefers and which a file's tags may
  // still hold): the direction would lose the rotation's sign and whole turns.
  if (differs(pMText->rotation(), 0.0))
    out.angle(50, pMText->rotation());
  if (pMText->lineSpacingStyle() != OdDb::kAtLeast)
    out.integer(73, pMText->lineSpacingStyle());
  if (differs(pMText->lineSpacingFactor(), 1.0))
    out.real(44, pMText->lineSpacingFactor());
  const int fill = (pMText->backgroundFillOn() ? 1 : 0) | (pMText->useBackgroundColorOn() ? 2 : 0);
  const OdCmColor fillColor = pMText->getBackgroundFillColor();
  const bool fillScale = differs(pMText->getBackgroundScaleFactor(), 1.5);
  if (fill != 0 || !fillColor.isByLayer() || fillScale)
    dxfRequireVersion(pMText, kind, out, kDxfR2004, "a background fill");
  if (fill != 0)
    out.integer(90, fill);
  if (!fillColor.isByLayer())
    colorFields(pMText, kind, out, 63, fillColor, "background fill colour");
  if (fillScale)
    out.real(45, pMText->getBackgroundScaleFactor());
  if (pMText->getColumnType() != OdDbMText::kNoColumns)
    out.integer(75, pMText->getColumnType());
  if (pMText->getColumnCount() != 1)
    out.integer(76, pMText->getColumnCount());
  if (differs(pMText->getColumnWidth(), 0.0))
    out.real(48, pMText->getColumnWidth());
  if (differs(pMText->getColumnGutterWidth(), 0.0))
    out.real(49, pMText->getColumnGutterWidth());
}

namespace
{
void mtextFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbMText* pMText = static_cast<const OdDbMText*>(pObj);
  entityFields(pMText, "MTEXT", out);
  out.subclass("AcDbMText", {10, 20, 30, 40, 41, 71, 72, 1, 3, 7, 210, 220, 230, 11, 21, 31, 50, 73, 44, 90, 63,
                             421, 431, 45, 75, 76, 48, 49});
  dxfMTextValues(pMText, "MTEXT", out);
  dxfXDataFields(pMText, "MTEXT", out);
}

void lwpolylineFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbPolyline* pPolyline = static_cast<const OdDbPolyline*>(pObj);
  entityFields(pPolyline, "LWPOLYLINE", out);
  out.subclass("AcDbPolyline", {90, 70, 43, 38, 39, 10, 20, 40, 41, 42, 210, 220, 230});
  const unsigned int count = pPolyline->numVerts();
  out.integer(90, count);
  out.integer(70, (pPolyline->isClosed() ? 1 : 0) | (pPolyline->hasPlinegen() ? 128 : 0));
  // A constant width other than 0 is every vertex's; otherwise each vertex gives its own.
  const double constantWidth = pPolyline->getConstantWidth();
  const bool vertexWidths = !differs(constantWidth, 0.0) && pPolyline->hasWidth();
  if (differs(constantWidth, 0.0))
    out.real(43, constantWidth);
  if (differs(pPolyline->elevation(), 0.0))
    out.real(38, pPolyline->elevation());
  thicknessField(out, pPolyline->thickness());
  for (unsigned int i = 0; i < count; ++i)
  {
    OdGePoint2d p;
    pPolyline->getPointAt(i, p);
    out.point(10, p);
    if (vertexWidths)
    {
      double startWidth = 0.0, endWidth = 0.0;
      pPolyline->getWidthsAt(i, startWidth, endWidth);
      out.real(40, startWidth);
      out.real(41, endWidth);
    }
    const double bulge = pPolyline->getBulgeAt(i);
    if (differs(bulge, 0.0))
      out.real(42, bulge);
  }
  normalField(out, pPolyline->normal());
  dxfXDataFields(pPolyline, "LWPOLYLINE", out);
}

const DxfKindWriter kLineWriter{"LINE", &OdDbLine::desc, &lineFields};
const DxfKindWriter kCircleWriter{"CIRCLE", &OdDbCircle::desc, &circleFields};
const DxfKindWriter kArcWriter{"ARC", &OdDbArc::desc, &arcFields};
const DxfKindWriter kTextWriter{"TEXT", &OdDbText::desc, &textFields};
const DxfKindWriter kMTextWriter{"MTEXT", &OdDbMText::desc, &mtextFields};
const DxfKindWriter kLwPolylineWriter{"LWPOLYLINE", &OdDbPolyline::desc, &lwpolylineFields};

const DxfKindWriters kEntityWriters{&kLineWriter, &kCircleWriter,     &kArcWriter,
                                    &kTextWriter, &kMTextWriter, &kLwPolylineWriter};
} // namespace
} // namespace kydxf
