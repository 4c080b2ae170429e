#pragma once

namespace lesson {

// Has the allocator hand every buffer of a plane's size (an image of the
// picture, a snapshot of it) straight back to the system when it is freed.
// Left to itself, glibc raises its threshold for that after the first such
// buffer is freed and serves the next ones from the heap, whose holes then
// keep the resident memory one or two images above what is in use, at
// random. Called once, before the window is made.
void KeepImageMemoryReturnable();

}  // namespace lesson
