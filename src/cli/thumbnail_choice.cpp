#include "cli/thumbnail_choice.h"

#include <algorithm>
#include <numeric>

namespace brindlex {
namespace {

int Edge(const IconCandidate& image) { return std::max(image.width, image.height); }

}  // namespace

std::vector<int> ThumbnailPreference(const std::vector<IconCandidate>& images, int size) {
  std::vector<int> order(images.size());
  std::iota(order.begin(), order.end(), 0);
  // Edges at least `size` rank by their own value; smaller ones after all of them, the
  // largest first.
  auto rank = [size](const IconCandidate& image) {
    const long long edge = Edge(image);
    return edge >= size ? edge : (1LL << 40) - edge;
  };
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const IconCandidate& x = images[a];
    const IconCandidate& y = images[b];
    if (rank(x) != rank(y)) return rank(x) < rank(y);
    if (x.bit_count != y.bit_count) return x.bit_count > y.bit_count;
    return 1LL * x.width * x.height > 1LL * y.width * y.height;
  });
  return order;
}

}  // namespace brindlex
