#pragma once
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/errors.h"
#include "platform/forms/event.h"

namespace forms {
namespace detail {

class ArrayBase {
 public:
  ArrayBase(const ArrayBase&) = delete;
  ArrayBase& operator=(const ArrayBase&) = delete;
  virtual void RemoveRuntimeElements() = 0;

 protected:
  explicit ArrayBase(Form& form);
  ~ArrayBase();
  bool FormEverLoaded() const;
  bool FormLoaded() const;
  void Announce(Control& element) const;
  int NextTabIndex() const;

 private:
  Form& form_;
};

}  // namespace detail

// A control array such as txtValor(505) or mnuCons(0, 4 to 9): elements of one
// kind and one name told apart by a sparse index, with one handler per event that
// receives the index. Elements added while the form is designed stay; elements
// loaded at run time (Load picPrevia(i)) copy the properties of the lowest
// element, start hidden and go when the form unloads.
template <class T>
class ControlArray final : public detail::ArrayBase {
 public:
  ControlArray(Place place, std::string name)
      : ArrayBase(*place.form), place_(place), name_(std::move(name)) {}
  ~ControlArray() { elements_.clear(); }

  const std::string& Name() const { return name_; }

  // An element of the form's design, in the array's place or another.
  T& Add(int index) { return Add(index, place_); }
  T& Add(int index, Place place) {
    if (elements_.count(index)) detail::Fail(360);
    auto element = std::make_unique<T>(place, name_, index);
    T& added = *element;
    elements_.emplace(index, std::move(element));
    if (!FormEverLoaded()) design_.insert(index);
    Wire(added);
    if (FormLoaded()) Announce(added);
    return added;
  }

  // The runtime's Load statement for an array element.
  T& Load(int index) {
    if (elements_.empty()) detail::Fail(340);
    if (elements_.count(index)) detail::Fail(360);
    T& first = *elements_.begin()->second;
    Place place = first.Container() ? Place(*first.Container(), first.TabPage())
                                    : Place(first.Parent());
    auto element = std::make_unique<T>(place, name_, index);
    T& loaded = *element;
    loaded.CopyStateFrom(first);
    loaded.common_->visible = false;
    loaded.common_->tabIndex = NextTabIndex();
    elements_.emplace(index, std::move(element));
    Wire(loaded);
    if (FormLoaded()) Announce(loaded);
    return loaded;
  }

  // The runtime's Unload statement for an element loaded at run time; an element
  // of the design raises error 362.
  void Unload(int index) {
    auto it = elements_.find(index);
    if (it == elements_.end()) detail::Fail(340);
    if (design_.count(index)) detail::Fail(362);
    elements_.erase(it);
  }

  // The element of `index`; a missing one raises error 340.
  T& operator()(int index) const {
    auto it = elements_.find(index);
    if (it == elements_.end()) detail::Fail(340);
    return *it->second;
  }
  bool Exists(int index) const { return elements_.count(index) != 0; }
  int Count() const { return static_cast<int>(elements_.size()); }
  int LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
  int UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }
  std::vector<int> Indexes() const {
    std::vector<int> indexes;
    for (const auto& [index, element] : elements_) indexes.push_back(index);
    return indexes;
  }
  std::vector<T*> Elements() const {
    std::vector<T*> all;
    for (const auto& [index, element] : elements_) all.push_back(element.get());
    return all;
  }

  // One handler for the event of every element, present and future, called with
  // the element's index first: txtValor.Handle(&TextBox::Change, [](int index) {}).
  template <class C, class... A>
  void Handle(Event<A...> C::*event,
              std::type_identity_t<std::function<void(int, A...)>> handler) {
    static_assert(std::is_base_of_v<C, T>);
    auto wire = [event, handler](T& element) {
      int index = element.Index();
      element.*event = [handler, index](A... args) { handler(index, std::forward<A>(args)...); };
    };
    for (auto& [index, element] : elements_) wire(*element);
    wiring_.push_back(std::move(wire));
  }

  void RemoveRuntimeElements() override {
    std::erase_if(elements_, [this](const auto& entry) { return !design_.count(entry.first); });
  }

 private:
  void Wire(T& element) {
    for (auto& wire : wiring_) wire(element);
  }

  Place place_;
  std::string name_;
  std::map<int, std::unique_ptr<T>> elements_;
  std::set<int> design_;
  std::vector<std::function<void(T&)>> wiring_;
};

}  // namespace forms
