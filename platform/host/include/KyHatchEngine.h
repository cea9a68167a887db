// The host's hatch services: boundary edges turned into lightweight polylines, and the
// catalogue of hatch patterns by type and measurement system.
#ifndef KY_HATCH_ENGINE_H
#define KY_HATCH_ENGINE_H

#include "DbHatch.h"
#include "KyString.h"
#include "OdArray.h"
#include "RxObject.h"

class CKyHatchEngine
{
public:
  // Largest distance, relative to the curve's size, between an elliptical arc or a spline and
  // the circular arcs that stand for it.
  static const double kArcFitTolerance;

  // One lightweight polyline (OdDbPolyline, in the hatch plane with the given normal) per edge,
  // in boundary order: the edge's start vertex and the vertices inside it, with bulges. An
  // edge's end is the next polyline's start, so the vertices of all of them, in order, trace
  // the closed loop. Lines and circular arcs are exact; elliptical arcs and splines become
  // arcs through three of their points each, within kArcFitTolerance. Returns eInvalidInput
  // (and no segments) for a null or unsupported edge.
  static OdResult EdgesToDbSegments(const OdArray<OdGeCurve2d*>& edges, const OdGeVector3d& normal,
                                    OdArray<OdRxObjectPtr>& segments);
};

// Hatch patterns the host knows: the predefined patterns in their imperial and metric (ISO)
// sets, and custom patterns when pattern files have been added. Definition lines are at scale
// 1 and angle 0, in drawing units of the measurement system.
class CKyHatchPatternCatalog
{
public:
  virtual ~CKyHatchPatternCatalog() = default;

  // The names of a pattern type for a measurement value (0 imperial, 1 metric): 0 on success.
  // The user-defined type lists "_U"; custom patterns fail while none are loaded.
  virtual int ListPatterns(OdDbHatch::HatchPatternType type, int measurement, OdArray<CKyString>& names);
  // The definition lines of a named pattern (any case); 0 on success, non-zero and no lines
  // for an unknown name.
  virtual int GetPatternDefinition(OdDbHatch::HatchPatternType type, const CKyString& name, int measurement,
                                   OdHatchPattern& lines);
  // Adds a custom pattern (as a pattern file would).
  void AddCustomPattern(const CKyString& name, const OdHatchPattern& lines);

private:
  struct Custom
  {
    CKyString name;
    OdHatchPattern lines;
  };
  OdArray<Custom> m_custom;
};

#endif
