#pragma once
// Texts between UTF-8 and Qt's strings.
#include <QString>
#include <string>

namespace formsqt {

// The windows hold their texts in UTF-8; Qt in UTF-16.
inline QString ToQString(const std::string& utf8) { return QString::fromStdString(utf8); }
inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

}  // namespace formsqt
