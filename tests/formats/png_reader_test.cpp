#include <gtest/gtest.h>

#include "picture/formats/png_reader.h"
