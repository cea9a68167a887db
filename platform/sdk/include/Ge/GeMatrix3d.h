// 4x4 matrix of spatial transformations acting on column vectors: columns 0-2 are the images of
// the axes and entry[i][3] the translation. planeToWorld(normal) is the object coordinate system
// of that normal (its X axis chosen by the arbitrary-axis rule, see OdGeVector3d::perpVector).
#ifndef OD_GE_MATRIX3D_H
#define OD_GE_MATRIX3D_H

#include "Ge/GePoint3d.h"
#include "Ge/GeScale3d.h"

class OdGePlane;

class OdGeMatrix3d
{
public:
  double entry[4][4] = {{1.0, 0.0, 0.0, 0.0}, {0.0, 1.0, 0.0, 0.0}, {0.0, 0.0, 1.0, 0.0}, {0.0, 0.0, 0.0, 1.0}};

  constexpr OdGeMatrix3d() = default;

  static const OdGeMatrix3d kIdentity;

  double operator()(unsigned int row, unsigned int column) const { return entry[row][column]; }
  double& operator()(unsigned int row, unsigned int column) { return entry[row][column]; }
  const double* operator[](unsigned int row) const { return entry[row]; }
  double* operator[](unsigned int row) { return entry[row]; }

  OdGeMatrix3d& setToIdentity();
  OdGeMatrix3d& setToTranslation(const OdGeVector3d& vect);
  // Counter-clockwise rotation when looking down the axis, about the line through center.
  // Throws OdError(eInvalidInput) for a zero-length axis.
  OdGeMatrix3d& setToRotation(double angle, const OdGeVector3d& axis, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  OdGeMatrix3d& setToScaling(double scale, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  OdGeMatrix3d& setToScaling(const OdGeScale3d& scale, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  // Reflection in a plane, or through a point.
  OdGeMatrix3d& setToMirroring(const OdGePlane& mirrorPlane);
  OdGeMatrix3d& setToMirroring(const OdGePoint3d& mirrorPoint);

  // Maps the world axes onto the given ones: columns xAxis, yAxis, zAxis and translation origin.
  OdGeMatrix3d& setCoordSystem(const OdGePoint3d& origin, const OdGeVector3d& xAxis, const OdGeVector3d& yAxis,
                               const OdGeVector3d& zAxis);
  void getCoordSystem(OdGePoint3d& origin, OdGeVector3d& xAxis, OdGeVector3d& yAxis, OdGeVector3d& zAxis) const;
  OdGePoint3d getCsOrigin() const { return OdGePoint3d(entry[0][3], entry[1][3], entry[2][3]); }
  OdGeVector3d getCsXAxis() const { return OdGeVector3d(entry[0][0], entry[1][0], entry[2][0]); }
  OdGeVector3d getCsYAxis() const { return OdGeVector3d(entry[0][1], entry[1][1], entry[2][1]); }
  OdGeVector3d getCsZAxis() const { return OdGeVector3d(entry[0][2], entry[1][2], entry[2][2]); }

  // Maps the first coordinate system onto the second (origin to origin, axis to axis).
  OdGeMatrix3d& setToAlignCoordSys(const OdGePoint3d& fromOrigin, const OdGeVector3d& fromXAxis,
                                   const OdGeVector3d& fromYAxis, const OdGeVector3d& fromZAxis,
                                   const OdGePoint3d& toOrigin, const OdGeVector3d& toXAxis,
                                   const OdGeVector3d& toYAxis, const OdGeVector3d& toZAxis);
  // Object coordinate system of the normal, to world (rotation only) and back.
  // Throws OdError(eInvalidInput) for a zero-length normal.
  OdGeMatrix3d& setToPlaneToWorld(const OdGeVector3d& normal);
  OdGeMatrix3d& setToWorldToPlane(const OdGeVector3d& normal);
  // The plane's origin, unit u axis, the unit vector normal x u and the normal, to world and back.
  OdGeMatrix3d& setToPlaneToWorld(const OdGePlane& plane);
  OdGeMatrix3d& setToWorldToPlane(const OdGePlane& plane);
  // Orthogonal projection onto the plane, along its normal.
  OdGeMatrix3d& setToProjection(const OdGePlane& projectionPlane);

  static OdGeMatrix3d translation(const OdGeVector3d& vect);
  static OdGeMatrix3d rotation(double angle, const OdGeVector3d& axis, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  static OdGeMatrix3d scaling(double scale, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  static OdGeMatrix3d scaling(const OdGeScale3d& scale, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  static OdGeMatrix3d mirroring(const OdGePlane& mirrorPlane);
  static OdGeMatrix3d mirroring(const OdGePoint3d& mirrorPoint);
  static OdGeMatrix3d alignCoordSys(const OdGePoint3d& fromOrigin, const OdGeVector3d& fromXAxis,
                                    const OdGeVector3d& fromYAxis, const OdGeVector3d& fromZAxis,
                                    const OdGePoint3d& toOrigin, const OdGeVector3d& toXAxis,
                                    const OdGeVector3d& toYAxis, const OdGeVector3d& toZAxis);
  static OdGeMatrix3d planeToWorld(const OdGeVector3d& normal);
  static OdGeMatrix3d planeToWorld(const OdGePlane& plane);
  static OdGeMatrix3d worldToPlane(const OdGeVector3d& normal);
  static OdGeMatrix3d worldToPlane(const OdGePlane& plane);
  static OdGeMatrix3d projection(const OdGePlane& projectionPlane);
  OdGeVector3d translation() const { return OdGeVector3d(entry[0][3], entry[1][3], entry[2][3]); }

  OdGeMatrix3d operator*(const OdGeMatrix3d& matrix) const;
  OdGeMatrix3d& operator*=(const OdGeMatrix3d& matrix) { return postMultBy(matrix); }
  // this = leftSide * this.
  OdGeMatrix3d& preMultBy(const OdGeMatrix3d& leftSide);
  // this = this * rightSide.
  OdGeMatrix3d& postMultBy(const OdGeMatrix3d& rightSide);
  OdGeMatrix3d& setToProduct(const OdGeMatrix3d& a, const OdGeMatrix3d& b);

  double det() const;
  bool isSingular(const OdGeTol& tol = OdGeContext::gTol) const;
  // Throws OdError(eInvalidInput) when the matrix is singular.
  OdGeMatrix3d& invert();
  OdGeMatrix3d inverse() const;
  // False (and inverseMatrix untouched) when the determinant is within tol of zero.
  bool inverse(OdGeMatrix3d& inverseMatrix, double tol) const;
  OdGeMatrix3d& transposeIt();
  OdGeMatrix3d transpose() const;

  bool isEqualTo(const OdGeMatrix3d& matrix, const OdGeTol& tol = OdGeContext::gTol) const;
  bool operator==(const OdGeMatrix3d& matrix) const { return isEqualTo(matrix); }
  bool operator!=(const OdGeMatrix3d& matrix) const { return !isEqualTo(matrix); }

  // Axes mutually perpendicular and of one length (a rotation, reflection and uniform scale).
  bool isUniScaledOrtho(const OdGeTol& tol = OdGeContext::gTol) const;
  // Axes mutually perpendicular, of any non-zero lengths.
  bool isScaledOrtho(const OdGeTol& tol = OdGeContext::gTol) const;
  bool isPerspective(const OdGeTol& tol = OdGeContext::gTol) const;
  // Largest length of the images of the three axes.
  double scale() const;
};

inline const OdGeMatrix3d OdGeMatrix3d::kIdentity{};

OdGeVector3d operator*(const OdGeMatrix3d& matrix, const OdGeVector3d& vect);

#endif
