#pragma once
// The configuration file: sections, keys and values in UTF-8, read and
// written like the desktop's profile strings, but never left half written.
#include <QString>

namespace velbrisk {

// The value of section/key in `file`, or `defaultValue` when the file,
// section or key is missing. Section and key match without regard to case;
// at most 1023 characters come back.
QString IniReadString(const QString& section, const QString& key, const QString& defaultValue,
                      const QString& file);

// Writes section/key = value, creating the file or section when missing and
// keeping every other line as it was. The new file replaces the old one in a
// single step. False when the file cannot be written or the value holds a
// line break.
bool IniWriteString(const QString& section, const QString& key, const QString& value, const QString& file);

}  // namespace velbrisk
