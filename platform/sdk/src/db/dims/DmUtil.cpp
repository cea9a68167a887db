// OdDmUtil: arrow blocks by name.
#include "DmUtil.h"

#include "DbBlockTable.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "OdError.h"

OdDbObjectId OdDmUtil::getArrowId(const OdString& arrowName, OdDbDatabase* pDb)
{
  if (!pDb)
    throw OdError(eNoDatabase);
  if (arrowName.isEmpty() || arrowName.iCompare(L"_ClosedFilled") == 0)
    return OdDbObjectId();
  OdDbSymbolTablePtr pBlocks = pDb->getBlockTableId().safeOpenObject();
  const OdDbObjectId found = pBlocks->getAt(arrowName);
  if (!found.isNull())
    return found;
  OdDbBlockTableRecordPtr pBlock = OdDbBlockTableRecord::createObject();
  pBlock->setName(arrowName);
  pBlocks->upgradeOpen();
  return pBlocks->add(pBlock);
}

OdString OdDmUtil::arrowName(const OdDbObjectId& arrowId)
{
  OdDbBlockTableRecordPtr pBlock = OdDbBlockTableRecord::cast(arrowId.openObject().get());
  return pBlock.isNull() ? OdString() : pBlock->getName();
}
