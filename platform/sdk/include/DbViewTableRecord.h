// OdDbViewTableRecord: a named view: the view of its abstract-view base, whether it belongs to
// paper space, and the category it is filed under.
#ifndef OD_DB_VIEW_TABLE_RECORD_H
#define OD_DB_VIEW_TABLE_RECORD_H

#include "DbAbstractViewTableRecord.h"

class OdDbViewTableRecord : public OdDbAbstractViewTableRecord
{
public:
  ODRX_DECLARE_MEMBERS(OdDbViewTableRecord);

  OdDbViewTableRecord();

  bool isPaperspaceView() const;
  void setIsPaperspaceView(bool paperspace);
  OdString getCategoryName() const;
  void setCategoryName(const OdString& categoryName);
  // The view keeps a UCS of its own.
  bool isUcsAssociatedToView() const;
  void disassociateUcsFromView();

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  bool m_paperspace = false;
  OdString m_category;
  bool m_ucsAssociated = false;
};

typedef OdSmartPtr<OdDbViewTableRecord> OdDbViewTableRecordPtr;

#endif
