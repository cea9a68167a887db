// OdDbHatch: a planar area filled with a pattern or a gradient, bounded by loops in the plane of
// a normal at an elevation (loop coordinates are in that plane's object coordinate system).
// A loop is either a polyline (vertices with bulges) or a chain of edge curves (lines, circular
// arcs, elliptical arcs, splines); its type bits say how it was found and which island it is.
// The island style decides which loops take part in the fill: all of them (normal), the
// external and outermost ones (outer) or the external ones only (ignore); nested loops that
// take part alternate between filled and empty.
//
// The hatch owns its edge curves: appendLoop takes the curves it is given, getLoopAt hands out
// the hatch's own (valid until the loop changes). Getters need read access, setters write
// access; refused values raise OdError and leave the hatch unchanged.
#ifndef OD_DB_HATCH_H
#define OD_DB_HATCH_H

#include "CmColor.h"
#include "DbEntity.h"
#include "Ge/GeCurve2d.h"
#include "Ge/GeDoubleArray.h"
#include "Ge/GePoint2dArray.h"
#include "Ge/GeVector3d.h"
#include "OdArray.h"

#include <vector>

// One line family of a hatch pattern: its angle, a base point, the offset from one line to the
// next, and dashes (positive drawn, negative gaps, 0 a dot); no dashes is a continuous line.
struct OdHatchPatternLine
{
  double m_dLineAngle = 0.0;
  OdGePoint2d m_basePoint;
  OdGeVector2d m_patternOffset;
  OdGeDoubleArray m_dashes;
};
typedef OdArray<OdHatchPatternLine> OdHatchPattern;
typedef OdArray<OdCmColor> OdCmColorArray;
typedef OdArray<OdDbObjectId> OdDbObjectIdArray;

class OdDbHatch : public OdDbEntity
{
public:
  ODRX_DECLARE_MEMBERS(OdDbHatch);

  enum HatchLoopType
  {
    kDefault = 0,
    kExternal = 1,
    kPolyline = 2,
    kDerived = 4,
    kTextbox = 8,
    kOutermost = 0x10,
    kNotClosed = 0x20,
    kSelfIntersecting = 0x40,
    kTextIsland = 0x80,
    kDuplicate = 0x100
  };
  enum HatchEdgeType
  {
    kLine = 1,
    kCirArc = 2,
    kEllArc = 3,
    kSpline = 4
  };
  enum HatchPatternType
  {
    kUserDefined = 0,
    kPreDefined = 1,
    kCustomDefined = 2
  };
  enum HatchStyle
  {
    kNormal = 0,
    kOuter = 1,
    kIgnore = 2
  };
  enum HatchObjectType
  {
    kHatchObject = 0,
    kGradientObject = 1
  };
  enum GradientPatternType
  {
    kPreDefinedGradient = 0,
    kUserDefinedGradient = 1
  };
  typedef OdArray<OdGeCurve2d*> EdgeArray;

  // A predefined "SOLID" pattern hatch, style normal, no loops, scale and spacing 1.
  OdDbHatch();
  ~OdDbHatch() override;

  // Loops.
  int numLoops() const;
  // Throws OdError(eInvalidIndex) for an index past the last loop.
  OdInt32 loopTypeAt(int loopIndex) const;
  // The polyline form; eInvalidIndex for a bad index, eNotApplicable for an edge loop.
  void getLoopAt(int loopIndex, OdGePoint2dArray& vertices, OdGeDoubleArray& bulges) const;
  // The edge form; eInvalidIndex for a bad index, eNotApplicable for a polyline loop. The
  // curves stay the hatch's.
  void getLoopAt(int loopIndex, EdgeArray& edgePtrs) const;
  // A polyline loop (the polyline bit is set): bulges empty or one per vertex; at least one
  // vertex; non-finite values are refused (eInvalidInput).
  void appendLoop(OdInt32 loopType, const OdGePoint2dArray& vertices, const OdGeDoubleArray& bulges);
  // An edge loop (the polyline bit is cleared): lines, circular and elliptical arcs and NURBS
  // curves only (eInvalidInput otherwise, and then the hatch deletes none of them). The hatch
  // takes the curves.
  void appendLoop(OdInt32 loopType, const EdgeArray& edgePtrs);
  void insertLoopAt(int loopIndex, OdInt32 loopType, const OdGePoint2dArray& vertices, const OdGeDoubleArray& bulges);
  void removeLoopAt(int loopIndex);
  // The source objects the loop was found from (associativity).
  void getAssocObjIdsAt(int loopIndex, OdDbObjectIdArray& dbObjIds) const;
  void setAssocObjIdsAt(int loopIndex, const OdDbObjectIdArray& dbObjIds);

  HatchStyle hatchStyle() const;
  // kNormal, kOuter or kIgnore; eInvalidInput otherwise.
  void setHatchStyle(HatchStyle hatchStyle);
  bool associative() const;
  void setAssociative(bool isAssociative);
  double elevation() const;
  void setElevation(double elevation);
  OdGeVector3d normal() const;
  // Stored normalised; eInvalidInput for a zero vector.
  void setNormal(const OdGeVector3d& normal);
  // The pattern's origin in the hatch plane: setting it moves the pattern lines with it, and a
  // user-defined pattern's lines pass through it. Files do not keep it apart from the lines.
  OdGePoint2d originPoint() const;
  void setOriginPoint(const OdGePoint2d& origin);

  // Kind.
  HatchObjectType hatchObjectType() const;
  void setHatchObjectType(HatchObjectType type);
  bool isGradient() const { return hatchObjectType() == kGradientObject; }
  bool isHatch() const { return hatchObjectType() == kHatchObject; }
  // A predefined pattern named "SOLID" (any case).
  bool isSolidFill() const;

  // Pattern.
  HatchPatternType patternType() const;
  OdString patternName() const;
  // Sets type and name and regenerates the lines: "_U" style user-defined lines from angle,
  // spacing and double; predefined and custom patterns keep the lines they were given (none
  // until setPattern with lines). eInvalidInput for an unknown type.
  void setPattern(HatchPatternType patType, const OdString& patName);
  // Type, name, angle, scale and the pattern's lines (at scale 1, angle 0) in one step; the
  // lines are stored scaled and turned, and moved by the base point.
  void setPattern(HatchPatternType patType, const OdString& patName, double angle, double scale,
                  const OdHatchPattern& pattern, const OdGePoint2d& basePoint = OdGePoint2d());
  double patternAngle() const;
  // Any finite angle, kept as given.
  void setPatternAngle(double angle);
  double patternScale() const;
  // Positive, and small enough that the scaled lines stay finite (eInvalidInput otherwise).
  void setPatternScale(double scale);
  double patternSpace() const;
  // Positive (eInvalidInput otherwise).
  void setPatternSpace(double space);
  bool patternDouble() const;
  void setPatternDouble(bool isDouble);
  // The lines as stored (scaled and turned).
  int numPatternDefinitions() const;
  void getPatternDefinitionAt(int index, double& angle, double& baseX, double& baseY, double& offsetX,
                              double& offsetY, OdGeDoubleArray& dashes) const;
  // Stores the lines as given (a file's lines), without scaling or turning them.
  void setPatternDefinitions(const OdHatchPattern& lines);
  // ISO pen width as a line weight code (-1 by layer and below), kept as given.
  int isoPenWidth() const;
  void setIsoPenWidth(int width);
  double pixelSize() const;
  void setPixelSize(double size);
  const OdGePoint2dArray& seedPoints() const;
  void setSeedPoints(const OdGePoint2dArray& points);

  // Gradient.
  GradientPatternType gradientType() const;
  OdString gradientName() const;
  void setGradient(GradientPatternType gradType, const OdString& gradName);
  double gradientAngle() const;
  void setGradientAngle(double angle);
  // 0 centred .. 1 shifted.
  double gradientShift() const;
  void setGradientShift(double shift);
  bool gradientOneColorMode() const;
  void setGradientOneColorMode(bool oneColorMode);
  double shadeTintValue() const;
  // 0 dark .. 1 light.
  void setShadeTintValue(double value);
  // Colours with their positions in [0, 1].
  void getGradientColors(OdCmColorArray& colors, OdGeDoubleArray& values) const;
  // At least one colour and one value per colour (eInvalidInput otherwise).
  void setGradientColors(unsigned count, const OdCmColor* colors, const double* values);

  // The filled area: each loop taking part under the island style counts with its exact area
  // (arcs, elliptical arcs and splines included), added or taken away by how deeply it lies
  // inside the others. When two of them cross, what an odd number of them covers (lines and
  // arcs exact, elliptical and spline edges flattened with their area kept). eOk always; a
  // hatch without such loops has area 0.
  OdResult getArea(double& area) const;

  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  // Maps the loops, seed points, pattern origin and lines, normal and elevation under a rotation,
  // reflection, uniform scale and translation; eNotApplicable for any other transform, eInvalidInput
  // when the result is not finite. The hatch is unchanged unless eOk.
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

  struct Loop;

private:
  void regenerateUserLines();
  double measureArea() const;

  std::vector<Loop*> m_loops;
  HatchStyle m_style = kNormal;
  bool m_associative = false;
  double m_elevation = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  OdGePoint2d m_origin;
  HatchObjectType m_objectType = kHatchObject;
  HatchPatternType m_patternType = kPreDefined;
  OdString m_patternName = L"SOLID";
  double m_patternAngle = 0.0;
  double m_patternScale = 1.0;
  double m_patternSpace = 1.0;
  bool m_patternDouble = false;
  OdHatchPattern m_patternLines;
  int m_isoPenWidth = -1;
  double m_pixelSize = 0.0;
  OdGePoint2dArray m_seedPoints;
  GradientPatternType m_gradientType = kPreDefinedGradient;
  OdString m_gradientName;
  double m_gradientAngle = 0.0;
  double m_gradientShift = 0.0;
  bool m_gradientOneColor = false;
  double m_shadeTint = 0.0;
  OdCmColorArray m_gradientColors;
  OdGeDoubleArray m_gradientValues;
};

typedef OdSmartPtr<OdDbHatch> OdDbHatchPtr;

#endif
