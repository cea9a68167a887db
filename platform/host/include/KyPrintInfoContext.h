// CKyPrintInfoContext: the sink of the object-information listing (labelled lines of text, points,
// distances, angles...). CKyTextPrintInfoContext formats each item into a "label: value" line;
// its formatting is in protected virtual functions so hosts can apply the drawing's units.
#ifndef KY_PRINT_INFO_CONTEXT_H
#define KY_PRINT_INFO_CONTEXT_H

#include <functional>

#include <QStringList>

#include "Ge/GeMatrix3d.h"
#include "Ge/GePoint2d.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"
#include "KyString.h"

class CKyPrintInfoContext
{
public:
  virtual ~CKyPrintInfoContext() = default;

  virtual void PrintString(const CKyString& label, const CKyString& value) = 0;
  virtual void PrintString(const CKyString& text) = 0;
  // Points and vectors are given in world coordinates; the context applies its coordinate system.
  virtual void PrintPoint(const CKyString& label, const OdGePoint3d& point) = 0;
  virtual void PrintPoint(const CKyString& label, const OdGePoint2d& point) = 0;
  virtual void PrintDist(const CKyString& label, double value) = 0;
  // value in radians.
  virtual void PrintAngle(const CKyString& label, double value) = 0;
  virtual void PrintArea(const CKyString& label, double value) = 0;
  virtual void PrintWidth(const CKyString& label, double value) = 0;
  virtual void PrintScale(const CKyString& label, double value) = 0;
  virtual void PrintInt(const CKyString& label, int value) = 0;
  virtual void PrintBool(const CKyString& label, bool value) = 0;
  virtual void PrintVector3D(const CKyString& label, const OdGeVector3d& vector) = 0;
  // True when the listing is in the current UCS rather than in world coordinates.
  virtual bool IsPrintInUCS() const = 0;
  // World to the working plane (current UCS).
  virtual OdGeMatrix3d GetWorldToWorkingPlaneMatrix() const = 0;
  // Called after each item of a list; false means the listing stops.
  virtual bool CheckCounter() = 0;
};

class CKyTextPrintInfoContext : public CKyPrintInfoContext
{
public:
  typedef std::function<QString(double)> NumberFormatter;

  CKyTextPrintInfoContext();

  void PrintString(const CKyString& label, const CKyString& value) override;
  void PrintString(const CKyString& text) override;
  void PrintPoint(const CKyString& label, const OdGePoint3d& point) override;
  void PrintPoint(const CKyString& label, const OdGePoint2d& point) override;
  void PrintDist(const CKyString& label, double value) override;
  void PrintAngle(const CKyString& label, double value) override;
  void PrintArea(const CKyString& label, double value) override;
  void PrintWidth(const CKyString& label, double value) override;
  void PrintScale(const CKyString& label, double value) override;
  void PrintInt(const CKyString& label, int value) override;
  void PrintBool(const CKyString& label, bool value) override;
  void PrintVector3D(const CKyString& label, const OdGeVector3d& vector) override;
  bool IsPrintInUCS() const override { return m_printInUcs; }
  OdGeMatrix3d GetWorldToWorkingPlaneMatrix() const override { return m_worldToWorkingPlane; }
  // Counts one item; false once the item limit has been reached.
  bool CheckCounter() override;

  void SetPrintInUCS(bool printInUcs) { m_printInUcs = printInUcs; }
  void SetWorldToWorkingPlane(const OdGeMatrix3d& matrix) { m_worldToWorkingPlane = matrix; }
  // Number of items after which CheckCounter answers false; -1 (the default) for no limit.
  void SetItemLimit(int limit) { m_itemLimit = limit; }
  int ItemCount() const { return m_itemCount; }
  // Formatting of distances, coordinates, areas and widths (default: fixed, 4 decimals) and of
  // angles given in radians (default: degrees, fixed, 4 decimals). Null restores the default.
  void SetNumberFormatter(NumberFormatter formatter);
  void SetAngleFormatter(NumberFormatter formatter);

  const QStringList& lines() const { return m_lines; }
  // Forgets the lines and the item count.
  void Clear();

protected:
  virtual QString FormatDistance(double value) const;
  virtual QString FormatAngle(double radians) const;
  virtual QString FormatArea(double value) const;
  virtual QString FormatScale(double value) const;
  virtual QString FormatInt(int value) const;
  virtual QString FormatBool(bool value) const;
  // "X=...  Y=...  Z=..." in the listing's coordinate system.
  virtual QString FormatPoint(const OdGePoint3d& worldPoint) const;
  virtual QString FormatPoint(const OdGePoint2d& worldPoint) const;
  virtual QString FormatVector(const OdGeVector3d& worldVector) const;
  // Appends one line; the single place every item goes through.
  virtual void EmitLine(const QString& line);
  QString LabelledLine(const CKyString& label, const QString& value) const;

private:
  static QString fixed4(double value);

  bool m_printInUcs = false;
  OdGeMatrix3d m_worldToWorkingPlane;
  int m_itemLimit = -1;
  int m_itemCount = 0;
  NumberFormatter m_numberFormatter;
  NumberFormatter m_angleFormatter;
  QStringList m_lines;
};

#endif
