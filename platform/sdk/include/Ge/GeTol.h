// Tolerance of geometric comparisons: one value for points (distances) and one for vectors
// (differences of unit vectors, lengths). Both default to 1e-10.
#ifndef OD_GE_TOL_H
#define OD_GE_TOL_H

class OdGeTol
{
public:
  constexpr OdGeTol(double t = 1.e-10) : m_equalPoint(t), m_equalVector(t) {}
  constexpr OdGeTol(double tolPoint, double tolVector) : m_equalPoint(tolPoint), m_equalVector(tolVector) {}

  constexpr double equalPoint() const { return m_equalPoint; }
  constexpr double equalVector() const { return m_equalVector; }
  void setEqualPoint(double val) { m_equalPoint = val; }
  void setEqualVector(double val) { m_equalVector = val; }

private:
  double m_equalPoint;
  double m_equalVector;
};

#endif
