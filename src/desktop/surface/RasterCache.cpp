#include "desktop/surface/RasterCache.h"

#include <cmath>
#include <cstring>
#include <span>
#include <utility>

namespace lesson {

namespace {

constexpr int kSide = 640;

// Beyond this many marks since the last clear the picture is no longer kept
// as marks; a change of pixel ratio then scales the image instead.
constexpr std::size_t kMaxMarks = 200000;

// A snapshot costs a copy of the image; below this many agreeing marks
// rasterising them again is about as cheap.
constexpr std::size_t kMinSnapshotMarks = 32;

// Snapshots kept at once: each is a whole image (1.6 MB at pixel ratio 1).
constexpr std::size_t kMaxSnapshots = 2;

}  // namespace

QImage RasterCache::BlankImage(qreal ratio) {
  const int side = static_cast<int>(std::lround(kSide * ratio));
  QImage image(side, side, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  return image;
}

RasterCache::RasterCache(QString fontFamily, qreal ratio)
    : painter_(std::move(fontFamily)), image_(BlankImage(ratio)) {}

void RasterCache::Clear() {
  cursor_ = 0;
  if (!complete_) {
    complete_ = true;
    marks_.clear();
    painted_ = kUnknown;
  }
}

void RasterCache::Add(Mark mark) {
  if (cursor_ < marks_.size()) {
    if (marks_[cursor_] == mark) {
      ++cursor_;
      return;
    }
    // From here on the picture goes its own way: the rest of the previous
    // one, and every snapshot taken after this point, no longer apply.
    DropFrom(cursor_);
    if (cursor_ >= kMinSnapshotMarks && !snapshots_.contains(cursor_))
      wanted_ = cursor_;
  }
  if (complete_ && cursor_ >= kMaxMarks) {
    Flush();
    marks_.clear();
    snapshots_.clear();
    wanted_.reset();
    cursor_ = 0;
    painted_ = 0;
    complete_ = false;
  }
  marks_.push_back(std::move(mark));
  ++cursor_;
  if (!complete_ && cursor_ >= kMaxMarks)
    Flush();
}

QRect RasterCache::TakeDamage() {
  Flush();
  return std::exchange(damage_, QRect());
}

QRect RasterCache::DeviceRect(const QRectF& b) const {
  const qreal ratio = Ratio();
  return QRectF(b.x() * ratio, b.y() * ratio, b.width() * ratio, b.height() * ratio)
             .toAlignedRect()
             .adjusted(-1, -1, 1, 1) &
         image_.rect();
}

const QImage& RasterCache::Image() {
  Flush();
  return image_;
}

void RasterCache::SetRatio(qreal ratio) {
  if (!complete_) {
    Flush();
    QImage scaled =
        image_.scaled(BlankImage(ratio).size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    image_ = scaled;
    damage_ = image_.rect();
    return;
  }
  snapshots_.clear();
  wanted_.reset();
  image_ = BlankImage(ratio);
  painted_ = 0;
  damage_ = image_.rect();
}

void RasterCache::Flush() {
  if (painted_ == kUnknown || painted_ > cursor_)
    Restore();
  if (wanted_ && *wanted_ > painted_ && *wanted_ <= cursor_) {
    PaintUpTo(*wanted_);
    // The painter has ended, so the snapshot shares the finished pixels; the
    // next painting gives the picture its own copy.
    snapshots_[painted_] = image_;
    if (snapshots_.size() > kMaxSnapshots)
      snapshots_.erase(snapshots_.begin());
    wanted_.reset();
  }
  PaintUpTo(cursor_);
  if (!complete_) {
    marks_.clear();
    cursor_ = 0;
    painted_ = 0;
  }
}

// Puts the image back to the latest snapshot within the picture so far, or
// to blank.
void RasterCache::Restore() {
  if (painted_ != kUnknown)
    RewindTo(cursor_);
  if (painted_ != kUnknown && painted_ <= cursor_)
    return;
  damage_ = image_.rect();
  auto it = snapshots_.upper_bound(cursor_);
  if (it == snapshots_.begin()) {
    image_ = BlankImage(Ratio());
    painted_ = 0;
    return;
  }
  --it;
  image_ = it->second;
  painted_ = it->first;
}

// While the image shows more marks than the first index ones, takes it back
// to the latest snapshot at or before index by copying from the snapshot only
// the pixels that the marks painted since may have touched.
void RasterCache::RewindTo(std::size_t index) {
  if (painted_ == kUnknown || painted_ <= index)
    return;
  auto it = snapshots_.upper_bound(index);
  if (it == snapshots_.begin()) {
    painted_ = kUnknown;
    return;
  }
  --it;
  const QImage& snapshot = it->second;
  QRect area;
  for (std::size_t i = it->first; i < painted_; ++i)
    area |= DeviceRect(marks_[i].bounds);
  damage_ |= area;
  if (!area.isEmpty()) {
    const auto bytes = static_cast<std::size_t>(area.width()) * 4;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      std::memcpy(image_.scanLine(y) + static_cast<std::ptrdiff_t>(area.left()) * 4,
                  snapshot.constScanLine(y) + static_cast<std::ptrdiff_t>(area.left()) * 4, bytes);
    }
  }
  painted_ = it->first;
}

void RasterCache::DropFrom(std::size_t index) {
  snapshots_.erase(snapshots_.upper_bound(index), snapshots_.end());
  RewindTo(index);
  marks_.erase(marks_.begin() + static_cast<std::ptrdiff_t>(index), marks_.end());
  if (wanted_ && *wanted_ > index)
    wanted_.reset();
  if (painted_ != kUnknown && painted_ > index)
    painted_ = kUnknown;
}

void RasterCache::PaintUpTo(std::size_t end) {
  if (end <= painted_)
    return;
  // A shared image would be painted through to a snapshot.
  image_.detach();
  const auto run = std::span<const Mark>(marks_).subspan(painted_, end - painted_);
  for (const Mark& mark : run)
    damage_ |= DeviceRect(mark.bounds);
  painter_.Paint(image_, run);
  painted_ = end;
}

}  // namespace lesson
