#pragma once
// The window's applying state for the length of a scope.

namespace formsqt {

// While the renderer applies the form's state to its window (flags, geometry,
// window state), the events the window raises are the renderer's own doing and
// must not reach the form as a person's. The window counts how deep it is in
// such changes; a scope raises the count for its lifetime, however it ends.
class ApplyingScope {
 public:
  explicit ApplyingScope(int& depth) : depth_(depth) { ++depth_; }
  ~ApplyingScope() { --depth_; }
  ApplyingScope(const ApplyingScope&) = delete;
  ApplyingScope& operator=(const ApplyingScope&) = delete;

 private:
  int& depth_;
};

}  // namespace formsqt
