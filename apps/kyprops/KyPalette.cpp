// Gathering, reading and editing of palette rows through the module's extensions.
#include "KyPalette.h"

#include "DbObject.h"
#include "KyHostServices.h"
#include "KyKeyTranslator.h"
#include "KyObjectReadScope.h"
#include "KyPropsText.h"
#include "KyValueText.h"

namespace
{
// The palette's container is the active one while an extension adds its rows.
class ActiveContainer
{
public:
  explicit ActiveContainer(CKyPropertiesContainerImpl* container)
    : m_previous(CKyPropertiesContainerImpl::Active())
  {
    CKyPropertiesContainerImpl::SetActive(container);
  }
  ~ActiveContainer() { CKyPropertiesContainerImpl::SetActive(m_previous); }
  ActiveContainer(const ActiveContainer&) = delete;
  ActiveContainer& operator=(const ActiveContainer&) = delete;

private:
  CKyPropertiesContainerImpl* m_previous;
};

// Groups carry their extension under the class "CKyGroupPE", not under CKyPropertyBase.
CKyPropertyBase* groupExtensionOf(const OdDbObject* object)
{
  OdRxClass* groupProtocol = odrxGetClassDesc(OdString(L"CKyGroupPE"));
  if (!groupProtocol)
    return nullptr;
  OdRxObjectPtr extension(object->queryX(groupProtocol), kOdRxObjAttach);
  // The class keeps the attached extension alive; a plain pointer is enough.
  return CKyPropertyBase::cast(extension.get()).get();
}
} // namespace

KyPalette::KyPalette(OdDbDatabase* db, const KyKeyTranslator& keys, KyPropsServices& services,
                     const CKyVariant& context)
  : m_db(db), m_keys(keys), m_services(services), m_context(context)
{
}

CKyPropertyBase* KyPalette::extensionOf(const OdDbObject* object)
{
  if (!object)
    return nullptr;
  CKyPropertyBase* extension = CKyPropertyPEClassFactory::FindExtension(object);
  if (!extension)
    extension = groupExtensionOf(object);
  if (extension)
    if (CKyPropertyBase* replacement = extension->GetPropertyPEOverride(object))
      extension = replacement;
  return extension;
}

KyPaletteObject KyPalette::gather(const OdDbObjectId& id) const
{
  KyPaletteObject object;
  object.id = id;
  object.handle = KyQString(id.getHandle().ascii());
  regather(object);
  return object;
}

void KyPalette::regather(KyPaletteObject& object) const
{
  object.container.reset(new CKyPropertiesContainerImpl);
  object.rows.clear();
  OdDbObjectPtr open = object.id.openObject(OdDb::kForRead);
  if (open.isNull())
    return;
  const CKyObjectReadScope scope(open.get());
  object.runtimeName = KyQString(open->isA()->name());
  CKyPropertyBase* extension = extensionOf(open.get());
  object.hasExtension = extension != nullptr;
  if (!extension)
  {
    object.className = object.runtimeName;
    return;
  }
  object.className = extension->GetClassName(open.get()).toQString();
  CKyPropertyPEClassFactory* factory = CKyPropertyPEClassFactory::instance();
  if (factory && CKyPropertyPEClassFactory::FindExtension(open.get()))
  {
    factory->GatherProperties(open.get(), *object.container);
  }
  else
  {
    // Same steps as the factory, for an extension found under another protocol class.
    ActiveContainer active(object.container.get());
    CKyPropertiesContainer* container = nullptr;
    extension->GetPropertyNames(open.get(), container, open->isA(), nullptr, false);
    if (extension->HasDynamicProperties())
      extension->GetPropertyNamesDynamic(open.get(), object.container.get());
  }
  // Rows without the palette bit (the hidden match-properties carriers) are not shown.
  for (int i = 0; i < object.container->GetCount(); ++i)
  {
    const CKyPropertyDescription* row = object.container->GetAt(i);
    if (row->GetVisibility() & kPropertyVisiblePalette)
      object.rows.push_back(row);
  }
}

std::vector<KyRowView> KyPalette::read(const KyPaletteObject& object) const
{
  std::vector<KyRowView> out;
  OdDbObjectPtr open = object.id.openObject(OdDb::kForRead);
  if (open.isNull())
    return out;
  const CKyObjectReadScope scope(open.get());
  const KyValueText texts(m_db);
  for (const CKyPropertyDescription* row : object.rows)
  {
    KyRowView view;
    view.description = row;
    view.category = row->GetCategory().toQString();
    view.name = row->GetName().toQString();
    view.key = keyOf(row);
    view.dynamic = row->IsDynamic();
    try
    {
      view.value = row->GetValue(open.get(), m_context);
      view.text = texts.text(view.value, row->GetType(), view.key);
    }
    catch (const OdError& e)
    {
      view.error = KyErrorText(e);
    }
    try
    {
      view.readOnly = row->IsReadOnly(open.get());
    }
    catch (const OdError& e)
    {
      view.readOnly = true;
      if (view.error.isEmpty())
        view.error = KyErrorText(e);
    }
    out.push_back(view);
  }
  return out;
}

QString KyPalette::keyOf(const CKyPropertyDescription* row) const
{
  return m_keys.keyOf("property_types", row->GetName().toQString());
}

QString KyPalette::kindKeyOf(const QString& className) const
{
  return m_keys.keyOf("entity_types", className);
}

const CKyPropertyDescription* KyPalette::findRow(const KyPaletteObject& object, const QString& name) const
{
  // The n-th row of a name (from 1) is NAME#n: attributes sharing a tag are rows of one name.
  // A row whose own name ends in "#n" is still found by that name first.
  auto nth = [&](const QString& wanted, int n) -> const CKyPropertyDescription* {
    for (Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive})
    {
      int seen = 0;
      for (const CKyPropertyDescription* row : object.rows)
        if ((row->GetName().toQString().compare(wanted, cs) == 0 || keyOf(row).compare(wanted, cs) == 0) && ++seen == n)
          return row;
    }
    return nullptr;
  };
  if (const CKyPropertyDescription* row = nth(name, 1))
    return row;
  const int hash = name.lastIndexOf(QLatin1Char('#'));
  bool isNumber = false;
  const int n = hash > 0 ? name.mid(hash + 1).toInt(&isNumber) : 0;
  return isNumber && n >= 1 && !name.mid(hash + 1).startsWith(QLatin1Char('+')) ? nth(name.left(hash), n) : nullptr;
}

CKyVariant KyPalette::currentValue(const KyPaletteObject& object, const CKyPropertyDescription* row) const
{
  OdDbObjectPtr open = object.id.openObject(OdDb::kForRead);
  if (open.isNull())
    return CKyVariant();
  try
  {
    return row->GetValue(open.get(), m_context);
  }
  catch (const OdError&)
  {
    return CKyVariant();
  }
}

KyEditOutcome KyPalette::edit(const KyPaletteObject& object, const CKyPropertyDescription* row,
                              const CKyVariant& value) const
{
  KyEditOutcome outcome;
  OdDbObjectPtr open = object.id.openObject(OdDb::kForWrite);
  if (open.isNull())
  {
    outcome.note = QStringLiteral("the object does not open for write");
    return outcome;
  }
  m_services.beginCapture();
  try
  {
    if (row->IsReadOnly(open.get()))
      outcome.note = QStringLiteral("the row is read-only; the palette does not call its setter");
    else
      outcome.result = row->SetValue(open.get(), value, m_context);
  }
  catch (const OdError& e)
  {
    outcome.result = kPropertySetFailed;
    outcome.note = QStringLiteral("the setter raised an error: %1").arg(KyErrorText(e));
  }
  outcome.messages = m_services.endCapture();
  return outcome;
}

CKyVariant KyPalette::groupAction(const CKyPropertyDescription* row, const OdArray<OdDbObjectId>& ids,
                                  const CKyVariant& value, QStringList& messages, QString& error) const
{
  CKyVariant result;
  m_services.beginCapture();
  try
  {
    result = row->DoGroupedAction(ids, value, m_context);
  }
  catch (const OdError& e)
  {
    error = QStringLiteral("the group action raised an error: %1").arg(KyErrorText(e));
  }
  messages = m_services.endCapture();
  return result;
}
