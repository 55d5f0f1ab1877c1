#include "app/paint/Picture.h"

#include <algorithm>

namespace {

// The source pixels one target pixel covers along an axis, with the share
// of each: a box of source length / target length pixels.
struct TSpan {
  int First = 0;
  std::vector<double> Weights;
};

std::vector<TSpan> Spans(int sourceLength, int targetLength) {
  std::vector<TSpan> spans(static_cast<std::size_t>(targetLength));
  const double step = static_cast<double>(sourceLength) / targetLength;
  for (int t = 0; t < targetLength; ++t) {
    const double begin = t * step;
    const double end = begin + step;
    TSpan& span = spans[static_cast<std::size_t>(t)];
    span.First = static_cast<int>(begin);
    for (int s = span.First; s < sourceLength && s < end; ++s) {
      span.Weights.push_back(std::min<double>(s + 1, end) - std::max<double>(s, begin));
    }
  }
  return spans;
}

double Channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }

std::uint32_t Rounded(double value, int shift) {
  return static_cast<std::uint32_t>(std::clamp(value + 0.5, 0.0, 255.0)) << shift;
}

}  // namespace

TPicture ScalePicture(const TPicture& source, int width, int height) {
  if (source.Width <= 0 || source.Height <= 0 || width <= 0 || height <= 0) return {};
  const std::vector<TSpan> columns = Spans(source.Width, width);
  const std::vector<TSpan> rows = Spans(source.Height, height);
  TPicture scaled{width, height,
                  std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
  for (int y = 0; y < height; ++y) {
    const TSpan& row = rows[static_cast<std::size_t>(y)];
    for (int x = 0; x < width; ++x) {
      const TSpan& column = columns[static_cast<std::size_t>(x)];
      double area = 0, alpha = 0, red = 0, green = 0, blue = 0;
      for (std::size_t j = 0; j < row.Weights.size(); ++j) {
        const std::size_t line = static_cast<std::size_t>(row.First + static_cast<int>(j)) *
                                 static_cast<std::size_t>(source.Width);
        for (std::size_t i = 0; i < column.Weights.size(); ++i) {
          const std::uint32_t pixel =
              source.Pixels[line + static_cast<std::size_t>(column.First) + i];
          const double weight = row.Weights[j] * column.Weights[i];
          const double covered = weight * Channel(pixel, 24);
          area += weight;
          alpha += covered;
          red += covered * Channel(pixel, 16);
          green += covered * Channel(pixel, 8);
          blue += covered * Channel(pixel, 0);
        }
      }
      std::uint32_t& out = scaled.Pixels[static_cast<std::size_t>(y) * width + x];
      out = alpha > 0 ? Rounded(alpha / area, 24) | Rounded(red / alpha, 16) |
                            Rounded(green / alpha, 8) | Rounded(blue / alpha, 0)
                      : 0;
    }
  }
  return scaled;
}

int OpaqueExtent(const TPicture& picture) {
  int extent = 0;
  for (int y = 0; y < picture.Height; ++y) {
    for (int x = 0; x < picture.Width; ++x) {
      if (picture.Pixels[static_cast<std::size_t>(y) * picture.Width + x] >> 24) {
        extent = std::max({extent, x + 1, y + 1});
      }
    }
  }
  return extent;
}

int SourceSizeFor(std::span<const int> offered, int size) {
  int atLeast = 0;
  int largest = 0;
  for (const int candidate : offered) {
    largest = std::max(largest, candidate);
    if (candidate >= size && (atLeast == 0 || candidate < atLeast)) atLeast = candidate;
  }
  return atLeast != 0 ? atLeast : largest;
}
