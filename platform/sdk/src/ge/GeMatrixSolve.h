// Determinant and inverse of small square matrices by Gauss-Jordan elimination with partial
// pivoting; shared by the 2D and 3D transformation matrices.
#ifndef OD_GE_MATRIX_SOLVE_H
#define OD_GE_MATRIX_SOLVE_H

#include <cmath>
#include <utility>

namespace odge
{
template <int N>
double determinant(const double (&m)[N][N])
{
  double a[N][N];
  for (int i = 0; i < N; ++i)
    for (int j = 0; j < N; ++j)
      a[i][j] = m[i][j];
  double det = 1.0;
  for (int col = 0; col < N; ++col)
  {
    int pivot = col;
    for (int row = col + 1; row < N; ++row)
      if (std::fabs(a[row][col]) > std::fabs(a[pivot][col]))
        pivot = row;
    if (a[pivot][col] == 0.0)
      return 0.0;
    if (pivot != col)
    {
      for (int j = 0; j < N; ++j)
        std::swap(a[pivot][j], a[col][j]);
      det = -det;
    }
    det *= a[col][col];
    for (int row = col + 1; row < N; ++row)
    {
      const double f = a[row][col] / a[col][col];
      for (int j = col; j < N; ++j)
        a[row][j] -= f * a[col][j];
    }
  }
  return det;
}

// Writes the inverse of m into inv and returns true, unless |det(m)| <= tol.
template <int N>
bool invert(const double (&m)[N][N], double (&inv)[N][N], double tol)
{
  const double det = determinant<N>(m);
  if (!(std::fabs(det) > tol))
    return false;
  double a[N][N];
  double r[N][N];
  for (int i = 0; i < N; ++i)
    for (int j = 0; j < N; ++j)
    {
      a[i][j] = m[i][j];
      r[i][j] = i == j ? 1.0 : 0.0;
    }
  for (int col = 0; col < N; ++col)
  {
    int pivot = col;
    for (int row = col + 1; row < N; ++row)
      if (std::fabs(a[row][col]) > std::fabs(a[pivot][col]))
        pivot = row;
    for (int j = 0; j < N; ++j)
    {
      std::swap(a[pivot][j], a[col][j]);
      std::swap(r[pivot][j], r[col][j]);
    }
    const double p = a[col][col];
    for (int j = 0; j < N; ++j)
    {
      a[col][j] /= p;
      r[col][j] /= p;
    }
    for (int row = 0; row < N; ++row)
    {
      if (row == col)
        continue;
      const double f = a[row][col];
      for (int j = 0; j < N; ++j)
      {
        a[row][j] -= f * a[col][j];
        r[row][j] -= f * r[col][j];
      }
    }
  }
  for (int i = 0; i < N; ++i)
    for (int j = 0; j < N; ++j)
      inv[i][j] = r[i][j];
  return true;
}
}

#endif
