#include "picture/picture_handlers.h"

#include <QString>

namespace qc {

void OnTemplateSelected(Controls&) {}
void OnZoomIn(Controls&) {}
void OnZoomOut(Controls&) {}
void OnFileReceived(Controls&, const QString&) {}
void RefreshSizeReadouts(Controls&) {}

}  // namespace qc
