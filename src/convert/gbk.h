#pragma once

#include <string>
#include <string_view>

namespace qc {

// GBK (code page 936) is the program's text encoding; Qt and the file system speak UTF-8.
// Characters that have no GBK form become "?" in GbkFromUtf8; invalid GBK bytes become U+FFFD.
std::string GbkFromUtf8(std::string_view utf8);
std::string Utf8FromGbk(std::string_view gbk);

}  // namespace qc
