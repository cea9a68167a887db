// Type identifier strings of the palette editors and the reverse lookup of their member names.
#include "KyPropertyType.h"

#include <utility>

const CKyString CKyPropertyType::kCoordinateXGUID = CKyString("{KY-PROPTYPE-COORDINATE-X}");
const CKyString CKyPropertyType::kCoordinateYGUID = CKyString("{KY-PROPTYPE-COORDINATE-Y}");
const CKyString CKyPropertyType::kCoordinateZGUID = CKyString("{KY-PROPTYPE-COORDINATE-Z}");
const CKyString CKyPropertyType::kAngleGUID = CKyString("{KY-PROPTYPE-ANGLE}");
const CKyString CKyPropertyType::kOrientGUID = CKyString("{KY-PROPTYPE-ORIENTATION}");
const CKyString CKyPropertyType::kHeightGUID = CKyString("{KY-PROPTYPE-HEIGHT}");
const CKyString CKyPropertyType::kWidthGUID = CKyString("{KY-PROPTYPE-WIDTH}");
const CKyString CKyPropertyType::kLayerGUID = CKyString("{KY-PROPTYPE-LAYER}");
const CKyString CKyPropertyType::kLinetypeGUID = CKyString("{KY-PROPTYPE-LINETYPE}");
const CKyString CKyPropertyType::kLineweightGUID = CKyString("{KY-PROPTYPE-LINEWEIGHT}");
const CKyString CKyPropertyType::kPlotStyleGUID = CKyString("{KY-PROPTYPE-PLOTSTYLE}");
const CKyString CKyPropertyType::kHyperlinkGUID = CKyString("{KY-PROPTYPE-HYPERLINK}");
const CKyString CKyPropertyType::kTransparencyGUID = CKyString("{KY-PROPTYPE-TRANSPARENCY}");
const CKyString CKyPropertyType::kTextStyleGUID = CKyString("{KY-PROPTYPE-TEXTSTYLE}");
const CKyString CKyPropertyType::kDimStyleGUID = CKyString("{KY-PROPTYPE-DIMSTYLE}");
const CKyString CKyPropertyType::kMLeaderStyleGUID = CKyString("{KY-PROPTYPE-MLEADERSTYLE}");
const CKyString CKyPropertyType::kHatchColorGUID = CKyString("{KY-PROPTYPE-HATCH-COLOR}");
const CKyString CKyPropertyType::kBackgroundColorGUID = CKyString("{KY-PROPTYPE-BACKGROUND-COLOR}");
const CKyString CKyPropertyType::kAttributeGUID = CKyString("{KY-PROPTYPE-ATTRIBUTE}");
const CKyString CKyPropertyType::kLineEditToolButtonGUID = CKyString("{KY-PROPTYPE-LINE-EDIT-TOOL-BUTTON}");
const CKyString CKyPropertyType::kVertexGUID = CKyString("{KY-PROPTYPE-VERTEX}");
const CKyString CKyPropertyType::kVertexXGUID = CKyString("{KY-PROPTYPE-VERTEX-X}");
const CKyString CKyPropertyType::kVertexYGUID = CKyString("{KY-PROPTYPE-VERTEX-Y}");
const CKyString CKyPropertyType::kVertexZGUID = CKyString("{KY-PROPTYPE-VERTEX-Z}");
const CKyString CKyPropertyType::kVertexStartWidthGUID = CKyString("{KY-PROPTYPE-VERTEX-START-WIDTH}");
const CKyString CKyPropertyType::kVertexEndWidthGUID = CKyString("{KY-PROPTYPE-VERTEX-END-WIDTH}");
const CKyString CKyPropertyType::kSplineControlPointGUID = CKyString("{KY-PROPTYPE-SPLINE-CONTROL-POINT}");
const CKyString CKyPropertyType::kSplineControlPointXGUID = CKyString("{KY-PROPTYPE-SPLINE-CONTROL-POINT-X}");
const CKyString CKyPropertyType::kSplineControlPointYGUID = CKyString("{KY-PROPTYPE-SPLINE-CONTROL-POINT-Y}");
const CKyString CKyPropertyType::kSplineControlPointZGUID = CKyString("{KY-PROPTYPE-SPLINE-CONTROL-POINT-Z}");
const CKyString CKyPropertyType::kSplineFitPointGUID = CKyString("{KY-PROPTYPE-SPLINE-FIT-POINT}");
const CKyString CKyPropertyType::kSplineFitPointXGUID = CKyString("{KY-PROPTYPE-SPLINE-FIT-POINT-X}");
const CKyString CKyPropertyType::kSplineFitPointYGUID = CKyString("{KY-PROPTYPE-SPLINE-FIT-POINT-Y}");
const CKyString CKyPropertyType::kSplineFitPointZGUID = CKyString("{KY-PROPTYPE-SPLINE-FIT-POINT-Z}");

CKyString CKyPropertyType::GuidName(const CKyString& guid)
{
  // Built on first use: the members above are initialised by then whatever the load order.
  static const std::pair<const CKyString*, const char*> table[] = {
    {&kCoordinateXGUID, "kCoordinateXGUID"},
    {&kCoordinateYGUID, "kCoordinateYGUID"},
    {&kCoordinateZGUID, "kCoordinateZGUID"},
    {&kAngleGUID, "kAngleGUID"},
    {&kOrientGUID, "kOrientGUID"},
    {&kHeightGUID, "kHeightGUID"},
    {&kWidthGUID, "kWidthGUID"},
    {&kLayerGUID, "kLayerGUID"},
    {&kLinetypeGUID, "kLinetypeGUID"},
    {&kLineweightGUID, "kLineweightGUID"},
    {&kPlotStyleGUID, "kPlotStyleGUID"},
    {&kHyperlinkGUID, "kHyperlinkGUID"},
    {&kTransparencyGUID, "kTransparencyGUID"},
    {&kTextStyleGUID, "kTextStyleGUID"},
    {&kDimStyleGUID, "kDimStyleGUID"},
    {&kMLeaderStyleGUID, "kMLeaderStyleGUID"},
    {&kHatchColorGUID, "kHatchColorGUID"},
    {&kBackgroundColorGUID, "kBackgroundColorGUID"},
    {&kAttributeGUID, "kAttributeGUID"},
    {&kLineEditToolButtonGUID, "kLineEditToolButtonGUID"},
    {&kVertexGUID, "kVertexGUID"},
    {&kVertexXGUID, "kVertexXGUID"},
    {&kVertexYGUID, "kVertexYGUID"},
    {&kVertexZGUID, "kVertexZGUID"},
    {&kVertexStartWidthGUID, "kVertexStartWidthGUID"},
    {&kVertexEndWidthGUID, "kVertexEndWidthGUID"},
    {&kSplineControlPointGUID, "kSplineControlPointGUID"},
    {&kSplineControlPointXGUID, "kSplineControlPointXGUID"},
    {&kSplineControlPointYGUID, "kSplineControlPointYGUID"},
    {&kSplineControlPointZGUID, "kSplineControlPointZGUID"},
    {&kSplineFitPointGUID, "kSplineFitPointGUID"},
    {&kSplineFitPointXGUID, "kSplineFitPointXGUID"},
    {&kSplineFitPointYGUID, "kSplineFitPointYGUID"},
    {&kSplineFitPointZGUID, "kSplineFitPointZGUID"},
  };
  if (guid.isEmpty())
    return CKyString();
  for (const auto& entry : table)
    if (*entry.first == guid)
      return CKyString(entry.second);
  return CKyString();
}
