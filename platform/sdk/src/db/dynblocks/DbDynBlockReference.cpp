// Dynamic-block references: finding a reference's definition and parameters, reading its values
// from its extended data, and writing a value: the reference's own representation block is made
// on the first write, the parameter's action is carried out on it and the value is stored.
#include "DbDynBlockReference.h"

#include "DbBlockReference.h"
#include "DbBlockTable.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbEntity.h"
#include "db/DbInternal.h"

const wchar_t* const OdDbDynBlockReference::kRepresentationApp = L"AcDbBlockRepBTag";
const wchar_t* const OdDbDynBlockReference::kValuesApp = L"KY_DYNBLOCK_VALUES";

namespace
{
OdDbBlockParameterPtr openParameter(const OdDbObjectId& id)
{
  if (id.isNull())
    return OdDbBlockParameterPtr();
  return OdDbBlockParameter::cast(id.openObject(OdDb::kForRead));
}

// Extended-data code of a value type, and back.
int xdataCode(int valueType)
{
  switch (valueType)
  {
  case 1:
    return 1000;
  case 70:
    return 1070;
  case 90:
    return 1071;
  default:
    return 1040;
  }
}

// The value stored for a parameter in the reference's data, under the parameter's value type;
// null when none is stored.
OdResBufPtr storedValue(const OdDbObject* pRef, const OdString& name, int valueType)
{
  // Every row of a dynamic reference reads a value: the stored chain is walked in place, and
  // only the value found is copied.
  static const OdString kApp(OdDbDynBlockReference::kValuesApp);
  const OdResBuf* pRb = OdDbObjectAccess::xDataChain(pRef, kApp);
  for (const OdResBuf* p = pRb ? OdDbObjectAccess::next(pRb) : nullptr; p; p = OdDbObjectAccess::next(p))
  {
    const OdResBuf* v = OdDbObjectAccess::next(p);
    if (p->restype() != 1000 || !v || p->getString().iCompare(name) != 0)
      continue;
    if (v->restype() != xdataCode(valueType))
      return OdResBufPtr();
    OdResBufPtr out = OdResBuf::newRb(v->restype());
    out->copyFrom(v);
    out->setRestype(valueType);
    return out;
  }
  return OdResBufPtr();
}

// Replaces (or adds) one parameter's value (under its value type) in the reference's data.
void storeValue(OdDbObject* pRef, const OdString& name, const OdResBuf& value)
{
  pRef->database()->newRegApp(OdDbDynBlockReference::kValuesApp);
  OdResBufPtr pHead = OdResBuf::newRb(1001, OdString(OdDbDynBlockReference::kValuesApp));
  OdResBufPtr pTail = pHead;
  auto append = [&](const OdString& n, const OdResBuf& v, int code) {
    pTail = pTail->setNext(OdResBuf::newRb(1000, n));
    OdResBufPtr copy = OdResBuf::newRb(v.restype());
    copy->copyFrom(&v);
    copy->setRestype(code);
    pTail = pTail->setNext(copy.get());
  };
  bool replaced = false;
  OdResBufPtr pOld = pRef->xData(OdDbDynBlockReference::kValuesApp);
  for (OdResBufPtr p = pOld.isNull() ? pOld : pOld->next(); !p.isNull() && !p->next().isNull(); p = p->next()->next())
  {
    if (p->restype() != 1000)
      break; // not data this SDK wrote: the rest is dropped with it
    if (p->getString().iCompare(name) == 0)
    {
      append(name, value, xdataCode(value.restype()));
      replaced = true;
    }
    else
      append(p->getString(), *p->next(), p->next()->restype());
  }
  if (!replaced)
    append(name, value, xdataCode(value.restype()));
  pRef->setXData(pHead.get());
}

// A new anonymous "*U" record holding copies of the definition's entities, in order, tagged with
// the definition's handle.
OdDbObjectId makeRepresentation(OdDbDatabase* pDb, const OdDbObjectId& definitionId)
{
  OdDbBlockTableRecordPtr pDef = OdDbBlockTableRecord::cast(definitionId.safeOpenObject(OdDb::kForRead));
  OdDbBlockTablePtr pTable = OdDbBlockTable::cast(pDb->getBlockTableId().safeOpenObject(OdDb::kForWrite));
  OdString name;
  for (unsigned int n = 1;; ++n)
  {
    name.format(L"*U%u", n);
    if (!pTable->has(name))
      break;
  }
  OdDbBlockTableRecordPtr pRep = OdDbBlockTableRecord::createObject();
  pRep->setName(name);
  pRep->setOrigin(pDef->origin());
  pRep->setBlockInsertUnits(pDef->blockInsertUnits());
  pRep->setBlockScaling(pDef->blockScaling());
  const OdDbObjectId repId = pTable->add(pRep);
  for (const OdDbObjectId& id : pDef->entityIds())
  {
    OdDbEntityPtr pCopy = OdDbEntity::cast(id.safeOpenObject(OdDb::kForRead)->clone());
    pRep->appendOdDbEntity(pCopy);
  }
  pDb->newRegApp(OdDbDynBlockReference::kRepresentationApp);
  OdResBufPtr pRb = OdResBuf::newRb(1001, OdString(OdDbDynBlockReference::kRepresentationApp));
  pRb->setNext(OdResBuf::newRb(1070, OdInt16(1)))->setNext(OdResBuf::newRb(1005, pDef->objectId().getHandle()));
  pRep->setXData(pRb.get());
  return repId;
}

OdDbBlockReferencePtr openReference(const OdDbObjectId& id, OdDb::OpenMode mode)
{
  if (id.isNull())
    return OdDbBlockReferencePtr();
  return OdDbBlockReference::cast(id.openObject(mode));
}
} // namespace

// ---- OdDbDynBlockReference ----

OdDbDynBlockReference::OdDbDynBlockReference(const OdDbObjectId& referenceId)
  : m_reference(referenceId)
{
}

OdDbDynBlockReference::OdDbDynBlockReference(const OdDbBlockReference* pReference)
  : m_reference(pReference ? pReference->objectId() : OdDbObjectId())
{
}

OdDbObjectId OdDbDynBlockReference::definitionOf(const OdDbObjectId& blockRecordId)
{
  if (blockRecordId.isNull())
    return blockRecordId;
  OdDbObjectPtr pRecord = blockRecordId.openObject(OdDb::kForRead);
  if (pRecord.isNull())
    return OdDbObjectId();
  static const OdString kApp(kRepresentationApp);
  for (const OdResBuf* p = OdDbObjectAccess::xDataChain(pRecord, kApp); p; p = OdDbObjectAccess::next(p))
    if (p->restype() == 1005)
    {
      const OdDbObjectId id = pRecord->database()->getOdDbObjectId(p->getHandle());
      if (!id.isNull() && !id.isErased() && id.objectClass()->isDerivedFrom(OdDbBlockTableRecord::desc()))
        return id;
    }
  return blockRecordId;
}

OdDbObjectIdArray OdDbDynBlockReference::parametersOf(const OdDbObjectId& definitionId)
{
  OdDbObjectIdArray out;
  OdDbObjectPtr pDef = definitionId.isNull() ? OdDbObjectPtr() : definitionId.openObject(OdDb::kForRead);
  if (pDef.isNull() || pDef->extensionDictionary().isNull())
    return out;
  OdDbDictionaryPtr pExt = OdDbDictionary::cast(pDef->extensionDictionary().openObject(OdDb::kForRead));
  OdDbDictionaryPtr pParams = pExt.isNull() ? pExt : OdDbDictionary::cast(pExt->getAt(OdDbBlockParameter::kParametersKey, OdDb::kForRead));
  if (pParams.isNull())
    return out;
  out.reserve(pParams->numEntries());
  for (OdDbDictionaryIteratorPtr it = pParams->newIterator(); !it->done(); it->next())
    if (it->objectId().objectClass()->isDerivedFrom(OdDbBlockParameter::desc()))
      out.push_back(it->objectId());
  return out;
}

OdDbObjectId OdDbDynBlockReference::addParameter(OdDbBlockTableRecord* pDefinition, OdDbBlockParameter* pParameter)
{
  if (!pDefinition || !pParameter)
    throw OdError(eNullObjectPointer);
  pDefinition->assertWriteEnabled(false, false);
  if (!pDefinition->database())
    throw OdError(eNoDatabase);
  const OdString name = pParameter->name();
  for (const OdDbObjectId& id : parametersOf(pDefinition->objectId()))
    if (openParameter(id)->name().iCompare(name) == 0)
      throw OdError(eDuplicateKey);
  pDefinition->createExtensionDictionary();
  OdDbDictionaryPtr pExt = OdDbDictionary::cast(pDefinition->extensionDictionary().safeOpenObject(OdDb::kForWrite));
  OdDbDictionaryPtr pParams = OdDbDictionary::cast(pExt->getAt(OdDbBlockParameter::kParametersKey, OdDb::kForWrite));
  if (pParams.isNull())
  {
    pParams = OdDbDictionary::createObject();
    pExt->setAt(OdDbBlockParameter::kParametersKey, pParams);
  }
  return pParams->setAt(name, pParameter);
}

OdDbObjectId OdDbDynBlockReference::addParameter(OdDbBlockTableRecord* pDefinition, OdDbBlockParameter* pParameter,
                                                 const OdString& name, const OdUInt32Array& selection)
{
  if (!pParameter)
    throw OdError(eNullObjectPointer);
  // A refused parameter keeps the name and selection it came with.
  const OdString oldName = pParameter->name();
  const OdUInt32Array oldSelection = pParameter->selection();
  pParameter->setName(name);
  pParameter->setSelection(selection);
  try
  {
    return addParameter(pDefinition, pParameter);
  }
  catch (const OdError&)
  {
    pParameter->setName(oldName);
    pParameter->setSelection(oldSelection);
    throw;
  }
}

OdDbObjectId OdDbDynBlockReference::anonymousBlockTableRecord() const
{
  OdDbBlockReferencePtr pRef = openReference(m_reference, OdDb::kForRead);
  return pRef.isNull() ? OdDbObjectId() : pRef->blockTableRecord();
}

OdDbObjectId OdDbDynBlockReference::dynamicBlockTableRecord() const
{
  return definitionOf(anonymousBlockTableRecord());
}

bool OdDbDynBlockReference::isDynamicBlock() const
{
  return !parametersOf(dynamicBlockTableRecord()).empty();
}

void OdDbDynBlockReference::getBlockProperties(OdDbDynBlockReferencePropertyArray& properties) const
{
  properties.clear();
  for (const OdDbObjectId& id : parametersOf(dynamicBlockTableRecord()))
  {
    OdDbDynBlockReferenceProperty property;
    property.m_reference = m_reference;
    property.m_parameter = id;
    properties.push_back(property);
  }
}

// ---- OdDbDynBlockReferenceProperty ----

OdDbBlockParameterPtr OdDbDynBlockReferenceProperty::getBlockParameter() const
{
  return openParameter(m_parameter);
}

OdDbObjectId OdDbDynBlockReferenceProperty::blockId() const
{
  return m_reference;
}

OdString OdDbDynBlockReferenceProperty::propertyName() const
{
  OdDbBlockParameterPtr p = getBlockParameter();
  return p.isNull() ? OdString() : p->name();
}

OdString OdDbDynBlockReferenceProperty::description() const
{
  OdDbBlockParameterPtr p = getBlockParameter();
  return p.isNull() ? OdString() : p->description();
}

bool OdDbDynBlockReferenceProperty::show() const
{
  OdDbBlockParameterPtr p = getBlockParameter();
  return !p.isNull() && p->show();
}

bool OdDbDynBlockReferenceProperty::readOnly() const
{
  OdDbBlockParameterPtr p = getBlockParameter();
  return p.isNull() || p->isReadOnly();
}

OdDbDynBlockReferenceProperty::UnitsType OdDbDynBlockReferenceProperty::unitsType() const
{
  OdDbBlockParameterPtr p = getBlockParameter();
  return p.isNull() ? kNoUnits : static_cast<UnitsType>(p->unitsType());
}

namespace
{
// The parameter's value on the reference: the stored one, else its default.
OdResBufPtr ownValue(const OdDbObject* pRef, const OdDbBlockParameter* p)
{
  OdResBufPtr v = storedValue(pRef, p->name(), p->valueType());
  return v.isNull() ? p->defaultValue() : v;
}
} // namespace

OdResBufPtr OdDbDynBlockReferenceProperty::value() const
{
  OdDbBlockParameterPtr p = getBlockParameter();
  OdDbBlockReferencePtr pRef = openReference(m_reference, OdDb::kForRead);
  if (p.isNull() || pRef.isNull())
    return OdResBufPtr();
  const OdDbBlockLookupParameter* pLookup = OdDbBlockLookupParameter::cast(p.get()).get();
  if (!pLookup)
    return ownValue(pRef, p);
  // What the lookup shows follows its target, which may have been set on its own since.
  const OdDbObjectId definition = OdDbDynBlockReference::definitionOf(pRef->blockTableRecord());
  for (const OdDbObjectId& id : OdDbDynBlockReference::parametersOf(definition))
  {
    OdDbBlockParameterPtr pTarget = openParameter(id);
    if (pTarget->name().iCompare(pLookup->targetName()) == 0 &&
        !pTarget->isKindOf(OdDbBlockLookupParameter::desc()))
      return OdResBuf::newRb(1, pLookup->entryOf(ownValue(pRef, pTarget)));
  }
  return OdResBuf::newRb(1, OdString());
}

void OdDbDynBlockReferenceProperty::getAllowedValues(OdResBufArray& values) const
{
  OdDbBlockParameterPtr p = getBlockParameter();
  values = p.isNull() ? OdResBufArray() : p->allowedValues();
}

bool OdDbDynBlockReferenceProperty::setValue(const OdResBuf* value)
{
  OdDbBlockParameterPtr p = getBlockParameter();
  if (p.isNull() || p->isReadOnly() || !value)
    return false;
  // The value under the parameter's own code (a 1040 for a 40, say), when of the right kind.
  OdResBufPtr v = OdResBuf::newRb(value->restype());
  v->copyFrom(value);
  if (OdResBuf::dataKind(v->restype()) != OdResBuf::dataKind(p->valueType()))
    return false;
  v->setRestype(p->valueType());
  if (!p->accepts(v))
    return false;
  OdDbBlockReferencePtr pRef = openReference(m_reference, OdDb::kForRead);
  if (pRef.isNull() || !pRef->database())
    return false;
  const OdResBufPtr old = this->value();

  if (OdDbBlockLookupParameter* pLookup = OdDbBlockLookupParameter::cast(p.get()))
  {
    // A lookup entry sets its target first; a refused target value refuses the entry.
    OdDbDynBlockReference dyn(m_reference);
    OdDbDynBlockReferencePropertyArray all;
    dyn.getBlockProperties(all);
    bool done = false;
    for (OdDbDynBlockReferenceProperty& target : all)
      if (target.propertyName().iCompare(pLookup->targetName()) == 0)
      {
        const OdResBufPtr targetValue = pLookup->targetValue(v->getString());
        if (targetValue.isNull() || !target.setValue(targetValue))
          return false;
        done = true;
      }
    if (!done)
      return false;
  }

  pRef->upgradeOpen();
  OdDbObjectId own = pRef->blockTableRecord();
  const OdDbObjectId definition = OdDbDynBlockReference::definitionOf(own);
  if (own == definition)
  {
    own = makeRepresentation(pRef->database(), definition);
    pRef->setBlockTableRecord(own);
  }
  OdDbBlockTableRecordPtr pRep = OdDbBlockTableRecord::cast(own.safeOpenObject(OdDb::kForWrite));
  p->applyChange(pRep, *old, *v);
  storeValue(pRef, p->name(), *v);
  return true;
}
