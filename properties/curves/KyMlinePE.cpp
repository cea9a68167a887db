// Multiline rows and listing, all in "Misc": the style's name (read-only), the justification
// list and the scale. The scale takes any value; both setters end with the refresh that re-sets
// every vertex where it is.
#include "KyMlinePE.h"

#include <QCoreApplication>

#include "DbMline.h"
#include "DbMlineStyle.h"
#include "KyAccessors.h"
#include "KyListing.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyMlinePE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyMlinePE::s_Names;

namespace
{
constexpr const char* kMisc = QT_TRANSLATE_NOOP("property_groups", "Misc");
const CKyIsReadOnlyMethod kNever = &CKyPropertyPEImpl::IsReadOnlyFalse;
const CKyIsReadOnlyMethod kAlways = &CKyPropertyPEImpl::IsReadOnlyTrue;
typedef CKyMlinePE M;
const KyPropertyRow kRows[] = {
  {kMisc, QT_TRANSLATE_NOOP("property_types", "RLineStyle"), CKyVariant::kEmpty, nullptr, &M::GetMlineStyle,
   nullptr, kAlways, "MLineStyle"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "RLine justification"), CKyVariant::kEmpty, nullptr,
   &M::GetMlineJustification, &M::SetMlineJustification, kNever, "MLineJustification"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "RLine scale"), CKyVariant::kEmpty, nullptr, &M::GetMlineScale,
   &M::SetMlineScale, kNever, "MLineScale"},
};

const KyChoice kJustificationChoices[] = {{Mline::kTop, QT_TRANSLATE_NOOP("property_values", "Top")},
                                          {Mline::kZero, QT_TRANSLATE_NOOP("property_values", "Zero")},
                                          {Mline::kBottom, QT_TRANSLATE_NOOP("property_values", "Bottom")}};
// The listing's texts for the same codes.
const char* const kJustificationInfo[] = {QT_TRANSLATE_NOOP("info_values", "Top"),
                                          QT_TRANSLATE_NOOP("info_values", "Zero"),
                                          QT_TRANSLATE_NOOP("info_values", "Bottom")};

// The style's name; "Standard" when the style does not open as a multiline style.
CKyString styleName(const OdDbMline* mline)
{
  OdDbObjectPtr object = mline->style().openObject(OdDb::kForRead);
  OdDbMlineStylePtr style = OdDbMlineStyle::cast(object.get());
  return style.isNull() ? CKyString(QStringLiteral("Standard")) : CKyString(style->name());
}

// Re-sets every vertex in place, so that the multiline recomputes its elements.
void refresh(OdDbMline* mline)
{
  for (int i = 0; i < mline->numVertices(); ++i)
    mline->moveVertexAt(i, mline->vertexAt(i));
}
} // namespace

CKyString CKyMlinePE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "RichLine"));
}

void CKyMlinePE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                  const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyMlinePE::desc(), OdDbMline::desc(), s_Names,
                 KyTable(kRows));
}

bool CKyMlinePE::HasDynamicProperties()
{
  return CKyPropertyPEImpl::HasDynamicProperties();
}

void CKyMlinePE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyVariant CKyMlinePE::GetMlineStyle(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbMline> mline = KyForRead<OdDbMline>(object);
  return mline.isNull() ? CKyVariant() : CKyVariant(styleName(mline));
}

CKyVariant CKyMlinePE::GetMlineJustification(const OdDbObject* object, const CKyPropertyDescription&,
                                             const CKyVariant&)
{
  const KyOpened<OdDbMline> mline = KyForRead<OdDbMline>(object);
  return mline.isNull() ? CKyVariant() : KyChoiceList(kJustificationChoices, mline->justification());
}

// A code outside the list changes nothing.
int CKyMlinePE::SetMlineJustification(const OdDbObject* object, const CKyPropertyDescription&,
                                      const CKyVariant& value, const CKyVariant&)
{
  const KyOpened<OdDbMline> mline = KyForWrite<OdDbMline>(object);
  int code = 0;
  if (mline.isNull() || !KyChosenCode(value, code))
    return kKyRefused;
  if (code < Mline::kTop || code > Mline::kBottom || code == mline->justification())
    return kKyAccepted;
  mline->setJustification(static_cast<Mline::MlineJustification>(code));
  refresh(mline);
  return kKyAccepted;
}

CKyVariant CKyMlinePE::GetMlineScale(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbMline> mline = KyForRead<OdDbMline>(object);
  return mline.isNull() ? CKyVariant() : CKyVariant(mline->scale(), false);
}

// Any number is taken, 0 and negative ones included.
int CKyMlinePE::SetMlineScale(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                              const CKyVariant&)
{
  const KyOpened<OdDbMline> mline = KyForWrite<OdDbMline>(object);
  double scale = 0.0;
  if (mline.isNull() || !KyDoubleOf(value, scale))
    return kKyRefused;
  if (scale == mline->scale())
    return kKyAccepted;
  mline->setScale(scale);
  mline->setJustification(mline->justification());
  refresh(mline);
  return kKyAccepted;
}

bool CKyMlineInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDbMlinePtr mline = OdDbMline::cast(object);
  if (mline.isNull())
    return false;
  const int justification = mline->justification();
  const char* justificationText = kJustificationInfo[justification >= Mline::kTop && justification <= Mline::kBottom
                                                       ? justification
                                                       : Mline::kTop];
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Justification")),
                       CKyString(QCoreApplication::translate("info_values", justificationText)));
  context->PrintScale(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Scale")), mline->scale());
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "TextStyle")), styleName(mline));
  for (int i = 0; i < mline->numVertices(); ++i)
    context->PrintPoint(CKyString(QCoreApplication::translate("info_items", "Vertex %1").arg(i)), mline->vertexAt(i));
  return true;
}
