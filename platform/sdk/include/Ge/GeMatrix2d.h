// 3x3 matrix of planar transformations acting on column vectors: entry[i][2] holds the
// translation. Points take the translation, vectors only the linear part.
#ifndef OD_GE_MATRIX2D_H
#define OD_GE_MATRIX2D_H

#include "Ge/GePoint2d.h"

class OdGeMatrix2d
{
public:
  double entry[3][3] = {{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}};

  constexpr OdGeMatrix2d() = default;

  static const OdGeMatrix2d kIdentity;

  double operator()(unsigned int row, unsigned int column) const { return entry[row][column]; }
  double& operator()(unsigned int row, unsigned int column) { return entry[row][column]; }
  const double* operator[](unsigned int row) const { return entry[row]; }
  double* operator[](unsigned int row) { return entry[row]; }

  OdGeMatrix2d& setToIdentity();
  OdGeMatrix2d& setToTranslation(const OdGeVector2d& vect);
  // Counter-clockwise rotation about center.
  OdGeMatrix2d& setToRotation(double angle, const OdGePoint2d& center = OdGePoint2d::kOrigin);
  OdGeMatrix2d& setToScaling(double scale, const OdGePoint2d& center = OdGePoint2d::kOrigin);
  // Reflection in the line through the point with the given direction.
  OdGeMatrix2d& setToMirroring(const OdGePoint2d& point, const OdGeVector2d& direction);
  OdGeMatrix2d& setCoordSystem(const OdGePoint2d& origin, const OdGeVector2d& xAxis, const OdGeVector2d& yAxis);
  void getCoordSystem(OdGePoint2d& origin, OdGeVector2d& xAxis, OdGeVector2d& yAxis) const;

  static OdGeMatrix2d translation(const OdGeVector2d& vect);
  static OdGeMatrix2d rotation(double angle, const OdGePoint2d& center = OdGePoint2d::kOrigin);
  static OdGeMatrix2d scaling(double scale, const OdGePoint2d& center = OdGePoint2d::kOrigin);
  static OdGeMatrix2d mirroring(const OdGePoint2d& point, const OdGeVector2d& direction);
  OdGeVector2d translation() const { return OdGeVector2d(entry[0][2], entry[1][2]); }

  OdGeMatrix2d operator*(const OdGeMatrix2d& matrix) const;
  OdGeMatrix2d& operator*=(const OdGeMatrix2d& matrix) { return postMultBy(matrix); }
  OdGeMatrix2d& preMultBy(const OdGeMatrix2d& leftSide);
  OdGeMatrix2d& postMultBy(const OdGeMatrix2d& rightSide);
  OdGeMatrix2d& setToProduct(const OdGeMatrix2d& a, const OdGeMatrix2d& b);

  double det() const;
  bool isSingular(const OdGeTol& tol = OdGeContext::gTol) const;
  // Throws OdError(eInvalidInput) when the matrix is singular.
  OdGeMatrix2d& invert();
  OdGeMatrix2d inverse() const;
  OdGeMatrix2d& transposeIt();
  OdGeMatrix2d transpose() const;

  bool isEqualTo(const OdGeMatrix2d& matrix, const OdGeTol& tol = OdGeContext::gTol) const;
  bool operator==(const OdGeMatrix2d& matrix) const { return isEqualTo(matrix); }
  bool operator!=(const OdGeMatrix2d& matrix) const { return !isEqualTo(matrix); }
};

inline const OdGeMatrix2d OdGeMatrix2d::kIdentity{};

#endif
