#pragma once
#include <cstdint>
#include <string>
#include <variant>

#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"

namespace vb {

// VarType's answers for the subtypes the programs use.
enum VbVarType : int {
  vbEmpty = 0,
  vbNull = 1,
  vbInteger = 2,
  vbLong = 3,
  vbSingle = 4,
  vbDouble = 5,
  vbCurrency = 6,
  vbDate = 7,
  vbString = 8,
  vbBoolean = 11,
  vbByte = 17,
};

struct NullValue {
  friend constexpr bool operator==(NullValue, NullValue) { return true; }
};
inline constexpr NullValue Null{};

// The runtime's Variant. A plain `int` becomes a Long; Integer (16-bit) and Byte
// are made with the named factories so that a value read from a SHORT or BYTE
// column keeps its subtype (the record check code reads each field's type).
class Variant {
 public:
  Variant() = default;
  Variant(NullValue) : value_(NullValue{}) {}
  Variant(int value) : value_(static_cast<std::int32_t>(value)) {}
  Variant(long value);
  Variant(long long value);
  Variant(float value) : value_(value) {}
  Variant(double value) : value_(value) {}
  Variant(Currency value) : value_(value) {}
  Variant(Date value) : value_(value) {}
  Variant(std::string value) : value_(std::move(value)) {}
  Variant(const char* value) : value_(std::string(value)) {}
  Variant(bool value) : value_(value) {}

  static Variant Integer(std::int16_t value);
  static Variant Long(std::int32_t value);
  static Variant Byte(std::uint8_t value);
  static Variant Single(float value) { return Variant(value); }

  // Asked of every value a field takes or a statement binds: read in place.
  VbVarType Type() const {
    static constexpr VbVarType kTypes[] = {vbEmpty,    vbNull, vbInteger, vbLong,    vbSingle, vbDouble,
                                           vbCurrency, vbDate, vbString,  vbBoolean, vbByte};
    return kTypes[value_.index()];
  }
  bool IsEmpty() const { return std::holds_alternative<std::monostate>(value_); }
  bool IsNull() const { return std::holds_alternative<NullValue>(value_); }
  bool IsString() const { return std::holds_alternative<std::string>(value_); }
  // Integer, Long, Single, Double, Currency, Byte (Boolean and Date are not numbers here).
  bool IsNumber() const;

  // Conversions by the runtime's rules: Null raises 94; Empty is "" or 0; a text
  // that does not read as the wanted type raises 13; out of range raises 6.
  std::string ToString() const;
  double ToDouble() const;
  std::int32_t ToLong() const;
  std::int16_t ToInteger() const;
  std::uint8_t ToByte() const;
  Currency ToCurrency() const;
  Date ToDate() const;
  bool ToBool() const;

  // The stored value without conversion; the wrong alternative raises 13.
  template <typename T>
  const T& As() const;

  friend bool operator==(const Variant& a, const Variant& b);

 private:
  using Value = std::variant<std::monostate, NullValue, std::int16_t, std::int32_t, float,
                             double, Currency, Date, std::string, bool, std::uint8_t>;
  Value value_;
};

// `&`: both sides as text, Null counting as "" unless both are Null.
Variant operator&(const Variant& a, const Variant& b);

// The runtime's comparison: numbers numerically, texts by code, a number before
// any text; Empty is 0 or "". Null on either side gives Null, which tests treat as
// false, hence the explicit result here.
enum class Comparison { Less, Equal, Greater, Null };
Comparison Compare(const Variant& a, const Variant& b);

VbVarType VarType(const Variant& v);
inline bool IsNull(const Variant& v) { return v.IsNull(); }
inline bool IsEmpty(const Variant& v) { return v.IsEmpty(); }

template <typename T>
const T& Variant::As() const {
  if (const T* p = std::get_if<T>(&value_)) return *p;
  Raise(13);
}

}  // namespace vb
