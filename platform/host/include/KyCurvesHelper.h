// Curve and dimension queries of the host.
#ifndef KY_CURVES_HELPER_H
#define KY_CURVES_HELPER_H

class OdDbEntity;

namespace KyCurvesHelper
{
// Whether a dimension is tied to the geometry it measures: drawings record that association in
// the dimension's extension dictionary under "ACAD_DIMASSOC". False for other entities.
bool IsDimensionAssociated(const OdDbEntity* pEnt);
} // namespace KyCurvesHelper

#endif
