// Knot vector of a B-spline: non-decreasing parameter values and the tolerance under which two
// knots count as one.
#ifndef OD_GE_KNOT_VECTOR_H
#define OD_GE_KNOT_VECTOR_H

#include "Ge/GeDoubleArray.h"

class OdGeKnotVector
{
public:
  explicit OdGeKnotVector(double tol = 1.0e-9) : m_tol(tol) {}
  OdGeKnotVector(const OdGeDoubleArray& knots, double tol = 1.0e-9) : m_knots(knots), m_tol(tol) {}

  int length() const { return static_cast<int>(m_knots.size()); }
  bool isEmpty() const { return m_knots.isEmpty(); }
  double operator[](int i) const { return m_knots[static_cast<unsigned>(i)]; }
  double startParam() const { return m_knots.first(); }
  double endParam() const { return m_knots.last(); }
  double tolerance() const { return m_tol; }
  void setTolerance(double tol) { m_tol = tol; }
  const OdGeDoubleArray& getArray() const { return m_knots; }
  // True when no knot is below its predecessor.
  bool isNonDecreasing() const
  {
    for (unsigned i = 1; i < m_knots.size(); ++i)
      if (m_knots[i] < m_knots[i - 1])
        return false;
    return true;
  }

private:
  OdGeDoubleArray m_knots;
  double m_tol;
};

#endif
