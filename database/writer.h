#pragma once
// The inverse of the loader's framing: fields to resource bytes.

#include <QByteArray>
#include <QString>
#include <stdexcept>
#include <vector>

namespace zentaloger {

class EncodeError : public std::runtime_error {
  public:
    EncodeError(int field, const QString& detail);
    int field() const { return field_; }

  private:
    int field_;
};

// A leading NUL, each field in Windows-1251 followed by a NUL, then the four extra NULs that
// the shipped resource ends with. Throws EncodeError for a field holding a NUL or a character
// that Windows-1251 cannot write; the field number is 1-based.
QByteArray EncodeResource(const std::vector<QString>& fields);

// The fields of a resource, cut at every NUL after the leading one (the trailing empty pieces
// are dropped down to `count`). For tests and tools that edit a resource field by field.
std::vector<QString> SplitResource(const QByteArray& bytes, int count);

}  // namespace zentaloger
