#include "caption/font_chooser.h"

namespace qc {

FontChooser::FontChooser(QObject* parent) : QObject(parent) {}
bool FontChooser::open(QWidget*) { return false; }

}  // namespace qc
