// The rows shared by traces and solids, written once over the database class: the thickness, the
// corner selector and the chosen corner's UCS components. A solid takes any index past the last
// corner as the last corner; a trace passes the index on as it is.
#ifndef KY_PLANAR_FILL_PE_H
#define KY_PLANAR_FILL_PE_H

#include <QCoreApplication>

#include "KyCornerRows.h"
#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"
#include "KyPropertyTable.h"

template <class Self, class Fill, bool kLastCornerForOthers>
class CKyPlanarFillPE : public CKyEntityPE
{
public:
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override
  {
    container = nullptr;
    CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
    KyCollectLevel(container, objectClass, extensionClass, skipAdd, Self::desc(), Fill::desc(), Self::s_Names,
                   KyTable(kRows));
  }
  bool HasDynamicProperties() override { return CKyPropertyPEImpl::HasDynamicProperties(); }
  void GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) override {}

  static CKyVariant GetThickness(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
  {
    const KyOpened<Fill> fill = KyForRead<Fill>(object);
    return fill.isNull() ? CKyVariant() : CKyVariant(fill->thickness(), true);
  }
  static int SetThickness(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                          const CKyVariant&)
  {
    const KyOpened<Fill> fill = KyForWrite<Fill>(object);
    double thickness = 0.0;
    if (fill.isNull() || !KyDoubleOf(value, thickness))
      return kKyRefused;
    fill->setThickness(thickness);
    return kKyAccepted;
  }
  static CKyVariant GetVertex(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
  {
    return KyCornerSelector<Fill>(o);
  }
  static int SetVertex(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&)
  {
    return KySetCornerSelector<Fill>(o);
  }
  static CKyVariant GetVertexX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
  {
    return component(o, c, kKyAxisX);
  }
  static CKyVariant GetVertexY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
  {
    return component(o, c, kKyAxisY);
  }
  static CKyVariant GetVertexZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
  {
    return component(o, c, kKyAxisZ);
  }
  static int SetVertexX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant& c)
  {
    return setComponent(o, c, kKyAxisX, v);
  }
  static int SetVertexY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant& c)
  {
    return setComponent(o, c, kKyAxisY, v);
  }
  static int SetVertexZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant& c)
  {
    return setComponent(o, c, kKyAxisZ, v);
  }

private:
  static const KyPropertyRow kRows[5];

  // Compared unsigned, so a negative index is past the last corner too.
  static int cornerIndex(const CKyVariant& context)
  {
    const int index = KyContextIndex(context);
    if (kLastCornerForOthers && static_cast<unsigned>(index) >= static_cast<unsigned>(kKyCornerCount))
      return kKyCornerCount - 1;
    return index;
  }
  static OdResult get(const Fill* fill, OdUInt16 index, OdGePoint3d& p) { return fill->getPointAt(index, p); }
  static void set(Fill* fill, OdUInt16 index, const OdGePoint3d& p) { fill->setPointAt(index, p); }

  static CKyVariant component(const OdDbObject* object, const CKyVariant& context, KyAxis axis)
  {
    return KyCornerComponent<Fill>(object, cornerIndex(context), axis, &get);
  }
  static int setComponent(const OdDbObject* object, const CKyVariant& context, KyAxis axis, const CKyVariant& value)
  {
    return KySetCornerComponent<Fill>(object, cornerIndex(context), axis, value, &get, &set);
  }
};

namespace kyPlanarFill
{
constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
} // namespace kyPlanarFill

template <class Self, class Fill, bool kLastCornerForOthers>
const KyPropertyRow CKyPlanarFillPE<Self, Fill, kLastCornerForOthers>::kRows[5] = {
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "Thickness"),
   CKyVariant::kEmpty, nullptr, &Self::GetThickness, &Self::SetThickness, &CKyPropertyPEImpl::IsReadOnlyFalse,
   nullptr, kKyRowMatchProp},
  {kyPlanarFill::kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex"), CKyVariant::kCollection,
   &CKyPropertyType::kVertexGUID, &Self::GetVertex, &Self::SetVertex, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kyPlanarFill::kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex X"), CKyVariant::kDouble,
   &CKyPropertyType::kVertexXGUID, &Self::GetVertexX, &Self::SetVertexX, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kyPlanarFill::kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex Y"), CKyVariant::kDouble,
   &CKyPropertyType::kVertexYGUID, &Self::GetVertexY, &Self::SetVertexY, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kyPlanarFill::kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex Z"), CKyVariant::kDouble,
   &CKyPropertyType::kVertexZGUID, &Self::GetVertexZ, &Self::SetVertexZ, &CKyPropertyPEImpl::IsReadOnlyFalse},
};

#endif
