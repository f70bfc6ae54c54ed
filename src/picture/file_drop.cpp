#include <QString>

#include "picture/picture_handlers.h"

namespace qc {

void OnFileReceived(Controls&, const QString&) {}

}  // namespace qc
