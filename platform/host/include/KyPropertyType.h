// Property types: the type identifier strings that select the palette's editor and formatting
// (CKyPropertyType) and the type record of a description (CKyPropertyTypeImpl: value kind + GUID).
#ifndef KY_PROPERTY_TYPE_H
#define KY_PROPERTY_TYPE_H

#include "KyString.h"
#include "KyVariant.h"

class CKyPropertyType
{
public:
  static const CKyString kCoordinateXGUID;
  static const CKyString kCoordinateYGUID;
  static const CKyString kCoordinateZGUID;
  static const CKyString kAngleGUID;
  static const CKyString kOrientGUID;
  static const CKyString kHeightGUID;
  static const CKyString kWidthGUID;
  static const CKyString kLayerGUID;
  static const CKyString kLinetypeGUID;
  static const CKyString kLineweightGUID;
  static const CKyString kPlotStyleGUID;
  static const CKyString kHyperlinkGUID;
  static const CKyString kTransparencyGUID;
  static const CKyString kTextStyleGUID;
  static const CKyString kDimStyleGUID;
  static const CKyString kMLeaderStyleGUID;
  static const CKyString kHatchColorGUID;
  static const CKyString kBackgroundColorGUID;
  static const CKyString kAttributeGUID;
  static const CKyString kLineEditToolButtonGUID;
  static const CKyString kVertexGUID;
  static const CKyString kVertexXGUID;
  static const CKyString kVertexYGUID;
  static const CKyString kVertexZGUID;
  static const CKyString kVertexStartWidthGUID;
  static const CKyString kVertexEndWidthGUID;
  static const CKyString kSplineControlPointGUID;
  static const CKyString kSplineControlPointXGUID;
  static const CKyString kSplineControlPointYGUID;
  static const CKyString kSplineControlPointZGUID;
  static const CKyString kSplineFitPointGUID;
  static const CKyString kSplineFitPointXGUID;
  static const CKyString kSplineFitPointYGUID;
  static const CKyString kSplineFitPointZGUID;

  // The member name of a type identifier ("kCoordinateXGUID"), or an empty string when the text
  // is not one of them.
  static CKyString GuidName(const CKyString& guid);
};

class CKyPropertyTypeImpl
{
public:
  CKyPropertyTypeImpl(CKyVariant::_Type type = CKyVariant::kEmpty, const CKyString& guid = CKyString())
    : m_type(type), m_guid(guid)
  {
  }

  CKyVariant::_Type GetType() const { return m_type; }
  const CKyString& GetGUID() const { return m_guid; }

  bool operator==(const CKyPropertyTypeImpl& other) const { return m_type == other.m_type && m_guid == other.m_guid; }
  bool operator!=(const CKyPropertyTypeImpl& other) const { return !(*this == other); }

private:
  CKyVariant::_Type m_type;
  CKyString m_guid;
};

#endif
