#include "convert/gbk.h"

namespace qc {

std::string GbkFromUtf8(std::string_view utf8) { return std::string(utf8); }
std::string Utf8FromGbk(std::string_view gbk) { return std::string(gbk); }

}  // namespace qc
