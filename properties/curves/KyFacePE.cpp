// 3D face rows and listing.
#include "KyFacePE.h"

#include <QCoreApplication>

#include "DbFace.h"
#include "KyCornerRows.h"
#include "KyListing.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyFacePE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyFacePE::s_Names;

namespace
{
constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
const KyPropertyRow kRows[] = {
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex"), CKyVariant::kCollection, &CKyPropertyType::kVertexGUID,
   &CKyFacePE::GetVertex, &CKyFacePE::SetVertex, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex X"), CKyVariant::kDouble, &CKyPropertyType::kVertexXGUID,
   &CKyFacePE::GetVertexX, &CKyFacePE::SetVertexX, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex Y"), CKyVariant::kDouble, &CKyPropertyType::kVertexYGUID,
   &CKyFacePE::GetVertexY, &CKyFacePE::SetVertexY, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex Z"), CKyVariant::kDouble, &CKyPropertyType::kVertexZGUID,
   &CKyFacePE::GetVertexZ, &CKyFacePE::SetVertexZ, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Edge 1"), CKyVariant::kEmpty, nullptr, &CKyFacePE::GetEdge1,
   &CKyFacePE::SetEdge1, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Edge 2"), CKyVariant::kEmpty, nullptr, &CKyFacePE::GetEdge2,
   &CKyFacePE::SetEdge2, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Edge 3"), CKyVariant::kEmpty, nullptr, &CKyFacePE::GetEdge3,
   &CKyFacePE::SetEdge3, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Edge 4"), CKyVariant::kEmpty, nullptr, &CKyFacePE::GetEdge4,
   &CKyFacePE::SetEdge4, &CKyPropertyPEImpl::IsReadOnlyFalse},
};

const KyChoice kEdgeChoices[] = {
  {1, QT_TRANSLATE_NOOP("property_values", "Visible")},
  {0, QT_TRANSLATE_NOOP("property_values", "Hidden")},
};

OdResult getCorner(const OdDbFace* face, OdUInt16 index, OdGePoint3d& p)
{
  return face->getVertexAt(index, p);
}

void setCorner(OdDbFace* face, OdUInt16 index, const OdGePoint3d& p)
{
  face->setVertexAt(index, p);
}

CKyVariant cornerComponent(const OdDbObject* object, const CKyVariant& context, KyAxis axis)
{
  return KyCornerComponent<OdDbFace>(object, KyContextIndex(context), axis, &getCorner);
}

int setCornerComponent(const OdDbObject* object, const CKyVariant& context, KyAxis axis, const CKyVariant& value)
{
  return KySetCornerComponent<OdDbFace>(object, KyContextIndex(context), axis, value, &getCorner, &setCorner);
}

// Edge rows count from 1; the face counts its edges from 0.
CKyVariant edgeChoice(const OdDbObject* object, OdUInt16 edge)
{
  const KyOpened<OdDbFace> face = KyForRead<OdDbFace>(object);
  bool visible = false;
  if (face.isNull() || face->isEdgeVisibleAt(edge, visible) != eOk)
    return CKyVariant();
  return KyChoiceList(kEdgeChoices, visible ? 1 : 0);
}

// Codes other than 1 and 0 change nothing.
int setEdgeChoice(const OdDbObject* object, OdUInt16 edge, const CKyVariant& value)
{
  const KyOpened<OdDbFace> face = KyForWrite<OdDbFace>(object);
  int code = 0;
  if (face.isNull() || !KyChosenCode(value, code))
    return kKyRefused;
  if (code == 1)
    face->makeEdgeVisibleAt(edge);
  else if (code == 0)
    face->makeEdgeInvisibleAt(edge);
  return kKyAccepted;
}
} // namespace

CKyString CKyFacePE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Face"));
}

void CKyFacePE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                 const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyFacePE::desc(), OdDbFace::desc(), s_Names,
                 KyTable(kRows));
}

bool CKyFacePE::HasDynamicProperties()
{
  return CKyPropertyPEImpl::HasDynamicProperties();
}

void CKyFacePE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyVariant CKyFacePE::GetVertex(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyCornerSelector<OdDbFace>(o);
}
int CKyFacePE::SetVertex(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&)
{
  return KySetCornerSelector<OdDbFace>(o);
}
CKyVariant CKyFacePE::GetVertexX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return cornerComponent(o, c, kKyAxisX);
}
CKyVariant CKyFacePE::GetVertexY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return cornerComponent(o, c, kKyAxisY);
}
CKyVariant CKyFacePE::GetVertexZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return cornerComponent(o, c, kKyAxisZ);
}
int CKyFacePE::SetVertexX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant& c)
{
  return setCornerComponent(o, c, kKyAxisX, v);
}
int CKyFacePE::SetVertexY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant& c)
{
  return setCornerComponent(o, c, kKyAxisY, v);
}
int CKyFacePE::SetVertexZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant& c)
{
  return setCornerComponent(o, c, kKyAxisZ, v);
}
CKyVariant CKyFacePE::GetEdge1(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return edgeChoice(o, 0);
}
CKyVariant CKyFacePE::GetEdge2(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return edgeChoice(o, 1);
}
CKyVariant CKyFacePE::GetEdge3(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return edgeChoice(o, 2);
}
CKyVariant CKyFacePE::GetEdge4(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return edgeChoice(o, 3);
}
int CKyFacePE::SetEdge1(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setEdgeChoice(o, 0, v);
}
int CKyFacePE::SetEdge2(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setEdgeChoice(o, 1, v);
}
int CKyFacePE::SetEdge3(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setEdgeChoice(o, 2, v);
}
int CKyFacePE::SetEdge4(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setEdgeChoice(o, 3, v);
}

bool CKyFaceInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDbFacePtr face = OdDbFace::cast(object);
  if (face.isNull())
    return false;
  // The last key is spelled as the catalogue has it.
  static const char* const kLabels[kKyCornerCount] = {
    QT_TRANSLATE_NOOP("info_items", "first point"), QT_TRANSLATE_NOOP("info_items", "second point"),
    QT_TRANSLATE_NOOP("info_items", "third point"), QT_TRANSLATE_NOOP("info_items", "forth point")};
  for (OdUInt16 i = 0; i < kKyCornerCount; ++i)
  {
    OdGePoint3d corner;
    face->getVertexAt(i, corner);
    context->PrintPoint(KyInfoLabel(kLabels[i]), corner);
  }
  return true;
}
