// Multiline text rows, per-object annotation rows and listing.
#include "KyMTextPE.h"

#include <QCoreApplication>

#include "DbMText.h"
#include "DbText.h"
#include "DbTextStyleTableRecord.h"
#include "Ge/GeGbl.h"
#include "KyAccessors.h"
#include "KyAnnotationRows.h"
#include "KyDocument.h"
#include "KyListing.h"
#include "KyMatchPropHelper.h"
#include "KyObjectAnnotationContext.h"
#include "RxObjectImpl.h"
#include "KyTexts.h"

ODRX_CONS_DEFINE_MEMBERS(CKyMTextPE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyMTextPE::s_Names;

namespace
{
constexpr const char* kText = kKyTextGroupKey;
constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");

constexpr const char* kStyleKey = QT_TRANSLATE_NOOP("property_types", "Style");
constexpr const char* kWidthKey = QT_TRANSLATE_NOOP("property_types", "Width");
constexpr const char* kTextHeightKey = QT_TRANSLATE_NOOP("property_types", "Text Height");
constexpr const char* kModelDefinedWidth = QT_TRANSLATE_NOOP("property_types", "Model defined width");
constexpr const char* kSheetDefinedWidth = QT_TRANSLATE_NOOP("property_types", "Sheet defined width");
const KyText kSheetDefinedWidthName{"property_types", kSheetDefinedWidth};
const KyText kStyleName{"property_types", kStyleKey};
const KyText kWidthName{"property_types", kWidthKey};
const KyText kTextHeightName{"property_types", kTextHeightKey};
const KyText kModelDefinedWidthName{"property_types", kModelDefinedWidth};

const KyPropertyRow kRows[] = {
  {kText, QT_TRANSLATE_NOOP("property_types", "Contents"), CKyVariant::kEmpty, nullptr, &CKyMTextPE::GetContents,
   &CKyMTextPE::SetContents, &CKyPropertyPEImpl::IsReadOnlyFalse},
  // Typed as a text style row by the dynamic pass.
  {kText, kStyleKey, CKyVariant::kEmpty, nullptr, &CKyMTextPE::GetStyle, &CKyMTextPE::SetStyle,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "TextStyle"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Justify"), CKyVariant::kEmpty, nullptr, &CKyMTextPE::GetJustify,
   &CKyMTextPE::SetJustify, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kText, QT_TRANSLATE_NOOP("property_types", "Direction"), CKyVariant::kEmpty, nullptr, &CKyMTextPE::GetDirection,
   &CKyMTextPE::SetDirection, &CKyPropertyPEImpl::IsReadOnlyFalse},
  // "Width" and "Text Height" become read-only model sizes for annotative texts (dynamic pass).
  {kText, kWidthKey, CKyVariant::kDouble, nullptr, &CKyMTextPE::GetWidth, &CKyMTextPE::SetWidth,
   &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kText, kTextHeightKey, CKyVariant::kDouble, nullptr, &CKyMTextPE::GetTextHeight, &CKyMTextPE::SetTextHeight,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "Height"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Rotation"), CKyVariant::kDouble, &CKyPropertyType::kAngleGUID,
   &CKyMTextPE::GetRotation, &CKyMTextPE::SetRotation, &CKyMTextPE::IsRotationReadOnly},
  {kText, QT_TRANSLATE_NOOP("property_types", "Background mask"), CKyVariant::kEmpty, nullptr,
   &CKyMTextPE::GetBackgroundMask, &CKyMTextPE::SetBackgroundMask, &CKyPropertyPEImpl::IsReadOnlyFalse,
   "BackgroundMask"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Line space factor"), CKyVariant::kEmpty, nullptr,
   &CKyMTextPE::GetLineSpaceFactor, &CKyMTextPE::SetLineSpaceFactor, &CKyPropertyPEImpl::IsReadOnlyFalse,
   "LineSpaceFactor"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Line space distance"), CKyVariant::kEmpty, nullptr,
   &CKyMTextPE::GetLineSpaceDist, &CKyMTextPE::SetLineSpaceDist, &CKyPropertyPEImpl::IsReadOnlyFalse,
   "LineSpaceDistance"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Line space style"), CKyVariant::kEmpty, nullptr,
   &CKyMTextPE::GetLineSpaceStyle, &CKyMTextPE::SetLineSpaceStyle, &CKyPropertyPEImpl::IsReadOnlyFalse,
   "LineSpaceStyle"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position X"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateXGUID, &CKyMTextPE::GetPositionX, &CKyMTextPE::SetPositionX,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "CoordinateX"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position Y"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateYGUID, &CKyMTextPE::GetPositionY, &CKyMTextPE::SetPositionY,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "CoordinateY"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position Z"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateZGUID, &CKyMTextPE::GetPositionZ, &CKyMTextPE::SetPositionZ,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "CoordinateZ"},
};

const KyMatchPropCarrier kCarrier = {"MATCHPROP_Text", &CKyMTextPE::GetMATCHPROP_Text,
                                     &CKyMTextPE::SetMATCHPROP_Text};

const KyChoice kJustify[] = {
  {OdDbMText::kTopLeft, QT_TRANSLATE_NOOP("property_values", "Top Left")},
  {OdDbMText::kTopCenter, QT_TRANSLATE_NOOP("property_values", "Top Center")},
  {OdDbMText::kTopRight, QT_TRANSLATE_NOOP("property_values", "Top Right")},
  {OdDbMText::kMiddleLeft, QT_TRANSLATE_NOOP("property_values", "Middle Left")},
  {OdDbMText::kMiddleCenter, QT_TRANSLATE_NOOP("property_values", "Middle Center")},
  {OdDbMText::kMiddleRight, QT_TRANSLATE_NOOP("property_values", "Middle Right")},
  {OdDbMText::kBottomLeft, QT_TRANSLATE_NOOP("property_values", "Bottom Left")},
  {OdDbMText::kBottomCenter, QT_TRANSLATE_NOOP("property_values", "Bottom Center")},
  {OdDbMText::kBottomRight, QT_TRANSLATE_NOOP("property_values", "Bottom Right")},
};
const KyChoice kDirection[] = {
  {OdDbMText::kLtoR, QT_TRANSLATE_NOOP("property_values", "Horizontal")},
  {OdDbMText::kTtoB, QT_TRANSLATE_NOOP("property_values", "Vertical")},
  {OdDbMText::kByStyle, QT_TRANSLATE_NOOP("property_values", "ByStyle")},
};
const KyChoice kLineSpaceStyle[] = {
  {OdDb::kAtLeast, QT_TRANSLATE_NOOP("property_values", "At least")},
  {OdDb::kExactly, QT_TRANSLATE_NOOP("property_values", "Exactly")},
};

// Listing names of the attachments 1..9 and the flow directions 1..5, in "info_values".
const char* const kAttachmentNames[] = {
  QT_TRANSLATE_NOOP("info_values", "TopLeft"),      QT_TRANSLATE_NOOP("info_values", "TopCenter"),
  QT_TRANSLATE_NOOP("info_values", "TopRight"),     QT_TRANSLATE_NOOP("info_values", "MiddleLeft"),
  QT_TRANSLATE_NOOP("info_values", "MiddleCenter"), QT_TRANSLATE_NOOP("info_values", "MiddleRight"),
  QT_TRANSLATE_NOOP("info_values", "BottomLeft"),   QT_TRANSLATE_NOOP("info_values", "BottomCenter"),
  QT_TRANSLATE_NOOP("info_values", "BottomRight")};
const char* const kDirectionNames[] = {
  QT_TRANSLATE_NOOP("info_values", "Left to Right"), QT_TRANSLATE_NOOP("info_values", "Right to Left"),
  QT_TRANSLATE_NOOP("info_values", "Top to Bottom"), QT_TRANSLATE_NOOP("info_values", "Bottom to Top"),
  QT_TRANSLATE_NOOP("info_values", "ByStyle")};
constexpr const char* kUnknown = QT_TRANSLATE_NOOP("info_values", "Unknown");

// Baselines lie 5/3 × text height × line spacing factor apart.
const double kLineSpaceRatio = 5.0 / 3.0;
const double kMinLineSpaceFactor = 0.25;
const double kMaxLineSpaceFactor = 4.0;

template <std::size_t N>
bool inList(const KyChoice (&choices)[N], int code)
{
  for (const KyChoice& c : choices)
    if (c.code == code)
      return true;
  return false;
}

template <std::size_t N>
CKyString infoName(const char* const (&names)[N], int oneBased)
{
  const char* key = oneBased >= 1 && oneBased <= static_cast<int>(N) ? names[oneBased - 1] : kUnknown;
  return KyTr("info_values", key);
}

bool annotative(const OdDbObject* object, bool* flag = nullptr)
{
  return CKyObjectAnnotationContext::IsAnnotative(object->objectId(), flag);
}

// Angle of the current UCS X axis, measured about the UCS normal from the world X axis (from
// the negative world X axis when the UCS looks up from below, its Z axis pointing down).
double ucsAngle()
{
  CKyDocument* document = ACTIVE_DOCUMENT();
  if (!document)
    return 0.0;
  OdGePoint3d origin;
  OdGeVector3d xAxis, yAxis;
  document->GetView()->GetUcsPlane().getCoordSystem(origin, xAxis, yAxis);
  const OdGeVector3d normal = xAxis.crossProduct(yAxis);
  // The world X axis turned by pi about Z, written exactly (a numeric rotation would leave a
  // residue that makes a UCS X along -X measure as 2pi instead of 0).
  const OdGeVector3d reference =
    normal == OdGeVector3d(0.0, 0.0, -1.0) ? -OdGeVector3d::kXAxis : OdGeVector3d::kXAxis;
  return reference.angleTo(xAxis, normal);
}

// Halves first, so that points near the largest double do not overflow (the same result as
// halving the sum everywhere else).
OdGePoint3d midpoint(const OdGePoint3d& a, const OdGePoint3d& b)
{
  return OdGePoint3d(a.x * 0.5 + b.x * 0.5, a.y * 0.5 + b.y * 0.5, a.z * 0.5 + b.z * 0.5);
}

// The location that keeps the present box in place under the attachment (1..9).
OdGePoint3d anchorOf(const OdGePoint3dArray& b, int attachment)
{
  switch (attachment)
  {
  case OdDbMText::kTopLeft:
    return b[0];
  case OdDbMText::kTopCenter:
    return midpoint(b[0], b[1]);
  case OdDbMText::kTopRight:
    return b[1];
  case OdDbMText::kMiddleLeft:
    return midpoint(b[0], b[2]);
  case OdDbMText::kMiddleCenter:
    return midpoint(b[0], b[3]);
  case OdDbMText::kMiddleRight:
    return midpoint(b[1], b[3]);
  case OdDbMText::kBottomLeft:
    return b[2];
  case OdDbMText::kBottomCenter:
    return midpoint(b[2], b[3]);
  default:
    return b[3];
  }
}

// The factor must lie in [0.25, 4.0]; otherwise the user is told and nothing is written.
int applyLineSpaceFactor(OdDbMText* mtext, double factor)
{
  if (factor < kMinLineSpaceFactor || factor > kMaxLineSpaceFactor)
    return KyRefuseWithMessage(QT_TRANSLATE_NOOP("errors", "Invalid input"));
  mtext->setLineSpacingFactor(factor);
  return kKyAccepted;
}

CKyVariant locationComponent(const OdDbObject* object, KyAxis axis)
{
  const KyOpened<OdDbMText> mtext = KyForRead<OdDbMText>(object);
  return mtext.isNull() ? CKyVariant() : KyUcsComponent(object, mtext->location(), axis);
}

int setLocationComponent(const OdDbObject* object, KyAxis axis, const CKyVariant& value)
{
  const KyOpened<OdDbMText> mtext = KyForWrite<OdDbMText>(object);
  if (mtext.isNull())
    return kKyRefused;
  return KySetUcsComponent(object, mtext->location(), axis, value,
                           [&](const OdGePoint3d& p) { mtext->setLocation(p); });
}

// The row that multiline text adds to the shared annotation rows.
const KyAnnotationRow kSheetDefinedWidthRow{kSheetDefinedWidth, CKyVariant::kEmpty, nullptr, "Text",
                                           "sheet_defined_width", false};
const KyAnnotationFamily kAnnotationFamily{kText,
                                           &CKyMTextPE::GetDynamicPropertyValue,
                                           &CKyMTextPE::SetDynamicPropertyValue,
                                           &CKyMTextPE::IsDynamicPropertyReadOnly,
                                           &CKyMTextPE::PerformGroupAction,
                                           "CKyMTextPE",
                                           QT_TRANSLATE_NOOP("CKyMTextPE", "Edit annotation scales")};
} // namespace

CKyString CKyMTextPE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Note"));
}

void CKyMTextPE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                  const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyMTextPE::desc(), OdDbMText::desc(), s_Names,
                 KyTable(kRows, &kCarrier));
}

bool CKyMTextPE::HasDynamicProperties()
{
  return true;
}

void CKyMTextPE::GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container)
{
  if (!container)
    return;
  static KyListedRowFinder styleRow, heightRow, widthRow;
  if (CKyPropertyDescription* style = styleRow.find(container, kStyleName.get(), kKyTextGroup.get()))
    style->SetType(CKyPropertyTypeImpl(CKyVariant::kObjectId, CKyPropertyType::kTextStyleGUID));

  if (!object || !annotative(object))
  {
    KyRenameListedRow(container, heightRow, kKyTextGroup, kKyModelTextHeightName, kTextHeightName,
                      &CKyPropertyPEImpl::IsReadOnlyFalse, "Text", "Height");
    KyRenameListedRow(container, widthRow, kKyTextGroup, kModelDefinedWidthName, kWidthName,
                      &CKyPropertyPEImpl::IsReadOnlyFalse, "Text", "Width");
    const KyAnnotationRow* const rows[] = {&kKyAnnotativeRow};
    KyAddAnnotationRows(container, kAnnotationFamily, rows);
    return;
  }
  KyRenameListedRow(container, heightRow, kKyTextGroup, kTextHeightName, kKyModelTextHeightName,
                    &CKyPropertyPEImpl::IsReadOnlyTrue, "Text", "model_text_height");
  KyRenameListedRow(container, widthRow, kKyTextGroup, kWidthName, kModelDefinedWidthName,
                    &CKyPropertyPEImpl::IsReadOnlyTrue, "Text", "model_defined_width");
  const KyAnnotationRow* const rows[] = {&kKyAnnotativeRow,     &kKyAnnotativeScaleRow,  &kKySheetTextHeightRow,
                                         &kSheetDefinedWidthRow, &kKyMatchOrientationRow};
  KyAddAnnotationRows(container, kAnnotationFamily, rows);
}

CKyVariant CKyMTextPE::GetContents(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForRead<OdDbMText>(object);
  return mtext.isNull() ? CKyVariant() : CKyVariant(mtext->contents());
}

int CKyMTextPE::SetContents(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                            const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForWrite<OdDbMText>(object);
  if (mtext.isNull() || value.GetType() != CKyVariant::kString)
    return kKyRefused;
  mtext->setContents(value.GetString().toOdString());
  return kKyAccepted;
}

CKyVariant CKyMTextPE::GetStyle(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForRead<OdDbMText>(object);
  return mtext.isNull() ? CKyVariant() : CKyVariant(mtext->textStyle());
}

int CKyMTextPE::SetStyle(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                         const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForWrite<OdDbMText>(object);
  if (mtext.isNull() || value.GetType() != CKyVariant::kObjectId)
    return kKyRefused;
  mtext->setTextStyle(value.GetId());
  updatePropetiesForTextStyleChange(object);
  return kKyAccepted;
}

CKyVariant CKyMTextPE::GetJustify(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForRead<OdDbMText>(object);
  return mtext.isNull() ? CKyVariant() : KyChoiceList(kJustify, mtext->attachment());
}

// The location moves to the point of the present box that the new attachment names, so the
// text stays where it is.
int CKyMTextPE::SetJustify(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                           const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForWrite<OdDbMText>(object);
  int attachment = 0;
  if (mtext.isNull() || !KyChosenCode(value, attachment))
    return kKyRefused;
  if (!inList(kJustify, attachment))
    return kKyAccepted;
  OdGePoint3dArray bounds;
  mtext->getBoundingPoints(bounds);
  // A box reaching beyond the largest double has no corner to keep in place.
  const OdGePoint3d location = anchorOf(bounds, attachment);
  if (!KyIsFinite(location))
    return kKyRefused;
  mtext->setLocation(location);
  mtext->setAttachment(static_cast<OdDbMText::AttachmentPoint>(attachment));
  return kKyAccepted;
}

CKyVariant CKyMTextPE::GetDirection(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForRead<OdDbMText>(object);
  return mtext.isNull() ? CKyVariant() : KyChoiceList(kDirection, mtext->flowDirection());
}

int CKyMTextPE::SetDirection(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                             const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForWrite<OdDbMText>(object);
  int direction = 0;
  if (mtext.isNull() || !KyChosenCode(value, direction))
    return kKyRefused;
  if (inList(kDirection, direction))
    mtext->setFlowDirection(static_cast<OdDbMText::FlowDirection>(direction));
  return kKyAccepted;
}

// A text with columns shows its column width.
CKyVariant CKyMTextPE::GetWidth(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForRead<OdDbMText>(object);
  if (mtext.isNull())
    return CKyVariant();
  const bool columns = mtext->getColumnType() != OdDbMText::kNoColumns;
  return CKyVariant(columns ? mtext->getColumnWidth() : mtext->width(), true);
}

// With columns the value becomes both the gutter and the column width.
int CKyMTextPE::SetWidth(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                         const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForWrite<OdDbMText>(object);
  double width = 0.0;
  if (mtext.isNull() || !KyDoubleOf(value, width))
    return kKyRefused;
  if (mtext->getColumnType() != OdDbMText::kNoColumns)
  {
    // Gutter first, then the columns; when the columns refuse the width (the text would become
    // too wide), the gutter is put back so that the refusal changes nothing.
    const double gutter = mtext->getColumnGutterWidth();
    mtext->setColumnGutterWidth(width);
    try
    {
      mtext->setColumnWidth(width);
    }
    catch (const OdError&)
    {
      mtext->setColumnGutterWidth(gutter);
      throw;
    }
  }
  else
    mtext->setWidth(width);
  return kKyAccepted;
}

CKyVariant CKyMTextPE::GetTextHeight(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForRead<OdDbMText>(object);
  return mtext.isNull() ? CKyVariant() : CKyVariant(mtext->textHeight(), true);
}

int CKyMTextPE::SetTextHeight(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                              const CKyVariant&)
{
  double height = 0.0;
  if (KyForWrite<OdDbMText>(object).isNull() || !KyDoubleOf(value, height) || KyIsZero(height))
    return kKyRefused;
  return updatePropertiesForHeightChange(object, height) ? kKyAccepted : kKyRefused;
}

// Relative to the current UCS; an annotative text that follows the sheet's orientation shows 0.
CKyVariant CKyMTextPE::GetRotation(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForRead<OdDbMText>(object);
  if (mtext.isNull())
    return CKyVariant();
  bool flag = false;
  if (annotative(object, &flag) && flag)
    return CKyVariant(0.0, true);
  double rotation = mtext->rotation();
  if (rotation < 0.0)
    rotation += Oda2PI;
  return CKyVariant(rotation - ucsAngle(), true);
}

int CKyMTextPE::SetRotation(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                            const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForWrite<OdDbMText>(object);
  double rotation = 0.0;
  if (mtext.isNull() || !KyDoubleOf(value, rotation))
    return kKyRefused;
  mtext->setRotation(rotation + ucsAngle());
  return kKyAccepted;
}

bool CKyMTextPE::IsRotationReadOnly(const OdDbObject* object, const CKyPropertyDescription&)
{
  if (KyAs<OdDbMText>(object).isNull())
    return false;
  bool flag = false;
  return annotative(object, &flag) ? flag : false;
}

CKyVariant CKyMTextPE::GetBackgroundMask(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForRead<OdDbMText>(object);
  return mtext.isNull() ? CKyVariant() : KyYesNoList(mtext->backgroundFillOn());
}

int CKyMTextPE::SetBackgroundMask(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                  const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForWrite<OdDbMText>(object);
  int code = 0;
  if (mtext.isNull() || !KyChosenCode(value, code))
    return kKyRefused;
  if (code == 1 || code == 0)
    mtext->setBackgroundFill(code == 1);
  return kKyAccepted;
}

CKyVariant CKyMTextPE::GetLineSpaceFactor(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForRead<OdDbMText>(object);
  return mtext.isNull() ? CKyVariant() : CKyVariant(mtext->lineSpacingFactor(), false);
}

int CKyMTextPE::SetLineSpaceFactor(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                   const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForWrite<OdDbMText>(object);
  double factor = 0.0;
  if (mtext.isNull() || !KyDoubleOf(value, factor))
    return kKyRefused;
  return applyLineSpaceFactor(mtext, factor);
}

CKyVariant CKyMTextPE::GetLineSpaceDist(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForRead<OdDbMText>(object);
  if (mtext.isNull())
    return CKyVariant();
  return CKyVariant(kLineSpaceRatio * mtext->textHeight() * mtext->lineSpacingFactor(), true);
}

// The distance is turned into a factor. A factor within 1e-10 of a limit, as the division leaves
// it for a distance entered at that limit, is taken as the limit.
int CKyMTextPE::SetLineSpaceDist(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                 const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForWrite<OdDbMText>(object);
  double distance = 0.0;
  if (mtext.isNull() || !KyDoubleOf(value, distance))
    return kKyRefused;
  double factor = distance / kLineSpaceRatio / mtext->textHeight();
  if (KyIsZero(factor - kMinLineSpaceFactor))
    factor = kMinLineSpaceFactor;
  else if (KyIsZero(factor - kMaxLineSpaceFactor))
    factor = kMaxLineSpaceFactor;
  return applyLineSpaceFactor(mtext, factor);
}

CKyVariant CKyMTextPE::GetLineSpaceStyle(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForRead<OdDbMText>(object);
  return mtext.isNull() ? CKyVariant() : KyChoiceList(kLineSpaceStyle, mtext->lineSpacingStyle());
}

int CKyMTextPE::SetLineSpaceStyle(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                  const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForWrite<OdDbMText>(object);
  int style = 0;
  if (mtext.isNull() || !KyChosenCode(value, style))
    return kKyRefused;
  if (inList(kLineSpaceStyle, style))
    mtext->setLineSpacingStyle(static_cast<OdDb::LineSpacingStyle>(style));
  return kKyAccepted;
}

CKyVariant CKyMTextPE::GetPositionX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return locationComponent(o, kKyAxisX);
}
CKyVariant CKyMTextPE::GetPositionY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return locationComponent(o, kKyAxisY);
}
CKyVariant CKyMTextPE::GetPositionZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return locationComponent(o, kKyAxisZ);
}
int CKyMTextPE::SetPositionX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setLocationComponent(o, kKyAxisX, v);
}
int CKyMTextPE::SetPositionY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setLocationComponent(o, kKyAxisY, v);
}
int CKyMTextPE::SetPositionZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setLocationComponent(o, kKyAxisZ, v);
}

CKyVariant CKyMTextPE::GetMATCHPROP_Text(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyMatchPropGetter<OdDbMText>(object);
}

// Single-line and multiline texts are both accepted as sources.
int CKyMTextPE::SetMATCHPROP_Text(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                  const CKyVariant&)
{
  return KyMatchPropSetter<OdDbMText>(object, value, &KyIsKindOf<OdDbText, OdDbMText>,
                                      &CKyMatchPropHelper::matchTextProps);
}

namespace
{
// The per-object rows by name: annotative, its scale, the sheet height and width (shown only)
// and the orientation.
const KyDynamicRowAccessors kDynamicRows[] = {
  {&kKyAnnotativeName, &CKyMTextPE::GetDynamicPropertyAnnotative, &CKyMTextPE::SetDynamicPropertyAnnotative},
  {&kKyAnnotativeScaleName, &CKyMTextPE::GetDynamicPropertyAnnotativeScale,
   &CKyMTextPE::SetDynamicPropertyAnnotativeScale},
  {&kKySheetTextHeightName, &CKyMTextPE::GetDynamicPropertySheetTextHeight,
   &CKyMTextPE::SetDynamicPropertySheetTextHeight},
  {&kSheetDefinedWidthName, &CKyMTextPE::GetDynamicPropertySheetWidth, nullptr},
  {&kKyMatchOrientationName, &CKyMTextPE::GetDynamicPropertyMatchOrientation,
   &CKyMTextPE::SetDynamicPropertyMatchOrientation},
};
} // namespace

CKyVariant CKyMTextPE::GetDynamicPropertyValue(const OdDbObject* object, const CKyPropertyDescription& description,
                                               const CKyVariant& context)
{
  return KyGetDynamicRow(kDynamicRows, object, description, context);
}

int CKyMTextPE::SetDynamicPropertyValue(const OdDbObject* object, const CKyPropertyDescription& description,
                                        const CKyVariant& value, const CKyVariant& context)
{
  return KySetDynamicRow(kDynamicRows, object, description, value, context);
}

bool CKyMTextPE::IsDynamicPropertyReadOnly(const OdDbObject* object, const CKyPropertyDescription& description)
{
  const CKyString name = description.GetName();
  if (KyIsNamed(name, kKyAnnotativeScaleName))
    return !object || !annotative(object);
  return KyIsNamed(name, kSheetDefinedWidthName);
}

CKyVariant CKyMTextPE::PerformGroupAction(const OdArray<OdDbObjectId>& ids, const CKyPropertyDescription& description,
                                          const CKyVariant&, const CKyVariant&)
{
  return KyAnnotationScaleAction(ids, description);
}

CKyVariant CKyMTextPE::GetDynamicPropertyAnnotative(const OdDbObject* object, const CKyPropertyDescription&,
                                                    const CKyVariant&)
{
  return KyForRead<OdDbMText>(object).isNull() ? CKyVariant() : KyYesNoList(annotative(object));
}

// Unlike single-line text, every justification may be annotative.
int CKyMTextPE::SetDynamicPropertyAnnotative(const OdDbObject* object, const CKyPropertyDescription&,
                                             const CKyVariant& value, const CKyVariant&)
{
  int code = 0;
  if (KyForWrite<OdDbMText>(object).isNull() || !KyChosenCode(value, code))
    return kKyRefused;
  CKyObjectAnnotationContext::SetAnnotative(object->objectId(), code == 1, false);
  return kKyAccepted;
}

CKyVariant CKyMTextPE::GetDynamicPropertyAnnotativeScale(const OdDbObject* object, const CKyPropertyDescription&,
                                                         const CKyVariant&)
{
  if (KyForRead<OdDbMText>(object).isNull())
    return CKyVariant();
  return CKyVariant(CKyObjectAnnotationContext(object->objectId()).GetCurrentScale());
}

// The scales are edited through the group action.
int CKyMTextPE::SetDynamicPropertyAnnotativeScale(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                                  const CKyVariant&)
{
  return kKyAccepted;
}

CKyVariant CKyMTextPE::GetDynamicPropertySheetTextHeight(const OdDbObject* object, const CKyPropertyDescription&,
                                                         const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForRead<OdDbMText>(object);
  if (mtext.isNull())
    return CKyVariant();
  return CKyVariant(KySheetSize(mtext->textHeight(), KyAnnotationScaleFactor(object)), true);
}

int CKyMTextPE::SetDynamicPropertySheetTextHeight(const OdDbObject* object, const CKyPropertyDescription& description,
                                                  const CKyVariant& value, const CKyVariant& context)
{
  return SetTextHeight(object, description, value, context);
}

CKyVariant CKyMTextPE::GetDynamicPropertySheetWidth(const OdDbObject* object, const CKyPropertyDescription&,
                                                    const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForRead<OdDbMText>(object);
  if (mtext.isNull())
    return CKyVariant();
  return CKyVariant(KySheetSize(mtext->width(), KyAnnotationScaleFactor(object)), true);
}

CKyVariant CKyMTextPE::GetDynamicPropertyMatchOrientation(const OdDbObject* object, const CKyPropertyDescription&,
                                                          const CKyVariant&)
{
  return KyForRead<OdDbMText>(object).isNull() ? CKyVariant() : KyMatchOrientationList(object);
}

int CKyMTextPE::SetDynamicPropertyMatchOrientation(const OdDbObject* object, const CKyPropertyDescription&,
                                                   const CKyVariant& value, const CKyVariant&)
{
  const KyOpened<OdDbMText> mtext = KyForWrite<OdDbMText>(object);
  return mtext.isNull() ? kKyRefused : KySetMatchOrientation(mtext, value);
}

void CKyMTextPE::updatePropetiesForTextStyleChange(const OdDbObject* object)
{
  const KyOpened<OdDbEntity> entity = KyForWrite<OdDbEntity>(object);
  if (!entity.isNull())
    CKyObjectAnnotationContext::UpdateTextFromTextStyle(entity);
}

bool CKyMTextPE::updatePropertiesForHeightChange(const OdDbObject* object, double height)
{
  const KyOpened<OdDbEntity> entity = KyForWrite<OdDbEntity>(object);
  if (entity.isNull() || KyIsZero(height))
    return false;
  return CKyObjectAnnotationContext::UpdateAnnotativeTextHeight(entity, height);
}

CKyString CKyMTextInfo::GetClassName(const OdDbObject*)
{
  return CKyString(L"NOTE");
}

bool CKyMTextInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDbMTextPtr mtext = OdDbMText::cast(object);
  if (mtext.isNull())
    return false;
  PrintAnnotationInfo(object, context);

  context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Position")), mtext->location());
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Width")), mtext->width());
  context->PrintVector3D(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Normal")), mtext->normal());
  context->PrintAngle(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Angle")), mtext->rotation());
  OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::cast(mtext->textStyle().openObject().get());
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "TextStyle")),
                       CKyString(style.isNull() ? OdString() : style->getName()));

  const double height = mtext->textHeight();
  if (annotative(object))
  {
    context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Sheet text height")),
                       KySheetSize(height, KyAnnotationScaleFactor(object)));
    context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Model text height")), height);
  }
  else
    context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Text Height")), height);

  // The line spacing factor goes out through the distance line, as the report has always shown it.
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Line Spacing")), mtext->lineSpacingFactor());
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Attachment")),
                       infoName(kAttachmentNames, mtext->attachment()));
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Direction")),
                       infoName(kDirectionNames, mtext->flowDirection()));
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Contents")), CKyString(mtext->contents()));
  return true;
}

void CKyMTextInfo::PrintAnnotationInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  KyPrintAnnotationInfo(object, context);
}
