// SPDX-License-Identifier: MIT
#include "tools/earthmate-sim/dilution.h"

#include <array>
#include <cmath>
#include <utility>

#include "control/core/codecs.h"

namespace vx::sim {
namespace {

using Matrix = std::array<std::array<double, 4>, 4>;

// The inverse by Gauss-Jordan elimination with partial pivoting; nothing when singular.
std::optional<Matrix> inverse(Matrix a) {
  Matrix result{};
  for (int i = 0; i < 4; ++i) result[i][i] = 1;
  for (int column = 0; column < 4; ++column) {
    int pivot = column;
    for (int row = column + 1; row < 4; ++row) {
      if (std::fabs(a[row][column]) > std::fabs(a[pivot][column])) pivot = row;
    }
    if (std::fabs(a[pivot][column]) < 1e-9) return std::nullopt;
    std::swap(a[pivot], a[column]);
    std::swap(result[pivot], result[column]);
    const double scale = a[column][column];
    for (int k = 0; k < 4; ++k) a[column][k] /= scale, result[column][k] /= scale;
    for (int row = 0; row < 4; ++row) {
      if (row == column) continue;
      const double factor = a[row][column];
      for (int k = 0; k < 4; ++k) a[row][k] -= factor * a[column][k], result[row][k] -= factor * result[column][k];
    }
  }
  return result;
}

}  // namespace

std::optional<Dilutions> dilutionsOf(const std::vector<Direction>& satellites) {
  if (satellites.size() < 4) return std::nullopt;
  Matrix normal{};
  for (const Direction& d : satellites) {
    const double el = codec::crad(d.elevation), az = codec::crad(d.azimuth);
    const std::array<double, 4> row{std::cos(el) * std::sin(az), std::cos(el) * std::cos(az), std::sin(el), 1};
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 4; ++j) normal[i][j] += row[i] * row[j];
  }
  const auto q = inverse(normal);
  if (!q) return std::nullopt;
  const Matrix& m = *q;
  Dilutions dop;
  dop.horizontal = std::sqrt(m[0][0] + m[1][1]);
  dop.vertical = std::sqrt(m[2][2]);
  dop.position = std::sqrt(m[0][0] + m[1][1] + m[2][2]);
  dop.time = std::sqrt(m[3][3]);
  dop.geometric = std::sqrt(m[0][0] + m[1][1] + m[2][2] + m[3][3]);
  return dop;
}

}  // namespace vx::sim
