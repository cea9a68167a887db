// Shared annotation rows.
#include "KyAnnotationRows.h"

#include <memory>

#include <QCoreApplication>

#include "DbDatabase.h"
#include "DbRegAppTableRecord.h"
#include "DbSymbolTable.h"
#include "KyAccessors.h"
#include "KyObjectAnnotationContext.h"
#include "KyPropertyTable.h"
#include "KyScaleList.h"
#include "ResBuf.h"
#include "KyTexts.h"

namespace
{
// Made once: the "Match orientation to sheet" value of every annotative object looks it up.
const OdString& orientationApp()
{
  static const OdString app(CKyObjectAnnotationContext::kOrientationAppName);
  return app;
}

const CKyString& typeName(const char* key)
{
  return KyTr("property_types", key);
}

void registerApp(OdDbDatabase* db, const OdString& app)
{
  OdDbSymbolTablePtr apps = db->getRegAppTableId().safeOpenObject(OdDb::kForRead);
  if (apps->has(app))
    return;
  apps->upgradeOpen();
  OdDbRegAppTableRecordPtr record = OdDbRegAppTableRecord::createObject();
  record->setName(app);
  apps->add(record);
}
} // namespace

const KyAnnotationRow kKyAnnotativeRow{kKyAnnotativeKey, CKyVariant::kCollection,
                                       nullptr, "Misc", "annotative", false};
const KyAnnotationRow kKyAnnotativeScaleRow{kKyAnnotativeScaleKey, CKyVariant::kEmpty,
                                           &CKyPropertyType::kLineEditToolButtonGUID, "Misc", "annotative_scale", true};
const KyAnnotationRow kKySheetTextHeightRow{kKySheetTextHeightKey, CKyVariant::kEmpty,
                                           nullptr, "Text", "sheet_text_height", false};
const KyAnnotationRow kKyMatchOrientationRow{kKyMatchOrientationKey,
                                            CKyVariant::kCollection, nullptr, "Misc", "match_orientation", false};

double KyAnnotationScaleFactor(const OdDbObject* object)
{
  double factor = 1.0;
  if (!object)
    return factor;
  const CKyString name = CKyObjectAnnotationContext(object->objectId()).GetCurrentScale();
  OdDbAnnotationScalePtr scale = CKyScaleList::GetByName(object->database(), name);
  if (!scale.isNull())
    scale->getScale(factor);
  return factor;
}

double KySheetSize(double value, double factor)
{
  return KyIsZero(factor) ? value : value * factor;
}

CKyVariant KyMatchOrientationList(const OdDbObject* object)
{
  return KyYesNoList(!object->xData(orientationApp()).isNull());
}

int KySetMatchOrientation(OdDbObject* object, const CKyVariant& value)
{
  int code = 0;
  if (!KyChosenCode(value, code))
    return kKyRefused;
  const OdString& app = orientationApp();
  if (code == 1)
  {
    if (OdDbDatabase* db = object->database())
      registerApp(db, app);
    OdResBufPtr chain = OdResBuf::newRb(OdDb::kDxfRegAppName, app);
    chain->setNext(OdResBuf::newRb(OdDb::kDxfXdInteger16, OdInt16(1)));
    object->setXData(chain);
  }
  // A chain of the application name alone removes the data. Without data there is nothing to
  // remove (and the application may not even be registered).
  else if (!object->xData(app).isNull())
    object->setXData(OdResBuf::newRb(OdDb::kDxfRegAppName, app));
  return kKyAccepted;
}

const KyText kKyAnnotativeName{"property_types", kKyAnnotativeKey};
const KyText kKyAnnotativeScaleName{"property_types", kKyAnnotativeScaleKey};
const KyText kKySheetTextHeightName{"property_types", kKySheetTextHeightKey};
const KyText kKyMatchOrientationName{"property_types", kKyMatchOrientationKey};
const KyText kKyTextGroup{"property_groups", kKyTextGroupKey};
const KyText kKyModelTextHeightName{"property_types", kKyModelTextHeightKey};

namespace
{
std::unique_ptr<CKyPropertyDescriptionImpl> makeAnnotationPrototype(const void* familyKey, const void* rowKey)
{
  const KyAnnotationFamily& family = *static_cast<const KyAnnotationFamily*>(familyKey);
  const KyAnnotationRow& row = *static_cast<const KyAnnotationRow*>(rowKey);
  KyDynamicRow dynamic{family.category,
                       typeName(row.name),
                       row.type,
                       row.guid,
                       family.getter,
                       family.setter,
                       family.readOnly,
                       KyIconPathOf(row.iconFolder, row.icon),
                       KyDarkIconPathOf(row.iconFolder, row.icon),
                       row.groupAction ? family.groupAction : nullptr,
                       row.groupAction ? KyTr(family.groupContext, family.groupKey) : CKyString()};
  return std::unique_ptr<CKyPropertyDescriptionImpl>(KyNewDynamicDescription(dynamic));
}
} // namespace

void KyAddAnnotationRows(CKyPropertiesContainer* container, const KyAnnotationFamily& family,
                         const KyAnnotationRow* const* rows, std::size_t count)
{
  for (std::size_t i = 0; i < count; ++i)
  {
    const CKyPropertyDescriptionImpl& prototype = KyPrototypeOf(&family, rows[i], &makeAnnotationPrototype);
    container->AddDynamic(new CKyPropertyDescriptionImpl(prototype));
  }
}

CKyVariant KyAnnotationScaleAction(const OdArray<OdDbObjectId>& ids, const CKyPropertyDescription& description)
{
  if (KyIsNamed(description.GetName(), kKyAnnotativeScaleName))
    CKyObjectAnnotationContext(ids).ShowAddRemoveUI();
  return CKyVariant();
}

CKyPropertyDescription* KyListedRowFinder::find(CKyPropertiesContainer* container, const CKyString& name,
                                                const CKyString& category)
{
  const int count = container->GetCount();
  auto matches = [&](const CKyPropertyDescription* row) {
    return row->GetName() == name && (category.isEmpty() || row->GetCategory() == category);
  };
  for (int place : m_places)
    if (place >= 0 && place < count && matches(container->GetAt(place)))
      return const_cast<CKyPropertyDescription*>(container->GetAt(place));
  // Elsewhere the container's own search (which compares its own rows in place), then the
  // row's place by its address.
  CKyPropertyDescription* row = container->GetByName(name, category);
  if (!row)
    return nullptr;
  for (int i = 0; i < count; ++i)
    if (container->GetAt(i) == row)
    {
      m_places[1] = m_places[0];
      m_places[0] = i;
      break;
    }
  return row;
}

void KyRenameListedRow(CKyPropertiesContainer* container, KyListedRowFinder& finder, const KyText& category,
                       const KyText& from, const KyText& to, CKyIsReadOnlyMethod readOnly, const char* iconFolder,
                       const char* icon)
{
  // The rows renamed are listed ones, shared by every object of the kind: most gatherings find
  // the row under its new name already.
  if (finder.find(container, to.get(), category.get()))
    return;
  CKyPropertyDescription* row = finder.find(container, from.get(), category.get());
  if (!row)
    return;
  row->SetName(to.get());
  row->PutIsReadOnlyMethod(readOnly);
  row->SetIcon(KyIconPathOf(iconFolder, icon));
  row->SetDarkIcon(KyDarkIconPathOf(iconFolder, icon));
  row->SetLightIcon(CKyString());
}
