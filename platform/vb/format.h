#pragma once
#include <string>

#include "platform/vb/variant.h"

namespace vb {

// The runtime's Format.
//
// Number patterns: "0" a digit always written, "#" a digit written only when
// significant (so "##" writes nothing for zero and "#,###.##" a lone "."), ","
// between digit placeholders groups thousands, "," right before the point (or at
// the end) divides by a thousand, "." the decimal point, "%" multiplies by a
// hundred; anything else, "quoted" text and \x are written as they stand. Up to
// three ";" sections: positive, negative (written without a sign of its own) and
// zero. Values round half away from zero on their 15-significant-digit decimal form,
// so 17810 * 0.0005 (stored as 8.90499...) gives "8.91" under "0.00"; a value that
// rounds to zero is written without a minus sign.
//
// Date patterns (letters in any case): d dd ddd dddd, m mm mmm mmmm (m and mm are
// minutes right after an hour or before seconds), y (day of the year) yy yyyy, h hh,
// n nn, s ss, w ww q, AM/PM am/pm A/P a/p AMPM ("a.m."/"p.m."), c.
//
// A numeric text is formatted as its number, a text holding a date as its date
// under a date pattern, any other text comes back unchanged; Null gives "" and an
// empty pattern writes the value as CStr does.
std::string Format(const Variant& value, const std::string& pattern = "");

// What Format(value, String(width, "0")) writes for a Double, without reading a
// pattern: the whole number the value rounds to (half away from zero on its
// 15-significant-digit form), zero-filled to at least `width` (1 or more) digits,
// with "-" before it when it is below zero. The record check code writes two sums
// of every row stored this way.
std::string FormatWholeNumber(double value, int width);

}  // namespace vb
