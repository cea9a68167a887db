// Test fixtures: a drawing (database and active document) with settable UCS and units, a
// message service that records what it would show, a print context that records each listing
// line, the loaded module for a test's duration, and gathering of an object's palette rows.
#ifndef KY_TEST_DRAWING_H
#define KY_TEST_DRAWING_H

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbEntity.h"
#include "DbTextStyleTableRecord.h"
#include "KyDocument.h"
#include "KyPrintInfoContext.h"
#include "KyPropertiesContainer.h"
#include "KySystemServices.h"
#include "RxModule.h"

class KyTestDrawing
{
public:
  KyTestDrawing();
  ~KyTestDrawing();

  OdDbDatabase* db() const { return m_db.get(); }
  CKyDocument* document() const { return m_document.get(); }

  void setUcs(const OdGePoint3d& origin, const OdGeVector3d& xAxis, const OdGeVector3d& yAxis);
  void setUnits(int linearMode, int precision);

  // Appends the entity to model space (it stays open for write while the pointer lives).
  OdDbObjectId add(OdDbEntity* entity);
  OdDbObjectId addLayer(const OdString& name);
  // A text style record, set up by the function before it joins the table (an empty name for an
  // unnamed shape-file style).
  OdDbObjectId addTextStyle(const OdString& name, const std::function<void(OdDbTextStyleTableRecord*)>& setup);

private:
  OdSmartPtr<OdDbDatabase> m_db;
  std::unique_ptr<CKyDocument> m_document;
  CKyDocument* m_previousDocument = nullptr;
};

class KyRecordingMessages : public CKySystemServices
{
public:
  struct Message
  {
    QString text;
    QString caption;
  };
  KyRecordingMessages();
  ~KyRecordingMessages() override;

  int MessageBox(const CKyString& text, const CKyString& caption, int flags) override;
  void PrintToCommandLine(const CKyString& text) override;
  void ShowAnnotationScalesDialog(const OdArray<OdDbObjectId>& ids) override;

  std::vector<Message> messages;
  std::vector<QString> commandLine;
  std::vector<OdArray<OdDbObjectId>> scaleDialogs;

private:
  CKySystemServices* m_previous = nullptr;
};

// Records every listing line as (kind, label, value text).
class KyRecordingPrintContext : public CKyPrintInfoContext
{
public:
  struct Line
  {
    std::string kind;
    QString label;
    QString value;
  };

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
  bool IsPrintInUCS() const override { return printInUcs; }
  OdGeMatrix3d GetWorldToWorkingPlaneMatrix() const override { return worldToPlane; }
  bool CheckCounter() override;

  std::vector<std::string> labels() const;
  const Line* find(const QString& label) const;

  std::vector<Line> lines;
  bool printInUcs = false;
  OdGeMatrix3d worldToPlane;
  int itemLimit = -1; // CheckCounter answers false once this many items were counted
  int itemsCounted = 0;

private:
  void add(const char* kind, const CKyString& label, const QString& value);
};

// The property module for the duration of a test: created and initialised, then uninitialised
// and deleted as a host would.
class KyModuleSession
{
public:
  KyModuleSession();
  ~KyModuleSession();
  OdRxModule* module() const { return m_module; }

private:
  OdRxModule* m_module = nullptr;
};

// The rows the palette would show for an object (listed and per-object ones).
class KyPaletteRows
{
public:
  explicit KyPaletteRows(const OdDbObject* object);
  const CKyPropertyDescription* row(const QString& name, const QString& category = QString()) const;
  std::vector<std::string> names() const;
  CKyPropertiesContainerImpl& container() { return m_container; }
  bool found() const { return m_found; }

private:
  CKyPropertiesContainerImpl m_container;
  bool m_found = false;
};

#endif
