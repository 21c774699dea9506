#include "core/data/Failure.h"

namespace velbrisk {

Failure::Failure(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}

DbError::DbError(Kind kind, const QString& message) : Failure(message), m_kind(kind) {}

}  // namespace velbrisk
