// Global definitions of the geometry library: the angle constants, the kinds of geometric
// entity (OdGe::EntityId) and the error conditions reported by geometric operations.
#ifndef OD_GE_GBL_H
#define OD_GE_GBL_H

#ifndef OdaPI
#define OdaPI 3.14159265358979323846
#endif
#ifndef OdaPI2
#define OdaPI2 (OdaPI / 2.0)
#endif
#ifndef OdaPI4
#define OdaPI4 (OdaPI / 4.0)
#endif
#ifndef Oda2PI
#define Oda2PI (OdaPI * 2.0)
#endif

struct OdGe
{
  // Kinds of geometric entity, answered by type() and tested by isKindOf().
  enum EntityId
  {
    kEntity2d,
    kEntity3d,
    kPointEnt2d,
    kPointEnt3d,
    kCurve2d,
    kCurve3d,
    kLinearEnt2d,
    kLinearEnt3d,
    kLine2d,
    kLine3d,
    kLineSeg2d,
    kLineSeg3d,
    kRay2d,
    kRay3d,
    kCircArc2d,
    kCircArc3d,
    kEllipArc2d,
    kEllipArc3d,
    kSplineEnt2d,
    kSplineEnt3d,
    kNurbCurve2d,
    kNurbCurve3d,
    kPolyline2d,
    kPolyline3d,
    kCompositeCrv2d,
    kCompositeCrv3d,
    kSurface,
    kPlanarEnt,
    kPlane,
    kBoundedPlane
  };

  // Outcome of operations that report a condition instead of throwing (normalize, ...).
  enum ErrorCondition
  {
    kOk,
    k0This,
    k0Arg1,
    k0Arg2,
    kPerpendicularArg1Arg2,
    kEqualArg1Arg2,
    kEqualArg1Arg3,
    kEqualArg2Arg3,
    kLinearlyDependentArg1Arg2Arg3,
    kArg1TooBig,
    kArg1OnThis,
    kArg1InsideThis,
    kNonCoplanarGeometry,
    kDegenerateGeometry,
    kSingularPoint
  };
};

typedef OdGe::ErrorCondition OdGeError;

#endif
