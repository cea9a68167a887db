// CKyDatabase: the host's view over a drawing database. It converts points between world and the
// current UCS (header UCSORG/UCSXDIR/UCSYDIR), formats and parses distances, areas and angles in
// the drawing's units, and answers the host queries the palette needs (plot-style mode, ids).
#ifndef KY_DATABASE_H
#define KY_DATABASE_H

#include "DbDatabase.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"
#include "KyString.h"

class CKyDatabase
{
public:
  // Flags of StringToDistance.
  enum DistanceFlags
  {
    kAllowNegative = 1 // without it a negative distance counts as unreadable (0.0)
  };

  explicit CKyDatabase(OdDbDatabase* pDb) : m_pDb(pDb) {}

  OdDbDatabase* GetOdDatabase() const { return m_pDb; }
  bool IsValid() const { return m_pDb != nullptr; }

  // Every query below throws OdError(eNullObjectPointer) on an invalid (null) database.

  // Current UCS. Its X axis is the normalised UCSXDIR, Z = X x UCSYDIR normalised and Y = Z x X,
  // so a slightly skewed stored Y axis still gives an orthonormal frame. Degenerate stored axes
  // throw OdError(eDegenerateGeometry).
  void WorldToUCS(OdGePoint3d& pt) const;
  void UCSToWorld(OdGePoint3d& pt) const;
  OdGeMatrix3d GetWorldToUCS() const;
  OdGeMatrix3d GetUCSToWorld() const;
  // Writes the header UCS and the "*Active" viewport record's UCS. Throws OdError(eInvalidInput)
  // for non-finite input or zero/parallel axes; Y is re-orthogonalised against X before storing.
  void SetCurrentUcs(const OdGePoint3d& origin, const OdGeVector3d& xAxis, const OdGeVector3d& yAxis);

  // LUNITS: 1 scientific, 2 decimal, 3 engineering, 4 architectural, 5 fractional.
  int GetLinearUnitMode() const;
  int GetLinearPrecision() const;
  // AUNITS: 0 decimal degrees, 1 degrees/minutes/seconds, 2 grads, 3 radians, 4 surveyor's units.
  int GetAngularUnitMode() const;
  int GetAngularPrecision() const;
  // SPLINESEGS: the segments per span of spline-fitted polylines (negative in drawings that fit
  // arcs instead; the count is its magnitude).
  int GetSplineSegments() const;

  // unitMode / precision -1 take the drawing's settings; precisions are clamped to 0..8.
  // Modes 3 and 4 read the value as inches and always show the feet, also when zero:
  // 6 -> 0'-6.0000" (engineering, precision 4), 18 -> 1'-6" (architectural); architectural and
  // fractional fractions have the denominator 2^precision, reduced. Trailing zeros are kept.
  // A mode outside 1..5 throws OdError(eInvalidInput).
  CKyString FormatDistance(double value, int unitMode = -1, int precision = -1) const;
  // Areas are plain numbers: scientific in mode 1, decimal in every other mode (in modes 3 and 4
  // the number is square inches; the caller adds any unit text).
  CKyString FormatArea(double value, int unitMode = -1, int precision = -1) const;
  // The angle is shown as given (no normalisation) except in surveyor's units, which show the
  // bearing of the direction: "N 45d E", or a bare "N", "E", "S", "W" along the axes. Degrees,
  // minutes and seconds follow the precision: 0 degrees, 1-2 minutes, 3-4 seconds, 5-8 seconds
  // with 1-4 decimals. Angles are counter-clockwise from the world X axis.
  CKyString FormatAngle(double radians, int angleMode = -1, int precision = -1) const;

  // unitMode 0 (or -1) accepts every linear form: decimal and scientific numbers, fractions
  // "3/4", "15 1/2", "15-1/2", feet and inches "2'", "1'6", "1'6\"", "1'-6\"", "1'-6 1/2\"", "6\"".
  // Modes 1 and 2 accept plain numbers only, mode 5 plain numbers and fractions, modes 3 and 4
  // every form. Surrounding blanks are ignored; anything else, and non-finite results, give false.
  bool ParseDistance(const CKyString& text, double& value, int unitMode = 0) const;
  // ParseDistance with a 0.0 answer for unreadable text; see DistanceFlags.
  double StringToDistance(const CKyString& text, int unitMode, int flags) const;
  // Degrees by default; also "45d", "45d30'", "45d30'15.5\"", "1.2r" (radians), "50g" (grads) and
  // surveyor's bearings "N 45d30' E", "S", ... Returns radians.
  bool ParseAngle(const CKyString& text, double& radians) const;

  // PSTYLEMODE: true for colour-dependent plot styles (plot-style names cannot be edited then).
  bool GetPlotStyleMode() const;
  // INSUNITS (OdDb::UnitsValue).
  int GetInsertionUnits() const;
  // The "*Active" viewport table record.
  OdDbObjectId GetCurrentViewportId() const;
  // The block being edited: the model space.
  OdDbObjectId GetActiveBlockId() const;

private:
  OdDbDatabase* db() const;

  OdDbDatabase* m_pDb;
};

#endif
