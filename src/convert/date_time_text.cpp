#include "convert/date_time_text.h"

namespace qc {

DateTimeValue CurrentDateTime() { return 0; }
std::string DateTimeToText(DateTimeValue) { return "1899"; }

}  // namespace qc
