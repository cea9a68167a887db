// Parameter interval of a curve: a lower and an upper bound.
#ifndef OD_GE_INTERVAL_H
#define OD_GE_INTERVAL_H

class OdGeInterval
{
public:
  explicit OdGeInterval(double tol = 1.e-12) : m_tol(tol) {}
  OdGeInterval(double lower, double upper, double tol = 1.e-12) : m_lower(lower), m_upper(upper), m_bounded(true), m_tol(tol) {}

  double lowerBound() const { return m_lower; }
  double upperBound() const { return m_upper; }
  void getBounds(double& lower, double& upper) const
  {
    lower = m_lower;
    upper = m_upper;
  }
  double length() const { return m_upper - m_lower; }
  bool isBounded() const { return m_bounded; }
  double tolerance() const { return m_tol; }
  OdGeInterval& set(double lower, double upper)
  {
    m_lower = lower;
    m_upper = upper;
    m_bounded = true;
    return *this;
  }
  bool contains(double value) const { return !m_bounded || (value >= m_lower - m_tol && value <= m_upper + m_tol); }

private:
  double m_lower = 0.0;
  double m_upper = 0.0;
  bool m_bounded = false;
  double m_tol;
};

#endif
