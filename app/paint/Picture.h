#pragma once
// Pictures of 32-bit pixels and their scaling: icons and the drop targets'
// pictures are drawn from a source at least as large as the cell needs,
// scaled down with an area filter, never a small image stretched up.

#include <cstdint>
#include <span>
#include <vector>

// Pixels 0xAARRGGBB with straight (not premultiplied) alpha, rows top-down.
struct TPicture {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;
  bool operator==(const TPicture&) const = default;
};

// The picture at width x height: each new pixel the average of the source
// area it covers, weighted by alpha, so that a transparent surround never
// darkens an edge. An empty source or size gives an empty picture.
[[nodiscard]] TPicture ScalePicture(const TPicture& source, int width, int height);

// The side of the square at the top-left corner outside which every pixel
// is transparent: the shell's 256-pixel list pads an icon that has no image
// of that size into its corner this way.
[[nodiscard]] int OpaqueExtent(const TPicture& picture);

// Of the sizes a picture is offered at, the one to draw it at size from: the
// smallest at least as large, else the largest; 0 when none is offered.
[[nodiscard]] int SourceSizeFor(std::span<const int> offered, int size);
