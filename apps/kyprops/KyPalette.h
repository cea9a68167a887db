// KyPalette: the palette side of the host. It finds an object's property extension through the
// protocol classes (CKyPropertyBase, or CKyGroupPE for groups), gathers the rows in container
// order, reads each row's value and read-only state with the object open for read, and applies
// edits and group actions with the objects open for write, recording the messages they show.
#ifndef KYPROPS_PALETTE_H
#define KYPROPS_PALETTE_H

#include <memory>
#include <vector>

#include <QString>
#include <QStringList>

#include "DbObjectId.h"
#include "KyPropertiesContainer.h"
#include "KyPropertyBase.h"
#include "KyVariant.h"

class KyKeyTranslator;
class KyPropsServices;
class KyValueText;
class OdDbDatabase;
class OdDbObject;

// One row as the palette shows it.
struct KyRowView
{
  const CKyPropertyDescription* description = nullptr;
  QString category;
  QString name;
  QString key; // untranslated name
  CKyVariant value;
  QString text;  // the value as shown
  QString error; // an exception raised by the getter
  bool readOnly = false;
  bool dynamic = false;
};

// One selected object with its gathered rows (the container owns the per-object rows).
struct KyPaletteObject
{
  OdDbObjectId id;
  QString handle;
  QString className;   // display name from the extension (GetClassName)
  QString runtimeName; // run-time class, e.g. "OdDbLine"
  bool hasExtension = false;
  std::unique_ptr<CKyPropertiesContainerImpl> container;
  std::vector<const CKyPropertyDescription*> rows; // the rows the palette shows, in order
};

// Outcome of one edit on one object.
struct KyEditOutcome
{
  int result = kPropertySetFailed;
  QStringList messages; // what the module showed ("Error: Value must be positive")
  QString note;         // why the palette did not call the setter, or the exception it raised
};

class KyPalette
{
public:
  KyPalette(OdDbDatabase* db, const KyKeyTranslator& keys, KyPropsServices& services, const CKyVariant& context);

  // The property extension of the object (its override when it names one); null when none.
  static CKyPropertyBase* extensionOf(const OdDbObject* object);

  // A palette object for the id: class names and rows gathered with the object open for read.
  KyPaletteObject gather(const OdDbObjectId& id) const;
  // Re-gathers the rows (after edits, per-object rows may change).
  void regather(KyPaletteObject& object) const;

  // The values of the object's rows, read with the object open for read.
  std::vector<KyRowView> read(const KyPaletteObject& object) const;

  // The first row whose display name or key is name (exact, then ignoring case); null if none.
  const CKyPropertyDescription* findRow(const KyPaletteObject& object, const QString& name) const;
  // The value the row shows for the object now (the parser needs it to know the kind).
  CKyVariant currentValue(const KyPaletteObject& object, const CKyPropertyDescription* row) const;

  // Opens the object for write and calls the row's setter unless the row is read-only.
  KyEditOutcome edit(const KyPaletteObject& object, const CKyPropertyDescription* row, const CKyVariant& value) const;
  // Runs the row's group action once over the ids (objects closed).
  CKyVariant groupAction(const CKyPropertyDescription* row, const OdArray<OdDbObjectId>& ids, const CKyVariant& value,
                         QStringList& messages, QString& error) const;

  QString keyOf(const CKyPropertyDescription* row) const;
  // Display name of the object kind and its key.
  QString kindKeyOf(const QString& className) const;
  const CKyVariant& context() const { return m_context; }

private:
  OdDbDatabase* m_db;
  const KyKeyTranslator& m_keys;
  KyPropsServices& m_services;
  CKyVariant m_context;
};

#endif
