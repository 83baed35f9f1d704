#pragma once
// Properties with design values that a form gets back when it unloads.
#include <vector>

namespace forms {
namespace detail {

class StateSlot {
 public:
  virtual ~StateSlot() = default;
  virtual void Save() = 0;
  virtual void Restore() = 0;
  virtual void CopyFrom(const StateSlot& other) = 0;
};

// The property groups of one form or control, in declaration order.
class StateSlots {
 public:
  void Add(StateSlot* slot) { slots_.push_back(slot); }
  void Save();
  void Restore();
  // `other` belongs to an object of the same class, so the slots pair up.
  void CopyFrom(const StateSlots& other);

 private:
  std::vector<StateSlot*> slots_;
};

}  // namespace detail

// A group of properties with design values: a form that unloads gets its design
// values back (a later load starts from the design, as the runtime does), and a
// control-array element loaded at run time copies the group of the first element.
template <class T>
class Persistent final : public detail::StateSlot {
 public:
  explicit Persistent(detail::StateSlots& slots) { slots.Add(this); }
  Persistent(const Persistent&) = delete;
  Persistent& operator=(const Persistent&) = delete;

  T& operator*() { return now_; }
  const T& operator*() const { return now_; }
  T* operator->() { return &now_; }
  const T* operator->() const { return &now_; }

  void Save() override { design_ = now_; }
  void Restore() override { now_ = design_; }
  void CopyFrom(const detail::StateSlot& other) override {
    now_ = static_cast<const Persistent&>(other).now_;
  }

 private:
  T now_{};
  T design_{};
};

}  // namespace forms
