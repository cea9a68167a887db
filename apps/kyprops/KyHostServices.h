// The host services kyprops installs: KyPropsServices (the message box and the command line,
// recorded so that each edit reports the messages it caused; unclaimed ones go to stderr or into
// the JSON) and KyPropsPrintContext (the listing sink, formatting in the drawing's units and
// recording each item for the JSON form).
#ifndef KYPROPS_HOST_SERVICES_H
#define KYPROPS_HOST_SERVICES_H

#include <QJsonValue>
#include <QStringList>
#include <vector>

#include "KyPrintInfoContext.h"
#include "KySystemServices.h"

class OdDbDatabase;

class KyPropsServices : public CKySystemServices
{
public:
  // echoToStderr: print messages nobody claims as they come (text mode).
  explicit KyPropsServices(bool echoToStderr);
  ~KyPropsServices() override;
  KyPropsServices(const KyPropsServices&) = delete;
  KyPropsServices& operator=(const KyPropsServices&) = delete;

  int MessageBox(const CKyString& text, const CKyString& caption, int flags) override;
  void PrintToCommandLine(const CKyString& text) override;

  // Messages shown between beginCapture() and endCapture() are handed to the caller instead
  // of being echoed; "Caption: text".
  void beginCapture();
  QStringList endCapture();

  // Messages and command-line lines shown outside a capture.
  const QStringList& messages() const { return m_messages; }
  const QStringList& commandLine() const { return m_commandLine; }

private:
  bool m_echo;
  bool m_capturing = false;
  QStringList m_captured;
  QStringList m_messages;
  QStringList m_commandLine;
  CKySystemServices* m_previous = nullptr;
};

class KyPropsPrintContext : public CKyTextPrintInfoContext
{
public:
  struct Item
  {
    QString kind; // "PrintDist", "PrintPoint", ... ("PrintText" for a bare line of text)
    QString label;
    QJsonValue value;
    QString text;
  };

  explicit KyPropsPrintContext(OdDbDatabase* db);

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

  const std::vector<Item>& items() const { return m_items; }
  void clearItems();

protected:
  QString FormatDistance(double value) const override;
  QString FormatAngle(double radians) const override;
  QString FormatArea(double value) const override;
  QString FormatScale(double value) const override;

private:
  void record(const char* kind, const CKyString& label, const QJsonValue& value, const QString& text);

  OdDbDatabase* m_db;
  std::vector<Item> m_items;
};

#endif
